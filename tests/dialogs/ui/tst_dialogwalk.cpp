#include "DialogTestHilfe.h"

#include "dialogs/ui/OrtUndZeitDialog.h"
#include "dialogs/ui/ParameterDialog.h"
#include "dialogs/ui/TypwahlDialog.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace umbrin;
using namespace umbrin::dialogtest;

namespace {

// Message boxes as real modal windows that close themselves: the focus leaves the dialog
// for each of them, as it does with the program's message boxes.
class FensterPrompt : public UserPrompt {
public:
    int anzahl = 0;
    PromptAnswer ask(PromptTitle, PromptIcon, const std::string&, PromptButtons knoepfe) override
    {
        ++anzahl;
        QDialog box;
        auto* ok = new QPushButton(QStringLiteral("OK"), &box);
        ok->setFocus();
        QTimer::singleShot(20, &box, &QDialog::accept);
        box.exec();
        return knoepfe == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};

} // namespace

class DialogWalkTest : public QObject {
    Q_OBJECT

    AppState s;
    SkriptPrompt prompt;
    TestShell shell;
    std::unique_ptr<DialogWalk> walk;
    std::unique_ptr<DialogUmgebung> umgebung;

private slots:
    void init()
    {
        s = AppState{};
        initialisiereZustand(s);
        s.FensterFrei = 1;
        shell = TestShell{};
        walk = std::make_unique<DialogWalk>(s, shell);
        umgebung = std::make_unique<DialogUmgebung>(s, prompt, walk.get());
        shell.fabrik = [this](Arbeitsfenster f) -> QWidget* {
            switch (f) {
            case Arbeitsfenster::OrtUndZeit:
                return new OrtUndZeitDialog(*umgebung);
            case Arbeitsfenster::Typwahl:
                return new TypwahlDialog(*umgebung);
            case Arbeitsfenster::Parameter:
                return new ParameterDialog(*umgebung);
            case Arbeitsfenster::Zeichnung:
                return nullptr;
            }
            return nullptr;
        };
    }
    void cleanup()
    {
        walk->beenden();
        for (const QPointer<QWidget>& w : shell.offen)
            delete w.data();
        loeschVerzoegerte();
    }

    void cancelEndsTheWalkThenAWalkReachesTheDrawing()
    {
        // Cancel at the chooser closes it and opens nothing.
        walk->starten();
        qobject_cast<OrtUndZeitDialog*>(shell.letztes())->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        loeschVerzoegerte();
        auto* abgebrochen = qobject_cast<TypwahlDialog*>(shell.letztes());
        QVERIFY(abgebrochen);
        abgebrochen->findChild<QPushButton*>(QStringLiteral("btCancel"))->click();
        loeschVerzoegerte();
        QCOMPARE(s.DialogSchritt, std::uint8_t{0});
        QVERIFY(shell.letztes() == nullptr);
        QCOMPARE(shell.log.back(), std::string("close all"));

        // From the location through the chooser and the parameters to the drawing.
        walk->starten();
        auto* ort = qobject_cast<OrtUndZeitDialog*>(shell.letztes());
        QVERIFY(ort);
        QVERIFY(ort->windowTitle().endsWith(QStringLiteral("1")));
        auto* naechster = ort->findChild<QPushButton*>(QStringLiteral("btCancel"));
        QVERIFY(naechster->isVisibleTo(ort));
        ort->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        loeschVerzoegerte();
        auto* typ = qobject_cast<TypwahlDialog*>(shell.letztes());
        QVERIFY(typ);
        QCOMPARE(s.DialogSchritt, std::uint8_t{4});
        QVERIFY(typ->windowTitle().endsWith(QStringLiteral(" 2")));
        typ->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        loeschVerzoegerte();
        auto* parameter = qobject_cast<ParameterDialog*>(shell.letztes());
        QVERIFY(parameter);
        QCOMPARE(s.DialogSchritt, std::uint8_t{5});
        QCOMPARE(s.FensterFrei, std::uint8_t{0});
        QVERIFY(parameter->windowTitle().endsWith(QStringLiteral("3")));
        parameter->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        loeschVerzoegerte();
        QCOMPARE(s.DialogSchritt, std::uint8_t{0});
        QCOMPARE(shell.log.back(), std::string("open zeichnung"));
    }

    void aFailingLocationKeepsTheWalkUntilItsValuesPass()
    {
        walk->starten();
        auto* ort = qobject_cast<OrtUndZeitDialog*>(shell.letztes());
        ort->findChild<QLineEdit*>(QStringLiteral("Edit5"))->setText(QStringLiteral("3000"));
        prompt.answers = {PromptAnswer::Ok};
        ort->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        loeschVerzoegerte();
        QVERIFY(ort->isVisible());
        QCOMPARE(s.DialogSchritt, std::uint8_t{3});
        ort->findChild<QLineEdit*>(QStringLiteral("Edit5"))->setText(QStringLiteral("2024"));
        QVERIFY(ort->close());
        loeschVerzoegerte();
        QVERIFY(qobject_cast<TypwahlDialog*>(shell.letztes()));
        QCOMPARE(s.Par.Jahr, 2024);
    }

    void aMessageBoxTakingTheFocusDoesNotRunTheCheckAgain()
    {
        FensterPrompt fenster;
        DialogUmgebung u(s, fenster);
        auto* d = new OrtUndZeitDialog(u);
        zeigeAktiv(d);
        auto* breite = d->findChild<QLineEdit*>(QStringLiteral("Edit11"));
        breite->setFocus();
        breite->setText(QStringLiteral("95"));
        fenster.anzahl = 0;
        d->findChild<QLineEdit*>(QStringLiteral("Edit13"))->setFocus(Qt::TabFocusReason);
        QCOMPARE(fenster.anzahl, 1);
        QCOMPARE(s.Par.Breite, 47.25);
        breite->setText(QStringLiteral("47.25"));
        d->close();
        loeschVerzoegerte();
    }
};

QTEST_MAIN(DialogWalkTest)
#include "tst_dialogwalk.moc"
