// The part "Análisis" of the report: load cases and self weight, reactions,
// the extremes (with the governing arrangement of the live load when the
// envelope is designed for), the four diagrams and the shear and moment
// every tenth of the beam, all read from the sampled diagrams.
#include <algorithm>
#include <cmath>
#include <utility>

#include "project/MemoriaTexto.h"

namespace korvex::memoria {

namespace {

// The clause of the load combinations as a sentence of its own; empty for
// rules that cite none.
std::string Referencia(const TextoRegla& t) {
    return t.clausula.empty() ? std::string() : " Combinaciones de " + t.clausula + ".";
}

bool ConEnvolvente(const EstadoProyecto& e, const ResultadoCalculo& c) {
    return e.AlternanciaViva && c.Envolvente.calculada;
}

// The zones whose live loads act in an arrangement.
std::string Disposicion(const ZonasVivas& z) {
    static const char* const kNombres[kZonas] = {"vuelo izquierdo", "tramo", "vuelo derecho"};
    std::string t;
    for (int i = 0; i < kZonas; ++i) {
        if (!z[static_cast<std::size_t>(i)]) continue;
        if (!t.empty()) t += ", ";
        t += kNombres[i];
    }
    return t.empty() ? "ninguna zona" : t;
}

// Index (1..NumEstaciones) of the station nearest to the abscissa x.
std::size_t Estacion(const ResultadoCalculo& c, double x) {
    const auto inicio = c.DiagX.begin() + 1;
    const auto fin = c.DiagX.begin() + c.NumEstaciones + 1;
    auto it = std::lower_bound(inicio, fin, static_cast<float>(x));
    if (it == fin) return static_cast<std::size_t>(c.NumEstaciones);
    if (it != inicio && x - *(it - 1) <= *it - x) --it;
    return static_cast<std::size_t>(it - c.DiagX.begin());
}

// A sampled series (stations 1..NumEstaciones) times a display factor.
std::vector<double> Serie(const ResultadoCalculo& c, const std::vector<float>& v, double factor) {
    std::vector<double> s;
    const std::size_t n = std::min(static_cast<std::size_t>(c.NumEstaciones) + 1, v.size());
    for (std::size_t k = 1; k < n; ++k) s.push_back(v[k] * factor);
    return s;
}

// Power of ten (a multiple of 3) that brings the largest magnitude of a
// small quantity to the range 1..1000 on its axis: 1e-3 -> -3, 1.2e-5 -> -6.
int Exponente(double maximo) {
    if (!(maximo > 0) || maximo >= 1) return 0;
    return 3 * static_cast<int>(std::floor(std::log10(maximo) / 3));
}

std::string Unidad(int exponente, const std::string& unidad) {
    if (exponente == 0) return unidad;
    return "10^{" + std::to_string(exponente) + "} " + unidad;
}

FiguraDiagrama Base(const EstadoProyecto& e, const ResultadoCalculo& c, const std::string& titulo,
                    const std::string& eje) {
    FiguraDiagrama f;
    f.titulo = titulo;
    f.eje = eje;
    f.LuzViga = e.LuzViga;
    f.DistJ = e.DistJ;
    f.DistK = e.DistK;
    f.x = Serie(c, c.DiagX, 1);
    return f;
}

// A largest magnitude placed on the side of the curve at its abscissa
// (the envelope of the arrangements keeps magnitudes only).
double ConSigno(float magnitud, float curva) {
    return curva < 0 ? -magnitud : magnitud;
}

MarcaDiagrama Marca(double x, double y, const std::string& texto) {
    return {x, y, texto};
}

}  // namespace

std::vector<FiguraDiagrama> Diagramas(const Proyecto& p, const ResultadoCalculo& c) {
    const EstadoProyecto& e = p.estado;
    const PosicionExtremos& x = c.Posiciones;
    const EnvolventeViva& v = c.Envolvente;
    const bool env = ConEnvolvente(e, c);
    std::vector<FiguraDiagrama> d;

    FiguraDiagrama V = Base(e, c, "Diagrama de cortante factorizado", "V (Tn)");
    V.y = Serie(c, c.DiagCortante, 1);
    if (env) {
        V.yMax = Serie(c, v.CortanteMax, 1);
        V.yMin = Serie(c, v.CortanteMin, 1);
    }
    V.marcas = {Marca(x.CortanteMax, c.CortanteMax,
                      "V_{máx} = " + F2(c.CortanteMax) + " Tn en x = " + F2(x.CortanteMax) + " m"),
                Marca(x.CortanteMin, c.CortanteMin,
                      "V_{mín} = " + F2(c.CortanteMin) + " Tn en x = " + F2(x.CortanteMin) + " m")};
    d.push_back(std::move(V));

    // Moments in the displayed sign (sagging positive), drawn on the tension
    // side: positive below the axis.
    FiguraDiagrama M =
        Base(e, c, "Diagrama de momento factorizado", std::string("M (") + kTnM + ")");
    M.y = Serie(c, c.DiagMomento, -1);
    M.positivoAbajo = true;
    if (env) {
        M.yMax = Serie(c, v.MomentoMin, -1);
        M.yMin = Serie(c, v.MomentoMax, -1);
    }
    M.marcas.push_back(Marca(x.MomentoPosMax, c.MomentoPosMax,
                             "M(+)_{máx} = " + F2(c.MomentoPosMax) + " " + kTnM +
                                 " en x = " + F2(x.MomentoPosMax) + " m"));
    if (c.MomentoNegMax != 0) {
        M.marcas.push_back(Marca(x.MomentoNegMax, c.MomentoNegMax,
                                 "M(−)_{máx} = " + F2(c.MomentoNegMax) + " " + kTnM +
                                     " en x = " + F2(x.MomentoNegMax) + " m"));
    }
    d.push_back(std::move(M));

    // Rotation and deflection times inertia: small numbers, written with a
    // power of ten on the axis.
    const int eg = Exponente(c.GiroMax);
    const double sg = std::pow(10.0, -eg);
    FiguraDiagrama G = Base(e, c, "Diagrama de giros (servicio)", "θ (" + Unidad(eg, "rad") + ")");
    G.y = Serie(c, c.DiagGiro, sg);
    if (env) {
        G.yMax = Serie(c, v.GiroMax, sg);
        G.yMin = Serie(c, v.GiroMin, sg);
    }
    G.marcas = {Marca(x.GiroMax, ConSigno(c.GiroMax, c.DiagGiro[Estacion(c, x.GiroMax)]) * sg,
                      "|θ|_{máx} = " + Cifras(c.GiroMax) + " rad en x = " + F2(x.GiroMax) + " m")};
    d.push_back(std::move(G));

    const int ef = Exponente(c.FlechaMax);
    const double sf = std::pow(10.0, -ef);
    FiguraDiagrama F = Base(e, c, "Elástica de servicio: flecha por inercia, δ·I",
                            "δ·I (" + Unidad(ef, kM5) + ")");
    F.y = Serie(c, c.DiagFlecha, sf);
    if (env) {
        F.yMax = Serie(c, v.FlechaMax, sf);
        F.yMin = Serie(c, v.FlechaMin, sf);
    }
    F.marcas = {Marca(
        x.FlechaMax, ConSigno(c.FlechaMax, c.DiagFlecha[Estacion(c, x.FlechaMax)]) * sf,
        "|δ·I|_{máx} = " + Cifras(c.FlechaMax) + " " + kM5 + " en x = " + F2(x.FlechaMax) + " m")};
    d.push_back(std::move(F));
    return d;
}

namespace {

void Extremos(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
              Redactor& r) {
    const EstadoProyecto& e = p.estado;
    const bool env = ConEnvolvente(e, c);
    r.Apartado("Valores extremos");
    if (env) {
        r.Texto(
            "Carga viva alternada: la carga viva de cada zona (vuelo izquierdo, tramo, vuelo "
            "derecho) actúa o no. Se evaluaron " +
            std::to_string(c.Envolvente.arreglos) +
            " disposiciones; los extremos son los de su envolvente, con la disposición que da "
            "cada uno, y el diseño los usa. Las cargas muertas, \"Otros\" y el peso propio "
            "actúan siempre.");
    }
    struct Fila {
        const char* nombre;
        float valor, x;
        const char* unidad;
        bool pequeno;
        const ExtremoEnvolvente* gobierna;
        int combinacion;  // the governing strength combination of a design extreme, or -1
    };
    const PosicionExtremos& x = c.Posiciones;
    const ExtremosEnvolvente& g = c.Envolvente.Extremos;
    const CombinacionesExtremos& u = c.Gobierna;
    const Fila filas[] = {
        {"Cortante máximo V_{máx}", c.CortanteMax, x.CortanteMax, "Tn", false, &g.CortanteMax, -1},
        {"Cortante mínimo V_{mín}", c.CortanteMin, x.CortanteMin, "Tn", false, &g.CortanteMin, -1},
        {"Cortante máximo absoluto |V|_{máx}", c.CortanteMaxAbs, x.CortanteMaxAbs, "Tn", false,
         &g.CortanteMaxAbs, u.CortanteMaxAbs},
        {"Momento positivo máximo M(+)", c.MomentoPosMax, x.MomentoPosMax, kTnM, false,
         &g.MomentoPosMax, u.MomentoPosMax},
        {"Momento negativo máximo M(−)", c.MomentoNegMax, x.MomentoNegMax, kTnM, false,
         &g.MomentoNegMax, u.MomentoNegMax},
        {"Momento máximo absoluto |M|_{máx}", c.MomentoMaxAbs, x.MomentoMaxAbs, kTnM, false,
         &g.MomentoMaxAbs, -1},
        {"Giro máximo |θ|_{máx} (servicio)", c.GiroMax, x.GiroMax, "rad", true, &g.GiroMax, -1},
        {"Flecha por inercia |δ·I|_{máx} (servicio)", c.FlechaMax, x.FlechaMax, kM5, true,
         &g.FlechaMax, -1},
    };
    // With several strength combinations, the one that governs each extreme
    // the design takes.
    const bool combinaciones = reglas.CombinacionesResistencia().size() > 1;
    TablaMemoria t;
    t.encabezado = {"Magnitud", "Valor", "Unidad", "x (m)"};
    t.numerica = {false, true, false, true};
    if (env) {
        t.encabezado.push_back("Carga viva en");
        t.numerica.push_back(false);
    }
    if (combinaciones) {
        t.encabezado.push_back("Gobierna");
        t.numerica.push_back(false);
    }
    for (const Fila& f : filas) {
        std::vector<std::string> fila = {f.nombre, f.pequeno ? Cifras(f.valor) : F2(f.valor),
                                         f.unidad, F2(f.x)};
        if (env) fila.push_back(Disposicion(f.gobierna->vivas));
        if (combinaciones) {
            fila.push_back(
                f.combinacion >= 0 && f.valor != 0
                    ? "U = " + reglas.NombreCombinacion(static_cast<std::size_t>(f.combinacion))
                    : "—");
        }
        t.filas.push_back(std::move(fila));
    }
    r.Tabla(std::move(t));
    r.Nota(
        "Signo mostrado: cortante positivo cuando las fuerzas a la izquierda de la sección "
        "suman hacia arriba; momento positivo el que tracciona la fibra inferior. Cada valor es el "
        "de la estación, a su "
        "izquierda; x es la abscisa de la primera estación que lo alcanza." +
        std::string(combinaciones
                        ? " Gobierna: la combinación de resistencia de mayor valor absoluto en "
                          "la estación del extremo" +
                              std::string(env ? ", con la disposición de la carga viva que "
                                                "da el extremo."
                                              : ".")
                        : ""));
    if (const std::string aviso = AvisoAlternanciaInforme(p, c); !aviso.empty()) r.Nota(aviso);
    if (c.Envolvente.tramoNegativo) {
        const ZonasVivas& z = c.Envolvente.vivasTramoNegativo;
        const bool viva = z[0] || z[1] || z[2];
        r.Texto((viva ? "Con carga viva en " + Disposicion(z) : std::string("Sin carga viva")) +
                ", todo el tramo entre apoyos queda con momento negativo: el acero superior debe "
                "correr sobre todo el tramo.");
    }
}

void Decimos(const EstadoProyecto& e, const ResultadoCalculo& c, Redactor& r) {
    const bool env = ConEnvolvente(e, c);
    const EnvolventeViva& v = c.Envolvente;
    r.Apartado("Cortante y momento cada décimo de la longitud");
    TablaMemoria t;
    t.encabezado = {"Punto", "x (m)", "V (Tn)", std::string("M (") + kTnM + ")"};
    if (env) {
        for (const char* c : {"V_{máx} (Tn)", "V_{mín} (Tn)", "M_{máx} (Tn·m)", "M_{mín} (Tn·m)"}) {
            t.encabezado.push_back(c);
        }
    }
    t.numerica.assign(t.encabezado.size(), true);
    for (int i = 0; i <= 10; ++i) {
        const std::size_t k = Estacion(c, e.LuzViga * i / 10.0);
        std::vector<std::string> fila = {std::to_string(i) + "/10", F2(c.DiagX[k]),
                                         F2(c.DiagCortante[k]), F2(-c.DiagMomento[k])};
        if (env && k < v.CortanteMax.size() && k < v.MomentoMax.size()) {
            fila.push_back(F2(v.CortanteMax[k]));
            fila.push_back(F2(v.CortanteMin[k]));
            fila.push_back(F2(-v.MomentoMin[k]));
            fila.push_back(F2(-v.MomentoMax[k]));
        } else if (env) {
            fila.resize(t.encabezado.size(), "—");
        }
        t.filas.push_back(std::move(fila));
    }
    r.Tabla(std::move(t));
    r.Nota(
        "Valores factorizados de la estación del muestreo (cada centímetro) más próxima a "
        "cada décimo de la longitud, a la izquierda de la estación, en el signo mostrado." +
        std::string(env ? " Con todas las cargas vivas y, a la derecha, la envolvente de "
                          "las disposiciones."
                        : ""));
}

}  // namespace

void Analisis(const Proyecto& p, const ResultadoCalculo& c, const ReglasDiseno& reglas,
              Redactor& r) {
    const EstadoProyecto& e = p.estado;
    const PasoReacciones& q = c.Pasos.reacciones;
    r.Parte("Análisis");

    r.Apartado("Casos de carga");
    r.Texto("Análisis de la viga isostática por superposición. " +
            reglas.Texto(Regla::Combinaciones).texto +
            Referencia(reglas.Texto(Regla::Combinaciones)) +
            " Cortante, momento, giro y deflexión se muestrean cada centímetro (" +
            std::to_string(c.NumEstaciones) + " estaciones).");
    r.Paso("Peso propio (hormigón de 2.4 Tn/m^{3}; A en cm^{2})", "w = 0.00024 A",
           "0.00024 × " + F2(e.AreaSeccion), Cifras(q.PesoPropio) + " Tn/m");

    r.Apartado("Reacciones");
    TablaMemoria t;
    t.encabezado = {"Apoyo", "x (m)", "Factorizada (Tn)", "Servicio (Tn)"};
    t.numerica = {false, true, true, true};
    t.filas = {{"J", Dato(e.DistJ), F3(q.R1Factorizada), F3(q.R1Servicio)},
               {"K", Dato(e.DistK), F3(q.R2Factorizada), F3(q.R2Servicio)}};
    r.Tabla(std::move(t));
    r.Nota("Reacciones positivas hacia arriba, con el peso propio incluido.");
    if (q.envolvente) {
        r.Texto(
            "Reacciones factorizadas extremas con la carga viva de cada zona (vuelo izquierdo, "
            "tramo, vuelo derecho) presente o ausente; la columna siguiente a cada valor dice "
            "en qué zonas actúa la carga viva.");
        TablaMemoria x;
        x.encabezado = {"Apoyo", "Máxima (Tn)", "Carga viva en", "Mínima (Tn)", "Carga viva en"};
        x.numerica = {false, true, false, true, false};
        for (const auto& [nombre, a] : {std::pair{"J", &q.J}, std::pair{"K", &q.K}}) {
            x.filas.push_back({nombre, F3(a->max), Disposicion(a->vivasMax), F3(a->min),
                               Disposicion(a->vivasMin)});
        }
        r.Tabla(std::move(x));
    }

    Extremos(p, c, reglas, r);

    r.Apartado("Diagramas");
    r.Texto(
        "Dibujados a escala a partir de las estaciones del muestreo; la cuadrícula vertical "
        "va en metros. El momento positivo se dibuja bajo el eje (lado traccionado)." +
        std::string(ConEnvolvente(e, c)
                        ? " Las líneas de trazos son la envolvente de las disposiciones de "
                          "la carga viva."
                        : ""));
    for (FiguraDiagrama& f : Diagramas(p, c)) r.Figura(std::move(f));

    Decimos(e, c, r);
}

}  // namespace korvex::memoria
