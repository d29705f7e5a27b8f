// The input window: every input of a project on four pages, with the unit
// list beside each value, the option frames of a gravity or pumping project,
// the pump-curve and laying panels, the tariff hour patterns and the six grids.
//
// The window shows the data store (ShowProject, called by the load) and keeps
// what the user types until the next save reads it back; only the six scroll
// bars of the first and fourth page and the laying panel's save write the
// store at once. An edit of anything a save would write discards the
// analysis results (DiscardResults).
#pragma once

#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/WindowRegistry.h"
#include "project/ProjectStore.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTimer;

namespace vemora {

struct AppContext;
struct ProjectStore;
class FlexGrid;
class GridCellEditor;
class TextBox;
class ScrollBar;
class DatePicker;
class FieldBehaviours;
class PictureButton;
class TabControl;

class frmLCC : public QWidget, public InputWindow
{
    Q_OBJECT
  public:
    explicit frmLCC(AppContext& ctx, QWidget* parent = nullptr);

    AppContext& ctx;

    // --- What the program-level procedures use (InputWindow) ---------------
    QWidget* widget() override { return this; }
    void ShowFileName(const QString& text) override;
    // The load's steps after the system-type view, in their order.
    void ShowProject() override;
    void RefreshCurrencyLabels() override;
    void RelabelCurrencyAndUnits() override;
    // The save's view of the window.
    QString FileNameText() const override;
    QString BoxText(InputBox box, int index = 0) const override;
    void SetBoxText(InputBox box, int index, const QString& text) override;
    void FocusBox(InputBox box, int index = 0) override;
    int UnitCode(int list) const override;
    void SetUnitCode(int list, int code) override;
    ChosenOptions Options() const override;
    InputSnapshot Snapshot() const override;
    void CopyFieldsToStore(ProjectStore& into) override;

    // --- Window ---------------------------------------------------------
    TabControl* sstInput = nullptr;
    QTimer* tmrCurrency = nullptr;

    // --- Page "General Data" ----------------------------------------------
    QLabel* lblFileName = nullptr;
    QLineEdit* txtProject = nullptr;
    QLineEdit* txtDesigner = nullptr;
    QPlainTextEdit* txtDescription = nullptr;
    DatePicker* dtpDate = nullptr;
    ScrollBar* hscLife = nullptr;
    ScrollBar* hscBaseYear = nullptr;
    ScrollBar* hscSupplyStart = nullptr;
    QLabel* lblLife = nullptr;
    QLabel* lblBaseYear = nullptr;
    QLabel* lblSupplyStart = nullptr;

    QGroupBox* fraGravityOption = nullptr;
    QRadioButton* optGSpecifiedFlowrate = nullptr;
    QRadioButton* optGCalculatedFlowrate = nullptr;
    QGroupBox* fraGravityFlowrate = nullptr;
    QLabel* Label52 = nullptr;
    QLineEdit* txtGFlowrate = nullptr;
    QComboBox* comGFlowrateUnits = nullptr;
    QGroupBox* fraVaryingDemand = nullptr;
    QLabel* Label53 = nullptr;
    QComboBox* comVaryingDemandUnits = nullptr;
    FlexGrid* msgDemand = nullptr;
    TextBox* txtDemand = nullptr;
    QGroupBox* fraGravityReservoirs = nullptr;
    QLineEdit* txtTRWL = nullptr;
    QComboBox* comTRWLUnits = nullptr;
    QLineEdit* txtBRWL = nullptr;
    QComboBox* comBRWLUnits = nullptr;

    QGroupBox* fraPumpOption = nullptr;
    QRadioButton* optPumpFixed = nullptr;
    QRadioButton* optPumpVarying = nullptr;
    QGroupBox* FraPumpFixedDemand = nullptr;
    QLineEdit* txtPFlowrate = nullptr;
    QComboBox* comPFlowrateUnits = nullptr;
    QGroupBox* fraPumpVaryingDemand = nullptr;
    QComboBox* comPumpVaryingDemandUnits = nullptr;
    FlexGrid* msgPumpDemand = nullptr;
    TextBox* txtPumpDemand = nullptr;
    QGroupBox* fraPumpReservoir = nullptr;
    QLineEdit* txtPPRWL = nullptr;
    QComboBox* comPPRWLUnits = nullptr;
    QLineEdit* txtPERWL = nullptr;
    QComboBox* comPERWLUnits = nullptr;
    QGroupBox* FraPumpingOption = nullptr;
    QRadioButton* optFlowrate = nullptr;
    QRadioButton* optPumpDetails = nullptr;
    QGroupBox* fraPumpingFlowrate = nullptr;
    QLineEdit* txtPumpOperatingFlowrate = nullptr;
    QComboBox* comPumpOperatingFlowrateUnits = nullptr;
    QLineEdit* txtPumpEfficiency = nullptr;
    QGroupBox* fraPumpcurve = nullptr;
    PictureButton* sscPumpcurve = nullptr;

