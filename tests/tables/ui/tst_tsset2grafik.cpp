// The graphs of the tables-and-graphs window: the equation-of-time graph (mode 16) and both
// sun-path diagrams with a horizon profile (mode 32), each drawn into the window's image,
// printed to PDF and saved as plot and DXF files; and the symmetric equation-of-time panel
// opened from its box.
#include "tables/ui/Tsset2.h"

#include "core/Sprachdienst.h"
#include "drawing/KartenText.h"
#include "shell/Menue.h"
#include "shell/ShellZustand.h"
#include "shell/ui/MainWindow.h"
#include "support/ExportPruefung.h"
#include "support/ScriptedPrompt.h"
#include "tables/ui/EoTSymmPanel.h"
#include "TabellenfensterAufbau.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace umbrin;

namespace {

int pdfSeiten(const QString& datei) { return test::pdfSeiten(datei).anzahl; }

// The window on its own for a graph, with a horizon profile loaded.
struct Grafikfenster : test::TabellenfensterAufbau {
    explicit Grafikfenster(int modus, int diagrammart = 0) : TabellenfensterAufbau(modus)
    {
        flaeche = {1600, 1000};
        s.Schalter.Diagrammart = static_cast<std::uint8_t>(diagrammart);
        s.HorizontGeladen = 1;
        s.HorizontZeigen = 1;
        s.ProfilInfo = "Testprofil";
        for (std::size_t k = 0; k < s.Horizont.size(); ++k)
            s.Horizont[k].Hoehe = 6 + 5 * std::sin(k * 0.03);
    }
    std::unique_ptr<Tsset2> fenster() { return TabellenfensterAufbau::fenster({1600, 1000}); }
};

// Pixels of the image that are neither white nor grey-black background.
int farbigePunkte(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); y += 3)
        for (int x = 0; x < bild.width(); x += 3) {
            const QColor c = bild.pixelColor(x, y);
            n += c.red() != c.green() || c.green() != c.blue() ? 1 : 0;
        }
    return n;
}

} // namespace

class Tsset2GrafikTest : public QObject {
    Q_OBJECT
private slots:
    void graphsAreDrawnPrintedAndSaved()
    {
        struct Fall {
            int modus;
            int art;
            const char* plt;
            const char* dxf;
        };
        for (const Fall f : {Fall{16, 0, "EoT.plt", "Eot.dxf"}, Fall{32, 0, "Azi.plt", "Sonnenpositionen.dxf"},
                             Fall{32, 1, "Azi.plt", "Sonnenpositionen.dxf"}}) {
            Grafikfenster t(f.modus, f.art);
            auto w = t.fenster();
            w->FormShow();
            QVERIFY(!w->grafikbild().isNull());
            QVERIFY2(farbigePunkte(w->grafikbild()) > 200, f.plt);
            w->DruckListe();
            QCOMPARE(pdfSeiten(t.pdf(1)), 1);
            QVERIFY(QFileInfo(t.pdf(1)).size() > 5000);
            w->BtnHPGgraphClick(true);
            w->btnOKClick();
            const QString plt = t.ordner.path() + "/" + f.plt;
            QVERIFY(QFileInfo::exists(plt));
            QCOMPARE(QString::fromStdString(test::hp2xxPruefung(plt.toStdString())), QString());
            w->BtnHPGgraphClick(false);
            w->btnOKClick();
            const QString dxf = t.ordner.path() + "/" + f.dxf;
            QVERIFY(QFileInfo::exists(dxf));
            if (test::ezdxfDa())
                QCOMPARE(QString::fromStdString(test::ezdxfPruefung(dxf.toStdString())), QString());
        }
        if (!test::ezdxfDa())
            QSKIP("/usr/bin/python3 cannot import ezdxf: the DXF reader's check did not run");
    }

    // The diagram's options at 1366 pixels and in a narrow window: every control at its full
    // width (no combo box cut to "in Polarkoordinat" or "1"), inside the window, none over
    // another; they wrap into further rows where needed.
    void optionRowWrapsWithoutCuttingItsControls()
    {
        for (int breite : {1366, 1920, 600}) {
            for (bool deutsch : {true, false}) {
                Grafikfenster t(32, 1);
                setzeSprache(t.s, deutsch);
                t.flaeche = QSize(breite, 700);
                auto w = t.fenster();
                w->resize(breite, 700);
                QApplication::processEvents();
                auto* panel = w->findChild<QWidget*>(QStringLiteral("PanelEoT"));
                QVERIFY(panel);
                QList<QRect> belegt;
                for (QWidget* k : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                    if (!k->isVisible())
                        continue;
                    const QString name = k->objectName() + QStringLiteral(" at ") + QString::number(breite);
                    QVERIFY2(k->width() >= k->sizeHint().width(), qPrintable(name));
                    const QRect r(k->mapTo(w.get(), QPoint(0, 0)), k->size());
                    QVERIFY2(r.left() >= 0 && r.right() < w->width(), qPrintable(name));
                    for (const QRect& b : belegt)
                        QVERIFY2(!b.intersects(r), qPrintable(name));
                    belegt << r;
                }
                QVERIFY(belegt.size() >= 10);
            }
        }
    }

