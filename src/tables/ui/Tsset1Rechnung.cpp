// The calculation window's checks, computation, printing and closing.
#include "tables/ui/Tsset1.h"

#include "core/AufUntergang.h"
#include "core/Eingabepruefung.h"
#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "core/ui/DruckListe.h"
#include "core/ui/Eingabefelder.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/DialogOrtWerte.h"
#include "tables/Jahrestabelle.h"
#include "tables/Rechenpruefung.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace umbrin {
namespace {

QString q(const std::string& t) { return QString::fromStdString(t); }
QString q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

std::string text(const QLineEdit* feld) { return feld->text().toStdString(); }

// A whole number that an int holds.
bool ganzzahlig(double x) { return x == std::trunc(x) && std::fabs(x) < 1e9; }

double aufZehntel(double x) { return static_cast<double>(roundHalfEven(x * 10.0L)) / 10.0; }

} // namespace

// ----- key filters and exit checks -----------------------------------------------------------

bool Tsset1::eventFilter(QObject* objekt, QEvent* ereignis)
{
    auto* feld = qobject_cast<QLineEdit*>(objekt);
    if (!feld)
        return QWidget::eventFilter(objekt, ereignis);
    switch (ereignis->type()) {
    case QEvent::KeyPress:
        return Tastenfilter(feld, static_cast<QKeyEvent*>(ereignis));
    case QEvent::KeyRelease:
        loesch(static_cast<QKeyEvent*>(ereignis));
        return false;
    case QEvent::FocusOut: {
        // A message box or a menu taking the focus is no leaving of the field.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (prueft_ || grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason)
            return false;
        prueft_ = true;
        if (feld == edJahr_ || feld == edMonat_ || feld == edTag_)
            zuweisen(feld);
        else if (feld == edLongitude_ || feld == edZone_)
            umwandeln(feld);
        else if (feld == edLatitude_)
            umwandeln2();
        else if (feld == p3Azi_)
            zuweisen4();
        else if (feld == Uhrzeit_)
            Zeitberechnen();
        prueft_ = false;
        return false;
    }
    default:
        return false;
    }
}

bool Tsset1::Tastenfilter(QLineEdit* feld, QKeyEvent* taste)
{
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        if (feld == Uhrzeit_)
            Button1_->click();
        else
            focusNextChild();
        return true;
    }
    if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false; // shortcuts, copy and paste
    const QString zeichen = taste->text();
    if (zeichen.size() != 1 || !zeichen[0].isPrint())
        return false; // backspace, arrows and the like pass
    const QChar c = zeichen[0];
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return false; // the digits 0-9, not those of other scripts
    const bool datum = feld == edJahr_ || feld == edMonat_ || feld == edTag_;
    if (datum)
        return true;
    if (feld == Uhrzeit_) {
        if (c == QLatin1Char(':'))
            return false;
        if (c == QLatin1Char(' '))
            feld->insert(QStringLiteral(":"));
        return true;
    }
    return c != QLatin1Char('-') && c != QLatin1Char('.') && c != QLatin1Char(',');
}

void Tsset1::loesch(QKeyEvent* taste)
{
    // Alt alone (on its way to a menu or button accelerator) leaves the results shown.
    const Qt::KeyboardModifiers m = taste->modifiers();
    if (m == Qt::AltModifier || (taste->key() == Qt::Key_Alt && m == Qt::NoModifier))
        return;
    for (QLabel* l : {lDeklination_, lZtglg_, lAufgang_, lUntergang_, lAnfang_, lEnde_, lMondauf_, lmondunter_, p2Hoehe_,
                      p2Azi_, p2Eot_, p2Dekl_, p3Zeit_, p3Hoehe_, lEoTDekl_, lEoTEot_})
        l->clear();
}

void Tsset1::zuweisen(QLineEdit* feld)
{
    int& ziel = feld == edJahr_ ? s_.Par.Jahr : feld == edMonat_ ? monat_ : tag_;
    const std::optional<int> n = liesFeldGanzzahl(feld);
    if (!n)
        return;
    ziel = *n;
    zeigeFeldwert(feld);
    pruefeGregor();
}

