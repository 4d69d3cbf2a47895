// The Peaucellier plot read back from its HPGL and laid on the ground: the sheet seen from
// above, the dial's axis along the arrow to the right. Every hour point must lie on the shadow
// ray of a vertical pin at the foot for the sun of its hour and date (the sun worked out as a
// vector), afternoon shadows pointing east, and the plotted lines must be the lines the screen
// draws, scaled.
#include "PeaucellierSonne.h"
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dials/altitude/PeaucellierHpgl.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "support/PlotLeser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

using namespace umbrin;
using namespace umbrin::test::peaucellier;

namespace {

constexpr double kEps = 23.44;
constexpr int kTeile = 4; // lines per hour: every 3.75 degrees of hour angle

// A point on the sheet relative to the foot, y up the sheet; the plot's strokes and labels.
using Blattpunkt = test::PlotPunkt;
using Strich = test::PlotStrich;
using Beschriftung = test::PlotText;

struct Plotinhalt {
    std::vector<Strich> striche;
    std::vector<Beschriftung> texte;
};

// The pen strokes and labels of a plot, relative to the foot (fx, fy).
Plotinhalt lies(const std::string& hpgl, double fx, double fy)
{
    Plotinhalt p{test::plotStriche(hpgl), test::plotTexte(hpgl)};
    for (Strich& s : p.striche)
        for (Blattpunkt& q : s.punkte)
            q = {q.x - fx, q.y - fy};
    for (Beschriftung& t : p.texte)
        t.an = {t.an.x - fx, t.an.y - fy};
    return p;
}

// The sheet seen from above with the dial's axis to the right: the axis points north in the
// north and south in the south (the arrow's letter), and up the sheet lies a quarter turn
// anticlockwise from it, west in the north and east in the south.
struct Boden {
    double ost = 0, nord = 0;
};
Boden aufDemBoden(Blattpunkt q, double phi) { return phi > 0 ? Boden{-q.y, q.x} : Boden{q.y, -q.x}; }
Blattpunkt aufDemBlatt(Boden b, double phi) { return phi > 0 ? Blattpunkt{b.nord, -b.ost} : Blattpunkt{-b.nord, b.ost}; }

// The sun of the date line of declination d (positive in summer) at hour angle t (afternoon
// positive) in the hemisphere of phi.
V sonneAm(double phi, double d, double t) { return sonne(phi, phi > 0 ? d : -d, t); }

// Distance of q from the pin's shadow ray of the sun; infinite on the sun's side of the pin.
double nebenDemSchatten(const V& s, Boden q)
{
    if (q.ost * -s.e + q.nord * -s.n <= 0)
        return INFINITY;
    return std::fabs(q.ost * s.n - q.nord * s.e) / std::hypot(s.e, s.n);
}

// The point of the shadow ray at the distance quer from the axis, on the sheet.
Blattpunkt schattenAmAbstand(const V& s, double quer, double phi)
{
    const Blattpunkt richtung = aufDemBlatt({-s.e, -s.n}, phi);
    return {quer * richtung.x / std::fabs(richtung.y), quer * (richtung.y > 0 ? 1 : -1)};
}

// The declination (summer positive) whose sunrise or sunset falls at hour angle t; the winter
// solstice at the most.
double horizontDekl(double phi, double t)
{
    return std::max(std::atan(-std::cos(t * kGrad) / std::tan(std::fabs(phi) * kGrad)) / kGrad, -kEps);
}

// The hour angle of the dial's set whose shadow rays pass nearest to the points at their
// declinations.
double stundeVon(double phi, const std::vector<std::pair<Blattpunkt, double>>& punkte, double bis)
{
    double beste = 0, abstand = INFINITY;
    for (int j = -48; j <= 48; ++j) {
        const double t = 15.0 * j / kTeile;
        if (j == 0 || std::fabs(t) > bis)
            continue;
        double summe = 0;
        for (const auto& [q, d] : punkte)
            summe += nebenDemSchatten(sonneAm(phi, d, t), aufDemBoden(q, phi));
        if (summe < abstand) {
            abstand = summe;
            beste = t;
        }
    }
    return beste;
}

AppState zustand(double phi, double p)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'p';
    s.EpsRund = kEps;
    s.Par.Breite = phi;
    s.Par.PeauParameter = p;
    s.Par.Einheit = 32;
    s.Schalter.StundenIntervallSonst = static_cast<char>('0' + kTeile - 1);
    return s;
}

std::string plot(AppState s, int k)
{
    s.FusspunktX = 5000;
    s.FusspunktY = 5240;
    HPGLDatei datei;
    datei.oeffnenImSpeicher();
    EXPECT_EQ(hpglPeaucellierSU(s, datei, s.Par.Einheit, k == 1), "");
    return datei.inhalt();
}

const struct Fall {
    double phi, p;
    int k;
} faelle[] = {
    {47.25, -0.8749, 1}, {47.25, 0.5, 1}, {-40.0, -0.8749, 1}, {-40.0, 0.6, 1},
    {35.0, -0.4, 1},     {60.0, -0.8749, 25}, {-52.0, 0.3, 25},
};

