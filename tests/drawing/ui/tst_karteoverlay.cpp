#include "core/ui/PainterCanvas.h"
#include "drawing/KarteOverlay.h"
#include "drawing/KartenText.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungsroutinen.h"

#include <QDir>
#include <QImage>
#include <QtTest>

using namespace umbrin;

// Renders of the world map on the default vertical dial (latitude 47.25), for the eye: with
// the dial, and the map alone in strong colours.
class KarteOverlayTest : public QObject {
    Q_OBJECT
private slots:
    void rendersTheMapOnTheVerticalDial()
    {
        const QString ordner = QStringLiteral(UMBRIN_BINARY_DIR "/screenshots");
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

        QImage karte(w, h, QImage::Format_ARGB32_Premultiplied);
        karte.fill(Qt::white);
        int linien = 0;
        {
            PainterCanvas c(karte);
            KartenAuftrag k;
            k.L0 = s.Par.Gnomonhoehe;
            k.x0 = s.FusspunktX;
            k.y0 = s.FusspunktY;
            k.lambda = -s.Par.Laenge;
            k.phi = s.Par.Breite;
            k.kuesten = false;
            QCOMPARE(zeichneKarte(s, c, 0x0000C0, k, w, h, true), std::string());
            k.kuesten = true;
            QCOMPARE(zeichneKarte(s, c, 0x804000, k, w, h, true), std::string());
        }
        for (int y = 0; y < h; y += 3)
            for (int x = 0; x < w; x += 3)
                linien += karte.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        QVERIFY(linien > 2000);
        QVERIFY(karte.save(ordner + "/karte_vertikal_47.png"));
    }
};

QTEST_MAIN(KarteOverlayTest)
#include "tst_karteoverlay.moc"
