// The drawing window's rows of the mean-time dial with its cone: none yet.
#include "drawing/Zeichnungszeilen.h"

namespace umbrin {

std::span<const Zeichnungseintrag> zeilenKegel()
{
    return {};
}

} // namespace umbrin
