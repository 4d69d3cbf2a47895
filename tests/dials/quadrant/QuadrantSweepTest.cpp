// The three quadrant scales over latitudes (the tropics among them), sizes, time systems,
// both year scales, two screens, an A4 and an A3 page and the plot: every curve the sun lifts
// clear of the horizon is numbered, and on the canvas each number stands beside its own curve
// (within three and a half letters: a number stepped clear of its neighbour stands that far
// off the curve's end). The curves are worked out here from the sun (a
// point at the radius of its date, declination or stereographic declination and at the angle
// of the sun's altitude from the vertical edge); the plot's refusal agrees with the screen's.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/quadrant/QuadrantGeometrie.h"
#include "dials/quadrant/QuadrantHpgl.h"
#include "support/Ansichten.h"

#include "QuadrantBild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;

using Punkt = test::PlotPunkt;
using test::hoeheDerSonne;


// The points of the full-hour curve of hour h (radius and sun altitude over the year) for a
// quadrant of radius 1 with its apex at the origin, and the sun's highest altitude on it.
struct Kurve {
    std::vector<Punkt> punkte;
    double hoechste = -90;
};
Kurve kurve(const AppState& s, int h)
{
    const auto& sc = s.Schalter;
    const double phi = s.Par.Breite, eps = s.EpsRund, Z = s.Par.Zonenmeridian;
    const double zone = sc.Zonenzeit ? -(s.Par.Laenge - Z) : 0;
    // Hour angle of the hour on a day of declination d (temporal: |6 - h| sixths of the
    // half-day arc); e the equation of time, in degrees.
    const auto stundenwinkel = [&](double d, double e) {
        if (sc.TemporalAnzeige)
            return std::fabs(6.0 - h) * std::acos(std::clamp(-std::tan(phi * kGrad) * std::tan(d * kGrad), -1.0, 1.0)) / kGrad / 6;
        return (h - 12) * 15.0 + zone + e;
    };
    Kurve k;
    const auto setze = [&](double r, double a) {
        k.hoechste = std::max(k.hoechste, a);
        if (a > 0)
            k.punkte.push_back({r * std::sin(a * kGrad), r * std::cos(a * kGrad)});
    };
    const int J = s.Par.Jahr, J1 = TagImJahr(J, 1, 1), D31 = TagImJahr(J, 12, 31), T21 = TagImJahr(J, 6, 21),
              D21 = TagImJahr(J, 12, 21);
    if (sc.QuadrantSkala == 0)
        for (int tag = sc.Ganzjaehrig ? J1 : T21; tag <= (sc.Ganzjaehrig ? D31 : D21); tag += 2) {
            double d = 0, e = 0;
            SonnenPosition(J, d, e, tag + (h + Z / 15 - 12) / 24.0);
            const double T = tag - T21;
            const double r = sc.Ganzjaehrig ? (1 + double(tag - J1) / (D31 - J1)) / 2
                                            : (sc.Zeitablesung ? 2 - T / 183 : 1 + T / 183) / 2;
            setze(r, hoeheDerSonne(phi, d, stundenwinkel(d, sc.MitZeitglAzimut && !sc.TemporalAnzeige ? e : 0)));
        }
    for (double d = -eps; d <= eps && sc.QuadrantSkala != 0; d += 0.25) {
        double r = 0, a = hoeheDerSonne(phi, d, stundenwinkel(d, 0));
        if (sc.QuadrantSkala == 1) {
            // Whole year: +eps outside when the reading is set; folded: |d| decides.
            const double anteil = sc.Ganzjaehrig ? (sc.Zeitablesung ? (d + eps) / (2 * eps) : (eps - d) / (2 * eps))
                                                 : (sc.Zeitablesung ? std::fabs(d) / eps : 1 - std::fabs(d) / eps);
            r = (1 + anteil) / 2;
        } else {
            // Stereographic, about the scale of radius S - 13 mm for eps; the south reads the
            // mirrored declinations.
            r = (1 - 13.0 / s.Par.QuadrantGroesse) * std::tan((90 - eps) / 2 * kGrad) *
                std::tan((90 + std::fabs(d)) / 2 * kGrad);
            a = hoeheDerSonne(std::fabs(phi), d, stundenwinkel(phi < 0 ? -d : d, 0));
        }
        setze(r, a);
    }
    return k;
}

struct Fall {
    int skala;
    double phi;
    int groesse, modus; // modus: 0 local apparent, 1 zone, 2 mean, 3 temporal hours
    bool ganz, aussenJuni;  // whole-year scale; half year: 21 June on the outer circle
};

