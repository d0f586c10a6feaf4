// The part "Armado y despiece" of the report, its second half: the
// development length of each face's bars and the cut-off and anchorage rules
// with the lengths the schedule used, the stirrup zones, the bar schedule,
// phi Mn of the bars along the beam over the factored moment, and the
// drawing of the bars. Every value comes from ResultadoDiseno::Despiece and
// ::ZonasEstribos as the design recorded them.
#include <cmath>

#include "project/DatosProyecto.h"
#include "project/DibujoDespiece.h"
#include "project/MemoriaTexto.h"
#include "text/Numeros.h"

namespace korvex::memoria {

namespace {

constexpr double kMACm = 100;  // m -> cm

const char* Cara(bool inferior) {
    return inferior ? "inferior" : "superior";
}

// A rule stated in words with its clause: "concepto (clause): text", or the
// text alone for rules whose clause opens their text ("ACI 318-99, 12.10.3:
// ...").
std::string Enunciado(const std::string& concepto, const TextoRegla& t) {
    if (t.clausula.empty()) return t.texto;
    return concepto + " (" + t.clausula + "): " + t.texto;
}

const char* PorQue(ReglaExtremo r) {
    switch (r) {
        case ReglaExtremo::ExtremoViga:
            return "extremo de la viga menos el recubrimiento libre";
        case ReglaExtremo::Extension:
            return "corte teórico más máx(d, 12 d_{b})";
        case ReglaExtremo::DesarrolloMaximo:
            return "l_{d} desde la sección de momento máximo";
        case ReglaExtremo::PuntoInflexion:
            return "punto de inflexión más máx(d, 12 d_{b}, l_{n}/16)";
        case ReglaExtremo::DesarrolloApoyo:
            return "l_{d} dentro del tramo pasado el apoyo";
        case ReglaExtremo::ZonaTraccion:
            return "continúa hasta cumplir las condiciones del corte en zona de tracción";
    }
    return "";
}

const char* Funcion(FuncionBarra f) {
    switch (f) {
        case FuncionBarra::Corrida:
            return "corrida";
        case FuncionBarra::Corte:
            return "cortada";
        case FuncionBarra::Compresion:
            return "compresión";
        case FuncionBarra::Portaestribos:
            return "portaestribos";
    }
    return "";
}

// "recta", "gancho 90° de 25 cm a la izquierda", "ganchos 90° de 25 y 25 cm".
std::string Forma(const BarraDespiece& b) {
    std::string f;
    if (b.ganchoDesde > 0 && b.ganchoHasta > 0) {
        f = "ganchos 90° de " + F2(b.ganchoDesde) + " y " + F2(b.ganchoHasta) + " cm";
    } else if (b.ganchoDesde > 0) {
        f = "gancho 90° de " + F2(b.ganchoDesde) + " cm a la izquierda";
    } else if (b.ganchoHasta > 0) {
        f = "gancho 90° de " + F2(b.ganchoHasta) + " cm a la derecha";
    } else {
        f = "recta";
    }
    return f + " (" + Funcion(b.funcion) + ")";
}

const ArmadoCara* ArmadoDe(const ResultadoCalculo& c, bool inferior) {
    for (const ArmadoCara& a : c.Armado) {
        if (a.inferior == inferior) return &a;
    }
    return nullptr;
}

// The step of an extension rule whose substitution ends with its own result
// ("máx(d, 12 d_{b}) = {ext}"): that result is printed once, as the step's.
void Extension(Redactor& r, const ReglasDiseno& reglas, Regla regla, const std::string& concepto,
               const Valores& valores, float extension) {
    const TextoRegla t = reglas.Texto(regla);
    std::string sustitucion = t.sustitucion;
    if (sustitucion.ends_with(" = {ext}")) sustitucion.resize(sustitucion.size() - 8);
    r.Paso(ConClausula(concepto, t), t.formula,
           Sustituir(sustitucion, Unir(valores, {{"ext", F2(extension)}})), F2(extension) + " cm");
}

// ld of the largest bar of one face and the extensions measured with it.
void Desarrollo(const Proyecto& p, const ResultadoCalculo& c, const DesarrolloCara& dc,
                const ReglasDiseno& reglas, Redactor& r) {
    const LongitudDesarrolloRegla& ld = dc.ld;
    const std::string db = General(DiametroBarra(dc.diametro));
    const std::string cara =
        std::string("barras ") + Cara(dc.inferior) + "es de " + NombreBarra(dc.diametro);
    std::string resultado = F2(ld.ld) + " cm";
    if (ld.ld > ld.ldExpresion)
        resultado += " (mínimo; la expresión da " + F2(ld.ldExpresion) + ")";
    PasoRegla(r, reglas, Regla::LongitudDesarrollo, "Longitud de desarrollo de las " + cara,
              {{"fy", General(texto::NumeroCampo(p.materiales.cboFy))},
               {"fc", General(texto::NumeroCampo(p.materiales.txtFc))},
               {"db", db},
               {"psiT", General(ld.factorUbicacion)},
               {"psiS", General(ld.factorTamano)}},
              resultado);
    const ArmadoCara* a = ArmadoDe(c, dc.inferior);
    const std::string d = F2(a ? a->dReal : c.PeralteEfectivo);
    Extension(r, reglas, Regla::ExtensionCorte, "Extensión de las " + cara + " más allá del corte",
              {{"d", d}, {"db", db}}, dc.extension);
    if (!dc.inferior) {
        const EstadoProyecto& e = p.estado;
        r.Texto(Enunciado("Acero negativo", reglas.Texto(Regla::AceroNegativoInflexion)));
        Extension(r, reglas, Regla::AceroNegativoInflexion,
                  "Extensión del acero negativo más allá del punto de inflexión",
                  {{"d", d}, {"db", db}, {"ln", F2((e.DistK - e.DistJ) * kMACm)}},
                  dc.extensionInflexion);
        if (e.DistJ > 0 || e.DistK < e.LuzViga) {
            r.Texto(Enunciado("Voladizos", reglas.Texto(Regla::AnclajeVoladizo)));
            PasoRegla(r, reglas, Regla::AnclajeVoladizo,
                      "Anclaje de las barras superiores del voladizo en el tramo",
                      {{"ld", F2(ld.ld) + " cm"}}, "l ≥ " + F2(ld.ld) + " cm");
        }
    }
}

void CorteYAnclaje(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
                   Redactor& r) {
    const DespieceViga& s = c.Despiece;
    r.Apartado("Longitud de desarrollo, corte y anclaje");
    r.Nota("Condiciones de l_{d}: " +
           Enunciado("barras rectas en tracción", reglas.Texto(Regla::LongitudDesarrollo)));
    for (const DesarrolloCara& dc : s.desarrollo) Desarrollo(p, c, dc, reglas, r);
    r.Texto(Enunciado("Corte de barras", reglas.Texto(Regla::ExtensionCorte)));
    r.Texto(Enunciado("Corte en zona de tracción", reglas.Texto(Regla::CorteZonaTraccion)));
    r.Texto(Enunciado("Acero positivo en los apoyos", reglas.Texto(Regla::AceroPositivoApoyo)));

    // The bottom tension bars that reach the supports, of all of them.
    int llegan = 0, todas = 0;
    for (const BarraDespiece& b : s.barras) {
        if (!b.inferior || (b.funcion != FuncionBarra::Corrida && b.funcion != FuncionBarra::Corte))
            continue;
        todas += b.cantidad;
        if (b.funcion == FuncionBarra::Corrida) llegan += b.cantidad;
    }
    if (todas > 0) {
        r.Texto("Llegan a los apoyos " + std::to_string(llegan) + " de las " +
                std::to_string(todas) + " barras inferiores de tracción.");
    }
    for (const BarraDespiece& b : s.barras) {
        if (b.funcion != FuncionBarra::Corte) continue;
        r.Nota("Marca " + std::to_string(b.marca) + " (" + std::to_string(b.cantidad) + "Ø" +
               NombreBarra(b.diametro) + " " + Cara(b.inferior) +
               "es): corte teórico en x = " + F2(b.corteDesde) + " y " + F2(b.corteHasta) +
               " m; va de x = " + F2(b.desde) + " m (" + PorQue(b.reglaDesde) +
               ") a x = " + F2(b.hasta) + " m (" + PorQue(b.reglaHasta) + ").");
    }
}

void Zonas(const ResultadoCalculo& c, const ReglasDiseno& reglas, Redactor& r) {
    r.Apartado("Zonas de estribos");
    const TextoRegla z = reglas.Texto(Regla::ZonasEstribos);
    r.Texto(z.texto + (z.clausula.empty() ? "" : " Separación máxima: " + z.clausula + "."));
    TablaMemoria t;
    t.encabezado = {"Zona", "Desde (m)", "Hasta (m)", "Cantidad", "Separación (cm)"};
    t.numerica = {true, true, true, true, true};
    for (std::size_t i = 0; i < c.ZonasEstribos.size(); ++i) {
        const ZonaEstribos& z = c.ZonasEstribos[i];
        t.filas.push_back({std::to_string(i + 1), F2(z.desde), F2(z.hasta),
                           std::to_string(z.cantidad), std::to_string(z.separacion)});
    }
    r.Tabla(std::move(t));
}

void Planilla(const ResultadoCalculo& c, Redactor& r) {
    const DespieceViga& s = c.Despiece;
    r.Apartado("Planilla de despiece");
    TablaMemoria t;
    t.encabezado = {"Marca", "Cara",      "Cantidad",  "Diámetro",
                    "Forma", "Desde (m)", "Hasta (m)", "Longitud (m)"};
    t.numerica = {true, false, true, false, false, true, true, true};
    for (const BarraDespiece& b : s.barras) {
        t.filas.push_back({std::to_string(b.marca), Cara(b.inferior), std::to_string(b.cantidad),
                           NombreBarra(b.diametro), Forma(b), F2(b.desde), F2(b.hasta),
                           F2(b.longitud)});
    }
    // The stirrups over the length their zones cover.
    const bool zonas = !c.ZonasEstribos.empty();
    for (const EstriboDespiece& e : s.estribos) {
        t.filas.push_back({std::to_string(e.marca), "estribos", std::to_string(e.cantidad),
                           NombreBarra(e.diametro),
                           "cerrado de " + F2(e.ancho) + " × " + F2(e.alto) +
                               " cm, ganchos 135° de " + F2(e.gancho) + " cm",
                           zonas ? F2(c.ZonasEstribos.front().desde) : "—",
                           zonas ? F2(c.ZonasEstribos.back().hasta) : "—", F2(e.longitud)});
    }
    r.Tabla(std::move(t));
    r.Nota(
        "Desde y hasta: abscisas de los extremos de la parte recta desde el extremo izquierdo de "
        "la viga; longitud: la desarrollada de una barra o de un estribo, ganchos incluidos.");
    for (const std::string& a : s.avisos) r.Texto("Aviso del despiece: " + a);
}

// phi Mn of one face at the stations of the figure, in its sign.
std::vector<double> SerieCapacidad(const ResultadoCalculo& c, const CapacidadCara& k,
                                   double signo) {
    std::vector<double> s;
    const std::size_t n = std::min(static_cast<std::size_t>(c.NumEstaciones) + 1, k.phiMn.size());
    for (std::size_t i = 1; i < n; ++i) {
        const double v = k.phiMn[i];
        s.push_back(std::isfinite(v) ? signo * v : 0.0);
    }
    return s;
}

}  // namespace

FiguraDiagrama FiguraCapacidad(const Proyecto& p, const ResultadoCalculo& c) {
    FiguraDiagrama f = Diagramas(p, c)[1];  // the factored moment, displayed sign
    f.titulo = "Momento factorizado y resistencia de diseño φM_{n} de las varillas";
    for (const CapacidadCara& k : c.Despiece.capacidad) {
        // Sagging moments are positive: the bottom bars resist them.
        (k.inferior ? f.capacidadPos : f.capacidadNeg) = SerieCapacidad(c, k, k.inferior ? 1 : -1);
    }
    return f;
}

void Despiece(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
              Redactor& r) {
    const DespieceViga& s = c.Despiece;
    if (!s.desarrollo.empty()) CorteYAnclaje(p, c, reglas, r);
    if (!c.ZonasEstribos.empty()) Zonas(c, reglas, r);
    if (!s.barras.empty() || !s.estribos.empty()) Planilla(c, r);
    if (!s.capacidad.empty()) {
        FiguraDiagrama f = FiguraCapacidad(p, c);
        r.Apartado("Resistencia a lo largo de la viga");
        r.Texto(
            "φM_{n} de las varillas presentes en cada sección (las inferiores del lado del "
            "momento positivo, las superiores del negativo) sobre el momento factorizado" +
            std::string(f.yMax.empty() ? "" : " y su envolvente") +
            ": cada punto de la demanda ha de quedar dentro de la línea de φM_{n}.");
        r.Figura(std::move(f));
    }
    Dibujo d = DibujoDespiece(DatosVigaDe(p), c, c);
    if (!d.lineas.empty() || !d.polilineas.empty() || !d.circulos.empty() || !d.textos.empty()) {
        r.Apartado("Dibujo del armado");
        r.Figura(FiguraDibujo{"Elevación de la viga y secciones (cm)", std::move(d)});
    }
}

}  // namespace korvex::memoria
