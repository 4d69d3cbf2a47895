#include "dialogs/IniLesen.h"
#include "shell/Farbpalette.h"
#include "shell/Menue.h"
#include "shell/ui/Farbpanel.h"
#include "shell/ui/MainWindow.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QMdiArea>
#include <QPointer>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "support/ui/Hauptfenster.h"

#include <algorithm>
#include <fstream>
#include <iterator>

using namespace umbrin;

namespace {

std::string liesDatei(const QString& pfad)
{
    std::ifstream in(pfad.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Hauptfenster : test::Hauptfenster {
    Hauptfenster() { zeige(); }
};

} // namespace

class FarbpanelTest : public QObject {
    Q_OBJECT
private slots:
    void theMenuShowsThePaletteWithTheLegendOfTheFamily()
    {
        Hauptfenster h;
        QVERIFY(h.w->aktion(menue::Farbpalette)->isEnabled());
        h.s.UhrTyp = 'm';
        h.s.TypBasis = typBasisFuer('m', h.s.TypBasis);
        h.w->aktion(menue::Farbpalette)->trigger();
        Farbpanel* p = h.w->farbpanel();
        QVERIFY(p->isVisible());
        QVERIFY(p->findChild<QLabel*>(QStringLiteral("LabGrid"))->text().contains(QStringLiteral("SU für mittlere Zeit")));
        // Slot 2's sample line sits where the sample image's height puts it, in slot 2's colour.
        const QImage& bild = p->muster();
        const int y = musterLinieY(bild.height(), 2);
        QCOMPARE(alsFarbe(bild.pixelColor(20, y)), h.s.Farben[1]);
        QCOMPARE(alsFarbe(p->farbalt().pixelColor(20, y)), h.s.Farben[1]);

        // Slot 10 of the cone dial also sets slot 12; the start colours keep their sample.
        const Farbe vorher = h.s.Farben[9];
        p->setFarbwahl([](Farbe& f) { f = 0x00123456; return true; });
        QTest::mouseClick(p->swatch(10), Qt::LeftButton);
        QCOMPARE(h.s.Farben[9], Farbe{0x00123456});
        QCOMPARE(h.s.Farben[11], Farbe{0x00123456});
        QCOMPARE(p->swatch(12)->palette().color(QPalette::Window), alsQColor(0x00123456));
        QCOMPARE(alsFarbe(p->farbalt().pixelColor(20, musterLinieY(p->farbalt().height(), 10))), vorher);

        // A cancelled dialog changes nothing.
        p->setFarbwahl([](Farbe&) { return false; });
        QTest::mouseClick(p->swatch(3), Qt::LeftButton);
        QCOMPARE(h.s.Farben[2], Farbe{0x0000FF});

        p->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QVERIFY(!p->isVisible());
        QVERIFY(h.w->close());
    }

    // An open palette follows a language switch: its captions and legend change at once.
    void anOpenPaletteFollowsTheLanguage()
    {
        Hauptfenster h;
        h.w->aktion(menue::Farbpalette)->trigger();
        Farbpanel* p = h.w->farbpanel();
        QVERIFY(p->isVisible());
        const QString legende = p->findChild<QLabel*>(QStringLiteral("LabGrid"))->text();
        h.w->aktion(menue::Englisch)->trigger();
        QCOMPARE(h.s.Sprachspalte, 2);
        QVERIFY(p->isVisible());
        const auto knoepfe = p->findChildren<QPushButton*>();
        QVERIFY(std::any_of(knoepfe.begin(), knoepfe.end(), [](QPushButton* b) { return b->text() == QStringLiteral("Close"); }));
        QVERIFY(p->findChild<QLabel*>(QStringLiteral("LabGrid"))->text() != legende);
    }

    void saveResetAndLoadThroughTheButtons()
    {
        Hauptfenster h;
        QVERIFY(QFileInfo::exists(h.ini()));
        Farbpanel* p = h.w->farbpanel();
        h.w->Farbauswahl1Click();
        h.s.Farben[0] = 0x00ABCDEF;
        p->findChild<QPushButton*>(QStringLiteral("ButSav"))->click();
        QCOMPARE(h.prompt.asked.back().text, std::string("Farben in umb.ini gespeichert!"));
        const std::string gespeichert = liesDatei(h.ini());
        QVERIFY(gespeichert.find("[Farben]\r\n" + std::to_string(0xABCDEF) + "\r\n") != std::string::npos);

        p->findChild<QPushButton*>(QStringLiteral("ButReset"))->click();
        QCOMPARE(h.s.Farben[0], Farbe{0});
        QCOMPARE(liesDatei(h.ini()), gespeichert);

        p->findChild<QPushButton*>(QStringLiteral("ButLoad"))->click();
        QCOMPARE(h.s.Farben[0], Farbe{0x00ABCDEF});
        QVERIFY(h.w->close());
    }

    void closingThePaletteRenewsAnOpenTablesWindow()
    {
        Hauptfenster h;
        h.s.FensterFrei = 1;
        h.w->aktion(menue::Monatstabelle)->trigger();
        QCoreApplication::processEvents();
        QPointer<QWidget> alt = h.w->aktivesFenster();
        QVERIFY(alt && alt->objectName().startsWith(QStringLiteral("sset2")));
        h.w->aktion(menue::Farbpalette)->trigger();
        h.w->farbpanel()->farbauswahl_beendet();
        QCoreApplication::processEvents();
        QVERIFY(!alt);
        QCOMPARE(h.w->mdiArea()->subWindowList().size(), 1);
        QVERIFY(h.w->FensterOffen(QStringLiteral("sset2")));
        QVERIFY(h.w->close());
    }

    void theLineWidthRedrawsTheSample()
    {
        Hauptfenster h;
        Farbpanel* p = h.w->farbpanel();
        h.w->Farbauswahl1Click();
        const int y = musterLinieY(p->muster().height(), 1);
        QVERIFY(p->muster().pixelColor(20, y + 1) != Qt::black);
        p->LinStaerke(2);
        QCOMPARE(h.s.Schalter.Linienstaerke, std::uint8_t{3});
        QCOMPARE(p->muster().pixelColor(20, y + 1), QColor(Qt::black));
        QVERIFY(h.w->close());
    }
};

QTEST_MAIN(FarbpanelTest)
#include "tst_farbpanel.moc"
