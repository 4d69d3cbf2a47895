// The parameter dialog's closing check of the visible page and the exit checks shared by many fields.
#include "dialogs/ui/ParameterDialog.h"

#include "core/Eingabepruefung.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "core/ui/Eingabefelder.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/DialogParameterRegeln.h"
#include "dialogs/HabermelGeometrie.h"
#include "dialogs/IniZahlen.h"
#include "dialogs/Wertebereiche.h"
#include "dialogs/ui/DialogFelder.h"
#include "dialogs/ui/ParameterDialogIntern.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cmath>

namespace umbrin {

// ---- the closing check of the visible page -------------------------------------------------

bool ParameterDialog::uebertragen()
{
    TPar& p = s_.Par;
    TSchalter& sch = s_.Schalter;
    namespace B = DialogBereich;
    bool ok = true;
    // Only the fields the page shows for the current type are checked (and may get the focus).
    auto gezeigt = [this](const char* n) {
        QWidget* w = k(n);
        return w && w->isVisibleTo(this);
    };
    auto real = [&](const char* feld, double& ziel, const char* label, const Wertebereich& b) {
        if (!gezeigt(feld))
            return true;
        const bool gut = realGeprueft(feld, ziel, label, b);
        ok = ok && gut;
        return gut;
    };
    auto breite = [&](const char* feld) {
        if (!gezeigt(feld))
            return true;
        const bool gut = breiteGeprueft(feld);
        ok = ok && gut;
        return gut;
    };
    auto ganzzahl = [&](const char* feld, std::int32_t& ziel, const char* label, const Wertebereich& b) {
        if (!gezeigt(feld))
            return true;
        const bool gut = ganzGeprueft(feld, ziel, label, b);
        ok = ok && gut;
        return gut;
    };

    const ParameterSeite seite = aktiveSeite();
    datumslistenSeite_ = MitDatumsliste(seite);
    switch (seite) {
    case ParameterSeite::Quadrant:
        if (sch.Hoehenuhrart != 0) {
            // The gnomon height is taken (and the diameter recomputed) only when it was changed;
            // a text that is no number fails at once.
            const auto g = leseRealEingabe(ed("EdHabermel")->text().toStdString());
            if ((!g || std::fabs(*g - p.HabermelGnomon) > 0.1) && !habermelGnomonVerlassen()) {
                s_.FensterFrei = 0;
                return false;
            }
            zeigeWert("EdHabermel", p.HabermelGnomon, 5, 1);
            if (real("EdHabermel2", p.HabermelDurchmesser, "LHabermel", B::HabermelDurchmesser)) {
                zeigeWert("EdHabermel2", p.HabermelDurchmesser, 5, 1);
                habermelDurchmesserVerlassen();
            }
            if (breite("EdLat"))
                zeigeWert("EdLat", p.Breite, 6, 2);
        } else {
            ganzzahl("edQuad", p.QuadrantGroesse, "Label147", B::QuadrantGroesse);
            sch.TemporalAnzeige = cb("chBqTemp")->isChecked();
            sch.Zonenzeit = rg("rgQuad")->itemIndex() == 1 && !sch.TemporalAnzeige;
        }
        break;
    case ParameterSeite::Zylinder:
        if (sch.ZylinderArt < 2) {
            ganzzahl("Edit1", p.Skalenlaenge, "Label5", B::Skalenlaenge);
            ganzzahl("EdSkala", s_.SkalaZylinder, "lhorLaenge", B::SkalaZylinder);
        } else {
            real("Edit1", p.ZylZeiger, "Label5", B::ZylZeiger);
            real("EdRAdius", p.ZylRadius, "LZylRad", B::ZylRadius);
            real("EDekl", p.Wandabweichung, "Label133", B::Wandabweichung);
        }
        ganzzahl("EdSkalaS", s_.SkalaZylinder2, "Label19", B::SkalaZylinder2);
        break;
    case ParameterSeite::Azimut:
        real("EdAz1", s_.AzAbstand, "Label106", B::AzAbstand);
        real("EdAz2", s_.AzGrundplatte, "Label107", B::AzGrundplatte);
        break;
    case ParameterSeite::Schirm: {
        // Every field of the disc keeps to its range: a refused value never reaches the state.
        real("EdSolZeig", p.Gnomonhoehe, "Label23", B::Gnomonhoehe);
        real("EdSolNeig", p.Inklination, "Label21", B::SchirmInklination);
        real("EdSolBeta", p.Wandabweichung, "Label22", B::Wandabweichung);
        ganzzahl("Ed1S", sch.AnalemmaStunde, "chB4S", B::AnalemmaStunde);
        double prozent = 100 * p.SchirmRadius;
        if (real("EdSolKreis", prozent, "Label16", B::SchirmRadiusProzent) && gezeigt("EdSolKreis")) {
            if (prozent != 100 * p.SchirmRadius) // a radius kept is not divided again
                p.SchirmRadius = dateiWert(prozent / 100, DateiStellen::SchirmRadius);
            if (s_.Schirmuhr && s_.UhrTyp == 'i') {
                if (const int fehler = SchirmScheibenFehler(p.SchirmRadius, p.Inklination)) {
                    u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Error, std::string(meldungsText(s_, fehler)),
                                  PromptButtons::Ok);
                    ok = false;
                }
            }
        }
        break;
    }
    case ParameterSeite::Hoehe:
        ganzzahl("hEdit1", p.HidokaiZeiger, "hLabel5", B::HidokaiZeiger);
        ganzzahl("hEdSkala", s_.SkalaHidokai, "hlhorLaenge", B::SkalaHidokai);
        ganzzahl("hEdSkalaS", s_.SkalaHidokai2, "hLabel19", B::SkalaHidokai2);
        break;
    case ParameterSeite::Ring: {
        real("rDurchEdit", p.RingDurchmesser, "Label62", B::RingDurchmesser);
        real("rBreitEdit", p.RingBreite, "Label63", B::RingBreiteSchliessen);
        real("rAlphEdit", p.RingAlpha, "Label68", B::RingAlpha);
        if (sch.Ganzjaehrig)
            real("rOff2", s_.RingLochVersatz, "Label166", B::RingLochVersatz);
        else
            real("rOff2", s_.DeklOben, "Label166", B::DeklOben);
        if (rg("rgRi2")->itemIndex() == 1) {
            sch.Zonenzeit = 0;
            sch.TemporalAnzeige = 1;
            sch.Ortszeit = 0;
        } else {
            sch.TemporalAnzeige = 0;
            sch.Ortszeit = 1;
        }
        break;
    }
    case ParameterSeite::SawyerPeau:
        real("EdSawyer", p.Gnomonhoehe, "Label171", B::SawyerGnomonhoehe);
        real("EdSWi", p.DatumWinkel, "Label79", B::DatumWinkelSchliessen);
        breite("EdSaw");
        breite("EdSaw2");
        real("EdSzp", p.DatumMitte, "Label173", B::DatumMitte);
        ganzzahl("EdEinheit", p.Einheit, "Label195", B::EinheitSchliessen);
        real("EdPeau", p.PeauParameter, "Label193", B::PeauParameter);
        break;
    case ParameterSeite::Biazimut:
    case ParameterSeite::MittlereZeit: {
        if (gezeigt("RgAzCo2"))
            sch.Zonenzeit = rg("RgAzCo2")->itemIndex() == 1;
        // The latitudes keep off the equator as their exit checks keep them.
        breite("EdLat1");
        breite("EdLat1b");
        breite("ed2Lat");
        real("EdLong1", p.Laenge, "Label91", B::Laenge);
        real("EdLong1b", p.Laenge, "Label91b", B::Laenge);
        real("Ed2Long", p.Laenge2, "Label91", B::Laenge2);
        real("EdAbw1", p.Wandabweichung, "Label95", B::Wandabweichung);
        real("EdAbw1b", p.Wandabweichung, "Label95b", B::Wandabweichung);
        real("EdAbw2", p.Wandabweichung2, "Label95", B::Wandabweichung);
        real("EdZon1", p.Zonenmeridian, "Label86", B::Zonenmeridian);
        real("EdZon1b", p.Zonenmeridian, "Label86b", B::Zonenmeridian);
        ganzzahl("Ed2", sch.AnalemmaStunde, "chB4Az", B::AnalemmaStunde);
        real("EdKegel", p.Gnomonhoehe, "Label23b", B::Gnomonhoehe);
        if (gezeigt("EdNeig")) {
            double x = p.KegelNeigung;
            bool err = false;
            pruefRealBereichBewahrt(s_, u_.prompt, ed("EdNeig"), x, labelText("Label34"), B::KegelNeigungSchliessen,
                                    err);
            if (!err && !kegelNeigungZulaessig(x, B::KegelNeigungSchliessen)) {
                u_.prompt.ask(PromptTitle::Problem, PromptIcon::Question,
                              labelText("Label34") + "=" + ed("EdNeig")->text().trimmed().toStdString() + "\r\n" +
                                  std::string(meldungsText(s_, 13)) + " [" +
                                  RealStr(DateiBereich::KegelNeigung.von, 8, 2) + ", ...," +
                                  RealStr(DateiBereich::KegelNeigung.bis, 7, 1) + "] !",
                              PromptButtons::Ok);
                ed("EdNeig")->setFocus();
                err = true;
            }
            if (err)
                ok = false;
            else
                p.KegelNeigung = dateiWert(kegelNeigungGespeichert(x), DateiStellen::KegelNeigung);
        }
        ganzzahl("EdScale", sch.Kartenmassstab, "Label129", B::Kartenmassstab);
        if (gezeigt("EdSpi")) {
            // The half opening must stay below the axis inclination, or the cone has no section.
            double x = p.KegelOeffnung;
            if (!realGeprueft("EdSpi", x, "Label46", B::KegelOeffnungSchliessen)) {
                ok = false;
            } else if (!KegelOeffnungPasst(x, p.KegelNeigung)) {
                u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning,
                              "Der Winkel muss kleiner als die Neigung der Kegelachse sein!", PromptButtons::Ok);
                ed("EdSpi")->setFocus();
                ok = false;
            } else {
                p.KegelOeffnung = x;
            }
        }
        break;
    }
    case ParameterSeite::Planar:
        ganzzahl("Ed1", sch.AnalemmaStunde, "ChB4", B::AnalemmaStunde);
        // The plane's own fields report and repair themselves; they do not block closing.
        if (gezeigt("EdInkl"))
            inklinationVerlassen("EdInkl");
        if (gezeigt("EdDekl"))
            wandabweichungVerlassen("EdDekl");
        gnomonGeprueft();
        break;
    }

    s_.FensterFrei = ok;
    if (!ok)
        u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning, std::string(meldungsText(s_, 8)), PromptButtons::Ok);
    eintragen();
    return ok;
}

