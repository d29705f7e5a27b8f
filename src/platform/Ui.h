// The user-interface services the windows call for anything that waits on
// the user or touches the desktop: message boxes, file and printer dialogs,
// modal dialogs, popup menus, the mouse pointer, the clipboard and help.
// The program hands the Qt implementation (QtUi) to its application context;
// a test hands a ScriptedUi that records every request and answers from a
// queue, so no test ever waits on a real dialog.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

class QAction;
class QDialog;
class QMenu;
class QPrinter;
class QWidget;

namespace vemora {

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { OK, Cancel, Yes, No, Retry };

enum class MousePointer { Default, Hourglass };

// Open and Save As dialogs. The filter is written as pairs
// "description|pattern|description|pattern"; filterIndex counts from 1.
struct FileDialogRequest
{
    QString title;
    QString initDir;
    QString filter;
    int filterIndex = 1;
    QString fileName;
    bool overwritePrompt = false; // Save As: ask before replacing a file
};

class Ui
{
  public:
    virtual ~Ui() = default;

    // A message box; returns the button chosen (closing it counts as Cancel
    // where there is one, otherwise as the only or last button).
    virtual MsgAnswer msgBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& title, QWidget* parent = nullptr) = 0;

    // The chosen file's full path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& req,
                                            QWidget* parent = nullptr) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& req,
                                            QWidget* parent = nullptr) = 0;

    // The printer dialog; false when cancelled. The printer keeps the copies
    // and settings chosen.
    virtual bool printDialog(QPrinter& printer, QWidget* parent = nullptr) = 0;
    // The printer set-up dialog; false when cancelled or not available.
    virtual bool printerSetup(QPrinter& /*printer*/, QWidget* /*parent*/ = nullptr)
    {
        return false;
    }

    // Shows a dialog modally and returns its result (QDialog::Accepted or
    // Rejected).
    virtual int execDialog(QDialog* dialog) = 0;

    // Pops up a menu at a screen position; triggers and returns the action
    // chosen, nullptr when none.
    virtual QAction* popupMenu(QMenu* menu, const QPoint& globalPos) = 0;

    virtual void setMousePointer(MousePointer p) = 0;
    virtual MousePointer mousePointer() const = 0;

    virtual QString clipboardText() const = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QImage clipboardImage() const = 0;
    virtual void setClipboardImage(const QImage& image) = 0;

    // Opens the help at a topic number, beside the program; returns at once.
    virtual void showHelp(int topic) = 0;
    // The window the help window stands beside (the main window, once it is
    // up) and the part of it over which the help first opens (its working
    // area below the menus and the toolbar, which so stay free); services
    // without a help window ignore them.
    virtual void setHelpParent(QWidget* /*window*/, QWidget* /*openOver*/ = nullptr) {}
};

// Keeps the hourglass up while in scope.
class HourglassScope
{
  public:
    explicit HourglassScope(Ui& ui) : ui_(ui) { ui_.setMousePointer(MousePointer::Hourglass); }
    ~HourglassScope() { ui_.setMousePointer(MousePointer::Default); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;

  private:
    Ui& ui_;
};

} // namespace vemora
