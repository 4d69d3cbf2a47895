#include "core/Sprachdienst.h"

#include "core/Textressourcen.h"
#include "core/Textumformung.h"

namespace umbrin {

namespace {

// The string table's texts have always been loaded into a buffer of 256 bytes.
constexpr std::size_t maxZeichen = 255;

// The first n characters (not bytes) of a UTF-8 text.
std::string_view ersteZeichen(std::string_view text, std::size_t n)
{
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (zeichen == n)
                return text.substr(0, i);
            ++zeichen;
        }
    }
    return text;
}

template <typename Tabelle>
std::string_view zeile(const Tabelle& tabelle, int k, int sprachspalte)
{
    if (k < 0 || static_cast<std::size_t>(k) >= tabelle.size())
        return {};
    return tabelle[static_cast<std::size_t>(k)].in(sprachspalte);
}

} // namespace

void setzeSprache(AppState& s, bool deutsch)
{
    s.Deutsch = deutsch ? 1 : 0;
    s.Sprachspalte = deutsch ? 1 : 2;
    s.StringIdBasis = deutsch ? 0 : 2000;
}

std::string ladeText(int id, int basis)
{
    const auto text = stringtabellenText(id + basis);
    if (!text)
        return {};
    return std::string(ersteZeichen(*text, maxZeichen));
}

std::string holeText(const AppState& s, int id)
{
    std::string text = ladeText(id, s.StringIdBasis);
    std::erase(text, '&');
    return text;
}

std::string_view meldungsText(const AppState& s, int k) { return zeile(MeldungsTabelle, k, s.Sprachspalte); }
std::string_view texteText(const AppState& s, int k) { return zeile(TexteTabelle, k, s.Sprachspalte); }
std::string_view titelText(const AppState& s, int nummer) { return zeile(TitelTabelle, nummer - 1, s.Sprachspalte); }
std::string_view zodiakNamenText(const AppState& s, int k) { return zeile(ZodiakNamen, k, s.Sprachspalte); }
std::string_view konstruktionsHinweis(const AppState& s, int k) { return zeile(KonstruktionsHinweise, k, s.Sprachspalte); }
std::string_view farbLegendeText(const AppState& s, int k) { return zeile(FarbLegende, k, s.Sprachspalte); }
std::string_view menueText(const AppState& s, int k) { return zeile(Menue, k, s.Sprachspalte); }

std::string_view farbLegendeSlot(int k)
{
    if (k < 0 || static_cast<std::size_t>(k) >= FarbLegende.size())
        return {};
    return FarbLegende[static_cast<std::size_t>(k)].slot;
}

std::string_view meldungsTitel(const AppState& s, TitelPaar paar)
{
    return zeile(MeldungsTitel, static_cast<int>(paar), s.Sprachspalte);
}

std::string TextPaar(const AppState& s, int a, int b)
{
    std::string text(meldungsText(s, a));
    text += "\n\r";
    text += meldungsText(s, b);
    return text;
}

std::string_view tierkreisName(const AppState& s, int zeichen)
{
    if (zeichen < 1 || zeichen > 12)
        return {};
    return zodiakNamenText(s, 10 + zeichen);
}

std::string_view monatKurz(const AppState& s, int monat)
{
    if (monat < 1 || monat > 12)
        return {};
    return MonatsKurz[s.Sprachspalte == 2 ? 1 : 0][static_cast<std::size_t>(monat - 1)];
}

std::string monatsKopfzeile(const AppState& s, bool breit)
{
    const std::string zwischenraum(breit ? 6 : 4, ' ');
    std::string zeile = "      ";
    for (int m = 1; m <= 12; ++m) {
        if (m > 1)
            zeile += zwischenraum;
        zeile += monatKurz(s, m);
    }
    zeile += ' ';
    return zeile;
}

std::string rechenfensterTitel(const AppState& s, int rechenmodus)
{
    int menuezeile = 0;
    switch (rechenmodus) {
    case 1: menuezeile = 23; break;
    case 2: menuezeile = 24; break;
    case 4: menuezeile = 25; break;
    case 8: menuezeile = 26; break;
    default: return {};
    }
    return OhneAccelerator(menueText(s, menuezeile));
}

} // namespace umbrin
