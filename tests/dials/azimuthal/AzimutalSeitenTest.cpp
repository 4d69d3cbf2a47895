// The azimuthal family on every page the print dialog offers, both screens and the plot.
#include "core/Sprachdienst.h"
#include "dialogs/HabermelGeometrie.h"
#include "dials/azimuthal/HabermelZeichnung.h"
#include "support/Ansichten.h"
#include "support/Zahl.h"

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

// 'a' with circles art and variant (zodiac scale, radial law), 'q' Habermel art; g its size.
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
// it; a screen or plot that loses something says so. Sizes at their ends and start.
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
                    EXPECT_TRUE(v.seite || aus.empty() || (v.plot ? !b.gesagt.empty() : !b.meldungen.empty())) << aus;
                    EXPECT_TRUE(!v.seite || b.nein.empty() == aus.empty()) << aus << b.nein;
                    EXPECT_TRUE(!v.seite || b.nein.empty() || b.nein.find(breite > 0 ? " Seite" : " page") != std::string::npos);
                }
}

// At the limit a refusal or warning names (the altitude circles' smallest plate, not for the
// barrel law, and the Habermel I plot's longest gnomon) the dial draws, without a word, on the sheet; beyond it not.
TEST(AzimutalSeiten, ARefusedSizeNamesTheLimitAtWhichTheDialDrawsOnTheSheet)
{
    const std::tuple<char, int, double, double, double, const char*, const char*> faelle[] = {
        {'a', 0, 47.25, 3, -0.1, "Grundplatte ist hier ", "base plate here is "},
        {'a', 2, 47.25, 3, -0.1, "Grundplatte ist hier ", "base plate here is "},
        {'a', 1, 47.25, 3, 0, "Grundplatte ist hier ", "base plate here is "},
        {'q', 0, 28.6, 100, 1, "höchstens ", "at most "},
        {'q', 0, 40.7, 100, 1, "höchstens ", "at most "}};
    for (const auto& [typ, variante, breite, g, schritt, de, en] : faelle)
        for (const Sicht& v : typ == 'q' ? std::vector{kPlot} : std::vector{kSchirm, kSchirmKlein, kSeiteA4, kPlot})
            for (const bool deutsch : {true, false}) {
                SCOPED_TRACE(testing::Message() << typ << variante << " at " << breite << ", " << v.name << (deutsch ? ", German" : ""));
                std::string nein;
                const auto zeichne = [&, typ = typ, variante = variante, breite = breite](double groesse) {
                    const Blattinhalt b = zeichneInSicht(zustand(typ, 1, variante, breite, groesse, deutsch), v);
                    nein = v.seite || v.plot || b.meldungen.empty() ? b.nein : b.meldungen.front().text;
                    if (v.plot && !b.gesagt.empty()) // the Habermel I plot is written with its warning
                        nein += b.gesagt.front();
                    return ausserhalb(b, v);
                };
                zeichne(g);
                const std::string vor = deutsch ? de : en;
                ASSERT_EQ(nein.find(vor) == std::string::npos, schritt == 0) << nein;
                const double grenze = schritt == 0 ? g : test::zahl(nein.substr(nein.find(vor) + vor.size()));
                EXPECT_EQ(zeichne(grenze), "");
                EXPECT_EQ(nein, "");
                zeichne(grenze + schritt);
                EXPECT_EQ(nein.empty(), schritt == 0);
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
