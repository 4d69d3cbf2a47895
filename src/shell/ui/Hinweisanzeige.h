#pragma once
// The program's hints: every control's hint text shows in the main window's status bar when
// the mouse enters the control, whatever the switch; the small hint windows beside the mouse
// appear only while the hints are switched on (AppState::HinweiseAn). Hint windows have the
// light grey of the program's hint colour.
#include "core/State.h"

#include <QObject>
#include <QString>

#include <utility>

class QStatusBar;

namespace umbrin {

class Hinweisanzeige : public QObject {
public:
    // grundHinweis: the main window's own hint, shown when the mouse enters a control
    // without one.
    Hinweisanzeige(const AppState& s, QStatusBar* statusleiste, QString grundHinweis, QObject* eltern);

    // Shows a hint text in the status bar.
    void zeigeHint(const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    const AppState& s_;
    QStatusBar* statusleiste_;
    QString grundHinweis_;
};

} // namespace umbrin
