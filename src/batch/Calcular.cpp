// korvex --calcular: the project file through the same opening and
// calculation as the windows, reported as JSON or as a readable summary.
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "batch/JsonArmado.h"
#include "batch/JsonPasos.h"
#include "batch/Lote.h"
#include "batch/Texto.h"
#include "design/Deflexion.h"
#include "design/DisenarViga.h"
#include "design/Reglas.h"
#include "project/Calculo.h"
#include "project/ConsultaPunto.h"
#include "text/Numeros.h"

namespace korvex::lote {

namespace {

using Json = nlohmann::ordered_json;

// The eight extremes, by name, with their value and abscissa.
struct Extremo {
    const char* nombre;
    const char* descripcion;  // for the summary
    const char* unidad;
    float ResultadoAnalisis::*valor;
    float PosicionExtremos::*posicion;
    ExtremoEnvolvente ExtremosEnvolvente::*envolvente;
};

constexpr Extremo kExtremos[] = {
    {"CortanteMaxAbs", "Cortante máximo absoluto", "Tn", &ResultadoAnalisis::CortanteMaxAbs,
     &PosicionExtremos::CortanteMaxAbs, &ExtremosEnvolvente::CortanteMaxAbs},
    {"CortanteMax", "Cortante máximo", "Tn", &ResultadoAnalisis::CortanteMax,
     &PosicionExtremos::CortanteMax, &ExtremosEnvolvente::CortanteMax},
    {"CortanteMin", "Cortante mínimo", "Tn", &ResultadoAnalisis::CortanteMin,
     &PosicionExtremos::CortanteMin, &ExtremosEnvolvente::CortanteMin},
    {"MomentoPosMax", "Momento positivo máximo", "Tn.m", &ResultadoAnalisis::MomentoPosMax,
     &PosicionExtremos::MomentoPosMax, &ExtremosEnvolvente::MomentoPosMax},
    {"MomentoNegMax", "Momento negativo máximo", "Tn.m", &ResultadoAnalisis::MomentoNegMax,
     &PosicionExtremos::MomentoNegMax, &ExtremosEnvolvente::MomentoNegMax},
    {"MomentoMaxAbs", "Momento máximo absoluto", "Tn.m", &ResultadoAnalisis::MomentoMaxAbs,
     &PosicionExtremos::MomentoMaxAbs, &ExtremosEnvolvente::MomentoMaxAbs},
    {"GiroMax", "Giro máximo absoluto", "rad", &ResultadoAnalisis::GiroMax,
     &PosicionExtremos::GiroMax, &ExtremosEnvolvente::GiroMax},
    {"FlechaMax", "Flecha x inercia máxima", "m5", &ResultadoAnalisis::FlechaMax,
     &PosicionExtremos::FlechaMax, &ExtremosEnvolvente::FlechaMax},
};

constexpr const char* kFilasVarillas[] = {"1\"", "3/4\"", "1/2\"", "3/8\""};
constexpr const char* kColumnasVarillas[] = {"M(+) Tracción", "M(-) Tracción", "M(+) Compresión",
                                             "M(-) Compresión"};

// One point of --punto, in the analysis sign as the state holds it.
struct Punto {
    float X, CortanteIzq, CortanteDer, MomentoIzq, MomentoDer, MomentoServicio, Giro, Flecha;
};

struct Resultado {
    Proyecto p;
    ResultadoApertura apertura;
    InterfazRegistro ui;
    std::vector<Punto> puntos;

