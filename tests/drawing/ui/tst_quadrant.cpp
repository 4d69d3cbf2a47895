// The drawing window with the quadrant dial: for each date scale (calendar, zodiac, Gunter)
// it draws the dial, prints it to a PDF and exports it as a plot and as a DXF drawing that
// real readers accept.
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QApplication>
#include <QFile>
#include <QtTest>

using namespace umbrin;

namespace {

struct Aufbau : test::ZeichenfensterAufbau {
    Aufbau() { s.UhrTyp = 'q'; }
};

} // namespace

class QuadrantFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsPrintsAndExportsEachScale()
    {
        for (const int skala : {0, 1, 2})
            for (const std::uint8_t ganz : {0, 1}) {
                Aufbau a;
                a.s.Schalter.QuadrantSkala = static_cast<std::uint8_t>(skala);
                a.s.Schalter.Ganzjaehrig = ganz;
                auto w = a.fenster();
                const QImage bild = w->bildflaeche()->bild();
                QVERIFY2(test::farbigePixel(bild) > 3000, std::to_string(skala).c_str());
                if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                    bild.save(QString("%1/quadrant_%2_%3.png").arg(ordner).arg(skala).arg(int(ganz)));

                a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
                w->BildDrucken();
                test::pruefePdf(a.pdf);
                if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                    QFile::copy(a.pdf, QString("%1/quadrant_%2_%3.pdf").arg(ordner).arg(skala).arg(int(ganz)));

                a.exportierePlot(*w, "dial.plt");
                QVERIFY(a.prompt.asked.back().text.find("gespeichert!") != std::string::npos);
                a.exportiereDxf(*w, "dial.dxf");
                QCOMPARE(w->fensterzustand().DxfFaktor, skala == 2 ? 25 : 1);
            }
    }

    void theHabermelSubTypesAreDrawnByTheirOwnRows()
    {
        Aufbau a;
        auto quadrant = a.fenster();
        const QImage bild = quadrant->bildflaeche()->bild();
        Aufbau b;
        b.s.Schalter.Hoehenuhrart = 1;
        auto habermel = b.fenster();
        QVERIFY(test::farbigePixel(habermel->bildflaeche()->bild()) > 3000);
        QVERIFY(habermel->bildflaeche()->bild() != bild);
    }
};

QTEST_MAIN(QuadrantFensterTest)
#include "tst_quadrant.moc"
