// The three quadrant scales over latitudes (the tropics among them), sizes, time systems, both
// year scales and the five views: every curve the sun lifts clear of the horizon is numbered,
// and on a canvas each number stands within three and a half letters of its own curve worked
// out here from the sun (a number stepped clear of its neighbour stands that far off its end).
#include "core/Sonne.h"
#include "dials/quadrant/QuadrantGeometrie.h"
#include "dials/quadrant/QuadrantHpgl.h"
#include "support/Ansichten.h"

#include "QuadrantBild.h"

#include <gtest/gtest.h>

#include <map>

using namespace umbrin;
using namespace umbrin::test;

namespace {

constexpr double kGrad = M_PI / 180;

// The full-hour curve of hour h on a quadrant of radius 1 with its apex at the origin, a point
// at the radius of the date (or declination) and at the angle of the sun's altitude from the
// vertical edge; and the sun's highest altitude on it.
struct Kurve { std::vector<PlotPunkt> punkte; double hoechste = -90; };
Kurve kurve(const AppState& s, int h)
{
    const auto& sc = s.Schalter;
    const double phi = s.Par.Breite, eps = s.EpsRund, Z = s.Par.Zonenmeridian;
    const double zone = sc.Zonenzeit ? Z - s.Par.Laenge : 0;
    // Hour angle of the hour on a day of declination d (temporal: |6 - h| sixths of the
    // half-day arc); e the equation of time, in degrees.
    const auto stundenwinkel = [&](double d, double e) {
        const double bogen = std::acos(std::clamp(-std::tan(phi * kGrad) * std::tan(d * kGrad), -1.0, 1.0)) / kGrad;
        return sc.TemporalAnzeige ? std::fabs(6.0 - h) * bogen / 6 : (h - 12) * 15.0 + zone + e;
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
            const double T = tag - T21, r = sc.Ganzjaehrig ? (1 + double(tag - J1) / (D31 - J1)) / 2
                                                           : (sc.Zeitablesung ? 2 - T / 183 : 1 + T / 183) / 2;
            setze(r, hoeheDerSonne(phi, d, stundenwinkel(d, sc.MitZeitglAzimut && !sc.TemporalAnzeige ? e : 0)));
        }
    // Declination: whole year +eps outside when the reading is set, folded |d|; stereographic
    // about the scale of radius S - 13 mm for eps, the south reading the mirrored declinations.
    for (double d = -eps; d <= eps && sc.QuadrantSkala == 1; d += 0.25)
        setze((1 + (sc.Ganzjaehrig ? (sc.Zeitablesung ? d + eps : eps - d) / (2 * eps)
                                   : (sc.Zeitablesung ? std::fabs(d) / eps : 1 - std::fabs(d) / eps))) / 2,
              hoeheDerSonne(phi, d, stundenwinkel(d, 0)));
    const double stereo = (1 - 13.0 / s.Par.QuadrantGroesse) * std::tan((90 - eps) / 2 * kGrad);
    for (double d = -eps; d <= eps && sc.QuadrantSkala == 2; d += 0.25)
        setze(stereo * std::tan((90 + std::fabs(d)) / 2 * kGrad),
              hoeheDerSonne(std::fabs(phi), d, stundenwinkel(phi < 0 ? -d : d, 0)));
    return k;
}

void pruefe(int skala, double phi, int groesse, int modus, int form) // form: whole year + 2 * 21 June outside
{
    SCOPED_TRACE(testing::Message() << "scale " << skala << " phi " << phi << " size " << groesse << " mode " << modus
                                    << " form " << form); // modus: apparent, zone, mean, temporal hours
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.Par.Breite = phi;
    s.Par.QuadrantGroesse = groesse;
    s.Schalter.QuadrantSkala = static_cast<std::uint8_t>(skala);
    s.Schalter.Ganzjaehrig = form % 2 == 1;
    s.Schalter.Zeitablesung = form > 1;
    s.Schalter.Zonenzeit = modus == 1;
    s.Schalter.MitZeitglAzimut = modus == 2;
    s.Schalter.TemporalAnzeige = modus == 3;
    s.Schalter.QuadrantGespiegelt = (form + modus) % 2 == 1; // the first half day's quadrant on the right
    s.Zeiten.QuadVon = skala == 2 ? 10 : 0;
    s.Zeiten.QuadBis = 24; // to midnight: the polar summer's sun
    // Every full-hour curve the sun lifts clear of the horizon (mean time: by more than the
    // equation of time moves it) carries its number, or that of the hour sharing the curve.
    const auto nummeriert = [&](const QuadrantStunden& z, const std::vector<int>& geschrieben) {
        for (const QuadrantStundenwert& w : quadrantStundenwerte(z))
            EXPECT_TRUE(w.i || std::count(geschrieben.begin(), geschrieben.end(), w.h)
                        || std::count(geschrieben.begin(), geschrieben.end(), 2 * quadrantMittag(z.temporal) - w.h)
                        || kurve(s, w.h).hoechste < (modus == 2 ? 5 : 1)) << "hour " << w.h << " unnumbered";
    };
    // A canvas draws the range's full hours (the calendar the half day the range begins in).
    QuadrantStunden z = quadrantStunden(s);
    if (skala == 0)
        kalenderHalbtag(z);
    std::map<int, std::vector<PlotPunkt>> kurven;
    for (const QuadrantStundenwert& w : quadrantStundenwerte(z))
        if (w.i == 0)
            kurven[w.h] = kurve(s, w.h).punkte;
    bool verweigert = false;
    for (const Sicht& v : kBlaetter) {
        SCOPED_TRACE(v.name);
        if (seiteVerweigert(s, v)) // the print does not print it
            continue;
        const QuadrantBild b = zeichneQuadrant(s, v.breite, v.hoehe, !v.seite);
        for (const Befund& f : pruefeLayout(b.c)) // nothing off the sheet unsaid
            EXPECT_TRUE(f.art == Befundart::Ueberdeckung || !b.meldungen.empty()) << f.meldung;
        if ((verweigert = b.S == 0))
            continue;
        // The hour numbers: upright digits on the calendar and zodiac scales; on the Gunter
        // scale (turned) in the colours of the hour curves and smaller than the ecliptic's
        // numbers that follow them in the colour left.
        std::vector<Beschriftung> zahlen;
        for (const Beschriftung& t : leseCanvas(b.c).texte)
            if (zahlIn(t.text) >= 0
                && (skala == 2 ? t.farbe == s.Farben[1] || t.farbe == s.Farben[2] : t.winkel == 0))
                zahlen.push_back(t);
        std::vector<int> geschrieben;
        for (const Beschriftung& t : zahlen)
            if (std::none_of(zahlen.begin(), zahlen.end(), [&](const Beschriftung& u) { return u.hoehe < t.hoehe; })) {
                const int n = zahlIn(t.text);
                const PlotPunkt m = textMitte(t), aufEins = {(m.x - b.X0) / b.S, (m.y - b.Y0) / b.S};
                EXPECT_LT(kurven.count(n) ? b.S * abstandZu(aufEins, kurven[n]) : 1e18, 3.5 * t.hoehe) << "number " << n;
                geschrieben.push_back(n);
            }
        nummeriert(z, geschrieben);
    }
    // So does the plot, over the whole range, every number on the sheet.
    if (HPGLDatei plot; !verweigert) {
        plot.oeffnenImSpeicher();
        schreibeQuadrantHPGL(s, plot);
        for (const Befund& f : pruefePlotLayout(plot.inhalt(), plotSeite(plot.inhalt())))
            EXPECT_TRUE(f.art != Befundart::TextAusserhalb && f.art != Befundart::TextAngeschnitten) << f.meldung;
        std::vector<int> geschrieben;
        for (const PlotText& t : plotTexte(plot.inhalt()))
            geschrieben.push_back(zahlIn(t.text));
        nummeriert(quadrantStunden(s), geschrieben);
    }
    // The plot refuses the latitudes the Gunter scale cannot serve as the screen does (the
    // temporal hours beyond 65 degrees are refused before printing or export).
    EXPECT_EQ(!quadrantPlotHindernis(s).empty(),
              verweigert && !(modus == 3 && std::fabs(phi) > 65 && !(skala == 2 && gunterBreiteVerweigert(phi, s.EpsRund))));
}

} // namespace

