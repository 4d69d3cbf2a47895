// The parameter dialog's frame: creation, controls by name, the state into the controls, page changes and closing.
#include "dialogs/ui/ParameterDialog.h"

#include "core/Eingabepruefung.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "core/ui/Eingabefelder.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/DialogParameterRegeln.h"
#include "dialogs/HabermelGeometrie.h"
#include "dialogs/IniText.h"
#include "dialogs/Wertebereiche.h"
#include "dialogs/ui/DialogFelder.h"
#include "dialogs/ui/DialogRahmen.h"
#include "dialogs/ui/ParameterDialogIntern.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace umbrin {

namespace {

QString q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }
std::string_view titel(const AppState& s, int zeile) { return titelText(s, zeile + 1); }

} // namespace

ParameterDialog::ParameterDialog(DialogUmgebung& umgebung, QWidget* eltern)
    : QDialog(eltern)
    , u_(umgebung)
    , s_(umgebung.zustand)
{
    richteDialogEin(this, "Form4", 10, true);
    waechter_ = new FeldWaechter(this);

    const Dialogrumpf rumpf = baueRumpf(this);
    QVBoxLayout* haupt = rumpf.inhalt;
    auto* oben = new QHBoxLayout;
    haupt->addLayout(oben, 1);
    baueSeiten();
    oben->addWidget(seiten_, 1);
    oben->addWidget(datumsliste_);
    const Knopfleiste knoepfe = baueKnopfleiste(this, rumpf.aussen, "BitBtn1", waechter_);
    schliessen_ = knoepfe.schliessen;
    abbruch_ = knoepfe.abbruch;
    connect(schliessen_, &QPushButton::clicked, this, [this] { schliessKnopf(false); });
    connect(abbruch_, &QPushButton::clicked, this, [this] { schliessKnopf(true); });

    fuelleListen();
    verbindeLinien();
    verbindeTypseiten();
    connect(seiten_, &QTabWidget::currentChanged, this, [this](int i) { seiteGewechselt(i); });
    anpassen();
}

ParameterDialog::~ParameterDialog()
{
    if (geschlossen_ && u_.walk)
        u_.walk->fensterZerstoert(Arbeitsfenster::Parameter);
}

// ---- controls by name ----------------------------------------------------------------------

QWidget* ParameterDialog::k(const char* name) const { return k_.value(QString::fromLatin1(name), nullptr); }
QLineEdit* ParameterDialog::ed(const char* name) const { return qobject_cast<QLineEdit*>(k(name)); }
QCheckBox* ParameterDialog::cb(const char* name) const { return qobject_cast<QCheckBox*>(k(name)); }
QComboBox* ParameterDialog::co(const char* name) const { return qobject_cast<QComboBox*>(k(name)); }
RadioGruppe* ParameterDialog::rg(const char* name) const { return qobject_cast<RadioGruppe*>(k(name)); }
QLabel* ParameterDialog::lb(const char* name) const { return qobject_cast<QLabel*>(k(name)); }

std::string ParameterDialog::labelText(const char* name) const
{
    if (const QWidget* w = k(name)) {
        if (const auto* l = qobject_cast<const QLabel*>(w))
            return OhneAmpersand(l->text().toStdString());
        if (const auto* c = qobject_cast<const QCheckBox*>(w))
            return OhneAmpersand(c->text().toStdString());
    }
    return {};
}

void ParameterDialog::setzeText(const char* name, const std::string& text)
{
    if (QWidget* w = k(name)) {
        if (auto* f = qobject_cast<QLineEdit*>(w))
            f->setText(q(text));
        else if (auto* l = qobject_cast<QLabel*>(w))
            l->setText(q(text));
    }
}

void ParameterDialog::zeigeWert(const char* name, double x, int w, int d, bool blank)
{
    setzeText(name, (blank ? " " : "") + feldZahl(x, w, d));
}

void ParameterDialog::zeigeZweiteBreite()
{
    if (std::fabs(s_.Par.Breite2) < 0.005)
        setzeText("ed2Lat", q(zweiteBreiteText(s_.Par.Breite2)).trimmed().toStdString());
    else
        zeigeWert("ed2Lat", s_.Par.Breite2, 7, 2);
}

