// The lines of the cylinder plot: mean time by day, temporal and apparent time by
// declination, Italian and Babylonian hours by day, and the date lines by clock time; each a
// run of pen-down points that an invisible point ends.
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/UngleicheStunden.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/altitude/Zylinderlinien.h"
#include "dials/altitude/ZylinderuhrHpglSchreiber.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace umbrin {

Zylinderpunkt ZylinderuhrHpglSchreiber::projiziereZylinderHPGL(double azimut, double hoehe) const
{
    if (filterhut_)
        return filterhutPunkt(azimut, hoehe, sigma_, u_, kp_);
    return polstabPunkt(z_, azimut, hoehe);
}

void ZylinderuhrHpglSchreiber::neueLinie()
{
    lauf_ = false;
    fortsetzen_ = false;
    letzter_ = {};
}

// The line goes on later from the last point written, past what was put in between.
void ZylinderuhrHpglSchreiber::unterbreche()
{
    if (lauf_)
        fortsetzen_ = true;
    lauf_ = false;
}

// One point of the current line. A line reaching the filter-hat face's lower edge ends (or
// starts) on it.
void ZylinderuhrHpglSchreiber::linienPunkt(const Zylinderpunkt& p, bool xAlsReal)
{
    const auto ort = [&](const Zylinderpunkt& q) {
        return (xAlsReal ? r7(X0_ + q.x) : hpglZahl(X0_ + q.x)) + " " + r7(Y0_ - q.y);
    };
    const auto amRand = [&](const Zylinderpunkt& innen, const Zylinderpunkt& aussen) {
        Zylinderpunkt r = innen;
        r.x = interpoliereAuf(innen.y, innen.x, aussen.y, aussen.x, grenze_);
        r.y = grenze_;
        return r;
    };
    const bool jenseits = p.gueltig && p.y > grenze_;
    const Zylinderpunkt vorher = letzter_;
    letzter_ = p;
    if (!sichtbar(p)) {
        if (lauf_ && jenseits && std::isfinite(grenze_))
            zeile(ort(amRand(vorher, p)) + " ");
        lauf_ = false;
        fortsetzen_ = false;
        return;
    }
    std::string text;
    if (lauf_) {
        text = ort(p) + " ";
    } else if (fortsetzen_) {
        text = ";PU " + letzterOrt_ + ";PD " + ort(p) + " ";
    } else if (vorher.gueltig && vorher.y > grenze_ && std::isfinite(grenze_)) {
        text = ";PU " + ort(amRand(p, vorher)) + ";PD " + ort(p) + " ";
    } else {
        text = ";PU " + ort(p) + ";PD ";
    }
    zeile(text);
    lauf_ = true;
    fortsetzen_ = false;
    letzterOrt_ = ort(p);
}

// Whether a label of n characters (width w, height hh in plotter units a character) written
// from (x, y) stands wholly on the sheet, between the legend's lines at the foot and the line
// window's top.
bool ZylinderuhrHpglSchreiber::aufDemBlatt(double x, double y, std::size_t n, double w, double hh) const
{
    const double breite = (static_cast<double>(n) - 1) * 1.5 * w + w;
    // The filter-hat's face ends at its top edge, where its azimuth numbers stand.
    return x >= 0 && y >= 700.0 * k_ && x + breite <= 16480.0 * k_ && y + hh <= (filterhut_ ? Y0_ : kLinienOben * k_);
}

void ZylinderuhrHpglSchreiber::aufsBlatt(double& x, double& y, std::size_t n, double w, double hh) const
{
    const double breite = (static_cast<double>(n) - 1) * 1.5 * w + w;
    const double oben = (filterhut_ ? Y0_ : kLinienOben * k_) - hh;
    x = std::clamp(x, 0.0, std::max(0.0, 16480.0 * k_ - breite));
    y = std::clamp(y, std::min(700.0 * k_, oben), oben);
}

bool ZylinderuhrHpglSchreiber::zahlFrei(double x, double y, std::size_t n, double w, double hh) const
{
    const double breite = (static_cast<double>(n) - 1) * 1.5 * w + w;
    return zahlen_.istFrei(canvasZahl(x), canvasZahl(y), canvasZahl(breite), canvasZahl(hh));
}

