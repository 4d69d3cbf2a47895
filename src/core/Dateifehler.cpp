#include "core/Dateifehler.h"

#include "core/Texttabellen.h"

#include <cerrno>
#include <cstring>

namespace umbrin {
namespace {

constexpr std::size_t kMeldungSchreibschutz = 22;

struct Grund {
    int nummer;
    const char* deutsch;
    const char* englisch;
};

constexpr Grund kGruende[] = {
    {ENOSPC, "Kein Speicherplatz mehr auf dem Datenträger", "No space left on device"},
    {EDQUOT, "Der zugeteilte Speicherplatz ist aufgebraucht", "Disk quota exceeded"},
    {EFBIG, "Die Datei wird zu groß", "File too large"},
    {EACCES, "Zugriff verweigert", "Permission denied"},
    {EPERM, "Der Vorgang ist nicht erlaubt", "Operation not permitted"},
    {EROFS, "Der Datenträger ist schreibgeschützt", "Read-only file system"},
    {ENOENT, "Datei oder Ordner nicht gefunden", "No such file or directory"},
    {ENOTDIR, "Ein Teil des Pfades ist kein Ordner", "Not a directory"},
    {EISDIR, "Der Name ist der eines Ordners", "Is a directory"},
    {ENAMETOOLONG, "Der Dateiname ist zu lang", "File name too long"},
    {ELOOP, "Zu viele symbolische Verknüpfungen", "Too many levels of symbolic links"},
    {EIO, "Ein-/Ausgabefehler", "Input/output error"},
    {EBUSY, "Die Datei ist in Gebrauch", "Device or resource busy"},
    {ETXTBSY, "Die Datei ist in Gebrauch", "Text file busy"},
    {EEXIST, "Die Datei gibt es schon", "File exists"},
    // An open refused by another program's lease on the file (or a mandatory lock).
    {EAGAIN, "Ein anderes Programm hält die Datei gerade fest", "Another program holds the file for the moment"},
    {EMFILE, "Zu viele offene Dateien", "Too many open files"},
    {ENFILE, "Zu viele offene Dateien", "Too many open files in system"},
    {ENOMEM, "Nicht genug Speicher", "Cannot allocate memory"},
    {EINVAL, "Ungültiges Argument", "Invalid argument"},
    {EXDEV, "Die Datei liegt auf einem anderen Datenträger", "Invalid cross-device link"},
};

} // namespace

std::string fehlergrundText(int nummer, bool deutsch)
{
    for (const Grund& g : kGruende)
        if (g.nummer == nummer)
            return deutsch ? g.deutsch : g.englisch;
    if (deutsch)
        return "Systemfehler " + std::to_string(nummer);
    return std::strerror(nummer);
}

namespace {

// "Die Datei "name" kann nicht gelesen werden: " / "Cannot read "name": ", the reason to follow.
std::string vorgangText(Dateivorgang vorgang, const std::filesystem::path& datei, bool deutsch)
{
    const std::string name = "\"" + datei.string() + "\"";
    if (deutsch) {
        const char* was = vorgang == Dateivorgang::Lesen       ? " kann nicht gelesen werden: "
                          : vorgang == Dateivorgang::Schreiben ? " kann nicht geschrieben werden: "
                                                               : " kann nicht ersetzt werden: ";
        return "Die Datei " + name + was;
    }
    const char* was = vorgang == Dateivorgang::Lesen       ? "Cannot read "
                      : vorgang == Dateivorgang::Schreiben ? "Cannot write "
                                                           : "Cannot replace ";
    return was + name + ": ";
}

} // namespace

std::string dateifehlerText(Dateivorgang vorgang, const std::filesystem::path& datei, int fehlernummer, bool deutsch)
{
    return vorgangText(vorgang, datei, deutsch) + fehlergrundText(fehlernummer, deutsch);
}

std::string schreibschutzText(const std::filesystem::path& datei, bool deutsch)
{
    return datei.string() + " :\r\n" + std::string(MeldungsTabelle[kMeldungSchreibschutz].in(deutsch ? 1 : 2));
}

std::string keineDateiText(const std::filesystem::path& datei, bool ordner, bool deutsch, Dateivorgang vorgang)
{
    if (ordner)
        return dateifehlerText(vorgang, datei, EISDIR, deutsch);
    return vorgangText(vorgang, datei, deutsch)
        + (deutsch ? "Der Name ist der einer Pipe oder eines Geräts" : "Not a regular file (a pipe or a device)");
}

std::string nichtOffenText(const std::filesystem::path& datei, bool deutsch)
{
    return deutsch ? "Die Datei \"" + datei.string() + "\" ist nicht geöffnet"
                   : "Cannot write \"" + datei.string() + "\": the file is not open";
}

} // namespace umbrin
