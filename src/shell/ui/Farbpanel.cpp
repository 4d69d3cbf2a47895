#include "shell/ui/Farbpanel.h"

#include "core/Sprachdienst.h"
#include "core/Textbeschriftung.h"
#include "shell/Farbpalette.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace umbrin {

namespace {
constexpr int kMusterBreite = 40;
constexpr int kMusterHoehe = 220;
QString qs(const std::string& t) { return QString::fromStdString(t); }
} // namespace

QColor alsQColor(Farbe f) { return QColor(f & 0xFF, (f >> 8) & 0xFF, (f >> 16) & 0xFF); }

Farbe alsFarbe(const QColor& c)
{
    return static_cast<Farbe>(c.red()) | (static_cast<Farbe>(c.green()) << 8) | (static_cast<Farbe>(c.blue()) << 16);
}

Farbpanel::Farbpanel(AppState& s, UserPrompt& prompt, const std::array<Farbe, 12>& startFarben, QWidget* parent)
    : QFrame(parent)
    , s_(s)
    , prompt_(prompt)
    , muster_(kMusterBreite, kMusterHoehe, QImage::Format_RGB32)
    , farbalt_(kMusterBreite, kMusterHoehe, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Farbpanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    farbwahl_ = [this](Farbe& f) {
        const QColor c = QColorDialog::getColor(alsQColor(f), this);
        if (!c.isValid())
            return false;
        f = alsFarbe(c);
        return true;
    };

    auto* haupt = new QVBoxLayout(this);
    titel_ = new QLabel(this);
    titel_->setObjectName(QStringLiteral("ALabel9"));
    titel_->installEventFilter(this);
    haupt->addWidget(titel_);

    auto* mitte = new QHBoxLayout;
    auto* raster = new QGridLayout;
    for (int k = 1; k <= FarbSlots; ++k) {
        auto* label = new QLabel(this);
        label->setObjectName(k <= 10 ? QStringLiteral("Label%1").arg(k) : QStringLiteral("Label%1").arg(k == 11 ? 18 : 20));
        auto* feld = new QLabel(this);
        feld->setObjectName(QStringLiteral("lFa%1").arg(k));
        feld->setFixedSize(36, 16);
        feld->setAutoFillBackground(true);
        feld->setFrameStyle(QFrame::Box);
        feld->setCursor(Qt::PointingHandCursor);
        for (QLabel* w : {label, feld})
            w->installEventFilter(this);
        labels_[static_cast<std::size_t>(k - 1)] = label;
        swatches_[static_cast<std::size_t>(k - 1)] = feld;
        raster->addWidget(label, k - 1, 0);
        raster->addWidget(feld, k - 1, 1);
    }
    mitte->addLayout(raster);

    musterAnzeige_ = new QLabel(this);
    musterAnzeige_->setObjectName(QStringLiteral("ImageMuster"));
    farbaltAnzeige_ = new QLabel(this);
    farbaltAnzeige_->setObjectName(QStringLiteral("ImageFarbalt"));
    mitte->addWidget(musterAnzeige_);
    mitte->addWidget(farbaltAnzeige_);

    auto* legende = new QVBoxLayout;
    labGrid_ = new QLabel(this);
    labGrid_->setObjectName(QStringLiteral("LabGrid"));
    grid_ = new QTableWidget(FarbSlots, 2, this);
    grid_->setObjectName(QStringLiteral("FGrid"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setColumnWidth(0, 40);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumWidth(360);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    grid_->setMinimumHeight(FarbSlots * grid_->verticalHeader()->defaultSectionSize() + 4);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    legende->addWidget(labGrid_);
    legende->addWidget(grid_);
    mitte->addLayout(legende);
    haupt->addLayout(mitte);

    auto* unten = new QHBoxLayout;
    auto* gruppe = new QGroupBox(this);
    gruppe->setObjectName(QStringLiteral("RGLinien"));
    auto* gruppenLayout = new QHBoxLayout(gruppe);
    linien_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        linienKnoepfe_[static_cast<std::size_t>(i)] = new QRadioButton(QString::number(i + 1), gruppe);
        linien_->addButton(linienKnoepfe_[static_cast<std::size_t>(i)], i);
        gruppenLayout->addWidget(linienKnoepfe_[static_cast<std::size_t>(i)]);
    }
    connect(linien_, &QButtonGroup::idClicked, this, [this](int i) { LinStaerke(i); });
    unten->addWidget(gruppe);
    sav_ = new QPushButton(this);
    sav_->setObjectName(QStringLiteral("ButSav"));
    load_ = new QPushButton(this);
    load_->setObjectName(QStringLiteral("ButLoad"));
    reset_ = new QPushButton(this);
    reset_->setObjectName(QStringLiteral("ButReset"));
    schliessen_ = new QPushButton(this);
    schliessen_->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* b : {sav_, load_, reset_, schliessen_})
        unten->addWidget(b);
    haupt->addLayout(unten);
    connect(sav_, &QPushButton::clicked, this, [this] { farbSave(); });
    connect(load_, &QPushButton::clicked, this, [this] { FarbLoad(true); });
    connect(reset_, &QPushButton::clicked, this, [this] { FarbLoad(false); });
    connect(schliessen_, &QPushButton::clicked, this, [this] { farbauswahl_beendet(); });

    // The second sample shows the colours of the start for comparison.
    zeichneMuster(farbalt_, startFarben, 3, 29);
    farbaltAnzeige_->setPixmap(QPixmap::fromImage(farbalt_));
    zeigeMuster();
    hide();
}

