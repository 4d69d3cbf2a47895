// What the ring dial's signs, dates and hours say, read from the drawing and the plot and
// checked against the sun: the key's entry date of each sign, the sign glyphs beside the
// band's rows, the hour numbers, and the month names of the date scale of the sliding hole,
// north and south, in both languages.
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/ring/RingSonnenuhr.h"
#include "dials/ring/RingZeichnung.h"
#include "RingModell.h"
#include "RingTestHilfen.h"
#include "support/ExportPruefung.h"
#include "support/PlotLeser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

using namespace umbrin;
using namespace umbrin::ringtest;

namespace {

const std::array<std::array<const char*, 12>, 2> zeichenNamen = {{
    {"Widder", "Stier", "Zwilling", "Krebs", "Löwe", "Jungfrau", "Waage", "Skorpion", "Schütze", "Steinbock",
     "Wassermann", "Fische"},
    {"Ram", "Bull", "Twins", "Crab", "Lion", "Virgin", "Balance", "Scorpion", "Archer", "Goat", "Water-Bearer",
     "Fishes"},
}};
const std::array<std::array<const char*, 12>, 2> monatsNamen = {{
    {"Jan", "Feb", "Mar", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
}};

int monatVon(const std::string& text, int sprache)
{
    for (int m = 0; m < 12; ++m)
        if (text == monatsNamen[sprache][m])
            return m + 1;
    return 0;
}

// The zodiac glyphs are Wingdings characters: '^' is Aries, 'i' Pisces.
int zeichenVonGlyphe(char c) { return c - '^' + 1; }

struct Ort {
    double phi;
    int sprache; // 0 German, 1 English
};
const Ort orte[] = {{47.25, 0}, {47.25, 1}, {-35, 0}, {-35, 1}};
// On the equator the rows are those of the northern sun.
const Ort orteMitAequator[] = {{47.25, 0}, {47.25, 1}, {-35, 0}, {-35, 1}, {0, 0}};

AppState ringZustand(const Ort& o, int einBand, int zwoelf)
{
    AppState s = umbrin::ringtest::ringZustand();
    s.Par.Breite = o.phi;
    setzeSprache(s, o.sprache == 0);
    s.Schalter.Ganzjaehrig = einBand;
    s.Schalter.ZwoelfUhrHorizontal = zwoelf;
    s.Schalter.Italienisch = s.Schalter.Babylonisch = 1;
    return s;
}

// The sun's declination that a row of the dial stands for: the rows are drawn for the
// latitude's magnitude, so south of the equator a row means the opposite declination.
double sonneDerZeile(double phi, double zeile) { return phi < 0 ? -zeile : zeile; }

// The default screen 1920 x 1080: ring radius 1216.3 / pi, hole line 299, band width 413;
// one band's top at 216, two bands' tops at 102 and 613.
constexpr double kRu = 1216.3 / M_PI, kXRef = 299, kBu = 413;

double bildZeile(int einBand, double y, double eps)
{
    if (einBand)
        return eps - (y - 216) * 2 * eps / kBu;
    return y <= 102 + kBu + 1 ? eps - (y - 102) * eps / kBu : -(y - 613) * eps / kBu;
}

// The plot: ring radius 3000, hole line 1971, band width 3200; one band's top at 9040, two
// bands' tops at 9540 and 5420.
constexpr double kR = 3000, kX1 = 1971, kBuPlot = 3200;

double plotZeile(int einBand, double y, double eps)
{
    if (einBand)
        return eps - (9040 - y) * 2 * eps / kBuPlot;
    return y > 5420 + 1 ? eps - (9540 - y) * eps / kBuPlot : (y - 5420) * eps / kBuPlot;
}

std::vector<RecordedPrimitive> texte(const RecordingCanvas& c)
{
    std::vector<RecordedPrimitive> t;
    for (const RecordedPrimitive* p : c.select([](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Text; }))
        t.push_back(*p);
    return t;
}

// The labels of a plot with their leading blanks dropped.
std::vector<test::PlotText> plotLabels(const std::string& plot)
{
    std::vector<test::PlotText> labels = test::plotTexte(plot);
    for (test::PlotText& l : labels)
        l.text.erase(0, l.text.find_first_not_of(' '));
    return labels;
}

} // namespace

// Each line of the key names a sign beside its glyph and the day the sun enters it: averaged
// over forty years, the sun's longitude at noon of that day lies between half a degree short
// of the sign's start and one day's motion past it.
TEST(RingBeschriftung, KeyGivesEachSignTheDayTheSunEntersIt)
{
    for (const Ort& o : orte) {
        const AppState s = ringZustand(o, 0, 0);
        RecordingCanvas c(1920, 1080);
        konstruiereRingSU(s, c, c.width(), c.height(), true, nullptr);
        const std::vector<RecordedPrimitive> t = texte(c);
        int zeilen = 0;
        for (const RecordedPrimitive& p : t) {
            if (p.angle != 0 || p.text.rfind("= ", 0) != 0)
                continue;
            const RecordedPrimitive* glyphe = nullptr;
            for (const RecordedPrimitive& q : t)
                if (q.font.name == "Wingdings" && q.angle == 0 && q.points[0].y == p.points[0].y &&
                    q.points[0].x < p.points[0].x && q.points[0].x > p.points[0].x - 3 * p.font.height)
                    glyphe = &q;
            ASSERT_NE(glyphe, nullptr) << p.text;
            const int zeichen = zeichenVonGlyphe(glyphe->text[0]);
            ASSERT_TRUE(zeichen >= 1 && zeichen <= 12) << p.text;
            const std::size_t klammer = p.text.find("  (");
            ASSERT_NE(klammer, std::string::npos) << p.text;
            EXPECT_EQ(p.text.substr(2, klammer - 2), zeichenNamen[o.sprache][zeichen - 1]);
            const int tag = std::stoi(p.text.substr(klammer + 3, 2));
            const int monat = monatVon(p.text.substr(klammer + 6, 3), o.sprache);
            ASSERT_NE(monat, 0) << p.text;
            double summe = 0;
            for (int jahr = 2001; jahr <= 2040; ++jahr)
                summe += std::remainder(sonnenLaenge(jahr, monat, tag) - 30.0 * (zeichen - 1), 360.0);
            const double nachBeginn = summe / 40;
            EXPECT_GT(nachBeginn, -0.5) << o.phi << " " << p.text;
            EXPECT_LT(nachBeginn, 1.0) << o.phi << " " << p.text;
            ++zeilen;
        }
        EXPECT_EQ(zeilen, 12) << o.phi;
    }
}

// The glyphs at the band's left end stand beside the rows of the sun's declinations while it
// is in that sign, on the screen and on the plot, with one band and with two.
TEST(RingBeschriftung, BandGlyphsStandInTheirSignsRows)
{
    for (const Ort& o : orteMitAequator) {
        for (int einBand = 0; einBand <= 1; ++einBand) {
            const AppState s = ringZustand(o, einBand, 0);
            const double eps = s.DeklTabelle[0];
            RecordingCanvas c(1920, 1080);
            konstruiereRingSU(s, c, c.width(), c.height(), true, nullptr);
            int bild = 0;
            for (const RecordedPrimitive& p : texte(c)) {
                if (p.font.name != "Wingdings" || p.angle != 90)
                    continue;
                // Turned by 90 degrees the glyph stands above its corner.
                const double mitte = p.points[0].y - 0.5 * p.font.height;
                const double sonne = sonneDerZeile(o.phi, bildZeile(einBand, mitte, eps));
                EXPECT_TRUE(imZeichenband(zeichenVonGlyphe(p.text[0]), sonne, 0.5))
                    << o.phi << " band " << einBand << " sign " << zeichenVonGlyphe(p.text[0]) << " at " << sonne;
                ++bild;
            }
            EXPECT_EQ(bild, 12) << o.phi << " " << einBand;

            int plot = 0;
            for (const test::PlotText& l : plotLabels(ringPlot(s))) {
                if (!l.zweitsatz)
                    continue;
                const double sonne = sonneDerZeile(o.phi, plotZeile(einBand, l.an.y + 64, eps));
                EXPECT_TRUE(imZeichenband(zeichenVonGlyphe(l.text[0]), sonne, 0.5))
                    << "plot " << o.phi << " band " << einBand << " sign " << zeichenVonGlyphe(l.text[0]) << " at "
                    << sonne;
                ++plot;
            }
            EXPECT_EQ(plot, 12) << o.phi << " " << einBand;
        }
    }
}

// A sign's ink is about as wide as it is high: no hour number stands on a sign's square beside
// the hole line, on either screen, at latitudes and ring widths where lines come close to them.
TEST(RingBeschriftung, HourNumbersKeepClearOfTheSigns)
{
    std::string auf;
    for (const double phi : {-60.0, -23.44, 0.0, 10.0, 35.0, 47.25, 55.0, 66.0})
        for (int art = 0; art < 8; ++art)
            for (const auto& [breite, hoehe, gross] : {std::tuple{1780, 905, true}, {1226, 593, false}}) {
                AppState s = ringZustand({phi, 0}, art % 2, art / 2 % 2);
                s.Zeiten.QuadVon = 0;
                s.Zeiten.QuadBis = 24;
                s.Par.RingBreite = art / 4 ? 58 : 30;
                RecordingCanvas c(breite, hoehe);
                konstruiereRingSU(s, c, breite, hoehe, gross, nullptr);
                // Turned, a text runs up from its corner, its letters' cell to the right of it.
                for (const RecordedPrimitive& z : texte(c))
                    for (const RecordedPrimitive& g : texte(c))
                        if (z.angle == 90 && g.angle == 90 && g.font.name == "Wingdings" && z.font.name != "Wingdings"
                            && z.points[0].x < g.points[0].x + g.font.height
                            && g.points[0].x < z.points[0].x + 1.15 * z.font.height
                            && z.points[0].y - 0.55 * z.font.height * static_cast<double>(z.text.size()) < g.points[0].y
                            && g.points[0].y - g.font.height < z.points[0].y)
                            auf += std::to_string(phi) + " " + std::to_string(art) + " " + std::to_string(breite) + ": '"
                                   + z.text + "' on a sign\n";
            }
    EXPECT_EQ(auf, "");
}

// A number caught between two labels (up past the upper leaves the band, down past the lower
// comes back onto the upper) takes the clean place nearest its own: just below the lower.
TEST(RingBeschriftung, ANumberCaughtBetweenTwoLabelsGoesToTheNearestCleanPlace)
{
    const AppState s = umbrin::ringtest::ringZustand();
    RecordingCanvas c(1920, 1080);
    Konstruktionsmeldungen m;
    RingZeichnung z{s, c, m};
    z.fh = 14;
    z.yTop = 100;
    z.Bu = 300;
    z.labels = {{500, 516, 102, 117, "^"}, {500, 516, 121, 136, "_"}}; // two signs' boxes
    z.stundenzahl(500, 125, "7"); // 8 long: its box 117..125 is on the upper sign
    ASSERT_EQ(z.labels.size(), 3u);
    EXPECT_EQ(z.labels.back().oben, 137);
    EXPECT_EQ(z.labels.back().unten, 145);
}

// Each Babylonian and Italian number of one band names the hour of the sun whose spot stands
// where it is written (the local hours' numbers are checked with every variant below):
// hours since sunrise (Babylonian) or since sunset (Italian) on their row (+5.5),
// the sunrise from cos H0 = -tan phi tan delta; the spot lies 2 h along the band from the
// hole line. A number may have stepped up or down its line clear of another; its place along
// the band says its hour.
TEST(RingBeschriftung, HourNumbersNameTheirHours)
{
    const auto passt = [](double phi, double zeile, int stunde, double xRef, double R) {
        const double delta = sonneDerZeile(phi, zeile);
        const double H0 = std::acos(-std::tan(phi * kGrad) * std::tan(delta * kGrad)) / kGrad;
        const double lokal = sonnenhoehe(phi, delta, (stunde - 12) * 15.0);
        const double babylonisch = sonnenhoehe(phi, delta, 15.0 * stunde - H0);
        const double italienisch = sonnenhoehe(phi, delta, std::remainder(H0 + 15.0 * stunde, 360.0));
        return std::array<double, 3>{xRef + 2 * R * lokal * kGrad, xRef + 2 * R * babylonisch * kGrad,
                                     xRef + 2 * R * italienisch * kGrad};
    };
    for (const Ort& o : orte) {
        AppState s = ringZustand(o, 1, 0);
        s.Schalter.RingExakt = 0;
        RecordingCanvas c(1920, 1080);
        konstruiereRingSU(s, c, c.width(), c.height(), true, nullptr);
        int bild = 0;
        for (const RecordedPrimitive& p : texte(c)) {
            if (p.angle != 90 || p.font.name == "Wingdings" || p.font.color == s.Farben[1])
                continue;
            const int stunde = std::stoi(p.text);
            const double x = p.points[0].x;
            const std::array<double, 3> ib = passt(o.phi, 5.5, stunde, kXRef, kRu);
            const double abstand = std::min(std::fabs(x - ib[1]), std::fabs(x - ib[2]));
            EXPECT_LT(abstand, 2.5) << o.phi << " hour " << stunde << " at " << x;
            ++bild;
        }
        EXPECT_GE(bild, 8) << o.phi;

        int plot = 0;
        for (const test::PlotText& l : plotLabels(ringPlot(s))) {
            if (l.zweitsatz || l.stift == 2 || l.text.empty() || l.text.find_first_not_of("0123456789") != std::string::npos ||
                l.an.y < 5840 || l.an.y > 9040)
                continue;
            const int stunde = std::stoi(l.text);
            const std::array<double, 3> ib = passt(o.phi, 5.5, stunde, kX1, kR);
            const double abstand = std::min(std::fabs(l.an.x - ib[1]), std::fabs(l.an.x - ib[2]));
            EXPECT_LT(abstand, 12.0) << "plot " << o.phi << " hour " << stunde << " at " << l.an.x;
            ++plot;
        }
        EXPECT_GE(plot, 8) << o.phi;
    }
}

namespace {

// The 1920 x 1080 screen or the plot read back: the hour numbers (their middles), the month
// names (their ends and middle) and the date scales' boxes with the places of their long ticks.
struct Blatt {
    struct Zahl { int stunde; double x, y; };
    struct Name { int monat; double x0, x1, y; };
    struct Skala { double x0, x1, mitte, hoehe; std::vector<double> lang; };
    bool plot;
    double xRef, R, rechts;
    std::vector<Zahl> zahlen;
    std::vector<Name> monate;
    std::vector<Skala> skalen;

