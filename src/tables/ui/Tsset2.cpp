#include "tables/ui/Tsset2.h"

#include "core/AufUntergang.h"
#include "core/Eingabepruefung.h"
#include "core/Sprachdienst.h"
#include "core/Textbeschriftung.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "core/ui/RadioGruppe.h"
#include "tables/Tabellenansicht.h"
#include "tables/ui/EoTSymmPanel.h"
#include "tables/ui/FlowLayout.h"
#include "tables/ui/ProfilPanel.h"
#include "tables/ui/Tabellenbild.h"
#include "tables/ui/Tabellenfenstertexte.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

QString q(const std::string& t) { return QString::fromStdString(t); }

template <typename T>
T* benannt(T* k, const char* name)
{
    k->setObjectName(QString::fromLatin1(name));
    return k;
}

QPushButton* neuerKnopf(QWidget* eltern, const char* name)
{
    auto* k = benannt(new QPushButton(eltern), name);
    k->setAutoDefault(false);
    return k;
}

} // namespace

Tsset2::Tsset2(AppState& s, UserPrompt& frage, int& tag, int& monat, TabellenfensterDienste dienste, QWidget* eltern)
    : QWidget(eltern)
    , s_(s)
    , frage_(frage)
    , tag_(tag)
    , monat_(monat)
    , dienste_(std::move(dienste))
{
    setObjectName(QStringLiteral("sset2"));
    setzeTextId(this, TabellenfensterTextId);
    baue();
    bauePopup();
    seteintragen();
    beschrifte();
    if (pProfil_)
        pProfil_->aktualisiereSprache();
    FormShow();
}

Tsset2::~Tsset2() = default;

QSize Tsset2::sizeHint() const
{
    return aufgenommen_.isValid() ? aufgenommen_ : QWidget::sizeHint();
}

void Tsset2::baue()
{
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(4, 4, 4, 4);
    haupt->addWidget(baueTabellenkopf());
    haupt->addWidget(bauePanelEoT());
    haupt->addWidget(bauePanAzHigh());
    lbZeitglGraph_ = benannt(new QLabel(this), "lbZeitglGraph");
    lbZeitglGraph_->setAlignment(Qt::AlignCenter);
    haupt->addWidget(lbZeitglGraph_);

    flaeche_ = benannt(new QScrollArea(this), "Bildflaeche");
    flaeche_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    flaeche_->setFrameShape(QFrame::NoFrame);
    auto* innen = new QWidget;
    auto* spalte = new QVBoxLayout(innen);
    spalte->setContentsMargins(0, 1, 0, 0);
    tabImage_ = benannt(new QLabel(innen), "tabImage");
    ImageGraph_ = benannt(new QLabel(innen), "ImageGraph");
    ImageInfo_ = benannt(new QLabel(innen), "ImageInfo");
    ImageInfo_->setWordWrap(true);
    ImageInfo_->setAlignment(Qt::AlignCenter);
    Button3_ = neuerKnopf(innen, "Button3");
    spalte->addWidget(tabImage_, 0, Qt::AlignHCenter);
    spalte->addWidget(ImageGraph_, 0, Qt::AlignHCenter);
    // The notice takes the whole width, so that the layout gives it the height of the lines
    // it wraps into (a centred item would be narrowed after its height was fixed).
    spalte->addWidget(ImageInfo_);
    spalte->addWidget(Button3_, 0, Qt::AlignHCenter);
    spalte->addStretch(1);
    flaeche_->setWidget(innen);
    flaeche_->setWidgetResizable(true);
    haupt->addWidget(flaeche_, 1);
    connect(Button3_, &QPushButton::clicked, this, [this] { Button3Click(); });
    ImageInfo_->installEventFilter(this);

    pEoTFile_ = bauePEoTFile();
    bauePsymm();
}

int Tsset2::hilfeKontext() const
{
    return s_.Rechenmodus == 16 ? 31 : s_.Rechenmodus == 32 ? 50 : 53;
}

