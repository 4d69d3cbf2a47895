#include "dials/altitude/ZeichneHirtenSU.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/Zahlenplatz.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr double kUnendlich = 100000.0;

struct Probe {
    double x = 0; // date offset from the scale's first day
    double y = 0; // drop below the gnomon
    bool sichtbar = false;
};

class Hirtenuhr {
public:
    Hirtenuhr(const AppState& s, Canvas& c, const HirtenAuftrag& a) : s_(s), c_(c), a_(a) {}

    Konstruktionsmeldungen zeichne();

private:
    // A figure or name of a scale, whose box the hour numbers keep clear of.
    void skalentext(int x, int y, const std::string& text)
    {
        c_.textOut(x, y, text);
        zahlen_.belege(x, y, c_.textExtent(text).width, c_.fontHeight());
    }
    void hoehenskala(double breiteSkala);
    void datumsskala();
    void stundenkurven();
    void italBabyl(Stundenart art, int von, int bis, int teile);
    void kurvenschar(const Stundenrechnung& r, Stundenbereich b, int n);
    void kurve(double t, int h, bool beschriften, const Stundenrechnung& r);
    // The legend; without zeichnen only the boxes of its texts are taken, which the hour
    // numbers then keep clear of.
    void legende(int c, bool zeichnen = true);
    // The legend's line of the time kinds, and how far its title stands above its place at
    // the sheet's foot.
    std::string zeitZeile() const;
    int titelHebung(int c);
    void ziehe(const Probe& p) { c_.lineTo(canvasZahl(g_.xLinks + p.x), canvasZahl(p.y) + g_.oben); }
    void gehe(const Probe& p) { c_.moveTo(canvasZahl(g_.xLinks + p.x), canvasZahl(p.y) + g_.oben); }

    const AppState& s_;
    Canvas& c_;
    const HirtenAuftrag& a_;
    HirtenMasse g_;
    Datumsbereich bereich_;
    int fh_ = 12;
    Zahlenplatz zahlen_{2};
    Konstruktionsmeldungen meldungen_;
};

void Hirtenuhr::hoehenskala(double breiteSkala)
{
    const CanvasBrush vorher = c_.brush();
    c_.setBrush({0xCBF5F5, BrushStyle::Solid});
    c_.setPenColor(s_.Farben[7]);
    const double rechts = breiteSkala + g_.xLinks;
    c_.rectangle(canvasZahl(rechts), g_.oben, canvasZahl(rechts + 2 * fh_), g_.unten);
    for (int a = 1; a <= 88; ++a) {
        const double ya = g_.P * TanGrad(a);
        if (!(ya < g_.unten - g_.oben))
            break;
        const int y = canvasZahl(ya) + g_.oben;
        c_.moveTo(a % 5 == 0 ? g_.xLinks : canvasZahl(rechts + fh_), y);
        c_.lineTo(canvasZahl(breiteSkala + 2 * fh_) + g_.xLinks, y);
        if (a % 5 == 0)
            skalentext(canvasZahl(breiteSkala + 2.5 * fh_) + g_.xLinks, canvasZahl(ya - 0.5 * fh_) + g_.oben,
                       IntStr(a) + " °");
    }
    c_.setBrush({FarbeWeiss, vorher.style});
    c_.setPenColor(s_.Farben[0]);
}

void Hirtenuhr::datumsskala()
{
    const bool gross = s_.SkalaZylinder > 60;
    // On a short scale a month whose name would reach the last one written is left unnamed.
    int frei = INT_MIN;
    for (int monat = bereich_.ersterMonat; monat <= 12; ++monat) {
        for (int tag : {1, 11, 21}) {
            const std::int32_t d = TagImJahr(s_.Par.Jahr, monat, tag);
            if (s_.Schalter.Monatsskala == 0 && d <= 171)
                continue;
            const double x = (d - bereich_.dStart) * g_.tagSchritt + g_.xLinks;
            const int xt = canvasZahl(x + 3.0);
            if (tag == 1 && xt >= frei) {
                const std::string name(monatKurz(s_, monat));
                frei = xt + c_.textExtent(gross ? name : name.substr(0, 1)).width + c_.textExtent(" ").width;
                skalentext(xt, canvasZahl(g_.oben - 2.1 * fh_), gross ? name : name.substr(0, 1));
                if (gross)
                    skalentext(xt, canvasZahl(g_.oben - 1.15 * fh_), "1");
            } else if (tag == 11 && gross) {
                skalentext(xt, canvasZahl(g_.oben - 1.2 * fh_), "11");
            }
            if ((tag == 1 || gross) && d <= bereich_.dEnd) {
                c_.moveTo(canvasZahl(x), g_.oben);
                c_.lineTo(canvasZahl(x), g_.unten);
                // Hour numbers inside the face keep off the date lines.
                zahlen_.belege(canvasZahl(x), g_.oben, 1, g_.unten - g_.oben);
            }
        }
    }
}

