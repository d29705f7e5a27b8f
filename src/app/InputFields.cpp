#include "app/InputFields.h"

#include <algorithm>
#include <array>

#include "app/WindowRegistry.h"
#include "platform/NumberText.h"
#include "project/ProjectStore.h"
#include "project/SystemType.h"
#include "project/TextCodec.h"
#include "project/UnitTables.h"

namespace vemora {

namespace {

using S = ProjectStore;
using enum FieldKind;
using enum FieldUse;

// Makers of a row, one per kind, named after the box (the row's name is its
// box's name). A number row takes its use, store field, the name its "Enter
// a number" message gives and the message for an empty box; the rows the
// checks skip have no message.
constexpr UnitColumn NoUnit{};

constexpr InputField NumberRow(InputBox box, const char* name, FieldUse use, float S::*field,
                               const char* numberName, const char* emptyMessage,
                               UnitColumn unit = NoUnit, bool positive = false)
{
    return {.box = box,
            .name = name,
            .use = use,
            .number = field,
            .numberName = numberName,
            .emptyMessage = emptyMessage,
            .positive = positive,
            .unit = unit};
}

// One row of the pump curve's six points: head, flow or efficiency, which
// the pages print from the store.
constexpr InputField CurveRow(InputBox box, const char* name, int curveRow, const char* numberName,
                              const char* emptyMessage, UnitColumn unit)
{
    InputField row = NumberRow(box, name, PumpCurve, nullptr, numberName, emptyMessage, unit);
    row.curveRow = curveRow;
    row.printed = PrintedAs::StoredValue;
    return row;
}

constexpr InputField TextRow(InputBox box, const char* name, FieldKind kind, FieldUse use,
                             std::string S::*field, const char* emptyMessage = nullptr)
{
    return {.box = box,
            .name = name,
            .kind = kind,
            .use = use,
            .text = field,
            .emptyMessage = emptyMessage,
            .printed = PrintedAs::StoredValue};
}

#define BOX(name) InputBox::name, #name
#define UNIT(name, entries, field)                                                                 \
    UnitColumn                                                                                     \
    {                                                                                              \
#name, &entries, &S::field                                                                 \
    }
#define POSITIVE true

// clang-format off
constexpr std::array<InputField, InputBoxCount> Fields = {{
    TextRow(BOX(txtProject), Text, Always, &S::ProjectName, "Enter the project name !"),
    TextRow(BOX(txtDesigner), Text, Always, &S::Designer, "Enter the designer !"),
    TextRow(BOX(txtDescription), Text, Always, &S::ProjectDescription),
    NumberRow(BOX(txtGFlowrate), Gravity, &S::FixedDemand, "fixed demand", "Enter the fixed demand (must be greater than zero) !", UNIT(comGFlowrateUnits, FlowUnits, FixedDemandUnit), POSITIVE),
    NumberRow(BOX(txtTRWL), Gravity, &S::StartReservoirLevel, "top reservoir water level", "Enter the top reservoir water level !", UNIT(comTRWLUnits, LengthUnits, StartReservoirLevelUnit)),
    NumberRow(BOX(txtBRWL), Gravity, &S::EndReservoirLevel, "bottom reservoir water level", "Enter the bottom reservoir water level !", UNIT(comBRWLUnits, LengthUnits, EndReservoirLevelUnit)),
    NumberRow(BOX(txtPFlowrate), Pumping, &S::FixedDemand, "fixed demand", "Enter the fixed demand (must be greater than zero) !", UNIT(comPFlowrateUnits, FlowUnits, FixedDemandUnit), POSITIVE),
    NumberRow(BOX(txtPPRWL), Pumping, &S::StartReservoirLevel, "pumpstation reservoir water level", "Enter the pumpstation reservoir water level !", UNIT(comPPRWLUnits, LengthUnits, StartReservoirLevelUnit)),
    NumberRow(BOX(txtPERWL), Pumping, &S::EndReservoirLevel, "end reservoir water level", "Enter the end reservoir water level !", UNIT(comPERWLUnits, LengthUnits, EndReservoirLevelUnit)),
    NumberRow(BOX(txtPumpOperatingFlowrate), Pumping, &S::OperatingFlowRate, "operating flow rate", "Enter the operating Flow rate (must be greater than zero) !", UNIT(comPumpOperatingFlowrateUnits, OperatingFlowUnits, OperatingFlowRateUnit), POSITIVE),
    NumberRow(BOX(txtPumpEfficiency), Pumping, &S::OperatingEfficiency, "pump efficiency at the operating point", "Enter the pump efficiency at the operating point(must be greater than zero) !", NoUnit, POSITIVE),
    CurveRow(BOX(txtH), 1, "pump head", "Enter the pump head !", UNIT(comHeadUnits, PumpHeadUnits, CurveHeadUnit)),
    CurveRow(BOX(txtQ), 2, "flow rate", "Enter the Flow rate !", UNIT(comFlowUnits, PumpCurveFlowUnits, CurveFlowUnit)),
    CurveRow(BOX(txtEfficiency), 3, "pump efficiency", "Enter the pump efficiency !", NoUnit),
    NumberRow(BOX(txtLiningThickness), MortarOrZero, &S::LiningThickness, "cement mortar lining thickness", "Enter cement mortar lining thickness !", UNIT(comLiningThicknessUnits, PipeDimensionUnits, LiningThicknessUnit)),
    NumberRow(BOX(txtKsNew), Always, &S::RoughnessNew, "absolute roughness of a new pipe", "Enter absolute roughness value of a new pipe !", UNIT(comKsNewUnits, PipeDimensionUnits, RoughnessNewUnit)),
    NumberRow(BOX(txtKsOld), Always, &S::RoughnessOld, "absolute roughness of an old pipe", "Enter absolute roughness value of an old pipe !", UNIT(comKsOldUnits, PipeDimensionUnits, RoughnessOldUnit)),
    NumberRow(BOX(txtKsOldYears), Always, &S::DeteriorationYears, "number of years to deteriorate", "Enter the number of years it will take the pipeline to deteriorate !"),
    NumberRow(BOX(txtSPeak), Pumping, &S::TariffSummerPeak, "peak summer demand rate", "Enter the peak summer demand rate !"),
    NumberRow(BOX(txtSStandard), Pumping, &S::TariffSummerStandard, "standard summer demand rate", "Enter the standard summer demand rate !"),
    NumberRow(BOX(txtSOffpeak), Pumping, &S::TariffSummerOffPeak, "off-peak summer demand rate", "Enter the off-peak summer demand rate !"),
    NumberRow(BOX(txtWPeak), Pumping, &S::TariffWinterPeak, "peak winter demand rate", "Enter the peak winter demand rate !"),
    NumberRow(BOX(txtWStandard), Pumping, &S::TariffWinterStandard, "standard winter demand rate", "Enter the standard winter demand rate !"),
    NumberRow(BOX(txtWOffpeak), Pumping, &S::TariffWinterOffPeak, "off-peak winter demand rate", "Enter the off-peak winter demand rate !"),
    NumberRow(BOX(txtEscalation), Always, &S::EscalationRate, "escalation rate", "Enter the estimated escalation rate !"),
    NumberRow(BOX(txtDiscountRate), Always, &S::DiscountRate, "discount rate", "Enter the estimated discount rate !"),
    NumberRow(BOX(txtEnergyEscalation), PumpingOrZero, &S::EnergyEscalationRate, "energy escalation rate", "Enter the estimated energy escalation rate !"),
    NumberRow(BOX(txtWaterSales), Always, &S::WaterPrice, "current cost of water", "Enter the current cost of water !", UNIT(comWaterSalesUnits, WaterSalesVolumeUnits, WaterPriceUnit)),
    NumberRow(BOX(txtWaterIncrease), Always, &S::WaterPriceIncrease, "annual increase in water tariffs", "Enter the annual increase in water tarriffs !"),
    NumberRow(BOX(txtElectrical), Always, &S::ElectricalWorksCost, "electrical works cost", "Enter the estimated electrical works cost !"),
    NumberRow(BOX(txtMechanical), Always, &S::MechanicalWorksCost, "mechanical works cost", "Enter the estimated mechanical works cost !"),
    NumberRow(BOX(txtSupervision), Always, &S::SupervisionFees, "supervision cost", "Enter the estimated supervision cost !"),
    TextRow(BOX(txtPumptype), KeptText, Pumping, &S::PumpType),
    TextRow(BOX(txtPumpDescription), KeptText, Pumping, &S::PumpDescription),
}};

// The grids' unit lists, in the order of GridUnit.
struct GridUnitField
{
    GridUnit grid;
    UnitColumn unit;
    FieldUse use;
};

constexpr std::array<GridUnitField, GridUnitCount> GridUnits = {{
    {GridUnit::VaryingDemand, UNIT(comVaryingDemandUnits, FlowUnits, YearDemandUnit), Gravity},
    {GridUnit::PumpVaryingDemand, UNIT(comPumpVaryingDemandUnits, FlowUnits, YearDemandUnit), Pumping},
    {GridUnit::Elevation, UNIT(comElevationUnits, LengthUnits, ElevationUnit), Always},
    {GridUnit::Length, UNIT(comLengthUnits, LengthUnits, ChainageUnit), Always},
    {GridUnit::Diameter, UNIT(comDiameterUnits, PipeDimensionUnits, DiameterUnit), Always},
    {GridUnit::WallThickness, UNIT(comWallThicknessUnits, PipeDimensionUnits, WallThicknessUnit), Always},
}};
// clang-format on

#undef BOX
#undef UNIT
#undef POSITIVE

// Each row sits at its box's place, so FieldOf is an index; each row has
// the store field its kind needs.
constexpr bool RowsInPlace()
{
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        const InputField& f = Fields[i];
        if (static_cast<std::size_t>(f.box) != i) return false;
        const bool number = f.kind == Number;
        if (number != (f.number != nullptr || f.curveRow != 0)) return false;
        if (!number && f.text == nullptr) return false;
        if (number && f.numberName == nullptr) return false;
    }
    for (std::size_t i = 0; i < GridUnits.size(); ++i)
        if (static_cast<std::size_t>(GridUnits[i].grid) != i) return false;
    return true;
}
static_assert(RowsInPlace(), "the table of boxes holds one whole row per box, in its order");

// A number box's field in the store (or a const store).
template <typename Store> auto& NumberField(const InputField& f, Store& s, int index)
{
    if (f.curveRow == 0) return s.*f.number;
    return s.PumpCurve[static_cast<std::size_t>(f.curveRow)][static_cast<std::size_t>(index + 1)];
}

QString ShownText(const InputField& f, const ProjectStore& s, int index)
{
    if (f.kind == Number) return SingleText(NumberField(f, s, index));
    return QString::fromStdString(TrimBlanks(s.*f.text));
}

void StoreText(const InputField& f, const QString& text, ProjectStore& s, int index)
{
    switch (f.kind) {
    case Number: {
        float value = 0;
        if (!WholeTextNumber(text, value)) value = 0;
        NumberField(f, s, index) = value;
        break;
    }
    case Text:
        s.*f.text = TrimBlanks(text.toStdString());
        break;
    case KeptText:
        s.*f.text = text.toStdString();
        break;
    }
}

} // namespace

