#include "dials/altitude/SawyerZeichnung.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/PeaucellierGeometrie.h"
#include "dials/altitude/PeaucellierZeichnung.h"
#include "dials/Clipping.h"
#include "dials/altitude/SawyerGeometrie.h"
#include "dials/altitude/Zahlenplatz.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <cmath>
#include <cstdlib>
#include <string>

namespace umbrin {
namespace {

int rund(double v) { return sawyerPixel(v); }

constexpr Farbe kNavy = 0x800000;

struct Blatt {
    AppState& s;
    Canvas& c;
    bool bildschirm;
    int x0, y0, breite, hoehe;
    int fx = 0, fy = 0;
    // Boxes (left, top, right, bottom) the texts drawn so far take: legend, sign table, numbers.
    std::vector<std::array<int, 4>> belegt{};

    // A dial point (y up) on the canvas (y down).
    CanvasPoint punkt(const SawyerPunkt& p) const { return {fx + rund(p.x), fy - rund(p.y)}; }
    // A line of the dial; on the screen cut at the image's edges: at a far centre or a wide
    // hour angle the lines run on far beyond it, and the image shows them up to its edge. (A
    // page the dial runs off is refused by the page check before it is printed.)
    void zug(const std::vector<CanvasPoint>& q) const
    {
        if (!bildschirm) {
            if (q.size() > 1)
                c.polyline(q);
            return;
        }
        for (const std::vector<CanvasPoint>& stueck : polylinieImRechteck(q, x0 - 1, y0 - 1, x0 + breite - 1, y0 + hoehe - 1))
            c.polyline(stueck);
    }
    void strecke(CanvasPoint p, CanvasPoint q) const { zug({p, q}); }
    int staerke(int mehr) const { return s.Schalter.Linienstaerke + mehr; }
};

// The zodiac signs, their names and the days the sun enters them, down the left margin.
// Returns the right and the bottom edge of the table.
CanvasPoint zeichneSawyerLegende(Blatt& b)
{
    const AppState& s = b.s;
    const int FH = b.bildschirm ? 16 : 30;
    b.c.setFontColor(s.Farben[3]);
    b.c.setBold(false);
    const int lx = rund(1.5 * FH + b.x0), ly = 5 * FH + b.y0;
    CanvasPoint ecke{lx, ly};
    for (int k = 1; k <= 12; ++k) {
        const int y = rund(ly + 1.1 * FH * (2 * k - 0.7));
        b.c.setFontName("Wingdings");
        b.c.setFontHeight(FH);
        b.c.textOut(lx, y, std::string(1, sawyerSymbol(k)));
        b.c.setFontName("Arial");
        const std::string name = "= " + std::string(tierkreisName(s, k));
        b.c.textOut(rund(lx + 1.7 * FH), y, name);
        const int monat = k == 10 ? 12 : (k + 2) % 12;
        const std::string datum = " (" + std::string(DatumsTage[static_cast<std::size_t>(k - 1)])
                                  + std::string(monatKurz(s, monat)) + " -)";
        b.c.textOut(rund(lx + 1.7 * FH), rund(ly + 1.1 * FH * (2 * k + 0.2)), datum);
        ecke.x = std::max({ecke.x, rund(lx + 1.7 * FH) + b.c.textExtent(name).width,
                           rund(lx + 1.7 * FH) + b.c.textExtent(datum).width});
        ecke.y = rund(ly + 1.1 * FH * (2 * k + 0.2)) + FH;
    }
    return ecke;
}

// The gnomon's length as a bracket in the lower left corner; a bracket that would reach up
// into the sign table (a short screen) stands beside it instead.
void gnomonMasse(Blatt& b, double R, int d, double gnomon, CanvasPoint tabelle)
{
    const int Y = b.y0 + b.hoehe - 3 * d;
    const int r = rund(R);
    const int X = Y - r < tabelle.y ? tabelle.x + d : b.x0 + 20;
    b.c.textOut(X + d, Y + rund(0.5 * d), std::string(texteText(b.s, 151)) + RealStr(gnomon * b.s.Zoom, 5, 0) + " mm");
    b.c.moveTo(X, Y);
    b.c.lineTo(X, Y - r);
    b.c.lineTo(X + d, Y - r);
    b.c.moveTo(X, Y);
    b.c.lineTo(X + r, Y);
    b.c.lineTo(X + r, Y - d);
    const int xs = b.fx - rund(R / 2), ys = b.fy - rund(1.5 * d), h = rund(0.5 * d);
    b.c.moveTo(xs, ys);
    b.c.lineTo(xs + r, ys);
    b.c.moveTo(xs, ys - h);
    b.c.lineTo(xs, ys + h);
    b.c.moveTo(xs + r, ys - h);
    b.c.lineTo(xs + r, ys + h);
}

// One number of an hour line: its text and its top left corner.
struct Zahl {
    std::string text;
    int x = 0, y = 0;
    int vorn = 0; // the width of the blank before a one-digit number of two places
};

// The hour lines on the canvas; the full hours' cut into runs of a few segments, each run with
// its box, so that the question whose full-hour line lies nearest a point (the numbers name
// those) looks only at the runs that can be near it.
class Linienfeld {
public:
    Linienfeld(const Blatt& b, const SawyerGeometrie& g)
    {
        for (const SawyerStundenlinie& l : g.stunden) {
            auto& teile = linien_.emplace_back();
            for (const auto& teil : l.stuecke) {
                auto& q = teile.emplace_back();
                q.reserve(teil.size());
                for (const SawyerPunkt& p : teil)
                    q.push_back(b.punkt(p));
                for (std::size_t i = 0; l.m == 0 && i + 1 < q.size(); i += kLauf) {
                    Lauf lauf{l.h, linien_.size() - 1, teile.size() - 1, i, std::min(i + kLauf, q.size() - 1),
                              INT_MAX, INT_MAX, INT_MIN, INT_MIN};
                    for (std::size_t k = lauf.von; k <= lauf.bis; ++k) {
                        lauf.x0 = std::min(lauf.x0, q[k].x);
                        lauf.y0 = std::min(lauf.y0, q[k].y);
                        lauf.x1 = std::max(lauf.x1, q[k].x);
                        lauf.y1 = std::max(lauf.y1, q[k].y);
                    }
                    eigene_[l.h].push_back(laeufe_.size());
                    laeufe_.push_back(lauf);
                }
            }
        }
    }

