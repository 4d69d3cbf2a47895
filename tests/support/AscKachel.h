#pragma once
// Writes elevation tiles in the plain-text grid format for tests and benchmarks, with the
// header keywords every reader of the format knows (ncols, nrows, xllcorner, yllcorner,
// cellsize, NODATA_value). Value j of a row lies at longitude west + j * cell. A tile of 1201 or
// 3601 rows repeats its northern neighbour's edge row first, as published one-degree tiles
// do: its row i lies at latitude north - i * cell; in other tiles row i lies at north -
// (i + 1) * cell.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace umbrin::test {

struct AscKachel {
    int sued = 47;                      // south edge, whole degrees
    int west = 9;                       // west edge, whole degrees, east positive
    int zellenProGrad = 1200;           // 1200 for 3" cells, 3600 for 1"
    std::string zellgroesseText = "0.000833333333";
    int zeilen = 1201;                  // rows and columns
    int keinWert = -9999;
    // Height in metres at a grid point (latitude, longitude in degrees, east positive).
    std::function<int(double breite, double laenge)> hoehe = [](double, double) { return 0; };
};

inline bool schreibeAscKachel(const std::filesystem::path& datei, const AscKachel& k)
{
    std::FILE* f = std::fopen(datei.c_str(), "wb");
    if (!f)
        return false;
    std::fprintf(f, "ncols        %d\nnrows        %d\nxllcorner    %d\nyllcorner    %d\ncellsize     %s\n"
                    "NODATA_value %d\n",
                 k.zeilen, k.zeilen, k.west, k.sued, k.zellgroesseText.c_str(), k.keinWert);
    const double zelle = 1.0 / k.zellenProGrad;
    const bool randZeile = k.zeilen % 100 == 1;
    const int grad = static_cast<int>((k.zeilen - (randZeile ? 1 : 0)) * zelle + 0.5);
    std::string zeile;
    char zahl[16];
    for (int i = 0; i < k.zeilen; ++i) {
        const double breite = k.sued + grad - (i + (randZeile ? 0 : 1)) * zelle;
        zeile.clear();
        for (int j = 0; j < k.zeilen; ++j) {
            const auto r = std::to_chars(zahl, zahl + sizeof zahl, k.hoehe(breite, k.west + j * zelle));
            if (j)
                zeile += ' ';
            zeile.append(zahl, r.ptr);
        }
        zeile += '\n';
        if (std::fwrite(zeile.data(), 1, zeile.size(), f) != zeile.size()) {
            std::fclose(f);
            return false;
        }
    }
    return std::fclose(f) == 0;
}

} // namespace umbrin::test
