// The part "Armado y despiece" of the report, its first half: the bars of
// each face that needs steel, whether they fit in the width, the effective
// depth they really give (the face designed again with it when smaller),
// phi Mn with that depth against Mu and the crack control of their spacing.
// Every value is the one the design recorded in ResultadoDiseno::Armado.
#include <cmath>

#include "design/Armado.h"
#include "project/DatosProyecto.h"
#include "project/MemoriaTexto.h"

namespace korvex::memoria {

namespace {

constexpr double kKgCmATnM = 1e-5;  // Kgr.cm -> Tn.m

std::string TnM(double kgcm) {
    return F2(kgcm * kKgCmATnM);
}

// "4Ø3/4\" (capa 1) + 2Ø1/2\" (capa 2)".
std::string TextoBarras(const std::vector<GrupoBarras>& g) {
    std::string t;
    for (const GrupoBarras& x : g) {
        if (!t.empty()) t += " + ";
        t += std::to_string(x.cantidad) + "Ø" + NombreBarra(x.diametro) + " (capa " +
             std::to_string(x.capa) + ")";
    }
    return t.empty() ? "ninguna" : t;
}

const char* NombreCara(bool inferior) {
    return inferior ? "Cara inferior, momento positivo M(+)"
                    : "Cara superior, momento negativo M(−)";
}

// The width each layer of bars takes, n d_b plus the clear spacings between
// them, against the clear width inside the stirrups.
void AnchoCapas(const ArmadoCara& a, Redactor& r) {
    const double libre = a.ancho - 2.0 * a.libreLateral;  // cm
    for (int capa = 1; capa <= 2; ++capa) {
        int n = 0;
        double suma = 0;  // cm, sum of the bar diameters of the layer
        std::string diametros;
        for (const GrupoBarras& x : a.barras) {
            if (x.capa != capa) continue;
            n += x.cantidad;
            suma += x.cantidad * DiametroBarra(x.diametro);
            diametros += (diametros.empty() ? "" : " + ") + std::to_string(x.cantidad) + " × " +
                         General(DiametroBarra(x.diametro));
        }
        if (n == 0) continue;
        const double ocupa = suma + (n - 1) * static_cast<double>(a.separacionMinima);
        const bool cabe = ocupa <= libre + 1e-4;
        r.Comprobacion(
            "Las varillas de la capa " + std::to_string(capa) + " caben en el ancho libre",
            "Σd_{b} + (n − 1) s_{mín} ≤ b − 2 (r_{l} + d_{e})",
            diametros + " + " + std::to_string(n - 1) + " × " + F2(a.separacionMinima) + " = " +
                F2(ocupa) + (cabe ? " ≤ " : " > ") + Dato(a.ancho) + " − 2 × " +
                F2(a.libreLateral) + " = " + F2(libre) + " cm",
            cabe);
    }
}

void Cara(const Proyecto& p, const ArmadoCara& a, const ReglasDiseno& reglas, Redactor& r) {
    const float rl = DatosVigaDe(p).opciones.recubrimientoLibre;
    r.Apartado(NombreCara(a.inferior));
    r.Texto(std::string("Varillas de tracción") +
            (a.usuario ? " (dadas por el usuario): " : " (elegidas por el programa): ") +
            TextoBarras(a.barras) + ", A_{s,provista} = " + F3(a.AsProvisto) + " " + kCm2 +
            ". Ancho b = " + Dato(a.ancho) + " cm; libre lateral r_{l} + d_{e} = " + Dato(rl) +
            " + " + Cifras(a.libreLateral - rl) + " = " + F2(a.libreLateral) +
            " cm (recubrimiento libre más estribo); separación libre mínima máx(2.5 cm, d_{b}) = " +
            F2(a.separacionMinima) + " cm, 2.5 cm entre capas.");
    AnchoCapas(a, r);
    if (a.separacionLibre > 0) {
        const bool ok = a.separacionLibre + 1e-4 >= a.separacionMinima;
        r.Comprobacion(
            "Separación libre entre las varillas de la capa 1", "s_{libre} ≥ s_{mín}",
            F2(a.separacionLibre) + (ok ? " ≥ " : " < ") + F2(a.separacionMinima) + " cm", ok);
    }

    // The depth the bars really give, and the face designed again with it.
    r.Texto("Peralte efectivo supuesto d = " + F2(a.dSupuesto) +
            " cm; con las varillas colocadas, hasta su centroide, d_{real} = " + F2(a.dReal) +
            " cm (d_{t} = " + F2(a.dt) + " cm hasta la capa más cercana a la cara).");
    if (a.dReal < a.dSupuesto) {
        r.Texto("d_{real} < d: la cara se diseña de nuevo a flexión con d_{real}, A_{s} = " +
                F3(a.AsReal) + " " + kCm2 + " (con el d supuesto, " + F3(a.AsSupuesto) + " " +
                kCm2 + ").");
    }
    const bool area = a.AsProvisto + 1e-4 >= a.AsReal;
    r.Comprobacion("Área de las varillas", "A_{s,provista} ≥ A_{s}",
                   F3(a.AsProvisto) + (area ? " ≥ " : " < ") + F3(a.AsReal) + " " + kCm2, area);
    if (!a.compresion.empty()) {
        r.Texto("Varillas de compresión en la cara opuesta: " + TextoBarras(a.compresion) +
                ", A'_{s} = " + F3(a.AscProvisto) + " " + kCm2 + " (requerida " +
                F3(a.AscRequerido) + " " + kCm2 + "), d' = " + F2(a.dpReal) + " cm.");
    }
    r.Texto("Con el d real: φ = " + Cifras(a.phi, 3) + " (ε_{t} = " + Cifras(a.epsT) +
            "), M_{u} = " + TnM(a.Mu) + " " + kTnM + ".");
    const bool resiste = a.phiMn >= a.Mu;
    r.Comprobacion("Resistencia de las varillas con el peralte real", "φM_{n} ≥ M_{u}",
                   TnM(a.phiMn) + (resiste ? " ≥ " : " < ") + TnM(a.Mu) + " " + kTnM, resiste);

    // Crack control of the bars nearest the tension face.
    const TextoRegla t = reglas.TextoFisuracion();
    const LimiteFisuracion& f = a.fisuracion;
    r.Paso(ConClausula("Control de fisuración: " + t.texto, t), t.formula,
           Sustituir(t.sustitucion, {{"s1", F2(f.sRecubrimiento)},
                                     {"s2", F2(f.sTope)},
                                     {"fs", Entero(f.fs)},
                                     {"cc", F2(a.libreLateral)}}),
           F2(f.sMax) + " cm, la menor");
    r.Comprobacion("Separación centro a centro de la capa 1", "s ≤ s_{máx}",
                   F2(a.separacion) + (a.fisuracionCumple ? " ≤ " : " > ") + F2(f.sMax) + " cm",
                   a.fisuracionCumple);

    if (a.estado == EstadoArmado::Aceptado) {
        r.Texto("Armado aceptado: las varillas caben y resisten M_{u} con el peralte real.");
    } else {
        r.Texto("Armado no aceptado: " +
                (a.aviso.empty() ? std::string("las varillas no cumplen las comprobaciones.")
                                 : a.aviso));
    }
}

}  // namespace

std::string NombreBarra(int fila) {
    if (fila < 0 || fila >= static_cast<int>(kNombreVarilla.size())) return "—";
    return std::string(kNombreVarilla[static_cast<std::size_t>(fila)]) + "\"";
}

double DiametroBarra(int fila) {
    if (fila < 0 || fila >= static_cast<int>(kDiametroVarilla.size())) return 0;
    return kDiametroVarilla[static_cast<std::size_t>(fila)];
}

bool ConArmado(const ResultadoCalculo& c) {
    return !c.disenoFallido && !c.DisenoFallido && !c.Armado.empty();
}

void CarasArmado(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                 Redactor& r) {
    for (const ArmadoCara& a : c.Armado) Cara(p, a, reglas, r);
}

void ArmadoYDespiece(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                     Redactor& r) {
    r.Parte("Armado y despiece");
    r.Texto(
        "Varillas de un diámetro (o de dos diámetros vecinos) de la tabla para cada cara en "
        "tracción, en una capa si caben y si no en dos; con ellas se mide el peralte real, la "
        "resistencia y la separación, y se decide dónde empieza y termina cada barra.");
    CarasArmado(p, c, reglas, r);
    Despiece(p, c, reglas, r);
}

}  // namespace korvex::memoria
