#include "dials/altitude/ZeichneHidokei.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/Zahlenplatz.h"

#include <algorithm>
#include <cmath>
#include <vector>
#include <string>

namespace umbrin {
namespace {

constexpr double kUnendlich = 10000000.0;

// One sample of an hour curve: its shadow length u in the plate it is measured in, its date
// offset v, the plate it lies on by its altitude, and whether it is drawn.
struct Probe {
    double u = 0;
    double v = 0;
    bool waagrecht = true;
    bool sichtbar = false;
    std::int32_t d = 0;
};

class Hidokei {
public:
    Hidokei(const AppState& s, Canvas& c, const HidokeiAuftrag& a) : s_(s), c_(c), a_(a) {}

    Konstruktionsmeldungen zeichne();

private:
    double schatten(bool waagrecht, double hoehe) const;
    CanvasPoint ort(bool waagrecht, double u, double v) const;
    void datumsskala();
    void stundenkurven();
    void kurve(int h, int j, double t, const Stundenrechnung& r);
    void legende();

    const AppState& s_;
    Canvas& c_;
    const HidokeiAuftrag& a_;
    HidokeiMasse g_;
    Datumsbereich bereich_;
    int fh_ = 12;
    bool vertikal_ = false;
    bool temporal_ = false;
    Zahlenplatz zahlen_{2};
    Konstruktionsmeldungen meldungen_;
};

double Hidokei::schatten(bool waagrecht, double hoehe) const
{
    const double r = hoehe * kRad;
    if (waagrecht) {
        const double si = std::sin(r);
        return std::fabs(si) <= 1e-7 ? kUnendlich : g_.P * std::cos(r) / si;
    }
    const double co = std::cos(r);
    return std::fabs(co) <= 1e-7 ? kUnendlich : g_.S2 * std::sin(r) / co;
}

CanvasPoint Hidokei::ort(bool waagrecht, double u, double v) const
{
    const double x = waagrecht ? g_.xL + u : g_.xF + g_.P - u;
    return {canvasZahl(x), canvasZahl(g_.oben + v)};
}

void Hidokei::datumsskala()
{
    const int skala = s_.SkalaHidokai;
    const auto y = [&](std::int32_t d) { return g_.oben + (d - bereich_.dStart) * g_.tagSchritt; };
    const double T = g_.S2 + (vertikal_ ? g_.P : 0);
    // On a short scale a month whose name would reach the last one written is left unnamed.
    double frei = -1e300;
    for (int monat = bereich_.ersterMonat; monat <= 12; ++monat) {
        for (int tag : {1, 11, 21}) {
            const std::int32_t d = TagImJahr(s_.Par.Jahr, monat, tag);
            if (s_.Schalter.Monatsskala == 0 && d < 172)
                continue;
            if (tag == 1 && y(d) >= frei) {
                frei = y(d) + 1.2 * fh_;
                const std::string name(monatKurz(s_, monat));
                if (skala < 61)
                    c_.textOut(canvasZahl(g_.xL + 1.2 * fh_), canvasZahl(y(d)), name.substr(0, 1));
                else
                    c_.textOut(canvasZahl(g_.xL - 1.9 * fh_), canvasZahl(y(d) - 0.5 * fh_), name);
            }
            if ((tag == 1 || skala > 80) && d != bereich_.dEnd) {
                c_.moveTo(g_.xL, canvasZahl(y(d)));
                c_.lineTo(canvasZahl(g_.xL + T), canvasZahl(y(d)));
            }
        }
    }
}

void Hidokei::kurve(int h, int j, double t, const Stundenrechnung& r)
{
    // The samples as the sun puts them, each measured in the plate of the one before.
    std::vector<Probe> proben;
    dreiTageSchritte(bereich_.dStart, bereich_.dEnd, [&](std::int32_t d) {
        const double hoehe = sonneZurStunde(s_, d, t, r).hoehe;
        Probe B;
        B.d = d;
        B.v = static_cast<double>(roundHalfEven((d - bereich_.dStart) * g_.tagSchritt));
        if (proben.empty()) {
            B.waagrecht = hoehe > g_.knickHoehe;
            B.u = schatten(B.waagrecht, hoehe);
        } else {
            B.u = schatten(proben.back().waagrecht, hoehe);
            B.waagrecht = hoehe >= g_.knickHoehe;
        }
        B.sichtbar = hoehe > 0 && B.u < g_.W;
        proben.push_back(B);
    });
    // The number stands above the curve's first day, or, where the sun is down then or its
    // shadow falls beyond the plates drawn, above the first day it reaches them. Where another
    // number stands there, it goes below the curve's last day when the curve runs to the
    // foot of the scale, else above the next day along the curve that is clear.
    const std::string zahl = IntStr(h);
    const TextExtent e = c_.textExtent(zahl);
    const auto zahlOrt = [&](const Probe& B) {
        const double x = B.waagrecht ? g_.xL + B.u : g_.xF + g_.P - B.u;
        return CanvasPoint{canvasZahl(x), canvasZahl(B.v - 1.2 * fh_) + g_.oben};
    };
    const auto taugt = [&](std::size_t i) {
        const Probe& B = proben[i];
        return j == 0 && B.sichtbar && (B.waagrecht ? B.u <= g_.S2 : vertikal_ && B.u <= g_.P);
    };
    const auto zahlAn = [&](std::size_t i) { return zahlOrt(proben[i]); };
    const auto frei = [&](CanvasPoint o) { return zahlen_.istFrei(o.x, o.y, e.width, c_.fontHeight()); };
    std::size_t stelle = 0;
    while (stelle < proben.size() && !taugt(stelle))
        ++stelle;
    CanvasPoint wo{};
    if (stelle < proben.size()) {
        wo = zahlAn(stelle);
        const std::size_t letzte = proben.size() - 1;
        // Below the curve's last day: just under the foot of the scale.
        const CanvasPoint fuss{zahlAn(letzte).x, canvasZahl(proben[letzte].v + 0.2 * fh_) + g_.oben};
        if (!frei(wo) && taugt(letzte) && frei(fuss)) {
            stelle = letzte;
            wo = fuss;
        } else if (!frei(wo)) {
            stelle = zahlen_.stelleAmStrich(proben.size(), taugt, zahlAn, e.width, c_.fontHeight());
            wo = zahlAn(stelle);
        }
    }
    Probe A;
    for (std::size_t i = 0; i < proben.size(); ++i) {
        Probe B = proben[i];
        if (i == stelle) {
            const CanvasPoint q = zahlen_.platziere(c_, wo.x, wo.y, zahl);
            c_.textOut(q.x, q.y, zahl);
        }
        if (i == 0) {
            A = B;
            continue;
        }
        const double b = A.waagrecht ? g_.S2 : g_.P;
        if (!B.sichtbar) {
            if (A.sichtbar && !A.waagrecht) {
                B.v = interpoliereAuf(A.u, A.v, B.u, B.v, 0);
                B.u = 0;
                if (vertikal_) {
                    const CanvasPoint p = ort(false, B.u, B.v);
                    c_.lineTo(p.x, p.y);
                }
            }
        } else {
            if (!A.waagrecht && !A.sichtbar && B.d > bereich_.dStart + 3) {
                A.v = interpoliereAuf(B.u, B.v, A.u, A.v, 0);
                A.u = 0;
            }
            CanvasPoint p = ort(A.waagrecht, A.u, A.v);
            if ((A.u == g_.S2 || A.u == g_.P) && A.v > 0)
                p = {canvasZahl(g_.xL + g_.S2), g_.oben + canvasZahl(A.v)};
            c_.moveTo(p.x, p.y);
            if (B.u > b && A.u <= b) {
                B.v = interpoliereAuf(A.u, A.v, B.u, B.v, b);
                B.u = b;
            }
            if (A.waagrecht || vertikal_) {
                const CanvasPoint q = ort(A.waagrecht, B.u, B.v);
                c_.lineTo(q.x, q.y);
            }
        }
        A = B;
    }
}

void Hidokei::stundenkurven()
{
    const TSchalter& sw = s_.Schalter;
    Stundenbereich b;
    int n = 1;
    if (temporal_) {
        b = temporalBereich(s_, s_.Zeiten.QuadTempVon, s_.Zeiten.QuadTempBis, meldungen_);
        n = sw.TemporalIntervall + 1;
    } else {
        // In local time without the equation of time the morning and the afternoon curves of
        // equal distance from noon are one curve: only the longer side of the range is drawn.
        b = mittagsregel({s_.Zeiten.QuadVon, s_.Zeiten.QuadBis}, sw.Ortszeit != 0, sw.MitZeitglZylinder != 0);
        n = std::clamp(sw.StundenIntervallSonst - '0', 0, 9) + 1;
    }
    c_.setPenWidth(sw.Linienstaerke);
    Stundenrechnung r;
    r.art = temporal_ ? Stundenart::Temporal : Stundenart::Uhrzeit;
    r.meridian = sw.Ortszeit || temporal_ ? s_.Par.Laenge : s_.Par.Zonenmeridian;
    r.mitZeitgl = sw.MitZeitglZylinder != 0;
    for (int h = b.von; h <= b.bis; ++h) {
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > s_.Zeiten.EotBis)
                continue;
            Farbe farbe;
            if (j == 0)
                farbe = temporal_ ? s_.Farben[9] : s_.Farben[h <= 12 ? 1 : 2];
            else
                farbe = s_.Farben[temporal_ || h <= 12 ? 4 : 5];
            c_.setPenColor(farbe);
            c_.setFontColor(farbe);
            kurve(h, j, t, r);
        }
    }
}