void Tsset1::pruefeGregor()
{
    int tag = tag_;
    if (!controlGregor(s_.Par.Jahr, monat_, tag))
        return;
    tag_ = tag;
    edTag_->setText(QString::number(tag_));
    frage_.ask(PromptTitle::Problem, PromptIcon::Warning, std::string(meldungsText(s_, 26)), PromptButtons::Ok);
}

void Tsset1::umwandeln(QLineEdit* feld)
{
    double& ziel = feld == edLongitude_ ? s_.Par.Laenge : s_.Par.Zonenmeridian;
    if (const std::optional<double> x = liesFeldZahl(feld)) {
        ziel = *x;
        zeigeFeldwert(feld);
    }
    s_.LaengeWeitVomZonenmeridian = LaengeWeitVomZonenmeridian(s_.Par.Laenge, s_.Par.Zonenmeridian);
}

void Tsset1::umwandeln2()
{
    bool fehler = false;
    pruefRealBereich(s_, frage_, edLatitude_, s_.Par.Breite, ohneAmpersand(labelLatitude_), -90.0, 90.0, fehler);
    s_.Par.Breite = BreiteVomAequatorWeg(s_.Par.Breite, Aequatorregel::Ort);
    zeigeFeldwert(edLatitude_);
}

void Tsset1::zuweisen4()
{
    if (const std::optional<double> x = liesFeldZahl(p3Azi_)) {
        s_.AzimutEingabe = *x;
        zeigeFeldwert(p3Azi_);
    }
}

void Tsset1::zeigeFeldwert(QLineEdit* feld)
{
    if (feld == edJahr_ || feld == edMonat_ || feld == edTag_)
        feld->setText(QString::number(feld == edJahr_ ? s_.Par.Jahr : feld == edMonat_ ? monat_ : tag_));
    else if (feld == edLatitude_)
        feld->setText(q(feldZahl(s_.Par.Breite, 11, 6)).trimmed());
    else if (feld == edLongitude_)
        feld->setText(q(feldZahl(s_.Par.Laenge, 13, 6)).trimmed());
    else if (feld == edZone_)
        feld->setText(q(feldZahl(s_.Par.Zonenmeridian, 7, 2)).trimmed());
    else if (feld == p3Azi_)
        feld->setText(q(feldZahl(s_.AzimutEingabe, 7, 2)).trimmed());
}

void Tsset1::Zeitberechnen()
{
    if (Uhrzeit_->text().trimmed().isEmpty())
        Uhrzeit_->setText(QStringLiteral("12:00:00"));
    if (const std::optional<double> t = liesUhrzeitFeld())
        s_.ZeitEingabe = *t;
}

// ----- the computation -----------------------------------------------------------------------

void Tsset1::verweigere(QLineEdit* feld, const std::string& meldung)
{
    prueft_ = true;
    frage_.ask(PromptTitle::Fehler, PromptIcon::Warning, meldung, PromptButtons::Ok);
    feld->setFocus();
    feld->selectAll();
    prueft_ = false;
}

// The window's number fields, each with the label that names it in a message and its range.
Tsset1::Zahlfeld Tsset1::zahlfeld(const QLineEdit* feld) const
{
    if (feld == edJahr_)
        return {"LabelJahr", "1300 .. 2500", [](double x) { return ganzzahlig(x) && JahrZulaessig(static_cast<int>(x)); }};
    if (feld == edMonat_)
        return {"LabelMonat", "1 .. 12", [](double x) { return ganzzahlig(x) && MonatZulaessig(static_cast<int>(x)); }};
    if (feld == edTag_)
        return {"LabelTag", "1 .. 31", [](double x) { return ganzzahlig(x) && TagZulaessig(static_cast<int>(x)); }};
    if (feld == edLatitude_)
        return {"LabelLatitude", "-90, ..., 90", BreiteZulaessig};
    if (feld == p3Azi_)
        return {"LabelAziFrage", "-180, ..., 180", AzimutZulaessig};
    return {feld == edZone_ ? "LabelZone" : "LabelLongitude", "-180 < x < 180", LaengeZulaessig};
}

