// The drawing window's mouse, hints, zoom, paper format, display modes and language switch.
#include "drawing/ui/ZeichenFenster.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "core/ui/Beschriftung.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungstyp.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFensterIntern.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace umbrin {

// ---------------------------------------------------------------------------------------
// Mouse, hints, zoom, display modes

void ZeichenFenster::Image1MouseDown(QMouseEvent* e)
{
    const int x = static_cast<int>(e->position().x());
    const int y = static_cast<int>(e->position().y());
    const Qt::MouseButton knopf = e->button();
    const Qt::KeyboardModifiers tasten =
        e->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
    const bool links = knopf == Qt::LeftButton;

    QApplication::restoreOverrideCursor();
    loescheWarnung();

    if (s_.SchinkenModus) {
        if (links && tasten == Qt::AltModifier)
            f_.punkte.leeren();
        s_.StundenpunkteZeigen = 0;
    }
    if (links && tasten == Qt::ControlModifier) {
        f_.MausX = x;
        f_.MausY = y;
        if (f_.punkte.voll()) {
            const std::string n = std::to_string(Stundenpunkte::Kapazitaet);
            frage_.ask(PromptTitle::Information, PromptIcon::None,
                       s_.Sprachspalte == 2 ? n + " hour points are already stored!"
                                            : "Es sind schon " + n + " Stundenpunkte gespeichert!",
                       PromptButtons::Ok);
            return;
        }
        f_.punkte.markiere(x, y, s_.Par.HabermelGnomon);
        bild_->markiere(QPoint(x, y), 5);
        return;
    }
    if (links && tasten == Qt::ShiftModifier) {
        for (std::size_t i = 1; i < Stundenpunkte::Slots; ++i) {
            const Stundenpunkt& p = f_.punkte[i];
            if (p.belegt)
                bild_->markiere(QPoint(p.x, p.y), 5);
        }
        s_.StundenpunkteZeigen = 1;
        return;
    }
    if (!fusspunktPerMaus(s_))
        return;
    setzePunkt(x, y, knopf, tasten);
    if (links && tasten == Qt::NoModifier) {
        fussBewegung_ = true;
        Konstruiere();
        fussBewegung_ = false;
        f_.LegendeNeu = true;
        aktualisiereMarken();
    } else if (knopf == Qt::RightButton && tasten == Qt::NoModifier) {
        f_.MausX = x;
        f_.MausY = y;
    }
}

void ZeichenFenster::setzePunkt(int x, int y, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten)
{
    if (knopf != Qt::LeftButton)
        return;
    if (tasten == Qt::NoModifier) {
        f_.FusspunktNeu = false;
        s_.FusspunktGesetzt = 1;
        s_.FusspunktX = x;
        s_.FusspunktY = y;
    } else if (tasten == Qt::AltModifier && s_.UhrTyp != 'w') {
        f_.LegendeNeu = false;
        s_.LegendeX = x;
        s_.LegendeY = y;
        s_.LegendeGesetzt = 1;
    }
    aktualisiereMarken();
}

void ZeichenFenster::setzeWarnung(int zeile, const char* farbe, const char* hintergrund)
{
    warnung_ = {zeile, farbe, hintergrund};
    const std::string text(texteText(s_, zeile));
    QString stil = QStringLiteral("QLabel { color: %1; ").arg(QString::fromLatin1(farbe));
    if (hintergrund)
        stil += QStringLiteral("background-color: %1; ").arg(QString::fromLatin1(hintergrund));
    stil += QLatin1Char('}');
    // The line follows every mouse motion: a style sheet set again restyles the label each
    // time, so it is set only when it changes.
    if (stil != pWarnung_->styleSheet())
        pWarnung_->setStyleSheet(stil);
    const QString neu = q(text);
    if (neu != pWarnung_->text())
        pWarnung_->setText(neu);
}

void ZeichenFenster::loescheWarnung()
{
    warnung_ = {};
    pWarnung_->clear();
}

