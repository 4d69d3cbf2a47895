// The record side of the converter: polyline runs from pen moves, their clipping against the
// HPGL input window, arcs, circles, labels and rectangles.
#include "drawing/DxfEntitaeten.h"
#include "drawing/DxfKonverter.h"
#include "drawing/DxfZahl.h"

#include <cmath>

namespace umbrin {
namespace {

// Region bits of a point against the clip window. A point exactly on an edge is inside.
constexpr int kLinks = 1;
constexpr int kRechts = 2;
constexpr int kUnten = 4;
constexpr int kOben = 8;

} // namespace

void DxfKonverter::dxfSeqend()
{
    if (!polylinieOffen_)
        return;
    polylinieOffen_ = false;
    dxfSatzSeqend(aus_, stift_);
}

int DxfKonverter::bereichscode(const DxfPunkt& p)
{
    if (!fensterAktiv())
        return 0;
    if (fensterGanz_ && p.x.istGanz() && p.y.istGanz()) {
        const long long x = p.x.zehntausendstel();
        const long long y = p.y.zehntausendstel();
        return (x < fensterXMinQ_ ? kLinks : x > fensterXMaxQ_ ? kRechts : 0) |
               (y < fensterYMinQ_ ? kUnten : y > fensterYMaxQ_ ? kOben : 0);
    }
    if (p.x.empty())
        info(p.x.str() + " : kein reeller x-Wert!");
    if (p.y.empty())
        info(p.y.str() + " : kein reeller y-Wert!");
    int code = 0;
    if (p.xWert < fensterXMinWert_)
        code |= kLinks;
    else if (p.xWert > fensterXMaxWert_)
        code |= kRechts;
    if (p.yWert < fensterYMinWert_)
        code |= kUnten;
    else if (p.yWert > fensterYMaxWert_)
        code |= kOben;
    return code;
}

// Moves p along the line through p and q onto the window edge named by the first of its
// region bits (left, right, below, above). The edge coordinate takes the window's own text;
// the other one is computed and written with four decimals in eleven characters.
void DxfKonverter::schiebeAufKante(DxfPunkt& p, const DxfPunkt& q, int code)
{
    const long double px = p.xWert;
    const long double py = p.yWert;
    const long double qx = q.xWert;
    const long double qy = q.yWert;
    if (code & (kLinks | kRechts)) {
        const bool links = (code & kLinks) != 0;
        const long double kante = links ? fensterXMinWert_ : fensterXMaxWert_;
        if (px != qx)
            p.y = dxfFest(py + (qy - py) * (kante - px) / (qx - px), 11, 4, &p.yWert);
        p.x = links ? fensterXMin_ : fensterXMax_;
        p.xWert = links ? fensterXMinWert_ : fensterXMaxWert_;
    } else {
        const bool unten = (code & kUnten) != 0;
        const long double kante = unten ? fensterYMinWert_ : fensterYMaxWert_;
        if (py != qy)
            p.x = dxfFest(px + (qx - px) * (kante - py) / (qy - py), 11, 4, &p.xWert);
        p.y = unten ? fensterYMin_ : fensterYMax_;
        p.yWert = unten ? fensterYMinWert_ : fensterYMaxWert_;
    }
}

// False when the segment lies wholly beyond one edge of the window, told from points read as
// whole plotter units (whose region tests report nothing); true when it may have a visible part.
bool DxfKonverter::vielleichtSichtbar(const DxfPunkt& a, const DxfPunkt& b)
{
    if (!fensterGanz_ || !a.x.istGanz() || !a.y.istGanz() || !b.x.istGanz() || !b.y.istGanz())
        return true;
    return (bereichscode(a) & bereichscode(b)) == 0;
}

// Clips the segment a-b to the window in place. False when no part of it is inside. A segment
// that runs through the window with both ends outside keeps the part inside.
bool DxfKonverter::kappeStrecke(DxfPunkt& a, DxfPunkt& b)
{
    if (!fensterAktiv())
        return true;
    if (a.x == b.x && a.y == b.y)
        return bereichscode(a) == 0;
    // Each move clears one region bit for good; a point beyond a corner needs two moves.
    for (int runde = 0; runde < 8; ++runde) {
        const int codeA = bereichscode(a);
        const int codeB = bereichscode(b);
        if ((codeA | codeB) == 0)
            return true;
        if ((codeA & codeB) != 0)
            return false;
        if (codeB != 0)
            schiebeAufKante(b, a, codeB);
        else
            schiebeAufKante(a, b, codeA);
    }
    return bereichscode(a) == 0 && bereichscode(b) == 0;
}

void DxfKonverter::schreibeVertex(const DxfPunkt& p)
{
    if (!vertexKopfGueltig_) {
        vertexKopf_.setze(DxfStiftArt{stift_, linienTyp_});
        vertexKopfGueltig_ = true;
    }
    dxfSatzVertex(aus_, vertexKopf_, p.x, p.y);
    ausdehnung_.nimm(p.xWert, p.yWert);
    // A line is drawn once it has some length: a pen put down without a move makes none.
    if (vertexDa_ && (p.xWert != vertexXWert_ || p.yWert != vertexYWert_))
        konvertiert_ = true;
    vertexDa_ = true;
    vertexXWert_ = p.xWert;
    vertexYWert_ = p.yWert;
}

void DxfKonverter::beginnePolylinie()
{
    if (breite_.empty())
        breite_ = "0.8";
    if (stift_.empty())
        setzeStift("0");
    dxfSatzPolylinie(aus_, DxfStiftArt{stift_, linienTyp_}, breite_, false);
    polylinieOffen_ = true;
    vertexDa_ = false;
}

// The pen-down run: consumes the coordinate pairs of the command. A polyline starts at the
// first segment with a visible part and goes on while the pen stays inside the window; a
// segment that leaves the window ends it at the edge. The position always follows the
// unclipped points, so relative moves add up as the plot meant them.
void DxfKonverter::dxfPolylinie()
{
    while (!parameter_.empty()) {
        DxfPunkt& ziel = this->ziel();
        if (!lesePaar(ziel))
            return;
        if (!absolut_)
            ziel = addiere(akt(), ziel);

        if (!fensterAktiv()) {
            if (!polylinieOffen_) {
                beginnePolylinie();
                schreibeVertex(akt());
            }
            schreibeVertex(ziel);
        } else if (!polylinieOffen_) {
            const bool zielAussen = bereichscode(ziel) != 0;
            if (!zielAussen && bereichscode(akt()) == 0) {
                beginnePolylinie();
                schreibeVertex(akt());
                schreibeVertex(ziel);
            } else if (vielleichtSichtbar(akt(), ziel)) {
                DxfPunkt a = akt();
                DxfPunkt b = ziel;
                if (kappeStrecke(a, b)) {
                    beginnePolylinie();
                    schreibeVertex(a);
                    schreibeVertex(b);
                    if (zielAussen)
                        dxfSeqend();
                }
            }
        } else if (bereichscode(ziel) != 0) {
            DxfPunkt a = akt();
            DxfPunkt b = ziel;
            if (kappeStrecke(a, b))
                schreibeVertex(b);
            dxfSeqend();
        } else {
            schreibeVertex(ziel);
        }
        zielWirdAktuell();
    }
}

// PA and PR: with the pen up the position moves, with the pen down the pairs are drawn.
void DxfKonverter::dxfBewegung(bool absolut)
{
    absolut_ = absolut;
    if (!parameter_.empty() && akt().leer()) {
        if (!lesePaar(akt()))
            return;
    }
    if (stiftUnten_) {
        dxfPolylinie();
        return;
    }
    bewegeOhneZeichnen();
}

// Records that need a position take the origin when the plot has not set one.
void DxfKonverter::stelleEinPositionSicher()
{
    if (akt().x.empty()) {
        akt().x = "0.0";
        akt().xWert = 0;
    }
    if (akt().y.empty()) {
        akt().y = "0.0";
        akt().yWert = 0;
    }
}

// AA x,y,sweep and AR dx,dy,sweep: an arc about the centre through the current position,
// counter-clockwise for a positive sweep. DXF arcs always run counter-clockwise, so a
// clockwise arc is written from its far end. The pen ends at the end of the sweep.
void DxfKonverter::dxfBogen(bool absolut)
{
    stelleEinPositionSicher();
    DxfPunkt mitte;
    if (!lesePaar(mitte))
        return;
    if (!absolut)
        mitte = addiere(akt(), mitte);

    const long double dx = static_cast<long double>(mitte.xWert) - akt().xWert;
    const long double dy = static_cast<long double>(mitte.yWert) - akt().yWert;
    const long double r = std::sqrt(dx * dx + dy * dy);
    const std::string radius = dxfFest(r, 10, 4);

    long double a = 0;
    if (std::fabs(dx) < 0.0001L) {
        a = dy > 0 ? 90 : -90;
    } else {
        a = std::atan(dy / dx) / kDxfRad;
        if (dx < 0)
            a += 180;
    }
    // From the direction start -> centre to the direction centre -> start.
    a = a > 180 ? a - 180 : a + 180;

    std::string sweepText;
    long double w = 0;
    if (!leseRoh(sweepText) || !dxfLeseZahl(sweepText, w)) {
        info("Fehler bei der Konvertierung des Bogenwinkels.");
        w = 0;
    }
    const long double start = w > 0 ? a : a + w;
    const long double ende = w > 0 ? a + w : a;
    dxfSatzBogen(aus_, stift_, mitte.x, mitte.y, radius, dxfFest(start, 7, 2), dxfFest(ende, 7, 2));
    // An arc of no radius or of no sweep leaves no trace on the sheet.
    konvertiert_ = konvertiert_ || (r > 0 && w != 0);
    nimmBogen(mitte, static_cast<double>(r), static_cast<double>(start), static_cast<double>(ende));

    const long double e = (a + w) * kDxfRad;
    DxfPunkt endpunkt;
    endpunkt.x = dxfFest(mitte.xWert + r * std::cos(e), 11, 5, &endpunkt.xWert);
    endpunkt.y = dxfFest(mitte.yWert + r * std::sin(e), 11, 5, &endpunkt.yWert);
    akt() = std::move(endpunkt);
}

// A label at the current position, which does not move. A line break inside the label becomes
// a blank: a DXF group value is one line.
void DxfKonverter::dxfText(std::string_view label)
{
    // A line end would end the group's value and a control character has no place in a
    // drawing's text: blanks for line ends and TABs, nothing for the others.
    std::string text;
    text.reserve(label.size());
    for (const char c : label) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r' || c == '\n' || c == '\t')
            text += ' ';
        else if (b >= 0x20 && b != 0x7F)
            text += c;
    }
    // A lone "^" would start a control sequence in the DXF text.
    if (text == "^")
        text = "^ ";
    stelleEinPositionSicher();
    const DxfTextArt art{textHoehe_, textBreite_, textWinkel_, textNeigung_, symbolsatz_};
    dxfSatzText(aus_, stift_, akt().x, akt().y, art, text);
    nimmText(text);
    // Blanks alone, plain or no-break (Windows-1252 0xA0), print nothing to be seen.
    konvertiert_ = konvertiert_ || text.find_first_not_of(" \xA0") != std::string::npos;
}

