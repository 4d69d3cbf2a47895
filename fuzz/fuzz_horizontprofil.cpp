// Feeds arbitrary bytes to the horizon-profile reader. Nothing may crash, hang or read out
// of bounds; a profile is only taken whole.
#include "tables/Profildatei.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace umbrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (int sprache : {1, 2}) {
        const Profillesung l = leseHorizontprofilText(bytes, "fuzz.ele", sprache);
        if (l.ok != l.fehler.empty())
            __builtin_trap();
        if (l.ok && (std::fabs(l.breite) > 90 || std::fabs(l.laenge) > 180 || l.profil[0].Azimut != -180.0))
            __builtin_trap();
        if (l.info.size() > 256)
            __builtin_trap();
    }
    return 0;
}
