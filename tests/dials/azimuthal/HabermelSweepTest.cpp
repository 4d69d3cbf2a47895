// Both Habermel dials over latitudes (the tropics among them), sizes, time systems and the five
// views: a dial is refused everywhere or nowhere; every hour the sun lifts above the horizon gets
// its number beside its own line, drawn under it. Dial II's curves come from the sun worked out
// here, dial I's from the table the geometry test checks against the shadow of the gnomon tip.
#include "core/HPGLDatei.h"
#include "dialogs/HabermelGeometrie.h"
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::test;

namespace {

constexpr double kGrad = M_PI / 180;
constexpr double kEps = 23.44;

int zwoelf(int h) { return h > 12 ? h - 12 : h; }

// A dial in one view: its hour numbers (value and the centre of their letters), the points of
// the full-hour lines, every straight stroke and a letter's height, in the view's units.
struct Ausgabe {
    bool verweigert = false;
    std::vector<std::pair<int, PlotPunkt>> zahlen;
    std::vector<PlotPunkt> linien;
    std::vector<std::pair<PlotPunkt, PlotPunkt>> striche;
    double schrift = 128;
    std::string aufeinander; // texts on texts by their ink
};

Ausgabe zeichne(const AppState& s, int art, const Sicht& v)
{
    RecordingCanvas c(std::max(v.breite, 1), std::max(v.hoehe, 1), v.seite);
    HPGLDatei plot;
    plot.oeffnenImSpeicher();
    const HabermelZiel z{v.plot ? nullptr : &c, v.breite, v.hoehe, !v.seite, v.plot ? &plot : nullptr};
    Ausgabe a;
    a.verweigert = !(art == 1 ? zeichneHabermel : zeichneHabermel2)(s, z, s.Par.HabermelGnomon).empty();
    EXPECT_EQ(a.verweigert, v.plot ? plot.inhalt().empty() : c.primitives().empty());
    const Blattinhalt b = v.plot ? lesePlot(plot.inhalt()) : leseCanvas(c);
    a.aufeinander = befundText(v.plot ? plotTextlage(plot.inhalt(), 0.04).aufeinander : textAufText(c.primitives(), 0.04));
    for (const Strich& st : b.striche) {
        if (!v.plot && st.art != PrimitiveKind::Line)
            continue;
        for (std::size_t i = 1; i < st.punkte.size(); ++i)
            a.striche.push_back({st.punkte[i - 1], st.punkte[i]});
        if (v.plot ? st.stift == 2 : st.farbe == s.Farben[1] && st.breite > s.Schalter.Linienstaerke)
            a.linien.insert(a.linien.end(), st.punkte.begin(), st.punkte.end());
    }
    // Dial I in mean time plots its numbers in pen 4, the other half-year's in pen 2.
    const int stift = art == 1 && s.Schalter.MitZeitglZylinder && !s.Schalter.Zonenzeit ? 4 : 2;
    for (const Beschriftung& t : b.texte) {
        const int n = zahlIn(t.text);
        if (n < 0 || (v.plot ? t.zweitsatz || t.stift != stift || t.text.find(' ') != std::string::npos
                             : t.schrift != "Arial" || t.farbe != s.Farben[art == 1 ? 3 : 1]))
            continue;
        // A plot label from its lower left corner, letters 128 high and 0.75 of that apart.
        const double w = t.winkel * kGrad, u = 48.0 * double(t.text.size());
        const PlotPunkt mitte{t.an.x + u * std::cos(w) - 64 * std::sin(w), t.an.y + u * std::sin(w) + 64 * std::cos(w)};
        a.zahlen.push_back({n, v.plot ? mitte : textMitte(t)});
        a.schrift = v.plot ? 128 : t.hoehe;
    }
    return a;
}

// A full-hour line in the view's units; for dial II how far its curve reaches from the centre.
struct Linie { int h = 0; std::vector<PlotPunkt> punkte; double weite = 1e18; };

// Dial I: the foot where the horizon line (a level stroke centred on it) crosses the noon line,
// the longest upright it crosses (the gnomon template's is as long); r0 + r36 gives the gnomon.
std::vector<Linie> linienEins(const AppState& s, const Ausgabe& a, double unten)
{
    double x0 = 0, y0 = 0, laenge = 0;
    for (const auto& [p, q] : a.striche)
        if (p.x == q.x && std::fabs(q.y - p.y) > laenge)
            for (const auto& [u, v] : a.striche)
                if (u.y == v.y && std::fabs(u.x + v.x - 2 * p.x) <= 2 && std::fabs(u.x - v.x) >= 4
                    && (u.y - p.y) * (u.y - q.y) <= 0) {
                    x0 = p.x;
                    y0 = u.y;
                    laenge = std::fabs(q.y - p.y);
                }
    const double phi = s.Par.Breite;
    const double Ls = laenge / (std::tan((90 - phi - kEps) * kGrad) + std::tan((90 - phi + kEps) * kGrad));
    std::vector<Linie> linien;
    for (const auto& l : habermelStundenlinien(s, habermelTabelle(phi, kEps, Ls)))
        if (l.voll) {
            linien.push_back({l.nummer, {}});
            for (const auto& q : l.punkte)
                if (q && q->hoehe > 0)
                    linien.back().punkte.push_back({x0 + q->x, y0 - unten * q->y});
        }
    return linien;
}

// Dial II: about the centre where the view puts it, the sun's drop L' tan(a) at the polar angle
// of the ecliptic longitude l, L' from the curves' farthest drawn point. The declination is
// eps sin(l), as the date scale takes it (within 0.3 degrees of the sun's, which near the zenith
// moves a point by much of a letter).
std::vector<Linie> linienZwei(const AppState& s, const Ausgabe& a, const Sicht& v, double dZone)
{
    const int rand = v.seite ? 30 : 0;
    const PlotPunkt m = v.plot ? PlotPunkt{std::round(0.6 * 16400), 5740}
                               : PlotPunkt{double((v.breite - rand) / 2), double((v.hoehe - rand) / 2)};
    std::vector<Linie> linien;
    double hoechste = 0;
    for (int h = s.Zeiten.QuadVon; h <= s.Zeiten.QuadBis; ++h) {
        linien.push_back({h, {}, 0});
        for (double l = 0, H = 15 * (h + dZone - 12); l < 360; l += 1)
            if (const double alt = hoeheDerSonne(s.Par.Breite, kEps * std::sin(l * kGrad), H); alt > 1.5) {
                const double rho = std::tan(alt * kGrad);
                linien.back().punkte.push_back({rho * std::cos(l * kGrad), rho * std::sin(l * kGrad)});
                hoechste = std::max(hoechste, rho);
            }
    }
    double Ls = 0;
    for (const PlotPunkt& p : a.linien)
        Ls = std::max(Ls, std::hypot(p.x - m.x, p.y - m.y) / hoechste);
    for (Linie& l : linien)
        for (PlotPunkt& p : l.punkte) {
            l.weite = std::max(l.weite, Ls * std::hypot(p.x, p.y));
            p = {m.x + Ls * p.x, m.y + (v.plot ? Ls : -Ls) * p.y};
        }
    return linien;
}

void pruefe(int art, double phi, double durchmesser, int modus) // modus: apparent, zone, mean time (dial I)
{
    SCOPED_TRACE(testing::Message() << "dial " << art << " phi " << phi << " D " << durchmesser << " mode " << modus);
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'q';
    s.EpsRund = kEps;
    s.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(art);
    s.Par.Breite = phi;
    s.Par.HabermelDurchmesser = durchmesser;
    s.Schalter.Zonenzeit = modus == 1;
    s.Schalter.MitZeitglZylinder = s.Schalter.Ortszeit = modus == 2;
    s.Par.HabermelGnomon = 35;
    HabermelGnomonAusDurchmesser(art, durchmesser, phi, kEps, s.Par.HabermelGnomon);
    const auto nein = art == 1 ? habermelVerweigerung(s, s.Par.HabermelGnomon) : habermel2Verweigerung(s);
    // The dialog computes a gnomon exactly where the dial is built (dial I: in the north), and
    // a refusal near the equator names the limit it applies.
    if (double faktor = 0; phi >= 0 || art == 2) {
        EXPECT_EQ(HabermelFaktor(art, phi, kEps, faktor), !nein);
        EXPECT_TRUE(!nein || nein->find("23.44") != std::string::npos) << nein.value_or("");
    }
    // Each number written once for an hour the sun lifts clear of the horizon on some day, never
    // for one below it (margins: dial II draws from 1 degree, mean time moves an hour by 4).
    const double dZone = modus == 1 ? (s.Par.Zonenmeridian - s.Par.Laenge) / 15 : 0;
    const double rand = modus == 2 ? 4.5 : 0.5, grenze = art == 2 ? 1 : 0;
    std::array<long, 13> mindestens{}, hoechstens{};
    for (int h = art == 1 ? 3 : s.Zeiten.QuadVon; h <= (art == 1 ? 21 : s.Zeiten.QuadBis); ++h) {
        double hoechste = -90;
        for (double d = -kEps; d <= kEps; d += 0.25)
            hoechste = std::max(hoechste, hoeheDerSonne(phi, d, 15 * (h + dZone - 12)));
        mindestens[std::size_t(zwoelf(h))] += hoechste > grenze + rand;
        hoechstens[std::size_t(zwoelf(h))] += hoechste > grenze - rand;
    }
    for (const Sicht& v : kSichten) {
        SCOPED_TRACE(v.name);
        const Ausgabe a = zeichne(s, art, v);
        ASSERT_EQ(a.verweigert, nein.has_value());
        if (nein)
            continue;
        EXPECT_TRUE(art == 2 || a.aufeinander.empty()) << a.aufeinander;
        const auto linien = art == 1 ? linienEins(s, a, v.plot ? -1 : 1) : linienZwei(s, a, v, dZone);
        // Each number within 2.5 letters of its own line and of a full-hour stroke; on dial I
        // also nearer to it than to any other line, to a tenth of a letter (dial II's curves meet
        // at the solstice). Dial II's curves that stay within three letters of the centre (about
        // sunrise and sunset) cannot carry their numbers clear of one another: not checked.
        std::array<long, 13> ist{};
        for (const auto& [n, p] : a.zahlen) {
            ++ist[std::size_t(n <= 12 ? n : 0)]; // numbers past 12 join none
            double eigene = 1e18, andere = 1e18, weite = 0;
            for (const Linie& l : linien) {
                double& d = zwoelf(l.h) == n ? eigene : andere;
                d = std::min(d, abstandZu(p, l.punkte));
                weite = std::max(weite, zwoelf(l.h) == n ? l.weite : 0);
            }
            if (weite < 3 * a.schrift)
                continue;
            EXPECT_LT(eigene, 2.5 * a.schrift) << "number " << n;
            EXPECT_TRUE(art == 2 || eigene <= andere + 0.1 * a.schrift) << "number " << n << " nearer another line";
            EXPECT_LT(abstandZu(p, a.linien), 2.5 * a.schrift) << "number " << n << " has no line";
            // Dial I: at its line's summer end, the lit point farthest from the horizon line
            // (within a letter and a half of it).
            double ende = 1e18;
            for (const Linie& l : linien)
                if (zwoelf(l.h) == n && !l.punkte.empty())
                    ende = std::min(ende, abstandZu(p, {l.punkte.back()}));
            EXPECT_TRUE(art == 2 || ende < 1.5 * a.schrift) << "number " << n << " off its line's summer end";
        }
        for (std::size_t n = 1; n <= 12; ++n)
            EXPECT_TRUE(ist[n] >= mindestens[n] && ist[n] <= hoechstens[n]) << "number " << n << " written " << ist[n];
    }
}

} // namespace

