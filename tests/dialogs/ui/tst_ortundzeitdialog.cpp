#include "DialogTestHilfe.h"

#include "core/Sprachdienst.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/ui/OrtUndZeitDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>


using namespace umbrin;
using namespace umbrin::dialogtest;

class OrtUndZeitDialogTest : public QObject, DialogAufbau {
    Q_OBJECT

private slots:
    void init() { neu(); }
    void cleanup() { loeschVerzoegerte(); }

    void decimalValuesThatPassReachTheStateAndBadOnesKeepTheOld()
    {
        auto* d = oeffne<OrtUndZeitDialog>();
        QLineEdit* breite = feld(d, "Edit11");
        QLineEdit* laenge = feld(d, "Edit13");

        tippe(breite, QStringLiteral("48.5"), laenge);
        QCOMPARE(s.Par.Breite, 48.5);
        QCOMPARE(feld(d, "Edit1")->text(), QStringLiteral("48"));
        QCOMPARE(feld(d, "Edit2")->text(), QStringLiteral("30"));

        prompt.asked.clear();
        tippe(breite, QStringLiteral("95"), laenge);
        QCOMPARE(s.Par.Breite, 48.5);
        QVERIFY(prompt.enthaelt("=95"));
        QVERIFY(prompt.enthaelt("[  -90.00, ...,   90.0] !"));

        // Letters cannot be typed into a decimal field; "," is the decimal mark every field reads.
        breite->setFocus();
        breite->clear();
        QTest::keyClicks(breite, QStringLiteral("4a7,5"));
        QCOMPARE(breite->text(), QStringLiteral("47,5"));
        schliesse(d);
    }

    void degreeFormStoresOnlyCheckedRowsAndFloorsTheLatitude()
    {
        DialogUmgebung& u = neueUmgebung();
        u.ort.dezimal = false;
        auto* d = new OrtUndZeitDialog(u);
        zeigeAktiv(d);
        QLineEdit* grad = feld(d, "Edit1");
        QLineEdit* minuten = feld(d, "Edit2");
        QLineEdit* sekunden = feld(d, "Edit8");
        auto* rg1 = d->findChild<RadioGruppe*>(QStringLiteral("RG1"));

        tippe(grad, QStringLiteral("0"), minuten);
        tippe(minuten, QStringLiteral("0"), sekunden);
        tippe(sekunden, QStringLiteral("0"), feld(d, "Edit3"));
        QCOMPARE(s.Par.Breite, 1e-6);
        rg1->setItemIndex(1);
        QVERIFY(d->pruefeAlles());
        QCOMPARE(s.Par.Breite, -1e-6);

        rg1->setItemIndex(0);
        tippe(grad, QStringLiteral("90"), minuten);
        tippe(minuten, QStringLiteral("30"), sekunden);
        QCOMPARE(s.Par.Breite, 90.0);

        // Minutes beyond 60 are refused once; the field shows the minutes kept, which the
        // complete check takes without asking again.
        prompt.asked.clear();
        prompt.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
        tippe(grad, QStringLiteral("45"), minuten);
        tippe(minuten, QStringLiteral("61"), sekunden);
        QVERIFY(prompt.enthaelt("=61"));
        QCOMPARE(minuten->text(), QStringLiteral("30"));
        QVERIFY(d->pruefeAlles());
        QCOMPARE(prompt.asked.size(), std::size_t{1});
        QCOMPARE(s.Par.Breite, 45.5); // 45 degrees with the 30 minutes kept

        // A longitude of 180 degrees 30 minutes never passes 180.
        tippe(minuten, QStringLiteral("0"), sekunden);
        tippe(feld(d, "Edit3"), QStringLiteral("180"), feld(d, "Edit4"));
        tippe(feld(d, "Edit4"), QStringLiteral("30"), feld(d, "Edit9"));
        QCOMPARE(std::abs(s.Par.Laenge), 180.0);
        prompt.answers.clear();
        schliesse(d);
    }

    void yearBoundsAndTheZoneMeridianQuestion()
    {
        auto* d = oeffne<OrtUndZeitDialog>();
        QLineEdit* jahr = feld(d, "Edit5");
        const struct {
            const char* text;
            int erwartet;
        } jahre[] = {{"1299", 2020}, {"1300", 1300}, {"2501", 1300}, {"2500", 2500}};
        s.Par.Jahr = 2020;
        for (const auto& j : jahre) {
            prompt.answers = {PromptAnswer::Ok};
            tippe(jahr, QString::fromLatin1(j.text), feld(d, "Edit11"));
            QCOMPARE(s.Par.Jahr, j.erwartet);
        }

        // Longitude 0.5 with zone -15: 15.5 degrees apart, the question comes; No keeps the
        // window open. With longitude 0 (exactly 15) no question.
        prompt.asked.clear();
        prompt.answers = {PromptAnswer::No};
        tippe(feld(d, "Edit13"), QStringLiteral("0.5"), feld(d, "Edit15"));
        QVERIFY(!d->pruefeAlles());
        QVERIFY(prompt.enthaelt("15"));
        QCOMPARE(prompt.asked.back().buttons, PromptButtons::YesNo);
        QCOMPARE(s.LaengeWeitVomZonenmeridian, std::uint8_t{1});
        prompt.asked.clear();
        tippe(feld(d, "Edit13"), QStringLiteral("0"), feld(d, "Edit15"));
        QVERIFY(d->pruefeAlles());
        QVERIFY(prompt.asked.empty());
        QCOMPARE(s.FensterFrei, std::uint8_t{1});
        schliesse(d);
    }

    void bothFormsFitTheirWindowInBothLanguages()
    {
        for (bool deutsch : {true, false}) {
            setzeSprache(s, deutsch);
            for (int schritt : {0, 1}) {
                s.DialogSchritt = static_cast<std::uint8_t>(schritt);
                DialogUmgebung& u = neueUmgebung();
                u.ort.dezimal = schritt == 0;
                auto* d = new OrtUndZeitDialog(u);
                zeigeAktiv(d);
                const QString name = QStringLiteral("ort_%1_%2").arg(deutsch ? "de" : "en").arg(schritt ? "walk" : "menu");
                const QStringList fehler = test::layoutFehler(d);
                QVERIFY2(fehler.isEmpty(), qPrintable(name + QLatin1Char('\n') + fehler.join(QLatin1Char('\n'))));
                speichereBild(d, name);
                s.DialogSchritt = 0;
                QVERIFY(schliesse(d));
            }
        }
    }
};

QTEST_MAIN(OrtUndZeitDialogTest)
#include "tst_ortundzeitdialog.moc"
