#include "shell/ui/MainWindow.h"
#include "core/Sprachdienst.h"
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
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

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
std::string liesDatei(const QString& pfad)
{
    std::ifstream in(pfad.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

AppState gestartet()
{
    AppState s;
    initialisiereZustand(s);
    return s;
}

// A main window on a started state, with scripted message boxes (Yes to every question) and
// its program folder in a fresh temporary folder unless the test names one.
struct Hauptfenster {
    QTemporaryDir eigenerOrdner;
    QString ordner;
    AppState s = gestartet();
    ShellZustand z;
    test::ScriptedPrompt prompt;
    MainWindow w;

    explicit Hauptfenster(const QString& programmOrdner = QString())
        : ordner(programmOrdner.isEmpty() ? eigenerOrdner.path() : programmOrdner),
          w(s, z, prompt, nullptr, ordner)
    {
    }
    QString datei(const char* name) const { return ordner + QLatin1Char('/') + QLatin1String(name); }
    void zeige()
    {
        w.show();
        QCoreApplication::processEvents();
    }
    // Runs a menu command and lets the closed windows go.
    template <typename F>
    void klick(F befehl)
    {
        (w.*befehl)();
        QCoreApplication::processEvents();
    }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithoutASettingsFileAndCreatesItOnConsent()
    {
        Hauptfenster h; // answers Yes: create the missing file
        h.zeige();
        QVERIFY(QFileInfo::exists(h.datei("umb.ini")));
        QVERIFY(!h.prompt.asked.empty());
        QVERIFY(h.w.close());
    }

    void aGoodSettingsFileIsAppliedAndAFaultyOneIsBackedUpBeforeTheRebuild()
    {
        QTemporaryDir ordner;
        const QString ini = ordner.filePath(QStringLiteral("umb.ini"));
        {
            // Compose a good file with a latitude of -33.9 and English as its language.
            AppState vorlage = gestartet();
            vorlage.IniDatei = ini.toStdString();
            vorlage.Par.Breite = -33.9;
            setzeSprache(vorlage, false);
            test::ScriptedPrompt still;
            QVERIFY(SchreibeNeueIni(vorlage, vorlage.IniDatei, still));
        }
        {
            Hauptfenster h(ordner.path());
            h.zeige();
            QCOMPARE(h.s.Par.Breite, -33.9);
            QCOMPARE(h.s.Sprachspalte, 2);
            QCOMPARE(h.w.menuBar()->actions()[0]->text(), QStringLiteral("  &Files  "));
            QVERIFY(h.w.close());
        }
        // Spoil the latitude line: the faulty file must be kept as umb_ini.bak before a fresh one.
        std::string text = liesDatei(ini);
        const std::size_t a = text.find("\r\n") + 2;
        const std::string kaputt = text.substr(0, a) + "kaputt" + text.substr(text.find("\r\n", a));
        {
            std::ofstream out(ini.toStdString(), std::ios::binary | std::ios::trunc);
            out << kaputt;
        }
        Hauptfenster h(ordner.path()); // Yes: rebuild
        h.zeige();
        QCOMPARE(liesDatei(ordner.filePath(QStringLiteral("umb_ini.bak"))), kaputt);
        QVERIFY(liesDatei(ini) != kaputt);
        QVERIFY(h.w.close());
    }

    // A date file that cannot be read is reported with its name and why, in the user's
    // language; the date lines stay as they were.
    void anUnreadableDateFileIsReportedAndChangesNothing()
    {
        Hauptfenster h;
        h.zeige();
        QVERIFY(QDir(h.ordner).mkdir(QStringLiteral("umb_days.ini")));
        const std::vector<std::string> linien = h.s.Datumslinien;
        for (const auto& [deutsch, grund] : {std::pair{true, "Der Name ist der eines Ordners"}, {false, "Is a directory"}}) {
            setzeSprache(h.s, deutsch);
            h.prompt.asked.clear();
            h.w.ladDatum();
            QCOMPARE(h.prompt.asked.size(), std::size_t(1));
            const std::string& text = h.prompt.asked[0].text;
            QVERIFY2(text.find("umb_days.ini\"") != std::string::npos && text.find(grund) != std::string::npos, text.c_str());
            QVERIFY(h.s.Datumslinien == linien);
        }
        QVERIFY(h.w.close());
    }

    void loadingTheSettingsReportsLoadedOnlyForAFileThatWasRead()
    {
        Hauptfenster h;
        h.zeige();
        const QString ini = h.datei("umb.ini");
        QFile::remove(ini);
        const auto geladen = [&h] {
            for (const auto& f : h.prompt.asked)
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
            h.prompt.asked.clear();
            h.prompt.answers = {PromptAnswer::No};
            h.w.mLoadOptionsClick(false);
            QVERIFY(!h.prompt.asked.empty());
            QVERIFY(!geladen());
        }
        QCOMPARE(liesDatei(ini), std::string("kaputt\r\n"));
        // A good file is read and reported.
        test::ScriptedPrompt still;
        QVERIFY(SchreibeNeueIni(gestartet(), ini.toStdString(), still));
        h.prompt.asked.clear();
        h.w.mLoadOptionsClick(false);
        QVERIFY(geladen());
        // The missing help file was reported at the start; no load reports it again.
        QVERIFY(std::none_of(h.prompt.asked.begin(), h.prompt.asked.end(),
                             [](const auto& f) { return f.text.find("not found") != std::string::npos; }));
        QVERIFY(h.w.close());
    }

    void opensWithTheCaptionAndMenusOfTheCurrentLanguage()
    {
        Hauptfenster h;
        h.zeige();
        QVERIFY(QTest::qWaitForWindowExposed(&h.w));
        QCOMPARE(h.w.windowTitle(), QStringLiteral("  Umbrin  v.  8.2"));
        QCOMPARE(h.w.menuBar()->actions().size(), 5);
        QCOMPARE(h.w.menuBar()->actions()[0]->text(), QStringLiteral("  &Datei  "));
        // The first showing adds the three default date lines and selects astronomical twilight.
        QCOMPARE(h.s.Datumslinien.size(), std::size_t(3));
        QCOMPARE(h.s.Schalter.Daemmerung, std::uint8_t(2));
        h.w.aktion(menue::Englisch)->trigger();
        QCOMPARE(h.w.menuBar()->actions()[0]->text(), QStringLiteral("  &Files  "));
        QCOMPARE(h.s.Sprachspalte, 2);
        QCOMPARE(h.s.StringIdBasis, 2000);
        h.w.aktion(menue::Deutsch)->trigger();
        QCOMPARE(h.w.aktion(menue::Eingabedaten)->text(), QString::fromUtf8("Eingabedaten für Sonnenuhr"));
        QVERIFY(h.w.close());
    }

    void keepsOneWorkingWindowAndWalksToTheDrawingWindow()
    {
        Hauptfenster h;
        QStringList geoeffnet;
        auto bauer = [&](const char* name) {
            return [&, name](MainWindow&) -> QWidget* {
                geoeffnet << QString::fromLatin1(name);
                return new Probefenster(QString::fromLatin1(name), h.s);
            };
        };
        h.w.setFensterbauer({bauer("Form6"), bauer("F4"), bauer("Form4"), bauer("Form5")});
        h.zeige();

        h.w.Sonnenuhrerstellen2Click();
        QCOMPARE(h.s.DialogSchritt, std::uint8_t(1));
        QVERIFY(h.w.FensterOffen(QStringLiteral("Form6")));
        QVERIFY(!h.w.aktion(menue::ZeichnungErstellen)->isEnabled());

        h.klick(&MainWindow::Abbruch1Click);
        QCOMPARE(h.s.DialogSchritt, std::uint8_t(0));
        QVERIFY(!h.w.FensterOffen(QStringLiteral("Form")));
        QVERIFY(h.w.aktion(menue::ZeichnungErstellen)->isEnabled());

        h.w.AuswahlSonnenuhrtyp1Click();
        h.klick(&MainWindow::Parameterfestlegen1Click); // closes the chooser: one working window at a time
        QVERIFY(!h.w.FensterOffen(QStringLiteral("F4")));
        QVERIFY(h.w.FensterOffen(QStringLiteral("Form4")));
        QCOMPARE(h.s.FensterFrei, std::uint8_t(0));
        QVERIFY(h.w.close());
        QCOMPARE(geoeffnet, (QStringList{"Form6", "F4", "Form4"}));
    }

    void cancelAndTheWalkWithTheRealDialogs()
    {
        Hauptfenster h;
        bool zeichnung = false;
        h.w.setZeichnungsbauer([&](MainWindow&) -> QWidget* {
            zeichnung = true;
            return new Probefenster(QStringLiteral("Form5"), h.s);
        });
        h.zeige();

        // Cancel at the chooser closes it and opens nothing.
        h.w.Sonnenuhrerstellen2Click();
        h.klick(&MainWindow::Weiter1Click);
        QVERIFY(h.w.FensterOffen(QStringLiteral("F4")));
        h.klick(&MainWindow::Abbruch1Click);
        QVERIFY(!h.w.FensterOffen(QStringLiteral("F4")));
        QVERIFY(!h.w.FensterOffen(QStringLiteral("Form")));
        QCOMPARE(h.s.DialogSchritt, std::uint8_t(0));

        // The whole walk reaches the drawing window.
        h.klick(&MainWindow::Sonnenuhrerstellen2Click);
        QVERIFY(h.w.FensterOffen(QStringLiteral("Form6")));
        QCOMPARE(h.s.DialogSchritt, std::uint8_t(1));
        h.klick(&MainWindow::Weiter1Click);
        QVERIFY(!h.w.FensterOffen(QStringLiteral("Form6")));
        QVERIFY(h.w.FensterOffen(QStringLiteral("F4")));
        QCOMPARE(h.s.DialogSchritt, std::uint8_t(4));
        h.klick(&MainWindow::Weiter1Click);
        QVERIFY(h.w.FensterOffen(QStringLiteral("Form4")));
        QCOMPARE(h.s.DialogSchritt, std::uint8_t(5));
        QVERIFY(!zeichnung);
        h.klick(&MainWindow::Weiter1Click);
        QVERIFY(zeichnung);
        QVERIFY(h.w.FensterOffen(QStringLiteral("Form5")));
        QVERIFY(!h.w.FensterOffen(QStringLiteral("Form4")));
        QCOMPARE(h.s.DialogSchritt, std::uint8_t(0));
        QVERIFY(h.w.aktion(menue::ZeichnungErstellen)->isEnabled());
        QVERIFY(h.w.close());
    }

    void theLanguageSwitchRelabelsAnOpenDialog()
    {
        Hauptfenster h;
        h.zeige();
        h.klick(&MainWindow::GeographischeLageundJahr1Click);
        QWidget* dialog = h.w.aktivesFenster();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("Form6"));
        const QString deutsch = dialog->windowTitle();
        auto knopf = [&] {
            QStringList texte;
            for (auto* b : dialog->findChildren<QAbstractButton*>())
                texte << b->text();
            texte.sort();
            return texte.join(QLatin1Char('|'));
        };
        const QString knoepfeDeutsch = knopf();
        h.w.aktion(menue::Englisch)->trigger();
        // The English caption and every button: close, the hidden cancel, the signs of the
        // three angles and the two entry forms.
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Location and Reference Year"));
        QStringList englisch = {QStringLiteral("  &Close"),        QStringLiteral(" &Cancel"), QStringLiteral(" &North"),
                                QStringLiteral(" S&outh"),         QStringLiteral(" &East"),   QStringLiteral(" &West"),
                                QStringLiteral(" Ea&st"),          QStringLiteral(" Wes&t"),   QStringLiteral("     decimal "),
                                QStringLiteral(" in deg, min, sec")};
        englisch.sort();
        QCOMPARE(knopf(), englisch.join(QLatin1Char('|')));
        h.w.aktion(menue::Deutsch)->trigger();
        QCOMPARE(dialog->windowTitle(), deutsch);
        QCOMPARE(knopf(), knoepfeDeutsch);
        QVERIFY(h.w.close());
    }

    void qtsOwnDialogsFollowTheProgramsLanguage()
    {
        // The file dialog (Qt's own, as on a desktop without a native one) and the standard
        // buttons of Qt's dialogs speak the program's language and switch with it.
        Hauptfenster h;
        h.zeige();
        QCOMPARE(h.s.Sprachspalte, 1);
        auto texte = [] {
            QFileDialog datei(nullptr, QStringLiteral("t"));
            datei.setOption(QFileDialog::DontUseNativeDialog);
            auto* knoepfe = datei.findChild<QDialogButtonBox*>();
            QDialogButtonBox abbruch(QDialogButtonBox::Cancel);
            return QStringList{knoepfe ? knoepfe->button(QDialogButtonBox::Open)->text() : QString(),
                               abbruch.button(QDialogButtonBox::Cancel)->text()};
        };
        const QStringList deutsch = texte();
        QCOMPARE(deutsch.at(1), QStringLiteral("Abbrechen"));
        QVERIFY2(deutsch.at(0).contains(QStringLiteral("ffnen")), qPrintable(deutsch.at(0)));
        h.w.aktion(menue::Englisch)->trigger();
        QCOMPARE(texte(), (QStringList{QStringLiteral("&Open"), QStringLiteral("Cancel")}));
        h.w.aktion(menue::Deutsch)->trigger();
        QCOMPARE(texte(), deutsch);
        QVERIFY(h.w.close());
    }

    void aRefusingDialogBlocksTheNextWindow()
    {
        Hauptfenster h;
        Probefenster* ort = nullptr;
        h.w.setFensterbauer({[&](MainWindow&) -> QWidget* {
                                 ort = new Probefenster(QStringLiteral("Form6"), h.s);
                                 return ort;
                             },
                             [&](MainWindow&) -> QWidget* { return new Probefenster(QStringLiteral("F4"), h.s); },
                             nullptr, nullptr});
        h.zeige();
        h.w.GeographischeLageundJahr1Click();
        QVERIFY(ort);
        ort->verweigern = true;
        h.w.AuswahlSonnenuhrtyp1Click();
        QVERIFY(h.w.FensterOffen(QStringLiteral("Form6")));
        QVERIFY(!h.w.FensterOffen(QStringLiteral("F4")));
        ort->verweigern = false;
        h.klick(&MainWindow::AuswahlSonnenuhrtyp1Click);
        QVERIFY(h.w.FensterOffen(QStringLiteral("F4")));
        QVERIFY(h.w.close());
    }

    void printsTheActiveWindowAsAnImageToPdf()
    {
        Hauptfenster h;
        h.w.setFensterbauer({[&](MainWindow&) -> QWidget* {
                                 auto* f = new Probefenster(QStringLiteral("Form6"), h.s);
                                 f->setMinimumSize(400, 300);
                                 return f;
                             },
                             nullptr, nullptr, nullptr});
        const QString pdf = h.datei("fenster.pdf");
        h.w.setDruckerwahl([&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        h.zeige();
        h.w.mWindowPrintClick(); // no active window: nothing happens
        QVERIFY(!QFileInfo::exists(pdf));
        h.klick(&MainWindow::GeographischeLageundJahr1Click);
        QVERIFY(h.w.aktivesFenster() != nullptr);
        QVERIFY(h.w.aktion(menue::FensterAusdrucken)->isEnabled());
        h.w.aktion(menue::FensterAusdrucken)->trigger();
        QVERIFY(QFileInfo(pdf).size() > 500);
        QVERIFY(h.w.close());
    }

    void expertModeOffTurnsTheConeDialIntoAHorizontalDial()
    {
        Hauptfenster h;
        h.zeige();
        h.s.UhrTyp = 'm';
        h.s.Schalter.ZylinderArt = 2;
        QVERIFY(h.w.aktion(menue::Expertenmodus)->isChecked());
        h.w.aktion(menue::Expertenmodus)->trigger();
        QCOMPARE(h.s.ExpertenModus, std::uint8_t(0));
        QCOMPARE(h.s.UhrTyp, 'h');
        QCOMPARE(h.s.Schalter.ZylinderArt, std::uint8_t(0));
        QCOMPARE(h.s.KarteAn, std::uint8_t(0));
        h.w.aktion(menue::Expertenmodus)->trigger();
        QCOMPARE(h.s.UhrTyp, 'h');
        QVERIFY(h.w.close());
    }

    void aWindowThatGrowsAfterOpeningIsNotClipped()
    {
        // The chooser opened for the horizontal dial shows one field; the inclining dial
        // shows three and a wider note. Its frame has to follow, or the fields are cut off.
        Hauptfenster h;
        h.s.UhrTyp = 'h';
        h.w.resize(1400, 950);
        h.zeige();
        h.klick(&MainWindow::AuswahlSonnenuhrtyp1Click);
        QWidget* dialog = h.w.aktivesFenster();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("F4"));
        auto* typen = dialog->findChild<QGroupBox*>(QStringLiteral("RG1"));
        QVERIFY(typen);
        const auto knoepfe = typen->findChildren<QAbstractButton*>();
        QVERIFY(knoepfe.size() > 2);
        QTest::mouseClick(knoepfe[2], Qt::LeftButton, {}, QPoint(6, knoepfe[2]->height() / 2));
        QCoreApplication::processEvents();
        QCOMPARE(h.s.UhrTyp, 'i');
        // The whole dialog lies inside its frame's client area.
        QWidget* rahmen = dialog->parentWidget();
        QVERIFY(rahmen);
        QVERIFY2(rahmen->contentsRect().contains(dialog->geometry()),
                 qPrintable(QStringLiteral("dialog %1 wide, frame %2").arg(dialog->width()).arg(rahmen->contentsRect().width())));
        QVERIFY(h.w.close());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
