// Every row of the drawing window's table over the ranges the parameter dialog accepts: from
// 66 N to 60 S, the default hours and the whole day, each size at its smallest and largest
// value, on both screens, on A4 and A3 pages in landscape and portrait and in the plot. On every
// sheet nothing reaches off it unless the drawing, the page check or the export says so, and no
// stroke or number stands for an hour at which the almanac's sun never lights the face. At the
// values of a new file a word of the sheet comes only where something does leave it, and the
// plot and the DXF are written.
#include "core/Zahlenformat.h"
#include "dialogs/HabermelGeometrie.h"
#include "dialogs/Wertebereiche.h"
#include "support/Almanachsonne.h"
#include "support/Ansichten.h"
#include "support/Zahlplaetze.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <locale>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <span>
#include <string_view>
#include <tuple>

using namespace umbrin;
using namespace umbrin::test;

namespace {

// A size as the dialogs store it, with the smallest and the largest value one of them accepts
// (the type chooser or the parameter dialog).
struct Groesse {
    const char* name;
    void (*setze)(AppState&, double);
    double klein, gross;
    double (*lies)(const AppState&) = nullptr;
};
#define GROESSE(feld, klein, gross)                                                                                    \
    Groesse { #feld, [](AppState& s, double x) { s.feld = static_cast<decltype(s.feld)>(x); }, klein, gross,          \
              [](const AppState& s) { return double(s.feld); } }

struct Familie {
    const char* name;
    char typ;
    int unterTyp = 0;               // 'a': the circles; 'q': the Habermel dials; 'z': the cylinder
    void (*stelle)(AppState&) = nullptr;
    std::vector<Groesse> groessen = {};
    bool flaeche = false;           // a planar face: the sun must stand in front of it too
    // 1: its lines follow the dialog's hours, and the hour check sees them; 0: they do not;
    // -1: scales placed by the lines drawn, which an hour drawn alone moves: no hour compared.
    int stunden = 1;
    bool korrektur = false; // the ring dial's correction view
    bool verkleinert = false; // a page too small for it prints it reduced, never refuses it
};

const Groesse gnomon = GROESSE(Par.Gnomonhoehe, 3, 500);
const Familie familien[] = {
    {"horizontal", 'h', 0, nullptr, {gnomon}, true},
    {"vertical", 'v', 0, nullptr, {gnomon}, true},
    {"inclining", 'i', 0, nullptr, {gnomon}, true},
    {"umbrella horizontal", 'h', 0, [](AppState& s) { s.Schirmuhr = 1; }, {gnomon}},
    {"umbrella vertical", 'v', 0, [](AppState& s) { s.Schirmuhr = 1; }, {gnomon}},
    {"umbrella inclining", 'i', 0, [](AppState& s) { s.Schirmuhr = 1; }, {gnomon}},
    {"azimuthal date circles", 'a', 0},
    {"azimuthal altitude circles", 'a', 1},
    {"biazimuthal", 'c'},
    {"quadrant calendar", 'q', 0, nullptr, {GROESSE(Par.QuadrantGroesse, 80, 200)}},
    {"quadrant zodiac", 'q', 0, [](AppState& s) { s.Schalter.QuadrantSkala = 1; }},
    {"Gunter quadrant", 'q', 0, [](AppState& s) { s.Schalter.QuadrantSkala = 2; }},
    {"Habermel", 'q', 1, nullptr, {GROESSE(Par.HabermelGnomon, 9, 100)}, false, 0},
    {"Habermel mean time", 'q', 1,
     [](AppState& s) { s.Schalter.MitZeitglZylinder = 1; s.Schalter.Zonenzeit = 0; s.Schalter.Ortszeit = 1; }, {}, false, 0},
    {"Habermel II", 'q', 2, nullptr, {GROESSE(Par.HabermelDurchmesser, 30, 200)}},
    {"horizontal altitude", 'k', 0, nullptr,
     {GROESSE(Par.HidokaiZeiger, 3, 220), GROESSE(SkalaHidokai, 0, 180), GROESSE(SkalaHidokai2, 0, 260)}},
    {"horizontal altitude b", 'b', 0, nullptr, {GROESSE(Par.Skalenlaenge, 3, 220)}},
    {"shepherd's cylinder", 'z', 0, nullptr, {GROESSE(Par.Skalenlaenge, 3, 220), GROESSE(SkalaZylinder, 0, 400)}},
    {"filter-hat cylinder", 'z', 1, nullptr, {GROESSE(Par.Skalenlaenge, 3, 220), GROESSE(SkalaZylinder, 0, 400)}},
    {"polar-rod cylinder", 'z', 2, nullptr, {GROESSE(Par.ZylZeiger, 3, 220), GROESSE(Par.ZylRadius, 4, 500)}},
    {"Peaucellier", 'p', 0, nullptr, {GROESSE(Par.Einheit, 10, 300), GROESSE(Par.PeauParameter, -2.1, 2.1)}, false, 0},
    {"Sawyer", 'w', 0, nullptr,
     {GROESSE(Par.Gnomonhoehe, 3, 200), GROESSE(Par.DatumMitte, 0, 900), GROESSE(Par.DatumWinkel, 0.5, 15)}, false, 0},
    {"ring", 'r', 0, nullptr,
     {GROESSE(Par.RingDurchmesser, 10, 300), GROESSE(Par.RingBreite, 4.5, 300), GROESSE(Par.RingAlpha, 10, 90)}, false, 1,
     false, true},
    {"ring two bands with date scales", 'r', 0, [](AppState& s) { s.Schalter.Ganzjaehrig = 0; s.Schalter.RingExakt = 2; },
     {}, false, -1, false, true},
    {"ring correction", 'r', 0, nullptr, {GROESSE(Par.RingAlpha, 10, 90)}, false, 0, true},
    {"cone", 'm', 0, nullptr, {gnomon, GROESSE(Par.KegelOeffnung, 1, 85)}},
    {"cone vertical", 'm', 0, [](AppState& s) { s.Schalter.Ebene = 1; }, {gnomon}},
    {"cone inclining", 'm', 0, [](AppState& s) { s.Schalter.Ebene = 2; }, {gnomon}},
    // The ham dial at a size the dialog accepts (its start value 0 draws a point).
    {"ham", 'o', 0, [](AppState& s) { s.SchinkenModus = 1; s.Par.HabermelGnomon = 30; }, {GROESSE(Par.HabermelGnomon, 9, 100)},
     false, 0},
};

// One case: the place, the hours, and one size at a value (or every size at its smallest,
// extrem -1, or largest, extrem 1); the clock in the start's time mode, zone time (1), zone
// time with the equation of time (2), or temporal hours 0 to 12 besides (3).
struct Fall {
    double breite;
    int von, bis;
    const Groesse* groesse = nullptr;
    double wert = 0;
    int extrem = 0, zeit = 0;
};

AppState zustand(const Familie& fam, const Fall& f, int von, int bis)
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = fam.typ;
    s.Par.Breite = f.breite;
    if (fam.typ == 'a' || fam.typ == 'q' || fam.typ == 'z')
        (fam.typ == 'a' ? s.Schalter.AzimutKreise : fam.typ == 'q' ? s.Schalter.Hoehenuhrart : s.Schalter.ZylinderArt) =
            static_cast<std::uint8_t>(fam.unterTyp);
    if (fam.stelle)
        fam.stelle(s);
    if (f.zeit > 0) {
        s.Schalter.Ortszeit = s.Schalter.OhneLaengenkorrektur = 0;
        s.Schalter.Zonenzeit = 1;
    }
    if (f.zeit == 2)
        s.Schalter.MitZeitgl = s.Schalter.MitZeitglZylinder = s.Schalter.MitZeitglAzimut = 1;
    if (f.zeit == 3) {
        s.Schalter.Temporalstunden = s.Schalter.TemporalAnzeige = 1;
        s.Zeiten.QuadTempVon = s.Zeiten.TempVon = 0;
        s.Zeiten.QuadTempBis = s.Zeiten.TempBis = 12;
    }
    if (von >= 0) { // else the hours a new file holds
        s.Zeiten.QuadVon = s.Zeiten.EotVon = s.Zeiten.StundeVon = von;
        s.Zeiten.QuadBis = s.Zeiten.EotBis = s.Zeiten.StundeBis = bis;
    }
    if (f.groesse)
        f.groesse->setze(s, f.wert);
    for (const Groesse& g : fam.groessen)
        if (f.extrem)
            g.setze(s, f.extrem < 0 ? g.klein : g.gross);
    if (fam.typ == 'q' && fam.unterTyp == 2) // Habermel II: the gnomon the dialog derives
        HabermelGnomonAusDurchmesser(2, s.Par.HabermelDurchmesser, s.Par.Breite, s.EpsRund, s.Par.HabermelGnomon);
    return s;
}

