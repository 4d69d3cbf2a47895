// The horizon computed from elevation tiles, against values worked out independently:
// a single raised cell seen over flat ground near by (on a plane) and far away (on the
// sphere, with the textbook curvature drop d^2 / 2R), ground heights on a tilted plane in all
// four quadrants of the globe, the neighbour tiles a maximum distance reaches, and a run
// shared out over threads against one thread.
#include "support/AscKachel.h"
#include "support/ScriptedPrompt.h"
#include "tables/BerechneHorizont.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace umbrin;

namespace {

constexpr double R = 6372800.0;
constexpr double kRad = 3.14159265358979323846 / 180;

std::string kachelDatei(const std::string& name, const test::AscKachel& k)
{
    static const test::TestOrdner ordner("horizont", false); // removed when the program ends
    const auto p = ordner / name;
    EXPECT_TRUE(test::schreibeAscKachel(p, k));
    return p.string();
}

test::AscKachel grob(int sued, int west, std::function<int(double, double)> h = [](double, double) { return 0; })
{
    test::AscKachel k;
    k.sued = sued;
    k.west = west;
    k.zellenProGrad = 120;
    k.zellgroesseText = "0.00833333333333";
    k.zeilen = 120;
    k.hoehe = std::move(h);
    return k;
}

bool nahe(double a, double b) { return std::fabs(a - b) < 1e-7; }

// A copy of a tile file cut after its first `zeilen` lines (the header counts), as a
// download that broke off leaves it.
std::string abgeschnitten(const std::string& datei, int zeilen)
{
    std::ifstream ein(datei, std::ios::binary);
    const std::string kurz = datei + ".kurz.asc";
    std::ofstream aus(kurz, std::ios::binary);
    std::string z;
    for (int i = 0; i < zeilen && std::getline(ein, z); ++i)
        aus << z << '\n';
    return kurz;
}

bool irgendwo(const test::ScriptedPrompt& p, const char* teil)
{
    return std::any_of(p.asked.begin(), p.asked.end(), [&](const auto& f) { return f.text.find(teil) != std::string::npos; });
}

struct Lauf {
    test::ScriptedPrompt prompt;
    std::deque<std::string> kacheln;
    HorizontDienste dienste;
    Lauf()
    {
        dienste.prompt = &prompt;
        dienste.waehleKachel = [this] {
            if (kacheln.empty())
                return std::string();
            std::string k = kacheln.front();
            kacheln.pop_front();
            return k;
        };
    }
};

HorizontEingabe eingabe(double breite, double laengeOst, int maxKm, unsigned threads = 0)
{
    HorizontEingabe e;
    e.Breite = breite;
    e.Laenge = -laengeOst;
    e.MaxAbstandKm = maxKm;
    e.threads = threads;
    return e;
}

} // namespace

TEST(BerechneHorizont, NearCellTwoKilometresSouthRisesAtanOfAQuarter)
{
    // Flat 3" tile at 0 m with one 500 m cell at 47.5 / 9.5; the centre 2000 m north of it.
    test::AscKachel k;
    k.hoehe = [](double b, double l) { return nahe(b, 47.5) && nahe(l, 9.5) ? 500 : 0; };
    const std::string datei = kachelDatei("nah.asc", k);
    Lauf lauf;
    const HorizontErgebnis r = BerechneHorizont(eingabe(47.5 + 2000 / R / kRad, 9.5, 30), datei, lauf.dienste);
    ASSERT_FALSE(r.AbbruchHorizont);
    EXPECT_EQ(r.Bodenhoehe, 0);
    const Horizontpunkt& sued = r.profil[360];
    EXPECT_EQ(sued.Azimut, 0.0);
    EXPECT_NEAR(sued.Hoehe, std::atan(500.0 / 2000.0) / kRad, 0.005);
    EXPECT_NEAR(sued.Abstand, 2000.0, 0.5);
    EXPECT_NEAR(sued.Objekthoehe, 500.0, 0.5);
    for (int b = 0; b < kHorizontPunkte; ++b) {
        if (std::abs(b - 360) <= 10)
            continue;
        const Horizontpunkt& p = r.profil[static_cast<std::size_t>(b)];
        EXPECT_EQ(p.Azimut, b / 2.0 - 180);
        EXPECT_TRUE(p.Hoehe == 0 && p.Abstand == 0 && p.Objekthoehe == -1.3) << b;
    }
}

