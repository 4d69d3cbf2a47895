// The parameter dialog's pages of the single dial families: the planar plane and gnomon, the
// umbrella disc, the quadrant and Habermel dials, the cylinder and horizontal altitude
// scales, the ring, the azimuthal circles with the horizon profile, the two places of the
// biazimuthal and mean-time dials with the pole of their great circle, and the Sawyer and
// Peaucellier values.
#include "core/Eingabepruefung.h"
#include "core/Projektion.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "core/ui/Eingabefelder.h"
#include "core/ui/RadioGruppe.h"
#include "dials/Kugeldrehung.h"
#include "dialogs/HabermelGeometrie.h"
#include "dialogs/IniZahlen.h"
#include "dialogs/Wertebereiche.h"
#include "dialogs/ui/DialogFelder.h"
#include "dialogs/ui/ParameterDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cmath>

namespace umbrin {

namespace {

// Texts of this page that the string table does not hold, German and English.
const char* text(const AppState& s, const char* de, const char* en) { return s.Sprachspalte == 2 ? en : de; }

double umLaenge(double l)
{
    if (l > 180)
        return l - 360;
    if (l < -180)
        return l + 360;
    return l;
}

} // namespace

void ParameterDialog::verbindeTypseiten()
{
    auto beobachte = [this](const char* name, Tasten tasten, std::function<void()> verlassen) {
        waechter_->beobachte(k(name), tasten, std::move(verlassen));
    };
    for (const char* n : {"EdDekl", "EDekl"})
        beobachte(n, Tasten::Reell, [this, n] { wandabweichungVerlassen(n); });
    for (const char* n : {"EdInkl", "Ed2Inklin", "Ed2Inklinb", "EdNeig", "EdSpi"})
        beobachte(n, Tasten::Reell, [this, n] { inklinationVerlassen(n); });
    for (const char* n : {"EdGnom", "EdSolZeig", "EdKegel"})
        beobachte(n, Tasten::Reell, [this, n] { gnomonVerlassen(n); });
    for (const char* n : {"Ed1", "Ed1S", "Ed2"})
        beobachte(n, Tasten::Ganzzahl, [this, n] { analemmaStundeVerlassen(n); });
    for (const char* n : {"EdScale", "hEdit1"})
        beobachte(n, Tasten::Ganzzahl, [this, n] { edit1Exit(n); });
    // The cylinder's first field is the shepherd's whole-millimetre scale length, or the
    // polar-rod cylinder's pointer length with decimals; its radius has decimals too.
    beobachte("Edit1", s_.Schalter.ZylinderArt == 2 ? Tasten::ReellOhneVorzeichen : Tasten::Ganzzahl,
              [this] { edit1Exit("Edit1"); });
    beobachte("EdRAdius", Tasten::ReellOhneVorzeichen, [this] { edit1Exit("EdRAdius"); });
    for (const char* n : {"edQuad", "EdAz1", "EdAz2"})
        beobachte(n, Tasten::ReellOhneVorzeichen, [this, n] { edit1Exit(n); });
    for (const char* n : {"EdHabermel", "rDurchEdit", "rBreitEdit", "rAlphEdit", "rOff2", "EdSWi", "EdSawyer", "EdSzp"})
        beobachte(n, Tasten::Reell, [this, n] { edit1Exit(n); });
    // Scale lengths of the cylinder and the horizontal altitude dial.
    struct Skala {
        const char* feld;
        std::int32_t AppState::*wert;
        const char* label;
        Wertebereich bereich;
    };
    static const Skala skalen[] = {{"EdSkala", &AppState::SkalaZylinder, "lhorLaenge", DialogBereich::SkalaZylinder},
                                   {"hEdSkala", &AppState::SkalaHidokai, "hlhorLaenge", DialogBereich::SkalaHidokai},
                                   {"hEdSkalaS", &AppState::SkalaHidokai2, "hLabel19", DialogBereich::SkalaHidokai2}};
    for (const Skala& sk : skalen)
        beobachte(sk.feld, Tasten::Ganzzahl, [this, &sk] { ganzGeprueft(sk.feld, s_.*sk.wert, sk.label, sk.bereich); });
    // The shepherd's scale height is computed; typing into it shows the computed value again.
    waechter_->beobachte(k("EdSkalaS"), Tasten::Ganzzahl);
    connect(ed("EdSkalaS"), &QLineEdit::textEdited, this, [this] { zeigeGanz("EdSkalaS", s_.SkalaZylinder2, true); });
    beobachte("EdSolKreis", Tasten::Reell, [this] { schirmKreisVerlassen(); });
    beobachte("EdSolNeig", Tasten::Reell, [this] { schirmNeigungVerlassen(); });
    beobachte("EdSolBeta", Tasten::Reell, [this] { schirmAbweichungVerlassen(); });
    beobachte("EdHabermel2", Tasten::Reell, [this] { habermelDurchmesserVerlassen(); });
    for (const char* n : {"EdLat", "EdLat1", "EdLat1b", "ed2Lat", "EdLong1", "EdLong1b", "EdZon1", "EdZon1b", "Ed2Long",
                          "EdAbw1", "EdAbw1b", "EdAbw2", "EdSaw", "EdSaw2", "EdPeau"})
        beobachte(n, Tasten::Reell, [this, n] { positionVerlassen(n); });
    beobachte("EdEinheit", Tasten::Ganzzahl, [this] { positionVerlassen("EdEinheit"); });
    connect(ed("EdSaw"), &QLineEdit::textEdited, this, [this] { s_.StundenpunkteZeigen = 0; });

    connect(rg("RGSchirm"), &RadioGruppe::itemGewaehlt, this, [this](int i) { schirmEbene(i); });
    connect(rg("RgAltitude"), &RadioGruppe::itemGewaehlt, this, [this](int i) { pruefe([this, i] { hoehenuhrArt(i); }); });
    connect(rg("rgZodiak"), &RadioGruppe::itemGewaehlt, this, [this](int i) { quadrantSkala(i); });
    connect(cb("chBqTemp"), &QCheckBox::clicked, this, [this] { quadrantTemporal(true); });
    connect(cb("ChBqOZ"), &QCheckBox::clicked, this, [this] { quadrantTemporal(false); });
    connect(rg("rgZ3"), &RadioGruppe::itemGewaehlt, this,
            [this](int i) { s_.Schalter.Schattenlaenge = static_cast<std::uint8_t>(i); });
    for (const char* n : {"rbOz", "rbZz"})
        connect(qobject_cast<QRadioButton*>(k(n)), &QRadioButton::clicked, this, [this, n] {
            s_.Schalter.OhneLaengenkorrektur = std::string(n) == "rbOz";
            rg("rgWOZ")->setItemIndex(s_.Schalter.OhneLaengenkorrektur ? 0 : 1);
        });
    connect(co("BabBox"), &QComboBox::activated, this, [this](int i) { s_.RingBabTeil = static_cast<std::uint8_t>(i); });
    connect(co("ItBox"), &QComboBox::activated, this, [this](int i) { s_.RingItalTeil = static_cast<std::uint8_t>(i); });
    connect(rg("rgAzMain"), &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.Schalter.AzimutKreise = static_cast<std::uint8_t>(i);
        azimutKreise();
    });
    connect(rg("RGAzHoehe"), &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.Schalter.Hoehenkreise = static_cast<std::uint8_t>(i);
        azimutKreise();
    });
    connect(rg("rgZodiAZ"), &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.Schalter.ZodiakSkala = i == 1;
        setzeTextId(cb("chBQganzjr"), s_.Schalter.ZodiakSkala ? 569 : 549);
        beschrifteFenster(this, s_, s_.StringIdBasis);
    });
    connect(cb("ChBHProfil"), &QCheckBox::clicked, this, [this] { horizontprofil(); });
    connect(rg("RgBiazi"), &RadioGruppe::itemGewaehlt, this, [this](int i) { ebeneGewaehlt("RgBiazi", i); });
    connect(rg("RGHoll"), &RadioGruppe::itemGewaehlt, this, [this](int i) { ebeneGewaehlt("RGHoll", i); });
    for (const char* n : {"RgAzCo", "RgAzCo2"})
        connect(rg(n), &RadioGruppe::itemGewaehlt, this, [this](int i) {
            s_.Schalter.Zonenzeit = i == 1;
            rg("RgAzCo")->setItemIndex(i);
            rg("RgAzCo2")->setItemIndex(i);
            for (const char* f : {"EdZon1", "EdZon1b"})
                faerbe(k(f), s_.Schalter.Zonenzeit != 0);
        });
    connect(rg("RgPosition"), &RadioGruppe::itemGewaehlt, this, [this](int i) { s_.BiaziZonenzeit = i == 0; });
    connect(rg("rgSawyer"), &RadioGruppe::itemGewaehlt, this, [this](int i) {
        s_.Par.SawyerZeit = static_cast<std::uint8_t>(i);
        sawyerZeit(i);
    });
    connect(rg("rgSawPeau"), &RadioGruppe::itemGewaehlt, this, [this](int i) { sawyerPeauGewaehlt(i); });
}

