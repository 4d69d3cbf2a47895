#pragma once
// Graph files of the tables-and-graphs window: an HPGL plot file, or a DXF file converted
// from the plot, which is kept in memory and never stands on disk. A plot or DXF file is
// replaced only when complete: a failed write or conversion keeps the old file.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "core/UserPrompt.h"

#include <filesystem>
#include <functional>

namespace umbrin {

// Writes the graph into the open plot; a failed write throws HPGLSchreibfehler.
using Grafikschreiber = std::function<void(AppState&, HPGLDatei&)>;

// Writes the graph file ziel: a plot file when s.AlsHPGL is set, else a DXF file (converted
// with s.Schalter.Stiftbreite and 40 plotter units per millimetre). Every outcome is told
// through frage: a saved plot file, the converter's result, or the failure naming the file.
// True when the file was written.
bool SchreibeGrafikdatei(AppState& s, const std::filesystem::path& ziel, const Grafikschreiber& schreiber,
                         UserPrompt& frage);

} // namespace umbrin
