#include "dials/altitude/SawyerHpgl.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/altitude/PeaucellierGeometrie.h"
#include "dials/altitude/SawyerGeometrie.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace umbrin {
namespace {

constexpr double kBreite = 16400, kHoehe = 10480;
// Text height of the hour-number moves, plotter units.
constexpr double kT = 2 * 108;
// Character height of the signs on the date lines (0.27 cm).
constexpr double kZeichenHoehe = 108;
// Pitch of the characters of the hour numbers (1.5 times their width of 0.18 cm).
constexpr double kZeichenBreite = 108;

std::string z(double v) { return hpglZahl(v); }
std::string r5(double v) { return RealStr(v, 5, 0); }

struct Plot {
    HPGLDatei& datei;
    double fx = 0, fy = 0;
    // The character size in force (cm, as SI sets it) and whether a stroke or a label written
    // so far reaches past the sheet.
    double zeichenBreite = 0.18, zeichenHoehe = 0.27;
    bool ueberRand = false;
    // The boxes (left, bottom, right, top) of the legend's and the sign table's labels, which
    // the hour numbers keep clear of.
    std::vector<std::array<double, 4>> belegt{};

    void schreibe(const std::string& t) { HPGLZeile(datei, t); }
    void merke(double x, double y)
    {
        // (A tenth of a millimetre for rounding.)
        constexpr double luft = 4;
        ueberRand = ueberRand || x < -luft || y < -luft || x > kBreite + luft || y > kHoehe + luft;
    }
    // A label's cell: 1.5 character widths a character, a character height above its baseline;
    // 400 units a centimetre.
    void merkeText(double x, double y, std::size_t zeichen)
    {
        merke(x, y);
        merke(x + 600 * zeichenBreite * static_cast<double>(zeichen), y + 400 * zeichenHoehe);
    }
    void groesse(double breite, double hoehe)
    {
        zeichenBreite = breite;
        zeichenHoehe = hoehe;
    }
    double px(double x) const { return fx + static_cast<double>(roundHalfEven(x)); }
    double py(double y) const { return fy + static_cast<double>(roundHalfEven(y)); }
    std::string punkt(const SawyerPunkt& p) const { return z(px(p.x)) + " " + z(py(p.y)); }
    void label(double x, double y, const std::string& text)
    {
        merkeText(x, y, text.size());
        schreibe(";PU " + z(x) + " " + z(y) + ";" + hpglLabel(text));
    }
    void belegtesLabel(double x, double y, const std::string& text)
    {
        label(x, y, text);
        belegt.push_back({x, y, x + 600 * zeichenBreite * static_cast<double>(text.size()), y + 400 * zeichenHoehe});
    }
    // The ink of the hour numbers and the signs written so far (left, bottom, right, top).
    std::vector<std::array<double, 4>> zahlen{}, zeichen{};
    static bool trifft(const std::array<double, 4>& a, const std::array<double, 4>& k)
    {
        return a[0] < k[2] && k[0] < a[2] && a[1] < k[3] && k[1] < a[3];
    }
    static bool keins(const std::vector<std::array<double, 4>>& kaesten, const std::array<double, 4>& a)
    {
        return std::none_of(kaesten.begin(), kaesten.end(), [&](const std::array<double, 4>& k) { return trifft(a, k); });
    }
    bool frei(double x0, double y0, double x1, double y1) const { return keins(belegt, {x0, y0, x1, y1}); }
    // Two numbers on one line (sharing half the lower one's height) less than a character cell
    // apart read as one number: a number keeps that far from the numbers written so far.
    bool alsEine(const std::array<double, 4>& a, const std::array<double, 4>& k) const
    {
        const double hoehe = std::min(a[3] - a[1], k[3] - k[1]);
        const double gemeinsam = std::min(a[3], k[3]) - std::max(a[1], k[1]);
        const double luecke = std::max(k[0] - a[2], a[0] - k[2]);
        return trifft(a, k) || (2 * gemeinsam >= hoehe && luecke < 600 * zeichenBreite + 1);
    }
    bool zahlFrei(const std::array<double, 4>& a) const
    {
        return std::none_of(zahlen.begin(), zahlen.end(), [&](const std::array<double, 4>& k) { return alsEine(a, k); });
    }
    // The ink of a label at (x, y) in the character size in force: each character its width in
    // a cell of 1.5 widths, from just above the baseline to just below its height; blanks
    // before it take no room.
    std::array<double, 4> tinte(double x, double y, const std::string& text) const
    {
        const double w = 400 * zeichenBreite, h = 400 * zeichenHoehe;
        const std::size_t vorn = std::min(text.find_first_not_of(' '), text.size());
        return {x + 1.5 * w * static_cast<double>(vorn), y + 0.05 * h,
                x + 1.5 * w * static_cast<double>(std::max<std::size_t>(text.size(), 1) - 1) + w, y + 0.95 * h};
    }
    bool aufDemBlatt(const std::array<double, 4>& a) const { return a[0] >= 0 && a[1] >= 0 && a[2] <= kBreite && a[3] <= kHoehe; }
    void stuecke(const std::vector<std::vector<SawyerPunkt>>& teile)
    {
        for (const auto& teil : teile) {
            if (teil.size() < 2)
                continue;
            std::string t = ";PU " + punkt(teil[0]) + ";PD ";
            for (std::size_t i = 1; i < teil.size(); ++i)
                t += (i > 1 ? " " : "") + punkt(teil[i]);
            for (const SawyerPunkt& q : teil)
                merke(px(q.x), py(q.y));
            schreibe(t);
        }
    }
};

std::string zeitArt(const AppState& s)
{
    if (s.Schalter.Zonenzeit)
        return std::string(texteText(s, 17).substr(1));
    return holeText(s, s.Schalter.HalbeAnalemma || s.Schalter.MozGerade ? 498 : 497);
}

void legende(Plot& p, const AppState& s, double gnomon)
{
    const double y = 0.98 * kHoehe;
    p.schreibe(";PU;SI " + RealStr(0.24, 5, 2) + "," + RealStr(0.36, 5, 2));
    p.groesse(0.24, 0.36);
    p.belegtesLabel(120, y, OhneUmlaute(titelText(s, 40)));
    p.schreibe(";SI " + RealStr(0.18, 5, 2) + "," + RealStr(0.27, 5, 2));
    p.groesse(0.18, 0.27);
    std::string ort = std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 6, 2) + std::string(texteText(s, 105))
                      + std::string(texteText(s, 132)) + RealStr(s.Par.Laenge, 6, 2) + std::string(texteText(s, 105));
    if (ort.size() > 60)
        ort.resize(60);
    p.belegtesLabel(120, y - 200, zeitArt(s));
    p.belegtesLabel(120, y - 360, OhneUmlaute(texteText(s, 151)) + RealStr(gnomon, 5, 1) + " mm");
    p.belegtesLabel(120, y - 520, ort);
    p.belegtesLabel(120, y - 680, holeText(s, 165) + " = " + RealStr(s.Par.DatumWinkel, 5, 2) + " " + holeText(s, 100));
    p.belegtesLabel(120, y - 840, holeText(s, 166) + " = " + RealStr(s.Par.DatumMitte, 3, 0) + " mm");
}

