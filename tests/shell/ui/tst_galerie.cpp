#include "shell/Bildergalerie.h"
#include "shell/Menue.h"
#include "shell/ui/Bildspeicher.h"
#include "shell/ui/Galerie.h"
#include "shell/ui/InfoPanel.h"
#include "shell/ui/MainWindow.h"
#include "support/ScriptedPrompt.h"
#include "support/ui/Hauptfenster.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

using namespace umbrin;

namespace {

struct Hauptfenster : test::Hauptfenster {
    Hauptfenster() { zeige({1200, 900}); }
    Galerie& g() { return *w->galerie(); }
    QToolButton* knopf(const char* name) { return w->findChild<QToolButton*>(QString::fromLatin1(name)); }
};

bool sichtbar(QWidget* w) { return w && w->isVisibleTo(w->window()); }

} // namespace

class GalerieTest : public QObject {
    Q_OBJECT
private slots:
    void theStartPictureAndTheBarShowWhileNoWindowIsOpen()
    {
        Hauptfenster h;
        // The start picture is decoded beside the showing of the window.
        QTRY_VERIFY(h.g().startbildId() == 105 || h.g().startbildId() == 106);
        QVERIFY(sichtbar(h.g().startbild()));
        QVERIFY(sichtbar(h.g().leiste()));
        QVERIFY(sichtbar(h.g().startKnopf()));

        // A damaged or oversized "umbrin.jpg" gives an embedded start picture, never a crash.
        const QString datei = h.ordner.filePath(QStringLiteral("umbrin.jpg"));
        QFile kaputt(datei);
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write(QByteArray("\xFF\xD8\xFF\xE0 not a picture"));
        kaputt.close();
        h.g().ladeStartbild(datei, 0);
        QCOMPARE(h.g().startbildId(), 105);
        QFile gross(QString::fromUtf8(UMBRIN_SOURCE_DIR) + QStringLiteral("/fuzz/seeds/fuzz_jpeg/gross.jpg"));
        QVERIFY(gross.exists());
        h.g().ladeStartbild(gross.fileName(), 0);
        QCOMPARE(h.g().startbildId(), 105);
        // Nor does a pipe of the name make the start wait.
        QVERIFY(QFile::remove(datei) && ::mkfifo(datei.toLocal8Bit().constData(), 0600) == 0);
        h.g().ladeStartbild(datei, 0);
        QCOMPARE(h.g().startbildId(), 105);
        // Nor is a file larger than a picture may be read, though a map file might have its
        // size: it is refused by its size alone.
        QVERIFY(QFile::remove(datei));
        QFile riesig(datei);
        QVERIFY(riesig.open(QIODevice::WriteOnly));
        QVERIFY(riesig.resize(64LL * 1024 * 1024 + 1));
        riesig.close();
        std::string fehler;
        QVERIFY(ladeJpegDatei(datei, &fehler).isNull());
        QVERIFY2(fehler.find("67108865 Bytes") != std::string::npos, fehler.c_str());
        h.g().ladeStartbild(datei, 0);
        QCOMPARE(h.g().startbildId(), 105);
        QVERIFY(h.w->close());
    }

    // Every caption of the picture buttons fits its button, line by line, in both languages.
    void theButtonCaptionsFitTheirButtons()
    {
        Hauptfenster h;
        for (const bool englisch : {false, true}) {
            if (englisch)
                h.w->aktion(menue::Englisch)->trigger();
            QCOMPARE(h.s.Sprachspalte, englisch ? 2 : 1);
            for (const Bildknopf& k : bildknoepfe()) {
                QToolButton* b = h.knopf(k.name);
                QVERIFY2(b, k.name);
                const QFontMetrics masse(b->font());
                for (const QString& zeile : b->text().split(QLatin1Char('\n')))
                    QVERIFY2(masse.horizontalAdvance(zeile) <= b->width() - 6, qPrintable(zeile));
                QVERIFY2(masse.lineSpacing() * b->text().count(QLatin1Char('\n')) + masse.height() <= b->height() - 6,
                         k.name);
            }
        }
    }

    void aPlaceCyclesThroughItsButtons()
    {
        Hauptfenster h;
        struct Fall { const char* knopf; std::int32_t bild; const char* naechster; };
        const Fall faelle[] = {{"BtBtnAz", 3003, "btBtnTo"}, {"btBtnTo", 3009, "BtBtnPeau"},
                               {"BtBtnPeau", 3020, "BtBtnSter"}, {"BtBtnSter", 3015, "BtBtnAz"},
                               {"BtBtnSf", 3001, "BtBtnSp"}, {"BtBtnSp", 3002, "BtBtnSf"}};
        for (const Fall& f : faelle) {
            QToolButton* b = h.knopf(f.knopf);
            QVERIFY2(sichtbar(b), f.knopf);
            b->click();
            QVERIFY(!sichtbar(b));
            QVERIFY2(sichtbar(h.knopf(f.naechster)), f.naechster);
            // A picture the gallery holds shows in the panel; one whose family is not drawn yet hides it.
            QCOMPARE(sichtbar(h.g().bildPanel()), h.g().gezeigtesBild() == f.bild);
            if (h.g().gezeigtesBild() == f.bild) {
                QCOMPARE(h.g().unterschrift()->text().toStdString(), bildUnterschrift(h.s, f.bild, false) + " ");
                QCOMPARE(h.g().bildPanel()->size(), QSize(520 + 52, 390 + 63));
            }
        }
        QVERIFY(h.w->close());
    }