void Farbpanel::zeichneMuster(QImage& bild, const std::array<Farbe, 12>& farben, int breite, int ende, int fokus)
{
    bild.fill(palette().color(QPalette::Window));
    QPainter p(&bild);
    for (int k = 1; k <= FarbSlots; ++k) {
        const int y = musterLinieY(bild.height(), k);
        p.setPen(QPen(alsQColor(farben[static_cast<std::size_t>(k - 1)]), breite, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(10, y, ende, y);
    }
    if (fokus > 0) {
        const int y = musterLinieY(bild.height(), fokus);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(2, y - 6, 36, 14);
    }
}

void Farbpanel::zeigeMuster()
{
    zeichneMuster(muster_, s_.Farben, std::max<int>(1, s_.Schalter.Linienstaerke), 35);
    musterAnzeige_->setPixmap(QPixmap::fromImage(muster_));
    for (int k = 1; k <= FarbSlots; ++k) {
        QPalette pal = swatch(k)->palette();
        pal.setColor(QPalette::Window, alsQColor(s_.Farben[static_cast<std::size_t>(k - 1)]));
        swatch(k)->setPalette(pal);
    }
}

void Farbpanel::beschrifte()
{
    const bool de = s_.Sprachspalte != 2;
    std::string menue(menueText(s_, 21));
    std::erase_if(menue, [](char c) { return c == '&' || c == ':'; });
    titel_->setText(qs(menue));
    for (int k = 1; k <= FarbSlots; ++k)
        labels_[static_cast<std::size_t>(k - 1)]->setText((de ? QStringLiteral("Farbe %1 :") : QStringLiteral("Colour %1 :")).arg(k));
    static_cast<QGroupBox*>(linienKnoepfe_[0]->parentWidget())
        ->setTitle(de ? QStringLiteral("   &Linienstärke    ") : QStringLiteral("   &Line width    "));
    sav_->setText(de ? QStringLiteral("Farben &speichern") : QStringLiteral("&Save colours"));
    load_->setText(de ? QStringLiteral("Farben &laden") : QStringLiteral("&Load colours"));
    reset_->setText(de ? QStringLiteral("Farben &reset") : QStringLiteral("&Reset colours"));
    schliessen_->setText(de ? QStringLiteral("Schliessen") : QStringLiteral("Close"));
}

void Farbpanel::Farbauswahl1Click()
{
    beschrifte();
    labGrid_->setText(qs(farbLegendenUeberschrift(s_)));
    const auto zeilen = farbLegendenZeilen(s_);
    for (int r = 0; r < FarbSlots; ++r) {
        const auto& [slot, text] = zeilen[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(qs(slot)));
        grid_->setItem(r, 1, new QTableWidgetItem(qs(text)));
    }
    const int index = std::clamp<int>(s_.Schalter.Linienstaerke, 1, 3) - 1;
    linienKnoepfe_[static_cast<std::size_t>(index)]->setChecked(true);
    if (!isVisible()) {
        adjustSize();
        if (!s_.FensterNormal)
            move(10, 10);
        show();
        raise();
    }
    zeigeMuster();
}

void Farbpanel::lFarbClick(int slot)
{
    zeichneMuster(muster_, s_.Farben, std::max<int>(1, s_.Schalter.Linienstaerke), 35, slot);
    musterAnzeige_->setPixmap(QPixmap::fromImage(muster_));
    Farbe f = s_.Farben[static_cast<std::size_t>(slot - 1)];
    if (farbwahl_ && farbwahl_(f))
        waehleFarbe(s_, slot, f);
    zeigeMuster();
}

void Farbpanel::LinStaerke(int index)
{
    s_.Schalter.Linienstaerke = static_cast<std::uint8_t>(index + 1);
    zeigeMuster();
}

void Farbpanel::farbSave()
{
    const FarbDateiErgebnis e = umbrin::farbSave(s_);
    switch (e.status) {
    case FarbDateiStatus::Ok: prompt_.ask(PromptTitle::Information, PromptIcon::Warning, e.meldung, PromptButtons::Ok); break;
    case FarbDateiStatus::DateiFehlt: prompt_.ask(PromptTitle::Problem, PromptIcon::Warning, e.meldung, PromptButtons::Ok); break;
    default: prompt_.ask(PromptTitle::Fehler, PromptIcon::Error, e.meldung, PromptButtons::Ok); break;
    }
}

void Farbpanel::FarbLoad(bool mitDatei)
{
    const FarbDateiErgebnis e = umbrin::FarbLoad(s_, mitDatei);
    if (e.status != FarbDateiStatus::Ok)
        prompt_.ask(PromptTitle::Warnung, PromptIcon::Warning, e.meldung, PromptButtons::Ok);
    Farbauswahl1Click();
}

void Farbpanel::farbauswahl_beendet()
{
    hide();
    if (nachSchliessen_)
        nachSchliessen_();
}

bool Farbpanel::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        for (int k = 1; k <= FarbSlots; ++k) {
            if (o == swatch(k) || o == labels_[static_cast<std::size_t>(k - 1)]) {
                lFarbClick(k);
                return true;
            }
        }
        if (o == titel_) {
            mousePressEvent(static_cast<QMouseEvent*>(e));
            return true;
        }
    }
    if (e->type() == QEvent::MouseMove && o == titel_) {
        mouseMoveEvent(static_cast<QMouseEvent*>(e));
        return true;
    }
    return QFrame::eventFilter(o, e);
}

void Farbpanel::mousePressEvent(QMouseEvent* e)
{
    griff_ = e->globalPosition().toPoint() - pos();
}

void Farbpanel::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        move(e->globalPosition().toPoint() - griff_);
}

} // namespace umbrin