    // Pump-curve panel
    QGroupBox* fraPumpDetails = nullptr;
    std::array<QLineEdit*, 6> txtH{};
    std::array<QLineEdit*, 6> txtQ{};
    std::array<QLineEdit*, 6> txtEfficiency{};
    QComboBox* comHeadUnits = nullptr;
    QComboBox* comFlowUnits = nullptr;
    QLineEdit* txtPumptype = nullptr;
    QLineEdit* txtPumpDescription = nullptr;
    PictureButton* sscViewCurve = nullptr;
    PictureButton* sscOK = nullptr;
    PictureButton* sscHelp = nullptr;

    // --- Page "Profile Data" ----------------------------------------------
    FlexGrid* msgProfile = nullptr;
    TextBox* txtCell = nullptr;
    QComboBox* comNode = nullptr;
    QGroupBox* Frame3 = nullptr;
    PictureButton* sscViewProfile = nullptr;
    PictureButton* sscDelete = nullptr;
    PictureButton* sscAdd = nullptr;
    QGroupBox* Frame4 = nullptr;
    QComboBox* comDiameterUnits = nullptr;
    QComboBox* comWallThicknessUnits = nullptr;
    QComboBox* comElevationUnits = nullptr;
    QComboBox* comLengthUnits = nullptr;
    QGroupBox* fraReservoir = nullptr;
    QRadioButton* optEpoxy = nullptr;
    QRadioButton* optMortar = nullptr;
    QLabel* Label51 = nullptr;
    QLineEdit* txtLiningThickness = nullptr;
    QComboBox* comLiningThicknessUnits = nullptr;
    QLineEdit* txtKsNew = nullptr;
    QComboBox* comKsNewUnits = nullptr;
    QLineEdit* txtKsOld = nullptr;
    QComboBox* comKsOldUnits = nullptr;
    QLineEdit* txtKsOldYears = nullptr;
    PictureButton* sscLaying = nullptr;
    PictureButton* sscHelp1 = nullptr;

    // Laying panel
    QGroupBox* fraLaying = nullptr;
    FlexGrid* msgLaying = nullptr;
    TextBox* txtLaying = nullptr;
    QLabel* imgLaying = nullptr;
    PictureButton* sscHideLaying = nullptr;
    PictureButton* sscCancelLaying = nullptr;

    // --- Page "Energy Data" -----------------------------------------------
    ScrollBar* fsbPumpingHours = nullptr;
    QLabel* lblPumpingHours = nullptr;
    QGroupBox* fraSummer = nullptr;
    ScrollBar* fsbSummer = nullptr;
    QLabel* lblSummer = nullptr;
    QLineEdit* txtSPeak = nullptr;
    QLineEdit* txtSStandard = nullptr;
    QLineEdit* txtSOffpeak = nullptr;
    std::array<QLabel*, 24> lblSummerHour{};
    QGroupBox* fraWinter = nullptr;
    QLineEdit* txtWPeak = nullptr;
    QLineEdit* txtWStandard = nullptr;
    QLineEdit* txtWOffpeak = nullptr;
    std::array<QLabel*, 24> lblWinterHour{};
    std::array<QLabel*, 6> lblUnit{}; // currency of the six tariff rates
    PictureButton* sscHelp3 = nullptr;

    // --- Page "Rates and Sales" -------------------------------------------
    QLineEdit* txtDiscountRate = nullptr;
    QLineEdit* txtEscalation = nullptr;
    QLabel* lblEnergyEscalation = nullptr;
    QLineEdit* txtEnergyEscalation = nullptr;
    QLabel* lblEnergyEscalation1 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLineEdit* txtMechanical = nullptr;
    PictureButton* sscMechanical = nullptr;
    QLineEdit* txtElectrical = nullptr;
    PictureButton* sscElectrical = nullptr;
    std::array<QGroupBox*, 3> Frame1{}; // (0) operational cost, (2) maintenance cost
    ScrollBar* hscMPipeline = nullptr;
    ScrollBar* hscMMechanical = nullptr;
    ScrollBar* hscMElectrical = nullptr;
    QLabel* lblMPipeline = nullptr;
    QLabel* lblMMechanical = nullptr;
    QLabel* lblMElectrical = nullptr;
    FlexGrid* msgOperational = nullptr;
    TextBox* txtCellOperational = nullptr;
    FlexGrid* msgOtherOperational = nullptr;
    TextBox* txtCellOtherOperational = nullptr;
    QGroupBox* fraIncome = nullptr;
    QLineEdit* txtWaterSales = nullptr;
    QComboBox* comWaterSalesUnits = nullptr;
    QLineEdit* txtWaterIncrease = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtSupervision = nullptr;
    std::array<QLabel*, 4> lblCurrency{}; // mechanical, electrical, water sales, supervision
    PictureButton* sscHelp2 = nullptr;

