#pragma once
// The state every window and every construction shares for the whole run: the parameter
// record, the option record, the dial type, colours, hour ranges, obliquity tables, the
// equation-of-time tables, the shared text lists and the flags of the program. The
// application owns one AppState and hands it by reference to whatever reads or writes it;
// tests build their own.
#include "core/Horizontprofil.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace umbrin {

inline constexpr long double piExt = 3.14159265358979323846264338327950288L;
inline constexpr long double rad = piExt / 180.0L; // degrees to radians, everywhere

// Month abbreviations, German then English.
inline constexpr std::array<std::array<const char*, 12>, 2> MonatsKurz = {{
    {"Jan", "Feb", "Mar", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
}};

// Day labels of the day the sun enters each sign, in sign order from Aries (21 March).
inline constexpr std::array<const char*, 12> DatumsTage = {
    "21.", "20.", "21.", "21.", "22.", "23.", "22.", "23.", "22.", "22.", "20.", "19."};

// One record of an equation-of-time table (361 per table).
struct tZeitgl {
    double Laenge = 0;              // ecliptic longitude of the sun, degrees
    double Dekl = 0;                // declination at that longitude, degrees, to 0.001
    std::int32_t ZglSek = 0;        // equation of time from the series, whole seconds
    std::string ZglKeplerText;      // by Kepler's equation, seconds, width 7, one decimal
    std::string ZglText;            // from the series, seconds, width 7, one decimal
    std::int32_t ZglSym = 0;        // half the difference to the mirrored longitude, seconds
    std::string ZglMinSek;          // ZglSek as "m:ss"
    std::string ZglFrei;            // unused
};
using ZeitglTabelle = std::array<tZeitgl, 361>;

// The parameter record. Angles in degrees, lengths in millimetres unless said.
struct TPar {
    double Breite = 47.25;            // latitude, south negative
    double Laenge = -9.59;            // longitude, EAST NEGATIVE
    double Zonenmeridian = -15.0;     // zone meridian, east negative
    double Wandabweichung = -11.7;    // declination of the plane from south, east negative
    double Inklination = 25.4589;     // 0 horizontal, 90 vertical
    double KegelNeigung = 47.25;      // cone dial: inclination of the cone axis
    double KegelOeffnung = 12.0;      // cone dial: half opening angle
    double SchirmRadius = 0.35;       // umbrella dial: disc radius / rod height
    double Gnomonhoehe = 35.0;        // gnomon height normal to the dial
    double HabermelGnomon = 0;        // Habermel dials: gnomon height
    double HabermelDurchmesser = 200.0;
    double RingAlpha = 30.0;
    double RingDurchmesser = 150.0;
    double RingBreite = 80.0;
    double Breite2 = 47.25;           // second position (biazimuthal, mean-time dials)
    double Laenge2 = -15.0;
    double Wandabweichung2 = 78.3;
    double ZylRadius = 250.0;
    double ZylZeiger = 51.0;
    double Basisstrecke = 20.0;
    std::int32_t QuadrantGroesse = 150;
    std::int32_t Jahr = 2020;
    std::int32_t Skalenlaenge = 70;
    std::int32_t HidokaiZeiger = 25;
    std::int32_t Einheit = 32;
    double DatumMitte = 90.0;
    double DatumWinkel = 5.0;
    double PeauParameter = -0.8749;
    std::uint8_t SawyerZeit = 0;

    friend bool operator==(const TPar&, const TPar&) = default;
};

// The option record. Flags are 0/1 bytes; codes are one digit character.
struct TSchalter {
    char Datumslinien = '0';
    char EotIntervall = '0';
    std::uint8_t MozGerade = 1;
    std::uint8_t HalbeAnalemma = 0;
    std::uint8_t Temporalstunden = 0;
    std::uint8_t Analemma = 1;
    std::uint8_t OhneZeitgl = 1;
    std::uint8_t MitZeitgl = 0;
    std::uint8_t Option10 = 0;
    std::uint8_t BisFusspunkt = 0;
    std::uint8_t Babylonisch = 0;
    std::uint8_t Italienisch = 0;
    std::uint8_t Sonnenhoehe = 0;
    std::uint8_t QuadrantGespiegelt = 0;
    std::uint8_t Zonenzeit = 0;
    std::uint8_t MitZeitglAzimut = 0;
    std::uint8_t ZodiakSkala = 1;
    std::uint8_t Zeitablesung = 0;
    std::uint8_t TemporalAnzeige = 0;
    std::uint8_t OhneLaengenkorrektur = 1;
    std::uint8_t OrtszeitAnzeige = 0;
    std::uint8_t Monatsskala = 0;
    std::uint8_t MitZeitglZylinder = 0;
    std::uint8_t GanzeTageslaenge = 0;
    std::uint8_t Ortszeit = 1;
    char StundenIntervall = '1';
    char StundenIntervallSonst = '0';
    std::array<std::uint8_t, 4> Intervalle = {0, 1, 0, 1}; // Babylonian, Italian, temporal, altitude
    std::uint8_t TemporalIntervall = 0;
    std::uint8_t Sonnenstand = 0;
    std::uint8_t RingExakt = 0;
    std::uint8_t ZylinderArt = 0;
    std::uint8_t Schattenlaenge = 0;
    std::uint8_t HidokaiVertikal = 1;
    std::uint8_t AnalemmaMarken = 1;
    std::uint8_t LinienProMonat = 1;
    std::int32_t AnalemmaStunde = 13;
    std::uint8_t QuadrantSkala = 0;
    std::uint8_t Daemmerung = 0;
    std::uint8_t Linienstaerke = 1;
    std::uint8_t Stiftbreite = 1;
    std::uint8_t Azimutlinien = 1;
    std::uint8_t Ekliptik = 1;
    std::uint8_t Ganzjaehrig = 0;
    std::uint8_t Poldreieck = 0;
    std::uint8_t ZwoelfUhrHorizontal = 1;
    std::uint8_t Option57 = 0;
    std::uint8_t Position2Vertikal = 0;
    std::int32_t Kartenmassstab = 100;
    std::uint8_t Hoehenkreise = 1;
    std::uint8_t AzimutKreise = 1;
    std::uint8_t Option66 = 0;
    std::uint8_t Ebene = 0;
    std::uint8_t Hoehenuhrart = 0;
    std::uint8_t Diagrammart = 0;
    std::uint8_t TemporalVerlaengern = 1;

    friend bool operator==(const TSchalter&, const TSchalter&) = default;
};

// Hour ranges (clock hours unless said).
struct TZeiten {
    std::int32_t EotVon = 8, EotBis = 19;        // plain hour lines (settings main lines 11, 12)
    std::int32_t HoeheVon = 20, HoeheBis = 70;    // lines of equal altitude, degrees
    std::int32_t StundeVon = 9, StundeBis = 17;   // mean-time hour lines
    std::int32_t QuadVon = 10, QuadBis = 18;      // quadrant, ring, azimuth, cylinder pages
    std::int32_t QuadTempVon = 1, QuadTempBis = 6;
    std::int32_t BabVon = 0, BabBis = 20;
    std::int32_t ItalVon = 5, ItalBis = 24;
    std::int32_t TempVon = 1, TempBis = 11;

    friend bool operator==(const TZeiten&, const TZeiten&) = default;
};

using Farbe = std::uint32_t; // Windows colour order 0x00BBGGRR

struct AppState {
    TPar Par;
    TSchalter Schalter;
    char UhrTyp = 'v';
    std::uint8_t Schirmuhr = 0;
    std::array<Farbe, 12> Farben{};
    TZeiten Zeiten;

    // Obliquity and declination tables (set by SchiefeUndTierkreis).
    double Eps = 0;
    double EpsRund = 0;
    std::array<double, 37> DeklTabelle{};
    std::array<double, 8> TierkreisDekl{};
    double SinEpsApp = 0;
    double CosEpsApp = 1;
    // Ring-dial declination band.
    double RingLochVersatz = 0;
    double DeklOben = 0;
    double DeklUnten = 0;

    // Equation-of-time tables: computed, a start-up copy for the Sawyer and vertical
    // Habermel dials, and the copy the tables window compares against.
    ZeitglTabelle EoTTabelle{};
    ZeitglTabelle EoTTabelle2{};
    ZeitglTabelle EoTTabelle3{};

    // Shared text lists.
    std::vector<std::string> Stunden24;
    std::vector<std::string> Stunden12;
    std::vector<std::string> Hilfsliste;
    std::vector<std::string> KartenText;
    std::vector<std::string> Datumslinien; // the user's own date lines, "21/03    ( 21. März )"
    std::vector<std::string> InfoZeilen;   // information text of the drawing window

    // Program flags and values.
    std::uint8_t ExpertenModus = 1;
    std::uint8_t ExpertenModusStart = 0;
    std::string VersionStr = " 8.2";
    std::string IniDatei = "umb.ini";
    std::string TageDatei = "umb_days.ini";
    std::uint8_t KarteAn = 1, GrenzenAn = 1, KuestenAn = 1;
    std::uint8_t HorizontZeigen = 0, HorizontGeladen = 0;
    // The horizon profile in use (read from a profile file; drawn by the sun-path diagrams
    // and the azimuthal dial while HorizontGeladen is set) and the last one computed from
    // elevation grids, which is saved as a profile file, never put in use directly.
    Horizontprofil Horizont = leeresHorizontprofil();
    Horizontprofil HorizontBerechnet = leeresHorizontprofil();
    std::string ProfilInfo;            // third line of the last profile file read, from its 43rd character
    // Settings of the profile computation kept between uses: the observer's eye above the
    // ground (m, 0..300), the nearest object counted (m, 100..500, below 180 raised to 180)
    // and the farthest (km, 0..300) with its derived metres and degrees of latitude.
    std::int32_t Podesthoehe = 0;
    std::int32_t Mindestabstand = 200;
    std::int32_t MaxAbstandKm = 60;
    std::int32_t MaxAbstandM = 60000;
    double MaxAbstandGrad = 60 / 111.11;
    std::uint8_t SchinkenModus = 0, StundenpunkteZeigen = 0;
    std::array<Farbe, 2> FarbeHell = {0xDFDFDF, 0xC2BBAE};
    double ErdRadius = 6372800.0;
    std::int32_t HorizontAnzahl = 720;
    double ZoomSchritt = 1.0905077326652577;
    std::uint8_t DialogSchritt = 0;
    std::uint8_t Rechenmodus = 0, RechenmodusAlt = 0;
    std::uint8_t Tabellentyp = 0, Durchgangstabelle = 0;
    std::int32_t SkalaZylinder = 270, SkalaHidokai = 120, SkalaZylinder2 = 160, SkalaHidokai2 = 180;
    double AzAbstand = 300.0, AzGrundplatte = 180.0;
    double Streckungsfaktor = 2.0;
    double PositionAequinox = 0.0; // the ham dial's equinox point on its circle, degrees
    std::uint8_t BiaziZonenzeit = 1;
    std::uint8_t FensterNormal = 1;
    std::uint8_t HinweiseAn = 0;
    std::uint8_t FensterFrei = 0;
    std::uint8_t TypBasis = 0;
    std::uint8_t SchoenerTabelleSchreiben = 0;
    std::uint8_t BiaziStart = 1;       // start flag of the biazimuthal construction
    // Set by the location dialog when the longitude lies more than 14 degrees from the zone
    // meridian; the calculation window then asks before it computes.
    std::uint8_t LaengeWeitVomZonenmeridian = 0;
    // Pole of the great circle through the two places of the biazimuthal dial, as the
    // parameter dialog shows it and the construction reads it.
    std::string PolText;
    // The azimuthal dial's circles mark the sun's altitude (Schalter.Hoehenkreise is 1).
    std::uint8_t AzKreisart = 0;
    std::uint8_t ErstesZeigen = 1;     // first-show flag of the main window

    // Language: column 1 German, 2 English; string-id base 0 or 2000.
    std::uint8_t Deutsch = 1;
    int Sprachspalte = 1;
    int StringIdBasis = 0;

    // Drawing placement, in pixels of the drawing window's image (y downwards).
    std::int32_t FusspunktX = 0, FusspunktY = 0;
    std::int32_t LegendeX = 0, LegendeY = 0;
    std::uint8_t FusspunktGesetzt = 0, LegendeGesetzt = 0;
    double Zoom = 1.0;
    std::uint8_t FormatA4 = 1;
    std::uint8_t AlsHPGL = 1;
    std::string HPGLDateiname;

    // Read when a window is relabelled after a language switch: the part of the day of the
    // ring dial's Babylonian and Italian lines (0 before noon, 1 after noon, 2 all day), the
    // year-table option of the tables window and its table lines.
    std::uint8_t RingBabTeil = 0, RingItalTeil = 0;
    std::uint8_t Tabellenoption = 0;
    std::vector<std::string> Tabellenzeilen;
    // Options of the sun-path diagrams, set by the tables window: hour lines of mean time with
    // the equation of time, and the earliest and latest sunlight of a plane.
    std::uint8_t StundenMitZeitgl = 0, EbeneBesonnt = 0;

    // The calculation and tables windows: the zone offset as a fraction of a day (minus the
    // zone meridian / 360, taken over whenever a window reads the zone meridian), the sines of
    // the rise/set altitudes of moon, sun and twilight, and the year-table option as the
    // tables window was opened with it.
    double Zonenbruchteil = 1.0 / 24.0;
    std::array<double, 3> sinh0{};
    std::uint8_t TabellenoptionKopie = 0;
    // The calculation window's last time (fraction of a day) and azimuth (degrees).
    double ZeitEingabe = 0.5;
    double AzimutEingabe = 0.0;
};

// Sets every Par, Schalter and Zeiten field that has a start value, and the ring-dial band
// from the current EpsRund. Leaves the "zero" fields, UhrTyp, Schirmuhr, Farben, AzAbstand
// and AzGrundplatte alone.
void StandardWerte(AppState& s);

// The twelve default colours.
void StandardFarben(AppState& s);

// The start-up initialisation, in the program's order: defaults, colours, obliquity for
// Par.Jahr, ring band, hour lists, zoom step, flags, map text, equation-of-time tables of 2022.
void initialisiereZustand(AppState& s);

// Gallery picture number of the current dial type; leaves nr unchanged where the type's
// sub-type has no picture.
void BildNummerUhrTyp(const AppState& s, std::int32_t& nr);

} // namespace umbrin
