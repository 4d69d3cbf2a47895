#include "core/ui/Dateidruck.h"

#include "core/Dateifehler.h"
#include "core/SafeSave.h"
#include "core/Sprachdienst.h"

#include <QPrinter>

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace umbrin {
namespace {

std::string_view ohneZeilenende(std::string_view s)
{
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.remove_suffix(1);
    return s;
}

// Why the printer could not write the rest of a print into its file: the error a further
// block written to the file meets now when that is a lack of room (a full disk, a used-up
// quota, a file-size limit); 0 when the file takes it, or is no regular file of ours any more.
int platzFehler(const std::filesystem::path& datei)
{
    const int handle = ::open(datei.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return 0;
    struct stat st {};
    int fehler = 0;
    static const char block[1 << 16] = {};
    // Beyond a file-size limit the write fails (EFBIG): the print's temporary has made the
    // limit's signal harmless.
    if (::fstat(handle, &st) == 0 && S_ISREG(st.st_mode)) {
        std::size_t geschrieben = 0;
        while (geschrieben < sizeof block) {
            const ssize_t n = ::write(handle, block + geschrieben, sizeof block - geschrieben);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                fehler = n < 0 ? errno : 0;
                break;
            }
            geschrieben += static_cast<std::size_t>(n);
        }
    }
    ::close(handle);
    return fehler == ENOSPC || fehler == EDQUOT || fehler == EFBIG ? fehler : 0;
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
    bereit_ = makeTemporaryFile(ziel.parent_path(), ziel, temporaer_, halter_, fehler_, deutsch_);
    // Without a temporary the job must go nowhere (an empty name would send it to the printer):
    // a folder's name makes the painter refuse to start.
    drucker_.setOutputFileName(
        QString::fromStdString(bereit_ ? temporaer_.string() : (ziel.parent_path() / ".").string()));
}

void Dateidruck::entferneTemporaere()
{
    if (!temporaer_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temporaer_, ec);
        temporaer_.clear();
    }
    if (halter_ >= 0)
        ::close(halter_);
    halter_ = -1;
}

Dateidruck::~Dateidruck()
{
    entferneTemporaere();
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
    // The temporary's own name means nothing to the user: a print that cannot be read back
    // counts as one that did not arrive whole.
    const bool ganz = gelesen && pdfVollstaendig(bytes);
    if (!ganz)
        fehler_ = unvollstaendigText(true);
    entferneTemporaere();
    return ganz && saveFileSafely(ziel_.toStdString(), bytes, fehler_, deutsch_);
}

std::string Dateidruck::unvollstaendigText(bool teilweise) const
{
    const std::string ziel = ziel_.toStdString();
    std::string text = deutsch_ ? "Die Datei \"" + ziel + (teilweise ? "\" wurde nicht vollständig gedruckt" : "\" wurde nicht gedruckt")
                                : "\"" + ziel + (teilweise ? "\" was not printed completely" : "\" was not printed");
    // What stopped the printer: a disk with no room left says so.
    if (const int platz = temporaer_.empty() ? 0 : platzFehler(temporaer_))
        text.append(": ").append(fehlergrundText(platz, deutsch_));
    return text;
}

std::string Dateidruck::grund() const
{
    if (!fehler_.empty() || ziel_.isEmpty())
        return fehler_;
    return unvollstaendigText(false);
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
