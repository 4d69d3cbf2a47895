#include "dialogs/ui/OrtUndZeitDialog.h"

#include "core/Eingabepruefung.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "core/ui/Eingabefelder.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/IniZahlen.h"
#include "dialogs/Wertebereiche.h"
#include "dialogs/ui/DialogFelder.h"
#include "dialogs/ui/DialogRahmen.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace umbrin {

namespace {

std::int32_t ganz(double grenze) { return static_cast<std::int32_t>(grenze); }

QString q(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// Rows of the title table as the dialogs count them, from 0.
std::string_view titel(const AppState& s, int zeile) { return titelText(s, zeile + 1); }

QLineEdit* neuesFeld(QWidget* eltern, const char* name, int zeichen)
{
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setAlignment(Qt::AlignRight);
    feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QString(zeichen + 2, QLatin1Char('0'))));
    feld->setMaximumWidth(feld->minimumWidth() + feld->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    return feld;
}

QLabel* neuesLabel(QWidget* eltern, const char* name, int id)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(QString::fromLatin1(name));
    if (id)
        setzeTextId(label, id);
    return label;
}

} // namespace

OrtUndZeitDialog::OrtUndZeitDialog(DialogUmgebung& umgebung, QWidget* eltern)
    : QDialog(eltern)
    , u_(umgebung)
    , s_(umgebung.zustand)
{
    richteDialogEin(this, "Form6", 6, true);
    waechter_ = new FeldWaechter(this);
    baue();

    imWalk_ = s_.DialogSchritt == 1;
    abbruch_->setVisible(imWalk_);
    setzeTextId(schliessen_, imWalk_ ? 1 : 7);
    setzeTextId(this, imWalk_ ? 0 : 300);
    beschrifte();
    if (u_.haken.menue)
        u_.haken.menue(true, false, true);
    if (!s_.FensterNormal)
        setWindowState(windowState() | Qt::WindowMaximized);

    jahr_->setText(QString::number(s_.Par.Jahr));
    zeigeDezimal();
    for (int z = 0; z < 3; ++z)
        zerlegeInFelder(z, wert(z));
    {
        const QSignalBlocker sperre(eingabeform_);
        eingabeform_->setItemIndex(u_.ort.dezimal ? 0 : 1);
    }
    eingabeformGewaehlt();
}

OrtUndZeitDialog::~OrtUndZeitDialog()
{
    // A window closed by the user or the walk continues the walk; one torn down with the
    // main window does not.
    if (geschlossen_ && u_.walk)
        u_.walk->fensterZerstoert(Arbeitsfenster::OrtUndZeit);
}

