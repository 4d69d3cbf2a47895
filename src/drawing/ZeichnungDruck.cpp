#include "drawing/ZeichnungDruck.h"

#include "core/Meldungen.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/Zeichnungstyp.h"

#include <cmath>

namespace umbrin {

bool druckVorpruefung(const AppState& s, const Zeichenfensterzustand& f, const Zeichnungseintrag* eintrag,
                      UserPrompt& frage)
{
    if (f.BildBreite <= 0 || f.BildHoehe <= 0) {
        frage.ask(PromptTitle::Achtung, PromptIcon::Warning, keineBildgroesseText(s), PromptButtons::Ok);
        return false;
    }
    if (fusspunktPruefungBeimDruck(s)) {
        if (!fusspunktImBild(s, f.AktivBreite, f.AktivHoehe)
            && zeigeMeldung(frage, s, 15, PromptTitle::Achtung, PromptIcon::Warning, PromptButtons::YesNo)
                == PromptAnswer::Yes)
            return false;
    } else if (std::fabs(s.Par.Breite) > 63 && s.Schalter.TemporalAnzeige) {
        zeigeMeldung(frage, s, 64, PromptTitle::Fehler, PromptIcon::Warning);
        return false;
    }
    // Types without a print form print nothing rather than an empty page.
    if (!eintrag || !eintrag->druck) {
        frage.ask(PromptTitle::Achtung, PromptIcon::Warning, keinDruckText(s), PromptButtons::Ok);
        return false;
    }
    // A dial that cannot be constructed at all is refused before the printer is chosen.
    if (eintrag->vorExport) {
        if (const std::string nein = eintrag->vorExport(s); !nein.empty()) {
            frage.ask(PromptTitle::Achtung, PromptIcon::Warning, nein, PromptButtons::Ok);
            return false;
        }
    }
    return true;
}

bool seitenPruefung(const AppState& s, const Zeichenfensterzustand& f, const Zeichnungseintrag* eintrag, int breite,
                    int hoehe, UserPrompt& frage)
{
    if (!eintrag || !eintrag->vorDruck)
        return true;
    const CanvasPoint fuss = f.BildBreite > 0 && f.BildHoehe > 0
                                 ? fussAufDruckseite(s, *eintrag, breite, hoehe, f.BildBreite, f.BildHoehe)
                                 : CanvasPoint{s.FusspunktX, s.FusspunktY};
    const std::string nein = eintrag->vorDruck(s, breite, hoehe, fuss);
    if (nein.empty())
        return true;
    frage.ask(PromptTitle::Achtung, PromptIcon::Warning, nein, PromptButtons::Ok);
    return false;
}

} // namespace umbrin
