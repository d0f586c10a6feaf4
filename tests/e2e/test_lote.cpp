// The many-file call of the built `korvex`: `--calcular A.kvx B.kvx ...`
// writes one line per file in the order of the arguments, each the single
// call's output for that file with the same options made compact; a refused
// file gives its object with the reader's message and the others still come
// (status 1 then); without --json each summary under a line naming its file.
// The files: the examples, generated projects (ProyectosGenerados.h: some
// designs fail, some data the checks refuse), generated projects spoilt so
// that the reader refuses them, and a missing file. Timing is not tested here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ProyectosGenerados.h"
#include "comun/Carpeta.h"
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

// Generated project `n` spoilt so that the reader refuses it: a load record
// more than the header declares, a field that is not a number, or a header of
// 41 fields.
std::string RechazadoPorElLector(int n) {
    std::string k = GenerarProyecto(n).kvx;
    switch (n % 3) {
        case 0:
            return k + "1,0,1,1,0,1,1,1\r\n";
        case 1:
            k.replace(k.find(','), 1, ";");
            return k;
        default:
            k.erase(k.find(",#FALSE#\r\n"), 8);
            return k;
    }
}

class Lote : public ConCarpeta {
  protected:
    std::string Escribir(const std::string& nombre, const std::string& bytes) const {
        const fs::path p = dir_ / nombre;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    std::string Generado(int n) const {
        return Escribir("generado" + std::to_string(n) + ".kvx", GenerarProyecto(n).kvx);
    }
    std::string Malo(int n) const {
        return Escribir("malo" + std::to_string(n) + ".kvx", RechazadoPorElLector(n));
    }

    // The three examples, the generated projects desde .. hasta - 1 with a
    // spoilt one and a missing file among them.
    std::vector<std::string> Archivos(int desde, int hasta) const {
        std::vector<std::string> v = {Ejemplo("viga_rectangular.kvx"), Ejemplo("viga_t_vuelos.kvx"),
                                      Ejemplo("viga_t_invertida.kvx")};
        for (int n = desde; n < hasta; ++n) {
            v.push_back(Generado(n));
            if (n == desde + 2) v.push_back(Malo(n));
            if (n == desde + 5) v.push_back((dir_ / "no_existe.kvx").string());
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
            EXPECT_EQ(sola.error,
                      m["titulo"].get<std::string>() + ": " + m["texto"].get<std::string>() + "\n");
            errores += archivos[i] + ": " + sola.error;
        }
        EXPECT_EQ(lote.estado, rechazados > 0 ? 1 : 0);
        EXPECT_EQ(lote.error, errores);  // each refusal named by its file, in order
    }

};

// Projects 0 to 29 hold refused data (13, 27 and 7), a failing design and
// the live-load option saved in the file.
TEST_F(Lote, CadaLineaEsLaLlamadaSolaCompacta) {
    ComoLlamadasSolas(Archivos(0, 30), {"--json"});
}

TEST_F(Lote, CadaLineaEsLaLlamadaSolaCompactaConTodasLasOpciones) {
    ComoLlamadasSolas(Archivos(30, 42),
                      {"--json", "--diagramas", "--punto", "2", "--punto", "0.5", "--punto", "40",
                       "--alternancia", "--uso", "3", "--estribo", "1/2"});
}

// Each line is its own project's, in the order of the arguments: what each
// generated project is (section, cantilevers, the saved option, refused
// data) is known beforehand and found on its line. The set holds every
// section, failing designs and refused data.
TEST_F(Lote, CadaProyectoGeneradoEnSuLinea) {
    constexpr int kN = 100;
    std::vector<std::string> args = {"--json", "--calcular"};
    for (int n = 0; n < kN; ++n) args.push_back(Generado(n));
    const Ejecucion e = Correr(args);
    EXPECT_EQ(e.estado, 0) << e.error;
    EXPECT_TRUE(e.error.empty()) << e.error;
    const std::vector<std::string> lineas = Lineas(e.salida);
    ASSERT_EQ(lineas.size(), static_cast<std::size_t>(kN));
    const char* tipos[] = {"Viga_Rect", "Viga_T", "Viga_Ti"};
    int fallos = 0, rechazados = 0;
    for (int n = 0; n < kN; ++n) {
        SCOPED_TRACE(n);
        const json j = json::parse(lineas[static_cast<std::size_t>(n)]);
        EXPECT_EQ(j["TipoViga"], n % 50 == 7 ? "" : tipos[n % 3]);
        EXPECT_EQ(j["DistJ"] > 0 || j["DistK"] < j["LuzViga"], n % 2 == 1);
        EXPECT_EQ(j["calculado"], !DatosRechazados(n));
        if (DatosRechazados(n)) {
            ++rechazados;
            ASSERT_FALSE(j["mensajes"].empty());
            EXPECT_EQ(j["mensajes"][0]["titulo"], "Datos Incorrectos");
            continue;
        }
        EXPECT_EQ(j["alternancia"], n % 4 == 1);
        fallos += j["FalloDiseno"] == 1;
    }
    EXPECT_GT(fallos, 0);
    EXPECT_EQ(rechazados, 7);  // 7, 13, 27, 53, 57, 67, 93
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
    const std::string malo = Malo(19);
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
