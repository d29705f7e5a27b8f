// The status line's reasons for text that a box refuses: a paste, a drop or
// an input method's text refused whole, and a typed character dropped.
#pragma once

#include <QString>

namespace vemora {

// A refused paste as the status line quotes it: in double quotes, on one
// line, its first 30 characters.
QString QuotedPaste(const QString& text);

// A paste into a number refused for a character other than the digits and
// the full stop.
QString NumberPasteRefusedReason(const QString& text);

// A paste into a text box refused for a character the project file cannot
// hold.
QString TextPasteRefusedReason(const QString& text);

// A paste into the profile grid, which takes rows only through the import.
QString ProfilePasteRefusedReason();

// The typed character `c` dropped from a number.
QString NumberKeyRefusedReason(char32_t c);

// The typed character `c` dropped from a text box: the project file cannot
// hold it.
QString TextKeyRefusedReason(char32_t c);

} // namespace vemora
