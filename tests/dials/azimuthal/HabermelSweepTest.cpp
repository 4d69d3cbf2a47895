// Both Habermel dials over latitudes (the tropics among them), sizes, time systems, two
// screens, an A4 and an A3 page and the plot: a dial is refused everywhere or nowhere; every
// hour the sun lifts above the horizon gets its number, and each number stands beside its own
// line, with that line drawn under it. Dial II's curves come from the sun's direction worked
// out here (the drop L tan(a) at the polar angle of the ecliptic longitude); dial I's are the
// points the geometry test checks against the shadow of the gnomon tip.
#include "core/HPGLDatei.h"
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "dialogs/HabermelGeometrie.h"
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

constexpr double kGrad = M_PI / 180;
constexpr double kEps = 23.44;

using Punkt = test::PlotPunkt;
using test::hoeheDerSonne;


// One output of a dial: its hour numbers (value and the centre of their letters), the points
// of the full-hour lines, and a letter's height, in the output's units with y as it has it.
struct Ausgabe {
    bool verweigert = false;
    std::vector<std::pair<int, Punkt>> zahlen;
    std::vector<Punkt> linien;
    std::vector<std::pair<Punkt, Punkt>> striche; // every straight stroke
    double schrift = 0;
    bool yOben = false; // the plot's y runs upwards
};

// Outputs: 0 and 1 the two screens, 2 an A4 and 3 an A3 page, 4 the plot.
Ausgabe zeichne(const AppState& s, int art, int wo)
{
    Ausgabe a;
    const double L = s.Par.HabermelGnomon;
    const test::Sicht& v = test::kSichten[wo];
    RecordingCanvas c(std::max(v.breite, 1), std::max(v.hoehe, 1), v.seite);
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    HabermelZiel z{v.plot ? nullptr : &c, v.breite, v.hoehe, !v.seite, v.plot ? &plot : nullptr};
    a.verweigert = !(art == 1 ? zeichneHabermel(s, z, L) : zeichneHabermel2(s, z, L)).empty();
    EXPECT_EQ(a.verweigert, v.plot ? plot.inhalt().empty() : c.primitives().empty());
    const test::Blattinhalt b = v.plot ? test::lesePlot(plot.inhalt()) : test::leseCanvas(c);
    a.yOben = v.plot;
    a.schrift = v.plot ? 128 : 0;
    for (const test::Strich& st : b.striche) {
        if (!v.plot && st.art != PrimitiveKind::Line)
            continue;
        for (std::size_t i = 1; i < st.punkte.size(); ++i)
            a.striche.push_back({st.punkte[i - 1], st.punkte[i]});
        if (v.plot ? st.stift == 2 : st.farbe == s.Farben[1] && st.breite > s.Schalter.Linienstaerke)
            a.linien.insert(a.linien.end(), st.punkte.begin(), st.punkte.end());
    }
    const Farbe zahlFarbe = s.Farben[art == 1 ? 3 : 1];
    const int zahlStift = art == 1 && s.Schalter.MitZeitglZylinder && !s.Schalter.Zonenzeit ? 4 : 2;
    for (const test::Beschriftung& t : b.texte) {
        if (!v.plot && t.schrift == "Arial" && t.farbe == zahlFarbe && test::zahlIn(t.text) >= 0) {
            a.zahlen.push_back({test::zahlIn(t.text), test::textMitte(t)});
            a.schrift = t.hoehe;
        }
        if (v.plot && !t.text.empty() && !t.zweitsatz && t.stift == zahlStift &&
            t.text.find_first_not_of("0123456789") == std::string::npos) {
            // From the label's lower left corner, letters 0.75 of their height apart.
            const double w = t.winkel * kGrad, u = 0.75 * 128 * t.text.size() / 2, h = 64;
            a.zahlen.push_back({std::stoi(t.text), {t.an.x + u * std::cos(w) - h * std::sin(w),
                                                   t.an.y + u * std::sin(w) + h * std::cos(w)}});
        }
    }
    return a;
}

double abstand(Punkt p, Punkt q) { return std::hypot(p.x - q.x, p.y - q.y); }

int zwoelf(int h) { return h > 12 ? h - 12 : h; }

struct Fall {
    int art;
    double phi, durchmesser;
    int modus; // 0 local apparent time, 1 zone time, 2 mean time (dial I only)
};

// The full-hour lines of a case in the output's units: hour, points, and for dial II how far
// the curve reaches from the centre.
struct Linie {
    int h = 0;
    std::vector<Punkt> punkte;
    double weite = 1e18;
};
using Linien = std::vector<Linie>;

