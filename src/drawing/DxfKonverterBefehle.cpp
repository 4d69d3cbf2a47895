// The HPGL commands that move the pen and set what it draws with: pen up and down, absolute
// and relative moves, pen, line type and width, circles, character size, direction and slant,
// the plotter's window and its initialisation.
#include "drawing/DxfAusgabe.h"
#include "drawing/DxfEntitaeten.h"
#include "drawing/DxfKonverter.h"
#include "drawing/DxfZahl.h"

#include <cmath>
#include <string>
#include <string_view>
#include <utility>

namespace umbrin {

void DxfKonverter::stiftAb()
{
    stiftUnten_ = true;
    if (!parameter_.empty() && akt().leer()) {
        if (!lesePaar(akt()))
            return;
    }
    if (!parameter_.empty())
        dxfPolylinie();
}

void DxfKonverter::stiftAuf()
{
    dxfSeqend();
    stiftUnten_ = false;
    bewegeOhneZeichnen();
}

// Pen-up moves: the pairs move the position and nothing is written.
void DxfKonverter::bewegeOhneZeichnen()
{
    while (!parameter_.empty()) {
        DxfPunkt& ziel = this->ziel();
        if (!lesePaar(ziel))
            return;
        if (!absolut_)
            ziel = addiere(akt(), ziel);
        zielWirdAktuell();
    }
}

void DxfKonverter::bewegeAbsolut()
{
    absolut_ = true;
    if (!parameter_.empty() && akt().leer()) {
        if (!lesePaar(akt()))
            return;
    }
    if (!parameter_.empty())
        dxfBewegung(true);
}

void DxfKonverter::bewegeRelativ()
{
    absolut_ = false;
    stiftUnten_ = true;
    if (!parameter_.empty() && akt().leer()) {
        if (!lesePaar(akt()))
            return;
    }
    if (!parameter_.empty())
        dxfBewegung(false);
}

void DxfKonverter::waehleStift()
{
    std::string stift = stift_;
    if (leseRoh(stift))
        setzeStift(stift.empty() ? "0" : stift);
    // Closed after the change, so that the SEQEND already sits on the new pen's layer.
    dxfSeqend();
}

void DxfKonverter::waehleLinienTyp()
{
    if (parameter_.empty()) {
        setzeLinienTyp("CONTINUOUS");
        return;
    }
    std::string typ;
    leseRoh(typ);
    if (typ == "1")
        setzeLinienTyp("DOT");
    else if (typ == "2" || typ == "3")
        setzeLinienTyp("DASHED");
    else if (typ == "4")
        setzeLinienTyp("DASHDOT");
    else
        setzeLinienTyp("CONTINUOUS");
}

void DxfKonverter::stiftBreite()
{
    breite_.clear();
    if (stiftbreite_ >= 1 && !parameter_.empty()) {
        long double w = 0;
        if (parameter_ == "0") {
            breite_ = "0";
        } else if (dxfLeseZahl(parameter_, w)) {
            breite_ = dxfFest(w * 4.0L / static_cast<long double>(massstab_), 6, 2);
        } else {
            info("Error in HPGL-command:" + zitat(befehl_) + " " + zitat(parameter_) + ";");
        }
    }
    info("Command PW (=Penwidth) only supported by HPGL2.");
}

void DxfKonverter::kreis()
{
    dxfSeqend();
    DxfText radius;
    double radiusWert = 0;
    if (!leseKoordinate(radius, radiusWert))
        return;
    stelleEinPositionSicher();
    dxfSatzKreis(aus_, stift_, akt().x, akt().y, radius);
    konvertiert_ = konvertiert_ || radiusWert != 0;
    ausdehnung_.nimm(akt().xWert - std::fabs(radiusWert), akt().yWert - std::fabs(radiusWert));
    ausdehnung_.nimm(akt().xWert + std::fabs(radiusWert), akt().yWert + std::fabs(radiusWert));
}

// SI w,h: character width and height in centimetres. The DXF text takes the height in
// millimetres and the width as a factor of the height (1.4 w / h for the plotter's font).
void DxfKonverter::zeichenGroesse()
{
    if (parameter_.empty()) {
        textBreite_ = "0.7";
        textHoehe_ = standardTextHoehe_;
        return;
    }
    const std::string_view alle = parameter_;
    std::string wText;
    std::string hText;
    long double w = 0;
    long double h = 0;
    if (!leseRoh(wText) || !leseRoh(hText))
        return;
    if (!dxfLeseZahl(wText, w) || !dxfLeseZahl(hText, h) || h == 0) {
        // A height of 0 would make the width factor infinite: the sizes stay as they were.
        info("Error in HPGL-command:" + zitat(befehl_) + " " + zitat(alle) + ";");
        return;
    }
    const long double hoehe = h * 400.0L / static_cast<long double>(massstab_);
    textHoehe_ = dxfFest(hoehe, 6, 2);
    textBreite_ = dxfFest(w * 400.0L * 1.4L / static_cast<long double>(massstab_) / hoehe, 6, 2);
}

// DI run,rise: the direction of labels. A direction straight up or down (run 0) keeps its
// 90 degrees; only a missing direction (no parameters, or 0,0) means horizontal.
void DxfKonverter::hpglRichtung()
{
    if (parameter_.empty()) {
        textWinkel_ = "0.0";
        return;
    }
    std::string lauf;
    std::string steigung;
    leseRoh(lauf);
    if (parameter_.empty() && !parameterFehler_) {
        textWinkel_ = "0.0";
        return;
    }
    leseRoh(steigung);
    long double x = 0;
    long double y = 0;
    if (!dxfLeseZahl(lauf, x) || !dxfLeseZahl(steigung, y)) {
        info("Fehler bei der Angabe der Schriftrichtung: " + zitat(lauf) + ";" + zitat(steigung));
        textWinkel_ = "0.0";
        return;
    }
    if (x == 0 && y == 0) {
        textWinkel_ = "0.0";
        return;
    }
    textWinkel_ = dxfFest(std::atan2(y, x) / kDxfRad, 5, 1);
}

void DxfKonverter::neigung()
{
    if (parameter_.empty()) {
        textNeigung_ = "0.0";
        return;
    }
    std::string text;
    leseRoh(text);
    long double t = 0;
    if (!dxfLeseZahl(text, t)) {
        info("Fehler im Befehl SL :" + zitat(text) + "!");
        t = 0;
    }
    textNeigung_ = dxfFest(std::atan(t) / kDxfRad, 5, 1);
}

// IW x1,y1,x2,y2: the window that pen-down lines are clipped to. Without parameters it is the
// whole page of 410 by 287 mm.
void DxfKonverter::hpglFenster()
{
    bool gelesen = false;
    if (!parameter_.empty()) {
        gelesen = leseKoordinate(fensterXMin_, fensterXMinWert_) && leseKoordinate(fensterYMin_, fensterYMinWert_) &&
                  leseKoordinate(fensterXMax_, fensterXMaxWert_) && leseKoordinate(fensterYMax_, fensterYMaxWert_);
    }
    if (!gelesen) {
        fensterXMin_ = "0";
        fensterYMin_ = "0";
        fensterXMinWert_ = 0;
        fensterYMinWert_ = 0;
        fensterXMax_ = dxfFest(16400.0L / 40.0L, 10, 4, &fensterXMaxWert_);
        fensterYMax_ = dxfFest(11480.0L / 40.0L, 10, 4, &fensterYMaxWert_);
    }
    if (fensterXMinWert_ > fensterXMaxWert_) {
        std::swap(fensterXMin_, fensterXMax_);
        std::swap(fensterXMinWert_, fensterXMaxWert_);
    }
    if (fensterYMinWert_ > fensterYMaxWert_) {
        std::swap(fensterYMin_, fensterYMax_);
        std::swap(fensterYMinWert_, fensterYMaxWert_);
    }
    fensterGanz_ = fensterXMin_.istGanz() && fensterXMax_.istGanz() && fensterYMin_.istGanz() && fensterYMax_.istGanz();
    fensterXMinQ_ = fensterXMin_.zehntausendstel();
    fensterXMaxQ_ = fensterXMax_.zehntausendstel();
    fensterYMinQ_ = fensterYMin_.zehntausendstel();
    fensterYMaxQ_ = fensterYMax_.zehntausendstel();
}

void DxfKonverter::initialisiere()
{
    absolut_ = true;
    akt().x = akt().y = "0.00";
    akt().xWert = akt().yWert = 0;
    symbolsatz_ = false;
}

} // namespace umbrin
