// Lines of equal sun altitude of the planar dials.
#include "dials/Clipping.h"
#include "dials/planar/EbeneLinienfamilien.h"

#include <cmath>

namespace umbrin {
namespace {

// Joins the previous point to the current one when both are lit, cut at the drawing area
// where one of them lies outside it.
void verbinde(EbeneKontext& k, bool beleuchtetAlt)
{
    if (!k.beleuchtet || !beleuchtetAlt)
        return;
    Canvas& c = k.canvas;
    double vx = k.xAlt, vy = k.yAlt, nx = k.x, ny = k.y;
    if (k.zeichenbar && !k.zeichenbarAlt)
        clipLinie(k.SchnittL, k.SchnittO, k.SchnittR, k.SchnittU, k.x, k.y, k.xAlt, k.yAlt, vx, vy);
    else if (!k.zeichenbar && k.zeichenbarAlt)
        clipLinie(k.SchnittL, k.SchnittO, k.SchnittR, k.SchnittU, k.xAlt, k.yAlt, k.x, k.y, nx, ny);
    else if (!k.zeichenbar)
        return;
    c.moveTo(rundeKoordinate(vx), rundeKoordinate(vy));
    c.lineTo(rundeKoordinate(nx), rundeKoordinate(ny));
}

} // namespace

void zeichneHoehenlinien(EbeneKontext& k, int von, int bis, int intervall)
{
    const AppState& s = k.s;
    k.canvas.setPenColor(s.Farben[4]);
    const int proZehn = intervall <= 0 ? 1 : (intervall == 1 ? 2 : 4);
    const double schritt = 10.0 / proZehn;
    // A plain inclining dial is drawn as its equivalent horizontal dial.
    const bool aequivalent = s.UhrTyp == 'i' && !s.Schirmuhr;
    Sonnwendsuche suche(s, std::fabs(s.Par.Breite));
    for (int i = 0;; ++i) {
        const double h = von + i * schritt;
        if (h > bis + 1e-9)
            break;
        for (const Azimutbereich& b : hoehenlinienBereiche(s, h, suche)) {
            const int n = static_cast<int>(std::floor((b.bis - b.von) / 2 + 1e-9));
            bool beleuchtetAlt = false;
            for (int j = 0; j <= n + 1; ++j) {
                double a = b.von + 2.0 * j;
                if (j == n + 1) {
                    if (std::fabs(b.bis - (b.von + 2.0 * n)) < 1e-9)
                        break;
                    a = b.bis; // the last point exactly on the solstice end
                }
                punktFuer(k, sonneHoehenlinie(s, a, h, aequivalent, k.sonne, k.ebene.X2));
                if (j > 0)
                    verbinde(k, beleuchtetAlt);
                beleuchtetAlt = k.beleuchtet;
            }
        }
    }
}

} // namespace umbrin
