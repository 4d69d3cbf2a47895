// The drawing window's rows of the azimuthal dials: none yet.
#include "drawing/Zeichnungszeilen.h"

namespace umbrin {

std::span<const Zeichnungseintrag> zeilenAzimutal()
{
    return {};
}

} // namespace umbrin
