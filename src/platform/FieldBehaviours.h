// Behaviours a window gives its fields, kept by one event filter that the
// window owns:
// - hints: a control's hint is its tooltip; a focus hint is also handed to
//   the window's hint sink (status panel 3) when the control gets the focus,
//   and again when the window shows while the control holds its focus;
// - the numeric key filter: a number box takes only digits and the full stop
//   as typed keys, a refused character dropped with its reason in the hint
//   sink until the next key taken or focus move; its entry guard
//   (NumberGuard) judges each key, and a paste, a drop or an input method's
//   text, telling the hint sink why it refused one;
// - the entry guard of text boxes (TextGuard);
// - the wheel guard: the mouse wheel changes a control only while it has the
//   focus, never while the pointer merely passes over it.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

namespace vemora {

class NumberGuard;
class TextArea;

class FieldBehaviours : public QObject
{
    Q_OBJECT
  public:
    // `readHint` gives what the hint sink shows now (put back after a
    // refused key's reason).
    FieldBehaviours(QObject* parent, std::function<void(const QString&)> showHint,
                    std::function<QString()> readHint = {});

    void AddHint(QWidget* w, const QString& hint);
    void AddFocusHint(QWidget* w, const QString& hint);
    void AddKeyFilter(QLineEdit* w);
    // A number box that takes any typed key: a paste or a drop only loses
    // its outer blanks and line ends.
    void AddUnfilteredNumberBox(QLineEdit* w);
    // A text box that takes only characters for which `holds` is true (see
    // TextGuard); its refusals go to the hint sink.
    void KeepCharacters(QLineEdit* w, std::function<bool(char32_t)> holds);
    void KeepCharacters(TextArea* w, std::function<bool(char32_t)> holds);
    void GuardWheel(QWidget* w);
    // Guards every list box, scroll bar and date field below `root`.
    void GuardWheels(QWidget* root);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QString&)> showHint_;
    std::function<QString()> readHint_;
    QHash<QObject*, QString> focusHints_;
    // The number boxes whose keys are filtered, with their entry guards.
    QHash<QObject*, NumberGuard*> keyFiltered_;
    QSet<QObject*> wheelGuarded_;
};

// Text a numeric field accepts: digits and the full stop; control
// characters (Backspace, Enter, Tab, Ctrl+C ...) pass, as they type nothing.
bool NumericTextAccepted(const QString& text);
// The characters of a text that a numeric field takes, in their order.
QString NumericCharacters(const QString& text);
// Types a text into a numeric field as if key by key: the characters the
// filter takes replace the selection at the caret; when none passes, the
// field stays as it was.
void TypeIntoNumberField(QLineEdit* field, const QString& text);

} // namespace vemora
