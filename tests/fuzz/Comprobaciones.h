// Properties that every input of a parser must keep, checked by the fuzz
// targets on each generated input and by the regression test on the saved
// ones. Each returns "" when every property holds, otherwise what failed.
#pragma once

#include <string>
#include <string_view>

namespace korvex::fuzz {

// Field reading and number formats: the bytes as a field text, as the bits of
// a Single and of a Double.
std::string ComprobarTexto(std::string_view bytes);

// The vertex file reader and the polygon properties.
std::string ComprobarPoligono(std::string_view bytes);

// The project file reader and writer.
std::string ComprobarKvx(std::string_view bytes);

}  // namespace korvex::fuzz
