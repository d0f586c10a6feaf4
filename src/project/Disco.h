// Files written whole or not at all: the project files and the PDF reports.
//
// EscribirArchivo writes the bytes into an unnamed file of the target's
// folder (O_TMPFILE; a hidden temporary name where the file system has no
// unnamed files), flushes it to disk, gives it a name and renames it over
// the target in one step. Whatever fails, or wherever the program stops
// before the rename, the previous file keeps its bytes and no temporary
// file stays behind (with an unnamed file, not even after a crash or a
// power cut before the rename). A target that exists keeps its permissions;
// a symbolic link is followed and the file it names is replaced; a device,
// pipe or socket (/dev/null, /dev/stdout) is written directly, since it
// cannot be replaced.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace korvex::disco {

// The reason of a system error number, in Spanish ("el disco está lleno").
std::string RazonSistema(int err);

// Writes `bytes` into `ruta` (a path in the system's encoding). Returns the
// reason of a failure, empty on success.
std::string EscribirArchivo(const std::string& ruta, std::string_view bytes);

// The steps of a save at which a test can make the system fail.
enum class Etapa {
    SinNombre,    // creating an unnamed file (refused: the file system has
                  // none, and the temporary file gets a hidden name)
    Crear,        // creating the temporary file (or opening a device)
    Escribir,     // each write of the bytes
    Sincronizar,  // flushing the file to disk
    Renombrar     // naming the written file and renaming it over the target
};

// Test hook: called before each step; a non-zero result is taken as the
// error number with which the system refused that step (ENOSPC for a full
// disk). An empty function (the default) lets every step run.
void FijarFalla(std::function<int(Etapa)> falla);

}  // namespace korvex::disco
