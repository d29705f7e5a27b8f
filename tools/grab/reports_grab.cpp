// Printed pages: a saved pumping project with its general data, hydraulic
// table, cost summary and both system graphs, and the print selection window;
// every item of the print run for a gravity and a pumping project, each item
// on its own even where another fails.
#include <QFile>
#include <iostream>

#include "GrabFolder.h"
#include "app/PageRun.h"
#include "app/PrintFailure.h"
#include "printing/ReportsFixture.h"
#include "reports/ReportItems.h"
#include "reports/frmPrint.h"
#include "results/AnalysedProjects.h"

namespace vemora::test {

using Reports = ReportsTest;

TEST_F(Reports, PumpingProjectPagesAndThePrintWindow)
{
    const QString dir = GrabFolder(QStringLiteral("reports"));
    auto project = PumpingCurveProject();
    Open(*project);
    Analyse();
    QFile::remove(dir + "/pumping.kpj");
    QFile::copy(QString::fromStdString(path), dir + "/pumping.kpj");
    printYear = 1;
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

TEST_F(Reports, EveryItemOfAGravityAndAPumpingProject)
{
    const QString dir = GrabFolder(QStringLiteral("reports"));
    for (int type : {0, 1}) {
        auto project = type == 0 ? GravityCrestProject() : PumpingCurveProject();
        const QString name = type == 0 ? "gravity" : "pumping";
        Open(*project);
        Analyse();
        QPrinter qprinter(QPrinter::HighResolution);
        PrinterPageDevice::setUpPdf(qprinter, dir + "/" + name + "-every-item.pdf");
        PrinterPageDevice pdfDevice(qprinter);
        ReportPrinter printer(pdfDevice);
        PageRun run{HeaderTextsOf(ctx.store), 0, 1};
        for (const ReportItem& item : ReportItems()) {
            printer.setOrientation(PageOrientation::Portrait);
            try {
                item.print(ctx, run, printer);
            } catch (const PrintFailure& failure) {
                std::cerr << name.toStdString() << ", " << item.name << ": " << failure.what()
                          << "\n";
            }
        }
        EXPECT_TRUE(printer.EndDoc());
    }
}

} // namespace vemora::test
