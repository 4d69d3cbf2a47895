#include "core/RecordingCanvas.h"
#include "core/ui/PainterCanvas.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "drawing/KartenText.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFenster.h"
#include "core/Sprachdienst.h"
#include "core/ui/Beschriftung.h"
#include "drawing/ui/ZeichenfensterAufbau.h"
#include "shell/Menue.h"
#include "shell/ui/Fensterbauer.h"
#include "shell/ui/MainWindow.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"
#include "support/Zahl.h"
#include "support/ui/Bildvergleich.h"
#include "support/ui/Fensterlayout.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

using namespace umbrin;

namespace {

// The drawing window for a dial type, in German or English, with the map texts loaded.
struct Aufbau : test::ZeichenfensterAufbau {
    explicit Aufbau(char typ = 'v', bool deutsch = true)
    {
        LadeKartenText(s);
        s.UhrTyp = typ;
        setzeSprache(s, deutsch);
    }
};

// Every text of the window, in the order of its components: caption, the texts of buttons,
// boxes, labels, menu items and text fields, and every hint.
QStringList fensterTexte(QWidget& w)
{
    QStringList texte{w.windowTitle()};
    const auto hinweis = [&texte](const QString& name, const QString& text) {
        if (!text.isEmpty())
            texte << name + QStringLiteral(" hint: ") + text;
    };
    for (QObject* o : w.findChildren<QObject*>()) {
        const QString name = o->objectName();
        // What a hidden panel holds is built afresh when it opens.
        if (auto* k = qobject_cast<QWidget*>(o); k && !k->isVisibleTo(&w))
            continue;
        if (auto* k = qobject_cast<QAbstractButton*>(o))
            texte << name + QStringLiteral(": ") + k->text();
        else if (auto* l = qobject_cast<QLabel*>(o))
            texte << name + QStringLiteral(": ") + l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(o))
            texte << name + QStringLiteral(": ") + g->title();
        else if (auto* e = qobject_cast<QPlainTextEdit*>(o))
            texte << name + QStringLiteral(": ") + e->toPlainText();
        if (auto* a = qobject_cast<QAction*>(o)) {
            texte << name + QStringLiteral(": ") + a->text();
            hinweis(name, a->statusTip());
        }
        if (auto* k = qobject_cast<QWidget*>(o))
            hinweis(name, k->toolTip());
    }
    return texte;
}

using test::bildOrdner;
using test::farbigePixel;
using test::pruefePdf;

} // namespace

class ZeichenFensterTest : public QObject {
    Q_OBJECT
private slots:
    void opensForEachPlanarTypeWithItsDialDrawn()
    {
        struct Fall {
            char typ;
            bool schirm;
            const char* titel;
        };
        for (const Fall f : {Fall{'v', false, " Konstruktion einer vertikalen Sonnenuhr"},
                             Fall{'h', false, " Konstruktion einer horizontalen Sonnenuhr"},
                             Fall{'i', false, " Konstruktion einer inklinierenden Sonnenuhr"},
                             Fall{'i', true, " Konstruktion einer Schirmsonnenuhr"}}) {
            Aufbau a(f.typ);
            a.s.Schirmuhr = f.schirm ? 1 : 0;
            auto w = a.fenster();
            QCOMPARE(w->objectName(), QStringLiteral("Form5"));
            QCOMPARE(w->windowTitle(), QString::fromUtf8(f.titel));
            QVERIFY2(farbigePixel(w->bildflaeche()->bild()) > 2000, std::string(1, f.typ).c_str());
            // The show opened the angle table and the construction closed it again.
            QVERIFY(!w->fensterzustand().WinkelTabelleOffen);
            QCOMPARE(w->hilfekontext(), f.schirm ? 12 : 11);
            // The activation placed foot and legend at their defaults for the image.
            const QSize g = w->bildflaeche()->size();
            QCOMPARE(platzierungVon(a.s), standardPlatzierung(a.s, g.width(), g.height()));
            QCOMPARE(a.s.FusspunktGesetzt, std::uint8_t{0});
            QCOMPARE(w->findChild<QPushButton*>("BitBtnWinkel")->isEnabled(), !f.schirm);
        }
    }

