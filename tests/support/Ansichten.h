#pragma once
// A drawing where the user sees it: the drawing window's image on a 1920 x 1080 and on a
// 1366 x 768 screen, an A4 and an A3 page (0.1 mm) in landscape and in portrait placed from an
// image, and the plot. Each is
// read back alike: the strokes with their kind, colour, width or pen, the texts with their
// place, size and turn, the rectangles, and what the drawing said or refused.
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/State.h"
#include "core/ui/DruckSeite.h"
#include "drawing/Auftragsschutz.h"
#include "drawing/Blattrand.h"
#include "drawing/Exportnamen.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungDruck.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/ExportPruefung.h"
#include "support/Layoutpruefung.h"
#include "support/PlotLeser.h"
#include "support/Schriftmass.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace umbrin::test {

// An image (breite x hoehe pixels), a page (0.1 mm) or the plot.
struct Sicht {
    const char* name;
    int breite, hoehe;
    bool seite = false, plot = false, dxf = false; // dxf: the plot written as a DXF drawing, read back as said
    bool drucker = false; // a page as the print dialog gives it (else the whole sheet, nothing measured as printed)
};
inline const Sicht kSchirm{"screen", 1780, 905}, kSchirmKlein{"screen 1366", 1226, 593};
inline const Sicht kSeiteA4{"page A4", 2970, 2100, true}, kSeiteA3{"page A3", 4200, 2970, true};
inline const Sicht kSeiteA4Hoch{"page A4 portrait", 2100, 2970, true}, kSeiteA3Hoch{"page A3 portrait", 2970, 4200, true};
// The pages as the print dialog gives them: the PDF printer keeps a strip of 3.5 mm round the
// sheet, so A4 is 290 x 203 mm and A3 413 x 290 mm; texts measured as the printer measures them.
inline const Sicht kDruckA4{"printed A4", 2900, 2030, true, false, false, true};
inline const Sicht kDruckA3{"printed A3", 4130, 2900, true, false, false, true};
inline const Sicht kDruckA4Hoch{"printed A4 portrait", 2030, 2900, true, false, false, true};
inline const Sicht kDruckA3Hoch{"printed A3 portrait", 2900, 4130, true, false, false, true};
inline const Sicht kPlot{"plot", 0, 0, false, true}, kDxf{"DXF", 0, 0, false, true, true};
inline const Sicht kSichten[] = {kSchirm, kSchirmKlein, kSeiteA4, kSeiteA3, kSeiteA4Hoch, kSeiteA3Hoch, kPlot};
inline const Sicht kBlaetter[] = {kSchirm, kSchirmKlein, kSeiteA4, kSeiteA3, kSeiteA4Hoch, kSeiteA3Hoch}; // those drawn on a canvas
// Every page the print dialog offers, in both orientations, with the screens and the plot.
inline const Sicht kAlleSichten[] = {kSchirm, kSchirmKlein, kDruckA4, kDruckA3, kDruckA4Hoch, kDruckA3Hoch, kPlot};
inline const Sicht kBlaetterGedruckt[] = {kSchirm, kSchirmKlein, kDruckA4, kDruckA3, kDruckA4Hoch, kDruckA3Hoch};

// A stroke: on a canvas its kind, colour and width; in the plot its pen, from the pen's place
// before the PD on.
struct Strich {
    PrimitiveKind art = PrimitiveKind::Polyline;
    Farbe farbe = 0;
    int breite = 0, stift = 0;
    std::vector<PlotPunkt> punkte;
};
// A text: on a canvas its top left corner, turned counter-clockwise by winkel degrees about it;
// in the plot its lower left corner, pen, direction and character set.
struct Beschriftung {
    std::string text;
    PlotPunkt an;
    double hoehe = 0, winkel = 0;
    Farbe farbe = 0;
    std::string schrift;
    int stift = 0;
    bool zweitsatz = false;
};
struct Blattinhalt {
    double breite = 0, hoehe = 0; // the sheet; y runs down on a canvas and up in the plot
    bool verweigert = false;      // the plot was refused
    std::string nein;             // why the export refused the plot, or the print the page (drawn all the same)
    Konstruktionsmeldungen meldungen;
    std::vector<Strich> striche; // every line, polyline, arc and ellipse
    std::vector<Beschriftung> texte;
    std::vector<std::array<double, 4>> rechtecke; // a canvas's rectangles, corner to corner
    std::string hpgl;
    std::string hpglZweitesBlatt; // the plot of the cone's sheet of its own
    std::vector<RecordedPrimitive> roh; // a canvas's primitives as recorded
    std::vector<std::string> gesagt;    // what the export told the user (questions and the reports of the files written left out)
    std::vector<ScriptedPrompt::Frage> fragen; // every box the drawing, the page check or the export showed
};

