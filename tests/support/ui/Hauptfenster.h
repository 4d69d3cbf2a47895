#pragma once
// The main window as the window tests open it: a started state (with the map texts where a
// test asks for them), a scripted prompt, and its program folder in a fresh temporary folder.
// It is shown when the test says so; print jobs can be sent into numbered PDF files there.
#include "core/State.h"
#include "drawing/KartenText.h"
#include "shell/ShellZustand.h"
#include "shell/ui/MainWindow.h"
#include "support/ScriptedPrompt.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

namespace umbrin::test {

struct Hauptfenster {
    QTemporaryDir ordner;
    AppState s;
    ShellZustand z;
    ScriptedPrompt prompt;
    std::unique_ptr<MainWindow> w;
    int auftrag = 0; // print jobs so far

    explicit Hauptfenster(bool mitKartentexten = false)
    {
        initialisiereZustand(s);
        if (mitKartentexten)
            LadeKartenText(s);
        w = std::make_unique<MainWindow>(s, z, prompt, nullptr, ordner.path());
    }

    // Shows the window, at the given size if one is given.
    void zeige(QSize groesse = {})
    {
        if (groesse.isValid())
            w->resize(groesse);
        w->show();
        QCoreApplication::processEvents();
    }

    // Every print job goes into the next numbered PDF file of the folder.
    void druckeInPdf()
    {
        w->setDruckerwahl([this](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(druck(++auftrag));
            return true;
        });
    }
    QString druck(int n) const { return ordner.filePath(QStringLiteral("druck%1.pdf").arg(n)); }
    QString ini() const { return ordner.filePath(QStringLiteral("umb.ini")); }
};

} // namespace umbrin::test
