// The drawing window with the mean-time dial: the dial, its graph and its information
// drawing on screen and printed, the pair of plots and of DXF drawings, and a refused cone
// that leaves both old files.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "dialogs/Wertebereiche.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QtTest>

#include <fstream>

using namespace umbrin;

namespace {

struct Aufbau : test::ZeichenfensterAufbau {
    Aufbau()
    {
        s.UhrTyp = 'm';
        SchiefeUndTierkreis(s, s.Par.Jahr);
    }
};

} // namespace

class KegelFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsAndPrintsDialGraphAndInformation()
    {
        Aufbau a;
        auto w = a.fenster();
        QVERIFY(test::farbigePixel(w->bildflaeche()->bild()) > 2000);
        w->grab().save(QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/kegel_zeichnung.png"));
        auto* holl = w->findChild<QPushButton*>("BitBtnHoll");
        QVERIFY(holl && holl->isVisible());

        a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
        w->druckeZeichnung();
        test::pruefePdf(a.pdf, 3000);

        QTest::mouseClick(holl, Qt::LeftButton);
        auto* grafik = w->findChild<QFrame*>("pHoll");
        QVERIFY(grafik->isVisible());
        auto* image3 = w->findChild<QLabel*>("Image3");
        QVERIFY(test::farbigePixel(image3->pixmap().toImage()) > 1000);
        a.pdf = QString::fromStdString(a.pfad("grafik.pdf"));
        QTest::mouseClick(w->findChild<QPushButton*>("BitBtnDruHo"), Qt::LeftButton);
        test::pruefePdf(a.pdf, 3000);
        w->grab().save(QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/kegel_grafik.png"));
        // A language switch redraws the open graph in the new language.
        setzeSprache(a.s, false);
        w->aktualisiereSprache(a.s);
        QVERIFY(test::farbigePixel(image3->pixmap().toImage()) > 1000);
        setzeSprache(a.s, true);
        w->aktualisiereSprache(a.s);
        QTest::mouseClick(holl, Qt::LeftButton);
        QVERIFY(!grafik->isVisible());

        w->sInfo();
        QVERIFY(w->fensterzustand().InfoAngezeigt);
        auto* image2 = w->findChild<QLabel*>("Image2");
        QVERIFY(test::farbigePixel(image2->pixmap().toImage()) > 500);
        a.pdf = QString::fromStdString(a.pfad("info.pdf"));
        w->druckeZeichnung();
        test::pruefePdf(a.pdf, 3000);
        w->grab().save(QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/kegel_info.png"));
        for (const auto& f : a.prompt.asked)
            QVERIFY2(f.text.find("Fehler") == std::string::npos, f.text.c_str());
    }

    // On a 1366 x 768 screen (an image of 1226 x 593), the foot placed low: the legend, where it
    // goes by itself, stays whole on the image and clear of the button that shows the graph.
    void theLegendKeepsClearOfTheGraphButton()
    {
        for (const int ebene : {0, 1}) {
            Aufbau a;
            setzeSprache(a.s, false);
            a.s.Par.Breite = 19.4;
            a.s.Schalter.Ebene = std::uint8_t(ebene);
            a.s.Par.KegelNeigung = ebene == 0 ? kegelNeigungGespeichert(19.4) : 60;
            a.s.Par.Gnomonhoehe = ebene == 1 ? 20 : 35;
            auto w = a.fenster({1361, 620});
            QCOMPARE(w->bildflaeche()->size(), QSize(1226, 593));
            QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 450));
            // The legend's letters are the picture's only black pixels.
            const QImage bild = w->bildflaeche()->bild();
            const auto schwarz = [&](const QRect& r) {
                int n = 0;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        n += qRed(bild.pixel(x, y)) < 90 && qGreen(bild.pixel(x, y)) < 90 && qBlue(bild.pixel(x, y)) < 90;
                return n;
            };
            QVERIFY(schwarz(bild.rect()) > 300);
            const QRect knopf = w->findChild<QPushButton*>("BitBtnHoll")->geometry().adjusted(-2, -2, 2, 2);
            QCOMPARE(schwarz(knopf.intersected(bild.rect())), 0);
        }
    }

    void exportsBothSheetsAndARefusedConeKeepsThem()
    {
        Aufbau a;
        auto w = a.fenster();
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 300));
        a.exportiere(*w, true, "dial.plt");
        a.exportiere(*w, false, "dial.dxf");
        for (const char* n : {"dial.plt", "dialCone.plt", "dial.dxf", "dialCone.dxf"})
            QVERIFY2(QFile::exists(QString::fromStdString(a.pfad(n))), n);
        QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("dial.plt"))), QString());
        QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("dialCone.plt"))), QString());
        if (test::ezdxfDa()) {
            QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("dial.dxf"))), QString());
            QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("dialCone.dxf"))), QString());
        }

        a.s.Par.KegelNeigung = 30;
        a.s.Par.KegelOeffnung = 30;
        for (const char* n : {"dial.plt", "dial.dxf"}) {
            const std::string uhr = test::dateiText(a.pfad(n));
            const std::string kegel = test::dateiText(a.pfad(std::string(n) == "dial.plt" ? "dialCone.plt" : "dialCone.dxf"));
            a.prompt.asked.clear();
            a.exportiere(*w, std::string(n) == "dial.plt", n);
            QCOMPARE(test::dateiText(a.pfad(n)), uhr);
            QCOMPARE(test::dateiText(a.pfad(std::string(n) == "dial.plt" ? "dialCone.plt" : "dialCone.dxf")), kegel);
            QVERIFY(!a.prompt.asked.empty());
            QVERIFY(a.prompt.asked.back().text.find("Eingabefehler") != std::string::npos);
        }
        if (!test::ezdxfDa())
            QSKIP("/usr/bin/python3 cannot import ezdxf: the DXF reader's check did not run");
    }
};

QTEST_MAIN(KegelFensterTest)
#include "tst_kegelfenster.moc"
