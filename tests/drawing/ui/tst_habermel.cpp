// The drawing window with the vertical Habermel dials I and II and the biazimuthal dial: each
// draws, prints to a PDF and exports a plot and a DXF drawing that real readers accept; a dial
// that cannot be built is refused before any file is touched, and never reported as saved.
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

#include <functional>

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

    bool gespeichertGemeldet() const
    {
        for (const auto& f : prompt.asked)
            if (f.text.find("saved!") != std::string::npos)
                return true;
        return false;
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
            QVERIFY2(farbigePixel(bild) > 3000, f.name);
            if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                bild.save(QString("%1/%2.png").arg(ordner, f.name));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            QFile pdf(a.pdf);
            QVERIFY2(pdf.open(QIODevice::ReadOnly), f.name);
            QVERIFY(pdf.readAll().size() > 10000);
            if (const char* ordner = std::getenv("UMBRIN_BILDER"))
                QFile::copy(a.pdf, QString("%1/%2.pdf").arg(ordner, f.name));

            // The biazimuthal plot asks for the grid: Yes, 20 mm.
            a.prompt.textAnswers.push_back("20");
            a.exportiere(*w, true, "dial.plt");
            QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("dial.plt"))), QString());
            QVERIFY2(a.gespeichertGemeldet(), f.name);
            a.exportiere(*w, false, "dial.dxf");
            QVERIFY(QFile::exists(QString::fromStdString(a.pfad("dial.dxf"))));
            if (test::ezdxfDa())
                QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("dial.dxf"))), QString());
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
            a.exportiere(*w, true, "alt.plt");
            QCOMPARE(test::dateiText(alt), std::string("IN;old plot;"));
            QVERIFY2(!a.gespeichertGemeldet(), f.name);
            QVERIFY2(a.prompt.asked.size() > vorher, f.name); // the refusal was shown

            a.pdf = QString::fromStdString(a.pfad("nie.pdf"));
            w->BildDrucken();
            QVERIFY2(!QFile::exists(a.pdf), f.name);
        }
    }
};

QTEST_MAIN(HabermelFensterTest)
#include "tst_habermel.moc"
