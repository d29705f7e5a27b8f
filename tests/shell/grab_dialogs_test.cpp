// Not a check: renders the preferences, About, Disclaimer and guide dialogs
// to PNG files for looking at. Run with
//   test_shell --gtest_also_run_disabled_tests --gtest_filter='*Grab*'
// (files go to $VEMORA_GRAB_DIR, default /tmp/vemora-dialogs).
#include <QApplication>
#include <QPainter>
#include <QPdfWriter>

#include "input/InputWindowFixture.h"
#include "shell/frmAbout.h"
#include "shell/frmDisclaimer.h"
#include "shell/frmPDFView.h"
#include "shell/frmPref.h"
#include "support/GrabDir.h"

namespace vemora::test {

TEST_F(InputWindowTest, DISABLED_GrabShellDialogs)
{
    const QString dir = GrabDir(QStringLiteral("/tmp/vemora-dialogs"));
    const auto grab = [&](QDialog& d, const char* name) {
        d.show();
        QApplication::processEvents();
        d.grab().save(dir + QLatin1Char('/') + QLatin1String(name) + ".png");
        d.hide();
    };
    ctx.store.PrelimGeneralPercent = 12.346f;
    ctx.store.ContingencyPercent = 75;
    {
        frmPref d(ctx, main.get());
        grab(d, "preferences");
    }
    {
        frmAbout d(ctx, main.get());
        grab(d, "about");
    }
    {
        frmDisclaimer d(ctx, main.get());
        grab(d, "disclaimer");
    }
}

} // namespace vemora::test
