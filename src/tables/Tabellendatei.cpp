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

// The 12 cells of a day row of a year table, cut at their fixed positions (7 characters
// from 7k - 3, or 9 from 9k - 5 in the transit table). A value longer than its cell (an
// equation of time with a longitude correction of more than 99 minutes) takes the characters
// up to the next blank, and the later cuts move by as much, so every value keeps its column.
void jahreszeileCsv(const std::string& zeile, bool durchgang, std::string& aus)
{
    const int breite = durchgang ? 9 : 7;
    int verschoben = 0;
    aus += kopie(zeile, 1, 3);
    for (int k = 1; k <= 12; ++k) {
        const int pos = breite * k - breite + 4 + verschoben;
        std::string zelle = kopie(zeile, pos, breite);
        const auto zeichen = [&](int p) { return p >= 1 && static_cast<std::size_t>(p) <= zeile.size() ? zeile[p - 1] : ' '; };
        if (zelle.size() == static_cast<std::size_t>(breite) && zelle.back() != ' ') {
            for (int p = pos + breite; zeichen(p) != ' '; ++p) {
                zelle += zeichen(p);
                ++verschoben;
            }
        }
        aus += ";" + zelle;
    }
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
        jahreszeileCsv(zeile, e.durchgang, aus);
        aus += kZeilenende;
    }
}

// A clock time of a rise-and-set field (hours right-aligned in three characters, ":" and two
// digits of minutes) or " -----" for an event not found.
bool istUhrzeit(std::string_view f)
{
    if (f == " -----")
        return true;
    const auto ziffer = [](char c) { return c >= '0' && c <= '9'; };
    if (f.size() != 6 || f[3] != ':' || !ziffer(f[2]) || !ziffer(f[4]) || !ziffer(f[5]))
        return false;
    return (f[0] == ' ' || f[0] == '-' || ziffer(f[0])) && (f[1] == ' ' || f[1] == '-' || ziffer(f[1]));
}

// An equation of time "m:ss" right-aligned in six characters.
bool istMinSek(std::string_view f)
{
    const std::size_t doppelpunkt = f.find(':');
    return f.size() == 6 && doppelpunkt != std::string_view::npos && doppelpunkt + 3 == f.size()
           && f.find_first_not_of(" -0123456789:") == std::string_view::npos;
}

std::string ohneRand(std::string_view t)
{
    const std::size_t a = t.find_first_not_of(' ');
    if (a == std::string_view::npos)
        return {};
    return std::string(t.substr(a, t.find_last_not_of(' ') - a + 1));
}

// The two cells of a rise-and-set field of 14 characters at index i of the row: the two times
// with the blank before the first and after the second, as the fixed cuts give them; or a
// text spanning the field (the sun always above the horizon, say) whole in the first cell
// and nothing in the second.
void feldZellen(const std::string& zeile, std::size_t i, std::vector<std::string>& zellen)
{
    const std::string_view feld = std::string_view(zeile).substr(i, 14);
    if (istUhrzeit(feld.substr(0, 6)) && istUhrzeit(feld.substr(6, 6)) && feld.substr(12) == "  ") {
        zellen.push_back(" " + std::string(feld.substr(0, 6)));
        zellen.push_back(std::string(feld.substr(6, 6)) + " ");
        return;
    }
    zellen.push_back(" " + ohneRand(feld));
    zellen.push_back({});
}

constexpr std::string_view kFehltag = "       -------       ";