QWidget* Tsset2::baueTabellenkopf()
{
    tabellenkopf_ = benannt(new QWidget(this), "Tabellenkopf");
    auto* reihe = new QHBoxLayout(tabellenkopf_);
    reihe->setContentsMargins(0, 0, 0, 0);
    RGTabelle_ = benannt(new RadioGruppe(tabellenkopf_), "RGTabelle");
    RGTabelle_->setEintraege({QString(), QString(), QString(), QString()});
    RGTabelle_->setSpalten(4);
    setzeTextId(RGTabelle_, 54);
    RGDawn1_ = benannt(new RadioGruppe(tabellenkopf_), "RGDawn1");
    RGDawn1_->setEintraege({QString(), QString(), QString()});
    RGDawn1_->setSpalten(3);
    setzeTextId(RGDawn1_, 812);
    RgSonnauf_ = benannt(new RadioGruppe(tabellenkopf_), "RgSonnauf");
    RgSonnauf_->setEintraege({QString(), QString(), QString()});
    RgSonnauf_->setSpalten(3);
    setzeTextId(RgSonnauf_, 58);
    ChbMt_ = benannt(new QComboBox(tabellenkopf_), "ChbMt");
    for (int m = 0; m < 12; ++m)
        ChbMt_->addItem(QString());
    BitBtnPrtT_ = neuerKnopf(tabellenkopf_, "BitBtnPrtT");
    BitBtnSav_ = neuerKnopf(tabellenkopf_, "BitBtnSav");
    BitBtnSchliessen_ = neuerKnopf(tabellenkopf_, "BitBtnSchliessen");
    for (QWidget* w : {static_cast<QWidget*>(RGTabelle_), static_cast<QWidget*>(RGDawn1_),
                       static_cast<QWidget*>(RgSonnauf_), static_cast<QWidget*>(ChbMt_)})
        reihe->addWidget(w);
    reihe->addStretch(1);
    for (QWidget* w : {BitBtnPrtT_, BitBtnSav_, BitBtnSchliessen_})
        reihe->addWidget(w);
    connect(RGTabelle_, &RadioGruppe::itemGewaehlt, this, [this](int i) { RGTabelleClick(i); });
    connect(RGDawn1_, &RadioGruppe::itemGewaehlt, this, [this](int i) { AufgangScreen(i); });
    connect(RgSonnauf_, &RadioGruppe::itemGewaehlt, this, [this](int i) { RgSonnaufClick(i); });
    connect(ChbMt_, &QComboBox::activated, this, [this](int i) { ChbMtChange(i); });
    connect(BitBtnPrtT_, &QPushButton::clicked, this, [this] { DruckListe(); });
    connect(BitBtnSav_, &QPushButton::clicked, this, [this] { ButtonSaveClick(); });
    connect(BitBtnSchliessen_, &QPushButton::clicked, this, [this] { Schliess(); });
    BitBtnPrtT_->installEventFilter(this);
    BitBtnSchliessen_->installEventFilter(this);
    return tabellenkopf_;
}

