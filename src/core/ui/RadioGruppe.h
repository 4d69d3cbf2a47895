#pragma once
// A framed group of radio buttons with one chosen item, filled from a list of item texts
// (the items of a radio group can be replaced at run time, e.g. after a language switch).
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

namespace umbrin {

class RadioGruppe : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGruppe(QWidget* eltern = nullptr);

    // Replaces the items; the chosen item stays chosen as far as the new list reaches.
    void setEintraege(const QStringList& eintraege);
    QStringList eintraege() const;
    int anzahl() const;

    // Index of the chosen item, -1 when none.
    int itemIndex() const;
    void setItemIndex(int index);

    // Items are laid out in this many columns, row by row.
    void setSpalten(int spalten);

signals:
    // The user chose an item.
    void itemGewaehlt(int index);

private:
    void ordneAn();

    QButtonGroup* knoepfe_;
    QGridLayout* raster_;
    int spalten_ = 1;
};

} // namespace umbrin
