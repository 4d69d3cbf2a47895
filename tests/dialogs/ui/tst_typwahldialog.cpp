#include "DialogTestHilfe.h"

#include "core/Sprachdienst.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/ui/TypwahlDialog.h"
#include "shell/Bildergalerie.h"
#include "shell/ui/Arbeitsrahmen.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QLabel>
#include <QtTest>

#include <cmath>
#include <string>


using namespace umbrin;
using namespace umbrin::dialogtest;

class TypwahlDialogTest : public QObject, DialogAufbau {
    Q_OBJECT

    static RadioGruppe* gruppe(QWidget* d, const char* name)
    {
        return d->findChild<RadioGruppe*>(QString::fromLatin1(name));
    }
    // Clicks item i of a radio group as the user would.
    static void waehle(RadioGruppe* g, int i)
    {
        const auto knoepfe = g->findChildren<QAbstractButton*>();
        QVERIFY(i < knoepfe.size());
        // On the indicator: a radio button takes clicks only on its indicator and text.
        QTest::mouseClick(knoepfe[i], Qt::LeftButton, {}, QPoint(6, knoepfe[i]->height() / 2));
    }

private slots:
    void init() { neu(); }
    void cleanup() { loeschVerzoegerte(); }

    void choosingItemsSetsTypeAndShowsOnlyItsFields()
    {
        s.ExpertenModus = 0;
        auto* d = oeffne<TypwahlDialog>();
        RadioGruppe* typen = gruppe(d, "RG1");
        QCOMPARE(typen->anzahl(), 11);
        QCOMPARE(typen->itemIndex(), 1); // 'v' at start

        waehle(typen, 9); // Sawyer in the short list
        QCOMPARE(s.UhrTyp, 'w');
        QCOMPARE(s.TypBasis, std::uint8_t{84});
        waehle(typen, 2);
        QCOMPARE(s.UhrTyp, 'i');
        QVERIFY(feld(d, "Edit2")->isVisible());
        waehle(typen, 3); // umbrella keeps the inclining plane
        QCOMPARE(s.Schirmuhr, std::uint8_t{1});
        QCOMPARE(gruppe(d, "rgSchirm")->itemIndex(), 1);
        waehle(typen, 0);
        QVERIFY(!feld(d, "Edit1")->isVisible());
        QVERIFY(!feld(d, "Edit2")->isVisible());

        // The horizontal dial gets declination and inclination 0 only by the closing check.
        s.Par.Wandabweichung = -11.7;
        QVERIFY(d->pruefeAlles());
        QCOMPARE(s.Par.Wandabweichung, 0.0);
        QCOMPARE(s.Par.Inklination, 0.0);
        d->close();
    }

    // The picture button shows the gallery's picture of the type (the horizontal dial, which
    // has none of its own, the gallery's first) and opens it; a type without one has no button,
    // not an empty grey square.
    void thePictureButtonShowsTheGallerysPictureOrIsHidden()
    {
        s.UhrTyp = 'w';
        s.ExpertenModus = 0;
        DialogUmgebung& u = neueUmgebung();
        std::int32_t gezeigt = 0;
        u.haken.bild = [](std::int32_t nr) { return hatBild(nr) ? QImage(40, 40, QImage::Format_RGB32) : QImage(); };
        u.haken.zeigeBild = [&gezeigt](std::int32_t nr) { gezeigt = nr; };
        auto* d = new TypwahlDialog(u);
        zeigeAktiv(d);
        auto* knopf = d->findChild<QToolButton*>(QStringLiteral("BtBtnSaw"));
        QVERIFY(knopf && knopf->isVisible() && !knopf->icon().isNull());
        struct Fall { int item; const char* name; std::int32_t bild; };
        for (const Fall f : {Fall{0, "BtBtnhor", 1105}, Fall{1, "BtBtnver1", 3000}, Fall{2, nullptr, 0},
                             Fall{7, "BtBtnZh2", 3006}, Fall{9, "BtBtnSaw", 3021}}) {
            waehle(gruppe(d, "RG1"), f.item);
            QCOMPARE(knopf->isVisible(), f.name != nullptr);
            if (!f.name)
                continue;
            QCOMPARE(knopf->objectName(), QLatin1String(f.name));
            QVERIFY(!knopf->icon().isNull());
            knopf->click();
            QCOMPARE(gezeigt, f.bild);
        }
        d->close();
    }

