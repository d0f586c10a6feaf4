#include "design/LimiteUso.h"

#include "analysis/Alternancia.h"
#include "design/Deflexion.h"
#include "text/Numeros.h"

namespace korvex {

namespace {

constexpr double kMACm = 100;  // m -> cm

}  // namespace

std::vector<PasoZonaDeflexion> ZonasReferencia(const DatosViga& datos, const ReglasDiseno& reglas) {
    std::vector<PasoZonaDeflexion> zonas;
    for (const ZonaViga& t : ZonasViga(datos.longitud, datos.apoyos)) {
        PasoZonaDeflexion x;
        x.zona = t.zona;
        x.longitud = static_cast<float>(static_cast<double>(t.hasta) - t.desde);
        x.luzReferencia = t.zona == kTramo ? x.longitud : reglas.LuzVoladizo(x.longitud);
        zonas.push_back(x);
    }
    return zonas;
}

std::vector<std::string> TextosLimiteUso(const DatosViga& datos, const ReglasDiseno& reglas,
                                         int uso) {
    std::vector<std::string> t;
    if (uso < 1 || uso > reglas.NumeroUsos()) return t;
    const double relacion = reglas.RelacionLuz(uso);  // span over limit
    if (!(relacion > 0)) return t;
    for (const PasoZonaDeflexion& z : ZonasReferencia(datos, reglas)) {
        if (!(z.longitud > 0)) continue;
        // The limit the check compares with: the reference length over the ratio.
        const double limite = z.luzReferencia / relacion * kMACm;  // cm
        std::string linea = "L/" + texto::FormatoGeneral(relacion) + " = " +
                            texto::Formato(limite, "###,##0.00") + " cm para el " +
                            NombreZona(z.zona) + " de " + texto::Formato(z.longitud, "###,##0.00") +
                            " m";
        if (z.zona != kTramo) {
            linea += " (luz de referencia " + texto::Formato(z.luzReferencia, "###,##0.00") + " m)";
        }
        t.push_back(std::move(linea));
    }
    return t;
}

}  // namespace korvex
