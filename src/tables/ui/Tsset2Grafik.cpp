// The graph side of the tables-and-graphs window: the cached graph image, the plane inputs
// of the sun-path diagram, the graph-file panel and the graph files.
#include "tables/ui/Tsset2.h"

#include "core/Eingabepruefung.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "core/ui/Eingabefelder.h"
#include "core/ui/PainterCanvas.h"
#include "dialogs/DialogOrtWerte.h"
#include "tables/Grafikdatei.h"
#include "tables/ui/EoTSymmPanel.h"
#include "tables/ui/ProfilPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace umbrin {
namespace {

QString q(const std::string& t) { return QString::fromStdString(t); }

QLineEdit* neuesFeld(QWidget* eltern, const char* name)
{
    auto* f = new QLineEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setAlignment(Qt::AlignRight);
    f->setMaximumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("-000.0000000")));
    return f;
}

std::string ohneAmpersand(const QString& t)
{
    QString r = t;
    r.remove(QLatin1Char('&'));
    return r.trimmed().toStdString();
}

} // namespace

QGroupBox* Tsset2::bauePanAzHigh()
{
    PanAzHigh_ = new QGroupBox(this);
    PanAzHigh_->setObjectName(QStringLiteral("PanAzHigh"));
    auto* raster = new QGridLayout(PanAzHigh_);
    EdBr_ = neuesFeld(PanAzHigh_, "EdBr");
    EdAbw_ = neuesFeld(PanAzHigh_, "EdAbw");
    EdInk_ = neuesFeld(PanAzHigh_, "EdInk");
    EdLaeng_ = neuesFeld(PanAzHigh_, "EdLaeng");
    const struct {
        const char* label;
        QLineEdit* feld;
    } felder[] = {{"LabelBreite", EdBr_}, {"LabelAbweichung", EdAbw_}, {"LabelInklination", EdInk_},
                  {"LabelLaenge", EdLaeng_}};
    int spalte = 0;
    for (const auto& f : felder) {
        auto* l = new QLabel(PanAzHigh_);
        l->setObjectName(QString::fromLatin1(f.label));
        l->setBuddy(f.feld);
        raster->addWidget(l, 0, spalte);
        raster->addWidget(f.feld, 0, spalte + 1);
        f.feld->installEventFilter(this);
        spalte += 2;
    }
    ChbBesonnt_ = new QCheckBox(PanAzHigh_);
    ChbBesonnt_->setObjectName(QStringLiteral("ChbBesonnt"));
    setzeTextId(ChbBesonnt_, 910);
    raster->addWidget(ChbBesonnt_, 1, 0, 1, 3);
    lSonnzeit_ = new QLabel(PanAzHigh_);
    lSonnzeit_->setObjectName(QStringLiteral("lSonnzeit"));
    raster->addWidget(lSonnzeit_, 1, 3, 1, 5);
    connect(ChbBesonnt_, &QCheckBox::clicked, this, [this](bool an) { ChbBesonntClick(an); });
    return PanAzHigh_;
}

QFrame* Tsset2::bauePEoTFile()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pEoTFile"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    auto* spalte = new QVBoxLayout(panel);
    auto* titel = new QLabel(panel);
    titel->setObjectName(QStringLiteral("pEoTFileTitel"));
    spalte->addWidget(titel);
    bxSpiegeln_ = new QCheckBox(panel);
    bxSpiegeln_->setObjectName(QStringLiteral("bxSpiegeln"));
    setzeTextId(bxSpiegeln_, 905);
    bxLaenge_ = new QCheckBox(panel);
    bxLaenge_->setObjectName(QStringLiteral("bxLaenge"));
    setzeTextId(bxLaenge_, 906);
    spalte->addWidget(bxSpiegeln_);
    spalte->addWidget(bxLaenge_);
    auto* reihe = new QHBoxLayout;
    auto* label5 = new QLabel(panel);
    label5->setObjectName(QStringLiteral("Label5"));
    edFaktor_ = neuesFeld(panel, "edFaktor");
    edFaktor_->setText(QStringLiteral(" 1.0"));
    label5->setBuddy(edFaktor_);
    reihe->addWidget(label5);
    reihe->addWidget(edFaktor_);
    spalte->addLayout(reihe);
    auto* knoepfe = new QHBoxLayout;
    btnOK_ = new QPushButton(panel);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    Button1_ = new QPushButton(panel);
    Button1_->setObjectName(QStringLiteral("Button1"));
    setzeTextId(Button1_, 904);
    knoepfe->addWidget(btnOK_);
    knoepfe->addWidget(Button1_);
    spalte->addLayout(knoepfe);
    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(Button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    panel->installEventFilter(this);
    panel->hide();
    return panel;
}

