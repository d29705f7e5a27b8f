// The whole program offscreen on a project opened from its file, analysed
// through the Analyse command, with the helpers that edit the input window
// as a user does and ask for the results as the menus do.
#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ShellFixture.h"
#include "app/PendingEdits.h"
#include "engine/EngineProjects.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/TabControl.h"
#include "project/ProjectFile.h"
#include "shell/frmAnalyse.h"
#include "support/UserInput.h"

namespace vemora::test {

class ResultsFollowInputTest : public ShellTest
{
  protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        makeMain();
        ShowActive(main_);
    }

    // Writes the project into the test's folder as `name`; its path.
    QString Write(ProjectStore& project, const char* name)
    {
        if (project.ProjectName.empty()) project.ProjectName = "Town main";
        if (project.Designer.empty()) project.Designer = "A. Engineer";
        const QString file = dir.filePath(QString::fromLatin1(name));
        int64_t number = 1;
        EXPECT_EQ(WriteProjectFile(file.toStdString(), SavedRecord(project), number),
                  FileStatus::Ok);
        return file;
    }

    // File > Open of the file; edits still pending are dropped first.
    void Open(const QString& file)
    {
        if (EditsPending(ctx)) ui.answers.push_back(MsgAnswer::No);
        ui.files.push_back(file);
        main_->mnuOpen->trigger();
        ASSERT_EQ(ctx.store.ProjectFilePath, file.toStdString());
    }

    // Analyse, Analyse, Continue; `before` queues the answers to what comes
    // before the dialog. Whether the results window came up.
    bool AnalyseAndContinue()
    {
        bool ran = false;
        ui.dialogHandlers.push_back([&ran](QDialog* d) {
            auto* dialog = static_cast<frmAnalyse*>(d);
            dialog->tmrStopMatrix_Timer();
            dialog->sscAnalyse->click();
            ran = dialog->sscAnalyse->Caption() == QStringLiteral("&Continue");
            dialog->sscAnalyse->click();
        });
        main_->mnuAnalyse->trigger();
        if (!ran) ui.dialogHandlers.clear(); // a check stopped the command
        return ran && ctx.store.ResultsValid && ctx.windows.results.Get() &&
               !ctx.windows.results.Get()->widget()->isHidden();
    }

    // View > Results refused with "Project has not been analysed.".
    bool ResultsRefused()
    {
        const size_t said = ui.messages.size();
        main_->mnuResults->trigger();
        return ui.messages.size() == said + 1 &&
               ui.lastMessage() == "Project has not been analysed.";
    }

    // The input window back, as its "Input screen" button brings it.
    void InputScreen() { main_->mnuGeneral->trigger(); }

    QByteArray Bytes(const QString& file) const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The tab page that holds the control comes to the front and every
    // frame around it that is hidden shows (a panel, an option's frame).
    void Reach(QWidget* control)
    {
        frmLCC* w = input();
        for (int i = 0; i < w->sstInput->count(); ++i)
            if (w->sstInput->widget(i)->isAncestorOf(control)) w->sstInput->setTab(i);
        for (QWidget* p = control->parentWidget(); p && p != w; p = p->parentWidget())
            if (p->isHidden() && !qobject_cast<QStackedWidget*>(p->parentWidget())) p->show();
    }

    // F2 on a cell of the grid's second data row, a digit typed into the
    // cell editor, Enter.
    static void TypeIntoCell(FlexGrid* grid)
    {
        grid->setFocus();
        grid->setRow(std::min(grid->FixedRows() + 1, grid->Rows() - 1));
        grid->setCol(std::min(grid->FixedCols() + 1, grid->Cols() - 1));
        QTest::keyClick(grid, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        if (!editor || editor == grid) return;
        QTest::keyClicks(editor, QStringLiteral("5"));
        QTest::keyClick(editor, Qt::Key_Return);
    }

    // What a user does to a control of its kind: types a digit into a box,
    // picks the next item of a list, clicks a button, label or option,
    // moves a scroll bar a step, sets the next day, types into a grid cell.
    // False for a control of no such kind.
    static bool Edit(QWidget* control)
    {
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            if (box->isReadOnly()) return false;
            box->setFocus();
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClicks(box, QStringLiteral("7"));
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
            QTest::keyClicks(text, QStringLiteral("x"));
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            if (list->count() < 2) return false;
            list->setFocus();
            QTest::keyClick(list,
                            list->currentIndex() + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
        } else if (auto* date = qobject_cast<QDateTimeEdit*>(control)) {
            date->setDate(date->date().addDays(1));
        } else if (auto* bar = qobject_cast<QAbstractSlider*>(control)) {
            bar->triggerAction(bar->value() < bar->maximum()
                                   ? QAbstractSlider::SliderSingleStepAdd
                                   : QAbstractSlider::SliderSingleStepSub);
        } else if (auto* grid = qobject_cast<FlexGrid*>(control)) {
            TypeIntoCell(grid);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->click();
        } else if (qobject_cast<QLabel*>(control)) {
            QTest::mouseClick(control, Qt::LeftButton);
        } else {
            return false;
        }
        return true;
    }

    QTemporaryDir dir;
};

} // namespace vemora::test
