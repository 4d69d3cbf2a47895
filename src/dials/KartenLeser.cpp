#include "dials/KartenLeser.h"

#include "core/Dateigroesse.h"
#include "core/TextEncoding.h"
#include "core/Textumformung.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace umbrin {

namespace {

bool istZahlZeichen(char c)
{
    return c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9');
}

bool istLeer(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view ohneFuehrendeLeerzeichen(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && istLeer(s[i]))
        ++i;
    return s.substr(i);
}

std::string_view ohneWagenruecklauf(std::string_view s)
{
    if (!s.empty() && s.back() == '\r')
        s.remove_suffix(1);
    return s;
}

bool istTrennzeile(std::string_view zeile, const KartenTrennRegel& regel)
{
    const std::string_view gemessen = regel.ohneFuehrendeLeerzeichen ? ohneFuehrendeLeerzeichen(zeile) : zeile;
    if (gemessen.size() <= regel.kurzeZeile)
        return true;
    if (regel.raute && zeile.front() == '#')
        return true;
    return regel.spitzeKlammer && zeile.front() == '<';
}

char kleinbuchstabe(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool gleichOhneGross(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return kleinbuchstabe(x) == kleinbuchstabe(y); });
}

// Reads the lines one by one into polylines; shared by every form of input.
class Polylinienbauer {
public:
    Polylinienbauer(const KartenTrennRegel& regel, const std::optional<KartenFenster>& fenster)
        : regel_(regel), fenster_(fenster)
    {
    }

    void zeile(std::string_view roh)
    {
        ++nummer_;
        const std::string_view zeile = ohneWagenruecklauf(roh);
        if (istTrennzeile(zeile, regel_)) {
            neu_ = true;
            return;
        }
        const KartenFelder felder = zerlegeKartenZeile(ohneFuehrendeLeerzeichen(zeile));
        double laengeOst = 0;
        double breite = 0;
        if (!leseKartenZahl(felder.erstes, laengeOst) || !leseKartenZahl(felder.zweites, breite)) {
            lesung_.fehler.melde(nummer_, felder);
            neu_ = true;
            return;
        }
        if (fenster_ && fenster_->ausserhalbFenster(breite, laengeOst)) {
            neu_ = true;
            return;
        }
        if (neu_ || lesung_.polylinien.empty()) {
            lesung_.polylinien.emplace_back();
            neu_ = false;
        }
        lesung_.polylinien.back().push_back({breite, -laengeOst});
        ++lesung_.punkte;
    }

    KartenLesung ergebnis() { return std::move(lesung_); }

private:
    const KartenTrennRegel& regel_;
    const std::optional<KartenFenster>& fenster_;
    KartenLesung lesung_;
    std::size_t nummer_ = 0;
    bool neu_ = true;
};

template <typename Zeile>
KartenLesung leseZeilen(std::span<const Zeile> zeilen, const KartenTrennRegel& regel,
                        const std::optional<KartenFenster>& fenster)
{
    Polylinienbauer bauer(regel, fenster);
    for (const auto& z : zeilen)
        bauer.zeile(z);
    return bauer.ergebnis();
}

} // namespace

KartenFelder zerlegeKartenZeile(std::string_view zeile)
{
    std::size_t ende = 0;
    while (ende < zeile.size() && istZahlZeichen(zeile[ende]))
        ++ende;
    KartenFelder felder;
    felder.erstes = zeile.substr(0, ende);
    std::string_view rest = zeile.substr(ende, 40);
    std::size_t anfang = 0;
    while (anfang < rest.size() && !istZahlZeichen(rest[anfang]))
        ++anfang;
    felder.zweites = rest.substr(anfang);
    return felder;
}