QWidget* Tsset2::bauePanelEoT()
{
    PanelEoT_ = benannt(new QWidget(this), "PanelEoT");
    // The options wrap into a second row where the window is narrow, each at its full width.
    auto* reihe = new FlowLayout(PanelEoT_);
    ChBLaeKorr_ = benannt(new QCheckBox(PanelEoT_), "ChBLaeKorr");
    setzeTextId(ChBLaeKorr_, 620);
    chBSymm_ = benannt(new QCheckBox(PanelEoT_), "chBSymm");
    setzeTextId(chBSymm_, 221);
    Combobox1_ = benannt(new QComboBox(PanelEoT_), "Combobox1");
    Combobox1_->addItems({QString(), QString()});
    setzeTextId(Combobox1_, 86);
    cDatlin_ = benannt(new QComboBox(PanelEoT_), "cDatlin");
    cDatlin_->addItems({QString(), QString(), QString()});
    setzeTextId(cDatlin_, 60);
    cStund_ = benannt(new QComboBox(PanelEoT_), "cStund");
    cStund_->addItems({QStringLiteral(" 60 min"), QStringLiteral(" 30 min"), QStringLiteral(" 20 min"),
                       QStringLiteral(" 15 min")});
    ChbEot_ = benannt(new QCheckBox(PanelEoT_), "ChbEot");
    setzeTextId(ChbEot_, 590);
    ChbSunpos_ = benannt(new QComboBox(PanelEoT_), "ChbSunpos");
    ChbSunpos_->addItems({QString(), QString(), QString()});
    setzeTextId(ChbSunpos_, 58);
    ChbProfil_ = benannt(new QCheckBox(PanelEoT_), "ChbProfil");
    setzeTextId(ChbProfil_, 469);
    ChbLoad_ = benannt(new QCheckBox(PanelEoT_), "ChbLoad");
    setzeTextId(ChbLoad_, 470);
    bhProfil_ = neuerKnopf(PanelEoT_, "bhProfil");
    setzeTextId(bhProfil_, 471);
    BitBtnprint_ = neuerKnopf(PanelEoT_, "BitBtnprint");
    BitBtnHPG_ = neuerKnopf(PanelEoT_, "BitBtnHPG");
    BitBtndxf_ = neuerKnopf(PanelEoT_, "BitBtndxf");
    auto* schliessen = neuerKnopf(PanelEoT_, "BitBtnSchliessenGrafik");
    connect(schliessen, &QPushButton::clicked, this, [this] { Schliess(); });
    schliessen->installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(ChBLaeKorr_), static_cast<QWidget*>(chBSymm_),
                       static_cast<QWidget*>(Combobox1_), static_cast<QWidget*>(cDatlin_),
                       static_cast<QWidget*>(cStund_), static_cast<QWidget*>(ChbEot_),
                       static_cast<QWidget*>(ChbSunpos_), static_cast<QWidget*>(ChbProfil_),
                       static_cast<QWidget*>(ChbLoad_), static_cast<QWidget*>(bhProfil_)})
        reihe->addWidget(w);
    for (QComboBox* k : {Combobox1_, cDatlin_, cStund_, ChbSunpos_})
        k->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (QWidget* w : {BitBtnprint_, BitBtnHPG_, BitBtndxf_, schliessen})
        reihe->addTrailingWidget(w);
    connect(ChBLaeKorr_, &QCheckBox::clicked, this, [this](bool an) { ChBLaeKrrClick(an); });
    connect(ChbEot_, &QCheckBox::clicked, this, [this](bool an) { ChbEotClick(an); });
    connect(ChbSunpos_, &QComboBox::activated, this, [this](int i) { ChbSunposChange(i); });
    connect(Combobox1_, &QComboBox::activated, this, [this](int i) { Combobox1Change(i); });
    connect(cDatlin_, &QComboBox::activated, this, [this](int i) { cDatLinClick(i); });
    connect(cStund_, &QComboBox::activated, this, [this](int i) { cStund2Click(i); });
    connect(BitBtnprint_, &QPushButton::clicked, this, [this] { DruckListe(); });
    connect(BitBtnHPG_, &QPushButton::clicked, this, [this] { BtnHPGgraphClick(true); });
    connect(BitBtndxf_, &QPushButton::clicked, this, [this] { BtnHPGgraphClick(false); });
    connect(chBSymm_, &QCheckBox::clicked, this, [this](bool an) { ChBSymmClick(an); });
    return PanelEoT_;
}

