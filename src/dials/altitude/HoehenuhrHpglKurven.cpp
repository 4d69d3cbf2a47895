// The hour parts of the altitude-dial plot and their curves: one curve per hour value,
// sampled every three days and cut at the edges of its window.
#include "core/Rounding.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/altitude/HoehenuhrHpglSchreiber.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace umbrin {
namespace {

// A crossing coordinate of a segment with a window edge: rounded, at most 1e8 in magnitude.
double kreuzungsZahl(double x)
{
    const double r = static_cast<double>(roundHalfEven(x));
    return std::fabs(r) > 100000000.0 ? std::copysign(100000000.0, r) : r;
}

struct Plotprobe {
    double x = 0;
    double y = 0;
    bool gilt = false;  // the sample counts (Italian and Babylonian: before the meridian)
    bool innen = false; // inside the window
};

} // namespace

double HoehenuhrHpglSchreiber::yVon(double hoehe, bool senkrecht) const
{
    double si = std::sin(hoehe * kRad);
    double co = std::cos(hoehe * kRad);
    if (std::fabs(si) < 1e-6)
        si = 1e-6 * ((si > 0 ? 1 : si < 0 ? -1 : 0) + 0.5);
    if (std::fabs(co) < 1e-8)
        co = 1e-8;
    if (zylinder_)
        return y0_ - P_ * si / co;
    if (senkrecht)
        return y0_ + S2_ * si / co - S2_ - V_;
    return y0_ - P_ * co / si;
}

void HoehenuhrHpglSchreiber::stift(const std::string& sp)
{
    zeile(";" + sp);
    if (s_.Schalter.Stiftbreite != 1)
        zeile(";PW " + std::to_string(s_.Schalter.Stiftbreite - 1));
}

void HoehenuhrHpglSchreiber::kurvenende()
{
    if (s_.Schalter.StundenIntervall != '0') {
        zeile(gestrichelt_ ? ";LT 2,2;" : ";LT;");
        gestrichelt_ = !gestrichelt_;
    }
    zeile(";LT;");
}