TEST(QuadrantSweep, EveryHourNumberBesideItsOwnCurve)
{
    // The Gunter scale reads the date from the noon altitude alone: one form of it.
    for (const int skala : {0, 1, 2})
        for (const double phi : {-89.0, -60.0, -33.87, -23.44, -2.0, 10.0, 23.44, 47.25, 66.0})
            for (const int groesse : {60, 200})
                for (int modus = 0; modus < 4; ++modus)
                    for (int form = 0; form < (skala == 2 ? 1 : 4); ++form)
                        pruefe(skala, phi, groesse, modus, form);
}

// At places of both hemispheres off their zone meridian, in the clock's modes and at sizes
// between the dialog's, no text stands on another by the letters' ink on the screens and the
// pages the print dialog offers, nor a label on another in the plot; and the number named
// stands on every sheet (the Gunter scale's afternoon one: noon's, where a clear place is left).
TEST(QuadrantSweep, NumbersStandClearAtPlacesOffTheZoneMeridian)
{
    const struct {
        int skala;
        double breite, laenge, zone;
        int modus; // apparent, zone time, with the equation of time, temporal hours
        bool ganzerTag;
        int groesse, zahl; // 0: the default size; the afternoon number, -1 none
    } faelle[] = {
        {2, 38.2, -140.87, -135, 0, false, 0, 12}, {2, -38.2, -140.87, -135, 0, true, 0, 12},
        {2, -38.2, -140.87, -135, 3, false, 0, 6}, {2, -60.2, 84.47, 90, 0, true, 0, 15},
        {2, -38.2, -63.38, -60, 2, true, 0, 19},   {2, -65.8, 0, 0, 1, true, 0, 22},
        {2, 65.8, 0, 0, 0, false, 0, -1},          {2, 53.4, 0, 0, 0, true, 0, -1},
        {2, 53.4, 0, 0, 3, false, 0, -1},          {2, 65.8, 0, 0, 0, false, 109, -1},
        {2, 30, 0, 0, 0, false, 0, -1},            {0, 65, 0, 0, 3, false, 0, -1},
        {0, 69.9, 0, 0, 3, false, 0, -1},          {0, 71.14, 159.62, 150, 2, false, 0, -1},
        {0, 57.3, 3.21, 0, 3, true, 0, 8},         {0, 57.3, 3.21, 0, 3, true, 0, 9},
        {1, 71.5, -25.79, -30, 0, true, 0, 23},    {0, 71.16, 148.58, 150, 2, true, 0, -1}};
    for (const auto& f : faelle)
        for (const bool deutsch : {false, true}) {
            SCOPED_TRACE(testing::Message() << "scale " << f.skala << " at " << f.breite << ", " << f.laenge << " mode "
                                            << f.modus << " size " << f.groesse << (deutsch ? " German" : ""));
            AppState s;
            initialisiereZustand(s);
            setzeSprache(s, deutsch);
            s.UhrTyp = 'q';
            s.Schalter.QuadrantSkala = static_cast<std::uint8_t>(f.skala);
            s.Par.Breite = f.breite;
            s.Par.Laenge = f.laenge;
            s.Par.Zonenmeridian = f.zone;
            if (f.groesse)
                s.Par.QuadrantGroesse = f.groesse;
            s.Schalter.Ortszeit = s.Schalter.OhneLaengenkorrektur = f.modus == 0;
            s.Schalter.Zonenzeit = f.modus > 0;
            s.Schalter.MitZeitgl = s.Schalter.MitZeitglAzimut = f.modus == 2;
            s.Schalter.TemporalAnzeige = s.Schalter.Temporalstunden = f.modus == 3;
            s.Zeiten.QuadTempVon = 0;
            s.Zeiten.QuadTempBis = 12;
            if (f.ganzerTag)
                s.Zeiten.QuadVon = 0, s.Zeiten.QuadBis = 24;
            for (const Sicht& v : kAlleSichten) {
                const Blattinhalt b = zeichneInSicht(s, v);
                if (v.plot) {
                    for (const Befund& u : pruefePlotLayout(b.hpgl, plotSeite(b.hpgl)))
                        EXPECT_NE(u.art, Befundart::Ueberdeckung) << u.meldung;
                    continue;
                }
                if (!b.nein.empty())
                    continue;
                EXPECT_EQ(befundText(textAufText(b.roh, 0.04)), "") << v.name;
                const Farbe farbe = f.skala == 1 ? s.Farben[3] : f.skala == 0 && f.modus == 3 ? s.Farben[9] : s.Farben[1];
                EXPECT_TRUE(f.zahl < 0 || std::any_of(b.texte.begin(), b.texte.end(), [&](const Beschriftung& t) {
                                return t.farbe == farbe && zahlIn(t.text) == f.zahl;
                            })) << v.name << ": no " << f.zahl;
            }
        }
}
