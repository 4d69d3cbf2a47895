#pragma once
// The horizon-profile panel of the tables-and-graphs window: the centre of the profile, the
// platform height, the nearest and farthest objects counted, and the button that computes a
// profile from elevation tiles and saves it as a profile file. The computation runs on a
// thread of its own with a progress bar and a Cancel button; its questions and file choices
// come back to this window. The hosting window hands in what the panel needs of it through
// ProfilPanelDienste and places the panel over its client area.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "tables/BerechneHorizont.h"

#include <QFrame>
#include <QPoint>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace umbrin {

class FeldWaechter;

struct ProfilPanelDienste {
    // File dialogs: the chosen file, empty when cancelled. The filters are written
    // "text|pattern|text|pattern"; endung is the default extension. Left empty, the
    // platform's file dialogs ask.
    std::function<QString(QWidget* eltern, const QString& titel, const QString& filter, const QString& endung)>
        oeffnenDialog;
    std::function<QString(QWidget* eltern, const QString& titel, const QString& filter, const QString& endung)>
        speichernDialog;
    // The window draws its content again (after a profile or the place changed).
    std::function<void()> neuZeichnen;
    // The place in Par changed: the window shows it in its own fields.
    std::function<void()> ortGeaendert;
    // Cancel of the window's panels: true when the window hid a panel of its own (the
    // symmetric equation-of-time panel), so the profile panel stays.
    std::function<bool()> anderesPanelSchliessen;
    // Threads of the far field; 0: as many as the machine has.
    unsigned threads = 0;
};

class ProfilPanel : public QFrame {
    Q_OBJECT
public:
    ProfilPanel(AppState& s, UserPrompt& prompt, ProfilPanelDienste dienste, QWidget* eltern);
    ~ProfilPanel() override;

    // The settings the tables window gives the computation when it opens for sun-path
    // diagrams: 60 km, 0 m platform, 200 m minimum distance.
    static void standardEinstellungen(AppState& s);

    // Fills the fields from the state, places the panel a quarter down the window and shows it.
    void zeig_pProfil();
    // The Cancel button: stops a running computation, else closes a panel.
    void Aussteigen();
    // The show box and the load box of the window.
    void ChbProfilClick(QCheckBox* zeigen, QCheckBox* laden, bool ladenGeklickt);
    // "Start Berechnung": takes the fields, asks for the first tile and starts the run.
    void Button2Click();
    void aktualisiereSprache();

    bool laeuft() const { return static_cast<bool>(arbeiter_); }

signals:
    // A run ended; gespeichert when a profile file was written.
    void berechnungBeendet(bool gespeichert);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    class FadenPrompt;

    bool Edit1Exit(QLineEdit* feld);
    bool Edit11Exit(QLineEdit* feld);
    void zeigeOrt();
    void StarteHorizontBerechnung();
    void berechnungFertig(const HorizontErgebnis& erg);
    void speichere(const HorizontErgebnis& erg);
    void setzeLaufend(bool laufend);
    QString sp(const char* de, const char* en) const;
    QString oeffnen(const QString& titel, const QString& filter, const QString& endung);

    AppState& s_;
    UserPrompt& prompt_;
    ProfilPanelDienste d_;
    FeldWaechter* waechter_;
    QLabel* kopf1_;
    QLabel* kopf2_;
    QLabel* Label17_;
    QLabel* Label21_;
    QLabel* Label22_;
    QLabel* Label23_;
    QLabel* Label26_;
    QLabel* breiteLabel_;
    QLabel* laengeLabel_;
    QLabel* bodenLabel_;
    QLabel* LabBreit_;
    QLabel* labLae_;
    QLineEdit* Edit7_;
    QLineEdit* Edit8_;
    QLineEdit* Edit9_;
    QLineEdit* Edit10_;
    QLineEdit* Edit11_;
    QLineEdit* Edit12_;
    QRadioButton* nord_;
    QRadioButton* sued_;
    QRadioButton* ost_;
    QRadioButton* west_;
    QProgressBar* fortschritt_;
    QPushButton* Button2_;
    QPushButton* abbrechen_;
    QPoint ziehen_;

    std::unique_ptr<FadenPrompt> fadenPrompt_;
    std::unique_ptr<std::thread> arbeiter_;
    std::atomic<bool> stopp_{false};
    std::atomic<bool> fertig_{false};
    bool schliesst_ = false;
};

} // namespace umbrin
