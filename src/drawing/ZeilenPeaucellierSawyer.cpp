// The drawing window's rows of the Peaucellier azimuth dial and the Sawyer dial: screen,
// page and plot. Both refuse a latitude they cannot draw before the export opens a file.
#include "drawing/Zeichnungszeilen.h"

#include "core/Rounding.h"
#include "dials/altitude/PeaucellierHpgl.h"
#include "dials/altitude/PeaucellierZeichnung.h"

#include <array>

namespace umbrin {
namespace {

int peaucellierEinheitGezeichnet(const AppState& s)
{
    return static_cast<int>(roundHalfEven(static_cast<long double>(s.Par.Einheit) * s.Zoom));
}

Konstruktionsmeldungen peaucellierBild(Zeichenauftrag& a)
{
    zeichnePeaucellierSU(a.s, a.canvas, 1, 1, a.breite, a.hoehe, peaucellierEinheitGezeichnet(a.s),
                         a.s.Par.PeauParameter, true);
    return {};
}

Konstruktionsmeldungen peaucellierSeite(Zeichenauftrag& a)
{
    zeichnePeaucellierSU(a.s, a.canvas, 30, 30, a.breite - 60, a.hoehe - 60, peaucellierEinheitGezeichnet(a.s),
                         a.s.Par.PeauParameter, false);
    return {};
}

Plotergebnis peaucellierPlot(Plotauftrag& a)
{
    std::string nein = hpglPeaucellierSU(a.s, a.plot, peaucellierEinheitGezeichnet(a.s), a.s.AlsHPGL != 0);
    return nein.empty() ? Plotergebnis::geschrieben() : Plotergebnis::abgelehnt(std::move(nein));
}

constexpr std::array<Zeichnungseintrag, 1> zeilen = {{
    {'p', -1, peaucellierBild, peaucellierSeite, peaucellierPlot, nullptr, PlotPlatzierung::Peaucellier,
     DruckPlatzierung::FussMitRand, peaucellierPlotHindernis},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenPeaucellierSawyer()
{
    return zeilen;
}

} // namespace umbrin
