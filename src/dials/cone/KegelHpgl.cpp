#include "dials/cone/KegelHpgl.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/Raster.h"
#include "dials/Zahlenplatz.h"
#include "dials/cone/KegelBlatt.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelTexte.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>
#include <cmath>

namespace umbrin {
namespace {

std::string punkt(double x, double y) { return hpglZahl(x) + " " + hpglZahl(y); }

// The plot's frame: origin O (the footprint's centre), the plane's turn, the page.
struct PlotBlatt {
    double ox = 0;
    double oy = 0;
    double w = 0;  // turn, radians
    double breite = 0;
    double hoehe = 0;

    void aufBlatt(double x, double y, double& px, double& py) const
    {
        px = x;
        py = y;
        dreheHPGL(px, py, w);
        px += ox;
        py += oy;
    }
    // Inside the plot's window.
    bool aufSeite(double x, double y) const
    {
        return x > 0 && y > 0 && x < breite * 16157 / 16400 && y < hoehe * 11038 / 11480;
    }
};

// The pen of a line of points: a point is written only when the step from the previous one
// keeps inside the limits; a point that does not count lifts the pen. A point outside the
// limits is not written and lifts the pen too, so no stroke jumps across the gap. The commands
// go to the text, which the plot takes later; the strokes drawn go to striche.
class PlotZug {
public:
    PlotZug(std::string& text, const PlotBlatt& b, bool laengenGrenze, KegelStriche& striche)
        : text_(text), b_(b), laengenGrenze_(laengenGrenze), striche_(striche)
    {
    }

    // The first point of an hour line only starts it.
    void start(double x, double y)
    {
        vx_ = x;
        vy_ = y;
        hatVorigen_ = true;
    }

