// The results window: what an analysis run computed, on three pages. The
// hydraulic page shows the profile graph of one year with its section lists,
// legends, node table and duty points; the system page the demand and
// capacity or the income and expenditure graph with its table; the cost page
// the capital and annual cost tables, the present values and the IRR.
//
// The window computes nothing: it fills its tables from the stores as they
// stand when a control is used, hands printing to the print copy loop and
// opens the IRR and input windows through the registry.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "app/WindowRegistry.h"
#include "graphs/PlotFrame.h"
#include "results/ResultsRefresh.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace vemora {

struct AppContext;
class FlexGrid;
class PictureBox;
class PictureButton;
class ScrollBar;
class TabControl;

// The nodes of the profile section chosen in the distance lists.
struct ProfileSection
{
    int begin = 0; // node number 1..PlotNodeCount
    int end = 0;
};

class frmResults : public QWidget, public ResultsWindow, public ResultsDisplay
{
    Q_OBJECT
  public:
    explicit frmResults(AppContext& ctx, QWidget* parent = nullptr);

    AppContext& ctx;

    // --- ResultsWindow and ResultsDisplay ------------------------------------
    QWidget* widget() override { return this; }
    void Refresh(AnalysisObserver& progress) override;
    void SetResultLabels(const ResultLabels& labels) override;
    void SetDutyPointButtonVisible(bool visible) override;
    void HideDutyFrame() override;
    // Both cost tables from the stores; the annual amounts are those of the
    // year hsbAnnual shows.
    void ShowCostTables() override;
    // The section lists from the profile, the whole profile selected, both
    // drawing switches on and their check boxes ticked.
    void FillDistanceCombos() override;
    void DrawHydraulicProfile() override;
    void DrawDemandCapacityGraph() override;
    void PrintProfilePlot(PageRun& run, ReportPrinter& printer) override;

    // --- Drawings and the duty-point page ------------------------------------
    void DrawIncomeExpenditureGraph();
    void DrawPumpSystemCurves();
    void FillDutyPointTable();

    // --- Result tables ----------------------------------------------------
    void FillDemandYieldTable();
    void FillIncomeExpenditureTable();
    void FillHydraulicProfileTable();

    // The nodes chosen in comBegin and comEnd; nothing, after "Select distance
    // values from the list !", when the profile has fewer than two nodes or a
    // list has no selection.
    std::optional<ProfileSection> SelectedSection();

    // --- Window -------------------------------------------------------------
    TabControl* sstResults = nullptr;
    PictureButton* sscInput = nullptr;

    // --- Page "Hydraulic analysis" --------------------------------------------
    QGroupBox* fraPlot = nullptr;
    PictureBox* picHydraulic = nullptr;
    PlotFrame picHydraulicFrame; // left by the profile drawing for the read-out
    ScrollBar* hscYears = nullptr;
    QLabel* lblYear = nullptr;
    PictureButton* sscChangeView = nullptr;
    QCheckBox* chkGradeline = nullptr;
    QCheckBox* chkComponents = nullptr;
    QLabel* lblX = nullptr;
    QLabel* lblY = nullptr;
    QLabel* lblMaxFlow = nullptr;
    QLabel* lblPumping = nullptr;
    QGroupBox* Frame1 = nullptr;
    QComboBox* comBegin = nullptr;
    QComboBox* comEnd = nullptr;
    PictureButton* sscView = nullptr;
    PictureButton* sscPrintView = nullptr;
    QGroupBox* fraNew = nullptr;
    QLabel* imgPipelineWater = nullptr;
    QLabel* imgGradeline = nullptr;
    PictureButton* sscComponents = nullptr;
    QGroupBox* fraComponents = nullptr;
    std::array<QLabel*, 6> imgCP{}; // legend symbols 1..5
    PictureButton* sscHide = nullptr;
    PictureButton* sscViewHydraulicTable = nullptr;
    PictureButton* sscDutypoint = nullptr;
    PictureButton* sscHelp1 = nullptr;

    QGroupBox* fraTable = nullptr;
    FlexGrid* msgHydraulic = nullptr;
    QLabel* lblYear1 = nullptr;
    PictureButton* sscHideHydraulicTable = nullptr;

    QGroupBox* fraDuty = nullptr;
    FlexGrid* msgDuty = nullptr;
    PictureBox* picDuty = nullptr;
    PlotFrame picDutyFrame; // left by the pump and system curve drawing
    ScrollBar* hscDuty = nullptr;
    QLabel* lblDutyYear = nullptr;
    PictureButton* sscHideDuty = nullptr;
    PictureButton* sscPrintDutyYear = nullptr;

