// The pages of the parameter dialog for the azimuthal, biazimuthal, mean-time (cone) and
// Sawyer and Peaucellier dials.
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
#include <QVBoxLayout>

namespace umbrin {

using T = ParameterDialog::Text;

QWidget* ParameterDialog::baueSeiteAzimut()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    auto* kreise = new QHBoxLayout;
    v->addLayout(kreise);
    kreise->addWidget(gruppeId(seite, "rgAzMain", 583, 2));
    kreise->addWidget(gruppe(seite, "RGAzHoehe", {" Höhenkreise ", " Altitude Circles "},
                             {{"gleichabständig", "equally spaced"},
                              {"auf Zylindermantel (Tonne)", "on a cylinder (barrel)"},
                              {"stereographisch (Stern)", "stereographic (star)"}}));

    auto* az = rahmen(seite, "GrBoxAz", {" Höhenkreise ", " Altitude Circles "});
    auto* a = new QGridLayout(az);
    a->addWidget(label(az, "ldatlin", {"Datumslinien", "Date lines"}), 0, 0);
    auto* proMonat = auswahl(az, "cDatLin");
    setzeTextId(proMonat, 60);
    a->addWidget(proMonat, 0, 1);
    a->addWidget(label(az, "Label106", {"&Abstand des Beobachters [mm]", "&Distance of the observer [mm]"}), 1, 0);
    a->addWidget(feld(az, "EdAz1", 6), 1, 1);
    a->addWidget(label(az, "Label108", {"(Augenhöhe über der Grundplatte)", "(eye height above the base plate)"}), 2,
                 0, 1, 2);
    a->addWidget(label(az, "Label111", {"mm", "mm"}), 1, 2);
    a->setColumnStretch(2, 1);
    v->addWidget(az);

    auto* werte = new QGridLayout;
    v->addLayout(werte);
    werte->addWidget(label(seite, "Label107", {"Durchmesser der &Grundplatte [mm]", "Diameter of the &base plate [mm]"}),
                     0, 0);
    werte->addWidget(feld(seite, "EdAz2", 6), 0, 1);
    werte->addWidget(gruppe(seite, "rgZodiAZ", {" Skala ", " Scale "},
                            {{"Kalenderdatum", "calendar date"}, {"Tierkreis", "zodiac"}}, 2),
                     1, 0, 1, 2);
    werte->addWidget(kasten(seite, "ChBAz", {"A&zimutlinien", "a&zimuth lines"}), 2, 0);
    werte->addWidget(kasten(seite, "ChBEclip", {"&Ekliptik", "&ecliptic"}), 2, 1);
    werte->addWidget(kasten(seite, "ChBHProfil", {"&Horizontprofil einbeziehen", "include &horizon profile"}), 3, 0);
    werte->addWidget(kasten(seite, "ChBA2", {"mit &Zeitgleichung", "with &EoT"}), 3, 1);
    werte->addWidget(gruppe(seite, "RgA2", {}, {{"Skala links > rechts", "Read left to right"},
                                               {"Skala rechts > links", "Read right to left"}},
                            2),
                     4, 0, 1, 2);
    werte->addWidget(gruppeId(seite, "RgA1", 536, 2, 2), 5, 0, 1, 2);
    werte->setColumnStretch(2, 1);

    auto* linien = rahmen(seite, "GrStundenA", {" Stundenlinien ", " Hour Lines "});
    auto* r = new QGridLayout(linien);
    spaltenKoepfe(r, linien, "lKopfA");
    r->addWidget(label(linien, "lAStd", {"Stunden", "Hours"}), 1, 0);
    r->addWidget(auswahl(linien, "cAAnf"), 1, 1);
    r->addWidget(auswahl(linien, "cAEnd"), 1, 2);
    r->addWidget(auswahl(linien, "cAStund"), 1, 3);
    linienZeile(r, 2, linien, "ChB8a", {"&Temporalstunden", "&Temporal hours"}, "cAtAnf", "cAtEnd", "cAtStund");
    linienZeile(r, 3, linien, "ChB5a", {"&Babylonische Stunden", "&Babylonian hours"}, "cBaAnf2", "cBaEnd2",
                "cBaInt2");
    linienZeile(r, 4, linien, "ChB6a", {"I&talische Stunden", "I&talian hours"}, "CItAnf2", "CItEnd2", "cItInt2");
    r->setColumnStretch(4, 1);
    v->addWidget(linien);
    v->addStretch(1);
    return seite;
}

