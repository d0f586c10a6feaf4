// The calculation report as blocks: number formats, the parts with the recorded
// numbers, the stop at an insufficient section, the loads and the analysis.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <variant>

#include "comun/Memoria.h"
#include "comun/Vigas.h"
#include "project/AvisosInforme.h"
#include "project/Calculo.h"
#include "project/Memoria.h"
#include "project/MemoriaTexto.h"

namespace korvex::pruebas {
namespace {

// Index of the first text that contains `buscado` (or ends with it), or -1.
int Donde(const std::vector<std::string>& t, const std::string& buscado, bool alFinal = false) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (alFinal ? t[i].ends_with(buscado) : t[i].find(buscado) != std::string::npos)
            return static_cast<int>(i);
    }
    return -1;
}

TEST(MemoriaDeCalculo, FormatosPorMagnitud) {
    using namespace memoria;
    const std::tuple<double, int, const char*> cifras[] = {
        {0, 4, "0"},
        {0.0871034, 4, "0.0871"},
        {0.00205882, 4, "0.002059"},
        {0.85, 4, "0.85"},
        {46, 4, "46"},
        {9.33264, 4, "9.333"},
        {218819.8, 4, "218,820"},
        {0.0037271, 5, "0.0037271"},
        {1.2345e-5, 4, "1.235×10^{-5}"},
        {-9.99996e-6, 4, "-1×10^{-5}"},
        {0.000999, 3, "9.99×10^{-4}"},
        {0.99996, 4, "1"},
    };
    for (const auto& [v, n, texto] : cifras) EXPECT_EQ(Cifras(v, n), texto) << v;
    // Halves away from zero as the number is read: a Single from its
    // shortest digits, like the screen. (F2 and F3 are the patterns of the
    // format table; their use shows in the steps below.)
    EXPECT_EQ(Cifras(0.02345f, 3), "0.0235");
    EXPECT_EQ(Cifras(2.675, 3), "2.68");
    EXPECT_EQ(Entero(1234567.4), "1,234,567");
    EXPECT_EQ(Entero(-0.4), "0");
    EXPECT_EQ(TextoPlano("A_{s,mín} = 4.66 cm^{2}"), "As,mín = 4.66 cm2");
}

// A record filled by hand, only with what the checks read, for the T example
// (bf 60, hf 10, bw 25, hw 40, f'c 210, fy 4200, d 46, d' 4): M(-) = -20 Tn.m
// on the web; M(+) = 60 Tn.m below the flange, a steel couple for M3.
PasosCalculo RegistroT() {
    PasosCalculo s;
    s.negativaPrimero = true;
    PasoFlexion base;
    std::tie(base.calculado, base.d, base.dp, base.fc, base.fy) =
        std::tuple(true, 46, 4, 210, 4200);
    std::tie(base.beta1, base.epsY, base.rhoBalanceada, base.RnMax) =
        std::tuple(0.85f, 0.00205882f, 0.021423f, 0.260602f);

    PasoFlexion& n = s.flexionNeg = base;
    std::tie(n.M, n.Mu, n.b) = std::tuple(-20, 2000000, 25);
    std::tie(n.Rn, n.omega, n.AsRequerido) = std::tuple(0.200038f, 0.231586f, 13.3162f);

    PasoFlexion& p = s.flexionPos = base;
    std::tie(p.M, p.Mu, p.b) = std::tuple(60, 6000000, 60);
    std::tie(p.conAla, p.hf, p.bw, p.comportamiento) = std::tuple(true, 10, 25, Comportamiento::T);
    std::tie(p.Asf, p.At, p.phiMcap) = std::tuple(14.875f, 30.8518f, 5976691.6f);
    std::tie(p.M3, p.As3, p.fsCompresion, p.Asc) = std::tuple(23308.4f, 0.146815f, 4200, 0.153332f);
    p.AsRequerido = p.As = 45.8736f;

    PasoCortante& c = s.cortante;
    std::tie(c.calculado, c.smax, c.diametro, c.sMinimo) = std::tuple(true, 11.5f, "3/8", 68.41f);
    std::tie(c.conResistencia, c.sResistencia, c.s, c.texto) =
        std::tuple(true, 10.55f, 10.55f, "3/8@10");

    s.varillas[0].conCapacidad = true;  // and phi Mn short of Mu

    PasoDeflexion& d = s.deflexion;
    std::tie(d.calculado, d.positiva.calculado, d.positiva.Ie, d.FlechaEfectiva) =
        std::tuple(true, true, 251234, 0.0123f);
    std::tie(d.uso, d.relacionLuz, d.limite, d.limiteMostrado) =
        std::tuple(3, 480, 8.0 / 480, 0.017f);
    std::tie(d.largoPlazo, d.lambda, d.FlechaComparada, d.excede) =
        std::tuple(true, 1.97f, 0.02423f, true);
    // The three zones of the example: 1.5 m cantilevers (l = 3 m) and the 5 m span.
    auto zona = [](int z, float largo, float l, float delta, float lp, bool excede) {
        PasoZonaDeflexion x;
        std::tie(x.zona, x.longitud, x.luzReferencia, x.FlechaEfectiva, x.FlechaComparada, x.limite,
                 x.excede) = std::tuple(z, largo, l, delta, lp, l / 480.0, excede);
        return x;
    };
    d.zonas = {zona(kVueloIzquierdo, 1.5f, 3, 0.0123f, 0.02423f, true),
               zona(kTramo, 5, 5, 0.005f, 0.00985f, false),
               zona(kVueloDerecho, 1.5f, 3, 0.004f, 0.00788f, true)};
    d.gobierna = 0;

    s.avisos = {{"Primer aviso", "La viga falla", kEstiloInformacion},
                {"Segundo aviso", "Advertencia", kEstiloInformacion}};
    return s;
}

