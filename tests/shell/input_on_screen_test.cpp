// Every run analyses the input on screen, as it stands at that moment: after
// any sequence of edits, values typed back, runs with Yes or No, saves and
// opens, the figures the results window shows are those of the record a save
// would write then; a print or a view leaves the results' input image alone;
// an unedited project shows what the command-line tool reads from its file.
#include <QCheckBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QStackedWidget>
#include <map>
#include <random>

#include "ResultsFollowInputFixture.h"
#include "app/ProjectFiles.h"
#include "engine/AnalysisRun.h"
#include "engine/NumberFormat.h"
#include "graphs/ProfileGraph.h"
#include "platform/RecordingPageDevice.h"
#include "project/RecordCodec.h"
#include "project/RecordStore.h"
#include "reports/PrintRun.h"
#include "reports/frmPrint.h"
#include "results/ResultLabels.h"
#include "results/frmResults.h"
#include "support/PdfPages.h"
#include "support/ToolAnalysis.h"

namespace vemora::test {
namespace {

// The figures the results window shows: the year-1 flow, the total capital
// cost, both present values and the rate of return.
struct ShownFigures
{
    QString flow, capital, npvE, npvI, irr;
    bool operator==(const ShownFigures&) const = default;
};

std::ostream& operator<<(std::ostream& os, const ShownFigures& f)
{
    return os << f.flow.toStdString() << " | " << f.capital.toStdString() << " | "
              << f.npvE.toStdString() << " | " << f.npvI.toStdString() << " | "
              << f.irr.toStdString();
}

QString Digits(const QString& text)
{
    QString digits;
    for (QChar c : text)
        if (c.isDigit()) digits += c;
    return digits;
}

ShownFigures ShownBy(frmResults* w)
{
    const FlexGrid* cost = w->msgCost;
    return {w->lblMaxFlow->text(), Digits(cost->TextMatrix(cost->Rows() - 1, 1)),
            w->lblNPVE->text(), w->lblNPVI->text(), w->lblIRR->text()};
}

// The same figures of a run of `rec` read into a fresh store, as the
// command-line tool reads a file.
ShownFigures FiguresOfRecord(const ProjectRecord& rec, bool& completed)
{
    auto store = std::make_unique<ProjectStore>();
    auto results = std::make_unique<ResultsStore>();
    StoreFromRecord(rec, *store);
    completed =
        RunAnalysis(*store, *results, store->SupervisionFees).Status == AnalysisStatus::Completed;
    const ResultLabels labels = MakeResultLabels(*store, *results);
    return {QString::fromStdString(MakeProfileCaptions(*store, *results, 1).FlowRate),
            Digits(QString::fromStdString(FormatThousands(results->TotalCapitalCost, 0))),
            QString::fromStdString(labels.NpvE), QString::fromStdString(labels.NpvI),
            QString::fromStdString(labels.Irr)};
}

class InputOnScreenTest : public ResultsFollowInputTest
{
  protected:
    // Every number box of the input window that a user can type into, found
    // from the window.
    std::vector<QLineEdit*> NumberBoxes()
    {
        std::vector<QLineEdit*> boxes;
        for (QLineEdit* box : input()->findChildren<QLineEdit*>()) {
            bool number = false;
            const double value = box->text().toDouble(&number);
            if (box->isHidden() || box->isReadOnly() || !number || value <= 0) continue;
            if (box->objectName().isEmpty() || !box->isEnabled()) continue;
            boxes.push_back(box);
        }
        return boxes;
    }

    // Selects the box's text and types `text` over it, as a user does.
    void TypeInto(QLineEdit* box, const QString& text)
    {
        Reach(box);
        box->setFocus();
        box->selectAll(); // as a triple click or Ctrl+A selects it
        QTest::keyClicks(box, text);
    }

