// The calibration window after a Calculate of two scenarios, its profile
// view and that view printed.
#include <QApplication>
#include <QPrinter>

#include "GrabFolder.h"
#include "app/PrintCopies.h"
#include "calibration/CalibrationFixture.h"
#include "platform/PrinterPageDevice.h"

namespace vemora::test {

using Calibration = CalibrationTest;

TEST_F(Calibration, TwoScenariosAndTheirView)
{
    const QString dir = GrabFolder(QStringLiteral("calibration"));
    frmRoughness* w = OpenCalibration();
    w->comPressureUnits->setCurrentIndex(15);
    Enter(w, {{"0.000", "100", "20"}, {"500.000", "95", "22.6"}, {"1250.000", "85", "27.5"}},
          "0.3");
    w->sscCalculate->click();
    w->hscScenario->setValue(2);
    w->comPressureUnits->setCurrentIndex(15);
    Enter(w, {{"0.000", "100", "20"}, {"1000.000", "90", "20"}, {"1250.000", "85", "22"}}, "0.5");
    w->sscCalculate->click();
    QApplication::processEvents();
    w->grab().save(dir + "/roughness.png");
    w->sscViewGraph->click();
    auto* v = static_cast<frmViewRoughness*>(ctx.windows.roughnessView.Get());
    QApplication::processEvents();
    v->grab().save(dir + "/view.png");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir + "/view.pdf");
    PrinterPageDevice device(printer);
    PrintCopiesOn(ctx, device, 1, v->PrintViewJob());
}

} // namespace vemora::test
