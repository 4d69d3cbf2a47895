#include "drawing/KartenWerkzeuge.h"

#include "core/Rounding.h"
#include "core/Dateigroesse.h"
#include "core/SafeSave.h"
#include "core/TextEncoding.h"

#include <cmath>
#include <cstdint>
#include <functional>

namespace umbrin {

namespace {

std::string_view ohneFuehrendeLeerzeichen(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    return s.substr(i);
}

// A point line of the thinning and joining tools: at least 7 characters, beginning with "+",
// ",", "-" or a digit, both after the leading blanks.
bool istPunktzeile(std::string_view zeile)
{
    const std::string_view s = ohneFuehrendeLeerzeichen(zeile);
    if (s.size() < 7)
        return false;
    const char c = s.front();
    return c == '+' || c == ',' || c == '-' || (c >= '0' && c <= '9');
}

bool hatZiffer(std::string_view s)
{
    for (char c : s)
        if (c >= '0' && c <= '9')
            return true;
    return false;
}

// Largest magnitude taken as a coordinate: rounding it to six decimals stays well inside the
// 64-bit integers.
constexpr double kGroessterWert = 1e12;

bool leseFelder(const KartenFelder& felder, double& erstes, double& zweites)
{
    return leseKartenZahl(felder.erstes, erstes) && leseKartenZahl(felder.zweites, zweites)
        && std::fabs(erstes) < kGroessterWert && std::fabs(zweites) < kGroessterWert;
}

// The integer m as a number with n decimals ("12345", 3 -> "12.345"), padded on the left with
// blanks to the given width.
std::string festKomma(std::int64_t m, int n, std::size_t breite)
{
    const bool negativ = m < 0;
    std::string ziffern = std::to_string(negativ ? -m : m);
    if (ziffern.size() < static_cast<std::size_t>(n) + 1)
        ziffern.insert(0, static_cast<std::size_t>(n) + 1 - ziffern.size(), '0');
    ziffern.insert(ziffern.size() - static_cast<std::size_t>(n), 1, '.');
    if (negativ)
        ziffern.insert(0, 1, '-');
    if (ziffern.size() < breite)
        ziffern.insert(0, breite - ziffern.size(), ' ');
    return ziffern;
}

std::string fehlerZusatz(const KartenZeilenFehler& f, std::string_view behandlung)
{
    if (f.anzahl == 0)
        return {};
    return "\n" + std::to_string(f.anzahl) + " Konversionsfehler, der erste: " + f.erstesFeld + "/" + f.zweitesFeld
        + ": Konversionsfehler in Zeile " + std::to_string(f.ersteZeile) + "; " + std::string(behandlung);
}

std::string pfadText(const std::filesystem::path& p)
{
    return p.string();
}

WerkzeugErgebnis fehlerErgebnis(const std::filesystem::path& ausgabe, std::string text)
{
    WerkzeugErgebnis e;
    e.status = WerkzeugStatus::Fehler;
    e.ausgabe = ausgabe;
    e.titel = PromptTitle::Fehler;
    e.icon = PromptIcon::Question;
    e.meldung = std::move(text);
    return e;
}

struct Rahmen {
    std::string frage;
    PromptButtons knoepfe = PromptButtons::OkCancel;
    PromptAnswer weiter = PromptAnswer::Ok;
    std::string_view schreibFehler = " konnte nicht zum Schreiben geoeffnet werden!";
};

// The frame the four tools share: ask, read the input, process, write the output safely.
// verarbeite turns the input lines into the output lines and returns the closing message.
WerkzeugErgebnis fuehreAus(const std::filesystem::path& eingabe, const std::filesystem::path& ausgabe,
                           const Rahmen& rahmen, UserPrompt& frage,
                           const std::function<std::string(const std::vector<std::string>&, std::vector<std::string>&)>& verarbeite)
{
    if (frage.ask(PromptTitle::Information, PromptIcon::None, rahmen.frage, rahmen.knoepfe) != rahmen.weiter)
        return {};

    std::string bytes;
    std::string lesefehler;
    // The tools speak German only, their reasons too.
    if (!leseDateiDerArt(eingabe, Dateiart::Kartendaten, bytes, lesefehler, true))
        return fehlerErgebnis(ausgabe, "Die Datei " + pfadText(eingabe) + " konnte nicht geoeffnet werden!\n" + lesefehler);

    std::vector<std::string> aus;
    std::string meldung = verarbeite(teileKartenZeilen(decodeFileText(bytes)), aus);

    std::string text;
    for (const std::string& z : aus) {
        text += z;
        text += "\r\n";
    }
    std::string schreibfehler;
    if (!saveFileSafely(ausgabe, utf8ToCp1252(text), schreibfehler))
        return fehlerErgebnis(ausgabe, "Die Datei " + pfadText(ausgabe) + std::string(rahmen.schreibFehler) + "\n" + schreibfehler);

    WerkzeugErgebnis e;
    e.status = WerkzeugStatus::Gespeichert;
    e.ausgabe = ausgabe;
    e.meldung = std::move(meldung);
    return e;
}

} // namespace

std::filesystem::path werkzeugAusgabeName(const std::filesystem::path& eingabe, KartenWerkzeug werkzeug, int dezimalen)
{
    const std::string name = eingabe.filename().string();
    std::string neu = name.substr(0, name.find('.'));
    switch (werkzeug) {
    case KartenWerkzeug::Halbieren: neu += "_halb.dat"; break;
    case KartenWerkzeug::Verbinden: neu += "_verbd.dat"; break;
    case KartenWerkzeug::Kuerzen: neu += "_Dez_" + std::to_string(dezimalen) + ".dat"; break;
    case KartenWerkzeug::Suchen: neu += "_Info.dat"; break;
    }
    return eingabe.parent_path() / neu;
}

std::vector<std::string> teileKartenZeilen(std::string_view text)
{
    std::vector<std::string> zeilen;
    std::string zeile;
    bool offen = false;
    for (char c : text) {
        if (c == '\r')
            continue;
        if (c == '\n') {
            zeilen.push_back(std::move(zeile));
            zeile.clear();
            offen = false;
            continue;
        }
        zeile += c;
        offen = true;
    }
    if (offen)
        zeilen.push_back(std::move(zeile));
    return zeilen;
}

std::vector<std::string> halbiereZeilen(const std::vector<std::string>& zeilen)
{
    std::vector<std::string> aus;
    std::string vorige;    // the line read last
    std::string vorvorige; // the one before it
    bool erster = true;    // the next point line opens a polyline
    bool auslassen = false;
    bool letzteAusgelassen = false;
    for (const std::string& z : zeilen) {
        if (!z.empty() && !istPunktzeile(z)) {
            // Keep the polyline's last point (written once more when the alternation kept it
            // already) and the separator itself.
            if (!vorige.empty() && vorige != vorvorige)
                aus.push_back(vorige);
            if (z != vorige)
                aus.push_back(z);
            erster = true;
            letzteAusgelassen = false;
        } else if (erster || !auslassen) {
            aus.push_back(z);
            erster = false;
            auslassen = true;
            letzteAusgelassen = false;
        } else {
            auslassen = false;
            letzteAusgelassen = true;
        }
        vorvorige = std::move(vorige);
        vorige = z;
    }
    if (letzteAusgelassen)
        aus.push_back(vorige);
    return aus;
}

VerbindeErgebnis verbindeZeilen(const std::vector<std::string>& zeilen)
{
    VerbindeErgebnis e;
    std::string a, b, c; // a the oldest of the last three lines, c the newest
    for (const std::string& z : zeilen) {
        a = std::move(b);
        b = std::move(c);
        c = z;
        if (a == c && istPunktzeile(a) && !istPunktzeile(b)) {
            b.clear();
            c.clear();
            ++e.verbunden;
        }
        if (!a.empty())
            e.zeilen.push_back(a);
    }
    if (!b.empty())
        e.zeilen.push_back(b);
    if (!c.empty())
        e.zeilen.push_back(c);
    return e;
}

KuerzeErgebnis kuerzeZeilen(const std::vector<std::string>& zeilen, int dezimalen)
{
    KuerzeErgebnis e;
    if (dezimalen < 1 || dezimalen > 5) {
        e.zeilen = zeilen;
        return e;
    }
    long double f = 1;
    for (int i = 0; i <= dezimalen; ++i)
        f *= 10;
    const std::size_t breite = static_cast<std::size_t>(dezimalen) + 2;

    std::int64_t vorigeErste = 0;
    std::int64_t vorigeZweite = 0;
    bool erster = true;
    for (const std::string& z : zeilen) {
        ++e.zeilenzaehler;
        const std::string_view s = ohneFuehrendeLeerzeichen(z);
        if (s.size() < 7 || s.front() == '#') {
            e.zeilen.push_back(z);
            erster = true;
            continue;
        }
        const KartenFelder felder = zerlegeKartenZeile(s);
        double erstes = 0;
        double zweites = 0;
        if (!leseFelder(felder, erstes, zweites)) {
            e.fehler.melde(e.zeilenzaehler, felder);
            e.zeilen.push_back(z);
            erster = true;
            continue;
        }
        // Rounded to n + 1 decimals, counted in units of that last decimal.
        const std::int64_t k1 = roundHalfEven(f * erstes);
        const std::int64_t k2 = roundHalfEven(f * zweites);
        if (!erster && k1 == vorigeErste && k2 == vorigeZweite)
            continue;
        const std::int64_t m1 = roundHalfEven(static_cast<long double>(k1) / 10);
        const std::int64_t m2 = roundHalfEven(static_cast<long double>(k2) / 10);
        e.zeilen.push_back(festKomma(m1, dezimalen, breite) + "\t" + festKomma(m2, dezimalen, breite));
        vorigeErste = k1;
        vorigeZweite = k2;
        erster = false;
    }
    return e;
}

SucheErgebnis sucheZeilenImFeld(const std::vector<std::string>& zeilen)
{
    SucheErgebnis e;
    for (const std::string& z : zeilen) {
        ++e.zeilenzaehler;
        if (z.empty() || z.front() == '#' || !hatZiffer(z))
            continue;
        const KartenFelder felder = zerlegeKartenZeile(z);
        double laenge = 0;
        double breite = 0;
        if (!leseFelder(felder, laenge, breite)) {
            e.fehler.melde(e.zeilenzaehler, felder);
            continue;
        }
        if (breite >= 52.0 && breite <= 53.2 && laenge > 12.95 && laenge <= 14.0)
            e.zeilennummern.push_back(e.zeilenzaehler);
    }
    return e;
}

WerkzeugErgebnis halbiereDatei(const std::filesystem::path& eingabe, UserPrompt& frage)
{
    const auto ausgabe = werkzeugAusgabeName(eingabe, KartenWerkzeug::Halbieren);
    Rahmen r;
    r.frage = "Die \"halbierte\" Datei wird in " + pfadText(ausgabe) + " gespeicehert!";
    return fuehreAus(eingabe, ausgabe, r, frage, [&](const auto& ein, auto& aus) {
        aus = halbiereZeilen(ein);
        return "Die \"halbierte\" Datei " + pfadText(ausgabe) + " wurde gespeichert";
    });
}

WerkzeugErgebnis verbindeDatei(const std::filesystem::path& eingabe, UserPrompt& frage)
{
    const auto ausgabe = werkzeugAusgabeName(eingabe, KartenWerkzeug::Verbinden);
    Rahmen r;
    r.frage = "Die gekürzten Daten werden in " + pfadText(ausgabe) + " gespeicehert!";
    return fuehreAus(eingabe, ausgabe, r, frage, [&](const auto& ein, auto& aus) {
        VerbindeErgebnis v = verbindeZeilen(ein);
        aus = std::move(v.zeilen);
        return std::to_string(v.verbunden) + " Datenabschnitte verbunden, in Datei " + pfadText(ausgabe) + " gespeichert";
    });
}

WerkzeugErgebnis kuerzeDezimalen(const std::filesystem::path& eingabe, int dezimalen, UserPrompt& frage)
{
    const auto ausgabe = werkzeugAusgabeName(eingabe, KartenWerkzeug::Kuerzen, dezimalen);
    if (dezimalen < 1 || dezimalen > 5)
        return fehlerErgebnis(ausgabe, "Die Daten können nur auf 1 bis 5 Dez.stellen gekuerzt werden.");
    Rahmen r;
    r.frage = "Sollen die Daten werden auf " + std::to_string(dezimalen) + " Dez.stellen gekuerzt werden?";
    r.knoepfe = PromptButtons::YesNoCancel;
    r.weiter = PromptAnswer::Yes;
    return fuehreAus(eingabe, ausgabe, r, frage, [&](const auto& ein, auto& aus) {
        KuerzeErgebnis k = kuerzeZeilen(ein, dezimalen);
        aus = std::move(k.zeilen);
        return std::to_string(k.zeilenzaehler) + " Datensätze in Datei " + pfadText(ausgabe) + " auf "
            + std::to_string(dezimalen) + " Stellen gekürzt"
            + fehlerZusatz(k.fehler, "diese Zeilen sind unverändert übernommen.");
    });
}

WerkzeugErgebnis sucheZeilen(const std::filesystem::path& eingabe, UserPrompt& frage)
{
    const auto ausgabe = werkzeugAusgabeName(eingabe, KartenWerkzeug::Suchen);
    Rahmen r;
    r.frage = "Die Datenzeilen werden gesucht!";
    r.schreibFehler = " konnte zum Schreiben nicht geoeffnet werden!";
    return fuehreAus(eingabe, ausgabe, r, frage, [&](const auto& ein, auto& aus) {
        SucheErgebnis s = sucheZeilenImFeld(ein);
        for (std::size_t n : s.zeilennummern)
            aus.push_back(std::to_string(n));
        return std::to_string(s.zeilenzaehler) + " Zeilennummern in Datei " + pfadText(ausgabe) + " gespeichert"
            + fehlerZusatz(s.fehler, "diese Zeilen sind übergangen.");
    });
}

} // namespace umbrin