// Whether the almanac's sun stands above the true horizon, and in front of the plane of a
// planar face, at clock hour h on some day of the year in some time mode: the hour angle
// within the longitude's difference to the zone meridian and 4.5 degrees (the equation of
// time) of true time's. Sure: at true time, and 3 degrees up and in front.
bool scheint(const AppState& s, bool flaeche, int h, bool sicher = false)
{
    const double g = M_PI / 180, phi = s.Par.Breite * g, a = s.UhrTyp == 'h' ? 0 : s.Par.Wandabweichung * g;
    const double i = (s.UhrTyp == 'h' ? 0 : s.UhrTyp == 'v' ? 90 : s.Par.Inklination) * g;
    const double n[3] = {-std::sin(a) * std::sin(i), -std::cos(a) * std::sin(i), std::cos(i)}; // east, north, up
    const double spiel = sicher ? 0 : std::fabs(s.Par.Laenge - s.Par.Zonenmeridian) + 4.5, rand = sicher ? -0.05 : 0.01;
    for (int d = 0; d < 366; ++d) {
        const double dekl = almanachsonne(almanachTage(s.Par.Jahr, 1, 1) + d).deklination * g;
        for (double tau = 15.0 * (h - 12) - spiel; tau <= 15.0 * (h - 12) + spiel; tau += std::max(spiel / 4, 1.0)) {
            const double H = tau * g, sd = std::sin(dekl), cd = std::cos(dekl);
            const double v[3] = {-cd * std::sin(H), std::cos(phi) * sd - std::sin(phi) * cd * std::cos(H),
                                 std::sin(phi) * sd + std::cos(phi) * cd * std::cos(H)};
            if (v[2] > -rand && (!flaeche || v[0] * n[0] + v[1] * n[1] + v[2] * n[2] > -rand))
                return true;
        }
    }
    return false;
}

// s in v, the plot without a grid; nullopt when the page check refuses the page.
std::optional<Blattinhalt> blatt(const AppState& s, const Sicht& v, bool korrektur)
{
    Blattinhalt b = zeichneInSicht(s, v, kSchirm, {PromptAnswer::No}, korrektur);
    if (v.seite && !b.nein.empty())
        return std::nullopt;
    return b;
}

// What reaches off the sheet, whatever was said.
std::string wasAusserhalb(const Blattinhalt& b, const Sicht& v)
{
    // Lines and polylines wholly on the sheet are left out of the check: it is quicker without.
    std::vector<RecordedPrimitive> roh = b.roh;
    std::erase_if(roh, [&](const RecordedPrimitive& p) {
        return (p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Polyline)
               && std::all_of(p.points.begin(), p.points.end(), [&](CanvasPoint q) {
                      return q.x >= 0 && q.y >= 0 && q.x <= b.breite && q.y <= b.hoehe;
                  });
    });
    std::vector<Befund> befunde = v.plot ? pruefePlotLayout(b.hpgl, plotSeite(b.hpgl)) : pruefeLayout(roh, {0, 0, b.breite, b.hoehe});
    if (!b.hpglZweitesBlatt.empty())
        for (Befund& f : pruefePlotLayout(b.hpglZweitesBlatt, plotSeite(b.hpglZweitesBlatt)))
            befunde.push_back(std::move(f));
    std::string was;
    for (const Befund& f : befunde)
        if (f.art == Befundart::StrichAusserhalb || f.art == Befundart::TextAusserhalb || f.art == Befundart::TextAngeschnitten)
            was += (was.empty() ? "" : "; ") + f.meldung;
    return was;
}

// What reaches off the sheet while neither the drawing nor the export says a word.
std::string ausserhalb(const Blattinhalt& b, const Sicht& v)
{
    if (b.verweigert || !b.meldungen.empty() || !b.gesagt.empty())
        return "";
    return wasAusserhalb(b, v);
}

