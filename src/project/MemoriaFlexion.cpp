// The part "Diseño a flexión" of the report: each sign of moment in the order
// the design ran it, every step written with its symbols, the recorded
// numbers substituted and the recorded result; an insufficient section ends
// the part, and the design chapter, at its failing check.
#include "project/MemoriaTexto.h"

namespace korvex::memoria {

namespace {

class Flexion {
  public:
    Flexion(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas, Redactor& r)
        : p_(p), c_(c), reglas_(reglas), r_(r) {}

    // Writes the design of one sign; false when it was insufficient.
    bool Signo(const PasoFlexion& f, bool positivo);

  private:
    void Datos(const PasoFlexion& f, bool positivo);
    bool Ala(const PasoFlexion& f);
    bool Rectangular(const PasoFlexion& f, const std::string& b, const std::string& bv);
    bool T(const PasoFlexion& f);
    bool AlmaRectangular(const PasoFlexion& f, const std::string& bw);
    void Deformacion(const PasoFlexion& f);
    // Rules whose phi of flexure follows the net tensile strain.
    bool PorDeformacion() const {
        return !reglas_.Texto(korvex::Regla::PhiDeformacion).formula.empty();
    }
    void Constantes(const PasoFlexion& f);
    bool Capacidad(const std::string& concepto, const std::string& simbolo, float rn, bool falla);
    void CompresionAcero(const PasoFlexion& f, const std::string& M, const std::string& valorM);
    void AceroMinimo(const PasoFlexion& f, bool positivo);
    // The relief of the minimum steel with the recorded areas.
    std::string Alivio(const PasoFlexion& f) const {
        return Sustitucion(korvex::Regla::AlivioAceroMinimo,
                           {{"AsReq", F3(f.AsRequerido)}, {"AsMin", F3(f.AsMin)}});
    }
    void Detener(const std::string& causa);

    std::string fc() const { return General(fc_); }
    std::string fy() const { return General(fy_); }
    // The values of every step: the data of the design and the factors of
    // the rules.
    Valores Comunes() const {
        return Unir({{"fc", fc()}, {"fy", fy()}, {"d", d_}, {"dp", dp_}, {"Mu", Mu_}}, factores_);
    }
    // The substitution of a rule with `valores` and the common values.
    std::string Sustitucion(korvex::Regla regla, const Valores& valores) const {
        return SustitucionRegla(reglas_, regla, Unir(valores, Comunes()));
    }
    // The step of a rule: its formula with `simbolos`, its substitution with
    // `valores` and the common values.
    void Regla(korvex::Regla regla, const std::string& concepto, const Valores& valores,
               const std::string& resultado, const Valores& simbolos = {}) {
        PasoRegla(r_, reglas_, regla, concepto, Unir(valores, Comunes()), resultado, simbolos);
    }

