// Reading the six grids back into the store, as the save and the row
// operations do. A table goes into the store whole or not at all: a cell
// that holds text which is not a number as a whole stops its read-back with
// a message naming the table, the row and the column, and puts the focus on
// that cell.
#include <QGroupBox>
#include <QPoint>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "app/AppContext.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"
#include "platform/GridCellEditor.h"
#include "platform/NumberText.h"
#include "platform/TabControl.h"
#include "platform/Ui.h"
#include "project/NodeTypes.h"
#include "project/ProfileNodes.h"
#include "project/ProjectStore.h"

namespace vemora {

namespace {

// The whole-text rule of every table but the profile: an empty cell and a
// lone full stop read 0; any other text must be a number as a whole.
bool ReadWholeCell(const QString& text, float& value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String(".")) {
        value = 0;
        return true;
    }
    return WholeTextNumber(trimmed, value);
}

// The laying rows and the item of LayingCost each holds.
constexpr int LayingRows[] = {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15};
int LayingItemOfRow(int row)
{
    return row <= 8 ? row : row - 2;
}

} // namespace

// Reads the given cells by the whole-text rule; nothing when one is refused
// (after the message, or described in `quiet`).
std::optional<std::vector<float>> frmLCC::ReadWholeCells(GridCellEditor* editing,
                                                         const QString& table,
                                                         const std::vector<QPoint>& cells,
                                                         QString* quiet)
{
    const FlexGrid* grid = editing->grid();
    std::vector<float> values(cells.size(), 0.0f);
    for (size_t i = 0; i < cells.size(); ++i) {
        const QPoint& cell = cells[i];
        if (!ReadWholeCell(grid->TextMatrix(cell.y(), cell.x()), values[i])) {
            RefuseCell(editing, table, cell.y(), cell.x(), quiet);
            return std::nullopt;
        }
    }
    return values;
}

// Tells the user which cell is not a number and puts the focus on it.
// Quietly, only describes it.
void frmLCC::RefuseCell(GridCellEditor* editing, const QString& table, int row, int col,
                        QString* quiet)
{
    FlexGrid* grid = editing->grid();
    const QString text = grid->TextMatrix(row, col).trimmed();
    const QString label = grid->TextMatrix(row, 0).trimmed();
    bool numbered = false;
    label.toInt(&numbered);
    const QString rowName = numbered ? label : QStringLiteral("\"%1\"").arg(label);
    // The laying conditions have their own heading row.
    const int headingRow = grid == msgLaying && row > 10 ? 10 : 0;
    const QString column = grid->TextMatrix(headingRow, col).trimmed();
    ShowRefusedCell(editing, row, col,
                    QStringLiteral("The %1 table holds \"%2\" in row %3, column \"%4\": enter a "
                                   "number !")
                        .arg(table, text, rowName, column),
                    quiet);
}

// The window with the refused cell's page and panel up, the message over
// it, then the focus on that cell. Quietly, the message only goes into
// `quiet`.
void frmLCC::ShowRefusedCell(GridCellEditor* editing, int row, int col, const QString& message,
                             QString* quiet)
{
    if (quiet) {
        *quiet = message;
        return;
    }
    BringUp(editing->grid());
    ctx.ui.msgBox(message, MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Error !"),
                  ctx.mainWindow().widget());
    editing->FocusCell(row, col);
}

bool frmLCC::ReadGrid(InputGrid grid, std::optional<QuietRead> quiet)
{
    ProjectStore& into = quiet ? quiet->into : ctx.store;
    QString* refused = quiet ? &quiet->refused : nullptr;
    switch (grid) {
    case InputGrid::Profile:
        if (!ReadProfileInto(into, refused)) return false;
        // Aloud, the profile's current cell goes back to its first.
        if (!quiet) {
            msgProfile->setRow(1);
            msgProfile->setCol(1);
        }
        return true;
    case InputGrid::Demand:
        return ReadYearDemand(cellsDemand, into, refused);
    case InputGrid::PumpDemand:
        return ReadYearDemand(cellsPumpDemand, into, refused);
    case InputGrid::Laying:
        return ReadLayingInto(into, refused);
    case InputGrid::Staff:
        return ReadStaffInto(into, refused);
    case InputGrid::OtherOperational:
        return ReadOtherOperationalInto(into, refused);
    }
    return true;
}

