#pragma once
// The frame the dial benchmarks measure in: a drawing into a 1920 x 1080 image through the
// QPainter canvas, as the drawing window draws; a plot written into memory; and the program
// around them, with the font database of a GUI application that text needs (no window is
// shown).
#include "core/HPGLDatei.h"
#include "core/ui/PainterCanvas.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define UMBRIN_BENCH_CALLGRIND 1
#endif

#include <string>

namespace umbrin::bench {

// One iteration's work, f(). Run under callgrind with UMBRIN_BENCH_RUNDEN set (as
// bench/instruction_budgets.py runs them), the instructions are counted inside this call only
// and written out after it, one dump a call: an iteration's figure without the set-up around
// the loop. Otherwise it only calls f.
// The count covers every thread: callgrind's collection switch belongs to the thread that
// turns it, so the program runs with collection on and the counters of all threads are set
// to zero before f instead; what the pool threads do for the picture is counted with it.
template <class F>
void runde(F&& f)
{
#ifdef UMBRIN_BENCH_CALLGRIND
    static const bool zaehlen = RUNNING_ON_VALGRIND && qEnvironmentVariableIsSet("UMBRIN_BENCH_RUNDEN");
    if (zaehlen) {
        CALLGRIND_START_INSTRUMENTATION;
        CALLGRIND_ZERO_STATS;
        f();
        CALLGRIND_DUMP_STATS;
        return;
    }
#endif
    f();
}

// Each iteration draws onto a white 1920 x 1080 image: zeichne(canvas). Every dial picture
// is to be drawn within 8 ms (the richest planar dial within 4); the label says the goal.
template <class Zeichne>
void insBild(benchmark::State& state, Zeichne zeichne, int zielMs = 8)
{
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        runde([&] {
            bild.fill(Qt::white);
            PainterCanvas c(bild);
            zeichne(c);
        });
    }
    state.SetLabel("goal <= " + std::to_string(zielMs) + " ms");
}

// Each iteration writes a plot into memory: schreibe(plot).
template <class Schreibe>
void inDenSpeicher(benchmark::State& state, Schreibe schreibe)
{
    for (auto _ : state) {
        runde([&] {
            HPGLDatei plot;
            plot.oeffnenImSpeicher();
            schreibe(plot);
            benchmark::DoNotOptimize(plot.inhalt().size());
        });
    }
}

// The machine's list of fonts, read before anything is measured: Qt reads every installed
// font's entry the first time a font is looked for, work that grows with the fonts a machine
// has, not with the picture, and that the program has done long before its first drawing (its
// main window shows text first). Only Qt's list is read here: the program's own choice of its
// faces from that list (PainterCanvas::familyFor) is the first picture's work and counted with
// it, as are the faces that picture loads and their glyphs.
inline void schriftlisteGelesen()
{
    benchmark::DoNotOptimize(QFontDatabase::families().size());
}

// The body of main: the offscreen platform unless another is asked for, the machine's font
// list read, then every benchmark.
inline int laufe(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    schriftlisteGelesen();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace umbrin::bench
