// The drawing window: its layout, life cycle and the construction of its drawing.
#include "drawing/ui/ZeichenFenster.h"

#include "core/Meldungen.h"
#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "core/ui/Beschriftung.h"
#include "core/ui/PainterCanvas.h"
#include "core/ui/RadioGruppe.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungstyp.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFensterIntern.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

QPushButton* knopf(QWidget* eltern, QLayout* layout, const char* name, int textId, const QString& text = {})
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    if (textId)
        setzeTextId(k, textId);
    layout->addWidget(k);
    return k;
}

QFrame* tafel(QWidget* eltern, const char* name)
{
    auto* t = new QFrame(eltern);
    t->setObjectName(QString::fromLatin1(name));
    t->setFrameShape(QFrame::StyledPanel);
    t->setFrameShadow(QFrame::Raised);
    t->setAutoFillBackground(true);
    return t;
}

// A small magnifier with a plus or a minus: the glyphs of the two zoom buttons.
QIcon lupe(bool plus)
{
    QPixmap p(18, 18);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(Qt::black, 1.6));
    m.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    m.drawLine(QPointF(11, 11), QPointF(16.5, 16.5));
    m.drawLine(QPointF(4.5, 7), QPointF(9.5, 7));
    if (plus)
        m.drawLine(QPointF(7, 4.5), QPointF(7, 9.5));
    return QIcon(p);
}

// The pop-up menu's items: German caption, English caption, name.
struct PopupPunkt {
    const char* deutsch;
    const char* englisch;
    const char* name;
};
constexpr PopupPunkt popupPunkte[] = {
    {"Drucken", "Print", "Print2"},
    {"Speichern als HPGL-Datei", "Save as HPGL file", "alsHPG1"},
    {"Speichern als dxf-Datei", "Save as DXF file", "alsdx1"},
    {nullptr, nullptr, "N1"},
    {"SU-Daten speichern", "Save sundial data", "SUDatenspeichern1"},
    {"SU-Daten laden", "Load sundial data", "SUDatenladen1"},
    {nullptr, nullptr, "N3"},
    {"Bildschirmanzeige wie im Ausdruck", "Screen like the printout", "A4"},
    {"         ....... wie in gespeicherter Datei", "         ....... like the saved file", "A3"},
    {nullptr, nullptr, "N4"},
    {"Zeichnung ausführen", "Draw", "Neu1"},
    {"Zeichnung mit Netz", "Draw with grid", "mitNetz1"},
    {"Farben ändern", "Change colours", "Farbenndern1"},
    {nullptr, nullptr, "N5"},
    {"Polstab Informationen", "Polar style information", "PolInfo1"},
    {"Stundenlinien bis zum Fußpunkt", "Hour lines up to the foot", "StundenlinienbiszumFupunkt1"},
    {"Poldreieck zeichnen", "Draw the pole triangle", "ZeichnePolDr1"},
    {nullptr, nullptr, "N2"},
    {"Zoom Out", "Zoom Out", "ZoomOut1"},
    {"Zoom In", "Zoom In", "ZoomIn1"},
    {nullptr, nullptr, "N6"},
    {"Schließen", "Close", "Schliessen1"},
};

} // namespace

ZeichenFenster::ZeichenFenster(AppState& s, Arbeitsablage& shell, UserPrompt& frage, ZeichenfensterDienste dienste,
                               QWidget* eltern)
    : QWidget(eltern)
    , s_(s)
    , shell_(shell)
    , frage_(frage)
    , dienste_(std::move(dienste))
{
    setObjectName(QStringLiteral("Form5"));
    // The placement the state holds belongs to the window before this one (perhaps of another
    // type, or loaded with another construction file): this window starts from none.
    vergissPlatzierung(s_, f_);
    setzeTitel();
    setAttribute(Qt::WA_DeleteOnClose);
    baueOberflaeche();
    BildGroesse();
}

ZeichenFenster::~ZeichenFenster() = default;

// ---------------------------------------------------------------------------------------
// Layout

