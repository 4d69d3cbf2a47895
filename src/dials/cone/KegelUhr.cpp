#include "dials/cone/KegelUhr.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/RandUndRahmen.h"
#include "dials/Raster.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelTexte.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace umbrin {
namespace {

int runde(double x) { return static_cast<int>(roundHalfEven(x)); }

// The drawing's page: the margin and the inner size, the footprint's centre on it and the
// plane's turn.
struct Blatt {
    int rand = 0;
    int W = 0;
    int H = 0;
    double fx = 0;
    double fy = 0;
    double w = 0;

    // A point of the dial frame (y up) on the canvas: y negated, turned, moved.
    void aufBlatt(double x, double y, double& bx, double& by) const
    {
        bx = x;
        by = -y;
        drehe(bx, by, w);
        bx += fx;
        by += fy;
    }
    bool imRahmen(double x, double y) const { return std::fabs(x) < 2.0 * W && std::fabs(y) < 2.0 * H; }
    bool aufSeite(double x, double y) const { return x > rand && y > rand && x < W && y < H; }
};

// Consecutive segments gathered into one polyline, drawn when the line breaks.
class Linienzug {
public:
    explicit Linienzug(Canvas& c) : c_(c) {}
    ~Linienzug() { zeichne(); }
    void strecke(double x0, double y0, double x1, double y1)
    {
        const CanvasPoint a{runde(x0), runde(y0)};
        if (punkte_.empty() || !(punkte_.back() == a)) {
            zeichne();
            punkte_.push_back(a);
        }
        punkte_.push_back({runde(x1), runde(y1)});
    }
    void zeichne()
    {
        if (punkte_.size() >= 2)
            c_.polyline(punkte_);
        punkte_.clear();
    }

private:
    Canvas& c_;
    std::vector<CanvasPoint> punkte_;
};

// Whether the line of hour t counts at point p and a stroke of it runs from there to the point
// of a neighbouring pair: as zeichneStundenlinien draws it.
bool gezogen(const Kegelkonstruktion& k, const Blatt& b, const KegelPunkt& p, double t)
{
    const auto zaehlt = [](const KegelPunkt& q) { return q.gezeigt() && q.r > 1.05; };
    if (!zaehlt(p))
        return false;
    double x = 0, y = 0;
    b.aufBlatt(p.x, p.y, x, y);
    for (const int i : {p.paar - 1, p.paar + 1}) {
        if (i < 2 || i > k.letztesPaar())
            continue;
        const KegelPunkt q = k.punkt(i, t);
        double qx = 0, qy = 0;
        b.aufBlatt(q.x, q.y, qx, qy);
        if (zaehlt(q) && std::fabs(x - qx) <= b.W && std::fabs(y - qy) <= b.H && b.imRahmen(x, y) && b.imRahmen(qx, qy))
            return true;
    }
    return false;
}

void zeichneStundenlinien(const AppState& s, Canvas& c, const Kegelkonstruktion& k, const Blatt& b)
{
    for (const KegelStunde& st : k.stunden) {
        c.setPenColor(st.voll ? s.Farben[2] : s.Farben[1]);
        c.setPenWidth(s.Schalter.Linienstaerke + (st.voll ? 1 : 0));
        Linienzug zug(c);
        double vx = 0, vy = 0;
        bool vorGueltig = false;
        for (int i = 2; i <= k.letztesPaar(); ++i) {
            const KegelPunkt p = k.punkt(i, st.t);
            const bool gueltig = p.gezeigt() && p.r > 1.05;
            double x = 0, y = 0;
            b.aufBlatt(p.x, p.y, x, y);
            if (gueltig && vorGueltig && std::fabs(x - vx) <= b.W && std::fabs(y - vy) <= b.H && b.imRahmen(x, y)
                && b.imRahmen(vx, vy))
                zug.strecke(vx, vy, x, y);
            else
                zug.zeichne();
            vx = x;
            vy = y;
            vorGueltig = gueltig;
        }
    }
}

// The even hours' numbers, each beside its own line on the foot's side; the boxes of the marks
// (fest) stay where they are and the numbers keep clear of them.
void zeichneStundenzahlen(const AppState& s, Canvas& c, const Kegelkonstruktion& k, const Blatt& b,
                          std::vector<KegelZahlkasten> kaesten)
{
    c.setFontColor(s.Farben[2]);
    const std::size_t fest = kaesten.size();
    std::vector<std::string> zahlen;
    const int fh = c.fontHeight();
    for (const KegelStunde& st : k.stunden) {
        if (!st.voll || st.stunde % 2 != 0)
            continue;
        const std::string zahl = IntStr(st.stunde);
        const TextExtent e = c.textExtent(zahl);
        const auto zahlOrt = [&](const KegelPunkt& p, double& x, double& y) {
            double dx = 0, dy = 0, x1 = 0, y1 = 0;
            kegelStundenrichtung(k, p, st.t, dx, dy);
            b.aufBlatt(p.x, p.y, x, y);
            b.aufBlatt(p.x + dx, p.y + dy, x1, y1);
            kegelZahlBeiseite(x, y, x1 - x, y1 - y, b.fx, b.fy, e.width, e.height, 0.3 * fh);
        };
        // A number stands on the sheet beside a drawn point of its line there and, where it can,
        // clear of the date lines; where the line only runs across the sheet between points off
        // it, on its stroke there.
        const auto aufSeite = [&](const KegelPunkt& q, bool frei) {
            double x = 0, y = 0;
            b.aufBlatt(q.x, q.y, x, y);
            if (!b.aufSeite(x, y) || !gezogen(k, b, q, st.t))
                return false;
            zahlOrt(q, x, y);
            return x >= b.rand && y >= b.rand && x <= b.W - 2 * fh && y <= b.H - fh
                   && !(frei && kegelDatumslinieNahe(k, q, st.t, 1.5 * std::hypot(e.width, e.height)));
        };
        KegelPunkt p = kegelZahlenpunkt(k, st.t, [&](const KegelPunkt& q) { return aufSeite(q, true); });
        if (!p.ok)
            p = kegelZahlenpunkt(k, st.t, [&](const KegelPunkt& q) { return aufSeite(q, false); });
        double x = 0, y = 0;
        if (p.ok)
            zahlOrt(p, x, y);
        else if (kegelKreuztSeite(k, b, st.t, [&](const KegelPunkt& q) { return gezogen(k, b, q, st.t); }, x, y))
            x -= e.width / 2.0, y -= e.height / 2.0;
        else
            continue;
        x = std::clamp(x, double(b.rand), double(b.W - 2 * fh));
        y = std::clamp(y, double(b.rand), double(b.H - fh));
        zahlen.push_back(zahl);
        kaesten.push_back({x, y, double(e.width), double(e.height)});
    }
    kegelZahlenAuseinander(kaesten, b.fx, b.fy, 0.3 * fh);
    for (std::size_t i = fest; i < kaesten.size(); ++i)
        c.textOut(runde(kaesten[i].x), runde(kaesten[i].y), zahlen[i - fest]);
}

void zeichneDatumslinien(const AppState& s, Canvas& c, const Kegelkonstruktion& k, const Blatt& b)
{
    for (const KegelDatumslinie& l : k.datumslinien) {
        c.setPenColor(l.haupt ? s.Farben[5] : s.Farben[6]);
        c.setPenWidth(s.Schalter.Linienstaerke + (l.haupt ? 1 : 0));
        const double h0 = kegelHalberTagbogen(k.paare.paar[static_cast<std::size_t>(l.paar)].DeklMittel, k.ebene.phi);
        const int schritte = static_cast<int>(std::floor(2 * h0 / 0.01 + 1e-9));
        Linienzug zug(c);
        double vx = 0, vy = 0;
        bool vorGueltig = false;
        for (int n = 0; n <= schritte; ++n) {
            const double t = 12 - h0 + 0.01 * (n + 1);
            const KegelPunkt p = k.punkt(l.paar, t);
            const bool gueltig = p.gezeigt() && p.r * p.r > 1.05;
            double x = 0, y = 0;
            b.aufBlatt(p.x, p.y, x, y);
            if (gueltig && vorGueltig && b.imRahmen(x, y) && b.imRahmen(vx, vy))
                zug.strecke(vx, vy, x, y);
            else
                zug.zeichne();
            vx = x;
            vy = y;
            vorGueltig = gueltig;
        }
    }
}

void zeichneKegelLegende(const AppState& s, const Zeichenumgebung& u, Canvas& c, const Blatt& b, bool bildschirm,
                         double L, std::uint8_t ebene)
{
    c.setFont({"Arial", c.font().height, false, s.Farben[0]});
    if (bildschirm)
        c.setFontSize(u.GrosserBildschirm ? 11 : 10);
    else
        c.setFontHeight(40);
    const int fh = c.fontHeight();
    const int einheit = runde(s.FormatA4 ? b.W / 28.0 : b.W / 42.0);
    int schritt = s.Schalter.Option57 ? 4 * fh : 3 * fh;
    if (bildschirm && !u.GrosserBildschirm)
        schritt = runde(3.5 * fh);

    const bool horizontal = ebene % 3 == 0;
    int x = 0, y = 0;
    if (bildschirm) {
        const CanvasFont titelSchrift = c.font();
        c.setFontSize(8);
        const int zeile = std::abs(runde(-1.2 * c.fontHeight()));
        const int letzte = horizontal ? 3 : 4;
        if (s.LegendeGesetzt) {
            x = s.LegendeX + u.DruckRandX;
            y = s.LegendeY + u.DruckRandY;
        } else {
            x = b.W / 2 - 4 * einheit + u.DruckRandX;
            y = b.H + u.DruckRandY - schritt - fh;
            // The last line ends inside the image.
            y = std::min(y, b.H + u.DruckRandY - 2 - letzte * zeile - std::abs(c.fontHeight()));
        }
        // The title's larger letters stand clear above the first line of the smaller ones,
        // with the small lines' leading between.
        const int durchschuss = std::max(2, zeile - std::abs(c.fontHeight()));
        c.setFont(titelSchrift);
        c.textOut(x, y + zeile - std::abs(titelSchrift.height) - durchschuss, kegelTitel(s));
        c.setFontSize(8);
    } else {
        // The page moves a copy of the legend position: the state keeps it for the next print.
        int legendeY = s.LegendeY;
        x = s.LegendeX + u.DruckRandX;
        c.textOut(x, legendeY + u.DruckRandY, kegelTitel(s));
        legendeY += std::abs(fh);
        c.setFontHeight(30);
        y = legendeY + u.DruckRandY;
    }
    const int z = std::abs(runde(-1.2 * c.fontHeight()));
    if (bildschirm) {
        c.textOut(x, y + z + (horizontal ? 0 : 2), kegelOrtZeile(s));
        const int erste = horizontal ? 2 : 3;
        if (!horizontal)
            c.textOut(x, y + 2 * z, kegelEbeneZeile(s, ebene));
        c.textOut(x, y + erste * z, kegelAchsenZeile(s, L));
        c.textOut(x, y + (erste + 1) * z, kegelOeffnungZeile(s));
    } else {
        c.textOut(x, y + z, kegelOrtZeile(s));
        if (!horizontal)
            c.textOut(x, y, kegelEbeneZeile(s, ebene));
        c.textOut(x, y + 2 * z, kegelAchsenZeile(s, L));
        c.textOut(x, y + 3 * z, kegelOeffnungZeile(s));
    }
}

} // namespace

