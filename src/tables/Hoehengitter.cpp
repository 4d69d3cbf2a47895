#include "tables/Hoehengitter.h"

#include "core/Dateifehler.h"
#include "core/Dateigroesse.h"
#include "core/Eingabepruefung.h"
#include "core/Rounding.h"
#include "core/SafeSave.h"
#include "core/Zahlenformat.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrin {

namespace {

const char* sprache(int spalte, const char* de, const char* en) { return spalte == 2 ? en : de; }

bool istBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool beginntMit(std::string_view text, std::string_view anfang)
{
    if (text.size() < anfang.size())
        return false;
    for (std::size_t i = 0; i < anfang.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != anfang[i])
            return false;
    return true;
}

long double aufTausendstel(long double x) { return static_cast<long double>(roundHalfEven(x * 1000.0L)) / 1000.0L; }

} // namespace

std::string ErsetzeText(std::string_view text, std::string_view alt, std::string_view neu)
{
    std::string t(text);
    if (alt.empty())
        return t;
    const std::size_t pos = t.find(alt);
    if (pos != std::string::npos)
        t.replace(pos, alt.size(), neu);
    return t;
}

Kopflesung leseKachelkopf(const std::vector<std::string>& kopfzeilen, std::string_view dateiname, int sprachspalte)
{
    Kopflesung l;
    static const char* const schluessel[6] = {"ncols", "nrows", "xll", "yll", "cellsize", "nodata"};
    long double werte[6] = {};
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string_view z = i < kopfzeilen.size() ? std::string_view(kopfzeilen[i]) : std::string_view{};
        const std::size_t blank = z.find_first_of(" \t");
        std::optional<double> w;
        if (beginntMit(z, schluessel[i]) && blank != std::string_view::npos) {
            std::string zahl(z.substr(blank));
            zahl = ErsetzeText(zahl, ",", ".");
            const std::size_t a = zahl.find_first_not_of(" \t");
            const std::size_t b = zahl.find_last_not_of(" \t\r");
            if (a != std::string::npos)
                w = leseReal(zahl.substr(a, b - a + 1));
        }
        if (!w) {
            l.fehler = std::string(sprache(sprachspalte, "Höhendaten ", "Elevation data ")) + std::string(dateiname) +
                       sprache(sprachspalte, ", Zeile ", ", line ") + IntStr(static_cast<std::int64_t>(i) + 1) +
                       sprache(sprachspalte, ": \"", ": \"") + schluessel[i] +
                       sprache(sprachspalte, "\" mit einer Zahl erwartet.", "\" with a number expected.");
            return l;
        }
        werte[i] = *w;
    }
    auto falsch = [&](const char* de, const char* en) {
        l.fehler = std::string(sprache(sprachspalte, "Höhendaten ", "Elevation data ")) + std::string(dateiname) +
                   ": " + sprache(sprachspalte, de, en);
        return l;
    };
    constexpr long double maxZellen = 100000;
    if (werte[0] < 1 || werte[0] > maxZellen || werte[0] != std::floor(werte[0]) || werte[1] < 2 ||
        werte[1] > maxZellen || werte[1] != std::floor(werte[1]))
        return falsch("Spalten- oder Zeilenzahl ungültig.", "invalid column or row count.");
    if (!(werte[4] > 0 && werte[4] <= 1))
        return falsch("Zellgröße ungültig.", "invalid cell size.");
    if (std::fabs(werte[2]) > 180 || std::fabs(werte[3]) > 90)
        return falsch("Lage der Kachel ungültig.", "invalid position of the tile.");
    if (std::fabs(werte[5]) > std::numeric_limits<std::int32_t>::max())
        return falsch("Wert für fehlende Daten ungültig.", "invalid no-data value.");

    Kachelkopf k;
    k.spalten = static_cast<std::int32_t>(werte[0]);
    k.zeilenDatei = static_cast<std::int32_t>(werte[1]);
    k.ersteZeileWeg = k.zeilenDatei % 100 == 1;
    k.Zeilenzahl = k.zeilenDatei - (k.ersteZeileWeg ? 1 : 0);
    k.Zellgroesse = std::fabs(werte[4] - 0.000278L) < 1e-9L ? 1.0L / 3600.0L : werte[4];
    k.Westrand = aufTausendstel(werte[2]);
    k.Kachelgrad = static_cast<std::int32_t>(roundHalfEven(k.Zeilenzahl * k.Zellgroesse));
    if (k.Kachelgrad < 1)
        return falsch("die Kachel muss mindestens ein Grad umfassen.", "the tile must span at least one degree.");
    k.Nordrand = aufTausendstel(werte[3] + k.Kachelgrad);
    // Published tiles put their edges half a cell outside whole degrees, so one cell of slack
    // is allowed at every edge of the earth.
    const long double ostrand = werte[2] + k.spalten * k.Zellgroesse;
    if (werte[3] < -90 - k.Zellgroesse || k.Nordrand > 90 + k.Zellgroesse || ostrand > 180 + k.Zellgroesse)
        return falsch("die Kachel reicht über die Erde hinaus (Breite -90 bis 90, Länge -180 bis 180 Grad).",
                      "the tile reaches beyond the earth (latitude -90 to 90, longitude -180 to 180 degrees).");
    k.KeinWert = static_cast<std::int32_t>(roundHalfEven(werte[5]));
    l.kopf = k;
    return l;
}

