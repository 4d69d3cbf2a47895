#include "dials/planar/EbeneSonnenstaende.h"

#include "core/SonneEbene.h"
#include "core/Sonne.h"
#include "dials/Sonnwendazimut.h"
#include "dials/UngleicheStunden.h"

#include <cmath>

namespace umbrin {

Sonnenstand sonneDatumslinie(const AppState& s, const DatumslinienTabelle& tabelle, bool tierkreisModus, int k,
                             double t, double X1, double X2, double laenge)
{
    Sonnenstand st;
    if (tierkreisModus) {
        const int i = 6 * k;
        const double dekl = i >= 0 && i < static_cast<int>(s.DeklTabelle.size()) ? s.DeklTabelle[static_cast<std::size_t>(i)] : 0;
        AzimutHoehe(st.hoehe, st.azimut, X1, dekl, 15 * t - 180);
        return st;
    }
    const std::int32_t tag = tabelle.Tage.at(static_cast<std::size_t>(k));
    if (tag == TagImJahr(s.Par.Jahr, 3, 21) || tag == TagImJahr(s.Par.Jahr, 9, 23)) {
        AzimutHoehe(st.hoehe, st.azimut, X1, 0, (t + X2 - 12) * 15);
        return st;
    }
    double dekl = 0, zeitgl = 0;
    SonnenstandOrtszeit(s.Par.Jahr, tag, st.hoehe, t + X2, X1, laenge, s.Par.Zonenmeridian, st.azimut, dekl, zeitgl,
                        false);
    return st;
}

Sonnenstand sonneTageslaengenlinie(double dekl, double t, double X1, double X2)
{
    Sonnenstand st;
    AzimutHoehe(st.hoehe, st.azimut, X1, dekl, (t + X2 - 12) * 15);
    return st;
}

Sonnenstand sonneStundenlinie(const AppState& s, std::int32_t tag, double t, bool mitZeitgl, double X1, double X2,
                              double laenge)
{
    Sonnenstand st;
    double dekl = 0, zeitgl = 0;
    SonnenstandZonenzeit(s.Par.Jahr, tag, st.hoehe, t + X2, X1, laenge, s.Par.Zonenmeridian, st.azimut, dekl, zeitgl,
                         mitZeitgl);
    return st;
}

Sonnenstand sonneTemporallinie(const AppState& s, std::int32_t tag, double n, double X1, double X2)
{
    double hoehe = 0, azimut = 0, dekl = 0, zeitgl = 0;
    SonnenstandOrtszeit(s.Par.Jahr, tag, hoehe, 12.0, s.Par.Breite, s.Par.Laenge, s.Par.Laenge, azimut, dekl, zeitgl,
                        false);
    const double h0 = HalberTagbogen(s.Par.Breite, dekl);
    const double t = 12 - (6 - n) * h0 / 90;
    Sonnenstand st;
    SonnenstandOrtszeit(s.Par.Jahr, tag, st.hoehe, t + X2, X1, s.Par.Laenge, s.Par.Laenge, st.azimut, dekl, zeitgl,
                        false);
    return st;
}

Sonnenstand sonneTemporalDekl(const AppState& s, double n, double dekl, double X1, double X2)
{
    return sonneTemporalDekl(n, dekl, HalberTagbogen(s.Par.Breite, dekl), X1, X2);
}

Sonnenstand sonneTemporalDekl(double n, double dekl, double h0, double X1, double X2)
{
    Sonnenstand st;
    AzimutHoehe(st.hoehe, st.azimut, X1, dekl, (n - 6) * h0 / 6 + 15 * X2);
    return st;
}

Sonnenstand sonneWahreOrtszeit(const AppState& s, std::int32_t tag, double zeit, double X1, double X2)
{
    Sonnenstand st;
    double dekl = 0, zeitgl = 0;
    SonnenstandOrtszeit(s.Par.Jahr, tag, st.hoehe, zeit + X2, X1, s.Par.Zonenmeridian, s.Par.Zonenmeridian,
                        st.azimut, dekl, zeitgl, false);
    return st;
}

Sonnenstand sonneHoehenlinie(const AppState& s, double azimut, double hoehe, bool aequivalent, double X1, double X2)
{
    if (!aequivalent)
        return {azimut, hoehe};
    const StundenwinkelDekl sd = AzHoeheZuStundenwinkelDekl(azimut, hoehe, s.Par.Breite);
    Sonnenstand st;
    AzimutHoehe(st.hoehe, st.azimut, X1, sd.Deklination, sd.Stundenwinkel + 15 * X2);
    return st;
}

std::vector<Azimutbereich> hoehenlinienBereiche(const AppState& s, double h)
{
    double aS = 0, aW = 0;
    sonnwendZeitenFuerHoehe(s, h, std::fabs(s.Par.Breite), aS, aW);
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
