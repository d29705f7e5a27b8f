// The duty-point warning: shown modally while an analysis stops because
// the pump curve misses the system curve, with the pump curve and the
// failing year's system curve drawn once as it opens. Help and OK only.
#pragma once

#include <QDialog>

#include "graphs/PlotFrame.h"

class QLabel;

namespace vemora {

struct AppContext;
class PictureBox;
class PictureButton;

inline constexpr const char* DutyPointWarningText =
    "The pump and system curves do not intersect.  The pump selection seems incorrect !";

class frmDutyPoint : public QDialog
{
    Q_OBJECT
  public:
    frmDutyPoint(AppContext& ctx, QWidget* parent);

    static constexpr int HelpTopic = 5500;

    PictureBox* picDuty = nullptr;
    PlotFrame picDutyFrame;
    QLabel* Label1 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label18 = nullptr;
    PictureButton* sscOK = nullptr;
    PictureButton* sscHelp = nullptr;

    // The pump curve with the system curve of the year DutyYear holds.
    void DrawDutyPointGraph();

    void sscOK_Click();
    void sscHelp_Click();

  private:
    AppContext& ctx;
};

} // namespace vemora
