#include "drawing/Auftragsschutz.h"

#include "support/TestOrdner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

fs::path datei(const fs::path& ordner, const char* name)
{
    const fs::path p = ordner / name;
    std::ofstream(p) << "x";
    return p;
}

} // namespace

TEST(Auftragsschutz, EveryEndRestoresPlacementRemovesTemporariesRunsEndActions)
{
    const test::TestOrdner ordner;
    for (bool erfolg : {true, false}) {
        AppState s;
        setzePlatzierung(s, {1, 2, 3, 4});
        std::vector<std::string> ablauf;
        const fs::path temp = datei(ordner, "t.$$$");
        const fs::path teil = datei(ordner, "teil.dxf");
        const fs::path fertig = datei(ordner, "fertig.plt");
        {
            Auftragsschutz g(s);
            g.temporaer(temp);
            g.begonnen(teil);
            g.begonnen(fertig);
            g.fertig(fertig);
            g.beimEnde([&] { ablauf.push_back("cursor"); });
            g.beimEnde([&] { ablauf.push_back("orientation"); });
            g.beimAbbruch([&] { ablauf.push_back("abort"); });
            g.beimAbbruch([] { throw std::runtime_error("ignored"); });
            setzePlatzierung(s, {100, 200, 300, 400});
            if (erfolg)
                g.erfolgreich();
        }
        SCOPED_TRACE(erfolg);
        EXPECT_EQ(platzierungVon(s), (Platzierung{1, 2, 3, 4}));
        EXPECT_FALSE(fs::exists(temp));
        EXPECT_EQ(fs::exists(teil), erfolg);
        EXPECT_TRUE(fs::exists(fertig));
        const std::vector<std::string> erwartet = erfolg
            ? std::vector<std::string>{"orientation", "cursor"}
            : std::vector<std::string>{"abort", "orientation", "cursor"};
        EXPECT_EQ(ablauf, erwartet);
    }
}

TEST(Auftragsschutz, AnExceptionThroughTheJobStillCleansUp)
{
    AppState s;
    setzePlatzierung(s, {5, 6, 7, 8});
    bool abgebrochen = false;
    try {
        Auftragsschutz g(s);
        g.beimAbbruch([&] { abgebrochen = true; });
        s.FusspunktX = 999;
        throw std::runtime_error("write failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(abgebrochen);
    EXPECT_EQ(s.FusspunktX, 5);
}
