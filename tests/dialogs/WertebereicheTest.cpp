// Whatever a dialog accepts, the settings reader reads back at the next start; what lies just
// outside the reader's ranges it refuses.
#include "dialogs/Wertebereiche.h"

#include "IniTestHilfen.h"
#include "dialogs/IniLesen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace umbrin;
using namespace umbrin::testing;

namespace {

struct StoredField {
    const char* name;
    std::function<void(AppState&, double)> set;
    std::function<double(const AppState&)> get;
    std::vector<Wertebereich> dialogRanges;
};

template <typename T>
StoredField field(const char* name, T AppState::*member, std::vector<Wertebereich> ranges)
{
    return {name, [member](AppState& s, double v) { s.*member = static_cast<T>(v); },
            [member](const AppState& s) { return static_cast<double>(s.*member); }, std::move(ranges)};
}

template <typename T>
StoredField par(const char* name, T TPar::*member, std::vector<Wertebereich> ranges)
{
    return {name, [member](AppState& s, double v) { s.Par.*member = static_cast<T>(v); },
            [member](const AppState& s) { return static_cast<double>(s.Par.*member); }, std::move(ranges)};
}

template <typename T>
StoredField zeiten(const char* name, T TZeiten::*member, std::vector<Wertebereich> ranges)
{
    return {name, [member](AppState& s, double v) { s.Zeiten.*member = static_cast<T>(v); },
            [member](const AppState& s) { return static_cast<double>(s.Zeiten.*member); }, std::move(ranges)};
}

// Each stored field with the ranges its dialogs accept, on leaving the field and on closing the
// window, written out here. Two are narrower than the dialogs once took: the cone's opening
// and the Peaucellier unit keep to what the file holds (1 .. 86 and 10 .. 300), so that what a
// dialog stores is read back.
std::vector<StoredField> storedFields()
{
    return {
        par("Breite", &TPar::Breite, {{-90, 90}}),
        par("Breite2", &TPar::Breite2, {{-90, 90}}),
        par("Laenge", &TPar::Laenge, {{-180, 180}}),
        par("Laenge2", &TPar::Laenge2, {{-180, 180}}),
        par("Zonenmeridian", &TPar::Zonenmeridian, {{-180, 180}}),
        par("Jahr", &TPar::Jahr, {{1300, 2500}}),
        par("Wandabweichung", &TPar::Wandabweichung, {{-180, 180}}),
        par("Wandabweichung2", &TPar::Wandabweichung2, {{-180, 180}}),
        par("Inklination", &TPar::Inklination, {{0, 175}, {0, 80}}),
        par("Gnomonhoehe", &TPar::Gnomonhoehe, {{5, 500}, {5, 200}, {3, 120}}),
        par("ZylZeiger", &TPar::ZylZeiger, {{4, 110}, {3, 220}}),
        par("ZylRadius", &TPar::ZylRadius, {{4, 500}}),
        field("SkalaZylinder", &AppState::SkalaZylinder, {{0, 400}, {3, 290}}),
        par("Skalenlaenge", &TPar::Skalenlaenge, {{4, 110}, {3, 220}}),
        field("SkalaHidokai", &AppState::SkalaHidokai, {{0, 180}}),
        field("SkalaHidokai2", &AppState::SkalaHidokai2, {{0, 260}}),
        par("HidokaiZeiger", &TPar::HidokaiZeiger, {{4, 110}, {1, 110}, {3, 220}}),
        par("QuadrantGroesse", &TPar::QuadrantGroesse, {{80, 200}}),
        par("HabermelDurchmesser", &TPar::HabermelDurchmesser, {{30, 200}}),
        par("HabermelGnomon", &TPar::HabermelGnomon, {{9, 100}}),
        par("KegelOeffnung", &TPar::KegelOeffnung, {{1, 86}, {1, 85}}),
        par("DatumMitte", &TPar::DatumMitte, {{0, 900}}),
        par("DatumWinkel", &TPar::DatumWinkel, {{1, 15}, {0.5, 15}}),
        par("Einheit", &TPar::Einheit, {{10, 120}, {10, 300}}),
        par("PeauParameter", &TPar::PeauParameter, {{-2.1, 2.1}}),
        par("RingDurchmesser", &TPar::RingDurchmesser, {{10, 300}}),
        par("RingBreite", &TPar::RingBreite, {{4.5, 190}, {4.5, 300}}),
        par("RingAlpha", &TPar::RingAlpha, {{10, 90}}),
        par("SchirmRadius", &TPar::SchirmRadius, {{-1, 2}}), // typed in percent, -100 .. 200
        field("RingLochVersatz", &AppState::RingLochVersatz, {{-23.44, 23.44}, ringLochVersatzBereich(23.52)}),
        field("DeklOben", &AppState::DeklOben, {{0, 23.44}, deklObenBereich(23.52)}),
        field("DeklUnten", &AppState::DeklUnten, {}),
        {"Kartenmassstab", [](AppState& s, double v) { s.Schalter.Kartenmassstab = static_cast<std::int32_t>(v); },
         [](const AppState& s) { return static_cast<double>(s.Schalter.Kartenmassstab); }, {{5, 66000000}}},
        {"AnalemmaStunde", [](AppState& s, double v) { s.Schalter.AnalemmaStunde = static_cast<std::int32_t>(v); },
         [](const AppState& s) { return static_cast<double>(s.Schalter.AnalemmaStunde); }, {{1, 23}}},
        {"KegelNeigung", [](AppState& s, double v) { s.Par.KegelNeigung = kegelNeigungGespeichert(v); },
         [](const AppState& s) { return s.Par.KegelNeigung; }, {{-90, 175}, {-175, 175}}},
        zeiten("EotVon", &TZeiten::EotVon, {{0, 24}}),
        zeiten("EotBis", &TZeiten::EotBis, {{0, 24}}),
        zeiten("StundeVon", &TZeiten::StundeVon, {{0, 24}}),
        zeiten("ItalBis", &TZeiten::ItalBis, {{0, 24}}),
        zeiten("TempBis", &TZeiten::TempBis, {{0, 12}}),
        zeiten("QuadTempVon", &TZeiten::QuadTempVon, {{0, 12}}),
        zeiten("HoeheVon", &TZeiten::HoeheVon, {{10, 90}}),
        zeiten("HoeheBis", &TZeiten::HoeheBis, {{10, 90}}),
    };
}

// Writes a file from the start state with one field changed and reads it back.
IniLeseErgebnis roundTrip(const StoredField& f, double value, AppState& back, IniPrompt& prompt)
{
    TempDir dir;
    AppState quelle = startedState();
    f.set(quelle, value);
    writeLines(dir / "umb.ini", composedLines(quelle));
    back = startedState();
    return LeseIni(back, dir / "umb.ini", true, true, prompt);
}

} // namespace