    // Another dial type with more lines or wider fields grows the window: nothing is cut off
    // and nothing has to be scrolled.
    void choosingATypeGrowsTheWindowToItsFields()
    {
        s.ExpertenModus = 1;
        auto* d = oeffne<TypwahlDialog>();
        RadioGruppe* typen = gruppe(d, "RG1");
        auto* bereich = d->findChild<QScrollArea*>(QStringLiteral("Rollbereich"));
        QVERIFY(bereich);
        for (const auto& [index, typ] : {std::pair{4, 'q'}, std::pair{10, 'm'}, std::pair{4, 'q'}, std::pair{6, 'z'}}) {
            waehle(typen, index);
            QCOMPARE(s.UhrTyp, typ);
            QApplication::processEvents();
            const std::string name(1, typ);
            QVERIFY2(d->width() >= d->sizeHint().width() && d->height() >= d->sizeHint().height(), name.c_str());
            QVERIFY2(!bereich->verticalScrollBar()->isVisible(), name.c_str());
        }
        d->close();
    }

    // In its frame in the working area, the window widened for the vertical dial's fields is
    // painted all over: nothing of the area behind shows through beside its fields.
    void aWindowGrownInItsFrameIsPaintedAllOver()
    {
        s.UhrTyp = 'm';
        QMdiArea flaeche;
        flaeche.setBackground(QColor(255, 0, 255));
        flaeche.resize(1000, 700);
        flaeche.show();
        auto* d = new TypwahlDialog(neueUmgebung());
        QMdiSubWindow* rahmen = flaeche.addSubWindow(d);
        rahmen->show();
        richteRahmenEin(rahmen, d);
        QVERIFY(QTest::qWaitForWindowExposed(&flaeche));
        waehle(gruppe(d, "RG1"), 1);
        QTest::qWait(50);
        const QImage bild = flaeche.screen()->grabWindow(flaeche.winId()).toImage();
        const QRect innen(d->mapTo(&flaeche, QPoint(0, 0)), d->size());
        int durch = 0;
        for (int y = innen.top(); y <= innen.bottom(); ++y)
            for (int x = innen.left(); x <= innen.right(); ++x)
                durch += bild.pixelColor(x, y) == QColor(255, 0, 255) ? 1 : 0;
        QCOMPARE(durch, 0);
        d->close();
    }

    void exitChecksKeepTheOldValueOnError()
    {
        s.UhrTyp = 'i';
        auto* d = oeffne<TypwahlDialog>();
        QLineEdit* abw = feld(d, "Edit1");
        QLineEdit* inkl = feld(d, "Edit2");
        QLineEdit* gnomon = feld(d, "Edit3");

        tippe(abw, QStringLiteral("-180"), gnomon);
        QCOMPARE(s.Par.Wandabweichung, 179.9999);
        prompt.asked.clear();
        tippe(abw, QStringLiteral("180.5"), gnomon);
        QCOMPARE(s.Par.Wandabweichung, 179.9999);
        QVERIFY(prompt.enthaelt("Wandabweichung muss"));

        tippe(inkl, QStringLiteral("175"), gnomon);
        QCOMPARE(s.Par.Inklination, 175.0);
        tippe(inkl, QStringLiteral("175.01"), gnomon);
        QCOMPARE(s.Par.Inklination, 175.0);
        tippe(inkl, QStringLiteral("0"), gnomon);
        QCOMPARE(s.Par.Inklination, 175.0);
        QCOMPARE(inkl->text(), QStringLiteral(" 175.00"));
        // ... but the closing check takes 0.
        inkl->setText(QStringLiteral("0"));
        QVERIFY(d->pruefeAlles());
        QCOMPARE(s.Par.Inklination, 0.0);
        inkl->setText(QStringLiteral("20"));

        tippe(gnomon, QStringLiteral("250"), abw); // exit bounds 5..200
        QCOMPARE(s.Par.Gnomonhoehe, 35.0);
        tippe(gnomon, QStringLiteral("150"), abw);
        QCOMPARE(s.Par.Gnomonhoehe, 150.0);
        QVERIFY(!d->pruefeAlles()); // closing bounds 3..120
        QCOMPARE(s.FensterFrei, std::uint8_t{0});
        QCOMPARE(s.Par.Gnomonhoehe, 150.0);
        gnomon->setText(QStringLiteral("100"));
        d->close();
    }

