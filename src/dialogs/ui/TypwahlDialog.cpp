#include "dialogs/ui/TypwahlDialog.h"

#include "core/Eingabepruefung.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "core/ui/Eingabefelder.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/DialogParameterRegeln.h"
#include "dialogs/HabermelGeometrie.h"
#include "dialogs/IniLesen.h"
#include "dialogs/Wertebereiche.h"
#include "dialogs/TypwahlTabelle.h"
#include "dialogs/ui/DialogFelder.h"
#include "dialogs/ui/DialogRahmen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace umbrin {

namespace {

QString q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }
std::string_view titel(const AppState& s, int zeile) { return titelText(s, zeile + 1); }

std::int32_t ganz(double grenze) { return static_cast<std::int32_t>(grenze); }

bool planar(char t) { return t == 'h' || t == 'i' || t == 'v'; }

} // namespace

TypwahlDialog::TypwahlDialog(DialogUmgebung& umgebung, QWidget* eltern)
    : QDialog(eltern)
    , u_(umgebung)
    , s_(umgebung.zustand)
{
    richteDialogEin(this, "F4", 61, false);
    waechter_ = new FeldWaechter(this);
    baue();
    if (!s_.FensterNormal)
        setWindowState(windowState() | Qt::WindowMaximized);

    imWalk_ = u_.walk && u_.walk->typwahlErstellt();
    if (imWalk_)
        setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    abbruch_->setVisible(imWalk_);
    setzeTextId(schliessen_, imWalk_ ? 1 : 7);
    setzeTextId(this, imWalk_ ? 0 : 400);
    setzeHirtLabel();
    aktualisiereSprache(s_);

    rgSchirm_->setVisible(s_.Schirmuhr != 0);
    // Selection of the stored type: the umbrella item keeps its plane, other letters their
    // item; a letter without an item leaves the list unchosen.
    if (s_.Schirmuhr) {
        if (!planar(s_.UhrTyp))
            s_.UhrTyp = 'h';
        rgSchirm_->setItemIndex(s_.UhrTyp == 'h' ? 0 : s_.UhrTyp == 'i' ? 1 : 2);
    }
    if (const auto index = TypwahlIndex(s_.ExpertenModus, s_.UhrTyp, s_.Schirmuhr))
        typen_->setItemIndex(*index);
    if (s_.UhrTyp == 'z')
        rgZyl_->setItemIndex(s_.Schalter.ZylinderArt);
    rgAltitude_->setItemIndex(s_.Schalter.Hoehenuhrart);
    rgAzMain_->setItemIndex(s_.Schalter.AzimutKreise ? 1 : 0);

    beschrifte();
    if (u_.haken.menue)
        u_.haken.menue(false, true, true);
    werteInFelder();
}

TypwahlDialog::~TypwahlDialog()
{
    if (!geschlossen_)
        return;
    if (u_.haken.verbergeFarbpanel && s_.DialogSchritt > 2)
        u_.haken.verbergeFarbpanel();
    if (u_.walk)
        u_.walk->fensterZerstoert(Arbeitsfenster::Typwahl);
}

