// One open project as the windows hold it: the project's data, the file it
// was opened from or saved to, the image of its data at that moment (the
// project is "changed" while its data differ from it) and the data the
// results of the last calculation were worked out with (the results are
// "out of date" while the project's data differ from those).
//
// The main window owns the one document of the running program and hands it
// to every window that reads or writes the project.
#pragma once

#include <optional>
#include <string>

#include "project/Cambios.h"
#include "project/Proyecto.h"

namespace korvex {

class Documento {
  public:
    Proyecto& proyecto() { return proyecto_; }
    const Proyecto& proyecto() const { return proyecto_; }

    // The project's file (UTF-8 path; "" when it has none).
    const std::string& archivo() const { return archivo_; }
    // The project is now that of `archivo` ("" for none) as it stands: its
    // data become the saved image.
    void FijarArchivo(std::string archivo);
    // Whether the data differ from the saved image.
    bool Cambiado() const;

    // The results on screen were calculated with the data as they stand
    // (`calculados`), or there are none to compare them with (false).
    void FijarCalculados(bool calculados);
    // Whether results of a calculation are held (current or out of date).
    bool HayCalculados() const { return calculados_.has_value(); }
    // The results were cleared (the loads emptied): they stay out of date
    // until the next calculation, whatever the data become.
    void BorrarResultados();
    // Whether there are results whose data changed since their calculation.
    bool Desactualizado() const;

  private:
    Proyecto proyecto_;
    std::string archivo_;
    DatosProyecto guardado_;
    // None before a calculation, after an opening, New or the reset.
    std::optional<DatosCalculados> calculados_;
    bool borrados_ = false;
};

}  // namespace korvex
