#include "core/ui/Eingabefelder.h"

#include "core/Eingabepruefung.h"
#include "core/Zahlenformat.h"

#include <QLineEdit>

namespace umbrin {

namespace {

std::string feldText(const QLineEdit* feld)
{
    return feld->text().toStdString();
}

void setzeFeldText(QLineEdit* feld, const Feldpruefung& p)
{
    if (p.feldText)
        feld->setText(QString::fromStdString(*p.feldText));
}

PromptAnswer melde(UserPrompt& prompt, const Feldpruefung& p)
{
    return prompt.ask(p.titel, p.icon, p.meldung, p.knoepfe);
}

} // namespace

void pruefRealFeld(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x, bool& err)
{
    err = false;
    const Feldpruefung p = pruefeRealFeld(s, feldText(feld), x);
    if (!p.meldung.empty()) {
        melde(prompt, p);
        feld->setFocus();
        err = true;
    }
    setzeFeldText(feld, p);
    x = p.wert;
}

void pruefInt(const AppState& s, UserPrompt& prompt, QLineEdit* feld, std::int32_t lo, std::int32_t hi,
              const std::string& label, std::int32_t& n, bool& err)
{
    err = false;
    const Feldpruefung p = pruefeInt(s, feldText(feld), lo, hi, label, n);
    setzeFeldText(feld, p);
    if (p.meldung.empty()) {
        n = p.ganzzahl;
        return;
    }
    if (melde(prompt, p) == PromptAnswer::Cancel) {
        feld->setText(QString::fromStdString(IntStr(n)));
        return;
    }
    err = true;
    feld->setFocus();
}

void pruefIntNochmals(const AppState& s, UserPrompt& prompt, QLineEdit* feld, std::int32_t lo, std::int32_t hi,
                      const std::string& label, std::int32_t& n, bool& err)
{
    err = false;
    const Feldpruefung p = pruefeIntNochmals(s, feldText(feld), lo, hi, label, n);
    setzeFeldText(feld, p);
    if (p.meldung.empty()) {
        n = p.ganzzahl;
        return;
    }
    if (melde(prompt, p) == PromptAnswer::Yes) {
        err = true;
        feld->setFocus();
    }
}

void pruefRealBereich(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x, const std::string& label,
                      double lo, double hi, bool& err)
{
    err = false;
    const Feldpruefung p = pruefeRealBereich(s, feldText(feld), label, lo, hi, x);
    if (!p.meldung.empty()) {
        err = true;
        melde(prompt, p);
    }
    setzeFeldText(feld, p); // the value kept, or the number taken as the keys type it
    if (err)
        feld->setFocus();
    x = p.wert;
}

} // namespace umbrin