Zeilenwerte leseGitterzeile(std::string_view zeile, std::int32_t keinWert, std::vector<std::int32_t>& werte)
{
    Zeilenwerte z;
    werte.clear();
    const char* p = zeile.data();
    const char* const e = p + zeile.size();
    for (;;) {
        while (p < e && istBlank(*p))
            ++p;
        if (p >= e)
            break;
        const char* const t = p;
        bool negativ = false;
        if (*p == '-' || *p == '+')
            negativ = *p++ == '-';
        std::int64_t v = 0;
        int ziffern = 0;
        while (p < e && static_cast<unsigned>(*p - '0') < 10) {
            if (ziffern < 12)
                v = v * 10 + (*p - '0');
            ++p;
            ++ziffern;
        }
        bool gut = ziffern > 0 && ziffern < 11;
        if (p < e && !istBlank(*p)) {
            // A decimal fraction or a faulty token: read the whole token.
            const char* te = p;
            while (te < e && !istBlank(*te))
                ++te;
            double d = 0;
            const char* start = *t == '+' ? t + 1 : t;
            const auto r = std::from_chars(start, te, d);
            gut = r.ec == std::errc() && r.ptr == te && std::fabs(d) < 2e9;
            v = gut ? std::llabs(roundHalfEven(d)) : 0;
            negativ = d < 0;
            p = te;
        }
        if (gut && v > std::numeric_limits<std::int32_t>::max())
            gut = false;
        if (!gut)
            z.fehlerhaft = true;
        const std::int64_t h = negativ ? -v : v;
        werte.push_back(gut && h >= kTiefsteHoehe && h <= kHoechsteHoehe ? static_cast<std::int32_t>(h) : keinWert);
    }
    z.anzahl = werte.size();
    return z;
}

std::optional<std::int32_t> LeseZahl(std::string_view zeile, std::int32_t spalte, long double anteil,
                                     std::int32_t keinWert)
{
    std::vector<std::int32_t> werte;
    leseGitterzeile(zeile, keinWert, werte);
    if (spalte < 0 || static_cast<std::size_t>(spalte) >= werte.size())
        return std::nullopt;
    const std::int32_t h0 = werte[static_cast<std::size_t>(spalte)];
    if (h0 == keinWert)
        return std::nullopt;
    const std::size_t n = static_cast<std::size_t>(spalte) + 1;
    const std::int32_t h1 = n < werte.size() && werte[n] != keinWert ? werte[n] : h0;
    return static_cast<std::int32_t>(roundHalfEven(h0 + anteil * (static_cast<long double>(h1) - h0)));
}

Zeilenleser::~Zeilenleser()
{
    if (datei_)
        std::fclose(datei_);
}

bool Zeilenleser::oeffne(const std::filesystem::path& datei, bool deutsch, std::uint64_t grenze)
{
    name_ = datei;
    deutsch_ = deutsch;
    grenze_ = grenze ? grenze : groessteDatei(Dateiart::Hoehengitter);
    ausDatei_ = 0;
    rest_ = false;
    if (datei_)
        std::fclose(datei_);
    datei_ = nullptr;
    fehler_.clear();
    // Only a regular file: a pipe or a device would never end or never answer. A file far
    // larger than a tile is refused before it is read: a line without an end would grow the
    // buffer to the file's size.
    int handle = openFileForReading(datei, fehler_, deutsch);
    struct stat st {};
    if (handle >= 0 && ::fstat(handle, &st) != 0) {
        fehler_ = dateifehlerText(Dateivorgang::Lesen, datei, errno, deutsch);
        ::close(handle);
        handle = -1;
    }
    const std::uint64_t groesse = handle >= 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    if (handle >= 0 && groesse > grenze_) {
        fehler_ = zuGrossText(datei, groesse, Dateiart::Hoehengitter, deutsch);
        ::close(handle);
        handle = -1;
    }
    datei_ = handle >= 0 ? ::fdopen(handle, "rb") : nullptr;
    if (handle >= 0 && !datei_) {
        fehler_ = dateifehlerText(Dateivorgang::Lesen, datei, errno, deutsch);
        ::close(handle);
    }
    anfang_ = ende_ = 0;
    gelesen_ = 0;
    dateiende_ = datei_ == nullptr;
    groesse_ = datei_ ? groesse : 0;
    if (puffer_.empty())
        puffer_.resize(1 << 20);
    return datei_ != nullptr;
}

