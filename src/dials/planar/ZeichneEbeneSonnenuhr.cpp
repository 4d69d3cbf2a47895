#include "dials/planar/ZeichneEbeneSonnenuhr.h"

#include "core/Projektion.h"
#include "core/RecordingCanvas.h"
#include "core/Rounding.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/Raster.h"
#include "dials/RandUndRahmen.h"
#include "dials/planar/EbeneLinienfamilien.h"
#include "dials/planar/NurSchrift.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace umbrin {
namespace {

int runde(double v) { return rundeKoordinate(v); }

// Start: margins, the umbrella checks, the plane, the scale and the horizon. False when the
// dial cannot be drawn at all.
bool richteEin(EbeneKontext& k, bool bildschirm, int breite, int hoehe, double g, const EbenenParameter& p)
{
    const AppState& s = k.s;
    k.Bildschirm = bildschirm;
    const Schnittrechteck rahmen = ebenenRahmen(bildschirm, breite, hoehe);
    k.RandX = rahmen.links;
    k.RandY = rahmen.oben;
    k.Breite = rahmen.rechts;
    k.Hoehe = rahmen.unten;
    k.MitteX = (k.Breite - k.RandX) / 2;
    k.MitteY = (k.Hoehe - k.RandY) / 2;
    if (k.umgebung.MitSchnitt) {
        const Schnittrechteck& r = k.umgebung.Schnitt;
        k.SchnittL = r.links;
        k.SchnittO = r.oben;
        k.SchnittR = r.rechts;
        k.SchnittU = r.unten;
    } else {
        k.SchnittL = rahmen.links;
        k.SchnittO = rahmen.oben;
        k.SchnittR = rahmen.rechts;
        k.SchnittU = rahmen.unten;
    }
    k.ebene = p;
    k.sonne = Sonnenrechner(p.X1, !s.Schirmuhr);
    k.FusspunktX = s.FusspunktX;
    k.FusspunktY = s.FusspunktY;

    if (s.Schirmuhr && s.UhrTyp == 'i') {
        if (s.Par.SchirmRadius == 0) {
            k.meldungen.push_back({PromptTitle::Fehler, PromptIcon::Error, std::string(meldungsText(s, 21))});
        } else if (s.Par.Inklination >= 90 || TanGrad(s.Par.Inklination) >= std::fabs(1 / s.Par.SchirmRadius)) {
            // The disc would reach the plane.
            k.meldungen.push_back({PromptTitle::Warnung, PromptIcon::Warning, std::string(meldungsText(s, 17))});
            return false;
        }
    }

    const Ebenennormale n = ebenennormale(s, p);
    k.EbeneAz = n.Az;
    k.EbeneHoehe = n.Hoehe;
    k.senkrecht = s.UhrTyp == 'v';
    if (bildschirm)
        k.LegendeX = runde(k.MitteX / (s.FormatA4 ? 14.0 : 21.0));
    else
        k.LegendeX = k.RandX + 35;

    k.Gnomon = static_cast<double>(roundHalfEven(100.0L * g)) / 100.0;
    if (bildschirm)
        k.Skala = k.Breite * k.Gnomon / (s.FormatA4 ? 280.0 : 420.0);
    else
        k.Skala = 10 * k.Gnomon;
    k.geometrie = schattengeometrie(s, p, k.Skala);

    const double I = s.Par.Inklination * static_cast<double>(rad);
    if (s.UhrTyp == 'i' && !s.Schirmuhr && std::fabs(p.Inklination) > 1e-10) {
        const double Ip = p.Inklination * static_cast<double>(rad);
        k.HorizontY = k.FusspunktY - k.Skala * std::cos(Ip) / std::sin(Ip);
    } else if (s.UhrTyp == 'i' && s.Schirmuhr && std::fabs(s.Par.Inklination) > 1e-10) {
        k.HorizontY = std::max(k.FusspunktY - k.Skala / std::sin(I), static_cast<double>(k.RandY));
    } else if (s.UhrTyp == 'v') {
        k.HorizontY = k.FusspunktY;
    } else {
        k.HorizontY = 0;
    }
    // Without a horizon (the horizontal dial) the lines reach the top of the cut rectangle.
    const bool mitHorizont = s.UhrTyp == 'v' || (s.UhrTyp == 'i' && std::fabs(s.Schirmuhr ? s.Par.Inklination : p.Inklination) > 1e-10);
    k.Oben = mitHorizont ? std::max(k.SchnittO, runde(k.HorizontY)) : k.SchnittO;
    return true;
}

// The drawing's font and pen as every part starts with them.
void grundzustand(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    c.setBrush({FarbeWeiss, BrushStyle::Solid});
    c.setFont({"Arial", c.font().height, false, s.Farben[3]});
    if (k.Bildschirm)
        c.setFontSize(k.umgebung.GrosserBildschirm ? 16 : 12);
    else
        c.setFontHeight(60);
    c.setPen({FarbeSchwarz, s.Schalter.Linienstaerke, PenStyle::Solid});
}

// The white frame and the grid, under everything else.
void zeichneGrund(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    grundzustand(k);
    c.setPen({FarbeWeiss, 1, PenStyle::Solid});
    c.moveTo(k.Breite + 1, k.RandY);
    c.lineTo(k.Breite + 1, k.Hoehe);
    c.setPenColor(FarbeSchwarz);
    c.rectangle(k.RandX, k.RandY, k.Breite, k.Hoehe);

    if (k.umgebung.MitNetz)
        zeichneRaster(c, k.Bildschirm, s.Farben[8], k.FusspunktX, k.FusspunktY, k.Breite - 20, k.Hoehe - 20, 10,
                      s.FormatA4 != 0, k.umgebung.DruckRandX, k.umgebung.DruckRandY);
}

// The frame's outline and the horizon line, over the lines that end at them.
void zeichneRahmenUndHorizont(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    c.setBrushStyle(BrushStyle::Clear);
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});
    c.rectangle(k.RandX, k.RandY, k.Breite, k.Hoehe);
    // Texts over the lines leave them visible (a solid brush would underlay them white).
    c.setPenWidth(s.Schalter.Linienstaerke);
    if (k.HorizontY > 0) {
        c.setPenColor(s.Farben[4]);
        c.moveTo(k.RandX + 5, runde(k.HorizontY));
        c.lineTo(k.RandX + k.Breite - 5, runde(k.HorizontY));
    }
}