// The strokes and the numbers h of d that r does not have (r: the same dial with other hours).
std::string eigenes(const Blattinhalt& d, const Blattinhalt& r, int h)
{
    const auto punkte = [](const Strich& st) {
        std::vector<double> p;
        for (const PlotPunkt& q : st.punkte)
            p.insert(p.end(), {q.x, q.y});
        return p;
    };
    std::set<std::vector<double>> striche;
    std::set<std::tuple<std::string, double, double>> texte;
    for (const Strich& st : r.striche)
        striche.insert(punkte(st));
    for (const Beschriftung& t : r.texte)
        texte.insert({t.text, t.an.x, t.an.y});
    int n = 0;
    std::string zahlen;
    for (const Strich& st : d.striche)
        n += !striche.count(punkte(st));
    for (const Beschriftung& t : d.texte)
        if (zahlIn(t.text) == h && !texte.count({t.text, t.an.x, t.an.y}))
            zahlen += " '" + t.text + "'";
    return n == 0 && zahlen.empty() ? "" : std::to_string(n) + " strokes, numbers" + zahlen;
}

// Findings known and left to the families' own fixes: the families, a part of the finding's
// text (settings, view and what is wrong), and why.
struct Offen {
    const char* familie;
    const char* muster;
    const char* grund;
};
const Offen offen[] = {
    // Not a stroke of hour 20: in zone time the plot's afternoon quadrant runs from noon to the
    // last hour whatever the first, so hour 20 alone brings the lit hour 19 with it.
    {"quadrant calendar|quadrant zodiac", "zone time, plot: hour 20", "the afternoon quadrant of the plot starts at noon"},
};

// Whether the family is one of a row's, separated by '|'.
bool nennt(const std::string& liste, const std::string& familie)
{
    return ("|" + liste + "|").find("|" + familie + "|") != std::string::npos;
}

// A family's findings against a table of open ones: those the table does not know, and the
// family's rows that no longer show.
struct Befunde {
    std::span<const Offen> offen;
    std::string familie;
    std::vector<bool> benutzt = std::vector<bool>(offen.size());
    std::string neu = {};

    void melde(const std::string& was)
    {
        bool bekannt = false;
        for (std::size_t i = 0; i < offen.size(); ++i)
            if (nennt(offen[i].familie, familie) && was.find(offen[i].muster) != std::string::npos) {
                bekannt = true;
                benutzt[i] = true;
            }
        if (!bekannt)
            neu += was + "\n";
        if (!bekannt && was.rfind("seed ", 0) == 0) { // a line of its own for the search of fresh places
            const testing::TestInfo* t = testing::UnitTest::GetInstance()->current_test_info();
            std::cout << "sweep finding in " << t->test_suite_name() << "." << t->name() << ": " << was << std::endl;
        }
    }
    std::string ueberholt() const
    {
        std::string t;
        for (std::size_t i = 0; i < offen.size(); ++i)
            if (!benutzt[i] && nennt(offen[i].familie, familie))
                t += std::string(offen[i].muster) + "\n";
        return t;
    }
};

// The cases of a family: every latitude over the whole day, four with the start hours; each
// size at its ends, north and south; zone time, mean time and temporal hours, north and south;
// every size at its largest far north and at its smallest far south.
std::vector<Fall> faelle(const Familie& fam)
{
    AppState s0;
    initialisiereZustand(s0);
    const bool eben = std::string_view("hvi").find(fam.typ) != std::string_view::npos; // the planar dials' hours
    std::vector<Fall> f;
    for (double b : {66.0, 47.25, 23.44, 10.0, 2.0, -2.0, -10.0, -23.44, -33.87, -60.0})
        f.push_back({b, 0, 24});
    for (double b : {66.0, 47.25, 2.0, -33.87})
        f.push_back({b, eben ? s0.Zeiten.EotVon : s0.Zeiten.QuadVon, eben ? s0.Zeiten.EotBis : s0.Zeiten.QuadBis});
    for (const Groesse& g : fam.groessen)
        for (double wert : {g.klein, g.gross})
            for (double b : {47.25, -33.87})
                f.push_back({b, 0, 24, &g, wert});
    for (int zeit : {1, 2, 3})
        for (double b : {zeit == 1 ? 23.44 : zeit == 2 ? 47.25 : 60.0, zeit == 1 ? -33.87 : -10.0})
            f.push_back({b, 0, 24, nullptr, 0, 0, zeit});
    f.push_back({66, 0, 24, nullptr, 0, 1});
    f.push_back({-60, 0, 24, nullptr, 0, -1});
    return f;
}

std::string beschreibe(const Familie& fam, const Fall& f)
{
    std::string t = std::string(fam.name) + ", " + std::to_string(f.breite) + " deg, hours " + std::to_string(f.von)
                    + ".." + std::to_string(f.bis);
    if (f.groesse)
        t += ", " + std::string(f.groesse->name) + " " + std::to_string(f.wert);
    if (f.extrem)
        t += f.extrem < 0 ? ", every size smallest" : ", every size largest";
    const char* zeiten[] = {"", ", zone time", ", mean time", ", temporal hours"};
    return t + zeiten[f.zeit];
}

// The unlit hours of the case next to a lit one, each with the nearest hour towards the lit
// one that is surely lit; none where the hours are temporal, or one size is at an end (the
// sun's hours do not change with it).
std::vector<std::pair<int, int>> dunkleStunden(const Familie& fam, const Fall& f, const AppState& s)
{
    std::array<int, 27> licht{}; // hour h at h + 1: 0 never lit, 1 lit in some mode, 2 surely lit
    for (int h = 0; h <= 24; ++h)
        licht[std::size_t(h + 1)] = scheint(s, fam.flaeche, h) + scheint(s, fam.flaeche, h, true);
    std::vector<std::pair<int, int>> paare;
    for (int h = f.von; h <= f.bis && fam.stunden >= 0 && f.zeit < 3 && !f.groesse; ++h)
        for (int schritt : {1, -1})
            if (!licht[std::size_t(h + 1)] && licht[std::size_t(h + 1 + schritt)])
                for (int r = h + schritt; r >= 0 && r <= 24; r += schritt)
                    if (licht[std::size_t(r + 1)] == 2) {
                        paare.push_back({h, r});
                        break;
                    }
    return paare;
}

