// Dial I as a plot: 40 k plotter units per millimetre on a sheet of 16400 k x 11480 k with
// the frame 16157 k x 11038 k (in a DXF drawing as large as the dial needs), the y axis
// upwards from the gnomon foot.
#include "dials/azimuthal/HabermelZeichnung.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/HpglDialekt.h"
#include "dials/azimuthal/HabermelTabelle.h"
#include "dials/quadrant/QuadrantGeometrie.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace umbrin {
namespace {

std::string sprache(const AppState& s, const char* de, const char* en) { return s.Sprachspalte == 2 ? en : de; }

std::string z(double v) { return hpglZahl(v); }

std::string feld(double v) { return RealStr(std::fmax(-hpglKoordinatenGrenze, std::fmin(hpglKoordinatenGrenze, v)), 6, 0); }

int mod12(int n) { return n > 12 ? n % 12 : n; }

struct Plot {
    Plot(const AppState& zustand, HPGLDatei& d) : s(zustand), datei(d) {}
    const AppState& s;
    HPGLDatei& datei;
    int k = 1;
    double f = 40;
    HabermelTabelle t;
    double x0 = 0, y0 = 0;
    double L = 30;
    double w = 16157, h = 11038; // the frame, grown in a DXF drawing to hold the whole dial

    // The hour numbers' letter height: 0.27 cm up to a diameter of 150 mm, else 0.32 cm.
    double zahlHoehe() const { return (s.Par.HabermelDurchmesser <= 150 ? 108 : 128) * k; }
    // In mean time the ring of second hour numbers outside the rim: a quarter of a letter
    // clear of it, one letter high.
    double zweiteReihe() const { return 1.25 * zahlHoehe(); }

