// The drawing window with the Peaucellier azimuth dial and the Sawyer dial: it draws them,
// prints them to a PDF, exports them as plot and as DXF with the foot where it was clicked,
// forgets a foot placed in the window before, and keeps an old file when the plot is refused.
#include "drawing/Platzierung.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <fstream>

using namespace umbrin;

namespace {

struct Aufbau : test::ZeichenfensterAufbau {
    explicit Aufbau(char typ) { s.UhrTyp = typ; }
};

} // namespace

class PeaucellierSawyerFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsPrintsAndExportsBoth()
    {
        for (const char typ : {'p', 'w'}) {
            Aufbau a(typ);
            auto w = a.fenster();
            QVERIFY2(test::farbigePixel(w->bildflaeche()->bild()) > 2000, std::string(1, typ).c_str());
            QVERIFY(w->windowTitle().contains(typ == 'p' ? QStringLiteral("Peaucellier") : QStringLiteral("Sawyer")));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            test::pruefePdf(a.pdf);

            a.exportierePlot(*w, "dial.plt");
            QVERIFY(a.prompt.asked.back().text.find("gespeichert!") != std::string::npos);
            a.exportiereDxf(*w, "dial.dxf");
            QCOMPARE(w->fensterzustand().DxfFaktor, typ == 'p' ? 25 : 1);
        }
    }

    void aClickedFootIsWhereThePlotPutsIt()
    {
        Aufbau p('p');
        auto wp = p.fenster();
        Bildflaeche* bild = wp->bildflaeche();
        QTest::mouseClick(bild, Qt::LeftButton, Qt::NoModifier, QPoint(380, 200));
        QCOMPARE(p.s.FusspunktX, 380);
        p.exportiere(*wp, true, "p.plt");
        const std::string fussP = ";PU " + std::to_string(pixelNachPlotX(380, bild->width())) + " 5240;CI 91 ,0.2";
        QVERIFY2(test::dateiText(p.pfad("p.plt")).find(fussP) != std::string::npos, fussP.c_str());
        QCOMPARE(p.s.FusspunktX, 380); // back in pixels

        Aufbau s('w');
        auto ws = s.fenster();
        Bildflaeche* sbild = ws->bildflaeche();
        QTest::mouseClick(sbild, Qt::LeftButton, Qt::NoModifier, QPoint(500, 140));
        s.exportiere(*ws, true, "w.plt");
        const std::string fussW = ";PU " + std::to_string(pixelNachSawyerX(500, sbild->width())) + " "
                                  + std::to_string(pixelNachSawyerY(140, sbild->height())) + ";CI 40 ,0.2";
        QVERIFY2(test::dateiText(s.pfad("w.plt")).find(fussW) != std::string::npos, fussW.c_str());
        QCOMPARE(s.s.FusspunktY, 140);
    }

    // A window opened after another starts from no foot: the Sawyer dial after a dial whose
    // foot the user placed low on the image prints as after a fresh start.
    void aWindowAfterAnotherForgetsTheFootPlacedThere()
    {
        for (const char vorher : {'h', 'p', 'w'}) {
            Aufbau a(vorher);
            {
                auto w = a.fenster();
                Bildflaeche* bild = w->bildflaeche();
                QTest::mouseClick(bild, Qt::LeftButton, Qt::NoModifier, QPoint(bild->width() / 2, bild->height() - 15));
                QVERIFY(a.s.FusspunktGesetzt);
            }
            a.s.UhrTyp = 'w';
            auto w = a.fenster();
            a.pdf = QString::fromStdString(a.pfad("nachher.pdf"));
            w->BildDrucken();
            QVERIFY2(!a.gefragt("nichts gedruckt"), a.prompt.asked.empty() ? "" : a.prompt.asked.back().text.c_str());
            test::pruefePdf(a.pdf);
        }
    }

    void aRefusedPlotKeepsTheOldFile()
    {
        for (const char typ : {'p', 'w'}) {
            for (const double breite : {28.0, 28.6, 67.0, -28.0}) {
                Aufbau a(typ);
                a.s.Par.Breite = breite;
                auto w = a.fenster();
                for (const char* name : {"alt.plt", "alt.dxf"}) {
                    std::ofstream(a.pfad(name), std::ios::binary) << "old";
                    a.prompt.asked.clear();
                    a.exportiere(*w, std::string(name).ends_with(".plt"), name);
                    QCOMPARE(QString::fromStdString(test::dateiText(a.pfad(name))), QStringLiteral("old"));
                    QCOMPARE(a.prompt.asked.size(), std::size_t{1});
                    QVERIFY(a.prompt.asked.back().text.find("saved") == std::string::npos);
                    QVERIFY(a.prompt.asked.back().text.find("Breiten") != std::string::npos);
                }
                QCOMPARE(QDir(a.ordner.path()).entryList(QDir::Files), QStringList({"alt.dxf", "alt.plt"}));
            }
        }
    }
};

QTEST_MAIN(PeaucellierSawyerFensterTest)
#include "tst_peaucelliersawyer.moc"