    void theSlideShowStartsAt1105TicksAndWraps()
    {
        Hauptfenster h;
        QPushButton* start = h.g().startKnopf();
        start->click();
        QVERIFY(h.g().laeuft());
        QVERIFY(!sichtbar(start));
        QVERIFY(!sichtbar(h.g().leiste()));
        QCOMPARE(h.g().diaBildNummer(), 1105);
        QCOMPARE(h.g().gezeigtesBild(), 1105);
        QCOMPARE(h.g().bildPanel()->size(), QSize(600, 600));
        QCOMPARE(h.g().intervallLabel()->text(), QStringLiteral("2.2 s"));
        QCOMPARE(h.g().timer()->interval(), 2200);
        h.g().Timer1Timer();
        QCOMPARE(h.g().diaBildNummer(), 1106);
        while (h.g().diaBildNummer() != 3006)
            h.g().Timer1Timer();
        h.g().Timer1Timer();
        QCOMPARE(h.g().diaBildNummer(), 1105);

        h.w->findChild<QSlider*>(QStringLiteral("TrackBar1"))->setValue(10);
        QCOMPARE(h.g().timer()->interval(), 1000);
        QCOMPARE(h.g().intervallLabel()->text(), QStringLiteral("1.0 s"));

        h.w->findChild<QPushButton*>(QStringLiteral("bStop"))->click();
        QVERIFY(!h.g().laeuft());
        QVERIFY(!sichtbar(h.g().bildPanel()));
        QVERIFY(sichtbar(start));
        QVERIFY(h.w->close());
    }

    void theStartPictureSwapsAndEscapeHidesThePanel()
    {
        Hauptfenster h;
        QTRY_VERIFY(h.g().startbildId() != 0);
        QLabel* bild = h.w->findChild<QLabel*>(QStringLiteral("SImage"));
        QTest::mouseClick(bild, Qt::LeftButton);
        QCOMPARE(h.g().startbildId(), 105);
        QTest::mouseClick(bild, Qt::LeftButton);
        // 106 is the biazimuthal dial: until its family can be drawn the first picture stays.
        QCOMPARE(h.g().startbildId(), Bildspeicher::vorhanden(106) ? 106 : 105);
        QTest::mouseClick(bild, Qt::LeftButton);
        QCOMPARE(h.g().startbildId(), 105);
        // Its caption, the status bar's hint over it, follows a switch of the language.
        QCOMPARE(bild->toolTip(), QStringLiteral("vertikale SONNENUHR"));
        h.w->aktion(menue::Englisch)->trigger();
        QCOMPARE(bild->toolTip(), QStringLiteral("vertical SUNDIAL"));

        h.knopf("BtBtnhor")->click();
        QVERIFY(sichtbar(h.g().bildPanel()));
        QTest::keyClick(h.w.get(), Qt::Key_Escape);
        QVERIFY(!sichtbar(h.g().bildPanel()));
        QVERIFY(h.w->close());
    }

    void typesWithoutAPictureHideThePanel()
    {
        Hauptfenster h;
        h.g().zeigeTypBild(1106);
        QVERIFY(sichtbar(h.g().bildPanel()));
        for (std::int32_t ohne : {2998, 0}) {
            h.g().zeigeTypBild(1106);
            h.g().zeigeTypBild(ohne);
            QVERIFY(!sichtbar(h.g().bildPanel()));
        }
        h.s.UhrTyp = 'a';
        h.s.Schalter.AzimutKreise = 1;
        h.s.Schalter.Hoehenkreise = 0; // equal spacing: no picture of its own
        h.g().zeigeTypBild(1106);
        h.w->zeigeTypBild();
        QVERIFY(!sichtbar(h.g().bildPanel()));
        QVERIFY(h.w->close());
    }

    void theAboutPanelShowsTheVersionAndOpensOnlyGivenLinks()
    {
        Hauptfenster h;
        QVERIFY(h.w->aktion(menue::About)->isEnabled());
        h.w->aktion(menue::About)->trigger();
        InfoPanel* p = h.w->infoPanel();
        QVERIFY(sichtbar(p));
        QVERIFY(p->findChild<QLabel*>(QStringLiteral("lHi5"))->text().contains(QString::fromStdString(h.s.VersionStr)));
        // The build names no addresses here: both entries stay hidden.
        QCOMPARE(sichtbar(p->heimseite()), !p->heimseite()->text().isEmpty());
        QCOMPARE(sichtbar(p->mail()), !p->mail()->text().isEmpty());
        std::vector<QUrl> geoeffnet;
        p->setOeffner([&](const QUrl& u) { geoeffnet.push_back(u); });
        p->mail()->setText(QStringLiteral("post@example.org"));
        p->Button2Click(p->mail());
        QCOMPARE(geoeffnet.back(), QUrl(QStringLiteral("mailto:post@example.org")));
        p->findChild<QPushButton*>(QStringLiteral("bHiOK"))->click();
        QVERIFY(!sichtbar(p));
        QVERIFY(!sichtbar(h.g().startbild()));
        QVERIFY(h.w->close());
    }

    void openingAWorkingWindowHidesTheAboutPanelWithTheGallery()
    {
        Hauptfenster h;
        h.w->aktion(menue::About)->trigger();
        QVERIFY(sichtbar(h.w->infoPanel()));
        h.w->GeographischeLageundJahr1Click();
        QCoreApplication::processEvents();
        QVERIFY(!h.w->mdiArea()->subWindowList().isEmpty());
        QVERIFY(!sichtbar(h.w->infoPanel()));
        QVERIFY(!sichtbar(h.g().startbild()));
        QVERIFY(h.w->close());
    }
};

QTEST_MAIN(GalerieTest)
#include "tst_galerie.moc"
