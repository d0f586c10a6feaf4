#include "project/Documento.h"

#include <utility>

#include "project/Calculo.h"

namespace korvex {

const ResultadoCalculo& Documento::resultado() const {
    static const ResultadoCalculo ninguno;
    return resultado_ ? *resultado_ : ninguno;
}

bool Documento::Calcular(Interfaz& ui, const Progreso& progreso, bool abierto) {
    ResultadoCalculo r = abierto ? RecalcularAbierto(proyecto_, ui, progreso)
                                 : RealizarCalculos(proyecto_, ui, progreso);
    if (!r.calculado) return false;
    FijarResultado(std::move(r));
    return true;
}

void Documento::FijarResultado(ResultadoCalculo r) {
    resultado_ = std::make_shared<const ResultadoCalculo>(std::move(r));
}

void Documento::AnularExtremos() {
    if (resultado_) {
        resultado_ = std::make_shared<const ResultadoCalculo>(TrasReiniciarCargas(*resultado_));
    }
}

void Documento::ReiniciarCargas() {
    korvex::ReiniciarCargas(proyecto_.estado);
    AnularExtremos();
}

void Documento::ReiniciarGeneral() {
    korvex::ReiniciarGeneral(proyecto_.estado);
    if (resultado_) {
        resultado_ = std::make_shared<const ResultadoCalculo>(TrasReiniciarGeneral(*resultado_));
    }
}

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
