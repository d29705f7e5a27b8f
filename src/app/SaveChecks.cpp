#include "app/SaveChecks.h"

#include <vector>

#include "app/AppContext.h"
#include "platform/NumberText.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"

namespace vemora {

namespace {

// How a box's text must read.
enum class Need { Text, Number, Positive };

// What a number box holds, named for the message that refuses its text.
struct NumberBox
{
    InputBox box;
    int index;
    const char* name;
};

// How the checks meet a refusal.
enum class CheckMode {
    Aloud,   // the save: the first refusal says so, puts the focus on its box and stops them
    Quietly, // the list: every refusal is listed and the checks go on
};

// The rows of the checks, on the store `into` (the project's own aloud).
class Checks
{
  public:
    Checks(AppContext& ctx, InputWindow& window)
        : mode_(CheckMode::Aloud), ctx_(&ctx), w_(window), into_(ctx.store)
    {
    }
    Checks(InputWindow& window, ProjectStore& into)
        : mode_(CheckMode::Quietly), w_(window), into_(into)
    {
    }

    // What the quiet checks refused, in their order.
    const std::vector<QString>& refusals() const { return refusals_; }

    // One row: the box must not be empty, and must read as `need` asks.
    bool Row(InputBox box, const char* message, Need need = Need::Number, int index = 0)
    {
        const QString text = w_.BoxText(box, index).trimmed();
        if (text.isEmpty()) return Refuse(box, index, QString::fromUtf8(message));
        if (need == Need::Text) return true;
        float value = 0;
        if (!WholeTextNumber(text, value)) return Refuse(box, index, NotANumber(box, index));
        if (need == Need::Positive && !(value > 0))
            return Refuse(box, index, QString::fromUtf8(message));
        return true;
    }

    // A box the copy converts without a row of its own: empty or a number.
    bool Convertible(const NumberBox& b)
    {
        const QString text = w_.BoxText(b.box, b.index).trimmed();
        float value = 0;
        if (text.isEmpty() || WholeTextNumber(text, value)) return true;
        return Refuse(b.box, b.index, NotANumber(b.box, b.index));
    }

    // The save gives an empty description one blank; the quiet checks change
    // nothing (the copy trims it to the same empty text).
    void BlankEmptyDescription()
    {
        if (mode_ == CheckMode::Aloud && w_.BoxText(InputBox::txtDescription).trimmed().isEmpty())
            w_.SetBoxText(InputBox::txtDescription, 0, QStringLiteral(" "));
    }

    // A grid read back at its point of the checks.
    bool Grid(InputGrid grid)
    {
        if (mode_ == CheckMode::Aloud) return w_.ReadGrid(grid);
        QString refused;
        if (!w_.ReadGrid(grid, QuietRead{into_, refused})) refusals_.push_back(refused);
        return true;
    }

  private:
    QString NotANumber(InputBox box, int index) const
    {
        return QStringLiteral("Enter a number for the %1 !").arg(BoxName(box, index));
    }

    bool Refuse(InputBox box, int index, const QString& message)
    {
        if (mode_ == CheckMode::Quietly) {
            refusals_.push_back(QStringLiteral("box %1.%2: %3")
                                    .arg(static_cast<int>(box))
                                    .arg(index)
                                    .arg(w_.BoxText(box, index)));
            return true;
        }
        // The field's window and page are up before the message shows over
        // them; the focus goes back to the field once it is read.
        w_.FocusBox(box, index);
        ctx_->ui.msgBox(message, MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Error !"),
                        ctx_->mainWindow().widget());
        w_.FocusBox(box, index);
        return false;
    }

    static QString BoxName(InputBox box, int index);

