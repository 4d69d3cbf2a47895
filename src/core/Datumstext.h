#pragma once
// Day-and-month texts "dd/mm" of the date lines: parsing, checking and the display form.
#include "core/State.h"
#include "core/UserPrompt.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace umbrin {

struct Datumsteile {
    bool fehler = true;
    bool umwandlungFehlgeschlagen = false; // a part was not a number (the key stays as it was)
    std::int32_t tag = 0;
    std::int32_t monat = 0;
    std::string anzeige; // "05. Mar", month abbreviation of the current language
    std::string datum;   // "05/03"
    std::int32_t schluessel = -1; // day + 100 * month: sorts by month, then day
};

// Parses a day-and-month text. The day is the first two characters, the month the two after
// the first "/"; a day part "1 " or "1/" and a month part "3 " are cut to their digit, so
// "1/3", "01/03", "1 /3 " and "21/12" are read. 29 February is a date only in a Gregorian
// leap year `jahr`.
Datumsteile zerlegeDatum(std::string_view text, std::int32_t jahr, int sprachspalte);

// The program's form of the parser: err, key and the two texts as out-parameters. With
// `melden` set a faulty date is reported (message 6, title pair Fehler, stop icon). A part
// that is not a number leaves the key as it was; any other fault sets it to -1.
void DatumZerlegen(const AppState& s, std::string_view text, bool melden, UserPrompt* prompt,
                   bool& err, std::int32_t& key, std::string& anzeige, std::string& datum);

// True for a valid date. An invalid non-empty text is reported as "Datum fehlerhaft!: text"
// (message 57, title pair Fehler, stop icon); an empty text gives false without a message.
bool DatumPruefen(const AppState& s, std::string_view text, UserPrompt* prompt);

} // namespace umbrin
