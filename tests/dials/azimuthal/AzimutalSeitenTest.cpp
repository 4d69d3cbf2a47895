// The azimuthal family on every page the print dialog offers, both screens and the plot: a page
// is refused before printing exactly when the dial would leave it, a screen or plot that loses
// something says so, a plate too small for the altitude circles' degree ring is refused with the
// smallest one that draws, and the Habermel I legend stays clear of its heading with a printer's
// margins.
#include "core/Sprachdienst.h"
#include "dialogs/HabermelGeometrie.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// Strokes and labels that leave the sheet, as the layout check finds them.
std::string ausserhalb(const Blattinhalt& b, const Sicht& v)
{
    std::string was;
    for (const Befund& f : v.plot ? pruefePlotLayout(b.hpgl, plotSeite(b.hpgl)) : pruefeLayout(b.roh, {0, 0, b.breite, b.hoehe}))
        if (f.art == Befundart::StrichAusserhalb || f.art == Befundart::TextAusserhalb || f.art == Befundart::TextAngeschnitten)
            was += f.meldung + "\n";
    return was;
}

// A word of the plot's own, besides the report that the file was saved.
bool plotWarnt(const Blattinhalt& b)
{
    return std::any_of(b.gesagt.begin(), b.gesagt.end(), [](const std::string& t) {
        return t.find("gespeichert") == std::string::npos && t.find("saved") == std::string::npos;
    });
}

struct Familie {
    const char* name;
    void (*stelle)(AppState&, double groesse);
    std::vector<double> groessen; // the smallest the dialog takes (or that draws), the start, the largest
};

void azimutal(AppState& s, int kreise, int gesetz, double platte)
{
    s.UhrTyp = 'a';
    s.Schalter.AzimutKreise = static_cast<std::uint8_t>(kreise);
    s.Schalter.Hoehenkreise = static_cast<std::uint8_t>(gesetz);
    s.Schalter.Ekliptik = 1;
    s.AzGrundplatte = platte;
}

const Familie familien[] = {
    {"date circles", [](AppState& s, double g) { azimutal(s, 0, 0, g); }, {3, 180, 200}},
    {"zodiac circles",
     [](AppState& s, double g) {
         azimutal(s, 0, 0, g);
         s.Schalter.ZodiakSkala = 1;
     },
     {3, 180, 200}},
    {"altitude circles", [](AppState& s, double g) { azimutal(s, 1, 0, g); }, {20, 180, 200}},
    {"altitude circles barrel", [](AppState& s, double g) { azimutal(s, 1, 1, g); }, {3, 180, 200}},
    {"stereographic", [](AppState& s, double g) { azimutal(s, 1, 2, g); }, {20, 180, 200}},
    {"Habermel I",
     [](AppState& s, double g) {
         s.UhrTyp = 'q';
         s.Schalter.Hoehenuhrart = 1;
         s.Par.HabermelGnomon = g;
     },
     {9, 30, 100}},
    {"Habermel II",
     [](AppState& s, double g) {
         s.UhrTyp = 'q';
         s.Schalter.Hoehenuhrart = 2;
         s.Par.HabermelDurchmesser = g;
         HabermelGnomonAusDurchmesser(2, g, s.Par.Breite, s.EpsRund, s.Par.HabermelGnomon);
     },
     {30, 120, 200}},
    {"biazimuthal", [](AppState& s, double) { s.UhrTyp = 'c'; }, {0}},
};

AppState zustand(const Familie& f, double breite, double groesse)
{
    AppState s;
    initialisiereZustand(s);
    s.Par.Breite = breite;
    f.stelle(s, groesse);
    return s;
}

// The number that follows the words vor in a text.
double zahlNach(const std::string& text, const std::string& vor)
{
    const std::size_t i = text.find(vor);
    return i == std::string::npos ? -1 : std::stod(text.substr(i + vor.size()));
}

} // namespace

