// End-to-end: the built `korvex` run without a display on the example
// projects and on bad files, its JSON parsed and checked against the
// contract and against hand calculations.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Ejecucion {
    int estado = -1;
    std::string salida, error;
};

std::string Leer(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string Comillas(const std::string& s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

class Korvex : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "korvex_e2e_XXXXXX").string();
        dir_ = ::mkdtemp(plantilla.data());
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs korvex with no display of any kind, so that a GUI application
    // created by mistake would fail.
    Ejecucion Correr(const std::vector<std::string>& args) {
        std::string orden =
            "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + Comillas(KORVEX_EXE);
        for (const std::string& a : args) orden += " " + Comillas(a);
        orden += " >" + Comillas((dir_ / "salida").string()) + " 2>" +
                 Comillas((dir_ / "error").string()) + " </dev/null";
        const int r = std::system(orden.c_str());
        Ejecucion e;
        e.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
        e.salida = Leer(dir_ / "salida");
        e.error = Leer(dir_ / "error");
        return e;
    }

    json Json(const std::vector<std::string>& args) {
        const Ejecucion e = Correr(args);
        EXPECT_EQ(e.estado, 0) << e.error;
        EXPECT_TRUE(e.error.empty()) << e.error;
        return json::parse(e.salida);
    }

    std::string Archivo(const std::string& nombre, const std::string& contenido) {
        const fs::path p = dir_ / nombre;
        std::ofstream(p, std::ios::binary) << contenido;
        return p.string();
    }

    fs::path dir_;
};

std::string Ejemplo(const char* nombre) {
    return (fs::path(KORVEX_EJEMPLOS) / nombre).string();
}

// Header of a rectangular beam b x h on end supports of length L with n loads.
std::string Cabecera(const std::string& L, const std::string& b, const std::string& h, int n) {
    return L + ",\"210\",\"2800\",\"4\",\"" + b + "\",\"\",\"" + h + "\",\"\",0,0," + h +
           ",0,0,0," + std::to_string(n) +
           ",#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,-2147483643,#FALSE#,-2147483633,"
           "#TRUE#,-2147483643,#TRUE#,#FALSE#,#TRUE#,#FALSE#,-2147483633,#FALSE#,-2147483633,"
           "#FALSE#,#FALSE#,\"Viga_Rect\",0,\"\",\"" +
           L + "\",0," + L + ",#FALSE#\r\n";
}

// Every key of the JSON contract, and the extremes whose abscissae it gives.
std::vector<std::string> Palabras(const std::string& texto) {
    std::istringstream s(texto);
    return {std::istream_iterator<std::string>(s), std::istream_iterator<std::string>()};
}
const std::vector<std::string> kExtremos = Palabras(
    "CortanteMaxAbs CortanteMax CortanteMin MomentoPosMax MomentoNegMax MomentoMaxAbs "
    "GiroMax FlechaMax");
const std::vector<std::string> kNoNumericas =
    Palabras("calculado mensajes TipoViga txtEstribos varillas puntos PosicionExtremos");
const std::vector<std::string> kClaves = [] {
    std::vector<std::string> c = Palabras(
        "calculado mensajes LuzViga DistJ DistK NumCargas TipoViga AreaSeccion InerciaSeccion "
        "Ycg ModuloElasticidad Recubrimiento PeralteEfectivo NumEstaciones PosicionExtremos "
        "AsTraccionPos AsCompresionPos AsTraccionNeg AsCompresionNeg FalloDiseno txtEstribos "
        "EspaciamientoEstribos varillas InerciaEfectivaPos InerciaEfectivaNeg FlechaEfectiva "
        "FlechaLargoPlazo "
        "DeflexionAdmisible puntos");
    c.insert(c.end(), kExtremos.begin(), kExtremos.end());
    return c;
}();

std::set<std::string> Claves(const json& j) {
    std::set<std::string> c;
    for (auto it = j.begin(); it != j.end(); ++it) c.insert(it.key());
    return c;
}

