// The program on a real X display, as a user meets it: the real UI service
// (real message boxes, file and print dialogs), the agreement, the splash
// and the main window, menus chosen with the mouse, dialogs answered by a
// ModalScript. The application folder is a fresh one with its Projects
// folder, where each test saves the projects it opens.
#pragma once

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

#include "app/AppContext.h"
#include "display/ModalScript.h"
#include "display/Waiting.h"
#include "platform/AppPaths.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/QtUi.h"
#include "platform/TabControl.h"
#include "shell/MDIProject.h"

namespace vemora {
class frmLCC;
class frmResults;
class frmView;
} // namespace vemora

namespace vemora::test {

// Another program (xclip) owns the desktop's clipboard, holding the text as a
// spreadsheet does after Copy; false when xclip could not take it.
bool HoldOnTheClipboard(const QString& text);

// A click in the middle of the widget, once it is on the screen.
inline void Click(QWidget* w)
{
    ASSERT_TRUE(w);
    EXPECT_TRUE(WaitShown(w));
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A click in the middle of a cell of a grid.
inline void ClickGridCell(FlexGrid* grid, int row, int col)
{
    QWidget* inner = grid->viewport();
    QTest::mouseClick(inner, Qt::LeftButton, {},
                      inner->mapFrom(grid, grid->cellRect(row, col).center()));
}

class DisplayTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        ASSERT_TRUE(appDir_.isValid());
        QDir(appDir_.path()).mkpath(QStringLiteral("Projects"));
    }

    void TearDown() override
    {
        ModalScript::closeModals();
        if (main_) {
            delete main_.data();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString ProjectsFolder() const { return paths_.projectsPath(); }

    // From the agreement to the main window: Accept, OK to the screen-size
    // note (none on a screen of 800 x 600), Esc on the splash.
    MDIProject& StartUp();

    // Runs a user action while the script answers the modal windows it
    // opens; fails when a step of the script never came.
    void Run(ModalScript& script, const std::function<void()>& action)
    {
        action();
        EXPECT_TRUE(WaitFor([&] { return script.done(); }, script.waiting()));
    }

    // A click on a menu of the menu bar (again while the menu does not
    // open: opening it changes nothing), then on its item.
    void ChooseMenu(QMenu* menu, QAction* item)
    {
        ASSERT_TRUE(OpenMenu(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    // A click on a menu of the menu bar, on its submenu, then on the item.
    void ChooseMenu(QMenu* menu, QMenu* submenu, QAction* item)
    {
        ASSERT_TRUE(OpenMenu(menu));
        ASSERT_TRUE(Retry(
            [&] {
                if (!submenu->isVisible())
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(submenu->menuAction()).center());
            },
            [&] { return Shown(submenu); }, submenu->title() + QStringLiteral(" open")));
        QTest::mouseClick(submenu, Qt::LeftButton, {}, submenu->actionGeometry(item).center());
    }
    // Opens a menu of the menu bar with a click on its title.
    ::testing::AssertionResult OpenMenu(QMenu* menu)
    {
        QMenuBar* bar = main_->menuBar();
        return Retry(
            [&] {
                if (!menu->isVisible())
                    QTest::mouseClick(bar, Qt::LeftButton, {},
                                      bar->actionGeometry(menu->menuAction()).center());
            },
            [&] { return Shown(menu); }, menu->title() + QStringLiteral(" open"));
    }
    // A click on a command that stands on the menu bar itself.
    void ChooseMenuBarItem(QAction* item)
    {
        QMenuBar* bar = main_->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
    }
    // A click on a tab of a tab control.
    static void ClickTab(TabControl* tabs, int index)
    {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    // Clicks the tab of the page that holds the control.
    static void ShowPageOf(TabControl* tabs, QWidget* control)
    {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(control)) {
                ClickTab(tabs, i);
                ASSERT_EQ(tabs->currentIndex(), i);
                return;
            }
        FAIL() << "no page holds " << control->objectName().toStdString();
    }

    // Saves the project into the Projects folder as `name`.kpj and returns
    // its path.
    QString SaveProjectFile(ProjectStore& project, const QString& name);
    // Saves a pumping project with a pump curve (Dollars, 12 years) into the
    // Projects folder and returns its path.
    QString SavePumpingProject(const QString& name);
    // File > Open of that file through the real file dialog.
    void OpenThroughMenu(const QString& path);
    // Analyse, Analyse, Continue: the results window comes up. `first` adds
    // the steps that answer what comes before the analysis dialog.
    void AnalyseAndContinue(const std::function<void(ModalScript&)>& first = {});
    // The input window's View profile button: the profile view comes up.
    frmView* ViewProfile();
    // The input and results windows, once made.
    frmLCC* Input();
    frmResults* Results();
    // Starts up and opens a pumping project saved as `name`: the input
    // window comes up.
    void OpenPumpingProject(const QString& name);

    // Disables every picture button with a picture that stands on the screen
    // (in every window, dialogs included), paints it at once, and enables it
    // again: how a busy window looks while it prints or runs.
    static int RepaintPictureButtonsDisabled();

    QTemporaryDir appDir_;
    AppPaths paths_{appDir_.path()};
    QtUi ui_{paths_};
    AppContext ctx{ui_, paths_};
    QPointer<MDIProject> main_;
};

} // namespace vemora::test
