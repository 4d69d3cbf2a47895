// Every family of the drawing window's table opened after every other one, the other's foot
// placed by the user: on the screen and in the print's checks it is the family of a fresh start.
#include "drawing/Zeichnungstyp.h"
#include "drawing/Zeichnungszeilen.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace umbrin;
using namespace umbrin::test;

namespace {

std::vector<Zeichnungseintrag> alleZeilen()
{
    std::vector<Zeichnungseintrag> z;
    for (const auto liste : {zeilenEbene(), zeilenAzimutal(), zeilenHabermel(), zeilenHoehenuhr(), zeilenZylinder(),
                             zeilenPeaucellierSawyer(), zeilenQuadrant(), zeilenRing(), zeilenKegel()})
        for (const Zeichnungseintrag& e : liste)
            if (!(e.typ == 'r' && e.unterTyp == 1)) // the ring's correction view is a view of the ring
                z.push_back(e);
    return z;
}

// A fresh state holding the row's family, as its construction file does.
AppState zustand(const Zeichnungseintrag& e)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = e.typ;
    if (e.typ == kSchinkenZeile) {
        s.UhrTyp = 'h';
        s.SchinkenModus = 1;
        s.Par.HabermelGnomon = 30;
    }
    const auto unter = static_cast<std::uint8_t>(std::max(0, e.unterTyp));
    if (e.typ == 'a')
        s.Schalter.AzimutKreise = unter;
    if (e.typ == 'q')
        s.Schalter.Hoehenuhrart = unter;
    if (e.typ == 'z')
        s.Schalter.ZylinderArt = unter;
    return s;
}

// Opens a window on the state's family as the drawing window does and draws it; returns what
// it drew and what printing on an A4 page would answer.
std::string oeffne(AppState& s)
{
    Zeichenfensterzustand f;
    vergissPlatzierung(s, f);
    f.BildBreite = f.AktivBreite = kSchirm.breite;
    f.BildHoehe = f.AktivHoehe = kSchirm.hoehe;
    if (platzierungBeiAktivierung(s))
        setzePlatzierung(s, standardPlatzierung(s, kSchirm.breite, kSchirm.hoehe));
    RecordingCanvas c(kSchirm.breite, kSchirm.hoehe);
    Zeichenauftrag a{s, f, c, kSchirm.breite, kSchirm.hoehe, true, zeichenumgebung(f, true, false, 0, 0), 0, 0};
    a.arbeitsPfad = UMBRIN_BINARY_DIR;
    konstruiereBild(a, Zeichenanlass::Sonstiges);
    std::ostringstream o;
    for (const RecordedPrimitive& p : c.primitives()) {
        o << int(p.kind) << ' ' << p.text << ' ' << p.pen.color << ' ' << p.pen.width << ' ' << p.font.height;
        for (const CanvasPoint& q : p.points)
            o << ' ' << q.x << ',' << q.y;
        o << '\n';
    }
    ScriptedPrompt frage;
    const Zeichnungseintrag* e = bildeintrag(s, false);
    if (druckVorpruefung(s, f, e, frage))
        seitenPruefung(s, f, e, kSeiteA4.breite, kSeiteA4.hoehe, frage);
    for (const ScriptedPrompt::Frage& q : frage.asked)
        o << q.text << '\n';
    return o.str();
}

} // namespace

TEST(Familienwechsel, EachFamilyAfterEveryOtherDrawsAndPrintsAsAfterAFreshStart)
{
    const std::vector<Zeichnungseintrag> zeilen = alleZeilen();
    ASSERT_GE(zeilen.size(), 19u);
    // What each family leaves in the state: the placement of its drawing, then the foot the
    // user placed.
    std::vector<Platzierung> reste;
    for (const Zeichnungseintrag& a : zeilen) {
        AppState s = zustand(a);
        oeffne(s);
        s.FusspunktX = kSchirm.breite / 3;
        s.FusspunktY = kSchirm.hoehe * 4 / 5;
        reste.push_back(platzierungVon(s));
    }
    for (const Zeichnungseintrag& b : zeilen) {
        AppState frisch = zustand(b);
        const std::string erwartet = oeffne(frisch);
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            // The row's construction file loaded: it brings its own values, the placement stays.
            AppState t = zustand(b);
            setzePlatzierung(t, reste[i]);
            t.FusspunktGesetzt = 1;
            EXPECT_EQ(oeffne(t), erwartet) << b.typ << b.unterTyp << " after " << zeilen[i].typ << zeilen[i].unterTyp;
        }
    }
}