// The zodiac signs with their names and the days the sun enters them.
void hpglSawyerLegende(Plot& p, const AppState& s)
{
    const double x = 360;
    const auto y = [](int i, double ab) { return static_cast<double>(roundHalfEven(0.98 * kHoehe - 900 - (470.0 * i - ab))); };
    p.schreibe(";SA ");
    for (int i = 1; i <= 12; ++i)
        p.belegtesLabel(x, y(i, 180), std::string(1, sawyerSymbol(i)));
    p.schreibe(";SS");
    for (int i = 1; i <= 12; ++i) {
        const int monat = i == 10 ? 12 : (i + 2) % 12;
        p.belegtesLabel(x + 200, y(i, 180), "= " + std::string(tierkreisName(s, i)));
        p.belegtesLabel(x + 350, y(i, 0),
                " (" + std::string(DatumsTage[static_cast<std::size_t>(i - 1)]) + std::string(monatKurz(s, monat)) + " -)");
    }
}

void gnomonFigur(Plot& p, const AppState& s, double R, double gnomon)
{
    p.schreibe(";PU " + r5(120) + " " + r5(240) + ";PD " + r5(120 + R) + " " + r5(240) + " " + r5(120 + R) + " "
               + r5(360) + ";PU " + r5(120) + " " + r5(240) + ";PD " + r5(120) + " " + r5(240 + R) + " " + r5(240)
               + " " + r5(240 + R));
    const std::string laenge = " " + std::string(texteText(s, 151)) + " " + RealStr(gnomon, 6, 0) + "mm";
    p.schreibe(";PU " + r5(240) + " " + r5(60) + ";PD ;" + hpglLabel(laenge));
    p.belegt.push_back({240, 60, 240 + 600 * p.zeichenBreite * static_cast<double>(laenge.size()), 60 + 400 * p.zeichenHoehe});
    const double X = p.fx, Y = p.fy;
    p.schreibe(";PU " + z(X) + " " + z(Y) + ";CI 40 ,0.2;PU " + z(X - 40) + " " + z(Y) + ";PD " + z(X + 40) + " "
               + z(Y) + ";PU " + z(X) + " " + z(Y - 40) + ";PD " + z(X) + " " + z(Y + 40));
}