    void thePolarRodCylindersRadiusIsCheckedOnLeavingItsOwnField()
    {
        // Leaving the radius checks the radius (4 .. 500 mm), not the pointer length above it.
        s.UhrTyp = 'z';
        s.Schalter.ZylinderArt = 2;
        auto* d = oeffne<TypwahlDialog>();
        QLineEdit* radius = feld(d, "EdZylRad");
        QLineEdit* zeiger = feld(d, "Edit3");
        QVERIFY(radius->isVisible());
        zeiger->setText(QStringLiteral("999"));
        prompt.asked.clear();
        tippe(radius, QStringLiteral("60.5"), feld(d, "Edit1"));
        QCOMPARE(s.Par.ZylRadius, 60.5);
        QVERIFY(prompt.asked.empty());
        tippe(radius, QStringLiteral("501"), feld(d, "Edit1"));
        QCOMPARE(s.Par.ZylRadius, 60.5);
        QCOMPARE(prompt.asked.size(), std::size_t{1});
        const std::string label = d->findChild<QLabel*>(QStringLiteral("LZylRad"))->text().remove(QLatin1Char('&')).trimmed().toStdString();
        QVERIFY2(prompt.enthaelt(label), prompt.asked[0].text.c_str());
        radius->setText(QStringLiteral("60.5"));
        zeiger->setText(QStringLiteral("50"));
        d->close();
    }

    void cylinderLengthRefusesAFractionAndHabermelRefusesAtThePole()
    {
        s.UhrTyp = 'z';
        s.Schalter.ZylinderArt = 0;
        auto* d = oeffne<TypwahlDialog>();
        const std::int32_t laenge = s.Par.Skalenlaenge; // whole millimetres: a fraction is refused as such
        for (const char* bruch : {"12.7", "35,5"}) {
            tippe(feld(d, "Edit3"), QString::fromLatin1(bruch), feld(d, "EdZylang"));
            QCOMPARE(s.Par.Skalenlaenge, laenge);
            QCOMPARE(feld(d, "Edit3")->text(), QString::number(laenge));
            QVERIFY2(prompt.enthaelt(std::string("=") + bruch + " Das ist keine ganze Zahl."), bruch);
        }

        waehle(gruppe(d, "RG1"), 4); // quadrant
        waehle(gruppe(d, "rgAltitude"), 1);
        QCOMPARE(s.Schalter.Hoehenuhrart, std::uint8_t{1});
        tippe(feld(d, "edHaber"), QStringLiteral("200"), d->findChild<QPushButton*>("Button1"));
        QCOMPARE(s.Par.HabermelGnomon,
                 std::round(1850 / (std::tan(19.31 * M_PI / 180) + std::tan(66.19 * M_PI / 180))) / 10);

        const double g = s.Par.HabermelGnomon;
        s.Par.Breite = 90;
        prompt.asked.clear();
        tippe(feld(d, "edHaber"), QStringLiteral("150"), d->findChild<QPushButton*>("Button1"));
        QCOMPARE(s.Par.HabermelGnomon, g);
        QCOMPARE(s.Par.HabermelDurchmesser, 200.0);
        QVERIFY(!prompt.asked.empty());
        QVERIFY(!d->pruefeAlles());
        s.Par.Breite = 47.25;
        d->close();
    }

    void everyViewFitsItsWindowInBothLanguages()
    {
        layoutInBeidenSprachen<TypwahlDialog>(
            "typ", {{"vertikal", 'v', 0, 0}, {"inklin", 'i', 0, 0}, {"schirm", 'i', 1, 0}, {"habermel", 'q', 0, 1},
                    {"zylinder", 'z', 0, 0}, {"polstab", 'z', 0, 2}, {"azimut", 'a', 0, 0}, {"ring", 'r', 0, 0}});
    }
};

QTEST_MAIN(TypwahlDialogTest)
#include "tst_typwahldialog.moc"