void Tsset2::bauePopup()
{
    PopupTabelle1_ = benannt(new QMenu(this), "PopupTabelle1");
    auto punkt = [this](QMenu* menue, const char* name, auto&& handler) {
        QAction* a = menue->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    punkt(PopupTabelle1_, "Drucken1", [this] { DruckListe(); });
    speichern_ = punkt(PopupTabelle1_, "Tabellespeichern1", [this] { ButtonSaveClick(); });
    QMenu* tabellen = benannt(PopupTabelle1_->addMenu(QString()), "Tabellen1");
    punkt(tabellen, "TabelleAufUntergang1", [this] { TabelleAufUntergang1Click(); });
    punkt(tabellen, "TabellederZeitgleichung1", [this] { TabellederSonnendeklination1Click(0); });
    punkt(tabellen, "TabellederSonnendeklination1", [this] { TabellederSonnendeklination1Click(2); });
    punkt(tabellen, "TabelleMeridiandurchgang1", [this] { TabellederSonnendeklination1Click(3); });
    QAction* graph = punkt(PopupTabelle1_, "GraphZeitgleichung1", [this] { TabellederZeitgleichung1Click(16); });
    QMenu* diagramme = benannt(PopupTabelle1_->addMenu(QString()), "Sonnenstandsdiagramm1");
    punkt(diagramme, "rechtwinkligesDiagramm1", [this] { TabellederZeitgleichung1Click(32, 0); });
    punkt(diagramme, "kreisfoermigesDiagramm1", [this] { TabellederZeitgleichung1Click(32, 1); });
    graph->setEnabled(static_cast<bool>(dienste_.grafik));
    diagramme->setEnabled(static_cast<bool>(dienste_.grafik));
    tabellen->setEnabled(static_cast<bool>(dienste_.tabelle));
    alsHpgl_ = punkt(PopupTabelle1_, "alsHPGL1", [this] { BtnHPGgraphClick(true); });
    alsDxf_ = punkt(PopupTabelle1_, "alsDxf1", [this] { BtnHPGgraphClick(false); });
    alsHpgl_->setText(QStringLiteral("save as &HPGL ..."));
    alsDxf_->setText(QStringLiteral("Save as &dxf ..."));
    PopupTabelle1_->addSeparator();
    punkt(PopupTabelle1_, "Schliessen1", [this] { Schliess(); });
}

void Tsset2::beschrifte()
{
    const int spalte = s_.Sprachspalte;
    beschrifteFenster(this, s_, s_.StringIdBasis);
    for (QAbstractButton* k : findChildren<QAbstractButton*>()) {
        const QString t = tabellenfensterText(k->objectName(), spalte);
        if (!t.isNull())
            k->setText(t);
    }
    for (QLabel* l : findChildren<QLabel*>()) {
        const QString t = tabellenfensterText(l->objectName(), spalte);
        if (!t.isNull())
            l->setText(t);
    }
    for (QAction* a : PopupTabelle1_->findChildren<QAction*>()) {
        const QString t = tabellenfensterText(a->objectName(), spalte);
        if (!t.isNull())
            a->setText(t);
    }
    for (QMenu* m : PopupTabelle1_->findChildren<QMenu*>()) {
        const QString t = tabellenfensterText(m->objectName(), spalte);
        if (!t.isNull())
            m->setTitle(t);
    }
    for (int m = 0; m < 12; ++m)
        ChbMt_->setItemText(m, q(" " + std::string(monatKurz(s_, m + 1)) + "."));
    pEoTFile_->setWindowTitle(QString());
}

// ----- creation, showing and layout ----------------------------------------------------------

void Tsset2::seteintragen()
{
    aufgenommen_ = dienste_.hauptflaeche ? dienste_.hauptflaeche() : QSize(1024, 700);
    TabBreite_ = s_.Par.Breite;
    TabLaenge_ = s_.Par.Laenge;
    EdBr_->setText(q(feldZahl(s_.Par.Breite, 13, 6)).trimmed());
    EdLaeng_->setText(q(feldZahl(s_.Par.Laenge, 13, 6)).trimmed());
    EdAbw_->setText(q(feldZahl(s_.Par.Wandabweichung, 6, 2)).trimmed());
    EdInk_->setText(q(feldZahl(s_.Par.Inklination, 6, 2)).trimmed());
    s_.Tabellentyp = static_cast<std::uint8_t>(std::min<int>(s_.Tabellentyp, 3));
    s_.Durchgangstabelle = s_.Tabellentyp == 3;
    s_.Tabellenoption = s_.Tabellentyp < 2;
    RGTabelle_->setItemIndex(s_.Tabellentyp);
    Combobox1_->setCurrentIndex(std::min<int>(s_.Schalter.Diagrammart, 1));
    cStund_->setCurrentIndex(std::clamp(s_.Schalter.StundenIntervallSonst - '0', 0, 3));
    // Four date lines a month (solstices and equinox, from the parameter dialog) is no item here.
    s_.Schalter.LinienProMonat = static_cast<std::uint8_t>(std::clamp<int>(s_.Schalter.LinienProMonat, 1, 4));
    cDatlin_->setCurrentIndex(s_.Schalter.LinienProMonat == 4 ? -1 : s_.Schalter.LinienProMonat - 1);
    ChBLaeKorr_->setChecked(s_.Schalter.Zonenzeit != 0);
    monat_ = std::clamp(monat_, 1, 12);
    ChbMt_->setCurrentIndex(monat_ - 1);
    RgSonnauf_->setItemIndex(Monatswahl_);
    RGDawn1_->setItemIndex(std::min<int>(s_.Schalter.Daemmerung, 2));

    const int modus = s_.Rechenmodus;
    const bool tabelle = modus == 1 || modus == 8;
    tabellenkopf_->setVisible(tabelle);
    RGTabelle_->setVisible(modus == 8);
    for (QWidget* w : {static_cast<QWidget*>(RGDawn1_), static_cast<QWidget*>(RgSonnauf_),
                       static_cast<QWidget*>(ChbMt_)})
        w->setVisible(modus == 1);
    BitBtnSav_->setVisible(tabelle);
    speichern_->setEnabled(tabelle);
    alsHpgl_->setEnabled(!tabelle);
    alsDxf_->setEnabled(!tabelle);
    tabImage_->setVisible(tabelle);
    PanelEoT_->setVisible(!tabelle);
    ImageGraph_->setVisible(!tabelle);
    lbZeitglGraph_->setVisible(!tabelle);
    Button3_->hide();
    ImageInfo_->hide();
    chBSymm_->setVisible(modus == 16);
    for (QWidget* w : {static_cast<QWidget*>(Combobox1_), static_cast<QWidget*>(cDatlin_),
                       static_cast<QWidget*>(cStund_), static_cast<QWidget*>(ChbEot_)})
        w->setVisible(modus == 32);
    ChbSunpos_->setVisible(modus == 32 && s_.StundenMitZeitgl != 0);
    PanAzHigh_->setVisible(modus == 32 && s_.Schalter.Diagrammart == 0);
    for (QWidget* w : {static_cast<QWidget*>(ChbProfil_), static_cast<QWidget*>(ChbLoad_),
                       static_cast<QWidget*>(bhProfil_)})
        w->setVisible(modus == 32);
    if (modus == 32)
        bauePProfil();
    if (modus == 1)
        s_.sinh0 = sinh0Werte(std::min<int>(s_.Schalter.Daemmerung, 2));
    s_.Zonenbruchteil = -s_.Par.Zonenmeridian / 360.0;
}

QSize Tsset2::verfuegbar() const
{
    // The room of the table below the controls, as the working area gives it.
    const QSize haupt = dienste_.hauptflaeche ? dienste_.hauptflaeche() : size();
    const int kopf = tabellenkopf_->isHidden() ? 0 : tabellenkopf_->sizeHint().height();
    return {std::max(1, haupt.width() - 24), std::max(1, haupt.height() - kopf - 40)};
}

void Tsset2::FormShow()
{
    switch (s_.Rechenmodus) {
    case 1: {
        const bool einzeln = Monatswahl_ == Einzelmonat;
        ChbMt_->setVisible(einzeln);
        RGDawn1_->setVisible(einzeln);
        monat_ = ChbMt_->currentIndex() + 1;
        AufgangScreen();
        break;
    }
    case 8: RGTabelleClick(); break;
    case 16:
    case 32: zeichneGrafik(); break;
    default: break;
    }
}

void Tsset2::zeigeTabelle(const QImage& bild)
{
    tabBild_ = bild;
    tabImage_->setPixmap(QPixmap::fromImage(tabBild_));
    tabImage_->setFixedSize(tabBild_.size());
}

void Tsset2::AufgangScreen(int art)
{
    if (art >= 0 && art <= 2) {
        s_.Schalter.Daemmerung = static_cast<std::uint8_t>(art);
        s_.sinh0 = sinh0Werte(art);
    }
    RgSonnauf_->setItemIndex(Monatswahl_);
    AufgangTabelle(s_, Monatswahl_, monat_, TabBreite_, TabLaenge_);
    gedruckt_ = false;
    zeigeTabelle(zeichneMonatstabelle(s_.Tabellenzeilen, Monatswahl_ != Einzelmonat, verfuegbar(), s_.FarbeHell[0]));
}

void Tsset2::RGTabelleClick(int typ)
{
    if (typ >= 0 && typ <= 3)
        s_.Tabellentyp = static_cast<std::uint8_t>(typ);
    else
        RGTabelle_->setItemIndex(s_.Tabellentyp);
    JahrestabelleAnsicht(s_);
    s_.TabellenoptionKopie = s_.Tabellenoption;
    gedruckt_ = false;
    zeigeTabelle(zeichneJahrestabelle(s_.Tabellenzeilen, Messzeile(s_, 8), verfuegbar(), s_.FarbeHell[0]));
    beschrifteKomponente(this, s_, s_.StringIdBasis);
}

void Tsset2::groesseAnpassen()
{
    const QSize haupt = dienste_.hauptflaeche ? dienste_.hauptflaeche() : size();
    if (istGrafikmodus()) {
        // The graph waits for "Grafik Regeneration" after the working area changed size.
        if (haupt != aufgenommen_) {
            ImageGraph_->hide();
            Button3_->show();
            ImageInfo_->show();
        }
        return;
    }
    if (haupt != aufgenommen_) {
        aufgenommen_ = haupt;
        if (s_.Rechenmodus == 1)
            zeigeTabelle(zeichneMonatstabelle(s_.Tabellenzeilen, Monatswahl_ != Einzelmonat, verfuegbar(),
                                              s_.FarbeHell[0]));
        else if (s_.Rechenmodus == 8)
            zeigeTabelle(zeichneJahrestabelle(s_.Tabellenzeilen, Messzeile(s_, 8), verfuegbar(), s_.FarbeHell[0]));
    }
}

void Tsset2::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    groesseAnpassen();
}