void ZeichenFenster::zeigWarnung(QObject* ueber)
{
    const std::string_view tipFarbe = "#ffffe1"; // tool-tip background
    if (mitKarte(s_.UhrTyp)) {
        if (ueber == bitBtnNetz_ || ueber == bitBtnZeichne_ || ueber == bitBtnCol_)
            setzeWarnung(44, "purple", tipFarbe.data());
        else if (ueber == bild_)
            setzeWarnung(45, "black", "silver");
        else
            setzeWarnung(45, "navy", "aqua");
    } else {
        loescheWarnung();
    }
    if (ueber == btnSaveC_ || ueber == btnLoadC_)
        setzeWarnung(48, "black", tipFarbe.data());
}

bool ZeichenFenster::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) {
        if (qobject_cast<QPushButton*>(o))
            zeigWarnung(o);
        return false;
    }
    // The panels over the drawing move with the mouse.
    auto* panel = qobject_cast<QWidget*>(o);
    if (!panel || (panel != hpgPanel_ && panel != pStabInfo_ && panel != pWinkel_ && panel != pHoll_))
        return false;
    if (e->type() == QEvent::MouseButtonPress) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::LeftButton) {
            griff_ = m->position().toPoint();
            return true;
        }
    } else if (e->type() == QEvent::MouseMove) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->buttons() & Qt::LeftButton) {
            panel->move(panel->mapToParent(m->position().toPoint() - griff_));
            return true;
        }
    }
    return false;
}

void ZeichenFenster::zoomEin()
{
    s_.Zoom *= s_.ZoomSchritt;
    Konstruiere();
}

void ZeichenFenster::zoomAus()
{
    s_.Zoom /= s_.ZoomSchritt;
    Konstruiere();
}

void ZeichenFenster::wheelEvent(QWheelEvent* e)
{
    e->accept();
    const int d = e->angleDelta().y();
    if (d > -300)
        s_.Zoom *= 1.0 + d / 2000.0;
    Konstruiere();
}

void ZeichenFenster::A4Click()
{
    s_.FormatA4 = 1;
    a4_->setChecked(true);
    a3_->setChecked(false);
    if (dienste_.anzeigeart)
        dienste_.anzeigeart(true);
    Konstruiere(Zeichenanlass::Anzeigeart);
}

void ZeichenFenster::A3Click()
{
    s_.FormatA4 = 0;
    a3_->setChecked(true);
    a4_->setChecked(false);
    if (dienste_.anzeigeart)
        dienste_.anzeigeart(false);
    Konstruiere(Zeichenanlass::Anzeigeart);
}

void ZeichenFenster::FormResize()
{
    const QSize g = bild_->size();
    f_.BildBreite = g.width();
    f_.BildHoehe = g.height();
    const bool biazimutal = s_.UhrTyp == 'c';
    trackBar1_->setVisible(biazimutal);
    lTrack_->setVisible(biazimutal);
    // A scale read from a settings file may be anything: keep it where the track bar reaches
    // before taking its logarithm.
    const int massstab = std::clamp<std::int32_t>(s_.Schalter.Kartenmassstab, 5, 65659969);
    {
        const QSignalBlocker sperre(trackBar1_);
        trackBar1_->setValue(static_cast<int>(roundHalfEven(10 * std::log(static_cast<long double>(massstab)))));
    }
    lTrack_->setText(q(RealStr(s_.Schalter.Kartenmassstab, 6, 0)));
    if (pWinkel_->isVisible())
        pWinkel_->setGeometry(7, 7, std::max(50, g.width() - 15), std::max(50, g.height() - 15));
    platziereBildKnoepfe();
}

void ZeichenFenster::platziereBildKnoepfe()
{
    const QSize g = bild_->size();
    bitBtnSchoe_->adjustSize();
    chBSchoenerTabelle_->setText(s_.Deutsch ? QStringLiteral("Tabelle schreiben") : QStringLiteral("Write table"));
    chBSchoenerTabelle_->adjustSize();
    // The ring's buttons keep to the right: over the dial in the lower corner, clear of the
    // zodiac key that begins at the lower left; over the correction chart, which fills the
    // image down to its scale numbers, in the upper corner above the chart's title.
    const int schoeX = std::max(5, g.width() - bitBtnSchoe_->width() - 5);
    const int schoeY = f_.SchoenerAnsicht ? 1 : g.height() - bitBtnSchoe_->height() - 1;
    bitBtnSchoe_->move(schoeX, std::max(0, schoeY));
    chBSchoenerTabelle_->move(std::max(0, schoeX - chBSchoenerTabelle_->width() - 8),
                              std::max(0, schoeY + (bitBtnSchoe_->height() - chBSchoenerTabelle_->height()) / 2));
    bitBtnHoll_->adjustSize();
    bitBtnHoll_->move(2, std::max(0, g.height() - bitBtnHoll_->height() - (pHoll_->isVisible() ? 4 : 1)));
}

