#pragma once
// The arithmetic of the location and year dialog: an angle in decimal degrees against its
// degrees, minutes and seconds, and the values the dialog keeps between its openings.
#include "core/State.h"

#include <array>
#include <cstdint>

namespace umbrin {

struct GradMinSek {
    std::int32_t grad = 0;
    std::int32_t minuten = 0;
    std::int32_t sekunden = 0; // rounded, carried into the minutes (12.999999 gives 13, 0, 0)
};

// Splits |wert| into whole degrees, whole minutes and rounded seconds.
GradMinSek zerlegeGrad(double wert);

// Degrees + minutes / 60 + seconds / 3600.
double setzeGradZusammen(std::int32_t grad, std::int32_t minuten, std::int32_t sekunden);

// The latitude of the degree form: a magnitude below 1e-5 becomes 1e-6 (the floor comes
// before the sign), more than 90 becomes 90; south is negative.
double BreiteAusTeilen(std::int32_t grad, std::int32_t minuten, std::int32_t sekunden, bool sued);

// How a latitude keeps off the equator, where a dial's pole would lie at infinity. One rule
// for every window and reader, so a latitude reads back from the files as it was stored and
// the dial draws the same after a save and a load.
enum class Aequatorregel {
    // The place's latitude as the settings file reads it and the location window and the
    // quadrant page store it: a magnitude below 1e-6 becomes +1e-6 (the files have always
    // read it so).
    Ort,
    // The latitudes of the Sawyer, biazimuthal and mean-time pages, and the second place's,
    // which the file holds with two decimals: a magnitude below 0.005 (written 0.00) becomes
    // 0.0049 with the latitude's own sign; "-0" counts as south.
    Zifferblatt,
};
double BreiteVomAequatorWeg(double breite, Aequatorregel regel);

// Longitude or zone meridian of the degree form: more than 180 becomes 180; east negative.
double LaengeAusTeilen(std::int32_t grad, std::int32_t minuten, std::int32_t sekunden, bool ost);

// The zone meridian lies more than 14 degrees from the longitude (the calculation window
// then asks for confirmation).
bool LaengeWeitVomZonenmeridian(double laenge, double zonenmeridian);

// The question of the closing check: more than 15 degrees apart.
bool ZonenmeridianFrageNoetig(double laenge, double zonenmeridian);

// Values the location dialog keeps for the whole run: the entry form last chosen and, for
// each field of the degree form, its last accepted value (an emptied field shows its own
// value again, never one of another row). Rows: latitude, longitude, zone meridian.
struct OrtEingabeGedaechtnis {
    bool dezimal = true;
    std::array<std::int32_t, 3> grad{};
    std::array<std::int32_t, 3> minuten{};
    std::array<std::int32_t, 3> sekunden{};
};

} // namespace umbrin
