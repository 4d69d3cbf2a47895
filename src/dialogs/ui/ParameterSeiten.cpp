// The pages of the parameter dialog: the builders of their controls, the tab order of the
// pages, the date-line list beside them, and the planar and umbrella pages. The other pages
// are built in ParameterSeitenHoehe.cpp (quadrant, cylinder, altitude and ring dials) and
// ParameterSeitenAzimut.cpp (azimuthal, biazimuthal, mean-time and Sawyer dials). The
// handlers live in ParameterDialog.cpp (frame), ParameterPruefung.cpp (closing and exit
// checks), ParameterLinien.cpp (hour lines, extra lines, date lines) and
// ParameterTypseiten.cpp (the dial families' own values).
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
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace umbrin {

using T = ParameterDialog::Text;

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

// Column heads of an hour-line table.
void ParameterDialog::spaltenKoepfe(QGridLayout* raster, QWidget* eltern, const char* prefix)
{
    const std::string p(prefix);
    raster->addWidget(label(eltern, (p + "Von").c_str(), {"von", "from"}), 0, 1);
    raster->addWidget(label(eltern, (p + "Bis").c_str(), {"bis", "to"}), 0, 2);
    raster->addWidget(label(eltern, (p + "Int").c_str(), {"Intervall", "Interval"}), 0, 3);
}

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
    spaltenKoepfe(r, linien, "lKopf");
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
    spaltenKoepfe(r, linien, "lKopfS");
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