void ZeichenFenster::SchoenerClick()
{
    f_.SchoenerAnsicht = !f_.SchoenerAnsicht;
    bitBtn1_->setEnabled(!f_.SchoenerAnsicht);
    bitBtn2_->setEnabled(!f_.SchoenerAnsicht);
    setzeTextId(bitBtnSchoe_, f_.SchoenerAnsicht ? 719 : 122);
    beschrifte();
    chBSchoenerTabelle_->setVisible(f_.SchoenerAnsicht);
    platziereBildKnoepfe();
    Konstruiere(Zeichenanlass::Korrektur);
}

void ZeichenFenster::BitBtnHollClick()
{
    const bool zeigen = pHoll_->isHidden();
    pHoll_->setVisible(zeigen);
    if (zeigen) {
        const QSize g = bild_->size();
        pHoll_->setGeometry(g.width() / 4, 8, g.width() / 2, std::max(50, g.height() - 60));
        pHoll_->raise();
        zeigeKegelGrafik();
    }
    setzeTextId(bitBtnHoll_, zeigen ? 124 : 123);
    beschrifte();
    bitBtnHoll_->raise();
    platziereBildKnoepfe();
}

void ZeichenFenster::TrackBar1Change(int position)
{
    s_.Schalter.Kartenmassstab = static_cast<std::int32_t>(roundHalfEven(std::exp(position / 10.0L)));
    lTrack_->setText(q(RealStr(s_.Schalter.Kartenmassstab, 6, 0)));
}

void ZeichenFenster::einstellen()
{
    bisFuss_->setChecked(s_.Schalter.BisFusspunkt);
    a4_->setChecked(s_.FormatA4 == 1);
    a3_->setChecked(s_.FormatA4 != 1);
    const bool eben = istEbeneUhrOhneSchirm(s_);
    polInfo_->setEnabled(eben);
    polDreieck_->setEnabled(eben);
    bisFuss_->setEnabled(eben);
    const bool korrektur = s_.UhrTyp == 'r' && f_.SchoenerAnsicht;
    alsHPG1_->setEnabled(!korrektur);
    alsdx1_->setEnabled(!korrektur);
}

void ZeichenFenster::aktualisiereSprache(AppState&)
{
    setzeTitel();
    // The components in the new language first: their room is the picture's size.
    beschrifte();
    if (layout())
        layout()->activate();
    zeichneInNeuerSprache();
    if (f_.InfoListeOffen)
        baueListing();
    if (f_.WinkelTabelleOffen)
        BitBtnWinkelClick();
    if (s_.UhrTyp == 'm' && pStabInfo_->isVisible())
        zeigeKegelInfo();
    if (pHoll_->isVisible())
        zeigeKegelGrafik();
    beschrifte();
    platziereBildKnoepfe();
}

void ZeichenFenster::zeichneInNeuerSprache()
{
    if (!gezeigt_ || laedt_ || bildSprachspalte_ == s_.Sprachspalte)
        return;
    const Warnung warnung = warnung_;
    const bool fusshinweis = fusshinweis_;
    // A planar drawing closes the angle table; the switch leaves it open, for the caller to
    // fill in the new language.
    const bool tabelle = f_.WinkelTabelleOffen;
    meldungenStumm_ = true;
    Konstruiere(bildAnlass_);
    meldungenStumm_ = false;
    f_.WinkelTabelleOffen = tabelle;
    if (fusshinweis)
        schreibeFusshinweis();
    if (warnung.zeile)
        setzeWarnung(warnung.zeile, warnung.farbe, warnung.grund);
}

void ZeichenFenster::karteGeaendert()
{
    Konstruiere();
}

} // namespace umbrin
