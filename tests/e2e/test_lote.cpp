// The many-file call of the built `korvex`: `--calcular A.kvx B.kvx ...`
// writes one line per file in the order of the arguments, each the single
// call's output for that file with the same options made compact; a refused
// file gives its object with the reader's message and the others still come
// (status 1 then); without --json each summary under a line naming its file.
// The files: the examples and generated projects (ProyectosGenerados.h) of
// every class. Timing is not tested here.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ProyectosGenerados.h"
#include "comun/Proceso.h"
#include "comun/Vigas.h"

namespace korvex::pruebas {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

Ejecucion Correr(const std::vector<std::string>& args) {
    return Ejecutar(KORVEX_EXE, args);
}

// The JSON text without the blanks outside its strings (written here again,
// apart from the program's, so that the two are compared).
std::string Compacto(const std::string& t) {
    std::string r;
    bool texto = false, escape = false;
    for (char c : t) {
        if (texto) {
            r += c;
            if (escape) {
                escape = false;
            } else if (c == '\\') {
                escape = true;
            } else if (c == '"') {
                texto = false;
            }
        } else if (c == '"') {
            texto = true;
            r += c;
        } else if (c != ' ' && c != '\n' && c != '\r' && c != '\t') {
            r += c;
        }
    }
    return r;
}

std::vector<std::string> Lineas(const std::string& t) {
    std::vector<std::string> v;
    std::istringstream s(t);
    for (std::string l; std::getline(s, l);) v.push_back(l);
    return v;
}

std::vector<std::string> Mas(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class Lote : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "korvex_lote_XXXXXX").string();
        dir_ = ::mkdtemp(plantilla.data());
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The three examples and `n` generated projects of every class, mixed.
    std::vector<std::string> Archivos(int n) const {
        std::vector<std::string> v = {Ejemplo("viga_rectangular.kvx"), Ejemplo("viga_t_vuelos.kvx"),
                                      Ejemplo("viga_t_invertida.kvx")};
        for (const std::string& r : EscribirProyectos(dir_, GenerarProyectos(n, false))) {
            v.push_back(r);
        }
        return v;
    }

    // Checks the many-file call against one single call per file.
    void ComoLlamadasSolas(const std::vector<std::string>& archivos,
                           const std::vector<std::string>& opciones) const {
        std::vector<std::string> args = {"--calcular"};
        args.insert(args.end(), archivos.begin(), archivos.end());
        const Ejecucion lote = Correr(Mas(args, opciones));
        const std::vector<std::string> lineas = Lineas(lote.salida);
        ASSERT_EQ(lineas.size(), archivos.size()) << lote.error;
        ASSERT_EQ(lote.salida.back(), '\n');
        int rechazados = 0;
        std::string errores;
        for (std::size_t i = 0; i < archivos.size(); ++i) {
            SCOPED_TRACE(archivos[i]);
            const Ejecucion sola = Correr(Mas({"--calcular", archivos[i]}, opciones));
            if (sola.estado == 0) {
                EXPECT_EQ(lineas[i], Compacto(sola.salida));
                EXPECT_TRUE(sola.error.empty());
                continue;
            }
            // Refused: the single call prints nothing and tells the reader's
            // message; the line is its object.
            ASSERT_EQ(sola.estado, 1);
            ++rechazados;
            EXPECT_TRUE(sola.salida.empty());
            const json j = json::parse(lineas[i]);
            ASSERT_EQ(j.size(), 3u) << lineas[i];
            EXPECT_EQ(j["calculado"], false);
            EXPECT_EQ(j["leido"], false);
            ASSERT_EQ(j["mensajes"].size(), 1u);
            const json& m = j["mensajes"][0];
            EXPECT_EQ(m["titulo"], "Error al abrir el proyecto");
            EXPECT_EQ(m["estilo"], 16);
            EXPECT_EQ(sola.error, m["titulo"].get<std::string>() + ": " +
                                      m["texto"].get<std::string>() + "\n");
            errores += archivos[i] + ": " + sola.error;
        }
        EXPECT_EQ(lote.estado, rechazados > 0 ? 1 : 0);
        EXPECT_EQ(lote.error, errores);  // each refusal named by its file, in order
    }

