// The ring dial's rows of the drawing window: the dial draws, prints and plots, with a check
// before any file is opened; its correction view draws and prints but is not exported. A
// printed ring says when its half is longer than the page's printable width, and when it was
// printed smaller than entered and at what size, and keeps its zodiac key on a portrait page;
// reduced, it is printed at the largest size at which all of it stays on the page.
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "dials/ring/RingSonnenuhr.h"
#include "dials/ring/RingZeichnung.h"
#include "drawing/Blattrand.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/Ansichten.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(ZeilenRing, DialAndCorrectionView)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'r';
    const Zeichnungseintrag* dial = zeichnungseintrag(s, false);
    ASSERT_NE(dial, nullptr);
    EXPECT_TRUE(dial->bildschirm && dial->druck && dial->plot && dial->vorExport);
    EXPECT_EQ(dial->vorExport(s), "");
    s.Par.RingBreite = 0;
    EXPECT_NE(dial->vorExport(s), "");
    s.Par.RingBreite = 80;
    s.Par.RingDurchmesser = -1;
    EXPECT_NE(dial->vorExport(s), "");

    const Zeichnungseintrag* korrektur = zeichnungseintrag(s, true);
    ASSERT_NE(korrektur, nullptr);
    EXPECT_NE(korrektur, dial);
    EXPECT_TRUE(korrektur->bildschirm && korrektur->druck);
    EXPECT_EQ(korrektur->plot, nullptr);
}

TEST(ZeilenRing, APageSaysWhenTheHalfRingIsLongerOrTheRingReducedAndKeepsEverythingOnIt)
{
    // In the tropics the ring of a new file is too large for either A4 page the print dialog
    // gives: it is reduced, with every word on the paper.
    // gedruckt: the diameter it is printed at, the largest at which all of it stays on the page
    // (in German and in English, whose texts differ in width).
    struct Fall {
        const test::Sicht* seite;
        double durchmesser;
        bool laenger, verkleinert;
        double breite = 47.25;
        std::array<double, 2> gedruckt = {};
    };
    for (const bool deutsch : {true, false})
        for (const Fall f : {Fall{&test::kSeiteA4, 150, false, false}, {&test::kSeiteA4, 200, true, true},
                             {&test::kSeiteA4Hoch, 130, false, true}, {&test::kSeiteA4Hoch, 150, true, true},
                             {&test::kSeiteA3Hoch, 150, false, false}, {&test::kDruckA4, 150, false, true, 13.7, {125.5, 125.2}},
                             {&test::kDruckA4Hoch, 150, false, true, 13.7, {99.7, 99.7}}, {&test::kDruckA4Hoch, 150, false, true, -22.9}}) {
            SCOPED_TRACE(testing::Message() << f.seite->name << " " << f.durchmesser << " " << deutsch << " " << f.breite);
            AppState s;
            initialisiereZustand(s);
            setzeSprache(s, deutsch);
            s.UhrTyp = 'r';
            s.Par.Breite = f.breite;
            s.Par.RingDurchmesser = f.durchmesser;
            const test::Blattinhalt b = test::zeichneInSicht(s, *f.seite);
            EXPECT_EQ(b.nein, "");
            std::string gesagt;
            for (const Konstruktionsmeldung& m : b.meldungen)
                gesagt += m.text + "\n";
            const char* halbring = deutsch ? "Der Halbring ist länger als der Druckbereich!"
                                           : "The half ring is longer than the printable area!";
            EXPECT_EQ(gesagt.find(halbring) != std::string::npos, f.laenger) << gesagt;
            // A reduced ring is told with the diameter its header prints.
            const auto kopfzahl = [&](const std::vector<test::Beschriftung>& texte) {
                std::string zahl;
                for (const test::Beschriftung& t : texte)
                    if (t.text.rfind(deutsch ? "Durchmesser =" : "Diameter =", 0) == 0)
                        zahl = t.text.substr(t.text.find_first_not_of(' ', t.text.find('=') + 1));
                return zahl;
            };
            const std::string zahl = kopfzahl(b.texte);
            const std::string verkleinert = deutsch ? "verkleinert gedruckt, um auf die Seite zu passen: Durchmesser "
                                                    : "printed reduced to fit the page: diameter ";
            EXPECT_EQ(test::zahl(zahl) < f.durchmesser, f.verkleinert);
            EXPECT_EQ(gesagt.find(verkleinert) != std::string::npos, f.verkleinert) << gesagt;
            EXPECT_EQ(gesagt.find(verkleinert + zahl + " mm") != std::string::npos, f.verkleinert) << gesagt;
            EXPECT_EQ(test::abseits(test::pruefeLayout(b.roh, {0, 0, b.breite, b.hoehe}, {}, f.seite->drucker), true), "");
            const double gedruckt = f.gedruckt[deutsch ? 0 : 1];
            if (gedruckt == 0)
                continue;
            // Drawn at a diameter (its width in proportion) as the page draws a reduced ring: just
            // below the printed size whole on the page at that size, every part by its ink and the
            // zodiac key and the footer on it; a little larger, something is off the page or left
            // out. (On the portrait page the ring's own rule for the half ring's length, nine tenths
            // of the width, sets its size.)
            EXPECT_NEAR(test::zahl(zahl), gedruckt, 0.05);
            if (f.seite->hoehe > f.seite->breite)
                continue;
            for (const double d : {gedruckt - 0.1, gedruckt + 0.3}) {
                Probeseite c(f.seite->breite, f.seite->hoehe, test::seitenTextmass());
                c.setFont({"Arial", 40, false, FarbeSchwarz});
                const double breite = s.Par.RingBreite * d / s.Par.RingDurchmesser;
                std::string weg;
                for (const Konstruktionsmeldung& m : zeichneRingsonnenuhr(s, c, c.width(), c.height(), false, true, d,
                                                                          s.Par.RingAlpha, breite, nullptr, true))
                    if (m.text.find(verkleinert) == std::string::npos && m.text != ringGekapptText(s, true)
                        && m.text != ringGekapptText(s, false))
                        weg += m.text + "\n";
                weg += test::abseits(test::pruefeLayout(c.primitives(), {0, 0, b.breite, b.hoehe}, {}, true));
                if (std::fabs(test::zahl(kopfzahl(test::leseCanvas(c).texte)) - d) > 0.05)
                    weg += "drawn at " + kopfzahl(test::leseCanvas(c).texte) + " mm";
                EXPECT_EQ(weg.empty(), d < gedruckt) << d << " mm: " << weg;
            }
        }
}
