#include "input/frmImport.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/WorkingViews.h"
#include "input/ImportWizardFrames.h"
#include "platform/ControlBuilders.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "platform/Ui.h"

// The help picture lives in the input resources of the static window library.
static QPixmap importHelpPicture()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(input);
        return true;
    }();
    (void)registered;
    return QPixmap(QStringLiteral(":/input/help.png"));
}

namespace vemora {

namespace {

constexpr int FrameLeft = 90;
constexpr int FrameTop = 90;
constexpr int FrameHeight = 4800;
constexpr int ButtonsTop = FrameTop + FrameHeight + 150;
constexpr int ButtonHeight = 420;
constexpr int WindowHeight = ButtonsTop + ButtonHeight + 150;
constexpr int FrameInterval = 100; // ms between animation frames

const QString ErrorTitle = QStringLiteral("Error !");

QLabel* Wrapped(QWidget* parent, const char* name, const QString& text, int left, int top,
                int width, int height, bool bold = false)
{
    QLabel* label = MakeLabel(parent, text, left, top, width, height);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(TimesFont(bold ? 10 : 9.75, bold));
    return label;
}

QLabel* Picture(QWidget* parent, const char* name, int left, int top, int side)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setScaledContents(true);
    image->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTwipsGeometry(image, left, top, side, side);
    return image;
}

} // namespace