// One curve of equal time: samples every three days, cut at the gnomon's level and at the
// scale's lower edge.
void Hirtenuhr::kurve(double t, int h, bool beschriften, const Stundenrechnung& r)
{
    const bool italBab = r.art == Stundenart::Babylonisch || r.art == Stundenart::Italienisch;
    const double yMax = g_.yMax;
    std::vector<Probe> proben;
    dreiTageSchritte(bereich_.dStart, bereich_.dEnd, [&](std::int32_t d) {
        const Stundensonne p = sonneZurStunde(s_, d, t, r);
        const double co = std::cos(p.hoehe * kRad);
        Probe B;
        B.x = static_cast<double>(roundHalfEven((d - bereich_.dStart) * g_.tagSchritt));
        B.y = std::fabs(co) <= 1e-5 ? kUnendlich : g_.P * std::sin(p.hoehe * kRad) / co;
        B.sichtbar = p.hoehe > 0 && B.y < g_.H && (!italBab || p.azimut < 0.001);
        proben.push_back(B);
    });
    // The number stands at the curve's first day, or, where the sun is down then, at the first
    // day it shines on the face; where another number stands there, at the next day along the
    // curve that is clear.
    const std::string zahl = IntStr(h);
    const TextExtent e = c_.textExtent(zahl);
    // Left of the curve's first day; further along, just above the curve, or, where that would
    // reach above the face into the date scale's day numbers, left of the point and below the
    // face's top edge.
    const auto zahlOrt = [&](const Probe& B) {
        const int y = canvasZahl(B.y);
        if (B.x > 0 && y >= c_.fontHeight() + 2)
            return CanvasPoint{canvasZahl(g_.xLinks + B.x) - e.width / 2, y + g_.oben - c_.fontHeight()};
        if (B.x > 0)
            return CanvasPoint{canvasZahl(g_.xLinks + B.x) - e.width - 2, std::max(y, 0) + g_.oben + 2};
        return CanvasPoint{canvasZahl(g_.xLinks + B.x - 1.5 * fh_), y + g_.oben};
    };
    const auto taugt = [&](std::size_t i) {
        const Probe& B = proben[i];
        return beschriften && B.sichtbar && B.y > 0 && B.y <= yMax;
    };
    // Where no place along the curve is clear, the number moves just beside what is in the way
    // at the first place that may carry it, or, where that is taken too, is left out.
    const std::size_t stelle = zahlen_.stelleAmStrich(
        proben.size(), taugt, [&](std::size_t i) { return zahlOrt(proben[i]); }, e.width, c_.fontHeight());
    Probe A;
    for (std::size_t i = 0; i < proben.size(); ++i) {
        Probe B = proben[i];
        if (i == stelle) {
            const CanvasPoint w = zahlOrt(B);
            if (const std::optional<CanvasPoint> q = zahlen_.platziereFrei(w.x, w.y, e.width, c_.fontHeight()))
                c_.textOut(q->x, q->y, zahl);
        }
        if (i == 0) {
            A = B;
            continue;
        }
        const auto bewege = [](Probe& bewegt, const Probe& anderer, double c) {
            bewegt.x = interpoliereAuf(anderer.y, anderer.x, bewegt.y, bewegt.x, c);
            bewegt.y = c;
        };
        if (B.sichtbar) {
            if (!A.sichtbar && A.y < 0)
                bewege(A, B, 0);
            gehe(A);
            if (B.y > yMax && A.y < yMax) {
                bewege(B, A, yMax);
            } else if (B.y < yMax && A.y > yMax) {
                bewege(A, B, yMax);
                gehe(A);
            }
            if (A.y <= yMax && B.y <= yMax)
                ziehe(B);
        } else if (A.sichtbar && B.y < 0) {
            bewege(B, A, 0);
            gehe(A);
            ziehe(B);
        }
        A = B;
    }
}

