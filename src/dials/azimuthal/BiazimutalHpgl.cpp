// The biazimuthal dial as a plot: the construction of the canvas in plotter units with the y
// axis upwards, the origin where the image has it, and an optional coordinate grid.
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/HpglDialekt.h"
#include "dials/azimuthal/BiazimutalGeometrie.h"
#include "dials/azimuthal/BiazimutalZeichnung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

std::string z(double v) { return hpglZahl(v); }
std::string feld(double v) { return RealStr(std::clamp(v, -hpglKoordinatenGrenze, hpglKoordinatenGrenze), 7, 0); }

struct Plot {
    Plot(const AppState& zustand, HPGLDatei& d) : s(zustand), datei(d) {}
    const AppState& s;
    HPGLDatei& datei;
    int k = 1;
    double lim = 32600;
    double PW = 16400, PH = 11480;
    BiazimutalProjektion p;

    void w(const std::string& t) { HPGLZeile(datei, t); }
};

// A label's box on the sheet: left, bottom, right, top.
using Plotkasten = std::array<double, 4>;

// The cross of a marker with its label; `felder` says which of the eight cross coordinates
// are written as fields.
// The mark's label (two characters of 90 k by 96 k) stands right of its cross; where that is
// past the sheet's right edge or on a box to keep clear of (meiden: another mark's label, the
// legend's lines), left of it, or above or below it, and never above or below the sheet. Gives
// the label's box, nothing for a mark left out.
std::optional<Plotkasten> marke(Plot& q, double X, double Y, const std::array<bool, 8>& felder,
                                const std::string& label, const std::vector<Plotkasten>& meiden = {})
{
    const double k = q.k;
    // A mark off the sheet would be cut away by the plotter's window and stand far outside a
    // DXF drawing.
    if (X < 0 || Y < 0 || X > 16157.0 * k || Y > 11038.0 * k)
        return std::nullopt;
    const std::array<double, 8> v{X, Y - 80 * k, X, Y + 80 * k, X - 80 * k, Y, X + 80 * k, Y};
    std::array<std::string, 8> t;
    for (std::size_t i = 0; i < 8; ++i)
        t[i] = felder[i] ? feld(v[i]) : z(v[i]);
    const double breite = 180 * k, hoehe = 96 * k;
    const auto frei = [&](double lx, double ly) {
        return std::none_of(meiden.begin(), meiden.end(), [&](const Plotkasten& m) {
            return lx < m[2] && m[0] < lx + breite && ly < m[3] && m[1] < ly + hoehe;
        });
    };
    const double rechts = X + 100 * k, links = X - 100 * k - breite;
    double lx = rechts + breite > 16157.0 * k ? links : rechts, ly = std::clamp(Y - 40 * k, 0.0, 11038.0 * k - hoehe);
    // Where that place is taken: the other side of the cross, else the clear place beside the
    // cross, or just above or below a box in the way, nearest the first.
    if (!frei(lx, ly) && links >= 0 && frei(links, ly))
        lx = links;
    if (!frei(lx, ly)) {
        std::vector<double> hoehen{ly, Y + 100 * k, Y - 100 * k - hoehe};
        for (const Plotkasten& m : meiden)
            hoehen.insert(hoehen.end(), {m[1] - hoehe - k, m[3] + k});
        const double x0 = lx, y0 = ly;
        double weit = 1e300;
        for (const double y : hoehen)
            for (const double x : {rechts, links})
                if (x >= 0 && x + breite <= 16157.0 * k && y >= 0 && y + hoehe <= 11038.0 * k && frei(x, y)
                    && std::fabs(x - x0) + std::fabs(y - y0) < weit) {
                    weit = std::fabs(x - x0) + std::fabs(y - y0);
                    lx = x;
                    ly = y;
                }
    }
    q.w(";PU " + t[0] + " " + t[1] + ";PD " + t[2] + " " + t[3] + ";PU " + t[4] + " " + t[5] + ";PD " + t[6] + " " +
        t[7] + ";PU " + feld(lx) + " " + feld(ly) + ";" + hpglLabel(label));
    return Plotkasten{lx, ly, lx + breite, ly + hoehe};
}