    const Proyecto& p_;
    const ResultadoCalculo& c_;
    const ReglasDiseno& reglas_;
    Redactor& r_;
    double fc_ = 0, fy_ = 0;
    std::string d_, dp_, Mu_;
    Valores factores_;
    bool constantes_ = false;
};

void Flexion::Detener(const std::string& causa) {
    r_.Texto(causa +
             " La sección no resiste esta solicitud de cargas (mensaje \"Esta Sección "
             "no resiste esta solicitud de cargas\"): el diseño se detiene aquí, sin "
             "cortante, varillas ni deflexiones.");
}

bool Flexion::Capacidad(const std::string& concepto, const std::string& simbolo, float rn,
                        bool falla) {
    const std::string limite = reglas_.Texto(korvex::Regla::LimiteRn).formula;
    r_.Comprobacion(concepto, simbolo + " ≤ " + limite,
                    Cifras(rn) + (falla ? " > " : " ≤ ") + limite, !falla);
    if (falla) {
        Detener(simbolo + " supera " + limite +
                ": el bloque de compresiones no cabe en el peralte.");
    }
    return !falla;
}

void Flexion::Datos(const PasoFlexion& f, bool positivo) {
    const EstadoProyecto& e = p_.estado;
    const ResultadoCalculo& c = c_;
    fc_ = f.fc;
    fy_ = f.fy;
    d_ = Dato(f.d);
    dp_ = Dato(f.dp);
    Mu_ = Entero(f.Mu);
    factores_ = FactoresFlexion(reglas_, f.epsLim, f.fy);
    const float x = positivo ? c.Posiciones.MomentoPosMax : c.Posiciones.MomentoNegMax;
    const int u = f.Mu == 0 ? -1 : positivo ? c.Gobierna.MomentoPosMax : c.Gobierna.MomentoNegMax;
    r_.Texto(std::string("Momento de diseño M = ") + F2(f.M) + " " + kTnM + ", el mayor " +
             (positivo ? "positivo" : "negativo") + " del diagrama factorizado" +
             (e.AlternanciaViva ? " (envolvente de la carga viva alternada)" : "") +
             ", en x = " + F2(x) + " m" + Gobierna(reglas_, u) + ". Tracción en la fibra " +
             (positivo ? "inferior" : "superior") + ". Datos: d = " + d_ + " cm, d' = " + dp_ +
             " cm, f'_{c} = " + fc() + " " + kKgCm2 + ", f_{y} = " + fy() + " " + kKgCm2 + ".");
    r_.Paso("Momento último", "M_{u} = |M| × 100,000", "|" + General(f.M) + "| × 100,000",
            Mu_ + " " + kKgCm);
}

void Flexion::Constantes(const PasoFlexion& f) {
    if (constantes_) {
        r_.Nota("ε_{s,lím} = " + Cifras(f.epsLim) + ", q_{máx} = " + Cifras(f.qmax) +
                " y R_{n,máx} = " + Cifras(f.RnMax) +
                " como en el primer momento diseñado (dependen solo de f'_{c} y f_{y}).");
        return;
    }
    constantes_ = true;
    r_.Paso("Deformación de fluencia del acero", "ε_{y} = f_{y} / E_{s}", fy() + " / 2,040,000",
            Cifras(f.epsY));
    Regla(korvex::Regla::DeformacionLimite, "Deformación límite del acero de tracción",
          {{"epsY", Cifras(f.epsY)}}, Cifras(f.epsLim));
    if (PorDeformacion()) {
        Regla(korvex::Regla::PhiDeformacion, "Factor de reducción en el límite de deformación",
              {{"epsT", Cifras(f.epsLim)}, {"epsY", Cifras(f.epsY)}}, General(f.phi));
    }
    Regla(korvex::Regla::EjeNeutroLimite, "Profundidad relativa del eje neutro",
          {{"epsLim", Cifras(f.epsLim)}}, Cifras(f.k));
    Regla(korvex::Regla::Beta1, "Factor del bloque de compresiones", {{"fc", fc()}},
          Cifras(f.beta1));
    r_.Paso("Mayor profundidad relativa del bloque, a/d", "q_{máx} = β_{1} k",
            Cifras(f.beta1) + " × " + Cifras(f.k), Cifras(f.qmax));
    Regla(korvex::Regla::CuantiaBalanceada, "Cuantía balanceada",
          {{"beta1", Cifras(f.beta1)}, {"fc", fc()}, {"fy", fy()}, {"epsY", Cifras(f.epsY)}},
          Cifras(f.rhoBalanceada));
    Regla(korvex::Regla::CuantiaMaxima, "Cuantía máxima",
          {{"qmax", Cifras(f.qmax)}, {"fc", fc()}, {"fy", fy()}}, Cifras(f.rhoMaxima));
    Regla(korvex::Regla::RnMaximo, "Mayor R_{n} sin acero de compresión",
          {{"qmax", Cifras(f.qmax)}}, Cifras(f.RnMax));
}

bool Flexion::Ala(const PasoFlexion& f) {
    const std::string bf = Dato(p_.seccion.Bf);
    r_.Texto("El ala queda en compresión (b_{f} = " + bf + " cm, h_{f} = " + Dato(f.hf) +
             " cm): se comprueba si el bloque de compresiones cabe en el ala.");
    Regla(korvex::Regla::CoeficienteResistencia, "Coeficiente de resistencia con el ancho del ala",
          {{"b", bf}}, Cifras(f.RnAla), {{"ancho", "b_{f}"}});
    if (!Capacidad("Capacidad con el ancho del ala", "R_{n}", f.RnAla,
                   f.parada == korvex::Parada::Ala)) {
        return false;
    }
    Regla(korvex::Regla::ProfundidadBloque, "Profundidad del bloque de compresiones",
          {{"Rn", Cifras(f.RnAla)}}, Cifras(f.aAla) + " cm");
    if (f.comportamiento == Comportamiento::T) {
        r_.Texto("a = " + Cifras(f.aAla) + " cm > h_{f} = " + Dato(f.hf) +
                 " cm: el bloque baja al alma y la sección trabaja como T.");
    } else {
        r_.Texto("a = " + Cifras(f.aAla) + " cm ≤ h_{f} = " + Dato(f.hf) +
                 " cm: el bloque queda en el ala; se diseña como rectángulo de ancho b_{f} = " +
                 bf + " cm.");
    }
    return true;
}

void Flexion::CompresionAcero(const PasoFlexion& f, const std::string& M,
                              const std::string& valorM) {
    Regla(korvex::Regla::DeformacionCompresion, "Deformación del acero de compresión",
          {{"epsLim", Cifras(f.epsLim)}}, Cifras(f.epsCompresion));
    r_.Paso("Esfuerzo del acero de compresión", "f'_{s} = E_{s} ε'_{s} ≤ f_{y}",
            "2,040,000 × " + Cifras(f.epsCompresion) + ", con el límite " + fy(),
            Cifras(f.fsCompresion, 5) + " " + kKgCm2);
    const std::string fs = Cifras(f.fsCompresion, 5);
    if (!f.suficiente) {
        r_.Comprobacion(ConClausula("El acero de compresión trabaja por encima del hormigón que "
                                    "reemplaza",
                                    reglas_, korvex::Regla::ParAceros),
                        FormulaRegla(reglas_, korvex::Regla::ParAceros),
                        Sustitucion(korvex::Regla::ParAceros, {{"fs", fs}}), false);
        Detener("El par de aceros no puede tomar el momento que excede al hormigón.");
        return;
    }
    Regla(korvex::Regla::AceroCompresion, "Acero de compresión", {{"M", valorM}, {"fs", fs}},
          F3(f.Asc) + " " + kCm2, {{"momento", M}});
}

bool Flexion::Rectangular(const PasoFlexion& f, const std::string& b, const std::string& bv) {
    Regla(korvex::Regla::CoeficienteResistencia, "Coeficiente de resistencia", {{"b", bv}},
          Cifras(f.Rn), {{"ancho", b}});
    if (!Capacidad("Capacidad de la sección", "R_{n}", f.Rn, f.parada == korvex::Parada::Rn))
        return false;
    Constantes(f);
    if (!f.dobleArmado) {
        Regla(korvex::Regla::ProfundidadBloque, "Profundidad del bloque de compresiones",
              {{"Rn", Cifras(f.Rn)}}, Cifras(f.a) + " cm");
        r_.Texto("R_{n} = " + Cifras(f.Rn) + " ≤ R_{n,máx} = " + Cifras(f.RnMax) +
                 ": sección simplemente armada, A'_{s} = 0.");
        Deformacion(f);
        Regla(korvex::Regla::IndiceRefuerzo, "Índice de refuerzo (cuantía mecánica)",
              {{"Rn", Cifras(f.Rn)}}, Cifras(f.omega));
        r_.Paso("Acero de tracción requerido", "A_{s} = ω (f'_{c} / f_{y}) " + b + " d",
                Cifras(f.omega) + " × (" + fc() + " / " + fy() + ") × " + bv + " × " + d_,
                F3(f.AsRequerido) + " " + kCm2);
        return true;
    }
    Deformacion(f);
    r_.Texto("R_{n} = " + Cifras(f.Rn) + " > R_{n,máx} = " + Cifras(f.RnMax) +
             ": sección doblemente armada; el hormigón toma φM_{n1} con q_{máx} y un par de "
             "aceros toma el resto, M_{2}.");
    r_.Paso("Profundidad del bloque de compresiones", "a = q_{máx} d", Cifras(f.qmax) + " × " + d_,
            Cifras(f.a) + " cm");
    Regla(korvex::Regla::MomentoHormigon, "Momento que toma el hormigón",
          {{"b", bv}, {"RnMax", Cifras(f.RnMax)}}, Entero(f.phiMn1) + " " + kKgCm, {{"ancho", b}});
    r_.Paso("Momento del par de aceros", "M_{2} = M_{u} − φM_{n1}", Mu_ + " − " + Entero(f.phiMn1),
            Entero(f.M2) + " " + kKgCm);
    Regla(korvex::Regla::AceroDobleArmado, "Acero de tracción requerido",
          {{"M2", Entero(f.M2)}, {"qmax", Cifras(f.qmax)}, {"b", bv}},
          F3(f.AsRequerido) + " " + kCm2, {{"ancho", b}});
    CompresionAcero(f, "M_{2}", Entero(f.M2));
    return f.suficiente;
}

bool Flexion::T(const PasoFlexion& f) {
    const std::string bf = Dato(p_.seccion.Bf), bw = Dato(f.bw), hf = Dato(f.hf);
    const std::string Asf = F3(f.Asf), omegaW = Cifras(f.omegaW), At = F3(f.At);
    Regla(korvex::Regla::AceroAlas, "Acero que equilibra las alas",
          {{"hf", hf}, {"bf", bf}, {"bw", bw}}, Asf + " " + kCm2);
    Regla(korvex::Regla::MomentoAlas, "Momento de las alas", {{"Asf", Asf}, {"hf", hf}},
          Entero(f.phiMnf) + " " + kKgCm);
    r_.Paso("Momento que toma el alma", "M_{w} = M_{u} − φM_{nf}", Mu_ + " − " + Entero(f.phiMnf),
            Entero(f.Mw) + " " + kKgCm);
    Regla(korvex::Regla::CoeficienteResistenciaAlma, "Coeficiente de resistencia del alma",
          {{"Mw", Entero(f.Mw)}, {"bw", bw}}, Cifras(f.Rnw));
    if (!Capacidad("Capacidad del alma", "R_{nw}", f.Rnw, f.parada == korvex::Parada::Alma))
        return false;
    Regla(korvex::Regla::IndiceRefuerzoAlma, "Índice de refuerzo del alma",
          {{"Rnw", Cifras(f.Rnw)}}, omegaW);
    r_.Paso("Acero del alma", "A_{sw} = ω_{w} (f'_{c} / f_{y}) b_{w} d",
            omegaW + " × (" + fc() + " / " + fy() + ") × " + bw + " × " + d_,
            F3(f.Asw) + " " + kCm2);
    if (reglas_.AlmaComoRectangulo()) return AlmaRectangular(f, bw);
    Regla(korvex::Regla::AceroTanteo, "Acero de tanteo",
          {{"omegaW", omegaW}, {"bw", bw}, {"Asf", Asf}}, At + " " + kCm2);
    Regla(korvex::Regla::BloqueTanteo, "Bloque de compresiones del tanteo",
          {{"At", At}, {"bw", bw}}, Cifras(f.at) + " cm");
    Regla(korvex::Regla::MomentoTanteo, "Momento del tanteo", {{"At", At}, {"at", Cifras(f.at)}},
          Entero(f.phiMt) + " " + kKgCm);
    r_.Paso("Capacidad sin acero de compresión", "φM_{cap} = φM_{nf} + φM_{t}",
            Entero(f.phiMnf) + " + " + Entero(f.phiMt), Entero(f.phiMcap) + " " + kKgCm);
    if (f.Asc == 0 && f.suficiente) {
        r_.Texto("M_{u} = " + Mu_ + " ≤ φM_{cap} = " + Entero(f.phiMcap) +
                 ": sin acero de compresión.");
        r_.Paso("Acero de tracción requerido", "A_{s} = A_{sf} + A_{sw}",
                F3(f.Asf) + " + " + F3(f.Asw), F3(f.AsRequerido) + " " + kCm2);
        return true;
    }
    r_.Texto("M_{u} = " + Mu_ + " > φM_{cap} = " + Entero(f.phiMcap) +
             ": un par de aceros toma el exceso M_{3}.");
    r_.Paso("Exceso de momento", "M_{3} = M_{u} − φM_{cap}", Mu_ + " − " + Entero(f.phiMcap),
            Entero(f.M3) + " " + kKgCm);
    Regla(korvex::Regla::AceroPar, "Acero de tracción del par", {{"M3", Entero(f.M3)}},
          F3(f.As3) + " " + kCm2);
    CompresionAcero(f, "M_{3}", Entero(f.M3));
    if (!f.suficiente) return false;
    r_.Paso("Acero de tracción requerido", "A_{s} = A_{t} + A_{sf} + A_{s3}",
            F3(f.At) + " + " + F3(f.Asf) + " + " + F3(f.As3), F3(f.AsRequerido) + " " + kCm2);
    return true;
}

// The net tensile strain of the section for Mu without compression steel, as
// the design recorded it, and what the rules make of it (Table 21.2.2 and
// 9.3.3.1): tension-controlled at eps_t,lim and beyond; below it the design
// adds compression steel so that the section is tension-controlled, in the
// transition zone down to 0.004 and because a beam is not allowed below it.
void Flexion::Deformacion(const PasoFlexion& f) {
    if (!PorDeformacion() || !(f.epsTSimple > 0)) return;
    constexpr double kDeformacionMinimaViga = 0.004;  // 9.3.3.1
    // The neutral-axis depth c = a / beta1 of that section, read back from
    // its recorded strain: eps_t = eps_cu (d - c) / c.
    const double ecu = reglas_.DeformacionUltimaConcreto();
    const double c = ecu * f.d / (ecu + f.epsTSimple);
    Regla(korvex::Regla::DeformacionTraccion,
          "Deformación neta de tracción sin acero de compresión", {{"c", Cifras(c)}},
          Cifras(f.epsTSimple));
    const std::string et = "ε_{t} = " + Cifras(f.epsTSimple);
    const std::string lim = "ε_{t,lím} = " + Cifras(f.epsLim);
    const std::string controlada = "controlada por tracción, φ = " + General(f.phi);
    if (!f.dobleArmado) {
        r_.Texto(et + " ≥ " + lim + ": la sección queda " + controlada + " (Tabla 21.2.2).");
    } else if (f.epsTSimple >= kDeformacionMinimaViga) {
        r_.Texto(et + " entre 0.004 y " + lim +
                 ": zona de transición; se agrega acero de compresión para que la sección quede " +
                 controlada + ".");
    } else {
        r_.Texto(et +
                 " < 0.004: no se permite sin acero de compresión (9.3.3.1); se agrega acero "
                 "de compresión para que la sección quede " +
                 controlada + ".");
    }
}

// The web of a T as a rectangle of width bw that takes Mw: singly reinforced
// up to Rn,max, beyond it the concrete at q_max and a steel couple for M3.
bool Flexion::AlmaRectangular(const PasoFlexion& f, const std::string& bw) {
    Constantes(f);
    Deformacion(f);
    const std::string Asf = F3(f.Asf);
    if (!f.dobleArmado) {
        r_.Texto("R_{nw} = " + Cifras(f.Rnw) + " ≤ R_{n,máx} = " + Cifras(f.RnMax) +
                 ": el alma, rectángulo de ancho b_{w}, queda simplemente armada, A'_{s} = 0.");
        r_.Paso("Acero de tracción requerido", "A_{s} = A_{sf} + A_{sw}", Asf + " + " + F3(f.Asw),
                F3(f.AsRequerido) + " " + kCm2);
        return true;
    }
    r_.Texto("R_{nw} = " + Cifras(f.Rnw) + " > R_{n,máx} = " + Cifras(f.RnMax) +
             ": el hormigón del alma toma φM_{n1} con q_{máx} y un par de aceros toma el resto, "
             "M_{3}.");
    Regla(korvex::Regla::MomentoHormigon, "Momento que toma el hormigón del alma",
          {{"b", bw}, {"RnMax", Cifras(f.RnMax)}}, Entero(f.phiMn1) + " " + kKgCm,
          {{"ancho", "b_{w}"}});
    r_.Paso("Momento del par de aceros", "M_{3} = M_{w} − φM_{n1}",
            Entero(f.Mw) + " − " + Entero(f.phiMn1), Entero(f.M3) + " " + kKgCm);
    if (f.suficiente) {
        Regla(korvex::Regla::AceroPar, "Acero de tracción del par", {{"M3", Entero(f.M3)}},
              F3(f.As3) + " " + kCm2);
    }
    CompresionAcero(f, "M_{3}", Entero(f.M3));
    if (!f.suficiente) return false;
    r_.Paso("Acero de tracción requerido",
            "A_{s} = A_{sf} + 0.85 q_{máx} f'_{c} b_{w} d / f_{y} + A_{s3}",
            Asf + " + " + General(reglas_.IntensidadBloque()) + " × " + Cifras(f.qmax) + " × " +
                fc() + " × " + bw + " × " + d_ + " / " + fy() + " + " + F3(f.As3),
            F3(f.AsRequerido) + " " + kCm2);
    return true;
}

void Flexion::AceroMinimo(const PasoFlexion& f, bool positivo) {
    const korvex::Seccion& s = p_.seccion;
    const bool rect = s.TipoViga == kVigaRect;
    const bool alma = !rect && !f.conAla;  // the web of a T in compression
    const std::string raiz = "√" + fc();
    if (alma) {
        // {bt}: the width each value took (the flange-in-tension width of rules
        // that limit it).
        const Valores v = {{"raiz", raiz}, {"bw", Dato(s.Bw)}, {"bf", Dato(s.Bf)}};
        Regla(korvex::Regla::AceroMinimoAlaTraccion1, "Acero mínimo, primer valor",
              Unir({{"bt", Dato(f.bMin1)}}, v), F3(f.AsMin1) + " " + kCm2);
        Regla(korvex::Regla::AceroMinimoAlaTraccion2, "Acero mínimo, segundo valor",
              Unir({{"bt", Dato(f.bMin2)}}, v), F3(f.AsMin2) + " " + kCm2);
    } else {
        // Width of the minimum steel, as the design took it: b; for a flange
        // working as a rectangle, bf or bw as the rules name it; bw for T
        // behaviour.
        const bool conT = f.comportamiento == Comportamiento::T;
        const bool bw = conT || f.bMin1 != s.Bf;
        const Valores ancho = {{"ancho", rect ? "b" : bw ? "b_{w}" : "b_{f}"}};
        Regla(korvex::Regla::AceroMinimo1, "Acero mínimo, primer valor",
              {{"raiz", raiz}, {"b", Dato(f.bMin1)}}, F3(f.AsMin1) + " " + kCm2, ancho);
        Regla(korvex::Regla::AceroMinimo2, "Acero mínimo, segundo valor",
              {{"raiz", raiz}, {"b", Dato(f.bMin2)}}, F3(f.AsMin2) + " " + kCm2, ancho);
    }
    r_.Paso("Acero mínimo", "A_{s,mín} = máx(A_{s,mín1}, A_{s,mín2})",
            "máx(" + F3(f.AsMin1) + ", " + F3(f.AsMin2) + ")", F3(f.AsMin) + " " + kCm2);
    if (f.alivio) {
        const TextoRegla alivio = reglas_.Texto(korvex::Regla::AlivioAceroMinimo);
        r_.Paso(ConClausula("A_{s} requerido menor que el mínimo: " + alivio.texto, alivio),
                alivio.formula,
                Alivio(f) + " = mín(" + F3(f.AsCuatroTercios) + ", " + F3(f.AsMin) + ")",
                F3(f.As) + " " + kCm2);
    } else {
        r_.Texto("A_{s,req} = " + F3(f.AsRequerido) + " ≥ A_{s,mín} = " + F3(f.AsMin) +
                 ": A_{s} = A_{s,req}.");
    }
    r_.Texto(std::string("Resultado, sección M(") + (positivo ? "+" : "−") +
             "): A_{s} = " + F3(f.As) + " " + kCm2 + " en tracción y A'_{s} = " + F3(f.Asc) + " " +
             kCm2 + " en compresión.");
}

bool Flexion::Signo(const PasoFlexion& f, bool positivo) {
    r_.Apartado(positivo ? "Momento positivo M(+)" : "Momento negativo M(−)");
    Datos(f, positivo);
    if (f.Mu == 0 && f.suficiente) {
        // No moment of this sign: every step gives zero; only the minimum
        // steel has numbers, and the 4/3 relief of a zero area is zero.
        Constantes(f);
        r_.Texto("Sin momento de este signo: R_{n} = 0, ω = 0 y A_{s,req} = " + F3(f.AsRequerido) +
                 " " + kCm2 + ". A_{s,mín} = máx(" + F3(f.AsMin1) + ", " + F3(f.AsMin2) + ") = " +
                 F3(f.AsMin) + " " + kCm2 + "; como A_{s,req} < A_{s,mín}, A_{s} = " + Alivio(f) +
                 " = " + F3(f.As) + " " + kCm2 + " y A'_{s} = " + F3(f.Asc) + " " + kCm2 + ".");
        r_.Texto(std::string("Resultado, sección M(") + (positivo ? "+" : "−") +
                 "): A_{s} = " + F3(f.As) + " " + kCm2 + " en tracción y A'_{s} = " + F3(f.Asc) +
                 " " + kCm2 + " en compresión.");
        return true;
    }
    const bool rect = p_.seccion.TipoViga == kVigaRect;
    bool sigue = true;
    if (f.conAla) {
        sigue = Ala(f);
        if (sigue && f.comportamiento == Comportamiento::T) {
            sigue = T(f);
        } else if (sigue) {
            sigue = Rectangular(f, "b_{f}", Dato(f.b));
        }
    } else if (rect) {
        r_.Texto("Zona de compresión rectangular de ancho b = " + Dato(f.b) + " cm.");
        sigue = Rectangular(f, "b", Dato(f.b));
    } else {
        r_.Texto("El alma queda en compresión: rectángulo de ancho b_{w} = " + Dato(f.b) + " cm.");
        sigue = Rectangular(f, "b_{w}", Dato(f.b));
    }
    if (!sigue) return false;
    AceroMinimo(f, positivo);
    return true;
}

}  // namespace

bool DisenoFlexion(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                   Redactor& r) {
    const PasosCalculo& s = c.Pasos;
    r.Parte("Diseño a flexión");
    const TextoRegla metodo = reglas.Texto(Regla::MetodoFlexion);
    r.Texto("Método de resistencia: " + metodo.texto + kKgCm2 +
            (metodo.clausula.empty() ? "" : " (" + metodo.clausula + ")") +
            ". Se diseña primero el momento " + (s.negativaPrimero ? "negativo" : "positivo") +
            ", como lo hace el programa.");
    Flexion flexion(p, c, reglas, r);
    const bool negPrimero = s.negativaPrimero;
    const PasoFlexion& primero = negPrimero ? s.flexionNeg : s.flexionPos;
    const PasoFlexion& segundo = negPrimero ? s.flexionPos : s.flexionNeg;
    if (!primero.calculado) {
        r.Texto("El cálculo no registró el diseño a flexión.");
        return false;
    }
    if (!flexion.Signo(primero, !negPrimero)) return false;
    if (segundo.calculado && !flexion.Signo(segundo, negPrimero)) return false;
    return true;
}

}  // namespace korvex::memoria
