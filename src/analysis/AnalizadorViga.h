// Evaluation of the beam at any abscissa with the constants of each load
// (reactions and the two integration constants of its elastic line) worked
// out once. The point query evaluates it directly; the sampled diagrams use
// the same constants in a sweep along the beam (analysis/Barrido.h).
#pragma once

#include <vector>

#include "model/DatosViga.h"
#include "model/Pasos.h"
#include "model/ReglasDiseno.h"

namespace korvex {

// Results of one evaluation, analysis sign (see model/Estado.h), as stored.
struct ResultadoPunto {
    float CortanteDer = 0;      // Tn, case 1 (jumps at X included)
    float MomentoDer = 0;       // Tn.m, case 1
    float CortanteIzq = 0;      // Tn, case 2 (jumps at X excluded)
    float MomentoIzq = 0;       // Tn.m, case 2
    float MomentoServicio = 0;  // Tn.m, case 3 (unfactored)
    float Giro = 0;             // rad, case 3
    float Flecha = 0;           // m5, case 3: deflection times inertia
};

// The same results before they are rounded to Single.
struct ValoresPunto {
    double CortanteDer = 0, MomentoDer = 0;
    double CortanteIzq = 0, MomentoIzq = 0;
    double MomentoServicio = 0, Giro = 0, Flecha = 0;
};

// Constants of one load (or of the self weight): reactions at J and K (Tn,
// upward positive) and the constants C1, C2 of its own elastic line, which
// make its deflection zero at both supports.
struct ConstantesCarga {
    double R1 = 0, R2 = 0;
    double C1 = 0, C2 = 0;
};

// Reactions of the two supports J and K under a set of loads, Tn, upward
// positive.
struct ReaccionesApoyos {
    double R1 = 0, R2 = 0;
};

class AnalizadorViga {
  public:
    // Reads the length, the supports and the loads of `datos`, the area,
    // inertia and modulus of `seccion` and the load combinations of
    // `reglas`: the factored cases 1 and 2 are the envelope of the strength
    // combinations (at each abscissa the combination of the largest
    // magnitude, the first on a tie, for the shear and the moment each),
    // case 3 the service combination. The beam is statically determinate:
    // throws std::invalid_argument unless `datos.apoyos` holds exactly two
    // supports, J < K.
    AnalizadorViga(const DatosViga& datos, const PropiedadesSeccion& seccion,
                   const ReglasDiseno& reglas);

    // The same beam under `cargas` only, with or without its self weight (a
    // part of the loads, for combining load arrangements).
    AnalizadorViga(const DatosViga& datos, const PropiedadesSeccion& seccion,
                   const ReglasDiseno& reglas, std::vector<CargaViga> cargas, bool pesoPropio);

    // The same beam and loads with `servicio` as its service combination
    // (the sustained load of the deflections).
    AnalizadorViga ConServicio(const CombinacionCargas& servicio) const;

    ResultadoPunto Evaluar(float X) const;
    ValoresPunto EvaluarDoble(float X) const;

    // Reactions of the two supports under all the loads and the self
    // weight, factored (the envelope of the strength combinations) and in
    // service.
    PasoReacciones Reacciones() const;

    // Reactions under all the loads and the self weight, each times its
    // factor of `u`: the one sum of the reactions, which the record above and
    // the sweep along the beam both take, so that they agree to the bit (the
    // self weight first, then the loads in the order of the table).
    ReaccionesApoyos ReaccionesCombinacion(const CombinacionCargas& u) const;

    // What the sweep along the beam needs.
    float ApoyoJ() const { return J_; }
    float ApoyoK() const { return K_; }
    double PesoPropio() const { return w_; }  // Tn/m, 0 without self weight
    double Modulo() const { return E_; }      // Tn/m2
    double Rigidez() const { return EI_; }    // Tn.m2
    const std::vector<CargaViga>& Cargas() const { return cargas_; }
    const std::vector<ConstantesCarga>& Constantes() const { return constantes_; }
    const ConstantesCarga& ConstantesPesoPropio() const { return pesoPropio_; }
    const std::vector<CombinacionCargas>& Combinaciones() const { return combinaciones_; }
    const CombinacionCargas& Servicio() const { return servicio_; }

  private:
    struct Terminos {  // load terms at one abscissa
        double Vq = 0, Mq = 0, F1q = 0, F2q = 0;
    };

    void Preparar(const std::vector<CargaViga>& cargas);
    Terminos TerminosCarga(const CargaViga& c, float x, int combinacion) const;
    Terminos TerminosPesoPropio(float x) const;
    ConstantesCarga ConstantesElasticas(double R1, double R2, const CargaViga* c) const;
    // Shear and moment at X in load case 1 or 2 under the combination `u`.
    void Sumar(float X, int caso, const CombinacionCargas& u, double& V, double& M) const;

    float L_, J_, K_;
    double w_;   // Tn/m, self weight
    double E_;   // Tn/m2
    double EI_;  // Tn.m2
    std::vector<CombinacionCargas> combinaciones_;
    CombinacionCargas servicio_;
    std::vector<CargaViga> cargas_;
    std::vector<ConstantesCarga> constantes_;
    ConstantesCarga pesoPropio_;
};

}  // namespace korvex
