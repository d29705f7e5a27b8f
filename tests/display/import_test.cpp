// Profile data copied in another program reaches the project through the
// desktop's clipboard: xclip holds the clipboard as a spreadsheet does after
// Copy, and File > Import & Export > Import Profile walks the wizard.
#include <QClipboard>
#include <QGuiApplication>

#include "display/DisplayFixture.h"
#include "input/frmImport.h"
#include "input/frmLCC.h"
#include "platform/FlexGrid.h"

namespace vemora::test {
namespace {

// Three rows of elevation, chainage, diameter, class, wall and secondary
// loss, as LibreOffice Calc copies them: tabs between cells, LF line ends,
// an empty cell where nothing was typed.
const QString CopiedRows = QStringLiteral("310\t0\t400\t6\t900\t0.5\n"
                                          "295.5\t420\t400\t6\t900\t\n"
                                          "280\t1000\t350\t5\t750\t1.5\n");

// The wizard showing the step.
ModalScript::Match WizardOnStep(int step)
{
    return [step](QWidget* w) {
        auto* wizard = qobject_cast<frmImport*>(w);
        return wizard && wizard->CurrentStep() == step;
    };
}

class ImportTest : public DisplayTest
{
};

TEST_F(ImportTest, RowsCopiedInAnotherProgramBecomeTheProfile)
{
    StartUp();
    OpenThroughMenu(SavePumpingProject(QStringLiteral("Imported")));
    ASSERT_TRUE(HoldOnTheClipboard(CopiedRows)) << "xclip is missing";
    ASSERT_TRUE(WaitFor([] { return QGuiApplication::clipboard()->text() == CopiedRows; }));

    int previewRows = 0;
    ModalScript script;
    script
        .then("step 1", WizardOnStep(1),
              [](QWidget* w) { Click(static_cast<frmImport*>(w)->sscNext); })
        .then("step 2", WizardOnStep(2),
              [](QWidget* w) {
                  auto* wizard = static_cast<frmImport*>(w);
                  Click(wizard->sscPaste);
                  Click(wizard->sscNext);
              })
        .then("the preview", WizardOnStep(3), [&](QWidget* w) {
            auto* wizard = static_cast<frmImport*>(w);
            previewRows = wizard->msgFImport->Rows();
            Click(wizard->sscNext); // Finish
        });
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->munImportExport, main_->mnuImport); });

    EXPECT_EQ(previewRows, 4); // the heading and the three rows
    const ProjectStore& s = ctx.store;
    ASSERT_EQ(s.NodeCount, 3);
    EXPECT_EQ(s.NodeElevation[2], 295.5f);
    EXPECT_EQ(s.NodeAccumulatedLength[3], 1000.0f);
    EXPECT_EQ(s.SecondaryLoss[1], 0.5f);
    EXPECT_EQ(s.SecondaryLoss[2], 0.0f);
    EXPECT_EQ(s.SecondaryLoss[3], 1.5f);
    auto* input = static_cast<frmLCC*>(ctx.windows.input.Get());
    ASSERT_TRUE(input && WaitShown(input));
    EXPECT_EQ(input->msgProfile->Rows(), 4);
    EXPECT_EQ(input->msgProfile->TextMatrix(3, 1), "280");
}

} // namespace
} // namespace vemora::test
