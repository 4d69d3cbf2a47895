// The drawing window's row of the mean-time dial with its cone: the dial on the screen and
// on the page, the dial's plot and the cone's sheet as a second file. A cone that cannot be
// built is refused before the export opens any file.
#include "drawing/Zeichnungszeilen.h"

#include "dials/cone/KegelBlatt.h"
#include "dials/cone/KegelHpgl.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelUhr.h"
#include "drawing/Exportnamen.h"
#include "drawing/Platzierung.h"

#include <array>

namespace umbrin {
namespace {

Konstruktionsmeldungen zeichneKegelBild(Zeichenauftrag& a)
{
    // A foot off the image is none the user placed (a click lands on the image): the state's
    // first one, or one drawn before the window placed the cone. The cone then stands where
    // the window places it, and warns only of what leaves the image from there.
    PlatzierungsSicherung sicherung(a.s);
    if (!a.s.FusspunktGesetzt && !fusspunktImBild(a.s, a.breite, a.hoehe)) {
        const Platzierung p = standardPlatzierung(a.s, a.breite, a.hoehe);
        a.s.FusspunktX = p.FusspunktX;
        a.s.FusspunktY = p.FusspunktY;
    }
    return zeichneKegelUhr(a.s, a.umgebung, a.canvas, a.breite, a.hoehe, true, a.s.Par.Gnomonhoehe, a.s.Zoom,
                           a.s.Schalter.Ebene);
}

Konstruktionsmeldungen zeichneKegelSeite(Zeichenauftrag& a)
{
    return zeichneKegelUhr(a.s, a.umgebung, a.canvas, a.breite, a.hoehe, false, a.s.Par.Gnomonhoehe, a.s.Zoom,
                           a.s.Schalter.Ebene);
}

Plotergebnis abgelehnt(const std::string& nein)
{
    return Plotergebnis::abgelehnt(nein, PromptTitle::Fehler, PromptIcon::Question);
}

Plotergebnis schreibeKegelPlot(Plotauftrag& a)
{
    AppState& s = a.s;
    s.LegendeGesetzt = 1;
    const std::string nein = hpglKegelUhr(s, a.plot, a.frage, ohneOrdner(kegelBlattName(a.dateiname)), s.LegendeX,
                                          s.LegendeY, s.Schalter.Ebene, s.Par.Gnomonhoehe * s.Zoom);
    return nein.empty() ? Plotergebnis::geschrieben() : abgelehnt(nein);
}

Plotergebnis schreibeKegelBlatt(Plotauftrag& a)
{
    const std::string nein = hpglKegel(a.s, a.plot, 12, a.s.Par.Gnomonhoehe * a.s.Zoom);
    return nein.empty() ? Plotergebnis::geschrieben() : abgelehnt(nein);
}

constexpr std::array<Zeichnungseintrag, 1> zeilen = {{
    {'m', -1, zeichneKegelBild, zeichneKegelSeite, schreibeKegelPlot, schreibeKegelBlatt, PlotPlatzierung::Plan,
     DruckPlatzierung::FussUndLegende, kegelAblehnung},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenKegel()
{
    return zeilen;
}

} // namespace umbrin
