// The splash: product name, version and credits on a blue gradient. It
// closes after 4 seconds or on Esc and then brings up the main window.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace vemora {

struct AppContext;
class MDIProject;

class frmIntro : public QDialog
{
    Q_OBJECT
  public:
    frmIntro(AppContext& ctx, QWidget* parent);

    // The 4-second timer's tick: the splash ends.
    void tmrIntro_Timer();
    // A key pressed in the splash; Esc (27) ends it.
    void Form_KeyDown(int keyCode, int shift);

    // The main window the splash brought up (nullptr before its end).
    MDIProject* mainWindow() const { return mainWindow_; }

    QLabel* imgWelcome = nullptr;
    QLabel* Label4 = nullptr; // product name, white
    QLabel* Label6 = nullptr; // product name, red shadow
    QLabel* Label5 = nullptr; // subtitle, white
    QLabel* Label7 = nullptr; // subtitle, red shadow
    QLabel* lblVersion1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QTimer* tmrIntro = nullptr;

    static constexpr int IntroMilliseconds = 4000;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    void Form_Load();
    void endSplash();

    AppContext& ctx_;
    MDIProject* mainWindow_ = nullptr;
    bool ended_ = false;
};

} // namespace vemora
