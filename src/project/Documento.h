// One open project as the windows hold it: the project's data, the file it
// was opened from or saved to, the image of its data at that moment (the
// project is "changed" while its data differ from it), the result of the
// last calculation that ran (the one the windows and the reports show) and
// the data it was worked out with (the results are "out of date" while the
// project's data differ from those).
//
// The main window owns the one document of the running program and hands it
// to every window that reads or writes the project.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "model/Etapas.h"
#include "model/Interfaz.h"
#include "project/Cambios.h"
#include "project/Proyecto.h"
#include "project/ResultadoCalculo.h"

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

    // The result on screen: that of the last calculation that ran, as the
    // resets left it; an empty one (every value 0) before any.
    const ResultadoCalculo& resultado() const;
    // The same result, shared with whoever must keep it; null before any.
    std::shared_ptr<const ResultadoCalculo> resultadoCompartido() const { return resultado_; }
    // Runs the workflow on the project (`abierto`: the steps of an opening):
    // a calculation that ran replaces the result on screen, one refused or
    // not run leaves it. Returns whether it ran.
    bool Calcular(Interfaz& ui, const Progreso& progreso = {}, bool abierto = false);
    // `r` becomes the result on screen.
    void FijarResultado(ResultadoCalculo r);
    // The six shear and moment extremes of the result on screen cleared
    // (TrasReiniciarCargas), as the deletion of the last load leaves them.
    void AnularExtremos();
    // The load window's reset of the project, and AnularExtremos.
    void ReiniciarCargas();
    // The main window's reset of the project (New), and of the result on
    // screen what TrasReiniciarGeneral clears.
    void ReiniciarGeneral();

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
    std::shared_ptr<const ResultadoCalculo> resultado_;
    // None before a calculation, after an opening, New or the reset.
    std::optional<DatosCalculados> calculados_;
    bool borrados_ = false;
};

}  // namespace korvex
