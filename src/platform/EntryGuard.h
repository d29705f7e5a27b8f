// Guards what comes into a number box, a grid's cell editor or a text box,
// whatever the route: a paste (Ctrl+V, Shift+Insert, the box's own context
// menu, the middle button's selection), a drop, the text an input method
// commits, and a typed character (a number box's owner hands its keys over).
// The status line hears why something was refused (RefusalReasons); the box
// keeps its text and selection. Text set by the program (a loaded project)
// is not looked at.
//
// A number box (NumberGuard): a paste or a drop first loses its outer blanks
// and line ends (a spreadsheet copies a cell with a line end). Where the
// box's key filter applies, a text that the filter would change (a letter, a
// minus sign, a comma, a second line) is refused whole; otherwise the text
// replaces the selection at the caret and the status line is emptied of an
// earlier refusal. What an input method commits is typed, so it goes through
// the key filter as typed keys do. The box's owner hands the guard each
// typed key (TakesKey): where the filter applies, a printable character
// other than a digit or the full stop is dropped, its reason showing until
// the next key taken, the next paste that goes in or the focus leaving the
// box puts back what the line showed before.
//
// A text box (TextGuard) takes only the characters its stored form holds: a
// typed one is dropped with its reason; a paste, a drop or an input method's
// text that holds one is refused whole. A text box of one line takes what
// comes in by those routes on one line, each tab and each line break (CR LF,
// CR or LF) one blank, as a single-line editor does; what the program sets
// (a loaded project's text) keeps its characters.
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

// What the two kinds of guard share: the paste routes of a box of one line.
class EntryGuard : public QObject
{
    Q_OBJECT
  public:
    using ShowReason = std::function<void(const QString&)>;

    // Pastes `text` into a box of one line at the caret as every route does;
    // false when refused or when nothing is left to paste.
    bool Paste(const QString& text);

  protected:
    EntryGuard(QWidget* box, QLineEdit* line, ShowReason showReason);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // The text to put into a box of one line; nothing when refused (the
    // reason shown) or empty.
    virtual std::optional<QString> Take(const QString& text) = 0;
    // The box's events that this kind of guard handles; true when handled.
    virtual bool FilterBoxEvent(QEvent* event) = 0;
    // Whether the box itself takes a dropped `text`.
    virtual bool BoxTakesDrop(const QString& text) const;

    QLineEdit* line_; // the box when it has one line, else null
    ShowReason showReason_;

  private:
    void ShowMenu(const QContextMenuEvent* e);
    void Drop(QDropEvent* e);
    bool FilterPasteEvent(QEvent* event);

    QWidget* box_;
};

class NumberGuard final : public EntryGuard
{
  public:
    using ReadStatus = std::function<QString()>;

    // Whether the number box's key filter applies.
    enum class Keys { Filtered, Unfiltered };

    // Guards a number box for as long as it lives. `showReason` writes a
    // refusal's reason into the status line, and an empty text once a paste
    // has gone in; `readStatus` reads what the line shows, so that the end of
    // a refused key's reason can put it back (without it the line is emptied
    // then).
    NumberGuard(QLineEdit* box, Keys keys, ShowReason showReason, ReadStatus readStatus = {});
    // Guards a cell editor, whose key filter applies to some cells only:
    // `filtered` says whether it applies to what is pasted now.
    NumberGuard(QLineEdit* box, std::function<bool()> filtered, ShowReason showReason,
                ReadStatus readStatus);

    // The owner's key filter: whether the text a key types goes into the box.
    // Where `filtered`, a printable character other than a digit or the full
    // stop is dropped, the first one's reason on the status line; a key taken
    // ends an earlier refusal; a key that types nothing passes and leaves it.
    bool TakesKey(const QString& typed, bool filtered);
    // The focus moved on: a refused key's reason gives way to what the
    // status line showed before it.
    void EndKeyRefusal();

  private:
    std::optional<QString> Take(const QString& text) override;
    bool FilterBoxEvent(QEvent* event) override;
    // Puts back the status line's text of before a refused key, unless
    // another text has replaced the reason since; true when it wrote.
    bool PutBackStatus();

    std::function<bool()> filtered_;
    ReadStatus readStatus_;
    // While a refused key's reason shows: the line's text before it.
    std::optional<QString> beforeRefusal_;
    QString refusal_;
};

class TextGuard final : public EntryGuard
{
  public:
    using Holds = std::function<bool(char32_t)>;

    // Guards a text box of one line or of several, which holds only the
    // characters for which `holds` is true.
    TextGuard(QLineEdit* box, Holds holds, ShowReason showReason);
    TextGuard(TextArea* box, Holds holds, ShowReason showReason);

    // Whether the box may take `text`; otherwise the reason is shown.
    bool TakesText(const QString& text) const;

  private:
    std::optional<QString> Take(const QString& text) override;
    bool FilterBoxEvent(QEvent* event) override;
    bool BoxTakesDrop(const QString& text) const override;
    // The first character of `text` that the box cannot hold.
    std::optional<char32_t> Unheld(const QString& text) const;

    Holds holds_;
};

// The text a paste puts into a number box: `text` without its outer blanks
// and line ends; nothing when `filtered` and the key filter would drop one
// of its characters.
std::optional<QString> PastedNumberText(const QString& text, bool filtered);

} // namespace vemora
