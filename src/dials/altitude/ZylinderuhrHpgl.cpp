#include "dials/altitude/ZylinderuhrHpgl.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/Raster.h"
#include "dials/altitude/FilterhutZeichnung.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/altitude/PolstabZeichnung.h"
#include "dials/altitude/ZylinderuhrHpglSchreiber.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
ZylinderPlotAuftrag filterhutPlotAuftrag(const AppState& s)
{
    return {true, s.Zoom, static_cast<double>(s.SkalaZylinder), static_cast<double>(s.Par.Skalenlaenge)};
}

ZylinderPlotAuftrag polstabPlotAuftrag(const AppState& s)
{
    return {false, s.Zoom, s.Par.ZylRadius, s.Par.ZylZeiger};
}

std::string zylinderPlotVerweigerung(const AppState& s, const ZylinderPlotAuftrag& a)
{
    if (temporalZuHoch(s.Par.Breite, s.Schalter.Temporalstunden != 0))
        return temporalVerweigerungText(s);
    if (a.filterhut)
        return {};
    if (std::string nein = polstabMassFehler(s, a.A2, a.A1); !nein.empty())
        return nein;
    if (!polstabHatLinien(s, a.zoom, a.A1, a.A2)) {
        const ZweiZeilen z = polstabOhneLinien(s);
        return z.erste + "\n" + z.zweite;
    }
    return {};
}

std::string schreibeZylinderuhrHPGL(const AppState& s, HPGLDatei& datei, UserPrompt& frage,
                                    const ZylinderPlotAuftrag& a)
{
    if (std::string nein = zylinderPlotVerweigerung(s, a); !nein.empty())
        return nein;
    ZylinderuhrHpglSchreiber(s, datei, frage, a).schreibe();
    return {};
}

ZylinderuhrHpglSchreiber::ZylinderuhrHpglSchreiber(const AppState& s, HPGLDatei& datei, UserPrompt& frage,
                                                   const ZylinderPlotAuftrag& a)
    : s_(s), datei_(datei), frage_(frage), a_(a), filterhut_(a.filterhut)
{
    k_ = hpglFaktor(s.AlsHPGL != 0);
    const double k = k_;
    // A blank of the plotter's labels is a character cell, 1.5 characters wide, some 1.2 of
    // their height: numbers on one line nearer than that read as one.
    zahlen_.setzeLeerraum(1.2);
    sigma_ = s.Par.Breite >= 0 ? 1 : -1;
    if (!filterhut_ && s.FusspunktGesetzt) {
        X0_ = s.FusspunktX * k;
        Y0_ = s.FusspunktY * k;
    } else {
        X0_ = 8200 * k;
        Y0_ = 9700 * k;
    }
    const double einheit = hpglEinheitenProMm * k;
    u_ = a.A2 * einheit / 360;
    kp_ = static_cast<double>(roundHalfEven(a.A1 * einheit * a.zoom));
    // The filter-hat's circumference is drawn as entered: its azimuth scale does not zoom.
    Rs_ = a.A2 * einheit * (filterhut_ ? 1 : a.zoom);
    z_ = polstabzylinder(a.A2, a.A1, einheit * a.zoom, s.Par.Wandabweichung);
    lambda_ = s.Schalter.Ortszeit || s.Schalter.TemporalAnzeige ? s.Par.Laenge : s.Par.Zonenmeridian;
    L_ = static_cast<double>(roundHalfEven(120.0 * k));
    // The pen width of the lines, never negative.
    stiftbreite_ = hpglZahl(std::max(0, s.Schalter.Linienstaerke - 1) * k) + ";";
    if (filterhut_) {
        hm_ = 90 - std::fabs(s.Par.Breite) + 23.5;
        ybot_ = static_cast<double>(roundHalfEven(Y0_ - 1.05 * kp_ * TanGrad(hm_)));
        flaeche_ = hm_ <= 89 && ybot_ > 10;
        grenze_ = flaeche_ ? Y0_ - ybot_ : Y0_;
    }
}

