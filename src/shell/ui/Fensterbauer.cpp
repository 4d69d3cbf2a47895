#include "shell/ui/Fensterbauer.h"

#include "drawing/ui/ZeichenFenster.h"
#include "shell/Menue.h"
#include "shell/ui/Textdruck.h"
#include "tables/ui/Tsset1.h"

#include <QAction>

namespace umbrin {

std::function<QWidget*(MainWindow&)> zeichnungsbauer()
{
    return [](MainWindow& mw) -> QWidget* {
        ZeichenfensterDienste d;
        d.druckMenue = [&mw](bool an) { mw.aktion(menue::Drucken)->setEnabled(an); };
        d.anzeigeart = [&mw](bool a4) {
            mw.aktion(menue::FormatA4)->setChecked(a4);
            mw.aktion(menue::FormatA3)->setChecked(!a4);
        };
        d.farbpalette = [&mw] { mw.aktion(menue::Farbpalette)->trigger(); };
        d.parameterDialog = [&mw] { mw.Parameterfestlegen1Click(); };
        d.schliessen = [&mw] { mw.mCloseWindowClick(); };
        d.konstruktionsdatenSpeichern = [&mw] { mw.Konstruktionsdatenspeichern1Click(); };
        d.textdruckBeenden = [&mw] { mw.textdruck().schliesse(); };
        d.drucker = [&mw]() -> QPrinter& { return mw.drucker(); };
        d.druckerDialog = [&mw](QPrinter&, QWidget*) { return mw.waehleDrucker(); };
        d.grosserBildschirm = mw.shell().GrosserBildschirm;
        d.grosseFonts = mw.shell().GrosseFonts;
        setzeStandardDialoge(d);
        auto* fenster = new ZeichenFenster(mw.state(), mw.shell(), mw.prompt(), std::move(d));
        QObject::connect(&mw, &MainWindow::spracheGewechselt, fenster,
                         [fenster, &mw] { fenster->aktualisiereSprache(mw.state()); });
        return fenster;
    };
}

std::function<QWidget*(MainWindow&)> rechenfensterbauer()
{
    return [](MainWindow& mw) -> QWidget* {
        RechenfensterDienste d;
        d.druckdatei = [&mw] { return mw.textdruck().oeffne(); };
        d.druckdateiSchliessen = [&mw] { mw.textdruck().schliesse(); };
        d.druckMenue = [&mw](bool an) { mw.aktion(menue::Drucken)->setEnabled(an); };
        d.schliessen = [&mw] { mw.mCloseWindowClick(); };
        d.einstellungenSpeichern = [&mw] { mw.mSaveOptionsClick(); };
        d.datenLaden = [&mw] { mw.Konstruktionsdatenladen1Click(); };
        ShellZustand& z = mw.shell();
        return new Tsset1(mw.state(), mw.prompt(), z.ErgebnisZeilen, z.Tag, z.Monat, std::move(d));
    };
}

} // namespace umbrin
