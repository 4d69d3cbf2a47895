#include "core/SafeSave.h"
#include "drawing/DxfAusgabe.h"
#include "drawing/DxfKopf.h"
#include "drawing/HpglNachDxf.h"

#include "DxfChecks.h"
#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <array>

using namespace umbrin;
using umbrin::testing::dxfZeilen;
namespace fs = std::filesystem;

namespace {

std::string kopf()
{
    std::string text;
    DxfTextSenke senke(text);
    DxfAusgabe aus(senke);
    schreibeDxfKopf(aus);
    EXPECT_TRUE(aus.beende());
    return text;
}

// The header's $EXTMIN and $EXTMAX: x and y of each.
std::array<std::string, 4> ausdehnung(const std::string& dxf)
{
    const std::vector<std::string> z = dxfZeilen(dxf.substr(0, dxf.find("$LTSCALE")));
    std::array<std::string, 4> a;
    for (std::size_t i = 0; i + 4 < z.size(); ++i) {
        if (z[i] == "$EXTMIN" || z[i] == "$EXTMAX") {
            const std::size_t k = z[i] == "$EXTMIN" ? 0 : 2;
            a[k] = z[i + 2];
            a[k + 1] = z[i + 4];
        }
    }
    return a;
}

} // namespace

TEST(DxfKopf, TheExtentsHoldEveryEntityWhereverTheDrawingGoes)
{
    // Each drawing alone, and after twenty thousand points that fill more than the converter's
    // first buffer: the header is then put in place in the text or the file already written.
    struct Fall {
        const char* plot;
        std::array<std::string, 4> ausdehnung;
    };
    const Fall faelle[] = {
        {"SP 1;PU 4000 4000;PD 8000 8000;", {"0.000", "0.0", "  411.00", "  287.50"}},
        // A half circle clockwise from its top to its bottom, centre 400 mm, radius 25 mm: its
        // ends stay on the sheet, its sweep reaches x = 425 mm.
        {"SP 1;PU 16000 5000;AA 16000 4000,-180;", {"0.000", "0.0", "  425.00", "  287.50"}},
        {"SP 1;PU 16000 4000;CI 1000;", {"0.000", "0.0", "  425.00", "  287.50"}},
        {"SP 1;PU 8000 12000;PD 8000 13000;", {"0.000", "0.0", "  411.00", "  325.00"}},
        {"SP 1;PU -400 -800;PD 400 400;", {"  -10.00", "  -20.00", "  411.00", "  287.50"}},
    };
    std::string viel = "IN;SP 2;PU 4000 4000;";
    for (int i = 0; i < 20000; ++i)
        viel += "PD " + std::to_string(4000 + i % 97) + " 4000;";
    const test::TestOrdner ordner("kopf");
    std::vector<std::string> info;
    for (const Fall& f : faelle) {
        for (const std::string& plot : {"IN;" + std::string(f.plot), viel + f.plot}) {
            std::string text;
            ASSERT_TRUE(HpglTextNachDxfText(plot, "a.plt", text, {}, info).gespeichert()) << f.plot;
            EXPECT_EQ(ausdehnung(text), f.ausdehnung) << f.plot;
            EXPECT_EQ(plot.size() > 100000, text.size() > (1u << 20)) << "past the first buffer";
            const fs::path dxf = ordner / "a.dxf";
            ASSERT_TRUE(HpglTextNachDxf(plot, "a.plt", dxf, {}, info).gespeichert()) << f.plot;
            std::string datei, fehler;
            ASSERT_TRUE(readFileBytes(dxf, datei, fehler)) << fehler;
            EXPECT_TRUE(datei == text) << f.plot << ": the file as the text";
        }
    }
}

TEST(DxfKopf, HeaderNamesTheCodePageAndTheSheetInMillimetres)
{
    const std::vector<std::string> z = dxfZeilen(kopf());
    const std::vector<std::string> erwartet = {
        "0", "SECTION", "  2", "HEADER", "  9", "$DWGCODEPAGE", "  3", "ANSI_1252",
        "  9", "$EXTMIN", " 10", "0.000", " 20", "0.0", "  9", "$EXTMAX", " 10", "  411.00", " 20", "  287.50",
        "  9", "$LIMMIN", " 10", "0.000", " 20", "0.0", "  9", "$LIMMAX", " 10", "  411.00", " 20", "  287.50",
        "  9", "$LTSCALE", " 40", "0.0005", "  0", "ENDSEC"};
    ASSERT_GE(z.size(), erwartet.size());
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + static_cast<long>(erwartet.size())), erwartet);
}

TEST(DxfKopf, TablesHoldFourLineTypesTenLayersAndThreeStyles)
{
    const std::string text = kopf();
    EXPECT_NE(text.find("  2\r\nLTYPE\r\n 70\r\n     4\r\n  0\r\nLTYPE\r\n  2\r\nCONTINUOUS\r\n"), std::string::npos);
    EXPECT_NE(text.find("LTYPE\r\n  2\r\nDASHDOT\r\n 70\r\n64\r\n  3\r\n- . - . - . - . \r\n 72\r\n65\r\n 73\r\n4\r\n"
                        " 40\r\n12.000004\r\n 49\r\n6.000002\r\n 49\r\n-3.000001\r\n 49\r\n0.00000\r\n 49\r\n-3.00001\r\n"
                        "  0\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("  2\r\nLAYER\r\n 70\r\n    10\r\n  0\r\nLAYER\r\n"), std::string::npos);
    EXPECT_NE(text.find("LAYER\r\n 70\r\n64\r\n  2\r\nL_10\r\n 62\r\n10\r\n  6\r\nCONTINUOUS\r\n  0\r\nENDTAB\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("  2\r\nSTYLE\r\n 70\r\n   3\r\n  0\r\nSTYLE\r\n  2\r\nSTANDARD\r\n"), std::string::npos);
    EXPECT_NE(text.find("STYLE\r\n 5\r\n2D\r\n100\r\nAcDbSymbolTableRecord\r\n"), std::string::npos);
    // The empty group 4 of a style stays an empty line.
    EXPECT_NE(text.find("  3\r\nWINGDING.TTF\r\n  4\r\n\r\n  0\r\n"), std::string::npos);

    std::size_t ltypen = 0;
    std::size_t layer = 0;
    for (const std::string& zeile : dxfZeilen(text)) {
        ltypen += zeile == "LTYPE" ? 1 : 0;
        layer += zeile == "LAYER" ? 1 : 0;
    }
    EXPECT_EQ(ltypen, 1u + 4u); // the table name and its four records
    EXPECT_EQ(layer, 1u + 10u);
}

TEST(DxfKopf, EndsWithTheOpenEntitiesSection)
{
    const std::string text = kopf();
    const std::string ende = "  0\r\nSECTION\r\n  2\r\nBLOCKS\r\n  0\r\nENDSEC\r\n0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\n";
    ASSERT_GE(text.size(), ende.size());
    EXPECT_EQ(text.substr(text.size() - ende.size()), ende);
}

TEST(DxfKopf, RecordBuildersKeepTheirLayout)
{
    EXPECT_EQ(dxfLinientyp("CONTINUOUS", "64", "Solid line"),
              "LTYPE\r\n  2\r\nCONTINUOUS\r\n 70\r\n64\r\n  3\r\nSolid line\r\n 72\r\n65\r\n 73\r\n0\r\n 40\r\n0.0\r\n  0\r\n");
    EXPECT_EQ(dxfLayer("L_3", "3"), "LAYER\r\n 70\r\n64\r\n  2\r\nL_3\r\n 62\r\n3\r\n  6\r\nCONTINUOUS\r\n  0\r\n");
}
