#pragma once
// The frame the dial benchmarks measure in: a drawing into a 1920 x 1080 image through the
// QPainter canvas, as the drawing window draws; a plot written into memory; and the program
// around them, with the font database of a GUI application that text needs (no window is
// shown).
#include "core/HPGLDatei.h"
#include "core/ui/PainterCanvas.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <string>

namespace umbrin::bench {

// Each iteration draws onto a white 1920 x 1080 image: zeichne(canvas). Every dial picture
// is to be drawn within 8 ms (the richest planar dial within 4); the label says the goal.
template <class Zeichne>
void insBild(benchmark::State& state, Zeichne zeichne, int zielMs = 8)
{
    QImage bild(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        PainterCanvas c(bild);
        zeichne(c);
    }
    state.SetLabel("goal <= " + std::to_string(zielMs) + " ms");
}

// Each iteration writes a plot into memory: schreibe(plot).
template <class Schreibe>
void inDenSpeicher(benchmark::State& state, Schreibe schreibe)
{
    for (auto _ : state) {
        HPGLDatei plot;
        plot.oeffnenImSpeicher();
        schreibe(plot);
        benchmark::DoNotOptimize(plot.inhalt().size());
    }
}

// The body of main: the offscreen platform unless another is asked for, then every benchmark.
inline int laufe(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace umbrin::bench
