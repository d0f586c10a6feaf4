// The help menu: the instructions (1, frmHelp), the quick guide (2, frmHelp2)
// and the about window (3, frmAbout, modal).
#pragma once

namespace korvex::ui {

void MostrarAyuda(int cual);

}  // namespace korvex::ui