// ---- planar page ---------------------------------------------------------------------------

void ParameterDialog::wandabweichungVerlassen(const char* feld)
{
    const char* label = std::string(feld) == "EdDekl" ? "Label9" : "Label133";
    if (!realGeprueft(feld, s_.Par.Wandabweichung, label, DialogBereich::Wandabweichung))
        zeigeWert(feld, s_.Par.Wandabweichung, 7, 2);
    s_.Par.Wandabweichung = OhneHalbkreis(s_.Par.Wandabweichung, 179.999999);
    zeigeWert("EdDekl", s_.Par.Wandabweichung, 7, 2);
    zeigeWert("EDekl", s_.Par.Wandabweichung, 7, 2);
}

void ParameterDialog::inklinationVerlassen(const char* feld)
{
    TPar& p = s_.Par;
    const std::string name(feld);
    if (name == "EdNeig") {
        double x = p.KegelNeigung;
        bool err = false;
        pruefRealBereichBewahrt(s_, u_.prompt, ed(feld), x, labelText("Label34"), DialogBereich::KegelNeigungVerlassen,
                                err);
        if (err || !kegelNeigungZulaessig(x, DialogBereich::KegelNeigungVerlassen)) {
            if (!err) {
                u_.prompt.ask(PromptTitle::Problem, PromptIcon::Question,
                              labelText("Label34") + "=" + ed(feld)->text().trimmed().toStdString() + "\r\n" +
                                  std::string(meldungsText(s_, 13)) + " [" +
                                  RealStr(DateiBereich::KegelNeigung.von, 8, 2) + ", ...," +
                                  RealStr(DateiBereich::KegelNeigung.bis, 7, 1) + "] !",
                              PromptButtons::Ok);
                ed(feld)->setFocus();
            }
            return;
        }
        const double neu = dateiWert(kegelNeigungGespeichert(x), DateiStellen::KegelNeigung);
        if (neu != p.KegelNeigung) {
            p.KegelNeigung = neu;
            zeigeWert(feld, neu, 7, 2);
        }
        return;
    }
    if (name == "EdSpi") {
        double x = p.KegelOeffnung;
        if (!realGeprueft(feld, x, "Label46", DialogBereich::KegelOeffnungVerlassen))
            return;
        if (x != p.KegelOeffnung && !KegelOeffnungPasst(x, p.KegelNeigung)) {
            u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning,
                          "Der Winkel muss kleiner als die Neigung der Kegelachse sein!", PromptButtons::Ok);
            ed(feld)->setFocus();
            return;
        }
        p.KegelOeffnung = x;
        zeigeWert(feld, x, 7, 2);
        return;
    }
    const double alt = p.Inklination;
    const char* label = name == "EdInkl" ? "Label36" : name == "Ed2Inklin" ? "lInkl" : "lInklb";
    realGeprueft(feld, p.Inklination, label, DialogBereich::Inklination);
    if (p.Inklination != alt)
        for (const char* n : {"EdInkl", "Ed2Inklin", "Ed2Inklinb"})
            zeigeWert(n, p.Inklination, 7, 2);
    if (name != "EdInkl")
        ebeneGewaehlt(nullptr, s_.Schalter.Ebene % 3);
}

