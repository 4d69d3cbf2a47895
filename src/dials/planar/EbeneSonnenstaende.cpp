#include "dials/planar/EbeneSonnenstaende.h"

#include "core/SonneEbene.h"
#include "core/Sonne.h"
#include "core/Winkel.h"
#include "dials/Sonnwendazimut.h"
#include "dials/UngleicheStunden.h"

#include <cmath>

namespace umbrin {

Sonnenstand Sonnenrechner::azimutHoehe(double dekl, double t)
{
    if (!deklBekannt_ || !(dekl_.grad == dekl) || std::signbit(dekl_.grad) != std::signbit(dekl)) {
        dekl_ = GradMitSinus(dekl);
        deklBekannt_ = true;
    }
    return azimutHoehe(dekl_, t);
}

Sonnenstand Sonnenrechner::azimutHoehe(const GradMitSinus& dekl, double t)
{
    Sonnenstand st;
    if (!richtung_) {
        AzimutHoehe(st.hoehe, st.azimut, phi_, dekl, t);
        return st;
    }
    // The hour angle brought into -180..180 as AzimutHoehe does, then the sun's direction in
    // the horizon: up, towards south, towards west.
    if (!std::isfinite(t))
        t = 0;
    if (std::fabs(t) > 1e6)
        t = std::fmod(t, 360.0);
    while (std::fabs(t) > 180)
        t -= t > 0 ? 360 : -360;
    const double ct = CosGrad(t), stw = SinGrad(t);
    st.alsRichtung = true;
    st.oben = phi_.sin * dekl.sin + phi_.cos * dekl.cos * ct;
    st.sued = phi_.sin * dekl.cos * ct - phi_.cos * dekl.sin;
    st.west = dekl.cos * stw;
    // As AzimutHoehe, a sun on the horizon (sunrise and sunset lines) stands just above or
    // below it, zero counting as above, and a sun due east or west just south or north of it.
    const auto vorzeichen = [](double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); };
    if (std::fabs(st.oben) < 1e-10)
        st.oben = (vorzeichen(st.oben) + 0.2) * 1e-10;
    if (std::fabs(st.sued) < 1e-10) {
        const double horizontal = std::sqrt(st.sued * st.sued + st.west * st.west);
        if (std::fabs(st.sued) < 1e-10 * horizontal)
            st.sued = (vorzeichen(st.sued) + 0.2) * 1e-10 * horizontal;
    }
    return st;
}

void Sonnenrechner::position(std::int32_t jahr, double tag, double& dekl, double& zeitgl)
{
    if (!positionBekannt_ || jahr != jahr_ || !(tag == tag_)) {
        SonnenPosition(jahr, positionDekl_, positionZeitgl_, tag);
        jahr_ = jahr;
        tag_ = tag;
        positionBekannt_ = true;
    }
    dekl = positionDekl_;
    zeitgl = positionZeitgl_;
}

namespace {

// The sun at a clock time of day n in local time of the meridian `meridian`, as
// SonnenstandOrtszeit computes it: the day's sun at that meridian's noon.
Sonnenstand ortszeit(Sonnenrechner& r, std::int32_t jahr, std::int32_t n, double uhrzeit, double laenge,
                     double meridian)
{
    double dekl = 0, zeitgl = 0;
    r.position(jahr, n + (meridian / 15) / 24, dekl, zeitgl);
    return r.azimutHoehe(dekl, (uhrzeit - 12) * 15 - (laenge - meridian));
}

} // namespace

Sonnenstand sonneDatumslinie(const AppState& s, const DatumslinienTabelle& tabelle, bool tierkreisModus, int k,
                             double t, Sonnenrechner& r, double X2, double laenge)
{
    if (tierkreisModus) {
        const int i = 6 * k;
        const double dekl = i >= 0 && i < static_cast<int>(s.DeklTabelle.size()) ? s.DeklTabelle[static_cast<std::size_t>(i)] : 0;
        return r.azimutHoehe(dekl, 15 * t - 180);
    }
    const std::int32_t tag = tabelle.Tage.at(static_cast<std::size_t>(k));
    if (tag == TagImJahr(s.Par.Jahr, 3, 21) || tag == TagImJahr(s.Par.Jahr, 9, 23))
        return r.azimutHoehe(0, (t + X2 - 12) * 15);
    return ortszeit(r, s.Par.Jahr, tag, t + X2, laenge, s.Par.Zonenmeridian);
}

