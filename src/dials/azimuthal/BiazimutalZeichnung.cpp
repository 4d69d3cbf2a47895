// The biazimuthal dial on a canvas: frame and origin, pole and focus markers, legend, grid,
// map, date lines, analemmas of mean time, hour lines, white margins.
#include "dials/azimuthal/BiazimutalZeichnung.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "dials/Clipping.h"
#include "dials/Raster.h"
#include "dials/RandUndRahmen.h"
#include "dials/azimuthal/BiazimutalGeometrie.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

namespace umbrin {
namespace {

int ci(double v) { return roundHalfEvenWithin(v, 1.0e6); }

std::string hoechstens40(const std::string& t)
{
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if ((static_cast<unsigned char>(t[i]) & 0xC0) == 0x80)
            continue;
        if (zeichen++ == 40)
            return t.substr(0, i);
    }
    return t;
}

struct Blatt {
    Blatt(const AppState& zustand, Canvas& canvas, bool schirm) : s(zustand), c(canvas), bildschirm(schirm) {}
    const AppState& s;
    Canvas& c;
    bool bildschirm;
    int m = 0, W = 0, H = 0, r = 4;
    BiazimutalProjektion p;
    Konstruktionsmeldungen meldungen;
};

// The sun on day d of the year (1 to 369) as every analemma of a drawing takes it: declination
// with its sine and cosine, and the equation of time.
struct Sonnentag {
    double dekl = 0, sinDekl = 0, cosDekl = 0, E = 0;
};

std::vector<Sonnentag> sonnentage(const AppState& s)
{
    std::vector<Sonnentag> tage(370);
    for (int d = 1; d <= 369; ++d) {
        Sonnentag& t = tage[static_cast<std::size_t>(d)];
        SonnenPosition(s.Par.Jahr, t.dekl, t.E, d);
        t.sinDekl = SinGrad(t.dekl);
        t.cosDekl = CosGrad(t.dekl);
    }
    return tage;
}

// A polyline cut at the frame (m..W, m..H): the projection sends the lines towards the
// horizon far beyond the sheet, and a DXF or printer driver has no window to cut them.
struct Zug {
    Blatt& b;
    bool hat = false, stift = false; // a previous point; the pen stands at (sx, sy)
    double vx = 0, vy = 0;
    int sx = 0, sy = 0;

