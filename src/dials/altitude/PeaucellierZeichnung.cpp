#include "dials/altitude/PeaucellierZeichnung.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/TextGedreht.h"
#include "dials/altitude/PeaucellierGeometrie.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace umbrin {
namespace {

int rund(double v) { return peaucellierPixel(v); }

// Every text of the dial runs down the drawing, turned by -90 degrees.
constexpr int kDrehung = -90;

// One drawing: the canvas, the foot and the sizes the nested parts share.
struct Blatt {
    AppState& s;
    Canvas& c;
    bool bildschirm;
    int hoehe;
    int fx = 0, fy = 0; // the foot, in canvas units
    int x0 = 0, y0 = 0, breite = 0; // the frame, with hoehe
    // The boxes (left, top, right, bottom) of the date lines' letters and the hour numbers
    // placed so far, which the hour numbers keep clear of.
    std::vector<std::array<int, 4>> buchstaben{};
    // The boxes of the legend's lines, which the date lines' letters keep clear of.
    std::vector<std::array<int, 4>> legende{};

    CanvasPoint punkt(double x, double y) const { return {fx + rund(x), fy + rund(y)}; }
    void linie(PeaucellierPunkt a, PeaucellierPunkt b)
    {
        const CanvasPoint p = punkt(a.x, a.y), q = punkt(b.x, b.y);
        c.moveTo(p.x, p.y);
        c.lineTo(q.x, q.y);
    }
    void text(double x, double y, const std::string& t, int gewicht, int hoehe)
    {
        const CanvasPoint p = punkt(x, y);
        TextOutGedreht(c, p.x, p.y, t, gewicht, hoehe, kDrehung);
    }
    int breiteStaerke(int mehr) const { return s.Schalter.Linienstaerke + mehr; }
};

int textHoehe(bool bildschirm, double Rmax, int hoehe)
{
    return rund((bildschirm ? 45.0 : 150.0) * Rmax / hoehe);
}
int textHoehe(const Blatt& b, double Rmax) { return textHoehe(b.bildschirm, Rmax, b.hoehe); }

// Where the dial may lie in the frame (x0, y0)-(x0 + breite, y0 + hoehe): right of the legend
// down the canvas's left edge, half a foot lettering height inside the frame.
struct Raum {
    double x0, y0, x1, y1;
    double breite() const { return x1 - x0; }
    double hoehe() const { return y1 - y0; }
};
Raum raumFuerDasBlatt(int x0, int y0, int breite, int hoehe, bool bildschirm)
{
    const int FH0 = fussSchrift(bildschirm);
    const double F = bildschirm ? 20 : 55;
    return {rund(3.2 * F + FH0) + FH0 / 2.0, y0 + FH0 / 2.0, x0 + breite - FH0 / 2.0, y0 + hoehe - FH0 / 2.0};
}

// The dial's reach with its letters: the date letters behind the sunrise ends, the "12"
// beyond the noon end, the hour numbers across the outer date lines.
PeaucellierAusmass ausmass(const PeaucellierGeometrie& g, bool bildschirm, int hoehe)
{
    const double FH = textHoehe(bildschirm, g.Rmax, hoehe);
    return peaucellierAusmass(g, 4.5 * FH, 1.5 * FH, 2 * FH);
}
// The least of it across: the outer date lines with the letters at their ends. The hour numbers
// beyond them move along their lines into the frame by themselves.
PeaucellierAusmass engesAusmass(const PeaucellierGeometrie& g, int hoehe)
{
    const double FH = textHoehe(false, g.Rmax, hoehe);
    return peaucellierAusmass(g, 4.5 * FH, 1.5 * FH, 0.5 * FH);
}

void datumslinien(Blatt& b, const PeaucellierGeometrie& g, int FH)
{
    const auto& F = b.s.Farben;
    for (int i = 0; i < 7; ++i) {
        const bool haupt = i % 3 == 0;
        const Farbe farbe = i == 0 ? F[6] : i == 3 ? F[5] : i == 6 ? F[1] : F[7];
        b.c.setPenColor(farbe);
        b.c.setPenWidth(haupt ? b.breiteStaerke(b.bildschirm ? 1 : 3) : b.breiteStaerke(0));
        const double r = g.r[i], xa = g.xAufgang[i], x15 = g.x15[i];
        const CanvasPoint p1 = b.punkt(xa, r), p2 = b.punkt(x15, r), p3 = b.punkt(x15, -r), p4 = b.punkt(xa, -r);
        b.c.moveTo(p1.x, p1.y);
        b.c.lineTo(p2.x, p2.y);
        b.c.lineTo(p3.x, p3.y);
        b.c.moveTo(p4.x, p4.y);
        b.c.lineTo(p3.x, p3.y);
        if (!haupt)
            continue;
        std::string buchstabe = "S";
        double k = 1, a = 0.2, u = 0.3;
        if (i == 3) {
            buchstabe = b.s.Sprachspalte == 1 ? "Ä" : "E";
            k = 2.5;
        } else if (i == 6) {
            buchstabe = "W";
            a = 0.15;
            u = 0.7;
        }
        b.c.setFontColor(farbe);
        // The room it takes down the sheet: its height, or its width where that is more.
        const CanvasFont vorher = b.c.font();
        CanvasFont schrift = vorher;
        schrift.height = FH;
        schrift.bold = false;
        b.c.setFont(schrift);
        const int lang = std::max(FH, b.c.textExtent(buchstabe).width);
        b.c.setFont(vorher);
        for (const double y : {-(r + a * FH), r - u * FH}) {
            // The letter runs down the sheet from its corner, its top to the right. A dial wider
            // than the room beside the legend reaches into it, and a dial of a large constant is
            // so narrow that the letters of a line's two halves and the hemisphere's meet: there
            // a letter moves along its line, back or on the least it must, else on towards the
            // noon end, until nothing drawn so far meets it.
            const auto kasten = [&](double x) {
                const CanvasPoint p = b.punkt(x, y);
                return std::array<int, 4>{p.x - FH, p.y, p.x, p.y + lang};
            };
            const auto trifft = [](const std::array<int, 4>& k) {
                return [&k](const std::array<int, 4>& l) { return k[0] < l[2] && l[0] < k[2] && k[1] < l[3] && l[1] < k[3]; };
            };
            const auto frei = [&](double x) {
                const std::array<int, 4> k = kasten(x);
                return k[0] >= b.x0 && std::none_of(b.legende.begin(), b.legende.end(), trifft(k))
                       && std::none_of(b.buchstaben.begin(), b.buchstaben.end(), trifft(k));
            };
            const double x0 = xa - k * FH;
            double x = x0;
            for (int j = 1; j <= 8 && !frei(x); ++j)
                for (const double weg : {x0 - j * FH / 2.0, x0 + j * FH / 2.0})
                    if (frei(weg)) {
                        x = weg;
                        break;
                    }
            for (double weiter = x0; weiter <= x15 && !frei(x); weiter += FH / 2.0)
                if (frei(weiter))
                    x = weiter;
            b.text(x, y, buchstabe, 400, FH);
            b.buchstaben.push_back(kasten(x));
        }
    }
}

void nordpfeil(Blatt& b, double R, int d, int FH, const std::string& halbkugel)
{
    const auto& F = b.s.Farben;
    b.c.setPenColor(F[2]);
    b.c.setPenWidth(b.breiteStaerke(0));
    const double spitze = rund(0.7 * R), fuss = rund(0.7 * R - 3 * d);
    const CanvasPoint o = b.punkt(0, 0), s = b.punkt(spitze, 0), l = b.punkt(fuss, d), r = b.punkt(fuss, -d);
    b.c.moveTo(o.x, o.y);
    b.c.lineTo(s.x, s.y);
    b.c.lineTo(l.x, l.y);
    b.c.lineTo(r.x, r.y);
    b.c.lineTo(s.x, s.y);
    b.c.setFontName("Arial");
    b.c.setFontColor(F[2]);
    TextOutGedreht(b.c, b.fx - FH, b.fy - rund(FH / 3.0), halbkugel, 400, FH, kDrehung);
}

// One line of the legend down the left edge: its text, its corner, weight and height, and the
// room it takes (left, top, right, bottom) as it runs down the sheet.
struct Legendenzeile {
    std::string text;
    int x, y, gewicht, h;
    std::array<int, 4> kasten;
};

std::vector<Legendenzeile> legendenZeilen(Blatt& b, int einheit, int FH0, const std::string& halbkugel)
{
    const AppState& s = b.s;
    b.c.setFontName("Times New Roman");
    const int F = b.bildschirm ? 20 : 55;
    CanvasFont messen = b.c.font();
    messen.height = F;
    messen.bold = true;
    const CanvasFont vorher = b.c.font();
    const std::string titel = holeText(s, 149);
    const std::string masse = holeText(s, 145) + " = " + RealStr(std::abs(einheit), 3, 0) + ";  " + holeText(s, 169)
                              + " = " + RealStr(s.Par.PeauParameter, 7, 4) + ";";
    const std::string breite = holeText(s, 146) + " = " + RealStr(std::fabs(s.Par.Breite), 7, 2) + " " + halbkugel;
    const std::string zeile = masse + "    " + breite;
    b.c.setFont(messen);
    const int titelBreite = b.c.textExtent(titel).width;
    const int zeilenBreite = b.c.textExtent(zeile).width;
    const int masseBreite = b.c.textExtent(masse).width;
    const int breiteBreite = b.c.textExtent(breite).width;
    b.c.setFont(vorher);
    // (A line of the smaller height takes the room its measure at the title's height gives it.)
    const auto zeileAn = [](const std::string& t, int x, int y, int gewicht, int h, int laenge) {
        return Legendenzeile{t, x, y, gewicht, h, {x - h, y, x, y + laenge}};
    };
    std::vector<Legendenzeile> zeilen{zeileAn(titel, rund(3.2 * F + FH0), rund(b.hoehe / 2.0 - titelBreite / 1.7), 700, F, titelBreite)};
    const int x = rund(2.0 * F + FH0), h = rund(0.65 * F);
    const int y = rund(b.hoehe / 2.0 - 0.75 * zeilenBreite / 2.0);
    if (y >= 0) {
        zeilen.push_back(zeileAn(zeile, x, y, 700, h, zeilenBreite));
        return zeilen;
    }
    // Too long for the page's height (a small screen, the German texts): the latitude goes on
    // a second line beside the first, further from the title, both from the top at the most.
    const int y2 = std::max(0, rund(b.hoehe / 2.0 - 0.75 * masseBreite / 2.0));
    zeilen.push_back(zeileAn(masse, x, y2, 700, h, masseBreite));
    zeilen.push_back(zeileAn(breite, x - rund(1.2 * h), y2, 700, h, breiteBreite));
    return zeilen;
}

void legende(Blatt& b, const std::vector<Legendenzeile>& zeilen)
{
    b.c.setFontName("Times New Roman");
    b.c.setFontColor(b.s.Farben[3]);
    for (const Legendenzeile& z : zeilen)
        TextOutGedreht(b.c, z.x, z.y, z.text, z.gewicht, z.h, kDrehung);
}

// The hour lines with their labels, the subdivisions of the last hour and the "12".
void zeichnePeaucellierStunden(Blatt& b, const PeaucellierGeometrie& g)
{
    const auto& F = b.s.Farben;
    const int FH = textHoehe(b, g.Rmax);
    b.c.setFontName("Arial");
    b.c.setPenColor(F[0]);
    for (const PeaucellierStundenstueck& st : g.stunden) {
        const bool voll = st.m == 0;
        b.c.setPenColor(voll ? F[2] : F[7]);
        b.c.setPenWidth(voll ? b.breiteStaerke(b.bildschirm ? 1 : 2) : b.breiteStaerke(0));
        b.linie(st.ende1, st.ende2);
        if (!voll)
            continue;
        const double o = st.seite > 0 ? -0.7 * FH : 1.5 * FH;
        const std::string text = peaucellierStundenText(g.phi, st.k, st.seite);
        // The number runs down the sheet from beside the line's end; where that lies beyond the
        // frame (a large unit or zoom), it moves along its line to the first place inside.
        const auto imRahmen = [&](PeaucellierPunkt q) {
            const CanvasPoint a = b.punkt(q.x + FH / 2.0, q.y - o);
            return a.x - FH >= b.x0 && a.x + FH <= b.x0 + b.breite && a.y >= b.y0
                   && a.y + 0.6 * FH * static_cast<double>(text.size()) <= b.y0 + b.hoehe;
        };
        // Inside the frame it moves on along its line past a date line's letter in its way, or,
        // where the line is too short for that, beside its end along the axis.
        const auto frei = [&](PeaucellierPunkt q) {
            const CanvasPoint a = b.punkt(q.x + FH / 2.0, q.y - o);
            const int unten = a.y + rund(0.6 * FH * static_cast<double>(text.size()));
            return imRahmen(q) && std::none_of(b.buchstaben.begin(), b.buchstaben.end(), [&](const std::array<int, 4>& k) {
                       return a.x - FH < k[2] && k[0] < a.x && a.y < k[3] && k[1] < unten;
                   });
        };
        PeaucellierPunkt an = peaucellierZahlPunkt(st, g.p < 0, frei);
        const PeaucellierPunkt ende = g.p < 0 ? st.ende1 : st.ende2;
        for (const double schritt : {1.1, -1.1, 2.2, -2.2, 3.3, -3.3, 4.4, -4.4})
            if (!frei(an) && frei({ende.x + schritt * FH, ende.y}))
                an = {ende.x + schritt * FH, ende.y};
        if (!frei(an))
            an = peaucellierZahlPunkt(st, g.p < 0, imRahmen);
        b.text(an.x + FH / 2.0, an.y - o, text, 700, FH);
        // Where the lines' ends crowd (a large constant), a later number keeps off this one.
        const CanvasPoint a = b.punkt(an.x + FH / 2.0, an.y - o);
        b.buchstaben.push_back({a.x - FH, a.y, a.x, a.y + rund(0.6 * FH * static_cast<double>(text.size()))});
    }
    b.c.setPenColor(F[7]);
    b.c.setPenWidth(b.breiteStaerke(0));
    for (const PeaucellierUnterteilung& u : g.unterteilungen) {
        std::vector<CanvasPoint> linie;
        for (const PeaucellierPunkt& p : u.punkte)
            linie.push_back(b.punkt(p.x, p.y));
        if (linie.size() > 1)
            b.c.polyline(linie);
    }
    b.text(std::max(g.x15[0], g.x15[6]) + 1.5 * FH, -FH / 2.0, "12", 700, FH);
}

} // namespace

