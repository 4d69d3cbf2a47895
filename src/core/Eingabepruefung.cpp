#include "core/Eingabepruefung.h"

#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace umbrin {

namespace {

std::string_view ohneFuehrendeBlanks(std::string_view text)
{
    const std::size_t erstes = text.find_first_not_of(' ');
    return erstes == std::string_view::npos ? std::string_view{} : text.substr(erstes);
}

bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// The text without the blanks a paste brings at either end: space, tab, line ends and the
// no-break space.
std::string_view ohneRandBlanks(std::string_view text)
{
    auto blankAmAnfang = [](std::string_view t) -> std::size_t {
        if (!t.empty() && (t.front() == ' ' || t.front() == '\t' || t.front() == '\n' || t.front() == '\r'))
            return 1;
        return t.substr(0, 2) == "\xC2\xA0" ? 2 : 0;
    };
    auto blankAmEnde = [](std::string_view t) -> std::size_t {
        if (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\n' || t.back() == '\r'))
            return 1;
        return t.size() >= 2 && t.substr(t.size() - 2) == "\xC2\xA0" ? 2 : 0;
    };
    while (const std::size_t n = blankAmAnfang(text))
        text.remove_prefix(n);
    while (const std::size_t n = blankAmEnde(text))
        text.remove_suffix(n);
    return text;
}

// A number read from `text` (its form written by realEingabeText): the field shows it as the
// keys type it, without blanks, sign "+", comma or other minus, when the text says it otherwise.
std::optional<std::string> gelesenerText(std::string_view text, std::string_view zahl)
{
    if (!zahl.empty() && zahl.front() == '+')
        zahl.remove_prefix(1);
    if (text == zahl)
        return std::nullopt;
    return std::string(zahl);
}

// label + "=" + text + " Zulässiger Wertebereich ist [lo..hi] !"
std::string bereichsMeldung(const AppState& s, std::string_view label, std::string_view text,
                            std::int32_t lo, std::int32_t hi)
{
    std::string m(label);
    m += '=';
    m += text;
    m += meldungsText(s, 13);
    m += " [" + IntStr(lo) + ".." + IntStr(hi) + "] !";
    return m;
}

} // namespace

std::optional<std::int32_t> leseGanzzahl(std::string_view text)
{
    std::string_view rest = ohneFuehrendeBlanks(text);
    bool negativ = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negativ = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty())
        return std::nullopt;
    std::int64_t wert = 0;
    for (char c : rest) {
        if (!istZiffer(c))
            return std::nullopt;
        wert = wert * 10 + (c - '0');
        if (wert > 2147483648LL)
            return std::nullopt;
    }
    if (negativ)
        wert = -wert;
    if (wert > INT32_MAX || wert < INT32_MIN)
        return std::nullopt;
    return static_cast<std::int32_t>(wert);
}

