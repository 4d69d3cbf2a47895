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

} // namespace

int titelBreite(const QString& titel, const QFontMetrics& schrift)
{
    // The title bar holds the window's icon before the title and up to three buttons after it.
    return schrift.horizontalAdvance(titel) + 5 * schrift.height();
}

MeldungsFenster::MeldungsFenster(const AppState& zustand, QWidget* eltern)
    : zustand_(zustand)
    , eltern_(eltern)
{
}

PromptAnswer MeldungsFenster::ask(PromptTitle titel, PromptIcon icon, const std::string& text, PromptButtons knoepfe)
{
    return askTitled(std::string(meldungsTitel(zustand_, titel)), icon, text, knoepfe);
}

PromptAnswer MeldungsFenster::askTitled(const std::string& titel, PromptIcon icon, const std::string& text,
                                        PromptButtons knoepfe)
{
    QWidget* eltern = eltern_ ? eltern_ : QApplication::activeWindow();
    QMessageBox box(qIcon(icon), qText(titel), zeilenumbrueche(text), qKnoepfe(knoepfe), eltern);
    box.setObjectName(QStringLiteral("Meldung"));
    // A short text would give a box narrower than its title, which the title bar then cuts.
    if (auto* gitter = qobject_cast<QGridLayout*>(box.layout()))
        gitter->addItem(new QSpacerItem(titelBreite(box.windowTitle(), box.fontMetrics()), 0, QSizePolicy::Minimum),
                        gitter->rowCount(), 0, 1, gitter->columnCount());
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
    return antwort(box.exec(), PromptButtons::YesNo);
}

bool MeldungsFenster::askText(const std::string& caption, const std::string& label, std::string& value)
{
    QWidget* eltern = eltern_ ? eltern_ : QApplication::activeWindow();
    bool ok = false;
    const QString text = QInputDialog::getText(eltern, qText(caption), zeilenumbrueche(label), QLineEdit::Normal,
                                               qText(value), &ok);
    if (ok)
        value = text.toStdString();
    return ok;
}

PromptAnswer zeigeMeldungsFenster(const AppState& s, int meldung, PromptTitle titel, PromptIcon icon,
                                  PromptButtons knoepfe, QWidget* eltern)
{
    MeldungsFenster fenster(s, eltern);
    return zeigeMeldung(fenster, s, meldung, titel, icon, knoepfe);
}

} // namespace umbrin
