// The pages of the parameter dialog for the quadrant and Habermel dials, the cylinder dials,
// the horizontal altitude dial and the ring dial.
#include "core/ui/RadioGruppe.h"
#include "dialogs/ui/DialogFelder.h"
#include "dialogs/ui/ParameterSeitenBau.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace umbrin {

using T = ParameterDialog::Text;

QWidget* ParameterDialog::baueSeiteQuadrant()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    v->addWidget(gruppeId(seite, "RgAltitude", 57, 3, 3));
    auto* kopf = neu<QLabel>(seite, "lQuad");
    QFont f = kopf->font();
    f.setBold(true);
    kopf->setFont(f);
    v->addWidget(kopf);

    auto* habermel = rahmen(seite, "GrAlt", {" Habermel ", " Habermel "});
    auto* h = new QGridLayout(habermel);
    h->addWidget(label(habermel, "l2Habermel", {"&Zeigerlänge der Sonnenuhr ", "&Gnomon length of the dial "}), 0, 0);
    h->addWidget(feld(habermel, "EdHabermel", 6), 0, 1);
    h->addWidget(labelId(habermel, "LHabermel", 580), 1, 0);
    h->addWidget(feld(habermel, "EdHabermel2", 6), 1, 1);
    h->addWidget(labelId(habermel, "LabLat", 301), 2, 0);
    h->addWidget(feld(habermel, "EdLat", 6), 2, 1);
    h->addWidget(kasten(habermel, "ChbZ3", {"mit &Zeitgleichung", "with &EoT"}), 3, 0);
    h->addWidget(label(habermel, "Label190", {"(nur mit Ortszeit)", "(local time only)"}), 3, 1, 1, 2);
    h->addWidget(label(habermel, "Label189", {"Datumslinien", "Date lines"}), 4, 0);
    h->addWidget(auswahl(habermel, "cLinZlH"), 4, 1, 1, 2);
    h->setColumnStretch(3, 1);
    v->addWidget(habermel);

    auto* quadrant = rahmen(seite, "GrQuad", {" Quadrant ", " Quadrant "});
    auto* q = new QGridLayout(quadrant);
    q->addWidget(label(quadrant, "Label147", {"&Größe des Quadranten [mm]", "&Size of the quadrant [mm]"}), 0, 0);
    q->addWidget(feld(quadrant, "edQuad", 5), 0, 1);
    q->addWidget(gruppe(quadrant, "rgZodiak", {" Skala ", " Scale "},
                        {{" Kalender -Datum als Skala", " calendar date as scale"},
                         {" Sonnendeklination (Zodiak) als Skala", " declination of the sun (zodiac) as scale"},
                         {" stereographische Skala (Gunter Quadrant)", " stereographic scale (Gunter's quadrant)"}}),
                 1, 0, 1, 4);
    q->addWidget(kasten(quadrant, "chBQganzjr", {}), 2, 0, 1, 2);
    q->addWidget(kasten(quadrant, "ChbQ1", {"&gespiegelt", "m&irrored"}), 2, 2);
    q->addWidget(kasten(quadrant, "ChBQ2", {"mit &Zeitgleichung", "with &EoT"}), 3, 0);
    q->addWidget(gruppe(quadrant, "RgQ2", {}, {{"Skala links > rechts", "Read left to right"},
                                              {"Skala rechts > links", "Read right to left"}},
                        2),
                 3, 1, 1, 3);
    q->addWidget(gruppeId(quadrant, "rgQuad", 536, 2, 2), 4, 0, 1, 4);
    q->addWidget(kasten(quadrant, "ChBqOZ", {"Stunden&linien", "hour &lines"}), 5, 0);
    q->addWidget(auswahl(quadrant, "CQAnf"), 5, 1);
    q->addWidget(auswahl(quadrant, "CQend"), 5, 2);
    q->addWidget(auswahl(quadrant, "cQStund"), 5, 3);
    q->addWidget(kasten(quadrant, "chBqTemp", {"&Temporalstunden", "&temporal hours"}), 6, 0);
    q->addWidget(auswahl(quadrant, "cQtAnf"), 6, 1);
    q->addWidget(auswahl(quadrant, "cQtEnd"), 6, 2);
    q->addWidget(auswahl(quadrant, "cQtStund"), 6, 3);
    q->setColumnStretch(4, 1);
    v->addWidget(quadrant);
    v->addStretch(1);
    return seite;
}

