#include "dialogs/IniZahlen.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace umbrin {
namespace {

bool istZiffer(char c)
{
    return c >= '0' && c <= '9';
}

bool istZahlzeichen(char c)
{
    return c == '-' || c == '.' || istZiffer(c);
}

bool istTrenner(char c)
{
    return c == ' ' || c == ',' || c == ';';
}

void trennerEntfernen(std::string& rest)
{
    std::size_t n = 0;
    while (n < rest.size() && istTrenner(rest[n]))
        ++n;
    rest.erase(0, n);
}

std::string_view ohneFuehrendeBlanks(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && text[n] == ' ')
        ++n;
    return text.substr(n);
}

// Integer text with an optional sign, as a 64-bit value; nullopt beyond that or on any
// other character.
std::optional<std::int64_t> alsGanzzahl64(std::string_view text)
{
    text = ohneFuehrendeBlanks(text);
    bool negativ = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negativ = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 12)
        return std::nullopt;
    std::int64_t wert = 0;
    for (char c : text) {
        if (!istZiffer(c))
            return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    return negativ ? -wert : wert;
}

} // namespace

std::string holeZahl(std::string& rest)
{
    trennerEntfernen(rest);
    std::size_t n = 0;
    while (n < rest.size() && istZahlzeichen(rest[n]))
        ++n;
    std::string token = rest.substr(0, n);
    rest.erase(0, n);
    trennerEntfernen(rest);
    return token;
}

std::string holeKommaWert(std::string& rest)
{
    std::size_t p = rest.find(',');
    if (p == std::string::npos)
        p = rest.find(';');
    std::string wert;
    if (p == std::string::npos) {
        wert = rest;
        rest.clear();
    } else {
        wert = rest.substr(0, p);
        rest.erase(0, p + 1);
    }
    return wert;
}

std::string holeRingWert(std::string& rest, bool mitVorzeichen)
{
    std::size_t n = 0;
    while (n < rest.size() && !istZahlzeichen(rest[n]))
        ++n;
    rest.erase(0, n);
    std::string token;
    n = 0;
    for (; n < rest.size() && istZahlzeichen(rest[n]); ++n) {
        if (rest[n] == '-' && !mitVorzeichen)
            continue;
        token += rest[n];
    }
    rest.erase(0, n);
    return token;
}

std::optional<double> alsReal(std::string_view text)
{
    text = ohneFuehrendeBlanks(text);
    if (text.size() > 1 && text[0] == '+' && text[1] != '-')
        text.remove_prefix(1);
    // Check the form first: from_chars alone would accept "inf", "nan" and hexadecimal.
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t ziffern = 0;
    while (i < text.size() && istZiffer(text[i])) {
        ++i;
        ++ziffern;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && istZiffer(text[i])) {
            ++i;
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponent = 0;
        while (i < text.size() && istZiffer(text[i])) {
            ++i;
            ++exponent;
        }
        if (exponent == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    // from_chars reads the same grammar (without the leading "+") and ignores the locale.
    // A value beyond the range of double, too large or too small, counts as no value.
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

std::optional<std::int32_t> alsGanzzahl(std::string_view text)
{
    const auto wert = alsGanzzahl64(text);
    if (!wert || *wert < std::numeric_limits<std::int32_t>::min() || *wert > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*wert);
}

std::optional<std::uint32_t> alsFarbwert(std::string_view text)
{
    const auto wert = alsGanzzahl64(text);
    if (!wert || *wert < std::numeric_limits<std::int32_t>::min() || *wert > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(*wert);
}

} // namespace umbrin
