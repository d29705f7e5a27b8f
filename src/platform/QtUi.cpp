#include "platform/QtUi.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>

#include "platform/HelpWindow.h"

namespace vemora {

QStringList qtFileFilters(const QString& pipeFilter)
{
    QStringList out;
    const QStringList parts = pipeFilter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString desc = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(';', ' ');
        // Qt reads the patterns from the last parentheses; add them when the
        // description does not already end with the same list.
        if (desc.endsWith("(" + patterns + ")"))
            out << desc;
        else
            out << desc + " (" + patterns + ")";
    }
    return out;
}

// Without a display nobody can answer a dialog: rather than wait for ever,
// the services answer as if the user had cancelled (or taken the first
// button) and say so on the console.
static bool cannotAsk(const char* what)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) return false;
    qWarning("vemora: %s not shown without a display", what);
    return true;
}

static QWidget* dialogParent(QWidget* parent)
{
    return parent ? parent : QApplication::activeWindow();
}

MsgAnswer QtUi::msgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                       QWidget* parent)
{
    if (cannotAsk("message box")) {
        qWarning("  %s: %s", qPrintable(title), qPrintable(text));
        switch (buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Yes;
        case MsgButtons::RetryCancel:
            return MsgAnswer::Cancel;
        default:
            return MsgAnswer::OK;
        }
    }
    QMessageBox box(dialogParent(parent));
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    QMessageBox::StandardButtons set;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    switch (buttons) {
    case MsgButtons::OK:
        set = QMessageBox::Ok;
        break;
    case MsgButtons::OKCancel:
        set = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case MsgButtons::YesNo:
        set = QMessageBox::Yes | QMessageBox::No;
        first = QMessageBox::Yes;
        break;
    case MsgButtons::YesNoCancel:
        set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        first = QMessageBox::Yes;
        break;
    case MsgButtons::RetryCancel:
        set = QMessageBox::Retry | QMessageBox::Cancel;
        first = QMessageBox::Retry;
        break;
    }
    box.setStandardButtons(set);
    box.setDefaultButton(first);
    const int r = box.exec();
    switch (r) {
    case QMessageBox::Ok:
        return MsgAnswer::OK;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        // Closed from the title bar.
        if (buttons == MsgButtons::OK) return MsgAnswer::OK;
        if (buttons == MsgButtons::YesNo) return MsgAnswer::No;
        return MsgAnswer::Cancel;
    }
}

static std::optional<QString> runFileDialog(const FileDialogRequest& req, QWidget* parent,
                                            bool save)
{
    if (cannotAsk("file dialog")) return std::nullopt;
    QFileDialog dlg(dialogParent(parent), req.title, req.initDir);
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = qtFileFilters(req.filter);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        const int idx = req.filterIndex - 1;
        if (idx >= 0 && idx < filters.size()) dlg.selectNameFilter(filters[idx]);
    }
    if (!req.fileName.isEmpty()) dlg.selectFile(req.fileName);
    if (save) {
        // A name typed without an extension takes the chosen filter's ("hill"
        // is saved as "hill.kpj"), so Open finds the file again.
        const QStringList parts = req.filter.split(QLatin1Char('|'));
        const qsizetype at = 2 * static_cast<qsizetype>(std::max(req.filterIndex, 1)) - 1;
        const QString pattern = at < parts.size() ? parts[at].trimmed() : QString();
        if (pattern.startsWith(QLatin1String("*.")) && !pattern.contains(QLatin1Char(';')) &&
            !pattern.mid(2).contains(QLatin1Char('*')))
            dlg.setDefaultSuffix(pattern.mid(2));
    }
    if (save && !req.overwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dlg.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    return chosen.first();
}

std::optional<QString> QtUi::openFile(const FileDialogRequest& req, QWidget* parent)
{
    return runFileDialog(req, parent, false);
}

std::optional<QString> QtUi::saveFile(const FileDialogRequest& req, QWidget* parent)
{
    return runFileDialog(req, parent, true);
}

namespace {

// Every print prints all its pages, so the print dialog offers no page
// range. Qt's own dialog on this desktop shows its page-range group
// ("Pages from ... to ...") each time it opens, whatever the options say:
// the group is hidden again as the dialog shows, before it is on screen.
class PageRangeHider : public QObject
{
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* range = watched->findChild<QWidget*>(QStringLiteral("gbPrintRange")))
                range->hide();
        return false;
    }
};

} // namespace

