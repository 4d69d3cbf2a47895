// The drawing window's rows of the filter-hat and polar-rod cylinders: none yet.
#include "drawing/Zeichnungszeilen.h"

namespace umbrin {

std::span<const Zeichnungseintrag> zeilenZylinder()
{
    return {};
}

} // namespace umbrin
