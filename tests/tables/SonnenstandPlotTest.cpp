// The plots of the sun-path diagrams and of the equation-of-time graph: the exact command
// fragments, the counts of paths and pens, the geometry of the factor and the mirror, and
// every file read by hp2xx and, converted, by ezdxf.
#include "tables/SonnenstandKreisHPGL.h"
#include "tables/SonnenstandRechtwinkligHPGL.h"
#include "tables/ZeitgleichungGraphHPGL.h"

#include "core/TextEncoding.h"

#include "SonnenstandPruefung.h"
#include "drawing/DxfChecks.h"
#include "drawing/HpglNachDxf.h"
#include "support/ExportPruefung.h"
#include "support/Layoutpruefung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <cstdlib>

using namespace umbrin;
using namespace umbrin::test;
namespace fs = std::filesystem;

namespace {

std::string rechtwinkligPlot(const AppState& s)
{
    HPGLDatei d;
    d.oeffnenImSpeicher();
    SonnenstandRechtwinkligHPGL(d, s, 100, 100, 2900, 2000, 1.0, s.Schalter.Zonenzeit != 0);
    return d.inhalt();
}

std::string kreisPlot(const AppState& s)
{
    HPGLDatei d;
    d.oeffnenImSpeicher();
    SonnenstandKreisHPGL(d, s, 2900, 2000);
    return d.inhalt();
}

std::string eotPlot(const AppState& s, double faktor = 1.0, bool spiegeln = false, bool laenge = false)
{
    HPGLDatei d;
    d.oeffnenImSpeicher();
    ZeitgleichungGraphHPGL(d, s, 100, 100, 2000, 1500, faktor, spiegeln, laenge);
    return d.inhalt();
}

std::size_t zaehle(const std::string& text, const std::string& teil)
{
    std::size_t n = 0;
    for (std::size_t p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1))
        ++n;
    return n;
}

// The labels of the minute scale, in order.
std::vector<std::string> minutenLabels(const std::string& plot)
{
    std::vector<std::string> aus;
    static const std::regex lb(";LB(-?\\d+)\x03");
    for (auto it = std::sregex_iterator(plot.begin(), plot.end(), lb); it != std::sregex_iterator(); ++it)
        aus.push_back((*it)[1]);
    return aus;
}

// The points of the curve: everything after the last pen 3.
std::vector<PlotPunkt> kurve(const std::string& plot) { return plotPunkte(plot.substr(plot.rfind(";SP 3"))); }

} // namespace

TEST(SonnenstandPlot, CartesianHeaderPathsWallAndLabels)
{
    AppState s = diagrammZustand();
    s.Schalter.LinienProMonat = 3;
    const std::string p = rechtwinkligPlot(s);
    EXPECT_EQ(p.rfind(";IN;SS;SI 0.14, 0.21;SP 4", 0), 0u);
    EXPECT_NE(p.find(";PU 1000 6100;LB Sonnenhoehe und Azimut fuer 2024\x03"), std::string::npos);
    EXPECT_NE(p.find(";PU 700 6000;LB Geogr. Breite =  47.25 Grad"), std::string::npos);
    // Nineteen day paths, each begun by its pen and a pen-up and closed by a pen-up.
    const std::size_t haupt = zaehle(p, ";SP 1;PD ;PU ");
    const std::size_t neben = zaehle(p, ";SP 9;PD ;PU ");
    EXPECT_EQ(haupt, 7u);
    EXPECT_EQ(haupt + neben, 19u);
    const std::size_t ersterPfad = std::min(p.find(";SP 1;PD ;PU "), p.find(";SP 9;PD ;PU "));
    const std::size_t zeichen = p.find(";SA;SP 1");
    const std::string pfade = p.substr(ersterPfad, zeichen - ersterPfad);
    EXPECT_EQ(zaehle(pfade, ";PU ;SP "), 18u);
    EXPECT_EQ(pfade.substr(pfade.size() - 4), ";PU ");
    // No profile read yet: an empty title label and no profile polyline.
    EXPECT_NE(p.find(";PU 697 5540;LB\x03"), std::string::npos);
    EXPECT_EQ(p.find(";SP 4;LT "), std::string::npos);
    // The plot ends with the time label.
    EXPECT_EQ(p.substr(p.rfind(";PU ")), ";PU 1567 5900;LB Zeitanzeige :   Wahre Ortszeit (WOZ)\x03");

    // A vertical wall of declination -11.7: two strokes at its horizon crossings.
    s.EbeneBesonnt = 1;
    s.Par.Inklination = 90;
    const std::string w = rechtwinkligPlot(s);
    EXPECT_NE(w.find(";PU;SP 10;SP 10;PU 2678 900;PD 2678 5700;PU 7898 900;PD 7898 5700;SP 1;PD ;PU "),
              std::string::npos);
}