void ZeichenFenster::baueOberflaeche()
{
    auto* wurzel = new QHBoxLayout(this);
    wurzel->setContentsMargins(2, 2, 2, 2);
    wurzel->setSpacing(3);
    baueKnopfleiste();
    wurzel->addWidget(panel2_);

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(3);
    bild_ = new Bildflaeche(this);
    rechts->addWidget(bild_, 1);

    pWarnung_ = new QLabel(this);
    pWarnung_->setObjectName(QStringLiteral("pWarnung"));
    pWarnung_->setAutoFillBackground(true);
    pWarnung_->setMinimumHeight(20);
    pWarnung_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    rechts->addWidget(pWarnung_);

    quPanel_ = tafel(this, "QuPanel");
    auto* qu = new QVBoxLayout(quPanel_);
    qu->setContentsMargins(4, 2, 4, 2);
    quLab1_ = new QLabel(quPanel_);
    quLab1_->setObjectName(QStringLiteral("quLab1"));
    quLab2_ = new QLabel(quPanel_);
    quLab2_->setObjectName(QStringLiteral("quLab2"));
    qu->addWidget(quLab1_);
    qu->addWidget(quLab2_);
    quPanel_->hide();
    rechts->addWidget(quPanel_);

    baueExpertenTafel();
    rechts->addWidget(pExpert_);
    wurzel->addLayout(rechts, 1);

    // The ring dial's correction view and the mean-time dial's cone graph sit on the image.
    bitBtnSchoe_ = new QPushButton(bild_);
    bitBtnSchoe_->setObjectName(QStringLiteral("BitBtnSchoe"));
    setzeTextId(bitBtnSchoe_, 122);
    bitBtnSchoe_->hide();
    connect(bitBtnSchoe_, &QPushButton::clicked, this, [this] { SchoenerClick(); });
    chBSchoenerTabelle_ = new QCheckBox(bild_);
    chBSchoenerTabelle_->setObjectName(QStringLiteral("ChBSchoenerTabelle"));
    chBSchoenerTabelle_->hide();
    connect(chBSchoenerTabelle_, &QCheckBox::toggled, this, [this](bool an) {
        s_.SchoenerTabelleSchreiben = an;
        if (f_.SchoenerAnsicht)
            Konstruiere(Zeichenanlass::Korrektur);
    });
    pHoll_ = tafel(bild_, "pHoll");
    pHoll_->hide();
    pHoll_->installEventFilter(this);
    {
        auto* zu = new QPushButton(QStringLiteral("X"), pHoll_);
        zu->setObjectName(QStringLiteral("BitBtnclose"));
        zu->setFixedSize(28, 24);
        zu->move(4, 4);
        connect(zu, &QPushButton::clicked, this, [this] { BitBtnHollClick(); });
    }
    bitBtnHoll_ = new QPushButton(bild_);
    bitBtnHoll_->setObjectName(QStringLiteral("BitBtnHoll"));
    setzeTextId(bitBtnHoll_, 123);
    bitBtnHoll_->hide();
    connect(bitBtnHoll_, &QPushButton::clicked, this, [this] { BitBtnHollClick(); });

    baueExportTafel();
    baueInfoTafel();
    baueKegelTafeln();
    baueWinkelTafel();
    bauePopup();

    connect(bild_, &Bildflaeche::mausGedrueckt, this, [this](QMouseEvent* e) { Image1MouseDown(e); });
    connect(bild_, &Bildflaeche::mausBewegt, this, [this](QPoint p) {
        f_.MausX = p.x();
        f_.MausY = p.y();
        zeigWarnung(bild_);
    });
    connect(bild_, &Bildflaeche::groesseGeaendert, this, [this](QSize) { FormResize(); });
    connect(bild_, &Bildflaeche::kontextmenue, this, [this](QPoint global) {
        einstellen();
        popup_->popup(global);
    });

}

