#include "project/Documento.h"

#include <utility>

namespace korvex {

void Documento::FijarArchivo(std::string archivo) {
    archivo_ = std::move(archivo);
    guardado_ = DatosDe(proyecto_);
}

bool Documento::Cambiado() const {
    return korvex::Cambiado(guardado_, proyecto_);
}

void Documento::FijarCalculados(bool calculados) {
    calculados_.reset();
    if (calculados) calculados_ = DatosCalculadosDe(proyecto_);
    borrados_ = false;
}

void Documento::BorrarResultados() {
    borrados_ = true;  // forgotten by the next FijarCalculados
}

bool Documento::Desactualizado() const {
    return calculados_.has_value() &&
           (borrados_ || korvex::Desactualizado(*calculados_, proyecto_));
}

}  // namespace korvex
