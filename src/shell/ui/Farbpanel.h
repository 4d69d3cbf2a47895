#pragma once
// The colour palette: a movable panel inside the main window with the twelve colour swatches,
// the legend of the current dial family, the sample lines of the current and the start
// colours, the line width and the buttons that save, load and reset the colours.
#include "core/State.h"
#include "core/UserPrompt.h"

#include <QFrame>

#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace umbrin {

class Farbpanel : public QFrame {
    Q_OBJECT
public:
    // startFarben: the colours the program started with, which the second sample keeps.
    Farbpanel(AppState& s, UserPrompt& prompt, const std::array<Farbe, 12>& startFarben, QWidget* parent);

    // Chooses a colour for a slot; the main window's colour dialog by default, tests script it.
    void setFarbwahl(std::function<bool(Farbe& farbe)> wahl) { farbwahl_ = std::move(wahl); }
    // Called after the panel was closed, to redraw the open drawing or tables window.
    void setNachSchliessen(std::function<void()> f) { nachSchliessen_ = std::move(f); }

    void Farbauswahl1Click();
    void lFarbClick(int slot);
    void LinStaerke(int index);
    void farbSave();
    void FarbLoad(bool mitDatei);
    void farbauswahl_beendet();

    const QImage& muster() const { return muster_; }
    const QImage& farbalt() const { return farbalt_; }
    QLabel* swatch(int slot) const { return swatches_[static_cast<std::size_t>(slot - 1)]; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void zeichneMuster(QImage& bild, const std::array<Farbe, 12>& farben, int breite, int ende, int fokus = 0);
    void zeigeMuster();
    void beschrifte();

    AppState& s_;
    UserPrompt& prompt_;
    std::function<bool(Farbe&)> farbwahl_;
    std::function<void()> nachSchliessen_;
    std::array<QLabel*, 12> swatches_{};
    std::array<QLabel*, 12> labels_{};
    QLabel* titel_ = nullptr;
    QLabel* labGrid_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* musterAnzeige_ = nullptr;
    QLabel* farbaltAnzeige_ = nullptr;
    QImage muster_;
    QImage farbalt_;
    QButtonGroup* linien_ = nullptr;
    std::array<QRadioButton*, 3> linienKnoepfe_{};
    QPushButton* sav_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* schliessen_ = nullptr;
    QPoint griff_;
};

// A colour of the palette as Qt draws it (the palette holds 0x00BBGGRR).
QColor alsQColor(Farbe f);
Farbe alsFarbe(const QColor& c);

} // namespace umbrin
