// Evaluation of the beam at any abscissa with the constants of each load
// (reactions and the two integration constants of its elastic line) worked
// out once. Analisis_Punto and Calculos_Diagramas share it, so the point
// query and the sampled diagrams cannot disagree.
#pragma once

#include <vector>

#include "model/Estado.h"

namespace korvex {

// Results of one evaluation, analysis sign (see model/Estado.h).
struct ResultadoPunto {
    float CortanteDer = 0;      // Tn, case 1 (jumps at X included)
    float MomentoDer = 0;       // Tn.m, case 1
    float CortanteIzq = 0;      // Tn, case 2 (jumps at X excluded)
    float MomentoIzq = 0;       // Tn.m, case 2
    float MomentoServicio = 0;  // Tn.m, case 3 (unfactored)
    float Giro = 0;             // rad, case 3
    float Flecha = 0;           // m5, case 3: deflection times inertia
};

class AnalizadorViga {
  public:
    // Reads the beam, the supports, the load table, the section and the
    // modulus from `e`. Requires DistJ < DistK.
    explicit AnalizadorViga(const EstadoProyecto& e);

    ResultadoPunto Evaluar(float X) const;

  private:
    // Constants of one load (or of the self weight): reactions at J and K
    // (Tn, upward positive) and the constants of its elastic line.
    struct Constantes {
        double R1 = 0, R2 = 0;
        double C1 = 0, C2 = 0;
    };

    struct Terminos {  // load terms at one abscissa
        double Vq = 0, Mq = 0, F1q = 0, F2q = 0;
    };

    Terminos TerminosCarga(const Carga& c, float x, int combinacion) const;
    Terminos TerminosPesoPropio(float x) const;
    Constantes ConstantesElasticas(double R1, double R2, const Carga* c) const;

    float L_, J_, K_;
    double w_;   // Tn/m, self weight
    double E_;   // Tn/m2
    double EI_;  // Tn.m2
    std::vector<Carga> cargas_;
    std::vector<Constantes> constantes_;
    Constantes pesoPropio_;
};

}  // namespace korvex
