#pragma once
// The two halves of the horizon computation. Far away every grid cell is taken on its own on
// the sphere (HorizontAusZeile, one grid row at a time); near the centre the heights of the
// window are taken as a continuous surface on a plane (HorizontNahfeld). Both raise a
// profile bin only where a cell rises strictly above what the bin holds, so the first cell
// of the highest elevation wins and the result does not depend on how rows are shared out.
#include "core/Horizontprofil.h"
#include "tables/Arbeitsmatrix.h"
#include "tables/Hoehengitter.h"

#include <cstdint>
#include <vector>

namespace umbrin {

inline constexpr double kErdRadius = 6372800.0;

// The place the profile is computed for and the window around it.
struct Horizontzentrum {
    long double phi = 0;           // latitude, degrees
    long double lambda = 0;        // longitude, degrees, EAST POSITIVE
    std::int32_t H = 0;            // Beobachterhoehe: ground height plus platform, metres
    std::int32_t Mindestabstand = 200;
    std::int32_t MaxAbstandM = 60000;
    long double MaxAbstandGrad = 0; // MaxAbstandKm / 111.11
    long double Zellgroesse = 0;    // of the first tile; every tile has the same
    // Grid point of the window's centre cell (the row north of and the column west of the
    // centre) and the window's half sizes in rows and columns.
    long double fensterBreite = 0;
    long double fensterLaenge = 0;
    std::int32_t halbeZeilen = 250;
    std::int32_t halbeSpalten = 250;

    long double laengenBreite() const; // MaxAbstandGrad / cos(phi): the band of longitudes used
};

// Lagrange cubic through heights h0..h3 at -1, 0, 1, 2, evaluated at t (0..1).
double ProfilHilfe(double h0, double h1, double h2, double h3, double t);

// Far field of one tile: per-column values computed once for the tile, then one row after
// another. The profile bins of a cell are raised only when it lies higher than the observer,
// between Mindestabstand and MaxAbstandM from the centre, outside the window and above the
// observer's horizontal plane.
class Fernfeld {
public:
    Fernfeld(const Horizontzentrum& z, const Kachelkopf& kopf);

    // True when data row k of the tile lies within MaxAbstandGrad of the centre's latitude.
    bool zeileNoetig(std::int32_t k) const;
    // Processes data row k with its values.
    void HorizontAusZeile(std::int32_t k, const std::int32_t* werte, std::size_t anzahl, Horizontprofil& profil) const;

private:
    struct Spalte {
        double sin2HalbDl;   // sin^2(dLambda / 2)
        double sinDl;
        double cosDl;
        double absDlGrad;    // |dLambda| in degrees
        std::int32_t fensterSpalte; // column offset from the window's centre column
        bool imBand;         // within the band of longitudes used
    };
    const Horizontzentrum& z_;
    const Kachelkopf& kopf_;
    std::vector<Spalte> spalten_;
    double sinPhi_, cosPhi_;
    double aMin_, aMax_;
};

// Near field: the window read into m (rows north to south, centre at halbeZeilen and
// halbeSpalten) walked cell edge by cell edge; rows within S and columns within
// round(S / cos phi + 0.5) of the centre are left out, S = 4 for 1" cells and
// Mindestabstand div 90 + 1 (at least 2) otherwise.
void HorizontNahfeld(const Horizontzentrum& z, const Arbeitsmatrix& m, bool einBogensekunde, Horizontprofil& profil);

// Takes the bins of a partial profile that rise strictly above the profile's.
void uebernimmTeilprofil(const Horizontprofil& teil, Horizontprofil& profil);

} // namespace umbrin