// Where the gnomon scale stands, in the canvas's font of its text.
struct GnomonSkala {
    int lx = 0, d = 0, sk = 0, unten = 0, textY = 0;
    int oben = 0, rechts = 0; // the ends of the two legs, at the frame where a leg is cut there
    std::string text;
};

// The size of the gnomon scale's text in the canvas's font, measured once while text and font
// stay the same.
TextExtent gnomonTextMass(EbeneKontext& k, const std::string& text)
{
    const CanvasFont schrift = k.canvas.font();
    const auto gleich = [&](const CanvasFont& f) {
        return f.name == schrift.name && f.height == schrift.height && f.bold == schrift.bold && f.cellHeight == schrift.cellHeight;
    };
    if (!k.GnomonText || k.GnomonText->text != text || !gleich(k.GnomonText->schrift))
        k.GnomonText = EbeneKontext::Textmass{text, schrift, k.canvas.textExtent(text)};
    return k.GnomonText->mass;
}

GnomonSkala gnomonSkalaLage(EbeneKontext& k)
{
    Canvas& c = k.canvas;
    GnomonSkala g;
    g.d = k.Bildschirm ? 5 : 50;
    g.lx = k.Bildschirm ? k.LegendeX / 2 : k.LegendeX;
    g.sk = runde(k.Skala);
    // The text stands below the bracket; where it would be cut at the bottom of the drawing,
    // bracket and text move up together.
    g.text = holeText(k.s, 6) + " (=" + RealStr(k.Gnomon, 6, 2) + ")";
    g.unten = k.Hoehe - g.lx;
    g.textY = g.unten + std::abs(runde(0.5 * c.fontHeight()));
    const int ueberstand = g.textY + gnomonTextMass(k, g.text).height + 1 - k.Hoehe;
    if (ueberstand > 0) {
        g.unten -= ueberstand;
        g.textY -= ueberstand;
    }
    // The legs show the gnomon at true size; one longer than the frame leaves is cut at the
    // frame, and the text says so (the length stands in it).
    g.oben = std::max(g.unten - g.sk, k.RandY);
    g.rechts = std::min(g.lx + g.sk, k.Breite);
    const bool obenGekuerzt = g.oben != g.unten - g.sk, rechtsGekuerzt = g.rechts != g.lx + g.sk;
    if (obenGekuerzt || rechtsGekuerzt)
        g.text += k.s.Deutsch ? ", gekürzt" : ", cut short";
    // A cut leg ends short of the legend's lines rather than run through them.
    for (const std::array<double, 4>& b : k.Zahlkaesten) {
        if (rechtsGekuerzt && b[1] <= g.unten && g.unten <= b[3] && b[0] > g.lx)
            g.rechts = std::min(g.rechts, static_cast<int>(std::floor(b[0])) - g.d);
        if (obenGekuerzt && b[0] <= g.lx && g.lx <= b[2] && b[3] < g.unten)
            g.oben = std::max(g.oben, static_cast<int>(std::ceil(b[3])) + g.d);
    }
    return g;
}

