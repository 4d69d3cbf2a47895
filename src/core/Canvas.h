#pragma once
// The drawing surface every construction draws on: the image of the drawing window (pixels),
// a printer page (0.1 mm) or a recorder for tests. Coordinates are integers in device units,
// x to the right, y downwards, the origin in the top-left corner.
//
// The surface keeps the current pen, brush, font and pen position here in the base class, so
// every surface treats them alike; the surfaces only implement the primitives. Colours are in
// the program's colour order 0x00BBGGRR.
#include "core/State.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

struct CanvasPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, Clear };
enum class BrushStyle { Solid, Clear };

struct CanvasPen {
    Farbe color = 0x000000;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

struct CanvasBrush {
    Farbe color = 0xFFFFFF;
    BrushStyle style = BrushStyle::Solid;
};

// A font is held by its height in device units. A font size N is a letter height (em) of
// N * 96 / 72 device units on every surface: on the screen that is N points at 96 pixels per
// inch, on a printed page (0.1 mm) size 35 is about 4.7 mm, so legends keep the proportions
// they have on the screen. A font height N is the whole text cell: a line of text is N units
// high, so lines N units apart never overlap.
struct CanvasFont {
    std::string name = "Arial";
    int height = 13;
    bool bold = false;
    Farbe color = 0x000000;
    bool cellHeight = false; // height is the text cell (a font height), not the letters (a size)
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

// Colour values the constructions use by name.
inline constexpr Farbe FarbeSchwarz = 0x000000;
inline constexpr Farbe FarbeWeiss = 0xFFFFFF;
inline constexpr Farbe FarbeRot = 0x0000FF;
inline constexpr Farbe FarbeKastanie = 0x000080;
inline constexpr Farbe FarbeSilber = 0xC0C0C0;

class Canvas {
public:
    virtual ~Canvas() = default;

    // Device size in device units, and what a unit is.
    virtual int width() const = 0;
    virtual int height() const = 0;
    // True on a printer page, where a unit is 0.1 mm; false on a pixel image.
    virtual bool isPrinter() const = 0;
    // Device units per inch: 96 on a pixel image, 254 on a printer page.
    virtual int unitsPerInch() const = 0;

    // Pen.
    void setPen(const CanvasPen& pen);
    void setPenColor(Farbe color);
    void setPenWidth(int width);
    void setPenStyle(PenStyle style);
    const CanvasPen& pen() const { return pen_; }

    // Brush: solid or clear. brush() gives the whole brush so a caller can restore it.
    void setBrush(const CanvasBrush& brush);
    void setBrushColor(Farbe color);
    void setBrushStyle(BrushStyle style);
    const CanvasBrush& brush() const { return brush_; }

    // Font: face, size (letters N * 96 / 72 device units high) or height (a text cell of N
    // device units), bold, colour.
    void setFont(const CanvasFont& font);
    void setFontName(std::string name);
    void setFontSize(int size);
    void setFontHeight(int deviceUnits);
    void setBold(bool bold);
    void setFontColor(Farbe color);
    const CanvasFont& font() const { return font_; }
    // The font's size, rounded: its height * 72 / 96.
    int fontSize() const;
    int fontHeight() const { return font_.height; }

    // Lines with the pen.
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    CanvasPoint penPosition() const { return position_; }
    virtual void polyline(const std::vector<CanvasPoint>& points) = 0;

    // Rectangle outlined with the pen and filled with the brush; the pen's outline runs
    // through left..right-1 and top..bottom-1.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    // Fills left <= x < right, top <= y < bottom with the brush, no outline.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    // Ellipse in the bounding box, outlined with the pen and filled with the brush.
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // Arc of the ellipse in the bounding box, counter-clockwise from the ray through
    // (startX, startY) to the ray through (endX, endY), both rays from the centre.
    virtual void arc(int left, int top, int right, int bottom, int startX, int startY, int endX, int endY) = 0;
    // Closed polygon filled with the brush and outlined with the pen.
    virtual void polygon(const std::vector<CanvasPoint>& points) = 0;

    // Text with its top-left corner at (x, y) in the font colour. With a solid brush the text
    // cell is first filled with the brush colour; with a clear brush the text is transparent.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    // Text turned counter-clockwise by angle degrees about its top-left corner (x, y).
    virtual void textOutRotated(int x, int y, std::string_view text, double angle) = 0;
    virtual TextExtent textExtent(std::string_view text) const = 0;

    // The whole surface white.
    virtual void clear() = 0;

protected:
    virtual void drawLine(CanvasPoint from, CanvasPoint to) = 0;
    // Called before pen, brush or font change, so a surface can finish work that used them.
    virtual void beforeStateChange() {}

private:
    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
    CanvasPoint position_;
};

// The lines of a text in the canvas's font: broken at its line breaks and, within breite,
// between its words (a word wider than that on a line of its own).
std::vector<std::string> umbrochen(const Canvas& c, const std::string& text, int breite);

} // namespace umbrin
