#include "app/InputFields.h"

#include <array>

#include "app/WindowRegistry.h"
#include "platform/NumberText.h"
#include "project/ProjectStore.h"
#include "project/SystemType.h"
#include "project/TextCodec.h"

namespace vemora {

namespace {

using S = ProjectStore;
using enum FieldKind;
using enum FieldUse;

constexpr std::array<InputField, InputBoxCount> Fields = {{
    {.box = InputBox::txtProject,
     .name = "txtProject",
     .kind = Text,
     .text = &S::ProjectName,
     .emptyMessage = "Enter the project name !"},
    {.box = InputBox::txtDesigner,
     .name = "txtDesigner",
     .kind = Text,
     .text = &S::Designer,
     .emptyMessage = "Enter the designer !"},
    {.box = InputBox::txtDescription,
     .name = "txtDescription",
     .kind = Text,
     .text = &S::ProjectDescription},
    {.box = InputBox::txtGFlowrate,
     .name = "txtGFlowrate",
     .use = Gravity,
     .number = &S::FixedDemand,
     .numberName = "fixed demand",
     .emptyMessage = "Enter the fixed demand (must be greater than zero) !",
     .positive = true},
    {.box = InputBox::txtTRWL,
     .name = "txtTRWL",
     .use = Gravity,
     .number = &S::StartReservoirLevel,
     .numberName = "top reservoir water level",
     .emptyMessage = "Enter the top reservoir water level !"},
    {.box = InputBox::txtBRWL,
     .name = "txtBRWL",
     .use = Gravity,
     .number = &S::EndReservoirLevel,
     .numberName = "bottom reservoir water level",
     .emptyMessage = "Enter the bottom reservoir water level !"},
    {.box = InputBox::txtPFlowrate,
     .name = "txtPFlowrate",
     .use = Pumping,
     .number = &S::FixedDemand,
     .numberName = "fixed demand",
     .emptyMessage = "Enter the fixed demand (must be greater than zero) !",
     .positive = true},
    {.box = InputBox::txtPPRWL,
     .name = "txtPPRWL",
     .use = Pumping,
     .number = &S::StartReservoirLevel,
     .numberName = "pumpstation reservoir water level",
     .emptyMessage = "Enter the pumpstation reservoir water level !"},
    {.box = InputBox::txtPERWL,
     .name = "txtPERWL",
     .use = Pumping,
     .number = &S::EndReservoirLevel,
     .numberName = "end reservoir water level",
     .emptyMessage = "Enter the end reservoir water level !"},
    {.box = InputBox::txtPumpOperatingFlowrate,
     .name = "txtPumpOperatingFlowrate",
     .use = Pumping,
     .number = &S::OperatingFlowRate,
     .numberName = "operating flow rate",
     .emptyMessage = "Enter the operating Flow rate (must be greater than zero) !",
     .positive = true},
    {.box = InputBox::txtPumpEfficiency,
     .name = "txtPumpEfficiency",
     .use = Pumping,
     .number = &S::OperatingEfficiency,
     .numberName = "pump efficiency at the operating point",
     .emptyMessage =
         "Enter the pump efficiency at the operating point(must be greater than zero) !",
     .positive = true},
    {.box = InputBox::txtH,
     .name = "txtH",
     .use = PumpCurve,
     .curveRow = 1,
     .numberName = "pump head",
     .emptyMessage = "Enter the pump head !"},
    {.box = InputBox::txtQ,
     .name = "txtQ",
     .use = PumpCurve,
     .curveRow = 2,
     .numberName = "flow rate",
     .emptyMessage = "Enter the Flow rate !"},
    {.box = InputBox::txtEfficiency,
     .name = "txtEfficiency",
     .use = PumpCurve,
     .curveRow = 3,
     .numberName = "pump efficiency",
     .emptyMessage = "Enter the pump efficiency !"},
    {.box = InputBox::txtLiningThickness,
     .name = "txtLiningThickness",
     .use = MortarOrZero,
     .number = &S::LiningThickness,
     .numberName = "cement mortar lining thickness",
     .emptyMessage = "Enter cement mortar lining thickness !"},
    {.box = InputBox::txtKsNew,
     .name = "txtKsNew",
     .number = &S::RoughnessNew,
     .numberName = "absolute roughness of a new pipe",
     .emptyMessage = "Enter absolute roughness value of a new pipe !"},
    {.box = InputBox::txtKsOld,
     .name = "txtKsOld",
     .number = &S::RoughnessOld,
     .numberName = "absolute roughness of an old pipe",
     .emptyMessage = "Enter absolute roughness value of an old pipe !"},
    {.box = InputBox::txtKsOldYears,
     .name = "txtKsOldYears",
     .number = &S::DeteriorationYears,
     .numberName = "number of years to deteriorate",
     .emptyMessage = "Enter the number of years it will take the pipeline to deteriorate !"},
    {.box = InputBox::txtSPeak,
     .name = "txtSPeak",
     .use = Pumping,
     .number = &S::TariffSummerPeak,
     .numberName = "peak summer demand rate",
     .emptyMessage = "Enter the peak summer demand rate !"},
    {.box = InputBox::txtSStandard,
     .name = "txtSStandard",
     .use = Pumping,
     .number = &S::TariffSummerStandard,
     .numberName = "standard summer demand rate",
     .emptyMessage = "Enter the standard summer demand rate !"},
    {.box = InputBox::txtSOffpeak,
     .name = "txtSOffpeak",
     .use = Pumping,
     .number = &S::TariffSummerOffPeak,
     .numberName = "off-peak summer demand rate",
     .emptyMessage = "Enter the off-peak summer demand rate !"},
    {.box = InputBox::txtWPeak,
     .name = "txtWPeak",
     .use = Pumping,
     .number = &S::TariffWinterPeak,
     .numberName = "peak winter demand rate",
     .emptyMessage = "Enter the peak winter demand rate !"},
    {.box = InputBox::txtWStandard,
     .name = "txtWStandard",
     .use = Pumping,
     .number = &S::TariffWinterStandard,
     .numberName = "standard winter demand rate",
     .emptyMessage = "Enter the standard winter demand rate !"},
    {.box = InputBox::txtWOffpeak,
     .name = "txtWOffpeak",
     .use = Pumping,
     .number = &S::TariffWinterOffPeak,
     .numberName = "off-peak winter demand rate",
     .emptyMessage = "Enter the off-peak winter demand rate !"},
    {.box = InputBox::txtEscalation,
     .name = "txtEscalation",
     .number = &S::EscalationRate,
     .numberName = "escalation rate",
     .emptyMessage = "Enter the estimated escalation rate !"},
    {.box = InputBox::txtDiscountRate,
     .name = "txtDiscountRate",
     .number = &S::DiscountRate,
     .numberName = "discount rate",
     .emptyMessage = "Enter the estimated discount rate !"},
    {.box = InputBox::txtEnergyEscalation,
     .name = "txtEnergyEscalation",
     .use = PumpingOrZero,
     .number = &S::EnergyEscalationRate,
     .numberName = "energy escalation rate",
     .emptyMessage = "Enter the estimated energy escalation rate !"},
    {.box = InputBox::txtWaterSales,
     .name = "txtWaterSales",
     .number = &S::WaterPrice,
     .numberName = "current cost of water",
     .emptyMessage = "Enter the current cost of water !"},
    {.box = InputBox::txtWaterIncrease,
     .name = "txtWaterIncrease",
     .number = &S::WaterPriceIncrease,
     .numberName = "annual increase in water tariffs",
     .emptyMessage = "Enter the annual increase in water tarriffs !"},
    {.box = InputBox::txtElectrical,
     .name = "txtElectrical",
     .number = &S::ElectricalWorksCost,
     .numberName = "electrical works cost",
     .emptyMessage = "Enter the estimated electrical works cost !"},
    {.box = InputBox::txtMechanical,
     .name = "txtMechanical",
     .number = &S::MechanicalWorksCost,
     .numberName = "mechanical works cost",
     .emptyMessage = "Enter the estimated mechanical works cost !"},
    {.box = InputBox::txtSupervision,
     .name = "txtSupervision",
     .number = &S::SupervisionFees,
     .numberName = "supervision cost",
     .emptyMessage = "Enter the estimated supervision cost !"},
    {.box = InputBox::txtPumptype,
     .name = "txtPumptype",
     .kind = KeptText,
     .use = Pumping,
     .text = &S::PumpType},
    {.box = InputBox::txtPumpDescription,
     .name = "txtPumpDescription",
     .kind = KeptText,
     .use = Pumping,
     .text = &S::PumpDescription},
}};

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

bool CopiedBySave(const InputField& f, bool gravity, bool mortarLining)
{
    switch (f.use) {
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

bool ShownByLoad(const InputField& f, bool gravity)
{
    switch (f.use) {
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
}

} // namespace vemora
