#include "shell/ui/Arbeitsrahmen.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace umbrin {
namespace {

// A frame never reaches below or beside the working area: a dialog taller than the screen
// scrolls inside itself and keeps its button row in view.
void begrenzeRahmen(QMdiSubWindow* rahmen, QSize gewuenscht)
{
    const QSize frei = rahmen->mdiArea() ? rahmen->mdiArea()->viewport()->size() : gewuenscht;
    const QSize groesse = gewuenscht.boundedTo(frei).expandedTo(rahmen->minimumSizeHint());
    if (groesse != rahmen->size())
        rahmen->resize(groesse);
}

// A working window that grows after it was opened (the type chooser shows more fields for
// another dial type) takes its frame along: the frame sits in no layout, so nothing else
// would widen it, and the grown part would be cut off. The frame only grows here, and no
// further than the working area.
class RahmenFolgtFenster : public QObject {
public:
    explicit RahmenFolgtFenster(QMdiSubWindow* rahmen)
        : QObject(rahmen)
        , rahmen_(rahmen)
    {
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Resize && !rahmen_->isMaximized()) {
            const QSize fenster = static_cast<QWidget*>(objekt)->size();
            const QSize innen = rahmen_->contentsRect().size();
            const QSize fehlt(std::max(0, fenster.width() - innen.width()), std::max(0, fenster.height() - innen.height()));
            if (!fehlt.isNull())
                begrenzeRahmen(rahmen_, rahmen_->size() + fehlt);
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    QMdiSubWindow* rahmen_;
};

} // namespace

void richteRahmenEin(QMdiSubWindow* rahmen, QWidget* fenster)
{
    rahmen->adjustSize();
    begrenzeRahmen(rahmen, rahmen->size());
    rahmen->move(0, 0);
    fenster->installEventFilter(new RahmenFolgtFenster(rahmen));
}

} // namespace umbrin