void Hidokei::legende()
{
    const bool druck = !a_.bildschirm;
    c_.setFontColor(s_.Farben[3]);
    c_.setFontHeight(druck ? 50 : 28);
    c_.textOut(g_.W / 15 + g_.m, g_.H - canvasZahl(1.8 * c_.fontHeight()), std::string(texteText(s_, 152)));
    c_.setFontHeight(druck ? 30 : 14);
    const int fh2 = druck ? 30 : c_.textExtent("f").height;
    const std::string zeile1 = sprachText(s_, "Geogr. Breite = ", "Latitude = ") + RealStr(s_.Par.Breite, 5, 2)
                               + "°" + sprachText(s_, ", Geogr. Länge = ", ", Longitude = ")
                               + RealStr(s_.Par.Laenge, 5, 2) + "°";
    c_.textOut(g_.W / 2 + g_.m, g_.H - 3 * fh2, ersteZeichen(zeile1, 60));
    std::string zeile2;
    if (temporal_) {
        zeile2 = "[" + sprachText(s_, " Temporalstunden", " Temporal hours") + " ]";
    } else {
        zeile2 = s_.Schalter.Ortszeit ? sprachText(s_, "Ortszeit", "local time")
                                      : sprachText(s_, " WOZ am Zonenmeridian", " Apparent Time of zone meridian");
        zeile2 += s_.Schalter.MitZeitglZylinder ? " " + sprachText(s_, "mit Zeitgl.", "with EoT")
                                                : " " + sprachText(s_, "ohne Zeitgl.", "without EoT");
    }
    c_.textOut(g_.W / 2 + g_.m, g_.H - 2 * fh2, ersteZeichen(zeile2, 60));
}

