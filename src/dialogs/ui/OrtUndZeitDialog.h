#pragma once
// The working window "location and year": latitude, longitude and zone meridian, as
// decimal degrees or as degrees, minutes and seconds with a sign choice, and the reference
// year of every computation. It is the first step of the walk.
#include "core/ui/Beschriftung.h"
#include "dialogs/Wertebereiche.h"
#include "dialogs/ui/DialogUmgebung.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace umbrin {

class FeldWaechter;
class RadioGruppe;

class OrtUndZeitDialog : public QDialog, public SprachAktualisierbar {
    Q_OBJECT
public:
    explicit OrtUndZeitDialog(DialogUmgebung& umgebung, QWidget* eltern = nullptr);
    ~OrtUndZeitDialog() override;

    // The complete check: reads every field of the current entry form, stores the values
    // that pass into the shared state, asks when the zone meridian lies far from the
    // longitude, and leaves the verdict in FensterFrei.
    bool pruefeAlles();

    void aktualisiereSprache(AppState& s) override;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void reject() override;

private:
    // One row of angles: decimal field, degree/minute/second fields and the sign group.
    struct Zeile {
        QLabel* label = nullptr;
        QLineEdit* dezimal = nullptr;
        QLineEdit* grad = nullptr;
        QLineEdit* minuten = nullptr;
        QLineEdit* sekunden = nullptr;
        RadioGruppe* vorzeichen = nullptr;
        Wertebereich gradBereich{0, 0}; // whole degrees of the degree form
        Wertebereich bereich{0, 0};     // decimal degrees
        int breiteDezimal = 11;  // width of the decimal text
    };
    enum ZeilenNr { Breite = 0, Laenge = 1, Zone = 2 };

    void baue();
    void beschrifte();
    void eingabeformGewaehlt();
    bool dezimalGeprueft(int zeile);
    void dezimalVerlassen(int zeile);
    void gradVerlassen(int zeile);
    void minutenVerlassen(int zeile);
    void sekundenVerlassen(int zeile);
    void jahrVerlassen();
    void minutenBetreten(int zeile);
    void zerlegeInFelder(int zeile, double wert);
    void zeigeDezimal();
    // The row's degree, minute and second fields and its sign show the stored value as
    // zerlegeInFelder wrote it.
    bool zeigtGespeichert(int zeile, const GradMinSek& teile, int vorzeichen);
    double& wert(int zeile);
    std::int32_t& gradGedaechtnis(int zeile);
    std::int32_t& minutenGedaechtnis(int zeile);
    std::int32_t& sekundenGedaechtnis(int zeile);
    std::string labelText(const QLabel* label) const;
    void schluss(bool abbrechen);

    DialogUmgebung& u_;
    AppState& s_;
    FeldWaechter* waechter_ = nullptr;
    RadioGruppe* eingabeform_ = nullptr;
    std::array<Zeile, 3> zeilen_{};
    QLabel* jahrLabel_ = nullptr;
    QLineEdit* jahr_ = nullptr;
    QPushButton* schliessen_ = nullptr;
    QPushButton* abbruch_ = nullptr;
    bool imWalk_ = false;
    bool geschlossen_ = false;
};

} // namespace umbrin
