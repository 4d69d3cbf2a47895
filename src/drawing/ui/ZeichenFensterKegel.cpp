// The drawing window's panels of the mean-time dial with a cone: the check graph in its own
// panel with its print button, and the information drawing in the information sheet, both
// printable.
#include "drawing/ui/ZeichenFenster.h"

#include "core/Meldungen.h"
#include "core/Rounding.h"
#include "core/ui/Dateidruck.h"
#include "core/ui/DruckSeite.h"
#include "core/ui/PainterCanvas.h"
#include "dials/cone/KegelGrafik.h"
#include "dials/cone/KegelInfo.h"
#include "drawing/Auftragsschutz.h"
#include "drawing/ui/Bildflaeche.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace umbrin {

void ZeichenFenster::baueKegelTafeln()
{
    // The graph panel: its picture and its print button below the close button.
    auto* drucken = new QPushButton(pHoll_);
    drucken->setObjectName(QStringLiteral("BitBtnDruHo"));
    setzeTextId(drucken, 3);
    drucken->move(36, 4);
    drucken->setMinimumWidth(90);
    drucken->adjustSize();
    image3_ = new QLabel(pHoll_);
    image3_->setObjectName(QStringLiteral("Image3"));
    image3_->move(4, 32);
    connect(drucken, &QPushButton::clicked, this, [this] { druckeKegel(true); });

    // The information drawing shares the information sheet with the planar listing.
    scrollBox1_ = new QScrollArea(pStabInfo_);
    scrollBox1_->setObjectName(QStringLiteral("ScrollBox1"));
    image2_ = new QLabel;
    image2_->setObjectName(QStringLiteral("Image2"));
    scrollBox1_->setWidget(image2_);
    scrollBox1_->hide();
    pStabInfo_->layout()->addWidget(scrollBox1_);
}

void ZeichenFenster::zeigeKegelGrafik()
{
    const QSize g = pHoll_->size();
    QImage bild(std::max(100, g.width() - 8), std::max(100, g.height() - 36), QImage::Format_RGB32);
    bild.fill(Qt::white);
    Konstruktionsmeldungen m;
    {
        PainterCanvas c(bild);
        m = zeichneKegelGrafik(s_, c, bild.width(), bild.height(), true, 12.0, 0, 0);
    }
    image3_->setPixmap(QPixmap::fromImage(bild));
    image3_->resize(bild.size());
    zeigeMeldungen(m);
}

void ZeichenFenster::zeigeKegelInfo()
{
    stabMemo_->hide();
    scrollBox1_->show();
    const QSize g = bild_->size();
    pStabInfo_->setGeometry(g.width() / 8, 8, std::max(200, g.width() * 3 / 4), std::max(150, g.height() - 16));
    pStabInfo_->show();
    pStabInfo_->raise();
    const int breite = static_cast<int>(roundHalfEven(scrollBox1_->viewport()->width() * 1.3L));
    const int hoehe = static_cast<int>(roundHalfEven(breite * 1.42L));
    QImage bild(std::max(100, breite), std::max(100, hoehe), QImage::Format_RGB32);
    bild.fill(Qt::white);
    Konstruktionsmeldungen m;
    {
        PainterCanvas c(bild);
        m = zeichneStabInfo(s_, c, true, f_.ZeichnungVerkleinert, bild_->width(), bild.width(),
                            s_.Par.Gnomonhoehe * s_.Zoom, 0, 0);
    }
    image2_->setPixmap(QPixmap::fromImage(bild));
    image2_->resize(bild.size());
    f_.InfoAngezeigt = true;
    zeigeMeldungen(m);
}

void ZeichenFenster::druckeKegel(bool grafik)
{
    QPrinter& drucker = this->drucker();
    const bool quer = !grafik && f_.ZeichnungVerkleinert && pStabInfo_->isVisible();
    drucker.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!waehleDrucker(drucker)) {
        drucker.setPageOrientation(QPageLayout::Portrait);
        return;
    }
    shell_.DruckDateiOffen = false;

    Auftragsschutz schutz(s_);
    schutz.beimEnde([&drucker] { drucker.setPageOrientation(QPageLayout::Portrait); });
    schutz.beimAbbruch([&drucker] { drucker.abort(); });
    Dateidruck datei(drucker, s_.Sprachspalte != 2);
    bool gut = false;
    Konstruktionsmeldungen m;
    if (datei.bereit()) {
        PainterCanvas canvas(drucker);
        DruckSeite seite;
        gut = DruckBereich(druckGeraetVon(drucker), seite.DruckBreite, seite.DruckHoehe, seite.DruckRandX,
                           seite.DruckRandY);
        if (gut) {
            canvas.setFont({"Arial", 40, false, FarbeSchwarz});
            if (grafik)
                m = zeichneKegelGrafik(s_, canvas, 1700, 2600, false, 12.0, seite.DruckRandX, seite.DruckRandY);
            else
                m = zeichneStabInfo(s_, canvas, false, f_.ZeichnungVerkleinert, seite.DruckBreite, image2_->width(),
                                    s_.Par.Gnomonhoehe * s_.Zoom, seite.DruckRandX, seite.DruckRandY);
        }
    }
    if (gut && drucker.printerState() != QPrinter::Error && drucker.printerState() != QPrinter::Aborted
        && datei.abschliessen()) {
        schutz.erfolgreich();
        zeigeMeldungen(m);
    } else {
        meldeDruckfehler(frage_, s_, datei.grund());
    }
}

} // namespace umbrin
