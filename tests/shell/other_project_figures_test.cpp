// A view of a project whose computation fails, shown after a view of another
// project that was computed (opened from its file, or started with New):
// the profile view, the calibration view, the pump-curve view and the system
// graphs show and print none of the other project's figures, and the same
// texts as after a fresh start.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <set>

#include "app/PendingEdits.h"
#include "app/ProjectFiles.h"
#include "calibration/frmRoughness.h"
#include "input/frmLCC.h"
#include "input/frmPumpView.h"
#include "platform/FlexGrid.h"
#include "platform/PictureBox.h"
#include "platform/PictureButton.h"
#include "shell/MDIProject.h"
#include "shell/frmAnalyse.h"
#include "shell/frmLCCType.h"
#include "support/CheckedUi.h"
#include "support/PdfPages.h"
#include "support/UserInput.h"

namespace vemora::test {
namespace {

enum class View { Profile, Calibration, PumpCurve, SystemGraphs };
enum class Load { Open, New };

struct Case
{
    View view;
    Load load;
    const char* name;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// The labels, boxes, grid cells and graph texts of a window, as shown.
QStringList WindowTexts(const QWidget* w)
{
    QStringList texts;
    for (const QLabel* label : w->findChildren<QLabel*>())
        texts << label->text();
    for (const QCheckBox* box : w->findChildren<QCheckBox*>())
        texts << box->text();
    for (const FlexGrid* g : w->findChildren<FlexGrid*>())
        for (int r = 0; r < g->Rows(); ++r)
            for (int c = 0; c < g->Cols(); ++c)
                texts << g->TextMatrix(r, c);
    for (const PictureBox* p : w->findChildren<PictureBox*>())
        for (const Primitive* t : p->drawing().of(PrimitiveKind::Text))
            texts << t->text;
    return texts;
}

// The figures among texts: every number with decimals.
std::set<QString> Figures(const QStringList& texts)
{
    static const QRegularExpression number(QStringLiteral("\\d+\\.\\d+"));
    std::set<QString> figures;
    for (const QString& text : texts)
        for (const auto& m : number.globalMatch(text))
            figures.insert(m.captured());
    return figures;
}

// The program from its start to its end, on a project folder of the test.
class Session
{
  public:
    explicit Session(const QTemporaryDir& dir) : dir_(dir)
    {
        ctx.screen.setSizeOverride(QSize(800, 600));
        main_ = std::make_unique<MDIProject>(ctx);
        ShowActive(main_.get());
    }

    frmLCC* input() const { return static_cast<frmLCC*>(ctx.windows.input.Get()); }

    void Open(const QString& file)
    {
        if (EditsPending(ctx)) ui.answers.push_back(MsgAnswer::No);
        ui.files.push_back(file);
        main_->mnuOpen->trigger();
        ASSERT_EQ(ctx.store.ProjectFilePath, file.toStdString());
    }

    // File > New of a pumping project, and the project typed whose view
    // cannot be computed: deterioration period 0 (as New gives it) for the
    // profile views, falling pump flows for the pump-curve view, a pump too
    // weak for the lift for the system graphs.
    void NewFailing(View view)
    {
        if (EditsPending(ctx)) ui.answers.push_back(MsgAnswer::No);
        ui.dialogHandlers.push_back([](QDialog* d) {
            auto* type = static_cast<frmLCCType*>(d);
            type->optPumping->setChecked(true);
            type->sscContinue->click();
        });
        main_->mnuNew->trigger();
        frmLCC* w = input();
        w->txtProject->setText(QStringLiteral("Other main"));
        w->txtDesigner->setText(QStringLiteral("B. Engineer"));
        w->txtPFlowrate->setText(QStringLiteral("100"));
        w->txtPERWL->setText(QStringLiteral("150"));
        w->txtPumpOperatingFlowrate->setText(QStringLiteral("50"));
        for (int r = 1; r <= 2; ++r) {
            w->msgProfile->setTextMatrix(r, 2, QString::number(1000 * (r - 1)));
            w->msgProfile->setTextMatrix(r, 3, QStringLiteral("500"));
        }
        if (view == View::Profile || view == View::Calibration) return;
        w->optPumpDetails->click();
        const bool falling = view == View::PumpCurve;
        for (int k = 0; k < 6; ++k) {
            w->txtH[k]->setText(QString::number(30 - 5 * k));
            w->txtQ[k]->setText(QString::number(falling ? 0.5 - 0.1 * k : 0.1 * k));
            w->txtEfficiency[k]->setText(QStringLiteral("60"));
        }
        w->txtKsNew->setText(QStringLiteral("0.1"));
        w->txtKsOld->setText(QStringLiteral("0.1"));
        w->txtKsOldYears->setText(QStringLiteral("10"));
    }

    // The view as the user brings it up, its printed page where it prints
    // one, and the messages given meanwhile.
    QStringList ShowView(View view, bool computes)
    {
        const size_t said = ui.messages.size();
        QStringList texts =
            view == View::SystemGraphs ? ShowSystemGraphs(computes) : ShowWindow(view);
        for (size_t i = said; i < ui.messages.size(); ++i)
            texts << ui.messages[i].text;
        return texts;
    }

    CheckedUi ui;
    CheckedContext ctx{ui};

