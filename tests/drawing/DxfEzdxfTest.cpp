// Converted plots read by a real DXF reader (ezdxf): a dial-like plot in the dialect of the
// dial writers, once at plot scale (k = 1, 40 units per mm) and once enlarged for DXF
// (k = 25, 1000 units per mm). Both must load, pass the audit and span the frame in mm.
#include "drawing/HpglNachDxf.h"

#include "core/SafeSave.h"
#include "core/Zahlenformat.h"
#include "DxfChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <unistd.h>

using namespace umbrin;
using umbrin::testing::DxfSatz;
using umbrin::testing::dxfEntitaeten;
namespace fs = std::filesystem;

namespace {

constexpr double kRahmenBreiteMm = 16157.0 / 40.0;
constexpr double kRahmenHoeheMm = 11038.0 / 40.0;

std::string zahl(double wert)
{
    return std::to_string(std::lround(wert));
}

std::string punkt(double x, double y)
{
    return zahl(x) + " " + zahl(y);
}

// A horizontal dial as the planar writer lays it out: frame and clip window, hour lines from
// the gnomon foot (some leave the sheet), date lines as curves, a dashed line, labels in several
// directions, symbols, the gnomon mark, circles and an arc.
std::string zifferblatt(int k)
{
    const double w = 16157.0 * k;
    const double h = 11038.0 * k;
    const double x0 = 8000.0 * k;
    const double y0 = 3000.0 * k;
    const std::string si = k == 1 ? "0.16,0.24" : " 4.00, 6.00";
    std::string p = "IN;VS 1;PA;IW 0 0 " + zahl(w) + " " + zahl(h) + ";PU 0 0;EA " + zahl(w) + " " + zahl(h) + ";";
    p += ";SP 4;PU 0 0;";
    for (int stunde = 6; stunde <= 18; ++stunde) {
        const double winkel = (stunde - 12) * 15.0 * M_PI / 180.0;
        const double laenge = 14000.0 * k;
        p += ";SP 3;PW 1;;PU " + punkt(x0, y0) + ";PD " +
             punkt(x0 + laenge * std::sin(winkel), y0 + laenge * std::cos(winkel));
        const double lx = x0 + 7000.0 * k * std::sin(winkel);
        const double ly = y0 + 7000.0 * k * std::cos(winkel);
        p += ";SP 4;SI " + si + ";DI " + RealStr(std::cos(winkel), 6, 6) + "," + RealStr(std::sin(winkel), 6, 6) +
             ";PU " + punkt(lx, ly) + ";LB" + std::to_string(stunde) + "\x03;";
    }
    for (int linie = 0; linie < 7; ++linie) {
        p += ";SP 1;PW 1;;PU ";
        for (int i = 0; i <= 60; ++i) {
            const double t = -1.2 + 2.4 * i / 60.0;
            const double x = x0 + 9000.0 * k * t;
            const double y = y0 + (1500.0 + 900.0 * linie) * k * std::cosh(t) - 500.0 * k;
            p += punkt(x, y) + (i == 0 ? ";PD " : " ");
        }
    }
    p += ";SP 8;LT 2,2;PU " + punkt(1000.0 * k, 10000.0 * k) + ";PD " + punkt(15000.0 * k, 10000.0 * k) + ";LT;";
    p += ";SP 4;PU " + punkt(x0 - 200.0 * k, y0) + ";PD " + punkt(x0 + 200.0 * k, y0) + " " + punkt(x0, y0) + " " +
         punkt(x0, y0 + 200.0 * k) + " " + punkt(x0, y0 - 200.0 * k);
    p += ";PU " + punkt(40.0 * k, 40.0 * k) + ";PD " + punkt(2840.0 * k, 40.0 * k) + " " + punkt(2840.0 * k, 160.0 * k);
    p += ";PU " + punkt(160.0 * k, 160.0 * k) + ";SI " + si + ";DI 100.0,0.0;LBdoppelte Gnomonhoehe (= 2 * 35.000 mm)\x03;";
    p += ";PU " + punkt(1000.0 * k, 10500.0 * k) + ";LBL\xe4nge 48\xb0 Breite 11\xb0 \xd6stlich\x03;";
    p += ";SP 4;PU " + punkt(x0, y0) + ";CI 80;CI " + zahl(50.0 * k) + ";";
    p += ";SP 7;PU " + punkt(x0 + 3000.0 * k, y0) + ";PD;AA " + zahl(x0) + "," + zahl(y0) + ",90,2;PU;";
    p += ";SA;PU " + punkt(12000.0 * k, 9000.0 * k) + ";LBa\x03;SS;";
    return p;
}

fs::path konvertiere(int k, const fs::path& ordner)
{
    const fs::path dxf = ordner / ("zifferblatt_k" + std::to_string(k) + ".dxf");
    DxfEinstellung einstellung;
    einstellung.massstab = 40.0 * k;
    einstellung.stiftbreite = 2;
    std::vector<std::string> info;
    const DxfErgebnis e = HpglTextNachDxf(zifferblatt(k), "zifferblatt.plt", dxf, einstellung, info);
    EXPECT_EQ(e.status, DxfStatus::Gespeichert) << e.meldung;
    EXPECT_LE(info.size(), 1u);
    for (const std::string& zeile : info)
        EXPECT_EQ(zeile.rfind("Command PW (=Penwidth) only supported by HPGL2.", 0), 0u) << zeile;
    return dxf;
}

class DxfEzdxf : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!umbrin::testing::ezdxfVerfuegbar())
            GTEST_SKIP() << "/usr/bin/python3 cannot import ezdxf";
        ordner_ = fs::temp_directory_path() / ("umbrin_dxf_ezdxf" + std::to_string(::getpid()));
        fs::create_directories(ordner_);
    }
    void TearDown() override
    {
        if (!ordner_.empty())
            fs::remove_all(ordner_);
    }
    fs::path ordner_;
};

} // namespace

