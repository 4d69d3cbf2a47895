#pragma once
// Small rewrites of captions and labels (UTF-8 in, UTF-8 out).
#include <string>
#include <string_view>

namespace umbrin {

// Copy without every "&" and ":": a control caption with its accelerator mark and trailing
// colon becomes a label for messages ("&Breite:" gives "Breite").
std::string OhneAmpersand(std::string_view s);

// Copy with the umlauts written out (ä ö ü Ä Ö Ü as ae oe ue Ae Oe Ue); every other
// character, ß included, is kept. Plotter character sets have no umlauts.
std::string OhneUmlaute(std::string_view s);

// A label as a plotter's standard character set (plain ASCII) can draw it: the umlauts
// written out as OhneUmlaute does, ß as "ss", and the degree sign as the word for it
// ("Grad" or "deg"), a blank before it. Any other character is kept.
std::string Plotterschrift(std::string_view s, bool deutsch);

// Copy with a..z upper-cased; no other character changes.
std::string GrossSchrift(std::string_view s);

// Copy without the accelerator marks of a caption: every single "&" is dropped and "&&"
// becomes one "&".
std::string OhneAccelerator(std::string_view s);

// Two texts as one, with exactly one blank where they meet: blanks at the end of the first and
// the start of the second are folded into it; an empty side adds no blank.
std::string mitLeerzeichen(std::string_view vorn, std::string_view hinten);

// Whether a text holds a control character: a byte below 32, DEL, or (as UTF-8) one of the
// characters U+0080 to U+009F.
bool hatSteuerzeichen(std::string_view s);
// A text read from a file as a label may show it: a TAB becomes a blank, every other control
// character is dropped (a plot would take the character 3 for the end of its label and run
// the rest as commands). Everything else is kept.
std::string ohneSteuerzeichen(std::string_view s);

// A line of a file quoted in a message, cut to a length a message box can show: its first 100
// characters, followed by "..." when the line was longer. A character is a UTF-8 sequence,
// never split; a stray byte counts as one character.
std::string zitatAusDatei(std::string_view zeile);

} // namespace umbrin
