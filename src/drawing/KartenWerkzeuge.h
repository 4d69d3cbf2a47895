#pragma once
// Four small tools that prepare map data files (".dat") for use as coastline or border data:
// thinning to every second point, joining polylines that continue each other, rounding the
// coordinates to fewer decimals, and listing the line numbers of the points inside one fixed
// box (around Berlin). Each reads the chosen file and writes a new one beside it, Windows-1252
// with CR LF line ends; none changes its input.
//
// Each tool comes twice: as a pure function on the lines of a file, and as the command that
// asks before it starts, reads, writes safely and hands back the message to show.
#include "core/UserPrompt.h"
#include "dials/KartenLeser.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

enum class KartenWerkzeug { Halbieren, Verbinden, Kuerzen, Suchen };

// The output beside the input: the input's file name up to (not including) its first "."
// followed by "_halb.dat", "_verbd.dat", "_Dez_" + decimals + ".dat" or "_Info.dat". Only the
// file name is cut, never the folder ("D:/my.maps/coast.dat" gives "D:/my.maps/coast_halb.dat").
std::filesystem::path werkzeugAusgabeName(const std::filesystem::path& eingabe, KartenWerkzeug werkzeug,
                                          int dezimalen = 3);

// The lines of a file: carriage returns are dropped, a line feed ends a line, and the end of
// the file ends the last one (a final line feed opens no further line).
std::vector<std::string> teileKartenZeilen(std::string_view text);

// Thinning: the first point of every polyline, then every second one, and its last point.
// A polyline with an odd number of points ends with its last point twice.
std::vector<std::string> halbiereZeilen(const std::vector<std::string>& zeilen);

// Joining: where a polyline ends in a point P and, after one separator line, the next begins
// with the same P, the separator and the repeated P are dropped.
struct VerbindeErgebnis {
    std::vector<std::string> zeilen;
    std::size_t verbunden = 0;
};
VerbindeErgebnis verbindeZeilen(const std::vector<std::string>& zeilen);

// Rounding to n decimals (1 to 5): each value is rounded to n + 1 decimals, a point equal to
// the last written one at that precision is dropped (never the first point of a polyline),
// and the written text has n decimals. "#" lines and lines shorter than 7 characters are
// copied, and so is a line whose numbers do not read (counted in fehler).
struct KuerzeErgebnis {
    std::vector<std::string> zeilen;
    std::size_t zeilenzaehler = 0;
    KartenZeilenFehler fehler;
};
KuerzeErgebnis kuerzeZeilen(const std::vector<std::string>& zeilen, int dezimalen);

// Searching: the numbers (from 1) of the lines whose point lies in 52.0 <= latitude <= 53.2
// and 12.95 < longitude <= 14.0 (first field longitude, second latitude, leading blanks not
// removed). Lines that are empty, begin with "#" or hold no digit are passed over silently;
// other lines that do not read are counted in fehler.
struct SucheErgebnis {
    std::vector<std::size_t> zeilennummern;
    std::size_t zeilenzaehler = 0;
    KartenZeilenFehler fehler;
};
SucheErgebnis sucheZeilenImFeld(const std::vector<std::string>& zeilen);

enum class WerkzeugStatus {
    Abgebrochen, // the user said no: nothing was read or written
    Fehler,      // the input could not be read or the output not written
    Gespeichert, // the output file is complete
};

// What a command hands back: the message to show with its title and icon (the closing
// message with the title Information and no icon, or a failure with the title Fehler and the
// question icon). Empty when cancelled.
struct WerkzeugErgebnis {
    WerkzeugStatus status = WerkzeugStatus::Abgebrochen;
    std::filesystem::path ausgabe;
    PromptTitle titel = PromptTitle::Information;
    PromptIcon icon = PromptIcon::None;
    std::string meldung;
};

// The four commands. Each first asks through frage (title Information) whether to go on.
WerkzeugErgebnis halbiereDatei(const std::filesystem::path& eingabe, UserPrompt& frage);
WerkzeugErgebnis verbindeDatei(const std::filesystem::path& eingabe, UserPrompt& frage);
WerkzeugErgebnis kuerzeDezimalen(const std::filesystem::path& eingabe, int dezimalen, UserPrompt& frage);
WerkzeugErgebnis sucheZeilen(const std::filesystem::path& eingabe, UserPrompt& frage);

} // namespace umbrin
