#include "tables/SonnenstandTierkreis.h"

#include "core/Sonne.h"

#include <array>

namespace umbrin {

std::vector<Tierkreismarke> tierkreismarken(const AppState& s, TierkreisLage lage)
{
    static constexpr std::array<char, 8> erstes = {' ', 'g', 'h', 'i', '^', '_', '`', 'a'};
    static constexpr std::array<char, 8> zweites = {' ', ' ', 'f', 'e', 'd', 'c', 'b', ' '};
    const double phi = s.Par.Breite;
    const bool sued = phi < 0;
    const bool plot = lage == TierkreisLage::Plot;
    std::vector<Tierkreismarke> marken;
    for (std::size_t k = 1; k <= 7; ++k) {
        double h = 0;
        double a = 0;
        AzimutHoehe(h, a, phi, s.TierkreisDekl[k], -0.01);
        if (h < 0)
            continue;
        const double sg = a < -150 ? -1.0 : 1.0; // the noon sun stands in the north
        Tierkreismarke m;
        m.zeichen = erstes[k];
        if (sued) {
            m.p = k == 1 ? (plot ? sg * a + 180 + 5 * sg : sg * a + 180 - 5) : sg * a + 180 + 5 * sg;
            m.q = k == 1 ? (plot ? h - 1.2 * sg : h - sg) : (plot ? h - 1 + sg : h + 0.5 + 1.5 * sg);
        } else {
            m.p = a + 180 - 5 * sg;
            m.q = k == 1 ? (plot ? h - 1.5 * sg : h - sg) : (plot ? h - 0.5 + 1.5 * sg : h + 1 + 2 * sg);
        }
        marken.push_back(m);
        if (k >= 2 && k <= 6) {
            Tierkreismarke z;
            z.zeichen = zweites[k];
            if (sued) {
                z.p = 179 + a - 4 * sg;
                z.q = plot ? h - 1.5 * sg : h + 1 - sg;
            } else {
                z.p = a + 182;
                z.q = plot ? h - 1 - 1.6 * sg : h + 1 - 1.6 * sg;
            }
            marken.push_back(z);
        }
    }
    return marken;
}

} // namespace umbrin
