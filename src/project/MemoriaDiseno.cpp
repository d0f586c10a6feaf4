// The parts "Diseño a cortante", "Varillas" and "Avisos" of the report.
#include "design/DisenoCortante.h"
#include "project/MemoriaTexto.h"

namespace korvex::memoria {

namespace {

std::string Kg(double v) {
    return Entero(v) + " Kgr";
}

// A step of shear: the rule's formula and its substitution with `valores`
// and the factor {phi} of shear.
void PasoCortanteRegla(Redactor& r, const ReglasDiseno& reglas, Regla regla,
                       const std::string& concepto, const Valores& valores,
                       const std::string& resultado) {
    PasoRegla(r, reglas, regla, concepto, Unir(valores, {{"phi", General(reglas.PhiCortante())}}),
              resultado);
}

void SeparacionMaxima(const PasoCortante& c, const std::string& d, const ReglasDiseno& reglas,
                      Redactor& r) {
    const std::string raiz = "√" + General(c.fc);
    PasoCortanteRegla(r, reglas, Regla::VsBanda, "Límite de la banda de separación",
                      {{"raiz", raiz}, {"bv", Dato(c.bv)}, {"d", d}}, Kg(c.VsBanda));
    const Regla banda =
        c.bandaCerrada ? Regla::SeparacionBandaCerrada : Regla::SeparacionBandaAbierta;
    r.Texto("V_{s} = " + Entero(c.Vs) + (c.bandaCerrada ? " > " : " ≤ ") +
            "V_{s,banda} = " + Entero(c.VsBanda) + " Kgr: " + reglas.Texto(banda).texto);
    PasoCortanteRegla(r, reglas, banda, "Separación máxima",
                      {{"d", d}, {"sg", F2(c.smaxGeometrica)}}, F2(c.smax) + " cm");
}

// Vc of one row of the rules' table as the design recorded it: the step of the
// rule that gave it, or, when the rules' upper limit held, that rule's
// expression and the limit.
void PasoVc(Redactor& r, const ReglasDiseno& reglas, Regla regla, const std::string& concepto,
            const Valores& valores, const CortanteConcreto& vc) {
    if (!vc.tope) {
        PasoCortanteRegla(r, reglas, regla, concepto, valores, Kg(vc.Vc));
        return;
    }
    const TextoRegla t = reglas.Texto(regla);
    r.Texto(ConClausula(concepto, t) + ": " + t.formula + " = " +
            Sustituir(t.sustitucion, valores) + ", por encima del límite superior.");
    PasoCortanteRegla(r, reglas, Regla::VcMaximo, "Límite superior de V_{c}", valores, Kg(vc.Vc));
}

// The concrete's share of rules whose Vc depends on the tension steel and the
// depth (ACI 318-19, Table 22.5.5.1): rho_w with the steel it came from, Vc
// without stirrups (lambda_s), the largest Vu without them; with stirrups, Vc
// with the minimum ones, the larger of its two rows.
void VcPorCuantia(const PasoCortante& c, const ReglasDiseno& reglas, Redactor& r) {
    const std::string d = Dato(c.d), bv = Dato(c.bv), raiz = "√" + General(c.fc);
    const std::string rho = Cifras(c.VcSin.rhoW);
    const Valores base = {{"raiz", raiz}, {"bv", bv}, {"d", d}, {"rho", rho}};
    r.Texto(
        "Acero de tracción en la sección de mayor cortante: A_{s} = " + F3(c.As) + " " + kCm2 +
        (c.AsPositivo ? ", el inferior (momento positivo)." : ", el superior (momento negativo)."));
    PasoCortanteRegla(r, reglas, Regla::CuantiaAlma, "Cuantía del acero de tracción",
                      {{"As", F3(c.As)}, {"bv", bv}, {"d", d}}, rho);
    if (c.VcSin.expresion == 2) {
        PasoCortanteRegla(r, reglas, Regla::FactorTamano, "Factor de tamaño",
                          {{"d", d}, {"dmm", General(10.0 * c.d)}}, Cifras(c.VcSin.lambdaS));
    }
    PasoVc(r, reglas, Regla::VcSinEstribos, "Resistencia del hormigón sin estribos",
           Unir({{"lambdaS", Cifras(c.VcSin.lambdaS)}}, base), c.VcSin);
    PasoCortanteRegla(r, reglas, Regla::PhiVcMedio,
                      "Cortante que no requiere estribos: umbral del estribo mínimo y φV_{c}",
                      Unir({{"Vc", Entero(c.VcSin.Vc)}}, base), Kg(c.phiVcMedio));
}

// Vc with at least the minimum stirrups: the larger of rows (a) and (b), or
// the upper limit.
void VcConEstribos(const PasoCortante& c, const ReglasDiseno& reglas, Redactor& r) {
    const std::string d = Dato(c.d), bv = Dato(c.bv), raiz = "√" + General(c.fc);
    const Valores v = {{"raiz", raiz}, {"bv", bv}, {"d", d}, {"rho", Cifras(c.VcCon.rhoW)}};
    const TextoRegla a = reglas.Texto(Regla::Vc), b = reglas.Texto(Regla::VcCuantia);
    const std::string concepto =
        "Resistencia del hormigón con estribo mínimo, la mayor de (a) y (b)";
    const std::string clausulas =
        a.clausula.empty() ? concepto : concepto + " (" + a.clausula + "; " + b.clausula + ")";
    r.Texto("(a) " + a.formula + "; (b) " + b.formula + ".");
    const std::string valores =
        "máx(" + Sustituir(a.sustitucion, v) + ", " + Sustituir(b.sustitucion, v) + ")";
    if (c.VcCon.tope) {
        r.Texto(clausulas + ": " + valores + ", por encima del límite superior.");
        PasoCortanteRegla(r, reglas, Regla::VcMaximo, "Límite superior de V_{c}", v,
                          Kg(c.VcCon.Vc));
        return;
    }
    r.Paso(clausulas, "V_{c} = máx[(a), (b)]", valores,
           Kg(c.VcCon.Vc) + ", expresión " + (c.VcCon.expresion == 1 ? "(b)" : "(a)"));
}

}  // namespace

bool DisenoCortante(const Proyecto&, const ResultadoCalculo& res, const ReglasDiseno& reglas,
                    Redactor& r) {
    const PasoCortante& c = res.Pasos.cortante;
    r.Parte("Diseño a cortante");
    if (!c.calculado) {
        r.Texto("El cálculo no registró el diseño a cortante.");
        return true;
    }
    const std::string d = Dato(c.d), bv = Dato(c.bv), raiz = "√" + General(c.fc);
    // Rules whose Vc depends on the tension steel and the depth.
    const bool porCuantia = !reglas.Texto(Regla::CuantiaAlma).formula.empty();
    const TextoRegla phi = reglas.Texto(Regla::PhiCortante);
    r.Texto(
        "Una sola separación de estribos para toda la viga, con el mayor cortante absoluto "
        "del diagrama factorizado, |V|_{máx} = " +
        F2(c.VuTn) + " Tn en x = " + F2(res.Posiciones.CortanteMaxAbs) + " m" +
        Gobierna(reglas, res.Gobierna.CortanteMaxAbs) + "; " + phi.formula +
        (phi.clausula.empty() ? "" : " (" + phi.clausula + ")") + ". Datos: b_{v} = " + bv +
        " cm (ancho del alma), d = " + d + " cm, f'_{c} = " + General(c.fc) + " " + kKgCm2 +
        ", f_{y} = " + General(c.fy) + " " + kKgCm2 + ".");
    r.Paso("Cortante último", "V_{u} = |V|_{máx} × 1000", General(c.VuTn) + " × 1000", Kg(c.Vu));
    if (porCuantia) {
        PasoCortanteRegla(r, reglas, Regla::FyEstribo, "Fluencia del estribo que cuenta el diseño",
                          {{"fy", General(c.fy)}}, General(c.fyt) + " " + kKgCm2);
        VcPorCuantia(c, reglas, r);
    } else {
        PasoCortanteRegla(r, reglas, Regla::Vc, "Resistencia del hormigón",
                          {{"raiz", raiz}, {"bv", bv}, {"d", d}}, Kg(c.Vc));
        PasoCortanteRegla(r, reglas, Regla::PhiVcMedio, "Cortante que no requiere estribos",
                          {{"Vc", Entero(c.Vc)}}, Kg(c.phiVcMedio));
    }
    // The largest Vu without stirrups as the rules name it.
    const std::string sinEstribos =
        porCuantia ? reglas.Texto(Regla::PhiVcMedio).formula : std::string("φV_{c}/2");
    if (c.sinEstribos) {
        r.Texto("V_{u} = " + Entero(c.Vu) + " ≤ " + sinEstribos + " = " + Entero(c.phiVcMedio) +
                " Kgr: la viga no lleva armadura por cortante; queda a discreción del Ingeniero "
                "el uso de estribos para facilidad constructiva.");
        return true;
    }
    r.Texto("V_{u} = " + Entero(c.Vu) + " > " + sinEstribos + " = " + Entero(c.phiVcMedio) +
            " Kgr: se requieren estribos" +
            (porCuantia
                 ? ", al menos el mínimo (" + reglas.Texto(Regla::UmbralEstriboMinimo).clausula +
                       "), y V_{c} es el de la sección con ellos."
                 : "."));
    if (porCuantia) VcConEstribos(c, reglas, r);
    PasoCortanteRegla(r, reglas, Regla::Vs, "Cortante que toman los estribos",
                      {{"Vu", Entero(c.Vu)}, {"Vc", Entero(c.Vc)}}, Kg(c.Vs));
    PasoCortanteRegla(r, reglas, Regla::VsMaximo, "Mayor cortante de los estribos",
                      {{"raiz", raiz}, {"bv", bv}, {"d", d}}, Kg(c.VsMax));
    r.Comprobacion("La sección resiste el cortante", "V_{s} ≤ V_{s,máx}",
                   Entero(c.Vs) + (c.falla ? " > " : " ≤ ") + Entero(c.VsMax) + " Kgr", !c.falla);
    if (c.falla) {
        r.Texto(
            "V_{s} supera V_{s,máx}: la viga falla por cortante (mensaje \"La viga falla por "
            "cortante, redimensionar sección\"). El diseño termina en esta comprobación, sin "
            "varillas ni deflexiones: hay que redimensionar la sección.");
        return false;
    }
    SeparacionMaxima(c, d, reglas, r);
    r.Texto("Estribo de " + c.diametro + "\" de dos ramas: A_{v} = " + Cifras(c.Av) + " " + kCm2 +
            " por rama.");
    // The stirrups count their yield stress as the rules allow (f_yt).
    const std::string fyt = General(c.fyt), simboloFy = porCuantia ? "f_{yt}" : "f_{y}";
    PasoCortanteRegla(r, reglas, Regla::SeparacionMinima, "Separación que da el refuerzo mínimo",
                      {{"Av", Cifras(c.Av)}, {"fy", fyt}, {"bv", bv}, {"raiz", raiz}},
                      F2(c.sMinimo) + " cm");
    std::string eleccion = "mín(s_{máx}, s_{mín}",
                valores = "mín(" + F2(c.smax) + ", " + F2(c.sMinimo);
    if (c.conResistencia) {
        r.Paso("Separación que resiste V_{s}", "s_{res} = 2 A_{v} " + simboloFy + " d / V_{s}",
               "2 × " + Cifras(c.Av) + " × " + fyt + " × " + d + " / " + Entero(c.Vs),
               F2(c.sResistencia) + " cm");
        eleccion += ", s_{res}";
        valores += ", " + F2(c.sResistencia);
    }
    r.Paso("Separación elegida", "s = " + eleccion + ")", valores + ")", F2(c.s) + " cm");
    r.Comprobacion("Separación dentro del máximo", "s ≤ s_{máx}",
                   F2(c.s) + (c.s <= c.smax ? " ≤ " : " > ") + F2(c.smax) + " cm", c.s <= c.smax);
    r.Texto("Estribos: " + c.texto + " (diámetro " + c.diametro + "\" a " + F2(c.s) +
            " cm, separación truncada a centímetros enteros).");
    return true;
}

namespace {

// The capacity of the suggested bars of one sign: the tension bars, with the
// suggested compression bars of a doubly reinforced design at f's - 0.85 f'c;
// when the block of a flange in compression reaches below it, the overhangs
// take 0.85 f'c (bf - bw) hf and the web the rest.
void Capacidad(const PasoVarillas& v, const PasoFlexion& f, bool positivo,
               const ReglasDiseno& reglas, Redactor& r) {
    const double Asc = v.AscUsado;
    const bool alma = v.bajoElAla;
    const std::string fc = General(f.fc), fy = General(f.fy), d = Dato(f.d), dp = Dato(f.dp);
    const std::string As = F3(v.AsProvisto), a = Cifras(v.aProvisto);
    const Valores factores = FactoresFlexion(reglas, f.epsLim, f.fy);
    // The net tension force, in symbols and in numbers: the bars' A_s f_y
    // less the compression bars' and the overhangs' forces when they act.
    std::string neta = "A_{s} f_{y}", netaN = As + " × " + fy;
    const std::string Cs = FormulaRegla(reglas, Regla::FuerzaAceroCompresion),
                      cs = SustitucionRegla(
                          reglas, Regla::FuerzaAceroCompresion,
                          Unir({{"Asc", F3(Asc)}, {"fs", Cifras(f.fsCompresion, 5)}, {"fc", fc}},
                               factores));
    const std::string Cf = FormulaRegla(reglas, Regla::FuerzaAlas),
                      cf = SustitucionRegla(reglas, Regla::FuerzaAlas,
                                            Unir({{"fc", fc},
                                                  {"bf", Dato(f.b)},
                                                  {"bw", Dato(f.bw)},
                                                  {"hf", Dato(f.hf)}},
                                                 factores));
    const bool simple = Asc == 0 && !alma;
    if (Asc > 0) {
        neta += " − " + Cs;
        netaN += " − " + cs;
    }
    if (alma) {
        neta += " − " + Cf;
        netaN += " − " + cf;
    }
    if (!simple) {
        neta = "(" + neta + ")";
        netaN = "(" + netaN + ")";
    }
    std::string m = neta + " (d − a/2)", mn = netaN + " × (" + d + " − " + a + "/2)";
    if (Asc > 0) {
        m += " + " + Cs + " (d − d')";
        mn += " + " + cs + " × (" + d + " − " + dp + ")";
    }
    if (alma) {
        m = Cf + " (d − h_{f}/2) + " + m;
        mn = cf + " × (" + d + " − " + Dato(f.hf) + "/2) + " + mn;
    }
    if (!simple) {
        m = "[" + m + "]";
        mn = "[" + mn + "]";
    }

    r.Apartado(std::string("Capacidad de las varillas de la sección M(") + (positivo ? "+" : "−") +
               ")");
    r.Texto(
        "Varillas sugeridas: A_{s} = " + As + " " + kCm2 + " en tracción" +
        (Asc > 0 ? " y A'_{s} = " + F3(Asc) + " " + kCm2 + " en compresión" : "") +
        "; b = " + Dato(f.b) + " cm, d = " + d + " cm, d' = " + dp + " cm." +
        (alma ? " El bloque baja del ala (a > h_{f}): las alas toman " + Cf + " y el alma el resto."
              : ""));
    PasoRegla(r, reglas, Regla::BloqueVarillas, "Profundidad del bloque de compresiones",
              Unir({{"neta", netaN}, {"fc", fc}, {"b", Dato(alma ? f.bw : f.b)}}, factores),
              a + " cm", {{"neta", neta}, {"ancho", alma ? "b_{w}" : "b"}});
    PasoRegla(r, reglas, Regla::MomentoVarillas, "Momento resistente de las varillas",
              Unir({{"momento", mn}}, factores), Entero(v.phiMn) + " " + kKgCm, {{"momento", m}});
    r.Comprobacion("Las varillas sugeridas resisten el momento último", "φM_{n} ≥ M_{u}",
                   Entero(v.phiMn) + (v.resiste ? " ≥ " : " < ") + Entero(f.Mu) + " " + kKgCm,
                   v.resiste);
}

}  // namespace

void Varillas(const Proyecto&, const ResultadoCalculo& c, const ReglasDiseno& reglas,
              Redactor& r) {
    const PasosCalculo& s = c.Pasos;
    r.Parte("Varillas");
    r.Texto(
        "Cantidades sugeridas de varillas de 1\" (5.067 cm^{2}), 3/4\" (2.850 cm^{2}), "
        "1/2\" (1.267 cm^{2}) y 3/8\" (0.7126 cm^{2}) para cada área, de la mayor a la "
        "menor, repartiendo A_{s} + 0.356 cm^{2} (media varilla de 3/8\"). Está a criterio "
        "del usuario la disposición de las barras de acero y su viabilidad a la hora de "
        "construirse el elemento.");
    TablaMemoria t;
    t.encabezado = {"", "M(+) Tracción", "M(−) Tracción", "M(+) Compresión", "M(−) Compresión"};
    t.numerica = {false, true, true, true, true};
    const char* const filas[] = {"1\"", "3/4\"", "1/2\"", "3/8\""};
    std::vector<std::string> as = {std::string("A_{s} (") + kCm2 + ")"};
    std::vector<std::string> repartido = {std::string("A_{s} + 0.356 (") + kCm2 + ")"};
    std::vector<std::string> provisto = {std::string("A_{s} provista (") + kCm2 + ")"};
    for (const PasoVarillas& v : s.varillas) {
        as.push_back(F3(v.As));
        repartido.push_back(F3(v.AsVarillas));
        provisto.push_back(F3(v.AsProvisto));
    }
    t.filas.push_back(as);
    t.filas.push_back(repartido);
    for (std::size_t i = 0; i < 4; ++i) {
        std::vector<std::string> f = {filas[i]};
        for (const PasoVarillas& v : s.varillas) f.push_back(std::to_string(v.cuenta[i]));
        t.filas.push_back(std::move(f));
    }
    t.filas.push_back(provisto);
    r.Tabla(std::move(t));

    // Capacity of the suggested tension bars of each sign against Mu.
    const PasoFlexion* flexion[] = {&s.flexionPos, &s.flexionNeg};
    for (std::size_t i = 0; i < 2; ++i) {
        if (s.varillas[i].conCapacidad) Capacidad(s.varillas[i], *flexion[i], i == 0, reglas, r);
    }
}

void Avisos(const Proyecto& p, const ResultadoCalculo& c, Redactor& r) {
    std::vector<Mensaje> avisos;
    if (std::string alternancia = AvisoAlternanciaInforme(p, c); !alternancia.empty()) {
        avisos.push_back(
            {std::move(alternancia), "Alternancia de la carga viva", kEstiloInformacion});
    }
    for (const Mensaje& m : c.Pasos.avisos) avisos.push_back(m);
    r.Parte("Avisos");
    if (avisos.empty()) {
        r.Texto("El cálculo no dio ningún aviso.");
        return;
    }
    r.Texto("Mensajes del cálculo, en el orden en que se dieron:");
    // After a shear failure the design goes on with no steel: what its later
    // steps said (a deflection beyond the limit) is no result of the design.
    bool trasLaFalla = false;
    for (std::size_t i = 0; i < avisos.size(); ++i) {
        std::string t = std::to_string(i + 1) + ". " + avisos[i].titulo + ": " + avisos[i].texto;
        if (trasLaFalla)
            t += " (paso posterior a la falla, calculado sin acero: no vale como diseño)";
        r.Texto(t);
        if (c.Pasos.cortante.falla && avisos[i] == MensajeFallaCortante())
            trasLaFalla = true;
    }
}

}  // namespace korvex::memoria
