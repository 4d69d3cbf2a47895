#include "tables/Grafikhaken.h"

namespace umbrin {

// The graphs are drawn by the diagram routines; until they are there the window shows an
// empty image and writes an empty plot.

void zeichneZeitgleichungsgraph(Grafikauftrag&) {}

void schreibeZeitgleichungsgraph(AppState&, HPGLDatei&, const Grafikdateioptionen&) {}

std::string zeichneSonnenstandsdiagramm(Grafikauftrag&)
{
    return {};
}

void schreibeSonnenstandsdiagramm(AppState&, HPGLDatei&, const Grafikdateioptionen&) {}

} // namespace umbrin