    void leftClickPlacesTheFootAndRedrawsAroundIt()
    {
        Aufbau a('v');
        auto w = a.fenster();
        Bildflaeche* bild = w->bildflaeche();
        const QImage vorher = bild->bild().copy();
        QTest::mouseClick(bild, Qt::LeftButton, Qt::NoModifier, QPoint(300, 120));
        QCOMPARE(a.s.FusspunktX, 300);
        QCOMPARE(a.s.FusspunktY, 120);
        QCOMPARE(a.s.FusspunktGesetzt, std::uint8_t{1});
        QVERIFY(bild->bild() != vorher);
        QCOMPARE(bild->fussmarke(), std::optional<QPoint>(QPoint(300, 120)));

        // Alt + click moves only the legend box over the image; the dial is not redrawn.
        const QImage nachFuss = bild->bild().copy();
        QTest::mouseClick(bild, Qt::LeftButton, Qt::AltModifier, QPoint(50, 600));
        QCOMPARE(a.s.LegendeX, 50);
        QCOMPARE(a.s.LegendeY, 600);
        QCOMPARE(a.s.LegendeGesetzt, std::uint8_t{1});
        QVERIFY(bild->bild() == nachFuss);
        const int breite = bild->width();
        QCOMPARE(bild->legendenRahmen(),
                 std::optional<QRect>(QRect(50, 600, qRound(breite * 0.3), qRound(breite / 14.0))));

        // Switching back to the window keeps the user's placement.
        w->deaktiviert();
        w->aktiviert();
        QCOMPARE(a.s.FusspunktX, 300);
        QCOMPARE(a.s.LegendeY, 600);
        // Another type gets its defaults.
        a.s.UhrTyp = 'h';
        w->aktiviert();
        QCOMPARE(platzierungVon(a.s), standardPlatzierung(a.s, bild->width(), bild->height()));
    }

    void hourPointsHoldNineAndSayNine()
    {
        Aufbau a('v');
        auto w = a.fenster();
        Bildflaeche* bild = w->bildflaeche();
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(bild, Qt::LeftButton, Qt::ControlModifier, QPoint(100 + 20 * i, 300));
        QCOMPARE(w->fensterzustand().punkte.anzahl(), std::size_t{10});
        QCOMPARE(bild->markenAnzahl(), 10);
        QVERIFY(a.prompt.asked.empty());
        QTest::mouseClick(bild, Qt::LeftButton, Qt::ControlModifier, QPoint(500, 500));
        QCOMPARE(a.prompt.asked.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(a.prompt.asked[0].text),
                 QStringLiteral("Es sind schon 9 Stundenpunkte gespeichert!"));
        setzeSprache(a.s, false);
        QTest::mouseClick(bild, Qt::LeftButton, Qt::ControlModifier, QPoint(500, 500));
        QCOMPARE(a.prompt.asked.back().text, std::string("9 hour points are already stored!"));
        QCOMPARE(a.s.FusspunktGesetzt, std::uint8_t{0}); // marking never moves the foot
    }

