// The planar dials' plots, converted to DXF, as a CAD program reads them: every golden plot at
// k = 1 (40 units per millimetre) and k = 25 (1000 units per millimetre) passes ezdxf's audit,
// is drawn in millimetres (the sheet is 16157 x 11038 plotter units = 403.925 x 275.95 mm) and
// comes out the same at both scales. Marks and labels are not clipped by the plot's window (a
// substyle mark of a foot near the top edge may stand above the sheet), so only the width is
// compared with the sheet exactly.
#include "drawing/DxfChecks.h"
#include "drawing/HpglNachDxf.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sstream>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {
std::array<double, 4> ausdehnung(const std::string& bericht)
{
    std::array<double, 4> e{-1, -1, -1, -1};
    const auto p = bericht.find("extents ");
    if (p != std::string::npos) {
        std::istringstream in(bericht.substr(p + 8));
        in >> e[0] >> e[1] >> e[2] >> e[3];
    }
    return e;
}
} // namespace

TEST(PlanarDxf, EveryGoldenPlotConvertsToAnAuditedDrawingInMillimetres)
{
    if (!umbrin::testing::ezdxfVerfuegbar())
        GTEST_SKIP() << "ezdxf is not available";
    const fs::path golden = fs::path(UMBRIN_SOURCE_DIR) / "tests/dials/planar/golden";
    const test::TestOrdner dir;
    for (const char* name : {"vertikal", "horizontal", "inklinierend", "schirm", "schirm_inklinierend"}) {
        std::array<std::array<double, 4>, 2> je{};
        for (int i = 0; i < 2; ++i) {
            const int k = i == 0 ? 1 : 25;
            const std::string stamm = std::string(name) + "_k" + std::to_string(k);
            const fs::path dxf = dir / (stamm + ".dxf");
            std::vector<std::string> info;
            DxfEinstellung e;
            e.massstab = 40.0 * k;
            const DxfErgebnis r = HpglNachDxf(golden / (stamm + ".plt"), dxf, e, info);
            ASSERT_TRUE(r.gespeichert()) << stamm << ": " << r.meldung;
            const umbrin::testing::EzdxfBericht b = umbrin::testing::pruefeMitEzdxf(dxf, 403.925, 275.95, 0.5);
            EXPECT_EQ(b.ausgabe.find("audit error"), std::string::npos) << stamm << "\n" << b.ausgabe;
            EXPECT_EQ(b.ausgabe.find("modelspace is empty"), std::string::npos) << stamm;
            je[static_cast<std::size_t>(i)] = ausdehnung(b.ausgabe);
            EXPECT_NEAR(je[static_cast<std::size_t>(i)][0], 0.0, 0.5) << stamm;
            EXPECT_NEAR(je[static_cast<std::size_t>(i)][2], 403.925, 0.5) << stamm;
            EXPECT_LE(je[static_cast<std::size_t>(i)][1], 0.5) << stamm;
            EXPECT_GE(je[static_cast<std::size_t>(i)][3], 275.45) << stamm; // the sheet's frame
        }
        for (std::size_t c = 0; c < 4; ++c)
            EXPECT_NEAR(je[0][c], je[1][c], 0.1) << name << " differs between k = 1 and k = 25";
    }
}
