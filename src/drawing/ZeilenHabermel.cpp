// The drawing window's rows of the Habermel dials and the biazimuthal dial: none yet.
#include "drawing/Zeichnungszeilen.h"

namespace umbrin {

std::span<const Zeichnungseintrag> zeilenHabermel()
{
    return {};
}

} // namespace umbrin
