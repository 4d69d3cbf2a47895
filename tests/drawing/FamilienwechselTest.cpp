// Every family of the drawing window's table opened after every other one, the other's foot
// placed by the user: on the screen and in the print's checks it is the family of a fresh start.
#include "drawing/Zeichnungstyp.h"
#include "drawing/Zeichnungszeilen.h"
#include "support/Ansichten.h"

#include <gtest/gtest.h>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// A window opened on the state as the drawing window opens one: what it draws, and what a
// print on an A4 page answers.
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
    konstruiereBild(a, Zeichenanlass::Sonstiges);
    std::string abdruck;
    for (const RecordedPrimitive& p : c.primitives())
        for (const CanvasPoint& q : p.points)
            abdruck += p.text + " " + std::to_string(q.x) + " " + std::to_string(q.y) + "\n";
    ScriptedPrompt frage;
    if (druckVorpruefung(s, f, bildeintrag(s, false), frage))
        seitenPruefung(s, f, bildeintrag(s, false), kSeiteA4.breite, kSeiteA4.hoehe, frage);
    return abdruck + (frage.asked.empty() ? "" : frage.asked.back().text);
}

} // namespace

TEST(Familienwechsel, EachFamilyAfterEveryOtherDrawsAndPrintsAsAfterAFreshStart)
{
    // The rows' families as their construction files hold them (the ring's correction view is
    // a view of the ring; the ham dial at a size its dialog takes).
    std::vector<AppState> familien;
    for (const auto zeilen : {zeilenEbene(), zeilenAzimutal(), zeilenHabermel(), zeilenHoehenuhr(), zeilenZylinder(),
                              zeilenPeaucellierSawyer(), zeilenQuadrant(), zeilenRing(), zeilenKegel()})
        for (const Zeichnungseintrag& e : zeilen) {
            AppState& s = familien.emplace_back();
            initialisiereZustand(s);
            s.UhrTyp = e.typ == kSchinkenZeile ? 'h' : e.typ;
            s.SchinkenModus = e.typ == kSchinkenZeile;
            s.Par.HabermelGnomon = s.SchinkenModus ? 30 : s.Par.HabermelGnomon;
            const auto unter = static_cast<std::uint8_t>(std::max(0, e.unterTyp));
            (e.typ == 'a' ? s.Schalter.AzimutKreise : e.typ == 'q' ? s.Schalter.Hoehenuhrart : s.Schalter.ZylinderArt) = unter;
            if (e.typ == 'r' && e.unterTyp == 1)
                familien.pop_back();
        }
    // What each family leaves in the state: the placement its window made, taken for the user's.
    // Then the row's construction file is loaded: it brings its own values, the placement stays.
    std::vector<Platzierung> reste;
    for (AppState a : familien) {
        oeffne(a);
        reste.push_back(platzierungVon(a));
    }
    for (const AppState& b : familien) {
        AppState frisch = b;
        const std::string erwartet = oeffne(frisch);
        for (std::size_t i = 0; i < reste.size(); ++i) {
            AppState t = b;
            setzePlatzierung(t, reste[i]);
            t.FusspunktGesetzt = 1;
            EXPECT_EQ(oeffne(t), erwartet) << b.UhrTyp << unterTyp(b) << " after " << familien[i].UhrTyp << unterTyp(familien[i]);
        }
    }
}