void OrtUndZeitDialog::baue()
{
    const Dialogrumpf rumpf = baueRumpf(this);
    QVBoxLayout* haupt = rumpf.inhalt;

    eingabeform_ = new RadioGruppe(this);
    eingabeform_->setObjectName(QStringLiteral("RGinput"));
    eingabeform_->setSpalten(2);
    setzeTextId(eingabeform_, 357);
    eingabeform_->setEintraege({QString(), QString()});
    haupt->addWidget(eingabeform_);
    connect(eingabeform_, &RadioGruppe::itemGewaehlt, this, [this](int) {
        waechter_->alsPruefung([this] { eingabeformGewaehlt(); });
    });

    auto* raster = new QGridLayout;
    haupt->addLayout(raster);
    struct Vorgabe {
        const char* label;
        int labelId;
        const char* dezimal;
        const char* grad;
        const char* minuten;
        const char* sekunden;
        const char* gruppe;
        int gruppeId;
        const char* hinweis;
        int hinweisId;
        Wertebereich gradBereich;
        Wertebereich bereich;
        int breite;
    };
    const Vorgabe vorgaben[3] = {
        {"Label1", 301, "Edit11", "Edit1", "Edit2", "Edit8", "RG1", 51, "Label20", 414, DialogBereich::GradBreite,
         DialogBereich::Breite, 10},
        {"Label2", 302, "Edit13", "Edit3", "Edit4", "Edit9", "RG2", 52, "Label18", 403, DialogBereich::GradLaenge,
         DialogBereich::Laenge, 11},
        {"Label10", 303, "Edit15", "Edit6", "Edit7", "Edit10", "RG3", 56, "Label19", 403, DialogBereich::GradLaenge,
         DialogBereich::Zonenmeridian, 11},
    };
    for (int z = 0; z < 3; ++z) {
        const Vorgabe& v = vorgaben[z];
        Zeile& zeile = zeilen_[static_cast<std::size_t>(z)];
        zeile.gradBereich = v.gradBereich;
        zeile.bereich = v.bereich;
        zeile.breiteDezimal = v.breite;
        zeile.label = neuesLabel(this, v.label, v.labelId);
        zeile.dezimal = neuesFeld(this, v.dezimal, 11);
        zeile.grad = neuesFeld(this, v.grad, 3);
        zeile.minuten = neuesFeld(this, v.minuten, 2);
        zeile.sekunden = neuesFeld(this, v.sekunden, 2);
        zeile.vorzeichen = new RadioGruppe(this);
        zeile.vorzeichen->setObjectName(QString::fromLatin1(v.gruppe));
        zeile.vorzeichen->setSpalten(2);
        zeile.vorzeichen->setEintraege({QString(), QString()});
        setzeTextId(zeile.vorzeichen, v.gruppeId);
        auto* hinweis = neuesLabel(this, v.hinweis, v.hinweisId);

        const int r = 2 * z;
        raster->addWidget(zeile.label, r, 0);
        raster->addWidget(zeile.dezimal, r, 1);
        raster->addWidget(zeile.grad, r, 2);
        raster->addWidget(new QLabel(QStringLiteral("°"), this), r, 3);
        raster->addWidget(zeile.minuten, r, 4);
        raster->addWidget(new QLabel(QStringLiteral("'"), this), r, 5);
        raster->addWidget(zeile.sekunden, r, 6);
        raster->addWidget(new QLabel(QStringLiteral("\""), this), r, 7);
        raster->addWidget(zeile.vorzeichen, r, 8);
        raster->addWidget(hinweis, r + 1, 1, 1, 8);

        waechter_->beobachte(zeile.dezimal, Tasten::Reell, [this, z] { dezimalVerlassen(z); });
        waechter_->beobachte(zeile.grad, Tasten::Ganzzahl, [this, z] { gradVerlassen(z); });
        waechter_->beobachte(zeile.minuten, Tasten::Ganzzahl, [this, z] { minutenVerlassen(z); },
                             [this, z] { minutenBetreten(z); });
        waechter_->beobachte(zeile.sekunden, Tasten::Ganzzahl, [this, z] { sekundenVerlassen(z); });
        // Leaving a sign group runs the complete check.
        waechter_->beimVerlassen(zeile.vorzeichen, [this] { pruefeAlles(); });
    }

    jahrLabel_ = neuesLabel(this, "Label3", 305);
    jahr_ = neuesFeld(this, "Edit5", 4);
    jahrLabel_->setBuddy(jahr_);
    raster->addWidget(jahrLabel_, 6, 0);
    raster->addWidget(jahr_, 6, 1);
    waechter_->beobachte(jahr_, Tasten::Ganzzahl, [this] { jahrVerlassen(); });
    raster->setColumnStretch(9, 1);

    auto* bereich = neuesLabel(this, "Label8", 304);
    bereich->setWordWrap(false);
    haupt->addWidget(bereich);
    haupt->addWidget(neuesLabel(this, "Label9", 306));

    const Knopfleiste knoepfe = baueKnopfleiste(this, rumpf.aussen, "Button1", waechter_);
    schliessen_ = knoepfe.schliessen;
    abbruch_ = knoepfe.abbruch;
    // Enter in a decimal field goes on to the year.
    for (const Zeile& z : zeilen_)
        waechter_->setEnterZiel(z.dezimal, jahr_);
    zeilen_[Zone].dezimal->setToolTip(QStringLiteral("zone meridian"));
    zeilen_[Zone].grad->setToolTip(QStringLiteral("Meridian of time zone"));
    jahr_->setToolTip(QStringLiteral("reference year"));
    connect(schliessen_, &QPushButton::clicked, this, [this] { schluss(false); });
    connect(abbruch_, &QPushButton::clicked, this, [this] { schluss(true); });

    // Tab order: the degree rows, the year, the buttons, then the decimal fields with the
    // entry-form choice between latitude and longitude.
    QWidget* vorher = nullptr;
    auto folge = [&vorher](QWidget* w) {
        if (vorher)
            setTabOrder(vorher, w);
        vorher = w;
    };
    for (const Zeile& z : zeilen_) {
        folge(z.grad);
        folge(z.minuten);
        folge(z.sekunden);
        folge(z.vorzeichen);
    }
    folge(jahr_);
    folge(schliessen_);
    folge(abbruch_);
    folge(zeilen_[Breite].dezimal);
    folge(eingabeform_);
    folge(zeilen_[Laenge].dezimal);
    folge(zeilen_[Zone].dezimal);
}