// The horizon-profile panel of the sun-path diagram, with the settings of its computation.
void Tsset2::bauePProfil()
{
    ProfilPanel::standardEinstellungen(s_);
    ProfilPanelDienste d;
    d.neuZeichnen = [this] { FormShow(); };
    d.ortGeaendert = [this] {
        EdBr_->setText(q(feldZahl(s_.Par.Breite, 13, 6)).trimmed());
        EdLaeng_->setText(q(feldZahl(s_.Par.Laenge, 13, 6)).trimmed());
    };
    d.anderesPanelSchliessen = [] { return false; };
    pProfil_ = new ProfilPanel(s_, frage_, std::move(d), this);
    pProfil_->setObjectName(QStringLiteral("pProfil"));
    pProfil_->hide();
    {
        const QSignalBlocker a(ChbProfil_);
        const QSignalBlocker b(ChbLoad_);
        ChbProfil_->setChecked(s_.HorizontGeladen != 0);
        ChbLoad_->setChecked(false);
    }
    connect(ChbProfil_, &QCheckBox::clicked, this, [this] { pProfil_->ChbProfilClick(ChbProfil_, ChbLoad_, false); });
    connect(ChbLoad_, &QCheckBox::clicked, this, [this] { pProfil_->ChbProfilClick(ChbProfil_, ChbLoad_, true); });
    connect(bhProfil_, &QPushButton::clicked, this, [this] {
        pProfil_->zeig_pProfil();
        pProfil_->raise();
    });
}

// The panel of the symmetric equation-of-time pairs, opened by its box in mode 16. It prints
// on the window's printer after the printer choice.
void Tsset2::bauePsymm()
{
    EoTSymmDienste d;
    d.drucker = [this]() -> QPrinter* {
        if (dienste_.textdruckBeenden)
            dienste_.textdruckBeenden();
        if (!dienste_.drucker)
            return nullptr;
        QPrinter& drucker = dienste_.drucker();
        if (drucker.printerState() == QPrinter::Active)
            drucker.abort();
        if (dienste_.druckerDialog && !dienste_.druckerDialog(drucker))
            return nullptr;
        return &drucker;
    };
    d.geschlossen = [this] { chBSymm_->setChecked(false); };
    Psymm_ = new EoTSymmPanel(s_, frage_, std::move(d), this);
    Psymm_->installEventFilter(this);
}

void Tsset2::ChBSymmClick(bool an)
{
    if (!an) {
        Psymm_->hide();
        return;
    }
    Psymm_->adjustSize();
    Psymm_->move(std::max(0, (width() - Psymm_->width()) / 2), std::max(0, height() / 4));
    Psymm_->zeigen();
}

// ----- the graph on screen and on the page -----------------------------------------------------

void Tsset2::zeichneGrafik()
{
    const QSize haupt = dienste_.hauptflaeche ? dienste_.hauptflaeche() : size();
    const bool sonnenbahn = s_.Rechenmodus == 32;
    // The option row takes as many rows as the width needs.
    const int tafeln = (PanAzHigh_->isHidden() ? 0 : PanAzHigh_->sizeHint().height())
                       + PanelEoT_->heightForWidth(std::max(1, haupt.width() - 8))
                       + lbZeitglGraph_->sizeHint().height() + 20;
    const int b = std::max(1, static_cast<int>(0.85 * haupt.width()));
    const int h = std::max(1, haupt.height() - tafeln - (sonnenbahn ? 30 : 100));
    aufgenommen_ = haupt;
    grafikBild_ = QImage(b, h, QImage::Format_RGB32);
    grafikBild_.fill(Qt::white);
    {
        PainterCanvas canvas(grafikBild_);
        Grafikauftrag a{s_, canvas, 0, 0, b, h, true};
        if (sonnenbahn)
            StreiflichtText_ = zeichneSonnenstandsdiagramm(a);
        else
            zeichneZeitgleichungsgraph(a);
    }
    ImageGraph_->setPixmap(QPixmap::fromImage(grafikBild_));
    ImageGraph_->setFixedSize(grafikBild_.size());
    ImageGraph_->show();
    Button3_->hide();
    ImageInfo_->hide();
    lbZeitglGraph_->setText(q(sonnenbahn ? holeText(s_, s_.Schalter.Diagrammart ? 69 : 41) : holeText(s_, 901)));
    if (sonnenbahn)
        setzeStreiflicht();
}

