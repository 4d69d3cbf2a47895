#pragma once
// The picture gallery of the main window: the start picture over the empty work area, the bar
// of picture buttons below it, the floating picture panel, and the slide show that steps
// through every picture.
#include "core/State.h"
#include "shell/ShellZustand.h"
#include "shell/ui/Bildspeicher.h"

#include <QFrame>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;
class QWidget;

namespace umbrin {

class Galerie : public QObject {
    Q_OBJECT
public:
    // flaeche: the work area the panels float over (it ends above the status bar);
    // arbeitsfensterOffen: a working window is open.
    Galerie(AppState& s, ShellZustand& z, QWidget* flaeche, std::function<bool()> arbeitsfensterOffen);
    // Stops a start picture still being decoded: the program does not wait for it at its end.
    ~Galerie() override;

    // Loads the start picture: the file, else picture 105 or 106 (startWahl 0 or 1). The
    // second form decodes on a worker thread, so the main window shows without waiting.
    void ladeStartbild(const QString& datei, int startWahl);
    void ladeStartbildNebenher(const QString& datei, int startWahl);

    // Shows picture id in the picture panel; knopf: the index of the clicked picture button or -1.
    void HilfeBild(std::int32_t id, int knopf = -1);
    // The picture of the current dial type, as the type chooser and the drawing window ask for it.
    void zeigeTypBild(std::int32_t bildnummer);
    // The picture of that number as the gallery shows it; a null image when there is none.
    const QImage& bild(std::int32_t bildnummer) { return speicher_.bild(bildnummer); }
    void StarttimerClick();
    void Timer1Timer();
    void bStopClick();
    void bPanelCloseClick();
    void TrackBar1Change(int position);
    void FormResize();
    void FormActivate();
    void zeigBild();
    void BildWeg();
    void SImageClick();
    void pSonnUhrResize();
    void verstecke(); // a working window opens: everything of the gallery goes
    void beschrifte();

    bool laeuft() const;
    std::int32_t diaBildNummer() const { return diaBildNummer_; }
    std::int32_t gezeigtesBild() const { return gezeigt_; }
    std::int32_t startbildId() const { return startId_; }
    QFrame* bildPanel() const { return pSonnUhr_; }
    QWidget* startbild() const { return pBild_; }
    QWidget* leiste() const { return leiste_; }
    QPushButton* startKnopf() const { return bstarttimer_; }
    QToolButton* knopf(std::size_t i) const { return knoepfe_[i]; }
    QTimer* timer() const { return timer_; }
    QLabel* intervallLabel() const { return label15_; }
    QLabel* unterschrift() const { return eBild_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void setzeStartbild(const QImage& bild, std::int32_t id);
    // The caption of the start picture on show, in the current language.
    std::string startbildUnterschrift() const;
    void zeigeImPanel(std::int32_t id, const std::string& text);
    void platzierePanel(int links, int oben);
    void zentriereDia();

    AppState& s_;
    ShellZustand& z_;
    // Set when the gallery goes or the program quits; the worker decoding the start picture
    // holds its own reference.
    std::shared_ptr<std::atomic<bool>> halt_ = std::make_shared<std::atomic<bool>>(false);
    QWidget* flaeche_;
    QWidget* viewport_ = nullptr;
    std::function<bool()> arbeitsfensterOffen_;
    Bildspeicher speicher_;
    QImage start_;
    int startBildWahl_ = 0;
    std::int32_t startId_ = 0;
    std::int32_t diaBildNummer_ = 0;
    std::int32_t gezeigt_ = 0;
    std::int32_t bildnummer_ = 0;
    QFrame* pBild_ = nullptr;
    QLabel* sImage_ = nullptr;
    QFrame* leiste_ = nullptr;
    QLabel* label19_ = nullptr;
    std::vector<QToolButton*> knoepfe_;
    QPushButton* bstarttimer_ = nullptr;
    QFrame* pSonnUhr_ = nullptr;
    QLabel* suImage_ = nullptr;
    QLabel* eBild_ = nullptr;
    QPushButton* bPanelClose_ = nullptr;
    QLabel* lbildshow_ = nullptr;
    QFrame* pSlides_ = nullptr;
    QPushButton* bStop_ = nullptr;
    QSlider* trackBar_ = nullptr;
    QLabel* label15_ = nullptr;
    QTimer* timer_ = nullptr;
    QPoint griff_;
};

} // namespace umbrin
