// Printing from the main window: the printer the windows share, its set-up, the print of
// the active window and the window as an image.
#include "shell/ui/MainWindow.h"

#include "core/ui/Dateidruck.h"
#include "core/ui/Druckbar.h"
#include "shell/ui/Textdruck.h"
#include "tables/ui/Tsset2.h"

#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

namespace umbrin {

QPrinter& MainWindow::drucker()
{
    if (!drucker_)
        drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker_;
}

bool MainWindow::waehleDrucker()
{
    if (druckerwahl_)
        return druckerwahl_(drucker());
    QPrintDialog dlg(&drucker(), this);
    return dlg.exec() == QDialog::Accepted;
}

void MainWindow::Druckereinstellung1Click()
{
    QPageSetupDialog dlg(&drucker(), this);
    dlg.exec();
}

void MainWindow::drucken()
{
    QWidget* aktiv = aktivesFenster();
    if (aktiv && aktiv->objectName().startsWith(QLatin1String("sset1")))
        textdruck_->druckeErgebnisZeilen(z_.ErgebnisZeilen);
    else if (auto* tabellen = qobject_cast<Tsset2*>(aktiv))
        tabellen->DruckListe();
    else if (auto* fenster = dynamic_cast<Druckbar*>(aktiv))
        fenster->druckeFenster();
}

void MainWindow::mWindowPrintClick()
{
    QWidget* fenster = aktivesFenster();
    if (!fenster)
        return;
    textdruck_->schliesse();
    // The whole window with its frame, as the user sees it.
    QWidget* rahmen = fenster->parentWidget() ? fenster->parentWidget() : fenster;
    const QImage bild = rahmen->grab().toImage();
    if (bild.isNull() || bild.width() <= 0 || bild.height() <= 0)
        return;
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const bool quer = !schirm || fenster->width() >= schirm->geometry().width() / 2;
    QPrinter& p = drucker();
    p.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!waehleDrucker()) {
        p.setPageOrientation(QPageLayout::Portrait);
        return;
    }
    bool gut = false;
    std::string grund;
    {
        Dateidruck datei(p, s_.Sprachspalte != 2);
        QPainter maler;
        gut = datei.bereit() && maler.begin(&p);
        if (gut) {
            const QRect seite = maler.viewport();
            const QSize passend = bild.size().scaled(seite.size(), Qt::KeepAspectRatio);
            maler.fillRect(seite, Qt::white);
            maler.drawImage(QRect(seite.topLeft(), passend), bild);
            gut = maler.end() && datei.abschliessen();
        }
        if (!gut)
            grund = datei.grund();
    }
    p.setPageOrientation(QPageLayout::Portrait);
    if (!gut)
        meldung(PromptTitle::Fehler, PromptIcon::Warning, druckfehlerText(s_, grund));
}

} // namespace umbrin
