// Text in the project file is Windows-1252, one byte per character; the data
// store holds UTF-8. These helpers convert between the two and fit text into
// the record's fixed-width, blank-padded fields.
#pragma once

#include <string>

namespace vemora {

// UTF-8 to Windows-1252. Characters the code page cannot hold, and malformed
// UTF-8, become '?'.
std::string Utf8ToWindows1252(const std::string& utf8);

// Whether Windows-1252 has a byte for the character `cp`.
bool Windows1252Holds(char32_t cp);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to
// the matching C1 control characters, so every byte survives a round trip.
std::string Windows1252ToUtf8(const std::string& bytes);

// Cuts `bytes` to `width` bytes or pads it with blanks to `width` bytes.
std::string FitToWidth(const std::string& bytes, size_t width);

// Removes leading and trailing blanks.
std::string TrimBlanks(const std::string& text);

} // namespace vemora
