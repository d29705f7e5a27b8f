// The import wizard installed over the input window of a blank project with
// a profile of two nodes, run through the registry with a scripted clipboard.
#pragma once

#include <QString>
#include <functional>

#include "InputWindowFixture.h"
#include "input/InstallImportWizard.h"
#include "input/frmImport.h"

namespace vemora::test {

// Three rows as LibreOffice Calc puts them on the clipboard: LF line ends.
inline const QString ThreeRows = QStringLiteral("1200\t0\t300\t6\t850\t0.5\n"
                                                "1180.5\t250\t300\t6\t850\t\n"
                                                "1150\t600\t250\t5\t700\t1.2\n");

class ImportWizardTest : public InputWindowTest
{
  protected:
    void SetUp() override
    {
        InputWindowTest::SetUp();
        InstallImportWizard(ctx);
        ctx.store.NodeElevation[1] = 55;
        ctx.store.NodeAccumulatedLength[1] = 0;
        ctx.store.NodeElevation[2] = 50;
        ctx.store.NodeAccumulatedLength[2] = 100;
        w->FillProfileGrid();
        before = ctx.store;
    }

    // Runs the wizard through the registry; `walk` clicks while it shows.
    int Run(std::function<void(frmImport&)> walk)
    {
        scripted.dialogHandlers.push_back(
            [walk](QDialog* d) { walk(*static_cast<frmImport*>(d)); });
        return ctx.windows.importWizard.Exec();
    }

    bool ProfileUnchanged() const
    {
        const ProjectStore& s = ctx.store;
        return s.NodeElevation == before.NodeElevation &&
               s.NodeAccumulatedLength == before.NodeAccumulatedLength &&
               s.PipeDiameter == before.PipeDiameter && s.NodeCount == before.NodeCount;
    }

    ProjectStore before;
};

} // namespace vemora::test
