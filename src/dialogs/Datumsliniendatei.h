#pragma once
// Saving and loading the user's own date lines alone, as the parameter dialog does: the
// "[Datumslinien]" section of the settings file, with the second date file "umb_days.ini"
// (one entry per line, no header) as the source when the settings file holds none.
#include <filesystem>

namespace umbrin {

struct AppState;
class UserPrompt;

// Rewrites the "[Datumslinien]" section of the settings file s.IniDatei from s.Datumslinien
// (entries that fail the date check are reported and left out); every line before the
// section stays. A missing settings file and a failed save are reported; the save goes
// through a temporary file, so the old file stays whole when it fails.
bool DatumslinienSpeichern(const AppState& s, UserPrompt& prompt);

enum class DatumslinienQuelle {
    Einstellungsdatei, // the settings file's section held at least one line
    Tagesdatei,        // taken from the second date file
    Keine,             // neither holds date lines; the list is unchanged
};

// Replaces s.Datumslinien by the valid lines of the settings file's "[Datumslinien]" section,
// or, when that section holds no line (or the file is missing), by those of s.TageDatei.
// Empty lines are passed over, invalid ones reported and skipped. When neither file holds
// date lines the list stays as it was and the user is told so.
DatumslinienQuelle DatumslinienLaden(AppState& s, UserPrompt& prompt);

} // namespace umbrin
