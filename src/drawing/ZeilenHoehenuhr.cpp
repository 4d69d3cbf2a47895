// The drawing window's rows of the altitude dials: the horizontal altitude dial ('k', and 'b'
// with the cylinder's pointer length as its edge height), the shepherd's cylinder ('z'
// sub-type 0) and the ham dial, which the screen and the page show in ham mode whatever the
// type.
#include "drawing/Zeichnungszeilen.h"

#include "dials/altitude/HoehenuhrHpgl.h"
#include "dials/altitude/KonstruiereZylinderSU.h"
#include "dials/altitude/ZeichneHidokei.h"
#include "dials/altitude/ZeichneHirtenSU.h"
#include "dials/altitude/ZeichneSchinkenSU.h"
#include "dialogs/Wertebereiche.h"

#include <array>

namespace umbrin {
namespace {

// The edge height of the horizontal altitude dial by letter.
int kantenhoehe(const AppState& s)
{
    return s.UhrTyp == 'b' ? s.Par.Skalenlaenge : s.Par.HidokaiZeiger;
}

Konstruktionsmeldungen hoehenuhrBild(Zeichenauftrag& a, int groesse)
{
    return konstruiereZylinderSU(a.s, a.canvas,
                                 {a.breite, a.hoehe, true, static_cast<double>(groesse), a.umgebung.GrosserBildschirm});
}

Konstruktionsmeldungen hidokeiBild(Zeichenauftrag& a) { return hoehenuhrBild(a, kantenhoehe(a.s)); }

Konstruktionsmeldungen hidokeiSeite(Zeichenauftrag& a)
{
    return zeichneHidokei(a.s, a.canvas, {a.breite, a.hoehe, false, kantenhoehe(a.s)});
}

Konstruktionsmeldungen hirtenBild(Zeichenauftrag& a) { return hoehenuhrBild(a, a.s.Par.Skalenlaenge); }

Konstruktionsmeldungen hirtenSeite(Zeichenauftrag& a)
{
    return zeichneHirtenSU(a.s, a.canvas, {a.breite, a.hoehe, false, a.s.Par.Skalenlaenge, a.umgebung.GrosserBildschirm});
}

Plotergebnis hoehenuhrPlot(Plotauftrag& a, int groesse, bool zylinder)
{
    const std::string nein = schreibeHoehenuhrHPGL(a.s, a.plot, a.frage, {groesse, zylinder});
    if (!nein.empty())
        return Plotergebnis::abgelehnt(nein, PromptTitle::Fehler, PromptIcon::Error);
    return Plotergebnis::geschrieben();
}

Plotergebnis hidokeiPlot(Plotauftrag& a) { return hoehenuhrPlot(a, kantenhoehe(a.s), false); }
Plotergebnis hirtenPlot(Plotauftrag& a) { return hoehenuhrPlot(a, a.s.Par.Skalenlaenge, true); }

std::string hidokeiVorExport(const AppState& s) { return hoehenuhrPlotVerweigerung(s, false); }
std::string hirtenVorExport(const AppState& s) { return hoehenuhrPlotVerweigerung(s, true); }

// The ham dial with the marked hour points of the drawing window.
Konstruktionsmeldungen schinken(Zeichenauftrag& a, bool bildschirm)
{
    SchinkenAuftrag h;
    h.breite = a.breite;
    h.hoehe = a.hoehe;
    h.bildschirm = bildschirm;
    h.groesse = a.s.Par.HabermelGnomon;
    h.punkteZeigen = a.s.StundenpunkteZeigen != 0;
    for (const Stundenpunkt& p : a.f.punkte.alle()) {
        if (p.belegt)
            h.punkte.push_back({p.x, p.y});
    }
    h.bildBreite = a.f.BildBreite;
    h.bildHoehe = a.f.BildHoehe;
    return zeichneSchinkenSU(a.s, a.canvas, h);
}

Konstruktionsmeldungen schinkenBild(Zeichenauftrag& a) { return schinken(a, true); }
Konstruktionsmeldungen schinkenSeite(Zeichenauftrag& a) { return schinken(a, false); }

static_assert(kSchinkenKleinsteGroesse == DialogBereich::HabermelGnomon.von,
              "the page check names the dialog's smallest size");

std::string schinkenAufSeite(const AppState& s, int breite, int hoehe, CanvasPoint)
{
    return schinkenSeitenpruefung(s, s.Par.HabermelGnomon, breite, hoehe);
}

constexpr std::array<Zeichnungseintrag, 4> zeilen = {{
    {'k', -1, hidokeiBild, hidokeiSeite, hidokeiPlot, nullptr, PlotPlatzierung::Keine, DruckPlatzierung::Keine,
     hidokeiVorExport},
    {'b', -1, hidokeiBild, hidokeiSeite, hidokeiPlot, nullptr, PlotPlatzierung::Keine, DruckPlatzierung::Keine,
     hidokeiVorExport},
    {'z', 0, hirtenBild, hirtenSeite, hirtenPlot, nullptr, PlotPlatzierung::Keine, DruckPlatzierung::Keine,
     hirtenVorExport},
    {kSchinkenZeile, -1, schinkenBild, schinkenSeite, nullptr, nullptr, PlotPlatzierung::Keine,
     DruckPlatzierung::Keine, nullptr, schinkenAufSeite},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenHoehenuhr()
{
    return zeilen;
}

} // namespace umbrin
