// The unit converter: one typed value converted between two units of one of
// six quantity groups. It reads and writes no project data; every opening
// starts afresh, and however it closes the working window comes back.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QListWidget;

namespace vemora {

struct AppContext;
class NumberGuard;
class PictureButton;
class TextBox;

class frmConverter : public QDialog
{
    Q_OBJECT
  public:
    frmConverter(AppContext& ctx, QWidget* parent);

    static constexpr int HelpTopic = 8500;

    QLabel* Label1 = nullptr;
    QListWidget* lstUnit = nullptr;
    QLabel* Label3 = nullptr;
    TextBox* txtConvert = nullptr;
    PictureButton* sscHelp = nullptr;
    std::array<QComboBox*, 2> comUnit{}; // (0) from, (1) to
    QLabel* Label4 = nullptr;
    QLabel* lblConvert = nullptr;
    PictureButton* sscConvert = nullptr;
    PictureButton* sscExit = nullptr;

    void lstUnit_Click();
    void comUnit_Click(int index);
    void txtConvert_KeyPress(int& ascii);
    void sscConvert_Click();
    void sscExit_Click();
    void sscHelp_Click();

    // Closing by Exit, Esc or the close box: the working window comes back.
    void done(int result) override;

  private:
    void Form_Load();
    void WidenForUnitTexts();
    void ResetResult();

    AppContext& ctx_;
    // The value box's entry guard, which also tells its refused keys.
    NumberGuard* guard_ = nullptr;
};

} // namespace vemora