TEST(Wertebereiche, EveryBoundADialogAcceptsReadsBackWithoutAComplaint)
{
    for (const StoredField& f : storedFields()) {
        for (const Wertebereich& r : f.dialogRanges) {
            // Both ends, and two values inside with one decimal (as most fields show them; 1/17
            // and 16/17 of the way keep clear of 0, which the cone's axis refuses).
            const double schritt = (r.bis - r.von) / 17;
            const double innen[] = {std::round((r.von + schritt) * 10) / 10, std::round((r.bis - schritt) * 10) / 10};
            for (const double value : {r.von, r.bis, innen[0], innen[1]}) {
                AppState quelle = startedState();
                f.set(quelle, value);
                AppState back;
                IniPrompt prompt;
                EXPECT_EQ(roundTrip(f, value, back, prompt).status, IniLeseStatus::Gelesen) << f.name << " " << value;
                EXPECT_TRUE(prompt.asked.empty()) << f.name << " " << value << allTexts(prompt);
                EXPECT_NEAR(f.get(back), f.get(quelle), 1e-9) << f.name << " " << value;
            }
        }
    }
}

// Written again from what was read, the file is the same: also a latitude on the equator,
// which the reader keeps off it.
TEST(Wertebereiche, AFileReadBackIsWrittenAgainAsItWas)
{
    for (const double value : {0.0, -0.0, 4e-7, -4e-7, -0.001})
        for (const StoredField& f : {storedFields()[0], storedFields()[1]}) { // the two latitudes
            AppState quelle = startedState(), back;
            f.set(quelle, value);
            IniPrompt prompt;
            roundTrip(f, value, back, prompt);
            EXPECT_EQ(composedLines(back), composedLines(quelle)) << f.name << " " << value;
        }
}

TEST(Wertebereiche, JustOutsideTheFileRangesTheReaderRefuses)
{
    const std::pair<const char*, double> cases[] = {
        {"Breite", 90.01},          {"Laenge", -180.01},      {"Zonenmeridian", 180.5}, {"Wandabweichung2", 181},
        {"KegelOeffnung", 86.01},   {"KegelOeffnung", 0.99},  {"DatumMitte", 900.1},    {"DatumWinkel", 0.49},
        {"DatumWinkel", 15.01},     {"Einheit", 9},           {"PeauParameter", 2.11},  {"HabermelGnomon", 0.9},
        {"RingLochVersatz", 23.45}, {"DeklOben", -0.01},      {"EotVon", 25},           {"HoeheVon", 9},
        {"TempBis", 13},            {"RingDurchmesser", 300.01}, {"RingAlpha", 90.1},
    };
    const auto fields = storedFields();
    for (const auto& [name, value] : cases) {
        const auto f = std::find_if(fields.begin(), fields.end(), [name = name](const StoredField& x) { return x.name == std::string(name); });
        ASSERT_NE(f, fields.end()) << name;
        AppState back;
        IniPrompt prompt;
        roundTrip(*f, value, back, prompt);
        EXPECT_FALSE(prompt.asked.empty() && f->get(back) == value) << name << " " << value;
    }
}