// The places a new file is tried at: ten latitudes the dialog accepts, in both hemispheres.
const double kOrte[] = {64.1, 51.5, 40.7, 28.6, 19.4, 1.3, -12.0, -26.2, -41.3, -55.0};

// The dial as a new construction file of its type holds it, at the latitude typed, in English:
// the cone's tilt as the dialog stores that latitude.
AppState neueDatei(const Familie& fam, double breite)
{
    AppState s = zustand(fam, {breite, 0, 0}, -1, -1);
    setzeSprache(s, false);
    if (fam.typ == 'm')
        s.Par.KegelNeigung = kegelNeigungGespeichert(breite);
    return s;
}

// What a sheet says of parts reaching past it: the page's refusal, and the drawing's or the
// export's words that something reaches over the edge or is too large for the sheet (a note
// of what was left off or cut at the edge claims nothing that could be seen off the sheet).
std::string blattwort(const Blattinhalt& b)
{
    std::string wort = b.nein;
    std::vector<std::string> texte = b.gesagt;
    for (const Konstruktionsmeldung& m : b.meldungen)
        texte.push_back(m.text);
    for (const std::string& t : texte)
        for (const char* w : {"reach", "too large", "larger than", "over the edge"})
            if (t.find(w) != std::string::npos) {
                wort += (wort.empty() ? "" : " | ") + t;
                break;
            }
    return wort;
}

// Findings of the words of the sheet known and left to the families' own fixes.
const Offen offenWorte[] = {
    // By design: the cone is constructed only where its tilt exceeds its half-opening.
    {"cone|cone vertical|cone inclining", "refused: Input error!", "the tilt (the latitude typed) is not above the half-opening"},
};

// Places and sizes at which every page the print dialog offers is judged as it prints: which
// pages print (with the drawing's word where parts of it run off) and which are refused. Some
// were once refused by a row's own model of its size though the drawing fits them.
struct Stelle {
    const char* familie;
    double breite;
    Groesse groesse;      // set to its smallest value
    const char* gedruckt; // the pages printed, of "A4 A3 A4h A3h" (h: portrait)
};
const Stelle stellen[] = {
    // Its circle is 206 mm wide: only A3 holds it at 33.3 N, no page at 27.9 N.
    {"Habermel", 33.3, {"its defaults", [](AppState&, double) {}, 0, 0}, "A3 A3h"},
    {"Habermel", 27.9, {"its defaults", [](AppState&, double) {}, 0, 0}, ""},
    {"Sawyer", 33.3, GROESSE(Par.Gnomonhoehe, 38.7, 38.7), "A3 A4h A3h"},
    {"Sawyer", -33.3, GROESSE(Par.Gnomonhoehe, 38.7, 38.7), "A3 A4h A3h"},
    // Its scale of shadow ratios runs 4 mm past the printed portrait page's right edge.
    {"quadrant calendar", 47.25, GROESSE(Par.QuadrantGroesse, 153, 153), "A4 A3 A3h"},
    // Numbers below its arc off the page: printed with the quadrant's word (portrait: past its right edge).
    {"quadrant calendar", -45.9, GROESSE(Par.QuadrantGroesse, 200, 200), "A4 A3 A3h"},
    // The pole metres off the sheet: the substyle runs to the page's border.
    {"horizontal", 0.5, {"its defaults", [](AppState&, double) {}, 0, 0}, "A4 A3 A4h A3h"},
    // Its footprint off every page: printed with the word on the paper.
    {"cone", 47.25, GROESSE(Par.Gnomonhoehe, 500, 500), "A4 A3 A4h A3h"},
    {"Peaucellier", 57.3, {"its defaults", [](AppState&, double) {}, 0, 0}, "A4 A3 A3h"},
};

