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
// the field is emptied, err set; x unchanged.
void pruefRealFeld(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x, bool& err);

// An integer in lo..hi. Empty field: shows the current value again. Otherwise a message with
// OK and Cancel: OK asks for the value again (err set, focus back into the field); Cancel
// goes on with the stored value, which the field shows again. n changes only on success.
void pruefInt(const AppState& s, UserPrompt& prompt, QLineEdit* feld, std::int32_t lo, std::int32_t hi,
              const std::string& label, std::int32_t& n, bool& err);

// As pruefInt, asking "Nochmals eingeben?": Yes sets err and puts the focus back; No leaves
// err clear, n unchanged and the field as it is.
void pruefIntNochmals(const AppState& s, UserPrompt& prompt, QLineEdit* feld, std::int32_t lo, std::int32_t hi,
                      const std::string& label, std::int32_t& n, bool& err);

// A real in lo..hi, "," read as decimal point. Not a number: message, the field shows the
// current value again; out of range: message. Both set err and put the focus back; x keeps
// its value, so a rejected value never reaches the state.
void pruefRealBereich(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x, const std::string& label,
                      double lo, double hi, bool& err);

} // namespace umbrin