void zeichneGnomonSkala(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& c = k.canvas;
    c.setPenColor(s.Farben[3]);
    if (!k.Bildschirm)
        c.setFontSize(35);
    const GnomonSkala g = gnomonSkalaLage(k);
    const int lx = g.lx, d = g.d, sk = g.sk, unten = g.unten, textY = g.textY;
    const std::string& text = g.text;
    // A cut leg has no end tick: it runs on beyond the frame.
    c.moveTo(g.oben == unten - sk ? lx + d : lx, g.oben);
    c.lineTo(lx, g.oben);
    c.lineTo(lx, unten);
    c.lineTo(g.rechts, unten);
    if (g.rechts == lx + sk)
        c.lineTo(lx + sk, unten - d);
    c.textOut(lx, textY, text);
    merkeText(k, lx, textY, text);
}

void zeichneFusszeile(EbeneKontext& k)
{
    Canvas& c = k.canvas;
    if (k.umgebung.ZifferblattText.empty())
        return;
    const CanvasFont vorher = c.font();
    c.setFontColor(FarbeKastanie);
    c.setBold(true);
    c.textOut(runde(1.3 * k.MitteX), k.Hoehe - 2 * std::abs(runde(0.8 * c.fontHeight())), k.umgebung.ZifferblattText);
    c.setFont(vorher);
}

void zeichneItalBabyl(EbeneKontext& k)
{
    const AppState& s = k.s;
    if (s.Schalter.Babylonisch)
        zeichneItalBabylStunden(k, false, s.Zeiten.BabVon, s.Zeiten.BabBis, s.Schalter.Intervalle[0]);
    if (s.Schalter.Italienisch)
        zeichneItalBabylStunden(k, true, s.Zeiten.ItalVon, s.Zeiten.ItalBis, s.Schalter.Intervalle[1]);
}

// The numbers of the Babylonian and Italian hours: the lines once more, cut at the frame as on
// a drawing of its own, with only their texts reaching the canvas.
void zeichneStundenzahlenAmRahmen(EbeneKontext& k)
{
    const AppState& s = k.s;
    if (!(s.Schalter.Babylonisch || s.Schalter.Italienisch))
        return;
    const CanvasFont schrift = k.canvas.font();
    const CanvasBrush pinsel = k.canvas.brush();
    NurSchrift nurSchrift(k.canvas);
    Zeichenumgebung u = k.umgebung;
    u.MitSchnitt = false;
    EbeneKontext r(s, u, nurSchrift);
    r.Zahlkaesten = k.Zahlkaesten;
    if (richteEin(r, k.Bildschirm, k.Breite + k.RandX, k.Hoehe + k.RandY, k.Gnomon, k.ebene)) {
        grundzustand(r);
        // Drawn over the lines, the numbers leave them showing through their cells.
        nurSchrift.setBrushStyle(BrushStyle::Clear);
        if (!r.Bildschirm)
            nurSchrift.setFontSize(35);
        zeichneItalBabyl(r);
    }
    k.canvas.setFont(schrift);
    k.canvas.setBrush(pinsel);
}

