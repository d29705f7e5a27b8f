// Keeps out of a text box every character that its stored form cannot hold,
// whatever the route: a typed character is dropped with the reason
// "\"<c>\" cannot be kept in the project file."; a paste, a drop or an input
// method's text that holds one is refused whole, with the reason
// "Nothing pasted: \"<text>\" holds characters the project file cannot hold.".
// The box and its selection stay as they were. Text set by the program (a
// loaded project) is not looked at.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace vemora {

class TextArea;

class CharacterGuard : public QObject
{
    Q_OBJECT
  public:
    using Holds = std::function<bool(char32_t)>;
    using ShowReason = std::function<void(const QString&)>;

    // Guards a single-line box for as long as it lives.
    CharacterGuard(QLineEdit* box, Holds holds, ShowReason showReason);
    // Guards a box of several lines for as long as it lives.
    CharacterGuard(TextArea* box, Holds holds, ShowReason showReason);

    // The first character of `text` that cannot be held; none when all can.
    std::optional<char32_t> Unheld(const QString& text) const;
    // True when `text` may be pasted; otherwise the reason is shown.
    bool TakesPaste(const QString& text) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowTyped(char32_t c) const;

    QWidget* box_;
    Holds holds_;
    ShowReason showReason_;
};

} // namespace vemora
