#include "shell/MDIProject.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "platform/ChildWindowFrame.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Screen.h"
#include "platform/StatusPanels.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "project/SystemType.h"
#include "shell/InstallWindows.h"
#include "shell/Pictures.h"
#include "shell/StartupWorkspace.h"

namespace vemora {

namespace {

constexpr int StripHeightTwips = 555;
const char* const FixedPanelCaption = "Vemora  -  Pipeline Life-Cycle Cost Analysis";

PictureButton* MakeToolButton(QWidget* strip, int left, const QString& picture, const QString& tip)
{
    auto* b = new PictureButton(strip);
    setTwipsGeometry(b, left, 60, 375, 375);
    b->setPicture(ShellPicture(picture));
    b->setToolTip(tip);
    return b;
}

QLabel* MakeStripLabel(QWidget* strip, const QString& text, uint32_t colour)
{
    auto* l = new QLabel(text, strip);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, vbColor(colour));
    l->setPalette(pal);
    return l;
}

} // namespace

MDIProject::MDIProject(AppContext& context, QWidget* parent) : QMainWindow(parent), ctx(context)
{
    ctx.main = this;
    setObjectName(QStringLiteral("MDIProject"));
    setWindowIcon(ProgramIcon());

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    sspProject = new QWidget(client);
    sspProject->setFixedHeight(twipsToPixels(StripHeightTwips));
    sspProject->setAutoFillBackground(true);
    mdiArea = new QMdiArea(client);
    // A working window larger than the work area (a small screen) is reached
    // by scrolling the area; its frame never runs under the status bar.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(sspProject);
    layout->addWidget(mdiArea, 1);
    setCentralWidget(client);

    createToolbar();
    createMenus();
    createStatusBar();

    lblWelcome = new QLabel(QStringLiteral("  Welcome to the Vemora Program"), this);
    lblWelcome->hide();
    picLogo = new QLabel(this);
    picLogo->hide();
    tmrWelcome = new QTimer(this);
    tmrWelcome->setInterval(100);
    connect(tmrWelcome, &QTimer::timeout, this, &MDIProject::tmrWelcome_Timer);

    InstallWindows(ctx);

    for (QWidget* w : {static_cast<QWidget*>(mdiArea->viewport()), sspProject,
                       static_cast<QWidget*>(lblSystem), static_cast<QWidget*>(lblProgessBar),
                       static_cast<QWidget*>(proProgressBar), static_cast<QWidget*>(StatusBar)})
        watchPointer(w);
    // The status bar's panels cover it, so each of them resets the pointer too.
    for (int panel = 1; panel <= 4; ++panel)
        watchPointer(StatusBar->panel(panel));

    connectCommands();
    MDIForm_Load();
}

void MDIProject::createToolbar()
{
    sscNew = MakeToolButton(sspProject, 60, QStringLiteral("new"),
                            QStringLiteral("Start a new project"));
    sscOpen = MakeToolButton(sspProject, 480, QStringLiteral("open"),
                             QStringLiteral("Open an existing project"));
    sscSave =
        MakeToolButton(sspProject, 900, QStringLiteral("save"), QStringLiteral("Save the project"));
    sscPrint = MakeToolButton(sspProject, 1320, QStringLiteral("print"),
                              QStringLiteral("Print the project"));
    sscHelp = MakeToolButton(sspProject, 1740, QStringLiteral("help"), QStringLiteral("Help"));
    for (PictureButton* b : {sscNew, sscOpen, sscSave, sscPrint, sscHelp}) {
        connect(b, &PictureButton::GotFocus, this, [this, b] { toolbarButtonFocus(b); });
        connect(b, &PictureButton::MouseMove, this,
                [this] { ctx.ui.setMousePointer(MousePointer::Default); });
    }

    lblSystem = MakeStripLabel(sspProject, QString(), vbcolor::Navy);
    setTwipsGeometry(lblSystem, 2760, 140, 2775, 315);
    QFont bold = lblSystem->font();
    bold.setBold(true);
    lblSystem->setFont(bold);

    lblProgessBar = MakeStripLabel(sspProject, QStringLiteral("Opening project"), vbcolor::Blue);
    setTwipsGeometry(lblProgessBar, 5520, -15, 2115, 255);
    lblProgessBar->hide();

    proProgressBar = new QProgressBar(sspProject);
    setTwipsGeometry(proProgressBar, 5520, 180, 2115, 315);
    proProgressBar->setTextVisible(false);
    proProgressBar->hide();

    sspProject->hide(); // the start-up workspace shows it
}

