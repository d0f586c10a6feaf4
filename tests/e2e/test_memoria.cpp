// The calculation report written by the built `korvex --memoria`, read back
// with poppler's pdftotext: every block that this process builds for the same
// calculation printed in order, one footer per page, the pagination of a long
// table and the exit statuses. What each block says is pinned by the core's tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "comun/Memoria.h"
#include "comun/Carpeta.h"
#include "comun/Proceso.h"
#include "comun/Vigas.h"
#include "project/ArchivoKvx.h"
#include "project/AvisosInforme.h"
#include "project/Calculo.h"
#include "text/Numeros.h"

namespace korvex::pruebas {
namespace {

namespace fs = std::filesystem;

std::string Leer(const fs::path& p) {
    std::stringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

class Memoria : public ConCarpeta {
  protected:
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

};

// A rectangular beam 30 x 60, f'c 210, fy 4200, cover 5, on supports J, K.
Proyecto Viga(float L, float J, float K, const std::vector<Carga>& cargas) {
    Proyecto p = Rectangular(L, 30, 60, {}, J, K);
    p.materiales = {"210", "4200", "5", 1};
    p.ventana.txtJ = texto::TextoSimple(J);
    p.ventana.txtK = texto::TextoSimple(K);
    if (J > 0 || K < L) p.ventana.Check_Vuelo = p.estado.VueloGuardado = 1;
    for (const Carga& c : cargas) AgregarCarga(p.estado, c);
    return p;
}

Carga Nueva(float tipo, float cat, float a, float b, float P1, float P2, float L) {
    return {a, b, L - a - b, P1, P2, a + b, tipo, cat};
}

// Without blanks (pdftotext breaks lines around superscripts and
// subscripts), the minus sign of the printed exponents as a hyphen.
std::string Plano(const std::string& t) {
    return std::regex_replace(std::regex_replace(t, std::regex(R"(\s+)"), ""), std::regex("−"),
                              "-");
}

// One footer per page, in order: "Página i de N" on each of the N pages that
// pdftotext ends with \f.
void Pies(const std::string& raw) {
    const auto paginas = static_cast<std::size_t>(std::count(raw.begin(), raw.end(), '\f'));
    ASSERT_GT(paginas, 1u);
    std::stringstream s(raw);
    for (std::size_t i = 1; i <= paginas; ++i) {
        std::string hoja, pie = "Página " + std::to_string(i) + " de " + std::to_string(paginas);
        std::getline(s, hoja, '\f');
        EXPECT_NE(hoja.find(pie), std::string::npos) << pie;
    }
}

// Each example, nine loads of every type and category (both cantilevers loaded)
// and a beam that fails in shear, with the options of the command.
TEST_F(Memoria, CadaBloqueDelCalculoImpresoEnOrden) {
    const std::string nueve = Guardar(
        "nueve.kvx",
        Viga(8, 1, 7,
             {Puntual(0.5f, 2, kViva, 8), Puntual(4, 6, kMuerta, 8), Puntual(7.5f, 1.5f, kOtros, 8),
              Uniforme(0, 8, 1.2f, kMuerta, 8), Nueva(kDistribuida, kViva, 1, 6, 0.5f, 1.5f, 8),
              Nueva(kDistribuida, kOtros, 2, 3, 2, 0.5f, 8),
              Nueva(kMomento, kViva, 3, 0, 1.5f, 0, 8), Nueva(kMomento, kMuerta, 6, 0, -2, 0, 8),
              Puntual(8, 1, kViva, 8)}));
    const std::tuple<std::string, int, const char*, bool> casos[] = {
        {Ejemplo("viga_rectangular.kvx"), 1, "3/8", false},
        {Ejemplo("viga_t_vuelos.kvx"), 1, "3/8", false},
        {Ejemplo("viga_t_invertida.kvx"), 1, "3/8", false},
        {Ejemplo("viga_t_vuelos.kvx"), 3, "3/8", true},
        {nueve, 4, "1/2", false},
        {Guardar("corte.kvx", AlmaDelgada("8")), 1, "3/8", false},
    };
    for (const auto& [archivo, uso, estribo, alternancia] : casos) {
        SCOPED_TRACE(archivo + " uso " + std::to_string(uso));
        const std::string pdf = (dir_ / "memoria.pdf").string();
        std::vector<std::string> args = {"--memoria",         pdf,         archivo, "--uso",
                                         std::to_string(uso), "--estribo", estribo};
        if (alternancia) args.push_back("--alternancia");
        const Ejecucion e = Ejecutar(KORVEX_EXE, args);
        ASSERT_EQ(e.estado, 0) << e.error;
        EXPECT_NE(e.salida.find("Memoria de cálculo escrita en"), std::string::npos);

        ProyectoCalculado p;
        p.materiales.UsoDeflexion = uso;
        InterfazRegistro ui(estribo);
        p.r = AbrirProyecto(archivo, p, ui, {}, alternancia).calculo;
        ASSERT_TRUE(p.r.calculado);
        const std::string raw = Texto(pdf), plano = Plano(raw);
        std::smatch fecha;  // the day the report was written, as its title says
        ASSERT_TRUE(std::regex_search(plano, fecha, std::regex(R"(kvx,(.+?)\.Cálculo)")));
        const OpcionesMemoria titulo{fs::path(archivo).filename().string(), fecha[1]};
        std::size_t desde = 0;
        for (const std::string& bloque : TextosMemoria(ConstruirMemoria(p, p.r, titulo), " ")) {
            const std::string t = Plano(bloque);
            const std::size_t en = plano.find(t, desde);
            EXPECT_NE(en, std::string::npos) << t;
            if (en != std::string::npos) desde = en + t.size();
        }
        Pies(raw);
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
    ASSERT_EQ(Ejecutar(KORVEX_EXE, {"--memoria", pdf, kvx, "--alternancia"}).estado, 0);

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

// A shear failure ends the design chapter in the PDF: only page headers and
// footers between the failure's paragraph and "6. Avisos", which lists it.
TEST_F(Memoria, FallaPorCortanteSinPasosPosteriores) {
    const std::string kvx = Guardar("corte.kvx", AlmaDelgada("8"));
    const std::string pdf = (dir_ / "corte.pdf").string();
    ASSERT_EQ(Ejecutar(KORVEX_EXE, {"--memoria", pdf, kvx}).estado, 0);
    const std::string plano = Plano(Texto(pdf));
    const std::string falla = Plano(
        "El diseño termina en esta comprobación, sin varillas ni deflexiones: hay que "
        "redimensionar la sección.");
    const std::size_t desde = plano.find(falla), avisos = plano.find("6.Avisos");
    ASSERT_TRUE(desde < avisos && avisos != std::string::npos) << desde << " " << avisos;
    std::smatch fecha;
    ASSERT_TRUE(std::regex_search(plano, fecha, std::regex(R"(kvx,(.+?)\.Cálculo)")));
    std::string entre = plano.substr(desde + falla.size(), avisos - desde - falla.size());
    for (std::size_t i; (i = entre.find(fecha[1])) != std::string::npos;) {
        entre.erase(i, static_cast<std::size_t>(fecha[1].length()));
    }
    const std::regex cabeceras(R"(Korvex2000—Memoriadecálculo|corte\.kvx|Página\d+de\d+)");
    EXPECT_EQ(std::regex_replace(entre, cabeceras, ""), "");
    EXPECT_NE(plano.find(Plano("La viga falla por cortante, redimensionar sección"), avisos),
              std::string::npos);
    EXPECT_EQ(plano.find("Varillas", avisos), std::string::npos);
}

// The example with cantilevers without the arrangements: the notice among the
// report's warnings and on the one-page report, in the free space above its
// closing rule (13300 to 14300 twips: 665 to 715 pt) within the rule's width
// (50 to 525 pt); no screen words. With the arrangements, no notice.
TEST_F(Memoria, AvisoDeAlternanciaEnLosDosInformes) {
    const std::string kvx = Ejemplo("viga_t_vuelos.kvx");
    const ProyectoCalculado abierto = Abierto("viga_t_vuelos.kvx");
    const std::string aviso = Plano(AvisoAlternanciaInforme(abierto, abierto.r));
    ASSERT_FALSE(aviso.empty());
    for (bool alternancia : {false, true}) {
        SCOPED_TRACE(alternancia);
        for (const std::string o : {"memoria", "informe"}) {
            std::vector<std::string> a = {"--" + o, (dir_ / (o + ".pdf")).string(), kvx};
            if (alternancia) a.push_back("--alternancia");
            ASSERT_EQ(Ejecutar(KORVEX_EXE, a).estado, 0) << o;
        }
        const std::string informe = (dir_ / "informe.pdf").string();
        const std::string pm = Plano(Texto((dir_ / "memoria.pdf").string())),
                          pi = Plano(Texto(informe));
        const std::size_t avisos = pm.find("9.Avisos");  // after "8. Deflexiones"
        ASSERT_NE(avisos, std::string::npos);
        EXPECT_EQ(pm.find("1.Alternanciadelacargaviva:" + aviso, avisos) != std::string::npos,
                  !alternancia);
        EXPECT_EQ(pi.find(aviso) != std::string::npos, !alternancia);
        for (const std::string& t : {pm, pi}) EXPECT_EQ(t.find("Active«"), std::string::npos);
        EXPECT_EQ(pi.find("pantalla"), std::string::npos);
        if (alternancia) continue;

        // The words from the line "Carga viva alternada: no" on: that line,
        // then the notice, then the closing lines.
        const std::string n = R"re("([\d.]+)")re";  // a coordinate
        const std::regex palabra("<word xMin=" + n + " yMin=" + n + " xMax=" + n + " yMax=" + n +
                                 ">([^<]*)</word>");
        std::stringstream cajas(Texto(informe, "-bbox"));
        const std::string linea = "Cargavivaalternada:no";
        std::string todo;
        double debajo = 0;  // the bottom of the line above the notice
        for (std::string l; std::getline(cajas, l);) {
            std::smatch w;
            if (!std::regex_search(l, w, palabra) || std::stod(w[2]) < 660) continue;
            const double x0 = std::stod(w[1]), y0 = std::stod(w[2]);
            const double x1 = std::stod(w[3]), y1 = std::stod(w[4]);
            if (todo.size() < linea.size()) {
                debajo = std::max(debajo, y1);
            } else if (todo.size() < linea.size() + aviso.size()) {
                EXPECT_TRUE(x0 >= 50 && x1 <= 525) << w[5];
                EXPECT_TRUE(y0 >= debajo && y1 <= 715) << w[5] << " " << y0;
            }
            todo += w[5];
        }
        ASSERT_TRUE(todo.starts_with(linea + aviso)) << todo;
    }
}

// Exit statuses as --informe: 2 for a wrong command line, 1 for a project
// that is refused or cannot be calculated or a PDF that cannot be written,
// and then no file (a file already there stays as it was); one case of each
// refusal (the reasons are pinned by the core's and the report's tests).
TEST_F(Memoria, EstadosDeSalidaYNingunArchivoAMedias) {
    const std::string pdf = (dir_ / "m.pdf").string();
    const std::string ejemplo = Ejemplo("viga_rectangular.kvx");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--memoria", pdf},
                                                 {"--memoria"},
                                                 {"--memoria", pdf, ejemplo, ejemplo},
                                                 {"--memoria", pdf, ejemplo, "--json"},
                                                 {"--memoria", pdf, "--calcular", ejemplo},
                                                 {"--memoria", pdf, "--informe", pdf, ejemplo},
                                                 {"--memoria", pdf, ejemplo, "--uso", "5"},
                                                 {"--memoria", pdf, ejemplo, "--estribo", "5/8"}}) {
        const Ejecucion e = Ejecutar(KORVEX_EXE, args);
        EXPECT_EQ(e.estado, 2) << args.size();
        EXPECT_NE(e.error.find("--memoria SALIDA.pdf"), std::string::npos) << e.error;
        EXPECT_FALSE(fs::exists(pdf));
    }

    std::ofstream(dir_ / "malo.kvx") << "esto no es un proyecto\r\n";
    std::ofstream(pdf) << "contenido previo";
    for (const auto& [destino, kvx, dice] :
         {std::tuple{pdf, (dir_ / "malo.kvx").string(), ""},
          {pdf, Guardar("vacia.kvx", Viga(6, 0, 6, {})), "no pudo calcularse"},
          {(dir_ / "no_hay" / "m.pdf").string(), ejemplo, "No se pudo"}}) {
        const Ejecucion e = Ejecutar(KORVEX_EXE, {"--memoria", destino, kvx});
        EXPECT_EQ(e.estado, 1) << destino << " " << kvx;
        EXPECT_FALSE(e.error.empty()) << kvx;
        EXPECT_NE(e.error.find(dice), std::string::npos) << e.error;
        EXPECT_EQ(Leer(pdf), "contenido previo") << kvx;
    }
    // Nothing but the files the test made: malo.kvx, vacia.kvx, m.pdf.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
}

}  // namespace
}  // namespace korvex::pruebas
