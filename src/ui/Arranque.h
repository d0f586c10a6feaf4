// Start of the windowed program: creates the QApplication (or uses the one
// that exists), shows the splash frmSplash and, once the presentation time
// is over, the main window frmGeneral with `archivo` (a .kvx project, UTF-8
// path) opened when it is not empty; then runs the event loop until the main
// window closes. Returns the event loop's exit code.
//
// The presentation time is 2 s unless the caller gives another (a test
// does). The wait is a timer of the running event loop, so the splash answers
// its key press and click (which close it at once) and the main window still
// appears when the time is over.
#pragma once

#include <chrono>
#include <string>

namespace korvex::ui {

inline constexpr std::chrono::milliseconds kTiempoPresentacion{2000};

// Qt's own Spanish catalogue (qtbase_es.qm of the Qt translations, Debian's
// qt6-translations-l10n) installed in the running application, once, so the
// standard dialogs (files, printing, message boxes) read Spanish. False when
// the catalogue is not installed: those dialogs then stay in English.
bool InstalarTraduccionQt();

int Arrancar(int& argc, char** argv, const std::string& archivo,
             std::chrono::milliseconds presentacion = kTiempoPresentacion);

}  // namespace korvex::ui