TEST_F(DxfEzdxf, DialPlotsAtBothScalesLoadPassTheAuditAndSpanTheFrame)
{
    for (int k : {1, 25}) {
        const fs::path dxf = konvertiere(k, ordner_);
        const auto bericht = umbrin::testing::pruefeMitEzdxf(
            dxf, kRahmenBreiteMm, kRahmenHoeheMm, 0.5,
            {"12", "doppelte Gnomonhoehe (= 2 * 35.000 mm)", "Länge 48° Breite 11° Östlich"});
        EXPECT_TRUE(bericht.ok) << "k = " << k << "\n" << bericht.ausgabe;
    }
}

TEST_F(DxfEzdxf, TheEnlargedPlotGivesTheSameDrawing)
{
    std::string fehler;
    std::string klein;
    std::string gross;
    ASSERT_TRUE(umbrin::readFileBytes(konvertiere(1, ordner_), klein, fehler));
    ASSERT_TRUE(umbrin::readFileBytes(konvertiere(25, ordner_), gross, fehler));
    const std::vector<DxfSatz> a = dxfEntitaeten(klein);
    const std::vector<DxfSatz> b = dxfEntitaeten(gross);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(a[i].typ, b[i].typ) << i;
        for (int code : {10, 20}) {
            // The plot at k = 1 is rounded to 1/40 mm, the enlarged one to 1/1000 mm.
            if (!a[i].wert(code).empty()) {
                EXPECT_NEAR(a[i].zahl(code), b[i].zahl(code), 0.02) << a[i].typ << " " << i;
            }
        }
        if (a[i].typ == "TEXT") {
            EXPECT_EQ(a[i].wert(40), b[i].wert(40));
            EXPECT_EQ(a[i].wert(41), b[i].wert(41));
            EXPECT_EQ(a[i].wert(50), b[i].wert(50));
        }
    }
}

TEST_F(DxfEzdxf, TheCheckCatchesABrokenDrawing)
{
    // The helper must fail on what a reader rejects, or it would prove nothing.
    const fs::path kaputt = ordner_ / "kaputt.dxf";
    std::string fehler;
    ASSERT_TRUE(umbrin::saveFileSafely(kaputt, "0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n 10\r\nx\r\n", fehler));
    EXPECT_FALSE(umbrin::testing::pruefeMitEzdxf(kaputt).ok);
    // A valid drawing that is far smaller than the frame fails the extents.
    const fs::path klein = ordner_ / "klein.dxf";
    DxfEinstellung einstellung;
    std::vector<std::string> info;
    HpglTextNachDxf("IN;SP 1;PU 0 0;PD 400 400;", "klein.plt", klein, einstellung, info);
    EXPECT_TRUE(umbrin::testing::pruefeMitEzdxf(klein).ok);
    EXPECT_FALSE(umbrin::testing::pruefeMitEzdxf(klein, kRahmenBreiteMm, kRahmenHoeheMm).ok);
}