QWidget* ParameterDialog::baueSeiteZylinder()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    auto* kopf = neu<QLabel>(seite, "lArt");
    QFont f = kopf->font();
    f.setBold(true);
    kopf->setFont(f);
    v->addWidget(kopf);

    auto* werte = new QGridLayout;
    v->addLayout(werte);
    werte->addWidget(label(seite, "Label5", {"&Zeigerlänge [mm]", "&Pointer length [mm]"}), 0, 0);
    werte->addWidget(feld(seite, "Edit1", 7), 0, 1);
    werte->addWidget(label(seite, "lhorLaenge", {"&Länge der Monatsskala [mm]", "&Length of the month scale [mm]"}), 1, 0);
    werte->addWidget(label(seite, "lUmf", {"&Umfang des Zylinders [mm]", "&Circumference of the cylinder [mm]"}), 1, 0);
    werte->addWidget(feld(seite, "EdSkala", 7), 1, 1);
    werte->addWidget(label(seite, "Label19", {"Höhe der Skala [mm]", "Height of the scale [mm]"}), 2, 0);
    werte->addWidget(feld(seite, "EdSkalaS", 7), 2, 1);
    werte->addWidget(label(seite, "Label82", {"(berechnet)", "(computed)"}), 2, 2);
    werte->addWidget(labelId(seite, "LZylRad", 412), 3, 0);
    werte->addWidget(feld(seite, "EdRAdius", 7), 3, 1);
    auto* umfang = new QHBoxLayout;
    umfang->addWidget(label(seite, "LZylUm", {"Umfang", "Circumference"}));
    umfang->addWidget(neu<QLabel>(seite, "LUmfang"));
    werte->addLayout(umfang, 3, 2);
    werte->addWidget(label(seite, "Label133", {"Süd&abweichung des Polstabs", "&Declination of the polar rod"}), 4, 0);
    werte->addWidget(feld(seite, "EDekl", 7), 4, 1);
    werte->addWidget(labelId(seite, "Label134", 403), 4, 2);
    werte->setColumnStretch(3, 1);

    auto* zeit = rahmen(seite, "GrB3z", {" Zeitanzeige ", " Time Display "});
    auto* z = new QGridLayout(zeit);
    z->addWidget(gruppeId(zeit, "rgZyl", 536, 2, 2), 0, 0, 1, 3);
    z->addWidget(label(zeit, "lnurVormittag", {"Nachmittag symmetrisch zum Vormittag", "afternoon symmetric to the morning"}),
                 1, 0, 1, 3);
    z->addWidget(kasten(zeit, "ChBZ1", {"mit &Zeitgleichung", "with &EoT"}), 2, 0);
    auto* rb = neu<QRadioButton>(zeit, "rbOrtszeit");
    texte_.push_back({rb, {"Ortszeit", "local time"}});
    auto* rz = neu<QRadioButton>(zeit, "rbZone");
    texte_.push_back({rz, {"Zonenzeit", "zone time"}});
    z->addWidget(rb, 2, 1);
    z->addWidget(rz, 2, 2);
    z->addWidget(label(zeit, "Label50", {"mittlere Zeit", "mean time"}), 3, 0);
    z->addWidget(auswahl(zeit, "cEotAnf2"), 3, 1);
    z->addWidget(auswahl(zeit, "cEotEnd2"), 3, 2);
    z->addWidget(auswahl(zeit, "cEotInt2"), 3, 3);
    z->addWidget(label(zeit, "Label54", {"(Stunden von, bis)", "(hours from, to)"}), 4, 1, 1, 2);
    z->addWidget(label(zeit, "Label57", {"Intervall", "Interval"}), 4, 3);
    z->setColumnStretch(4, 1);
    v->addWidget(zeit);

    auto* skalen = new QHBoxLayout;
    skalen->addWidget(gruppeId(seite, "RGZ1", 574, 2));
    skalen->addWidget(gruppe(seite, "rgZ3", {" Schatten ", " Shadow "},
                             {{"Schattenspitze", "shadow tip"}, {"ganze Schattenlänge", "whole shadow length"}}));
    v->addLayout(skalen);

    auto* linien = rahmen(seite, "GrStundenZ", {" Stundenlinien ", " Hour Lines "});
    auto* r = new QGridLayout(linien);
    spaltenKoepfe(r, linien, "lKopfZ");
    linienZeile(r, 1, linien, "chbOrtZ", {"&Stundenlinien", "&hour lines"}, "CEdAnf", "CEdEnd", "CStund");
    linienZeile(r, 2, linien, "Chb8z", {"&Temporalstunden", "&Temporal hours"}, "cTeAnf3", "cTeEnd3", "cTeInt3");
    linienZeile(r, 3, linien, "chB5z", {"&Babylonische Stunden", "&Babylonian hours"}, "cBaAnf3", "cBaEnd3",
                "cBaInt3");
    linienZeile(r, 4, linien, "ChB6z", {"I&talische Stunden", "I&talian hours"}, "cItAnf3", "cItEnd3", "cItInt3");
    r->addWidget(kasten(linien, "ChBZ2", {"Linien gleicher &Sonnenhöhe", "lines of equal &altitude"}), 5, 0);
    r->addWidget(label(linien, "lLinZl", {"Datumslinien", "Date lines"}), 6, 0);
    r->addWidget(auswahl(linien, "cLinZl"), 6, 1, 1, 3);
    r->setColumnStretch(4, 1);
    v->addWidget(linien);
    v->addStretch(1);
    return seite;
}

