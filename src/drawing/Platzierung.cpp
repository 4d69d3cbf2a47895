#include "drawing/Platzierung.h"

#include "core/Rounding.h"

#include <cmath>

#include <limits>

namespace umbrin {
namespace {

std::int32_t rund(long double x)
{
    const std::int64_t r = roundHalfEven(x);
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (r < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

} // namespace

Platzierung platzierungVon(const AppState& s) { return {s.FusspunktX, s.FusspunktY, s.LegendeX, s.LegendeY}; }

void setzePlatzierung(AppState& s, const Platzierung& p)
{
    s.FusspunktX = p.FusspunktX;
    s.FusspunktY = p.FusspunktY;
    s.LegendeX = p.LegendeX;
    s.LegendeY = p.LegendeY;
}

void vergissPlatzierung(AppState& s, Zeichenfensterzustand& f)
{
    setzePlatzierung(s, Platzierung{});
    s.FusspunktGesetzt = 0;
    s.LegendeGesetzt = 0;
    f.FusspunktNeu = true;
    f.LegendeNeu = true;
}

Platzierung standardPlatzierung(const AppState& s, std::int32_t w, std::int32_t h)
{
    Platzierung p;
    const bool sued = s.Par.Breite < 0;
    if (s.UhrTyp == 'v') {
        p.FusspunktY = rund((static_cast<long double>(w) + 1) / 32);
        p.LegendeY = rund(static_cast<long double>(h) * 0.85L);
    } else if (s.UhrTyp == 'z' && s.Schalter.ZylinderArt == 2) {
        // The polar rod's face hangs below its foot in both hemispheres (its plot puts the
        // origin high on the sheet too): the foot stands in the upper quarter.
        p.FusspunktY = h / 4;
        p.LegendeY = h / 25;
    } else {
        p.FusspunktY = std::abs(s.Par.Breite) <= 30 ? (h + 1) / 2 : rund(3.0L * h / 4);
        p.LegendeY = h / 25;
        if (sued) {
            p.FusspunktY = h - p.FusspunktY;
            p.LegendeY = h - w / 10;
        }
        // The Peaucellier dial lies symmetric about its foot: the middle, as the dial itself
        // places an unset foot, keeps both halves on the image.
        if (s.UhrTyp == 'p')
            p.FusspunktY = (h + 1) / 2;
        // The Sawyer dial hangs below its foot in either hemisphere: a fifth down, as the dial
        // itself places an unset foot.
        if (s.UhrTyp == 'w')
            p.FusspunktY = h / 5;
    }
    p.FusspunktX = (w + 1) / 2;
    p.LegendeX = rund(static_cast<long double>(w) / 8 * 3);
    return p;
}

std::int32_t pixelNachPlotX(std::int32_t x, std::int32_t w)
{
    return rund(static_cast<long double>(PlotBreite) / w * x);
}

std::int32_t pixelNachPlotY(std::int32_t y, std::int32_t h)
{
    return rund(static_cast<long double>(PlotSpiegelY) - static_cast<long double>(PlotHoehe) / h * y);
}

Platzierung platzierungImPlot(const Platzierung& p, std::int32_t w, std::int32_t h)
{
    return {pixelNachPlotX(p.FusspunktX, w), pixelNachPlotY(p.FusspunktY, h), pixelNachPlotX(p.LegendeX, w),
            pixelNachPlotY(p.LegendeY, h)};
}

std::int32_t pixelNachSawyerX(std::int32_t x, std::int32_t w) { return rund(16400.0L / w * x); }
std::int32_t pixelNachSawyerY(std::int32_t y, std::int32_t h) { return rund(10480.0L - 10470.0L / h * y); }

std::int32_t pixelNachSeite(std::int32_t v, std::int32_t seite, std::int32_t bild)
{
    return rund(static_cast<long double>(v) * seite / bild);
}

Platzierung platzierungAufSeite(const Platzierung& p, std::int32_t pw, std::int32_t ph, std::int32_t bw,
                                std::int32_t bh)
{
    return {pixelNachSeite(p.FusspunktX, pw, bw), pixelNachSeite(p.FusspunktY, ph, bh),
            pixelNachSeite(p.LegendeX, pw, bw), pixelNachSeite(p.LegendeY, ph, bh)};
}

bool fusspunktImBild(const AppState& s, std::int32_t w, std::int32_t h)
{
    return s.FusspunktX > 0 && s.FusspunktY > 0 && s.FusspunktX <= w && s.FusspunktY <= h;
}

} // namespace umbrin
