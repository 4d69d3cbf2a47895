#include "tables/SonnenstandTexte.h"

#include "core/Sprachdienst.h"
#include "core/Textumformung.h"

#include <algorithm>

namespace umbrin {

std::string zeichenAus(std::string_view text, std::size_t von, std::size_t anzahl)
{
    std::string aus;
    std::size_t zeichen = 0; // 1-based number of the character at i
    for (std::size_t i = 0; i < text.size();) {
        std::size_t laenge = 1;
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0xF0)
            laenge = 4;
        else if (c >= 0xE0)
            laenge = 3;
        else if (c >= 0xC0)
            laenge = 2;
        ++zeichen;
        if (zeichen >= von + anzahl)
            break;
        if (zeichen >= von)
            aus.append(text.substr(i, laenge));
        i += laenge;
    }
    return aus;
}

std::string zeitraumText(const AppState& s)
{
    return holeText(s, 591 + ((s.StundenMitZeitgl != 0) ? std::min<int>(s.Schalter.Sonnenstand, 2) : 0));
}

std::string zeitsystemText(const AppState& s, bool zonenzeit)
{
    const int zeile = (s.StundenMitZeitgl != 0) ? (zonenzeit ? 124 : 123) : (zonenzeit ? 121 : 120);
    const std::string text = std::string(texteText(s, zeile)) + " " + ", " + zeitraumText(s);
    return zeichenAus(text, 1, 60);
}

std::string richtungOst(const AppState& s) { return zeichenAus(texteText(s, 2), 3, 4); }
std::string richtungWest(const AppState& s) { return zeichenAus(texteText(s, 3), 3, 4); }
std::string richtungSued(const AppState& s) { return OhneAmpersand(zeichenAus(texteText(s, 1), 1, 7)); }
std::string richtungNord(const AppState& s) { return OhneAmpersand(zeichenAus(texteText(s, 0), 1, 7)); }

} // namespace umbrin