// Profile: columns 1 to 6 by the whole-text rule, column 7 by the node type
// names, column 0 as the node number (its row where it is no number). The
// profile ends before the last rows whose elevation and accumulated length
// are both empty (the row Enter adds at the end, never filled in); those
// rows and every node past the grid's rows become empty nodes (999999). A
// row that holds 999999 in both is refused: the file would end the profile
// there and lose the rows after it.
bool frmLCC::ReadProfileInto(ProjectStore& s, QString* quiet)
{
    FlexGrid* g = msgProfile;
    const int rows = std::clamp(g->Rows() - 1, 0, MaxNodes);
    std::vector<QPoint> cells;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= 6; ++c)
            cells.emplace_back(c, r);
    const auto values = ReadWholeCells(cellsProfile, QStringLiteral("profile"), cells, quiet);
    if (!values) return false;
    const auto value = [&](int r, int c) {
        return (*values)[static_cast<size_t>(6 * (r - 1) + c - 1)];
    };

    int count = rows;
    while (count > 0 && g->TextMatrix(count, 1).trimmed().isEmpty() &&
           g->TextMatrix(count, 2).trimmed().isEmpty())
        --count;
    for (int r = 1; r <= count; ++r)
        if (IsEndOfProfileMark(value(r, 1), value(r, 2))) {
            ShowRefusedCell(cellsProfile, r, 1,
                            QStringLiteral("The profile table holds 999999 as both the elevation "
                                           "and the accumulated length in row %1, which a project "
                                           "file reads as the end of the profile: change one of "
                                           "them !")
                                .arg(r),
                            quiet);
            return false;
        }

    Array1<int16_t, MaxNodes> number{};
    Array1<int16_t, MaxNodes> type{};
    std::array<Array1<float, MaxNodes>, 6> columns{};
    for (int i = 1; i <= MaxNodes; ++i) {
        const auto n = static_cast<size_t>(i);
        number[n] = static_cast<int16_t>(i);
        for (int c = 1; c <= 6; ++c)
            columns[static_cast<size_t>(c - 1)][n] = i <= rows ? value(i, c) : 0.0f;
        if (i > count) columns[0][n] = columns[1][n] = UnusedNode;
    }
    for (int i = 1; i <= rows; ++i) {
        const auto n = static_cast<size_t>(i);
        float label = 0;
        if (WholeTextNumber(g->TextMatrix(i, 0), label) && std::fabs(label) <= 32767.0f)
            number[n] = static_cast<int16_t>(std::lround(label));
        type[n] = static_cast<int16_t>(NodeTypeCodeOf(g->TextMatrix(i, 7).toStdString()));
    }

    s.NodeCount = static_cast<int16_t>(count);
    s.NodeNumber = number;
    s.NodeElevation = columns[0];
    s.NodeAccumulatedLength = columns[1];
    s.PipeDiameter = columns[2];
    s.WallThickness = columns[3];
    s.PipeCostPerMetre = columns[4];
    s.SecondaryLoss = columns[5];
    s.NodeTypeCode = type;
    return true;
}

// Demand: rows 1 to the design life into YearDemand; every later year is 0.
bool frmLCC::ReadYearDemand(GridCellEditor* editing, ProjectStore& s, QString* quiet)
{
    const FlexGrid* grid = editing->grid();
    const int years = std::clamp<int>(s.DesignLife, 0, std::min(MaxYears, grid->Rows() - 1));
    std::vector<QPoint> cells;
    for (int r = 1; r <= years; ++r)
        cells.emplace_back(1, r);
    const auto values = ReadWholeCells(editing, QStringLiteral("demand"), cells, quiet);
    if (!values) return false;
    s.YearDemand.fill(0);
    for (int r = 1; r <= years; ++r)
        s.YearDemand[static_cast<size_t>(r)] = (*values)[static_cast<size_t>(r - 1)];
    return true;
}

// Laying rates (rows 1 to 8) and conditions (rows 11 to 15) into LayingCost
// 1 to 13; item 14 belongs to no row and is set to 0.
bool frmLCC::ReadLayingInto(ProjectStore& s, QString* quiet)
{
    std::vector<QPoint> cells;
    for (int r : LayingRows)
        cells.emplace_back(1, r);
    const auto values = ReadWholeCells(cellsLaying, QStringLiteral("laying"), cells, quiet);
    if (!values) return false;
    s.LayingCost.fill(0);
    for (size_t i = 0; i < cells.size(); ++i)
        s.LayingCost[static_cast<size_t>(LayingItemOfRow(cells[i].y()))] = (*values)[i];
    return true;
}

// Annual package (column 1) and percentage of time (column 2) of the eight
// staff categories.
bool frmLCC::ReadStaffInto(ProjectStore& s, QString* quiet)
{
    std::vector<QPoint> cells;
    for (int r = 1; r <= 8; ++r) {
        cells.emplace_back(1, r);
        cells.emplace_back(2, r);
    }
    const auto values = ReadWholeCells(cellsOperational, QStringLiteral("staff"), cells, quiet);
    if (!values) return false;
    for (size_t i = 0; i < cells.size(); ++i)
        s.StaffCost[static_cast<size_t>(cells[i].y())][static_cast<size_t>(cells[i].x())] =
            (*values)[i];
    return true;
}

// The five other expenses (column 1).
bool frmLCC::ReadOtherOperationalInto(ProjectStore& s, QString* quiet)
{
    std::vector<QPoint> cells;
    for (int r = 1; r <= 5; ++r)
        cells.emplace_back(1, r);
    const auto values =
        ReadWholeCells(cellsOtherOperational, QStringLiteral("other expenses"), cells, quiet);
    if (!values) return false;
    for (size_t i = 0; i < cells.size(); ++i)
        s.OtherExpenseAmount[static_cast<size_t>(cells[i].y())] = (*values)[i];
    return true;
}

} // namespace vemora
