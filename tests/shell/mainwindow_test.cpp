// The main window: menus, toolbar, placement, status bar and its small
// mouse and focus behaviours.
#include <QAction>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "ShellFixture.h"
#include "platform/PictureButton.h"
#include "platform/StatusPanels.h"
#include "platform/Twips.h"

namespace vemora::test {
namespace {

// Captions of a menu's items in order; separators as "-", hidden items
// marked with a leading "(hidden)".
QStringList captions(const QList<QAction*>& actions)
{
    QStringList out;
    for (const QAction* a : actions) {
        QString c = a->isSeparator() ? QStringLiteral("-") : a->text();
        if (!a->isVisible()) c.prepend(QStringLiteral("(hidden)"));
        out << c;
    }
    return out;
}

QMenu* submenu(QMenuBar* bar, const QString& caption)
{
    for (QAction* a : bar->actions())
        if (a->text() == caption) return a->menu();
    return nullptr;
}

using MainWindowTest = ShellTest;

TEST_F(MainWindowTest, MenuBarCaptionsAndOrder)
{
    MDIProject& m = makeMain();
    QMenuBar* bar = m.menuBar();
    EXPECT_EQ(captions(bar->actions()),
              (QStringList{"&File", "(hidden)E&xit", "&Analyse", "(hidden)&Roughness calibration",
                           "&Preferences", "&Help"}));

    QMenu* file = submenu(bar, "&File");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(captions(file->actions()),
              (QStringList{"&New Project", "&Open Project", "&Save Project", "Save Project &As...",
                           "&Delete Project", "&Import && Export", "-", "Vie&w", "&Print Project",
                           "-", "E&xit"}));
    EXPECT_EQ(captions(m.munImportExport->actions()),
              (QStringList{"&Import Profile", "&Export results"}));
    EXPECT_FALSE(m.mnuExport->isEnabled());
    EXPECT_EQ(captions(m.mnuView->actions()), (QStringList{"&Input Data", "&Results"}));

    QMenu* help = submenu(bar, "&Help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(captions(help->actions()),
              (QStringList{"&Contents", "&Search For Help On...", "-", "Step-&by-Step LCCA guide",
                           "&Unit converter", "&Methodology", "&Disclaimer", "-", "&About"}));
    EXPECT_EQ(m.mnuContents->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainWindowTest, RowMenuIsKeptOffTheMenuBar)
{
    MDIProject& m = makeMain();
    EXPECT_FALSE(m.menuBar()->actions().contains(m.mnuFGridRows->menuAction()));
    EXPECT_EQ(
        captions(m.mnuFGridRows->actions()),
        (QStringList{"Add a row at the end of the profile", "Insert a row before the current row",
                     "Delete the last row of the profile", "Delete the current row"}));
}

TEST_F(MainWindowTest, ToolbarButtonsAndLabelsStandAtTheirPlaces)
{
    MDIProject& m = makeMain();
    EXPECT_FALSE(m.sspProject->isHidden());
    EXPECT_EQ(m.sspProject->height(), twipsToPixels(555));
    const int lefts[] = {60, 480, 900, 1320, 1740};
    const char* tips[] = {"Start a new project", "Open an existing project", "Save the project",
                          "Print the project", "Help"};
    PictureButton* buttons[] = {m.sscNew, m.sscOpen, m.sscSave, m.sscPrint, m.sscHelp};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buttons[i]->parentWidget(), m.sspProject);
        EXPECT_EQ(twipsGeometry(buttons[i]), QRect(lefts[i], 60, 375, 375)) << tips[i];
        EXPECT_EQ(buttons[i]->toolTip(), tips[i]);
        EXPECT_FALSE(buttons[i]->Picture().isNull()) << tips[i];
    }
    EXPECT_EQ(m.lblSystem->geometry(), QRect(twipsToPixels(2760), twipsToPixels(140),
                                             twipsToPixels(2775), twipsToPixels(315)));
    EXPECT_EQ(m.lblSystem->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_TRUE(m.lblProgessBar->isHidden());
    EXPECT_EQ(m.lblProgessBar->text(), "Opening project");
    EXPECT_EQ(m.lblProgessBar->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(m.proProgressBar->isHidden());
    EXPECT_EQ(twipsGeometry(m.proProgressBar).left(), 5520);
    EXPECT_TRUE(m.lblWelcome->isHidden());
    EXPECT_TRUE(m.picLogo->isHidden());
    EXPECT_FALSE(m.picLogo->pixmap().isNull());
}

TEST_F(MainWindowTest, CoversTheWholeScreenEvenWhenMaximised)
{
    ctx.screen.setSizeOverride(QSize(1024, 768));
    MDIProject& m = makeMain();
    EXPECT_TRUE(coversScreen(m, QSize(1024, 768)));
    m.setWindowState(Qt::WindowMaximized);
    m.show();
    ctx.screen.setSizeOverride(QSize(1280, 1024));
    m.MDIForm_Load();
    EXPECT_FALSE(m.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(coversScreen(m, QSize(1280, 1024)));
}

TEST_F(MainWindowTest, StatusBarPanels)
{
    MDIProject& m = makeMain();
    EXPECT_EQ(m.panelText(3), "Open a project or start a new project");
    EXPECT_FALSE(m.panelText(1).isEmpty()); // the time
    EXPECT_FALSE(m.panelText(2).isEmpty()); // the date
    EXPECT_FALSE(m.panelText(4).isEmpty());
    EXPECT_EQ(m.StatusBar->panel(4)->width(), twipsToPixels(StatusPanels::FixedPanelTwips));
    m.setPanelText(3, "hint");
    EXPECT_EQ(m.panelText(3), "hint");
}

TEST_F(MainWindowTest, StartsWithABlankGravityProjectInTheInputWindow)
{
    ctx.store.SystemType = 1;
    MDIProject& m = makeMain();
    EXPECT_EQ(ctx.store.SystemType, 0);
    EXPECT_TRUE(ctx.store.ProjectOpen);
    EXPECT_EQ(ctx.viewCode, WorkingView::Input);
    EXPECT_FALSE(input()->isHidden());
    m.show();
    ASSERT_TRUE(input()->isVisible());
    // The input window sits at the top-left corner of the client area.
    const QPoint corner = input()->parentWidget()->mapTo(m.mdiArea->viewport(), QPoint(0, 0));
    EXPECT_EQ(corner, QPoint(0, 0));
}

TEST_F(MainWindowTest, TheInputWindowsFrameFollowsTheWindow)
{
    MDIProject& m = makeMain();
    m.show();
    auto* frame = qobject_cast<QMdiSubWindow*>(input()->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(m.mdiArea->activeSubWindow(), frame);

    input()->hide();
    EXPECT_FALSE(frame->isVisible());
    input()->show();
    EXPECT_TRUE(frame->isVisible());

    // The frame keeps the window's size and stays in the corner.
    EXPECT_EQ(frame->size(), input()->size().grownBy(frame->contentsMargins()));
    EXPECT_EQ(frame->pos(), QPoint(0, 0));

    // Its close box only hides the window, which can come back.
    frame->close();
    EXPECT_TRUE(input()->isHidden());
    EXPECT_FALSE(frame->isVisible());
    m.showWorkingWindow(input());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(input()->isVisible());
}

TEST_F(MainWindowTest, WelcomeAnimationTypesTheTextIntoTheTitle)
{
    MDIProject& m = makeMain();
    const QString text = "  Welcome to the Vemora Program";
    ASSERT_EQ(m.lblWelcome->text(), text);
    ASSERT_TRUE(m.tmrWelcome->isActive());
    EXPECT_EQ(m.tmrWelcome->interval(), 100);

    m.tmrWelcome_Timer(); // tick 1: nothing typed yet
    EXPECT_EQ(m.windowTitle(), QString(50, ' '));
    m.tmrWelcome_Timer();
    m.tmrWelcome_Timer();
    m.tmrWelcome_Timer(); // tick 4: three characters
    EXPECT_EQ(m.windowTitle(), QString("  W").leftJustified(50));
    for (int tick = 5; tick <= 32; ++tick)
        m.tmrWelcome_Timer();
    EXPECT_EQ(m.windowTitle(), text.leftJustified(50)); // tick 32: the whole text
    EXPECT_EQ(m.windowTitle().size(), 50);
    m.tmrWelcome_Timer(); // tick 33: typing starts again
    EXPECT_EQ(m.windowTitle(), QString(50, ' '));
    for (int tick = 34; tick <= 81; ++tick)
        m.tmrWelcome_Timer();
    EXPECT_TRUE(m.tmrWelcome->isActive());
    EXPECT_NE(m.windowTitle(), "  Vemora");
    m.tmrWelcome_Timer(); // tick 82: settles
    EXPECT_EQ(m.windowTitle(), "  Vemora");
    EXPECT_FALSE(m.tmrWelcome->isActive());
    m.tmrWelcome_Timer(); // a late tick changes nothing
    EXPECT_EQ(m.windowTitle(), "  Vemora");
}

TEST_F(MainWindowTest, LongWelcomeTextIsCutAtFiftyCharacters)
{
    MDIProject& m = makeMain();
    m.lblWelcome->setText(QString(60, 'x'));
    for (int tick = 1; tick <= 56; ++tick)
        m.tmrWelcome_Timer();
    EXPECT_EQ(m.WelcomeText, QString(50, 'x'));
    EXPECT_EQ(m.windowTitle(), QString(50, 'x'));
}

TEST_F(MainWindowTest, NewDuringTheAnimationStopsItForGood)
{
    MDIProject& m = makeMain();
    for (int tick = 1; tick <= 10; ++tick)
        m.tmrWelcome_Timer();
    ui.dialogHandlers.push_back([](QDialog*) {}); // system-type dialog cancelled
    m.mnuNew->trigger();
    EXPECT_EQ(m.windowTitle(), "  Vemora");
    EXPECT_FALSE(m.tmrWelcome->isActive());
    m.tmrWelcome_Timer();
    EXPECT_EQ(m.windowTitle(), "  Vemora");
}

TEST_F(MainWindowTest, NewAsksToSaveEditsThenOffersTheSystemType)
{
    MDIProject& m = makeMain();
    input()->txtProject->setText(QStringLiteral("Typed")); // an edit pending
    ui.answers.push_back(MsgAnswer::No);
    bool inputShownDuringDialog = true;
    ui.dialogHandlers.push_back([&](QDialog*) { inputShownDuringDialog = !input()->isHidden(); });
    QTest::mouseClick(m.sscNew, Qt::LeftButton);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Do you want to save the project ?");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(ui.messages[0].title, "Vemora");
    ASSERT_EQ(ui.dialogsShown.size(), 1u);
    EXPECT_EQ(ui.dialogsShown[0], "frmLCCType");
    EXPECT_FALSE(inputShownDuringDialog);
    // Cancelled: the project stays open, its window and caption come back.
    EXPECT_FALSE(input()->isHidden());
    EXPECT_EQ(m.windowTitle(), "  Vemora");
    EXPECT_TRUE(ctx.store.ProjectOpen);
}

TEST_F(MainWindowTest, NewWithoutAnOpenProjectAsksNothing)
{
    MDIProject& m = makeMain();
    ctx.store.ProjectOpen = false;
    ui.dialogHandlers.push_back(RejectDialog);
    m.mnuNew->trigger();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.dialogsShown.size(), 1u);
}

TEST_F(MainWindowTest, ExitAsksAndOnlyYesClosesTheWindow)
{
    MDIProject& m = makeMain();
    m.show();
    ui.answers.push_back(MsgAnswer::No);
    m.mnuExit->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Are you sure you want to quit ?");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Question);
    EXPECT_TRUE(m.isVisible());

    ui.answers.push_back(MsgAnswer::Yes);
    m.mnuExit1->trigger();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_FALSE(m.isVisible());
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesEveryOtherWindowWithoutAsking)
{
    MDIProject& m = makeMain();
    m.show();
    QWidget beside; // a window beside the program, such as the help
    beside.show();
    m.close();
    EXPECT_FALSE(m.isVisible());
    EXPECT_FALSE(beside.isVisible());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(m.tmrWelcome->isActive());
}

TEST_F(MainWindowTest, HelpCommandsOpenTheirTopics)
{
    MDIProject& m = makeMain();
    QTest::mouseClick(m.sscHelp, Qt::LeftButton);
    m.mnuContents->trigger();
    m.mnuHelpOn->trigger();
    m.mnuMethod->trigger();
    EXPECT_EQ(ui.helpTopics, (std::vector<int>{1000, 1000, 1000, 7000}));
}

TEST_F(MainWindowTest, RightButtonOnTheClientAreaPopsUpTheFileMenu)
{
    MDIProject& m = makeMain();
    m.show();
    input()->hide();
    ui.menuChoices.push_back("");
    QTest::mouseClick(m.mdiArea->viewport(), Qt::RightButton, {}, QPoint(400, 300));
    ASSERT_EQ(ui.menusShown.size(), 1u);
    EXPECT_EQ(ui.menusShown[0].first(), "&New Project");
    QTest::mouseClick(m.mdiArea->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(ui.menusShown.size(), 1u);
}

TEST_F(MainWindowTest, ToolbarFocusWritesTheHintAndMouseMovesResetThePointer)
{
    MDIProject& m = makeMain();
    m.show();
    QApplication::setActiveWindow(&m);
    m.sscSave->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(m.sscSave->hasFocus());
    EXPECT_EQ(m.panelText(3), "Save the project");

    for (QWidget* surface :
         {static_cast<QWidget*>(m.sspProject), static_cast<QWidget*>(m.lblSystem),
          m.mdiArea->viewport(), static_cast<QWidget*>(m.StatusBar)}) {
        ui.setMousePointer(MousePointer::Hourglass);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), QPointF(5, 5),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
        EXPECT_EQ(ui.mousePointer(), MousePointer::Default) << surface->metaObject()->className();
    }
}

TEST_F(MainWindowTest, MouseOverAnyStatusPanelResetsThePointer)
{
    MDIProject& m = makeMain();
    m.show();
    for (int panel = 1; panel <= 4; ++panel) {
        QWidget* p = m.StatusBar->panel(panel);
        ui.setMousePointer(MousePointer::Hourglass);
        // Moved through the window system, so the event finds the panel under it.
        QTest::mouseMove(m.windowHandle(), p->mapTo(&m, p->rect().center()));
        EXPECT_EQ(ui.mousePointer(), MousePointer::Default) << "panel " << panel;
    }
}

} // namespace
} // namespace vemora::test