// A number field read as every number field of the program reads its text. A text that is no
// number (an emptied field too) is refused with message 4, a number outside the field's range
// with the range message, and a number within the range of a date field that is not whole with
// message 5; nothing is stored, the field shows the value kept and keeps the focus.
std::optional<double> Tsset1::liesFeld(QLineEdit* feld, bool ganz)
{
    const std::string getippt = text(feld);
    const std::optional<double> x = leseRealEingabe(getippt);
    const Zahlfeld f = zahlfeld(feld);
    if (x && (!ganz || ganzzahlig(*x)) && f.zulaessig(*x))
        return x;
    const QLabel* label = findChild<QLabel*>(QString::fromLatin1(f.label));
    std::string meldung(meldungsText(s_, 4));
    if (x) {
        meldung = ohneAmpersand(label) + " = " + *realEingabeText(getippt) + "\n\r";
        if (ganz && !ganzzahlig(*x) && f.zulaessig(std::trunc(*x)) && f.zulaessig(std::ceil(*x)))
            meldung += meldungsText(s_, 5);
        else
            meldung += std::string(meldungsText(s_, 13)) + " [" + f.bereich + "] !";
    }
    zeigeFeldwert(feld);
    verweigere(feld, meldung);
    return std::nullopt;
}

std::optional<double> Tsset1::liesFeldZahl(QLineEdit* feld) { return liesFeld(feld, false); }

std::optional<int> Tsset1::liesFeldGanzzahl(QLineEdit* feld)
{
    const std::optional<double> x = liesFeld(feld, true);
    return x ? std::optional<int>(static_cast<int>(*x)) : std::nullopt;
}

bool Tsset1::pruefeFelder()
{
    const std::optional<int> jahr = liesFeldGanzzahl(edJahr_);
    if (!jahr)
        return false;
    const std::optional<int> monat = liesFeldGanzzahl(edMonat_);
    if (!monat)
        return false;
    const std::optional<int> tag = liesFeldGanzzahl(edTag_);
    if (!tag)
        return false;
    const std::optional<double> breite = liesFeldZahl(edLatitude_);
    if (!breite)
        return false;
    const std::optional<double> laenge = liesFeldZahl(edLongitude_);
    if (!laenge)
        return false;
    const std::optional<double> zone = liesFeldZahl(edZone_);
    if (!zone)
        return false;
    if (*laenge != s_.Par.Laenge || *zone != s_.Par.Zonenmeridian)
        s_.LaengeWeitVomZonenmeridian = LaengeWeitVomZonenmeridian(*laenge, *zone);
    s_.Par.Jahr = *jahr;
    monat_ = *monat;
    tag_ = *tag;
    s_.Par.Breite = BreiteVomAequatorWeg(*breite, Aequatorregel::Ort);
    s_.Par.Laenge = *laenge;
    s_.Par.Zonenmeridian = *zone;
    return true;
}

bool Tsset1::frageLaengeWeit()
{
    const std::string text = std::string(texteText(s_, 46)) + std::string(texteText(s_, 47));
    prueft_ = true;
    const PromptAnswer a = frage_.ask(PromptTitle::Warnung, PromptIcon::Question, text, PromptButtons::YesNo);
    prueft_ = false;
    if (a != PromptAnswer::Yes)
        return false;
    s_.LaengeWeitVomZonenmeridian = 0;
    return true;
}

bool Tsset1::Button3Click(bool vonTabelle)
{
    if (!panelEoT_->isHidden())
        s_.Rechenmodus = 8;
    if (dienste_.druckMenue)
        dienste_.druckMenue(true);
    for (QAction* a : {druckenMit_, druckenOhne_, druckSeite_})
        a->setEnabled(true);
    if (!pruefeFelder())
        return false;
    s_.Zonenbruchteil = -s_.Par.Zonenmeridian / 360.0;
    // The day is corrected before the date line is written, so the line names the day computed.
    const int modus = s_.Rechenmodus;
    if (modus == 1 || modus == 8 || modus == 16 || modus == 24)
        pruefeGregor();

    ergebnis_.clear();
    Kopfzeilen(s_, datum(), ergebnis_);
    if (s_.LaengeWeitVomZonenmeridian && !frageLaengeWeit())
        return false;
    if (!rechneModus(ergebnis_))
        return false;
    ergebnis_.push_back(Trennlinie());

    if (!vonTabelle || !dienste_.tabellenfenster)
        return true;
    if (s_.Rechenmodus == 16)
        s_.Rechenmodus = 8;
    s_.sinh0 = sinh0Werte(s_.Schalter.Daemmerung <= 2 ? s_.Schalter.Daemmerung : 0);
    if (s_.Rechenmodus == 1 && s_.Schalter.Daemmerung == 1)
        s_.Schalter.Daemmerung = 2;
    if (s_.Rechenmodus == 8) {
        s_.Tabellenoption = s_.Tabellentyp <= TabelleZeitglMitLaenge;
        TabelleJahr(s_, s_.Par.Jahr, s_.Tabellenoption != 0, s_.Tabellentyp);
    }
    s_.TabellenoptionKopie = s_.Tabellenoption;
    const auto tabellenfenster = dienste_.tabellenfenster;
    close();
    tabellenfenster();
    return true;
}

