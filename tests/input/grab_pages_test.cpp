// Not a check: renders the input window's four pages of a gravity and a pumping project and
// the two panels to PNG files for looking at. Run with
//   test_input --gtest_also_run_disabled_tests --gtest_filter='*Grab*'
// (files go to $VEMORA_GRAB_DIR, default /tmp/vemora-input).
#include <QDir>
#include <QGroupBox>
#include <QRadioButton>

#include "InputWindowFixture.h"
#include "platform/TabControl.h"

namespace vemora::test {

TEST_F(InputWindowTest, DISABLED_GrabPages)
{
    const QString dir = qEnvironmentVariableIsSet("VEMORA_GRAB_DIR")
                            ? qEnvironmentVariable("VEMORA_GRAB_DIR")
                            : QStringLiteral("/tmp/vemora-input");
    QDir().mkpath(dir);
    main->show();
    main->setGeometry(0, 0, 800, 600); // the screen the window is laid out for
    // The main window is a stand-in here: the input window itself is grabbed.
    for (int type : {0, 1}) {
        NewOfType(type);
        for (int tab = 0; tab < 4; ++tab) {
            w->sstInput->setTab(tab);
            QApplication::processEvents();
            w->grab().save(QStringLiteral("%1/%2-page%3.png")
                               .arg(dir, type == 0 ? "gravity" : "pumping")
                               .arg(tab));
        }
    }
    w->sstInput->setTab(0);
    w->optPumpVarying->setChecked(true);
    w->optPumpDetails->setChecked(true);
    QApplication::processEvents();
    w->grab().save(dir + QStringLiteral("/pumping-varying-curve.png"));
    w->sscPumpcurve_Click();
    QApplication::processEvents();
    w->grab().save(dir + QStringLiteral("/panel-pumpcurve.png"));
    w->sscOK_Click();
    w->sstInput->setTab(1);
    w->sscLaying_Click();
    QApplication::processEvents();
    w->grab().save(dir + QStringLiteral("/panel-laying.png"));
    w->sscCancelLaying_Click();
}

} // namespace vemora::test
