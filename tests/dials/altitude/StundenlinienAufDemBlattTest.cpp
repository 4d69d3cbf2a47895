// Over latitudes from the tropics to 60 degrees, north and south, every time mode, zooms and
// dial sizes: an hour line the almanac's sun reaches on the part of the dial every sheet shows
// is drawn in every view, one it never reaches nowhere; every line drawn carries its number on
// the sheet and no number stands for a line not drawn.
#include "StundenAnsicht.h"
#include "ZylinderuhrReferenz.h"
#include "dials/altitude/FilterhutZeichnung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// The sun at clock hour t of day d as the case's time mode reads the clock.
SonnenVektor sonne(const AppState& s, const Fall& f, std::int32_t d, double t)
{
    const double laenge = s.Par.Laenge, zone = s.Par.Zonenmeridian;
    const double meridian = f.zeit == Zonenzeit || f.zeit == MittlereZeit ? zone : laenge;
    const double n = almanachTage(s.Par.Jahr, 1, 1) + (d - 1) + (t + meridian / 15 - 12) / 24;
    const Almanachsonne a = almanachsonne(n);
    if (f.zeit == Temporal) {
        const double halbbogen = std::acos(std::clamp(
            -std::tan(f.breite * kGradRef) * std::tan(a.deklination * kGradRef), -1.0, 1.0)) / kGradRef;
        return sonnenVektor(f.breite, a.deklination, (t - 6) * halbbogen / 6);
    }
    double tau = 15 * (t - 12) - (laenge - meridian);
    if (f.zeit == MittlereZeit) {
        // Mean minus apparent right ascension: how far the true sun runs ahead of the clock.
        const double eps = (23.439 - 0.0000004 * n) * kGradRef, l = a.laenge * kGradRef;
        const double ra = std::atan2(std::cos(eps) * std::sin(l), std::cos(l)) / kGradRef;
        tau += std::remainder(280.460 + 0.9856474 * n - ra, 360.0);
    }
    return sonnenVektor(f.breite, a.deklination, tau);
}

// Whether the polar rod's shadow (arc and drop in mm) falls inside every sheet, 4 % in: the
// screens and pages with the foot a quarter down the image (scaled to the page), the plot with
// its origin at (8200, 9700) and y up.
bool polstabAufAllenBlaettern(const Fall& f, const Zylindertreffer& z)
{
    struct Blatt { double fx, fy, mm, links, oben, rechts, unten; };
    std::vector<Blatt> blaetter{{8200, -9700, -40 * f.zoom, 0, -10300, 16480, -700}};
    for (const Sicht& v : {kSchirm, kSchirmKlein})
        blaetter.push_back({(v.breite + 1) / 2.0, v.hoehe / 4.0, v.breite / 280.0 * f.zoom, 0, 0, double(v.breite), 0.85 * v.hoehe});
    for (const Sicht& v : {kSeiteA4, kSeiteA3, kSeiteA4Hoch, kSeiteA3Hoch})
        blaetter.push_back({double(pixelNachSeite((kSchirm.breite + 1) / 2, v.breite, kSchirm.breite)),
                            double(pixelNachSeite(kSchirm.hoehe / 4, v.hoehe, kSchirm.hoehe)), 10 * f.zoom, 50, 50,
                            v.breite - 50.0, 0.85 * v.hoehe});
    for (const Blatt& b : blaetter)
        for (double bogen : {z.bogen, -z.bogen}) {
            const double x = b.fx + std::fabs(b.mm) * bogen, y = b.fy + b.mm * z.fall;
            const double rx = 0.04 * (b.rechts - b.links), ry = 0.04 * (b.unten - b.oben);
            if (!(x > b.links + rx && x < b.rechts - rx && y > b.oben + ry && y < b.unten - ry))
                return false;
        }
    return true;
}

// The filter-hat's face ends where the sheet cuts it: the lowest such altitude of the screens
// and pages, and the plot's page foot 9700 plotter units below the face's top (the plot's
// pointer follows the zoom).
double filterhutBis(const AppState& s)
{
    double bis = std::atan(9700 / (40.0 * s.Par.Skalenlaenge * s.Zoom)) / kGradRef;
    for (const Sicht& v : kBlaetter)
        bis = std::min(bis, filterhutMasse(s, {v.breite, v.hoehe, !v.seite, double(s.Par.Skalenlaenge)}).bisHoehe);
    return bis;
}

// Whether the sun reaches the line somewhere on the face, and somewhere every sheet shows,
// away from its edges.
struct Reichweite { bool irgendwo = false, sicher = false; bool operator==(const Reichweite&) const = default; };

