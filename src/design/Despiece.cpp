// The bar schedule: the tension bars of each face with an accepted
// arrangement (design/CortesBarras), the compression bars and the hangers
// that complete the cage, the standard hooks, the lengths and the marks, the
// closed stirrups of the zones, and phi Mn of the bars present along the beam.
#include "design/Despiece.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "design/Armado.h"
#include "design/CortesBarras.h"
#include "design/DatosDiseno.h"
#include "design/TablaVarillas.h"

namespace korvex {

namespace {

constexpr double kCmAM = 0.01;              // cm -> m
constexpr double kKgcmATnm = 1.0 / 100000;  // Kgr.cm -> Tn.m
constexpr double kVueloMinimo = 0.005;      // m, shorter overhangs count as none
constexpr int kFilaPortaestribos = 3;       // 3/8", the smallest bar of the table

double Db(int fila) {
    return kDiametroVarilla[static_cast<std::size_t>(std::clamp(fila, 0, 3))];
}

// A length in m rounded up to the whole cm.
float CmArriba(double m) {
    // (a thousandth of a cm allowed for the Single ends it is measured from)
    return static_cast<float>(std::ceil(m / kCmAM - 1e-3) * kCmAM);
}

const ArmadoCara* CaraDe(const ResultadoDiseno& r, bool inferior) {
    for (const ArmadoCara& c : r.Armado) {
        if (c.inferior == inferior) return &c;
    }
    return nullptr;
}

bool NecesitaAcero(const ResultadoDiseno& r, bool inferior) {
    const PasoFlexion& x = inferior ? r.Pasos.flexionPos : r.Pasos.flexionNeg;
    const float As = inferior ? r.AsTraccionPos : r.AsTraccionNeg;
    return x.calculado && x.suficiente && As > 0;
}

const char* NombreCara(bool inferior) {
    return inferior ? "inferior" : "superior";
}

BarraDespiece DeExtremoAExtremo(const ContextoDespiece& k, bool inferior, FuncionBarra f,
                                const GrupoBarras& g) {
    BarraDespiece b = Barra(inferior, f, g);
    b.desde = b.corteDesde = static_cast<float>(k.recubrimiento);
    b.hasta = b.corteHasta = static_cast<float>(k.L - k.recubrimiento);
    return b;
}

// A tension bar that reaches an end of the beam takes a 90 degree hook
// there when it extends less than ld past the support at that end (a simple
// end support, a short cantilever).
void Ganchos(const ContextoDespiece& k, double ld, BarraDespiece& b) {
    if (b.funcion != FuncionBarra::Corrida && b.funcion != FuncionBarra::Corte) return;
    const double pata = k.corte.diametrosGancho * Db(b.diametro);  // cm
    const double izquierda = (k.J - k.recubrimiento) / kCmAM;      // cm past the support
    const double derecha = (k.L - k.K - k.recubrimiento) / kCmAM;
    if (b.reglaDesde == ReglaExtremo::ExtremoViga && izquierda < ld)
        b.ganchoDesde = static_cast<float>(pata);
    if (b.reglaHasta == ReglaExtremo::ExtremoViga && derecha < ld)
        b.ganchoHasta = static_cast<float>(pata);
}

// A cut bar that the rules of both its ends carry to the ends of the beam is
// not cut: it runs, and joins the running bars of its size, layer and hooks
// under one mark.
void Reunir(std::vector<BarraDespiece>& barras) {
    std::vector<BarraDespiece> r;
    for (BarraDespiece b : barras) {
        if (b.funcion == FuncionBarra::Corte && b.reglaDesde == ReglaExtremo::ExtremoViga &&
            b.reglaHasta == ReglaExtremo::ExtremoViga) {
            b.funcion = FuncionBarra::Corrida;
            b.corteDesde = b.desde;
            b.corteHasta = b.hasta;
        }
        const auto igual = std::find_if(r.begin(), r.end(), [&](const BarraDespiece& x) {
            return x.funcion == FuncionBarra::Corrida && b.funcion == FuncionBarra::Corrida &&
                   x.inferior == b.inferior && x.diametro == b.diametro && x.capa == b.capa &&
                   x.desde == b.desde && x.hasta == b.hasta && x.ganchoDesde == b.ganchoDesde &&
                   x.ganchoHasta == b.ganchoHasta;
        });
        if (igual != r.end()) {
            igual->cantidad += b.cantidad;
        } else {
            r.push_back(b);
        }
    }
    barras = std::move(r);
}

// The ends of a cut bar go outward to the whole cm, as the schedule gives them.
void RedondearExtremos(const ContextoDespiece& k, BarraDespiece& b) {
    if (b.reglaDesde != ReglaExtremo::ExtremoViga)
        b.desde = static_cast<float>(
            std::max(k.recubrimiento, std::floor(b.desde / kCmAM + 1e-6) * kCmAM));
    if (b.reglaHasta != ReglaExtremo::ExtremoViga)
        b.hasta = static_cast<float>(
            std::min(k.L - k.recubrimiento, std::ceil(b.hasta / kCmAM - 1e-6) * kCmAM));
}

// phi Mn (Tn.m) at every station of the tension bars of one face present
// there: a bar counts fully between its ends, and a bar that runs to an end
// of the beam counts to the end itself.
CapacidadCara CapacidadPresente(const ContextoDespiece& k, const SeccionCara& s,
                                const std::vector<BarraDespiece>& barras) {
    CapacidadCara cap;
    cap.inferior = s.armado->inferior;
    const ResultadoAnalisis& a = *k.a;
    const int n = std::min(a.NumEstaciones, static_cast<int>(a.DiagX.size()) - 1);
    cap.phiMn.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0.0f);
    std::map<std::vector<bool>, float> hechas;  // by the set of bars present
    for (int i = 1; i <= n; ++i) {
        const double x = a.DiagX[static_cast<std::size_t>(i)];
        std::vector<bool> clave;
        std::vector<GrupoBarras> g;
        for (const BarraDespiece& b : barras) {
            const bool desde = b.reglaDesde == ReglaExtremo::ExtremoViga || x >= b.desde - 1e-6;
            const bool hasta = b.reglaHasta == ReglaExtremo::ExtremoViga || x <= b.hasta + 1e-6;
            clave.push_back(desde && hasta);
            if (desde && hasta) g.push_back({b.cantidad, b.diametro, b.capa});
        }
        auto it = hechas.find(clave);
        if (it == hechas.end()) {
            const double phiMn = PhiMnBarras(s, g, *k.reglas) * kKgcmATnm;
            it = hechas.emplace(clave, diseno::ASimple(phiMn)).first;
        }
        cap.phiMn[static_cast<std::size_t>(i)] = it->second;
    }
    return cap;
}

// The closed stirrups of the zones: outside dimensions of the web less the
// clear cover, two 135 degree hooks of 6 db (at least 7.5 cm), developed
// along the centreline.
void Estribos(const ContextoDespiece& k, const ResultadoDiseno& r, double ancho, double h,
              double recubrimiento, DespieceViga& d) {
    int cantidad = 0;
    for (const ZonaEstribos& z : r.ZonasEstribos) cantidad += z.cantidad;
    if (cantidad <= 0) return;
    EstriboDespiece e;
    e.diametro = r.Pasos.cortante.diametro == "1/2" ? 2 : 3;
    const double db = Db(e.diametro);
    const double b = ancho - 2 * recubrimiento, alto = h - 2 * recubrimiento;  // cm
    if (!(b > 2 * db) || !(alto > 2 * db)) {
        d.avisos.push_back("Los estribos no caben en la sección con el recubrimiento libre dado.");
        return;
    }
    e.cantidad = cantidad;
    e.ancho = static_cast<float>(b);
    e.alto = static_cast<float>(alto);
    e.gancho = static_cast<float>(
        std::max(k.corte.diametrosGanchoEstribo * db, k.corte.ganchoEstriboMinimo));
    e.longitud = CmArriba((2 * (b - db) + 2 * (alto - db) + 2 * e.gancho) * kCmAM);
    d.estribos.push_back(e);
}

}  // namespace

