#pragma once
// The walks the polar-rod lines take on screen and in the plot, and where the cylinders'
// numbers go.
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <vector>

namespace umbrin {

// Calls f(x) for x = start, start + schritt, ... ; the first value at or past ende in the
// direction of travel is replaced by ende and is the last. A step of zero calls f(ende) only.
template <class F>
void schritteBis(double start, double ende, double schritt, F&& f)
{
    for (long i = 0;; ++i) {
        const double x = start + static_cast<double>(i) * schritt;
        if (schritt == 0 || (schritt > 0 ? x >= ende : x <= ende)) {
            f(ende);
            return;
        }
        f(x);
    }
}

// The point of a line (by its index along it) that carries its number. gewuenscht marks the
// places the number is meant for, moeglich the points that may carry it cleanly (lit by the
// sun, the number wholly on the sheet), beleuchtet the points the sun reaches on the sheet.
// Of the wanted points that may carry it the one nearest along the line to bezug: one number
// a line, as copies a few days apart would stand side by side and read as one number. When
// none may, the point that may nearest bezug; when none is clean, the lit point nearest bezug,
// where the number stands as near as the sheet lets it. None only when the sun reaches no
// point of the line on the sheet: a number never costs a line that is lit.
inline std::vector<std::size_t> zahlenStellen(const std::vector<char>& gewuenscht, const std::vector<char>& moeglich,
                                              const std::vector<char>& beleuchtet, std::size_t bezug)
{
    std::vector<char> sauberGewuenscht(moeglich.size());
    for (std::size_t i = 0; i < moeglich.size(); ++i)
        sauberGewuenscht[i] = gewuenscht[i] && moeglich[i];
    const auto abstand = [&](std::size_t j) { return j > bezug ? j - bezug : bezug - j; };
    const std::vector<char>* masken[] = {&sauberGewuenscht, &moeglich, &beleuchtet};
    for (const std::vector<char>* maske : masken) {
        std::size_t beste = maske->size();
        for (std::size_t i = 0; i < maske->size(); ++i)
            if ((*maske)[i] && (beste == maske->size() || abstand(i) < abstand(beste)))
                beste = i;
        if (beste < maske->size())
            return {beste};
    }
    return {};
}

// The left edge of a number breite wide wanted at links, beside the filter-hat's azimuth lines
// (at start + k * spalte): where one runs through the number, it moves across to the nearer
// side of that line, luecke clear of it. It stays where it is when no line runs through it or
// it does not fit between two.
inline double nebenAzimutlinie(double links, double breite, double start, double spalte, double luecke)
{
    const double linie = start + std::ceil((links - start) / spalte) * spalte;
    if (breite + 2 * luecke > spalte || linie >= links + breite)
        return links;
    const double rechts = linie + luecke;
    const double davor = linie - luecke - breite;
    return rechts - links < links - davor ? rechts : davor;
}

} // namespace umbrin
