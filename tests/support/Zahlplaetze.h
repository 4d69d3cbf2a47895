#pragma once
// The numbers of hours an earlier version of a drawing placed clear, kept in a file per sheet,
// and the check that a later version keeps them: a number may go only where the hour sharing
// its line keeps a number and its old place is now taken.
#include "support/Ansichten.h"
#include "support/Layoutpruefung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <locale>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace umbrin::test {

// The file of the numbers placed clear: a line per sheet, its name, then each
// number's text (blanks as '_'), colour or pen and the box of its ink (left, top, width,
// height). A German sheet is written only where its numbers differ from the English one's.
struct Zahlplatz {
    std::string text;
    unsigned farbe = 0;
    Seitenrechteck kasten;
};
using Zahlplaetze = std::map<std::string, std::vector<Zahlplatz>>; // by sheet

inline std::string eintrag(const Zahlplatz& z)
{
    std::string t = z.text;
    std::replace(t.begin(), t.end(), ' ', '_');
    std::ostringstream o;
    o.imbue(std::locale::classic());
    const long x = std::lround(z.kasten.x0), y = std::lround(z.kasten.y0);
    o << t << ':' << std::hex << z.farbe << std::dec << ':' << x << ',' << y << ',' << std::lround(z.kasten.x1) - x << ','
      << std::lround(z.kasten.y1) - y;
    return o.str();
}

// The English sheet of a German one, else the sheet itself.
inline std::string englisch(std::string blatt)
{
    if (const std::size_t i = blatt.find(", German, "); i != std::string::npos)
        blatt.erase(i, 8);
    return blatt;
}

// The family's sheets of the file, the German ones filled in.
inline Zahlplaetze ladeZahlplaetze(const std::string& datei, const std::string& familie)
{
    Zahlplaetze z;
    std::ifstream in(datei);
    for (std::string zeile; std::getline(in, zeile);) {
        if (zeile.rfind(familie + ", ", 0) != 0)
            continue;
        const std::size_t trenner = zeile.rfind('|');
        std::vector<Zahlplatz>& liste = z[zeile.substr(0, trenner)];
        std::istringstream rest(zeile.substr(trenner + 1));
        for (std::string e; rest >> e;) {
            Zahlplatz p;
            const std::size_t a = e.find(':'), b = e.find(':', a + 1);
            p.text = e.substr(0, a);
            std::replace(p.text.begin(), p.text.end(), '_', ' ');
            p.farbe = static_cast<unsigned>(std::stoul(e.substr(a + 1, b - a - 1), nullptr, 16));
            long x = 0, y = 0, w = 0, h = 0; // whole numbers: no locale's decimal comma can read them otherwise
            std::sscanf(e.c_str() + b + 1, "%ld,%ld,%ld,%ld", &x, &y, &w, &h);
            p.kasten = {double(x), double(y), double(x + w), double(y + h)};
            liste.push_back(std::move(p));
        }
    }
    return z;
}

// The numbers kept for a sheet.
inline const std::vector<Zahlplatz>* gehalten(const Zahlplaetze& z, const std::string& blatt)
{
    auto i = z.find(blatt);
    if (i == z.end())
        i = z.find(englisch(blatt));
    return i == z.end() ? nullptr : &i->second;
}

// What two boxes share, as a part of the smaller.
inline double gemeinsamerAnteil(const Seitenrechteck& a, const Seitenrechteck& b)
{
    const double w = std::min(a.x1, b.x1) - std::max(a.x0, b.x0), h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
    const double kleiner = std::min((a.x1 - a.x0) * (a.y1 - a.y0), (b.x1 - b.x0) * (b.y1 - b.y0));
    return w <= 0 || h <= 0 || kleiner <= 0 ? 0 : w * h / kleiner;
}

// Whether a reader read the number z as one with another of the sheet's numbers: on one line
// (sharing half the lower one's height) with less than a blank (0.4 of a digit's height)
// between their inks. Such a number was never placed clear.
inline bool alsEineGelesen(const Zahlplatz& z, const std::vector<Zahlplatz>& blatt)
{
    for (const Zahlplatz& a : blatt) {
        const double h = std::min(z.kasten.y1 - z.kasten.y0, a.kasten.y1 - a.kasten.y0);
        const double gemeinsam = std::min(z.kasten.y1, a.kasten.y1) - std::max(z.kasten.y0, a.kasten.y0);
        const double luecke = std::max(a.kasten.x0 - z.kasten.x1, z.kasten.x0 - a.kasten.x1);
        if (&a != &z && h > 0 && gemeinsam >= 0.5 * h && luecke < 0.4 * h)
            return true;
    }
    return false;
}

