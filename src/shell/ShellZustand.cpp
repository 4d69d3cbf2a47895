#include "shell/ShellZustand.h"

namespace umbrin {

void erzeugeShellListen(ShellZustand& z)
{
    z.Stundenliste.clear();
    for (int h = 0; h <= 24; ++h)
        z.Stundenliste.push_back(" " + std::to_string(h) + "  Uhr");
    z.Intervalle = {" 60 min", " 30 min", " 20 min", " 15 min", " 10 min"};
}

void verwirfLetztenBlock(std::vector<std::string>& zeilen)
{
    while (!zeilen.empty()) {
        const bool hatteHoechstensEine = zeilen.size() <= 1;
        zeilen.pop_back();
        if (hatteHoechstensEine || zeilen.empty())
            return;
        if (zeilen.back().rfind("  __", 0) == 0)
            return;
    }
}

} // namespace umbrin