// A text without its blanks and line breaks, however its lines were broken.
std::string ohneLeerraum(std::string t)
{
    std::erase_if(t, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
    return t;
}

// The places the texts are judged at: both hemispheres from beyond the polar circle to the
// equator, each at an odd longitude beside its zone's meridian (east negative).
struct Textort {
    double breite, laenge, zone;
};
const Textort textorte[] = {{71.5, -25.79, -30}, {67.1, -9.59, -15}, {57.3, 3.21, 0},  {49.6, 58.783, 60},
                            {38.2, -140.87, -135}, {8.8, 79.3, 75}, {3.1, -101.7, -105}, {38.2, -145.1, -150},
                            {53.4, -153.93, -165}};

// Texts on texts known and left to the families' own fixes.
const std::vector<Offen> offenTexte = {
#include "ZeichnungstabelleTexteBekannt.inc"
};
const std::vector<Offen> offenZwischen = [] {
    std::vector<Offen> o = offenTexte;
    o.insert(o.end(), {
#include "ZeichnungstabelleZwischenBekannt.inc"
    });
    return o;
}();

// The places drawn from seeds. The test command judges a fixed list of seeds, and for a family
// besides every seed that once found a fault in it. UMBRIN_SWEEP_SEED=N (or N,M,...) judges the
// places of those seeds alone, as the search of fresh places does (scripts/explore.sh).
const std::uint32_t kSaatenStandard[] = {2000, 2001, 2002, 2003, 2004, 2005, 2006, 2007};
const std::uint32_t kSaatenZwischen[] = {2000, 2001, 2002, 2003};

// A seed that found a fault: the families, whether at the sizes in between, and what it found.
struct Saatfund {
    const char* familien;
    std::uint32_t saat;
    bool zwischen;
    const char* was;
};
const Saatfund saatfunde[] = {
    {"cone vertical", 305608317, true, "plot: 'S' on 'Sonnenuhr fuer mittlere Zeit (Zonenzeit)'"},
    {"cone", 1016135616, true, "printed A4: the title 'Sonnenuhr für mittlere Zeit (Ortszeit)' on ' S'"},
    {"Gunter quadrant", 5011, false, "1366 screen: ' 13' on ' 14', read as '1413'"},
    {"Gunter quadrant", 5039, false, "1366 screen: ' 12' on ' 13'"},
    {"quadrant zodiac", 5025, false, "1366 screen: '22' on '24'"},
    {"biazimuthal", 5081, false, "1366 screen: 'B' on the lines 'A(...)' and 'B(...)'"},
    {"biazimuthal", 5082, false, "1366 screen: 'B' on 'projection center: ...'"},
    {"filter-hat cylinder", 5117, true, "A4 portrait: the page's note on '24'"},
    {"horizontal altitude", 5000, true, "plot: the hour '12' across the window's top edge under 'Jul'"},
    {"horizontal altitude", 5105, true, "plot: the hour '12' across the window's top edge"},
    {"horizontal altitude", 5109, true, "plot: the hour '12' across the window's top edge"},
    {"Sawyer", 5121, true, "'_' on '12' at the sheet's left edge"},
    {"horizontal altitude b", 5009, true, "numbers wholly past the sheet's edge judged, where a word says so"},
    {"horizontal altitude b", 5096, true, "numbers wholly past the sheet's edge judged, where a word says so"},
    {"horizontal altitude b", 5116, true, "numbers wholly past the sheet's edge judged, where a word says so"},
    {"horizontal altitude b", 5136, true, "numbers wholly past the sheet's edge judged, where a word says so"},
    {"Sawyer", 61024, true, "plot: the midnight line's number on the sign table's '= Zwilling'"},
    {"shepherd's cylinder", 18056, true, "plot: an hour number left of the first folded copy past the sheet's left edge"},
    {"quadrant zodiac", 30002, false, "1366 screen: '24' on '22' at the vertical edge under the midnight sun"},
    {"Gunter quadrant", 30048, false, "printed pages: the ecliptic's ' 60' and the horizon's ' 60' read as one"},
    {"quadrant calendar", 77, false, "plot: '11' and '15' read as one"},
    {"cone", 3393593650, false, "plot: the hour number '20' on the sheet's letter 'S'"},
    {"cone", 3342096850, true, "plot: the hour number '20' on the sheet's letter 'S' (cone opening 6.5)"},
    {"shepherd's cylinder", 43006014, true, "printed A4 portrait: the shortened month axis's note on '24'"},
    {"Gunter quadrant", 1821693887, false, "plot: ' 9' and ' 12' read as one; 1366 screen: ' 22' and ' 23' read as one"},
    {"Gunter quadrant", 3163888121, false, "plot: ' 9' and ' 12' read as one"},
    {"Gunter quadrant", 244228568, false, "plot: ' 9' and ' 12' read as one; 1366 screen, zone time: ' 22' and ' 23' read as one"},
    {"Gunter quadrant", 1683977568, false, "plot: ' 9' and ' 12' read as one; 1366 screen: ' 22' and ' 23' read as one"},
    {"Gunter quadrant", 4218597180, false, "plot: ' 9' and ' 12' read as one"},
    {"Gunter quadrant", 1244603522, false, "plot: ' 9' and ' 12' read as one"},
    {"Gunter quadrant", 2039445688, false, "plot: ' 9' and ' 12' read as one; 1366 screen: ' 22' and ' 23' read as one"},
    {"Gunter quadrant", 2585427998, false, "plot: ' 9' and ' 12' read as one"},
    {"quadrant zodiac", 632871201, false, "1366 screen, zone time: '22' on '24' at the vertical edge under the midnight sun"},
    {"quadrant calendar", 2143820668, false, "plot: '9' and '14' read as one"},
    {"quadrant calendar", 603639105, true, "plot: '9' and '14' read as one"},
    {"quadrant calendar", 1515257505, true, "plot: '11' and '14' read as one"},
    {"umbrella vertical", 2781471090, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 2400556324, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 929381154, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 1499266392, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 3217745339, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 202906342, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 3730601542, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 1490610926, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 1558547233, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 2123783166, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 2143820668, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 2730367204, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 805758573, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 3582311319, false, "plot: '6' and '18' read as one"},
    {"umbrella vertical", 522752129, false, "plot: '6' and '18' read as one"},
    {"quadrant calendar", 170568952, false, "plot: '9' and '14' read as one"},
    {"Gunter quadrant", 3582311319, false, "plot: ' 9' and ' 12' read as one"},
    {"Gunter quadrant", 953030097, false, "plot, zone time: ' 22' on ' 24' at the vertical edge under the midnight sun"},
    {"Gunter quadrant", 293115314, false, "screen, zone time: ' 13' and ' 12' read as one"},
};

// The seeds UMBRIN_SWEEP_SEED names, none where it is not set.
const std::vector<std::uint32_t>& gewaehlteSaaten()
{
    static const std::vector<std::uint32_t> s = [] {
        std::vector<std::uint32_t> liste;
        const char* e = std::getenv("UMBRIN_SWEEP_SEED");
        for (std::istringstream in(e ? e : ""); in.good();) {
            std::string teil;
            std::getline(in, teil, ',');
            if (!teil.empty())
                liste.push_back(static_cast<std::uint32_t>(std::strtoul(teil.c_str(), nullptr, 10)));
        }
        return liste;
    }();
    return s;
}

// The seeds a family's places are drawn from at the dialog's own sizes or the sizes in between.
std::vector<std::uint32_t> saaten(const char* familie, bool zwischen)
{
    if (!gewaehlteSaaten().empty())
        return gewaehlteSaaten();
    std::vector<std::uint32_t> s;
    if (zwischen)
        s.assign(std::begin(kSaatenZwischen), std::end(kSaatenZwischen));
    else
        s.assign(std::begin(kSaatenStandard), std::end(kSaatenStandard));
    for (const Saatfund& f : saatfunde)
        if (f.zwischen == zwischen && ("|" + std::string(f.familien) + "|").find("|" + std::string(familie) + "|") != std::string::npos)
            s.push_back(f.saat);
    return s;
}

// A finding's name of the seed its place was drawn from.
std::string saatname(std::uint32_t saat) { return "seed " + std::to_string(saat); }

// The drawing of places, time modes and languages for a family from a seed (the same family
// draws the same at the same seed, whatever runs beside it).
struct Zufall {
    std::mt19937 zahlen;
    Zufall(std::uint32_t saat, std::size_t familie)
    {
        std::seed_seq folge{saat, static_cast<std::uint32_t>(familie)};
        zahlen.seed(folge);
    }
    double gleich(double a, double b) { return a + (b - a) * (zahlen() / 4294967296.0); }
    // A latitude from 72 S to 72 N at a zone meridian from 165 W to 165 E and off it by up
    // to 45 minutes of time, to a hundredth of a degree.
    Textort ort()
    {
        const auto runde = [](double x) { return std::round(x * 100) / 100; };
        const double breite = runde(gleich(-72, 72)), zone = 15 * std::floor(gleich(-11, 12));
        return {breite, runde(zone + gleich(-11.25, 11.25)), zone};
    }
};

// Where the numbers of hours the previous versions placed clear are kept (Zahlplaetze.h).
std::string zahlendatei() { return std::string(UMBRIN_SOURCE_DIR) + "/tests/drawing/ZeichnungstabelleZahlen.txt"; }

// The texts of a family's sheets judged: texts on texts on both screens, every page the print
// dialog offers and the plot (a canvas by the letters' ink in the fonts the sheet gets, the plot
// by its labels' size and direction; two boxes sharing more than 4 % of the smaller one); at
// the fixed places no number the previous versions placed clear lost; at the places drawn
// from seeds nothing past a sheet's edge without a word, and the printed word on the paper on
// nothing of the drawing.
struct Textpruefung {
    const Familie& fam;
    Befunde befunde{offenTexte, fam.name};
    Zahlplaetze vorher = ladeZahlplaetze(zahlendatei(), fam.name), neu = {};
    int blaetter = 0;

    // Where the sheet's word, in either language, says the dial reaches off it or is wider than
    // the sheet, the texts on texts among those wholly past a canvas's edge: no reader sees them.
    static std::set<std::string> wegVomBlatt(const Blattinhalt& b, const Sicht& v)
    {
        std::string wort = blattwort(b);
        for (const Konstruktionsmeldung& m : b.meldungen)
            for (const char* w : {"wider than", " reich", "zu groß", "größer als", "breiter als", "über den Rand"})
                wort += m.text.find(w) != std::string::npos ? m.text : "";
        std::vector<RecordedPrimitive> draussen;
        for (const RecordedPrimitive& p : b.roh)
            for (const Textplatz& t : v.plot || wort.empty() ? std::vector<Textplatz>{} : textlage({p}, {0, 0, b.breite, b.hoehe}, 0).plaetze)
                if (t.kasten.x0 >= b.breite || t.kasten.x1 <= 0 || t.kasten.y0 >= b.hoehe || t.kasten.y1 <= 0)
                    draussen.push_back(p);
        std::set<std::string> weg;
        for (const Befund& f : textlage(draussen, {0, 0, b.breite, b.hoehe}, 0.04).aufeinander)
            weg.insert(f.meldung);
        return weg;
    }

    void pruefe(const AppState& s, const std::string& fall, bool gesaet)
    {
        for (const Sicht& v : {kSchirm, kSchirmKlein, kDruckA4, kDruckA3, kDruckA4Hoch, kDruckA3Hoch, kPlot}) {
            const std::optional<Blattinhalt> b = blatt(s, v, fam.korrektur);
            if (!b || b->verweigert)
                continue;
            ++blaetter;
            const std::string wo = fall + ", " + v.name;
            const Textlage l = v.plot ? plotTextlage(b->hpgl, 0.04) : textlage(b->roh, {0, 0, b->breite, b->hoehe}, 0.04);
            const std::set<std::string> unsichtbar = wegVomBlatt(*b, v);
            for (const Befund& t : l.aufeinander)
                if (!unsichtbar.count(t.meldung))
                    befunde.melde(wo + ": '" + t.text + "' on '" + t.zweiter + "': " + t.meldung);
            if (!gesaet) {
                if (const std::vector<Zahlplatz>* z = gehalten(vorher, wo))
                    if (const std::string weg = verloren(*z, l); !weg.empty())
                        befunde.melde(wo + ": numbers the previous version placed clear lost:" + weg);
                neu[wo] = freieZahlen(l);
                continue;
            }
            if (const std::string was = ausserhalb(*b, v); !was.empty())
                befunde.melde(wo + ": off the sheet without a word: " + was);
            if (!v.drucker)
                continue;
            for (const Konstruktionsmeldung& m : b->meldungen) {
                if (!m.ueberDenRand)
                    continue;
                std::set<std::string> wort; // the lines of the word on the paper
                for (const Beschriftung& t : b->texte)
                    if (const std::string z = ohneLeerraum(t.text); z.size() > 3 && ohneLeerraum(m.text).find(z) != std::string::npos)
                        wort.insert(t.text);
                for (const Befund& f : pruefeLayout(b->roh, {0, 0, b->breite, b->hoehe}, Pruefumfang::Voll, true))
                    if (f.art == Befundart::StrichDurchText && wort.count(f.text))
                        befunde.melde(wo + ": the word on the paper on the drawing: " + f.meldung);
            }
        }
    }
};

// A case's name: the family, the place, the hours, the time mode and the language.
std::string textfall(const Familie& fam, const Textort& o, bool ganzerTag, int zeit, bool deutsch)
{
    const char* zeiten[] = {"", ", zone time", ", zone time with the equation of time", ", temporal hours"};
    return std::string(fam.name) + ", " + RealStr(o.breite, 5, 2) + " at " + RealStr(o.laenge, 5, 2) + " zone "
           + RealStr(o.zone, 4, 0) + (ganzerTag ? ", hours 0..24" : "") + zeiten[zeit] + (deutsch ? ", German" : "");
}

// The dial at a place, in a time mode over the whole day or the start's hours, in a language.
AppState textzustand(const Familie& fam, const Textort& o, bool ganzerTag, int zeit, bool deutsch)
{
    AppState s = zustand(fam, {o.breite, 0, 24, nullptr, 0, 0, zeit}, ganzerTag ? 0 : -1, 24);
    setzeSprache(s, deutsch);
    s.Par.Laenge = o.laenge;
    s.Par.Zonenmeridian = o.zone;
    if (fam.typ == 'm')
        s.Par.KegelNeigung = kegelNeigungGespeichert(o.breite);
    return s;
}

} // namespace

