#pragma once
// What the drawings of one planar dial keep from one to the next while only its foot moves:
// a move shifts where the suns of the hour paths and of the figure-eight fall, not the suns,
// and leaves the widths of the legend's lines as they were. The drawing window keeps one for
// its dial (Zeichenumgebung::Vorrat); without one each drawing computes its own.
#include "core/Canvas.h"
#include "dials/planar/EbeneSonnenstaende.h"

#include <map>
#include <string>
#include <tuple>

namespace umbrin {

struct Ebenenvorrat {
    Stundensonnen sonnen;

    // The width of text on canvas c in its current font, measured once for the same text,
    // font and kind of canvas.
    int breite(const Canvas& c, const std::string& text)
    {
        const CanvasFont& f = c.font();
        auto schluessel = std::tuple{text, f.name, f.height, f.bold, f.cellHeight, c.unitsPerInch(), c.isPrinter()};
        const auto da = breiten_.find(schluessel);
        if (da != breiten_.end())
            return da->second;
        const int b = c.textExtent(text).width;
        // The texts of earlier states of the dial are forgotten now and then.
        if (breiten_.size() >= 256)
            breiten_.clear();
        breiten_.emplace(std::move(schluessel), b);
        return b;
    }

private:
    std::map<std::tuple<std::string, std::string, int, bool, bool, int, bool>, int> breiten_;
};

// The width of text on c, through the store when there is one.
inline int textbreite(Ebenenvorrat* vorrat, const Canvas& c, const std::string& text)
{
    return vorrat ? vorrat->breite(c, text) : c.textExtent(text).width;
}

} // namespace umbrin
