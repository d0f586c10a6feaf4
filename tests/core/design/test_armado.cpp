// Bars that fit: the arrangement of each face, its real depth and strength,
// and the crack-control limits of both sets of rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "comun/Vigas.h"
#include "design/Armado.h"
#include "design/Reglas.h"
#include "design/TablaVarillas.h"
#include "e2e/ProyectosGenerados.h"
#include "project/ArchivoKvx.h"
#include "project/Calculo.h"
#include "project/DatosProyecto.h"

namespace korvex::pruebas {
namespace {

const ReglasDiseno& kClasicas = ReglasPorClave(kReglasClasicas);

// The width a layer takes: its bars and the clear spacing of its largest bar.
double AnchoCapa(const ArmadoCara& a, int capa, int& n) {
    double suma = 0, mayor = 0;
    n = 0;
    for (const GrupoBarras& g : a.barras) {
        if (g.capa != capa) continue;
        const double db = kDiametroVarilla[static_cast<std::size_t>(g.diametro)];
        n += g.cantidad;
        suma += g.cantidad * db;
        mayor = std::max(mayor, db);
    }
    return n ? suma + (n - 1) * std::max(2.5, mayor) : 0;
}

// Every accepted arrangement fits inside the stirrups (one or two layers, the
// second no wider than the first) and resists Mu with its own depth.
void CabeYResiste(const ArmadoCara& a, const std::string& donde) {
    SCOPED_TRACE(donde + (a.inferior ? " inferior" : " superior"));
    int n1 = 0, n2 = 0;
    const double libre = a.ancho - 2 * a.libreLateral;
    EXPECT_LE(AnchoCapa(a, 1, n1), libre + 1e-4);
    EXPECT_LE(AnchoCapa(a, 2, n2), libre + 1e-4);
    EXPECT_GE(n1, 2);
    EXPECT_LE(n2, n1);
    EXPECT_GE(a.separacionLibre + 1e-4, a.separacionMinima);
    EXPECT_GE(a.phiMn, a.Mu);
    EXPECT_GE(a.AsProvisto + 1e-4, a.AsReal);
    EXPECT_LE(a.separacion, a.fisuracion.sMax);
    // The real depth lies between the bars of layer 1 and of layer 2.
    EXPECT_LE(a.dReal, a.dt + 1e-4);
    EXPECT_GE(a.dReal, a.dt - 2.54 - 2.5 - 1e-3);
}

// ejemplos/viga_rectangular.kvx: 25 x 50, cover 4 (d = 46 assumed), f'c 210,
// fy 2800, classic rules (phi 0.9), Mu = 23.5 Tn.m, 3/8" stirrups, clear
// cover 4. Clear width 25 - 2 (4 + 0.9525) = 15.095 cm: three 1" bars
// (3 x 2.54 + 2 x 2.54 = 12.70) fit a layer, four do not (17.78); four 3/4"
// take 4 x 1.905 + 3 x 2.5 = 15.12 > 15.095.
// The design's As at d = 46 is 24.30 cm2. 5 1" bars (25.34 cm2) go 3 + 2:
// layer 1 at 4.9525 + 1.27 = 6.2225 cm, layer 2 at 4.9525 + 2.54 + 2.5 + 1.27
// = 11.2625 cm from the bottom; centroid (3 x 6.2225 + 2 x 11.2625) / 5 =
// 8.2385, d = 41.76 cm. a = 25.34 x 2800 / (0.85 x 210 x 25) = 15.90 cm,
// phi Mn = 0.9 x 25.34 x 2800 (41.76 - 7.95) = 21.59 Tn.m < 23.5: rejected,
// as the face designed again with d = 41.76 needs As = 28.4 cm2.
// 6 1" (30.40 cm2) go 3 + 3: centroid (6.2225 + 11.2625) / 2 = 8.7425, d =
// 41.26; again with that d Rn = 2.3507e6 / (0.9 x 210 x 25 x 41.26^2) = 0.292
// passes Rn,max = 0.2905 by a little: As = 28.9 and a small A' (two 3/8" on
// top). Without the top bars a = 30.40 x 2800 / 4462.5 = 19.08 cm and phi Mn
// = 0.9 x 85 127 (41.26 - 9.54) = 24.30 Tn.m >= 23.5; the top bars add a little.
TEST(Armado, EjemploRectangularDosCapasConPeralteReal) {
    const ProyectoCalculado p = Abierto("viga_rectangular.kvx");
    ASSERT_EQ(p.r.Armado.size(), 1u);  // no hogging moment: the bottom face only
    const ArmadoCara& a = p.r.Armado[0];
    EXPECT_NEAR(a.Mu / 1e5, 23.5, 0.05);
    EXPECT_NEAR(a.libreLateral, 4.9525, 1e-4);
    EXPECT_NEAR(a.AsSupuesto, 24.30, 0.02);

    const std::vector<GrupoBarras> cinco = Colocar(std::vector<int>(5, 0), 15.095);
    ASSERT_EQ(cinco, (std::vector<GrupoBarras>{{3, 0, 1}, {2, 0, 2}}));
    EXPECT_TRUE(Colocar(std::vector<int>(4, 1), 15.095) ==
                (std::vector<GrupoBarras>{{3, 1, 1}, {1, 1, 2}}));
    // Three 1" and four 3/8": the four would fit a layer (3.81 + 7.5 = 11.31)
    // but not directly above the three.
    EXPECT_TRUE(Colocar({0, 0, 0, 3, 3, 3, 3}, 15.095).empty());
    const CentroideBarras c = Centroide(cinco, 4.9525);
    EXPECT_NEAR(50 - c.centroide, 41.76, 0.01);
    SeccionCapacidad sc;
    sc.b = 25;
    sc.As = c.area;
    sc.d = 50 - c.centroide;
    sc.dt = 50 - c.extremo;
    EXPECT_NEAR(CapacidadFlexion(kClasicas, 210, 2800, sc).phiMn / 1e5, 21.59, 0.01);

    EXPECT_EQ(a.estado, EstadoArmado::Aceptado);
    EXPECT_TRUE(a.cumple);
    EXPECT_EQ(a.barras, (std::vector<GrupoBarras>{{3, 0, 1}, {3, 0, 2}}));
    EXPECT_NEAR(a.dReal, 41.2575, 1e-3);
    EXPECT_NEAR(a.AsReal, 28.9, 0.05);
    EXPECT_GT(a.AscRequerido, 0);
    EXPECT_EQ(a.compresion, (std::vector<GrupoBarras>{{2, 3, 1}}));
    EXPECT_GE(a.phiMn / 1e5, 24.30);
    EXPECT_LT(a.phiMn / 1e5, 25.0);
    CabeYResiste(a, "ejemplo");
}

// The user's bars of a face: checked as the program's own.
TEST(Armado, BarrasDelUsuario) {
    const ProyectoCalculado p = Abierto("viga_rectangular.kvx");
    DatosViga datos = DatosVigaDe(p);
    Seccion s = p.seccion;
    const PropiedadesSeccion q = Calculos_Geom(s, PropiedadesDe(p.estado));
    struct {
        BarrasUsuario u;
        EstadoArmado estado;
    } casos[] = {
        {{0, 5}, EstadoArmado::Insuficiente},  // 5 1": phi Mn 21.6 < 23.5 (above)
        {{0, 7}, EstadoArmado::NoCabe},        // 7 1": 3 + 4 would need a third layer
        {{3, 1}, EstadoArmado::Invalido},      // a single bar
        {{4, 6}, EstadoArmado::Invalido},      // no such row of the table
    };
    for (const auto& k : casos) {
        datos.opciones.barrasInferior = k.u;
        const std::vector<ArmadoCara> a = DisenarArmado(p.r, s, datos, q, ReglasDe(p));
        ASSERT_EQ(a.size(), 1u);
        EXPECT_TRUE(a[0].usuario);
        EXPECT_EQ(a[0].estado, k.estado) << k.u.diametro << " x " << k.u.cantidad;
        EXPECT_FALSE(a[0].cumple);
        EXPECT_FALSE(a[0].aviso.empty());
    }
    // A clear cover so large that no bar fits: said, not passed.
    datos.opciones.barrasInferior.reset();
    datos.opciones.recubrimientoLibre = 10;
    const std::vector<ArmadoCara> a = DisenarArmado(p.r, s, datos, q, ReglasDe(p));
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].estado, EstadoArmado::SinArreglo);
    EXPECT_FALSE(a[0].cumple);
    EXPECT_TRUE(a[0].barras.empty());
}

