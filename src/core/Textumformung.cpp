#include "core/Textumformung.h"

#include <array>
#include <utility>

namespace umbrin {

std::string OhneAmpersand(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '&' && c != ':')
            out += c;
    return out;
}

std::string OhneUmlaute(std::string_view s)
{
    // The umlauts as UTF-8 (two bytes each) and their spellings without them.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> ersatz = {{
        {"\xC3\xA4", "ae"}, {"\xC3\xB6", "oe"}, {"\xC3\xBC", "ue"},
        {"\xC3\x84", "Ae"}, {"\xC3\x96", "Oe"}, {"\xC3\x9C", "Ue"},
    }};
    std::string out;
    out.reserve(s.size() + 8);
    for (std::size_t i = 0; i < s.size();) {
        bool ersetzt = false;
        for (const auto& [umlaut, umschrift] : ersatz) {
            if (s.substr(i, umlaut.size()) == umlaut) {
                out += umschrift;
                i += umlaut.size();
                ersetzt = true;
                break;
            }
        }
        if (!ersetzt)
            out += s[i++];
    }
    return out;
}

std::string Plotterschrift(std::string_view s, bool deutsch)
{
    std::string out = OhneUmlaute(s);
    for (std::size_t i = 0; (i = out.find("\xC3\x9F", i)) != std::string::npos; i += 2)
        out.replace(i, 2, "ss");
    const std::string grad = deutsch ? "Grad" : "deg";
    for (std::size_t i = 0; (i = out.find("\xC2\xB0", i)) != std::string::npos;) {
        const bool blank = i > 0 && out[i - 1] == ' ';
        out.replace(i, 2, (blank ? "" : " ") + grad);
        i += grad.size();
    }
    return out;
}

std::string GrossSchrift(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string OhneAccelerator(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == '&') {
            out += '&';
            ++i;
        }
    }
    return out;
}

std::string mitLeerzeichen(std::string_view vorn, std::string_view hinten)
{
    while (!vorn.empty() && vorn.back() == ' ')
        vorn.remove_suffix(1);
    while (!hinten.empty() && hinten.front() == ' ')
        hinten.remove_prefix(1);
    std::string t(vorn);
    if (!vorn.empty() && !hinten.empty())
        t += ' ';
    return t.append(hinten);
}

namespace {

// The length of the control character at s[i], 0 for none.
std::size_t steuerzeichen(std::string_view s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && i + 1 < s.size()) {
        const auto d = static_cast<unsigned char>(s[i + 1]);
        return d >= 0x80 && d <= 0x9F ? 2 : 0;
    }
    return 0;
}

} // namespace

bool hatSteuerzeichen(std::string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i)
        if (steuerzeichen(s, i))
            return true;
    return false;
}

std::string ohneSteuerzeichen(std::string_view s)
{
    std::string t;
    t.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (const std::size_t n = steuerzeichen(s, i)) {
            if (s[i] == '\t')
                t += ' ';
            i += n - 1;
            continue;
        }
        t += s[i];
    }
    return t;
}

std::string zitatAusDatei(std::string_view zeile)
{
    constexpr std::size_t kZeichen = 100;
    std::size_t zeichen = 0;
    int folgebytes = 0; // continuation bytes (10xxxxxx) the last lead byte announced
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const auto c = static_cast<unsigned char>(zeile[i]);
        if ((c & 0xC0) == 0x80 && folgebytes > 0) {
            --folgebytes;
            continue;
        }
        if (zeichen++ == kZeichen)
            return std::string(zeile.substr(0, i)) + "...";
        folgebytes = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
    }
    return std::string(zeile);
}

} // namespace umbrin
