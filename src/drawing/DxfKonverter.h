#pragma once
// The state of one HPGL-to-DXF conversion and the commands that change it. A converter lives
// for one conversion only, so nothing of one drawing leaks into the next.
//
// Every coordinate is kept as the text that goes into the DXF file together with the number
// that text stands for; the clip tests and the arcs compute with the numbers, the records
// carry the texts.
#include "drawing/DxfAusgabe.h"
#include "drawing/DxfEntitaeten.h"
#include "drawing/DxfKopf.h"
#include "drawing/DxfZahl.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace umbrin {

// Turns radians into degrees and back in directions, slants and arcs: a double with the digits
// the drawings have always been made with, not the full-precision value of pi/180.
inline constexpr long double kDxfRad = static_cast<long double>(0.0174532925);

// A point in drawing units (millimetres): its two texts and their values. Empty texts mean
// that no position is known yet.
struct DxfPunkt {
    DxfText x;
    DxfText y;
    double xWert = 0;
    double yWert = 0;

    bool leer() const { return x.empty() || y.empty(); }
};

class DxfKonverter {
public:
    DxfKonverter(DxfAusgabe& aus, std::vector<std::string>& infoZeilen, int stiftbreite, double massstab);

    // Interprets one command: its two-letter mnemonic and its parameter text, already
    // stripped of separators at both ends.
    void befehl(std::string_view mnemonic, std::string_view parameter);
    // Closes an open polyline and the file; a remark made more than once gets its count.
    void beende();
    // True once something was drawn that can be seen: a line of some length, a circle of some
    // radius, an arc of some radius and sweep, a label with a character other than a blank.
    // Pen, size and move commands alone draw nothing, nor does the sheet's frame, a pen put
    // down without a move, a circle of radius 0 or a label of blanks and no-break spaces.
    bool konvertiert() const { return konvertiert_; }
    // The sheet and every entity written so far (a label by its estimated box).
    const DxfAusdehnung& ausdehnung() const { return ausdehnung_; }

private:
    // Parameter reading (HPGL side).
    bool naechsterToken(std::string_view& token);
    bool leseRoh(std::string& text);
    bool leseKoordinate(DxfText& text, double& wert);
    bool lesePaar(DxfPunkt& punkt);
    void skaliereZahl(std::string_view token, DxfText& text, double& wert);
    DxfPunkt addiere(const DxfPunkt& a, const DxfPunkt& b);
    void info(std::string zeile);
    std::string zitat(std::string_view text) const;

    // The commands that need more than a line.
    void stiftAb();
    void stiftAuf();
    void bewegeOhneZeichnen();
    void bewegeAbsolut();
    void bewegeRelativ();
    void waehleStift();
    void waehleLinienTyp();
    void rechteck(bool relativ);
    void stiftBreite();
    void kreis();
    void zeichenGroesse();
    void hpglRichtung();
    void neigung();
    void hpglFenster();
    void initialisiere();

    // The record writers (DXF side).
    void dxfSeqend();
    int bereichscode(const DxfPunkt& p);
    bool fensterAktiv() const { return fensterXMinWert_ != fensterXMaxWert_; }
    bool vielleichtSichtbar(const DxfPunkt& a, const DxfPunkt& b);
    bool kappeStrecke(DxfPunkt& a, DxfPunkt& b);
    void schiebeAufKante(DxfPunkt& p, const DxfPunkt& anderer, int kante);
    void schreibeVertex(const DxfPunkt& p);
    void beginnePolylinie();
    void dxfPolylinie();
    void dxfBewegung(bool absolut);
    void dxfBogen(bool absolut);
    void dxfText(std::string_view label);
    void stelleEinPositionSicher();

    DxfAusgabe& aus_;
    // The remarks so far: each text once, in the order first made, with how often it came.
    // A plot of any size keeps at most kBemerkungenHoechstens of them; the rest are counted.
    static constexpr std::size_t kBemerkungenHoechstens = 1000;
    std::vector<std::string>& infoZeilen_;
    std::unordered_map<std::string, std::size_t> bemerkungZeile_;
    std::vector<long long> bemerkungAnzahl_;
    long long weitereBemerkungen_ = 0;
    int stiftbreite_;
    double massstab_;
    long long faktor_ = 0; // 10000 / massstab when that is a whole number: the fast path for integer coordinates
    long long ganzGrenze_ = 0; // the largest whole number of plotter units the fast path takes

    std::string befehl_;
    std::string_view parameter_;

    std::string stift_ = "0";
    std::string linienTyp_ = "CONTINUOUS";
    std::string breite_;
    std::string textHoehe_;
    std::string textBreite_ = "0.7";
    std::string textWinkel_ = "0.0";
    std::string textNeigung_ = "0.0";
    std::string standardTextHoehe_;
    bool symbolsatz_ = false;

    // The current position and the slot the next target is read into; after a move the two
    // change roles, so no point is ever copied.
    DxfPunkt& akt() { return punkt_[aktIndex_]; }
    DxfPunkt& ziel() { return punkt_[1 - aktIndex_]; }
    void zielWirdAktuell() { aktIndex_ = 1 - aktIndex_; }
    DxfPunkt punkt_[2];
    int aktIndex_ = 0;

    // The lines of a VERTEX record up to its x, for the pen and line type they were made for.
    DxfVertexKopf vertexKopf_;
    bool vertexKopfGueltig_ = false;
    void setzeStift(std::string stift)
    {
        stift_ = std::move(stift);
        vertexKopfGueltig_ = false;
    }
    void setzeLinienTyp(std::string typ)
    {
        linienTyp_ = std::move(typ);
        vertexKopfGueltig_ = false;
    }

    DxfText fensterXMin_, fensterXMax_, fensterYMin_, fensterYMax_;
    double fensterXMinWert_ = 0, fensterXMaxWert_ = 0, fensterYMinWert_ = 0, fensterYMaxWert_ = 0;
    // The window's edges in ten-thousandths when all four were read as whole plotter units.
    // A text kept as a count q always stands for the value q / 10000 (leseKoordinate), and for
    // counts up to kGanzGrenze distinct counts give distinct values in the same order, so the
    // region tests may compare the counts instead of the values.
    bool fensterGanz_ = false;
    long long fensterXMinQ_ = 0, fensterXMaxQ_ = 0, fensterYMinQ_ = 0, fensterYMaxQ_ = 0;

    DxfAusdehnung ausdehnung_;
    // The label size and direction last read for a label's box, with the texts they came from.
    struct TextMass {
        std::string hoehe, breite, winkel;
        bool gueltig = false;
        double h = 0, zeichen = 0, ux = 1, uy = 0;
    } textMass_;
    void nimmBogen(const DxfPunkt& mitte, double r, double start, double ende);
    void nimmText(std::string_view text);

    bool stiftUnten_ = false;
    bool absolut_ = true;
    bool polylinieOffen_ = false;
    // The open polyline's last vertex, so that a line counts as drawn only once it has length.
    bool vertexDa_ = false;
    double vertexXWert_ = 0, vertexYWert_ = 0;
    bool konvertiert_ = false;
    bool parameterFehler_ = false;
    // In an arc's parameters a sign after a number's first character starts the next number:
    // a negative sweep may follow the centre's y without a blank.
    bool vorzeichenTrennt_ = false;
};

} // namespace umbrin
