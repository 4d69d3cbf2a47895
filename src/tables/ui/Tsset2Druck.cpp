// Printing and saving the tables of the tables-and-graphs window.
#include "tables/ui/Tsset2.h"

#include "core/Sprachdienst.h"
#include "core/ui/Dateidruck.h"
#include "core/ui/DruckSeite.h"
#include "tables/Jahrestabelle.h"
#include "tables/Tabellenansicht.h"
#include "tables/Tabellendatei.h"
#include "tables/ui/Tabellenbild.h"

#include <QApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace umbrin {

void Tsset2::DruckListe()
{
    if (dienste_.textdruckBeenden)
        dienste_.textdruckBeenden();
    if (!dienste_.drucker)
        return;
    QPrinter& drucker = dienste_.drucker();
    const bool quer = (s_.Rechenmodus == 8 && s_.Durchgangstabelle) || (s_.Rechenmodus == 1 && Monatswahl_ != Einzelmonat)
                      || istGrafikmodus();
    drucker.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
    const bool gewaehlt = dienste_.druckerDialog ? dienste_.druckerDialog(drucker)
                                                 : QPrintDialog(&drucker, this).exec() == QDialog::Accepted;
    if (!gewaehlt) {
        drucker.setPageOrientation(QPageLayout::Portrait);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool gut = false;
    bool gemeldet = false;
    std::string grund;
    {
        Dateidruck datei(drucker, s_.Sprachspalte != 2);
        gut = datei.bereit()
              && (istGrafikmodus() ? druckeGrafik(drucker) : druckeTabelle(drucker, gemeldet))
              && datei.abschliessen();
        if (!gut)
            grund = datei.grund();
    }
    QApplication::restoreOverrideCursor();
    drucker.setPageOrientation(QPageLayout::Portrait);
    if (gut)
        gedruckt_ = true;
    else if (!gemeldet)
        meldeDruckfehler(frage_, s_, grund);
}

bool Tsset2::druckeTabelle(QPrinter& drucker, bool& gemeldet)
{
    QPainter maler;
    DruckSeite seite;
    if (!DruckBeginn(drucker, maler, seite, s_, frage_)) {
        gemeldet = true;
        return false;
    }
    const int breiteMm = drucker.widthMM();
    const int versatz = seite.DruckRandX;
    if (s_.Rechenmodus == 1) {
        DruckeTabelleSeite(maler, s_.Tabellenzeilen, Monatswahl_ != Einzelmonat, breiteMm, versatz, s_);
    } else {
        // The year table is printed as it is built, head and all, from its own copy.
        std::vector<std::string> gezeigt = std::move(s_.Tabellenzeilen);
        TabelleJahr(s_, s_.Par.Jahr, s_.Tabellenoption != 0, s_.Tabellentyp);
        std::vector<std::string> druck = std::move(s_.Tabellenzeilen);
        s_.Tabellenzeilen = std::move(gezeigt);
        DruckeTabelleZeilen(maler, std::move(druck), s_.Durchgangstabelle != 0, breiteMm, versatz);
    }
    maler.end();
    return drucker.printerState() != QPrinter::Error && drucker.printerState() != QPrinter::Aborted;
}

void Tsset2::ButtonSaveClick()
{
    if (s_.Rechenmodus == 1 || s_.Rechenmodus == 8)
        SpeichereTabelle();
}

void Tsset2::SpeichereTabelle()
{
    const bool de = s_.Sprachspalte != 2;
    QString name = QStringLiteral("Tabelle");
    bool csv = false;
    if (dienste_.tabellendatei) {
        if (!dienste_.tabellendatei(name, csv))
            return;
    } else {
        QFileDialog dialog(this, de ? QStringLiteral("UMBRIN.EXE - Tabelle speichern")
                                    : QStringLiteral("UMBRIN.EXE - Save Table"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList filter = de ? QStringList{QStringLiteral("Textdatei (*.TXT *.txt)"), QStringLiteral("Excel-Datei (*.CSV *.csv)")}
                                      : QStringList{QStringLiteral("Text file (*.TXT *.txt)"), QStringLiteral("Excel file (*.CSV *.csv)")};
        dialog.setNameFilters(filter);
        dialog.selectFile(name);
        // The name typed keeps its stem when the filter changes.
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &filter](const QString& f) {
            const QStringList gewaehlt = dialog.selectedFiles();
            const QString alt = gewaehlt.isEmpty() ? QStringLiteral("Tabelle") : QFileInfo(gewaehlt.front()).fileName();
            dialog.selectFile(QString::fromStdString(TabellenDateiname(alt.toStdString(), f == filter[1])));
        });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        name = dialog.selectedFiles().front();
        csv = dialog.selectedNameFilter() == filter[1];
    }
    const std::string datei = TabellenDateiname(name.toStdString(), csv);
    if (csv) {
        // The text names its answers: so do its buttons.
        const CsvTrennerFrage f = csvTrennerFrage(de);
        const PromptAnswer a = frage_.askYesNoNamed(PromptTitle::WasNun, PromptIcon::Question, f.text, f.ja, f.nein);
        CsvTrenner_.assign(1, a == PromptAnswer::Yes ? ';' : ',');
    }
    TabellenExport e;
    e.rechenmodus = s_.Rechenmodus;
    e.monatswahl = Monatswahl_;
    e.csv = csv;
    e.csvTrenner = CsvTrenner_;
    e.tabBreite = TabBreite_;
    e.tabLaenge = TabLaenge_;
    e.durchgang = s_.Durchgangstabelle != 0;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string fehler;
    const bool gut = SchreibeTabellendatei(datei, TabellenDateiInhalt(s_, s_.Tabellenzeilen, e), fehler,
                                           s_.Sprachspalte != 2);
    QApplication::restoreOverrideCursor();
    if (!gut)
        frage_.ask(PromptTitle::Fehler, PromptIcon::Error, tabellenSchreibfehlerText(datei, fehler, de), PromptButtons::Ok);
}

} // namespace umbrin
