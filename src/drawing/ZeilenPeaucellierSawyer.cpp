// The drawing window's rows of the Peaucellier azimuth dial and the Sawyer dial: screen,
// page and plot. Both refuse a latitude they cannot draw before the export opens a file; a page
// the drawn dial leaves is refused with their own words of what would fit.
#include "drawing/Zeichnungszeilen.h"

#include "core/Rounding.h"
#include "dials/altitude/PeaucellierHpgl.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "dials/altitude/SawyerHpgl.h"
#include "dials/altitude/SawyerZeichnung.h"

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
    std::string warnung;
    std::string nein = hpglPeaucellierSU(a.s, a.plot, peaucellierEinheitGezeichnet(a.s), a.s.AlsHPGL != 0, &warnung);
    if (!nein.empty())
        return Plotergebnis::abgelehnt(std::move(nein));
    if (!warnung.empty())
        a.frage.ask(PromptTitle::Warnung, PromptIcon::Warning, warnung, PromptButtons::Ok);
    return Plotergebnis::geschrieben();
}

Konstruktionsmeldungen sawyerBild(Zeichenauftrag& a)
{
    zeichneSawyerSU(a.s, a.canvas, 1, 1, a.breite, a.hoehe, a.s.Par.Gnomonhoehe, true);
    return {};
}

Konstruktionsmeldungen sawyerSeite(Zeichenauftrag& a)
{
    zeichneSawyerSU(a.s, a.canvas, 50, 50, a.breite - 100, a.hoehe - 100, a.s.Par.Gnomonhoehe, false);
    return {};
}

Plotergebnis sawyerPlot(Plotauftrag& a)
{
    // The DXF drawing has no sheet to leave.
    std::string warnung;
    std::string nein = hpglSawyerSU(a.s, a.plot, a.s.Par.Gnomonhoehe, a.s.AlsHPGL != 0 ? &warnung : nullptr);
    if (!nein.empty())
        return Plotergebnis::abgelehnt(std::move(nein));
    if (!warnung.empty())
        a.frage.ask(PromptTitle::Warnung, PromptIcon::Warning, warnung, PromptButtons::Ok);
    return Plotergebnis::geschrieben();
}

constexpr std::array<Zeichnungseintrag, 2> zeilen = {{
    {'p', -1, peaucellierBild, peaucellierSeite, peaucellierPlot, nullptr, PlotPlatzierung::Peaucellier,
     DruckPlatzierung::FussMitRand, peaucellierPlotHindernis, nullptr,
     [](const AppState& s, int breite, int hoehe, CanvasPoint fuss, bool, bool) { return peaucellierSeitenpruefung(s, breite, hoehe, fuss); }},
    {'w', -1, sawyerBild, sawyerSeite, sawyerPlot, nullptr, PlotPlatzierung::Sawyer, DruckPlatzierung::FussMitRand,
     sawyerPlotHindernis, nullptr, sawyerSeitenpruefung},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenPeaucellierSawyer()
{
    return zeilen;
}

} // namespace umbrin
