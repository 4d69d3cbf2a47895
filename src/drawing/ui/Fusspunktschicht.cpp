#include "drawing/ui/Fusspunktschicht.h"

#include "core/ui/PainterCanvas.h"
#include "drawing/Zeichnungstyp.h"

#include <QPainter>

#include <cstring>

namespace umbrin {

bool Fusspunktschicht::verschiebbar(const AppState& s, const Zeichenfensterzustand& f)
{
    return istEbeneUhr(s.UhrTyp) && !s.SchinkenModus && !f.MitNetz && !s.Schalter.BisFusspunkt &&
           !s.Schalter.Babylonisch && !s.Schalter.Italienisch && !(s.Schirmuhr && s.UhrTyp == 'i');
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
    if (schicht_.size() != groesse)
        schicht_ = QImage(groesse, QImage::Format_ARGB32_Premultiplied);
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
    PainterCanvas c(schicht_, QPoint(breite - fx, hoehe - fy), QSize(breite, hoehe), nur);
    meldungen_ = zeichner(c, linien);
    ganz_ = nur.isNull();
    if (ganz_)
        ++zeichnungen_;
}

bool Fusspunktschicht::zeichne(QImage& bild, const AppState& s, const Zeichenumgebung& u, bool bewegung,
                               const Zeichner& zeichner, Konstruktionsmeldungen& m)
{
    const int breite = bild.width(), hoehe = bild.height();
    const int fx = s.FusspunktX, fy = s.FusspunktY;
    if (fx < 0 || fx >= breite || fy < 0 || fy >= hoehe || bild.format() != QImage::Format_ARGB32_Premultiplied)
        return false;
    const Schluessel k = schluessel(s, u, breite, hoehe);
    if (!(k == schluessel_)) {
        schluessel_ = k;
        ganz_ = false;
    }
    // Window pixel p shows the layer's pixel p + (breite - fx, hoehe - fy).
    const QRect fenster(breite - fx, hoehe - fy, breite, hoehe);
    if (!bewegung)
        zeichneSchicht(s, u, breite, hoehe, zeichner, fenster);
    else if (!ganz_)
        zeichneSchicht(s, u, breite, hoehe, zeichner, QRect());
    const std::size_t zeile = static_cast<std::size_t>(breite) * 4;
    for (int y = 0; y < hoehe; ++y)
        std::memcpy(bild.scanLine(y), schicht_.constScanLine(fenster.top() + y) + static_cast<std::size_t>(fenster.left()) * 4,
                    zeile);
    {
        PainterCanvas c(bild);
        Zeichenumgebung rahmen = u;
        rahmen.Teile = TeilAmRahmen;
        zeichner(c, rahmen);
    }
    m = meldungen_;
    return true;
}

} // namespace umbrin
