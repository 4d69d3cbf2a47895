#include "core/Sprachdienst.h"
#include "core/ui/DruckListe.h"
#include "core/ui/DruckSeite.h"
#include "dials/planar/PlanarHpgl.h"

#include "../../support/ScriptedPrompt.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace umbrin;

namespace {

using test::ScriptedPrompt;

void pdfDrucker(QPrinter& p, const QString& datei)
{
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(datei);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageOrientation(QPageLayout::Landscape);
}

} // namespace

class DruckSeiteTest : public QObject {
    Q_OBJECT
private slots:
    void printableAreaIsCentredAndCapped_data()
    {
        QTest::addColumn<int>("mmX");
        QTest::addColumn<int>("mmY");
        QTest::addColumn<int>("pixX");
        QTest::addColumn<int>("pixY");
        QTest::addColumn<int>("offX");
        QTest::addColumn<int>("offY");
        QTest::addColumn<bool>("hoch");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<int>("randX");
        QTest::addColumn<int>("randY");
        // One pixel is 0.1 mm here, so offsets read directly in tenths.
        QTest::newRow("no unprintable strip") << 297 << 210 << 2970 << 2100 << 0 << 0 << false << 2820 << 2000 << 75 << 50;
        QTest::newRow("5 mm strips") << 287 << 200 << 2870 << 2000 << 50 << 50 << false << 2820 << 1998 << 25 << 1;
        QTest::newRow("5 mm strips, portrait") << 200 << 287 << 2000 << 2870 << 50 << 50 << true << 2820 << 1998 << 25 << 1;
        QTest::newRow("wide right strip") << 280 << 210 << 2800 << 2100 << 20 << 0 << false << 2668 << 2000 << 131 << 50;
        QTest::newRow("600 dpi") << 287 << 200 << 6780 << 4724 << 118 << 118 << false << 2820 << 1998 << 25 << 1;
    }
    void printableAreaIsCentredAndCapped()
    {
        QFETCH(int, mmX);
        QFETCH(int, mmY);
        QFETCH(int, pixX);
        QFETCH(int, pixY);
        QFETCH(int, offX);
        QFETCH(int, offY);
        QFETCH(bool, hoch);
        DruckGeraet g{mmX, mmY, pixX, pixY, offX, offY, hoch};
        int breite = 0, hoehe = 0, randX = 0, randY = 0;
        QVERIFY(DruckBereich(g, breite, hoehe, randX, randY));
        QTEST(breite, "breite");
        QTEST(hoehe, "hoehe");
        QTEST(randX, "randX");
        QTEST(randY, "randY");
    }

    void aDeviceWithoutPixelsIsRefused()
    {
        int breite = 1, hoehe = 2, randX = 3, randY = 4;
        QVERIFY(!DruckBereich(DruckGeraet{297, 210, 0, 0, 0, 0, false}, breite, hoehe, randX, randY));
        QCOMPARE(breite, 1);
        QCOMPARE(randY, 4);
    }

    void pageIsMappedToTenthsOfAMillimetre()
    {
        QTemporaryDir dir;
        QPrinter drucker(QPrinter::HighResolution);
        pdfDrucker(drucker, dir.filePath(QStringLiteral("seite.pdf")));
        QPainter maler;
        DruckSeite seite;
        AppState s;
        ScriptedPrompt frage;
        QVERIFY(DruckBeginn(drucker, maler, seite, s, frage));
        QVERIFY(maler.isActive());
        QVERIFY(frage.asked.empty());
        QVERIFY(seite.DruckBreite > 2500 && seite.DruckBreite <= 2820);
        QVERIFY(seite.DruckHoehe > 1700 && seite.DruckHoehe <= 2000);
        // 100 mm of the page are 1000 logical units.
        const QPointF p = maler.transform().map(QPointF(1000, 1000));
        QVERIFY(qAbs(p.x() - 100.0 / 25.4 * drucker.resolution()) < 1.0);
        QVERIFY(qAbs(p.y() - 100.0 / 25.4 * drucker.resolution()) < 1.0);
        maler.drawRect(seite.DruckRandX, seite.DruckRandY, seite.DruckBreite, seite.DruckHoehe);
        QVERIFY(maler.end());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("seite.pdf"))).size() > 0);
    }

    void aPrinterThatCannotStartIsReportedOnce()
    {
        QPrinter drucker;
        pdfDrucker(drucker, QStringLiteral("/nonexistent-folder/seite.pdf"));
        QPainter maler;
        DruckSeite seite;
        AppState s;
        setzeSprache(s, false);
        ScriptedPrompt frage;
        QVERIFY(!DruckBeginn(drucker, maler, seite, s, frage));
        QVERIFY(!maler.isActive());
        QCOMPARE(frage.asked.size(), std::size_t{1});
        QCOMPARE(frage.asked[0].text, std::string("Could not configure printer! (Not ready)"));
        QCOMPARE(frage.asked[0].title, PromptTitle::Warnung);
        QCOMPARE(frage.asked[0].icon, PromptIcon::Warning);
    }

    void textLinesFlowOntoNewPagesAndAreClosedByTheNextPrintJob()
    {
        QTemporaryDir dir;
        QPrinter listenDrucker;
        pdfDrucker(listenDrucker, dir.filePath(QStringLiteral("liste.pdf")));
        DruckListe liste(listenDrucker);
        std::string fehler;
        QVERIFY(liste.oeffnen(fehler));
        liste.schreibe("Vertikale SONNENUHR\r\n     Geogr. Breite:");
        liste.zeilenende();
        liste.schriftgroesse(9);
        for (int i = 0; i < 150; ++i) {
            liste.schreibe("   12.345/  -6.789;");
            liste.zeilenende();
        }
        QCOMPARE(liste.zeilen(), 152);
        QVERIFY(liste.seiten() >= 2);

        // Starting a print job finishes the pending list first.
        QPrinter drucker;
        pdfDrucker(drucker, dir.filePath(QStringLiteral("bild.pdf")));
        QPainter maler;
        DruckSeite seite;
        AppState s;
        ScriptedPrompt frage;
        QVERIFY(DruckBeginn(drucker, maler, seite, s, frage, &liste));
        QVERIFY(!liste.istOffen());
        QVERIFY(maler.end());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("liste.pdf"))).size() > 0);
    }

    void planarCoordinateListGoesToThePrinter()
    {
        // The list of a plot printed instead of saved: construction data in 11 points, the
        // points in 9, page after page.
        QTemporaryDir dir;
        QPrinter drucker;
        pdfDrucker(drucker, dir.filePath(QStringLiteral("liste.pdf")));
        DruckListe liste(drucker);
        std::string fehler;
        QVERIFY(liste.oeffnen(fehler));
        AppState s;
        initialisiereZustand(s);
        ScriptedPrompt frage;
        frage.answers = {PromptAnswer::No};
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        PlanarHpglAuftrag a;
        a.Dateiname = "dial.plt";
        a.Gnomon = s.Par.Gnomonhoehe;
        a.ebene = ebenenParameter(s);
        schreibeHPGL_HorVertInkl(s, plot, &liste, frage, a);
        QVERIFY(liste.istOffen() && liste.schliessen(fehler) && !liste.istOffen());
        QVERIFY(liste.zeilen() > 200);
        QVERIFY(liste.seiten() >= 3);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("liste.pdf"))).size() > 0);
        QVERIFY(!plot.inhalt().empty());
    }
};

QTEST_MAIN(DruckSeiteTest)
#include "tst_druckseite.moc"
