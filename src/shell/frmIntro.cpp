#include "shell/frmIntro.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "app/AppContext.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"
#include "shell/Pictures.h"
#include "shell/Startup.h"

namespace vemora {

namespace {

const char* const IntroFont = "Bookman Old Style";

QLabel* MakeLabel(QWidget* parent, const QString& text, double points, uint32_t colour,
                  bool bold = true)
{
    auto* l = new QLabel(text, parent);
    QFont f(QString::fromLatin1(IntroFont));
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(points);
    f.setBold(bold);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, vbColor(colour));
    l->setPalette(pal);
    return l;
}

// A shadow pair: the red copy first, the white one over it, offset by 20 twips.
void PlacePair(QLabel* white, QLabel* red, int left, int top, int width, int height)
{
    setTwipsGeometry(red, left + 20, top + 20, width, height);
    setTwipsGeometry(white, left, top, width, height);
    white->raise();
}

} // namespace

frmIntro::frmIntro(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmIntro"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(twipsToPixels(7200), twipsToPixels(4800));
    const QSize screen = ctx_.screen.size();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

    imgWelcome = new QLabel(this);
    setTwipsGeometry(imgWelcome, 360, 360, 1440, 1440);

    Label6 = MakeLabel(this, QStringLiteral("VEMORA"), 36, vbcolor::Red);
    Label4 = MakeLabel(this, QStringLiteral("VEMORA"), 36, vbcolor::White);
    PlacePair(Label4, Label6, 2160, 480, 4800, 900);
    Label7 = MakeLabel(this, QStringLiteral("Life-Cycle Costing"), 26.25, vbcolor::Red);
    Label5 = MakeLabel(this, QStringLiteral("Life-Cycle Costing"), 26.25, vbcolor::White);
    PlacePair(Label5, Label7, 600, 1920, 6400, 700);

    lblVersion1 = MakeLabel(this, QString(), 14.25, vbcolor::Yellow);
    setTwipsGeometry(lblVersion1, 600, 2760, 4000, 400);
    Label1 = MakeLabel(this, QStringLiteral("Developed by:"), 11, vbcolor::White);
    setTwipsGeometry(Label1, 600, 3480, 1900, 300);
    Label2 =
        MakeLabel(this, QStringLiteral("The Vemora development team"), 11, vbcolor::White, false);
    setTwipsGeometry(Label2, 2520, 3480, 4560, 300);
    Label3 = MakeLabel(this, QStringLiteral("for water-transfer pipeline planners"), 11,
                       vbcolor::White, false);
    setTwipsGeometry(Label3, 2520, 3840, 4560, 300);

    tmrIntro = new QTimer(this);
    tmrIntro->setInterval(IntroMilliseconds);
    connect(tmrIntro, &QTimer::timeout, this, &frmIntro::tmrIntro_Timer);

    Form_Load();
}

void frmIntro::Form_Load()
{
    lblVersion1->setText(VersionText());
    imgWelcome->setPixmap(ShellPicture(QStringLiteral("PIPE")));
    DrawGradientBackground(this, 0, 0, 100, 0, 0, 255);
    tmrIntro->start();
}

void frmIntro::tmrIntro_Timer()
{
    endSplash();
}

void frmIntro::Form_KeyDown(int keyCode, int)
{
    if (keyCode == keycode::Escape) endSplash();
}

void frmIntro::keyPressEvent(QKeyEvent* e)
{
    // Esc must end the splash the program's way, not merely reject it.
    Form_KeyDown(keyCodeOf(e), shiftOf(e));
    e->accept();
}

void frmIntro::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // The splash takes the keyboard so that Esc reaches it.
    activateWindow();
    setFocus();
}

void frmIntro::endSplash()
{
    if (ended_) return; // the splash ends once
    ended_ = true;
    tmrIntro->stop();
    hide();
    // The main window is up before the splash is closed, so that the program
    // never stands without a window.
    mainWindow_ = ShowMainWindow(ctx_);
    done(QDialog::Accepted);
}

} // namespace vemora
