// The edit-field readers and the message boxes.
#include "support/ScriptedPrompt.h"

#include "core/Sprachdienst.h"
#include "core/ui/Eingabefelder.h"
#include "core/ui/FontVorhanden.h"
#include "core/ui/MeldungsFenster.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace umbrin;
using umbrin::test::ScriptedPrompt;

class TestEingabefelder : public QObject {
    Q_OBJECT
private slots:
    void realFieldRestoresReportsAndTakes();
    void intFieldOkAsksAgainCancelKeepsOld();
    void intAgainYesAndNo();
    void realRangeKeepsOldValue();
    void messageBoxShowsTitleOfLanguageAndAnswers();
    void fontTest();
};

void TestEingabefelder::realFieldRestoresReportsAndTakes()
{
    AppState s;
    ScriptedPrompt prompt;
    QLineEdit feld;
    double x = 47.25;
    bool err = true;
    pruefRealFeld(s, prompt, &feld, x, err);
    QVERIFY(!err);
    QCOMPARE(feld.text(), QStringLiteral("  47.25"));
    QVERIFY(prompt.asked.empty());

    feld.setText(QStringLiteral("abc"));
    pruefRealFeld(s, prompt, &feld, x, err);
    QVERIFY(err);
    QCOMPARE(x, 47.25);
    QCOMPARE(feld.text(), QStringLiteral("  47.25"));
    QCOMPARE(prompt.asked.size(), std::size_t{1});

    feld.setText(QStringLiteral("\u2212" "9,5\t")); // pasted: an exponent would be refused
    pruefRealFeld(s, prompt, &feld, x, err);
    QVERIFY(!err);
    QCOMPARE(x, -9.5);
}

void TestEingabefelder::intFieldOkAsksAgainCancelKeepsOld()
{
    AppState s;
    ScriptedPrompt prompt;
    QLineEdit feld(QStringLiteral("3000"));
    std::int32_t jahr = 2020;
    bool err = false;
    prompt.answers = {PromptAnswer::Ok};
    pruefInt(s, prompt, &feld, 1300, 2500, "Jahr", jahr, err);
    QVERIFY(err);
    QCOMPARE(jahr, 2020);
    QCOMPARE(feld.text(), QStringLiteral("2020")); // the value kept
    QCOMPARE(prompt.asked.back().text, std::string("Jahr=3000 Zulässiger Wertebereich ist [1300..2500] !"));
    QCOMPARE(prompt.asked.back().buttons, PromptButtons::OkCancel);

    prompt.answers = {PromptAnswer::Cancel};
    pruefInt(s, prompt, &feld, 1300, 2500, "Jahr", jahr, err);
    QVERIFY(!err);
    QCOMPARE(jahr, 2020);
    QCOMPARE(feld.text(), QStringLiteral("2020"));

    feld.setText(QStringLiteral(" 2024\t")); // pasted from a spreadsheet
    pruefInt(s, prompt, &feld, 1300, 2500, "Jahr", jahr, err);
    QVERIFY(!err);
    QCOMPARE(jahr, 2024);
    QCOMPARE(feld.text(), QStringLiteral("2024"));

    feld.clear();
    pruefInt(s, prompt, &feld, 1300, 2500, "Jahr", jahr, err);
    QCOMPARE(feld.text(), QStringLiteral("2024"));
}

void TestEingabefelder::intAgainYesAndNo()
{
    AppState s;
    ScriptedPrompt prompt;
    QLineEdit feld(QStringLiteral("61"));
    std::int32_t minuten = 5;
    bool err = false;
    prompt.answers = {PromptAnswer::Yes, PromptAnswer::No};
    pruefIntNochmals(s, prompt, &feld, 0, 59, "Min", minuten, err);
    QVERIFY(err);
    pruefIntNochmals(s, prompt, &feld, 0, 59, "Min", minuten, err);
    QVERIFY(!err);
    QCOMPARE(minuten, 5);
    QCOMPARE(feld.text(), QStringLiteral("5"));
}

void TestEingabefelder::realRangeKeepsOldValue()
{
    AppState s;
    ScriptedPrompt prompt;
    QLineEdit feld(QStringLiteral("95"));
    double breite = 47.25;
    bool err = false;
    pruefRealBereich(s, prompt, &feld, breite, "Breite", -90.0, 90.0, err);
    QVERIFY(err);
    QCOMPARE(breite, 47.25);
    QCOMPARE(feld.text(), QStringLiteral("   47.25"));

    feld.setText(QStringLiteral("x"));
    pruefRealBereich(s, prompt, &feld, breite, "Breite", -90.0, 90.0, err);
    QVERIFY(err);
    QCOMPARE(breite, 47.25);
    QCOMPARE(feld.text(), QStringLiteral("   47.25"));

    feld.setText(QStringLiteral("\u2013" "33,5")); // pasted, with a German decimal comma
    pruefRealBereich(s, prompt, &feld, breite, "Breite", -90.0, 90.0, err);
    QVERIFY(!err);
    QCOMPARE(breite, -33.5);
}

void TestEingabefelder::messageBoxShowsTitleOfLanguageAndAnswers()
{
    AppState s;
    setzeSprache(s, false);
    QString titel, text;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                titel = box->windowTitle();
                text = box->text();
                box->button(QMessageBox::No)->click();
            }
        }
    });
    const PromptAnswer a = zeigeMeldungsFenster(s, 15, PromptTitle::Achtung, PromptIcon::Question, PromptButtons::YesNo);
    QCOMPARE(a, PromptAnswer::No);
    QCOMPARE(titel, QStringLiteral("UMBRIN.EXE - Attention!"));
    QCOMPARE(text, QStringLiteral("Foot of gnomon is outside the displayed area!\nDo you wish to cancel?"));
}

void TestEingabefelder::fontTest()
{
    QVERIFY(!FontVorhanden("Keine solche Schrift 12345"));
    const QStringList familien = QFontDatabase::families();
    if (familien.isEmpty())
        QSKIP("no fonts installed");
    QVERIFY(FontVorhanden(familien.first().toLower().toStdString()));
}

QTEST_MAIN(TestEingabefelder)
#include "tst_eingabefelder.moc"