bool leseKartenZahl(std::string_view feld, double& wert)
{
    while (!feld.empty() && istLeer(feld.back()))
        feld.remove_suffix(1);
    bool negativ = false;
    if (!feld.empty() && (feld.front() == '+' || feld.front() == '-')) {
        negativ = feld.front() == '-';
        feld.remove_prefix(1);
    }
    std::size_t ziffern = 0;
    std::size_t punkte = 0;
    std::size_t nachkomma = 0;
    std::uint64_t mantisse = 0;
    for (char c : feld) {
        if (c == '.') {
            ++punkte;
        } else if (c >= '0' && c <= '9') {
            ++ziffern;
            nachkomma += punkte;
            if (ziffern <= 15)
                mantisse = mantisse * 10 + static_cast<std::uint64_t>(c - '0');
        } else {
            return false;
        }
    }
    if (ziffern == 0 || punkte > 1)
        return false;
    // The map's numbers are short: an integer below 2^53 divided by an exact power of ten is
    // the correctly rounded value, the same that the full conversion gives.
    static constexpr double kZehnerpotenzen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
                                                 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (ziffern <= 15 && nachkomma <= 15) {
        const double v = static_cast<double>(mantisse) / kZehnerpotenzen[nachkomma];
        wert = negativ ? -v : v;
        return true;
    }
    double v = 0;
    const auto [ende, fehler] = std::from_chars(feld.data(), feld.data() + feld.size(), v, std::chars_format::fixed);
    if (fehler != std::errc() || ende != feld.data() + feld.size() || !std::isfinite(v))
        return false;
    wert = negativ ? -v : v;
    return true;
}

void KartenZeilenFehler::melde(std::size_t zeile, const KartenFelder& felder)
{
    if (anzahl++ > 0)
        return;
    ersteZeile = zeile;
    erstesFeld = zitatAusDatei(decodeFileText(felder.erstes));
    zweitesFeld = zitatAusDatei(decodeFileText(felder.zweites));
}

KartenLesung leseKartenZeilen(std::span<const std::string> zeilen, const KartenTrennRegel& regel,
                              const std::optional<KartenFenster>& fenster)
{
    return leseZeilen(zeilen, regel, fenster);
}

KartenLesung leseKartenZeilen(std::span<const std::string_view> zeilen, const KartenTrennRegel& regel,
                              const std::optional<KartenFenster>& fenster)
{
    return leseZeilen(zeilen, regel, fenster);
}

KartenLesung leseKartenText(std::string_view text, const KartenTrennRegel& regel,
                            const std::optional<KartenFenster>& fenster)
{
    Polylinienbauer bauer(regel, fenster);
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        if (lf == std::string_view::npos) {
            bauer.zeile(text);
            break;
        }
        bauer.zeile(text.substr(0, lf));
        text.remove_prefix(lf + 1);
    }
    return bauer.ergebnis();
}

bool leseKartenDatei(const std::filesystem::path& datei, const KartenTrennRegel& regel, KartenLesung& lesung,
                     std::string& fehler, bool deutsch, const std::optional<KartenFenster>& fenster)
{
    std::string bytes;
    if (!leseDateiDerArt(datei, Dateiart::Kartendaten, bytes, fehler, deutsch))
        return false;
    lesung = leseKartenText(bytes, regel, fenster);
    return true;
}

std::optional<std::filesystem::path> findeKartenDatei(const std::filesystem::path& ordner, std::string_view name)
{
    std::error_code ec;
    const std::filesystem::path genau = ordner / std::filesystem::path(std::string(name));
    if (std::filesystem::is_regular_file(genau, ec))
        return genau;

    std::optional<std::filesystem::path> gefunden;
    std::filesystem::directory_iterator it(ordner, ec);
    if (ec)
        return std::nullopt;
    for (const std::filesystem::directory_iterator ende; it != ende; it.increment(ec)) {
        if (ec)
            break;
        const std::filesystem::path& p = it->path();
        if (!gleichOhneGross(p.filename().string(), name) || !it->is_regular_file(ec))
            continue;
        if (!gefunden || p.filename() < gefunden->filename())
            gefunden = p;
    }
    return gefunden;
}

std::string kartenLeseMeldung(const KartenLesung& lesung, std::string_view quelle, bool deutsch)
{
    const KartenZeilenFehler& f = lesung.fehler;
    if (f.anzahl == 0)
        return {};
    std::string text = f.zweitesFeld + " / " + f.erstesFeld + " : "
        + (deutsch ? "Das ist keine reelle Zahl." : "This is not a real number !");
    const std::string zeile = std::to_string(f.ersteZeile);
    const std::string anzahl = std::to_string(f.anzahl);
    text += "\n";
    if (deutsch)
        text += "(" + std::string(quelle) + ", Zeile " + zeile + "; " + anzahl
            + (f.anzahl == 1 ? " Zeile" : " Zeilen") + " ohne Punkt übergangen)";
    else
        text += "(" + std::string(quelle) + ", line " + zeile + "; " + anzahl
            + (f.anzahl == 1 ? " line" : " lines") + " without a point skipped)";
    return text;
}

} // namespace umbrin