// The legend's lines: where each starts, its character size (width, height in cm) and its text.
struct Legendenzeile {
    double x, y, breite, hoehe;
    std::string text;
};

std::vector<Legendenzeile> legendenzeilen(const Plot& q, double Y0)
{
    const AppState& s = q.s;
    const double k = q.k;
    const double x = k * s.LegendeX;
    double y = k * s.LegendeY;
    // A legend the user has not placed goes where the screen puts it: to the foot of the sheet
    // when the centre, and with it the focus marks, lies in its upper half.
    if (!s.LegendeGesetzt && Y0 > q.PH / 2 && y > q.PH / 2)
        y = 700.0 * k;
    std::string titel = holeText(s, 202).substr(1);
    if (titel.size() > 40)
        titel.resize(40);
    return {{x, y, 0.24, 0.36, titel},
            {x, y - 180 * k, 0.15, 0.24, biazimutalTextA(s)},
            {x, y - 330 * k, 0.15, 0.24, biazimutalTextB(s)},
            {x, y - 480 * k, 0.15, 0.24, biazimutalPlotTextZentrum(s, q.p.lage)}};
}

// A legend line's box: its characters' cells (1.5 widths apart, 400 units a centimetre), from
// half a letter below its line (descenders) to the letters' top.
Plotkasten legendenkasten(const Plot& q, const Legendenzeile& l)
{
    std::size_t zeichen = 0;
    for (const unsigned char c : l.text)
        zeichen += (c & 0xC0) != 0x80;
    const double b = 400 * q.k * l.breite, h = 400 * q.k * l.hoehe;
    return {l.x, l.y - h / 2, l.x + 1.5 * b * static_cast<double>(zeichen), l.y + h};
}

// The part of the segment (x1, y1)-(x2, y2) inside the sheet's window 0..16157 k x 0..11038 k
// (Liang and Barsky); false when none of it is. The plotter clips at its window anyway, but a
// DXF drawing made from the plot has no window: lines that run off towards the horizon would
// reach metres beyond the sheet.
bool aufBlatt(const Plot& q, double& x1, double& y1, double& x2, double& y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    if (!streckeImRechteck(x1, y1, x2, y2, 0, 0, 16157.0 * q.k, 11038.0 * q.k, t0, t1))
        return false;
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}

// A polyline of accepted points, written as far as it lies on the sheet: ";PU X Y;PD " where a
// visible piece starts, "X Y " for every further point of it.
struct Zug {
    Plot& q;
    std::string (*zahl)(double) = z; // the number form of a continuing point
    bool oben = true;
    double vorX = 0, vorY = 0;       // the last accepted point
    bool gezeichnet = false;         // the pen stands at (stiftX, stiftY), down
    double stiftX = 0, stiftY = 0;

    void lift() { oben = true; }
    void punkt(double X, double Y, bool an)
    {
        if (!an) {
            oben = true;
            return;
        }
        if (!oben) {
            double x1 = vorX, y1 = vorY, x2 = X, y2 = Y;
            if (aufBlatt(q, x1, y1, x2, y2)) {
                if (!gezeichnet || z(x1) != z(stiftX) || z(y1) != z(stiftY))
                    q.w(";PU " + z(x1) + " " + z(y1) + ";PD ");
                q.w(zahl(x2) + " " + zahl(y2) + " ");
                gezeichnet = true;
                stiftX = x2;
                stiftY = y2;
            } else {
                gezeichnet = false;
            }
        } else {
            gezeichnet = false;
        }
        oben = false;
        vorX = X;
        vorY = Y;
    }
    bool weiter(double X, double Y) const { return oben || (vorX * X > -50 && vorY * Y > -50); }
};

bool aufBlatt(const Plot& q, double X, double Y)
{
    return X >= 0 && Y >= 0 && X <= 16157.0 * q.k && Y <= 11038.0 * q.k;
}

