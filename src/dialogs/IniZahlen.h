#pragma once
// The scanners and number conversions of the settings file. The file holds numbers as the
// program has always written them: "." as decimal point whatever the locale, several values
// of a line separated by blanks, "," or ";".
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <string_view>

namespace umbrin {

// The token scanner of the numeric main lines: drops blanks, "," and ";" from the front of
// rest, moves the following run of "-", "." and digits into the token, and drops separators
// again. Any other character ends the token and stays in rest.
std::string holeZahl(std::string& rest);

// The next value of main line 5: the text before the first "," (or, when rest holds no ",",
// before the first ";"), or all of rest. Rest becomes the text after the separator.
std::string holeKommaWert(std::string& rest);

// The next value of main line 15 when it holds a ";": characters other than "-", "." and
// digits are dropped from the front, then the run of number characters is taken. With
// mitVorzeichen false a "-" in that run is dropped instead of taken (only the first value of
// the line may be negative).
std::string holeRingWert(std::string& rest, bool mitVorzeichen);

// A real as the file writes it: leading blanks, an optional sign, digits with at most one
// ".", an optional exponent ("E" or "e", optional sign, digits). Anything else, an empty
// text and a value beyond the range of double give no value.
std::optional<double> alsReal(std::string_view text);

// The value a file line gives back for x when it writes x with `stellen` decimals, as the
// settings writer does; x itself for wieGetippt (any negative count), a value no file holds.
double dateiWert(double x, int stellen);

// An integer: leading blanks, an optional sign and digits, within 32 bits. Anything else
// gives no value.
std::optional<std::int32_t> alsGanzzahl(std::string_view text);

// The form checks of a line before its values are taken. Each gives the text of the first
// value the line's scanner would misread, or nothing when every value is a plain decimal
// number ("-", digits, at most one "."). A comma between two digits is a decimal comma, which
// the file never holds: the scanner would split "47,25" into 47 and 25.

// Lines read by holeZahl: values separated by blanks, "," and ";".
std::optional<std::string> formfehlerZahlenzeile(std::string_view zeile);

// Main line 5: at most `anzahl` values split by holeKommaWert, the first `frei` of them not
// checked (their reader puts a default in place of a value that is no integer), the rest
// reals; an empty value is allowed.
std::optional<std::string> formfehlerKommazeile(std::string_view zeile, int frei, int anzahl);

// The values of a line read by holeZahl as the file spells them: the runs between blanks, ","
// and ";", a run joined across a decimal comma ("47,25") kept whole. A value is well formed
// when istSchlichterWert says so.
std::vector<std::string> zahlenwerte(std::string_view zeile);
bool istSchlichterWert(std::string_view wert);

// Main line 15 when it holds a ";": values separated by ";", only the first may be negative.
std::optional<std::string> formfehlerRingzeile(std::string_view zeile);

// A colour value of "[Farben]": a decimal integer within 32 bits, signed (as older files
// hold the system colours) or unsigned. The result is the bit pattern 0x00BBGGRR.
std::optional<std::uint32_t> alsFarbwert(std::string_view text);

} // namespace umbrin
