// The walk's cancel, the keys of the menus, the language switch within the walk, the hints
// and the titles of the expert-mode boxes, driven through the keyboard where a user would.
#include "dialogs/ui/ParameterDialog.h"
#include "shell/Menue.h"
#include "shell/ui/Fensterbauer.h"
#include "shell/ui/MainWindow.h"
#include "support/ScriptedPrompt.h"
#include "support/ui/Hauptfenster.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>

#include <fstream>
#include <map>
#include <memory>

using namespace umbrin;

namespace {

// A drawing window with a control that takes the focus and the help context of a dial.
QWidget* probeZeichnung(MainWindow&)
{
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("Form5"));
    w->setProperty("hilfeKontext", 11);
    auto* feld = new QLineEdit(w);
    feld->setObjectName(QStringLiteral("feld"));
    w->resize(300, 200);
    return w;
}

struct Hauptfenster : test::Hauptfenster {
    Hauptfenster()
    {
        w->setZeichnungsbauer(probeZeichnung);
        zeige();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::qWait(20); // the first showing reads (and here creates) the settings file
    }
    ~Hauptfenster()
    {
        // Closed windows go while the main window still stands.
        if (w)
            w->close();
        ruhe();
    }

    void ruhe()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    // A key as the user presses it, at the focused control of the active window (or the
    // main window itself).
    void taste(int key, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
        QTest::keyClick(ziel, static_cast<Qt::Key>(key), mod);
        ruhe();
    }
    QWidget* offen(const char* name) const
    {
        for (QMdiSubWindow* sub : w->mdiArea()->subWindowList())
            if (sub->widget() && sub->widget()->objectName() == QLatin1String(name) && sub->isVisible())
                return sub->widget();
        return nullptr;
    }
    void knopf(const char* fenster, const char* name)
    {
        QWidget* f = offen(fenster);
        QVERIFY2(f, fenster);
        auto* k = f->findChild<QPushButton*>(QLatin1String(name));
        QVERIFY2(k, name);
        k->click();
        ruhe();
    }
    bool menuesFrei() const
    {
        for (int i : {menue::SonnenuhrErstellen, menue::SonnenuhrErstellen2, menue::Optionen, menue::Berechnungen,
                      menue::ZeichnungErstellen})
            if (!w->aktion(i)->isEnabled())
                return false;
        return true;
    }
};

} // namespace

class WalkMenuesTest : public QObject {
    Q_OBJECT
private slots:
    void cancelFromEachWalkDialogLeavesTheMenusAndKeysWorking_data()
    {
        QTest::addColumn<int>("schritte");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("location") << 0 << QStringLiteral("Form6");
        QTest::newRow("chooser") << 1 << QStringLiteral("F4");
        QTest::newRow("parameters") << 2 << QStringLiteral("Form4");
    }
    void cancelFromEachWalkDialogLeavesTheMenusAndKeysWorking()
    {
        QFETCH(int, schritte);
        QFETCH(QString, dialog);
        Hauptfenster h;
        h.taste(Qt::Key_F1, Qt::AltModifier);
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{1});
        QVERIFY(h.offen("Form6"));
        QVERIFY(!h.menuesFrei());
        const char* naechster[] = {"Button1", "Button1"};
        const char* fenster[] = {"Form6", "F4"};
        for (int i = 0; i < schritte; ++i)
            h.knopf(fenster[i], naechster[i]);
        QVERIFY(h.offen(dialog.toLatin1().constData()));