void ZeichenFenster::baueKnopfleiste()
{
    panel2_ = tafel(this, "Panel2");
    panel2_->setFixedWidth(128);
    auto* spalte = new QVBoxLayout(panel2_);
    spalte->setContentsMargins(3, 3, 3, 3);
    spalte->setSpacing(3);

    bitBtnZeichne_ = knopf(panel2_, spalte, "bitBtnZeichne", 701);
    bitBtnNetz_ = knopf(panel2_, spalte, "BitBtnNetz", 702);
    bBtnZoomIn_ = knopf(panel2_, spalte, "BBtnZoomIn", 0, QStringLiteral("Zoom "));
    bBtnZoomIn_->setIcon(lupe(true));
    bBtnZoomIn_->setToolTip(QStringLiteral("Zoom +"));
    bitBtnOut_ = knopf(panel2_, spalte, "BitBtnOut", 0, QStringLiteral("Zoom"));
    bitBtnOut_->setIcon(lupe(false));
    bitBtnOut_->setToolTip(QStringLiteral("Zoom -"));
    bitBtnCol_ = knopf(panel2_, spalte, "BitBtnCol", 704);
    bitBtnCol_->hide();
    bitBtnWinkel_ = knopf(panel2_, spalte, "BitBtnWinkel", 705);
    bitBtnStabInfo_ = knopf(panel2_, spalte, "BitBtnStabInfo", 703);
    bitBtn5_ = knopf(panel2_, spalte, "BitBtn5", 0, QStringLiteral("coordinates"));
    spalte->addSpacing(8);

    auto* panel1 = tafel(panel2_, "Panel1");
    auto* p1 = new QVBoxLayout(panel1);
    p1->setContentsMargins(2, 2, 2, 2);
    bitBtn3_ = knopf(panel1, p1, "BitBtn3", 3);
    bitBtn2_ = knopf(panel1, p1, "BitBtn2", 2);
    bitBtn1_ = knopf(panel1, p1, "BitBtn1", 12);
    spalte->addWidget(panel1);

    auto* panel4 = tafel(panel2_, "Panel4");
    auto* p4 = new QVBoxLayout(panel4);
    p4->setContentsMargins(2, 2, 2, 2);
    btnSaveC_ = knopf(panel4, p4, "BtnSaveC", 14);
    btnLoadC_ = knopf(panel4, p4, "BtnLoadC", 13);
    btBtnParms_ = knopf(panel4, p4, "BtBtnParms", 0, QStringLiteral("Para&meter"));
    spalte->addWidget(panel4);

    btBtnZeigen_ = knopf(panel2_, spalte, "BtBtnZeigen", 706);

    auto* panel3 = tafel(panel2_, "Panel3");
    auto* p3 = new QVBoxLayout(panel3);
    p3->setContentsMargins(2, 2, 2, 2);
    bitBtnSchliess_ = knopf(panel3, p3, "BitBtnSchliess", 7);
    spalte->addWidget(panel3);
    spalte->addStretch(1);

    connect(bitBtnZeichne_, &QPushButton::clicked, this, [this] { Konstruiere(Zeichenanlass::Zeichnen); });
    connect(bitBtnNetz_, &QPushButton::clicked, this, [this] { Konstruiere(Zeichenanlass::Netz); });
    connect(bBtnZoomIn_, &QPushButton::clicked, this, [this] { zoomEin(); });
    connect(bitBtnOut_, &QPushButton::clicked, this, [this] { zoomAus(); });
    connect(bitBtnCol_, &QPushButton::clicked, this, [this] {
        if (dienste_.farbpalette)
            dienste_.farbpalette();
    });
    connect(bitBtnWinkel_, &QPushButton::clicked, this, [this] { BitBtnWinkelClick(); });
    connect(bitBtnStabInfo_, &QPushButton::clicked, this, [this] { sInfo(); });
    connect(bitBtn5_, &QPushButton::clicked, this, [this] { dxfClick(false, true, false); });
    connect(bitBtn3_, &QPushButton::clicked, this, [this] { BildDrucken(); });
    connect(bitBtn2_, &QPushButton::clicked, this, [this] { dxfClick(true, false, true); });
    connect(bitBtn1_, &QPushButton::clicked, this, [this] { dxfClick(false, false, true); });
    connect(btnSaveC_, &QPushButton::clicked, this, [this] { BtnSavCClick(); });
    connect(btnLoadC_, &QPushButton::clicked, this, [this] { BtnLoadCClick(); });
    connect(btBtnParms_, &QPushButton::clicked, this, [this] {
        if (dienste_.parameterDialog)
            dienste_.parameterDialog();
    });
    connect(btBtnZeigen_, &QPushButton::clicked, this, [this] {
        if (dienste_.zeigeBild)
            dienste_.zeigeBild();
    });
    connect(bitBtnSchliess_, &QPushButton::clicked, this, [this] {
        pStabInfo_->hide();
        f_.InfoAngezeigt = false;
        if (dienste_.schliessen)
            dienste_.schliessen();
        else
            close();
    });

    // The hint line follows the mouse over these buttons.
    for (QPushButton* k : {bitBtn3_, bitBtn2_, bitBtn1_, bitBtnZeichne_, bitBtnNetz_, btnSaveC_, btnLoadC_, bitBtnCol_})
        k->installEventFilter(this);
}

