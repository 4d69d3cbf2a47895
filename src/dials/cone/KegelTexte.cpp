#include "dials/cone/KegelTexte.h"

#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

namespace umbrin {

std::string kegelZeichen(std::string_view text, int von, int bis)
{
    std::string r;
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if ((b & 0xC0) != 0x80)
            ++n; // the first byte of a character
        if (n >= von && n <= bis)
            r += text[i];
    }
    return r;
}

std::string kegelTitel(const AppState& s)
{
    return kegelZeichen(holeText(s, 203), 2, 31) + " (" + holeText(s, s.Schalter.Zonenzeit ? 307 : 308) + ")";
}

std::string kegelOrtZeile(const AppState& s)
{
    const std::string grad(texteText(s, 105));
    return std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 6, 2) + grad + std::string(texteText(s, 132))
           + RealStr(s.Par.Laenge, 6, 2) + grad;
}

std::string kegelEbeneZeile(const AppState& s, std::uint8_t ebene)
{
    const int e = ebene % 3;
    std::string z = kegelZeichen(holeText(s, 328 + e), 2, 31);
    if (e == 0)
        return z;
    const std::string grad(texteText(s, 105));
    z += ", " + std::string(texteText(s, 133)) + RealStr(s.Par.Wandabweichung, 6, 2) + grad;
    if (e == 2)
        z += ", " + std::string(texteText(s, 134)) + RealStr(s.Par.Inklination, 6, 2) + grad;
    return z;
}

std::string kegelAchsenZeile(const AppState& s, double L)
{
    return holeText(s, 312) + "=" + RealStr(L, 6, 2) + "; " + holeText(s, 313) + "= "
           + RealStr(s.Par.KegelNeigung, 5, 2);
}

std::string kegelOeffnungZeile(const AppState& s)
{
    return holeText(s, 314) + " " + holeText(s, 315) + ": " + RealStr(s.Par.KegelOeffnung, 5, 2);
}

} // namespace umbrin
