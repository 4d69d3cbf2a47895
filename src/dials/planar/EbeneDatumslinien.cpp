// Date lines and lines of whole-hour day length of the planar dials.
#include "dials/planar/EbeneLinienfamilien.h"

namespace umbrin {
namespace {

// One line over the whole day, t = 0, 0.25, ... 24: the first point (midnight) is reflected
// through the foot when the sun stands behind the plane, and the pen only moves there.
template <typename Sonne>
void tageslinie(EbeneKontext& k, Sonne sonne)
{
    for (int i = 0; i <= 96; ++i) {
        const double t = 0.25 * i;
        punktFuer(k, sonne(t));
        if (i == 0) {
            if (!k.EbeneBeleuchtet) {
                k.x = 2.0 * k.FusspunktX - k.x;
                k.y = 2.0 * k.FusspunktY - k.y;
            }
            k.canvas.moveTo(rundeKoordinate(k.x), rundeKoordinate(k.y));
        } else {
            linieZu(k, k.zeichenbar, k.zeichenbarAlt, true);
        }
    }
}

} // namespace

void zeichneDatumslinienTabelle(EbeneKontext& k)
{
    for (int linie = 0; linie < k.Datumslinien.Zahl; ++linie) {
        tageslinie(k, [&](double t) {
            return sonneDatumslinie(k.s, k.Datumslinien, k.TierkreisModus, linie, t, k.sonne, k.ebene.X2,
                                    k.Laenge);
        });
    }
}

void zeichneDatumslinien(EbeneKontext& k)
{
    for (double dekl : k.DeklStunden) {
        if (dekl > k.s.EpsRund)
            continue;
        for (double d : {dekl, -dekl})
            tageslinie(k, [&](double t) { return sonneTageslaengenlinie(d, t, k.sonne, k.ebene.X2); });
    }
}

} // namespace umbrin
