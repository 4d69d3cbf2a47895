#include "shell/ui/MainWindow.h"

#include <QMdiArea>
#include <QStatusBar>

namespace umbrin {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    setWindowTitle(QStringLiteral("  Umbrin  v.  8.2"));
    statusBar();
    resize(1024, 720);
}

} // namespace umbrin
