#pragma once
// The hour-line angle table of a horizontal, vertical or inclining dial: for every clock time
// of the hour range the angle of its hour line at the pole point, measured from the plane's
// fall line (for a horizontal dial from the noon line), counter-clockwise as the drawing
// shows it, with its tangent; the sunshine interval of the plane; and the hour-line angles
// the planar construction continues its lines with.
#include "core/State.h"
#include "dials/Zeichenumgebung.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace umbrin {

// Geometry of one plane: the direction of the hour line of hour angle tau (degrees, west
// positive) from the pole point, in degrees counter-clockwise from the reference direction
// of the drawing (down the fall line for walls and inclined planes, north for a horizontal
// dial), in -180 .. 180; nothing when the line does not exist on the plane (the sun never
// reaches the plane at that hour angle within the year, or the plane holds the earth's axis).
struct WinkelEbene {
    char typ = 'v';       // 'h', 'v' or 'i'
    double breite = 0;    // latitude
    double wand = 0;      // declination of the plane from south, east negative
    double neigung = 90;  // inclination: 0 horizontal, 90 vertical
};
WinkelEbene winkelEbene(const AppState& s);

std::optional<double> stundenlinienRichtung(const WinkelEbene& e, double tau, double maxDekl);

// The table's angle: the direction of the line for walls and inclined planes, and for a
// horizontal dial the same brought into -90 .. 90 (the line without its side).
std::optional<double> stundenlinienWinkel(const WinkelEbene& e, double tau, double maxDekl);

// Hour angles (degrees) between which the sun can reach the plane in the course of the
// year; at |latitude| >= 89.99 the whole circle.
struct Besonnung {
    bool jemals = false;
    double von = -180;
    double bis = 180;
};
Besonnung besonnung(const WinkelEbene& e, double maxDekl);

struct WinkelZelle {
    std::string zeit;    // "hh:mm"
    std::string winkel;  // width 9, 2 decimals, or "  -----  "
    std::string tangens; // width 9, 1 to 3 decimals, "   >10000", "  <-10000"
    bool belegt() const { return !zeit.empty(); }
};

struct Winkeltabelle {
    static constexpr int Gruppen = 4;
    static constexpr int Zeilen = 47; // rows below the heading row
    // Entries fill the first group top to bottom, then the next.
    std::array<std::array<WinkelZelle, Zeilen>, Gruppen> zellen;
    int eintraege = 0;

    // Headings of the columns (time, angle, tangent) and of the print.
    std::array<std::string, 3> spaltenKopf;
    std::string kopfOrt, kopfWand, kopfEbene;
    // Values of the labels: latitude, wall, inclination, longitude, zone meridian (" - - - -"
    // where the type has none), and the sunshine interval.
    std::array<std::string, 5> werte;
    std::string besonnt;
    // The lines below the grid: substyle, style and shadow-on-substyle texts, and except for a
    // horizontal dial the angle between fall line and noon line.
    std::vector<std::string> memo;

    // For the planar construction.
    StundenwinkelTabelle stundenwinkel = leereStundenwinkelTabelle();
    double stundenwinkelMin = -180;
    double stundenwinkelMax = 180;
};

// Substyle texts of the construction listing the table repeats below the grid.
struct WinkelMemoTexte {
    std::string substilareRichtung;
    std::string polstabWinkel;
    std::string substilareZeit;
};

// Computes the table for s.UhrTyp ('h', 'v', 'i') over the hour range Zeiten.EotVon ..
// Zeiten.EotBis with the subdivision of Schalter.StundenIntervall. laengenkorrektur: the
// clock times are zone time (the hour angle is shifted by the longitude difference to the
// zone meridian) instead of local apparent time.
Winkeltabelle berechneWinkeltabelle(const AppState& s, bool laengenkorrektur, const WinkelMemoTexte& memo);

// Text of a clock time in hours: "hh:mm" (8.5 gives " 8:30").
std::string winkelZeit(double stunden);

} // namespace umbrin
