// The drawing window with the altitude dials: it constructs, prints and exports 'k', 'b' and
// the shepherd's cylinder, prints the ham dial in ham mode, and a refused export leaves the
// file that was there.
#include "drawing/KartenText.h"
#include "drawing/ZeichnungExport.h"
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
        LadeKartenText(s);
        s.UhrTyp = typ;
        s.Schalter.ZylinderArt = 0;
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

void pruefePdf(const QString& datei)
{
    QFile f(datei);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(datei));
    const QByteArray inhalt = f.readAll();
    QVERIFY(inhalt.startsWith("%PDF"));
    QVERIFY2(inhalt.size() > 10000, qPrintable(QString::number(inhalt.size())));
}

QString bildOrdner()
{
    const QString ordner = QStringLiteral(UMBRIN_BINARY_DIR "/screenshots");
    QDir().mkpath(ordner);
    return ordner;
}

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
            QVERIFY2(farbigePixel(w->bildflaeche()->bild()) > 3000, f.name);
            QVERIFY(w->grab().save(bildOrdner() + "/hoehenuhr_" + f.name + ".png"));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            pruefePdf(a.pdf);

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
        QVERIFY(farbigePixel(linien) > 1000);
        QVERIFY(w->grab().save(bildOrdner() + "/schinken_linien.png"));
        a.pdf = QString::fromStdString(a.pfad("schinken.pdf"));
        w->BildDrucken();
        pruefePdf(a.pdf);

        // Marked hour points, shown instead of the hour lines, and printed.
        for (const QPoint p : {QPoint(500, 300), QPoint(560, 330), QPoint(620, 380), QPoint(650, 450)})
            QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::ControlModifier, p);
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
        QCOMPARE(a.s.StundenpunkteZeigen, std::uint8_t{1});
        w->Konstruiere();
        QVERIFY(farbigePixel(w->bildflaeche()->bild()) < farbigePixel(linien));
        QVERIFY(w->grab().save(bildOrdner() + "/schinken_punkte.png"));
        a.pdf = QString::fromStdString(a.pfad("schinken_punkte.pdf"));
        w->BildDrucken();
        pruefePdf(a.pdf);
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
                w->dxfClick(QString(name).endsWith(".plt"), false, true);
                a.gespeichert = QString::fromStdString(a.pfad(name));
                a.prompt.asked.clear();
                w->BtnWeiterClick();
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
