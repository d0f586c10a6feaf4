// The calculation report written by the built `korvex --memoria`, read back
// with poppler's pdftotext and pdfinfo and compared with the JSON of
// `korvex --calcular --json` on the same project: every load, the extremes,
// steel areas, stirrups, effective inertias, deflections and messages as
// printed, one footer per page, the pagination of a long table and the exit
// statuses. What each part says is pinned by the core's report tests.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "comun/Proceso.h"
#include "comun/Vigas.h"
#include "project/ArchivoKvx.h"

namespace korvex::pruebas {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::string Leer(const fs::path& p) {
    std::stringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

// The shortest text of a Single, as the report prints a stored value.
std::string Simple(float v) {
    char b[64];
    const auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed);
    const std::string t(b, r.ptr);
    return t == "-0" ? "0" : t;
}

// A number as printed: thousands separators dropped, "a×10-n" read.
double Numero(std::string t) {
    t.erase(std::remove(t.begin(), t.end(), ','), t.end());
    const std::size_t x = t.find("×10");
    if (x == std::string::npos) return std::stod(t);
    std::string e = t.substr(x + 4);  // "×" is two bytes
    if (e.rfind("−", 0) == 0) e = "-" + e.substr(3);
    return std::stod(t.substr(0, x)) * std::pow(10.0, std::stod(e));
}

// The printed value equals the JSON value at the printed precision: half a
// unit of the last decimal printed, or of the 4th significant digit.
void IgualImpreso(const std::string& impreso, double json, const std::string& que) {
    if (impreso.empty()) {
        ADD_FAILURE() << que << ": no está impreso";
        return;
    }
    const double v = Numero(impreso);
    std::string mant = impreso.substr(0, impreso.find("×10"));
    const std::size_t punto = mant.find('.');
    double tolerancia = punto == std::string::npos
                            ? 0.5
                            : 0.5 * std::pow(10.0, -static_cast<double>(mant.size() - punto - 1));
    if (mant != impreso) tolerancia *= std::fabs(v / Numero(mant));
    EXPECT_LE(std::fabs(v - json), tolerancia * (1 + 1e-6) + 1e-12)
        << que << ": impreso " << impreso << ", JSON " << json;
}

class Memoria : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string plantilla = (fs::temp_directory_path() / "korvex_memoria_XXXXXX").string();
        dir_ = ::mkdtemp(plantilla.data());
    }
    void TearDown() override { fs::remove_all(dir_); }

    static Ejecucion Correr(const std::vector<std::string>& args) {
        return Ejecutar(KORVEX_EXE, args);
    }

    // pdftotext in content order (`-raw`), laid out or with word boxes;
    // pages end with \f.
    static std::string Texto(const std::string& pdf, const char* modo = "-raw") {
        const Ejecucion e = Ejecutar("pdftotext", {modo, pdf, "-"});
        EXPECT_EQ(e.estado, 0) << "pdftotext (poppler-utils): " << e.error;
        return e.salida;
    }

    std::string Guardar(const std::string& nombre, const Proyecto& p) {
        const std::string ruta = (dir_ / nombre).string();
        EXPECT_FALSE(GuardarArchivoKvx(ruta, p).has_value()) << nombre;
        return ruta;
    }

    fs::path dir_;
};

// A rectangular beam b x h, f'c 210, fy 4200, cover 5, on supports J, K.
Proyecto Viga(float L, float J, float K, const std::vector<Carga>& cargas) {
    Proyecto p = Rectangular(L, 30, 60, {}, J, K);
    p.materiales = {"210", "4200", "5", 1};
    p.ventana.txtJ = Simple(J);
    p.ventana.txtK = Simple(K);
    if (J > 0 || K < L) p.ventana.Check_Vuelo = p.estado.VueloGuardado = 1;
    for (const Carga& c : cargas) AgregarCarga(p.estado, c);
    return p;
}

Carga Nueva(float tipo, float cat, float a, float b, float P1, float P2, float L) {
    return {a, b, L - a - b, P1, P2, a + b, tipo, cat};
}