// A number whose place (pushed onto the sheet) another number takes is left out: its line has
// no clean place for it (a tiny dial).
void ZylinderuhrHpglSchreiber::schreibeZahl(double x, double y, std::size_t n, double w, double hh,
                                            const std::string& befehl)
{
    if (!zahlFrei(x, y, n, w, hh))
        return;
    const double breite = (static_cast<double>(n) - 1) * 1.5 * w + w;
    zahlen_.belege(canvasZahl(x), canvasZahl(y), canvasZahl(breite), canvasZahl(hh));
    zeile(befehl);
}

void ZylinderuhrHpglSchreiber::nebenDemWeg(double& x, double& y, std::size_t n, double w, double hh) const
{
    if (zahlFrei(x, y, n, w, hh))
        return;
    const double breite = (static_cast<double>(n) - 1) * 1.5 * w + w;
    Zahlenplatz probe = zahlen_;
    const std::optional<CanvasPoint> q =
        probe.platziereFrei(canvasZahl(x), canvasZahl(y), canvasZahl(breite), canvasZahl(hh));
    if (q && aufDemBlatt(q->x, q->y, n, w, hh)) {
        x = q->x;
        y = q->y;
    }
}

bool ZylinderuhrHpglSchreiber::beleuchtetAufDemBlatt(const Zylinderpunkt& p, double hoehe) const
{
    const double x = X0_ + p.x, y = Y0_ - p.y;
    return sichtbar(p) && hoehe > 0 && p.y > 0 && x >= 0 && x <= 16480.0 * k_ && y >= 0 && y <= 11480.0 * k_;
}

// One mean-time line over the year, every other day from 0 on; the half from 21 June to
// 21 December in pen 6, the rest in pen 2 or 5 and wider. The full hour's number replaces its
// points near the summer solstice, or, where the sun does not reach the sheet there, the
// nearest point it does; a full hour the sun reaches nowhere on the sheet is left out.
void ZylinderuhrHpglSchreiber::hpglMittlereZeitZylinder(int h, double t, bool ganz)
{
    const double k = k_;
    const std::int32_t jahr = s_.Par.Jahr;
    const std::int32_t sommer = TagImJahr(jahr, 6, 21), winter = TagImJahr(jahr, 12, 21);
    const double meridian = s_.Schalter.OrtszeitAnzeige ? s_.Par.Laenge : s_.Par.Zonenmeridian;
    const double L = static_cast<double>(roundHalfEven(96.0 * k));
    const std::string text = " " + hpglZahl(h);
    struct Tag {
        std::int32_t d;
        Zylinderpunkt p;
        double x, y; // the number's place
    };
    std::vector<Tag> tage;
    std::vector<char> gewuenscht, moeglich, lit;
    std::size_t bezug = 0;
    bool gesehen = false;
    schritteBis(0, TagImJahr(jahr, 12, 31), 2, [&](double tag) {
        const auto d = static_cast<std::int32_t>(tag);
        double hoehe = 0, azimut = 0, dekl = 0, zeitgl = 0;
        SonnenstandZonenzeit(jahr, d, hoehe, t, s_.Par.Breite, s_.Par.Laenge, meridian, azimut, dekl, zeitgl, true);
        const Zylinderpunkt p = projiziereZylinderHPGL(azimut, hoehe);
        const double sA = azimut >= 0 ? 1 : -1;
        // The filter-hat's line in the south has its 21 June at the top: the number stands
        // just above it.
        const bool oben = filterhut_ && sigma_ < 0;
        const double lx = oben ? X0_ + p.x - (1.5 * static_cast<double>(text.size() - 1) + 1) * 36 * k
                               : X0_ + p.x + 2 * sA * L;
        const double ly = oben ? Y0_ - p.y + 0.5 * L : Y0_ - p.y + 2 * L;
        if (std::abs(d - sommer) < std::abs(tage.empty() ? 1000 : tage[bezug].d - sommer))
            bezug = tage.size();
        gewuenscht.push_back(gesehen && std::abs(d - sommer) < 2);
        lit.push_back(beleuchtetAufDemBlatt(p, hoehe));
        moeglich.push_back(lit.back() && aufDemBlatt(lx, ly, text.size(), 72 * k, 96 * k)
                           && zahlFrei(lx, ly, text.size(), 72 * k, 96 * k));
        gesehen = gesehen || sichtbar(p);
        tage.push_back({d, p, lx, ly});
    });
    const std::vector<std::size_t> stellen =
        ganz ? zahlenStellen(gewuenscht, moeglich, lit, bezug) : std::vector<std::size_t>{};
    if (ganz && stellen.empty())
        return;
    // The sun at 24 o'clock of a day stands where it stands at 0 o'clock of the next: both
    // hours draw one line, which the earlier's number names.
    const bool zwilling = h - 24 >= s_.Zeiten.StundeVon;
    neueLinie();
    if (ganz)
        zeile(";SP 2");
    zeile(";PW " + stiftbreite_);
    int jahreszeit = -1; // 0 outside 21 June to 21 December, 1 inside
    for (std::size_t i = 0; i < tage.size(); ++i) {
        const Tag& g = tage[i];
        const int jetzt = g.d < sommer || g.d > winter ? 0 : 1;
        if (jetzt != jahreszeit) {
            jahreszeit = jetzt;
            unterbreche();
            if (jetzt == 0)
                zeile(std::string(ganz ? ";SP 2" : ";SP 5") + ";PW " + hpglZahl(s_.Schalter.Linienstaerke * k) + ";");
            else
                zeile(";SP 6;PW " + stiftbreite_);
        }
        // One number to a line, at the first of its places.
        if (!zwilling && !stellen.empty() && i == stellen[0]) {
            L_ = L;
            unterbreche();
            double x = g.x, y = g.y;
            aufsBlatt(x, y, text.size(), 72 * k, 96 * k);
            if (filterhut_)
                nebenDemWeg(x, y, text.size(), 72 * k, 96 * k);
            // The character size is set whether or not the number has its place.
            const std::string groesse = ";" + hpglZeichengroesse(0.18 * k, 0.24 * k);
            if (zahlFrei(x, y, text.size(), 72 * k, 96 * k))
                schreibeZahl(x, y, text.size(), 72 * k, 96 * k, groesse + ";PU " + r7(x) + " " + r7(y) + ";" + hpglLabel(text));
            else
                zeile(groesse);
            continue;
        }
        linienPunkt(g.p, true);
    }
}