bool ParameterDialog::gnomonGeprueft()
{
    // A refused height is reported and the field shows the last good one again.
    const bool ok = realGeprueft("EdGnom", s_.Par.Gnomonhoehe, "Label1", DialogBereich::Gnomonhoehe);
    zeigeWert("EdSolZeig", s_.Par.Gnomonhoehe, 6, 2);
    zeigeWert("EdGnom", s_.Par.Gnomonhoehe, 6, 2);
    return ok;
}

// ---- umbrella page -------------------------------------------------------------------------

void ParameterDialog::schirmEbene(int item)
{
    if (s_.Schirmuhr)
        s_.UhrTyp = item == 0 ? 'h' : item == 1 ? 'i' : 'v';
    const char t = s_.UhrTyp;
    for (const char* n : {"EdSolBeta", "Label20", "Label22"})
        sichtbar(n, t != 'h');
    for (const char* n : {"EdSolNeig", "Label12", "Label21", "LabNeig"})
        sichtbar(n, t == 'i');
    aktiv("EdSolBeta", t == 'i' || t == 'v');
    aktiv("EdSolNeig", t == 'i');
}

void ParameterDialog::schirmKreisVerlassen()
{
    double prozent = 100 * s_.Par.SchirmRadius;
    if (!realGeprueft("EdSolKreis", prozent, "Label16", DialogBereich::SchirmRadiusProzent)) {
        zeigeWert("EdSolKreis", 100 * s_.Par.SchirmRadius, 6, 1);
        return;
    }
    if (prozent == 100 * s_.Par.SchirmRadius)
        return; // a radius kept is not divided again
    s_.Par.SchirmRadius = dateiWert(prozent / 100, DateiStellen::SchirmRadius);
    const int stellen = dateiWert(prozent, 2) == prozent ? 2 : DateiStellen::SchirmRadiusProzent;
    zeigeWert("EdSolKreis", prozent, 6, stellen);
}