QWidget* ParameterDialog::baueSeiteHoehe()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    auto* werte = new QGridLayout;
    v->addLayout(werte);
    werte->addWidget(label(seite, "hLabel5", {"&Zeigerlänge [mm]", "&Pointer length [mm]"}), 0, 0);
    werte->addWidget(feld(seite, "hEdit1", 7), 0, 1);
    werte->addWidget(label(seite, "hlhorLaenge", {"&Länge der Monatsskala [mm]", "&Length of the month scale [mm]"}), 1, 0);
    werte->addWidget(feld(seite, "hEdSkala", 7), 1, 1);
    werte->addWidget(label(seite, "hLabel19", {"&Breite der Stundenskala [mm]", "&Width of the hour scale [mm]"}), 2, 0);
    werte->addWidget(feld(seite, "hEdSkalaS", 7), 2, 1);
    werte->addWidget(kasten(seite, "hChBZ2", {"&vertikaler Zeiger", "&vertical pointer"}), 3, 0);
    werte->setColumnStretch(3, 1);

    auto* zeit = new QHBoxLayout;
    zeit->addWidget(gruppeId(seite, "hRGZ2", 553, 3));
    zeit->addWidget(gruppeId(seite, "hRGZ1", 562, 2));
    v->addLayout(zeit);

    auto* linien = rahmen(seite, "GrStundenH", {" Stundenlinien ", " Hour Lines "});
    auto* r = new QGridLayout(linien);
    spaltenKoepfe(r, linien, "lKopfH");
    r->addWidget(label(linien, "lhStd", {"Stunden", "Hours"}), 1, 0);
    r->addWidget(auswahl(linien, "hCEdAnf"), 1, 1);
    r->addWidget(auswahl(linien, "hCEdEnd"), 1, 2);
    r->addWidget(auswahl(linien, "hCStund"), 1, 3);
    r->addWidget(label(linien, "lhTemp", {"Temporalstunden", "Temporal hours"}), 2, 0);
    r->addWidget(auswahl(linien, "hcEdtAnf"), 2, 1);
    r->addWidget(auswahl(linien, "hcEdtEnd"), 2, 2);
    r->addWidget(auswahl(linien, "hctStund"), 2, 3);
    r->addWidget(kasten(linien, "hCHBZ1", {"mit &Zeitgleichung", "with &EoT"}), 3, 0);
    auto* oz = neu<QRadioButton>(linien, "rbOz");
    texte_.push_back({oz, {"Ortszeit", "local time"}});
    auto* zz = neu<QRadioButton>(linien, "rbZz");
    texte_.push_back({zz, {"Zonenzeit", "zone time"}});
    r->addWidget(oz, 3, 1);
    r->addWidget(zz, 3, 2);
    r->addWidget(label(linien, "lLinZl2", {"Datumslinien", "Date lines"}), 4, 0);
    r->addWidget(auswahl(linien, "cLinZl2"), 4, 1, 1, 3);
    r->setColumnStretch(4, 1);
    v->addWidget(linien);
    v->addStretch(1);
    return seite;
}