Konstruktionsmeldungen Hidokei::zeichne()
{
    temporal_ = s_.Schalter.TemporalAnzeige != 0;
    vertikal_ = s_.Schalter.HidokaiVertikal != 0;
    g_ = hidokeiMasse(s_, c_, a_);
    if (temporalZuHoch(s_.Par.Breite, temporal_)) {
        Verweigerungsbild v;
        v.x1 = g_.W / 8;
        v.y1 = g_.H / 2 - (3 * 30) / 2;
        v.x2 = g_.W / 5;
        v.y2 = g_.H / 2;
        v.xt = g_.W / 3;
        v.yt = g_.H / 8;
        v.titel = texteText(s_, 152);
        zeichneVerweigerung(s_, c_, v);
        return {};
    }
    const bool druck = !a_.bildschirm;
    c_.setPen({s_.Farben[0], 1, PenStyle::Solid});
    c_.setFontColor(s_.Farben[3]);
    c_.rectangle(g_.m, g_.m, g_.W, g_.H);
    zahlen_.begrenze(g_.m, g_.m, g_.W, g_.H);

    // The edge and the plate at true size in the lower right corner.
    const int c = canvasZahl(2.5 * c_.fontHeight() + g_.m);
    const int R = g_.W + g_.m;
    const int P = canvasZahl(g_.P);
    std::string kante = std::string(texteText(s_, 180)) + RealStr(a_.groesse, 6, 2) + " mm";
    if (std::count(kante.begin(), kante.end(), '(') > std::count(kante.begin(), kante.end(), ')'))
        kante += ')';
    // A longer text than the German one moves left until it ends inside the frame.
    const int xKante =
        imRahmen(c_, R - c - canvasZahl(1.2 * c_.textExtent("Schattenkannte höhe der = ").width), g_.W, kante);
    c_.textOut(xKante, g_.H - c + 3, kante);
    c_.polyline({{R - 3 * c / 2, g_.H - c - P},
                 {R - c, g_.H - c - P},
                 {R - c, g_.H - c},
                 {R - c - P, g_.H - c},
                 {R - c - P, g_.H - 3 * c / 2}});

    bereich_ = datumsbereich(s_.Par.Jahr, s_.Schalter.Monatsskala != 0);
    fh_ = druck ? 27 : 12;
    // Numbers keep a third of their height apart, so that neighbours read apart.
    zahlen_.setzeAbstand(fh_ / 3);
    c_.setFontHeight(fh_);
    const int unten = canvasZahl(bereich_.N * g_.tagSchritt + g_.oben);
    c_.rectangle(g_.xL, g_.oben, g_.xF, unten);
    if (vertikal_)
        c_.rectangle(g_.xF, g_.oben, canvasZahl(g_.xF + g_.P), unten);
    datumsskala();
    stundenkurven();
    legende();
    if (g_.xL + g_.S2 + (vertikal_ ? g_.P : 0) > g_.W + 0.5)
        meldungen_.push_back({PromptTitle::Warnung, PromptIcon::Warning,
                              sprachText(s_, "Die Platten sind breiter als das Blatt: ihr rechter Teil fehlt.\r\n"
                                             "Bitte die Schattenkante oder die Plattenlänge kürzen.",
                                         "The plates are wider than the sheet: their right part is missing.\r\n"
                                         "Please shorten the shadow-casting edge or the plate.")});
    return meldungen_;
}

} // namespace