TEST(BerechneHorizont, StraightWallsNearByRiseAsSeenAlongEveryRay)
{
    // A 300 m wall along one grid row (north, south) or column (east, west) about 3 km
    // away over flat ground: a ray at angle a from the wall's normal meets it at D / cos a,
    // so its elevation is atan(300 cos a / D), for every bin within 25 degrees of the normal.
    const double phi = 47.5, lambda = 9.5, zelle = 1.0 / 1200;
    struct Wand {
        const char* name;
        double dBreite, dLaenge; // offset of the wall's row or column, degrees
        double normale;          // azimuth from north of the wall's normal
    } waende[] = {
        {"nord", 32 * zelle, 0, 0}, {"sued", -32 * zelle, 0, 180}, {"ost", 0, 48 * zelle, 90}, {"west", 0, -48 * zelle, 270}};
    for (const Wand& w : waende) {
        test::AscKachel k;
        k.hoehe = [&](double b, double l) {
            return (w.dBreite != 0 && nahe(b, phi + w.dBreite)) || (w.dLaenge != 0 && nahe(l, lambda + w.dLaenge)) ? 300 : 0;
        };
        const std::string datei = kachelDatei(std::string("wand_") + w.name + ".asc", k);
        Lauf lauf;
        const HorizontErgebnis r = BerechneHorizont(eingabe(phi, lambda, 10), datei, lauf.dienste);
        ASSERT_FALSE(r.AbbruchHorizont);
        const double D = std::fabs(w.dBreite * kRad * R + w.dLaenge * kRad * std::cos(phi * kRad) * R);
        for (int b = -50; b <= 50; ++b) {
            const double a = b / 2.0;
            const int bin = ((static_cast<int>(w.normale * 2) + b) % 720 + 720) % 720;
            const Horizontpunkt& p = r.profil[static_cast<std::size_t>(bin)];
            EXPECT_NEAR(p.Hoehe, std::atan(300 * std::cos(a * kRad) / D) / kRad, 0.01) << w.name << " " << a;
            EXPECT_NEAR(p.Abstand, D / std::cos(a * kRad), 1.0) << w.name << " " << a;
        }
    }
}