Sonnenstand sonneTageslaengenlinie(double dekl, double t, Sonnenrechner& r, double X2)
{
    return r.azimutHoehe(dekl, (t + X2 - 12) * 15);
}

Sonnenstand sonneTageslaengenlinie(double dekl, double t, double X1, double X2)
{
    Sonnenrechner r(X1);
    return sonneTageslaengenlinie(dekl, t, r, X2);
}

Sonnenstand sonneStundenlinie(const AppState& s, std::int32_t tag, double t, bool mitZeitgl, Sonnenrechner& r,
                              double X2, double laenge)
{
    // As SonnenstandZonenzeit: the sun of the moment at the zone meridian.
    const double uhrzeit = t + X2;
    const double zm = s.Par.Zonenmeridian;
    double dekl = 0, zeitgl = 0;
    r.position(s.Par.Jahr, tag + (uhrzeit + zm / 15 - 12) / 24, dekl, zeitgl);
    double stundenwinkel = (uhrzeit - 12) * 15 - (laenge - zm);
    if (mitZeitgl)
        stundenwinkel += zeitgl;
    return r.azimutHoehe(dekl, stundenwinkel);
}

Sonnenstand sonneStundenlinie(const AppState& s, std::int32_t tag, double t, bool mitZeitgl, double X1, double X2,
                              double laenge)
{
    Sonnenrechner r(X1);
    return sonneStundenlinie(s, tag, t, mitZeitgl, r, X2, laenge);
}

Sonnenstand Stundensonnen::sonne(const AppState& s, std::int32_t tag, int stunde, bool mitZeitgl, Sonnenrechner& r,
                                  double X2, double laenge)
{
    if (tag < 1 || tag >= kTage || stunde < 0 || stunde >= kStunden)
        return sonneStundenlinie(s, tag, stunde, mitZeitgl, r, X2, laenge);
    Tafel& t = tafeln_[mitZeitgl ? 1 : 0];
    const Rahmen rahmen{s.Par.Jahr, s.Par.Zonenmeridian, r.breite(), X2, laenge, r.richtung()};
    if (t.sonnen.empty() || !(t.rahmen == rahmen)) {
        t.rahmen = rahmen;
        t.sonnen.assign(kTage * kStunden, Sonnenstand{});
        t.bekannt.assign(kTage * kStunden, false);
    }
    const std::size_t i = static_cast<std::size_t>(stunde * kTage + tag);
    if (!t.bekannt[i]) {
        t.sonnen[i] = sonneStundenlinie(s, tag, stunde, mitZeitgl, r, X2, laenge);
        t.bekannt[i] = true;
    }
    return t.sonnen[i];
}

Tagessonne tagessonneOrtszeit(const AppState& s, std::int32_t tag, Sonnenrechner& r)
{
    double dekl = 0, zeitgl = 0;
    r.position(s.Par.Jahr, tag + (s.Par.Laenge / 15) / 24, dekl, zeitgl);
    return {GradMitSinus(dekl), HalberTagbogen(s.Par.Breite, dekl)};
}

Tagessonne tagessonneZonenmeridian(const AppState& s, std::int32_t tag, Sonnenrechner& r)
{
    double dekl = 0, zeitgl = 0;
    r.position(s.Par.Jahr, tag + (s.Par.Zonenmeridian / 15) / 24, dekl, zeitgl);
    return {GradMitSinus(dekl), 0};
}

Sonnenstand sonneTemporallinie(const AppState& s, const Tagessonne& tag, double n, Sonnenrechner& r, double X2)
{
    // As below: the time from the half day arc, the sun of the same day's declination.
    const double t = 12 - (6 - n) * tag.h0 / 90;
    const double laenge = s.Par.Laenge;
    return r.azimutHoehe(tag.dekl, (t + X2 - 12) * 15 - (laenge - laenge));
}