void ParameterDialog::zeigeGanz(const char* name, std::int32_t n, bool blank)
{
    setzeText(name, (blank ? " " : "") + std::to_string(n));
}

void ParameterDialog::sichtbar(const char* name, bool ja)
{
    if (QWidget* w = k(name))
        w->setVisible(ja);
}

void ParameterDialog::aktiv(const char* name, bool ja)
{
    if (QWidget* w = k(name))
        w->setEnabled(ja);
}

void ParameterDialog::pruefe(const std::function<void()>& pruefung) { waechter_->alsPruefung(pruefung); }

bool ParameterDialog::realGeprueftText(const char* feld, double& ziel, const std::string& label, const Wertebereich& b)
{
    QLineEdit* f = ed(feld);
    double x = ziel;
    bool err = false;
    pruefRealBereichBewahrt(s_, u_.prompt, f, x, label, b, err);
    if (!err)
        ziel = x;
    return !err;
}

bool ParameterDialog::realGeprueft(const char* feld, double& ziel, const char* labelName, const Wertebereich& b)
{
    return realGeprueftText(feld, ziel, labelText(labelName), b);
}

bool ParameterDialog::ganzGeprueft(const char* feld, std::int32_t& ziel, const char* labelName, const Wertebereich& b)
{
    bool err = false;
    pruefInt(s_, u_.prompt, ed(feld), ganz(b.von), ganz(b.bis), labelText(labelName), ziel, err);
    return !err;
}

ParameterSeite ParameterDialog::aktiveSeite() const { return static_cast<ParameterSeite>(seiten_->currentIndex()); }

// ---- creation ------------------------------------------------------------------------------

void ParameterDialog::anpassen()
{
    TSchalter& sch = s_.Schalter;
    const bool experte = s_.ExpertenModus != 0;
    sichtbar("GrAlt", true);
    aktiv("ChBQ2", sch.QuadrantSkala == 0);
    aktiv("chBQganzjr", sch.QuadrantSkala != 2);
    aktiv("ChbQ1", sch.QuadrantSkala != 2);

    for (const char* n : {"GrBoxAz", "GrBazi", "GrBazib"})
        sichtbar(n, experte);
    if (!experte && sch.AzimutKreise > 2)
        sch.AzimutKreise = static_cast<std::uint8_t>(sch.AzimutKreise - 3);
    seiten_->setTabVisible(static_cast<int>(ParameterSeite::Biazimut), experte);
    seiten_->setTabVisible(static_cast<int>(ParameterSeite::MittlereZeit), experte);

    sichtbar("ChBZ2", sch.ZylinderArt != 2);
    sichtbar("ChBHProfil", sch.AzimutKreise == 1);
    sichtbar("ChBZ1", sch.OhneZeitgl || sch.ZylinderArt != 0);
    setzeTextId(cb("chBQganzjr"), sch.ZodiakSkala ? 569 : 549);
    rg("RgPosition")->setItemIndex(s_.BiaziZonenzeit ? 0 : 1);

    if (s_.Par.HabermelGnomon == 0)
        s_.Par.HabermelGnomon = 40.0;
    if (!experte) {
        sch.Hoehenuhrart = 0;
        sichtbar("RgAltitude", false);
    }
    zeigeWert("EdHabermel2", s_.Par.HabermelDurchmesser, 5, 1);
    if (sch.Hoehenuhrart > 0)
        habermelGnomonAus(s_.Par.HabermelDurchmesser, false);
    zeigeWert("EdHabermel", s_.Par.HabermelGnomon, 5, 1);
    rg("RgAltitude")->setItemIndex(sch.Hoehenuhrart);

    if (u_.haken.menue)
        u_.haken.menue(true, true, false);

    const ParameterSeite start = ParameterStartseite(s_);
    {
        const QSignalBlocker sperre(seiten_);
        seiten_->setCurrentIndex(static_cast<int>(start));
        letzteSeite_ = seiten_->currentIndex();
    }
    popen();
    boolToParams();
    if (!s_.FensterNormal)
        setWindowState(windowState() | Qt::WindowMaximized);
    if (start == ParameterSeite::Planar && !s_.Schirmuhr && s_.UhrTyp == 'h') {
        s_.Par.Wandabweichung = 0;
        zeigeWert("EdDekl", 0, 7, 2);
    }
    datumslistenSeite_ = MitDatumsliste(start);
    aktiv("RGSchirm", s_.Schirmuhr != 0);

    imWalk_ = s_.DialogSchritt >= 4;
    abbruch_->setVisible(imWalk_);
    setzeTextId(schliessen_, imWalk_ ? 1 : 7);
    aktualisiereSprache(s_);
    beschrifteFenster(this, s_, s_.StringIdBasis);
    eintragen();
    setzeBreite();
}

