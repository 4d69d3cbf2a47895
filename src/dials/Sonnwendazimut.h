#pragma once
// Where the sun stands when it reaches an altitude on the solstices: the ends of a line of
// equal altitude on a dial.
#include "core/State.h"

#include <vector>

namespace umbrin {

// The morning azimuth (degrees from south, east negative) at which the sun reaches altitude h
// on 21 June (sommer) or 21 December of s.Par.Jahr, at the latitude given and the place's
// longitude and zone meridian, clock time with the equation of time. The search steps through
// the clock times from -0.3 h by 0.2 h and refines backwards by 0.004 h; it gives -180 when the
// altitude is not exceeded before 14.5 h, and also when the sun stays above h for the whole
// day, so that there is no morning crossing.
double sonnwendZeitFuerHoehe(const AppState& s, bool sommer, double h, double breite);

// Both solstice azimuths for altitude h. 0 means the altitude is never reached on that day
// (above the noon altitude; the line closes on the meridian). For a southern latitude the
// results are mirrored to 180 sign(az) - az (unless the summer value is -180).
void sonnwendZeitenFuerHoehe(const AppState& s, double h, double breite, double& azSommer, double& azWinter);

// The search of sonnwendZeitFuerHoehe at one latitude for many altitudes: the steps forward
// through each solstice day are the same for every altitude and are taken once. The results
// are those of sonnwendZeitFuerHoehe to the last bit.
class Sonnwendsuche {
public:
    Sonnwendsuche(const AppState& s, double breite);
    double zeitFuerHoehe(bool sommer, double h);

private:
    struct Schritt {
        double t;
        double hoehe;
    };
    const AppState& s_;
    double breite_;
    std::vector<Schritt> vorwaerts_[2]; // summer, winter
};

// sonnwendZeitenFuerHoehe with a search made for the latitude's magnitude |breite|.
void sonnwendZeitenFuerHoehe(Sonnwendsuche& suche, double h, double breite, double& azSommer, double& azWinter);

} // namespace umbrin