int zeichneFusskreuz(AppState& s, Canvas& canvas, bool bildschirm)
{
    const int FH0 = fussSchrift(bildschirm);
    const int d = rund(FH0 / 2.0);
    canvas.setFontHeight(FH0);
    if (!bildschirm)
        s.FusspunktY -= d;
    const int fx = s.FusspunktX, fy = s.FusspunktY;
    canvas.ellipse(fx - d, fy - d, fx + d, fy + d);
    canvas.moveTo(fx - d, fy);
    canvas.lineTo(fx + d, fy);
    canvas.moveTo(fx, fy - d);
    canvas.lineTo(fx, fy + d);
    return d;
}

namespace {

// Writes text from (x, y) down in lines broken at its blanks, each ending left of rechts where
// its words allow (a word wider than that stands alone on its line).
void textInZeilen(Canvas& canvas, int x, int y, int rechts, const std::string& text)
{
    const int schritt = canvas.textExtent("Ag").height * 6 / 5;
    std::string zeile;
    std::size_t a = 0;
    while (a < text.size()) {
        const std::size_t e = std::min(text.find(' ', a), text.size());
        const std::string wort = text.substr(a, e - a);
        const std::string laenger = zeile.empty() ? wort : zeile + " " + wort;
        if (!zeile.empty() && x + canvas.textExtent(laenger).width > rechts) {
            canvas.textOut(x, y, zeile);
            y += schritt;
            zeile = wort;
        } else {
            zeile = laenger;
        }
        a = e + 1;
    }
    if (!zeile.empty())
        canvas.textOut(x, y, zeile);
}

} // namespace

