#include "drawing/Zeichnungstyp.h"

#include "core/Sprachdienst.h"
#include "core/Textumformung.h"

#include <string_view>

namespace umbrin {
namespace {

bool einer(char typ, std::string_view typen) { return typen.find(typ) != std::string_view::npos; }

bool polstabZylinder(const AppState& s) { return s.UhrTyp == 'z' && s.Schalter.ZylinderArt == 2; }

} // namespace

int unterTyp(const AppState& s, bool schoenerAnsicht)
{
    switch (s.UhrTyp) {
    case 'a':
        return s.Schalter.AzimutKreise;
    case 'q':
        return s.Schalter.Hoehenuhrart;
    case 'z':
        return s.Schalter.ZylinderArt;
    case 'r':
        return schoenerAnsicht ? 1 : 0;
    default:
        return 0;
    }
}

bool istEbeneUhr(char typ) { return einer(typ, "hiv"); }
bool istEbeneUhrOhneSchirm(const AppState& s) { return istEbeneUhr(s.UhrTyp) && !s.Schirmuhr; }
bool mitKarte(char typ) { return einer(typ, "chiv"); }
bool fusspunktPerMaus(const AppState& s) { return einer(s.UhrTyp, "chimpvw") || polstabZylinder(s); }
bool platzierungBeiAktivierung(const AppState& s) { return einer(s.UhrTyp, "chimv") || polstabZylinder(s); }
bool fusspunktPruefungBeimDruck(const AppState& s) { return einer(s.UhrTyp, "chiv") || polstabZylinder(s); }
bool fusspunktPruefungBeimExport(char typ) { return einer(typ, "chiv"); }

bool exportPlatziert(const AppState& s)
{
    return einer(s.UhrTyp, "chimv") || (s.UhrTyp == 'z' && s.Schalter.ZylinderArt != 0);
}

bool druckSkaliert(const AppState& s) { return einer(s.UhrTyp, "chimv") || polstabZylinder(s); }
bool kreuzCursor(char typ) { return einer(typ, "chimv"); }
bool koordinatenMoeglich(const AppState& s) { return istEbeneUhr(s.UhrTyp) || s.Schirmuhr; }

std::string bildHinweis(char typ)
{
    return einer(typ, "chimpvw") ? "Left mouseclick fixes gnomon position"
                                 : "Right mouseclick for popUp menu // <F1> for help !";
}

int hilfeKontext(const AppState& s, int bisher)
{
    switch (s.UhrTyp) {
    case 'a':
        return 17;
    case 'c':
        return s.Schalter.Option66 ? 10 : 212;
    case 'h':
    case 'i':
    case 'v':
        return s.Schirmuhr ? 12 : 11;
    case 'k':
        return 19;
    case 'm':
        return 54;
    case 'p':
        return 58;
    case 'q':
        return 14;
    case 'r':
        return 20;
    case 'w':
        return 55;
    case 'z':
        return 27;
    default:
        return bisher;
    }
}

std::string fensterTitel(const AppState& s)
{
    // The rows of the title table are numbered from 1; the drawing window's texts n are
    // rows n + 1.
    const auto titel = [&s](int text) { return std::string(titelText(s, text + 1)); };
    std::string typText;
    if (s.Schirmuhr) {
        typText = titel(3);
    } else {
        switch (s.UhrTyp) {
        case 'v': typText = titel(4); break;
        case 'h': typText = titel(5); break;
        case 'i': typText = titel(6); break;
        case 'q': typText = titel(7); break;
        case 'z':
            typText = titel(8);
            if (s.Schalter.ZylinderArt <= 2)
                typText += titel(14 + s.Schalter.ZylinderArt);
            break;
        case 'a': typText = titel(9); break;
        case 'c': typText = titel(10); break;
        case 'm': typText = titel(12); break;
        case 'k': typText = titel(27); break;
        // These names carry no article ending of their own: one blank joins them.
        case 'w': return mitLeerzeichen(titel(2), titel(39));
        case 'p': return mitLeerzeichen(titel(2), "Peaucellier-" + titel(36));
        case 'b': return mitLeerzeichen(titel(2), "Bifilar-" + titel(36));
        default: return {};
        }
    }
    return titel(2) + typText;
}

double legendenFaktor(char typ)
{
    if (typ == 'c' || typ == 'm')
        return 0.29;
    if (typ == 'v')
        return 0.3;
    return 0.33;
}

int dxfFaktor(const AppState& s)
{
    if (einer(s.UhrTyp, "chimpvz"))
        return 25;
    if (s.UhrTyp == 'q' && (s.Schalter.Hoehenuhrart > 0 || s.Schalter.QuadrantSkala == 2))
        return 25;
    return 1;
}

} // namespace umbrin