// Values that the file can spell but no dialog accepts: each is reported naming its main line
// (counted from 0), the field keeps the value it had, and the file counts as read.
TEST(Wertebereiche, ValuesNoDialogAcceptsAreReportedAndTheEarlierValueKept)
{
    struct Case {
        const char* name;
        double value;
        int line;
    };
    const Case cases[] = {
        {"Jahr", 2501, 0},          {"Jahr", 1299, 0},           {"Gnomonhoehe", 501, 4},
        {"Gnomonhoehe", 2.9, 4},    {"ZylZeiger", 221, 4},       {"ZylRadius", 3, 4},
        {"SkalaZylinder", 401, 4},  {"Skalenlaenge", 2, 5},      {"SkalaHidokai", 181, 5},
        {"SkalaHidokai2", 261, 5},  {"HidokaiZeiger", 0, 5},     {"Kartenmassstab", 4, 5},
        {"QuadrantGroesse", 201, 5}, {"HabermelDurchmesser", 29, 5}, {"Inklination", -1, 7},
        {"Inklination", 176, 7},    {"AnalemmaStunde", 24, 8},   {"SchirmRadius", 2.5, 15},
        {"RingBreite", 1000, 15},   {"DeklOben", 1000, 17},      {"DeklUnten", -1000, 17},
        {"DeklOben", 23.5, 17},
    };
    const auto fields = storedFields();
    const AppState before = startedState();
    for (const Case& c : cases) {
        const auto f = std::find_if(fields.begin(), fields.end(), [&](const StoredField& x) { return x.name == std::string(c.name); });
        ASSERT_NE(f, fields.end()) << c.name;
        AppState back;
        IniPrompt prompt;
        EXPECT_EQ(roundTrip(*f, c.value, back, prompt).status, IniLeseStatus::Gelesen) << c.name;
        EXPECT_DOUBLE_EQ(f->get(back), f->get(before)) << c.name << " " << c.value;
        ASSERT_EQ(prompt.asked.size(), 1u) << c.name << allTexts(prompt);
        EXPECT_EQ(prompt.asked[0].text.rfind("In Line " + std::to_string(c.line) + ":", 0), 0u) << c.name << allTexts(prompt);
    }
}

TEST(Wertebereiche, TypedConeAxisInclinations)
{
    EXPECT_DOUBLE_EQ(kegelNeigungGespeichert(-30), 150);
    EXPECT_TRUE(kegelNeigungZulaessig(-30, DialogBereich::KegelNeigungSchliessen));
    EXPECT_TRUE(kegelNeigungZulaessig(-0.5, DialogBereich::KegelNeigungSchliessen));
    EXPECT_FALSE(kegelNeigungZulaessig(0, DialogBereich::KegelNeigungSchliessen));
    EXPECT_FALSE(kegelNeigungZulaessig(0.99, DialogBereich::KegelNeigungSchliessen));
    EXPECT_TRUE(kegelNeigungZulaessig(1, DialogBereich::KegelNeigungSchliessen));
    EXPECT_FALSE(kegelNeigungZulaessig(-100, DialogBereich::KegelNeigungVerlassen));
    // The ring band follows the obliquity of the year but never leaves the file's range.
    EXPECT_DOUBLE_EQ(ringLochVersatzBereich(23.52).bis, 23.44);
    EXPECT_DOUBLE_EQ(ringLochVersatzBereich(23.40).von, -23.40);
    EXPECT_DOUBLE_EQ(deklObenBereich(23.52).bis, 23.44);
}