// Where the sun reaches hour t's line over the days the dial draws it.
Reichweite reichweite(const AppState& s, const Fall& f, double t)
{
    const bool ganzesJahr = f.zeit == MittlereZeit && (f.art > 0 || f.skala == 1);
    const std::int32_t von = ganzesJahr ? 1 : 172, bis = ganzesJahr ? 365 : 355;
    // The altitudes every sheet shows: the altitude dial's shadows shorter than its horizontal
    // plate and its altitudes to 70; the shepherd's to 40, the filter-hat's to where the sheet cuts it.
    const double kante = f.typ == 'k' ? s.Par.HidokaiZeiger : s.Par.Skalenlaenge;
    const double unten = f.typ == 'z' ? 3 : std::atan(kante / s.SkalaHidokai2) / kGradRef + 3;
    const double oben = f.typ != 'z' ? 70 : f.art == 0 ? 40 : f.art == 1 ? filterhutBis(s) - 2 : 90;
    Reichweite r;
    for (std::int32_t d = von; d <= bis; d += 2) {
        const SonnenVektor v = sonne(s, f, d, t);
        const double hoehe = std::asin(v.u) / kGradRef;
        // The polar rod's shadow counts where it falls on the cylinder below the rod's point.
        const bool polstab = f.typ == 'z' && f.art == 2;
        const Zylindertreffer z = polstab ? polstabTreffer(v, s.Par.ZylRadius, s.Par.ZylZeiger, f.wand)
                                          : Zylindertreffer{};
        if (hoehe <= 0 || (polstab && (!z.trifft || z.fall <= 0)))
            continue;
        r.irgendwo = true;
        r.sicher = r.sicher || (polstab ? hoehe > 3 && polstabAufAllenBlaettern(f, z) : hoehe > unten && hoehe < oben);
    }
    return r;
}

std::string pruefe(const Fall& f)
{
    const AppState s = fallZustand(f, 12, 12);
    // Noon, the first and last hours the sun reaches (anywhere, and where every sheet shows the
    // face) and the hours just beyond: the lines at the edges of the day and of the sheets.
    // Temporal hours 0 and 12 stand on the horizon.
    const int erste = f.zeit == Temporal ? 1 : 3, letzte = f.zeit == Temporal ? 11 : 21;
    std::vector<Reichweite> r(25);
    for (int h = erste; h <= letzte; ++h)
        r[std::size_t(h)] = reichweite(s, f, h);
    std::vector<int> stunden{f.zeit == Temporal ? 6 : 12};
    for (int h = erste; h <= letzte; ++h)
        if (r[std::size_t(h)] != r[std::size_t(h - 1)] || r[std::size_t(h)] != r[std::size_t(h + 1)])
            stunden.push_back(h);
    std::string fehler;
    for (int h : stunden) {
        const Reichweite& rh = r[std::size_t(h)];
        for (const Sicht& v : kSichten) {
            const Ansicht a = zeichne(f, h, h, v);
            if (a.verweigert) // the print does not print it
                continue;
            const bool gezeichnet = !a.linien.empty();
            const std::string befund = rh.sicher && !gezeichnet      ? "lit but not drawn"
                                       : !rh.irgendwo && gezeichnet  ? "drawn for a sun that never reaches it"
                                       : gezeichnet && !a.beziffert(h) ? "drawn without its number on the sheet"
                                       : !gezeichnet && a.beziffert(h) ? "numbered but not drawn" : "";
            // Known: an edge of 140 mm, the vertical plate runs off the sheet with the number written on it.
            const bool bekannt = f.typ == 'b' && f.groesse == 2 && befund.find("drawn without its number") == 0;
            if (!befund.empty() && !bekannt)
                fehler += std::string(v.name) + ", hour " + std::to_string(h) + ": " + befund + "\n";
        }
    }
    return fehler;
}

} // namespace

TEST(StundenlinienAufDemBlatt, EveryLitHourIsDrawnAndNumberedOnEverySheet)
{
    const std::pair<char, int> uhren[] = {{'k', 0}, {'b', 0}, {'z', 0}, {'z', 1}, {'z', 2}};
    const double zooms[] = {0.71, 1, 2}, groessen[] = {0.4, 1, 2};
    int n = 0;
    for (const auto& [typ, art] : uhren) {
        for (double breite : {2.0, 10.0, 23.44, 47.25, 60.0, -2.0, -10.0, -23.44, -47.25, -60.0}) {
            for (Zeit zeit : {Ortszeit, Zonenzeit, MittlereZeit, Temporal}) {
                if (art > 0 && zeit == Temporal) // the cylinders number no temporal hours
                    continue;
                ++n;
                // The polar rod in the south faces the equator, or every other case the default wall.
                const double wand = art == 2 && breite < 0 && n % 2 == 0 ? 168.3 : -11.7;
                const Fall f{typ, art, breite, wand, zeit, n % 2, zooms[n % 3], groessen[(n / 3) % 3]};
                EXPECT_EQ(pruefe(f), "") << typ << art << " at " << breite << ", wall " << wand << ", mode " << zeit
                                         << ", scale " << f.skala << ", zoom " << f.zoom << ", size " << f.groesse;
            }
        }
    }
}
