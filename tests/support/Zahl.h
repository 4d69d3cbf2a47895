#pragma once
// A number read out of a message, a listing or a record the way the program reads numbers
// (leseReal): "." as decimal point whatever the process locale, through std::from_chars.
// std::stod follows the locale that a Qt application takes from the environment and reads
// "125.5" as 125 in a German one.
#include <charconv>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace umbrin::test {

// The number at the start of text, after blanks, as std::stod finds it; what follows it is
// left. Throws std::invalid_argument where no number starts.
inline double zahl(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    // from_chars takes no "+"; a "+" before a number reads as none.
    if (i + 1 < text.size() && text[i] == '+' && text[i + 1] != '-' && text[i + 1] != '+')
        ++i;
    double wert = 0;
    const auto r = std::from_chars(text.data() + i, text.data() + text.size(), wert, std::chars_format::general);
    if (r.ec != std::errc())
        throw std::invalid_argument("no number at the start of \"" + text.substr(0, 40) + "\"");
    return wert;
}

} // namespace umbrin::test
