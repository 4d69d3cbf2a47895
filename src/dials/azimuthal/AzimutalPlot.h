#pragma once
// The working values of one plot of the azimuthal dial with date or zodiac circles, shared by
// its date circles, hour lines and curves.
#include "core/HPGLDatei.h"
#include "core/SonneEbene.h"
#include "core/State.h"
#include "dials/HpglDialekt.h"
#include "dials/azimuthal/AzimutalGeometrie.h"

#include <string>

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

    void zeile(const std::string& t) { plot.schreibe(t); }
    // "x y" of the shadow point of azimuth A at distance r about (cx, cy), y upwards.
    std::string punkt(int cx, int cy, double r, double A) const;
};

void hpglDatumskreiseKalender(AzimutalPlot& p, int cx, int cy);
void hpglDatumskreiseZodiak(AzimutalPlot& p, int cx, int cy);
void hpglZodiakLegende(AzimutalPlot& p, int x, int y);

} // namespace umbrin
