#include "dialogs/IniZahlen.h"

#include "core/Zahlenformat.h"

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

// A value the scanners take whole: "-", "." and digits only, and a real by alsReal.
bool istSchlichteZahl(std::string_view text)
{
    for (char c : text) {
        if (!istZahlzeichen(c))
            return false;
    }
    return alsReal(text).has_value();
}

} // namespace

std::vector<std::string> zahlenwerte(std::string_view zeile)
{
    std::vector<std::string> werte;
    std::size_t i = 0;
    while (i < zeile.size()) {
        if (istTrenner(zeile[i])) {
            ++i;
            continue;
        }
        std::size_t ende = i;
        while (ende < zeile.size() && !istTrenner(zeile[ende]))
            ++ende;
        // "47,25": a comma with a digit on either side joins the two runs into one faulty value.
        if (ende + 1 < zeile.size() && zeile[ende] == ',' && istZiffer(zeile[ende - 1]) && istZiffer(zeile[ende + 1])) {
            ++ende;
            while (ende < zeile.size() && !istTrenner(zeile[ende]))
                ++ende;
        }
        werte.emplace_back(zeile.substr(i, ende - i));
        i = ende;
    }
    return werte;
}

bool istSchlichterWert(std::string_view wert)
{
    return wert.find(',') == std::string_view::npos && istSchlichteZahl(wert);
}

std::optional<std::string> formfehlerZahlenzeile(std::string_view zeile)
{
    for (const std::string& wert : zahlenwerte(zeile))
        if (!istSchlichterWert(wert))
            return wert;
    return std::nullopt;
}

std::optional<std::string> formfehlerKommazeile(std::string_view zeile, int frei, int anzahl)
{
    std::string rest(zeile);
    for (int k = 0; !rest.empty(); ++k) {
        const std::string wert = holeKommaWert(rest);
        if (k >= anzahl)
            return wert; // a value too many: a decimal comma in the last value, or a stray one
        if (wert.empty() || k < frei)
            continue;
        if (!alsReal(wert))
            return wert;
    }
    return std::nullopt;
}

std::optional<std::string> formfehlerRingzeile(std::string_view zeile)
{
    std::size_t anfang = 0;
    for (int k = 0; anfang <= zeile.size(); ++k) {
        std::size_t ende = zeile.find(';', anfang);
        if (ende == std::string_view::npos)
            ende = zeile.size();
        std::string_view wert = ohneFuehrendeBlanks(zeile.substr(anfang, ende - anfang));
        while (!wert.empty() && wert.back() == ' ')
            wert.remove_suffix(1);
        // Only the umbrella radius may be negative; the scanner drops a "-" from the others.
        if (!istSchlichteZahl(wert) || (k > 0 && wert.find('-') != std::string_view::npos))
            return std::string(wert);
        anfang = ende + 1;
    }
    return std::nullopt;
}

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

double dateiWert(double x, int stellen)
{
    if (stellen < 0 || !std::isfinite(x))
        return x;
    return alsReal(RealStr(x, stellen, stellen)).value_or(x);
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