void pruefe(const Fall& f)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.Par.Breite = f.phi;
    s.Par.QuadrantGroesse = f.groesse;
    s.Schalter.QuadrantSkala = static_cast<std::uint8_t>(f.skala);
    s.Schalter.Ganzjaehrig = f.ganz;
    s.Schalter.Zeitablesung = f.aussenJuni;
    s.Schalter.Zonenzeit = f.modus == 1;
    s.Schalter.MitZeitglAzimut = f.modus == 2;
    s.Schalter.TemporalAnzeige = f.modus == 3;
    const std::string fall = "scale " + std::to_string(f.skala) + " phi " + std::to_string(f.phi) + " size " +
                             std::to_string(f.groesse) + " mode " + std::to_string(f.modus) + " scale form " + std::to_string(f.ganz + 2 * f.aussenJuni);
    // The curves drawn: the full hours of the range (the calendar shows the half day the
    // range begins in).
    QuadrantStunden z = quadrantStunden(s);
    if (f.skala == 0)
        kalenderHalbtag(z);
    std::vector<std::pair<int, Kurve>> kurven;
    for (const QuadrantStundenwert& w : quadrantStundenwerte(z))
        if (w.i == 0)
            kurven.push_back({w.h, kurve(s, w.h)});
    bool verweigert = false;
    for (int wo = 0; wo < 4; ++wo) {
        const test::Sicht& v = test::kSichten[wo];
        const test::QuadrantBild b = test::zeichneQuadrant(s, v.breite, v.hoehe, !v.seite);
        const std::string ort = fall + " output " + std::to_string(wo);
        verweigert = b.S == 0;
        if (verweigert)
            continue;
        const auto& F = s.Farben;
        // The hour numbers: upright digits on the calendar and zodiac scales; on the Gunter
        // scale turned, in the colours of the hour curves and smaller than the ecliptic's
        // numbers that follow them in the colour left.
        std::vector<test::Beschriftung> zahlen;
        double kleinste = 1 << 30;
        for (const test::Beschriftung& t : test::leseCanvas(b.c).texte)
            if (test::zahlIn(t.text) >= 0 &&
                (f.skala == 2 ? t.winkel != 0 && (t.farbe == F[1] || t.farbe == F[2]) : t.winkel == 0)) {
                zahlen.push_back(t);
                kleinste = std::min(kleinste, t.hoehe);
            }
        std::vector<int> geschrieben;
        for (const test::Beschriftung& t : zahlen) {
            if (t.hoehe != kleinste)
                continue;
            const test::PlotPunkt m = test::textMitte(t);
            const int n = test::zahlIn(t.text);
            double eigene = 1e18;
            for (const auto& [h, k] : kurven)
                for (const Punkt& q : k.punkte)
                    if (h == n)
                        eigene = std::min(eigene, std::hypot(b.X0 + b.S * q.x - m.x, b.Y0 + b.S * q.y - m.y));
            EXPECT_LT(eigene, 3.5 * t.hoehe) << ort << " number " << n;
            geschrieben.push_back(n);
        }
        // Every curve the sun lifts clear of the horizon (mean time: by more than the equation
        // of time moves it) carries its number.
        for (const auto& [h, k] : kurven)
            EXPECT_TRUE(k.hoechste < (f.modus == 2 ? 5 : 1) || std::count(geschrieben.begin(), geschrieben.end(), h))
                << ort << " hour " << h << " unnumbered";
        if (wo < 3)
            continue;
        // So does the plot, over the whole range.
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        schreibeQuadrantHPGL(s, plot);
        std::string plotZahlen = " ";
        for (const test::PlotText& t : test::plotTexte(plot.inhalt()))
            plotZahlen += t.text + " ";
        for (const QuadrantStundenwert& w : quadrantStundenwerte(quadrantStunden(s)))
            EXPECT_TRUE(w.i || kurve(s, w.h).hoechste < (f.modus == 2 ? 5 : 1) ||
                        plotZahlen.find(" " + std::to_string(w.h) + " ") != std::string::npos)
                << fall << " plot hour " << w.h;
    }
    // The plot refuses the latitudes the Gunter scale cannot serve as the screen does (the
    // temporal hours beyond 65 degrees are refused before printing or export).
    EXPECT_EQ(!quadrantPlotHindernis(s).empty(), verweigert && !(f.modus == 3 && std::fabs(f.phi) > 65)) << fall;
}

} // namespace

TEST(QuadrantSweep, EveryHourNumberBesideItsOwnCurve)
{
    // The Gunter scale reads the date from the noon altitude alone: one form of it.
    for (const int skala : {0, 1, 2})
        for (const double phi : {-60.0, -33.87, -23.44, -2.0, 10.0, 23.44, 47.25, 66.0})
            for (const int groesse : {60, 200})
                for (int modus = 0; modus < 4; ++modus)
                    for (int form = 0; form < (skala == 2 ? 1 : 4); ++form)
                        pruefe({skala, phi, groesse, modus, form % 2 == 1, form > 1});
}