void ZeichenFenster::baueExpertenTafel()
{
    pExpert_ = tafel(this, "PExpert");
    auto* zeile = new QHBoxLayout(pExpert_);
    zeile->setContentsMargins(4, 2, 4, 2);
    chBMap_ = new QCheckBox(QStringLiteral("coastline"), pExpert_);
    chBMap_->setObjectName(QStringLiteral("ChBMap"));
    chBfrontier_ = new QCheckBox(QStringLiteral("Grenzen"), pExpert_);
    chBfrontier_->setObjectName(QStringLiteral("ChBfrontier"));
    zeile->addWidget(chBMap_);
    zeile->addWidget(chBfrontier_);
    trackBar1_ = new QSlider(Qt::Horizontal, pExpert_);
    trackBar1_->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1_->setRange(16, 180);
    trackBar1_->setValue(20);
    trackBar1_->setMaximumWidth(260);
    lTrack_ = new QLabel(pExpert_);
    lTrack_->setObjectName(QStringLiteral("LTrack"));
    zeile->addSpacing(12);
    zeile->addWidget(trackBar1_);
    zeile->addWidget(lTrack_);

    // The map data tools (hidden until needed).
    const char* namen[] = {"Button2", "BConcat", "stutzen", "ButtonSuchen"};
    const char* texte[] = {"halbieren", "Concat Mapdata", "stutzen", "suchen"};
    for (int i = 0; i < 4; ++i) {
        auto* k = knopf(pExpert_, zeile, namen[i], 0, QString::fromLatin1(texte[i]));
        k->hide();
        connect(k, &QPushButton::clicked, this, [this, i] { kartenWerkzeug(i); });
    }
    zeile->addStretch(1);

    connect(chBMap_, &QCheckBox::clicked, this, [this](bool an) {
        s_.KuestenAn = an ? 1 : 0;
        karteGeaendert();
    });
    connect(chBfrontier_, &QCheckBox::clicked, this, [this](bool an) {
        s_.GrenzenAn = an ? 1 : 0;
        karteGeaendert();
    });
    connect(trackBar1_, &QSlider::valueChanged, this, [this](int v) { TrackBar1Change(v); });
}

void ZeichenFenster::bauePopup()
{
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupZeichnen"));
    for (const PopupPunkt& p : popupPunkte) {
        QAction* a = p.deutsch ? popup_->addAction(QString()) : popup_->addSeparator();
        a->setObjectName(QString::fromLatin1(p.name));
    }
    const auto punkt = [this](const char* name) { return popup_->findChild<QAction*>(QString::fromLatin1(name)); };
    a4_ = punkt("A4");
    a3_ = punkt("A3");
    bisFuss_ = punkt("StundenlinienbiszumFupunkt1");
    polDreieck_ = punkt("ZeichnePolDr1");
    polInfo_ = punkt("PolInfo1");
    mitNetz1_ = punkt("mitNetz1");
    zoomIn1_ = punkt("ZoomIn1");
    zoomOut1_ = punkt("ZoomOut1");
    alsHPG1_ = punkt("alsHPG1");
    alsdx1_ = punkt("alsdx1");
    n2_ = punkt("N2");
    for (QAction* a : {a4_, a3_, bisFuss_, polDreieck_})
        a->setCheckable(true);
    polDreieck_->setChecked(true);

    connect(punkt("Print2"), &QAction::triggered, this, [this] { BildDrucken(); });
    connect(alsHPG1_, &QAction::triggered, this, [this] { dxfClick(true, false, false); });
    connect(alsdx1_, &QAction::triggered, this, [this] { dxfClick(false, false, false); });
    connect(punkt("SUDatenspeichern1"), &QAction::triggered, this, [this] { BtnSavCClick(); });
    connect(punkt("SUDatenladen1"), &QAction::triggered, this, [this] { BtnLoadCClick(); });
    connect(a4_, &QAction::triggered, this, [this] { A4Click(); });
    connect(a3_, &QAction::triggered, this, [this] { A3Click(); });
    connect(punkt("Neu1"), &QAction::triggered, this, [this] {
        f_.MitNetz = false;
        Konstruiere();
        if (istEbeneUhrOhneSchirm(s_))
            BitBtnWinkelClick();
    });
    connect(mitNetz1_, &QAction::triggered, this, [this] { Konstruiere(Zeichenanlass::Netz); });
    connect(punkt("Farbenndern1"), &QAction::triggered, this, [this] {
        if (dienste_.farbpalette)
            dienste_.farbpalette();
    });
    connect(polInfo_, &QAction::triggered, this, [this] { sInfo(); });
    connect(bisFuss_, &QAction::triggered, this, [this](bool an) {
        s_.Schalter.BisFusspunkt = an ? 1 : 0;
        Konstruiere();
    });
    connect(polDreieck_, &QAction::triggered, this, [this](bool an) {
        s_.Schalter.Poldreieck = an ? 1 : 0;
        Konstruiere();
    });
    connect(zoomOut1_, &QAction::triggered, this, [this] { zoomAus(); });
    connect(zoomIn1_, &QAction::triggered, this, [this] { zoomEin(); });
    connect(punkt("Schliessen1"), &QAction::triggered, bitBtnSchliess_, &QPushButton::click);
}

