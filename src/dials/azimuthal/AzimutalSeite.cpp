#include "dials/azimuthal/AzimutalSeite.h"

#include "core/RecordingCanvas.h"
#include "core/Zahlenformat.h"
#include "dials/azimuthal/AzimutalHoehe.h"
#include "dials/azimuthal/AzimutalHoeheZeichnung.h"
#include "dials/azimuthal/AzimutalZeichnung.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

constexpr double kPi = 3.14159265358979323846;

// How far the ink of a drawing reaches beyond the page 0..breite x 0..hoehe (a unit of
// rounding allowed), 0 when it stays on it. Strokes count by their points, an arc by points
// along it, a rectangle or ellipse by its corners; white is not seen. A text counts by the box
// of its letters: 0.55 of the letter height a character, from the cap line to the baseline,
// blanks at either end taking no room.
double ueberstand(const std::vector<RecordedPrimitive>& zeichnung, int breite, int hoehe)
{
    double weit = 0;
    const auto punkt = [&](double x, double y) {
        weit = std::max({weit, -1 - x, x - breite - 1, -1 - y, y - hoehe - 1});
    };
    for (const RecordedPrimitive& p : zeichnung) {
        if (p.points.empty())
            continue;
        const double x0 = p.points[0].x, y0 = p.points[0].y;
        if (p.kind == PrimitiveKind::Text) {
            const std::size_t vorn = p.text.find_first_not_of(' ');
            if (vorn == std::string::npos)
                continue;
            const std::size_t hinten = p.text.size() - 1 - p.text.find_last_not_of(' ');
            std::size_t n = 0;
            for (const unsigned char c : p.text)
                n += (c & 0xC0) != 0x80;
            const double em = p.font.cellHeight ? p.font.height / 1.15 : p.font.height, c = 0.55 * em;
            const double a = p.angle * kPi / 180, dx = std::cos(a), dy = -std::sin(a);
            for (const double u : {vorn * c + 0.03 * em, (n - hinten) * c - 0.03 * em})
                for (const double v : {0.15 * em, 1.02 * em})
                    punkt(x0 + u * dx - v * dy, y0 + u * dy + v * dx);
            continue;
        }
        const bool fuellung = p.kind == PrimitiveKind::FillRect
                              || (p.pen.style == PenStyle::Clear && p.kind == PrimitiveKind::Polygon);
        if (fuellung ? p.brush.color == FarbeWeiss || p.brush.style == BrushStyle::Clear
                     : p.pen.style == PenStyle::Clear || p.pen.color == FarbeWeiss)
            continue;
        if (p.kind == PrimitiveKind::Arc && p.points.size() >= 4) {
            const double cx = (x0 + p.points[1].x) / 2, cy = (y0 + p.points[1].y) / 2;
            const double rx = std::abs(p.points[1].x - x0) / 2.0, ry = std::abs(p.points[1].y - y0) / 2.0;
            const double a0 = std::atan2(cy - p.points[2].y, p.points[2].x - cx);
            double a1 = std::atan2(cy - p.points[3].y, p.points[3].x - cx);
            while (a1 <= a0)
                a1 += 2 * kPi;
            for (int i = 0; i <= 64; ++i)
                punkt(cx + rx * std::cos(a0 + (a1 - a0) * i / 64), cy - ry * std::sin(a0 + (a1 - a0) * i / 64));
            continue;
        }
        const bool ecken = p.kind == PrimitiveKind::Rectangle || p.kind == PrimitiveKind::FillRect
                           || p.kind == PrimitiveKind::Ellipse;
        for (std::size_t i = 0; i < p.points.size(); ++i)
            punkt(p.points[i].x - (ecken && i == 1 ? 1 : 0), p.points[i].y - (ecken && i == 1 ? 1 : 0));
    }
    return weit;
}

} // namespace

std::string azimutalSeitenpruefung(const AppState& s, int breite, int hoehe)
{
    AppState probe = s;
    const bool hoehen = s.Schalter.AzimutKreise == 1;
    if (hoehen) {
        if (std::string nein = hoehenPlatteZuKleinBild(s, hoehe - 50, false, 33); !nein.empty())
            return nein;
    }
    // The page drawn as the print draws it, on a canvas nobody sees.
    RecordingCanvas c(breite, hoehe, true);
    const Konstruktionsmeldungen m = hoehen ? zeichneAzimutalHoehe(probe, c, breite, hoehe, false)
                                            : zeichneAzimutal(probe, c, breite, hoehe, false, Zeichenumgebung{});
    const double weit = ueberstand(c.primitives(), breite, hoehe);
    if (!m.empty() || weit <= 0)
        return {};
    const std::string platte = RealStr(s.AzGrundplatte, 1, 1), ueber = RealStr(std::ceil(weit / 10), 1, 0);
    const std::string seite = RealStr(breite / 10.0, 1, 0) + " x " + RealStr(hoehe / 10.0, 1, 0) + " mm";
    if (s.Sprachspalte == 2)
        return "The azimuthal dial with a base plate of " + platte + " mm does not fit a page of " + seite +
               ": with its labels it reaches " + ueber + " mm beyond the page's edge.\n\rPlease print in landscape, "
               "on a larger page or with a smaller base plate: nothing is printed.";
    return "Die Azimutalsonnenuhr mit einer Grundplatte von " + platte + " mm passt nicht auf eine Seite von " + seite +
           ": mit ihrer Beschriftung reicht sie " + ueber + " mm über den Rand der Seite.\n\rBitte quer, auf einer "
           "größeren Seite oder mit kleinerer Grundplatte drucken: es wird nichts gedruckt.";
}

} // namespace umbrin
