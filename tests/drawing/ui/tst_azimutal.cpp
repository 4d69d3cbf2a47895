// The drawing window with the azimuthal dials: each scale and circle kind is drawn, printed to
// a PDF and exported as a plot and as a DXF drawing that real readers accept.
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QApplication>
#include <QFile>
#include <QtTest>

using namespace umbrin;

namespace {

// The window opened on the azimuthal dial.
struct Aufbau : test::ZeichenfensterAufbau {
    Aufbau() { s.UhrTyp = 'a'; }
};

struct Variante {
    const char* name;
    std::uint8_t kreise, zodiak, zeitablesung, gesetz;
};

} // namespace

class AzimutalFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsPrintsAndExportsEachVariant()
    {
        const Variante varianten[] = {
            {"kalender", 0, 0, 0, 0},
            {"zodiak", 0, 1, 1, 0},
            {"hoehe_gleich", 1, 0, 0, 0},
            {"hoehe_tonne", 1, 0, 0, 1},
            {"hoehe_stereo", 1, 0, 0, 2},
        };
        for (const Variante& v : varianten) {
            Aufbau a;
            a.s.Schalter.AzimutKreise = v.kreise;
            a.s.Schalter.ZodiakSkala = v.zodiak;
            a.s.Schalter.Zeitablesung = v.zeitablesung;
            a.s.Schalter.Hoehenkreise = v.gesetz;
            auto w = a.fenster();
            const QImage bild = w->bildflaeche()->bild();
            QVERIFY2(test::farbigePixel(bild) > 3000, v.name);
            if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                bild.save(QString("%1/azimutal_%2.png").arg(ordner, v.name));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            test::pruefePdf(a.pdf);
            if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                QFile::copy(a.pdf, QString("%1/azimutal_%2.pdf").arg(ordner, v.name));

            a.exportierePlot(*w, "dial.plt");
            QVERIFY2(a.prompt.asked.back().text.find("gespeichert!") != std::string::npos, v.name);
            a.exportiereDxf(*w, "dial.dxf");
            QCOMPARE(w->fensterzustand().DxfFaktor, 1);
        }
    }

    void temporalHoursNearThePoleAreRefusedOnPaper()
    {
        Aufbau a;
        a.s.Schalter.AzimutKreise = 0;
        a.s.Par.Breite = 64;
        a.s.Schalter.TemporalAnzeige = 1;
        auto w = a.fenster();
        QVERIFY(test::farbigePixel(w->bildflaeche()->bild()) > 3000); // drawn: within 66 degrees
        a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
        w->BildDrucken();
        QVERIFY(!QFile::exists(a.pdf));
        QVERIFY(a.prompt.asked.back().text.find("Temporalstunden") != std::string::npos);
    }
};

QTEST_MAIN(AzimutalFensterTest)
#include "tst_azimutal.moc"