void ParameterDialog::aktualisiereSprache(AppState& s)
{
    const bool englisch = s.Sprachspalte == 2;
    for (const EigenerText& t : texte_) {
        if (!t.ziel)
            continue;
        const QString text = QString::fromUtf8(englisch ? t.text.en : t.text.de);
        if (auto* l = qobject_cast<QLabel*>(t.ziel))
            l->setText(l->buddy() ? text : QString::fromStdString(OhneAccelerator(text.toStdString())));
        else if (auto* b = qobject_cast<QAbstractButton*>(t.ziel))
            b->setText(text);
        else if (auto* g = qobject_cast<QGroupBox*>(t.ziel))
            g->setTitle(text);
    }
    for (const auto& [gruppe, eintraege] : gruppenTexte_) {
        if (!gruppe)
            continue;
        QStringList l;
        for (const Text& t : eintraege)
            l << QString::fromUtf8(englisch ? t.en : t.de);
        gruppe->setEintraege(l);
    }
    QStringList modi;
    for (int i = 0; i < 4; ++i)
        modi << rg("RG1")->eintraege().value(i).trimmed();
    for (const char* n : {"cLinZl", "cLinZl2", "cLinZlS", "cLinZlH"}) {
        const QSignalBlocker sperre(co(n));
        co(n)->clear();
        co(n)->addItems(modi);
        co(n)->setCurrentIndex(s.Schalter.Datumslinien - '0');
    }
    QStringList erklaerung;
    for (int zeile = 52; zeile <= 58; ++zeile)
        erklaerung << q(texteText(s, zeile));
    lb("MemoDat")->setText(erklaerung.join(QLatin1Char('\n')));
    setzeTitel();
    beschrifteStunden();
}

void ParameterDialog::setzeTitel()
{
    if (imWalk_) {
        setWindowTitle(q(titel(s_, 11)) + QStringLiteral("3"));
        return;
    }
    // The page's caption from the table the page tabs are labelled from, so the caption is whole
    // whether or not the tabs have been relabelled yet.
    std::string seite;
    if (!s_.Schirmuhr && (s_.UhrTyp == 'h' || s_.UhrTyp == 'v' || s_.UhrTyp == 'i') &&
        aktiveSeite() == ParameterSeite::Planar)
        seite = texteText(s_, s_.UhrTyp == 'h' ? 125 : s_.UhrTyp == 'v' ? 126 : 127);
    else
        seite = OhneAccelerator(titel(s_, 30 + static_cast<int>(aktiveSeite())));
    setWindowTitle(q(mitLeerzeichen(titel(s_, 44), seite)));
}

