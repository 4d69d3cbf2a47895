#include "dials/TextGedreht.h"

namespace umbrin {

void TextOutGedreht(Canvas& canvas, int x, int y, std::string_view text, int weight, int height, int angle)
{
    if (text.empty())
        return;
    const CanvasFont vorher = canvas.font();
    CanvasFont gedreht = vorher;
    gedreht.height = height < 0 ? -height : height;
    gedreht.bold = weight >= 600;
    canvas.setFont(gedreht);
    canvas.textOutRotated(x, y, text, angle);
    canvas.setFont(vorher);
}

} // namespace umbrin