    // The pieces of the n-th line of the geometry on the canvas.
    const std::vector<std::vector<CanvasPoint>>& linie(std::size_t n) const { return linien_[n]; }

    // The line of hour h is the nearest to (x, y); of two as near, the one drawn first.
    // Distances are compared squared.
    bool eigene(double x, double y, int h) const
    {
        double naechste = INFINITY;
        std::size_t erster = laeufe_.size();
        static const std::vector<std::size_t> keine;
        const auto eigen = eigene_.find(h);
        for (const std::size_t i : eigen == eigene_.end() ? keine : eigen->second)
            if (kastenAbstand(laeufe_[i], x, y) <= naechste) {
                const double d = abstand(laeufe_[i], x, y);
                if (d < naechste) {
                    naechste = d;
                    erster = i;
                }
            }
        for (std::size_t i = 0; i < laeufe_.size(); ++i) {
            if (laeufe_[i].h == h || kastenAbstand(laeufe_[i], x, y) > naechste)
                continue;
            const double d = abstand(laeufe_[i], x, y);
            if (d < naechste || (d == naechste && i < erster))
                return false;
        }
        return true;
    }

private:
    static constexpr std::size_t kLauf = 16;
    struct Lauf {
        int h;
        std::size_t linie, teil, von, bis; // its line, the piece of it, its first and last point
        int x0, y0, x1, y1;
    };

    static double kastenAbstand(const Lauf& l, double x, double y)
    {
        const double dx = std::max({l.x0 - x, 0.0, x - l.x1}), dy = std::max({l.y0 - y, 0.0, y - l.y1});
        return dx * dx + dy * dy;
    }
    double abstand(const Lauf& l, double x, double y) const
    {
        double d = INFINITY;
        const std::vector<CanvasPoint>& q = linien_[l.linie][l.teil];
        for (std::size_t i = l.von; i < l.bis; ++i) {
            const double px = q[i].x, py = q[i].y, ux = q[i + 1].x - px, uy = q[i + 1].y - py;
            const double l2 = ux * ux + uy * uy;
            const double s = l2 > 0 ? std::clamp(((x - px) * ux + (y - py) * uy) / l2, 0.0, 1.0) : 0.0;
            const double dx = x - px - s * ux, dy = y - py - s * uy;
            d = std::min(d, dx * dx + dy * dy);
        }
        return d;
    }

    std::vector<std::vector<std::vector<CanvasPoint>>> linien_;
    std::vector<Lauf> laeufe_;
    std::map<int, std::vector<std::size_t>> eigene_; // the runs of each hour, in drawing order
};

// The date lines on the canvas, worked out once for the numbers and the drawing, cut into runs of
// a few segments, each run with its box, so that the question whether a number's box meets a
// date line looks only at the segments near it.
class Datumsfeld {
public:
    Datumsfeld(const Blatt& b, const SawyerGeometrie& g)
    {
        for (const SawyerDatumslinie& l : g.datum) {
            erstes_.push_back(linien_.size());
            for (const auto& teil : l.stuecke) {
                auto& q = linien_.emplace_back();
                for (const SawyerPunkt& p : teil)
                    q.push_back(b.punkt(p));
                for (std::size_t i = 0; i + 1 < q.size(); i += kLauf) {
                    Lauf lauf{linien_.size() - 1, i, std::min(i + kLauf, q.size() - 1), INT_MAX, INT_MAX, INT_MIN, INT_MIN};
                    for (std::size_t k = lauf.von; k <= lauf.bis; ++k) {
                        lauf.x0 = std::min(lauf.x0, q[k].x);
                        lauf.y0 = std::min(lauf.y0, q[k].y);
                        lauf.x1 = std::max(lauf.x1, q[k].x);
                        lauf.y1 = std::max(lauf.y1, q[k].y);
                    }
                    laeufe_.push_back(lauf);
                }
            }
        }
        erstes_.push_back(linien_.size());
    }

    // Draws the pieces of the n-th date line of the geometry.
    void zeichne(const Blatt& b, std::size_t n) const
    {
        for (std::size_t i = erstes_[n]; i < erstes_[n + 1]; ++i)
            b.zug(linien_[i]);
    }

