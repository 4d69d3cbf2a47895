#include "shell/ui/Galerie.h"

#include "core/Sprachdienst.h"
#include "shell/Bildergalerie.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QThreadPool>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace umbrin {

namespace {
constexpr int kDiaPanel = 600;
constexpr int kStartPosition = 22;
QString qs(const std::string& t) { return QString::fromStdString(t); }

// The largest point size from three quarters of the usual size down to klein at which every
// line of the text fits inside the button; 0 when none does.
qreal passendeGroesse(const QToolButton& b, const QString& text, qreal klein)
{
    QFont f = QApplication::font(&b);
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (qreal punkt = f.pointSizeF() * 0.75; punkt >= klein; punkt -= 0.25) {
        f.setPointSizeF(punkt);
        const QFontMetrics masse(f);
        const bool breitGenug = std::all_of(zeilen.begin(), zeilen.end(), [&](const QString& z) {
            return masse.horizontalAdvance(z) <= b.width() - 6;
        });
        if (breitGenug && masse.lineSpacing() * (zeilen.size() - 1) + masse.height() <= b.height() - 6)
            return punkt;
    }
    return 0;
}

// A picture button's caption, one word a line, as large as fits the button; a compound word
// too long for a narrow button is broken before its "sonnenuhr".
void beschrifteKnopf(QToolButton& b, QString text)
{
    text.replace(QLatin1Char(' '), QLatin1Char('\n'));
    qreal punkt = passendeGroesse(b, text, 5.5);
    if (punkt == 0) {
        static const QRegularExpression fuge(QStringLiteral("(\\w)(sonnenuhr)"), QRegularExpression::CaseInsensitiveOption);
        text.replace(fuge, QStringLiteral("\\1-\n\\2"));
        punkt = std::max<qreal>(passendeGroesse(b, text, 4), 4);
    }
    QFont f = QApplication::font(&b);
    f.setPointSizeF(punkt);
    b.setFont(f);
    b.setText(text);
}
} // namespace

Galerie::Galerie(AppState& s, ShellZustand& z, QWidget* flaeche, std::function<bool()> arbeitsfensterOffen)
    : QObject(flaeche)
    , s_(s)
    , z_(z)
    , flaeche_(flaeche)
    , arbeitsfensterOffen_(std::move(arbeitsfensterOffen))
{
    // The application waits for its worker threads when it ends; a picture still being
    // decoded must not hold it up.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [halt = halt_] { *halt = true; });
    pBild_ = new QFrame(flaeche_);
    pBild_->setObjectName(QStringLiteral("pBild"));
    sImage_ = new QLabel(pBild_);
    sImage_->setObjectName(QStringLiteral("SImage"));
    sImage_->setScaledContents(true);
    sImage_->installEventFilter(this);

    leiste_ = new QFrame(flaeche_);
    leiste_->setObjectName(QStringLiteral("PBildLeiste"));
    leiste_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    leiste_->setAutoFillBackground(true);
    leiste_->resize(740, 120);
    label19_ = new QLabel(leiste_);
    label19_->setObjectName(QStringLiteral("Label19"));
    const auto knoepfe = bildknoepfe();
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        auto* b = new QToolButton(leiste_);
        b->setObjectName(QString::fromLatin1(knoepfe[i].name));
        b->setGeometry(knoepfe[i].links, 25, knoepfe[i].breite, 82);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        // Before its place was clicked, each place shows the first button of its cycle.
        b->setVisible(i == 0 || knoepfe[i - 1].platz != knoepfe[i].platz);
        connect(b, &QToolButton::clicked, this, [this, i] { HilfeBild(bildknoepfe()[i].bild, static_cast<int>(i)); });
        knoepfe_.push_back(b);
    }

    bstarttimer_ = new QPushButton(flaeche_);
    bstarttimer_->setObjectName(QStringLiteral("bstarttimer"));
    connect(bstarttimer_, &QPushButton::clicked, this, [this] { StarttimerClick(); });

    pSonnUhr_ = new QFrame(flaeche_);
    pSonnUhr_->setObjectName(QStringLiteral("pSonnUhr"));
    pSonnUhr_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pSonnUhr_->setAutoFillBackground(true);
    pSonnUhr_->installEventFilter(this);
    suImage_ = new QLabel(pSonnUhr_);
    suImage_->setObjectName(QStringLiteral("SUImage"));
    suImage_->installEventFilter(this);
    eBild_ = new QLabel(pSonnUhr_);
    eBild_->setObjectName(QStringLiteral("eBild"));
    bPanelClose_ = new QPushButton(QStringLiteral("X"), pSonnUhr_);
    bPanelClose_->setObjectName(QStringLiteral("bPanelClose"));
    bPanelClose_->resize(22, 22);
    connect(bPanelClose_, &QPushButton::clicked, this, [this] { bPanelCloseClick(); });
    lbildshow_ = new QLabel(pSonnUhr_);
    lbildshow_->setObjectName(QStringLiteral("Lbildshow"));
    lbildshow_->move(25, 6);

    pSlides_ = new QFrame(flaeche_);
    pSlides_->setObjectName(QStringLiteral("pSlides"));
    pSlides_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pSlides_->setAutoFillBackground(true);
    pSlides_->resize(360, 40);
    bStop_ = new QPushButton(pSlides_);
    bStop_->setObjectName(QStringLiteral("bStop"));
    bStop_->setGeometry(8, 8, 80, 24);
    connect(bStop_, &QPushButton::clicked, this, [this] { bStopClick(); });
    trackBar_ = new QSlider(Qt::Horizontal, pSlides_);
    trackBar_->setObjectName(QStringLiteral("TrackBar1"));
    trackBar_->setRange(10, 210);
    trackBar_->setValue(kStartPosition);
    trackBar_->setGeometry(96, 8, 190, 24);
    connect(trackBar_, &QSlider::valueChanged, this, [this](int p) { TrackBar1Change(p); });
    label15_ = new QLabel(qs(diaIntervallText(kStartPosition)), pSlides_);
    label15_->setObjectName(QStringLiteral("Label15"));
    label15_->setGeometry(294, 8, 60, 24);

    timer_ = new QTimer(this);
    timer_->setInterval(diaIntervallMs(kStartPosition));
    connect(timer_, &QTimer::timeout, this, [this] { Timer1Timer(); });

    for (QWidget* w : {static_cast<QWidget*>(pBild_), static_cast<QWidget*>(leiste_),
                       static_cast<QWidget*>(bstarttimer_), static_cast<QWidget*>(pSonnUhr_),
                       static_cast<QWidget*>(pSlides_)})
        w->hide();
    pSonnUhr_->move(120, 60);
    flaeche_->installEventFilter(this);
    // Moving the mouse over the empty work area brings the start picture back.
    if (auto* bereich = qobject_cast<QAbstractScrollArea*>(flaeche_)) {
        viewport_ = bereich->viewport();
        viewport_->setMouseTracking(true);
        viewport_->installEventFilter(this);
    }
    flaeche_->window()->installEventFilter(this);
    beschrifte();
}

