#pragma once
// Number texts of the DXF writer. A DXF file carries its numbers as text, and the converter
// keeps every coordinate as the very text it writes, so these routines decide the digits that
// reach the drawing. They never consult the process locale: the decimal point is always ".".
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace umbrin {

// The text of q units of the last of `stellen` decimals (q = 12345, stellen = 4 gives
// "1.2345"), without padding; exact for every 64-bit q. `wert` as above.
void dxfFestAusGanzzahlAnhaengen(std::string& out, long long q, int stellen, double* wert = nullptr);
// The same text written backwards from `ende` into a buffer of at least 24 characters before
// it; returns where the text starts. `stellen` is 0..18. Inline: every coordinate passes here.
inline char* dxfFestAusGanzzahl(char* ende, long long q, int stellen)
{
    static constexpr char kPaare[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    unsigned long long betrag = q < 0 ? 0 - static_cast<unsigned long long>(q) : static_cast<unsigned long long>(q);
    // The digits are formed from the right, two at a time: the decimals, the point, the whole part.
    char* p = ende;
    int rest = stellen;
    while (rest >= 2) {
        const auto paar = static_cast<unsigned>(betrag % 100) * 2;
        betrag /= 100;
        *--p = kPaare[paar + 1];
        *--p = kPaare[paar];
        rest -= 2;
    }
    if (rest == 1) {
        *--p = static_cast<char>('0' + betrag % 10);
        betrag /= 10;
    }
    if (stellen > 0)
        *--p = '.';
    while (betrag >= 100) {
        const auto paar = static_cast<unsigned>(betrag % 100) * 2;
        betrag /= 100;
        *--p = kPaare[paar + 1];
        *--p = kPaare[paar];
    }
    if (betrag >= 10) {
        const auto paar = static_cast<unsigned>(betrag) * 2;
        *--p = kPaare[paar + 1];
        *--p = kPaare[paar];
    } else {
        *--p = static_cast<char>('0' + betrag);
    }
    if (q < 0)
        *--p = '-';
    return p;
}

// The number of characters of the text of q with four decimals.
inline std::size_t dxfZehntausendstelLaenge(long long q)
{
    unsigned long long betrag = q < 0 ? 0 - static_cast<unsigned long long>(q) : static_cast<unsigned long long>(q);
    std::size_t ziffern = 5; // at least "0.0000"
    betrag /= 100000;
    while (betrag >= 100) {
        betrag /= 100;
        ziffern += 2;
    }
    ziffern += betrag >= 10 ? 2 : betrag >= 1 ? 1 : 0;
    return ziffern + 1 + (q < 0 ? 1 : 0);
}

// Writes the text of q with four decimals at p; returns the end of the text.
inline char* dxfZehntausendstelSchreiben(char* p, long long q)
{
    char* const ende = p + dxfZehntausendstelLaenge(q);
    dxfFestAusGanzzahl(ende, q, 4);
    return ende;
}

// A number text as it goes into the drawing. Coordinates are short ("403.9250", " 12.50000")
// and are kept inline, so that moving and copying points costs no allocation; a longer text
// (a position far off the sheet) is kept on the heap. A coordinate read as whole plotter
// units is kept as its count of ten-thousandths: its characters are formed only when they
// are read, or written straight into a record (dxfZehntausendstelSchreiben).
class DxfText {
public:
    DxfText() = default;
    DxfText(std::string_view text) { setze(text); }
    DxfText(const char* text) { setze(text); }
    DxfText(const std::string& text) { setze(text); }
    DxfText(const DxfText& anderer) { kopiere(anderer); }
    DxfText(DxfText&&) noexcept = default;
    DxfText& operator=(const DxfText& anderer)
    {
        if (this != &anderer)
            kopiere(anderer);
        return *this;
    }
    DxfText& operator=(DxfText&&) noexcept = default;
    DxfText& operator=(std::string_view text)
    {
        setze(text);
        return *this;
    }
    DxfText& operator=(const char* text)
    {
        setze(text);
        return *this;
    }
    DxfText& operator=(const std::string& text)
    {
        setze(text);
        return *this;
    }

    void setze(std::string_view text)
    {
        art_ = Art::Text;
        if (text.size() <= kKurz) {
            lang_.reset();
            for (std::size_t i = 0; i < text.size(); ++i) // a few characters: cheaper than memcpy
                kurz_[i] = text[i];
            laenge_ = static_cast<unsigned char>(text.size());
        } else {
            lang_ = std::make_unique<std::string>(text);
            laenge_ = 0;
        }
    }
    // The text of q ten-thousandths with four decimals (q = 12345 gives "1.2345").
    void setzeZehntausendstel(long long q)
    {
        lang_.reset();
        art_ = Art::Ganz;
        zehntausendstel_ = q;
    }
    // True when the text is that of a count of ten-thousandths, given by zehntausendstel().
    bool istGanz() const { return art_ != Art::Text; }
    long long zehntausendstel() const { return zehntausendstel_; }

    std::string_view sicht() const
    {
        if (lang_)
            return *lang_;
        if (art_ == Art::Ganz)
            formeZiffern();
        return std::string_view(kurz_, laenge_);
    }
    // The inline characters, readable for kKurz bytes whatever the length (only for short
    // texts that are not counts of ten-thousandths).
    bool istKurz() const { return !lang_; }
    const char* kurzDaten() const { return kurz_; }
    std::size_t kurzLaenge() const { return laenge_; }
    static constexpr std::size_t kKurz = 32;
    operator std::string_view() const { return sicht(); }
    bool empty() const { return !lang_ && art_ == Art::Text && laenge_ == 0; }
    std::string str() const { return std::string(sicht()); }

    friend bool operator==(const DxfText& a, const DxfText& b)
    {
        if (a.istGanz() && b.istGanz())
            return a.zehntausendstel_ == b.zehntausendstel_;
        return a.sicht() == b.sicht();
    }

private:
    // Text: the characters in kurz_ or lang_. Ganz: a count of ten-thousandths whose
    // characters are not formed yet; GanzGeformt: the same with its characters in kurz_.
    enum class Art : unsigned char { Text, Ganz, GanzGeformt };

    void kopiere(const DxfText& anderer)
    {
        if (anderer.lang_) {
            lang_ = std::make_unique<std::string>(*anderer.lang_);
            laenge_ = 0;
        } else {
            lang_.reset();
            std::memcpy(kurz_, anderer.kurz_, kKurz);
            laenge_ = anderer.laenge_;
        }
        art_ = anderer.art_;
        zehntausendstel_ = anderer.zehntausendstel_;
    }
    void formeZiffern() const;

    mutable char kurz_[kKurz] = {};
    mutable unsigned char laenge_ = 0;
    mutable Art art_ = Art::Text;
    long long zehntausendstel_ = 0;
    std::unique_ptr<std::string> lang_;
};

inline void DxfText::formeZiffern() const
{
    char puffer[32];
    char* const ende = puffer + sizeof puffer;
    const char* const anfang = dxfFestAusGanzzahl(ende, zehntausendstel_, 4);
    laenge_ = static_cast<unsigned char>(ende - anfang);
    std::memcpy(kurz_, anfang, laenge_);
    art_ = Art::GanzGeformt;
}

// Fixed-point text of v with exactly `stellen` decimals, rounded half away from zero, padded on
// the left with blanks to at least `breite` characters and never cut. A value that is not
// finite is written as 0. When `wert` is given it receives the number the text stands for
// (the value a reader of the text gets back).
std::string dxfFest(long double v, int breite, int stellen, double* wert = nullptr);

// The same text appended to out (no temporary string).
void dxfFestAnhaengen(std::string& out, long double v, int breite, int stellen, double* wert = nullptr);

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
