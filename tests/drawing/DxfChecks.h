#pragma once
// Test helpers for DXF drawings: a small reader that splits the ENTITIES section into records,
// and the check of a DXF file by a real reader (ezdxf, run by Debian's own python3 through
// tests/tools/check_dxf.py). Any test that writes a DXF can use both.
#include "core/Zahlenformat.h"
#include "support/Zahl.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace umbrin::testing {

// One entity record: its type and its groups in order (code without padding, value as written).
struct DxfSatz {
    std::string typ;
    std::vector<std::pair<int, std::string>> gruppen;

    // The value of the n-th group with this code ("" when there is none).
    std::string wert(int code, int n = 0) const
    {
        for (const auto& [c, v] : gruppen) {
            if (c == code && n-- == 0)
                return v;
        }
        return {};
    }
    double zahl(int code, int n = 0) const { return test::zahl(wert(code, n)); }
};

// The lines of a DXF text, split at CR LF. A line end other than CR LF fails the test.
inline std::vector<std::string> dxfZeilen(std::string_view dxf)
{
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang < dxf.size()) {
        const std::size_t ende = dxf.find("\r\n", anfang);
        if (ende == std::string_view::npos) {
            ADD_FAILURE() << "text after the last CR LF: " << dxf.substr(anfang);
            break;
        }
        const std::string_view zeile = dxf.substr(anfang, ende - anfang);
        if (zeile.find_first_of("\r\n") != std::string_view::npos)
            ADD_FAILURE() << "a lone CR or LF in line " << zeilen.size() + 1;
        zeilen.emplace_back(zeile);
        anfang = ende + 2;
    }
    return zeilen;
}

// The records of the ENTITIES section, in order; a VERTEX is its own record.
inline std::vector<DxfSatz> dxfEntitaeten(std::string_view dxf)
{
    const std::vector<std::string> zeilen = dxfZeilen(dxf);
    std::size_t i = 0;
    while (i + 1 < zeilen.size() && !(zeilen[i] == "2" && zeilen[i + 1] == "ENTITIES"))
        ++i;
    std::vector<DxfSatz> saetze;
    i += 2;
    // From here on the lines alternate: group code, value. A value after code 0 opens a record.
    for (; i + 1 < zeilen.size(); i += 2) {
        const int code = std::stoi(zeilen[i]);
        const std::string& wert = zeilen[i + 1];
        if (code == 0) {
            if (wert == "ENDSEC" || wert == "EOF")
                break;
            saetze.push_back(DxfSatz{wert, {}});
        } else if (!saetze.empty()) {
            saetze.back().gruppen.emplace_back(code, wert);
        }
    }
    return saetze;
}

// The records of one type.
inline std::vector<DxfSatz> nurTyp(const std::vector<DxfSatz>& saetze, const std::string& typ)
{
    std::vector<DxfSatz> auswahl;
    for (const DxfSatz& s : saetze) {
        if (s.typ == typ)
            auswahl.push_back(s);
    }
    return auswahl;
}

// What the check by ezdxf found.
struct EzdxfBericht {
    bool verfuegbar = false; // /usr/bin/python3 can import ezdxf
    bool ok = false;         // every check passed
    std::string ausgabe;     // the report of the check script
};

// A word for the shell, in single quotes.
inline std::string shellWort(const std::string& text)
{
    std::string wort = "'";
    for (char c : text) {
        if (c == '\'')
            wort += "'\\''";
        else
            wort += c;
    }
    return wort + "'";
}

// Why a check by ezdxf did not run. A test that checks its drawings with ezdxf ends, after
// its own checks, with
//     if (!ezdxfVerfuegbar()) GTEST_SKIP() << kOhneEzdxf;
// so that without the reader it is reported skipped, not passed.
inline constexpr const char* kOhneEzdxf = "/usr/bin/python3 cannot import ezdxf: the DXF reader's check did not run";

inline bool ezdxfVerfuegbar()
{
    static const bool verfuegbar =
        std::system("/usr/bin/python3 -c 'import ezdxf' > /dev/null 2>&1") == 0;
    return verfuegbar;
}

// Reads the DXF file with ezdxf: readfile, audit without errors, a non-empty modelspace; with
// a width and height in millimetres (both > 0), the drawing's extents from (0, 0) to
// (breite, hoehe) within the tolerance; every text of `texte` among the TEXT entities.
inline EzdxfBericht pruefeMitEzdxf(const std::filesystem::path& dxf, double breite = 0, double hoehe = 0,
                                   double toleranz = 0.5, const std::vector<std::string>& texte = {})
{
    EzdxfBericht bericht;
    bericht.verfuegbar = ezdxfVerfuegbar();
    if (!bericht.verfuegbar)
        return bericht;
    std::string befehl = "/usr/bin/python3 " + shellWort(std::string(UMBRIN_SOURCE_DIR) + "/tests/tools/check_dxf.py") +
                         " " + shellWort(dxf.string());
    if (breite > 0 && hoehe > 0) {
        befehl += " --width " + RealStr(breite, 6, 6) + " --height " + RealStr(hoehe, 6, 6) + " --tolerance " +
                  RealStr(toleranz, 6, 6);
    }
    for (const std::string& text : texte)
        befehl += " --text " + shellWort(text);
    befehl += " 2>&1";
    FILE* rohr = ::popen(befehl.c_str(), "r");
    if (!rohr) {
        bericht.ausgabe = "cannot run " + befehl;
        return bericht;
    }
    std::array<char, 4096> puffer{};
    while (std::fgets(puffer.data(), static_cast<int>(puffer.size()), rohr))
        bericht.ausgabe += puffer.data();
    const int status = ::pclose(rohr);
    bericht.ok = status == 0;
    return bericht;
}

} // namespace umbrin::testing
