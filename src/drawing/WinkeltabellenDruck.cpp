#include "drawing/WinkeltabellenDruck.h"

#include "core/Rounding.h"

namespace umbrin {
namespace {

int rund(double v) { return static_cast<int>(roundHalfEven(v)); }

// The lines of the listing, a line that holds line breaks split at them.
std::vector<std::string> zeilenVon(const std::vector<std::string>& listing)
{
    std::vector<std::string> zeilen;
    for (const std::string& z : listing) {
        std::string rest = z;
        std::size_t p = 0;
        while ((p = rest.find_first_of("\r\n")) != std::string::npos) {
            zeilen.push_back(rest.substr(0, p));
            const std::size_t weiter = rest.find_first_not_of("\r\n", p);
            // One line break is CR LF or LF CR; more of them are empty lines.
            std::size_t umbrueche = (weiter == std::string::npos ? rest.size() : weiter) - p;
            rest = weiter == std::string::npos ? std::string() : rest.substr(weiter);
            for (std::size_t k = 2; k < umbrueche; k += 2)
                zeilen.emplace_back();
        }
        zeilen.push_back(rest);
    }
    return zeilen;
}

int genutzteZeilen(const Winkeltabelle& t)
{
    int n = 0;
    while (n < Winkeltabelle::Zeilen && t.zellen[0][static_cast<std::size_t>(n)].belegt())
        ++n;
    return n;
}

} // namespace

int druckeWinkeltabelle(Canvas& c, const Winkeltabelle& t, const std::vector<std::string>& listing,
                        const std::string& naechsteSeiteText, const std::function<void()>& neueSeite)
{
    int seiten = 1;
    c.setBrushStyle(BrushStyle::Clear);
    c.setFont({"MS Serif", 40, true, FarbeSchwarz});
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});

    const auto kopf = [&] {
        c.setFontHeight(48);
        const TextExtent e = c.textExtent(t.kopfOrt);
        c.textOut(900 - e.width / 2, 145, t.kopfOrt);
        c.setFontHeight(40);
    };
    kopf();
    const int zeilenHoehe = rund(c.textExtent("123").height * 1.1);
    int y = 180;
    for (const std::string& z : zeilenVon(listing)) {
        c.textOut(150, y, z);
        y += zeilenHoehe;
    }

    const int reihen = genutzteZeilen(t);
    if (reihen >= 29) {
        c.textOut(150, y, naechsteSeiteText);
        neueSeite();
        ++seiten;
        kopf();
        y = 250;
    } else {
        y += zeilenHoehe;
    }

    const int versatz1 = c.textExtent("hh:m").width;
    const int versatz2 = c.textExtent("hh:mm dd.dd").width;
    const int gruppe = c.textExtent(" hh:mm dd.dd tangens").width;
    const int tabZeile = rund(c.textExtent("123").height * 1.18);
    const int x0 = 120;

    c.textOut(x0, y, t.kopfWand + "    " + t.kopfEbene);
    y += tabZeile;
    for (int g = 0; g < Winkeltabelle::Gruppen; ++g)
        c.textOut(x0 + g * gruppe, y, " hh:mm dd.dd tangens");
    y += tabZeile;

    const int oben = y;
    for (int r = 0; r < reihen; ++r) {
        for (int g = 0; g < Winkeltabelle::Gruppen; ++g) {
            const WinkelZelle& z = t.zellen[static_cast<std::size_t>(g)][static_cast<std::size_t>(r)];
            if (!z.belegt())
                continue;
            const int links = x0 + g * gruppe;
            c.textOut(links, y, z.zeit);
            c.textOut(links + versatz1 - 7, y, z.winkel);
            c.textOut(links + versatz2 - 6, y, z.tangens);
        }
        y += tabZeile;
        c.moveTo(x0 - 15, y);
        c.lineTo(x0 - 15 + Winkeltabelle::Gruppen * gruppe, y);
    }
    const int rechts = x0 - 15 + Winkeltabelle::Gruppen * gruppe;
    c.rectangle(x0 - 15, oben, rechts, y + 1);
    for (int g = 1; g < Winkeltabelle::Gruppen; ++g) {
        c.moveTo(x0 - 15 + g * gruppe, oben);
        c.lineTo(x0 - 15 + g * gruppe, y);
    }
    return seiten;
}

} // namespace umbrin