void Hirtenuhr::kurvenschar(const Stundenrechnung& r, Stundenbereich b, int n)
{
    const bool temporal = r.art == Stundenart::Temporal;
    for (int h = b.von; h <= b.bis; ++h) {
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > b.bis)
                continue;
            Farbe farbe;
            if (temporal)
                farbe = s_.Farben[j == 0 ? 9 : 8];
            else if (j == 0)
                farbe = s_.Farben[h <= 12 ? 1 : 2];
            else
                farbe = s_.Farben[h <= 12 ? 4 : 5];
            c_.setPenColor(farbe);
            if (j == 0)
                c_.setFontColor(farbe);
            // The sun at 24 o'clock of a day stands where it stands at 0 o'clock of the next:
            // both hours draw one curve, whose second number takes a clear place beside the first.
            kurve(t, h, j == 0, r);
        }
    }
}

void Hirtenuhr::italBabyl(Stundenart art, int von, int bis, int teile)
{
    if (std::fabs(s_.Par.Breite) > kTemporalGrenzbreite) {
        meldungen_.push_back({PromptTitle::Problem, PromptIcon::Error, italBabylVerweigerungText(s_)});
        return;
    }
    Stundenrechnung r;
    r.art = art;
    const int n = teile + 1;
    for (int h = von; h <= bis; ++h) {
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > bis)
                continue;
            c_.setPenColor(s_.Farben[j > 0 ? 6 : art == Stundenart::Italienisch ? 4 : 5]);
            kurve(t, h, false, r);
        }
    }
}

void Hirtenuhr::stundenkurven()
{
    const TSchalter& sw = s_.Schalter;
    const TZeiten& z = s_.Zeiten;
    c_.setPenWidth(sw.Linienstaerke);
    if (sw.Temporalstunden) {
        Stundenrechnung r;
        r.art = Stundenart::Temporal;
        kurvenschar(r, temporalBereich(s_, z.QuadTempVon, z.QuadTempBis, meldungen_), sw.TemporalIntervall + 1);
    }
    if (sw.OhneZeitgl) {
        Stundenrechnung r;
        r.meridian = sw.Ortszeit ? s_.Par.Laenge : s_.Par.Zonenmeridian;
        r.mitZeitgl = sw.MitZeitglZylinder != 0;
        const Stundenbereich b = mittagsregel({z.QuadVon, z.QuadBis}, sw.Ortszeit != 0, r.mitZeitgl);
        kurvenschar(r, b, std::clamp(sw.StundenIntervallSonst - '0', 0, 9) + 1);
    }
    if (s_.ExpertenModusStart) {
        if (sw.Babylonisch)
            italBabyl(Stundenart::Babylonisch, z.BabVon, z.BabBis, sw.Intervalle[0]);
        if (sw.Italienisch)
            italBabyl(Stundenart::Italienisch, z.ItalVon, z.ItalBis, sw.Intervalle[1]);
    }
}

std::string Hirtenuhr::zeitZeile() const { return zylinderZeitzeile(s_); }

// The title stands right of the gnomon drawn at true size. Where a long gnomon leaves it no room
// before the place and time lines at the right, it stands above them.
int Hirtenuhr::titelHebung(int c)
{
    const CanvasFont vorher = c_.font();
    const bool druck = !a_.bildschirm;
    const int m = g_.m, W = g_.W;
    const int belegt = c + m + std::min(canvasZahl(g_.P), W - c);
    c_.setFontHeight(druck ? 40 : a_.grosserBildschirm ? 23 : 16);
    const int fTitel = c_.fontHeight();
    const int xTitel = std::max(canvasZahl(0.36 * W) + m, belegt + fTitel / 2);
    const int ende = xTitel + std::max(c_.textExtent(sprachText(s_, "Zylindersonnenuhr", " Cylinder Sundial")).width,
                                       c_.textExtent(sprachText(s_, " (Hirtensonnenuhr)", " (Shepherds' Dial)")).width);
    c_.setFontHeight(druck ? 30 : a_.grosserBildschirm ? 14 : 12);
    const int fh3 = druck ? 30 : c_.textExtent("f").height;
    const int x = canvasZahl(0.7 * W) + m + 10;
    const int rechts = std::min(imRahmen(c_, x, m + W, ersteZeichen(zylinderOrtszeile(s_), 60)),
                                imRahmen(c_, x, m + W, zeitZeile()));
    c_.setFont(vorher);
    return ende + fTitel / 2 > rechts ? canvasZahl(2.6 * fh3) + fh3 / 3 : 0;
}