bool Galerie::laeuft() const { return timer_->isActive(); }

void Galerie::beschrifte()
{
    const bool de = s_.Sprachspalte != 2;
    label19_->setText(de ? QStringLiteral("Mausclick zeigt Sonnenuhren, die vom Programm berechnet werden.")
                         : QStringLiteral("Click to see some sundial types which are calculated by this software."));
    label19_->adjustSize();
    label19_->move((leiste_->width() - label19_->width()) / 2 - 10, 5);
    bstarttimer_->setText(de ? QStringLiteral("&Start Foto Galerie") : QStringLiteral("&Start Photo Gallery"));
    bstarttimer_->adjustSize();
    lbildshow_->setText(de ? QStringLiteral("Vom Programm berechnete Sonnenuhr-Arten")
                           : QStringLiteral("  Some Sundial Types Calculated by UMBRIN"));
    lbildshow_->adjustSize();
    bStop_->setText(de ? QStringLiteral("&Stop") : QStringLiteral("&Stop"));
    const auto knoepfe = bildknoepfe();
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        beschrifteKnopf(*knoepfe_[i], qs(bildUnterschrift(s_, knoepfe[i].bild, false)).trimmed());
        knoepfe_[i]->setToolTip(qs(bildUnterschrift(s_, knoepfe[i].bild, false)));
    }
    // The start picture's caption, once a click gave it one.
    if (!sImage_->toolTip().isEmpty())
        sImage_->setToolTip(qs(startbildUnterschrift()));
}

namespace {

// The start picture: the file, else the embedded picture 105 + startWahl, else the other one.
// Runs on any thread: it reads and decodes only.
std::pair<QImage, std::int32_t> leseStartbild(const QString& datei, int startWahl,
                                              const std::atomic<bool>* halt = nullptr)
{
    QImage bild = ladeJpegDatei(datei, nullptr, halt);
    if (!bild.isNull())
        return {bild, 0};
    if (halt && halt->load())
        return {QImage(), 0};
    for (const std::int32_t id : {105 + startWahl, 105 + 1 - startWahl}) {
        if (Bildspeicher::vorhanden(id))
            bild = ladeJpegDatei(Bildspeicher::pfad(id));
        if (!bild.isNull())
            return {bild, id};
    }
    return {QImage(), 0};
}

} // namespace

Galerie::~Galerie() { *halt_ = true; }

