// The Sawyer dial's hour lines and the places of their numbers.
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/SawyerBlatt.h"
#include "dials/Zahlenplatz.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace umbrin {
namespace {

int rund(double v) { return sawyerPixel(v); }

// One number of an hour line: its text and its top left corner.
struct Zahl {
    std::string text;
    int x = 0, y = 0;
    int vorn = 0; // the width of the blank before a one-digit number of two places
    TextExtent e{};
};

// The hour lines on the canvas; the full hours' cut into runs of a few segments, each run with
// its box, so that the question whose full-hour line lies nearest a point (the numbers name
// those) looks only at the runs that can be near it.
class Linienfeld {
public:
    Linienfeld(const SawyerBlatt& b, const SawyerGeometrie& g)
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


// The places a red number may take beside its black one (its top left corners).
struct Spalten {
    std::array<std::array<int, 2>, 10> q{};
    std::size_t n = 0;
    void dazu(int x, int y) { q[n++] = {x, y}; }
    const std::array<int, 2>* begin() const { return q.data(); }
    const std::array<int, 2>* end() const { return q.data() + n; }
};

// Where the numbers of the full-hour lines stand, in the order of the number placer: at a point
// of their line (its anchor first, then along it), moved from it by the line's own offset, the
// red twin in one of its columns beside the black number. Clean means on the sheet, off the
// sign table (and the numbers beside it), nearest the own line; off the date lines too, drawn
// after them, where the placer's first rule asks it: there a date line may only graze a quarter
// of the number's height at the top or the bottom (the end line over the noon number), and the
// own line is nearest to the whole middle of the box, not only to its centre.
class Zahlensuche {
public:
    Zahlensuche(const SawyerBlatt& b, const SawyerMass& m, const SawyerGeometrie& g, const SawyerDatumsfeld& datum, double th0)
        : b_(b), m_(m), feld_(b, g), datum_(datum), th0_(th0), th_(m.halbeAnalemma ? 1.1 * th0 : th0),
          zweiZahlen_(m.halbeAnalemma || m.mozGerade)
    {
        for (const auto& k : b.belegt)
            platz_.belege(k[0], k[1], k[2] - k[0], k[3] - k[1]);
        platz_.begrenze(b.x0, b.y0, b.x0 + b.breite, b.y0 + b.hoehe);
        // Two numbers on one line less than a blank apart read as one: a blank is about 0.28 of
        // the font's height, some 0.42 of a number's ink.
        andere_.setzeLeerraum(0.45);
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
    // Whether the red number stands apart from its black one: off its ink, and on their common
    // line at least a blank from it, so that the two do not read as one number.
    static bool abseits(const Zahl& z, const TextExtent& ez, const Zahl& r, const TextExtent& er)
    {
        const std::array<int, 4> a = tinte(z, ez), b = tinte(r, er);
        const int luecke = std::max(b[0] - a[0] - a[2], a[0] - b[0] - b[2]);
        const int gemeinsam = std::min(a[1] + a[3], b[1] + b[3]) - std::max(a[1], b[1]);
        return luecke >= std::max(1, ez.height * 3 / 10) || gemeinsam < std::min(a[3], b[3]) / 2;
    }
    // Which line a number stands by is judged by its digits, a blank before them left out.
    bool sauber(const Zahl& z, const TextExtent& e, int h, bool datum) const
    {
        return frei(z, e) && eigen(z, e, h) && (!datum || datumFrei(z, e, h));
    }
    // The digits' ink in a number's box (left, top, width, height): from the cap line, a sixth
    // of the box down, to the baseline, a fifth up (rounded: on a small screen font a pixel
    // less kept two numbers over one another apart), and from a little in from its left to its
    // right edge (the ink of a "1" reaches it).
    static std::array<int, 4> tinte(const Zahl& z, const TextExtent& e)
    {
        const int rand = e.height / 18, oben = e.height / 6, unten = (e.height + 2) / 5;
        return {z.x + z.vorn + rand, z.y + oben, std::max(1, e.width - z.vorn - rand), std::max(1, e.height - oben - unten)};
    }
    bool frei(const Zahl& z, const TextExtent& e) const
    {
        return platz_.aufDemBlatt(z.x, z.y, e.width, e.height) && !platz_.verdeckt(z.x, z.y, e.width, e.height)
               && !andere_.verdeckt(tinte(z, e)[0], tinte(z, e)[1], tinte(z, e)[2], tinte(z, e)[3]);
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
    // A number stands at a point of its line below O; at the line's end on the horizon only
    // where its move keeps it below the horizon (where lines run close its numbers may find
    // their only free place there).
    static bool unterO(const Linie& n, const SawyerPunkt& p) { return p.y < 0 || (p.y <= 0 && n.v.y >= 0); }
    void alleOrte(Linie& n) const;
    bool dient(Linie& n, Zahlenplatz::Stufe stufe, bool daneben, std::size_t i) const;
    void spalten(Linie& n, Spalten& s) const;

    const SawyerBlatt& b_;
    const SawyerMass& m_;
    Linienfeld feld_;
    const SawyerDatumsfeld& datum_;
    Zahlenplatz platz_{0};
    // The numbers placed so far: where lines run close (a short centre distance, the lines'
    // ends at a low sun) a later line would put its number on them. A number keeps off them,
    // but is not moved beside them: it stays at its own line.
    Zahlenplatz andere_{0};
    double th0_, th_;
    bool zweiZahlen_;
    int vorn_ = -1; // the width of the blank before a one-digit number, once measured
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
    if (!unterO(n, p))
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
// black number, that keeps it clean; else the first column level with the black number, or,
// where the black one had to leave its line's first place (a number of a close line took it),
// of the columns it has beside that place, that keeps it clean and apart from the black one.
// Where none does, it is left out rather than standing by another line or on the sign table.
// True in every case.
bool Zahlensuche::rotDaneben(Linie& n, Spalten& s) const
{
    n.mitRot = zweiZahlen_;
    if (!zweiZahlen_)
        return true;
    const int mitte = n.z.x + (n.ez.width - n.er.width) / 2;
    s.dazu(mitte, n.z.y - n.er.height);
    s.dazu(mitte, n.z.y + n.ez.height);
    const std::size_t eigene = s.n;
    if (s.q[0][1] != n.z.y)
        s.dazu(s.q[0][0], n.z.y);
    if (const SawyerPunkt& p = ort(n, 0); unterO(n, p)) {
        const Zahl schwarz = n.z;
        const CanvasPoint a = b_.punkt(p);
        n.z.x = rund(a.x + n.v.x * th0_);
        n.z.y = rund(a.y + n.v.y * th0_);
        Spalten erste;
        spalten(n, erste);
        n.z = schwarz;
        for (const auto& q : erste)
            s.dazu(q[0], q[1]);
    }
    for (std::size_t i = 0; i < s.n; ++i) {
        n.rot.x = s.q[i][0];
        n.rot.y = s.q[i][1];
        if (sauber(n.rot, n.er, n.l.h, false) && (i < eigene || abseits(n.z, n.ez, n.rot, n.er)))
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
    // (The digits are equally wide: the blank's width is measured once.)
    if (n.z.text.front() == ' ') {
        if (vorn_ < 0)
            vorn_ = n.ez.width - b_.c.textExtent(n.z.text.substr(1)).width;
        n.z.vorn = vorn_;
    }
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
    zahlen[0].e = n.ez;
    if (n.mitRot) {
        zahlen.push_back(n.rot);
        zahlen[1].e = n.er;
    }
    // A number beside the sign table, or of a line the table covers that found no clean place,
    // keeps later numbers off: it may stand where a later line would put them.
    const bool belegen = f.daneben || (f.stufe >= S::Allein && std::any_of(n.orte.begin(), n.orte.end(), [&](const SawyerPunkt& p) {
                                           const CanvasPoint a = b_.punkt(p);
                                           return p.y < 0 && platz_.verdeckt(rund(a.x + n.v.x * th0_), rund(a.y + n.v.y * th0_), n.ez.width, n.ez.height);
                                       }));
    for (std::size_t i = 0; i < zahlen.size(); ++i) {
        if (belegen)
            platz_.belege(zahlen[i].x, zahlen[i].y, zahlen[i].e.width, zahlen[i].e.height);
        const std::array<int, 4> t = tinte(zahlen[i], zahlen[i].e);
        andere_.belege(t[0], t[1], t[2], t[3]);
    }
    return zahlen;
}

} // namespace

void SawyerDatumsfeld::Kasten::nimm(const Kasten& k)
{
    x0 = std::min(x0, k.x0);
    y0 = std::min(y0, k.y0);
    x1 = std::max(x1, k.x1);
    y1 = std::max(y1, k.y1);
}

SawyerDatumsfeld::SawyerDatumsfeld(const SawyerBlatt& b, const SawyerGeometrie& g)
{
    for (const SawyerDatumslinie& l : g.datum) {
        erstes_.push_back(linien_.size());
        for (const auto& teil : l.stuecke) {
            auto& q = linien_.emplace_back();
            q.reserve(teil.size());
            for (const SawyerPunkt& p : teil)
                q.push_back(b.punkt(p));
            for (std::size_t i = 0; i + 1 < q.size(); i += kLauf) {
                Lauf lauf{linien_.size() - 1, i, std::min(i + kLauf, q.size() - 1), {}};
                for (std::size_t k = lauf.von; k <= lauf.bis; ++k)
                    lauf.k.nimm({q[k].x, q[k].y, q[k].x, q[k].y});
                laeufe_.push_back(lauf);
            }
        }
    }
    erstes_.push_back(linien_.size());
    for (std::size_t i = 0; i < laeufe_.size(); i += kBlock) {
        Block block{i, std::min(i + kBlock, laeufe_.size()), {}};
        for (std::size_t k = block.von; k < block.bis; ++k)
            block.k.nimm(laeufe_[k].k);
        bloecke_.push_back(block);
    }
}

bool SawyerDatumsfeld::trifft(double x0, double y0, double x1, double y1) const
{
    double t0 = 0, t1 = 0;
    for (const Block& block : bloecke_) {
        if (block.k.getrennt(x0, y0, x1, y1))
            continue;
        for (std::size_t n = block.von; n < block.bis; ++n) {
            const Lauf& l = laeufe_[n];
            if (l.k.getrennt(x0, y0, x1, y1))
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
    }
    return false;
}

std::vector<std::array<int, 4>> sawyerStunden(SawyerBlatt& b, const SawyerMass& m, const SawyerGeometrie& g,
                                              const SawyerDatumsfeld& datum, int FH)
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
            const TextExtent& e = zahlen[i].e;
            kaesten.push_back({zahlen[i].x, zahlen[i].y, zahlen[i].x + e.width, zahlen[i].y + e.height});
        }
        if (!zahlen.empty())
            b.c.setFontColor(kSawyerNavy);
    }
    b.c.setBold(false);
    return kaesten;
}

} // namespace umbrin