void Hirtenuhr::legende(int c, bool zeichnen)
{
    const auto text = [&](int x, int y, const std::string& t) {
        if (zeichnen)
            c_.textOut(x, y, t);
        else
            zahlen_.belege(x, y, c_.textExtent(t).width, c_.fontHeight());
    };
    const bool druck = !a_.bildschirm;
    const int m = g_.m, W = g_.W, H = g_.H;
    c_.setFontColor(s_.Farben[3]);
    // The gnomon at true size stands left of the title; on a narrow page the title moves
    // right of its turned end.
    const int P = canvasZahl(g_.P);
    const int belegt = c + m + std::min(P, W - c);
    const int hebung = titelHebung(c);
    c_.setFontHeight(druck ? 40 : a_.grosserBildschirm ? 23 : 16);
    const int fTitel = c_.fontHeight();
    const int xTitel = std::max(canvasZahl(0.36 * W) + m, belegt + fTitel / 2);
    text(xTitel, H + m - canvasZahl(2.2 * fTitel) - hebung, sprachText(s_, "Zylindersonnenuhr", " Cylinder Sundial"));
    text(xTitel, H + m - canvasZahl(1.2 * fTitel) - hebung, sprachText(s_, " (Hirtensonnenuhr)", " (Shepherds' Dial)"));

    c_.setFontHeight(druck ? 30 : a_.grosserBildschirm ? 14 : 12);
    const int fh = c_.fontHeight();
    const int fh3 = druck ? 30 : c_.textExtent("f").height;
    const int x = canvasZahl(0.7 * W) + m + 10;
    const std::string ort = ersteZeichen(zylinderOrtszeile(s_), 60);
    text(imRahmen(c_, x, m + W, ort), H + m - canvasZahl(2.6 * fh3), ort);
    const std::string zeile2 = zeitZeile();
    text(imRahmen(c_, x, m + W, zeile2), H + m - canvasZahl(1.5 * fh3), zeile2);

    // The gnomon at true size, and its length as drawn.
    c_.setPenColor(0x800080);
    c_.setFontColor(0x800080);
    const int unten = H + m - 2 * fh;
    if (zeichnen)
        zeigerInWahrerGroesse(s_, c_, c + m, unten, P, c / 2, m + W, meldungen_);
    text(c + m, H + m - canvasZahl(1.5 * fh), std::string(texteText(s_, 151)) + RealStr(a_.groesse, 5, 0) + " mm");
}

