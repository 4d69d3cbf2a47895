// The pages of the parameter dialog: their controls and layouts. The handlers live in
// ParameterDialog.cpp (frame), ParameterPruefung.cpp (closing and exit checks),
// ParameterLinien.cpp (hour lines, extra lines, date lines) and ParameterTypseiten.cpp (the
// dial families' own values).
#include "core/ui/RadioGruppe.h"
#include "dialogs/ui/DialogFelder.h"
#include "dialogs/ui/ParameterDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace umbrin {

using T = ParameterDialog::Text;

template <typename W>
W* ParameterDialog::neu(QWidget* eltern, const char* name)
{
    auto* w = new W(eltern);
    w->setObjectName(QString::fromLatin1(name));
    Q_ASSERT(!k_.contains(w->objectName()));
    k_.insert(w->objectName(), w);
    return w;
}

QLabel* ParameterDialog::label(QWidget* eltern, const char* name, Text t)
{
    auto* l = neu<QLabel>(eltern, name);
    texte_.push_back({l, t});
    return l;
}

QLabel* ParameterDialog::labelId(QWidget* eltern, const char* name, int id)
{
    auto* l = neu<QLabel>(eltern, name);
    setzeTextId(l, id);
    return l;
}

QLineEdit* ParameterDialog::feld(QWidget* eltern, const char* name, int zeichen)
{
    auto* f = neu<QLineEdit>(eltern, name);
    f->setAlignment(Qt::AlignRight);
    const int breite = f->fontMetrics().horizontalAdvance(QString(zeichen + 2, QLatin1Char('0')));
    f->setMinimumWidth(breite);
    f->setMaximumWidth(breite + f->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    return f;
}

QCheckBox* ParameterDialog::kasten(QWidget* eltern, const char* name, Text t)
{
    auto* c = neu<QCheckBox>(eltern, name);
    if (t.de)
        texte_.push_back({c, t});
    return c;
}

QComboBox* ParameterDialog::auswahl(QWidget* eltern, const char* name)
{
    auto* c = neu<QComboBox>(eltern, name);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

RadioGruppe* ParameterDialog::gruppe(QWidget* eltern, const char* name, Text titel, std::vector<Text> eintraege,
                                     int spalten)
{
    auto* g = neu<RadioGruppe>(eltern, name);
    g->setSpalten(spalten);
    if (titel.de)
        texte_.push_back({g, titel});
    QStringList leer;
    for (std::size_t i = 0; i < eintraege.size(); ++i)
        leer << QString();
    g->setEintraege(leer);
    gruppenTexte_.emplace_back(g, std::move(eintraege));
    return g;
}

RadioGruppe* ParameterDialog::gruppeId(QWidget* eltern, const char* name, int id, int anzahl, int spalten)
{
    auto* g = neu<RadioGruppe>(eltern, name);
    g->setSpalten(spalten);
    QStringList leer;
    for (int i = 0; i < anzahl; ++i)
        leer << QString();
    g->setEintraege(leer);
    setzeTextId(g, id);
    return g;
}

QGroupBox* ParameterDialog::rahmen(QWidget* eltern, const char* name, Text titel)
{
    auto* g = neu<QGroupBox>(eltern, name);
    if (titel.de)
        texte_.push_back({g, titel});
    return g;
}

void ParameterDialog::linienZeile(QGridLayout* raster, int zeile, QWidget* eltern, const char* name, Text t,
                                  const char* anf, const char* end, const char* intervall)
{
    raster->addWidget(kasten(eltern, name, t), zeile, 0);
    if (anf)
        raster->addWidget(auswahl(eltern, anf), zeile, 1);
    if (end)
        raster->addWidget(auswahl(eltern, end), zeile, 2);
    if (intervall)
        raster->addWidget(auswahl(eltern, intervall), zeile, 3);
}

namespace {

// Column heads of an hour-line table.
void koepfe(ParameterDialog* d, QGridLayout* raster, QWidget* eltern, const char* prefix,
            const std::function<QLabel*(QWidget*, const char*, ParameterDialog::Text)>& label)
{
    const std::string p(prefix);
    raster->addWidget(label(eltern, (p + "Von").c_str(), {"von", "from"}), 0, 1);
    raster->addWidget(label(eltern, (p + "Bis").c_str(), {"bis", "to"}), 0, 2);
    raster->addWidget(label(eltern, (p + "Int").c_str(), {"Intervall", "Interval"}), 0, 3);
    (void)d;
}

} // namespace

void ParameterDialog::baueSeiten()
{
    seiten_ = neu<QTabWidget>(this, "PageControl1");
    seiten_->setUsesScrollButtons(true);
    setzeTextId(seiten_, 620);
    const std::pair<const char*, QWidget* (ParameterDialog::*)()> seiten[] = {
        {"TabSheet1", &ParameterDialog::baueSeitePlanar},      {"TabSheet6", &ParameterDialog::baueSeiteSchirm},
        {"TabSheet2", &ParameterDialog::baueSeiteQuadrant},    {"TabSheet3", &ParameterDialog::baueSeiteZylinder},
        {"TabSheet7", &ParameterDialog::baueSeiteHoehe},       {"TabSheet8", &ParameterDialog::baueSeiteRing},
        {"TabSheet5", &ParameterDialog::baueSeiteAzimut},      {"TabSheet4", &ParameterDialog::baueSeiteBiazimut},
        {"TabSheet9", &ParameterDialog::baueSeiteMittlereZeit}, {"TabSheet10", &ParameterDialog::baueSeiteSawyer},
    };
    for (const auto& [name, bau] : seiten) {
        QWidget* inhalt = (this->*bau)();
        inhalt->setObjectName(QString::fromLatin1(name));
        k_.insert(inhalt->objectName(), inhalt);
        seiten_->addTab(inhalt, QString());
    }
    datumsliste_ = baueDatumsliste();
}

QWidget* ParameterDialog::baueSeitePlanar()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);

    auto* kopf = label(seite, "Label163", {"", ""});
    QFont f = kopf->font();
    f.setBold(true);
    kopf->setFont(f);
    v->addWidget(kopf);

    auto* ebene = new QGridLayout;
    v->addLayout(ebene);
    ebene->addWidget(label(seite, "Label9", {"&Wandabweichung", "&Wall declination"}), 0, 0);
    ebene->addWidget(feld(seite, "EdDekl", 7), 0, 1);
    ebene->addWidget(labelId(seite, "Label10", 403), 0, 2);
    ebene->addWidget(label(seite, "Label36", {"&Inklination", "&Inclination"}), 1, 0);
    ebene->addWidget(feld(seite, "EdInkl", 7), 1, 1);
    ebene->addWidget(label(seite, "Label1", {"&Gnomonhöhe [mm]", "&Gnomon height [mm]"}), 2, 0);
    ebene->addWidget(feld(seite, "EdGnom", 7), 2, 1);
    ebene->setColumnStretch(3, 1);

    auto* linien = rahmen(seite, "GrStunden", {" Stundenlinien ", " Hour Lines "});
    auto* r = new QGridLayout(linien);
    koepfe(this, r, linien, "lKopf", [this](QWidget* e, const char* n, Text t) { return label(e, n, t); });
    linienZeile(r, 1, linien, "ChB3", {"&wahre Zeit (ohne Zeitgleichung)", "&apparent time (without EoT)"},
                "ComboAnf", "ComboEnd", "ComboStund");
    auto* woz = gruppeId(linien, "rgWOZ", 537, 2, 2);
    r->addWidget(woz, 2, 0, 1, 3);
    r->addWidget(kasten(linien, "ChB1", {"bis zum &Fußpunkt", "down to the &foot"}), 2, 3);
    linienZeile(r, 3, linien, "ChBmitZg", {"&mittlere Zeit (mit Zeitgleichung)", "&mean time (with EoT)"}, "CEotAnf",
                "CEotEnd", "CEotStund");
    r->addWidget(gruppeId(linien, "RG3", 552, 2, 2), 4, 0, 1, 4);
    r->addWidget(kasten(linien, "ChB4", {"8er-Schleife markieren", "mark the analemma"}), 5, 0);
    auto* um = new QHBoxLayout;
    um->addWidget(label(linien, "lEd1", {"um", "at"}));
    um->addWidget(feld(linien, "Ed1", 3));
    um->addWidget(labelId(linien, "lEd1Uhr", 52));
    r->addLayout(um, 5, 1);
    r->addWidget(auswahl(linien, "cMarkier"), 5, 2, 1, 2);
    linienZeile(r, 6, linien, "ChB5", {"&Babylonische Stunden", "&Babylonian hours"}, "cBaAnf", "CBaEnd", "cBaInt");
    linienZeile(r, 7, linien, "ChB6", {"I&talische Stunden", "I&talian hours"}, "CItAnf", "CItEnd", "cItInt");
    linienZeile(r, 8, linien, "chb8", {"&Temporalstunden", "&Temporal hours"}, "CTeAnf", "CTeEnd", "cTeInt");
    r->addWidget(kasten(linien, "ChBtemp", {" temporalStd. verlängern", " extend temporal hours"}), 9, 0);
    linienZeile(r, 10, linien, "ChB7", {"Linien gleicher &Sonnenhöhe", "lines of equal &altitude"}, "CHoAnf", "ChoEnd",
                "choInt");
    r->setColumnStretch(4, 1);
    v->addWidget(linien);

    auto* datum = rahmen(seite, "GrDatum", {" Datumslinien ", " Date Lines "});
    auto* d = new QVBoxLayout(datum);
    d->addWidget(gruppe(datum, "RG1", {},
                        {{"  1 Datumslinie pro Monat (Tierkreiszeichen)", "  1 date line per month (zodiac signs)"},
                         {"  Datumslinien am 7. und 22. des Monats", "  date lines on the 7th and 22nd of the month"},
                         {"  eigene Datumslinien verwenden ", "  use own date lines "},
                         {"  keine Datumslinien", "  no date lines"},
                         {"  ", "  "}},
                        1));
    d->addWidget(kasten(datum, "ChBPolDr", {"&Poldreieck zeichnen", "draw the &pole triangle"}));
    auto* ganz = kasten(datum, "chBganz", {});
    setzeTextId(ganz, 522);
    d->addWidget(ganz);
    v->addWidget(datum);
    v->addStretch(1);
    return seite;
}