// ---- exit checks shared by many fields -----------------------------------------------------

void ParameterDialog::edit1Exit(const char* feld)
{
    TPar& p = s_.Par;
    TSchalter& sch = s_.Schalter;
    namespace B = DialogBereich;
    const std::string name(feld);
    if (name == "Edit1") {
        if (sch.ZylinderArt == 2) {
            if (realGeprueft(feld, p.ZylZeiger, "Label5", B::ZylZeiger))
                zeigeWert(feld, p.ZylZeiger, 6, 2, true);
        } else {
            if (ganzGeprueft(feld, p.Skalenlaenge, "Label5", B::Skalenlaenge))
                zeigeGanz(feld, p.Skalenlaenge);
            skalaZylinder2Zeigen();
        }
    } else if (name == "EdSWi") {
        if (realGeprueft(feld, p.DatumWinkel, "Label79", B::DatumWinkelVerlassen))
            zeigeWert(feld, p.DatumWinkel, 5, 2, true);
    } else if (name == "EdSawyer") {
        if (realGeprueft(feld, p.Gnomonhoehe, "Label171", B::SawyerGnomonhoehe))
            zeigeWert(feld, p.Gnomonhoehe, 6, 2, true);
    } else if (name == "EdSzp") {
        if (realGeprueft(feld, p.DatumMitte, "Label173", B::DatumMitte))
            zeigeWert(feld, p.DatumMitte, 4, 0, true);
    } else if (name == "rOff2") {
        if (sch.Ganzjaehrig) {
            if (realGeprueft(feld, s_.RingLochVersatz, "Label166", ringLochVersatzBereich(s_.EpsRund)))
                zeigeWert(feld, s_.RingLochVersatz, 6, 2);
        } else if (realGeprueft(feld, s_.DeklOben, "Label166", deklObenBereich(s_.EpsRund))) {
            zeigeWert(feld, s_.DeklOben, 6, 2);
        }
    } else if (name == "EdRAdius") {
        if (realGeprueft(feld, p.ZylRadius, "LZylRad", B::ZylRadius))
            zeigeWert(feld, p.ZylRadius, 6, 2, true);
        setzeText("LUmfang", " = " + RealStr(2 * static_cast<double>(piExt) * p.ZylRadius, 5, 1));
    } else if (name == "EdHabermel") {
        habermelGnomonVerlassen();
    } else if (name == "hEdit1") {
        if (ganzGeprueft(feld, p.HidokaiZeiger, "hLabel5", B::HidokaiZeiger))
            zeigeGanz(feld, p.HidokaiZeiger);
    } else if (name == "EdScale") {
        if (ganzGeprueft(feld, sch.Kartenmassstab, "Label129", B::Kartenmassstab))
            zeigeGanz(feld, sch.Kartenmassstab);
    } else if (name == "EdAz1") {
        realGeprueft(feld, s_.AzAbstand, "Label106", B::AzAbstand);
    } else if (name == "EdAz2") {
        if (realGeprueft(feld, s_.AzGrundplatte, "Label107", B::AzGrundplatte))
            zeigeWert(feld, s_.AzGrundplatte, 5, 1);
    } else if (name == "edQuad") {
        if (ganzGeprueft(feld, p.QuadrantGroesse, "Label147", B::QuadrantGroesse))
            zeigeGanz(feld, p.QuadrantGroesse);
    } else if (name == "rDurchEdit") {
        realGeprueft(feld, p.RingDurchmesser, "Label62", B::RingDurchmesser);
    } else if (name == "rBreitEdit") {
        realGeprueft(feld, p.RingBreite, "Label63", B::RingBreiteVerlassen);
    } else if (name == "rAlphEdit") {
        realGeprueft(feld, p.RingAlpha, "Label68", B::RingAlpha);
    }
}