// A coordinate as the seven-character field of the plot, clamped like every plotter number.
std::string ZylinderuhrHpglSchreiber::r7(double x) const
{
    if (!std::isfinite(x))
        x = 0;
    return RealStr(std::clamp(x, -hpglKoordinatenGrenze, hpglKoordinatenGrenze), 7, 0);
}

void ZylinderuhrHpglSchreiber::hpglSenkrechteZylinder(double x, double y1, double y2)
{
    zeile(";PU " + hpglZahl(x) + " " + hpglZahl(y1) + ";PD " + hpglZahl(x) + " " + hpglZahl(y2));
}

// The strip of sun altitudes right of the face, pen 8.
void ZylinderuhrHpglSchreiber::hpglHoehenskalaFilterhut()
{
    const double k = k_;
    const double t = static_cast<double>(roundHalfEven(72.0 * k));
    const double xr = static_cast<double>(roundHalfEven(X0_ + 183 * u_));
    const auto z = [](double x) { return hpglZahl(x); };
    zeile(";" + hpglZeichengroesse(0.18 * k, 0.24 * k));
    zeile(";SP 8;PU " + z(xr) + " " + z(Y0_) + ";PD " + z(xr + 4 * t) + " " + z(Y0_) + " " + z(xr + 4 * t) + " "
          + z(ybot_) + " " + z(xr) + " " + z(ybot_) + " " + z(xr) + " " + z(Y0_));
    for (int a = 1; a <= 88; ++a) {
        if (!(Y0_ - kp_ * TanGrad(a) > ybot_))
            continue;
        const double y = Y0_ - static_cast<double>(roundHalfEven(kp_ * std::tan(a * kRad)));
        const bool fuenf = a % 5 == 0;
        zeile(";PU " + z(fuenf ? X0_ - 183 * u_ : xr + 2 * t) + " " + z(y) + ";PD " + z(xr + 4 * t) + " " + z(y));
        if (fuenf)
            zeile(";PU " + z(X0_ + static_cast<double>(roundHalfEven(4.5 * t + 183 * u_))) + " "
                  + z(Y0_ - static_cast<double>(roundHalfEven(kp_ * std::tan(a * kRad) - t / 2))) + ";"
                  + hpglLabel(IntStr(a) + " °"));
    }
}

// The face's frame and its azimuth strokes every 10 degrees, labelled every 30, pen 1.
void ZylinderuhrHpglSchreiber::hpglAzimutskalaFilterhut()
{
    const double k = k_;
    zeile(";SP 1");
    if (!flaeche_)
        return;
    zeile(";" + hpglZeichengroesse(0.18 * k, 0.24 * k));
    const double links = X0_ - 183 * u_, rechts = X0_ + 183 * u_;
    const auto z = [](double x) { return hpglZahl(x); };
    zeile(";PU " + z(links) + " " + z(Y0_) + ";PD " + z(rechts) + " " + z(Y0_) + " " + z(rechts) + " " + z(ybot_)
          + " " + z(links) + " " + z(ybot_) + " " + z(links) + " " + z(Y0_));
    // On a narrow face a figure that would reach the last one written is left out.
    double frei = -1e300;
    for (int a = -180; a <= 180; a += 10) {
        hpglSenkrechteZylinder(static_cast<double>(roundHalfEven(X0_ + a * u_)), Y0_, ybot_);
        if (a % 30 != 0)
            continue;
        const std::string text = IntStr(sigma_ > 0 ? -a : a <= 0 ? -a - 180 : 180 - a);
        const double x = X0_ + a * u_ - 3 - (a <= 0 ? 72 : 144) * k;
        if (x < frei)
            continue;
        frei = x + (1.5 * static_cast<double>(text.size() - 1) + 2) * 72 * k;
        zeile(";PU " + RealStr(x, 6, 0) + " " + z(Y0_ + 80 * k) + ";" + hpglLabel(text));
    }
}

