// A text box of several lines that can hold at most MaxLength characters, as
// a single-line box's maxLength does: typing, pasting (keys, context menu,
// middle button), dropping and input-method text stop at the limit, keeping
// what fits. A line break counts as one character. 0 means no limit. A paste
// or a drop may be refused whole by an insert check.
#pragma once

#include <QPlainTextEdit>
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

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    // How many characters may still come in, the selection being replaced.
    int room() const;
    // The part of `text` that fits, line ends made plain.
    QString fitting(const QString& text) const;

    int maxLength_ = 0;
    std::function<bool(const QString&)> insertCheck_;
};

} // namespace vemora
