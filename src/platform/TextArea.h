// A text box of several lines that keeps the line breaks of the text it is
// given (setKeptText): each one CR LF, LF or CR as it came, however the text
// around it is edited; a line break typed or pasted is kept as CR LF. It can
// hold at most MaxLength characters of that kept text, as a single-line
// box's maxLength does, so that a CR LF counts two: typing, pasting (keys,
// context menu, middle button), dropping and input-method text stop at the
// limit, keeping what fits. 0 means no limit. A paste or a drop may be
// refused whole by an insert check.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace vemora {

class TextArea : public QPlainTextEdit
{
    Q_OBJECT
  public:
    explicit TextArea(QWidget* parent);

    void setMaxLength(int characters) { maxLength_ = std::max(0, characters); }
    // A check every paste and drop passes before any of it goes in; false
    // refuses it whole.
    void setInsertCheck(std::function<bool(const QString&)> check)
    {
        insertCheck_ = std::move(check);
    }

    // The text with its line breaks as kept.
    QString keptText() const;
    // Shows `text`, keeping each of its line breaks.
    void setKeptText(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // The box's text, each line break one LF, every character as it stands.
    QString shownText() const;
    // Takes an edit (`removed` characters at `position` replaced by `added`)
    // into the kept line breaks: those the edit removed go, those it
    // brought are CR LF.
    void followEdit(int position, int removed, int added);
    // How many characters of kept text may still come in, the selection
    // being replaced.
    int room() const;
    // The kept length of the shown text from `from` to `to`.
    int keptLength(int from, int to) const;
    // The part of `text` that fits, its line breaks each one LF.
    QString fitting(const QString& text) const;

    int maxLength_ = 0;
    std::function<bool(const QString&)> insertCheck_;
    QString shown_;      // the shown text as the last edit left it
    QStringList breaks_; // the kept form of each of its line breaks, in order
};

} // namespace vemora
