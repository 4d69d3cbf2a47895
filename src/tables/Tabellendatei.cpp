#include "tables/Tabellendatei.h"

#include "core/SafeSave.h"
#include "core/Sprachdienst.h"
#include "core/TextEncoding.h"
#include "core/Zahlenformat.h"

namespace umbrin {
namespace {

constexpr const char* kZeilenende = "\r\n";

// n characters from the 1-based position pos, as far as the line reaches.
std::string kopie(const std::string& zeile, int pos, int n)
{
    if (pos < 1 || n <= 0 || static_cast<std::size_t>(pos) > zeile.size())
        return {};
    return zeile.substr(static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(n));
}

std::string cp(std::string_view text)
{
    return utf8ToCp1252(text);
}

void jahrestabelleCsv(const std::vector<std::string>& z, const TabellenExport& e, std::string& aus)
{
    const std::string trenner = cp(e.csvTrenner);
    bool inTabelle = false;
    for (const std::string& zeile : z) {
        if (!inTabelle && kopie(zeile, 7, 3) == "Jan")
            inTabelle = true;
        if (!inTabelle) {
            aus += " " + trenner + zeile + kZeilenende;
            continue;
        }
        aus += kopie(zeile, 1, 3);
        for (int k = 1; k <= 12; ++k)
            aus += ";" + (e.durchgang ? kopie(zeile, 9 * k - 5, 9) : kopie(zeile, 7 * k - 3, 7));
        aus += kZeilenende;
    }
}

void monatstabelleCsv(const std::vector<std::string>& z, const TabellenExport& e, std::string& aus)
{
    const bool halbjahr = e.monatswahl != 0;
    const std::size_t n = z.size();
    for (std::size_t i = 2; i < n && i <= 55; ++i) {
        const std::string& zeile = z[i];
        if (i <= 4) {
            aus += ";" + zeile + kZeilenende;
        } else if (i == 5) {
            aus += kopie(zeile, 1, 5) + ";";
            if (halbjahr) {
                for (int k = 0; k < 6; ++k)
                    aus += kopie(zeile, 21 * k + 14, 7) + ";" + " ;" + " ;";
            } else {
                for (int k = 0; k < 3; ++k)
                    aus += kopie(zeile, 13 * k + 7, 13) + ";" + " ;";
                aus += kopie(zeile, 46, 7) + ";" + kopie(zeile, 54, 8);
            }
            aus += kZeilenende;
        } else if (i + 2 >= n) {
            aus += ";" + zeile + kZeilenende;
        } else {
            aus += " " + kopie(zeile, 1, 5);
            const int zellen = halbjahr ? 18 : 9;
            for (int k = 0; k < zellen; ++k)
                aus += ";" + kopie(zeile, 7 * k + 5, 7);
            aus += std::string(";") + kZeilenende;
        }
    }
}

} // namespace

std::string TabellenDateiInhalt(const AppState& s, std::vector<std::string> zeilen, const TabellenExport& e)
{
    if (zeilen.empty() || zeilen.front() != " ")
        zeilen.insert(zeilen.begin(), " ");
    for (std::string& zeile : zeilen)
        zeile = cp(zeile);

    std::string aus;
    const std::string p = e.csv ? " " : "";
    if (e.rechenmodus == 1) {
        aus += p + cp(texteText(s, 49)) + cp(texteText(s, 84)) + cp(texteText(s, 85)) + RealStr(e.tabLaenge, 7, 2) + p
               + kZeilenende;
        aus += p + std::string(24, ' ') + cp(texteText(s, 86)) + "             ... " + RealStr(e.tabBreite, 7, 2) + p
               + kZeilenende + kZeilenende;
        if (e.csv)
            zeilen.insert(zeilen.begin(), cp(texteText(s, 73)) + kZeilenende);
    }
    if (!e.csv) {
        for (const std::string& zeile : zeilen)
            aus += zeile + kZeilenende;
        return aus;
    }
    if (e.rechenmodus == 1)
        monatstabelleCsv(zeilen, e, aus);
    else
        jahrestabelleCsv(zeilen, e, aus);
    return aus;
}

std::string TabellenDateiname(std::string_view name, bool csv)
{
    const std::size_t schnitt = name.find_last_of("/\\");
    const std::size_t anfang = schnitt == std::string_view::npos ? 0 : schnitt + 1;
    std::string ordner(name.substr(0, anfang));
    std::string datei(name.substr(anfang));
    const std::size_t punkt = datei.find_last_of('.');
    if (punkt != std::string::npos && punkt > 0)
        datei.erase(punkt);
    if (datei.empty() || datei == ".")
        datei = "Tabelle";
    return ordner + datei + (csv ? ".csv" : ".txt");
}

bool SchreibeTabellendatei(const std::filesystem::path& datei, std::string_view bytes, std::string& fehler)
{
    return saveFileSafely(datei, bytes, fehler);
}

} // namespace umbrin
