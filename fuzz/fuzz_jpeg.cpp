// Feeds arbitrary bytes to the picture decoder. Nothing may crash, end the process, hang or
// read out of bounds; a decoded picture holds exactly its pixels and stays within the size limit.
#include "shell/JpegBild.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

using namespace umbrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string fehler;
    const auto bild = dekodiereJpeg(std::span<const std::uint8_t>(data, size), fehler);
    if (bild) {
        if (bild->breite <= 0 || bild->hoehe <= 0 || bild->breite > JpegGroessteSeite || bild->hoehe > JpegGroessteSeite)
            __builtin_trap();
        if (bild->rgb.size() != static_cast<std::size_t>(bild->breite) * static_cast<std::size_t>(bild->hoehe) * 3)
            __builtin_trap();
    } else if (fehler.empty()) {
        __builtin_trap();
    }
    return 0;
}
