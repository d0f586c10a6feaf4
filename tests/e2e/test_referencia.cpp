// Whole runs of the built `korvex` against a recorded reference: the three
// examples and 200 generated projects, each calculated with every option that
// reaches the results (use category, stirrup diameter, point queries, the
// diagrams, the live-load arrangements). The reference holds, for each run,
// the exit status and a 64-bit FNV-1a fingerprint of standard output and
// standard error, so any changed digit, key or message fails the run and
// names it. A restructuring of the program must leave every one unchanged.
//
// To record the reference anew (only after a deliberate change of results),
// set KORVEX_REFERENCIA_NUEVA to the file to write and run this test.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "ProyectosGenerados.h"
#include "comun/Proceso.h"

namespace korvex::pruebas {
namespace {

namespace fs = std::filesystem;

constexpr int kGenerados = 200;

std::string Huella(const std::string& bytes) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    for (unsigned char c : bytes) h = (h ^ c) * 0x100000001B3ull;
    char t[17];
    std::snprintf(t, sizeof t, "%016llx", static_cast<unsigned long long>(h));
    return t;
}

struct Corrida {
    std::string nombre;
    std::string archivo;
    std::vector<std::string> argumentos;
};

std::vector<Corrida> Corridas(const fs::path& dir) {
    std::vector<Corrida> c;
    for (const char* e : {"viga_rectangular", "viga_t_invertida", "viga_t_vuelos"}) {
        const std::string ruta = std::string(KORVEX_EJEMPLOS) + "/" + e + ".kvx";
        for (const char* uso : {"1", "3"}) {
            c.push_back({std::string(e) + "-uso" + uso, ruta,
                         {"--uso", uso, "--diagramas", "--punto", "1.5", "--punto", "4"}});
            c.push_back({std::string(e) + "-uso" + uso + "-alternancia", ruta,
                         {"--uso", uso, "--alternancia", "--estribo", "1/2", "--diagramas"}});
        }
    }
    for (int n = 0; n < kGenerados; ++n) {
        const ProyectoGenerado p = GenerarProyecto(n);
        const fs::path ruta = dir / ("generado" + std::to_string(n) + ".kvx");
        std::ofstream(ruta, std::ios::binary) << p.kvx;
        std::vector<std::string> a = p.argumentos;
        a.push_back("--diagramas");
        c.push_back({"generado" + std::to_string(n), ruta.string(), a});
    }
    return c;
}

std::map<std::string, std::string> Referencia() {
    std::map<std::string, std::string> r;
    std::ifstream f(std::string(KORVEX_REFERENCIA));
    for (std::string nombre, valor; f >> nombre >> valor;) r[nombre] = valor;
    return r;
}

TEST(Referencia, CadaCorridaDaLosMismosBytes) {
    std::string plantilla = (fs::temp_directory_path() / "korvex_ref_XXXXXX").string();
    const fs::path dir = ::mkdtemp(plantilla.data());
    const std::map<std::string, std::string> referencia = Referencia();
    const char* nueva = std::getenv("KORVEX_REFERENCIA_NUEVA");
    std::ostringstream registro;
    int calculados = 0, rechazados = 0;
    for (const Corrida& c : Corridas(dir)) {
        std::vector<std::string> a = {"--calcular", c.archivo, "--json"};
        a.insert(a.end(), c.argumentos.begin(), c.argumentos.end());
        const Ejecucion e = Ejecutar(KORVEX_EXE, a);
        ASSERT_TRUE(e.estado == 0 || e.estado == 1) << c.nombre << ": " << e.error;
        const std::string valor = std::to_string(e.estado) + ":" + Huella(e.salida + e.error);
        registro << c.nombre << " " << valor << "\n";
        (e.estado == 0 ? calculados : rechazados)++;
        if (nueva) continue;
        auto it = referencia.find(c.nombre);
        ASSERT_NE(it, referencia.end()) << c.nombre << " no está en la referencia";
        EXPECT_EQ(valor, it->second) << c.nombre << ": korvex " << [&] {
            std::string t;
            for (const std::string& x : a) t += x + " ";
            return t;
        }();
    }
    fs::remove_all(dir);
    if (nueva) {
        std::ofstream(nueva) << registro.str();
        GTEST_SKIP() << "referencia escrita: " << calculados << " leídos, " << rechazados
                     << " rechazados";
    }
    EXPECT_EQ(referencia.size(), static_cast<std::size_t>(calculados + rechazados));
}

}  // namespace
}  // namespace korvex::pruebas
