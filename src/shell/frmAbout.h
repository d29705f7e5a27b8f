// The About box: the product name, its version and notices, and a button
// that starts the machine's system-information program.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace vemora {

struct AppContext;
class PictureButton;

class frmAbout : public QDialog
{
    Q_OBJECT
  public:
    frmAbout(AppContext& ctx, QWidget* parent);

    QLabel* imgVEMORA = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label1 = nullptr;
    PictureButton* sscOK = nullptr;
    PictureButton* sscSystemInfo = nullptr;

    // How System Info finds its program (empty when there is none) and
    // starts it (false when it cannot); the machine's PATH and a detached
    // process unless a test puts others in.
    std::function<QString()> findSystemInfo;
    std::function<bool(const QString&)> startProgram;

    void sscOK_Click();
    void sscSystemInfo_Click();
    void StartSysInfo();

    // Closing by OK, Esc or the close box: the working window comes back.
    void done(int result) override;

  private:
    void Form_Load();

    AppContext& ctx_;
};

} // namespace vemora
