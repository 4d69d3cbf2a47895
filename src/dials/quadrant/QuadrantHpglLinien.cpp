// The hour lines of the calendar and zodiac quadrant plots. A sample at sun altitude a on the
// arc of radius L lies at (xA + dA round(L sin a), yA - round(L cos a)); a segment joins two
// consecutive samples that are both visible (above the horizon, inside the quarter). The
// quadrant's input window does the clipping at its edges.
#include "core/Sonne.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/UngleicheStunden.h"
#include "dials/quadrant/QuadrantGeometrie.h"
#include "dials/quadrant/QuadrantPlot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);
const std::string ETX(1, hpglLabelEnde);

std::string z(double v) { return hpglZahl(v); }

// A number's extent at the character size 0.24 x 0.32 cm: a cell of 144 units a character,
// the last one 96 wide, 128 high.
constexpr double kZahlHoehe = 128, kZellenBreite = 144, kZeichenBreite = 96, kBlattRand = 16480;
// A number that steps past another stands this far from it: its height and a little air.
constexpr double kZahlSchritt = 160;

double zahlBreite(const std::string& zahl) { return (double(zahl.size()) - 1) * kZellenBreite + kZeichenBreite; }

// The previous sample of a line and the segment to the next one.
struct Zug {
    Zug(QuadrantPlot& plot, int x, int y, int d) : p(plot), xA(x), yA(y), dA(d) {}
    QuadrantPlot& p;
    int xA, yA, dA;
    bool sichtbar = false;
    double px = 0, py = 0;
    std::vector<QuadrantPunkt> hell; // the samples the sun lights, in order
    std::vector<double> wert;        // the date or declination of each

    void probe(double a, double w = 0)
    {
        const QuadrantPunkt q = quadrantPlotPunkt(xA, yA, dA, p.L, a);
        const double x = q.x, y = q.y;
        const bool jetzt = y <= yA && dA * x >= dA * xA && a > 0;
        if (jetzt && sichtbar)
            p.zeile(";PU " + z(px) + " " + z(py) + ";PD " + z(x) + " " + z(y));
        if (jetzt) {
            hell.push_back(q);
            wert.push_back(w);
        }
        sichtbar = jetzt;
        px = x;
        py = y;
    }

    // A full hour's number where the sun does not reach the line's labelling end: beside the
    // lit sample whose date or declination lies nearest to `ziel`, in pen `stift`.
    void ersatzNummer(double ziel, double t, const char* stift)
    {
        std::size_t beste = hell.size();
        for (std::size_t i = 0; i < hell.size(); ++i)
            if (beste == hell.size() || std::fabs(wert[i] - ziel) < std::fabs(wert[beste] - ziel))
                beste = i;
        if (beste == hell.size())
            return;
        const std::string zahl = IntStr(std::lround(t));
        const double x = dA == 1 ? hell[beste].x + 60 : hell[beste].x - 60 - zahlBreite(zahl);
        const auto [lx, ly] = p.stundenStelle(x, std::round(hell[beste].y - 160), zahl);
        p.zeile(std::string(stift) + "PU " + z(lx) + " " + z(ly) + ";LB" + zahl + ETX);
    }
};

bool mittagsFlag(const AppState& s)
{
    return !s.Schalter.TemporalAnzeige && s.Zeiten.QuadVon < 12 && 12 < s.Zeiten.QuadBis;
}

} // namespace

