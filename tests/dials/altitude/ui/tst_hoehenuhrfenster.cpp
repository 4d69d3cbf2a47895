// The drawing window with the altitude dials: it constructs, prints and exports 'k', 'b' and
// the shepherd's cylinder, prints the ham dial in ham mode, and a refused export leaves the
// file that was there.
#include "drawing/KartenText.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <fstream>

using namespace umbrin;

namespace {

struct Aufbau : test::ZeichenfensterAufbau {
    explicit Aufbau(char typ)
    {
        LadeKartenText(s);
        s.UhrTyp = typ;
        s.Schalter.ZylinderArt = 0;
    }

    std::unique_ptr<ZeichenFenster> fenster() { return ZeichenfensterAufbau::fenster({1200, 800}); }
};

} // namespace

class HoehenuhrFensterTest : public QObject {
    Q_OBJECT
private slots:
    void constructsPrintsAndExportsEachAltitudeDial()
    {
        struct Fall {
            char typ;
            int monatsskala;
            const char* name;
        };
        for (const Fall& f : {Fall{'k', 0, "k_gefaltet"}, Fall{'k', 1, "k_nebeneinander"}, Fall{'b', 0, "b"},
                              Fall{'z', 0, "z_gefaltet"}, Fall{'z', 1, "z_nebeneinander"}}) {
            Aufbau a(f.typ);
            a.s.Schalter.Monatsskala = static_cast<std::uint8_t>(f.monatsskala);
            a.s.Schalter.Sonnenhoehe = 1;
            a.s.ExpertenModusStart = 1;
            a.s.Schalter.Italienisch = a.s.Schalter.Babylonisch = f.typ == 'z';
            auto w = a.fenster();
            QVERIFY2(test::farbigePixel(w->bildflaeche()->bild()) > 3000, f.name);
            QVERIFY(w->grab().save(test::bildOrdner() + "/hoehenuhr_" + f.name + ".png"));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            test::pruefePdf(a.pdf);

            a.exportierePlot(*w, "dial.plt");
            a.exportiereDxf(*w, "dial.dxf");
            QCOMPARE(w->fensterzustand().DxfFaktor, f.typ == 'z' ? 25 : 1);
        }
    }

    void hamModeDrawsAndPrintsTheHamDial()
    {
        Aufbau a('k');
        a.s.SchinkenModus = 1;
        a.s.Par.HabermelGnomon = 40;
        auto w = a.fenster();
        const QImage linien = w->bildflaeche()->bild();
        QVERIFY(test::farbigePixel(linien) > 1000);
        QVERIFY(w->grab().save(test::bildOrdner() + "/schinken_linien.png"));
        a.pdf = QString::fromStdString(a.pfad("schinken.pdf"));
        w->BildDrucken();
        test::pruefePdf(a.pdf);

        // Marked hour points, shown instead of the hour lines, and printed.
        for (const QPoint p : {QPoint(500, 300), QPoint(560, 330), QPoint(620, 380), QPoint(650, 450)})
            QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::ControlModifier, p);
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
        QCOMPARE(a.s.StundenpunkteZeigen, std::uint8_t{1});
        w->Konstruiere();
        QVERIFY(test::farbigePixel(w->bildflaeche()->bild()) < test::farbigePixel(linien));
        QVERIFY(w->grab().save(test::bildOrdner() + "/schinken_punkte.png"));
        a.pdf = QString::fromStdString(a.pfad("schinken_punkte.pdf"));
        w->BildDrucken();
        test::pruefePdf(a.pdf);
    }

    void refusedExportKeepsTheOldFile()
    {
        struct Fall {
            char typ;
            int anzeige, kurven;
        };
        for (const Fall& f : {Fall{'k', 1, 0}, Fall{'z', 0, 1}}) {
            Aufbau a(f.typ);
            a.s.Par.Breite = 66;
            a.s.Schalter.TemporalAnzeige = static_cast<std::uint8_t>(f.anzeige);
            a.s.Schalter.Temporalstunden = static_cast<std::uint8_t>(f.kurven);
            auto w = a.fenster();
            for (const char* name : {"alt.plt", "alt.dxf"}) {
                std::ofstream(a.pfad(name), std::ios::binary) << "old";
                a.prompt.asked.clear();
                a.exportiere(*w, QString(name).endsWith(".plt"), name);
                QCOMPARE(QString::fromStdString(test::dateiText(a.pfad(name))), QStringLiteral("old"));
                QVERIFY(!a.prompt.asked.empty());
                QVERIFY(QString::fromStdString(a.prompt.asked.back().text)
                            .contains(QString::fromUtf8("Temporalstunden sind in dieser geogr. Breite")));
                for (const auto& frage : a.prompt.asked)
                    QVERIFY(!QString::fromStdString(frage.text).contains(QStringLiteral("saved")));
            }
            QCOMPARE(QDir(a.ordner.path()).entryList(QDir::Files), QStringList({"alt.dxf", "alt.plt"}));
        }
    }
};

QTEST_MAIN(HoehenuhrFensterTest)
#include "tst_hoehenuhrfenster.moc"
