#include "core/ui/PainterCanvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPen>

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

namespace umbrin {
namespace {

QColor qtColor(Farbe c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

Qt::PenStyle qtPenStyle(PenStyle s)
{
    switch (s) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::Clear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

bool sameFace(const std::string& a, const char* b)
{
    return QString::fromStdString(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

QString firstInstalled(std::initializer_list<const char*> families)
{
    // The font database does not change while the program runs.
    static const QStringList installed = QFontDatabase::families();
    for (const char* f : families)
        if (installed.contains(QLatin1String(f), Qt::CaseInsensitive))
            return QLatin1String(f);
    return QLatin1String(*families.begin());
}

// A painter call can return with the upper halves of the AVX registers still in use. Until
// they are cleared, the plain SSE arithmetic of the constructions between two drawing calls
// runs tied to them, at up to half its speed; so every drawing call clears them when done.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) void obereHaelftenLeeren() { _mm256_zeroupper(); }

void nachDemRastern()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        obereHaelftenLeeren();
}
#else
void nachDemRastern() {}
#endif

// The same point. The canvas's points lie on whole units (and half units on images), where
// this exact test and QPointF's tolerant one agree; this one costs a fraction.
bool gleich(QPointF p, QPointF q) { return p.x() == q.x() && p.y() == q.y(); }

double arcAngle(double cx, double cy, int x, int y)
{
    // Degrees counter-clockwise from the positive x axis as seen on the surface (y down).
    return std::atan2(-(y - cy), x - cx) * 180.0 / M_PI;
}

} // namespace

PainterCanvas::PainterCanvas(QImage& image)
    : painter_(std::make_unique<QPainter>(&image))
    , width_(image.width())
    , height_(image.height())
    , printer_(false)
    , offset_(0.5)
{
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    // Clipping to the whole image changes no pixel, but with a clip rectangle of its own the
    // raster engine draws thin lines straight into the image rather than through span lists,
    // which it flushes at nearly every step of a flat line.
    painter_->setClipRect(QRect(0, 0, width_, height_));
    setFontSize(10);
}

PainterCanvas::PainterCanvas(QImage& image, QPoint origin, QSize size, const QRect& clip)
    : PainterCanvas(image)
{
    width_ = size.width();
    height_ = size.height();
    if (!clip.isNull())
        painter_->setClipRect(clip);
    painter_->translate(origin);
}

PainterCanvas::PainterCanvas(QPagedPaintDevice& page)
    : painter_(std::make_unique<QPainter>(&page))
    , printer_(true)
{
    const QRectF paintMm = page.pageLayout().paintRect(QPageLayout::Millimeter);
    width_ = static_cast<int>(std::floor(paintMm.width() * 10));
    height_ = static_cast<int>(std::floor(paintMm.height() * 10));
    const double scaleX = page.logicalDpiX() / 254.0;
    const double scaleY = page.logicalDpiY() / 254.0;
    painter_->scale(scaleX, scaleY);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    setFontSize(10);
}

PainterCanvas::~PainterCanvas()
{
    flush();
    if (painter_->isActive())
        painter_->end();
}

QString PainterCanvas::familyFor(const std::string& faceName)
{
    static const QString serif = firstInstalled({"Liberation Serif", "DejaVu Serif"});
    static const QString mono = firstInstalled({"Liberation Mono", "DejaVu Sans Mono"});
    static const QString symbole = firstInstalled({"DejaVu Sans"});
    static const QString sans = firstInstalled({"Liberation Sans", "DejaVu Sans"});
    if (sameFace(faceName, "Times New Roman") || sameFace(faceName, "MS Serif"))
        return serif;
    if (sameFace(faceName, "Courier") || sameFace(faceName, "Courier New"))
        return mono;
    if (sameFace(faceName, "Wingdings"))
        return symbole;
    return sans;
}

QString PainterCanvas::textFor(const std::string& faceName, std::string_view text)
{
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (!sameFace(faceName, "Wingdings"))
        return s;
    // The zodiac letters of that face, "^" (Aries) to "i" (Pisces), become the Unicode signs.
    QString out;
    out.reserve(s.size());
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u >= 0x5E && u <= 0x69)
            out.append(QChar(static_cast<char16_t>(0x2648 + (u - 0x5E))));
        else
            out.append(c);
    }
    return out;
}

QFont PainterCanvas::qtFont() const
{
    const CanvasFont& c = font();
    for (const Schrift& s : schriften_)
        if (s.height == c.height && s.bold == c.bold && s.cellHeight == c.cellHeight && s.name == c.name)
            return s.font;
    QFont f(familyFor(font().name));
    const int hoehe = font().height > 0 ? font().height : 1;
    f.setPixelSize(hoehe);
    f.setBold(font().bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    if (font().cellHeight) {
        // The letters as large as fit a text cell of that height (ascent and descent).
        int pixel = std::max(1, static_cast<int>(hoehe * hoehe / QFontMetricsF(f).height()));
        f.setPixelSize(pixel);
        while (pixel > 1 && QFontMetricsF(f).height() > hoehe)
            f.setPixelSize(--pixel);
    }
    if (schriften_.size() >= 16)
        schriften_.clear();
    schriften_.push_back({c.name, c.height, c.bold, c.cellHeight, f});
    return f;
}

void PainterCanvas::applyPen()
{
    QPen p(qtColor(pen().color));
    p.setWidth(pen().width);
    // A one-pixel pen on an image takes the rasteriser's fast path for thin lines; on a page
    // the width is 0.1 mm and scales with the page.
    if (!printer_ && pen().width == 1)
        p.setCosmetic(true);
    p.setStyle(qtPenStyle(pen().style));
    // Wider strokes end flat and join mitred: round ends and joins cost the stroker most of
    // its time on long lines and are no part of the drawings' look.
    if (pen().width > 1) {
        p.setCapStyle(Qt::FlatCap);
        p.setJoinStyle(Qt::MiterJoin);
    } else {
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
    }
    painter_->setPen(p);
}

void PainterCanvas::applyBrush()
{
    if (brush().style == BrushStyle::Clear)
        painter_->setBrush(Qt::NoBrush);
    else
        painter_->setBrush(qtColor(brush().color));
}

QPolygonF PainterCanvas::thinned(const QPolygonF& line, double tolerance)
{
    QPolygonF aus;
    thin(line, tolerance, aus);
    return aus;
}

void PainterCanvas::thin(const QPolygonF& line, double tolerance, QPolygonF& aus)
{
    if (line.size() <= 2) {
        aus = line;
        return;
    }
    // Whether q lies within the tolerance of the segment a-b.
    const double t2 = tolerance * tolerance;
    const auto nahe = [t2](QPointF q, QPointF a, QPointF b) {
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double qx = q.x() - a.x(), qy = q.y() - a.y();
        const double l2 = dx * dx + dy * dy;
        double u = l2 > 0 ? (qx * dx + qy * dy) / l2 : 0;
        u = std::clamp(u, 0.0, 1.0);
        const double fx = qx - u * dx, fy = qy - u * dy;
        return fx * fx + fy * fy < t2;
    };
    // Every point left out lies within the tolerance of the segment between the points kept
    // on either side of it. A run of left-out points is bounded so the work stays linear.
    constexpr qsizetype laengsterLauf = 8;
    aus.clear();
    aus.reserve(line.size());
    aus.append(line.first());
    qsizetype laufVon = 1; // the points left out since the last kept one: [laufVon, i)
    const qsizetype letzter = line.size() - 1;
    const QPointF* punkte = line.constData();
    QPointF a = punkte[0]; // the point kept last
    for (qsizetype i = 1; i < letzter; ++i) {
        const QPointF p = punkte[i];
        if (gleich(p, a)) {
            laufVon = i + 1;
            continue;
        }
        const QPointF n = punkte[i + 1];
        bool weg = i - laufVon < laengsterLauf && nahe(p, a, n);
        for (qsizetype j = laufVon; weg && j < i; ++j)
            weg = nahe(punkte[j], a, n);
        if (!weg) {
            aus.append(p);
            a = p;
            laufVon = i + 1;
        }
    }
    if (!gleich(punkte[letzter], a) || aus.size() == 1)
        aus.append(line[letzter]);
}

void PainterCanvas::touch(const QRectF& r, double room)
{
    if (touched_)
        touched_->push_back(painter_->transform().mapRect(r).adjusted(-room, -room, room, room).toAlignedRect());
}

void PainterCanvas::touchLine(const QPolygonF& line)
{
    if (!touched_)
        return;
    // Piece by piece, so that a long slanting line does not count the whole box around it.
    const double room = pen().width + 2;
    constexpr double stueck = 32;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i], d = line[i + 1] - a;
        const int n = std::max(1, static_cast<int>(std::ceil(std::hypot(d.x(), d.y()) / stueck)));
        for (int j = 0; j < n; ++j)
            touch(QRectF(a + d * (double(j) / n), a + d * (double(j + 1) / n)).normalized(), room);
    }
}

void PainterCanvas::strich(const QPolygonF& linie)
{
    touchLine(linie);
    if (!printer_ && pen().width == 1 && pen().style == PenStyle::Solid && linie.size() == 2) {
        // A one-pixel line along a row or a column of an image covers whole pixels, from the
        // pixel of one end to that of the other: filled as that rectangle it gives the same
        // pixels with far less work (a column touches a new row of the image at every pixel).
        const QPointF a = linie[0], b = linie[1];
        if (!gleich(a, b) && (a.x() == b.x() || a.y() == b.y())) {
            const QPoint p(static_cast<int>(std::floor(std::min(a.x(), b.x()))),
                           static_cast<int>(std::floor(std::min(a.y(), b.y()))));
            const QPoint q(static_cast<int>(std::floor(std::max(a.x(), b.x()))),
                           static_cast<int>(std::floor(std::max(a.y(), b.y()))));
            painter_->fillRect(QRect(p, q), painter_->pen().color());
            return;
        }
    }
    // A wide solid stroke on an image goes segment by segment: the rasteriser draws straight
    // segments directly, where a polyline would first be outlined as a whole. The segments
    // end square, so that each covers the joint with the next (no seam, and at a bend a
    // corner close to a mitre); the ends of the whole line are drawn in by half the pen's
    // width, so that they stay flat.
    if (printer_ || pen().width <= 1 || pen().style != PenStyle::Solid || linie.size() < 3) {
        painter_->drawPolyline(linie);
        nachDemRastern();
        return;
    }
    const double halb = pen().width / 2.0;
    const auto eingezogen = [halb](QPointF von, QPointF nach) {
        const QPointF d = nach - von;
        const double l = std::hypot(d.x(), d.y());
        return l > 2 * halb ? von + d * (halb / l) : von;
    };
    const qsizetype n = linie.size() - 1;
    strecken_.resize(n);
    for (qsizetype i = 0; i < n; ++i)
        strecken_[i] = QLineF(linie[i], linie[i + 1]);
    strecken_[0].setP1(eingezogen(linie[0], linie[1]));
    strecken_[n - 1].setP2(eingezogen(linie[n], linie[n - 1]));
    QPen stift = painter_->pen();
    stift.setCapStyle(Qt::SquareCap);
    painter_->setPen(stift);
    painter_->drawLines(strecken_.constData(), static_cast<int>(n));
    nachDemRastern();
}

void PainterCanvas::flush()
{
    if (stroke_.size() >= 2) {
        applyPen();
        thin(stroke_, 0.25, duenn_);
        strich(duenn_);
    }
    stroke_.clear();
}

void PainterCanvas::drawLine(CanvasPoint from, CanvasPoint to)
{
    const QPointF a(from.x + offset_, from.y + offset_);
    const QPointF b(to.x + offset_, to.y + offset_);
    if (stroke_.isEmpty() || !gleich(stroke_.last(), a)) {
        flush();
        stroke_.append(a);
    }
    // A step within the same point adds nothing to the stroke.
    if (!gleich(b, stroke_.last()) || stroke_.size() == 1)
        stroke_.append(b);
}

void PainterCanvas::polyline(const std::vector<CanvasPoint>& points)
{
    flush();
    if (points.size() < 2)
        return;
    // Drawn as a pending stroke is drawn, in the room the strokes keep.
    stroke_.reserve(static_cast<qsizetype>(points.size()));
    stroke_.append(QPointF(points.front().x + offset_, points.front().y + offset_));
    for (std::size_t i = 1; i < points.size(); ++i)
        if (points[i] != points[i - 1] || i + 1 == points.size())
            stroke_.append(QPointF(points[i].x + offset_, points[i].y + offset_));
    flush();
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom)
{
    flush();
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (brush().style == BrushStyle::Solid) {
        touch(QRectF(left, top, right - left, bottom - top), 1);
        painter_->fillRect(QRectF(left, top, right - left, bottom - top), qtColor(brush().color));
    }
    if (pen().style == PenStyle::Clear)
        return;
    const double room = pen().width + 2;
    touch(QRectF(left, top, right - left, 0), room);
    touch(QRectF(left, bottom, right - left, 0), room);
    touch(QRectF(left, top, 0, bottom - top), room);
    touch(QRectF(right, top, 0, bottom - top), room);
    applyPen();
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(left + offset_, top + offset_, right - left - 1, bottom - top - 1));
    nachDemRastern();
}

