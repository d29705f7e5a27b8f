// The preferences, About and Disclaimer dialogs over the input window.
#include <QApplication>

#include "GrabFolder.h"
#include "input/InputWindowFixture.h"
#include "shell/frmAbout.h"
#include "shell/frmDisclaimer.h"
#include "shell/frmPref.h"

namespace vemora::test {

using Dialogs = InputWindowTest;

TEST_F(Dialogs, PreferencesAboutAndDisclaimer)
{
    const QString dir = GrabFolder(QStringLiteral("dialogs"));
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
