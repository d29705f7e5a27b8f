// The pump-curve view: the head and efficiency curves of the six pump
// points being entered, with the read-out of head, flow and efficiency,
// the copy of the graph, printing, help and OK back to the input window.
#pragma once

#include <QWidget>

#include "app/PageHeaderTexts.h"
#include "app/WindowRegistry.h"
#include "graphs/PlotFrame.h"

class QGroupBox;
class QLabel;

namespace vemora {

struct AppContext;
class PictureBox;
class PictureButton;

class frmPumpView : public QWidget, public PumpViewWindow
{
    Q_OBJECT
  public:
    explicit frmPumpView(AppContext& ctx, QWidget* parent = nullptr);

    static constexpr int HelpTopic = 3080;

    QWidget* widget() override { return this; }
    // Shows the window and draws the curves from the data store; after a
    // failed drawing the message, then the window goes and the input window
    // shows again.
    void DrawPumpCurveGraph() override;

    PictureBox* picGraph = nullptr;
    PlotFrame picGraphFrame;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblH = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblQ = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblDEff = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QGroupBox* Frame2 = nullptr;
    PictureButton* sscOK = nullptr;
    PictureButton* sscHelp = nullptr;
    PictureButton* sscPrintView = nullptr;

    void picGraph_MouseMove(int button, int shift, double x, double y);
    void picGraph_MouseDown(int button, int shift, double x, double y);
    void sscOK_Click();
    void sscHelp_Click();
    void sscPrintView_Click();

  private:
    // The header texts of the input the picture was last drawn from.
    PageHeaderTexts drawnHeader_;
    AppContext& ctx;
};

} // namespace vemora
