#include "converter/frmConverter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <string>

#include "app/AppContext.h"
#include "app/WorkingViews.h"
#include "engine/UnitConversion.h"
#include "platform/ControlBuilders.h"
#include "platform/EntryGuard.h"
#include "platform/PictureButton.h"
#include "platform/TextBox.h"
#include "platform/TimesFont.h"
#include "platform/Twips.h"
#include "platform/Ui.h"

// The help picture lives in a resource file compiled into a static library,
// so it is registered by hand before its first use.
static QPixmap converterHelpPicture()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(converter);
        return true;
    }();
    (void)registered;
    return QPixmap(QStringLiteral(":/converter/help.png"));
}

namespace vemora {

namespace {

QLabel* Heading(QWidget* parent, const QString& text, int left, int top, int width, int height)
{
    QLabel* label = MakeLabel(parent, text, left, top, width, height);
    label->setFont(TimesFont(11.25, true));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, vbColor(vbcolor::Blue));
    label->setPalette(pal);
    return label;
}

QComboBox* UnitList(QWidget* parent, const char* name, int top)
{
    QComboBox* list = MakeUnitList(parent, name, 2640, top, 3255);
    setTwipsGeometry(list, 2640, top, 3255, 345);
    QPalette pal = list->palette();
    pal.setColor(QPalette::Text, vbColor(vbcolor::Navy));
    pal.setColor(QPalette::ButtonText, vbColor(vbcolor::Navy));
    list->setPalette(pal);
    list->view()->setPalette(pal);
    return list;
}

// How many pixels the text field of `list` lacks for the widest unit text
// of any group.
int MissingUnitTextWidth(const QComboBox* list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    const int field =
        list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width();
    int widest = 0;
    for (std::size_t g = 0; g < UnitGroupNames().size(); ++g)
        for (const ConversionUnit& unit : GroupUnits(static_cast<UnitGroup>(g)))
            widest = std::max(widest,
                              list->fontMetrics().horizontalAdvance(QString::fromUtf8(unit.text)));
    // A few pixels for the text's own margin inside the field.
    return std::max(0, widest + 4 - field);
}

} // namespace