TEST(BerechneHorizont, FarCellsThirtyKilometresAwaySinkByTheEarthsCurvature)
{
    // A 500 m cell about 30 km away (far field) in each main direction. Elevation by the
    // textbook approximation (h - H) / d - d / 2R: 0.820 degrees due east, against 0.955
    // over a flat earth. The cell due north lies on the centre's own meridian. A 60 m cell
    // there lies below the observer's horizontal plane (the drop is 70 m) and raises nothing.
    const double phi = 47.5, lambda = 9.45, zelle = 1.0 / 1200;
    struct Fall {
        const char* name;
        int zeilen, spalten; // offset of the cell in rows north and columns east
        int bin;
        int hoehe;
    } faelle[] = {{"ost", 0, 479, 180, 500},  {"west", 0, -479, 540, 500}, {"nord", 324, 0, 0, 500},
                  {"sued", -324, 0, 360, 500}, {"tief", 0, 479, 180, 60}};
    for (const Fall& f : faelle) {
        const double zielB = phi + f.zeilen * zelle, zielL = lambda + f.spalten * zelle;
        test::AscKachel k;
        k.hoehe = [&](double b, double l) { return nahe(b, zielB) && nahe(l, zielL) ? f.hoehe : 0; };
        const std::string datei = kachelDatei(std::string("fern_") + f.name + ".asc", k);
        Lauf lauf;
        const HorizontErgebnis r = BerechneHorizont(eingabe(phi, lambda, 33), datei, lauf.dienste);
        ASSERT_FALSE(r.AbbruchHorizont);
        const double d = f.zeilen ? std::abs(f.zeilen) * zelle * kRad * R
                                  : std::abs(f.spalten) * zelle * kRad * std::cos(phi * kRad) * R;
        const double erwartet = (500.0 / d - d / (2 * R)) / kRad;
        const Horizontpunkt& p = r.profil[static_cast<std::size_t>(f.bin)];
        int erhoben = 0;
        for (const Horizontpunkt& q : r.profil)
            erhoben += q.Hoehe > 0;
        if (f.hoehe < 500) {
            EXPECT_EQ(erhoben, 0);
            continue;
        }
        EXPECT_EQ(erhoben, 1) << f.name;
        EXPECT_EQ(p.Azimut, f.bin / 2.0 - 180) << f.name;
        EXPECT_NEAR(p.Hoehe, erwartet, 0.001) << f.name;
        EXPECT_NEAR(p.Abstand, d, 1.0) << f.name;
        EXPECT_EQ(p.Objekthoehe, 500.0) << f.name;
        if (f.spalten > 0) {
            EXPECT_NEAR(p.Hoehe, 0.820, 0.002);
        }
    }
}

TEST(BerechneHorizont, GroundHeightFollowsATiltedPlaneInAllFourQuadrants)
{
    // Heights 12000 m per degree of latitude and 6000 per degree of longitude from the
    // tile's corner (100 m and 50 m per cell): a centre taken one cell off shows at once.
    for (int nord : {1, -1})
        for (int ost : {1, -1}) {
            const int sued = nord > 0 ? 47 : -48, west = ost > 0 ? 9 : -10;
            auto ebene = [sued, west](double b, double l) {
                return static_cast<double>(12000 * (b - sued) + 6000 * (l - west));
            };
            const std::string datei = kachelDatei("ebene" + std::to_string(nord) + std::to_string(ost) + ".asc",
                                                  grob(sued, west, [&](double b, double l) {
                                                      return static_cast<int>(std::lround(ebene(b, l)));
                                                  }));
            for (auto [db, dl] : {std::pair{0.0, 0.0}, {0.0031, 0.0047}, {-0.0012, -0.0029}}) {
                const double b = nord * 47.5 + db, l = ost * 9.5 + dl;
                Lauf lauf;
                Horizontrechnung r(eingabe(b, l, 5), lauf.dienste);
                ASSERT_TRUE(r.beginne(datei));
                EXPECT_NEAR(r.Bodenhoehe(), ebene(b, l), 1.0) << b << " " << l;
            }
        }
}

TEST(BerechneHorizont, ACentreOnTheCoastTakesItsGroundFromTheOneRowWithHeights)
{
    // Land rising 6000 m per degree eastwards, sea (no data) north or south of 47.504: of the
    // rows at 47.5 and 47.5083 round the centre only one has heights, and its height at the
    // centre's longitude is the ground, and the profile is computed from it.
    for (int seeImNorden : {0, 1}) {
        const std::string datei = kachelDatei("kueste" + std::to_string(seeImNorden) + ".asc",
                                              grob(47, 9, [seeImNorden](double b, double l) {
                                                  return (b > 47.504) == (seeImNorden == 1) ? -9999
                                                                                           : static_cast<int>(std::lround(6000 * (l - 9)));
                                              }));
        Lauf lauf;
        const HorizontErgebnis r = BerechneHorizont(eingabe(47.5031, 9.5047, 5), datei, lauf.dienste);
        EXPECT_FALSE(r.AbbruchHorizont) << seeImNorden;
        EXPECT_NEAR(r.Bodenhoehe, 6000 * 0.5047, 1.0) << seeImNorden;
    }
}

