#pragma once
// The canvas on a QPainter: the drawing window's image (units are pixels) or a printer page
// (units are 0.1 mm from the printable corner, y downwards). Drawing is antialiased.
//
// Font faces the constructions ask for are mapped to fonts installed with the program:
// "Arial" to Liberation Sans (or DejaVu Sans), "Times New Roman" to a serif, "Courier" to a
// monospace face, and the zodiac letters of "Wingdings" to the signs U+2648..U+2653 of
// DejaVu Sans.
#include "core/Canvas.h"

#include <QFont>
#include <QPainter>
#include <QLineF>
#include <QList>
#include <QPolygonF>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

class QImage;
class QPagedPaintDevice;

namespace umbrin {

class PainterCanvas : public Canvas {
public:
    // Draws on the image; one unit is one pixel.
    explicit PainterCanvas(QImage& image);
    // Draws on a part of a larger image: the canvas's point (0, 0) lies at origin in the image
    // (whole pixels), and the canvas reports the size given, that of the window it serves.
    // With a clip (image pixels) only that part of the image is touched.
    PainterCanvas(QImage& image, QPoint origin, QSize size, const QRect& clip = {});
    // Draws on a printer or PDF page; one unit is 0.1 mm, the origin at the printable corner.
    explicit PainterCanvas(QPagedPaintDevice& page);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    int width() const override { return width_; }
    int height() const override { return height_; }
    bool isPrinter() const override { return printer_; }
    int unitsPerInch() const override { return printer_ ? 254 : 96; }

    void polyline(const std::vector<CanvasPoint>& points) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) override;
    void polygon(const std::vector<CanvasPoint>& points) override;
    void textOut(int x, int y, std::string_view text) override;
    void textOutRotated(int x, int y, std::string_view text, double angle) override;
    TextExtent textExtent(std::string_view text) const override;
    void clear() override;

    // Draws what is still pending; the destructor does it too.
    void flush();

    // From now on every drawing call adds the image pixels it may change (with room for the
    // pen and antialiasing) to rects; none when null. For taking a drawing off a copy again.
    void collectTouched(std::vector<QRect>* rects) { touched_ = rects; }

    // The installed family a face name maps to, and the text as that family shows it.
    static QString familyFor(const std::string& faceName);
    static QString textFor(const std::string& faceName, std::string_view text);

    // The points of a polyline that move its stroke by at least the tolerance: the ends, and
    // every point farther than that from the segment that would replace it. Repeated points
    // go. The drawings pass a quarter of the canvas's unit.
    static QPolygonF thinned(const QPolygonF& line, double tolerance);

protected:
    void drawLine(CanvasPoint from, CanvasPoint to) override;
    void beforeStateChange() override { flush(); }

private:
    void applyPen();
    // thinned() into a polygon whose room is reused.
    static void thin(const QPolygonF& line, double tolerance, QPolygonF& aus);
    // Draws a line of the current pen.
    void strich(const QPolygonF& linie);
    void applyBrush();
    QFont qtFont() const;
    void drawTextCell(double x, double y, const QString& text);
    // Adds r (canvas units, under the painter's transform) grown by room to the touched pixels.
    void touch(const QRectF& r, double room);
    void touchLine(const QPolygonF& line);

    std::unique_ptr<QPainter> painter_;
    int width_ = 0;
    int height_ = 0;
    bool printer_ = false;
    double offset_ = 0; // half a pixel on images, so 1-pixel lines fall on pixel centres
    QPolygonF stroke_;  // consecutive line segments, drawn as one polyline
    QPolygonF duenn_;   // the stroke thinned, its room kept for the next
    QList<QLineF> strecken_; // the segments of a wide line
    std::vector<QRect>* touched_ = nullptr;
    // The Qt fonts made so far for the canvas's fonts: a drawing switches among a handful.
    struct Schrift {
        std::string name;
        int height = 0;
        bool bold = false;
        bool cellHeight = false;
        QFont font;
    };
    mutable std::vector<Schrift> schriften_;
};

} // namespace umbrin
