#include "drawing/KartenWerkzeuge.h"

#include "core/SafeSave.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

using Zeilen = std::vector<std::string>;

class ScriptedPrompt : public UserPrompt {
public:
    explicit ScriptedPrompt(PromptAnswer answer) : answer_(answer) {}
    PromptAnswer ask(PromptTitle title, PromptIcon icon, const std::string& text, PromptButtons buttons) override
    {
        titles.push_back(title);
        icons.push_back(icon);
        texts.push_back(text);
        this->buttons.push_back(buttons);
        return answer_;
    }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }

    std::vector<PromptTitle> titles;
    std::vector<PromptIcon> icons;
    std::vector<std::string> texts;
    std::vector<PromptButtons> buttons;

private:
    PromptAnswer answer_;
};

fs::path frischerOrdner(const std::string& name)
{
    const auto ordner = fs::path(UMBRIN_BINARY_DIR) / "test-output" / name;
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    return ordner;
}

void schreibe(const fs::path& datei, const std::string& bytes)
{
    std::ofstream out(datei, std::ios::binary);
    out << bytes;
}

std::string lies(const fs::path& datei)
{
    std::string bytes, error;
    EXPECT_TRUE(readFileBytes(datei, bytes, error)) << error;
    return bytes;
}

} // namespace

