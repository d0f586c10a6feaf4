// Checks made before every calculation: the analysis divides by K - J and by
// the loaded length b of a varying load, and the sampling allocates one
// station per centimetre.
#include <cmath>
#include <string>

#include "analysis/Calculos_Diagramas.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr const char* kTitulo = "Datos Incorrectos";

// A load may end beyond L by the rounding of single precision (a stored
// 0.1 + 5.9 on a 6 m beam), not by more than half a millimetre.
constexpr double kToleranciaLuz = 0.0005;  // m

std::string T(float v) {
    return texto::TextoSimple(v);
}

bool Finito(float v) {
    return std::isfinite(v);
}

}  // namespace

std::vector<Mensaje> VerificarViga(const EstadoProyecto& e) {
    std::vector<Mensaje> m;
    auto rechazar = [&](std::string t) { m.push_back({std::move(t), kTitulo, kEstiloCritico}); };

    if (!Finito(e.LuzViga) || !Finito(e.DistJ) || !Finito(e.DistK) || !Finito(e.AreaSeccion) ||
        !Finito(e.InerciaSeccion) || !Finito(e.ModuloElasticidad)) {
        rechazar(
            "La longitud, los apoyos o la sección de la viga contienen un valor no "
            "numérico. Revise los datos de la viga.");
        return m;
    }
    const float L = e.LuzViga;
    if (L <= 0) {
        rechazar(
            "La longitud de la viga debe ser mayor que 0. Introduzca la Luz de la Viga "
            "en la ventana de Cargas.");
        return m;
    }
    if (L > kLuzMaxima) {
        rechazar("La longitud de la viga (" + T(L) +
                 " m) excede el máximo de 327.67 m que admite el cálculo.");
        return m;
    }
    if (!(e.DistJ >= 0 && e.DistJ < e.DistK && e.DistK <= L + kToleranciaLuz)) {
        rechazar("Los apoyos deben cumplir 0 <= j < k <= L (j = " + T(e.DistJ) +
                 " m, k = " + T(e.DistK) + " m, L = " + T(L) + " m). Corrija j y k.");
    }
    const int n = std::min<int>(e.NumCargas, static_cast<int>(e.Cargas.size()) - 1);
    for (int i = 1; i <= n; ++i) {
        const Carga& c = e.Cargas[i];
        const std::string carga = "La carga " + std::to_string(i);
        if (!Finito(c.A) || !Finito(c.B) || !Finito(c.C) || !Finito(c.P1) || !Finito(c.P2) ||
            !Finito(c.Fin) || !Finito(c.Tipo) || !Finito(c.Categoria)) {
            rechazar(carga + " contiene un valor no numérico.");
            continue;
        }
        if (c.A < 0 || c.B < 0 ||
            static_cast<double>(c.A) + c.B > static_cast<double>(L) + kToleranciaLuz) {
            rechazar(carga + " está fuera de la viga (a = " + T(c.A) + " m, b = " + T(c.B) +
                     " m, L = " + T(L) + " m).");
            continue;
        }
        if (c.Tipo == kDistribuida && c.B <= 0 && c.P1 != c.P2) {
            rechazar(carga +
                     " es distribuida con b = 0: la base b de una carga variable debe "
                     "ser mayor que 0.");
        }
    }
    return m;
}

}  // namespace korvex
