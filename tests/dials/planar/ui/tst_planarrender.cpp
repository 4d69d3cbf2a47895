// Renders planar dials into images (kept under the build folder, renders/) and checks them
// against the same construction on a recording canvas: ink where the strokes were recorded,
// paper beside them, and the cross at the gnomon foot where the placement put it.
#include "core/RecordingCanvas.h"
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "dials/Zeichenumgebung.h"
#include "dials/planar/EbeneGeometrie.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"
#include "dials/planar/ZeichneEbeneSonnenuhr.h"
#include "support/ui/Bildvergleich.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QPdfWriter>
#include <QtTest>

using namespace umbrin;

namespace {

AppState grundZustand()
{
    AppState s;
    initialisiereZustand(s);
    return s;
}

void alleLinien(AppState& s)
{
    s.Schalter.OhneZeitgl = 1;
    s.Schalter.MitZeitgl = 1;
    s.Schalter.Analemma = 1;
    s.Schalter.Temporalstunden = 1;
    s.Schalter.Babylonisch = 1;
    s.Schalter.Italienisch = 1;
    s.Schalter.Sonnenhoehe = 1;
    s.Schalter.GanzeTageslaenge = 1;
}

} // namespace

class PlanarRenderTest : public QObject {
    Q_OBJECT
private:
    void rendere(const AppState& s, const QString& name, int breite = 1400, int hoehe = 1000)
    {
        QImage bild(breite, hoehe, QImage::Format_RGB32);
        bild.fill(Qt::white);
        Zeichenumgebung u;
        double zoom = 1.0;
        {
            PainterCanvas c(bild);
            konstruiereEbeneSonnenuhr(s, u, c, zoom);
        }
        const QString ordner = QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/renders");
        QDir().mkpath(ordner);
        QVERIFY(bild.save(ordner + "/" + name + ".png"));

        RecordingCanvas r(breite, hoehe);
        double zoomR = 1.0;
        konstruiereEbeneSonnenuhr(s, u, r, zoomR);
        QCOMPARE(zoomR, zoom);
        const test::Strichvergleich v = test::vergleicheStriche(r, bild, 6);
        const QString bericht = QStringLiteral("%1: %2 strokes, %3 inked, %4 of %5 beside them paper")
                                    .arg(name).arg(v.striche).arg(v.getroffen).arg(v.papier).arg(v.seiten);
        QVERIFY2(v.striche > 300, qPrintable(bericht));
        QVERIFY2(v.getroffen == v.striche, qPrintable(bericht));
        QVERIFY2(v.papier > 0.6 * v.seiten, qPrintable(bericht));

        // The cross at the foot: arms along the row and the column through it, centred on it
        // (the mean-time hour lines share its colour and may pass close by).
        if (s.Schalter.MitZeitgl)
            return;
        const QPoint fuss(s.FusspunktX, s.FusspunktY);
        for (const bool waagrecht : {true, false}) {
            const auto [n, mitte] = test::farbeAufGerade(bild, fuss, waagrecht, 40, s.Farben[3]);
            QVERIFY2(n >= 10 && std::fabs(mitte) <= 1.5,
                     qPrintable(QStringLiteral("%1: %2 pixels of the cross centred at %3").arg(name).arg(n).arg(mitte)));
        }
    }

private slots:
    void everyPlaneIsInkedWhereItsStrokesWereRecorded()
    {
        const struct {
            const char* name;
            char typ;
            bool alle, schirm;
            double wand, inklination;
            int fussY;
        } faelle[] = {
            {"vertikal_standard", 'v', false, false, -11.7, 90, 300},
            {"horizontal_standard", 'h', false, false, -11.7, 0, 700},
            {"vertikal_alle_linien", 'v', true, false, -11.7, 90, 250},
            {"horizontal_alle_linien", 'h', true, false, -11.7, 0, 700},
            {"inklinierend_alle_linien", 'i', true, false, 35, 60, 400},
            {"schirm_horizontal_alle_linien", 'h', true, true, -11.7, 0, 500},
            {"schirm_vertikal_alle_linien", 'v', true, true, -11.7, 90, 300},
            {"schirm_inklinierend_alle_linien", 'i', true, true, -11.7, 90, 500},
        };
        for (const auto& f : faelle) {
            AppState s = grundZustand();
            if (f.alle)
                alleLinien(s);
            s.UhrTyp = f.typ;
            s.Schirmuhr = f.schirm ? 1 : 0;
            if (f.typ == 'i' && !f.schirm) {
                s.Par.Wandabweichung = f.wand;
                s.Par.Inklination = f.inklination;
            }
            s.FusspunktX = 700;
            s.FusspunktY = f.fussY;
            rendere(s, f.name);
        }
    }

