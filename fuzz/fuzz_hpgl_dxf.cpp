// Fuzz target of the HPGL-to-DXF converter: any bytes in, a status out, never a crash or a hang.
// The first byte chooses the scale and the pen width, the rest is the plot.
#include "drawing/HpglNachDxf.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    umbrin::DxfEinstellung einstellung;
    if (size > 0) {
        const uint8_t wahl = data[0];
        static constexpr double kMassstaebe[] = {40.0, 1000.0, 1.0, 0.0, -5.0, 3.0, 0.025, 1e9};
        einstellung.massstab = kMassstaebe[wahl & 7];
        einstellung.stiftbreite = (wahl >> 3) & 3;
        einstellung.deutsch = (wahl & 0x20) != 0;
        ++data;
        --size;
    }
    const std::string_view hpgl(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> info;
    std::string dxf;
    const umbrin::DxfErgebnis ergebnis = umbrin::HpglTextNachDxfText(hpgl, "fuzz.plt", dxf, einstellung, info);
    // Whatever the input, the outcome is one of the four, a DXF that was made is complete, and
    // a plot with nothing to draw makes none.
    if (ergebnis.status == umbrin::DxfStatus::Gespeichert) {
        if (dxf.size() < 5 || dxf.compare(dxf.size() - 5, 5, "EOF\r\n") != 0)
            __builtin_trap();
    } else if (ergebnis.status == umbrin::DxfStatus::KeinHpgl || ergebnis.status == umbrin::DxfStatus::NichtKonvertiert) {
        if (!dxf.empty())
            __builtin_trap();
    }
    return 0;
}
