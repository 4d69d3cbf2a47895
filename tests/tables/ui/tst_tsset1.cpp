#include "tables/ui/Tsset1.h"

#include "core/Sprachdienst.h"
#include "core/ui/DruckListe.h"
#include "core/ui/RadioGruppe.h"
#include "shell/Menue.h"
#include "shell/ui/Fensterbauer.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/Textdruck.h"
#include "drawing/KartenText.h"
#include "support/ScriptedPrompt.h"
#include "support/ui/Eingabetexte.h"
#include "TabellenfensterAufbau.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace umbrin;

namespace {

bool enthaelt(const std::vector<std::string>& zeilen, const std::string& zeile)
{
    return std::find(zeilen.begin(), zeilen.end(), zeile) != zeilen.end();
}

int gefragt(const test::ScriptedPrompt& p, const std::string& teil)
{
    return static_cast<int>(std::count_if(p.asked.begin(), p.asked.end(),
                                          [&](const auto& f) { return f.text.find(teil) != std::string::npos; }));
}

void verlasse(QLineEdit* feld, const QString& text)
{
    feld->setText(text);
    QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(feld, &weg);
}

using Rechnung = test::RechenfensterAufbau;
using test::kind;

int pdfSeiten(const QString& datei) { return test::pdfSeiten(datei).anzahl; }

} // namespace

