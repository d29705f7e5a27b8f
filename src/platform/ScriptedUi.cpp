#include "platform/ScriptedUi.h"

#include "platform/PrinterPageDevice.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPrinter>

namespace vemora {

std::optional<QString> ScriptedUi::nextFile()
{
    if (files.empty()) return std::nullopt;
    const bool chosen = files.front().has_value();
    const QString name = chosen ? *files.front() : QString();
    files.pop_front();
    if (!chosen) return std::nullopt;
    return name;
}

static MsgAnswer firstButton(MsgButtons b)
{
    switch (b) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Yes;
    case MsgButtons::RetryCancel:
        return MsgAnswer::Retry;
    default:
        return MsgAnswer::OK;
    }
}

MsgAnswer ScriptedUi::msgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& title, QWidget*)
{
    messages.push_back({text, buttons, icon, title});
    if (answers.empty()) return firstButton(buttons);
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedUi::openFile(const FileDialogRequest& req, QWidget*)
{
    fileRequests.push_back({false, req});
    return nextFile();
}

std::optional<QString> ScriptedUi::saveFile(const FileDialogRequest& req, QWidget*)
{
    fileRequests.push_back({true, req});
    return nextFile();
}

bool ScriptedUi::printDialog(QPrinter& printer, QWidget*)
{
    ++printDialogs;
    if (printAnswers.empty()) return false;
    const bool ok = printAnswers.front();
    printAnswers.pop_front();
    if (ok && !printCopies.empty()) {
        printer.setCopyCount(printCopies.front());
        printCopies.pop_front();
    }
    if (ok && !printFiles.empty()) {
        PrinterPageDevice::setUpPdf(printer, printFiles.front());
        printFiles.pop_front();
    }
    return ok;
}

int ScriptedUi::execDialog(QDialog* dialog)
{
    if (!dialog) return QDialog::Rejected;
    dialogsShown.push_back(dialog->objectName());
    if (dialogHandlers.empty()) return QDialog::Rejected;
    auto handler = std::move(dialogHandlers.front());
    dialogHandlers.pop_front();
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    if (handler) handler(dialog);
    const int result = dialog->result();
    dialog->hide();
    return result;
}

QAction* ScriptedUi::popupMenu(QMenu* menu, const QPoint&)
{
    if (!menu) return nullptr;
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text();
    menusShown.push_back(texts);
    if (menuChoices.empty()) return nullptr;
    const QString choice = menuChoices.front();
    menuChoices.pop_front();
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator() && a->text() == choice && a->isEnabled() && a->isVisible()) {
            a->trigger();
            return a;
        }
    }
    return nullptr;
}

void ScriptedUi::setMousePointer(MousePointer p)
{
    pointer_ = p;
    pointerChanges.push_back(p);
}

void ScriptedUi::setClipboardText(const QString& text)
{
    clipText_ = text;
    clipImage_ = QImage();
}

void ScriptedUi::setClipboardImage(const QImage& image)
{
    clipImage_ = image;
    clipText_.clear();
}

QString ScriptedUi::lastMessage() const
{
    return messages.empty() ? QString() : messages.back().text;
}

QStringList ScriptedUi::unusedAnswers() const
{
    QStringList unused;
    const auto count = [&unused](size_t left, const char* what) {
        if (left > 0) unused << QStringLiteral("%1 %2").arg(left).arg(QLatin1String(what));
    };
    count(answers.size(), "message answer(s)");
    count(files.size(), "file dialog answer(s)");
    count(printAnswers.size(), "print dialog answer(s)");
    count(printCopies.size(), "copy count(s) of an accepted print dialog");
    count(printFiles.size(), "PDF file(s) of an accepted print dialog");
    count(dialogHandlers.size(), "dialog handler(s)");
    count(menuChoices.size(), "popup menu choice(s)");
    return unused;
}

} // namespace vemora
