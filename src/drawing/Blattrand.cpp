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

Tintenraster::Tintenraster(const std::vector<RecordedPrimitive>& zeichnung, int breite, int hoehe, int zelle, Canvas& mass)
    : zelle_(std::max(1, zelle)), spalten_(std::max(0, breite) / zelle_ + 1), zeilen_(std::max(0, hoehe) / zelle_ + 1),
      belegt_(static_cast<std::size_t>(spalten_) * static_cast<std::size_t>(zeilen_), 0)
{
    const auto flaeche = [&](double x0, double y0, double x1, double y1) {
        const int i0 = static_cast<int>(std::max(0.0, std::floor(x0 / zelle_)));
        const int j0 = static_cast<int>(std::max(0.0, std::floor(y0 / zelle_)));
        const int i1 = static_cast<int>(std::min(spalten_ - 1.0, std::floor(x1 / zelle_)));
        const int j1 = static_cast<int>(std::min(zeilen_ - 1.0, std::floor(y1 / zelle_)));
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i)
                belegt_[static_cast<std::size_t>(j) * spalten_ + i] = 1;
    };
    const auto kette = [&](const std::vector<std::pair<double, double>>& q, bool geschlossen) {
        if (q.size() == 1)
            markiere(q[0].first, q[0].second);
        for (std::size_t i = 0; i + 1 < q.size() + (geschlossen && q.size() > 2 ? 1 : 0); ++i) {
            const auto& [ax, ay] = q[i];
            const auto& [bx, by] = q[(i + 1) % q.size()];
            strecke(ax, ay, bx, by);
        }
    };
    for (const RecordedPrimitive& p : zeichnung) {
        if (p.kind == PrimitiveKind::Clear || p.points.empty())
            continue;
        if (p.kind == PrimitiveKind::Text) {
            // The upright box round the text's letters.
            if (const auto ecken = textEcken(p, mass)) {
                double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
                for (const auto& [x, y] : *ecken) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
                flaeche(x0, y0, x1, y1);
            }
            continue;
        }
        if (ungesehen(p))
            continue;
        std::vector<std::pair<double, double>> q;
        for (const CanvasPoint& k : p.points)
            q.push_back({double(k.x), double(k.y)});
        switch (p.kind) {
        case PrimitiveKind::FillRect:
            if (q.size() >= 2)
                flaeche(q[0].first, q[0].second, q[1].first, q[1].second);
            break;
        case PrimitiveKind::Rectangle:
            if (q.size() >= 2)
                kette({q[0], {q[1].first, q[0].second}, q[1], {q[0].first, q[1].second}}, true);
            break;
        case PrimitiveKind::Ellipse:
        case PrimitiveKind::Arc: {
            // The whole ellipse, its chords no longer than a cell.
            if (q.size() < 2)
                break;
            const double cx = (q[0].first + q[1].first) / 2, cy = (q[0].second + q[1].second) / 2;
            const double rx = (q[1].first - q[0].first) / 2, ry = (q[1].second - q[0].second) / 2;
            if (std::min(q[0].first, q[1].first) > breite || std::max(q[0].first, q[1].first) < 0
                || std::min(q[0].second, q[1].second) > hoehe || std::max(q[0].second, q[1].second) < 0)
                break;
            const int n = std::clamp(static_cast<int>(2 * std::numbers::pi * std::max(std::abs(rx), std::abs(ry)) / zelle_), 72, 8192);
            std::vector<std::pair<double, double>> rund;
            for (int i = 0; i < n; ++i)
                rund.push_back({cx + rx * std::cos(2 * std::numbers::pi * i / n), cy + ry * std::sin(2 * std::numbers::pi * i / n)});
            kette(rund, true);
            break;
        }
        default:
            kette(q, p.kind == PrimitiveKind::Polygon);
        }
    }
    summe_.assign(static_cast<std::size_t>(spalten_ + 1) * (zeilen_ + 1), 0);
    for (int j = 0; j < zeilen_; ++j)
        for (int i = 0; i < spalten_; ++i)
            summe_[static_cast<std::size_t>(j + 1) * (spalten_ + 1) + i + 1] =
                belegt_[static_cast<std::size_t>(j) * spalten_ + i] + summe_[static_cast<std::size_t>(j) * (spalten_ + 1) + i + 1]
                + summe_[static_cast<std::size_t>(j + 1) * (spalten_ + 1) + i] - summe_[static_cast<std::size_t>(j) * (spalten_ + 1) + i];
}

void Tintenraster::markiere(double x, double y)
{
    const double i = std::floor(x / zelle_), j = std::floor(y / zelle_);
    if (i >= 0 && j >= 0 && i < spalten_ && j < zeilen_)
        belegt_[static_cast<std::size_t>(j) * spalten_ + static_cast<std::size_t>(i)] = 1;
}

// The segment's part on the grid, by points no farther apart than half a cell: every point of
// it lies within a quarter cell of one of them.
void Tintenraster::strecke(double ax, double ay, double bx, double by)
{
    double t0 = 0, t1 = 1;
    if (!streckeImRechteck(ax, ay, bx, by, -zelle_, -zelle_, double(spalten_ + 1) * zelle_, double(zeilen_ + 1) * zelle_, t0, t1))
        return;
    const double dx = bx - ax, dy = by - ay;
    const int n = static_cast<int>(std::ceil(std::hypot(dx, dy) * (t1 - t0) / (zelle_ / 2.0)));
    for (int k = 0; k <= n; ++k) {
        const double t = n ? t0 + (t1 - t0) * k / n : t0;
        markiere(ax + t * dx, ay + t * dy);
    }
}

bool Tintenraster::frei(double x0, double y0, double x1, double y1) const
{
    const auto spalte = [&](double x) { return std::clamp(static_cast<int>(std::floor(x / zelle_)), -1, spalten_); };
    const auto zeile = [&](double y) { return std::clamp(static_cast<int>(std::floor(y / zelle_)), -1, zeilen_); };
    // The cells the box meets and those next to them.
    const int i0 = std::max(0, spalte(x0) - 1), i1 = std::min(spalten_ - 1, spalte(x1) + 1);
    const int j0 = std::max(0, zeile(y0) - 1), j1 = std::min(zeilen_ - 1, zeile(y1) + 1);
    if (i0 > i1 || j0 > j1)
        return true;
    const auto s = [&](int i, int j) { return summe_[static_cast<std::size_t>(j) * (spalten_ + 1) + i]; };
    return s(i1 + 1, j1 + 1) - s(i0, j1 + 1) - s(i1 + 1, j0) + s(i0, j0) == 0;
}

} // namespace umbrin