TEST(SonnenstandPlot, CartesianHourLinePens)
{
    struct Fall {
        bool mitZeitgl;
        int sonnenstand;
        char intervall;
        std::string stift;
        std::size_t linien;
    };
    // A line begins by choosing its pen and a pen-up; its first date, the pen still up, chooses
    // the pen of that date and moves.
    for (const Fall& f : {Fall{false, 0, '0', ";SP 2;PU ;SP 2;PU ", 25}, Fall{false, 0, '3', ";SP 2;PU ;SP 2;PU ", 25},
                          Fall{false, 0, '3', ";SP 3;PU ;SP 3;PU ", 75}, Fall{true, 0, '1', ";SP 3;PU ;SP 8;PU ", 25},
                          Fall{true, 1, '0', ";SP 7;PU ;SP 7;PU ", 25}, Fall{true, 2, '0', ";SP 2;PU ;SP 2;PU ", 25}}) {
        AppState s = diagrammZustand();
        s.Schalter.StundenIntervallSonst = f.intervall;
        s.Schalter.Sonnenstand = static_cast<std::uint8_t>(f.sonnenstand);
        s.StundenMitZeitgl = f.mitZeitgl ? 1 : 0;
        EXPECT_EQ(zaehle(rechtwinkligPlot(s), f.stift), f.linien) << f.stift << " " << f.intervall;
    }
}

TEST(SonnenstandPlot, PolarHeaderAndCircles)
{
    AppState s = diagrammZustand();
    const std::string p = kreisPlot(s);
    EXPECT_EQ(p.rfind(";IN;SS;SI 0.16, 0.24;SP 4", 0), 0u);
    EXPECT_NE(p.find(";PU 1160 7880;LBpolares Sonnenstandsdiagramm\x03"), std::string::npos);
    EXPECT_NE(p.find(";PU 7686 4000;CI 3200,5;"), std::string::npos);
    EXPECT_NE(p.find(";PU 7686 4000;PD;CI 3200,10;"), std::string::npos);
    // The altitude circles of 10 .. 80 degrees.
    for (int r : {2844, 2489, 2133, 1778, 1422, 1067, 711, 356})
        EXPECT_NE(p.find(";CI " + std::to_string(r) + ",5;"), std::string::npos) << r;
    EXPECT_EQ(p.find(";SP 11"), std::string::npos);
}

namespace {

// A label of a plot with its box: SI gives the letter width and height in centimetres (400
// plotter units each), and a letter takes one and a half widths of room.
struct PlotLabel {
    std::string text;
    double x0, y0, x1, y1;
};

struct PlotLage {
    std::vector<PlotLabel> labels;
    double kreisX = 0, kreisY = 0, kreisR = 0; // the largest circle
};

PlotLage plotLage(const std::string& hpgl)
{
    PlotLage lage;
    double breite = 0.16, hoehe = 0.24;
    for (const PlotBefehl& b : plotBefehle(hpgl)) {
        if (b.name == "LB") {
            const double n = static_cast<double>(b.text.size());
            lage.labels.push_back({b.text, b.an.x, b.an.y, b.an.x + n * 1.5 * breite * 400, b.an.y + hoehe * 400});
        } else if (b.name == "SI" && b.zahlen.size() >= 2) {
            breite = b.zahlen[0];
            hoehe = b.zahlen[1];
        } else if (b.name == "CI" && !b.zahlen.empty() && b.zahlen[0] > lage.kreisR) {
            lage = {std::move(lage.labels), b.an.x, b.an.y, b.zahlen[0]};
        }
    }
    return lage;
}

} // namespace