class Tsset1Test : public QObject {
    Q_OBJECT
private slots:
    void eachModeComputesAndPrintsIntoAPdf_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QString>("label");
        QTest::newRow("rise and set") << 1 << "lAufgang";
        QTest::newRow("position") << 2 << "p2Hoehe";
        QTest::newRow("azimuth") << 4 << "p3Zeit";
        QTest::newRow("equation of time") << 8 << "lEoTEot";
    }
    void eachModeComputesAndPrintsIntoAPdf()
    {
        QFETCH(int, modus);
        QFETCH(QString, label);
        Rechnung r(modus);
        auto w = r.fenster();
        QVERIFY(w->Button3Click());
        QVERIFY(r.ergebnis.size() > 8);
        QCOMPARE(r.ergebnis[1], "  " + std::string(76, '_'));
        QCOMPARE(r.ergebnis.back(), r.ergebnis[1]);
        QCOMPARE(r.ergebnis[3], std::string("    Datum:           2024- 6-21"));
        QVERIFY(!w->findChild<QLabel*>(label)->text().isEmpty());
        w->Druckenmit1Click(true);
        QCOMPARE(r.geschlossen, 1);
        QVERIFY(r.ergebnis.empty());
        QCOMPARE(pdfSeiten(r.pdf()), 1);
    }

    void twoPrintsWithoutPageEndShareOnePage()
    {
        Rechnung r(8);
        auto w = r.fenster();
        QVERIFY(w->Button3Click());
        const int block = static_cast<int>(r.ergebnis.size());
        w->Druckenmit1Click(false);
        QVERIFY(w->Button3Click());
        w->Druckenmit1Click(false);
        QCOMPARE(r.geschlossen, 0);
        QVERIFY(r.liste);
        // Courier at a real 11 points on the printer.
        QCOMPARE(r.liste->schrift().pixelSize(), static_cast<int>(std::lround(11 * r.drucker.resolution() / 72.0)));
        w->DruckenLfeed1Click();
        QCOMPARE(r.geschlossen, 1);
        QCOMPARE(r.zeilen, 2 * block);
        QCOMPARE(r.seiten, 1);
        QCOMPARE(pdfSeiten(r.pdf()), 1);
        QCOMPARE(static_cast<int>(r.ergebnis.size()), block);
    }

    void octoberOf1582LosesItsTenDays()
    {
        Rechnung r(1);
        auto w = r.fenster();
        verlasse(kind<QLineEdit>(w.get(), "edJahr"), QStringLiteral("1582"));
        verlasse(kind<QLineEdit>(w.get(), "edMonat"), QStringLiteral("10"));
        for (int tag : {4, 15}) {
            verlasse(kind<QLineEdit>(w.get(), "edTag"), QString::number(tag));
            QCOMPARE(r.tag, tag);
        }
        QCOMPARE(gefragt(r.prompt, "1582/10/15"), 0);
        verlasse(kind<QLineEdit>(w.get(), "edTag"), QStringLiteral("10"));
        QCOMPARE(r.tag, 15);
        QCOMPARE(kind<QLineEdit>(w.get(), "edTag")->text(), QStringLiteral("15"));
        QCOMPARE(gefragt(r.prompt, "1582/10/15"), 1);
        QCOMPARE(r.prompt.asked.back().title, PromptTitle::Problem);

        // Typed and computed at once, without leaving the field.
        kind<QLineEdit>(w.get(), "edTag")->setText(QStringLiteral("12"));
        QVERIFY(w->Button3Click());
        QCOMPARE(gefragt(r.prompt, "1582/10/15"), 2);
        QVERIFY(enthaelt(r.ergebnis, "    Datum:           1582-10-15"));
    }

    void aLongitudeFarFromTheZoneMeridianAsksFirst_data()
    {
        QTest::addColumn<QString>("laenge");
        QTest::addColumn<bool>("fragt");
        QTest::newRow("default place") << "-9.59" << false;
        QTest::newRow("15 degrees") << "0" << true;
        QTest::newRow("14.5 degrees") << "-0.5" << true;
        QTest::newRow("14 degrees") << "-1" << false;
    }
    void aLongitudeFarFromTheZoneMeridianAsksFirst()
    {
        QFETCH(QString, laenge);
        QFETCH(bool, fragt);
        Rechnung r(8);
        auto w = r.fenster();
        verlasse(kind<QLineEdit>(w.get(), "edZone"), QStringLiteral("-15"));
        verlasse(kind<QLineEdit>(w.get(), "edLongitude"), laenge);
        r.prompt.answers = {PromptAnswer::No};
        const bool fertig = w->Button3Click();
        QCOMPARE(gefragt(r.prompt, "mehr als 15 Grad"), fragt ? 1 : 0);
        QCOMPARE(fertig, !fragt);
        if (fragt) {
            QVERIFY(r.ergebnis.back() != "  " + std::string(76, '_'));
            // Yes clears the question until the place changes again.
            QVERIFY(w->Button3Click());
            QVERIFY(w->Button3Click());
            QCOMPARE(gefragt(r.prompt, "mehr als 15 Grad"), 2);
        }
    }

    void outOfRangeFieldsAreRefused()
    {
        Rechnung r(4);
        auto w = r.fenster();
        auto* jahr = kind<QLineEdit>(w.get(), "edJahr");
        for (const char* falsch : {"1299", "2501", "x", "", "2024,5"}) {
            const auto meldungen = r.prompt.asked.size();
            verlasse(jahr, QString::fromLatin1(falsch));
            QCOMPARE(jahr->text(), QStringLiteral("2024"));
            QCOMPARE(r.s.Par.Jahr, 2024);
            QCOMPARE(r.prompt.asked.size(), meldungen + 1); // each refusal says why
        }
        QCOMPARE(gefragt(r.prompt, "= 2024.5\n\rDas ist keine ganze Zahl."), 1);
        auto* azimut = kind<QLineEdit>(w.get(), "p3Azi");
        verlasse(azimut, QStringLiteral("180"));
        QCOMPARE(r.s.AzimutEingabe, 180.0);
        verlasse(azimut, QStringLiteral("180.5"));
        QCOMPARE(azimut->text(), QStringLiteral("180.00"));
        QCOMPARE(r.s.AzimutEingabe, 180.0);

        // A text that never left its field is refused when the computation starts.
        jahr->setText(QStringLiteral("2501"));
        const auto vorher = r.prompt.asked.size();
        QVERIFY(!w->Button3Click());
        QCOMPARE(r.prompt.asked.size(), vorher + 1);
        QVERIFY(r.prompt.asked.back().text.find("2501") != std::string::npos);
        QCOMPARE(r.s.Par.Jahr, 2024);

        // An empty azimuth stops the computation.
        jahr->setText(QStringLiteral("2024"));
        azimut->clear();
        QVERIFY(!w->Button3Click());
        QCOMPARE(azimut->text(), QStringLiteral("Eingabe?"));
    }

    void timeFieldTakesOnlyClockTimes()
    {
        Rechnung r(2);
        auto w = r.fenster();
        auto* zeit = kind<QLineEdit>(w.get(), "Uhrzeit");
        QCOMPARE(zeit->text(), QStringLiteral("12:00:00"));
        verlasse(zeit, QStringLiteral("7 30"));
        QCOMPARE(zeit->text(), QStringLiteral("07:30:00"));
        QCOMPARE(r.s.ZeitEingabe, 7.5 / 24.0);
        verlasse(zeit, QStringLiteral("25:99")); // refused quoting it; the time kept is shown
        QCOMPARE(zeit->text(), QStringLiteral("07:30:00"));
        QCOMPARE(gefragt(r.prompt, "= 25:99"), 1);
        QCOMPARE(r.s.ZeitEingabe, 7.5 / 24.0);
        // Enter computes at once: the unread text is refused with a message.
        zeit->setText(QStringLiteral("25:99"));
        QTest::keyClick(zeit, Qt::Key_Return);
        QVERIFY(r.prompt.asked.back().text.find("25:99") != std::string::npos);
        zeit->setText(QStringLiteral("9:15"));
        QTest::keyClick(zeit, Qt::Key_Return);
        QVERIFY(enthaelt(r.ergebnis, std::string(11, ' ') + "Uhrzeit:       09:15:00"));
    }

    void modeFourBelowTheHorizonAndModeEightAtNoon()
    {
        Rechnung r(4);
        auto w = r.fenster();
        kind<QLineEdit>(w.get(), "p3Azi")->setText(QStringLiteral("-150"));
        QVERIFY(w->Button3Click());
        QVERIFY(enthaelt(r.ergebnis, std::string(11, ' ') + "Die Sonne steht unter dem Horizont!"));
        QVERIFY(kind<QLabel>(w.get(), "p3Hoehe")->text().startsWith(QStringLiteral("-")));

        Rechnung e(8);
        auto w8 = e.fenster();
        QVERIFY(w8->Button3Click());
        QVERIFY(enthaelt(e.ergebnis, std::string(25, ' ') + "   Werte für 12 Uhr Zonenzeit"));
    }

    void altAloneKeepsTheResults()
    {
        Rechnung r(8);
        auto w = r.fenster();
        QVERIFY(w->Button3Click());
        auto* eot = kind<QLabel>(w.get(), "lEoTEot");
        QVERIFY(!eot->text().isEmpty());
        auto* jahr = kind<QLineEdit>(w.get(), "edJahr");
        QKeyEvent alt(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
        QApplication::sendEvent(jahr, &alt);
        QVERIFY(!eot->text().isEmpty());
        QKeyEvent ziffer(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
        QApplication::sendEvent(jahr, &ziffer);
        QVERIFY(eot->text().isEmpty());
    }

    void twilightChoiceRecomputesTheDay()
    {
        Rechnung r(1);
        auto w = r.fenster();
        QVERIFY(w->Button3Click());
        const QString buergerlich = kind<QLabel>(w.get(), "lAnfang")->text();
        w->RGDawn2Click(2);
        QCOMPARE(r.s.Schalter.Daemmerung, 2);
        QVERIFY(kind<QLabel>(w.get(), "lAnfang")->text() < buergerlich);
    }

    void englishCaptions()
    {
        Rechnung r(1);
        setzeSprache(r.s, false);
        auto w = r.fenster();
        QCOMPARE(w->windowTitle(), QStringLiteral("Position of the Sun - Calculations"));
        QCOMPARE(kind<QPushButton>(w.get(), "Button1")->text(), QStringLiteral(" &Evaluation"));
        QVERIFY(w->Button3Click());
        QVERIFY(enthaelt(r.ergebnis, "    Date :           2024- 6-21"));
    }

    void keyFiltersPassOnlyTheirCharacters()
    {
        Rechnung r(2);
        auto w = r.fenster();
        const struct {
            const char* feld;
            const char* getippt;
            const char* ergebnis;
        } faelle[] = {{"edJahr", "20a-2.4", "2024"},
                      {"edLatitude", "-4x7.5", "-47.5"},
                      {"edZone", "-1,5", "-1,5"},
                      {"edLongitude", "8\u0663.5", "8.5"}, // a digit of another script
                      {"Uhrzeit", "7 3a0", "7:30"}};
        for (const auto& f : faelle) {
            auto* feld = kind<QLineEdit>(w.get(), f.feld);
            feld->clear();
            test::tippeTasten(feld, QString::fromUtf8(f.getippt));
            QCOMPARE(feld->text(), QString::fromUtf8(f.ergebnis));
        }
    }

    void aPageEndLetsTheNextResultsStartANewPage()
    {
        AppState s;
        initialisiereZustand(s);
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.path() + QStringLiteral("/seiten.pdf"));
        bool offen = false;
        {
            Textdruck druck(s, prompt, [&]() -> QPrinter& { return drucker; }, [] { return true; }, offen);
            std::vector<std::string> zeilen = {" ", "  __", "erster Block"};
            prompt.answers = {PromptAnswer::Yes, PromptAnswer::No};
            druck.druckeErgebnisZeilen(zeilen);
            QVERIFY(zeilen.empty());
            QVERIFY(offen);
            zeilen = {" ", "  __", "zweiter Block"};
            druck.druckeErgebnisZeilen(zeilen);
            QCOMPARE(zeilen.size(), 3u);
            druck.schliesse();
            QVERIFY(!offen);
        }
        QCOMPARE(pdfSeiten(ordner.path() + QStringLiteral("/seiten.pdf")), 2);
    }

    // The main window: its menu opens the window, F3 prints its results, Cancel drops the last
    // block, and a print of another window ends the open text job.
    void mainWindowOpensPrintsAndClosesTheTextJob()
    {
        test::HauptfensterAufbau h;
        auto [s, z, prompt, m] = std::tie(h.s, h.z, h.prompt, *h.w);
        m.setZeichnungsbauer(zeichnungsbauer());
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        for (int i : {menue::AufUntergang, menue::Sonnenstand, menue::Zonenzeit, menue::Zeitgleichung})
            QVERIFY(m.aktion(i)->isEnabled());
        m.aktion(menue::Zeitgleichung)->trigger();
        QApplication::processEvents();
        auto* w = qobject_cast<Tsset1*>(m.aktivesFenster());
        QVERIFY(w);
        QCOMPARE(s.Rechenmodus, 8);
        QVERIFY(!m.aktion(menue::Drucken)->isEnabled());
        QVERIFY(w->Button3Click());
        QVERIFY(m.aktion(menue::Drucken)->isEnabled());

        // Cancel: the block is dropped back to its opening separator.
        const std::size_t block = z.ErgebnisZeilen.size();
        z.ErgebnisZeilen.insert(z.ErgebnisZeilen.begin(), {" ", "  __ alt", "x"});
        prompt.answers = {PromptAnswer::Cancel};
        m.drucken();
        // Left: the three lines before and the block's blank line and opening separator.
        QCOMPARE(z.ErgebnisZeilen.size(), 5u);
        QCOMPARE(z.ErgebnisZeilen.back(), "  " + std::string(76, '_'));
        QVERIFY(!m.textdruck().istOffen());

        // No: printed, kept, the job stays open.
        QVERIFY(w->Button3Click());
        prompt.answers = {PromptAnswer::No};
        m.drucken();
        QVERIFY(m.textdruck().istOffen());
        QVERIFY(z.DruckDateiOffen);
        QCOMPARE(z.ErgebnisZeilen.size(), block);

        // The drawing window's print ends the text job before its own.
        s.UhrTyp = 'v';
        m.aufBildschirm1Click();
        QApplication::processEvents();
        QCOMPARE(m.aktivesFenster()->objectName(), QStringLiteral("Form5"));
        QVERIFY(m.textdruck().istOffen());
        m.aktion(menue::Drucken)->trigger();
        QVERIFY(!m.textdruck().istOffen());
        QVERIFY(!z.DruckDateiOffen);
        QCOMPARE(pdfSeiten(h.druck(1)), 1);
    }
};

QTEST_MAIN(Tsset1Test)
#include "tst_tsset1.moc"
