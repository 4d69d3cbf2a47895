#include "tables/EoTPaare.h"

#include "core/Rounding.h"
#include "core/SafeSave.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/TextEncoding.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <cstdlib>

namespace umbrin {

namespace {

std::string vorne(const std::string& text, std::size_t breite)
{
    return text.size() >= breite ? text : std::string(breite - text.size(), ' ') + text;
}

} // namespace

int EoTPaarZeilenzahl(int n) { return 2 * (n / 4) + 1; }

std::vector<std::string> EoTPaareListe(AppState& s, int n, bool csv)
{
    n = std::clamp(n, 4, 360);
    EoTTabelleBahn(s, n, s.Par.Jahr);
    const std::string sep = csv ? ";" : "/";
    std::vector<std::string> zeilen;
    zeilen.emplace_back();
    zeilen.push_back(std::string(texteText(s, 185)) + IntStr(s.Par.Jahr));
    zeilen.push_back(std::string(texteText(s, 186)) + " (" + IntStr(EoTPaarZeilenzahl(n)) + " lines )");
    zeilen.emplace_back();
    zeilen.push_back("    L1" + sep + " L2  " + "    " + sep + " dekl " + sep + "      EoT1  " + sep + "    EoT2     " + sep
                     + sep + "    Et1_s " + sep + "  Et2_s  " + sep + " Error[sec]");
    const long double schritt = 360.0L / n;
    for (int i = n / 4; i <= 3 * (n / 4); ++i) {
        int j = n / 2 - i;
        if (j < 0)
            j += n;
        tZeitgl& a = s.EoTTabelle[static_cast<std::size_t>(i)];
        tZeitgl& b = s.EoTTabelle[static_cast<std::size_t>(j)];
        const std::int32_t E1 = a.ZglSek;
        const std::int32_t E2 = b.ZglSek;
        const auto d = static_cast<std::int32_t>(roundHalfEven(std::abs(E1 - E2) / 2.0L));
        const std::int32_t et1 = E1 > E2 ? d : -d;
        a.ZglSym = et1;
        b.ZglSym = -et1;
        const auto fehler = static_cast<std::int32_t>(std::llabs(roundHalfEven((E1 + E2) / 2.0L)));
        zeilen.push_back(vorne(RealStr(i * schritt, 4, 1), 6) + sep + vorne(RealStr(j * schritt, 4, 1), 6) + "  " + " "
                         + sep + RealStr(a.Dekl, 6, 2) + sep + "   " + vorne(a.ZglMinSek, 7) + "  " + sep + " "
                         + vorne(b.ZglMinSek, 7) + "     " + sep + sep + "   " + vorne(SekStr(et1), 6) + " " + sep + " "
                         + vorne(SekStr(-et1), 6) + "  " + sep + " " + ZahlRechtsbuendig(fehler, 6) + "   Vgl. "
                         + a.ZglKeplerText + "  " + a.ZglText);
        if (i % 6 == 5)
            zeilen.emplace_back("  ");
    }
    return zeilen;
}

bool EoTPaareSpeichern(const std::filesystem::path& datei, const std::vector<std::string>& zeilen,
                       std::string& fehler, bool deutsch)
{
    SafeFileWriter w;
    if (!w.open(datei, deutsch)) {
        fehler = w.error();
        return false;
    }
    for (const std::string& zeile : zeilen) {
        if (!w.write(utf8ToCp1252(zeile) + "\r\n")) {
            fehler = w.error();
            return false;
        }
    }
    if (!w.commit()) {
        fehler = w.error();
        return false;
    }
    return true;
}

std::vector<EoTDruckseite> EoTVergleichSeiten(const AppState& s, int n)
{
    n = std::clamp(n, 0, 360);
    std::vector<EoTDruckseite> seiten(1);
    seiten[0].mitKopf = true;
    seiten[0].zeilen.push_back(" nr    lam   delta   EoT[s]  Eotsym   (" + ZahlRechtsbuendig(n, 4) + " Zeilen)");
    for (int i = 0; i <= n; ++i) {
        if (i > 0 && i % 63 == 0)
            seiten.emplace_back();
        const tZeitgl& r = s.EoTTabelle[static_cast<std::size_t>(i)];
        seiten.back().zeilen.push_back(ZahlRechtsbuendig(i, 3) + "  " + RealStr(r.Laenge, 5, 1) + "  "
                                       + RealStr(r.Dekl, 6, 2) + "  " + RealStr(r.ZglSek, 6, 0) + "  "
                                       + RealStr(r.ZglSym, 6, 0) + " Vgl:" + r.ZglKeplerText + "  " + r.ZglText);
    }
    return seiten;
}

} // namespace umbrin
