#pragma once
// Item lists for combo boxes and radio groups, built from the text tables in the current
// language. The caller copies a list into its control.
#include "core/State.h"

#include <string>
#include <vector>

namespace umbrin {

// Rows erste..letzte of the interface-text table in the current language (empty when
// letzte < erste).
std::vector<std::string> ListeAusTabelle(const AppState& s, int erste, int letzte);

// String-table texts of ids erste + basis .. erste + anzahl - 1 + basis, accelerator marks kept.
std::vector<std::string> ListeAusStringtabelle(int basis, int erste, int anzahl);

// Item index that an interval code of the options ('0', '1', ...) selects in a list of
// anzahl items: codes beyond the list (a "5" or "6" from a settings file for a shorter list)
// select the last item, anything that is not a digit the first.
int IntervallIndex(char code, int anzahl);

} // namespace umbrin
