#include "input/frmLCC.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include "app/AppContext.h"
#include "app/DiscardResults.h"
#include "app/InputFields.h"
#include "platform/FieldBehaviours.h"
#include "platform/Screen.h"
#include "platform/TabControl.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "project/UnitTables.h"

// The laying sketch lives in the input resources of the static window
// library; naming them here keeps the linker from dropping them.
static void InitInputResources()
{
    Q_INIT_RESOURCE(input);
}

namespace vemora {

namespace {

// Window client size in twips, laid out for an 800 x 600 screen.
constexpr int WindowWidth = 10200;
constexpr int WindowHeight = 6840;

void FillList(QComboBox* list, const UnitList& units)
{
    for (const Unit& unit : units)
        list->addItem(QString::fromUtf8(unit.Text));
    list->setCurrentIndex(-1);
}

} // namespace

frmLCC::frmLCC(AppContext& context, QWidget* parent) : QWidget(parent), ctx(context)
{
    InitInputResources();
    fields_ = new FieldBehaviours(
        this, [this](const QString& hint) { ctx.mainWindow().showHint(this, hint); },
        [this] { return ctx.mainWindow().panelText(MainWindow::HintPanel); });
    setObjectName(QStringLiteral("frmLCC"));
    setWindowTitle(QStringLiteral("  LIFE CYCLE COSTING ANALYSIS INPUT DATA"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setMouseTracking(true);
    setFixedSize(twipsToPixels(WindowWidth), twipsToPixels(WindowHeight));

    sstInput = new TabControl(this);
    sstInput->setObjectName(QStringLiteral("sstInput"));
    setTwipsGeometry(sstInput, 60, 60, WindowWidth - 120, WindowHeight - 120);
    sstInput->addTab(BuildGeneralPage(), QStringLiteral("General Data"));
    sstInput->addTab(BuildProfilePage(), QStringLiteral("Profile Data"));
    sstInput->addTab(BuildEnergyPage(), QStringLiteral("Energy Data"));
    sstInput->addTab(BuildRatesPage(), QStringLiteral("Rates and Sales"));

    tmrCurrency = new QTimer(this);
    tmrCurrency->setObjectName(QStringLiteral("tmrCurrency"));
    tmrCurrency->setInterval(5);
    tmrCurrency->setSingleShot(true);

    BuildCellEditing();
    ConnectHandlers();
    Form_Load();
}

// Load: the laying sketch and the unit lists' entries.
void frmLCC::Form_Load()
{
    placeAtWorkAreaCorner(this);
    imgLaying->setPixmap(QPixmap(QStringLiteral(":/input/Laying")));

    const std::vector<UnitListRow>& lists = EveryUnitList();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        FillList(unitLists_[i], *lists[i].unit->entries);
        // A unit code is saved like any value: a pick discards the results.
        connect(unitLists_[i], &QComboBox::currentIndexChanged, this,
                [this] { DiscardResults(ctx); });
    }

    // The mouse wheel changes a unit list, a scroll bar or the date only when
    // that control has the focus, never while the pointer merely passes over.
    fields_->GuardWheels(this);
}

void frmLCC::ShowHelpTopic(int topic)
{
    ctx.ui.showHelp(topic);
}

bool frmLCC::eventFilter(QObject* watched, QEvent* event)
{
    // A left click on a tariff hour label. The second click of a quick pair
    // arrives as a double click and counts as a click of its own.
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < 24; ++i) {
            if (watched == lblSummerHour[static_cast<size_t>(i)]) {
                lblSummerHour_Click(i);
                return true;
            }
            if (watched == lblWinterHour[static_cast<size_t>(i)]) {
                lblWinterHour_Click(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- Window events ----------------------------------------------------------

// Mouse events that a control (a label, a frame, a tab page) leaves unhandled
// reach the window too; only those over the bare window count as its own.
bool frmLCC::OverBareWindow(const QMouseEvent* e) const
{
    return childAt(e->position().toPoint()) == nullptr;
}

void frmLCC::mouseMoveEvent(QMouseEvent* e)
{
    if (OverBareWindow(e))
        ctx.mainWindow().showHint(this, QStringLiteral("Enter the project General Data"));
    QWidget::mouseMoveEvent(e);
}

// A right click on the bare window opens the main window's File menu; one on
// a control that does not handle it does nothing.
void frmLCC::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::RightButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    if (!OverBareWindow(e)) {
        e->accept(); // not passed on to the main window's client area either
        return;
    }
    ctx.mainWindow().popupFileMenu(e->globalPosition().toPoint());
    e->accept(); // handled here, not again by the main window's client area
}

void frmLCC::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    placeAtWorkAreaCorner(this);
}

} // namespace vemora
