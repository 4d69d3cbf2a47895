// The ring dial in the drawing window: drawn on opening, printed to PDF with its correction
// chart, exported as a plot and as a DXF drawing, the table written from the correction view,
// and an abandoned plot that keeps the old file.
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QtTest>

using namespace umbrin;

namespace {

struct Aufbau : test::ZeichenfensterAufbau {
    Aufbau() { s.UhrTyp = 'r'; }
};

} // namespace

class RingFensterTest : public QObject {
    Q_OBJECT
private slots:
    void drawsPrintsAndExportsTheDial()
    {
        Aufbau a;
        auto w = a.fenster();
        QVERIFY(test::farbigePixel(w->bildflaeche()->bild()) > 2000);
        QVERIFY(w->findChild<QPushButton*>("BitBtnSchoe")->isVisible());

        a.pdf = QString::fromStdString(a.pfad("ring.pdf"));
        w->druckeZeichnung();
        test::pruefePdf(a.pdf);
        QVERIFY(!a.gefragt("Halbring"));
        // A ring whose half is wider than the page: a warning, and the print all the same.
        a.s.Par.RingDurchmesser = 200;
        a.pdf = QString::fromStdString(a.pfad("gross.pdf"));
        w->druckeZeichnung();
        test::pruefePdf(a.pdf);
        QVERIFY(a.gefragt("Der Halbring ist länger als der Druckbereich!"));
        a.s.Par.RingDurchmesser = 150;
        // In the tropics the ring of a new file is too large for the A4 page: printed reduced.
        a.s.Par.Breite = 13.7;
        a.pdf = QString::fromStdString(a.pfad("tropen.pdf"));
        w->druckeZeichnung();
        test::pruefePdf(a.pdf);
        QVERIFY(a.gefragt("Der Ring wurde verkleinert gedruckt") && !a.gefragt("nichts gedruckt"));
        a.s.Par.Breite = 47.25;

        a.exportierePlot(*w, "ring.plt");
        const std::string hpgl = test::dateiText(a.pfad("ring.plt"));
        QVERIFY(hpgl.rfind("IN;SS;PA;;SP 1;PU 400 9765;", 0) == 0);
        QVERIFY(a.gefragt("ring.plt gespeichert!"));

        a.exportiereDxf(*w, "ring.dxf");
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
        a.exportiere(*w, true, "alt.plt");
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
        // The button keeps to the right, clear of the zodiac key at the lower left: at the
        // foot over the dial, at the top over the chart, whose scale numbers reach the foot.
        const QRect flaeche = w->bildflaeche()->rect();
        QVERIFY(knopf->geometry().left() > flaeche.width() / 2);
        QVERIFY(knopf->geometry().bottom() >= flaeche.height() - 2);
        knopf->click();
        QVERIFY(w->fensterzustand().SchoenerAnsicht);
        QVERIFY(tabelle->isVisible());
        QVERIFY(knopf->geometry().left() > flaeche.width() / 2 && knopf->geometry().top() <= 1);
        QVERIFY(!tabelle->geometry().intersects(knopf->geometry()));
        QVERIFY(test::farbigePixel(w->bildflaeche()->bild()) > 2000);
        QVERIFY(!QFile::exists(QStringLiteral("Schoener-Tabelle.txt")));
        tabelle->setChecked(true);
        QCOMPARE(a.s.SchoenerTabelleSchreiben, std::uint8_t{1});
        const std::string text = test::dateiText(a.pfad("Schoener-Tabelle.txt"));
        QVERIFY(text.rfind("Ring Dial - Offset Correction  (alpha=30.0deg)\r\n", 0) == 0);

        a.pdf = QString::fromStdString(a.pfad("korrektur.pdf"));
        w->druckeZeichnung();
        test::pruefePdf(a.pdf);

        knopf->click();
        QVERIFY(!w->fensterzustand().SchoenerAnsicht);
        QVERIFY(!tabelle->isVisible());
        QDir::setCurrent(vorher);
    }
};

QTEST_MAIN(RingFensterTest)
#include "tst_ringfenster.moc"
