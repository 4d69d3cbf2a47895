#include "core/Zahlenformat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace umbrin {

std::string RealStr(long double x, int w, int d)
{
    if (d > w || d < 0)
        return {};
    std::string text;
    if (!std::isfinite(x)) {
        text = std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    } else {
        long double scale = 1;
        for (int i = 0; i < d; ++i)
            scale *= 10;
        const long double scaled = std::round(std::fabs(x) * scale); // halves away from zero
        if (scaled < 9e18L) {
            const auto digits = static_cast<std::uint64_t>(scaled);
            std::string body = std::to_string(digits);
            if (d > 0) {
                if (body.size() <= static_cast<std::size_t>(d))
                    body.insert(0, static_cast<std::size_t>(d) + 1 - body.size(), '0');
                body.insert(body.size() - static_cast<std::size_t>(d), ".");
            }
            text = (x < 0 && digits != 0) ? "-" + body : body;
        } else {
            char buf[512];
            std::snprintf(buf, sizeof buf, "%.*Lf", d, x);
            text = buf;
        }
    }
    if (text.size() < static_cast<std::size_t>(w))
        text.insert(0, static_cast<std::size_t>(w) - text.size(), ' ');
    return text;
}

} // namespace umbrin
