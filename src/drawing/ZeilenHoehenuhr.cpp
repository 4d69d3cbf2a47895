// The drawing window's rows of the altitude dials and the ham dial: none yet.
#include "drawing/Zeichnungszeilen.h"

namespace umbrin {

std::span<const Zeichnungseintrag> zeilenHoehenuhr()
{
    return {};
}

} // namespace umbrin
