// The drawing window with the Peaucellier azimuth dial and the Sawyer dial: it draws them,
// prints them to a PDF, exports them as plot and as DXF with the foot where it was clicked,
// and keeps an old file when the plot is refused.
#include "drawing/Platzierung.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFenster.h"
#include "shell/ShellZustand.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace umbrin;

namespace {

struct Aufbau {
    AppState s;
    ShellZustand z;
    test::ScriptedPrompt prompt;
    QTemporaryDir ordner;
    QString gespeichert;
    QString pdf;

    explicit Aufbau(char typ)
    {
        initialisiereZustand(s);
        s.UhrTyp = typ;
        z.ArbeitsPfad = std::string(UMBRIN_BINARY_DIR) + "/";
    }

    std::string pfad(const char* name) const { return (ordner.path() + "/" + name).toStdString(); }

    std::unique_ptr<ZeichenFenster> fenster(QSize groesse = {1100, 760})
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
        w->resize(groesse);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
        return w;
    }

    // Exports the window's dial into the named file: a plot or a DXF drawing.
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

class PeaucellierSawyerFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsPrintsAndExportsBoth()
    {
        for (const char typ : {'p', 'w'}) {
            Aufbau a(typ);
            auto w = a.fenster();
            QVERIFY2(farbigePixel(w->bildflaeche()->bild()) > 2000, &typ);
            QVERIFY(w->windowTitle().contains(typ == 'p' ? QStringLiteral("Peaucellier") : QStringLiteral("Sawyer")));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            QFile pdf(a.pdf);
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.readAll().size() > 10000);

            a.exportiere(*w, true, "dial.plt");
            QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("dial.plt"))), QString());
            QVERIFY(a.prompt.asked.back().text.find("saved!") != std::string::npos);
            a.exportiere(*w, false, "dial.dxf");
            QVERIFY(QFile::exists(QString::fromStdString(a.pfad("dial.dxf"))));
            if (test::ezdxfDa())
                QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("dial.dxf"))), QString());
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

    void aRefusedPlotKeepsTheOldFile()
    {
        for (const char typ : {'p', 'w'}) {
            for (const double breite : {28.0, 67.0, -28.0}) {
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