// Apparent time (art 0) and temporal hours (art 1) by declination. An apparent full hour's
// number stands where the summer solstice's sun draws its line, or, where that point is dark
// or off the sheet, at the nearest point of a declination the sun has that is lit and on the
// sheet; a full hour the sun reaches nowhere on the sheet is left out.
void ZylinderuhrHpglSchreiber::hpglStundenZylinder(int von, int bis, int art, int n)
{
    const double k = k_;
    const double eps = s_.EpsRund;
    const bool rundum = std::fabs(s_.Par.Wandabweichung) >= 90;
    for (int h = von; h <= bis; ++h) {
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > bis)
                return;
            const bool ganz = j == 0;
            double T = 15 * (t - 12);
            if (!s_.Schalter.Ortszeit)
                T -= s_.Par.Laenge - s_.Par.Zonenmeridian;
            // The polar rod's apparent full hours run from the pole; the filter-hat's lines stay
            // between the solstice lines, as on its page.
            const bool voll = art == 0 && ganz;
            const bool vomPol = voll && !filterhut_;
            const double start = vomPol ? -89.8 * sigma_ : -eps * sigma_;
            const double ende = vomPol && rundum ? 89.5 * sigma_ : eps * sigma_;
            const std::string text = IntStr(h);
            struct Stelle {
                Zylinderpunkt p;
                double x, y; // the number's place
            };
            std::vector<Stelle> punkte;
            std::vector<char> gewuenscht, moeglich, lit;
            std::size_t bezug = 0;
            bool beschriftet = false;
            schritteBis(start, ende, 0.15 * sigma_, [&](double dekl) {
                double hoehe = 0, azimut = 0;
                if (art == 1)
                    sonneTemporalStundeDekl(t, s_.Par.Breite, dekl, hoehe, azimut);
                else
                    AzimutHoehe(hoehe, azimut, s_.Par.Breite, dekl, T);
                const Zylinderpunkt p = projiziereZylinderHPGL(azimut, hoehe);
                const double x = X0_ + p.x;
                const double vz = X0_ - x > 0 ? 1 : X0_ - x < 0 ? -1 : 0;
                // The filter-hat's lines in the south begin at 21 June at the top: the number
                // stands just above that end.
                const bool oben = filterhut_ && sigma_ < 0;
                const double breite = (1.5 * (static_cast<double>(text.size()) - 1) + 1) * 96 * k;
                const double lx = static_cast<double>(
                    roundHalfEven(oben ? x - breite / 2 : x - 0.5 * L_ - 2 * vz * L_));
                const double ly = static_cast<double>(
                    roundHalfEven(oben ? Y0_ - p.y + 0.5 * L_ : Y0_ - p.y + 1.8 * sigma_ * L_));
                const bool wunsch = !beschriftet && sichtbar(p) && std::fabs(dekl - eps) < 0.075;
                beschriftet = beschriftet || wunsch;
                if (std::fabs(dekl - eps * sigma_) < 0.075)
                    bezug = punkte.size();
                gewuenscht.push_back(wunsch);
                lit.push_back(std::fabs(dekl) <= eps + 1e-9 && beleuchtetAufDemBlatt(p, hoehe));
                moeglich.push_back(lit.back() && aufDemBlatt(lx, ly, text.size(), 96 * k, 120 * k)
                                   && zahlFrei(lx, ly, text.size(), 96 * k, 120 * k));
                punkte.push_back({p, lx, ly});
            });
            const std::vector<std::size_t> stellen =
                voll ? zahlenStellen(gewuenscht, moeglich, lit, bezug) : std::vector<std::size_t>{};
            // The polar rod's apparent 24 o'clock's line is 0 o'clock's, named by its number;
            // on the filter-hat's face it may run at the other end of the azimuths, and its
            // number stands wherever a clear place is.
            const bool zwilling = !filterhut_ && art == 0 && h - 24 >= von;
            if (!(voll && stellen.empty())) {
                zeile(art == 1 ? (ganz ? ";SP 10" : ";SP 9") : (ganz ? ";SP 2" : ";SP 5"));
                neueLinie();
                for (std::size_t i = 0; i < punkte.size(); ++i) {
                    if (!zwilling && !stellen.empty() && i == stellen[0]) {
                        unterbreche();
                        double x = punkte[i].x, y = punkte[i].y;
                        aufsBlatt(x, y, text.size(), 96 * k, 120 * k);
                        if (filterhut_)
                            nebenDemWeg(x, y, text.size(), 96 * k, 120 * k);
                        schreibeZahl(x, y, text.size(), 96 * k, 120 * k,
                                     ";PU " + hpglZahl(x) + " " + hpglZahl(y) + ";" + hpglLabel(text));
                        continue;
                    }
                    linienPunkt(punkte[i].p);
                }
            }
            if (h == bis) {
                const double pol = std::fabs(s_.Par.Wandabweichung) > 90 ? -89.9 * sigma_ : 89.9 * sigma_;
                double hoehe = 0, azimut = 0;
                AzimutHoehe(hoehe, azimut, s_.Par.Breite, pol, 15);
                const Zylinderpunkt p = projiziereZylinderHPGL(azimut, hoehe);
                const Zylinderpunkt q = p.gueltig ? p : Zylinderpunkt{};
                // A mark past the sheet is cut off by the plotter: how far, for the user's word.
                const double r = 40 * k, x = X0_ + q.x, y = Y0_ - q.y;
                markeUeberRand_ = std::max({markeUeberRand_, r - x, x + r - 16480 * k, r - y, y + r - 11480 * k});
                zeile(";PU " + hpglZahl(X0_ + q.x) + " " + r7(Y0_ - q.y) + ";SP 1;PD ;CI " + hpglZahl(40 * k) + ";SP 1;PU "
                      + hpglZahl(X0_) + " " + r7(Y0_) + ";PD ;CI " + hpglZahl(40 * k));
                neueLinie();
            }
        }
    }
}

