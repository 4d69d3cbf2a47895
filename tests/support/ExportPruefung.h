#pragma once
// Checks of written plot and DXF files by real readers, usable from GoogleTest and Qt Test
// programs alike: hp2xx for HPGL (its exit code proves nothing, so its report and its picture
// count) and ezdxf for DXF (readfile, audit without errors, a non-empty modelspace, through
// tests/tools/check_dxf.py run by Debian's own python3). Each returns an empty text when the
// file passed, else what was found. The plot reader comes along for the tests that read plots.
#include "support/PlotLeser.h"

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
// ("NP 12;"), as a plotter's carousel would be, unless the plot is to do with eight.
inline std::string hp2xxPruefung(const std::filesystem::path& plot, bool zwoelfStifte = true)
{
    const std::filesystem::path kopie = plot.string() + ".np.plt";
    const std::filesystem::path bild = plot.string() + ".png";
    {
        std::ofstream out(kopie, std::ios::binary);
        out << (zwoelfStifte ? "NP 12;" : "") << dateiText(plot);
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

// qpdf reads a PDF through by its cross-reference; a damaged file gives a nonzero exit.
inline bool qpdfDa() { return std::system("qpdf --version > /dev/null 2>&1") == 0; }
inline bool qpdfFindetGanz(const std::filesystem::path& pdf)
{
    return std::system(("qpdf --check " + shellWort(pdf.string()) + " > /dev/null 2>&1").c_str()) == 0;
}

} // namespace umbrin::test