void zeichneBreitenHinweis(const AppState& s, Canvas& canvas, int breite, int hoehe)
{
    canvas.setFontSize(16);
    canvas.setBold(true);
    if (std::fabs(s.Par.Breite) >= kAzimutUhrUntereBreite) {
        // Refused at the polar limit: the text names both limits, in lines the sheet holds.
        textInZeilen(canvas, breite / 5, hoehe / 5, breite - breite / 20,
                     peaucellierHindernisText(s, PeaucellierHindernis::Breite, kAzimutUhrUntereBreite));
        return;
    }
    canvas.textOut(breite / 5, hoehe / 5, "No constructions for latitudes in between -29 deg < latitude < + 29 deg ");
    canvas.textOut(breite / 5, hoehe / 7, "Berechnungen erfolgen nur für Breiten > +29 Grad oder Breiten < -29 Grad");
}

void zeichnePeaucellierSU(AppState& s, Canvas& canvas, int x0, int y0, int breite, int hoehe, int einheit,
                          double konstante, bool bildschirm)
{
    const double phi = s.Par.Breite;
    const double p = peaucellierKonstante(konstante);
    const PeaucellierHindernis hindernis = peaucellierHindernis(phi, kAzimutUhrUntereBreite, s.EpsRund, p);
    if (hindernis == PeaucellierHindernis::Breite || hoehe <= 0) {
        zeichneBreitenHinweis(s, canvas, breite, hoehe);
        return;
    }
    if (hindernis == PeaucellierHindernis::Konstante) {
        const std::string text = peaucellierHindernisText(s, hindernis, kAzimutUhrUntereBreite);
        const std::size_t umbruch = text.find("\n\r");
        canvas.setFontSize(16);
        canvas.setBold(true);
        canvas.textOut(breite / 5, hoehe / 7, text.substr(0, umbruch));
        canvas.textOut(breite / 5, hoehe / 5, text.substr(umbruch + 2));
        return;
    }

    const double u = peaucellierEinheit(einheit);
    double R = rund(u * (bildschirm ? hoehe / 200.0 : 10.0));
    const int n = std::clamp(s.Schalter.StundenIntervallSonst - '0', 0, 3) + 1;
    PeaucellierGeometrie g = peaucellierGeometrie(phi, s.EpsRund, R, p, n);
    const Raum raum = raumFuerDasBlatt(x0, y0, breite, hoehe, bildschirm);
    PeaucellierAusmass a = ausmass(g, bildschirm, hoehe);
    if (bildschirm) {
        if (s.FusspunktX <= 0)
            s.FusspunktX = rund(0.35 * breite) + x0;
        if (s.FusspunktY <= 0)
            s.FusspunktY = rund(0.5 * hoehe) + y0;
        // A dial larger than the image (near the polar circle its sunrise ends run far behind
        // the foot) is drawn smaller, as far as it must at zoom 1; zoomed in, it outgrows it.
        // (The letters' height is rounded: a second step takes up what the first left.)
        for (int schritt = 0; schritt < 3; ++schritt) {
            const double f = std::min(raum.breite() / a.breite(), raum.hoehe() / a.hoehe()) * std::max(1.0, s.Zoom);
            if (f >= 1 || R <= 1)
                break;
            R = std::floor(R * f);
            g = peaucellierGeometrie(phi, s.EpsRund, R, p, n);
            a = ausmass(g, bildschirm, hoehe);
        }
    }
    // The foot moves as little as the dial needs to lie inside the frame (on paper the foot's
    // mark lowers it by its radius after this).
    const int senken = bildschirm ? 0 : rund(fussSchrift(false) / 2.0);
    double fx = s.FusspunktX, fy = s.FusspunktY - senken;
    // On paper a dial too large for its numbers' room beside the outer lines keeps its lines and
    // letters in the frame all the same (the page check refuses one larger than that).
    if (!peaucellierEinpassen(a, raum.x0, raum.y0, raum.x1, raum.y1, fx, fy) && !bildschirm)
        peaucellierEinpassen(engesAusmass(g, hoehe), raum.x0, raum.y0, raum.x1, raum.y1, fx, fy);
    s.FusspunktX = rund(fx);
    s.FusspunktY = rund(fy) + senken;
    if (!bildschirm)
        s.FusspunktX = std::min(s.FusspunktX, rund(x0 + breite - 30.0));

    Blatt b{s, canvas, bildschirm, hoehe};
    b.x0 = x0;
    b.y0 = y0;
    b.breite = breite;
    canvas.setPenWidth(1);
    canvas.setPenColor(s.Farben[3]);
    canvas.setFontColor(s.Farben[3]);
    canvas.setFontName("Arial");
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.rectangle(x0, y0, x0 + breite, y0 + hoehe);

    const int d = zeichneFusskreuz(s, canvas, bildschirm);
    b.fx = s.FusspunktX;
    b.fy = s.FusspunktY;

    const int FH = textHoehe(b, g.Rmax);
    const std::string halbkugel = phi > 0 ? "N" : "S";
    const std::vector<Legendenzeile> zeilen = legendenZeilen(b, einheit, fussSchrift(bildschirm), halbkugel);
    for (const Legendenzeile& z : zeilen)
        b.legende.push_back(z.kasten);
    canvas.setFontName("Arial");
    // The hemisphere's letter beside the foot, drawn with the arrow.
    b.buchstaben.push_back({b.fx - 2 * FH, b.fy - rund(FH / 3.0), b.fx - FH, b.fy - rund(FH / 3.0) + rund(0.75 * FH)});
    datumslinien(b, g, FH);

    canvas.setPenColor(s.Farben[2]);
    b.linie({g.x15[6], 0}, {g.x15[0], 0});

    nordpfeil(b, R, d, FH, halbkugel);
    legende(b, zeilen);
    canvas.setBold(false);
    zeichnePeaucellierStunden(b, g);
}

