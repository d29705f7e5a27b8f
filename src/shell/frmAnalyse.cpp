#include "shell/frmAnalyse.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTimer>

#include "app/AnalyseProject.h"
#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/PumpCurveMissed.h"
#include "app/WorkingViews.h"
#include "platform/ControlBuilders.h"
#include "platform/DefaultButton.h"
#include "platform/PictureButton.h"
#include "platform/Screen.h"
#include "platform/Twips.h"
#include "shell/Pictures.h"

namespace vemora {

namespace {

constexpr int DigitsPerLine = 60;

// The run's progress on the dialog's bar; a missed pump curve is reported at
// the moment the run finds it, with the duty-point window.
class DialogProgress : public AnalysisObserver
{
  public:
    DialogProgress(AppContext& ctx, QProgressBar* bar) : ctx_(ctx), bar_(bar) {}

    void SetProgress(int percent) override { bar_->setValue(percent); }
    void PumpCurveMissed(int year) override { ShowPumpCurveMissed(ctx_, year); }

  private:
    AppContext& ctx_;
    QProgressBar* bar_;
};

} // namespace

frmAnalyse::frmAnalyse(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmAnalyse"));
    setWindowTitle(QStringLiteral("  ANALYSIS"));
    setFixedSize(twipsToPixels(6000), twipsToPixels(3000));
    setAutoFillBackground(true);

    lblAnalyse =
        MakeLabel(this, QStringLiteral("The data has been verified, proceed with analysis"), 240,
                  240, 5520, 315);
    lblAnalyse->setObjectName(QStringLiteral("lblAnalyse"));
    proBar = new QProgressBar(this);
    proBar->setObjectName(QStringLiteral("proBar"));
    proBar->setRange(0, 100);
    proBar->setTextVisible(false);
    setTwipsGeometry(proBar, 240, 960, 5520, 315);
    lbl0 = MakeLabel(this, QStringLiteral("0 %"), 240, 1320, 600);
    lbl100 = MakeLabel(this, QStringLiteral("100 %"), 5160, 1320, 600);
    lbl100->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    sscAnalyse = MakeButton(this, "sscAnalyse", QStringLiteral("&Analyse"), 240, 2040, 1800, 495);
    sscAnalyse->setToolTip(QStringLiteral("Analyse the system"));
    sscCancel = MakeButton(this, "sscCancel", QStringLiteral("Ca&ncel"), 2220, 2040, 1800, 495);
    sscCancel->setToolTip(QStringLiteral("Cancel"));
    sscHelp = MakeButton(this, "sscHelp", QString(), 4200, 2040, 1560, 495);
    sscHelp->setToolTip(QStringLiteral("Help"));
    sscHelp->setPicture(ShellPicture(QStringLiteral("help")));
    // Return runs Analyse, and after a run Continue; Esc cancels.
    SetDefaultButton(this, sscAnalyse);

    tmrMatrix = new QTimer(this);
    tmrMatrix->setInterval(MatrixInterval);
    tmrStopMatrix = new QTimer(this);
    tmrStopMatrix->setInterval(MatrixLength);
    tmrStopMatrix->setSingleShot(true);

    connect(tmrMatrix, &QTimer::timeout, this, &frmAnalyse::tmrMatrix_Timer);
    connect(tmrStopMatrix, &QTimer::timeout, this, &frmAnalyse::tmrStopMatrix_Timer);
    connect(sscAnalyse, &PictureButton::clicked, this, &frmAnalyse::sscAnalyse_Click);
    connect(sscCancel, &PictureButton::clicked, this, &frmAnalyse::sscCancel_Click);
    connect(sscHelp, &PictureButton::clicked, this, &frmAnalyse::sscHelp_Click);

    Form_Load();
}

void frmAnalyse::SetControlsVisible(bool visible)
{
    for (QWidget* w : std::initializer_list<QWidget*>{lblAnalyse, proBar, sscAnalyse, sscCancel,
                                                      sscHelp, lbl100, lbl0})
        w->setVisible(visible);
}

// Black surface, the animation running; results shown before are discarded.
void frmAnalyse::Form_Load()
{
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    SetControlsVisible(false);
    tmrMatrix->start();
    tmrStopMatrix->start();
    if (ctx_.store.ResultsValid) DiscardResults(ctx_);
}

void frmAnalyse::tmrMatrix_Timer()
{
    QString line;
    for (int i = 0; i < DigitsPerLine; ++i)
        line += QRandomGenerator::global()->bounded(2) ? QLatin1Char('1') : QLatin1Char('0');
    MatrixLines.append(line);
    update();
}

void frmAnalyse::tmrStopMatrix_Timer()
{
    tmrMatrix->stop();
    MatrixLines.clear();
    setPalette(QPalette());
    SetControlsVisible(true);
    tmrStopMatrix->stop();
    update();
}

void frmAnalyse::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    if (MatrixLines.isEmpty()) return;
    QPainter p(this);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(9);
    p.setFont(font);
    p.setPen(QColor(0, 200, 0));
    const int step = p.fontMetrics().height();
    int y = step;
    for (const QString& line : MatrixLines) {
        p.drawText(4, y, line);
        y += step;
    }
}