    const CheckMode mode_;
    AppContext* ctx_ = nullptr; // aloud only: the message's window
    InputWindow& w_;
    ProjectStore& into_;
    std::vector<QString> refusals_;
};

const std::vector<NumberBox>& NumberBoxes()
{
    static const std::vector<NumberBox> boxes = [] {
        std::vector<NumberBox> list = {
            {InputBox::txtGFlowrate, 0, "fixed demand"},
            {InputBox::txtTRWL, 0, "top reservoir water level"},
            {InputBox::txtBRWL, 0, "bottom reservoir water level"},
            {InputBox::txtPFlowrate, 0, "fixed demand"},
            {InputBox::txtPPRWL, 0, "pumpstation reservoir water level"},
            {InputBox::txtPERWL, 0, "end reservoir water level"},
            {InputBox::txtPumpOperatingFlowrate, 0, "operating flow rate"},
            {InputBox::txtPumpEfficiency, 0, "pump efficiency at the operating point"},
            {InputBox::txtLiningThickness, 0, "cement mortar lining thickness"},
            {InputBox::txtKsNew, 0, "absolute roughness of a new pipe"},
            {InputBox::txtKsOld, 0, "absolute roughness of an old pipe"},
            {InputBox::txtKsOldYears, 0, "number of years to deteriorate"},
            {InputBox::txtSPeak, 0, "peak summer demand rate"},
            {InputBox::txtSStandard, 0, "standard summer demand rate"},
            {InputBox::txtSOffpeak, 0, "off-peak summer demand rate"},
            {InputBox::txtWPeak, 0, "peak winter demand rate"},
            {InputBox::txtWStandard, 0, "standard winter demand rate"},
            {InputBox::txtWOffpeak, 0, "off-peak winter demand rate"},
            {InputBox::txtEscalation, 0, "escalation rate"},
            {InputBox::txtDiscountRate, 0, "discount rate"},
            {InputBox::txtEnergyEscalation, 0, "energy escalation rate"},
            {InputBox::txtWaterSales, 0, "current cost of water"},
            {InputBox::txtWaterIncrease, 0, "annual increase in water tariffs"},
            {InputBox::txtElectrical, 0, "electrical works cost"},
            {InputBox::txtMechanical, 0, "mechanical works cost"},
            {InputBox::txtSupervision, 0, "supervision cost"},
        };
        for (int k = 0; k < 6; ++k) {
            list.push_back({InputBox::txtH, k, "pump head"});
            list.push_back({InputBox::txtQ, k, "flow rate"});
            list.push_back({InputBox::txtEfficiency, k, "pump efficiency"});
        }
        return list;
    }();
    return boxes;
}

QString Checks::BoxName(InputBox box, int index)
{
    for (const NumberBox& b : NumberBoxes())
        if (b.box == box && b.index == index) {
            const QString name = QString::fromUtf8(b.name);
            const bool point =
                box == InputBox::txtH || box == InputBox::txtQ || box == InputBox::txtEfficiency;
            return point ? QStringLiteral("%1 of pump-curve point %2").arg(name).arg(index + 1)
                         : name;
        }
    return QStringLiteral("value");
}

// The boxes the copy converts for a system type and its options.
bool ConvertedBy(const NumberBox& b, bool gravity, const ChosenOptions& options)
{
    switch (b.box) {
    case InputBox::txtGFlowrate:
    case InputBox::txtTRWL:
    case InputBox::txtBRWL:
        return gravity;
    case InputBox::txtLiningThickness:
        return options.mortarLining;
    case InputBox::txtPFlowrate:
    case InputBox::txtPPRWL:
    case InputBox::txtPERWL:
    case InputBox::txtPumpOperatingFlowrate:
    case InputBox::txtPumpEfficiency:
    case InputBox::txtH:
    case InputBox::txtQ:
    case InputBox::txtEfficiency:
    case InputBox::txtSPeak:
    case InputBox::txtSStandard:
    case InputBox::txtSOffpeak:
    case InputBox::txtWPeak:
    case InputBox::txtWStandard:
    case InputBox::txtWOffpeak:
    case InputBox::txtEnergyEscalation:
        return !gravity;
    default:
        return true;
    }
}

bool PumpingChecks(Checks& c, const ProjectStore& s)
{
    if (!HasVaryingDemand(s)) {
        if (!c.Row(InputBox::txtPFlowrate, "Enter the fixed demand (must be greater than zero) !",
                   Need::Positive))
            return false;
    } else if (!c.Grid(InputGrid::PumpDemand)) {
        return false;
    }
    if (!c.Row(InputBox::txtPPRWL, "Enter the pumpstation reservoir water level !")) return false;
    if (!c.Row(InputBox::txtPERWL, "Enter the end reservoir water level !")) return false;
    if (HasPumpCurve(s)) {
        for (int k = 0; k < 6; ++k)
            if (!c.Row(InputBox::txtH, "Enter the pump head !", Need::Number, k) ||
                !c.Row(InputBox::txtQ, "Enter the Flow rate !", Need::Number, k) ||
                !c.Row(InputBox::txtEfficiency, "Enter the pump efficiency !", Need::Number, k))
                return false;
        return true;
    }
    return c.Row(InputBox::txtPumpOperatingFlowrate,
                 "Enter the operating Flow rate (must be greater than zero) !", Need::Positive) &&
           c.Row(InputBox::txtPumpEfficiency,
                 "Enter the pump efficiency at the operating point(must be greater than zero) !",
                 Need::Positive);
}

bool GravityChecks(Checks& c, const ProjectStore& s)
{
    if (!HasVaryingDemand(s)) {
        if (!c.Row(InputBox::txtGFlowrate, "Enter the fixed demand (must be greater than zero) !",
                   Need::Positive))
            return false;
    } else if (!c.Grid(InputGrid::Demand)) {
        return false;
    }
    return c.Row(InputBox::txtTRWL, "Enter the top reservoir water level !") &&
           c.Row(InputBox::txtBRWL, "Enter the bottom reservoir water level !");
}

bool TariffChecks(Checks& c)
{
    return c.Row(InputBox::txtSPeak, "Enter the peak summer demand rate !") &&
           c.Row(InputBox::txtSStandard, "Enter the standard summer demand rate !") &&
           c.Row(InputBox::txtSOffpeak, "Enter the off-peak summer demand rate !") &&
           c.Row(InputBox::txtWPeak, "Enter the peak winter demand rate !") &&
           c.Row(InputBox::txtWStandard, "Enter the standard winter demand rate !") &&
           c.Row(InputBox::txtWOffpeak, "Enter the off-peak winter demand rate !");
}

bool RatesChecks(Checks& c, bool pumping)
{
    return c.Row(InputBox::txtEscalation, "Enter the estimated escalation rate !") &&
           c.Row(InputBox::txtDiscountRate, "Enter the estimated discount rate !") &&
           c.Row(InputBox::txtWaterSales, "Enter the current cost of water !") &&
           c.Row(InputBox::txtWaterIncrease, "Enter the annual increase in water tarriffs !") &&
           c.Row(InputBox::txtElectrical, "Enter the estimated electrical works cost !") &&
           c.Row(InputBox::txtMechanical, "Enter the estimated mechanical works cost !") &&
           c.Row(InputBox::txtSupervision, "Enter the estimated supervision cost !") &&
           (!pumping ||
            c.Row(InputBox::txtEnergyEscalation, "Enter the estimated energy escalation rate !"));
}

// Every row in its order, on the options coded in `s`.
bool RunChecks(Checks& c, InputWindow& w, const ProjectStore& s)
{
    const bool gravity = !IsPumping(s);
    const ChosenOptions options = w.Options();

    if (!c.Row(InputBox::txtProject, "Enter the project name !", Need::Text)) return false;
    if (!c.Row(InputBox::txtDesigner, "Enter the designer !", Need::Text)) return false;
    c.BlankEmptyDescription();

    if (!(gravity ? GravityChecks(c, s) : PumpingChecks(c, s))) return false;

    if (!c.Row(InputBox::txtKsNew, "Enter absolute roughness value of a new pipe !") ||
        !c.Row(InputBox::txtKsOld, "Enter absolute roughness value of an old pipe !") ||
        !c.Row(InputBox::txtKsOldYears,
               "Enter the number of years it will take the pipeline to deteriorate !"))
        return false;
    if (options.mortarLining &&
        !c.Row(InputBox::txtLiningThickness, "Enter cement mortar lining thickness !"))
        return false;
    if (!c.Grid(InputGrid::Profile) || !c.Grid(InputGrid::Laying)) return false;

    if (!gravity && !TariffChecks(c)) return false;
    if (!RatesChecks(c, !gravity)) return false;
    if (!c.Grid(InputGrid::Staff) || !c.Grid(InputGrid::OtherOperational)) return false;

    for (const NumberBox& b : NumberBoxes())
        if (ConvertedBy(b, gravity, options) && !c.Convertible(b)) return false;
    return true;
}

} // namespace

void StoreOptionCodes(ProjectStore& s, const ChosenOptions& chosen)
{
    s.DemandMode = chosen.varyingDemand ? DemandOption::Varying : DemandOption::Fixed;
    if (IsPumping(s))
        s.PumpCurveGiven =
            chosen.pumpCurve ? PumpingOption::PumpCurve : PumpingOption::OperatingFlowRate;
}

bool RunSaveChecks(AppContext& ctx, InputWindow& w)
{
    Checks c(ctx, w);
    return RunChecks(c, w, ctx.store);
}

std::vector<QString> ListSaveRefusals(InputWindow& w, ProjectStore& into)
{
    Checks c(w, into);
    RunChecks(c, w, into);
    return c.refusals();
}

} // namespace vemora