// Dial I: the foot from the noon line (the longest vertical stroke, r0 above the foot) and the
// horizon line (the horizontal stroke centred on it); the lines' points as the dial works them
// out for the gnomon that r0 gives.
Linien linienEins(const AppState& s, const Ausgabe& a)
{
    const double unten = a.yOben ? -1 : 1;
    // (The gnomon template's upright can be as long: the noon line is the one the horizon
    // line crosses at its middle.)
    double x0 = 0, y0 = 0, laenge = 0; // laenge: the noon line, r0 + r36
    for (const auto& [p, q] : a.striche)
        if (p.x == q.x && std::fabs(q.y - p.y) > laenge)
            for (const auto& [u, v] : a.striche)
                if (u.y == v.y && std::fabs(u.x + v.x - 2 * p.x) <= 2 && std::fabs(u.x - v.x) >= 4 &&
                    (u.y - p.y) * (u.y - q.y) <= 0) {
                    x0 = p.x;
                    y0 = u.y;
                    laenge = std::fabs(q.y - p.y);
                }
    const double phi = s.Par.Breite;
    const double Ls = laenge / (std::tan((90 - phi - kEps) * kGrad) + std::tan((90 - phi + kEps) * kGrad));
    Linien linien;
    for (const auto& l : habermelStundenlinien(s, habermelTabelle(phi, kEps, Ls))) {
        if (!l.voll)
            continue;
        linien.push_back({l.nummer, {}});
        for (const auto& q : l.punkte)
            if (q && q->hoehe > 0)
                linien.back().punkte.push_back({x0 + q->x, y0 - unten * q->y});
    }
    return linien;
}

// Dial II: the centre where the sheet puts it; each curve the sun's drop L' tan(a) at the
// polar angle of the ecliptic longitude, L' from the curves' farthest drawn point.
Linien linienZwei(const AppState& s, const Ausgabe& a, int wo, double dZone)
{
    const double unten = a.yOben ? -1 : 1, phi = s.Par.Breite;
    const Punkt m = wo == 4 ? Punkt{std::round(0.6 * 16400), 11480 / 2.0}
                            : Punkt{double((test::kSichten[wo].breite - (wo >= 2 ? 30 : 0)) / 2),
                                    double((test::kSichten[wo].hoehe - (wo >= 2 ? 30 : 0)) / 2)};
    // The curves in units of L', then L' from their farthest drawn point.
    Linien linien;
    double weit = 0, hoechste = 0;
    for (const Punkt& p : a.linien)
        weit = std::max(weit, abstand(p, m));
    for (int h = s.Zeiten.QuadVon; h <= s.Zeiten.QuadBis; ++h) {
        linien.push_back({h, {}, 0});
        for (double l = 0; l < 360; l += 1) {
            // The dial's date scale takes eps sin(l) for the declination (within 0.3 degrees
            // of the sun's), which near the zenith moves a point by much of a letter.
            const double alt = hoeheDerSonne(phi, kEps * std::sin(l * kGrad), 15 * (h + dZone - 12));
            if (alt <= 1.5)
                continue;
            const double rho = std::tan(alt * kGrad);
            linien.back().punkte.push_back({rho * std::cos(l * kGrad), rho * std::sin(l * kGrad)});
            hoechste = std::max(hoechste, rho);
        }
    }
    const double Ls = weit / hoechste;
    for (Linie& l : linien)
        for (Punkt& p : l.punkte) {
            l.weite = std::max(l.weite, Ls * std::hypot(p.x, p.y));
            p = {m.x + Ls * p.x, m.y - unten * Ls * p.y};
        }
    return linien;
}