    // Analyse with the save question answered `yes` when edits are pending;
    // then the figures shown equal a run of the record a save would have
    // written when the run started, and the input window comes back.
    void AnalyseAndCompare(bool yes, const std::string& step)
    {
        const SaveImage pending = BuildSaveImage(ctx);
        ASSERT_TRUE(pending.refusals.empty()) << step;
        if (EditsPending(ctx)) ui.answers.push_back(yes ? MsgAnswer::Yes : MsgAnswer::No);
        bool completed = false;
        const ShownFigures expected =
            FiguresOfRecord(DecodeRecord(pending.record.data()), completed);
        const bool shown = AnalyseAndContinue();
        ASSERT_EQ(shown, completed) << step << ": " << ui.lastMessage().toStdString();
        if (shown) {
            EXPECT_EQ(ShownBy(dynamic_cast<frmResults*>(ctx.windows.results.Get()->widget())),
                      expected)
                << step;
            ++runs;
        }
        InputScreen();
    }

    // Prints the General data page; the results' input image stays as the
    // run left it.
    void PrintAndKeepImage(const std::string& step)
    {
        const SaveImage image = ctx.analysedInput;
        RecordingPageDevice device;
        PrintSelection ticked{};
        for (const ReportItem& item : ReportItems())
            ticked[static_cast<size_t>(item.step)] = item.box == ReportBox::General;
        EXPECT_FALSE(RunPrint(ctx, device, 1, ticked)) << step;
        EXPECT_EQ(ctx.analysedInput, image) << step;
    }

