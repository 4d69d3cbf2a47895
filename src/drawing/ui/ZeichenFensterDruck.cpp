// Printing from the drawing window: the drawing on a landscape page, the hour-line angle
// table, and the information sheet as text lines.
#include "drawing/ui/ZeichenFenster.h"

#include "core/Meldungen.h"
#include "core/Sprachdienst.h"
#include "core/ui/Dateidruck.h"
#include "core/ui/DruckListe.h"
#include "core/ui/DruckSeite.h"
#include "core/ui/PainterCanvas.h"
#include "drawing/Auftragsschutz.h"
#include "drawing/WinkeltabellenDruck.h"
#include "drawing/ZeichnungDruck.h"
#include "drawing/Zeichnungstyp.h"

#include <QApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>


namespace umbrin {
namespace {

bool druckerFehlerhaft(const QPrinter& d)
{
    return d.printerState() == QPrinter::Error || d.printerState() == QPrinter::Aborted;
}

// The printable area and margins the page is drawn with, for the page check's trial drawing.
Druckumgebung druckumgebung(const QPrinter& d, bool grosserBildschirm, bool grosseFonts, const std::filesystem::path& pfad)
{
    DruckSeite seite;
    DruckBereich(druckGeraetVon(d), seite.DruckBreite, seite.DruckHoehe, seite.DruckRandX, seite.DruckRandY);
    return {seite.DruckRandX, seite.DruckRandY, seite.DruckBreite, seite.DruckHoehe, grosserBildschirm, grosseFonts, pfad};
}

} // namespace

QPrinter& ZeichenFenster::drucker()
{
    if (dienste_.drucker)
        return dienste_.drucker();
    if (!eigenerDrucker_) {
        eigenerDrucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        eigenerDrucker_->setPageSize(QPageSize(QPageSize::A4));
    }
    return *eigenerDrucker_;
}

std::unique_ptr<QPrinter> ZeichenFenster::textDrucker(const QPrinter& wahl)
{
    auto d = std::make_unique<QPrinter>(QPrinter::HighResolution);
    d->setOutputFormat(wahl.outputFormat());
    if (wahl.outputFormat() == QPrinter::NativeFormat)
        d->setPrinterName(wahl.printerName());
    d->setOutputFileName(wahl.outputFileName());
    d->setPageLayout(wahl.pageLayout());
    d->setCopyCount(wahl.copyCount());
    d->setColorMode(wahl.colorMode());
    d->setDuplex(wahl.duplex());
    return d;
}

bool ZeichenFenster::waehleDrucker(QPrinter& drucker)
{
    if (dienste_.druckerDialog)
        return dienste_.druckerDialog(drucker, this);
    QPrintDialog dialog(&drucker, this);
    return dialog.exec() == QDialog::Accepted;
}

void ZeichenFenster::druckeZeichnung()
{
    if (f_.WinkelTabelleOffen)
        DruckListe();
    else if (f_.InfoAngezeigt)
        ausgeben();
    else
        BildDrucken();
}

void ZeichenFenster::BildDrucken()
{
    if (f_.WinkelTabelleOffen) {
        DruckListe();
        return;
    }
    const Zeichnungseintrag* eintrag = bildeintrag(s_, f_.SchoenerAnsicht);
    if (!druckVorpruefung(s_, f_, eintrag, frage_))
        return;
    if (dienste_.textdruckBeenden)
        dienste_.textdruckBeenden();

    QPrinter& drucker = this->drucker();
    drucker.setPageOrientation(QPageLayout::Landscape);
    // A dial too large for the chosen page is refused before anything is printed. Its texts
    // are measured as the page draws them: the canvas measures a font of the page by its own
    // metrics, whatever device it stands on.
    QImage messbild(1, 1, QImage::Format_RGB32);
    PainterCanvas textmass(messbild);
    if (!waehleDrucker(drucker)) {
        drucker.setPageOrientation(QPageLayout::Portrait);
        return;
    }
    Druckumgebung umgebung = druckumgebung(drucker, dienste_.grosserBildschirm, dienste_.grosseFonts, shell_.ArbeitsPfad);
    umgebung.textmass = &textmass;
    if (!seitenPruefung(s_, f_, eintrag, 10 * drucker.widthMM(), 10 * drucker.heightMM(), frage_, umgebung)) {
        drucker.setPageOrientation(QPageLayout::Portrait);
        return;
    }

    // One guard for the whole job: placement, orientation, cursor, and on failure the job and
    // its file.
    Auftragsschutz schutz(s_);
    schutz.beimEnde([&drucker] { drucker.setPageOrientation(QPageLayout::Portrait); });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    schutz.beimEnde([] { QApplication::restoreOverrideCursor(); });
    schutz.beimAbbruch([&drucker] { drucker.abort(); });
    Dateidruck datei(drucker, s_.Sprachspalte != 2);
    bool gut = false;
    try {
        gut = datei.bereit() && druckeSeite(drucker) && datei.abschliessen();
    } catch (const std::exception&) {
        gut = false;
    }
    if (gut)
        schutz.erfolgreich();
    else
        meldeDruckfehler(frage_, s_, datei.grund());
}

bool ZeichenFenster::druckeSeite(QPrinter& drucker)
{
    Konstruktionsmeldungen meldungen;
    {
        PainterCanvas canvas(drucker);
        if (druckerFehlerhaft(drucker))
            return false;
        DruckSeite seite;
        if (!DruckBereich(druckGeraetVon(drucker), seite.DruckBreite, seite.DruckHoehe, seite.DruckRandX,
                          seite.DruckRandY))
            return false;
        canvas.setFont({"Arial", 40, false, FarbeSchwarz});
        const int pw = 10 * drucker.widthMM();
        const int ph = 10 * drucker.heightMM();
        Zeichenauftrag a{s_,
                         f_,
                         canvas,
                         pw,
                         ph,
                         false,
                         zeichenumgebung(f_, dienste_.grosserBildschirm, dienste_.grosseFonts, seite.DruckRandX,
                                         seite.DruckRandY),
                         seite.DruckBreite,
                         seite.DruckHoehe};
        a.arbeitsPfad = shell_.ArbeitsPfad;
        meldungen = zeichneDruckseite(a, f_.BildBreite, f_.BildHoehe);
    }
    if (druckerFehlerhaft(drucker))
        return false;
    for (const Konstruktionsmeldung& k : meldungen)
        frage_.ask(k.titel, k.symbol, k.text, PromptButtons::Ok);
    return true;
}

void ZeichenFenster::DruckListe()
{
    if (istEbeneUhr(s_.UhrTyp))
        baueListing();
    QPrinter& drucker = this->drucker();
    drucker.setPageOrientation(QPageLayout::Portrait);
    if (!waehleDrucker(drucker))
        return;
    if (dienste_.textdruckBeenden)
        dienste_.textdruckBeenden();

    Auftragsschutz schutz(s_);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    schutz.beimEnde([] { QApplication::restoreOverrideCursor(); });
    schutz.beimAbbruch([&drucker] { drucker.abort(); });
    Dateidruck datei(drucker, s_.Sprachspalte != 2);
    bool gut = datei.bereit();
    if (gut) {
        PainterCanvas canvas(drucker);
        gut = !druckerFehlerhaft(drucker);
        if (gut) {
            druckeWinkeltabelle(canvas, tabelle_, s_.InfoZeilen, std::string(texteText(s_, 177)), [&] {
                canvas.flush();
                drucker.newPage();
            });
        }
    }
    if (gut && !druckerFehlerhaft(drucker) && datei.abschliessen())
        schutz.erfolgreich();
    else
        meldeDruckfehler(frage_, s_, datei.grund());
}

void ZeichenFenster::ausgeben()
{
    if (s_.UhrTyp == 'm') {
        druckeKegel(false);
        return;
    }
    QPrinter& drucker = this->drucker();
    drucker.setPageOrientation(QPageLayout::Portrait);
    // The sheet is printed only when the printer dialog was confirmed.
    if (!waehleDrucker(drucker))
        return;
    if (dienste_.textdruckBeenden)
        dienste_.textdruckBeenden();

    Auftragsschutz schutz(s_);
    const std::unique_ptr<QPrinter> text = textDrucker(drucker);
    umbrin::DruckListe liste(*text, s_.Sprachspalte != 2);
    std::string fehler;
    if (!liste.oeffnen(fehler)) {
        meldeDruckfehler(frage_, s_, fehler);
        return;
    }
    const std::string strich = "  " + std::string(78, '_');
    liste.schreibe(strich);
    liste.zeilenende();
    for (const std::string& z : s_.InfoZeilen) {
        liste.schreibe(z);
        liste.zeilenende();
    }
    liste.schreibe(strich);
    liste.zeilenende();
    if (!liste.schliessen(fehler)) {
        meldeDruckfehler(frage_, s_, fehler);
        return;
    }
    schutz.erfolgreich();
}

} // namespace umbrin