// The contract: exactly these keys, numbers where numbers are due.
void CumpleElContrato(const json& j, bool diagramas) {
    std::set<std::string> esperadas(kClaves.begin(), kClaves.end());
    if (diagramas) esperadas.insert("diagramas");
    EXPECT_EQ(Claves(j), esperadas);
    EXPECT_TRUE(j["calculado"].is_boolean());
    EXPECT_TRUE(j["TipoViga"].is_string());
    EXPECT_TRUE(j["txtEstribos"].is_string());
    EXPECT_TRUE(j["NumCargas"].is_number_integer());
    EXPECT_TRUE(j["NumEstaciones"].is_number_integer());
    for (const std::string& k : kClaves) {
        if (std::find(kNoNumericas.begin(), kNoNumericas.end(), k) == kNoNumericas.end()) {
            EXPECT_TRUE(j[k].is_number()) << k;
        }
    }
    EXPECT_EQ(Claves(j["PosicionExtremos"]),
              std::set<std::string>(kExtremos.begin(), kExtremos.end()));
    for (const auto& m : j["mensajes"]) {
        EXPECT_EQ(Claves(m), (std::set<std::string>{"titulo", "texto", "estilo"}));
        EXPECT_TRUE(m["estilo"].is_number_integer());
    }
    ASSERT_EQ(j["varillas"].size(), 4u);
    for (const auto& fila : j["varillas"]) {
        ASSERT_EQ(fila.size(), 4u);
        for (const auto& n : fila) EXPECT_TRUE(n.is_number_integer());
    }
    const double fallo = j["FalloDiseno"];
    EXPECT_TRUE(fallo == 0 || fallo == 1);
}

TEST_F(Korvex, LosEjemplosCumplenElContrato) {
    for (const char* nombre :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        SCOPED_TRACE(nombre);
        const json j = Json({"--calcular", Ejemplo(nombre), "--json"});
        CumpleElContrato(j, false);
        EXPECT_TRUE(j["calculado"]);
        EXPECT_GT(j["NumEstaciones"].get<int>(), 0);
        EXPECT_TRUE(j["puntos"].empty());

        const json d = Json({"--calcular", Ejemplo(nombre), "--json", "--diagramas"});
        CumpleElContrato(d, true);
        const auto& g = d["diagramas"];
        EXPECT_EQ(Claves(g), (std::set<std::string>{"X", "DiagCortante", "DiagMomento", "DiagGiro",
                                                    "DiagFlecha", "DiagMomentoServicio"}));
        for (const auto& [k, v] : g.items()) {
            EXPECT_EQ(v.size(), d["NumEstaciones"].get<std::size_t>()) << k;
        }
        // The sampled moment carries the analysis sign: sagging negative.
        double minimo = 0, maximo = 0;
        for (double m : g["DiagMomento"])
            minimo = std::min(minimo, m), maximo = std::max(maximo, m);
        EXPECT_NEAR(-minimo, d["MomentoPosMax"].get<double>(), 1e-4);
        EXPECT_NEAR(-maximo, d["MomentoNegMax"].get<double>(), 1e-4);
        EXPECT_EQ(g["X"][0], 0.0);
    }
}

