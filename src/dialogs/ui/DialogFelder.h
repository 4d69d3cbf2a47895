#pragma once
// Edit-field behaviour shared by the location, type and parameter dialogs:
//  - key filters: integer fields take the digits 0-9 only, real fields also "-" and a decimal
//    mark ("." or ",", which every field reads as the point), the unsigned size fields the mark
//    but no "-"; the Enter key moves the focus to the dialog's
//    close (or next) button, so the field's exit check runs at once and nothing else happens;
//  - exit checks: a handler runs when the user leaves a field for another control of the
//    window. While a check runs (and shows its message boxes) no further check starts: a
//    message box taking the focus, or the check putting the focus back into its field, does
//    not trigger checks of its own.
#include "core/State.h"
#include "core/UserPrompt.h"
#include "dialogs/Wertebereiche.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>
#include <unordered_map>

class QLineEdit;
class QWidget;

namespace umbrin {

enum class Tasten {
    Ganzzahl,          // digits and backspace
    Reell,             // digits, "-", "." or "," and backspace
    ReellOhneVorzeichen, // digits, "." or "," and backspace
};

class FeldWaechter : public QObject {
    Q_OBJECT
public:
    explicit FeldWaechter(QObject* eltern = nullptr) : QObject(eltern) {}

    // The button that Enter in a watched field moves the focus to.
    void setEnterZiel(QWidget* knopf) { enterZiel_ = knopf; }
    // A field whose Enter key leads elsewhere (to the next field, say).
    void setEnterZiel(QWidget* feld, QWidget* ziel);

    // Filters the keys of `feld` and, when given, runs `verlassen` when the field is left and
    // `betreten` when it is entered.
    void beobachte(QWidget* feld, Tasten tasten, std::function<void()> verlassen = {},
                   std::function<void()> betreten = {});
    // An exit handler for a control that is not an edit field (a radio group, say).
    void beimVerlassen(QWidget* steuerelement, std::function<void()> verlassen);

    // True while a check runs.
    bool prueft() const { return tiefe_ > 0; }

    // Runs `pruefung` as a check: exit handlers stay quiet meanwhile.
    void alsPruefung(const std::function<void()>& pruefung);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Eintrag {
        Tasten tasten = Tasten::Reell;
        bool filtern = false;
        std::function<void()> verlassen;
        std::function<void()> betreten;
    };
    std::unordered_map<QObject*, Eintrag> felder_;
    QPointer<QWidget> enterZiel_;
    std::unordered_map<QObject*, QPointer<QWidget>> enterZiele_;
    int tiefe_ = 0;
};

// Whether `zeichen` may be typed into a field of that kind.
bool TasteErlaubt(Tasten tasten, QChar zeichen);

// The readers of a real field as the working dialogs use them: a field that still shows the
// stored value x as the dialog wrote it (not edited since, x to the text's own decimals) keeps
// x, when that lies within the range: its few decimals read back would move a value given more
// finely, a place in seconds, say. Every other field is read by pruefRealBereich and
// pruefRealFeld, and the value read is stored as its file line gives it back (the range's or
// `stellen` decimals, see dateiWert); where that differs from the text, the field shows it so.
void pruefRealBereichBewahrt(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x,
                             const std::string& label, const Wertebereich& bereich, bool& err);
void pruefRealFeldBewahrt(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x, int stellen, bool& err);

} // namespace umbrin
