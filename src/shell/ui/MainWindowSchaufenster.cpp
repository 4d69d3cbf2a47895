// The main window's panels that float over its work area: the colour palette.
#include "shell/ui/Farbpanel.h"
#include "shell/ui/MainWindow.h"

#include "shell/Menue.h"

#include <QAction>

namespace umbrin {

void MainWindow::baueSchaufenster()
{
    farbpanel_ = new Farbpanel(s_, prompt_, this);
    farbpanel_->setNachSchliessen([this] {
        if (FensterOffen(QStringLiteral("Form5")))
            aufBildschirm1Click();
    });
    connect(aktion(menue::Farbpalette), &QAction::triggered, this, [this] { Farbauswahl1Click(); });
}

void MainWindow::versteckeSchaufenster()
{
    if (farbpanel_)
        farbpanel_->hide();
}

void MainWindow::Farbauswahl1Click()
{
    farbpanel_->Farbauswahl1Click();
}

} // namespace umbrin
