// The part "Deflexiones" of the report: cracked and effective inertia of
// both sections, the effective deflection, the long-term factor for uses 3
// and 4, and the check against the admissible deflection.
#include "design/Deflexion.h"
#include "project/MemoriaTexto.h"

namespace korvex::memoria {

namespace {

// The check of one zone against its limit.
void Comprobar(const PasoZonaDeflexion& z, const std::string& simbolo, Redactor& r) {
    r.Comprobacion("Deflexión dentro del límite", simbolo,
                   Cifras(z.FlechaComparada) + (z.excede ? " > " : " ≤ ") + Cifras(z.limite) + " m",
                   !z.excede);
}

// After the zones: the governing zone of a beam with cantilevers and the
// warning when some zone exceeds its limit.
void Cierre(const PasoDeflexion& d, bool vuelos, Redactor& r) {
    if (vuelos && d.gobierna >= 0 && d.gobierna < static_cast<int>(d.zonas.size())) {
        const PasoZonaDeflexion& g = d.zonas[static_cast<std::size_t>(d.gobierna)];
        r.Texto(std::string("Gobierna el ") + NombreZona(g.zona) +
                ", con la mayor relación entre la deflexión y su límite: " +
                Cifras(g.FlechaComparada) + " m frente a " + Cifras(g.limite) +
                " m (admisible redondeada a milímetros: " + F3(d.limiteMostrado) + " m).");
    }
    if (d.excede) r.Texto(MensajeDeflexion(d.zonas).texto + ".");
}

constexpr double kCm4AM4 = 1e-8;  // cm4 -> m4

const char* const kUsos[] = {
    "",
    "Azoteas Planas que no soporten ni estén ligadas a elementos no estructurales susceptibles "
    "de sufrir daños por grandes deflexiones",
    "Entrepisos que no soporten ni estén ligados a elementos no estructurales susceptibles de "
    "sufrir daños por grandes deflexiones",
    "Sistema de entrepiso o azotea que soporte o esté ligado a elementos no estructurales "
    "susceptibles de sufrir daños por grandes deflexiones",
    "Sistema de entrepiso o azotea que soporte o esté ligado a elementos no estructurales no "
    "susceptibles de sufrir daños por grandes deflexiones",
};

class Inercias {
  public:
    Inercias(const Proyecto& p, const ResultadoCalculo& c, const PasoDeflexion& d,
             const ReglasDiseno& reglas, Redactor& r)
        : p_(p), c_(c), d_(d), reglas_(reglas), r_(r) {}
    void Seccion(const PasoInercia& i, bool positivo);
    // The data of the section, its cracked inertia and its cracking moment.
    void Preparar();
    void Fisuracion(const PasoInercia& i, bool positivo);

  private:
    void EjeNeutro(const PasoInercia& i, bool ala);
    void Fisurada(const PasoInercia& i, bool ala);