// Every word of the polar plot lies on its page of 290 x 200 mm, none over another, and the
// title and the legend rows under it stay clear of the outer scale ring, in both languages
// and with the longest place texts.
TEST(SonnenstandPlot, PolarLegendClearOfTheRingAndEveryWordOnThePlot)
{
    for (bool deutsch : {true, false}) {
        for (double breite : {47.25, -89.99}) {
            AppState s = diagrammZustand(breite, deutsch);
            s.Par.Laenge = -179.99;
            s.Par.Zonenmeridian = -180;
            const std::string plot = kreisPlot(s);
            EXPECT_EQ(befundText(pruefePlotLayout(plot, {0, 0, 11600, 8000})), "") << breite;
            const PlotLage lage = plotLage(plot);
            ASSERT_EQ(lage.kreisR, 3444);
            ASSERT_GE(lage.labels.size(), 4u);
            // The title comes first, the three legend rows last.
            EXPECT_EQ(lage.labels[0].text, utf8ToCp1252(holeText(s, 69)));
            for (std::size_t i : {std::size_t{0}, lage.labels.size() - 3, lage.labels.size() - 2, lage.labels.size() - 1}) {
                const PlotLabel& l = lage.labels[i];
                const double dx = std::max({l.x0 - lage.kreisX, 0.0, lage.kreisX - l.x1});
                const double dy = std::max({l.y0 - lage.kreisY, 0.0, lage.kreisY - l.y1});
                EXPECT_GT(std::hypot(dx, dy), lage.kreisR) << l.text;
            }
        }
    }
}

TEST(SonnenstandPlot, PlotPointsLieOnTheTextbookDayPaths)
{
    for (double breite : {47.25, -33.87}) {
        AppState s = diagrammZustand(breite);
        const std::string p = rechtwinkligPlot(s);
        const RechtwinkligPlotGeometrie g = rechtwinkligPlotGeometrie(100, 100, 2900, 2000, 1.0);
        // The main day paths run k = 1..7: declination entries 0, 6, .., 36.
        std::size_t von = 0;
        for (int k = 0; k < 7; ++k) {
            von = p.find(";SP 1;PD ;PU ", von);
            ASSERT_NE(von, std::string::npos);
            const std::size_t bis = p.find(";SP", von + 5);
            const double d = s.DeklTabelle[static_cast<std::size_t>(6 * k)];
            std::vector<std::pair<double, double>> bahn;
            // Near noon a high sun sweeps quickly through azimuth: sample it finely there.
            for (double H = -180; H <= 180; H += std::fabs(H) < 0.5 ? 0.0005 : 0.02) {
                const HimmelsPunkt q = lehrbuchSonne(breite, d, H);
                bahn.emplace_back(g.x0 + (q.a + 180) * g.xs, g.y0 + q.h * g.ys);
            }
            for (const PlotPunkt& q : plotPunkte(p.substr(von, bis - von)))
                EXPECT_LE(abstandZurKurve(q.x, q.y, bahn), 1.0) << breite << " path " << k << " (" << q.x << ", " << q.y << ")";
            von = bis;
        }
    }
}

TEST(SonnenstandPlot, EquationOfTimeFactorMirrorAndLongitude)
{
    AppState s = diagrammZustand();
    const std::string eins = eotPlot(s);
    EXPECT_EQ(eins.rfind("IN;SP 8;SI 0.14, 0.24;SP 8", 0), 0u);
    const ZeitgleichungPlotGeometrie g = zeitgleichungPlotGeometrie(100, 100, 2000, 1500, 1, false);
    const double achse = 4.0 * g.yA;

    const std::vector<PlotPunkt> k1 = kurve(eins);
    const std::vector<PlotPunkt> k2 = kurve(eotPlot(s, 2.0));
    const std::vector<PlotPunkt> km = kurve(eotPlot(s, 1.0, true));
    ASSERT_EQ(k1.size(), 123u); // 1, 4, .., 364 and 367 of the leap year 2024
    ASSERT_EQ(k2.size(), k1.size());
    ASSERT_EQ(km.size(), k1.size());
    for (std::size_t i = 0; i < k1.size(); ++i) {
        EXPECT_EQ(k2[i].x, k1[i].x);
        EXPECT_NEAR(k2[i].y - achse, 2 * (k1[i].y - achse), 1.0) << i;
        EXPECT_NEAR(km[i].y - achse, -(k1[i].y - achse), 1.0) << i;
    }
    const std::vector<std::string> plain = minutenLabels(eins);
    const std::vector<std::string> gespiegelt = minutenLabels(eotPlot(s, 1.0, true));
    EXPECT_EQ(plain, (std::vector<std::string>{"-17", "-15", "-10", "-5", "0", "5", "10", "15", "17"}));
    EXPECT_EQ(gespiegelt, (std::vector<std::string>{"17", "15", "10", "5", "0", "-5", "-10", "-15", "-17"}));

    // At -9.59 / -15 the labels carry the whole -22 minutes, the curve the remaining 0.09 degrees.
    const std::string lk = eotPlot(s, 1.0, false, true);
    EXPECT_EQ(minutenLabels(lk), (std::vector<std::string>{"-39", "-37", "-32", "-27", "-22", "-17", "-12", "-7", "-5"}));
    const std::vector<PlotPunkt> kl = kurve(lk);
    ASSERT_EQ(kl.size(), k1.size());
    for (std::size_t i = 0; i < k1.size(); ++i)
        EXPECT_NEAR(kl[i].y - k1[i].y, 4 * 0.09 * 4 * 30, 1.0) << i;
    EXPECT_NE(lk.find(utf8ToCp1252(";LB[für das Jahr 2024 und geogr. Länge -9.59 Grad]\x03")), std::string::npos);
}

