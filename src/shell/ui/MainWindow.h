#pragma once
// The main window: menus, status bar and the MDI area in which every working window opens.
// One working window is open at a time; the step-by-step creation of a dial walks from the
// location dialog through the type chooser and the parameter dialog to the drawing window.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/DialogWalk.h"
#include "dialogs/ui/DialogUmgebung.h"
#include "shell/ShellZustand.h"
#include "shell/ui/QtUebersetzung.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;

namespace umbrin {

class Farbpanel;
class Galerie;
class InfoPanel;
class HilfeSystem;
class Hinweisanzeige;
class TDLogFile;
class Textdruck;

class MainWindow : public QMainWindow, public WalkShell {
    Q_OBJECT
public:
    // Builders of the working windows; each returns the widget to show in the MDI area (its
    // objectName is the window name: "Form6", "F4", "Form4", "Form5", "sset1", "sset2").
    struct Fensterbauer {
        std::function<QWidget*(MainWindow&)> ortUndJahr;
        std::function<QWidget*(MainWindow&)> typwahl;
        std::function<QWidget*(MainWindow&)> parameter;
        std::function<QWidget*(MainWindow&)> zeichnung;
    };

    // programmOrdner: where the settings, date and help files live; empty means the folder of
    // the executable.
    MainWindow(AppState& state, ShellZustand& shell, UserPrompt& prompt, TDLogFile* log = nullptr,
               const QString& programmOrdner = QString(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // Replaces the builders (the dialogs are built by default; the drawing window is set by
    // the program, tests set their own).
    void setFensterbauer(Fensterbauer bauer) { bauer_ = std::move(bauer); }
    void setZeichnungsbauer(std::function<QWidget*(MainWindow&)> bauer) { bauer_.zeichnung = std::move(bauer); }
    // The calculation window "sset1" (built by default).
    void setRechenfensterbauer(std::function<QWidget*(MainWindow&)> bauer) { rechenbauer_ = std::move(bauer); }
    // The tables-and-graphs window "sset2" (built by default).
    void setTabellenfensterbauer(std::function<QWidget*(MainWindow&)> bauer) { tabellenbauer_ = std::move(bauer); }
    DialogUmgebung& dialogUmgebung() { return *umgebung_; }
    DialogWalk& walk() { return *walk_; }

    // WalkShell: the walk creates and closes the working windows through these.
    void oeffneFenster(Arbeitsfenster fenster) override;
    void schliesseArbeitsfenster() override;
    void walkBeendet() override;

    AppState& state() { return s_; }
    ShellZustand& shell() { return z_; }
    UserPrompt& prompt() { return prompt_; }
    QMdiArea* mdiArea() const { return mdi_; }
    QAction* aktion(int menueIndex) const { return aktionen_[static_cast<std::size_t>(menueIndex)]; }

    // Window operations.
    void FensterMenues(bool an);
    bool FensterOffen(const QString& praefix) const;
    void schliesseAndereFenster(const QString& praefix);
    void FensterZu(const QString& praefix);
    QWidget* aktivesFenster() const;

    // The walk and the window-opening commands (the dialogs call these too).
    void Sonnenuhrerstellen2Click();
    void Weiter1Click();
    void Abbruch1Click();
    void AssistentBeenden();
    void GeographischeLageundJahr1Click();
    void AuswahlSonnenuhrtyp1Click();
    void Parameterfestlegen1Click();
    void aufBildschirm1Click();
    void mCloseWindowClick();
    // The calculation window in mode 1, 2, 4 or 8 (menu items 23 to 26).
    void Sonnenstand1Click(int rechenmodus);
    // The tables window for menu item 28 (month table) or 29 to 31 (year table of the
    // equation of time, the declination or the meridian transit).
    void AufUntergangvonSonneMond1Click(int menuepunkt);
    // The tables window for the equation-of-time graph (menu item 32) and for the sun-path
    // diagram, cartesian (diagrammart 0, item 34) or polar (1, item 35).
    void GraphZeitgleichung1Click();
    void Sonnenstandsdiagramm1Click(int diagrammart);
    // Opens the tables-and-graphs window for the mode set in the state; daneben keeps the
    // calculation window open beside it (its graph commands), otherwise every other working
    // window closes first.
    void oeffneTabellenfenster(bool daneben);

    // Options.
    void Sprache(bool deutsch);
    void menEin();
    void ExpertenMode1Click();
    void HinweiseHintsanzeigen1Click();
    void SavDat1Click();
    // Printing.
    void drucken();
    void mWindowPrintClick();
    void Druckereinstellung1Click();
    QPrinter& drucker();
    // Chooses the printer before a print (the print dialog); tests print to a PDF file.
    void setDruckerwahl(std::function<bool(QPrinter&)> wahl) { druckerwahl_ = std::move(wahl); }
    bool waehleDrucker();
    // The text print job the calculation window and the print command share.
    Textdruck& textdruck() { return *textdruck_; }
    // Settings and construction-data files.
    void mSaveOptionsClick();
    void Konstruktionsdatenspeichern1Click();
    void Konstruktionsdatenladen1Click();
    void mLoadOptionsClick(bool standardwerte);
    void ladDatum();
    void zeigeHilfe(int kontext);
    // The help context F1 shows: that of the focused control or of the active working window.
    int hilfeKontextAktiv() const;
    // The colour palette.
    void Farbauswahl1Click();
    // The palette is built when first asked for.
    Farbpanel* farbpanel();
    // The picture gallery, its slide show and the about panel.
    Galerie* galerie() const { return galerie_; }
    // Shows the gallery picture of the current dial type (none for a type without one).
    void zeigeTypBild();
    InfoPanel* infoPanel() const { return infoPanel_; }

signals:
    // Emitted after a language switch, after every component was relabelled.
    void spracheGewechselt();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate(QString ordner);
    void baueSchaufenster();
    void versteckeSchaufenster();
    void Schriftgroesse();
    void baueMenue();
    void setzeSpracheAusDeutsch();
    void spracheAnwenden();
    void neueHilfe(bool meldenWennFehlt);
    // Reports the missing help file, the first time only.
    void meldeFehlendeHilfe(const std::string& text);
    void markiereHinweise();
    QMdiSubWindow* oeffne(QWidget* fenster);
    QWidget* baue(Arbeitsfenster fenster);
    void meldung(PromptTitle titel, PromptIcon icon, const std::string& text);
    void speichereEinstellungen(const QString& vorschlag, const QString& endung, bool alteFarben);
    // True when the file was read to its end; every other outcome has been reported.
    bool leseEinstellungen(const std::string& datei);

    AppState& s_;
    ShellZustand& z_;
    UserPrompt& prompt_;
    TDLogFile* log_;
    std::unique_ptr<DialogWalk> walk_;
    std::unique_ptr<DialogUmgebung> umgebung_;
    bool datumsMenueSichtbar_ = false;
    std::unique_ptr<HilfeSystem> hilfe_;
    QtUebersetzung qtTexte_;
    Hinweisanzeige* hinweise_ = nullptr;
    Farbpanel* farbpanel_ = nullptr;
    std::array<Farbe, 12> startFarben_{};
    Galerie* galerie_ = nullptr;
    InfoPanel* infoPanel_ = nullptr;
    std::unique_ptr<QPrinter> drucker_;
    std::function<bool(QPrinter&)> druckerwahl_;
    std::unique_ptr<Textdruck> textdruck_;
    Fensterbauer bauer_;
    std::function<QWidget*(MainWindow&)> rechenbauer_;
    std::function<QWidget*(MainWindow&)> tabellenbauer_;
    QMdiArea* mdi_ = nullptr;
    std::array<QAction*, 45> aktionen_{};
    std::array<QMenu*, 45> menues_{};
    QMenu* popupWalk_ = nullptr;
    QMenu* popupOptionen_ = nullptr;
    bool ersteAnzeige_ = true;
    bool hilfeFehltGemeldet_ = false;
    bool schliesst_ = false;
};

} // namespace umbrin
