// Horizon-profile files: what the writer puts in the header, that a written file reads back
// point for point, and that a missing or faulty file changes nothing.
#include "support/ScriptedPrompt.h"
#include "tables/Arbeitsmatrix.h"
#include "tables/Profildatei.h"

#include "core/SafeSave.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace umbrin;

namespace {

Horizontprofil beispielProfil()
{
    Horizontprofil p = leeresHorizontprofil();
    for (int k = 0; k < kHorizontPunkte; ++k) {
        auto& q = p[static_cast<std::size_t>(k)];
        q.Hoehe = 0.25 * (k % 37) + 0.0001 * k;
        q.Abstand = 180.0 + 97.25 * k;
        q.Objekthoehe = 400.0 + k;
    }
    return p;
}

std::filesystem::path tempDatei(const char* name)
{
    static const test::TestOrdner ordner("profil", false); // removed when the program ends
    return ordner / name;
}

std::string schreibeText(const std::filesystem::path& p, const std::string& text)
{
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
}

} // namespace

TEST(Profildatei, HeaderLinesAreWrittenAsTheFileFormatSays)
{
    const ProfilKopf kopf{47.5, 9.5, 433, 12, 180};
    const auto de = profilZeilen(beispielProfil(), kopf, 1);
    ASSERT_EQ(de.size(), 723u);
    EXPECT_EQ(de[0], "47,5000000000\t  Latitude (where South is negative)");
    EXPECT_EQ(de[1], "9,5000000000\t Longitude (where  West is negative)");
    EXPECT_EQ(de[2], "720\t NPoints (Azimut, Elevation, Distanz);  Beobachter-Standort  Höhe=433 + 12;  "
                     "Mindestabstand der Objekte=180");
    EXPECT_EQ(de[3], "-180,00 \t 0,0000 \t 180,00 \t 400,00 \t ");
    const auto en = profilZeilen(beispielProfil(), {-33.123456789012345, -70.25, -2, 0, 200}, 2);
    EXPECT_EQ(en[0], "-33,1234567890\t  Latitude (where South is negative)");
    EXPECT_EQ(en[2], "720\t NPoints (Azimut, Elevation, Distanz);  Altitude of Central Point=-2 + 0;  "
                     "Minimal Object Distance=200");
}