// ----- options ---------------------------------------------------------------------------------

void Tsset2::ChBLaeKrrClick(bool an)
{
    s_.Schalter.Zonenzeit = an ? 1 : 0;
    FormShow();
}

void Tsset2::ChbEotClick(bool an)
{
    s_.StundenMitZeitgl = an ? 1 : 0;
    ChbEot_->setChecked(an);
    ChbSunpos_->setVisible(an && s_.Rechenmodus == 32);
    FormShow();
}

void Tsset2::ChbSunposChange(int item)
{
    s_.Schalter.Sonnenstand = static_cast<std::uint8_t>(std::clamp(item, 0, 2));
    FormShow();
}

void Tsset2::Combobox1Change(int item)
{
    s_.Schalter.Diagrammart = static_cast<std::uint8_t>(std::clamp(item, 0, 1));
    lbZeitglGraph_->setText(q(holeText(s_, s_.Schalter.Diagrammart ? 69 : 41)));
    PanAzHigh_->setVisible(s_.Rechenmodus == 32 && s_.Schalter.Diagrammart == 0);
    // The caption names the kind shown.
    beschrifteKomponente(this, s_, s_.StringIdBasis);
    FormShow();
}

void Tsset2::cDatLinClick(int item)
{
    s_.Schalter.LinienProMonat = static_cast<std::uint8_t>(std::clamp(item, 0, 2) + 1);
    FormShow();
}

