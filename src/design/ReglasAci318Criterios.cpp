// The part "Criterios de diseño" of the calculation report under ACI 318-19:
// the rules with their clauses, the conversions of the SI coefficients and
// where the program is more or less conservative than the code.
#include <string>

#include "design/BloquesCriterio.h"
#include "design/TextosReglas.h"

namespace korvex {

using namespace criterios;

std::vector<BloqueCriterio> CriteriosAci318() {
    const std::string kg = kKgCm2;
    std::vector<BloqueCriterio> b;
    b.push_back(Parrafo(
        "Reglas del código ACI 318-19 (Building Code Requirements for Structural Concrete) con "
        "las que el programa diseña la viga. Fuerzas en Kgr, longitudes de la sección en cm, "
        "esfuerzos en " + kg + " y √f'_{c} con f'_{c} en " + kg + "."));
    b.push_back(Parrafo(
        "Los coeficientes del código, escritos en unidades SI, están convertidos con √f'_{c} "
        "[MPa] = 0.3132 √f'_{c} [" + kg + "]: un coeficiente k de √f'_{c} b_{w} d en N es 3.194 "
        "k en Kgr (0.17 → 0.53, 0.66 → 2.1, 0.42 → 1.33, 0.33 → 1.06, 0.083 → 0.265) y uno de "
        "√f'_{c} en MPa es 3.194 k en " + kg + " (0.25 → 0.80, 0.062 → 0.2, 0.62 → 2.0, 4700 → "
        "15100); 1.4 MPa → 14 " + kg + ", 0.35 MPa → 3.5 " + kg + ", 420 MPa → 4200 " + kg +
        "."));
    b.push_back(Apartado("Cargas y factores de reducción"));
    b.push_back(Reglas({
        {"Combinaciones de resistencia (5.3.1)",
         "U = 1.4 D y U = 1.2 D + 1.6 L; gobierna en cada estación la de mayor efecto (con la "
         "alternancia de la carga viva cuando está activa); \"Otros\" son cargas ya "
         "factorizadas (1.0); el peso propio PP = 0.00024 A Tn/m es carga muerta"},
        {"Combinación de servicio (24.2)", "D + L, todas las cargas con factor 1.0"},
        {"Factor de reducción, flexión (21.2.2)",
         "φ = 0.90 con ε_{t} ≥ ε_{ty} + 0.003; 0.65 con ε_{t} ≤ ε_{ty}; lineal entre ambos"},
        {"Factor de reducción, cortante (21.2.1)", "φ = 0.75"},
    }));
    b.push_back(Apartado("Flexión"));
    b.push_back(Reglas({
        {"Bloque de compresiones (22.2.2)",
         "0.85 f'_{c} en la profundidad a = β_{1} c; ε_{cu} = 0.003; E_{s} = 2,040,000 " + kg +
             "; β_{1} de la Tabla 22.2.2.4.3: 0.85 − 0.05 (f'_{c} − 280) / 70, entre 0.65 y "
             "0.85"},
        {"Diseño controlado por tracción (21.2.2, 9.3.3.1)",
         "sin acero de compresión mientras ε_{t} ≥ ε_{ty} + 0.003 (φ = 0.90); si la sección "
         "simplemente armada no lo cumple se agrega acero de compresión con su esfuerzo real "
         "f'_{s} = E_{s} ε'_{s} ≤ f_{y}; la memoria indica cuando sin él ε_{t} < 0.004, lo que "
         "9.3.3.1 no permite"},
        {"Ala en compresión",
         "si a con el ancho b_{f} no pasa de h_{f}, rectángulo de ancho b_{f}; si pasa, "
         "A_{sf} = 0.85 f'_{c} (b_{f} − b_{w}) h_{f} / f_{y} y el alma como rectángulo de "
         "ancho b_{w}, con acero de compresión cuando excede su límite de deformación"},
        {"Acero mínimo (9.6.1.2)",
         "máx(0.80 √f'_{c} b_{w} d / f_{y}, 14 b_{w} d / f_{y}); con el ala en tracción b_{w} "
         "se toma como mín(2 b_{w}, b_{f}) (R9.6.1.2)"},
        {"Alivio (9.6.1.3)", "si A_{s,req} < A_{s,mín}: A_{s} = mín(4/3 A_{s,req}, A_{s,mín})"},
    }));
    b.push_back(Apartado("Cortante"));
    b.push_back(Reglas({
        {"Cortante de diseño", "V_{u} = |V|_{máx} del diagrama factorizado; una sola "
                               "separación de estribos para toda la viga"},
        {"V_{c} con estribo mínimo (Tabla 22.5.5.1)",
         "el mayor de (a) 0.53 √f'_{c} b_{w} d y (b) 2.1 (ρ_{w})^{1/3} √f'_{c} b_{w} d"},
        {"V_{c} sin estribo mínimo (Tabla 22.5.5.1(c))",
         "2.1 λ_{s} (ρ_{w})^{1/3} √f'_{c} b_{w} d, λ_{s} = √(2 / (1 + 0.004 d)) ≤ 1 con d en "
         "mm (22.5.5.1.3)"},
        {"Límite de V_{c} (22.5.5.1.1)", "V_{c} ≤ 1.33 √f'_{c} b_{w} d"},
        {"ρ_{w}", "A_{s} / (b_{w} d) con el acero de tracción diseñado en la sección del mayor "
                  "cortante (el inferior si el momento ahí es positivo o nulo)"},
        {"Sin estribos (9.6.3.1)",
         "V_{u} ≤ φ 0.265 √f'_{c} b_{w} d y V_{u} ≤ φV_{c} sin estribo mínimo"},
        {"Límite de la sección (22.5.1.2)",
         "V_{s} = V_{u} / φ − V_{c} ≤ 2.1 √f'_{c} b_{w} d; por encima la viga falla por "
         "cortante"},
        {"Separación máxima (Tabla 9.7.6.2.2)",
         "V_{s} ≤ 1.06 √f'_{c} b_{w} d: s ≤ d/2 y s ≤ 60 cm; si no, s ≤ d/4 y s ≤ 30 cm"},
        {"Estribo mínimo (9.6.3.4)",
         "2 A_{v} ≥ máx(0.2 √f'_{c}, 3.5) b_{w} s / f_{yt}, f_{yt} ≤ 4200 " + kg +
             " (20.2.2.4)"},
        {"Resistencia de los estribos (22.5.8.5.3)", "s ≤ 2 A_{v} f_{yt} d / V_{s}"},
    }));
    b.push_back(Apartado("Deflexiones"));
    b.push_back(Reglas({
        {"Módulos (19.2.2.1, 19.2.3.1)",
         "E_{c} = 15100 √f'_{c}, f_{r} = 2.0 √f'_{c}, n = E_{s} / E_{c}"},
        {"Inercia efectiva (Tabla 24.2.3.5)",
         "I_{e} = I_{g} si M_{a} ≤ (2/3) M_{cr}; si no, I_{e} = I_{cr} / [1 − ((2/3) "
         "M_{cr}/M_{a})^{2} (1 − I_{cr}/I_{g})]"},
        {"Sección de I_{e} (24.2.3.7)",
         "la del centro del tramo para el tramo, la del apoyo para cada voladizo"},
        {"Cargas de cada flecha",
         "D: cargas muertas, \"Otros\" y peso propio; D + L: todas; cada flecha con su propia "
         "I_{e}"},
        {"Usos 1 y 2 (Tabla 24.2.2)", "flecha inmediata de la carga viva Δ_{L} = Δ_{D+L} − "
                                      "Δ_{D} ≤ l/180 y l/360"},
        {"Usos 3 y 4 (Tabla 24.2.2, 24.2.4.1)",
         "λ_{Δ} Δ_{sost} + Δ_{L} ≤ l/480 y l/240, Δ_{sost} = flecha inmediata de D más la "
         "parte sostenida de L; λ_{Δ} = 2 / (1 + 50 ρ'), ρ' del centro del tramo o del apoyo "
         "del voladizo"},
        {"Luz l de cada zona",
         "el tramo entre los apoyos; cada voladizo, el doble de su longitud"},
    }));
    b.push_back(Apartado("Diferencias con ACI 318-19"));
    b.push_back(Tabla({"Regla", "Korvex", "ACI 318-19", "Sentido"}, {
        {"Cortante de diseño", "|V|_{máx} del diagrama",
         "9.4.3.2: V_{u} a la distancia d de la cara del apoyo", "más conservador"},
        {"Tope de la sección a flexión", "R_{n} ≤ 0.425 aun con acero de compresión",
         "sin tope", "más conservador"},
        {"Luz de un voladizo en el límite de deflexión", "2 × la longitud del voladizo",
         "Tabla 24.2.2: la longitud del voladizo", "menos conservador"},
        {"Capacidad de las varillas sugeridas", "φ = 0.90",
         "21.2.2: φ según ε_{t} de las varillas colocadas",
         "menos conservador si las varillas bajan ε_{t} de ε_{ty} + 0.003"},
        {"Acero lateral (9.7.2.3)", "el de las reglas clásicas cuando d > 90 cm",
         "h > 90 cm, separación según 24.3.2", "distinto"},
    }));
    return b;
}

}  // namespace korvex