TEST(Profildatei, NumbersKeepTheirSignificantDigitsAndDecimals)
{
    struct Fall {
        long double x;
        int stellen, dezimalen;
        const char* text;
    } faelle[] = {
        {47.5L, 14, 10, "47,5000000000"},      {-179.5L, 7, 2, "-179,50"},  {14.03624346L, 9, 4, "14,0362"},
        {123456.78L, 7, 2, "123456,80"},       {60000.0L, 7, 2, "60000,00"}, {-1.3L, 7, 2, "-1,30"},
        {1234.123456789012L, 14, 10, "1234,1234567890"}, {0.0L, 9, 4, "0,0000"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(profilZahl(f.x, f.stellen, f.dezimalen), f.text) << static_cast<double>(f.x);
}

TEST(Profildatei, WrittenFileReadsBackWithTheLongitudeTurnedToEastNegative)
{
    const Horizontprofil p = beispielProfil();
    const auto datei = tempDatei("zurueck.ele");
    std::string fehler;
    ASSERT_TRUE(speichereHorizontprofil(datei, profilZeilen(p, {47.5, 9.5, 433, 0, 200}, 1), fehler)) << fehler;

    AppState s;
    test::ScriptedPrompt prompt;
    double breite = 0, laenge = 0;
    ASSERT_TRUE(liesHorizontprofil(s, prompt, datei.string(), breite, laenge));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_DOUBLE_EQ(breite, 47.5);
    EXPECT_DOUBLE_EQ(laenge, -9.5);
    EXPECT_EQ(s.HorizontGeladen, 1);
    EXPECT_EQ(s.ProfilInfo.rfind("  Beobachter-Standort  Höhe=433 + 0;", 0), 0u) << s.ProfilInfo;
    for (int k = 0; k < kHorizontPunkte; ++k) {
        const auto& a = p[static_cast<std::size_t>(k)];
        const auto& b = s.Horizont[static_cast<std::size_t>(k)];
        EXPECT_DOUBLE_EQ(b.Azimut, a.Azimut);
        EXPECT_NEAR(b.Hoehe, a.Hoehe, 5e-5);
        EXPECT_NEAR(b.Abstand, a.Abstand, 5e-3);
        EXPECT_NEAR(b.Objekthoehe, a.Objekthoehe, 5e-3);
    }
}

TEST(Profildatei, PointsBeginAtTheMinus180LineAndFewerThan720AreRefused)
{
    const auto zeilen = profilZeilen(beispielProfil(), {10, 20, 0, 0, 200}, 1);
    auto text = [&](std::size_t von, std::size_t bis, const std::string& einschub) {
        std::string t = zeilen[0] + "\r\n" + zeilen[1] + "\r\n" + zeilen[2] + "\r\n" + einschub;
        for (std::size_t i = von; i < bis; ++i)
            t += zeilen[i] + "\n";
        return t;
    };
    // Lines before the first -180 are not stored; lines after the 720th are ignored.
    const Profillesung l = leseHorizontprofilText(text(3, 723, "-179,50 \t 88 \t 1 \t 1 \t \r\n") + "1 \t x\n", "a.ele", 1);
    ASSERT_TRUE(l.ok) << l.fehler;
    EXPECT_EQ(l.profil[0].Azimut, -180.0);
    EXPECT_EQ(l.profil[0].Hoehe, 0.0);
    EXPECT_EQ(l.profil[719].Azimut, 179.5);

    struct Fall {
        std::string text;
        const char* erwartet;
    } faelle[] = {
        {text(3, 722, ""), "nur 719 von 720"},
        {text(4, 723, ""), "nur 0 von 720"},                    // no -180 line at all
        {text(3, 10, "") + "-176,00 \t abc \t 1 \t\n", "Zeile 11"},
        {text(3, 10, "") + "-176,00 \t 1 \n", "Zeile 11"},
        {text(3, 10, "") + "ohne Tabulator\n", "Zeile 11"},
        {text(3, 10, "") + "-176,00 \t 95 \t 1 \t\n", "Zeile 11: der Höhenwinkel"},
        {text(3, 10, "") + "-176,00 \t -90,01 \t 1 \t\n", "Zeile 11: der Höhenwinkel"},
        {text(3, 10, "") + "-176,00 \t 1e308 \t 1 \t\n", "Zeile 11: der Höhenwinkel"},
        {text(3, 10, "") + "-176,00 \t 5 \t 1e999 \t\n", "Zeile 11"},
        {text(3, 10, "") + "500,00 \t 5 \t 1 \t\n", "Zeile 11: der Azimut"},
        {text(3, 10, "") + "-176,00 \t 5 \t -1 \t\n", "Zeile 11: der Abstand"},
        {text(3, 10, "") + "-176,00 \t 5 \t 100 \t 1e308 \t\n", "Zeile 11: die Objekthöhe"},
        {"47,5\t x\r\n", "Zeile 2"},
        {"x\t\r\n1\t\r\n720\t\r\n", "Zeile 1"},
        {"1\t\r\n1\t\r\n-1\t\r\n", "Zeile 3"},
        {"1\t\r\n1\t\r\n2e9\t\r\n", "Zeile 3"},
    };
    for (const Fall& f : faelle) {
        const Profillesung r = leseHorizontprofilText(f.text, "b.ele", 1);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.fehler.find(f.erwartet), std::string::npos) << r.fehler;
        EXPECT_NE(r.fehler.find("b.ele"), std::string::npos);
    }
}

TEST(Profildatei, MissingOrFaultyFilesChangeNothing)
{
    const auto faul = tempDatei("faul.ele");
    schreibeText(faul, "47,5\t x\r\n9,5\t x\r\n720\t x\r\n-180,00 \t 1,0 \t 200 \t 1 \t\r\n");
    for (PromptAnswer antwort : {PromptAnswer::Yes, PromptAnswer::No}) {
        for (const std::string& datei : {tempDatei("fehlt.ele").string(), faul.string()}) {
            AppState s;
            s.Horizont[5].Hoehe = 7.0;
            s.ProfilInfo = "alt";
            test::ScriptedPrompt prompt;
            prompt.answers = {antwort};
            double breite = 1, laenge = 2;
            EXPECT_FALSE(liesHorizontprofil(s, prompt, datei, breite, laenge));
            EXPECT_EQ(s.Horizont[5].Hoehe, 7.0);
            EXPECT_EQ(s.ProfilInfo, "alt");
            EXPECT_EQ(s.HorizontGeladen, 0);
            EXPECT_EQ(breite, 1);
            ASSERT_EQ(prompt.asked.size(), 1u);
            EXPECT_NE(prompt.asked[0].text.find(datei), std::string::npos);
        }
    }
}

TEST(Profildatei, AnotherPlacesProfileMovesTheParameterRecord)
{
    AppState s;
    test::ScriptedPrompt prompt;
    EXPECT_FALSE(uebernimmProfilOrt(s, prompt, s.Par.Breite + 1e-10, s.Par.Laenge));
    EXPECT_TRUE(prompt.asked.empty());
    EXPECT_TRUE(uebernimmProfilOrt(s, prompt, 46.0, -8.0));
    EXPECT_EQ(s.Par.Breite, 46.0);
    EXPECT_EQ(s.Par.Laenge, -8.0);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "Geogr. Breite und Länge des Horizontprofils wird mit übernommen!");
}

TEST(Arbeitsmatrix, AccessOutsideTheShapeReadsNoDataAndWritesNothing)
{
    Arbeitsmatrix m;
    EXPECT_EQ(m.zeilen(), 1);
    m.neueIntMatrix(3, 4);
    m.setzeInt(2, 3, 42);
    for (auto [z, sp] : {std::pair{-1, 0}, {3, 0}, {0, 4}, {0, -1}})
        m.setzeInt(z, sp, 7);
    EXPECT_EQ(m.holeInt(2, 3), 42);
    EXPECT_EQ(m.holeInt(0, 0), Arbeitsmatrix::kKeinWert);
    EXPECT_EQ(m.holeInt(3, 0), Arbeitsmatrix::kKeinWert);
    EXPECT_EQ(m.holeInt(0, 4), Arbeitsmatrix::kKeinWert);
    EXPECT_EQ(m.GitterLaengen.size(), 4u);
    m.freiIntMatrix();
    EXPECT_EQ(m.zeilen() * m.spalten(), 1);
}