frmConverter::frmConverter(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmConverter"));
    setWindowTitle(QStringLiteral("  Unit converter"));
    setFont(TimesFont(9, false));
    setFixedSize(twipsToPixels(6015), twipsToPixels(2730));

    Label1 = Heading(this, QStringLiteral("Unit group"), 120, 120, 1935, 375);
    lstUnit = new QListWidget(this);
    lstUnit->setObjectName(QStringLiteral("lstUnit"));
    lstUnit->setSelectionMode(QAbstractItemView::SingleSelection);
    setTwipsGeometry(lstUnit, 120, 480, 2175, 2085);

    Label3 = Heading(this, QStringLiteral("Convert:"), 2640, 120, 975, 255);
    txtConvert = new TextBox(this);
    txtConvert->setObjectName(QStringLiteral("txtConvert"));
    txtConvert->setText(QStringLiteral("0"));
    setTwipsGeometry(txtConvert, 3600, 120, 1335, 330);

    sscHelp = MakeButton(this, "sscHelp", QString(), 5520, 120, 375, 375);
    sscHelp->setToolTip(QStringLiteral("Help"));
    sscHelp->setPicture(
        converterHelpPicture().scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    comUnit[0] = UnitList(this, "comUnit(0)", 600);
    Label4 = Heading(this, QStringLiteral("to"), 2640, 975, 3015, 255);
    comUnit[1] = UnitList(this, "comUnit(1)", 1320);
    lblConvert = Heading(this, QStringLiteral("="), 2640, 1800, 3255, 255);
    lblConvert->setObjectName(QStringLiteral("lblConvert"));

    sscConvert = MakeButton(this, "sscConvert", QStringLiteral("&Convert"), 2640, 2280, 1275);
    sscConvert->setToolTip(QStringLiteral("Convert"));
    sscExit = MakeButton(this, "sscExit", QStringLiteral("E&xit"), 3960, 2280, 1275);
    sscExit->setToolTip(QStringLiteral("Exit the unit converter program"));
    for (PictureButton* b : {sscConvert, sscExit})
        b->setFont(TimesFont(9.75, true));

    connect(lstUnit, &QListWidget::currentRowChanged, this, &frmConverter::lstUnit_Click);
    for (int i = 0; i < 2; ++i)
        connect(comUnit[static_cast<size_t>(i)], &QComboBox::currentIndexChanged, this,
                [this, i] { comUnit_Click(i); });
    connect(txtConvert, &TextBox::KeyPress, this, &frmConverter::txtConvert_KeyPress);
    // A paste that is not wholly digits and points is refused, the reason on
    // the main window's status line; one that goes in, a cut or an undo
    // changes the value as typing does.
    guard_ = new NumberGuard(
        txtConvert, NumberGuard::Keys::Filtered,
        [this](const QString& reason) { ctx_.mainWindow().showHint(this, reason); },
        [this] { return ctx_.mainWindow().panelText(MainWindow::HintPanel); });
    connect(txtConvert, &QLineEdit::textEdited, this, &frmConverter::ResetResult);
    connect(sscConvert, &PictureButton::clicked, this, &frmConverter::sscConvert_Click);
    connect(sscExit, &PictureButton::clicked, this, &frmConverter::sscExit_Click);
    connect(sscHelp, &PictureButton::clicked, this, &frmConverter::sscHelp_Click);

    WidenForUnitTexts();
    Form_Load();

    // In the centre of the screen.
    const QSize screen = ctx_.screen.size();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

// The layout's unit lists cut the longest units off ("kilogram force per
// millimetre squared (kg/mm²)"); the lists, the result line, the help button
// and the window grow by what the widest unit text needs.
void frmConverter::WidenForUnitTexts()
{
    const int extra = MissingUnitTextWidth(comUnit[0]);
    if (extra == 0) return;
    for (QWidget* w : {static_cast<QWidget*>(comUnit[0]), static_cast<QWidget*>(comUnit[1]),
                       static_cast<QWidget*>(lblConvert)})
        w->resize(w->width() + extra, w->height());
    sscHelp->move(sscHelp->x() + extra, sscHelp->y());
    setFixedSize(width() + extra, height());
}

void frmConverter::Form_Load()
{
    for (std::string_view name : UnitGroupNames())
        lstUnit->addItem(QString::fromUtf8(name));
    lstUnit->setCurrentRow(0);
}

void frmConverter::ResetResult()
{
    lblConvert->setText(QStringLiteral("="));
}

void frmConverter::lstUnit_Click()
{
    QListWidgetItem* item = lstUnit->currentItem();
    const auto group = item ? FindUnitGroup(item->text().trimmed().toStdString()) : std::nullopt;
    for (QComboBox* list : comUnit) {
        list->clear();
        if (!group) continue;
        for (const ConversionUnit& unit : GroupUnits(*group))
            list->addItem(QString::fromUtf8(unit.text));
    }
    for (QComboBox* list : comUnit)
        list->setCurrentIndex(list->count() > 0 ? 0 : -1);
    ResetResult();
}

void frmConverter::comUnit_Click(int)
{
    ResetResult();
}

// Digits, the point, Backspace and Enter reach the box; every other typed
// character is dropped, and told on the status line. Esc passes on to close
// the window. Whatever was typed, a shown result no longer belongs to the
// value.
void frmConverter::txtConvert_KeyPress(int& ascii)
{
    if (!guard_->TakesKey(QChar(ascii), true)) ascii = 0;
    ResetResult();
}

void frmConverter::sscConvert_Click()
{
    QListWidgetItem* group = lstUnit->currentItem();
    std::string line;
    const ConversionStatus status = ConvertUnitValue(
        group ? group->text().toStdString() : std::string(),
        comUnit[0]->currentText().toStdString(), comUnit[1]->currentText().toStdString(),
        txtConvert->text().toStdString(), line);
    if (status != ConversionStatus::Ok) {
        ctx_.ui.msgBox(QString::fromUtf8(ConversionErrorMessage), MsgButtons::OK,
                       MsgIcon::Exclamation, QStringLiteral("Vemora"), this);
        return;
    }
    lblConvert->setText(QString::fromStdString(line));
}

void frmConverter::sscExit_Click()
{
    reject();
}

void frmConverter::sscHelp_Click()
{
    ctx_.ui.showHelp(HelpTopic);
}

void frmConverter::done(int result)
{
    QDialog::done(result);
    RestoreCurrentView(ctx_);
}

} // namespace vemora