void OrtUndZeitDialog::beschrifte()
{
    aktualisiereSprache(s_);
    beschrifteFenster(this, s_, s_.StringIdBasis);
    rumpfGeaendert(this);
    adjustSize();
}

void OrtUndZeitDialog::aktualisiereSprache(AppState& s)
{
    if (imWalk_)
        setWindowTitle(q(titel(s, 11)) + QStringLiteral("1"));
}

std::string OrtUndZeitDialog::labelText(const QLabel* label) const
{
    return OhneAmpersand(label->text().toStdString());
}

double& OrtUndZeitDialog::wert(int zeile)
{
    switch (zeile) {
    case Breite:
        return s_.Par.Breite;
    case Laenge:
        return s_.Par.Laenge;
    default:
        return s_.Par.Zonenmeridian;
    }
}

std::int32_t& OrtUndZeitDialog::gradGedaechtnis(int zeile) { return u_.ort.grad.at(static_cast<std::size_t>(zeile)); }

std::int32_t& OrtUndZeitDialog::minutenGedaechtnis(int zeile)
{
    return u_.ort.minuten.at(static_cast<std::size_t>(zeile));
}

std::int32_t& OrtUndZeitDialog::sekundenGedaechtnis(int zeile)
{
    return u_.ort.sekunden.at(static_cast<std::size_t>(zeile));
}

bool OrtUndZeitDialog::zeigtGespeichert(int zeile, const GradMinSek& teile, int vorzeichen)
{
    const double w = wert(zeile);
    const GradMinSek t = zerlegeGrad(w);
    const int gespeichert = zeile == Breite ? (w > 0 ? 0 : 1) : (w >= 0 ? 1 : 0);
    return t.grad == teile.grad && t.minuten == teile.minuten && t.sekunden == teile.sekunden && vorzeichen == gespeichert;
}

void OrtUndZeitDialog::zeigeDezimal()
{
    for (int z = 0; z < 3; ++z) {
        const Zeile& zeile = zeilen_[static_cast<std::size_t>(z)];
        zeile.dezimal->setText(q(RealStr(wert(z), zeile.breiteDezimal, 6)));
    }
}

void OrtUndZeitDialog::zerlegeInFelder(int zeile, double w)
{
    const Zeile& z = zeilen_[static_cast<std::size_t>(zeile)];
    const GradMinSek t = zerlegeGrad(w);
    z.grad->setText(QString::number(t.grad));
    z.minuten->setText(QString::number(t.minuten));
    z.sekunden->setText(QString::number(t.sekunden));
    // What the fields show is the row's accepted value, and what an emptied field gets back.
    gradGedaechtnis(zeile) = t.grad;
    minutenGedaechtnis(zeile) = t.minuten;
    sekundenGedaechtnis(zeile) = t.sekunden;
    // Latitude: north for a positive value, south for 0 and below. Longitude and zone: west
    // for 0 and above, east below 0.
    const QSignalBlocker sperre(z.vorzeichen);
    if (zeile == Breite)
        z.vorzeichen->setItemIndex(w > 0 ? 0 : 1);
    else
        z.vorzeichen->setItemIndex(w >= 0 ? 1 : 0);
}

