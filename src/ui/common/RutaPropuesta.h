// The file a save or open dialog proposes. A project with a file proposes
// its folder and its name with the dialog's extension ("viga.kvx" ->
// "viga.pdf"); a project never saved proposes the last folder used (when it
// still exists), else the user's home, and the name "viga" with the
// extension. CarpetaUsada() and RecordarCarpeta() keep that last folder in
// the settings, shared by every file dialog of the program.
#pragma once

#include <QString>

namespace korvex::ui {

// `archivoProyecto`: the project's file ("" when never saved);
// `carpetaUsada`: the last folder used ("" none); `extension` without dot.
QString RutaPropuesta(const QString& archivoProyecto, const QString& carpetaUsada,
                      const QString& extension);

// The last folder a file was opened from or written to ("" when none).
QString CarpetaUsada();
void RecordarCarpeta(const QString& archivo);

}  // namespace korvex::ui