TEST(AzimutalSeiten, APageIsRefusedExactlyWhenTheDialWouldLeaveItAndNothingElseLeavesItsSheetUnsaid)
{
    for (const Familie& fam : familien)
        for (const double groesse : fam.groessen)
            for (const double breite : {47.25, -33.87, 64.1})
                for (const Sicht& v : {kSchirm, kSchirmKlein, kSeiteA4, kSeiteA3, kSeiteA4Hoch, kSeiteA3Hoch, kPlot}) {
                    SCOPED_TRACE(testing::Message() << fam.name << " " << groesse << " at " << breite << ", " << v.name);
                    const Blattinhalt b = zeichneInSicht(zustand(fam, breite, groesse), v, kSchirm, {PromptAnswer::No});
                    const std::string aus = ausserhalb(b, v);
                    if (v.seite)
                        EXPECT_EQ(b.nein.empty(), aus.empty()) << aus << b.nein;
                    else
                        EXPECT_TRUE(aus.empty() || (v.plot ? plotWarnt(b) : !b.meldungen.empty())) << aus;
                }
}

TEST(AzimutalSeiten, TheLargestDateCirclePlateIsRefusedOnAPortraitPageInTheUsersLanguage)
{
    for (const bool deutsch : {true, false}) {
        AppState s = zustand(familien[0], 47.25, 200);
        setzeSprache(s, deutsch);
        const std::string nein = zeichneInSicht(s, kSeiteA4Hoch).nein;
        EXPECT_NE(nein.find("200.0 mm"), std::string::npos) << nein;
        EXPECT_NE(nein.find(deutsch ? "Bitte quer" : "Please print in landscape"), std::string::npos) << nein;
        EXPECT_EQ(zeichneInSicht(s, kSeiteA4).nein, "");
    }
}

// The horizon circle's radius is what the degree ring leaves of the plate: below the smallest
// plate named the dial is refused in every view, from it on it draws, without a word, on the
// sheet. The barrel law sizes its ring from the plate and draws any plate.
TEST(AzimutalSeiten, AltitudeCirclesRefuseAPlateTooSmallForTheirRingAndNameTheSmallestThatDraws)
{
    for (const int gesetz : {0, 1, 2})
        for (const Sicht& v : {kSchirm, kSchirmKlein, kSeiteA4, kPlot})
            for (const bool deutsch : {true, false}) {
                SCOPED_TRACE(testing::Message() << "law " << gesetz << ", " << v.name << (deutsch ? ", German" : ""));
                const auto zeichne = [&](double platte, std::string& nein) {
                    AppState s;
                    initialisiereZustand(s);
                    azimutal(s, 1, gesetz, platte);
                    setzeSprache(s, deutsch);
                    const Blattinhalt b = zeichneInSicht(s, v, kSchirm);
                    nein = v.seite || v.plot ? b.nein : b.meldungen.empty() ? "" : b.meldungen.front().text;
                    return b;
                };
                std::string nein;
                zeichne(3, nein);
                EXPECT_EQ(nein.empty(), gesetz == 1) << nein;
                if (gesetz == 1)
                    continue;
                const double kleinste = zahlNach(nein, deutsch ? "kleinste Grundplatte ist hier " : "smallest base plate here is ");
                EXPECT_GT(kleinste, 3);
                EXPECT_LT(kleinste, 25);
                std::string darunter;
                zeichne(kleinste - 0.1, darunter);
                EXPECT_FALSE(darunter.empty());
                const Blattinhalt b = zeichne(kleinste, nein);
                EXPECT_EQ(nein, "");
                EXPECT_EQ(ausserhalb(b, v), "");
                EXPECT_GT(b.striche.size(), 100u);
            }
}

// The print's page has margins of its own; the heading block moves by them, and the legend
// below it with it (clear of the heading and of everything else).
TEST(AzimutalSeiten, HabermelOneLegendStaysBelowItsHeadingWithThePrintersMargins)
{
    for (const Sicht& v : {kSeiteA4, kSeiteA3, kSeiteA4Hoch})
        for (const double breite : {28.6, 51.5, 64.1}) {
            SCOPED_TRACE(testing::Message() << v.name << " at " << breite);
            AppState s = zustand(familien[5], breite, 30);
            setzeSprache(s, false);
            RecordingCanvas c(v.breite, v.hoehe, true);
            HabermelZiel z{&c, v.breite, v.hoehe, false};
            z.druckRandX = 70;
            z.druckRandY = 50;
            zeichneHabermel(s, z, s.Par.HabermelGnomon);
            const auto legende = [](const std::string& text) { return text.starts_with("= ") || text.starts_with("  ("); };
            for (const Befund& f : pruefeLayout(c))
                EXPECT_FALSE(f.art == Befundart::Ueberdeckung && (legende(f.text) || legende(f.zweiter))) << f.meldung;
        }
}
