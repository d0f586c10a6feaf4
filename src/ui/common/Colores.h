// The two system colours of the window design, as the palette of the
// running desktop: the button face (&H8000000F, a disabled-looking field)
// and the window background (&H80000005, an editable field). The project
// file stores a field's background as the signed 32-bit value of the code.
#pragma once

#include <cstdint>

class QWidget;

namespace korvex::ui {

inline constexpr std::int32_t kCodigoFondoBoton = -2147483633;    // &H8000000F
inline constexpr std::int32_t kCodigoFondoVentana = -2147483643;  // &H80000005

// Field background: button face (QPalette::Button) or window (QPalette::Base).
void FondoBoton(QWidget* w);
void FondoVentana(QWidget* w);

// The code of a field's background, and the background of a code (any code
// other than the button face gives the window background).
std::int32_t CodigoFondo(const QWidget* w);
void AplicarCodigoFondo(QWidget* w, std::int32_t codigo);

// Text in the system window-text colour (&H80000008).
void TextoVentana(QWidget* w);

}  // namespace korvex::ui
