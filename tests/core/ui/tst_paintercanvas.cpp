#include "core/RecordingCanvas.h"
#include "core/ui/PainterCanvas.h"
#include "dials/Zeichenumgebung.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichenfensterzustand.h"
#include "drawing/Zeichnungsroutinen.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace umbrin;

namespace {

// Distance of q from the segment a-b.
double abstand(QPointF q, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double l2 = QPointF::dotProduct(d, d);
    const double u = l2 > 0 ? std::clamp(QPointF::dotProduct(q - a, d) / l2, 0.0, 1.0) : 0.0;
    const QPointF f = q - (a + u * d);
    return std::hypot(f.x(), f.y());
}

// The strokes of a recorded drawing (lines and polylines, consecutive lines joined as the
// canvas joins them), with their pens.
struct Zug {
    QPolygonF punkte;
    CanvasPen stift;
};

std::vector<Zug> zuege(const RecordingCanvas& c)
{
    std::vector<Zug> z;
    for (const RecordedPrimitive& p : c.primitives()) {
        if (p.kind != PrimitiveKind::Line && p.kind != PrimitiveKind::Polyline)
            continue;
        if (p.pen.style == PenStyle::Clear || p.points.size() < 2)
            continue;
        QPolygonF punkte;
        for (CanvasPoint q : p.points)
            punkte.append(QPointF(q.x + 0.5, q.y + 0.5));
        const bool anschluss = p.kind == PrimitiveKind::Line && !z.empty() && z.back().punkte.last() == punkte.first()
            && z.back().stift.color == p.pen.color && z.back().stift.width == p.pen.width
            && z.back().stift.style == p.pen.style;
        if (anschluss)
            z.back().punkte.append(punkte.last());
        else
            z.push_back({punkte, p.pen});
    }
    return z;
}

// A white image, and the colour of a pen as Qt takes it.
QImage weiss(QSize groesse)
{
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    return bild;
}

QColor qtFarbe(Farbe f)
{
    return QColor(static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF), static_cast<int>((f >> 16) & 0xFF));
}

// The picture as it was drawn before: every point kept, round ends and joins.
QImage wieFrueher(const std::vector<Zug>& z, QSize groesse = QSize(1920, 1080))
{
    QImage bild = weiss(groesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Zug& zug : z) {
        QPen stift(qtFarbe(zug.stift.color));
        stift.setWidth(zug.stift.width);
        stift.setCosmetic(zug.stift.width == 1);
        stift.setStyle(zug.stift.style == PenStyle::Dash ? Qt::DashLine
                           : zug.stift.style == PenStyle::Dot ? Qt::DotLine
                           : zug.stift.style == PenStyle::DashDot ? Qt::DashDotLine
                                                                   : Qt::SolidLine);
        stift.setCapStyle(Qt::RoundCap);
        stift.setJoinStyle(Qt::RoundJoin);
        p.setPen(stift);
        p.drawPolyline(zug.punkte);
    }
    return bild;
}

// The same strokes through the canvas as it draws now.
QImage wieJetzt(const std::vector<Zug>& z)
{
    QImage bild = weiss(QSize(1920, 1080));
    PainterCanvas c(bild);
    for (const Zug& zug : z) {
        c.setPen(zug.stift);
        std::vector<CanvasPoint> punkte;
        for (QPointF q : zug.punkte)
            punkte.push_back({static_cast<int>(q.x() - 0.5), static_cast<int>(q.y() - 0.5)});
        c.polyline(punkte);
    }
    return bild;
}

// The strokes of one pixel's width as an unclipped painter draws them, without repeated points
// and thinned as the canvas takes them.
QImage ohneClip(const std::vector<Zug>& z)
{
    QImage bild = weiss(QSize(1920, 1080));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Zug& zug : z) {
        QPen stift(qtFarbe(zug.stift.color));
        stift.setWidth(1);
        stift.setCosmetic(true);
        stift.setCapStyle(Qt::RoundCap);
        stift.setJoinStyle(Qt::RoundJoin);
        p.setPen(stift);
        QPolygonF linie{zug.punkte.first()};
        for (qsizetype i = 1; i < zug.punkte.size(); ++i)
            if (zug.punkte[i] != zug.punkte[i - 1] || i + 1 == zug.punkte.size())
                linie.append(zug.punkte[i]);
        p.drawPolyline(PainterCanvas::thinned(linie, 0.25));
    }
    return bild;
}