// An arc's box: its two ends and each quarter point of the circle its sweep passes.
void DxfKonverter::nimmBogen(const DxfPunkt& mitte, double r, double start, double ende)
{
    const auto punkt = [&](double grad) {
        const double w = grad * static_cast<double>(kDxfRad);
        ausdehnung_.nimm(mitte.xWert + r * std::cos(w), mitte.yWert + r * std::sin(w));
    };
    punkt(start);
    punkt(ende);
    // A full turn passes every quarter point: at most four after the start.
    const double erstes = std::ceil(start / 90) * 90;
    for (int i = 0; i < 4 && erstes + 90 * i < ende; ++i)
        punkt(erstes + 90 * i);
}

// A label's box: from its position along its direction, each character as wide as the text is
// high times its width factor (wider than the drawing font's letters), from a third of the
// height below the base line (the descenders) to the height above it.
void DxfKonverter::nimmText(std::string_view text)
{
    ausdehnung_.nimm(akt().xWert, akt().yWert);
    // The size and direction change seldom: read again only when their texts have changed.
    TextMass& m = textMass_;
    if (!m.gueltig || m.hoehe != textHoehe_ || m.breite != textBreite_ || m.winkel != textWinkel_) {
        long double hoehe = 0, breite = 0, winkel = 0;
        m = {textHoehe_, textBreite_, textWinkel_, false};
        if (!dxfLeseZahl(textHoehe_, hoehe) || !dxfLeseZahl(textBreite_, breite) || !dxfLeseZahl(textWinkel_, winkel))
            return;
        m.h = static_cast<double>(hoehe);
        m.zeichen = m.h * static_cast<double>(breite);
        m.ux = std::cos(static_cast<double>(winkel * kDxfRad));
        m.uy = std::sin(static_cast<double>(winkel * kDxfRad));
        m.gueltig = true;
    }
    const double l = m.zeichen * static_cast<double>(text.size());
    for (const double quer : {-m.h / 3, m.h}) {
        const double x = akt().xWert - quer * m.uy, y = akt().yWert + quer * m.ux;
        ausdehnung_.nimm(x, y);
        ausdehnung_.nimm(x + l * m.ux, y + l * m.uy);
    }
}