std::span<const InputField> InputFields()
{
    return Fields;
}

const InputField& FieldOf(InputBox box)
{
    return Fields[static_cast<std::size_t>(box)];
}

const std::vector<FieldBox>& EveryBox()
{
    static const std::vector<FieldBox> boxes = [] {
        std::vector<FieldBox> list;
        for (const InputField& f : Fields)
            if (f.Count() == 1) list.push_back({&f, 0});
        for (int k = 0; k < PumpCurvePoints; ++k)
            for (const InputField& f : Fields)
                if (f.Count() > 1) list.push_back({&f, k});
        return list;
    }();
    return boxes;
}

const std::vector<UnitListRow>& EveryUnitList()
{
    static const std::vector<UnitListRow> lists = [] {
        std::vector<UnitListRow> list;
        for (const InputField& f : Fields)
            if (f.unit.name) list.push_back({&f.unit, f.use, f.box});
        for (const GridUnitField& g : GridUnits)
            list.push_back({&g.unit, g.use, std::nullopt, g.grid});
        return list;
    }();
    return lists;
}

bool CopiedBySave(const InputField& f, bool gravity, bool mortarLining)
{
    return CopiedBySave(f.use, gravity, mortarLining);
}

bool ShownByLoad(const InputField& f, bool gravity)
{
    return ShownByLoad(f.use, gravity);
}