std::optional<double> Tsset1::liesUhrzeitFeld()
{
    const std::optional<double> t = liesUhrzeit(text(Uhrzeit_));
    if (!t) {
        const QLabel* label = findChild<QLabel*>(QStringLiteral("LabelPosFrage"));
        const std::string meldung = ohneAmpersand(label) + " = " + text(Uhrzeit_) + "\n\r"
                                    + std::string(meldungsText(s_, 13)) + " [0:00:00 .. 23:59:59] !";
        Uhrzeit_->setText(q(Uhrzeittext(s_.ZeitEingabe))); // the time kept
        verweigere(Uhrzeit_, meldung);
        return std::nullopt;
    }
    Uhrzeit_->setText(q(Uhrzeittext(*t)));
    return t;
}

bool Tsset1::rechneModus(std::vector<std::string>& zeilen)
{
    const std::string grad(texteText(s_, 105));
    switch (s_.Rechenmodus) {
    case 4: {
        if (p3Azi_->text().trimmed().isEmpty()) {
            p3Azi_->setText(q(texteText(s_, 67)));
            p3Azi_->setFocus();
            return false;
        }
        const std::optional<double> a = liesFeldZahl(p3Azi_);
        if (!a)
            return false;
        s_.AzimutEingabe = *a;
        const AzimutZeitErgebnis e = ZeitFuerAzimut(s_, datum(), s_.AzimutEingabe, zeilen);
        for (const SonnenMeldung& m : e.meldungen)
            frage_.ask(m.titel, m.icon, SonnenMeldungText(s_, m), PromptButtons::Ok);
        p3Zeit_->setText(e.gefunden ? q(e.Zeittext) : QStringLiteral(" -----"));
        p3Hoehe_->setText(e.gefunden ? q(RealStr(aufZehntel(e.Hoehe), 5, 1) + grad) : QString());
        return true;
    }
    case 2: {
        if (Uhrzeit_->text().trimmed().isEmpty()) {
            Uhrzeit_->setText(q(texteText(s_, 67)));
            Uhrzeit_->setFocus();
            return false;
        }
        const std::optional<double> t = liesUhrzeitFeld();
        if (!t)
            return false;
        s_.ZeitEingabe = *t;
        const int art = rgZeitart_->itemIndex() < 0 ? 2 : rgZeitart_->itemIndex();
        const SonnenstandErgebnis e = SonnenstandFuerZeit(s_, datum(), *t * 24.0, art, text(Uhrzeit_), zeilen);
        p2Hoehe_->setText(q(RealStr(e.Hoehe, 7, 2)));
        p2Azi_->setText(q(RealStr(e.Azimut, 7, 2)));
        p2Eot_->setText(q(MinSekStr(e.Zeitgleichung) + "  min:sec"));
        p2Dekl_->setText(q(RealStr(e.Deklination, 7, 2) + grad));
        return true;
    }
    case 1: {
        const AufUntergangErgebnis e = AufUntergangRechnen(s_, datum(), zeilen);
        lZtglg_->setText(q(MinSekStr(e.werte.Zeitgleichung) + "  min:sec"));
        lDeklination_->setText(q(RealStr(e.werte.Deklination, 6, 2) + grad));
        zeigeTagesAufUntergang(e.tag);
        return true;
    }
    case 8:
    case 16:
    case 24: {
        const Tageswerte w = ZeitgleichungUndDeklination(s_, datum(), zeilen);
        lEoTEot_->setText(q(MinSekStr(w.Zeitgleichung) + "  min:sec"));
        lEoTDekl_->setText(q(RealStr(w.Deklination, 6, 2) + grad));
        return true;
    }
    default:
        return true;
    }
}

