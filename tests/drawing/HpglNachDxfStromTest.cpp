// A plot file is converted as it is read, piece by piece. Its DXF must be the one the whole
// text gives when it is read at once, the commands cut by the plain rule: from a command
// letter and the character after it, the parameters run to the first ";", carriage return or
// character 3, a label's to the character 3.
#include "drawing/DxfAusgabe.h"
#include "drawing/DxfKonverter.h"
#include "drawing/DxfKopf.h"
#include "drawing/HpglNachDxf.h"

#include "core/SafeSave.h"
#include "core/TextEncoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

std::string_view ohneTrenner(std::string_view t)
{
    const auto trenner = [](char c) { return c == '\x03' || c == '\n' || c == '\r' || c == ' ' || c == ';'; };
    while (!t.empty() && trenner(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && trenner(t.back()))
        t.remove_suffix(1);
    return t;
}

// The DXF of the whole text read at once, with the header of the extents its entities reach.
std::string ganzGelesen(std::string hpgl, double massstab, const DxfAusdehnung& kopf = {})
{
    if (std::any_of(hpgl.begin(), hpgl.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })
        && isValidUtf8(hpgl))
        hpgl = utf8ToCp1252(decodeFileText(hpgl));
    std::string dxf;
    std::vector<std::string> info;
    DxfTextSenke senke(dxf);
    DxfAusgabe aus(senke);
    schreibeDxfKopf(aus, kopf);
    DxfKonverter k(aus, info, 2, massstab);
    const auto befehl = [](char c) { return static_cast<unsigned char>(c) > 64; };
    std::size_t i = 0;
    while (true) {
        while (i < hpgl.size() && !befehl(hpgl[i]))
            ++i;
        if (i + 1 >= hpgl.size())
            break;
        const std::string m = hpgl.substr(i, 2);
        i += 2;
        const std::size_t ende = m == "LB" ? hpgl.find('\x03', i) : hpgl.find_first_of(";\r\x03", i);
        const std::size_t bis = ende == std::string::npos ? hpgl.size() : ende + 1;
        k.befehl(m, ohneTrenner(std::string_view(hpgl).substr(i, bis - i)));
        i = bis;
    }
    k.beende();
    EXPECT_TRUE(aus.beende());
    return k.ausdehnung() == kopf ? dxf : ganzGelesen(hpgl, massstab, k.ausdehnung());
}

struct Ordner {
    fs::path pfad = fs::temp_directory_path() / ("umbrin_dxfstrom_" + std::to_string(::getpid()));
    Ordner()
    {
        fs::remove_all(pfad);
        fs::create_directories(pfad);
    }
    ~Ordner() { fs::remove_all(pfad); }
};

// The DXF of the file as the converter reads it, and of the same text handed over whole.
void vergleiche(const fs::path& plt, const fs::path& dxfDatei, double massstab)
{
    std::string hpgl, dxf, fehler;
    ASSERT_TRUE(readFileBytes(plt, hpgl, fehler)) << fehler;
    DxfEinstellung e;
    e.massstab = massstab;
    e.stiftbreite = 2;
    std::vector<std::string> info;
    const DxfErgebnis ergebnis = HpglNachDxf(plt, dxfDatei, e, info);
    ASSERT_EQ(ergebnis.status, DxfStatus::Gespeichert) << ergebnis.meldung;
    ASSERT_TRUE(readFileBytes(dxfDatei, dxf, fehler)) << fehler;
    const std::string erwartet = ganzGelesen(hpgl, massstab);
    EXPECT_TRUE(dxf == erwartet) << dxf.size() << " bytes against " << erwartet.size();
    std::string text;
    HpglTextNachDxfText(hpgl, plt.string(), text, e, info);
    EXPECT_TRUE(text == erwartet);
}

} // namespace

TEST(HpglNachDxfStrom, EveryGoldenPlotConvertsAsTheWholeText)
{
    const Ordner o;
    int plots = 0;
    for (const auto& eintrag : fs::recursive_directory_iterator(fs::path(UMBRIN_SOURCE_DIR) / "tests")) {
        if (eintrag.path().extension() != ".plt" && eintrag.path().extension() != ".hpgl")
            continue;
        SCOPED_TRACE(eintrag.path().string());
        const std::string name = eintrag.path().stem().string();
        const double massstab = name.find("k25") != std::string::npos ? 1000 : 40;
        vergleiche(eintrag.path(), o.pfad / "golden.dxf", massstab);
        ++plots;
    }
    EXPECT_GT(plots, 20);
}

// The pieces the file is read in are 1 MiB long. A command cut at a piece's end, in any
// place (between its letters, in its parameters, in a label, in a character of several
// bytes of a UTF-8 plot), converts as if it were whole.
TEST(HpglNachDxfStrom, ACommandCutBetweenPiecesConvertsWhole)
{
    const Ordner o;
    const std::size_t stueck = std::size_t{1} << 20;
    for (const std::string probe : {"LB Gr\xC3\xBC\xC3\x9F" "e\x03", "PD 1234,5678;", "PU 70 -80\r", "SP 3;", "CI 400;"})
        for (std::size_t vorn = 0; vorn < 9; ++vorn) {
            SCOPED_TRACE(probe + " " + std::to_string(vorn));
            std::string hpgl = "IN;SP 1;PU 0 0;PD";
            while (hpgl.size() + 12 < stueck - vorn)
                hpgl += " 1000 2000";
            hpgl += ";";
            hpgl.append(stueck - vorn - hpgl.size(), ' ');
            for (int i = 0; i < 3; ++i)
                hpgl += probe + "PD 40 40;";
            std::string fehler;
            ASSERT_TRUE(saveFileSafely(o.pfad / "x.plt", hpgl, fehler)) << fehler;
            vergleiche(o.pfad / "x.plt", o.pfad / "x.dxf", 40);
        }
}
