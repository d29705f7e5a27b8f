// The IRR window: the present-value difference against the discount rate
// for a range of rates the two scroll bars choose, with the cursor read-out,
// the copy of the graph, its printing, help and OK back to the window it
// hid. It computes nothing: it draws the IRR scan of the last analysis.
#pragma once

#include <QWidget>

#include "app/WindowRegistry.h"
#include "graphs/PlotFrame.h"

class QGroupBox;
class QLabel;

namespace vemora {

struct AppContext;
class PictureBox;
class PictureButton;
class ScrollBar;

class frmIRRView : public QWidget, public IrrViewWindow
{
    Q_OBJECT
  public:
    explicit frmIRRView(AppContext& ctx, QWidget* parent = nullptr);

    static constexpr int HelpTopic = 6030;

    QWidget* widget() override { return this; }

    PictureBox* picIRR = nullptr;
    PlotFrame picIRRFrame; // left by the drawing for the read-out
    QLabel* Label1 = nullptr;
    QLabel* lblX = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblY = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* lblBeginIRR = nullptr;
    ScrollBar* hsbBegin = nullptr;
    QLabel* lblEndIRR = nullptr;
    ScrollBar* hsbEnd = nullptr;
    PictureButton* sscView = nullptr;
    PictureButton* sscPrintView = nullptr;
    QGroupBox* Frame2 = nullptr;
    PictureButton* sscOK = nullptr;
    PictureButton* sscHelp = nullptr;

    // Draws the range the scroll bars select; shows the message of a
    // refused range or a failed drawing.
    void DrawIRRGraph();

    void Form_Load();
    void hsbBegin_Change();
    void hsbEnd_Change();
    void sscView_Click();
    void sscPrintView_Click();
    void sscOK_Click();
    void sscHelp_Click();
    void picIRR_MouseMove(int button, int shift, double x, double y);
    void picIRR_MouseDown(int button, int shift, double x, double y);

  private:
    AppContext& ctx;
    // Whether the results window was showing when this window hid it.
    bool hidResults_ = false;
};

} // namespace vemora
