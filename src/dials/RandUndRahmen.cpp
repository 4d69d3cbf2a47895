#include "dials/RandUndRahmen.h"

namespace umbrin {

void RandUndRahmen(int breite, int hoehe, int rand, Canvas& canvas, int druckRandY)
{
    const int m = rand;
    canvas.setBrush({FarbeWeiss, BrushStyle::Solid});
    canvas.setPenColor(FarbeWeiss);
    canvas.fillRect(1, 1, breite - 1, m);
    canvas.fillRect(1, 1, m, hoehe - 1);
    canvas.fillRect(1, hoehe - m, breite - 1, hoehe + m - 1);
    canvas.fillRect(breite - m, m, breite + m, hoehe + druckRandY - 1);
    canvas.setPenColor(FarbeSilber);
    canvas.moveTo(m, m);
    canvas.lineTo(breite - m, m);
    canvas.lineTo(breite - m, hoehe - m - 1);
    canvas.lineTo(m, hoehe - m - 1);
    canvas.lineTo(m, m);
}

} // namespace umbrin