void PainterCanvas::fillRect(int left, int top, int right, int bottom)
{
    flush();
    if (right <= left || bottom <= top)
        return;
    if (brush().style == BrushStyle::Clear)
        return;
    touch(QRectF(left, top, right - left, bottom - top), 1);
    painter_->fillRect(QRectF(left, top, right - left, bottom - top), qtColor(brush().color));
    nachDemRastern();
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom)
{
    flush();
    applyPen();
    applyBrush();
    touch(QRectF(left, top, right - left, bottom - top).normalized(), pen().width + 2);
    painter_->drawEllipse(QRectF(left + offset_, top + offset_, right - left - 1, bottom - top - 1));
    nachDemRastern();
}

void PainterCanvas::arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    flush();
    const QRectF box(left + offset_, top + offset_, right - left - 1, bottom - top - 1);
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double a0 = arcAngle(cx, cy, startX, startY);
    double span = arcAngle(cx, cy, endX, endY) - a0;
    while (span <= 0)
        span += 360;
    applyPen();
    painter_->setBrush(Qt::NoBrush);
    touch(box.normalized(), pen().width + 2);
    painter_->drawArc(box, static_cast<int>(std::lround(a0 * 16)), static_cast<int>(std::lround(span * 16)));
    nachDemRastern();
}

