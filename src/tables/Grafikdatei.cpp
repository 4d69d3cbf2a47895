#include "tables/Grafikdatei.h"

#include "drawing/Exportnamen.h"
#include "drawing/HpglNachDxf.h"

namespace umbrin {
namespace {

void meldeFehler(const AppState& s, UserPrompt& frage, const std::filesystem::path& ziel, const std::string& grund)
{
    std::string text = s.Sprachspalte == 2 ? "Unable to save file!" : "Datei konnte nicht gespeichert werden!";
    text += "\r\n" + ziel.string();
    if (!grund.empty())
        text += "\r\n" + grund;
    frage.ask(PromptTitle::Fehler, PromptIcon::Error, text, PromptButtons::Ok);
}

} // namespace

bool SchreibeGrafikdatei(AppState& s, const std::filesystem::path& ziel, const Grafikschreiber& schreiber,
                         UserPrompt& frage)
{
    s.HPGLDateiname = ziel.string();
    HPGLDatei plot;
    std::string fehler;
    if (s.AlsHPGL) {
        if (!plot.oeffnen(ziel, fehler, s.Sprachspalte != 2)) {
            meldeFehler(s, frage, ziel, fehler);
            return false;
        }
    } else {
        plot.oeffnenImSpeicher();
    }
    try {
        schreiber(s, plot);
    } catch (const HPGLSchreibfehler& f) {
        plot.verwerfen();
        meldeFehler(s, frage, ziel, f.what());
        return false;
    }
    if (s.AlsHPGL) {
        if (!plot.schliessen(fehler)) {
            meldeFehler(s, frage, ziel, fehler);
            return false;
        }
        frage.ask(PromptTitle::Information, PromptIcon::Information, plotGespeichert(s.Sprachspalte != 2, ziel.string()),
                  PromptButtons::Ok);
        return true;
    }
    std::string hpgl = plot.inhalt();
    plot.verwerfen();
    DxfEinstellung e;
    e.stiftbreite = s.Schalter.Stiftbreite;
    e.massstab = 40.0;
    e.deutsch = s.Sprachspalte != 2;
    // The DXF file is only written when the conversion draws something, so a plot the
    // converter cannot use leaves the old file as it was; the file itself is replaced whole.
    std::vector<std::string> bemerkungen;
    std::string dxf;
    DxfErgebnis r = HpglTextNachDxfText(hpgl, ohneOrdner(ziel.string()), dxf, e, bemerkungen);
    if (r.gespeichert())
        r = HpglTextNachDxf(hpgl, ohneOrdner(ziel.string()), ziel, e, bemerkungen);
    if (!r.meldung.empty())
        frage.ask(r.titel, r.symbol, r.meldung, PromptButtons::Ok);
    else if (!r.gespeichert())
        meldeFehler(s, frage, ziel, {});
    return r.gespeichert();
}

} // namespace umbrin