    fs::path dir_;
};

TEST_F(Lote, CadaLineaEsLaLlamadaSolaCompacta) {
    const std::vector<std::string> archivos = Archivos(20);
    ComoLlamadasSolas(archivos, {"--json"});
}

TEST_F(Lote, CadaLineaEsLaLlamadaSolaCompactaConTodasLasOpciones) {
    const std::vector<std::string> archivos = Archivos(10);
    ComoLlamadasSolas(archivos, {"--json", "--diagramas", "--punto", "2", "--punto", "0.5",
                                 "--punto", "40", "--alternancia", "--uso", "3", "--estribo",
                                 "1/2"});
}

// The generated classes behave as declared, in the order of the arguments:
// calculated, a failing design, refused by the checks, refused by the reader.
TEST_F(Lote, OrdenYClasesDeLosProyectosGenerados) {
    const std::vector<ProyectoGenerado> g = GenerarProyectos(40, false);
    std::vector<std::string> args = {"--json", "--calcular"};
    for (const std::string& r : EscribirProyectos(dir_, g)) args.push_back(r);
    const Ejecucion e = Correr(args);
    EXPECT_EQ(e.estado, 1);
    const std::vector<std::string> lineas = Lineas(e.salida);
    ASSERT_EQ(lineas.size(), g.size());
    int secciones[3] = {0, 0, 0}, vuelos = 0, alternancia = 0;
    for (std::size_t i = 0; i < g.size(); ++i) {
        SCOPED_TRACE(g[i].nombre + "\n" + g[i].contenido);
        const json j = json::parse(lineas[i]);
        switch (g[i].clase) {
            case ClaseProyecto::Calculado:
                EXPECT_TRUE(j["calculado"]);
                EXPECT_EQ(j["FalloDiseno"], 0);
                EXPECT_EQ(j["TipoViga"], g[i].seccion);
                EXPECT_EQ(j["alternancia"], g[i].alternancia);
                EXPECT_EQ(j["DistJ"] > 0 || j["DistK"] < j["LuzViga"], g[i].vuelos);
                ++secciones[g[i].seccion == "Viga_Rect" ? 0 : g[i].seccion == "Viga_T" ? 1 : 2];
                vuelos += g[i].vuelos;
                alternancia += g[i].alternancia;
                break;
            case ClaseProyecto::DisenoFalla:
                EXPECT_TRUE(j["calculado"]);
                EXPECT_EQ(j["FalloDiseno"], 1);
                break;
            case ClaseProyecto::DatosRechazados:
                EXPECT_FALSE(j["calculado"]);
                EXPECT_TRUE(j.contains("LuzViga"));
                ASSERT_FALSE(j["mensajes"].empty());
                EXPECT_EQ(j["mensajes"][0]["titulo"], "Datos Incorrectos");
                break;
            case ClaseProyecto::ArchivoRechazado:
                EXPECT_EQ(j["leido"], false);
                EXPECT_NE(e.error.find(g[i].nombre + ": Error al abrir el proyecto: "),
                          std::string::npos);
                break;
        }
    }
    // Every section, with and without cantilevers, the option in some.
    EXPECT_GT(secciones[0], 0);
    EXPECT_GT(secciones[1], 0);
    EXPECT_GT(secciones[2], 0);
    EXPECT_GT(vuelos, 0);
    EXPECT_LT(vuelos, secciones[0] + secciones[1] + secciones[2]);
    EXPECT_GT(alternancia, 0);
}