    void punkt(double x, double y, bool gueltig)
    {
        if (!hatVorigen_)
            start(x, y);
        const bool innen = std::fabs(x) < 2 * b_.breite && std::fabs(vx_) < 2 * b_.breite && std::fabs(y) < 2 * b_.hoehe
                           && std::fabs(vy_) < 2 * b_.hoehe;
        const bool kurz = !laengenGrenze_ || (std::fabs(x - vx_) <= b_.breite / 2 && std::fabs(y - vy_) <= b_.hoehe / 2);
        vx_ = x;
        vy_ = y;
        if (!innen || !kurz) {
            unten_ = false;
            return;
        }
        if (!gueltig) {
            text_ += ";PU " + umbrin::punkt(x, y);
            unten_ = false;
        } else if (!unten_) {
            text_ += ";PU " + umbrin::punkt(x, y) + ";PD ";
            unten_ = true;
        } else {
            text_ += " " + umbrin::punkt(x, y);
            striche_.strecke(gx_, gy_, x, y);
        }
        gx_ = x;
        gy_ = y;
    }

private:
    std::string& text_;
    const PlotBlatt& b_;
    bool laengenGrenze_;
    KegelStriche& striche_;
    double gx_ = 0; // the pen's place: the last point written
    double gy_ = 0;
    bool hatVorigen_ = false;
    bool unten_ = false;
    double vx_ = 0;
    double vy_ = 0;
};

// Whether the hour line l counts at point p and the plot draws a stroke of it from there to a
// neighbouring pair's point: as PlotZug writes it, a stroke from pair i - 1 to pair i needs both
// to count, the step before i - 1 written too, and every step inside the limits (pair 2 only
// starts the line).
bool gezogen(const KegelStundenlinie& l, const PlotBlatt& b, const KegelPunkt& p)
{
    const auto ort = [&](int i, bool& zaehlt, double& x, double& y) {
        const KegelPunkt& q = i == p.paar ? p : l.punkt(i);
        zaehlt = q.gezeigt() && q.r > 1.05;
        b.aufBlatt(q.x, q.y, x, y);
    };
    const auto schritt = [&](double x0, double y0, double x1, double y1) {
        return std::fabs(x0) < 2 * b.breite && std::fabs(x1) < 2 * b.breite && std::fabs(y0) < 2 * b.hoehe
               && std::fabs(y1) < 2 * b.hoehe && std::fabs(x1 - x0) <= b.breite / 2 && std::fabs(y1 - y0) <= b.hoehe / 2;
    };
    // A stroke from pair i - 1 to pair i.
    const auto strich = [&](int i) {
        if (i - 2 < 2 || i > l.letztesPaar())
            return false;
        bool z0 = false, z1 = false, z2 = false;
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        ort(i - 2, z0, x0, y0);
        ort(i - 1, z1, x1, y1);
        ort(i, z2, x2, y2);
        return z1 && z2 && schritt(x0, y0, x1, y1) && schritt(x1, y1, x2, y2);
    };
    return p.gezeigt() && p.r > 1.05 && (strich(p.paar) || strich(p.paar + 1));
}

// The boxes of the legend's lines, as schreibeLegende writes them: a character cell is 1.5
// character widths wide (400 units a centimetre).
// The legend's first line: where the user placed it (no higher than 10800), else at (5200, 1000).
std::pair<double, double> legendenOrt(const AppState& s, int k, std::int32_t legendeX, std::int32_t legendeY)
{
    if (!s.LegendeGesetzt)
        return {5200.0 * k, 1000.0 * k};
    return {static_cast<double>(legendeX) * k, std::min(static_cast<double>(legendeY) * k, 10800.0 * k)};
}

std::vector<KegelZahlkasten> legendenKaesten(const AppState& s, KegelStriche& striche, int k, std::int32_t legendeX,
                                             std::int32_t legendeY, std::uint8_t ebene, double L)
{
    const std::pair<double, double> ort = legendenOrt(s, k, legendeX, legendeY);
    const double x = ort.first, y = ort.second;
    std::vector<KegelZahlkasten> kaesten;
    const auto kasten = [&](double ky, const std::string& text, double w, double h) {
        kaesten.push_back({x, ky, 600.0 * w * k * static_cast<double>(text.size()), 400.0 * h * k});
        striche.kasten(kaesten.back());
    };
    kasten(y, kegelTitel(s), 0.26, 0.4);
    kasten(y - 300.0 * k, kegelOrtZeile(s), 0.2, 0.3);
    kasten(y - 510.0 * k, kegelEbeneZeile(s, ebene), 0.2, 0.3);
    kasten(y - 720.0 * k, kegelAchsenZeile(s, L), 0.2, 0.3);
    kasten(y - 930.0 * k, kegelOeffnungZeile(s), 0.2, 0.3);
    return kaesten;
}

void schreibeLegende(const AppState& s, HPGLDatei& d, int k, std::int32_t legendeX, std::int32_t legendeY,
                     std::uint8_t ebene, double L)
{
    const std::pair<double, double> ort = legendenOrt(s, k, legendeX, legendeY);
    const double x = ort.first, y = ort.second;
    HPGLZeile(d, ";SP 4;PU " + punkt(x, y) + ";" + hpglZeichengroesse(0.26 * k, 0.4 * k) + ";;" + hpglLabel(kegelTitel(s)));
    HPGLZeile(d, ";" + hpglZeichengroesse(0.2 * k, 0.3 * k) + "; PU " + punkt(x, y - 300.0 * k) + ";"
                     + hpglLabel(kegelOrtZeile(s)));
    HPGLZeile(d, ";PU " + punkt(x, y - 510.0 * k) + ";" + hpglLabel(kegelEbeneZeile(s, ebene)));
    HPGLZeile(d, ";PU " + punkt(x, y - 720.0 * k) + ";" + hpglLabel(kegelAchsenZeile(s, L)));
    HPGLZeile(d, ";PU " + punkt(x, y - 930.0 * k) + ";" + hpglLabel(kegelOeffnungZeile(s)));
}

// A mark on the axis at the point (0, hy) of the dial frame: a cross whose vertical stroke runs
// from 80k above to unten below, with its one-letter name in the first of the cross's corners
// (under the right arm, over it, over the left arm, under it) clear of the dial's strokes, else
// in the first such place twice or three times as far out; gives the name's box.
KegelZahlkasten schreibeMarke(HPGLDatei& d, const PlotBlatt& b, double hy, int k, const char* name, double unten,
                              const KegelStriche& striche)
{
    double x = 0, y = 0;
    b.aufBlatt(0, hy, x, y);
    const KegelZahlkasten kasten = kegelMarkenname(
        [&](int f, int rechts, int drunter) {
            return KegelZahlkasten{x + (152.0 * rechts * f - 72) * k, y + (96.0 * -drunter * f - 64) * k, 144.0 * k,
                                   128.0 * k};
        },
        [&](const KegelZahlkasten& k1) {
            return b.aufSeite(k1.x, k1.y) && b.aufSeite(k1.x + k1.breite, k1.y + k1.hoehe);
        },
        striche, 24.0 * k, {x + 80.0 * k, y - 160.0 * k, 144.0 * k, 128.0 * k});
    HPGLZeile(d, ";PU " + punkt(x - 80.0 * k, y) + ";PD " + punkt(x + 80.0 * k, y) + ";PU "
                     + punkt(kasten.x, kasten.y) + ";" + hpglLabel(name));
    HPGLZeile(d, ";PU " + punkt(x, y + 80.0 * k) + ";PD " + punkt(x, y - unten));
    return kasten;
}

// Whether every point lies inside the plot's window.
bool alleAufSeite(const PlotBlatt& b, const std::vector<std::pair<double, double>>& punkte)
{
    return std::all_of(punkte.begin(), punkte.end(), [&](const auto& p) { return b.aufSeite(p.first, p.second); });
}

} // namespace

std::string hpglKegelUhr(const AppState& s, HPGLDatei& d, UserPrompt& frage, const std::string& blattName,
                         std::int32_t legendeX, std::int32_t legendeY, std::uint8_t ebene, double L)
{
    if (const std::string nein = kegelAblehnung(s); !nein.empty())
        return nein;
    const int k = hpglFaktor(s.AlsHPGL != 0);
    PlotBlatt b;
    b.breite = 16400.0 * k;
    b.hoehe = 11480.0 * k;
    const double Lp = static_cast<double>(roundHalfEven(100.0L * k * L)) / 100 * 40;

    const std::string fenster = hpglZahl(16157.0 * k) + " " + hpglZahl(11038.0 * k);
    HPGLZeile(d, "IN;VS 1;PA;IW 0 0 " + fenster + ";SP 4;PU 0 0;EA " + fenster + ";PU 0 0;"
                     + hpglZeichengroesse(0.22 * k, 0.32 * k));
    const Kegelkonstruktion kk = baueKegelkonstruktion(s, Lp, ebene);
    const KegelMasse& m = kk.masse;
    const double phi = kk.ebene.phi;
    b.w = kk.ebene.w;
    if (s.FusspunktGesetzt) {
        b.ox = static_cast<double>(s.FusspunktX) * k;
        b.oy = static_cast<double>(s.FusspunktY) * k;
    } else {
        b.ox = 8200.0 * k;
        b.oy = std::fabs(phi) > 49 ? 2500.0 * k : (std::fabs(phi) > 30 ? 4000.0 * k : 5500.0 * k);
        if (std::fabs(phi) > 50 && 3000.0 * k < Lp)
            b.oy = 1500.0 * k;
        if (phi < 0)
            b.oy = 11000.0 * k - b.oy;
    }
    const double cosPsi = CosGrad(m.psi);

    if (const int netz = frageRaster(s, frage, 410); netz > 0) {
        double sx = 0, sy = 0;
        b.aufBlatt(0, Lp * cosPsi + m.c, sx, sy);
        hpglRaster(d, roundHalfEven(sx), roundHalfEven(sy), 16150LL * k, 40LL * k * netz, 11030LL * k);
    }

    HPGLZeile(d, ";SP 1;PU " + punkt(b.ox - 100.0 * k, b.oy) + ";PD " + punkt(b.ox + 100.0 * k, b.oy) + ";PU "
                     + punkt(b.ox, b.oy - 100.0 * k) + ";PD " + punkt(b.ox, b.oy + 100.0 * k));
    HPGLZeile(d, ";PU " + punkt(b.ox, b.oy) + ";CI " + hpglZahl(30.0 * k) + " 1");
    // Every stroke and label the hour numbers keep clear of.
    KegelStriche striche(15850.0 * k, 10900.0 * k);
    striche.strecke(b.ox - 100.0 * k, b.oy, b.ox + 100.0 * k, b.oy);
    striche.strecke(b.ox, b.oy - 100.0 * k, b.ox, b.oy + 100.0 * k);

    double x = 0, y = 0;
    b.aufBlatt(m.a, 0, x, y);
    std::string rand = ";PU " + punkt(x, y) + ";PD ";
    std::vector<std::pair<double, double>> randPunkte{{x, y}};
    for (int n = 1;; ++n) {
        const double th = std::min(0.05 * n, 6.283);
        const double vx = x, vy = y;
        b.aufBlatt(m.a * std::cos(th), m.b * std::sin(th), x, y);
        rand += " " + punkt(x, y);
        randPunkte.push_back({x, y});
        striche.strecke(vx, vy, x, y);
        if (th >= 6.283)
            break;
    }
    HPGLZeile(d, rand);
    // The footprint and the marks are not cut: where one of them leaves the plot file's sheet,
    // the user is told so at the end (a DXF drawing has no sheet).
    bool ueberRand = !alleAufSeite(b, randPunkte);
    double x1 = 0, y1 = 0;
    b.aufBlatt(0, 2 * m.b, x, y);
    b.aufBlatt(0, -1.2 * m.b, x1, y1);
    HPGLZeile(d, ";PU " + punkt(x, y) + ";PD " + punkt(x1, y1));
    striche.strecke(x, y, x1, y1);
    // The note under the plot, the legend and the date lines, all written after the numbers.
    const std::string notiz = std::string(texteText(s, 222)) + blattName;
    const KegelZahlkasten notizKasten{60.0 * k, 192.0 * k, 144.0 * k * static_cast<double>(notiz.size()), 128.0 * k};
    striche.kasten(notizKasten);
    // The sheet's letter at its foot on the right.
    const KegelZahlkasten blattKasten{0.95 * b.breite, 256.0 * k, 144.0 * k, 128.0 * k};
    striche.kasten(blattKasten);
    const std::vector<KegelZahlkasten> legende = legendenKaesten(s, striche, k, legendeX, legendeY, ebene, L);
    // The date and hour lines, each computed once: filed among the strokes here, written below.
    std::string datumsText, stundenText;
    for (const KegelDatumslinie& l : kk.datumslinien) {
        datumsText += l.haupt ? ";SP 6" : ";SP 7";
        const double h0 = kegelHalberTagbogen(kk.paare.paar[static_cast<std::size_t>(l.paar)].DeklMittel, phi);
        const int schritte = static_cast<int>(std::floor((2 * h0 - 0.2) / 0.1 + 1e-9));
        PlotZug zug(datumsText, b, false, striche);
        for (int n = 0; n <= schritte; ++n) {
            const KegelPunkt p = kk.punkt(l.paar, 12 - h0 + 0.1 * (n + 1));
            double px = 0, py = 0;
            b.aufBlatt(p.x, p.y, px, py);
            zug.punkt(px, py, p.gezeigt() && p.r * p.r > 1.05);
        }
    }
    std::vector<KegelStundenlinie> linien;
    for (const KegelStunde& h : kk.stunden) {
        linien.push_back(kk.stundenlinie(h.t));
        stundenText += h.voll ? ";SP 3" : ";SP 2";
        PlotZug zug(stundenText, b, true, striche);
        for (int i = 2; i <= kk.letztesPaar(); ++i) {
            const KegelPunkt& p = linien.back().punkt(i);
            double px = 0, py = 0;
            b.aufBlatt(p.x, p.y, px, py);
            if (i == 2)
                zug.start(px, py);
            else
                zug.punkt(px, py, p.gezeigt() && p.r > 1.05);
        }
    }
    // The marks' crosses, then their names, first among the boxes the hour numbers keep clear of.
    for (const auto& [hy, unten] : {std::pair{m.c, 80.0 * k}, std::pair{Lp * cosPsi + m.c, 120.0 * k}}) {
        b.aufBlatt(0, hy, x, y);
        striche.strecke(x - 80.0 * k, y, x + 80.0 * k, y);
        striche.strecke(x, y + 80.0 * k, x, y - unten);
    }
    // The numbers keep clear of the marks' names and of each other through the shared placer.
    Zahlenplatz platz(64 * k);
    // Two numbers side by side less than a character cell (144 of a label's 128 high) apart
    // read as one number.
    platz.setzeLeerraum(144.0 / 128.0);
    platz.begrenze(0, 0, 16157 * k, 11038 * k);
    std::vector<KegelZahlkasten> texte = legende; // a number the placer moves keeps off the legend and the note too
    texte.push_back(notizKasten);
    texte.push_back(blattKasten);
    for (const KegelZahlkasten& zeile : texte)
        platz.belege(static_cast<int>(roundHalfEven(zeile.x)), static_cast<int>(roundHalfEven(zeile.y)),
                     static_cast<int>(roundHalfEven(zeile.breite)), static_cast<int>(roundHalfEven(zeile.hoehe)));
    for (const auto& [hy, name, unten] : {std::tuple{m.c, "A", 80.0 * k}, std::tuple{Lp * cosPsi + m.c, "S", 120.0 * k}}) {
        const KegelZahlkasten marke = schreibeMarke(d, b, hy, k, name, unten, striche);
        b.aufBlatt(0, hy, x, y);
        ueberRand = ueberRand
                    || !alleAufSeite(b, {{x - 80.0 * k, y + 80.0 * k}, {x + 80.0 * k, y - unten}, {marke.x, marke.y},
                                         {marke.x + marke.breite, marke.y + marke.hoehe}});
        striche.kasten(marke);
        platz.belege(static_cast<int>(roundHalfEven(marke.x)), static_cast<int>(roundHalfEven(marke.y)),
                     static_cast<int>(roundHalfEven(marke.breite)), static_cast<int>(roundHalfEven(marke.hoehe)));
    }
    HPGLZeile(d, stundenText);

    HPGLZeile(d, ";SP 3;SI " + RealStr(0.24 * k, 6, 2) + " " + RealStr(0.32 * k, 6, 2));
    for (std::size_t h = 0; h < kk.stunden.size(); ++h) {
        const KegelStunde& st = kk.stunden[h];
        if (!st.voll || st.stunde % 2 != 0)
            continue;
        const std::string zahl = IntStr(st.stunde);
        // A label's cell is 1.5 character widths wide (SI 0.24 cm, 400 units a centimetre).
        const int breite = 144 * k * static_cast<int>(zahl.size()), hoehe = 128 * k;
        const double luft = 64.0 * k, frei = 0.25 * hoehe;
        const KegelStundenlinie& l = linien[h];
        const auto gezeichnet = [&](const KegelPunkt& q) { return gezogen(l, b, q); };
        if (!kegelZahlPlatz(kk, l, b, b.ox, b.oy, gezeichnet, striche, breite, hoehe, luft, frei,
                            {0.0, 0.0, 15850.0 * k, 10900.0 * k}, x, y))
            continue;
        const CanvasPoint ecke = platz.platziere(static_cast<int>(roundHalfEven(x)), static_cast<int>(roundHalfEven(y)),
                                                 breite, hoehe);
        HPGLZeile(d, ";PU " + punkt(ecke.x, ecke.y) + ";" + hpglLabel(zahl));
        striche.kasten({double(ecke.x), double(ecke.y), double(breite), double(hoehe)});
    }

    HPGLZeile(d, ";SP 4;PU " + RealStr(60.0 * k, 6, 0) + " " + RealStr(192.0 * k, 6, 0) + ";" + hpglLabel(notiz));
    HPGLZeile(d, datumsText);

    HPGLZeile(d, ";SP 4");
    schreibeLegende(s, d, k, legendeX, legendeY, ebene, L);
    HPGLZeile(d, ";PU " + punkt(blattKasten.x, blattKasten.y) + ";" + hpglLabel("S"));
    // The cone's own sheet follows in a file of its own; its mantle grows with the axis, and where
    // it would leave the sheet the sheet is drawn reduced.
    const double blattTeiler = kegelBlattTeiler(s, L);
    const bool blattUeber = blattTeiler > 1;
    if ((ueberRand || blattUeber) && s.AlsHPGL) {
        const bool en = s.Sprachspalte == 2;
        std::string text;
        if (ueberRand)
            text = en ? "The cone is too large for the plot sheet: its footprint or the marks A and S reach over the edge, "
                        "where the plotter cuts them off."
                      : "Der Kegel ist für das Plotblatt zu groß: sein Grundriss oder die Marken A und S reichen über "
                        "den Rand, wo der Plotter sie abschneidet.";
        if (blattUeber)
            text += (text.empty() ? "" : "\n\r")
                    + (en ? "The cone's sheet \"" + blattName + "\" is too large for its plot sheet: the development of "
                                "the cone and its cross-section are drawn reduced to the scale 1 : " + RealStr(blattTeiler, 1, 1) + "."
                          : "Das Kegelblatt \"" + blattName + "\" ist für sein Plotblatt zu groß: die Abwicklung des "
                                "Kegels und sein Schnitt sind im Maßstab 1 : " + RealStr(blattTeiler, 1, 1) + " verkleinert gezeichnet.");
        text += en ? (ueberRand ? "\n\rPlease shorten the cone axis or move the foot point." : "\n\rPlease shorten the cone axis.")
                   : (ueberRand ? "\n\rBitte die Kegelachse kürzen oder den Fußpunkt verschieben."
                                : "\n\rBitte die Kegelachse kürzen.");
        frage.ask(PromptTitle::Warnung, PromptIcon::Warning, text, PromptButtons::Ok);
    }
    return {};
}

} // namespace umbrin
