#include "project/GeometriaDespiece.h"

#include <algorithm>
#include <cmath>

#include "design/Armado.h"

namespace korvex {

ContornoSeccion Contorno(const SeccionViga& s) {
    ContornoSeccion c;
    const bool conAla = s.forma == FormaSeccion::T || s.forma == FormaSeccion::TInvertida;
    const double b = s.b, h = s.h, bw = conAla ? s.bw : s.b, hw = conAla ? s.hw : 0;
    const bool valido = s.forma != FormaSeccion::SinDefinir && std::isfinite(b) &&
                        std::isfinite(h) && std::isfinite(bw) && std::isfinite(hw) && b > 0 &&
                        h > 0 && bw > 0 && bw <= b && hw >= 0;
    if (!valido) return c;
    c.alto = h + hw;
    c.ancho = b;
    c.almaDesde = (b - bw) / 2;
    c.almaHasta = (b + bw) / 2;
    const double a0 = c.almaDesde, a1 = c.almaHasta, H = c.alto;
    if (s.forma == FormaSeccion::T) {  // web below, flange hf on top
        c.x = {a0, a1, a1, b, b, 0, 0, a0};
        c.y = {0, 0, hw, hw, H, H, hw, hw};
    } else if (s.forma == FormaSeccion::TInvertida) {  // flange hf below, web on top
        c.x = {0, b, b, a1, a1, a0, a0, 0};
        c.y = {0, 0, h, h, H, H, h, h};
    } else {
        c.x = {0, b, b, 0};
        c.y = {0, 0, H, H};
    }
    return c;
}

std::string NombreDiametro(int fila) {
    if (fila < 0 || fila >= static_cast<int>(kNombreVarilla.size())) return "?";
    return std::string(kNombreVarilla[static_cast<std::size_t>(fila)]) + "\"";
}

double Diametro(int fila) {
    if (fila < 0 || fila >= static_cast<int>(kDiametroVarilla.size())) return 0;
    return kDiametroVarilla[static_cast<std::size_t>(fila)];
}

int FilaEstribo(const DatosViga& datos, const DespieceViga& d) {
    if (!d.estribos.empty() && Diametro(d.estribos.front().diametro) > 0) {
        return d.estribos.front().diametro;
    }
    return datos.opciones.estribo == DiametroEstribo::MedioPulgada ? 2 : 3;
}

double AlturaBarra(const DatosViga& datos, const DespieceViga& d, const BarraDespiece& b,
                   double alto) {
    const double libre = datos.opciones.recubrimientoLibre + Diametro(FilaEstribo(datos, d));
    const double db = Diametro(b.diametro);
    double desdeCara = libre + db / 2;  // layer 1: centre from its face
    if (b.capa >= 2) {
        // Layer 2 sits a clear spacing inside the largest bar of layer 1.
        double db1 = 0;
        for (const BarraDespiece& o : d.barras) {
            if (o.inferior == b.inferior && o.capa == 1) db1 = std::max(db1, Diametro(o.diametro));
        }
        if (db1 == 0) db1 = db;
        desdeCara = libre + db1 + kSeparacionMinima + db / 2;
    }
    return b.inferior ? desdeCara : alto - desdeCara;
}

}  // namespace korvex
