// The built `korvex` without a display: the JSON contract, that each option
// reaches the calculation, the exit statuses and the readable summaries. The
// values, refusal texts and the alternation's notice are pinned by the core's
// tests; here one check per option shows the wiring.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "comun/Carpeta.h"
#include "comun/Proceso.h"
#include "comun/Vigas.h"

namespace korvex::pruebas {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::set<std::string> Claves(const json& j) {
    std::set<std::string> c;
    for (auto it = j.begin(); it != j.end(); ++it) c.insert(it.key());
    return c;
}

std::set<std::string> Palabras(const std::string& texto) {
    std::istringstream s(texto);
    std::set<std::string> p;
    for (std::string w; s >> w;) p.insert(w);
    return p;
}

const std::set<std::string> kExtremos = Palabras(
    "CortanteMaxAbs CortanteMax CortanteMin MomentoPosMax MomentoNegMax MomentoMaxAbs GiroMax "
    "FlechaMax");
const std::set<std::string> kTextos = Palabras(
    "calculado mensajes TipoViga txtEstribos varillas puntos PosicionExtremos alternancia "
    "envolvente pasos avisoAlternancia reacciones deflexiones norma estribos armado despiece "
    "despieceEstribos avisosDespiece");

class Korvex : public ConCarpeta {
  protected:
    static Ejecucion Correr(const std::vector<std::string>& args) {
        return Ejecutar(KORVEX_EXE, args);
    }
    static json Json(const std::vector<std::string>& args) {
        const Ejecucion e = Correr(args);
        EXPECT_EQ(e.estado, 0) << e.error;
        EXPECT_TRUE(e.error.empty()) << e.error;
        return json::parse(e.salida);
    }
    std::string Archivo(const std::string& nombre, const std::string& contenido) const {
        const fs::path p = dir_ / nombre;
        std::ofstream(p, std::ios::binary) << contenido;
        return p.string();
    }

};

// Header of a rectangular beam 25 x 50 on end supports of 6 m with n loads.
std::string Cabecera(int n) {
    return "6,\"210\",\"2800\",\"4\",\"25\",\"\",\"50\",\"\",0,0,50,0,0,0," + std::to_string(n) +
           ",#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,-2147483643,#FALSE#,-2147483633,"
           "#TRUE#,-2147483643,#TRUE#,#FALSE#,#TRUE#,#FALSE#,-2147483633,#FALSE#,-2147483633,"
           "#FALSE#,#FALSE#,\"Viga_Rect\",0,\"\",\"6\",0,6,#FALSE#\r\n";
}

void CumpleElContrato(const json& j, bool diagramas) {
    std::set<std::string> claves = Palabras(
        "calculado mensajes LuzViga DistJ DistK NumCargas TipoViga AreaSeccion InerciaSeccion Ycg "
        "ModuloElasticidad Recubrimiento PeralteEfectivo NumEstaciones PosicionExtremos "
        "AsTraccionPos AsCompresionPos AsTraccionNeg AsCompresionNeg FalloDiseno txtEstribos "
        "EspaciamientoEstribos varillas InerciaEfectivaPos InerciaEfectivaNeg FlechaEfectiva "
        "FlechaLargoPlazo DeflexionAdmisible puntos alternancia norma estribos despiece "
        "despieceEstribos");
    claves.insert(kExtremos.begin(), kExtremos.end());
    if (diagramas) claves.insert("diagramas");
    // After a calculation: the envelope of the live-load arrangements and the
    // record of the steps (what the design left); the notice only when needed.
    if (j["calculado"] == true) {
        claves.insert({"envolvente", "pasos", "reacciones", "deflexiones"});
        // A design that did not fail: one face per tension steel, bottom first.
        if (j["FalloDiseno"] == 0) {
            claves.insert("armado");
            std::vector<std::string> caras;
            for (const auto& a : j["armado"]) {
                caras.push_back(a["cara"]);
                for (const char* k : {"separacionLibre", "dSupuesto", "dReal", "phiMn", "Mu"}) {
                    EXPECT_TRUE(a[k].is_number()) << k;
                }
                EXPECT_EQ(a["cumple"], a["estado"] == "aceptado");
                if (a["cumple"] == true) {
                    EXPECT_GE(a["phiMn"], a["Mu"]);
                }
                for (const auto& b : a["barras"]) {
                    EXPECT_EQ(Claves(b), Palabras("cantidad diametro capa"));
                    EXPECT_TRUE(b["capa"] == 1 || b["capa"] == 2);
                }
            }
            std::vector<std::string> esperadas;
            if (j["AsTraccionPos"] > 0) esperadas.push_back("inferior");
            if (j["AsTraccionNeg"] > 0) esperadas.push_back("superior");
            EXPECT_EQ(caras, esperadas);
        }
        EXPECT_EQ(j["pasos"]["flexionPos"]["As"], j["AsTraccionPos"]);
        EXPECT_EQ(j["pasos"]["flexionNeg"]["As"], j["AsTraccionNeg"]);
        EXPECT_EQ(j["pasos"]["cortante"]["texto"], j["txtEstribos"]);
        EXPECT_EQ(j["pasos"]["deflexion"]["FlechaEfectiva"], j["FlechaEfectiva"]);
        EXPECT_EQ(j["pasos"]["deflexion"]["FlechaComparada"], j["FlechaLargoPlazo"]);
        EXPECT_EQ(j["pasos"]["avisos"], j["mensajes"]);
        EXPECT_EQ(Claves(j["envolvente"]), kExtremos);
        for (const auto& [nombre, x] : j["envolvente"].items()) {
            EXPECT_EQ(Claves(x), Palabras("valor x vivas")) << nombre;
            EXPECT_TRUE(x["valor"].is_number() && x["x"].is_number()) << nombre;
            ASSERT_EQ(x["vivas"].size(), 3u) << nombre;
            for (const auto& v : x["vivas"]) EXPECT_TRUE(v.is_boolean()) << nombre;
        }
        // Each support's factored reaction over the arrangements holds the
        // all-loaded one; each zone's deflection check, the governing zone's
        // limit rounded as shown.
        const auto& r = j["reacciones"];
        EXPECT_EQ(Claves(r), Palabras("J K"));
        for (const auto& [apoyo, x] : r.items()) {
            EXPECT_EQ(Claves(x), Palabras("max min vivasMax vivasMin")) << apoyo;
            EXPECT_EQ(x["vivasMax"].size(), 3u);
            EXPECT_EQ(x["vivasMin"].size(), 3u);
        }
        EXPECT_GE(r["J"]["max"], j["pasos"]["reacciones"]["R1Factorizada"]);
        EXPECT_LE(r["K"]["min"], j["pasos"]["reacciones"]["R2Factorizada"]);
        const auto& z = j["deflexiones"];
        ASSERT_TRUE(z.is_array());
        std::vector<std::string> nombres;
        for (const auto& x : z) {
            EXPECT_EQ(Claves(x), Palabras("zona longitud luzReferencia flecha admisible cumple"));
            EXPECT_EQ(x["cumple"], x["flecha"].get<double>() <= x["admisible"].get<double>());
            nombres.push_back(x["zona"]);
        }
        const bool izquierdo = j["DistJ"].get<double>() > 0;
        const bool derecho = j["DistK"].get<double>() < j["LuzViga"].get<double>();
        if (!z.empty()) {
            std::vector<std::string> esperados;
            if (izquierdo) esperados.push_back("voladizo izquierdo");
            esperados.push_back("tramo");
            if (derecho) esperados.push_back("voladizo derecho");
            EXPECT_EQ(nombres, esperados);
        }
    }
    // The bar schedule: each bar with its mark, face, ends and length.
    for (const auto& b : j["despiece"]) {
        EXPECT_EQ(Claves(b), Palabras("marca cara cantidad diametro desde hasta longitud funcion "
                                      "capa ganchos"));
        EXPECT_LT(b["desde"].get<double>(), b["hasta"].get<double>());
    }
    for (const auto& e : j["despieceEstribos"]) {
        EXPECT_EQ(Claves(e), Palabras("marca cantidad diametro longitud ancho alto gancho"));
    }
    if (j.contains("avisosDespiece")) claves.insert("avisosDespiece");
    if (j.contains("avisoAlternancia")) {
        claves.insert("avisoAlternancia");
        EXPECT_TRUE(j["avisoAlternancia"].is_string());
    }
    EXPECT_EQ(Claves(j), claves);
    EXPECT_TRUE(j["alternancia"].is_boolean());
    for (const std::string& k : claves) {
        EXPECT_TRUE(kTextos.count(k) == 1 || k == "diagramas" || j[k].is_number()) << k;
    }
    EXPECT_TRUE(j["NumCargas"].is_number_integer() && j["NumEstaciones"].is_number_integer());
    EXPECT_EQ(Claves(j["PosicionExtremos"]), kExtremos);
    for (const auto& m : j["mensajes"]) {
        EXPECT_EQ(Claves(m), (std::set<std::string>{"titulo", "texto", "estilo"}));
    }
    ASSERT_EQ(j["varillas"].size(), 4u);
    for (const auto& fila : j["varillas"]) EXPECT_EQ(fila.size(), 4u);
    // The stirrup zones: none without stirrups, else from 0 to L one after
    // another, the closest spacing that of txtEstribos.
    const auto& e = j["estribos"];
    ASSERT_TRUE(e.is_array());
    const std::string txt = j["txtEstribos"];
    EXPECT_EQ(e.empty(), txt.empty());
    if (!e.empty()) {
        EXPECT_EQ(e.front()["desde"], 0.0);
        EXPECT_EQ(e.back()["hasta"], j["LuzViga"]);
        int menor = e.front()["separacion"];
        for (std::size_t k = 0; k < e.size(); ++k) {
            EXPECT_EQ(Claves(e[k]), Palabras("desde hasta cantidad separacion"));
            if (k > 0) {
                EXPECT_EQ(e[k]["desde"], e[k - 1]["hasta"]);
            }
            menor = std::min(menor, e[k]["separacion"].get<int>());
        }
        EXPECT_EQ(txt.substr(txt.find('@') + 1), std::to_string(menor));
    }
}

TEST_F(Korvex, ContratoDelJsonEnLosEjemplos) {
    for (const char* nombre :
         {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        SCOPED_TRACE(nombre);
        const json d = Json({"--calcular", Ejemplo(nombre), "--json", "--diagramas"});
        CumpleElContrato(d, true);
        EXPECT_TRUE(d["calculado"]);
        EXPECT_TRUE(d["puntos"].empty());
        const auto& g = d["diagramas"];
        EXPECT_EQ(Claves(g), Palabras("X DiagCortante DiagMomento DiagGiro DiagFlecha "
                                      "DiagMomentoServicio EnvolventeCortanteMax "
                                      "EnvolventeCortanteMin EnvolventeMomentoMax "
                                      "EnvolventeMomentoMin EnvolventeMomentoServicioMax "
                                      "EnvolventeMomentoServicioMin EnvolventeGiroMax "
                                      "EnvolventeGiroMin EnvolventeFlechaMax "
                                      "EnvolventeFlechaMin"));
        for (const auto& [k, v] : g.items()) {
            EXPECT_EQ(v.size(), d["NumEstaciones"].get<std::size_t>()) << k;
        }
        // The sampled moment in the analysis sign (sagging negative), the
        // extremes in the displayed sign.
        double minimo = 0, maximo = 0;
        for (double m : g["DiagMomento"])
            minimo = std::min(minimo, m), maximo = std::max(maximo, m);
        EXPECT_NEAR(-minimo, d["MomentoPosMax"].get<double>(), 1e-4);
        EXPECT_NEAR(-maximo, d["MomentoNegMax"].get<double>(), 1e-4);
    }
}

// The option on the command line: the top-level extremes become the
// envelope's and the notice is gone; a simple span has no notice.
TEST_F(Korvex, AlternanciaDesdeLaLineaDeOrdenes) {
    const json a = Json({"--calcular", Ejemplo("viga_t_vuelos.kvx"), "--json"});
    const json e = Json({"--calcular", Ejemplo("viga_t_vuelos.kvx"), "--json", "--alternancia"});
    CumpleElContrato(e, false);
    EXPECT_EQ(a["alternancia"], false);
    EXPECT_EQ(e["alternancia"], true);
    EXPECT_TRUE(a.contains("avisoAlternancia"));
    EXPECT_FALSE(e.contains("avisoAlternancia"));
    for (const std::string& k : kExtremos) {
        EXPECT_EQ(e[k], e["envolvente"][k]["valor"]) << k;
        EXPECT_EQ(e["PosicionExtremos"][k], e["envolvente"][k]["x"]) << k;
        EXPECT_EQ(a["envolvente"][k], e["envolvente"][k]) << k;  // the same arrangements
    }
    EXPECT_GT(e["AsTraccionPos"], a["AsTraccionPos"]);  // designed for the envelope
    EXPECT_FALSE(Json({"--calcular", Ejemplo("viga_rectangular.kvx"), "--json"})
                     .contains("avisoAlternancia"));
    // The option saved in the project turns it on as well.
    std::ifstream f(Ejemplo("viga_t_vuelos.kvx"), std::ios::binary);
    const std::string guardado((std::istreambuf_iterator<char>(f)), {});
    const json g =
        Json({"--calcular", Archivo("opciones.kvx", guardado + "\"Opciones\",1\r\n"), "--json"});
    EXPECT_EQ(g["alternancia"], true);
    EXPECT_EQ(g["MomentoPosMax"], e["MomentoPosMax"]);
}

// Each option reaches the calculation (on the 6 m rectangular example): the
// stirrup answered, the use's admissible deflection 6 / 480 to 3 decimals,
// the points in order with the one beyond the beam refused into the messages.
TEST_F(Korvex, OpcionesYPuntos) {
    const json j = Json({"--calcular", Ejemplo("viga_rectangular.kvx"), "--json", "--uso", "3",
                         "--estribo", "1/2", "--punto", "2", "--punto", "7", "--punto", "0"});
    EXPECT_EQ(j["txtEstribos"], "1/2@23");
    EXPECT_NEAR(j["DeflexionAdmisible"].get<double>(), 0.013, 1e-6);
    ASSERT_EQ(j["puntos"].size(), 2u);
    EXPECT_EQ(Claves(j["puntos"][0]), Palabras("X CortanteIzq CortanteDer MomentoIzq MomentoDer "
                                               "MomentoServicio Giro Flecha"));
    EXPECT_EQ(j["puntos"][0]["X"], 2.0);
    EXPECT_EQ(j["puntos"][1]["X"], 0.0);
    ASSERT_FALSE(j["mensajes"].empty());
    EXPECT_EQ(j["mensajes"].back()["texto"],
              "El punto analizado debe estar en el intervalo 0 <= X <= L");
}

// Read but not calculated (no loads, refused data): status 0, calculado false.
TEST_F(Korvex, LeidoSinCalcular) {
    std::string apoyos = Cabecera(1);
    apoyos.replace(apoyos.find(",0,6,#FALSE#"), 12, ",3,3,#FALSE#");
    for (const auto& [nombre, contenido, mensajes] :
         {std::tuple{"vacio.kvx", Cabecera(0), 0u},
          std::tuple{"apoyos.kvx", apoyos + "3,0,3,10,0,3,1,1\r\n", 1u}}) {
        SCOPED_TRACE(nombre);
        const json j = Json({"--calcular", Archivo(nombre, contenido), "--json"});
        CumpleElContrato(j, false);
        EXPECT_FALSE(j["calculado"]);
        EXPECT_EQ(j["mensajes"].size(), mensajes);
    }
}

// A refused file (the reader's refusals and their texts are pinned by the
// core's tests): status 1, nothing on the output, the reader's text told.
TEST_F(Korvex, ArchivosMalosTerminanCon1YOrdenesIncorrectasCon2) {
    const std::string ruta = Archivo("cuenta.kvx", Cabecera(2) + "3,0,3,10,0,3,1,1\r\n");
    for (const auto& args : {std::vector<std::string>{"--calcular", ruta},
                             std::vector<std::string>{"--calcular", ruta, "--json"}}) {
        const Ejecucion e = Correr(args);
        EXPECT_EQ(e.estado, 1);
        EXPECT_TRUE(e.salida.empty()) << e.salida;
        EXPECT_NE(e.error.find("Error al abrir el proyecto"), std::string::npos) << e.error;
        EXPECT_NE(e.error.find("campo 15"), std::string::npos) << e.error;
    }
    const std::string ej = Ejemplo("viga_rectangular.kvx");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--calcular", ej, "--uso", "5"},
          {"--calcular", ej, "--estribo", "5/8"},
          {"--calcular", ej, "--norma", "aci318-14"},
          {"--informe", "x.pdf", ej, "--norma", "ACI"},
          {"--calcular"},
          {"--calcular", ej, "--desconocida"},
          {"--json", ej},
          {"--poligono", ej, "--punto", "1"},
          {"--poligono", ej, "--alternancia"},
          {"--alternancia", ej}}) {
        const Ejecucion e = Correr(args);
        EXPECT_EQ(e.estado, 2) << args.back();
        EXPECT_TRUE(e.salida.empty());
        EXPECT_NE(e.error.find("Uso:"), std::string::npos) << e.error;
        EXPECT_EQ(e.error.find("Unknown"), std::string::npos) << e.error;  // Spanish only
    }
    EXPECT_NE(Correr({"--help"}).salida.find("Estado de salida"), std::string::npos);
}

