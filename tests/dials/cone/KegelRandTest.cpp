// The cone dial where the drawing window shows it, on both screens and on a page: it warns that
// the cone is too large exactly when its footprint, axis or marks reach off the sheet, also when
// the window draws it before it has placed the foot.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "dialogs/Wertebereiche.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// The cone at a latitude on a plane, its tilt and axis given.
AppState kegel(double breite, std::uint8_t ebene, double neigung, double achse)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'm';
    SchiefeUndTierkreis(s, s.Par.Jahr);
    s.Par.Breite = breite;
    s.Schalter.Ebene = ebene;
    s.Par.KegelNeigung = neigung;
    s.Par.Gnomonhoehe = achse;
    setzeSprache(s, false);
    return s;
}

// The screen's image drawn as the window draws it before it places the dial: around the foot
// the state holds (a fresh state's).
Blattinhalt ungesetzt(AppState s, const Sicht& v)
{
    Zeichenfensterzustand zf;
    zf.BildBreite = zf.AktivBreite = v.breite;
    zf.BildHoehe = zf.AktivHoehe = v.hoehe;
    RecordingCanvas c(v.breite, v.hoehe);
    Zeichenauftrag z{s, zf, c, v.breite, v.hoehe, true, zeichenumgebung(zf, true, false, 0, 0), 0, 0};
    Konstruktionsmeldungen m = konstruiereBild(z, Zeichenanlass::Sonstiges);
    Blattinhalt b = leseCanvas(c);
    b.meldungen = std::move(m);
    return b;
}

bool warntZuGross(const Blattinhalt& b)
{
    return std::any_of(b.meldungen.begin(), b.meldungen.end(), [](const Konstruktionsmeldung& m) {
        return m.titel == PromptTitle::Warnung && m.text.find("cone is too large") != std::string::npos;
    });
}

// Whether a stroke in the cone's own colour (footprint, axis, the marks' crosses) has a point
// off the sheet within its margin.
bool konusDraussen(const Blattinhalt& b, Farbe farbe, double rand)
{
    for (const Strich& st : b.striche)
        if (st.farbe == farbe)
            for (const PlotPunkt& p : st.punkte)
                if (p.x < rand || p.y < rand || p.x > b.breite - rand || p.y > b.hoehe - rand)
                    return true;
    return false;
}

} // namespace

TEST(KegelRand, WarnsThatTheConeIsTooLargeExactlyWhenItLeavesTheSheet)
{
    struct Fall {
        double breite;
        std::uint8_t ebene;
        double neigung;
    };
    std::vector<Fall> faelle;
    for (const double b : {40.7, 19.4, -26.2, -41.3, 64.1, 47.25, -55.0, 30.0})
        faelle.push_back({b, 0, kegelNeigungGespeichert(b)});
    for (const double b : {35.0, 47.25, -35.0})
        faelle.push_back({b, 1, 60});
    faelle.push_back({47.25, 2, 60});
    for (const Fall& f : faelle)
        for (const double achse : {f.ebene == 1 ? 20.0 : 35.0, 500.0})
            for (const Sicht& v : {kSchirm, kSchirmKlein, kSeiteA4})
                for (const bool gesetzt : {true, false}) {
                    if (v.seite && !gesetzt)
                        continue;
                    SCOPED_TRACE(testing::Message() << f.breite << " plane " << int(f.ebene) << " axis " << achse
                                                    << " " << v.name << (gesetzt ? "" : " before placing"));
                    const AppState s = kegel(f.breite, f.ebene, f.neigung, achse);
                    const Blattinhalt b = gesetzt ? zeichneInSicht(s, v) : ungesetzt(s, v);
                    const bool draussen = konusDraussen(b, s.Farben[3], v.seite ? 50 : 0);
                    EXPECT_EQ(warntZuGross(b), draussen);
                    EXPECT_EQ(draussen, achse == 500.0);
                }
}
