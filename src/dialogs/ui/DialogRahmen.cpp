#include "dialogs/ui/DialogRahmen.h"

#include "core/ui/Beschriftung.h"
#include "dialogs/ui/DialogFelder.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace umbrin {

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
