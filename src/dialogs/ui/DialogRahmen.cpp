#include "dialogs/ui/DialogRahmen.h"

#include "core/ui/Beschriftung.h"
#include "dialogs/ui/DialogFelder.h"

#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
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
