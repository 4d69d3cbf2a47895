#include "dials/Clipping.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

double vorzeichen(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// A difference too small to divide by becomes a tiny one of the same sign.
double geschuetzt(double d)
{
    if (std::fabs(d) < 1e-6)
        return (vorzeichen(d) + 0.2) * 1e-6;
    return d;
}

} // namespace

void clipLinie(int xmin, int ymin, int xmax, int ymax, double xA, double yA, double xB, double yB, double& x,
               double& y)
{
    x = xB;
    y = yB;
    if (!(xA >= xmin && xA <= xmax && yA >= ymin && yA <= ymax))
        return;
    if (!std::isfinite(xB) || !std::isfinite(yB)) {
        x = xA;
        y = yA;
        return;
    }
    // Each pass moves B onto one border line; two passes settle every case, the bound only
    // guards against values that are not numbers.
    for (int durchgang = 0; durchgang < 8; ++durchgang) {
        x = xB;
        y = yB;
        if (x < xmin || x > xmax) {
            x = x < xmin ? xmin : xmax;
            y = (x - xA) * (yB - yA) / geschuetzt(xB - xA) + yA;
            if (y < ymin || y > ymax) {
                xB = x;
                yB = y;
            }
        }
        if (y < ymin || y > ymax) {
            y = y < ymin ? ymin : ymax;
            x = (y - yA) * (xB - xA) / geschuetzt(yB - yA) + xA;
            if (x < xmin || x > xmax) {
                xB = x;
                yB = y;
                continue;
            }
        }
        return;
    }
    // Not settled (not-a-number input): stay on the inner end.
    x = xA;
    y = yA;
}

void clipStreckenende(double x0, double y0, double x1, double y1, double xmin, double ymin, double xmax, double ymax,
                      double& x, double& y)
{
    const double xGrenze = x1 - x0 > 0 ? xmax : xmin;
    const double yGrenze = y1 - y0 > 0 ? ymax : ymin;
    if (std::fabs(x1 - x0) >= 1e-18) {
        const double m = (y1 - y0) / (x1 - x0);
        x = xGrenze;
        y = (x - x1) * m + y1;
        if (m == 0)
            return; // horizontal: the x bound is the end
        if (y < ymin) {
            y = ymin;
            x = (y - y1) / m + x1;
        } else if (y > ymax) {
            y = ymax;
            x = (y - y1) / m + x1;
        }
    } else {
        x = x1;
        y = yGrenze;
    }
}

bool streckeImRechteck(double x0, double y0, double x1, double y1, double xmin, double ymin, double xmax, double ymax,
                       double& t0, double& t1)
{
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
    t0 = 0;
    t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

std::vector<std::vector<CanvasPoint>> polylinieImRechteck(const std::vector<CanvasPoint>& p, int xmin, int ymin, int xmax,
                                                          int ymax)
{
    std::vector<std::vector<CanvasPoint>> stuecke;
    // A polyline wholly inside is its own piece: none of its segments needs cutting.
    if (std::all_of(p.begin(), p.end(),
                    [&](const CanvasPoint& q) { return q.x >= xmin && q.x <= xmax && q.y >= ymin && q.y <= ymax; })) {
        if (p.size() > 1)
            stuecke.push_back(p);
        return stuecke;
    }
    std::vector<CanvasPoint> stueck;
    const auto ende = [&] {
        if (stueck.size() > 1)
            stuecke.push_back(std::move(stueck));
        stueck.clear();
    };
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        const CanvasPoint a = p[i], b = p[i + 1];
        double t0 = 0, t1 = 1;
        if (!streckeImRechteck(a.x, a.y, b.x, b.y, xmin, ymin, xmax, ymax, t0, t1)) {
            ende();
            continue;
        }
        // A cut end lies on the border; rounded it stays there.
        const auto bei = [&](double t) {
            return CanvasPoint{static_cast<int>(std::lround(a.x + t * (b.x - a.x))),
                               static_cast<int>(std::lround(a.y + t * (b.y - a.y)))};
        };
        const CanvasPoint von = t0 > 0 ? bei(t0) : a, bis = t1 < 1 ? bei(t1) : b;
        if (stueck.empty())
            stueck.push_back(von);
        stueck.push_back(bis);
        if (t1 < 1)
            ende();
    }
    ende();
    return stuecke;
}

std::vector<CanvasPoint> kreisImRechteck(int x, int y, int r, int xmin, int ymin, int xmax, int ymax)
{
    // Four corners a quarter at the least, so that a circle of a unit or two stays round enough.
    const int n = 4 * std::clamp(r, 2, 8);
    std::vector<CanvasPoint> ecken;
    for (int i = 0; i < n; ++i) {
        const double w = 2 * M_PI * i / n;
        const CanvasPoint p{std::clamp(static_cast<int>(std::lround(x + r * std::cos(w))), xmin, std::max(xmin, xmax)),
                            std::clamp(static_cast<int>(std::lround(y - r * std::sin(w))), ymin, std::max(ymin, ymax))};
        if (ecken.empty() || p.x != ecken.back().x || p.y != ecken.back().y)
            ecken.push_back(p);
    }
    return ecken;
}

} // namespace umbrin