    // Whether a date line runs through the box x0..x1, y0..y1 (its edges included).
    bool trifft(double x0, double y0, double x1, double y1) const
    {
        double t0 = 0, t1 = 0;
        for (const Lauf& l : laeufe_) {
            if (l.x1 < x0 || l.x0 > x1 || l.y1 < y0 || l.y0 > y1)
                continue;
            const std::vector<CanvasPoint>& q = linien_[l.linie];
            for (std::size_t i = l.von; i < l.bis; ++i) {
                const CanvasPoint a = q[i], e = q[i + 1];
                if (std::max(a.x, e.x) < x0 || std::min(a.x, e.x) > x1 || std::max(a.y, e.y) < y0
                    || std::min(a.y, e.y) > y1)
                    continue;
                if (streckeImRechteck(a.x, a.y, e.x, e.y, x0, y0, x1, y1, t0, t1))
                    return true;
            }
        }
        return false;
    }

private:
    static constexpr std::size_t kLauf = 8;
    struct Lauf {
        std::size_t linie, von, bis;
        int x0, y0, x1, y1;
    };
    std::vector<std::vector<CanvasPoint>> linien_;
    std::vector<std::size_t> erstes_; // each line's first piece, and one past the last line's last
    std::vector<Lauf> laeufe_;
};

// Where the numbers of the full-hour lines stand, in the order of the number placer: at a point
// of their line (its anchor first, then along it), moved from it by the line's own offset, the
// red twin in one of its columns beside the black number. Clean means on the sheet, off the
// sign table (and the numbers beside it), nearest the own line; off the date lines too, drawn
// after them, where the placer's first rule asks it: there a date line may only graze a quarter
// of the number's height at the top or the bottom (the end line over the noon number), and the
// own line is nearest to the whole middle of the box, not only to its centre.
// The places a red number may take beside its black one (its top left corners).
struct Spalten {
    std::array<std::array<int, 2>, 5> q{};
    std::size_t n = 0;
    void dazu(int x, int y) { q[n++] = {x, y}; }
    const std::array<int, 2>* begin() const { return q.data(); }
    const std::array<int, 2>* end() const { return q.data() + n; }
};

class Zahlensuche {
public:
    Zahlensuche(const Blatt& b, const SawyerMass& m, const SawyerGeometrie& g, const Datumsfeld& datum, double th0)
        : b_(b), m_(m), feld_(b, g), datum_(datum), th0_(th0), th_(m.halbeAnalemma ? 1.1 * th0 : th0),
          zweiZahlen_(m.halbeAnalemma || m.mozGerade)
    {
        for (const auto& k : b.belegt)
            platz_.belege(k[0], k[1], k[2] - k[0], k[3] - k[1]);
        platz_.begrenze(b.x0, b.y0, b.x0 + b.breite, b.y0 + b.hoehe);
    }
    const Linienfeld& feld() const { return feld_; }

    // The numbers of the full-hour line l: none where no point of it lies on the sheet.
    std::vector<Zahl> zahlen(const SawyerStundenlinie& l);

private:
    struct Linie {
        const SawyerStundenlinie& l;
        Zahl z, rot;
        TextExtent ez, er;
        SawyerPunkt v;
        std::vector<SawyerPunkt> orte;
        bool mitWeg = false; // the places beyond the anchor are in orte
        bool mitRot = false; // the red number has its place
        std::vector<signed char> eigenSchwarz[2]{}; // schwarzEigen's answers by place, -1 not yet asked
    };
    bool eigen(const Zahl& z, const TextExtent& e, int h) const
    {
        return feld_.eigene(z.x + (z.vorn + e.width) / 2.0, z.y + e.height / 2.0, h);
    }
    void aufsBlatt(Zahl& z, const TextExtent& e) const
    {
        const CanvasPoint q = platz_.aufsBlatt(z.x, z.y, e.width, e.height);
        z.x = q.x;
        z.y = q.y;
    }
    bool rotDaneben(Linie& n, Spalten& s) const;
    // Which line a number stands by is judged by its digits, a blank before them left out.
    bool sauber(const Zahl& z, const TextExtent& e, int h, bool datum) const
    {
        return frei(z, e) && eigen(z, e, h) && (!datum || datumFrei(z, e, h));
    }
    bool frei(const Zahl& z, const TextExtent& e) const
    {
        return platz_.aufDemBlatt(z.x, z.y, e.width, e.height) && !platz_.verdeckt(z.x, z.y, e.width, e.height);
    }
    bool datumFrei(const Zahl& z, const TextExtent& e, int h) const
    {
        const double x = z.x + z.vorn, w = e.width - z.vorn, my = z.y + e.height / 2.0;
        return !datum_.trifft(z.x, z.y + e.height / 4.0, z.x + e.width, z.y + 0.75 * e.height)
               && feld_.eigene(x + w / 4, my, h) && feld_.eigene(x + 0.75 * w, my, h);
    }
    // Whether the black number at place i (moved beside the table: daneben) stands nearest its
    // own line, worked out once a place: each rule asks it again.
    bool schwarzEigen(Linie& n, bool daneben, std::size_t i) const
    {
        std::vector<signed char>& c = n.eigenSchwarz[daneben ? 1 : 0];
        if (c.size() <= i)
            c.resize(std::max(i + 1, n.orte.size()), -1);
        if (c[i] < 0)
            c[i] = eigen(n.z, n.ez, n.l.h) ? 1 : 0;
        return c[i] != 0;
    }
    bool schwarzSauber(Linie& n, bool daneben, std::size_t i, bool datum) const
    {
        return frei(n.z, n.ez) && schwarzEigen(n, daneben, i) && (!datum || datumFrei(n.z, n.ez, n.l.h));
    }
    const SawyerPunkt& ort(Linie& n, std::size_t i) const;
    void alleOrte(Linie& n) const;
    bool dient(Linie& n, Zahlenplatz::Stufe stufe, bool daneben, std::size_t i) const;
    void spalten(Linie& n, Spalten& s) const;