// The parts follow the design; each step prints the recorded numbers, and
// each check its verdict.
TEST(MemoriaDeCalculo, PartesEnElOrdenDelDisenoConLosNumerosDelRegistro) {
    ProyectoCalculado p = Abierto("viga_t_vuelos.kvx");
    p.r.Pasos = RegistroT();
    p.r.Armado.clear();  // no bars placed: the part of the arrangement has its own tests
    const std::vector<Bloque> b = ConstruirMemoria(p, p.r);
    const std::vector<std::string> t = TextosMemoria(b, " | ");

    // The example without the arrangements: their notice is the first warning.
    int anterior = -1;
    for (const std::string& parte : std::vector<std::string>{
             "1. Datos", "2. Análisis", "3. Criterios de diseño", "4. Diseño a flexión",
             "4.1 Momento negativo M(−)", "4.2 Momento positivo M(+)", "5. Diseño a cortante",
             "6. Varillas", "7. Deflexiones", "8. Avisos",
             "1. Alternancia de la carga viva: " + AvisoAlternanciaInforme(p, p.r),
             "2. La viga falla: Primer aviso", "3. Advertencia: Segundo aviso"}) {
        const int i = Donde(t, parte);
        EXPECT_GT(i, anterior) << parte;
        anterior = i;
    }
    // Each step's substitution and result, to the end of the text.
    for (const char* paso : {
             "|-20| × 100,000 = 2,000,000 Kgr·cm",
             "0.85 − (210 − 280) / 1400, entre 0.65 y 0.85 = 0.85",
             "0.85 × 0.85 × (210 / 4200) × 0.003 / (0.003 + 0.002059) = 0.02142",
             "2,000,000 / (0.9 × 210 × 25 × 462) = 0.2",
             "Rn = 0.2 ≤ Rn,máx = 0.2606: sección simplemente armada, A's = 0.",
             "0.2316 × (210 / 4200) × 25 × 46 = 13.316 cm2",
             "0.85 × 210 × 10 × (60 − 25) / 4200 = 14.875 cm2",
             "6,000,000 − 5,976,692 = 23,308 Kgr·cm",
             "23,308 / (0.9 × (4200 − 0.85 × 210) × (46 − 4)) = 0.153 cm2",
             "30.852 + 14.875 + 0.147 = 45.874 cm2",
             "As = 45.874 cm2 en tracción y A's = 0.153 cm2 en compresión.",
             "mín(11.50, 68.41, 10.55) = 10.55 cm",
             "Estribos: 3/8@10 (diámetro 3/8\" a 10.55 cm, separación truncada a centímetros "
             "enteros).",
             "= 251,234 cm4 = 0.0025123 m4",
             "máx(0, 0) = 0.0123 m",
             "2 × 1.5 = 3 m",
             "3 / 480 = 0.00625 m",
             "1.97 × 0.0123 = 0.02423 m",
             "6.5 − 1.5 = 5 m",
             "5 / 480 = 0.01042 m",
             "El voladizo izquierdo y el voladizo derecho sobrepasan la deflexión máxima "
             "estipulada por el Código ACI (American Concrete Institute).",
         }) {
        EXPECT_GE(Donde(t, paso, true), 0) << paso;
    }

    // Verdicts, in the order of the checks.
    std::vector<std::pair<std::string, Veredicto>> veredictos;
    for (const Bloque& x : b) {
        if (auto* f = std::get_if<FormulaMemoria>(&x); f && f->veredicto != Veredicto::Ninguno) {
            veredictos.push_back({TextoPlano(f->simbolos), f->veredicto});
        }
    }
    const std::vector<std::pair<std::string, Veredicto>> esperados = {
        {"Rn ≤ 0.425", Veredicto::Cumple},   {"Rn ≤ 0.425", Veredicto::Cumple},
        {"Rnw ≤ 0.425", Veredicto::Cumple},  {"Vs ≤ Vs,máx", Veredicto::Cumple},
        {"s ≤ smáx", Veredicto::Cumple},     {"φMn ≥ Mu", Veredicto::NoCumple},
        {"δlp ≤ δadm", Veredicto::NoCumple}, {"δlp ≤ δadm", Veredicto::Cumple},
        {"δlp ≤ δadm", Veredicto::NoCumple},
    };
    EXPECT_EQ(veredictos, esperados);

    // The positive moment designed first is written first.
    p.r.Pasos.negativaPrimero = false;
    const std::vector<std::string> t2 = TextosMemoria(ConstruirMemoria(p, p.r), " | ");
    EXPECT_LT(Donde(t2, "4.1 Momento positivo M(+)"), Donde(t2, "4.2 Momento negativo M(−)"));
}