// The rectangular example by hand (see the project tests): R1 = 14.2267 Tn,
// M+ = 23.507 Tn.m at 2.27 m, d = 46 cm, stirrups at 23 cm.
TEST_F(Korvex, EjemploRectangularContraElCalculoAMano) {
    const json j = Json(
        {"--calcular", Ejemplo("viga_rectangular.kvx"), "--json", "--punto", "2", "--punto", "0"});
    EXPECT_EQ(j["PeralteEfectivo"], 46.0);
    EXPECT_EQ(j["NumEstaciones"], 600);
    EXPECT_NEAR(j["MomentoPosMax"].get<double>(), 23.507, 2e-3);
    EXPECT_NEAR(j["PosicionExtremos"]["MomentoPosMax"].get<double>(), 2.27, 0.006);
    EXPECT_EQ(j["MomentoNegMax"], 0.0);
    EXPECT_NEAR(j["CortanteMax"].get<double>(), 14.2015, 1e-3);
    EXPECT_NEAR(j["PosicionExtremos"]["CortanteMax"].get<double>(), 0.01, 1e-4);
    EXPECT_NEAR(j["AsTraccionPos"].get<double>(), 24.3, 0.1);
    EXPECT_EQ(j["txtEstribos"], "3/8@23");
    EXPECT_NEAR(j["DeflexionAdmisible"].get<double>(), 0.033, 1e-6);  // 6 / 180, 3 decimals
    EXPECT_TRUE(j["mensajes"].empty());

    // Points in the analysis sign: at 2 m the live point load (8.5 Tn factored)
    // makes the shear jump; M = -(14.2267 x 2 - 1.26 x 2^2) = -23.413.
    ASSERT_EQ(j["puntos"].size(), 2u);
    const json& p = j["puntos"][0];
    EXPECT_EQ(Claves(p),
              (std::set<std::string>{"X", "CortanteIzq", "CortanteDer", "MomentoIzq", "MomentoDer",
                                     "MomentoServicio", "Giro", "Flecha"}));
    EXPECT_EQ(p["X"], 2.0);
    EXPECT_NEAR(p["CortanteDer"].get<double>() - p["CortanteIzq"].get<double>(), 8.5, 1e-4);
    EXPECT_NEAR(p["MomentoIzq"].get<double>(), -23.413, 1e-3);
    EXPECT_NEAR(j["puntos"][1]["CortanteIzq"].get<double>(), 0, 1e-6);
    EXPECT_NEAR(j["puntos"][1]["CortanteDer"].get<double>(), -14.2267, 1e-3);

    // The other deflection categories and stirrup answers.
    EXPECT_NEAR(Json({"--calcular", Ejemplo("viga_rectangular.kvx"), "--json", "--uso",
                      "2"})["DeflexionAdmisible"]
                    .get<double>(),
                0.017, 1e-6);
    EXPECT_EQ(Json({"--calcular", Ejemplo("viga_rectangular.kvx"), "--json", "--estribo",
                    "1/2"})["txtEstribos"],
              "1/2@23");
}

TEST_F(Korvex, EjemplosTyTInvertida) {
    // Left cantilever: 5.0376 x 1.5^2 / 2 + 5.1 x 1.5 = 13.317 Tn.m over the support.
    const json t = Json({"--calcular", Ejemplo("viga_t_vuelos.kvx"), "--json"});
    EXPECT_EQ(t["TipoViga"], "Viga_T");
    EXPECT_EQ(t["AreaSeccion"], 1600.0);
    EXPECT_EQ(t["Ycg"], 29.375);
    EXPECT_NEAR(t["MomentoNegMax"].get<double>(), -13.317, 2e-3);
    EXPECT_EQ(t["DistJ"], 1.5);
    EXPECT_EQ(t["DistK"], 6.5);

    // Inverted T: the tip load 1 m from its support gives the deep-member warning.
    const json ti = Json({"--calcular", Ejemplo("viga_t_invertida.kvx"), "--json"});
    EXPECT_EQ(ti["TipoViga"], "Viga_Ti");
    EXPECT_EQ(ti["PeralteEfectivo"], 45.0);
    ASSERT_FALSE(ti["mensajes"].empty());
    EXPECT_EQ(ti["mensajes"].back()["titulo"], "Advertencia");
    EXPECT_EQ(ti["mensajes"].back()["estilo"], 64);
}