TEST(HabermelSweep, RefusedAlikeAndEveryLitHourNumberedBesideItsOwnLine)
{
    for (const int art : {1, 2})
        for (const double phi : {-66.0, -47.25, -30.0, -23.44, -10.0, -2.0, 2.0, 10.0, 23.44, 24.0, 24.52, 27.66, 33.87,
                                 47.25, 60.0, 65.4, 66.5})
            for (const double d : {60.0, 120.0, 200.0})
                for (int modus = 0; modus <= (art == 1 ? 2 : 1); ++modus)
                    pruefe(art, phi, d, modus);
}

// Dial I with a settings file's 2 mm gnomon (the reader's default) is 20 mm across at 47.25 N,
// its texts on one another: refused in every view, naming what the dialog takes. A short gnomon
// with a dial as large as the dialog's smallest, its shortest gnomon and the unset 0 draw.
TEST(HabermelSweep, AGnomonNoFieldOfTheDialogGivesIsRefusedInEveryView)
{
    for (const auto& [phi, L, nein] : {std::tuple{47.25, 2.0, true}, {60.0, 8.0, true}, {47.25, 6.0, false},
                                       {24.0, 1.8, false}, {66.0, 9.0, false}, {47.25, 0.0, false}})
        for (const Sicht& v : kSichten) {
            AppState s;
            initialisiereZustand(s);
            s.UhrTyp = 'q';
            s.Schalter.Hoehenuhrart = 1;
            s.Par.Breite = phi;
            s.Par.HabermelGnomon = L;
            const Blattinhalt b = zeichneInSicht(s, v, v);
            const std::string wort = v.plot ? b.nein : b.meldungen.empty() ? "" : b.meldungen.front().text;
            EXPECT_EQ(wort.find("mindestens 9 mm oder einen Durchmesser von mindestens 30 mm") != std::string::npos, nein)
                << v.name << " " << phi << " " << L << ": " << wort;
            EXPECT_EQ(v.plot ? b.verweigert : b.striche.empty(), nein) << v.name << " " << phi << " " << L;
        }
}

