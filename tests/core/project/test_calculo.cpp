// The calculation workflow: precondition, refusals, the order of its steps
// and messages, the two code warnings at their edge values, opening a
// project, and the point query.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <initializer_list>

#include "project/ArchivoKvx.h"
#include "project/Calculo.h"
#include "project/ConsultaPunto.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

Carga Puntual(float a, float P, float cat, float L) {
    return {a, 0, L - a, P, 0, a, kPuntual, cat};
}
Carga Uniforme(float a, float b, float w, float cat, float L) {
    return {a, b, L - a - b, w, w, a + b, kDistribuida, cat};
}
Carga Momento(float a, float M, float cat, float L) {
    return {a, 0, L - a, M, 0, a, kMomento, cat};
}

// A rectangular beam b x h (cm) of length L on supports at J and K (m).
Proyecto Rectangular(float L, float b, float h, std::initializer_list<Carga> cargas, float J = 0,
                     float K = -1) {
    Proyecto p;
    p.seccion.TipoViga = kVigaRect;
    p.seccion.txtB = std::to_string(static_cast<int>(b));
    p.seccion.txtH = std::to_string(static_cast<int>(h));
    Calculos_Geom(p.seccion, p.estado);
    p.estado.LuzViga = L;
    p.estado.DistJ = J;
    p.estado.DistK = K < 0 ? L : K;
    for (const Carga& c : cargas) AgregarCarga(p.estado, c);
    return p;
}

fs::path Ejemplo(const char* nombre) {
    return fs::path(__FILE__).parent_path() / ".." / ".." / ".." / "ejemplos" / nombre;
}

std::vector<std::string> Textos(const InterfazRegistro& ui) {
    std::vector<std::string> t;
    for (const Mensaje& m : ui.mensajes) t.push_back(m.texto);
    return t;
}

const char* kGranPeralte =
    "Elemento de gran peralte. Requiere de cálculos adicionales a los realizados por Korvex 2000";
const char* kInsuficiente = "Esta Sección no resiste esta solicitud de cargas";

TEST(FlujoDeCalculo, SinCargasOSinFcSoloLlevaLaBarraA100) {
    Proyecto sinCargas = Rectangular(6, 25, 50, {});
    Proyecto sinFc = Rectangular(6, 25, 50, {Puntual(3, 10, kOtros, 6)});
    sinFc.materiales.txtFc = "";
    for (Proyecto* p : {&sinCargas, &sinFc}) {
        p->estado.MomentoPosMax = 7;  // a previous result stays
        const Proyecto antes = *p;
        InterfazRegistro ui;
        std::vector<int> barra;
        const ResultadoCalculo r = RealizarCalculos(*p, ui, [&](int v) { barra.push_back(v); });
        EXPECT_FALSE(r.calculado);
        EXPECT_FALSE(r.rechazado);
        EXPECT_EQ(barra, std::vector<int>{100});
        EXPECT_TRUE(ui.mensajes.empty());
        EXPECT_EQ(ui.preguntasEstribo, 0);
        EXPECT_EQ(*p, antes);
    }
}

