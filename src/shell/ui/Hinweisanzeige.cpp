#include "shell/ui/Hinweisanzeige.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QStatusBar>
#include <QToolTip>
#include <QWidget>

namespace umbrin {

Hinweisanzeige::Hinweisanzeige(const AppState& s, QStatusBar* statusleiste, QString grundHinweis, QObject* eltern)
    : QObject(eltern)
    , s_(s)
    , statusleiste_(statusleiste)
    , grundHinweis_(std::move(grundHinweis))
{
    QPalette farben = QToolTip::palette();
    farben.setColor(QPalette::ToolTipBase, QColor(0xDF, 0xDF, 0xDF));
    farben.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(farben);
    qApp->installEventFilter(this);
}

void Hinweisanzeige::zeigeHint(const QString& text)
{
    if (statusleiste_)
        statusleiste_->showMessage(text);
}

bool Hinweisanzeige::eventFilter(QObject* objekt, QEvent* ereignis)
{
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w || !statusleiste_ || w->window() != statusleiste_->window())
        return false;
    switch (ereignis->type()) {
    case QEvent::ToolTip:
        // Swallowed while the hints are off: no hint window appears.
        return !s_.HinweiseAn;
    case QEvent::Enter:
        zeigeHint(w->toolTip().isEmpty() ? grundHinweis_ : w->toolTip());
        break;
    default:
        break;
    }
    return false;
}

} // namespace umbrin
