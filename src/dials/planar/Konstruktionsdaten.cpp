#include "dials/planar/Konstruktionsdaten.h"

#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

#include <cctype>
#include <cmath>

namespace umbrin {
namespace {

double sinG(double x) { return std::sin(x * rad); }
double cosG(double x) { return std::cos(x * rad); }
double tanG(double x) { return std::tan(x * rad); }
double atanG(double x) { return std::atan(x) / rad; }

// A divisor kept away from zero with its sign (zero counting as positive).
double nichtNull(double x, double grenze)
{
    if (std::fabs(x) >= grenze)
        return x;
    return x < 0 ? -grenze : grenze;
}

std::string_view titelZeile(const AppState& s)
{
    if (s.Schirmuhr) {
        if (s.UhrTyp == 'i')
            return texteText(s, 130);
        return texteText(s, s.UhrTyp == 'v' ? 129 : 128);
    }
    if (s.UhrTyp == 'v')
        return texteText(s, 126);
    return texteText(s, s.UhrTyp == 'h' ? 125 : 127);
}

// The pieces of one half of the whole-hour table (long days, or short days with the
// declinations negated), a line break and three blanks after the 16- and 20-hour pieces.
std::string tageslaengenZeile(const AppState& s, const DeklStundenTabelle& dekl, int richtung)
{
    const std::string std52 = holeText(s, 52);
    std::string zeile = "   ";
    for (int i = 1; i <= 12; ++i) {
        if (dekl[static_cast<std::size_t>(i)] > s.EpsRund)
            continue;
        zeile += " " + RealStr(12 + richtung * i, 2, 0) + " " + std52 + ": "
            + RealStr(richtung * dekl[static_cast<std::size_t>(i)], 6, 2) + "\xC2\xB0,";
        if (i % 4 == 0)
            zeile += "\r\n   ";
    }
    return zeile;
}

} // namespace

void Konstruktionsdaten(AppState& s, SubstilarTexte& texte, double Laenge, double Neigung, double Wand,
                        double Breite, double Gnomon, const DeklStundenTabelle& deklStunden)
{
    auto& zeilen = s.InfoZeilen;
    zeilen.clear();
    const std::string grad(texteText(s, 105));
    const double phi = Breite;
    const double W = Wand;
    const double g = Gnomon;

    std::string titel(titelZeile(s));
    if (!titel.empty())
        titel[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(titel[0])));
    zeilen.push_back(titel);
    zeilen.push_back(std::string(zodiakNamenText(s, 0)) + RealStr(phi, 31, 2) + grad);
    zeilen.push_back(std::string(zodiakNamenText(s, 1)) + RealStr(Laenge, 31, 2) + grad);
    if (s.UhrTyp != 'h') {
        zeilen.push_back(std::string(zodiakNamenText(s, 2)) + RealStr(W, 8, 2) + grad);
        zeilen.push_back(std::string(zodiakNamenText(s, 3)) + RealStr(Neigung, 8, 2) + grad);
    }
    zeilen.push_back(std::string(zodiakNamenText(s, 4)) + RealStr(g, 8, 3) + " [ mm ]");

    // A plane within 0.0005 degrees of vertical is computed as slightly inclined, so that
    // the tangent of the inclination stays finite.
    double N = Neigung;
    if (std::fabs(std::fabs(N) - 90) < 0.0005)
        N = 89.999;

    // The pole point S, where the polar style through the gnomon tip meets the plane, in
    // millimetres from the foot (x right, y up). D is the cosine between the polar axis and
    // the plane's normal: near 0 the style runs parallel to the face.
    const double D = sinG(N) * cosG(W) - cosG(N) * tanG(phi);
    double xS = 0;
    double yS = 0;
    const bool parallel = std::fabs(D) < 1e-7;
    if (parallel) {
        zeilen.push_back(std::string(zodiakNamenText(s, 8)));
    } else {
        xS = -g * sinG(W) / D;
        yS = g * (cosG(W) * cosG(N) + sinG(N) * tanG(phi)) / D;
        zeilen.push_back(std::string(zodiakNamenText(s, 5)) + RealStr(xS, 6, 3) + "/" + RealStr(yS, 6, 3) + ")");
    }

    if (!parallel && std::fabs(xS) + std::fabs(yS) < 0.005) {
        // The style stands on the foot: it is the gnomon itself, no substyle to speak of.
        zeilen.push_back(std::string(zodiakNamenText(s, 9)));
    } else {
        const double a = -D * cosG(phi);
        double A = 0;
        if (std::fabs(a) > 1e-8) {
            A = atanG(std::sqrt(std::fmax(1 / (a * a) - 1, 0.0)));
            if (D > 0)
                A = 180 - A;
            A = 90 - A;
        }
        texte.PolstabWinkel = RealStr(A, 8, 2);
        zeilen.push_back(std::string(zodiakNamenText(s, 6)) + texte.PolstabWinkel + grad);

        double B;
        if (std::fabs(sinG(W)) < 1e-7)
            B = std::fabs(W) < 1 ? -90 : 90;
        else
            B = atanG((cosG(W) * cosG(N) + sinG(N) * tanG(phi)) / sinG(W));
        texte.SubstilareRichtung = RealStr(B + 90, 8, 2);
        zeilen.push_back(std::string(zodiakNamenText(s, 7)) + texte.SubstilareRichtung + grad);
    }

    // Hour angle of the substyle: the shadow lies on it when the sun's hour circle holds the
    // plane's normal, so T is the normal's hour angle, tan T = sin N sin W / (cos N cos phi +
    // sin phi cos W sin N). It holds for every inclination (on a wall it is tan W / sin phi; a
    // horizontal or undeclined plane gives noon). The divisor is kept off zero.
    const double c = -sinG(N) * sinG(W) / nichtNull(cosG(N) * cosG(phi) + sinG(phi) * cosG(W) * sinG(N), 1e-12);
    double T = atanG(c);
    if (std::fabs(W) <= 90) {
        if (W != 0)
            T = -T;
    } else if (W > 90) {
        T = -T;
        while (T >= 180)
            T -= 360;
        while (T <= -180)
            T += 360;
        if (T < 0)
            T += 180;
    } else {
        T = 180 - T;
        while (T > 0)
            T -= 180;
    }
    texte.SubstilareZeit = MinSekStr(T / 60 + 3);
    zeilen.push_back(std::string(zodiakNamenText(s, 10)) + "  " + texte.SubstilareZeit + " "
                     + std::string(texteText(s, 161)));

    if (s.Schalter.GanzeTageslaenge) {
        zeilen.push_back("\r\n    " + holeText(s, 522));
        zeilen.push_back("    12 " + holeText(s, 52) + ": 0.0\xC2\xB0;");
        zeilen.push_back(tageslaengenZeile(s, deklStunden, 1));
        zeilen.push_back(tageslaengenZeile(s, deklStunden, -1));
    }

    zeilen.push_back(" ");
    for (int i = 0; i <= 9; ++i)
        zeilen.push_back(std::string(konstruktionsHinweis(s, i)));
}

} // namespace umbrin