int unterschied(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

class PainterCanvasTest : public QObject {
    Q_OBJECT
private slots:
    // The image canvas is clipped to the whole image (the raster engine then draws thin lines
    // straight into it): the planar dials' many thin strokes, flat and steep, come out pixel
    // for pixel as without the clip.
    void clipToTheImageChangesNoPixel()
    {
        for (char typ : {'v', 'h'}) {
            AppState s;
            initialisiereZustand(s);
            s.UhrTyp = typ;
            s.Schalter.OhneZeitgl = s.Schalter.MitZeitgl = s.Schalter.Analemma = 1;
            s.Schalter.Temporalstunden = s.Schalter.Babylonisch = s.Schalter.Italienisch = 1;
            s.Schalter.Sonnenhoehe = s.Schalter.GanzeTageslaenge = 1;
            setzePlatzierung(s, standardPlatzierung(s, 1920, 1080));
            Zeichenfensterzustand f;
            RecordingCanvas aufnahme(1920, 1080);
            Zeichenauftrag a{s, f, aufnahme, 1920, 1080, true, Zeichenumgebung{}, 0, 0};
            konstruiereBild(a, Zeichenanlass::Sonstiges);
            std::vector<Zug> z = zuege(aufnahme);
            std::erase_if(z, [](const Zug& zug) { return zug.stift.width != 1 || zug.stift.style != PenStyle::Solid; });
            QVERIFY(z.size() > 50);
            QVERIFY(wieJetzt(z) == ohneClip(z));
        }
    }

    // A one-pixel line along a row or column, of every short length either way, inside the
    // image and reaching over its edges: the same pixels as the plain stroke.
    void axisLinesAsThePlainStroke()
    {
        const CanvasPen stift{0x5A1EC8, 1, PenStyle::Solid};
        for (const QPoint von : {QPoint(30, 20), QPoint(1, 2), QPoint(62, 46)})
            for (int laenge = -7; laenge <= 7; ++laenge)
                for (const bool waagrecht : {true, false}) {
                    const QPoint bis = von + (waagrecht ? QPoint(laenge, 0) : QPoint(0, laenge));
                    QImage jetzt = weiss(QSize(64, 48));
                    {
                        PainterCanvas c(jetzt);
                        c.setPen(stift);
                        c.moveTo(von.x(), von.y());
                        c.lineTo(bis.x(), bis.y());
                    }
                    const QImage frueher = wieFrueher({{QPolygonF({von + QPointF(0.5, 0.5), bis + QPointF(0.5, 0.5)}),
                                                        stift}},
                                                      jetzt.size());
                    QVERIFY2(jetzt == frueher, qPrintable(QStringLiteral("%1 %2 %3").arg(von.x()).arg(laenge).arg(waagrecht)));
                }
    }

    // Thinning keeps the ends and every point the stroke needs; what it leaves out lies
    // within the tolerance of what it keeps.
    void thinningKeepsWhatMovesTheStroke_data()
    {
        QTest::addColumn<QPolygonF>("linie");
        QTest::addColumn<int>("hoechstens"); // points left at most
        QPolygonF gerade, stufen, doppelt, spitze, kurve;
        for (int i = 0; i <= 100; ++i)
            gerade << QPointF(i, 2 * i);
        for (int i = 0; i < 20; ++i)
            stufen << QPointF(i, i / 2);
        doppelt << QPointF(3, 3) << QPointF(3, 3) << QPointF(3, 3) << QPointF(7, 3) << QPointF(7, 3);
        spitze << QPointF(0, 0) << QPointF(10, 0) << QPointF(10.1, 0) << QPointF(0, 0.1);
        for (int i = 0; i <= 400; ++i)
            kurve << QPointF(i * 0.5, std::round(300 * std::sin(i / 80.0)) + 0.5);
        // A run left out is at most 8 points long, so the work stays linear.
        QTest::newRow("straight line") << gerade << 13;
        QTest::newRow("staircase") << stufen << 20;
        QTest::newRow("repeated points") << doppelt << 2;
        QTest::newRow("spike") << spitze << 3;
        QTest::newRow("rounded curve") << kurve << 300;
        QTest::newRow("one point thrice") << QPolygonF({QPointF(1, 1), QPointF(1, 1), QPointF(1, 1)}) << 2;
    }
    void thinningKeepsWhatMovesTheStroke()
    {
        QFETCH(QPolygonF, linie);
        QFETCH(int, hoechstens);
        const QPolygonF duenn = PainterCanvas::thinned(linie, 0.25);
        QVERIFY2(duenn.size() <= hoechstens, qPrintable(QString::number(duenn.size())));
        QVERIFY(duenn.size() >= 2);
        QCOMPARE(duenn.first(), linie.first());
        QCOMPARE(duenn.last(), linie.last());
        // The kept points are points of the line, in its order.
        qsizetype k = 0;
        for (QPointF q : linie)
            if (k < duenn.size() && q == duenn[k])
                ++k;
        QCOMPARE(k, duenn.size());
        // Every point of the line lies within the tolerance of the thinned stroke.
        for (QPointF q : linie) {
            double naechster = 1e9;
            for (qsizetype j = 0; j + 1 < duenn.size(); ++j)
                naechster = std::min(naechster, abstand(q, duenn[j], duenn[j + 1]));
            QVERIFY2(naechster < 0.25, qPrintable(QStringLiteral("%1 %2").arg(q.x()).arg(q.y())));
        }
    }

    // Each family's picture on the screen as drawn now and as drawn with every point and
    // round ends and joins: they differ by half a tone or more only at the ends and joins of
    // the strokes as drawn before. The reach of an end or join is a mitre's length (twice the
    // pen's width) and a pixel and a half of antialiasing; a join that thinning left out
    // reaches along both its segments, which moved by under a quarter pixel.
    void picturesDifferOnlyAtEndsAndJoins_data()
    {
        QTest::addColumn<char>("typ");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("breite");
        for (char typ : {'a', 'b', 'c', 'h', 'i', 'v', 'm', 'p', 'w', 'q', 'r', 'z'})
            for (int breite : {1, 2, 3}) {
                const int arten = typ == 'a' || typ == 'r' ? 2 : typ == 'q' || typ == 'z' ? 3 : 1;
                for (int art = 0; art < arten; ++art)
                    QTest::addRow("%c%d width %d", typ, art, breite) << typ << art << breite;
            }
    }
    void picturesDifferOnlyAtEndsAndJoins()
    {
        QFETCH(char, typ);
        QFETCH(int, art);
        QFETCH(int, breite);
        AppState s;
        initialisiereZustand(s);
        s.UhrTyp = typ;
        s.Schalter.AzimutKreise = art;
        s.Schalter.Hoehenuhrart = art;
        s.Schalter.ZylinderArt = art;
        s.Schalter.Linienstaerke = breite;
        setzePlatzierung(s, standardPlatzierung(s, 1920, 1080));
        Zeichenfensterzustand f;
        f.SchoenerAnsicht = typ == 'r' && art == 1;
        RecordingCanvas aufnahme(1920, 1080);
        Zeichenauftrag a{s, f, aufnahme, 1920, 1080, true, Zeichenumgebung{}, 0, 0};
        konstruiereBild(a, typ == 'r' && art == 1 ? Zeichenanlass::Korrektur : Zeichenanlass::Sonstiges);
        const std::vector<Zug> z = zuege(aufnahme);
        QVERIFY(!z.empty());

        // The pixels near the ends and turns of the strokes, within the reach of their
        // difference.
        std::vector<char> nahe(1920 * 1080, 0);
        const auto markiere = [&](QPointF e, double reichweite) {
            const int r = static_cast<int>(std::ceil(reichweite));
            for (int y = static_cast<int>(e.y()) - r; y <= static_cast<int>(e.y()) + r; ++y)
                for (int x = static_cast<int>(e.x()) - r; x <= static_cast<int>(e.x()) + r; ++x)
                    if (x >= 0 && y >= 0 && x < 1920 && y < 1080
                        && std::hypot(x + 0.5 - e.x(), y + 0.5 - e.y()) <= reichweite)
                        nahe[static_cast<std::size_t>(y) * 1920 + static_cast<std::size_t>(x)] = 1;
        };
        for (const Zug& zug : z) {
            const double reichweite = 2 * zug.stift.width + 1.5;
            for (QPointF ecke : zug.punkte)
                markiere(ecke, reichweite);
            // Where a point was left out, the stroke beside it moved by under a quarter pixel.
            const QPolygonF duenn = PainterCanvas::thinned(zug.punkte, 0.25);
            qsizetype k = 0;
            for (qsizetype i = 0; i < zug.punkte.size(); ++i) {
                if (k < duenn.size() && zug.punkte[i] == duenn[k]) {
                    ++k;
                    continue;
                }
                for (qsizetype j : {i - 1, i + 1}) {
                    const QPointF a = zug.punkte[i], b = zug.punkte[std::clamp<qsizetype>(j, 0, zug.punkte.size() - 1)];
                    const int schritte = 1 + static_cast<int>(2 * std::hypot(b.x() - a.x(), b.y() - a.y()));
                    for (int n = 0; n <= schritte; ++n)
                        markiere(a + (b - a) * (static_cast<double>(n) / schritte), 1.5);
                }
            }
        }
        const QImage vorher = wieFrueher(z), nachher = wieJetzt(z);
        int abweichend = 0;
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x < 1920; ++x) {
                if (unterschied(vorher.pixel(x, y), nachher.pixel(x, y)) < 128)
                    continue;
                ++abweichend;
                if (!nahe[static_cast<std::size_t>(y) * 1920 + static_cast<std::size_t>(x)])
                    QFAIL(qPrintable(QStringLiteral("pixel %1 %2 differs away from ends and joins").arg(x).arg(y)));
            }
        qInfo("%d pixels differ at ends and joins", abweichend);
    }
};

QTEST_MAIN(PainterCanvasTest)
#include "tst_paintercanvas.moc"
