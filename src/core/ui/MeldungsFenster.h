#pragma once
// Message boxes of the program: the title of the box's role in the current language, its
// icon and buttons; the answer goes back to the engine code that asked.
#include "core/State.h"
#include "core/UserPrompt.h"

class QFontMetrics;
class QString;
class QWidget;

namespace umbrin {

class MeldungsFenster : public UserPrompt {
public:
    // The boxes take the language from `zustand` each time they are shown; `eltern` (may be
    // null) owns them.
    explicit MeldungsFenster(const AppState& zustand, QWidget* eltern = nullptr);

    PromptAnswer ask(PromptTitle titel, PromptIcon icon, const std::string& text, PromptButtons knoepfe) override;
    PromptAnswer askTitled(const std::string& titel, PromptIcon icon, const std::string& text,
                           PromptButtons knoepfe) override;
    PromptAnswer askYesNoNamed(PromptTitle titel, PromptIcon icon, const std::string& text, const std::string& ja,
                               const std::string& nein) override;
    bool askText(const std::string& caption, const std::string& label, std::string& value) override;

private:
    const AppState& zustand_;
    QWidget* eltern_;
};

// The width a box needs to show its whole title: the title's text and the title bar's icon and
// buttons. Every message box is at least this wide.
int titelBreite(const QString& titel, const QFontMetrics& schrift);

// Shows message row `meldung` of the message table as a modal box and returns the answer.
PromptAnswer zeigeMeldungsFenster(const AppState& s, int meldung, PromptTitle titel, PromptIcon icon,
                                  PromptButtons knoepfe = PromptButtons::Ok, QWidget* eltern = nullptr);

} // namespace umbrin
