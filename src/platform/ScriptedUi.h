// Services for tests: every request is recorded, and answers come from
// queues the test fills beforehand. A test hands it to the application
// context (or to the control) under test.
#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Ui.h"

namespace vemora {

class ScriptedUi : public Ui
{
  public:
    struct Message
    {
        QString text;
        MsgButtons buttons;
        MsgIcon icon;
        QString title;
    };
    struct FileRequest
    {
        bool save;
        FileDialogRequest req;
    };

    ScriptedUi() = default;
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    // Queued answers. With the queue empty a message box answers its first
    // button (OK or Yes, Retry), a file dialog is cancelled, a printer dialog
    // cancelled, a modal dialog rejected, and a popup menu chooses nothing.
    std::deque<MsgAnswer> answers;
    std::deque<std::optional<QString>> files;
    std::deque<bool> printAnswers;
    // The copies chosen in each accepted printer dialog (one when empty).
    std::deque<int> printCopies;
    // The PDF file each accepted printer dialog prints to (the printer as
    // it stands when empty).
    std::deque<QString> printFiles;
    // Each queued handler gets the dialog while it is "shown" and may click
    // its buttons; the dialog's result is then returned.
    std::deque<std::function<void(QDialog*)>> dialogHandlers;
    // Popup menus: the text of the action to choose (as shown, with '&'), or
    // "" for none.
    std::deque<QString> menuChoices;

    // What was asked.
    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;
    std::vector<QString> dialogsShown;   // object names of dialogs executed
    std::vector<QStringList> menusShown; // action texts of each popup
    std::vector<int> helpTopics;
    std::vector<MousePointer> pointerChanges;
    int printDialogs = 0;
    int printerSetups = 0;

    MsgAnswer msgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                     QWidget* parent = nullptr) override;
    std::optional<QString> openFile(const FileDialogRequest& req,
                                    QWidget* parent = nullptr) override;
    std::optional<QString> saveFile(const FileDialogRequest& req,
                                    QWidget* parent = nullptr) override;
    bool printDialog(QPrinter& printer, QWidget* parent = nullptr) override;
    bool printerSetup(QPrinter&, QWidget* = nullptr) override
    {
        ++printerSetups;
        return false;
    }
    int execDialog(QDialog* dialog) override;
    QAction* popupMenu(QMenu* menu, const QPoint& globalPos) override;
    void setMousePointer(MousePointer p) override;
    MousePointer mousePointer() const override { return pointer_; }
    QString clipboardText() const override { return clipText_; }
    void setClipboardText(const QString& text) override;
    QImage clipboardImage() const override { return clipImage_; }
    void setClipboardImage(const QImage& image) override;
    void showHelp(int topic) override { helpTopics.push_back(topic); }

    // The last message's text ("" when none).
    QString lastMessage() const;
    // The queued answers nothing took: one line for each queue that still
    // holds some ("2 message answers"); empty when every one was used.
    QStringList unusedAnswers() const;

  private:
    std::optional<QString> nextFile();

    MousePointer pointer_ = MousePointer::Default;
    QString clipText_;
    QImage clipImage_;
};

} // namespace vemora
