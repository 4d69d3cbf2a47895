#include "core/SonneEbene.h"

#include "core/Sonne.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using namespace umbrin;

namespace {

constexpr double kPi = 3.14159265358979323846;
double sinD(double x) { return std::sin(x * kPi / 180.0); }
double cosD(double x) { return std::cos(x * kPi / 180.0); }
double tanD(double x) { return std::tan(x * kPi / 180.0); }
double acosD(double x) { return std::acos(x) * 180.0 / kPi; }
double atanD(double x) { return std::atan(x) * 180.0 / kPi; }

AppState zustand(int jahr = 2024)
{
    AppState s;
    initialisiereZustand(s);
    s.Par.Jahr = jahr;
    SchiefeUndTierkreis(s, jahr);
    return s;
}

// "hh:mm" of true local time for an hour angle, right-aligned to 6 characters.
std::string uhr(double stundenwinkel)
{
    const long total = std::lround((stundenwinkel / 15.0 + 12.0) * 60.0);
    const long minuten = total % 60;
    const std::string t = std::to_string(total / 60) + (minuten < 10 ? ":0" : ":") + std::to_string(minuten);
    return std::string(6 - t.size(), ' ') + t;
}

double azimutUm(const AppState& s, int tag, int monat, double uhrzeit, double* hoehe = nullptr)
{
    double h = 0, az = 0, d = 0, z = 0;
    SonnenstandZonenzeit(s.Par.Jahr, TagImJahr(s.Par.Jahr, monat, tag), h, uhrzeit, s.Par.Breite, s.Par.Laenge,
                         s.Par.Zonenmeridian, az, d, z, true);
    if (hoehe)
        *hoehe = h;
    return az;
}

} // namespace

TEST(ArcTan2Grad, QuadrantsAndAxes)
{
    struct Case {
        double x, y, w;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 0},
                                           {-1, 0, 180},
                                           {0, -1, -90},
                                           {0, 2, 90},
                                           {3, 0, 0},
                                           {1, 1, 45},
                                           {-1, 1, 135},
                                           {-1, -1, -135},
                                           {1, -1, -45}}) {
        EXPECT_NEAR(ArcTan2Grad(c.x, c.y), c.w, 1e-12) << c.x << ", " << c.y;
    }
}

TEST(AequivHorizontaluhr, HorizontalVerticalAndDecliningPlanes)
{
    double p = 0, dl = 0, r = 0;
    AequivHorizontaluhr(47.25, -11.7, 0.0, p, dl, r); // horizontal: the place itself, turned by D
    EXPECT_NEAR(p, 47.25, 1e-12);
    EXPECT_NEAR(dl, 0.0, 1e-12);
    EXPECT_NEAR(r, -11.7, 1e-12);

    AequivHorizontaluhr(47.25, 0.0, 90.0, p, dl, r); // vertical south wall
    EXPECT_NEAR(p, 47.25 - 90.0, 1e-12);
    EXPECT_NEAR(dl, 0.0, 1e-12);
    EXPECT_NEAR(r, 0.0, 1e-12);

    // Vertical declining wall: style height from sin = cos(phi) cos(D), substyle longitude
    // from tan = tan(D) / sin(phi), both with the sign of the southern equivalent place.
    for (double D : {-11.7, 30.0, -60.0}) {
        AequivHorizontaluhr(47.25, D, 90.0, p, dl, r);
        EXPECT_NEAR(p, -std::asin(cosD(47.25) * cosD(D)) * 180.0 / kPi, 1e-9) << D;
        EXPECT_NEAR(dl, atanD(tanD(D) / sinD(47.25)), 1e-9) << D;
    }
}

TEST(CosSonneNormale, AngleBetweenDirections)
{
    EXPECT_NEAR(CosSonneNormale(30, 40, 30, 40), 1.0, 1e-12);
    EXPECT_NEAR(CosSonneNormale(0, 0, 180, 0), -1.0, 1e-12);
    EXPECT_NEAR(CosSonneNormale(-90, 0, 0, 90), 0.0, 1e-12);
    EXPECT_NEAR(CosSonneNormale(10, 20, 70, 50), CosSonneNormale(70, 50, 10, 20), 1e-12);
    EXPECT_NEAR(CosSonneNormale(10, 20, 70, 50), cosD(20) * cosD(50) * cosD(60) + sinD(20) * sinD(50), 1e-12);
}

