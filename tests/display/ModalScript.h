// Answers the modal windows the program opens, one after another, as a user
// at the screen would: a timer looks at the active modal window and, when it
// is the one the next step waits for, acts on it (clicks, types, picks). The
// step's action may open further modal windows; later steps answer those
// from the nested event loop.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

class QWidget;

namespace vemora::test {

class ModalScript
{
  public:
    using Match = std::function<bool(QWidget*)>;
    using Act = std::function<void(QWidget*)>;

    ModalScript();
    // Fails the test when a step is still waiting.
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Adds a step: when the active modal window matches, act on it.
    ModalScript& then(const QString& what, Match match, Act act);

    // Whether every step has acted (none waits).
    bool done() const { return steps_.empty(); }
    // What the first waiting step is for, and the window titles seen while
    // it waited.
    QString waiting() const;
    // Closes every modal window left open (after a step that never came),
    // so a failing test unwinds instead of hanging.
    static void closeModals();

  private:
    struct Step
    {
        QString what;
        Match match;
        Act act;
    };
    void poll();

    QObject guard_; // ends the polling with the script
    std::deque<Step> steps_;
    QStringList seen_;
    // Since a step last acted or no modal window stood: a modal window that
    // nothing answers for long is a failure, closed so the test goes on.
    QElapsedTimer sinceProgress_;
};

// Matches a message box whose text holds `text`.
ModalScript::Match MessageBox(const QString& text);
// Matches a window of the given object name (a dialog of the program).
ModalScript::Match Named(const QString& objectName);
// Matches the system print dialog.
ModalScript::Match PrintDialog();
// Matches the system's page set-up dialog (Printer Setup).
ModalScript::Match PageSetupDialog();
// Matches the file dialog.
ModalScript::Match FileDialog();

// Clicks the message box's button that bears `text` ("OK", "&Yes", ...).
ModalScript::Act ClickButton(const QString& text);
// What the print dialog showed when it opened.
struct PrintDialogSeen
{
    QString printer; // the entry chosen
    QString file;    // the file name filled in
    int entries = 0; // entries of the printer list
    // The page-range choices the dialog offers with its options shown
    // ("Pages from ... to ...", "Pages"), by their object names.
    QStringList pageRange;
};
// In the print dialog: chooses "Print to File (PDF)", types the file name
// (kept as it is when empty) and presses Print; `seen` receives what the
// dialog showed first.
ModalScript::Act PrintToPdf(const QString& path = QString(), PrintDialogSeen* seen = nullptr);
// In the file dialog: types the file's path and presses Open (or Save).
ModalScript::Act ChooseFile(const QString& path);

} // namespace vemora::test