bool Zeilenleser::nachfuellen()
{
    if (dateiende_)
        return false;
    if (anfang_ > 0) {
        std::memmove(puffer_.data(), puffer_.data() + anfang_, ende_ - anfang_);
        ende_ -= anfang_;
        anfang_ = 0;
    }
    // The file is read to one byte past the limit at most: a file that grows while it is
    // read ends there, and no line grows the buffer beyond the limit.
    const std::uint64_t erlaubt = grenze_ + 1 - std::min(ausDatei_, grenze_ + 1);
    if (ende_ == puffer_.size())
        puffer_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(puffer_.size() * 2, ende_ + erlaubt)));
    const std::size_t wunsch = static_cast<std::size_t>(std::min<std::uint64_t>(puffer_.size() - ende_, erlaubt));
    const std::size_t n = wunsch ? std::fread(puffer_.data() + ende_, 1, wunsch, datei_) : 0;
    ausDatei_ += n;
    if (ausDatei_ > grenze_) {
        fehler_ = zuGrossText(name_, ausDatei_, Dateiart::Hoehengitter, deutsch_);
        ende_ = anfang_;
        dateiende_ = true;
        return false;
    }
    if (n == 0)
        dateiende_ = true;
    ende_ += n;
    return n > 0;
}

bool Zeilenleser::naechsteZeile(std::string_view& zeile, std::size_t hoechstens)
{
    // A file that begins with UTF-8's byte-order mark is read as without it.
    if (gelesen_ == 0 && !rest_) {
        while (ende_ - anfang_ < 3 && nachfuellen()) {
        }
        if (ende_ - anfang_ >= 3 && std::memcmp(puffer_.data() + anfang_, "\xEF\xBB\xBF", 3) == 0) {
            anfang_ += 3;
            gelesen_ += 3;
        }
    }
    // First the rest of a line cut short, dropped as it arrives.
    while (rest_) {
        const void* nl = std::memchr(puffer_.data() + anfang_, '\n', ende_ - anfang_);
        if (nl) {
            const std::size_t pos = static_cast<std::size_t>(static_cast<const char*>(nl) - puffer_.data());
            gelesen_ += pos + 1 - anfang_;
            anfang_ = pos + 1;
            rest_ = false;
            break;
        }
        gelesen_ += ende_ - anfang_;
        anfang_ = ende_;
        if (!nachfuellen())
            return false;
    }
    std::size_t gesucht = anfang_;
    for (;;) {
        const void* nl = gesucht < ende_ ? std::memchr(puffer_.data() + gesucht, '\n', ende_ - gesucht) : nullptr;
        if (nl) {
            const std::size_t pos = static_cast<std::size_t>(static_cast<const char*>(nl) - puffer_.data());
            zeile = std::string_view(puffer_.data() + anfang_, pos - anfang_);
            gelesen_ += pos + 1 - anfang_;
            anfang_ = pos + 1;
            break;
        }
        const std::size_t schon = ende_ - anfang_;
        if (schon > hoechstens) {
            zeile = std::string_view(puffer_.data() + anfang_, hoechstens);
            gelesen_ += hoechstens;
            anfang_ += hoechstens;
            rest_ = true;
            break;
        }
        if (!nachfuellen()) {
            if (ende_ == anfang_)
                return false;
            zeile = std::string_view(puffer_.data() + anfang_, ende_ - anfang_);
            gelesen_ += ende_ - anfang_;
            anfang_ = ende_;
            break;
        }
        gesucht = anfang_ + schon;
    }
    if (!zeile.empty() && zeile.back() == '\r')
        zeile.remove_suffix(1);
    zeile = zeile.substr(0, hoechstens);
    return true;
}

} // namespace umbrin