void stunden(Plot& p, const SawyerMass& m, const SawyerGeometrie& g)
{
    if (m.halbeAnalemma)
        p.schreibe(";PU " + p.punkt({0, 0}) + ";PD " + p.punkt({0, g.meridianEnde}));
    for (const SawyerStundenlinie& l : g.stunden) {
        const bool voll = l.m == 0;
        p.schreibe(voll ? ";SP 3" : ";SP 8");
        p.stuecke(l.stuecke);
        if (!voll || !l.mitAnker || !(l.anker.y < 0))
            continue;
        const SawyerPunkt v = sawyerZahlVersatzPlot(l.h, m.halbeAnalemma);
        const int erste = sawyerErsteZahl(l.h);
        const std::string text = m.halbeAnalemma ? RealStr(erste, 2, 0) : " " + IntStr(erste);
        // The number stands at the anchor, or, where that lies beyond the sheet (a long gnomon
        // near the dial's lowest latitude) or on the legend or the sign table, at the first point
        // up its line where it is on the sheet and clear of them.
        SawyerPunkt an = l.anker;
        const auto aufBlatt = [&](const SawyerPunkt& q) {
            const double x = p.px(q.x) + v.x * kT, y = p.py(q.y) + v.y * kT;
            return x >= 0 && y >= 0 && x + kZeichenBreite * static_cast<double>(text.size()) <= kBreite
                   && y + kZeichenHoehe <= kHoehe;
        };
        const bool zwilling = m.halbeAnalemma || m.mozGerade;
        const std::string rot = zwilling ? IntStr(sawyerZweiteZahl(l.h)) : std::string();
        const double dx = l.h > 0 ? (m.halbeAnalemma ? 0.7 * kT : kT) : -kT;
        // The black number clear of the numbers written before (left out where its line has no
        // such place); its red twin in its column beside it, else on the other side, above or
        // below it, clear of the legend and those numbers: the first such place, none where
        // there is none.
        const auto schwarzFrei = [&](double x, double y) { return p.zahlFrei(p.tinte(x, y, text)); };
        const auto rotPlatz = [&](double x, double y, std::array<double, 2>& an) {
            const double seite = l.h > 0 ? -kT - kZeichenBreite : kT + 0.5 * kZeichenBreite;
            for (const std::array<double, 2> q : {std::array<double, 2>{x + dx, y + kT / 2}, {x + dx + seite, y + kT / 2},
                                                   {x, y + kT}, {x, y - kT}}) {
                const std::array<double, 4> t = p.tinte(q[0], q[1], rot);
                if (p.aufDemBlatt(t) && Plot::keins(p.belegt, t) && p.zahlFrei(t) && !p.alsEine(t, p.tinte(x, y, text))) {
                    an = q;
                    return true;
                }
            }
            return false;
        };
        const double breite = 1.5 * kZeichenBreite * static_cast<double>(text.size());
        const auto freiBei = [&](double x, double y) {
            return x >= 0 && y >= 0 && x + kZeichenBreite * static_cast<double>(text.size()) <= kBreite && y + kZeichenHoehe <= kHoehe
                   && p.frei(x, y, x + breite, y + kZeichenHoehe) && schwarzFrei(x, y)
                   && (!zwilling || p.frei(x + dx, y + kT / 2, x + dx + 3 * kZeichenBreite, y + kT / 2 + kZeichenHoehe));
        };
        const auto frei = [&](const SawyerPunkt& q) { return freiBei(p.px(q.x) + v.x * kT, p.py(q.y) + v.y * kT); };
        bool gefunden = frei(an);
        if (!gefunden)
            for (const SawyerPunkt& q : sawyerVomAnker(l, kT / 2))
                if (q.y < 0 && frei(q)) {
                    an = q;
                    gefunden = true;
                    break;
                }
        // Where the legend or the sign table covers every such place (a line running through
        // the table), the number stands just right of the labels in its way at the first point
        // where that is clear.
        double daneben = 0;
        if (!gefunden)
            for (const SawyerPunkt& q : sawyerVomAnker(l, kT / 2)) {
                const double x0 = p.px(q.x) + v.x * kT, y = p.py(q.y) + v.y * kT;
                double x = x0;
                for (bool weiter = q.y < 0; weiter;) {
                    weiter = false;
                    for (const auto& k : p.belegt)
                        if (Plot::trifft({x, y, x + breite, y + kZeichenHoehe}, k)) {
                            x = k[2] + kT / 4;
                            weiter = true;
                        }
                }
                if (q.y < 0 && x > x0 && freiBei(x, y)) {
                    an = q;
                    daneben = x - x0;
                    gefunden = true;
                    break;
                }
            }
        if (!gefunden && !aufBlatt(an))
            for (const SawyerPunkt& q : sawyerVomAnker(l, kT / 2))
                if (q.y < 0 && aufBlatt(q)) {
                    an = q;
                    break;
                }
        const double x = p.px(an.x) + v.x * kT + daneben, y = p.py(an.y) + v.y * kT;
        if (!schwarzFrei(x, y))
            continue;
        p.label(x, y, text);
        p.zahlen.push_back(p.tinte(x, y, text));
        if (std::array<double, 2> q{}; zwilling && rotPlatz(x, y, q)) {
            p.schreibe(";SP 6");
            p.label(q[0], q[1], rot);
            p.zahlen.push_back(p.tinte(q[0], q[1], rot));
            p.schreibe(";SP 3");
        }
    }
}