void Tsset2::cStund2Click(int item)
{
    s_.Schalter.StundenIntervallSonst = static_cast<char>('0' + std::clamp(item, 0, 3));
    FormShow();
}

void Tsset2::ChbMtChange(int item)
{
    monat_ = std::clamp(item, 0, 11) + 1;
    FormShow();
}

void Tsset2::RgSonnaufClick(int item)
{
    Monatswahl_ = std::clamp(item, 0, 2);
    FormShow();
}

// ----- the pop-up's switches and closing ------------------------------------------------------

void Tsset2::TabellederZeitgleichung1Click(int rechenmodus, int diagrammart)
{
    if (!dienste_.grafik)
        return;
    s_.Tabellentyp = 0;
    if (rechenmodus == 16) {
        s_.RechenmodusAlt = 8;
        s_.Rechenmodus = 16;
    } else {
        s_.RechenmodusAlt = 2;
        s_.Rechenmodus = 32;
        s_.Schalter.Diagrammart = static_cast<std::uint8_t>(diagrammart);
    }
    const auto grafik = dienste_.grafik;
    grafik(rechenmodus);
}

void Tsset2::TabellederSonnendeklination1Click(int typ)
{
    if (!dienste_.tabelle)
        return;
    const auto tabelle = dienste_.tabelle;
    if (typ == 3) {
        s_.RechenmodusAlt = 32;
        s_.Rechenmodus = 8;
        s_.Tabellentyp = 3;
        tabelle(31);
    } else if (typ == 2) {
        s_.RechenmodusAlt = 2;
        s_.Rechenmodus = 8;
        s_.Tabellentyp = 2;
        tabelle(30);
    } else {
        tabelle(29);
    }
}

