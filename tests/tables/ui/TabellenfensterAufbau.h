#pragma once
// The calculation window and the tables-and-graphs window as their tests open them: a fresh
// state for the year 2024, a scripted prompt, a temporary folder, and print jobs that go into
// PDF files there; the main window the same way for the tests that open them from its menu.
// Plus what those tests read back: the pages of a written PDF and a named child control.
#include "core/ui/DruckListe.h"
#include "support/ScriptedPrompt.h"
#include "support/ui/Hauptfenster.h"
#include "tables/ui/Tsset1.h"
#include "tables/ui/Tsset2.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace umbrin::test {

struct PdfSeiten {
    int anzahl = -1;
    bool quer = false; // the first page is wider than high
};

// The pages of a PDF as Qt writes it.
inline PdfSeiten pdfSeiten(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray inhalt = f.readAll();
    PdfSeiten s;
    s.anzahl = static_cast<int>(inhalt.count("/Type /Page") - inhalt.count("/Type /Pages"));
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto m = box.match(QString::fromLatin1(inhalt));
    s.quer = m.hasMatch() && m.captured(1).toDouble() > m.captured(2).toDouble();
    return s;
}

// A named child control of the window; a missing one ends the test program.
template <typename T>
T* kind(QWidget* w, const char* name)
{
    T* k = w->findChild<T*>(QString::fromLatin1(name));
    if (!k)
        qFatal("no component %s", name);
    return k;
}

// A state as the program starts with it, for the year 2024 and the given mode.
inline AppState tabellenZustand(int modus)
{
    AppState s;
    initialisiereZustand(s);
    s.Par.Jahr = 2024;
    s.Rechenmodus = static_cast<std::uint8_t>(modus);
    return s;
}

// The calculation window on its own, with its text print job going into a PDF file.
struct RechenfensterAufbau {
    AppState s;
    ScriptedPrompt prompt;
    std::vector<std::string> ergebnis;
    int tag = 21;
    int monat = 6;
    QTemporaryDir ordner;
    QPrinter drucker{QPrinter::HighResolution};
    std::unique_ptr<DruckListe> liste;
    int geschlossen = 0;
    int seiten = 0;
    int zeilen = 0;

    explicit RechenfensterAufbau(int modus) : s(tabellenZustand(modus)) {}
    QString pdf() const { return ordner.path() + QStringLiteral("/ergebnis.pdf"); }

    std::unique_ptr<Tsset1> fenster()
    {
        RechenfensterDienste d;
        d.druckdatei = [this]() -> DruckListe* {
            if (!liste) {
                drucker.setOutputFormat(QPrinter::PdfFormat);
                drucker.setOutputFileName(pdf());
                liste = std::make_unique<DruckListe>(drucker);
                std::string fehler;
                if (!liste->oeffnen(fehler))
                    liste.reset();
            }
            return liste.get();
        };
        d.druckdateiSchliessen = [this] {
            if (!liste)
                return;
            std::string fehler;
            liste->schliessen(fehler);
            seiten = liste->seiten();
            zeilen = liste->zeilen();
            liste.reset();
            ++geschlossen;
        };
        auto w = std::make_unique<Tsset1>(s, prompt, ergebnis, tag, monat, std::move(d));
        w->resize(900, 600);
        w->show();
        return w;
    }
};

// The tables-and-graphs window on its own, printing into numbered PDF files and saving its
// tables and graphs into the temporary folder.
struct TabellenfensterAufbau {
    AppState s;
    ScriptedPrompt prompt;
    int tag = 21;
    int monat = 6;
    QTemporaryDir ordner;
    QPrinter drucker{QPrinter::HighResolution};
    QSize flaeche{1920, 1000}; // the main window's working area
    QString dateiname = QStringLiteral("Tabelle");
    bool csv = false;
    int textdruckBeendet = 0;
    int auftrag = 0;
    QString ziel; // where the printer dialog prints; empty: the next numbered file

    explicit TabellenfensterAufbau(int modus) : s(tabellenZustand(modus)) {}
    QString pdf(int n) const { return ordner.path() + QStringLiteral("/druck%1.pdf").arg(n); }

    std::unique_ptr<Tsset2> fenster(QSize groesse = {1200, 800})
    {
        TabellenfensterDienste d;
        d.hauptflaeche = [this] { return flaeche; };
        d.drucker = [this]() -> QPrinter& { return drucker; };
        d.druckerDialog = [this](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(ziel.isEmpty() ? pdf(++auftrag) : ziel);
            return true;
        };
        d.textdruckBeenden = [this] { ++textdruckBeendet; };
        d.tabellendatei = [this](QString& name, bool& alsCsv) {
            name = ordner.path() + QLatin1Char('/') + dateiname;
            alsCsv = csv;
            return true;
        };
        d.grafikdatei = [this](QString& name, const QString&) {
            name = ordner.path() + QLatin1Char('/') + name;
            return true;
        };
        auto w = std::make_unique<Tsset2>(s, prompt, tag, monat, std::move(d));
        w->resize(groesse);
        w->show();
        return w;
    }
};

// The main window with the map texts loaded and its print jobs going into PDF files, at the
// size the tables tests open it; the test waits for it to be shown.
struct HauptfensterAufbau : Hauptfenster {
    HauptfensterAufbau() : Hauptfenster(true)
    {
        druckeInPdf();
        zeige({1200, 850});
    }
};

} // namespace umbrin::test