// Hour lines were asked for (of a time system the latitude allows) but no stroke of them falls
// on the sheet: the user is told rather than left with date lines alone. Where the sun never
// lights the face at the chosen hours (a wall facing the pole), moving the drawing is no help.
void sageWennKeineStundenlinie(EbeneKontext& k)
{
    const AppState& s = k.s;
    const TSchalter& sw = s.Schalter;
    const double b = std::fabs(s.Par.Breite);
    const bool gewollt = sw.OhneZeitgl || sw.MitZeitgl || sw.Analemma || (sw.Temporalstunden && b <= 66)
                         || ((sw.Italienisch || sw.Babylonisch) && b <= 65);
    if (!gewollt || k.Stundenstriche > 0)
        return;
    const char* deutsch = k.Stundenlicht > 0 ? "Bitte verkleinern (Zoom) oder den Fußpunkt verschieben."
                                             : "Die Sonne bescheint diese Fläche zu den gewählten Stunden nie.";
    const char* englisch = k.Stundenlicht > 0 ? "Please zoom out or move the foot."
                                              : "The sun never shines on this face at the chosen hours.";
    k.meldungen.push_back({PromptTitle::Problem, PromptIcon::Question,
                           s.Deutsch ? std::string("Keine Stundenlinie fällt auf das Blatt.\r\n") + deutsch
                                     : std::string("No hour line falls on the sheet.\r\n") + englisch});
}

// Everything that moves with the gnomon foot as it is: the lines.
void zeichneLinien(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& canvas = k.canvas;
    grundzustand(k);
    // Numbers along the unequal hours take the size the gnomon scale leaves on paper.
    if (!k.Bildschirm)
        canvas.setFontSize(35);

    canvas.setPenColor(s.Farben[0]);
    k.TierkreisModus = s.Schalter.Datumslinien == '0';
    if (s.Schalter.GanzeTageslaenge) {
        k.DeklStunden = DeklAufgangHalbstunden(s, s.Par.Breite);
        canvas.setPenColor(s.Farben[10]);
        zeichneDatumslinien(k);
        canvas.setPenColor(s.Farben[0]);
    }
    setzeDatumslinien(s, s.Schalter.Datumslinien, k.Datumslinien);
    k.Laenge = s.Schalter.OhneLaengenkorrektur ? s.Par.Zonenmeridian : s.Par.Laenge;
    zeichneDatumslinienTabelle(k);

    canvas.setPenColor(s.Farben[3]);
    k.zaehleStunden = true;
    if (s.Schalter.OhneZeitgl) {
        k.Laenge = s.Schalter.OhneLaengenkorrektur ? s.Par.Zonenmeridian : s.Par.Laenge;
        zeichneStundenlinien(k, 171, false, s.Zeiten.EotVon, s.Zeiten.EotBis);
    }
    if (s.Schalter.MitZeitgl) {
        k.Laenge = achterLaenge(s);
        zeichneStundenlinien(k, 1, true, s.Zeiten.StundeVon, s.Zeiten.StundeBis);
    }
    if (s.Schalter.Analemma) {
        k.Laenge = achterLaenge(s);
        zeichneStundenlinien(k, 1, true, s.Schalter.AnalemmaStunde, s.Schalter.AnalemmaStunde);
    }
    if (s.Schalter.Temporalstunden)
        zeichneTemporalstunden(k, s.Zeiten.TempVon, s.Zeiten.TempBis, s.Schalter.Intervalle[2]);
    // The lines leave their numbers to the frame's part: they stand at points inside the frame
    // (of a layer cut beyond it, too), clear of the true-time numbers written there.
    k.Stundenzahlen = false;
    zeichneItalBabyl(k);
    k.zaehleStunden = false;
    sageWennKeineStundenlinie(k);
    if (s.Schalter.Sonnenhoehe)
        zeichneHoehenlinien(k, s.Zeiten.HoeheVon, s.Zeiten.HoeheBis, s.Schalter.Intervalle[3]);
}

