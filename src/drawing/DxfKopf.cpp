#include "drawing/DxfKopf.h"

#include "drawing/DxfAusgabe.h"
#include "drawing/DxfZahl.h"

#include <array>
#include <cmath>

namespace umbrin {
namespace {

void zeilen(std::string& out, std::initializer_list<std::string_view> liste)
{
    for (std::string_view z : liste) {
        out.append(z);
        out.append("\r\n");
    }
}

struct Linientyp {
    std::string_view name;
    std::string_view beschreibung;
    std::string_view anzahl;
    std::string_view laenge;
    std::array<std::string_view, 4> elemente;
};

// The dash patterns as the drawings have always carried them, digit for digit.
constexpr std::array<Linientyp, 3> kGestrichelt = {{
    {"DASHED", "- - - - - - ", "2", "3.000001", {"3.000001", "-0.000000", {}, {}}},
    {"DASHDOT", "- . - . - . - . ", "4", "12.000004", {"6.000002", "-3.000001", "0.00000", "-3.00001"}},
    {"DOT", ". . . .  ", "2", "3.000001", {"0.00000", "-3.000001", {}, {}}},
}};

} // namespace

std::string dxfLinientyp(std::string_view name, std::string_view flags, std::string_view beschreibung)
{
    std::string out;
    zeilen(out, {"LTYPE", "  2", name, " 70", flags, "  3", beschreibung, " 72", "65", " 73", "0", " 40", "0.0",
                 "  0"});
    return out;
}

std::string dxfLayer(std::string_view name, std::string_view farbe)
{
    std::string out;
    zeilen(out, {"LAYER", " 70", "64", "  2", name, " 62", farbe, "  6", "CONTINUOUS", "  0"});
    return out;
}

std::string dxfKopf(const DxfAusdehnung& a)
{
    // To the hundredth outward, so the header's box holds every entity; the sheet's own corner
    // keeps the texts it has always had.
    const auto aussen = [](double v, bool klein) {
        const double grenze = 1e15; // far beyond any drawing: a runaway value stays a number
        return std::clamp((klein ? std::floor(v * 100) : std::ceil(v * 100)) / 100, -grenze, grenze);
    };
    const std::string xmin = a.xMin < 0 ? dxfFest(aussen(a.xMin, true), 8, 2) : "0.000";
    const std::string ymin = a.yMin < 0 ? dxfFest(aussen(a.yMin, true), 8, 2) : "0.0";
    const std::string xmax = dxfFest(aussen(a.xMax, false), 8, 2);
    const std::string ymax = dxfFest(aussen(a.yMax, false), 8, 2);

    std::string out;
    out.reserve(4096);
    // The code page says how the labels' bytes are to be read: Windows-1252, as written.
    zeilen(out, {"0", "SECTION", "  2", "HEADER",
                 "  9", "$DWGCODEPAGE", "  3", "ANSI_1252",
                 "  9", "$EXTMIN", " 10", xmin, " 20", ymin,
                 "  9", "$EXTMAX", " 10", xmax, " 20", ymax,
                 "  9", "$LIMMIN", " 10", xmin, " 20", ymin,
                 "  9", "$LIMMAX", " 10", xmax, " 20", ymax,
                 "  9", "$LTSCALE", " 40", "0.0005",
                 "  0", "ENDSEC", "  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LTYPE"});

    zeilen(out, {" 70", dxfFest(1 + kGestrichelt.size(), 6, 0), "  0"});
    out += dxfLinientyp("CONTINUOUS", "64", "Solid line");
    for (const Linientyp& typ : kGestrichelt) {
        zeilen(out, {"LTYPE", "  2", typ.name, " 70", "64", "  3", typ.beschreibung, " 72", "65", " 73", typ.anzahl,
                     " 40", typ.laenge});
        for (std::string_view element : typ.elemente) {
            if (!element.empty())
                zeilen(out, {" 49", element});
        }
        zeilen(out, {"  0"});
    }

    constexpr int kLayer = 10;
    zeilen(out, {"ENDTAB", "  0", "TABLE", "  2", "LAYER", " 70", dxfFest(kLayer, 6, 0), "  0"});
    for (int n = 1; n <= kLayer; ++n) {
        const std::string nummer = std::to_string(n);
        out += dxfLayer("L_" + nummer, nummer);
    }

    zeilen(out, {"ENDTAB", "  0", "TABLE", "  2", "STYLE", " 70", "   3", "  0"});
    zeilen(out, {"STYLE", "  2", "STANDARD", " 70", "0", " 40", "0.0", " 41", "1.00", " 50", "0.0", " 71",
                 "     0", " 42", "2.4", "  3", "txt", "  4", "", "  0"});
    zeilen(out, {"STYLE", "  2", "shx-font", " 70", "  1", " 40", "0.0", " 41", "1.00", " 50", "0.0", " 71",
                 "     0", " 42", "2.4", "  3", "ltypeshp.shx", "  4", "", "  0"});
    zeilen(out, {"STYLE", " 5", "2D", "100", "AcDbSymbolTableRecord", "100", "AcDbTextSTyleTableRecord", "  2",
                 "symbols", " 70", "0", " 40", "0.0", " 41", "1.0", " 50", "0.0", " 71", "     0", " 42", "2.4",
                 "  3", "WINGDING.TTF", "  4", "", "  0"});

    zeilen(out, {"ENDTAB", "  0", "ENDSEC", "  0", "SECTION", "  2", "BLOCKS", "  0", "ENDSEC",
                 "0", "SECTION", "2", "ENTITIES", "0"});
    return out;
}

void schreibeDxfKopf(DxfAusgabe& aus, const DxfAusdehnung& ausdehnung)
{
    aus.roh(dxfKopf(ausdehnung));
}

} // namespace umbrin
