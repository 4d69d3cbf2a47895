#include "Bildauftraege.h"

#include "core/ui/PainterCanvas.h"
#include "drawing/KartenText.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungsroutinen.h"

namespace umbrin {

namespace {

constexpr int kDialB = 520, kDialH = 390;
constexpr int kStartB = 1200, kStartH = 800;

void vertikal(AppState& s) { s.UhrTyp = 'v'; }
void suedwand(AppState& s)
{
    s.UhrTyp = 'v';
    s.Par.Wandabweichung = 0;
    s.Schalter.Italienisch = 1;
    s.Schalter.Babylonisch = 1;
}
void westwand(AppState& s)
{
    s.UhrTyp = 'v';
    s.Par.Wandabweichung = 90;
    s.Schalter.Analemma = 1;
    s.Schalter.MitZeitgl = 1;
    s.KarteAn = 1;
}
void alleLinien(AppState& s)
{
    s.UhrTyp = 'v';
    s.Schalter.Italienisch = 1;
    s.Schalter.Babylonisch = 1;
    s.Schalter.Temporalstunden = 1;
    s.Schalter.Sonnenhoehe = 1;
    s.Schalter.MitZeitgl = 1;
    s.KarteAn = 1;
}
void azimutal(AppState& s, int kreise, int hoehenkreise)
{
    s.UhrTyp = 'a';
    s.Schalter.AzimutKreise = static_cast<std::uint8_t>(kreise);
    s.Schalter.Hoehenkreise = static_cast<std::uint8_t>(hoehenkreise);
    s.Schalter.Ekliptik = 1;
}
void quadrant(AppState& s, int art, int skala)
{
    s.UhrTyp = 'q';
    s.Schalter.Hoehenuhrart = static_cast<std::uint8_t>(art);
    s.Schalter.QuadrantSkala = static_cast<std::uint8_t>(skala);
}
void zylinder(AppState& s, int art, bool mitZeitgl)
{
    s.UhrTyp = 'z';
    s.Schalter.ZylinderArt = static_cast<std::uint8_t>(art);
    s.Schalter.MitZeitglZylinder = mitZeitgl ? 1 : 0;
}
void ring(AppState& s, int exakt)
{
    s.UhrTyp = 'r';
    s.Schalter.RingExakt = static_cast<std::uint8_t>(exakt);
}
void habermelMittlereZeit(AppState& s)
{
    quadrant(s, 1, 0);
    s.Schalter.MitZeitgl = 1;
    s.Schalter.OhneZeitgl = 0;
}
void biazimutal(AppState& s)
{
    s.UhrTyp = 'c';
    s.KarteAn = 1;
}

constexpr std::array<Bildauftrag, 28> kAuftraege = {{
    {105, kStartB, kStartH, alleLinien},
    {106, kStartB, kStartH, biazimutal},
    {1105, kDialB, kDialH, [](AppState& s) { s.UhrTyp = 'h'; }},
    {1106, kDialB, kDialH, vertikal},
    {3000, kDialB, kDialH, suedwand},
    {3019, kDialB, kDialH, westwand},
    {3001, kDialB, kDialH, [](AppState& s) { s.UhrTyp = 'h'; s.Schirmuhr = 1; }},
    {3002, kDialB, kDialH, [](AppState& s) { s.UhrTyp = 'i'; s.Schirmuhr = 1; }},
    {3003, kDialB, kDialH, [](AppState& s) { azimutal(s, 0, 1); }},
    {3009, kDialB, kDialH, [](AppState& s) { azimutal(s, 1, 1); }},
    {3015, kDialB, kDialH, [](AppState& s) { azimutal(s, 1, 2); }},
    {3004, kDialB, kDialH, [](AppState& s) { quadrant(s, 0, 0); }},
    {3022, kDialB, kDialH, [](AppState& s) { quadrant(s, 0, 2); }},
    {3010, kDialB, kDialH, [](AppState& s) { quadrant(s, 1, 0); }},
    {3023, kDialB, kDialH, habermelMittlereZeit},
    {3011, kDialB, kDialH, [](AppState& s) { quadrant(s, 2, 0); }},
    {3005, kDialB, kDialH, [](AppState& s) { zylinder(s, 0, false); }},
    {3012, kDialB, kDialH, [](AppState& s) { zylinder(s, 1, false); }},
    {3014, kDialB, kDialH, [](AppState& s) { zylinder(s, 1, true); }},
    {3013, kDialB, kDialH, [](AppState& s) { zylinder(s, 2, false); }},
    {3006, kDialB, kDialH, [](AppState& s) { s.UhrTyp = 'k'; }},
    {3007, kDialB, kDialH, [](AppState& s) { ring(s, 0); }},
    {3017, kDialB, kDialH, [](AppState& s) { ring(s, 1); }},
    {3018, kDialB, kDialH, [](AppState& s) { ring(s, 2); }},
    {3008, kDialB, kDialH, [](AppState& s) { s.UhrTyp = 'm'; }},
    {3016, kDialB, kDialH, biazimutal},
    {3020, kDialB, kDialH, [](AppState& s) { s.UhrTyp = 'p'; }},
    {3021, kDialB, kDialH, [](AppState& s) { s.UhrTyp = 'w'; }},
}};

} // namespace

std::span<const Bildauftrag> bildauftraege() { return kAuftraege; }

std::optional<QImage> zeichneBild(const Bildauftrag& auftrag)
{
    AppState s;
    initialisiereZustand(s);
    LadeKartenText(s);
    auftrag.einrichten(s);
    const Zeichnungseintrag* zeile = bildeintrag(s, false);
    if (!zeile || !zeile->bildschirm)
        return std::nullopt;

    const int b = 2 * auftrag.breite, h = 2 * auftrag.hoehe;
    Zeichenfensterzustand f;
    f.BildBreite = f.AktivBreite = b;
    f.BildHoehe = f.AktivHoehe = h;
    setzePlatzierung(s, standardPlatzierung(s, b, h));
    QImage bild(b, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        PainterCanvas canvas(bild);
        Zeichenauftrag a{s, f, canvas, b, h, true, zeichenumgebung(f, true, false, 0, 0), 0, 0};
        konstruiereBild(a, Zeichenanlass::Zeichnen);
    }
    return bild.scaled(auftrag.breite, auftrag.hoehe, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace umbrin