    // --- Showing the store (the load's window half) --------------------------
    // Steps in the load's order; each guards its codes and ranges, so any
    // stored value can be shown.
    // Tabs, frames hidden, system label, escalation; New turns to the first page.
    void ShowSystemTypeView(bool firstPage) override;
    // The boxes show through their table (ShowBoxes).
    void ShowHeaderFields();    // date, year scroll bars
    void ShowPumpingView();     // pumping frames, options, unit lists, tariff hours
    void ShowGravityView();     // gravity frames, option, unit lists, demand table
    void ShowProfileFields();   // lining option, roughness and profile unit lists
    void ShowRatesFields();     // maintenance scroll bars, water tariff unit
    void ShowCurrencySymbols(); // "R" or "$" on the ten currency labels

    // Grid fills from the store.
    void FillDemandGrid();
    void FillPumpDemandGrid();
    void FillProfileGrid() override;
    void ClosePumpCurvePanel() override { sscOK_Click(); }
    void FillLayingGrid();
    void FillStaffGrid();
    void FillOtherOperationalGrid();
    // Grid read-backs into the store (the save's, see InputWindow).
    bool ReadGrid(InputGrid grid, std::optional<QuietRead> quiet = std::nullopt) override;
    // Rebuilds the demand table of the project's own system type for a new
    // design life, keeping the texts of rows that remain.
    void RebuildDemandTable();

    // --- In-place editing of the six grids ---------------------------------
    GridCellEditor* cellsProfile = nullptr;
    GridCellEditor* cellsLaying = nullptr;
    GridCellEditor* cellsOperational = nullptr;
    GridCellEditor* cellsOtherOperational = nullptr;
    GridCellEditor* cellsDemand = nullptr;
    GridCellEditor* cellsPumpDemand = nullptr;

    // The profile grid's current cell when the node-type list was opened.
    int16_t GridRow = 0;
    int16_t GridCol = 0;
    // Shows the node-type list over the current cell when it is a
    // description cell (and hides it elsewhere).
    void ShowNodeTypeList();
    // Offers the ten node types while the list serves a description cell.
    void FillNodeTypeCombo();
    // Writes the chosen node type into the description cell.
    void SetNodeTypeFromCombo();

    // --- Profile rows (also reached from the main window's row menu) --------
    // The two that add a row also read the profile back into the store and
    // return whether both happened; the deletes return whether a row went.
    bool AppendProfileRow() override;
    bool InsertProfileRowBefore() override;
    bool DeleteCurrentProfileRow() override;
    bool DeleteLastProfileRow() override;

    // Tariff colours of an hour label, as colour numbers.
    static uint32_t HourColour(const QLabel* label);
    static void SetHourColour(QLabel* label, uint32_t colour);

    // --- Event handlers ---------------------------------------------------
    void Form_Load();

    void hscLife_Change();
    void hscBaseYear_Change();
    void hscSupplyStart_Change();
    void hscMPipeline_Change();
    void hscMMechanical_Change();
    void hscMElectrical_Change();
    void fsbPumpingHours_Change();
    void fsbSummer_Change();

    void optGSpecifiedFlowrate_Click();
    void optGCalculatedFlowrate_Click();
    void optPumpFixed_Click();
    void optPumpVarying_Click();
    void optFlowrate_Click();
    void optPumpDetails_Click();
    void optEpoxy_Click();
    void optMortar_Click();

    void sscPumpcurve_Click();
    void sscViewCurve_Click();
    void sscViewProfile_Click();
    void sscOK_Click();
    void sscLaying_Click();
    void sscHideLaying_Click();
    void sscCancelLaying_Click();
    void sscHelp_Click();
    void sscHelp1_Click();
    void sscHelp2_Click();
    void sscHelp3_Click();
    void sscMechanical_Click();
    void sscElectrical_Click();

