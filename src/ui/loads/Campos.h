// Reading and writing the load window's fields, shared by its files: a
// field's text and number through the one reading routine, a Single or a
// Double written back, and the messages of the field checks.
#pragma once

#include <QLineEdit>
#include <QString>
#include <charconv>
#include <cmath>
#include <string>

#include "model/Interfaz.h"
#include "text/Numeros.h"
#include "ui/common/Mensajes.h"

namespace korvex::ui::cargas {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

inline std::string Texto(const QLineEdit* c) {
    return c->text().toStdString();
}

inline bool Lleno(const QLineEdit* c) {
    return !c->text().isEmpty();
}

inline bool EsNumero(const QLineEdit* c) {
    return texto::EsNumerico(Texto(c));
}

inline double Numero(const QLineEdit* c) {
    return texto::NumeroCampo(Texto(c));
}

// A Single written back into a field: its shortest plain decimal form.
inline QString Simple(float v) {
    return QString::fromStdString(texto::TextoSimple(v));
}

// A Double written back into a field (a length less a distance): the
// shortest plain decimal text that reads back as the same value. A length
// stored as a Single and widened keeps its Single tail (5.67 m less 1 m reads
// 4.670000076293945), exactly the value the field then holds.
inline QString Doble(double v) {
    if (!std::isfinite(v) || v == 0) return "0";
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return QString::fromLatin1(buf, static_cast<int>(r.ptr - buf));
}

inline constexpr const char* kDistanciaIncorrecta = "Distancia Incorrecta";
inline constexpr const char* kPositivas = "Las distancias siempre son Numeros Positivos";
inline constexpr const char* kMayorLuz =
    "Esta Distancia no puede ser mayor que la Luz Total de la viga";
inline constexpr const char* kKMenorJ = "Distancia K no puede ser menor o igual que J";
inline constexpr const char* kValorIncorrecto = "Valor Incorrecto";

inline void Critico(const char* textoMsg, const char* titulo) {
    MostrarMensaje(textoMsg, titulo, kEstiloCritico);
}

}  // namespace korvex::ui::cargas