TEST(SonneVorFlaeche, WallsSeeTheSunOnTheirSide)
{
    // 47.25 N at the June solstice: an east wall (normal azimuth -90) has the morning sun, a
    // west wall the afternoon sun, a south wall neither at 5 h nor at 19 h (sun north of it).
    EXPECT_TRUE(SonneVorFlaeche(8.0, 47.25, 23.44, -90.0, 0.0));
    EXPECT_FALSE(SonneVorFlaeche(16.0, 47.25, 23.44, -90.0, 0.0));
    EXPECT_TRUE(SonneVorFlaeche(16.0, 47.25, 23.44, 90.0, 0.0));
    EXPECT_TRUE(SonneVorFlaeche(12.0, 47.25, 23.44, 0.0, 0.0));
    EXPECT_FALSE(SonneVorFlaeche(5.0, 47.25, 23.44, 0.0, 0.0));
    EXPECT_FALSE(SonneVorFlaeche(19.0, 47.25, 23.44, 0.0, 0.0));
    // With the zenith as normal the test is "above the horizon".
    EXPECT_TRUE(SonneVorFlaeche(7.0, 47.25, 0.0, 0.0, 90.0));
    EXPECT_FALSE(SonneVorFlaeche(5.0, 47.25, 0.0, 0.0, 90.0));
}

TEST(LichtGrenzen, OneDayOnAPlane)
{
    const double H = acosD(-tanD(23.44) * tanD(47.25)); // half day arc at the June solstice
    double f = 0, l = 0;

    LichtKontext horizontal{47.25, 0.0, 0.0, -H, H, false};
    LichtGrenzen(horizontal, 23.44, f, l);
    EXPECT_NEAR(f, -H, 1e-9);
    EXPECT_NEAR(l, H, 1e-9);
    EXPECT_TRUE(horizontal.einIntervall);

    // A north wall in winter never sees the sun.
    LichtKontext nordwand{47.25, 180.0, 90.0, -H, H, false};
    LichtGrenzen(nordwand, -23.44, f, l);
    EXPECT_EQ(f, KeinWert);
    EXPECT_EQ(l, KeinWert);

    // Polar night on a horizontal plane: no light.
    LichtKontext polar{75.0, 0.0, 0.0, -180, 180, false};
    LichtGrenzen(polar, -20.0, f, l);
    EXPECT_EQ(f, KeinWert);
    EXPECT_EQ(l, KeinWert);
}

TEST(LichtGrenzen, PlaneLitRoundTheClockGivesTheWholeDay)
{
    // A roof at 77.5 S tilted 10 degrees: its lit interval runs from r1 through midnight to a
    // time after sunset, so the plane is lit from sunrise to sunset.
    const double H = acosD(-tanD(-3.0) * tanD(-77.5));
    LichtKontext k{-77.5, -10.0, 10.0, -180, 180, false};
    double f = 0, l = 0;
    LichtGrenzen(k, -3.0, f, l);
    EXPECT_NEAR(f, -H, 1e-9);
    EXPECT_NEAR(l, H, 1e-9);
}

