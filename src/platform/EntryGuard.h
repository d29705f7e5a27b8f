// Guards what comes into a number box, a grid's cell editor or a text box,
// whatever the route: a paste (Ctrl+V, Shift+Insert, the box's own context
// menu, the middle button's selection), a drop, the text an input method
// commits, and (in a text box) a typed character. The status line hears why
// something was refused (RefusalReasons); the box keeps its text and
// selection. Text set by the program (a loaded project) is not looked at.
//
// A number box: a paste or a drop first loses its outer blanks and line ends
// (a spreadsheet copies a cell with a line end). Where the box's key filter
// applies, a text that the filter would change (a letter, a minus sign, a
// comma, a second line) is refused whole; otherwise the text replaces the
// selection at the caret and the status line is emptied of an earlier
// refusal. What an input method commits is typed, so it goes through the key
// filter as typed keys do. The key filter itself stays with the box's owner,
// which tells the guard of each key it drops (RefuseKey) and takes
// (EndKeyRefusal): a printable key's reason shows until the next key taken,
// the next paste that goes in or the focus leaving the box puts back what
// the line showed before.
//
// A text box takes only the characters its stored form holds: a typed one
// is dropped with its reason; a paste, a drop or an input method's text that
// holds one is refused whole. A text box of one line takes what comes in by
// those routes on one line, each tab and each line break (CR LF, CR or LF)
// one blank, as a single-line editor does; what the program sets (a loaded
// project's text) keeps its characters.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QContextMenuEvent;
class QDropEvent;
class QLineEdit;
class QWidget;

namespace vemora {

class TextArea;

class EntryGuard : public QObject
{
    Q_OBJECT
  public:
    using ShowReason = std::function<void(const QString&)>;
    using Holds = std::function<bool(char32_t)>;

    // Whether the number box's key filter applies to pasted text.
    enum class NumberKeys { Filtered, Unfiltered };

    // Guards a number box for as long as it lives. `showReason` writes a
    // refusal's reason into the status line, and an empty text once a paste
    // has gone in.
    EntryGuard(QLineEdit* box, NumberKeys keys, ShowReason showReason);
    // Guards a cell editor, whose key filter applies to some cells only:
    // `filtered` says whether it applies now.
    EntryGuard(QLineEdit* box, std::function<bool()> filtered, ShowReason showReason);
    // Guards a text box of one line or of several, which holds only the
    // characters for which `holds` is true.
    EntryGuard(QLineEdit* box, Holds holds, ShowReason showReason);
    EntryGuard(TextArea* box, Holds holds, ShowReason showReason);

    // Pastes `text` into a box of one line at the caret as every route does;
    // false when refused or when nothing is left to paste.
    bool Paste(const QString& text);

    // Where the status line's text is read, so that the end of a refused
    // key's reason can put it back; without it the line is emptied then.
    void setStatusReader(std::function<QString()> read);
    // The number box's key filter dropped the typed character `c`: a
    // printable one's reason goes to the status line.
    void RefuseKey(char32_t c);
    // The key filter took a key (or the focus moved on): a refused key's
    // reason gives way to what the status line showed before it.
    void EndKeyRefusal();

    // Whether a text box may take `text`; otherwise the reason is shown.
    bool TakesText(const QString& text) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    EntryGuard(QWidget* box, QLineEdit* line, ShowReason showReason);

    // The text to put into a box of one line; nothing when refused (the
    // reason shown) or empty.
    std::optional<QString> Take(const QString& text);
    void ShowMenu(const QContextMenuEvent* e);
    void Drop(QDropEvent* e);
    bool FilterPasteEvent(QEvent* event);
    bool FilterNumberEvent(QEvent* event);
    bool FilterTextEvent(QEvent* event);
    // The first character of `text` that a text box cannot hold.
    std::optional<char32_t> Unheld(const QString& text) const;

    // Puts back the status line's text of before a refused key, unless
    // another text has replaced the reason since; true when it wrote.
    bool PutBackStatus();

    QWidget* box_;
    QLineEdit* line_; // the box when it has one line, else null
    // A number box's filter; a text box has none and holds_ instead.
    std::function<bool()> filtered_;
    Holds holds_;
    ShowReason showReason_;
    std::function<QString()> readStatus_;
    // While a refused key's reason shows: the line's text before it.
    std::optional<QString> beforeRefusal_;
    QString refusal_;
};

// The text a paste puts into a number box: `text` without its outer blanks
// and line ends; nothing when `filtered` and the key filter would drop one
// of its characters.
std::optional<QString> PastedNumberText(const QString& text, bool filtered);

} // namespace vemora
