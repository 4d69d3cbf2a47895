#include "tables/SonnenstandKreisTexte.h"

#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "tables/SonnenstandTexte.h"

namespace umbrin {

std::vector<std::string> kreisLegende(const AppState& s, bool mitZonenmeridian)
{
    const bool deutsch = s.Sprachspalte == 1;
    std::string ort = std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 2, 2) + std::string(texteText(s, 105))
                      + std::string(texteText(s, 132)) + RealStr(s.Par.Laenge, 2, 2) + std::string(texteText(s, 105));
    if (mitZonenmeridian)
        ort += std::string(texteText(s, 82)) + RealStr(s.Par.Zonenmeridian, 2, 2) + ")";
    const std::string eot = (s.StundenMitZeitgl != 0) ? (deutsch ? "mit Zeitgl." : "with EoT")
                                               : (deutsch ? "ohne Zeitgl." : "without EoT");
    const std::string stunden = holeText(s, s.Schalter.Zonenzeit ? 307 : 308) + " = " + eot;
    return {ort, stunden, zeichenAus(zeitraumText(s), 3, 25)};
}

} // namespace umbrin
