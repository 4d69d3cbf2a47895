#include "shell/ui/Fensterbauer.h"

#include "drawing/ui/ZeichenFenster.h"
#include "shell/Menue.h"
#include "shell/ui/Textdruck.h"
#include "tables/ui/Tsset1.h"
#include "tables/ui/Tsset2.h"

#include <QAction>
#include <QMdiArea>

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
        d.zeigeBild = [&mw] { mw.zeigeTypBild(); };
        d.schliessen = [&mw] { mw.mCloseWindowClick(); };
        d.konstruktionsdatenSpeichern = [&mw] { mw.Konstruktionsdatenspeichern1Click(); };
        d.textdruckBeenden = [&mw] { mw.textdruck().schliesse(); };
        d.spracheDerDaten = [&mw] { mw.Sprache(mw.state().Deutsch != 0); };
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
        // The graphs open beside the calculation window; a table replaces it.
        d.tabellenfenster = [&mw] {
            const int modus = mw.state().Rechenmodus;
            mw.oeffneTabellenfenster(modus == 16 || modus == 32);
        };
        ShellZustand& z = mw.shell();
        return new Tsset1(mw.state(), mw.prompt(), z.ErgebnisZeilen, z.Tag, z.Monat, std::move(d));
    };
}

std::function<QWidget*(MainWindow&)> tabellenfensterbauer()
{
    return [](MainWindow& mw) -> QWidget* {
        TabellenfensterDienste d;
        d.hauptflaeche = [&mw] { return mw.mdiArea()->viewport()->size(); };
        d.drucker = [&mw]() -> QPrinter& { return mw.drucker(); };
        d.druckerDialog = [&mw](QPrinter&) { return mw.waehleDrucker(); };
        d.textdruckBeenden = [&mw] { mw.textdruck().schliesse(); };
        d.druckMenue = [&mw] {
            QAction* drucken = mw.aktion(menue::Drucken);
            drucken->setVisible(true);
            drucken->setEnabled(true);
        };
        d.tabelle = [&mw](int menuepunkt) { mw.AufUntergangvonSonneMond1Click(menuepunkt); };
        d.grafik = [&mw](int rechenmodus) {
            if (rechenmodus == 16)
                mw.GraphZeitgleichung1Click();
            else
                mw.Sonnenstandsdiagramm1Click(mw.state().Schalter.Diagrammart);
        };
        ShellZustand& z = mw.shell();
        return new Tsset2(mw.state(), mw.prompt(), z.Tag, z.Monat, std::move(d));
    };
}

} // namespace umbrin
