// Text that reaches a number box or a grid's cell editor other than as typed
// keys, whatever its route: a paste (Ctrl+V, Shift+Insert, the box's own
// context menu, the middle button's selection), a drop, or the text an input
// method commits.
//
// A paste or a drop first loses its outer blanks and line ends (a
// spreadsheet copies a cell with a line end). Where the box's key filter
// applies, a text that the filter would change (a letter, a minus sign, a
// comma, a second line) is refused whole: the box keeps its text and
// selection, and the reason goes to the status line. Otherwise the text
// replaces the selection at the caret and the status line is emptied of an
// earlier refusal. What an input method commits is typed,
// so it goes through the key filter as typed keys do.
//
// A printable key that the box's key filter drops is told on the status line
// too; the next key the filter takes, the next paste that goes in, or the
// focus leaving the box puts back what the line showed before.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QContextMenuEvent;
class QDropEvent;
class QLineEdit;

namespace vemora {

class NumberPaste : public QObject
{
    Q_OBJECT
  public:
    // Guards `field` for as long as it lives. `filtered` says whether the
    // key filter applies to the field now (a cell editor filters some cells
    // only); `showReason` writes a refusal's reason into the status line,
    // and an empty text once a paste has gone in.
    NumberPaste(QLineEdit* field, std::function<bool()> filtered,
                std::function<void(const QString&)> showReason);

    // Pastes `text` at the caret as every route does; false when refused or
    // when nothing is left to paste.
    bool Paste(const QString& text);

    // Where the status line's text is read, so that the end of a refused
    // key's reason can put it back; without it the line is emptied then.
    void setStatusReader(std::function<QString()> read);
    // The key filter dropped the typed character `c`: a printable one's
    // reason goes to the status line.
    void RefuseKey(char32_t c);
    // The key filter took a key (or the focus moved on): a refused key's
    // reason gives way to what the status line showed before it.
    void EndKeyRefusal();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The text to put in; nothing when refused (the reason shown) or empty.
    std::optional<QString> Take(const QString& text);
    void ShowMenu(const QContextMenuEvent* e);
    void Drop(QDropEvent* e);

    // Puts back the status line's text of before a refused key, unless
    // another text has replaced the reason since; true when it wrote.
    bool PutBackStatus();

    QLineEdit* field_;
    std::function<bool()> filtered_;
    std::function<void(const QString&)> showReason_;
    std::function<QString()> readStatus_;
    // While a refused key's reason shows: the line's text before it.
    std::optional<QString> beforeRefusal_;
    QString refusal_;
};

// The text a paste puts in: `text` without its outer blanks and line ends;
// nothing when `filtered` and the key filter would drop one of its
// characters.
std::optional<QString> PastedNumberText(const QString& text, bool filtered);

// A refused paste as the status line quotes it: in double quotes, on one
// line, its first 30 characters.
QString QuotedPaste(const QString& text);

// The status line's reason for refusing the paste of `text`.
QString PasteRefusedReason(const QString& text);

// The status line's reason for dropping the typed character `c`.
QString KeyRefusedReason(char32_t c);

} // namespace vemora
