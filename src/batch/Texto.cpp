#include "batch/Texto.h"

#include <charconv>
#include <cmath>

namespace korvex::lote {

double NumeroJson(float v) {
    if (!std::isfinite(v)) return 0;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    double d = 0;
    std::from_chars(buf, r.ptr, d);
    return d;
}

double NumeroJson(double v) {
    return std::isfinite(v) ? v : 0;
}

std::string Columna(const std::string& t, int ancho, bool derecha) {
    int largo = 0;
    for (const char c : t) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++largo;  // not a continuation byte
    }
    const std::string relleno(static_cast<std::size_t>(std::max(0, ancho - largo)), ' ');
    return derecha ? relleno + t : t + relleno;
}

}  // namespace korvex::lote
