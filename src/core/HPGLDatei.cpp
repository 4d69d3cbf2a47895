#include "core/HPGLDatei.h"

#include "core/Dateifehler.h"
#include "core/TextEncoding.h"
#include "core/Textumformung.h"

#include <algorithm>

namespace umbrin {
namespace {

constexpr char hpglEtx = '\x03';

// Printable ASCII, line ends and the label terminator: all a plot's own commands hold.
bool schlicht(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b >= 0x20 && b < 0x7F) || c == hpglEtx || c == '\r' || c == '\n';
    });
}

// The text without control characters other than line ends and the label terminator: a
// label's text that came from a file (a plotter takes an escape for a device command).
std::string ohneFremdeSteuerzeichen(std::string_view text)
{
    std::string t;
    t.reserve(text.size());
    for (std::size_t von = 0; von <= text.size();) {
        const std::size_t bis = std::min(text.find_first_of("\x03\r\n", von), text.size());
        t += ohneSteuerzeichen(text.substr(von, bis - von));
        if (bis < text.size())
            t += text[bis];
        von = bis + 1;
    }
    return t;
}

} // namespace

bool HPGLDatei::oeffnen(const std::filesystem::path& ziel, std::string& fehler, bool deutsch)
{
    verwerfen();
    name_ = ziel;
    deutsch_ = deutsch;
    if (!datei_.open(ziel, deutsch)) {
        fehler = datei_.error();
        return false;
    }
    art_ = Art::Datei;
    plotterSchrift_ = true;
    return true;
}

bool HPGLDatei::oeffnenZwischendatei(const std::filesystem::path& name, std::string& fehler, bool deutsch)
{
    verwerfen();
    name_ = name;
    deutsch_ = deutsch;
    if (!datei_.openScratch(name, deutsch)) {
        fehler = datei_.error();
        return false;
    }
    art_ = Art::Datei;
    return true;
}

void HPGLDatei::oeffnenImSpeicher()
{
    verwerfen();
    speicher_.clear();
    art_ = Art::Speicher;
}

void HPGLDatei::schreibe(std::string_view text)
{
    // Commands and numbers are plain ASCII; only labels may need the conversion.
    std::string umgesetzt;
    if (!schlicht(text)) {
        umgesetzt = ohneFremdeSteuerzeichen(text);
        umgesetzt = utf8ToCp1252(plotterSchrift_ ? Plotterschrift(umgesetzt, deutsch_) : umgesetzt);
        text = umgesetzt;
    }
    switch (art_) {
    case Art::Speicher:
        speicher_.append(text);
        return;
    case Art::Datei:
        if (!datei_.write(text))
            throw HPGLSchreibfehler(datei_.error());
        return;
    case Art::Zu:
        break;
    }
    throw HPGLSchreibfehler(nichtOffenText(name_, deutsch_));
}

bool HPGLDatei::schliessen(std::string& fehler)
{
    const Art art = art_;
    art_ = Art::Zu;
    if (art == Art::Speicher)
        return true;
    if (art == Art::Zu) {
        fehler = nichtOffenText(name_, deutsch_);
        return false;
    }
    if (!datei_.commit()) {
        fehler = datei_.error();
        return false;
    }
    return true;
}

bool schliessenZusammen(HPGLDatei& erste, HPGLDatei& zweite, std::string& fehler)
{
    for (HPGLDatei* d : {&erste, &zweite}) {
        if (d->art_ != HPGLDatei::Art::Datei) {
            fehler = nichtOffenText(d->name_, d->deutsch_);
            erste.verwerfen();
            zweite.verwerfen();
            return false;
        }
    }
    erste.art_ = zweite.art_ = HPGLDatei::Art::Zu;
    return commitTogether(erste.datei_, zweite.datei_, fehler);
}

void HPGLDatei::verwerfen()
{
    datei_.abandon(); // an intermediate plot is let go of here, after it was read
    art_ = Art::Zu;
    plotterSchrift_ = false;
}

void HPGLZeile(HPGLDatei& datei, std::string_view s)
{
    if (s.empty())
        return;
    datei.schreibe(s);
}

} // namespace umbrin