HidokeiMasse hidokeiMasse(const AppState& s, Canvas& c, const HidokeiAuftrag& a)
{
    HidokeiMasse g;
    const bool druck = !a.bildschirm;
    g.m = druck ? 50 : 0;
    g.W = a.breite - g.m;
    g.H = a.hoehe - g.m;
    g.f = druck ? 10.0 : g.W / 320.0;
    g.P = druck ? a.groesse * 10.0 : static_cast<double>(roundHalfEven(a.groesse * g.f));
    g.S2 = druck ? s.SkalaHidokai2 * 10.0 : static_cast<double>(roundHalfEven(s.SkalaHidokai2 * g.f));
    g.tagSchritt = s.SkalaHidokai * g.f / 365;
    g.knickHoehe = std::atan2(g.P, g.S2) / kRad;
    const int T = canvasZahl(g.S2 + (s.Schalter.HidokaiVertikal ? g.P : 0));
    c.setFontName("Arial");
    c.setFontHeight(druck ? 35 : 16);
    g.xL = (g.W - T) / 3 + g.m;
    const int sep = c.textExtent("Sep").width;
    if (sep > g.xL - g.m)
        g.xL = canvasZahl(1.4 * sep) + g.m;
    // Plates that would run past the right edge move left, as far as the month names allow.
    if (g.xL + T > g.W)
        g.xL = std::max(g.W - T, canvasZahl(1.4 * sep) + g.m);
    g.xF = canvasZahl(g.xL + g.S2);
    if (s.SkalaHidokai > 180)
        g.oben = g.m + g.H / 25;
    else
        g.oben = g.m + (s.SkalaZylinder >= 120 ? g.H / 20 : g.H / 12);
    return g;
}

Konstruktionsmeldungen zeichneHidokei(const AppState& s, Canvas& c, const HidokeiAuftrag& a)
{
    return Hidokei(s, c, a).zeichne();
}

} // namespace umbrin
