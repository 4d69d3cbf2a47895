#pragma once
// The parameter dialog: one page per dial family with every size and drawing option of the
// chosen dial, and beside the planar and umbrella pages the user's own date lines. It copies
// the shared state into its controls whenever it comes to the front, checks each field when
// it is left and the whole visible page when the page is left or the window closes, and
// writes only values that passed their checks back into the shared state. Third and last
// step of the walk: closing it within the walk opens the drawing window.
#include "core/ui/Beschriftung.h"
#include "dialogs/DialogParameterRegeln.h"
#include "dialogs/ui/DialogUmgebung.h"

#include <QDialog>
#include <QHash>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace umbrin {

class FeldWaechter;
class RadioGruppe;
struct Wertebereich;

class ParameterDialog : public QDialog, public SprachAktualisierbar {
    Q_OBJECT
public:
    explicit ParameterDialog(DialogUmgebung& umgebung, QWidget* eltern = nullptr);
    ~ParameterDialog() override;

    // Shared state into every control of every page.
    void eintragen();
    // The check of the visible page (closing the window or leaving the page): reports each
    // faulty field, writes the good values back and leaves the verdict in FensterFrei.
    bool uebertragen();

    ParameterSeite aktiveSeite() const;
    // Changes the page as the user would: the page being left is checked first.
    bool wechsleSeite(ParameterSeite seite);

    void aktualisiereSprache(AppState& s) override;

    // A German and an English caption of the dialog's own.
    struct Text {
        const char* de = nullptr;
        const char* en = nullptr;
    };

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void reject() override;

private:
    // Building (ParameterSeiten.cpp).
    void baueSeiten();
    QWidget* baueSeitePlanar();
    QWidget* baueSeiteSchirm();
    QWidget* baueSeiteQuadrant();
    QWidget* baueSeiteZylinder();
    QWidget* baueSeiteHoehe();
    QWidget* baueSeiteRing();
    QWidget* baueSeiteAzimut();
    QWidget* baueSeiteBiazimut();
    QWidget* baueSeiteMittlereZeit();
    QWidget* baueSeiteSawyer();
    QWidget* baueDatumsliste();

    template <typename T>
    T* neu(QWidget* eltern, const char* name);
    QLabel* label(QWidget* eltern, const char* name, Text t);
    QLabel* labelId(QWidget* eltern, const char* name, int id);
    QLineEdit* feld(QWidget* eltern, const char* name, int zeichen);
    QCheckBox* kasten(QWidget* eltern, const char* name, Text t);
    QComboBox* auswahl(QWidget* eltern, const char* name);
    RadioGruppe* gruppe(QWidget* eltern, const char* name, Text titel, std::vector<Text> eintraege, int spalten = 1);
    RadioGruppe* gruppeId(QWidget* eltern, const char* name, int id, int anzahl, int spalten = 1);
    QGroupBox* rahmen(QWidget* eltern, const char* name, Text titel);
    // The column heads "from", "to" and "interval" of an hour-line table.
    void spaltenKoepfe(QGridLayout* raster, QWidget* eltern, const char* prefix);
    // A row of the hour-line table: check box, start, end and interval combo.
    void linienZeile(QGridLayout* raster, int zeile, QWidget* eltern, const char* kasten, Text t,
                     const char* anf, const char* end, const char* intervall);

    // Controls by name.
    QWidget* k(const char* name) const;
    QLineEdit* ed(const char* name) const;
    QCheckBox* cb(const char* name) const;
    QComboBox* co(const char* name) const;
    RadioGruppe* rg(const char* name) const;
    QLabel* lb(const char* name) const;
    std::string labelText(const char* name) const;
    void setzeText(const char* name, const std::string& text);
    void zeigeWert(const char* name, double x, int w, int d, bool blank = false);
    void zeigeGanz(const char* name, std::int32_t n, bool blank = false);
    // The second latitude as its file line holds it: one kept off the equator shows "0.00" or
    // "-0.00", not the value that stands in for it.
    void zeigeZweiteBreite();
    void sichtbar(const char* name, bool ja);
    void aktiv(const char* name, bool ja);
    void pruefe(const std::function<void()>& pruefung);

