// The agreement dialog, the program's first window: accepting goes on to the
// splash and the main window, declining ends the program.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;

namespace vemora {

struct AppContext;
class PictureButton;

class frmAgree : public QDialog
{
    Q_OBJECT
  public:
    explicit frmAgree(AppContext& ctx, QWidget* parent = nullptr);

    void sscAccept_Click();
    void sscCancel_Click();
    // Mouse over the dialog or its frame: both captions navy.
    void Form_MouseMove();
    // Mouse over a button: both captions navy, that one blue.
    void sscButton_MouseMove(PictureButton* button);

    QLabel* imgLCC = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* lblT1 = nullptr;
    PictureButton* sscAccept = nullptr;
    PictureButton* sscCancel = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void Form_Load();

    AppContext& ctx_;
};

// The caption colour of a picture button.
QColor captionColour(const PictureButton* button);

} // namespace vemora