    explicit Blatt(bool imPlot)
        : plot(imPlot), xRef(imPlot ? kX1 : kXRef), R(imPlot ? kR : kRu), rechts(imPlot ? 16157 : 1920) {}

    // The band at a height (0 the one band, 1 summer, 2 winter) and the row there.
    int band(int einBand, double y) const
    {
        return einBand ? 0 : (plot ? y > 5420 + 1 : y <= 102 + kBu + 1) ? 1 : 2;
    }
    double zeile(int einBand, double y, double eps) const
    {
        return plot ? plotZeile(einBand, y, eps) : bildZeile(einBand, y, eps);
    }
    void langerStrich(double x, double y0, double y1)
    {
        for (Skala& k : skalen)
            if (y0 == std::round(k.mitte) && x > k.x0 && x < k.x1 && std::fabs(y1 - y0) > 0.45 * k.hoehe)
                k.lang.push_back(x);
    }
};

bool nurZiffern(const std::string& t) { return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos; }

Blatt leseBild(const RecordingCanvas& c, int sprache)
{
    Blatt b(false);
    for (const RecordedPrimitive& p : c.primitives()) {
        const double fh = p.font.height, w = 0.55 * fh * p.text.size();
        if (p.kind == PrimitiveKind::Text && p.angle == 90 && p.font.name != "Wingdings" && nurZiffern(p.text))
            b.zahlen.push_back({std::stoi(p.text), p.points[0].x + fh / 2, p.points[0].y - w / 2});
        if (p.kind == PrimitiveKind::Text && p.angle == 0 && monatVon(p.text, sprache))
            b.monate.push_back({monatVon(p.text, sprache), double(p.points[0].x), p.points[0].x + w, p.points[0].y + fh / 2});
        if (p.kind == PrimitiveKind::Rectangle && std::fabs(p.points[0].x - b.xRef) <= 1 && p.points[1].y - p.points[0].y < 200)
            b.skalen.push_back({double(p.points[0].x), double(p.points[1].x), (p.points[0].y + p.points[1].y) / 2.0,
                                double(p.points[1].y - p.points[0].y), {}});
    }
    for (const RecordedPrimitive& p : c.primitives())
        if (p.kind == PrimitiveKind::Line && p.points[0].x == p.points[1].x)
            b.langerStrich(p.points[0].x, p.points[0].y, p.points[1].y);
    return b;
}

Blatt lesePlot(const std::string& hpgl, int sprache)
{
    Blatt b(true);
    for (const test::PlotText& l : test::plotTexte(hpgl)) {
        const std::size_t blanks = std::min(l.text.find_first_not_of(' '), l.text.size());
        const std::string t = l.text.substr(blanks);
        if (!l.zweitsatz && nurZiffern(t))
            b.zahlen.push_back({std::stoi(t), l.an.x + 120.0 * blanks + 60.0 * t.size(), l.an.y + 64});
        if (!l.zweitsatz && monatVon(t, sprache))
            b.monate.push_back({monatVon(t, sprache), l.an.x, l.an.x + 3 * 96, l.an.y + 48});
    }
    for (const test::PlotBefehl& e : test::plotBefehle(hpgl))
        if (e.name == "EA" && e.zahlen.size() == 2 && std::fabs(e.an.y - e.zahlen[1]) < 1000)
            b.skalen.push_back({e.an.x, e.zahlen[0], (e.an.y + e.zahlen[1]) / 2, std::fabs(e.an.y - e.zahlen[1]), {}});
    for (const test::PlotStrich& st : test::plotStriche(hpgl))
        if (st.punkte.size() == 2 && st.punkte[0].x == st.punkte[1].x)
            b.langerStrich(st.punkte[0].x, st.punkte[0].y, st.punkte[1].y);
    return b;
}

} // namespace

// Over the variants the dialog offers (one band or two, local or temporal hours, with or
// without the date scale), north and south and near the equator, on the screen and the plot: every numbered hour
// whose line the sun draws on a band carries its number there, each number stands where the
// sun at its hour is up and nearer its own line than any other, and each month name stands by
// the long tick of the date scale at the row of the sun on the 1st of that month.
TEST(RingBeschriftung, EveryDrawnHourIsNumberedAndEveryMonthStandsAtItsSun)
{
    for (const double phi : {47.25, -33.87, 2.0, -2.0, 10.0, -10.0, 23.44, -23.44})
        for (int einBand = 0; einBand <= 1; ++einBand)
            for (int temporal = 0; temporal <= 1; ++temporal)
                for (int skala = 0; skala <= 1; ++skala) {
                    const int sprache = phi > 0 ? 0 : 1;
                    AppState s = ringZustand({phi, sprache}, einBand, skala);
                    s.Schalter.Italienisch = s.Schalter.Babylonisch = 0;
                    s.Schalter.TemporalAnzeige = temporal;
                    const double eps = s.DeklTabelle[0];
                    // The altitude of the sun at an hour on a row of the band.
                    const auto hoehe = [&](int stunde, double zeile) {
                        const double d = sonneDerZeile(phi, zeile);
                        const double H0 =
                            std::acos(std::clamp(-std::tan(phi * kGrad) * std::tan(d * kGrad), -1.0, 1.0)) / kGrad;
                        return sonnenhoehe(phi, d, temporal ? (stunde - 6) * H0 / 6 : (stunde - 12) * 15.0);
                    };
                    int von = temporal ? s.Zeiten.QuadTempVon : s.Zeiten.QuadVon;
                    int bis = temporal ? s.Zeiten.QuadTempBis : s.Zeiten.QuadBis;
                    const int mittag = temporal ? 6 : 12;
                    (bis - mittag < mittag - von ? bis : von) = mittag;

                    RecordingCanvas bild(1920, 1080);
                    konstruiereRingSU(s, bild, 1920, 1080, true, nullptr);
                    for (const Blatt& b : {leseBild(bild, sprache), lesePlot(ringPlot(s), sprache)}) {
                        const std::string wo = (b.plot ? "plot " : "screen ") + std::to_string(phi) +
                                               (einBand ? " one band" : " two bands") +
                                               (temporal ? " temporal" : " local") + (skala ? " date scale" : "");
                        // A band's rows run from r0 at its top to r1; an hour line's place on a row.
                        const auto r0 = [&](int band) { return band == 2 ? 0 : eps; };
                        const auto r1 = [&](int band) { return band == 1 ? 0 : -eps; };
                        // With the sliding hole a row's noon stands at the arc of the band's
                        // highest noon sun: 90 degrees where that sun reaches the zenith.
                        const double p = std::fabs(phi);
                        const auto versatz = [&](int band, double zeile) {
                            const double hoechste = band == 2 ? 90 - p : (p < eps ? 90 : 90 - p + eps);
                            return skala ? hoechste - 90 + p - zeile : 0;
                        };
                        const auto xLinie = [&](int band, int stunde, double zeile) {
                            return b.xRef + 2 * b.R * kGrad * (hoehe(stunde, zeile) + versatz(band, zeile));
                        };
                        for (int band = einBand ? 0 : 1; band <= (einBand ? 0 : 2); ++band)
                            for (int stunde = von; stunde <= bis; ++stunde) {
                                bool gezeichnet = false;
                                for (double a = 0.02; a < 1; a += 0.02) {
                                    const double zeile = r0(band) + a * (r1(band) - r0(band));
                                    const double x = xLinie(band, stunde, zeile);
                                    gezeichnet |= hoehe(stunde, zeile) > 2 && x > b.xRef && x < b.rechts;
                                }
                                const bool nummeriert = std::any_of(b.zahlen.begin(), b.zahlen.end(), [&](const Blatt::Zahl& z) {
                                    return z.stunde == stunde && b.band(einBand, z.y) == band;
                                });
                                EXPECT_TRUE(nummeriert || !gezeichnet) << wo << " band " << band << " hour " << stunde;
                            }
                        for (const Blatt::Zahl& z : b.zahlen) {
                            const int band = b.band(einBand, z.y);
                            const double zeile = std::clamp(b.zeile(einBand, z.y, eps), r1(band), r0(band));
                            EXPECT_GT(hoehe(z.stunde, zeile), -1.5) << wo << " hour " << z.stunde << " row " << zeile;
                            int naechste = 0;
                            double abstand = 1e9;
                            for (int h = von; h <= bis; ++h)
                                if (hoehe(h, zeile) > -1 && std::fabs(z.x - xLinie(band, h, zeile)) < abstand) {
                                    abstand = std::fabs(z.x - xLinie(band, h, zeile));
                                    naechste = h;
                                }
                            EXPECT_EQ(naechste, z.stunde) << wo << " row " << zeile;
                        }
                        // Each band's date scale follows it; beside each of its names (within
                        // three of its widths) a long tick at the row of the sun of its 1st.
                        ASSERT_EQ(b.skalen.size(), skala ? (einBand ? 1u : 2u) : 0u) << wo;
                        for (std::size_t i = 0; i < b.skalen.size(); ++i) {
                            const Blatt::Skala& k = b.skalen[i];
                            const int band = einBand ? 0 : static_cast<int>(i) + 1;
                            int namen = 0;
                            for (const Blatt::Name& n : b.monate) {
                                const auto naeher = [&](const Blatt::Skala& a, const Blatt::Skala& c) {
                                    return std::fabs(a.mitte - n.y) < std::fabs(c.mitte - n.y);
                                };
                                if (&*std::min_element(b.skalen.begin(), b.skalen.end(), naeher) != &k)
                                    continue;
                                ++namen;
                                const double soll = sonneDerZeile(phi, sonnenDeklination(s.Par.Jahr, n.monat, 1));
                                double fehler = 99;
                                for (const double x : k.lang)
                                    if (std::max({0.0, n.x0 - x, x - n.x1}) < 3 * (n.x1 - n.x0))
                                        fehler = std::min(fehler, std::fabs(versatz(band, 0) - (x - b.xRef) / (2 * b.R * kGrad) - soll));
                                EXPECT_LT(fehler, 0.35) << wo << " month " << n.monat;
                            }
                            EXPECT_EQ(namen, static_cast<int>(k.lang.size())) << wo;
                        }
                    }
                }
}
