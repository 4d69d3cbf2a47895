#include "core/Zahlenformat.h"

#include "core/Rounding.h"

#include <charconv>
#include <cmath>

namespace umbrin {

namespace {

void padLeft(std::string& text, int w)
{
    if (w > 0 && text.size() < static_cast<std::size_t>(w))
        text.insert(0, static_cast<std::size_t>(w) - text.size(), ' ');
}

// Adds one unit in the last place of a text of decimal digits (and at most one point),
// carrying to the left; "9.99" becomes "10.00".
void incrementDigits(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(0, 1, '1');
}

// Fixed-point text of |x| with d decimals, rounded half away from zero on the decimal
// value of x. The digits are first produced with extra places: a long double that is not
// exactly a tie lies at least 2^-64 of a unit of the last kept place away from the tie, so
// 24 more places decide every case exactly.
std::string fixedHalfAwayFromZero(long double x, int d)
{
    constexpr int extra = 24;
    std::string buffer(64, '\0');
    std::to_chars_result r{};
    for (;;) {
        r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                          std::chars_format::fixed, d + extra);
        if (r.ec == std::errc())
            break;
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(static_cast<std::size_t>(r.ptr - buffer.data()));

    const std::size_t point = buffer.find('.');
    const char firstDropped = buffer[point + 1 + static_cast<std::size_t>(d)];
    std::string kept = buffer.substr(0, d == 0 ? point : point + 1 + static_cast<std::size_t>(d));
    if (firstDropped >= '5')
        incrementDigits(kept);
    return kept;
}

} // namespace

std::string RealStr(long double x, int w, int d, bool& fehler)
{
    fehler = d > w;
    if (fehler)
        return {};
    if (d < 0)
        d = 0;
    std::string text;
    if (std::isnan(x)) {
        text = "NAN";
    } else if (std::isinf(x)) {
        text = x > 0 ? "INF" : "-INF";
    } else {
        text = fixedHalfAwayFromZero(x, d);
        const bool allZero = text.find_first_not_of("0.") == std::string::npos;
        if (std::signbit(x) && !allZero)
            text.insert(0, 1, '-');
    }
    padLeft(text, w);
    return text;
}

std::string RealStr(long double x, int w, int d)
{
    bool fehler = false;
    return RealStr(x, w, d, fehler);
}

std::string ZehntelStr(std::int64_t zehntel, int w)
{
    // Beyond this the long double of zehntel / 10 no longer holds its tenth exactly enough;
    // a width below the decimals is RealStr's to refuse.
    constexpr std::int64_t grenze = 1000000000000000;
    if (zehntel > grenze || zehntel < -grenze || w < 1)
        return RealStr(static_cast<long double>(zehntel) / 10, w, 1);
    const std::int64_t betrag = zehntel < 0 ? -zehntel : zehntel;
    std::string text = std::to_string(betrag / 10);
    text += '.';
    text += static_cast<char>('0' + betrag % 10);
    if (zehntel < 0)
        text.insert(0, 1, '-');
    padLeft(text, w);
    return text;
}

std::string IntStr(std::int64_t n)
{
    return std::to_string(n);
}

std::string KoordStr(long double x)
{
    constexpr long double grenze = 217000000.0L;
    if (std::fabs(x) > grenze)
        x = x > 0 ? grenze : -grenze;
    return std::to_string(roundHalfEven(x));
}

std::string MinSekStr(long double grad)
{
    const long double m = 4.0L * grad;
    const long double frac = m - std::trunc(m); // keeps the sign of m
    std::int64_t s = truncateToInt(m >= 0 ? frac * 60.0L + 0.5L : frac * 60.0L - 0.5L);
    std::int64_t minuten = 0;
    if (s == 60 || s == -60) {
        minuten = truncateToInt(m + 60.0L / static_cast<long double>(s));
        s = 0;
    } else {
        minuten = truncateToInt(m);
    }
    // A negative value under one minute: the minute number 0 cannot carry the sign. The sign
    // is written only when the text shows a nonzero time, so no "-0:00" appears.
    std::string text;
    if (minuten == 0 && m < 0 && m > -1.0L && s != 0)
        text = "-";
    text += std::to_string(minuten);
    text += ':';
    const std::int64_t a = s < 0 ? -s : s;
    if (a < 10)
        text += '0';
    text += std::to_string(a);
    padLeft(text, 6);
    return text;
}

std::string ZeitHHMM(long double stunden)
{
    const long double t = std::trunc(60.0L * stunden + 0.5L) / 60.0L;
    const std::int64_t h = truncateToInt(t);
    const std::int64_t m = truncateToInt((t - static_cast<long double>(h)) * 60.0L + 0.5L);
    std::string text = ZahlRechtsbuendig(h, 3);
    text += ':';
    if (m >= 0 && m < 10)
        text += '0';
    text += std::to_string(m);
    return text;
}

std::string ZahlRechtsbuendig(std::int64_t n, int w)
{
    std::string text = std::to_string(n);
    padLeft(text, w);
    return text;
}

} // namespace umbrin
