// The drawing window with the azimuthal dials: each scale and circle kind is drawn, printed to
// a PDF and exported as a plot and as a DXF drawing that real readers accept.
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFenster.h"
#include "shell/ShellZustand.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace umbrin;

namespace {

struct Aufbau {
    AppState s;
    ShellZustand z;
    test::ScriptedPrompt prompt;
    QTemporaryDir ordner;
    QString gespeichert;
    QString pdf;

    Aufbau()
    {
        initialisiereZustand(s);
        s.UhrTyp = 'a';
        z.ArbeitsPfad = std::string(UMBRIN_BINARY_DIR) + "/";
    }

    std::string pfad(const char* name) const { return (ordner.path() + "/" + name).toStdString(); }

    std::unique_ptr<ZeichenFenster> fenster()
    {
        ZeichenfensterDienste d;
        d.druckerDialog = [this](QPrinter& p, QWidget*) {
            if (pdf.isEmpty())
                return false;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        d.speichernDialog = [this](QWidget*, const QString&, const QString&, const QString&, const QString&) {
            return gespeichert;
        };
        d.oeffnenDialog = [](QWidget*, const QString&, const QString&, const QString&) { return QString(); };
        auto w = std::make_unique<ZeichenFenster>(s, z, prompt, std::move(d));
        w->resize(1100, 760);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
        return w;
    }

    void exportiere(ZeichenFenster& w, bool alsHpgl, const char* name)
    {
        w.dxfClick(alsHpgl, false, true);
        gespeichert = QString::fromStdString(pfad(name));
        w.BtnWeiterClick();
    }
};

int farbigePixel(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); y += 2)
        for (int x = 0; x < bild.width(); x += 2)
            n += bild.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

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
            QVERIFY2(farbigePixel(bild) > 3000, v.name);
            if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                bild.save(QString("%1/azimutal_%2.png").arg(ordner, v.name));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            QFile pdf(a.pdf);
            QVERIFY2(pdf.open(QIODevice::ReadOnly), v.name);
            QVERIFY2(pdf.readAll().size() > 10000, v.name);
            if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                QFile::copy(a.pdf, QString("%1/azimutal_%2.pdf").arg(ordner, v.name));

            a.exportiere(*w, true, "dial.plt");
            QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("dial.plt"))), QString());
            QVERIFY2(a.prompt.asked.back().text.find("gespeichert!") != std::string::npos, v.name);
            a.exportiere(*w, false, "dial.dxf");
            QVERIFY2(QFile::exists(QString::fromStdString(a.pfad("dial.dxf"))), v.name);
            if (test::ezdxfDa())
                QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("dial.dxf"))), QString());
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
        QVERIFY(farbigePixel(w->bildflaeche()->bild()) > 3000); // drawn: within 66 degrees
        a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
        w->BildDrucken();
        QVERIFY(!QFile::exists(a.pdf));
        QVERIFY(a.prompt.asked.back().text.find("Temporalstunden") != std::string::npos);
    }
};

QTEST_MAIN(AzimutalFensterTest)
#include "tst_azimutal.moc"