void ZylinderuhrHpglSchreiber::hpglTitelZylinder()
{
    const double k = k_;
    const std::string titel = sprachText(s_, "Zylindersonnenuhr", " Cylinder Sundial") + " "
                              + (filterhut_ ? sprachText(s_, " (Hutsonnenuhr)", " (Hat Dial)")
                                            : sprachText(s_, " (Polstab)", " (Polar Style)"));
    zeile(";SP 4;" + hpglZeichengroesse(0.3 * k, 0.45 * k) + ";PU " + hpglZahl(4600 * k) + " "
          + hpglZahl(10650 * k) + ";" + hpglLabel(ersteZeichen(titel, 45)));
    // The pointer and the cylinder's size stand once, beside the pointer's gauge.
    zeile(";" + hpglZeichengroesse(0.18 * k, 0.24 * k) + ";PU ");
    const std::string grad = sprachText(s_, " Grad", " deg");
    std::string ort = sprachText(s_, "Geogr. Breite = ", "Latitude = ") + RealStr(s_.Par.Breite, 6, 2) + grad + "; "
                      + sprachText(s_, ", Geogr. Länge = ", ", Longitude = ") + RealStr(s_.Par.Laenge, 6, 2) + grad
                      + "; ";
    if (!filterhut_)
        ort += sprachText(s_, "Südabweichung= ", "Deviation = ") + RealStr(s_.Par.Wandabweichung, 6, 2) + grad + "; ";
    zeile(hpglZahl((filterhut_ ? 4600 : 3600) * k) + " " + hpglZahl(10380 * k) + ";" + hpglLabel(ort));
    zeile(";PU " + hpglZahl(15780 * k) + " " + hpglZahl(100 * k) + ";" + hpglLabel("J.W."));
}

// The cross at the origin, the pointer at true size in the lower left corner and its label.
void ZylinderuhrHpglSchreiber::ursprungUndLegende()
{
    const double k = k_;
    zeile(";PU " + r7(X0_ - 60 * k) + " " + r7(Y0_) + ";PD " + r7(X0_ + 60 * k) + " " + r7(Y0_) + ";PU " + r7(X0_)
          + " " + r7(Y0_ - 60 * k) + ";PD " + r7(X0_) + " " + r7(Y0_ + 60 * k));
    const double b = 200 * k, c = 40 * k;
    const auto z = [](double x) { return hpglZahl(x); };
    zeile(";PU " + z(b + c) + " " + z(kp_ + b) + ";PD " + z(b) + " " + z(kp_ + b) + " " + z(b) + " " + z(kp_ + b) + " "
          + z(b) + " " + z(b) + " " + z(kp_ + b) + " " + z(b) + " " + z(kp_ + b) + " " + z(b - 2 * c) + " "
          + z(kp_ + b) + " " + z(b + 2 * c));
    const double A2 = filterhut_ ? a_.A2 : a_.A2 * a_.zoom;
    const std::string name =
        filterhut_ ? holeText(s_, 579) : sprachText(s_, "Zylinderradius", "Cylinder Radius");
    zeile(";PU " + r7(b + 2 * c) + " " + r7(b + 3 * c) + ";"
          + hpglLabel(std::string(texteText(s_, 151)) + RealStr(a_.A1 * a_.zoom, 5, 0) + " mm;  " + name + " ="
                      + RealStr(A2, 5, 0) + " mm"));
}

