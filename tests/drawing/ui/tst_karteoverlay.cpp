#include "core/RecordingCanvas.h"
#include "core/ui/PainterCanvas.h"
#include "drawing/KarteOverlay.h"
#include "drawing/KartenText.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/ui/Bildvergleich.h"

#include <QDir>
#include <QImage>
#include <QtTest>

using namespace umbrin;

// The world map on the default vertical dial (latitude 47.25): the dial with the map has its
// foot cross where the placement put it; the map alone shows both pen colours, and its ink lies
// where the same map drawn on a recording canvas has its strokes. The pictures are kept under
// the build folder (screenshots/).
class KarteOverlayTest : public QObject {
    Q_OBJECT
private slots:
    void theMapLiesWhereItsStrokesWereRecorded()
    {
        const QString ordner = QString::fromUtf8(UMBRIN_BINARY_DIR) + QStringLiteral("/screenshots");
        QDir().mkpath(ordner);
        AppState s;
        initialisiereZustand(s);
        LadeKartenText(s);
        s.UhrTyp = 'v';
        QCOMPARE(s.Par.Breite, 47.25);
        const int w = 1600, h = 1100;
        setzePlatzierung(s, standardPlatzierung(s, w, h));
        s.FusspunktGesetzt = 1;

        QImage mitUhr(w, h, QImage::Format_ARGB32_Premultiplied);
        mitUhr.fill(Qt::white);
        {
            PainterCanvas c(mitUhr);
            Zeichenfensterzustand f;
            Zeichenauftrag a{s, f, c, w, h, true, zeichenumgebung(f, true, false, 0, 0), 0, 0};
            QVERIFY(konstruiereBild(a, Zeichenanlass::Zeichnen).empty());
        }
        QVERIFY(mitUhr.save(ordner + "/karte_vertikal_47_mit_uhr.png"));
        for (const bool waagrecht : {true, false}) {
            const auto [n, mitte] =
                test::farbeAufGerade(mitUhr, QPoint(s.FusspunktX, s.FusspunktY), waagrecht, 40, s.Farben[3]);
            QVERIFY2(n >= 10 && std::fabs(mitte) <= 1.5,
                     qPrintable(QStringLiteral("%1 pixels of the cross centred at %2").arg(n).arg(mitte)));
        }

        QImage karte(w, h, QImage::Format_ARGB32_Premultiplied);
        karte.fill(Qt::white);
        RecordingCanvas r(w, h);
        const Farbe grenzen = 0x0000C0, kuesten = 0x804000;
        KartenAuftrag k;
        k.L0 = s.Par.Gnomonhoehe;
        k.x0 = s.FusspunktX;
        k.y0 = s.FusspunktY;
        k.lambda = -s.Par.Laenge;
        k.phi = s.Par.Breite;
        {
            PainterCanvas c(karte);
            for (Canvas* ziel : {static_cast<Canvas*>(&c), static_cast<Canvas*>(&r)}) {
                k.kuesten = false;
                QCOMPARE(zeichneKarte(s, *ziel, grenzen, k, w, h, true), std::string());
                k.kuesten = true;
                QCOMPARE(zeichneKarte(s, *ziel, kuesten, k, w, h, true), std::string());
            }
        }
        int anteil[2] = {0, 0};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                anteil[0] += test::farbanteil(karte.pixel(x, y), grenzen) > 0.6 ? 1 : 0;
                anteil[1] += test::farbanteil(karte.pixel(x, y), kuesten) > 0.6 ? 1 : 0;
            }
        QVERIFY2(anteil[0] > 500 && anteil[1] > 500,
                 qPrintable(QStringLiteral("%1 pixels of borders, %2 of coasts").arg(anteil[0]).arg(anteil[1])));
        const test::Strichvergleich v = test::vergleicheStriche(r, karte, 5);
        const QString bericht = QStringLiteral("%1 strokes, %2 inked, %3 of %4 beside them paper")
                                    .arg(v.striche).arg(v.getroffen).arg(v.papier).arg(v.seiten);
        QVERIFY2(v.striche > 300, qPrintable(bericht));
        QVERIFY2(v.getroffen == v.striche, qPrintable(bericht));
        QVERIFY2(v.papier > 0.6 * v.seiten, qPrintable(bericht));
        QVERIFY(karte.save(ordner + "/karte_vertikal_47.png"));
    }
};

QTEST_MAIN(KarteOverlayTest)
#include "tst_karteoverlay.moc"
