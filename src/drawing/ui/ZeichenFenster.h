#pragma once
// The drawing window: the chosen dial constructed on an image, with the buttons and menu to
// redraw, zoom, place the gnomon foot and the legend with the mouse, print, export as HPGL
// or DXF, show the construction listing and the hour-line angle table, and save or load
// construction data. Object name "Form5"; one is open at a time, inside the main window.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "core/ui/Beschriftung.h"
#include "dials/Konstruktionsmeldung.h"
#include "drawing/Arbeitsablage.h"
#include "drawing/KarteOverlay.h"
#include "drawing/Winkeltabelle.h"
#include "drawing/Zeichenfensterzustand.h"
#include "drawing/Zeichnungsroutinen.h"
#include "drawing/ui/Fusspunktschicht.h"
#include "drawing/ui/ZeichenfensterDienste.h"
#include "core/ui/Druckbar.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSlider;
class QTableWidget;
class QVBoxLayout;

namespace umbrin {

class Bildflaeche;
class RadioGruppe;

class ZeichenFenster : public QWidget, public SprachAktualisierbar, public Druckbar {
    Q_OBJECT
public:
    ZeichenFenster(AppState& s, Arbeitsablage& shell, UserPrompt& frage, ZeichenfensterDienste dienste,
                   QWidget* eltern = nullptr);
    ~ZeichenFenster() override;

    // The main window's print command: the angle table when it is open, else the
    // information sheet when it is shown, else the drawing.
    void druckeZeichnung();
    void druckeFenster() override { druckeZeichnung(); }

    // Clears the image and constructs the dial.
    void Konstruiere(Zeichenanlass anlass = Zeichenanlass::Sonstiges);
    // Prints the drawing (or the open angle table).
    void BildDrucken();
    // Opens the export panel for a plot file (alsHpgl) or a DXF file; koordinaten: the
    // "coordinates" button (DXF with the list into a text file).
    void dxfClick(bool alsHpgl, bool koordinaten, bool vonSpeicherKnopf);
    // Continue in the export panel: takes the name and writes the file.
    void BtnWeiterClick();
    // The information sheet and the angle table.
    void sInfo();
    void BitBtnWinkelClick();
    // Zoom steps and the A4/A3 display modes.
    void zoomEin();
    void zoomAus();
    void A4Click();
    void A3Click();
    // Construction data ("*.umb"; in ham mode start settings "*.ham").
    void BtnSavCClick();
    void BtnLoadCClick();

    // The window was activated or deactivated inside the main window.
    void aktiviert();
    void deaktiviert();

    // After a language switch: caption, listing and angle table in the new language.
    void aktualisiereSprache(AppState& s) override;

    Zeichenfensterzustand& fensterzustand() { return f_; }
    Bildflaeche* bildflaeche() const { return bild_; }
    const Winkeltabelle& winkeltabelle() const { return tabelle_; }
    int hilfekontext() const { return hilfekontext_; }
    QMenu* popupMenue() const { return popup_; }

    // Inside the main window: its whole work area.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Layout and the creation steps.
    void baueOberflaeche();
    void baueKnopfleiste();
    void baueExpertenTafel();
    void baueExportTafel();
    void baueInfoTafel();
    void baueWinkelTafel();
    void bauePopup();
    void BildGroesse();
    void FormShow();
    void Ursprung_zeigen();
    void setzeTitel();
    void beschrifte();
    // The dial type as the window is set up for it: letter, sub-type, umbrella and ham mode.
    std::string typSchluessel() const;
    // After a load (mitDatei: a file was chosen): the file's language, then what opening the
    // window does when the file brought another type (vorher: the type key before), else a
    // drawing.
    void nachDemLaden(const std::string& vorher, bool mitDatei);
    // Sets the window up for the type as a window opened for it: buttons, caption, panels,
    // placement, drawing.
    void richteFuerTypEin();

    // Drawing and the mouse.
    void zeigeMeldungen(const Konstruktionsmeldungen& m);
    void Image1MouseDown(QMouseEvent* e);
    void setzePunkt(int x, int y, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten);
    void zeigWarnung(QObject* ueber);
    // The hint line below the buttons: row zeile of the text table in the colours.
    void setzeWarnung(int zeile, const char* farbe, const char* hintergrund);
    void loescheWarnung();
    // The words at the default foot that ask for the user's own, written into the picture.
    void schreibeFusshinweis();
    // After a language switch: the picture on show drawn again in the new language, with its
    // hint line and the words at the foot, without asking again what it asked before.
    void zeichneInNeuerSprache();
    void aktualisiereMarken();
    void FormResize();
    void einstellen();
    void TrackBar1Change(int position);

    // Printing.
    bool druckeSeite(QPrinter& drucker);
    void DruckListe();
    void ausgeben();
    bool waehleDrucker(QPrinter& drucker);
    QPrinter& drucker();
    // A printer of its own for text lines, set up like the chosen one (text lines on a
    // printer that has printed before come out oversized).
    static std::unique_ptr<QPrinter> textDrucker(const QPrinter& wahl);

    // Export.
    void abbruch();
    void makeHPGClick();
    void Anpassen();

