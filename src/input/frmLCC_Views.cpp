// The input window's view buttons: the pump curve being entered, checked and
// stored before the pump-curve view draws it; the profile, saved first and
// shown in the profile view without a full analysis.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/PendingEdits.h"
#include "app/ProjectFiles.h"
#include "app/WorkingViews.h"
#include "engine/ConvertInputToSI.h"
#include "graphs/PumpGraphs.h"
#include "input/frmLCC.h"
#include "platform/Screen.h"
#include "project/StrictNumber.h"

namespace vemora {

namespace {

const QString PumpErrorTitle = QStringLiteral("Vemora : ERROR");

// The eighteen pump-curve values as typed: point k's head, flow and
// efficiency, or the message that refuses them.
struct PumpCurveEntry
{
    std::array<std::array<float, 3>, 6> values{};
    QString refusal;
    QString title = PumpErrorTitle;
};

PumpCurveEntry ReadPumpCurveBoxes(const std::array<QLineEdit*, 6>& heads,
                                  const std::array<QLineEdit*, 6>& flows,
                                  const std::array<QLineEdit*, 6>& efficiencies)
{
    static const char* names[] = {"pump head", "pump flowrate", "pump efficiency"};
    PumpCurveEntry entry;
    for (size_t k = 0; k < 6; ++k) {
        const std::array<QLineEdit*, 3> boxes = {heads[k], flows[k], efficiencies[k]};
        for (size_t f = 0; f < 3; ++f) {
            const QString text = boxes[f]->text().trimmed();
            float v = 0;
            if (text.isEmpty()) {
                entry.refusal = QStringLiteral(
                    "The pump curve data must be completed before it can be viewed.");
                return entry;
            }
            if (!ReadStrictNumber(text.toStdString(), v, MinusSign::Allowed)) {
                entry.refusal = QStringLiteral("The %1 of point %2 is not a number !")
                                    .arg(QString::fromLatin1(names[f]))
                                    .arg(k + 1);
                return entry;
            }
            entry.values[k][f] = v;
        }
        for (size_t f = 0; f < 3; ++f)
            if (entry.values[k][f] < 0) {
                entry.refusal = QStringLiteral(
                    "The pump curve data must be completed before it can be viewed.");
                return entry;
            }
    }
    bool anyPositive = false;
    for (const auto& point : entry.values)
        for (float v : point)
            anyPositive = anyPositive || v > 0;
    if (!anyPositive) {
        entry.refusal = QStringLiteral("All the pump data cannot be zero !");
        entry.title = QStringLiteral("Vemora : ERROR !");
    }
    return entry;
}

} // namespace

// Viewing the curve counts as an edit: the results go first.
void frmLCC::sscViewCurve_Click()
{
    DiscardResults(ctx);
    const PumpCurveEntry entry = ReadPumpCurveBoxes(txtH, txtQ, txtEfficiency);
    if (!entry.refusal.isEmpty()) {
        ctx.ui.msgBox(entry.refusal, MsgButtons::OK, MsgIcon::Exclamation, entry.title, this);
        return;
    }
    // Flows that do not rise would draw a loop: refused as the view refuses
    // a curve it cannot show, before anything is stored.
    Array1<float, 6> flows{};
    for (int k = 1; k <= 6; ++k)
        flows[static_cast<size_t>(k)] = entry.values[static_cast<size_t>(k - 1)][1];
    const QString order = PumpFlowRefusal(flows, comFlowUnits->currentIndex());
    if (!order.isEmpty()) {
        ctx.ui.msgBox(order, MsgButtons::OK, MsgIcon::Exclamation,
                      QString::fromUtf8(PumpCurveFailedTitle), this);
        return;
    }
    TakeInputOnScreen(ctx);
    for (int k = 1; k <= 6; ++k)
        for (int f = 1; f <= 3; ++f)
            ctx.store.PumpCurve[f][k] =
                entry.values[static_cast<size_t>(k - 1)][static_cast<size_t>(f - 1)];
    ctx.store.CurveHeadUnit = static_cast<int16_t>(comHeadUnits->currentIndex());
    ctx.store.CurveFlowUnit = static_cast<int16_t>(comFlowUnits->currentIndex());

    HideWorkingWindow(ctx, this);
    PumpViewWindow* view = ctx.windows.pumpView.Load();
    if (!view) {
        ShowWorkingWindow(ctx, this);
        return;
    }
    view->DrawPumpCurveGraph();
    if (PumpViewWindow* shown = ctx.windows.pumpView.Get()) placeAtWorkAreaCorner(shown->widget());
}

// Saves the project (a never-saved one through Save As, after saying why),
// then shows its profile in the profile view with the calibration menu item.
// A save that did not write ends the command; either way the results go,
// since the view solves the hydraulics on its own.
void frmLCC::sscViewProfile_Click()
{
    ctx.view.SelectedYear = 1;
    SaveOutcome outcome = SaveOutcome::Failed;
    if (!HasFileOfItsOwn(ctx)) {
        ctx.ui.msgBox(
            QStringLiteral("The project must first be saved before the profile can be viewed"),
            MsgButtons::OK, MsgIcon::Exclamation, QStringLiteral("Vemora"), this);
        outcome = SaveProjectAs(ctx);
    } else {
        outcome = SaveProject(ctx);
    }
    if (outcome != SaveOutcome::Saved) {
        DiscardResults(ctx);
        return;
    }
    ProfileViewWindow* view = ctx.windows.profileView.Load();
    if (view) {
        TakeInputOnScreen(ctx);
        ConvertInputToSI(ctx.store, ctx.results);
        HideWorkingWindow(ctx, this);
        view->ShowProfile();
        ctx.mainWindow().setRoughnessMenuVisible(true);
    }
    DiscardResults(ctx);
}

} // namespace vemora
