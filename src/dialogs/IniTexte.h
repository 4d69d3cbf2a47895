#pragma once
// The messages of the settings file and the date-line files. The texts are rows of the
// program's message table; the reader picks the language column itself, since a file's own
// language only takes effect from its language line on. The reports of bad values are German
// in both languages.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace umbrin {

// Rows of the message table.
enum class IniMeldung {
    DateiFehlerhaft = 14,     // the file is faulty and will be corrected: go on?
    NichtGespeichert = 18,    // the settings file could not be saved
    DateiFehltHinweis = 33,   // a file is missing, see the help
    DateiFehltErstellen = 34, // the file is missing: create it?
    SieheHilfe = 35,          // where the help explains the settings file
    SicherungFehlt = 36,      // the settings file could not be backed up
    SicherungAngelegt = 37,   // the settings file was kept as UMB_INI.BAK
    Gespeichert = 58,
    KeineDatumslinien = 63,
};

// The row's text in language column 1 (German) or 2 (English).
std::string_view iniMeldung(IniMeldung nummer, int sprachspalte);

// A file that should exist is missing (with the hint where the help explains it).
std::string dateiFehltText(std::string_view datei, int sprachspalte);

// The file could not be backed up: the settings file "umb.ini" as the message table names it,
// any other file by its own name.
std::string sicherungFehltText(std::string_view datei, int sprachspalte);

// The faulty file was kept under the backup name.
std::string sicherungAngelegtText(std::string_view datei, std::string_view sicherung, int sprachspalte);

// The reports of a bad value on a main line; they are German in both languages. zeile is
// the line's index counted from 0, nummer its number counted from 1, position the value's
// place on the line counted from 1.
std::string zeileFehlerhaftMitRest(int zeile, std::string_view rest);        // form A
std::string zeileFehlerhaftMitWert(int zeile, std::string_view wert);        // form B
std::string zeileFehlerhaft(int zeile);                                      // form C
std::string zeileFehlerhaftAnStelle(int nummer, int position);              // form D

// One message for the date lines of a file that failed the date check: the file with its
// folder, the first few lines with their numbers counted from 1 (zeilen holds indexes counted
// from 0), and how many more there are.
std::string datumslinienFehlerhaftText(std::string_view datei,
                                       const std::vector<std::pair<std::size_t, std::string>>& zeilen,
                                       int sprachspalte);

} // namespace umbrin