// The table the dialogs check against holds the same ranges as written above, for every range
// a dialog field keeps.
TEST(Wertebereiche, TheDialogsTableHoldsTheRangesWrittenHere)
{
    namespace D = DialogBereich;
    const struct {
        const char* name;
        Wertebereich tabelle, soll;
    } faelle[] = {
        {"Breite", D::Breite, {-90, 90}}, {"Laenge", D::Laenge, {-180, 180}},
        {"Zonenmeridian", D::Zonenmeridian, {-180, 180}}, {"Jahr", D::Jahr, {1300, 2500}},
        {"Breite2", D::Breite2, {-90, 90}}, {"Laenge2", D::Laenge2, {-180, 180}},
        {"TypWandabweichung", D::TypWandabweichung, {-180, 180}}, {"TypInklination", D::TypInklination, {0, 175}},
        {"TypSkalaZylinder", D::TypSkalaZylinder, {3, 290}},
        {"TypSkalenlaengeVerlassen", D::TypSkalenlaengeVerlassen, {4, 110}},
        {"TypSkalenlaengeSchliessen", D::TypSkalenlaengeSchliessen, {3, 220}},
        {"TypZylZeigerVerlassen", D::TypZylZeigerVerlassen, {4, 110}},
        {"TypZylZeigerSchliessen", D::TypZylZeigerSchliessen, {3, 220}}, {"TypZylRadius", D::TypZylRadius, {4, 500}},
        {"TypGnomonhoeheVerlassen", D::TypGnomonhoeheVerlassen, {5, 200}},
        {"TypGnomonhoeheSchliessen", D::TypGnomonhoeheSchliessen, {3, 120}},
        {"TypHabermelDurchmesser", D::TypHabermelDurchmesser, {30, 200}},
        {"TypHidokaiZeigerVerlassen", D::TypHidokaiZeigerVerlassen, {1, 110}},
        {"TypHidokaiZeigerSchliessen", D::TypHidokaiZeigerSchliessen, {3, 220}},
        {"TypRingDurchmesser", D::TypRingDurchmesser, {10, 300}}, {"Wandabweichung", D::Wandabweichung, {-180, 180}},
        {"Inklination", D::Inklination, {0, 175}}, {"SchirmInklination", D::SchirmInklination, {0, 80}},
        {"SchirmRadiusProzent", D::SchirmRadiusProzent, {-100, 200}}, {"Gnomonhoehe", D::Gnomonhoehe, {5, 500}},
        {"SawyerGnomonhoehe", D::SawyerGnomonhoehe, {5, 200}}, {"AnalemmaStunde", D::AnalemmaStunde, {1, 23}},
        {"ZylZeiger", D::ZylZeiger, {4, 110}}, {"Skalenlaenge", D::Skalenlaenge, {4, 110}},
        {"ZylRadius", D::ZylRadius, {4, 500}}, {"SkalaZylinder", D::SkalaZylinder, {0, 400}},
        {"SkalaZylinder2", D::SkalaZylinder2, {0, 200}}, {"SkalaHidokai", D::SkalaHidokai, {0, 180}},
        {"SkalaHidokai2", D::SkalaHidokai2, {0, 260}}, {"HidokaiZeiger", D::HidokaiZeiger, {4, 110}},
        {"HabermelGnomon", D::HabermelGnomon, {9, 100}}, {"HabermelDurchmesser", D::HabermelDurchmesser, {30, 200}},
        {"QuadrantGroesse", D::QuadrantGroesse, {80, 200}}, {"Kartenmassstab", D::Kartenmassstab, {5, 66000000}},
        {"AzAbstand", D::AzAbstand, {10, 400}}, {"AzGrundplatte", D::AzGrundplatte, {3, 200}},
        {"RingDurchmesser", D::RingDurchmesser, {10, 300}}, {"RingBreiteVerlassen", D::RingBreiteVerlassen, {4.5, 190}},
        {"RingBreiteSchliessen", D::RingBreiteSchliessen, {4.5, 300}}, {"RingAlpha", D::RingAlpha, {10, 90}},
        {"RingLochVersatz", D::RingLochVersatz, {-23.44, 23.44}}, {"DeklOben", D::DeklOben, {0, 23.44}},
        {"DatumWinkelVerlassen", D::DatumWinkelVerlassen, {1, 15}},
        {"DatumWinkelSchliessen", D::DatumWinkelSchliessen, {0.5, 15}}, {"DatumMitte", D::DatumMitte, {0, 900}},
        {"EinheitVerlassen", D::EinheitVerlassen, {10, 120}}, {"EinheitSchliessen", D::EinheitSchliessen, {10, 300}},
        {"PeauParameter", D::PeauParameter, {-2.1, 2.1}},
        {"KegelNeigungVerlassen", D::KegelNeigungVerlassen, {-90, 175}},
        {"KegelNeigungSchliessen", D::KegelNeigungSchliessen, {-175, 175}},
        {"KegelOeffnungVerlassen", D::KegelOeffnungVerlassen, {1, 86}},
        {"KegelOeffnungSchliessen", D::KegelOeffnungSchliessen, {1, 85}}, {"Stunde", D::Stunde, {0, 24}},
        {"Temporalstunde", D::Temporalstunde, {0, 12}}, {"Hoehenlinie", D::Hoehenlinie, {10, 90}},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(f.tabelle.von, f.soll.von) << f.name;
        EXPECT_EQ(f.tabelle.bis, f.soll.bis) << f.name;
    }
}
