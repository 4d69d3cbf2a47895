#include "core/HPGLListe.h"

namespace umbrin {

bool HPGLListenDatei::oeffnen(const std::filesystem::path& ziel, std::string& fehler, bool deutsch)
{
    return datei_.oeffnen(ziel, fehler, deutsch);
}

void HPGLListenDatei::oeffnenImSpeicher()
{
    datei_.oeffnenImSpeicher();
}

void HPGLListenDatei::schreibe(std::string_view text)
{
    HPGLZeile(datei_, text);
}

void HPGLListenDatei::zeilenende()
{
    datei_.schreibe("\r\n");
}

bool HPGLListenDatei::schliessen(std::string& fehler)
{
    return datei_.schliessen(fehler);
}

void HPGLListenDatei::verwerfen()
{
    datei_.verwerfen();
}

} // namespace umbrin
