#include "core/Dateigroesse.h"

#include "core/Sprachdienst.h"
#include "dialogs/Datumsliniendatei.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "dials/KartenLeser.h"
#include "drawing/KartenWerkzeuge.h"
#include "shell/Datumsdatei.h"
#include "shell/Farbpalette.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"
#include "tables/BerechneHorizont.h"
#include "tables/Profildatei.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

// Every reader of the program's own files, given a sparse file of 2 GB, refuses it at once with
// its name and size in the user's language: nothing is asked, nothing is written beside it.
TEST(Dateigroesse, EveryReaderRefusesAFileOfTwoGigabytesWithItsNameAndSize)
{
    const test::TestOrdner dir("gross", false);
    for (const bool deutsch : {true, false}) {
        AppState s;
        initialisiereZustand(s);
        setzeSprache(s, deutsch);
        test::ScriptedPrompt frage;
        std::string f;
        double b = 0;
        KartenLesung karte;
        Kachelkopf kopf;
        std::vector<std::string> liste;
        const auto gefragt = [&] { return frage.asked.empty() ? std::string() : frage.asked.back().text; };
        using Lies = std::function<std::string(const fs::path&)>; // what the user is told
        const std::tuple<const char*, bool, Lies> leser[] = {
            {"umb.ini", true, [&](auto& p) { return LeseIni(s, p, true, true, frage).fehler; }},
            {"dial.umb", true, [&](auto& p) { return LeseIni(s, p, true, true, frage).fehler; }},
            {"schink.ham", true, [&](auto& p) { return LeseIni(s, p, true, true, frage).fehler; }},
            {"umb.ini", true, [&](auto& p) { return s.IniDatei = p.string(), FarbLoad(s, true).meldung; }},
            {"umb.ini", true, [&](auto& p) { return s.IniDatei = p.string(), IniTextErstellen(s, true, liste, frage), gefragt(); }},
            {"umb.ini", true, [&](auto& p) { return s.IniDatei = p.string(), DatumslinienSpeichern(s, frage), frage.asked.front().text; }},
            {"umb_days.ini", true, [&](auto& p) { return ladeDatumsdatei(p, 2024, deutsch).fehler; }},
            {"profil.ele", true, [&](auto& p) { return liesHorizontprofil(s, frage, p.string(), b, b), gefragt(); }},
            {"N47E011.asc", true, [&](auto& p) { return leseKachelkopfDatei(p.string(), s.Sprachspalte, kopf, f), f; }},
            {"coastUmb.dat", true, [&](auto& p) { return leseKartenDatei(p, kKartenDateiRegel, karte, f, deutsch), f; }},
            {"grenzen.dat", false, [&](auto& p) { return halbiereDatei(p, frage).meldung; }}, // the tools speak German
        };
        for (const auto& [name, zweisprachig, lies] : leser) {
            if (!deutsch && !zweisprachig)
                continue;
            SCOPED_TRACE(std::string(name) + (deutsch ? " in German" : " in English"));
            const fs::path ordner = dir / (std::string(name) + std::to_string(frage.asked.size()) + (deutsch ? "de" : "en"));
            fs::create_directories(ordner);
            const fs::path p = ordner / name;
            std::ofstream(p).close();
            ASSERT_EQ(::truncate(p.c_str(), 2147483648LL), 0);
            frage.asked.clear();
            const std::string text = lies(p);
            EXPECT_NE(text.find(p.string()), std::string::npos) << text;
            EXPECT_NE(text.find("2147483648"), std::string::npos) << text;
            EXPECT_NE(text.find(deutsch ? "zu groß für" : "too large for"), std::string::npos) << text;
            for (const char* fremd : deutsch ? std::vector{"File ", "The file", "Original"} : std::vector{"Datei", "Ursprüngliche"})
                EXPECT_EQ(text.find(fremd), std::string::npos) << text;
            EXPECT_LE(frage.asked.size(), std::size_t{1});
            EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 1);
        }
    }
    // The bound itself is still read.
    std::string f;
    EXPECT_TRUE(groesseZulaessig("umb.ini", groessteDatei(Dateiart::Einstellungen), Dateiart::Einstellungen, f, true));
    EXPECT_FALSE(groesseZulaessig("umb.ini", groessteDatei(Dateiart::Einstellungen) + 1, Dateiart::Einstellungen, f, true));
}
