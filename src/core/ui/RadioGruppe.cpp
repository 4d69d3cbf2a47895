#include "core/ui/RadioGruppe.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace umbrin {

RadioGruppe::RadioGruppe(QWidget* eltern)
    : QGroupBox(eltern)
    , knoepfe_(new QButtonGroup(this))
    , raster_(new QGridLayout(this))
{
    knoepfe_->setExclusive(true);
    connect(knoepfe_, &QButtonGroup::idClicked, this, &RadioGruppe::itemGewaehlt);
}

void RadioGruppe::setEintraege(const QStringList& eintraege)
{
    const int alt = itemIndex();
    const QList<QAbstractButton*> vorhanden = knoepfe_->buttons();
    for (int i = 0; i < eintraege.size(); ++i) {
        if (i < vorhanden.size()) {
            vorhanden[i]->setText(eintraege[i]);
            continue;
        }
        auto* knopf = new QRadioButton(eintraege[i], this);
        knoepfe_->addButton(knopf, i);
    }
    for (qsizetype i = eintraege.size(); i < vorhanden.size(); ++i) {
        knoepfe_->removeButton(vorhanden[i]);
        delete vorhanden[i];
    }
    ordneAn();
    if (alt >= anzahl())
        setItemIndex(anzahl() - 1);
}

QStringList RadioGruppe::eintraege() const
{
    QStringList texte;
    for (const QAbstractButton* knopf : knoepfe_->buttons())
        texte << knopf->text();
    return texte;
}

int RadioGruppe::anzahl() const
{
    return static_cast<int>(knoepfe_->buttons().size());
}

int RadioGruppe::itemIndex() const
{
    return knoepfe_->checkedId();
}

void RadioGruppe::setItemIndex(int index)
{
    if (QAbstractButton* knopf = knoepfe_->button(index)) {
        knopf->setChecked(true);
        return;
    }
    // No item chosen: an exclusive group cannot uncheck its last button directly.
    if (QAbstractButton* gewaehlt = knoepfe_->checkedButton()) {
        knoepfe_->setExclusive(false);
        gewaehlt->setChecked(false);
        knoepfe_->setExclusive(true);
    }
}

void RadioGruppe::setSpalten(int spalten)
{
    spalten_ = spalten < 1 ? 1 : spalten;
    ordneAn();
}

void RadioGruppe::ordneAn()
{
    const QList<QAbstractButton*> knoepfe = knoepfe_->buttons();
    const int n = static_cast<int>(knoepfe.size());
    const int zeilen = (n + spalten_ - 1) / spalten_;
    for (int i = 0; i < n; ++i) {
        raster_->removeWidget(knoepfe[i]);
        // Items run down the first column, then the next, as the program's groups lay them out.
        raster_->addWidget(knoepfe[i], zeilen ? i % zeilen : 0, zeilen ? i / zeilen : 0);
    }
}

} // namespace umbrin