class ZeichnungstabelleSweep : public testing::TestWithParam<std::size_t> {};

TEST_P(ZeichnungstabelleSweep, NoSheetShowsAnUnlitHourOrReachesOffItWithoutAWord)
{
    const Familie& fam = familien[GetParam()];
    Befunde befunde{offen, fam.name};
    const auto melde = [&](const std::string& was) { befunde.melde(was); };
    int blaetter = 0, gesehen = 0; // gesehen: lit hours drawn alone with strokes or numbers of their own
    for (const Fall& f : faelle(fam)) {
        const AppState s = zustand(fam, f, f.von, f.bis);
        const std::vector<std::pair<int, int>> dunkel = dunkleStunden(fam, f, s);
        for (const Sicht& v : kAlleSichten) {
            const std::string wo = beschreibe(fam, f) + ", " + v.name + ": ";
            const std::optional<Blattinhalt> b = blatt(s, v, fam.korrektur);
            if (!b)
                continue;
            ++blaetter;
            if (const std::string was = ausserhalb(*b, v); !was.empty())
                melde(wo + "off the sheet without a word: " + was);
            // Each unlit hour drawn alone against its lit neighbour drawn alone.
            for (const auto& [h, r] : dunkel) {
                const Blattinhalt nacht = blatt(zustand(fam, f, h, h), v, fam.korrektur).value_or(Blattinhalt{});
                const Blattinhalt tag = blatt(zustand(fam, f, r, r), v, fam.korrektur).value_or(Blattinhalt{});
                if (const std::string was = eigenes(nacht, tag, h); !was.empty())
                    melde(wo + "hour " + std::to_string(h) + " the sun never reaches drawn: " + was);
                gesehen += !eigenes(tag, nacht, r).empty();
            }
        }
    }
    EXPECT_EQ(befunde.neu, "");
    EXPECT_EQ(befunde.ueberholt(), "") << "open findings that no longer show";
    EXPECT_EQ(gesehen > 0, fam.stunden > 0) << "whether the hour check sees the lines of the dialog's hours";
    EXPECT_GT(blaetter, 80);
}