    const Proyecto& p_;
    const ResultadoCalculo& c_;
    const PasoDeflexion& d_;
    const ReglasDiseno& reglas_;
    Redactor& r_;
    std::string n_, d_t_, dp_;
    std::string bw_ = "b_{w}";  // the web width's symbol: b for a rectangle
};

void Inercias::EjeNeutro(const PasoInercia& i, bool ala) {
    const std::string bf = Dato(p_.seccion.Bf), bw = Dato(p_.seccion.Bw), hf = Dato(p_.seccion.Hf),
                      b = Dato(i.bweb), As = F3(i.As), Asc = F3(i.Asc);
    r_.Texto(
        "Eje neutro de la sección fisurada: A k^{2} + B k + C = 0, con kd la profundidad "
        "de la zona comprimida.");
    r_.Paso("Coeficiente A", "A = " + bw_ + " d^{2} / 2", b + " × " + d_t_ + "^{2} / 2",
            Cifras(i.A, 6));
    if (ala) {
        r_.Paso("Coeficiente B", "B = n A_{s} d + n A'_{s} d + (b_{f} − b_{w}) h_{f} d",
                n_ + " × " + As + " × " + d_t_ + " + " + n_ + " × " + Asc + " × " + d_t_ + " + (" +
                    bf + " − " + bw + ") × " + hf + " × " + d_t_,
                Cifras(i.B, 6));
        r_.Paso("Coeficiente C", "C = (b_{w} − b_{f}) h_{f}^{2}/2 − n A'_{s} d' − n A_{s} d",
                "(" + bw + " − " + bf + ") × " + hf + "^{2}/2 − " + n_ + " × " + Asc + " × " + dp_ +
                    " − " + n_ + " × " + As + " × " + d_t_,
                Cifras(i.C, 6));
    } else {
        r_.Paso("Coeficiente B", "B = n A_{s} d + n A'_{s} d",
                n_ + " × " + As + " × " + d_t_ + " + " + n_ + " × " + Asc + " × " + d_t_,
                Cifras(i.B, 6));
        r_.Paso("Coeficiente C", "C = −n A'_{s} d' − n A_{s} d",
                "−" + n_ + " × " + Asc + " × " + dp_ + " − " + n_ + " × " + As + " × " + d_t_,
                Cifras(i.C, 6));
    }
    const std::string C = i.C < 0 ? "(" + Cifras(i.C, 6) + ")" : Cifras(i.C, 6);
    r_.Paso("Raíz entre 0 y 1", "k = (−B + √(B^{2} − 4 A C)) / (2 A)",
            "(−" + Cifras(i.B, 6) + " + √(" + Cifras(i.B, 6) + "^{2} − 4 × " + Cifras(i.A, 6) +
                " × " + C + ")) / (2 × " + Cifras(i.A, 6) + ")",
            Cifras(i.k));
    r_.Paso("Profundidad del eje neutro", "kd = k d", Cifras(i.k) + " × " + d_t_,
            Cifras(i.kd) + " cm");
}

void Inercias::Fisurada(const PasoInercia& i, bool ala) {
    const std::string bf = Dato(p_.seccion.Bf), hf = Dato(p_.seccion.Hf), b = Dato(i.bweb),
                      kd = Cifras(i.kd), As = F3(i.As), Asc = F3(i.Asc);
    const std::string acero = " + " + n_ + " × " + As + " × (" + d_t_ + " − " + kd + ")^{2} + " +
                              n_ + " × " + Asc + " × (" + kd + " − " + dp_ + ")^{2}";
    if (ala) {
        r_.Paso("Inercia de la sección fisurada (⟨x⟩ = x si x > 0, si no 0)",
                "I_{cr} = b_{f} h_{f}^{3}/12 + b_{f} h_{f} (kd − h_{f}/2)^{2} + n A_{s} (d − "
                "kd)^{2} + n A'_{s} (kd − d')^{2} + b_{w} ⟨kd − h_{f}⟩^{3}/12 + b_{w} (kd − "
                "h_{f}) (⟨kd − h_{f}⟩/2)^{2}",
                bf + " × " + hf + "^{3}/12 + " + bf + " × " + hf + " × (" + kd + " − " + hf +
                    "/2)^{2}" + acero + " + " + b + " × ⟨" + kd + " − " + hf + "⟩^{3}/12 + " + b +
                    " × (" + kd + " − " + hf + ") × (⟨" + kd + " − " + hf + "⟩/2)^{2}",
                Entero(i.Icr) + " " + kCm4);
    } else {
        r_.Paso("Inercia de la sección fisurada",
                "I_{cr} = " + bw_ + " kd^{3}/12 + " + bw_ +
                    " kd (kd/2)^{2} + n A_{s} (d − kd)^{2} + n A'_{s} (kd − d')^{2}",
                b + " × " + kd + "^{3}/12 + " + b + " × " + kd + " × (" + kd + "/2)^{2}" + acero,
                Entero(i.Icr) + " " + kCm4);
    }
}

void Inercias::Seccion(const PasoInercia& i, bool positivo) {
    const EstadoProyecto& e = p_.estado;
    const bool rect = p_.seccion.TipoViga == kVigaRect;
    r_.Apartado(positivo ? "Inercia efectiva de la sección de momento positivo"
                         : "Inercia efectiva de la sección de momento negativo");
    if (!i.calculado) {
        r_.Texto(std::string("Sin momento de servicio ") + (positivo ? "positivo" : "negativo") +
                 ": no se calcula la inercia efectiva de esta sección.");
        return;
    }
    Preparar();
    r_.Texto("M_{a} = " + F2(i.Ma) + " " + kTnM + ", el mayor momento de servicio de este signo" +
             (e.AlternanciaViva ? " (envolvente de la carga viva alternada)" : "") +
             ". Acero del diseño: A_{s} = " + F3(i.As) + " " + kCm2 + ", A'_{s} = " + F3(i.Asc) +
             " " + kCm2 + "; " + (rect ? "b = " : "b_{w} = ") + Dato(i.bweb) + " cm, d = " + d_t_ +
             " cm, d' = " + dp_ + " cm, n = " + n_ + ".");
    Fisuracion(i, positivo);
    r_.Paso("Relación de momentos", "M_{cr} / M_{a} = M_{cr} / (M_{a} × 100,000)",
            Entero(i.Mcr) + " / (" + General(i.Ma) + " × 100,000)", Cifras(i.relacion));
    const std::string Ie =
        Entero(i.Ie) + " " + kCm4 + " = " + Cifras(i.Ie * kCm4AM4, 5) + " " + kM4;
    if (i.relacion >= 1) {
        const TextoRegla entera = reglas_.Texto(Regla::InerciaSinFisurar);
        r_.Texto(entera.texto);
        r_.Paso("Inercia efectiva", entera.formula, "", Ie);
        return;
    }
    PasoRegla(r_, reglas_, Regla::InerciaEfectiva, "Inercia efectiva",
              {{"relacion", Cifras(i.relacion)}, {"Ig", Entero(i.Ig)}, {"Icr", Entero(i.Icr)}}, Ie);
}

void Inercias::Preparar() {
    n_ = Cifras(d_.n);
    bw_ = p_.seccion.TipoViga == kVigaRect ? "b" : "b_{w}";
    d_t_ = Dato(c_.PeralteEfectivo);
    dp_ = Dato(c_.Recubrimiento);
}

void Inercias::Fisuracion(const PasoInercia& i, bool positivo) {
    const bool rect = p_.seccion.TipoViga == kVigaRect;
    // A rectangle has no flange: its formulas are those of the web.
    const bool ala = i.conAla && !rect;
    EjeNeutro(i, ala);
    Fisurada(i, ala);
    const std::string yt = positivo ? "y_{t} = y_{cg}" : "y_{t} = h − y_{cg}";
    const std::string h =
        rect ? Dato(p_.seccion.H) : Dato(p_.seccion.Hf) + " + " + Dato(p_.seccion.Hw);
    r_.Paso("Distancia del centro de gravedad a la fibra traccionada", yt,
            positivo ? "" : h + " − " + General(p_.seccion.Ycg), Cifras(i.yt) + " cm");
    PasoRegla(r_, reglas_, Regla::ModuloRotura, "Módulo de rotura", {{"fc", Fc(p_)}},
              Cifras(i.fr) + " " + kKgCm2);
    r_.Paso("Momento de fisuración", "M_{cr} = f_{r} I_{g} / y_{t}",
            Cifras(i.fr) + " × " + Entero(i.Ig) + " / " + Cifras(i.yt),
            Entero(i.Mcr) + " " + kKgCm);
}

// The zone's name with its extent on the beam ("voladizo derecho, de x = 6.5
// a x = 8 m").
std::string Zona(const EstadoProyecto& e, const PasoZonaDeflexion& z) {
    std::string desde = "0", hasta = Dato(e.DistJ);
    if (z.zona == kTramo) {
        desde = Dato(e.DistJ);
        hasta = Dato(e.DistK);
    } else if (z.zona == kVueloDerecho) {
        desde = Dato(e.DistK);
        hasta = Dato(e.LuzViga);
    }
    return std::string(NombreZona(z.zona)) + ", de x = " + desde + " a x = " + hasta + " m";
}

void Flecha(const Proyecto& p, const ResultadoCalculo& c, const PasoDeflexion& d, Redactor& r) {
    const EstadoProyecto& e = p.estado;
    const bool vuelos = d.zonas.size() > 1;
    r.Apartado("Flecha efectiva");
    r.Texto(std::string("El análisis da la flecha de servicio multiplicada por la inercia, δ·I") +
            (e.AlternanciaViva ? " (envolvente de la carga viva alternada)" : "") +
            (vuelos ? ". Cada zona (vuelos y tramo entre apoyos) se controla por separado con "
                      "su mayor |δ·I|"
                    : "; su mayor valor") +
            ", dividido por la inercia efectiva de cada sección; la flecha es el mayor de los "
            "dos resultados.");
    const double Iepos = d.positiva.Ie * kCm4AM4, Ieneg = d.negativa.Ie * kCm4AM4;  // m4
    for (const PasoZonaDeflexion& z : d.zonas) {
        if (vuelos) r.Texto("Zona: " + Zona(e, z) + ".");
        r.Paso("Mayor flecha por inercia de la zona", "|δ·I|_{máx}", "",
               Cifras(z.FlechaMax) + " " + kM5 + " en x = " + F2(z.x) + " m");
        if (d.positiva.calculado && c.MomentoPosMax != 0) {
            r.Paso("Flecha con la inercia de la sección de momento positivo",
                   "δ_{+} = |δ·I|_{máx} / I_{e+}", Cifras(z.FlechaMax) + " / " + Cifras(Iepos, 5),
                   Cifras(z.deltaPos) + " m");
        }
        if (d.negativa.calculado && c.MomentoNegMax != 0) {
            r.Paso("Flecha con la inercia de la sección de momento negativo",
                   "δ_{−} = |δ·I|_{máx} / I_{e−}", Cifras(z.FlechaMax) + " / " + Cifras(Ieneg, 5),
                   Cifras(z.deltaNeg) + " m");
        }
        r.Paso("Flecha efectiva", "δ = máx(δ_{+}, δ_{−})",
               "máx(" + Cifras(z.deltaPos) + ", " + Cifras(z.deltaNeg) + ")",
               Cifras(z.FlechaEfectiva) + " m");
    }
}

// The uses that compare the long-term deflection ("Usos 3 y 4").
std::string UsosLargoPlazo(const ReglasDiseno& reglas) {
    std::vector<int> usos;
    for (int u = 1; u <= reglas.NumeroUsos(); ++u) {
        if (reglas.UsoLargoPlazo(u)) usos.push_back(u);
    }
    std::string t = usos.size() == 1 ? "Uso " : "Usos ";
    for (std::size_t i = 0; i < usos.size(); ++i) {
        if (i > 0) t += i + 1 == usos.size() ? " y " : ", ";
        t += std::to_string(usos[i]);
    }
    return t;
}

// The heading of the check; false, with its sentence, without a use.
bool IniciarControl(const PasoDeflexion& d, Redactor& r) {
    r.Apartado("Control de la deflexión");
    if (d.uso >= 1 && d.uso <= 4) return true;
    r.Texto("Sin uso del elemento elegido: no se compara la deflexión con un límite.");
    return false;
}

// "Uso n: ... Límite l/r, con l ...": the use, its limit and each zone's l.
std::string LimiteDelUso(const PasoDeflexion& d, const ReglasDiseno& reglas, bool vuelos) {
    const TextoRegla voladizo = reglas.Texto(Regla::LuzVoladizo);
    return "Uso " + std::to_string(d.uso) + ": " + kUsos[d.uso] + ". Límite l/" +
           General(d.relacionLuz) +
           (vuelos ? ", con l la luz entre apoyos para el tramo y " + voladizo.texto + "."
                   : std::string(", con l la luz entre apoyos."));
}

void Control(const Proyecto& p, const ResultadoCalculo& c, const PasoDeflexion& d,
             const ReglasDiseno& reglas, Redactor& r) {
    const EstadoProyecto& e = p.estado;
    const bool vuelos = d.zonas.size() > 1;
    if (!IniciarControl(d, r)) return;
    const std::string razon = General(d.relacionLuz);
    r.Texto(LimiteDelUso(d, reglas, vuelos));
    if (d.largoPlazo) {
        r.Texto(UsosLargoPlazo(reglas) +
                ": se compara la deflexión a largo plazo. Acero de compresión de la "
                "sección que tiene más: A'_{s} = " +
                F3(d.AscLargoPlazo) + " " + kCm2 + ", con b = " + Dato(d.bLargoPlazo) +
                " cm y d = " + Dato(c.PeralteEfectivo) + " cm.");
        r.Paso("Cuantía del acero de compresión", "ρ' = A'_{s} / (b d)",
               F3(d.AscLargoPlazo) + " / (" + Dato(d.bLargoPlazo) + " × " +
                   Dato(c.PeralteEfectivo) + ")",
               Cifras(d.rhoCompresion));
        PasoRegla(r, reglas, Regla::FactorLargoPlazo, "Factor de largo plazo",
                  {{"rho", Cifras(d.rhoCompresion)}}, Cifras(d.lambda));
    }
    const std::string simbolo = d.largoPlazo ? "δ_{lp} ≤ δ_{adm}" : "δ ≤ δ_{adm}";
    for (const PasoZonaDeflexion& z : d.zonas) {
        if (vuelos) r.Texto("Zona: " + Zona(e, z) + ".");
        const std::string l = Dato(z.luzReferencia);
        if (z.zona == kTramo) {
            r.Paso("Luz de referencia", "l = K − J", Dato(e.DistK) + " − " + Dato(e.DistJ),
                   l + " m");
        } else {
            PasoRegla(r, reglas, Regla::LuzVoladizo, "Luz de referencia",
                      {{"longitud", Dato(z.longitud)}}, l + " m");
        }
        r.Paso("Deflexión admisible", "δ_{adm} = l / " + razon, l + " / " + razon,
               Cifras(z.limite) + " m");
        if (d.largoPlazo) {
            r.Paso("Deflexión a largo plazo", "δ_{lp} = λ δ",
                   Cifras(d.lambda) + " × " + Cifras(z.FlechaEfectiva),
                   Cifras(z.FlechaComparada) + " m");
        }
        Comprobar(z, simbolo, r);
    }
    Cierre(d, vuelos, r);
}

// One load level of a zone judged load by load: its moment at the section,
// its effective inertia and its deflection.
void Carga(const PasoCargaDeflexion& k, const PasoInercia& s, const char* nombre,
           const char* simbolo, const ReglasDiseno& reglas, Redactor& r) {
    const std::string sub = simbolo;
    r.Paso(std::string("Momento de servicio bajo ") + nombre + " en la sección",
           "M_{a," + sub + "}", "", F2(k.Ma) + " " + kTnM);
    const std::string Ie =
        Entero(k.Ie) + " " + kCm4 + " = " + Cifras(k.Ie * kCm4AM4, 5) + " " + kM4;
    if (k.Ma > 0) {
        r.Paso("Relación de momentos", "M_{cr} / M_{a} = M_{cr} / (M_{a} × 100,000)",
               Entero(s.Mcr) + " / (" + General(k.Ma) + " × 100,000)", Cifras(k.relacion));
    }
    // The rules decide whether the section cracks: their Ie is Ig when it does not.
    if (k.Ie == s.Ig) {
        const TextoRegla entera = reglas.Texto(Regla::InerciaSinFisurar);
        r.Texto(entera.texto);
        r.Paso("Inercia efectiva (" + entera.clausula + ")", entera.formula, "", Ie);
    } else {
        PasoRegla(r, reglas, Regla::InerciaEfectiva, "Inercia efectiva",
                  {{"relacion", Cifras(k.relacion)}, {"Ig", Entero(s.Ig)}, {"Icr", Entero(s.Icr)}},
                  Ie);
    }
    r.Paso(std::string("Mayor flecha por inercia de la zona bajo ") + nombre, "|δ·I_{g}|_{máx}", "",
           Cifras(k.FlechaMax) + " " + kM5 + " en x = " + F2(k.x) + " m");
    PasoRegla(r, reglas, Regla::FlechaCarga, std::string("Flecha inmediata bajo ") + nombre,
              {{"flecha", Cifras(k.FlechaMax)}, {"Ie", Cifras(k.Ie * kCm4AM4, 5)}},
              Cifras(k.delta) + " m", {{"carga", sub}});
}

// Each zone's deflections, load by load.
void FlechasPorCargas(const Proyecto& p, const ResultadoCalculo& c, const PasoDeflexion& d,
                      const ReglasDiseno& reglas, Redactor& r) {
    const EstadoProyecto& e = p.estado;
    Inercias inercias(p, c, d, reglas, r);
    inercias.Preparar();
    for (const PasoZonaDeflexion& z : d.zonas) {
        const PasoInercia& s = z.seccion;
        const std::string p100 = General(z.partSostenida * 100);
        r.Apartado("Flechas del " + Zona(e, z));
        r.Texto(std::string("Sección de momento ") + (z.positivo ? "positivo" : "negativo") +
                " en x = " + F2(z.xSeccion) + " m. Acero del diseño: A_{s} = " + F3(s.As) + " " +
                kCm2 + ", A'_{s} = " + F3(s.Asc) + " " + kCm2 + "; d = " + Dato(c.PeralteEfectivo) +
                " cm, d' = " + Dato(c.Recubrimiento) + " cm, n = " + Cifras(d.n) + ".");
        inercias.Fisuracion(s, z.positivo);
        Carga(z.muerta, s, "la carga permanente D", "D", reglas, r);
        Carga(z.total, s,
              e.AlternanciaViva ? "D + L (envolvente de la carga viva alternada)" : "D + L", "D+L",
              reglas, r);
        PasoRegla(r, reglas, Regla::FlechaViva, "Flecha inmediata de la carga viva",
                  {{"total", Cifras(z.total.delta)}, {"muerta", Cifras(z.muerta.delta)}},
                  Cifras(z.deltaViva) + " m");
        Carga(z.sostenida, s, ("D + " + p100 + " % de L (carga sostenida)").c_str(), "sost", reglas,
              r);
    }
}

// The check of each zone against its limit: Delta_L for uses 1 and 2,
// lambda_Delta Delta_sost + Delta_L for 3 and 4.
void ControlPorCargas(const Proyecto& p, const PasoDeflexion& d, const ReglasDiseno& reglas,
                      const ResultadoCalculo& c, Redactor& r) {
    const EstadoProyecto& e = p.estado;
    const bool vuelos = d.zonas.size() > 1;
    if (!IniciarControl(d, r)) return;
    const std::string razon = General(d.relacionLuz);
    r.Texto(LimiteDelUso(d, reglas, vuelos) +
            (d.largoPlazo ? " Se compara la flecha a largo plazo de la carga sostenida más la "
                            "inmediata de la carga viva."
                          : " Se compara la flecha inmediata de la carga viva."));
    for (const PasoZonaDeflexion& z : d.zonas) {
        if (vuelos) r.Texto("Zona: " + Zona(e, z) + ".");
        const std::string l = Dato(z.luzReferencia);
        if (z.zona == kTramo) {
            r.Paso("Luz de referencia", "l = K − J", Dato(e.DistK) + " − " + Dato(e.DistJ),
                   l + " m");
        } else {
            PasoRegla(r, reglas, Regla::LuzVoladizo, "Luz de referencia",
                      {{"longitud", Dato(z.longitud)}}, l + " m");
        }
        r.Paso("Deflexión admisible (" + reglas.Texto(Regla::FlechaViva).clausula + ")",
               "δ_{adm} = l / " + razon, l + " / " + razon, Cifras(z.limite) + " m");
        std::string simbolo = "Δ_{L} ≤ δ_{adm}";
        if (d.largoPlazo) {
            simbolo = "Δ_{lp} ≤ δ_{adm}";
            PasoRegla(r, reglas, Regla::CuantiaLargoPlazo,
                      std::string("Cuantía del acero de compresión en la sección de momento ") +
                          (z.positivo ? "positivo" : "negativo"),
                      {{"Asc", F3(z.AscLargoPlazo)},
                       {"b", Dato(z.bLargoPlazo)},
                       {"d", Dato(c.PeralteEfectivo)}},
                      Cifras(z.rhoCompresion));
            PasoRegla(r, reglas, Regla::FactorLargoPlazo, "Factor de largo plazo",
                      {{"rho", Cifras(z.rhoCompresion)}}, Cifras(z.lambda));
            PasoRegla(r, reglas, Regla::FlechaLargoPlazoCargas, "Flecha comparada",
                      {{"lambda", Cifras(z.lambda)},
                       {"sostenida", Cifras(z.sostenida.delta)},
                       {"viva", Cifras(z.deltaViva)}},
                      Cifras(z.FlechaComparada) + " m");
        }
        Comprobar(z, simbolo, r);
    }
    Cierre(d, vuelos, r);
}

}  // namespace

void Deflexiones(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                 Redactor& r) {
    const PasoDeflexion& d = c.Pasos.deflexion;
    r.Parte("Deflexiones");
    if (!d.calculado) {
        r.Texto("El cálculo no registró el control de deflexiones.");
        return;
    }
    const bool porCargas = !d.zonas.empty() && d.zonas.front().porCargas;
    if (porCargas) {
        const PasoZonaDeflexion& z = d.zonas.front();
        r.Texto(
            "Cada flecha con su propia carga: D (carga muerta, «Otros» y peso propio), D + L "
            "(servicio) y D + " +
            General(z.partSostenida * 100) +
            " % de L (la parte sostenida de la carga viva), cada una con su momento M_{a} y "
            "su inercia efectiva I_{e}; " +
            reglas.Texto(Regla::SeccionDeflexion).texto + " (" +
            reglas.Texto(Regla::SeccionDeflexion).clausula + "); I_{g} = " + Entero(z.seccion.Ig) +
            " " + kCm4 + ".");
    } else {
        r.Texto(
            "Inercia efectiva de cada sección crítica con la inercia fisurada I_{cr}, el "
            "momento de fisuración M_{cr} y el mayor momento de servicio M_{a} de su signo; "
            "I_{g} = " +
            Entero(d.positiva.calculado ? d.positiva.Ig : d.negativa.Ig) + " " + kCm4 + ".");
    }
    const TextoRegla ec = reglas.Texto(Regla::ModuloConcreto);
    r.Paso("Relación modular", "n = E_{s} / (" + ec.formula + ")",
           "2,040,000 / (" + Sustituir(ec.sustitucion, {{"fc", Fc(p)}}) + ")", Cifras(d.n));
    if (porCargas) {
        FlechasPorCargas(p, c, d, reglas, r);
        ControlPorCargas(p, d, reglas, c, r);
        return;
    }
    Inercias inercias(p, c, d, reglas, r);
    inercias.Seccion(d.positiva, true);
    inercias.Seccion(d.negativa, false);
    Flecha(p, c, d, r);
    Control(p, c, d, reglas, r);
}

}  // namespace korvex::memoria
