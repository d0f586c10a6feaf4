#include "Ayudas.h"

#include <QCoreApplication>
#include <QEvent>
#include <deque>

#include "ui/common/Mensajes.h"

namespace korvex::pruebas {

namespace {

class InterfazPrueba : public Interfaz {
  public:
    int MostrarMensaje(const Mensaje& m) override {
        registrados.push_back(m);
        const bool conCancelar = (m.estilo & 0x0F) == 1;
        if (!conCancelar || respuestas.empty()) return kRespuestaOk;
        const int r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    std::string PedirDiametroEstribo() override {
        ++preguntasEstribo;
        if (estribos.empty()) return "3/8";
        std::string d = estribos.front();
        estribos.pop_front();
        return d;
    }
    std::vector<Mensaje> registrados;
    std::deque<int> respuestas;
    std::deque<std::string> estribos;
    int preguntasEstribo = 0;
};

InterfazPrueba& Doble() {
    static InterfazPrueba d;
    return d;
}

}  // namespace

void Mensajes::ModoPrueba(bool activo) {
    ui::FijarAdaptador(activo ? &Doble() : nullptr);
}

const std::vector<Mensaje>& Mensajes::Registrados() {
    return Doble().registrados;
}

void Mensajes::Limpiar() {
    Doble() = InterfazPrueba{};
}

void Mensajes::ProgramarRespuesta(int respuesta) {
    Doble().respuestas.push_back(respuesta);
}

void Mensajes::ProgramarEstribo(const std::string& diametro) {
    Doble().estribos.push_back(diametro);
}

int Mensajes::PreguntasEstribo() {
    return Doble().preguntasEstribo;
}

std::vector<std::string> TextosMensajes() {
    std::vector<std::string> t;
    for (const auto& m : Mensajes::Registrados()) t.push_back(m.texto);
    return t;
}

Mensaje UltimoMensaje() {
    const auto& r = Mensajes::Registrados();
    return r.empty() ? Mensaje{} : r.back();
}

void ProcesarEventos() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Entorno::SetUp() {
    ui::Registro::Instancia().Vaciar();
    ProcesarEventos();
    Mensajes::ModoPrueba(true);
    Mensajes::Limpiar();
}

void Entorno::TearDown() {
    ui::Registro::Instancia().Vaciar();
    ProcesarEventos();
    Mensajes::Limpiar();
}

}  // namespace korvex::pruebas

namespace korvex::pruebas {

Carga Puntual(float a, float P, float categoria, float L) {
    return {a, 0, L - a, P, 0, a, kPuntual, categoria};
}

Carga Uniforme(float a, float b, float w, float categoria, float L) {
    return {a, b, L - a - b, w, w, a + b, kDistribuida, categoria};
}

void PonerViga(float L, std::initializer_list<Carga> cargas, float J, float K) {
    EstadoProyecto& e = ui::Registro::Instancia().proyecto().estado;
    e.LuzViga = L;
    e.DistJ = J;
    e.DistK = K < 0 ? L : K;
    for (const Carga& c : cargas) AgregarCarga(e, c);
}

QString Ejemplo(const char* nombre) {
    return QString(KORVEX_EJEMPLOS) + "/" + nombre;
}

}  // namespace korvex::pruebas
