#include "dialogs/DialogDatumsliste.h"

namespace umbrin {

std::string Datumseintrag(std::string_view datum, std::string_view anzeige)
{
    std::string e(datum);
    e += "    ( ";
    e += anzeige;
    e += " )";
    return e;
}

std::int32_t DatumSchluessel(std::string_view eintrag)
{
    auto ziffer = [&](std::size_t i) { return i < eintrag.size() && eintrag[i] >= '0' && eintrag[i] <= '9'; };
    if (!ziffer(0) || !ziffer(1) || eintrag.size() < 5 || eintrag[2] != '/' || !ziffer(3) || !ziffer(4))
        return -1;
    const int tag = (eintrag[0] - '0') * 10 + (eintrag[1] - '0');
    const int monat = (eintrag[3] - '0') * 10 + (eintrag[4] - '0');
    return tag + 100 * monat;
}

std::size_t fuegeDatumEin(std::vector<std::string>& liste, const std::string& eintrag, std::int32_t schluessel)
{
    std::size_t i = 0;
    while (i < liste.size() && DatumSchluessel(liste[i]) < schluessel)
        ++i;
    liste.insert(liste.begin() + static_cast<std::ptrdiff_t>(i), eintrag);
    return i;
}

} // namespace umbrin