TEST(SonnenstandPlot, EveryPlotIsReadByHp2xxAndItsDxfByEzdxf)
{
    const fs::path dir = fs::path(UMBRIN_BINARY_DIR) / "sonnenstand_plots";
    fs::create_directories(dir);
    AppState s = diagrammZustand();
    s.HorizontGeladen = 1;
    s.HorizontZeigen = 1;
    s.ProfilInfo = "Profil Testberg";
    for (std::size_t k = 0; k < s.Horizont.size(); ++k)
        s.Horizont[k].Hoehe = 5 + 4 * std::sin(k * 0.05);
    s.Par.Inklination = 60;
    s.EbeneBesonnt = 1;
    s.StundenMitZeitgl = 1;
    struct Plot {
        std::string name;
        std::string hpgl;
        std::string label;
    };
    const std::vector<Plot> plots = {
        {"rechtwinklig", rechtwinkligPlot(s), "Azi"},
        {"kreis", kreisPlot(s), "polares Sonnenstandsdiagramm"},
        {"eot", eotPlot(s), "Jan"},
        {"eot_gespiegelt", eotPlot(s, 1.0, true, true), "Feb"},
        {"eot_faktor20", eotPlot(s, 20.0), "Dez"},
    };
    for (const Plot& p : plots) {
        const fs::path plt = dir / (p.name + ".plt");
        std::ofstream(plt, std::ios::binary) << p.hpgl;
        EXPECT_EQ(hp2xxPruefung(plt), "") << p.name;
        std::string dxf;
        std::vector<std::string> info;
        const DxfErgebnis e = HpglTextNachDxfText(p.hpgl, p.name, dxf, DxfEinstellung{1, 40.0, true}, info);
        ASSERT_TRUE(e.gespeichert()) << p.name << ": " << e.meldung;
        const fs::path datei = dir / (p.name + ".dxf");
        std::ofstream(datei, std::ios::binary) << dxf;
        const umbrin::testing::EzdxfBericht b = umbrin::testing::pruefeMitEzdxf(datei, 0, 0, 0.5, {p.label});
        EXPECT_TRUE(b.ok || !b.verfuegbar) << p.name << ": " << b.ausgabe;
    }
    if (!umbrin::testing::ezdxfVerfuegbar())
        GTEST_SKIP() << umbrin::testing::kOhneEzdxf;
}

TEST(SonnenstandPlot, ExtremeLatitudesGiveBoundedPlotCoordinates)
{
    for (double breite : {0.0, 23.44, -23.44, 66.56, -66.56, 90.0, -90.0}) {
        for (bool mitZeitgl : {false, true}) {
            AppState s = diagrammZustand(breite);
            s.EbeneBesonnt = 1;
            s.StundenMitZeitgl = mitZeitgl ? 1 : 0;
            for (const std::string& p : {rechtwinkligPlot(s), kreisPlot(s)}) {
                EXPECT_EQ(p.find("nan"), std::string::npos) << breite;
                for (const PlotPunkt& q : plotPunkte(p))
                    ASSERT_TRUE(std::abs(q.x) < 20000 && std::abs(q.y) < 20000) << breite << " " << q.x << " " << q.y;
            }
        }
    }
}