TEST(FlujoDeCalculo, UnRechazoMuestraSusMensajesYDejaLosResultadosAnteriores) {
    Proyecto p = Rectangular(6, 25, 50, {Puntual(3, 10, kOtros, 6)});
    InterfazRegistro ui0;
    ASSERT_TRUE(RealizarCalculos(p, ui0).calculado);

    const struct {
        const char* nombre;
        void (*estropear)(Proyecto&);
    } casos[] = {
        {"apoyos iguales", [](Proyecto& q) { q.estado.DistJ = q.estado.DistK = 3; }},
        {"longitud 0", [](Proyecto& q) { q.estado.LuzViga = 0; }},
        {"sin sección", [](Proyecto& q) { q.seccion.TipoViga.clear(); }},
        {"f'c no numérico", [](Proyecto& q) { q.materiales.txtFc = "abc"; }},
        {"recubrimiento mayor que h", [](Proyecto& q) { q.materiales.txtRec = "60"; }},
        {"carga variable sin base",
         [](Proyecto& q) {
             AgregarCarga(q.estado, {1, 0, 5, 1, 2, 1, kDistribuida, kViva});
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Proyecto q = p;
        c.estropear(q);
        const Proyecto antes = q;
        InterfazRegistro ui;
        std::vector<int> barra;
        const ResultadoCalculo r = RealizarCalculos(q, ui, [&](int v) { barra.push_back(v); });
        EXPECT_TRUE(r.rechazado);
        EXPECT_FALSE(r.calculado);
        ASSERT_FALSE(ui.mensajes.empty());
        for (const Mensaje& m : ui.mensajes) EXPECT_EQ(m.estilo, kEstiloCritico) << m.texto;
        EXPECT_EQ(ui.preguntasEstribo, 0);
        EXPECT_EQ(barra, std::vector<int>{100});
        EXPECT_EQ(q, antes);  // diagrams, extremes, steel and d of the last calculation
    }
}

// Rectangular example: 6 m on end supports, 25 x 50, f'c 210, fy 2800, cover 4;
// a live point load of 5 Tn at 2 m, a dead uniform load of 1.5 Tn/m over the
// span, a factored trapezoid rising from 1 to 2 Tn/m over the last 3 m.
//
// Factored reactions (self weight 0.3 Tn/m x 1.4 = 0.42 Tn/m):
//   point 8.5 Tn: R1 = 8.5 x 4/6 = 5.6667; uniform 2.52 Tn/m: R1 = 7.56;
//   trapezoid 4.5 Tn with its centroid at 4.6667 m: R1 = 1.0.  R1 = 14.2267 Tn.
// Zero shear at x = (14.2267 - 8.5) / 2.52 = 2.2725 m, where
//   M+ = 14.2267 x - 8.5 (x - 2) - 1.26 x^2 = 23.507 Tn.m.
// d = 50 - 4 = 46 cm. Stirrups: Vu = 14.2015 Tn at the first station past the
// support, Vc = 0.55 sqrt(210) 25 46 = 9166 Kg, Vs = 7541 Kg < 1.1 sqrt(f'c) b d,
// so s = min(d/2 = 23, smin = 2 (0.71256) 2800 / (3.5 x 25) = 45.6) = 23 cm.
TEST(FlujoDeCalculo, EjemploRectangularContraElCalculoAMano) {
    Proyecto p;
    InterfazRegistro ui("3/8");
    std::vector<int> barra;
    const ResultadoApertura a = AbrirProyecto(Ejemplo("viga_rectangular.kvx").string(), p, ui,
                                              [&](int v) { barra.push_back(v); });
    ASSERT_TRUE(a.leido) << (ui.mensajes.empty() ? "" : ui.mensajes[0].texto);
    ASSERT_TRUE(a.calculo.calculado);
    EXPECT_EQ(barra, (std::vector<int>{20, 30, 40, 50, 60, 70, 80, 90, 100}));

    const EstadoProyecto& e = p.estado;
    EXPECT_FLOAT_EQ(e.AreaSeccion, 1250);  // recomputed from the field texts
    EXPECT_NEAR(e.InerciaSeccion, 0.0026042, 1e-7);
    EXPECT_NEAR(e.ModuloElasticidad, 15100 * std::sqrt(210.0) * 10, 0.5);
    EXPECT_FLOAT_EQ(e.Recubrimiento, 4);
    EXPECT_FLOAT_EQ(e.PeralteEfectivo, 46);
    EXPECT_EQ(e.NumEstaciones, 600);
    EXPECT_NEAR(e.MomentoPosMax, 23.507, 2e-3);
    EXPECT_NEAR(e.Posiciones.MomentoPosMax, 2.27, 0.006);
    EXPECT_FLOAT_EQ(e.MomentoNegMax, 0);
    EXPECT_NEAR(e.CortanteMax, 14.2267 - 2.52 * 0.01, 1e-3);
    EXPECT_NEAR(e.CortanteMin, -(2.8333 + 7.56 + 3.5) + (2.52 + 1 + 2.99 / 3) * 0.01, 2e-3);

    // Singly reinforced: Rn = Mu / (0.9 f'c b d^2), As = w f'c / fy b d.
    const double Rn = e.MomentoPosMax * 1e5 / (0.9 * 210 * 25 * 46 * 46);
    const double w = 0.85 * (1 - std::sqrt(1 - Rn / 0.425));
    EXPECT_NEAR(e.AsTraccionPos, w * 210 / 2800 * 25 * 46, 0.01);
    EXPECT_NEAR(e.AsTraccionPos, 24.3, 0.1);
    EXPECT_FLOAT_EQ(e.AsCompresionPos, 0);
    EXPECT_FLOAT_EQ(e.AsTraccionNeg, 0);

    EXPECT_EQ(ui.preguntasEstribo, 1);
    EXPECT_EQ(e.txtEstribos, "3/8@23");
    EXPECT_FLOAT_EQ(e.EspaciamientoEstribos, 23);
    // r1 = 600/46 = 13 and r2 = 200/46 = 4.3: no deep member; d < 90: no skin steel.
    EXPECT_FLOAT_EQ(a.calculo.DistMinCarga, 2);
    EXPECT_TRUE(ui.mensajes.empty()) << ui.mensajes[0].texto;
    EXPECT_FLOAT_EQ(a.calculo.FalloDiseno, 0);
    EXPECT_FLOAT_EQ(e.FalloDiseno, 0);
}

TEST(FlujoDeCalculo, GuardarYReabrirDaLosMismosResultados) {
    for (const char* nombre :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        SCOPED_TRACE(nombre);
        Proyecto p;
        InterfazRegistro ui;
        ASSERT_TRUE(AbrirProyecto(Ejemplo(nombre).string(), p, ui).calculo.calculado);
        std::string bytes;
        ASSERT_FALSE(EscribirKvx(p, bytes));
        Proyecto q;
        ASSERT_FALSE(LeerKvx(bytes, q));
        InterfazRegistro ui2;
        ASSERT_TRUE(RecalcularAbierto(q, ui2).calculado);
        EXPECT_EQ(q, p);
        EXPECT_EQ(ui2.mensajes, ui.mensajes);
        std::string otra;
        ASSERT_FALSE(EscribirKvx(q, otra));
        EXPECT_EQ(otra, bytes);
    }
}

// T beam, 8 m on supports at 1.5 and 6.5 m, bf 60, hf 10, bw 25, hw 40.
// Left cantilever: factored w = 1.4 x 2 + 1.7 x 1 + 1.4 x 0.00024 x 1600
// = 5.0376 Tn/m and a live tip load 1.7 x 3 = 5.1 Tn, so over the support
// M- = 5.0376 x 1.5^2 / 2 + 5.1 x 1.5 = 13.317 Tn.m (the right cantilever
// gives 5.667 + 4.2 x 1.5 = 11.967). The applied moments act inside the span.
TEST(FlujoDeCalculo, EjemploTConVuelos) {
    Proyecto p;
    InterfazRegistro ui;
    const ResultadoApertura a = AbrirProyecto(Ejemplo("viga_t_vuelos.kvx").string(), p, ui);
    ASSERT_TRUE(a.calculo.calculado);
    const EstadoProyecto& e = p.estado;
    EXPECT_FLOAT_EQ(e.AreaSeccion, 1600);
    EXPECT_FLOAT_EQ(p.seccion.Ycg, 29.375f);
    EXPECT_FLOAT_EQ(e.PeralteEfectivo, 46);
    EXPECT_NEAR(e.MomentoNegMax, -13.317, 2e-3);
    EXPECT_NEAR(e.Posiciones.MomentoNegMax, 1.5, 0.006);
    EXPECT_GT(e.AsTraccionNeg, 0);
    EXPECT_GT(e.AsTraccionPos, 0);
    // Point loads at both tips, 1.5 m from their supports: r2 = 150/46 = 3.3,
    // r1 = 500/46 = 10.9: no deep-member warning.
    EXPECT_FLOAT_EQ(a.calculo.DistMinCarga, 1.5f);
    for (const std::string& t : Textos(ui)) EXPECT_NE(t, kGranPeralte);
}

// Inverted T, 5 m on supports at 0 and 4 m with a live load of 4 Tn at the
// tip: 1 m from the nearer support, so r2 = 100 / 45 = 2.2 < 2.5.
TEST(FlujoDeCalculo, EjemploTInvertidaDaElAvisoDeGranPeralte) {
    Proyecto p;
    InterfazRegistro ui;
    const ResultadoApertura a = AbrirProyecto(Ejemplo("viga_t_invertida.kvx").string(), p, ui);
    ASSERT_TRUE(a.calculo.calculado);
    EXPECT_FLOAT_EQ(p.estado.PeralteEfectivo, 45);
    EXPECT_FLOAT_EQ(p.seccion.Ycg, (31.0f * 950 + 50 * 12 * 6) / 1550);
    EXPECT_FLOAT_EQ(a.calculo.DistMinCarga, 1);
    ASSERT_FALSE(ui.mensajes.empty());
    EXPECT_EQ(ui.mensajes.back(), (Mensaje{kGranPeralte, "Advertencia", kEstiloInformacion}));
}

TEST(FlujoDeCalculo, AvisosDeCodigoEnSusValoresLimite) {
    // Side-face steel: none up to d = 90; s = d / 6 up to 30 cm.
    const struct {
        float d;
        const char* area;
        const char* s;
    } piel[] = {{120, ".90", "20.00"},
                {180, "3.15", "30.00"},
                {240, "4.95", "30.00"},
                {96, ".34", "16.00"}};
    EXPECT_FALSE(AdvertenciaAceroPiel(90));
    EXPECT_FALSE(AdvertenciaAceroPiel(45));
    for (const auto& c : piel) {
        const auto m = AdvertenciaAceroPiel(c.d);
        ASSERT_TRUE(m) << c.d;
        EXPECT_EQ(m->texto, std::string("La viga lleva acero longitudinal: ") + c.area +
                                " cm2 a cada " + c.s +
                                " cm de altura en ambas caras laterales del elemento");
        EXPECT_EQ(m->titulo, "Información");
        EXPECT_EQ(m->estilo, kEstiloInformacion);
    }

    // Deep member unless (K - J) x 100 / d >= 5 and DistMinCarga x 100 / d >= 2.5.
    const struct {
        float J, K, dist, d;
        bool aviso;
    } peralte[] = {
        {0, 2.3f, 0.3f, 45, true},      // r2 = 0.67
        {0, 6, 2, 46, false},           // r1 = 13, r2 = 4.3
        {0, 2.25f, 2, 45, false},       // r1 = 5 exactly
        {0, 2.24f, 2, 45, true},        // r1 just below 5
        {0, 6, 1.125f, 45, false},      // r2 = 2.5 exactly
        {0, 6, 1.12f, 45, true},        // r2 just below 2.5
        {1.5f, 6.5f, 1.5f, 46, false},  // span between cantilever supports
    };
    for (const auto& c : peralte) {
        const auto m = AdvertenciaGranPeralte(c.J, c.K, c.dist, c.d);
        EXPECT_EQ(m.has_value(), c.aviso) << c.K << " " << c.dist << " " << c.d;
        if (m) {
            EXPECT_EQ(*m, (Mensaje{kGranPeralte, "Advertencia", kEstiloInformacion}));
        }
    }
}

TEST(FlujoDeCalculo, DistanciaMinimaDeCargaPuntualAlApoyo) {
    const float L = 6;
    const struct {
        const char* nombre;
        float J, K;
        std::vector<Carga> cargas;
        float esperada;
    } casos[] = {
        {"solo distribuidas", 0, 6, {Uniforme(0, 6, 2, kViva, L)}, 6},
        {"momento no cuenta", 0, 6, {Momento(0.5f, 3, kOtros, L)}, 6},
        {"0.3 del segundo apoyo", 0, 2.3f, {Puntual(2, 5, kViva, L)}, 0.3f},
        {"sobre un apoyo", 0, 6, {Puntual(4, 1, kViva, L), Puntual(6, 1, kViva, L)}, 0},
        {"en el vuelo", 1.5f, 4.5f, {Puntual(0, 1, kMuerta, L), Puntual(3, 1, kMuerta, L)}, 1.5f},
    };
    for (const auto& c : casos) {
        Proyecto p = Rectangular(L, 25, 50, {}, c.J, c.K);
        for (const Carga& x : c.cargas) AgregarCarga(p.estado, x);
        EXPECT_NEAR(DistMinCarga(p.estado), c.esperada, 1e-6) << c.nombre;
    }
}

TEST(FlujoDeCalculo, AceroDePielYGranPeralteDespuesDelDisenoYEnEseOrden) {
    // 30 x 124, cover 4: d = 120. A 20 Tn factored load at midspan: r1 = 600 / 120 = 5,
    // r2 = 300 / 120 = 2.5, so only the skin steel: .90 cm2 every 20.00 cm.
    Proyecto p = Rectangular(6, 30, 124, {Puntual(3, 20, kOtros, 6)});
    InterfazRegistro ui;
    ASSERT_TRUE(RealizarCalculos(p, ui).calculado);
    EXPECT_FLOAT_EQ(p.estado.PeralteEfectivo, 120);
    EXPECT_EQ(ui.preguntasEstribo, 1);
    ASSERT_EQ(ui.mensajes.size(), 1u);
    EXPECT_NE(ui.mensajes[0].texto.find(": .90 cm2 a cada 20.00 cm"), std::string::npos);

    // The load at 2.9 m: r2 = 290 / 120 = 2.4, the deep-member warning first.
    Proyecto q = Rectangular(6, 30, 124, {Puntual(2.9f, 20, kOtros, 6)});
    InterfazRegistro ui2;
    ASSERT_TRUE(RealizarCalculos(q, ui2).calculado);
    ASSERT_EQ(ui2.mensajes.size(), 2u);
    EXPECT_EQ(ui2.mensajes[0].texto, kGranPeralte);
    EXPECT_EQ(ui2.mensajes[1].titulo, "Información");
}

TEST(FlujoDeCalculo, FalloPorFlexionSinPreguntaDeEstribosNiAvisos) {
    // 10 x 100 on 2 m (d = 96 > 90 and r1 = 2.1 < 5: both warnings would apply)
    // with 200 Tn/m: Mu = 100 Tn.m > 0.425 x 0.9 f'c b d^2 = 74 Tn.m.
    Proyecto p = Rectangular(2, 10, 100, {Uniforme(0, 2, 200, kOtros, 2)});
    InterfazRegistro ui;
    const ResultadoCalculo r = RealizarCalculos(p, ui);
    EXPECT_TRUE(r.calculado);
    EXPECT_FLOAT_EQ(r.FalloDiseno, 1);
    EXPECT_FLOAT_EQ(p.estado.FalloDiseno, 0);  // cleared at the end of the calculation
    EXPECT_EQ(Textos(ui), std::vector<std::string>{kInsuficiente});
    EXPECT_EQ(ui.preguntasEstribo, 0);
    EXPECT_TRUE(p.estado.txtEstribos.empty());
}

TEST(FlujoDeCalculo, FalloPorCortanteSuprimeLosAvisosDeCodigo) {
    // 25 x 50 (d = 46), 50 Tn at 0.5 m: R1 = 45.8 Tn > 0.85 x 2.65 sqrt(f'c) b d
    // = 37.5 Tn, while M = 22.9 Tn.m passes flexure. r2 = 50 / 46 = 1.1 would
    // give the deep-member warning.
    Proyecto p = Rectangular(6, 25, 50, {Puntual(0.5f, 50, kOtros, 6)});
    InterfazRegistro ui;
    const ResultadoCalculo r = RealizarCalculos(p, ui);
    EXPECT_TRUE(r.calculado);
    EXPECT_FLOAT_EQ(r.FalloDiseno, 1);
    ASSERT_FALSE(ui.mensajes.empty());
    EXPECT_EQ(ui.mensajes[0].texto, "La viga falla por cortante, redimensionar sección");
    for (const std::string& t : Textos(ui)) EXPECT_NE(t, kGranPeralte);
    EXPECT_FLOAT_EQ(p.estado.AsTraccionPos, 0);
    for (const auto& fila : p.estado.Varillas) {
        for (int n : fila) EXPECT_EQ(n, 0);
    }
}

// Point query on a 6 m beam on end supports, 10 Tn of category "Otros" at
// midspan and no self weight: at X = 3 the moment is 15 on both sides and the
// shear 5 on the left, -5 on the right (displayed sign).
TEST(ConsultaDePunto, ValoresYTextosEnLaRejilla) {
    Proyecto p = Rectangular(6, 25, 50, {Puntual(3, 10, kOtros, 6)});
    p.estado.AreaSeccion = 0;
    const struct {
        const char* x;
        const char* mIzq;
        const char* qIzq;
        const char* mDer;
        const char* qDer;
    } casos[] = {
        {"3", "15.00", "5.00", "15.00", "-5.00"},
        {"0", ".00", ".00", ".00", "5.00"},  // left support: only the right side has R1
        {"6", ".00", "-5.00", ".00", ".00"},
        {" 1.5 ", "7.50", "5.00", "7.50", "5.00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.x);
        InterfazRegistro ui;
        const ConsultaPunto q = ConsultarPunto(p.estado, c.x, ui);
        ASSERT_EQ(q.resultado, ConsultaPunto::Resultado::Calculada);
        EXPECT_TRUE(ui.mensajes.empty());
        EXPECT_EQ(q.txtMomentoIzq, c.mIzq);
        EXPECT_EQ(q.txtCortanteIzq, c.qIzq);
        EXPECT_EQ(q.txtMomentoDer, c.mDer);
        EXPECT_EQ(q.txtCortanteDer, c.qDer);
        EXPECT_FLOAT_EQ(p.estado.XAnalisis, q.X);
        EXPECT_FLOAT_EQ(q.MomentoIzq, -p.estado.MomentoIzq);  // the state keeps the analysis sign
    }
    // A dead load is factored 1.4.
    p.estado.Cargas[1].Categoria = kMuerta;
    InterfazRegistro ui;
    const ConsultaPunto q = ConsultarPunto(p.estado, "3", ui);
    EXPECT_EQ(q.txtMomentoIzq, "21.00");
    EXPECT_EQ(q.txtCortanteDer, "-7.00");
    EXPECT_FLOAT_EQ(p.estado.CortanteIzq, -7);

    // An applied moment of 10 Tn.m at 2 m: the two moment cells differ by M0.
    Proyecto m = Rectangular(6, 25, 50, {Momento(2, 10, kOtros, 6)});
    m.estado.AreaSeccion = 0;
    const ConsultaPunto qm = ConsultarPunto(m.estado, "2", ui);
    EXPECT_EQ(qm.txtMomentoIzq, "-3.33");
    EXPECT_EQ(qm.txtMomentoDer, "6.67");
    EXPECT_EQ(qm.txtCortanteIzq, "-1.67");
    EXPECT_EQ(qm.txtCortanteDer, "-1.67");
}

TEST(ConsultaDePunto, RechazosSinTocarElEstado) {
    const Mensaje positivos{"Las distancias siempre son Numeros Positivos", "Distancia Incorrecta",
                            kEstiloCritico};
    const Mensaje intervalo{"El punto analizado debe estar en el intervalo 0 <= X <= L",
                            "Distancia Incorrecta", kEstiloCritico};
    Proyecto p = Rectangular(6, 25, 50, {Puntual(3, 10, kOtros, 6)});
    const struct {
        const char* x;
        const Mensaje* m;
    } casos[] = {{"-1", &positivos},
                 {"abc", &positivos},
                 {"1,5", &positivos},
                 {"3m", &positivos},
                 {"6.01", &intervalo}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.x);
        const EstadoProyecto antes = p.estado;
        InterfazRegistro ui;
        const ConsultaPunto q = ConsultarPunto(p.estado, c.x, ui);
        EXPECT_EQ(q.resultado, ConsultaPunto::Resultado::Rechazada);
        EXPECT_EQ(ui.mensajes, std::vector<Mensaje>{*c.m});
        EXPECT_EQ(p.estado, antes);
    }
    InterfazRegistro ui;
    EXPECT_EQ(ConsultarPunto(p.estado, "", ui).resultado, ConsultaPunto::Resultado::Vacio);
    EXPECT_TRUE(ui.mensajes.empty());

    // Before the first load the supports are not set (j = k = 0): the reactions
    // cannot be found, so the query is refused instead of dividing by zero.
    Proyecto vacio = Rectangular(6, 25, 50, {}, 0, 0);
    const EstadoProyecto antes = vacio.estado;
    const ConsultaPunto q = ConsultarPunto(vacio.estado, "2", ui);
    EXPECT_EQ(q.resultado, ConsultaPunto::Resultado::Rechazada);
    ASSERT_FALSE(ui.mensajes.empty());
    EXPECT_NE(ui.mensajes[0].texto.find("apoyos"), std::string::npos);
    EXPECT_EQ(vacio.estado, antes);
}

}  // namespace
}  // namespace korvex
