// The azimuthal dials' pictures drawn with the work they leave out compared with the plain
// drawing, pixel for pixel.
#include "core/State.h"
#include "core/ui/PainterCanvas.h"
#include "dials/azimuthal/AzimutalZeichnung.h"

#include <QImage>
#include <QtTest>

#include <optional>

using namespace umbrin;

namespace {

// The plain drawing of nested discs: every circle drawn inside the first white disc is filled
// white as well, and the first one too.
class JedeScheibeGefuellt : public PainterCanvas {
public:
    using PainterCanvas::PainterCanvas;
    void ellipse(int left, int top, int right, int bottom) override
    {
        const QRect kasten(QPoint(left, top), QPoint(right, bottom));
        if (brush().color == FarbeWeiss && (!scheibe_ || scheibe_->contains(kasten))) {
            scheibe_ = scheibe_.value_or(kasten);
            const BrushStyle vorher = brush().style;
            setBrushStyle(BrushStyle::Solid);
            PainterCanvas::ellipse(left, top, right, bottom);
            setBrushStyle(vorher);
            return;
        }
        PainterCanvas::ellipse(left, top, right, bottom);
    }

private:
    std::optional<QRect> scheibe_;
};

template <class Flaeche>
QImage bild(const AppState& s, QSize groesse)
{
    QImage b(groesse, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::white);
    Flaeche c(b);
    zeichneAzimutal(s, c, groesse.width(), groesse.height(), true, Zeichenumgebung{});
    return b;
}

} // namespace

class AzimutalBildTest : public QObject {
    Q_OBJECT
private slots:
    void calendarDiscsAsThePlainDrawing()
    {
        for (const QSize groesse : {QSize(1920, 1080), QSize(1366, 768), QSize(320, 240), QSize(160, 120)})
            for (const double breite : {48.0, -35.0})
                for (const std::uint8_t ablesung : {0, 1}) {
                    AppState s;
                    initialisiereZustand(s);
                    s.UhrTyp = 'a';
                    s.Par.Breite = breite;
                    s.Schalter.Zeitablesung = ablesung;
                    s.Schalter.ZodiakSkala = 0;
                    s.Schalter.Linienstaerke = groesse.width() == 1366 ? 2 : 1;
                    const QImage neu = bild<PainterCanvas>(s, groesse);
                    const QImage alt = bild<JedeScheibeGefuellt>(s, groesse);
                    QVERIFY2(neu == alt, qPrintable(QString("%1x%2 %3 %4").arg(groesse.width()).arg(groesse.height())
                                                        .arg(breite).arg(ablesung)));
                }
    }
};

QTEST_MAIN(AzimutalBildTest)
#include "tst_azimutalbild.moc"
