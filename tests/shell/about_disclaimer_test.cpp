// The About and Disclaimer dialogs over the input window, and the About
// box's search for a system-information program.
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "input/InputWindowFixture.h"
#include "platform/PictureButton.h"
#include "shell/InstallShellDialogs.h"
#include "shell/Startup.h"
#include "shell/SystemInfo.h"
#include "shell/frmAbout.h"
#include "shell/frmDisclaimer.h"

namespace vemora::test {
namespace {

class AboutDisclaimerTest : public InputWindowTest
{
  protected:
    void SetUp() override
    {
        InputWindowTest::SetUp();
        InstallShellDialogs(ctx);
    }
    template <typename Dialog> void exec(DialogSlot& slot, std::function<void(Dialog&)> work)
    {
        scripted.dialogHandlers.push_back([work](QDialog* d) { work(*static_cast<Dialog*>(d)); });
        slot.Exec();
    }
};

// Writes an executable (or plain) file into `dir`.
void writeProgram(const QString& dir, const QString& name, bool executable)
{
    QFile f(dir + QLatin1Char('/') + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(executable ? f.permissions() | QFileDevice::ExeOwner
                                : QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(AboutDisclaimerTest, AboutShowsTheVersionAndItsOkOrCloseBringsTheInputWindowBack)
{
    for (bool byCloseBox : {false, true}) {
        bool hidden = false;
        exec<frmAbout>(ctx.windows.about, [&](frmAbout& d) {
            hidden = w->isHidden();
            EXPECT_EQ(d.windowTitle(), "  ABOUT THE PROGRAMS");
            EXPECT_EQ(d.Label4->text(), "Vemora");
            EXPECT_EQ(d.lblVersion->text(), "Version: " + VersionNumber());
            EXPECT_FALSE(d.imgVEMORA->pixmap().isNull());
            EXPECT_EQ(d.sscSystemInfo->Caption(), "&System Info...");
            if (byCloseBox)
                d.close();
            else
                QTest::mouseClick(d.sscOK, Qt::LeftButton);
        });
        EXPECT_TRUE(hidden);
        EXPECT_FALSE(w->isHidden());
    }
}

TEST_F(AboutDisclaimerTest, SystemInfoStartsTheProgramFoundOrSaysItIsUnavailable)
{
    QStringList started;
    exec<frmAbout>(ctx.windows.about, [&](frmAbout& d) {
        d.startProgram = [&](const QString& p) {
            started << p;
            return true;
        };
        d.findSystemInfo = [] { return QStringLiteral("/opt/tools/hardinfo"); };
        QTest::mouseClick(d.sscSystemInfo, Qt::LeftButton);
        EXPECT_TRUE(scripted.messages.empty());

        d.findSystemInfo = [] { return FindSystemInfoProgram(QString()); }; // an empty PATH
        QTest::mouseClick(d.sscSystemInfo, Qt::LeftButton);
        d.findSystemInfo = [] { return QStringLiteral("/opt/tools/hardinfo"); };
        d.startProgram = [](const QString&) { return false; }; // found but will not start
        QTest::mouseClick(d.sscSystemInfo, Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(started, QStringList{"/opt/tools/hardinfo"});
    ASSERT_EQ(scripted.messages.size(), 2u);
    for (const auto& m : scripted.messages) {
        EXPECT_EQ(m.text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(m.buttons, MsgButtons::OK);
        EXPECT_EQ(m.icon, MsgIcon::None);
        EXPECT_EQ(m.title, "Vemora");
    }
}

TEST(SystemInfoSearch, FindsTheFirstKnownExecutableOnTheSearchPath)
{
    QTemporaryDir first, second;
    const QString path = first.path() + QDir::listSeparator() + second.path();
    EXPECT_EQ(FindSystemInfoProgram(path), "");
    writeProgram(first.path(), QStringLiteral("hardinfo"), false); // not executable
    EXPECT_EQ(FindSystemInfoProgram(path), "");
    writeProgram(second.path(), QStringLiteral("gnome-system-monitor"), true);
    EXPECT_EQ(FindSystemInfoProgram(path), second.path() + "/gnome-system-monitor");
    writeProgram(second.path(), QStringLiteral("hardinfo2"), true); // earlier in the list
    EXPECT_EQ(FindSystemInfoProgram(path), second.path() + "/hardinfo2");
    EXPECT_EQ(FindSystemInfoProgram(QString()), "");
    EXPECT_EQ(FindSystemInfoProgram(QString(QDir::listSeparator())), "");
}

TEST_F(AboutDisclaimerTest, DisclaimerPrintsItsLinesInsideTheDialogAndOkBringsTheInputWindowBack)
{
    bool hidden = false;
    exec<frmDisclaimer>(ctx.windows.disclaimer, [&](frmDisclaimer& d) {
        hidden = w->isHidden();
        EXPECT_EQ(d.windowTitle(), "  DISCLAIMER");
        EXPECT_FALSE(d.imgLCC->pixmap().isNull());
        const QStringList lines = frmDisclaimer::DisclaimerLines();
        ASSERT_EQ(lines.size(), 7);
        EXPECT_EQ(lines.back(),
                  "exercising their independent judgement regarding the proposed optimized "
                  "design.");
        // Every line fits the dialog's width, and the last ends above the
        // picture and the button.
        const QFontMetrics fm(d.font());
        const int left = (frmDisclaimer::PrintColumn - 1) * fm.averageCharWidth();
        for (const QString& line : lines)
            EXPECT_LE(left + fm.horizontalAdvance(line), d.width() - left) << line.toStdString();
        const int bottom = (frmDisclaimer::EmptyLinesBefore + 7) * fm.lineSpacing();
        EXPECT_LT(bottom, d.imgLCC->y());
        EXPECT_LT(bottom, d.sscOK->y());
        QTest::mouseClick(d.sscOK, Qt::LeftButton);
    });
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(w->isHidden());
}

} // namespace
} // namespace vemora::test