inline Blattinhalt leseCanvas(const RecordingCanvas& c)
{
    Blattinhalt b;
    b.breite = c.width();
    b.hoehe = c.height();
    b.roh = c.primitives();
    for (const RecordedPrimitive& p : c.primitives()) {
        std::vector<PlotPunkt> q;
        for (const CanvasPoint& k : p.points)
            q.push_back({double(k.x), double(k.y)});
        if (p.kind == PrimitiveKind::Text)
            b.texte.push_back({p.text, q.at(0), double(p.font.height), p.angle, p.font.color, p.font.name, 0, false});
        else if (p.kind == PrimitiveKind::Rectangle)
            b.rechtecke.push_back({q.at(0).x, q.at(0).y, q.at(1).x, q.at(1).y});
        else if (p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Polyline || p.kind == PrimitiveKind::Arc
                 || p.kind == PrimitiveKind::Ellipse)
            b.striche.push_back({p.kind, p.pen.color, p.pen.width, 0, std::move(q)});
    }
    return b;
}

inline Blattinhalt lesePlot(const std::string& hpgl)
{
    Blattinhalt b;
    b.breite = plotSeite(hpgl).x1;
    b.hoehe = plotSeite(hpgl).y1;
    b.hpgl = hpgl;
    for (PlotStrich& st : plotStriche(hpgl))
        b.striche.push_back({PrimitiveKind::Polyline, 0, 0, st.stift, std::move(st.punkte)});
    for (PlotText& t : plotTexte(hpgl))
        b.texte.push_back({std::move(t.text), t.an, 0, t.richtung, 0, {}, t.stift, t.zweitsatz});
    return b;
}

// The drawing window showing s on an image the size of b, s placed on it as the window places it.
inline Zeichenfensterzustand fensterMit(AppState& s, const Sicht& b, bool korrektur = false)
{
    Zeichenfensterzustand zf;
    zf.SchoenerAnsicht = korrektur;
    zf.BildBreite = zf.AktivBreite = b.breite;
    zf.BildHoehe = zf.AktivHoehe = b.hoehe;
    setzePlatzierung(s, standardPlatzierung(s, b.breite, b.hoehe));
    return zf;
}

// What the print lays out on page v besides its size, as it does from the PDF printer's page:
// the printable area's margins and size, and the printer's own measure of its texts, by which
// the page check measures every page.
inline Druckumgebung seitenumgebung(const Sicht& v)
{
    if (!v.drucker) // the whole sheet printable
        return {0, 0, v.breite, v.hoehe, true, false, UMBRIN_BINARY_DIR, &seitenTextmass()};
    const DruckGeraet geraet{v.breite / 10, v.hoehe / 10, v.breite, v.hoehe, 35, 35, v.hoehe > v.breite};
    Druckumgebung u;
    DruckBereich(geraet, u.druckBreite, u.druckHoehe, u.randX, u.randY);
    u.arbeitsPfad = UMBRIN_BINARY_DIR;
    u.textmass = &seitenTextmass();
    return u;
}

// Whether the print refuses page v of s shown on an image the size of bild (a screen view or
// the plot: never), as it does before it prints.
inline bool seiteVerweigert(AppState s, const Sicht& v, const Sicht& bild = kSchirm, bool korrektur = false)
{
    ScriptedPrompt frage;
    const Zeichenfensterzustand zf = fensterMit(s, bild, korrektur);
    return v.seite && !seitenPruefung(s, zf, bildeintrag(s, korrektur), v.breite, v.hoehe, frage, seitenumgebung(v));
}