QWidget* ParameterDialog::baueSeiteRing()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    auto* werte = new QGridLayout;
    v->addLayout(werte);
    werte->addWidget(labelId(seite, "Label62", 580), 0, 0);
    werte->addWidget(feld(seite, "rDurchEdit", 6), 0, 1);
    werte->addWidget(label(seite, "Label63", {"B&reite des Rings (Skalenbreite)", "Ring &width (scale width)"}), 1, 0);
    werte->addWidget(feld(seite, "rBreitEdit", 6), 1, 1);
    werte->addWidget(label(seite, "Label68", {"&Lochgnomon, Position in Grad", "Pin &hole, position in degrees"}), 2, 0);
    werte->addWidget(feld(seite, "rAlphEdit", 6), 2, 1);
    werte->addWidget(labelId(seite, "Label166", 584), 3, 0);
    werte->addWidget(feld(seite, "rOff2", 6), 3, 1);
    werte->setColumnStretch(2, 1);

    auto* wahl = new QGridLayout;
    v->addLayout(wahl);
    wahl->addWidget(gruppeId(seite, "rgRi2", 555, 2), 0, 0);
    wahl->addWidget(gruppeId(seite, "rgRiExakt", 730, 3), 0, 1);
    wahl->addWidget(kasten(seite, "chB12all", {"12-Uhr-Linie &horizontal", "12 o'clock line &horizontal"}), 1, 0);
    auto* band = kasten(seite, "chBRganzjr", {});
    setzeTextId(band, 560);
    wahl->addWidget(band, 1, 1);

    auto* linien = rahmen(seite, "GrStundenR", {" Stundenlinien ", " Hour Lines "});
    auto* r = new QGridLayout(linien);
    spaltenKoepfe(r, linien, "lKopfR");
    r->addWidget(label(linien, "lRStd", {"Stunden", "Hours"}), 1, 0);
    r->addWidget(auswahl(linien, "CEdRvon"), 1, 1);
    r->addWidget(auswahl(linien, "cEdRBis"), 1, 2);
    r->addWidget(auswahl(linien, "cRInt"), 1, 3);
    r->addWidget(label(linien, "lRTemp", {"Temporalstunden", "Temporal hours"}), 2, 0);
    r->addWidget(auswahl(linien, "cRtAnf"), 2, 1);
    r->addWidget(auswahl(linien, "cRtEnd"), 2, 2);
    r->addWidget(auswahl(linien, "cRtInt"), 2, 3);
    r->addWidget(kasten(linien, "ChB5r", {"&Babylonische Stunden", "&Babylonian hours"}), 3, 0);
    auto* bab = auswahl(linien, "BabBox");
    setzeTextId(bab, 56);
    r->addWidget(bab, 3, 1, 1, 2);
    r->addWidget(kasten(linien, "ChB6r", {"I&talische Stunden", "I&talian hours"}), 4, 0);
    auto* ital = auswahl(linien, "ItBox");
    setzeTextId(ital, 57);
    r->addWidget(ital, 4, 1, 1, 2);
    r->setColumnStretch(4, 1);
    v->addWidget(linien);
    v->addStretch(1);
    return seite;
}

} // namespace umbrin