// Where a scale's two-line caption stands (x and the y its lines hang from): there where that
// keeps its ink on the sheet and clear of the legend, the sign table, the numbers, the signs,
// the other caption and the gnomon bar; else the first place so, the caption moved from there,
// kept on the sheet, towards the foot (from whichever side it starts: at a wide angle between
// the hour lines the winter line's ends lie beyond the sheet), then up the sheet; else the
// first such place along the sheet's width, row by row up. Where none is, there. Its ink is
// taken in every case.
std::array<double, 2> beschriftungsPlatz(Plot& p, const std::string (&zeilen)[2], double x, double y, double R)
{
    const auto kasten = [&](double px, double py) {
        // (The lines are written after "LB ", whose blank is the label's first character.)
        const std::array<double, 4> a = p.tinte(px, py - 60, " " + zeilen[0]), b = p.tinte(px, py - 180, " " + zeilen[1]);
        return std::array<double, 4>{std::min(a[0], b[0]), b[1], std::max(a[2], b[2]), a[3]};
    };
    const std::array<double, 4> balken{p.fx - R / 2, p.fy + 30, p.fx + R / 2, p.fy + 90};
    const auto frei = [&](double px, double py) {
        const std::array<double, 4> k = kasten(px, py);
        return p.aufDemBlatt(k) && Plot::keins(p.belegt, k) && Plot::keins(p.zahlen, k) && Plot::keins(p.zeichen, k)
               && !Plot::trifft(k, balken);
    };
    const auto nimm = [&](double px, double py) {
        p.belegt.push_back(kasten(px, py));
        return std::array<double, 2>{px, py};
    };
    if (frei(x, y))
        return nimm(x, y);
    const std::array<double, 4> k = kasten(x, y);
    const double breite = k[2] - k[0], start = std::clamp(x, x - k[0], std::max(x - k[0], x - k[0] + kBreite - breite));
    const double richtung = start + (k[0] - x) + breite / 2 < p.fx ? 42 : -42;
    for (double py = y; py + (k[3] - y) <= kHoehe; py += 42)
        for (double px = start;; px += richtung) {
            if (frei(px, py))
                return nimm(px, py);
            const double links = px + (k[0] - x);
            if (richtung > 0 ? links + breite >= p.fx : links <= p.fx)
                break;
        }
    for (double py = y; py + (k[3] - y) <= kHoehe; py += 42)
        for (double px = x - k[0]; px + (k[0] - x) + breite <= kBreite; px += 42)
            if (frei(px, py))
                return nimm(px, py);
    return nimm(x, y);
}

