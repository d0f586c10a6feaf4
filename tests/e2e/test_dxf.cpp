// korvex --dxf SALIDA.dxf ARCHIVO.kvx run as a user runs it: a missing
// project, a wrong command line and a design that fails give their status and
// a Spanish reason and write no file; a project whose design has a bar
// schedule gets an AutoCAD 2000 DXF that holds its bars and stirrup zones.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ProyectosGenerados.h"
#include "comun/Carpeta.h"
#include "comun/Proceso.h"

namespace korvex::pruebas {
namespace {

namespace fs = std::filesystem;

class DxfLote : public ConCarpeta {
  protected:
    Ejecucion Correr(const std::vector<std::string>& args) { return Ejecutar(KORVEX_EXE, args); }
    std::string Salida() const { return (dir_ / "viga.dxf").string(); }
};

std::string Ejemplo(const std::string& nombre) {
    return std::string(KORVEX_EJEMPLOS) + "/" + nombre;
}

TEST_F(DxfLote, ProyectoOOrdenIncorrectosNoEscribenNada) {
    const std::string ej = Ejemplo("viga_rectangular.kvx");
    struct Caso {
        std::vector<std::string> args;
        int estado;
        const char* razon;
    };
    const Caso casos[] = {
        {{"--dxf", Salida(), (dir_ / "no_existe.kvx").string()}, 1, "No se pudo abrir"},
        {{"--dxf", Salida(), ej, "--desconocida"}, 2, "opción desconocida: --desconocida"},
        {{"--dxf", Salida()}, 2, "--dxf requiere el proyecto ARCHIVO.kvx"},
        {{"--dxf", Salida(), ej, "--json"}, 2, "--json no se usa con --dxf"},
        {{"--dxf", Salida(), ej, "--uso", "7"}, 2, "--uso admite 1, 2, 3 o 4"},
        {{"--dxf", Salida(), "--calcular", ej}, 2, "--dxf no se usa con --calcular"},
    };
    for (const Caso& c : casos) {
        const Ejecucion e = Correr(c.args);
        EXPECT_EQ(e.estado, c.estado) << c.razon;
        EXPECT_NE(e.error.find(c.razon), std::string::npos) << e.error;
        EXPECT_TRUE(e.salida.empty()) << e.salida;
        EXPECT_FALSE(fs::exists(Salida())) << c.razon;
    }
    EXPECT_NE(Correr({"--help"}).salida.find("--dxf SALIDA.dxf ARCHIVO.kvx"), std::string::npos);
}

// The first generated project whose design fails (FalloDiseno of --calcular).
TEST_F(DxfLote, DisenoFallidoNoEscribeDibujo) {
    for (int n = 0; n < 200; ++n) {
        if (DatosRechazados(n)) continue;
        const ProyectoGenerado g = GenerarProyecto(n);
        const std::string ruta = (dir_ / "generado.kvx").string();
        std::ofstream(ruta, std::ios::binary) << g.kvx;
        std::vector<std::string> calcular = {"--calcular", ruta, "--json"};
        calcular.insert(calcular.end(), g.argumentos.begin(), g.argumentos.end());
        const auto j = nlohmann::json::parse(Correr(calcular).salida);
        if (j["FalloDiseno"] != 1) continue;
        // The options of the calculation that --dxf accepts (not --punto X).
        std::vector<std::string> dxf = {"--dxf", Salida(), ruta};
        for (std::size_t i = 0; i < g.argumentos.size(); ++i) {
            if (g.argumentos[i] == "--punto") {
                ++i;
            } else if (g.argumentos[i] != "--diagramas") {
                dxf.push_back(g.argumentos[i]);
            }
        }
        const Ejecucion e = Correr(dxf);
        EXPECT_EQ(e.estado, 1) << n;
        EXPECT_NE(e.error.find("el diseño de la viga falló; no se escribió el dibujo"),
                  std::string::npos)
            << e.error;
        EXPECT_FALSE(fs::exists(Salida()));
        return;
    }
    FAIL() << "ningún proyecto generado falla en el diseño";
}

// One entity of a DXF file: its type, layer, text (Windows-1252 as written)
// and the vertices of a polyline, cm.
struct EntidadDxf {
    std::string tipo, capa, texto;
    std::vector<std::pair<double, double>> puntos;
};

// The entities of the ENTITIES section, read as group code / value pairs.
std::vector<EntidadDxf> Entidades(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::vector<EntidadDxf> r;
    std::string codigo, valor;
    bool dentro = false;
    while (std::getline(f, codigo) && std::getline(f, valor)) {
        if (!valor.empty() && valor.back() == '\r') valor.pop_back();
        const int c = std::stoi(codigo);
        if (c == 2 && valor == "ENTITIES") dentro = true;
        if (!dentro) continue;
        if (c == 0) {
            if (valor == "ENDSEC") break;
            r.push_back({valor, {}, {}, {}});
        } else if (!r.empty()) {
            EntidadDxf& e = r.back();
            if (c == 8) e.capa = valor;
            if (c == 1) e.texto = valor;
            if (c == 10) e.puntos.push_back({std::stod(valor), 0});
            if (c == 20 && !e.puntos.empty()) e.puntos.back().second = std::stod(valor);
        }
    }
    return r;
}

// The drawing an example writes, read back: every bar of the schedule that
// --calcular --json gives is a polyline of layer BARRAS from its start to its
// end whose length with the hooks is the schedule's (to the cm it rounds up
// to), with its label; every stirrup zone has its label "n Ø 3/8" @ s cm".
TEST_F(DxfLote, ElDibujoDeLosEjemplosTieneSuDespiece) {
    for (const char* nombre : {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        SCOPED_TRACE(nombre);
        const Ejecucion e = Correr({"--dxf", Salida(), Ejemplo(nombre), "--estribo", "3/8"});
        ASSERT_EQ(e.estado, 0) << e.error;
        EXPECT_EQ(e.salida, "Dibujo escrito en " + Salida() + "\n");
        std::stringstream s;
        s << std::ifstream(Salida(), std::ios::binary).rdbuf();
        EXPECT_NE(s.str().find("$ACADVER\n  1\nAC1015\n"), std::string::npos);

        const auto j = nlohmann::json::parse(
            Correr({"--calcular", Ejemplo(nombre), "--json", "--estribo", "3/8"}).salida);
        ASSERT_FALSE(j["despiece"].empty());
        const std::vector<EntidadDxf> entidades = Entidades(Salida());
        std::vector<const EntidadDxf*> barras;
        for (const EntidadDxf& x : entidades) {
            if (x.tipo == "LWPOLYLINE" && x.capa == "BARRAS") barras.push_back(&x);
        }
        ASSERT_EQ(barras.size(), j["despiece"].size());
        const auto tieneTexto = [&](const std::string& t) {
            for (const EntidadDxf& x : entidades) {
                if (x.tipo == "TEXT" && x.texto == t) return true;
            }
            return false;
        };
        const std::string fi = "\xD8";  // Ø in Windows-1252
        for (std::size_t i = 0; i < barras.size(); ++i) {
            const auto& b = j["despiece"][i];
            const auto& p = barras[i]->puntos;
            double largo = 0, menor = 1e9, mayor = -1e9;
            for (std::size_t k = 0; k < p.size(); ++k) {
                menor = std::min(menor, p[k].first);
                mayor = std::max(mayor, p[k].first);
                if (k) largo += std::hypot(p[k].first - p[k - 1].first, p[k].second - p[k - 1].second);
            }
            EXPECT_NEAR(menor, b["desde"].get<double>() * 100, 0.5) << b;
            EXPECT_NEAR(mayor, b["hasta"].get<double>() * 100, 0.5) << b;
            const double longitud = b["longitud"].get<double>() * 100;
            EXPECT_TRUE(largo <= longitud + 0.01 && largo > longitud - 1.01) << largo << " " << b;
            char l[16];
            std::snprintf(l, sizeof l, "%.2f", b["longitud"].get<double>());
            const std::string etiqueta = "(" + std::to_string(b["marca"].get<int>()) + ") " +
                                         std::to_string(b["cantidad"].get<int>()) + " " + fi + " " +
                                         b["diametro"].get<std::string>() + "\" L = " + l + " m";
            EXPECT_TRUE(tieneTexto(etiqueta)) << etiqueta;
        }
        ASSERT_FALSE(j["estribos"].empty());
        for (const auto& z : j["estribos"]) {
            const std::string etiqueta = std::to_string(z["cantidad"].get<int>()) + " " + fi +
                                         " 3/8\" @ " + std::to_string(z["separacion"].get<int>()) +
                                         " cm";
            EXPECT_TRUE(tieneTexto(etiqueta)) << etiqueta;
        }
        fs::remove(Salida());
    }
}

}  // namespace
}  // namespace korvex::pruebas
