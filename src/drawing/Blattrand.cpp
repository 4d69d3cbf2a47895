#include "drawing/Blattrand.h"

#include <cmath>
#include <numbers>
#include <string_view>

namespace umbrin {
namespace {

struct Messung {
    double breite, hoehe;
    Ueberstand weitester;

    void punkt(double x, double y)
    {
        const std::pair<double, Blattkante> kanten[] = {
            {-x, Blattkante::Links}, {x - breite, Blattkante::Rechts}, {-y, Blattkante::Oben}, {y - hoehe, Blattkante::Unten}};
        for (const auto& [weite, kante] : kanten)
            if (weite > weitester.weite)
                weitester = {weite, kante};
    }
};

// The width of a text in a font as the canvas measures it; the canvas keeps its own font.
double textBreite(Canvas& mass, const CanvasFont& schrift, std::string_view t)
{
    if (t.empty())
        return 0;
    const CanvasFont vorher = mass.font();
    mass.setFont(schrift);
    const double b = mass.textExtent(t).width;
    mass.setFont(vorher);
    return b;
}

void text(Messung& m, const RecordedPrimitive& p, Canvas& mass)
{
    const std::string_view t = p.text;
    const std::size_t vorn = t.find_first_not_of(' ');
    if (vorn == std::string_view::npos || p.points.empty())
        return;
    const double em = p.font.cellHeight ? p.font.height / 1.15 : p.font.height;
    const double u0 = textBreite(mass, p.font, t.substr(0, vorn));
    const double u1 = textBreite(mass, p.font, t.substr(0, t.find_last_not_of(' ') + 1));
    const double a = p.angle * std::numbers::pi / 180;
    const double dx = std::cos(a), dy = -std::sin(a), nx = std::sin(a), ny = std::cos(a);
    for (const double u : {u0, u1})
        for (const double v : {0.15 * em, 1.02 * em})
            m.punkt(p.points[0].x + u * dx + v * nx, p.points[0].y + u * dy + v * ny);
}

// The arc from the start ray counter-clockwise (as seen, y downward) to the end ray: its ends
// and the ellipse's extremes that lie on it.
void bogen(Messung& m, const RecordedPrimitive& p)
{
    const double cx = (p.points[0].x + p.points[1].x) / 2.0, cy = (p.points[0].y + p.points[1].y) / 2.0;
    const double rx = std::abs(p.points[1].x - p.points[0].x) / 2.0, ry = std::abs(p.points[1].y - p.points[0].y) / 2.0;
    const double a0 = std::atan2(-(p.points[2].y - cy), p.points[2].x - cx);
    double a1 = std::atan2(-(p.points[3].y - cy), p.points[3].x - cx);
    while (a1 <= a0)
        a1 += 2 * std::numbers::pi;
    const auto an = [&](double w) { m.punkt(cx + rx * std::cos(w), cy - ry * std::sin(w)); };
    an(a0);
    an(a1);
    for (double w = std::ceil(a0 / (std::numbers::pi / 2)) * (std::numbers::pi / 2); w < a1; w += std::numbers::pi / 2)
        an(w);
}

} // namespace

TextExtent Probeseite::textExtent(std::string_view text) const
{
    const CanvasFont vorher = mass_->font();
    mass_->setFont(font());
    const TextExtent e = mass_->textExtent(text);
    mass_->setFont(vorher);
    return e;
}

Ueberstand ueberstand(const std::vector<RecordedPrimitive>& zeichnung, int breite, int hoehe, Canvas& mass)
{
    Messung m{double(breite), double(hoehe), {}};
    for (const RecordedPrimitive& p : zeichnung) {
        if (p.kind == PrimitiveKind::Text) {
            text(m, p, mass);
            continue;
        }
        if (p.kind == PrimitiveKind::Clear || p.points.empty())
            continue;
        // White on the white page is not seen: the margins a page fills white, say.
        const bool fuellung = p.kind == PrimitiveKind::FillRect
                              || (p.pen.style == PenStyle::Clear && p.kind == PrimitiveKind::Polygon);
        if (fuellung ? p.brush.color == FarbeWeiss || p.brush.style == BrushStyle::Clear
                     : p.pen.style == PenStyle::Clear || p.pen.color == FarbeWeiss)
            continue;
        switch (p.kind) {
        case PrimitiveKind::Rectangle:
        case PrimitiveKind::FillRect:
        case PrimitiveKind::Ellipse:
            m.punkt(p.points[0].x, p.points[0].y);
            m.punkt(p.points[1].x - 1.0, p.points[1].y - 1.0);
            break;
        case PrimitiveKind::Arc:
            if (p.points.size() >= 4)
                bogen(m, p);
            break;
        default:
            for (const CanvasPoint& q : p.points)
                m.punkt(q.x, q.y);
        }
    }
    return m.weitester;
}

} // namespace umbrin