TEST(ErstesLetztesLicht, EarliestAndLatestLightOverTheYear)
{
    const AppState s = zustand();
    const double Hs = acosD(-tanD(s.EpsRund + 0.01) * tanD(47.25)); // the k = 1 day, 23.45

    struct Case {
        double phi, D, i;
        double frueh, spaet;
        bool zwei;
        std::string text;
    };
    const std::vector<Case> cases = {
        // Horizontal dial: sunrise and sunset of the longest day.
        {47.25, 0, 0, -Hs, Hs, false, std::string(9, ' ') + uhr(-Hs) + " - " + uhr(Hs)},
        // South wall: 6 to 18 h at the equinox, the sun rising behind it in summer.
        {47.25, 0, 90, -90, 90, false, std::string(9, ' ') + "  6:00 -  18:00"},
        // East and west walls: from sunrise to true noon, from true noon to sunset.
        {47.25, -90, 90, -Hs, 0, false, std::string(9, ' ') + uhr(-Hs) + " -  12:00"},
        {47.25, 90, 90, 0, Hs, false, std::string(9, ' ') + " 12:00 - " + uhr(Hs)},
        // North wall: morning and evening sun in summer, with the gap around noon.
        {47.25, 180, 90, -Hs, Hs, true, uhr(-Hs) + " -   7:35;  16:25 - " + uhr(Hs)},
        // A horizontal dial beyond the polar circle is lit round the clock in summer.
        {70.0, 0, 0, -180, 180, false, std::string(9, ' ') + "  0:00 -  24:00"},
        // The southern hemisphere mirrors the north: its north wall is the sunny one.
        {-47.25, 180, 90, -90, 90, false, std::string(9, ' ') + "  6:00 -  18:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.phi) + " " + std::to_string(c.D) + " " + std::to_string(c.i));
        const ErstesLetztesLichtErgebnis e = ErstesLetztesLicht(s, c.phi, c.D, c.i, 0.0);
        EXPECT_NEAR(e.Frueh, c.frueh, 1e-6);
        EXPECT_NEAR(e.Spaet, c.spaet, 1e-6);
        EXPECT_EQ(e.ZweiIntervalle, c.zwei);
        EXPECT_EQ(e.Text, c.text);
    }
}

TEST(ErstesLetztesLicht, ShiftMovesTimesAndText)
{
    const AppState s = zustand();
    // Zone time at 9.59 E with the zone meridian 15 E: longitude minus zone meridian.
    const double shift = -9.59 - -15.0;
    const ErstesLetztesLichtErgebnis ohne = ErstesLetztesLicht(s, 47.25, 0, 90, 0.0);
    const ErstesLetztesLichtErgebnis mit = ErstesLetztesLicht(s, 47.25, 0, 90, shift);
    EXPECT_NEAR(mit.Frueh - ohne.Frueh, shift, 1e-12);
    EXPECT_NEAR(mit.Spaet - ohne.Spaet, shift, 1e-12);
    EXPECT_NEAR(mit.DeklFrueh, 0.0, 1e-9); // the equinox
    EXPECT_EQ(mit.Text, std::string(9, ' ') + "  6:22 -  18:22");
}

TEST(ZeitBeiAzimut, FindsTheClockTimeOfAnAzimuth)
{
    const AppState s = zustand(); // 47.25 N, 9.59 E, zone meridian 15 E
    for (int monat : {3, 6, 12}) {
        for (double A : {-120.0, -90.0, -45.0, 30.0, 100.0}) {
            SCOPED_TRACE(std::to_string(monat) + " " + std::to_string(A));
            const ZeitBeiAzimutErgebnis e = ZeitBeiAzimut(s, 21, monat, A);
            ASSERT_TRUE(e.gefunden);
            EXPECT_TRUE(e.meldungen.empty());
            double hoehe = 0;
            EXPECT_NEAR(azimutUm(s, 21, monat, e.Zeit, &hoehe), A, 0.005);
            EXPECT_NEAR(e.Hoehe, hoehe, 0.01);
            EXPECT_EQ(e.Text, ZeitBeiAzimutText(e.Zeit));
            EXPECT_EQ(e.Text.substr(e.Text.size() - 10), "  hh:mm:ss");
        }
    }
}

TEST(ZeitBeiAzimut, AzimuthZeroLooksJustWestOfSouthAfterNoon)
{
    const AppState s = zustand();
    const ZeitBeiAzimutErgebnis e = ZeitBeiAzimut(s, 21, 6, 0.0);
    ASSERT_TRUE(e.gefunden);
    // True noon at 9.59 E in zone time of 15 E, less the equation of time (-1.7 min) of June.
    EXPECT_NEAR(e.Zeit, 12.0 + 5.41 / 15.0 + 1.7 / 60.0, 0.01);
    EXPECT_NEAR(azimutUm(s, 21, 6, e.Zeit), 0.0001, 0.005);
    EXPECT_EQ(e.Text.substr(0, 7), " 12:23:");
}

TEST(ZeitBeiAzimut, SunNorthOfTheZenithAndUnreachableAzimuths)
{
    AppState s = zustand();
    s.Par.Breite = 1.35; // Singapore in June: the sun culminates north of the zenith
    s.Par.Laenge = -103.82;
    s.Par.Zonenmeridian = -120.0;

    const ZeitBeiAzimutErgebnis nord = ZeitBeiAzimut(s, 21, 6, 179.0);
    ASSERT_TRUE(nord.gefunden);
    EXPECT_NEAR(azimutUm(s, 21, 6, nord.Zeit), 179.0, 0.005);
    // |latitude| - |declination| < 0: a warning that not every azimuth is reached.
    ASSERT_EQ(nord.meldungen.size(), 1u);
    EXPECT_EQ(nord.meldungen[0].art, SonnenMeldungArt::EventuellNichtLoesbar);
    EXPECT_EQ(nord.meldungen[0].titel, PromptTitle::Warnung);

    // The sun never stands in the south that day: the caller is told, never silently.
    const ZeitBeiAzimutErgebnis sued = ZeitBeiAzimut(s, 21, 6, 60.0);
    bool ausserhalb = false;
    bool gewarnt = false;
    for (const SonnenMeldung& m : sued.meldungen) {
        if (m.art == SonnenMeldungArt::AzimutAusserhalb) {
            ausserhalb = true;
            EXPECT_EQ(m.titel, PromptTitle::Fehler);
            EXPECT_EQ(m.text.rfind("Fehler: Az1=", 0), 0u);
            EXPECT_NE(m.text.find(" Azimut=    60.00 Az2="), std::string::npos);
        }
        if (m.art == SonnenMeldungArt::ErgebnisEventuellFalsch || m.art == SonnenMeldungArt::NichtLoesbar)
            gewarnt = true;
    }
    EXPECT_TRUE(ausserhalb);
    EXPECT_TRUE(gewarnt);
    if (!sued.gefunden) {
        EXPECT_TRUE(sued.Text.empty());
    }
}

TEST(ZeitBeiAzimut, TimeTextCarriesSecondsIntoMinutesAndHours)
{
    struct Case {
        double stunden;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{
             {9.5, "  9:30:00  hh:mm:ss"},
             {9.0 + 61.0 / 3600.0, "  9:01:01  hh:mm:ss"},
             {13.0 + 659.6 / 3600.0, " 13:11:00  hh:mm:ss"},
             {11.99999, " 12:00:00  hh:mm:ss"},   // never "11:60:00"
             {23.9999999, " 24:00:00  hh:mm:ss"}, // the search interval ends at 24.99
             {7.0 + 599.0 / 3600.0, "  7:09:59  hh:mm:ss"},
         }) {
        EXPECT_EQ(ZeitBeiAzimutText(c.stunden), c.text) << c.stunden;
    }
}

TEST(HorizontDurchgang, HorizonHourAngleAndPolarCases)
{
    HorizontDurchgangErgebnis e = HorizontDurchgang(47.25, 0.0);
    EXPECT_DOUBLE_EQ(e.H, 90.0);
    EXPECT_NEAR(e.Azimut, 90.0, 1e-6);
    EXPECT_FALSE(e.keinAufUntergang);

    e = HorizontDurchgang(47.25, 23.44);
    EXPECT_NEAR(e.H, acosD(-tanD(23.44) * tanD(47.25)), 1e-9);
    EXPECT_NEAR(e.Azimut, 180.0 - acosD(sinD(23.44) / cosD(47.25)), 1e-6); // north of west
    EXPECT_FALSE(e.keinAufUntergang);

    e = HorizontDurchgang(70.0, 23.44); // midnight sun
    EXPECT_DOUBLE_EQ(e.H, 180.0);
    EXPECT_TRUE(e.keinAufUntergang);

    e = HorizontDurchgang(70.0, -23.44); // polar night
    EXPECT_DOUBLE_EQ(e.H, 0.0);
    EXPECT_FALSE(e.keinAufUntergang);
}

TEST(AufUntergangsAzimut, SymmetricAboutTrueNoon)
{
    const AufUntergangsAzimutErgebnis e = AufUntergangsAzimut(2024, 173, 47.25, -15.0);
    EXPECT_NEAR(e.Deklination, 23.44, 0.01);
    const double H = acosD(-tanD(e.Deklination) * tanD(47.25));
    EXPECT_NEAR(e.Aufgang, 12.0 - H / 15.0, 1e-9);
    EXPECT_NEAR(e.Untergang, 12.0 + H / 15.0, 1e-9);
    EXPECT_NEAR(e.AzimutAufgang, -e.AzimutUntergang, 1e-6);
    EXPECT_NEAR(e.AzimutUntergang, 180.0 - acosD(sinD(e.Deklination) / cosD(47.25)), 1e-3);
}

TEST(AzHoeheZuStundenwinkelDekl, InvertsAltitudeAndAzimuth)
{
    struct Case {
        double phi, d, t;
    };
    for (const Case& c : std::vector<Case>{{47.25, 23.44, -60}, {47.25, -10, 30}, {47.25, 5, 150},
                                           {-33.9, 20, -100}, {-33.9, -23.44, 45}, {10, 20, 80}}) {
        double h = 0, A = 0;
        AzimutHoehe(h, A, c.phi, c.d, c.t);
        const StundenwinkelDekl e = AzHoeheZuStundenwinkelDekl(A, h, c.phi);
        EXPECT_NEAR(e.Deklination, c.d, 1e-6) << c.phi << " " << c.d << " " << c.t;
        EXPECT_NEAR(e.Stundenwinkel, c.t, 1e-5) << c.phi << " " << c.d << " " << c.t;
        EXPECT_FALSE(e.sonderfall);
    }
    // Azimuths beyond 180 are folded back.
    double h = 0, A = 0;
    AzimutHoehe(h, A, 47.25, 10, -70);
    EXPECT_NEAR(AzHoeheZuStundenwinkelDekl(A + 360.0, h, 47.25).Stundenwinkel, -70.0, 1e-5);
}

TEST(AzHoeheZuStundenwinkelDekl, EastAndWestPointsLieOnTheEquator)
{
    for (double A : {90.0, -90.0, 450.0}) {
        std::ostringstream log;
        const StundenwinkelDekl e = AzHoeheZuStundenwinkelDekl(A, 0.0, 47.25, &log);
        EXPECT_TRUE(e.sonderfall);
        EXPECT_EQ(e.Deklination, 0.0);
        EXPECT_EQ(e.Stundenwinkel, A > 0 ? 90.0 : -90.0);
        EXPECT_EQ(log.str(), "Deklination nicht bestimmbar!\n");
    }
    // Without a log the routine still answers and writes nothing anywhere.
    EXPECT_TRUE(AzHoeheZuStundenwinkelDekl(-90.0, 0.0, 47.25).sonderfall);
}

TEST(AzHoeheZuStundenwinkelDekl, CelestialPoles)
{
    // The south pole of the sky stands due south at altitude -phi, the north pole due north at phi.
    EXPECT_NEAR(AzHoeheZuStundenwinkelDekl(0.0, -47.25, 47.25).Deklination, -90.0, 1e-6);
    EXPECT_NEAR(AzHoeheZuStundenwinkelDekl(180.0, 47.25, 47.25).Deklination, 90.0, 1e-6);
}

TEST(AufUntergang, SunriseAndSunsetWithPolarCases)
{
    const AppState s = zustand();
    const int juni = TagImJahr(2024, 6, 21);
    const int dezember = TagImJahr(2024, 12, 21);
    const int maerz = TagImJahr(2024, 3, 20);
    struct Case {
        double phi;
        int n;
        double auf, unter;
    };
    const std::vector<Case> cases = {
        {70.0, juni, 0.0, 24.0},    // polar day
        {70.0, dezember, -1.0, 0.0}, // polar night
        {-70.0, juni, -1.0, 0.0},
        {-70.0, dezember, 0.0, 24.0},
        {0.0, juni, 6.0, 18.0}, // the equator: twelve hours all year
        {0.0, dezember, 6.0, 18.0},
        {47.25, maerz, 6.0, 18.0},
    };
    for (const Case& c : cases) {
        double auf = 0, unter = 0;
        AufUntergang(s, c.n, s.Par.Zonenmeridian, c.phi, auf, unter);
        EXPECT_NEAR(auf, c.auf, 0.02) << c.phi << " " << c.n;
        EXPECT_NEAR(unter, c.unter, 0.02) << c.phi << " " << c.n;
    }
    // Around the June solstice at 47.25 N, in true local time and shifted to a meridian.
    double auf = 0, unter = 0;
    AufUntergang(s, juni, s.Par.Zonenmeridian, 47.25, auf, unter);
    const double H = acosD(-tanD(23.44) * tanD(47.25));
    EXPECT_NEAR(auf, 12.0 - H / 15.0, 0.005);
    EXPECT_NEAR(auf + unter, 24.0, 1e-12);
    double auf2 = 0, unter2 = 0;
    AufUntergang(s, juni, s.Par.Laenge, 47.25, auf2, unter2);
    EXPECT_NEAR(auf2 - auf, (s.Par.Zonenmeridian - s.Par.Laenge) / 15.0, 0.001);
}

TEST(TagNachtGrenzen, FlagsAtTheEdgeOfPolarDay)
{
    // 60 N with declination 30: the sun just touches the horizon at midnight; the strict test
    // counts that as a day without sunset.
    TagNachtErgebnis e = TagNachtGrenzen(30.0, 60.0);
    EXPECT_FALSE(e.nichtPolartag);
    EXPECT_TRUE(e.nichtPolarnacht);
    EXPECT_EQ(e.H, 0.0);

    e = TagNachtGrenzen(29.9, 60.0);
    EXPECT_TRUE(e.nichtPolartag && e.nichtPolarnacht);
    EXPECT_NEAR(e.H, acosD(-tanD(29.9) * tanD(60.0)), 1e-9);

    e = TagNachtGrenzen(-23.44, -70.0); // southern summer beyond the polar circle
    EXPECT_FALSE(e.nichtPolartag);
    EXPECT_TRUE(e.nichtPolarnacht);

    e = TagNachtGrenzen(0.0, 90.0 - 1e-7); // at the pole
    EXPECT_DOUBLE_EQ(e.H, 90.0);
}

TEST(AufUntergangTabelle, RiseAndSetOfTheDialDays)
{
    const AppState s = zustand();
    const AufUntergangTabellen t = AufUntergangTabelle(s, s.Par.Zonenmeridian, 47.25);
    for (std::size_t z = 0; z < 3; ++z) {
        for (std::size_t m = 0; m < 7; ++m) {
            EXPECT_NEAR(t.AufgangTabelle[z][m] + t.UntergangTabelle[z][m], 24.0, 1e-12);
            EXPECT_GT(t.AufgangTabelle[z][m], 4.0);
            EXPECT_LT(t.AufgangTabelle[z][m], 8.0);
        }
    }
    // 21 June is the longest day of the table, 21 December the shortest.
    EXPECT_LT(t.AufgangTabelle[2][0], t.AufgangTabelle[0][0]);
    EXPECT_GT(t.AufgangTabelle[2][6], t.AufgangTabelle[0][6]);
    double auf = 0, unter = 0;
    AufUntergang(s, TagImJahr(2024, 9, 11), s.Par.Zonenmeridian, 47.25, auf, unter);
    EXPECT_EQ(t.AufgangTabelle[1][3], auf);
}

TEST(AufUntergangJahr, AzimuthsCloseTheYear)
{
    const AppState s = zustand();
    const AufUntergangAzimute t = AufUntergangJahr(s);
    EXPECT_EQ(t.AzimutAufgang[12][0], t.AzimutAufgang[0][0]);
    EXPECT_EQ(t.AzimutUntergang[12][0], t.AzimutUntergang[0][0]);
    for (std::size_t m = 0; m < 12; ++m) {
        for (std::size_t q = 0; q < 4; ++q) {
            EXPECT_LT(t.AzimutAufgang[m][q], 0.0); // sunrise in the east
            // Mirror images but for the declination's change between morning and evening.
            EXPECT_NEAR(t.AzimutAufgang[m][q], -t.AzimutUntergang[m][q], 0.3);
        }
    }
    // Around 21 June (day 22) the sun rises furthest north: about 54 degrees from north.
    EXPECT_NEAR(t.AzimutAufgang[5][3], -(180.0 - acosD(sinD(23.44) / cosD(47.25))), 0.3);
}

TEST(DeklAufgangHalbstunden, DeclinationsOfWholeHourDays)
{
    const AppState s = zustand();
    const std::array<double, 13> aequator = DeklAufgangHalbstunden(s, 0.0);
    for (double x : aequator)
        EXPECT_EQ(x, 0.0);

    const std::array<double, 13> t = DeklAufgangHalbstunden(s, 47.25);
    EXPECT_EQ(t[0], 0.0);
    for (int k = 1; k <= 3; ++k) // 13, 14 and 15 hour days exist at 47.25 N
        EXPECT_NEAR(t[k], atanD(sinD(7.5 * k) / tanD(47.25)), 1e-9) << k;
    for (int k = 4; k <= 12; ++k)
        EXPECT_EQ(t[k], KeinWert) << k;

    // Near the pole a 13-hour day is within a degree of the equinox: 0.
    EXPECT_EQ(DeklAufgangHalbstunden(s, 89.5)[1], 0.0);
    EXPECT_EQ(DeklAufgangHalbstunden(s, -47.25), t);
}
