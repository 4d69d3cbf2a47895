#include "tables/ui/FlowLayout.h"

#include <QWidget>

#include <algorithm>

namespace umbrin {

FlowLayout::FlowLayout(QWidget* eltern, int abstand)
    : QLayout(eltern)
    , abstand_(abstand)
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addTrailingWidget(QWidget* w)
{
    if (ersterHinten_ < 0)
        ersterHinten_ = static_cast<int>(items_.size());
    addWidget(w);
}

void FlowLayout::addItem(QLayoutItem* item)
{
    items_.append(item);
}

int FlowLayout::count() const
{
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= items_.size())
        return nullptr;
    if (ersterHinten_ > index)
        --ersterHinten_;
    else if (ersterHinten_ == index && index == items_.size() - 1)
        ersterHinten_ = -1;
    return items_.takeAt(index);
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int breite) const
{
    return ordne(QRect(0, 0, breite, 0), true);
}

QSize FlowLayout::minimumSize() const
{
    // The widest control: below that width nothing can wrap any further.
    QSize groesse;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty())
            groesse = groesse.expandedTo(item->sizeHint());
    const QMargins r = contentsMargins();
    return groesse + QSize(r.left() + r.right(), r.top() + r.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // One row of every visible control.
    int breite = 0;
    int hoehe = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        breite += item->sizeHint().width() + abstand_;
        hoehe = std::max(hoehe, item->sizeHint().height());
    }
    const QMargins r = contentsMargins();
    return {breite + r.left() + r.right(), hoehe + r.top() + r.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    ordne(rect, false);
}

// Lays the visible controls out in rows within rect (or only measures) and returns the
// height used. A row ends where the next control would pass the right edge; the trailing
// controls of the last row stand at its right edge.
int FlowLayout::ordne(const QRect& rect, bool nurMessen) const
{
    const QRect innen = rect.marginsRemoved(contentsMargins());
    struct Platz {
        QLayoutItem* item;
        int zeile;
        int x;
        QSize groesse;
    };
    QList<Platz> plaetze;
    QList<int> zeilenhoehe;
    // The trailing controls stay together: they begin a new row unless all of them fit.
    int hintenBreite = 0;
    for (int i = std::max(0, ersterHinten_); ersterHinten_ >= 0 && i < items_.size(); ++i)
        if (!items_[i]->isEmpty())
            hintenBreite += items_[i]->sizeHint().width() + abstand_;
    int x = innen.x();
    int zeile = 0;
    bool hintenBegonnen = false;
    for (int i = 0; i < items_.size(); ++i) {
        QLayoutItem* item = items_[i];
        if (item->isEmpty())
            continue;
        const QSize g = item->sizeHint();
        const bool gruppenAnfang = ersterHinten_ >= 0 && i >= ersterHinten_ && !hintenBegonnen;
        hintenBegonnen = hintenBegonnen || gruppenAnfang;
        const int bedarf = gruppenAnfang ? hintenBreite - abstand_ : g.width();
        if (x > innen.x() && x + bedarf > innen.right() + 1) {
            ++zeile;
            x = innen.x();
        }
        if (zeilenhoehe.size() <= zeile)
            zeilenhoehe.append(0);
        zeilenhoehe[zeile] = std::max(zeilenhoehe[zeile], g.height());
        plaetze.append({item, zeile, x, g});
        x += g.width() + abstand_;
    }
    // The trailing controls that share the last row move to its right edge.
    if (ersterHinten_ >= 0 && !plaetze.isEmpty()) {
        const int letzte = plaetze.back().zeile;
        int erster = static_cast<int>(plaetze.size());
        for (int i = static_cast<int>(plaetze.size()) - 1; i >= 0; --i) {
            if (plaetze[i].zeile != letzte || items_.indexOf(plaetze[i].item) < ersterHinten_)
                break;
            erster = i;
        }
        if (erster < plaetze.size()) {
            const Platz& ende = plaetze.back();
            const int schub = innen.right() + 1 - (ende.x + ende.groesse.width());
            for (int i = erster; i < plaetze.size(); ++i)
                plaetze[i].x += std::max(0, schub);
        }
    }
    int y = innen.y();
    QList<int> zeilenY;
    for (int h : zeilenhoehe) {
        zeilenY.append(y);
        y += h + abstand_;
    }
    if (!nurMessen) {
        for (const Platz& p : plaetze) {
            const int h = zeilenhoehe[p.zeile];
            p.item->setGeometry(QRect(QPoint(p.x, zeilenY[p.zeile] + (h - p.groesse.height()) / 2), p.groesse));
        }
    }
    const int benutzt = zeilenhoehe.isEmpty() ? 0 : y - abstand_ - innen.y();
    return benutzt + contentsMargins().top() + contentsMargins().bottom();
}

} // namespace umbrin
