// The default button of a dialog built of picture buttons: Return or Enter,
// wherever the focus is in the dialog, clicks it when it stands on the dialog
// enabled (whatever its caption then). The dialog's own Esc handling stays.
#pragma once

class QWidget;

namespace vemora {

class PictureButton;

// What Return does while one of the dialog's picture buttons has the focus.
enum class FocusedButtonReturn {
    ClicksDefault, // the default button, as from any other control
    ClicksFocused, // the focused button itself
};

// Makes `button` the default button of `dialog` for as long as both live.
void SetDefaultButton(QWidget* dialog, PictureButton* button,
                      FocusedButtonReturn focused = FocusedButtonReturn::ClicksDefault);

} // namespace vemora