TEST(BerechneHorizont, TheMaximumDistanceDecidesWhichNeighbourTilesAreMissing)
{
    const std::string datei = kachelDatei("mitte.asc", grob(47, 9));
    struct Fall {
        int km;
        std::vector<int> fehlende;
    } faelle[] = {{60, {1, 2, 3, 4, 12, 14, 23, 34}}, {30, {}}};
    for (const Fall& f : faelle) {
        Lauf lauf;
        Horizontrechnung r(eingabe(47.5, 9.5, f.km), lauf.dienste);
        ASSERT_TRUE(r.beginne(datei));
        EXPECT_EQ(r.fehlende(), f.fehlende) << f.km;
        ASSERT_FALSE(lauf.prompt.asked.empty());
        EXPECT_NE(lauf.prompt.asked[0].text.find("Horizontprofil im Punkt:   47.50000000/   9.50000000"),
                  std::string::npos)
            << lauf.prompt.asked[0].text;
    }
}

TEST(BerechneHorizont, NeighbourTilesArePlacedRelativeToTheCentresTile)
{
    // East, then north: north must stay north. A 1500 m cell about 57 km north then
    // raises the northern horizon (through the window: 30" cells make it 2 degrees high). A tile out of place and one of another cell size are
    // refused; No ends the questions.
    const double nordZelle = 5762.0 / 120; // in the tile north
    const std::string mitte = kachelDatei("m.asc", grob(47, 9));
    const std::string ost = kachelDatei("o.asc", grob(47, 10));
    const std::string nord = kachelDatei("n.asc", grob(48, 9, [&](double b, double l) {
        return nahe(b, nordZelle) && nahe(l, 9.5) ? 1500 : 0;
    }));
    const std::string fern = kachelDatei("f.asc", grob(40, 9));
    test::AscKachel fein;
    fein.sued = 46;
    fein.west = 9;
    const std::string anders = kachelDatei("s3.asc", fein);

    Lauf lauf;
    lauf.kacheln = {ost, nord, fern, anders};
    lauf.prompt.answers = {PromptAnswer::Ok, PromptAnswer::Yes, PromptAnswer::Yes, PromptAnswer::Yes,
                           PromptAnswer::Ok, PromptAnswer::Yes, PromptAnswer::Ok, PromptAnswer::No};
    const HorizontErgebnis r = BerechneHorizont(eingabe(47.5, 9.5, 60), mitte, lauf.dienste);
    ASSERT_FALSE(r.AbbruchHorizont);
    std::vector<std::string> texte;
    for (const auto& f : lauf.prompt.asked)
        texte.push_back(f.text);
    ASSERT_EQ(texte.size(), 8u);
    EXPECT_NE(texte[1].find("im Nord, Ost, Süd, West, und Nord-West, und Nord-Ost"), std::string::npos) << texte[1];
    EXPECT_NE(texte[3].find("im Süd, West, und Nord-West"), std::string::npos) << texte[3];
    EXPECT_NE(texte[4].find("Falsche Datendatei!"), std::string::npos);
    EXPECT_NE(texte[6].find("gleichartiger Tabellentyp"), std::string::npos);
    EXPECT_GT(r.profil[0].Hoehe, 1.0);
    EXPECT_NEAR(r.profil[0].Abstand, (nordZelle - 47.5) * kRad * R, 1.0);
    EXPECT_NEAR(r.profil[0].Objekthoehe, 1500, 0.5);
}

