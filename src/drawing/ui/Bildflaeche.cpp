#include "drawing/ui/Bildflaeche.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace umbrin {

Bildflaeche::Bildflaeche(QWidget* eltern)
    : QWidget(eltern)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QImage& Bildflaeche::neuesBild()
{
    const QSize groesse = bildGroesse();
    // An image that is a part of a larger one (a layer's) is left to it.
    if (bild_.size() != groesse || bild_.bytesPerLine() != groesse.width() * 4)
        bild_ = QImage(groesse, QImage::Format_ARGB32_Premultiplied);
    bild_.fill(Qt::white);
    marken_.clear();
    return bild_;
}

void Bildflaeche::verwirfMarken()
{
    if (marken_.isEmpty())
        return;
    marken_.clear();
    update();
}

void Bildflaeche::setFussmarke(std::optional<QPoint> p)
{
    fuss_ = p;
    update();
}

void Bildflaeche::setLegendenRahmen(std::optional<QRect> r)
{
    legende_ = r;
    update();
}

void Bildflaeche::markiere(QPoint mitte, int radius)
{
    marken_.push_back({mitte, radius});
    update();
}

void Bildflaeche::paintEvent(QPaintEvent* e)
{
    QPainter maler(this);
    const QRect bereich = e->rect();
    // White only where the image does not reach (the image is opaque).
    const QRegion frei = QRegion(bereich).subtracted(QRect(QPoint(0, 0), bild_.size()));
    for (const QRect& r : frei)
        maler.fillRect(r, Qt::white);
    if (!bild_.isNull()) {
        // The image is opaque: copied, not blended.
        maler.setCompositionMode(QPainter::CompositionMode_Source);
        maler.drawImage(bereich.topLeft(), bild_, bereich);
        maler.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }

    if (fuss_) {
        // The foot marker: a dotted square of 9 pixels around the foot, black on white.
        const QRect r(fuss_->x() - 4, fuss_->y() - 4, 8, 8);
        maler.setPen(QPen(Qt::white, 1));
        maler.drawRect(r);
        maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
        maler.drawRect(r);
    }
    if (legende_) {
        maler.setPen(QPen(Qt::blue, 1));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(legende_->adjusted(0, 0, -1, -1));
    }
    if (!marken_.isEmpty()) {
        maler.setRenderHint(QPainter::Antialiasing, true);
        maler.setPen(QPen(Qt::red, 1));
        maler.setBrush(Qt::NoBrush);
        for (const Marke& m : marken_)
            maler.drawEllipse(m.mitte, m.radius, m.radius);
    }
}

void Bildflaeche::mousePressEvent(QMouseEvent* e)
{
    emit mausGedrueckt(e);
}

void Bildflaeche::mouseMoveEvent(QMouseEvent* e)
{
    emit mausBewegt(e->position().toPoint());
}

void Bildflaeche::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    emit groesseGeaendert(size());
}

void Bildflaeche::contextMenuEvent(QContextMenuEvent* e)
{
    emit kontextmenue(e->globalPos());
}

} // namespace umbrin
