// The Disclaimer dialog: the disclaimer printed on the dialog beside the
// PIPE picture.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

namespace vemora {

struct AppContext;
class PictureButton;

class frmDisclaimer : public QDialog
{
    Q_OBJECT
  public:
    frmDisclaimer(AppContext& ctx, QWidget* parent);

    // The seven lines of the disclaimer, printed after two empty lines, each
    // from print column 4.
    static QStringList DisclaimerLines();
    static constexpr int PrintColumn = 4;
    static constexpr int EmptyLinesBefore = 2;

    QLabel* imgLCC = nullptr;
    PictureButton* sscOK = nullptr;

    void sscOK_Click();

    // Closing by OK, Esc or the close box: the working window comes back.
    void done(int result) override;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    void Form_Load();

    AppContext& ctx_;
};

} // namespace vemora