void Tsset2::TabelleAufUntergang1Click()
{
    if (dienste_.tabelle)
        dienste_.tabelle(28);
}

void Tsset2::Schliess(int rechenmodusNachher)
{
    if (rechenmodusNachher)
        s_.Rechenmodus = static_cast<std::uint8_t>(rechenmodusNachher);
    else if ((s_.Rechenmodus & (1 | 2 | 4 | 8 | 64 | 128)) == 0)
        s_.Rechenmodus = s_.RechenmodusAlt;
    else if (dienste_.bildleisteVerbergen)
        dienste_.bildleisteVerbergen();
    close();
}

void Tsset2::closeEvent(QCloseEvent* ereignis)
{
    if (dienste_.druckMenue)
        dienste_.druckMenue();
    QWidget::closeEvent(ereignis);
}

void Tsset2::hideEvent(QHideEvent* ereignis)
{
    pEoTFile_->hide();
    QWidget::hideEvent(ereignis);
}

bool Tsset2::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::KeyRelease
        && (objekt == BitBtnSchliessen_ || objekt == BitBtnPrtT_
            || objekt->objectName() == QLatin1String("BitBtnSchliessenGrafik"))
        && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
        Schliess();
        return true;
    }
    if (ereignis->type() == QEvent::MouseButtonPress && objekt == ImageInfo_) {
        Button3Click();
        return true;
    }
    if (ereignis->type() == QEvent::KeyPress) {
        if (auto* feld = qobject_cast<QLineEdit*>(objekt))
            return filtern(feld, static_cast<QKeyEvent*>(ereignis));
    }
    if (ereignis->type() == QEvent::FocusOut) {
        // A message box or a menu taking the focus is no leaving of the field.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        auto* feld = qobject_cast<QLineEdit*>(objekt);
        if (feld && feld->parentWidget() == PanAzHigh_ && grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
            EdBrClick(feld);
    }
    if (ereignis->type() == QEvent::MouseButtonPress || ereignis->type() == QEvent::MouseMove) {
        if (objekt == pEoTFile_ || objekt == Psymm_) {
            verschiebe(static_cast<QWidget*>(objekt), static_cast<QMouseEvent*>(ereignis));
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Tsset2::contextMenuEvent(QContextMenuEvent* ereignis)
{
    PopupTabelle1_->exec(ereignis->globalPos());
}

void Tsset2::aktualisiereSprache(AppState& s)
{
    if (&s != &s_)
        return;
    // What the window shows is built again in the new language, as a click would build it:
    // the month or half year chosen, or the year table of its kind.
    beschrifte();
    if (pProfil_)
        pProfil_->aktualisiereSprache();
    Psymm_->aktualisiereSprache();
    FormShow();
}

} // namespace umbrin
