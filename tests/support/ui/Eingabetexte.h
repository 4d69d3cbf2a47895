#pragma once
// The texts a user types or pastes into a number field, around a number the field takes: as
// documents, spreadsheets and other scripts write it, and texts that only look like numbers.
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTest>

#include <vector>

namespace umbrin::test {

struct Eingabetext {
    QString text;
    QString sagt; // the number the text says, as the keys type it; empty: none
};

// `zahl` is a plain number with a point ("33.5"), or a whole number ("7").
inline std::vector<Eingabetext> eingabetexte(const QString& zahl)
{
    QString komma = zahl, fremd = zahl;
    komma.replace(QLatin1Char('.'), QLatin1Char(','));
    if (!zahl.contains(QLatin1Char('.')))
        komma += QStringLiteral(",0");
    for (QChar& c : fremd)
        if (c.isDigit())
            c = QChar(0x0660 + c.digitValue()); // Arabic-Indic digits
    const QString minus = QLatin1Char('-') + zahl;
    return {
        {QChar(0x2212) + zahl, minus},       {QChar(0x2013) + zahl, minus},
        {QLatin1Char('+') + zahl, zahl},     {QLatin1Char(' ') + zahl + QLatin1Char(' '), zahl},
        {QChar(0x00A0) + zahl, zahl},        {zahl + QChar(0x00A0), zahl},
        {zahl + QLatin1Char('\t'), zahl},    {komma, zahl},
        {zahl + QChar(0x200B), {}},          {zahl + QLatin1Char('-'), {}},
        {QStringLiteral("0x10"), {}},        {QStringLiteral("inf"), {}},
        {QStringLiteral("1e1"), {}},         {QStringLiteral("3.35e1"), {}},
        {QStringLiteral("3 3.5"), {}},       {QStringLiteral("33.87 S"), {}},
        {fremd, {}},
    };
}

// Types each character of `text` as a key of its own; a character beyond ASCII (a minus sign,
// a digit of another script) as a key that has only its text, as a keyboard layout sends it.
inline void tippeTasten(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, c.toLatin1());
            continue;
        }
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &druck);
        QApplication::sendEvent(w, &los);
    }
}

} // namespace umbrin::test
