#pragma once
// Entity records of the DXF writer, appended to the output text. Every record begins with its
// type name (the group code 0 before it is already written) and ends with the group code 0
// that opens the next one. The layer of pen n is "L_n" and its colour number is n.
#include <string>
#include <string_view>

namespace umbrin {

// Pen and line type that a record is drawn with.
struct DxfStiftArt {
    std::string_view stift;     // pen number as text
    std::string_view linienTyp; // CONTINUOUS, DOT, DASHED or DASHDOT
};

// Header of a POLYLINE whose VERTEX records follow. The pen-down run and the rectangle differ
// in how their width groups are spelled.
void dxfSatzPolylinie(std::string& out, const DxfStiftArt& art, std::string_view breite, bool rechteck);
void dxfSatzVertex(std::string& out, const DxfStiftArt& art, std::string_view x, std::string_view y);
void dxfSatzSeqend(std::string& out, std::string_view stift);
void dxfSatzKreis(std::string& out, std::string_view stift, std::string_view x, std::string_view y,
                  std::string_view radius);
void dxfSatzBogen(std::string& out, std::string_view stift, std::string_view x, std::string_view y,
                  std::string_view radius, std::string_view startWinkel, std::string_view endWinkel);

struct DxfTextArt {
    std::string_view hoehe;
    std::string_view breitenFaktor;
    std::string_view winkel;
    std::string_view neigung;
    bool symbole = false; // the alternate character set: style "symbols", else "STANDARD"
};
void dxfSatzText(std::string& out, std::string_view stift, std::string_view x, std::string_view y,
                 const DxfTextArt& art, std::string_view text);

// Closes the ENTITIES section and the file.
void dxfSatzDateiende(std::string& out);

} // namespace umbrin