void ParameterDialog::schirmNeigungVerlassen()
{
    realGeprueft("EdSolNeig", s_.Par.Inklination, "Label21", DialogBereich::SchirmInklination);
}

void ParameterDialog::schirmAbweichungVerlassen()
{
    if (realGeprueft("EdSolBeta", s_.Par.Wandabweichung, "Label22", DialogBereich::Wandabweichung))
        s_.Par.Wandabweichung = OhneHalbkreis(s_.Par.Wandabweichung, 179.99999);
}

// ---- quadrant and Habermel page ------------------------------------------------------------

bool ParameterDialog::habermelGnomonAus(double durchmesser, bool melden)
{
    double g = s_.Par.HabermelGnomon;
    if (!HabermelGnomonAusDurchmesser(s_.Schalter.Hoehenuhrart, durchmesser, s_.Par.Breite, s_.EpsRund, g)) {
        if (melden)
            u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning, TextPaar(s_, 24, 1), PromptButtons::Ok);
        return false;
    }
    s_.Par.HabermelGnomon = HabermelZehntel(g);
    return true;
}

void ParameterDialog::hoehenuhrArt(int item)
{
    TSchalter& sch = s_.Schalter;
    sch.Hoehenuhrart = static_cast<std::uint8_t>(item);
    sichtbar("GrAlt", item == 1 || item == 2);
    sichtbar("GrQuad", item == 0);
    if (item > 0) {
        zeigeWert("EdHabermel2", s_.Par.HabermelDurchmesser, 6, 1);
        habermelGnomonAus(s_.Par.HabermelDurchmesser, true);
        zeigeWert("EdHabermel", s_.Par.HabermelGnomon, 6, 1);
        setzeTextId(lb("lQuad"), 343);
    } else {
        setzeTextId(lb("lQuad"), sch.QuadrantSkala == 2 ? 344 : 340);
    }
    beschrifteKomponente(lb("lQuad"), s_, s_.StringIdBasis);
    for (const char* n : {"ChbZ3", "Label189", "Label190", "cLinZlH"})
        sichtbar(n, item == 1);
    aktiv("ChbZ3", sch.Ortszeit == 1);
    hilfeEinstellen();
    if (item > 0) {
        if (s_.Par.HabermelDurchmesser > DialogBereich::HabermelDurchmesser.bis)
            u_.prompt.ask(PromptTitle::Warnung, PromptIcon::Error, holeText(s_, 577) + "\r\n" + holeText(s_, 578),
                          PromptButtons::Ok);
        if (sch.TemporalAnzeige) {
            u_.prompt.ask(PromptTitle::Information, PromptIcon::Information, "Temporalstunden sind noch nicht installiert",
                          PromptButtons::Ok);
            sch.TemporalAnzeige = 0;
            const QSignalBlocker sperre(cb("chBqTemp"));
            cb("chBqTemp")->setChecked(false);
            aktiv("rgQuad", true);
            eintragen();
        }
    }
    aktiv("rgQuad", item != 0 || sch.QuadrantSkala != 2);
    aktiv("chBqTemp", item == 0);
}