void Tsset2::setzeStreiflicht()
{
    const bool de = s_.Sprachspalte != 2;
    const std::string art = s_.Schalter.Zonenzeit ? (de ? " Wahre Ortszeit" : " Local Apparent Time")
                                                  : (de ? " WOZ am Zonenmeridian" : " Apparent Time of zone meridian");
    lSonnzeit_->setText(q(holeText(s_, 913) + "(" + art + "  ) " + StreiflichtText_));
    lSonnzeit_->setVisible(s_.EbeneBesonnt != 0);
}

bool Tsset2::druckeGrafik(QPrinter& drucker)
{
    PainterCanvas seite(drucker);
    const int breiteMm = drucker.widthMM();
    const int hoeheMm = drucker.heightMM();
    const bool quer = drucker.pageLayout().orientation() == QPageLayout::Landscape;
    seite.setFont({"MS Serif", 40, true, FarbeSchwarz});
    if (s_.Rechenmodus == 16) {
        Grafikauftrag a{s_, seite, 50, 50, breiteMm * 10 - 100, quer ? 1450 : 1300, false};
        zeichneZeitgleichungsgraph(a);
    } else if (s_.Schalter.Diagrammart == 0) {
        Grafikauftrag a{s_, seite, 50, 50, breiteMm * 10 - 100, hoeheMm * 9 - 100, false};
        StreiflichtText_ = zeichneSonnenstandsdiagramm(a);
    } else {
        Grafikauftrag a{s_, seite, 0, 0, breiteMm * 10, hoeheMm * 10, false};
        zeichneSonnenstandsdiagramm(a);
    }
    seite.flush();
    return drucker.printerState() != QPrinter::Error && drucker.printerState() != QPrinter::Aborted;
}

void Tsset2::Button3Click()
{
    // The graph at the working area's new size: mode 16 draws again; the diagram is drawn in
    // the kind chosen.
    zeichneGrafik();
}

// ----- the plane inputs ------------------------------------------------------------------------

bool Tsset2::filtern(QLineEdit* feld, QKeyEvent* taste)
{
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        feld->nextInFocusChain()->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false; // shortcuts, copy and paste
    const QString t = taste->text();
    if (t.isEmpty() || taste->key() == Qt::Key_Backspace)
        return false;
    const QChar c = t.front();
    if (feld == edFaktor_ || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(',') || !c.isPrint())
        return false;
    return true;
}

void Tsset2::EdBrClick(QLineEdit* feld)
{
    if (!feld->isModified())
        return; // untouched, it keeps the value it shows, to all its digits
    bool fehler = false;
    const QLabel* label = nullptr;
    for (QLabel* l : PanAzHigh_->findChildren<QLabel*>())
        if (l->buddy() == feld)
            label = l;
    const std::string name = label ? ohneAmpersand(label->text()) : std::string();
    if (feld == EdBr_)
        pruefRealBereich(s_, frage_, feld, s_.Par.Breite, name, -90, 90, fehler);
    else if (feld == EdLaeng_)
        pruefRealBereich(s_, frage_, feld, s_.Par.Laenge, name, -180, 180, fehler);
    else if (feld == EdAbw_)
        pruefRealBereich(s_, frage_, feld, s_.Par.Wandabweichung, name, -180, 180, fehler);
    else if (feld == EdInk_)
        pruefRealBereich(s_, frage_, feld, s_.Par.Inklination, name, 0, 180, fehler);
    if (fehler)
        return;
    // A latitude on the equator is kept off it as the settings file reads it back, and shown so.
    const double breite = BreiteVomAequatorWeg(s_.Par.Breite, Aequatorregel::Ort);
    if (feld == EdBr_ && breite != s_.Par.Breite) {
        s_.Par.Breite = breite;
        feld->setText(q(feldZahl(breite, 13, 6)).trimmed());
    }
    if (s_.Rechenmodus == 32)
        zeichneGrafik();
}

