// Checks made before the design: the flexure divides by f'c, fy, the widths
// and d; the shear and the deflection by the web width and d.
#include "design/Verificacion.h"

#include <string>

#include "design/DatosDiseno.h"
#include "design/DisenarViga.h"
#include "text/Numeros.h"

namespace korvex {

using namespace diseno;

namespace {

constexpr const char* kTitulo = "Datos Incorrectos";

// Total height of the section, cm.
float AlturaTotal(const Seccion& s) {
    return TipoDe(s) == TipoSeccion::Rect ? s.H : static_cast<float>(s.Hw + s.Hf);
}

}  // namespace

std::vector<Mensaje> VerificarDatosDiseno(const Seccion& s, const DatosViga& datos,
                                          const PropiedadesSeccion& propiedades,
                                          float recubrimiento, float d) {
    std::vector<Mensaje> r;
    auto rechazar = [&](std::string t) { r.push_back({std::move(t), kTitulo, kEstiloCritico}); };

    if (!(Fc(datos) > 0)) {
        rechazar("La resistencia f'c del hormigón debe ser mayor que 0 Kgr/cm2. Corrija f'c.");
    }
    if (!(Fy(datos) > 0)) {
        rechazar("La resistencia fy del acero debe ser mayor que 0 Kgr/cm2. Elija fy 2800 o 4200.");
    }
    if (!(recubrimiento > 0)) {
        rechazar("El Recubrimiento debe ser mayor que 0 cm. Corrija el Recubrimiento.");
    }

    const TipoSeccion tipo = TipoDe(s);
    if (tipo == TipoSeccion::Desconocida) {
        rechazar("No se ha definido el tipo de sección. Defina la sección con el botón Secciones.");
        return r;
    }

    // Each dimension the design reads, named as on the section window.
    bool dimensiones = true;
    auto exigir = [&](float v, const char* nombre) {
        if (v > 0) return;
        dimensiones = false;
        rechazar(std::string("La dimensión ") + nombre +
                 " de la sección debe ser mayor que 0 cm. Defina de nuevo la sección.");
    };
    if (tipo == TipoSeccion::Rect) {
        exigir(datos.seccion.b, "b");
        exigir(datos.seccion.h, "h");
        if (datos.seccion.b > 0) exigir(propiedades.anchoRectangulo, "b");
        if (datos.seccion.h > 0) exigir(s.H, "h");
    } else {
        exigir(datos.seccion.b > 0 ? s.Bf : 0, "bf");
        exigir(datos.seccion.h > 0 ? s.Hf : 0, "hf");
        exigir(s.Bw, "bw");
        exigir(s.Hw, "hw");
    }
    if (dimensiones && !(d > 0)) {
        rechazar(
            "El peralte efectivo d = " + texto::TextoSimple(d) + " cm (altura " +
            texto::TextoSimple(AlturaTotal(s)) +
            " cm menos el recubrimiento) "
            "debe ser mayor que 0. Aumente la altura de la sección o reduzca el Recubrimiento.");
    }
    return r;
}

std::vector<Mensaje> VerificarDiseno(const DatosViga& datos, const Seccion& s,
                                     const PropiedadesSeccion& propiedades) {
    const float rec = static_cast<float>(datos.materiales.recubrimiento);
    const float d = AlturaTotal(s) - rec;
    return VerificarDatosDiseno(s, datos, propiedades, rec, d);
}

}  // namespace korvex