        h.knopf(dialog.toLatin1().constData(), "btCancel");
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{0});
        QVERIFY(!h.offen("Form6") && !h.offen("F4") && !h.offen("Form4") && !h.offen("Form5"));
        QVERIFY(h.menuesFrei());

        // Alt+F1 starts a new walk; its cancel recovers again.
        h.taste(Qt::Key_F1, Qt::AltModifier);
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{1});
        h.knopf("Form6", "btCancel");
        QVERIFY(h.menuesFrei());

        // F5, F6 and F8 open their windows outside the walk.
        h.taste(Qt::Key_F5);
        QVERIFY(h.offen("Form6"));
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{0});
        h.taste(Qt::Key_F6);
        QVERIFY(h.offen("F4") && !h.offen("Form6"));
        h.taste(Qt::Key_F8);
        QVERIFY(h.offen("Form5") && !h.offen("F4"));
    }

    void cancelsUnderlinedKeyWinsOverTheMenuBarInsideEachWalkDialog_data()
    {
        QTest::addColumn<int>("schritte");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("englisch");
        const char* namen[] = {"Form6", "F4", "Form4"};
        for (int i = 0; i < 3; ++i)
            for (bool englisch : {false, true})
                QTest::addRow("%s %s", namen[i], englisch ? "English" : "German")
                    << i << QString::fromLatin1(namen[i]) << englisch;
    }
    void cancelsUnderlinedKeyWinsOverTheMenuBarInsideEachWalkDialog()
    {
        // " Abbru&ch" and " &Cancel" share Alt+C with the menu bar's " &Calculations " (and, in
        // the English chooser, with " &Compressed Gnomonic Sundial'").
        QFETCH(int, schritte);
        QFETCH(QString, dialog);
        QFETCH(bool, englisch);
        Hauptfenster h;
        if (englisch)
            h.taste(Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(h.s.Sprachspalte, englisch ? 2 : 1);
        h.taste(Qt::Key_F1, Qt::AltModifier);
        const char* naechster[] = {"Form6", "F4"};
        for (int i = 0; i < schritte; ++i)
            h.knopf(naechster[i], "Button1");
        QWidget* d = h.offen(dialog.toLatin1().constData());
        QVERIFY(d);
        auto* abbruch = d->findChild<QPushButton*>(QStringLiteral("btCancel"));
        QVERIFY(abbruch);
        QCOMPARE(QKeySequence::mnemonic(abbruch->text()), QKeySequence(Qt::ALT | Qt::Key_C));
        // The focus in one of the dialog's fields.
        const auto felder = d->findChildren<QLineEdit*>();
        const auto feld = std::find_if(felder.begin(), felder.end(), [](QLineEdit* f) { return f->isVisible(); });
        QVERIFY(feld != felder.end());
        (*feld)->setFocus();
        h.ruhe();
        QCOMPARE(QApplication::focusWidget(), *feld);

        h.taste(Qt::Key_C, Qt::AltModifier);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!h.w->menuBar()->activeAction());
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{0});
        QVERIFY(!h.offen("Form6") && !h.offen("F4") && !h.offen("Form4") && !h.offen("Form5"));
        QVERIFY(h.menuesFrei());

        // Outside a dialog the menu bar keeps the key.
        if (englisch) {
            h.taste(Qt::Key_C, Qt::AltModifier);
            QVERIFY(h.w->menuBar()->activeAction() || QApplication::activePopupWidget());
            h.taste(Qt::Key_Escape);
            h.taste(Qt::Key_Escape);
        }
    }

    void theParameterDialogGrowsWithinItsFrameToTheLargerPlanarPage_data()
    {
        QTest::addColumn<char>("typ");
        QTest::addColumn<bool>("englisch");
        for (const bool englisch : {false, true})
            for (const char typ : {'r', 'a', 'q', 'z', 'k', 'w', 'p', 'm', 'c', 's'})
                QTest::addRow("%c %s", typ, englisch ? "English" : "German") << typ << englisch;
    }
    void theParameterDialogGrowsWithinItsFrameToTheLargerPlanarPage()
    {
        // Opened on a smaller page, then switched to the planar page by its tab: the frame
        // grows with the dialog and no check box of the planar page is squeezed or cut.
        QFETCH(char, typ);
        QFETCH(bool, englisch);
        Hauptfenster h;
        h.w->resize(1366, 740);
        if (englisch)
            h.taste(Qt::Key_E, Qt::ControlModifier);
        h.ruhe();
        h.s.UhrTyp = typ == 's' ? 'h' : typ; // 's': the umbrella dial
        h.s.Schirmuhr = typ == 's';
        h.taste(Qt::Key_F7);
        auto* d = qobject_cast<ParameterDialog*>(h.offen("Form4"));
        QVERIFY(d);
        QVERIFY(d->aktiveSeite() != ParameterSeite::Planar);
        auto* tabs = d->findChild<QTabWidget*>();
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
        h.ruhe();
        QCOMPARE(d->aktiveSeite(), ParameterSeite::Planar);
        QWidget* seite = tabs->currentWidget();
        int geprueft = 0;
        for (QCheckBox* c : seite->findChildren<QCheckBox*>()) {
            if (!c->isVisible())
                continue;
            ++geprueft;
            QVERIFY2(c->width() >= c->sizeHint().width(),
                     qPrintable(QStringLiteral("%1: %2 < %3").arg(c->text()).arg(c->width()).arg(c->sizeHint().width())));
            // A low screen scrolls the body up and down, never cutting a caption at the side.
            const QRect sichtbar = c->visibleRegion().boundingRect();
            QVERIFY2(sichtbar.isEmpty() || sichtbar.width() >= c->sizeHint().width(), qPrintable(c->text()));
        }
        QVERIFY(geprueft > 5);
    }

    void theCloseBoxOfTheLocationDialogLeavesTheWalkUntilCancelOrCloseWindows_data()
    {
        QTest::addColumn<bool>("mitFensterSchliessen");
        QTest::newRow("cancel of the walk menu") << false;
        QTest::newRow("Fenster schliessen") << true;
    }
    void theCloseBoxOfTheLocationDialogLeavesTheWalkUntilCancelOrCloseWindows()
    {
        QFETCH(bool, mitFensterSchliessen);
        Hauptfenster h;
        h.taste(Qt::Key_F1, Qt::AltModifier);
        QVERIFY(h.offen("Form6"));
        QVERIFY(h.offen("Form6")->parentWidget()->close());
        h.ruhe();
        QVERIFY(!h.offen("Form6") && !h.offen("F4"));
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{1});
        QVERIFY(!h.menuesFrei());
        if (mitFensterSchliessen) {
            QVERIFY(h.w->aktion(menue::FensterSchliessen)->isEnabled());
            h.taste(Qt::Key_F3, Qt::AltModifier);
        } else {
            h.w->Abbruch1Click();
            h.ruhe();
        }
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{0});
        QVERIFY(h.menuesFrei());
        h.taste(Qt::Key_F5);
        QVERIFY(h.offen("Form6"));
    }

    void aLanguageSwitchInTheChooserRelabelsAndKeepsTheWalk()
    {
        Hauptfenster h;
        h.taste(Qt::Key_F1, Qt::AltModifier);
        h.knopf("Form6", "Button1");
        QWidget* typ = h.offen("F4");
        QVERIFY(typ);
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{4});
        const QString deutsch = typ->windowTitle();
        for (int taste : {int(Qt::Key_E), int(Qt::Key_D)}) {
            h.taste(taste, Qt::ControlModifier);
            QCOMPARE(h.s.DialogSchritt, std::uint8_t{4});
            QCOMPARE(h.offen("F4"), typ);
            QVERIFY(!h.offen("Form4"));
            QVERIFY(typ->windowTitle().endsWith(QStringLiteral(" 2")));
            QCOMPARE(typ->windowTitle() == deutsch, taste == Qt::Key_D);
        }
        // The walk goes on from where it stood.
        h.knopf("F4", "Button1");
        QVERIFY(h.offen("Form4"));
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{5});
    }

    void theLocationCommandDuringTheWalkEndsItFirst()
    {
        Hauptfenster h;
        h.taste(Qt::Key_F1, Qt::AltModifier);
        h.knopf("Form6", "Button1");
        h.knopf("F4", "Button1");
        QVERIFY(h.offen("Form4"));
        h.w->GeographischeLageundJahr1Click(); // the pop-up's item
        h.ruhe();
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{0});
        QVERIFY(h.offen("Form6"));
        QVERIFY(!h.offen("Form4") && !h.offen("Form5"));
        QCOMPARE(h.w->mdiArea()->subWindowList().size(), 1);
        QVERIFY(h.menuesFrei());
    }

    void eachKeyHasOneActionAndWorksInTheDrawingWindow()
    {
        Hauptfenster h;
        std::map<int, int> ausgeloest;
        for (int i = 0; i < MenueAnzahl; ++i)
            if (QAction* a = h.w->aktion(i))
                QObject::connect(a, &QAction::triggered, [&ausgeloest, i] { ++ausgeloest[i]; });
        // Every key is held by one action only.
        QSet<QKeySequence> tasten;
        for (int i = 0; i < MenueAnzahl; ++i) {
            const QKeySequence k = h.w->aktion(i)->shortcut();
            if (k.isEmpty())
                continue;
            QVERIFY2(!tasten.contains(k), qPrintable(k.toString()));
            tasten.insert(k);
        }
        // The second walk item shows its key beside the caption.
        QVERIFY(h.w->aktion(menue::SonnenuhrErstellen2)->text().endsWith(QStringLiteral("\tAlt+F1")));

        h.taste(Qt::Key_F8);
        QWidget* zeichnung = h.offen("Form5");
        QVERIFY(zeichnung);
        zeichnung->findChild<QLineEdit*>(QStringLiteral("feld"))->setFocus();
        QVERIFY(zeichnung->isAncestorOf(QApplication::focusWidget()));
        h.taste(Qt::Key_F1);
        QCOMPARE(ausgeloest[menue::HilfeDatei], 1);
        QCOMPARE(h.w->hilfeKontextAktiv(), 11);

        // Alt+F1 from the drawing window starts the walk once.
        h.taste(Qt::Key_F1, Qt::AltModifier);
        QCOMPARE(ausgeloest[menue::SonnenuhrErstellen] + ausgeloest[menue::SonnenuhrErstellen2], 1);
        QCOMPARE(h.s.DialogSchritt, std::uint8_t{1});
        QVERIFY(h.offen("Form6"));
        h.knopf("Form6", "btCancel");
        QCOMPARE(h.w->hilfeKontextAktiv(), 100);

        // F6 from the main window, then F5 from within the chooser.
        h.taste(Qt::Key_F6);
        QVERIFY(h.offen("F4"));
        h.taste(Qt::Key_F5);
        QVERIFY(h.offen("Form6") && !h.offen("F4"));
        QCOMPARE(h.w->hilfeKontextAktiv(), 6);
    }

    void everyWalkDialogKeepsItsButtonsOnALowScreen_data()
    {
        QTest::addColumn<QSize>("schirm");
        QTest::addColumn<char>("typ");
        QTest::newRow("1366x768 planar") << QSize(1366, 768) << 'i';
        QTest::newRow("1280x720 planar") << QSize(1280, 720) << 'i';
        QTest::newRow("1280x720 azimuthal") << QSize(1280, 720) << 'a';
        QTest::newRow("1280x720 ring") << QSize(1280, 720) << 'r';
    }
    void everyWalkDialogKeepsItsButtonsOnALowScreen()
    {
        QFETCH(QSize, schirm);
        QFETCH(char, typ);
        Hauptfenster h;
        h.s.UhrTyp = typ;
        // The main window as it stands on such a screen: its full width, the height less the
        // task bar.
        h.w->resize(schirm.width(), schirm.height() - 35);
        h.ruhe();
        const QRect frei = h.w->mdiArea()->viewport()->rect();
        h.taste(Qt::Key_F1, Qt::AltModifier);
        const struct {
            const char* fenster;
            const char* weiter;
        } schritte[] = {{"Form6", "Button1"}, {"F4", "Button1"}, {"Form4", "BitBtn1"}};
        for (const auto& schritt : schritte) {
            QWidget* dialog = h.offen(schritt.fenster);
            QVERIFY2(dialog, schritt.fenster);
            for (const char* name : {schritt.weiter, "btCancel"}) {
                auto* knopf = dialog->findChild<QPushButton*>(QLatin1String(name));
                QVERIFY(knopf && knopf->isVisible());
                const QRect ort(knopf->mapTo(h.w->mdiArea()->viewport(), QPoint(0, 0)), knopf->size());
                QVERIFY2(frei.contains(ort), qPrintable(QStringLiteral("%1 %2 at %3,%4 of %5x%6")
                                                            .arg(QLatin1String(schritt.fenster), QLatin1String(name))
                                                            .arg(ort.bottom())
                                                            .arg(ort.right())
                                                            .arg(frei.width())
                                                            .arg(frei.height())));
            }
            if (schritt.fenster != std::string("Form4"))
                h.knopf(schritt.fenster, schritt.weiter);
        }
        // The parameters' page is taller than such a screen: it scrolls inside the dialog.
        auto* bereich = h.offen("Form4")->findChild<QScrollArea*>();
        QVERIFY(bereich);
        if (typ == 'i')
            QVERIFY(bereich->verticalScrollBar()->maximum() > 0);
    }

    void theDrawingAndCalculationWindowsHoldNoMenuKeyOfTheirOwn()
    {
        Hauptfenster h;
        h.w->setZeichnungsbauer(zeichnungsbauer());
        QSet<QKeySequence> menuetasten;
        for (int i = 0; i < MenueAnzahl; ++i)
            if (!h.w->aktion(i)->shortcut().isEmpty())
                menuetasten.insert(h.w->aktion(i)->shortcut());
        int hilfe = 0;
        QObject::connect(h.w->aktion(menue::HilfeDatei), &QAction::triggered, [&hilfe] { ++hilfe; });
        const struct {
            int taste;
            const char* fenster;
            int kontext;
        } faelle[] = {{Qt::Key_F8, "Form5", 11}, {Qt::Key_F9, "sset1", 28}};
        for (const auto& f : faelle) {
            h.taste(f.taste);
            QWidget* fenster = h.offen(f.fenster);
            QVERIFY2(fenster, f.fenster);
            for (QAction* a : fenster->findChildren<QAction*>())
                QVERIFY2(!menuetasten.contains(a->shortcut()), qPrintable(a->shortcut().toString()));
            fenster->setFocus();
            const int vorher = hilfe;
            h.taste(Qt::Key_F1);
            QCOMPARE(hilfe, vorher + 1);
            QCOMPARE(h.w->hilfeKontextAktiv(), f.kontext);
        }
    }

    void theHintsSwitchTicksBothItemsAndGatesTheHintWindows()
    {
        Hauptfenster h;
        QAction* menuePunkt = h.w->aktion(menue::Hinweise);
        QAction* popupPunkt = h.w->findChild<QAction*>(QStringLiteral("HinweiseHintsanzeigen1"));
        QVERIFY(popupPunkt);
        h.taste(Qt::Key_F5);
        auto* zone = h.offen("Form6")->findChild<QLineEdit*>(QStringLiteral("Edit15"));
        QVERIFY(zone && !zone->toolTip().isEmpty());
        QLabel* ohneHinweis = h.offen("Form6")->findChild<QLabel*>();
        QVERIFY(ohneHinweis && ohneHinweis->toolTip().isEmpty());

        for (int an : {0, 1, 0}) {
            QCOMPARE(h.s.HinweiseAn, std::uint8_t(an));
            QCOMPARE(menuePunkt->isChecked(), an == 1);
            QCOMPARE(popupPunkt->isChecked(), an == 1);
            QToolTip::hideText();
            QTRY_VERIFY(!QToolTip::isVisible());
            QHelpEvent frage(QEvent::ToolTip, QPoint(2, 2), zone->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(zone, &frage);
            QCOMPARE(QToolTip::isVisible(), an == 1);
            QToolTip::hideText();

            // The status bar shows the hint of the control the mouse enters, whatever the switch.
            QEvent betreten(QEvent::Enter);
            QApplication::sendEvent(zone, &betreten);
            QCOMPARE(h.w->statusBar()->currentMessage(), zone->toolTip());
            QApplication::sendEvent(ohneHinweis, &betreten);
            QCOMPARE(h.w->statusBar()->currentMessage(),
                     QStringLiteral("Right mouse click for popUp menu  // <F1> for Help !"));
            (an == 1 ? popupPunkt : menuePunkt)->trigger();
        }
    }

    void theExpertModeAndHelpBoxesCarryTheProgramsTitles()
    {
        Hauptfenster h;
        for (int mal = 0; mal < 2; ++mal) {
            h.w->aktion(menue::Expertenmodus)->trigger();
            QCOMPARE(h.prompt.asked.back().freeTitle,
                     std::string(h.s.ExpertenModus ? "Umbrin  8.2, Info" : "Umbrin, v.  8.2"));
        }

        // A help file without a viewer on this machine: the help layer's error box.
        std::ofstream(h.ordner.filePath(QStringLiteral("umbrin_d.chm")).toStdString()) << "chm";
        h.w->aktion(menue::Deutsch)->trigger();
        const std::size_t vorher = h.prompt.asked.size();
        h.w->zeigeHilfe(100);
        if (h.prompt.asked.size() == vorher)
            QSKIP("a help viewer is installed here");
        QCOMPARE(h.prompt.asked.back().freeTitle, QCoreApplication::applicationName().toStdString());
        QCOMPARE(h.prompt.asked.back().icon, PromptIcon::Warning);
    }
};

QTEST_MAIN(WalkMenuesTest)
#include "tst_walkmenues.moc"