void ParameterDialog::habermelDurchmesserVerlassen()
{
    if (s_.Schalter.Hoehenuhrart == 0)
        return;
    double d = s_.Par.HabermelDurchmesser;
    if (!realGeprueft("EdHabermel2", d, "LHabermel", DialogBereich::HabermelDurchmesser)) {
        u_.prompt.ask(PromptTitle::Warnung, PromptIcon::Error, holeText(s_, 577) + "\r\n" + holeText(s_, 578),
                      PromptButtons::Ok);
        return;
    }
    if (!habermelGnomonAus(d, true)) {
        zeigeWert("EdHabermel2", s_.Par.HabermelDurchmesser, 5, 1);
        ed("EdHabermel2")->setFocus();
        return;
    }
    s_.Par.HabermelDurchmesser = d;
    zeigeWert("EdHabermel2", d, 5, 1);
    zeigeWert("EdHabermel", s_.Par.HabermelGnomon, 5, 1);
}

void ParameterDialog::quadrantSkala(int item)
{
    TSchalter& sch = s_.Schalter;
    sch.QuadrantSkala = static_cast<std::uint8_t>(item);
    if (item == 2) {
        // Gunter's quadrant reads local time only.
        sch.Zonenzeit = 0;
        sch.Ortszeit = 1;
        for (const char* n : {"RgA1", "rgZyl", "RgAzCo", "rgQuad"})
            rg(n)->setItemIndex(0);
    }
    setzeTextId(lb("lQuad"), sch.Hoehenuhrart > 0 ? 343 : item == 2 ? 344 : 340);
    aktiv("ChBQ2", item == 0);
    aktiv("chBQganzjr", item != 2);
    aktiv("ChbQ1", item != 2);
    setzeTextId(cb("chBQganzjr"), item == 1 ? 569 : 549);
    aktiv("RgQ2", sch.Ganzjaehrig ? sch.ZodiakSkala != 0 : true);
    sichtbar("RgQ2", item != 2);
    aktiv("rgQuad", item != 2);
    beschrifteFenster(this, s_, s_.StringIdBasis);
}

void ParameterDialog::quadrantTemporal(bool vonTemporal)
{
    TSchalter& sch = s_.Schalter;
    if (vonTemporal) {
        sch.TemporalAnzeige = cb("chBqTemp")->isChecked();
        if (sch.TemporalAnzeige)
            sch.Zonenzeit = 0;
    } else {
        sch.TemporalAnzeige = !cb("ChBqOZ")->isChecked();
    }
    {
        const QSignalBlocker a(cb("chBqTemp")), b(cb("ChBqOZ"));
        cb("chBqTemp")->setChecked(sch.TemporalAnzeige);
        cb("ChBqOZ")->setChecked(!sch.TemporalAnzeige);
    }
    for (const char* n : {"cQtAnf", "cQtEnd", "cQtStund"})
        aktiv(n, sch.TemporalAnzeige != 0);
    setzeLinienSchalter();
}

// ---- cylinder page -------------------------------------------------------------------------

void ParameterDialog::skalaZylinder2Zeigen()
{
    if (SkalaZylinder2Berechnen(s_.Par.Breite, s_.EpsRund, s_.Par.Skalenlaenge, s_.SkalaZylinder2))
        zeigeGanz("EdSkalaS", s_.SkalaZylinder2, true);
}

// ---- azimuthal page ------------------------------------------------------------------------

void ParameterDialog::azimutKreise()
{
    const TSchalter& sch = s_.Schalter;
    s_.AzKreisart = sch.Hoehenkreise == 1;
    for (const char* n : {"GrBoxAz", "ldatlin", "cDatLin"})
        sichtbar(n, sch.AzimutKreise == 1 && (std::string(n) != "GrBoxAz" || s_.ExpertenModus));
    for (const char* n : {"Label106", "Label108", "Label111", "EdAz1"})
        sichtbar(n, sch.Hoehenkreise == 1);
    sichtbar("ChBEclip", sch.AzimutKreise == 1 && sch.Hoehenkreise == 2);
    sichtbar("ChBHProfil", sch.AzimutKreise == 1);
}

