#pragma once
// Number texts of the DXF writer. A DXF file carries its numbers as text, and the converter
// keeps every coordinate as the very text it writes, so these routines decide the digits that
// reach the drawing. They never consult the process locale: the decimal point is always ".".
#include <string>
#include <string_view>

namespace umbrin {

// Fixed-point text of v with exactly `stellen` decimals, rounded half away from zero, padded on
// the left with blanks to at least `breite` characters and never cut. A value that is not
// finite is written as 0. When `wert` is given it receives the number the text stands for
// (the value a reader of the text gets back).
std::string dxfFest(long double v, int breite, int stellen, double* wert = nullptr);

// The same text appended to out (no temporary string).
void dxfFestAnhaengen(std::string& out, long double v, int breite, int stellen, double* wert = nullptr);

// The text of q units of the last of `stellen` decimals (q = 12345, stellen = 4 gives
// "1.2345"), without padding; exact for every 64-bit q. `wert` as above.
void dxfFestAusGanzzahlAnhaengen(std::string& out, long long q, int stellen, double* wert = nullptr);

// Two significant digits in exponent form, as the polyline width is written: a blank or a
// minus sign, one digit, ".", one digit, "E", the exponent's sign and four exponent digits
// (0.15 gives " 1.5E-0001", 0 gives " 0.0E+0000").
std::string dxfExponent(long double v);

// Reads a decimal number: optional blanks, an optional sign, digits with an optional point
// (at least one digit), an optional exponent, optional blanks. False for anything else, and
// for a value beyond the floating-point range.
bool dxfLeseZahl(std::string_view text, long double& wert);

// The text without its leading blanks.
std::string_view dxfOhneFuehrendeLeerzeichen(std::string_view text);

} // namespace umbrin
