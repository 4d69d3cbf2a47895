#pragma once
// What the altitude and cylinder dials share on screen, on paper and in their plots: the
// date range of the scale, the walk through it in steps of three days, the sun at an hour of
// each kind of hour, moving a sample along a segment to a boundary, the hour ranges with
// their checks, and the refusal of temporal hours at high latitudes.
//
// Angles in degrees, times in hours; day numbers are days of the year (1 = 1 January).
#include "core/Canvas.h"
#include "core/Sonne.h"
#include "core/State.h"
#include "dials/Konstruktionsmeldung.h"
#include "dials/UngleicheStunden.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin {

// The date axis: folded (21 June to 21 December, the other half of the year read backwards
// on the same lines) or side by side (the whole year).
struct Datumsbereich {
    std::int32_t dStart = 0;
    std::int32_t dEnd = 0;
    int ersterMonat = 1;
    std::int32_t N = 0; // days along the axis: dEnd - dStart folded, dEnd side by side
};
Datumsbereich datumsbereich(std::int32_t jahr, bool nebeneinander);

// Calls f(d) for d = dStart, dStart + 3, ... and last for dEnd (the last step shortened),
// each day once.
template <class F>
void dreiTageSchritte(std::int32_t dStart, std::int32_t dEnd, F&& f)
{
    for (std::int32_t d = dStart;; d += 3) {
        if (d >= dEnd) {
            f(dEnd);
            return;
        }
        f(d);
    }
}

// The kinds of hour a curve of equal time can follow.
enum class Stundenart { Uhrzeit, Temporal, Babylonisch, Italienisch };

// How a curve's hour value becomes a sun position: the clock's reference meridian and
// whether the clock shows mean time (equation of time included) for clock hours.
struct Stundenrechnung {
    Stundenart art = Stundenart::Uhrzeit;
    double meridian = 0;
    bool mitZeitgl = false;
};

struct Stundensonne {
    double hoehe = 0;  // altitude
    double azimut = 0; // from south, west positive
};

// The sun at hour t of day d at the state's place:
// - clock hours: clock time t at the reference meridian;
// - temporal hours: t twelfths of the day from sunrise (6 is true noon);
// - Babylonian hours: t hours after sunrise; Italian hours: t hours after the previous
//   sunset (24 at the day's sunset), both in local apparent time without refraction.
Stundensonne sonneZurStunde(const AppState& s, std::int32_t d, double t, const Stundenrechnung& r);

// Sunrise and sunset of day d in local apparent time (12 -/+ half the day arc), no
// refraction: 0 and 24 when the sun does not set, 12 and 12 when it does not rise.
struct Tagesgrenzen {
    double aufgang = 6;
    double untergang = 18;
};
Tagesgrenzen wahreTagesgrenzen(const AppState& s, std::int32_t d);

// sonneZurStunde for Babylonian (or else Italian) hours on a day whose sunrise and sunset g
// are already known: the many hour lines crossing one day work that day out once.
Stundensonne sonneItalBabylZurStunde(const AppState& s, std::int32_t d, double t, bool babylonisch,
                                     const Tagesgrenzen& g);

// Whether the sun at that Babylonian (or else Italian) hour stands certainly below the
// horizon on a day of sunrise and sunset g: its hour angle lies an hour or more beyond the
// day arc, more than the declination moves the arc within the hours between them, up to
// 65 degrees of latitude.
bool italBabylUnterDemHorizont(const Tagesgrenzen& g, double t, bool babylonisch);

// sonneZurStunde and sonneItalBabylZurStunde for many lines walking the same days, to the last
// bit: the latitude's sine and cosine once, and what a day of unequal hours needs once per day.
// k counts the days of a walk (0 for its first day), d is the day of the year; a walk whose
// k-th day is another day works that day out afresh.
class Stundenwalk {
public:
    explicit Stundenwalk(const AppState& s) : s_(s), phi_(s.Par.Breite) {}
    Stundensonne sonne(std::size_t k, std::int32_t d, double t, const Stundenrechnung& r);
    Stundensonne italBabyl(std::size_t k, std::int32_t d, double t, bool babylonisch);
    // Sunrise and sunset of the k-th day, day d, as italBabyl takes them.
    const Tagesgrenzen& grenzen(std::size_t k, std::int32_t d);

private:
    const AppState& s_;
    GradMitSinus phi_;
    struct Temporaltag {
        std::int32_t d = 0;
        UngleicherTag tag;
    };
    struct Grenztag {
        std::int32_t d = 0;
        Tagesgrenzen g;
    };
    std::vector<Temporaltag> temporal_;
    std::vector<Grenztag> grenzen_;
    Tagesgrenzen einzeln_; // a day beyond the end of the walk kept so far
};