TEST_F(Korvex, ResultadosQueNoSonDeUnCalculoCompleto) {
    // No loads: read (status 0), nothing calculated.
    const json vacio =
        Json({"--calcular", Archivo("vacio.kvx", Cabecera("6", "25", "50", 0)), "--json"});
    CumpleElContrato(vacio, false);
    EXPECT_FALSE(vacio["calculado"]);
    EXPECT_TRUE(vacio["mensajes"].empty());

    // Flexural failure: 10 x 100 on 2 m under 200 Tn/m. Only the flexural
    // message; the warnings that d = 96 and the short span would give are not shown.
    const json falla =
        Json({"--calcular",
              Archivo("falla.kvx", Cabecera("2", "10", "100", 1) + "0,2,0,200,200,2,2,3\r\n"),
              "--json"});
    CumpleElContrato(falla, false);
    EXPECT_TRUE(falla["calculado"]);
    EXPECT_EQ(falla["FalloDiseno"], 1.0);
    ASSERT_EQ(falla["mensajes"].size(), 1u);
    EXPECT_EQ(falla["mensajes"][0]["texto"], "Esta Sección no resiste esta solicitud de cargas");
    EXPECT_EQ(falla["txtEstribos"], "");

    // Data the calculation refuses (supports j = k): read, refused, a message.
    std::string cab = Cabecera("6", "25", "50", 1);
    cab.replace(cab.find(",0,6,#FALSE#"), 12, ",3,3,#FALSE#");
    const json rechazo =
        Json({"--calcular", Archivo("apoyos.kvx", cab + "3,0,3,10,0,3,1,1\r\n"), "--json"});
    CumpleElContrato(rechazo, false);
    EXPECT_FALSE(rechazo["calculado"]);
    ASSERT_FALSE(rechazo["mensajes"].empty());
    EXPECT_EQ(rechazo["mensajes"][0]["estilo"], 16);
}

