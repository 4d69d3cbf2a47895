#pragma once
// A row of controls that wraps into further rows where the window is too narrow for one:
// every control keeps the width it asks for, so no combo box or check box is cut. Controls
// added as trailing (the buttons) close the last row at its right edge.
#include <QLayout>
#include <QList>

namespace umbrin {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* eltern, int abstand = 6);
    ~FlowLayout() override;

    // A control that ends the row at the right, after a gap (every one added after it too).
    void addTrailingWidget(QWidget* w);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int breite) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int ordne(const QRect& rect, bool nurMessen) const;

    QList<QLayoutItem*> items_;
    int ersterHinten_ = -1; // index of the first trailing control, -1 for none
    int abstand_;
};

} // namespace umbrin