// An insufficient section ends the design chapter at its failing check (the
// first moment designed, the flange width, the T web or an impossible steel
// couple); the warnings follow it.
TEST(MemoriaDeCalculo, UnaSeccionInsuficienteTerminaElDiseno) {
    const std::pair<Parada, const char*> casos[] = {{Parada::Rn, "Rn ≤ 0.425"},
                                                    {Parada::Ala, "Rn ≤ 0.425"},
                                                    {Parada::Alma, "Rnw ≤ 0.425"},
                                                    {Parada::Acero, "f's > 0.85 f'c y d > d'"}};
    for (const auto& [parada, simbolo] : casos) {
        SCOPED_TRACE(static_cast<int>(parada));
        ProyectoCalculado p = Abierto("viga_t_vuelos.kvx");
        PasosCalculo& s = p.r.Pasos = RegistroT();
        const bool primero = parada == Parada::Rn;  // M(-): M(+) was never designed
        if (primero) s.flexionPos = PasoFlexion{};
        PasoFlexion& f = primero ? s.flexionNeg : s.flexionPos;
        f.suficiente = false;
        f.parada = parada;
        const std::vector<Bloque> b = ConstruirMemoria(p, p.r);
        const std::vector<std::string> t = TextosMemoria(b, " | ");
        // The design chapter ends where the warnings begin.
        const std::size_t fin = IndiceTitulo(b, "5. Avisos");
        ASSERT_TRUE(fin >= 2 && fin < b.size());
        auto* detiene = std::get_if<Parrafo>(&b[fin - 1]);
        auto* prueba = std::get_if<FormulaMemoria>(&b[fin - 2]);
        ASSERT_TRUE(detiene && prueba);
        EXPECT_NE(detiene->texto.find("el diseño se detiene aquí"), std::string::npos);
        EXPECT_EQ(TextoPlano(prueba->simbolos), simbolo);
        EXPECT_EQ(prueba->veredicto, Veredicto::NoCumple);
        const char* titulo = primero ? "4.1 Momento negativo M(−)" : "4.2 Momento positivo M(+)";
        EXPECT_GT(Donde(t, titulo), Donde(t, "4. Diseño a flexión"));
        EXPECT_EQ(Titulos(b),
                  (std::vector<std::string>{"1. Datos", "2. Análisis", "3. Criterios de diseño",
                                            "4. Diseño a flexión", "5. Avisos"}));
        EXPECT_GE(Donde(t, "2. La viga falla: Primer aviso"), 0);
    }
}