    int runs = 0;
};

// A seeded sequence of steps on a gravity and a pumping project, which
// opens with an edit, Analyse with No, the file's value typed back and
// Analyse again.
TEST_F(InputOnScreenTest, EveryRunAnalysesTheRecordASaveWouldWrite)
{
    auto gravity = GravityProject(180, 50, {{60, 0}, {55, 500}, {40, 1000}});
    auto pumping = PumpingProject(20, 70, {{20, 0}, {35, 800}, {60, 1700}});
    SetPumpCurve(*pumping, TypicalPumpCurve);
    std::vector<std::unique_ptr<ProjectStore>> projects;
    projects.push_back(std::move(gravity));
    projects.push_back(std::move(pumping));
    std::mt19937 random(20260);
    int project = 0;
    for (auto& p : projects) {
        AddCosts(*p);
        const QString file = Write(*p, project++ == 0 ? "gravity.kpj" : "pumping.kpj");
        Open(file);
        std::map<QString, QString> fileTexts; // each box's text as the file holds it
        const auto noteFile = [&] {
            fileTexts.clear();
            for (QLineEdit* box : NumberBoxes())
                fileTexts[box->objectName()] = box->text();
        };
        noteFile();
        const std::vector<QLineEdit*> boxes = NumberBoxes();
        ASSERT_GT(boxes.size(), 8u);
        const auto box = [&](size_t i) { return boxes[i % boxes.size()]; };
        const auto edited = [&](QLineEdit* b) {
            const double value = fileTexts[b->objectName()].toDouble();
            const int percent = std::uniform_int_distribution<int>(1, 5)(random);
            return QString::number(value * (100 + percent) / 100.0, 'g', 6);
        };

        // An edit, No, the file's value back, Analyse: the file's figures.
        QLineEdit* first = box(0);
        TypeInto(first, edited(first));
        AnalyseAndCompare(false, "edited, No");
        TypeInto(first, fileTexts[first->objectName()]);
        ASSERT_FALSE(EditsPending(ctx))
            << first->objectName().toStdString() << " " << first->text().toStdString() << " "
            << fileTexts[first->objectName()].toStdString();
        AnalyseAndCompare(false, "typed back");

        for (int step = 0; step < 40; ++step) {
            QLineEdit* b = box(std::uniform_int_distribution<size_t>(0, boxes.size() - 1)(random));
            const std::string name = std::to_string(step) + " " + b->objectName().toStdString();
            switch (std::uniform_int_distribution<int>(0, 6)(random)) {
            case 0:
            case 1:
                TypeInto(b, edited(b));
                break;
            case 2:
                TypeInto(b, fileTexts[b->objectName()]);
                break;
            case 3:
                AnalyseAndCompare(false, name + " No");
                break;
            case 4:
                AnalyseAndCompare(true, name + " Yes");
                noteFile();
                break;
            case 5:
                PrintAndKeepImage(name);
                break;
            default:
                if (std::uniform_int_distribution<int>(0, 1)(random) == 0) {
                    ASSERT_EQ(SaveProject(ctx), SaveOutcome::Saved) << name;
                } else {
                    Open(file);
                }
                noteFile();
                break;
            }
        }
        AnalyseAndCompare(false, "last");
    }
    EXPECT_GT(runs, 10);
}

// Every example project, and the projects the other tests write, opened
// and analysed with no edit, show the figures of `kpj-tool analyse` of the
// file.
TEST_F(InputOnScreenTest, AnUneditedProjectShowsTheToolsFigures)
{
    QStringList files;
    const QDir examples(QStringLiteral(VEMORA_SOURCE_DIR "/Projects"));
    for (const QString& name : examples.entryList({QStringLiteral("*.kpj")}, QDir::Files))
        files << examples.filePath(name);
    ASSERT_EQ(files.size(), 3);
    auto gravity = GravityProject(100, 50, {{60, 0}, {55, 500}, {40, 1000}});
    AddCosts(*gravity);
    files << Write(*gravity, "gravity.kpj");
    auto pumping = PumpingProject(20, 70, {{20, 0}, {35, 800}, {60, 1700}});
    SetPumpCurve(*pumping, TypicalPumpCurve);
    AddCosts(*pumping);
    files << Write(*pumping, "pumping.kpj");

    const TempFolder folder;
    for (const QString& source : files) {
        const QString file = dir.filePath(QStringLiteral("copy.kpj"));
        QFile::remove(file);
        ASSERT_TRUE(QFile::copy(source, file));
        Open(file);
        ASSERT_FALSE(EditsPending(ctx));
        ASSERT_TRUE(AnalyseAndContinue()) << source.toStdString();
        const QJsonObject tool =
            QJsonDocument::fromJson(
                QByteArray::fromStdString(ToolAnalysisJson(file.toStdString(), folder)))
                .object();
        ASSERT_EQ(tool.value(QLatin1String("status")).toString(), QStringLiteral("ok"));
        const auto near = [&](const char* key, double shown) {
            EXPECT_FLOAT_EQ(static_cast<float>(tool.value(QLatin1String(key)).toDouble()),
                            static_cast<float>(shown))
                << source.toStdString() << " " << key;
        };
        near("TotalCapitalCost", ctx.results.TotalCapitalCost);
        near("NpvExpenditure", ctx.results.NpvExpenditure);
        near("NpvIncome", ctx.results.NpvIncome);
        const QJsonValue irr = tool.value(QLatin1String("Irr"));
        EXPECT_EQ(irr.isNull(), !ctx.results.IrrFound) << source.toStdString();
        if (!irr.isNull()) near("Irr", ctx.results.Irr);
        EXPECT_FLOAT_EQ(
            static_cast<float>(tool.value(QLatin1String("YearFlow")).toArray().at(0).toDouble()),
            ctx.results.YearFlow[1])
            << source.toStdString();
        InputScreen();
    }
}

// Each page of a print names the input its body reads: with the name, the
// designer, the description and the demand edited and not saved, every item
// of the Print window and every Print View button of the results window
// print the edited texts; the profile view keeps the name it drew with;
// after Save the pages print the same.
class PageHeaderTest : public InputOnScreenTest
{
  protected:
    // The texts of every page printed into `name`.
    std::vector<QString> Pages(const QString& pdf)
    {
        std::vector<QString> texts;
        for (const PdfPage& page : readPdfPages(pdf))
            texts.push_back(page.text);
        return texts;
    }

    QString Pdf(const char* name)
    {
        const QString pdf = dir.filePath(QString::fromLatin1(name));
        ui.printAnswers.push_back(true);
        ui.printFiles.push_back(pdf);
        return pdf;
    }

