#pragma once
// Reading map points: the built-in world map and the map data files (".dat") of the program
// folder. A map line is either a point, "longitude latitude" in degrees with the longitude east
// positive, separated by blanks or TABs, or a separator line that ends the current polyline.
// Which lines separate differs a little between the map's users, so the rule is a parameter.
//
// The points come out in the program's own convention: the latitude north positive, the
// longitude EAST NEGATIVE like the place's longitude in the parameters. Every reader negates
// the longitude it finds in the text.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

struct KartenPunkt {
    double breite = 0; // degrees, north positive
    double laenge = 0; // degrees, east negative, west positive
};

using KartenPolylinie = std::vector<KartenPunkt>;

// Which lines end a polyline.
struct KartenTrennRegel {
    // A line of this many characters or fewer (a carriage return not counted) separates.
    std::size_t kurzeZeile = 7;
    bool raute = true;          // a line whose first character is "#" separates
    bool spitzeKlammer = false; // a line whose first character is "<" separates
    // The length is measured after the leading blanks are removed.
    bool ohneFuehrendeLeerzeichen = false;

    bool operator==(const KartenTrennRegel&) const = default;
};

// Map data files: 7 characters or fewer, or "#".
inline constexpr KartenTrennRegel kKartenDateiRegel{7, true, false, false};
// The built-in map text drawn on a screen or printer canvas: 7 characters or fewer, or "<".
inline constexpr KartenTrennRegel kKartenTextRegelBild{7, false, true, false};
// The built-in map text written into a plot: 6 characters or fewer, or "<".
inline constexpr KartenTrennRegel kKartenTextRegelPlot{6, false, true, false};

// The accepted range of map points, in the text's own convention (longitude east positive).
// A point on a bound is inside.
struct KartenFenster {
    double laengeVon = -180;
    double laengeBis = 180;
    double breiteVon = -90;
    double breiteBis = 90;

    bool ausserhalbFenster(double breite, double laengeOst) const
    {
        return breite < breiteVon || breite > breiteBis || laengeOst < laengeVon || laengeOst > laengeBis;
    }

    bool operator==(const KartenFenster&) const = default;
};

// The two fields of a point line. The first is the leading run of the characters "+", "-",
// "." and digits; the second is what follows, at most 40 characters, with every character
// other than those removed from its front.
struct KartenFelder {
    std::string_view erstes;
    std::string_view zweites;
};
KartenFelder zerlegeKartenZeile(std::string_view zeile);

// Reads one field as a number: an optional sign, digits with at most one decimal point (at
// least one digit), then nothing but blanks or TABs. Locale-free. False for anything else,
// and for a value beyond the range of a double.
bool leseKartenZahl(std::string_view feld, double& wert);

// Lines that should have been points but do not read.
struct KartenZeilenFehler {
    std::size_t anzahl = 0;
    std::size_t ersteZeile = 0; // line number (from 1) of the first such line
    std::string erstesFeld;     // its two fields as they stood, for the message
    std::string zweitesFeld;

    void melde(std::size_t zeile, const KartenFelder& felder);
};

struct KartenLesung {
    std::vector<KartenPolylinie> polylinien; // none is empty
    std::size_t punkte = 0;
    // A point that does not read is skipped and starts a new polyline; they are counted here
    // so that the caller reports them once, not once per point.
    KartenZeilenFehler fehler;
};

// Reads lines (without their line ends; a trailing carriage return is ignored). A point
// outside the window, when one is given, is skipped and starts a new polyline.
KartenLesung leseKartenZeilen(std::span<const std::string> zeilen, const KartenTrennRegel& regel,
                              const std::optional<KartenFenster>& fenster = std::nullopt);
KartenLesung leseKartenZeilen(std::span<const std::string_view> zeilen, const KartenTrennRegel& regel,
                              const std::optional<KartenFenster>& fenster = std::nullopt);

// Reads the bytes of a map data file: lines end with a line feed, a carriage return before it
// is ignored; the encoding does not matter for the numbers.
KartenLesung leseKartenText(std::string_view text, const KartenTrennRegel& regel,
                            const std::optional<KartenFenster>& fenster = std::nullopt);

// Reads a map data file. False, with a message naming the file in the program's language
// (`deutsch`), when it cannot be read; an empty file reads as no polylines.
bool leseKartenDatei(const std::filesystem::path& datei, const KartenTrennRegel& regel, KartenLesung& lesung,
                     std::string& fehler, bool deutsch, const std::optional<KartenFenster>& fenster = std::nullopt);

// The map data files of the program folder.
inline constexpr std::string_view kKuestenDateiName = "coastUmb.dat";
inline constexpr std::string_view kGrenzenDateiName = "grenzenUmb.dat";

// Looks a file up in a folder with the name compared without regard to case (the program
// spells the border file both "grenzenUmb.dat" and "GrenzenUmb.dat"). An exact match wins;
// among several others the first in name order. Nothing when the folder holds none.
std::optional<std::filesystem::path> findeKartenDatei(const std::filesystem::path& ordner, std::string_view name);

// The one message about the lines of a reading that did not read: the fields of the first,
// "Das ist keine reelle Zahl." / "This is not a real number !", its line, the count and the
// source. Empty when every line read.
std::string kartenLeseMeldung(const KartenLesung& lesung, std::string_view quelle, bool deutsch);

} // namespace umbrin