// A file that cannot be read and one whose data the reader refuses, in the
// middle: their objects come in their places, the others still come, status
// 1; with every file read, status 0 and nothing on the error output.
TEST_F(Lote, UnRechazadoEnMedio) {
    const std::string rect = Ejemplo("viga_rectangular.kvx"), t = Ejemplo("viga_t_vuelos.kvx");
    const std::string falta = (dir_ / "no_existe.kvx").string();
    const std::string malo = EscribirProyectos(
        dir_, {GenerarProyecto(9, ClaseProyecto::ArchivoRechazado)})[0];
    const Ejecucion e = Correr({"--calcular", rect, falta, t, malo, rect, "--json"});
    EXPECT_EQ(e.estado, 1);
    const std::vector<std::string> l = Lineas(e.salida);
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[0], l[4]);
    EXPECT_TRUE(json::parse(l[0])["calculado"]);
    EXPECT_EQ(json::parse(l[2])["TipoViga"], "Viga_T");
    for (const std::string& x : {l[1], l[3]}) {
        const json j = json::parse(x);
        EXPECT_EQ(j["leido"], false);
        EXPECT_EQ(j["mensajes"][0]["titulo"], "Error al abrir el proyecto");
    }
    EXPECT_EQ(e.error.find(falta + ": Error al abrir el proyecto: "), 0u) << e.error;
    EXPECT_NE(e.error.find("\n" + malo + ": Error al abrir el proyecto: "), std::string::npos);

    const Ejecucion bien = Correr({"--json", "--calcular", t, rect});
    EXPECT_EQ(bien.estado, 0);
    EXPECT_TRUE(bien.error.empty()) << bien.error;
    EXPECT_EQ(Lineas(bien.salida).size(), 2u);
}

// Files named before --calcular come first, in their places; --calcular
// given twice is a wrong command line; one file keeps the pretty output.
TEST_F(Lote, LaLineaDeOrdenes) {
    const std::string rect = Ejemplo("viga_rectangular.kvx"), t = Ejemplo("viga_t_vuelos.kvx"),
                      ti = Ejemplo("viga_t_invertida.kvx");
    const Ejecucion e = Correr({t, "--uso", "2", "--calcular", rect, ti, "--json"});
    EXPECT_EQ(e.estado, 0) << e.error;
    const std::vector<std::string> l = Lineas(e.salida);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(json::parse(l[0])["TipoViga"], "Viga_T");
    EXPECT_EQ(json::parse(l[1])["TipoViga"], "Viga_Rect");
    EXPECT_EQ(json::parse(l[2])["TipoViga"], "Viga_Ti");
    EXPECT_EQ(l[1], Compacto(Correr({"--calcular", rect, "--json", "--uso", "2"}).salida));

    const Ejecucion dos = Correr({"--calcular", rect, "--calcular", t});
    EXPECT_EQ(dos.estado, 2);
    EXPECT_NE(dos.error.find("Uso:"), std::string::npos);
    EXPECT_EQ(Correr({"--calcular", rect, t, "--diagramas"}).estado, 2);  // still needs --json

    const Ejecucion una = Correr({"--calcular", rect, "--json"});
    EXPECT_NE(una.salida.find("\n  \"mensajes\": []"), std::string::npos);
}

// Without --json: each file's summary under "==> ARCHIVO <==", a blank line
// between files; a refused file's messages under its line.
TEST_F(Lote, ResumenesLegibles) {
    const std::string rect = Ejemplo("viga_rectangular.kvx"), ti = Ejemplo("viga_t_invertida.kvx");
    const std::string malo = EscribirProyectos(
        dir_, {GenerarProyecto(19, ClaseProyecto::ArchivoRechazado)})[0];
    const Ejecucion e = Correr({"--calcular", rect, malo, ti, "--punto", "3"});
    EXPECT_EQ(e.estado, 1);
    const std::string solaRect = Correr({"--calcular", rect, "--punto", "3"}).salida;
    const Ejecucion solaMalo = Correr({"--calcular", malo, "--punto", "3"});
    const std::string solaTi = Correr({"--calcular", ti, "--punto", "3"}).salida;
    const std::string texto = solaMalo.error.substr(solaMalo.error.find(": ") + 2);
    EXPECT_EQ(e.salida, "==> " + rect + " <==\n" + solaRect + "\n==> " + malo +
                            " <==\nNo se leyó el proyecto.\n  [Error al abrir el proyecto] " +
                            texto + "\n==> " + ti + " <==\n" + solaTi);
    EXPECT_EQ(e.error, malo + ": " + solaMalo.error);
}

}  // namespace
}  // namespace korvex::pruebas
