// The project file: round trips, every accepted notation, every refusal of
// the reader (with the project left exactly as it was) and of the writer.
// Files on disk: test_disco.cpp.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <sstream>
#include <tuple>

#include "project/ArchivoKvx.h"
#include "project/Texto1252.h"
#include "text/Numeros.h"

namespace korvex {
namespace {

// The 6 m rectangular beam with one point load.
const std::string kCabecera =
    "6,\"210\",\"2800\",\"4\",\"25\",\"\",\"50\",\"\",0,0,50,0,0,0,1,#FALSE#,#FALSE#,#TRUE#,"
    "#FALSE#,#TRUE#,#FALSE#,-2147483633,#FALSE#,-2147483633,#FALSE#,-2147483633,#TRUE#,"
    "#FALSE#,#FALSE#,#FALSE#,-2147483633,#FALSE#,-2147483633,#FALSE#,#FALSE#,\"Viga_Rect\","
    "46,\"\",\"6\",0,6,#FALSE#";
const std::string kCarga = "3,0,3,10,0,3,1,1";
const std::string kArchivo = kCabecera + "\r\n" + kCarga + "\r\n";

// The 42 raw fields of a header (no field of kCabecera holds a comma).
std::vector<std::string> Campos(const std::string& linea) {
    std::vector<std::string> c;
    std::stringstream s(linea);
    for (std::string x; std::getline(s, x, ',');) c.push_back(x);
    return c;
}
std::string Unir(const std::vector<std::string>& c) {
    std::string s;
    for (std::size_t i = 0; i < c.size(); ++i) s += (i ? "," : "") + c[i];
    return s;
}
// kArchivo with header field k (1-based) replaced.
std::string ConCampo(int k, const std::string& valor) {
    auto c = Campos(kCabecera);
    c[static_cast<std::size_t>(k - 1)] = valor;
    return Unir(c) + "\r\n" + kCarga + "\r\n";
}

// A project with values beyond the file's in it, so that a refusal that
// touched anything would show.
Proyecto ProyectoConResultados() {
    Proyecto p;
    EXPECT_FALSE(LeerKvx(kArchivo, p));
    p.estado.AreaSeccion = 1250;
    p.estado.ModuloElasticidad = 2188197;
    p.materiales.UsoDeflexion = 3;
    return p;
}

TEST(ArchivoKvx, EjemploDeLaViga6mSeLeeYSeEscribeIgual) {
    Proyecto p;
    ASSERT_FALSE(LeerKvx(kArchivo, p));
    std::string bytes;
    ASSERT_FALSE(EscribirKvx(p, bytes));
    EXPECT_EQ(bytes, kArchivo);  // CR LF, quotes, #TRUE#/#FALSE#, signed colours
    // Each field lands in its own variable.
    EXPECT_EQ(p.estado.Cargas.at(1), (Carga{3, 0, 3, 10, 0, 3, kPuntual, kViva}));
    EXPECT_EQ(std::tie(p.estado.LuzViga, p.estado.NumCargas, p.estado.PeralteEfectivo),
              std::make_tuple(6.0f, 1, 46.0f));
    EXPECT_EQ(p.seccion.TipoViga + p.seccion.txtB + p.seccion.txtH + p.ventana.txtK,
              "Viga_Rect25506");
    EXPECT_TRUE(p.ventana.optPuntual && p.ventana.optViva && !p.ventana.txtL_Enabled);
    EXPECT_EQ(p.ventana.txtL_BackColor, kColorBoton);

    // The live-load arrangements on: one record more after the loads, which
    // reads back as the option; off, the bytes above.
    EXPECT_FALSE(p.estado.AlternanciaViva);
    p.estado.AlternanciaViva = true;
    ASSERT_FALSE(EscribirKvx(p, bytes));
    EXPECT_EQ(bytes, kArchivo + "\"Opciones\",1\r\n");
    Proyecto q;
    ASSERT_FALSE(LeerKvx(bytes, q));
    EXPECT_EQ(q, p);
    ASSERT_FALSE(LeerKvx(kArchivo, q));
    EXPECT_FALSE(q.estado.AlternanciaViva);  // the file decides
}

// Rules other than the classic ones, a sustained live load or a chosen
// stirrup bar extend the options record with the rules' key, the percentage
// and the bar; each reads back exactly, and a file without the record takes
// the defaults again (no bar: the first calculation asks for it).
TEST(ArchivoKvx, NormaYCargaVivaSostenidaEnElRegistroDeOpciones) {
    using D = DiametroEstribo;
    const std::tuple<bool, const char*, float, D, std::string> casos[] = {
        {false, "aci318-19", 30.0f, D::SinElegir, "\"Opciones\",0,\"aci318-19\",30"},
        {true, "aci318-19", 0.0f, D::SinElegir, "\"Opciones\",1,\"aci318-19\",0"},
        {false, "clasica", 12.5f, D::SinElegir, "\"Opciones\",0,\"clasica\",12.5"},
        {false, "clasica", 0.0f, D::MedioPulgada, "\"Opciones\",0,\"clasica\",0,\"1/2\""},
        {true, "aci318-19", 30.0f, D::TresOctavos, "\"Opciones\",1,\"aci318-19\",30,\"3/8\""},
    };
    for (const auto& [alternancia, norma, sostenida, estribo, registro] : casos) {
        SCOPED_TRACE(registro);
        Proyecto p;
        ASSERT_FALSE(LeerKvx(kArchivo, p));
        p.estado.AlternanciaViva = alternancia;
        p.estado.Norma = norma;
        p.estado.VivaSostenida = sostenida;
        p.estado.Estribo = estribo;
        std::string bytes;
        ASSERT_FALSE(EscribirKvx(p, bytes));
        EXPECT_EQ(bytes, kArchivo + registro + "\r\n");
        Proyecto q;
        ASSERT_FALSE(LeerKvx(bytes, q));
        EXPECT_EQ(q, p);
        ASSERT_FALSE(LeerKvx(kArchivo, q));
        EXPECT_EQ(std::tie(q.estado.Norma, q.estado.VivaSostenida, q.estado.AlternanciaViva,
                           q.estado.Estribo),
                  std::make_tuple(std::string("clasica"), 0.0f, false, D::SinElegir));
    }
}

// The clear cover other than 4 cm is a sixth field of the options record
// (with "" for a stirrup bar not chosen yet); the user's bars are one record
// per face after it, or after the loads when every option is at its default.
// Each reads back exactly; without them the file gives 4 cm and the
// program's bars.
TEST(ArchivoKvx, RecubrimientoLibreYVarillasDelUsuario) {
    using D = DiametroEstribo;
    using B = std::optional<BarrasUsuario>;
    const std::tuple<float, D, B, B, std::string> casos[] = {
        {5.5f, D::SinElegir, {}, {}, "\"Opciones\",0,\"clasica\",0,\"\",5.5\r\n"},
        {0.0f, D::MedioPulgada, {}, {}, "\"Opciones\",0,\"clasica\",0,\"1/2\",0\r\n"},
        {4.0f, D::SinElegir, BarrasUsuario{1, 5}, {}, "\"Barras\",\"inferior\",\"3/4\",5\r\n"},
        {4.0f, D::TresOctavos, BarrasUsuario{0, 3}, BarrasUsuario{3, 100},
         "\"Opciones\",0,\"clasica\",0,\"3/8\"\r\n\"Barras\",\"inferior\",\"1\",3\r\n"
         "\"Barras\",\"superior\",\"3/8\",100\r\n"},
        {3.0f,
         D::SinElegir,
         {},
         BarrasUsuario{2, 2},
         "\"Opciones\",0,\"clasica\",0,\"\",3\r\n\"Barras\",\"superior\",\"1/2\",2\r\n"},
    };
    for (const auto& [libre, estribo, inferior, superior, registros] : casos) {
        SCOPED_TRACE(registros);
        Proyecto p;
        ASSERT_FALSE(LeerKvx(kArchivo, p));
        p.estado.RecubrimientoLibre = libre;
        p.estado.Estribo = estribo;
        p.estado.BarrasInferior = inferior;
        p.estado.BarrasSuperior = superior;
        std::string bytes;
        ASSERT_FALSE(EscribirKvx(p, bytes));
        EXPECT_EQ(bytes, kArchivo + registros);
        Proyecto q;
        ASSERT_FALSE(LeerKvx(bytes, q));
        EXPECT_EQ(q, p);
        ASSERT_FALSE(LeerKvx(kArchivo, q));  // a file of today over it
        EXPECT_EQ(
            std::tie(q.estado.RecubrimientoLibre, q.estado.BarrasInferior, q.estado.BarrasSuperior),
            std::make_tuple(4.0f, B{}, B{}));
    }
}

// Projects of every kind: each section type and none, cantilevers, every load
// type and category, random window flags, Singles of any bits, no loads.
Proyecto Generado(std::mt19937& g, int caso) {
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    auto redondo = [&](float max, int dec) {
        const float f = std::pow(10.0f, static_cast<float>(dec));
        return std::round(u(g) * max * f) / f;
    };
    Proyecto p;
    EstadoProyecto& e = p.estado;
    Seccion& s = p.seccion;
    const char* tipos[] = {kVigaRect, kVigaT, kVigaTi, ""};
    s.TipoViga = tipos[caso % 4];
    s.txtB = std::to_string(20 + caso);
    s.txtH = "5" + std::to_string(caso % 10);
    s.txtBw = s.txtHw = caso % 4 == 0 ? "" : "40.5";
    s.Bf = redondo(100, 1);
    s.Bw = redondo(40, 2);
    s.H = redondo(90, 0);
    s.Hf = u(g) * 20;                            // arbitrary bits
    s.Hw = caso == 7 ? 1e-40f : redondo(60, 3);  // a subnormal
    p.materiales.txtFc = caso % 3 ? "210" : "280.5";
    p.materiales.cboFy = caso % 2 ? "2800" : "4200";
    p.materiales.txtRec = caso % 5 == 0 ? "" : "4";
    const bool vuelos = caso % 2 == 1;
    e.LuzViga = std::floor(1 + u(g) * 12 * 100) / 100;
    e.DistJ = vuelos ? redondo(1, 2) : 0;
    e.DistK = vuelos ? e.LuzViga - redondo(1, 2) : e.LuzViga;
    e.PeralteEfectivo = caso % 6 == 0 ? 0 : redondo(100, 2);
    EstadoVentanaCargas& v = p.ventana;
    v.Check_Vuelo = vuelos;
    v.txtJ = vuelos ? texto::TextoSimple(e.DistJ) : "";
    v.txtK = texto::TextoSimple(e.DistK);
    for (bool* b : {&v.Check_Vuelo_Enabled, &v.optDistribuida, &v.optMomento, &v.optPuntual,
                    &v.optMuerta, &v.optViva, &v.txtB_Enabled, &v.txtL_Enabled, &v.txtP2_Enabled,
                    &v.lblB_Enabled, &v.lblL_Enabled, &v.lblP2_Enabled, &v.txtJ_Enabled,
                    &v.txtK_Enabled, &v.lblj_Enabled, &v.lblk_Enabled})
        *b = u(g) < 0.5f;
    for (std::int32_t* c : {&v.txtB_BackColor, &v.txtL_BackColor, &v.txtP2_BackColor,
                            &v.txtJ_BackColor, &v.txtK_BackColor})
        *c = u(g) < 0.5f ? kColorVentana : kColorBoton;

    const int n = caso == 0 ? 0 : 1 + static_cast<int>(u(g) * 12);
    for (int i = 1; i <= n; ++i) {
        Carga c;
        c.Tipo = static_cast<float>(1 + (i + caso) % 3);
        c.Categoria = static_cast<float>(1 + (i * 7 + caso) % 3);
        c.A = redondo(e.LuzViga, 2);
        c.B = c.Tipo == kDistribuida ? redondo(e.LuzViga - c.A, 2) : 0;
        c.C = e.LuzViga - c.A - c.B;
        c.Fin = c.A + c.B;
        c.P1 = (c.Tipo == kDistribuida ? 1 : -1 + 2 * u(g)) * redondo(20, 3);  // negative moments
        c.P2 = c.Tipo == kDistribuida ? u(g) * 5 : 0;
        if (caso == 9 && i <= 2) c.P1 = i == 1 ? 3.4028235e38f : -1.17549435e-38f;
        AgregarCarga(e, c);
    }
    return p;
}

TEST(ArchivoKvx, IdaYVueltaDeProyectosGeneradosDaLosMismosBytesYElMismoProyecto) {
    std::mt19937 g(20240917);
    for (int caso = 0; caso < 40; ++caso) {
        SCOPED_TRACE("caso " + std::to_string(caso));
        const Proyecto p = Generado(g, caso);
        std::string primera, segunda;
        ASSERT_FALSE(EscribirKvx(p, primera));
        Proyecto r = p;
        ASSERT_FALSE(LeerKvx(primera, r));
        EXPECT_EQ(r, p);
        // Read over other values and loads: the same bytes come out again, so
        // every stored field was replaced.
        Proyecto q = ProyectoConResultados();
        ASSERT_FALSE(LeerKvx(primera, q));
        EXPECT_EQ(q.estado.Cargas, p.estado.Cargas);
        ASSERT_FALSE(EscribirKvx(q, segunda));
        EXPECT_EQ(segunda, primera);
    }
}

TEST(ArchivoKvx, CadaSingleFinitoVuelveConLosMismosBitsSinExponente) {
    for (float v : {-0.0f, 0.1f, 1.0f / 3, 1e-45f, 1.17549435e-38f, 3.4028235e38f, -3.4028235e38f,
                    16777217.0f, 7.1e-8f}) {
        Proyecto p, q;
        p.estado.LuzViga = v;
        std::string bytes;
        ASSERT_FALSE(EscribirKvx(p, bytes));
        const std::string primero = bytes.substr(0, bytes.find(','));
        EXPECT_EQ(primero.find_first_of("eE"), std::string::npos) << primero;
        ASSERT_FALSE(LeerKvx(bytes, q)) << primero;
        EXPECT_EQ(std::memcmp(&q.estado.LuzViga, &v, sizeof v), 0) << texto::TextoSimple(v);
    }
}

TEST(ArchivoKvx, AceptaTodaFormaDeNumeroFinDeLineaYBlancos) {
    // LF only, no final line end, blanks around fields, ".5", "-.5", "1E+07",
    // "2.5E-03", "+3", lower-case Booleans, a Windows-1252 "é" and "ñ", a comma
    // inside a quoted text.
    auto c = Campos(kCabecera);
    const std::pair<std::size_t, const char*> cambios[] = {
        {0, " 6.00 "},         {1, " \"210 \xE9\" "}, {8, ".5"},  {9, "-.5"},
        {10, "1E+07"},         {11, "2.5E-03"},       {12, "+3"}, {15, " #true# "},
        {37, "\"a\xF1o, 2\""}, {39, "\t0\t"}};
    for (const auto& [i, valor] : cambios) c[i] = valor;
    Proyecto p;
    const auto m = LeerKvx(Unir(c) + "\n 3 , 0 ,3,1E1,.0,3.,1,1", p);
    ASSERT_FALSE(m) << m->texto;
    EXPECT_EQ(p.estado.LuzViga, 6.0f);
    EXPECT_EQ(p.materiales.txtFc, "210 \xC3\xA9");  // UTF-8 inside the program, blank kept
    EXPECT_EQ(std::tie(p.seccion.Bf, p.seccion.Bw, p.seccion.H, p.seccion.Hf, p.seccion.Hw),
              std::make_tuple(0.5f, -0.5f, 1e7f, 2.5e-3f, 3.0f));
    EXPECT_TRUE(p.ventana.optDistribuida);
    EXPECT_EQ(p.ventana.txtJ, "a\xC3\xB1o, 2");
    EXPECT_EQ(p.estado.Cargas.at(1), (Carga{3, 0, 3, 10, 0, 3, kPuntual, kViva}));
    // Written back in the code page: é is byte E9, ñ is F1.
    std::string bytes;
    ASSERT_FALSE(EscribirKvx(p, bytes));
    EXPECT_NE(bytes.find("\"210 \xE9\""), std::string::npos);
    EXPECT_NE(bytes.find("\"a\xF1o, 2\""), std::string::npos);
    // CR LF with blank lines after the last record.
    EXPECT_FALSE(LeerKvx(kArchivo + "\r\n  \r\n", p));
    EXPECT_EQ(p.estado.NumCargas, 1);
}

TEST(Texto1252, TodoByteVuelveYLoQueNoCabeSeRechaza) {
    EXPECT_EQ(Utf8DesdeWindows1252("\x80\x93\xF1"), "\xE2\x82\xAC\xE2\x80\x9C\xC3\xB1");
    std::string todos;  // the five undefined bytes 81, 8D, 8F, 90, 9D included
    for (int b = 0; b < 256; ++b) todos.push_back(static_cast<char>(b));
    EXPECT_EQ(Windows1252DesdeUtf8(Utf8DesdeWindows1252(todos)), todos);
    EXPECT_FALSE(Windows1252DesdeUtf8("\xE2\x88\x9A"));  // U+221A, not in the code page
    EXPECT_FALSE(Windows1252DesdeUtf8("\xC3"));          // UTF-8 cut short
    EXPECT_FALSE(Windows1252DesdeUtf8("\xC0\xAF"));      // overlong form
}

TEST(ArchivoKvx, CadaRechazoDelLectorDaUnMensajeYNoTocaElProyecto) {
    auto cortada = Campos(kCabecera);
    cortada.pop_back();
    const std::string L2 = kCabecera + "\r\n", K = kCarga + "\r\n";
    // Name, bytes and the pieces the message must contain.
    const std::tuple<const char*, std::string, std::vector<std::string>> casos[] = {
        {"vacío", "", {"vacío"}},
        {"cabecera cortada", Unir(cortada) + "\r\n" + K, {"línea 1", "41 campos", "incompleta"}},
        {"coma decimal", ConCampo(1, "6,5"), {"línea 1", "43 campos"}},
        {"número mal formado", ConCampo(1, "6x"), {"línea 1, campo 1", "longitud", "\"6x\""}},
        {"número entre comillas", ConCampo(10, "\"25\""), {"campo 10", "comillas"}},
        {"comillas sin cerrar", ConCampo(2, "\"210"), {"línea 1, campo 2"}},
        {"basura tras comillas", ConCampo(3, "\"2800\"x"), {"línea 1, campo 3", "comillas"}},
        {"booleano", ConCampo(16, "#SI#"), {"línea 1, campo 16", "#TRUE#"}},
        {"casilla 2", ConCampo(14, "2"), {"línea 1, campo 14", "entre 0 y 1"}},
        {"cuenta negativa", ConCampo(15, "-1"), {"línea 1, campo 15", "entre 0 y 32767"}},
        {"color fuera de 32 bits", ConCampo(22, "2147483648"), {"línea 1, campo 22"}},
        {"tipo de viga", ConCampo(36, "\"Viga_X\""), {"línea 1, campo 36", "Viga_X"}},
        {"no finito inf", ConCampo(40, "inf"), {"línea 1, campo 40", "finito"}},
        {"fuera de Single", ConCampo(1, "1E+39"), {"línea 1, campo 1", "finito"}},
        {"menos cargas", ConCampo(15, "2"), {"campo 15", "indica 2 cargas", "1 línea de carga"}},
        {"más cargas", kArchivo + K, {"indica 1 carga y", "2 líneas"}},
        {"otro registro tras las cargas", kArchivo + "\"Otros\",1\r\n", {"línea 3", "Opciones"}},
        {"opción con otro valor", kArchivo + "\"Opciones\",2\r\n", {"línea 3", "Opciones"}},
        {"opciones antes de carga", kArchivo + "\"Opciones\",1\r\n" + K, {"línea 4", "Opciones"}},
        {"norma desconocida",
         kArchivo + "\"Opciones\",1,\"aci318-14\",30\r\n",
         {"línea 3, campo 3", "norma de diseño", "\"aci318-14\""}},
        {"sostenida 120 %",
         kArchivo + "\"Opciones\",0,\"aci318-19\",120\r\n",
         {"línea 3, campo 4", "entre 0 y 100", "\"120\""}},
        {"sostenida en texto",
         kArchivo + "\"Opciones\",0,\"aci318-19\",treinta\r\n",
         {"línea 3, campo 4", "sostenida", "\"treinta\""}},
        {"opciones de 3 campos",
         kArchivo + "\"Opciones\",0,\"aci318-19\"\r\n",
         {"línea 3", "3 campos"}},
        {"estribo 5/8",
         kArchivo + "\"Opciones\",0,\"clasica\",0,\"5/8\"\r\n",
         {"línea 3, campo 5", "diámetro de los estribos", "\"5/8\""}},
        {"estribo sin comillas",
         kArchivo + "\"Opciones\",0,\"clasica\",0,3/8\r\n",
         {"línea 3, campo 5", "entre comillas"}},
        {"opciones de 7 campos",
         kArchivo + "\"Opciones\",0,\"clasica\",0,\"3/8\",5,1\r\n",
         {"línea 3", "7 campos"}},
        {"recubrimiento libre negativo",
         kArchivo + "\"Opciones\",0,\"clasica\",0,\"\",-1\r\n",
         {"línea 3, campo 6", "recubrimiento libre", "negativo", "\"-1\""}},
        {"recubrimiento libre en texto",
         kArchivo + "\"Opciones\",0,\"clasica\",0,\"\",x\r\n",
         {"línea 3, campo 6", "recubrimiento libre", "\"x\""}},
        {"estribo vacío sin recubrimiento",
         kArchivo + "\"Opciones\",0,\"clasica\",0,\"\"\r\n",
         {"línea 3, campo 5", "diámetro de los estribos"}},
        {"varillas de cara lateral",
         kArchivo + "\"Barras\",\"lateral\",\"3/4\",5\r\n",
         {"línea 3, campo 2", "cara", "\"lateral\""}},
        {"varilla de 5/8",
         kArchivo + "\"Barras\",\"inferior\",\"5/8\",5\r\n",
         {"línea 3, campo 3", "diámetro", "\"5/8\""}},
        {"una sola varilla",
         kArchivo + "\"Barras\",\"inferior\",\"3/4\",1\r\n",
         {"línea 3, campo 4", "cantidad", "entre 2 y 100"}},
        {"varillas de 3 campos",
         kArchivo + "\"Barras\",\"inferior\",\"3/4\"\r\n",
         {"línea 3", "3 campos"}},
        {"cara repetida",
         kArchivo + "\"Barras\",\"superior\",\"1\",2\r\n\"Barras\",\"superior\",\"1/2\",4\r\n",
         {"línea 4, campo 2", "superior", "ya tiene"}},
        {"varillas antes de opciones",
         kArchivo + "\"Barras\",\"inferior\",\"1\",3\r\n" + "\"Opciones\",1\r\n",
         {"línea 4", "últimos"}},
        {"carga corta", L2 + "3,0,3,10,0,3,1\r\n", {"línea 2", "7 campos"}},
        {"tipo de carga 4", L2 + "3,0,3,10,0,3,4,1\r\n", {"línea 2, campo 7", "tipo"}},
        {"carga no finita", L2 + "3,0,3,1E+40,0,3,1,1\r\n", {"línea 2, campo 4", "finito"}},
        {"línea vacía intermedia", ConCampo(15, "2") + "\r\n" + K, {"línea 3", "vacía"}},
        {"texto con CR suelto", ConCampo(5, "\"2\r5\""), {"línea 1, campo 5", "salto de línea"}},
    };
    for (const auto& [nombre, bytes, dice] : casos) {
        SCOPED_TRACE(nombre);
        Proyecto p = ProyectoConResultados();
        const Proyecto antes = p;
        const std::optional<Mensaje> m = LeerKvx(bytes, p);
        ASSERT_TRUE(m);
        EXPECT_EQ(m->titulo, kTituloAbrir);
        EXPECT_EQ(m->estilo, kEstiloCritico);
        for (const std::string& d : dice)
            EXPECT_NE(m->texto.find(d), std::string::npos) << m->texto;
        EXPECT_EQ(p, antes);
    }
}

// A text with a double quote or a line break, or a value the reader would
// refuse, cannot come back the same: the save is refused naming the field.
TEST(ArchivoKvx, SeNiegaAGuardarLoQueNoPodriaLeerseIgual) {
    const std::pair<std::function<void(Proyecto&)>, const char*> casos[] = {
        {[](Proyecto& p) { p.materiales.txtFc = "2\"10"; }, "f'c"},
        {[](Proyecto& p) { p.ventana.txtK = "6\n"; }, "texto de k"},
        {[](Proyecto& p) { p.seccion.txtB = "25 \xE2\x88\x9A"; }, "Windows-1252"},
        {[](Proyecto& p) { p.estado.LuzViga = INFINITY; }, "longitud"},
        {[](Proyecto& p) { p.estado.Cargas[1].P2 = NAN; }, "P2"},
        {[](Proyecto& p) { p.seccion.TipoViga = "Losa"; }, "Losa"},
        {[](Proyecto& p) { p.ventana.Check_Vuelo = 3; }, "Vuelos"},
        {[](Proyecto& p) { p.estado.Norma = "eurocodigo"; }, "eurocodigo"},
        {[](Proyecto& p) { p.estado.VivaSostenida = -5; }, "sostenida"},
        {[](Proyecto& p) { p.estado.RecubrimientoLibre = NAN; }, "recubrimiento libre"},
        {[](Proyecto& p) {
             p.estado.BarrasSuperior = BarrasUsuario{4, 3};
         },
         "cara superior"},
        {[](Proyecto& p) {
             p.estado.BarrasInferior = BarrasUsuario{0, 1};
         },
         "cara inferior"},
    };
    for (const auto& [estropear, dice] : casos) {
        SCOPED_TRACE(dice);
        Proyecto p;
        ASSERT_FALSE(LeerKvx(kArchivo, p));
        estropear(p);
        std::string bytes = "sin tocar";
        const auto m = EscribirKvx(p, bytes);
        ASSERT_TRUE(m);
        EXPECT_EQ(bytes, "sin tocar");
        EXPECT_EQ(m->titulo, kTituloGuardar);
        EXPECT_NE(m->texto.find(dice), std::string::npos) << m->texto;
    }
}

}  // namespace
}  // namespace korvex
