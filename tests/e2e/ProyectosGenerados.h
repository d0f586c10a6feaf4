// Generated project files for the tests that drive the built program: the
// text of a .kvx written directly in the file format (the 42-field header,
// one record of eight numbers per load, the options record, CR LF), so that
// the generator never depends on the program's own types or writer.
//
// Deterministic: project `indice` is always the same bytes, on every machine
// and standard library (its own 64-bit mixer, no <random> distributions).
// Varied: rectangular, T and inverted-T sections; spans of 3 to 12 m with
// and without cantilevers; 1 to 8 loads of every type (point, distributed
// uniform or varying, moment) and category (live, dead, other); the
// live-load arrangements option in some; materials and cover varied. Four
// classes: calculated, calculated with a failing design (a small section
// under heavy loads), read but refused by the checks before the calculation,
// and refused by the reader.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace korvex::pruebas {

enum class ClaseProyecto {
    Calculado,         // read and calculated
    DisenoFalla,       // read and calculated; the design fails (FalloDiseno 1)
    DatosRechazados,   // read; the checks refuse the data (calculado false, status 0)
    ArchivoRechazado,  // the reader refuses the file (status 1)
};

struct ProyectoGenerado {
    std::string nombre;     // file name, e.g. "g0007_t_vuelos.kvx"
    std::string contenido;  // the bytes of the file
    ClaseProyecto clase = ClaseProyecto::Calculado;
    std::string seccion;  // "Viga_Rect", "Viga_T" or "Viga_Ti"
    bool vuelos = false;  // a support away from an end
    bool alternancia = false;
};