// Continue only while the results still describe the input on screen.
void frmAnalyse::sscAnalyse_Click()
{
    if (DiscardStaleResults(ctx_))
        ContinueToResults();
    else
        RunAnalysis();
}

void frmAnalyse::RunAnalysis()
{
    {
        HourglassScope hourglass(ctx_.ui);
        proBar->setVisible(true);
        lbl100->setVisible(true);
        lbl0->setVisible(true);
        sscAnalyse->setEnabled(false);
        ctx_.view.SelectedYear = 1;
        DialogProgress progress(ctx_, proBar);
        const AnalysisOutcome outcome = AnalyseProject(ctx_, progress);
        // A refused run empties the bar before its message shows.
        if (outcome.Status != AnalysisStatus::Completed) proBar->setValue(0);
        ShowOutcomeMessage(outcome);
    }
    if (ctx_.store.ResultsValid) sscAnalyse->setCaption(QStringLiteral("&Continue"));
    sscAnalyse->setEnabled(true);
}

// The high-point comment and the note of a run that found no water after a
// completed run; a failure's message with its reason on a second line.
void frmAnalyse::ShowOutcomeMessage(const AnalysisOutcome& outcome)
{
    auto say = [this](const std::string& text, const char* title, MsgIcon icon) {
        ctx_.ui.msgBox(QString::fromStdString(text), MsgButtons::OK, icon, QString::fromUtf8(title),
                       this);
    };
    if (outcome.Status == AnalysisStatus::Completed) {
        if (ctx_.store.HighPointFlag)
            say(HighPointComment, HighPointCommentTitle, MsgIcon::Information);
        if (!outcome.Note.empty()) say(outcome.Note, HighPointCommentTitle, MsgIcon::Information);
        return;
    }
    // A missed pump curve was told while the run stopped.
    if (outcome.Status != AnalysisStatus::PumpCurveMissed)
        say(AnalysisFailureText(outcome), ErrorTitle, MsgIcon::Exclamation);
}

void frmAnalyse::ContinueToResults()
{
    ResultsWindow* results = ctx_.windows.results.Load();
    if (results) {
        results->ShowCostTables();
        results->FillDistanceCombos();
    }
    hide();
    ShowWorkingWindow(ctx_, results);
    accept();
}

void frmAnalyse::sscCancel_Click()
{
    reject();
}

// Cancel, Esc and the close box alike: the results go and the input window
// comes back at the top left.
void frmAnalyse::reject()
{
    DiscardResults(ctx_);
    QDialog::reject();
    InputWindow* input = ctx_.windows.input.Get();
    ShowWorkingWindow(ctx_, input);
    if (input) placeAtWorkAreaCorner(input->widget());
}

void frmAnalyse::sscHelp_Click()
{
    ctx_.ui.showHelp(HelpTopic);
}

} // namespace vemora
