// Varied project files for the tests that compare whole runs: rectangular, T
// and inverted-T sections, with and without cantilevers, every load type and
// category, light and heavy loads (so that some designs fail), and now and
// then data that the checks refuse (a load off the beam, crossed supports, no
// section type). Written directly as .kvx text, so the files never depend on
// the program's internal types; the same number gives the same file on every
// machine (own generator, decimal texts).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvex::pruebas {

// splitmix64: a small generator whose sequence is fixed by its seed.
class Azar {
  public:
    explicit Azar(std::uint64_t semilla) : s_(semilla) {}
    std::uint64_t Siguiente() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // An integer in [a, b].
    int Entre(int a, int b) { return a + static_cast<int>(Siguiente() % (b - a + 1)); }

  private:
    std::uint64_t s_;
};

// A decimal text of hundredths: 347 -> "3.47", -5 -> "-0.05", 600 -> "6".
inline std::string Centesimas(int c) {
    const bool negativo = c < 0;
    const int a = negativo ? -c : c;
    std::string t = std::to_string(a / 100);
    if (a % 100) {
        t += '.';
        t += static_cast<char>('0' + a % 100 / 10);
        if (a % 10) t += static_cast<char>('0' + a % 10);
    }
    return negativo ? "-" + t : t;
}

struct ProyectoGenerado {
    std::string kvx;                      // the file's bytes
    std::vector<std::string> argumentos;  // options of the headless call besides the file
};

// Project number `n` (any n >= 0).
inline ProyectoGenerado GenerarProyecto(int n) {
    Azar g(0x4B565831ull + static_cast<std::uint64_t>(n) * 7919u);
    const auto q = [](const std::string& t) { return "\"" + t + "\""; };
    const auto b = [](bool v) { return std::string(v ? "#TRUE#" : "#FALSE#"); };
    const std::string ventana = "-2147483643", boton = "-2147483633";

    const int L = g.Entre(200, 1200);  // cm
    const bool vuelos = n % 2 == 1;
    int J = vuelos ? g.Entre(30, L / 4) : 0;
    int K = vuelos ? L - g.Entre(30, L / 4) : L;
    if (n % 40 == 27) std::swap(J, K);  // refused: crossed supports

    const int forma = n % 3;  // 0 rectangle, 1 T, 2 inverted T
    const char* tipos[] = {"Viga_Rect", "Viga_T", "Viga_Ti"};
    std::string tipo = tipos[forma];
    if (n % 50 == 7) tipo = "";  // no section chosen
    const int bf = forma == 0 ? g.Entre(20, 45) : g.Entre(40, 120);
    const int bw = forma == 0 ? 0 : g.Entre(20, 35);
    const int hf = forma == 0 ? g.Entre(35, 80) : g.Entre(8, 15);
    const int hw = forma == 0 ? 0 : g.Entre(25, 60);
    const char* fcs[] = {"210", "280", "175", "350"};
    const char* fys[] = {"2800", "4200"};
    const int rec = g.Entre(4, 6);
    const int h = hf + hw;

    // Loads: a heavy scale now and then, so that some designs fail.
    const int escala = g.Entre(0, 9) == 0 ? 6 : 1;
    const int num = g.Entre(1, 8);
    std::string cargas;
    for (int i = 0; i < num; ++i) {
        const int t = g.Entre(1, 3), cat = g.Entre(1, 3);
        int a = g.Entre(0, L), lb = 0, p1 = g.Entre(50, 1000) * escala, p2 = 0;
        if (t == 2) {
            a = g.Entre(0, L - 10);
            lb = g.Entre(10, L - a);
            p1 = g.Entre(20, 400) * escala;
            const int forma = g.Entre(0, 3);  // uniform, rising, falling, from zero
            p2 = forma == 0 ? p1 : forma == 1 ? p1 + g.Entre(10, 300) * escala
                                 : forma == 2 ? g.Entre(0, p1)
                                              : p1;
            if (forma == 3) p1 = 0;
        } else if (t == 3) {
            p1 = g.Entre(-800, 800) * escala;
        }
        if (n % 40 == 13 && i == 0) a = L + 20;  // refused: a load off the beam
        cargas += Centesimas(a) + "," + Centesimas(lb) + "," + Centesimas(L - a - lb) + "," +
                  Centesimas(p1) + "," + Centesimas(p2) + "," + Centesimas(a + lb) + "," +
                  std::to_string(t) + "," + std::to_string(cat) + "\r\n";
    }

    const bool distribuida = g.Entre(0, 1) == 1;
    std::string k = Centesimas(L) + "," + q(fcs[g.Entre(0, 3)]) + "," + q(fys[g.Entre(0, 1)]) +
                    "," + q(std::to_string(rec)) + "," + q(std::to_string(bf)) + "," +
                    q(forma == 0 ? "" : std::to_string(bw)) + "," + q(std::to_string(hf)) + "," +
                    q(forma == 0 ? "" : std::to_string(hw)) + "," + std::to_string(bf) + "," +
                    std::to_string(bw) + "," + std::to_string(forma == 0 ? hf : 0) + "," +
                    std::to_string(forma == 0 ? 0 : hf) + "," + std::to_string(hw) + "," +
                    (vuelos ? "1" : "0") + "," + std::to_string(num) + "," + b(distribuida) +
                    "," + b(false) + "," + b(!distribuida) + "," + b(true) + "," + b(false) +
                    "," + b(distribuida) + "," + (distribuida ? ventana : boton) + "," +
                    b(false) + "," + boton + "," + b(distribuida) + "," +
                    (distribuida ? ventana : boton) + "," + b(distribuida) + "," + b(false) +
                    "," + b(distribuida) + "," + b(false) + "," + boton + "," + b(false) + "," +
                    boton + "," + b(false) + "," + b(false) + "," + q(tipo) + "," +
                    std::to_string((forma == 0 ? hf : h) - rec) + "," +
                    q(vuelos ? Centesimas(J) : "") + "," + q(Centesimas(K)) + "," +
                    Centesimas(J) + "," + Centesimas(K) + "," + b(false) + "\r\n";
    k += cargas;
    if (n % 4 == 1) k += "\"Opciones\",1\r\n";

    ProyectoGenerado p{k, {}};
    p.argumentos = {"--uso", std::to_string(n % 4 + 1), "--estribo", n % 5 == 0 ? "1/2" : "3/8",
                    "--punto", Centesimas(L / 3), "--punto", Centesimas(K)};
    if (n % 7 == 3) p.argumentos.push_back("--alternancia");
    return p;
}

// Whether the checks refuse project `n` (read, not calculated): the three
// cases GenerarProyecto plants, a load off the beam, crossed supports and no
// section type. Every other project is calculated.
inline bool DatosRechazados(int n) {
    return n % 40 == 13 || n % 40 == 27 || n % 50 == 7;
}

}  // namespace korvex::pruebas
