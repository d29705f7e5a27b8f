#include "display/ModalScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "display/Waiting.h"
#include "support/WaitLimit.h"

namespace vemora::test {

namespace {

constexpr int PollMs = 50;

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// A click in the middle of the button, through the window system's events.
void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QAbstractButton* buttonBoxButton(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    for (auto* box : dialog->findChildren<QDialogButtonBox*>())
        if (QAbstractButton* b = box->button(which); b && b->isVisible()) return b;
    return nullptr;
}

// Shows the print dialog's options (its "Options >>" button) and names the
// page-range choices that can then be seen and chosen.
QStringList offeredPageRange(QWidget* dialog)
{
    for (auto* b : dialog->findChildren<QPushButton*>())
        if (b->isVisible() && withoutMnemonic(b->text()).startsWith(QStringLiteral("Options >>")))
            click(b);
    auto* copies = dialog->findChild<QWidget*>(QStringLiteral("copies"));
    if (!copies || !copies->isVisible()) ADD_FAILURE() << "the print dialog's options did not show";
    QStringList offered;
    for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
        auto* w = dialog->findChild<QWidget*>(QLatin1String(name));
        if (w && w->isVisible() && w->isEnabled()) offered << QLatin1String(name);
    }
    return offered;
}

} // namespace

ModalScript::ModalScript()
{
    sinceProgress_.start();
    QTimer::singleShot(PollMs, &guard_, [this] { poll(); });
}

// A step the program never came to fails the test that set it up, whether or
// not the test waited for it.
ModalScript::~ModalScript()
{
    if (!steps_.empty())
        ADD_FAILURE() << "a step of the modal script was never used: " << waiting().toStdString();
}

ModalScript& ModalScript::then(const QString& what, Match match, Act act)
{
    steps_.push_back({what, std::move(match), std::move(act)});
    return *this;
}

QString ModalScript::waiting() const
{
    if (steps_.empty()) return QString();
    return steps_.front().what + QStringLiteral(" (modal windows seen: ") +
           seen_.join(QStringLiteral(", ")) + QStringLiteral(")");
}

void ModalScript::poll()
{
    // The next look is planned first: the action below may run a nested
    // event loop for as long as the window it opened stays up.
    QTimer::singleShot(PollMs, &guard_, [this] { poll(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        sinceProgress_.restart();
        return;
    }
    if (sinceProgress_.elapsed() > WaitLimitMs()) {
        ADD_FAILURE() << "nothing answered the modal window " << modal->objectName().toStdString()
                      << " \"" << modal->windowTitle().toStdString() << "\"; "
                      << waiting().toStdString() << "; the screen is in "
                      << SaveScreen().toStdString();
        closeModals();
        sinceProgress_.restart();
        return;
    }
    if (steps_.empty() || !modal->isVisible()) return;
    if (!modal->windowHandle() || !modal->windowHandle()->isExposed()) return;
    const QString title = modal->objectName() + QLatin1Char('/') + modal->windowTitle();
    if (!seen_.contains(title)) seen_ << title;
    if (!steps_.front().match(modal)) return;
    const Step step = steps_.front();
    steps_.pop_front();
    sinceProgress_.restart();
    step.act(modal);
}

void ModalScript::closeModals()
{
    for (int i = 0; i < 20; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QCoreApplication::processEvents();
    }
}

ModalScript::Match MessageBox(const QString& text)
{
    return [text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        return box && box->text().contains(text);
    };
}

ModalScript::Match Named(const QString& objectName)
{
    return [objectName](QWidget* w) { return w->objectName() == objectName; };
}

ModalScript::Match PrintDialog()
{
    return [](QWidget* w) { return qobject_cast<QPrintDialog*>(w) != nullptr; };
}

ModalScript::Match PageSetupDialog()
{
    return [](QWidget* w) { return qobject_cast<QPageSetupDialog*>(w) != nullptr; };
}

ModalScript::Match FileDialog()
{
    return [](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; };
}

ModalScript::Act ClickButton(const QString& text)
{
    return [text](QWidget* w) {
        for (auto* b : w->findChildren<QAbstractButton*>())
            if (b->isVisible() && withoutMnemonic(b->text()) == withoutMnemonic(text)) {
                click(b);
                return;
            }
        ADD_FAILURE() << "no button " << text.toStdString() << " in "
                      << w->windowTitle().toStdString();
    };
}

ModalScript::Act PrintToPdf(const QString& path, PrintDialogSeen* seen)
{
    return [path, seen](QWidget* w) {
        auto* printers = w->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = w->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!printers || !file) {
            ADD_FAILURE() << "the print dialog has no printer list or file name box";
            return;
        }
        if (seen)
            *seen = {printers->currentText(), file->text(), printers->count(), offeredPageRange(w)};
        const int pdf = printers->findText(QStringLiteral("Print to File (PDF)"));
        if (pdf < 0) {
            ADD_FAILURE() << "the print dialog offers no PDF file";
            return;
        }
        printers->setCurrentIndex(pdf);
        if (!path.isEmpty()) {
            file->setText(path); // as pasted, without the completer's list
        }
        QAbstractButton* print = buttonBoxButton(w, QDialogButtonBox::Ok);
        if (!print) {
            ADD_FAILURE() << "the print dialog has no Print button";
            return;
        }
        click(print);
    };
}

ModalScript::Act ChooseFile(const QString& path)
{
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        auto* name = w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!dialog || !name) {
            ADD_FAILURE() << "not a file dialog with a file name box";
            return;
        }
        // Set as a paste would: typing letter by letter opens the box's
        // completer, whose list can take the click meant for Open.
        name->setText(path);
        QAbstractButton* accept = buttonBoxButton(w, QDialogButtonBox::Open);
        if (!accept) accept = buttonBoxButton(w, QDialogButtonBox::Save);
        if (!accept) {
            ADD_FAILURE() << "the file dialog has no Open or Save button";
            return;
        }
        click(accept);
    };
}

} // namespace vemora::test
