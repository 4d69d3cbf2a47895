#pragma once
// The calculation window ("sset1"): for one date and place the rise and set of sun,
// twilight and moon (mode 1), the sun's position at a clock time (mode 2), the zone time at
// which the sun reaches an azimuth (mode 4), and the equation of time and declination at
// 12 h zone time (mode 8), by s.Rechenmodus as the main window set it. Results show in the
// labels of the mode's panel and as text lines in the shared result list, which this window
// and the main window print through the text print job.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "core/ui/Beschriftung.h"
#include "tables/Sonnenrechnung.h"
#include "tables/ui/RechenfensterDienste.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace umbrin {

class RadioGruppe;

class Tsset1 : public QWidget, public SprachAktualisierbar {
    Q_OBJECT
public:
    // ergebnisZeilen, tag and monat are the main window's: the result list it prints and the
    // date of the calculation (today at start).
    Tsset1(AppState& s, UserPrompt& frage, std::vector<std::string>& ergebnisZeilen, int& tag, int& monat,
           RechenfensterDienste dienste, QWidget* eltern = nullptr);
    ~Tsset1() override;

    // The help context of the mode on show; F1 of the main window asks it.
    Q_INVOKABLE int hilfeKontext() const;

    // The computation ("Berechnung", the pop-up's "Berechnung starten"); vonTabelle when the
    // table button asked for it, which then opens the tables window.
    // False when a field was refused or the user stopped it.
    bool Button3Click(bool vonTabelle = false);
    // The four table items of the pop-up: 0 month table, 1 equation of time, 2 declination,
    // 3 meridian transit.
    void tabelleErstellen(int tabelle);
    // The graph commands: the equation-of-time graph, or the sun-path diagram.
    void GraphZeitgleichungClick(bool sonnenbahn);
    // Prints the result lines; mitSeitenende ends the page and the print job.
    void Druckenmit1Click(bool mitSeitenende);
    void DruckenLfeed1Click();
    void BitBtn1Click();
    void RGDawn2Click(int art);
    void Button2Click();

    void aktualisiereSprache(AppState& s) override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;

private:
    void baue();
    QWidget* baueEingaben();
    QWidget* bauePanelRise();
    QWidget* bauePanelpos();
    QWidget* bauePanelZeit();
    QWidget* bauePanelEoT();
    void bauePopup();
    void beschrifte();
    void anpassen();
    void FormCreate();

    // Exit checks of the fields.
    void zuweisen(QLineEdit* feld);
    void umwandeln(QLineEdit* feld);
    void umwandeln2();
    void zuweisen4();
    void Zeitberechnen();
    void pruefeGregor();
    // Key filters and the clearing of the results.
    bool Tastenfilter(QLineEdit* feld, QKeyEvent* taste);
    void loesch(QKeyEvent* taste);
    // The complete check when a computation starts: every field is read; the first that
    // fails is refused with its message and keeps the focus.
    bool pruefeFelder();
    void verweigere(QLineEdit* feld, const std::string& text);
    // The number fields: their label, range text and check; the reading of one, which says
    // what it refuses and keeps the focus in the field.
    struct Zahlfeld {
        const char* label;
        const char* bereich;
        bool (*zulaessig)(double);
    };
    Zahlfeld zahlfeld(const QLineEdit* feld) const;
    std::optional<double> liesFeld(QLineEdit* feld, bool ganz);
    std::optional<double> liesFeldZahl(QLineEdit* feld);
    std::optional<int> liesFeldGanzzahl(QLineEdit* feld);
    // The field shows the value stored, with every decimal it has.
    void zeigeFeldwert(QLineEdit* feld);
    // The time field read; a text that is no time of day is refused, quoting it, and the
    // field shows the time kept.
    std::optional<double> liesUhrzeitFeld();
    bool frageLaengeWeit();
    // The mode's lines and labels; false when an empty or refused field stopped it.
    bool rechneModus(std::vector<std::string>& zeilen);
    void zeigeTagesAufUntergang(const TagesAufUntergangErgebnis& e);
    void DruckeErgebnis(bool mitSeitenende);
    bool ordne();
    Rechendatum datum() const { return {monat_, tag_}; }
    std::string ohneAmpersand(const QLabel* label) const;

    AppState& s_;
    UserPrompt& frage_;
    std::vector<std::string>& ergebnis_;
    int& tag_;
    int& monat_;
    RechenfensterDienste dienste_;
    bool prueft_ = false;

    QLineEdit* edJahr_ = nullptr;
    QLineEdit* edMonat_ = nullptr;
    QLineEdit* edTag_ = nullptr;
    QLineEdit* edLatitude_ = nullptr;
    QLineEdit* edLongitude_ = nullptr;
    QLineEdit* edZone_ = nullptr;
    QLabel* labelLatitude_ = nullptr;

    QWidget* panelRise_ = nullptr;
    QLabel *lDeklination_ = nullptr, *lZtglg_ = nullptr, *lAufgang_ = nullptr, *lUntergang_ = nullptr;
    QLabel *lAnfang_ = nullptr, *lEnde_ = nullptr, *lMondauf_ = nullptr, *lmondunter_ = nullptr;
    RadioGruppe* RGDawn2_ = nullptr;

    QWidget* panelpos_ = nullptr;
    QLineEdit* Uhrzeit_ = nullptr;
    RadioGruppe* rgZeitart_ = nullptr;
    QLabel *p2Hoehe_ = nullptr, *p2Azi_ = nullptr, *p2Eot_ = nullptr, *p2Dekl_ = nullptr;

    QWidget* panelZeit_ = nullptr;
    QLineEdit* p3Azi_ = nullptr;
    QLabel *p3Zeit_ = nullptr, *p3Hoehe_ = nullptr;

    QWidget* panelEoT_ = nullptr;
    QLabel *lEoTDekl_ = nullptr, *lEoTEot_ = nullptr;

    QPushButton *Button1_ = nullptr, *Button2_ = nullptr, *Button3_ = nullptr, *Button4_ = nullptr;
    QPushButton *bBtnAziHoch_ = nullptr, *BitBtnPrtT_ = nullptr;

    QMenu* popup_ = nullptr;
    QMenu* weitereTabellen_ = nullptr;
    QAction *druckenMit_ = nullptr, *druckenOhne_ = nullptr, *druckSeite_ = nullptr;
    std::vector<QAction*> grafikAktionen_;
};

} // namespace umbrin
