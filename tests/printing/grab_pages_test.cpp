// Not run by default: saves a pumping project and its printed pages (general
// data, hydraulic table, cost summary, both system graphs) into the grab
// folder, to look at them as a client would and to print them elsewhere.
#include <QFile>

#include "ReportsFixture.h"
#include "reports/frmPrint.h"
#include "results/AnalysedProjects.h"
#include "support/GrabDir.h"

namespace vemora::test {
namespace {

TEST_F(ReportsTest, DISABLED_GrabPumpingProjectPages)
{
    const QString dir = GrabDir(QStringLiteral("/tmp/vemora-reports"));
    auto project = PumpingCurveProject();
    Open(*project);
    Analyse();
    QFile::remove(dir + "/pumping.kpj");
    QFile::copy(QString::fromStdString(path), dir + "/pumping.kpj");
    ctx.PrintYear = 1;
    const QString pdf = PrintPdf({ReportBox::General, ReportBox::TextHydraulic, ReportBox::Cost,
                                  ReportBox::Demand, ReportBox::Income});
    QFile::remove(dir + "/pumping.pdf");
    QFile::copy(pdf, dir + "/pumping.pdf");

    // The print selection window once its boxes are enabled.
    ui.dialogHandlers.push_back([dir](QDialog* d) {
        auto* w = static_cast<frmPrint*>(d);
        w->show();
        QTRY_VERIFY(!w->tmrCheck->isActive());
        w->chkGeneral->setChecked(true);
        w->chkCost->setChecked(true);
        w->grab().save(dir + "/frmPrint.png");
        w->reject();
    });
    ctx.windows.print.Exec();
}

} // namespace
} // namespace vemora::test
