// Chooses the design-life year whose hydraulic table prints: one item per
// year, "Year " and its calendar year. OK sets the caller's `year` to the
// chosen year; closing the window otherwise leaves it as it was.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace vemora {

struct AppContext;
class PictureButton;

class frmSelectYear : public QDialog
{
    Q_OBJECT
  public:
    frmSelectYear(AppContext& ctx, int& year, QWidget* parent);

    QLabel* lblYear = nullptr;
    QComboBox* comYear = nullptr;
    PictureButton* sscOK = nullptr;

    void sscOK_Click();

  private:
    AppContext& ctx_;
    int& year_;
};

} // namespace vemora
