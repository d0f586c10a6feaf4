// The program's version as the project declares it (CMake's PROJECT_VERSION),
// the one the splash, "Información General", --version and the package show.
#pragma once

#include <QString>

namespace korvex::ui {

inline QString VersionPrograma() {
    return QStringLiteral(KORVEX_VERSION);
}

}  // namespace korvex::ui