bool HoehenuhrHpglSchreiber::kurve(const Skala& sk, const Fenster& f, double t, int h, bool ganz,
                                   const Stundenrechnung& r, bool beschriften)
{
    const bool italBab = r.art == Stundenart::Babylonisch || r.art == Stundenart::Italienisch;
    if (italBab)
        stift(!ganz ? "SP 7" : r.art == Stundenart::Italienisch ? "SP 5" : "SP 6");
    else if (r.art == Stundenart::Temporal)
        stift(ganz ? "SP 10" : "SP 9");
    else if (ganz)
        stift(h <= 12 ? "SP 2" : "SP 3");
    else
        stift(h < 12 ? "SP 5" : "SP 6");

    const auto punkt = [&](double x, double y) { return z(x) + " " + z(y); };
    const auto kreuzung = [&](const Plotprobe& a, const Plotprobe& b) {
        const double kante = (a.innen ? b.y : a.y) > f.oben ? f.oben : f.unten;
        const double x = a.x + (b.x - a.x) * (kante - a.y) / (b.y - a.y);
        return punkt(kreuzungsZahl(x), kante);
    };
    std::vector<Plotprobe> proben;
    dreiTageSchritte(sk.dStart, sk.dEnd, [&](std::int32_t d) {
        const Stundensonne p = sonneZurStunde(s_, d, t, r);
        Plotprobe B;
        B.x = sk.x0 + static_cast<double>(roundHalfEven((d - sk.dStart) * sk.tagSchritt));
        B.y = yVon(p.hoehe, f.senkrecht);
        B.gilt = !italBab || p.azimut < 0.01;
        B.innen = B.gilt && p.hoehe > 0 && f.unten <= B.y && B.y <= f.oben; // no shadow without the sun
        proben.push_back(B);
    });
    // The full hour's number stands left of the curve's first sample in the window: its first
    // day, or the first the sun reaches the plate when it is down at the start; where another
    // number stands there, at the next sample along the curve that is clear.
    const std::string zahl = std::to_string(h);
    // Characters of 0.2 by 0.26 cm: 120 k a character cell, 104 k high.
    const int breite = canvasZahl((1.5 * (zahl.size() - 1) + 1) * 80 * k_), hoehe = canvasZahl(104.0 * k_);
    // The altitude dial's number stands whole inside the window its curve is cut at: beside a
    // curve that runs along the window's top edge it stands below that edge, and a number moved
    // off another keeps inside the window too. The cylinder's first copy starts near the sheet's
    // left edge: its numbers stay on the sheet.
    const int oben = canvasZahl(f.oben) - hoehe;
    const auto zahlOrt = [&](const Plotprobe& B) {
        const CanvasPoint p{canvasZahl(B.x - 240 * k_), canvasZahl(B.y)};
        return zylinder_ ? zahlen_.aufsBlatt(p.x, p.y, breite, hoehe) : CanvasPoint{p.x, std::min(p.y, oben)};
    };
    if (!zylinder_)
        zahlen_.begrenze(0, canvasZahl(f.unten), kBlattBreite * k_, canvasZahl(f.oben));
    const std::size_t stelle =
        ganz && !italBab && beschriften
            ? zahlen_.stelleAmStrich(
                  proben.size(), [&](std::size_t i) { return proben[i].innen; },
                  [&](std::size_t i) { return zahlOrt(proben[i]); }, breite, hoehe)
            : proben.size();
    // The altitude dial: where the number finds no clean place left of the curve's start (the
    // gnomon mark, the frame or a number before it stands there), it goes right of the curve's
    // end at the frame's right edge, when the curve reaches it and that place is clean.
    std::size_t amEnde = proben.size();
    if (!zylinder_ && stelle < proben.size()) {
        std::size_t erste = proben.size(), letzte = proben.size();
        for (std::size_t i = 0; i < proben.size(); ++i)
            if (proben[i].innen) {
                erste = std::min(erste, i);
                letzte = i;
            }
        const CanvasPoint w = zahlOrt(proben[erste]);
        if (!zahlen_.istFrei(w.x, w.y, breite, hoehe) && letzte + 1 == proben.size()
            && zahlen_.istFrei(canvasZahl(proben[letzte].x + 60 * k_), canvasZahl(proben[letzte].y - 52 * k_), breite,
                               hoehe))
            amEnde = letzte;
    }
    Plotprobe A;
    for (std::size_t i = 0; i < proben.size(); ++i) {
        const Plotprobe& B = proben[i];
        if (i == stelle && amEnde == proben.size()) {
            const CanvasPoint w = zahlOrt(B);
            const CanvasPoint q = zahlen_.platziere(w.x, w.y, breite, hoehe);
            zeileFreihalten(q, breite, hoehe);
            zeile(";PU " + punkt(q.x, q.y) + ";" + hpglLabel(zahl));
            if (i > 0 && A.innen)
                zeile(";PU " + punkt(A.x, A.y));
        }
        if (i == 0) {
            if (B.innen)
                zeile(";PU " + punkt(B.x, B.y));
            A = B;
            continue;
        }
        if (B.gilt && A.gilt) {
            if (A.innen && B.innen)
                zeile(";PD " + punkt(B.x, B.y));
            else if (A.innen)
                zeile(";PD " + kreuzung(A, B));
            else if (B.innen)
                zeile(";PU " + kreuzung(A, B) + ";PD " + punkt(B.x, B.y));
        } else if (B.innen) {
            zeile(";PU " + punkt(B.x, B.y));
        }
        A = B;
    }
    if (amEnde < proben.size()) {
        const Plotprobe& B = proben[amEnde];
        const CanvasPoint q = zahlen_.platziere(canvasZahl(B.x + 60 * k_), canvasZahl(B.y - 52 * k_), breite, hoehe);
        zeileFreihalten(q, breite, hoehe);
        // The window ends at the frame's right edge, where the plotter would cut the number
        // away: it is written with the window lifted.
        zeile(";IW;PU " + punkt(q.x, q.y) + ";" + hpglLabel(zahl));
        fensterBefehl(f);
    }
    zahlen_.begrenze(0, 0, kBlattBreite * k_, kBlattHoehe * k_);
    const bool beschriftet = stelle < proben.size();
    kurvenende();
    return beschriftet;
}

