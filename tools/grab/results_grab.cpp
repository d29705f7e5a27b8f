// The results window's three pages, with their tables open, after real
// analyses of a gravity project in Rand, a pumping project in Dollars, the
// same in US units and a gravity project of 100 years.
#include <QApplication>

#include "GrabFolder.h"
#include "app/AnalyseProject.h"
#include "results/AnalysedProjects.h"
#include "results/ResultsWindowFixture.h"

namespace vemora::test {

using Results = ResultsWindowTest;

TEST_F(Results, EveryPageOfFourProjects)
{
    const QString dir = GrabFolder(QStringLiteral("results"));
    main->setGeometry(0, 0, 800, 600);
    main->show();
    struct Case
    {
        const char* name;
        std::unique_ptr<ProjectStore> project;
    };
    Case cases[] = {{"gravity-rand", GravityCrestProject()},
                    {"pumping-dollar", PumpingCurveProject()},
                    {"pumping-us", UsPumpingProject()},
                    {"gravity-100-years", CenturyGravityProject()}};
    for (Case& c : cases) {
        ctx.store = *c.project;
        ctx.store.ProjectOpen = true;
        AnalysisObserver progress;
        ASSERT_EQ(AnalyseProject(ctx, progress).Status, AnalysisStatus::Completed);
        w = static_cast<frmResults*>(ctx.windows.results.Get()); // the run loaded a new one
        w->show();
        const auto grab = [&](const QString& what) {
            QApplication::processEvents();
            w->grab().save(QStringLiteral("%1/%2-%3.png").arg(dir, c.name, what));
        };
        w->sstResults->setTab(0);
        grab("hydraulic");
        w->sscComponents->click();
        grab("hydraulic-components");
        w->sscHide->click();
        w->sscViewHydraulicTable->click();
        grab("hydraulic-table");
        w->sscHideHydraulicTable->click();
        if (!w->sscDutypoint->isHidden()) {
            w->sscDutypoint->click();
            grab("duty");
            w->sscHideDuty->click();
        }
        w->sstResults->setTab(1);
        grab("system");
        w->sscViewTable->click();
        grab("system-demand-table");
        w->ssoIncomeExpenditure->click();
        w->sscViewTable->click();
        grab("system-income-table");
        w->sscHideTable->click();
        grab("system-income");
        w->ssoDemandCapacity->click();
        w->sstResults->setTab(2);
        w->hsbAnnual->setValue(7);
        grab("cost");
    }
}

} // namespace vemora::test
