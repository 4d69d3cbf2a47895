// The sun positions a drawing shares (the sines of its latitude, the last declination and the
// last day's sun kept between points) are those of the plain routines, to the last bit, in
// whatever order the line families ask for them.
#include "core/Sonne.h"
#include "dials/UngleicheStunden.h"
#include "dials/planar/EbeneSonnenstaende.h"

#include <gtest/gtest.h>

using namespace umbrin;

namespace {

Sonnenstand plain(double phi, double dekl, double t)
{
    Sonnenstand st;
    AzimutHoehe(st.hoehe, st.azimut, phi, dekl, t);
    return st;
}

void gleich(const Sonnenstand& a, const Sonnenstand& b)
{
    EXPECT_EQ(a.azimut, b.azimut);
    EXPECT_EQ(a.hoehe, b.hoehe);
}

} // namespace

TEST(EbeneSonnenstaende, SharedPositionsAreThePlainOnesBitForBit)
{
    AppState s;
    initialisiereZustand(s);
    for (const double breite : {48.1, -33.9, 0.0, 66.5, -89.0}) {
        SCOPED_TRACE(breite);
        s.Par.Breite = breite;
        const double X1 = breite * 0.8, X2 = -0.37;
        Sonnenrechner r(X1);
        for (int tag = 1; tag <= 365; tag += 11) {
            for (double t = 0; t <= 24; t += 1.25) {
                // Hour lines of mean and true time, as SonnenstandZonenzeit gives them.
                for (bool zeitgl : {true, false}) {
                    Sonnenstand erwartet;
                    double d = 0, e = 0;
                    SonnenstandZonenzeit(s.Par.Jahr, tag, erwartet.hoehe, t + X2, X1, s.Par.Laenge, s.Par.Zonenmeridian,
                                         erwartet.azimut, d, e, zeitgl);
                    gleich(sonneStundenlinie(s, tag, t, zeitgl, r, X2, s.Par.Laenge), erwartet);
                }
                // The sun of true local time (Italian and Babylonian hours).
                Sonnenstand erwartet;
                double d = 0, e = 0;
                SonnenstandOrtszeit(s.Par.Jahr, tag, erwartet.hoehe, t + X2, X1, s.Par.Zonenmeridian,
                                    s.Par.Zonenmeridian, erwartet.azimut, d, e, false);
                gleich(sonneWahreOrtszeit(s, tag, t, r, X2), erwartet);
                gleich(sonneWahreOrtszeit(s, tagessonneZonenmeridian(s, tag, r), t, r, X2), erwartet);
                // Lines of one declination, and of the day length.
                gleich(sonneTageslaengenlinie(23.44 - tag / 8.0, t, r, X2), plain(X1, 23.44 - tag / 8.0, (t + X2 - 12) * 15));
                gleich(sonneTageslaengenlinie(-0.0, t, r, X2), plain(X1, -0.0, (t + X2 - 12) * 15));
                gleich(sonneTageslaengenlinie(0.0, t, r, X2), plain(X1, 0.0, (t + X2 - 12) * 15));
            }
            // Temporal hours: the declination at local noon sets the half day arc.
            for (double n = 0; n <= 12; n += 1.5) {
                double hoehe = 0, azimut = 0, d = 0, e = 0;
                SonnenstandOrtszeit(s.Par.Jahr, tag, hoehe, 12.0, breite, s.Par.Laenge, s.Par.Laenge, azimut, d, e,
                                    false);
                const double t = 12 - (6 - n) * HalberTagbogen(breite, d) / 90;
                Sonnenstand erwartet;
                SonnenstandOrtszeit(s.Par.Jahr, tag, erwartet.hoehe, t + X2, X1, s.Par.Laenge, s.Par.Laenge,
                                    erwartet.azimut, d, e, false);
                gleich(sonneTemporallinie(s, tag, n, r, X2), erwartet);
                gleich(sonneTemporallinie(s, tagessonneOrtszeit(s, tag, r), n, r, X2), erwartet);
            }
        }
    }
}