void ParameterDialog::setzeBreite()
{
    datumsliste_->setVisible(datumslistenSeite_);
    // The window fits the page on show, not the largest of the pages.
    for (int i = 0; i < seiten_->count(); ++i)
        seiten_->widget(i)->setSizePolicy(i == seiten_->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                                          i == seiten_->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    if (!isMaximized()) {
        // The tab widget's own size hint spans every page; the body's minimum follows the page
        // shown, and the dialog's size hint is that minimum.
        rumpfGeaendert(this);
        resize(sizeHint());
    }
}

void ParameterDialog::hilfeEinstellen()
{
    seiten_->setProperty("hilfeKontext", ParameterHilfeKontext(s_, aktiveSeite()));
}

void ParameterDialog::showEvent(QShowEvent* ereignis)
{
    QDialog::showEvent(ereignis);
    if (!ereignis->spontaneous()) {
        formShow();
        setzeBreite();
    }
}

void ParameterDialog::formShow()
{
    TSchalter& sch = s_.Schalter;
    if (sch.TemporalAnzeige == 1 && sch.Ortszeit == 0) {
        rg("rgRi2")->setItemIndex(1);
        return;
    }
    const ParameterSeite seite = aktiveSeite();
    if (s_.UhrTyp == 'm' || seite == ParameterSeite::MittlereZeit || seite == ParameterSeite::SawyerPeau ||
        seite == ParameterSeite::Quadrant)
        return;
    sch.Zonenzeit = 0;
    sch.TemporalAnzeige = 0;
    sch.Ortszeit = 1;
    rg("rgRi2")->setItemIndex(0);
}

void ParameterDialog::changeEvent(QEvent* ereignis)
{
    QDialog::changeEvent(ereignis);
    // Every activation shows the state again: another window may have changed it.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow() && !waechter_->prueft() && !geschlossen_ &&
        !QApplication::activeModalWidget())
        eintragen();
}

// ---- state into the controls ---------------------------------------------------------------