namespace generados {

// SplitMix64: a fixed sequence for each seed.
class Azar {
  public:
    explicit Azar(std::uint64_t semilla) : s_(semilla * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    std::uint64_t Siguiente() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // An integer in [a, b].
    int Entre(int a, int b) {
        return a + static_cast<int>(Siguiente() % static_cast<std::uint64_t>(b - a + 1));
    }
    // True with a probability of `porcentaje` %.
    bool Si(int porcentaje) { return Entre(0, 99) < porcentaje; }

  private:
    std::uint64_t s_;
};

// n / escala in plain decimal notation, without trailing zeros: Decimal(250,
// 100) = "2.5", Decimal(-75, 100) = "-0.75", Decimal(6, 1) = "6".
inline std::string Decimal(long long n, long long escala) {
    std::string signo = n < 0 ? "-" : "";
    if (n < 0) n = -n;
    std::string t = signo + std::to_string(n / escala);
    long long resto = n % escala;
    if (resto == 0) return t;
    std::string fraccion;
    for (long long e = escala / 10; e >= 1; e /= 10) {
        fraccion += static_cast<char>('0' + resto / e);
        resto %= e;
    }
    while (!fraccion.empty() && fraccion.back() == '0') fraccion.pop_back();
    return t + "." + fraccion;
}

inline std::string Cm(long long cm) {  // cm -> m
    return Decimal(cm, 100);
}

// Fields 16 to 35 of the header (the load window's controls): as the window
// leaves them with the supports fixed at the ends, and with cantilevers.
inline constexpr const char* kControlesSinVuelos =
    "#TRUE#,#FALSE#,#FALSE#,#FALSE#,#FALSE#,#TRUE#,-2147483643,#FALSE#,-2147483633,#TRUE#,"
    "-2147483643,#TRUE#,#FALSE#,#TRUE#,#FALSE#,-2147483633,#FALSE#,-2147483633,#FALSE#,#FALSE#";
inline constexpr const char* kControlesConVuelos =
    "#FALSE#,#TRUE#,#FALSE#,#TRUE#,#FALSE#,#FALSE#,-2147483633,#FALSE#,-2147483633,#FALSE#,"
    "-2147483633,#FALSE#,#FALSE#,#FALSE#,#FALSE#,-2147483633,#FALSE#,-2147483633,#FALSE#,#FALSE#";

struct Datos {
    long long L = 600;          // cm
    long long J = 0, K = 600;   // cm, supports
    std::string fc = "210", fy = "4200", rec = "4";
    std::string tipo = "Viga_Rect";
    long long b = 25, h = 50;                  // rectangle, cm
    long long bf = 0, hf = 0, bw = 0, hw = 0;  // T and inverted T, cm
    std::vector<std::string> cargas;           // load records, without line end
    bool vuelos = false;
    bool alternancia = false;
    int cuentaExtra = 0;        // added to the declared load count
    std::string sustituir[2];   // in the text: the first replaced by the second
};

inline std::string Comillas(const std::string& t) {
    return "\"" + t + "\"";
}

inline std::string Texto(const Datos& d) {
    const bool rect = d.tipo == "Viga_Rect";
    std::string s;
    s += Cm(d.L);                                                   // 1 L
    s += "," + Comillas(d.fc) + "," + Comillas(d.fy) + "," + Comillas(d.rec);  // 2-4
    if (rect) {
        s += "," + Comillas(std::to_string(d.b)) + ",\"\"," + Comillas(std::to_string(d.h)) +
             ",\"\"";                                                            // 5-8
        s += ",0,0," + std::to_string(d.h) + ",0,0";                             // 9-13
    } else {
        s += "," + Comillas(std::to_string(d.bf)) + "," + Comillas(std::to_string(d.bw)) + "," +
             Comillas(std::to_string(d.hf)) + "," + Comillas(std::to_string(d.hw));
        s += "," + std::to_string(d.bf) + "," + std::to_string(d.bw) + ",0," +
             std::to_string(d.hf) + "," + std::to_string(d.hw);
    }
    s += std::string(",") + (d.vuelos ? "1" : "0");                                   // 14
    s += "," + std::to_string(static_cast<long long>(d.cargas.size()) + d.cuentaExtra);  // 15
    s += std::string(",") + (d.vuelos ? kControlesConVuelos : kControlesSinVuelos);  // 16-35
    s += "," + Comillas(d.tipo);                                                       // 36
    const long long alto = rect ? d.h : d.hf + d.hw;
    s += "," + std::to_string(alto - 4);                                               // 37 d
    s += "," + Comillas(d.vuelos ? Cm(d.J) : std::string()) + "," + Comillas(Cm(d.K));  // 38-39
    s += "," + Cm(d.J) + "," + Cm(d.K) + ",#FALSE#\r\n";                              // 40-42
    for (const std::string& c : d.cargas) s += c + "\r\n";
    if (d.alternancia) s += "\"Opciones\",1\r\n";
    if (!d.sustituir[0].empty()) {
        const std::size_t i = s.find(d.sustituir[0]);
        if (i != std::string::npos) s.replace(i, d.sustituir[0].size(), d.sustituir[1]);
    }
    return s;
}

// One load record: a, b, c = L - a - b, P1, P2, a + b, type, category
// (positions in cm, intensities in hundredths).
inline std::string Carga(long long L, long long a, long long b, long long p1, long long p2,
                         int tipo, int categoria) {
    return Cm(a) + "," + Cm(b) + "," + Cm(L - a - b) + "," + Decimal(p1, 100) + "," +
           Decimal(p2, 100) + "," + Cm(a + b) + "," + std::to_string(tipo) + "," +
           std::to_string(categoria);
}

inline long long Paso(Azar& r, long long desde, long long hasta, long long paso) {
    return desde + paso * r.Entre(0, static_cast<int>((hasta - desde) / paso));
}

}  // namespace generados

// Project `indice` of the class asked for.
inline ProyectoGenerado GenerarProyecto(unsigned indice, ClaseProyecto clase) {
    using namespace generados;
    Azar r(indice + 1);
    Datos d;
    d.L = Paso(r, 300, 1200, 10);
    const int seccion = static_cast<int>(indice % 3);
    d.tipo = seccion == 0 ? "Viga_Rect" : seccion == 1 ? "Viga_T" : "Viga_Ti";
    // Cantilevers in about half of them: left, right or both.
    d.vuelos = r.Si(50);
    d.J = 0;
    d.K = d.L;
    if (d.vuelos) {
        const int cuales = r.Entre(0, 2);
        if (cuales != 1) d.J = Paso(r, 50, d.L / 4, 5);
        if (cuales != 0) d.K = d.L - Paso(r, 50, d.L / 4, 5);
    }
    const char* fcs[] = {"175", "210", "245", "280", "350"};
    d.fc = fcs[r.Entre(0, 4)];
    d.fy = r.Si(70) ? "4200" : "2800";
    const char* recs[] = {"4", "5", "6", "4.5"};
    d.rec = recs[r.Entre(0, 3)];
    // Depth about a tenth of the span, deep ones now and then (skin steel,
    // deep member warnings).
    const long long alto = std::max<long long>(30, (d.L / 10 / 5) * 5 + Paso(r, -10, 20, 5)) +
                           (r.Si(8) ? 60 : 0);
    if (d.tipo == "Viga_Rect") {
        d.b = Paso(r, 20, 45, 5);
        d.h = alto;
    } else {
        d.hf = Paso(r, 8, 15, 1);
        d.hw = std::max<long long>(20, alto - d.hf);
        d.bw = Paso(r, 20, 35, 5);
        d.bf = d.bw + Paso(r, 20, 80, 10);
    }
    // Loads: every type and category.
    const int n = r.Entre(1, 8);
    for (int i = 0; i < n; ++i) {
        const int tipo = i < 3 ? 1 + static_cast<int>((indice + static_cast<unsigned>(i)) % 3)
                               : r.Entre(1, 3);
        const int categoria =
            i < 3 ? 1 + static_cast<int>((indice / 3 + static_cast<unsigned>(i)) % 3)
                  : r.Entre(1, 3);
        if (tipo == 1) {  // point load, Tn
            d.cargas.push_back(Carga(d.L, Paso(r, 0, d.L, 5), 0, Paso(r, 50, 1000, 25), 0, 1,
                                     categoria));
        } else if (tipo == 2) {  // distributed, Tn/m: the whole beam or a part
            long long a = 0, b = d.L;
            if (r.Si(50)) {
                a = Paso(r, 0, d.L - 50, 5);
                b = Paso(r, 50, d.L - a, 5);
            }
            const long long p1 = Paso(r, 20, 400, 10);
            const int forma = r.Entre(0, 3);  // uniform, varying, triangle up, triangle down
            const long long p2 = forma == 0   ? p1
                                 : forma == 1 ? Paso(r, 20, 400, 10)
                                 : forma == 2 ? 0
                                              : p1;
            d.cargas.push_back(Carga(d.L, a, b, forma == 3 ? 0 : p1, p2, 2, categoria));
        } else {  // moment, Tn.m, either sign
            const long long m = Paso(r, 50, 500, 25) * (r.Si(50) ? 1 : -1);
            d.cargas.push_back(Carga(d.L, Paso(r, 0, d.L, 5), 0, m, 0, 3, categoria));
        }
    }
    d.alternancia = r.Si(20);

    ProyectoGenerado g;
    g.clase = clase;
    switch (clase) {
        case ClaseProyecto::Calculado:
            break;
        case ClaseProyecto::DisenoFalla:
            // A small rectangle under a heavy dead load over the whole beam.
            d.tipo = "Viga_Rect";
            d.b = 20;
            d.h = 30;
            d.cargas.push_back(Carga(d.L, 0, d.L, Paso(r, 6000, 9000, 500),
                                     Paso(r, 6000, 9000, 500), 2, 2));
            break;
        case ClaseProyecto::DatosRechazados:
            switch (indice / 10 % 5) {  // a different fault for each ten
                case 0:  // supports in the wrong order
                    d.vuelos = true;
                    d.J = d.L / 2 + 50;
                    d.K = d.L / 2;
                    break;
                case 1:  // a load beyond the end of the beam
                    d.cargas.push_back(Carga(d.L, d.L / 2, d.L, 100, 100, 2, 1));
                    break;
                case 2:
                    d.fc = "0";
                    break;
                case 3:  // cover deeper than the section
                    d.rec = "250";
                    break;
                default:  // a section dimension of 0
                    d.sustituir[0] = d.tipo == "Viga_Rect" ? "\"\",\"" + std::to_string(d.h)
                                                           : ",\"" + std::to_string(d.bw) + "\"";
                    d.sustituir[1] =
                        d.tipo == "Viga_Rect" ? "\"\",\"0" : std::string(",\"0\"");
            }
            break;
        case ClaseProyecto::ArchivoRechazado:
            switch (indice / 10 % 6) {
                case 0:  // one load record fewer than the header declares
                    d.cuentaExtra = 1;
                    break;
                case 1:  // a decimal comma
                    d.sustituir[0] = Cm(d.L) + ",\"";
                    d.sustituir[1] = Cm(d.L) + ";5,\"";
                    break;
                case 2:  // an unknown load type
                    d.cargas.push_back(Carga(d.L, 0, 0, 100, 0, 4, 1));
                    break;
                case 3:  // an unknown section type
                    d.sustituir[0] = "\"" + d.tipo + "\"";
                    d.sustituir[1] = "\"Viga_X\"";
                    break;
                case 4:  // a text whose quotes do not close
                    d.sustituir[0] = "\"" + d.fy + "\"";
                    d.sustituir[1] = "\"" + d.fy;
                    break;
                default:  // a record after the loads that is not the options
                    d.alternancia = false;
                    d.cargas.push_back("\"Otro\",2");
                    d.cuentaExtra = -1;
            }
            break;
    }
    g.contenido = Texto(d);
    g.seccion = d.tipo;
    g.vuelos = d.J > 0 || d.K < d.L;
    g.alternancia = d.alternancia;
    const char* clases[] = {"", "_falla", "_datos_rechazados", "_rechazado"};
    const char* secciones = d.tipo == "Viga_Rect" ? "rect" : d.tipo == "Viga_T" ? "t" : "ti";
    std::string numero = std::to_string(indice);
    numero.insert(0, numero.size() < 4 ? 4 - numero.size() : 0, '0');
    g.nombre = "g" + numero + "_" + secciones + (g.vuelos ? "_vuelos" : "") +
               clases[static_cast<int>(clase)] + ".kvx";
    return g;
}

// `n` projects, numbered from 0. With `soloValidos` every one is read and
// calculated, one in eight with a failing design; otherwise of every ten,
// seven are calculated, one has a failing design, one is refused by the
// checks and one by the reader.
inline std::vector<ProyectoGenerado> GenerarProyectos(int n, bool soloValidos) {
    std::vector<ProyectoGenerado> v;
    v.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        ClaseProyecto c = ClaseProyecto::Calculado;
        if (soloValidos) {
            if (i % 8 == 7) c = ClaseProyecto::DisenoFalla;
        } else {
            switch (i % 10) {
                case 7:
                    c = ClaseProyecto::DisenoFalla;
                    break;
                case 8:
                    c = ClaseProyecto::DatosRechazados;
                    break;
                case 9:
                    c = ClaseProyecto::ArchivoRechazado;
                    break;
                default:
                    break;
            }
        }
        v.push_back(GenerarProyecto(static_cast<unsigned>(i), c));
    }
    return v;
}

// Writes the projects into `carpeta` (created if needed); returns their paths
// in order.
inline std::vector<std::string> EscribirProyectos(const std::filesystem::path& carpeta,
                                                  const std::vector<ProyectoGenerado>& v) {
    std::filesystem::create_directories(carpeta);
    std::vector<std::string> rutas;
    for (const ProyectoGenerado& g : v) {
        const std::filesystem::path p = carpeta / g.nombre;
        std::ofstream(p, std::ios::binary) << g.contenido;
        rutas.push_back(p.string());
    }
    return rutas;
}

}  // namespace korvex::pruebas