std::string Plano(const std::string& t) {
    return std::regex_replace(t, std::regex(R"(\s+)"), " ");
}

// The first number printed after `etiqueta` (a regular expression), or "".
std::string Tras(const std::string& plano, const std::string& etiqueta) {
    std::smatch m;
    const std::regex r(etiqueta + R"(\s*(-?[\d,]+(\.\d+)?(×10[-−]\d+)?))");
    return std::regex_search(plano, m, r) ? m[1].str() : std::string();
}

// Every check of one report against the JSON of the same calculation.
void CompararConJson(const std::string& raw, const json& j, const std::vector<Carga>& cargas) {
    const std::string plano = Plano(raw);
    static const char* const tipos[][2] = {
        {"", ""}, {"Puntual", "Tn"}, {"Distribuida", "Tn/m"}, {"Momento", "Tn·m"}};
    static const char* const categorias[][2] = {
        {"", ""}, {"Viva", "1.7"}, {"Muerta", "1.4"}, {"Otros", "1.0"}};
    // Every load in one row: its words, stored values, unit and factor.
    for (std::size_t i = 0; i < cargas.size(); ++i) {
        const Carga& c = cargas[i];
        const bool d = c.Tipo == kDistribuida;
        const auto* t = tipos[static_cast<int>(c.Tipo)];
        const auto* k = categorias[static_cast<int>(c.Categoria)];
        const std::string fila = std::to_string(i + 1) + " " + t[0] + " " + k[0] + " " +
                                 Simple(c.A) + " " + (d ? Simple(c.B) : "—") + " " + Simple(c.P1) +
                                 " " + (d ? Simple(c.P2) : "—") + " " + t[1] + " " + k[1];
        EXPECT_NE(plano.find(fila), std::string::npos) << fila;
    }

    // The extremes and their abscissas.
    const std::pair<const char*, const char*> extremos[] = {
        {"Cortante máximo Vmáx", "CortanteMax"},
        {"Cortante mínimo Vmín", "CortanteMin"},
        {"Cortante máximo absoluto \\|V\\|máx", "CortanteMaxAbs"},
        {"Momento positivo máximo M\\(\\+\\)", "MomentoPosMax"},
        {"Momento negativo máximo M\\(−\\)", "MomentoNegMax"},
        {"Momento máximo absoluto \\|M\\|máx", "MomentoMaxAbs"},
        {"Giro máximo \\|θ\\|máx \\(servicio\\)", "GiroMax"},
        {"Flecha por inercia \\|δ·I\\|máx \\(servicio\\)", "FlechaMax"},
    };
    for (const auto& [etiqueta, clave] : extremos) {
        IgualImpreso(Tras(plano, etiqueta), j[clave], clave);
        const std::string x = Tras(plano, std::string(etiqueta) + R"(\s*\S+\s*\S+)");
        IgualImpreso(x, j["PosicionExtremos"][clave], std::string("x de ") + clave);
    }

    // Steel of both sections, as the design left them.
    for (const auto& [signo, traccion, compresion] :
         {std::tuple{"\\+", "AsTraccionPos", "AsCompresionPos"},
          std::tuple{"−", "AsTraccionNeg", "AsCompresionNeg"}}) {
        const std::string r = std::string("Resultado, sección M\\(") + signo + "\\): As =";
        IgualImpreso(Tras(plano, r), j[traccion], traccion);
        IgualImpreso(Tras(plano, r + R"(\s*[\d.,]+ cm2 en tracción y A's =)"), j[compresion],
                     compresion);
    }

    // Stirrups.
    const std::string estribos = j["txtEstribos"];
    if (estribos.empty()) {
        EXPECT_NE(plano.find("la viga no lleva armadura por cortante"), std::string::npos);
    } else {
        EXPECT_NE(plano.find("Estribos: " + estribos + " "), std::string::npos) << estribos;
        IgualImpreso(Tras(plano, R"(s = mín\([^)]*\) = mín\([^)]*\) =)"),
                     j["EspaciamientoEstribos"], "EspaciamientoEstribos");
    }

    // Effective inertias (cm4 and m4): the last "= ... cm4 = ... m4" of each
    // section is its Ie. Then the deflections.
    for (const auto& [titulo, clave] : {std::pair{"de momento positivo", "InerciaEfectivaPos"},
                                        std::pair{"de momento negativo", "InerciaEfectivaNeg"}}) {
        const double Ie = j[clave];
        const std::size_t i = plano.find(std::string("Inercia efectiva de la sección ") + titulo);
        ASSERT_NE(i, std::string::npos) << titulo;
        const std::string seccion =
            plano.substr(i, plano.find("Inercia efectiva de la", i + 10) - i);
        if (Ie == 0) continue;
        const std::regex r(R"(= ([\d,]+) cm4 = ([\d.]+(×10-\d+)?) m4)");
        std::smatch m;
        for (auto it = std::sregex_iterator(seccion.begin(), seccion.end(), r);
             it != std::sregex_iterator(); ++it) {
            m = *it;
        }
        ASSERT_FALSE(m.empty()) << seccion;
        IgualImpreso(m[1], Ie * 1e8, clave);
        IgualImpreso(m[2], Ie, clave);
    }
    IgualImpreso(Tras(plano, R"(δ = máx\(δ\+, δ−\) = máx\([^)]*\) =)"), j["FlechaEfectiva"],
                 "FlechaEfectiva");
    if (plano.find("δlp = λ δ") != std::string::npos) {
        IgualImpreso(Tras(plano, R"(δlp = λ δ = \S+ × \S+ =)"), j["FlechaLargoPlazo"],
                     "FlechaLargoPlazo");
    }

    // Every message, in order, at the end.
    std::size_t desde = plano.find("7. Avisos");
    ASSERT_NE(desde, std::string::npos);
    int n = 0;
    for (const json& m : j["mensajes"]) {
        const std::string aviso = std::to_string(++n) + ". " + m["titulo"].get<std::string>() +
                                  ": " + m["texto"].get<std::string>();
        const std::size_t en = plano.find(aviso, desde);
        EXPECT_NE(en, std::string::npos) << aviso;
        if (en != std::string::npos) desde = en;
    }
}

