#pragma once
// The walks the polar-rod lines take on screen and in the plot.
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

} // namespace umbrin