void ZeichenFenster::beschrifte()
{
    beschrifteFenster(this, s_, s_.StringIdBasis);
    const int spalte = s_.Sprachspalte;
    chBfrontier_->setText(spalte == 2 ? QStringLiteral("borders") : QStringLiteral("Grenzen"));
    for (const PopupPunkt& p : popupPunkte) {
        if (!p.deutsch)
            continue;
        if (QAction* a = popup_->findChild<QAction*>(QString::fromLatin1(p.name)))
            a->setText(QString::fromUtf8(spalte == 2 ? p.englisch : p.deutsch));
    }
}

// ---------------------------------------------------------------------------------------
// Life cycle

void ZeichenFenster::BildGroesse()
{
    const char typ = s_.UhrTyp;
    bild_->setToolTip(q(bildHinweis(typ)));
    pExpert_->setVisible(mitKarte(typ) && s_.KarteAn);
    if (dienste_.druckMenue)
        dienste_.druckMenue(true);
    f_.SchoenerAnsicht = false;
    hpgPanel_->hide();
    bild_->setCursor(kreuzCursor(typ) ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!kreuzCursor(typ))
        loescheWarnung();
    {
        const QSignalBlocker b1(chBfrontier_), b2(chBMap_);
        chBfrontier_->setChecked(s_.GrenzenAn);
        chBMap_->setChecked(s_.KuestenAn);
    }

    bitBtnNetz_->setEnabled(false);
    bBtnZoomIn_->setEnabled(false);
    bitBtnOut_->setEnabled(false);
    for (QAction* a : {mitNetz1_, zoomIn1_, zoomOut1_, n2_})
        a->setVisible(false);
    polDreieck_->setEnabled(false);
    polInfo_->setEnabled(false);
    pWinkel_->hide();
    f_.WinkelTabelleOffen = false;

    if (istEbeneUhrOhneSchirm(s_)) {
        bitBtnWinkel_->setEnabled(true);
        bitBtnStabInfo_->setEnabled(true);
        btBtnZeigen_->setEnabled(typ != 'i');
    } else if (typ == 'c' || typ == 'm') {
        btBtnZeigen_->setEnabled(true);
        bitBtnNetz_->setEnabled(true);
        bBtnZoomIn_->setEnabled(true);
        zoomIn1_->setVisible(true);
        bitBtnWinkel_->setEnabled(false);
        bitBtnStabInfo_->setEnabled(typ == 'm');
    } else {
        btBtnZeigen_->setEnabled(true);
        bitBtnWinkel_->setEnabled(false);
        bitBtnStabInfo_->setEnabled(false);
    }
    bitBtn5_->setEnabled(bitBtnWinkel_->isEnabled());

    bitBtnSchoe_->setVisible(typ == 'r');
    chBSchoenerTabelle_->setVisible(typ == 'r' && f_.SchoenerAnsicht);
    bitBtnHoll_->setVisible(typ == 'm');

    a4_->setEnabled(true);
    a3_->setEnabled(true);
    a4_->setChecked(s_.FormatA4 == 1);
    a3_->setChecked(s_.FormatA4 != 1);

    if (typ == 'c' || typ == 'm') {
        if (s_.Schalter.Kartenmassstab < 1)
            s_.Schalter.Kartenmassstab = 5;
        setzeTextId(bitBtnStabInfo_, 707);
        QFont f = bitBtnStabInfo_->font();
        f.setBold(true);
        f.setPointSize(7);
        bitBtnStabInfo_->setFont(f);
    } else {
        setzeTextId(bitBtnStabInfo_, 703);
        bitBtnStabInfo_->setFont(QFont());
    }

    const TSchalter& sc = s_.Schalter;
    int id1 = 750, id2 = 751;
    bool knopfFarbe = false;
    if (sc.Ganzjaehrig && (sc.Zonenzeit || sc.MitZeitglAzimut)) {
        id1 = 748;
        id2 = 749;
    } else if (sc.MitZeitglAzimut && !sc.TemporalAnzeige) {
        id1 = 746;
        id2 = 747;
    } else if (sc.TemporalAnzeige) {
        id1 = 750;
        id2 = 751;
    } else if (sc.Zonenzeit || (typ == 'q' && sc.Hoehenuhrart > 0)) {
        id1 = 752;
        id2 = 749;
        knopfFarbe = true;
    }
    quPanel_->setBackgroundRole(knopfFarbe ? QPalette::Button : QPalette::Window);
    // The quadrant's note below the image is there before the first drawing, which then
    // takes the image's height with it.
    quPanel_->setVisible(typ == 'q');
    setzeTextId(quLab1_, id1);
    setzeTextId(quLab2_, id2);
    beschrifte();
}

