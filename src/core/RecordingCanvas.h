#pragma once
// A canvas that draws nothing and remembers every primitive with the pen, brush and font it
// was drawn with, so tests can count lines, read points, labels and colours without a display.
#include "core/Canvas.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace umbrin {

enum class PrimitiveKind { Line, Polyline, Rectangle, FillRect, Ellipse, Arc, Polygon, Text, Clear };

struct RecordedPrimitive {
    PrimitiveKind kind = PrimitiveKind::Line;
    // Line: from, to. Polyline and Polygon: the points. Rectangle, FillRect, Ellipse: top-left
    // and bottom-right. Arc: top-left, bottom-right, start ray point, end ray point. Text: the
    // top-left corner.
    std::vector<CanvasPoint> points;
    CanvasPen pen;
    CanvasBrush brush;
    CanvasFont font;
    std::string text;
    double angle = 0; // rotated text, degrees counter-clockwise
};

class RecordingCanvas : public Canvas {
public:
    // A pixel surface of the given size, or a printer page in 0.1 mm when printer is true.
    RecordingCanvas(int width, int height, bool printer = false);

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
    // An estimate from the font height: 0.55 of it per character, 1.15 of it high.
    TextExtent textExtent(std::string_view text) const override;
    void clear() override;

    const std::vector<RecordedPrimitive>& primitives() const { return primitives_; }
    void reset() { primitives_.clear(); }

    // Queries for tests.
    std::vector<const RecordedPrimitive*> select(const std::function<bool(const RecordedPrimitive&)>& keep) const;
    // Line segments (single lines and the pieces of polylines) drawn with a visible pen of this
    // colour.
    std::size_t countLines(Farbe penColor) const;
    std::size_t countLines() const;
    // Every text drawn, in drawing order.
    std::vector<std::string> texts() const;
    // Every end point of every line and polyline drawn with this pen colour.
    std::vector<CanvasPoint> linePoints(Farbe penColor) const;
    // True when a text containing the fragment was drawn.
    bool hasText(std::string_view fragment) const;

protected:
    void drawLine(CanvasPoint from, CanvasPoint to) override;

private:
    RecordedPrimitive make(PrimitiveKind kind) const;

    int width_;
    int height_;
    bool printer_;
    std::vector<RecordedPrimitive> primitives_;
};

} // namespace umbrin
