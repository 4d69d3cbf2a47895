#include "dialogs/ui/DialogFelder.h"

#include "core/Eingabepruefung.h"
#include "core/Zahlenformat.h"
#include "core/ui/Eingabefelder.h"
#include "dialogs/IniZahlen.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace umbrin {

bool TasteErlaubt(Tasten tasten, QChar zeichen)
{
    if (zeichen.isDigit() && zeichen.unicode() < 128)
        return true;
    if (zeichen == QLatin1Char('\b'))
        return true;
    switch (tasten) {
    case Tasten::Ganzzahl:
        return false;
    case Tasten::Reell:
        return zeichen == QLatin1Char('-') || zeichen == QLatin1Char('.') || zeichen == QLatin1Char(',');
    case Tasten::ReellOhneVorzeichen:
        return zeichen == QLatin1Char('.') || zeichen == QLatin1Char(',');
    }
    return false;
}

namespace {

// The field still shows x as the dialog wrote it: not edited since, and its text is x with as
// many decimals as the text has.
bool zeigtWert(const QLineEdit* feld, double x)
{
    const std::string text = feld->text().trimmed().toStdString();
    const auto punkt = text.find('.');
    const int stellen = punkt == std::string::npos ? 0 : static_cast<int>(text.size() - punkt - 1);
    return !feld->isModified() && !text.empty() && stellen <= 9
           && QString::fromStdString(RealStr(x, stellen, stellen)).trimmed().toStdString() == text;
}

// A value read from the field's text, stored with the decimals of its file line.
void alsGespeichert(QLineEdit* feld, double& x, int stellen)
{
    const double gespeichert = dateiWert(x, stellen);
    if (gespeichert == x)
        return;
    x = gespeichert;
    feld->setText(QString::fromStdString(RealStr(x, stellen, stellen)));
}

// A refused text: the field shows the value kept, with the decimals its file line holds (two
// for a value the files do not hold), so that leaving it again keeps that value.
void zeigeBehalten(QLineEdit* feld, double x, int stellen)
{
    const int n = stellen == wieGetippt ? 2 : stellen;
    feld->setText(QString::fromStdString(feldZahl(x, n, n)));
}

} // namespace

void pruefRealBereichBewahrt(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x,
                             const std::string& label, const Wertebereich& bereich, bool& err)
{
    err = false;
    if (zeigtWert(feld, x) && bereich.enthaelt(x))
        return;
    pruefRealBereich(s, prompt, feld, x, label, bereich.von, bereich.bis, err);
    if (err)
        zeigeBehalten(feld, x, bereich.stellen);
    else
        alsGespeichert(feld, x, bereich.stellen);
}

void pruefRealFeldBewahrt(const AppState& s, UserPrompt& prompt, QLineEdit* feld, double& x, int stellen, bool& err)
{
    err = false;
    if (zeigtWert(feld, x))
        return;
    pruefRealFeld(s, prompt, feld, x, err);
    if (err)
        zeigeBehalten(feld, x, stellen);
    else
        alsGespeichert(feld, x, stellen);
}

void FeldWaechter::setEnterZiel(QWidget* feld, QWidget* ziel) { enterZiele_[feld] = ziel; }

void FeldWaechter::beobachte(QWidget* feld, Tasten tasten, std::function<void()> verlassen,
                             std::function<void()> betreten)
{
    Eintrag& e = felder_[feld];
    e.tasten = tasten;
    e.filtern = true;
    e.verlassen = std::move(verlassen);
    e.betreten = std::move(betreten);
    feld->installEventFilter(this);
    connect(feld, &QObject::destroyed, this, [this, feld] {
        felder_.erase(feld);
        enterZiele_.erase(feld);
    });
}

void FeldWaechter::beimVerlassen(QWidget* steuerelement, std::function<void()> verlassen)
{
    // A group's focus sits on its items, which may be replaced; so the change of focus of the
    // whole application is watched: leaving means the focus moves from inside the group to
    // another control of the same window.
    QPointer<QWidget> gruppe(steuerelement);
    connect(qApp, &QApplication::focusChanged, this, [this, gruppe, verlassen](QWidget* alt, QWidget* neu) {
        if (!gruppe || !alt || !neu || tiefe_ > 0)
            return;
        if (!gruppe->isAncestorOf(alt) || gruppe->isAncestorOf(neu) || neu->window() != alt->window())
            return;
        alsPruefung(verlassen);
    });
}

void FeldWaechter::alsPruefung(const std::function<void()>& pruefung)
{
    ++tiefe_;
    struct Ende {
        int& t;
        ~Ende() { --t; }
    } ende{tiefe_};
    pruefung();
}

bool FeldWaechter::eventFilter(QObject* objekt, QEvent* ereignis)
{
    const auto it = felder_.find(objekt);
    if (it == felder_.end())
        return QObject::eventFilter(objekt, ereignis);
    Eintrag& e = it->second;

    if (ereignis->type() == QEvent::KeyPress && e.filtern) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            const auto eigenes = enterZiele_.find(objekt);
            QWidget* ziel = eigenes != enterZiele_.end() && eigenes->second ? eigenes->second.data() : enterZiel_.data();
            if (ziel)
                ziel->setFocus(Qt::TabFocusReason);
            return true; // never the dialog's default button
        }
        if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false; // shortcuts, copy and paste
        const QString text = taste->text();
        if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7f)
            return false; // cursor keys, delete, tab, backspace
        for (QChar c : text)
            if (!TasteErlaubt(e.tasten, c))
                return true;
        return false;
    }

    if (ereignis->type() == QEvent::FocusOut && e.verlassen) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        // Another window or a menu taking the focus does not leave the field.
        if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason || grund == Qt::MenuBarFocusReason)
            return false;
        if (tiefe_ > 0)
            return false;
        const auto handler = e.verlassen; // the handler may rebuild the watched fields
        alsPruefung(handler);
        return false;
    }

    if (ereignis->type() == QEvent::FocusIn && e.betreten && tiefe_ == 0) {
        const auto handler = e.betreten;
        handler();
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace umbrin
