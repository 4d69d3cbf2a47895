#pragma once
// The checks behind the edit fields: text in, verdict, value and message out. The windows
// show the message, put the focus back into the field and act on the answer (see the edit
// field readers of the Qt layer); nothing here touches a control.
#include "core/State.h"
#include "core/UserPrompt.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace umbrin {

// Reads a whole number as the program always has: blanks in front allowed, then an optional
// sign and decimal digits, nothing after them; 32-bit range.
std::optional<std::int32_t> leseGanzzahl(std::string_view text);

// Reads a real: blanks in front allowed, an optional sign, digits with "." as decimal point,
// an optional exponent; any other character fails, so does a value beyond the double range.
std::optional<double> leseReal(std::string_view text);

enum class Befund {
    Uebernommen,        // the text gave a valid value
    LeerWiederhergestellt, // empty field: the current value is shown again, nothing reported
    KeineZahl,          // the text is not a number
    AusserhalbBereich,  // a number outside the allowed range
    KeineGanzeZahl,     // a number in the range of a whole-number field, but not whole
};

// What a field check found and what the window has to do about it.
struct Feldpruefung {
    Befund befund = Befund::Uebernommen;
    double wert = 0;                      // value to keep: the new one when taken, else the old
    std::int32_t ganzzahl = 0;            // the same for the integer checks
    std::optional<std::string> feldText;  // new text of the field, when it changes
    int meldungsId = -1;                  // row of the message table the message is built on
    std::string meldung;                  // message to show; empty when nothing is reported
    PromptTitle titel = PromptTitle::Problem;
    PromptIcon icon = PromptIcon::None;
    PromptButtons knoepfe = PromptButtons::Ok;

    bool angenommen() const { return befund == Befund::Uebernommen || befund == Befund::LeerWiederhergestellt; }
};

// A real without range, read by leseRealEingabe. Empty text: the field shows the current
// value again (feldZahl, 7, 2). Not a number: message 4; the field shows the current value again, which
// stays. A number taken is shown as the keys type it (no blanks, "+", comma or other minus).
Feldpruefung pruefeRealFeld(const AppState& s, std::string_view text, double aktuell);

// An integer in lo..hi, read as every number field reads its text (leseRealEingabe): the same
// blanks dropped, the same signs taken. Empty text: the field shows the current value again.
// A text that is no number: message 4; a number outside lo..hi: "label=number Zulässiger
// Wertebereich ist [lo..hi] !"; a number within lo..hi that is not whole: "label=text Das ist
// keine ganze Zahl." with the text as typed (message 5). Each with OK and Cancel; the value
// stays and the field shows it again. A value taken is shown as its plain decimal text.
Feldpruefung pruefeInt(const AppState& s, std::string_view text, std::int32_t lo, std::int32_t hi,
                       std::string_view label, std::int32_t aktuell);

// As pruefeInt, the message asking whether to enter the value again (Yes/No).
Feldpruefung pruefeIntNochmals(const AppState& s, std::string_view text, std::int32_t lo,
                               std::int32_t hi, std::string_view label, std::int32_t aktuell);

// A real in lo..hi (bounds included), read by leseRealEingabe. Not a number: message 4; out of
// range: the range message. In both cases the current value stays and the field shows it
// again (feldZahl, 8, 2): a value that failed the check never reaches the state. A value
// taken is shown as the keys type it, as in pruefeRealFeld.
Feldpruefung pruefeRealBereich(const AppState& s, std::string_view text, std::string_view label,
                               double lo, double hi, double aktuell);

// The number of an edit field's text (UTF-8), typed or pasted; every number field of every
// window reads its text so. Blanks at either end are dropped (space, tab, line ends and the
// no-break space, as a paste from a document or a spreadsheet brings them), and a minus written
// as U+2212 or as one of the dashes U+2010..U+2015 reads as "-". A decimal comma reads as the
// decimal point in every field: German texts write "12,95", the range fields have always taken
// it, and a quantity must read the same wherever it is typed. What is left must be a sign,
// digits and at most one decimal mark (as the keys let a user type); any other character
// fails, since dropping it would change the number or hide a mistake: a letter ("33.87 S",
// "3.35e1", "inf", "0x10"), a blank between digits ("3 3.5"), a second mark ("33,5.1" and so
// "1,234.5"), a sign after the digits ("71.25-"), an invisible character (the zero-width space)
// or a digit of another script. realEingabeText gives the text as "." writes it.
std::optional<std::string> realEingabeText(std::string_view text);
std::optional<double> leseRealEingabe(std::string_view text);

// The text of a real field: x with at least `stellen` decimals, and as many more as it needs
// to read back as x (up to nine), so that a field shows what is stored (95.5 shows "95.5",
// not "96", and a place typed to the second all its digits); `breite` as RealStr's.
std::string feldZahl(double x, int breite, int stellen);

} // namespace umbrin