// Where a segment from (a, va) to (b, vb) reaches the coordinate c: the other coordinate
// there by linear interpolation, or va when the segment hardly moves (|b - a| <= 1e-5).
double interpoliereAuf(double a, double va, double b, double vb, double c);

struct Stundenbereich {
    int von = 0;
    int bis = 0;
};

// Temporal hours run from 0 (sunrise) to 12 (sunset). A range with a bound outside 0..12 is
// replaced by 6..12, and the message that says so is added to m.
Stundenbereich temporalBereich(const AppState& s, int von, int bis, Konstruktionsmeldungen& m);
// The text of that message ("Temporalstunden müssen zwischen 0 und 12 liegen!").
std::string temporalBereichText(const AppState& s);

// Local time without the equation of time shows the afternoon as the mirror of the morning,
// so a range across noon keeps only its longer side; on a tie the afternoon.
Stundenbereich mittagsregel(Stundenbereich b, bool ortszeit, bool mitZeitgl);

// Temporal hours cannot be built beyond 65 degrees of latitude.
inline constexpr double kTemporalGrenzbreite = 65.0;
bool temporalZuHoch(double breite, bool temporal);
// The two lines of that refusal, split at the line break.
struct ZweiZeilen {
    std::string erste;
    std::string zweite;
};
ZweiZeilen temporalVerweigerung(const AppState& s);
// Draws that refusal in place of a dial: the first line at (x1, y1), the second (at most 65
// characters) at (x2, y2) and the dial's title at (xt, yt), in navy, 30 units high.
struct Verweigerungsbild {
    const char* schrift = "Times";
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, xt = 0, yt = 0;
    std::string titel;
};
void zeichneVerweigerung(const AppState& s, Canvas& c, const Verweigerungsbild& b);
// That refusal in place of a cylinder of W x H units, as the cylinders lay it out.
void zeichneZylinderVerweigerung(const AppState& s, Canvas& c, int W, int H, std::string titel);
// The refusal as one text, for a message box or a refused plot.
std::string temporalVerweigerungText(const AppState& s);

// Italian and Babylonian hours are refused beyond 65 degrees as well.
std::string italBabylVerweigerungText(const AppState& s);

// A text of the current language.
inline std::string sprachText(const AppState& s, const char* deutsch, const char* englisch)
{
    return s.Deutsch ? deutsch : englisch;
}

// What a legend's pointer, drawn at true size, says when its upper end runs off the sheet.
inline Konstruktionsmeldung zeigerHoeherAlsBlatt(const AppState& s)
{
    return {PromptTitle::Information, PromptIcon::Information,
            sprachText(s, "Der Zeiger in wahrer Größe ist höher als das Blatt: sein oberes Ende fehlt.",
                       "The pointer at true size is taller than the sheet: its upper end is missing.")};
}

// The legend's pointer at true size: an upright of length k from the foot (x, y) up, an arm of
// length k from the foot to the right whose end turns up by haken, and a short stroke haken
// right from the upright's top. An arm longer than the sheet to the frame's right edge rechts
// ends there, without its turned end; the messages say what the sheet leaves out.
void zeigerInWahrerGroesse(const AppState& s, Canvas& c, int x, int y, int k, int haken, int rechts,
                           Konstruktionsmeldungen& meldungen);

// The place line of a cylinder's legend on screen and page:
// "Geogr. Breite =  47.25 Grad, Geogr. Länge =  -9.59 Grad".
std::string zylinderOrtszeile(const AppState& s);
// The cylinders' line of the time shown (the clock, the equation of time, temporal hours), at most 60 letters.
std::string zylinderZeitzeile(const AppState& s);
// Where a legend line that starts at x ends inside a frame whose right edge is rechts: x, or
// further left for a text too long to end there (English lines are longer).
int imRahmen(const Canvas& c, int x, int rechts, std::string_view text);

// The first n characters of a UTF-8 text (a character is never split).
std::string ersteZeichen(const std::string& text, std::size_t n);

// A canvas coordinate from a real: rounded, non-finite values 0, clamped to the int range.
int canvasZahl(double x);

} // namespace umbrin
