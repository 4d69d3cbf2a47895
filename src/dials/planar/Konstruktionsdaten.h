#pragma once
// The construction data of a horizontal, vertical or inclining dial (each also as umbrella
// dial) as text lines: title, place and plane, gnomon, the point where the polar style
// pierces the face, the substyle's angles and the clock time of the shadow on it,
// optionally the declinations of the days with a whole number of hours of sunshine, and
// the fixed notes. The drawing window shows the lines, the plot's coordinate list copies
// them.
#include "core/State.h"

#include <array>
#include <string>

namespace umbrin {

// Declinations (taken positive, degrees) of the days whose day length is 12 + k hours,
// k = 0..12; 999 where the sun never gets there.
using DeklStundenTabelle = std::array<double, 13>;

// The three values the hour-line angle table of the drawing window reuses. A value is set
// only on the path that computes it and keeps its earlier text otherwise.
struct SubstilarTexte {
    std::string PolstabWinkel;      // angle between substyle and polar style, RealStr(.., 8, 2)
    std::string SubstilareRichtung; // direction of the substyle from the y axis, RealStr(.., 8, 2)
    std::string SubstilareZeit;     // clock time of the shadow on the substyle, " 12:00"
};

// Rebuilds s.InfoZeilen in the current language. Laenge, Wand and Breite are the place's
// longitude, the plane's declination from south (east negative) and the latitude; Neigung is
// the plane's inclination (0 horizontal, 90 vertical); Gnomon the gnomon length as drawn in
// millimetres. Reads s.UhrTyp, s.Schirmuhr, s.Schalter.GanzeTageslaenge and s.EpsRund;
// deklStunden is read only with the whole-hour day lengths switched on. A line may hold a
// line break (CR LF) of its own.
void Konstruktionsdaten(AppState& s, SubstilarTexte& texte, double Laenge, double Neigung, double Wand,
                        double Breite, double Gnomon, const DeklStundenTabelle& deklStunden);

} // namespace umbrin
