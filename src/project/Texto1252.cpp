#include "project/Texto1252.h"

#include <array>
#include <cstdint>

namespace korvex {

namespace {

// Code points of the bytes 0x80-0x9F. The undefined 0x81, 0x8D, 0x8F, 0x90 and
// 0x9D keep their own value.
constexpr std::array<char32_t, 32> kTabla80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AnadirUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 character at `i` (advancing it); nothing when the bytes
// are not a well-formed, shortest-form sequence of a scalar value.
std::optional<char32_t> LeerUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int resto;
    char32_t c;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        resto = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        resto = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        resto = 3;
        c = b0 & 0x07;
    } else {
        return std::nullopt;
    }
    if (s.size() - i <= static_cast<std::size_t>(resto)) return std::nullopt;  // cut short
    for (int k = 1; k <= resto; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    constexpr char32_t kMinimo[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMinimo[resto] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    i += static_cast<std::size_t>(resto) + 1;
    return c;
}

}  // namespace

std::string Utf8DesdeWindows1252(std::string_view bytes) {
    std::string s;
    s.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AnadirUtf8(s, (b >= 0x80 && b <= 0x9F) ? kTabla80[b - 0x80] : char32_t{b});
    }
    return s;
}

std::optional<std::string> Windows1252DesdeUtf8(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = LeerUtf8(utf8, i);
        if (!c) return std::nullopt;
        if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
            s.push_back(static_cast<char>(*c));
            continue;
        }
        bool hallado = false;
        for (std::size_t k = 0; k < kTabla80.size(); ++k) {
            if (kTabla80[k] == *c) {
                s.push_back(static_cast<char>(0x80 + k));
                hallado = true;
                break;
            }
        }
        if (!hallado) return std::nullopt;
    }
    return s;
}

}  // namespace korvex