// One footer per page, in order, as many as pdfinfo counts.
void Pies(const std::string& raw, const std::string& pdf) {
    std::smatch m;
    const std::string info = Ejecutar("pdfinfo", {pdf}).salida;
    ASSERT_TRUE(std::regex_search(info, m, std::regex(R"(Pages:\s+(\d+))"))) << info;
    const int paginas = std::stoi(m[1]);
    ASSERT_GT(paginas, 1);
    std::vector<std::string> hojas;
    std::stringstream s(raw);
    for (std::string h; std::getline(s, h, '\f');) hojas.push_back(h);
    if (!hojas.empty() && Plano(hojas.back()).find_first_not_of(' ') == std::string::npos) {
        hojas.pop_back();
    }
    ASSERT_EQ(static_cast<int>(hojas.size()), paginas);
    for (int i = 0; i < paginas; ++i) {
        const std::string pie =
            "Página " + std::to_string(i + 1) + " de " + std::to_string(paginas);
        EXPECT_NE(hojas[static_cast<std::size_t>(i)].find(pie), std::string::npos) << pie;
    }
}

TEST_F(Memoria, CadaEjemploYNueveCargasIgualesAlJson) {
    // Nine loads: every type and category, both cantilevers loaded.
    const std::string nueve = Guardar(
        "nueve.kvx",
        Viga(8, 1, 7,
             {Nueva(kPuntual, kViva, 0.5f, 0, 2, 0, 8), Nueva(kPuntual, kMuerta, 4, 0, 6, 0, 8),
              Nueva(kPuntual, kOtros, 7.5f, 0, 1.5f, 0, 8),
              Nueva(kDistribuida, kMuerta, 0, 8, 1.2f, 1.2f, 8),
              Nueva(kDistribuida, kViva, 1, 6, 0.5f, 1.5f, 8),
              Nueva(kDistribuida, kOtros, 2, 3, 2, 0.5f, 8),
              Nueva(kMomento, kViva, 3, 0, 1.5f, 0, 8), Nueva(kMomento, kMuerta, 6, 0, -2, 0, 8),
              Nueva(kPuntual, kViva, 8, 0, 1, 0, 8)}));
    const std::pair<std::string, std::vector<std::string>> casos[] = {
        {Ejemplo("viga_rectangular.kvx"), {}},
        {Ejemplo("viga_t_vuelos.kvx"), {}},
        {Ejemplo("viga_t_invertida.kvx"), {}},
        {Ejemplo("viga_t_vuelos.kvx"), {"--alternancia", "--uso", "3"}},
        {nueve, {"--uso", "4", "--estribo", "1/2"}},
    };
    for (const auto& [archivo, opciones] : casos) {
        SCOPED_TRACE(archivo);
        const std::string pdf = (dir_ / "memoria.pdf").string();
        std::vector<std::string> args = {"--memoria", pdf, archivo};
        args.insert(args.end(), opciones.begin(), opciones.end());
        const Ejecucion e = Correr(args);
        ASSERT_EQ(e.estado, 0) << e.error;
        EXPECT_NE(e.salida.find("Memoria de cálculo escrita en"), std::string::npos);
        args = {"--calcular", archivo, "--json"};
        args.insert(args.end(), opciones.begin(), opciones.end());
        const Ejecucion calculo = Correr(args);
        ASSERT_EQ(calculo.estado, 0);
        Proyecto p;
        ASSERT_FALSE(LeerArchivoKvx(archivo, p).has_value());
        const auto& c = p.estado.Cargas;
        const std::string raw = Texto(pdf);
        CompararConJson(raw, json::parse(calculo.salida),
                        {c.begin() + 1, c.begin() + 1 + p.estado.NumCargas});
        Pies(raw, pdf);
        fs::remove(pdf);
    }
}