void ParameterDialog::eintragen()
{
    TSchalter& sch = s_.Schalter;
    const TPar& p = s_.Par;
    const bool experte = s_.ExpertenModus != 0;

    if (s_.UhrTyp == 'w' || s_.UhrTyp == 'p') {
        rg("rgSawPeau")->setItemIndex(s_.UhrTyp == 'w' ? 0 : 1);
        setProperty("hilfeKontext", s_.UhrTyp == 'w' ? 55 : 58);
    }

    // Ring dial.
    setzeTextId(lb("Label166"), sch.Ganzjaehrig ? 584 : 585);
    beschrifteKomponente(lb("Label166"), s_, s_.StringIdBasis);
    aktiv("Label166", experte);
    sichtbar("rOff2", experte);
    if (!experte) {
        if (sch.Ganzjaehrig)
            s_.RingLochVersatz = 0;
        else
            s_.DeklOben = s_.EpsRund / 2;
    }
    zeigeWert("rOff2", sch.Ganzjaehrig ? s_.RingLochVersatz : s_.DeklOben, 6, 2);

    sichtbar("lnurVormittag", s_.UhrTyp == 'z' && sch.ZylinderArt == 0);
    zeigeWert("EdAz1", s_.AzAbstand, 5, 1);
    zeigeWert("EdAz2", s_.AzGrundplatte, 5, 1);
    zeigeGanz("edQuad", p.QuadrantGroesse);
    zeigeWert("EdScale", sch.Kartenmassstab, 5, 0);
    rg("rgRiExakt")->setItemIndex(sch.RingExakt);
    sichtbar("rbOrtszeit", sch.MitZeitglZylinder && sch.ZylinderArt > 0);
    sichtbar("rbZone", sch.MitZeitglZylinder && sch.ZylinderArt > 0);

    fuelleZeitCombos();
    for (const char* n : {"Ed1", "Ed1S", "Ed2"})
        zeigeGanz(n, sch.AnalemmaStunde, true);

    zeigeWert("EdSpi", p.KegelOeffnung, 7, 2);
    zeigeWert("EdNeig", p.KegelNeigung, 7, 2);
    zeigeWert("EdKegel", p.Gnomonhoehe, 7, 2);
    for (const char* n : {"EdLat1", "EdLat1b", "EdSaw", "EdSaw2"})
        zeigeWert(n, p.Breite, 7, 2);
    zeigeZweiteBreite();
    zeigeWert("EdLat", p.Breite, 6, 2);
    for (const char* n : {"EdLong1", "EdLong1b"})
        zeigeWert(n, p.Laenge, 7, 2);
    zeigeWert("Ed2Long", p.Laenge2, 7, 2);
    for (const char* n : {"EdAbw1", "EdAbw1b", "EdDekl", "EDekl"})
        zeigeWert(n, p.Wandabweichung, 7, 2);
    zeigeWert("EdAbw2", p.Wandabweichung2, 7, 2);
    zeigeWert("EdGnom", p.Gnomonhoehe, 6, 2);
    for (const char* n : {"EdInkl", "Ed2Inklin", "Ed2Inklinb"})
        zeigeWert(n, p.Inklination, 7, 2);
    zeigeWert("EdSolZeig", p.Gnomonhoehe, 6, 2, true);
    zeigeWert("EdSawyer", p.Gnomonhoehe, 6, 2, true);
    zeigeWert("EdSWi", p.DatumWinkel, 5, 2, true);
    for (const char* n : {"EdZon1", "EdZon1b"})
        zeigeWert(n, p.Zonenmeridian, 7, 2);
    zeigeWert("EdEinheit", p.Einheit, 4, 0);
    zeigeWert("EdPeau", p.PeauParameter, 8, 4);
    zeigeWert("EdSzp", p.DatumMitte, 5, 0, true);
    zeigeWert("EdSolNeig", p.Inklination, 6, 2, true);
    zeigeWert("EdSolBeta", p.Wandabweichung, 6, 2, true);
    zeigeWert("EdSolKreis", 100 * p.SchirmRadius, 6, 2);
    if (sch.ZylinderArt >= 2) {
        zeigeWert("Edit1", p.ZylZeiger, 6, 2, true);
        zeigeWert("EdRAdius", p.ZylRadius, 7, 2, true);
        setzeText("LUmfang", " = " + RealStr(2 * static_cast<double>(piExt) * p.ZylRadius, 5, 1));
    } else {
        zeigeGanz("Edit1", p.Skalenlaenge, true);
    }
    zeigeGanz("hEdit1", p.HidokaiZeiger, true);
    zeigeGanz("EdSkala", s_.SkalaZylinder, true);
    zeigeGanz("hEdSkala", s_.SkalaHidokai, true);
    zeigeGanz("hEdSkalaS", s_.SkalaHidokai2, true);
    SkalaZylinder2Berechnen(p.Breite, s_.EpsRund, p.Skalenlaenge, s_.SkalaZylinder2);
    zeigeGanz("EdSkalaS", s_.SkalaZylinder2, true);
    zeigeWert("rAlphEdit", p.RingAlpha, 5, 1, true);
    zeigeWert("rBreitEdit", p.RingBreite, 5, 1, true);
    zeigeWert("rDurchEdit", p.RingDurchmesser, 5, 1, true);
    zeigePosition2();

    // Check boxes of the line families.
    setzeFamilien();
    aktiv("ChB1", sch.OhneZeitgl != 0);
    {
        const QSignalBlocker a(cb("chBqTemp")), b(cb("ChBqOZ")), c(cb("ChBHProfil"));
        cb("chBqTemp")->setChecked(sch.TemporalAnzeige);
        cb("ChBqOZ")->setChecked(!sch.TemporalAnzeige);
        cb("ChBHProfil")->setChecked(s_.HorizontGeladen);
    }
    sichtbar("ChBZ1", sch.ZylinderArt > 0 || sch.OhneZeitgl);
    for (const char* n : {"ChbZ3", "Label189", "Label190", "cLinZlH"})
        sichtbar(n, sch.Hoehenuhrart == 1);
    aktiv("EdAbw2", sch.Position2Vertikal != 0);

    // Umbrella page.
    const char t = s_.UhrTyp;
    rg("RGSchirm")->setItemIndex(t == 'h' ? 0 : t == 'i' ? 1 : 2);
    aktiv("EdSolBeta", t == 'i' || t == 'v');
    aktiv("EdSolNeig", t == 'i');
    if (s_.Schirmuhr) {
        for (const char* n : {"EdSolBeta", "Label20", "Label22"})
            sichtbar(n, t != 'h');
        for (const char* n : {"EdSolNeig", "Label12", "Label21", "LabNeig"})
            sichtbar(n, t == 'i');
    } else {
        aktiv("EdSolBeta", false);
        aktiv("EdSolNeig", false);
    }
    sichtbar("EdInkl", t == 'i');
    sichtbar("Label36", t == 'i');
    for (const char* n : {"EdDekl", "Label9", "Label10"})
        sichtbar(n, t != 'h');

    // Time displays.
    rg("RG3")->setItemIndex(sch.OrtszeitAnzeige ? 0 : 1);
    qobject_cast<QRadioButton*>(k("rbOrtszeit"))->setChecked(sch.OrtszeitAnzeige);
    qobject_cast<QRadioButton*>(k("rbZone"))->setChecked(!sch.OrtszeitAnzeige);
    rg("rgWOZ")->setItemIndex(sch.OhneLaengenkorrektur ? 0 : 1);
    qobject_cast<QRadioButton*>(k("rbOz"))->setChecked(sch.OhneLaengenkorrektur);
    qobject_cast<QRadioButton*>(k("rbZz"))->setChecked(!sch.OhneLaengenkorrektur);
    for (const char* n : {"rgQuad", "rgZyl", "RgA1", "RgAzCo", "RgAzCo2"})
        rg(n)->setItemIndex(sch.Zonenzeit == 1 ? 1 : 0);
    rg("hRGZ2")->setItemIndex(sch.Zonenzeit == 1 ? 1 : 0);
    if (sch.TemporalAnzeige) {
        rg("RgAzCo")->setItemIndex(1);
        rg("rgRi2")->setItemIndex(1);
        rg("hRGZ2")->setItemIndex(2);
        for (const char* n : {"ChBQ2", "hCHBZ1", "ChbZ3"})
            aktiv(n, false);
        rg("rgQuad")->setItemIndex(0);
        sch.Zonenzeit = 0;
    } else {
        for (const char* n : {"ChBQ2", "hCHBZ1", "ChbZ3"})
            aktiv(n, true);
        rg("rgRi2")->setItemIndex(0);
    }

    aktiv("rgQuad", sch.QuadrantSkala != 2);
    rg("RgBiazi")->setItemIndex(sch.Ebene % 3);
    rg("RGHoll")->setItemIndex(sch.Ebene % 3);
    ebeneGewaehlt(nullptr, sch.Ebene % 3);
    rg("rgAzMain")->setItemIndex(sch.AzimutKreise);
    rg("rgZodiak")->setItemIndex(sch.QuadrantSkala);
    rg("RGAzHoehe")->setItemIndex(sch.Hoehenkreise);
    {
        const QSignalBlocker sperre(co("cDatLin"));
        co("cDatLin")->setCurrentIndex(std::clamp<int>(sch.LinienProMonat - 1, 0, co("cDatLin")->count() - 1));
    }
    setzeLinienSchalter();
    rg("RgQ2")->setItemIndex(sch.Zeitablesung ? 0 : 1);
    rg("RgA2")->setItemIndex(sch.Zeitablesung ? 0 : 1);
    if (rg("rgZodiak")->itemIndex() != 0)
        aktiv("ChBQ2", false);
    rg("RGZ1")->setItemIndex(sch.Monatsskala ? 1 : 0);
    rg("hRGZ1")->setItemIndex(sch.Monatsskala ? 1 : 0);
    rg("rgZodiAZ")->setItemIndex(sch.ZodiakSkala ? 1 : 0);

    zeigeDatumsliste();
    aktualisiereLinienWahl();
    sichtbar("GrBoxAz", sch.AzimutKreise != 0 && experte);
    sichtbar("ldatlin", sch.AzimutKreise == 1);
    sichtbar("cDatLin", sch.AzimutKreise == 1);
    for (const char* n : {"Label106", "Label108", "Label111", "EdAz1"})
        sichtbar(n, sch.Hoehenkreise == 1);
    zeigeZylFelder(sch.ZylinderArt != 0 || s_.ExpertenModusStart);
    zeigeZeitFelder(sch.MitZeitglZylinder && sch.ZylinderArt > 0);
    if (t == 'w') {
        sawyerZeit(s_.Par.SawyerZeit);
        rg("rgSawyer")->setItemIndex(s_.Par.SawyerZeit);
    }
    hilfeEinstellen();
}