std::string fallText(const Fall& f)
{
    return "phi " + std::to_string(f.phi) + " p " + std::to_string(f.p) + " k " + std::to_string(f.k);
}

} // namespace

TEST(PeaucellierPlotLage, HourPointsLieOnThePinsShadowWithTheAfternoonTowardsTheEast)
{
    for (const Fall& f : faelle) {
        SCOPED_TRACE(fallText(f));
        const double k = f.k, R = 40 * k * 32;
        const Plotinhalt pl = lies(plot(zustand(f.phi, f.p), f.k), 5000 * k, 5240 * k);
        const double tol = 1.0; // a plotter unit's rounding
        const double halbtag = std::acos(-std::tan(kEps * kGrad) * std::tan(std::fabs(f.phi) * kGrad)) / kGrad;

        // The arrow runs from the foot along the axis to the right.
        const auto pfeil = std::find_if(pl.striche.begin(), pl.striche.end(), [](const Strich& s) {
            return s.punkte.size() == 5 && s.punkte[0].x == 0 && s.punkte[0].y == 0 && s.punkte[1].y == 0;
        });
        ASSERT_NE(pfeil, pl.striche.end());
        EXPECT_GT(pfeil->punkte[1].x, 0);

        // Every hour segment runs from the summer solstice line to the date whose sunrise or
        // sunset is its hour, along the shadow ray of its hour.
        std::map<double, int> gefunden;
        for (const Strich& st : pl.striche) {
            if ((st.stift != 3 && st.stift != 8) || st.punkte.size() != 2)
                continue;
            const Blattpunkt e1 = st.punkte[0], e2 = st.punkte[1];
            double t = stundeVon(f.phi, {{e1, kEps}}, 180);
            const double dEnde = horizontDekl(f.phi, t);
            t = stundeVon(f.phi, {{e1, kEps}, {e2, dEnde}}, 180);
            ++gefunden[t];
            EXPECT_LE(nebenDemSchatten(sonneAm(f.phi, kEps, t), aufDemBoden(e1, f.phi)), tol) << t;
            EXPECT_LE(nebenDemSchatten(sonneAm(f.phi, horizontDekl(f.phi, t), t), aufDemBoden(e2, f.phi)), tol) << t;
            EXPECT_NEAR(std::fabs(e1.y), linienAbstand(R, f.p, kEps), tol) << t;
            EXPECT_NEAR(std::fabs(e2.y), linienAbstand(R, f.p, horizontDekl(f.phi, t)), tol) << t;
            // Afternoon shadows point east: below the axis in the north, above it in the south.
            EXPECT_EQ(e1.y < 0, (t > 0) == (f.phi > 0)) << t;
            EXPECT_EQ(st.stift == 3, std::fmod(t, 15.0) == 0) << t;
            if (st.stift != 3)
                continue;
            // The full hour's label stands next to its chosen end, outside the dial, and names
            // the hour of the sun: afternoon hours count from noon, morning hours up to it.
            const Blattpunkt an = f.p < 0 ? e1 : e2;
            const Beschriftung* naechste = nullptr;
            for (const Beschriftung& b : pl.texte) {
                if (b.text.find_first_not_of(" 0123456789") != std::string::npos)
                    continue;
                if (!naechste
                    || std::hypot(b.an.x - an.x, b.an.y - an.y)
                           < std::hypot(naechste->an.x - an.x, naechste->an.y - an.y))
                    naechste = &b;
            }
            ASSERT_NE(naechste, nullptr);
            const int stunde = static_cast<int>(std::lround(t / 15));
            EXPECT_EQ(std::stoi(naechste->text), stunde > 0 ? stunde : 12 + stunde) << t;
            EXPECT_GT(naechste->an.y * an.y, 0) << t;
            EXPECT_GT(std::fabs(naechste->an.y), std::fabs(an.y)) << t;
        }
        // Each hour angle of the dial's set from one hour to the longest half-day, once each
        // side of noon.
        std::map<double, int> erwartet;
        for (int j = kTeile; 15.0 * j / kTeile <= halbtag; ++j)
            erwartet[15.0 * j / kTeile] = erwartet[-15.0 * j / kTeile] = 1;
        EXPECT_EQ(gefunden, erwartet);

        // The last hour's subdivisions cross the date lines where those cross the axis, each
        // point on the shadow ray of its hour at the date of its line.
        int unterteilungen = 0;
        for (const Strich& st : pl.striche) {
            if (st.stift != 8 || st.punkte.size() != 7)
                continue;
            ++unterteilungen;
            std::vector<std::pair<Blattpunkt, double>> punkte;
            for (int i = 0; i < 7; ++i)
                punkte.push_back({st.punkte[i], kEps * std::cos(30.0 * i * kGrad)});
            const double t = stundeVon(f.phi, punkte, 14.9);
            for (int i = 0; i < 7; ++i) {
                const auto& [q, d] = punkte[i];
                EXPECT_LE(nebenDemSchatten(sonneAm(f.phi, d, t), aufDemBoden(q, f.phi)), 1.5) << t << " " << i;
                const Blattpunkt kreuz =
                    schattenAmAbstand(sonneAm(f.phi, d, t > 0 ? 15 : -15), linienAbstand(R, f.p, d), f.phi);
                EXPECT_NEAR(q.x, kreuz.x, 1.5) << t << " " << i;
            }
        }
        EXPECT_EQ(unterteilungen, 2 * (kTeile - 1));
    }
}

