#include "support/Randfolge.h"

#include "support/PlotLeser.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace umbrin::test {
namespace {

bool istStunde(const std::string& t)
{
    return !t.empty() && t.size() <= 2 && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The numbers as written, each with the angle of its box's middle round the centre: an hour
// written twice is a finding, and the hours then read in order.
std::vector<Befund> pruefe(const std::vector<std::pair<int, double>>& geschrieben)
{
    std::map<int, double> winkel;
    std::vector<Befund> doppelt;
    for (const auto& [h, w] : geschrieben)
        if (!winkel.emplace(h, w).second)
            doppelt.push_back({Befundart::Reihenfolge, std::to_string(h), {}, "hour number " + std::to_string(h) + " written twice"});
    if (!doppelt.empty())
        return doppelt;
    double richtung = 0, umlauf = 0;
    bool inOrdnung = true;
    for (auto a = winkel.begin(), b = std::next(a); a != winkel.end() && b != winkel.end(); ++a, ++b) {
        const double d = std::remainder(b->second - a->second, 2 * M_PI);
        richtung = richtung != 0 ? richtung : (d > 0 ? 1 : -1);
        inOrdnung = inOrdnung && d * richtung > 0;
        umlauf += std::fabs(d);
    }
    if (inOrdnung && umlauf < 2 * M_PI)
        return {};
    std::multimap<double, int> rund; // as they stand, from the first hour's on
    for (const auto& [h, w] : winkel)
        rund.emplace(std::fmod(richtung * (w - winkel.begin()->second) + 4 * M_PI, 2 * M_PI), h);
    std::string folge;
    for (const auto& [w, h] : rund)
        folge += (folge.empty() ? "" : " ") + std::to_string(h);
    return {{Befundart::Reihenfolge, folge, {}, "hour numbers round the centre read " + folge}};
}

} // namespace

std::vector<Befund> pruefeRandfolge(const RecordingCanvas& c, Farbe farbe)
{
    double cx = 0, cy = 0, d = -1;
    for (const RecordedPrimitive& p : c.primitives())
        if (p.kind == PrimitiveKind::Ellipse && p.points[1].x - p.points[0].x > d) {
            d = p.points[1].x - p.points[0].x;
            cx = (p.points[0].x + p.points[1].x) / 2.0;
            cy = (p.points[0].y + p.points[1].y) / 2.0;
        }
    // The middle of a text's box as the recording canvas measures it.
    std::vector<std::pair<int, double>> winkel;
    for (const RecordedPrimitive& p : c.primitives())
        if (p.kind == PrimitiveKind::Text && p.font.color == farbe && istStunde(p.text))
            winkel.emplace_back(std::stoi(p.text), std::atan2(p.points[0].y + 0.575 * p.font.height - cy,
                                                   p.points[0].x + 0.275 * p.font.height * p.text.size() - cx));
    return pruefe(winkel);
}

std::vector<Befund> pruefePlotRandfolge(const std::string& hpgl, int stift)
{
    const std::vector<PlotBefehl> befehle = plotBefehle(hpgl);
    PlotBefehl kreis;
    for (const PlotBefehl& b : befehle)
        if (b.name == "CI" && !b.zahlen.empty() && (kreis.zahlen.empty() || b.zahlen[0] > kreis.zahlen[0]))
            kreis = b;
    std::vector<std::pair<int, double>> winkel;
    for (const PlotBefehl& b : befehle)
        if (b.name == "LB" && b.stift == stift && istStunde(b.text))
            winkel.emplace_back(std::stoi(b.text), std::atan2(b.an.y + 64 - kreis.an.y, b.an.x + 60.0 * b.text.size() - kreis.an.x));
    return pruefe(winkel);
}

} // namespace umbrin::test