void ParameterDialog::horizontprofil()
{
    QCheckBox* kasten = cb("ChBHProfil");
    s_.HorizontGeladen = kasten->isChecked();
    if (s_.HorizontZeigen || !kasten->isChecked())
        return;
    const std::string frage = std::string(text(s_, "Es wurde kein Horizontprofil geladen!",
                                               "No horizon profile has been loaded!")) +
                              "\n\r" +
                              text(s_, "Soll ein vorhandenes Horizontprofil geladen werden?",
                                   "Do you wish to load a new horizon profile?");
    auto setzeKasten = [kasten](bool an) {
        const QSignalBlocker sperre(kasten);
        kasten->setChecked(an);
    };
    setzeKasten(false);
    s_.HorizontGeladen = 0;
    if (u_.prompt.ask(PromptTitle::WasNun, PromptIcon::Question, frage, PromptButtons::YesNo) != PromptAnswer::Yes)
        return;
    const std::string titel = text(s_, "Horizontprofil einlesen ", "Load Horizon Profile ");
    const std::string filter = text(s_, "Horizontprofil (*.ele)|*.ele|Alle Dateien (*.*)|*.*",
                                    "Horizon Profile (*.ele)|*.ele|All files (*.*)|*.*");
    std::string datei;
    if (u_.haken.dateiOeffnen) {
        datei = u_.haken.dateiOeffnen(titel, filter, "ele");
    } else {
        const QString qtFilter = QString::fromUtf8(text(s_, "Horizontprofil (*.ele);;Alle Dateien (*)",
                                                        "Horizon Profile (*.ele);;All files (*)"));
        datei = QFileDialog::getOpenFileName(this, QString::fromStdString(titel), QString(), qtFilter).toStdString();
    }
    bool ortNeu = false;
    if (datei.empty() || !u_.haken.horizontprofilLesen || !u_.haken.horizontprofilLesen(s_, u_.prompt, datei, ortNeu))
        return;
    s_.HorizontZeigen = 1;
    s_.HorizontGeladen = 1;
    setzeKasten(true);
    // The place fields of the other pages show the profile's place.
    if (ortNeu)
        eintragen();
}

// ---- biazimuthal, mean-time, quadrant latitude and Sawyer/Peaucellier fields ---------------

bool ParameterDialog::breiteGeprueft(const char* feld)
{
    TPar& p = s_.Par;
    const std::string name(feld);
    const bool zweite = name == "ed2Lat";
    const char* label = name == "EdLat"     ? "LabLat"
                        : name == "EdLat1b" ? "Label90b"
                        : name == "EdSaw"   ? "Label71"
                        : name == "EdSaw2"  ? "Label71b"
                                            : "Label90";
    double& ziel = zweite ? p.Breite2 : p.Breite;
    const auto getippt = leseRealEingabe(ed(feld)->text().toStdString());
    if (!realGeprueft(feld, ziel, label, zweite ? DialogBereich::Breite2 : DialogBereich::Breite))
        return false;
    // A latitude just south of the equator that the file's decimals turn into 0 stays south.
    if (ziel == 0 && getippt && std::signbit(*getippt))
        ziel = -0.0;
    ziel = BreiteVomAequatorWeg(ziel, name == "EdLat" ? Aequatorregel::Ort : Aequatorregel::Zifferblatt);
    return true;
}