    void lift() { hat = false; }
    void punkt(double X, double Y)
    {
        if (hat) {
            double t0 = 0, t1 = 1;
            const double dx = X - vx, dy = Y - vy;
            if (streckeImRechteck(vx, vy, X, Y, b.m, b.m, b.W, b.H, t0, t1)) {
                const int x0 = ci(vx + t0 * dx), y0 = ci(vy + t0 * dy), x1 = ci(vx + t1 * dx), y1 = ci(vy + t1 * dy);
                if (!stift || x0 != sx || y0 != sy)
                    b.c.moveTo(x0, y0);
                b.c.lineTo(x1, y1);
                stift = true;
                sx = x1;
                sy = y1;
            }
        }
        hat = true;
        vx = X;
        vy = Y;
    }
};

bool imRahmen(const Blatt& b, double X, double Y, double rand = 0)
{
    return X - rand >= b.m && Y - rand >= b.m && X + rand <= b.W && Y + rand <= b.H;
}

// A letter's box on the canvas, corner to corner.
using Buchstabenkasten = std::array<int, 4>;

// A marker; left out when its centre lies off the frame (so is the plot's). Near the frame its
// cross and box are cut at it, and its letter goes to another corner of the mark (left, above,
// above left) where it would pass the frame or stand on a box to keep clear of (meiden: the
// letter of another mark, the legend's lines); gives the letter's box.
std::optional<Buchstabenkasten> marke(Blatt& b, double X, double Y, int halb, const std::string& text, int tx, int ty,
                                      const std::vector<Buchstabenkasten>& meiden = {})
{
    if (!imRahmen(b, X, Y))
        return std::nullopt;
    const int x = ci(X), y = ci(Y);
    const auto waag = [&](int v) { return std::clamp(v, b.m, b.W); };
    const auto senk = [&](int v) { return std::clamp(v, b.m, b.H); };
    b.c.moveTo(x, senk(y - halb));
    b.c.lineTo(x, senk(y + halb));
    b.c.moveTo(waag(x - halb), y);
    b.c.lineTo(waag(x + halb), y);
    b.c.rectangle(waag(x - b.r), senk(y - b.r), waag(x + b.r), senk(y + b.r));
    if (text.empty())
        return std::nullopt;
    const TextExtent e = b.c.textExtent(text);
    const int hoehe = std::max(e.height, std::abs(b.c.fontHeight()));
    const auto frei = [&](int lx, int ly) {
        return std::none_of(meiden.begin(), meiden.end(), [&](const Buchstabenkasten& k) {
            return lx < k[2] && k[0] < lx + e.width && ly < k[3] && k[1] < ly + hoehe;
        });
    };
    // The first corner inside the frame and clear; where the mark lies among the boxes, the
    // clear place just above or below one of them nearest the first corner; else the first
    // corner inside the frame.
    std::vector<std::pair<int, int>> orte;
    for (const int oben : {0, 1})
        for (const int links : {0, 1})
            orte.push_back({links ? x - tx - e.width : x + tx, oben ? y - ty - hoehe : y + ty});
    const std::size_t ecken = orte.size();
    for (const Buchstabenkasten& k : meiden)
        for (const int ky : {k[1] - hoehe - 1, k[3] + 1})
            for (std::size_t i = 0; i < 2; ++i)
                orte.push_back({orte[i].first, ky});
    const auto drinnen = [&](const std::pair<int, int>& o) {
        return o.first >= b.m && o.second >= b.m && o.first + e.width <= b.W && o.second + hoehe <= b.H;
    };
    const auto weit = [&](const std::pair<int, int>& o) {
        return std::abs(o.first - orte[0].first) + std::abs(o.second - orte[0].second);
    };
    const auto klar = [&](const std::pair<int, int>& o) { return drinnen(o) && frei(o.first, o.second); };
    std::optional<std::pair<int, int>> platz;
    if (const auto o = std::find_if(orte.begin(), orte.begin() + ecken, klar); o != orte.begin() + ecken)
        platz = *o;
    for (std::size_t i = platz ? orte.size() : ecken; i < orte.size(); ++i)
        if (klar(orte[i]) && (!platz || weit(orte[i]) < weit(*platz)))
            platz = orte[i];
    if (const auto o = std::find_if(orte.begin(), orte.begin() + ecken, drinnen); !platz && o != orte.begin() + ecken)
        platz = *o;
    const auto [lx, ly] = platz ? *platz : std::pair{std::max(x - tx - e.width, b.m), std::max(y - ty - hoehe, b.m)};
    b.c.textOut(lx, ly, text);
    return Buchstabenkasten{lx, ly, lx + e.width, ly + hoehe};
}

// The legend, and the boxes of its lines; zeichnen false: only the boxes, the font kept.
std::vector<Buchstabenkasten> legende(Blatt& b, const std::string& textA, const std::string& textB, bool zeichnen)
{
    std::vector<Buchstabenkasten> kaesten;
    const CanvasFont vorher = b.c.font();
    const auto zeile = [&](int x, int y, const std::string& text) {
        if (zeichnen)
            b.c.textOut(x, y, text);
        const TextExtent e = b.c.textExtent(text);
        kaesten.push_back({x, y, x + e.width, y + std::max(e.height, std::abs(b.c.fontHeight()))});
    };
    const AppState& s = b.s;
    b.c.setFontHeight(ci(1.6 * b.c.fontHeight()));
    b.c.setBold(true);
    int x = 0, y = 0;
    if (!b.bildschirm || s.LegendeGesetzt) {
        x = s.LegendeX + b.m;
        y = s.LegendeY + b.m;
    } else {
        x = b.W / 3 + b.m;
        y = s.FusspunktY < b.H / 2 ? b.H - 4 * b.c.fontHeight() : b.c.fontHeight() + b.m;
    }
    zeile(x, y, hoechstens40(holeText(s, 202).substr(1)));
    const int titel = std::abs(b.c.fontHeight()); // the heading's line, its descenders with it
    if (b.bildschirm)
        b.c.setFontSize(8);
    else
        b.c.setFontHeight(30);
    b.c.setBold(false);
    const double h = std::abs(b.c.fontHeight());
    y += std::max(ci(2.1 * h), titel + ci(0.2 * h));
    zeile(x, y, textA);
    y += ci(1.1 * h);
    zeile(x, y, textB);
    y += ci(1.1 * h);
    zeile(x, y, biazimutalTextZentrum(s, b.p.lage));
    if (!zeichnen)
        b.c.setFont(vorher);
    return kaesten;
}

// The pole's letter beside its mark, written after the legend: kept inside the image (left
// out when the pole lies off it) and stepped below a legend line it would fall on.
void polBuchstabe(Blatt& b, double X, double Y, const std::string& text, const CanvasFont& schrift,
                  const std::vector<Buchstabenkasten>& zeilen)
{
    const int px = ci(X), py = ci(Y);
    if (px < b.m || px > b.W || py < b.m || py > b.H)
        return;
    const CanvasFont vorher = b.c.font();
    b.c.setFont(schrift);
    const TextExtent e = b.c.textExtent(text);
    const int hoehe = std::max(e.height, std::abs(b.c.fontHeight()));
    int x = std::min(px + 6, b.W - e.width), y = std::clamp(py, b.m, b.H - hoehe);
    for (const Buchstabenkasten& k : zeilen)
        if (x < k[2] && x + e.width > k[0] && y < k[3] && y + hoehe > k[1])
            y = k[3] + 1;
    if (y > b.H - hoehe && !zeilen.empty())
        y = zeilen.front()[1] - hoehe - 1;
    b.c.textOut(x, y, text);
    b.c.setFont(vorher);
}

std::shared_ptr<const BiazimutalKarten::Karte> liesKarte(const AppState& s, const std::filesystem::path& ordner,
                                                         std::string_view name, std::string& fehler)
{
    auto karte = std::make_shared<BiazimutalKarten::Karte>();
    if (!leseBiazimutalKarte(s, ordner, name, karte->lesung, fehler))
        return nullptr;
    for (const KartenPolylinie& linie : karte->lesung.polylinien)
        for (const KartenPunkt& q : linie) {
            karte->sinus.push_back(SinGrad(q.breite));
            karte->kosinus.push_back(CosGrad(q.breite));
        }
    return karte;
}

void karte(Blatt& b, Farbe farbe, std::string_view name, const std::filesystem::path& ordner,
           BiazimutalKarten* speicher)
{
    std::string fehler;
    const std::shared_ptr<const BiazimutalKarten::Karte> gelesen =
        speicher ? speicher->lies(b.s, ordner, name, fehler) : liesKarte(b.s, ordner, name, fehler);
    if (!gelesen) {
        b.meldungen.push_back({PromptTitle::Fehler, PromptIcon::Question, fehler});
        return;
    }
    const KartenLesung& lesung = gelesen->lesung;
    b.c.setPenColor(farbe);
    const SonnenOrientierung& o = b.p.orientierung();
    std::size_t i = 0;
    for (const KartenPolylinie& linie : lesung.polylinien) {
        Zug zug{b};
        for (const KartenPunkt& q : linie) {
            double x = 0, y = 0, X = 0, Y = 0;
            ProjiziereSonneOrient(o, b.p.g, gelesen->sinus[i], gelesen->kosinus[i], q.laenge, x, y);
            b.p.platziere(x, y, X, Y);
            ++i;
            if (std::fabs(Y - b.H / 2.0) < b.H && std::fabs(X - b.W / 2.0) < b.W)
                zug.punkt(X, Y);
        }
    }
    const std::string meldung = kartenLeseMeldung(lesung, std::string(name), b.s.Sprachspalte != 2);
    if (!meldung.empty())
        b.meldungen.push_back({PromptTitle::Problem, PromptIcon::Warning, meldung});
}

// A line through the projected points, each given by the sine and cosine of its latitude and
// its longitude; a point at |X| + |Y| of `grenze` or more lifts the pen.
template <typename Punkte>
void linie(Blatt& b, double grenze, Punkte&& punkte)
{
    const SonnenOrientierung& o = b.p.orientierung();
    Zug zug{b};
    punkte([&](double sinBreite, double cosBreite, double laenge) {
        double x = 0, y = 0, X = 0, Y = 0;
        ProjiziereSonneOrient(o, b.p.g, sinBreite, cosBreite, laenge, x, y);
        b.p.platziere(x, y, X, Y);
        if (std::fabs(X) + std::fabs(Y) < grenze)
            zug.punkt(X, Y);
        else
            zug.lift();
    });
}

void datumslinien(Blatt& b)
{
    const AppState& s = b.s;
    const int n = biazimutalDatumsIntervalle(s);
    const double M = b.p.lage.pol.laenge, A = b.p.lage.laengeA;
    const double von = biazimutalDatumsbeginn(M - 178, 15.0 * (s.Zeiten.QuadVon - 12 - std::fabs(M - A)));
    const double bis = std::max(M + 178, 15.0 * (s.Zeiten.QuadBis - 12 + std::fabs(M - A)));
    for (int i = 0; i <= n; ++i) {
        const int index = 36 * i / n;
        const double dekl = s.DeklTabelle[static_cast<std::size_t>(index)];
        b.c.setPenColor(s.Farben[index % 6 == 0 ? 5 : 6]);
        const int schritte = static_cast<int>(std::floor((bis - von) / 0.5 + 1e-9));
        const double sinDekl = SinGrad(dekl), cosDekl = CosGrad(dekl);
        linie(b, 20.0 * b.W, [&](auto&& punkt) {
            for (int k = 0; k <= schritte; ++k)
                punkt(sinDekl, cosDekl, von + 0.5 * k);
        });
    }
}

void sonnenbahn(Blatt& b, const std::vector<Sonnentag>& tage, bool markiert, double stunden)
{
    const AppState& s = b.s;
    const double L = 15.0 * stunden;
    const double grenze = 12.0 * b.W;
    const SonnenOrientierung& o = b.p.orientierung();
    Zug zug{b};
    double vorX = 0;
    for (int d = 1; d <= 369; ++d) {
        const Sonnentag& t = tage[static_cast<std::size_t>(d)];
        double x = 0, y = 0, X = 0, Y = 0;
        ProjiziereSonneOrient(o, b.p.g, t.sinDekl, t.cosDekl, L + t.E, x, y);
        if (x >= 10000) {
            zug.lift();
            continue;
        }
        b.p.platziere(x, y, X, Y);
        const bool nah = std::fabs(X) + std::fabs(Y) < grenze;
        if (!zug.hat) {
            if (nah)
                zug.punkt(X, Y);
        } else if (nah && vorX * X > -50) {
            zug.punkt(X, Y);
        } else {
            zug.lift();
        }
        vorX = X;
    }
    if (!markiert)
        return;
    const int radius = b.bildschirm ? 2 : 6;
    const CanvasBrush vorher = b.c.brush();
    for (int monat = 1; monat <= 12; ++monat) {
        bool erste = true;
        for (const int tag : biazimutalMarkentage(s)) {
            const Sonnentag& t = tage[static_cast<std::size_t>(TagImJahr(s.Par.Jahr, monat, tag))];
            double x = 0, y = 0, X = 0, Y = 0;
            ProjiziereSonneOrient(o, b.p.g, t.sinDekl, t.cosDekl, L + t.E, x, y);
            b.p.platziere(x, y, X, Y);
            if (std::fabs(X) + std::fabs(Y) < grenze && imRahmen(b, X, Y, radius)) {
                if (erste)
                    b.c.setBrush({FarbeRot, BrushStyle::Solid});
                else
                    b.c.setBrush({FarbeWeiss, BrushStyle::Clear});
                b.c.ellipse(ci(X) - radius, ci(Y) - radius, ci(X) + radius, ci(Y) + radius);
            }
            erste = false;
        }
    }
    b.c.setBrush({vorher.color, BrushStyle::Clear});
}

void analemmas(Blatt& b)
{
    const AppState& s = b.s;
    const auto& sc = s.Schalter;
    if (!sc.MitZeitglAzimut && !sc.Analemma)
        return;
    const std::vector<Sonnentag> tage = sonnentage(s);
    auto eine = [&](int t) {
        b.c.setPenColor(s.Farben[t == 12 ? 4 : 1]);
        sonnenbahn(b, tage, t == sc.AnalemmaStunde && sc.Analemma, biazimutalStundenlaenge(s, t) / 15.0);
    };
    if (sc.MitZeitglAzimut) {
        for (int t = s.Zeiten.StundeVon; t <= s.Zeiten.StundeBis; ++t)
            eine(t);
        if (sc.Analemma && (sc.AnalemmaStunde < s.Zeiten.StundeVon || sc.AnalemmaStunde > s.Zeiten.StundeBis))
            sonnenbahn(b, tage, true, biazimutalStundenlaenge(s, sc.AnalemmaStunde) / 15.0);
    } else if (sc.Analemma) {
        eine(sc.AnalemmaStunde);
    }
}

void stundenlinien(Blatt& b)
{
    const AppState& s = b.s;
    const char qz = s.Schalter.StundenIntervallSonst;
    const int q = (qz >= '0' && qz <= '9' ? qz - '0' : 0) + 1;
    for (int t = s.Zeiten.QuadVon; t <= s.Zeiten.QuadBis; ++t)
        for (int j = 0; j < q; ++j) {
            const double tt = t + static_cast<double>(j) / q;
            if (tt > s.Zeiten.QuadBis)
                continue;
            b.c.setPenColor(s.Farben[j == 0 ? (t == 12 ? 4 : 1) : 2]);
            const double L = biazimutalStundenlaenge(s, tt);
            linie(b, 20.0 * b.W, [&](auto&& punkt) {
                for (int i = 36; i >= 0; --i) {
                    const double dekl = s.DeklTabelle[static_cast<std::size_t>(i)];
                    punkt(SinGrad(dekl), CosGrad(dekl), L);
                }
            });
        }
}

} // namespace