// At the values of a new file, at ten places: on both screens and in the plot a word of the sheet
// comes exactly when something leaves it; every page the print dialog offers is refused exactly
// where the page drawn as printed leaves the paper without the drawing's own word (the letters
// by their real ink), and a dial that a small page reduces (the ring) is printed reduced, never
// refused; the plot and the DXF are written, and so they are with each size at its smallest
// and its largest.
TEST_P(ZeichnungstabelleSweep, AWordOfTheSheetComesExactlyWhenSomethingLeavesItAndEveryExportIsWritten)
{
    const Familie& fam = familien[GetParam()];
    Befunde befunde{offenWorte, fam.name};
    int blaetter = 0;
    // A refusal of the latitude is the construction's own; a dial without a plot form has none.
    const auto exporte = [&](const AppState& s, const std::string& wo) {
        const Zeichnungseintrag* e = bildeintrag(s, fam.korrektur);
        for (const Sicht& v : {kPlot, kDxf}) {
            const Blattinhalt b = e && e->plot ? zeichneInSicht(s, v, kSchirm, {PromptAnswer::No}, fam.korrektur) : Blattinhalt{};
            if (b.verweigert && b.nein.find("latitude") == std::string::npos)
                befunde.melde(wo + ", " + v.name + ": refused: " + b.nein);
        }
    };
    // A sheet as the user gets it: a page refused exactly where it would leave the paper without
    // a word, offering only the pages that print it; a printed page, a screen or a plot with a
    // word exactly where something leaves it, a printed page with the drawing's word on the paper.
    // True: the page is printed.
    const auto urteil = [&](const AppState& s, const Sicht& v, const std::string& wo) {
        const Blattinhalt b = zeichneInSicht(s, v, kSchirm, {PromptAnswer::No}, fam.korrektur);
        if (b.verweigert)
            return false; // said by the exports
        if (v.drucker && b.nein.find("Please ") != std::string::npos) {
            const Sicht quer{"the other orientation", v.hoehe, v.breite, true, false, false, true};
            const bool querHaelt = !seiteVerweigert(s, quer, kSchirm, fam.korrektur);
            const bool a3Haelt = v.breite * v.hoehe < kDruckA3.breite * kDruckA3.hoehe
                                 && (!seiteVerweigert(s, kDruckA3, kSchirm, fam.korrektur)
                                     || !seiteVerweigert(s, kDruckA3Hoch, kSchirm, fam.korrektur));
            if ((b.nein.find(v.breite > v.hoehe ? "in portrait" : "in landscape") != std::string::npos) != querHaelt
                || (b.nein.find("on A3") != std::string::npos) != a3Haelt)
                befunde.melde(wo + ", " + v.name + ": the refusal offers other pages than those that print (other orientation "
                              + (querHaelt ? "prints" : "refused") + ", A3 " + (a3Haelt ? "prints" : "refused") + "): " + b.nein);
        }
        if (v.drucker && b.nein.empty()) {
            std::string papier;
            for (const Beschriftung& t : b.texte)
                papier += t.text + " ";
            for (const Konstruktionsmeldung& m : b.meldungen)
                if (m.ueberDenRand && ohneLeerraum(papier).find(ohneLeerraum(m.text)) == std::string::npos)
                    befunde.melde(wo + ", " + v.name + ": printed past the sheet without its word on the paper: " + m.text);
        }
        const std::string weg = wasAusserhalb(b, v), wort = blattwort(b);
        if (v.seite && !b.nein.empty()) {
            if (weg.empty())
                befunde.melde(wo + ", " + v.name + ": refused though the page holds the drawing: " + b.nein);
            else if (fam.verkleinert)
                befunde.melde(wo + ", " + v.name + ": refused instead of reduced: " + b.nein);
        } else if (!weg.empty() && wort.empty()) {
            befunde.melde(wo + ", " + v.name + ": off the sheet without a word: " + weg);
        } else if (weg.empty() && !wort.empty()) {
            befunde.melde(wo + ", " + v.name + ": a word though all is on the sheet: " + wort);
        }
        return !v.seite || b.nein.empty();
    };
    for (const double breite : kOrte) {
        const AppState s = neueDatei(fam, breite);
        const std::string wo = std::string(fam.name) + ", new file at " + RealStr(breite, 5, 2);
        for (const Sicht& v : kAlleSichten) {
            urteil(s, v, wo);
            ++blaetter;
        }
        exporte(s, wo);
    }
    for (const Stelle& st : stellen)
        if (fam.name == std::string_view(st.familie)) {
            AppState s = neueDatei(fam, st.breite);
            st.groesse.setze(s, st.groesse.klein);
            const std::string wo =
                std::string(fam.name) + ", " + st.groesse.name + " " + RealStr(st.groesse.klein, 3, 1) + " at " + RealStr(st.breite, 5, 2);
            std::string gedruckt;
            for (const auto& [v, seite] : {std::pair{&kDruckA4, "A4"}, {&kDruckA3, "A3"}, {&kDruckA4Hoch, "A4h"}, {&kDruckA3Hoch, "A3h"}})
                if (urteil(s, *v, wo))
                    gedruckt += (gedruckt.empty() ? "" : " ") + std::string(seite);
            EXPECT_EQ(gedruckt, st.gedruckt) << wo;
        }
    for (const Groesse& g : fam.groessen)
        for (const double wert : {g.klein, g.gross})
            for (const double breite : {47.25, -33.87}) {
                AppState s = neueDatei(fam, breite);
                g.setze(s, wert);
                exporte(s, std::string(fam.name) + ", " + g.name + " " + RealStr(wert, 3, 1) + " at " + RealStr(breite, 5, 2));
            }
    EXPECT_EQ(befunde.neu, "");
    EXPECT_EQ(befunde.ueberholt(), "") << "open findings that no longer show";
    EXPECT_EQ(blaetter, int(std::size(kOrte) * std::size(kAlleSichten)));
}