TEST(BerechneHorizont, RefusedTilesAndPlacesSaveNothing)
{
    const std::string datei = kachelDatei("r.asc", grob(47, 9));
    // A folder and a pipe under a tile's name are there, but are no tile.
    const std::string ordner = datei + ".ordner.asc";
    const std::string rohr = datei + ".rohr.asc";
    std::filesystem::create_directory(ordner);
    ASSERT_EQ(::mkfifo(rohr.c_str(), 0600), 0);
    struct Fall {
        std::string datei;
        double breite, laenge;
        const char* meldung;
    } faelle[] = {
        {datei + ".fehlt", 47.5, 9.5, " : Datei nicht gefunden!"},
        {ordner, 47.5, 9.5, "Der Name ist der eines Ordners"},
        {rohr, 47.5, 9.5, "Der Name ist der einer Pipe"},
        {datei, 46.5, 9.5, "Zentralpunkt liegt nicht im Bereich"},
        {datei, 47.5, 10.0, "Zentralpunkt liegt nicht im Bereich"},
        {datei, 85.5, 9.5, "85 Grad"},
        {kachelDatei("leer.asc", grob(47, 9, [](double, double) { return -9999; })), 47.5, 9.5, "leer.asc:\r\nAm Zentralpunkt"},
        {kachelDatei("tief.asc", grob(47, 9, [](double, double) { return -1000000000; })), 47.5, 9.5, "tief.asc:\r\nAm Zentralpunkt"},
    };
    for (const Fall& f : faelle) {
        Lauf lauf;
        const HorizontErgebnis r = BerechneHorizont(eingabe(f.breite, f.laenge, 30), f.datei, lauf.dienste);
        EXPECT_TRUE(r.AbbruchHorizont);
        ASSERT_EQ(lauf.prompt.asked.size(), 1u);
        EXPECT_NE(lauf.prompt.asked[0].text.find(f.meldung), std::string::npos) << lauf.prompt.asked[0].text;
    }
    std::filesystem::remove(ordner);
    std::filesystem::remove(rohr);
}

TEST(BerechneHorizont, ThreadsGiveTheSameBitsAsOneAndCancelStopsTheRun)
{
    // Rough terrain on a 3" tile; every run sees the same cells in the same row order.
    test::AscKachel k;
    k.hoehe = [](double b, double l) {
        return static_cast<int>(800 + 600 * std::sin(b * 97.0) * std::cos(l * 61.0) + 300 * std::sin(b * l * 13.0));
    };
    const std::string datei = kachelDatei("rauh.asc", k);
    Horizontprofil eins{};
    for (unsigned threads : {1u, 3u, 8u}) {
        Lauf lauf;
        const HorizontErgebnis r = BerechneHorizont(eingabe(47.41, 9.63, 25, threads), datei, lauf.dienste);
        ASSERT_FALSE(r.AbbruchHorizont);
        if (threads == 1) {
            eins = r.profil;
            int sichtbar = 0;
            for (const auto& p : eins)
                sichtbar += p.Hoehe > 0;
            EXPECT_GT(sichtbar, 600);
        } else {
            EXPECT_EQ(std::memcmp(eins.data(), r.profil.data(), sizeof eins), 0) << threads;
        }
    }

    std::atomic<bool> abbruch{false};
    Lauf lauf;
    lauf.dienste.abbruch = &abbruch;
    int meldungen = 0;
    lauf.dienste.fortschritt = [&](int) { abbruch = true; ++meldungen; };
    const HorizontErgebnis r = BerechneHorizont(eingabe(47.41, 9.63, 25, 2), datei, lauf.dienste);
    EXPECT_TRUE(r.abgebrochen);
    EXPECT_TRUE(r.AbbruchHorizont);
    EXPECT_EQ(meldungen, 1);
}