bool ParameterDialog::habermelGnomonVerlassen()
{
    TPar& p = s_.Par;
    const TSchalter& sch = s_.Schalter;
    if (sch.Hoehenuhrart == 0)
        return true;
    double g = p.HabermelGnomon;
    if (!realGeprueftText("EdHabermel", g, labelText("l2Habermel"), DialogBereich::HabermelGnomon))
        return false;
    if (g == p.HabermelGnomon)
        return true; // the gnomon kept: the diameter computed with it stays
    double d = p.HabermelDurchmesser;
    if (!HabermelDurchmesserAusGnomon(sch.Hoehenuhrart, g, p.Breite, s_.EpsRund, d)) {
        u_.prompt.ask(PromptTitle::Fehler, PromptIcon::Warning, TextPaar(s_, 24, 1), PromptButtons::Ok);
        zeigeWert("EdHabermel", p.HabermelGnomon, 5, 1);
        ed("EdHabermel")->setFocus();
        return false;
    }
    if (d > DialogBereich::HabermelDurchmesser.bis) {
        // The gnomon would need a dial beyond the largest diameter: neither value changes.
        u_.prompt.ask(PromptTitle::Warnung, PromptIcon::Information, holeText(s_, 577) + "\r\n" + holeText(s_, 578),
                      PromptButtons::Ok);
        zeigeWert("EdHabermel", p.HabermelGnomon, 5, 1);
        ed("EdHabermel")->setFocus();
        return false;
    }
    p.HabermelGnomon = HabermelZehntel(g);
    p.HabermelDurchmesser = HabermelZehntel(d);
    zeigeWert("EdHabermel", g, 5, 1);
    zeigeWert("EdHabermel2", d, 5, 1);
    return true;
}

void ParameterDialog::analemmaStundeVerlassen(const char* feld)
{
    bool err = false;
    pruefInt(s_, u_.prompt, ed(feld), ganz(DialogBereich::AnalemmaStunde.von), ganz(DialogBereich::AnalemmaStunde.bis),
             labelText("ChB4"), s_.Schalter.AnalemmaStunde, err);
    for (const char* n : {"Ed1", "Ed1S", "Ed2"})
        if (!(err && std::string(n) == feld))
            zeigeGanz(n, s_.Schalter.AnalemmaStunde, true);
}

void ParameterDialog::gnomonVerlassen(const char* feld)
{
    const char* label = std::string(feld) == "EdGnom" ? "Label1" : std::string(feld) == "EdKegel" ? "Label23b" : "Label23";
    // A refused height is reported and the field shows the height kept, the last good one.
    realGeprueft(feld, s_.Par.Gnomonhoehe, label, DialogBereich::Gnomonhoehe);
    for (const char* n : {"EdGnom", "EdKegel", "EdSolZeig"})
        zeigeWert(n, s_.Par.Gnomonhoehe, 6, 2);
}

} // namespace umbrin
