#include "dials/Zahlenplatz.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace umbrin {

int Zahlenplatz::quer(const Kasten& k, const Kasten& b) const
{
    // On one line: sharing at least half the lower box's height.
    const int hoehe = std::min(k.hoehe, b.hoehe);
    const int gemeinsam = std::min(k.y + k.hoehe, b.y + b.hoehe) - std::max(k.y, b.y);
    if (leerraum_ <= 0 || 2 * gemeinsam < hoehe)
        return abstand_;
    return std::max(abstand_, static_cast<int>(std::ceil(leerraum_ * hoehe)));
}

bool Zahlenplatz::frei(const Kasten& k) const
{
    for (const Kasten& b : belegt_) {
        const int q = quer(k, b);
        if (k.x < b.x + b.breite + q && b.x < k.x + k.breite + q && k.y < b.y + b.hoehe + abstand_
            && b.y < k.y + k.hoehe + abstand_)
            return false;
    }
    return true;
}

bool Zahlenplatz::aufDemBlatt(const Kasten& k) const
{
    return blatt_.breite < 0
           || (k.x >= blatt_.x && k.y >= blatt_.y && k.x + k.breite <= blatt_.x + blatt_.breite
               && k.y + k.hoehe <= blatt_.y + blatt_.hoehe);
}

CanvasPoint Zahlenplatz::aufsBlatt(int x, int y, int breite, int hoehe) const
{
    if (blatt_.breite < 0)
        return {x, y};
    const auto hinein = [](int v, int von, int frei) { return frei < 0 ? v : std::clamp(v, von, von + frei); };
    return {hinein(x, blatt_.x, blatt_.breite - breite), hinein(y, blatt_.y, blatt_.hoehe - hoehe)};
}

std::size_t Zahlenplatz::stelleAmStrich(std::size_t n, const std::function<bool(std::size_t)>& taugt,
                                        const std::function<CanvasPoint(std::size_t)>& ort, int breite,
                                        int hoehe) const
{
    std::size_t erste = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (!taugt(i))
            continue;
        if (erste == n)
            erste = i;
        const CanvasPoint o = ort(i);
        if (istFrei(o.x, o.y, breite, hoehe))
            return i;
    }
    return erste;
}

bool Zahlenplatz::raeume(Kasten& k) const
{
    if (frei(k))
        return true;
    // The places just clear of each box in the way, on its four sides; the nearest free one
    // wins.
    const int x = k.x, y = k.y, breite = k.breite, hoehe = k.hoehe;
    bool gefunden = false;
    long weg = 0;
    for (const Kasten& b : belegt_) {
        const int q = quer({x, y, breite, hoehe}, b);
        const Kasten seiten[] = {
            {b.x - breite - q, y, breite, hoehe},
            {b.x + b.breite + q, y, breite, hoehe},
            {x, b.y - hoehe - abstand_, breite, hoehe},
            {x, b.y + b.hoehe + abstand_, breite, hoehe},
        };
        for (const Kasten& s : seiten) {
            const long d = std::labs(static_cast<long>(s.x) - x) + std::labs(static_cast<long>(s.y) - y);
            if ((!gefunden || d < weg) && frei(s) && aufDemBlatt(s)) {
                gefunden = true;
                k = s;
                weg = d;
            }
        }
    }
    return gefunden;
}

CanvasPoint Zahlenplatz::platziere(int x, int y, int breite, int hoehe)
{
    Kasten k{x, y, breite, hoehe};
    if (!raeume(k))
        k = {x, y, breite, hoehe};
    belegt_.push_back(k);
    return {k.x, k.y};
}

std::optional<CanvasPoint> Zahlenplatz::platziereFrei(int x, int y, int breite, int hoehe)
{
    Kasten k{x, y, breite, hoehe};
    if (!raeume(k))
        return std::nullopt;
    belegt_.push_back(k);
    return CanvasPoint{k.x, k.y};
}

CanvasPoint Zahlenplatz::daneben(int x, int y, int breite, int hoehe, int luft) const
{
    for (const Kasten& b : belegt_)
        if (x < b.x + b.breite + abstand_ && b.x < x + breite + abstand_ && y < b.y + b.hoehe + abstand_
            && b.y < y + hoehe + abstand_)
            x = b.x + b.breite + luft;
    return {x, y};
}

CanvasPoint Zahlenplatz::platziere(const Canvas& c, int x, int y, std::string_view text)
{
    return platziere(x, y, c.textExtent(text).width, c.fontHeight());
}

} // namespace umbrin