    void zoomsByButtonsMenuAndWheel()
    {
        Aufbau a('v');
        auto w = a.fenster();
        const double schritt = a.s.ZoomSchritt;
        QTest::mouseClick(w->findChild<QPushButton*>("BBtnZoomIn"), Qt::LeftButton);
        QCOMPARE(a.s.Zoom, schritt);
        QTest::mouseClick(w->findChild<QPushButton*>("BitBtnOut"), Qt::LeftButton);
        QVERIFY(qFuzzyCompare(a.s.Zoom, 1.0));
        QTest::mouseClick(w->findChild<QPushButton*>("BitBtnOut"), Qt::LeftButton);
        QVERIFY(qFuzzyCompare(a.s.Zoom, 1.0 / schritt));

        a.s.Zoom = 1.0;
        const QPointF mitte(400, 300);
        for (int i = 0; i < 10; ++i) {
            QWheelEvent rad(mitte, w->mapToGlobal(mitte), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                            Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.get(), &rad);
        }
        QVERIFY(qAbs(a.s.Zoom - std::pow(1.06, 10)) < 1e-9);
        QWheelEvent weit(mitte, w->mapToGlobal(mitte), QPoint(), QPoint(0, -360), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        const double vorher = a.s.Zoom;
        QApplication::sendEvent(w.get(), &weit);
        QCOMPARE(a.s.Zoom, vorher); // -300 or less redraws without zooming

        // The draw button goes back to zoom 1 without the grid.
        w->fensterzustand().MitNetz = true;
        QTest::mouseClick(w->findChild<QPushButton*>("bitBtnZeichne"), Qt::LeftButton);
        QCOMPARE(a.s.Zoom, 1.0);
        QVERIFY(!w->fensterzustand().MitNetz);
        QTest::mouseClick(w->findChild<QPushButton*>("BitBtnNetz"), Qt::LeftButton);
        QVERIFY(w->fensterzustand().MitNetz);
    }

    void displayModesLeaveThePlanarImageEmpty()
    {
        Aufbau a('v');
        auto w = a.fenster();
        w->A3Click();
        QCOMPARE(a.s.FormatA4, std::uint8_t{0});
        QCOMPARE(farbigePixel(w->bildflaeche()->bild()), 0);
        w->A4Click();
        QCOMPARE(a.s.FormatA4, std::uint8_t{1});
        QTest::mouseClick(w->findChild<QPushButton*>("bitBtnZeichne"), Qt::LeftButton);
        QVERIFY(farbigePixel(w->bildflaeche()->bild()) > 2000);
    }

    void printsTheDrawingIntoAPdf()
    {
        Aufbau a('v');
        auto w = a.fenster();
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, QPoint(520, 60));
        a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
        const Platzierung vorher = platzierungVon(a.s);
        w->druckeZeichnung();
        pruefePdf(a.pdf, 20000);
        QCOMPARE(platzierungVon(a.s), vorher);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(a.prompt.asked.empty());

        // Cancelled in the printer dialog: nothing is printed.
        a.pdf.clear();
        w->BildDrucken();
        QCOMPARE(a.druckerGefragt, 2);
    }

    void printsTheAngleTableAndTheInformationSheet()
    {
        Aufbau a('v');
        auto w = a.fenster();
        w->BitBtnWinkelClick();
        QVERIFY(w->fensterzustand().WinkelTabelleOffen);
        a.pdf = QString::fromStdString(a.pfad("winkel.pdf"));
        w->druckeZeichnung();
        pruefePdf(a.pdf, 5000);

        w->sInfo();
        QVERIFY(w->fensterzustand().InfoAngezeigt);
        QVERIFY(!w->fensterzustand().WinkelTabelleOffen);
        a.pdf = QString::fromStdString(a.pfad("info.pdf"));
        w->druckeZeichnung();
        pruefePdf(a.pdf, 3000);

        // The printer dialog's Cancel is honoured: the printer still names info.pdf, which
        // keeps its size and (back-dated) time, and no other file appears.
        QFile info(a.pdf);
        const QDateTime alt(QDate(2001, 2, 3), QTime(4, 5, 6));
        QVERIFY(info.open(QIODevice::ReadWrite) && info.setFileTime(alt, QFileDevice::FileModificationTime));
        info.close();
        const qint64 groesse = QFileInfo(a.pdf).size();
        const QStringList dateien = QDir(a.ordner.path()).entryList(QDir::Files);
        const int gefragt = a.druckerGefragt;
        a.pdf.clear();
        w->druckeZeichnung();
        QCOMPARE(a.druckerGefragt, gefragt + 1);
        const QFileInfo danach(info.fileName());
        QCOMPARE(danach.size(), groesse);
        QCOMPARE(danach.lastModified(), alt);
        QCOMPARE(QDir(a.ordner.path()).entryList(QDir::Files), dateien);
    }

    void printRefusalsLeaveNoFile()
    {
        // A type without a print form, and a window without a size.
        Aufbau a('f');
        auto w = a.fenster();
        a.pdf = QString::fromStdString(a.pfad("f.pdf"));
        w->BildDrucken();
        QVERIFY(!QFile::exists(a.pdf));
        QCOMPARE(QString::fromStdString(a.prompt.asked.back().text), QString::fromStdString(keinDruckText(a.s)));
        QCOMPARE(a.druckerGefragt, 0);

        Aufbau b('v');
        auto v = b.fenster();
        v->fensterzustand().BildBreite = 0;
        b.pdf = QString::fromStdString(b.pfad("leer.pdf"));
        v->BildDrucken();
        QVERIFY(!QFile::exists(b.pdf));
        QCOMPARE(QString::fromStdString(b.prompt.asked.back().text), QString::fromStdString(keineBildgroesseText(b.s)));
    }