std::string peaucellierSeitenpruefung(const AppState& s, int breite, int hoehe, CanvasPoint)
{
    const double p = peaucellierKonstante(s.Par.PeauParameter);
    if (peaucellierHindernis(s.Par.Breite, kAzimutUhrUntereBreite, s.EpsRund, p) != PeaucellierHindernis::Keines)
        return {};
    const int n = std::clamp(s.Schalter.StundenIntervallSonst - '0', 0, 3) + 1;
    // The print's frame is the page less 30 units each side; a millimetre is 10 units.
    const auto passt = [&](double mm, int pb, int ph, PeaucellierAusmass* aus = nullptr) {
        const PeaucellierGeometrie g =
            peaucellierGeometrie(s.Par.Breite, s.EpsRund, rund(10.0 * peaucellierEinheit(rund(mm * s.Zoom))), p, n);
        const PeaucellierAusmass a = engesAusmass(g, ph - 60);
        const Raum r = raumFuerDasBlatt(30, 30, pb - 60, ph - 60, false);
        if (aus)
            *aus = a;
        return a.breite() <= r.breite() && a.hoehe() <= r.hoehe();
    };
    PeaucellierAusmass a;
    if (passt(s.Par.Einheit, breite, hoehe, &a))
        return {};
    int laenge = static_cast<int>(std::floor(s.Par.Einheit));
    while (laenge > 1 && !passt(laenge, breite, hoehe))
        --laenge;
    // What helps: the other orientation, or an A3 page (the A4 page's margins, either way
    // round) where it holds the dial; else a smaller unit length.
    const bool hoch = hoehe > breite;
    const bool quer = passt(s.Par.Einheit, hoehe, breite);
    const int a3b = breite + (hoch ? 870 : 1230), a3h = hoehe + (hoch ? 1230 : 870);
    const bool a3 = std::max(breite, hoehe) <= 2970 && (passt(s.Par.Einheit, a3b, a3h) || passt(s.Par.Einheit, a3h, a3b));
    const Raum r = raumFuerDasBlatt(30, 30, breite - 60, hoehe - 60, false);
    const std::string gross = RealStr(a.breite() / 10, 1, 0) + " x " + RealStr(a.hoehe() / 10, 1, 0) + " mm";
    const std::string platz = RealStr(r.breite() / 10, 1, 0) + " x " + RealStr(r.hoehe() / 10, 1, 0) + " mm";
    const bool deutsch = s.Sprachspalte != 2;
    std::string seite;
    if (quer)
        seite = deutsch ? (hoch ? "im Querformat" : "im Hochformat") : (hoch ? "in landscape" : "in portrait");
    if (a3)
        seite += (seite.empty() ? "" : deutsch ? " oder " : " or ") + std::string(deutsch ? "auf A3" : "on A3");
    return deutsch ? "Die Peaucellier-Sonnenuhr braucht " + gross + ", die Seite lässt nur " + platz + ".\n\rBitte "
                           + (seite.empty() ? "" : seite + " drucken oder ") + "die \"" + peaucellierEinheitFeld(s) + "\" auf höchstens "
                           + std::to_string(laenge) + " mm verkleinern: es wird nichts gedruckt."
                     : "The Peaucellier dial takes " + gross + ", the page leaves only " + platz + ".\n\rPlease "
                           + (seite.empty() ? "" : "print " + seite + " or ") + "reduce the \"" + peaucellierEinheitFeld(s) + "\" to at most "
                           + std::to_string(laenge) + " mm: nothing is printed.";
}

} // namespace umbrin