// ---- page change ---------------------------------------------------------------------------

void ParameterDialog::popen()
{
    const TSchalter& sch = s_.Schalter;
    const ParameterSeite seite = aktiveSeite();
    hilfeEinstellen();
    setzeTitel();
    zeigeWert("EdLat", s_.Par.Breite, 6, 2);
    datumslistenSeite_ = MitDatumsliste(seite);
    if (seite == ParameterSeite::Zylinder)
        k("TabSheet3")->setProperty("hilfeKontext", ParameterHilfeKontext(s_, seite));
    if (seite == ParameterSeite::Biazimut)
        lb("Label164")->setText(QStringLiteral("\"") + q(titel(s_, 30)) + QStringLiteral("\""));
    if (seite == ParameterSeite::SawyerPeau) {
        setzeText("Lab194", std::string(meldungsText(s_, 62)) + " [" + RealStr(DialogBereich::PeauParameter.von, 5, 2) +
                                ", ...  " + (DialogBereich::PeauParameter.bis >= 0 ? "+" : "") +
                                RealStr(DialogBereich::PeauParameter.bis, 4, 2) + "]");
        sawyerPeauGewaehlt(s_.UhrTyp == 'p' ? 1 : 0);
    }
    fuelleZeitCombos();
    rg("rgZodiak")->setItemIndex(sch.QuadrantSkala);
    aktiv("ChBQ2", sch.QuadrantSkala == 0);
    if (u_.haken.menue)
        u_.haken.menue(true, true, false);
    if (u_.haken.datumsMenue)
        u_.haken.datumsMenue(seite == ParameterSeite::Planar && sch.Datumslinien == '2');
    if (seite == ParameterSeite::Biazimut)
        zeigeWert("EdScale", sch.Kartenmassstab, 5, 0);
    zeigeDatumsliste();
    aktiv("ChBQ2", !sch.TemporalAnzeige && sch.QuadrantSkala == 0);
    aktiv("hCHBZ1", !sch.TemporalAnzeige);
    sichtbar("ChBZ1", sch.ZylinderArt != 0 || sch.OhneZeitgl);
    setzeBreite();
}

