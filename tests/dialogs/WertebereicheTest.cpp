// Whatever a dialog accepts, the settings reader reads back at the next start; what lies just
// outside the reader's ranges it refuses.
#include "dialogs/Wertebereiche.h"

#include "IniTestHilfen.h"
#include "dialogs/IniLesen.h"

#include <gtest/gtest.h>

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

std::vector<StoredField> storedFields()
{
    namespace D = DialogBereich;
    return {
        par("Breite", &TPar::Breite, {D::Breite}),
        par("Breite2", &TPar::Breite2, {D::Breite2}),
        par("Laenge", &TPar::Laenge, {D::Laenge}),
        par("Laenge2", &TPar::Laenge2, {D::Laenge2}),
        par("Zonenmeridian", &TPar::Zonenmeridian, {D::Zonenmeridian}),
        par("Jahr", &TPar::Jahr, {D::Jahr}),
        par("Wandabweichung", &TPar::Wandabweichung, {D::Wandabweichung, D::TypWandabweichung}),
        par("Wandabweichung2", &TPar::Wandabweichung2, {D::Wandabweichung}),
        par("Inklination", &TPar::Inklination, {D::Inklination, D::TypInklination, D::SchirmInklination}),
        par("Gnomonhoehe", &TPar::Gnomonhoehe,
            {D::Gnomonhoehe, D::SawyerGnomonhoehe, D::TypGnomonhoeheVerlassen, D::TypGnomonhoeheSchliessen}),
        par("ZylZeiger", &TPar::ZylZeiger, {D::ZylZeiger, D::TypZylZeigerVerlassen, D::TypZylZeigerSchliessen}),
        par("ZylRadius", &TPar::ZylRadius, {D::ZylRadius, D::TypZylRadius}),
        field("SkalaZylinder", &AppState::SkalaZylinder, {D::SkalaZylinder, D::TypSkalaZylinder}),
        par("Skalenlaenge", &TPar::Skalenlaenge,
            {D::Skalenlaenge, D::TypSkalenlaengeVerlassen, D::TypSkalenlaengeSchliessen}),
        field("SkalaHidokai", &AppState::SkalaHidokai, {D::SkalaHidokai}),
        field("SkalaHidokai2", &AppState::SkalaHidokai2, {D::SkalaHidokai2}),
        par("HidokaiZeiger", &TPar::HidokaiZeiger,
            {D::HidokaiZeiger, D::TypHidokaiZeigerVerlassen, D::TypHidokaiZeigerSchliessen}),
        par("QuadrantGroesse", &TPar::QuadrantGroesse, {D::QuadrantGroesse}),
        par("HabermelDurchmesser", &TPar::HabermelDurchmesser, {D::HabermelDurchmesser, D::TypHabermelDurchmesser}),
        par("HabermelGnomon", &TPar::HabermelGnomon, {D::HabermelGnomon}),
        par("KegelOeffnung", &TPar::KegelOeffnung, {D::KegelOeffnungVerlassen, D::KegelOeffnungSchliessen}),
        par("DatumMitte", &TPar::DatumMitte, {D::DatumMitte}),
        par("DatumWinkel", &TPar::DatumWinkel, {D::DatumWinkelVerlassen, D::DatumWinkelSchliessen}),
        par("Einheit", &TPar::Einheit, {D::EinheitVerlassen, D::EinheitSchliessen}),
        par("PeauParameter", &TPar::PeauParameter, {D::PeauParameter}),
        par("RingDurchmesser", &TPar::RingDurchmesser, {D::RingDurchmesser, D::TypRingDurchmesser}),
        par("RingBreite", &TPar::RingBreite, {D::RingBreiteVerlassen, D::RingBreiteSchliessen}),
        par("RingAlpha", &TPar::RingAlpha, {D::RingAlpha}),
        par("SchirmRadius", &TPar::SchirmRadius,
            {{D::SchirmRadiusProzent.von / 100, D::SchirmRadiusProzent.bis / 100}}),
        field("RingLochVersatz", &AppState::RingLochVersatz, {D::RingLochVersatz, ringLochVersatzBereich(23.52)}),
        field("DeklOben", &AppState::DeklOben, {D::DeklOben, deklObenBereich(23.52)}),
        field("DeklUnten", &AppState::DeklUnten, {}),
        {"Kartenmassstab", [](AppState& s, double v) { s.Schalter.Kartenmassstab = static_cast<std::int32_t>(v); },
         [](const AppState& s) { return static_cast<double>(s.Schalter.Kartenmassstab); }, {D::Kartenmassstab}},
        {"AnalemmaStunde", [](AppState& s, double v) { s.Schalter.AnalemmaStunde = static_cast<std::int32_t>(v); },
         [](const AppState& s) { return static_cast<double>(s.Schalter.AnalemmaStunde); }, {D::AnalemmaStunde}},
        {"KegelNeigung", [](AppState& s, double v) { s.Par.KegelNeigung = kegelNeigungGespeichert(v); },
         [](const AppState& s) { return s.Par.KegelNeigung; }, {D::KegelNeigungVerlassen, D::KegelNeigungSchliessen}},
        zeiten("EotVon", &TZeiten::EotVon, {D::Stunde}),
        zeiten("EotBis", &TZeiten::EotBis, {D::Stunde}),
        zeiten("StundeVon", &TZeiten::StundeVon, {D::Stunde}),
        zeiten("ItalBis", &TZeiten::ItalBis, {D::Stunde}),
        zeiten("TempBis", &TZeiten::TempBis, {D::Temporalstunde}),
        zeiten("QuadTempVon", &TZeiten::QuadTempVon, {D::Temporalstunde}),
        zeiten("HoeheVon", &TZeiten::HoeheVon, {D::Hoehenlinie}),
        zeiten("HoeheBis", &TZeiten::HoeheBis, {D::Hoehenlinie}),
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
            for (const double value : {r.von, r.bis}) {
                AppState back;
                IniPrompt prompt;
                EXPECT_EQ(roundTrip(f, value, back, prompt).status, IniLeseStatus::Gelesen) << f.name << " " << value;
                EXPECT_TRUE(prompt.asked.empty()) << f.name << " " << value << allTexts(prompt);
                const double expected = std::string(f.name) == "KegelNeigung" ? kegelNeigungGespeichert(value) : value;
                EXPECT_DOUBLE_EQ(f.get(back), expected) << f.name << " " << value;
            }
        }
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