    void exportsHpglAndDxfWithTheClickedFoot()
    {
        Aufbau a('v');
        auto w = a.fenster();
        Bildflaeche* bild = w->bildflaeche();
        QTest::mouseClick(bild, Qt::LeftButton, Qt::NoModifier, QPoint(420, 90));
        const test::PlotPunkt erwartet{static_cast<double>(pixelNachPlotX(420, bild->width())),
                                       static_cast<double>(pixelNachPlotY(90, bild->height()))};

        w->dxfClick(true, false, true);
        auto* name = w->findChild<QLineEdit*>("namehpg");
        QCOMPARE(name->text(), QStringLiteral("umb.plt"));
        a.gespeichert = QString::fromStdString(a.pfad("dial.plt"));
        w->BtnWeiterClick();
        const std::string hpgl = test::dateiText(a.pfad("dial.plt"));
        QVERIFY(!hpgl.empty());
        test::PlotPunkt fuss{};
        QVERIFY(test::findeFussmarke(hpgl, 200, fuss));
        QCOMPARE(fuss.x, erwartet.x);
        QCOMPARE(fuss.y, erwartet.y);
        QCOMPARE(QString::fromStdString(test::hp2xxPruefung(a.pfad("dial.plt"))), QString());
        QCOMPARE(a.s.FusspunktX, 420); // back in pixels
        QVERIFY(QApplication::overrideCursor() == nullptr);

        w->dxfClick(false, false, true);
        QCOMPARE(name->text(), QStringLiteral("umb.dxf"));
        a.gespeichert = QString::fromStdString(a.pfad("dial.dxf"));
        w->BtnWeiterClick();
        QVERIFY(QFile::exists(a.gespeichert));
        if (test::ezdxfDa())
            QCOMPARE(QString::fromStdString(test::ezdxfPruefung(a.pfad("dial.dxf"))), QString());
        const std::string dxf = test::dateiText(a.pfad("dial.dxf"));
        const QString fussMm = QString::number(erwartet.x / 40.0, 'f', 3);
        QVERIFY2(QString::fromStdString(dxf).contains(fussMm), qPrintable(fussMm));
        // Nothing but the two files: the temporary plot is gone.
        QCOMPARE(QDir(a.ordner.path()).entryList(QDir::Files),
                 QStringList({"dial.dxf", "dial.plt", "dial.plt.png"}));
        if (!test::ezdxfDa())
            QSKIP("/usr/bin/python3 cannot import ezdxf: the DXF reader's check did not run");
    }

