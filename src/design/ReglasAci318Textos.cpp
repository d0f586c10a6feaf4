// The texts of the ACI 318-19 rules in the calculation report: each formula
// in the units of the program, its substitution and the clause it comes from.
#include <string>

#include "design/TextosReglas.h"

namespace korvex {

namespace {

const std::string kAci = "ACI 318-19, ";

TextoRegla T(std::string formula, std::string sustitucion, std::string clausula,
             std::string texto = {}) {
    return {std::move(formula), std::move(sustitucion), std::move(texto),
            clausula.empty() ? std::string() : kAci + clausula};
}

}  // namespace

TextoRegla TextoAci318(Regla r) {
    switch (r) {
        case Regla::Combinaciones:
            return T({}, {}, "5.3.1",
                     "Casos factorizados: U = 1.4 × muerta + 1.0 × otros + 1.4 × peso propio y "
                     "U = 1.2 × muerta + 1.6 × viva + 1.0 × otros + 1.2 × peso propio; en cada "
                     "estación gobierna el de mayor efecto. Caso de servicio: todas las cargas y "
                     "el peso propio con factor 1.0.");
        case Regla::FactorServicio:
            return T({}, {}, {}, "en servicio todas las cargas van con 1.0");
        case Regla::ModuloConcreto:
            return T("15100 √f'_{c}", "15100 × √{fc}", "19.2.2.1");
        case Regla::MetodoFlexion:
            return T({}, {}, "22.2 y 21.2.2",
                     "φ según la deformación neta de tracción ε_{t} (0.90 con la sección "
                     "controlada por tracción), bloque rectangular de compresiones de 0.85 "
                     "f'_{c}, ε_{cu} = 0.003, E_{s} = 2,040,000 ");
        case Regla::LimiteRn:
            return T("0.425", {}, {});
        case Regla::DeformacionLimite:
            return T("ε_{t,lím} = ε_{ty} + 0.003", "{epsY} + 0.003", "Tabla 21.2.2");
        case Regla::EjeNeutroLimite:
            return T("k = 0.003 / (0.003 + ε_{t,lím})", "{ecu} / ({ecu} + {epsLim})",
                     "22.2.2.1");
        case Regla::Beta1:
            return T("β_{1} = 0.85 − 0.05 (f'_{c} − 280) / 70, entre 0.65 y 0.85",
                     "0.85 − 0.05 × ({fc} − 280) / 70, entre 0.65 y 0.85", "Tabla 22.2.2.4.3");
        case Regla::CuantiaBalanceada:
            return T("ρ_{b} = 0.85 β_{1} (f'_{c} / f_{y}) 0.003 / (0.003 + ε_{ty})",
                     "{bloque} × {beta1} × ({fc} / {fy}) × {ecu} / ({ecu} + {epsY})", "22.2");
        case Regla::CuantiaMaxima:
            return T("ρ_{máx} = 0.85 q_{máx} f'_{c} / f_{y}", "{bloque} × {qmax} × {fc} / {fy}",
                     "21.2.2");
        case Regla::RnMaximo:
            return T("R_{n,máx} = 0.85 q_{máx} (1 − q_{máx}/2)",
                     "{bloque} × {qmax} × (1 − {qmax}/2)", "22.2.2");
        case Regla::CoeficienteResistencia:
            return T("R_{n} = M_{u} / (φ f'_{c} {ancho} d^{2})",
                     "{Mu} / ({phi} × {fc} × {b} × {d}^{2})", "22.3.1");
        case Regla::ProfundidadBloque:
            return T("a = (1 − √(1 − R_{n}/0.425)) d", "(1 − √(1 − {Rn}/{mitadBloque})) × {d}",
                     "22.2.2.4.1");
        case Regla::IndiceRefuerzo:
            return T("ω = 0.85 (1 − √(1 − R_{n}/0.425))",
                     "{bloque} × (1 − √(1 − {Rn}/{mitadBloque}))", "22.2.2.4.1");
        case Regla::MomentoHormigon:
            return T("φM_{n1} = φ f'_{c} {ancho} d^{2} R_{n,máx}",
                     "{phi} × {fc} × {b} × {d}^{2} × {RnMax}", "22.3.1");
        case Regla::AceroDobleArmado:
            return T("A_{s} = M_{2} / (φ f_{y} (d − d')) + 0.85 q_{máx} f'_{c} {ancho} d / f_{y}",
                     "{M2} / ({phi} × {fy} × ({d} − {dp})) + {bloque} × {qmax} × {fc} × {b} × "
                     "{d} / {fy}",
                     "22.2.1");
        case Regla::DeformacionCompresion:
            return T("ε'_{s} = 0.003 − (d'/d) (ε_{t,lím} + 0.003)",
                     "{ecu} − ({dp}/{d}) × ({epsLim} + {ecu})", "22.2.1.2");
        case Regla::ParAceros:
            return T("f'_{s} > 0.85 f'_{c} y d > d'", "{fs} ≤ {bloque} × {fc} o d ≤ d'", "22.2.1");
        case Regla::AceroCompresion:
            return T("A'_{s} = {momento} / (φ (f'_{s} − 0.85 f'_{c}) (d − d'))",
                     "{M} / ({phi} × ({fs} − {bloque} × {fc}) × ({d} − {dp}))", "22.2.1.2");
        case Regla::AceroAlas:
            return T("A_{sf} = 0.85 f'_{c} h_{f} (b_{f} − b_{w}) / f_{y}",
                     "{bloque} × {fc} × {hf} × ({bf} − {bw}) / {fy}", "22.2.2.4");
        case Regla::MomentoAlas:
            return T("φM_{nf} = φ A_{sf} f_{y} (d − h_{f}/2)",
                     "{phi} × {Asf} × {fy} × ({d} − {hf}/2)", "22.3.1");
        case Regla::CoeficienteResistenciaAlma:
            return T("R_{nw} = M_{w} / (φ f'_{c} b_{w} d^{2})",
                     "{Mw} / ({phi} × {fc} × {bw} × {d}^{2})", "22.3.1");
        case Regla::IndiceRefuerzoAlma:
            return T("ω_{w} = 0.85 (1 − √(1 − R_{nw}/0.425))",
                     "{bloque} × (1 − √(1 − {Rnw}/{mitadBloque}))", "22.2.2.4.1");
        case Regla::AceroTanteo:
            return T("A_{t} = 0.75 ω_{w} (f'_{c} / f_{y}) b_{w} d + 0.5 A_{sf}",
                     "{tanteoAlma} × {omegaW} × ({fc} / {fy}) × {bw} × {d} + {tanteoAla} × {Asf}",
                     {});
        case Regla::BloqueTanteo:
            return T("a_{t} = f_{y} A_{t} / (0.85 f'_{c} b_{w})",
                     "{fy} × {At} / ({bloque} × {fc} × {bw})", {});
        case Regla::MomentoTanteo:
            return T("φM_{t} = φ A_{t} f_{y} (d − a_{t}/2)", "{phi} × {At} × {fy} × ({d} − {at}/2)",
                     {});
        case Regla::AceroPar:
            return T("A_{s3} = M_{3} / (φ f_{y} (d − d'))", "{M3} / ({phi} × {fy} × ({d} − {dp}))",
                     "22.2.1");
        case Regla::AceroMinimo1:
            return T("A_{s,mín1} = 0.80 √f'_{c} {ancho} d / f_{y}",
                     "0.80 × {raiz} × {b} × {d} / {fy}", "9.6.1.2(a)");
        case Regla::AceroMinimo2:
            return T("A_{s,mín2} = 14 {ancho} d / f_{y}", "14 × {b} × {d} / {fy}", "9.6.1.2(b)");
        case Regla::AceroMinimoAlaTraccion1:
            return T("A_{s,mín1} = 0.80 √f'_{c} b_{t} d / f_{y}, b_{t} = mín(2 b_{w}, b_{f})",
                     "0.80 × {raiz} × {bt} × {d} / {fy}", "9.6.1.2(a) y R9.6.1.2");
        case Regla::AceroMinimoAlaTraccion2:
            return T("A_{s,mín2} = 14 b_{t} d / f_{y}", "14 × {bt} × {d} / {fy}",
                     "9.6.1.2(b) y R9.6.1.2");
        case Regla::AlivioAceroMinimo:
            return T("A_{s} = mín(4/3 A_{s,req}, A_{s,mín})", "mín(4/3 × {AsReq}, {AsMin})",
                     "9.6.1.3", "alivio de 4/3");
        case Regla::PhiDeformacion:
            return T("φ = 0.65 + 0.25 (ε_{t} − ε_{ty}) / 0.003, entre 0.65 y 0.90",
                     "0.65 + 0.25 × ({epsT} − {epsY}) / 0.003", "Tabla 21.2.2");
        case Regla::DeformacionTraccion:
            return T("ε_{t} = 0.003 (d − c) / c, c = a / β_{1}", "{ecu} × ({d} − {c}) / {c}",
                     "22.2.1.2 y 9.3.3.1",
                     "deformación neta de tracción sin acero de compresión; la viga no se permite "
                     "con ε_{t} < 0.004");
        case Regla::FuerzaAceroCompresion:
            return T("A'_{s} (f'_{s} − 0.85 f'_{c})", "{Asc} × ({fs} − {bloque} × {fc})",
                     "22.2.1");
        case Regla::FuerzaAlas:
            return T("0.85 f'_{c} (b_{f} − b_{w}) h_{f}", "{bloque} × {fc} × ({bf} − {bw}) × {hf}",
                     "22.2.2.4");
        case Regla::BloqueVarillas:
            return T("a = {neta} / (0.85 f'_{c} {ancho})", "{neta} / ({bloque} × {fc} × {b})",
                     "22.2.2.4.1");
        case Regla::MomentoVarillas:
            return T("φM_{n} = φ {momento}", "{phi} × {momento}", "22.3.1");
        case Regla::PhiCortante:
            return T("φ = 0.75", {}, "Tabla 21.2.1(b)");
        case Regla::Vc:
            return T("V_{c} = 0.53 √f'_{c} b_{w} d", "0.53 × {raiz} × {bv} × {d}",
                     "Tabla 22.5.5.1(a)");
        case Regla::CuantiaAlma:
            return T("ρ_{w} = A_{s} / (b_{w} d)", "{As} / ({bv} × {d})", "22.5.5.1");
        case Regla::VcCuantia:
            return T("V_{c} = 2.1 (ρ_{w})^{1/3} √f'_{c} b_{w} d",
                     "2.1 × {rho}^{1/3} × {raiz} × {bv} × {d}", "Tabla 22.5.5.1(b)");
        case Regla::FactorTamano:
            return T("λ_{s} = √(2 / (1 + 0.004 d)) ≤ 1, d en mm", "√(2 / (1 + 0.004 × {dmm}))",
                     "22.5.5.1.3");
        case Regla::VcSinEstribos:
            return T("V_{c} = 2.1 λ_{s} (ρ_{w})^{1/3} √f'_{c} b_{w} d",
                     "2.1 × {lambdaS} × {rho}^{1/3} × {raiz} × {bv} × {d}", "Tabla 22.5.5.1(c)");
        case Regla::VcMaximo:
            return T("V_{c} ≤ 1.33 √f'_{c} b_{w} d", "1.33 × {raiz} × {bv} × {d}", "22.5.5.1.1");
        case Regla::UmbralEstriboMinimo:
            return T("V_{u} ≤ φ 0.265 √f'_{c} b_{w} d", "{phi} × 0.265 × {raiz} × {bv} × {d}",
                     "9.6.3.1");
        case Regla::FyEstribo:
            return T("f_{yt} ≤ 4200", "mín({fy}, 4200)", "20.2.2.4");
        case Regla::PhiVcMedio:
            return T("mín(φ 0.265 √f'_{c} b_{w} d, φV_{c})",
                     "mín({phi} × 0.265 × {raiz} × {bv} × {d}, {phi} × {Vc})", "9.6.3.1 y 22.5.1.1");
        case Regla::Vs:
            return T("V_{s} = V_{u} / φ − V_{c}", "{Vu} / {phi} − {Vc}", "22.5.1.1");
        case Regla::VsMaximo:
            return T("V_{s,máx} = 2.1 √f'_{c} b_{w} d", "2.1 × {raiz} × {bv} × {d}", "22.5.1.2");
        case Regla::VsBanda:
            return T("V_{s,banda} = 1.06 √f'_{c} b_{w} d", "1.06 × {raiz} × {bv} × {d}",
                     "9.7.6.2.2");
        case Regla::SeparacionBandaCerrada:
            return T("s_{máx} = mín(d/4, 30 cm)", "mín({d}/4, 30) = mín({sg}, 30)",
                     "Tabla 9.7.6.2.2", "separación máxima d/4, sin pasar de 30 cm.");
        case Regla::SeparacionBandaAbierta:
            return T("s_{máx} = mín(d/2, 60 cm)", "mín({d}/2, 60) = mín({sg}, 60)",
                     "Tabla 9.7.6.2.2", "separación máxima d/2, sin pasar de 60 cm.");
        case Regla::SeparacionMinima:
            return T("s_{mín} = 2 A_{v} f_{yt} / (máx(0.2 √f'_{c}, 3.5) b_{w})",
                     "2 × {Av} × {fy} / (máx(0.2 × {raiz}, 3.5) × {bv})", "9.6.3.4");
        case Regla::ModuloRotura:
            return T("f_{r} = 2.0 √f'_{c}", "2 × √{fc}", "19.2.3.1");
        case Regla::InerciaEfectiva:
            return T("I_{e} = I_{cr} / [1 − ((2/3) M_{cr}/M_{a})^{2} (1 − I_{cr}/I_{g})] ≤ I_{g}",
                     "{Icr} / (1 − (2/3 × {relacion})^{2} × (1 − {Icr}/{Ig}))",
                     "Tabla 24.2.3.5(b)");
        case Regla::InerciaSinFisurar:
            return T("I_{e} = I_{g}", {}, "Tabla 24.2.3.5(a)",
                     "M_{a} ≤ (2/3) M_{cr}: la sección no se fisura con las cargas de servicio.");
        case Regla::FactorLargoPlazo:
            return T("λ_{Δ} = 2 / (1 + 50 ρ')", "2 / (1 + 50 × {rho})", "24.2.4.1.1");
        case Regla::LuzVoladizo:
            return T("l = 2 × longitud del voladizo", "2 × {longitud}", {},
                     "el doble de su longitud para cada voladizo (un voladizo cuenta como medio "
                     "tramo)");
        case Regla::SeccionDeflexion:
            return T({}, {}, "24.2.3.7",
                     "I_{e} en la sección del centro del tramo y en la del apoyo de cada "
                     "voladizo");
        case Regla::FlechaCarga:
            return T("Δ_{{carga}} = |δ·I_{g}|_{máx} / I_{e}", "{flecha} / {Ie}", "24.2.3.1");
        case Regla::FlechaViva:
            return T("Δ_{L} = Δ_{D+L} − Δ_{D}", "{total} − {muerta}", "Tabla 24.2.2");
        case Regla::CuantiaLargoPlazo:
            return T("ρ' = A'_{s} / (b d)", "{Asc} / ({b} × {d})", "24.2.4.1.2");
        case Regla::LongitudDesarrollo:
            return T("l_{d} = ψ_{t} ψ_{s} f_{y} d_{b} / (5.43 √f'_{c}) ≥ 30 cm",
                     "{psiT} × {psiS} × {fy} × {db} / (5.43 × √{fc})", "Tabla 25.4.2.3 y 25.4.2.1",
                     "barras sin recubrimiento epóxico (ψ_{e} = 1) en concreto de peso normal "
                     "(λ = 1), con separación libre y recubrimiento libre no menores que d_{b} y "
                     "estribos a lo largo de l_{d}; ψ_{t} = 1.3 en barras superiores (más de 30 cm "
                     "de concreto fresco debajo), ψ_{s} = 0.8 en barras de 3/4\" (No. 19) y "
                     "menores; 1.7 / 0.3132 = 5.43 en kgf/cm².");
        case Regla::ZonasEstribos:
            return T({}, {}, "9.7.6.2.2", kTextoZonasEstribos);
        case Regla::FlechaLargoPlazoCargas:
            return T("Δ_{lp} = λ_{Δ} Δ_{sost} + Δ_{L}", "{lambda} × {sostenida} + {viva}",
                     "Tabla 24.2.2 y 24.2.4.1.1");
        case Regla::ExtensionCorte:
            return T("extensión = máx(d, 12 d_{b})", "máx({d}, 12 × {db}) = {ext}", "9.7.3.3",
                     "cada barra se prolonga más allá del punto donde deja de necesitarse por "
                     "flexión; las barras que continúan tienen l_{d} más allá de ese punto "
                     "(9.7.3.4) y cada barra l_{d} desde la sección de momento máximo (9.7.3.2).");
        case Regla::CorteZonaTraccion:
            return T("V_{u} ≤ (2/3) φV_{n}", "{Vu} ≤ (2/3) × {phiVn}", "9.7.3.5",
                     "una barra cortada en zona de tracción cumple (a) V_{u} ≤ (2/3) φV_{n} en el "
                     "corte, o (c) las barras que continúan dan el doble del área que pide la "
                     "flexión allí y V_{u} ≤ (3/4) φV_{n}; si no, la barra continúa.");
        case Regla::AceroPositivoApoyo:
            return T({}, {}, "9.7.3.8.1",
                     "al menos un tercio del acero positivo llega a cada apoyo simple (un cuarto "
                     "del lado continuo, el de un voladizo) y se prolonga al menos 15 cm dentro "
                     "del apoyo.");
        case Regla::AceroNegativoInflexion:
            return T("extensión = máx(d, 12 d_{b}, l_{n}/16)",
                     "máx({d}, 12 × {db}, {ln} / 16) = {ext}", "9.7.3.8.4",
                     "el acero negativo se prolonga más allá del punto de inflexión.");
        case Regla::AnclajeVoladizo:
            return T("l ≥ l_{d}", "{ld}", "9.7.3.2 y 25.4.2",
                     "las barras superiores de un voladizo entran en el tramo al menos l_{d} más "
                     "allá del apoyo.");
    }
    return {};
}

}  // namespace korvex