frmImport::frmImport(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("  IMPORT PROFILE DATA WIZARD"));
    setFont(TimesFont(9.75));

    BuildStep1();
    BuildStep2();
    BuildStep3();

    sscPrevious = MakeButton(this, "sscPrevious", QStringLiteral("&Previous"), 1770, ButtonsTop,
                             1350, ButtonHeight);
    sscNext =
        MakeButton(this, "sscNext", QStringLiteral("&Next"), 3240, ButtonsTop, 1350, ButtonHeight);
    sscCancel = MakeButton(this, "sscCancel", QStringLiteral("&Cancel"), 4710, ButtonsTop, 1350,
                           ButtonHeight);
    sscHelp = MakeButton(this, "sscHelp", QString(), 6180, ButtonsTop, 480, ButtonHeight);
    sscHelp->setPicture(
        importHelpPicture().scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const std::pair<PictureButton*, QString> hints[] = {
        {sscPrevious, QStringLiteral("Previous step")},
        {sscNext, QStringLiteral("Next step")},
        {sscCancel, QStringLiteral("Cancel the import profile data wizard")},
        {sscHelp, QStringLiteral("Help")},
        {sscPaste, QStringLiteral("Paste the profile data copied to the clipboard")}};
    for (const auto& [button, hint] : hints)
        button->setToolTip(hint);

    tmrWizard = new QTimer(this);
    tmrWizard->setInterval(FrameInterval);
    tmrPaste = new QTimer(this);
    tmrPaste->setInterval(FrameInterval);

    connect(sscPaste, &PictureButton::clicked, this, &frmImport::sscPaste_Click);
    connect(sscNext, &PictureButton::clicked, this, &frmImport::sscNext_Click);
    connect(sscPrevious, &PictureButton::clicked, this, &frmImport::sscPrevious_Click);
    connect(sscCancel, &PictureButton::clicked, this, &frmImport::sscCancel_Click);
    connect(sscHelp, &PictureButton::clicked, this, &frmImport::sscHelp_Click);
    connect(tmrWizard, &QTimer::timeout, this, &frmImport::tmrWizard_Timer);
    connect(tmrPaste, &QTimer::timeout, this, &frmImport::tmrPaste_Timer);

    SetWidths(NarrowWidth, NarrowFrame, NarrowGrid);
    Form_Load();

    const QSize screen = ctx_.screen.size();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void frmImport::BuildStep1()
{
    fraStep1 = MakeFrame(this, "fraStep1", QStringLiteral("STEP 1"), FrameLeft, FrameTop,
                         NarrowFrame, FrameHeight);
    imgWizard = Picture(fraStep1, "imgWizard", 240, 480, 1800);
    const int left = 2280, width = 5100;
    Label6 = Wrapped(fraStep1, "Label6", QStringLiteral("STEP 1:"), left, 360, width, 255, true);
    Label1 = Wrapped(fraStep1, "Label1",
                     QStringLiteral("The first step is this screen, providing instructions on "
                                    "how to import an existing profile data set from a "
                                    "spreadsheet type program."),
                     left, 620, width, 720);
    Label8 = Wrapped(fraStep1, "Label8", QStringLiteral("STEP 2:"), left, 1400, width, 255, true);
    Label7 = Wrapped(fraStep1, "Label7",
                     QStringLiteral("The next step is to goto the spreadsheet, select the "
                                    "relevant data (pipeline profile), copy it to the clipboard "
                                    "and return to this program in which you will paste the "
                                    "data."),
                     left, 1660, width, 960);
    Label12 = Wrapped(fraStep1, "Label12", QStringLiteral("STEP 3:"), left, 2700, width, 255, true);
    Label11 = Wrapped(fraStep1, "Label11",
                      QStringLiteral("The final step shows your imported data and if you are "
                                     "satisfied that the data is correct import it into the "
                                     "existing project."),
                      left, 2960, width, 720);
    // The '&' of "&Next" marks the button's access key, shown underlined.
    Label13 = Wrapped(fraStep1, "Label13",
                      QStringLiteral("To go to the next step click on the <u>N</u>ext button."),
                      left, 3960, width, 300, true);
    Label13->setTextFormat(Qt::RichText);
}

void frmImport::BuildStep2()
{
    fraStep2 = MakeFrame(this, "fraStep2", QStringLiteral("STEP 2"), FrameLeft, FrameTop,
                         NarrowFrame, FrameHeight);
    Label16 = Wrapped(fraStep2, "Label16",
                      QStringLiteral("Goto your spreadsheet, select the data and click on the "
                                     "paste button below. "),
                      240, 360, 7100, 300);
    Frame1 = MakeFrame(fraStep2, "Frame1", QString(), 240, 900, 2700, 1300);
    sscPaste =
        MakeButton(Frame1, "sscPaste", QStringLiteral("         PASTE"), 180, 300, 2340, 720);
    sscPaste->setFont(TimesFont(12, true));
    imgWizard2[0] = Picture(fraStep2, "imgWizard2(0)", 3600, 720, 1800);
    lblPaste = Wrapped(fraStep2, "lblPaste", QStringLiteral("DATA WAS SUCCESSFULLY PASTED !"), 240,
                       3000, 7100, 400, true);
    lblPaste->setFont(TimesFont(13.5, true));
    QPalette red = lblPaste->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    lblPaste->setPalette(red);
}

void frmImport::BuildStep3()
{
    fraStep3 = MakeFrame(this, "fraStep3", QStringLiteral("STEP 3"), FrameLeft, FrameTop,
                         NarrowFrame, FrameHeight);
    msgFImport = MakeGrid(fraStep3, "msgFImport", 90, 300, NarrowGrid, 3300);
    msgFImport->setCols(8);
    msgFImport->setRows(2);
    msgFImport->setFixedRows(1);
    msgFImport->setFixedCols(1);
    imgWizard2[1] = Picture(fraStep3, "imgWizard2(1)", 90, 3720, 900);
    Label14 = Wrapped(fraStep3, "Label14",
                      QStringLiteral("The final step shows your imported data and if satisfied, "
                                     "the data will be imported into the existing project. "
                                     "(Click on Finish)"),
                      1200, 3780, 6200, 720);
}

void frmImport::Form_Load()
{
    HideMainViews(ctx_);
    for (int k = 1; k <= ImportWizardFrameCount; ++k)
        imgWiz[static_cast<std::size_t>(k - 1)] = ImportWizardFrame(k);
    imgWizard->setPixmap(imgWiz[0]);
    imgWizard2[0]->setPixmap(imgWiz[0]);
    imgWizard2[1]->setPixmap(imgWiz[0]);
    fraStep1->show();
    fraStep2->hide();
    fraStep3->hide();
    lblPaste->hide();
    sscPrevious->setEnabled(false);
    wizardStep_ = 1;
    tmrWizard->start();
}

int frmImport::CurrentStep() const
{
    if (!fraStep3->isHidden()) return 3;
    if (!fraStep2->isHidden()) return 2;
    return 1;
}

void frmImport::SetWidths(int window, int frame, int grid)
{
    setFixedSize(twipsToPixels(window), twipsToPixels(WindowHeight));
    fraStep3->resize(twipsToPixels(frame), fraStep3->height());
    msgFImport->resize(twipsToPixels(grid), msgFImport->height());
}

void frmImport::tmrWizard_Timer()
{
    imgWizard->setPixmap(imgWiz[static_cast<std::size_t>(wizardStep_ - 1)]);
    if (++wizardStep_ > ImportWizardFrameCount) wizardStep_ = 1;
}

// One press of Paste plays the 19 frames once.
void frmImport::tmrPaste_Timer()
{
    imgWizard2[0]->setPixmap(imgWiz[static_cast<std::size_t>(pasteFrame_ - 1)]);
    if (++pasteFrame_ > ImportWizardFrameCount) {
        pasteFrame_ = 1;
        tmrPaste->stop();
    }
}

void frmImport::sscPaste_Click()
{
    // A press while the animation runs lets it run on to its end.
    if (!tmrPaste->isActive()) tmrPaste->start();
    PasteClipboardText();
}

// A paste that Next would refuse is refused at once, with Next's message, and
// shows no success line.
void frmImport::PasteClipboardText()
{
    clipboardText_ = ctx_.ui.clipboardText();
    lblPaste->hide();
    if (clipboardText_.isEmpty()) {
        ctx_.ui.msgBox(QString::fromUtf8(NothingToPasteMessage), MsgButtons::OK, MsgIcon::Question,
                       QStringLiteral("Vemora: Error"), this);
        return;
    }
    ClipboardProfileTable checked;
    const auto outcome = ParseClipboardProfile(clipboardText_.toStdString(), checked);
    if (outcome.status != ClipboardProfileStatus::Ok) {
        ShowRefusal(outcome);
        return;
    }
    lblPaste->show();
}

// Reads the pasted text into the table; false, after its message, when the
// text was not pasted or is refused. A refusal keeps the earlier table.
bool frmImport::ParsePastedProfileTable()
{
    if (lblPaste->isHidden()) {
        ctx_.ui.msgBox(QString::fromUtf8(NoPastedDataMessage), MsgButtons::OK, MsgIcon::Exclamation,
                       ErrorTitle, this);
        return false;
    }
    const auto outcome = ParseClipboardProfile(clipboardText_.toStdString(), importTable_);
    if (outcome.status == ClipboardProfileStatus::Ok) return true;
    // Too many columns needs a new selection, so a new paste.
    if (outcome.status == ClipboardProfileStatus::TooManyColumns) lblPaste->hide();
    ShowRefusal(outcome);
    return false;
}

void frmImport::ShowRefusal(const ClipboardProfileOutcome& outcome)
{
    ctx_.ui.msgBox(QString::fromStdString(outcome.message), MsgButtons::OK, MsgIcon::Exclamation,
                   ErrorTitle, this);
}

void frmImport::ShowImportPreview()
{
    FlexGrid* g = msgFImport;
    const QString headings[8] = {QStringLiteral("Node"),
                                 QStringLiteral("Elevation"),
                                 QStringLiteral("Accumulated length"),
                                 QStringLiteral("Pipe diameter"),
                                 QStringLiteral("Pipe wall thickness"),
                                 QStringLiteral("Pipe cost/metre"),
                                 QStringLiteral("Secondary loss"),
                                 QStringLiteral("Node description")};
    const int widths[8] = {800, 1400, 1400, 1200, 1200, 1200, 1200, 1200};
    g->setRows(ImportRowCount() + 1);
    g->setCols(8);
    for (int c = 0; c < 8; ++c) {
        g->setColWidth(c, widths[c]);
        g->setColAlignment(c, FlexAlign::CenterCenter);
        g->setRow(0);
        g->setCol(c);
        g->setCellFontBold(true);
        g->setText(headings[c]);
    }
    g->setRowHeight(0, 500);
    for (int r = 1; r <= ImportRowCount(); ++r) {
        const auto& row = importTable_[static_cast<std::size_t>(r - 1)];
        for (int c = 1; c <= ClipboardProfileColumns; ++c)
            g->setTextMatrix(r, c,
                             QString::fromStdString(row.cells[static_cast<std::size_t>(c - 1)]));
        g->setTextMatrix(r, 7, QStringLiteral("Node"));
    }
    g->setRow(1);
    g->setCol(1);
    fraStep2->hide();
    fraStep3->show();
    sscNext->setCaption(QStringLiteral("&Finish"));
}

// Replaces the profile by the previewed table; false, after a message, when
// the table is refused (the store is then untouched).
bool frmImport::ApplyImportedProfile()
{
    const auto outcome = ApplyClipboardProfile(importTable_, ctx_.store);
    if (outcome.status != ClipboardProfileStatus::Ok) {
        ShowRefusal(outcome);
        return false;
    }
    DiscardResults(ctx_);
    if (InputWindow* input = ctx_.windows.input.Get()) input->FillProfileGrid();
    return true;
}

// The steps are tried from the last; one press moves one step.
void frmImport::sscNext_Click()
{
    tmrWizard->stop();
    switch (CurrentStep()) {
    case 3:
        if (ApplyImportedProfile()) accept();
        return;
    case 2:
        if (!ParsePastedProfileTable()) return;
        msgFImport->Clear();
        ShowImportPreview();
        SetWidths(WideWidth, WideFrame, WideGrid);
        return;
    default:
        fraStep1->hide();
        fraStep2->show();
        sscPrevious->setEnabled(true);
        return;
    }
}

void frmImport::sscPrevious_Click()
{
    switch (CurrentStep()) {
    case 2:
        fraStep2->hide();
        fraStep1->show();
        sscPrevious->setEnabled(false);
        tmrWizard->start(); // resumes at the frame it stopped at
        return;
    case 3:
        fraStep3->hide();
        fraStep2->show();
        sscNext->setCaption(QStringLiteral("&Next"));
        SetWidths(NarrowWidth, NarrowFrame, NarrowGrid);
        return;
    default:
        return;
    }
}

void frmImport::sscCancel_Click()
{
    reject();
}

void frmImport::sscHelp_Click()
{
    ctx_.ui.showHelp(HelpTopic);
}

void frmImport::done(int result)
{
    tmrWizard->stop();
    tmrPaste->stop();
    QDialog::done(result);
    ShowWorkingWindow(ctx_, ctx_.windows.input.Get());
}

} // namespace vemora