// Crack control, s and cc in cm:
// ACI 318-19 24.3.2 (fs = 2/3 fy; 280 MPa = 2855.2 Kgr/cm2, 380 mm, 300 mm):
//   fy 4200, cc 4.9525: 38 x 2855.2/2800 - 2.5 x 4.9525 = 26.37; 30 x 1.0197 = 30.59.
//   fy 4200, cc 2: 38.75 - 5 = 33.75 > 30.59, the cap governs.
//   fy 2800, cc 4.9525: 38 x 1.5296 - 12.38 = 45.74 < 45.89.
//   StructurePoint, "Simply Supported Reinforced Concrete Beam Analysis and
//   Design (ACI 318-14)", 4.2: Grade 60, cc = 1.875 in -> s = 10.31 in in the
//   inch-pound form; the SI form is 1.8 % higher (380 mm is 14.96 in, 280 MPa
//   40.6 ksi), 26.67 cm.
// ACI 318-99 10.6.4 (fs = 0.6 fy, s = 540/fs - 2.5 cc <= 12 (36/fs), ksi, in):
//   fy 60 ksi = 4218.4 Kgr/cm2, cc 2 in (5.08 cm): fs = 36 ksi, s = 15 - 5 =
//   10 in = 25.40 cm, cap 12 in = 30.48 cm.
//   fy 4200, cc 4.9525: fs = 35.84 ksi; 15.066 - 4.875 = 10.19 in = 25.89 cm.
TEST(Armado, LimitesDeFisuracion) {
    const ReglasDiseno& aci = ReglasPorClave("aci318-19");
    struct {
        const ReglasDiseno& r;
        double fy;
        float cc;
        double s, tope;
    } casos[] = {
        {aci, 4200, 4.9525f, 26.37, 30.59},       {aci, 4200, 2, 30.59, 30.59},
        {aci, 2800, 4.9525f, 45.74, 45.89},       {aci, 4218.4, 4.7625f, 26.67, 30.45},
        {kClasicas, 4218.4, 5.08f, 25.40, 30.48}, {kClasicas, 4200, 4.9525f, 25.89, 30.61},
    };
    for (const auto& k : casos) {
        const LimiteFisuracion l = k.r.Fisuracion(k.fy, k.cc);
        EXPECT_NEAR(l.sMax, k.s, 0.02) << k.r.Clave() << " " << k.fy << " " << k.cc;
        EXPECT_NEAR(l.sTope, k.tope, 0.02) << k.r.Clave() << " " << k.fy;
    }
    EXPECT_EQ(aci.TextoFisuracion().clausula, "ACI 318-19, 24.3.2");
    EXPECT_EQ(kClasicas.TextoFisuracion().clausula, "ACI 318-99, 10.6.4");
}