std::pair<double, double> QuadrantPlot::stundenStelle(double x, double y, const std::string& zahl)
{
    const double breite = zahlBreite(zahl), y0 = y;
    // Whether the number at x (on the line at y) stands a cell clear of every number on its line.
    const auto klar = [&](double xn) {
        return std::none_of(stundenZahlen.begin(), stundenZahlen.end(), [&](const Zahlstelle& n) {
            return std::fabs(y - n.y) < kZahlHoehe && std::fabs(xn - n.x) < (xn < n.x ? breite : n.breite) + kZellenBreite;
        });
    };
    // On the sheet: the mirrored quadrant's afternoon numbers would stand left of its edge.
    x = std::max(std::min(x, kBlattRand - breite), 0.0);
    // Where the numbers, stepping on as they run, would leave the quadrant's window at its foot
    // (near the poles the hour lines end close together), they step up past the others instead.
    for (const bool hinauf : {false, true}) {
        y = y0;
        bool frei = false, abwaerts = false; // once stepped down past one, it steps on down
        for (std::size_t runde = 0; runde <= stundenZahlen.size() && !frei; ++runde) {
            frei = true;
            for (const auto& [px, py, pb] : stundenZahlen) {
                // Two numbers on one line less than a cell apart read as one: one that only
                // lacks that cell moves along the line away from the other where it stays on the
                // sheet a cell clear of the others there, else it steps as one that touches.
                const double abstand = x < px ? breite : pb;
                if (std::fabs(y - py) < kZahlHoehe && std::fabs(x - px) >= abstand
                    && std::fabs(x - px) < abstand + kZellenBreite) {
                    const double weiter = x < px ? px - breite - kZellenBreite : px + pb + kZellenBreite;
                    if (weiter >= 0 && weiter + breite <= kBlattRand && klar(weiter)) {
                        x = weiter;
                        frei = false;
                        continue;
                    }
                }
                if (std::fabs(y - py) < kZahlHoehe && std::fabs(x - px) < abstand + kZellenBreite) {
                    const bool hinab = abwaerts || y <= py || py + kZahlSchritt + kZahlHoehe > zahlenOben;
                    y = hinab && !hinauf ? py - kZahlSchritt : py + kZahlSchritt;
                    abwaerts = hinab && !hinauf;
                    frei = false;
                }
            }
        }
        if (frei && y >= zahlenUnten)
            break;
    }
    stundenZahlen.push_back({x, y, breite});
    return {x, y};
}

void schreibeKalenderStundenlinieHPGL(QuadrantPlot& p, int xA, int yA, int dA, double t, bool halb, double lat,
                                      double lambda, double zone)
{
    const AppState& s = p.s;
    const bool T = s.Schalter.TemporalAnzeige, E = s.Schalter.MitZeitglAzimut, G = p.ganz();
    const bool za = s.Schalter.Zeitablesung != 0;
    const auto hoehe = [&](int tag) {
        double a = 0, az = 0;
        if (T) {
            sonneTemporalStunde(s.Par.Jahr, tag, t, s.Par.Laenge, lat, a, az);
        } else {
            double d = 0, e = 0;
            SonnenstandZonenzeit(s.Par.Jahr, tag, a, t, lat, lambda, zone, az, d, e, E);
        }
        return a;
    };
    p.step = 2;
    p.N = mittagsFlag(s) ? 1 : 0;
    if (!p.stiftbreite.empty())
        p.zeile("PW " + p.stiftbreite);
    // The noon line may take a second pass in the other orientation; where the toggle
    // cannot change the flag one pass is all.
    const bool umschaltbar = std::lround(s.Zeiten.QuadVon) != 12 && std::lround(p.tEnd) != 12;
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
        if (umschaltbar && t == 12)
            p.N = 1 - p.N;
        int tag = G ? p.J1 : za ? p.T21 : p.D21;
        const int ersterTag = tag;
        bool beschriften = false; // a full hour whose number is still to be written
        p.L = G ? p.off : 7800;
        double a = hoehe(tag);
        if (!G && !T && E && t >= 12)
            a = 90 - a;
        if (t - std::trunc(t) < 0.1) {
            p.zeile(T ? ";SP 10;" : ";SP 2;");
            // A temporal hour after noon shares its line with the hour as far before it: its
            // number stands where an afternoon's does.
            const bool spaet = t > 12 || (T && t > quadrantMittag(true) && t < 12);
            const double R = spaet ? 8150 : t < 12 ? 7900 : 8025;
            const double c = t < 12 && !spaet ? (dA == 1 ? 120 : -240) : 120.0 * (dA - 1);
            const double x = xA + dA * std::round(R * std::sin(a * kRad)) + c;
            double y = yA - R * std::cos(a * kRad);
            if (dA == -1 && t <= 12)
                y -= 200;
            if (std::cos(a * kRad) > 0.7)
                y -= 200;
            // In mean time the noon line may take two passes; its number is written once.
            beschriften = !E || durchgang == 0;
            if (y <= yA && dA * x >= dA * xA && beschriften) {
                const auto [lx, ly] = p.stundenStelle(x, std::round(y), IntStr(std::lround(t)));
                p.zeile("PU " + z(lx) + " " + z(ly) + ";LB" + IntStr(std::lround(t)) + ETX);
                beschriften = false;
            }
        } else {
            p.zeile(";SP 3;");
        }
        Zug zug{p, xA, yA, dA};
        p.step = 2;
        if (G || !halb) {
            const int ende = G ? p.D31 : za ? p.D21 : p.T21;
            const int richtung = G || za ? 1 : -1;
            for (;;) {
                tag = richtung > 0 ? std::min(tag, ende) : std::max(tag, ende);
                a = hoehe(tag);
                if (!G && !T) {
                    if (E && t > 12)
                        a = 90 - a;
                    if (std::fabs(t - 12) < 0.01 && (s.Zeiten.QuadVon == 12 || p.N == 0))
                        a = 90 - a;
                }
                zug.probe(a, tag);
                p.L += (G ? 1 : -1) * p.step * p.upd;
                if (tag == ende)
                    break;
                tag += richtung * p.step;
            }
        }
        p.zeile(";PU;");
        if (beschriften)
            zug.ersatzNummer(ersterTag, t, T ? ";SP 10;" : ";SP 2;");
        if (!(t == 12 && p.N != 1 && umschaltbar))
            break;
    }
}

