// The main window's panels that float over its work area: the colour palette, the picture
// gallery with its slide show, and the about panel.
#include "shell/ui/Farbpanel.h"
#include "shell/ui/Galerie.h"
#include "shell/ui/InfoPanel.h"
#include "shell/ui/MainWindow.h"

#include "shell/Bildergalerie.h"
#include "shell/Menue.h"

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRandomGenerator>

namespace umbrin {

void MainWindow::baueSchaufenster()
{
    startFarben_ = s_.Farben;
    connect(aktion(menue::Farbpalette), &QAction::triggered, this, [this] { Farbauswahl1Click(); });

    galerie_ = new Galerie(s_, z_, mdi_, [this] { return !mdi_->subWindowList().isEmpty(); });
    galerie_->ladeStartbildNebenher(QDir::current().filePath(QStringLiteral("umbrin.jpg")),
                            static_cast<int>(QRandomGenerator::global()->bounded(2)));
    umgebung_->haken.zeigeBild = [this](std::int32_t nr) { galerie_->zeigeTypBild(nr); };
    umgebung_->haken.bild = [this](std::int32_t nr) { return galerie_->bild(nr); };
    connect(mdi_, &QMdiArea::subWindowActivated, galerie_, [this] { galerie_->zeigBild(); });
    connect(this, &MainWindow::spracheGewechselt, galerie_, [this] { galerie_->beschrifte(); });
    // An open palette takes the new language at once, its legend included.
    connect(this, &MainWindow::spracheGewechselt, this, [this] {
        if (farbpanel_ && farbpanel_->isVisible())
            farbpanel_->Farbauswahl1Click();
    });

    infoPanel_ = new InfoPanel(s_, QStringLiteral(UMBRIN_HOMEPAGE), QStringLiteral(UMBRIN_MAIL), mdi_);
    infoPanel_->setNachOk([this] { galerie_->verstecke(); });
    connect(aktion(menue::About), &QAction::triggered, infoPanel_, [this] { infoPanel_->About1Click(); });
}

void MainWindow::versteckeSchaufenster()
{
    if (farbpanel_)
        farbpanel_->hide();
    if (galerie_)
        galerie_->verstecke();
    if (infoPanel_)
        infoPanel_->hide();
}

void MainWindow::zeigeTypBild()
{
    galerie_->zeigeTypBild(bildDesTyps(s_));
}

Farbpanel* MainWindow::farbpanel()
{
    if (!farbpanel_) {
        farbpanel_ = new Farbpanel(s_, prompt_, startFarben_, mdi_);
        farbpanel_->setNachSchliessen([this] {
            galerie_->verstecke();
            if (FensterOffen(QStringLiteral("Form5")))
                aufBildschirm1Click();
            if (FensterOffen(QStringLiteral("sset2"))) {
                FensterZu(QStringLiteral("sset2"));
                oeffneTabellenfenster(true);
            }
        });
    }
    return farbpanel_;
}

void MainWindow::Farbauswahl1Click()
{
    farbpanel()->Farbauswahl1Click();
}

} // namespace umbrin
