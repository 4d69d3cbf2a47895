// Renders planar dials into PNG files under the build folder (renders/) so they can be looked
// at before the drawing window exists, and checks that each image holds a drawing.
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "dials/Zeichenumgebung.h"
#include "dials/planar/KonstruiereEbeneSonnenuhr.h"

#include <QDir>
#include <QImage>
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

// Counts pixels that are neither white nor near-white.
int gezeichnetePixel(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); y += 2)
        for (int x = 0; x < bild.width(); x += 2)
            if (qGray(bild.pixel(x, y)) < 200)
                ++n;
    return n;
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
        const QString ordner = QStringLiteral(UMBRIN_BINARY_DIR "/renders");
        QDir().mkpath(ordner);
        QVERIFY(bild.save(ordner + "/" + name + ".png"));
        QVERIFY2(gezeichnetePixel(bild) > 2000, qPrintable(name));
    }

private slots:
    void defaultVerticalDial()
    {
        AppState s = grundZustand();
        s.FusspunktX = 700;
        s.FusspunktY = 300;
        rendere(s, "vertikal_standard");
    }

    void verticalDialAllLines()
    {
        AppState s = grundZustand();
        alleLinien(s);
        s.FusspunktX = 700;
        s.FusspunktY = 250;
        rendere(s, "vertikal_alle_linien");
    }

    void horizontalDialAllLines()
    {
        AppState s = grundZustand();
        alleLinien(s);
        s.UhrTyp = 'h';
        s.FusspunktX = 700;
        s.FusspunktY = 700;
        rendere(s, "horizontal_alle_linien");
    }

    void decliningIncliningDialAllLines()
    {
        AppState s = grundZustand();
        alleLinien(s);
        s.UhrTyp = 'i';
        s.Par.Wandabweichung = 35;
        s.Par.Inklination = 60;
        s.FusspunktX = 700;
        s.FusspunktY = 400;
        rendere(s, "inklinierend_alle_linien");
    }

    void umbrellaDialsAllLines()
    {
        AppState s = grundZustand();
        alleLinien(s);
        s.Schirmuhr = 1;
        s.UhrTyp = 'h';
        s.FusspunktX = 700;
        s.FusspunktY = 500;
        rendere(s, "schirm_horizontal_alle_linien");
        s.UhrTyp = 'v';
        s.FusspunktY = 300;
        rendere(s, "schirm_vertikal_alle_linien");
        s.UhrTyp = 'i';
        s.FusspunktY = 500;
        rendere(s, "schirm_inklinierend_alle_linien");
    }
};

QTEST_MAIN(PlanarRenderTest)
#include "tst_planarrender.moc"
