// The drawing window's rows of the Peaucellier azimuth dial and the Sawyer dial: screen,
// page and plot. Both refuse a latitude they cannot draw before the export opens a file.
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
    std::string nein = hpglSawyerSU(a.s, a.plot, a.s.Par.Gnomonhoehe);
    return nein.empty() ? Plotergebnis::geschrieben() : Plotergebnis::abgelehnt(std::move(nein));
}

constexpr std::array<Zeichnungseintrag, 2> zeilen = {{
    {'p', -1, peaucellierBild, peaucellierSeite, peaucellierPlot, nullptr, PlotPlatzierung::Peaucellier,
     DruckPlatzierung::FussMitRand, peaucellierPlotHindernis, peaucellierSeitenpruefung},
    {'w', -1, sawyerBild, sawyerSeite, sawyerPlot, nullptr, PlotPlatzierung::Sawyer, DruckPlatzierung::FussMitRand,
     sawyerPlotHindernis, sawyerSeitenpruefung},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenPeaucellierSawyer()
{
    return zeilen;
}

} // namespace umbrin
