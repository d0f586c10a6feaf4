// The part "Criterios de diseño" of the calculation report under the classic
// rules: the rules and their constants, and where they depart from ACI 318-99.
#include <string>

#include "design/BloquesCriterio.h"
#include "design/TextosReglas.h"

namespace korvex {

using namespace criterios;

std::vector<BloqueCriterio> CriteriosClasicos() {
    std::vector<BloqueCriterio> b;
    b.push_back(Parrafo(
        "Reglas con las que el programa diseña la viga y sus constantes. Fuerzas en Kgr, "
        "longitudes de la sección en cm, esfuerzos en " +
        std::string(kKgCm2) + " y √f'_{c} con f'_{c} en " + kKgCm2 + "."));
    // Cargas
    b.push_back(Apartado("Cargas y factores de reducción"));
    b.push_back(Reglas({
        {"Combinación factorizada (resistencia)",
         "U = 1.4 D + 1.7 L + 1.0 Otros + 1.4 PP; \"Otros\" son cargas ya factorizadas; PP = "
         "peso propio, w = 0.00024 A Tn/m (A en cm^{2})"},
        {"Combinación de servicio (deflexiones)", "D + L + Otros + PP, todas con factor 1.0"},
        {"Factor de reducción, flexión", "φ = 0.90"},
        {"Factor de reducción, cortante", "φ = 0.85"},
    }));
    // Flexion
    b.push_back(Apartado("Flexión"));
    b.push_back(Reglas({
        {"Bloque de compresiones",
         "0.85 f'_{c} uniforme en la profundidad a = β_{1} c; ε_{cu} = 0.003; E_{s} = 2,040,000 " +
             std::string(kKgCm2) + "; f_{s} = E_{s} ε_{s} ≤ f_{y}"},
        {"Factor β_{1}", "β_{1} = 0.85 − (f'_{c} − 280) / 1400, entre 0.65 y 0.85"},
        {"Capacidad de la sección",
         "R_{n} = M_{u} / (0.9 f'_{c} b d^{2}) ≤ 0.425; por encima la sección es insuficiente y "
         "el diseño se detiene"},
        {"Acero máximo sin acero de compresión",
         "eje neutro c ≤ k d, k = 0.003 / (0.003 + ε_{s,lím}), ε_{s,lím} = 0.001 + (4/3) ε_{y}: "
         "k = 0.75 × 0.003 / (0.003 + ε_{y}), el 0.75 del eje neutro balanceado; en una zona "
         "de compresión rectangular, ρ_{máx} = 0.85 β_{1} k f'_{c} / f_{y} = 0.75 ρ_{b}"},
        {"Acero de compresión",
         "el momento que excede al del hormigón con q_{máx} = β_{1} k lo toma un par de aceros: "
         "A'_{s} con f'_{s} = E_{s} ε'_{s} ≤ f_{y}, ε'_{s} = 0.003 − (d'/d) (ε_{s,lím} + 0.003)"},
        {"Ala en compresión",
         "si a con el ancho b_{f} no pasa de h_{f}, rectángulo de ancho b_{f}; si pasa, T: "
         "A_{sf} = 0.85 f'_{c} (b_{f} − b_{w}) h_{f} / f_{y} y el alma como rectángulo de ancho "
         "b_{w}; acero de compresión cuando M_{u} supera φM_{nf} + φM_{t}, con A_{t} = 0.75 "
         "ω_{w} (f'_{c}/f_{y}) b_{w} d + 0.5 A_{sf}"},
    }));
    b.push_back(Parrafo("Acero mínimo de tracción, el mayor de los dos valores de cada caso:"));
    b.push_back(Tabla({"Caso", "A_{s,mín}"}, {
        {"Sección rectangular, ambos momentos", "máx(0.8 √f'_{c} b d / f_{y}, 14.5 b d / f_{y})"},
        {"Ala en compresión, bloque dentro del ala (M(+) de la T, M(−) de la T invertida)",
         "máx(0.8 √f'_{c} b_{f} d / f_{y}, 14.5 b_{f} d / f_{y})"},
        {"Ala en compresión, bloque bajo el ala (comportamiento T)",
         "máx(0.8 √f'_{c} b_{w} d / f_{y}, 14.5 b_{w} d / f_{y})"},
        {"Ala en tracción (M(−) de la T, M(+) de la T invertida)",
         "máx(1.6 √f'_{c} b_{w} d / f_{y}, 0.8 √f'_{c} b_{f} d / f_{y})"},
        {"Alivio de 4/3, en todos los casos",
         "si A_{s,req} < A_{s,mín}: A_{s} = mín(4/3 A_{s,req}, A_{s,mín})"},
    }));
    // Cortante
    b.push_back(Apartado("Cortante"));
    b.push_back(Reglas({
        {"Cortante de diseño",
         "V_{u} = |V|_{máx} del diagrama factorizado; una sola separación de estribos para toda "
         "la viga"},
        {"Resistencia del hormigón", "V_{c} = 0.55 √f'_{c} b_{w} d"},
        {"Sin estribos", "V_{u} ≤ φV_{c} / 2 (a discreción del Ingeniero)"},
        {"Cortante de los estribos",
         "V_{s} = V_{u} / φ − V_{c} ≤ 2.1 √f'_{c} b_{w} d; por encima la viga falla por cortante"},
        {"Separación máxima",
         "V_{s} ≤ 1.1 √f'_{c} b_{w} d: s ≤ d/2 y s ≤ 60 cm; V_{s} > 1.1 √f'_{c} b_{w} d: "
         "s ≤ d/4 y s ≤ 30 cm"},
        {"Estribo mínimo (dos ramas de área A_{v})",
         "2 A_{v} ≥ 3.5 b_{w} s / f_{y}, es decir s ≤ 2 A_{v} f_{y} / (3.5 b_{w})"},
        {"Resistencia de los estribos (V_{s} > 0)", "s ≤ 2 A_{v} f_{y} d / V_{s}"},
    }));
    // Deflexion
    b.push_back(Apartado("Deflexiones"));
    b.push_back(Reglas({
        {"Sección fisurada",
         "n = E_{s} / E_{c}, E_{c} = 15100 √f'_{c}; I_{cr} de la sección transformada con A_{s} "
         "y A'_{s}"},
        {"Inercia efectiva (Branson)",
         "I_{e} = (M_{cr}/M_{a})^{3} I_{g} + [1 − (M_{cr}/M_{a})^{3}] I_{cr} ≤ I_{g}, M_{cr} = "
         "f_{r} I_{g} / y_{t}, f_{r} = 2 √f'_{c}; M_{a}: el mayor momento de servicio del signo"},
        {"Flecha inmediata δ", "con las cargas de servicio (todas con factor 1.0) e I_{e}"},
        {"Factor de largo plazo (usos 3 y 4)",
         "λ = 2 / (1 + 50 ρ'), ρ' = A'_{s} / (b d) de la sección con más acero de compresión"},
        {"Flecha de cada zona",
         "la mayor |δ·I| de la zona dividida por la menor I_{e} de las dos secciones con momento"},
        {"Uso 1: azoteas sin elementos no estructurales susceptibles de daño", "δ ≤ l/180"},
        {"Uso 2: entrepisos sin elementos no estructurales susceptibles de daño", "δ ≤ l/360"},
        {"Uso 3: con elementos no estructurales susceptibles de daño", "λ δ ≤ l/480"},
        {"Uso 4: con elementos no estructurales no susceptibles de daño", "λ δ ≤ l/240"},
        {"Luz l de cada zona",
         "el tramo entre los apoyos, l = K − J; cada voladizo, l = 2 × su longitud"},
    }));
    // ComparacionAci
    b.push_back(Apartado("Diferencias con ACI 318-99"));
    b.push_back(Parrafo(
        "Reglas en que el programa se aparta de ACI 318-99 y en qué sentido. Los coeficientes "
        "del código, escritos para psi, están convertidos a " +
        std::string(kKgCm2) +
        ": 2 √f'_{c} → 0.53 √f'_{c}, 3 √f'_{c} → 0.80 √f'_{c}, 4 √f'_{c} → 1.06 √f'_{c}, 6 "
        "√f'_{c} → 1.59 √f'_{c}, 8 √f'_{c} → 2.12 √f'_{c}, 7.5 √f'_{c} → 2.0 √f'_{c}, 200 / "
        "f_{y} → 14 / f_{y}."));
    b.push_back(Tabla({"Regla", "Korvex", "ACI 318-99", "Sentido"}, {
        {"Resistencia del hormigón a cortante", "V_{c} = 0.55 √f'_{c} b_{w} d",
         "11.3.1.1: V_{c} = 0.53 √f'_{c} b_{w} d", "menos conservador"},
        {"Acero mínimo, segundo valor", "14.5 b d / f_{y}", "10.5.1: 14 b_{w} d / f_{y}",
         "más conservador"},
        {"Acero mínimo de una T con el bloque en el ala", "con b_{f}", "10.5.1: con b_{w}",
         "más conservador"},
        {"Acero mínimo con el ala en tracción",
         "el mayor de 1.6 √f'_{c} b_{w} d / f_{y} y 0.8 √f'_{c} b_{f} d / f_{y}",
         "10.5.2: el menor de 1.59 √f'_{c} b_{w} d / f_{y} y el de 10.5.1 con b_{f}",
         "más conservador"},
        {"Límite de la banda de separación", "V_{s} > 1.1 √f'_{c} b_{w} d",
         "11.5.4.3: V_{s} > 1.06 √f'_{c} b_{w} d", "menos conservador"},
        {"Mayor V_{s}", "2.1 √f'_{c} b_{w} d", "11.5.6.9: 2.12 √f'_{c} b_{w} d", "más conservador"},
        {"Cortante de diseño", "|V|_{máx} del diagrama",
         "11.1.3: V_{u} a la distancia d de la cara del apoyo", "más conservador"},
        {"Deflexión de los usos 1 y 2", "δ inmediata con todas las cargas de servicio",
         "Tabla 9.5(b): δ inmediata de la carga viva", "más conservador"},
        {"Deflexión de los usos 3 y 4", "λ δ con todas las cargas de servicio",
         "Tabla 9.5(b), 9.5.2.5: λ δ de las cargas sostenidas más δ inmediata de la carga viva "
         "adicional, menos la ocurrida antes de colocar los elementos no estructurales",
         "más conservador mientras λ ≥ 1 (ρ' ≤ 0.02)"},
        {"Luz de un voladizo en el límite de deflexión", "2 × la longitud del voladizo",
         "Tabla 9.5(b): la proyección libre del voladizo", "menos conservador"},
        {"Inercia efectiva de la flecha", "la menor de las dos secciones, en cada zona",
         "9.5.2.4: la del centro del vano en un tramo simple, la del apoyo en un voladizo",
         "más conservador"},
        {"ρ' del factor de largo plazo", "el de la sección con más acero de compresión",
         "9.5.2.5: el del centro del vano en un tramo, el del apoyo en un voladizo",
         "menos conservador (un ρ' mayor da un λ menor)"},
        {"Tope de la sección a flexión",
         "R_{n} ≤ 0.425: por encima la sección es insuficiente aun con acero de compresión",
         "sin tope: 10.3.3 limita el acero de tracción, no la sección doblemente armada",
         "más conservador (rechaza secciones que se podrían armar)"},
        {"Acero de compresión de una T",
         "cuando M_{u} > φM_{nf} + φM_{t}, A_{t} = 0.75 ω_{w} (f'_{c}/f_{y}) b_{w} d + 0.5 "
         "A_{sf}, con ω_{w} de la demanda del alma",
         "10.3.3: A_{s} ≤ 0.75 de la cuantía balanceada de la T (con el ala)",
         "distinto: según la sección lo pide antes o después"},
    }));
    b.push_back(Nota(
        "Coinciden con ACI 318-99: los factores de carga 1.4 y 1.7 (9.2.1), φ = 0.90 y 0.85 "
        "(9.3.2), el bloque de 0.85 f'_{c}, ε_{cu} = 0.003 y β_{1} (10.2), el acero máximo "
        "0.75 ρ_{b} en una zona de compresión rectangular (10.3.3), el alivio de 4/3 (10.5.3), "
        "el estribo mínimo 3.5 b_{w} s / f_{y} (11.5.5.3), las separaciones d/2 y d/4 con 60 y "
        "30 cm (11.5.4, 24 y 12 pulgadas), f_{r} = 2.0 √f'_{c} (9.5.2.3) y λ con ξ = 2 para "
        "cargas sostenidas cinco años o más (9.5.2.5)."));
    return b;
}

}  // namespace korvex
