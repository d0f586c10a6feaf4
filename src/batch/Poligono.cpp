// korvex --poligono: the vertex file through the polygon core of the window
// "Area y Cg", with the window's texts and messages.
#include "polygon/Poligono.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "batch/Lote.h"
#include "batch/Texto.h"

namespace korvex::lote {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kTituloPoligono = "Error al abrir el polígono";

std::string ComoJson(const ResultadoPoligono& r, int n) {
    Json j;
    j["calculado"] = r.calculado;
    Json mensajes = Json::array();
    if (r.mensaje) {
        mensajes.push_back({{"titulo", r.mensaje->titulo},
                            {"texto", r.mensaje->texto},
                            {"estilo", r.mensaje->estilo}});
    }
    j["mensajes"] = mensajes;
    j["NumVertices"] = n;
    j["Area"] = NumeroJson(r.area);
    j["Xcg"] = NumeroJson(r.Xcg);
    j["Ycg"] = NumeroJson(r.Ycg);
    j["Ix"] = NumeroJson(r.Ix);
    j["txtArea"] = r.txtArea;
    j["txtXcg"] = r.txtXcg;
    j["txtYcg"] = r.txtYcg;
    j["txtIx"] = r.txtIx;
    j["lblCg"] = r.lblCg;
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string ComoResumen(const ResultadoPoligono& r, int n, const std::string& archivo) {
    std::string t = "Polígono: " + archivo + " (" + std::to_string(n) +
                    (n == 1 ? " vértice)\n" : " vértices)\n");
    if (r.calculado) {
        t += "Área: " + r.txtArea + "\n";
        t +=
            "Centro de gravedad: Xcg = " + r.txtXcg + ", Ycg = " + r.txtYcg + "  " + r.lblCg + "\n";
        t += "Ixcg (respecto al eje horizontal por el centro de gravedad): " + r.txtIx + "\n";
    }
    t += "\nMensajes:\n";
    if (r.mensaje) {
        t += "  [" + r.mensaje->titulo + "] " + r.mensaje->texto + "\n";
    } else {
        t += "  (ninguno)\n";
    }
    return t;
}

}  // namespace

Salida Poligono(const OpcionesPoligono& o) {
    Salida s;
    std::ifstream f(o.archivo, std::ios::binary);
    std::stringstream contenido;
    if (f) contenido << f.rdbuf();
    if (!f || f.bad()) {
        s.estado = kSalidaRechazado;
        s.error =
            std::string(kTituloPoligono) + ": No se pudo abrir el archivo \"" + o.archivo + "\".\n";
        return s;
    }
    std::string error;
    const std::optional<std::vector<Vertice>> vertices =
        LeerArchivoPoligono(contenido.str(), &error);
    if (!vertices) {
        s.estado = kSalidaRechazado;
        s.error = std::string(kTituloPoligono) + ": \"" + o.archivo + "\": " + error + "\n";
        return s;
    }

    korvex::Poligono p;
    for (const Vertice& v : *vertices) p.Agregar(v.x, v.y);
    const ResultadoPoligono r = p.Calcular();
    const int n = static_cast<int>(vertices->size());
    s.salida = o.json ? ComoJson(r, n) : ComoResumen(r, n, o.archivo);
    return s;
}

}  // namespace korvex::lote
