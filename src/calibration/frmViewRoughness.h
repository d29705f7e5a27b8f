// The calibration's profile view: the profile with the gradeline of a chosen
// year and, for each ticked scenario, the gradelines of its calibrated
// sections; the cursor read-out, the copy to the clipboard, the printed page
// and the way back to the calibration window.
#pragma once

#include <QWidget>
#include <array>

#include "app/PageHeaderTexts.h"
#include "app/PrintCopies.h"
#include "app/WindowRegistry.h"
#include "graphs/DrawRoughnessProfile.h"
#include "graphs/PlotFrame.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace vemora {

struct AppContext;
class PictureBox;
class PictureButton;
struct PageRun;
class ReportPrinter;
class ScrollBar;

class frmViewRoughness : public QWidget, public RoughnessViewWindow
{
    Q_OBJECT

  public:
    explicit frmViewRoughness(AppContext& ctx, QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    static constexpr int HelpTopic = 3060;

    PictureBox* picGraph = nullptr;
    QGroupBox* fraScenarios = nullptr;
    std::array<QCheckBox*, CalibrationScenarioCount> chkScenario{};
    QCheckBox* chkHydraulic = nullptr;
    ScrollBar* hscYears = nullptr;
    QLabel* lblYear = nullptr;
    PictureButton* sscChangeView = nullptr;
    QComboBox* comBegin = nullptr;
    QComboBox* comEnd = nullptr;
    PictureButton* sscView = nullptr;
    PictureButton* sscPrintView = nullptr;
    PictureButton* sscOK = nullptr;
    PictureButton* sscHelp = nullptr;
    QLabel* lblX = nullptr;
    QLabel* lblY = nullptr;
    QLabel* lblKs = nullptr;
    QLabel* lblFlowrate = nullptr;
    QLabel* lblPumping = nullptr;

    // The frame the last drawing left for the read-out.
    const PlotFrame& plotFrame() const { return frame_; }

    void DrawRoughnessProfilePlot();
    // The print button's job: the page of the graph as it stands.
    PrintJob PrintViewJob();

    void chkHydraulic_Click();
    void hscYears_Change();
    void sscChangeView_Click();
    void sscView_Click();
    void sscPrintView_Click();
    void sscOK_Click();
    void sscHelp_Click();
    void picGraph_MouseMove(int button, int shift, double x, double y);
    void picGraph_MouseDown(int button, int shift, double x, double y);

  private:
    // The header texts of the input the picture was last drawn from.
    PageHeaderTexts drawnHeader_;
    // Whether the opening's SI conversion knew every unit of the project.
    bool unitsKnown_ = false;
    // Whether the last drawing's hydraulics were solved: without, no figure
    // shows or prints.
    bool solved_ = false;
    void BuildControls();
    void BuildSideControls();
    void Form_Load();
    void PrintPage(PageRun& run, ReportPrinter& printer);

    AppContext& ctx;
    PlotFrame frame_;
};

} // namespace vemora
