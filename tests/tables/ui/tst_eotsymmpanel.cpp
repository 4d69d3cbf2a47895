// The panel of the symmetric equation of time: the year field, each of the six counts saved
// as text and as CSV (the suffix following the filter), a cancelled save, a failed save that
// names the file, and the printout to PDF.
#include "support/ScriptedPrompt.h"
#include "support/ui/Eingabetexte.h"
#include "tables/ui/EoTSymmPanel.h"

#include "core/Sprachdienst.h"
#include "tables/EoTPaare.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace umbrin;

class EoTSymmPanelTest : public QObject {
    Q_OBJECT

    AppState s;
    test::ScriptedPrompt prompt;
    QTemporaryDir dir;
    std::unique_ptr<QWidget> fenster;
    EoTSymmPanel* panel = nullptr;
    QString antwort;
    int filter = 0;
    int geschlossen = 0;
    std::unique_ptr<QPrinter> drucker;

private slots:
    void init()
    {
        s = AppState{};
        initialisiereZustand(s);
        setzeSprache(s, true);
        s.Par.Jahr = 2024;
        prompt = {};
        geschlossen = 0;
        fenster = std::make_unique<QWidget>();
        EoTSymmDienste d;
        d.speichernDialog = [this](QWidget*, const QString&, const QString&, const QString&, int& index) {
            index = filter;
            return antwort;
        };
        d.drucker = [this] { return drucker.get(); };
        d.geschlossen = [this] { ++geschlossen; };
        panel = new EoTSymmPanel(s, prompt, d, fenster.get());
    }

    void yearFieldTakesYearsInRangeOnly()
    {
        panel->zeigen();
        QCOMPARE(panel->EdJahr->text(), QString("2024"));
        QTest::keyClicks(panel->EdJahr, "x19y");
        test::tippeTasten(panel->EdJahr, QStringLiteral("\u0661\u0669\u0967\uff15")); // digits of other scripts
        QKeyEvent zwei(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("1\u0661"));
        QApplication::sendEvent(panel->EdJahr, &zwei); // one key, two characters
        QCOMPARE(panel->EdJahr->text(), QString("202419"));
        panel->EdJahr->setText("1999");
        panel->EdJahrExit();
        QCOMPARE(s.Par.Jahr, 1999);
        prompt.answers = {PromptAnswer::Cancel};
        panel->EdJahr->setText("2600");
        panel->EdJahrExit();
        QCOMPARE(s.Par.Jahr, 1999);
        QCOMPARE(prompt.asked.size(), std::size_t{1});
    }

    void everyCountIsSavedAsTextAndCsv()
    {
        for (int item = 0; item < 6; ++item) {
            for (int f : {0, 1}) {
                panel->zeigen();
                panel->CbZeilen->setCurrentIndex(item);
                filter = f;
                antwort = dir.filePath("paare" + QString::number(item) + ".dat");
                panel->BitBtnSaveClick();
                const QString name = dir.filePath("paare" + QString::number(item) + (f == 1 ? ".csv" : ".txt"));
                QFile datei(name);
                QVERIFY2(datei.open(QIODevice::ReadOnly), qPrintable(name));
                const QList<QByteArray> zeilen = datei.readAll().split('\n');
                int daten = 0;
                for (const QByteArray& z : zeilen)
                    daten += z.contains(f == 1 ? ";;" : "//") && !z.contains("L1") ? 1 : 0;
                QCOMPARE(daten, EoTPaarZeilenzahl(EoTPaarSchritte[static_cast<std::size_t>(item)]));
                QVERIFY(prompt.asked.back().text.ends_with(" gespeichert!"));
                QVERIFY(panel->isHidden());
            }
        }
        QCOMPARE(geschlossen, 12);
    }

    void cancelledAndFailedSavesSaySo()
    {
        antwort.clear();
        panel->BitBtnSaveClick();
        QCOMPARE(prompt.asked.back().text, std::string("Aktion abgebrochen!"));
        antwort = dir.filePath("fehlt/paare.txt");
        filter = 0;
        panel->BitBtnSaveClick();
        QCOMPARE(prompt.asked.back().title, PromptTitle::Fehler);
        QVERIFY(prompt.asked.back().text.find("paare.txt") != std::string::npos);
        QVERIFY(!QFile::exists(antwort));
        QCOMPARE(geschlossen, 2);
    }

    void printsTheRecordsOnFivePages()
    {
        drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        drucker->setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir.filePath("paare.pdf");
        drucker->setOutputFileName(pdf);
        panel->zeigen();
        panel->CbZeilen->setCurrentIndex(5);
        panel->BitBtn3Click();
        drucker.reset();
        QFile datei(pdf);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray inhalt = datei.readAll();
        QCOMPARE(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r") + inhalt.count("/Type /Page>")
                     + inhalt.count("/Type /Page "),
                 qsizetype{5});
        QCOMPARE(s.EoTTabelle[144].Laenge, 180.0);
    }

    void fileNameFollowsTheFilter()
    {
        QCOMPARE(eotPaareDateiname("/a.b/EoT-Paare", 1), QString("/a.b/EoT-Paare.csv"));
        QCOMPARE(eotPaareDateiname("/a/EoT-Paare.csv", 0), QString("/a/EoT-Paare.txt"));
        QCOMPARE(eotPaareDateiname("/a/EoT-Paare", 2), QString("/a/EoT-Paare.txt"));
        QCOMPARE(eotPaareDateiname("/a/x.dat", 2), QString("/a/x.dat"));
    }
};

QTEST_MAIN(EoTSymmPanelTest)
#include "tst_eotsymmpanel.moc"