// Dial II with any gnomon and diameter the dialog takes keeps the diameter entered: nothing
// leaves the sheet, and the user is told exactly when the summer noon's shadow drops past the
// rim (the curves are cut). A page that cannot take the disc is refused before printing.
TEST(HabermelSweep, LongGnomonsKeepTheDiscOnTheSheetAndSaySoWhenCut)
{
    for (const double phi : {24.0, -33.87, 47.25, -55.0, 66.0})
        for (const double D : {30.0, 120.0, 200.0})
            for (const double L : {9.0, 0.0, 50.0, 60.0, 100.0}) // 0: the dialog's gnomon for D
                for (const Sicht& v : {kSchirm, kSchirmKlein, kSeiteA4, kSeiteA3, Sicht{"A4 portrait", 2100, 2970, true}, kPlot}) {
                    SCOPED_TRACE(testing::Message() << v.name << " phi " << phi << " D " << D << " L " << L);
                    AppState s;
                    initialisiereZustand(s);
                    s.UhrTyp = 'q';
                    s.Schalter.Hoehenuhrart = 2;
                    s.Par.Breite = phi;
                    s.Par.HabermelDurchmesser = D;
                    s.Par.HabermelGnomon = L;
                    HabermelGnomonAusDurchmesser(2, L == 0 ? D : 0, phi, kEps, s.Par.HabermelGnomon);
                    const Blattinhalt b = zeichneInSicht(s, v, v);
                    if (v.seite && !b.nein.empty())
                        continue;
                    const auto aus = [&](const PlotPunkt& p) { return p.x < 0 || p.y < 0 || p.x > b.breite || p.y > b.hoehe; };
                    for (const Strich& st : b.striche)
                        EXPECT_TRUE(std::none_of(st.punkte.begin(), st.punkte.end(), aus));
                    for (const Beschriftung& t : b.texte)
                        EXPECT_FALSE(aus(t.an)) << t.text;
                    const bool lang = s.Par.HabermelGnomon * std::tan((90 - std::fabs(phi) + kEps) * kGrad) > D / 2 - 4.5;
                    // The plot tells it among what its export says.
                    const auto schnitt = [](const std::string& t) { return t.find("Ring der Tierkreiszeichen") != std::string::npos; };
                    const auto worte = v.plot ? std::count_if(b.gesagt.begin(), b.gesagt.end(), schnitt) : std::ssize(b.meldungen);
                    EXPECT_EQ(worte, lang ? 1 : 0);
                }
}

