#include "core/ui/Dateidruck.h"

#include "core/SafeSave.h"
#include "core/Sprachdienst.h"

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
    if (ziel_.isEmpty())
        return;
    drucker_.setOutputFileName(ziel_);
    // Qt's PDF writer keeps a failed write (a full disk) in its stream for good: every later
    // job on this printer would write nothing at all. Another PDF version makes the printer
    // build a fresh writer, with all its settings; the version itself is put back.
    if (drucker_.outputFormat() == QPrinter::PdfFormat && !drucker_.paintingActive()) {
        const QPagedPaintDevice::PdfVersion version = drucker_.pdfVersion();
        drucker_.setPdfVersion(version == QPagedPaintDevice::PdfVersion_1_4 ? QPagedPaintDevice::PdfVersion_1_6
                                                                             : QPagedPaintDevice::PdfVersion_1_4);
        drucker_.setPdfVersion(version);
    }
}

bool Dateidruck::abschliessen()
{
    if (ziel_.isEmpty())
        return true;
    if (!bereit_)
        return false;
    std::string bytes;
    std::string lesefehler;
    const bool gelesen = readFileBytes(temporaer_, bytes, lesefehler, deutsch_);
    std::error_code ec;
    std::filesystem::remove(temporaer_, ec);
    temporaer_.clear();
    const std::filesystem::path ziel = ziel_.toStdString();
    // The temporary's own name means nothing to the user: a print that cannot be read back
    // counts as one that did not arrive whole.
    if (!gelesen || !pdfVollstaendig(bytes)) {
        fehler_ = deutsch_ ? "Die Datei \"" + ziel.string() + "\" wurde nicht vollständig gedruckt"
                           : "\"" + ziel.string() + "\" was not printed completely";
        return false;
    }
    return saveFileSafely(ziel, bytes, fehler_, deutsch_);
}

std::string Dateidruck::grund() const
{
    if (!fehler_.empty() || ziel_.isEmpty())
        return fehler_;
    const std::string ziel = ziel_.toStdString();
    return deutsch_ ? "Die Datei \"" + ziel + "\" wurde nicht gedruckt" : "\"" + ziel + "\" was not printed";
}

std::string druckstartFehlerText(const QString& ziel, bool deutsch)
{
    if (ziel.isEmpty())
        return deutsch ? "Der Drucker kann den Druck nicht beginnen" : "Cannot start printing";
    const std::string name = "\"" + ziel.toStdString() + "\"";
    return deutsch ? "Der Drucker kann den Druck in " + name + " nicht beginnen" : "Cannot start printing to " + name;
}

std::string druckfehlerText(const AppState& s, const std::string& grund)
{
    std::string text(meldungsText(s, 42));
    if (!grund.empty())
        text.append("\n\r").append(grund);
    return text;
}

void meldeDruckfehler(UserPrompt& frage, const AppState& s, const std::string& grund)
{
    frage.ask(PromptTitle::Fehler, PromptIcon::Warning, druckfehlerText(s, grund), PromptButtons::Ok);
}

} // namespace umbrin