    // Panels.
    void zeigeWinkeltabelle();
    void zu2();
    void baueListing();
    void karteGeaendert();
    void kartenWerkzeug(int werkzeug);
    void SchoenerClick();
    void BitBtnHollClick();
    void platziereBildKnoepfe();
    // The mean-time dial's graph and information drawing (ZeichenFensterKegel.cpp).
    void baueKegelTafeln();
    void zeigeKegelGrafik();
    void zeigeKegelInfo();
    void druckeKegel(bool grafik);

    AppState& s_;
    Arbeitsablage& shell_;
    UserPrompt& frage_;
    ZeichenfensterDienste dienste_;
    Zeichenfensterzustand f_;
    Winkeltabelle tabelle_;
    WinkelMemoTexte memoTexte_;
    QPoint griff_; // where a panel being moved was taken
    int hilfekontext_ = 0;

    bool gezeigt_ = false;
    bool aktiv_ = false;
    // The type, sub-type and umbrella flag the placement defaults were set for: activation
    // sets them again only for another type.
    std::string platziertFuer_;
    Konstruktionsmeldungen letzteMeldungen_;
    // What the picture on show was drawn for (the kind that changes what is drawn) and
    // whether the words at the foot stand in it.
    Zeichenanlass bildAnlass_ = Zeichenanlass::Sonstiges;
    bool fusshinweis_ = false;
    bool meldungenStumm_ = false; // a drawing's messages are taken as shown
    int bildSprachspalte_ = 0;     // the language the picture was drawn in
    bool laedt_ = false;           // a file is being loaded: its picture is drawn after it
    struct Warnung {
        int zeile = 0; // 0: no hint line
        const char* farbe = nullptr;
        const char* grund = nullptr;
    } warnung_;
    // The map read and projected for the picture, kept while only the foot moves.
    KartenSpeicher karten_;
    // The lines and map of a planar dial, kept while only its foot moves.
    Fusspunktschicht schicht_;
    bool fussBewegung_ = false; // the construction running follows a click that moved the foot
    QPointer<QMdiSubWindow> rahmen_;
    std::unique_ptr<QPrinter> eigenerDrucker_;

    Bildflaeche* bild_ = nullptr;
    QFrame* panel2_ = nullptr;
    QPushButton* bitBtnZeichne_ = nullptr;
    QPushButton* bitBtnNetz_ = nullptr;
    QPushButton* bBtnZoomIn_ = nullptr;
    QPushButton* bitBtnOut_ = nullptr;
    QPushButton* bitBtnCol_ = nullptr;
    QPushButton* bitBtnWinkel_ = nullptr;
    QPushButton* bitBtnStabInfo_ = nullptr;
    QPushButton* bitBtn5_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* btnSaveC_ = nullptr;
    QPushButton* btnLoadC_ = nullptr;
    QPushButton* btBtnParms_ = nullptr;
    QPushButton* btBtnZeigen_ = nullptr;
    QPushButton* bitBtnSchliess_ = nullptr;
    QPushButton* bitBtnSchoe_ = nullptr;  // the ring dial's correction view
    QCheckBox* chBSchoenerTabelle_ = nullptr; // the correction view also writes its table
    QPushButton* bitBtnHoll_ = nullptr;   // the cone graph of the mean-time dial
    QFrame* pHoll_ = nullptr;
    QLabel* image3_ = nullptr;            // the cone graph's picture
    QLabel* pWarnung_ = nullptr;
    QFrame* quPanel_ = nullptr;
    QLabel* quLab1_ = nullptr;
    QLabel* quLab2_ = nullptr;
    QFrame* pExpert_ = nullptr;
    QCheckBox* chBMap_ = nullptr;
    QCheckBox* chBfrontier_ = nullptr;
    QSlider* trackBar1_ = nullptr;
    QLabel* lTrack_ = nullptr;

    // Export panel.
    QFrame* hpgPanel_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* namehpg_ = nullptr;
    RadioGruppe* rgKoordinaten_ = nullptr;
    QLabel* lKoord_ = nullptr;
    QLabel* dxfLabel_ = nullptr;
    QComboBox* dxfCombobox_ = nullptr;
    QString endung_ = QStringLiteral("plt");
    bool exportVerweigert_ = false; // the last export was refused before its panel opened

    // Information sheet.
    QFrame* pStabInfo_ = nullptr;
    QPlainTextEdit* stabMemo_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;   // the mean-time dial's information drawing
    QLabel* image2_ = nullptr;

    // Angle table.
    QFrame* pWinkel_ = nullptr;
    QTableWidget* strGrWinkel_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QCheckBox* chBLKorr_ = nullptr;
    QFrame* pLaen_ = nullptr;
    QLabel* lBr_ = nullptr;
    QLabel* lWan_ = nullptr;
    QLabel* lInk_ = nullptr;
    QLabel* lLae_ = nullptr;
    QLabel* lZon_ = nullptr;
    QLabel* lBesonnt_ = nullptr;
    QLabel* lWinkelTitel_ = nullptr;

    QMenu* popup_ = nullptr;
    QAction* a4_ = nullptr;
    QAction* a3_ = nullptr;
    QAction* bisFuss_ = nullptr;
    QAction* polDreieck_ = nullptr;
    QAction* polInfo_ = nullptr;
    QAction* mitNetz1_ = nullptr;
    QAction* zoomIn1_ = nullptr;
    QAction* zoomOut1_ = nullptr;
    QAction* alsHPG1_ = nullptr;
    QAction* alsdx1_ = nullptr;
    QAction* n2_ = nullptr;
};

} // namespace umbrin
