// The calculation report of a beam designed with the ACI 318-19 rules: each
// step cites its clause, the strain steps of flexure, the rows of Vc and the
// strength combination that governs each design extreme.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>

#include "comun/Vigas.h"
#include "design/Reglas.h"
#include "project/DatosProyecto.h"
#include "project/Memoria.h"
#include "project/MemoriaTexto.h"

namespace korvex::pruebas {
namespace {

const ReglasDiseno& Aci() {
    return ReglasPorClave(kReglasAci318);
}

// `p` calculated with the ACI 318-19 rules as the program calculates with its
// own: the modulus of the rules, the typed input, the calculation proper.
ProyectoCalculado CalcularAci(Proyecto p) {
    ProyectoCalculado c(std::move(p));
    const DatosViga datos = DatosVigaDe(c);
    PropiedadesSeccion propiedades = PropiedadesDe(c.estado);
    propiedades.modulo = static_cast<float>(Aci().ModuloConcreto(*datos.materiales.fc) * 10);
    c.estado.ModuloElasticidad = propiedades.modulo;
    InterfazRegistro ui;
    c.r = Calcular(datos, c.seccion, propiedades, Aci(), ui);
    c.estado.PeralteEfectivo = c.r.PeralteEfectivo;
    return c;
}

// The report under `reglas` as one plain text, a line per block; a step with
// its concept.
std::string Texto(const ProyectoCalculado& p, const ReglasDiseno& reglas = Aci()) {
    std::string t;
    for (const Bloque& b : ConstruirMemoria(p, p.r, {}, reglas)) {
        if (auto* e = std::get_if<Encabezado>(&b)) t += e->texto;
        if (auto* x = std::get_if<Parrafo>(&b)) t += x->texto;
        if (auto* f = std::get_if<FormulaMemoria>(&b)) {
            t += f->concepto + " | " + f->simbolos + " " + f->sustitucion + " " + f->resultado;
        }
        if (auto* x = std::get_if<TablaMemoria>(&b)) {
            for (const auto& fila : x->filas) {
                for (const std::string& c : fila) t += c + " | ";
                t += "\n";
            }
        }
        t += "\n";
    }
    return TextoPlano(t);
}

void Contiene(const std::string& texto, const std::string& buscado) {
    EXPECT_NE(texto.find(buscado), std::string::npos) << buscado;
}

// A rectangular beam with live load (tension-controlled, stirrups needed) and
// a T with a cantilever: the flange in tension over the support, the web of
// the span doubly reinforced as a rectangle.
TEST(MemoriaAci318, PasosConSuClausulaYLaCombinacionQueGobierna) {
    Proyecto viga =
        Rectangular(6, 25, 50, {Uniforme(0, 6, 2, kMuerta, 6), Uniforme(0, 6, 1.2f, kViva, 6)});
    viga.materiales.cboFy = "4200";
    const ProyectoCalculado rect = CalcularAci(viga);
    const PasoCortante& c = rect.r.Pasos.cortante;
    ASSERT_TRUE(c.calculado && !c.sinEstribos && !c.falla);
    const std::string t = Texto(rect);

    Contiene(t, "Reglas de diseño: ACI 318-19");
    Contiene(t, "Combinaciones de ACI 318-19, 5.3.1.");
    // Flexure: phi at the strain limit and the net tensile strain.
    Contiene(t, "Coeficiente de resistencia (ACI 318-19, 22.3.1)");
    Contiene(t,
             "Factor de reducción en el límite de deformación (ACI 318-19, Tabla 21.2.2) | φ = "
             "0.65 + 0.25 (εt − εty) / 0.003, entre 0.65 y 0.90 = 0.65 + 0.25 × (0.005059 − "
             "0.002059) / 0.003 = 0.9");
    Contiene(t,
             "Deformación neta de tracción sin acero de compresión (ACI 318-19, 22.2.1.2 y "
             "9.3.3.1) | εt = 0.003 (d − c) / c, c = a / β1 = 0.003 × (46 − ");
    Contiene(t, "εt = " + memoria::Cifras(rect.r.Pasos.flexionPos.epsTSimple) +
                    " ≥ εt,lím = 0.005059: la sección queda controlada por tracción, φ = 0.9");
    Contiene(t,
             "Acero mínimo, primer valor (ACI 318-19, 9.6.1.2(a)) | As,mín1 = 0.80 √f'c b d / fy");
    // Shear: fyt, rho_w of the bottom steel, row (c) with lambda_s, then (a) and (b).
    Contiene(t, "Fluencia del estribo que cuenta el diseño (ACI 318-19, 20.2.2.4)");
    Contiene(t, "As = " + memoria::F3(c.As) + " cm2, el inferior (momento positivo).");
    Contiene(t, "Factor de tamaño (ACI 318-19, 22.5.5.1.3)");
    Contiene(t, "Resistencia del hormigón sin estribos (ACI 318-19, Tabla 22.5.5.1(c))");
    Contiene(t, "mín(φ 0.265 √f'c bw d, φVc) = " + memoria::Entero(c.phiVcMedio) +
                    " Kgr: se requieren estribos, al menos el mínimo (ACI 318-19, 9.6.3.1)");
    Contiene(t,
             "la mayor de (a) y (b) (ACI 318-19, Tabla 22.5.5.1(a); ACI 318-19, Tabla "
             "22.5.5.1(b)) | Vc = máx[(a), (b)]");
    Contiene(t, "= " + memoria::Entero(c.VcCon.Vc) + " Kgr, expresión (" +
                    (c.VcCon.expresion == 1 ? "b" : "a") + ")");
    Contiene(t,
             "Separación que da el refuerzo mínimo (ACI 318-19, 9.6.3.4) | smín = 2 Av fyt / "
             "(máx(0.2 √f'c, 3.5) bw) = 2 × 0.7126 × 4200 / (máx(0.2 × √210, 3.5) × 25)");
    // The governing combination of the design extremes.
    Contiene(t, "Momento positivo máximo M(+) | " + memoria::F2(rect.r.MomentoPosMax) +
                    " | Tn·m | 3.00 | U = 1.2 D + 1.6 L |");
    Contiene(t, "en x = 3.00 m (gobierna U = 1.2 D + 1.6 L). Tracción en la fibra inferior");
    Contiene(t, "en x = " + memoria::F2(rect.r.Posiciones.CortanteMaxAbs) +
                    " m (gobierna U = 1.2 D + 1.6 L); φ = 0.75 (ACI 318-19, Tabla 21.2.1(b))");

    Proyecto t2;
    PonerSeccion(t2, kVigaT, "60", "8", "25", "42");
    t2.materiales.cboFy = "4200";
    PonerViga(t2.estado, 7.5f,
              {Uniforme(0, 7.5f, 3, kMuerta, 7.5f), Uniforme(0, 7.5f, 5, kViva, 7.5f)}, 1.5f);
    const ProyectoCalculado te = CalcularAci(t2);
    const PasoFlexion& neg = te.r.Pasos.flexionNeg;
    const PasoFlexion& pos = te.r.Pasos.flexionPos;
    ASSERT_TRUE(neg.calculado && !neg.conAla && neg.Mu > 0);
    ASSERT_TRUE(pos.comportamiento == Comportamiento::T && pos.dobleArmado);
    const std::string tt = Texto(te);
    // The minimum steel of the flange in tension with bt = min(2 bw, bf) = 50.
    Contiene(tt,
             "Acero mínimo, primer valor (ACI 318-19, 9.6.1.2(a) y R9.6.1.2) | As,mín1 = 0.80 "
             "√f'c bt d / fy, bt = mín(2 bw, bf) = 0.80 × √210 × 50 × ");
    // The web of the span as a rectangle with a steel couple, its strain below 0.004.
    Contiene(tt, "Acero que equilibra las alas (ACI 318-19, 22.2.2.4)");
    Contiene(tt, "εt = " + memoria::Cifras(pos.epsTSimple) +
                     " < 0.004: no se permite sin acero de compresión (9.3.3.1)");
    Contiene(tt,
             "Momento que toma el hormigón del alma (ACI 318-19, 22.3.1) | φMn1 = φ f'c bw d2 "
             "Rn,máx = 0.9 × 210 × 25 × ");
    Contiene(tt, "Acero de tracción requerido | As = Asf + 0.85 qmáx f'c bw d / fy + As3 = " +
                     memoria::F3(pos.Asf) + " + 0.85 × 0.3164 × 210 × 25 × " +
                     memoria::Dato(pos.d) + " / 4200 + " + memoria::F3(pos.As3) + " = " +
                     memoria::F3(pos.AsRequerido));
    EXPECT_EQ(tt.find("Acero de tanteo"), std::string::npos);
}

// The singly reinforced strain in the transition zone: compression steel so
// that the section is tension-controlled; with dead load alone 1.4 D governs.
TEST(MemoriaAci318, ZonaDeTransicionYCargaMuertaSola) {
    Proyecto viga = Rectangular(6, 25, 50, {Uniforme(0, 6, 3.5f, kMuerta, 6)});
    viga.materiales.cboFy = "4200";
    const ProyectoCalculado p = CalcularAci(viga);
    const PasoFlexion& f = p.r.Pasos.flexionPos;
    ASSERT_TRUE(f.dobleArmado);
    ASSERT_GT(f.epsTSimple, 0.004f);
    ASSERT_LT(f.epsTSimple, f.epsLim);
    const std::string t = Texto(p);
    Contiene(t, "εt = " + memoria::Cifras(f.epsTSimple) +
                    " entre 0.004 y εt,lím = 0.005059: zona de transición; se agrega acero de "
                    "compresión para que la sección quede controlada por tracción, φ = 0.9.");
    Contiene(t, "(gobierna U = 1.4 D). Tracción en la fibra inferior");
    EXPECT_EQ(t.find("1.2 D + 1.6 L |"), std::string::npos);

    // The classic rules cite no clause and have one combination: their
    // steps read as they always did.
    const std::string clasica = Texto(Calcular(viga), ReglasPorClave(kReglasClasicas));
    Contiene(clasica, "\nCoeficiente de resistencia | Rn = Mu / (0.9 f'c b d2)");
    Contiene(clasica, "en x = 3.00 m. Tracción en la fibra inferior");
    EXPECT_EQ(clasica.find("gobierna"), std::string::npos);
}

}  // namespace
}  // namespace korvex::pruebas
