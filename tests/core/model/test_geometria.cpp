// The beam's length and supports changed with the loads in place: the loads
// keep their abscissas, so every one must still lie on the new beam.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/Geometria.h"

namespace korvex {
namespace {

// A 6 m beam: a point load at 2, a distributed load from 1 to 4.5, a point
// load at 5.5 and a moment at the very end (6).
EstadoProyecto Viga() {
    EstadoProyecto e;
    e.LuzViga = 6;
    e.DistK = 6;
    const Carga cargas[] = {{2, 0, 4, 5, 0, 2, kPuntual, kViva},
                            {1, 3.5f, 1.5f, 2, 2, 4.5f, kDistribuida, kMuerta},
                            {5.5f, 0, 0.5f, 3, 0, 5.5f, kPuntual, kOtros},
                            {6, 0, 0, -2, 0, 6, kMomento, kMuerta}};
    for (const Carga& c : cargas) AgregarCarga(e, c);
    return e;
}

// Each proposed beam, and the message refusing it ("" when accepted).
TEST(GeometriaConCargas, AceptaLaVigaQueLasSostieneYNombraLaPrimeraQueQuedaFuera) {
    const EstadoProyecto e = Viga();
    const std::tuple<GeometriaViga, std::string> casos[] = {
        {{6, 0, 6}, ""},
        {{7.5f, 0, 7.5f}, ""},  // longer: the loads stay where they were
        {{6, 1, 5}, ""},        // two cantilevers of 1 m under the same loads
        // The moment at the end was at L: shortened by 1 cm it falls off.
        {{5.99f, 0, 5.99f}, "La carga 4 quedaría fuera de la viga (x = 6.00 m > L = 5.99 m)."},
        // The first load off names it, before the moment further on.
        {{5, 0, 5}, "La carga 3 quedaría fuera de la viga (x = 5.50 m > L = 5.00 m)."},
        // A distributed load counts by its end (4.5), not its start (1).
        {{4.4f, 0, 4.4f},
         "La carga 2 quedaría fuera de la viga (termina en x = 4.50 m > L = 4.40 m)."},
        {{6, 1, 6.5f}, "El 2do apoyo quedaría fuera de la viga (k = 6.50 m > L = 6.00 m)."},
        {{6, 3, 3}, "El 1er apoyo debe quedar antes del 2do (j = 3.00 m, k = 3.00 m)."},
        {{0, 0, 0}, "La viga tiene cargas: su longitud L debe ser mayor que 0 m."},
    };
    for (const auto& [g, mensaje] : casos) {
        SCOPED_TRACE(std::to_string(g.L) + " " + std::to_string(g.J) + " " + std::to_string(g.K));
        const std::optional<Mensaje> m = GeometriaRechazada(e, g);
        EXPECT_EQ(m ? m->texto : "", mensaje);
        if (m) {
            EXPECT_EQ(m->estilo, kEstiloCritico);
        }
    }

    // A load typed to end at the new length fits although its Single end
    // 2.3 + 2.7 may lie a few ulps beyond 5.
    EstadoProyecto justa;
    justa.LuzViga = justa.DistK = 6;
    AgregarCarga(justa, {2.3f, 2.7f, 1, 1, 1, 2.3f + 2.7f, kDistribuida, kViva});
    EXPECT_FALSE(GeometriaRechazada(justa, {5, 0, 5}));
}

// Accepted, the beam changes and the loads keep a and b; C, their distance
// to the right end, follows the new length (7.5 - 1 - 3.5 = 3).
TEST(GeometriaConCargas, LasCargasConservanSusAbscisas) {
    EstadoProyecto e = Viga();
    FijarGeometria(e, {7.5f, 1, 6.5f});
    EXPECT_EQ(GeometriaDe(e), (GeometriaViga{7.5f, 1, 6.5f}));
    ASSERT_EQ(e.NumCargas, 4);
    const Carga& d = e.Cargas[2];
    EXPECT_EQ(std::tie(d.A, d.B, d.Fin, d.P1), std::make_tuple(1.0f, 3.5f, 4.5f, 2.0f));
    EXPECT_FLOAT_EQ(d.C, 3.0f);
    EXPECT_FLOAT_EQ(e.Cargas[4].C, 1.5f);  // the moment at 6 on a 7.5 m beam
}

}  // namespace
}  // namespace korvex
