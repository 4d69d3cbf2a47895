#pragma once
// The Sawyer dial's sheet as its drawing and its hour numbers share it: the canvas, the image's
// or page's frame, the foot, the boxes the texts drawn so far take, and the date lines on it.
#include "core/Canvas.h"
#include "core/State.h"
#include "dials/Clipping.h"
#include "dials/altitude/SawyerGeometrie.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <vector>

namespace umbrin {

inline constexpr Farbe kSawyerNavy = 0x800000;

struct SawyerBlatt {
    AppState& s;
    Canvas& c;
    bool bildschirm;
    int x0, y0, breite, hoehe;
    int fx = 0, fy = 0;
    // Boxes (left, top, right, bottom) the texts drawn so far take: legend, sign table, numbers.
    std::vector<std::array<int, 4>> belegt{};

    // A dial point (y up) on the canvas (y down).
    CanvasPoint punkt(const SawyerPunkt& p) const { return {fx + sawyerPixel(p.x), fy - sawyerPixel(p.y)}; }
    // A line of the dial; on the screen cut at the image's edges: at a far centre or a wide
    // hour angle the lines run on far beyond it, and the image shows them up to its edge. (A
    // page the dial runs off is refused by the page check before it is printed.)
    void zug(const std::vector<CanvasPoint>& q) const
    {
        if (!bildschirm) {
            if (q.size() > 1)
                c.polyline(q);
            return;
        }
        for (const std::vector<CanvasPoint>& stueck : polylinieImRechteck(q, x0 - 1, y0 - 1, x0 + breite - 1, y0 + hoehe - 1))
            c.polyline(stueck);
    }
    void strecke(CanvasPoint p, CanvasPoint q) const { zug({p, q}); }
    int staerke(int mehr) const { return s.Schalter.Linienstaerke + mehr; }
};

// The date lines on the canvas, worked out once for the numbers and the drawing, cut into runs of
// a few segments, each run with its box, so that the question whether a number's box meets a
// date line looks only at the segments near it.
class SawyerDatumsfeld {
public:
    SawyerDatumsfeld(const SawyerBlatt& b, const SawyerGeometrie& g);

    // Draws the pieces of the n-th date line of the geometry.
    void zeichne(const SawyerBlatt& b, std::size_t n) const
    {
        for (std::size_t i = erstes_[n]; i < erstes_[n + 1]; ++i)
            b.zug(linien_[i]);
    }

    // Whether a date line runs through the box x0..x1, y0..y1 (its edges included).
    bool trifft(double x0, double y0, double x1, double y1) const;

private:
    static constexpr std::size_t kLauf = 8, kBlock = 16; // segments a run, runs a block
    struct Kasten {
        int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
        void nimm(const Kasten& k);
        bool getrennt(double a0, double b0, double a1, double b1) const { return x1 < a0 || x0 > a1 || y1 < b0 || y0 > b1; }
    };
    struct Lauf {
        std::size_t linie, von, bis;
        Kasten k;
    };
    struct Block {
        std::size_t von, bis; // its runs
        Kasten k;
    };
    std::vector<std::vector<CanvasPoint>> linien_;
    std::vector<std::size_t> erstes_; // each line's first piece, and one past the last line's last
    std::vector<Lauf> laeufe_;
    std::vector<Block> bloecke_;
};

// Draws the hour lines and their numbers; returns the numbers' boxes (left, top, right, bottom).
std::vector<std::array<int, 4>> sawyerStunden(SawyerBlatt& b, const SawyerMass& m, const SawyerGeometrie& g,
                                              const SawyerDatumsfeld& datum, int FH);

} // namespace umbrin
