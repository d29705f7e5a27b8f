// Printing as a user does it on a machine without a printer queue: the
// print window with every item ticked, the real print dialog, its PDF entry;
// and every print button of the working windows, each to a PDF file. The
// pages are read back from the files written.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinterInfo>
#include <QProcess>
#include <sys/wait.h>

#include "calibration/frmRoughness.h"
#include "calibration/frmViewRoughness.h"
#include "display/DisplayFixture.h"
#include "engine/NumberFormat.h"
#include "input/frmLCC.h"
#include "input/frmPumpView.h"
#include "input/frmView.h"
#include "reports/frmPrint.h"
#include "reports/frmSelectYear.h"
#include "results/frmIRRView.h"
#include "results/frmResults.h"
#include "support/PdfPages.h"
#include "support/WaitLimit.h"

namespace vemora::test {
namespace {

QString ToolPath(const char* tool)
{
    return QStringLiteral(VEMORA_BINARY_DIR "/tools/%1/%1").arg(QLatin1String(tool));
}

// What `kpj-tool analyse` computes for the file.
QJsonObject ToolAnalysis(const QString& project)
{
    QProcess tool;
    tool.start(ToolPath("kpj-tool"), {QStringLiteral("analyse"), project});
    EXPECT_TRUE(tool.waitForFinished(WaitLimitMs()));
    return QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
}

// The pages `print-tool` prints of every item the project allows, for the
// hydraulic table of `year`.
std::vector<PdfPage> ToolPages(const QString& project, int year, const QString& pdf)
{
    QProcess tool;
    tool.start(ToolPath("print-tool"),
               {project, pdf, QStringLiteral("--year"), QString::number(year)});
    EXPECT_TRUE(tool.waitForFinished(WaitLimitMs()));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return readPdfPages(pdf);
}

class PrintTest : public DisplayTest
{
  protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        StartUp();
        project_ = SavePumpingProject(QStringLiteral("Printed"));
        OpenThroughMenu(project_);
        AnalyseAndContinue();
    }

    frmResults* Results() { return static_cast<frmResults*>(ctx.windows.results.Get()); }

    // Clicks the print button; the print dialog is answered with its PDF
    // entry and the file name typed; returns the pages written.
    std::vector<PdfPage> PrintWith(QWidget* button, const QString& name)
    {
        const QString pdf = ProjectsFolder() + name;
        RepaintPictureButtonsDisabled();
        PrintDialogSeen seen;
        ModalScript script;
        script.then("the print dialog of " + name, PrintDialog(), PrintToPdf(pdf, &seen));
        Run(script, [&] { Click(button); });
        EXPECT_TRUE(QFileInfo::exists(pdf)) << name.toStdString();
        // The pages print whole: the dialog offers no range of them.
        EXPECT_EQ(seen.pageRange.join(' ').toStdString(), "") << name.toStdString();
        return readPdfPages(pdf);
    }

    QString project_;
};

// Ticks every box that can be ticked; the hydraulic table's year dialog is
// answered with the second year.
void TickEverything(frmPrint* print)
{
    for (QCheckBox* box : print->findChildren<QCheckBox*>())
        if (box->isEnabled() && !box->isChecked()) {
            // On the box itself: a check box takes clicks on its box and caption only.
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        }
}

TEST_F(PrintTest, EveryItemOfThePrintWindowGoesIntoOnePdf)
{
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty())
        << "this test stands for a machine without a printer queue";
    const QString expected = ProjectsFolder() + QStringLiteral("Printed.pdf");
    PrintDialogSeen seen;
    int yearDialogWidth = 0;
    int yearCaptionWidth = 0;
    frmPrint* print = nullptr;
    int chosenYear = 0;
    ModalScript script;
    script
        .then("the print window", Named("frmPrint"),
              [&](QWidget* w) {
                  print = static_cast<frmPrint*>(w);
                  // The boxes are enabled shortly after the window opens.
                  EXPECT_TRUE(WaitFor([&] { return print->chkGeneral->isEnabled(); },
                                      QStringLiteral("the print boxes enabled")));
                  Click(print->sscSetup);
                  // Nothing ticked yet: Print says so, with the window
                  // disabled and its picture button greyed behind the box.
                  Click(print->sscPrint);
                  EXPECT_TRUE(print->isEnabled());
                  TickEverything(print);
                  RepaintPictureButtonsDisabled();
                  Click(print->sscPrint);
              })
        .then("the printer set-up", PageSetupDialog(), ClickButton("OK"))
        .then("the note that nothing is ticked", MessageBox("Select what to print !"),
              ClickButton("OK"))
        .then("the year of the hydraulic table", Named("frmSelectYear"),
              [&](QWidget* w) {
                  auto* year = static_cast<frmSelectYear*>(w);
                  // The title bar is as wide as the window inside the frame's
                  // borders. The window's own width is measured: Qt learns the
                  // frame from the window manager only at a later move or
                  // resize, which a busy machine may not bring.
                  yearDialogWidth = year->width();
                  QFont bold = QApplication::font(); // the title bar's font on this desktop
                  bold.setBold(true);
                  yearCaptionWidth = QFontMetrics(bold).horizontalAdvance(year->windowTitle());
                  year->comYear->setCurrentIndex(1);
                  Click(year->sscOK);
                  chosenYear = print->HydraulicYear();
              })
        .then("the print dialog", PrintDialog(), PrintToPdf(QString(), &seen));
    Run(script, [&] { ChooseMenu(main_->mnuFile, main_->mnuPrint); });

