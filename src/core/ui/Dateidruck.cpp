#include "core/ui/Dateidruck.h"

#include "core/SafeSave.h"

#include <QPrinter>

#include <charconv>
#include <system_error>

namespace umbrin {
namespace {

std::string_view ohneZeilenende(std::string_view s)
{
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.remove_suffix(1);
    return s;
}

} // namespace

bool pdfVollstaendig(std::string_view bytes)
{
    if (bytes.substr(0, 5) != "%PDF-")
        return false;
    std::string_view rest = ohneZeilenende(bytes);
    constexpr std::string_view ende = "%%EOF";
    if (rest.size() < ende.size() || rest.substr(rest.size() - ende.size()) != ende)
        return false;
    rest = ohneZeilenende(rest.substr(0, rest.size() - ende.size()));
    const std::size_t zahl = rest.find_last_not_of("0123456789");
    if (zahl == std::string_view::npos || zahl + 1 == rest.size())
        return false;
    std::size_t offset = 0;
    const char* anfang = rest.data() + zahl + 1;
    if (std::from_chars(anfang, rest.data() + rest.size(), offset).ec != std::errc{})
        return false;
    if (!ohneZeilenende(rest.substr(0, zahl + 1)).ends_with("startxref"))
        return false;
    return offset < bytes.size() && bytes.substr(offset, 4) == "xref";
}

Dateidruck::Dateidruck(QPrinter& drucker, bool deutsch)
    : drucker_(drucker)
    , ziel_(drucker.outputFileName())
    , deutsch_(deutsch)
{
    if (ziel_.isEmpty())
        return;
    const std::filesystem::path ziel = ziel_.toStdString();
    bereit_ = makeTemporaryFile(ziel.parent_path(), ziel, temporaer_, fehler_, deutsch_);
    // Without a temporary the job must go nowhere (an empty name would send it to the printer):
    // a folder's name makes the painter refuse to start.
    drucker_.setOutputFileName(
        QString::fromStdString(bereit_ ? temporaer_.string() : (ziel.parent_path() / ".").string()));
}

Dateidruck::~Dateidruck()
{
    if (!temporaer_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temporaer_, ec);
    }
    if (!ziel_.isEmpty())
        drucker_.setOutputFileName(ziel_);
}

bool Dateidruck::abschliessen()
{
    if (ziel_.isEmpty())
        return true;
    if (!bereit_)
        return false;
    std::string bytes;
    bool gut = readFileBytes(temporaer_, bytes, fehler_, deutsch_);
    std::error_code ec;
    std::filesystem::remove(temporaer_, ec);
    temporaer_.clear();
    const std::filesystem::path ziel = ziel_.toStdString();
    if (gut && !pdfVollstaendig(bytes)) {
        fehler_ = deutsch_ ? "Die Datei \"" + ziel.string() + "\" wurde nicht vollständig gedruckt"
                           : "\"" + ziel.string() + "\" was not printed completely";
        gut = false;
    }
    return gut && saveFileSafely(ziel, bytes, fehler_, deutsch_);
}

} // namespace umbrin
