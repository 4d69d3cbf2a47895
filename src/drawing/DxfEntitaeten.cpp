#include "drawing/DxfEntitaeten.h"

#include "drawing/DxfAusgabe.h"

#include <cstring>

namespace umbrin {
namespace {

// Appends literal line text; `text` already holds its own CR LF.
template <std::size_t N>
void lit(DxfAusgabe& aus, const char (&text)[N])
{
    aus.roh(std::string_view(text, N - 1));
}

void wert(DxfAusgabe& aus, std::string_view text)
{
    aus.zeile(text);
}

void ebene(DxfAusgabe& aus, std::string_view stift)
{
    lit(aus, "L_");
    wert(aus, stift);
}

} // namespace

void dxfSatzPolylinie(DxfAusgabe& aus, const DxfStiftArt& art, std::string_view breite, bool rechteck)
{
    lit(aus, "POLYLINE\r\n  8\r\n");
    ebene(aus, art.stift);
    lit(aus, " 62\r\n");
    wert(aus, art.stift);
    lit(aus, "  6\r\n");
    wert(aus, art.linienTyp);
    lit(aus, " 66\r\n1\r\n");
    if (rechteck)
        lit(aus, " 40\r\n");
    else
        lit(aus, " 40 \r\n");
    wert(aus, breite);
    lit(aus, " 41 \r\n");
    wert(aus, breite);
    lit(aus, "  0\r\n");
}

void DxfVertexKopf::setze(const DxfStiftArt& art)
{
    text_ = "VERTEX\r\n  8\r\nL_";
    text_ += art.stift;
    text_ += "\r\n 62\r\n";
    text_ += art.stift;
    text_ += "\r\n  6\r\n";
    text_ += art.linienTyp;
    text_ += "\r\n 10\r\n";
    laenge_ = text_.size();
    // Padded, so that the record writer can copy a fixed number of bytes.
    if (text_.size() < kKurz)
        text_.resize(kKurz, ' ');
}

namespace {

// Writes a coordinate at p and returns its end: the digits of a count of ten-thousandths
// straight into the record, a short text as a copy of fixed size (kKurz bytes from p on must
// be writable).
char* koordinate(char* p, const DxfText& t)
{
    if (t.istGanz())
        return dxfZehntausendstelSchreiben(p, t.zehntausendstel());
    std::memcpy(p, t.kurzDaten(), DxfText::kKurz);
    return p + t.kurzLaenge();
}

} // namespace

void dxfSatzVertex(DxfAusgabe& aus, const DxfVertexKopf& kopf, const DxfText& x, const DxfText& y)
{
    constexpr std::string_view zwischen = "\r\n 20\r\n";
    constexpr std::string_view schluss = "\r\n0\r\n";
    if (!kopf.istKurz() || !x.istKurz() || !y.istKurz()) {
        dxfSatzVertex(aus, DxfStiftArt{}, x, y, kopf.sicht());
        return;
    }
    // Fixed-size copies into a buffer with room to spare; only the true lengths count.
    constexpr std::size_t reserve = DxfVertexKopf::kKurz + 2 * DxfText::kKurz + 16;
    char* const anfang = aus.platz(reserve);
    char* p = anfang;
    std::memcpy(p, kopf.daten(), DxfVertexKopf::kKurz);
    p += kopf.sicht().size();
    p = koordinate(p, x);
    std::memcpy(p, zwischen.data(), 8);
    p += zwischen.size();
    p = koordinate(p, y);
    std::memcpy(p, schluss.data(), 5);
    p += schluss.size();
    aus.belegt(static_cast<std::size_t>(p - anfang));
}

void dxfSatzVertex(DxfAusgabe& aus, const DxfStiftArt& art, std::string_view x, std::string_view y,
                   std::string_view kopf)
{
    if (kopf.empty()) {
        DxfVertexKopf neu;
        neu.setze(art);
        dxfSatzVertex(aus, art, x, y, neu.sicht());
        return;
    }
    aus.roh(kopf);
    aus.zeile(x);
    aus.roh(" 20\r\n");
    aus.zeile(y);
    aus.roh("0\r\n");
}

void dxfSatzSeqend(DxfAusgabe& aus, std::string_view stift)
{
    lit(aus, "SEQEND\r\n  8\r\n");
    ebene(aus, stift);
    lit(aus, "  0\r\n");
}

void dxfSatzKreis(DxfAusgabe& aus, std::string_view stift, std::string_view x, std::string_view y,
                  std::string_view radius)
{
    lit(aus, "CIRCLE\r\n  8\r\n");
    ebene(aus, stift);
    lit(aus, " 62\r\n");
    wert(aus, stift);
    lit(aus, " 10\r\n");
    wert(aus, x);
    lit(aus, " 20\r\n");
    wert(aus, y);
    lit(aus, " 40\r\n");
    wert(aus, radius);
    lit(aus, "0\r\n");
}

void dxfSatzBogen(DxfAusgabe& aus, std::string_view stift, std::string_view x, std::string_view y,
                  std::string_view radius, std::string_view startWinkel, std::string_view endWinkel)
{
    lit(aus, "ARC\r\n  8\r\n");
    ebene(aus, stift);
    lit(aus, " 62\r\n");
    wert(aus, stift);
    lit(aus, " 10\r\n");
    wert(aus, x);
    lit(aus, " 20\r\n");
    wert(aus, y);
    lit(aus, " 40 \r\n");
    wert(aus, radius);
    lit(aus, " 50\r\n");
    wert(aus, startWinkel);
    lit(aus, " 51\r\n");
    wert(aus, endWinkel);
    lit(aus, "0\r\n");
}

void dxfSatzText(DxfAusgabe& aus, std::string_view stift, std::string_view x, std::string_view y,
                 const DxfTextArt& art, std::string_view text)
{
    lit(aus, "TEXT\r\n  8\r\n");
    ebene(aus, stift);
    lit(aus, " 62\r\n");
    wert(aus, stift);
    lit(aus, " 10\r\n");
    wert(aus, x);
    lit(aus, " 20\r\n");
    wert(aus, y);
    lit(aus, " 40\r\n");
    wert(aus, art.hoehe);
    lit(aus, " 41\r\n");
    wert(aus, art.breitenFaktor);
    lit(aus, "  1\r\n");
    wert(aus, text);
    lit(aus, " 50\r\n");
    wert(aus, art.winkel);
    lit(aus, " 51\r\n");
    wert(aus, art.neigung);
    lit(aus, "  7\r\n");
    if (art.symbole)
        lit(aus, "symbols\r\n");
    else
        lit(aus, "STANDARD\r\n");
    lit(aus, "  0\r\n");
}

void dxfSatzDateiende(DxfAusgabe& aus)
{
    lit(aus, "ENDSEC\r\n  0\r\nEOF\r\n");
}

} // namespace umbrin
