#include "core/State.h"
#include "core/ui/MeldungsFenster.h"
#include "drawing/KartenText.h"
#include "shell/ui/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Umbrin"));
    umbrin::AppState state;
    umbrin::initialisiereZustand(state);
    umbrin::LadeKartenText(state);
    umbrin::ShellZustand shell;
    umbrin::MeldungsFenster prompt(state);
    umbrin::MainWindow window(state, shell, prompt);
    window.show();
    return QApplication::exec();
}
