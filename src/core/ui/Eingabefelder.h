#pragma once
// The readers of the edit fields: they check a field's text, report a fault in a message box
// and put the focus back into the field. Each first clears its error flag; a set flag asks
// the caller to keep the user in the field.
#include "core/State.h"
#include "core/UserPrompt.h"

#include <cstdint>
#include <string>

class QLineEdit;

namespace umbrin {

// A real without range. Empty field: shows the current value again. Not a number: message,
// the field shows the current value again, err set; x unchanged. A number taken is shown as
// the keys type it (a pasted "12,5" as "12.5").
void pruefRealFeld(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x, bool& err);

// An integer in lo..hi, its text read as the real fields read theirs. Empty field: shows the
// current value again. Otherwise a message (no number, or not a whole number in range) with
// OK and Cancel, and the field shows the stored value again: OK asks for the value again (err
// set, focus back into the field); Cancel goes on with it. n changes only on success; a value
// taken is shown as its plain decimal text.
void pruefInt(const AppState& s, UserPrompt& prompt, QLineEdit* feld, std::int32_t lo, std::int32_t hi,
              const std::string& label, std::int32_t& n, bool& err);

// As pruefInt, asking "Nochmals eingeben?": Yes sets err and puts the focus back; No leaves
// err clear and n unchanged. Either way the field shows n again.
void pruefIntNochmals(const AppState& s, UserPrompt& prompt, QLineEdit* feld, std::int32_t lo, std::int32_t hi,
                      const std::string& label, std::int32_t& n, bool& err);

// A real in lo..hi, a number taken shown as the keys type it. Not a number, or out of range:
// message, and the field shows the current value again. Both set err and put the focus back;
// x keeps its value, so a rejected value never reaches the state.
void pruefRealBereich(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x, const std::string& label,
                      double lo, double hi, bool& err);

} // namespace umbrin
