#pragma once
// Section and table helpers of the DXF writer: the fixed HEADER, the TABLES with line types,
// layers and text styles, the empty BLOCKS section and the opening of the ENTITIES section.
#include <string>
#include <string_view>

namespace umbrin {

class DxfAusgabe;

// The sheet the drawing is laid out on, in millimetres (1 drawing unit = 1 mm). The header's
// extents and limits name it whatever resolution the plot was written in.
inline constexpr double kDxfBlattBreiteMm = 16440.0 / 40.0;
inline constexpr double kDxfBlattHoeheMm = 11500.0 / 40.0;

// One LTYPE record without dash elements (count "0", pattern length "0.0"), ending with the
// group code that opens the next record.
std::string dxfLinientyp(std::string_view name, std::string_view flags, std::string_view beschreibung);

// One LAYER record with the line type CONTINUOUS.
std::string dxfLayer(std::string_view name, std::string_view farbe);

// Writes HEADER, TABLES and BLOCKS and opens ENTITIES: afterwards the line before the next
// record is the group code 0, so every entity record starts with its type name.
void schreibeDxfKopf(DxfAusgabe& aus);

} // namespace umbrin
