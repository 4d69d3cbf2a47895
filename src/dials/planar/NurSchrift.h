#pragma once
// A canvas that passes on only the texts written on it, in its own font and brush, to another
// canvas; lines and shapes go nowhere. For placing numbers along lines that are drawn
// elsewhere.
#include "core/Canvas.h"

namespace umbrin {

class NurSchrift : public Canvas {
public:
    explicit NurSchrift(Canvas& ziel)
        : ziel_(ziel)
    {
    }

    int width() const override { return ziel_.width(); }
    int height() const override { return ziel_.height(); }
    bool isPrinter() const override { return ziel_.isPrinter(); }
    int unitsPerInch() const override { return ziel_.unitsPerInch(); }

    void polyline(const std::vector<CanvasPoint>&) override {}
    void rectangle(int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void arc(int, int, int, int, int, int, int, int) override {}
    void polygon(const std::vector<CanvasPoint>&) override {}
    void clear() override {}

    void textOut(int x, int y, std::string_view text) override
    {
        uebernimm();
        ziel_.textOut(x, y, text);
    }
    void textOutRotated(int x, int y, std::string_view text, double angle) override
    {
        uebernimm();
        ziel_.textOutRotated(x, y, text, angle);
    }
    TextExtent textExtent(std::string_view text) const override
    {
        ziel_.setFont(font());
        return ziel_.textExtent(text);
    }

protected:
    void drawLine(CanvasPoint, CanvasPoint) override {}

private:
    void uebernimm()
    {
        ziel_.setFont(font());
        ziel_.setBrush(brush());
    }

    Canvas& ziel_;
};

} // namespace umbrin