QWidget* ParameterDialog::baueSeiteBiazimut()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    auto* orte = rahmen(seite, "GrBazi", {" Orte ", " Places "});
    auto* o = new QGridLayout(orte);
    o->addWidget(label(orte, "lPos1", {"Position 1", "Position 1"}), 0, 1);
    o->addWidget(label(orte, "lPos2", {"Position 2", "Position 2"}), 0, 2);
    o->addWidget(label(orte, "Label90", {"Geogr. &Breite", "&Latitude"}), 1, 0);
    o->addWidget(feld(orte, "EdLat1", 7), 1, 1);
    o->addWidget(feld(orte, "ed2Lat", 7), 1, 2);
    o->addWidget(label(orte, "Label91", {"Geogr. &Länge", "L&ongitude"}), 2, 0);
    o->addWidget(feld(orte, "EdLong1", 7), 2, 1);
    o->addWidget(feld(orte, "Ed2Long", 7), 2, 2);
    o->addWidget(label(orte, "Label86", {"&Zonenmeridian", "&Zone meridian"}), 3, 0);
    o->addWidget(feld(orte, "EdZon1", 7), 3, 1);
    o->addWidget(label(orte, "Label95", {"&Wandabweichung", "&Wall declination"}), 4, 0);
    o->addWidget(feld(orte, "EdAbw1", 7), 4, 1);
    o->addWidget(feld(orte, "EdAbw2", 7), 4, 2);
    o->addWidget(kasten(orte, "ChbV2", {"&vertikal", "&vertical"}), 4, 3);
    o->addWidget(label(orte, "lInkl", {"&Inklination", "&Inclination"}), 5, 0);
    o->addWidget(feld(orte, "Ed2Inklin", 7), 5, 1);
    o->addWidget(label(orte, "lAequiv", {"äquivalent horizontal", "equivalent horizontal"}), 6, 0);
    auto* e1 = new QHBoxLayout;
    e1->addWidget(neu<QLabel>(orte, "EL1"));
    e1->addWidget(neu<QLabel>(orte, "ELo1"));
    o->addLayout(e1, 6, 1);
    auto* e2 = new QHBoxLayout;
    e2->addWidget(neu<QLabel>(orte, "EL2"));
    e2->addWidget(neu<QLabel>(orte, "ELo2"));
    o->addLayout(e2, 6, 2);
    o->addWidget(neu<QLabel>(orte, "lTest"), 6, 3);
    o->addWidget(neu<QLabel>(orte, "LabPol"), 7, 0, 1, 4);
    o->setColumnStretch(4, 1);
    v->addWidget(orte);

    auto* wahl = new QHBoxLayout;
    v->addLayout(wahl);
    wahl->addWidget(gruppe(seite, "RgBiazi", {" Ebene ", " Plane "},
                           {{"horizontal", "horizontal"}, {"vertikal", "vertical"}, {"inklinierend", "inclining"}}));
    wahl->addWidget(gruppe(seite, "RgPosition", {" Zeit von ", " Time of "},
                           {{"Position  1", "Position  1"}, {"Position 2", "Position 2"}}));
    wahl->addWidget(gruppe(seite, "RgAzCo", {" Zeitanzeige ", " Time Display "},
                           {{"WOZ", "LAT"}, {"Zonenzeit", "zone time"}}));

    auto* karte = rahmen(seite, "GrBazib", {" Karte ", " Map "});
    auto* kr = new QGridLayout(karte);
    kr->addWidget(neu<QLabel>(karte, "Label164"), 0, 0, 1, 3);
    kr->addWidget(label(karte, "Label129", {"Karten&maßstab 1 :", "Map &scale 1 :"}), 1, 0);
    kr->addWidget(feld(karte, "EdScale", 9), 1, 1);
    kr->setColumnStretch(2, 1);
    v->addWidget(karte);

    auto* linien = rahmen(seite, "GrStundenC", {" Stundenlinien ", " Hour Lines "});
    auto* r = new QGridLayout(linien);
    spaltenKoepfe(r, linien, "lKopfC");
    r->addWidget(label(linien, "lCStd", {"Stunden", "Hours"}), 1, 0);
    r->addWidget(auswahl(linien, "cAcoAnf"), 1, 1);
    r->addWidget(auswahl(linien, "CaCoEnd"), 1, 2);
    r->addWidget(auswahl(linien, "CaCoStund"), 1, 3);
    r->addWidget(label(linien, "lCEot", {"mittlere Zeit", "mean time"}), 2, 0);
    r->addWidget(auswahl(linien, "cAzEotAnf"), 2, 1);
    r->addWidget(auswahl(linien, "cAzEotEnd"), 2, 2);
    r->addWidget(kasten(linien, "ChBACo", {"mit &Zeitgleichung", "with &EoT"}), 3, 0);
    r->setColumnStretch(4, 1);
    v->addWidget(linien);
    v->addStretch(1);
    return seite;
}