Sonnenstand sonneWahreOrtszeit(const AppState& s, const Tagessonne& tag, double zeit, Sonnenrechner& r, double X2)
{
    const double zm = s.Par.Zonenmeridian;
    return r.azimutHoehe(tag.dekl, (zeit + X2 - 12) * 15 - (zm - zm));
}

Sonnenstand sonneTemporallinie(const AppState& s, std::int32_t tag, double n, Sonnenrechner& r, double X2)
{
    // The declination at local noon at the place's longitude; the same day's sun then gives
    // the point.
    double dekl = 0, zeitgl = 0;
    r.position(s.Par.Jahr, tag + (s.Par.Laenge / 15) / 24, dekl, zeitgl);
    const double h0 = HalberTagbogen(s.Par.Breite, dekl);
    const double t = 12 - (6 - n) * h0 / 90;
    return ortszeit(r, s.Par.Jahr, tag, t + X2, s.Par.Laenge, s.Par.Laenge);
}

Sonnenstand sonneTemporalDekl(const AppState& s, double n, double dekl, Sonnenrechner& r, double X2)
{
    return r.azimutHoehe(dekl, (n - 6) * HalberTagbogen(s.Par.Breite, dekl) / 6 + 15 * X2);
}

Sonnenstand sonneTemporalDekl(double n, const GradMitSinus& dekl, double h0, Sonnenrechner& r, double X2)
{
    return r.azimutHoehe(dekl, (n - 6) * h0 / 6 + 15 * X2);
}

Sonnenstand sonneWahreOrtszeit(const AppState& s, std::int32_t tag, double zeit, Sonnenrechner& r, double X2)
{
    return ortszeit(r, s.Par.Jahr, tag, zeit + X2, s.Par.Zonenmeridian, s.Par.Zonenmeridian);
}

Sonnenstand sonneHoehenlinie(const AppState& s, double azimut, double hoehe, bool aequivalent, Sonnenrechner& r,
                             double X2)
{
    if (!aequivalent)
        return {azimut, hoehe};
    const StundenwinkelDekl sd = AzHoeheZuStundenwinkelDekl(azimut, hoehe, s.Par.Breite);
    return r.azimutHoehe(sd.Deklination, sd.Stundenwinkel + 15 * X2);
}

std::vector<Azimutbereich> hoehenlinienBereiche(const AppState& s, double h)
{
    Sonnwendsuche suche(s, std::fabs(s.Par.Breite));
    return hoehenlinienBereiche(s, h, suche);
}

std::vector<Azimutbereich> hoehenlinienBereiche(const AppState& s, double h, Sonnwendsuche& suche)
{
    double aS = 0, aW = 0;
    sonnwendZeitenFuerHoehe(suche, h, std::fabs(s.Par.Breite), aS, aW);
    const bool sueden = s.Par.Breite < 0;
    if (sueden) {
        if (aS != 0 && aS != -180)
            aS = 180 - std::fabs(aS);
        if (aW != 0)
            aW = 180 - std::fabs(aW);
    }
    if (aS == 0)
        return {};
    if (aS == -180)
        return {{-180, 180}};
    if (aW == 0)
        return {{aS, sueden ? 360 - aS : -aS}};
    return {{aS, aW}, {-aW, -aS}};
}

int stundenUnterteilung(char intervall)
{
    int n = 1 + (intervall - '0');
    if (n < 1)
        n = 1;
    if (n >= 5)
        n = 6;
    return n;
}

std::vector<int> analemmaMarkenTage(int auswahl)
{
    switch (auswahl) {
    case 0:
        return {1};
    case 1:
        return {1, 15};
    case 2:
        return {7, 22};
    case 3:
        return {1, 11, 21};
    case 4:
        return {1, 8, 15, 22};
    default:
        return {1};
    }
}

} // namespace umbrin