void HoehenuhrHpglSchreiber::zeileFreihalten(CanvasPoint q, int breite, int hoehe)
{
    if (zylinder_)
        return;
    // The placer keeps its free room (20 units) from every box taken: a flat box across the
    // number's middle, reaching the rest of a cell beyond each end, holds off the numbers that
    // share most of its height.
    const int rest = canvasZahl(125 * k_) - 20;
    zahlen_.belege(q.x - rest, q.y + hoehe / 2, breite + 2 * rest, 0);
}

void HoehenuhrHpglSchreiber::stundenteil(const Stundenteil& t)
{
    Stundenrechnung r;
    r.art = t.temporal ? Stundenart::Temporal : Stundenart::Uhrzeit;
    r.meridian = t.ortszeit || (t.temporal && nebeneinander_) ? s_.Par.Laenge : s_.Par.Zonenmeridian;
    r.mitZeitgl = s_.Schalter.MitZeitglZylinder != 0;
    const int n = t.temporal ? s_.Schalter.TemporalIntervall + 1
                             : std::clamp(s_.Schalter.StundenIntervallSonst - '0', 0, 9) + 1;
    const int durchgaenge = V_ > 0 ? 2 : 1;
    // An hour numbered on the horizontal plate is not numbered again on the vertical one.
    std::vector<char> beschriftet(static_cast<std::size_t>(std::max(0, t.stunden.bis - t.stunden.von + 1)), 0);
    for (int pass = 0; pass < durchgaenge; ++pass) {
        const Fenster f = pass == 0 ? hauptFenster() : wandFenster();
        if (pass > 0)
            fensterBefehl(f);
        for (int h = t.stunden.von; h <= t.stunden.bis; ++h) {
            for (int j = 0; j < n; ++j) {
                const double wert = h + static_cast<double>(j) / n;
                if (wert < 0 || wert > t.stunden.bis)
                    continue;
                char& schon = beschriftet[static_cast<std::size_t>(h - t.stunden.von)];
                if (kurve(skala_, f, wert, h, j == 0, r, !schon) && j == 0)
                    schon = 1;
            }
        }
    }
    if (durchgaenge > 1)
        fensterBefehl(hauptFenster());
    if (nebeneinander_)
        zeile(";LT;");
}

// A second part at the place of the first (temporal hours and clock hours together) writes
// its curves on the first's scale, which with its month names and its Italian and Babylonian
// hours stands there once.
void HoehenuhrHpglSchreiber::gefalteterTeil(const Stundenteil& t)
{
    const bool zweiterAufGleicher = std::find(skalenBei_.begin(), skalenBei_.end(), t.x0) != skalenBei_.end();
    if (zweiterAufGleicher) {
        skala_ = skala(t.x0);
        fensterBefehl(hauptFenster());
    } else {
        datumsskala(t.x0);
        skalenBei_.push_back(t.x0);
    }
    stundenteil(t);
    if (!zweiterAufGleicher)
        italBabyl(skala_, hauptFenster());
}

void HoehenuhrHpglSchreiber::italBabyl(const Skala& sk, const Fenster& f)
{
    const TSchalter& sw = s_.Schalter;
    if (!sw.Babylonisch && !sw.Italienisch)
        return;
    if (std::fabs(s_.Par.Breite) > kTemporalGrenzbreite) {
        if (!italBabylGemeldet_)
            frage_.ask(PromptTitle::Problem, PromptIcon::Error, italBabylVerweigerungText(s_), PromptButtons::Ok);
        italBabylGemeldet_ = true;
        return;
    }
    const auto schar = [&](Stundenart art, int von, int bis, int teile) {
        Stundenrechnung r;
        r.art = art;
        const int n = teile + 1;
        for (int h = von; h <= bis; ++h) {
            for (int j = 0; j < n; ++j) {
                const double wert = h + static_cast<double>(j) / n;
                if (wert <= bis)
                    kurve(sk, f, wert, h, j == 0, r);
            }
        }
    };
    if (sw.Babylonisch)
        schar(Stundenart::Babylonisch, s_.Zeiten.BabVon, s_.Zeiten.BabBis, sw.Intervalle[0]);
    if (sw.Italienisch)
        schar(Stundenart::Italienisch, s_.Zeiten.ItalVon, s_.Zeiten.ItalBis, sw.Intervalle[1]);
}

} // namespace umbrin
