// The roughness calibration window: up to eight flow scenarios, each with up
// to five pressure measuring points along the profile (accumulated length,
// elevation, measured pressure), its flow and its flow and pressure units.
// Calculate stores the scenario on screen and recomputes all eight; the
// results grid shows the scenario on screen. What is typed stays in the grid
// until Calculate; the stored scenarios live in ctx.calibration until
// another project takes the place of the current one.
#pragma once

#include <QWidget>
#include <cstdint>

#include "app/WindowRegistry.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace vemora {

struct AppContext;
class FlexGrid;
class GridCellEditor;
class PictureButton;
class ScrollBar;
class TextBox;

class frmRoughness : public QWidget, public RoughnessWindow
{
    Q_OBJECT

  public:
    explicit frmRoughness(AppContext& ctx, QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    static constexpr int HelpTopic = 3060;
    // Rows of the measurement grid; columns 1 to 5 are the measuring points.
    static constexpr int LengthRow = 1;
    static constexpr int ElevationRow = 2;
    static constexpr int PressureRow = 3;

    QLabel* Label6 = nullptr;
    QLabel* lblScenario1 = nullptr;
    QLabel* lblScenario = nullptr;
    ScrollBar* hscScenario = nullptr;
    QGroupBox* fraScenario = nullptr;
    TextBox* txtFlowrate = nullptr;
    QComboBox* comFlowrateUnits = nullptr;
    QComboBox* comPressureUnits = nullptr;
    FlexGrid* msgRoughness = nullptr;
    QComboBox* comAccLength = nullptr;
    TextBox* txtCell = nullptr;
    QGroupBox* fraResults = nullptr;
    FlexGrid* msgRoughnessResults = nullptr;
    PictureButton* sscCalculate = nullptr;
    PictureButton* sscViewGraph = nullptr;
    PictureButton* sscPrevious = nullptr;
    PictureButton* sscHelp = nullptr;

    // Fills the window from the stored data of the current scenario.
    void ShowRoughnessMeasurements();

    void hscScenario_Change();
    void msgRoughness_Click();
    void msgRoughness_LeaveCell();
    void comAccLength_Click();
    void sscCalculate_Click();
    void sscViewGraph_Click();
    void sscPrevious_Click();
    void sscHelp_Click();

  private:
    void BuildControls();
    void Form_Load();
    void LayOutMeasurementGrid();
    void LayOutResultsGrid();
    void ShowResults();
    // Reads the window into the current scenario; false (after a message
    // naming the box or cell) when a text is not a number.
    bool StoreScenario();
    void Refuse(const QString& what, const QString& text);

    AppContext& ctx;
    GridCellEditor* cells = nullptr;
    // The cell last clicked, which the choice list serves.
    int16_t GridRow = 0;
    int16_t GridCol = 0;
};

} // namespace vemora