// The rules: the file's unless --norma names others. A 6 m beam 25 x 50 with
// 2 Tn/m dead (2.3 with its own weight) and 1 Tn/m live load: wL2/8 factored
// by 1.4/1.7 (22.14 Tn.m) or by ACI 318-19's 1.2/1.6 (19.62 Tn.m), and the
// steel follows.
TEST_F(Korvex, NormaDelArchivoOLaDeLaOrden) {
    const std::string cargas = Cabecera(2) + "0,6,0,2,2,6,2,2\r\n0,6,0,1,1,6,2,1\r\n";
    const std::string clasica = Archivo("clasica.kvx", cargas);
    const std::string aci = Archivo("aci.kvx", cargas + "\"Opciones\",0,\"aci318-19\",30\r\n");
    const json c = Json({"--calcular", clasica, "--json"});
    const json a = Json({"--calcular", clasica, "--json", "--norma", "aci318-19"});
    EXPECT_EQ(c["norma"], "clasica");
    EXPECT_EQ(a["norma"], "aci318-19");
    EXPECT_NEAR(std::abs(c["MomentoPosMax"].get<double>()), 22.14, 1e-3);
    EXPECT_NEAR(std::abs(a["MomentoPosMax"].get<double>()), 19.62, 1e-3);
    EXPECT_NE(a["AsTraccionPos"], c["AsTraccionPos"]);
    EXPECT_EQ(Json({"--calcular", aci, "--json"})["MomentoPosMax"], a["MomentoPosMax"]);
    const json v = Json({"--calcular", aci, "--json", "--norma", "clasica"});
    EXPECT_EQ(v["norma"], "clasica");
    EXPECT_EQ(v["MomentoPosMax"], c["MomentoPosMax"]);
    EXPECT_NE(Correr({"--calcular", aci}).salida.find("Norma: ACI 318-19"), std::string::npos);
    EXPECT_EQ(Correr({"--calcular", clasica}).salida.find("Norma"), std::string::npos);
}

