// The main window's file commands: the date-line file, the start settings and the
// construction data, saved and loaded.
#include "shell/ui/MainWindow.h"

#include "core/Texttabellen.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "shell/Datumsdatei.h"

#include <QFileDialog>

namespace umbrin {

void MainWindow::SavDat1Click()
{
    std::string fehler;
    if (!speichereDatumsdatei(s_.TageDatei, s_.Datumslinien, fehler, s_.Sprachspalte != 2))
        meldung(PromptTitle::Fehler, PromptIcon::Error, fehler);
}

void MainWindow::ladDatum()
{
    DatumsdateiErgebnis e = ladeDatumsdatei(s_.TageDatei, s_.Par.Jahr, s_.Sprachspalte != 2);
    if (!e.gelesen) {
        if (!e.fehler.empty())
            meldung(PromptTitle::Fehler, PromptIcon::Error, e.fehler);
        return;
    }
    s_.Datumslinien = e.linien;
    if (!e.verworfen.empty()) {
        const bool de = s_.Sprachspalte == 1;
        std::string text = std::string(de ? "Ungültige Datumszeilen in " : "Invalid date lines in ") + s_.TageDatei
            + (de ? " übergangen:" : " skipped:");
        for (const auto& z : e.verworfen)
            text += "\n" + z;
        meldung(PromptTitle::Warnung, PromptIcon::Warning, text);
    }
}

namespace {

QString titel(TitelPaar paar, int spalte)
{
    return QString::fromUtf8(MeldungsTitel[static_cast<std::size_t>(paar)].in(spalte).data(),
                             static_cast<int>(MeldungsTitel[static_cast<std::size_t>(paar)].in(spalte).size()));
}

} // namespace

bool MainWindow::leseEinstellungen(const std::string& datei)
{
    const IniLeseErgebnis e = LeseIni(s_, datei, true, true, prompt_);
    if (e.status == IniLeseStatus::NichtLesbar)
        meldung(PromptTitle::Fehler, PromptIcon::Error, e.fehler);
    return e.status == IniLeseStatus::Gelesen;
}

void MainWindow::speichereEinstellungen(const QString& vorschlag, const QString& endung, bool alteFarben)
{
    const int spalte = s_.Sprachspalte;
    const QString filter = spalte == 1
        ? QString::fromUtf8("Startkonfiguration (*.ini);;Andere Konstruktionsdaten (*.umb);;Alle Dateien (*)")
        : QStringLiteral("Start Configuration (*.ini);;Your own Construction Data (*.umb);;All Files (*)");
    QFileDialog dlg(this, titel(TitelPaar::KonstruktionsdatenSpeichern, spalte), vorschlag, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(endung);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return;
    const std::string datei = dlg.selectedFiles().front().toStdString();
    IniTextErstellen(s_, alteFarben, z_.IniAusgabe, prompt_);
    std::string fehler;
    // Only a save that really reached the disk is reported as saved.
    if (IniTextSpeichern(z_.IniAusgabe, datei, fehler, s_.Sprachspalte != 2))
        meldung(PromptTitle::Information, PromptIcon::Information,
                datei + (spalte == 1 ? " gespeichert!" : " saved!"));
    else
        meldung(PromptTitle::Fehler, PromptIcon::Error, fehler);
}

void MainWindow::mSaveOptionsClick()
{
    schliesseAndereFenster(QStringLiteral("Form1"));
    speichereEinstellungen(QString::fromStdString(s_.IniDatei), QStringLiteral("ini"), true);
}

void MainWindow::Konstruktionsdatenspeichern1Click()
{
    speichereEinstellungen(QString::fromStdString(z_.ArbeitsPfad + "myDial.umb"), QStringLiteral("umb"), false);
}

void MainWindow::Konstruktionsdatenladen1Click()
{
    schliesseAndereFenster(QStringLiteral("Form1"));
    if (s_.FensterFrei) {
        const int spalte = s_.Sprachspalte;
        const QString filter = spalte == 1 ? QStringLiteral("Starteinstellungen (*.ini *.umb);;Alle Dateien (*)")
                                           : QStringLiteral("Start Configuration (*.ini *.umb);;All Files (*)");
        const QString datei = QFileDialog::getOpenFileName(this, titel(TitelPaar::KonstruktionsdatenLaden, spalte),
                                                           QString::fromStdString(z_.ArbeitsPfad), filter);
        if (!datei.isEmpty())
            leseEinstellungen(datei.toStdString());
    }
    Sprache(s_.Deutsch != 0);
}

void MainWindow::mLoadOptionsClick(bool standardwerte)
{
    schliesseAndereFenster(QStringLiteral("Form1"));
    if (s_.FensterFrei) {
        FensterMenues(false);
        if (standardwerte) {
            StandardWerte(s_);
        } else {
            // A file that was missing, faulty or unreadable has been reported by the reader;
            // it is not reported as loaded.
            if (leseEinstellungen(s_.IniDatei))
                meldung(PromptTitle::Information, PromptIcon::Information,
                        s_.IniDatei + (s_.Sprachspalte == 1 ? " geladen!" : " loaded!"));
        }
    }
    Sprache(s_.Deutsch != 0);
}

} // namespace umbrin
