// Feeds arbitrary bytes to the map-file reader under each separator rule, and to the map data
// tools that parse the same lines. Nothing may crash, hang or read out of bounds.
#include "dials/KartenLeser.h"
#include "drawing/KartenWerkzeuge.h"

#include "core/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace umbrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const KartenTrennRegel ohneBlanks{7, true, false, true};
    for (const KartenTrennRegel& regel : {kKartenDateiRegel, kKartenTextRegelBild, kKartenTextRegelPlot, ohneBlanks}) {
        const KartenLesung l = leseKartenText(bytes, regel, KartenFenster{});
        std::size_t punkte = 0;
        for (const KartenPolylinie& p : l.polylinien) {
            if (p.empty())
                __builtin_trap();
            punkte += p.size();
        }
        if (punkte != l.punkte)
            __builtin_trap();
        (void)kartenLeseMeldung(l, "fuzz.dat", true);
    }

    const auto zeilen = teileKartenZeilen(decodeFileText(bytes));
    (void)halbiereZeilen(zeilen);
    (void)verbindeZeilen(zeilen);
    for (int n = 0; n <= 6; ++n)
        (void)kuerzeZeilen(zeilen, n);
    (void)sucheZeilenImFeld(zeilen);
    return 0;
}