void schreibeZodiakStundenlinieHPGL(QuadrantPlot& p, int xA, int yA, int dA, double t, bool /*halb*/, double lat,
                                    double lambda, double zone)
{
    const AppState& s = p.s;
    const bool T = s.Schalter.TemporalAnzeige, G = p.ganz();
    const bool za = s.Schalter.Zeitablesung != 0;
    const double et = s.DeklTabelle[0], dmin = s.DeklTabelle[36];
    const auto hoehe = [&](double d) {
        const double H = T ? std::fabs(6 - t) * quadrantHalbbogen(lat, d) / 6 : (t - 12) * 15 - lambda + zone;
        return quadrantHoehe(lat, d, H);
    };
    const auto radius = [&](double d) {
        if (G)
            return std::round((za ? d / et + 1 : 1 - d / et) * 3600 / 2 + p.off);
        if (za)
            return d > 0 ? std::round(d / et * 3600 + p.off) : std::round(p.off - d / et * 3600);
        return d > 0 ? std::round((et - d) * 3600 / et + p.off) : std::round((d / et + 1) * 3600 + p.off);
    };
    p.N = mittagsFlag(s) ? 1 : 0;
    if (!p.stiftbreite.empty())
        p.zeile("PW " + p.stiftbreite);
    bool beschriftet = false;
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
        if (t == 12)
            p.N = 1 - p.N;
        p.L = 7800;
        const double d0 = za ? et : G ? -et : 0;
        const double a = hoehe(d0);
        const bool voll = t - std::trunc(t) < 0.06;
        if (voll) {
            p.zeile(T ? ";SP 10;" : ";SP 2;");
            const bool spaet = t > 12 || (T && t > quadrantMittag(true) && t < 12);
            const double R = spaet ? 8100 : t < 12 ? 7900 : 8000;
            int c = 0;
            if (p.N == 0)
                c = dA == 1 ? (spaet ? 0 : 120) : (spaet ? -360 : -240);
            else
                c = dA == 1 ? (t == 12 ? 120 : 0) : (t == 12 ? -120 : -240);
            const double x = xA + dA * std::round(R * std::sin(a * kRad)) + c;
            double y = yA - R * std::cos(a * kRad);
            if (dA == -1 && t <= 12)
                y -= 200;
            if (std::cos(a * kRad) > 0.7)
                y -= 100;
            if (!beschriftet && y <= yA && dA * x >= dA * xA && a > 0) {
                const std::string zahl = " " + IntStr(std::lround(t));
                const auto [lx, ly] = p.stundenStelle(x, std::round(y), zahl);
                p.zeile("PU " + z(lx) + " " + z(ly) + ";LB" + zahl + ETX);
                beschriftet = true;
            }
        } else {
            p.zeile(";SP 3;");
        }
        Zug zug{p, xA, yA, dA};
        for (double d = et;; d -= 0.5) {
            double e = std::fabs(d) < 0.1 ? 0 : d;
            e = std::max(e, dmin);
            p.L = radius(e);
            zug.probe(hoehe(e), e);
            if (e == 0 && !G)
                p.zeile(t - std::trunc(t) < 0.1 ? ";SP 5;" : ";SP 6;");
            if (e <= dmin)
                break;
        }
        p.zeile(";PU;");
        if (voll && !beschriftet && !zug.hell.empty()) {
            zug.ersatzNummer(d0, t, T ? ";SP 10;" : ";SP 2;");
            beschriftet = true;
        }
        if (!(t == 12 && p.N != 1))
            break;
    }
}

} // namespace umbrin