TEST(PeaucellierPlotLage, ThePlotIsTheDialOnTheScreenScaled)
{
    for (const Fall& f : faelle) {
        SCOPED_TRACE(fallText(f));
        const AppState s = zustand(f.phi, f.p);
        AppState b = s;
        // Screen height 2000: the equinox line 320 pixels from the axis, a quarter of the plot's
        // 1280 units (k = 1).
        RecordingCanvas bild(3000, 2000);
        zeichnePeaucellierSU(b, bild, 1, 1, 3000, 2000, 32, f.p, true);
        const double massstab = 4.0 * f.k;
        const double tol = massstab / 2 + 1;

        using Stueck = std::pair<Blattpunkt, Blattpunkt>;
        std::vector<Stueck> amSchirm, imPlot;
        const auto& F = s.Farben;
        const auto aufsBlatt = [&](CanvasPoint q) {
            return Blattpunkt{(q.x - b.FusspunktX) * massstab, -(q.y - b.FusspunktY) * massstab};
        };
        for (const RecordedPrimitive& pr : bild.primitives()) {
            if (pr.kind != PrimitiveKind::Line && pr.kind != PrimitiveKind::Polyline)
                continue;
            const Farbe c = pr.pen.color;
            // Date lines, hour lines and subdivisions; not the noon line on the axis nor the
            // arrow, which the plot draws to its own sizes.
            const bool stunde = c == F[2] && pr.pen.width == s.Schalter.Linienstaerke + 1;
            if (!(c == F[1] || c == F[5] || c == F[6] || c == F[7] || stunde))
                continue;
            for (std::size_t i = 0; i + 1 < pr.points.size(); ++i) {
                if (stunde && pr.points[i].y == b.FusspunktY && pr.points[i + 1].y == b.FusspunktY)
                    continue;
                amSchirm.push_back({aufsBlatt(pr.points[i]), aufsBlatt(pr.points[i + 1])});
            }
        }
        const Plotinhalt pl = lies(plot(s, f.k), 5000.0 * f.k, 5240.0 * f.k);
        for (const Strich& st : pl.striche) {
            if (st.stift == 4)
                continue;
            for (std::size_t i = 0; i + 1 < st.punkte.size(); ++i)
                imPlot.push_back({st.punkte[i], st.punkte[i + 1]});
        }
        ASSERT_GT(imPlot.size(), 40u);
        EXPECT_EQ(imPlot.size(), amSchirm.size());
        const auto gleich = [&](Blattpunkt a, Blattpunkt c) {
            return std::fabs(a.x - c.x) <= tol && std::fabs(a.y - c.y) <= tol;
        };
        for (const Stueck& p : imPlot) {
            const auto treffer = std::find_if(amSchirm.begin(), amSchirm.end(), [&](const Stueck& q) {
                return (gleich(p.first, q.first) && gleich(p.second, q.second))
                       || (gleich(p.first, q.second) && gleich(p.second, q.first));
            });
            EXPECT_NE(treffer, amSchirm.end()) << "(" << p.first.x << ", " << p.first.y << ") - (" << p.second.x
                                               << ", " << p.second.y << ")";
            if (treffer != amSchirm.end())
                amSchirm.erase(treffer);
        }

        // The hour labels: the same hours above the axis and below it, in the same order
        // along it.
        using Seiten = std::map<bool, std::vector<std::pair<double, std::string>>>;
        const auto zahl = [](const std::string& t) {
            return t.find_first_not_of(" 0123456789") == std::string::npos;
        };
        const auto ordne = [](Seiten& seiten, Blattpunkt an, const std::string& t) {
            seiten[an.y > 0].push_back({an.x, t.substr(t.find_first_not_of(' '))});
        };
        const auto reihen = [](Seiten seiten) {
            std::map<bool, std::vector<std::string>> r;
            for (auto& [oben, liste] : seiten) {
                std::sort(liste.begin(), liste.end());
                for (const auto& eintrag : liste)
                    r[oben].push_back(eintrag.second);
            }
            return r;
        };
        Seiten schirmTexte, plotTexte;
        for (const RecordedPrimitive& pr : bild.primitives()) {
            if (pr.kind == PrimitiveKind::Text && zahl(pr.text))
                ordne(schirmTexte, aufsBlatt(pr.points[0]), pr.text);
        }
        for (const Beschriftung& t : pl.texte) {
            if (zahl(t.text))
                ordne(plotTexte, t.an, t.text);
        }
        EXPECT_EQ(reihen(plotTexte), reihen(schirmTexte));
        EXPECT_GE(plotTexte[false].size(), 5u);
    }
}
