#include "dialogs/ui/DialogRahmen.h"

#include "core/ui/Beschriftung.h"
#include "dialogs/ui/DialogFelder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace umbrin {

namespace {

// Wants the size its content needs to show everything, but may be made as small as a few
// lines.
class Rollbereich : public QScrollArea {
public:
    explicit Rollbereich(QWidget* eltern)
        : QScrollArea(eltern)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    // The width has room for the vertical scroll bar, so that a body that scrolls is never
    // cut at the side; only the height gives way.
    QSize sizeHint() const override
    {
        const QSize inhalt = widget() ? widget()->minimumSizeHint() : QSize();
        return inhalt + QSize(2 * frameWidth() + verticalScrollBar()->sizeHint().width(), 2 * frameWidth());
    }
    QSize minimumSizeHint() const override
    {
        const int zeile = fontMetrics().height();
        return {sizeHint().width(), std::min(sizeHint().height(), 6 * zeile)};
    }

protected:
    // A body whose content changed (another page, more fields) asks the dialog's layout
    // again: the scroll area would otherwise keep the old size.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (objekt == widget() && ereignis->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(objekt, ereignis);
    }
};

// The dialogs live inside the main window, whose menu bar holds Alt+letter keys of its own
// (Alt+C opens "Calculations", while a dialog's " &Cancel" and " Abbru&ch" want the same
// key). While the focus is in the dialog its own buttons go first: the key is claimed before
// the menu bar sees it, the key press that follows is kept from the focused field (it would
// type the letter), and the button is clicked once the key's handling is over.
class EigeneTastenZuerst : public QObject {
public:
    explicit EigeneTastenZuerst(QDialog* dialog)
        : QObject(dialog), dialog_(dialog)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::ShortcutOverride && objekt == dialog_) {
            auto* taste = static_cast<QKeyEvent*>(ereignis);
            if (QAbstractButton* knopf = knopfFuer(*taste)) {
                taste->accept();
                knopf_ = knopf;
                taste_ = taste->key();
                fokus_ = QApplication::focusWidget();
                if (fokus_ && fokus_ != dialog_)
                    fokus_->installEventFilter(this);
                return true;
            }
        }
        if (ereignis->type() == QEvent::KeyPress && knopf_ && static_cast<QKeyEvent*>(ereignis)->key() == taste_ &&
            (objekt == fokus_ || objekt == dialog_)) {
            if (fokus_ && fokus_ != dialog_)
                fokus_->removeEventFilter(this);
            // Cancel closes the dialog: the click waits until this key has been handled.
            QMetaObject::invokeMethod(knopf_, &QAbstractButton::click, Qt::QueuedConnection);
            knopf_ = nullptr;
            fokus_ = nullptr;
            return true;
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    // The dialog's visible, enabled button whose underlined letter the key with Alt is. Where
    // a choice shares the letter with a push button (the chooser's " &Compressed ..." and
    // " &Cancel"), the push button goes first.
    QAbstractButton* knopfFuer(const QKeyEvent& taste) const
    {
        if ((taste.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier)
            return nullptr;
        const QKeySequence gedrueckt(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(taste.key())));
        QAbstractButton* gefunden = nullptr;
        const auto knoepfe = dialog_->findChildren<QAbstractButton*>();
        for (QAbstractButton* k : knoepfe) {
            if (!k->isVisible() || !k->isEnabled() || QKeySequence::mnemonic(k->text()) != gedrueckt)
                continue;
            if (qobject_cast<QPushButton*>(k))
                return k;
            if (!gefunden)
                gefunden = k;
        }
        return gefunden;
    }

    QDialog* dialog_;
    QPointer<QAbstractButton> knopf_;
    QPointer<QWidget> fokus_;
    int taste_ = 0;
};

} // namespace

Dialogrumpf baueRumpf(QDialog* dialog)
{
    Dialogrumpf r;
    r.aussen = new QVBoxLayout(dialog);
    r.aussen->setSizeConstraint(QLayout::SetMinimumSize);
    auto* bereich = new Rollbereich(dialog);
    bereich->setObjectName(QStringLiteral("Rollbereich"));
    auto* inhalt = new QWidget(bereich);
    inhalt->setObjectName(QStringLiteral("Rumpf"));
    r.inhalt = new QVBoxLayout(inhalt);
    r.inhalt->setContentsMargins(0, 0, 0, 0);
    bereich->setWidget(inhalt);
    inhalt->installEventFilter(bereich);
    r.aussen->addWidget(bereich, 1);
    return r;
}

void rumpfGeaendert(QDialog* dialog)
{
    if (auto* bereich = dialog->findChild<QScrollArea*>(QStringLiteral("Rollbereich"))) {
        if (bereich->widget() && bereich->widget()->layout())
            bereich->widget()->layout()->activate();
        bereich->updateGeometry();
    }
    if (dialog->layout())
        dialog->layout()->activate();
}

void richteDialogEin(QDialog* dialog, const char* name, int hilfeKontext, bool maximierbar)
{
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (maximierbar)
        dialog->setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog->setProperty("hilfeKontext", hilfeKontext);
    new EigeneTastenZuerst(dialog);
}

Knopfleiste baueKnopfleiste(QDialog* dialog, QBoxLayout* layout, const char* schliessenName, FeldWaechter* waechter)
{
    Knopfleiste k;
    auto* reihe = new QHBoxLayout;
    reihe->addStretch(1);
    k.schliessen = new QPushButton(dialog);
    k.schliessen->setObjectName(QString::fromLatin1(schliessenName));
    k.abbruch = new QPushButton(dialog);
    k.abbruch->setObjectName(QStringLiteral("btCancel"));
    setzeTextId(k.abbruch, 8);
    for (QPushButton* knopf : {k.schliessen, k.abbruch}) {
        knopf->setAutoDefault(false);
        reihe->addWidget(knopf);
    }
    layout->addLayout(reihe);
    waechter->setEnterZiel(k.schliessen);
    return k;
}

} // namespace umbrin
