#include "core/HPGLDatei.h"

#include "core/Dateifehler.h"
#include "core/TextEncoding.h"
#include "core/Textumformung.h"

#include <algorithm>

namespace umbrin {
namespace {

bool nurAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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
    if (!nurAscii(text)) {
        umgesetzt = utf8ToCp1252(plotterSchrift_ ? Plotterschrift(text, deutsch_) : std::string(text));
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
