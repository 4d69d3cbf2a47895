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
    // The listing in a fixed-pitch face keeps its columns in line; the table has its own.
    c.setFont({"Courier New", 40, true, FarbeSchwarz});
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});

    const auto kopf = [&] {
        c.setFontHeight(48);
        // The heading stands on the line y = 145, centred on x = 900.
        const TextExtent e = c.textExtent(t.kopfOrt);
        c.textOut(900 - e.width / 2, 145 - e.height, t.kopfOrt);
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

    // Column groups wide enough for the widest values: the angle ends where "-180.00" ends,
    // the tangent short of the next group's rule.
    c.setFontName("MS Serif");
    const int versatz2 = c.textExtent(" hh:mm   -180.00").width;
    const int gruppe = c.textExtent(" hh:mm   -180.00   -10000.0  ").width;
    const int tabZeile = rund(c.textExtent("123").height * 1.18);
    const int x0 = 120;
    const auto rechtsbuendig = [&c, &y](int rechts, const std::string& text) {
        const std::size_t erstes = text.find_first_not_of(' ');
        if (erstes == std::string::npos)
            return;
        const std::string wert = text.substr(erstes);
        c.textOut(rechts - c.textExtent(wert).width, y, wert);
    };

    c.setFontName("Courier New");
    c.textOut(x0, y, t.kopfWand);
    y += tabZeile;
    c.textOut(x0, y, t.kopfEbene);
    y += tabZeile;
    c.setFontName("MS Serif");
    for (int g = 0; g < Winkeltabelle::Gruppen; ++g) {
        const int links = x0 + g * gruppe;
        c.textOut(links, y, " hh:mm");
        rechtsbuendig(links + versatz2, " dd.dd");
        rechtsbuendig(links + gruppe - 25, " tangens");
    }
    y += tabZeile;

    const int oben = y;
    for (int r = 0; r < reihen; ++r) {
        for (int g = 0; g < Winkeltabelle::Gruppen; ++g) {
            const WinkelZelle& z = t.zellen[static_cast<std::size_t>(g)][static_cast<std::size_t>(r)];
            if (!z.belegt())
                continue;
            // Time at the group's left edge; angle and tangent right-aligned.
            const int links = x0 + g * gruppe;
            c.textOut(links, y, z.zeit);
            rechtsbuendig(links + versatz2, z.winkel);
            rechtsbuendig(links + gruppe - 25, z.tangens);
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