// s drawn in v as the drawing window draws it, placed on an image the size of bild (a screen
// view is its own image): a screen's image by konstruiereBild, a page by zeichneDruckseite, the
// plot through the export, which is given the answers (then Ok / Yes). korrektur: the ring
// dial's correction view.
inline Blattinhalt zeichneInSicht(AppState s, const Sicht& v, const Sicht& bild = kSchirm,
                                  std::initializer_list<PromptAnswer> antworten = {}, bool korrektur = false)
{
    const Sicht& b = v.seite || v.plot ? bild : v;
    Zeichenfensterzustand zf = fensterMit(s, b, korrektur);
    ScriptedPrompt frage;
    if (!v.plot) {
        const Druckumgebung u = seitenumgebung(v);
        const bool seiteNein = v.seite && !seitenPruefung(s, zf, bildeintrag(s, korrektur), v.breite, v.hoehe, frage, u);
        // A page measures its texts as the printer does.
        RecordingCanvas bildCanvas(v.breite, v.hoehe, v.seite);
        Probeseite seitenCanvas(v.breite, v.hoehe, seitenTextmass());
        RecordingCanvas& c = v.drucker ? seitenCanvas : bildCanvas;
        if (v.seite) // the font the print starts its page with
            c.setFont({"Arial", 40, false, FarbeSchwarz});
        Zeichenauftrag z{s, zf, c, v.breite, v.hoehe, !v.seite, zeichenumgebung(zf, true, false, u.randX, u.randY),
                         v.seite ? u.druckBreite : 0, v.seite ? u.druckHoehe : 0, &frage, UMBRIN_BINARY_DIR};
        Konstruktionsmeldungen m = v.seite ? zeichneDruckseite(z, b.breite, b.hoehe)
                                           : konstruiereBild(z, korrektur ? Zeichenanlass::Korrektur : Zeichenanlass::Sonstiges);
        Blattinhalt a = leseCanvas(c);
        a.meldungen = std::move(m);
        a.nein = seiteNein ? frage.asked.back().text : "";
        a.fragen = frage.asked;
        return a;
    }
    frage.answers = antworten;
    s.AlsHPGL = v.dxf ? 0 : 1;
    TestOrdner ordner("ansicht");
    ExportAuftrag e{ordner / (v.dxf ? "ansicht.dxf" : "ansicht.plt"), b.breite, b.hoehe, UMBRIN_BINARY_DIR, {}};
    Auftragsschutz schutz(s);
    Blattinhalt a;
    a.verweigert = !exportiereZeichnung(s, zf, frage, zeichnungseintrag(s, korrektur), e, schutz);
    if (!a.verweigert && !v.dxf)
        a = lesePlot(dateiText(e.datei));
    else
        a.nein = frage.asked.empty() ? "" : frage.asked.back().text;
    // The export's reports of the files it wrote say nothing of the sheet.
    const std::string blatt = kegelBlattName(e.datei.string());
    if (!a.verweigert && !v.dxf && std::filesystem::exists(blatt))
        a.hpglZweitesBlatt = dateiText(blatt);
    const std::string berichte[] = {plotGespeichert(s.Sprachspalte != 2, e.datei.string()),
                                    plotGespeichert(s.Sprachspalte != 2, blatt),
                                    "\r\n" + std::string(texteText(s, 222)) + " \"" + ohneOrdner(blatt) + "\" !!!"};
    for (const ScriptedPrompt::Frage& q : frage.asked)
        if (q.icon != PromptIcon::Question && std::find(std::begin(berichte), std::end(berichte), q.text) == std::end(berichte))
            a.gesagt.push_back(q.text);
    a.fragen = frage.asked;
    return a;
}

// The number a text writes, blanks on either side allowed; -1 for any other text.
inline int zahlIn(const std::string& t)
{
    const auto a = t.find_first_not_of(' '), e = t.find_last_not_of(' ');
    return a == std::string::npos || t.find_first_not_of("0123456789", a) <= e || e - a > 8 ? -1 : std::stoi(t.substr(a));
}

// The centre of a canvas text's letters, a digit about 0.55 of the height wide.
inline PlotPunkt textMitte(const Beschriftung& t)
{
    const double ziffer = double(std::min(t.text.find_first_not_of(' '), t.text.size()));
    const double w = t.winkel * M_PI / 180, u = 0.55 * t.hoehe * (ziffer + (double(t.text.size()) - ziffer) / 2), v = t.hoehe / 2;
    return {t.an.x + u * std::cos(w) + v * std::sin(w), t.an.y - u * std::sin(w) + v * std::cos(w)};
}

// How far p stands from the nearest of the points (1e18 when there are none).
inline double abstandZu(const PlotPunkt& p, const std::vector<PlotPunkt>& punkte)
{
    double d = 1e18;
    for (const PlotPunkt& q : punkte)
        d = std::min(d, std::hypot(p.x - q.x, p.y - q.y));
    return d;
}

// The sun's altitude at latitude phi, declination d and hour angle H, all in degrees.
inline double hoeheDerSonne(double phi, double d, double H)
{
    const double g = M_PI / 180;
    return std::asin(std::sin(phi * g) * std::sin(d * g) + std::cos(phi * g) * std::cos(d * g) * std::cos(H * g)) / g;
}

} // namespace umbrin::test
