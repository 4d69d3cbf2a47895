// The cylinders on the sheets the user can choose: a month axis shortened for the page says so,
// and only where the page is too narrow for it (what leaves a sheet without a word is the
// drawing-table sweep's to find).
#include "core/Sprachdienst.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace umbrin;
using namespace umbrin::test;

namespace {

struct Familie {
    const char* name;
    char typ;
    int art; // the cylinder's sub-type
    void (*klein)(AppState&);
    void (*gross)(AppState&);
};

const Familie kFamilien[] = {
    {"shepherd's cylinder", 'z', 0, [](AppState& s) { s.Par.Skalenlaenge = 3; s.SkalaZylinder = 0; },
     [](AppState& s) { s.Par.Skalenlaenge = 220; s.SkalaZylinder = 400; }},
    {"filter-hat cylinder", 'z', 1, [](AppState& s) { s.Par.Skalenlaenge = 3; s.SkalaZylinder = 0; },
     [](AppState& s) { s.Par.Skalenlaenge = 220; s.SkalaZylinder = 400; }},
    {"polar-rod cylinder", 'z', 2, [](AppState& s) { s.Par.ZylZeiger = 3; s.Par.ZylRadius = 4; },
     [](AppState& s) { s.Par.ZylZeiger = 220; s.Par.ZylRadius = 500; }},
};

AppState zustand(const Familie& f, double breite, int groesse)
{
    AppState s;
    initialisiereZustand(s);
    setzeSprache(s, false);
    s.UhrTyp = f.typ;
    s.Schalter.ZylinderArt = static_cast<std::uint8_t>(f.art);
    s.Par.Breite = breite;
    if (groesse < 0)
        f.klein(s);
    if (groesse > 0)
        f.gross(s);
    s.Schalter.Sonnenhoehe = groesse != 0; // the altitude strip beside the face at the limits
    return s;
}

// What of the drawing reaches off the sheet.
std::string ausserhalb(const Blattinhalt& b)
{
    std::string was;
    for (const Befund& f : pruefeLayout(b.roh, {0, 0, b.breite, b.hoehe}))
        if (f.art == Befundart::StrichAusserhalb || f.art == Befundart::TextAusserhalb || f.art == Befundart::TextAngeschnitten)
            was += (was.empty() ? "" : "; ") + f.meldung;
    return was;
}

} // namespace

// The shepherd's and the filter-hat cylinder at an axis of 200 mm, which the dialog takes and
// a landscape page holds: the axis is shortened, and its red note written, only where the page
// is too narrow for it; what is drawn then stays on the page.
TEST(ZylinderBlatt, TheAxisIsShortenedOnlyWhereThePageIsTooNarrow)
{
    struct Fall {
        const Sicht& v;
        bool gekuerzt;
    };
    for (const Familie& f : {kFamilien[0], kFamilien[1]}) {
        for (const Fall& fall : {Fall{kSchirm, false}, Fall{kSchirmKlein, false}, Fall{kSeiteA4, false},
                                 Fall{kSeiteA3, false}, Fall{kSeiteA4Hoch, true}, Fall{kSeiteA3Hoch, false}}) {
            SCOPED_TRACE(testing::Message() << f.name << " " << fall.v.name);
            AppState s = zustand(f, 51.5, 0);
            s.SkalaZylinder = 200;
            const Blattinhalt b = zeichneInSicht(s, fall.v);
            const bool notiz = std::any_of(b.texte.begin(), b.texte.end(), [](const Beschriftung& t) {
                return t.text.find("month axis too long, therefore reduced") != std::string::npos;
            });
            EXPECT_EQ(notiz, fall.gekuerzt);
            EXPECT_EQ(ausserhalb(b), "");
        }
    }

    // The largest pointer, drawn at true size in the legend, is wider than a portrait A4 page
    // only: there its end is left off, and the user is told in the interface's language.
    for (const Familie& f : {kFamilien[0], kFamilien[1], kFamilien[2]}) {
        for (const Fall& fall : {Fall{kSeiteA4, false}, Fall{kSeiteA3Hoch, false}, Fall{kSeiteA4Hoch, true}}) {
            SCOPED_TRACE(testing::Message() << f.name << " " << fall.v.name);
            AppState s = zustand(f, 51.5, 1);
            const bool deutsch = f.art != 1;
            setzeSprache(s, deutsch);
            const Blattinhalt b = zeichneInSicht(s, fall.v);
            const bool gesagt = std::any_of(b.meldungen.begin(), b.meldungen.end(), [&](const Konstruktionsmeldung& m) {
                return m.text.find(deutsch ? "breiter als das Blatt" : "wider than the sheet") != std::string::npos;
            });
            EXPECT_EQ(gesagt, fall.gekuerzt);
        }
    }
}
