// Conversion between the Windows-1252 code page of the project file and the
// UTF-8 used inside the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvex {

// Every byte has a character: 0x80-0x9F through the code page's table (the
// five bytes the code page leaves undefined map to the C1 controls of the
// same value, as Windows does), the rest to the code point of the same value.
std::string Utf8DesdeWindows1252(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text; nothing when the text is not valid
// UTF-8 or holds a character the code page cannot represent.
std::optional<std::string> Windows1252DesdeUtf8(std::string_view utf8);

}  // namespace korvex