void ParameterDialog::positionVerlassen(const char* feld)
{
    TPar& p = s_.Par;
    namespace B = DialogBereich;
    const std::string name(feld);
    if (name == "EdLat") {
        if (breiteGeprueft(feld))
            zeigeWert(feld, p.Breite, 6, 2);
        habermelDurchmesserVerlassen();
        if (p.Breite < 0)
            u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning,
                          "Die Berechnung erfolgt nur für nördliche Geogr. Breiten", PromptButtons::Ok);
    } else if (name == "EdLat1" || name == "EdLat1b") {
        breiteGeprueft(feld);
        zeigeWert("EdLat1", p.Breite, 6, 2);
        zeigeWert("EdLat1b", p.Breite, 6, 2);
        ebeneGewaehlt(nullptr, s_.Schalter.Ebene % 3);
    } else if (name == "ed2Lat") {
        if (breiteGeprueft(feld))
            zeigeZweiteBreite();
        zeigePosition2();
    } else if (name == "EdLong1" || name == "EdLong1b") {
        if (realGeprueft(feld, p.Laenge, name == "EdLong1" ? "Label91" : "Label91b", B::Laenge)) {
            zeigeWert("EdLong1", p.Laenge, 7, 2);
            zeigeWert("EdLong1b", p.Laenge, 7, 2);
        }
        ebeneGewaehlt(nullptr, s_.Schalter.Ebene % 3);
    } else if (name == "EdZon1" || name == "EdZon1b") {
        if (realGeprueft(feld, p.Zonenmeridian, name == "EdZon1" ? "Label86" : "Label86b", B::Zonenmeridian)) {
            zeigeWert("EdZon1", p.Zonenmeridian, 7, 2);
            zeigeWert("EdZon1b", p.Zonenmeridian, 7, 2);
        }
    } else if (name == "Ed2Long") {
        if (realGeprueft(feld, p.Laenge2, "Label91", B::Laenge2))
            zeigeWert(feld, p.Laenge2, 7, 2);
        zeigePosition2();
    } else if (name == "EdAbw1" || name == "EdAbw1b") {
        if (realGeprueft(feld, p.Wandabweichung, name == "EdAbw1" ? "Label95" : "Label95b", B::Wandabweichung)) {
            zeigeWert("EdAbw1", p.Wandabweichung, 6, 2);
            zeigeWert("EdAbw1b", p.Wandabweichung, 6, 2);
        }
        ebeneGewaehlt(nullptr, s_.Schalter.Ebene % 3);
        return;
    } else if (name == "EdAbw2") {
        if (realGeprueft(feld, p.Wandabweichung2, "Label95", B::Wandabweichung))
            zeigeWert(feld, p.Wandabweichung2, 6, 2);
        ebeneGewaehlt(nullptr, s_.Schalter.Ebene % 3);
        return;
    } else if (name == "EdSaw" || name == "EdSaw2") {
        breiteGeprueft(feld);
        zeigeWert("EdSaw", p.Breite, 6, 2);
        zeigeWert("EdSaw2", p.Breite, 6, 2);
    } else if (name == "EdPeau") {
        double x = p.PeauParameter;
        if (realGeprueft(feld, x, "Label193", B::PeauParameter)) {
            if (std::fabs(x) < 0.01) {
                x = x < 0 ? -0.01 : 0.01;
                u_.prompt.ask(PromptTitle::Information, PromptIcon::Information,
                              std::string(text(s_, " Der Wert 0 ist nicht erlaubt. Daher Korrektur auf ",
                                               " Value 0 is not allowed. Thus corrected to ")) +
                                  RealStr(x, 6, 4),
                              PromptButtons::Ok);
            }
            p.PeauParameter = x;
            zeigeWert(feld, x, 6, 4);
            zeigeWert("labPe", TanGrad(p.Breite) / std::cos(15 * static_cast<double>(rad)), 9, 4);
        }
    } else if (name == "EdEinheit") {
        if (ganzGeprueft(feld, p.Einheit, "Label195", B::EinheitVerlassen))
            zeigeWert(feld, p.Einheit, 4, 0);
    }
    berechnePol();
}

void ParameterDialog::zeigePosition2()
{
    const TPar& p = s_.Par;
    if (s_.Schalter.Position2Vertikal == 1) {
        double phi = 0, dl = 0, r = 0;
        AequivHorizontaluhr(p.Breite2, p.Wandabweichung2, 90, phi, dl, r);
        zeigeWert("EL2", phi, 7, 2);
        zeigeWert("ELo2", umLaenge(p.Laenge2 + dl), 7, 2);
    } else {
        zeigeWert("EL2", p.Breite2, 7, 2);
        zeigeWert("ELo2", p.Laenge2, 7, 2);
    }
}

