#include "drawing/DxfEntitaeten.h"

namespace umbrin {
namespace {

// Appends literal line text; `text` already holds its own CR LF.
template <std::size_t N>
void lit(std::string& out, const char (&text)[N])
{
    out.append(text, N - 1);
}

void wert(std::string& out, std::string_view text)
{
    out.append(text);
    out.append("\r\n", 2);
}

void ebene(std::string& out, std::string_view stift)
{
    lit(out, "L_");
    wert(out, stift);
}

} // namespace

void dxfSatzPolylinie(std::string& out, const DxfStiftArt& art, std::string_view breite, bool rechteck)
{
    lit(out, "POLYLINE\r\n  8\r\n");
    ebene(out, art.stift);
    lit(out, " 62\r\n");
    wert(out, art.stift);
    lit(out, "  6\r\n");
    wert(out, art.linienTyp);
    lit(out, " 66\r\n1\r\n");
    if (rechteck)
        lit(out, " 40\r\n");
    else
        lit(out, " 40 \r\n");
    wert(out, breite);
    lit(out, " 41 \r\n");
    wert(out, breite);
    lit(out, "  0\r\n");
}

void dxfSatzVertex(std::string& out, const DxfStiftArt& art, std::string_view x, std::string_view y)
{
    lit(out, "VERTEX\r\n  8\r\n");
    ebene(out, art.stift);
    lit(out, " 62\r\n");
    wert(out, art.stift);
    lit(out, "  6\r\n");
    wert(out, art.linienTyp);
    lit(out, " 10\r\n");
    wert(out, x);
    lit(out, " 20\r\n");
    wert(out, y);
    lit(out, "0\r\n");
}

void dxfSatzSeqend(std::string& out, std::string_view stift)
{
    lit(out, "SEQEND\r\n  8\r\n");
    ebene(out, stift);
    lit(out, "  0\r\n");
}

void dxfSatzKreis(std::string& out, std::string_view stift, std::string_view x, std::string_view y,
                  std::string_view radius)
{
    lit(out, "CIRCLE\r\n  8\r\n");
    ebene(out, stift);
    lit(out, " 62\r\n");
    wert(out, stift);
    lit(out, " 10\r\n");
    wert(out, x);
    lit(out, " 20\r\n");
    wert(out, y);
    lit(out, " 40\r\n");
    wert(out, radius);
    lit(out, "0\r\n");
}

void dxfSatzBogen(std::string& out, std::string_view stift, std::string_view x, std::string_view y,
                  std::string_view radius, std::string_view startWinkel, std::string_view endWinkel)
{
    lit(out, "ARC\r\n  8\r\n");
    ebene(out, stift);
    lit(out, " 62\r\n");
    wert(out, stift);
    lit(out, " 10\r\n");
    wert(out, x);
    lit(out, " 20\r\n");
    wert(out, y);
    lit(out, " 40 \r\n");
    wert(out, radius);
    lit(out, " 50\r\n");
    wert(out, startWinkel);
    lit(out, " 51\r\n");
    wert(out, endWinkel);
    lit(out, "0\r\n");
}

void dxfSatzText(std::string& out, std::string_view stift, std::string_view x, std::string_view y,
                 const DxfTextArt& art, std::string_view text)
{
    lit(out, "TEXT\r\n  8\r\n");
    ebene(out, stift);
    lit(out, " 62\r\n");
    wert(out, stift);
    lit(out, " 10\r\n");
    wert(out, x);
    lit(out, " 20\r\n");
    wert(out, y);
    lit(out, " 40\r\n");
    wert(out, art.hoehe);
    lit(out, " 41\r\n");
    wert(out, art.breitenFaktor);
    lit(out, "  1\r\n");
    wert(out, text);
    lit(out, " 50\r\n");
    wert(out, art.winkel);
    lit(out, " 51\r\n");
    wert(out, art.neigung);
    lit(out, "  7\r\n");
    if (art.symbole)
        lit(out, "symbols\r\n");
    else
        lit(out, "STANDARD\r\n");
    lit(out, "  0\r\n");
}

void dxfSatzDateiende(std::string& out)
{
    lit(out, "ENDSEC\r\n  0\r\nEOF\r\n");
}

} // namespace umbrin