    void msgProfile_EnterCell();
    void msgProfile_Click();
    void msgProfile_MouseDown(int button, int shift, int x, int y);
    void msgProfile_KeyDown(int& keyCode, int shift);
    void msgProfile_KeyUp(int& keyCode, int shift);
    void msgProfile_LostFocus();
    void msgProfile_Scroll();
    void msgProfile_DblClick();
    void msgLaying_DblClick();
    void msgOperational_DblClick();
    void msgOtherOperational_DblClick();
    void txtCell_KeyDown(int& keyCode, int shift);
    void comNode_Click();
    void sscAdd_Click();
    void sscDelete_Click();

    void lblSummerHour_Click(int index);
    void lblWinterHour_Click(int index);
    void tmrCurrency_Timer();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    // The laying panel's size: it covers the profile page's frames and
    // buttons up to the page's right column edge.
    static constexpr int LayingPanelWidth = 9840;
    static constexpr int LayingPanelHeight = 5898;

    // The save's copy into the store of what is not a box (the boxes and unit
    // lists copy through their table): the date and scroll bars, the lining
    // option and a pumping project's hours.
    void CopyDateAndBars(ProjectStore& s) const;
    void CopyEnergyFields(ProjectStore& s) const;

    // Page builders
    QWidget* BuildGeneralPage();
    void BuildHeaderFields(QWidget* page);
    void BuildGravityFrames(QWidget* page);
    void BuildPumpingFrames(QWidget* page);
    void BuildPumpOptionFrames(QWidget* page);
    void BuildPumpDemandFrames(QWidget* page);
    void BuildPumpReservoirFrame(QWidget* page);
    void BuildPumpFlowFrames(QWidget* page);
    void BuildPumpDetailsPanel(QWidget* page);
    QWidget* BuildProfilePage();
    void BuildProfileGrid(QWidget* page);
    void BuildProfileUnitsFrame(QWidget* page);
    void BuildProfileButtons(QWidget* page);
    void BuildLiningFrame(QWidget* page);
    void BuildLayingPanel(QWidget* page);
    QWidget* BuildEnergyPage();
    void BuildSeasonFrame(QGroupBox* frame, bool summer);
    QWidget* BuildRatesPage();
    void BuildRateFields(QWidget* page);
    void BuildCapitalCostFrame(QWidget* page);
    void BuildMaintenanceFrame(QWidget* page);
    void BuildIncomeFrame(QWidget* page);
    void BuildConsultingFrame(QWidget* page);
    void BuildOperationalFrame(QWidget* page);
    void ConnectHandlers();
    // Finds the boxes and unit lists of the table of boxes by name; every
    // edit of one discards the results.
    void FindBoxes();
    void ConnectBoxes();
    void BuildCellEditing();
    void ConnectGridHandlers();

    // The widget of a box (a pump-curve point's index kept within 0..5).
    QWidget* Box(InputBox box, int index) const;
    // Every box of the table: its widgets, by InputBox and index.
    std::array<std::vector<QWidget*>, InputBoxCount> boxes_{};
    std::vector<QComboBox*> unitLists_; // in the order of EveryUnitList
    void ShowHelpTopic(int topic);
    void ShowLayingPanel();

    // Read-back helpers: each table into a store, aloud (quiet null) or
    // quietly; the whole-text cells of a table; the message and focus for a
    // cell that is not a number, or for any refused cell.
    bool ReadProfileInto(ProjectStore& into, QString* quiet);
    bool ReadYearDemand(GridCellEditor* editing, ProjectStore& into, QString* quiet);
    bool ReadLayingInto(ProjectStore& into, QString* quiet);
    bool ReadStaffInto(ProjectStore& into, QString* quiet);
    bool ReadOtherOperationalInto(ProjectStore& into, QString* quiet);
    std::optional<std::vector<float>> ReadWholeCells(GridCellEditor* editing, const QString& table,
                                                     const std::vector<QPoint>& cells,
                                                     QString* quiet);
    void RefuseCell(GridCellEditor* editing, const QString& table, int row, int col,
                    QString* quiet);
    void ShowRefusedCell(GridCellEditor* editing, int row, int col, const QString& message,
                         QString* quiet);
    // Brings a control into sight for the focus: the window up, the page that
    // holds it current, the laying or pump-curve panel that holds it open.
    void BringUp(QWidget* control);

    // Row editing helpers.
    bool RoomForAnotherRow();
    bool ConfirmRowDeletion(int row);
    void RemoveProfileRow(int row);

    // The laying rates the panel was last filled with: its Cancel puts them
    // back into the store and the grid.
    Array1<float, 14> layingAsFilled_{};

    // Enter went down in the profile grid or its editor and is not yet up.
    bool enterDown_ = false;
    bool OverBareWindow(const QMouseEvent* e) const;

    // Hints, the numeric key filter and the wheel guard of the fields.
    FieldBehaviours* fields_ = nullptr;
};

} // namespace vemora
