// The drawing window with the vertical Habermel dials I and II and the biazimuthal dial: each
// draws, prints to a PDF and exports a plot and a DXF drawing that real readers accept; a dial
// that cannot be built is refused before any file is touched, and never reported as saved.
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QApplication>
#include <QFile>
#include <QtTest>

#include <functional>

using namespace umbrin;

namespace {

using Aufbau = test::ZeichenfensterAufbau;

struct Fall {
    const char* name;
    std::function<void(AppState&)> setze;
};

const Fall faelle[] = {
    {"habermel1", [](AppState& s) { s.UhrTyp = 'q'; s.Schalter.Hoehenuhrart = 1; }},
    {"habermel1_mittel",
     [](AppState& s) {
         s.UhrTyp = 'q';
         s.Schalter.Hoehenuhrart = 1;
         s.Schalter.MitZeitglZylinder = 1;
     }},
    {"habermel2", [](AppState& s) { s.UhrTyp = 'q'; s.Schalter.Hoehenuhrart = 2; }},
    {"biazimutal", [](AppState& s) { s.UhrTyp = 'c'; s.Schalter.MitZeitglAzimut = 1; }},
};

} // namespace

class HabermelFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsPrintsAndExportsEachDial()
    {
        for (const Fall& f : faelle) {
            Aufbau a;
            f.setze(a.s);
            auto w = a.fenster();
            const QImage bild = w->bildflaeche()->bild();
            QVERIFY2(test::farbigePixel(bild) > 3000, f.name);
            if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                bild.save(QString("%1/%2.png").arg(ordner, f.name));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            test::pruefePdf(a.pdf);
            if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                QFile::copy(a.pdf, QString("%1/%2.pdf").arg(ordner, f.name));

            // The biazimuthal plot asks for the grid: Yes, 20 mm.
            a.prompt.textAnswers.push_back("20");
            a.exportierePlot(*w, "dial.plt");
            QVERIFY2(a.gefragt("gespeichert!"), f.name);
            a.exportiereDxf(*w, "dial.dxf");
        }
    }

    void aRefusedDialKeepsTheFileAndIsNeverSaved()
    {
        const Fall verweigert[] = {
            {"habermel1_sued", [](AppState& s) { s.UhrTyp = 'q'; s.Schalter.Hoehenuhrart = 1; s.Par.Breite = -30; }},
            {"habermel2_aequator", [](AppState& s) { s.UhrTyp = 'q'; s.Schalter.Hoehenuhrart = 2; s.Par.Breite = 5; }},
            {"biazimutal_zu_weit",
             [](AppState& s) {
                 s.UhrTyp = 'c';
                 s.Par.Breite2 = -60;
                 s.Par.Laenge2 = 150;
             }},
        };
        for (const Fall& f : verweigert) {
            Aufbau a;
            f.setze(a.s);
            auto w = a.fenster();
            const std::string alt = a.pfad("alt.plt");
            {
                QFile datei(QString::fromStdString(alt));
                QVERIFY(datei.open(QIODevice::WriteOnly));
                datei.write("IN;old plot;");
            }
            const std::size_t vorher = a.prompt.asked.size();
            // Plot and DXF are refused before the panel asks for a file name.
            for (const bool alsHpgl : {true, false}) {
                w->dxfClick(alsHpgl, false, true);
                QVERIFY2(!w->findChild<QWidget*>("HPGpanel")->isVisible(), f.name);
            }
            a.exportiere(*w, true, "alt.plt");
            QCOMPARE(test::dateiText(alt), std::string("IN;old plot;"));
            QVERIFY2(!a.gefragt("gespeichert!"), f.name);
            QVERIFY2(a.prompt.asked.size() > vorher, f.name); // the refusal was shown

            a.pdf = QString::fromStdString(a.pfad("nie.pdf"));
            w->BildDrucken();
            QVERIFY2(!QFile::exists(a.pdf), f.name);
        }
    }
};

QTEST_MAIN(HabermelFensterTest)
#include "tst_habermel.moc"