// Nine loads of every kind on a beam with cantilevers and live-load arrangements:
// the load table, the extremes, the diagrams and the tenths, from the result.
TEST(MemoriaDeCalculo, DatosYAnalisisTomadosDelEstado) {
    ProyectoCalculado p = Abierto("viga_t_vuelos.kvx", true);
    const ResultadoCalculo& e = p.r;
    ASSERT_TRUE(p.estado.AlternanciaViva && e.Envolvente.calculada);
    const std::vector<Bloque> b = ConstruirMemoria(p, p.r);
    const std::vector<std::string> t = TextosMemoria(b, " | ");

    EXPECT_GE(Donde(t, "1 | Distribuida | Muerta | 0 | 8 | 2 | 2 | Tn/m | 1.4"), 0);
    EXPECT_GE(Donde(t, "3 | Puntual | Viva | 0 | — | 3 | — | Tn | 1.7"), 0);
    EXPECT_GE(Donde(t, "6 | Momento | Muerta | 3 | — | -1.5 | — | Tn·m | 1.4"), 0);
    EXPECT_GE(Donde(t, "5 | Momento | Otros | 4 | — | 2 | — | Tn·m | 1.0"), 0);

    // The extremes with their abscissas; the live load of M(+) on the span.
    using memoria::F2;
    EXPECT_GE(Donde(t, F2(e.Posiciones.MomentoPosMax) + " | tramo"), 0);
    const PosicionExtremos& x = e.Posiciones;
    const std::tuple<const char*, std::string, float> extremos[] = {
        {"Cortante máximo Vmáx | ", F2(e.CortanteMax) + " | Tn", x.CortanteMax},
        {"Cortante mínimo Vmín | ", F2(e.CortanteMin) + " | Tn", x.CortanteMin},
        {"Cortante máximo absoluto |V|máx | ", F2(e.CortanteMaxAbs) + " | Tn", x.CortanteMaxAbs},
        {"Momento positivo máximo M(+) | ", F2(e.MomentoPosMax) + " | Tn·m", x.MomentoPosMax},
        {"Momento negativo máximo M(−) | ", F2(e.MomentoNegMax) + " | Tn·m", x.MomentoNegMax},
        {"Momento máximo absoluto |M|máx | ", F2(e.MomentoMaxAbs) + " | Tn·m", x.MomentoMaxAbs},
        {"Giro máximo |θ|máx (servicio) | ", memoria::Cifras(e.GiroMax) + " | rad", x.GiroMax},
        {"Flecha por inercia |δ·I|máx (servicio) | ", memoria::Cifras(e.FlechaMax) + " | m5",
         x.FlechaMax},
    };
    for (const auto& [nombre, valor, abscisa] : extremos) {
        const std::string fila = nombre + TextoPlano(valor) + " | " + F2(abscisa) + " | ";
        EXPECT_GE(Donde(t, fila), 0) << fila;
    }

    // Tenths of the beam from the sampled diagrams, with the envelope.
    const TablaMemoria* decimos = nullptr;
    std::vector<const FiguraDiagrama*> figuras;
    for (const Bloque& x : b) {
        if (auto* tabla = std::get_if<TablaMemoria>(&x); tabla && tabla->encabezado[0] == "Punto") {
            decimos = tabla;
        }
        if (auto* f = std::get_if<FiguraDiagrama>(&x)) figuras.push_back(f);
    }
    ASSERT_NE(decimos, nullptr);
    ASSERT_EQ(decimos->filas.size(), 11u);
    ASSERT_EQ(decimos->encabezado.size(), 8u);
    // x = 4 m is station 401; its values, the moment in the displayed sign.
    const auto& mitad = decimos->filas[5];
    EXPECT_EQ(std::tie(mitad[1], mitad[2], mitad[3], mitad[6]),
              std::tuple(F2(e.DiagX[401]), F2(e.DiagCortante[401]), F2(-e.DiagMomento[401]),
                         F2(-e.Envolvente.MomentoMin[401])));

    // Each support's factored reaction over the arrangements, worked by hand in
    // the calculation workflow's deflection-by-zone test: J 25.923 with live on
    // the left cantilever and the span, 11.728 on the right alone.
    EXPECT_GE(Donde(t, "J | 25.923 | vuelo izquierdo, tramo | 11.728 | vuelo derecho"), 0);
    EXPECT_GE(Donde(t, "K | 25.973 | tramo, vuelo derecho | 16.878 | vuelo izquierdo"), 0);

    // Every figure's envelope holds its all-loaded curve, each side in its own
    // sign (no mirrored rotation or deflection); the fifth is the moment again
    // under phi Mn of the bars.
    ASSERT_EQ(figuras.size(), 5u);
    for (const FiguraDiagrama* f : figuras) {
        EXPECT_EQ(f->x.size(), static_cast<std::size_t>(e.NumEstaciones)) << f->titulo;
        ASSERT_TRUE(f->yMax.size() == f->x.size() && f->yMin.size() == f->x.size()) << f->titulo;
        for (std::size_t k = 0; k < f->x.size(); ++k) {
            ASSERT_TRUE(f->yMin[k] <= f->y[k] && f->y[k] <= f->yMax[k]) << f->titulo << " " << k;
        }
    }
    // At x = 4 (hand values of that test, m5): permanent -1.13726e-6, live on
    // the left cantilever +4.01658e-6, on the span -3.71905e-6, on the right
    // +0.80332e-6. Highest: both cantilevers, 3.68264e-6 upward; lowest: the
    // span, -4.85631e-6 (axis in 10^-6 m5).
    EXPECT_NEAR(figuras[3]->yMax[400], 3.68264, 2e-4);
    EXPECT_NEAR(figuras[3]->yMin[400], -4.85631, 2e-4);
    EXPECT_DOUBLE_EQ(figuras[1]->y[100], -e.DiagMomento[101]);
    EXPECT_TRUE(figuras[1]->positivoAbajo);
    EXPECT_EQ(figuras[1]->marcas[0].x, e.Posiciones.MomentoPosMax);

    // Without a calculation there is nothing to report.
    EXPECT_TRUE(ConstruirMemoria(Proyecto{}, ResultadoCalculo{}).empty());
}