void ParameterDialog::ebeneGewaehlt(const char* sender, int item)
{
    if (s_.UhrTyp != 'c' && s_.UhrTyp != 'm')
        return;
    if (sender)
        s_.Schalter.Ebene = static_cast<std::uint8_t>(item);
    const int ebene = s_.Schalter.Ebene % 3;
    rg("RgBiazi")->setItemIndex(ebene);
    rg("RGHoll")->setItemIndex(ebene);
    const TPar& p = s_.Par;
    double breite = p.Breite;
    double laenge = p.Laenge;
    std::string test = " ";
    if (ebene != 0) {
        double b2 = 0, wi = 0, l2 = 0;
        dreheKugelKoord(p.Breite, p.Wandabweichung, ebene == 1 ? 90 : p.Inklination, b2, wi, l2);
        breite = b2;
        laenge = p.Laenge + l2;
        test = "Wi=" + RealStr(wi, 5, 1);
    }
    laenge = umLaenge(laenge);
    for (const char* n : {"EL1", "EL1b"})
        zeigeWert(n, breite, 7, 2);
    for (const char* n : {"ELo1", "ELo1b"})
        zeigeWert(n, laenge, 7, 2);
    setzeText("lTest", test);
    for (const char* n : {"Ed2Inklin", "Ed2Inklinb"})
        aktiv(n, ebene == 2);
    for (const char* n : {"EdAbw1", "EdAbw1b"})
        aktiv(n, ebene != 0);
    berechnePol();
}

void ParameterDialog::berechnePol()
{
    if (s_.UhrTyp != 'c')
        return;
    // The equivalent horizontal dials are computed into locals: the user's places stay as
    // they were entered.
    const TPar& p = s_.Par;
    double b1 = p.Breite, l1 = p.Laenge, b2 = p.Breite2, l2 = p.Laenge2;
    const int ebene = s_.Schalter.Ebene % 3;
    if (ebene != 0) {
        double phi = 0, dl = 0, r = 0;
        AequivHorizontaluhr(p.Breite, p.Wandabweichung, ebene == 1 ? 90 : p.Inklination, phi, dl, r);
        b1 = phi;
        l1 = umLaenge(p.Laenge + dl);
    }
    if (s_.Schalter.Position2Vertikal) {
        double phi = 0, dl = 0, r = 0;
        AequivHorizontaluhr(p.Breite2, p.Wandabweichung2, 90, phi, dl, r);
        b2 = phi;
        l2 = umLaenge(p.Laenge2 + dl);
    }
    const PolErgebnis pol = BerechnePol(s_.UhrTyp, b1, l1, b2, l2);
    if (pol.berechnet && std::fabs(pol.breite) <= 90) {
        s_.PolText = "Pol :   (" + RealStr(pol.breite, 7, 3) + " / " + RealStr(pol.laenge, 7, 3) + " );";
    } else {
        u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning, "Fehler!\r\nBerechnung abgebrochen!", PromptButtons::Ok);
        s_.PolText = "Pol:  nicht berechnet";
    }
    zeigeWert("EL1", b1, 7, 2);
    zeigeWert("ELo1", l1, 7, 2);
    zeigeWert("EL1b", b1, 7, 2);
    zeigeWert("ELo1b", l1, 7, 2);
    zeigeWert("EL2", b2, 7, 2);
    zeigeWert("ELo2", l2, 7, 2);
    setzeText("LabPol", s_.PolText);
}

// ---- Sawyer and Peaucellier page -----------------------------------------------------------

void ParameterDialog::sawyerZeit(int k)
{
    TSchalter& sch = s_.Schalter;
    switch (k) {
    case 0:
    case 1:
        sch.MozGerade = 0;
        sch.HalbeAnalemma = 0;
        sch.Zonenzeit = k == 1;
        sch.MitZeitglZylinder = 0;
        break;
    case 2:
        sch.HalbeAnalemma = 1;
        sch.MozGerade = 0;
        sch.Zonenzeit = 0;
        sch.MitZeitglZylinder = 1;
        break;
    case 3:
        sch.MozGerade = 1;
        sch.HalbeAnalemma = 0;
        sch.Zonenzeit = 0;
        sch.MitZeitglZylinder = 1;
        break;
    default:
        break;
    }
    rg("rgSawyer")->setItemIndex(k);
}

void ParameterDialog::sawyerPeauGewaehlt(int item)
{
    s_.UhrTyp = item == 1 ? 'p' : 'w';
    rg("rgSawPeau")->setItemIndex(item);
    sichtbar("GroupBox9", item == 1);
    sichtbar("GroupBox7", item != 1);
    setProperty("hilfeKontext", item == 1 ? 57 : 55);
    if (item != 1)
        sawyerZeit(s_.Par.SawyerZeit);
    hilfeEinstellen();
}

} // namespace umbrin
