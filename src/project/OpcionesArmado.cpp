#include "project/OpcionesArmado.h"

#include <algorithm>
#include <cmath>

#include "design/Armado.h"
#include "project/DatosProyecto.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr double kKgcmATnm = 1.0 / 100000;  // Kgr.cm -> Tn.m

const char* Cara(bool inferior) {
    return inferior ? "inferior" : "superior";
}

// cm, the width the bars of a face sit in; 0 while no section is defined.
double AnchoBarras(const Proyecto& p) {
    const SeccionViga s = DatosVigaDe(p).seccion;
    switch (s.forma) {
        case FormaSeccion::Rectangular:
            return s.b;
        case FormaSeccion::T:
        case FormaSeccion::TInvertida:
            return s.bw;
        case FormaSeccion::SinDefinir:
            break;
    }
    return 0;
}

// "3 Ø 1\" + 2 Ø 3/4\"": the groups of bars, layer 1 first.
std::string Grupos(const std::vector<GrupoBarras>& g) {
    std::string t;
    for (const GrupoBarras& x : g) {
        if (!t.empty()) t += " + ";
        const bool fila = x.diametro >= 0 && x.diametro < static_cast<int>(kNombreVarilla.size());
        t += std::to_string(x.cantidad) + " Ø " +
             (fila ? kNombreVarilla[static_cast<std::size_t>(x.diametro)] : "?") + "\"";
    }
    return t;
}

std::string Decimales(double v) {
    return texto::FormatoDecimales(v, 2, 2);
}

}  // namespace

std::string LeerRecubrimientoLibre(const std::string& texto, const Proyecto& p, float& valor) {
    const double v = texto::NumeroCampo(texto);
    if (!texto::EsNumerico(texto) || v < 0) {
        return "El recubrimiento libre (cm) debe ser un número de 0 o más.";
    }
    const double ancho = AnchoBarras(p);
    if (ancho > 0 && v >= ancho / 2) {
        return "El recubrimiento libre (cm) debe ser menor que la mitad del ancho del alma (" +
               texto::FormatoGeneral(ancho / 2) + " cm): no deja espacio para las varillas.";
    }
    valor = static_cast<float>(v);
    return {};
}

std::string LeerCantidadBarras(const std::string& texto, bool inferior, int& cantidad) {
    const double v = texto::NumeroCampo(texto);
    if (!texto::EsNumerico(texto) || v != std::floor(v) || v < kBarrasUsuarioMin ||
        v > kBarrasUsuarioMax) {
        return std::string("La cantidad de varillas de la cara ") + Cara(inferior) +
               " debe ser un número entero de " + std::to_string(kBarrasUsuarioMin) + " a " +
               std::to_string(kBarrasUsuarioMax) + ".";
    }
    cantidad = static_cast<int>(v);
    return {};
}

std::string TextoArmado(const ArmadoCara& a) {
    std::string t =
        std::string("Cara ") + Cara(a.inferior) + (a.usuario ? " (varillas del usuario): " : ": ");
    const bool evaluado =
        !a.barras.empty() && a.estado != EstadoArmado::NoCabe && a.estado != EstadoArmado::Invalido;
    if (!a.barras.empty()) t += Grupos(a.barras);
    if (evaluado) {
        int capas = 1;
        for (const GrupoBarras& g : a.barras) capas = std::max(capas, g.capa);
        const double phiMn = a.phiMn * kKgcmATnm, Mu = a.Mu * kKgcmATnm;
        t += " (" + std::to_string(capas) + (capas == 1 ? " capa" : " capas") +
             "), d real = " + Decimales(a.dReal) + " cm, φMn = " + Decimales(phiMn) +
             (a.phiMn >= a.Mu ? " ≥ " : " < ") + "Mu = " + Decimales(Mu) + " Tn·m, " +
             (a.cumple ? "cumple" : "no cumple");
    }
    if (!a.aviso.empty()) t += (a.barras.empty() ? "" : ". ") + a.aviso;
    return t;
}

std::string TextoCara(const std::vector<ArmadoCara>& caras, bool inferior, bool fallido) {
    for (const ArmadoCara& a : caras) {
        if (a.inferior == inferior) return TextoArmado(a);
    }
    return std::string("Cara ") + Cara(inferior) +
           (fallido ? ": sin varillas, el diseño no terminó." : ": no requiere acero de tracción.");
}

}  // namespace korvex