    // Frame (ParameterDialog.cpp).
    void anpassen();
    void formShow();
    void popen();
    void boolToParams();
    void hilfeEinstellen();
    void setzeTitel();
    void setzeBreite();
    void schliessKnopf(bool abbrechen);
    bool pruefeSeite(ParameterSeite seite);
    void seiteGewechselt(int index);
    bool realGeprueft(const char* feld, double& ziel, const char* labelName, const Wertebereich& b);
    bool realGeprueftText(const char* feld, double& ziel, const std::string& label, const Wertebereich& b);
    bool ganzGeprueft(const char* feld, std::int32_t& ziel, const char* labelName, const Wertebereich& b);
    // A latitude field of a page, read and kept off the equator by its rule; the exit check
    // and the closing check both take it so.
    bool breiteGeprueft(const char* feld);
    void edit1Exit(const char* feld);
    void analemmaStundeVerlassen(const char* feld);
    void gnomonVerlassen(const char* feld);

    // Hour lines, extra lines, own date lines (ParameterLinien.cpp).
    void verbindeLinien();
    void familieGeklickt(const QString& name);
    void setzeFamilien();
    void zeitGewaehlt(const QString& name, int index);
    void intervallGewaehlt(const QString& name, int index);
    void fuelleListen();
    void beschrifteStunden();
    void fuelleZeitCombos();
    void zeigeIntervalle();
    void datumslinienArt(int item);
    void aktualisiereLinienWahl();
    void setzeLinienSchalter();
    void zeigeZylFelder(bool zeigen);
    void zeigeZeitFelder(bool zeigen);
    void faerbe(QWidget* w, bool aktivFarbe);
    void datumUebernehmen();
    void datumEntfernen();
    void datumslinienSpeichern();
    void datumslinienLaden();
    void zeigeDatumsliste();
    void zeitanzeigeGewaehlt(const QString& name, int item);

    // Type-specific pages (ParameterTypseiten.cpp).
    void verbindeTypseiten();
    void wandabweichungVerlassen(const char* feld);
    void inklinationVerlassen(const char* feld);
    bool gnomonGeprueft();
    void schirmEbene(int item);
    void schirmKreisVerlassen();
    void schirmNeigungVerlassen();
    void schirmAbweichungVerlassen();
    void hoehenuhrArt(int item);
    void habermelDurchmesserVerlassen();
    void quadrantSkala(int item);
    void quadrantTemporal(bool vonTemporal);
    void azimutKreise();
    void horizontprofil();
    void positionVerlassen(const char* feld);
    void zeigePosition2();
    void ebeneGewaehlt(const char* sender, int item);
    void berechnePol();
    void sawyerZeit(int k);
    void sawyerPeauGewaehlt(int item);
    void skalaZylinder2Zeigen();
    bool habermelGnomonAus(double durchmesser, bool melden);
    bool habermelGnomonVerlassen();

    DialogUmgebung& u_;
    AppState& s_;
    FeldWaechter* waechter_ = nullptr;
    QTabWidget* seiten_ = nullptr;
    QWidget* datumsliste_ = nullptr;
    QPushButton* schliessen_ = nullptr;
    QPushButton* abbruch_ = nullptr;
    QHash<QString, QWidget*> k_;
    struct EigenerText {
        QPointer<QObject> ziel;
        Text text;
    };
    std::vector<EigenerText> texte_;
    std::vector<std::pair<QPointer<RadioGruppe>, std::vector<Text>>> gruppenTexte_;
    int letzteSeite_ = 0;
    bool seitenWechsel_ = false;
    bool imWalk_ = false;
    bool geschlossen_ = false;
    bool datumslistenSeite_ = false;
};

} // namespace umbrin
