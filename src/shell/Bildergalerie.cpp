#include "shell/Bildergalerie.h"

#include "core/Zahlenformat.h"

#include <algorithm>

namespace umbrin {

namespace {

constexpr std::array<Bildknopf, 26> kKnoepfe = {{
    {"BtBtnhor", 0, 9, 82, 1105},   {"BtBtnver1", 0, 9, 82, 1106},  {"BtBtnver2", 0, 9, 82, 3019},
    {"BtBtnVer3", 0, 9, 82, 3000},  {"BtBtnZy", 1, 110, 56, 3005},  {"BtBtnZyLi", 1, 110, 62, 3012},
    {"BtBtnHut", 1, 110, 78, 3014}, {"BtBtnHall", 1, 110, 78, 3013}, {"BtBtnZh", 2, 183, 82, 3006},
    {"BtBtnQu", 3, 280, 78, 3004},  {"BtBtnQGu", 3, 280, 78, 3022}, {"BtBtnHa", 3, 280, 78, 3010},
    {"BtBtnHa2", 3, 280, 78, 3011}, {"BtBtnAz", 4, 374, 78, 3003},  {"btBtnTo", 4, 374, 78, 3009},
    {"BtBtnPeau", 4, 374, 75, 3020}, {"BtBtnSter", 4, 374, 82, 3015}, {"BtBtnSf", 5, 465, 78, 3001},
    {"BtBtnSp", 5, 465, 78, 3002},  {"btBtnHo", 6, 556, 78, 3008},  {"BtBtncomp", 6, 556, 78, 3016},
    {"btBtnSa", 6, 556, 78, 3021},  {"BtBtnHaber", 6, 556, 78, 3023}, {"btBtnRi", 7, 646, 80, 3017},
    {"BtBtnRi2", 7, 646, 80, 3018}, {"BtBtnRi3", 7, 646, 80, 3007},
}};

constexpr std::array<std::int32_t, 26> kDiaFolge = {1105, 1106, 3000, 3019, 3005, 3012, 3014, 3013, 3004,
                                                     3022, 3010, 3011, 3007, 3017, 3018, 3003, 3009, 3020,
                                                     3015, 3008, 3016, 3021, 3023, 3001, 3002, 3006};

constexpr std::array<std::int32_t, 28> kAlleIds = {105,  106,  1105, 1106, 3000, 3001, 3002, 3003, 3004, 3005,
                                                   3006, 3007, 3008, 3009, 3010, 3011, 3012, 3013, 3014, 3015,
                                                   3016, 3017, 3018, 3019, 3020, 3021, 3022, 3023};

struct Unterschrift {
    std::int32_t id;
    const char* deutsch;
    const char* englisch;
};

constexpr const char* kHutDe = "azimutale Höhensonnenuhr (Hut-SU)";
constexpr const char* kHutEn = "Azimuthal Altitude Dial (Hat Dial)";

constexpr std::array<Unterschrift, 26> kUnterschriften = {{
    {1105, "horizontale SONNENUHR", "horizontal SUNDIAL"},
    {1106, "vertikale SONNENUHR", "vertical SUNDIAL"},
    {3000, "vertikale SONNENUHR", "vertical SUNDIAL"},
    {3019, "vertikale SONNENUHR", "vertical SUNDIAL"},
    {3001, "Schirmsonnenuhr", "\"Umbrella\"-dial"},
    {3002, "Schirmsonnenuhr", "\"Umbrella\"-dial"},
    {3003, "Azimutalsonnenuhr", "Azimuthal Sundial"},
    {3004, "QuadrantSonnenuhr", " Quadrant Sundial"},
    {3005, "Zylindersonnenuhr (Hirtensonnenuhr)", " Cylinder Sundial (Shepherds' Dial)"},
    {3006, "horizontale Höhensonnenuhr", "Horizontal Altitude Sundial"},
    {3007, "Ringsonnenuhr (Bauernring)", "Ring Sundial (Farmers' Ring) "},
    {3017, "Ringsonnenuhr (Bauernring)", "Ring Sundial (Farmers' Ring) "},
    {3018, "Ringsonnenuhr (Bauernring)", "Ring Sundial (Farmers' Ring) "},
    {3008, "SU für mittlere Zeit (Hollander)", "Mean Time Sundial (Hollander)"},
    {3009, "Horizontoskop", "Horizontoscope"},
    {3010, "vertikale Habermel-Sonnenuhr I für Wahre Ortszeit",
     "Vertical Habermel-Sundial I for Local Apparent Time"},
    {3011, "vertikale Habermel-Sonnenuhr II", "Vertical Altitude Dial (Habermel II)"},
    {3013, "Polstab-Zylinderuhr", "Cylinder Dial with Polar Style"},
    {3014, kHutDe, kHutEn},
    {3015, "Doppel SU (Azimutal-SU mit Postab-SU)", "Azimuthal Dial joined with Polar Dial"},
    {3016, " biazimutale Sonnenuhr ", " Compressed Gnomonic Sundial "},
    {3020, "Hybride Peaucellier-Sonnenuhr, azimutal", "Hybrid Peaucellier Sundial, azimuthal"},
    {3021, "Vertikal abweichende SU für mittlere Zeit", "Vertical Solar Decliner for Mean Time"},
    {3022, "Gunter-Quadrant", "Gunter-Quadrant"},
    {3023, "vertikale Habermel-Sonnenuhr I für Mittlere Ortszeit",
     "Vertical Habermel-Sundial I for Local Mean Time"},
    {3012, nullptr, nullptr},
}};

} // namespace

std::span<const Bildknopf> bildknoepfe() { return kKnoepfe; }

std::size_t naechsterKnopf(std::size_t i)
{
    const int platz = kKnoepfe[i].platz;
    const std::size_t n = i + 1;
    if (n < kKnoepfe.size() && kKnoepfe[n].platz == platz)
        return n;
    std::size_t erster = i;
    while (erster > 0 && kKnoepfe[erster - 1].platz == platz)
        --erster;
    return erster;
}

std::span<const std::int32_t> alleBildIds() { return kAlleIds; }

bool hatBild(std::int32_t id) { return std::find(kAlleIds.begin(), kAlleIds.end(), id) != kAlleIds.end(); }

std::int32_t naechstesDia(std::int32_t id)
{
    const auto it = std::find(kDiaFolge.begin(), kDiaFolge.end(), id);
    if (it == kDiaFolge.end())
        return id;
    return std::next(it) == kDiaFolge.end() ? kDiaFolge.front() : *std::next(it);
}

std::string bildUnterschrift(const AppState& s, std::int32_t id, bool diaschau)
{
    const bool de = s.Sprachspalte != 2;
    if (id == 3012) {
        // The hat dial's name without its bracketed short name, in the show as well: its first
        // 25 characters would end in the English name's open bracket.
        const std::string hut = de ? kHutDe : kHutEn;
        return hut.substr(0, hut.rfind(" ("));
    }
    if (id == 3010 && diaschau)
        return de ? "vertikale Habermel-Sonnenuhr I" : "Vertical Habermel-Sundial I";
    for (const Unterschrift& u : kUnterschriften)
        if (u.id == id && u.deutsch)
            return de ? u.deutsch : u.englisch;
    return {};
}

int diaIntervallMs(int position) { return position * 100; }

std::string diaIntervallText(int position) { return RealStr(position / 10.0L, 3, 1) + " s"; }

std::int32_t bildDesTyps(const AppState& s)
{
    std::int32_t nr = 0;
    BildNummerUhrTyp(s, nr);
    return hatBild(nr) ? nr : 0;
}

} // namespace umbrin