Konstruktionsmeldungen zeichneBiazimutal(const AppState& s, Canvas& c, int breite, int hoehe, bool bildschirm,
                                         double zoom, const BiazimutalUmgebung& umgebung)
{
    Blatt b(s, c, bildschirm);
    b.m = bildschirm ? 0 : 50;
    b.W = breite - b.m;
    b.H = hoehe - b.m;
    b.r = bildschirm ? 4 : 16;
    c.setFontHeight(bildschirm ? 16 : 40);
    c.setFontColor(s.Farben[3]);
    c.setFontName("Arial");
    c.setPenColor(s.Farben[0]);
    c.setBrushStyle(BrushStyle::Clear);
    c.setPenWidth(s.Schalter.Linienstaerke);
    c.setPenColor(0x808080);
    c.rectangle(b.m, b.m, b.W, b.H);
    c.setPenColor(FarbeRot);
    const int fx = s.FusspunktX, fy = s.FusspunktY;
    c.moveTo(fx - 8, fy);
    c.lineTo(fx + 8, fy);
    c.moveTo(fx, fy - 8);
    c.lineTo(fx, fy + 8);
    c.ellipse(fx - 5, fy - 5, fx + 5, fy + 5);

    b.p.lage = biazimutalLage(s);
    if (std::fabs(b.p.lage.pol.breite) > 90) {
        b.meldungen.push_back({PromptTitle::Problem, PromptIcon::Information, TextPaar(s, 65, 66)});
        return b.meldungen;
    }
    b.p.x0 = fx;
    b.p.y0 = fy;
    b.p.yNachOben = false;
    double k = 1;
    if (const auto d = biazimutalPolabstand(b.p.lage))
        k = 1 / *d;
    else
        b.meldungen.push_back({PromptTitle::Warnung, PromptIcon::Warning, biazimutalMassstabMeldung(s)});
    if (bildschirm)
        b.p.g = s.Schalter.Kartenmassstab * (b.W * k / (s.FormatA4 ? 280.0 : 420.0)) * zoom;
    else
        b.p.g = s.Schalter.Kartenmassstab * k * zoom * 10;

    const bool nord = b.p.lage.pol.breite >= 0;
    c.setPenColor(s.Farben[3]);
    double X = 0, Y = 0;
    b.p.bild(nord ? 89.999999 : -89.999999, 0, X, Y);
    marke(b, X, Y, 8, "", 6, 0);
    const double polX = X, polY = Y;
    const CanvasFont polSchrift = c.font();

    const std::string textA = biazimutalTextA(s), textB = biazimutalTextB(s);
    b.p.bild(b.p.lage.breiteA, b.p.lage.laengeA, X, Y);
    // The letters of the places keep clear of the legend's lines, written after them.
    std::vector<Buchstabenkasten> meiden = legende(b, textA, textB, false);
    if (const auto a = marke(b, X, Y, 6, "A", b.r + 6, b.r, meiden))
        meiden.push_back(*a);
    b.p.bild(b.p.lage.breiteB, b.p.lage.laengeB, X, Y);
    marke(b, X, Y, 6, "B", b.r + 6, b.r, meiden);
    const std::vector<Buchstabenkasten> zeilen = legende(b, textA, textB, true);
    polBuchstabe(b, polX, polY, nord ? " N" : " S", polSchrift, zeilen);

    if (umgebung.mitNetz) {
        zeichneRaster(c, bildschirm, s.Farben[0], fx, fy, b.W, b.H, 10, s.FormatA4 != 0, b.m, b.m);
        c.setPenWidth(s.Schalter.Linienstaerke);
    }
    if (s.KarteAn) {
        if (s.GrenzenAn)
            karte(b, s.Farben[11], kGrenzenDateiName, umgebung.kartenOrdner, umgebung.karten);
        if (s.KuestenAn)
            karte(b, s.Farben[10], kKuestenDateiName, umgebung.kartenOrdner, umgebung.karten);
    }
    datumslinien(b);
    analemmas(b);
    stundenlinien(b);
    RandUndRahmen(b.W + b.m, b.H + b.m, b.m, c, umgebung.druckRandY);
    return b.meldungen;
}

