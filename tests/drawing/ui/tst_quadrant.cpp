// The drawing window with the quadrant dial: for each date scale (calendar, zodiac, Gunter)
// it draws the dial, prints it to a PDF and exports it as a plot and as a DXF drawing that
// real readers accept.
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
        s.UhrTyp = 'q';
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
                QVERIFY2(farbigePixel(bild) > 3000, std::to_string(skala).c_str());
                if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                    bild.save(QString("%1/quadrant_%2_%3.png").arg(ordner).arg(skala).arg(int(ganz)));

                a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
                w->BildDrucken();
                QFile pdf(a.pdf);
                QVERIFY(pdf.open(QIODevice::ReadOnly));
                QVERIFY(pdf.readAll().size() > 10000);
                if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                    QFile::copy(a.pdf, QString("%1/quadrant_%2_%3.pdf").arg(ordner).arg(skala).arg(int(ganz)));

                a.exportiere(*w, true, "dial.plt");
                QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("dial.plt"))), QString());
                QVERIFY(a.prompt.asked.back().text.find("saved!") != std::string::npos);
                a.exportiere(*w, false, "dial.dxf");
                QVERIFY(QFile::exists(QString::fromStdString(a.pfad("dial.dxf"))));
                if (test::ezdxfDa())
                    QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("dial.dxf"))), QString());
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
        QVERIFY(farbigePixel(habermel->bildflaeche()->bild()) > 3000);
        QVERIFY(habermel->bildflaeche()->bild() != bild);
    }
};

QTEST_MAIN(QuadrantFensterTest)
#include "tst_quadrant.moc"
