#pragma once
// The drawing window as the dial families' window tests open it: a fresh state, a scripted
// prompt, a temporary folder for the files it writes, a printer dialog that prints into a PDF
// file and a save dialog that answers with a name the test chose. Plus the checks those tests
// share: coloured pixels of a picture, a written PDF, and plots and DXF drawings that real
// readers accept.
#include "core/State.h"
#include "drawing/ui/ZeichenFenster.h"
#include "shell/ShellZustand.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>

namespace umbrin::test {

struct ZeichenfensterAufbau {
    AppState s;
    ShellZustand z;
    ScriptedPrompt prompt;
    QTemporaryDir ordner;
    QString gespeichert; // what the save dialog answers
    QString pdf;         // where the printer dialog prints; empty: the dialog is cancelled
    QString geoeffnet;   // what the open dialog answers
    QPrinter* drucker = nullptr; // the printer the window prints on; its own when null
    int druckerGefragt = 0;

    ZeichenfensterAufbau()
    {
        initialisiereZustand(s);
        z.ArbeitsPfad = std::string(UMBRIN_BINARY_DIR) + "/";
    }

    std::string pfad(const char* name) const { return (ordner.path() + "/" + name).toStdString(); }

    std::unique_ptr<ZeichenFenster> fenster(QSize groesse = {1100, 760})
    {
        ZeichenfensterDienste d;
        if (drucker)
            d.drucker = [this]() -> QPrinter& { return *drucker; };
        d.druckerDialog = [this](QPrinter& p, QWidget*) {
            ++druckerGefragt;
            if (pdf.isEmpty())
                return false;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        d.speichernDialog = [this](QWidget*, const QString&, const QString&, const QString&, const QString&) {
            return gespeichert;
        };
        d.oeffnenDialog = [this](QWidget*, const QString&, const QString&, const QString&) { return geoeffnet; };
        auto w = std::make_unique<ZeichenFenster>(s, z, prompt, std::move(d));
        w->resize(groesse);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
        return w;
    }

    // Exports the window's dial into the named file of the folder: a plot or a DXF drawing.
    void exportiere(ZeichenFenster& w, bool alsHpgl, const char* name)
    {
        w.dxfClick(alsHpgl, false, true);
        gespeichert = QString::fromStdString(pfad(name));
        w.BtnWeiterClick();
    }

    // Exports the plot and checks that hp2xx reads it without complaint.
    void exportierePlot(ZeichenFenster& w, const char* name)
    {
        exportiere(w, true, name);
        QCOMPARE(QString::fromStdString(hp2xxPruefung(pfad(name))), QString());
    }

    // Exports the DXF drawing and, where ezdxf is installed, checks it with ezdxf.
    void exportiereDxf(ZeichenFenster& w, const char* name)
    {
        exportiere(w, false, name);
        QVERIFY(QFile::exists(QString::fromStdString(pfad(name))));
        if (ezdxfDa())
            QCOMPARE(QString::fromStdString(ezdxfPruefung(pfad(name))), QString());
    }

    // Whether some question so far held the text.
    bool gefragt(const char* teil) const
    {
        for (const auto& f : prompt.asked)
            if (f.text.find(teil) != std::string::npos)
                return true;
        return false;
    }
};

// Non-white pixels on every second row and column.
inline int farbigePixel(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); y += 2)
        for (int x = 0; x < bild.width(); x += 2)
            n += bild.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

// A PDF file of more than mindestens bytes with a page.
inline void pruefePdf(const QString& datei, qint64 mindestens = 10000)
{
    QFile f(datei);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(datei));
    const QByteArray inhalt = f.readAll();
    QVERIFY(inhalt.startsWith("%PDF"));
    QVERIFY2(inhalt.size() > mindestens, qPrintable(QString::number(inhalt.size())));
    QVERIFY(inhalt.contains("/Type /Page"));
}

// The folder the window tests leave their screenshots in.
inline QString bildOrdner()
{
    const QString ordner = QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(ordner);
    return ordner;
}

} // namespace umbrin::test
