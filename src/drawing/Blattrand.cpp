#include "drawing/Blattrand.h"

#include "dials/Clipping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>
#include <utility>

namespace umbrin {
namespace {

// White on the white page is not seen: the margins a page fills white, say.
bool ungesehen(const RecordedPrimitive& p)
{
    const bool fuellung = p.kind == PrimitiveKind::FillRect
                          || (p.pen.style == PenStyle::Clear && p.kind == PrimitiveKind::Polygon);
    return fuellung ? p.brush.color == FarbeWeiss || p.brush.style == BrushStyle::Clear
                    : p.pen.style == PenStyle::Clear || p.pen.color == FarbeWeiss;
}

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

// The four corners of a text's letters (its blanks at either end left out), from the top
// left round, turned with the text; none for a text of blanks.
std::optional<std::array<std::pair<double, double>, 4>> textEcken(const RecordedPrimitive& p, Canvas& mass)
{
    const std::string_view t = p.text;
    const std::size_t vorn = t.find_first_not_of(' ');
    if (vorn == std::string_view::npos || p.points.empty())
        return std::nullopt;
    const double em = p.font.cellHeight ? p.font.height / 1.15 : p.font.height;
    const double u0 = textBreite(mass, p.font, t.substr(0, vorn));
    const double u1 = textBreite(mass, p.font, t.substr(0, t.find_last_not_of(' ') + 1));
    const double a = p.angle * std::numbers::pi / 180;
    const double dx = std::cos(a), dy = -std::sin(a), nx = std::sin(a), ny = std::cos(a);
    std::array<std::pair<double, double>, 4> ecken;
    int i = 0;
    for (const auto& [u, v] : {std::pair{u0, 0.15 * em}, {u1, 0.15 * em}, {u1, 1.02 * em}, {u0, 1.02 * em}})
        ecken[i++] = {p.points[0].x + u * dx + v * nx, p.points[0].y + u * dy + v * ny};
    return ecken;
}

void text(Messung& m, const RecordedPrimitive& p, Canvas& mass)
{
    if (const auto ecken = textEcken(p, mass))
        for (const int i : {0, 3, 1, 2}) // left corners first: of two edges passed as far, the first found is named
            m.punkt((*ecken)[i].first, (*ecken)[i].second);
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
        if (ungesehen(p))
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

namespace {

// Whether the segment from a to b enters the box.
bool streckeImFeld(double ax, double ay, double bx, double by, double x0, double y0, double x1, double y1)
{
    double t0 = 0, t1 = 1;
    return streckeImRechteck(ax, ay, bx, by, x0, y0, x1, y1, t0, t1);
}

} // namespace

bool feldFrei(const std::vector<RecordedPrimitive>& zeichnung, double x0, double y0, double x1, double y1, Canvas& mass)
{
    const auto kette = [&](const std::vector<CanvasPoint>& q, bool geschlossen) {
        for (std::size_t i = 0; i + 1 < q.size() + (geschlossen ? 1 : 0) && q.size() > 1; ++i) {
            const CanvasPoint& a = q[i];
            const CanvasPoint& b = q[(i + 1) % q.size()];
            if (streckeImFeld(a.x, a.y, b.x, b.y, x0, y0, x1, y1))
                return true;
        }
        return q.size() == 1 && streckeImFeld(q[0].x, q[0].y, q[0].x, q[0].y, x0, y0, x1, y1);
    };
    for (const RecordedPrimitive& p : zeichnung) {
        if (p.kind == PrimitiveKind::Clear || p.points.empty())
            continue;
        if (p.kind == PrimitiveKind::Text) {
            // The text's letters by their box, measured as the page check measures them.
            const auto box = textEcken(p, mass);
            if (!box)
                continue;
            std::vector<CanvasPoint> ecken;
            for (const auto& [x, y] : *box)
                ecken.push_back({static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))});
            const CanvasPoint mitte{(ecken[0].x + ecken[2].x) / 2, (ecken[0].y + ecken[2].y) / 2};
            if (kette(ecken, true) || (mitte.x >= x0 && mitte.x <= x1 && mitte.y >= y0 && mitte.y <= y1))
                return false;
            continue;
        }
        if (ungesehen(p))
            continue;
        switch (p.kind) {
        case PrimitiveKind::FillRect:
            if (p.points.size() >= 2 && p.points[0].x <= x1 && p.points[1].x >= x0 && p.points[0].y <= y1
                && p.points[1].y >= y0)
                return false;
            break;
        case PrimitiveKind::Rectangle:
            if (p.points.size() >= 2
                && kette({p.points[0], {p.points[1].x, p.points[0].y}, p.points[1], {p.points[0].x, p.points[1].y}}, true))
                return false;
            break;
        case PrimitiveKind::Ellipse:
        case PrimitiveKind::Arc: {
            // The whole ellipse, in steps of 5 degrees.
            if (p.points.size() < 2)
                break;
            const double cx = (p.points[0].x + p.points[1].x) / 2.0, cy = (p.points[0].y + p.points[1].y) / 2.0;
            const double rx = (p.points[1].x - p.points[0].x) / 2.0, ry = (p.points[1].y - p.points[0].y) / 2.0;
            std::vector<CanvasPoint> rund;
            for (int g = 0; g < 360; g += 5)
                rund.push_back({static_cast<int>(std::lround(cx + rx * std::cos(g * std::numbers::pi / 180))),
                                static_cast<int>(std::lround(cy + ry * std::sin(g * std::numbers::pi / 180)))});
            if (kette(rund, true))
                return false;
            break;
        }
        default:
            if (kette(p.points, p.kind == PrimitiveKind::Polygon))
                return false;
        }
    }
    return true;
}

} // namespace umbrin
