#pragma once
// Checks of written plot and DXF files by real readers, usable from GoogleTest and Qt Test
// programs alike: hp2xx for HPGL (its exit code proves nothing, so its report and its picture
// count) and ezdxf for DXF (readfile, audit without errors, a non-empty modelspace, through
// tests/tools/check_dxf.py run by Debian's own python3). Each returns an empty text when the
// file passed, else what was found.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace umbrin::test {

inline std::string dateiText(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string shellWort(const std::string& text)
{
    std::string wort = "'";
    for (char c : text)
        wort += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return wort + "'";
}

inline std::string befehlsAusgabe(const std::string& befehl, int& status)
{
    std::string ausgabe;
    FILE* rohr = ::popen((befehl + " 2>&1").c_str(), "r");
    if (!rohr) {
        status = -1;
        return "cannot run " + befehl;
    }
    std::array<char, 4096> puffer{};
    while (std::fgets(puffer.data(), static_cast<int>(puffer.size()), rohr))
        ausgabe += puffer.data();
    status = ::pclose(rohr);
    return ausgabe;
}

// hp2xx reads the plot into a picture. Pens beyond 8 are declared to it ahead of the plot
// ("NP 12;"), as a plotter's carousel would be.
inline std::string hp2xxPruefung(const std::filesystem::path& plot)
{
    const std::filesystem::path kopie = plot.string() + ".np.plt";
    const std::filesystem::path bild = plot.string() + ".png";
    {
        std::ofstream out(kopie, std::ios::binary);
        out << "NP 12;" << dateiText(plot);
    }
    std::filesystem::remove(bild);
    int status = 0;
    const std::string bericht =
        befehlsAusgabe("hp2xx -m png -f " + shellWort(bild.string()) + " " + shellWort(kopie.string()) + " < /dev/null",
                       status);
    std::filesystem::remove(kopie);
    if (status != 0)
        return "hp2xx did not run: " + bericht;
    if (!std::filesystem::exists(bild) || std::filesystem::file_size(bild) == 0)
        return "hp2xx made no picture\n" + bericht;
    if (bericht.find("HPGL command(s) ignored: 0") == std::string::npos
        || bericht.find("Unexpected event(s):  0") == std::string::npos)
        return bericht;
    return {};
}

inline bool ezdxfDa() { return std::system("/usr/bin/python3 -c 'import ezdxf' > /dev/null 2>&1") == 0; }

inline std::string ezdxfPruefung(const std::filesystem::path& dxf)
{
    int status = 0;
    const std::string bericht = befehlsAusgabe(
        "/usr/bin/python3 " + shellWort(std::string(UMBRIN_SOURCE_DIR) + "/tests/tools/check_dxf.py") + " "
            + shellWort(dxf.string()),
        status);
    return status == 0 ? std::string() : bericht;
}

struct PlotPunkt {
    double x, y;
};

// Every point of the PU and PD commands of a plot: after each "PU" or "PD", the whole numbers
// among the blanks, signs and digits that follow, taken in pairs. (Scanned by hand: a regular
// expression over a long PD list recurses once per character and can overflow the stack.)
inline std::vector<PlotPunkt> plotPunkte(const std::string& hpgl)
{
    std::vector<PlotPunkt> punkte;
    const auto istZiffer = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    while ((i = hpgl.find('P', i)) != std::string::npos) {
        if (i + 1 >= hpgl.size() || (hpgl[i + 1] != 'U' && hpgl[i + 1] != 'D')) {
            ++i;
            continue;
        }
        i += 2;
        std::vector<double> zahlen;
        while (i < hpgl.size() && (hpgl[i] == ' ' || hpgl[i] == '-' || istZiffer(hpgl[i]))) {
            const bool minus = hpgl[i] == '-' && i + 1 < hpgl.size() && istZiffer(hpgl[i + 1]);
            if (!minus && !istZiffer(hpgl[i])) {
                ++i;
                continue;
            }
            const std::size_t anfang = i;
            i += minus ? 2 : 1;
            while (i < hpgl.size() && istZiffer(hpgl[i]))
                ++i;
            zahlen.push_back(std::stod(hpgl.substr(anfang, i - anfang)));
        }
        for (std::size_t k = 0; k + 1 < zahlen.size(); k += 2)
            punkte.push_back({zahlen[k], zahlen[k + 1]});
    }
    return punkte;
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