void datumslinien(Plot& q)
{
    const AppState& s = q.s;
    const int n = biazimutalDatumsIntervalle(s);
    const double M = q.p.lage.pol.laenge, A = q.p.lage.laengeA;
    const double von = biazimutalDatumsbeginn(M - 150, 15.0 * (s.Zeiten.QuadVon - 12 - std::fabs(M - A)));
    const double bis = std::max(M + 150, 15.0 * (s.Zeiten.QuadBis - 12 - std::fabs(M - A)));
    const int schritte = static_cast<int>(std::floor((bis - von) / 0.5 + 1e-9));
    q.w(";SP 8");
    for (int i = 0; i <= n; ++i) {
        const int index = 36 * i / n;
        q.w(index % 6 == 0 ? ";SP 6" : ";SP 7");
        Zug zug{q};
        for (int j = 0; j <= schritte; ++j) {
            double X = 0, Y = 0;
            q.p.bild(s.DeklTabelle[static_cast<std::size_t>(index)], von + 0.5 * j, X, Y);
            zug.punkt(X, Y, std::fabs(X) < q.lim && std::fabs(Y) < q.lim && zug.weiter(X, Y));
        }
    }
}

void sonnenbahn(Plot& q, bool markiert, double stunden)
{
    const AppState& s = q.s;
    const double L = 15.0 * stunden;
    Zug zug{q};
    // Three days before the year, its first day (0), then every third day to 369.
    std::vector<int> tage{-10, -7, -4, 0};
    for (int t = 3; t <= 369; t += 3)
        tage.push_back(t);
    for (const int d : tage) {
        double dekl = 0, E = 0, X = 0, Y = 0;
        SonnenPosition(s.Par.Jahr, dekl, E, d);
        q.p.bild(dekl, L + E, X, Y);
        zug.punkt(X, Y, std::fabs(X) + std::fabs(Y) < q.lim && zug.weiter(X, Y));
    }
    if (!markiert)
        return;
    for (int monat = 1; monat <= 12; ++monat) {
        bool erste = true;
        for (const int tag : biazimutalMarkentage(s)) {
            double dekl = 0, E = 0, X = 0, Y = 0;
            SonnenPosition(s.Par.Jahr, dekl, E, TagImJahr(s.Par.Jahr, monat, tag));
            q.p.bild(dekl, L + E, X, Y);
            q.w(erste ? ";SP 2;" : ";SP 4;");
            erste = false;
            if (std::fabs(X) + std::fabs(Y) < q.lim && aufBlatt(q, X, Y))
                q.w(";PU " + z(X) + " " + z(Y) + ";CI " + z(30.0 * q.k) + ";");
        }
    }
    q.w(";SP 2;");
}

void analemmas(Plot& q)
{
    const AppState& s = q.s;
    const auto& sc = s.Schalter;
    q.w(";SP 6");
    auto eine = [&](int t, bool markiert) {
        q.w(t == 12 ? ";SP 5" : ";SP 2");
        sonnenbahn(q, markiert, biazimutalStundenlaenge(s, t) / 15.0);
    };
    if (sc.MitZeitglAzimut) {
        for (int t = s.Zeiten.StundeVon; t <= s.Zeiten.StundeBis; ++t)
            eine(t, t == sc.AnalemmaStunde && sc.Analemma);
        if (sc.Analemma && (sc.AnalemmaStunde < s.Zeiten.StundeVon || sc.AnalemmaStunde > s.Zeiten.StundeBis)) {
            q.w(";SP 2");
            sonnenbahn(q, true, biazimutalStundenlaenge(s, sc.AnalemmaStunde) / 15.0);
        }
    } else if (sc.Analemma) {
        eine(sc.AnalemmaStunde, true);
    }
}