QWidget* ParameterDialog::baueSeiteMittlereZeit()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    auto* ort = rahmen(seite, "GrHoll", {" Ort und Ebene ", " Place and Plane "});
    auto* o = new QGridLayout(ort);
    o->addWidget(label(ort, "Label90b", {"Geogr. &Breite", "&Latitude"}), 0, 0);
    o->addWidget(feld(ort, "EdLat1b", 7), 0, 1);
    o->addWidget(label(ort, "Label91b", {"Geogr. &Länge", "L&ongitude"}), 1, 0);
    o->addWidget(feld(ort, "EdLong1b", 7), 1, 1);
    o->addWidget(label(ort, "Label86b", {"&Zonenmeridian", "&Zone meridian"}), 2, 0);
    o->addWidget(feld(ort, "EdZon1b", 7), 2, 1);
    o->addWidget(label(ort, "Label95b", {"&Wandabweichung", "&Wall declination"}), 3, 0);
    o->addWidget(feld(ort, "EdAbw1b", 7), 3, 1);
    o->addWidget(label(ort, "lInklb", {"&Inklination", "&Inclination"}), 4, 0);
    o->addWidget(feld(ort, "Ed2Inklinb", 7), 4, 1);
    o->addWidget(label(ort, "lAequivb", {"äquivalent horizontal", "equivalent horizontal"}), 5, 0);
    auto* e1 = new QHBoxLayout;
    e1->addWidget(neu<QLabel>(ort, "EL1b"));
    e1->addWidget(neu<QLabel>(ort, "ELo1b"));
    o->addLayout(e1, 5, 1, 1, 2);
    o->addWidget(gruppe(ort, "RGHoll", {" Ebene ", " Plane "},
                        {{"horizontal", "horizontal"}, {"vertikal", "vertical"}, {"inklinierend", "inclining"}}),
                 0, 2, 5, 1);
    o->setColumnStretch(3, 1);
    v->addWidget(ort);

    auto* kegel = rahmen(seite, "GrKegel", {" Kegel ", " Cone "});
    auto* k = new QGridLayout(kegel);
    k->addWidget(label(kegel, "Label23b", {"&Zeigerhöhe [mm]", "&Gnomon height [mm]"}), 0, 0);
    k->addWidget(feld(kegel, "EdKegel", 7), 0, 1);
    k->addWidget(label(kegel, "Label34", {"&Neigung der Kegelachse", "&Inclination of the cone axis"}), 1, 0);
    k->addWidget(feld(kegel, "EdNeig", 7), 1, 1);
    k->addWidget(label(kegel, "Label46", {"&halber Öffnungswinkel", "&half opening angle"}), 2, 0);
    k->addWidget(feld(kegel, "EdSpi", 7), 2, 1);
    k->setColumnStretch(2, 1);
    v->addWidget(kegel);

    auto* linien = rahmen(seite, "GrStundenM", {" Stundenlinien ", " Hour Lines "});
    auto* r = new QGridLayout(linien);
    spaltenKoepfe(r, linien, "lKopfM");
    r->addWidget(label(linien, "lMStd", {"Stunden", "Hours"}), 1, 0);
    r->addWidget(auswahl(linien, "cAcoAnfb"), 1, 1);
    r->addWidget(auswahl(linien, "CaCoEndb"), 1, 2);
    r->addWidget(auswahl(linien, "CaCoStundb"), 1, 3);
    r->addWidget(gruppe(linien, "RgAzCo2", {" Zeitanzeige ", " Time Display "},
                        {{"OZ", "LT"}, {"Zonenzeit", "zone time"}}, 2),
                 2, 0, 1, 4);
    r->addWidget(kasten(linien, "chB4Az", {"8er-Schleife markieren", "mark the analemma"}), 3, 0);
    auto* um = new QHBoxLayout;
    um->addWidget(label(linien, "lEd2", {"um", "at"}));
    um->addWidget(feld(linien, "Ed2", 3));
    um->addWidget(labelId(linien, "lEd2Uhr", 52));
    r->addLayout(um, 3, 1);
    r->setColumnStretch(4, 1);
    v->addWidget(linien);
    v->addStretch(1);
    return seite;
}

