#pragma once
// A construction painted into an image compared with the same construction on a recording
// canvas: the recorded strokes must be where the ink is, and paper a few pixels beside them.
// Colours are the program's (red in the low byte); the painter smooths its lines, so a
// pixel of a line is a blend of the pen colour and the white paper.
#include "core/Canvas.h"
#include "core/RecordingCanvas.h"

#include <QImage>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace umbrin::test {

inline bool farbig(const QImage& bild, int x, int y, int umkreis, int grauGrenze)
{
    for (int dy = -umkreis; dy <= umkreis; ++dy)
        for (int dx = -umkreis; dx <= umkreis; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px >= 0 && py >= 0 && px < bild.width() && py < bild.height() && qGray(bild.pixel(px, py)) < grauGrenze)
                return true;
        }
    return false;
}

// How much of the pen colour f a pixel holds over white paper: 0 for paper or another colour,
// up to 1 for the pure colour.
inline double farbanteil(QRgb pixel, Farbe f)
{
    const int soll[3] = {int(f & 0xFF), int((f >> 8) & 0xFF), int((f >> 16) & 0xFF)};
    const int ist[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    int k = 0;
    for (int i = 1; i < 3; ++i)
        if (255 - soll[i] > 255 - soll[k])
            k = i;
    if (soll[k] == 255)
        return 0;
    const double a = double(255 - ist[k]) / (255 - soll[k]);
    if (a < 0.25)
        return 0;
    for (int i = 0; i < 3; ++i)
        if (std::abs(ist[i] - (255 - a * (255 - soll[i]))) > 16)
            return 0;
    return std::min(a, 1.0);
}

struct Strichvergleich {
    int striche = 0;  // recorded strokes of at least 8 pixels
    int getroffen = 0; // of them: ink at the middle
    int seiten = 0;   // points beside the strokes looked at
    int papier = 0;   // of them: no ink
};

// The middle of every visible recorded stroke of at least 8 pixels, and the points `abstand`
// pixels to either side of it across the stroke.
inline Strichvergleich vergleicheStriche(const RecordingCanvas& r, const QImage& bild, int abstand)
{
    Strichvergleich v;
    for (const RecordedPrimitive& p : r.primitives()) {
        if ((p.kind != PrimitiveKind::Line && p.kind != PrimitiveKind::Polyline) || p.pen.style == PenStyle::Clear)
            continue;
        for (std::size_t i = 0; i + 1 < p.points.size(); ++i) {
            const double ax = p.points[i].x, ay = p.points[i].y;
            const double bx = p.points[i + 1].x, by = p.points[i + 1].y;
            const double l = std::hypot(bx - ax, by - ay);
            const double mx = (ax + bx) / 2, my = (ay + by) / 2;
            if (l < 8 || mx < abstand || my < abstand || mx > bild.width() - abstand || my > bild.height() - abstand)
                continue;
            ++v.striche;
            v.getroffen += farbig(bild, int(std::lround(mx)), int(std::lround(my)), 1, 235) ? 1 : 0;
            const double nx = -(by - ay) / l, ny = (bx - ax) / l;
            for (const int seite : {-1, 1}) {
                ++v.seiten;
                const int qx = int(std::lround(mx + seite * abstand * nx)), qy = int(std::lround(my + seite * abstand * ny));
                v.papier += farbig(bild, qx, qy, 0, 250) ? 0 : 1;
            }
        }
    }
    return v;
}

// The pixels of the row (or column) through `mitte` within `weite` that hold the pen colour:
// their number and their mean offset from `mitte` along the row (or column).
inline std::pair<int, double> farbeAufGerade(const QImage& bild, QPoint mitte, bool waagrecht, int weite, Farbe f)
{
    int n = 0;
    double summe = 0;
    for (int d = -weite; d <= weite; ++d) {
        const int x = mitte.x() + (waagrecht ? d : 0), y = mitte.y() + (waagrecht ? 0 : d);
        if (x < 0 || y < 0 || x >= bild.width() || y >= bild.height())
            continue;
        if (farbanteil(bild.pixel(x, y), f) > 0.4) {
            ++n;
            summe += d;
        }
    }
    return {n, n ? summe / n : 0.0};
}

} // namespace umbrin::test
