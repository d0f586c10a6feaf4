#include "batch/JsonPasos.h"

#include "batch/Texto.h"
#include "design/Deflexion.h"

namespace korvex::lote {

namespace {

using Json = nlohmann::ordered_json;

// Builds an object from name / value pairs; numbers through NumeroJson.
class Objeto {
  public:
    Objeto& n(const char* k, float v) {
        j_[k] = NumeroJson(v);
        return *this;
    }
    Objeto& n(const char* k, double v) {
        j_[k] = NumeroJson(v);
        return *this;
    }
    Objeto& b(const char* k, bool v) {
        j_[k] = v;
        return *this;
    }
    Objeto& t(const char* k, const std::string& v) {
        j_[k] = v;
        return *this;
    }
    Objeto& j(const char* k, Json v) {
        j_[k] = std::move(v);
        return *this;
    }
    operator Json() const { return j_; }

  private:
    Json j_ = Json::object();
};

const char* Nombre(Comportamiento c) {
    switch (c) {
        case Comportamiento::AlaRectangular:
            return "ala_rectangular";
        case Comportamiento::T:
            return "T";
        case Comportamiento::Rectangular:
            break;
    }
    return "rectangular";
}

const char* Nombre(Parada p) {
    switch (p) {
        case Parada::Ala:
            return "ala";
        case Parada::Rn:
            return "Rn";
        case Parada::Alma:
            return "alma";
        case Parada::Acero:
            return "acero";
        case Parada::Ninguna:
            break;
    }
    return "";
}

Json Flexion(const PasoFlexion& x) {
    Objeto o;
    o.b("calculado", x.calculado).b("suficiente", x.suficiente).t("parada", Nombre(x.parada));
    o.n("M", x.M).n("Mu", x.Mu).n("b", x.b).n("d", x.d).n("dp", x.dp).n("fc", x.fc).n("fy", x.fy);
    o.n("beta1", x.beta1).n("epsY", x.epsY).n("epsLim", x.epsLim).n("k", x.k).n("qmax", x.qmax);
    o.n("rhoBalanceada", x.rhoBalanceada).n("rhoMaxima", x.rhoMaxima);
    o.n("Rn", x.Rn).n("RnMax", x.RnMax).n("a", x.a).t("comportamiento", Nombre(x.comportamiento));
    o.b("conAla", x.conAla).n("RnAla", x.RnAla).n("aAla", x.aAla).n("hf", x.hf).n("bw", x.bw);
    o.b("dobleArmado", x.dobleArmado).n("omega", x.omega).n("phiMn1", x.phiMn1).n("M2", x.M2);
    o.n("epsCompresion", x.epsCompresion).n("fsCompresion", x.fsCompresion);
    o.n("Asf", x.Asf).n("phiMnf", x.phiMnf).n("Mw", x.Mw).n("Rnw", x.Rnw).n("omegaW", x.omegaW);
    o.n("Asw", x.Asw).n("At", x.At).n("at", x.at).n("phiMt", x.phiMt).n("phiMcap", x.phiMcap);
    o.n("M3", x.M3).n("As3", x.As3);
    o.n("AsRequerido", x.AsRequerido).n("AsMin1", x.AsMin1).n("AsMin2", x.AsMin2);
    o.n("AsMin", x.AsMin).b("alivio", x.alivio).n("AsCuatroTercios", x.AsCuatroTercios);
    o.n("As", x.As).n("Asc", x.Asc);
    return o;
}

Json Cortante(const PasoCortante& x) {
    Objeto o;
    o.b("calculado", x.calculado).n("VuTn", x.VuTn).n("Vu", x.Vu).n("bv", x.bv).n("d", x.d);
    o.n("fc", x.fc).n("fy", x.fy).n("Vc", x.Vc).n("phiVcMedio", x.phiVcMedio);
    o.b("sinEstribos", x.sinEstribos).n("Vs", x.Vs).n("VsMax", x.VsMax).b("falla", x.falla);
    o.n("VsBanda", x.VsBanda).b("bandaCerrada", x.bandaCerrada);
    o.n("smaxGeometrica", x.smaxGeometrica).n("smax", x.smax).t("diametro", x.diametro);
    o.n("Av", x.Av).n("sMinimo", x.sMinimo).b("conResistencia", x.conResistencia);
    o.n("sResistencia", x.sResistencia).n("s", x.s).t("texto", x.texto);
    return o;
}

Json Varillas(const PasoVarillas& x) {
    Objeto o;
    o.n("As", x.As).n("AsVarillas", x.AsVarillas).j("cuenta", Json(x.cuenta));
    o.n("AsProvisto", x.AsProvisto).b("conCapacidad", x.conCapacidad);
    o.n("AscUsado", x.AscUsado).n("T", x.T).n("Cs", x.Cs).b("bajoElAla", x.bajoElAla).n("Cf", x.Cf);
    o.n("aProvisto", x.aProvisto).n("phiMn", x.phiMn).b("resiste", x.resiste);
    return o;
}

Json Inercia(const PasoInercia& x) {
    Objeto o;
    o.b("calculado", x.calculado).n("Ma", x.Ma).n("bweb", x.bweb).b("conAla", x.conAla);
    o.n("As", x.As).n("Asc", x.Asc).n("A", x.A).n("B", x.B).n("C", x.C).n("k", x.k);
    o.n("kd", x.kd).n("Icr", x.Icr).n("yt", x.yt).n("Ig", x.Ig).n("fr", x.fr).n("Mcr", x.Mcr);
    o.n("relacion", x.relacion).n("Ie", x.Ie);
    return o;
}

Json Deflexion(const PasoDeflexion& x) {
    Objeto o;
    o.b("calculado", x.calculado).n("n", x.n).j("positiva", Inercia(x.positiva));
    o.j("negativa", Inercia(x.negativa)).n("FlechaMax", x.FlechaMax);
    o.n("deltaPos", x.deltaPos).n("deltaNeg", x.deltaNeg).n("FlechaEfectiva", x.FlechaEfectiva);
    o.j("uso", x.uso).n("relacionLuz", x.relacionLuz).n("limite", x.limite);
    o.n("limiteMostrado", x.limiteMostrado).b("largoPlazo", x.largoPlazo);
    o.n("AscLargoPlazo", x.AscLargoPlazo).n("bLargoPlazo", x.bLargoPlazo);
    o.n("rhoCompresion", x.rhoCompresion).n("lambda", x.lambda);
    o.n("FlechaComparada", x.FlechaComparada).b("excede", x.excede);
    Json zonas = Json::array();
    for (const PasoZonaDeflexion& z : x.zonas) {
        zonas.push_back(Objeto()
                            .t("zona", NombreZona(z.zona))
                            .n("longitud", z.longitud)
                            .n("luzReferencia", z.luzReferencia)
                            .n("FlechaMax", z.FlechaMax)
                            .n("x", z.x)
                            .n("deltaPos", z.deltaPos)
                            .n("deltaNeg", z.deltaNeg)
                            .n("FlechaEfectiva", z.FlechaEfectiva)
                            .n("FlechaComparada", z.FlechaComparada)
                            .n("limite", z.limite)
                            .b("excede", z.excede));
    }
    o.j("zonas", zonas).j("gobierna", x.gobierna);
    return o;
}

}  // namespace

Json JsonZonaDeflexion(const PasoZonaDeflexion& z) {
    return Objeto()
        .t("zona", NombreZona(z.zona))
        .n("longitud", z.longitud)
        .n("luzReferencia", z.luzReferencia)
        .n("flecha", z.FlechaComparada)
        .n("admisible", z.limite)
        .b("cumple", !z.excede);
}

Json JsonReacciones(const PasoReacciones& r) {
    auto apoyo = [](const ReaccionEnvolvente& x) {
        return Objeto()
            .n("max", x.max)
            .n("min", x.min)
            .j("vivasMax", Json(x.vivasMax))
            .j("vivasMin", Json(x.vivasMin));
    };
    return Objeto().j("J", apoyo(r.J)).j("K", apoyo(r.K));
}

Json JsonPasos(const PasosCalculo& p) {
    const PasoReacciones& r = p.reacciones;
    Json varillas = Json::array();
    for (const PasoVarillas& v : p.varillas) varillas.push_back(Varillas(v));
    Json avisos = Json::array();
    for (const Mensaje& m : p.avisos) {
        avisos.push_back({{"titulo", m.titulo}, {"texto", m.texto}, {"estilo", m.estilo}});
    }
    return Objeto()
        .n("n", p.n)
        .j("reacciones", Objeto()
                             .n("R1Factorizada", r.R1Factorizada)
                             .n("R2Factorizada", r.R2Factorizada)
                             .n("R1Servicio", r.R1Servicio)
                             .n("R2Servicio", r.R2Servicio)
                             .n("PesoPropio", r.PesoPropio))
        .b("negativaPrimero", p.negativaPrimero)
        .j("flexionPos", Flexion(p.flexionPos))
        .j("flexionNeg", Flexion(p.flexionNeg))
        .j("cortante", Cortante(p.cortante))
        .j("varillas", varillas)
        .j("deflexion", Deflexion(p.deflexion))
        .j("avisos", avisos);
}

}  // namespace korvex::lote