QWidget* ParameterDialog::baueSeiteSawyer()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    v->addWidget(gruppeId(seite, "rgSawPeau", 59, 2));

    auto* sawyer = rahmen(seite, "GroupBox7", {" Sawyer-Sonnenuhr ", " Sawyer Dial "});
    auto* sw = new QGridLayout(sawyer);
    sw->addWidget(label(sawyer, "Label171", {"&Zeigerhöhe [mm]", "&Gnomon height [mm]"}), 0, 0);
    sw->addWidget(feld(sawyer, "EdSawyer", 7), 0, 1);
    sw->addWidget(label(sawyer, "Label79", {"&Winkel der Datumslinien", "&Angle of the date lines"}), 1, 0);
    sw->addWidget(feld(sawyer, "EdSWi", 7), 1, 1);
    sw->addWidget(label(sawyer, "Label71", {"Geogr. &Breite", "&Latitude"}), 2, 0);
    sw->addWidget(feld(sawyer, "EdSaw", 7), 2, 1);
    sw->addWidget(label(sawyer, "Label173", {"&Mitte der Datumslinien [mm]", "&Centre of the date lines [mm]"}), 3, 0);
    sw->addWidget(feld(sawyer, "EdSzp", 7), 3, 1);
    sw->addWidget(gruppe(sawyer, "rgSawyer", {" Zeitanzeige ", " Time Display "},
                         {{"WOZ", "LAT"},
                          {" Wahre Zonenzeit", " apparent zone time"},
                          {"MOZ, halbe 8er-Schleifen", "LMT, half analemmas"},
                          {"MOZ, gerade Stundenlinien", "LMT, straight hour lines"}}),
                  0, 2, 5, 1);
    sw->addWidget(label(sawyer, "lSint", {"Intervall", "Interval"}), 4, 0);
    sw->addWidget(auswahl(sawyer, "cSint"), 4, 1);
    sw->addWidget(label(sawyer, "lLinZlS", {"Datumslinien", "Date lines"}), 5, 0);
    sw->addWidget(auswahl(sawyer, "cLinZlS"), 5, 1, 1, 2);
    auto* ganz = kasten(sawyer, "chBganz3", {});
    setzeTextId(ganz, 522);
    sw->addWidget(ganz, 6, 0, 1, 3);
    sw->setColumnStretch(3, 1);
    v->addWidget(sawyer);

    auto* peau = rahmen(seite, "GroupBox9", {"Peaucellier  Parameter", "Peaucellier  Parameters"});
    auto* p = new QGridLayout(peau);
    p->addWidget(label(peau, "Label71b", {"Geogr. &Breite", "&Latitude"}), 0, 0);
    p->addWidget(feld(peau, "EdSaw2", 7), 0, 1);
    p->addWidget(label(peau, "Label193", {"&Parameter", "&Parameter"}), 1, 0);
    p->addWidget(feld(peau, "EdPeau", 8), 1, 1);
    p->addWidget(neu<QLabel>(peau, "Lab194"), 2, 0, 1, 3);
    auto* pe = neu<QLabel>(peau, "labPe");
    pe->setVisible(false);
    p->addWidget(pe, 3, 0);
    p->addWidget(label(peau, "Label195", {"&Längeneinheit [mm]", "&Unit length [mm]"}), 4, 0);
    p->addWidget(feld(peau, "EdEinheit", 5), 4, 1);
    p->addWidget(label(peau, "lPint", {"Intervall", "Interval"}), 5, 0);
    p->addWidget(auswahl(peau, "cPint"), 5, 1);
    p->setColumnStretch(2, 1);
    v->addWidget(peau);
    v->addStretch(1);
    return seite;
}

} // namespace umbrin