std::string biazimutalVerweigerung(const AppState& s)
{
    if (std::fabs(biazimutalLage(s).pol.breite) > 90)
        return TextPaar(s, 65, 66);
    return {};
}

std::shared_ptr<const BiazimutalKarten::Karte> BiazimutalKarten::lies(const AppState& s, const std::filesystem::path& ordner,
                                                                       std::string_view name, std::string& fehler)
{
    const auto datei = findeKartenDatei(ordner, name);
    std::error_code f1, f2;
    const auto geschrieben = datei ? std::filesystem::last_write_time(*datei, f1) : std::filesystem::file_time_type();
    const auto groesse = datei ? std::filesystem::file_size(*datei, f2) : 0;
    const bool merkbar = datei && !f1 && !f2;
    if (merkbar)
        for (const Eintrag& e : gelesen_)
            if (e.datei == *datei && e.geschrieben == geschrieben && e.groesse == groesse)
                return e.karte;
    auto karte = liesKarte(s, ordner, name, fehler);
    if (karte && merkbar) {
        std::erase_if(gelesen_, [&](const Eintrag& e) { return e.datei == *datei; });
        gelesen_.push_back({*datei, geschrieben, groesse, karte});
    }
    return karte;
}

bool leseBiazimutalKarte(const AppState& s, const std::filesystem::path& ordner, std::string_view name,
                         KartenLesung& lesung, std::string& fehler)
{
    const auto datei = findeKartenDatei(ordner, name);
    if (!datei) {
        fehler = (ordner / std::string(name)).string() + std::string(meldungsText(s, 29));
        return false;
    }
    return leseKartenDatei(*datei, kKartenDateiRegel, lesung, fehler, s.Sprachspalte != 2);
}

} // namespace umbrin