void TypwahlDialog::baue()
{
    const Dialogrumpf rumpf = baueRumpf(this);
    QVBoxLayout* haupt = rumpf.inhalt;

    auto neuesLabel = [this](const char* name, int id) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        if (id)
            setzeTextId(l, id);
        return l;
    };
    auto neuesFeld = [this](const char* name, Tasten tasten, std::function<void()> verlassen) {
        auto* f = new QLineEdit(this);
        f->setObjectName(QString::fromLatin1(name));
        f->setAlignment(Qt::AlignRight);
        f->setFixedWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
        waechter_->beobachte(f, tasten, std::move(verlassen));
        return f;
    };
    auto neueGruppe = [this](const char* name, int id) {
        auto* g = new RadioGruppe(this);
        g->setObjectName(QString::fromLatin1(name));
        if (id)
            setzeTextId(g, id);
        return g;
    };

    haupt->addWidget(neuesLabel("Label1", 401));
    auto* oben = new QHBoxLayout;
    haupt->addLayout(oben);

    typen_ = neueGruppe("RG1", 0);
    oben->addWidget(typen_, 1);
    connect(typen_, &RadioGruppe::itemGewaehlt, this, [this](int i) { typGewaehlt(i); });

    auto* rechts = new QVBoxLayout;
    oben->addLayout(rechts);
    // The slot of the type's picture: it opens the picture in the main window's gallery.
    bild_ = new QToolButton(this);
    bild_->setObjectName(QStringLiteral("BtBtnhor"));
    bild_->setAutoRaise(false);
    connect(bild_, &QToolButton::clicked, this, [this] {
        if (u_.haken.zeigeBild)
            u_.haken.zeigeBild(TypwahlBild(s_));
    });
    rechts->addWidget(bild_, 0, Qt::AlignLeft);

    rgSchirm_ = neueGruppe("rgSchirm", 603);
    rgSchirm_->setEintraege({QString(), QString(), QString()});
    connect(rgSchirm_, &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.UhrTyp = i == 0 ? 'h' : i == 1 ? 'i' : 'v';
        zeigeFelder();
        zeigeBildKnopf();
    });
    rgAltitude_ = neueGruppe("rgAltitude", 57);
    rgAltitude_->setEintraege({QString(), QString(), QString()});
    connect(rgAltitude_, &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(i);
        zeigeFelder();
        zeigeBildKnopf();
    });
    rgZyl_ = neueGruppe("rgZyl", 605);
    rgZyl_->setEintraege({QString(), QString(), QString()});
    connect(rgZyl_, &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.Schalter.ZylinderArt = static_cast<std::uint8_t>(i);
        if (i == 2) {
            edit3_->setText(QStringLiteral(" ") + q(feldZahl(s_.Par.ZylZeiger, 6, 2)));
        } else {
            edit3_->setText(QStringLiteral(" ") + QString::number(s_.Par.Skalenlaenge));
            setzeHirtLabel();
            beschrifteKomponente(lHirt_, s_, s_.StringIdBasis);
            edZylang_->setText(QStringLiteral(" ") + QString::number(s_.SkalaZylinder));
        }
        zeigeBildKnopf();
        zeigeFelder();
    });
    rgAzMain_ = neueGruppe("rgAzMain", 583);
    rgAzMain_->setEintraege({QString(), QString()});
    connect(rgAzMain_, &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.Schalter.AzimutKreise = i == 1 ? 1 : 0;
        zeigeBildKnopf();
        zeigeFelder();
    });
    for (RadioGruppe* g : {rgSchirm_, rgAltitude_, rgZyl_, rgAzMain_})
        rechts->addWidget(g);

    auto* werte = new QGridLayout;
    rechts->addLayout(werte);
    rechts->addStretch(1);

    label2_ = neuesLabel("Label2", 402);
    label11_ = neuesLabel("Label11", 411);
    edit1_ = neuesFeld("Edit1", Tasten::Reell, [this] { wandabweichungVerlassen(); });
    label7_ = neuesLabel("Label7", 100);
    label3_ = neuesLabel("Label3", 403);
    werte->addWidget(label2_, 0, 0);
    werte->addWidget(label11_, 0, 0);
    werte->addWidget(edit1_, 0, 1);
    werte->addWidget(label7_, 0, 2);
    werte->addWidget(label3_, 1, 1, 1, 2);

    label4_ = neuesLabel("Label4", 404);
    edit2_ = neuesFeld("Edit2", Tasten::Reell, [this] { inklinationVerlassen(); });
    label8_ = neuesLabel("Label8", 100);
    label6_ = neuesLabel("Label6", 405);
    werte->addWidget(label4_, 2, 0);
    werte->addWidget(edit2_, 2, 1);
    werte->addWidget(label8_, 2, 2);
    werte->addWidget(label6_, 3, 1, 1, 2);

    label5_ = neuesLabel("Label5", 6);
    edit3_ = neuesFeld("Edit3", Tasten::Reell, [this] { groesseVerlassen(); });
    edit3_->setProperty("hilfeKontext", 133);
    werte->addWidget(label5_, 4, 0);
    werte->addWidget(edit3_, 4, 1);

    lHirt_ = neuesLabel("lHirt", 571);
    edZylang_ = neuesFeld("EdZylang", Tasten::Reell, [this] { skalaVerlassen(); });
    werte->addWidget(lHirt_, 5, 0);
    werte->addWidget(edZylang_, 5, 1);

    lZylRad_ = neuesLabel("LZylRad", 412);
    edZylRad_ = neuesFeld("EdZylRad", Tasten::Reell, [this] { zylRadiusVerlassen(); });
    werte->addWidget(lZylRad_, 6, 0);
    werte->addWidget(edZylRad_, 6, 1);

    label62_ = neuesLabel("Label62", 580);
    edHaber_ = neuesFeld("edHaber", Tasten::Reell, [this] { groesseVerlassen(); });
    rDurch_ = neuesFeld("rDurchEdit", Tasten::Reell, [this] { ringVerlassen(); });
    werte->addWidget(label62_, 7, 0);
    werte->addWidget(edHaber_, 7, 1);
    werte->addWidget(rDurch_, 8, 1);
    werte->setColumnStretch(3, 1);

    label13_ = neuesLabel("Label13", 0);
    haupt->addWidget(label13_);
    label9_ = neuesLabel("Label9", 306);
    haupt->addWidget(label9_);
    haupt->addWidget(neuesLabel("Label10", 18));

    const Knopfleiste knoepfe = baueKnopfleiste(this, rumpf.aussen, "Button1", waechter_);
    schliessen_ = knoepfe.schliessen;
    abbruch_ = knoepfe.abbruch;
    connect(schliessen_, &QPushButton::clicked, this, [this] { knopf(false); });
    connect(abbruch_, &QPushButton::clicked, this, [this] { knopf(true); });
}