// The numbers the previous versions placed clear on a sheet that it no longer shows (each
// earlier one takes the nearest of the sheet's numbers of its text and colour): a number may go
// only where the hour sharing its line keeps a number (at a planar dial's other half of the
// line, an altitude dial's other side of noon, midnight's other end) and its old place is now
// taken by a text.
inline std::string verloren(const std::vector<Zahlplatz>& vorher, const Textlage& jetzt)
{
    std::string was;
    std::vector<bool> vergeben(jetzt.plaetze.size());
    const auto mitte = [](const Seitenrechteck& r) { return PlotPunkt{(r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2}; };
    for (const Zahlplatz& z : vorher) {
        if (alsEineGelesen(z, vorher))
            continue;
        std::size_t beste = vergeben.size();
        double abstand = 1e300;
        for (std::size_t j = 0; j < jetzt.plaetze.size(); ++j) {
            const Textplatz& t = jetzt.plaetze[j];
            const double d = std::hypot(mitte(t.kasten).x - mitte(z.kasten).x, mitte(t.kasten).y - mitte(z.kasten).y);
            if (!vergeben[j] && t.text == z.text && t.farbe == z.farbe && d < abstand) {
                beste = j;
                abstand = d;
            }
        }
        if (beste < vergeben.size()) {
            vergeben[beste] = true;
            continue;
        }
        const int h = zahlIn(z.text);
        bool besetzt = false, geteilt = false;
        for (const Textplatz& t : jetzt.plaetze) {
            const int k = zahlIn(t.text);
            besetzt = besetzt || gemeinsamerAnteil(t.kasten, z.kasten) > 0.04;
            geteilt = geteilt || (k >= 0 && (k == 24 - h || k == 12 - h || std::abs(k - h) == 12 || std::abs(k - h) == 24));
        }
        if (!besetzt || !geteilt)
            was += " '" + z.text + "' at " + eintrag(z).substr(z.text.size() + 1);
    }
    return was;
}

// The sheet's numbers of hours that stand clear.
inline std::vector<Zahlplatz> freieZahlen(const Textlage& l)
{
    std::vector<Zahlplatz> z;
    for (const Textplatz& t : l.plaetze)
        if (t.frei && zahlIn(t.text) >= 0 && zahlIn(t.text) <= 24)
            z.push_back({t.text, t.farbe, t.kasten});
    return z;
}

// Writes into the folder the family's file: its kept sheets joined with the sheets' numbers
// now placed clear (of two lists of a sheet's numbers of one text and colour the longer, the
// kept one if as long), sorted.
inline void schreibeZahlplaetze(const std::string& ordner, const std::string& familie, Zahlplaetze alt, const Zahlplaetze& neu)
{
    for (const auto& [blatt, liste] : neu)
        if (!alt.count(blatt) && gehalten(alt, blatt))
            alt[blatt] = *gehalten(alt, blatt);
    for (const auto& [blatt, liste] : neu) {
        std::vector<Zahlplatz>& ziel = alt[blatt];
        std::map<std::pair<std::string, unsigned>, std::vector<Zahlplatz>> a, n;
        for (const Zahlplatz& z : ziel)
            a[{z.text, z.farbe}].push_back(z);
        for (const Zahlplatz& z : liste)
            n[{z.text, z.farbe}].push_back(z);
        for (auto& [schluessel, l] : n)
            if (l.size() > a[schluessel].size())
                a[schluessel] = l;
        ziel.clear();
        for (const auto& [schluessel, l] : a)
            ziel.insert(ziel.end(), l.begin(), l.end());
    }
    std::string name = familie;
    std::replace(name.begin(), name.end(), ' ', '_');
    std::ofstream aus(ordner + "/" + name + ".txt", std::ios::binary);
    const auto eintraege = [](const std::vector<Zahlplatz>& liste) {
        std::vector<std::string> e;
        for (const Zahlplatz& z : liste)
            e.push_back(eintrag(z));
        std::sort(e.begin(), e.end());
        return e;
    };
    for (const auto& [blatt, liste] : alt) {
        const std::vector<std::string> e = eintraege(liste);
        const auto en = alt.find(englisch(blatt));
        const bool eigenes = en == alt.end() || en->first == blatt;
        if (eigenes ? e.empty() : e == eintraege(en->second))
            continue;
        aus << blatt << '|';
        for (std::size_t i = 0; i < e.size(); ++i)
            aus << (i ? " " : "") << e[i];
        aus << '\n';
    }
}

} // namespace umbrin::test
