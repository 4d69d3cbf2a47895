#include "dials/azimuthal/BiazimutalGeometrie.h"

#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/Kugeldrehung.h"

#include <cmath>

namespace umbrin {

BiazimutalLage biazimutalLage(const AppState& s)
{
    const TPar& p = s.Par;
    BiazimutalLage l;
    l.breiteA = p.Breite;
    l.laengeA = p.Laenge;
    l.breiteB = p.Breite2;
    l.laengeB = p.Laenge2;
    const int ebene = s.Schalter.Ebene % 3;
    if (ebene != 0) {
        double b2 = 0, q = 0, l2 = 0;
        dreheKugelKoord(p.Breite, p.Wandabweichung, ebene == 1 ? 90 : p.Inklination, b2, q, l2);
        l.breiteA = b2;
        l.laengeA = p.Laenge + l2;
    }
    if (s.Schalter.Position2Vertikal) {
        double phi = 0, dl = 0, r = 0;
        AequivHorizontaluhr(p.Breite2, p.Wandabweichung2, 90, phi, dl, r);
        l.breiteB = phi;
        l.laengeB = p.Laenge2 + dl;
    }
    l.pol = BerechnePol('c', l.breiteA, l.laengeA, l.breiteB, l.laengeB);
    l.s = l.pol.breite >= 0 ? 1 : -1;
    return l;
}

void BiazimutalProjektion::roh(double breite, double laenge, double& x, double& y) const
{
    ProjiziereSonneOrient(orientierung(), g, breite, laenge, x, y);
}

const SonnenOrientierung& BiazimutalProjektion::orientierung() const
{
    const BiazimutalLage& a = orientiertFuer_;
    const bool gleich = orientiert_ && a.laengeA == lage.laengeA && a.breiteA == lage.breiteA &&
                        a.laengeB == lage.laengeB && a.breiteB == lage.breiteB && a.pol.laenge == lage.pol.laenge &&
                        a.pol.breite == lage.pol.breite && a.pol.halbeDistanz == lage.pol.halbeDistanz &&
                        a.pol.flag == lage.pol.flag;
    if (!gleich) {
        orientierung_ = orientiereSonne(lage.laengeA, lage.breiteA, lage.laengeB, lage.breiteB, lage.pol.laenge,
                                        lage.pol.breite, lage.pol.halbeDistanz, lage.pol.flag);
        orientiertFuer_ = lage;
        orientiert_ = true;
    }
    return orientierung_;
}

void BiazimutalProjektion::platziere(double x, double y, double& X, double& Y) const
{
    X = x0 + lage.s * x;
    Y = yNachOben ? y0 + lage.s * y : y0 - lage.s * y;
}

void BiazimutalProjektion::bild(double breite, double laenge, double& X, double& Y) const
{
    double x = 0, y = 0;
    roh(breite, laenge, x, y);
    platziere(x, y, X, Y);
}

void BiazimutalProjektion::bild(double sinBreite, double cosBreite, double laenge, double& X, double& Y) const
{
    double x = 0, y = 0;
    ProjiziereSonneOrient(orientierung(), g, sinBreite, cosBreite, laenge, x, y);
    platziere(x, y, X, Y);
}

std::optional<double> biazimutalPolabstand(const BiazimutalLage& lage)
{
    BiazimutalProjektion p{lage, 1.0, 0, 0, true};
    double xp = 0, yp = 0, xm = 0, ym = 0;
    p.roh(lage.s > 0 ? 90.0 : -90.0, 0, xp, yp);
    p.roh(lage.pol.breite, lage.pol.laenge, xm, ym);
    const double d = std::hypot(xp - xm, yp - ym);
    if (!(d > 0.0001) || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::string biazimutalMassstabMeldung(const AppState& s)
{
    return s.Sprachspalte == 2
               ? "The image of the celestial pole falls onto the centre of the projection: the dial is drawn at scale 1."
               : "Das Bild des Himmelspols fällt in das Projektionszentrum: die Uhr wird im Maßstab 1 gezeichnet.";
}

std::string biazimutalTextA(const AppState& s)
{
    const TPar& p = s.Par;
    std::string t = "A(" + RealStr(p.Breite, 6, 2) + "° /" + RealStr(p.Laenge, 3, 2) + "°),";
    switch (s.Schalter.Ebene % 3) {
    case 1:
        return t + " vert.(d= " + RealStr(p.Wandabweichung, 4, 2) + "°)";
    case 2:
        return t + " inklin.(d= " + RealStr(p.Wandabweichung, 4, 2) + "; i= " + RealStr(p.Inklination, 4, 2) + ")";
    default:
        return t + " horiz.;";
    }
}

std::string biazimutalTextB(const AppState& s)
{
    const TPar& p = s.Par;
    std::string t = "B(" + RealStr(p.Breite2, 6, 2) + "° /" + RealStr(p.Laenge2, 3, 2) + "°), ";
    if (s.Schalter.Position2Vertikal)
        return t + " vert.(d= " + RealStr(p.Wandabweichung2, 4, 2) + "°);";
    return t + " horiz.;";
}

std::string biazimutalTextZentrum(const AppState& s, const BiazimutalLage& lage)
{
    return std::string(texteText(s, 66)) + RealStr(lage.pol.breite, 6, 2) + "° /" + RealStr(lage.pol.laenge, 3, 2) +
           "°.";
}

std::string biazimutalPlotTextZentrum(const AppState& s, const BiazimutalLage& lage)
{
    return std::string(texteText(s, 66)) + RealStr(lage.pol.breite, 6, 2) + " /" + RealStr(lage.pol.laenge, 3, 2);
}

double biazimutalStundenlaenge(const AppState& s, double t)
{
    double L = 15.0 * (t - 12.0) + s.Par.Laenge;
    if (s.Schalter.Zonenzeit)
        L += s.Par.Zonenmeridian - s.Par.Laenge;
    if (s.BiaziZonenzeit == 0)
        L += s.Par.Laenge2 - s.Par.Laenge;
    return L;
}

double biazimutalDatumsbeginn(double anker, double stunden)
{
    return stunden < anker ? anker - 0.5 * std::ceil((anker - stunden) / 0.5 - 1e-9) : anker;
}

int biazimutalDatumsIntervalle(const AppState& s)
{
    switch (s.Schalter.Datumslinien) {
    case '1':
        return 12;
    case '2':
        return 18;
    default:
        return 6;
    }
}

std::vector<int> biazimutalMarkentage(const AppState& s)
{
    switch (s.Schalter.AnalemmaMarken) {
    case 0:
        return {1};
    case 1:
        return {1, 15};
    case 2:
        return {7, 22};
    case 3:
        return {1, 11, 21};
    default:
        return {1, 8, 15, 22};
    }
}

} // namespace umbrin