// The cells of a day row of a month table (the day excluded): 9 for one month (sun, twilight
// and moon with two cells each, the equation of time, the declination and an empty last
// cell), 18 for a half year (rise, set and equation of time of six months). A text that spans
// cells goes into one cell and every later value stays in its column; a row of another shape
// (the days dropped in October 1582) gives its text in the first cell. Empty when the row has
// neither shape.
std::vector<std::string> monatsZellen(const std::string& zeile, bool halbjahr)
{
    std::vector<std::string> zellen;
    const std::string_view z(zeile);
    if (halbjahr) {
        for (std::size_t m = 0; m < 6; ++m) {
            const std::size_t i = 5 + 21 * m;
            if (z.size() < i + 21)
                return {};
            if (z.substr(i, 21) == kFehltag) {
                zellen.insert(zellen.end(), {std::string(), "-------", std::string()});
                continue;
            }
            if (!istMinSek(z.substr(i + 14, 6)))
                return {};
            feldZellen(zeile, i, zellen);
            zellen.push_back(" " + std::string(z.substr(i + 14, 6)));
        }
        return zellen;
    }
    if (z.size() >= 60 && istMinSek(z.substr(47, 6))) {
        for (std::size_t j = 0; j < 3; ++j)
            feldZellen(zeile, 5 + 14 * j, zellen);
        zellen.push_back(" " + std::string(z.substr(47, 6)));
        zellen.push_back(std::string(z.substr(53, 7)));
        zellen.push_back(std::string(z.substr(std::min<std::size_t>(z.size(), 60), 7)));
        return zellen;
    }
    if (z.size() <= 5)
        return {};
    zellen.assign(9, std::string());
    zellen[0] = " " + ohneRand(z.substr(5));
    return zellen;
}

// The cells of the units row under the column heads ("auf/unter ... mm:ss Grad"): its words,
// a "/" parting the two of a rise-and-set pair, one to a column of the day rows (the single
// month's last, empty column included). Empty when the row holds another number of words.
std::vector<std::string> einheitenZellen(const std::string& zeile, bool halbjahr)
{
    std::vector<std::string> zellen;
    std::string wort;
    for (std::size_t i = 5; i <= zeile.size(); ++i) {
        if (i == zeile.size() || zeile[i] == ' ' || zeile[i] == '/') {
            if (!wort.empty())
                zellen.push_back(" " + wort);
            wort.clear();
        } else {
            wort += zeile[i];
        }
    }
    if (zellen.size() != (halbjahr ? 18u : 8u))
        return {};
    if (!halbjahr)
        zellen.emplace_back();
    return zellen;
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
                // The last column of the day rows is empty, and every row ends with ";".
                aus += kopie(zeile, 46, 7) + ";" + kopie(zeile, 54, 8) + ";;";
            }
            aus += kZeilenende;
        } else if (i + 2 >= n) {
            aus += ";" + zeile + kZeilenende;
        } else {
            aus += " " + kopie(zeile, 1, 5);
            std::vector<std::string> zellen = i == 6 ? einheitenZellen(zeile, halbjahr) : monatsZellen(zeile, halbjahr);
            if (zellen.empty()) {
                for (int k = 0; k < (halbjahr ? 18 : 9); ++k)
                    zellen.push_back(kopie(zeile, 7 * k + 5, 7));
            }
            for (const std::string& zelle : zellen)
                aus += ";" + zelle;
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

bool SchreibeTabellendatei(const std::filesystem::path& datei, std::string_view bytes, std::string& fehler, bool deutsch)
{
    return saveFileSafely(datei, bytes, fehler, deutsch);
}

CsvTrennerFrage csvTrennerFrage(bool deutsch)
{
    if (deutsch)
        return {"csv-trennzeichen wählen \r\nja = Standard (;) oder nein = Komma (,)", "ja", "nein"};
    return {"Choose the csv separator \r\nYes = standard (;) or No = comma (,)", "Yes", "No"};
}

std::string tabellenSchreibfehlerText(std::string_view datei, std::string_view fehler, bool deutsch)
{
    std::string text = deutsch ? "Fehler beim Öffnen: Datei  " : "Open error: File  ";
    return text.append(datei).append("\r\n").append(fehler);
}

std::string speicherfehlerText(std::string_view datei, std::string_view fehler, bool deutsch)
{
    std::string text = deutsch ? "Fehler beim Speichern: Datei  " : "Save error: File  ";
    return text.append(datei).append("\n").append(fehler);
}

} // namespace umbrin