TEST(BerechneHorizont, AFirstTileThatEndsEarlyIsRefusedNotReportedAsDone)
{
    // The centre at 47.5 needs rows down to 47.41 (10 km); the file breaks off at 47.42.
    test::AscKachel k;
    k.hoehe = [](double b, double) { return static_cast<int>(1000 * (b - 47)); };
    const std::string datei = abgeschnitten(kachelDatei("ganz.asc", k), 7 + 700);
    for (int sp : {1, 2}) {
        Lauf lauf;
        HorizontEingabe e = eingabe(47.5, 9.5, 10);
        e.sprachspalte = sp;
        const HorizontErgebnis r = BerechneHorizont(e, datei, lauf.dienste);
        EXPECT_TRUE(r.AbbruchHorizont);
        EXPECT_TRUE(irgendwo(lauf.prompt, sp == 1 ? "Die Datei endet nach 700 von 1200 Datenzeilen."
                                                  : "The file ends after 700 of 1200 data rows."));
        EXPECT_TRUE(irgendwo(lauf.prompt, sp == 1 ? "nicht berechnet" : "not calculated"));
        EXPECT_FALSE(irgendwo(lauf.prompt, "Horizontprofil erstellt") || irgendwo(lauf.prompt, "Calculation done"));
    }
}

// A first tile that grows past the 512 MB a tile may have while the profile is computed is
// refused for its size, not taken for one that ends early: cut after 300 of its 1201 rows, it
// grows (sparse) by lines of 2 MB of zero bytes, all of them rows the profile needs.
TEST(BerechneHorizont, AFirstTileThatGrowsPastItsLimitIsRefusedForItsSize)
{
    test::AscKachel k;
    k.hoehe = [](double b, double) { return static_cast<int>(1000 * b) - 46000; }; // 1.8 MB read in 1 MB steps
    const std::string datei = abgeschnitten(kachelDatei("waechst.asc", k), 7 + 300);
    Lauf lauf;
    bool gewachsen = false;
    lauf.dienste.fortschritt = [&](int) {
        if (std::exchange(gewachsen, true))
            return;
        const int h = ::open(datei.c_str(), O_WRONLY);
        for (off_t stelle = 3 << 20; stelle < (600 << 20); stelle += 2 << 20)
            EXPECT_EQ(::pwrite(h, "\n", 1, stelle), 1);
        ::close(h);
    };
    HorizontEingabe e = eingabe(47.99, 9.5, 60, 1);
    e.sprachspalte = 2;
    const HorizontErgebnis r = BerechneHorizont(e, datei, lauf.dienste);
    std::filesystem::remove(datei);
    EXPECT_TRUE(gewachsen);
    EXPECT_TRUE(r.AbbruchHorizont);
    EXPECT_TRUE(irgendwo(lauf.prompt, "bytes (over 512 MB): too large for an elevation tile"));
    EXPECT_FALSE(irgendwo(lauf.prompt, "The file ends after"));
}

TEST(BerechneHorizont, ANeighbourThatEndsEarlyAddsNothingAndStaysMissing)
{
    // The northern tile holds a 1500 m cell 59 km north of the centre (row 115 of 120), but
    // breaks off after row 116, before rows within 60 km that the profile needs.
    const std::string mitte = kachelDatei("m2.asc", grob(47, 9));
    const std::string nord = abgeschnitten(kachelDatei("n2.asc", grob(48, 9, [](double b, double l) {
                                               return nahe(b, 49 - 116.0 / 120) && nahe(l, 9.5) ? 1500 : 0;
                                           })),
                                           6 + 117);
    Lauf lauf;
    lauf.kacheln = {nord};
    lauf.prompt.answers = {PromptAnswer::Ok, PromptAnswer::Yes, PromptAnswer::Ok, PromptAnswer::No};
    const HorizontErgebnis r = BerechneHorizont(eingabe(47.5, 9.5, 60), mitte, lauf.dienste);
    ASSERT_FALSE(r.AbbruchHorizont);
    ASSERT_EQ(lauf.prompt.asked.size(), 4u);
    EXPECT_NE(lauf.prompt.asked[2].text.find("Die Kachel wird nicht übernommen."), std::string::npos);
    EXPECT_NE(lauf.prompt.asked[3].text.find("im Nord,"), std::string::npos) << lauf.prompt.asked[3].text;
    for (const Horizontpunkt& p : r.profil)
        EXPECT_TRUE(p.Hoehe == 0 && p.Abstand == 0 && p.Objekthoehe == -1.3) << p.Azimut;
}

