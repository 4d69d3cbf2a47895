#include "dials/cone/KegelUhr.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/RandUndRahmen.h"
#include "dials/Raster.h"
#include "dials/Zahlenplatz.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelTexte.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
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

// A canvas as the sink of the lines' strokes: consecutive strokes gathered into one polyline,
// drawn when the line breaks.
class CanvasZug : public KegelStrichsenke {
public:
    explicit CanvasZug(Canvas& c) : c_(c) {}
    ~CanvasZug() override { absetzen(); }
    void stift(Farbe farbe, int breite) override
    {
        absetzen();
        c_.setPenColor(farbe);
        c_.setPenWidth(breite);
    }
    void strecke(double x0, double y0, double x1, double y1) override
    {
        const CanvasPoint a{runde(x0), runde(y0)};
        if (punkte_.empty() || !(punkte_.back() == a)) {
            absetzen();
            punkte_.push_back(a);
        }
        punkte_.push_back({runde(x1), runde(y1)});
    }
    void absetzen() override
    {
        if (punkte_.size() >= 2)
            c_.polyline(punkte_);
        punkte_.clear();
    }

private:
    Canvas& c_;
    std::vector<CanvasPoint> punkte_;
};

// Consecutive segments of one line, each cut at the sheet's frame (the lines run on to its
// edge, not past it), given to the sink; a segment wholly off the sheet breaks the line.
class Linienzug {
public:
    Linienzug(KegelStrichsenke& senke, const Blatt& b) : senke_(senke), b_(b) {}
    ~Linienzug() { senke_.absetzen(); }
    void strecke(double x0, double y0, double x1, double y1)
    {
        double t0 = 0, t1 = 1;
        if (!streckeImRechteck(x0, y0, x1, y1, b_.rand, b_.rand, b_.W, b_.H - 1, t0, t1)) {
            senke_.absetzen();
            return;
        }
        const double dx = x1 - x0, dy = y1 - y0;
        senke_.strecke(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
    }
    void absetzen() { senke_.absetzen(); }

private:
    KegelStrichsenke& senke_;
    const Blatt& b_;
};

// Whether the hour line l counts at point p and a stroke of it runs from there to the point
// of a neighbouring pair: as zeichneStundenlinien draws it.
bool gezogen(const KegelStundenlinie& l, const Blatt& b, const KegelPunkt& p)
{
    const auto zaehlt = [](const KegelPunkt& q) { return q.gezeigt() && q.r > 1.05; };
    if (!zaehlt(p))
        return false;
    double x = 0, y = 0;
    b.aufBlatt(p.x, p.y, x, y);
    for (const int i : {p.paar - 1, p.paar + 1}) {
        if (i < 2 || i > l.letztesPaar())
            continue;
        const KegelPunkt& q = l.punkt(i);
        double qx = 0, qy = 0;
        b.aufBlatt(q.x, q.y, qx, qy);
        if (zaehlt(q) && std::fabs(x - qx) <= b.W && std::fabs(y - qy) <= b.H && b.imRahmen(x, y) && b.imRahmen(qx, qy))
            return true;
    }
    return false;
}

// The hour lines, each with its pen, into the sink.
void zeichneStundenlinien(const AppState& s, const Kegelkonstruktion& k, const std::vector<KegelStundenlinie>& linien,
                          const Blatt& b, KegelStrichsenke& senke)
{
    for (std::size_t h = 0; h < k.stunden.size(); ++h) {
        const bool voll = k.stunden[h].voll;
        senke.stift(voll ? s.Farben[2] : s.Farben[1], s.Schalter.Linienstaerke + (voll ? 1 : 0));
        Linienzug zug(senke, b);
        double vx = 0, vy = 0;
        bool vorGueltig = false;
        for (int i = 2; i <= k.letztesPaar(); ++i) {
            const KegelPunkt& p = linien[h].punkt(i);
            const bool gueltig = p.gezeigt() && p.r > 1.05;
            double x = 0, y = 0;
            b.aufBlatt(p.x, p.y, x, y);
            if (gueltig && vorGueltig && std::fabs(x - vx) <= b.W && std::fabs(y - vy) <= b.H && b.imRahmen(x, y)
                && b.imRahmen(vx, vy))
                zug.strecke(vx, vy, x, y);
            else
                zug.absetzen();
            vx = x;
            vy = y;
            vorGueltig = gueltig;
        }
    }
}

// The even hours' numbers, each beside its own line: at the line's point nearest the footprint
// where the number keeps clear of every other stroke and text, on the foot's side or else on
// the other; where no place along the line is clear, at the clearest; moved off a number or a
// mark's name and the screen's hint (belegt) before it by the shared number placer.
void zeichneStundenzahlen(const AppState& s, Canvas& c, const Kegelkonstruktion& k,
                          const std::vector<KegelStundenlinie>& linien, const Blatt& b,
                          const std::vector<KegelZahlkasten>& belegt, KegelStriche& striche)
{
    c.setFontColor(s.Farben[2]);
    const int fh = c.fontHeight();
    const std::array<double, 4> rahmen = {double(b.rand), double(b.rand), double(b.W - 2 * fh), double(b.H - fh)};
    Zahlenplatz platz(runde(0.3 * fh));
    platz.setzeLeerraum(0.4); // two numbers on one line keep a blank between them
    platz.begrenze(b.rand, b.rand, b.W, b.H);
    for (const KegelZahlkasten& m : belegt)
        platz.belege(runde(m.x), runde(m.y), runde(m.breite), runde(m.hoehe));
    for (std::size_t h = 0; h < k.stunden.size(); ++h) {
        const KegelStunde& st = k.stunden[h];
        if (!st.voll || st.stunde % 2 != 0)
            continue;
        const std::string zahl = IntStr(st.stunde);
        const TextExtent e = c.textExtent(zahl);
        const double luft = 0.3 * std::abs(fh), frei = 0.25 * e.height;
        const KegelStundenlinie& l = linien[h];
        double x = 0, y = 0;
        const auto gezeichnet = [&](const KegelPunkt& q) { return gezogen(l, b, q); };
        if (!kegelZahlPlatz(k, l, b, b.fx, b.fy, gezeichnet, striche, double(e.width), double(e.height), luft, frei,
                            rahmen, x, y))
            continue;
        const CanvasPoint ecke = platz.platziere(runde(x), runde(y), e.width, e.height);
        c.textOut(ecke.x, ecke.y, zahl);
        striche.kasten({double(ecke.x), double(ecke.y), double(e.width), double(e.height)});
    }
}

// The date lines, each with its pen, into the sink.
void zeichneDatumslinien(const AppState& s, const Kegelkonstruktion& k, const Blatt& b, KegelStrichsenke& senke)
{
    for (const KegelDatumslinie& l : k.datumslinien) {
        senke.stift(l.haupt ? s.Farben[5] : s.Farben[6], s.Schalter.Linienstaerke + (l.haupt ? 1 : 0));
        const double h0 = kegelHalberTagbogen(k.paare.paar[static_cast<std::size_t>(l.paar)].DeklMittel, k.ebene.phi);
        const int schritte = static_cast<int>(std::floor(2 * h0 / 0.01 + 1e-9));
        Linienzug zug(senke, b);
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
                zug.absetzen();
            vx = x;
            vy = y;
            vorGueltig = gueltig;
        }
    }
}

