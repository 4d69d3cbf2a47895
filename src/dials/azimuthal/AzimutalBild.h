#pragma once
// The working values one canvas drawing of the azimuthal dial shares between its steps.
#include "core/Canvas.h"
#include "core/SonneEbene.h"
#include "core/State.h"
#include "dials/Zeichenumgebung.h"
#include "dials/azimuthal/AzimutalGeometrie.h"

#include <string>
#include <vector>

namespace umbrin {

struct AzimutalBild {
    AzimutalBild(const AppState& zustand, Canvas& canvas, bool aufBildschirm, const Zeichenumgebung& u)
        : s(zustand), c(canvas), bildschirm(aufBildschirm), umgebung(u)
    {
    }
    const AppState& s;
    Canvas& c;
    bool bildschirm;
    const Zeichenumgebung& umgebung;
    int breite = 0, hoehe = 0;         // as passed
    int W = 0, H = 0;                  // usable size (less 50 on a page)
    int x0 = 0, y0 = 0;
    int lw = 1;                        // base pen width
    int cx = 0, cy = 0;
    AzimutalMasse m;
    AufUntergangAzimute azimute;
    bool letzterSichtbar = false;
    // The boxes the hour numbers beyond the rim keep clear of: the names of the directions,
    // then the numbers as they are set.
    std::vector<AzimutalKasten> belegt;

    // The shadow point of a sun of azimuth A at distance r.
    CanvasPoint punkt(double r, double A) const;
    void text(int x, int y, const std::string& t) { c.textOut(x, y, t); }
    // A text written at (x, y) that the hour numbers keep clear of.
    void belegterText(int x, int y, const std::string& t);
    // The cross through the centre of half-length l.
    void kreuz(int l);
    // The degree ring at R: a tick every degree, longer every five and fifteen.
    void skalenring();
};

// The font height the zodiac scale's sign legend sets, which its circles' labels keep.
inline int zodiakSchrift(bool bildschirm, bool grosserBildschirm) { return bildschirm ? (grosserBildschirm ? 16 : 12) : 30; }

void zeichneKalenderKreise(AzimutalBild& b);
void zeichneZodiakKreise(AzimutalBild& b);

} // namespace umbrin