void Tsset2::ChbBesonntClick(bool an)
{
    const bool vorher = s_.EbeneBesonnt != 0;
    s_.EbeneBesonnt = an ? 1 : 0;
    if (vorher != an)
        FormShow();
    setzeStreiflicht();
}

// ----- graph files -----------------------------------------------------------------------------

void Tsset2::BtnHPGgraphClick(bool alsHpgl)
{
    if (!istGrafikmodus())
        return;
    panelHpgl_ = alsHpgl;
    s_.AlsHPGL = alsHpgl ? 1 : 0;
    bxLaenge_->setChecked(s_.Schalter.Zonenzeit != 0);
    if (s_.Rechenmodus == 32)
        bxSpiegeln_->setChecked(false);
    bxSpiegeln_->setVisible(s_.Rechenmodus == 16);
    if (auto* titel = pEoTFile_->findChild<QLabel*>(QStringLiteral("pEoTFileTitel")))
        titel->setText(q(holeText(s_, alsHpgl ? 711 : 716)));
    pEoTFile_->adjustSize();
    pEoTFile_->move(std::max(0, (width() - pEoTFile_->width()) / 2), std::max(0, height() / 4));
    pEoTFile_->raise();
    pEoTFile_->show();
    btnOK_->setFocus();
}

void Tsset2::Button1Click()
{
    pEoTFile_->hide();
}

void Tsset2::btnOKClick()
{
    bool fehler = false;
    const auto* label = pEoTFile_->findChild<QLabel*>(QStringLiteral("Label5"));
    pruefRealBereich(s_, frage_, edFaktor_, faktor_, label ? ohneAmpersand(label->text()) : std::string(), 0.05, 20.0,
                     fehler);
    if (fehler)
        return;
    edFaktor_->setText(q(RealStr(faktor_, 4, 2)));
    s_.Schalter.Zonenzeit = bxLaenge_->isChecked() ? 1 : 0;
    pEoTFile_->hide();
    SchreibeGrafikdatei();
}

bool Tsset2::SchreibeGrafikdatei()
{
    const bool zeitgleichung = s_.Rechenmodus == 16;
    const QString endung = panelHpgl_ ? QStringLiteral("plt") : QStringLiteral("dxf");
    QString name = zeitgleichung ? (panelHpgl_ ? QStringLiteral("EoT.plt") : QStringLiteral("Eot.dxf"))
                                 : (panelHpgl_ ? QStringLiteral("Azi.plt") : QStringLiteral("Sonnenpositionen.dxf"));
    if (dienste_.grafikdatei) {
        if (!dienste_.grafikdatei(name, endung))
            return false;
    } else {
        const bool de = s_.Sprachspalte != 2;
        name = QFileDialog::getSaveFileName(
            this, de ? QStringLiteral("UMBRIN.EXE - Zeichnung als Datei speichern")
                     : QStringLiteral("UMBRIN.EXE - Save as Graphics File"),
            name, QStringLiteral("*.") + endung);
        if (name.isEmpty())
            return false;
    }
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + endung;
    s_.AlsHPGL = panelHpgl_ ? 1 : 0;
    Grafikdateioptionen o;
    o.spiegeln = bxSpiegeln_->isChecked();
    o.laengenkorrektur = s_.Schalter.Zonenzeit != 0;
    o.yFaktor = faktor_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool gut = umbrin::SchreibeGrafikdatei(
        s_, name.toStdString(),
        [zeitgleichung, o](AppState& s, HPGLDatei& d) {
            if (zeitgleichung)
                schreibeZeitgleichungsgraph(s, d, o);
            else
                schreibeSonnenstandsdiagramm(s, d, o);
        },
        frage_);
    QApplication::restoreOverrideCursor();
    return gut;
}

void Tsset2::verschiebe(QWidget* panel, QMouseEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonPress) {
        ziehStart_ = ereignis->position().toPoint();
        return;
    }
    if (ereignis->buttons() & Qt::LeftButton)
        panel->move(panel->mapToParent(ereignis->position().toPoint() - ziehStart_));
}

} // namespace umbrin
