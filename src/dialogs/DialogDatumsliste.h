#pragma once
// The user's own date lines as the parameter dialog keeps them: entries of the form
// "21/03    ( 21. Mar )", in calendar order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

// The entry of a date: "dd/mm" + "    ( " + the display form + " )".
std::string Datumseintrag(std::string_view datum, std::string_view anzeige);

// Sort key of an entry, day + 100 * month, read from its first five characters; -1 when
// they are not "dd/mm".
std::int32_t DatumSchluessel(std::string_view eintrag);

// Inserts the entry before the first one whose key is equal or greater, or appends it. An
// equal date is inserted again (the list may hold a date twice). Returns its position.
std::size_t fuegeDatumEin(std::vector<std::string>& liste, const std::string& eintrag, std::int32_t schluessel);

} // namespace umbrin