// Live loads of 10 Tn at both tips of an 8 m beam on supports at 1.5 and
// 6.5: 1.7 x 10 x 1.5 = 25.5 Tn.m of hogging over the span against 1.4 x 0.5
// x 25 / 8 = 2.19 Tn.m of sagging from a dead 0.5 Tn/m (plus the self weight,
// 1.4 x 0.3 x 25 / 8 = 1.31): the whole span hogs with everything loaded.
TEST(MemoriaDeCalculo, TramoEnteroEnMomentoNegativo) {
    const ProyectoCalculado p = Calcular(Rectangular(
        8, 25, 50,
        {Puntual(0, 10, kViva, 8), Puntual(8, 10, kViva, 8), Uniforme(0, 8, 0.5f, kMuerta, 8)},
        1.5f, 6.5f));
    // Live load on the span alone: with it or without it (the self weight sags
    // the span 1.4 x 0.3 x 25 / 8 = 1.31 against 0.47 over the supports) the
    // middle of the span sags.
    const ProyectoCalculado q =
        Calcular(Rectangular(8, 25, 50, {Uniforme(1.5f, 5, 2, kViva, 8)}, 1.5f, 6.5f));
    const std::string frase =
        "Con carga viva en vuelo izquierdo, vuelo derecho, todo el tramo entre apoyos queda con "
        "momento negativo: el acero superior debe correr sobre todo el tramo.";
    EXPECT_GE(Donde(TextosMemoria(ConstruirMemoria(p, p.r), " | "), frase), 0);
    EXPECT_LT(Donde(TextosMemoria(ConstruirMemoria(q, q.r), " | "), "todo el tramo"), 0);
}

}  // namespace
}  // namespace korvex::pruebas
