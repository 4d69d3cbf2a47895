#pragma once
// The bilingual text tables of the user interface, kept in memory for the whole run. Each
// row holds the German and the English text (UTF-8); the language column chooses between
// them (1 German, 2 English). Line breaks inside a text are line feed then carriage return,
// as the program's message boxes and listings have always written them.
#include <array>
#include <string_view>

namespace umbrin {

struct TextZeile {
    std::string_view deutsch;
    std::string_view englisch;

    // The text of language column 1 (German) or 2 (English); any other column reads German.
    constexpr std::string_view in(int sprachspalte) const { return sprachspalte == 2 ? englisch : deutsch; }
};

struct FarbLegendenZeile {
    std::string_view slot; // colour slot numbers the row explains, empty for a note row
    std::string_view deutsch;
    std::string_view englisch;

    constexpr std::string_view in(int sprachspalte) const { return sprachspalte == 2 ? englisch : deutsch; }
};

// Roles of the message-box titles, in the order of the title table.
enum class TitelPaar {
    Achtung,
    Warnung,
    Fehler,
    Information,
    Problem,
    Frage,
    ZeichnungSpeichern,
    KonstruktionsdatenSpeichern,
    KonstruktionsdatenLaden,
    TabelleSpeichern,
};

extern const std::array<TextZeile, 10> MeldungsTitel;
// The main menu's captions: column 1 is the German menu, column 2 the English one.
extern const std::array<TextZeile, 45> Menue;
extern const std::array<TextZeile, 24> ZodiakNamen;
extern const std::array<TextZeile, 17> KonstruktionsHinweise;
extern const std::array<FarbLegendenZeile, 97> FarbLegende;
// Rows are numbered 1..48; row n is element n - 1 (read it with TitelText of the text service).
extern const std::array<TextZeile, 48> TitelTabelle;
extern const std::array<TextZeile, 237> TexteTabelle;
extern const std::array<TextZeile, 72> MeldungsTabelle;

} // namespace umbrin
