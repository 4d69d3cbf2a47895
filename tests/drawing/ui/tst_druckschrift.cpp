// Text on a printed planar dial: the same boxes at every printer resolution, no two boxes
// overlapping, every box inside the page's margins.
#include "core/ui/DruckSeite.h"
#include "core/ui/PainterCanvas.h"
#include "drawing/Zeichnungsroutinen.h"

#include <QDir>
#include <QPrinter>
#include <QRect>
#include <QtTest>

#include <string>
#include <vector>

using namespace umbrin;

namespace {

struct Textkasten {
    QRect rahmen;
    std::string text;
    bool gedreht = false;
    bool operator==(const Textkasten&) const = default;
};

// The printer's canvas, noting the box of every text it draws.
class KastenCanvas : public PainterCanvas {
public:
    using PainterCanvas::PainterCanvas;
    std::vector<Textkasten> kaesten;

    void textOut(int x, int y, std::string_view text) override
    {
        merke(x, y, text, false);
        PainterCanvas::textOut(x, y, text);
    }
    void textOutRotated(int x, int y, std::string_view text, double angle) override
    {
        merke(x, y, text, angle != 0);
        PainterCanvas::textOutRotated(x, y, text, angle);
    }

private:
    void merke(int x, int y, std::string_view text, bool gedreht)
    {
        if (text.find_first_not_of(' ') == std::string_view::npos)
            return;
        const TextExtent e = textExtent(text);
        kaesten.push_back({QRect(x, y, e.width, e.height), std::string(text), gedreht});
    }
};

struct Druck {
    std::vector<Textkasten> kaesten;
    DruckSeite seite;
    int breite = 0, hoehe = 0;
};

AppState zifferblatt(char typ)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = typ;
    s.Par.Inklination = typ == 'i' ? 60 : 90;
    s.FusspunktX = 560;
    s.FusspunktY = 220;
    s.FusspunktGesetzt = 1;
    s.LegendeX = 30;
    s.LegendeY = 560;
    s.LegendeGesetzt = 1;
    return s;
}

// Prints the dial on an A4 landscape page to a PDF file at the given resolution, as the
// drawing window does.
Druck drucke(char typ, int dpi, const QString& datei)
{
    AppState s = zifferblatt(typ);
    Zeichenfensterzustand f;
    f.BildBreite = 1200;
    f.BildHoehe = 800;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    drucker.setResolution(dpi);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Landscape);
    Druck d;
    KastenCanvas canvas(drucker);
    if (!DruckBereich(druckGeraetVon(drucker), d.seite.DruckBreite, d.seite.DruckHoehe, d.seite.DruckRandX,
                      d.seite.DruckRandY))
        return d;
    canvas.setFont({"Arial", 40, false, FarbeSchwarz});
    Zeichenauftrag a{s,
                     f,
                     canvas,
                     10 * drucker.widthMM(),
                     10 * drucker.heightMM(),
                     false,
                     zeichenumgebung(f, true, false, d.seite.DruckRandX, d.seite.DruckRandY),
                     d.seite.DruckBreite,
                     d.seite.DruckHoehe};
    zeichneDruckseite(a, f.BildBreite, f.BildHoehe);
    d.kaesten = canvas.kaesten;
    d.breite = canvas.width();
    d.hoehe = canvas.height();
    return d;
}

QString zeige(const Textkasten& k)
{
    return QStringLiteral("\"%1\" at %2,%3 size %4x%5")
        .arg(QString::fromStdString(k.text))
        .arg(k.rahmen.x())
        .arg(k.rahmen.y())
        .arg(k.rahmen.width())
        .arg(k.rahmen.height());
}

} // namespace

class DruckschriftTest : public QObject {
    Q_OBJECT
private slots:
    void printedTextKeepsItsSizeAndPlaceAtEveryResolution_data()
    {
        QTest::addColumn<char>("typ");
        QTest::newRow("vertical") << 'v';
        QTest::newRow("inclining") << 'i';
    }
    void printedTextKeepsItsSizeAndPlaceAtEveryResolution()
    {
        QFETCH(char, typ);
        const QString ordner = QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/renders");
        QDir().mkpath(ordner);
        std::vector<Druck> drucke;
        for (int dpi : {300, 600, 1200})
            drucke.push_back(drucke_(typ, dpi, ordner));
        const Druck& d = drucke.front();
        QVERIFY(d.kaesten.size() >= 5);
        for (const Druck& anders : drucke)
            QVERIFY(anders.kaesten == d.kaesten);

        // Every text that reaches the page stands inside its margins (a shadow-path hour
        // number far beyond the drawing never reaches the page).
        const QRect seite(0, 0, d.breite, d.hoehe);
        const QRect innen(d.seite.DruckRandX, d.seite.DruckRandY, d.seite.DruckBreite, d.seite.DruckHoehe);
        for (const Textkasten& k : d.kaesten)
            QVERIFY2(k.gedreht || !seite.intersects(k.rahmen) || innen.contains(k.rahmen), qPrintable(zeige(k)));

        // The gnomon caption is a text line of about 4.7 mm, not a heading.
        bool gnomon = false;
        for (const Textkasten& k : d.kaesten)
            if (k.text.rfind("Gnomon", 0) == 0) {
                gnomon = true;
                QVERIFY2(k.rahmen.height() > 40 && k.rahmen.height() < 70, qPrintable(zeige(k)));
            }
        QVERIFY(gnomon);

        // No two upright boxes overlap.
        for (std::size_t i = 0; i < d.kaesten.size(); ++i)
            for (std::size_t j = i + 1; j < d.kaesten.size(); ++j) {
                const Textkasten& a = d.kaesten[i];
                const Textkasten& b = d.kaesten[j];
                if (a.gedreht || b.gedreht)
                    continue;
                QVERIFY2(!a.rahmen.intersects(b.rahmen), qPrintable(zeige(a) + QStringLiteral(" / ") + zeige(b)));
            }
    }

private:
    static Druck drucke_(char typ, int dpi, const QString& ordner)
    {
        return drucke(typ, dpi, QStringLiteral("%1/druck_%2_%3dpi.pdf").arg(ordner).arg(QChar(typ)).arg(dpi));
    }
};

QTEST_MAIN(DruckschriftTest)
#include "tst_druckschrift.moc"
