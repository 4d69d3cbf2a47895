// The drawing window's rows of the Peaucellier azimuth dial and the Sawyer dial: screen,
// page and plot. Both refuse a latitude they cannot draw before the export opens a file.
#include "drawing/Zeichnungszeilen.h"

#include "core/RecordingCanvas.h"
#include "core/Rounding.h"
#include "dials/altitude/PeaucellierHpgl.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "dials/altitude/SawyerHpgl.h"
#include "dials/altitude/SawyerZeichnung.h"
#include "drawing/Blattrand.h"

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

// Before printing: the dial's own measure keeps room for its letters beside the legend that
// the drawing does not always take. Where the page drawn as it would be printed keeps every
// inked part on the paper (within a tenth of a millimetre), the print goes ahead.
std::string peaucellierVorDruck(const AppState& s, int breite, int hoehe, CanvasPoint fuss)
{
    std::string nein = peaucellierSeitenpruefung(s, breite, hoehe, fuss);
    if (nein.empty())
        return nein;
    AppState probe = s;
    probe.FusspunktX = fuss.x;
    probe.FusspunktY = fuss.y;
    RecordingCanvas c(breite, hoehe, true);
    c.setFont({"Arial", 40, false, FarbeSchwarz});
    zeichnePeaucellierSU(probe, c, 30, 30, breite - 60, hoehe - 60, peaucellierEinheitGezeichnet(s), s.Par.PeauParameter,
                         false);
    return ueberstand(c.primitives(), breite, hoehe).weite > 1.0 ? nein : std::string();
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
     DruckPlatzierung::FussMitRand, peaucellierPlotHindernis, peaucellierVorDruck},
    {'w', -1, sawyerBild, sawyerSeite, sawyerPlot, nullptr, PlotPlatzierung::Sawyer, DruckPlatzierung::FussMitRand,
     sawyerPlotHindernis, sawyerSeitenpruefung},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenPeaucellierSawyer()
{
    return zeilen;
}

} // namespace umbrin