void ZylinderuhrHpglSchreiber::schreibe()
{
    const double k = k_;
    zeile(hpglPrologMitRahmen(16480LL * k_, 11480LL * k_) + ";SP 4;PU 0 0;");
    if (const int g = frageRaster(s_, frage_, 410); g > 0)
        hpglRaster(datei_, roundHalfEven(X0_), roundHalfEven(Y0_), 16150LL * k_, static_cast<std::int64_t>(g) * 40 * k_,
                   11030LL * k_);
    if (filterhut_) {
        if (s_.Schalter.Sonnenhoehe && flaeche_)
            hpglHoehenskalaFilterhut();
        hpglAzimutskalaFilterhut();
        // Without its face the lines run to the page's foot, which cuts them below the highest
        // noon sun: the user is told, as on the page.
        const double bis = std::atan(grenze_ / std::max(kp_, 1.0)) / kRad;
        if (!flaeche_ && bis < std::min(90.0, 90 - std::fabs(s_.Par.Breite) + s_.EpsRund))
            frage_.ask(PromptTitle::Problem, PromptIcon::Question, filterhutSchnittText(s_, bis), PromptButtons::Ok);
    }
    zeile(";" + hpglZeichengroesse(0.18 * k, 0.24 * k) + ";PU " + hpglZahl(16304 * k) + " " + hpglZahl(1148 * k));
    if (!filterhut_) {
        const double l = static_cast<double>(roundHalfEven(X0_ - z_.X * Rs_));
        const double r = static_cast<double>(roundHalfEven(X0_ + z_.X * Rs_));
        zeile(";PU " + hpglZahl(l) + " " + r7(Y0_) + ";PD " + hpglZahl(r) + " " + r7(Y0_));
        hpglSenkrechteZylinder(l, Y0_ - 40 * k, Y0_ + 40 * k);
        hpglSenkrechteZylinder(r, Y0_ - 40 * k, Y0_ + 40 * k);
        double hoehe = 0, azimut = 0;
        AzimutHoehe(hoehe, azimut, s_.Par.Breite, polstabPolDeklination(s_.Par.Wandabweichung), 15);
        const Zylinderpunkt p = projiziereZylinderHPGL(azimut, hoehe);
        if (p.gueltig) {
            xP_ = p.x;
            yP_ = p.y;
        }
    }
    zeile(";SP 1");
    hpglSenkrechteZylinder(X0_ + xP_, Y0_ - yP_ - 80 * k, Y0_ - yP_ + 80 * k);
    zeile(";PU " + hpglZahl(X0_ + xP_ + 80 * k) + " " + r7(Y0_ - yP_) + ";PD " + hpglZahl(X0_ + xP_ - 80 * k) + " "
          + r7(Y0_ - yP_));
    // A pole above the horizon marks no cut: a low sun's shadow falls above its mark.
    yP_ = std::min(yP_, 0.0);
    zeile(";SP 4;PW " + stiftbreite_ + ";" + hpglZeichengroesse(0.24 * k, 0.3 * k));
    L_ = static_cast<double>(roundHalfEven(120.0 * k));
    // The polar rod's lines run up to its pole, above the sheet for a foot high on it: they
    // stop below the title block.
    if (!filterhut_)
        zeile(";IW 0 0 " + hpglZahl(16480 * k) + " " + hpglZahl(kLinienOben * k));
    stundenlinien();
    datumslinien();
    if (!filterhut_)
        zeile(";IW 0 0 " + hpglZahl(16480 * k) + " " + hpglZahl(11480 * k));
    hpglTitelZylinder();
    ursprungUndLegende();
    zeile(";IN;");
    // The circles marking the pole lie where the plotter cannot draw them: the user is told
    // how far (a DXF drawing has no sheet).
    if (markeUeberRand_ > 0 && s_.AlsHPGL) {
        const std::string mm = RealStr(markeUeberRand_ / (hpglEinheitenProMm * k), 0, 0);
        frage_.ask(PromptTitle::Warnung, PromptIcon::Warning,
                   s_.Sprachspalte == 2
                       ? "The pole's mark lies off the plot sheet: its circle reaches " + mm
                             + " mm past the edge, where the plotter cuts it off.\n\rPlease shorten the pointer"
                             + (filterhut_ ? std::string(".") : std::string(" or move the foot point."))
                       : "Die Marke des Pols liegt außerhalb des Plotblatts: ihr Kreis reicht " + mm
                             + " mm über den Rand, wo der Plotter ihn abschneidet.\n\rBitte den Zeiger kürzen"
                             + (filterhut_ ? std::string(".") : std::string(" oder den Fußpunkt verschieben.")),
                   PromptButtons::Ok);
    }
}

} // namespace umbrin
