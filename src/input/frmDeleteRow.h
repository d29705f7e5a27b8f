// The delete-row confirmation of the profile grid: the current row's values,
// and Yes (delete it, asking again when it holds data), No and Help.
#pragma once

#include <QDialog>
#include <array>

class QLabel;

namespace vemora {

class frmLCC;
class FieldBehaviours;
class PictureButton;

class frmDeleteRow : public QDialog
{
    Q_OBJECT
  public:
    frmDeleteRow(frmLCC& input, QWidget* parent);

    // Node number, elevation, accumulated length, pipe diameter, wall
    // thickness, pipe cost per metre and node description of the row.
    std::array<QLabel*, 7> lblDelete{};
    QLabel* lblQuestion = nullptr;
    PictureButton* sscYes = nullptr;
    PictureButton* sscNo = nullptr;
    PictureButton* sscHelp = nullptr;

    void Form_Load();
    void sscYes_Click();
    void sscNo_Click();
    void sscHelp_Click();

  private:
    frmLCC& input_;
    FieldBehaviours* fields_ = nullptr;
};

} // namespace vemora
