// The drawing window with the filter-hat and polar-rod cylinders: it constructs, prints and
// exports both, and the polar rod's plot stands on the foot the click placed.
#include "drawing/KartenText.h"
#include "drawing/Platzierung.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace umbrin;

namespace {

struct Aufbau : test::ZeichenfensterAufbau {
    explicit Aufbau(int art)
    {
        LadeKartenText(s);
        s.UhrTyp = 'z';
        s.Schalter.ZylinderArt = static_cast<std::uint8_t>(art);
        s.Schalter.OhneZeitgl = 1;
        s.Schalter.Zonenzeit = 1;
        s.Schalter.Sonnenhoehe = 1;
    }

    std::unique_ptr<ZeichenFenster> fenster() { return ZeichenfensterAufbau::fenster({1200, 800}); }
};

} // namespace

class ZylinderFensterTest : public QObject {
    Q_OBJECT
private slots:
    void constructsPrintsAndExportsBothCylinders()
    {
        struct Fall {
            int art;
            double breite, wand;
            const char* name;
        };
        for (const Fall& f : {Fall{1, 47.25, 0, "hut_nord"}, Fall{1, -33.9, 0, "hut_sued"},
                              Fall{2, 47.25, 0, "polstab_sued"}, Fall{2, 47.25, 120, "polstab_120"}}) {
            Aufbau a(f.art);
            a.s.Par.Breite = f.breite;
            a.s.Par.Wandabweichung = f.wand;
            a.s.Schalter.MitZeitglZylinder = 1;
            auto w = a.fenster();
            if (f.art == 2)
                QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, QPoint(560, 250));
            QVERIFY2(test::farbigePixel(w->bildflaeche()->bild()) > 3000, f.name);
            QVERIFY(w->grab().save(test::bildOrdner() + "/zylinder_" + f.name + ".png"));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            test::pruefePdf(a.pdf);

            a.exportierePlot(*w, "dial.plt");
            a.exportiereDxf(*w, "dial.dxf");
            QCOMPARE(w->fensterzustand().DxfFaktor, 25);
        }
    }

    // The click places the foot; the plot's origin cross stands where the planar page puts
    // that pixel.
    void polarRodPlotStandsOnTheClickedFoot()
    {
        Aufbau a(2);
        auto w = a.fenster();
        const QPoint klick(430, 310);
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, klick);
        QCOMPARE(a.s.FusspunktX, klick.x());
        QCOMPARE(a.s.FusspunktY, klick.y());
        a.prompt.answers.push_back(PromptAnswer::No); // no grid
        a.exportiere(*w, true, "fuss.plt");
        const QImage& bild = w->bildflaeche()->bild();
        const int x = pixelNachPlotX(klick.x(), bild.width()), y = pixelNachPlotY(klick.y(), bild.height());
        const auto feld = [](int v) { return QString::number(v).rightJustified(7, ' '); };
        const QString kreuz = ";PU " + feld(x - 60) + " " + feld(y) + ";PD " + feld(x + 60) + " " + feld(y);
        const QString text = QString::fromLatin1(QByteArray::fromStdString(test::dateiText(a.pfad("fuss.plt"))));
        QVERIFY2(text.contains(kreuz), qPrintable(kreuz));
        QCOMPARE(a.s.FusspunktX, klick.x()); // the pixels are back after the export
    }
};

QTEST_MAIN(ZylinderFensterTest)
#include "tst_zylinderfenster.moc"
