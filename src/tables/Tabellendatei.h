#pragma once
// Table files of the tables-and-graphs window: the shown table as a text file, or as a CSV
// file whose cells are cut from the fixed-width lines at fixed character positions. Files
// are Windows-1252 with CR LF; the positions count the characters of the Windows-1252 line,
// so an umlaut is one character. The file is built from a copy: saving never changes the
// table on show.
#include "core/State.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

struct TabellenExport {
    int rechenmodus = 8;      // 1 month table, 8 year table
    int monatswahl = 0;       // month table: 0 one month, 1 and 2 a half year
    bool csv = false;
    std::string csvTrenner;   // CSV year table: put after the blank in front of each heading line
    double tabBreite = 0;     // the place the window opened with
    double tabLaenge = 0;
    bool durchgang = false;   // the year table is the transit table (wide cells)
};

// The bytes of the file for the table lines zeilen (as the window shows them).
std::string TabellenDateiInhalt(const AppState& s, std::vector<std::string> zeilen, const TabellenExport& e);

// The file name for a text (".txt") or CSV (".csv") table: the extension of the file-name
// part is replaced (a dot in a folder name stays), a name without one gets it, and an empty
// file-name part becomes "Tabelle".
std::string TabellenDateiname(std::string_view name, bool csv);

// Writes the bytes to the file safely: on failure the old file stays as it was, no partial
// file is left, and fehler names the file.
bool SchreibeTabellendatei(const std::filesystem::path& datei, std::string_view bytes, std::string& fehler,
                           bool deutsch = true);

// The question which separator a CSV file takes, with the words of its two buttons: the
// first answers ";" (the standard), the second ",".
struct CsvTrennerFrage {
    std::string text;
    std::string ja;
    std::string nein;
};
CsvTrennerFrage csvTrennerFrage(bool deutsch);

// The report of a table file that could not be written: its name, then fehler (the reason).
std::string tabellenSchreibfehlerText(std::string_view datei, std::string_view fehler, bool deutsch);
// The same for a list or profile saved from the tables window ("Save error: File  ...").
std::string speicherfehlerText(std::string_view datei, std::string_view fehler, bool deutsch);

} // namespace umbrin
