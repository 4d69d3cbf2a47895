#pragma once
// The language service: every text of the user interface in the current language. The
// language lives in AppState: Sprachspalte (1 German, 2 English) picks the column of the
// text tables, StringIdBasis (0 or 2000) the half of the string table.
#include "core/State.h"
#include "core/Texttabellen.h"

#include <string>
#include <string_view>

namespace umbrin {

// Switches the language: German gives column 1 and base 0, English column 2 and base 2000.
// Both are always set together.
void setzeSprache(AppState& s, bool deutsch);

// String-table text of id + basis, unchanged (accelerator marks kept); empty when the id is
// missing. At most 255 characters.
std::string ladeText(int id, int basis);

// String-table text of id in the current language with every "&" removed, for messages,
// listings and plot labels.
std::string holeText(const AppState& s, int id);

// Rows of the text tables in the current language; a row outside a table gives the empty text.
std::string_view meldungsText(const AppState& s, int zeile);
std::string_view texteText(const AppState& s, int zeile);
std::string_view titelText(const AppState& s, int nummer); // numbered 1..48
std::string_view zodiakNamenText(const AppState& s, int zeile);
std::string_view konstruktionsHinweis(const AppState& s, int zeile);
std::string_view farbLegendeText(const AppState& s, int zeile);
std::string_view farbLegendeSlot(int zeile);
std::string_view menueText(const AppState& s, int zeile);
std::string_view meldungsTitel(const AppState& s, TitelPaar paar);

// Two message rows a and b joined by the program's line break (line feed, carriage return),
// for two-line message boxes.
std::string TextPaar(const AppState& s, int a, int b);

// Name of zodiac sign 1..12 (Aries first) in the current language.
std::string_view tierkreisName(const AppState& s, int zeichen);

// Month abbreviation of month 1..12 in the current language ("Mai" / "May").
std::string_view monatKurz(const AppState& s, int monat);

// The month line above the columns of a year table: six blanks and "Jan", then every month
// seven characters further (nine for the wide columns of the transit table), ending in a blank.
std::string monatsKopfzeile(const AppState& s, bool breit);

// The caption of the calculation window for calculation mode 1, 2, 4 or 8 (the titles of the
// four calculations, as the main menu names them); empty for any other mode.
std::string rechenfensterTitel(const AppState& s, int rechenmodus);

} // namespace umbrin