void Galerie::setzeStartbild(const QImage& bild, std::int32_t id)
{
    start_ = bild;
    startId_ = id;
    sImage_->setPixmap(QPixmap::fromImage(start_));
    FormResize();
    zeigBild();
}

void Galerie::ladeStartbild(const QString& datei, int startWahl)
{
    const auto [bild, id] = leseStartbild(datei, startWahl);
    setzeStartbild(bild, id);
}

void Galerie::ladeStartbildNebenher(const QString& datei, int startWahl)
{
    QPointer<Galerie> galerie(this);
    QThreadPool::globalInstance()->start([galerie, datei, startWahl, halt = halt_] {
        auto gelesen = leseStartbild(datei, startWahl, halt.get());
        if (halt->load())
            return;
        QMetaObject::invokeMethod(
            qApp,
            [galerie, gelesen = std::move(gelesen)] {
                if (galerie)
                    galerie->setzeStartbild(gelesen.first, gelesen.second);
            },
            Qt::QueuedConnection);
    });
}

std::string Galerie::startbildUnterschrift() const
{
    // The start pictures show the default vertical dial and the biazimuthal dial.
    return bildUnterschrift(s_, startId_ == 105 ? 1106 : 3016, false);
}

void Galerie::SImageClick()
{
    const std::int32_t id = 105 + startBildWahl_;
    startBildWahl_ = 1 - startBildWahl_;
    const QImage& bild = speicher_.bild(id);
    if (!bild.isNull()) {
        start_ = bild;
        startId_ = id;
        sImage_->setPixmap(QPixmap::fromImage(start_));
        sImage_->setToolTip(qs(startbildUnterschrift()));
    }
    FormResize();
}

void Galerie::zeigeImPanel(std::int32_t id, const std::string& text)
{
    const QImage& bild = speicher_.bild(id);
    suImage_->setPixmap(QPixmap::fromImage(bild));
    suImage_->resize(bild.size());
    eBild_->setText(qs(text + " "));
    eBild_->adjustSize();
    gezeigt_ = id;
}

void Galerie::HilfeBild(std::int32_t id, int knopf)
{
    const std::string text = bildUnterschrift(s_, id, false);
    if (id == 0 || !hatBild(id) || speicher_.bild(id).isNull()) {
        pSonnUhr_->hide();
        gezeigt_ = 0;
    } else {
        lbildshow_->hide();
        if (laeuft()) {
            timer_->stop();
            bstarttimer_->setVisible(z_.GalerieAn);
            pSlides_->hide();
        }
        zeigeImPanel(id, text);
        pSonnUhr_->resize(suImage_->width() + 52, suImage_->height() + 63);
        suImage_->move(25, 30);
        eBild_->move(25, pSonnUhr_->height() - 30);
        pSonnUhrResize();
        pSonnUhr_->show();
        pSonnUhr_->raise();
    }
    if (knopf >= 0 && static_cast<std::size_t>(knopf) < knoepfe_.size()) {
        const auto alle = bildknoepfe();
        const std::size_t naechster = naechsterKnopf(static_cast<std::size_t>(knopf));
        for (std::size_t i = 0; i < alle.size(); ++i)
            if (alle[i].platz == alle[static_cast<std::size_t>(knopf)].platz)
                knoepfe_[i]->setVisible(i == naechster);
    }
}

void Galerie::platzierePanel(int links, int oben) { pSonnUhr_->move(links, oben); }

void Galerie::zentriereDia()
{
    const int b = flaeche_->width(), h = flaeche_->height();
    pSonnUhr_->resize(kDiaPanel, kDiaPanel);
    suImage_->move((kDiaPanel - suImage_->width()) / 2, (kDiaPanel - suImage_->height()) / 2);
    eBild_->move((kDiaPanel - eBild_->width()) / 2, suImage_->y() + suImage_->height() + 5);
    bPanelClose_->move(kDiaPanel - bPanelClose_->width() - 4, 4);
    const int oben = std::max(3, (h - kDiaPanel - pSlides_->height()) / 2);
    pSonnUhr_->move((b - kDiaPanel) / 2, oben);
    pSlides_->move((b - pSlides_->width()) / 2, oben + kDiaPanel + 1);
    pSonnUhr_->show();
    pSonnUhr_->raise();
    pSlides_->show();
    pSlides_->raise();
}

void Galerie::StarttimerClick()
{
    if (laeuft()) {
        timer_->stop();
        pSonnUhr_->hide();
        platzierePanel(120, 60);
        lbildshow_->hide();
        pSlides_->hide();
        leiste_->setVisible(pBild_->isVisible() && z_.GalerieAn);
        bstarttimer_->show();
        return;
    }
    leiste_->hide();
    label15_->setText(qs(diaIntervallText(trackBar_->value())));
    zeigeImPanel(ErstesDia, std::string(titelText(s_, 31)));
    diaBildNummer_ = ErstesDia;
    lbildshow_->show();
    zentriereDia();
    timer_->start();
    bstarttimer_->hide();
}

