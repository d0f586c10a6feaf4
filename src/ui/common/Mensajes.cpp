#include "ui/common/Mensajes.h"

#include <QApplication>
#include <QMessageBox>
#include <deque>

#include "ui/common/Registro.h"
#include "ui/section/frmEstribos.h"

namespace korvex::ui {

namespace {

struct EstadoPrueba {
    bool activo = false;
    bool estriboReal = false;
    std::vector<Mensaje> registrados;
    std::deque<int> respuestas;
    std::deque<std::string> estribos;
    int preguntasEstribo = 0;
};

EstadoPrueba& Prueba() {
    static EstadoPrueba p;
    return p;
}

// Style = buttons (low 4 bits: 0 OK, 1 OK/Cancel) + icon (16, 32, 48, 64).
bool ConCancelar(int estilo) {
    return (estilo & 0x0F) == 1;
}

QMessageBox::Icon Icono(int estilo) {
    switch (estilo & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int Caja(const Mensaje& m) {
    QMessageBox caja(
        Icono(m.estilo), QString::fromStdString(m.titulo), QString::fromStdString(m.texto),
        ConCancelar(m.estilo) ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
        QApplication::activeWindow());
    caja.setObjectName("MsgBox");
    caja.setDefaultButton(QMessageBox::Ok);
    const int r = caja.exec();
    if (!ConCancelar(m.estilo)) return kRespuestaOk;
    return r == QMessageBox::Ok ? kRespuestaOk : kRespuestaCancelar;
}

}  // namespace

int InterfazVentanas::MostrarMensaje(const Mensaje& m) {
    EstadoPrueba& p = Prueba();
    if (!p.activo) return Caja(m);
    p.registrados.push_back(m);
    if (!ConCancelar(m.estilo) || p.respuestas.empty()) return kRespuestaOk;
    const int r = p.respuestas.front();
    p.respuestas.pop_front();
    return r;
}

std::string InterfazVentanas::PedirDiametroEstribo() {
    EstadoPrueba& p = Prueba();
    ++p.preguntasEstribo;
    if (p.activo && !p.estriboReal) {
        if (p.estribos.empty()) return "3/8";
        std::string d = p.estribos.front();
        p.estribos.pop_front();
        return d;
    }
    frmEstribos* f = Registro::Instancia().Ventana<frmEstribos>();
    f->exec();
    return frmEstribos::DiamEstribo.toStdString();
}

void Mensajes::ModoPrueba(bool activo) {
    Prueba().activo = activo;
}

bool Mensajes::EnModoPrueba() {
    return Prueba().activo;
}

const std::vector<Mensaje>& Mensajes::Registrados() {
    return Prueba().registrados;
}

void Mensajes::Limpiar() {
    EstadoPrueba& p = Prueba();
    p.registrados.clear();
    p.respuestas.clear();
    p.estribos.clear();
    p.estriboReal = false;
    p.preguntasEstribo = 0;
}

void Mensajes::ProgramarRespuesta(int respuesta) {
    Prueba().respuestas.push_back(respuesta);
}

void Mensajes::ProgramarEstribo(const std::string& diametro) {
    Prueba().estribos.push_back(diametro);
}

void Mensajes::EstriboReal(bool mostrar) {
    Prueba().estriboReal = mostrar;
}

int Mensajes::PreguntasEstribo() {
    return Prueba().preguntasEstribo;
}

InterfazVentanas& Adaptador() {
    static InterfazVentanas i;
    return i;
}

int MostrarMensaje(const std::string& texto, const std::string& titulo, int estilo) {
    return Adaptador().MostrarMensaje(Mensaje{texto, titulo, estilo});
}

}  // namespace korvex::ui
