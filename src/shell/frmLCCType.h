// The system-type dialog: gravity or pumping, then a blank project of that
// type.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace vemora {

struct AppContext;
class PictureButton;

class frmLCCType : public QDialog
{
    Q_OBJECT
  public:
    frmLCCType(AppContext& ctx, QWidget* parent);

    void sscContinue_Click();
    void sscCancel_Click();
    void sscHelp_Click();
    // Esc and the close box run Cancel.
    void reject() override;

    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* optGravity = nullptr;
    QRadioButton* optPumping = nullptr;
    PictureButton* sscContinue = nullptr;
    PictureButton* sscCancel = nullptr;
    PictureButton* sscHelp = nullptr;

    static constexpr int HelpTopic = 3000;

  private:
    AppContext& ctx_;
};

} // namespace vemora