// An hour line is straight in this projection: only the ends of each run of accepted points
// are written, and a run of one point writes nothing.
void stundenlinien(Plot& q)
{
    const AppState& s = q.s;
    const char qz = s.Schalter.StundenIntervallSonst;
    const int n = (qz >= '0' && qz <= '9' ? qz - '0' : 0) + 1;
    for (int t = s.Zeiten.QuadVon; t <= s.Zeiten.QuadBis; ++t)
        for (int j = 0; j < n; ++j) {
            const double tt = t + static_cast<double>(j) / n;
            if (tt > s.Zeiten.QuadBis)
                continue;
            q.w(j == 0 ? (t == 12 ? ";SP 5" : ";SP 2") : ";SP 3");
            const double L = biazimutalStundenlaenge(s, tt);
            std::vector<std::pair<double, double>> lauf;
            auto schliesse = [&] {
                double x1 = lauf.size() >= 2 ? lauf.front().first : 0, y1 = lauf.size() >= 2 ? lauf.front().second : 0;
                double x2 = lauf.size() >= 2 ? lauf.back().first : 0, y2 = lauf.size() >= 2 ? lauf.back().second : 0;
                if (lauf.size() >= 2 && aufBlatt(q, x1, y1, x2, y2))
                    q.w(";PU " + z(x1) + " " + z(y1) + ";PD " + z(x2) + " " + z(y2) + ";PU ");
                lauf.clear();
            };
            for (int i = 0; i <= 36; ++i) {
                double X = 0, Y = 0;
                q.p.bild(s.DeklTabelle[static_cast<std::size_t>(i)], L, X, Y);
                bool an = std::fabs(X) + std::fabs(Y) < q.lim;
                if (an && !lauf.empty())
                    an = lauf.back().first * X > -50 && lauf.back().second * Y > -50;
                if (!an) {
                    schliesse();
                    continue;
                }
                lauf.emplace_back(X, Y);
            }
            schliesse();
        }
}

void karte(Plot& q, const std::string& stift, std::string_view name, const std::filesystem::path& ordner,
           Konstruktionsmeldungen& meldungen)
{
    const double k = q.k;
    q.w(";SP " + stift + ";PU 0 0");
    q.w(";" + hpglZeichengroesse(0.22 * k, 0.32 * k));
    const auto datei = findeKartenDatei(ordner, name);
    KartenLesung lesung;
    std::string fehler;
    if (!datei) {
        meldungen.push_back({PromptTitle::Fehler, PromptIcon::Question,
                             "Datei " + (ordner / std::string(name)).string() + std::string(meldungsText(q.s, 29))});
        return;
    }
    KartenTrennRegel regel = kKartenDateiRegel;
    regel.ohneFuehrendeLeerzeichen = true;
    if (!leseKartenDatei(*datei, regel, lesung, fehler, q.s.Sprachspalte != 2)) {
        meldungen.push_back({PromptTitle::Fehler, PromptIcon::Question, fehler});
        return;
    }
    for (const KartenPolylinie& linie : lesung.polylinien) {
        Zug zug{q, [](double v) { return RealStr(v, 8, 0); }};
        for (const KartenPunkt& p : linie) {
            double X = 0, Y = 0;
            q.p.bild(p.breite, p.laenge, X, Y);
            zug.punkt(X, Y, std::fabs(X - q.PW / 2) < 0.65 * q.PW && std::fabs(Y - q.PH / 2) < 0.65 * q.PH);
        }
    }
    q.w(";");
    const std::string meldung = kartenLeseMeldung(lesung, std::string(name), q.s.Sprachspalte != 2);
    if (!meldung.empty())
        meldungen.push_back({PromptTitle::Problem, PromptIcon::Warning, meldung});
}

} // namespace

