#include "core/SafeSave.h"
#include "core/State.h"
#include "core/ui/MeldungsFenster.h"
#include "drawing/KartenText.h"
#include "shell/DebugLog.h"
#include "shell/HilfeSystem.h"
#include "shell/ui/Fensterbauer.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>

#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // A file-size limit makes a write fail with a message, never end the program.
    umbrin::reportFileSizeLimitAsError();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Umbrin"));

    // The help hook's debug log: "-debug" or "/debug", or a file "debug.debug" beside the program.
    const std::filesystem::path programm = QCoreApplication::applicationFilePath().toStdString();
    std::vector<std::string> argumente(argv + 1, argv + argc);
    umbrin::LogUmgebung umgebung;
    umgebung.modulPfad = programm;
    umgebung.argumente = argumente;
    for (int i = 0; i < argc; ++i)
        umgebung.aufrufzeile += (i ? " " : "") + std::string(argv[i]);
    umgebung.laufOrdner = std::filesystem::path(argv[0]).parent_path().string();
    umgebung.version = umbrin::AppState{}.VersionStr;
    umgebung.hilfeBetrachter = umbrin::findeHilfeBetrachter();
    const bool debug = umbrin::debugGewuenscht(argumente, programm.parent_path());
    umbrin::TDLogFile log(umbrin::logOrdner(programm.parent_path()) / "HHDebug.txt", debug, umgebung);

    umbrin::AppState state;
    umbrin::initialisiereZustand(state);
    umbrin::LadeKartenText(state);
    umbrin::ShellZustand shell;
    umbrin::MeldungsFenster prompt(state);
    umbrin::MainWindow window(state, shell, prompt, &log);
    window.setZeichnungsbauer(umbrin::zeichnungsbauer());
    window.show();
    return QApplication::exec();
}
