// The drawing window's rows of the Peaucellier and Sawyer dials: none yet.
#include "drawing/Zeichnungszeilen.h"

namespace umbrin {

std::span<const Zeichnungseintrag> zeilenPeaucellierSawyer()
{
    return {};
}

} // namespace umbrin