// Dial II: the template's caption keeps left of the ring and the numbers, which keep clear of the
// ring's signs; dial I in mean time far north: its reading captions keep apart, and the signs
// off them.
TEST(HabermelSweep, CaptionsAndNumbersKeepClearOfTheSignsAndOfEachOther)
{
    for (const auto& [art, phi, D] : {std::tuple{2, -60.2, 77.5}, {2, 47.25, 77.5}, {2, -58.8, 30.0}, {1, 55.0, 0.0}, {1, 60.2, 0.0}, {1, 61.2, 0.0}})
        for (const Sicht& v : {kSchirm, kSchirmKlein, kDruckA4, kPlot}) {
            AppState s;
            initialisiereZustand(s);
            s.UhrTyp = 'q';
            s.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(art);
            s.Par.Breite = phi;
            if (art == 1) { // in mean time
                s.Schalter.MitZeitglZylinder = s.Schalter.Ortszeit = 1;
                s.Schalter.Zonenzeit = 0;
            } else {
                HabermelGnomonAusDurchmesser(2, s.Par.HabermelDurchmesser = D, phi, s.EpsRund, s.Par.HabermelGnomon);
            }
            const Blattinhalt b = zeichneInSicht(s, v);
            const std::vector<Befund> f = v.plot ? pruefePlotLayout(b.hpgl, plotSeite(b.hpgl)) : textAufText(b.roh, 0.04);
            EXPECT_EQ(abseits(f, true), "") << art << " " << phi << " " << v.name;
        }
}

// Dial I far north with a short gnomon on the small screen: where the lines crowd near noon
// each number stands off those placed before it, moved along its line where its date's place
// is taken, in apparent and in mean time.
TEST(HabermelSweep, NumbersWhereTheLinesCrowdKeepOffOneAnother)
{
    for (const bool mittlereZeit : {false, true})
        for (const double phi : {64.2, 65.0}) {
            AppState s;
            initialisiereZustand(s);
            s.UhrTyp = 'q';
            s.Schalter.Hoehenuhrart = 1;
            s.Par.Breite = phi;
            s.Par.HabermelGnomon = 24.5;
            s.Schalter.MitZeitglZylinder = mittlereZeit;
            EXPECT_EQ(zeichne(s, 1, kSchirmKlein).aufeinander, "") << phi << (mittlereZeit ? " mean time" : "");
        }
}