void ZeichenFenster::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (gezeigt_)
        return;
    gezeigt_ = true;
    // Inside the main window: follow its activation.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        rahmen_ = sub;
        if (QMdiArea* bereich = sub->mdiArea()) {
            connect(bereich, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
                if (w && w == rahmen_)
                    aktiviert();
                else if (aktiv_)
                    deaktiviert();
            });
        }
    }
    if (layout())
        layout()->activate();
    FormShow();
    if (!rahmen_ || (rahmen_->mdiArea() && rahmen_->mdiArea()->activeSubWindow() == rahmen_))
        aktiviert();
}

QSize ZeichenFenster::sizeHint() const
{
    // As wide and high as the main window's work area, less the frame around the window.
    const auto* sub = qobject_cast<const QMdiSubWindow*>(parentWidget());
    const QMdiArea* bereich = sub ? sub->mdiArea() : nullptr;
    if (!bereich)
        return QWidget::sizeHint();
    const QSize rahmen = sub->isVisible() ? sub->size() - size() : QSize(8, 30);
    return (bereich->viewport()->size() - rahmen).expandedTo(minimumSizeHint());
}

// The caption names the dial in the current language from the start, so a construction that
// is refused before the window is first activated leaves no German placeholder; a type
// without a caption of its own keeps the window's name.
void ZeichenFenster::setzeTitel()
{
    const std::string titel = fensterTitel(s_);
    setWindowTitle(titel.empty() ? QString::fromUtf8(s_.Deutsch ? "Zeichne" : "Drawing") : q(titel));
}

void ZeichenFenster::FormShow()
{
    setzeTitel();
    if (istEbeneUhr(s_.UhrTyp))
        BitBtnWinkelClick();
    hilfekontext_ = hilfeKontext(s_, hilfekontext_);
    // F1 of the main window shows the help of the window's context.
    setProperty("hilfeKontext", hilfekontext_);
    pExpert_->setVisible(s_.ExpertenModus && mitKarte(s_.UhrTyp));
    // The panels below the image take their room before the drawing takes its size.
    if (layout())
        layout()->activate();
    Konstruiere();
}

void ZeichenFenster::aktiviert()
{
    aktiv_ = true;
    if (dienste_.druckMenue)
        dienste_.druckMenue(true);
    Ursprung_zeigen();
}

