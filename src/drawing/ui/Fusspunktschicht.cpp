#include "drawing/ui/Fusspunktschicht.h"

#include "core/ui/PainterCanvas.h"
#include "dials/planar/Ebenenvorrat.h"
#include "drawing/Zeichnungstyp.h"

#include <QPainter>

#include <cstring>

namespace umbrin {

bool Fusspunktschicht::verschiebbar(const AppState& s, const Zeichenfensterzustand& f)
{
    return istEbeneUhr(s.UhrTyp) && !s.SchinkenModus && !f.MitNetz && !s.Schalter.BisFusspunkt &&
           !(s.Schirmuhr && s.UhrTyp == 'i');
}

Fusspunktschicht::Schluessel Fusspunktschicht::schluessel(const AppState& s, const Zeichenumgebung& u, int breite,
                                                          int hoehe)
{
    Schluessel k;
    k.par = s.Par;
    k.schalter = s.Schalter;
    k.zeiten = s.Zeiten;
    k.uhrTyp = s.UhrTyp;
    k.schirmuhr = s.Schirmuhr;
    k.zoom = s.Zoom;
    k.epsRund = s.EpsRund;
    k.farben = s.Farben;
    k.karte = s.KarteAn;
    k.grenzen = s.GrenzenAn;
    k.kuesten = s.KuestenAn;
    k.formatA4 = s.FormatA4;
    k.deutsch = s.Deutsch;
    k.kartenText = s.KartenText.data();
    k.kartenZeilen = s.KartenText.size();
    k.datumslinien = s.Datumslinien;
    k.breite = breite;
    k.hoehe = hoehe;
    k.grosserBildschirm = u.GrosserBildschirm;
    k.grosseFonts = u.GrosseFonts;
    return k;
}

void Fusspunktschicht::zeichneSchicht(const AppState& s, const Zeichenumgebung& u, int breite, int hoehe,
                                      const Zeichner& zeichner, const QRect& nur)
{
    const QSize groesse(2 * breite, 2 * hoehe);
    if (schicht_.size() != groesse) {
        schicht_ = QImage(groesse, QImage::Format_ARGB32_Premultiplied);
        arbeit_ = QImage(groesse, QImage::Format_ARGB32_Premultiplied);
    }
    if (nur.isNull()) {
        schicht_.fill(Qt::white);
    } else {
        QPainter weiss(&schicht_);
        weiss.fillRect(nur, Qt::white);
    }
    // The foot at the layer's centre; the lines are cut at the layer's edge, not the frame's.
    const int fx = s.FusspunktX, fy = s.FusspunktY;
    Zeichenumgebung linien = u;
    linien.Teile = TeilLinien;
    linien.MitSchnitt = true;
    linien.Schnitt = {fx - breite, fy - hoehe, fx + breite, fy + hoehe};
    {
        PainterCanvas c(schicht_, QPoint(breite - fx, hoehe - fy), QSize(breite, hoehe), nur);
        meldungen_ = zeichner(c, linien);
    }
    ganz_ = nur.isNull();
    beruehrt_.clear();
    kopiere(ganz_ ? schicht_.rect() : nur);
    if (ganz_)
        ++zeichnungen_;
}

void Fusspunktschicht::kopiere(const QRect& r)
{
    const QRect b = r & schicht_.rect();
    if (b.isEmpty())
        return;
    // The rows by their stride from the first: scanLine would ask for a detach on each.
    const std::size_t zeile = static_cast<std::size_t>(arbeit_.bytesPerLine());
    const std::size_t anfang = static_cast<std::size_t>(b.top()) * zeile + static_cast<std::size_t>(b.left()) * 4;
    const std::size_t laenge = static_cast<std::size_t>(b.width()) * 4;
    uchar* nach = arbeit_.bits() + anfang;
    const uchar* von = schicht_.constBits() + anfang;
    for (int y = b.top(); y <= b.bottom(); ++y, nach += zeile, von += zeile)
        std::memcpy(nach, von, laenge);
}

bool Fusspunktschicht::zeichne(QImage& bild, QSize groesse, const AppState& s, const Zeichenumgebung& u,
                               bool bewegung, const Zeichner& zeichner, Konstruktionsmeldungen& m)
{
    const int breite = groesse.width(), hoehe = groesse.height();
    const int fx = s.FusspunktX, fy = s.FusspunktY;
    // The layer and its copy take 32 bytes a window pixel (66 MB at 1920 x 1080); a window
    // much larger is drawn as a whole each time instead.
    constexpr qint64 groessteBildpunktzahl = 2560 * 1600;
    if (fx < 0 || fx >= breite || fy < 0 || fy >= hoehe || qint64(breite) * hoehe > groessteBildpunktzahl)
        return false;
    const Schluessel k = schluessel(s, u, breite, hoehe);
    if (!(k == schluessel_)) {
        schluessel_ = k;
        ganz_ = false;
    }
    // Window pixel p shows the layer's pixel p + (breite - fx, hoehe - fy).
    const QRect fenster(breite - fx, hoehe - fy, breite, hoehe);
    if (!bewegung || !ganz_) {
        zeichneSchicht(s, u, breite, hoehe, zeichner, bewegung ? QRect() : fenster);
    } else {
        for (const QRect& r : beruehrt_)
            kopiere(r);
        beruehrt_.clear();
    }
    bild = QImage(arbeit_.scanLine(fenster.top()) + static_cast<std::size_t>(fenster.left()) * 4, breite, hoehe,
                  arbeit_.bytesPerLine(), arbeit_.format());
    std::vector<QRect> neu;
    {
        PainterCanvas c(bild);
        c.collectTouched(&neu);
        // The lines lie on the layer, cut beyond the frame, and leave the numbers of the
        // Babylonian and Italian hours to this part: it is told so, with the frame itself as its
        // cut (what the window's own frame is anyway).
        Zeichenumgebung rahmen = u;
        rahmen.Teile = TeilAmRahmen;
        rahmen.MitSchnitt = true;
        rahmen.Schnitt = {0, 0, breite, hoehe};
        if (!vorrat_)
            vorrat_ = std::make_shared<Ebenenvorrat>();
        rahmen.Vorrat = vorrat_;
        zeichner(c, rahmen);
        c.flush();
    }
    for (const QRect& r : neu)
        beruehrt_.push_back(r.translated(fenster.topLeft()));
    m = meldungen_;
    return true;
}

} // namespace umbrin
