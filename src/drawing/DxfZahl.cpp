#include "drawing/DxfZahl.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace umbrin {
namespace {

constexpr int kMaxStellen = 18;

constexpr std::array<long double, kMaxStellen + 1> kZehnerPotenz = {
    1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L,
};

constexpr std::array<double, 16> kZehnerPotenzDouble = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
};

void auffuellen(std::string& out, std::size_t start, int breite)
{
    const std::size_t laenge = out.size() - start;
    if (breite > 0 && laenge < static_cast<std::size_t>(breite))
        out.insert(start, static_cast<std::size_t>(breite) - laenge, ' ');
}

} // namespace

void dxfFestAusGanzzahlAnhaengen(std::string& out, long long q, int stellen, double* wert)
{
    if (stellen < 0)
        stellen = 0;
    if (stellen > kMaxStellen)
        stellen = kMaxStellen;
    char text[48];
    char* const ende = text + sizeof text;
    char* const p = dxfFestAusGanzzahl(ende, q, stellen);
    out.append(p, static_cast<std::size_t>(ende - p));
    if (!wert)
        return;
    constexpr long long kExakt = 1LL << 53;
    if (q > -kExakt && q < kExakt && stellen <= 15) {
        // Both operands are exact doubles, so the quotient is the double nearest to the decimal
        // text: the same value a reader of the text obtains.
        *wert = static_cast<double>(q) / kZehnerPotenzDouble[static_cast<std::size_t>(stellen)];
    } else {
        double gelesen = 0;
        std::from_chars(p, ende, gelesen);
        *wert = gelesen;
    }
}

void dxfFestAnhaengen(std::string& out, long double v, int breite, int stellen, double* wert)
{
    if (!std::isfinite(v))
        v = 0;
    if (stellen < 0)
        stellen = 0;
    if (stellen > kMaxStellen)
        stellen = kMaxStellen;
    const std::size_t start = out.size();
    const long double skaliert = v * kZehnerPotenz[static_cast<std::size_t>(stellen)];

    if (std::fabs(skaliert) < 9.0e18L) {
        // The usual case: the rounded value fits a 64-bit integer, whose digits are the text.
        dxfFestAusGanzzahlAnhaengen(out, static_cast<long long>(std::roundl(skaliert)), stellen, wert);
    } else {
        char text[5000];
        const auto ergebnis = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, stellen);
        const std::size_t laenge = ergebnis.ec == std::errc() ? static_cast<std::size_t>(ergebnis.ptr - text) : 0;
        out.append(text, laenge);
        if (wert) {
            double gelesen = 0;
            std::from_chars(text, text + laenge, gelesen);
            *wert = gelesen;
        }
    }
    auffuellen(out, start, breite);
}

std::string dxfFest(long double v, int breite, int stellen, double* wert)
{
    std::string out;
    dxfFestAnhaengen(out, v, breite, stellen, wert);
    return out;
}

std::string dxfExponent(long double v)
{
    if (!std::isfinite(v) || v == 0)
        return " 0.0E+0000";
    const bool negativ = v < 0;
    long double betrag = std::fabs(v);
    int exponent = static_cast<int>(std::floor(std::log10(betrag)));
    long double zehntel = std::roundl(betrag / std::pow(10.0L, exponent) * 10);
    if (zehntel >= 100) { // 9.96 rounds up to 10.0: one more power of ten
        zehntel = std::roundl(zehntel / 10);
        ++exponent;
    } else if (zehntel < 10) { // guards a log10 that landed one too high
        zehntel = std::roundl(betrag / std::pow(10.0L, exponent - 1) * 10);
        --exponent;
    }
    const int mantisse = static_cast<int>(zehntel);
    std::string text;
    text += negativ ? '-' : ' ';
    text += static_cast<char>('0' + mantisse / 10);
    text += '.';
    text += static_cast<char>('0' + mantisse % 10);
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    const int e = exponent < 0 ? -exponent : exponent;
    char ziffern[5];
    ziffern[0] = static_cast<char>('0' + (e / 1000) % 10);
    ziffern[1] = static_cast<char>('0' + (e / 100) % 10);
    ziffern[2] = static_cast<char>('0' + (e / 10) % 10);
    ziffern[3] = static_cast<char>('0' + e % 10);
    ziffern[4] = '\0';
    text += ziffern;
    return text;
}

std::string_view dxfOhneFuehrendeLeerzeichen(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return text.substr(i);
}

bool dxfLeseZahl(std::string_view text, long double& wert)
{
    std::size_t anfang = 0;
    std::size_t ende = text.size();
    while (anfang < ende && text[anfang] == ' ')
        ++anfang;
    while (ende > anfang && text[ende - 1] == ' ')
        --ende;
    std::string_view zahl = text.substr(anfang, ende - anfang);

    bool negativ = false;
    if (!zahl.empty() && (zahl.front() == '+' || zahl.front() == '-')) {
        negativ = zahl.front() == '-';
        zahl.remove_prefix(1);
    }
    // The grammar is checked here: from_chars alone would also take "inf", "nan" and hex.
    std::size_t i = 0;
    std::size_t ziffern = 0;
    while (i < zahl.size() && zahl[i] >= '0' && zahl[i] <= '9') {
        ++i;
        ++ziffern;
    }
    if (i < zahl.size() && zahl[i] == '.') {
        ++i;
        while (i < zahl.size() && zahl[i] >= '0' && zahl[i] <= '9') {
            ++i;
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return false;
    if (i < zahl.size() && (zahl[i] == 'e' || zahl[i] == 'E')) {
        ++i;
        if (i < zahl.size() && (zahl[i] == '+' || zahl[i] == '-'))
            ++i;
        std::size_t exponentZiffern = 0;
        while (i < zahl.size() && zahl[i] >= '0' && zahl[i] <= '9') {
            ++i;
            ++exponentZiffern;
        }
        if (exponentZiffern == 0)
            return false;
    }
    if (i != zahl.size())
        return false;

    long double gelesen = 0;
    const auto ergebnis = std::from_chars(zahl.data(), zahl.data() + zahl.size(), gelesen);
    if (ergebnis.ec != std::errc() || ergebnis.ptr != zahl.data() + zahl.size() || !std::isfinite(gelesen))
        return false;
    wert = negativ ? -gelesen : gelesen;
    return true;
}

} // namespace umbrin
