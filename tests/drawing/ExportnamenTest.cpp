#include "drawing/Exportnamen.h"

#include <gtest/gtest.h>

using namespace umbrin;

TEST(Exportnamen, ExtensionsAreCutAtTheFirstDotOfTheFileName)
{
    struct Fall {
        const char* name;
        const char* endung;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"", "plt", "umb.plt"},
        {"dial", "plt", "dial.plt"},
        {"a.b.c", "plt", "a.plt"},
        {"umb.plt", "dxf", "umb.dxf"},
        {"D:/my.dials/dial", "plt", "D:/my.dials/dial.plt"},
        {"/tmp/my.dir/x.y.z", "dxf", "/tmp/my.dir/x.dxf"},
        {"C:\\a.b\\sun", "dxf", "C:\\a.b\\sun.dxf"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(exportName(f.name, f.endung), f.erwartet) << f.name;
    // The field holds 60 characters.
    EXPECT_EQ(exportName(std::string(70, 'x'), "plt").size(), 60u);

    EXPECT_EQ(koordinatenName(""), "");
    EXPECT_EQ(koordinatenName("dial"), "dial.txt");
    EXPECT_EQ(koordinatenName("dial.plt"), "dial.txt");
    EXPECT_EQ(koordinatenName("/my.dir/dial.x.plt"), "/my.dir/dial.txt");

    EXPECT_EQ(kegelBlattName("dial.plt"), "dialCone.plt");
    EXPECT_EQ(kegelBlattName("/tmp/dial.dxf"), "/tmp/dialCone.dxf");
    EXPECT_EQ(kegelBlattName("dial"), "dialCone");
    EXPECT_EQ(kegelBlattName("/my.dir/dial"), "/my.dir/dialCone");
    EXPECT_EQ(ohneOrdner("/my.dir/dial.plt"), "dial.plt");
}