    const Blatt& b_;
    const SawyerMass& m_;
    Linienfeld feld_;
    const Datumsfeld& datum_;
    Zahlenplatz platz_{0};
    double th0_, th_;
    bool zweiZahlen_;
};

// The red number stands right of the first after noon; up to noon left of it, or, where the
// next line runs close, right of it. It stands half a line higher, but at noon, where the end
// line runs level just above the numbers, on their line. Over the half analemmas' two-digit
// first number it stands a whole line higher, clear of it, or else beside it, a little apart,
// on whichever side keeps it by its line.
void Zahlensuche::spalten(Linie& n, Spalten& s) const
{
    const Zahl& z = n.z;
    const int halb = rund(z.y - (n.l.h == 0 ? 0 : th_ / 2));
    const int rechts = z.x + n.ez.width + rund(th_ / 4), links = z.x - n.er.width - rund(th_ / 4);
    s.n = 0;
    if (n.l.h <= 0) {
        s.dazu(links, halb);
        s.dazu(rechts, halb);
    } else if (m_.halbeAnalemma) {
        s.dazu(rund(z.x + 0.7 * th_), rund(z.y - th_));
        s.dazu(z.x + n.ez.width + rund(th_ / 8), halb);
        s.dazu(links, halb);
    } else {
        s.dazu(rund(z.x + th_), halb);
    }
}

// The i-th place of the line: its anchor where it has one, then the points along it, worked out
// when a place beyond the anchor is first asked for.
const SawyerPunkt& Zahlensuche::ort(Linie& n, std::size_t i) const
{
    if (i > 0 || !n.l.mitAnker)
        alleOrte(n);
    return n.orte[i];
}

void Zahlensuche::alleOrte(Linie& n) const
{
    if (n.mitWeg)
        return;
    const std::vector<SawyerPunkt> weg = sawyerVomAnker(n.l, th0_ / 2);
    n.orte.insert(n.orte.end(), weg.begin(), weg.end());
    n.mitWeg = true;
}

// Whether the numbers stand under that rule at the place p (on the face below O), the black
// one moved beside the box covering it (daneben); there n holds them.
bool Zahlensuche::dient(Linie& n, Zahlenplatz::Stufe stufe, bool daneben, std::size_t i) const
{
    using S = Zahlenplatz::Stufe;
    n.mitRot = false;
    const SawyerPunkt& p = ort(n, i);
    if (!(p.y < 0))
        return false;
    const CanvasPoint a = b_.punkt(p);
    n.z.x = rund(a.x + n.v.x * th0_);
    n.z.y = rund(a.y + n.v.y * th0_);
    if (daneben) {
        if (!platz_.verdeckt(n.z.x, n.z.y, n.ez.width, n.ez.height))
            return false;
        n.z.x = platz_.daneben(n.z.x, n.z.y, n.ez.width, n.ez.height, rund(th_ / 4)).x;
    }
    Spalten s;
    spalten(n, s);
    n.rot.x = s.q[0][0];
    n.rot.y = s.q[0][1];
    switch (stufe) {
    case S::Sauber:
    case S::Nah:
        if (!schwarzSauber(n, daneben, i, stufe == S::Sauber))
            return false;
        for (const auto& q : zweiZahlen_ ? s : Spalten{}) {
            n.rot.x = q[0];
            n.rot.y = q[1];
            if (sauber(n.rot, n.er, n.l.h, stufe == S::Sauber))
                return n.mitRot = true;
        }
        return !zweiZahlen_;
    case S::Allein:
        return schwarzSauber(n, daneben, i, false) && rotDaneben(n, s);
    case S::AmStrich:
        if (!(a.x >= b_.x0 && a.x <= b_.x0 + b_.breite && a.y >= b_.y0 && a.y <= b_.y0 + b_.hoehe))
            return false;
        aufsBlatt(n.z, n.ez);
        spalten(n, s);
        return frei(n.z, n.ez) && eigen(n.z, n.ez, n.l.h) && rotDaneben(n, s);
    }
    return false;
}

// Where no column keeps the red number clean: the first of its columns, or above or below the
// black number, that keeps it clean; where none does, it is left out rather than standing by
// another line or on the sign table. True in every case.
bool Zahlensuche::rotDaneben(Linie& n, Spalten& s) const
{
    n.mitRot = zweiZahlen_;
    if (!zweiZahlen_)
        return true;
    const int mitte = n.z.x + (n.ez.width - n.er.width) / 2;
    s.dazu(mitte, n.z.y - n.er.height);
    s.dazu(mitte, n.z.y + n.ez.height);
    for (const auto& q : s) {
        n.rot.x = q[0];
        n.rot.y = q[1];
        if (sauber(n.rot, n.er, n.l.h, false))
            return true;
    }
    n.mitRot = false;
    return true;
}

std::vector<Zahl> Zahlensuche::zahlen(const SawyerStundenlinie& l)
{
    using S = Zahlenplatz::Stufe;
    const int erste = sawyerErsteZahl(l.h);
    Linie n{l, {m_.halbeAnalemma ? RealStr(erste, 2, 0) : IntStr(erste)},
            {zweiZahlen_ ? IntStr(sawyerZweiteZahl(l.h)) : std::string()}, {}, {}, sawyerZahlVersatzBild(l.h, m_.halbeAnalemma),
            {}};
    n.ez = b_.c.textExtent(n.z.text);
    if (n.z.text.front() == ' ')
        n.z.vorn = n.ez.width - b_.c.textExtent(n.z.text.substr(1)).width;
    n.er = zweiZahlen_ ? b_.c.textExtent(n.rot.text) : TextExtent{};
    if (l.mitAnker)
        n.orte.push_back(l.anker);
    const auto pruefe = [&](S stufe, bool daneben, std::size_t i) { return dient(n, stufe, daneben, i); };
    // The anchor mostly serves, and the places along the line need not be worked out.
    Zahlenplatz::Fund f = l.mitAnker && pruefe(S::Sauber, false, 0) ? Zahlenplatz::Fund{true, S::Sauber, false, 0}
                                                                    : Zahlenplatz::Fund{};
    if (!f.gefunden) {
        alleOrte(n);
        // Without a point of the line on the sheet the numbers stand only where they are clean.
        const bool aufBlatt = std::any_of(n.orte.begin(), n.orte.end(), [&](const SawyerPunkt& p) {
            const CanvasPoint a = b_.punkt(p);
            return a.x >= b_.x0 && a.x <= b_.x0 + b_.breite && a.y >= b_.y0 && a.y <= b_.y0 + b_.hoehe;
        });
        f = Zahlenplatz::suche(n.orte.size(), pruefe, aufBlatt ? S::AmStrich : S::Nah);
    }
    if (!f.gefunden)
        return {};
    pruefe(f.stufe, f.daneben, f.stelle);
    std::vector<Zahl> zahlen{n.z};
    if (n.mitRot)
        zahlen.push_back(n.rot);
    // A number beside the sign table, or of a line the table covers that found no clean place,
    // keeps later numbers off: it may stand where a later line would put them.
    const bool belegen = f.daneben || (f.stufe >= S::Allein && std::any_of(n.orte.begin(), n.orte.end(), [&](const SawyerPunkt& p) {
                                           const CanvasPoint a = b_.punkt(p);
                                           return p.y < 0 && platz_.verdeckt(rund(a.x + n.v.x * th0_), rund(a.y + n.v.y * th0_), n.ez.width, n.ez.height);
                                       }));
    if (belegen)
        for (std::size_t i = 0; i < zahlen.size(); ++i)
            platz_.belege(zahlen[i].x, zahlen[i].y, (i == 0 ? n.ez : n.er).width, (i == 0 ? n.ez : n.er).height);
    return zahlen;
}

// Draws the hour lines and their numbers; returns the numbers' boxes (left, top, right, bottom).
std::vector<std::array<int, 4>> stunden(Blatt& b, const SawyerMass& m, const SawyerGeometrie& g, const Datumsfeld& datum,
                                        int FH)
{
    std::vector<std::array<int, 4>> kaesten;
    const auto& F = b.s.Farben;
    if (m.halbeAnalemma) {
        b.strecke(b.punkt({0, 0}), b.punkt({0, g.meridianEnde}));
    }
    b.c.setBold(true);
    b.c.setFontHeight(FH);
    Zahlensuche suche(b, m, g, datum, m.halbeAnalemma ? b.c.textExtent("f").height : FH);
    for (std::size_t n = 0; n < g.stunden.size(); ++n) {
        const SawyerStundenlinie& l = g.stunden[n];
        const bool voll = l.m == 0;
        const std::vector<Zahl> zahlen = voll ? suche.zahlen(l) : std::vector<Zahl>{};
        b.c.setPenColor(voll ? F[2] : F[7]);
        b.c.setPenWidth(voll ? b.staerke(b.bildschirm ? 1 : 2) : b.staerke(0));
        for (const auto& q : suche.feld().linie(n))
            b.zug(q);
        for (std::size_t i = 0; i < zahlen.size(); ++i) {
            if (i == 1)
                b.c.setFontColor(FarbeRot);
            b.c.textOut(zahlen[i].x, zahlen[i].y, zahlen[i].text);
            const TextExtent e = b.c.textExtent(zahlen[i].text);
            kaesten.push_back({zahlen[i].x, zahlen[i].y, zahlen[i].x + e.width, zahlen[i].y + e.height});
        }
        if (!zahlen.empty())
            b.c.setFontColor(kNavy);
    }
    b.c.setBold(false);
    return kaesten;
}

// Where the two lines of a scale's caption stand: at (x, y), its top left corner, where that
// keeps them on the sheet and clear of the texts drawn so far and of the gnomon bar; else the
// first place so, the caption moved towards the foot (seite: +1 right of it, -1 left), then up,
// always above the horizon line. Where none is, at (x, y) kept on the sheet.
CanvasPoint beschriftungsPlatz(Blatt& b, const std::string (&zeilen)[2], int x, int y, int seite, double R)
{
    const int h = b.c.fontHeight();
    const int w = std::max(b.c.textExtent(zeilen[0]).width, b.c.textExtent(zeilen[1]).width);
    const int hoch = 2 * h;
    const auto aufBlatt = [&](int px) { return std::clamp(px, b.x0, std::max(b.x0, b.x0 + b.breite - w)); };
    const int balken = rund(R / 2) + h / 2; // the gnomon bar's half, and a gap
    const auto frei = [&](int px, int py) {
        if (py < b.y0 || px < b.x0 || px + w > b.x0 + b.breite)
            return false;
        for (const auto& k : b.belegt)
            if (px < k[2] && k[0] < px + w && py < k[3] && k[1] < py + hoch)
                return false;
        return px + w <= b.fx - balken || px >= b.fx + balken || py + hoch <= b.fy - 3 * h;
    };
    const CanvasPoint ersatz{aufBlatt(x), std::max(b.y0, y)};
    for (int py = y; py >= b.y0; py -= h / 2)
        for (int px = aufBlatt(x);; px -= seite * std::max(1, h / 2)) {
            if (frei(px, py)) {
                b.belegt.push_back({px, py, px + w, py + hoch});
                return {px, py};
            }
            if (seite > 0 ? px <= b.fx : px + w >= b.fx)
                break;
        }
    b.belegt.push_back({ersatz.x, ersatz.y, ersatz.x + w, ersatz.y + hoch});
    return ersatz;
}

void datumslinien(Blatt& b, const SawyerGeometrie& g, const Datumsfeld& datum, int nd,
                  const std::vector<std::array<int, 4>>& zahlen, double R)
{
    const auto& F = b.s.Farben;
    const int FHd = b.bildschirm ? 16 : 36;
    b.c.setFontName("Wingdings");
    b.c.setFontHeight(FHd);
    b.c.setFontColor(F[0]);
    for (std::size_t n = 0; n < g.datum.size(); ++n) {
        const bool grenze = g.datum[n].grenze;
        b.c.setPenColor(grenze ? F[0] : F[4]);
        b.c.setPenWidth(grenze ? b.staerke(b.bildschirm ? 1 : 2) : b.staerke(0));
        datum.zeichne(b, n);
    }
    // Each sign amid its band, the red ones right of the noon line, the others left of it, above
    // the sheet's lower edge and the hour numbers in its column.
    const int dx = FHd / 2;
    double frei[2] = {double(b.fy - b.y0 - b.hoehe), double(b.fy - b.y0 - b.hoehe)};
    for (const auto& k : zahlen)
        for (const int spalte : {0, 1}) {
            const int x = spalte == 0 ? b.fx + dx : b.fx - 3 * dx;
            if (k[0] < x + FHd && x < k[2])
                frei[spalte] = std::max(frei[spalte], double(b.fy - k[1]));
        }
    for (const SawyerZeichenPlatz& z : sawyerZeichenPlaetze(g, nd, b.s.Par.Breite < 0, FHd, frei)) {
        b.c.setFontColor(z.rechts ? FarbeRot : FarbeSchwarz);
        b.c.textOut(z.rechts ? b.fx + dx : b.fx - 3 * dx, rund(b.fy - z.y - FHd / 2.0), std::string(1, z.zeichen));
    }
    b.c.setFontName("Arial");
    b.c.setPenColor(F[3]);
    b.c.setPenWidth(1);
    for (const auto& [von, bis] : {std::pair{g.sommerLinks, g.winterLinks}, {g.sommerRechts, g.winterRechts}}) {
        b.strecke(b.punkt({von, 0}), b.punkt({bis, 0}));
    }
    if (!b.s.Schalter.HalbeAnalemma && !b.s.Schalter.MozGerade)
        return;
    b.c.setFontHeight(FHd);
    const double xb = g.winterRechts;
    const int yr = b.fy - 5 * FHd;
    const std::string rechts[] = {holeText(b.s, sawyerHalbjahrText(b.s.Par.Breite, true)), holeText(b.s, 613)};
    const std::string links[] = {holeText(b.s, sawyerHalbjahrText(b.s.Par.Breite, false)), holeText(b.s, 611)};
    const CanvasPoint r = beschriftungsPlatz(b, rechts, b.fx + rund(xb), yr + 2 * FHd, +1, R);
    b.c.setFontColor(FarbeRot);
    b.c.textOut(r.x, r.y, rechts[0]);
    b.c.textOut(r.x, r.y + FHd, rechts[1]);
    const CanvasPoint l = beschriftungsPlatz(b, links, b.fx - rund(rund(7.5 * FHd) + xb), yr + 2 * FHd, -1, R);
    b.c.setFontColor(kNavy);
    b.c.textOut(l.x, l.y, links[0]);
    b.c.textOut(l.x, l.y + FHd, links[1]);
}

// The dial on a printed page: gnomon and centre distance, and the foot's x kept so far from the
// frame's right edge that the summer line's horizon point stays inside it.
struct SawyerSeite {
    double R = 0, c = 0;
    int fx = 0;
};
SawyerSeite sawyerAufSeite(const AppState& s, double gnomon, int x0, int breite, int fx)
{
    SawyerSeite seite;
    // The zoom enters the gnomon once, as it does the centre distance.
    seite.R = rund(rund(10.0 * gnomon) * s.Zoom);
    seite.c = 10.0 * s.Par.DatumMitte * s.Zoom;
    const double H = std::fabs(sawyerHalbbogen(s.Par.Breite, s.EpsRund));
    seite.fx = std::min(fx, rund(breite - seite.c * std::tan(s.Par.DatumWinkel * H / 15 * M_PI / 180) + x0 - 30));
    return seite;
}

std::string zeitArt(const AppState& s)
{
    if (s.Schalter.Zonenzeit)
        return std::string(texteText(s, 17).substr(1));
    return holeText(s, s.Schalter.HalbeAnalemma || s.Schalter.MozGerade ? 498 : 497);
}

void legende(Blatt& b)
{
    const AppState& s = b.s;
    b.c.setFontName("Arial");
    b.c.setFontColor(s.Farben[3]);
    b.c.setBold(true);
    b.c.setFontHeight(b.bildschirm ? 25 : 50);
    const int x = b.x0 + 20, y = b.y0 + 10;
    b.c.textOut(x, y, std::string(titelText(s, 40)));
    b.c.setBold(false);
    const int F = b.bildschirm ? 15 : 28;
    b.c.setFontHeight(F);
    std::string ort = std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 6, 2) + std::string(texteText(s, 105))
                      + std::string(texteText(s, 132)) + RealStr(s.Par.Laenge, 6, 2) + std::string(texteText(s, 105));
    if (ort.size() > 60)
        ort.resize(60);
    const std::string zeilen[] = {
        zeitArt(s),
        ort,
        holeText(s, 165) + " = " + RealStr(s.Par.DatumWinkel, 5, 2) + " " + holeText(s, 100),
        holeText(s, 166) + " = " + RealStr(s.Par.DatumMitte * s.Zoom, 5, 1) + " mm",
    };
    const double schritte[] = {1.7, 2.7, 3.7, 4.7};
    int rechts = x + b.c.textExtent(zeilen[0]).width;
    for (int i = 0; i < 4; ++i) {
        b.c.textOut(x, y + rund(schritte[i] * F), zeilen[i]);
        rechts = std::max(rechts, x + b.c.textExtent(zeilen[i]).width);
    }
    b.c.setBold(true);
    b.c.setFontHeight(b.bildschirm ? 25 : 50);
    rechts = std::max(rechts, x + b.c.textExtent(std::string(titelText(s, 40))).width);
    b.c.setBold(false);
    b.c.setFontHeight(F);
    b.belegt.push_back({x, y, rechts, y + rund(5.7 * F)});
}

} // namespace