    // After the working area changed size the polar diagram waits for "Grafik Regeneration";
    // its notice gets the height of every line it wraps into, at any window width.
    void theResizeNoticeShowsAllItsLines()
    {
        for (int breite : {1366, 700, 420}) {
            Grafikfenster t(32, 1);
            auto w = t.fenster();
            w->FormShow();
            t.flaeche = QSize(breite, 700);
            w->resize(breite, 700);
            QApplication::processEvents();
            auto* hinweis = w->findChild<QLabel*>(QStringLiteral("ImageInfo"));
            QVERIFY(hinweis && hinweis->isVisible());
            const QRect innen = hinweis->contentsRect();
            QVERIFY2(hinweis->fontMetrics().boundingRect(innen, Qt::TextWordWrap, hinweis->text()).height() <= innen.height(),
                     qPrintable(QString::number(breite)));
        }
    }

    void cartesianDiagramReportsTheLightOnThePlane()
    {
        Grafikfenster t(32, 0);
        t.s.EbeneBesonnt = 1;
        auto w = t.fenster();
        w->FormShow();
        QVERIFY(w->streiflichtText().find(':') != std::string::npos);
    }

    void symmetricPanelOpensFromItsBox()
    {
        Grafikfenster t(16);
        auto w = t.fenster();
        auto* box = w->findChild<QCheckBox*>("chBSymm");
        QVERIFY(box && box->isEnabled());
        box->click();
        auto* panel = w->findChild<EoTSymmPanel*>("Psymm");
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->EdJahr->text(), QString("2024"));
        panel->BitBtn2Click();
        QVERIFY(!box->isChecked());
        QVERIFY(!panel->isVisible());
    }

    // The main window: items 32, 34 and 35 open the graph and the two diagrams, F3 prints
    // them, and the window's pop-up switches between them through the main window.
    void mainWindowOpensAndPrintsTheGraphs()
    {
        test::HauptfensterAufbau h;
        auto [s, m] = std::tie(h.s, *h.w);
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        s.FensterFrei = 1;
        const struct {
            int punkt;
            int modus;
            int art;
        } faelle[] = {{menue::GraphZeitgleichung, 16, 0}, {menue::Rechtwinklig, 32, 0}, {menue::Kreisfoermig, 32, 1}};
        for (const auto& f : faelle) {
            QVERIFY(m.aktion(f.punkt)->isEnabled());
            m.aktion(f.punkt)->trigger();
            QApplication::processEvents();
            auto* w = qobject_cast<Tsset2*>(m.aktivesFenster());
            QVERIFY(w);
            QCOMPARE(m.mdiArea()->subWindowList().size(), 1);
            QCOMPARE(int(s.Rechenmodus), f.modus);
            if (f.modus == 32)
                QCOMPARE(int(s.Schalter.Diagrammart), f.art);
            // The caption names the graph: the cartesian diagram text 41, the polar one 69.
            const int titel = f.modus == 16 ? 70 : f.art ? 69 : 41;
            QCOMPARE(w->windowTitle(), QString::fromStdString(holeText(s, titel) + "  " + std::to_string(s.Par.Jahr)));
            QVERIFY(farbigePunkte(w->grafikbild()) > 200);
            m.aktion(menue::Drucken)->trigger();
            QCOMPARE(pdfSeiten(h.druck(h.auftrag)), 1);
        }
        auto* offen = qobject_cast<Tsset2*>(m.aktivesFenster());
        offen->findChild<QAction*>(QStringLiteral("rechtwinkligesDiagramm1"))->trigger();
        QApplication::processEvents();
        QVERIFY(qobject_cast<Tsset2*>(m.aktivesFenster()));
        QCOMPARE(m.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(int(s.Rechenmodus), 32);
        QCOMPARE(int(s.Schalter.Diagrammart), 0);
        // Switching the kind in the window renames it.
        auto* kartesisch = qobject_cast<Tsset2*>(m.aktivesFenster());
        kartesisch->Combobox1Change(1);
        QCOMPARE(kartesisch->windowTitle(), QString::fromStdString(holeText(s, 69) + "  " + std::to_string(s.Par.Jahr)));
    }
};

QTEST_MAIN(Tsset2GrafikTest)
#include "tst_tsset2grafik.moc"
