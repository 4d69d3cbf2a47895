#include "dials/planar/EbeneKontext.h"

#include "core/Rounding.h"
#include "core/Winkel.h"
#include "dials/Clipping.h"

#include <cmath>

namespace umbrin {

int rundeKoordinate(double v)
{
    // Shadow points are kept within 1e8 in magnitude; the bound keeps the integer cast safe.
    if (!(v > -2e9))
        return -2000000000;
    if (v > 2e9)
        return 2000000000;
    return static_cast<int>(roundHalfEven(v));
}

// Above the horizon line no shadow falls: the sun would stand below the horizon there. The
// inclining dial, drawn as its equivalent horizontal dial, would otherwise count such points
// as lit whenever the sun is in front of its plane. Sunrise and sunset points lie on the line
// itself and keep one unit of room above the rounded line.
int obereGrenze(const EbeneKontext& k)
{
    return k.Oben > k.SchnittO ? k.Oben - 1 : k.SchnittO;
}

bool unterHorizontlinie(const EbeneKontext& k)
{
    const bool horizont = k.s.UhrTyp == 'i' && !k.s.Schirmuhr && std::fabs(k.ebene.Inklination) > 1e-10;
    return !horizont || k.y > rundeKoordinate(k.HorizontY) - 1;
}

void berechnePunkt(EbeneKontext& k)
{
    const Sonnenstand& r = k.SonneRichtung;
    Schattenwurf w;
    if (!r.alsRichtung || !schattenwurfRichtung(k.geometrie, r.sued, r.west, r.oben, w))
        w = schattenwurf(k.geometrie, k.Azimut, k.SonnenHoehe);
    k.x = k.FusspunktX + w.dx;
    k.y = k.FusspunktY + w.dy;
    k.beleuchtet = w.beleuchtet;
    if (k.geometrie.schirmInklinierend) {
        k.beleuchtet = k.beleuchtet && k.RandX <= k.x && k.x < 2 * k.MitteX + k.RandX && k.Oben <= k.y &&
                       k.y < 2 * k.MitteY + k.RandY;
    }
    k.EbeneBeleuchtetAlt = k.EbeneBeleuchtet;
    k.EbeneBeleuchtet = w.ebeneBeleuchtet;
    k.zeichenbarAlt = k.zeichenbar;
    const bool innen = k.SchnittL <= k.x && k.x < k.SchnittR && obereGrenze(k) < k.y && k.y < k.SchnittU;
    k.zeichenbar = k.beleuchtet && innen;
    if (k.zaehleStunden && k.beleuchtet)
        ++k.Stundenlicht;
    // Far points only give the direction of a cut at the border. They are brought within 1e8
    // of the foot by one common factor, so that the direction from the foot stays as it was
    // (dividing x and y each on its own would turn it, and the cut would fall elsewhere).
    double dx = k.x - k.FusspunktX;
    double dy = k.y - k.FusspunktY;
    for (int i = 0; i < 40 && (std::fabs(dx) > 1e8 || std::fabs(dy) > 1e8); ++i) {
        dx /= 10;
        dy /= 10;
    }
    k.x = k.FusspunktX + dx;
    k.y = k.FusspunktY + dy;
}

void punktFuer(EbeneKontext& k, const Sonnenstand& sonne)
{
    k.xAlt = k.x;
    k.yAlt = k.y;
    k.Azimut = sonne.azimut;
    k.SonnenHoehe = sonne.hoehe;
    k.SonneRichtung = sonne;
    berechnePunkt(k);
}

double sonnenAzimut(const EbeneKontext& k)
{
    const Sonnenstand& r = k.SonneRichtung;
    return r.alsRichtung ? std::atan2(r.west, r.sued) / kRad : k.Azimut;
}

void strichZu(EbeneKontext& k, int x, int y)
{
    k.canvas.lineTo(x, y);
    if (k.zaehleStunden && k.RandX <= x && x <= k.Breite && k.RandY <= y && y <= k.Hoehe)
        ++k.Stundenstriche;
}

void linieZu(EbeneKontext& k, bool zeichenbar, bool zeichenbarAlt, bool ziehen)
{
    Canvas& c = k.canvas;
    const int px = rundeKoordinate(k.x);
    const int py = rundeKoordinate(k.y);
    if (zeichenbar && zeichenbarAlt) {
        if (ziehen)
            strichZu(k, px, py);
        else
            c.moveTo(px, py);
        return;
    }
    if (zeichenbar) {
        if (!k.EbeneBeleuchtetAlt) {
            c.moveTo(px, py);
            return;
        }
        double cx = 0, cy = 0;
        clipLinie(k.SchnittL, obereGrenze(k), k.SchnittR, k.SchnittU, k.x, k.y, k.xAlt, k.yAlt, cx, cy);
        c.moveTo(rundeKoordinate(cx), rundeKoordinate(cy));
        if (ziehen)
            strichZu(k, px, py);
        else
            c.moveTo(px, py);
        return;
    }
    if (zeichenbarAlt) {
        if (!k.EbeneBeleuchtet) {
            c.moveTo(px, py);
            return;
        }
        double cx = 0, cy = 0;
        clipLinie(k.SchnittL, obereGrenze(k), k.SchnittR, k.SchnittU, k.xAlt, k.yAlt, k.x, k.y, cx, cy);
        if (ziehen)
            strichZu(k, rundeKoordinate(cx), rundeKoordinate(cy));
        else
            c.moveTo(rundeKoordinate(cx), rundeKoordinate(cy));
    }
}

} // namespace umbrin
