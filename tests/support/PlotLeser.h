#pragma once
// A written plot read back the way a plotter reads it: its commands with their numbers, the pen
// each is drawn with and the pen's place before it, the strokes drawn with PD, the labels at
// their places. Usable from GoogleTest and Qt Test programs alike. (Scanned by hand: a regular
// expression over a long PD list recurses once per character and can overflow the stack.)
#include <cmath>
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace umbrin::test {

struct PlotPunkt {
    double x = 0, y = 0;
};

struct PlotBefehl {
    std::string name;           // two capitals: "PU", "SP", "LB", ...
    std::vector<double> zahlen; // every number of the command, in order
    std::string text;           // a label's text, up to its terminator
    int stift = 0;              // the pen selected when the command comes
    PlotPunkt an{0, 0};         // the pen's place when the command comes
};

namespace detail {
inline bool istZiffer(char c) { return c >= '0' && c <= '9'; }
inline bool istBuchstabe(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The numbers of a command's arguments, read without regard to the locale: optional sign,
// digits, optional fraction (".5" too). A sign may follow a number without a blank
// ("5300-180"); anything else between numbers is a separator.
inline std::vector<double> zahlenIn(const std::string& s, std::size_t a, std::size_t e)
{
    std::vector<double> zahlen;
    const char* p = s.data() + a;
    const char* const bis = s.data() + e;
    while (p < bis) {
        const bool plus = *p == '+';
        const char* ziffer = p + ((*p == '-' || plus) ? 1 : 0);
        ziffer += ziffer < bis && *ziffer == '.' ? 1 : 0;
        if (ziffer >= bis || !istZiffer(*ziffer)) {
            ++p;
            continue;
        }
        double x = 0;
        const auto [ende, fehler] = std::from_chars(plus ? p + 1 : p, bis, x, std::chars_format::fixed);
        zahlen.push_back(fehler == std::errc() ? x : 0);
        p = ende > p ? ende : p + 1;
    }
    return zahlen;
}
} // namespace detail

// Every command of a plot. A command is two letters (taken as capitals); its arguments run to
// the next ';' or letter, a label's text to the end-of-text character.
inline std::vector<PlotBefehl> plotBefehle(const std::string& hpgl)
{
    std::vector<PlotBefehl> liste;
    int stift = 0;
    PlotPunkt stand{0, 0};
    std::size_t i = 0;
    while (i + 1 < hpgl.size()) {
        if (!detail::istBuchstabe(hpgl[i]) || !detail::istBuchstabe(hpgl[i + 1])) {
            ++i;
            continue;
        }
        const auto gross = [](char c) { return static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c); };
        PlotBefehl b{std::string{gross(hpgl[i]), gross(hpgl[i + 1])}, {}, {}, stift, stand};
        i += 2;
        if (b.name == "LB") {
            const std::size_t e = std::min(hpgl.find('\x03', i), hpgl.size());
            b.text = hpgl.substr(i, e - i);
            i = e + 1;
        } else {
            std::size_t e = i;
            while (e < hpgl.size() && hpgl[e] != ';' && !detail::istBuchstabe(hpgl[e]))
                ++e;
            b.zahlen = detail::zahlenIn(hpgl, i, e);
            i = e;
            if (b.name == "SP")
                stift = b.zahlen.empty() ? 0 : static_cast<int>(b.zahlen[0]);
            if ((b.name == "PU" || b.name == "PD" || b.name == "PA") && b.zahlen.size() >= 2)
                stand = {b.zahlen[b.zahlen.size() - 2], b.zahlen.back()};
        }
        liste.push_back(std::move(b));
    }
    return liste;
}

// Every point of the PU and PD commands of a plot, in order.
inline std::vector<PlotPunkt> plotPunkte(const std::string& hpgl)
{
    std::vector<PlotPunkt> punkte;
    for (const PlotBefehl& b : plotBefehle(hpgl))
        if (b.name == "PU" || b.name == "PD")
            for (std::size_t k = 0; k + 1 < b.zahlen.size(); k += 2)
                punkte.push_back({b.zahlen[k], b.zahlen[k + 1]});
    return punkte;
}

struct PlotStrich {
    int stift = 0;
    std::vector<PlotPunkt> punkte; // from the pen's place before the PD on
};

// The strokes of a plot, one per PD with points, of every pen or of one.
inline std::vector<PlotStrich> plotStriche(const std::string& hpgl, std::optional<int> nurStift = {})
{
    std::vector<PlotStrich> striche;
    for (const PlotBefehl& b : plotBefehle(hpgl)) {
        if (b.name != "PD" || b.zahlen.size() < 2 || (nurStift && b.stift != *nurStift))
            continue;
        PlotStrich s{b.stift, {b.an}};
        for (std::size_t k = 0; k + 1 < b.zahlen.size(); k += 2)
            s.punkte.push_back({b.zahlen[k], b.zahlen[k + 1]});
        striche.push_back(std::move(s));
    }
    return striche;
}

struct PlotText {
    int stift = 0;
    PlotPunkt an{0, 0};
    std::string text;
    double richtung = 0;    // degrees from the x axis, of the last DI
    bool zweitsatz = false; // written in the alternate character set (SA, until SS)
};

// Every label of a plot with the place, pen, direction and character set it is written in.
inline std::vector<PlotText> plotTexte(const std::string& hpgl)
{
    std::vector<PlotText> texte;
    double richtung = 0;
    bool zweitsatz = false;
    for (const PlotBefehl& b : plotBefehle(hpgl)) {
        if (b.name == "DI")
            richtung = b.zahlen.size() == 2 ? std::atan2(b.zahlen[1], b.zahlen[0]) * 180 / M_PI : 0;
        if (b.name == "SA" || b.name == "SS")
            zweitsatz = b.name == "SA";
        if (b.name == "LB")
            texte.push_back({b.stift, b.an, b.text, richtung, zweitsatz});
    }
    return texte;
}

// Whether a point lies within tol of (x, y) in both directions.
inline bool hatPunktNahe(const std::vector<PlotPunkt>& punkte, double x, double y, double tol)
{
    for (const PlotPunkt& p : punkte)
        if (std::fabs(p.x - x) <= tol && std::fabs(p.y - y) <= tol)
            return true;
    return false;
}

// How often a piece stands in a plot (overlapping counts).
inline int anzahl(const std::string& text, const std::string& teil)
{
    int n = 0;
    for (auto i = text.find(teil); i != std::string::npos; i = text.find(teil, i + 1))
        ++n;
    return n;
}

// The mark the planar plot draws at the gnomon foot: a stroke from (x - a, y) to (x + a, y),
// back to (x, y), then up to (x, y + a) and down to (x, y - a), with a = 200 k. Gives the foot
// of the first such mark, or false.
inline bool findeFussmarke(const std::string& hpgl, double a, PlotPunkt& fuss)
{
    const std::vector<PlotPunkt> p = plotPunkte(hpgl);
    for (std::size_t i = 0; i + 4 < p.size(); ++i) {
        const double x = p[i].x + a, y = p[i].y;
        if (p[i + 1].x == x + a && p[i + 1].y == y && p[i + 2].x == x && p[i + 2].y == y && p[i + 3].x == x
            && p[i + 3].y == y + a && p[i + 4].x == x && p[i + 4].y == y - a) {
            fuss = {x, y};
            return true;
        }
    }
    return false;
}

} // namespace umbrin::test