void ParameterDialog::boolToParams()
{
    const TSchalter& sch = s_.Schalter;
    const TPar& p = s_.Par;
    zeigeWert("EdDekl", p.Wandabweichung, 7, 2);
    zeigeWert("EDekl", p.Wandabweichung, 7, 2);
    setzeText("EdSolBeta", ed("EdDekl")->text().toStdString());
    zeigeWert("EdInkl", p.Inklination, 7, 2);
    setzeText("EdSolNeig", ed("EdInkl")->text().toStdString());
    zeigeGanz("Ed1", sch.AnalemmaStunde, true);
    zeigeGanz("Ed1S", sch.AnalemmaStunde, true);
    zeigeWert("EdGnom", p.Gnomonhoehe, 6, 2);
    zeigeWert("EdSolZeig", p.Gnomonhoehe, 6, 2);
    zeigeWert("EdSolKreis", 100 * p.SchirmRadius, 6, 1);
    setzeFamilien();
    aktiv("ChBtemp", sch.Temporalstunden == 1 && p.Breite >= 0);
    aktiv("chbStemp", sch.Temporalstunden == 1 && p.Breite >= 0);
    aktiv("ChbZ3", sch.Ortszeit == 1);
    aktiv("ChBQ2", !sch.TemporalAnzeige && !sch.ZodiakSkala);
    aktiv("ChBZ1", s_.UhrTyp == 'z');
    aktiv("hCHBZ1", !sch.TemporalAnzeige);
    for (const char* n : {"RgA1", "rgZyl", "rgQuad", "RgAzCo", "RgAzCo2"})
        rg(n)->setItemIndex(sch.Zonenzeit ? 1 : 0);
    if (sch.TemporalAnzeige) {
        rg("RgAzCo")->setItemIndex(1);
        rg("hRGZ2")->setItemIndex(2);
    }
    rg("RgQ2")->setItemIndex(sch.Zeitablesung ? 0 : 1);
    rg("RgA2")->setItemIndex(sch.Zeitablesung ? 0 : 1);
    aktiv("RgQ2", sch.Ganzjaehrig == 0 || sch.QuadrantSkala == 1);
    rg("rgZodiak")->setItemIndex(sch.QuadrantSkala);
    rg("rgZodiAZ")->setItemIndex(sch.ZodiakSkala ? 1 : 0);
    rg("RGSchirm")->setItemIndex(s_.UhrTyp == 'h' ? 0 : s_.UhrTyp == 'i' ? 1 : 2);

    // Quadrant page: the Habermel dials have their own group and heading.
    sichtbar("GrAlt", sch.Hoehenuhrart > 0);
    sichtbar("GrQuad", sch.Hoehenuhrart == 0);
    setzeTextId(lb("lQuad"), sch.Hoehenuhrart > 0 ? 343 : sch.QuadrantSkala == 2 ? 344 : 340);
    beschrifteKomponente(lb("lQuad"), s_, s_.StringIdBasis);

    // Cylinder page.
    const int art = sch.ZylinderArt;
    sichtbar("rgZ3", art > 0);
    rg("rgZ3")->setItemIndex(sch.Schattenlaenge);
    setzeTextId(lb("LZylRad"), art == 1 ? 579 : 412);
    beschrifteKomponente(lb("LZylRad"), s_, s_.StringIdBasis);
    if (art == 0) {
        const std::string_view hirt = titel(s_, 14);
        lb("lArt")->setText(q(hirt.size() > 3 ? hirt.substr(2, hirt.size() - 3) : hirt));
    } else {
        lb("lArt")->setText(q(titel(s_, art == 1 ? 42 : 43)));
    }
    sichtbar("lhorLaenge", art == 0);
    sichtbar("lUmf", art == 1);
    for (const char* n : {"LZylUm", "LZylRad", "EdRAdius", "EDekl", "Label133", "Label134", "LUmfang"})
        sichtbar(n, art == 2);
    for (const char* n : {"Label19", "Label82", "EdSkalaS", "EdSkala"})
        sichtbar(n, art != 2);
    sichtbar("RGZ1", art == 0);
    sichtbar("ChBEclip", sch.Hoehenkreise == 2 && sch.AzimutKreise == 1);
    aktiv("RgQ2", sch.Ganzjaehrig ? sch.ZodiakSkala != 0 : true);
    aktiv("ChB5r", !sch.ZwoelfUhrHorizontal);
    aktiv("ChB6r", !sch.ZwoelfUhrHorizontal);
    berechnePol();
}