Konstruktionsmeldungen Hirtenuhr::zeichne()
{
    g_ = hirtenMasse(s_, a_);
    const bool druck = !a_.bildschirm;
    if (temporalZuHoch(s_.Par.Breite, s_.Schalter.Temporalstunden != 0)) {
        zeichneZylinderVerweigerung(s_, c_, g_.W, g_.H, std::string(texteText(s_, 153)));
        return {};
    }
    bereich_ = datumsbereich(s_.Par.Jahr, s_.Schalter.Monatsskala != 0);
    c_.setPen({s_.Farben[0], 1, PenStyle::Solid});
    c_.setFontName("Arial");
    c_.setFontColor(s_.Farben[3]);
    c_.rectangle(g_.m, g_.m, g_.m + g_.W, g_.m + g_.H);
    zahlen_.begrenze(g_.m, g_.m, g_.m + g_.W, g_.m + g_.H);
    c_.setFontHeight(druck ? 35 : 16);
    const int fSkala = c_.fontHeight();
    const int c = canvasZahl(1.5 * fSkala);
    // The face ends above the title's first line at the sheet's foot (legende() writes it).
    const int hebung = titelHebung(c);
    c_.setFontHeight(druck ? 40 : a_.grosserBildschirm ? 23 : 16);
    const int titel = g_.H + g_.m - canvasZahl(2.2 * c_.fontHeight()) - 2 - hebung;
    if (g_.unten > titel) {
        g_.unten = titel;
        g_.yMax = static_cast<double>(g_.unten - g_.oben);
    }
    c_.setFontHeight(fSkala);
    if (g_.gekuerzt) {
        c_.setFontColor(FarbeRot);
        c_.setFontHeight(canvasZahl(0.8 * fSkala));
        const std::string achsenText(texteText(s_, 155));
        c_.textOutRotated(g_.W - fSkala, g_.H / 10, achsenText, -90);
        // The note runs down the page, its letters' feet towards the face: numbers keep off it.
        const int hoehe = c_.fontHeight();
        zahlen_.belege(g_.W - fSkala - hoehe, g_.H / 10, hoehe, c_.textExtent(achsenText).width);
        c_.setFontHeight(fSkala);
        c_.setFontColor(s_.Farben[3]);
    }
    const double breiteSkala = (s_.Schalter.Monatsskala ? bereich_.dEnd : bereich_.N) * g_.tagSchritt;
    c_.rectangle(g_.xLinks, g_.oben, canvasZahl(breiteSkala) + g_.xLinks, g_.unten);
    fh_ = druck ? 27 : 12;
    // Numbers keep a third of their height apart, so that neighbours read apart.
    zahlen_.setzeAbstand(fh_ / 3);
    c_.setFontHeight(fh_);
    if (s_.Schalter.Sonnenhoehe)
        hoehenskala(breiteSkala);
    datumsskala();
    // The legend's texts take their places before the hour numbers, which keep clear of them.
    const CanvasFont schrift = c_.font();
    const CanvasPen stift = c_.pen();
    legende(c, false);
    c_.setFont(schrift);
    c_.setPen(stift);
    stundenkurven();
    legende(c);
    return meldungen_;
}

} // namespace

HirtenMasse hirtenMasse(const AppState& s, const HirtenAuftrag& a)
{
    HirtenMasse g;
    const bool druck = !a.bildschirm;
    g.m = druck ? 50 : 0;
    g.W = druck ? a.breite - 100 : a.breite;
    g.H = druck ? a.hoehe - 100 : a.hoehe;
    g.L = s.UhrTyp == 'z' ? s.SkalaZylinder : s.SkalaHidokai;
    // At most 250 mm, and on a page no more than its width holds beside the hour numbers left
    // of the first day and the altitude strip with its numbers right of the last (five heights
    // of the scale's font on either side).
    const double laengste = druck ? std::min(250.0, std::floor((g.W - 2 * 5 * 27) / 10.0)) : 250.0;
    if (g.L > laengste) {
        g.L = laengste;
        g.gekuerzt = true;
    }
    const Datumsbereich b = datumsbereich(s.Par.Jahr, s.Schalter.Monatsskala != 0);
    const double D = std::max(1, b.dEnd - b.dStart);
    if (druck) {
        g.P = a.groesse * 10.0;
        g.tagSchritt = 10 * g.L / D;
    } else if (g.W > 1.414 * g.H) {
        g.P = static_cast<double>(roundHalfEven(a.groesse * g.H * 1.42 / 305));
        g.tagSchritt = g.H * g.L * 1.42 / 305 / D;
    } else {
        g.P = static_cast<double>(roundHalfEven(a.groesse * g.W / 305.0));
        g.tagSchritt = g.W * g.L / 305 / D;
    }
    const double phi = std::fabs(s.Par.Breite);
    g.hoeheMax = phi >= s.EpsRund ? 90 - phi + s.EpsRund : 90;
    g.yMax = std::fabs(std::cos(g.hoeheMax * kRad)) <= 0.0001 ? 100000.0
                                                               : std::fabs(1.05 * g.P * std::tan(g.hoeheMax * kRad));
    g.oben = g.m + (0.9 * g.H > g.yMax ? g.H / 12 : g.H / 20);
    g.unten = canvasZahl(g.oben + g.yMax);
    if (g.unten > 0.93 * g.H) {
        g.unten = canvasZahl(0.93 * g.H);
        g.yMax = static_cast<double>(g.unten - g.oben);
    }
    g.xLinks = std::max(canvasZahl((g.W - D * g.tagSchritt) / 2) + g.m, g.m + 2);
    return g;
}

Konstruktionsmeldungen zeichneHirtenSU(const AppState& s, Canvas& c, const HirtenAuftrag& a)
{
    return Hirtenuhr(s, c, a).zeichne();
}

} // namespace umbrin
