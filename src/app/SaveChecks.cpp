#include "app/SaveChecks.h"

#include <initializer_list>
#include <vector>

#include "app/AppContext.h"
#include "app/InputFields.h"
#include "platform/NumberText.h"
#include "project/ProjectOptions.h"
#include "project/SystemType.h"
#include "project/TextCodec.h"

namespace vemora {

namespace {

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

    // Whether the save copies the row for the project's system type and
    // the lining chosen.
    bool Copied(const InputField& f) const { return CopiedBySave(f, gravity_, mortarLining_); }

    // The rows in their order, up to the first refusal.
    bool Rows(std::initializer_list<InputBox> boxes)
    {
        for (InputBox box : boxes)
            if (!Row(box)) return false;
        return true;
    }

    // What the quiet checks refused, in their order.
    const std::vector<QString>& refusals() const { return refusals_; }

    // One row: the box must not be empty, a number box must hold a number,
    // and more than zero where its row asks for it.
    bool Row(InputBox box, int index = 0)
    {
        const InputField& f = FieldOf(box);
        if (!Copied(f)) return true;
        const QString text = w_.BoxText(box, index).trimmed();
        if (text.isEmpty()) return Refuse(box, index, QString::fromUtf8(f.emptyMessage));
        if (f.kind != FieldKind::Number) return true;
        float value = 0;
        if (!WholeTextNumber(text, value)) return Refuse(box, index, NotANumber(f, index));
        if (f.positive && !(value > 0))
            return Refuse(box, index, QString::fromUtf8(f.emptyMessage));
        return true;
    }

    // A box the copy converts without a row of its own: empty or a number.
    bool Convertible(const FieldBox& b)
    {
        const QString text = w_.BoxText(b.field->box, b.index).trimmed();
        float value = 0;
        if (text.isEmpty() || WholeTextNumber(text, value)) return true;
        return Refuse(b.field->box, b.index, NotANumber(*b.field, b.index));
    }

    // The save gives an empty description one blank; the quiet checks change
    // nothing (the copy trims it to the same empty text).
    void BlankEmptyDescription()
    {
        if (mode_ == CheckMode::Aloud &&
            TrimBlanks(w_.BoxText(InputBox::txtDescription).toStdString()).empty())
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
    static QString NotANumber(const InputField& f, int index)
    {
        return QStringLiteral("Enter a number for the %1 !").arg(NumberName(f, index));
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

    const CheckMode mode_;
    AppContext* ctx_ = nullptr; // aloud only: the message's window
    InputWindow& w_;
    ProjectStore& into_;
    const bool gravity_ = !IsPumping(into_);
    const bool mortarLining_ = w_.Options().mortarLining;
    std::vector<QString> refusals_;
};

// The rows of the checks in their order. A row that the save does not copy
// for the project's system type and lining (its table's use) is skipped.
bool DemandChecks(Checks& c, const ProjectStore& s)
{
    if (HasVaryingDemand(s))
        return c.Grid(IsPumping(s) ? InputGrid::PumpDemand : InputGrid::Demand);
    return c.Rows({InputBox::txtGFlowrate, InputBox::txtPFlowrate});
}

bool PumpChecks(Checks& c, const ProjectStore& s)
{
    if (!HasPumpCurve(s))
        return c.Rows({InputBox::txtPumpOperatingFlowrate, InputBox::txtPumpEfficiency});
    for (int k = 0; k < PumpCurvePoints; ++k)
        if (!c.Row(InputBox::txtH, k) || !c.Row(InputBox::txtQ, k) ||
            !c.Row(InputBox::txtEfficiency, k))
            return false;
    return true;
}

// Every row in its order, on the options coded in `s`.
bool RunChecks(Checks& c, const ProjectStore& s)
{
    using enum InputBox;
    if (!c.Rows({txtProject, txtDesigner})) return false;
    c.BlankEmptyDescription();

    if (!DemandChecks(c, s) || !c.Rows({txtTRWL, txtBRWL, txtPPRWL, txtPERWL}) || !PumpChecks(c, s))
        return false;
    if (!c.Rows({txtKsNew, txtKsOld, txtKsOldYears, txtLiningThickness})) return false;
    if (!c.Grid(InputGrid::Profile) || !c.Grid(InputGrid::Laying)) return false;

    if (!c.Rows({txtSPeak, txtSStandard, txtSOffpeak, txtWPeak, txtWStandard, txtWOffpeak}))
        return false;
    if (!c.Rows({txtEscalation, txtDiscountRate, txtWaterSales, txtWaterIncrease, txtElectrical,
                 txtMechanical, txtSupervision, txtEnergyEscalation}))
        return false;
    if (!c.Grid(InputGrid::Staff) || !c.Grid(InputGrid::OtherOperational)) return false;

    for (const FieldBox& b : EveryBox())
        if (b.field->kind == FieldKind::Number && c.Copied(*b.field) && !c.Convertible(b))
            return false;
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
    return RunChecks(c, ctx.store);
}

std::vector<QString> ListSaveRefusals(InputWindow& w, ProjectStore& into)
{
    Checks c(w, into);
    RunChecks(c, into);
    return c.refusals();
}

} // namespace vemora