void Tsset1::zeigeTagesAufUntergang(const TagesAufUntergangErgebnis& e)
{
    lAufgang_->setText(q(e.Aufgang));
    lUntergang_->setText(q(e.Untergang));
    lAnfang_->setText(q(e.Anfang));
    lEnde_->setText(q(e.Ende));
    lMondauf_->setText(q(e.Mondauf));
    lmondunter_->setText(q(e.Monduntergang));
}

void Tsset1::RGDawn2Click(int art)
{
    if (art < 0 || art > 2)
        return;
    s_.Schalter.Daemmerung = static_cast<std::uint8_t>(art);
    s_.Zonenbruchteil = -s_.Par.Zonenmeridian / 360.0;
    zeigeTagesAufUntergang(TagesAufUntergang(s_, datum(), ergebnis_));
}

void Tsset1::tabelleErstellen(int tabelle)
{
    if (tabelle == 0) {
        s_.Rechenmodus = 1;
    } else {
        static constexpr int typen[] = {TabelleZeitgleichung, TabelleDeklination, TabelleDurchgang};
        s_.RechenmodusAlt = 2;
        s_.Rechenmodus = 8;
        s_.Tabellentyp = static_cast<std::uint8_t>(typen[std::clamp(tabelle, 1, 3) - 1]);
        s_.Durchgangstabelle = s_.Tabellentyp == TabelleDurchgang;
    }
    Button3Click(true);
}

void Tsset1::GraphZeitgleichungClick(bool sonnenbahn)
{
    if (!dienste_.tabellenfenster || !pruefeFelder())
        return;
    s_.Rechenmodus = sonnenbahn ? 32 : 16;
    s_.RechenmodusAlt = sonnenbahn ? 2 : 8;
    s_.Zonenbruchteil = -s_.Par.Zonenmeridian / 360.0;
    dienste_.tabellenfenster();
}

// ----- printing and closing ------------------------------------------------------------------

void Tsset1::DruckeErgebnis(bool mitSeitenende)
{
    DruckListe* druckdatei = dienste_.druckdatei ? dienste_.druckdatei() : nullptr;
    if (!druckdatei)
        return;
    druckdatei->schriftgroesse(11);
    druckdatei->schreibe(ErgebnisText(ergebnis_));
    if (!mitSeitenende)
        return;
    ergebnis_.clear();
    if (dienste_.druckdateiSchliessen)
        dienste_.druckdateiSchliessen();
}

void Tsset1::Druckenmit1Click(bool mitSeitenende)
{
    DruckeErgebnis(mitSeitenende);
}

void Tsset1::DruckenLfeed1Click()
{
    if (dienste_.druckdateiSchliessen)
        dienste_.druckdateiSchliessen();
}

void Tsset1::BitBtn1Click()
{
    if (!Button3Click(false))
        return;
    const PromptAnswer a = frage_.ask(PromptTitle::WasNun, PromptIcon::Question, std::string(meldungsText(s_, 54)),
                                      PromptButtons::YesNoCancel);
    if (a == PromptAnswer::Yes)
        DruckeErgebnis(true);
    else if (a == PromptAnswer::No)
        DruckeErgebnis(false);
}

bool Tsset1::ordne()
{
    if (s_.LaengeWeitVomZonenmeridian && !frageLaengeWeit())
        return false;
    Button2_->setFocus();
    return true;
}

void Tsset1::closeEvent(QCloseEvent* ereignis)
{
    if (!ordne()) {
        ereignis->ignore();
        return;
    }
    for (QWidget* p : {panelRise_, panelpos_, panelZeit_, panelEoT_})
        p->hide();
    if (dienste_.druckMenue)
        dienste_.druckMenue(false);
    ereignis->accept();
}

void Tsset1::Button2Click()
{
    if (dienste_.schliessen)
        dienste_.schliessen();
    else
        close();
}

} // namespace umbrin