    // Every item the Print window offers, ticked and printed.
    QString PrintEveryItem(const char* name)
    {
        const QString pdf = Pdf(name);
        ui.dialogHandlers.push_back([](QDialog* d) {
            auto* print = static_cast<frmPrint*>(d);
            print->tmrCheck_Timer();
            for (QCheckBox* box : print->findChildren<QCheckBox*>())
                box->setChecked(box->isEnabled());
            print->sscPrint->click();
        });
        main_->mnuPrint->trigger();
        return pdf;
    }

    // Each Print View button of the results window, one file each.
    std::vector<QString> PrintResultViews()
    {
        std::vector<QString> files;
        auto* w = dynamic_cast<frmResults*>(ctx.windows.results.Get()->widget());
        for (PictureButton* button : {w->sscPrintView, w->sscPrintSystem}) {
            files.push_back(Pdf(button->objectName().toLatin1().constData()));
            button->click();
        }
        return files;
    }

    void ExpectHeaders(const std::vector<QString>& files, const QString& name,
                       const QString& designer, const QString& description = QString())
    {
        for (const QString& file : files) {
            const std::vector<QString> pages = Pages(file);
            EXPECT_FALSE(pages.empty()) << file.toStdString();
            for (const QString& page : pages) {
                EXPECT_TRUE(page.contains(name)) << file.toStdString() << "\n"
                                                 << page.toStdString();
                EXPECT_TRUE(page.contains(designer)) << file.toStdString();
                const bool portrait = !page.contains(QStringLiteral("Filename :")) ||
                                      page.contains(QStringLiteral("Description"));
                if (portrait && !description.isEmpty()) {
                    EXPECT_TRUE(page.contains(description)) << file.toStdString();
                }
            }
        }
    }
};

TEST_F(PageHeaderTest, EveryPagePrintsTheTextsOfTheInputItsBodyReads)
{
    auto project = GravityProject(180, 50, {{60, 0}, {55, 500}, {40, 1000}});
    AddCosts(*project);
    project->ProjectName = "Reference case";
    project->Designer = "A. Engineer";
    project->ProjectDescription = "Old main";
    const QString file = Write(*project, "reference.kpj");
    Open(file);
    frmLCC* w = input();
    TypeInto(w->txtProject, QStringLiteral("Reference case X"));
    TypeInto(w->txtDesigner, QStringLiteral("B. Designer"));
    w->txtDescription->setFocus();
    w->txtDescription->selectAll();
    QTest::keyClicks(w->txtDescription, QStringLiteral("New main"));
    TypeInto(w->txtGFlowrate, QStringLiteral("300"));
    const QString name = QStringLiteral("REFERENCE CASE X");
    const QString designer = QStringLiteral("B. Designer");
    const QString description = QStringLiteral("New main");

    // The input pages, before any run.
    ExpectHeaders({PrintEveryItem("input.pdf")}, name, designer, description);

    ui.answers.push_back(MsgAnswer::No);
    ASSERT_TRUE(AnalyseAndContinue()) << ui.lastMessage().toStdString();
    std::vector<QString> files = PrintResultViews();
    InputScreen();
    files.push_back(PrintEveryItem("all.pdf"));
    ExpectHeaders(files, name, designer, description);

    // The profile view draws with the input saved for it; a name typed
    // afterwards is not the name of its picture.
    main_->mnuGeneral->trigger();
    w->sscViewProfile->click();
    ASSERT_NE(ctx.windows.profileView.Get(), nullptr);
    TypeInto(w->txtProject, QStringLiteral("Reference case Y"));
    auto* view = dynamic_cast<QWidget*>(ctx.windows.profileView.Get()->widget());
    const QString viewPdf = Pdf("view.pdf");
    view->findChild<QAbstractButton*>(QStringLiteral("sscPrintView"))->click();
    ExpectHeaders({viewPdf}, name, designer);

    // Saved, the pages print the same texts.
    ASSERT_EQ(SaveProject(ctx), SaveOutcome::Saved);
    ExpectHeaders({PrintEveryItem("saved.pdf")}, QStringLiteral("REFERENCE CASE Y"), designer,
                  description);
}

} // namespace
} // namespace vemora::test