TEST_F(Korvex, ResumenesLegibles) {
    const Ejecucion e = Correr({"--calcular", Ejemplo("viga_rectangular.kvx"), "--punto", "3"});
    EXPECT_EQ(e.estado, 0) << e.error;
    for (const char* t : {"Momento positivo máximo (Tn.m)", "Estribos: 3/8@23", "Varillas",
                          "admisible para el uso 1 (L/180) = 0.033", "X = 3 m", "(ninguno)"}) {
        EXPECT_NE(e.salida.find(t), std::string::npos) << t << "\n" << e.salida;
    }
    const Ejecucion ti = Correr({"--calcular", Ejemplo("viga_t_invertida.kvx"), "--uso", "4"});
    EXPECT_NE(ti.salida.find("[Advertencia] Elemento de gran peralte"), std::string::npos);
    EXPECT_NE(ti.salida.find("a largo plazo (lambda = "), std::string::npos) << ti.salida;
}

// The polygon utility: its contract and exit statuses (its values, the
// impossible sections and the reader's refusals are pinned by the polygon
// core's tests).
TEST_F(Korvex, Poligono) {
    const json l = Json({"--poligono", Ejemplo("seccion_L.txt"), "--json"});
    EXPECT_EQ(Claves(l), Palabras("calculado mensajes NumVertices Area Xcg Ycg Ix txtArea txtXcg "
                                  "txtYcg txtIx lblCg"));
    EXPECT_TRUE(l["calculado"]);
    const json recta = Json({"--poligono", Archivo("recta.txt", "0,0\n1,0\n2,0\n"), "--json"});
    EXPECT_FALSE(recta["calculado"]);
    EXPECT_EQ(recta["mensajes"].size(), 1u);
    const Ejecucion e = Correr({"--poligono", Archivo("malo.txt", "0,0\n1;1\n2,2\n")});
    EXPECT_EQ(e.estado, 1);
    EXPECT_TRUE(e.salida.empty());
    EXPECT_NE(e.error.find("Error al abrir el polígono"), std::string::npos) << e.error;
    EXPECT_NE(Correr({"--poligono", Ejemplo("seccion_L.txt")}).salida.find("Área: "),
              std::string::npos);
}

}  // namespace
}  // namespace korvex::pruebas
