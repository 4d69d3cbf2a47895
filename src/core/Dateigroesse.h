#pragma once
// The size gate of the program's own file kinds. Every reader holds its file in memory (or, for
// an elevation tile, a line of it at a time), so a file far larger than its kind can be - a
// wrong file chosen, a damaged disk, a sparse file of gigabytes - is refused with its name and
// size before a byte of it is read, instead of filling the memory or stalling for minutes.
// The limits are generous: far above the largest real file of each kind.
#include <cstdint>
#include <filesystem>
#include <string>

namespace umbrin {

enum class Dateiart {
    Einstellungen,      // "umb.ini": 18 lines, colours, hour ranges and a few hundred date lines
    Konstruktionsdaten, // "*.umb", the same format
    Starteinstellungen, // "*.ham", the same format
    Datumsdatei,        // "umb_days.ini": one date line per line
    Horizontprofil,     // ".ele": 723 lines
    Hoehengitter,       // ".asc": a tile of 3601 x 3601 heights is some 60 MB
    Kartendaten,        // map points, read by the map overlay and the map tools
    Startbild,          // "umbrin.jpg" beside the program, a JPEG of at most 8192 pixels a side
};

// The largest file of the kind that is read, in bytes.
std::uint64_t groessteDatei(Dateiart art);

// The kind of a file in the settings format, by its name: "*.umb" construction data, "*.ham"
// start settings, any other (above all "umb.ini") settings.
Dateiart einstellungsArt(const std::filesystem::path& datei);

// "Die Datei "name" hat 2147483648 Bytes (2.0 GB): zu groß für eine Einstellungsdatei
// (höchstens 4 MB). ..." / "The file "name" has 2147483648 bytes (2.0 GB): too large for ...".
std::string zuGrossText(const std::filesystem::path& datei, std::uint64_t groesse, Dateiart art, bool deutsch);

// The gate: true when a file of `groesse` bytes may be read as a file of the kind; otherwise
// false with zuGrossText in fehler.
bool groesseZulaessig(const std::filesystem::path& datei, std::uint64_t groesse, Dateiart art, std::string& fehler,
                      bool deutsch);

// Reads a whole regular file of the kind through the gate: a folder, a pipe, a device, an
// unreadable file and a file too large for its kind are refused (false, fehler naming the
// file in the program's language), the last before anything is read.
bool leseDateiDerArt(const std::filesystem::path& datei, Dateiart art, std::string& bytes, std::string& fehler,
                     bool deutsch);

} // namespace umbrin
