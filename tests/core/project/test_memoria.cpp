// The calculation report as blocks: its number formats, its parts in the
// order of the design with the recorded numbers, the stop at an insufficient
// section, the whole load table and the analysis read from the diagrams.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <variant>

#include "comun/Memoria.h"
#include "comun/Vigas.h"
#include "project/Calculo.h"
#include "project/Memoria.h"
#include "project/MemoriaTexto.h"

namespace korvex {
namespace {

using pruebas::Ejemplo;

Proyecto Abierto(const char* ejemplo, bool alternancia = false) {
    Proyecto p;
    InterfazRegistro ui;
    const ResultadoApertura r = AbrirProyecto(Ejemplo(ejemplo), p, ui, {}, alternancia);
    EXPECT_TRUE(r.calculo.calculado) << ejemplo;
    return p;
}

std::vector<std::string> Textos(const std::vector<Bloque>& bloques) {
    return pruebas::TextosMemoria(bloques, " | ");
}

// Index of the first text that contains `buscado` (or ends with it), or -1.
int Donde(const std::vector<std::string>& t, const std::string& buscado, bool alFinal = false) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        const std::size_t en = alFinal ? t[i].rfind(buscado) : t[i].find(buscado);
        if (en != std::string::npos && (!alFinal || en + buscado.size() == t[i].size())) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(MemoriaDeCalculo, FormatosPorMagnitud) {
    using namespace memoria;
    const struct {
        double v;
        int cifras;
        const char* texto;
    } cifras[] = {
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
    for (const auto& c : cifras) EXPECT_EQ(Cifras(c.v, c.cifras), c.texto) << c.v;
    // Halves away from zero as the number is read: a Single from its
    // shortest digits, like the screen.
    EXPECT_EQ(Cifras(0.02345f, 3), "0.0235");
    EXPECT_EQ(Cifras(2.675, 3), "2.68");
    EXPECT_EQ(F3(0.0235f), "0.024");
    EXPECT_EQ(Entero(1234567.4), "1,234,567");
    EXPECT_EQ(Entero(-0.4), "0");
    EXPECT_EQ(F3(0.0541), "0.054");
    EXPECT_EQ(F2(-12.655), "-12.66");
    EXPECT_EQ(TextoPlano("A_{s,mín} = 4.66 cm^{2}"), "As,mín = 4.66 cm2");
}

// A record filled by hand for the T example (bf 60, hf 10, bw 25, hw 40,
// f'c 210, fy 4200, d 46, d' 4): M(-) = -20 Tn.m on the web, singly
// reinforced; M(+) = 60 Tn.m with the block below the flange, T behaviour
// with a steel couple for M3 = Mu - phi Mcap. Values from the formulas of the
// design, by hand.
PasosCalculo RegistroT() {
    PasosCalculo s;
    s.negativaPrimero = true;
    PasoFlexion base;
    base.calculado = true;
    base.d = 46;
    base.dp = 4;
    base.fc = 210;
    base.fy = 4200;
    base.beta1 = 0.85f;
    base.epsY = 0.00205882f;
    base.epsLim = 0.0037451f;
    base.k = 0.444767f;
    base.qmax = 0.378052f;
    base.rhoBalanceada = 0.021423f;
    base.rhoMaxima = 0.0160672f;
    base.RnMax = 0.260602f;

    PasoFlexion& n = s.flexionNeg = base;
    n.M = -20;
    n.Mu = 2000000;
    n.b = 25;
    n.Rn = 0.200038f;
    n.a = 12.5329f;
    n.omega = 0.231586f;
    n.AsRequerido = 13.3162f;
    n.AsMin1 = 6.3486f;
    n.AsMin2 = 7.6183f;
    n.AsMin = 7.6183f;
    n.As = 13.3162f;

    PasoFlexion& p = s.flexionPos = base;
    p.M = 60;
    p.Mu = 6000000;
    p.b = 60;
    p.conAla = true;
    p.hf = 10;
    p.bw = 25;
    p.RnAla = 0.250048f;
    p.aAla = 16.4863f;
    p.comportamiento = Comportamiento::T;
    p.Asf = 14.875f;
    p.phiMnf = 2305327.5f;
    p.Mw = 3694672.5f;
    p.Rnw = 0.369537f;
    p.omegaW = 0.542939f;
    p.Asw = 31.219f;
    p.At = 30.8518f;
    p.at = 29.0369f;
    p.phiMt = 3671364.1f;
    p.phiMcap = 5976691.6f;
    p.M3 = 23308.4f;
    p.As3 = 0.146815f;
    p.epsCompresion = 0.00241347f;
    p.fsCompresion = 4200;
    p.Asc = 0.153332f;
    p.AsRequerido = 45.8736f;
    p.AsMin1 = 3.1743f;
    p.AsMin2 = 3.9702f;
    p.AsMin = 3.9702f;
    p.As = 45.8736f;

    PasoCortante& c = s.cortante;
    c.calculado = true;
    c.VuTn = 30;
    c.Vu = 30000;
    c.bv = 25;
    c.d = 46;
    c.fc = 210;
    c.fy = 4200;
    c.Vc = 9165.6f;
    c.phiVcMedio = 3895.4f;
    c.Vs = 26129.7f;
    c.VsMax = 34996.4f;
    c.VsBanda = 18331.2f;
    c.bandaCerrada = true;
    c.smaxGeometrica = 11.5f;
    c.smax = 11.5f;
    c.diametro = "3/8";
    c.Av = 0.7125574f;
    c.sMinimo = 68.41f;
    c.conResistencia = true;
    c.sResistencia = 10.55f;
    c.s = 10.55f;
    c.texto = "3/8@10";

    s.varillas[0].As = 45.8736f;
    s.varillas[0].conCapacidad = true;
    s.varillas[0].AsProvisto = 45.6;
    s.varillas[0].phiMn = 5950000;
    s.varillas[0].resiste = false;

    PasoDeflexion& d = s.deflexion;
    d.calculado = true;
    d.n = 9.32264f;
    d.positiva.calculado = true;
    d.positiva.Ie = 251234;
    d.FlechaEfectiva = 0.0123f;
    d.uso = 3;
    d.relacionLuz = 480;
    d.limite = 8.0 / 480;
    d.limiteMostrado = 0.017f;
    d.largoPlazo = true;
    d.lambda = 1.97f;
    d.FlechaComparada = 0.02423f;
    d.excede = true;

    s.avisos = {{"Primer aviso", "La viga falla", kEstiloInformacion},
                {"Segundo aviso", "Advertencia", kEstiloInformacion}};
    return s;
}

// The parts follow the design; each step prints the recorded numbers, and
// each check its verdict.
TEST(MemoriaDeCalculo, PartesEnElOrdenDelDisenoConLosNumerosDelRegistro) {
    Proyecto p = Abierto("viga_t_vuelos.kvx");
    p.estado.Pasos = RegistroT();
    const std::vector<Bloque> b = ConstruirMemoria(p);
    const std::vector<std::string> t = Textos(b);

    int anterior = -1;
    for (const char* parte :
         {"1. Datos", "2. Análisis", "3. Diseño a flexión", "3.1 Momento negativo M(−)",
          "3.2 Momento positivo M(+)", "4. Diseño a cortante", "5. Varillas", "6. Deflexiones",
          "7. Avisos", "1. La viga falla: Primer aviso", "2. Advertencia: Segundo aviso"}) {
        const int i = Donde(t, parte);
        EXPECT_GT(i, anterior) << parte;
        anterior = i;
    }
    for (const char* paso : {
             "Mu = |M| × 100,000 = |-20| × 100,000 = 2,000,000 Kgr·cm",
             "β1 = 0.85 − (f'c − 280) / 1400, entre 0.65 y 0.85 = 0.85 − (210 − 280) / 1400, "
             "entre 0.65 y 0.85 = 0.85",
             "ρb = 0.85 β1 (f'c / fy) 0.003 / (0.003 + εy) = 0.85 × 0.85 × (210 / 4200) × 0.003 / "
             "(0.003 + 0.002059) = 0.02142",
             "Rn = Mu / (0.9 f'c bw d2) = 2,000,000 / (0.9 × 210 × 25 × 462) = 0.2",
             "As = ω (f'c / fy) bw d = 0.2316 × (210 / 4200) × 25 × 46 = 13.316 cm2",
             "Asf = 0.85 f'c hf (bf − bw) / fy = 0.85 × 210 × 10 × (60 − 25) / 4200 = 14.875 cm2",
             "M3 = Mu − φMcap = 6,000,000 − 5,976,692 = 23,308 Kgr·cm",
             "A's = M3 / (0.9 (f's − 0.85 f'c) (d − d')) = 23,308 / (0.9 × (4200 − 0.85 × 210) "
             "× (46 − 4)) = 0.153 cm2",
             "As = At + Asf + As3 = 30.852 + 14.875 + 0.147 = 45.874 cm2",
             "Resultado, sección M(+): As = 45.874 cm2 en tracción y A's = 0.153 cm2 en "
             "compresión.",
             "s = mín(smáx, smín, sres) = mín(11.50, 68.41, 10.55) = 10.55 cm",
             "Estribos: 3/8@10 (diámetro 3/8\" a 10.55 cm, separación truncada a centímetros "
             "enteros).",
             "= 251,234 cm4 = 0.0025123 m4",
             "δ = máx(δ+, δ−) = máx(0, 0) = 0.0123 m",
             "δadm = L / 480 = 8 / 480 = 0.01667 m (0.017 m en pantalla)",
             "δlp = λ δ = 1.97 × 0.0123 = 0.02423 m",
         }) {
        EXPECT_GE(Donde(t, paso, true), 0) << paso;  // the whole result, not a prefix
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
        {"δlp ≤ δadm", Veredicto::NoCumple},
    };
    EXPECT_EQ(veredictos, esperados);

    // The positive moment designed first is written first.
    p.estado.Pasos.negativaPrimero = false;
    const std::vector<std::string> t2 = Textos(ConstruirMemoria(p));
    EXPECT_LT(Donde(t2, "3.1 Momento positivo M(+)"), Donde(t2, "3.2 Momento negativo M(−)"));
}

// An insufficient section ends the report at its failing check, wherever
// the design stopped.
TEST(MemoriaDeCalculo, UnaSeccionInsuficienteTerminaLaMemoria) {
    const struct {
        const char* caso;
        void (*fallar)(PasosCalculo&);
        const char* simbolo;
        const char* titulo;
    } casos[] = {
        {"R_n del alma, primer momento",
         [](PasosCalculo& s) {
             s.flexionNeg = PasoFlexion{};
             s.flexionNeg.calculado = true;
             s.flexionNeg.suficiente = false;
             s.flexionNeg.parada = Parada::Rn;
             s.flexionNeg.Mu = 5e6;
             s.flexionNeg.Rn = 0.5001f;
             s.flexionPos = PasoFlexion{};
         },
         "Rn ≤ 0.425", "3.1 Momento negativo M(−)"},
        {"R_n con el ancho del ala",
         [](PasosCalculo& s) {
             s.flexionPos.suficiente = false;
             s.flexionPos.parada = Parada::Ala;
             s.flexionPos.RnAla = 0.43f;
         },
         "Rn ≤ 0.425", "3.2 Momento positivo M(+)"},
        {"R_nw del alma de la T",
         [](PasosCalculo& s) {
             s.flexionPos.suficiente = false;
             s.flexionPos.parada = Parada::Alma;
             s.flexionPos.Rnw = 0.4251f;
         },
         "Rnw ≤ 0.425", "3.2 Momento positivo M(+)"},
        {"par de aceros imposible",
         [](PasosCalculo& s) {
             s.flexionPos.suficiente = false;
             s.flexionPos.parada = Parada::Acero;
             s.flexionPos.fsCompresion = 150;
         },
         "f's > 0.85 f'c y d > d'", "3.2 Momento positivo M(+)"},
    };
    for (const auto& c : casos) {
        Proyecto p = Abierto("viga_t_vuelos.kvx");
        p.estado.Pasos = RegistroT();
        c.fallar(p.estado.Pasos);
        const std::vector<Bloque> b = ConstruirMemoria(p);
        const std::vector<std::string> t = Textos(b);
        ASSERT_GE(b.size(), 2u) << c.caso;
        auto* ultimo = std::get_if<Parrafo>(&b.back());
        ASSERT_NE(ultimo, nullptr) << c.caso;
        EXPECT_NE(ultimo->texto.find("el diseño se detiene aquí"), std::string::npos) << c.caso;
        auto* prueba = std::get_if<FormulaMemoria>(&b[b.size() - 2]);
        ASSERT_NE(prueba, nullptr) << c.caso;
        EXPECT_EQ(TextoPlano(prueba->simbolos), c.simbolo) << c.caso;
        EXPECT_EQ(prueba->veredicto, Veredicto::NoCumple) << c.caso;
        EXPECT_GT(Donde(t, c.titulo), Donde(t, "3. Diseño a flexión")) << c.caso;
        EXPECT_EQ(Donde(t, "4. Diseño a cortante"), -1) << c.caso;
        EXPECT_EQ(Donde(t, "Avisos"), -1) << c.caso;
    }
}

// Nine loads of every type and category, on a beam with cantilevers and the
// live-load arrangements on: the load table, the extremes with their
// governing arrangement, the diagrams and the tenths, all from the state.
TEST(MemoriaDeCalculo, DatosYAnalisisTomadosDelEstado) {
    Proyecto p = Abierto("viga_t_vuelos.kvx", true);
    EstadoProyecto& e = p.estado;
    ASSERT_TRUE(e.AlternanciaViva && e.Envolvente.calculada);
    const std::vector<Bloque> b = ConstruirMemoria(p);
    const std::vector<std::string> t = Textos(b);

    EXPECT_GE(Donde(t, "1 | Distribuida | Muerta | 0 | 8 | 2 | 2 | Tn/m | 1.4"), 0);
    EXPECT_GE(Donde(t, "3 | Puntual | Viva | 0 | — | 3 | — | Tn | 1.7"), 0);
    EXPECT_GE(Donde(t, "6 | Momento | Muerta | 3 | — | -1.5 | — | Tn·m | 1.4"), 0);
    EXPECT_GE(Donde(t, "5 | Momento | Otros | 4 | — | 2 | — | Tn·m | 1.0"), 0);

    // The extremes with their abscissas; the live load of M(+) on the span.
    EXPECT_GE(Donde(t, memoria::F2(e.Posiciones.MomentoPosMax) + " | tramo"), 0);
    const PosicionExtremos& x = e.Posiciones;
    const std::tuple<const char*, std::string, float> extremos[] = {
        {"Cortante máximo Vmáx | ", memoria::F2(e.CortanteMax) + " | Tn", x.CortanteMax},
        {"Cortante mínimo Vmín | ", memoria::F2(e.CortanteMin) + " | Tn", x.CortanteMin},
        {"Cortante máximo absoluto |V|máx | ", memoria::F2(e.CortanteMaxAbs) + " | Tn",
         x.CortanteMaxAbs},
        {"Momento positivo máximo M(+) | ", memoria::F2(e.MomentoPosMax) + " | Tn·m",
         x.MomentoPosMax},
        {"Momento negativo máximo M(−) | ", memoria::F2(e.MomentoNegMax) + " | Tn·m",
         x.MomentoNegMax},
        {"Momento máximo absoluto |M|máx | ", memoria::F2(e.MomentoMaxAbs) + " | Tn·m",
         x.MomentoMaxAbs},
        {"Giro máximo |θ|máx (servicio) | ", memoria::Cifras(e.GiroMax) + " | rad", x.GiroMax},
        {"Flecha por inercia |δ·I|máx (servicio) | ", memoria::Cifras(e.FlechaMax) + " | m5",
         x.FlechaMax},
    };
    for (const auto& [nombre, valor, abscisa] : extremos) {
        const std::string fila = nombre + TextoPlano(valor) + " | " + memoria::F2(abscisa) + " | ";
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
    EXPECT_EQ(mitad[1], memoria::F2(e.DiagX[401]));
    EXPECT_EQ(mitad[2], memoria::F2(e.DiagCortante[401]));
    EXPECT_EQ(mitad[3], memoria::F2(-e.DiagMomento[401]));
    EXPECT_EQ(mitad[6], memoria::F2(-e.Envolvente.MomentoMin[401]));

    ASSERT_EQ(figuras.size(), 4u);
    for (const FiguraDiagrama* f : figuras) {
        EXPECT_EQ(f->x.size(), static_cast<std::size_t>(e.NumEstaciones)) << f->titulo;
        EXPECT_EQ(f->yMax.size(), f->x.size()) << f->titulo;
    }
    EXPECT_DOUBLE_EQ(figuras[1]->y[100], -e.DiagMomento[101]);
    EXPECT_TRUE(figuras[1]->positivoAbajo);
    EXPECT_EQ(figuras[1]->marcas[0].x, e.Posiciones.MomentoPosMax);

    // Without a calculation there is nothing to report.
    EXPECT_TRUE(ConstruirMemoria(Proyecto{}).empty());
}

}  // namespace
}  // namespace korvex
