// The bars of each face: the candidates of the bar table from the least
// steel up, each placed in layers, its real depth, the face designed again
// with that depth, phi Mn of the bars and the crack control of their spacing;
// the first candidate that passes is the arrangement.
#include "design/Armado.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "design/DatosDiseno.h"
#include "design/DisenoFlexion.h"
#include "design/TablaVarillas.h"

namespace korvex {

using namespace diseno;

namespace {

constexpr int kMaxBarrasUsuario = 100;

// What every arrangement of one face shares.
struct Cara {
    bool inferior = true;
    float Mu = 0;                           // Kgr.cm
    float dSupuesto = 0;                    // cm
    float AsSupuesto = 0, AscSupuesto = 0;  // cm2, the design's steel at dSupuesto
    const PasoFlexion* paso = nullptr;      // the design of this sign
    double h = 0;                           // cm, total height
    double ancho = 0;                       // cm, width the bars sit in
    double libreLateral = 0;                // cm, clear cover + stirrup
};

double Estribo(const ResultadoDiseno& r, const DatosViga& datos) {
    const std::string& t = r.Pasos.cortante.diametro;
    if (t == "1/2") return kDiametroVarilla[2];
    if (t.empty() && datos.opciones.estribo == DiametroEstribo::MedioPulgada)
        return kDiametroVarilla[2];
    return kDiametroVarilla[3];
}

double AnchoLibre(const Cara& f) {
    return f.ancho - 2 * f.libreLateral;
}

// Compression bars for A's on the opposite face: the least steel of one
// diameter, 2 bars at least, that fits.
std::vector<GrupoBarras> BarrasCompresion(float Asc, const Cara& f) {
    std::vector<GrupoBarras> mejor;
    double areaMejor = 0;
    for (int fila = 0; fila < 4; ++fila) {
        const int n = std::max(
            2,
            static_cast<int>(std::ceil(Asc / kAreaVarilla[static_cast<std::size_t>(fila)] - 1e-9)));
        std::vector<GrupoBarras> g =
            Colocar(std::vector<int>(static_cast<std::size_t>(n), fila), AnchoLibre(f));
        const double area = n * kAreaVarilla[static_cast<std::size_t>(fila)];
        if (!g.empty() && (mejor.empty() || area < areaMejor)) {
            mejor = std::move(g);
            areaMejor = area;
        }
    }
    return mejor;
}

// Checks the placed bars `g` of face `f`; fills every quantity of `a`.
void Evaluar(const std::vector<GrupoBarras>& g, const Cara& f, const Seccion& s,
             const PropiedadesSeccion& propiedades, const ReglasDiseno& reglas, double fc,
             double fy, ArmadoCara& a) {
    a.barras = g;
    const CentroideBarras c = Centroide(g, f.libreLateral);
    a.AsProvisto = static_cast<float>(c.area);
    a.dReal = ASimple(f.h - c.centroide);
    a.dt = ASimple(f.h - c.extremo);

    // Layer 1 spread over the clear width: its clear and centre spacing.
    int n1 = 0;
    double suma1 = 0, menor1 = 1e9, mayor1 = 0;
    for (const GrupoBarras& x : g) {
        if (x.capa != 1) continue;
        const double db = kDiametroVarilla[static_cast<std::size_t>(x.diametro)];
        n1 += x.cantidad;
        suma1 += x.cantidad * db;
        menor1 = std::min(menor1, db);
        mayor1 = std::max(mayor1, db);
    }
    a.separacionMinima = static_cast<float>(SeparacionLibreMinima(mayor1));
    if (n1 > 1) {
        a.separacionLibre = ASimple((AnchoLibre(f) - suma1) / (n1 - 1));
        a.separacion = ASimple((AnchoLibre(f) - menor1) / (n1 - 1));
    }
    a.fisuracion = reglas.Fisuracion(fy, static_cast<float>(f.libreLateral));
    a.fisuracionCumple = a.separacion <= a.fisuracion.sMax;

    // The face designed again when the bars sit higher than assumed.
    bool suficiente = true;
    a.AsReal = f.AsSupuesto;
    a.AscRequerido = f.AscSupuesto;
    if (a.dReal < f.dSupuesto) {
        PasoFlexion x;
        const DatosFlexion p{fc, fy, a.dReal, f.paso->dp};
        const ResultadoFlexion rf =
            DisenoFlexionSigno(f.inferior, f.Mu, p, s, propiedades, reglas, x);
        suficiente = rf.suficiente;
        a.AsReal = rf.As;
        a.AscRequerido = rf.Asc;
    }

    a.compresion.clear();
    a.AscProvisto = 0;
    a.dpReal = 0;
    if (suficiente && a.AscRequerido > 0) {
        a.compresion = BarrasCompresion(a.AscRequerido, f);
        const CentroideBarras cc = Centroide(a.compresion, f.libreLateral);
        a.AscProvisto = static_cast<float>(cc.area);
        a.dpReal = static_cast<float>(cc.centroide);
        if (a.compresion.empty()) suficiente = false;
    }

    const PasoFlexion& x = *f.paso;
    SeccionCapacidad sc;
    sc.b = x.b;
    sc.conAla = x.conAla && x.bw > 0;
    sc.hf = x.hf;
    sc.bw = x.bw;
    sc.As = a.AsProvisto;
    sc.d = a.dReal;
    sc.dt = a.dt;
    sc.Asc = a.AscProvisto;
    sc.dp = a.dpReal;
    const Capacidad cap = CapacidadFlexion(reglas, fc, fy, sc);
    a.phiMn = cap.phiMn;
    a.phi = static_cast<float>(cap.phi);
    a.epsT = ASimple(cap.epsT);
    a.cumple = suficiente && a.AsProvisto >= a.AsReal && a.phiMn >= a.Mu;
}

// Candidate bar sets of the table, from the least steel up: one diameter, or
// two adjacent ones with the larger at the corners, up to two full layers.
std::vector<std::vector<int>> Candidatos(const Cara& f) {
    std::vector<std::tuple<double, std::size_t, bool, std::vector<int>>> lista;
    const double libre = AnchoLibre(f);
    for (int mayor = 0; mayor < 4; ++mayor) {
        const double db = kDiametroVarilla[static_cast<std::size_t>(mayor)];
        const double s = SeparacionLibreMinima(db);
        const int porCapa = static_cast<int>(std::floor((libre + s) / (db + s)));
        if (porCapa < 2) continue;
        for (int n1 = 2; n1 <= 2 * porCapa; ++n1) {
            const int menor = mayor + 1;
            for (int n2 = 0; n2 <= (menor < 4 ? 2 * porCapa - n1 : 0); ++n2) {
                std::vector<int> b(static_cast<std::size_t>(n1), mayor);
                b.insert(b.end(), static_cast<std::size_t>(n2), menor);
                const double area = n1 * kAreaVarilla[static_cast<std::size_t>(mayor)] +
                                    (n2 ? n2 * kAreaVarilla[static_cast<std::size_t>(menor)] : 0);
                if (area < f.AsSupuesto) continue;  // below the design's own steel
                lista.emplace_back(area, b.size(), n2 > 0, std::move(b));
            }
        }
    }
    std::sort(lista.begin(), lista.end(), [](const auto& x, const auto& y) {
        return std::tie(std::get<0>(x), std::get<1>(x), std::get<2>(x)) <
               std::tie(std::get<0>(y), std::get<1>(y), std::get<2>(y));
    });
    std::vector<std::vector<int>> r;
    r.reserve(lista.size());
    for (auto& c : lista) r.push_back(std::move(std::get<3>(c)));
    return r;
}

ArmadoCara Elegir(const Cara& f, const Seccion& s, const PropiedadesSeccion& propiedades,
                  const ReglasDiseno& reglas, double fc, double fy, ArmadoCara base) {
    for (const std::vector<int>& b : Candidatos(f)) {
        const std::vector<GrupoBarras> g = Colocar(b, AnchoLibre(f));
        if (g.empty()) continue;
        ArmadoCara a = base;
        Evaluar(g, f, s, propiedades, reglas, fc, fy, a);
        if (a.cumple && a.fisuracionCumple) {
            a.estado = EstadoArmado::Aceptado;
            return a;
        }
    }
    base.estado = EstadoArmado::SinArreglo;
    base.aviso = "Ninguna combinación de varillas de la tabla cabe en el ancho de " +
                 std::string(base.inferior ? "la cara inferior" : "la cara superior") +
                 " en una o dos capas con φMn ≥ Mu. Aumente la sección o revise el armado.";
    return base;
}

ArmadoCara DelUsuario(const BarrasUsuario& u, const Cara& f, const Seccion& s,
                      const PropiedadesSeccion& propiedades, const ReglasDiseno& reglas, double fc,
                      double fy, ArmadoCara a) {
    a.usuario = true;
    const char* cara = a.inferior ? "inferior" : "superior";
    if (u.diametro < 0 || u.diametro > 3 || u.cantidad < 2 || u.cantidad > kMaxBarrasUsuario) {
        a.estado = EstadoArmado::Invalido;
        a.aviso = std::string("Las varillas de la cara ") + cara +
                  " deben ser de 2 a 100 barras de un diámetro de la tabla.";
        return a;
    }
    const std::vector<GrupoBarras> g =
        Colocar(std::vector<int>(static_cast<std::size_t>(u.cantidad), u.diametro), AnchoLibre(f));
    if (g.empty()) {
        a.estado = EstadoArmado::NoCabe;
        a.barras = {{u.cantidad, u.diametro, 1}};
        a.aviso = std::string("Las varillas de la cara ") + cara +
                  " no caben en dos capas en el ancho disponible.";
        return a;
    }
    Evaluar(g, f, s, propiedades, reglas, fc, fy, a);
    a.estado = a.cumple && a.fisuracionCumple ? EstadoArmado::Aceptado : EstadoArmado::Insuficiente;
    if (!a.cumple) {
        a.aviso =
            std::string("Las varillas de la cara ") + cara + " no resisten Mu con el peralte real.";
    } else if (!a.fisuracionCumple) {
        a.aviso = std::string("La separación de las varillas de la cara ") + cara +
                  " excede la del control de fisuración.";
    }
    return a;
}

}  // namespace

std::vector<ArmadoCara> DisenarArmado(const ResultadoDiseno& r, const Seccion& s,
                                      const DatosViga& datos, const PropiedadesSeccion& propiedades,
                                      const ReglasDiseno& reglas) {
    std::vector<ArmadoCara> caras;
    if (r.DisenoFallido) return caras;
    const TipoSeccion tipo = TipoDe(s);
    if (tipo == TipoSeccion::Desconocida) return caras;
    const double fc = Fc(datos), fy = Fy(datos);
    // Bars sit inside the stirrups of the web: b of a rectangle, bw of a T.
    const double ancho = tipo == TipoSeccion::Rect ? propiedades.anchoRectangulo : s.Bw;
    const double h = tipo == TipoSeccion::Rect ? s.H : static_cast<double>(s.Hw) + s.Hf;
    const double lateral = datos.opciones.recubrimientoLibre + Estribo(r, datos);

    for (const bool inferior : {true, false}) {
        const PasoFlexion& x = inferior ? r.Pasos.flexionPos : r.Pasos.flexionNeg;
        const float As = inferior ? r.AsTraccionPos : r.AsTraccionNeg;
        if (!x.calculado || !x.suficiente || !(As > 0)) continue;
        Cara f;
        f.inferior = inferior;
        f.Mu = x.Mu;
        f.dSupuesto = r.PeralteEfectivo;
        f.AsSupuesto = As;
        f.AscSupuesto = inferior ? r.AsCompresionPos : r.AsCompresionNeg;
        f.paso = &x;
        f.h = h;
        f.ancho = ancho;
        f.libreLateral = lateral;

        ArmadoCara base;
        base.inferior = inferior;
        base.ancho = ASimple(ancho);
        base.libreLateral = ASimple(lateral);
        base.dSupuesto = f.dSupuesto;
        base.AsSupuesto = As;
        base.Mu = f.Mu;
        base.fisuracion = reglas.Fisuracion(fy, base.libreLateral);
        const std::optional<BarrasUsuario>& u =
            inferior ? datos.opciones.barrasInferior : datos.opciones.barrasSuperior;
        caras.push_back(u ? DelUsuario(*u, f, s, propiedades, reglas, fc, fy, base)
                          : Elegir(f, s, propiedades, reglas, fc, fy, base));
    }
    return caras;
}

}  // namespace korvex
