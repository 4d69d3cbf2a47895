#pragma once
// Reading a settings file "umb.ini" or a construction-data file "*.umb" into the state.
//
// The file is positional: main lines 0 to 17, then "[Farben]", "[Zeiten]", "[Datumslinien]".
// Every value is checked. A line with a bad value is not taken at all: it is reported once,
// for most lines by the question whether the file shall be rebuilt, which stops the reading.
// Date lines that fail the date check are skipped and named in one message. Questions and
// reports go through the UserPrompt.
//
// The values go into a copy of the state, which replaces the state once the reading has ended.
// When a bad value stops it and the user declines the rebuild, the settings file "umb.ini"
// keeps the values read before the stop (as a start-up needs them), while a construction-data
// file is not applied at all: its load is undone.
//
// A faulty file is never lost: before a fresh file replaces it, it is copied beside itself
// under its backup name ("umb.ini" -> "umb_ini.bak", "dial.umb" -> "dial_umb.bak"); when that
// copy cannot be made the file stays as it is.
#include <cstdint>
#include <filesystem>
#include <string>

namespace umbrin {

struct AppState;
class UserPrompt;

enum class IniLeseStatus {
    Gelesen,      // read to the end (single bad values may have been reported)
    Fehlt,        // "umb.ini" is missing and the user declined to create it
    Ersetzt,      // the file was missing or faulty and a fresh one of the defaults was written
    Unveraendert, // the file is faulty and stays as it was (declined, or no backup possible)
    NichtLesbar,  // the file could not be read at all; fehler names it
};

struct IniLeseErgebnis {
    IniLeseStatus status = IniLeseStatus::Gelesen;
    std::string fehler; // with NichtLesbar: the reason, naming the file
};

// Reads datei into s. mitFarben takes the "[Farben]" section, mitDatumslinien the
// "[Datumslinien]" section. Afterwards (also when the file was missing or stopped, but not
// when its sections were out of order) TypBasis follows the dial type and the obliquity and
// its tables are recomputed for the year read.
IniLeseErgebnis LeseIni(AppState& s, const std::filesystem::path& datei, bool mitFarben, bool mitDatumslinien,
                        UserPrompt& prompt);

// The backup name of a faulty file, in the same folder: "umb.ini" -> "umb_ini.bak".
std::filesystem::path sicherungsName(const std::filesystem::path& datei);

// The base row of the dial family's colour-legend texts for a dial type; other letters keep
// the current value.
std::uint8_t typBasisFuer(char uhrTyp, std::uint8_t bisher);

} // namespace umbrin
