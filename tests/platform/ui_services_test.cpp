// The scripted services that stand in for real dialogs in tests, and the
// conversions the Qt implementation relies on.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "platform/HelpWindow.h"
#include "platform/QtUi.h"
#include "platform/ScriptedUi.h"
#include "support/WaitLimit.h"

using namespace vemora;

// No services are shared behind the caller's back: each one answers and
// records only what is asked of it.
TEST(ScriptedUi, EachServiceKeepsItsOwnQueuesAndRecords)
{
    ScriptedUi outer;
    outer.answers = {MsgAnswer::No};
    {
        ScriptedUi inner;
        EXPECT_EQ(inner.msgBox("x", MsgButtons::YesNo, MsgIcon::None, "t"), MsgAnswer::Yes);
        inner.showHelp(3000);
        EXPECT_EQ(inner.messages.size(), 1u);
    }
    EXPECT_EQ(outer.msgBox("y", MsgButtons::YesNo, MsgIcon::None, "t"), MsgAnswer::No);
    ASSERT_EQ(outer.messages.size(), 1u);
    EXPECT_EQ(outer.messages[0].text, "y");
    EXPECT_TRUE(outer.helpTopics.empty());
}

TEST(ScriptedUi, RecordsMessagesAndAnswersFromTheQueue)
{
    ScriptedUi s;
    s.answers = {MsgAnswer::No, MsgAnswer::Cancel};
    EXPECT_EQ(s.msgBox("Do you want to save the project ?", MsgButtons::YesNoCancel,
                       MsgIcon::Question, "Vemora"),
              MsgAnswer::No);
    EXPECT_EQ(s.msgBox("Are you sure you want to quit ?", MsgButtons::OKCancel, MsgIcon::Question,
                       "Vemora"),
              MsgAnswer::Cancel);
    // With the queue empty the first button answers.
    EXPECT_EQ(
        s.msgBox("Enter the designer !", MsgButtons::OK, MsgIcon::Exclamation, "Vemora : ERROR"),
        MsgAnswer::OK);
    EXPECT_EQ(s.msgBox("x", MsgButtons::YesNo, MsgIcon::None, "t"), MsgAnswer::Yes);
    EXPECT_EQ(s.msgBox("x", MsgButtons::RetryCancel, MsgIcon::Critical, "Error"), MsgAnswer::Retry);
    ASSERT_EQ(s.messages.size(), 5u);
    EXPECT_EQ(s.messages[2].text, "Enter the designer !");
    EXPECT_EQ(s.messages[2].icon, MsgIcon::Exclamation);
    EXPECT_EQ(s.messages[2].title, "Vemora : ERROR");
    EXPECT_EQ(s.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(s.lastMessage(), "x");
}

TEST(ScriptedUi, FileDialogsRecordTheRequestAndCancelByDefault)
{
    ScriptedUi s;
    FileDialogRequest req;
    req.title = "OPEN AN EXISTING VEMORA PROJECT";
    req.initDir = "/app/Projects/";
    req.filter = "All Files (*.*)|*.*|Vemora Files (*.kpj)|*.kpj";
    req.filterIndex = 2;
    s.files = {QString("/tmp/a.kpj"), std::nullopt};
    EXPECT_EQ(s.openFile(req), std::optional<QString>("/tmp/a.kpj"));
    EXPECT_EQ(s.saveFile(req), std::nullopt);
    EXPECT_EQ(s.openFile(req), std::nullopt); // queue empty: cancelled
    ASSERT_EQ(s.fileRequests.size(), 3u);
    EXPECT_FALSE(s.fileRequests[0].save);
    EXPECT_TRUE(s.fileRequests[1].save);
    EXPECT_EQ(s.fileRequests[0].req.title, "OPEN AN EXISTING VEMORA PROJECT");
    EXPECT_EQ(s.fileRequests[0].req.filterIndex, 2);
}

TEST(ScriptedUi, ModalDialogsRunTheQueuedHandlerWithoutBlocking)
{
    ScriptedUi s;
    QWidget owner;
    auto* dlg = new QDialog(&owner);
    dlg->setObjectName("frmLCCType");
    auto* ok = new QPushButton("&Continue", dlg);
    QObject::connect(ok, &QPushButton::clicked, dlg, &QDialog::accept);
    s.dialogHandlers.push_back([](QDialog* d) {
        EXPECT_TRUE(d->isVisible());
        d->findChild<QPushButton*>()->click();
    });
    EXPECT_EQ(s.execDialog(dlg), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(s.execDialog(dlg), QDialog::Rejected); // no handler queued
    EXPECT_EQ(s.dialogsShown, (std::vector<QString>{"frmLCCType", "frmLCCType"}));
}

TEST(ScriptedUi, PopupMenuTriggersTheChosenAction)
{
    ScriptedUi s;
    QWidget owner;
    QMenu menu(&owner);
    QAction* add = menu.addAction("Add a row at the end of the profile");
    menu.addSeparator();
    QAction* del = menu.addAction("Delete the current row");
    int added = 0, deleted = 0;
    QObject::connect(add, &QAction::triggered, &owner, [&] { ++added; });
    QObject::connect(del, &QAction::triggered, &owner, [&] { ++deleted; });
    s.menuChoices = {"Delete the current row", "no such item"};
    EXPECT_EQ(s.popupMenu(&menu, QPoint(5, 5)), del);
    EXPECT_EQ(s.popupMenu(&menu, QPoint(5, 5)), nullptr);
    EXPECT_EQ(s.popupMenu(&menu, QPoint(5, 5)), nullptr);
    EXPECT_EQ(added, 0);
    EXPECT_EQ(deleted, 1);
    ASSERT_EQ(s.menusShown.size(), 3u);
    EXPECT_EQ(s.menusShown[0],
              QStringList({"Add a row at the end of the profile", "Delete the current row"}));
}

TEST(QtUi, PipeFiltersBecomeQtNameFilters)
{
    EXPECT_EQ(qtFileFilters("All Files (*.*)|*.*|Vemora Files (*.kpj)|*.kpj"),
              QStringList({"All Files (*.*)", "Vemora Files (*.kpj)"}));
    // A stray blank after a pattern and patterns not named in the text.
    EXPECT_EQ(qtFileFilters("All Files (*.*)|*.* |Projects|*.kpj;*.bak"),
              QStringList({"All Files (*.*)", "Projects (*.kpj *.bak)"}));
    EXPECT_TRUE(qtFileFilters("").isEmpty());
    EXPECT_EQ(qtFileFilters("Odd|"), QStringList({"Odd ()"}));
}

TEST(QtUi, NeverWaitsForAnAnswerWithoutADisplay)
{
    // Tests run offscreen: a request that reaches the real services by
    // mistake must come back at once.
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    QtUi real;
    EXPECT_EQ(real.msgBox("Retry?", MsgButtons::RetryCancel, MsgIcon::Critical, "Error"),
              MsgAnswer::Cancel);
    EXPECT_EQ(real.msgBox("Sure?", MsgButtons::YesNo, MsgIcon::Question, "Vemora"), MsgAnswer::Yes);
    EXPECT_EQ(real.openFile(FileDialogRequest{}), std::nullopt);
    QDialog dlg;
    EXPECT_EQ(real.execDialog(&dlg), QDialog::Rejected);
}

namespace {
QPushButton* helpCloseButton(QWidget* help)
{
    for (QPushButton* b : help->findChildren<QPushButton*>())
        if (b->text() == "C&lose") return b;
    return nullptr;
}
} // namespace

TEST(QtUi, HelpOpenedFromAModalDialogCanBeUsedAndOutlivesIt)
{
    QtUi real;
    QWidget main;
    main.show();
    real.setHelpParent(&main);
    real.showHelp(1000);
    auto* help = main.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentTopic(), 1000);

    {
        QDialog dialog(&main);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
        real.showHelp(3000);
        EXPECT_EQ(help->currentTopic(), 3000);
        // The modal dialog does not block the help: its Close button works.
        ASSERT_TRUE(help->isVisible());
        QPushButton* close = helpCloseButton(help);
        ASSERT_NE(close, nullptr);
        // Clicked through the window system, which drops input to blocked windows.
        const QPoint at = close->mapTo(help, close->rect().center());
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, at);
        EXPECT_FALSE(help->isVisible());

        real.showHelp(3000);
        ASSERT_TRUE(help->isVisible());
        dialog.done(QDialog::Accepted);
    }
    // The dialog is gone, the help stays with the main window.
    ASSERT_EQ(main.findChild<HelpWindow*>(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), &main);
}

// The help opens over the working area of the window it stands beside: the
// menu bar and the toolbar above the area stay free to use.
TEST(QtUi, HelpOpensBesideTheMenusAndTheToolbar)
{
    QMainWindow main;
    main.menuBar()->addMenu("&File");
    auto* client = new QWidget(&main);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* toolbar = new QWidget(client);
    toolbar->setFixedHeight(37);
    auto* area = new QWidget(client);
    layout->addWidget(toolbar);
    layout->addWidget(area, 1);
    main.setCentralWidget(client);
    main.setGeometry(0, 0, 800, 600);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main, test::WaitLimitMs()));

    QtUi real;
    real.setHelpParent(&main, area);
    real.showHelp(1000);
    auto* help = main.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    const auto global = [](QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
    const QRect place = help->frameGeometry();
    EXPECT_FALSE(place.intersects(global(main.menuBar())));
    EXPECT_FALSE(place.intersects(global(toolbar)));
    EXPECT_TRUE(global(area).contains(place));

    // Once open, it keeps the place the user gives it.
    help->move(40, 300);
    real.showHelp(3000);
    EXPECT_EQ(help->frameGeometry().topLeft(), QPoint(40, 300));
}