// EA and ER: a rectangle from the current position to the corner, not clipped, drawn with the
// same default width as the pen-down lines. The position does not move.
void DxfKonverter::rechteck(bool relativ)
{
    dxfSeqend();
    stelleEinPositionSicher();
    if (parameter_.empty())
        return;
    DxfPunkt ecke;
    if (!lesePaar(ecke))
        return;
    if (relativ)
        ecke = addiere(akt(), ecke);
    if (breite_.empty())
        breite_ = "0.8";
    const DxfStiftArt art{stift_, linienTyp_};
    dxfSatzPolylinie(aus_, art, breite_, true);
    dxfSatzVertex(aus_, art, akt().x, akt().y);
    dxfSatzVertex(aus_, art, ecke.x, akt().y);
    dxfSatzVertex(aus_, art, ecke.x, ecke.y);
    dxfSatzVertex(aus_, art, akt().x, ecke.y);
    dxfSatzVertex(aus_, art, akt().x, akt().y);
    dxfSatzSeqend(aus_, stift_);
    ausdehnung_.nimm(akt().xWert, akt().yWert);
    ausdehnung_.nimm(ecke.xWert, ecke.yWert);
}

void DxfKonverter::beende()
{
    dxfSeqend();
    dxfSatzDateiende(aus_);
    for (std::size_t i = 0; i < bemerkungAnzahl_.size() && i < infoZeilen_.size(); ++i)
        if (bemerkungAnzahl_[i] > 1)
            infoZeilen_[i] += " (" + std::to_string(bemerkungAnzahl_[i]) + "x)";
    if (weitereBemerkungen_ > 0)
        infoZeilen_.push_back("... (+" + std::to_string(weitereBemerkungen_) + ")");
}

} // namespace umbrin