TEST(BerechneHorizont, PlatformHeightLowersAWallAsWorkedByHand)
{
    // Flat ground at 400 m, a 700 m wall along the grid row 32 cells (1/1200 degree each)
    // north of the centre: D = 32 / 1200 degrees of the meridian = 2966.0 m. From the ground
    // the wall rises 300 m over D, from a 100 m platform 200 m. Bin by bin the ray meets the
    // wall at D / cos a: elevation atan((700 - 400 - P) cos a / D). Flat ground elsewhere
    // (interpolated by cubics near by) gives no object in any other direction.
    const double phi = 47.5, lambda = 9.5, zelle = 1.0 / 1200;
    test::AscKachel k;
    k.hoehe = [&](double b, double) { return nahe(b, phi + 32 * zelle) ? 700 : 400; };
    const std::string datei = kachelDatei("podest.asc", k);
    const double D = 32 * zelle * kRad * R;
    ASSERT_NEAR(D, 2966.0, 0.1);
    struct Fall {
        int podest;
        double nordGrad; // atan((300 - P) / D), worked out beforehand
    } faelle[] = {{0, 5.7755}, {100, 3.8576}};
    for (const Fall& f : faelle) {
        Lauf lauf;
        HorizontEingabe e = eingabe(phi, lambda, 10);
        e.Podesthoehe = f.podest;
        const HorizontErgebnis r = BerechneHorizont(e, datei, lauf.dienste);
        ASSERT_FALSE(r.AbbruchHorizont);
        EXPECT_EQ(r.Bodenhoehe, 400);
        EXPECT_NEAR(r.profil[0].Hoehe, f.nordGrad, 0.01) << f.podest;
        for (int b = -40; b <= 40; ++b) {
            const double a = b / 2.0;
            const Horizontpunkt& p = r.profil[static_cast<std::size_t>((b + 720) % 720)];
            EXPECT_NEAR(p.Hoehe, std::atan((300 - f.podest) * std::cos(a * kRad) / D) / kRad, 0.01) << f.podest << " " << a;
            EXPECT_NEAR(p.Objekthoehe, 700, 0.5);
        }
        for (int b = 200; b <= 520; ++b) {
            const Horizontpunkt& p = r.profil[static_cast<std::size_t>(b)];
            EXPECT_TRUE(p.Hoehe == 0 && p.Abstand == 0 && p.Objekthoehe == -1.3) << f.podest << " " << b;
        }
    }
}

TEST(BerechneHorizont, ANeighbourOfAnotherCellSizeIsRefusedInTheUsersLanguage)
{
    const std::string mitte = kachelDatei("m3.asc", grob(47, 9));
    test::AscKachel fein; // 3" cells south of the 30" tile
    fein.sued = 46;
    const std::string anders = kachelDatei("s3e.asc", fein);
    for (int sp : {1, 2}) {
        Lauf lauf;
        lauf.kacheln = {anders};
        lauf.prompt.answers = {PromptAnswer::Ok, PromptAnswer::Yes, PromptAnswer::Ok, PromptAnswer::No};
        HorizontEingabe e = eingabe(47.5, 9.5, 60);
        e.sprachspalte = sp;
        BerechneHorizont(e, mitte, lauf.dienste);
        ASSERT_EQ(lauf.prompt.asked.size(), 4u);
        EXPECT_NE(lauf.prompt.asked[2].text.find(sp == 1 ? "Es muss ein gleichartiger Tabellentyp nachgeladne werden"
                                                         : "A table of the same type (the same cell size) has to be loaded!"),
                  std::string::npos)
            << lauf.prompt.asked[2].text;
        EXPECT_EQ(lauf.prompt.asked[2].title, PromptTitle::Fehler);
    }
}
