#include "shell/ui/MainWindow.h"
#include "dialogs/IniText.h"
#include "shell/Menue.h"
#include "support/ScriptedPrompt.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <iterator>

using namespace umbrin;

namespace {
// A working window that refuses to close while told so, as a dialog with bad input does.
class Probefenster : public QWidget {
public:
    Probefenster(const QString& name, AppState& s, bool* zerstoert = nullptr)
        : s_(s), zerstoert_(zerstoert)
    {
        setObjectName(name);
    }
    ~Probefenster() override
    {
        if (zerstoert_)
            *zerstoert_ = true;
    }
    bool verweigern = false;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        s_.FensterFrei = verweigern ? 0 : 1;
        if (verweigern)
            e->ignore();
        else
            e->accept();
    }

private:
    AppState& s_;
    bool* zerstoert_;
};
} // namespace

std::string liesDatei(const QString& pfad)
{
    std::ifstream in(pfad.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithoutASettingsFileAndCreatesItOnConsent()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt; // answers Yes: create the missing file
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.show();
        QCoreApplication::processEvents();
        QVERIFY(QFileInfo::exists(ordner.filePath(QStringLiteral("umb.ini"))));
        QVERIFY(!prompt.asked.empty());
        QVERIFY(w.close());
    }

    void aGoodSettingsFileIsAppliedAndAFaultyOneIsBackedUpBeforeTheRebuild()
    {
        QTemporaryDir ordner;
        const QString ini = ordner.filePath(QStringLiteral("umb.ini"));
        {
            // Compose a good file with a latitude of -33.9 and English as its language.
            AppState vorlage;
            initialisiereZustand(vorlage);
            vorlage.IniDatei = ini.toStdString();
            vorlage.Par.Breite = -33.9;
            vorlage.Deutsch = 0;
            test::ScriptedPrompt still;
            QVERIFY(SchreibeNeueIni(vorlage, vorlage.IniDatei, still));
        }
        {
            AppState s;
            initialisiereZustand(s);
            ShellZustand z;
            test::ScriptedPrompt prompt;
            MainWindow w(s, z, prompt, nullptr, ordner.path());
            w.show();
        QCoreApplication::processEvents();
            QCOMPARE(s.Par.Breite, -33.9);
            QCOMPARE(s.Sprachspalte, 2);
            QCOMPARE(w.menuBar()->actions()[0]->text(), QStringLiteral("  &Files  "));
            QVERIFY(w.close());
        }
        // Spoil the latitude line: the faulty file must be kept as umb_ini.bak before a fresh one.
        std::string text = liesDatei(ini);
        const std::size_t a = text.find("\r\n") + 2;
        const std::string kaputt = text.substr(0, a) + "kaputt" + text.substr(text.find("\r\n", a));
        {
            std::ofstream out(ini.toStdString(), std::ios::binary | std::ios::trunc);
            out << kaputt;
        }
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt; // Yes: rebuild
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.show();
        QCoreApplication::processEvents();
        QCOMPARE(liesDatei(ordner.filePath(QStringLiteral("umb_ini.bak"))), kaputt);
        QVERIFY(liesDatei(ini) != kaputt);
        QVERIFY(w.close());
    }

    void loadingTheSettingsReportsLoadedOnlyForAFileThatWasRead()
    {
        QTemporaryDir ordner;
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.show();
        QCoreApplication::processEvents();
        const QString ini = ordner.filePath(QStringLiteral("umb.ini"));
        QFile::remove(ini);
        const auto geladen = [&prompt] {
            for (const auto& f : prompt.asked)
                if (f.text.find(" geladen!") != std::string::npos)
                    return true;
            return false;
        };
        // Missing and not created; then present but faulty and not rebuilt.
        for (const char* inhalt : {static_cast<const char*>(nullptr), "kaputt\r\n"}) {
            if (inhalt) {
                std::ofstream out(ini.toStdString(), std::ios::binary | std::ios::trunc);
                out << inhalt;
            }
            prompt.asked.clear();
            prompt.answers = {PromptAnswer::No};
            w.mLoadOptionsClick(false);
            QVERIFY(!prompt.asked.empty());
            QVERIFY(!geladen());
        }
        QCOMPARE(liesDatei(ini), std::string("kaputt\r\n"));
        // A good file is read and reported.
        {
            test::ScriptedPrompt still;
            AppState vorlage;
            initialisiereZustand(vorlage);
            QVERIFY(SchreibeNeueIni(vorlage, ini.toStdString(), still));
        }
        prompt.asked.clear();
        w.mLoadOptionsClick(false);
        QVERIFY(geladen());
        QVERIFY(w.close());
    }

    void opensWithTheCaptionAndMenusOfTheCurrentLanguage()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.show();
        QCoreApplication::processEvents();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("  Umbrin  v.  8.2"));
        QCOMPARE(w.menuBar()->actions().size(), 5);
        QCOMPARE(w.menuBar()->actions()[0]->text(), QStringLiteral("  &Datei  "));
        // The first showing adds the three default date lines and selects astronomical twilight.
        QCOMPARE(s.Datumslinien.size(), std::size_t(3));
        QCOMPARE(s.Schalter.Daemmerung, std::uint8_t(2));
        w.aktion(menue::Englisch)->trigger();
        QCOMPARE(w.menuBar()->actions()[0]->text(), QStringLiteral("  &Files  "));
        QCOMPARE(s.Sprachspalte, 2);
        QCOMPARE(s.StringIdBasis, 2000);
        w.aktion(menue::Deutsch)->trigger();
        QCOMPARE(w.aktion(menue::Eingabedaten)->text(), QString::fromUtf8("Eingabedaten für Sonnenuhr"));
        QVERIFY(w.close());
    }

    void keepsOneWorkingWindowAndWalksToTheDrawingWindow()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        QStringList geoeffnet;
        auto bauer = [&](const char* name) {
            return [&, name](MainWindow&) -> QWidget* {
                geoeffnet << QString::fromLatin1(name);
                return new Probefenster(QString::fromLatin1(name), s);
            };
        };
        w.setFensterbauer({bauer("Form6"), bauer("F4"), bauer("Form4"), bauer("Form5")});
        w.show();
        QCoreApplication::processEvents();

        w.Sonnenuhrerstellen2Click();
        QCOMPARE(s.DialogSchritt, std::uint8_t(1));
        QVERIFY(w.FensterOffen(QStringLiteral("Form6")));
        QVERIFY(!w.aktion(menue::ZeichnungErstellen)->isEnabled());

        w.Abbruch1Click();
        QCoreApplication::processEvents();
        QCOMPARE(s.DialogSchritt, std::uint8_t(0));
        QVERIFY(!w.FensterOffen(QStringLiteral("Form")));
        QVERIFY(w.aktion(menue::ZeichnungErstellen)->isEnabled());

        w.AuswahlSonnenuhrtyp1Click();
        w.Parameterfestlegen1Click(); // closes the chooser: one working window at a time
        QCoreApplication::processEvents();
        QVERIFY(!w.FensterOffen(QStringLiteral("F4")));
        QVERIFY(w.FensterOffen(QStringLiteral("Form4")));
        QCOMPARE(s.FensterFrei, std::uint8_t(0));
        QVERIFY(w.close());
        QCOMPARE(geoeffnet, (QStringList{"Form6", "F4", "Form4"}));
    }

    void theWalkWithTheRealDialogsReachesTheDrawingWindow()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        bool zeichnung = false;
        w.setZeichnungsbauer([&](MainWindow&) -> QWidget* {
            zeichnung = true;
            return new Probefenster(QStringLiteral("Form5"), s);
        });
        w.show();
        QCoreApplication::processEvents();

        w.Sonnenuhrerstellen2Click();
        QCoreApplication::processEvents();
        QVERIFY(w.FensterOffen(QStringLiteral("Form6")));
        QCOMPARE(s.DialogSchritt, std::uint8_t(1));
        w.Weiter1Click();
        QCoreApplication::processEvents();
        QVERIFY(!w.FensterOffen(QStringLiteral("Form6")));
        QVERIFY(w.FensterOffen(QStringLiteral("F4")));
        QCOMPARE(s.DialogSchritt, std::uint8_t(4));
        w.Weiter1Click();
        QCoreApplication::processEvents();
        QVERIFY(w.FensterOffen(QStringLiteral("Form4")));
        QCOMPARE(s.DialogSchritt, std::uint8_t(5));
        w.Weiter1Click();
        QCoreApplication::processEvents();
        QVERIFY(zeichnung);
        QVERIFY(w.FensterOffen(QStringLiteral("Form5")));
        QVERIFY(!w.FensterOffen(QStringLiteral("Form4")));
        QCOMPARE(s.DialogSchritt, std::uint8_t(0));
        QVERIFY(w.aktion(menue::ZeichnungErstellen)->isEnabled());
        QVERIFY(w.close());
    }

    void theLanguageSwitchRelabelsAnOpenDialog()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.show();
        QCoreApplication::processEvents();
        w.GeographischeLageundJahr1Click();
        QCoreApplication::processEvents();
        QWidget* dialog = w.aktivesFenster();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("Form6"));
        const QString deutsch = dialog->windowTitle();
        auto knopf = [&] {
            QStringList texte;
            for (auto* b : dialog->findChildren<QAbstractButton*>())
                texte << b->text();
            return texte.join(QLatin1Char('|'));
        };
        const QString knoepfeDeutsch = knopf();
        w.aktion(menue::Englisch)->trigger();
        QVERIFY(dialog->windowTitle() != deutsch || knopf() != knoepfeDeutsch);
        w.aktion(menue::Deutsch)->trigger();
        QCOMPARE(dialog->windowTitle(), deutsch);
        QCOMPARE(knopf(), knoepfeDeutsch);
        QVERIFY(w.close());
    }

    void cancelInTheWalkClosesTheDialogAndOpensNothing()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.show();
        QCoreApplication::processEvents();
        w.Sonnenuhrerstellen2Click();
        w.Weiter1Click();
        QCoreApplication::processEvents();
        QVERIFY(w.FensterOffen(QStringLiteral("F4")));
        w.Abbruch1Click();
        QCoreApplication::processEvents();
        QVERIFY(!w.FensterOffen(QStringLiteral("F4")));
        QVERIFY(!w.FensterOffen(QStringLiteral("Form")));
        QCOMPARE(s.DialogSchritt, std::uint8_t(0));
        QVERIFY(w.close());
    }

    void aRefusingDialogBlocksTheNextWindow()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        Probefenster* ort = nullptr;
        w.setFensterbauer({[&](MainWindow&) -> QWidget* {
                               ort = new Probefenster(QStringLiteral("Form6"), s);
                               return ort;
                           },
                           [&](MainWindow&) -> QWidget* { return new Probefenster(QStringLiteral("F4"), s); },
                           nullptr, nullptr});
        w.show();
        QCoreApplication::processEvents();
        w.GeographischeLageundJahr1Click();
        QVERIFY(ort);
        ort->verweigern = true;
        w.AuswahlSonnenuhrtyp1Click();
        QVERIFY(w.FensterOffen(QStringLiteral("Form6")));
        QVERIFY(!w.FensterOffen(QStringLiteral("F4")));
        ort->verweigern = false;
        w.AuswahlSonnenuhrtyp1Click();
        QCoreApplication::processEvents();
        QVERIFY(w.FensterOffen(QStringLiteral("F4")));
        QVERIFY(w.close());
    }

    void printsTheActiveWindowAsAnImageToPdf()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.setFensterbauer({[&](MainWindow&) -> QWidget* {
                               auto* f = new Probefenster(QStringLiteral("Form6"), s);
                               f->setMinimumSize(400, 300);
                               return f;
                           },
                           nullptr, nullptr, nullptr});
        const QString pdf = ordner.filePath(QStringLiteral("fenster.pdf"));
        w.setDruckerwahl([&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        w.show();
        QCoreApplication::processEvents();
        w.mWindowPrintClick(); // no active window: nothing happens
        QVERIFY(!QFileInfo::exists(pdf));
        w.GeographischeLageundJahr1Click();
        QCoreApplication::processEvents();
        QVERIFY(w.aktivesFenster() != nullptr);
        QVERIFY(w.aktion(menue::FensterAusdrucken)->isEnabled());
        w.aktion(menue::FensterAusdrucken)->trigger();
        QVERIFY(QFileInfo(pdf).size() > 500);
        QVERIFY(w.close());
    }

    void expertModeOffTurnsTheConeDialIntoAHorizontalDial()
    {
        AppState s;
        initialisiereZustand(s);
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.show();
        QCoreApplication::processEvents();
        s.UhrTyp = 'm';
        s.Schalter.ZylinderArt = 2;
        QVERIFY(w.aktion(menue::Expertenmodus)->isChecked());
        w.aktion(menue::Expertenmodus)->trigger();
        QCOMPARE(s.ExpertenModus, std::uint8_t(0));
        QCOMPARE(s.UhrTyp, 'h');
        QCOMPARE(s.Schalter.ZylinderArt, std::uint8_t(0));
        QCOMPARE(s.KarteAn, std::uint8_t(0));
        w.aktion(menue::Expertenmodus)->trigger();
        QCOMPARE(s.UhrTyp, 'h');
        QVERIFY(w.close());
    }
    void aWindowThatGrowsAfterOpeningIsNotClipped()
    {
        // The chooser opened for the horizontal dial shows one field; the inclining dial
        // shows three and a wider note. Its frame has to follow, or the fields are cut off.
        AppState s;
        initialisiereZustand(s);
        s.UhrTyp = 'h';
        ShellZustand z;
        test::ScriptedPrompt prompt;
        QTemporaryDir ordner;
        MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.resize(1400, 950);
        w.show();
        QCoreApplication::processEvents();
        w.AuswahlSonnenuhrtyp1Click();
        QCoreApplication::processEvents();
        QWidget* dialog = w.aktivesFenster();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("F4"));
        auto* typen = dialog->findChild<QGroupBox*>(QStringLiteral("RG1"));
        QVERIFY(typen);
        const auto knoepfe = typen->findChildren<QAbstractButton*>();
        QVERIFY(knoepfe.size() > 2);
        QTest::mouseClick(knoepfe[2], Qt::LeftButton, {}, QPoint(6, knoepfe[2]->height() / 2));
        QCoreApplication::processEvents();
        QCOMPARE(s.UhrTyp, 'i');
        // The whole dialog lies inside its frame's client area.
        QWidget* rahmen = dialog->parentWidget();
        QVERIFY(rahmen);
        QVERIFY2(rahmen->contentsRect().contains(dialog->geometry()),
                 qPrintable(QStringLiteral("dialog %1 wide, frame %2").arg(dialog->width()).arg(rahmen->contentsRect().width())));
        QVERIFY(w.close());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
