#pragma once
// Helpers of the sun-path diagram tests: a state with twelve distinct colours, the paths a
// recording holds in one colour, and the textbook sun position to check points against.
#include "core/RecordingCanvas.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/State.h"

#include <cmath>
#include <limits>
#include <vector>

namespace umbrin::test {

inline AppState diagrammZustand(double breite = 47.25, bool deutsch = true)
{
    AppState s;
    initialisiereZustand(s);
    setzeSprache(s, deutsch);
    s.Par.Breite = breite;
    s.Par.Jahr = 2024;
    SchiefeUndTierkreis(s, s.Par.Jahr);
    for (std::size_t k = 0; k < s.Farben.size(); ++k)
        s.Farben[k] = static_cast<Farbe>(0x010101 * (k + 1) + 0x100000 * k);
    return s;
}

// Chains of line segments of one pen colour: a segment that starts where the last one ended
// continues the chain.
inline std::vector<std::vector<CanvasPoint>> pfade(const RecordingCanvas& c, Farbe farbe)
{
    std::vector<std::vector<CanvasPoint>> aus;
    for (const RecordedPrimitive& p : c.primitives()) {
        if (p.kind != PrimitiveKind::Line || p.pen.color != farbe)
            continue;
        if (aus.empty() || !(aus.back().back() == p.points[0]))
            aus.push_back({p.points[0]});
        aus.back().push_back(p.points[1]);
    }
    return aus;
}

// Altitude and azimuth (from south, west positive) from the spherical triangle:
// sin h = sin phi sin d + cos phi cos d cos H, A = atan2(sin H, cos H sin phi - tan d cos phi).
struct HimmelsPunkt {
    double a;
    double h;
};
inline HimmelsPunkt lehrbuchSonne(double phi, double d, double H)
{
    const double r = 3.14159265358979323846 / 180;
    const double sh = std::sin(phi * r) * std::sin(d * r) + std::cos(phi * r) * std::cos(d * r) * std::cos(H * r);
    const double A = std::atan2(std::sin(H * r), std::cos(H * r) * std::sin(phi * r) - std::tan(d * r) * std::cos(phi * r));
    return {A / r, std::asin(sh) / r};
}

// Smallest distance from (x, y) to a curve given as densely sampled points.
inline double abstandZurKurve(double x, double y, const std::vector<std::pair<double, double>>& kurve)
{
    double best = std::numeric_limits<double>::max();
    for (const auto& [kx, ky] : kurve)
        best = std::min(best, std::hypot(kx - x, ky - y));
    return best;
}

} // namespace umbrin::test
