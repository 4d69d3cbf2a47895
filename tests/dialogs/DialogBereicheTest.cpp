// Every value the dialogs accept at the ends of their ranges is written to a settings file
// and read back without a complaint: the dialogs and the settings reader share one table.
#include "../support/ScriptedPrompt.h"
#include "core/State.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "dialogs/Wertebereiche.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

using namespace umbrin;

namespace {

struct Feld {
    const char* name;
    std::function<double&(AppState&)> wert;
    Wertebereich bereich;
    double genauigkeit; // the file keeps this many decimals
};

std::filesystem::path ordner()
{
    const auto p = std::filesystem::temp_directory_path() / ("umbrin_bereiche_" + std::to_string(::getpid()));
    std::filesystem::create_directories(p);
    return p;
}

} // namespace

TEST(DialogBereiche, RangeEndsOfTheDialogsSurviveTheSettingsFile)
{
    namespace B = DialogBereich;
    const std::vector<Feld> felder = {
        {"Breite", [](AppState& s) -> double& { return s.Par.Breite; }, B::Breite, 1e-6},
        {"Breite2", [](AppState& s) -> double& { return s.Par.Breite2; }, B::Breite2, 0.01},
        {"Laenge", [](AppState& s) -> double& { return s.Par.Laenge; }, B::Laenge, 1e-6},
        {"Laenge2", [](AppState& s) -> double& { return s.Par.Laenge2; }, B::Laenge2, 0.01},
        {"Zonenmeridian", [](AppState& s) -> double& { return s.Par.Zonenmeridian; }, B::Zonenmeridian, 0.01},
        {"Wandabweichung", [](AppState& s) -> double& { return s.Par.Wandabweichung; }, B::Wandabweichung, 1e-6},
        {"Wandabweichung2", [](AppState& s) -> double& { return s.Par.Wandabweichung2; }, B::Wandabweichung, 1e-6},
        {"KegelOeffnung", [](AppState& s) -> double& { return s.Par.KegelOeffnung; }, B::KegelOeffnungVerlassen, 1e-6},
        {"DatumMitte", [](AppState& s) -> double& { return s.Par.DatumMitte; }, B::DatumMitte, 0.1},
        {"DatumWinkel", [](AppState& s) -> double& { return s.Par.DatumWinkel; }, B::DatumWinkelSchliessen, 0.01},
        {"RingDurchmesser", [](AppState& s) -> double& { return s.Par.RingDurchmesser; }, B::RingDurchmesser, 0.01},
        {"RingAlpha", [](AppState& s) -> double& { return s.Par.RingAlpha; }, B::RingAlpha, 0.1},
        {"PeauParameter", [](AppState& s) -> double& { return s.Par.PeauParameter; }, B::PeauParameter, 1e-4},
        {"RingLochVersatz", [](AppState& s) -> double& { return s.RingLochVersatz; }, B::RingLochVersatz, 0.01},
        {"DeklOben", [](AppState& s) -> double& { return s.DeklOben; }, B::DeklOben, 0.01},
    };
    const auto datei = ordner() / "umb.ini";
    for (const Feld& f : felder) {
        for (double ende : {f.bereich.von, f.bereich.bis}) {
            AppState s;
            initialisiereZustand(s);
            s.Par.KegelNeigung = 150; // above every cone opening
            f.wert(s) = ende;
            test::ScriptedPrompt prompt;
            std::vector<std::string> zeilen;
            IniTextErstellen(s, false, zeilen, prompt);
            std::string fehler;
            ASSERT_TRUE(IniTextSpeichern(zeilen, datei, fehler)) << fehler;

            AppState gelesen;
            initialisiereZustand(gelesen);
            LeseIni(gelesen, datei, true, true, prompt);
            EXPECT_TRUE(prompt.asked.empty()) << f.name << " = " << ende << ": " << prompt.asked.front().text;
            EXPECT_NEAR(f.wert(gelesen), ende, f.genauigkeit) << f.name;
        }
    }

    // The cone axis is typed from -175 to 175 and stored from the other side when negative;
    // every stored value lies in the file's range.
    for (double eingabe : {B::KegelNeigungSchliessen.von, -0.5, 1.0, B::KegelNeigungSchliessen.bis}) {
        ASSERT_TRUE(kegelNeigungZulaessig(eingabe, B::KegelNeigungSchliessen)) << eingabe;
        EXPECT_TRUE(DateiBereich::KegelNeigung.enthaelt(kegelNeigungGespeichert(eingabe)));
    }
    EXPECT_FALSE(kegelNeigungZulaessig(0.0, B::KegelNeigungSchliessen));
    std::filesystem::remove_all(ordner());
}