std::optional<double> leseReal(std::string_view text)
{
    std::string_view rest = ohneFuehrendeBlanks(text);
    std::string zahl;
    std::size_t i = 0;
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-')) {
        if (rest[i] == '-')
            zahl += '-';
        ++i;
    }
    std::size_t ziffern = 0;
    while (i < rest.size() && istZiffer(rest[i])) {
        zahl += rest[i++];
        ++ziffern;
    }
    if (i < rest.size() && rest[i] == '.') {
        zahl += rest[i++];
        while (i < rest.size() && istZiffer(rest[i])) {
            zahl += rest[i++];
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return std::nullopt;
    if (i < rest.size() && (rest[i] == 'e' || rest[i] == 'E')) {
        zahl += 'e';
        ++i;
        if (i < rest.size() && (rest[i] == '+' || rest[i] == '-'))
            zahl += rest[i++];
        std::size_t exponentZiffern = 0;
        while (i < rest.size() && istZiffer(rest[i])) {
            zahl += rest[i++];
            ++exponentZiffern;
        }
        if (exponentZiffern == 0)
            return std::nullopt;
    }
    if (i != rest.size())
        return std::nullopt;
    double wert = 0;
    const auto r = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    if (r.ec != std::errc() || r.ptr != zahl.data() + zahl.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

Feldpruefung pruefeRealFeld(const AppState& s, std::string_view text, double aktuell)
{
    Feldpruefung p;
    p.wert = aktuell;
    if (text.empty()) {
        p.befund = Befund::LeerWiederhergestellt;
        p.feldText = feldZahl(aktuell, 7, 2);
        return p;
    }
    const auto zahl = realEingabeText(text);
    if (const auto wert = zahl ? leseReal(*zahl) : std::nullopt) {
        p.wert = *wert;
        p.feldText = gelesenerText(text, *zahl);
        return p;
    }
    p.befund = Befund::KeineZahl;
    p.feldText = feldZahl(aktuell, 7, 2);
    p.meldungsId = 4;
    p.meldung = meldungsText(s, 4);
    p.icon = PromptIcon::Warning;
    return p;
}

Feldpruefung pruefeInt(const AppState& s, std::string_view text, std::int32_t lo, std::int32_t hi,
                       std::string_view label, std::int32_t aktuell)
{
    Feldpruefung p;
    p.ganzzahl = aktuell;
    p.wert = aktuell;
    if (text.empty()) {
        p.befund = Befund::LeerWiederhergestellt;
        p.feldText = IntStr(aktuell);
        return p;
    }
    const auto zahl = realEingabeText(text);
    const auto wert = zahl ? leseReal(*zahl) : std::nullopt;
    if (wert && *wert == std::trunc(*wert) && *wert >= lo && *wert <= hi) {
        p.ganzzahl = static_cast<std::int32_t>(*wert);
        p.wert = p.ganzzahl;
        if (text != IntStr(p.ganzzahl))
            p.feldText = IntStr(p.ganzzahl);
        return p;
    }
    p.feldText = IntStr(aktuell);
    p.icon = PromptIcon::Question;
    p.knoepfe = PromptButtons::OkCancel;
    if (wert && *wert >= lo && *wert <= hi) {
        // In the range, but not whole: said so, quoting the text as typed.
        p.befund = Befund::KeineGanzeZahl;
        p.meldungsId = 5;
        p.meldung = std::string(label) + "=" + std::string(ohneRandBlanks(text)) + " "
                    + std::string(meldungsText(s, 5));
        return p;
    }
    p.befund = wert ? Befund::AusserhalbBereich : Befund::KeineZahl;
    p.meldungsId = wert ? 13 : 4;
    p.meldung = wert ? bereichsMeldung(s, label, *zahl, lo, hi) : std::string(meldungsText(s, 4));
    return p;
}

Feldpruefung pruefeIntNochmals(const AppState& s, std::string_view text, std::int32_t lo,
                               std::int32_t hi, std::string_view label, std::int32_t aktuell)
{
    Feldpruefung p = pruefeInt(s, text, lo, hi, label, aktuell);
    if (p.meldung.empty())
        return p;
    // The question is German in both languages.
    p.meldung += "\n\r     Nochmals eingeben?";
    p.knoepfe = PromptButtons::YesNo;
    return p;
}

std::optional<std::string> realEingabeText(std::string_view text)
{
    text = ohneRandBlanks(text);
    std::string zahl;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto b1 = static_cast<unsigned char>(i + 1 < text.size() ? text[i + 1] : 0);
        const auto b2 = static_cast<unsigned char>(i + 2 < text.size() ? text[i + 2] : 0);
        if (istZiffer(c) || c == '+' || c == '-' || c == '.') {
            zahl += c;
        } else if (c == ',') {
            zahl += '.'; // the decimal comma of German texts
        } else if (static_cast<unsigned char>(c) == 0xE2
                   && ((b1 == 0x88 && b2 == 0x92) || (b1 == 0x80 && b2 >= 0x90 && b2 <= 0x95))) {
            zahl += '-'; // U+2212 minus sign, U+2010..U+2015 hyphens and dashes
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return zahl;
}

std::optional<double> leseRealEingabe(std::string_view text)
{
    const auto zahl = realEingabeText(text);
    return zahl ? leseReal(*zahl) : std::nullopt;
}

std::string feldZahl(double x, int breite, int stellen)
{
    for (int n = std::max(stellen, 0); n < 9; ++n) {
        const std::string text = RealStr(x, std::max(breite, n), n);
        const auto gelesen = leseReal(text);
        if (gelesen && std::fabs(*gelesen - x) <= 1e-9 * std::max(1.0, std::fabs(x)))
            return text;
    }
    return RealStr(x, std::max(breite, 9), 9);
}

Feldpruefung pruefeRealBereich(const AppState& s, std::string_view text, std::string_view label,
                               double lo, double hi, double aktuell)
{
    Feldpruefung p;
    p.wert = aktuell;
    p.icon = PromptIcon::Question;
    const auto zahl = realEingabeText(text);
    const auto wert = zahl ? leseReal(*zahl) : std::nullopt;
    if (wert && *wert >= lo && *wert <= hi) {
        p.wert = *wert;
        p.feldText = gelesenerText(text, *zahl);
        return p;
    }
    p.feldText = feldZahl(aktuell, 8, 2);
    if (!wert) {
        p.befund = Befund::KeineZahl;
        p.meldungsId = 4;
        p.meldung = meldungsText(s, 4);
        return p;
    }
    p.befund = Befund::AusserhalbBereich;
    p.meldungsId = 13;
    p.meldung = std::string(label) + "=" + *zahl + "\r\n" + std::string(meldungsText(s, 13)) + " ["
        + RealStr(lo, 8, 2) + ", ...," + RealStr(hi, 7, 1) + "] !";
    return p;
}

} // namespace umbrin
