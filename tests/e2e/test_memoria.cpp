// The calculation report written by the built `korvex --memoria`, read back
// with poppler's pdftotext and pdfinfo and compared with the JSON of
// `korvex --calcular --json` on the same project: every load, the extremes,
// steel areas, stirrups, effective inertias and deflections as printed, the
// page count and footers, the stop at an insufficient section, the
// pagination rules and the exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "project/ArchivoKvx.h"

namespace korvex {
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

std::string Ejemplo(const char* nombre) {
    return (fs::path(KORVEX_EJEMPLOS) / nombre).string();
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

    // korvex with no display of any kind.
    Ejecucion Correr(const std::vector<std::string>& args) {
        std::string orden =
            "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + Comillas(KORVEX_EXE);
        for (const std::string& a : args) orden += " " + Comillas(a);
        return Sistema(orden);
    }

    Ejecucion Sistema(const std::string& orden) {
        const int r = std::system((orden + " >" + Comillas((dir_ / "salida").string()) + " 2>" +
                                   Comillas((dir_ / "error").string()) + " </dev/null")
                                      .c_str());
        Ejecucion e;
        e.estado = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
        e.salida = Leer(dir_ / "salida");
        e.error = Leer(dir_ / "error");
        return e;
    }

    // pdftotext in content order (`-raw`) or laid out (`-layout`); pages end with \f.
    std::string Texto(const std::string& pdf, const char* modo = "-raw") {
        const Ejecucion e = Sistema(std::string("pdftotext ") + modo + " " + Comillas(pdf) + " -");
        EXPECT_EQ(e.estado, 0) << "pdftotext (poppler-utils): " << e.error;
        return e.salida;
    }

    int Paginas(const std::string& pdf) {
        const Ejecucion e = Sistema("pdfinfo " + Comillas(pdf));
        std::smatch m;
        return std::regex_search(e.salida, m, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(m[1])
                                                                               : -1;
    }

    std::string Guardar(const std::string& nombre, const Proyecto& p) {
        const std::string ruta = (dir_ / nombre).string();
        EXPECT_FALSE(GuardarArchivoKvx(ruta, p).has_value()) << nombre;
        return ruta;
    }

    fs::path dir_;
};

// A rectangular beam b x h on supports J, K with its loads.
Proyecto Viga(float L, float J, float K, const std::vector<Carga>& cargas, int b = 30, int h = 60) {
    Proyecto p;
    p.seccion.TipoViga = kVigaRect;
    p.seccion.txtB = std::to_string(b);
    p.seccion.txtH = std::to_string(h);
    Calculos_Geom(p.seccion, p.estado);
    p.materiales = {"210", "4200", "5", 1};
    p.estado.LuzViga = L;
    p.estado.DistJ = J;
    p.estado.DistK = K;
    p.ventana.txtJ = Simple(J);
    p.ventana.txtK = Simple(K);
    if (J > 0 || K < L) p.ventana.Check_Vuelo = p.estado.VueloGuardado = 1;
    for (const Carga& c : cargas) AgregarCarga(p.estado, c);
    return p;
}

Carga Nueva(float tipo, float cat, float a, float b, float P1, float P2, float L) {
    return {a, b, L - a - b, P1, P2, a + b, tipo, cat};
}

// Nine loads: every type and category, both cantilevers loaded.
Proyecto NueveCargas() {
    const float L = 8;
    return Viga(
        L, 1, 7,
        {Nueva(kPuntual, kViva, 0.5f, 0, 2, 0, L), Nueva(kPuntual, kMuerta, 4, 0, 6, 0, L),
         Nueva(kPuntual, kOtros, 7.5f, 0, 1.5f, 0, L),
         Nueva(kDistribuida, kMuerta, 0, 8, 1.2f, 1.2f, L),
         Nueva(kDistribuida, kViva, 1, 6, 0.5f, 1.5f, L),
         Nueva(kDistribuida, kOtros, 2, 3, 2, 0.5f, L), Nueva(kMomento, kViva, 3, 0, 1.5f, 0, L),
         Nueva(kMomento, kMuerta, 6, 0, -2, 0, L), Nueva(kPuntual, kViva, 8, 0, 1, 0, L)});
}

// The loads of a project file: one record of eight numbers per line.
std::vector<Carga> CargasDe(const std::string& ruta) {
    Proyecto p;
    EXPECT_FALSE(LeerArchivoKvx(ruta, p).has_value());
    return {p.estado.Cargas.begin() + 1, p.estado.Cargas.begin() + 1 + p.estado.NumCargas};
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

const char* const kTipos[] = {"", "Puntual", "Distribuida", "Momento"};
const char* const kCategorias[] = {"", "Viva", "Muerta", "Otros"};
const char* const kFactores[] = {"", "1.7", "1.4", "1.0"};

// Every check of one report against the JSON of the same calculation.
void CompararConJson(const std::string& raw, const json& j, const std::vector<Carga>& cargas,
                     const std::string& que) {
    SCOPED_TRACE(que);
    const std::string plano = Plano(raw);

    // Every load, with its words, stored values and factor, in one row.
    for (std::size_t i = 0; i < cargas.size(); ++i) {
        const Carga& c = cargas[i];
        const bool d = c.Tipo == kDistribuida;
        const auto t = static_cast<std::size_t>(c.Tipo), k = static_cast<std::size_t>(c.Categoria);
        const std::string fila = std::to_string(i + 1) + " " + kTipos[t] + " " + kCategorias[k] +
                                 " " + Simple(c.A) + " " + (d ? Simple(c.B) : "—") + " " +
                                 Simple(c.P1) + " " + (d ? Simple(c.P2) : "—");
        EXPECT_NE(plano.find(fila), std::string::npos) << fila;
        EXPECT_NE(plano.find(fila + " " +
                             (t == 1   ? "Tn "
                              : t == 2 ? "Tn/m "
                                       : "Tn·m ") +
                             kFactores[k]),
                  std::string::npos)
            << fila;
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
        const std::string v = Tras(plano, etiqueta);
        ASSERT_FALSE(v.empty()) << etiqueta;
        IgualImpreso(v, j[clave], clave);
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

    // Effective inertias (cm4 and m4) and the deflections.
    for (const auto& [titulo, clave] : {std::pair{"de momento positivo", "InerciaEfectivaPos"},
                                        std::pair{"de momento negativo", "InerciaEfectivaNeg"}}) {
        const double Ie = j[clave];
        const std::size_t i = plano.find(std::string("Inercia efectiva de la sección ") + titulo);
        ASSERT_NE(i, std::string::npos) << titulo;
        const std::string seccion =
            plano.substr(i, plano.find("Inercia efectiva de la", i + 10) - i);
        if (Ie == 0) continue;
        // The last "= ... cm4 = ... m4" of the section is its Ie.
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
    if (j.contains("FlechaLargoPlazo") && plano.find("δlp = λ δ") != std::string::npos) {
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

// Page count of pdfinfo, one footer per page, in order.
void Pies(const std::string& raw, int paginas) {
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
    EXPECT_EQ(raw.find("Página " + std::to_string(paginas + 1) + " "), std::string::npos);
}

TEST_F(Memoria, CadaEjemploYNueveCargasIgualesAlJson) {
    struct Caso {
        std::string archivo;
        std::vector<std::string> opciones;
    };
    std::vector<Caso> casos;
    for (const char* e : {"viga_rectangular.kvx", "viga_t_vuelos.kvx", "viga_t_invertida.kvx"}) {
        casos.push_back({Ejemplo(e), {}});
    }
    casos.push_back({Ejemplo("viga_t_vuelos.kvx"), {"--alternancia", "--uso", "3"}});
    casos.push_back({Guardar("nueve.kvx", NueveCargas()), {"--uso", "4", "--estribo", "1/2"}});
    for (const Caso& c : casos) {
        const std::string pdf = (dir_ / "memoria.pdf").string();
        std::vector<std::string> args = {"--memoria", pdf, c.archivo};
        args.insert(args.end(), c.opciones.begin(), c.opciones.end());
        const Ejecucion e = Correr(args);
        ASSERT_EQ(e.estado, 0) << c.archivo << e.error;
        EXPECT_NE(e.salida.find("Memoria de cálculo escrita en"), std::string::npos);
        args = {"--calcular", c.archivo, "--json"};
        args.insert(args.end(), c.opciones.begin(), c.opciones.end());
        const Ejecucion calculo = Correr(args);
        ASSERT_EQ(calculo.estado, 0);
        const json j = json::parse(calculo.salida);
        const std::string raw = Texto(pdf);
        CompararConJson(raw, j, CargasDe(c.archivo), c.archivo);
        Pies(raw, Paginas(pdf));
        fs::remove(pdf);
    }
}

// A beam too small for its load: the report ends at the failing check of
// the flexural design, with nothing of the later parts.
TEST_F(Memoria, UnFalloAFlexionTerminaEnLaSeccionInsuficiente) {
    const std::string kvx = Guardar(
        "debil.kvx", Viga(6, 0, 6, {Nueva(kDistribuida, kMuerta, 0, 6, 10, 10, 6)}, 15, 20));
    const json j = json::parse(Correr({"--calcular", kvx, "--json"}).salida);
    ASSERT_EQ(j["FalloDiseno"], 1);
    const std::string pdf = (dir_ / "debil.pdf").string();
    ASSERT_EQ(Correr({"--memoria", pdf, kvx}).estado, 0);
    const std::string raw = Texto(pdf);
    Pies(raw, Paginas(pdf));
    const std::string plano = Plano(raw);
    const std::size_t veredicto = plano.rfind("✗ No cumple");
    const std::size_t parada = plano.find("el diseño se detiene aquí");
    ASSERT_NE(veredicto, std::string::npos);
    ASSERT_NE(parada, std::string::npos);
    EXPECT_LT(veredicto, parada);
    EXPECT_LT(plano.find("3. Diseño a flexión"), veredicto);
    // After the stop only the rest of its sentence and the last footer.
    const std::string resto = plano.substr(parada);
    EXPECT_TRUE(std::regex_match(
        resto, std::regex(R"(el diseño se detiene aquí, sin cortante, varillas ni deflexiones\. )"
                          R"(Página \d+ de \d+ ?)")))
        << resto;
    for (const char* parte : {"4. Diseño a cortante", "5. Varillas", "6. Deflexiones", "Avisos"}) {
        EXPECT_EQ(plano.find(parte), std::string::npos) << parte;
    }
}

struct Caja {
    int pagina;
    double x0, y0, x1, y1;
    std::string texto;
};

// Every word of the document with its box, points from the page's corner.
std::vector<Caja> Cajas(const std::string& bbox) {
    std::vector<Caja> c;
    int pagina = 0;
    const std::regex palabra(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::stringstream s(bbox);
    for (std::string l; std::getline(s, l);) {
        if (l.find("<page ") != std::string::npos) ++pagina;
        std::smatch m;
        if (std::regex_search(l, m, palabra)) {
            c.push_back(
                {pagina, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
        }
    }
    return c;
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
    // below 740 pt, the body between 72 and 728 pt.
    const std::vector<Caja> cajas = Cajas(Texto(pdf, "-bbox"));
    ASSERT_GT(cajas.size(), 1000u);
    for (const Caja& c : cajas) {
        const bool cabecera = c.y1<60, pie = c.y0> 740;
        EXPECT_TRUE(c.x0 >= 63 && c.x1 <= 549) << c.texto << " en la página " << c.pagina;
        EXPECT_TRUE(cabecera || pie || (c.y0 >= 71 && c.y1 <= 729))
            << c.texto << " en la página " << c.pagina << ", y " << c.y0 << ".." << c.y1;
        EXPECT_TRUE(!cabecera || c.y0 >= 36) << c.texto;
        EXPECT_TRUE(!pie || c.y1 <= 760) << c.texto;
    }

    // The table, page by page (laid-out text).
    const std::string layout = Texto(pdf, "-layout");
    std::stringstream hojas(layout);
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
            if (l.find("N°") != std::string::npos && l.find("Categoría") != std::string::npos) {
                encabezado = true;
            }
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
    const std::string previo = "contenido previo";
    std::ofstream(pdf) << previo;
    for (const std::string& kvx :
         {(dir_ / "malo.kvx").string(), sinCargas, (dir_ / "no_existe.kvx").string()}) {
        const Ejecucion e = Correr({"--memoria", pdf, kvx});
        EXPECT_EQ(e.estado, 1) << kvx;
        EXPECT_FALSE(e.error.empty()) << kvx;
        EXPECT_EQ(Leer(pdf), previo) << kvx;
    }
    for (const std::string& destino : {(dir_ / "no_hay" / "m.pdf").string(), dir_.string()}) {
        const Ejecucion e = Correr({"--memoria", destino, ejemplo});
        EXPECT_EQ(e.estado, 1) << destino;
        EXPECT_NE(e.error.find("No se pudo"), std::string::npos) << e.error;
    }
    EXPECT_FALSE(fs::exists(dir_ / "no_hay"));
    // Nothing but the files the test made.
    int archivos = 0;
    for ([[maybe_unused]] const auto& x : fs::directory_iterator(dir_)) ++archivos;
    EXPECT_EQ(archivos, 5);  // malo.kvx, vacia.kvx, m.pdf, salida and error
}

}  // namespace
}  // namespace korvex