// With UMBRIN_SWEEP_NUMBERS set to a folder, the sweep writes there per family the kept file's
// sheets joined with the numbers this code places clear; the family files sorted together make
// the new file (after a placer change, to keep what it places besides):
//   UMBRIN_SWEEP_NUMBERS=/tmp/zahlen ./engine_tests --gtest_filter='*NoTextStandsOnAnotherAtTheDefaultSizes/*'
//   LC_ALL=C sort /tmp/zahlen/*.txt > tests/drawing/ZeichnungstabelleZahlen.txt
//
// At the dialog's own sizes, at the eighteen fixed places or at two places drawn from each seed
// (with UMBRIN_SWEEP_SEED set, at the seeds' places alone), in every time mode over the whole day
// and in the start's over its hours, in English and in German, the texts of every sheet
// (Textpruefung). The fixed places and the drawn ones run as tests of their own, side by side.
void pruefeStandardgroessen(std::size_t familie, bool gezogen)
{
    const Familie& fam = familien[familie];
    Textpruefung p{fam};
    const bool gesucht = !gewaehlteSaaten().empty();
    std::vector<std::pair<Textort, std::string>> orte; // the place, and the seed's repetition
    if (!gezogen && !gesucht)
        for (const Textort& o : textorte)
            for (const double breite : {o.breite, -o.breite})
                orte.push_back({{breite, o.laenge, o.zone}, ""});
    if (gezogen)
        for (const std::uint32_t saat : saaten(fam.name, false)) {
            Zufall zufall(saat, familie);
            for (int i = 0; i < 2; ++i)
                orte.push_back({zufall.ort(), saatname(saat) + ", "});
        }
    for (const auto& [o, saat] : orte)
        for (int zeit = 0; zeit < 4; ++zeit)
            for (const auto& [ganzerTag, deutsch] : {std::pair{true, false}, {true, true}, {false, false}, {false, true}})
                if (ganzerTag || zeit == 0)
                    p.pruefe(textzustand(fam, o, ganzerTag, zeit, deutsch), saat + textfall(fam, o, ganzerTag, zeit, deutsch),
                             !saat.empty());
    const char* ordner = std::getenv("UMBRIN_SWEEP_NUMBERS");
    if (ordner && !gezogen)
        schreibeZahlplaetze(ordner, fam.name, p.vorher, p.neu);
    EXPECT_EQ(p.befunde.neu, "");
    if (!gesucht && !gezogen) {
        EXPECT_EQ(p.befunde.ueberholt(), "") << "open findings that no longer show";
        EXPECT_GT(p.blaetter, 200);
    }
}

TEST_P(ZeichnungstabelleSweep, NoTextStandsOnAnotherAtTheDefaultSizes)
{
    pruefeStandardgroessen(GetParam(), false);
}

TEST_P(ZeichnungstabelleSweep, NoTextStandsOnAnotherAtTheDefaultSizesAtDrawnPlaces)
{
    pruefeStandardgroessen(GetParam(), true);
}

// Each size halfway between the dialog's own and its smallest, and halfway to its largest, at
// places, time modes and languages drawn from each seed: the texts of every sheet.
TEST_P(ZeichnungstabelleSweep, NoTextStandsOnAnotherAtTheSizesInBetween)
{
    const Familie& fam = familien[GetParam()];
    Textpruefung p{fam};
    p.befunde = Befunde{offenZwischen, fam.name};
    for (const std::uint32_t saat : saaten(fam.name, true)) {
        Zufall zufall(saat, GetParam() + 1000);
        for (const Groesse& g : fam.groessen)
            for (const double ende : {g.klein, g.gross}) {
                const Textort o = zufall.ort();
                const int zeit = static_cast<int>(zufall.gleich(0, 4));
                const bool deutsch = zufall.gleich(0, 1) < 0.5;
                AppState s = textzustand(fam, o, true, zeit, deutsch);
                // A new file's Habermel gnomon is 0: the parameter dialog starts it at 40 mm.
                const double eigen = g.lies(s) < g.klein ? 40.0 : g.lies(s);
                const double wert = (eigen + ende) / 2;
                g.setze(s, wert);
                if (fam.typ == 'q' && fam.unterTyp == 2)
                    HabermelGnomonAusDurchmesser(2, s.Par.HabermelDurchmesser, s.Par.Breite, s.EpsRund, s.Par.HabermelGnomon);
                p.pruefe(s, saatname(saat) + ", " + textfall(fam, o, true, zeit, deutsch) + ", " + g.name + " " + RealStr(wert, 5, 2),
                         true);
            }
    }
    EXPECT_EQ(p.befunde.neu, "");
}

INSTANTIATE_TEST_SUITE_P(Familien, ZeichnungstabelleSweep, testing::Range<std::size_t>(0, std::size(familien)),
                         [](const testing::TestParamInfo<std::size_t>& i) {
                             std::string n = familien[i.param].name;
                             std::erase_if(n, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                             return n;
                         });