void datumslinien(Plot& p, const AppState& s, const SawyerGeometrie& g, int nd, double R)
{
    p.schreibe(";SP 5;SA ");
    for (const SawyerDatumslinie& l : g.datum) {
        p.schreibe(l.grenze ? ";SP 1" : ";SP 5");
        p.stuecke(l.stuecke);
    }
    // Each sign amid its band (a label stands on its lower edge), the red ones right of the
    // noon line, the others left of it, above the sheet's lower edge and the hour numbers in its
    // column; where its band leaves no room above them, moved sideways the least it must, on its
    // side of the noon line, off the numbers and the signs before it.
    const double dx = kZeichenHoehe / 2;
    double unterkante[2] = {-p.fy, -p.fy};
    for (const auto& k : p.zahlen)
        for (const int spalte : {0, 1}) {
            const double x = spalte == 0 ? p.fx + dx : p.fx - 3 * dx;
            if (k[0] < x + kZeichenHoehe && x < k[2])
                unterkante[spalte] = std::max(unterkante[spalte], k[3] - p.fy);
        }
    for (const SawyerZeichenPlatz& z : sawyerZeichenPlaetze(g, nd, s.Par.Breite < 0, kZeichenHoehe, unterkante)) {
        const double y = p.fy + z.y - kZeichenHoehe / 2;
        const std::string text(1, z.zeichen);
        const double x = z.rechts ? p.fx + dx : p.fx - 3 * dx;
        // The room a sign there shares with the numbers and the signs before it; where no
        // place is free, the one that shares the least.
        const auto deckung = [&](double px) {
            const std::array<double, 4> t = p.tinte(px, y, text);
            double flaeche = 0;
            for (const auto* kaesten : {&p.zahlen, &p.zeichen})
                for (const auto& k : *kaesten)
                    flaeche += std::max(0.0, std::min(t[2], k[2]) - std::max(t[0], k[0]))
                               * std::max(0.0, std::min(t[3], k[3]) - std::max(t[1], k[1]));
            return flaeche;
        };
        double px = x, wenigste = deckung(x);
        for (double schritt = 8; wenigste > 0 && schritt <= 6 * kZeichenHoehe; schritt += 8)
            for (const double wohin : {x + schritt, x - schritt})
                if (z.rechts ? wohin >= p.fx : wohin + 400 * p.zeichenBreite <= p.fx)
                    if (const double d = deckung(wohin); d < wenigste) {
                        px = wohin;
                        wenigste = d;
                        if (d == 0)
                            break;
                    }
        if (z.rechts)
            p.schreibe(";SP 6");
        p.label(px, y, text);
        p.zeichen.push_back(p.tinte(px, y, text));
        if (z.rechts)
            p.schreibe(";SP 1");
    }
    p.schreibe(";SP 4;PU " + p.punkt({g.sommerLinks, 0}) + ";PD " + p.punkt({g.winterLinks, 0}) + ";PU "
               + p.punkt({g.sommerRechts, 0}) + ";PD " + p.punkt({g.winterRechts, 0}));
    for (const double x : {g.sommerLinks, g.winterLinks, g.sommerRechts, g.winterRechts})
        p.merke(p.px(x), p.py(0));
    p.schreibe(";SS ;SP 3;SI " + RealStr(0.14, 5, 2) + "," + RealStr(0.21, 5, 2));
    p.groesse(0.14, 0.21);
    if (!s.Schalter.HalbeAnalemma && !s.Schalter.MozGerade)
        return;
    const double xh = g.winterLinks, yd = p.fy + 300;
    const double xl = p.fx + static_cast<double>(roundHalfEven(xh - 1320));
    const double xr = p.fx - static_cast<double>(roundHalfEven(xh));
    const auto zeile = [&](double x, double y, const std::string& text) {
        p.merkeText(x, y, text.size());
        p.schreibe(";PU " + z(x) + " " + z(y) + ";LB " + text + hpglLabelEnde);
    };
    const std::string links[] = {holeText(s, sawyerHalbjahrText(s.Par.Breite, false)), holeText(s, 611)};
    const std::string rechts[] = {holeText(s, sawyerHalbjahrText(s.Par.Breite, true)), holeText(s, 613)};
    const std::array<double, 2> l = beschriftungsPlatz(p, links, xl, yd, R);
    zeile(l[0], l[1] - 60, links[0]);
    zeile(l[0], l[1] - 180, links[1]);
    p.schreibe(";SP 6");
    const std::array<double, 2> r = beschriftungsPlatz(p, rechts, xr, yd, R);
    zeile(r[0], r[1] - 60, rechts[0]);
    zeile(r[0], r[1] - 180, rechts[1]);
}

} // namespace

