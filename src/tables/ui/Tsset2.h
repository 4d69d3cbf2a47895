#pragma once
// The tables-and-graphs window ("sset2"): the month table of rise and set (calculation mode
// 1), a year table (mode 8), the equation-of-time graph (mode 16) or the sun-path diagram
// (mode 32), as s.Rechenmodus says when the window is created. Tables are drawn as an image
// from s.Tabellenzeilen, printed, and saved as text or CSV; graphs are drawn into a cached
// image, printed, and saved as plot or DXF files.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "core/ui/Beschriftung.h"
#include "tables/Grafikhaken.h"
#include "tables/ui/TabellenfensterDienste.h"

#include <QImage>
#include <QWidget>

#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QScrollArea;

namespace umbrin {

class EoTSymmPanel;
class ProfilPanel;
class RadioGruppe;

class Tsset2 : public QWidget, public SprachAktualisierbar {
    Q_OBJECT
public:
    // tag and monat are the calculation's date (the month table opens on that month).
    Tsset2(AppState& s, UserPrompt& frage, int& tag, int& monat, TabellenfensterDienste dienste,
           QWidget* eltern = nullptr);
    ~Tsset2() override;

    // Draws the current content (tables rebuilt, graphs redrawn into the cache).
    void FormShow();
    // Month table: built and drawn; art is the twilight kind chosen, -1 to keep it.
    void AufgangScreen(int art = -1);
    // Year table: built and drawn; typ is the kind chosen, -1 to keep it.
    void RGTabelleClick(int typ = -1);
    // Printing (the print buttons, the pop-up and the main window's print command).
    void DruckListe();
    // Saving the table as text or CSV.
    void ButtonSaveClick();
    // The graph-file panel for a plot (alsHpgl) or DXF file; btnOKClick writes the file.
    void BtnHPGgraphClick(bool alsHpgl);
    void btnOKClick();
    void Button1Click();
    bool SchreibeGrafikdatei();
    // "Grafik Regeneration": the graph redrawn at the working area's new size.
    void Button3Click();
    // The options of the graphs and tables.
    void ChbBesonntClick(bool an);
    void ChBLaeKrrClick(bool an);
    void ChbEotClick(bool an);
    void ChbSunposChange(int item);
    void Combobox1Change(int item);
    void cDatLinClick(int item);
    void cStund2Click(int item);
    void ChbMtChange(int item);
    void RgSonnaufClick(int item);
    // The pop-up's table and graph switches: 0 equation of time, 2 declination, 3 transit;
    // the graph of mode 16, or of mode 32 as cartesian (0) or polar (1) diagram.
    void TabellederSonnendeklination1Click(int typ);
    void TabellederZeitgleichung1Click(int rechenmodus, int diagrammart = 0);
    void TabelleAufUntergang1Click();
    // Closing; rechenmodusNachher overrides the mode left behind (the pop-up's tables).
    void Schliess(int rechenmodusNachher = 0);

    void aktualisiereSprache(AppState& s) override;
    QSize sizeHint() const override;
    // The help context of the mode on show; F1 of the main window asks it.
    Q_INVOKABLE int hilfeKontext() const;

    // What the window shows, for its tests and the main window.
    const QImage& tabellenbild() const { return tabBild_; }
    const QImage& grafikbild() const { return grafikBild_; }
    const std::string& streiflichtText() const { return StreiflichtText_; }

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    void baue();
    QWidget* baueTabellenkopf();
    QWidget* bauePanelEoT();
    QGroupBox* bauePanAzHigh();
    QFrame* bauePEoTFile();
    void bauePProfil();
    void bauePsymm();
    // The symmetric equation-of-time box: shows or hides its panel.
    void ChBSymmClick(bool an);
    void bauePopup();
    void beschrifte();
    void seteintragen();
    void groesseAnpassen();
    QSize verfuegbar() const;
    bool istGrafikmodus() const { return s_.Rechenmodus == 16 || s_.Rechenmodus == 32; }
    void zeigeTabelle(const QImage& bild);
    void zeichneGrafik();
    void setzeStreiflicht();
    void EdBrClick(QLineEdit* feld);
    bool filtern(QLineEdit* feld, QKeyEvent* taste);
    void SpeichereTabelle();
    bool druckeGrafik(QPrinter& drucker);
    // gemeldet: the page could not be started, and the user has been told so already.
    bool druckeTabelle(QPrinter& drucker, bool& gemeldet);
    void verschiebe(QWidget* panel, QMouseEvent* ereignis);

    AppState& s_;
    UserPrompt& frage_;
    int& tag_;
    int& monat_;
    TabellenfensterDienste dienste_;
    int Monatswahl_ = 0;
    double TabBreite_ = 0;
    double TabLaenge_ = 0;
    std::string CsvTrenner_;
    std::string StreiflichtText_;
    bool gedruckt_ = false;
    QSize aufgenommen_;
    QImage tabBild_;
    QImage grafikBild_;
    QPoint ziehStart_;

    QWidget* tabellenkopf_ = nullptr;
    RadioGruppe* RGTabelle_ = nullptr;
    RadioGruppe* RGDawn1_ = nullptr;
    RadioGruppe* RgSonnauf_ = nullptr;
    QComboBox* ChbMt_ = nullptr;
    QPushButton *BitBtnPrtT_ = nullptr, *BitBtnSav_ = nullptr, *BitBtnSchliessen_ = nullptr;

    QWidget* PanelEoT_ = nullptr;
    QCheckBox *ChBLaeKorr_ = nullptr, *chBSymm_ = nullptr, *ChbEot_ = nullptr;
    QComboBox *Combobox1_ = nullptr, *cDatlin_ = nullptr, *cStund_ = nullptr, *ChbSunpos_ = nullptr;
    QPushButton *BitBtnprint_ = nullptr, *BitBtnHPG_ = nullptr, *BitBtndxf_ = nullptr;
    QCheckBox *ChbProfil_ = nullptr, *ChbLoad_ = nullptr;
    QPushButton* bhProfil_ = nullptr;
    ProfilPanel* pProfil_ = nullptr;
    EoTSymmPanel* Psymm_ = nullptr;

    QGroupBox* PanAzHigh_ = nullptr;
    QLineEdit *EdBr_ = nullptr, *EdAbw_ = nullptr, *EdInk_ = nullptr, *EdLaeng_ = nullptr;
    QCheckBox* ChbBesonnt_ = nullptr;
    QLabel* lSonnzeit_ = nullptr;

    QLabel* lbZeitglGraph_ = nullptr;
    QScrollArea* flaeche_ = nullptr;
    QLabel* tabImage_ = nullptr;
    QLabel* ImageGraph_ = nullptr;
    QPushButton* Button3_ = nullptr;
    QLabel* ImageInfo_ = nullptr;

    QFrame* pEoTFile_ = nullptr;
    QCheckBox *bxSpiegeln_ = nullptr, *bxLaenge_ = nullptr;
    QLineEdit* edFaktor_ = nullptr;
    QPushButton *btnOK_ = nullptr, *Button1_ = nullptr;
    bool panelHpgl_ = true;
    double faktor_ = 1.0;

    QMenu* PopupTabelle1_ = nullptr;
    QAction *speichern_ = nullptr, *alsHpgl_ = nullptr, *alsDxf_ = nullptr;
};

} // namespace umbrin
