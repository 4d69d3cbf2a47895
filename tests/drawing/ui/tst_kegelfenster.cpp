// The drawing window with the mean-time dial: the dial, its graph and its information
// drawing on screen and printed, the pair of plots and of DXF drawings, and a refused cone
// that leaves both old files.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFenster.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
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

    Aufbau()
    {
        initialisiereZustand(s);
        s.UhrTyp = 'm';
        SchiefeUndTierkreis(s, s.Par.Jahr);
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
        auto w = std::make_unique<ZeichenFenster>(s, z, prompt, std::move(d));
        w->resize(1100, 760);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
        return w;
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

void pruefePdf(const QString& datei)
{
    QFile f(datei);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(datei));
    const QByteArray inhalt = f.readAll();
    QVERIFY(inhalt.startsWith("%PDF"));
    QVERIFY2(inhalt.size() > 3000, qPrintable(QString::number(inhalt.size())));
}

void exportiere(Aufbau& a, ZeichenFenster& w, bool alsHpgl, const char* name)
{
    w.dxfClick(alsHpgl, false, true);
    a.gespeichert = QString::fromStdString(a.pfad(name));
    w.BtnWeiterClick();
}

} // namespace

class KegelFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsAndPrintsDialGraphAndInformation()
    {
        Aufbau a;
        auto w = a.fenster();
        QVERIFY(farbigePixel(w->bildflaeche()->bild()) > 2000);
        w->grab().save(QStringLiteral(UMBRIN_BINARY_DIR "/kegel_zeichnung.png"));
        auto* holl = w->findChild<QPushButton*>("BitBtnHoll");
        QVERIFY(holl && holl->isVisible());

        a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
        w->druckeZeichnung();
        pruefePdf(a.pdf);

        QTest::mouseClick(holl, Qt::LeftButton);
        auto* grafik = w->findChild<QFrame*>("pHoll");
        QVERIFY(grafik->isVisible());
        auto* image3 = w->findChild<QLabel*>("Image3");
        QVERIFY(farbigePixel(image3->pixmap().toImage()) > 1000);
        a.pdf = QString::fromStdString(a.pfad("grafik.pdf"));
        QTest::mouseClick(w->findChild<QPushButton*>("BitBtnDruHo"), Qt::LeftButton);
        pruefePdf(a.pdf);
        w->grab().save(QStringLiteral(UMBRIN_BINARY_DIR "/kegel_grafik.png"));
        // A language switch redraws the open graph in the new language.
        setzeSprache(a.s, false);
        w->aktualisiereSprache(a.s);
        QVERIFY(farbigePixel(image3->pixmap().toImage()) > 1000);
        setzeSprache(a.s, true);
        w->aktualisiereSprache(a.s);
        QTest::mouseClick(holl, Qt::LeftButton);
        QVERIFY(!grafik->isVisible());

        w->sInfo();
        QVERIFY(w->fensterzustand().InfoAngezeigt);
        auto* image2 = w->findChild<QLabel*>("Image2");
        QVERIFY(farbigePixel(image2->pixmap().toImage()) > 500);
        a.pdf = QString::fromStdString(a.pfad("info.pdf"));
        w->druckeZeichnung();
        pruefePdf(a.pdf);
        w->grab().save(QStringLiteral(UMBRIN_BINARY_DIR "/kegel_info.png"));
        for (const auto& f : a.prompt.asked)
            QVERIFY2(f.text.find("Fehler") == std::string::npos, f.text.c_str());
    }

    void exportsBothSheetsAndARefusedConeKeepsThem()
    {
        Aufbau a;
        auto w = a.fenster();
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 300));
        exportiere(a, *w, true, "dial.plt");
        exportiere(a, *w, false, "dial.dxf");
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
            exportiere(a, *w, std::string(n) == "dial.plt", n);
            QCOMPARE(test::dateiText(a.pfad(n)), uhr);
            QCOMPARE(test::dateiText(a.pfad(std::string(n) == "dial.plt" ? "dialCone.plt" : "dialCone.dxf")), kegel);
            QVERIFY(!a.prompt.asked.empty());
            QVERIFY(a.prompt.asked.back().text.find("Eingabefehler") != std::string::npos);
        }
    }
};

QTEST_MAIN(KegelFensterTest)
#include "tst_kegelfenster.moc"