void zeichneKegelLegende(const AppState& s, const Zeichenumgebung& u, Canvas& c, const Blatt& b, bool bildschirm,
                         double L, std::uint8_t ebene, KegelStriche& striche)
{
    // The legend's lines with their fonts, written once its place is known.
    struct Zeile {
        int x, y;
        std::string text;
        CanvasFont schrift;
    };
    std::vector<Zeile> zeilen;
    const auto textOut = [&](int x, int y, const std::string& text) { zeilen.push_back({x, y, text, c.font()}); };
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
        textOut(x, y + zeile - std::abs(titelSchrift.height) - durchschuss, kegelTitel(s));
        c.setFontSize(8);
    } else {
        // The page moves a copy of the legend position: the state keeps it for the next print.
        int legendeY = s.LegendeY;
        x = s.LegendeX + u.DruckRandX;
        textOut(x, legendeY + u.DruckRandY, kegelTitel(s));
        legendeY += std::abs(fh);
        c.setFontHeight(30);
        y = legendeY + u.DruckRandY;
    }
    const int z = std::abs(runde(-1.2 * c.fontHeight()));
    if (bildschirm) {
        textOut(x, y + z + (horizontal ? 0 : 2), kegelOrtZeile(s));
        const int erste = horizontal ? 2 : 3;
        if (!horizontal)
            textOut(x, y + 2 * z, kegelEbeneZeile(s, ebene));
        textOut(x, y + erste * z, kegelAchsenZeile(s, L));
        textOut(x, y + (erste + 1) * z, kegelOeffnungZeile(s));
    } else {
        textOut(x, y + z, kegelOrtZeile(s));
        if (!horizontal)
            textOut(x, y, kegelEbeneZeile(s, ebene));
        textOut(x, y + 2 * z, kegelAchsenZeile(s, L));
        textOut(x, y + 3 * z, kegelOeffnungZeile(s));
    }

    // Where the user has not placed it, the legend goes to the first place clear of the dial's
    // strokes: its own, else a bottom or a top corner of the sheet, else any place of a grid over
    // the sheet; where none is clear, to the one off the texts the fewest strokes run through.
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const Zeile& z : zeilen) {
        c.setFont(z.schrift);
        const TextExtent e = c.textExtent(z.text);
        x0 = std::min(x0, double(z.x)), y0 = std::min(y0, double(z.y));
        x1 = std::max(x1, double(z.x + e.width)), y1 = std::max(y1, double(z.y + e.height));
    }
    int dx = 0, dy = 0;
    if (!s.LegendeGesetzt && !zeilen.empty()) {
        const double m = std::abs(fh), oben = b.rand + 2.5 * m - y0, unten = 0;
        const double links = b.rand + m - x0, rechts = b.W - m - x1;
        std::vector<std::pair<double, double>> orte = {{0, unten}, {links, unten}, {rechts, unten}, {links, oben},
                                                       {rechts, oben}, {0, oben}};
        for (int i = 0; i <= 8; ++i)
            for (int j = 0; j <= 8; ++j)
                orte.push_back({links + (rechts - links) * j / 8, oben + (unten - oben) * i / 8});
        // On the screen the window's button that shows the graph stands in the image's lower
        // left corner, over what is drawn there: the legend keeps clear of it.
        const double knopfBreite = u.GrosseFonts ? 175 : 140, knopfHoehe = u.GrosseFonts ? 38 : 30;
        const auto unterKnopf = [&](const KegelZahlkasten& k) {
            return bildschirm && k.x < knopfBreite && k.y + k.hoehe > b.H - knopfHoehe;
        };
        int wenigste = -1;
        for (const auto& [ox, oy] : orte) {
            const KegelZahlkasten k{x0 + ox, y0 + oy, x1 - x0, y1 - y0};
            if (k.x < b.rand || k.y < b.rand || k.x + k.breite > b.W || k.y + k.hoehe > b.H || unterKnopf(k))
                continue;
            // A place on a text (a mark's name) counts as worse than any number of strokes.
            const int n = striche.treffer(k) + (striche.ohneText(k, 0) ? 0 : 1000000);
            if (wenigste < 0 || n < wenigste) {
                wenigste = n;
                dx = runde(ox);
                dy = runde(oy);
            }
            if (n == 0 && striche.frei(k, 0.3 * m))
                break;
        }
    }
    for (const Zeile& z : zeilen) {
        c.setFont(z.schrift);
        c.textOut(z.x + dx, z.y + dy, z.text);
        const TextExtent e = c.textExtent(z.text);
        striche.kasten({double(z.x + dx), double(z.y + dy), double(e.width), double(e.height)});
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
    // Every stroke and text the legend and the hour numbers keep clear of: the foot's cross, the
    // footprint with its axis, the marks' crosses, the note in the image's top left corner (as
    // large as it is before the legend's smaller font), the hour and the date lines.
    KegelStriche striche(b.W, b.H);
    striche.strecke(s.FusspunktX - 5, s.FusspunktY, s.FusspunktX + 5, s.FusspunktY);
    striche.strecke(s.FusspunktX, s.FusspunktY - 5, s.FusspunktX, s.FusspunktY + 5);
    std::vector<CanvasPoint> rand;
    double x = 0, y = 0;
    b.aufBlatt(m.a, 0, x, y);
    rand.push_back({runde(x), runde(y)});
    for (int n = 1;; ++n) {
        const double th = std::min(0.05 * n, 6.283);
        b.aufBlatt(m.a * std::cos(th), m.b * std::sin(th), x, y);
        rand.push_back({runde(x), runde(y)});
        striche.strecke(rand[rand.size() - 2].x, rand[rand.size() - 2].y, x, y);
        if (th >= 6.283)
            break;
    }
    double ax0 = 0, ay0 = 0, ax1 = 0, ay1 = 0;
    b.aufBlatt(0, 2 * m.b, ax0, ay0);
    b.aufBlatt(0, -1.5 * m.b, ax1, ay1);
    const bool gedreht = std::fabs(b.w) >= 0.0001;
    if (gedreht)
        striche.strecke(ax0, ay0, ax1, ay1);
    std::vector<CanvasPoint> markenOrte;
    for (const double hoeheY : {m.c, m.c + m.L * cosPsi}) {
        b.aufBlatt(0, hoeheY, x, y);
        const int px = runde(x), py = runde(y);
        markenOrte.push_back({px, py});
    }
    // The hour and date lines are cut at the frame; the cone's footprint and its marks are not
    // cut: where one of them reaches over the frame the cone is too large for the sheet, and
    // the user is told so.
    const auto imRahmen = [&](double px, double py) { return px >= b.rand && px <= b.W && py >= b.rand && py <= b.H; };
    bool zuGross = !std::all_of(rand.begin(), rand.end(), [&](CanvasPoint p) { return imRahmen(p.x, p.y); });
    zuGross = zuGross || (gedreht && !(imRahmen(ax0, ay0) && imRahmen(ax1, ay1)));
    for (const CanvasPoint& p : markenOrte)
        zuGross = zuGross || !imRahmen(p.x - 5, p.y - 5) || !imRahmen(p.x + 5, p.y + 5);
    if (zuGross)
        meldungen.push_back({PromptTitle::Warnung, PromptIcon::Warning,
                             s.Deutsch ? "Der Kegel ist für dieses Blatt zu groß: sein Grundriss oder die Marken A "
                                         "und S reichen über den Rand.\n\rBitte die Kegelachse kürzen oder den "
                                         "Fußpunkt verschieben."
                                       : "The cone is too large for this sheet: its footprint or the marks A and S "
                                         "reach over the edge.\n\rPlease shorten the cone axis or move the foot "
                                         "point.",
                             true});
    const std::string hinweis(texteText(s, 193));
    std::optional<KegelZahlkasten> hinweisKasten;
    if (bildschirm) {
        const TextExtent e = c.textExtent(hinweis);
        hinweisKasten = KegelZahlkasten{b.rand + 10.0, std::abs(b.rand + 0.5 * c.fontHeight()), double(e.width), double(e.height)};
        striche.kasten(*hinweisKasten);
    }
    // The date and hour lines, each computed once: filed among the strokes here, drawn below.
    KegelStrichfolge datumsStriche, stundenStriche;
    zeichneDatumslinien(s, k, b, datumsStriche);
    std::vector<KegelStundenlinie> linien;
    linien.reserve(k.stunden.size());
    for (const KegelStunde& st : k.stunden)
        linien.push_back(k.stundenlinie(st.t));
    zeichneStundenlinien(s, k, linien, b, stundenStriche);
    datumsStriche.abspielen(striche);
    stundenStriche.abspielen(striche);
    // The marks' names, each in the first corner of its cross clear of the dial's lines, then
    // their crosses: filed before the legend is placed, so the legend keeps clear of them. The
    // names are in the legend's small letters.
    const CanvasFont vorher = c.font();
    c.setFont({"Arial", c.font().height, false, s.Farben[3]});
    if (bildschirm)
        c.setFontSize(8);
    else
        c.setFontHeight(30);
    const CanvasFont markenSchrift = c.font();
    std::vector<KegelZahlkasten> marken;
    for (std::size_t i = 0; i < markenOrte.size(); ++i) {
        const int px = markenOrte[i].x, py = markenOrte[i].y;
        const TextExtent e = c.textExtent(i == 0 ? " A" : " S");
        const double w = e.width, h = e.height;
        const KegelZahlkasten kasten = kegelMarkenname(
            [&](int f, int rechts, int unten) {
                return KegelZahlkasten{px + (rechts * f - 1) * w / 2, py + (unten * f - 1) * h / 2, w, h};
            },
            [&](const KegelZahlkasten& k1) {
                return k1.x >= b.rand && k1.y >= b.rand && k1.x + w <= b.W && k1.y + h <= b.H;
            },
            striche, 0.15 * h, {double(px), double(py), w, h});
        marken.push_back(kasten);
        striche.kasten(kasten); // the other mark's name keeps clear of it
    }
    for (const CanvasPoint& p : markenOrte) {
        striche.strecke(p.x - 5, p.y, p.x + 5, p.y);
        striche.strecke(p.x, p.y - 5, p.x, p.y + 5);
    }
    c.setFont(vorher);
    zeichneKegelLegende(s, u, c, b, bildschirm, s.Par.Gnomonhoehe * zoom, ebene, striche);

    // The footprint, and on a turned plane its axis.
    c.setFontColor(s.Farben[3]);
    c.setPenColor(s.Farben[3]);
    c.setBrushStyle(BrushStyle::Clear);
    if (!gedreht) {
        c.ellipse(runde(b.fx - m.a), runde(b.fy - m.b), runde(b.fx + m.a), runde(b.fy + m.b));
    } else {
        c.polyline(rand);
        c.moveTo(runde(ax0), runde(ay0));
        c.lineTo(runde(ax1), runde(ay1));
    }
    // The marks' crosses with their names, drawn where they were placed before the legend.
    c.setFont(markenSchrift);
    for (std::size_t i = 0; i < markenOrte.size(); ++i) {
        const int px = markenOrte[i].x, py = markenOrte[i].y;
        c.moveTo(px - 5, py);
        c.lineTo(px + 5, py);
        c.moveTo(px, py - 5);
        c.lineTo(px, py + 5);
        c.textOut(runde(marken[i].x), runde(marken[i].y), i == 0 ? " A" : " S");
    }

    CanvasZug zug(c);
    stundenStriche.abspielen(zug);
    // The numbers that the shared placer moves keep clear of the hint at the top too.
    std::vector<KegelZahlkasten> belegt = marken;
    if (hinweisKasten)
        belegt.push_back(*hinweisKasten);
    zeichneStundenzahlen(s, c, k, linien, b, belegt, striche);

    c.setPenColor(s.Farben[5]);
    c.setFontColor(FarbeRot);
    if (bildschirm)
        c.textOut(b.rand + 10, std::abs(runde(b.rand + 0.5 * c.fontHeight())), hinweis);
    datumsStriche.abspielen(zug);

    c.setPen({0xFFFF00, s.Schalter.Linienstaerke, PenStyle::Solid});
    c.setBrush({FarbeWeiss, BrushStyle::Clear});
    RandUndRahmen(b.W + b.rand, b.H + b.rand, b.rand, c, u.DruckRandY);
    return meldungen;
}

} // namespace umbrin
