#include "drawing/ZeichnungExport.h"

#include "core/HPGLDatei.h"
#include "core/Sprachdienst.h"
#include "drawing/Exportnamen.h"
#include "drawing/HpglNachDxf.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungstyp.h"

#include <optional>

namespace umbrin {
namespace {

// The name the intermediate plot of a DXF export goes by in the converter's messages; it has
// no name on disk. A file error of the intermediate plot names the user's DXF file instead.
constexpr const char* kZwischenplot = "umbrin.$$$";

void meldeFehler(UserPrompt& frage, const std::string& text)
{
    frage.ask(PromptTitle::Fehler, PromptIcon::Error, text, PromptButtons::Ok);
}

// The placement the plot routine reads, in plotter units.
void platzierungFuerPlot(AppState& s, PlotPlatzierung art, std::int32_t w, std::int32_t h)
{
    switch (art) {
    case PlotPlatzierung::Plan:
        setzePlatzierung(s, platzierungImPlot(platzierungVon(s), w, h));
        break;
    case PlotPlatzierung::Peaucellier:
        s.FusspunktX = pixelNachPlotX(s.FusspunktX, w);
        s.FusspunktY = 5240;
        break;
    case PlotPlatzierung::Sawyer:
        s.FusspunktX = pixelNachSawyerX(s.FusspunktX, w);
        s.FusspunktY = pixelNachSawyerY(s.FusspunktY, h);
        break;
    case PlotPlatzierung::Keine:
        break;
    }
}

// Opens the plot of one sheet: the file itself, or for a DXF an intermediate plot beside it
// that never takes a name, so that nothing of it outlives the export.
bool oeffnePlot(HPGLDatei& plot, const AppState& s, const std::filesystem::path& ziel,
                std::filesystem::path& temporaer, UserPrompt& frage)
{
    std::string fehler;
    const bool offen = s.AlsHPGL ? plot.oeffnen(ziel, fehler, s.Deutsch != 0)
                                 : plot.oeffnenZwischendatei(ziel, fehler, s.Deutsch != 0);
    if (!offen) {
        meldeFehler(frage, fehler);
        return false;
    }
    if (!s.AlsHPGL)
        temporaer = plot.lesePfad();
    return true;
}

// Drops an unfinished plot and its coordinate list: what the names held stays as it was.
void verwirf(HPGLDatei& plot, HPGLListe* liste)
{
    plot.verwerfen();
    if (liste)
        liste->verwerfen();
}

// The coordinate list takes the place of the old one only after the plot or drawing it
// describes has taken its own: an export that failed leaves the old list as it was.
// A list that went to the printer and failed is a failed print: it is reported under the print
// failure's headline, as every other print is.
bool schliesseListe(const AppState& s, HPGLListe* liste, UserPrompt& frage)
{
    std::string fehler;
    if (!liste || liste->schliessen(fehler))
        return true;
    if (!dynamic_cast<HPGLListenDatei*>(liste)) {
        frage.ask(PromptTitle::Fehler, PromptIcon::Warning, std::string(meldungsText(s, 42)) + "\n\r" + fehler,
                  PromptButtons::Ok);
        return false;
    }
    meldeFehler(frage, fehler);
    return false;
}

bool schliessePlot(HPGLDatei& plot, UserPrompt& frage)
{
    std::string fehler;
    if (plot.schliessen(fehler))
        return true;
    meldeFehler(frage, fehler);
    return false;
}

DxfEinstellung dxfEinstellung(const AppState& s, int k)
{
    DxfEinstellung e;
    e.stiftbreite = s.Schalter.Stiftbreite;
    e.massstab = 40.0 * k;
    e.deutsch = s.Deutsch != 0;
    return e;
}

// Converts the temporary plot into the DXF file and shows the converter's result. The
// converter replaces the file only once it is complete and holds a drawing, so a conversion
// that failed or found nothing to convert has left whatever was there before.
bool wandleUm(AppState& s, const std::filesystem::path& temporaer, const std::filesystem::path& ziel, int k,
              UserPrompt& frage)
{
    const DxfErgebnis r = HpglNachDxf(temporaer, ziel, dxfEinstellung(s, k), s.InfoZeilen,
                                      (ziel.parent_path() / kZwischenplot).string());
    if (!r.meldung.empty())
        frage.ask(r.titel, r.symbol, r.meldung, PromptButtons::Ok);
    return r.gespeichert();
}

// The same into dxf, which is left open for the caller to put in place; only a failure is
// shown here, the result's "saved" is the caller's to show once the file is there.
DxfErgebnis wandleUmOffen(AppState& s, const std::filesystem::path& temporaer, const std::filesystem::path& ziel,
                          int k, SafeFileWriter& dxf, UserPrompt& frage)
{
    DxfErgebnis r = HpglNachDxfOffen(temporaer, ziel, dxf, dxfEinstellung(s, k), s.InfoZeilen,
                                     (ziel.parent_path() / kZwischenplot).string());
    if (!r.gespeichert() && !r.meldung.empty())
        frage.ask(r.titel, r.symbol, r.meldung, PromptButtons::Ok);
    return r;
}

// Ends one sheet: close the plot, then report it or convert it.
bool beendeBlatt(AppState& s, Zeichenfensterzustand& f, HPGLDatei& plot, const std::filesystem::path& temporaer,
                 const std::filesystem::path& ziel, int k, UserPrompt& frage)
{
    if (!schliessePlot(plot, frage))
        return false;
    if (s.AlsHPGL) {
        frage.ask(PromptTitle::Information, PromptIcon::Information, plotGespeichert(s.Sprachspalte != 2, ziel.string()),
                  PromptButtons::Ok);
        return true;
    }
    f.DxfFaktor = k;
    return wandleUm(s, temporaer, ziel, k, frage);
}

} // namespace

std::string keinExportText(const AppState& s)
{
    if (s.SchinkenModus)
        return s.Deutsch ? "Die Schinkensonnenuhr hat keine Plot- oder DXF-Form: sie kann nur gezeigt und gedruckt "
                           "werden."
                         : "The ham dial has no plot or DXF form: it can only be shown and printed.";
    return s.Deutsch ? "Diese Sonnenuhr kann nicht als Datei gespeichert werden."
                     : "This sundial cannot be saved as a file.";
}

std::string keinDruckText(const AppState& s)
{
    return s.Deutsch ? "Diese Sonnenuhr kann nicht gedruckt werden." : "This sundial cannot be printed.";
}

std::string keineBildgroesseText(const AppState& s)
{
    return s.Deutsch ? "Das Zeichenfenster hat keine Größe (es ist minimiert).\n\rBitte das Fenster wieder öffnen."
                     : "The drawing window has no size (it is minimised).\n\rPlease restore the window.";
}

bool exportiereZeichnung(AppState& s, Zeichenfensterzustand& f, UserPrompt& frage, const Zeichnungseintrag* eintrag,
                         const ExportAuftrag& a, Auftragsschutz& schutz)
{
    if (s.SchinkenModus || !eintrag || !eintrag->plot) {
        frage.ask(PromptTitle::Achtung, PromptIcon::Warning, keinExportText(s), PromptButtons::Ok);
        return false;
    }
    if (eintrag->vorExport) {
        if (const std::string nein = eintrag->vorExport(s); !nein.empty()) {
            frage.ask(PromptTitle::Achtung, PromptIcon::Warning, nein, PromptButtons::Ok);
            return false;
        }
    }
    if (eintrag->plotPlatzierung != PlotPlatzierung::Keine && (a.bildBreite <= 0 || a.bildHoehe <= 0)) {
        frage.ask(PromptTitle::Achtung, PromptIcon::Warning, keineBildgroesseText(s), PromptButtons::Ok);
        return false;
    }
    s.HPGLDateiname = a.datei.string();

    HPGLDatei plot;
    std::filesystem::path temporaer;
    if (!oeffnePlot(plot, s, a.datei, temporaer, frage))
        return false;

    // The coordinate list of a planar dial: beside the plot, or on the printer.
    std::optional<HPGLListenDatei> listenDatei;
    std::unique_ptr<HPGLListe> druckerListe;
    HPGLListe* liste = nullptr;
    if (f.ListingSchreiben && koordinatenMoeglich(s)) {
        std::string fehler;
        if (f.ListingZiel.empty()) {
            f.ListingText = koordinatenName(s.HPGLDateiname);
            listenDatei.emplace();
            if (!listenDatei->oeffnen(f.ListingText, fehler, s.Deutsch != 0)) {
                plot.verwerfen();
                meldeFehler(frage, fehler);
                return false;
            }
            liste = &*listenDatei;
        } else {
            f.ListingText.clear();
            druckerListe = a.druckerListe ? a.druckerListe(fehler) : nullptr;
            if (!druckerListe) {
                plot.verwerfen();
                meldeFehler(frage, fehler.empty() ? keinDruckText(s) : fehler);
                return false;
            }
            liste = druckerListe.get();
        }
    }

    Plotauftrag auftrag{s, f, plot, liste, frage, s.HPGLDateiname, a.arbeitsPfad};
    const int k = dxfFaktor(s);
    try {
        platzierungFuerPlot(s, eintrag->plotPlatzierung, a.bildBreite, a.bildHoehe);
        const Plotergebnis r = eintrag->plot(auftrag);
        setzePlatzierung(s, schutz.gesichertePlatzierung());
        if (r.verweigert) {
            verwirf(plot, liste);
            frage.ask(r.titel, r.symbol, r.meldung, PromptButtons::Ok);
            return false;
        }

        if (eintrag->zweitesBlatt) {
            // The mean-time dial: the dial, then its cone on a sheet of its own. Neither file
            // takes its name before both are written; then they take them together.
            const std::string blatt = kegelBlattName(s.HPGLDateiname);
            if (!s.AlsHPGL && !schliessePlot(plot, frage))
                return false;
            frage.ask(PromptTitle::Achtung, PromptIcon::Warning,
                      "\r\n" + std::string(texteText(s, 222)) + " \"" + ohneOrdner(blatt) + "\" !!!", PromptButtons::Ok);
            SafeFileWriter uhrDxf, kegelDxf;
            DxfErgebnis uhrErgebnis;
            if (!s.AlsHPGL) {
                f.DxfFaktor = 25;
                uhrErgebnis = wandleUmOffen(s, temporaer, a.datei, 25, uhrDxf, frage);
                if (!uhrErgebnis.gespeichert())
                    return false;
            }
            HPGLDatei kegelPlot;
            HPGLDatei& zweiter = s.AlsHPGL ? kegelPlot : plot;
            if (!oeffnePlot(zweiter, s, blatt, temporaer, frage))
                return false;
            Plotauftrag kegelAuftrag{s, f, zweiter, liste, frage, blatt, a.arbeitsPfad};
            if (const Plotergebnis r2 = eintrag->zweitesBlatt(kegelAuftrag); r2.verweigert) {
                verwirf(zweiter, liste);
                frage.ask(r2.titel, r2.symbol, r2.meldung, PromptButtons::Ok);
                return false;
            }
            s.HPGLDateiname = blatt;
            std::string fehler;
            if (s.AlsHPGL) {
                if (!schliessenZusammen(plot, kegelPlot, fehler)) {
                    meldeFehler(frage, fehler);
                    return false;
                }
                frage.ask(PromptTitle::Information, PromptIcon::Information,
                          plotGespeichert(s.Sprachspalte != 2, blatt), PromptButtons::Ok);
            } else {
                if (!schliessePlot(plot, frage))
                    return false;
                const DxfErgebnis kegelErgebnis = wandleUmOffen(s, temporaer, blatt, 25, kegelDxf, frage);
                if (!kegelErgebnis.gespeichert())
                    return false;
                if (!commitTogether(uhrDxf, kegelDxf, fehler)) {
                    meldeFehler(frage, fehler);
                    return false;
                }
                for (const DxfErgebnis* r : {static_cast<const DxfErgebnis*>(&uhrErgebnis), &kegelErgebnis})
                    frage.ask(r->titel, r->symbol, r->meldung, PromptButtons::Ok);
            }
            if (!schliesseListe(s, liste, frage))
                return false;
            schutz.erfolgreich();
            return true;
        }
    } catch (const HPGLSchreibfehler& e) {
        verwirf(plot, liste);
        meldeFehler(frage, e.what());
        return false;
    }
    if (!beendeBlatt(s, f, plot, temporaer, s.HPGLDateiname, k, frage) || !schliesseListe(s, liste, frage))
        return false;
    schutz.erfolgreich();
    return true;
}

} // namespace umbrin