    void schreibe(const std::string& text) { HPGLZeile(datei, text); }
    void label(double x, double y, const std::string& text)
    {
        schreibe(";PU " + z(x) + " " + z(y) + ";" + hpglLabel(text));
    }
};


// A text's box in plotter units, y upwards.
struct Kasten {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The hour numbers of a line, written at the point of its numbering date (the summer circle
// as on the screen, see habermelNummerDatum) turned by w = 2 atan(x / (|y| + r0)), 4.5 mm
// beyond the point between the summer circle and the rim; in mean time the number of the
// other half-year (24 - n) stands on the same upright just outside the rim, so that the two
// read as a pair along their line however close the lines stand.
struct Stundenzahl {
    std::string text;
    double x = 0, y = 0, w = 0; // the start of the label and its direction
    bool zweite = false;         // the mean time's 24 - n
};

std::vector<Stundenzahl> stundenzahlen(const Plot& p, const HabermelStundenlinie& l, bool mittlereZeit, int d)
{
    const double k = p.k;
    if (d < 0)
        return {};
    const HabermelPunkt& q = *l.punkte[static_cast<std::size_t>(d)];
    const double w = 2 * std::atan(q.x / (std::fabs(q.y) + p.t.r[0]));
    const double x = p.x0 + q.x + k * 180 * std::sin(w), y = p.y0 + q.y - k * 180 * std::cos(w);
    std::vector<Stundenzahl> zahlen{{std::to_string(mod12(l.nummer)), x, y, w, false}};
    if (mittlereZeit) {
        // The label's baseline a ring's width beyond the rim, its letters reaching back to a
        // quarter of a letter outside it.
        const double aussen = p.t.m[36] + 7 * p.f + p.zweiteReihe();
        const double weiter = habermelBisKreis(q.x, q.y - p.t.mitte(36), std::sin(w), -std::cos(w), aussen);
        zahlen.push_back({std::to_string(mod12(24 - l.nummer)), p.x0 + q.x + weiter * std::sin(w),
                          p.y0 + q.y - weiter * std::cos(w), w, true});
    }
    return zahlen;
}

// The box round a label's letters of w by h plotter units (in a cell 1.5 w wide) written at
// (x, y) in the direction a (radians).
HabermelSchild labelSchild(double x, double y, double a, const std::string& text, double w, double h)
{
    const std::size_t vorn = std::min(text.find_first_not_of(' '), text.size());
    const std::size_t hinten = text.size() - 1 - std::min(text.find_last_not_of(' '), text.size() - 1);
    const double n = static_cast<double>(text.size());
    return {x, y, std::cos(a), std::sin(a), -std::sin(a), std::cos(a), 1.5 * w * static_cast<double>(vorn),
            1.5 * w * (n - static_cast<double>(hinten) - 1) + w, 0.05 * h, 0.95 * h};
}

std::string breitenZeile(const AppState& s)
{
    return sprache(s, "Geogr. Breite = ", "Latitude = ") + RealStr(s.Par.Breite, 6, 2) + sprache(s, " Grad", " deg ") +
           sprache(s, ", Geogr. Länge = ", ", Longitude = ") + RealStr(s.Par.Laenge, 6, 2) + sprache(s, " Grad", " deg ");
}

// Where the heading, the sign table and the gnomon template's caption stand (see
// kopfUndLegende and rahmen), as the texts the hour numbers keep clear of.
std::vector<HabermelSchild> festeTexte(const Plot& p)
{
    const auto& s = p.s;
    const double k = p.k, Pw = 16400.0 * k, Ph = 11480.0 * k, xt = Pw / 20, yt = 0.92 * Ph;
    std::vector<HabermelSchild> t;
    t.push_back(labelSchild(xt, yt, 0, sprache(s, "vertikale Habermel-Sonnenuhr I", "Vertical Habermel-Sundial I"),
                            108 * k, 160 * k));
    for (const auto& [dy, text] : {std::pair{200.0, habermelZeitsystem(s, true)}, {540.0, sprache(s, "Zeigerlänge = ", "Gnomon height =") + RealStr(p.L, 5, 1) + " mm"},
                                   {360.0, breitenZeile(s)}, {710.0, sprache(s, "Durchmesser =", "Diameter =") + std::string(" ") + RealStr(s.Par.HabermelDurchmesser, 5, 1) + " mm"}})
        t.push_back(labelSchild(xt, yt - dy * k, 0, OhneUmlaute(text), 72 * k, 108 * k));
    const double xL = static_cast<double>(roundHalfEven(Pw / 20)), yL = static_cast<double>(roundHalfEven(0.8 * Ph));
    for (int i = 1; i <= 12; ++i) {
        const double y = static_cast<double>(roundHalfEven(yL - (540.0 * i - 180) * k));
        t.push_back(labelSchild(xL, y, 0, "x", 80 * k, 128 * k));
        t.push_back(labelSchild(xL + 200 * k, y, 0, "= " + std::string(tierkreisName(s, i)), 80 * k, 128 * k));
        t.push_back(labelSchild(xL + 350 * k, static_cast<double>(roundHalfEven(yL - 540.0 * i * k)), 0,
                                "  (" + std::string(DatumsTage[static_cast<std::size_t>(i - 1)]) +
                                    std::string(monatKurz(s, zodiakMonat(i))) + " -)", 80 * k, 128 * k));
    }
    const double X = 7 * p.f, Y = 5 * p.f;
    t.push_back(labelSchild(X + 120 * k, Y + 120 * k, 0, habermelSchablonenText(s, p.L), 80 * k, 128 * k));
    return t;
}

// Every line's numbers, each line's where they stand clear of the heading, the sign table, the
// template's caption and the numbers placed before: at its numbering date, else nearer the
// winter circle along its line; none where no date of it is clear.
std::vector<std::vector<Stundenzahl>> zahlplaetze(const Plot& p)
{
    const bool mittlereZeit = p.s.Schalter.MitZeitglZylinder && !p.s.Schalter.Zonenzeit;
    const double k = p.k, w = (p.s.Par.HabermelDurchmesser <= 150 ? 72 : 96) * k;
    const double h = (p.s.Par.HabermelDurchmesser <= 150 ? 108 : 128) * k;
    std::vector<HabermelSchild> belegt = festeTexte(p);
    std::vector<std::vector<Stundenzahl>> alle;
    for (const auto& l : habermelStundenlinien(p.s, p.t)) {
        const auto schilder = [&](int d) {
            std::vector<HabermelSchild> v;
            for (const Stundenzahl& z : stundenzahlen(p, l, mittlereZeit, d))
                v.push_back(labelSchild(z.x, z.y, z.w, z.text, w, h));
            return v;
        };
        const int d = l.nummer == 0 ? -1 : habermelFreiesDatum(l, 40, [&](int datum) {
            for (const HabermelSchild& neu : schilder(datum))
                for (const HabermelSchild& da : belegt)
                    if (habermelUeberdeckt(neu, da))
                        return false;
            return true;
        });
        for (const HabermelSchild& neu : schilder(d))
            belegt.push_back(neu);
        alle.push_back(stundenzahlen(p, l, mittlereZeit, d));
    }
    return alle;
}

// The boxes (round the turned letters) of every hour number, with letters 0.24 by 0.32 cm
// (the larger of the two sizes the numbers take).
std::vector<Kasten> stundenzahlKaesten(const Plot& p)
{
    std::vector<Kasten> kaesten;
    const double k = p.k;
    for (const auto& zahlen : zahlplaetze(p))
        for (const Stundenzahl& zahl : zahlen) {
            const double laenge = static_cast<double>(zahl.text.size()) * 144 * k, hoehe = 128 * k;
            Kasten e{1e18, 1e18, -1e18, -1e18};
            for (const double u : {0.0, laenge})
                for (const double v : {0.0, hoehe}) {
                    const double px = zahl.x + u * std::cos(zahl.w) - v * std::sin(zahl.w);
                    const double py = zahl.y + u * std::sin(zahl.w) + v * std::cos(zahl.w);
                    e = {std::min(e.x0, px), std::min(e.y0, py), std::max(e.x1, px), std::max(e.y1, py)};
                }
            kaesten.push_back(e);
        }
    return kaesten;
}

void kopfUndLegende(Plot& p)
{
    const auto& s = p.s;
    const double k = p.k;
    const double Pw = 16400.0 * k, Ph = 11480.0 * k;
    p.schreibe(";PU;SP 4;" + hpglZeichengroesse(0.27 * k, 0.4 * k));
    const double xt = Pw / 20, yt = 0.92 * Ph;
    p.label(xt, yt, OhneUmlaute(sprache(s, "vertikale Habermel-Sonnenuhr I", "Vertical Habermel-Sundial I")));
    p.schreibe(";" + hpglZeichengroesse(0.18 * k, 0.27 * k));
    p.label(xt, yt - 200 * k, habermelZeitsystem(s, true));
    p.label(xt, yt - 540 * k, sprache(s, "Zeigerlänge = ", "Gnomon height =") + RealStr(p.L, 5, 1) + " mm");
    p.label(xt, yt - 360 * k, breitenZeile(s));
    p.label(xt, yt - 710 * k,
            sprache(s, "Durchmesser =", "Diameter =") + std::string(" ") + RealStr(s.Par.HabermelDurchmesser, 5, 1) +
                " mm");
    if (s.Schalter.MitZeitglZylinder && !s.Schalter.Zonenzeit) {
        const bool gross = s.Par.HabermelGnomon > 110;
        p.schreibe(";" + (gross ? hpglZeichengroesse(0.24 * k, 0.36 * k) : hpglZeichengroesse(0.18 * k, 0.27 * k)));
        // The first line's letters stand 1.5 mm below the ring of second hour numbers.
        const double yw = p.y0 - p.t.r[36] - 7 * p.f - p.zweiteReihe() - 60 * k - (gross ? 144 : 108) * k;
        double xw = p.x0 - 1.6 * p.t.m[24], xs = p.x0 + 0.8 * p.t.m[18];
        // Where the rim narrows (far north) the two captions would run into each other: each
        // then keeps half a letter off the noon line, on its own side.
        const double zelle = (gross ? 144 : 108) * k;
        const double links = zelle * static_cast<double>(std::max(holeText(s, 610).size(), holeText(s, 611).size()));
        if (xw + links + zelle > xs) {
            xw = p.x0 - zelle / 2 - links;
            xs = std::max(xs, p.x0 + zelle / 2);
        }
        p.schreibe(";PU " + RealStr(xw, 6, 0) + " " + z(yw) + ";" + hpglLabel(holeText(s, 610)));
        p.schreibe(";PU " + RealStr(xw, 6, 0) + " " + z(yw - 200 * k) + ";" + hpglLabel(holeText(s, 611)));
        p.schreibe(";SP 2");
        p.schreibe(";PU " + RealStr(xs, 6, 0) + " " + z(yw) + ";" + hpglLabel(holeText(s, 612)));
        p.schreibe(";PU " + RealStr(xs, 6, 0) + " " + z(yw - 200 * k) + ";" + hpglLabel(holeText(s, 613)));
    }
    p.schreibe(";SP 4;" + hpglZeichengroesse(0.2 * k, 0.32 * k) + ";SA;SP 4");
    const double xL = static_cast<double>(roundHalfEven(Pw / 20)), yL = static_cast<double>(roundHalfEven(0.8 * Ph));
    for (int i = 1; i <= 12; ++i)
        p.label(xL, static_cast<double>(roundHalfEven(yL - (540.0 * i - 180) * k)), zodiakSymbol(i));
    p.schreibe(";SS");
    for (int i = 1; i <= 12; ++i) {
        p.label(xL + 200 * k, static_cast<double>(roundHalfEven(yL - (540.0 * i - 180) * k)),
                "= " + std::string(tierkreisName(s, i)));
        p.label(xL + 350 * k, static_cast<double>(roundHalfEven(yL - 540.0 * i * k)),
                "  (" + std::string(DatumsTage[static_cast<std::size_t>(i - 1)]) +
                    std::string(monatKurz(s, zodiakMonat(i))) + " -)");
    }
}

// The places of the signs, clear of the hour numbers (see habermelZeichenstellen); a letter is
// 0.24 by 0.32 cm.
std::array<HabermelZeichenstelle, 12> zeichenstellen(const Plot& p)
{
    std::vector<HabermelKasten> zahlen;
    for (const Kasten& q : stundenzahlKaesten(p))
        zahlen.push_back({q.x0 - p.x0, q.y0 - p.y0, q.x1 - p.x0, q.y1 - p.y0});
    return habermelZeichenstellen(p.t, 96 * p.k, 128 * p.k, zahlen);
}

void rahmen(Plot& p)
{
    const auto& s = p.s;
    const double k = p.k;
    const auto& t = p.t;
    p.schreibe("IW 0 0 " + z(p.w) + " " + z(p.y0));
    const char ziffer = s.Schalter.Datumslinien;
    const int n = ziffer >= '0' && ziffer <= '9' ? ziffer - '0' : 0;
    for (int j = 0; j <= 6; ++j)
        for (int u = 0; u <= n; ++u) {
            int i = 6 * j;
            if (n == 1)
                i = 6 * j + 3 * u;
            else if (n == 2)
                i = 6 * j + 2 * u;
            if (j == 6)
                i = 36;
            const auto b = static_cast<std::size_t>(i);
            p.schreibe(std::string(i % 6 == 0 ? ";SP 6" : ";SP 8") + ";PU " + z(p.x0) + " " +
                       z(p.y0 + t.m[0] - t.m[b]) + ";CI " + z(t.m[b]) + " ,0.2");
        }
    p.schreibe(";IW 0 0 " + z(p.w) + " " + z(p.h));
    p.schreibe(";PU " + z(p.x0) + " " + z(p.y0) + ";CI " + z(t.m[0]) + " ,0.2");
    p.schreibe(";PU " + z(p.x0) + " " + z(p.y0 + t.m[0] - t.m[36]) + ";CI " + z(t.m[36]) + " ,0.2");
    p.schreibe(";CI " + z(t.m[36] + 7 * p.f));
    p.schreibe(";PU " + z(p.x0) + " " + z(p.y0 + t.r[0]) + ";PD " + z(p.x0) + " " + z(p.y0 - t.r[36]));
    p.schreibe(";PU " + z(p.x0 + t.sw[36]) + " " + z(p.y0) + ";PD " + z(p.x0 - t.sw[36]) + " " + z(p.y0));
    const double X = 7 * p.f, Y = 5 * p.f;
    p.schreibe(";PU " + z(X) + " " + z(Y) + ";PD " + z(X) + " " + z(Y + t.L) + " " + z(X + 120 * k) + " " +
               z(Y + t.L));
    p.schreibe(";PU " + z(X) + " " + z(Y) + ";PD " + z(X + t.L) + " " + z(Y) + " " + z(X + t.L) + " " +
               z(Y + 120 * k));
    p.label(X + 120 * k, Y + 120 * k, habermelSchablonenText(s, p.L));
    p.schreibe(";" + hpglZeichengroesse(0.24 * k, 0.32 * k) + ";SA");
    // Each sign in the band of its declinations, clear of the hour numbers.
    const auto stellen = zeichenstellen(p);
    for (int zeichen = 1; zeichen <= 12; ++zeichen) {
        const auto& q = stellen[static_cast<std::size_t>(zeichen - 1)];
        p.label(static_cast<double>(roundHalfEven(p.x0 + q.x - 48 * k)),
                static_cast<double>(roundHalfEven(p.y0 + q.y - 64 * k)), zodiakSymbol(zeichen));
    }
    p.schreibe(";SS");
}

void nummern(Plot& p, const std::vector<Stundenzahl>& zahlen, bool mittlereZeit)
{
    const double k = p.k;
    if (zahlen.empty())
        return;
    if (p.s.Par.HabermelDurchmesser <= 150)
        p.schreibe(";" + hpglZeichengroesse(0.18 * k, 0.27 * k));
    for (const Stundenzahl& zahl : zahlen) {
        // In mean time the line's own number in pen 4 and the other half-year's in pen 2.
        p.schreibe(std::string(mittlereZeit && !zahl.zweite ? ";SP 4" : ";SP 2") + ";DI " +
                   RealStr(100 * std::cos(zahl.w), 6, 1) + "," + RealStr(100 * std::sin(zahl.w), 6, 1) + ";PU " +
                   z(zahl.x) + " " + z(zahl.y) + ";" + hpglLabel(zahl.text) + ";DI 100.0,0.0");
    }
}

void stundenlinien(Plot& p, bool mittlereZeit)
{
    const auto zahlen = zahlplaetze(p);
    const auto linien = habermelStundenlinien(p.s, p.t);
    for (std::size_t i = 0; i < linien.size(); ++i) {
        const HabermelStundenlinie& l = linien[i];
        const int nummerDatum = l.nummer != 0 ? habermelNummerDatum(l, 40) : -1;
        if (l.voll && nummerDatum < 0)
            continue; // the sun lights none of its points
        p.schreibe(l.voll ? ";SP 2;" : ";SP 3;");
        bool erster = true;
        for (int d = 0; d <= 36; ++d) {
            const auto& q = l.punkte[static_cast<std::size_t>(d)];
            if (!q || std::fabs(q->x) + std::fabs(q->y) < 0.1)
                continue;
            if (erster)
                p.schreibe(";PU " + feld(p.x0 + q->x) + " " + feld(p.y0 + q->y) + ";PD ");
            else
                p.schreibe(feld(p.x0 + q->x) + " " + feld(p.y0 + q->y) + " ");
            erster = false;
        }
        nummern(p, zahlen[i], mittlereZeit);
    }
}

// Scale, table and gnomon foot of the plot.
void aufstellen(Plot& p, bool alsHPGL, double L)
{
    const AppState& s = p.s;
    p.k = hpglFaktor(alsHPGL);
    p.f = 40.0 * p.k;
    p.L = habermelGnomon(L);
    p.t = habermelTabelle(s.Par.Breite, s.EpsRund, p.f * p.L);
    const double Pw = 16400.0 * p.k, Ph = 11480.0 * p.k;
    p.w = 16157 * p.k;
    p.h = 11038 * p.k;
    p.x0 = static_cast<double>(roundHalfEven(0.6 * Pw));
    p.y0 = Ph / 2 + (p.t.m[18] - p.t.m[0]);
    // A long gnomon takes the rim (7 mm round the summer circle) below the sheet: the foot
    // moves up just so far that the rim's lowest point stays 1 mm above the sheet's edge, in
    // mean time 12 mm below the ring of second hour numbers outside the rim, which leaves the
    // two lines of the reading captions under it clear of the frame.
    const bool mittlereZeit = s.Schalter.MitZeitglZylinder && !s.Schalter.Zonenzeit;
    const double randUnten = p.y0 + p.t.m[0] - 2 * p.t.m[36] - 7 * p.f;
    const double boden = mittlereZeit ? 480.0 * p.k + p.zweiteReihe() : 40.0 * p.k;
    if (randUnten < boden)
        p.y0 += boden - randUnten;
}

// The box round every hour number and sign and round the foot, up to which the date circles
// are drawn.
Kasten zeichenKasten(const Plot& p)
{
    Kasten e{p.x0, p.y0, p.x0, p.y0};
    const auto dazu = [&](double x0, double y0, double x1, double y1) {
        e = {std::min(e.x0, x0), std::min(e.y0, y0), std::max(e.x1, x1), std::max(e.y1, y1)};
    };
    for (const Kasten& q : stundenzahlKaesten(p))
        dazu(q.x0, q.y0, q.x1, q.y1);
    for (const HabermelZeichenstelle& q : zeichenstellen(p))
        dazu(p.x0 + q.x - 48 * p.k, p.y0 + q.y - 64 * p.k, p.x0 + q.x + 48 * p.k, p.y0 + q.y + 64 * p.k);
    return e;
}

// Whether every hour number and sign and the foot stand inside the sheet's frame.
bool zeichenAufBlatt(const Plot& p)
{
    const Kasten e = zeichenKasten(p);
    return e.x0 >= 0 && e.y0 >= 0 && e.x1 <= p.w && e.y1 <= p.h;
}

// A DXF drawing has no paper: its frame grows, and the dial moves right or up, as far as the
// numbers and signs need.
void dxfRahmen(Plot& p)
{
    const double rand = 40 * p.k;
    Kasten e = zeichenKasten(p);
    const double rim = p.t.m[36] + 7 * p.f, mitte = p.y0 + p.t.m[0] - p.t.m[36];
    e = {std::min(e.x0, p.x0 - rim), std::min(e.y0, mitte - rim), std::max(e.x1, p.x0 + rim), e.y1};
    p.x0 += std::max(0.0, rand - e.x0);
    p.y0 += std::max(0.0, rand - e.y0);
    p.w = std::max(p.w, std::ceil(e.x1 + std::max(0.0, rand - e.x0) + rand));
    p.h = std::max(p.h, std::ceil(e.y1 + std::max(0.0, rand - e.y0) + rand));
}

} // namespace

std::string habermelPlotWarnung(const AppState& s)
{
    if (habermelVerweigerung(s, s.Par.HabermelGnomon))
        return {};
    HPGLDatei keine;
    Plot p(s, keine);
    aufstellen(p, true, s.Par.HabermelGnomon);
    if (zeichenAufBlatt(p))
        return {};
    // The dial grows with the gnomon: the longest whole millimetre that keeps it on the sheet.
    const double L = p.L;
    double laengster = std::floor(L);
    for (; laengster > 1; --laengster) {
        aufstellen(p, true, laengster);
        if (zeichenAufBlatt(p))
            break;
    }
    const std::string gnomon = RealStr(L, 1, 1), hoechstens = RealStr(laengster, 1, 0);
    if (s.Sprachspalte == 2)
        return "The hour numbers and signs of the Habermel dial I (gnomon height = " + gnomon + " mm) reach beyond "
               "the plot's sheet of 404 x 276 mm, where the plotter cuts them off.\n\rA gnomon of at most " +
               hoechstens + " mm keeps them on it. The DXF drawing holds the dial whole.";
    return "Die Stundenzahlen und Tierkreiszeichen der Habermel-Sonnenuhr I (Zeigerlänge = " + gnomon + " mm) reichen "
           "über das Blatt des Plots von 404 x 276 mm hinaus, wo der Plotter sie abschneidet.\n\rEin Zeiger von "
           "höchstens " + hoechstens + " mm hält sie darauf. Die DXF-Zeichnung enthält die Sonnenuhr ganz.";
}

void habermelPlot(const AppState& s, HPGLDatei& datei, bool alsHPGL, double L)
{
    Plot p(s, datei);
    aufstellen(p, alsHPGL, L);
    if (!alsHPGL && !zeichenAufBlatt(p))
        dxfRahmen(p);
    const bool mittlereZeit = p.s.Schalter.MitZeitglZylinder && !p.s.Schalter.Zonenzeit;
    p.schreibe(hpglPrologMitRahmen(static_cast<std::int64_t>(p.w), static_cast<std::int64_t>(p.h)));
    p.schreibe(";SP 4;PU 0 0;");
    p.schreibe(";PU;" + hpglZeichengroesse(0.18 * p.k, 0.27 * p.k));
    kopfUndLegende(p);
    rahmen(p);
    stundenlinien(p, mittlereZeit);
    p.schreibe(std::string(hpglEpilogFensterZurueck));
}

} // namespace umbrin