TEST_F(Korvex, ArchivosMalosTerminanCon1YUnMensaje) {
    // The reader's own refusals are tested with the project file; here its
    // message reaches standard error and the status is 1, with or without --json.
    const struct {
        const char* nombre;
        std::string ruta;
        const char* dice;
    } casos[] = {
        {"no existe", (dir_ / "no_existe.kvx").string(), "No se pudo abrir"},
        {"carpeta", dir_.string(), "carpeta"},
        {"cuenta", Archivo("cuenta.kvx", Cabecera("6", "25", "50", 2) + "3,0,3,10,0,3,1,1\r\n"),
         "campo 15"},
        {"no finito", Archivo("nan.kvx", Cabecera("6", "25", "50", 1) + "3,0,3,nan,0,3,1,1\r\n"),
         "línea 2, campo 4"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        for (bool conJson : {false, true}) {
            std::vector<std::string> args = {"--calcular", c.ruta};
            if (conJson) args.push_back("--json");
            const Ejecucion e = Correr(args);
            EXPECT_EQ(e.estado, 1);
            EXPECT_TRUE(e.salida.empty()) << e.salida;
            EXPECT_NE(e.error.find("Error al abrir el proyecto"), std::string::npos) << e.error;
            EXPECT_NE(e.error.find(c.dice), std::string::npos) << e.error;
        }
    }
}

TEST_F(Korvex, OrdenIncorrectaTerminaCon2YElUso) {
    const std::string ej = Ejemplo("viga_rectangular.kvx");
    const std::vector<std::vector<std::string>> casos = {
        {"--calcular", ej, "--uso", "5"},    {"--calcular", ej, "--estribo", "5/8"}, {"--calcular"},
        {"--calcular", ej, "--desconocida"}, {"--calcular", ej, "--diagramas"},      {"--json", ej},
        {"--poligono", ej, "--punto", "1"},
    };
    for (const auto& args : casos) {
        SCOPED_TRACE(args.back());
        const Ejecucion e = Correr(args);
        EXPECT_EQ(e.estado, 2);
        EXPECT_TRUE(e.salida.empty());
        EXPECT_NE(e.error.find("Uso:"), std::string::npos) << e.error;
        EXPECT_EQ(e.error.find("Unknown"), std::string::npos) << e.error;  // Spanish only
    }
    const Ejecucion ayuda = Correr({"--help"});
    EXPECT_EQ(ayuda.estado, 0);
    EXPECT_NE(ayuda.salida.find("--calcular ARCHIVO.kvx"), std::string::npos);
    EXPECT_NE(ayuda.salida.find("Estado de salida"), std::string::npos);
    const Ejecucion version = Correr({"--version"});
    EXPECT_EQ(version.estado, 0);
    EXPECT_EQ(version.salida.rfind("korvex 1.0.0", 0), 0u) << version.salida;
}

TEST_F(Korvex, ResumenLegible) {
    const Ejecucion e = Correr({"--calcular", Ejemplo("viga_rectangular.kvx"), "--punto", "3"});
    EXPECT_EQ(e.estado, 0) << e.error;
    for (const char* t : {"Momento positivo máximo (Tn.m)", "23.51", "2.27", "Tracción", "24.3",
                          "Estribos: 3/8@23", "Varillas", "admisible para el uso 1 (L/180) = 0.033",
                          "X = 3 m", "Mensajes:", "(ninguno)"}) {
        EXPECT_NE(e.salida.find(t), std::string::npos) << t << "\n" << e.salida;
    }
    const Ejecucion ti = Correr({"--calcular", Ejemplo("viga_t_invertida.kvx")});
    EXPECT_NE(ti.salida.find("[Advertencia] Elemento de gran peralte"), std::string::npos)
        << ti.salida;
}

// The polygon utility: the L-shape of the examples (area 600, centroid
// (10, 15), Ix = 85000 about the centroid) and its exit statuses.
TEST_F(Korvex, Poligono) {
    const json l = Json({"--poligono", Ejemplo("seccion_L.txt"), "--json"});
    EXPECT_EQ(Claves(l),
              (std::set<std::string>{"calculado", "mensajes", "NumVertices", "Area", "Xcg", "Ycg",
                                     "Ix", "txtArea", "txtXcg", "txtYcg", "txtIx", "lblCg"}));
    EXPECT_TRUE(l["calculado"]);
    EXPECT_EQ(l["NumVertices"], 6);
    EXPECT_NEAR(l["Area"].get<double>(), 600, 1e-9);
    EXPECT_NEAR(l["Xcg"].get<double>(), 10, 1e-9);
    EXPECT_NEAR(l["Ycg"].get<double>(), 15, 1e-9);
    EXPECT_NEAR(l["Ix"].get<double>(), 85000, 0.01);
    EXPECT_EQ(l["txtArea"], "600.00");
    EXPECT_EQ(l["lblCg"], "(10.00,15.00)");
    EXPECT_TRUE(l["mensajes"].empty());

    // Vertices on one line: read (status 0), nothing computed, the message.
    const json recta = Json({"--poligono", Archivo("recta.txt", "0,0\n1,0\n2,0\n"), "--json"});
    EXPECT_FALSE(recta["calculado"]);
    ASSERT_EQ(recta["mensajes"].size(), 1u);
    EXPECT_EQ(recta["mensajes"][0]["estilo"], 16);

    const Ejecucion resumen = Correr({"--poligono", Ejemplo("seccion_L.txt")});
    EXPECT_EQ(resumen.estado, 0);
    EXPECT_NE(resumen.salida.find("Área: 600.00"), std::string::npos) << resumen.salida;

    // A line that is not a vertex, and a missing file: refused with status 1.
    for (const std::string& ruta :
         {Archivo("malo.txt", "0,0\n1;1\n2,2\n"), (dir_ / "no_existe.txt").string()}) {
        const Ejecucion e = Correr({"--poligono", ruta, "--json"});
        EXPECT_EQ(e.estado, 1);
        EXPECT_TRUE(e.salida.empty());
        EXPECT_NE(e.error.find("Error al abrir el polígono"), std::string::npos) << e.error;
    }
    EXPECT_NE(Correr({"--poligono", Archivo("malo.txt", "0,0\n1;1\n")}).error.find("Línea 2"),
              std::string::npos);
}

}  // namespace