    // No printer queue: the dialog came up on its PDF entry, named after the
    // project, in the project's folder.
    EXPECT_EQ(seen.printer, QStringLiteral("Print to File (PDF)"));
    EXPECT_EQ(seen.file, expected);
    EXPECT_EQ(seen.pageRange.join(' ').toStdString(), "");
    // The year dialog's title bar holds its whole caption beside the
    // frame's buttons.
    EXPECT_GE(yearDialogWidth, yearCaptionWidth + 120);
    EXPECT_EQ(chosenYear, 2);

    const std::vector<PdfPage> pages = readPdfPages(expected);
    const std::vector<PdfPage> tool = ToolPages(project_, 2, ProjectsFolder() + "tool.pdf");
    ASSERT_FALSE(tool.empty());
    const auto titles = [](const std::vector<PdfPage>& in) {
        QStringList out;
        for (const PdfPage& page : in)
            out << page.text.simplified().mid(90, 70);
        return out.join(QStringLiteral("\n")).toStdString();
    };
    ASSERT_EQ(pages.size(), tool.size()) << titles(pages) << "\n---\n" << titles(tool);
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].landscape, tool[i].landscape) << "page " << i + 1;
        EXPECT_EQ(pages[i].text.left(40), tool[i].text.left(40)) << "page " << i + 1;
    }

    const QJsonObject analysis = ToolAnalysis(project_);
    ASSERT_EQ(analysis.value("status").toString(), "ok");
    const QString npv = "$" + QString::fromStdString(
                                  FormatThousands(analysis.value("NpvExpenditure").toDouble(), 0));
    bool onCostPage = false;
    for (const PdfPage& page : pages)
        if (page.text.contains("COST ANALYSIS")) onCostPage = page.text.contains(npv);
    EXPECT_TRUE(onCostPage) << npv.toStdString();
}

TEST_F(PrintTest, EveryPrintButtonWritesItsPdf)
{
    frmResults* results = Results();
    ASSERT_TRUE(results);
    ShowPageOf(results->sstResults, results->sscPrintView);
    EXPECT_FALSE(PrintWith(results->sscPrintView, "profile-page.pdf").empty());

    ShowPageOf(results->sstResults, results->sscPrintSystem);
    const auto system = PrintWith(results->sscPrintSystem, "system.pdf");
    ASSERT_FALSE(system.empty());
    EXPECT_TRUE(system.front().landscape);

    ShowPageOf(results->sstResults, results->sscDutypoint);
    Click(results->sscDutypoint);
    ASSERT_TRUE(WaitShown(results->sscPrintDutyYear));
    EXPECT_FALSE(PrintWith(results->sscPrintDutyYear, "duty.pdf").empty());
    Click(results->sscHideDuty);

    ShowPageOf(results->sstResults, results->sscIRR);
    Click(results->sscIRR);
    auto* irr = static_cast<frmIRRView*>(ctx.windows.irrView.Get());
    ASSERT_TRUE(irr && WaitShown(irr));
    EXPECT_FALSE(PrintWith(irr->sscPrintView, "irr.pdf").empty());
    Click(irr->sscOK);

    // Back to the input window, then its profile view.
    ASSERT_TRUE(WaitShown(results->sscInput));
    Click(results->sscInput);
    auto* input = static_cast<frmLCC*>(ctx.windows.input.Get());
    ASSERT_TRUE(WaitShown(input));
    ShowPageOf(input->sstInput, input->sscViewProfile);
    Click(input->sscViewProfile);
    auto* view = static_cast<frmView*>(ctx.windows.profileView.Get());
    ASSERT_TRUE(view && WaitShown(view));
    EXPECT_FALSE(PrintWith(view->sscPrintView, "view.pdf").empty());

    // The calibration, from the menu the profile view brings.
    ChooseMenuBarItem(main_->mnuRoughness);
    auto* roughness = static_cast<frmRoughness*>(ctx.windows.roughness.Get());
    ASSERT_TRUE(roughness && WaitShown(roughness));
    Click(roughness->sscViewGraph);
    auto* roughnessView = static_cast<frmViewRoughness*>(ctx.windows.roughnessView.Get());
    ASSERT_TRUE(roughnessView && WaitShown(roughnessView));
    EXPECT_FALSE(PrintWith(roughnessView->sscPrintView, "calibration.pdf").empty());
}

TEST_F(PrintTest, ThePumpCurveViewPrintsItsPdf)
{
    Click(Results()->sscInput);
    auto* input = static_cast<frmLCC*>(ctx.windows.input.Get());
    ASSERT_TRUE(WaitShown(input));
    ShowPageOf(input->sstInput, input->sscPumpcurve);
    Click(input->sscPumpcurve);
    ASSERT_TRUE(WaitShown(input->sscViewCurve));
    Click(input->sscViewCurve);
    auto* pump = static_cast<frmPumpView*>(ctx.windows.pumpView.Get());
    ASSERT_TRUE(pump && WaitShown(pump));
    EXPECT_FALSE(PrintWith(pump->sscPrintView, "pump.pdf").empty());
}

} // namespace
} // namespace vemora::test
