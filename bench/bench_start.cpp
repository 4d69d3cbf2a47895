// Start-up to a shown main window: the state with its tables, the map text, the main window
// with its menus, the settings file read, the first showing. Runs on the offscreen platform.
#include "core/State.h"
#include "drawing/KartenText.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

class StillePrompt : public umbrin::UserPrompt {
public:
    umbrin::PromptAnswer ask(umbrin::PromptTitle, umbrin::PromptIcon, const std::string&, umbrin::PromptButtons b) override
    {
        return b == umbrin::PromptButtons::YesNo ? umbrin::PromptAnswer::Yes : umbrin::PromptAnswer::Ok;
    }
    bool askText(const std::string&, const std::string&, std::string&) override { return false; }
};

void StartBisHauptfenster(benchmark::State& state)
{
    QTemporaryDir ordner;
    for (auto _ : state) {
        umbrin::AppState s;
        umbrin::initialisiereZustand(s);
        umbrin::LadeKartenText(s);
        umbrin::ShellZustand z;
        StillePrompt prompt;
        umbrin::MainWindow w(s, z, prompt, nullptr, ordner.path());
        w.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.isVisible());
    }
}
BENCHMARK(StartBisHauptfenster)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
