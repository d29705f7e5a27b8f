#include "shell/StandInWindows.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/AppContext.h"

namespace vemora {

namespace {

// A child window with a caption and nothing else, for any working window.
template <typename Interface> class StandInWindow : public QWidget, public Interface
{
  public:
    StandInWindow(const char* name, const QString& caption)
    {
        setObjectName(QString::fromLatin1(name));
        setWindowTitle(caption);
        resize(480, 240);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(caption.trimmed(), this));
    }
    QWidget* widget() override { return this; }
};

class StandInResults : public StandInWindow<ResultsWindow>
{
  public:
    using StandInWindow::StandInWindow;
    void Refresh(AnalysisObserver& progress) override { progress.SetProgress(100); }
    void ShowCostTables() override {}
    void FillDistanceCombos() override {}
};

class StandInProfileView : public StandInWindow<ProfileViewWindow>
{
  public:
    using StandInWindow::StandInWindow;
    void DrawProfilePlot() override {}
};

class StandInPumpView : public StandInWindow<PumpViewWindow>
{
  public:
    using StandInWindow::StandInWindow;
    void DrawPumpCurveGraph() override {}
};

template <typename Window, typename Slot>
void StandInFor(AppContext& ctx, Slot& slot, const char* name, const char* caption)
{
    if (slot.Installed()) return;
    slot.Install([&ctx, name, caption] {
        auto* window = new Window(name, QString::fromLatin1(caption));
        window->hide();
        ctx.mainWindow().addWorkingWindow(window);
        return window;
    });
}

void StandInFor(AppContext& ctx, DialogSlot& slot, const char* name, const char* caption)
{
    if (slot.Installed()) return;
    slot.Install([&ctx, name, caption] {
        QDialog dialog(ctx.mainWindow().widget());
        dialog.setObjectName(QString::fromLatin1(name));
        dialog.setWindowTitle(QString::fromLatin1(caption));
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(QString::fromLatin1(caption).trimmed(), &dialog));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        layout->addWidget(buttons);
        return ctx.ui.execDialog(&dialog);
    });
}

} // namespace

void InstallStandIns(AppContext& ctx)
{
    WindowRegistry& w = ctx.windows;
    StandInFor<StandInResults>(ctx, w.results, "frmResults", "  RESULTS");
    StandInFor<StandInWindow<IrrViewWindow>>(ctx, w.irrView, "frmIRRView",
                                             "  INTERNAL RATE OF RETURN (IRR)");
    StandInFor<StandInProfileView>(ctx, w.profileView, "frmView", "  VIEW PROFILE");
    StandInFor<StandInPumpView>(ctx, w.pumpView, "frmPumpView", "  VIEW PUMP CURVE");
    StandInFor<StandInWindow<RoughnessWindow>>(ctx, w.roughness, "frmRoughness",
                                               "  ROUGHNESS CALCULATION");
    StandInFor<StandInWindow<RoughnessViewWindow>>(ctx, w.roughnessView, "frmViewRoughness",
                                                   "  VIEW PROFILE WITH ROUGHNESS VALUES");
    StandInFor(ctx, w.dutyPoint, "frmDutyPoint", "  PUMP & SYSTEM CURVES");
    StandInFor(ctx, w.print, "frmPrint", "  PRINT");
    StandInFor(ctx, w.converter, "frmConverter", "  Unit converter");
    StandInFor(ctx, w.importWizard, "frmImport", "  IMPORT PROFILE DATA WIZARD");
    StandInFor(ctx, w.preferences, "frmPref", "  USER PREFERENCES");
    StandInFor(ctx, w.about, "frmAbout", "  ABOUT THE PROGRAMS");
    StandInFor(ctx, w.disclaimer, "frmDisclaimer", "  DISCLAIMER");
    StandInFor(ctx, w.guide, "frmPDFView", "  STEP-BY-STEP LCCA GUIDE");
}

} // namespace vemora