bool CopiedBySave(FieldUse use, bool gravity, bool mortarLining)
{
    switch (use) {
    case Always:
        return true;
    case Gravity:
        return gravity;
    case Pumping:
    case PumpCurve:
    case PumpingOrZero:
        return !gravity;
    case MortarOrZero:
        return mortarLining;
    }
    return true;
}

bool ShownByLoad(FieldUse use, bool gravity)
{
    switch (use) {
    case Gravity:
        return gravity;
    case Pumping:
    case PumpingOrZero:
        return !gravity;
    case Always:
    case PumpCurve:
    case MortarOrZero:
        return true;
    }
    return true;
}

QString ControlName(const InputField& f, int index)
{
    const QString name = QString::fromLatin1(f.name);
    if (f.Count() == 1) return name;
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

QString NumberName(const InputField& f, int index)
{
    const QString name = QString::fromUtf8(f.numberName);
    if (f.Count() == 1) return name;
    return QStringLiteral("%1 of pump-curve point %2").arg(name).arg(index + 1);
}

void ShowBoxes(InputWindow& window, const ProjectStore& s)
{
    const bool gravity = !IsPumping(s);
    for (const FieldBox& b : EveryBox())
        if (ShownByLoad(*b.field, gravity))
            window.SetBoxText(b.field->box, b.index, ShownText(*b.field, s, b.index));
    const std::vector<UnitListRow>& lists = EveryUnitList();
    for (std::size_t i = 0; i < lists.size(); ++i)
        if (ShownByLoad(lists[i].use, gravity))
            window.SetUnitCode(static_cast<int>(i), s.*lists[i].unit->code);
}

void CopyBoxesToStore(const InputWindow& window, ProjectStore& s, bool mortarLining)
{
    const bool gravity = !IsPumping(s);
    for (const FieldBox& b : EveryBox()) {
        const InputField& f = *b.field;
        if (CopiedBySave(f, gravity, mortarLining))
            StoreText(f, window.BoxText(f.box, b.index), s, b.index);
        else if (f.use == PumpingOrZero || f.use == MortarOrZero)
            NumberField(f, s, b.index) = 0;
    }
    // A list that shows no entry stores its first code; an epoxy lining has
    // no thickness unit: it stores 0.
    const std::vector<UnitListRow>& lists = EveryUnitList();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const UnitListRow& list = lists[i];
        if (CopiedBySave(list.use, gravity, mortarLining))
            s.*list.unit->code =
                static_cast<int16_t>(std::max(window.UnitCode(static_cast<int>(i)), 0));
        else if (list.use == MortarOrZero)
            s.*list.unit->code = 0;
    }
}

} // namespace vemora
