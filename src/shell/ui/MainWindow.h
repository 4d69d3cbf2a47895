#pragma once
#include <QMainWindow>

class QMdiArea;

namespace umbrin {

// The main window: menus, status bar and the MDI area in which every working window opens.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    QMdiArea* mdiArea() const { return mdi_; }

private:
    QMdiArea* mdi_ = nullptr;
};

} // namespace umbrin
