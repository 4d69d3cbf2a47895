#include "shell/ui/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Umbrin"));
    umbrin::MainWindow window;
    window.show();
    return QApplication::exec();
}