bool QtUi::printDialog(QPrinter& printer, QWidget* parent)
{
    if (cannotAsk("printer dialog")) return false;
    QPrintDialog dlg(&printer, dialogParent(parent));
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    // On this desktop the dialog's only PDF printer is its "Print to File
    // (PDF)" entry: it stays offered, printer queue or not.
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    PageRangeHider hider;
    dlg.installEventFilter(&hider);
    printer.setPrintRange(QPrinter::AllPages);
    return dlg.exec() == QDialog::Accepted;
}

bool QtUi::printerSetup(QPrinter& printer, QWidget* parent)
{
    if (cannotAsk("printer set-up dialog")) return false;
    QPageSetupDialog dlg(&printer, dialogParent(parent));
    return dlg.exec() == QDialog::Accepted;
}

// The window manager shortens a caption that its title bar cannot hold; a
// dialog that may grow is made wide enough for its whole caption, in the
// desktop's bold title font, beside the frame's icon and three buttons.
static void widenForCaption(QWidget* dialog)
{
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int frameButtons = 4 * (metrics.height() + 10);
    const int needed = metrics.horizontalAdvance(dialog->windowTitle()) + frameButtons + 40;
    if (dialog->minimumWidth() < needed)
        dialog->setMinimumWidth(std::min(needed, dialog->maximumWidth()));
}

int QtUi::execDialog(QDialog* dialog)
{
    if (!dialog || cannotAsk("modal dialog")) return QDialog::Rejected;
    widenForCaption(dialog);
    return dialog->exec();
}

QAction* QtUi::popupMenu(QMenu* menu, const QPoint& globalPos)
{
    if (!menu || cannotAsk("popup menu")) return nullptr;
    return menu->exec(globalPos);
}

void QtUi::setMousePointer(MousePointer p)
{
    if (p == pointer_) return;
    pointer_ = p;
    if (p == MousePointer::Hourglass) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
}

QString QtUi::clipboardText() const
{
    return QApplication::clipboard()->text();
}

void QtUi::setClipboardText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

QImage QtUi::clipboardImage() const
{
    return QApplication::clipboard()->image();
}

void QtUi::setClipboardImage(const QImage& image)
{
    QApplication::clipboard()->setImage(image);
}

QWidget* QtUi::helpHome() const
{
    return helpParent_ ? helpParent_.data() : QApplication::activeWindow();
}

void QtUi::showHelp(int topic)
{
    // A modal dialog blocks every window but its own, so the help opened from
    // one belongs to it while it is open, and goes back when it closes.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* parent = modal ? modal : helpHome();
    if (help_ && parent == help_) parent = help_->parentWidget();
    if (!help_) {
        help_ = new HelpWindow(paths_, parent);
        placeHelpInArea();
    } else if (help_->parentWidget() != parent) {
        moveHelpTo(parent);
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        QObject::connect(
            dialog, &QDialog::finished, help_,
            [this, dialog] {
                if (!help_ || help_->parentWidget() != dialog) return;
                // Back to the modal dialog beneath, if any, or else home.
                QWidget* next = QApplication::activeModalWidget();
                if (!next || next == dialog) next = helpParent_.data();
                moveHelpTo(next);
            },
            Qt::SingleShotConnection);
    }
    help_->showTopic(topic);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

// The window's frame goes to the area's top edge, its right edge to the
// area's right edge; it shrinks to fit the area. Until a window is first
// shown its frame is unknown, so room for a title bar is kept.
void QtUi::placeHelpInArea()
{
    if (!helpArea_ || !helpArea_->isVisible()) return;
    const QRect area(helpArea_->mapToGlobal(QPoint(0, 0)), helpArea_->size());
    QSize frame = help_->frameGeometry().size() - help_->geometry().size();
    if (frame.isEmpty())
        frame = QSize(8, help_->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    const QSize size = help_->size().boundedTo(area.size() - frame);
    help_->resize(size);
    help_->move(area.right() + 1 - size.width() - frame.width(), area.top());
}

void QtUi::moveHelpTo(QWidget* parent)
{
    const QRect place = help_->geometry();
    const bool shown = help_->isVisible();
    help_->setParent(parent, Qt::Window);
    help_->setGeometry(place);
    if (shown) help_->show();
}

} // namespace vemora
