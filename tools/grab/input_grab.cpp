// The input window's four pages of a gravity and a pumping project and its
// two panels; the import wizard's three steps.
#include <QApplication>
#include <QRadioButton>

#include "GrabFolder.h"
#include "input/ImportWizardFixture.h"
#include "input/InputWindowFixture.h"
#include "platform/PictureButton.h"
#include "platform/TabControl.h"
#include "support/UserInput.h"

namespace vemora::test {

using Input = InputWindowTest;
using Import = ImportWizardTest;

TEST_F(Input, PagesOfBothSystemTypesAndThePanels)
{
    const QString dir = GrabFolder(QStringLiteral("input"));
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

TEST_F(Import, TheThreeSteps)
{
    const QString dir = GrabFolder(QStringLiteral("import"));
    scripted.setClipboardText(ThreeRows);
    Run([&dir](frmImport& d) {
        for (int i = 0; i < 7; ++i)
            d.tmrWizard_Timer();
        d.grab().save(dir + "/import-step1.png");
        ClickOn(d.sscNext);
        ClickOn(d.sscPaste);
        for (int i = 0; i < 12; ++i)
            d.tmrPaste_Timer();
        d.grab().save(dir + "/import-step2.png");
        ClickOn(d.sscNext);
        d.grab().save(dir + "/import-step3.png");
    });
}

} // namespace vemora::test
