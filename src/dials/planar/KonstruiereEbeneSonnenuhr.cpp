#include "dials/planar/KonstruiereEbeneSonnenuhr.h"

#include "core/RecordingCanvas.h"
#include "core/Rounding.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"

#include <algorithm>
#include <cmath>

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

CanvasPoint hinweisAmFuss(const AppState& s, const Zeichenumgebung& u, int breite, int hoehe, TextExtent mass)
{
    // The texts that keep to the frame, drawn once more where only their places are kept.
    RecordingCanvas c(breite, hoehe);
    Zeichenumgebung rahmen = u;
    rahmen.Teile = TeilAmRahmen;
    rahmen.MitSchnitt = false;
    double zoom = s.Zoom;
    konstruiereEbeneSonnenuhr(s, rahmen, c, zoom, breite, hoehe);
    const int x = s.FusspunktX - 130, y = s.FusspunktY;
    const int h = mass.height;
    const int zeilen[] = {y + 30, y - 30 - h, y + 30 + 2 * h, y - 30 - 3 * h};
    for (const int oben : zeilen) {
        const bool frei = std::none_of(c.primitives().begin(), c.primitives().end(), [&](const RecordedPrimitive& p) {
            if (p.kind != PrimitiveKind::Text || p.points.empty())
                return false;
            // Measured by the font's height as the numbers are placed: 0.6 of it a character.
            const double zeichen = static_cast<double>(std::count_if(p.text.begin(), p.text.end(), [](char z) {
                return (static_cast<unsigned char>(z) & 0xC0) != 0x80;
            }));
            const double hz = std::abs(p.font.height);
            const double l = p.points[0].x, o = p.points[0].y;
            return l < x + mass.width && x < l + 0.6 * hz * zeichen && o < oben + h && oben < o + 1.2 * hz;
        });
        if (frei && oben >= 0 && oben + h <= hoehe)
            return {x, oben};
    }
    return {x, y + 30};
}

} // namespace umbrin