Konstruktionsmeldungen zeichneKegelUhr(const AppState& s, const Zeichenumgebung& u, Canvas& c, int breite, int hoehe,
                                       bool bildschirm, double L, double zoom, std::uint8_t ebene)
{
    Konstruktionsmeldungen meldungen;
    Blatt b;
    b.rand = bildschirm ? 0 : 50;
    b.W = breite - b.rand;
    b.H = hoehe - b.rand;
    b.fx = s.FusspunktX;
    b.fy = s.FusspunktY;

    c.setFont({"Arial", bildschirm ? 16 : 40, false, s.Farben[3]});
    c.setPen({s.Farben[0], s.Schalter.Linienstaerke, PenStyle::Solid});
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenColor(0x808080);
    c.rectangle(b.rand, b.rand, b.W, b.H - 1);
    c.setPenColor(s.FarbeHell[0]);
    c.moveTo(s.FusspunktX - 5, s.FusspunktY);
    c.lineTo(s.FusspunktX + 5, s.FusspunktY);
    c.moveTo(s.FusspunktX, s.FusspunktY - 5);
    c.lineTo(s.FusspunktX, s.FusspunktY + 5);

    if (const std::string nein = kegelAblehnung(s); !nein.empty()) {
        meldungen.push_back({PromptTitle::Fehler, PromptIcon::Question, nein});
        return meldungen;
    }

    double Lp = L * 10 * zoom;
    if (bildschirm)
        Lp = (s.FormatA4 ? L * b.W / 280.0 : L * b.W / 420.0) * zoom;
    const Kegelkonstruktion k = baueKegelkonstruktion(s, Lp, ebene);
    const KegelMasse& m = k.masse;
    b.w = k.ebene.w;
    const double cosPsi = std::cos(m.psi * M_PI / 180);

    if (u.MitNetz) {
        double sx = 0, sy = 0;
        b.aufBlatt(0, m.L * cosPsi + m.c, sx, sy);
        zeichneRaster(c, bildschirm, s.Farben[8], runde(sx), runde(sy), breite, hoehe, 10, s.FormatA4 != 0,
                      u.DruckRandX, u.DruckRandY);
    }
    c.setPenColor(s.Farben[3]);
    zeichneKegelLegende(s, u, c, b, bildschirm, s.Par.Gnomonhoehe * zoom, ebene);

    // The footprint, and on a turned plane its axis.
    c.setFontColor(s.Farben[3]);
    c.setPenColor(s.Farben[3]);
    c.setBrushStyle(BrushStyle::Clear);
    if (std::fabs(b.w) < 0.0001) {
        c.ellipse(runde(b.fx - m.a), runde(b.fy - m.b), runde(b.fx + m.a), runde(b.fy + m.b));
    } else {
        std::vector<CanvasPoint> rand;
        double x = 0, y = 0;
        b.aufBlatt(m.a, 0, x, y);
        rand.push_back({runde(x), runde(y)});
        for (int n = 1;; ++n) {
            const double th = std::min(0.05 * n, 6.283);
            b.aufBlatt(m.a * std::cos(th), m.b * std::sin(th), x, y);
            rand.push_back({runde(x), runde(y)});
            if (th >= 6.283)
                break;
        }
        c.polyline(rand);
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        b.aufBlatt(0, 2 * m.b, x0, y0);
        b.aufBlatt(0, -1.5 * m.b, x1, y1);
        c.moveTo(runde(x0), runde(y0));
        c.lineTo(runde(x1), runde(y1));
    }
    std::vector<KegelZahlkasten> marken;
    for (const auto& [hoeheY, name] : {std::pair{m.c, " A"}, std::pair{m.c + m.L * cosPsi, " S"}}) {
        double x = 0, y = 0;
        b.aufBlatt(0, hoeheY, x, y);
        const int px = runde(x), py = runde(y);
        c.moveTo(px - 5, py);
        c.lineTo(px + 5, py);
        c.moveTo(px, py - 5);
        c.lineTo(px, py + 5);
        c.textOut(px, py, name);
        const TextExtent e = c.textExtent(name);
        marken.push_back({double(px), double(py), double(e.width), double(e.height)});
    }

    zeichneStundenlinien(s, c, k, b);
    zeichneStundenzahlen(s, c, k, b, marken);

    c.setPenColor(s.Farben[5]);
    c.setFontColor(FarbeRot);
    if (bildschirm)
        c.textOut(b.rand + 10, std::abs(runde(b.rand + 0.5 * c.fontHeight())), std::string(texteText(s, 193)));
    zeichneDatumslinien(s, c, k, b);

    c.setPen({0xFFFF00, s.Schalter.Linienstaerke, PenStyle::Solid});
    c.setBrush({FarbeWeiss, BrushStyle::Clear});
    RandUndRahmen(b.W + b.rand, b.H + b.rand, b.rand, c, u.DruckRandY);
    return meldungen;
}

} // namespace umbrin