void Galerie::Timer1Timer()
{
    diaBildNummer_ = naechstesDia(diaBildNummer_);
    zeigeImPanel(diaBildNummer_, bildUnterschrift(s_, diaBildNummer_, true));
    zentriereDia();
}

void Galerie::TrackBar1Change(int position)
{
    timer_->setInterval(diaIntervallMs(position));
    label15_->setText(qs(diaIntervallText(position)));
}

void Galerie::bStopClick()
{
    timer_->stop();
    pSlides_->hide();
    pSonnUhr_->hide();
    platzierePanel(120, 60);
    bstarttimer_->show();
    zeigBild();
}

void Galerie::bPanelCloseClick()
{
    bStopClick();
    bstarttimer_->setVisible(!arbeitsfensterOffen_() && z_.GalerieAn);
}

void Galerie::pSonnUhrResize()
{
    bPanelClose_->move(pSonnUhr_->width() - bPanelClose_->width() - 4, 4);
    eBild_->move(eBild_->x(), pSonnUhr_->height() - 26);
    if (laeuft())
        pSonnUhr_->move((flaeche_->width() - pSonnUhr_->width()) / 2, (flaeche_->height() - pSonnUhr_->height()) / 2);
    else
        platzierePanel(30, 20);
}

void Galerie::FormResize()
{
    const int b = flaeche_->width(), h = flaeche_->height();
    if (!start_.isNull()) {
        const double faktor = std::min({0.9 * b / start_.width(), 0.9 * h / start_.height(), 1.0});
        const QSize groesse(std::max(1, int(start_.width() * faktor)), std::max(1, int(start_.height() * faktor)));
        pBild_->resize(groesse);
        sImage_->setGeometry(0, 0, groesse.width(), groesse.height());
        const int oben = z_.GrosserBildschirm ? std::max(1, (h - groesse.height() - leiste_->height()) / 3) : 1;
        pBild_->move((b - groesse.width()) / 2, oben);
    }
    const int leisteOben = std::min(pBild_->y() + pBild_->height() + 5, h - leiste_->height() - 2);
    leiste_->move((b - leiste_->width()) / 2 + 10, leisteOben);
    bstarttimer_->move(b - bstarttimer_->width() - 18, h - bstarttimer_->height() - 10);
    leiste_->setVisible(pBild_->isVisible() && z_.GalerieAn && !laeuft());
}

void Galerie::zeigBild()
{
    const bool frei = !arbeitsfensterOffen_() && !laeuft();
    pBild_->setVisible(frei && !start_.isNull());
    leiste_->setVisible(frei && z_.GalerieAn);
    bstarttimer_->setVisible(frei && z_.GalerieAn);
    if (frei) {
        pBild_->raise();
        leiste_->raise();
        bstarttimer_->raise();
    }
}

void Galerie::zeigeTypBild(std::int32_t bildnummer)
{
    bildnummer_ = bildnummer;
    HilfeBild(bildnummer);
}

void Galerie::FormActivate()
{
    HilfeBild(bildnummer_);
    zeigBild();
}

void Galerie::BildWeg()
{
    pBild_->hide();
    leiste_->hide();
    bstarttimer_->hide();
    pSonnUhr_->hide();
    platzierePanel(120, 60);
    pSlides_->hide();
    timer_->stop();
}

void Galerie::verstecke() { BildWeg(); }

bool Galerie::eventFilter(QObject* o, QEvent* e)
{
    const QEvent::Type art = e->type();
    if (o == flaeche_ && art == QEvent::Resize) {
        FormResize();
    } else if (o == viewport_ && art == QEvent::MouseMove) {
        zeigBild();
    } else if (o == flaeche_->window()) {
        if (art == QEvent::Show)
            zeigBild();
        else if (art == QEvent::WindowActivate)
            FormActivate();
        else if (art == QEvent::WindowDeactivate)
            BildWeg();
        else if (art == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && pSonnUhr_->isVisible()) {
            pSonnUhr_->hide();
            return true;
        }
    } else if (o == sImage_ && art == QEvent::MouseButtonPress) {
        SImageClick();
        return true;
    } else if ((o == pSonnUhr_ || o == suImage_) && (art == QEvent::MouseButtonPress || art == QEvent::MouseMove)) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (art == QEvent::MouseButtonPress)
            griff_ = m->globalPosition().toPoint() - pSonnUhr_->pos();
        else if (m->buttons() & Qt::LeftButton)
            pSonnUhr_->move(m->globalPosition().toPoint() - griff_);
        return true;
    }
    return QObject::eventFilter(o, e);
}

} // namespace umbrin
