// The ring dial in the drawing window: drawn on opening, printed to PDF with its correction
// chart, exported as a plot and as a DXF drawing, the table written from the correction view,
// and an abandoned plot that keeps the old file.
#include "core/State.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFenster.h"
#include "shell/ShellZustand.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
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
        s.UhrTyp = 'r';
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

    bool gefragt(const char* teil) const
    {
        for (const auto& f : prompt.asked)
            if (f.text.find(teil) != std::string::npos)
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

void pruefePdf(const QString& datei)
{
    QFile f(datei);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(datei));
    const QByteArray inhalt = f.readAll();
    QVERIFY(inhalt.startsWith("%PDF"));
    QVERIFY2(inhalt.size() > 10000, qPrintable(QString::number(inhalt.size())));
}

} // namespace

class RingFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsPrintsAndExportsTheDial()
    {
        Aufbau a;
        auto w = a.fenster();
        QVERIFY(farbigePixel(w->bildflaeche()->bild()) > 2000);
        QVERIFY(w->findChild<QPushButton*>("BitBtnSchoe")->isVisible());

        a.pdf = QString::fromStdString(a.pfad("ring.pdf"));
        w->druckeZeichnung();
        pruefePdf(a.pdf);
        QVERIFY(!a.gefragt("Halbring"));
        // A ring whose half is wider than the page: a warning, and the print all the same.
        a.s.Par.RingDurchmesser = 200;
        a.pdf = QString::fromStdString(a.pfad("gross.pdf"));
        w->druckeZeichnung();
        pruefePdf(a.pdf);
        QVERIFY(a.gefragt("Der Halbring ist länger als der Druckbereich!"));
        a.s.Par.RingDurchmesser = 150;

        w->dxfClick(true, false, true);
        a.gespeichert = QString::fromStdString(a.pfad("ring.plt"));
        w->BtnWeiterClick();
        const std::string hpgl = test::dateiText(a.pfad("ring.plt"));
        QVERIFY(hpgl.rfind("IN;SS;PA;;SP 1;PU 400 9765;", 0) == 0);
        QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("ring.plt"))), QString());
        QVERIFY(a.gefragt("ring.plt saved!"));

        w->dxfClick(false, false, true);
        a.gespeichert = QString::fromStdString(a.pfad("ring.dxf"));
        w->BtnWeiterClick();
        QVERIFY(QFile::exists(a.gespeichert));
        if (test::ezdxfDa())
            QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("ring.dxf"))), QString());
        QVERIFY(test::dateiText(a.pfad("ring.dxf")).find("Ring-Sonnenuhr (Bauernring):") != std::string::npos);
    }

    void abortAtTheSizeQuestionKeepsTheOldFile()
    {
        Aufbau a;
        a.s.Par.RingDurchmesser = 251;
        auto w = a.fenster();
        {
            QFile alt(QString::fromStdString(a.pfad("alt.plt")));
            QVERIFY(alt.open(QIODevice::WriteOnly));
            alt.write("old");
        }
        a.prompt.asked.clear();
        a.prompt.answers = {PromptAnswer::Yes, PromptAnswer::Ok};
        w->dxfClick(true, false, true);
        a.gespeichert = QString::fromStdString(a.pfad("alt.plt"));
        w->BtnWeiterClick();
        QCOMPARE(QString::fromStdString(test::dateiText(a.pfad("alt.plt"))), QStringLiteral("old"));
        QVERIFY(a.gefragt("Soll der Druck abgebrochen werden?"));
        QVERIFY(a.gefragt("nicht geschrieben"));
        QVERIFY(!a.gefragt("saved"));
        QCOMPARE(QDir(a.ordner.path()).entryList(QDir::Files), QStringList({"alt.plt"}));

        // A ring without width is refused before any file is opened.
        a.s.Par.RingDurchmesser = 150;
        a.s.Par.RingBreite = 0;
        a.prompt.asked.clear();
        w->BtnWeiterClick();
        QVERIFY(a.gefragt("größer als 0"));
        QCOMPARE(QString::fromStdString(test::dateiText(a.pfad("alt.plt"))), QStringLiteral("old"));
    }

    void correctionViewDrawsPrintsAndWritesItsTable()
    {
        Aufbau a;
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(a.ordner.path());
        auto w = a.fenster();
        auto* knopf = w->findChild<QPushButton*>("BitBtnSchoe");
        auto* tabelle = w->findChild<QCheckBox*>("ChBSchoenerTabelle");
        QVERIFY(!tabelle->isVisible());
        knopf->click();
        QVERIFY(w->fensterzustand().SchoenerAnsicht);
        QVERIFY(tabelle->isVisible());
        QVERIFY(farbigePixel(w->bildflaeche()->bild()) > 2000);
        QVERIFY(!QFile::exists(QStringLiteral("Schoener-Tabelle.txt")));
        tabelle->setChecked(true);
        QCOMPARE(a.s.SchoenerTabelleSchreiben, std::uint8_t{1});
        const std::string text = test::dateiText(a.pfad("Schoener-Tabelle.txt"));
        QVERIFY(text.rfind("Ring Dial - Offset Correction  (alpha=30.0deg)\r\n", 0) == 0);

        a.pdf = QString::fromStdString(a.pfad("korrektur.pdf"));
        w->druckeZeichnung();
        pruefePdf(a.pdf);

        knopf->click();
        QVERIFY(!w->fensterzustand().SchoenerAnsicht);
        QVERIFY(!tabelle->isVisible());
        QDir::setCurrent(vorher);
    }
};

QTEST_MAIN(RingFensterTest)
#include "tst_ringfenster.moc"
