#pragma once
// The second date file "umb_days.ini": the list of the user's own date lines, one entry per
// line ("21/06    ( 21. Juni )"), Windows-1252, CR LF, no header.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace umbrin {

// Saves the list safely (temporary file and rename). False with a message naming the file,
// in German or English.
bool speichereDatumsdatei(const std::filesystem::path& datei, const std::vector<std::string>& linien,
                          std::string& fehler, bool deutsch = true);

struct DatumsdateiErgebnis {
    bool gelesen = false;                 // the file existed and could be read
    std::vector<std::string> linien;      // the valid entries, in the file's order
    std::vector<std::string> verworfen;   // lines that do not begin with a valid "dd/mm", as quoted
                                          // in a message (cut to a readable length)
    std::string fehler;                   // why a file that is there could not be read
};

// Reads the file. Each line must begin with a valid day and month ("dd/mm", 29 February only
// in a leap year of `jahr`); other non-empty lines are set aside for one summary message,
// empty lines are dropped. A missing file reads as not read, and the caller keeps its list; so
// does one that is there but cannot be read, with the reason in fehler (in German or English).
DatumsdateiErgebnis ladeDatumsdatei(const std::filesystem::path& datei, std::int32_t jahr, bool deutsch = true);

} // namespace umbrin