void TypwahlDialog::beschrifte()
{
    aktualisiereSprache(s_);
    beschrifteFenster(this, s_, s_.StringIdBasis);
    zeigeFelder();
    zeigeBildKnopf();
    rumpfGeaendert(this);
    adjustSize();
}

void TypwahlDialog::aktualisiereSprache(AppState& s)
{
    // The type list comes from the one item table (the shortened list without expert mode).
    QStringList eintraege;
    for (const TypwahlEintrag& e : TypwahlListe(s.ExpertenModus))
        eintraege << q(ladeText(e.textId, s.StringIdBasis));
    typen_->setEintraege(eintraege);

    if (s.ExpertenModus)
        label13_->setText(q(meldungsText(s, 68)) + QStringLiteral("on!") + q(meldungsText(s, 55)));
    else
        label13_->setText(q(meldungsText(s, 67)).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
    if (imWalk_)
        setWindowTitle(q(titel(s, 11)) + QStringLiteral(" 2"));
}

void TypwahlDialog::setzeHirtLabel()
{
    setzeTextId(lHirt_, 571 + 8 * (s_.Schalter.ZylinderArt == 1 ? 1 : 0));
}

std::string TypwahlDialog::label(const QLabel* l) const { return OhneAmpersand(l->text().toStdString()); }

void TypwahlDialog::werteInFelder()
{
    edit1_->setText(q(feldZahl(s_.Par.Wandabweichung, 7, 2)));
    edit2_->setText(q(feldZahl(s_.Par.Inklination, 7, 2)));
    edZylRad_->setText(q(feldZahl(s_.Par.ZylRadius, 7, 2)));
    edZylang_->setText(q(RealStr(s_.SkalaZylinder, 7, 0)));
    edHaber_->setText(q(feldZahl(s_.Par.HabermelDurchmesser, 6, 1)));
    rDurch_->setText(q(feldZahl(s_.Par.RingDurchmesser, 4, 0)));
    if (s_.UhrTyp == 'z' && s_.Schalter.ZylinderArt == 2)
        edit3_->setText(q(feldZahl(s_.Par.ZylZeiger, 6, 2)));
    else if (s_.UhrTyp == 'z')
        edit3_->setText(QString::number(s_.Par.Skalenlaenge));
    else if (s_.UhrTyp == 'k')
        edit3_->setText(QString::number(s_.Par.HidokaiZeiger));
    else if (s_.UhrTyp != 'q' || s_.Schalter.Hoehenuhrart == 0)
        edit3_->setText(q(feldZahl(s_.Par.Gnomonhoehe, 6, 2)));
    s_.TypBasis = typBasisFuer(s_.UhrTyp, s_.TypBasis);
    zeigeBildKnopf();
    zeigeFelder();
}

void TypwahlDialog::zeigeGroesseInEdit3()
{
    if (s_.UhrTyp == 'z')
        edit3_->setText(s_.Schalter.ZylinderArt == 2 ? q(feldZahl(s_.Par.ZylZeiger, 6, 2))
                                                     : QString::number(s_.Par.Skalenlaenge));
    else if (s_.UhrTyp == 'q')
        edit3_->setText(q(feldZahl(s_.Par.HabermelGnomon, 6, 2)));
    else if (s_.UhrTyp == 'k')
        edit3_->setText(QString::number(s_.Par.HidokaiZeiger));
    else
        edit3_->setText(q(feldZahl(s_.Par.Gnomonhoehe, 6, 2)));
}

void TypwahlDialog::typGewaehlt(int index)
{
    if (!TypWaehlen(s_, index))
        return;
    const std::vector<TypwahlEintrag> liste = TypwahlListe(s_.ExpertenModus);
    setProperty("hilfeKontext", liste[static_cast<std::size_t>(index)].hilfeKontext);
    if (s_.Schirmuhr)
        rgSchirm_->setItemIndex(s_.UhrTyp == 'h' ? 0 : s_.UhrTyp == 'i' ? 1 : 2);
    rgZyl_->setItemIndex(s_.Schalter.ZylinderArt);
    rgAltitude_->setItemIndex(s_.Schalter.Hoehenuhrart);
    s_.TypBasis = typBasisFuer(s_.UhrTyp, s_.TypBasis);
    zeigeGroesseInEdit3();
    zeigeBildKnopf();
    zeigeFelder();
}

void TypwahlDialog::zeigeBildKnopf()
{
    const char t = s_.UhrTyp;
    const char* name = nullptr;
    if (s_.Schirmuhr || t == 'f')
        name = t == 'i' && s_.Schirmuhr ? "BtBtnsp2" : "BtBtnsf2";
    else if (t == 'z')
        name = std::array<const char*, 3>{"BtBtnZy2", "BtBtnZyLi", "BtBtnHall"}[std::min<int>(s_.Schalter.ZylinderArt, 2)];
    else if (t == 'a')
        name = s_.Schalter.AzimutKreise == 0       ? "BtBtnAz2"
               : s_.Schalter.Hoehenkreise == 1     ? "BtBtnTonne"
               : s_.Schalter.Hoehenkreise == 2     ? "BtBtnSter"
                                                   : nullptr;
    else if (t == 'q')
        name = std::array<const char*, 3>{"BtBtnqu2", "BtBtnHabermel", "BtBtnHabermel2"}[std::min<int>(s_.Schalter.Hoehenuhrart, 2)];
    else if (t == 'h')
        name = "BtBtnhor";
    else if (t == 'v')
        name = "BtBtnver1";
    else if (t == 'r')
        name = "BtBtnRi2";
    else if (t == 'k')
        name = "BtBtnZh2";
    else if (t == 'c')
        name = "BtBtncomp";
    else if (t == 'w')
        name = "BtBtnSaw";
    else if (t == 'p')
        name = "BtBtnPau";
    else if (t == 'm')
        name = "BtBtnHoll";
    // The button shows the type's picture from the gallery; without one there is no button.
    const QImage bild = name && u_.haken.bild ? u_.haken.bild(TypwahlBild(s_)) : QImage();
    bild_->setVisible(!bild.isNull());
    if (name)
        bild_->setObjectName(QString::fromLatin1(name));
    bild_->setFixedSize(t == 'z' && s_.Schalter.ZylinderArt == 0   ? QSize(56, 82)
                        : t == 'z' && s_.Schalter.ZylinderArt == 1 ? QSize(68, 82)
                                                                    : QSize(82, 82));
    if (!bild.isNull()) {
        const QSize innen = bild_->size() - QSize(6, 6);
        bild_->setIconSize(innen);
        bild_->setIcon(QPixmap::fromImage(bild.scaled(innen, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
}

void TypwahlDialog::zeigeFelder()
{
    const char t = s_.UhrTyp;
    const int zyl = s_.Schalter.ZylinderArt;
    const int alt = s_.Schalter.Hoehenuhrart;
    const bool zeigeEdit1 = t == 'v' || t == 'i' || (t == 'z' && zyl == 2);
    const bool zeigeEdit2 = t == 'i';
    const bool zeigeEdit3 = t == 'v' || t == 'i' || t == 'h' || t == 'z' || t == 'k' || t == 'm' || t == 'w' ||
                            t == 'p' || t == 'f' || t == 'o';
    edit1_->setVisible(zeigeEdit1);
    label2_->setVisible(zeigeEdit1 && t != 'z');
    label11_->setVisible(zeigeEdit1 && t == 'z');
    label3_->setVisible(zeigeEdit1);
    label7_->setVisible(zeigeEdit1);
    for (QWidget* w : {static_cast<QWidget*>(edit2_), static_cast<QWidget*>(label4_), static_cast<QWidget*>(label6_),
                       static_cast<QWidget*>(label8_)})
        w->setVisible(zeigeEdit2);
    edit3_->setVisible(zeigeEdit3);
    label5_->setVisible(zeigeEdit3);
    edZylang_->setVisible(t == 'z' && zyl < 2);
    lHirt_->setVisible(t == 'z' && zyl < 2);
    edZylRad_->setVisible(t == 'z' && zyl == 2);
    lZylRad_->setVisible(t == 'z' && zyl == 2);
    const bool habermel = t == 'q' && alt > 0;
    edHaber_->setVisible(habermel);
    if (habermel)
        edHaber_->setText(QStringLiteral(" ") + q(feldZahl(s_.Par.HabermelDurchmesser, 6, 1)));
    rDurch_->setVisible(t == 'r');
    label62_->setVisible(habermel || t == 'r');
    rgAltitude_->setVisible(t == 'q' && s_.ExpertenModus);
    rgZyl_->setVisible(t == 'z');
    rgAzMain_->setVisible(t == 'a');
    rgSchirm_->setVisible(s_.Schirmuhr != 0);
    label9_->setVisible(t != 'a' && t != 'c' && t != 'q');
    // The window grows to the fields of the type chosen, so that none is cut off or scrolled.
    // In its frame in the working area the frame is widened first and lays the window out: a
    // window grown past its frame on its own would keep the grown strip unpainted, with the
    // area behind showing through beside the fields.
    if (auto* bereich = findChild<QScrollArea*>(QStringLiteral("Rollbereich")); bereich && bereich->widget()->layout()) {
        bereich->widget()->layout()->activate();
        bereich->updateGeometry();
    }
    if (QWidget* rahmen = isWindow() || isMaximized() ? nullptr : parentWidget()) {
        const QSize fehlt = (sizeHint() - size()).expandedTo(QSize(0, 0));
        const QSize frei = rahmen->parentWidget() ? rahmen->parentWidget()->size() : rahmen->size() + fehlt;
        if (!fehlt.isNull() && !rahmen->isMaximized())
            rahmen->resize((rahmen->size() + fehlt).boundedTo(frei).expandedTo(rahmen->size()));
    }
    rumpfGeaendert(this);
    if (!isMaximized())
        resize(size().expandedTo(sizeHint()));
}

void TypwahlDialog::wandabweichungVerlassen()
{
    double x = s_.Par.Wandabweichung;
    bool err = false;
    pruefRealFeldBewahrt(s_, u_.prompt, edit1_, x, DialogBereich::TypWandabweichung.stellen, err);
    if (err)
        return;
    if (!DialogBereich::TypWandabweichung.enthaelt(x)) {
        u_.prompt.ask(PromptTitle::Problem, PromptIcon::Warning, std::string(meldungsText(s_, 0)), PromptButtons::Ok);
        edit1_->setText(q(feldZahl(s_.Par.Wandabweichung, 7, 2)));
        edit1_->setFocus();
        return;
    }
    s_.Par.Wandabweichung = OhneHalbkreis(x, 179.9999);
    edit1_->setText(q(feldZahl(s_.Par.Wandabweichung, 7, 2)));
}

void TypwahlDialog::skalaVerlassen()
{
    bool err = false;
    std::int32_t n = s_.SkalaZylinder;
    pruefIntNochmals(s_, u_.prompt, edZylang_, ganz(DialogBereich::TypSkalaZylinder.von),
                     ganz(DialogBereich::TypSkalaZylinder.bis), label(lHirt_), n, err);
    if (!err && n != s_.SkalaZylinder) {
        s_.SkalaZylinder = n;
        edZylang_->setText(QString::number(n));
    }
}

void TypwahlDialog::inklinationVerlassen()
{
    double x = s_.Par.Inklination;
    bool err = false;
    pruefRealFeldBewahrt(s_, u_.prompt, edit2_, x, DialogBereich::TypInklination.stellen, err);
    if (err)
        return;
    if (!(x > 0) || !DialogBereich::TypInklination.enthaelt(x)) {
        u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning, std::string(meldungsText(s_, 3)), PromptButtons::Ok);
        edit2_->setFocus();
    } else {
        s_.Par.Inklination = x;
    }
    if (x != s_.Par.Inklination)
        edit2_->setText(q(feldZahl(s_.Par.Inklination, 7, 2)));
}

bool TypwahlDialog::habermelGnomonAusDurchmesser(double durchmesser)
{
    double g = s_.Par.HabermelGnomon;
    if (!HabermelGnomonAusDurchmesser(s_.Schalter.Hoehenuhrart, durchmesser, s_.Par.Breite, s_.EpsRund, g)) {
        u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning, TextPaar(s_, 24, 1), PromptButtons::Ok);
        return false;
    }
    s_.Par.HabermelGnomon = HabermelZehntel(g);
    return true;
}

void TypwahlDialog::groesseVerlassen()
{
    const char t = s_.UhrTyp;
    const int zyl = s_.Schalter.ZylinderArt;
    bool err = false;
    if (t == 'z' && zyl < 2) {
        pruefInt(s_, u_.prompt, edit3_, ganz(DialogBereich::TypSkalenlaengeVerlassen.von),
                 ganz(DialogBereich::TypSkalenlaengeVerlassen.bis), label(label5_), s_.Par.Skalenlaenge, err);
        if (!err)
            edit3_->setText(QString::number(s_.Par.Skalenlaenge));
    } else if (t == 'k') {
        pruefInt(s_, u_.prompt, edit3_, ganz(DialogBereich::TypHidokaiZeigerVerlassen.von),
                 ganz(DialogBereich::TypHidokaiZeigerVerlassen.bis), label(label5_), s_.Par.HidokaiZeiger, err);
        if (!err)
            edit3_->setText(QString::number(s_.Par.HidokaiZeiger));
    } else if (t == 'q' && s_.Schalter.Hoehenuhrart > 0) {
        double d = s_.Par.HabermelDurchmesser;
        pruefRealBereichBewahrt(s_, u_.prompt, edHaber_, d, label(label62_), DialogBereich::TypHabermelDurchmesser,
                                err);
        if (err) {
            u_.prompt.ask(PromptTitle::Warnung, PromptIcon::Error,
                          holeText(s_, 577) + "\r\n" + holeText(s_, 578), PromptButtons::Ok);
            return;
        }
        if (!habermelGnomonAusDurchmesser(d)) {
            edHaber_->setText(q(feldZahl(s_.Par.HabermelDurchmesser, 6, 1)));
            edHaber_->setFocus();
            return;
        }
        s_.Par.HabermelDurchmesser = d;
        edHaber_->setText(q(feldZahl(d, 6, 1)));
    } else if ((t == 'z' && zyl == 2) || t == 'w' || t == 'h' || t == 'i' || t == 'm' || t == 'v') {
        double& ziel = t == 'z' ? s_.Par.ZylZeiger : s_.Par.Gnomonhoehe;
        double x = ziel;
        const Wertebereich b = t == 'z' ? DialogBereich::TypZylZeigerVerlassen : DialogBereich::TypGnomonhoeheVerlassen;
        pruefRealBereichBewahrt(s_, u_.prompt, edit3_, x, label(label5_), b, err);
        if (!err) {
            ziel = x;
            edit3_->setText(q(feldZahl(x, 6, 2)));
        }
    }
}

void TypwahlDialog::zylRadiusVerlassen()
{
    double x = s_.Par.ZylRadius;
    bool err = false;
    pruefRealBereichBewahrt(s_, u_.prompt, edZylRad_, x, label(lZylRad_), DialogBereich::TypZylRadius, err);
    if (!err) {
        s_.Par.ZylRadius = x;
        edZylRad_->setText(q(feldZahl(x, 7, 2)));
    }
}

void TypwahlDialog::ringVerlassen()
{
    double x = s_.Par.RingDurchmesser;
    bool err = false;
    pruefRealBereichBewahrt(s_, u_.prompt, rDurch_, x, label(label62_), DialogBereich::TypRingDurchmesser, err);
    if (!err)
        s_.Par.RingDurchmesser = x;
}

bool TypwahlDialog::pruefeAlles()
{
    bool ok = true;
    const char t = s_.UhrTyp;
    const int zyl = s_.Schalter.ZylinderArt;

    // Only the fields this type shows are checked, and only they get the focus.
    if (edit1_->isVisibleTo(this)) {
        double x = s_.Par.Wandabweichung;
        bool err = false;
        pruefRealFeldBewahrt(s_, u_.prompt, edit1_, x, DialogBereich::TypWandabweichung.stellen, err);
        if (err) {
            ok = false;
        } else if (!DialogBereich::TypWandabweichung.enthaelt(x)) {
            u_.prompt.ask(PromptTitle::Problem, PromptIcon::Warning, TextPaar(s_, 0, 1), PromptButtons::Ok);
            edit1_->clear();
            edit1_->setFocus();
            ok = false;
        } else {
            s_.Par.Wandabweichung = OhneHalbkreis(x, 179.9999);
        }
    }
    if (edit2_->isVisibleTo(this)) {
        double x = s_.Par.Inklination;
        bool err = false;
        pruefRealFeldBewahrt(s_, u_.prompt, edit2_, x, DialogBereich::TypInklination.stellen, err);
        if (err) {
            ok = false;
        } else if (!DialogBereich::TypInklination.enthaelt(x)) {
            u_.prompt.ask(PromptTitle::Problem, PromptIcon::Warning, TextPaar(s_, 3, 1), PromptButtons::Ok);
            edit2_->clear();
            edit2_->setFocus();
            ok = false;
        } else {
            s_.Par.Inklination = x;
        }
    }

    bool err = false;
    if (t == 'z' && zyl < 2) {
        pruefInt(s_, u_.prompt, edit3_, ganz(DialogBereich::TypSkalenlaengeSchliessen.von),
                 ganz(DialogBereich::TypSkalenlaengeSchliessen.bis), label(label5_), s_.Par.Skalenlaenge, err);
        if (!err)
            edit3_->setText(QString::number(s_.Par.Skalenlaenge));
        ok = ok && !err;
        err = false;
        std::int32_t n = s_.SkalaZylinder;
        pruefIntNochmals(s_, u_.prompt, edZylang_, ganz(DialogBereich::TypSkalaZylinder.von),
                         ganz(DialogBereich::TypSkalaZylinder.bis), label(lHirt_), n, err);
        if (!err)
            s_.SkalaZylinder = n;
        ok = ok && !err;
    } else if (t == 'z') {
        double x = s_.Par.ZylZeiger;
        pruefRealBereichBewahrt(s_, u_.prompt, edit3_, x, label(label5_), DialogBereich::TypZylZeigerSchliessen, err);
        if (!err) {
            s_.Par.ZylZeiger = x;
            edit3_->setText(q(feldZahl(x, 6, 2)));
        }
        ok = ok && !err;
        err = false;
        x = s_.Par.ZylRadius;
        pruefRealBereichBewahrt(s_, u_.prompt, edZylRad_, x, label(lZylRad_), DialogBereich::TypZylRadius, err);
        if (!err) {
            s_.Par.ZylRadius = x;
            edZylRad_->setText(q(feldZahl(x, 7, 2)));
        }
        ok = ok && !err;
    } else if (t == 'q' && s_.Schalter.Hoehenuhrart > 0) {
        double d = s_.Par.HabermelDurchmesser;
        pruefRealBereichBewahrt(s_, u_.prompt, edHaber_, d, label(label62_), DialogBereich::TypHabermelDurchmesser,
                                err);
        if (err) {
            u_.prompt.ask(PromptTitle::Warnung, PromptIcon::Error,
                          holeText(s_, 577) + "\r\n" + holeText(s_, 578), PromptButtons::Ok);
            ok = false;
        } else if (!habermelGnomonAusDurchmesser(d)) {
            edHaber_->setFocus();
            ok = false;
        } else {
            s_.Par.HabermelDurchmesser = d;
            edHaber_->setText(q(feldZahl(d, 6, 1)));
        }
    } else if (t == 'q') {
        edHaber_->setText(q(feldZahl(s_.Par.HabermelDurchmesser, 6, 1)));
    } else if (t == 'k') {
        pruefInt(s_, u_.prompt, edit3_, ganz(DialogBereich::TypHidokaiZeigerSchliessen.von),
                 ganz(DialogBereich::TypHidokaiZeigerSchliessen.bis), label(label5_), s_.Par.HidokaiZeiger, err);
        ok = ok && !err;
    } else if (t == 'r') {
        // A diameter typed and not left yet (the window closed by its close box or Escape) is
        // read as on leaving the field, not lost.
        double x = s_.Par.RingDurchmesser;
        pruefRealBereichBewahrt(s_, u_.prompt, rDurch_, x, label(label62_), DialogBereich::TypRingDurchmesser, err);
        if (!err)
            s_.Par.RingDurchmesser = x;
        ok = ok && !err;
    } else if (t == 'h' || t == 'i' || t == 'v' || t == 'w') {
        if (t == 'h') {
            s_.Par.Wandabweichung = 0;
            s_.Par.Inklination = 0;
        }
        double x = s_.Par.Gnomonhoehe;
        pruefRealBereichBewahrt(s_, u_.prompt, edit3_, x, label(label5_), DialogBereich::TypGnomonhoeheSchliessen, err);
        if (!err) {
            s_.Par.Gnomonhoehe = x;
            edit3_->setText(q(feldZahl(x, 6, 2)));
        }
        ok = ok && !err;
    }

    s_.FensterFrei = ok;
    if (!ok)
        QApplication::beep();
    return ok;
}

void TypwahlDialog::werteUebernehmen()
{
    bool ok = true;
    waechter_->alsPruefung([this, &ok] { ok = pruefeAlles(); });
    if (!ok)
        werteInFelder();
}

void TypwahlDialog::changeEvent(QEvent* ereignis)
{
    QDialog::changeEvent(ereignis);
    if (ereignis->type() != QEvent::ActivationChange || waechter_->prueft() || geschlossen_)
        return;
    if (isActiveWindow())
        werteInFelder();
    else if (isVisible() && !QApplication::activeModalWidget())
        werteUebernehmen();
}

void TypwahlDialog::knopf(bool abbrechen)
{
    if (!abbrechen && u_.haken.verbergeBild && u_.haken.verbergeBild())
        return;
    if (!u_.walk) {
        close();
        return;
    }
    if (!abbrechen && s_.DialogSchritt != 0)
        close();
    else
        u_.walk->abbrechen();
}

void TypwahlDialog::closeEvent(QCloseEvent* ereignis)
{
    bool ok = false;
    waechter_->alsPruefung([this, &ok] { ok = pruefeAlles(); });
    if (!ok) {
        ereignis->ignore();
        return;
    }
    if (u_.haken.verbergeBild)
        u_.haken.verbergeBild();
    geschlossen_ = true;
    ereignis->accept();
}

void TypwahlDialog::reject() { close(); }

} // namespace umbrin
