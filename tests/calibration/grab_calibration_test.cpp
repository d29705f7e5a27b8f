// Not a check: renders the calibration window after a Calculate of two
// scenarios and its profile view, to PNG files for looking at. Run with
//   test_calibration --gtest_also_run_disabled_tests --gtest_filter='*Grab*'
// (files go to $VEMORA_GRAB_DIR, default /tmp/vemora-calibration).
#include <QApplication>
#include <QPrinter>

#include "CalibrationFixture.h"
#include "platform/PictureButton.h"
#include "platform/ScrollBar.h"
#include "platform/PrinterPageDevice.h"
#include "support/GrabDir.h"

namespace vemora::test {

TEST_F(CalibrationTest, DISABLED_GrabCalibration)
{
    const QString dir = GrabDir(QStringLiteral("/tmp/vemora-calibration"));
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