void PainterCanvas::polygon(const std::vector<CanvasPoint>& points)
{
    flush();
    if (points.size() < 2)
        return;
    QPolygonF poly;
    for (const auto& p : points)
        poly.append(QPointF(p.x + offset_, p.y + offset_));
    applyPen();
    applyBrush();
    touch(poly.boundingRect(), pen().width + 2);
    painter_->drawPolygon(poly);
    nachDemRastern();
}

void PainterCanvas::drawTextCell(double x, double y, const QString& text)
{
    const QFont f = qtFont();
    painter_->setFont(f);
    const QFontMetricsF m(f);
    // Glyphs may reach a little beyond their cell (slanted letters, accents). The text's
    // advance costs a layout of its own: measured only where the cell is wanted.
    const double h = m.height();
    if (touched_ || brush().style == BrushStyle::Solid) {
        const double w = m.horizontalAdvance(text);
        touch(QRectF(x, y, w, h), h / 2 + 2);
        if (brush().style == BrushStyle::Solid)
            painter_->fillRect(QRectF(x, y, w, h), qtColor(brush().color));
    }
    painter_->setPen(qtColor(font().color));
    painter_->drawText(QPointF(x, y + m.ascent()), text);
    nachDemRastern();
}

void PainterCanvas::textOut(int x, int y, std::string_view text)
{
    flush();
    if (text.empty())
        return;
    drawTextCell(x, y, textFor(font().name, text));
}

void PainterCanvas::textOutRotated(int x, int y, std::string_view text, double angle)
{
    flush();
    if (text.empty())
        return;
    painter_->save();
    painter_->translate(x, y);
    painter_->rotate(-angle); // counter-clockwise on a surface whose y axis points down
    drawTextCell(0, 0, textFor(font().name, text));
    painter_->restore();
}

TextExtent PainterCanvas::textExtent(std::string_view text) const
{
    const QFontMetricsF m(qtFont());
    const QString s = textFor(font().name, text);
    return {static_cast<int>(std::ceil(m.horizontalAdvance(s))), static_cast<int>(std::ceil(m.height()))};
}

void PainterCanvas::clear()
{
    flush();
    painter_->save();
    painter_->resetTransform();
    touch(QRectF(0, 0, painter_->device()->width(), painter_->device()->height()), 0);
    painter_->fillRect(QRect(0, 0, painter_->device()->width(), painter_->device()->height()), Qt::white);
    painter_->restore();
}

} // namespace umbrin
