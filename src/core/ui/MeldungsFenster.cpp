#include "core/ui/MeldungsFenster.h"

#include "core/Meldungen.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QString>

namespace umbrin {

namespace {

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program's texts break lines with line feed and carriage return (and a few with a lone
// carriage return); a message box wants one line feed per break.
QString zeilenumbrueche(const std::string& text)
{
    QString t = qText(text);
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QMessageBox::Icon qIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::None: return QMessageBox::NoIcon;
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Error: return QMessageBox::Critical;
    case PromptIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qKnoepfe(PromptButtons knoepfe)
{
    switch (knoepfe) {
    case PromptButtons::Ok: return QMessageBox::Ok;
    case PromptButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (Escape, the window's close box) answers like its
// cancelling button.
PromptAnswer antwort(int knopf, PromptButtons knoepfe)
{
    switch (knopf) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    default: break;
    }
    switch (knoepfe) {
    case PromptButtons::Ok: return PromptAnswer::Ok;
    case PromptButtons::YesNo: return PromptAnswer::No;
    case PromptButtons::OkCancel:
    case PromptButtons::YesNoCancel: return PromptAnswer::Cancel;
    }
    return PromptAnswer::Cancel;
}

// The icon of a box that only tells: a question mark belongs to a box that asks, so a box with
// one button shows the icon of its title (an "Error!" box the error icon, not a question mark);
// an error box never shows the mild information icon.
PromptIcon passendesIcon(PromptTitle titel, PromptIcon icon, PromptButtons knoepfe)
{
    if (titel == PromptTitle::Fehler && icon == PromptIcon::Information)
        return PromptIcon::Error;
    if (icon != PromptIcon::Question || knoepfe != PromptButtons::Ok)
        return icon;
    switch (titel) {
    case PromptTitle::Fehler: return PromptIcon::Error;
    case PromptTitle::Achtung:
    case PromptTitle::Warnung:
    case PromptTitle::Problem: return PromptIcon::Warning;
    case PromptTitle::WasNun: return PromptIcon::Question;
    default: return PromptIcon::Information;
    }
}

// A short text would give a box narrower than its title, which the title bar then cuts.
void mindestensTitelbreit(QMessageBox& box)
{
    if (auto* gitter = qobject_cast<QGridLayout*>(box.layout()))
        gitter->addItem(new QSpacerItem(titelBreite(box.windowTitle(), box.fontMetrics()), 0, QSizePolicy::Minimum),
                        gitter->rowCount(), 0, 1, gitter->columnCount());
}

} // namespace

int titelBreite(const QString& titel, const QFontMetrics& schrift)
{
    // Window managers set the title in a bold face, often a step larger than the text of the
    // box; the bar holds the window's icon before it and up to three buttons after it, each a
    // square somewhat larger than a line, with a margin at either end.
    return schrift.horizontalAdvance(titel) * 5 / 4 + 7 * schrift.height();
}

MeldungsFenster::MeldungsFenster(const AppState& zustand, QWidget* eltern)
    : zustand_(zustand)
    , eltern_(eltern)
{
}

PromptAnswer MeldungsFenster::ask(PromptTitle titel, PromptIcon icon, const std::string& text, PromptButtons knoepfe)
{
    return askTitled(std::string(meldungsTitel(zustand_, titel)), passendesIcon(titel, icon, knoepfe), text, knoepfe);
}

PromptAnswer MeldungsFenster::askTitled(const std::string& titel, PromptIcon icon, const std::string& text,
                                        PromptButtons knoepfe)
{
    QWidget* eltern = eltern_ ? eltern_ : QApplication::activeWindow();
    QMessageBox box(qIcon(icon), qText(titel), zeilenumbrueche(text), qKnoepfe(knoepfe), eltern);
    box.setObjectName(QStringLiteral("Meldung"));
    mindestensTitelbreit(box);
    const int knopf = box.exec();
    return antwort(knopf, knoepfe);
}

PromptAnswer MeldungsFenster::askYesNoNamed(PromptTitle titel, PromptIcon icon, const std::string& text,
                                            const std::string& ja, const std::string& nein)
{
    QWidget* eltern = eltern_ ? eltern_ : QApplication::activeWindow();
    QMessageBox box(qIcon(icon), qText(meldungsTitel(zustand_, titel)), zeilenumbrueche(text),
                    QMessageBox::Yes | QMessageBox::No, eltern);
    box.setObjectName(QStringLiteral("Meldung"));
    box.button(QMessageBox::Yes)->setText(qText(ja));
    box.button(QMessageBox::No)->setText(qText(nein));
    mindestensTitelbreit(box);
    return antwort(box.exec(), PromptButtons::YesNo);
}

bool MeldungsFenster::askText(const std::string& caption, const std::string& label, std::string& value)
{
    QWidget* eltern = eltern_ ? eltern_ : QApplication::activeWindow();
    QInputDialog eingabe(eltern);
    eingabe.setWindowTitle(qText(caption));
    eingabe.setLabelText(zeilenumbrueche(label));
    eingabe.setTextValue(qText(value));
    eingabe.setMinimumWidth(titelBreite(eingabe.windowTitle(), eingabe.fontMetrics()));
    if (eingabe.exec() != QDialog::Accepted)
        return false;
    value = eingabe.textValue().toStdString();
    return true;
}

PromptAnswer zeigeMeldungsFenster(const AppState& s, int meldung, PromptTitle titel, PromptIcon icon,
                                  PromptButtons knoepfe, QWidget* eltern)
{
    MeldungsFenster fenster(s, eltern);
    return zeigeMeldung(fenster, s, meldung, titel, icon, knoepfe);
}

} // namespace umbrin
