#pragma once
// The drawing of the drawing window: the dial, constructed once into an image and shown from
// it, and over it the movable markers (gnomon foot, legend box, marked hour points), which
// are painted fresh on every repaint and never touch the image. Moving a marker therefore
// only repaints; only a new construction redraws the image.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace umbrin {

class Bildflaeche : public QWidget {
    Q_OBJECT
public:
    explicit Bildflaeche(QWidget* eltern = nullptr);

    // The image the constructions draw on, sized to the widget by neuesBild().
    QImage& bild() { return bild_; }
    const QImage& bild() const { return bild_; }
    // A white image of the widget's client size (at least 1 x 1); the markers of hour points
    // are dropped with the old image. The image may be replaced by a part of a larger one (see
    // Fusspunktschicht); a new image is then made here.
    QImage& neuesBild();
    // Drops the markers of hour points: they belong to the drawing they were set on, and every
    // new drawing (a moved foot among them) drops them, whichever way it reached the image.
    void verwirfMarken();
    // The size neuesBild() gives.
    QSize bildGroesse() const { return {std::max(1, width()), std::max(1, height())}; }
    // The image changed: repaint.
    void bildGeaendert() { update(); }

    // Markers over the image.
    void setFussmarke(std::optional<QPoint> p);
    void setLegendenRahmen(std::optional<QRect> r);
    void markiere(QPoint mitte, int radius);
    std::optional<QPoint> fussmarke() const { return fuss_; }
    std::optional<QRect> legendenRahmen() const { return legende_; }
    int markenAnzahl() const { return static_cast<int>(marken_.size()); }

    QSize sizeHint() const override { return {800, 560}; }
    QSize minimumSizeHint() const override { return {50, 50}; }

signals:
    void mausGedrueckt(QMouseEvent* e);
    void mausBewegt(QPoint p);
    void groesseGeaendert(QSize neu);
    void kontextmenue(QPoint global);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    struct Marke {
        QPoint mitte;
        int radius;
    };
    QImage bild_;
    std::optional<QPoint> fuss_;
    std::optional<QRect> legende_;
    QVector<Marke> marken_;
};

} // namespace umbrin
