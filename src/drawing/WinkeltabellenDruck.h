#pragma once
// The printout of the hour-line angle table on a page in 0.1 mm: the heading, the
// construction listing, then the table in four column groups with its frame and rules. A
// table that would not fit under the listing goes onto a second page.
#include "core/Canvas.h"
#include "drawing/Winkeltabelle.h"

#include <functional>
#include <string>
#include <vector>

namespace umbrin {

// neueSeite starts the next page (the canvas keeps its units). Returns the number of pages.
int druckeWinkeltabelle(Canvas& c, const Winkeltabelle& t, const std::vector<std::string>& listing,
                        const std::string& naechsteSeiteText, const std::function<void()>& neueSeite);

} // namespace umbrin