// Babylonian (art 2) and Italian (art 3) hours over the half year from 21 June.
void ZylinderuhrHpglSchreiber::hpglItalBabylZylinder(int von, int bis, int n, int art)
{
    const std::int32_t jahr = s_.Par.Jahr;
    const std::int32_t sommer = TagImJahr(jahr, 6, 21), winter = TagImJahr(jahr, 12, 21);
    const bool babylonisch = art == 2;
    const double meridian = s_.Schalter.Ortszeit ? s_.Par.Laenge : s_.Par.Zonenmeridian;
    for (int h = von; h <= bis; ++h) {
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > bis)
                return;
            const bool ganz = j == 0;
            zeile(!ganz ? ";SP 5" : babylonisch ? ";SP 7" : ";SP 6");
            neueLinie();
            bool erster = true;
            dreiTageSchritte(sommer, winter, [&](std::int32_t d) {
                double hoehe = 0, azimut = 0;
                sonneItalBabylStunde(jahr, d, babylonisch, t, meridian, s_.Par.Breite, hoehe, azimut);
                const Zylinderpunkt p = projiziereZylinderHPGL(azimut, hoehe);
                if (erster && ganz && sichtbar(p)) {
                    const double vz = p.x > 0 ? 1 : p.x < 0 ? -1 : 0;
                    zeile(";PU " + hpglZahl(X0_ + p.x - 0.5 * vz * L_) + " "
                          + hpglZahl(Y0_ - p.y + (art - 0.5) * sigma_ * L_) + ";" + hpglLabel(IntStr(h)));
                }
                erster = false;
                linienPunkt(p);
            });
        }
    }
}

