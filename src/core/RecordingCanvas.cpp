#include "core/RecordingCanvas.h"

#include "core/Rounding.h"

namespace umbrin {

RecordingCanvas::RecordingCanvas(int width, int height, bool printer)
    : width_(width)
    , height_(height)
    , printer_(printer)
{
    setFontSize(10);
}

RecordedPrimitive RecordingCanvas::make(PrimitiveKind kind) const
{
    RecordedPrimitive p;
    p.kind = kind;
    p.pen = pen();
    p.brush = brush();
    p.font = font();
    return p;
}

void RecordingCanvas::drawLine(CanvasPoint from, CanvasPoint to)
{
    RecordedPrimitive p = make(PrimitiveKind::Line);
    p.points = {from, to};
    primitives_.push_back(std::move(p));
}

void RecordingCanvas::polyline(const std::vector<CanvasPoint>& points)
{
    RecordedPrimitive p = make(PrimitiveKind::Polyline);
    p.points = points;
    primitives_.push_back(std::move(p));
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom)
{
    RecordedPrimitive p = make(PrimitiveKind::Rectangle);
    p.points = {{left, top}, {right, bottom}};
    primitives_.push_back(std::move(p));
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom)
{
    RecordedPrimitive p = make(PrimitiveKind::FillRect);
    p.points = {{left, top}, {right, bottom}};
    primitives_.push_back(std::move(p));
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom)
{
    RecordedPrimitive p = make(PrimitiveKind::Ellipse);
    p.points = {{left, top}, {right, bottom}};
    primitives_.push_back(std::move(p));
}

void RecordingCanvas::arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY)
{
    RecordedPrimitive p = make(PrimitiveKind::Arc);
    p.points = {{left, top}, {right, bottom}, {startX, startY}, {endX, endY}};
    primitives_.push_back(std::move(p));
}

void RecordingCanvas::polygon(const std::vector<CanvasPoint>& points)
{
    RecordedPrimitive p = make(PrimitiveKind::Polygon);
    p.points = points;
    primitives_.push_back(std::move(p));
}

void RecordingCanvas::textOut(int x, int y, std::string_view text)
{
    RecordedPrimitive p = make(PrimitiveKind::Text);
    p.points = {{x, y}};
    p.text = std::string(text);
    primitives_.push_back(std::move(p));
}

void RecordingCanvas::textOutRotated(int x, int y, std::string_view text, double angle)
{
    RecordedPrimitive p = make(PrimitiveKind::Text);
    p.points = {{x, y}};
    p.text = std::string(text);
    p.angle = angle;
    primitives_.push_back(std::move(p));
}

TextExtent RecordingCanvas::textExtent(std::string_view text) const
{
    // Characters, not bytes: UTF-8 continuation bytes do not count.
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++n;
    const long double h = font().height;
    return {static_cast<int>(roundHalfEven(0.55L * h * static_cast<long double>(n))),
            static_cast<int>(roundHalfEven(1.15L * h))};
}

void RecordingCanvas::clear()
{
    primitives_.push_back(make(PrimitiveKind::Clear));
}

std::vector<const RecordedPrimitive*>
RecordingCanvas::select(const std::function<bool(const RecordedPrimitive&)>& keep) const
{
    std::vector<const RecordedPrimitive*> out;
    for (const auto& p : primitives_)
        if (keep(p))
            out.push_back(&p);
    return out;
}

namespace {
bool isStroke(const RecordedPrimitive& p)
{
    return (p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Polyline) && p.pen.style != PenStyle::Clear;
}

std::size_t segments(const RecordedPrimitive& p)
{
    return p.points.size() < 2 ? 0 : p.points.size() - 1;
}
} // namespace

std::size_t RecordingCanvas::countLines(Farbe penColor) const
{
    std::size_t n = 0;
    for (const auto& p : primitives_)
        if (isStroke(p) && p.pen.color == penColor)
            n += segments(p);
    return n;
}

std::size_t RecordingCanvas::countLines() const
{
    std::size_t n = 0;
    for (const auto& p : primitives_)
        if (isStroke(p))
            n += segments(p);
    return n;
}

std::vector<std::string> RecordingCanvas::texts() const
{
    std::vector<std::string> out;
    for (const auto& p : primitives_)
        if (p.kind == PrimitiveKind::Text)
            out.push_back(p.text);
    return out;
}

std::vector<CanvasPoint> RecordingCanvas::linePoints(Farbe penColor) const
{
    std::vector<CanvasPoint> out;
    for (const auto& p : primitives_)
        if (isStroke(p) && p.pen.color == penColor)
            out.insert(out.end(), p.points.begin(), p.points.end());
    return out;
}

bool RecordingCanvas::hasText(std::string_view fragment) const
{
    for (const auto& p : primitives_)
        if (p.kind == PrimitiveKind::Text && p.text.find(fragment) != std::string::npos)
            return true;
    return false;
}

} // namespace umbrin