TEST(KartenWerkzeuge, OutputNamesComeFromTheFileNameOnly)
{
    struct Fall {
        fs::path eingabe;
        KartenWerkzeug werkzeug;
        int dezimalen;
        fs::path ausgabe;
    };
    const Fall faelle[] = {
        {"D:/my.maps/coast.dat", KartenWerkzeug::Halbieren, 3, "D:/my.maps/coast_halb.dat"},
        {"/data/my.maps/coast.dat", KartenWerkzeug::Verbinden, 3, "/data/my.maps/coast_verbd.dat"},
        {"/data/grenzen.v2.dat", KartenWerkzeug::Kuerzen, 3, "/data/grenzen_Dez_3.dat"},
        {"/data/grenzen.dat", KartenWerkzeug::Kuerzen, 5, "/data/grenzen_Dez_5.dat"},
        {"/data/ohne", KartenWerkzeug::Suchen, 3, "/data/ohne_Info.dat"},
        {"coast.dat", KartenWerkzeug::Suchen, 3, "coast_Info.dat"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(werkzeugAusgabeName(f.eingabe, f.werkzeug, f.dezimalen), f.ausgabe) << f.eingabe;
}

TEST(KartenWerkzeuge, LinesEndAtLineFeedsAndLoseTheirCarriageReturns)
{
    EXPECT_EQ(teileKartenZeilen(""), Zeilen{});
    EXPECT_EQ(teileKartenZeilen("a\r\nb\n"), (Zeilen{"a", "b"}));
    EXPECT_EQ(teileKartenZeilen("a\nb"), (Zeilen{"a", "b"}));
    EXPECT_EQ(teileKartenZeilen("\n\n"), (Zeilen{"", ""}));
    EXPECT_EQ(teileKartenZeilen("a\rb\r\n"), (Zeilen{"ab"}));
}

TEST(KartenWerkzeuge, ThinningKeepsFirstEverySecondAndLastPoint)
{
    const Zeilen ein = {"> -b",       "1.00 1.00", "2.00 2.00", "3.00 3.00", "4.00 4.00", "5.00 5.00",
                        "> -b",       "6.00 6.00", "7.00 7.00", "8.00 8.00", "9.00 9.00", "> -b",
                        "10.00 10.00"};
    const Zeilen aus = {"> -b",      "1.00 1.00", "3.00 3.00", "5.00 5.00", "5.00 5.00", // odd: last point twice
                        "> -b",      "6.00 6.00", "8.00 8.00", "9.00 9.00",              // even: the skipped last point
                        "> -b",      "10.00 10.00"};
    EXPECT_EQ(halbiereZeilen(ein), aus);

    // Without separators: the first line, every second, and the last.
    EXPECT_EQ(halbiereZeilen({",1 2.000", "+1 3.000", "-1 4.000", "91 5.000", "01 6.000", "11 7.000"}),
              (Zeilen{",1 2.000", "-1 4.000", "01 6.000", "11 7.000"}));
    // An empty line counts as a point; a line starting with "." does not.
    EXPECT_EQ(halbiereZeilen({"1.00 1.00", "", "2.00 2.00", ".5 1.0000"}),
              (Zeilen{"1.00 1.00", "2.00 2.00", "2.00 2.00", ".5 1.0000"}));
    EXPECT_EQ(halbiereZeilen({}), Zeilen{});
}

TEST(KartenWerkzeuge, JoiningMergesPolylinesThatContinueEachOther)
{
    const Zeilen ein = {"> -b", "1.00 1.00", "2.00 2.00", "> -b", "2.00 2.00", "3.00 3.00", "> -b", "4.00 4.00",
                        "5.00 5.00", "> -b",  "5.00 5.50", "> -b", "> -b", "> -b"};
    const VerbindeErgebnis v = verbindeZeilen(ein);
    EXPECT_EQ(v.verbunden, 1u);
    EXPECT_EQ(v.zeilen, (Zeilen{"> -b", "1.00 1.00", "2.00 2.00", "3.00 3.00", "> -b", "4.00 4.00", "5.00 5.00",
                                "> -b", "5.00 5.50", "> -b", "> -b", "> -b"}));

    // An empty line separates too, and empty lines are not written.
    const VerbindeErgebnis leer = verbindeZeilen({"", "1.00 1.00", "", "1.00 1.00", "2.00 2.00", "", ""});
    EXPECT_EQ(leer.verbunden, 1u);
    EXPECT_EQ(leer.zeilen, (Zeilen{"1.00 1.00", "2.00 2.00"}));
}

TEST(KartenWerkzeuge, RoundingToThreeDecimals)
{
    const Zeilen ein = {
        "# Kopf",
        "13.40449 52.52051",  // to 4 decimals 13.4045 52.5205, written 13.404 52.520 (halves to even)
        "13.40451 52.52049",  // equal to the previous at 4 decimals: dropped
        "  13.4046\t52.5206", // leading blanks are fine
        "> -b",               // short: copied, the next point is written in any case
        "13.4046 52.5206",
        "13.4x 52.5 zzz",     // does not read: copied unchanged and counted
        "-0.00004 -12.3",
    };
    const KuerzeErgebnis k = kuerzeZeilen(ein, 3);
    EXPECT_EQ(k.zeilen, (Zeilen{"# Kopf", "13.404\t52.520", "13.405\t52.521", "> -b", "13.405\t52.521",
                                "13.4x 52.5 zzz", "0.000\t-12.300"}));
    EXPECT_EQ(k.zeilenzaehler, 8u);
    EXPECT_EQ(k.fehler.anzahl, 1u);
    EXPECT_EQ(k.fehler.ersteZeile, 7u);

    // The first point of a file is written even where it equals the start value (0, 0).
    EXPECT_EQ(kuerzeZeilen({"0.00001 0.00002", "0.00001 0.00002"}, 3).zeilen, (Zeilen{"0.000\t0.000"}));
    // One decimal: width 3.
    EXPECT_EQ(kuerzeZeilen({"5.06 47.24"}, 1).zeilen, (Zeilen{"5.1\t47.2"}));
}

TEST(KartenWerkzeuge, SearchingListsTheLinesInTheBox)
{
    const Zeilen ein = {
        "13.40 52.52",   // 1: inside
        "12.95 52.50",   // 2: on the open west bound: outside
        "14.00 53.20",   // 3: on the closed bounds: inside
        "13.50 51.99",   // 4: south of the box
        "  13.40 52.52", // 5: leading blanks leave the first field empty: does not read
        "> -b",          // 6: no digit: passed over
        "#13.40 52.52",  // 7: comment
        "",              // 8
        "13.00\t52.00",  // 9: inside
    };
    const SucheErgebnis s = sucheZeilenImFeld(ein);
    EXPECT_EQ(s.zeilennummern, (std::vector<std::size_t>{1, 3, 9}));
    EXPECT_EQ(s.zeilenzaehler, 9u);
    EXPECT_EQ(s.fehler.anzahl, 1u);
    EXPECT_EQ(s.fehler.ersteZeile, 5u);
}

TEST(KartenWerkzeuge, CommandsAskWriteBesideTheInputAndReport)
{
    const auto ordner = frischerOrdner("KartenWerkzeuge/my.maps");
    const auto eingabe = ordner / "kueste.dat";
    // Windows-1252 comment line, CR LF line ends.
    schreibe(eingabe, "# K\xFCste\r\n1.00 1.00\r\n2.00 2.00\r\n3.00 3.00\r\n");

    ScriptedPrompt ok(PromptAnswer::Ok);
    const WerkzeugErgebnis h = halbiereDatei(eingabe, ok);
    const auto halb = ordner / "kueste_halb.dat";
    ASSERT_EQ(h.status, WerkzeugStatus::Gespeichert) << h.meldung;
    EXPECT_EQ(h.ausgabe, halb);
    ASSERT_EQ(ok.texts.size(), 1u);
    EXPECT_EQ(ok.texts[0], "Die \"halbierte\" Datei wird in " + halb.string() + " gespeicehert!");
    EXPECT_EQ(ok.titles[0], PromptTitle::Information);
    EXPECT_EQ(ok.buttons[0], PromptButtons::OkCancel);
    EXPECT_EQ(h.meldung, "Die \"halbierte\" Datei " + halb.string() + " wurde gespeichert");
    EXPECT_EQ(h.titel, PromptTitle::Information);
    EXPECT_EQ(h.icon, PromptIcon::None);
    EXPECT_EQ(lies(halb), "# K\xFCste\r\n1.00 1.00\r\n3.00 3.00\r\n");

    const WerkzeugErgebnis v = verbindeDatei(eingabe, ok);
    ASSERT_EQ(v.status, WerkzeugStatus::Gespeichert);
    EXPECT_EQ(ok.texts[1], "Die gekürzten Daten werden in " + (ordner / "kueste_verbd.dat").string() + " gespeicehert!");
    EXPECT_EQ(v.meldung, "0 Datenabschnitte verbunden, in Datei " + (ordner / "kueste_verbd.dat").string() + " gespeichert");

    const WerkzeugErgebnis s = sucheZeilen(eingabe, ok);
    ASSERT_EQ(s.status, WerkzeugStatus::Gespeichert);
    EXPECT_EQ(ok.texts[2], "Die Datenzeilen werden gesucht!");
    EXPECT_EQ(s.meldung, "4 Zeilennummern in Datei " + (ordner / "kueste_Info.dat").string() + " gespeichert");
    EXPECT_EQ(lies(ordner / "kueste_Info.dat"), "");

    ScriptedPrompt ja(PromptAnswer::Yes);
    const WerkzeugErgebnis k = kuerzeDezimalen(eingabe, 3, ja);
    ASSERT_EQ(k.status, WerkzeugStatus::Gespeichert);
    EXPECT_EQ(ja.texts[0], "Sollen die Daten werden auf 3 Dez.stellen gekuerzt werden?");
    EXPECT_EQ(ja.buttons[0], PromptButtons::YesNoCancel);
    EXPECT_EQ(k.meldung, "4 Datensätze in Datei " + (ordner / "kueste_Dez_3.dat").string() + " auf 3 Stellen gekürzt");
    EXPECT_EQ(lies(ordner / "kueste_Dez_3.dat"), "# K\xFCste\r\n1.000\t1.000\r\n2.000\t2.000\r\n3.000\t3.000\r\n");
}

TEST(KartenWerkzeuge, BadLinesAreSummedUpInTheClosingMessage)
{
    const auto ordner = frischerOrdner("KartenWerkzeuge-Fehler");
    const auto eingabe = ordner / "daten.dat";
    schreibe(eingabe, "13.40 52.52\n13.4.0 52.5\n1..2 3.00000\n");
    ScriptedPrompt ja(PromptAnswer::Yes);
    const WerkzeugErgebnis k = kuerzeDezimalen(eingabe, 3, ja);
    ASSERT_EQ(k.status, WerkzeugStatus::Gespeichert);
    EXPECT_EQ(k.meldung, "3 Datensätze in Datei " + (ordner / "daten_Dez_3.dat").string() + " auf 3 Stellen gekürzt\n"
                         "2 Konversionsfehler, der erste: 13.4.0/52.5: Konversionsfehler in Zeile 2; "
                         "diese Zeilen sind unverändert übernommen.");
    EXPECT_EQ(lies(ordner / "daten_Dez_3.dat"), "13.400\t52.520\r\n13.4.0 52.5\r\n1..2 3.00000\r\n");

    ScriptedPrompt ok(PromptAnswer::Ok);
    const WerkzeugErgebnis s = sucheZeilen(eingabe, ok);
    EXPECT_EQ(s.meldung, "3 Zeilennummern in Datei " + (ordner / "daten_Info.dat").string() + " gespeichert\n"
                         "2 Konversionsfehler, der erste: 13.4.0/52.5: Konversionsfehler in Zeile 2; "
                         "diese Zeilen sind übergangen.");
    EXPECT_EQ(lies(ordner / "daten_Info.dat"), "1\r\n");
}

TEST(KartenWerkzeuge, CancelFailuresAndTheirMessages)
{
    const auto ordner = frischerOrdner("KartenWerkzeuge-Abbruch");
    const auto eingabe = ordner / "daten.dat";
    schreibe(eingabe, "1.00 1.00\n");

    // Cancel (or No for the rounding tool) stops before anything is written.
    ScriptedPrompt abbruch(PromptAnswer::Cancel);
    EXPECT_EQ(halbiereDatei(eingabe, abbruch).status, WerkzeugStatus::Abgebrochen);
    ScriptedPrompt nein(PromptAnswer::No);
    EXPECT_EQ(kuerzeDezimalen(eingabe, 3, nein).status, WerkzeugStatus::Abgebrochen);
    ScriptedPrompt ok(PromptAnswer::Ok);
    EXPECT_EQ(kuerzeDezimalen(eingabe, 3, ok).status, WerkzeugStatus::Abgebrochen); // only Yes goes on
    EXPECT_FALSE(fs::exists(ordner / "daten_halb.dat"));
    EXPECT_FALSE(fs::exists(ordner / "daten_Dez_3.dat"));

    // A missing input.
    const WerkzeugErgebnis fehlt = verbindeDatei(ordner / "fehlt.dat", ok);
    EXPECT_EQ(fehlt.status, WerkzeugStatus::Fehler);
    EXPECT_EQ(fehlt.titel, PromptTitle::Fehler);
    EXPECT_EQ(fehlt.icon, PromptIcon::Question);
    EXPECT_EQ(fehlt.meldung.rfind("Die Datei " + (ordner / "fehlt.dat").string() + " konnte nicht geoeffnet werden!\n", 0), 0u);

    // An output that cannot be written: a folder stands in its place.
    fs::create_directory(ordner / "daten_halb.dat");
    fs::create_directory(ordner / "daten_Info.dat");
    const WerkzeugErgebnis h = halbiereDatei(eingabe, ok);
    EXPECT_EQ(h.status, WerkzeugStatus::Fehler);
    EXPECT_EQ(h.meldung.rfind("Die Datei " + (ordner / "daten_halb.dat").string()
                                  + " konnte nicht zum Schreiben geoeffnet werden!", 0), 0u);
    const WerkzeugErgebnis s = sucheZeilen(eingabe, ok);
    EXPECT_EQ(s.meldung.rfind("Die Datei " + (ordner / "daten_Info.dat").string()
                                  + " konnte zum Schreiben nicht geoeffnet werden!", 0), 0u);
    EXPECT_TRUE(fs::is_directory(ordner / "daten_halb.dat"));
    EXPECT_EQ(lies(eingabe), "1.00 1.00\n"); // the input is never touched

    // Decimals beyond 1..5 are refused before anything is asked.
    ScriptedPrompt ja(PromptAnswer::Yes);
    EXPECT_EQ(kuerzeDezimalen(eingabe, 7, ja).status, WerkzeugStatus::Fehler);
    EXPECT_TRUE(ja.texts.empty());
}