void zeichneSawyerSU(AppState& s, Canvas& canvas, int x0, int y0, int breite, int hoehe, double gnomon,
                     bool bildschirm)
{
    if (sawyerBreiteVerweigert(s.Par.Breite, kAzimutUhrUntereBreite, s.EpsRund)) {
        zeichneBreitenHinweis(s, canvas, breite, hoehe);
        return;
    }
    const double zoom = s.Zoom;
    double R, c;
    if (bildschirm) {
        R = rund(rund(breite * gnomon / 305.0) * zoom);
        c = breite * s.Par.DatumMitte * zoom / 305.0;
        if (s.FusspunktX <= 0)
            s.FusspunktX = breite / 2 + x0;
        if (s.FusspunktY <= 0)
            s.FusspunktY = hoehe / 5 + y0;
        // The summer solstice's noon lies R tan(90 - |phi| + eps) below O, its number and the
        // zodiac sign below that: where the image is too short for them, the dial is drawn
        // smaller, as far as it must.
        const double tiefe = R * std::tan((90.0 - std::fabs(s.Par.Breite) + s.EpsRund) * M_PI / 180) + 3 * 16;
        const double platz = y0 + hoehe - s.FusspunktY;
        if (tiefe > platz && platz > 3 * 16) {
            const double f = (platz - 3 * 16) / (tiefe - 3 * 16);
            R = rund(R * f);
            c *= f;
        }
    } else {
        const SawyerSeite seite = sawyerAufSeite(s, gnomon, x0, breite, s.FusspunktX);
        R = seite.R;
        c = seite.c;
        s.FusspunktX = seite.fx;
    }

    Blatt b{s, canvas, bildschirm, x0, y0, breite, hoehe};
    canvas.setPenWidth(1);
    canvas.setPenColor(s.Farben[3]);
    canvas.setFontColor(s.Farben[3]);
    canvas.setFontName("Arial");
    canvas.setBrushStyle(BrushStyle::Clear);
    const int d = zeichneFusskreuz(s, canvas, bildschirm);
    b.fx = s.FusspunktX;
    b.fy = s.FusspunktY;
    const CanvasFont schrift = canvas.font();
    const CanvasPoint tabelle = zeichneSawyerLegende(b);
    const CanvasFont tabellenSchrift = canvas.font();
    canvas.setFont(schrift);
    gnomonMasse(b, R, d, gnomon, tabelle);
    canvas.setFont(tabellenSchrift);

    const int FH = bildschirm ? 16 : 35;
    canvas.setFontName("Arial");
    const SawyerMass m = sawyerMass(s, R, c, false);
    const SawyerGeometrie g = sawyerGeometrie(m);
    b.belegt.push_back({b.x0, b.y0, tabelle.x, tabelle.y});
    const Datumsfeld datum(b, g);
    const auto zahlen = stunden(b, m, g, datum, FH);
    legende(b);
    b.belegt.insert(b.belegt.end(), zahlen.begin(), zahlen.end());
    datumslinien(b, g, datum, m.nd, zahlen, R);
    if (bildschirm && g.mangelhaft) {
        canvas.setFontColor(FarbeRot);
        canvas.setBold(true);
        canvas.setFontHeight(18);
        canvas.textOut(breite / 5, y0 + 10 + rund(0.6 * 18), holeText(s, 200));
        canvas.setBold(false);
    }
    canvas.setPenWidth(1);
}

