// The drawing window with the filter-hat and polar-rod cylinders: it constructs, prints and
// exports both, and the polar rod's plot stands on the foot the click placed.
#include "drawing/KartenText.h"
#include "drawing/Platzierung.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFenster.h"
#include "shell/ShellZustand.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"

#include <QDir>
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

    explicit Aufbau(int art)
    {
        initialisiereZustand(s);
        LadeKartenText(s);
        s.UhrTyp = 'z';
        s.Schalter.ZylinderArt = static_cast<std::uint8_t>(art);
        s.Schalter.OhneZeitgl = 1;
        s.Schalter.Zonenzeit = 1;
        s.Schalter.Sonnenhoehe = 1;
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
        w->resize(1200, 800);
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

QString bildOrdner()
{
    const QString ordner = QStringLiteral(UMBRIN_BINARY_DIR "/screenshots");
    QDir().mkpath(ordner);
    return ordner;
}

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
            QVERIFY2(farbigePixel(w->bildflaeche()->bild()) > 3000, f.name);
            QVERIFY(w->grab().save(bildOrdner() + "/zylinder_" + f.name + ".png"));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            QFile pdf(a.pdf);
            QVERIFY2(pdf.open(QIODevice::ReadOnly), f.name);
            QVERIFY(pdf.readAll().size() > 10000);

            w->dxfClick(true, false, true);
            a.gespeichert = QString::fromStdString(a.pfad("dial.plt"));
            w->BtnWeiterClick();
            QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("dial.plt"))), QString());

            w->dxfClick(false, false, true);
            a.gespeichert = QString::fromStdString(a.pfad("dial.dxf"));
            w->BtnWeiterClick();
            QVERIFY(QFile::exists(a.gespeichert));
            if (test::ezdxfDa())
                QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("dial.dxf"))), QString());
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
        w->dxfClick(true, false, true);
        a.gespeichert = QString::fromStdString(a.pfad("fuss.plt"));
        w->BtnWeiterClick();
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
