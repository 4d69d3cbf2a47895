#pragma once
// The working window in which the user chooses the dial type and its sub-type and enters the
// few base sizes the type needs (wall declination, inclination, gnomon height or the type's
// main size). Second step of the walk.
#include "core/ui/Beschriftung.h"
#include "dialogs/ui/DialogUmgebung.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace umbrin {

class FeldWaechter;
class RadioGruppe;

class TypwahlDialog : public QDialog, public SprachAktualisierbar {
    Q_OBJECT
public:
    explicit TypwahlDialog(DialogUmgebung& umgebung, QWidget* eltern = nullptr);
    ~TypwahlDialog() override;

    // The complete check of the closing window; leaves the verdict in FensterFrei.
    bool pruefeAlles();

    // Shows the stored values again (every activation of the window).
    void werteInFelder();

    void aktualisiereSprache(AppState& s) override;

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void reject() override;

private:
    void baue();
    void beschrifte();
    void typGewaehlt(int index);
    void zeigeFelder();
    void zeigeBildKnopf();
    void zeigeGroesseInEdit3();
    void setzeHirtLabel();
    void wandabweichungVerlassen();
    void skalaVerlassen();
    void inklinationVerlassen();
    void groesseVerlassen();
    void ringVerlassen();
    void zylRadiusVerlassen();
    bool habermelGnomonAusDurchmesser(double durchmesser);
    void werteUebernehmen();
    std::string label(const QLabel* l) const;
    void knopf(bool abbrechen);

    DialogUmgebung& u_;
    AppState& s_;
    FeldWaechter* waechter_ = nullptr;
    RadioGruppe* typen_ = nullptr;
    RadioGruppe* rgSchirm_ = nullptr;
    RadioGruppe* rgAltitude_ = nullptr;
    RadioGruppe* rgZyl_ = nullptr;
    RadioGruppe* rgAzMain_ = nullptr;
    QToolButton* bild_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QLineEdit* edZylang_ = nullptr;
    QLineEdit* edZylRad_ = nullptr;
    QLineEdit* edHaber_ = nullptr;
    QLineEdit* rDurch_ = nullptr;
    QLabel* label2_ = nullptr;  // wall declination
    QLabel* label11_ = nullptr; // declination of the polar rod
    QLabel* label3_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* label8_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* lHirt_ = nullptr;
    QLabel* lZylRad_ = nullptr;
    QLabel* label62_ = nullptr;
    QLabel* label9_ = nullptr;
    QLabel* label13_ = nullptr;
    QPushButton* schliessen_ = nullptr;
    QPushButton* abbruch_ = nullptr;
    bool imWalk_ = false;
    bool geschlossen_ = false;
};

} // namespace umbrin