DespieceViga CalcularDespiece(const ResultadoDiseno& r, const ResultadoAnalisis& a,
                              const DatosViga& datos, const Seccion& s,
                              const PropiedadesSeccion& propiedades, const ReglasDiseno& reglas) {
    DespieceViga d;
    const diseno::TipoSeccion tipo = diseno::TipoDe(s);
    if (r.DisenoFallido || tipo == diseno::TipoSeccion::Desconocida || a.NumEstaciones < 1 ||
        !(datos.longitud > 0) || datos.apoyos.size() != 2)
        return d;
    for (const bool inferior : {true, false}) {
        const ArmadoCara* c = CaraDe(r, inferior);
        if (NecesitaAcero(r, inferior) && (!c || c->estado != EstadoArmado::Aceptado)) {
            d.avisos.push_back(std::string("Sin despiece: la cara ") + NombreCara(inferior) +
                               " no tiene un armado aceptado.");
            return d;
        }
    }

    ContextoDespiece k;
    k.r = &r;
    k.a = &a;
    k.reglas = &reglas;
    k.corte = reglas.CorteBarras();
    k.L = datos.longitud;
    k.J = datos.ApoyoIzquierdo();
    k.K = datos.ApoyoDerecho();
    k.vueloIzquierdo = k.J > kVueloMinimo;
    k.vueloDerecho = k.L - k.K > kVueloMinimo;
    const double recubrimiento = datos.opciones.recubrimientoLibre;  // cm
    k.recubrimiento = recubrimiento * kCmAM;
    const double h = tipo == diseno::TipoSeccion::Rect ? s.H : static_cast<double>(s.Hw) + s.Hf;
    const double ancho = tipo == diseno::TipoSeccion::Rect ? propiedades.anchoRectangulo : s.Bw;
    const double fc = diseno::Fc(datos), fy = diseno::Fy(datos);

    for (const bool inferior : {true, false}) {
        const ArmadoCara* c = CaraDe(r, inferior);
        const bool traccion = c && c->estado == EstadoArmado::Aceptado;
        std::vector<BarraDespiece> barras;
        double areaCorrida = 0;  // cm2
        if (traccion) {
            const SeccionCara sc{c, inferior ? &r.Pasos.flexionPos : &r.Pasos.flexionNeg, h, fc,
                                 fy};
            barras = BarrasTraccion(k, sc, DemandaCara(a, inferior));
            const int fila = c->barras.empty() ? 0 : c->barras.front().diametro;
            DesarrolloCara des;
            des.inferior = inferior;
            des.diametro = fila;
            des.ld = reglas.LongitudDesarrollo(fc, fy, static_cast<float>(Db(fila)), !inferior);
            des.extension = static_cast<float>(ExtensionCorte(k, c->dReal, fila));
            des.extensionInflexion = static_cast<float>(ExtensionInflexion(k, c->dReal, fila));
            d.desarrollo.push_back(des);
            for (BarraDespiece& b : barras) {
                RedondearExtremos(k, b);
                Ganchos(
                    k,
                    reglas.LongitudDesarrollo(fc, fy, static_cast<float>(Db(b.diametro)), !inferior)
                        .ld,
                    b);
            }
            Reunir(barras);
            for (const BarraDespiece& b : barras) {
                if (b.funcion == FuncionBarra::Corrida)
                    areaCorrida += b.cantidad * kAreaVarilla[static_cast<std::size_t>(b.diametro)];
            }
            d.capacidad.push_back(CapacidadPresente(k, sc, barras));
        }
        // The compression bars the opposite face's design counts on this face,
        // unless this face's running bars already give their area.
        const ArmadoCara* opuesta = CaraDe(r, !inferior);
        bool conBarras = traccion;
        if (opuesta && opuesta->estado == EstadoArmado::Aceptado && !opuesta->compresion.empty() &&
            areaCorrida + 1e-9 < opuesta->AscProvisto) {
            for (const GrupoBarras& g : opuesta->compresion)
                barras.push_back(DeExtremoAExtremo(k, inferior, FuncionBarra::Compresion, g));
            conBarras = true;
        }
        if (!conBarras) {
            barras.push_back(DeExtremoAExtremo(k, inferior, FuncionBarra::Portaestribos,
                                               {2, kFilaPortaestribos, 1}));
        }
        d.barras.insert(d.barras.end(), barras.begin(), barras.end());
    }

    int marca = 0;
    for (BarraDespiece& b : d.barras) {
        b.marca = ++marca;
        b.longitud = CmArriba(static_cast<double>(b.hasta) - b.desde +
                              (static_cast<double>(b.ganchoDesde) + b.ganchoHasta) * kCmAM);
    }
    Estribos(k, r, ancho, h, recubrimiento, d);
    for (EstriboDespiece& e : d.estribos) e.marca = ++marca;
    return d;
}

}  // namespace korvex