std::string sawyerSeitenpruefung(const AppState& s, int breite, int hoehe, CanvasPoint fuss)
{
    if (sawyerBreiteVerweigert(s.Par.Breite, kAzimutUhrUntereBreite, s.EpsRund))
        return {};
    // The page's frame, as the print draws into it, and the foot as the dial puts it there:
    // kept off the right edge, and raised by the radius of its mark.
    constexpr int rand = 50;
    const int d = rund(fussSchrift(false) / 2.0);
    const SawyerSeite seite = sawyerAufSeite(s, s.Par.Gnomonhoehe, rand, breite - 2 * rand, fuss.x);
    const double fy = fuss.y - d;
    // The lowest point of its lines, and below it the room its number and sign take.
    const SawyerGeometrie g = sawyerGeometrie(sawyerMass(s, seite.R, seite.c, false));
    double tief = 0, links = 0, rechts = 0;
    const auto miss = [&](const std::vector<std::vector<SawyerPunkt>>& stuecke) {
        for (const auto& teil : stuecke)
            for (const SawyerPunkt& p : teil) {
                tief = std::max(tief, -p.y);
                links = std::min(links, p.x);
                rechts = std::max(rechts, p.x);
            }
    };
    for (const SawyerStundenlinie& l : g.stunden)
        miss(l.stuecke);
    for (const SawyerDatumslinie& l : g.datum)
        miss(l.stuecke);
    const double unten = tief + 100, frei = hoehe - rand - fy;
    const bool breitGenug = seite.fx + links >= rand && seite.fx + rechts <= breite - rand;
    if (unten <= frei && breitGenug)
        return {};
    // What would fit: the foot at the top of the frame (below the gnomon bar above it), an A3
    // page with the foot as high on it, or the gnomon of the depth that leaves the room.
    const double oben = rand + 2 * d, frac = (fy - rand) / std::max(1, hoehe - 2 * rand);
    const bool hoeher = unten <= hoehe - rand - oben && fy > oben;
    const bool a3 = hoehe < 2970 && unten <= 2970 - rand - (rand + frac * (2970 - 2 * rand));
    const double tiefeJeMm = std::tan((90.0 - std::fabs(s.Par.Breite) + s.EpsRund) * M_PI / 180) * 10 * s.Zoom;
    const std::string ist = RealStr(tief / 10, 1, 0), platz = RealStr(std::max(0.0, frei - 100) / 10, 1, 0);
    const double laenge = std::floor(std::max(0.0, frei - 100) / tiefeJeMm);
    if (unten <= frei) // too wide for where the foot stands
        return s.Deutsch ? "Die Sawyer-Sonnenuhr ist " + RealStr((rechts - links) / 10, 1, 0)
                               + " mm breit und reicht beim gesetzten Fußpunkt über den Seitenrand.\n\rBitte den "
                                 "Fußpunkt weiter zur Mitte setzen oder die Zeigerlänge kürzen: es wird nichts gedruckt."
                         : "The Sawyer dial is " + RealStr((rechts - links) / 10, 1, 0)
                               + " mm wide and runs off the page from the foot where it is placed.\n\rPlease "
                                 "place the foot nearer the middle or shorten the gnomon: nothing is printed.";
    std::vector<std::string> wege;
    if (hoeher)
        wege.push_back(s.Deutsch ? "den Fußpunkt höher setzen" : "place the foot higher");
    if (a3)
        wege.push_back(s.Deutsch ? "auf A3 drucken" : "print on A3");
    // (The dialog's shortest gnomon is 5 mm.)
    if (laenge >= 5 || wege.empty())
        wege.push_back(s.Deutsch ? "die Zeigerlänge auf höchstens " + RealStr(laenge, 1, 0) + " mm kürzen"
                                 : "shorten the gnomon to at most " + RealStr(laenge, 1, 0) + " mm");
    std::string bitte = wege.front();
    for (std::size_t i = 1; i < wege.size(); ++i)
        bitte += (i + 1 < wege.size() ? ", " : s.Deutsch ? " oder " : " or ") + wege[i];
    return s.Deutsch ? "Die Sawyer-Sonnenuhr reicht " + ist + " mm unter ihren Fußpunkt, die Seite lässt unter dem "
                           "gesetzten Fußpunkt nur " + platz + " mm.\n\rBitte " + bitte + ": es wird nichts gedruckt."
                     : "The Sawyer dial reaches " + ist + " mm below its foot, the page leaves only " + platz
                           + " mm below the foot where it is placed.\n\rPlease " + bitte + ": nothing is printed.";
}

} // namespace umbrin