void ZeichenFenster::deaktiviert()
{
    aktiv_ = false;
    if (dienste_.druckMenue)
        dienste_.druckMenue(false);
}

void ZeichenFenster::Ursprung_zeigen()
{
    setzeTitel();
    quPanel_->setVisible(s_.UhrTyp == 'q');
    if (layout())
        layout()->activate();
    if (!platzierungBeiAktivierung(s_)) {
        loescheWarnung();
        return;
    }
    const char typ = s_.UhrTyp;
    if (typ != 'c' && typ != 'm') {
        polDreieck_->setChecked(s_.Schalter.Poldreieck);
        if (!s_.Schirmuhr) {
            polDreieck_->setEnabled(true);
            polInfo_->setEnabled(true);
        }
    }
    bitBtnNetz_->setEnabled(true);
    bitBtnOut_->setEnabled(true);
    bBtnZoomIn_->setEnabled(true);
    for (QAction* a : {mitNetz1_, zoomIn1_, zoomOut1_, n2_})
        a->setVisible(true);
    setzeWarnung(44, "teal", nullptr);
    pWarnung_->show();

    // The placement the user made is kept when the window comes back to the front; the
    // defaults come on the first activation and after the type changed.
    const std::string fuer = typSchluessel();
    if (fuer == platziertFuer_)
        return;
    platziertFuer_ = fuer;
    if (typ == 'c' || typ == 'm')
        s_.Zoom = 1.0;
    const QSize groesse = bild_->size();
    f_.AktivBreite = groesse.width();
    f_.AktivHoehe = groesse.height();
    setzePlatzierung(s_, standardPlatzierung(s_, f_.AktivBreite, f_.AktivHoehe));
    s_.FusspunktGesetzt = 0;
    s_.LegendeGesetzt = 0;
    f_.FusspunktNeu = true;
    f_.LegendeNeu = true;
    // Draw around the default foot, then ask for the user's own (written into the picture: a
    // planar dial's next move draws its whole layer anew, so the words go with it).
    Konstruiere();
    schreibeFusshinweis();
}

void ZeichenFenster::schreibeFusshinweis()
{
    {
        PainterCanvas c(bild_->bild());
        c.setFont({"Arial", 13, false, FarbeSchwarz});
        c.setBrushStyle(BrushStyle::Clear);
        const std::string_view hinweis = meldungsText(s_, 43);
        // On a planar dial the words keep off the hour numbers that stand near the foot.
        CanvasPoint an{s_.FusspunktX - 130, s_.FusspunktY + 30};
        if (istEbeneUhr(s_.UhrTyp)) {
            const QSize groesse = bild_->bildGroesse();
            an = hinweisAmFuss(s_, zeichenumgebung(f_, dienste_.grosserBildschirm, dienste_.grosseFonts, 0, 0),
                               groesse.width(), groesse.height(), c.textExtent(hinweis));
        }
        c.textOut(an.x, an.y, hinweis);
    }
    fusshinweis_ = true;
    bild_->bildGeaendert();
}

std::string ZeichenFenster::typSchluessel() const
{
    return std::string(1, s_.UhrTyp) + std::to_string(unterTyp(s_)) + (s_.Schirmuhr ? "s" : "")
        + (s_.SchinkenModus ? "o" : "");
}

void ZeichenFenster::closeEvent(QCloseEvent* e)
{
    f_.WinkelTabelleOffen = false;
    if (dienste_.druckMenue)
        dienste_.druckMenue(false);
    QWidget::closeEvent(e);
}

// ---------------------------------------------------------------------------------------
// Construction

