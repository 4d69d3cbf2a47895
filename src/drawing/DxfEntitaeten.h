#pragma once
// Entity records of the DXF writer, appended to the output. Every record begins with its
// type name (the group code 0 before it is already written) and ends with the group code 0
// that opens the next one. The layer of pen n is "L_n" and its colour number is n.
#include "drawing/DxfZahl.h"

#include <string>
#include <string_view>

namespace umbrin {

class DxfAusgabe;

// Pen and line type that a record is drawn with.
struct DxfStiftArt {
    std::string_view stift;     // pen number as text
    std::string_view linienTyp; // CONTINUOUS, DOT, DASHED or DASHDOT
};

// Header of a POLYLINE whose VERTEX records follow. The pen-down run and the rectangle differ
// in how their width groups are spelled.
void dxfSatzPolylinie(DxfAusgabe& aus, const DxfStiftArt& art, std::string_view breite, bool rechteck);
// A VERTEX record of the pen and line type; with `kopf` given, that head is used instead.
void dxfSatzVertex(DxfAusgabe& aus, const DxfStiftArt& art, std::string_view x, std::string_view y,
                   std::string_view kopf = {});
// A VERTEX record in two parts: the lines up to the group code of x, which stay the same while
// pen and line type do, and the point itself. The most frequent record of every drawing.
class DxfVertexKopf {
public:
    void setze(const DxfStiftArt& art);
    std::string_view sicht() const { return std::string_view(text_.data(), laenge_); }
    // True when the lines fit the fixed buffer (they do unless the pen number is very long).
    bool istKurz() const { return laenge_ <= kKurz; }
    const char* daten() const { return text_.data(); }
    static constexpr std::size_t kKurz = 96;

private:
    std::string text_;
    std::size_t laenge_ = 0;
};
void dxfSatzVertex(DxfAusgabe& aus, const DxfVertexKopf& kopf, const DxfText& x, const DxfText& y);
void dxfSatzSeqend(DxfAusgabe& aus, std::string_view stift);
void dxfSatzKreis(DxfAusgabe& aus, std::string_view stift, std::string_view x, std::string_view y,
                  std::string_view radius);
void dxfSatzBogen(DxfAusgabe& aus, std::string_view stift, std::string_view x, std::string_view y,
                  std::string_view radius, std::string_view startWinkel, std::string_view endWinkel);

struct DxfTextArt {
    std::string_view hoehe;
    std::string_view breitenFaktor;
    std::string_view winkel;
    std::string_view neigung;
    bool symbole = false; // the alternate character set: style "symbols", else "STANDARD"
};
void dxfSatzText(DxfAusgabe& aus, std::string_view stift, std::string_view x, std::string_view y,
                 const DxfTextArt& art, std::string_view text);

// Closes the ENTITIES section and the file.
void dxfSatzDateiende(DxfAusgabe& aus);

} // namespace umbrin