void MDIProject::createStatusBar()
{
    StatusBar = new StatusPanels(this);
    setStatusBar(StatusBar);
    StatusBar->setPanelText(4, QString::fromLatin1(FixedPanelCaption));
}

void MDIProject::setPanelText(int panel, const QString& text)
{
    StatusBar->setPanelText(panel, text);
}

void MDIProject::showHint(QWidget* writer, const QString& text)
{
    StatusBar->showHint(writer, text);
}

QString MDIProject::panelText(int panel) const
{
    return StatusBar->panelText(panel);
}

void MDIProject::setProgressCaption(const QString& text)
{
    lblProgessBar->setText(text);
}

void MDIProject::setProgressCaptionVisible(bool visible)
{
    lblProgessBar->setVisible(visible);
}

void MDIProject::setProgressValue(int value)
{
    proProgressBar->setValue(value);
}

void MDIProject::setProgressVisible(bool visible)
{
    proProgressBar->setVisible(visible);
}

void MDIProject::setSystemTypeCaption(const QString& text)
{
    lblSystem->setText(text);
}

void MDIProject::setCaption(const QString& text)
{
    setWindowTitle(text);
}

void MDIProject::popupFileMenu(const QPoint& globalPos)
{
    ctx.ui.popupMenu(mnuFile, globalPos);
}

void MDIProject::setHourglass(bool on)
{
    ctx.ui.setMousePointer(on ? MousePointer::Hourglass : MousePointer::Default);
}

void MDIProject::setRoughnessMenuVisible(bool visible)
{
    mnuRoughness->setVisible(visible);
}

QPixmap MDIProject::logo() const
{
    return picLogo->pixmap();
}

void MDIProject::MDIForm_Load()
{
    if (windowState() & Qt::WindowMaximized) setWindowState(windowState() & ~Qt::WindowMaximized);
    placeOverScreen(this, ctx.screen.size());
    setPanelText(HintPanel, QStringLiteral("Open a project or start a new project"));
    WelcomeCharCount = 0;
    WelcomeTick = 0;
    tmrWelcome->start();
    picLogo->setPixmap(ShellPicture(QStringLiteral("PIPE")));
    ctx.store.SystemType = PipelineSystem::Gravity;
    ShowStartupWorkspace(*this);
}

void MDIProject::toolbarButtonFocus(PictureButton* b)
{
    setPanelText(HintPanel, b->toolTip());
}

void MDIProject::watchPointer(QWidget* w)
{
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

bool MDIProject::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseMove) {
        ctx.ui.setMousePointer(MousePointer::Default);
    } else if (e->type() == QEvent::MouseButtonPress && watched == mdiArea->viewport()) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::RightButton) {
            MDIForm_MouseDown(mousebutton::Right, me->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void MDIProject::MDIForm_MouseDown(int button, const QPoint& globalPos)
{
    if (button == mousebutton::Right) popupFileMenu(globalPos);
}

void MDIProject::closeEvent(QCloseEvent* e)
{
    // The close box offers to save pending edits first, as Exit does.
    if (!exitAnswered_ && !SaveEditsFirst()) {
        e->ignore();
        return;
    }
    exitAnswered_ = true;
    // The main window's end is the program's end: every other window goes too.
    e->accept();
    tmrWelcome->stop();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
    QCoreApplication::quit();
}

MDIProject::~MDIProject()
{
    if (ctx.main == this) ctx.main = nullptr;
}

void MDIProject::addWorkingWindow(QWidget* window)
{
    new ChildWindowFrame(window, mdiArea);
}

void MDIProject::showWorkingWindow(QWidget* w)
{
    if (w) w->show();
}

void MDIProject::hideWorkingWindow(QWidget* w)
{
    ChildWindowFrame::HideWindow(w);
}

// A minimised window counts as showing: every command treats it as it
// treats one at its normal size.
bool MDIProject::isWorkingWindowShowing(const QWidget* w) const
{
    return ChildWindowFrame::IsShowing(w);
}

} // namespace vemora
