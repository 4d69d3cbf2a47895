#pragma once
// The working values of one plot of the azimuthal dial with date or zodiac circles, shared by
// its date circles, hour lines and curves.
#include "core/HPGLDatei.h"
#include "core/SonneEbene.h"
#include "core/State.h"
#include "dials/HpglDialekt.h"
#include "dials/azimuthal/AzimutalGeometrie.h"

#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

struct AzimutalPlot {
    AzimutalPlot(const AppState& zustand, HPGLDatei& datei) : s(zustand), plot(datei) {}
    const AppState& s;
    HPGLDatei& plot;
    AzimutalMasse m;
    AufUntergangAzimute azimute;
    std::string stiftbreite; // the pen-width text after "PW ", empty for the thin pen
    bool stiftUnten = false;
    bool letzterSichtbar = false;
    // The boxes the hour numbers beyond the rim keep clear of: the names of the directions
    // (written anew with the circles of each family) and the numbers set so far.
    std::vector<AzimutalKasten> namen, zahlen;

    void zeile(const std::string& t) { plot.schreibe(t); }
    // The box of the label text at (x, y) in the characters of the circles (SI 0.2,0.32): a
    // character 80 units wide in a cell of 120, the capitals 128 high on the baseline.
    static AzimutalKasten labelKasten(double x, double y, std::string_view text);
    // "x y" of the shadow point of azimuth A at distance r about (cx, cy), y upwards.
    std::string punkt(int cx, int cy, double r, double A) const;
};

void hpglDatumskreiseKalender(AzimutalPlot& p, int cx, int cy);
void hpglDatumskreiseZodiak(AzimutalPlot& p, int cx, int cy);
void hpglZodiakLegende(AzimutalPlot& p, int x, int y);

} // namespace umbrin