QWidget* ParameterDialog::baueSeiteSchirm()
{
    auto* seite = new QWidget;
    auto* v = new QVBoxLayout(seite);
    auto* ebene = gruppeId(seite, "RGSchirm", 604, 3, 3);
    v->addWidget(ebene);

    auto* werte = new QGridLayout;
    v->addLayout(werte);
    werte->addWidget(label(seite, "Label23", {"&Zeigerhöhe [mm]", "&Rod height [mm]"}), 0, 0);
    werte->addWidget(feld(seite, "EdSolZeig", 7), 0, 1);
    werte->addWidget(label(seite, "Label16", {"&Kreisradius [% der Zeigerhöhe]", "&Disc radius [% of the rod]"}), 1, 0);
    werte->addWidget(feld(seite, "EdSolKreis", 7), 1, 1);
    werte->addWidget(label(seite, "Label17", {"negativ: Ablesung am Stab", "negative: read on the rod"}), 1, 2);
    werte->addWidget(label(seite, "Label18", {"unterhalb der Scheibe", "below the disc"}), 2, 2);
    werte->addWidget(label(seite, "Label21", {"&Neigung der Pultebene", "&Inclination of the face"}), 3, 0);
    werte->addWidget(feld(seite, "EdSolNeig", 7), 3, 1);
    auto* neigung = new QHBoxLayout;
    neigung->addWidget(labelId(seite, "Label12", 100));
    neigung->addWidget(label(seite, "LabNeig", {"( ...< 80 Grad ! )", "( ...< 80 deg ! )"}));
    werte->addLayout(neigung, 3, 2);
    werte->addWidget(label(seite, "Label22", {"&Wandabweichung", "&Wall declination"}), 4, 0);
    werte->addWidget(feld(seite, "EdSolBeta", 7), 4, 1);
    werte->addWidget(labelId(seite, "Label20", 403), 4, 2);
    werte->setColumnStretch(3, 1);

    auto* linien = rahmen(seite, "GrStundenS", {" Stundenlinien ", " Hour Lines "});
    auto* r = new QGridLayout(linien);
    koepfe(this, r, linien, "lKopfS", [this](QWidget* e, const char* n, Text t) { return label(e, n, t); });
    linienZeile(r, 1, linien, "chB3S", {"&wahre Zeit (ohne Zeitgleichung)", "&apparent time (without EoT)"},
                "cSoAnf", "cSoEnd", "cSoStund");
    linienZeile(r, 2, linien, "chBmitZgS", {"&mittlere Zeit (mit Zeitgleichung)", "&mean time (with EoT)"},
                "cEotAnfS", "cEoTEndS", "cEoTStundS");
    r->addWidget(kasten(linien, "chB4S", {"8er-Schleife markieren", "mark the analemma"}), 3, 0);
    auto* um = new QHBoxLayout;
    um->addWidget(label(linien, "lEd1S", {"um", "at"}));
    um->addWidget(feld(linien, "Ed1S", 3));
    um->addWidget(labelId(linien, "lEd1SUhr", 52));
    r->addLayout(um, 3, 1);
    r->addWidget(auswahl(linien, "cMarkierS"), 3, 2, 1, 2);
    linienZeile(r, 4, linien, "chB5S", {"&Babylonische Stunden", "&Babylonian hours"}, "cBAAnfS", "cBaEndS",
                "cBaIntS");
    linienZeile(r, 5, linien, "chB6S", {"I&talische Stunden", "I&talian hours"}, "cItAnfS", "cItEndS", "cItIntS");
    linienZeile(r, 6, linien, "chb8S", {"&Temporalstunden", "&Temporal hours"}, "CTeAnfS", "CTeEndS", "cTeIntS");
    r->addWidget(kasten(linien, "chbStemp", {" temporalStd. verlängern", " extend temporal hours"}), 7, 0);
    linienZeile(r, 8, linien, "chB7S", {"Linien gleicher &Sonnenhöhe", "lines of equal &altitude"}, "CHoAnfS",
                "cHoEndS", "cHoIntS");
    r->setColumnStretch(4, 1);
    v->addWidget(linien);

    auto* datum = rahmen(seite, "GrDatumS", {" Datumslinien ", " Date Lines "});
    auto* d = new QVBoxLayout(datum);
    d->addWidget(gruppe(datum, "RGs1", {},
                        {{"  1 Datumslinie pro Monat (Tierkreiszeichen)", "  1 date line per month (zodiac signs)"},
                         {"  Datumslinien am 7. und 22. des Monats", "  date lines on the 7th and 22nd of the month"},
                         {"  eigene Datumslinien verwenden ", "  use own date lines "},
                         {"  keine Datumslinien", "  no date lines"},
                         {"  ", "  "}},
                        1));
    auto* ganz = kasten(datum, "chBganz2", {});
    setzeTextId(ganz, 522);
    d->addWidget(ganz);
    v->addWidget(datum);
    v->addStretch(1);
    return seite;
}

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
    koepfe(this, r, linien, "lKopfZ", [this](QWidget* e, const char* n, Text t) { return label(e, n, t); });
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
    koepfe(this, r, linien, "lKopfH", [this](QWidget* e, const char* n, Text t) { return label(e, n, t); });
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
    koepfe(this, r, linien, "lKopfR", [this](QWidget* e, const char* n, Text t) { return label(e, n, t); });
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
    koepfe(this, r, linien, "lKopfA", [this](QWidget* e, const char* n, Text t) { return label(e, n, t); });
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
    koepfe(this, r, linien, "lKopfC", [this](QWidget* e, const char* n, Text t) { return label(e, n, t); });
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
    koepfe(this, r, linien, "lKopfM", [this](QWidget* e, const char* n, Text t) { return label(e, n, t); });
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