void OrtUndZeitDialog::eingabeformGewaehlt()
{
    u_.ort.dezimal = eingabeform_->itemIndex() == 0;
    const bool gms = !u_.ort.dezimal;
    for (const Zeile& z : zeilen_) {
        for (QWidget* w : {static_cast<QWidget*>(z.grad), static_cast<QWidget*>(z.minuten),
                           static_cast<QWidget*>(z.sekunden), static_cast<QWidget*>(z.vorzeichen)})
            w->setEnabled(gms);
        z.dezimal->setEnabled(!gms);
        z.label->setBuddy(gms ? z.grad : z.dezimal);
    }
    pruefeAlles();
}

bool OrtUndZeitDialog::dezimalGeprueft(int zeile)
{
    const Zeile& z = zeilen_[static_cast<std::size_t>(zeile)];
    double x = wert(zeile);
    bool err = false;
    const QString getippt = z.dezimal->text();
    pruefRealBereichBewahrt(s_, u_.prompt, z.dezimal, x, labelText(z.label), z.bereich, err);
    if (err) {
        // A text that is no number is replaced by the stored value, with all its decimals.
        if (z.dezimal->text() != getippt)
            z.dezimal->setText(q(RealStr(wert(zeile), 11, 6)));
        return false;
    }
    wert(zeile) = zeile == Breite ? BreiteVomAequatorWeg(x, Aequatorregel::Ort) : x;
    return true;
}

void OrtUndZeitDialog::dezimalVerlassen(int zeile)
{
    dezimalGeprueft(zeile);
    zerlegeInFelder(zeile, wert(zeile));
}

void OrtUndZeitDialog::gradVerlassen(int zeile)
{
    const Zeile& z = zeilen_[static_cast<std::size_t>(zeile)];
    bool err = false;
    pruefInt(s_, u_.prompt, z.grad, ganz(z.gradBereich.von), ganz(z.gradBereich.bis), labelText(z.label), gradGedaechtnis(zeile), err);
    if (!err)
        pruefeAlles();
}

void OrtUndZeitDialog::minutenVerlassen(int zeile)
{
    bool err = false;
    pruefInt(s_, u_.prompt, zeilen_[static_cast<std::size_t>(zeile)].minuten, ganz(DialogBereich::Winkelminuten.von), ganz(DialogBereich::Winkelminuten.bis), std::string(titel(s_, 17)), minutenGedaechtnis(zeile), err);
    if (!err)
        pruefeAlles();
}

void OrtUndZeitDialog::sekundenVerlassen(int zeile)
{
    bool err = false;
    pruefInt(s_, u_.prompt, zeilen_[static_cast<std::size_t>(zeile)].sekunden, ganz(DialogBereich::Winkelsekunden.von), ganz(DialogBereich::Winkelsekunden.bis), std::string(titel(s_, 18)), sekundenGedaechtnis(zeile), err);
    if (!err)
        pruefeAlles();
}

void OrtUndZeitDialog::minutenBetreten(int zeile)
{
    // Entering a minutes field remembers what it shows, when that is a value it accepts (a
    // refused value that the focus comes back to is not).
    const QLineEdit* feld = zeilen_[static_cast<std::size_t>(zeile)].minuten;
    const auto n = leseRealEingabe(feld->text().toStdString());
    if (n && *n == std::trunc(*n) && DialogBereich::Winkelminuten.enthaelt(*n))
        minutenGedaechtnis(zeile) = static_cast<std::int32_t>(*n);
}

void OrtUndZeitDialog::jahrVerlassen()
{
    bool err = false;
    pruefInt(s_, u_.prompt, jahr_, ganz(DialogBereich::Jahr.von), ganz(DialogBereich::Jahr.bis), labelText(jahrLabel_), s_.Par.Jahr, err);
}

