#include "dials/planar/KonstruiereEbeneSonnenuhr.h"

#include "core/Rounding.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"

namespace umbrin {

Konstruktionsmeldungen konstruiereEbeneSonnenuhr(const AppState& s, const Zeichenumgebung& u, Canvas& canvas,
                                                 double& zoom, int breite, int hoehe)
{
    const EbenenParameter p = ebenenParameter(s);
    double g = static_cast<double>(roundHalfEven(static_cast<long double>(s.Par.Gnomonhoehe) * zoom * 100)) / 100;
    if (g < 5.0) {
        g = 5.0;
        if (s.Par.Gnomonhoehe > 0)
            zoom = 5.0 / s.Par.Gnomonhoehe;
    }
    return zeichneEbeneSonnenuhr(s, u, canvas, true, breite, hoehe, g, p);
}

Konstruktionsmeldungen konstruiereEbeneSonnenuhr(const AppState& s, const Zeichenumgebung& u, Canvas& canvas,
                                                 double& zoom)
{
    return konstruiereEbeneSonnenuhr(s, u, canvas, zoom, canvas.width(), canvas.height());
}

} // namespace umbrin
