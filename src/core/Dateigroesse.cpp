#include "core/Dateigroesse.h"

#include "core/Dateifehler.h"
#include "core/SafeSave.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace umbrin {
namespace {

constexpr std::uint64_t kMB = 1024 * 1024;
constexpr std::uint64_t kGB = 1024 * kMB;

struct Art {
    std::uint64_t groesste;
    const char* deutsch;
    const char* englisch;
};

Art art(Dateiart a)
{
    switch (a) {
    case Dateiart::Einstellungen: return {4 * kMB, "eine Einstellungsdatei", "a settings file"};
    case Dateiart::Konstruktionsdaten: return {4 * kMB, "eine Datei mit Konstruktionsdaten", "a construction-data file"};
    case Dateiart::Starteinstellungen: return {4 * kMB, "eine Datei mit Starteinstellungen", "a start-settings file"};
    case Dateiart::Datumsdatei: return {4 * kMB, "eine Datumsdatei", "a date file"};
    case Dateiart::Horizontprofil: return {4 * kMB, "ein Horizontprofil", "a horizon profile"};
    case Dateiart::Hoehengitter: return {512 * kMB, "eine Kachel mit Höhendaten", "an elevation tile"};
    case Dateiart::Kartendaten: return {256 * kMB, "eine Kartendatei", "a map data file"};
    case Dateiart::Startbild: return {64 * kMB, "ein Startbild", "a start picture"};
    }
    return {4 * kMB, "eine Datei dieser Art", "a file of this kind"};
}

// A size for people, with "." as the decimal point whatever the locale: "2.0 GB", "4 MB".
std::string lesbareGroesse(std::uint64_t bytes)
{
    const auto zehntel = [](std::uint64_t n, std::uint64_t einheit) {
        const std::uint64_t z = (n * 10 + einheit / 2) / einheit;
        return std::to_string(z / 10) + (z % 10 ? "." + std::to_string(z % 10) : std::string());
    };
    if (bytes >= kGB)
        return zehntel(bytes, kGB) + " GB";
    if (bytes >= kMB)
        return zehntel(bytes, kMB) + " MB";
    return std::to_string(bytes) + " Bytes";
}

} // namespace

std::uint64_t groessteDatei(Dateiart a) { return art(a).groesste; }

Dateiart einstellungsArt(const std::filesystem::path& datei)
{
    std::string endung = datei.extension().string();
    for (char& c : endung)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (endung == ".umb")
        return Dateiart::Konstruktionsdaten;
    if (endung == ".ham")
        return Dateiart::Starteinstellungen;
    return Dateiart::Einstellungen;
}

std::string zuGrossText(const std::filesystem::path& datei, std::uint64_t groesse, Dateiart a, bool deutsch)
{
    const Art k = art(a);
    const std::string name = "\"" + datei.string() + "\"";
    const char* bytes = deutsch ? " Bytes" : " bytes";
    // A size just over the limit rounds to the limit's own figure: it is then "over" it.
    const std::string grenze = lesbareGroesse(k.groesste);
    const bool gleich = groesse > k.groesste && lesbareGroesse(groesse) == grenze;
    const std::string wieviel = std::to_string(groesse) + bytes + " (" + (gleich ? (deutsch ? "über " : "over ") : "")
                                + lesbareGroesse(groesse) + ")";
    const std::string hoechstens = std::to_string(k.groesste) + bytes + ", " + grenze;
    if (deutsch)
        return "Die Datei " + name + " hat " + wieviel + ": zu groß für " + k.deutsch + " (höchstens " + hoechstens
            + "). Sie wird nicht gelesen.";
    return "The file " + name + " has " + wieviel + ": too large for " + k.englisch + " (at most " + hoechstens
        + "). It is not read.";
}

bool groesseZulaessig(const std::filesystem::path& datei, std::uint64_t groesse, Dateiart a, std::string& fehler,
                      bool deutsch)
{
    if (groesse <= groessteDatei(a))
        return true;
    fehler = zuGrossText(datei, groesse, a, deutsch);
    return false;
}

bool leseDateiDerArt(const std::filesystem::path& datei, Dateiart a, std::string& bytes, std::string& fehler,
                     bool deutsch)
{
    bytes.clear();
    const int handle = openFileForReading(datei, fehler, deutsch);
    if (handle < 0)
        return false;
    struct stat st {};
    const std::uint64_t groesse = ::fstat(handle, &st) == 0 && st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    if (!groesseZulaessig(datei, groesse, a, fehler, deutsch)) {
        ::close(handle);
        return false;
    }
    bytes.reserve(static_cast<std::size_t>(groesse));
    // A file that grows while it is read stops at the limit too.
    const std::uint64_t grenze = groessteDatei(a);
    char puffer[1 << 16];
    int err = 0;
    for (;;) {
        const ssize_t n = ::read(handle, puffer, sizeof puffer);
        if (n > 0) {
            bytes.append(puffer, static_cast<std::size_t>(n));
            if (bytes.size() > grenze)
                break;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            err = errno;
        break;
    }
    ::close(handle);
    if (err != 0) {
        bytes.clear();
        fehler = dateifehlerText(Dateivorgang::Lesen, datei, err, deutsch);
        return false;
    }
    if (bytes.size() > grenze) {
        const std::uint64_t gelesen = bytes.size();
        bytes.clear();
        bytes.shrink_to_fit();
        return groesseZulaessig(datei, gelesen, a, fehler, deutsch);
    }
    return true;
}

} // namespace umbrin