std::string sawyerPlotHindernis(const AppState& s)
{
    const double untere = kAzimutUhrUntereBreite;
    return sawyerBreiteVerweigert(s.Par.Breite, untere, s.EpsRund) ? sawyerBreitenText(s, untere) : std::string();
}

std::string hpglSawyerSU(const AppState& s, HPGLDatei& datei, double gnomon, std::string* warnung)
{
    if (std::string nein = sawyerPlotHindernis(s); !nein.empty())
        return nein;
    const double R = static_cast<double>(roundHalfEven(40.0 * gnomon));
    const double c = 40.0 * s.Par.DatumMitte;
    Plot p{datei, static_cast<double>(s.FusspunktX), static_cast<double>(s.FusspunktY)};

    p.schreibe(hpglPrologMitRahmen(static_cast<std::int64_t>(kBreite), static_cast<std::int64_t>(kHoehe))
               + ";SP 4;PU 0 0;");
    legende(p, s, gnomon);
    hpglSawyerLegende(p, s);
    gnomonFigur(p, s, R, gnomon);

    const SawyerMass m = sawyerMass(s, R, c, true);
    const SawyerGeometrie g = sawyerGeometrie(m);
    stunden(p, m, g);
    datumslinien(p, s, g, m.nd, R);

    const double X = p.fx - static_cast<double>(roundHalfEven(R / 2)), Y = p.fy + 60;
    p.schreibe(";SP 4;PU " + z(X) + " " + z(Y + 30) + ";PD " + z(X) + " " + z(Y - 30) + ";PU " + z(X) + " " + z(Y)
               + ";PD " + z(X + R) + " " + z(Y) + ";PU " + z(X + R) + " " + z(Y + 30) + ";PD " + z(X + R) + " "
               + z(Y - 30));
    p.merke(X, Y);
    p.merke(X + R, Y);
    p.schreibe(std::string(hpglEpilogFensterZurueck));
    if (p.ueberRand && warnung)
        *warnung = s.Sprachspalte == 2
                       ? "Parts of the Sawyer dial reach over the edge of the plot sheet, where the plotter cuts them "
                         "off.\n\rPlease shorten the gnomon, the hour lines' distance or their angle, or move the foot "
                         "point."
                       : "Teile der Sawyer-Sonnenuhr reichen über den Rand des Plotblattes, wo der Plotter sie "
                         "abschneidet.\n\rBitte die Zeigerlänge, den Abstand der Stundenlinien oder ihren Winkel "
                         "verkleinern oder den Fußpunkt verschieben.";
    return {};
}

} // namespace umbrin
