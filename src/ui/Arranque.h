// Start of the windowed program: creates the QApplication (or uses the one
// that exists), shows the main window frmGeneral, opens `archivo` (a .kvx
// project, UTF-8 path) when it is not empty, and runs the event loop until
// the main window closes. Returns the event loop's exit code.
#pragma once

#include <string>

namespace korvex::ui {

int Arrancar(int& argc, char** argv, const std::string& archivo);

}  // namespace korvex::ui
