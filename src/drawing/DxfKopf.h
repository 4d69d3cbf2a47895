#pragma once
// Section and table helpers of the DXF writer: the fixed HEADER, the TABLES with line types,
// layers and text styles, the empty BLOCKS section and the opening of the ENTITIES section.
#include <algorithm>
#include <string>
#include <string_view>

namespace umbrin {

class DxfAusgabe;

// The sheet the drawing is laid out on, in millimetres (1 drawing unit = 1 mm). The header's
// extents and limits name it whatever resolution the plot was written in, unless the drawing
// runs past it.
inline constexpr double kDxfBlattBreiteMm = 16440.0 / 40.0;
inline constexpr double kDxfBlattHoeheMm = 11500.0 / 40.0;

// What a drawing covers, in millimetres: the sheet, grown to take in every entity that runs
// past it. The header names it as the drawing's extents and limits.
struct DxfAusdehnung {
    double xMin = 0, yMin = 0;
    double xMax = kDxfBlattBreiteMm, yMax = kDxfBlattHoeheMm;

    // A value that is not a number leaves it as it was.
    void nimm(double x, double y)
    {
        xMin = std::min(xMin, x);
        yMin = std::min(yMin, y);
        xMax = std::max(xMax, x);
        yMax = std::max(yMax, y);
    }
    bool operator==(const DxfAusdehnung&) const = default;
};

// One LTYPE record without dash elements (count "0", pattern length "0.0"), ending with the
// group code that opens the next record.
std::string dxfLinientyp(std::string_view name, std::string_view flags, std::string_view beschreibung);

// One LAYER record with the line type CONTINUOUS.
std::string dxfLayer(std::string_view name, std::string_view farbe);

// Writes HEADER, TABLES and BLOCKS and opens ENTITIES: afterwards the line before the next
// record is the group code 0, so every entity record starts with its type name. A drawing
// within the sheet has the sheet's header as it has always been written.
void schreibeDxfKopf(DxfAusgabe& aus, const DxfAusdehnung& ausdehnung = {});
// The same text, returned.
std::string dxfKopf(const DxfAusdehnung& ausdehnung = {});

} // namespace umbrin