    // Printed pages only: the legend of the node symbols and the picture holder.
    QGroupBox* Frame4 = nullptr;
    QLabel* picPrintView = nullptr;

    // --- Page "System analysis" -----------------------------------------------
    PictureBox* picSystem = nullptr;
    PlotFrame picSystemFrame; // the system graphs keep no read-out; for symmetry
    QGroupBox* Frame2 = nullptr;
    QRadioButton* ssoDemandCapacity = nullptr;
    QRadioButton* ssoIncomeExpenditure = nullptr;
    PictureButton* sscViewTable = nullptr;
    PictureButton* sscPrintSystem = nullptr;
    PictureButton* sscHelp2 = nullptr;
    QGroupBox* fraViewTable = nullptr;
    FlexGrid* msgSystem = nullptr;
    PictureButton* sscHideTable = nullptr;

    QGroupBox* fraDemandLegend = nullptr;
    QLabel* Image6 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* lblDemand = nullptr;
    QLabel* Image7 = nullptr;
    QLabel* lblYield = nullptr;

    QGroupBox* fraIncomeLegend = nullptr;
    std::array<QLabel*, 6> Shape{}; // Shape1..Shape5
    QLabel* lblIncome = nullptr;
    QLabel* lblCapitalExpenditure = nullptr;
    QLabel* lblMaintenance = nullptr;
    QLabel* lblOperational = nullptr;
    QLabel* lblEnergy = nullptr;

    // --- Page "Cost analysis" -------------------------------------------------
    QLabel* Label10 = nullptr;
    FlexGrid* msgCost = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label17 = nullptr;
    ScrollBar* hsbAnnual = nullptr;
    QLabel* lblAnnual = nullptr;
    FlexGrid* msgAnnualCost = nullptr;
    PictureButton* sscHelp3 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* lblDesignLife = nullptr;
    QLabel* lblNPVE = nullptr;
    QLabel* lblNPVI = nullptr;
    QLabel* lblIRR = nullptr;
    PictureButton* sscIRR = nullptr;

    // --- Events -------------------------------------------------------------
    void Form_Load();
    void sscInput_Click();
    void sscChangeView_Click();
    void sscView_Click();
    void chkComponents_Click();
    void chkGradeline_Click();
    void hscYears_Change();
    void sscComponents_Click();
    void sscHide_Click();
    void sscViewHydraulicTable_Click();
    void sscHideHydraulicTable_Click();
    void sscDutypoint_Click();
    void sscHideDuty_Click();
    void hscDuty_Change();
    void ssoDemandCapacity_Click();
    void ssoIncomeExpenditure_Click();
    void sscViewTable_Click();
    void sscHideTable_Click();
    void sscIRR_Click();
    void sscPrintDutyYear_Click();
    void sscPrintSystem_Click();
    void sscPrintView_Click();
    void sscHelp1_Click();
    void sscHelp2_Click();
    void sscHelp3_Click();
    void picHydraulic_MouseMove(int button, int shift, double x, double y);
    void picHydraulic_MouseDown(int button, int shift, double x, double y);
    void picSystem_MouseDown(int button, int shift, double x, double y);
    void hsbAnnual_Change();

  private:
    QWidget* BuildHydraulicPage();
    void BuildPlotArea(QWidget* page);
    void BuildNodeTableFrame(QWidget* page);
    void BuildDutyFrame(QWidget* page);
    void BuildPrintLegend(QWidget* page);
    QWidget* BuildSystemPage();
    void BuildSystemLegends(QWidget* page);
    QWidget* BuildCostPage();
    void ConnectHandlers();

    // A message of the profile drawing ("Vemora ERROR !", exclamation icon).
    void ShowProfileMessage(const char* text);
    // Moves an entry of the income legend to a top given inside the frame.
    void PlaceIncomeLegendEntry(QWidget* entry, int top);
    // Empties the profile picture, its captions, its frame and its read-out.
    void ClearProfile();
    // The profile drawn again with the hourglass up.
    void RedrawProfile();
    // The capital cost build-up, filled; the annual cost table's layout and
    // captions, without its amounts.
    void FillCapitalCostTable();
    void LayOutAnnualCostTable();
    // The amounts of `year` in the annual cost table and its year label.
    void ShowAnnualAmounts(int year);
    // A right click on a graph copies its picture.
    void CopyGraph(PictureBox* picture, int button);
};

} // namespace vemora
