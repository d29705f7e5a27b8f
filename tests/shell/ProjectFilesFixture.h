// The input window in a stand-in main window, with a folder for project
// files and helpers that fill the window as a user would before saving.
#pragma once

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/ProjectFiles.h"
#include "input/InputWindowFixture.h"
#include "project/RecordCodec.h"
#include "support/UserInput.h"

namespace vemora::test {

class ProjectFilesTest : public InputWindowTest
{
  protected:
    void SetUp() override
    {
        InputWindowTest::SetUp();
        ShowActive(main.get());
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A gravity project that passes every check.
    void FillGravity()
    {
        w->txtProject->setText(QStringLiteral("Main line"));
        w->txtDesigner->setText(QStringLiteral("A. Designer"));
        w->txtGFlowrate->setText(QStringLiteral("100"));
        w->txtTRWL->setText(QStringLiteral("120"));
        w->txtBRWL->setText(QStringLiteral("40"));
    }

    // A pumping project with a pump curve that passes every check.
    void FillPumping()
    {
        NewOfType(1);
        w->txtProject->setText(QStringLiteral("Lift"));
        w->txtDesigner->setText(QStringLiteral("B. Designer"));
        w->txtPFlowrate->setText(QStringLiteral("80"));
        w->optPumpDetails->setChecked(true);
        for (size_t k = 0; k < 6; ++k) {
            w->txtH[k]->setText(QString::number(100 - 10 * static_cast<int>(k)));
            w->txtQ[k]->setText(QString::number(0.1 * static_cast<double>(k)));
            w->txtEfficiency[k]->setText(QStringLiteral("60"));
        }
    }

    // Saves under `name` through Save As; true when the file was written.
    bool SaveAs(const char* name)
    {
        scripted.files.push_back(path(name));
        return SaveProjectAs(ctx) == SaveOutcome::Saved && QFile::exists(path(name));
    }

    // Save As that the input checks stop before its file dialog: whether no
    // file dialog was asked for.
    bool SaveAsStopsAtTheChecks()
    {
        const size_t asked = scripted.fileRequests.size();
        return SaveProjectAs(ctx) == SaveOutcome::StoppedByCheck &&
               scripted.fileRequests.size() == asked;
    }

    QByteArray Bytes(const char* name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QWidget* focused() const { return QApplication::focusWidget(); }

    QTemporaryDir dir;
};

} // namespace vemora::test
