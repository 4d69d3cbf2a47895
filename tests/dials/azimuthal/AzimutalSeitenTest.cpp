// The azimuthal family on every page the print dialog offers, both screens and the plot.
#include "core/Sprachdienst.h"
#include "dialogs/HabermelGeometrie.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <tuple>

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

// 'a' with its circles (art 0 date, 1 altitude) and variant (zodiac scale, radial law), 'q'
// with the Habermel dial (art); g its plate, gnomon or diameter.
AppState zustand(char typ, int art, int variante, double breite, double g, bool deutsch)
{
    AppState s;
    initialisiereZustand(s);
    setzeSprache(s, deutsch);
    s.UhrTyp = typ;
    s.Par.Breite = breite;
    s.Schalter.AzimutKreise = s.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(art);
    s.Schalter.ZodiakSkala = s.Schalter.Hoehenkreise = static_cast<std::uint8_t>(variante);
    s.AzGrundplatte = s.Par.HabermelGnomon = g;
    if (typ == 'q' && art == 2) {
        s.Par.HabermelDurchmesser = g;
        HabermelGnomonAusDurchmesser(2, g, breite, s.EpsRund, s.Par.HabermelGnomon);
    }
    return s;
}

} // namespace

// A page is refused before printing, in the user's language, exactly when the dial would leave
// it; a screen or plot that loses something says so. Sizes at the dialog's ends (the altitude
// circles' smallest plate that draws) and at the start.
TEST(AzimutalSeiten, APageIsRefusedExactlyWhenTheDialWouldLeaveItAndNothingElseLeavesItsSheetUnsaid)
{
    const std::tuple<char, int, int, std::vector<double>> familien[] = {
        {'a', 0, 0, {3, 180, 200}}, {'a', 0, 1, {3, 180, 200}}, {'a', 1, 0, {20, 180, 200}}, {'a', 1, 1, {3, 180, 200}},
        {'a', 1, 2, {20, 180, 200}}, {'q', 1, 0, {9, 30, 100}}, {'q', 2, 0, {30, 120, 200}}, {'c', 0, 0, {0}}};
    for (const auto& [typ, art, variante, groessen] : familien)
        for (const double g : groessen)
            for (const double breite : {47.25, -33.87, 64.1, 28.6})
                for (const Sicht& v : {kSchirm, kSchirmKlein, kSeiteA4, kSeiteA3, kSeiteA4Hoch, kSeiteA3Hoch, kPlot}) {
                    SCOPED_TRACE(testing::Message() << typ << art << variante << " " << g << " at " << breite << ", " << v.name);
                    const Blattinhalt b = zeichneInSicht(zustand(typ, art, variante, breite, g, breite > 0), v, kSchirm, {PromptAnswer::No});
                    const std::string aus = ausserhalb(b, v);
                    // A plot's word comes besides the report that the file was saved.
                    EXPECT_TRUE(v.seite || aus.empty() || (v.plot ? b.gesagt.size() > 1 : !b.meldungen.empty())) << aus;
                    EXPECT_TRUE(!v.seite || b.nein.empty() == aus.empty()) << aus << b.nein;
                    EXPECT_TRUE(!v.seite || b.nein.empty() || b.nein.find(breite > 0 ? " Seite" : " page") != std::string::npos);
                }
}

// Below the smallest plate named, the degree ring leaves the altitude circles no horizon: they
// are refused in every view; from it on they draw, without a word, on the sheet. The barrel
// law sizes its ring from the plate and draws any plate.
TEST(AzimutalSeiten, AltitudeCirclesRefuseAPlateTooSmallForTheirRingAndNameTheSmallestThatDraws)
{
    for (const int gesetz : {0, 1, 2})
        for (const Sicht& v : {kSchirm, kSchirmKlein, kSeiteA4, kPlot})
            for (const bool deutsch : {true, false}) {
                SCOPED_TRACE(testing::Message() << "law " << gesetz << ", " << v.name << (deutsch ? ", German" : ""));
                std::string nein;
                const auto zeichne = [&](double platte) {
                    const Blattinhalt b = zeichneInSicht(zustand('a', 1, gesetz, 47.25, platte, deutsch), v);
                    nein = v.seite || v.plot || b.meldungen.empty() ? b.nein : b.meldungen.front().text;
                    return ausserhalb(b, v);
                };
                zeichne(3);
                const std::string vor = deutsch ? "kleinste Grundplatte ist hier " : "smallest base plate here is ";
                ASSERT_EQ(nein.find(vor) == std::string::npos, gesetz == 1) << nein;
                const double kleinste = gesetz == 1 ? 3.1 : std::stod(nein.substr(nein.find(vor) + vor.size()));
                zeichne(kleinste - 0.1);
                EXPECT_EQ(nein.empty(), gesetz == 1);
                EXPECT_EQ(zeichne(kleinste), "");
                EXPECT_EQ(nein, "");
            }
}

// A Habermel I plot whose hour numbers or signs would leave its sheet is refused, naming the
// longest gnomon that keeps them on it: that one is written whole, a millimetre more refused.
TEST(AzimutalSeiten, HabermelOnePlotTooTallIsRefusedWithTheLongestGnomonThatFits)
{
    for (const double breite : {28.6, 40.7})
        for (const bool deutsch : {true, false}) {
            AppState s = zustand('q', 1, 0, breite, 100, deutsch);
            const std::string nein = zeichneInSicht(s, kPlot).nein, vor = deutsch ? "höchstens " : "at most ";
            ASSERT_NE(nein.find(vor), std::string::npos) << nein;
            s.Par.HabermelGnomon = std::stod(nein.substr(nein.find(vor) + vor.size()));
            const Blattinhalt b = zeichneInSicht(s, kPlot);
            EXPECT_FALSE(b.verweigert);
            EXPECT_EQ(ausserhalb(b, kPlot), "");
            s.Par.HabermelGnomon += 1;
            EXPECT_TRUE(zeichneInSicht(s, kPlot).verweigert);
        }
}

// The page's margins move the heading block down, and the sign legend below it with it.
TEST(AzimutalSeiten, HabermelOneLegendStaysClearOfItsHeadingWithThePrintersMargins)
{
    for (const Sicht& v : {kSeiteA4, kSeiteA3, kSeiteA4Hoch})
        for (const double breite : {28.6, 51.5, 64.1}) {
            RecordingCanvas c(v.breite, v.hoehe, true);
            zeichneHabermel(zustand('q', 1, 0, breite, 30, false), {&c, v.breite, v.hoehe, false, nullptr, true, 70, 50}, 30);
            const auto legende = [](const std::string& text) { return text.starts_with("= ") || text.starts_with("  ("); };
            for (const Befund& f : pruefeLayout(c))
                EXPECT_FALSE(f.art == Befundart::Ueberdeckung && (legende(f.text) || legende(f.zweiter))) << f.meldung;
        }
}