    explicit Resultado(const std::string& estribo) : ui(estribo) {}
};

Json JsonMensajes(const std::vector<Mensaje>& mensajes) {
    Json a = Json::array();
    for (const Mensaje& m : mensajes) {
        a.push_back({{"titulo", m.titulo}, {"texto", m.texto}, {"estilo", m.estilo}});
    }
    return a;
}

Json JsonSerie(const std::vector<float>& v, int n) {
    Json a = Json::array();
    for (int k = 1; k <= n && k < static_cast<int>(v.size()); ++k) {
        a.push_back(NumeroJson(v[static_cast<std::size_t>(k)]));
    }
    return a;
}

std::string ComoJson(const Resultado& r, const OpcionesCalcular& o) {
    const EstadoProyecto& e = r.p.estado;
    const ResultadoCalculo& c = r.apertura.calculo;
    const Seccion& s = r.p.seccion;
    Json j;
    j["calculado"] = c.calculado;
    j["mensajes"] = JsonMensajes(r.ui.mensajes);
    j["LuzViga"] = NumeroJson(e.LuzViga);
    j["DistJ"] = NumeroJson(e.DistJ);
    j["DistK"] = NumeroJson(e.DistK);
    j["NumCargas"] = e.NumCargas;
    j["TipoViga"] = s.TipoViga;
    j["AreaSeccion"] = NumeroJson(e.AreaSeccion);
    j["InerciaSeccion"] = NumeroJson(e.InerciaSeccion);
    j["Ycg"] = NumeroJson(s.Ycg);
    j["ModuloElasticidad"] = NumeroJson(e.ModuloElasticidad);
    j["Recubrimiento"] = NumeroJson(c.Recubrimiento);
    // The state's d: that of the calculation, or the file's when none ran.
    j["PeralteEfectivo"] = NumeroJson(e.PeralteEfectivo);
    j["NumEstaciones"] = c.NumEstaciones;
    Json posiciones;
    for (const Extremo& x : kExtremos) {
        j[x.nombre] = NumeroJson(c.*x.valor);
        posiciones[x.nombre] = NumeroJson(c.Posiciones.*x.posicion);
    }
    j["PosicionExtremos"] = posiciones;
    j["AsTraccionPos"] = NumeroJson(c.AsTraccionPos);
    j["AsCompresionPos"] = NumeroJson(c.AsCompresionPos);
    j["AsTraccionNeg"] = NumeroJson(c.AsTraccionNeg);
    j["AsCompresionNeg"] = NumeroJson(c.AsCompresionNeg);
    j["FalloDiseno"] = NumeroJson(c.disenoFallido ? 1.0f : 0.0f);
    j["txtEstribos"] = c.txtEstribos;
    j["EspaciamientoEstribos"] = NumeroJson(c.EspaciamientoEstribos);
    // The stirrup zones, left to right (none without stirrups or calculation).
    Json estribos = Json::array();
    for (const ZonaEstribos& z : c.ZonasEstribos) {
        estribos.push_back({{"desde", NumeroJson(z.desde)},
                            {"hasta", NumeroJson(z.hasta)},
                            {"cantidad", z.cantidad},
                            {"separacion", z.separacion}});
    }
    j["estribos"] = estribos;
    Json varillas = Json::array();
    for (const auto& fila : c.Varillas) varillas.push_back(Json(fila));
    j["varillas"] = varillas;
    j["InerciaEfectivaPos"] = NumeroJson(c.InerciaEfectivaPos);
    j["InerciaEfectivaNeg"] = NumeroJson(c.InerciaEfectivaNeg);
    j["FlechaEfectiva"] = NumeroJson(c.FlechaEfectiva);
    j["FlechaLargoPlazo"] =
        NumeroJson(FlechaLargoPlazo(ReglasDe(c), c, r.p.materiales.UsoDeflexion));
    j["alternancia"] = e.AlternanciaViva;
    j["norma"] = e.Norma;
    if (c.calculado && c.Envolvente.calculada) {
        Json envolvente;
        for (const Extremo& x : kExtremos) {
            const ExtremoEnvolvente& v = c.Envolvente.Extremos.*x.envolvente;
            envolvente[x.nombre] = {
                {"valor", NumeroJson(v.valor)}, {"x", NumeroJson(v.x)}, {"vivas", Json(v.vivas)}};
        }
        j["envolvente"] = envolvente;
    }
    if (!c.AvisoAlternancia.empty()) j["avisoAlternancia"] = c.AvisoAlternancia;
    if (c.calculado) {
        j["reacciones"] = JsonReacciones(c.Pasos.reacciones);
        Json deflexiones = Json::array();
        for (const PasoZonaDeflexion& z : c.Pasos.deflexion.zonas) {
            deflexiones.push_back(JsonZonaDeflexion(z));
        }
        j["deflexiones"] = deflexiones;
        j["pasos"] = JsonPasos(c.Pasos);
    }
    if (c.calculado && !c.disenoFallido) j["armado"] = JsonArmado(c.Armado);
    // The bar schedule (empty lists when there is none).
    j["despiece"] = JsonDespiece(c.Despiece);
    j["despieceEstribos"] = JsonDespieceEstribos(c.Despiece);
    if (!c.Despiece.avisos.empty()) j["avisosDespiece"] = c.Despiece.avisos;
    // The governing zone's limit (the beam's length when the check did not run).
    j["DeflexionAdmisible"] = NumeroJson(
        DeflexionAdmisibleGobernante(ReglasDe(c), c, e.LuzViga, r.p.materiales.UsoDeflexion));
    Json puntos = Json::array();
    for (const Punto& x : r.puntos) {
        puntos.push_back({{"X", NumeroJson(x.X)},
                          {"CortanteIzq", NumeroJson(x.CortanteIzq)},
                          {"CortanteDer", NumeroJson(x.CortanteDer)},
                          {"MomentoIzq", NumeroJson(x.MomentoIzq)},
                          {"MomentoDer", NumeroJson(x.MomentoDer)},
                          {"MomentoServicio", NumeroJson(x.MomentoServicio)},
                          {"Giro", NumeroJson(x.Giro)},
                          {"Flecha", NumeroJson(x.Flecha)}});
    }
    j["puntos"] = puntos;
    if (o.diagramas) {
        const int n = c.NumEstaciones;
        j["diagramas"] = {{"X", JsonSerie(c.DiagX, n)},
                          {"DiagCortante", JsonSerie(c.DiagCortante, n)},
                          {"DiagMomento", JsonSerie(c.DiagMomento, n)},
                          {"DiagGiro", JsonSerie(c.DiagGiro, n)},
                          {"DiagFlecha", JsonSerie(c.DiagFlecha, n)},
                          {"DiagMomentoServicio", JsonSerie(c.DiagMomentoServicio, n)}};
        if (c.Envolvente.calculada) {
            const EnvolventeViva& v = c.Envolvente;
            Json& d = j["diagramas"];
            d["EnvolventeCortanteMax"] = JsonSerie(v.CortanteMax, n);
            d["EnvolventeCortanteMin"] = JsonSerie(v.CortanteMin, n);
            d["EnvolventeMomentoMax"] = JsonSerie(v.MomentoMax, n);
            d["EnvolventeMomentoMin"] = JsonSerie(v.MomentoMin, n);
            d["EnvolventeMomentoServicioMax"] = JsonSerie(v.ServicioMax, n);
            d["EnvolventeMomentoServicioMin"] = JsonSerie(v.ServicioMin, n);
            d["EnvolventeGiroMax"] = JsonSerie(v.GiroMax, n);
            d["EnvolventeGiroMin"] = JsonSerie(v.GiroMin, n);
            d["EnvolventeFlechaMax"] = JsonSerie(v.FlechaMax, n);
            d["EnvolventeFlechaMin"] = JsonSerie(v.FlechaMin, n);
        }
    }
    std::string t = j.dump(2, ' ', false, Json::error_handler_t::replace);
    t += '\n';
    return t;
}

std::string F2(double v) {
    return texto::Formato(v, "###,##0.00");
}
std::string G(double v) {
    return texto::FormatoGeneral(v);
}

std::string NombreSeccion(const std::string& tipo) {
    const std::string nombre = NombreTipoViga(tipo);
    return nombre.empty() ? "sin definir" : nombre;
}

std::string ComoResumen(const Resultado& r, const OpcionesCalcular& o) {
    const EstadoProyecto& e = r.p.estado;
    const Seccion& s = r.p.seccion;
    const Materiales& m = r.p.materiales;
    const ResultadoCalculo& c = r.apertura.calculo;
    std::string t;
    t += "Proyecto: " + o.archivo + "\n";
    t += "Viga: L = " + G(e.LuzViga) + " m, apoyos en j = " + G(e.DistJ) +
         " m y k = " + G(e.DistK) + " m, " + std::to_string(e.NumCargas) +
         (e.NumCargas == 1 ? " carga\n" : " cargas\n");
    t += "Sección: " + NombreSeccion(s.TipoViga) + ", área " + G(e.AreaSeccion) + " cm2, inercia " +
         G(e.InerciaSeccion) + " m4, Ycg " + G(s.Ycg) + " cm\n";
    t += "Materiales: f'c = " + m.txtFc + " Kgr/cm2, fy = " + m.cboFy + " Kgr/cm2, recubrimiento " +
         m.txtRec + " cm\n";
    if (e.Norma != kReglasClasicas) {
        t += "Norma: " + std::string(ReglasPorClave(e.Norma).Nombre()) + ", carga viva sostenida " +
             G(e.VivaSostenida) + " %\n";
    }

    if (!c.calculado) {
        t += c.rechazado ? "\nNo se realizó el cálculo: los datos fueron rechazados (vea los "
                           "mensajes).\n"
                         : "\nNo se realizó el cálculo: el proyecto no tiene cargas o f'c está "
                           "vacío.\n";
    } else {
        t += "Peralte efectivo d = " + G(e.PeralteEfectivo) +
             " cm, Ec = " + G(e.ModuloElasticidad) + " Tn/m2, " + std::to_string(c.NumEstaciones) +
             " estaciones\n";

        t += "\n" + Columna("Extremos (signo mostrado)", 36) + Columna("valor", 16, true) +
             Columna("x (m)", 10, true) + "\n";
        for (const Extremo& x : kExtremos) {
            const float v = c.*x.valor;
            const bool pequeno =
                x.valor == &ResultadoAnalisis::GiroMax || x.valor == &ResultadoAnalisis::FlechaMax;
            t += Columna(std::string("  ") + x.descripcion + " (" + x.unidad + ")", 36) +
                 Columna(pequeno ? G(v) : F2(v), 16, true) +
                 Columna(F2(c.Posiciones.*x.posicion), 10, true) + "\n";
        }

        if (e.AlternanciaViva) {
            t += "  (carga viva alternada: extremos de la envolvente de " +
                 std::to_string(c.Envolvente.arreglos) + " disposiciones)\n";
        }
        if (!c.AvisoAlternancia.empty()) t += "  " + c.AvisoAlternancia + "\n";

        t += "\n" + Columna("Acero (cm2)", 16) + Columna("Sección M(+)", 16, true) +
             Columna("Sección M(-)", 16, true) + "\n";
        t += Columna("  Tracción", 16) + Columna(F2(c.AsTraccionPos), 16, true) +
             Columna(F2(c.AsTraccionNeg), 16, true) + "\n";
        t += Columna("  Compresión", 16) + Columna(F2(c.AsCompresionPos), 16, true) +
             Columna(F2(c.AsCompresionNeg), 16, true) + "\n";
        if (c.disenoFallido) t += "  El diseño falló: vea los mensajes.\n";

        t += "\nEstribos: " +
             (c.txtEstribos.empty()
                  ? std::string("no se requieren")
                  : c.txtEstribos + " (espaciamiento " + G(c.EspaciamientoEstribos) + " cm)") +
             "\n";

        t += "\n" + Columna("Varillas", 10);
        for (const char* col : kColumnasVarillas) t += Columna(col, 17, true);
        t += "\n";
        for (int f = 0; f < 4; ++f) {
            t += Columna(std::string("  ") + kFilasVarillas[f], 10);
            for (int k = 0; k < 4; ++k) {
                t += Columna(
                    std::to_string(
                        c.Varillas[static_cast<std::size_t>(f)][static_cast<std::size_t>(k)]),
                    17, true);
            }
            t += "\n";
        }

        const int uso = m.UsoDeflexion;
        t += "\nDeflexión: Ie(+) = " + G(c.InerciaEfectivaPos) +
             " m4, Ie(-) = " + G(c.InerciaEfectivaNeg) +
             " m4, flecha efectiva = " + G(c.FlechaEfectiva) + " m\n";
        if (uso == 3 || uso == 4) {
            t += "           a largo plazo (lambda = " + G(c.LambdaDeflexion) +
                 ") = " + G(FlechaLargoPlazo(ReglasDe(c), c, uso)) + " m\n";
        }
        if (uso >= 1 && uso <= 4) {
            t += "           admisible para el uso " + std::to_string(uso) + " (" +
                 ReglasDe(c).TextoLimiteUso(uso) +
                 ") = " + G(DeflexionAdmisibleGobernante(ReglasDe(c), c, e.LuzViga, uso)) + " m\n";
        }
        const std::vector<PasoZonaDeflexion>& zonas = c.Pasos.deflexion.zonas;
        if (zonas.size() > 1) {
            for (const PasoZonaDeflexion& z : zonas) {
                t += "           " + Columna(NombreZona(z.zona), 20) +
                     "L ref. = " + G(z.luzReferencia) + " m, flecha " + G(z.FlechaComparada) + " m";
                if (uso >= 1 && uso <= 4) {
                    t += ", admisible " + G(z.limite) + " m" + (z.excede ? " (excede)" : "");
                }
                t += "\n";
            }
        }
    }

    if (!r.puntos.empty()) {
        t += "\nPuntos (signo mostrado)          V izq (Tn)  V der (Tn)  M izq (Tn.m)  M der "
             "(Tn.m)\n";
        for (const Punto& x : r.puntos) {
            t += Columna("  X = " + G(x.X) + " m", 32) + Columna(F2(-x.CortanteIzq), 12, true) +
                 Columna(F2(-x.CortanteDer), 12, true) + Columna(F2(-x.MomentoIzq), 14, true) +
                 Columna(F2(-x.MomentoDer), 14, true) + "\n";
        }
    }

    t += "\nMensajes:\n";
    if (r.ui.mensajes.empty()) t += "  (ninguno)\n";
    for (const Mensaje& x : r.ui.mensajes) t += "  [" + x.titulo + "] " + x.texto + "\n";
    return t;
}

// The file read and calculated, then each point queried after the
// calculation with its modulus and inertia; false when the file was refused.
bool Ejecutar(const OpcionesCalcular& o, Resultado& r) {
    r.p.materiales.UsoDeflexion = o.uso;
    r.apertura = AbrirProyecto(o.archivo, r.p, r.ui, {}, o.alternancia, o.norma);
    if (!r.apertura.leido) return false;
    for (const std::string& x : o.puntos) {
        const ConsultaPunto q = ConsultarPunto(r.p.estado, x, r.ui);
        if (q.resultado != ConsultaPunto::Resultado::Calculada) continue;
        const EstadoProyecto& e = r.p.estado;
        r.puntos.push_back({e.XAnalisis, e.CortanteIzq, e.CortanteDer, e.MomentoIzq, e.MomentoDer,
                            e.MomentoServicio, e.Giro, e.Flecha});
    }
    return true;
}

// The messages of a refused file, one a line, each after `prefijo`.
std::string Errores(const std::vector<Mensaje>& mensajes, const std::string& prefijo) {
    std::string t;
    for (const Mensaje& m : mensajes) t += prefijo + m.titulo + ": " + m.texto + "\n";
    return t;
}

}  // namespace

Salida Calcular(const OpcionesCalcular& o) {
    Salida s;
    Resultado r(o.estribo);
    if (!Ejecutar(o, r)) {
        s.estado = kSalidaRechazado;
        s.error = Errores(r.ui.mensajes, "");
        return s;
    }
    s.salida = o.json ? ComoJson(r, o) : ComoResumen(r, o);
    return s;
}

Salida CalcularParte(const OpcionesCalcular& o) {
    Salida s;
    Resultado r(o.estribo);
    if (!Ejecutar(o, r)) {
        s.estado = kSalidaRechazado;
        s.error = Errores(r.ui.mensajes, o.archivo + ": ");
        if (o.json) {
            Json j;
            j["calculado"] = false;
            j["leido"] = false;
            j["mensajes"] = JsonMensajes(r.ui.mensajes);
            s.salida = j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
        } else {
            s.salida = "==> " + o.archivo + " <==\nNo se leyó el proyecto.\n";
            for (const Mensaje& x : r.ui.mensajes) {
                s.salida += "  [" + x.titulo + "] " + x.texto + "\n";
            }
        }
        return s;
    }
    if (o.json) {
        s.salida = CompactarJson(ComoJson(r, o));
        s.salida += '\n';
    } else {
        s.salida = "==> " + o.archivo + " <==\n" + ComoResumen(r, o);
    }
    return s;
}

}  // namespace korvex::lote
