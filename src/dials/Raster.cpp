#include "dials/Raster.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"

#include <charconv>

#include <cstdint>

namespace umbrin {
namespace {

// First grid line: from o step back by s while it is greater than grenze + s.
std::int64_t erste(std::int64_t o, std::int64_t grenze, std::int64_t s)
{
    if (o <= grenze + s)
        return o;
    const std::int64_t n = (o - grenze - s + s - 1) / s; // ceil((o - grenze - s) / s)
    return o - n * s;
}

// Last grid line: from o step on by s while it is less than grenze - s.
std::int64_t letzte(std::int64_t o, std::int64_t grenze, std::int64_t s)
{
    if (o >= grenze - s)
        return o;
    const std::int64_t n = (grenze - s - o + s - 1) / s;
    return o + n * s;
}

} // namespace

void zeichneRaster(Canvas& canvas, bool bildschirm, Farbe farbe, int x0, int y0, int breite, int hoehe, int masche,
                   bool formatA4, int randX, int randY)
{
    std::int64_t s = 0;
    std::int64_t c = 0;
    if (bildschirm) {
        s = roundHalfEven(static_cast<long double>(masche) * breite / (formatA4 ? 280.0L : 420.0L));
        c = roundHalfEven(static_cast<long double>(breite) / 160.0L);
    } else {
        s = 10LL * masche;
        c = 10;
    }
    canvas.setPenColor(farbe);
    canvas.rectangle(static_cast<int>(x0 - c), static_cast<int>(y0 - c), static_cast<int>(x0 + c),
                     static_cast<int>(y0 + c));
    if (s < 1)
        return;

    const std::int64_t xa = erste(x0, randX, s);
    const std::int64_t ya = erste(y0, randY, s);
    const std::int64_t xb = letzte(x0, breite, s);
    const std::int64_t yb = letzte(y0, hoehe, s);
    // An origin far outside the sheet would give endless rows off the sheet: only the lines
    // that can be seen (within one spacing of the area) are drawn.
    const std::int64_t xVon = xa >= -s ? xa : xa + ((-s - xa + s - 1) / s) * s;
    const std::int64_t yVon = ya >= -s ? ya : ya + ((-s - ya + s - 1) / s) * s;
    const std::int64_t xBis = xb <= breite + s ? xb : breite + s;
    const std::int64_t yBis = yb <= hoehe + s ? yb : hoehe + s;
    for (std::int64_t x = xVon; x <= xBis; x += s) {
        canvas.moveTo(static_cast<int>(x), static_cast<int>(ya));
        canvas.lineTo(static_cast<int>(x), static_cast<int>(yb));
    }
    for (std::int64_t y = yVon; y <= yBis; y += s) {
        canvas.moveTo(static_cast<int>(xa), static_cast<int>(y));
        canvas.lineTo(static_cast<int>(xb), static_cast<int>(y));
    }
}

int frageRaster(const AppState& s, UserPrompt& frage, int obergrenze)
{
    const PromptAnswer a = frage.ask(PromptTitle::WasNun, PromptIcon::Question, std::string(meldungsText(s, 16)),
                                     PromptButtons::YesNo);
    if (a != PromptAnswer::Yes)
        return 0;
    std::string antwort = "10";
    if (!frage.askText(std::string(texteText(s, 51)), std::string(texteText(s, 50)), antwort))
        return 10;
    return rasterWeite(antwort, obergrenze);
}

int rasterWeite(const std::string& antwort, int obergrenze)
{
    const std::size_t i = antwort.find_first_not_of(' ');
    if (i == std::string::npos)
        return 10;
    const char* anfang = antwort.data() + i;
    const char* ende = antwort.data() + antwort.size();
    if (*anfang == '+')
        ++anfang;
    int n = 0;
    const auto [p, ec] = std::from_chars(anfang, ende, n);
    if (ec != std::errc() || p != ende || n <= 0 || n > obergrenze)
        return 10;
    return n;
}

} // namespace umbrin
