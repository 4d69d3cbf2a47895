#include "core/Canvas.h"

#include "core/Rounding.h"

#include <sstream>
#include <utility>

namespace umbrin {

void Canvas::setPen(const CanvasPen& pen)
{
    beforeStateChange();
    pen_ = pen;
    if (pen_.width < 1)
        pen_.width = 1;
}

void Canvas::setPenColor(Farbe color)
{
    if (pen_.color == color)
        return;
    beforeStateChange();
    pen_.color = color;
}

void Canvas::setPenWidth(int width)
{
    if (width < 1)
        width = 1;
    if (pen_.width == width)
        return;
    beforeStateChange();
    pen_.width = width;
}

void Canvas::setPenStyle(PenStyle style)
{
    if (pen_.style == style)
        return;
    beforeStateChange();
    pen_.style = style;
}

void Canvas::setBrush(const CanvasBrush& brush)
{
    beforeStateChange();
    brush_ = brush;
}

void Canvas::setBrushColor(Farbe color)
{
    beforeStateChange();
    brush_.color = color;
}

void Canvas::setBrushStyle(BrushStyle style)
{
    beforeStateChange();
    brush_.style = style;
}

void Canvas::setFont(const CanvasFont& font)
{
    beforeStateChange();
    font_ = font;
}

void Canvas::setFontName(std::string name)
{
    beforeStateChange();
    font_.name = std::move(name);
}

namespace {

// Device units of one font size step times 72: a size is counted in 96ths of an inch on the
// screen, and in the same device units on a page.
constexpr long double kEinheitenJeGroesse = 96.0L;

} // namespace

void Canvas::setFontSize(int size)
{
    beforeStateChange();
    font_.height = static_cast<int>(roundHalfEven(static_cast<long double>(size) * kEinheitenJeGroesse / 72.0L));
    font_.cellHeight = false;
}

void Canvas::setFontHeight(int deviceUnits)
{
    beforeStateChange();
    font_.height = deviceUnits < 0 ? -deviceUnits : deviceUnits;
    font_.cellHeight = true;
}

void Canvas::setBold(bool bold)
{
    beforeStateChange();
    font_.bold = bold;
}

void Canvas::setFontColor(Farbe color)
{
    beforeStateChange();
    font_.color = color;
}

int Canvas::fontSize() const
{
    return static_cast<int>(roundHalfEven(static_cast<long double>(font_.height) * 72.0L / kEinheitenJeGroesse));
}

void Canvas::moveTo(int x, int y)
{
    position_ = {x, y};
}

void Canvas::lineTo(int x, int y)
{
    const CanvasPoint to{x, y};
    drawLine(position_, to);
    position_ = to;
}

std::vector<std::string> umbrochen(const Canvas& c, const std::string& text, int breite)
{
    std::vector<std::string> zeilen;
    std::string absatz;
    std::istringstream absaetze(text);
    while (std::getline(absaetze, absatz, '\n')) {
        std::erase(absatz, '\r');
        std::istringstream woerter(absatz);
        std::string wort, zeile;
        while (woerter >> wort) {
            const std::string laenger = zeile.empty() ? wort : zeile + " " + wort;
            if (!zeile.empty() && c.textExtent(laenger).width > breite) {
                zeilen.push_back(zeile);
                zeile = wort;
            } else {
                zeile = laenger;
            }
        }
        if (!zeile.empty())
            zeilen.push_back(zeile);
    }
    return zeilen;
}

} // namespace umbrin
