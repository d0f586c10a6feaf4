#include "project/Dxf.h"

#include <dl_dxf.h>

#include <charconv>
#include <cmath>
#include <cstdio>

#include "project/Disco.h"
#include "project/Texto1252.h"

namespace korvex {

namespace {

// dxflib's ASCII writer with its output kept in memory instead of a file, so
// that the file is written whole or not at all by the common file writer.
// The group codes and values are laid out as the ASCII writer lays them out.
class EscritorMemoria : public DL_WriterA {
  public:
    EscritorMemoria() : DL_WriterA("", DL_Codes::AC1015) {}

    const std::string& bytes() const { return bytes_; }

    void dxfReal(int gc, double value) const override {
        // Fixed notation to the thousandth of a millimetre, trailing zeros
        // dropped; always a decimal point, as CAD readers expect of a real.
        char t[64];
        auto [fin, err] = std::to_chars(t, t + sizeof t, value, std::chars_format::fixed, 4);
        std::string s = err == std::errc() ? std::string(t, fin) : std::string("0.0");
        if (s.find('.') != std::string::npos) {
            while (s.back() == '0') s.pop_back();
            if (s.back() == '.') s += '0';
        }
        if (s == "-0.0") s = "0.0";
        Grupo(gc, s);
    }
    void dxfInt(int gc, int value) const override { Grupo(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char t[16];
        std::snprintf(t, sizeof t, "%X", static_cast<unsigned>(value));
        Grupo(gc, t);
    }
    void dxfString(int gc, const char* value) const override { Grupo(gc, value); }
    void dxfString(int gc, const std::string& value) const override { Grupo(gc, value); }

  private:
    void Grupo(int gc, const std::string& valor) const {
        char t[8];
        std::snprintf(t, sizeof t, "%3d\n", gc);
        bytes_ += t;
        bytes_ += valor;
        bytes_ += '\n';
    }
    mutable std::string bytes_;
};

// A UTF-8 text as DXF text in the drawing's code page (Windows-1252, which
// holds every Spanish letter and Ø); a character it lacks as the \U+XXXX
// escape CAD programs read in any code page (beyond the basic plane and
// broken sequences as "?"); line breaks as blanks.
std::string TextoDxf(const std::string& utf8) {
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            r += (c == '\n' || c == '\r') ? ' ' : static_cast<char>(c);
            ++i;
            continue;
        }
        int n = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : -1;
        unsigned cp = n == 1 ? (c & 0x1F) : (c & 0x0F);
        bool valido = n > 0 && i + n < utf8.size();
        for (int k = 1; valido && k <= n; ++k) {
            const auto s = static_cast<unsigned char>(utf8[i + k]);
            valido = (s & 0xC0) == 0x80;
            cp = (cp << 6) | (s & 0x3F);
        }
        const auto propio = valido ? Windows1252DesdeUtf8(utf8.substr(i, n + 1)) : std::nullopt;
        if (propio) {
            r += *propio;
            i += n + 1;
        } else if (valido) {
            char t[12];
            std::snprintf(t, sizeof t, "\\U+%04X", cp);
            r += t;
            i += n + 1;
        } else {
            r += '?';
            ++i;
            while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
        }
    }
    return r;
}

bool Finito(PuntoCm p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool TodoFinito(const Dibujo& d) {
    for (const auto& l : d.lineas)
        if (!Finito(l.a) || !Finito(l.b)) return false;
    for (const auto& p : d.polilineas)
        for (PuntoCm q : p.puntos)
            if (!Finito(q)) return false;
    for (const auto& c : d.circulos)
        if (!Finito(c.centro) || !std::isfinite(c.radio)) return false;
    for (const auto& t : d.textos)
        if (!Finito(t.punto) || !std::isfinite(t.altura)) return false;
    return true;
}

DL_Attributes Atributos(const std::string& capa) {
    // Colour and line type by layer (256, "BYLAYER").
    return DL_Attributes(capa, 256, 0, "BYLAYER", 1.0);
}

void Tablas(DL_Dxf& dxf, EscritorMemoria& dw, const Dibujo& d) {
    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continua", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(static_cast<int>(d.capas.size()) + 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, 0, "CONTINUOUS", 1.0));
    for (const CapaDibujo& c : d.capas)
        dxf.writeLayer(dw, DL_LayerData(TextoDxf(c.nombre), 0),
                       DL_Attributes("", c.color, 0, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    DL_StyleData estilo("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", "");
    dxf.writeStyle(dw, estilo);
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
    dw.sectionBlocks();
    for (const char* b : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(b, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, b);
    }
    dw.sectionEnd();
}

void Entidades(DL_Dxf& dxf, EscritorMemoria& dw, const Dibujo& d) {
    dw.sectionEntities();
    for (const LineaDibujo& l : d.lineas)
        dxf.writeLine(dw, DL_LineData(l.a.x, l.a.y, 0.0, l.b.x, l.b.y, 0.0),
                      Atributos(TextoDxf(l.capa)));
    for (const PolilineaDibujo& p : d.polilineas) {
        dxf.writePolyline(
            dw, DL_PolylineData(static_cast<int>(p.puntos.size()), 0, 0, p.cerrada ? 1 : 0),
            Atributos(TextoDxf(p.capa)));
        for (PuntoCm q : p.puntos) dxf.writeVertex(dw, DL_VertexData(q.x, q.y, 0.0, 0.0));
        dxf.writePolylineEnd(dw);
    }
    for (const CirculoDibujo& c : d.circulos)
        dxf.writeCircle(dw, DL_CircleData(c.centro.x, c.centro.y, 0.0, c.radio),
                        Atributos(TextoDxf(c.capa)));
    for (const TextoDibujo& t : d.textos) {
        // Left-aligned text is placed by its insertion point; centred and
        // right-aligned text by its alignment point.
        const int h = t.alineacion == AlineacionTexto::Centro    ? 1
                      : t.alineacion == AlineacionTexto::Derecha ? 2
                                                                 : 0;
        dxf.writeText(dw,
                      DL_TextData(t.punto.x, t.punto.y, 0.0, t.punto.x, t.punto.y, 0.0, t.altura,
                                  1.0, 0, h, 0, TextoDxf(t.texto), "Standard", 0.0),
                      Atributos(TextoDxf(t.capa)));
    }
    dw.sectionEnd();
}

}  // namespace

std::string DxfDe(const Dibujo& d) {
    if (!TodoFinito(d)) return "";
    DL_Dxf dxf;
    EscritorMemoria dw;
    dxf.writeHeader(dw);
    // Drawing units: centimetres; texts in Windows-1252.
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 5);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1252");
    dw.sectionEnd();
    Tablas(dxf, dw, d);
    Entidades(dxf, dw, d);
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return dw.bytes();
}

std::string EscribirDxf(const std::string& ruta, const Dibujo& d) {
    const std::string bytes = DxfDe(d);
    if (bytes.empty()) return "el dibujo tiene medidas que no son números";
    return disco::EscribirArchivo(ruta, bytes);
}

}  // namespace korvex
