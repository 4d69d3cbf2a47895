#pragma once
// Decoding the gallery's JPEG pictures and the start picture "umbrin.jpg". Every input is
// untrusted: a damaged file, an unsupported kind or a picture over JpegGroessteSeite pixels a
// side gives an error text, never an ended process.
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace umbrin {

inline constexpr int JpegGroessteSeite = 8192;
// The work one picture may take: a progressive picture whose scans repeat could keep the
// decoder busy for minutes. Real pictures have about ten scans.
inline constexpr int JpegGroessteScans = 64;
// Memory the decoder may hold beside the decoded rows (a progressive picture keeps all its
// coefficients): 4096 x 4096 pixels at full colour resolution fit.
inline constexpr long JpegSpeicherBudget = 128L * 1024 * 1024;

// A decoded picture: rows from the top, three bytes (red, green, blue) per pixel.
struct JpegBild {
    int breite = 0;
    int hoehe = 0;
    std::vector<std::uint8_t> rgb;
};

// Decodes a JPEG held in memory; on failure fehler says why. While halt is set (by another
// thread, when the program quits) the decoding gives up within a row of blocks.
std::optional<JpegBild> dekodiereJpeg(std::span<const std::uint8_t> daten, std::string& fehler,
                                      const std::atomic<bool>* halt = nullptr);

} // namespace umbrin