// A load table longer than a page: no text outside the margins, the table
// continued with its header on every page it reaches and never cut inside
// a row, no formula split between two pages.
TEST_F(Memoria, PaginasSinCortesNiTextoFueraDeLosMargenes) {
    std::vector<Carga> cargas;
    for (int i = 0; i < 120; ++i) {
        cargas.push_back(Nueva(i % 2 ? kPuntual : kDistribuida, static_cast<float>(1 + i % 3),
                               0.08f * static_cast<float>(i), i % 2 ? 0 : 0.5f, 0.1f, 0.1f, 10));
    }
    const std::string kvx = Guardar("larga.kvx", Viga(10, 0, 10, cargas));
    const std::string pdf = (dir_ / "larga.pdf").string();
    ASSERT_EQ(Correr({"--memoria", pdf, kvx, "--alternancia"}).estado, 0);

    // Margins: 64 pt at both sides; the header above 60 pt, the footer
    // below 740 pt, the body between 72 and 728 pt (points from the corner).
    const std::regex palabra(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::stringstream cajas(Texto(pdf, "-bbox"));
    int palabras = 0;
    for (std::string l; std::getline(cajas, l);) {
        std::smatch m;
        if (!std::regex_search(l, m, palabra)) continue;
        ++palabras;
        const double x0 = std::stod(m[1]), y0 = std::stod(m[2]);
        const double x1 = std::stod(m[3]), y1 = std::stod(m[4]);
        const bool cabecera = y1<60, pie = y0> 740;
        EXPECT_TRUE(x0 >= 63 && x1 <= 549) << m[5];
        EXPECT_TRUE(cabecera || pie || (y0 >= 71 && y1 <= 729)) << m[5] << ", y " << y0;
        EXPECT_TRUE((!cabecera || y0 >= 36) && (!pie || y1 <= 760)) << m[5];
    }
    EXPECT_GT(palabras, 1000);

    // The table, page by page (laid-out text).
    std::stringstream hojas(Texto(pdf, "-layout"));
    const std::regex fila(
        R"(^\s*(\d+)\s+(Puntual|Distribuida)\s+(Viva|Muerta|Otros)\s+[\d.]+\s+(0\.5|—)\s+0\.1\s+(0\.1|—)\s+(Tn|Tn/m)\s+(1\.7|1\.4|1\.0)\s*$)");
    int siguiente = 1, paginasConFilas = 0;
    for (std::string hoja; std::getline(hojas, hoja, '\f');) {
        std::stringstream lineas(hoja);
        bool encabezado = false, primera = true, conFilas = false;
        for (std::string l; std::getline(lineas, l);) {
            if (l.find_first_not_of(' ') == std::string::npos) continue;
            if (l.find("Korvex 2000 — Memoria de cálculo") != std::string::npos) continue;
            if (primera) {
                EXPECT_NE(l.find_first_not_of(' '), l.find('=')) << "fórmula partida: " << l;
                primera = false;
            }
            encabezado |= l.find("N°") != std::string::npos && l.find("Categoría") != l.npos;
            std::smatch m;
            if (std::regex_match(l, m, fila) && siguiente <= 120) {
                EXPECT_TRUE(encabezado) << "fila sin encabezado: " << l;
                EXPECT_EQ(std::stoi(m[1]), siguiente) << l;
                siguiente = std::stoi(m[1]) + 1;
                conFilas = true;
            }
        }
        paginasConFilas += conFilas;
    }
    EXPECT_EQ(siguiente, 121);
    EXPECT_GE(paginasConFilas, 3);
}

// Exit statuses as --informe: 2 for a wrong command line, 1 for a project
// that is refused or cannot be calculated or a PDF that cannot be written,
// and then no file (a file already there stays as it was).
TEST_F(Memoria, EstadosDeSalidaYNingunArchivoAMedias) {
    const std::string pdf = (dir_ / "m.pdf").string();
    const std::string ejemplo = Ejemplo("viga_rectangular.kvx");
    const std::vector<std::vector<std::string>> mal = {
        {"--memoria", pdf},
        {"--memoria"},
        {"--memoria", pdf, ejemplo, ejemplo},
        {"--memoria", pdf, ejemplo, "--json"},
        {"--memoria", pdf, ejemplo, "--punto", "1"},
        {"--memoria", pdf, "--calcular", ejemplo},
        {"--memoria", pdf, "--informe", pdf, ejemplo},
        {"--memoria", pdf, ejemplo, "--uso", "5"},
        {"--memoria", pdf, ejemplo, "--estribo", "5/8"},
    };
    for (const auto& args : mal) {
        const Ejecucion e = Correr(args);
        EXPECT_EQ(e.estado, 2) << args.size();
        EXPECT_NE(e.error.find("--memoria SALIDA.pdf"), std::string::npos) << e.error;
        EXPECT_FALSE(fs::exists(pdf));
    }

    std::ofstream(dir_ / "malo.kvx") << "esto no es un proyecto\r\n";
    const std::string sinCargas = Guardar("vacia.kvx", Viga(6, 0, 6, {}));
    std::ofstream(pdf) << "contenido previo";
    for (const std::string& kvx :
         {(dir_ / "malo.kvx").string(), sinCargas, (dir_ / "no_existe.kvx").string()}) {
        const Ejecucion e = Correr({"--memoria", pdf, kvx});
        EXPECT_EQ(e.estado, 1) << kvx;
        EXPECT_FALSE(e.error.empty()) << kvx;
        EXPECT_EQ(Leer(pdf), "contenido previo") << kvx;
    }
    for (const std::string& destino : {(dir_ / "no_hay" / "m.pdf").string(), dir_.string()}) {
        const Ejecucion e = Correr({"--memoria", destino, ejemplo});
        EXPECT_EQ(e.estado, 1) << destino;
        EXPECT_NE(e.error.find("No se pudo"), std::string::npos) << e.error;
    }
    // Nothing but the files the test made.
    int archivos = 0;
    for ([[maybe_unused]] const auto& x : fs::directory_iterator(dir_)) ++archivos;
    EXPECT_EQ(archivos, 3);  // malo.kvx, vacia.kvx, m.pdf
}

}  // namespace
}  // namespace korvex::pruebas