void ZeichenFenster::Konstruiere(Zeichenanlass anlass)
{
    // The draw and grid buttons leave their settings behind; drawn again, the picture is the same.
    bildAnlass_ = anlass == Zeichenanlass::Anzeigeart || anlass == Zeichenanlass::Korrektur ? anlass
                                                                                           : Zeichenanlass::Sonstiges;
    fusshinweis_ = false;
    bildSprachspalte_ = s_.Sprachspalte;
    if (anlass == Zeichenanlass::Zeichnen) {
        s_.Zoom = 1.0;
        f_.MitNetz = false;
    } else if (anlass == Zeichenanlass::Netz) {
        f_.MitNetz = true;
    }

    // The hint line gives its room to the picture (the azimuthal dial has none; the map dials
    // keep one) before the picture takes its size.
    const bool sichtbar = pWarnung_->isVisibleTo(this);
    const bool zeile = s_.UhrTyp != 'a' && (s_.UhrTyp == 'c' || s_.UhrTyp == 'm' || sichtbar);
    if (zeile != sichtbar) {
        pWarnung_->setVisible(zeile);
        if (layout())
            layout()->activate();
    }
    const Zeichenumgebung umgebung = zeichenumgebung(f_, dienste_.grosserBildschirm, dienste_.grosseFonts, 0, 0);
    const QSize groesse = bild_->bildGroesse();
    const auto zeichner = [&](Canvas& canvas, const Zeichenumgebung& u) {
        Zeichenauftrag a{s_, f_, canvas, groesse.width(), groesse.height(), true, u, 0, 0};
        a.frage = &frage_;
        a.arbeitsPfad = shell_.ArbeitsPfad;
        a.karten = &karten_;
        return konstruiereBild(a, anlass);
    };
    // A planar dial is drawn through the layer that follows its foot.
    Konstruktionsmeldungen meldungen;
    if (anlass == Zeichenanlass::Anzeigeart || !Fusspunktschicht::verschiebbar(s_, f_)
        || !schicht_.zeichne(bild_->bild(), groesse, s_, umgebung, fussBewegung_, zeichner, meldungen)) {
        PainterCanvas canvas(bild_->neuesBild());
        meldungen = zeichner(canvas, umgebung);
    }

    const char typ = s_.UhrTyp;
    if (istEbeneUhr(typ) && anlass != Zeichenanlass::Anzeigeart && !s_.SchinkenModus)
        pWinkel_->hide();
    switch (typ) {
    case 'a':
        pWarnung_->hide();
        break;
    case 'c':
    case 'm':
        bBtnZoomIn_->setEnabled(true);
        pWarnung_->show();
        break;
    case 'p':
    case 'w':
        bBtnZoomIn_->setEnabled(true);
        bitBtnOut_->setEnabled(true);
        break;
    case 'r':
        if (anlass != Zeichenanlass::Korrektur || !f_.SchoenerAnsicht) {
            f_.SchoenerAnsicht = false;
            chBSchoenerTabelle_->hide();
            bitBtn1_->setEnabled(true);
            bitBtn2_->setEnabled(true);
        }
        break;
    case 'z':
        if (s_.Schalter.ZylinderArt == 2)
            bBtnZoomIn_->setEnabled(true);
        break;
    default:
        break;
    }
    if (typ == 'b')
        hilfekontext_ = 67;
    QApplication::restoreOverrideCursor();
    loescheWarnung();
    hilfekontext_ = hilfeKontext(s_, hilfekontext_);
    setProperty("hilfeKontext", hilfekontext_);
    bild_->verwirfMarken();
    aktualisiereMarken();
    bild_->bildGeaendert();
    zeigeMeldungen(meldungen);
}

void ZeichenFenster::zeigeMeldungen(const Konstruktionsmeldungen& m)
{
    // A construction repeated with the same result does not ask again.
    if (m == letzteMeldungen_)
        return;
    letzteMeldungen_ = m;
    if (meldungenStumm_)
        return;
    for (const Konstruktionsmeldung& k : m)
        frage_.ask(k.titel, k.symbol, k.text, PromptButtons::Ok);
}

void ZeichenFenster::aktualisiereMarken()
{
    if (f_.FusspunktNeu)
        bild_->setFussmarke(std::nullopt);
    else
        bild_->setFussmarke(QPoint(s_.FusspunktX, s_.FusspunktY));
    if (f_.LegendeNeu) {
        bild_->setLegendenRahmen(std::nullopt);
    } else {
        const int w = bild_->width();
        const int breite = static_cast<int>(roundHalfEven(w * legendenFaktor(s_.UhrTyp)));
        const int hoehe = static_cast<int>(roundHalfEven(w / 14.0L));
        bild_->setLegendenRahmen(QRect(s_.LegendeX, s_.LegendeY, breite, hoehe));
    }
}

} // namespace umbrin
