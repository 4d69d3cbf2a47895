// The drawing window's rows of the ring dial: none yet.
#include "drawing/Zeichnungszeilen.h"

namespace umbrin {

std::span<const Zeichnungseintrag> zeilenRing()
{
    return {};
}

} // namespace umbrin