bool schreibeHPGL_Biazimutal(const AppState& s, HPGLDatei& datei, bool alsHPGL, int raster,
                             const std::filesystem::path& kartenOrdner, Konstruktionsmeldungen& meldungen)
{
    Plot q(s, datei);
    q.p.lage = biazimutalLage(s);
    if (std::fabs(q.p.lage.pol.breite) > 90) {
        meldungen.push_back({PromptTitle::Problem, PromptIcon::Information, TextPaar(s, 65, 66)});
        return false;
    }
    q.k = hpglFaktor(alsHPGL);
    const double k = q.k;
    q.lim = alsHPGL ? 32600.0 : 8.0 * 16400.0 * k;
    q.PW = 16400.0 * k;
    q.PH = 11480.0 * k;
    // The export has turned the foot into plotter units with the y axis up already.
    const double X0 = k * s.FusspunktX, Y0 = k * s.FusspunktY;
    q.p.x0 = X0;
    q.p.y0 = Y0;
    q.p.yNachOben = true;

    const std::string S = RealStr(16157.0 * k, 8, 0) + " " + RealStr(11038.0 * k, 8, 0);
    const std::string si = hpglZeichengroesse(0.15 * k, 0.24 * k);
    q.w("IN;VS 1;PA;IW 0 0 " + S + ";" + si + ";SP 1;PU 0 0;EA " + S);
    q.w(";" + si);
    q.w(";SP 4;PU " + z(X0 - 80 * k) + " " + z(Y0) + ";PD " + z(X0 + 80 * k) + " " + z(Y0) + ";PU " + z(X0) + " " +
        z(Y0 - 80 * k) + ";PD " + z(X0) + " " + z(Y0 + 80 * k));
    if (raster > 0)
        hpglRaster(datei, static_cast<std::int64_t>(X0), static_cast<std::int64_t>(Y0),
                   static_cast<std::int64_t>(16150 * k), static_cast<std::int64_t>(40) * raster * q.k,
                   static_cast<std::int64_t>(11030 * k));

    double kk = 1;
    if (const auto d = biazimutalPolabstand(q.p.lage))
        kk = 1 / *d;
    else
        meldungen.push_back({PromptTitle::Warnung, PromptIcon::Warning, biazimutalMassstabMeldung(s)});
    q.p.g = s.Schalter.Kartenmassstab * (q.PW * kk / (s.FormatA4 ? 280.0 : 420.0)) * s.Zoom;

    double X = 0, Y = 0;
    q.w(";SP 4");
    q.p.bild(q.p.lage.breiteA, q.p.lage.laengeA, X, Y);
    // The labels of the places keep clear of the legend's lines, written after them.
    const std::vector<Legendenzeile> legende = legendenzeilen(q, Y0);
    std::vector<Plotkasten> meiden;
    for (const Legendenzeile& l : legende)
        meiden.push_back(legendenkasten(q, l));
    if (const auto a = marke(q, X, Y, {false, true, true, true, true, true, true, true}, " A", meiden))
        meiden.push_back(*a);
    const std::array<bool, 8> form{false, true, false, true, false, false, true, false};
    q.p.bild(q.p.lage.breiteB, q.p.lage.laengeB, X, Y);
    marke(q, X, Y, form, " B", meiden);
    const bool nord = q.p.lage.pol.breite >= 0;
    q.p.bild(nord ? 90.0 : -90.0, 0, X, Y);
    marke(q, X, Y, form, nord ? " N" : " S");

    if (s.KarteAn) {
        if (s.GrenzenAn)
            karte(q, "12", kGrenzenDateiName, kartenOrdner, meldungen);
        if (s.KuestenAn)
            karte(q, "11", kKuestenDateiName, kartenOrdner, meldungen);
    }
    datumslinien(q);
    analemmas(q);
    stundenlinien(q);

    const Legendenzeile& titel = legende.front();
    q.w(";SP 4;" + hpglZeichengroesse(titel.breite * k, titel.hoehe * k) + ";PU " + feld(titel.x) + " " + feld(titel.y)
        + ";" + hpglLabel(titel.text));
    q.w(";" + hpglZeichengroesse(legende[1].breite * k, legende[1].hoehe * k));
    for (std::size_t i = 1; i < legende.size(); ++i)
        q.w(";PU " + feld(legende[i].x) + " " + feld(legende[i].y) + ";" + hpglLabel(legende[i].text));
    q.w(std::string(hpglEpilogFensterZurueck));
    return true;
}

} // namespace umbrin
