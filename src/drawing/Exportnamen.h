#pragma once
// Names of the files an export writes: the plot or DXF file with its extension, the
// coordinate list beside it and the second sheet of the cone dial. A name is cut at the first
// "." of the file name itself, never at a dot in a folder name ("D:/my.dials/dial" is
// "D:/my.dials/dial.plt").
#include <filesystem>
#include <string>
#include <string_view>

namespace umbrin {

// The export field's name with the extension (without its dot): an empty text becomes
// "umb." + extension; a name without a dot gets "." + extension; otherwise everything up to
// and including the first dot of the file name, then the extension. The name is first cut to
// 60 characters, as is the result.
std::string exportName(std::string_view name, std::string_view endung);

// The coordinate-list name shown beside the export field: up to and including the first dot
// of the file name, then "txt"; a name without a dot gets ".txt"; an empty text stays empty.
std::string koordinatenName(std::string_view name);

// The second sheet of the cone dial: "Cone" before the extension ("dial.plt" gives
// "dialCone.plt"; "dial" gives "dialCone").
std::string kegelBlattName(std::string_view name);

// The file name without its folder.
std::string ohneOrdner(std::string_view name);

// The report of a plot file written, in the words of the other saved reports and all of it in
// the user's language: "Datei x.plt gespeichert!" or "File x.plt saved!".
std::string plotGespeichert(bool deutsch, std::string_view ziel);

} // namespace umbrin
