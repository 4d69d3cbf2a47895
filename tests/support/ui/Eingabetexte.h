#pragma once
// The texts a user types or pastes into a number field around a number it takes ("33.5" or a
// whole "33"): as documents, spreadsheets and other scripts write it, and texts that only look
// like numbers. `sagt` is the number a text says, as the keys type it; empty: none.
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <vector>

namespace umbrin::test {

struct Eingabetext {
    QString text, sagt;
};

inline std::vector<Eingabetext> eingabetexte(const QString& zahl)
{
    QString komma = zahl;
    komma.replace(QLatin1Char('.'), QLatin1Char(','));
    if (komma == zahl)
        komma += QStringLiteral(",0");
    QString fremd = zahl;
    for (QChar& c : fremd)
        c = c.isDigit() ? QChar(0x0660 + c.digitValue()) : c; // Arabic-Indic digits
    const QString minus = QLatin1Char('-') + zahl;
    return {
        {QChar(0x2212) + zahl, minus}, {QChar(0x2013) + zahl, minus}, {"+" + zahl, zahl},
        {" " + zahl + " ", zahl},      {QChar(0x00A0) + zahl, zahl},  {zahl + QChar(0x00A0), zahl},
        {zahl + "\t", zahl},           {komma, zahl},                 {zahl + QChar(0x200B), {}},
        {zahl + "-", {}},              {"0x10", {}},                  {"inf", {}},
        {"1e1", {}},                   {"3.35e1", {}},                {"3 3.5", {}},
        {"33.87 S", {}},               {fremd, {}},
    };
}

// Types each character as a key of its own; one beyond ASCII as a key that has only its text.
inline void tippeTasten(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, c.toLatin1());
            continue;
        }
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &druck);
    }
}

} // namespace umbrin::test
