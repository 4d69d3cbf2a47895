// Pole point, substyle and pole triangle of the planar dials.
#include "dials/Clipping.h"
#include "dials/planar/EbeneLinienfamilien.h"

#include <cmath>

namespace umbrin {
namespace {

double sgn(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

constexpr Farbe FarbePoldreieckRand = 0xC2BBAE; // red 174, green 187, blue 194

struct Punkt {
    double x = 0;
    double y = 0;
};

// The folded nodus: at distance s from the foot, at right angles to the substyle (X, Y).
// False when the substyle has no direction (the polar axis is the plane's normal).
bool nodus(const EbeneKontext& k, double X, double Y, Punkt& n)
{
    double d = std::sqrt(X * X + Y * Y);
    if (!(d > 1e-9))
        return false;
    if (X >= 0 && Y > 0)
        d = -d;
    if (k.s.Par.Breite < 0 && X >= 0 && Y < 0)
        d = -d;
    n = {k.FusspunktX + Y * k.Skala / d, k.FusspunktY + X * k.Skala / d};
    return true;
}

void linie(Canvas& c, Punkt a, Punkt b)
{
    c.moveTo(rundeKoordinate(a.x), rundeKoordinate(a.y));
    c.lineTo(rundeKoordinate(b.x), rundeKoordinate(b.y));
}

} // namespace

void zeichnePolstabMarken(EbeneKontext& k, double X, double Y)
{
    Canvas& c = k.canvas;
    const AppState& s = k.s;
    const Punkt fuss{static_cast<double>(k.FusspunktX), static_cast<double>(k.FusspunktY)};
    const Punkt P{fuss.x + X, fuss.y - Y};
    const bool poldreieck = s.Schalter.Poldreieck != 0;

    if (std::fabs(X) < 20000 && std::fabs(Y) < 20000) {
        Punkt N;
        if (!nodus(k, X, Y, N))
            return;
        if (poldreieck) {
            c.setPenColor(FarbeRot);
            c.moveTo(rundeKoordinate(fuss.x), rundeKoordinate(fuss.y));
            c.lineTo(rundeKoordinate(N.x), rundeKoordinate(N.y));
            c.lineTo(rundeKoordinate(P.x), rundeKoordinate(P.y));
            c.lineTo(rundeKoordinate(fuss.x), rundeKoordinate(fuss.y));
            c.setPenColor(FarbePoldreieckRand);
        }
        return;
    }

    // The pole lies far outside: the substyle is cut at the border of the drawing.
    Punkt C;
    clipStreckenende(fuss.x, fuss.y, P.x, P.y, k.RandX, k.RandY, k.Breite, k.Hoehe, C.x, C.y);
    Punkt N;
    const bool mitNodus = nodus(k, C.x - fuss.x, fuss.y - C.y, N);
    const bool polAufBlatt = k.RandX <= P.x && P.x < k.Breite && k.RandY <= P.y && P.y < k.Hoehe;
    const int px = rundeKoordinate(fuss.x + 10 * sgn(X));
    const int py = rundeKoordinate(fuss.y + 5 * sgn(-Y));
    if (!poldreieck) {
        if (std::fabs(X) >= 200000 || std::fabs(Y) >= 200000)
            return;
        c.setPenColor(s.FarbeHell[0]);
        c.textOut(px, py, "P");
        const bool fussInnen =
            k.RandX <= fuss.x && fuss.x < k.Breite && k.RandY <= fuss.y && fuss.y < k.Hoehe;
        // The substyle runs to the border towards the pole; the pole's "S" and mark stand only
        // where the pole is on the sheet (metres off it, a page with them was refused).
        if (fussInnen)
            linie(c, fuss, C);
        if (!polAufBlatt)
            return;
        c.setPen({s.Farben[3], c.pen().width, PenStyle::Solid});
        c.textOut(rundeKoordinate(P.x + 7), rundeKoordinate(P.y + 4), "S");
        const int x = rundeKoordinate(P.x);
        const int y = rundeKoordinate(P.y);
        const CanvasBrush vorher = c.brush();
        c.setBrushStyle(BrushStyle::Clear);
        c.ellipse(x - 4, y - 4, x + 4, y + 4);
        c.setBrush(vorher);
        linie(c, {P.x - 6, P.y}, {P.x + 6, P.y});
        linie(c, {P.x, P.y - 6}, {P.x, P.y + 6});
        return;
    }
    c.setPenColor(FarbeRot);
    if (mitNodus) {
        Punkt C2;
        clipStreckenende(N.x, N.y, P.x, P.y, k.RandX, k.RandY, k.Breite, k.Hoehe, C2.x, C2.y);
        c.moveTo(rundeKoordinate(fuss.x), rundeKoordinate(fuss.y));
        c.lineTo(rundeKoordinate(N.x), rundeKoordinate(N.y));
        c.lineTo(rundeKoordinate(C2.x), rundeKoordinate(C2.y));
    }
    linie(c, C, fuss);
    c.setPenColor(FarbePoldreieckRand);
    const CanvasBrush vorher = c.brush();
    c.setBrushStyle(BrushStyle::Clear);
    c.rectangle(k.RandX, k.RandY, k.Breite, k.Hoehe);
    c.setBrush(vorher);
    const CanvasFont schrift = c.font();
    c.setFontColor(FarbeRot);
    c.setBold(true);
    if (polAufBlatt)
        c.textOut(rundeKoordinate(P.x), rundeKoordinate(P.y - 15 * sgn(Y)), "S");
    c.textOut(px, py, "P");
    c.setFont(schrift);
}

} // namespace umbrin