// Every check of one case over the five outputs.
void pruefe(const Fall& f)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.EpsRund = kEps;
    s.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(f.art);
    s.Par.Breite = f.phi;
    s.Par.HabermelDurchmesser = f.durchmesser;
    s.Schalter.Zonenzeit = f.modus == 1;
    s.Schalter.MitZeitglZylinder = s.Schalter.Ortszeit = f.modus == 2;
    double L = 35;
    HabermelGnomonAusDurchmesser(f.art, f.durchmesser, f.phi, kEps, L);
    s.Par.HabermelGnomon = L;
    const std::string fall = "dial " + std::to_string(f.art) + " phi " + std::to_string(f.phi) + " D " +
                             std::to_string(f.durchmesser) + " mode " + std::to_string(f.modus);
    const auto nein = f.art == 1 ? habermelVerweigerung(s) : habermel2Verweigerung(s);
    // The dialog computes a gnomon exactly where the dial is built (dial I: in the north), and
    // a refusal near the equator names the limit it applies.
    double faktor = 0;
    if (f.phi >= 0 || f.art == 2) {
        EXPECT_EQ(HabermelFaktor(f.art, f.phi, kEps, faktor), !nein) << fall;
        EXPECT_TRUE(!nein || nein->find("23.44") != std::string::npos) << fall << " " << nein.value_or("");
    }
    const double dZone = f.modus == 1 ? (s.Par.Zonenmeridian - s.Par.Laenge) / 15 : 0;
    const int von = f.art == 1 ? 3 : s.Zeiten.QuadVon, bis = f.art == 1 ? 21 : s.Zeiten.QuadBis;
    for (int wo = 0; wo < 5; ++wo) {
        const Ausgabe a = zeichne(s, f.art, wo);
        const std::string ort = fall + " output " + std::to_string(wo);
        ASSERT_EQ(a.verweigert, nein.has_value()) << ort;
        if (nein)
            continue;
        const Linien linien = f.art == 1 ? linienEins(s, a) : linienZwei(s, a, wo, dZone);
        // Each number beside its own line, within two and a half letters of it, with a stroke
        // of the full-hour lines there; on dial I also nearer to it than to any other line, to
        // a tenth of a letter (dial II's curves converge at the solstice, closer than a letter
        // is high). Dial II's curves of the hours about sunrise and sunset can stay within
        // three letters of the centre, too small to carry their numbers clear of one another:
        // those stand where they find room.
        const double nah = 2.5 * a.schrift;
        for (const auto& zahl : a.zahlen) {
            const int n = zahl.first;
            const Punkt p = zahl.second;
            double eigene = 1e18, andere = 1e18, weite = 0;
            for (const Linie& l : linien) {
                if (zwoelf(l.h) == n)
                    weite = std::max(weite, l.weite);
                for (const Punkt& q : l.punkte)
                    (zwoelf(l.h) == n ? eigene : andere) = std::min(zwoelf(l.h) == n ? eigene : andere, abstand(p, q));
            }
            if (weite < 3 * a.schrift)
                continue;
            EXPECT_LT(eigene, nah) << ort << " number " << n;
            EXPECT_TRUE(f.art == 2 || eigene <= andere + 0.1 * a.schrift) << ort << " number " << n << " nearer another line " << eigene << " " << andere;
            EXPECT_TRUE(std::any_of(a.linien.begin(), a.linien.end(), [&](const Punkt& q) { return abstand(p, q) < nah; }))
                << ort << " number " << n << " has no line";
        }
        // Every hour the sun lifts clear of the horizon on some day is numbered, once; none
        // that stays below it (the margins: dial II draws from 1 degree, mean time moves an
        // hour by up to 4 degrees).
        const double rand = f.modus == 2 ? 4.5 : 0.5, grenze = f.art == 2 ? 1 : 0;
        std::vector<int> mindestens(13, 0), hoechstens(13, 0);
        for (int h = von; h <= bis; ++h) {
            double hoechste = -90;
            for (double d = -kEps; d <= kEps; d += 0.25)
                hoechste = std::max(hoechste, hoeheDerSonne(f.phi, d, 15 * (h + dZone - 12)));
            mindestens[static_cast<std::size_t>(zwoelf(h))] += hoechste > grenze + rand;
            hoechstens[static_cast<std::size_t>(zwoelf(h))] += hoechste > grenze - rand;
        }
        for (std::size_t n = 1; n <= 12; ++n) {
            const auto ist = std::count_if(a.zahlen.begin(), a.zahlen.end(), [&](const auto& z) { return z.first == int(n); });
            EXPECT_TRUE(ist >= mindestens[n] && ist <= hoechstens[n]) << ort << " number " << n << " written " << ist;
        }
    }
}

} // namespace

TEST(HabermelSweep, RefusedAlikeAndEveryLitHourNumberedBesideItsOwnLine)
{
    const double breiten[] = {-66.0, -47.25, -30.0, -23.44, -10.0, -2.0, 2.0, 10.0, 23.44, 24.0, 33.87, 47.25, 60.0, 66.5};
    for (const int art : {1, 2})
        for (const double phi : breiten)
            for (const double d : {60.0, 120.0, 200.0})
                for (int modus = 0; modus <= (art == 1 ? 2 : 1); ++modus)
                    pruefe({art, phi, d, modus});
}
