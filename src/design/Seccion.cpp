#include "design/Seccion.h"

#include "design/DatosDiseno.h"
#include "text/Numeros.h"

namespace korvex {

const char* NombreTipoViga(const std::string& clave) {
    if (clave == kVigaRect) return "Rectangular";
    if (clave == kVigaT) return "T";
    if (clave == kVigaTi) return "T Invertida";
    return "";
}

using diseno::TipoDe;
using diseno::TipoSeccion;

namespace {

constexpr double kCm4AM4 = 100.0 * 100.0 * 100.0 * 100.0;  // cm4 per m4

float Campo(const std::string& t) {
    return static_cast<float>(texto::NumeroCampo(t));
}

// Centroid height (cm) of an area whose first moment about the bottom fibre
// is `momento` (cm3); a section of no area has its centroid at the bottom.
float Centroide(double momento, float area) {
    return area != 0 ? static_cast<float>(momento / area) : 0.0f;
}

}  // namespace

PropiedadesSeccion Calculos_Geom(Seccion& s, PropiedadesSeccion p) {
    const TipoSeccion tipo = TipoDe(s);
    if (tipo == TipoSeccion::Desconocida) return p;

    if (tipo == TipoSeccion::Rect) {
        const float b = Campo(s.txtB);
        const float h = Campo(s.txtH);
        p.anchoRectangulo = b;
        s.H = h;
        p.area = static_cast<float>(static_cast<double>(b) * h);
        const double I = static_cast<double>(h) * h * h * b / 12;  // cm4
        p.inercia = static_cast<float>(I / kCm4AM4);
        s.Ycg = static_cast<float>(h / 2.0);
        return p;
    }

    const float bf = Campo(s.txtB);
    const float hf = Campo(s.txtH);
    const float bw = Campo(s.txtBw);
    const float hw = Campo(s.txtHw);
    s.Bf = bf;
    s.Hf = hf;
    s.Bw = bw;
    s.Hw = hw;
    const double alaArea = static_cast<double>(bf) * hf;  // cm2
    const double almaArea = static_cast<double>(hw) * bw;
    p.area = static_cast<float>(alaArea + almaArea);

    // Heights of the centroids of flange and web above the bottom fibre, cm.
    double yAla, yAlma;
    if (tipo == TipoSeccion::T) {
        yAla = hw + hf - hf / 2.0;
        yAlma = hw / 2.0;
    } else {
        yAla = hf / 2.0;
        yAlma = hw / 2.0 + hf;
    }
    s.Ycg = Centroide(yAla * alaArea + almaArea * yAlma, p.area);

    const double ycg = s.Ycg;
    const double I = (ycg - yAla) * (ycg - yAla) * alaArea +
                     static_cast<double>(hf) * hf * hf * bf / 12 +
                     static_cast<double>(hw) * hw * hw * bw / 12 +
                     (ycg - yAlma) * (ycg - yAlma) * almaArea;  // cm4
    p.inercia = static_cast<float>(I);
    p.inercia = static_cast<float>(p.inercia / kCm4AM4);
    return p;
}

float PeralteSeccion(const Seccion& s, float recubrimiento) {
    if (s.TipoViga == kVigaRect) return s.H - recubrimiento;
    if (s.TipoViga == kVigaT || s.TipoViga == kVigaTi) {
        return static_cast<float>(static_cast<double>(s.Hw) + s.Hf - recubrimiento);
    }
    return 0;
}

float BfMax(const ReglasDiseno& reglas, const Seccion& s, float LuzViga) {
    const TipoSeccion tipo = TipoDe(s);
    const bool conAla = tipo == TipoSeccion::T || tipo == TipoSeccion::Ti;
    return reglas.AnchoAlaMaximo(conAla, s.Hf, s.Bw, LuzViga);
}

}  // namespace korvex
