#pragma once
// The line families of the planar dial's screen construction. Each draws on the canvas of the
// construction context and reads and writes its working values; the construction calls them
// in its fixed order.
#include "dials/planar/EbeneKontext.h"

namespace umbrin {

// The marks at the gnomon foot: a square and a cross, on the vertical dial with the horizon
// through the foot between them.
void zeichneFussmarke(EbeneKontext& k);

// Legend texts, hour numbers along the shadow paths and the hour-line caption; sets the
// context's longitude for the true-time lines.
void zeichneLegende(EbeneKontext& k);

// The date lines of the date-line table of the context.
void zeichneDatumslinienTabelle(EbeneKontext& k);

// Lines of whole-hour day length, from the declinations in k.DeklStunden.
void zeichneDatumslinien(EbeneKontext& k);

// The hour lines of one time system, from hour `von` to `bis`: true time (straight, days 171
// on) or mean time with the equation of time (the figure-eight over the year), with the
// analemma marks when the range is the marked hour.
void zeichneStundenlinien(EbeneKontext& k, int ersterTag, bool mitZeitgl, int von, int bis);

// The longitude that sets the time of the figure-eights: the zone's meridian for local mean
// time, else the place's.
double achterLaenge(const AppState& s);

// The points of the figure-eight of hour `stunde` over the year, in the order it is drawn;
// a point where the sun does not light the face is left as a gap (NaN). Sets k.Laenge.
std::vector<std::array<double, 2>> achterPunkte(EbeneKontext& k, int stunde);

// Temporal hour lines from hour `von` to `bis` with `intervall` + 1 lines per hour.
void zeichneTemporalstunden(EbeneKontext& k, int von, int bis, int intervall);

// Italian or Babylonian hour lines.
void zeichneItalBabylStunden(EbeneKontext& k, bool italienisch, int von, int bis, int intervall);

// Lines of equal sun altitude from `von` to `bis` degrees, 1, 2 or 4 per ten degrees.
void zeichneHoehenlinien(EbeneKontext& k, int von, int bis, int intervall);

// The box (left, top, right, bottom) of the gnomon scale's text in the frame's bottom left
// corner, which the hour numbers keep clear of.
std::array<double, 4> gnomonSkalaKasten(EbeneKontext& k);

// Pole point, substyle and pole triangle for the pole offset (X, Y) from the foot.
void zeichnePolstabMarken(EbeneKontext& k, double X, double Y);

} // namespace umbrin
