#include "dialogs/DialogParameterRegeln.h"

#include "core/Projektion.h"
#include "core/Rounding.h"

#include <cmath>
#include <limits>

namespace umbrin {

ParameterSeite ParameterStartseite(const AppState& s)
{
    const bool experte = s.ExpertenModus != 0;
    if (s.Schirmuhr)
        return ParameterSeite::Schirm;
    switch (s.UhrTyp) {
    case 'q':
        return ParameterSeite::Quadrant;
    case 'z':
        return ParameterSeite::Zylinder;
    case 'k':
        return ParameterSeite::Hoehe;
    case 'a':
        return ParameterSeite::Azimut;
    case 's':
        return ParameterSeite::Schirm;
    case 'r':
        return ParameterSeite::Ring;
    case 'm':
        return experte ? ParameterSeite::MittlereZeit : ParameterSeite::Planar;
    case 'c':
        return experte ? ParameterSeite::Biazimut : ParameterSeite::Schirm;
    case 'w':
    case 'p':
        return ParameterSeite::SawyerPeau;
    default:
        return ParameterSeite::Planar;
    }
}

bool ParameterSeiteAngeboten(const AppState& s, ParameterSeite seite)
{
    if (seite == ParameterSeite::Biazimut || seite == ParameterSeite::MittlereZeit)
        return s.ExpertenModus != 0;
    return true;
}

int ParameterHilfeKontext(const AppState& s, ParameterSeite seite)
{
    switch (seite) {
    case ParameterSeite::Planar:
        return 10;
    case ParameterSeite::Schirm:
        return 12;
    case ParameterSeite::Quadrant:
        return 14 + s.Schalter.Hoehenuhrart;
    case ParameterSeite::Zylinder:
        return s.Schalter.ZylinderArt == 1 ? 27 : s.Schalter.ZylinderArt == 2 ? 48 : 3;
    case ParameterSeite::Hoehe:
        return 19;
    case ParameterSeite::Ring:
        return 20;
    case ParameterSeite::Azimut:
        return 18;
    case ParameterSeite::Biazimut:
        return 212;
    case ParameterSeite::MittlereZeit:
        return 54;
    case ParameterSeite::SawyerPeau:
        return s.UhrTyp == 'w' ? 55 : 58;
    }
    return 10;
}

double OhneHalbkreis(double wandabweichung, double ersatz)
{
    return std::fabs(wandabweichung) == 180 ? ersatz : wandabweichung;
}

int SchirmScheibenFehler(double schirmRadius, double inklination)
{
    if (schirmRadius == 0)
        return 21;
    if (TanGrad(inklination) >= 1 / std::fabs(schirmRadius))
        return 17;
    return 0;
}

bool SkalaZylinder2Berechnen(double breite, double eps, std::int32_t skalenlaenge, std::int32_t& aus)
{
    if (!(std::fabs(breite) > 23.46))
        return false;
    const double w = (90 - std::fabs(breite) + eps) * static_cast<double>(rad);
    const double c = std::cos(w);
    if (!std::isfinite(c) || c < 1e-9)
        return false; // at or beyond 90 degrees the scale has no end
    const long double laenge = static_cast<long double>(std::sin(w) / c) * skalenlaenge;
    if (!std::isfinite(static_cast<double>(laenge)) || laenge < 0 ||
        laenge > static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
        return false;
    aus = static_cast<std::int32_t>(roundHalfEven(laenge));
    return true;
}

int IntervallCodeIndex(char code)
{
    if (code == '6')
        return 4;
    if (code >= '0' && code <= '9')
        return code - '0';
    return 0;
}

std::vector<std::string> StundenBeschriftungen(bool deutsch)
{
    std::vector<std::string> liste;
    for (int h = 0; h <= 24; ++h)
        liste.push_back(" " + std::to_string(h) + (deutsch ? "  Uhr" : "  h"));
    return liste;
}

std::vector<std::string> StundenIntervalle() { return {" 60 min", " 30 min", " 20 min", " 15 min", " 10 min"}; }
std::vector<std::string> TemporalIntervalle() { return {"1", "0.5", "0.333", "0.25"}; }
std::vector<std::string> HoehenIntervalle() { return {"10 °", "  5 °", " 2.5 °"}; }

} // namespace umbrin