QWidget* ParameterDialog::baueDatumsliste()
{
    auto* box = rahmen(this, "GrBoxDat", {" Eigene Datumslinien ", " Own Date Lines "});
    auto* v = new QVBoxLayout(box);
    // What the own date lines are for; its lines come from the text table in the language.
    auto* info = neu<QLabel>(box, "MemoDat");
    info->setTextFormat(Qt::PlainText);
    v->addWidget(info);
    v->addWidget(neu<QListWidget>(box, "ListBox2"), 1);
    auto* eingabe = new QHBoxLayout;
    auto* maske = neu<QLineEdit>(box, "MaskEdit1");
    maske->setInputMask(QStringLiteral("99/99;_"));
    maske->setMaximumWidth(maske->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    eingabe->addWidget(maske);
    auto* uebernehmen = neu<QPushButton>(box, "Button2");
    texte_.push_back({uebernehmen, {"&in Liste übernehmen", "&add to the list"}});
    eingabe->addWidget(uebernehmen);
    v->addLayout(eingabe);
    auto* entfernen = neu<QPushButton>(box, "Button1");
    texte_.push_back({entfernen, {"&Entferne markiertes Datum", "&remove the marked date"}});
    v->addWidget(entfernen);
    auto* speichern = neu<QPushButton>(box, "Button3");
    texte_.push_back({speichern, {"&Speichere Datumswerte to INI", "&save the dates to the INI file"}});
    v->addWidget(speichern);
    auto* laden = neu<QPushButton>(box, "Button4");
    texte_.push_back({laden, {"nur Datumswerte aus INI laden", "load only the dates from the INI file"}});
    v->addWidget(laden);
    auto* hinweis1 = neu<QLabel>(box, "BitBtnsave");
    hinweis1->setText(QStringLiteral("<alt>+<f2>   saves ini-file"));
    auto* hinweis2 = neu<QLabel>(box, "BitBtnLoad");
    hinweis2->setText(QStringLiteral("<Alt> + <F4>   loads INI-file"));
    v->addWidget(hinweis1);
    v->addWidget(hinweis2);
    for (QPushButton* k : {uebernehmen, entfernen, speichern, laden})
        k->setAutoDefault(false);
    return box;
}

} // namespace umbrin