// The strokes of the lines and the horizon as a drawing of its own would draw them, for the
// legend of a portrait page to keep clear of. The page is taller than the landscape one the
// placement was made for, so the legend's scaled place may lie where the lines run.
std::vector<std::array<int, 4>> linienstrecken(const EbeneKontext& k)
{
    RecordingCanvas aufnahme(k.Breite + k.RandX, k.Hoehe + k.RandY, true);
    EbeneKontext r(k.s, k.umgebung, aufnahme);
    std::vector<std::array<int, 4>> strecken;
    if (!richteEin(r, false, k.Breite + k.RandX, k.Hoehe + k.RandY, k.Gnomon, k.ebene))
        return strecken;
    zeichneLinien(r);
    for (const RecordedPrimitive& p : aufnahme.primitives())
        if (p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Polyline)
            for (std::size_t i = 1; i < p.points.size(); ++i)
                strecken.push_back({p.points[i - 1].x, p.points[i - 1].y, p.points[i].x, p.points[i].y});
    if (k.HorizontY > 0)
        strecken.push_back({k.RandX, runde(k.HorizontY), k.Breite, runde(k.HorizontY)});
    return strecken;
}

// What keeps to the frame or is placed against it, over the lines: the frame and horizon,
// the foot mark, the legend and the hour numbers, the gnomon scale, the pole marks, margins
// and footer.
void zeichneAmRahmen(EbeneKontext& k)
{
    const AppState& s = k.s;
    Canvas& canvas = k.canvas;
    grundzustand(k);
    zeichneRahmenUndHorizont(k);
    zeichneFussmarke(k);
    if (!k.Bildschirm && k.Hoehe + k.RandY > k.Breite + k.RandX)
        k.Linienstrecken = linienstrecken(k);
    zeichneLegende(k);
    zeichneGnomonSkala(k);
    zeichneStundenzahlenAmRahmen(k);
    if (s.UhrTyp == 'h' || (!s.Schirmuhr && (s.UhrTyp == 'v' || s.UhrTyp == 'i'))) {
        const Polversatz v = polstabVersatz(s, k.Skala, 1e-5);
        canvas.setPenColor(s.Farben[3]);
        zeichnePolstabMarken(k, v.X, v.Y);
    }
    RandUndRahmen(k.Breite + k.RandX, k.Hoehe + k.RandX, k.RandX, canvas, k.umgebung.DruckRandY);
    zeichneFusszeile(k);
}

} // namespace

Schnittrechteck ebenenRahmen(bool bildschirm, int breite, int hoehe)
{
    const int rand = bildschirm ? 0 : 50;
    return {rand, rand, breite - rand, hoehe - rand};
}

std::array<double, 4> gnomonSkalaKasten(EbeneKontext& k)
{
    Canvas& c = k.canvas;
    const CanvasFont vorher = c.font();
    if (!k.Bildschirm)
        c.setFontSize(35);
    const GnomonSkala g = gnomonSkalaLage(k);
    const TextExtent e = gnomonTextMass(k, g.text);
    c.setFont(vorher);
    return {double(g.lx), double(g.textY), double(g.lx + e.width), double(g.textY + e.height)};
}

Konstruktionsmeldungen zeichneEbeneSonnenuhr(const AppState& s, const Zeichenumgebung& u, Canvas& canvas,
                                             bool bildschirm, int breite, int hoehe, double g,
                                             const EbenenParameter& p)
{
    EbeneKontext k(s, u, canvas);
    if (!richteEin(k, bildschirm, breite, hoehe, g, p))
        return k.meldungen;
    if (u.Teile & TeilGrund)
        zeichneGrund(k);
    if (u.Teile & TeilLinien)
        zeichneLinien(k);
    if (u.Teile & TeilAmRahmen)
        zeichneAmRahmen(k);
    return k.meldungen;
}

} // namespace umbrin
