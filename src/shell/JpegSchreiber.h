#pragma once
// Encoding a picture as a baseline JPEG, as the gallery's pictures are stored: every colour
// channel at full resolution (no chroma subsampling), so thin coloured lines keep their colour.
#include "shell/JpegBild.h"

#include <string>

namespace umbrin {

// The JPEG bytes of bild at the given quality (1 to 100); empty (and fehler set) on failure.
std::string kodiereJpeg(const JpegBild& bild, int qualitaet, std::string& fehler);

} // namespace umbrin