    void printedVerticalDialOnAnA4Page()
    {
        // The printer path: 0.1 mm units, 5 mm margins, the legend at its page position.
        AppState s = grundZustand();
        alleLinien(s);
        s.FusspunktX = 1400;
        s.FusspunktY = 500;
        s.LegendeX = 1800;
        s.LegendeY = 1500;
        const QString ordner = QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/renders");
        QDir().mkpath(ordner);
        const QString datei = ordner + "/vertikal_druck.pdf";
        {
            QPdfWriter pdf(datei);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setPageMargins(QMarginsF(7, 5, 7, 5), QPageLayout::Millimeter);
            PainterCanvas c(pdf);
            QVERIFY(c.isPrinter());
            QCOMPARE(c.width(), 2830);
            QCOMPARE(c.height(), 2000);
            Zeichenumgebung u;
            u.DruckRandX = 70;
            u.DruckRandY = 50;
            u.MitNetz = true;
            const auto meldungen = zeichneEbeneSonnenuhr(s, u, c, false, 2800, 2000, 35, ebenenParameter(s));
            QVERIFY(meldungen.empty());
        }
        QVERIFY(QFileInfo(datei).size() > 10000);
    }

    void paintingSurfaceBasics()
    {
        QCOMPARE(PainterCanvas::familyFor("Arial"), QFontInfo(QFont(PainterCanvas::familyFor("Arial"))).family());
        QVERIFY(PainterCanvas::familyFor("Arial").contains("Sans"));
        QVERIFY(PainterCanvas::familyFor("Times New Roman").contains("Serif"));
        QVERIFY(PainterCanvas::familyFor("Courier").contains("Mono"));
        QCOMPARE(PainterCanvas::textFor("Wingdings", "^i"), QString::fromUtf8("\u2648\u2653"));
        QCOMPARE(PainterCanvas::textFor("Arial", "^i"), QStringLiteral("^i"));

        QImage bild(200, 100, QImage::Format_RGB32);
        bild.fill(Qt::black);
        {
            PainterCanvas c(bild);
            QCOMPARE(c.unitsPerInch(), 96);
            c.setFontSize(12);
            QCOMPARE(c.fontHeight(), 16);
            c.clear();
            c.setBrush({0x0000FF, BrushStyle::Solid}); // red in the program's colour order
            c.fillRect(10, 10, 20, 20);                 // right and bottom edges excluded
            c.setPen({0xFF0000, 1, PenStyle::Solid});   // blue
            c.moveTo(50, 50);
            c.lineTo(150, 50);
            const TextExtent t = c.textExtent("Mittag");
            QVERIFY(t.width > 30 && t.height >= 16);
        }
        QCOMPARE(bild.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(bild.pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(bild.pixel(19, 19), qRgb(255, 0, 0));
        QCOMPARE(bild.pixel(20, 20), qRgb(255, 255, 255));
        QCOMPARE(bild.pixel(100, 50), qRgb(0, 0, 255));
    }
};

QTEST_MAIN(PlanarRenderTest)
#include "tst_planarrender.moc"
