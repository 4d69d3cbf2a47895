#include "drawing/ZeichnungDruck.h"

#include "core/Meldungen.h"
#include "core/RecordingCanvas.h"
#include "core/Zahlenformat.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/Zeichnungstyp.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

// The page drawn as the print draws it, on a recording of its size whose texts measure as the
// printer's page measures them: how far it reaches past it. The map behind a dial is drawn
// whole and cut at the page's edge by design, and a construction that tells the user itself
// that parts run past the edge has said it: neither counts.
Ueberstand probedruck(const AppState& s, const Zeichenfensterzustand& f, const Zeichnungseintrag& e, int breite, int hoehe,
                      const Druckumgebung& u)
{
    AppState probe = s;
    probe.KarteAn = 0;
    Zeichenfensterzustand fenster = f;
    RecordingCanvas schaetzung(breite, hoehe, true);
    Canvas& mass = u.textmass ? *u.textmass : schaetzung;
    Probeseite c(breite, hoehe, mass);
    c.setFont({"Arial", 40, false, FarbeSchwarz});
    Zeichenauftrag a{probe,
                     fenster,
                     c,
                     breite,
                     hoehe,
                     false,
                     zeichenumgebung(fenster, u.grosserBildschirm, u.grosseFonts, u.randX, u.randY),
                     u.druckBreite > 0 ? u.druckBreite : breite,
                     u.druckHoehe > 0 ? u.druckHoehe : hoehe};
    a.arbeitsPfad = u.arbeitsPfad;
    const Konstruktionsmeldungen m = zeichneDruckseite(a, &e, f.BildBreite, f.BildHoehe);
    if (std::any_of(m.begin(), m.end(), [](const Konstruktionsmeldung& k) { return k.ueberDenRand; }))
        return {};
    return ueberstand(c.primitives(), breite, hoehe, mass);
}

// The layout of a page of pb x ph beside that of the page breite x hoehe: the same margins,
// turned with it, and the printable area grown or shrunk with the page.
Druckumgebung andereSeite(const Druckumgebung& u, int breite, int hoehe, int pb, int ph)
{
    Druckumgebung a = u;
    const bool gedreht = (pb > ph) != (breite > hoehe);
    if (gedreht) {
        std::swap(a.randX, a.randY);
        std::swap(a.druckBreite, a.druckHoehe);
    }
    if (a.druckBreite > 0)
        a.druckBreite += pb - (gedreht ? hoehe : breite);
    if (a.druckHoehe > 0)
        a.druckHoehe += ph - (gedreht ? breite : hoehe);
    return a;
}

// The paper a printable area of breite x hoehe (0.1 mm) lies on, its size less the printer's
// margins: "A4", "A3" or none.
const char* seitenformat(int breite, int hoehe)
{
    const int lang = std::max(breite, hoehe), kurz = std::min(breite, hoehe);
    return lang > 2600 && lang <= 2970 && kurz <= 2100   ? "A4"
           : lang > 3700 && lang <= 4200 && kurz <= 2970 ? "A3"
                                                         : nullptr;
}

} // namespace

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
                    int hoehe, UserPrompt& frage, const Druckumgebung& umgebung)
{
    if (!eintrag)
        return true;
    const bool bild = f.BildBreite > 0 && f.BildHoehe > 0;
    std::string nein;
    const CanvasPoint fuss = bild ? fussAufDruckseite(s, *eintrag, breite, hoehe, f.BildBreite, f.BildHoehe)
                                  : CanvasPoint{s.FusspunktX, s.FusspunktY};
    // What the measure cannot know: the row's own limits.
    if (eintrag->vorDruck)
        nein = eintrag->vorDruck(s, breite, hoehe, fuss);
    // The page is drawn once as the print would draw it: nothing may leave it.
    if (nein.empty() && bild && eintrag->druck) {
        if (const Ueberstand u = probedruck(s, f, *eintrag, breite, hoehe, umgebung); u.weite > kSeitenToleranz) {
            // Only what helps is offered: the other orientation, or A3 in either, where its
            // page holds the drawing.
            const auto haelt = [&](int pb, int ph) {
                return probedruck(s, f, *eintrag, pb, ph, andereSeite(umgebung, breite, hoehe, pb, ph)).weite
                       <= kSeitenToleranz;
            };
            const bool hoch = hoehe > breite;
            const int a3b = breite + (hoch ? 870 : 1230), a3h = hoehe + (hoch ? 1230 : 870);
            const bool a3 = seitenformat(breite, hoehe) == std::string_view("A4") && (haelt(a3b, a3h) || haelt(a3h, a3b));
            const bool quer = haelt(hoehe, breite);
            if (eintrag->seitenRat)
                nein = eintrag->seitenRat(s, breite, hoehe, fuss, quer, a3);
            if (nein.empty())
                nein = seitenUeberstandText(s, breite, hoehe, u, quer, a3);
        }
    }
    if (nein.empty())
        return true;
    frage.ask(PromptTitle::Achtung, PromptIcon::Warning, nein, PromptButtons::Ok);
    return false;
}

std::string seitenUeberstandText(const AppState& s, int breite, int hoehe, const Ueberstand& u, bool quer, bool a3)
{
    if (u.weite <= kSeitenToleranz)
        return {};
    const bool en = s.Sprachspalte == 2, hoch = hoehe > breite;
    const char* format = seitenformat(breite, hoehe);
    std::string seite = RealStr(breite / 10.0, 1, 0) + " x " + RealStr(hoehe / 10.0, 1, 0) + " mm";
    if (format)
        seite = std::string(format) + (en ? (hoch ? " portrait" : " landscape") : (hoch ? " Hochformat" : " Querformat"))
                + " (" + seite + ")";
    const int k = static_cast<int>(u.kante) - 1;
    const char* kanteEn[] = {"left", "right", "top", "bottom"};
    const char* kanteDe[] = {"linken", "rechten", "oberen", "unteren"};
    std::vector<std::string> hilfe;
    if (quer)
        hilfe.push_back(en ? (hoch ? "in landscape" : "in portrait") : (hoch ? "im Querformat" : "im Hochformat"));
    if (a3)
        hilfe.push_back(en ? "on A3" : "auf A3");
    hilfe.push_back(en ? "with smaller sizes" : "mit kleineren Maßen");
    std::string wie;
    for (std::size_t i = 0; i < hilfe.size(); ++i)
        wie += (i == 0 ? "" : i + 1 == hilfe.size() ? (en ? " or " : " oder ") : ", ") + hilfe[i];
    const std::string weite = RealStr(u.weite / 10.0, 1, 1) + " mm";
    if (en)
        return "The drawing reaches " + weite + " over the " + kanteEn[k] + " edge of the page " + seite
               + ".\n\rPlease print " + wie + ": nothing is printed.";
    return "Die Zeichnung reicht " + weite + " über den " + kanteDe[k] + " Rand der Seite " + seite
           + " hinaus.\n\rBitte " + wie + " drucken: es wird nichts gedruckt.";
}

} // namespace umbrin