    void exportFailureRestoresAndSaysWhat()
    {
        Aufbau a('v');
        auto w = a.fenster();
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 80));
        a.prompt.asked.clear();
        w->dxfClick(true, false, false);
        a.gespeichert = QString::fromStdString(a.pfad("missing/dial.plt"));
        w->BtnWeiterClick();
        QVERIFY(!a.prompt.asked.empty());
        QCOMPARE(a.prompt.asked.back().title, PromptTitle::Fehler);
        QVERIFY(QString::fromStdString(a.prompt.asked.back().text).contains(QStringLiteral("missing")));
        QCOMPARE(a.s.FusspunktX, 400);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(QDir(a.ordner.path()).entryList(QDir::Files).isEmpty());

        // A type without a plot form says so and writes nothing.
        Aufbau f('o');
        auto o = f.fenster();
        o->dxfClick(false, false, false);
        f.gespeichert = QString::fromStdString(f.pfad("o.dxf"));
        o->BtnWeiterClick();
        QCOMPARE(QString::fromStdString(f.prompt.asked.back().text), QString::fromStdString(keinExportText(f.s)));
        QVERIFY(QDir(f.ordner.path()).entryList(QDir::Files).isEmpty());
    }

    void exportPanelNamesAndFootQuestion()
    {
        Aufbau a('v');
        auto w = a.fenster();
        auto* name = w->findChild<QLineEdit*>("namehpg");
        name->setText(QStringLiteral("/my.dials/a.b.c"));
        w->dxfClick(true, false, false);
        QCOMPARE(name->text(), QStringLiteral("/my.dials/a.plt"));
        name->setText(QStringLiteral("sonne"));
        w->dxfClick(false, true, false);
        QCOMPARE(name->text(), QStringLiteral("sonne.dxf"));
        QCOMPARE(w->findChild<QLabel*>("lKoord")->text(), QStringLiteral("sonne.txt"));

        // From a save button with the foot off the image, Yes cancels the export.
        a.s.FusspunktX = -5;
        a.prompt.answers = {PromptAnswer::Yes};
        w->dxfClick(true, false, true);
        QVERIFY(w->findChild<QWidget*>("HPGpanel")->isHidden());
        QVERIFY(QString::fromStdString(a.prompt.asked.back().text).startsWith(QStringLiteral("Der Fußpunkt")));
    }

    void mapScaleFromASettingsFileIsClamped()
    {
        for (std::int32_t massstab : {0, -7, 2000000000}) {
            Aufbau a('c');
            a.s.Schalter.Kartenmassstab = massstab;
            auto w = a.fenster();
            w->resize(900, 700);
            QApplication::processEvents();
            auto* regler = w->findChild<QSlider*>("TrackBar1");
            QVERIFY(regler->value() >= 16 && regler->value() <= 180);
        }
        Aufbau b('c');
        auto w = b.fenster();
        auto* regler = w->findChild<QSlider*>("TrackBar1");
        QCOMPARE(regler->value(), 46); // 10 ln 100
        regler->setValue(47);
        QCOMPARE(b.s.Schalter.Kartenmassstab, 110); // e^4.7
    }

    void constructionDataAndStartSettingsFiles()
    {
        Aufbau a('v');
        auto w = a.fenster();
        // A construction-data file is read through the settings reader and drawn at once.
        AppState anders = a.s;
        anders.Par.Breite = 52.5;
        std::vector<std::string> text;
        IniTextErstellen(anders, false, text, a.prompt);
        std::string fehler;
        QVERIFY(IniTextSpeichern(text, a.pfad("dial.umb"), fehler));
        a.geoeffnet = QString::fromStdString(a.pfad("dial.umb"));
        w->BtnLoadCClick();
        QCOMPARE(a.s.Par.Breite, 52.5);
        // A construction-data file that cannot be read is reported and changes nothing.
        a.prompt.asked.clear();
        a.geoeffnet = QString::fromStdString(a.pfad("missing.umb"));
        w->BtnLoadCClick();
        QVERIFY(!a.prompt.asked.empty());
        QCOMPARE(a.prompt.asked.back().title, PromptTitle::Fehler);
        QVERIFY(QString::fromStdString(a.prompt.asked.back().text).contains(QStringLiteral("missing.umb")));
        QCOMPARE(a.s.Par.Breite, 52.5);

        // Ham mode saves the settings text as start settings, and reports only a real save.
        a.s.SchinkenModus = 1;
        a.z.IniAusgabe = {"a", "b"};
        a.gespeichert = QString::fromStdString(a.pfad("schink.ham"));
        a.prompt.asked.clear();
        w->BtnSavCClick();
        QCOMPARE(QString::fromStdString(test::dateiText(a.pfad("schink.ham"))), QStringLiteral("a\r\nb\r\n"));
        QCOMPARE(QString::fromStdString(a.prompt.asked.back().text),
                 QString::fromStdString(a.pfad("schink.ham") + " gespeichert!"));
        a.gespeichert = QString::fromStdString(a.pfad("missing/schink.ham"));
        w->BtnSavCClick();
        QCOMPARE(a.prompt.asked.back().title, PromptTitle::Fehler);
        QVERIFY(!QString::fromStdString(a.prompt.asked.back().text).contains(QStringLiteral("gespeichert")));
        setzeSprache(a.s, false); // and in English words
        w->BtnSavCClick();
        QVERIFY(QString::fromStdString(a.prompt.asked.back().text).contains(QStringLiteral("Cannot write")));
        setzeSprache(a.s, true);

        // A start-settings file that cannot be read leaves the settings text alone; one that
        // reads replaces it and applies.
        a.geoeffnet = QString::fromStdString(a.pfad("missing.ham"));
        w->BtnLoadCClick();
        QCOMPARE(a.z.IniAusgabe, (std::vector<std::string>{"a", "b"}));
        a.geoeffnet = QString::fromStdString(a.pfad("dial.umb"));
        a.s.Par.Breite = 10;
        w->BtnLoadCClick();
        QCOMPARE(a.s.Par.Breite, 52.5);
        QCOMPARE(a.z.IniAusgabe, text);
    }

    // A switch of the language with the window open, as the program makes it (the language
    // service, then every open window relabelled), leaves every text the window shows as a
    // window opened in the new language shows it: caption, buttons, boxes, menu items, hints,
    // the hint line under the mouse, the open panels, and the picture with its legend, hour
    // numbers and words at the foot.
    void languageSwitchLeavesTheTextsOfAFreshWindow_data()
    {
        QTest::addColumn<char>("typ");
        QTest::addColumn<bool>("nachEnglisch");
        QTest::newRow("vertical, to English") << 'v' << true;
        QTest::newRow("vertical, to German") << 'v' << false;
        QTest::newRow("horizontal umbrella, to English") << 'H' << true;
        QTest::newRow("quadrant, to German") << 'q' << false;
        QTest::newRow("cone, to English") << 'm' << true;
        QTest::newRow("ring, to German") << 'r' << false;
        QTest::newRow("azimuthal, to English") << 'a' << true;
    }
    void languageSwitchLeavesTheTextsOfAFreshWindow()
    {
        QFETCH(char, typ);
        QFETCH(bool, nachEnglisch);
        const auto oeffne = [typ](Aufbau& a) {
            a.s.Schirmuhr = typ == 'H';
            auto w = a.fenster();
            // The hint line of the button under the mouse.
            QEvent hinein(QEvent::Enter);
            QApplication::sendEvent(w->findChild<QPushButton*>("BtnSaveC"), &hinein);
            return w;
        };
        const char uhr = typ == 'H' ? 'h' : typ;
        Aufbau a(uhr, nachEnglisch);
        auto w = oeffne(a);
        const QImage vorher = w->bildflaeche()->bild().copy();
        setzeSprache(a.s, !nachEnglisch);
        beschrifteAlles(a.s, a.s.StringIdBasis);

        Aufbau b(uhr, !nachEnglisch);
        auto frisch = oeffne(b);
        const QStringList texte = fensterTexte(*w), erwartet = fensterTexte(*frisch);
        for (qsizetype i = 0; i < std::min(texte.size(), erwartet.size()); ++i)
            QCOMPARE(texte[i], erwartet[i]);
        QCOMPARE(texte.size(), erwartet.size());
        // The old language's window says other things.
        Aufbau c(uhr, nachEnglisch);
        QVERIFY(texte != fensterTexte(*oeffne(c)));
        // The picture, its texts drawn in the new language.
        QVERIFY(w->bildflaeche()->bild() != vorher);
        QVERIFY(w->bildflaeche()->bild() == frisch->bildflaeche()->bild());
    }

    // The angle table, and the borders box of the map layers.
    void languageSwitchRelabelsCaptionAndTable()
    {
        Aufbau a('v');
        auto w = a.fenster();
        w->BitBtnWinkelClick();
        setzeSprache(a.s, false);
        w->aktualisiereSprache(a.s);
        QCOMPARE(w->windowTitle(), QStringLiteral("Construction of a Vertical Sundial"));
        QCOMPARE(w->findChild<QPushButton*>("bitBtnZeichne")->text(), QStringLiteral("&Draw"));
        QVERIFY(w->findChild<QLabel*>("LWinkelTitel")->text().startsWith(QStringLiteral("Angles of the Hour Lines")));
        QCOMPARE(w->findChild<QCheckBox*>("ChBfrontier")->text(), QStringLiteral("borders"));
        setzeSprache(a.s, true);
        w->aktualisiereSprache(a.s);
        QCOMPARE(w->findChild<QCheckBox*>("ChBfrontier")->text(), QStringLiteral("Grenzen"));
    }

    void mainWindowOpensAndPrintsTheDrawingWindow()
    {
        Aufbau a('v');
        MainWindow m(a.s, a.z, a.prompt);
        m.setZeichnungsbauer(zeichnungsbauer());
        m.resize(1200, 850);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QApplication::processEvents();
        a.s.FensterFrei = 1;
        m.aufBildschirm1Click();
        QApplication::processEvents();
        auto* w = qobject_cast<ZeichenFenster*>(m.aktivesFenster());
        QVERIFY(w);
        QCOMPARE(w->objectName(), QStringLiteral("Form5"));
        QVERIFY(m.aktion(menue::Drucken)->isEnabled());
        // The drawing window takes the main window's whole work area.
        const QSize bereich = m.mdiArea()->viewport()->size();
        const QSize rahmen = w->parentWidget()->size();
        QVERIFY2(qAbs(rahmen.width() - bereich.width()) <= 2 && qAbs(rahmen.height() - bereich.height()) <= 2,
                 qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(rahmen.width()).arg(rahmen.height())
                                .arg(bereich.width()).arg(bereich.height())));
        QVERIFY(m.grab().save(bildOrdner() + "/hauptfenster_mit_zeichnung.png"));

        const QString pdf = QString::fromStdString(a.pfad("haupt.pdf"));
        m.setDruckerwahl([pdf](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        m.aktion(menue::Drucken)->trigger();
        pruefePdf(pdf, 20000);
        QVERIFY(m.mdiArea()->subWindowList().size() == 1);

        // Construction data loaded in the drawing window (through the platform's file dialog)
        // bring their language to the whole program, the main window's menus included.
        AppState englisch = a.s;
        setzeSprache(englisch, false);
        std::vector<std::string> text;
        std::string fehler;
        IniTextErstellen(englisch, false, text, a.prompt);
        QVERIFY(IniTextSpeichern(text, a.pfad("englisch.umb"), fehler));
        QTimer::singleShot(0, [datei = QString::fromStdString(a.pfad("englisch.umb"))] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                dialog->selectFile(datei);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        w->BtnLoadCClick();
        QCOMPARE(a.s.Sprachspalte, 2);
        QCOMPARE(m.aktion(menue::Drucken)->text(), QStringLiteral("&Print..."));
        QCOMPARE(w->windowTitle(), QStringLiteral("Construction of a Vertical Sundial"));
    }

    // The window, the angle table, the information sheet and the export panel fit the window
    // in both languages: every child inside it, no text wider than its label.
    void everyPanelFitsTheWindowInBothLanguages()
    {
        for (bool deutsch : {true, false}) {
            Aufbau a('v', deutsch);
            auto w = a.fenster({1200, 800});
            const QString sprache = deutsch ? QStringLiteral("de") : QStringLiteral("en");
            const auto pruefe = [&](const char* name) {
                const QString bild = QStringLiteral("%1_v_%2").arg(QLatin1String(name), sprache);
                const QStringList fehler = test::layoutFehler(w.get());
                QVERIFY2(fehler.isEmpty(), qPrintable(bild + QLatin1Char('\n') + fehler.join(QLatin1Char('\n'))));
                QVERIFY(w->grab().save(bildOrdner() + "/" + bild + ".png"));
            };
            QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, QPoint(540, 50));
            pruefe("zeichenfenster");
            w->BitBtnWinkelClick();
            pruefe("winkeltabelle");
            w->sInfo();
            pruefe("info");
            w->findChild<QPushButton*>("BitBtnInfoZu")->click();
            w->dxfClick(false, true, false);
            pruefe("export");
        }
    }

    // German files of other types loaded one after another into one open English window (its
    // size on a 1366 x 768 screen), the biazimuthal dial (which keeps its map files) among them,
    // show what a window opened for each file shows.
    void loadedTypesShowWhatAFreshWindowShows()
    {
        Aufbau a('v', false);
        auto w = a.fenster({1350, 620});
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 40));
        for (const auto& [typ, breite] :
             std::initializer_list<std::pair<char, double>>{
                 {'p', 47}, {'w', -33.87}, {'m', -33.87}, {'q', 47}, {'c', 47}, {'h', 47}}) {
            Aufbau b(typ);
            b.s.Par.Breite = breite;
            std::vector<std::string> text;
            std::string fehler;
            IniTextErstellen(b.s, false, text, b.prompt);
            QVERIFY(IniTextSpeichern(text, a.pfad("typ.umb"), fehler));
            a.geoeffnet = QString::fromStdString(a.pfad("typ.umb"));
            w->findChild<QPushButton*>("BtnLoadC")->click();
            LeseIni(b.s, a.pfad("typ.umb"), true, true, b.prompt);
            auto frisch = b.fenster({1350, 620});
            // The picture pixel for pixel, the caption, and the buttons as the window shows them.
            QVERIFY2(w->bildflaeche()->bild() == frisch->bildflaeche()->bild(), std::string(1, typ).c_str());
            QCOMPARE(w->windowTitle(), frisch->windowTitle());
            QVERIFY2(w->grab().toImage() == frisch->grab().toImage(), std::string(1, typ).c_str());
        }
        QCOMPARE(w->windowTitle(), QStringLiteral(" Konstruktion einer horizontalen Sonnenuhr"));
    }

    // With Italian or Babylonian hours the window's picture, after a click and freshly drawn,
    // holds each of their numbers where the whole drawing holds it; a mark set before the
    // click went with the dial that moved from under it.
    void unequalHourNumbersAndMarksFollowTheDial()
    {
        for (const bool italienisch : {true, false}) {
            Aufbau a;
            (italienisch ? a.s.Schalter.Italienisch : a.s.Schalter.Babylonisch) = 1;
            auto w = a.fenster();
            Bildflaeche* bild = w->bildflaeche();
            QTest::mouseClick(bild, Qt::LeftButton, Qt::ControlModifier, QPoint(400, 300));
            QTest::mouseClick(bild, Qt::LeftButton, Qt::NoModifier, QPoint(520, 60));
            QCOMPARE(bild->grab().toImage().pixel(405, 300), bild->bild().pixel(405, 300));
            for (int mal = 0; mal < 2; ++mal, w->findChild<QPushButton*>("bitBtnZeichne")->click()) {
                AppState s = a.s;
                Zeichenfensterzustand f = w->fensterzustand();
                RecordingCanvas ganz(bild->width(), bild->height());
                Zeichenauftrag z{s, f, ganz, bild->width(), bild->height(), true, zeichenumgebung(f, true, false, 0, 0)};
                konstruiereBild(z, Zeichenanlass::Sonstiges);
                const Farbe farbe = s.Farben[italienisch ? 5 : 6];
                const auto zahlen = ganz.select(
                    [&](const RecordedPrimitive& p) { return p.kind == PrimitiveKind::Text && p.font.color == farbe; });
                QVERIFY(zahlen.size() >= 3);
                for (const RecordedPrimitive* p : zahlen) {
                    QImage allein(bild->bild().size(), QImage::Format_ARGB32_Premultiplied);
                    allein.fill(Qt::white);
                    {
                        PainterCanvas c(allein);
                        c.setFont(p->font);
                        c.textOut(p->points[0].x, p->points[0].y, p->text);
                    }
                    int tinte = 0, da = 0;
                    for (int y = 0; y < allein.height(); ++y)
                        for (int x = 0; x < allein.width(); ++x)
                            if (test::farbanteil(allein.pixel(x, y), farbe) > 0.5) {
                                ++tinte;
                                da += test::farbanteil(bild->bild().pixel(x, y), farbe) > 0.3 ? 1 : 0;
                            }
                    QVERIFY2(tinte > 0 && da * 10 >= tinte * 9, p->text.c_str());
                }
            }
        }
    }

    // The page states the diameter its circle has, and the window refuses a circle larger
    // than the page with a message before anything is printed.
    void hamPrintStatesTheDiameterItPrints()
    {
        Aufbau a('o');
        a.s.SchinkenModus = 1;
        a.s.Par.HabermelGnomon = 2;
        auto w = a.fenster();
        RecordingCanvas seite(2770, 1900, true);
        Zeichenauftrag z{a.s, w->fensterzustand(), seite, 2770, 1900, false, zeichenumgebung(w->fensterzustand(), 1, 0, 0, 0)};
        zeichneDruckseite(z, 1000, 700);
        double legende = 0, kreis = 0;
        for (const RecordedPrimitive& p : seite.primitives()) {
            legende = p.text.starts_with("Durchmesser = ") ? test::zahl(p.text.substr(14)) : legende;
            kreis = p.kind == PrimitiveKind::Ellipse ? std::max(kreis, (p.points[1].x - p.points[0].x) / 10.0) : kreis;
        }
        QVERIFY2(legende > 1 && qAbs(kreis - legende) <= 0.5, qPrintable(QString::number(kreis)));
        a.s.Par.HabermelGnomon = 60;
        a.pdf = QString::fromStdString(a.pfad("gross.pdf"));
        w->BildDrucken();
        QVERIFY(!QFile::exists(a.pdf) && a.gefragt("240.0 mm"));
    }
};

QTEST_MAIN(ZeichenFensterTest)
#include "tst_zeichenfenster.moc"
