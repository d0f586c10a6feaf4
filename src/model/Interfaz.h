// The two channels through which the design (and the calculation workflow)
// talks to the outside: message boxes and the stirrup-diameter question.
// The windows show them; the headless command records them.
#pragma once

#include <string>
#include <vector>

namespace korvex {

// Message-box styles: 0 OK, 16 critical + OK, 33 OK/Cancel + question,
// 35 Sí/No/Cancelar + question, 48 exclamation, 64 information.
inline constexpr int kEstiloSimple = 0;
inline constexpr int kEstiloCritico = 16;
inline constexpr int kEstiloPregunta = 33;
inline constexpr int kEstiloSiNoCancelar = 35;
inline constexpr int kEstiloExclamacion = 48;
inline constexpr int kEstiloInformacion = 64;

// Answers of a message box.
inline constexpr int kRespuestaOk = 1;
inline constexpr int kRespuestaCancelar = 2;
inline constexpr int kRespuestaSi = 6;
inline constexpr int kRespuestaNo = 7;

struct Mensaje {
    std::string texto;
    std::string titulo;
    int estilo = 0;

    bool operator==(const Mensaje&) const = default;
};

class Interfaz {
  public:
    virtual ~Interfaz() = default;
    // Shows a message and returns the answer: kRespuestaOk, kRespuestaCancelar,
    // or for style 35 kRespuestaSi, kRespuestaNo or kRespuestaCancelar.
    virtual int MostrarMensaje(const Mensaje& m) = 0;
    // Asks for the stirrup bar diameter: "3/8" or "1/2".
    virtual std::string PedirDiametroEstribo() = 0;
};

// Records every message in order and answers the stirrup question with a
// fixed diameter; used by the headless command and the tests.
class InterfazRegistro : public Interfaz {
  public:
    explicit InterfazRegistro(std::string diametro = "3/8") : diametro_(std::move(diametro)) {}
    int MostrarMensaje(const Mensaje& m) override {
        mensajes.push_back(m);
        return respuesta;
    }
    std::string PedirDiametroEstribo() override {
        ++preguntasEstribo;
        return diametro_;
    }

    std::vector<Mensaje> mensajes;
    int preguntasEstribo = 0;
    int respuesta = kRespuestaOk;

  private:
    std::string diametro_;
};

}  // namespace korvex