// Generated beams under both rules: every face that needs steel gets bars
// that fit and resist with their real depth, or says that none do.
TEST(Armado, VigasGeneradasCabenYResisten) {
    int aceptadas = 0, dosCapas = 0;
    for (int n = 0; n < 80; ++n) {
        if (DatosRechazados(n)) continue;
        ProyectoCalculado p;
        ASSERT_FALSE(LeerKvx(GenerarProyecto(n).kvx, p).has_value()) << n;
        if (n % 2 == 0) p.estado.Norma = "aci318-19";
        InterfazRegistro ui;
        p.r = RealizarCalculos(p, ui);
        if (!p.r.calculado || p.r.disenoFallido) {
            EXPECT_TRUE(p.r.Armado.empty()) << n;
            continue;
        }
        const std::size_t caras = (p.r.AsTraccionPos > 0) + (p.r.AsTraccionNeg > 0);
        ASSERT_EQ(p.r.Armado.size(), caras) << n;
        for (const ArmadoCara& a : p.r.Armado) {
            if (a.estado != EstadoArmado::Aceptado) {
                EXPECT_EQ(a.estado, EstadoArmado::SinArreglo) << n;
                EXPECT_FALSE(a.cumple || a.aviso.empty()) << n;
                continue;
            }
            ++aceptadas;
            dosCapas += std::any_of(a.barras.begin(), a.barras.end(),
                                    [](const GrupoBarras& g) { return g.capa == 2; });
            CabeYResiste(a, "proyecto " + std::to_string(n));
        }
    }
    EXPECT_GT(aceptadas, 40);
    EXPECT_GT(dosCapas, 0);
}

}  // namespace
}  // namespace korvex::pruebas