// The date lines of the zodiac signs' entries (or the solstices and equinoxes) by clock time,
// in finer steps near the horizon.
void ZylinderuhrHpglSchreiber::datumslinien()
{
    const int schritt = s_.Schalter.Schattenlaenge == 0 ? 6 : 18;
    for (int i = 0; i <= 36; i += schritt) {
        const double dekl = s_.DeklTabelle[static_cast<std::size_t>(i)];
        zeile(";SP 4;PW " + stiftbreite_);
        neueLinie();
        double hoehe = 0;
        for (double T = 0.5; T <= 23.5; T += hoehe < 1.5 ? 0.025 : 0.1) {
            double azimut = 0;
            SonnenstandStundenwinkel(hoehe, azimut, T, s_.Par.Breite, lambda_, s_.Par.Zonenmeridian, dekl);
            linienPunkt(projiziereZylinderHPGL(azimut, hoehe));
        }
    }
}

void ZylinderuhrHpglSchreiber::stundenlinien()
{
    const TSchalter& sw = s_.Schalter;
    const TZeiten& zt = s_.Zeiten;
    const auto teile = [](char ziffer) { return std::clamp(ziffer - '0', 0, 9) + 1; };
    if (sw.MitZeitglZylinder) {
        const int n = teile(sw.EotIntervall);
        for (int h = zt.StundeVon; h <= zt.StundeBis; ++h) {
            for (int j = 0; j < n; ++j) {
                const double t = h + static_cast<double>(j) / n;
                if (t > zt.StundeBis)
                    break;
                hpglMittlereZeitZylinder(h, t, j == 0);
            }
        }
    }
    if (sw.Temporalstunden) {
        Konstruktionsmeldungen still;
        const Stundenbereich b = temporalBereich(s_, zt.QuadTempVon, zt.QuadTempBis, still);
        hpglStundenZylinder(b.von, b.bis, 1, sw.TemporalIntervall + 1);
    }
    if (sw.OhneZeitgl)
        hpglStundenZylinder(zt.QuadVon, zt.QuadBis, 0, teile(sw.StundenIntervallSonst));
    if (sw.Babylonisch)
        hpglItalBabylZylinder(zt.BabVon, zt.BabBis, sw.Intervalle[0] + 1, 2);
    if (sw.Italienisch)
        hpglItalBabylZylinder(zt.ItalVon, zt.ItalBis, sw.Intervalle[1] + 1, 3);
}

} // namespace umbrin
