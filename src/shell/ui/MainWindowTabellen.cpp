// The main window's table and graph commands: the tables-and-graphs window for the month
// table, the three year tables, the equation-of-time graph and the sun-path diagrams.
#include "shell/ui/MainWindow.h"

#include "core/AufUntergang.h"
#include "shell/Menue.h"

#include <QAction>
#include <QMdiSubWindow>

namespace umbrin {

void MainWindow::AufUntergangvonSonneMond1Click(int menuepunkt)
{
    if (menuepunkt == menue::Monatstabelle) {
        s_.Rechenmodus = 1;
    } else {
        s_.RechenmodusAlt = 2;
        s_.Rechenmodus = 8;
        s_.Tabellentyp = menuepunkt == menue::DeklinationTabelle ? 2 : menuepunkt == menue::MeridianTabelle ? 3 : 0;
        s_.Tabellenoption = s_.Tabellentyp < 2;
    }
    s_.Durchgangstabelle = s_.Tabellentyp == 3;
    const int daemmerung = s_.Schalter.Daemmerung <= 2 ? s_.Schalter.Daemmerung : 0;
    s_.sinh0 = sinh0Werte(daemmerung);
    // The month table opens with astronomical twilight where nautical was chosen; the sines
    // stay those of the choice.
    if (s_.Rechenmodus == 1 && daemmerung == 1)
        s_.Schalter.Daemmerung = 2;
    s_.TabellenoptionKopie = s_.Tabellenoption;
    oeffneTabellenfenster(false);
}

void MainWindow::GraphZeitgleichung1Click()
{
    s_.RechenmodusAlt = s_.Rechenmodus;
    s_.Rechenmodus = 16;
    oeffneTabellenfenster(false);
}

void MainWindow::Sonnenstandsdiagramm1Click(int diagrammart)
{
    s_.RechenmodusAlt = s_.Rechenmodus;
    s_.Rechenmodus = 32;
    schliesseAndereFenster(QStringLiteral("Form1"));
    // The kind is taken only when the window is really opened.
    if (!s_.FensterFrei || schliesst_ || !tabellenbauer_)
        return;
    s_.Schalter.Diagrammart = static_cast<std::uint8_t>(diagrammart);
    oeffneTabellenfenster(true);
}

void MainWindow::oeffneTabellenfenster(bool daneben)
{
    if (schliesst_)
        return;
    if (!daneben)
        schliesseAndereFenster(QStringLiteral("Form1"));
    if (!s_.FensterFrei || !tabellenbauer_)
        return;
    aktion(menue::Drucken)->setEnabled(true);
    // The window opens maximised in the working area.
    if (QWidget* fenster = tabellenbauer_(*this))
        oeffne(fenster)->showMaximized();
    FensterMenues(true);
}

} // namespace umbrin
