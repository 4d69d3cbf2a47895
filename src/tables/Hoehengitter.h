#pragma once
// Elevation grids in the plain-text grid format (".asc"): six header lines, each a keyword,
// blanks and a number (ncols, nrows, xllcorner, yllcorner, cellsize, NODATA_value), then one
// line of whole-metre heights per grid row, from north to south. Tiles span whole degrees
// with cells of 1 or 3 arc seconds. Files are read line by line, never held whole.
#include <cstdint>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

// What the header of a tile says, with the values the profile computation derives from it.
struct Kachelkopf {
    std::int32_t spalten = 0;       // ncols
    std::int32_t zeilenDatei = 0;   // nrows as written
    // Rows used: one less when nrows modulo 100 is 1, because such tiles repeat the
    // neighbour's edge row first; that row is then skipped.
    std::int32_t Zeilenzahl = 0;
    bool ersteZeileWeg = false;
    long double Zellgroesse = 0;    // degrees; 0.000278 is taken as exactly 1/3600
    long double Westrand = 0;       // west edge, rounded to 0.001
    long double Nordrand = 0;       // south edge plus Kachelgrad, rounded to 0.001
    std::int32_t Kachelgrad = 0;    // extent of the tile in degrees
    std::int32_t KeinWert = -9999;  // no-data value

    bool einBogensekunde() const { return Zellgroesse < 0.00083L; }
    // Latitude of data row k (k = 0 the first row used) and longitude of value j of a row.
    long double zeilenBreite(long double k) const { return Nordrand - (k + 1) * Zellgroesse; }
    long double spaltenLaenge(long double j) const { return Westrand + j * Zellgroesse; }
};

// Heights the earth's surface can have, metres, with room to spare: from below the deepest
// trench to well above the highest summit. A cell outside holds no height a horizon can be
// computed from.
inline constexpr std::int32_t kTiefsteHoehe = -12000;
inline constexpr std::int32_t kHoechsteHoehe = 12000;

// Copy of text with the first occurrence of alt replaced by neu.
std::string ErsetzeText(std::string_view text, std::string_view alt, std::string_view neu);

// Reads the six header lines. On failure the message names the file and the line.
struct Kopflesung {
    std::optional<Kachelkopf> kopf;
    std::string fehler;
};
Kopflesung leseKachelkopf(const std::vector<std::string>& kopfzeilen, std::string_view dateiname, int sprachspalte);

// The heights of one row. Tokens that are not whole numbers (a decimal fraction is rounded)
// count as no data and as faulty; heights outside kTiefsteHoehe..kHoechsteHoehe count as no
// data. Returns the number of values.
struct Zeilenwerte {
    std::size_t anzahl = 0;
    bool fehlerhaft = false;
};
Zeilenwerte leseGitterzeile(std::string_view zeile, std::int32_t keinWert, std::vector<std::int32_t>& werte);

// round(h0 + anteil * (h1 - h0)) of the values at column spalte and the next of one row;
// only h0 when the next is missing or no data. Nothing when spalte lies outside the row or
// its value is no data.
std::optional<std::int32_t> LeseZahl(std::string_view zeile, std::int32_t spalte, long double anteil,
                                     std::int32_t keinWert);

// A text file read line by line through a buffer (CR LF or LF; the line end is not part of
// the line).
class Zeilenleser {
public:
    Zeilenleser() = default;
    ~Zeilenleser();
    Zeilenleser(const Zeilenleser&) = delete;
    Zeilenleser& operator=(const Zeilenleser&) = delete;

    // Opens a regular file no larger than an elevation tile can be (grenze bytes; 0: the size
    // gate's limit of a tile). False otherwise, with the reason naming the file in fehler()
    // (German, or English when deutsch is false).
    bool oeffne(const std::filesystem::path& datei, bool deutsch = true, std::uint64_t grenze = 0);
    // Why the file was refused or its reading stopped early; empty while all is well.
    const std::string& fehler() const { return fehler_; }
    // The next line, valid until the next call; false at the end of the file, and where the
    // file grew past the limit while it was read (fehler() then says so). A line longer than
    // hoechstens bytes is cut to them; the rest of it is passed over unread into memory.
    bool naechsteZeile(std::string_view& zeile, std::size_t hoechstens = SIZE_MAX);
    // Bytes consumed so far and the size of the file, for progress.
    std::uint64_t gelesen() const { return gelesen_; }
    std::uint64_t groesse() const { return groesse_; }

private:
    bool nachfuellen();

    std::FILE* datei_ = nullptr;
    std::filesystem::path name_;
    bool deutsch_ = true;
    std::uint64_t grenze_ = 0;      // bytes of the file that may be read
    std::uint64_t ausDatei_ = 0;    // bytes read from the file so far
    bool rest_ = false;             // the rest of a line cut short is still to be passed over
    std::vector<char> puffer_;
    std::size_t anfang_ = 0;
    std::size_t ende_ = 0;
    bool dateiende_ = false;
    std::uint64_t gelesen_ = 0;
    std::uint64_t groesse_ = 0;
    std::string fehler_;
};

} // namespace umbrin
