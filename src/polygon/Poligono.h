// Area, centroid and moment of inertia of a plane polygon given by its
// vertices in order around the perimeter (any sense, convex or concave),
// computed as a fan of signed triangles from the first vertex. Units are
// those of the coordinates: area in u2, inertia in u4.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Interfaz.h"

namespace korvex {

struct Vertice {
    float x = 0, y = 0;
    bool operator==(const Vertice&) const = default;
};

struct ResultadoPoligono {
    bool calculado = false;          // false: too few vertices or no start worked
    std::optional<Mensaje> mensaje;  // the message to show, if any
    double area = 0;                 // |S|, u2
    double Xcg = 0, Ycg = 0;         // centroid, u
    double Ix = 0;                   // |Ix| about the horizontal axis through the centroid, u4
    // Texts of the headless command: the classic patterns, the inertia with
    // all its digits.
    std::string txtArea, txtXcg, txtYcg, txtIx, lblCg;
    // Texts of the window: the coordinates taken in cm, each result with its
    // unit; area and centroid with two decimals at least, the inertia with six
    // significant digits ("85,000 cm⁴" for one computed as 84999.999206543).
    std::string verArea, verXcg, verYcg, verIx;
};

// Bounding box of the vertices and its centre.
struct CajaPoligono {
    float Xmax = 0, Ymax = 0, Xmin = 0, Ymin = 0;
    double Xc = 0, Yc = 0;
};

class Poligono {
  public:
    void Agregar(float x, float y) { v_.push_back({x, y}); }
    // Removes the last vertex; false when there is none.
    bool Borrar();
    void Reiniciar();

    int NumVertices() const { return static_cast<int>(v_.size()); }
    const std::vector<Vertice>& Vertices() const { return v_; }

    // Line of the coordinate list for a vertex: (2.5,10).
    static std::string LineaLista(float x, float y);

    // Fan of triangles with the running centroid and inertia; when the
    // running area returns to exactly 0 the table is rotated by one vertex
    // and the fan starts again, at most once per vertex.
    ResultadoPoligono Calcular();

    CajaPoligono Caja() const;
    // Drawing scale (box units per coordinate unit) for a box of the given
    // size in twips with a total margin of 1016; same scale on both axes.
    // A figure whose vertices lie on one line uses the other axis's scale.
    float Escala(double anchoCaja, double altoCaja) const;

  private:
    bool Abanico(double& S, double& Xcg, double& Ycg, double& Ix) const;
    std::vector<Vertice> v_;
    double Xcg_ = 0, Ycg_ = 0;  // running centroid, kept between calculations
};

// Reads a vertex file: one vertex a line, "x,y" or "x y" ("." decimal point);
// blank lines and lines starting with '#' are ignored. On a bad line returns
// nothing and writes a Spanish message naming the line into `error`.
std::optional<std::vector<Vertice>> LeerArchivoPoligono(const std::string& contenido,
                                                        std::string* error);

}  // namespace korvex
