#include "dials/altitude/HoehenuhrHpgl.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/altitude/HoehenuhrHpglSchreiber.h"

#include <algorithm>
#include <cmath>

namespace umbrin {

std::string hoehenuhrPlotVerweigerung(const AppState& s, bool zylinder)
{
    const bool temporal = zylinder ? s.Schalter.Temporalstunden != 0 : s.Schalter.TemporalAnzeige != 0;
    return temporalZuHoch(s.Par.Breite, temporal) ? temporalVerweigerungText(s) : std::string();
}

std::string schreibeHoehenuhrHPGL(const AppState& s, HPGLDatei& datei, UserPrompt& frage,
                                  const HoehenuhrPlotAuftrag& a)
{
    if (std::string nein = hoehenuhrPlotVerweigerung(s, a.zylinder); !nein.empty())
        return nein;
    HoehenuhrHpglSchreiber schreiber(s, datei, frage, a);
    schreiber.schreibe();
    // Plates deeper than the sheet are plotted all the same; the user learns what is lost.
    if (schreiber.unterkante() < 0)
        frage.ask(PromptTitle::Warnung, PromptIcon::Warning,
                  sprachText(s, "Die Platten reichen unter das Plotblatt: ihr unterer Teil fehlt.\r\n"
                                "Bitte die Schattenkante oder die Plattenlänge kürzen.",
                             "The plates reach below the plot sheet: their lower part is missing.\r\n"
                             "Please shorten the shadow-casting edge or the plate."),
                  PromptButtons::Ok);
    return {};
}

HoehenuhrHpglSchreiber::HoehenuhrHpglSchreiber(const AppState& s, HPGLDatei& datei, UserPrompt& frage,
                                               const HoehenuhrPlotAuftrag& a)
    : s_(s), datei_(datei), frage_(frage), a_(a), zylinder_(a.zylinder)
{
    nebeneinander_ = s.Schalter.Monatsskala != 0;
    temporal_ = zylinder_ ? s.Schalter.Temporalstunden != 0 : s.Schalter.TemporalAnzeige != 0;
    k_ = zylinder_ ? hpglFaktor(s.AlsHPGL != 0) : 1;
    zahlen_.begrenze(0, 0, kBlattBreite * k_, kBlattHoehe * k_);
    // The cylinder's numbers on one line keep a blank of the plotter's labels apart (a character
    // cell, some 1.2 of their height), else they read as one.
    if (zylinder_)
        zahlen_.setzeLeerraum(1.2);
    // The legend's lines at the sheet's foot (the time kind, the cylinder's gnomon length).
    zahlen_.belege(1100 * k_, 350 * k_, 6500 * k_, 250 * k_);
    const double einheit = hpglEinheitenProMm * k_;
    P_ = a.groesse * einheit;
    // The cylinder's month axis is held at 250 mm as the screen and the page hold it, so the
    // sheet matches the printed one.
    const int laenge = zylinder_ ? s.SkalaZylinder : s.SkalaHidokai;
    gekuerzt_ = zylinder_ && laenge > 250;
    L_ = (gekuerzt_ ? 250 : laenge) * einheit;
    S2_ = s.SkalaHidokai2 * einheit;
    V_ = !zylinder_ && s.Schalter.HidokaiVertikal ? P_ : 0;
    if (zylinder_) {
        const double phi = std::fabs(s.Par.Breite);
        const double hoeheMax = phi < s.EpsRund ? 89.99 : 90 - phi + s.EpsRund;
        D_ = std::min(static_cast<double>(roundHalfEven(std::fabs(1.05 * P_ * std::tan(hoeheMax * kRad)))),
                      9600.0 * k_);
        y0_ = 10250.0 * k_;
    } else {
        D_ = S2_;
        y0_ = 10500.0 * k_;
    }
}

std::string HoehenuhrHpglSchreiber::z(double x) const
{
    return hpglZahl(x);
}

// A bar 140 units wide, the gnomon's stem of its true length hanging from it and a closed
// arrow head 100 units high at its lower end.
void HoehenuhrHpglSchreiber::gnomonMarke(double a, double b)
{
    // The hour numbers keep clear of the mark.
    zahlen_.belege(canvasZahl((a - 70) * k_), canvasZahl(b * k_ - P_), canvasZahl(140.0 * k_), canvasZahl(P_));
    const double k = k_;
    zeile(";SP 1;PU " + z((a - 70) * k) + " " + z(b * k) + ";PD " + z((a + 70) * k) + " " + z(b * k) + " "
          + z(a * k) + " " + z(b * k) + " " + z(a * k) + " " + z(b * k - P_) + " " + z((a - 70) * k) + " "
          + z((b + 100) * k - P_) + " " + z((a + 70) * k) + " " + z((b + 100) * k - P_) + " " + z(a * k) + " "
          + z(b * k - P_) + ";");
}

void HoehenuhrHpglSchreiber::legende()
{
    const double k = k_;
    const double x = (zylinder_ ? 4600 : 1000) * k;
    const std::string titel = zylinder_ ? sprachText(s_, "Zylindersonnenuhr", " Cylinder Sundial") + " "
                                              + sprachText(s_, " (Hirtensonnenuhr)", " (Shepherds' Dial)")
                                        : std::string(texteText(s_, 152));
    zeile(";SP 4;" + hpglZeichengroesse(0.3 * k, 0.45 * k) + ";PU " + z(x) + " " + z(11150 * k) + ";"
          + hpglLabel(titel));
    const std::string grad = sprachText(s_, " Grad", " deg");
    zeile(";" + hpglZeichengroesse(0.2 * k, 0.28 * k) + ";PU " + z(x) + " " + z(10900 * k) + ";"
          + hpglLabel(sprachText(s_, "Geogr. Breite = ", "Latitude = ") + RealStr(s_.Par.Breite, 6, 2) + grad
                      + sprachText(s_, ", Geogr. Länge = ", ", Longitude = ") + RealStr(s_.Par.Laenge, 6, 2)
                      + grad));
    std::string art = s_.Schalter.Ortszeit ? sprachText(s_, "Ortszeit", "local time")
                                           : sprachText(s_, "Zonenzeit", "time at zone meridian");
    art += ", "
           + (s_.Schalter.MitZeitglZylinder ? sprachText(s_, "mit Zeitgl.", "with EoT")
                                            : sprachText(s_, "ohne Zeitgl.", "without EoT"));
    if (temporal_)
        art += "," + sprachText(s_, " Temporalstunden", " Temporal hours");
    if (zylinder_) {
        const std::string stunden = sprachText(s_, "Stunden", "hours");
        if (s_.Schalter.Italienisch)
            art += sprachText(s_, ", Ital. ", ", Italian ") + stunden;
        if (s_.Schalter.Babylonisch)
            art += sprachText(s_, ", Babylon. ", ", Babylonian ") + stunden;
    }
    // The time kind stands below the frame; a frame as deep as the edge height 'b' gives
    // (its vertical plate reaching down to that line) puts it a line lower.
    const double yArt = y0_ - D_ - V_ < 600 * k ? 350 * k : 500 * k;
    zeile(";" + hpglZeichengroesse(0.18 * k, 0.24 * k) + ";PU " + z(1100 * k) + " " + z(yArt) + ";"
          + hpglLabel(art));
    if (zylinder_) {
        zeile(";PU " + z(15780 * k) + " " + z(100 * k) + ";" + hpglLabel("J.W."));
        zeile(";PU " + z(1100 * k) + " " + z(350 * k) + ";"
              + hpglLabel(std::string(texteText(s_, 151)) + RealStr(a_.groesse, 5, 0) + " mm"));
    }
    if (gekuerzt_) {
        // The note of the shortened axis along the sheet's right edge, reading downwards.
        zeile(";SP 3;" + hpglZeichengroesse(0.2 * k, 0.26 * k) + ";DI 0,-1;PU " + z(16100 * k) + " " + z(10500 * k)
              + ";" + hpglLabel(std::string(texteText(s_, 155))) + ";DI;SP 4");
    }
}

HoehenuhrHpglSchreiber::Skala HoehenuhrHpglSchreiber::skala(double x0) const
{
    Skala sk;
    sk.x0 = x0;
    if (nebeneinander_) {
        sk.dStart = 1;
        sk.dEnd = TagImJahr(s_.Par.Jahr, 12, 31);
        sk.N = sk.dEnd;
        sk.ersterMonat = 1;
        sk.tagSchritt = L_ / (sk.N - 1);
    } else {
        sk.dStart = TagImJahr(s_.Par.Jahr, 6, 21);
        sk.dEnd = sk.dStart + 183;
        sk.N = 183;
        sk.ersterMonat = 7;
        sk.tagSchritt = L_ / 183.0;
    }
    return sk;
}

void HoehenuhrHpglSchreiber::datumsskala(double x0)
{
    skala_ = skala(x0);
    const Skala& sk = skala_;
    const double k = k_;
    const double rechts = x0 + sk.N * sk.tagSchritt;
    const double tief = y0_ - D_ - V_;
    if (fensterGesetzt_)
        zeile(";IW"); // the scale itself is not cut by the previous copy's window
    if (s_.Schalter.Stiftbreite != 1)
        zeile(";PW 0");
    zeile(";SP 1;PU " + z(x0) + " " + z(y0_) + ";PD " + z(rechts) + " " + z(y0_) + " " + z(rechts) + " " + z(tief)
          + " " + z(x0) + " " + z(tief) + " " + z(x0) + " " + z(y0_));
    // The altitude dial's numbers stand left of the frame: none may sit on its left edge.
    if (!zylinder_)
        zahlen_.belege(canvasZahl(x0) - 1, canvasZahl(tief), 2, canvasZahl(y0_ - tief));
    if (zylinder_ && s_.Schalter.Sonnenhoehe) {
        const double r2 = rechts + 260 * k;
        zeile(";PU;SP 8;PU " + z(rechts) + " " + z(y0_) + ";PD " + z(r2) + " " + z(y0_) + " " + z(r2) + " "
              + z(y0_ - D_) + " " + z(rechts) + " " + z(y0_ - D_) + " " + z(rechts) + " " + z(y0_));
        for (int a = 2; a <= 88; ++a) {
            const double ya = P_ * TanGrad(a);
            if (!(ya < D_ + V_))
                break;
            const double y = y0_ - ya;
            zeile(";PU " + z(a % 5 == 0 ? x0 : rechts + 130 * k) + " " + z(y) + ";PD " + z(r2) + " " + z(y));
            if (a % 5 == 0)
                zeile(";PU " + z(rechts + 300 * k) + " " + z(y) + ";" + hpglLabel(" " + IntStr(a)));
        }
        zeile(";PU;SP 1");
    }
    if (V_ > 0)
        zeile(";PU " + z(x0) + " " + z(y0_ - S2_) + ";PD " + z(rechts) + " " + z(y0_ - S2_));
    zeile(";" + hpglZeichengroesse(0.2 * k, 0.26 * k) + ";");
    const bool klein = (zylinder_ ? s_.SkalaZylinder : s_.SkalaHidokai) < 81;
    const auto xVon = [&](std::int32_t d) { return x0 + (d - sk.dStart) * sk.tagSchritt; };
    for (int monat = sk.ersterMonat; monat <= 12; ++monat) {
        for (int tag : {1, 11, 21}) {
            if (klein && tag != 1)
                continue;
            const std::int32_t d = TagImJahr(s_.Par.Jahr, monat, tag);
            if (!nebeneinander_ && d >= 357)
                continue;
            zeile(";PU " + z(xVon(d)) + " " + z(y0_) + ";PD " + z(xVon(d)) + " " + z(tief));
        }
    }
    const auto buchstaben = [&](int monat) {
        const std::string name(monatKurz(s_, monat));
        return name.substr(0, klein ? 1 : 3);
    };
    // On a short scale a month whose name would reach the last one written is left unnamed.
    const auto ende = [&](double x, const std::string& text) {
        return x + (1.5 * static_cast<double>(text.size()) + 0.5) * 80 * k;
    };
    // The cylinder's hour numbers keep off the names, which stand just above the frame.
    const auto name = [&](double x, double y, const std::string& text) {
        zeile(";PU " + z(x) + " " + z(y) + ";" + hpglLabel(text));
        if (zylinder_)
            zahlen_.belege(canvasZahl(x), canvasZahl(y), canvasZahl(ende(x, text) - x), canvasZahl(104 * k));
    };
    double frei = -1e300, freiUnten = -1e300;
    for (int monat = sk.ersterMonat; monat <= 12; ++monat) {
        const double x = xVon(TagImJahr(s_.Par.Jahr, monat, 1)), xUnten = x + 7 * sk.tagSchritt;
        const bool unten = !nebeneinander_ && xUnten >= freiUnten;
        if (unten)
            freiUnten = ende(xUnten, buchstaben(13 - monat));
        const auto untenBenennen = [&] {
            if (unten)
                name(xUnten, y0_ + 160 * k, buchstaben(13 - monat));
        };
        if (x < frei) {
            untenBenennen();
            continue;
        }
        frei = ende(x, buchstaben(monat));
        double y;
        if (zylinder_)
            y = y0_ + 300 * k;
        else if (klein && monat < 7)
            y = y0_ + 90 * k;
        else
            y = y0_ + (nebeneinander_ ? 260 : 20) * k;
        name(x, y, buchstaben(monat));
        if (nebeneinander_ && !klein) {
            const double yt = y0_ + ((zylinder_ ? 160 : 100) - 20) * k;
            name(x - 2 * sk.tagSchritt, yt, "1.");
            name(x + 8 * sk.tagSchritt, yt, "11.");
        }
        untenBenennen();
    }
    fensterBefehl(hauptFenster());
}

// The clip window, written lower left then upper right as plotters read it.
void HoehenuhrHpglSchreiber::fensterBefehl(const Fenster& f)
{
    fensterGesetzt_ = true;
    zeile(";IW " + z(skala_.x0 - 240 * k_) + " " + z(f.unten) + " " + z(skala_.x0 + skala_.N * skala_.tagSchritt)
          + " " + z(f.oben));
}

void HoehenuhrHpglSchreiber::schreibe()
{
    const TSchalter& sw = s_.Schalter;
    const TZeiten& zt = s_.Zeiten;
    const double k = k_;
    zeile("IN;VS 1;PA;");
    if (zylinder_)
        gnomonMarke(100, static_cast<double>(roundHalfEven(P_ / k + 400.0)));
    else
        gnomonMarke(180, 10500);
    legende();

    Konstruktionsmeldungen still;
    const Stundenbereich temporal = temporalBereich(s_, zt.QuadTempVon, zt.QuadTempBis, still);
    const bool ortszeit = sw.Ortszeit != 0;
    const bool mitZeitgl = sw.MitZeitglZylinder != 0;
    const Stundenbereich uhrRoh{zt.QuadVon, zt.QuadBis};
    const Stundenbereich uhr = mittagsregel(uhrRoh, ortszeit, mitZeitgl);
    const bool uhrKurven = zylinder_ ? sw.OhneZeitgl != 0 : !temporal_;

    if (nebeneinander_) {
        datumsskala(400 * k);
        if (temporal_)
            stundenteil({400 * k, ortszeit, true, temporal});
        if (uhrKurven)
            stundenteil({400 * k, ortszeit, false, uhr});
        if (zylinder_ && s_.ExpertenModusStart && s_.UhrTyp == 'z')
            italBabyl(skala_, hauptFenster());
        zeile(";LT;");
    } else {
        const bool zweiKopien = zylinder_ && L_ < 7320 * k;
        if (temporal_) {
            gefalteterTeil({400 * k, ortszeit, true, temporal});
            if (zweiKopien)
                gefalteterTeil({8350 * k, true, true, temporal});
        }
        if (uhrKurven && !zylinder_) {
            gefalteterTeil({400 * k, ortszeit, false, uhr});
        } else if (uhrKurven && mitZeitgl) {
            if (zweiKopien) {
                gefalteterTeil({100 * k, ortszeit, false, {uhr.von, std::min(uhr.bis, 12)}});
                gefalteterTeil({8350 * k, ortszeit, false, {std::max(uhr.von, 12), uhr.bis}});
            } else {
                if (uhr.von < 12 && 12 < uhr.bis)
                    frage_.ask(PromptTitle::Information, PromptIcon::Question,
                               "Die Skala sollte besser \r\nin 2 Teilen für Vormittag und Nachmittag gedruckt werden !",
                               PromptButtons::Ok);
                gefalteterTeil({400 * k, ortszeit, false, uhr});
            }
        } else if (uhrKurven) {
            gefalteterTeil({400 * k, ortszeit, false, uhr});
            if (zweiKopien)
                gefalteterTeil({8350 * k, false, false, {uhrRoh.von, 12}});
        } else if (zylinder_ && !temporal_) {
            // Neither kind of curve: the scale alone.
            gefalteterTeil({400 * k, ortszeit, false, {1, 0}});
            if (zweiKopien)
                gefalteterTeil({8350 * k, false, false, {1, 0}});
        }
    }
    zeile(";IN;");
}

} // namespace umbrin
