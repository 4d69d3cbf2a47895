#pragma once
// The accepted range of every value that the settings file stores and the dialogs edit, in one
// place. The settings reader checks exactly the file ranges (DateiBereich); every range a dialog
// accepts (DialogBereich) lies within the file range of its field, so whatever a dialog stores
// is read back at the next start without a complaint. The static_asserts at the end keep it so.
// A file range is no wider than the dialogs' ranges of its field together: a value no dialog
// would accept never reaches a drawing through a file either.
//
// Both bounds belong to a range. The one value the dialogs compute rather than take (the
// Habermel gnomon, from the dial's diameter) has an open upper bound. Integer fields use the
// same type; their bounds are whole numbers.
#include <algorithm>
#include <limits>

namespace umbrin {

// The decimals a value keeps as the dialogs store it: those of the file line that holds it.
inline constexpr int wieGetippt = -1; // a value the files do not hold keeps every typed digit

struct Wertebereich {
    double von;
    double bis;
    int stellen = wieGetippt;

    // NaN lies outside every range.
    constexpr bool enthaelt(double x) const { return x >= von && x <= bis; }
    constexpr bool umfasst(const Wertebereich& b) const { return b.von >= von && b.bis <= bis; }
};

inline constexpr double ohneGrenze = std::numeric_limits<double>::infinity();

// What a settings or construction-data file may hold.
namespace DateiBereich {
// Main lines 0 to 8.
inline constexpr Wertebereich Jahr{1300, 2500};
inline constexpr Wertebereich Breite{-90, 90};                 // both latitudes
inline constexpr Wertebereich Laenge{-180, 180};               // both longitudes
inline constexpr Wertebereich Zonenmeridian{-180, 180};
inline constexpr Wertebereich Gnomonhoehe{3, 500};
inline constexpr Wertebereich ZylZeiger{3, 220};
inline constexpr Wertebereich ZylRadius{4, 500};
inline constexpr Wertebereich SkalaZylinder{0, 400};
inline constexpr Wertebereich Skalenlaenge{3, 220};
inline constexpr Wertebereich SkalaHidokai{0, 180};
inline constexpr Wertebereich SkalaHidokai2{0, 260};
inline constexpr Wertebereich HidokaiZeiger{1, 220};
inline constexpr Wertebereich Kartenmassstab{5, 66000000};
inline constexpr Wertebereich QuadrantGroesse{80, 200};
inline constexpr Wertebereich HabermelDurchmesser{30, 200};
inline constexpr Wertebereich Wandabweichung{-180, 180};       // both walls
inline constexpr Wertebereich Inklination{0, 175};
inline constexpr Wertebereich KegelNeigung{1, 186};
inline constexpr Wertebereich KegelOeffnung{1, 86};
inline constexpr Wertebereich AnalemmaStunde{1, 23};
inline constexpr Wertebereich DatumMitte{0, 900};
inline constexpr Wertebereich DatumWinkel{0.5, 15};
inline constexpr Wertebereich SawyerZeit{0, 4};
// Main lines 11 and 12 and "[Zeiten]".
inline constexpr Wertebereich Stunde{0, 24};
inline constexpr Wertebereich Temporalstunde{0, 12};
inline constexpr Wertebereich Hoehenlinie{10, 90};
// Main lines 15 to 17.
inline constexpr Wertebereich SchirmRadius{-1, 2};
inline constexpr Wertebereich RingDurchmesser{10, 300};
inline constexpr Wertebereich RingBreite{4.5, 300};
inline constexpr Wertebereich RingAlpha{10, 90};
inline constexpr Wertebereich HabermelGnomon{1, ohneGrenze};
inline constexpr Wertebereich Einheit{10, 300};
inline constexpr Wertebereich PeauParameter{-2.1, 2.1};
inline constexpr Wertebereich RingLochVersatz{-23.44, 23.44};
inline constexpr Wertebereich DeklOben{0, 23.44};
inline constexpr Wertebereich DeklUnten{-23.44, 0};   // mirrors the upper declination
// Digits of the option line.
inline constexpr Wertebereich DatumslinienArt{0, 3};
inline constexpr Wertebereich EotIntervall{0, 6};
inline constexpr Wertebereich StundenIntervall{0, 5};
inline constexpr Wertebereich AnalemmaMarken{0, 5};
inline constexpr Wertebereich RingExakt{0, 2};
inline constexpr Wertebereich Ebene{0, 8};
inline constexpr Wertebereich Hoehenkreise{0, 2};
inline constexpr Wertebereich AzimutKreise{0, 1};
inline constexpr Wertebereich QuadrantSkala{0, 2};
} // namespace DateiBereich

// The decimals each file line writes of the reals it holds. A value typed into a dialog is
// stored as the file gives it back (dateiWert), so it draws the same after the next load. The
// lines keep the decimals files have always had: older files and their readers rely on them.
namespace DateiStellen {
inline constexpr int Breite = 6;         // main line 1, first value
inline constexpr int Breite2 = 2;        // main line 1, the second place
inline constexpr int Laenge = 6;         // main line 2, first value
inline constexpr int Laenge2 = 2;        // main line 2, the second place
inline constexpr int Zonenmeridian = 2;  // main line 3
inline constexpr int Gnomonhoehe = 2;    // main line 4
inline constexpr int ZylZeiger = 2;
inline constexpr int ZylRadius = 2;
inline constexpr int HabermelDurchmesser = 1; // main line 5
inline constexpr int Wandabweichung = 6; // main line 6, both walls
inline constexpr int Inklination = 6;    // main line 7
inline constexpr int KegelNeigung = 6;
inline constexpr int KegelOeffnung = 6;
inline constexpr int DatumMitte = 1;     // main line 8
inline constexpr int DatumWinkel = 2;
inline constexpr int SchirmRadius = 6;   // main line 15
inline constexpr int SchirmRadiusProzent = SchirmRadius - 2; // as typed, in percent
inline constexpr int RingDurchmesser = 2;
inline constexpr int RingBreite = 2;
inline constexpr int RingAlpha = 1;
inline constexpr int HabermelGnomon = 1; // main line 16
inline constexpr int PeauParameter = 4;
inline constexpr int RingLochVersatz = 2; // main line 17
inline constexpr int DeklOben = 2;
inline constexpr int DeklUnten = 2;
} // namespace DateiStellen

// What the dialogs accept, by window; "Verlassen" is the check on leaving a field, "Schliessen"
// the check of the whole page when it is left or the window closes. Where a window has only
// one check the name carries no suffix.
namespace DialogBereich {
// Location and year.
inline constexpr Wertebereich Breite{-90, 90, DateiStellen::Breite};
inline constexpr Wertebereich Laenge{-180, 180, DateiStellen::Laenge};
inline constexpr Wertebereich Zonenmeridian{-180, 180, DateiStellen::Zonenmeridian};
inline constexpr Wertebereich Jahr{1300, 2500};
inline constexpr Wertebereich GradBreite{0, 90};
inline constexpr Wertebereich GradLaenge{0, 180};   // also the zone meridian's degrees
inline constexpr Wertebereich Winkelminuten{0, 60};
inline constexpr Wertebereich Winkelsekunden{0, 60};

// Dial-type chooser.
inline constexpr Wertebereich TypWandabweichung{-180, 180, DateiStellen::Wandabweichung};
// On leaving the field 0 itself is refused.
inline constexpr Wertebereich TypInklination{0, 175, DateiStellen::Inklination};
inline constexpr Wertebereich TypSkalaZylinder{3, 290};
inline constexpr Wertebereich TypSkalenlaengeVerlassen{4, 110};
inline constexpr Wertebereich TypSkalenlaengeSchliessen{3, 220};
inline constexpr Wertebereich TypZylZeigerVerlassen{4, 110, DateiStellen::ZylZeiger};
inline constexpr Wertebereich TypZylZeigerSchliessen{3, 220, DateiStellen::ZylZeiger};
inline constexpr Wertebereich TypZylRadius{4, 500, DateiStellen::ZylRadius};
inline constexpr Wertebereich TypGnomonhoeheVerlassen{5, 200, DateiStellen::Gnomonhoehe};
inline constexpr Wertebereich TypGnomonhoeheSchliessen{3, 120, DateiStellen::Gnomonhoehe};
inline constexpr Wertebereich TypHabermelDurchmesser{30, 200, DateiStellen::HabermelDurchmesser};
inline constexpr Wertebereich TypHidokaiZeigerVerlassen{1, 110};
inline constexpr Wertebereich TypHidokaiZeigerSchliessen{3, 220};
inline constexpr Wertebereich TypRingDurchmesser{10, 300, DateiStellen::RingDurchmesser};

// Parameter dialog.
inline constexpr Wertebereich Breite2{-90, 90, DateiStellen::Breite2};
inline constexpr Wertebereich Laenge2{-180, 180, DateiStellen::Laenge2};
inline constexpr Wertebereich Wandabweichung{-180, 180, DateiStellen::Wandabweichung};  // both walls, every page
inline constexpr Wertebereich Inklination{0, 175, DateiStellen::Inklination};
inline constexpr Wertebereich SchirmInklination{0, 80, DateiStellen::Inklination};
// Stored divided by 100.
inline constexpr Wertebereich SchirmRadiusProzent{-100, 200, DateiStellen::SchirmRadiusProzent};
inline constexpr Wertebereich Gnomonhoehe{5, 500, DateiStellen::Gnomonhoehe};
inline constexpr Wertebereich SawyerGnomonhoehe{5, 200, DateiStellen::Gnomonhoehe};
inline constexpr Wertebereich AnalemmaStunde{1, 23};
inline constexpr Wertebereich ZylZeiger{4, 110, DateiStellen::ZylZeiger};
inline constexpr Wertebereich Skalenlaenge{4, 110};
inline constexpr Wertebereich ZylRadius{4, 500, DateiStellen::ZylRadius};
inline constexpr Wertebereich SkalaZylinder{0, 400};
inline constexpr Wertebereich SkalaZylinder2{0, 200};     // computed, not stored
inline constexpr Wertebereich SkalaHidokai{0, 180};
inline constexpr Wertebereich SkalaHidokai2{0, 260};
inline constexpr Wertebereich HidokaiZeiger{4, 110};
inline constexpr Wertebereich HabermelGnomon{9, 100, DateiStellen::HabermelGnomon};
inline constexpr Wertebereich HabermelDurchmesser{30, 200, DateiStellen::HabermelDurchmesser};
inline constexpr Wertebereich QuadrantGroesse{80, 200};
inline constexpr Wertebereich Kartenmassstab{5, 66000000};
inline constexpr Wertebereich AzAbstand{10, 400};         // not stored in the file
inline constexpr Wertebereich AzGrundplatte{3, 200};      // not stored in the file
inline constexpr Wertebereich RingDurchmesser{10, 300, DateiStellen::RingDurchmesser};
inline constexpr Wertebereich RingBreiteVerlassen{4.5, 190, DateiStellen::RingBreite};
inline constexpr Wertebereich RingBreiteSchliessen{4.5, 300, DateiStellen::RingBreite};
inline constexpr Wertebereich RingAlpha{10, 90, DateiStellen::RingAlpha};
inline constexpr Wertebereich RingLochVersatz{-23.44, 23.44, DateiStellen::RingLochVersatz};
inline constexpr Wertebereich DeklOben{0, 23.44, DateiStellen::DeklOben};
inline constexpr Wertebereich DatumWinkelVerlassen{1, 15, DateiStellen::DatumWinkel};
inline constexpr Wertebereich DatumWinkelSchliessen{0.5, 15, DateiStellen::DatumWinkel};
inline constexpr Wertebereich DatumMitte{0, 900, DateiStellen::DatumMitte};
inline constexpr Wertebereich EinheitVerlassen{10, 120};
inline constexpr Wertebereich EinheitSchliessen{10, 300};
inline constexpr Wertebereich PeauParameter{-2.1, 2.1, DateiStellen::PeauParameter};
// The cone-axis inclination as typed: a negative value is stored with 180 added, and the
// stored value must also lie within the file's range (see kegelNeigungZulaessig).
inline constexpr Wertebereich KegelNeigungVerlassen{-90, 175, DateiStellen::KegelNeigung};
inline constexpr Wertebereich KegelNeigungSchliessen{-175, 175, DateiStellen::KegelNeigung};
inline constexpr Wertebereich KegelOeffnungVerlassen{1, 86, DateiStellen::KegelOeffnung};
inline constexpr Wertebereich KegelOeffnungSchliessen{1, 85, DateiStellen::KegelOeffnung};
// Hour-range combo boxes.
inline constexpr Wertebereich Stunde{0, 24};
inline constexpr Wertebereich Temporalstunde{0, 12};
inline constexpr Wertebereich Hoehenlinie{10, 90};
} // namespace DialogBereich

// The cone-axis inclination as it is stored: a negative entry counts from the other side.
constexpr double kegelNeigungGespeichert(double eingabe)
{
    return eingabe < 0 ? eingabe + 180 : eingabe;
}

// Whether a typed cone-axis inclination passes the dialog's range and gives a stored value
// the settings file holds (so 0 up to 1 is refused: the reader takes 1 .. 186).
constexpr bool kegelNeigungZulaessig(double eingabe, const Wertebereich& dialog)
{
    return dialog.enthaelt(eingabe) && DateiBereich::KegelNeigung.enthaelt(kegelNeigungGespeichert(eingabe));
}

// Range of the ring dial's hole offset on leaving its field: within the obliquity of the year
// and within what the file holds (the obliquity exceeds 23.44 degrees before about 2000).
constexpr Wertebereich ringLochVersatzBereich(double epsRund)
{
    const double g = std::min(epsRund, DateiBereich::RingLochVersatz.bis);
    return {-g, g, DateiStellen::RingLochVersatz};
}

// Range of the ring band's upper declination on leaving its field.
constexpr Wertebereich deklObenBereich(double epsRund)
{
    return {0, std::min(epsRund, DialogBereich::DeklOben.bis), DateiStellen::DeklOben};
}

namespace DialogBereich {
static_assert(DateiBereich::Breite.umfasst(Breite) && DateiBereich::Breite.umfasst(Breite2));
static_assert(DateiBereich::Laenge.umfasst(Laenge) && DateiBereich::Laenge.umfasst(Laenge2));
static_assert(DateiBereich::Zonenmeridian.umfasst(Zonenmeridian));
static_assert(DateiBereich::Jahr.umfasst(Jahr));
static_assert(DateiBereich::Wandabweichung.umfasst(Wandabweichung)
              && DateiBereich::Wandabweichung.umfasst(TypWandabweichung));
static_assert(DateiBereich::Inklination.umfasst(Inklination) && DateiBereich::Inklination.umfasst(TypInklination)
              && DateiBereich::Inklination.umfasst(SchirmInklination));
static_assert(DateiBereich::SkalaZylinder.umfasst(SkalaZylinder) && DateiBereich::SkalaZylinder.umfasst(TypSkalaZylinder));
static_assert(DateiBereich::Skalenlaenge.umfasst(Skalenlaenge) && DateiBereich::Skalenlaenge.umfasst(TypSkalenlaengeVerlassen)
              && DateiBereich::Skalenlaenge.umfasst(TypSkalenlaengeSchliessen));
static_assert(DateiBereich::ZylZeiger.umfasst(ZylZeiger) && DateiBereich::ZylZeiger.umfasst(TypZylZeigerVerlassen)
              && DateiBereich::ZylZeiger.umfasst(TypZylZeigerSchliessen));
static_assert(DateiBereich::ZylRadius.umfasst(ZylRadius) && DateiBereich::ZylRadius.umfasst(TypZylRadius));
static_assert(DateiBereich::Gnomonhoehe.umfasst(Gnomonhoehe) && DateiBereich::Gnomonhoehe.umfasst(SawyerGnomonhoehe)
              && DateiBereich::Gnomonhoehe.umfasst(TypGnomonhoeheVerlassen)
              && DateiBereich::Gnomonhoehe.umfasst(TypGnomonhoeheSchliessen));
static_assert(DateiBereich::HabermelDurchmesser.umfasst(HabermelDurchmesser)
              && DateiBereich::HabermelDurchmesser.umfasst(TypHabermelDurchmesser));
static_assert(DateiBereich::HabermelGnomon.umfasst(HabermelGnomon));
static_assert(DateiBereich::HidokaiZeiger.umfasst(HidokaiZeiger) && DateiBereich::HidokaiZeiger.umfasst(TypHidokaiZeigerVerlassen)
              && DateiBereich::HidokaiZeiger.umfasst(TypHidokaiZeigerSchliessen));
static_assert(DateiBereich::SkalaHidokai.umfasst(SkalaHidokai) && DateiBereich::SkalaHidokai2.umfasst(SkalaHidokai2));
static_assert(DateiBereich::QuadrantGroesse.umfasst(QuadrantGroesse));
static_assert(DateiBereich::Kartenmassstab.umfasst(Kartenmassstab));
static_assert(DateiBereich::RingDurchmesser.umfasst(RingDurchmesser) && DateiBereich::RingDurchmesser.umfasst(TypRingDurchmesser));
static_assert(DateiBereich::RingBreite.umfasst(RingBreiteVerlassen) && DateiBereich::RingBreite.umfasst(RingBreiteSchliessen));
static_assert(DateiBereich::RingAlpha.umfasst(RingAlpha));
static_assert(DateiBereich::RingLochVersatz.umfasst(RingLochVersatz));
static_assert(DateiBereich::DeklOben.umfasst(DeklOben));
static_assert(DateiBereich::DatumWinkel.umfasst(DatumWinkelVerlassen) && DateiBereich::DatumWinkel.umfasst(DatumWinkelSchliessen));
static_assert(DateiBereich::DatumMitte.umfasst(DatumMitte));
static_assert(DateiBereich::Einheit.umfasst(EinheitVerlassen) && DateiBereich::Einheit.umfasst(EinheitSchliessen));
static_assert(DateiBereich::PeauParameter.umfasst(PeauParameter));
static_assert(DateiBereich::KegelOeffnung.umfasst(KegelOeffnungVerlassen) && DateiBereich::KegelOeffnung.umfasst(KegelOeffnungSchliessen));
static_assert(DateiBereich::AnalemmaStunde.umfasst(AnalemmaStunde));
static_assert(DateiBereich::Stunde.umfasst(Stunde) && DateiBereich::Temporalstunde.umfasst(Temporalstunde)
              && DateiBereich::Hoehenlinie.umfasst(Hoehenlinie));
static_assert(DateiBereich::SchirmRadius.umfasst({SchirmRadiusProzent.von / 100, SchirmRadiusProzent.bis / 100}));
// Typed cone-axis inclinations at the ends of both ranges give storable values.
static_assert(kegelNeigungZulaessig(KegelNeigungSchliessen.von, KegelNeigungSchliessen)
              && kegelNeigungZulaessig(KegelNeigungVerlassen.von, KegelNeigungVerlassen)
              && kegelNeigungZulaessig(175, KegelNeigungSchliessen) && !kegelNeigungZulaessig(0.5, KegelNeigungSchliessen));
} // namespace DialogBereich

} // namespace umbrin
