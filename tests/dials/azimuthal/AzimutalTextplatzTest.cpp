// Where the azimuthal dials put their texts when they crowd: a temporal hour's number beside a
// clock hour's on the dial with altitude circles (temporal noon is clock noon), and the
// warning of the dial with date circles in the tropics. In every view, both projections of
// the places users meet, each text readable and on the sheet.
#include "core/Sprachdienst.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// A text's ink as the layout check takes it: on a canvas from its top left corner, 0.55 of
// its height a letter; in the plot from its lower left corner, letters 72 wide in cells of 108
// and 108 high (the hour numbers' size).
std::array<double, 4> kasten(const Beschriftung& t, bool plot)
{
    const double n = double(t.text.size());
    if (plot)
        return {t.an.x, t.an.y + 5, t.an.x + 108 * n - 36, t.an.y + 103};
    return {t.an.x, t.an.y + 0.15 * t.hoehe, t.an.x + 0.55 * t.hoehe * n, t.an.y + t.hoehe};
}

bool ueber(const std::array<double, 4>& a, const std::array<double, 4>& b)
{
    return a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
}

} // namespace

TEST(AzimutalTextplatz, TemporalNumbersStandClearOfTheClockNumbersInEveryProjectionAndView)
{
    for (const int gesetz : {0, 1, 2})
        for (const double phi : {47.25, -33.87, 66.0, 55.0, -55.0, 23.44, 15.0, -15.0, 10.0, 2.0})
            for (const Sicht& v : kSichten) {
                SCOPED_TRACE(testing::Message() << v.name << " law " << gesetz << " phi " << phi);
                AppState s;
                initialisiereZustand(s);
                s.UhrTyp = 'a';
                s.Schalter.AzimutKreise = 1;
                s.Schalter.Hoehenkreise = static_cast<std::uint8_t>(gesetz);
                s.Schalter.Temporalstunden = 1;
                s.Schalter.Ekliptik = 0;
                s.Par.Breite = phi;
                const Blattinhalt b = zeichneInSicht(s, v);
                std::vector<Beschriftung> uhr, temporal;
                for (const Beschriftung& t : b.texte)
                    if (zahlIn(t.text) >= 0 && (v.plot ? t.stift == 2 : t.farbe == s.Farben[1]))
                        uhr.push_back(t);
                    else if (zahlIn(t.text) >= 0 && (v.plot ? t.stift == 8 : t.farbe == s.Farben[7]))
                        temporal.push_back(t);
                // Temporal hours 1 to 6 are all lit on the solstice; the barrel's plot numbers
                // the even hours only.
                EXPECT_EQ(temporal.size(), v.plot && gesetz == 1 ? 3u : 6u);
                for (const Beschriftung& t : temporal)
                    for (const Beschriftung& u : uhr)
                        EXPECT_FALSE(ueber(kasten(t, v.plot), kasten(u, v.plot)))
                            << "temporal " << t.text << " on clock " << u.text << " at " << t.an.x << "," << t.an.y << " and " << u.an.x << "," << u.an.y;
            }
}

TEST(AzimutalTextplatz, TropicalWarningStaysOnTheSheetAndOffTheNumbers)
{
    const Sicht hochkant{"page A4 portrait", 2100, 2970, true};
    for (const bool deutsch : {true, false})
        for (const int skala : {0, 1})
            for (const double phi : {23.44, 15.0, 10.0, 2.0, -2.0, -15.0, -23.0})
                for (const Sicht& v : {kSchirm, kSchirmKlein, kSeiteA4, kSeiteA3, hochkant}) {
                    SCOPED_TRACE(testing::Message() << v.name << " phi " << phi << " scale " << skala << " " << deutsch);
                    AppState s;
                    initialisiereZustand(s);
                    setzeSprache(s, deutsch);
                    s.UhrTyp = 'a';
                    s.Schalter.AzimutKreise = 0;
                    s.Schalter.ZodiakSkala = static_cast<std::uint8_t>(skala);
                    s.Par.Breite = phi;
                    const Blattinhalt b = zeichneInSicht(s, v, v);
                    // The warning's lines: the long black texts larger than the legend's.
                    const std::string warnung = deutsch ? "Azimutalsonnenuhren" : "azimuthal sundials";
                    std::string gelesen;
                    std::vector<Beschriftung> teile, andere;
                    for (const Beschriftung& t : b.texte)
                        (t.farbe == FarbeSchwarz && t.text.size() > 8 && t.hoehe > 14 ? teile : andere).push_back(t);
                    for (const Beschriftung& t : teile)
                        gelesen += t.text + " ";
                    EXPECT_NE(gelesen.find(warnung), std::string::npos) << gelesen;
                    for (const Beschriftung& t : teile) {
                        const auto k = kasten(t, false);
                        EXPECT_TRUE(k[0] >= 0 && k[1] >= 0 && k[2] <= b.breite && k[3] <= b.hoehe) << t.text;
                        for (const Beschriftung& z : andere)
                            EXPECT_FALSE(zahlIn(z.text) >= 0 && ueber(k, kasten(z, false))) << t.text << " on " << z.text;
                    }
                }
}
