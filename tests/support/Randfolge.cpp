#include "support/Randfolge.h"

#include "support/PlotLeser.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace umbrin::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::optional<int> ganzeZahl(std::string t)
{
    t.erase(0, t.find_first_not_of(' '));
    t.erase(t.find_last_not_of(' ') + 1);
    if (t.empty() || t.size() > 2 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    return std::stoi(t);
}

} // namespace

std::vector<Befund> pruefeRandfolge(std::vector<Stundenzahl> zahlen, double cx, double cy)
{
    std::sort(zahlen.begin(), zahlen.end(), [](const Stundenzahl& a, const Stundenzahl& b) { return a.stunde < b.stunde; });
    double richtung = 0, umlauf = 0;
    bool inOrdnung = true;
    for (std::size_t i = 1; i < zahlen.size(); ++i) {
        double d = std::atan2(zahlen[i].y - cy, zahlen[i].x - cx) - std::atan2(zahlen[i - 1].y - cy, zahlen[i - 1].x - cx);
        d = std::remainder(d, 2 * kPi);
        if (richtung == 0)
            richtung = d > 0 ? 1 : -1;
        inOrdnung = inOrdnung && d * richtung > 0;
        umlauf += std::fabs(d);
    }
    if (inOrdnung && umlauf < 2 * kPi)
        return {};
    // The numbers as they stand round the centre, from the first hour's on.
    std::vector<Stundenzahl> rund = zahlen;
    const double w0 = zahlen.empty() ? 0 : std::atan2(zahlen[0].y - cy, zahlen[0].x - cx);
    const auto winkel = [&](const Stundenzahl& z) {
        return std::fmod(richtung * (std::atan2(z.y - cy, z.x - cx) - w0) + 4 * kPi, 2 * kPi);
    };
    std::stable_sort(rund.begin(), rund.end(), [&](const Stundenzahl& a, const Stundenzahl& b) { return winkel(a) < winkel(b); });
    std::string folge;
    for (const Stundenzahl& z : rund)
        folge += (folge.empty() ? "" : " ") + std::to_string(z.stunde);
    return {{Befundart::Reihenfolge, folge, {}, "hour numbers round the centre read " + folge}};
}

std::vector<Befund> pruefeRandfolge(const RecordingCanvas& c, Farbe farbe)
{
    std::vector<Stundenzahl> zahlen;
    double cx = 0, cy = 0, rMax = -1;
    for (const RecordedPrimitive& p : c.primitives()) {
        if (p.kind == PrimitiveKind::Ellipse && p.points.size() >= 2 && p.points[1].x - p.points[0].x > rMax) {
            rMax = p.points[1].x - p.points[0].x;
            cx = (p.points[0].x + p.points[1].x) / 2.0;
            cy = (p.points[0].y + p.points[1].y) / 2.0;
        }
        if (p.kind != PrimitiveKind::Text || p.font.color != farbe || p.points.empty())
            continue;
        if (const std::optional<int> h = ganzeZahl(p.text)) {
            // The box as the recording canvas measures it: 0.55 of the height a character.
            const double breite = 0.55 * p.font.height * static_cast<double>(p.text.size()), hoehe = 1.15 * p.font.height;
            zahlen.push_back({*h, p.points[0].x + breite / 2, p.points[0].y + hoehe / 2});
        }
    }
    return pruefeRandfolge(zahlen, cx, cy);
}

std::vector<Befund> pruefePlotRandfolge(const std::string& hpgl, int stift)
{
    std::vector<Stundenzahl> zahlen;
    double cx = 0, cy = 0, rMax = -1;
    for (const PlotBefehl& b : plotBefehle(hpgl)) {
        if (b.name == "CI" && !b.zahlen.empty() && b.zahlen[0] > rMax) {
            rMax = b.zahlen[0];
            cx = b.an.x;
            cy = b.an.y;
        }
        if (b.name == "LB" && b.stift == stift)
            if (const std::optional<int> h = ganzeZahl(b.text))
                zahlen.push_back({*h, b.an.x + 60.0 * static_cast<double>(b.text.size()), b.an.y + 64});
    }
    return pruefeRandfolge(zahlen, cx, cy);
}

} // namespace umbrin::test