void ParameterDialog::seiteGewechselt(int index)
{
    if (seitenWechsel_)
        return;
    const int alt = letzteSeite_;
    if (alt == index)
        return;
    // The page being left is checked first; a failed check keeps it.
    seitenWechsel_ = true;
    {
        const QSignalBlocker sperre(seiten_);
        seiten_->setCurrentIndex(alt);
    }
    const bool ok = pruefeSeite(static_cast<ParameterSeite>(alt));
    if (ok) {
        const QSignalBlocker sperre(seiten_);
        seiten_->setCurrentIndex(index);
        letzteSeite_ = index;
    }
    seitenWechsel_ = false;
    if (ok) {
        popen();
        boolToParams();
    }
}

bool ParameterDialog::wechsleSeite(ParameterSeite seite)
{
    seiten_->setCurrentIndex(static_cast<int>(seite));
    return aktiveSeite() == seite;
}

bool ParameterDialog::pruefeSeite(ParameterSeite)
{
    bool ok = false;
    pruefe([this, &ok] { ok = uebertragen(); });
    return ok;
}

// ---- closing -------------------------------------------------------------------------------

void ParameterDialog::schliessKnopf(bool abbrechen)
{
    if (!u_.walk) {
        close();
        return;
    }
    if (abbrechen || s_.DialogSchritt == 0)
        u_.walk->abbrechen();
    else
        close();
}

void ParameterDialog::closeEvent(QCloseEvent* ereignis)
{
    bool ok = false;
    pruefe([this, &ok] { ok = uebertragen(); });
    if (!ok) {
        ereignis->ignore();
        return;
    }
    s_.FensterFrei = 1;
    geschlossen_ = true;
    ereignis->accept();
}

void ParameterDialog::reject() { close(); }

} // namespace umbrin