  private:
    QStringList ShowWindow(View view)
    {
        QWidget* window = nullptr;
        PictureButton* print = nullptr;
        if (view == View::PumpCurve) {
            input()->sscViewCurve->click();
            if (auto* v = static_cast<frmPumpView*>(ctx.windows.pumpView.Get())) {
                v->picGraph_MouseMove(0, 0, v->picGraph->width() * 7.5,
                                      v->picGraph->height() * 7.5);
                window = v;
                print = v->sscPrintView;
            }
        } else {
            if (!HasFileOfItsOwn(ctx)) ui.files.push_back(dir_.filePath("typed.kpj"));
            input()->sscViewProfile->click();
            window = WidgetOf(ctx.windows.profileView.Get());
        }
        if (view == View::Calibration && window) {
            main_->mnuRoughness->trigger();
            static_cast<frmRoughness*>(ctx.windows.roughness.Get())->sscViewGraph->click();
            window = WidgetOf(ctx.windows.roughnessView.Get());
        }
        if (!window) return {};
        if (!print) print = window->findChild<PictureButton*>(QStringLiteral("sscPrintView"));
        QStringList texts = WindowTexts(window);
        const QString pdf = dir_.filePath(QStringLiteral("view.pdf"));
        QFile::remove(pdf);
        ui.printAnswers.push_back(true);
        ui.printFiles.push_back(pdf);
        print->click();
        const auto pages = readPdfPages(pdf);
        EXPECT_EQ(pages.size(), 1u);
        for (const PdfPage& page : pages)
            texts << page.text;
        return texts;
    }

    // Analyse: the results window's duty points and graphs, or the warning
    // window of the year whose pump curve misses the system curve.
    QStringList ShowSystemGraphs(bool computes)
    {
        QStringList texts;
        ui.dialogHandlers.push_back([](QDialog* d) {
            auto* dialog = static_cast<frmAnalyse*>(d);
            dialog->tmrStopMatrix_Timer();
            dialog->sscAnalyse->click();
            if (dialog->sscAnalyse->Caption() == QStringLiteral("&Continue"))
                dialog->sscAnalyse->click();
            else
                dialog->reject();
        });
        if (!computes)
            ui.dialogHandlers.push_back([&texts](QDialog* d) {
                texts << WindowTexts(d);
                d->reject();
            });
        if (EditsPending(ctx)) ui.answers.push_back(MsgAnswer::No);
        main_->mnuAnalyse->trigger();
        if (computes) {
            QWidget* results = ctx.windows.results.Get()->widget();
            results->findChild<PictureButton*>(QStringLiteral("sscDutypoint"))->click();
            texts << WindowTexts(results);
        }
        return texts;
    }

    template <typename Window> static QWidget* WidgetOf(Window* w)
    {
        EXPECT_NE(w, nullptr);
        return w ? w->widget() : nullptr;
    }

    const QTemporaryDir& dir_;
    std::unique_ptr<MDIProject> main_;
};

class OtherProjectFigures : public ::testing::TestWithParam<Case>
{
  protected:
    // Project B, whose view cannot be computed, loaded into `s` as the case
    // loads it: opened from its file, or typed after New.
    void LoadFailing(Session& s)
    {
        if (GetParam().load == Load::Open)
            s.Open(failingFile_);
        else
            s.NewFailing(GetParam().view);
    }

    void SetUp() override
    {
        Session typing(dir);
        typing.NewFailing(GetParam().view);
        failingFile_ = dir.filePath(QStringLiteral("failing.kpj"));
        typing.ui.files.push_back(failingFile_);
        ASSERT_EQ(SaveProjectAs(typing.ctx), SaveOutcome::Saved);
    }

    QTemporaryDir dir;
    QString failingFile_;
};

TEST_P(OtherProjectFigures, NeverShowInTheViewOfAProjectThatFails)
{
    const View view = GetParam().view;
    QStringList fresh;
    {
        Session s(dir);
        LoadFailing(s);
        fresh = s.ShowView(view, false);
    }
    // Project A: an example project, in the folder since its view saves it.
    const bool curve = view == View::PumpCurve || view == View::SystemGraphs;
    const QString example = QStringLiteral(VEMORA_SOURCE_DIR "/Projects/") +
                            (curve ? "Pumping main with pump curve.kpj" : "Pumping main.kpj");
    const QString computed = dir.filePath(QStringLiteral("computed.kpj"));
    ASSERT_TRUE(QFile::copy(example, computed));

    Session s(dir);
    s.Open(computed);
    const QStringList first = s.ShowView(view, true);
    LoadFailing(s);
    const QStringList after = s.ShowView(view, false);

    const std::set<QString> own = Figures(fresh);
    const std::set<QString> shown = Figures(after);
    int others = 0;
    for (const QString& figure : Figures(first)) {
        if (own.count(figure)) continue; // the failing project's own as well
        ++others;
        EXPECT_FALSE(shown.count(figure)) << figure.toStdString() << " of the computed project";
    }
    EXPECT_GT(others, 0);
    EXPECT_EQ(after.join('\n').toStdString(), fresh.join('\n').toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Views, OtherProjectFigures,
    ::testing::Values(Case{View::Profile, Load::Open, "ProfileViewAfterOpen"},
                      Case{View::Profile, Load::New, "ProfileViewAfterNew"},
                      Case{View::Calibration, Load::Open, "CalibrationViewAfterOpen"},
                      Case{View::Calibration, Load::New, "CalibrationViewAfterNew"},
                      Case{View::PumpCurve, Load::Open, "PumpCurveViewAfterOpen"},
                      Case{View::PumpCurve, Load::New, "PumpCurveViewAfterNew"},
                      Case{View::SystemGraphs, Load::Open, "SystemGraphsAfterOpen"},
                      Case{View::SystemGraphs, Load::New, "SystemGraphsAfterNew"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vemora::test
