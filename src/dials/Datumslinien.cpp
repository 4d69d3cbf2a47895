#include "dials/Datumslinien.h"

#include "core/Sonne.h"

#include <array>
#include <cctype>

namespace umbrin {
namespace {

void hinzufuegen(const AppState& s, DatumslinienTabelle& t, int monat, int tag, std::string text)
{
    t.Tage.push_back(TagImJahr(s.Par.Jahr, monat, tag));
    t.Text.push_back(std::move(text));
}

// A one- or two-digit number, possibly led by a blank.
bool zahlLesen(const std::string& text, int& wert)
{
    if (text.size() != 2)
        return false;
    const char a = text[0];
    const char b = text[1];
    if (!std::isdigit(static_cast<unsigned char>(b)))
        return false;
    if (a == ' ') {
        wert = b - '0';
        return true;
    }
    if (!std::isdigit(static_cast<unsigned char>(a)))
        return false;
    wert = (a - '0') * 10 + (b - '0');
    return true;
}

} // namespace

bool DatumslinienEintragLesen(const std::string& eintrag, int& tag, int& monat)
{
    if (eintrag.size() < 5 || eintrag[2] != '/')
        return false;
    int t = 0;
    int m = 0;
    if (!zahlLesen(eintrag.substr(0, 2), t) || !zahlLesen(eintrag.substr(3, 2), m))
        return false;
    static constexpr std::array<int, 12> laenge = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || t < 1 || t > laenge[static_cast<std::size_t>(m - 1)])
        return false;
    tag = t;
    monat = m;
    return true;
}

void setzeDatumslinien(const AppState& s, char modus, DatumslinienTabelle& tabelle)
{
    DatumslinienTabelle t;
    switch (modus) {
    case '0':
        // Every declination between the two solstice values is reached once from June to
        // December, so these seven days carry one line per zodiac sign.
        for (int monat = 6; monat <= 12; ++monat) {
            const int tag = monat == 6 ? 21 : (monat == 8 || monat == 10 ? 23 : 22);
            hinzufuegen(s, t, monat, tag, std::to_string(tag) + "." + std::to_string(monat) + ".");
        }
        break;
    case '1':
        hinzufuegen(s, t, 6, 22, "22.6.");
        for (int monat = 7; monat <= 12; ++monat) {
            hinzufuegen(s, t, monat, 7, " 7." + std::to_string(monat) + ".");
            hinzufuegen(s, t, monat, 22, "22." + std::to_string(monat) + ".");
        }
        break;
    case '2':
        if (s.Datumslinien.empty()) {
            hinzufuegen(s, t, 6, 21, "21.06.");
            hinzufuegen(s, t, 9, 23, "23.09.");
            hinzufuegen(s, t, 12, 21, "21.12.");
            break;
        }
        for (const std::string& eintrag : s.Datumslinien) {
            int tag = 0;
            int monat = 0;
            if (!DatumslinienEintragLesen(eintrag, tag, monat))
                continue;
            hinzufuegen(s, t, monat, tag, eintrag.substr(0, 2) + "." + eintrag.substr(3, 2) + ".");
        }
        break;
    case '3':
        break;
    default:
        return;
    }
    t.Zahl = static_cast<std::int32_t>(t.Tage.size());
    tabelle = std::move(t);
}

} // namespace umbrin