bool OrtUndZeitDialog::pruefeAlles()
{
    bool ok = true;
    if (!u_.ort.dezimal) {
        const std::string minutenLabel(titel(s_, 17));
        const std::string sekundenLabel(titel(s_, 18));
        for (int zeile = 0; zeile < 3; ++zeile) {
            const Zeile& z = zeilen_[static_cast<std::size_t>(zeile)];
            bool e1 = false, e2 = false, e3 = false;
            pruefInt(s_, u_.prompt, z.grad, ganz(z.gradBereich.von), ganz(z.gradBereich.bis), labelText(z.label), gradGedaechtnis(zeile), e1);
            pruefInt(s_, u_.prompt, z.minuten, ganz(DialogBereich::Winkelminuten.von), ganz(DialogBereich::Winkelminuten.bis), minutenLabel, minutenGedaechtnis(zeile), e2);
            pruefInt(s_, u_.prompt, z.sekunden, ganz(DialogBereich::Winkelsekunden.von), ganz(DialogBereich::Winkelsekunden.bis), sekundenLabel, sekundenGedaechtnis(zeile), e3);
            if (e1 || e2 || e3) {
                ok = false;
                continue; // a row with a rejected field leaves its value as it was
            }
            const auto g = gradGedaechtnis(zeile);
            const auto m = minutenGedaechtnis(zeile);
            const auto sek = sekundenGedaechtnis(zeile);
            const int vz = z.vorzeichen->itemIndex();
            if (zeigtGespeichert(zeile, {g, m, sek}, vz))
                continue; // not composed again from whole seconds: the value stays to all its digits
            // Stored as the file gives it back: the zone meridian's hundredths of a degree are
            // 36 seconds, which the fields then show.
            const double gesetzt =
                zeile == Breite ? BreiteAusTeilen(g, m, sek, vz == 1) : LaengeAusTeilen(g, m, sek, vz == 0);
            wert(zeile) = dateiWert(gesetzt, z.bereich.stellen);
            if (wert(zeile) != gesetzt && !zeigtGespeichert(zeile, {g, m, sek}, vz))
                zerlegeInFelder(zeile, wert(zeile));
        }
    } else {
        for (int zeile = 0; zeile < 3; ++zeile) {
            if (!dezimalGeprueft(zeile)) {
                ok = false;
                continue;
            }
            zeilen_[static_cast<std::size_t>(zeile)].dezimal->setText(q(RealStr(wert(zeile), 11, 6)));
        }
    }

    bool err = false;
    pruefInt(s_, u_.prompt, jahr_, ganz(DialogBereich::Jahr.von), ganz(DialogBereich::Jahr.bis), labelText(jahrLabel_), s_.Par.Jahr, err);
    if (err)
        ok = false;

    if (ZonenmeridianFrageNoetig(s_.Par.Laenge, s_.Par.Zonenmeridian)) {
        const std::string frage = std::string(texteText(s_, 46)) + std::string(texteText(s_, 47));
        if (u_.prompt.ask(PromptTitle::Warnung, PromptIcon::Question, frage, PromptButtons::YesNo) == PromptAnswer::No) {
            ok = false;
            (u_.ort.dezimal ? zeilen_[Zone].dezimal : zeilen_[Zone].grad)->setFocus();
        }
    }
    if (ok)
        zeigeDezimal();
    s_.LaengeWeitVomZonenmeridian = LaengeWeitVomZonenmeridian(s_.Par.Laenge, s_.Par.Zonenmeridian);
    s_.FensterFrei = ok;
    return ok;
}

void OrtUndZeitDialog::schluss(bool abbrechen)
{
    if (!u_.walk) {
        close();
        return;
    }
    if (s_.DialogSchritt == 1)
        s_.DialogSchritt = 3;
    if (abbrechen)
        u_.walk->abbrechen();
    else
        u_.walk->weiter();
}

void OrtUndZeitDialog::closeEvent(QCloseEvent* ereignis)
{
    bool ok = false;
    waechter_->alsPruefung([this, &ok] { ok = pruefeAlles(); });
    if (!ok) {
        ereignis->ignore();
        return;
    }
    geschlossen_ = true;
    ereignis->accept();
}

void OrtUndZeitDialog::reject() { close(); }

} // namespace umbrin
