// The duty-point page: the duty flow, pumping head and efficiency of every
// operating year, and the pump and system curves of the year hscDuty shows.
#include <QLabel>
#include <algorithm>

#include "app/AppContext.h"
#include "engine/NumberFormat.h"
#include "graphs/PumpGraphs.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "project/ProjectYears.h"
#include "project/UnitTables.h"
#include "results/frmResults.h"

namespace vemora {

namespace {

QString UnitText(const UnitList& list, int code)
{
    const char* text = list.Text(code);
    return text ? QString::fromUtf8(text).trimmed() : QString();
}

void BoldCell(FlexGrid* g, int r, int c, const QString& text)
{
    g->setRow(r);
    g->setCol(c);
    g->setCellFontBold(true);
    g->setText(text);
}

// A value in the pump curve's unit; blank when the unit has no factor.
QString Converted(float value, float factor, int decimals)
{
    if (factor == 0) return QString();
    return QString::fromStdString(FormatFixed(value / factor, decimals));
}

} // namespace

void frmResults::FillDutyPointTable()
{
    const ProjectStore& s = ctx.store;
    const ResultsStore& r = ctx.results;
    const int years = std::clamp<int>(s.DesignLife, 1, MaxYears);
    FlexGrid* g = msgDuty;
    g->Clear();
    g->setFixedRows(2);
    g->setRows(years + 2);
    for (int row = 2; row < years + 2; ++row)
        g->setRowHeight(row, 350);
    g->setCols(4);
    const int widths[] = {950, 1150, 1150, 1050};
    for (int c = 0; c < 4; ++c) {
        g->setColAlignment(c, FlexAlign::CenterCenter);
        g->setColWidth(c, widths[c]);
    }
    g->setRowHeight(0, 600);
    g->setRowHeight(1, 300);

    BoldCell(g, 0, 0, QStringLiteral("Year"));
    BoldCell(g, 0, 1, QStringLiteral("Flow rate"));
    BoldCell(g, 0, 2, QStringLiteral("Pumping head"));
    BoldCell(g, 0, 3, QStringLiteral("Pump efficiency"));
    BoldCell(g, 1, 1, UnitText(PumpCurveFlowUnits, s.CurveFlowUnit));
    BoldCell(g, 1, 2, UnitText(PumpHeadUnits, s.CurveHeadUnit));
    BoldCell(g, 1, 3, QStringLiteral("%"));

    for (int y = 1; y <= years; ++y) {
        g->setTextMatrix(y + 1, 0, QString::number(OperatingCalendarYear(s, y)));
        g->setTextMatrix(y + 1, 1, Converted(r.YearDutyFlow[y], r.PumpFlowUnitFactor, 3));
        g->setTextMatrix(y + 1, 2, Converted(r.YearPumpHead[y], r.PumpHeadUnitFactor, 3));
        g->setTextMatrix(y + 1, 3, QString::fromStdString(FormatFixed(r.YearDutyEfficiency[y], 2)));
    }
    g->setCol(1);
    g->setRow(2);
    g->Refresh();

    ctx.results.DutyYear = 1;
    DrawPumpSystemCurves();
    // The bar's range first, so that setting the value cannot fall outside 1..design life.
    const QSignalBlocker quiet(hscDuty);
    hscDuty->setMin(1);
    hscDuty->setMax(years);
    hscDuty->setValue(1);
    lblDutyYear->setText(QStringLiteral("Year ") + QString::number(s.SupplyStartYear));
}

void frmResults::DrawPumpSystemCurves()
{
    vemora::DrawPumpSystemCurves(picDuty->surface(), picDutyFrame, ctx.store, ctx.results,
                                 ctx.results.DutyYear);
}

} // namespace vemora
