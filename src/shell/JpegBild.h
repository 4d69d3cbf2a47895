#pragma once
// Decoding the gallery's JPEG pictures and the start picture "umbrin.jpg". Every input is
// untrusted: a damaged file, an unsupported kind or a picture over JpegGroessteSeite pixels a
// side gives an error text, never an ended process.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace umbrin {

inline constexpr int JpegGroessteSeite = 8192;

// A decoded picture: rows from the top, three bytes (red, green, blue) per pixel.
struct JpegBild {
    int breite = 0;
    int hoehe = 0;
    std::vector<std::uint8_t> rgb;
};

// Decodes a JPEG held in memory; on failure fehler says why.
std::optional<JpegBild> dekodiereJpeg(std::span<const std::uint8_t> daten, std::string& fehler);

} // namespace umbrin
