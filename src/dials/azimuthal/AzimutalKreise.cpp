// The date circles of the azimuthal dial on a canvas: calendar circles filled white with the
// daytime arc on each month start, or zodiac circles with the sign symbols and declinations.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/TextGedreht.h"
#include "dials/azimuthal/AzimutalBild.h"
#include "dials/azimuthal/AzimutalZeichnung.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

int rund(double v) { return azimutalRund(v); }

std::string ohneMarke(std::string_view text)
{
    std::string t(text);
    std::erase(t, '&');
    return t;
}

void richtungen(AzimutalBild& b, int suedAbstand)
{
    const AppState& s = b.s;
    // Beside the rim (its outline drawn 2 beyond R), or on a narrow sheet below the axis.
    for (const auto& [x, name] : {std::pair{b.cx + b.m.R + 50, himmelsrichtung(s, 3, 5)},
                                  std::pair{b.cx - b.m.R - 80, himmelsrichtung(s, 2, 5)}}) {
        const TextExtent e = b.c.textExtent(name);
        const AzimutalKasten k = azimutalSeitenname(rund(x), b.cy - 15, e.width, e.height, b.cx, b.cy, b.m.R + 4,
                                                    b.x0 + 15, b.W - 15);
        b.belegterText(rund(k.mx - k.hx), rund(k.my - k.hy), name);
    }
    if (s.Par.Breite > 0)
        b.belegterText(b.cx - 10, rund(b.cy - b.m.R - suedAbstand), ohneMarke(texteText(s, 1)));
    else
        b.belegterText(b.cx - 10, rund(b.cy + b.m.R + 0.3 * suedAbstand), "N" + ohneMarke(texteText(s, 0)));
}

} // namespace

CanvasPoint AzimutalBild::punkt(double r, double A) const
{
    return {cx - rund(r * std::sin(A * kRad)), cy + rund(r * std::cos(A * kRad))};
}

void AzimutalBild::belegterText(int x, int y, const std::string& t)
{
    text(x, y, t);
    const TextExtent e = c.textExtent(t);
    belegt.push_back({x + e.width / 2.0, y + e.height / 2.0, e.width / 2.0, e.height / 2.0});
}

void AzimutalBild::kreuz(int l)
{
    c.moveTo(cx - l, cy);
    c.lineTo(cx + l, cy);
    c.moveTo(cx, cy - l);
    c.lineTo(cx, cy + l);
}

void AzimutalBild::skalenring()
{
    const double R = m.R;
    for (int i = 1; i <= 361; ++i) {
        const int k = i % 15 == 0 ? 45 : i % 5 == 0 ? 30 : 15;
        const double L = rund(R - k * (m.r1 - m.r2) / 360.0);
        const double a = i * kRad;
        c.moveTo(rund(cx + R * std::sin(a)), rund(cy + R * std::cos(a)));
        c.lineTo(rund(cx + L * std::sin(a)), rund(cy + L * std::cos(a)));
    }
}

void zeichneKalenderKreise(AzimutalBild& b)
{
    const AppState& s = b.s;
    const auto& F = s.Farben;
    const int J = s.Par.Jahr;
    const bool aussenJanuar = s.Schalter.Zeitablesung != 0;
    const double f = b.m.f, r1 = b.m.r1, r2 = b.m.r2;
    // The circles are drawn from the outside in, each a white disc with its ring. A disc only
    // has to be filled where it reaches ink drawn before it (its own ring and arc are drawn
    // after its fill). The only ink before the first is the frame, so it is filled only where
    // it comes near the frame; inside it the paper is white again, and a later disc reaches
    // ink only where it lies closer than a pen width and the smoothed edges of both, with room
    // for the curves' approximation of a circle, to the innermost ring so far.
    const auto amRahmen = [&](int rr) {
        const int luft = rr + 2 * b.lw + 4 + rr / 256;
        return b.cx - luft <= b.x0 || b.cx + luft >= b.W || b.cy - luft <= b.y0 || b.cy + luft >= b.H;
    };
    // The daytime arcs stand on the first days of the months.
    b.azimute = AufUntergangJahr(s, 1);
    int innerster = -1;
    const auto fuellen = [&](int rr) {
        const bool noetig = innerster < 0 ? amRahmen(rr) : rr + b.lw + 3 + rr / 256 >= innerster;
        innerster = innerster < 0 ? rr : std::min(innerster, rr);
        return noetig;
    };
    const auto kreis = [&](int m, int k, int n) {
        const int rr = aussenJanuar ? rund(r1 - n * f) : rund(r1 - (365 - n) * f);
        b.c.setPenColor(k == 0 ? F[6] : F[5]);
        b.c.setPenWidth(k == 0 ? b.lw + 1 : b.lw);
        b.c.setBrushStyle(BrushStyle::Clear);
        b.c.setBrushColor(FarbeWeiss);
        if (fuellen(rr))
            b.c.setBrushStyle(BrushStyle::Solid);
        b.c.ellipse(b.cx - rr, b.cy - rr, b.cx + rr, b.cy + rr);
        b.c.setPenColor(F[6]);
        if (k != 0)
            return;
        const auto i = static_cast<std::size_t>(m - 1);
        const CanvasPoint auf = b.punkt(rr, b.azimute.AzimutAufgang[i][0]);
        const CanvasPoint unter = b.punkt(rr, b.azimute.AzimutUntergang[i][0]);
        const CanvasPoint von = s.Par.Breite > 0 ? auf : unter, bis = s.Par.Breite > 0 ? unter : auf;
        b.c.arc(b.cx - rr, b.cy - rr, b.cx + rr, b.cy + rr, von.x, von.y, bis.x, bis.y);
    };
    if (aussenJanuar) {
        for (int m = 1; m <= 13; ++m)
            for (int k = 0; k <= (m == 13 ? 0 : 1); ++k)
                kreis(m, k, TagImJahr(J, m, 15 * k));
    } else {
        for (int m = 13; m >= 1; --m)
            for (int k = (m == 13 ? 0 : 1); k >= 0; --k)
                kreis(m, k, m == 13 ? TagImJahr(J, 12, 31) : TagImJahr(J, m, 14 * k + 1));
    }
    b.c.setBrushStyle(BrushStyle::Clear);
    b.c.setPenColor(F[0]);
    b.kreuz(rund(r1));
    richtungen(b, b.c.fontHeight());

    b.c.setPenColor(F[3]);
    for (int i = 1; i <= 11; i += 2) {
        if (aussenJanuar) {
            const std::string t = "1/" + IntStr(13 - i);
            b.text(rund(b.cx + r2 - 10 * f + 30 * f * i), rund(b.cy + 3 * f), t);
            b.text(rund(b.cx + 3 * f), rund(b.cy + r2 + 4 * f - 15 * f + 30 * f * i), t);
        } else {
            const std::string t = "1/" + IntStr(i + 1);
            b.text(rund(b.cx + r2 - 10 * f + 30 * f * i), rund(b.cy + 3 * f), t);
            b.text(b.cx, rund(b.cy + 3 * f + r2 - 15 * f + 30 * f * i), t);
        }
    }
    b.kreuz(static_cast<int>(r2) / 4);
    b.c.setPenWidth(1);
    b.skalenring();
    const int R = rund(b.m.R);
    b.c.ellipse(b.cx - R, b.cy - R, b.cx + R + 2, b.cy + R + 2);
}

void zeichneZodiakKreise(AzimutalBild& b)
{
    const AppState& s = b.s;
    const auto& F = s.Farben;
    const bool aussenJanuar = s.Schalter.Zeitablesung != 0;
    const double f = b.m.f, r1 = b.m.r1, r2 = b.m.r2, band = r1 - r2;
    const double eps = s.EpsRund;
    b.c.setFontName("Arial");
    b.c.setFontSize(10);
    b.c.setFontHeight(zodiakSchrift(b.bildschirm, b.umgebung.GrosserBildschirm));
    const int fl = b.c.fontHeight();
    int breite = 0;
    for (int z = 1; z <= 12; ++z)
        breite = std::max({breite, b.c.textExtent("= " + std::string(tierkreisName(s, z))).width,
                           b.c.textExtent("  (22.Dez -)").width});
    // Left of the dial; where the rim with its degree ring would run through it (a portrait
    // page, whose width the plate fills), in two columns in the upper right corner above it.
    double xl = b.breite / 30 + b.x0, yl = b.y0 + b.hoehe / 8, bx = 1.5 * fl + breite, by = 1.15 * fl * 24 + fl;
    int spalteX = 0;
    const auto frei = [&](double x, double y, double w, double h) {
        const double dx = std::max({0.0, x - b.cx, b.cx - (x + w)}), dy = std::max({0.0, y - b.cy, b.cy - (y + h)});
        return std::hypot(dx, dy) >= b.m.R + 4;
    };
    if (!frei(xl, yl, bx, by) && frei(b.W - 15 - 2 * bx - fl, b.y0 + 15, 2 * bx + fl, 1.15 * fl * 12 + fl)) {
        spalteX = rund(bx + fl);
        bx = 2 * bx + fl;
        by = 1.15 * fl * 12 + fl;
        xl = b.W - 15 - bx;
        yl = b.y0 + 15;
    }
    zeichneZodiakLegende(s, b.c, b.bildschirm, b.umgebung.GrosserBildschirm, F[3], rund(xl), rund(yl), spalteX);
    // The hour numbers beyond the rim keep clear of the legend.
    b.belegt.push_back({xl + bx / 2, yl + by / 2, bx / 2, by / 2});
    b.c.setPenColor(F[7]);
    b.kreuz(rund(r1));
    b.c.setFontName("Arial");
    richtungen(b, rund(1.2 * b.c.fontHeight()));

    b.c.setPenColor(F[3]);
    b.c.setFontName("Wingdings");
    b.c.setBrushStyle(BrushStyle::Clear);
    const double c52 = std::cos(52 * kRad), s52 = std::sin(52 * kRad), c45 = std::cos(45 * kRad);
    for (int i = 0; i <= 36; i += 2) {
        const int rr = rund(r1 - (eps - s.DeklTabelle[static_cast<std::size_t>(36 - i)]) * f);
        const bool grenze = i % 6 == 0;
        b.c.setPenColor(grenze ? F[6] : F[5]);
        b.c.setPenWidth(grenze ? b.lw + 1 : b.lw);
        b.c.ellipse(b.cx - rr, b.cy - rr, b.cx + rr, b.cy + rr);
        if (!grenze)
            continue;
        const int zs = !aussenJanuar ? i / 6 + 4 : (i <= 12 ? i / 6 + 10 : i / 6 - 2);
        const int fh = b.c.fontHeight();
        if (i != 0 && i != 36) {
            TextOutGedreht(b.c, rund(b.cx - band / 12), rund(b.cy + rr - fh / 2.0), ersterBuchstabe(zodiakZeichen(zs)),
                           400, fh, 0);
            const bool spaet = zs > 7;
            const std::string paar = ersterBuchstabe(zodiakZeichen(spaet ? 20 - zs : 8 - zs))
                                     + ersterBuchstabe(zodiakZeichen(zs));
            if (spaet)
                TextOutGedreht(b.c, rund(b.cx - rr * c52 - band / 36), rund(b.cy - rr * s52 - band / 36), paar, 700,
                               fh, 38);
            else
                TextOutGedreht(b.c, rund(b.cx - rr * c52), rund(b.cy - rr * s52 - band / 24), paar, 700, fh, 38);
        } else {
            const double rg = rr + fh / 8.0;
            // The outer circle's letter reaches inwards; where the next boundary's circle lies
            // closer than a letter is high (a small screen), it steps back along its circle
            // past the pair standing there.
            double winkel = 52;
            const double naechster = r1 - (eps - s.DeklTabelle[30]) * f;
            if (i == 0 && rg - naechster < 1.15 * fh)
                winkel -= 0.85 * fh / std::max(rg, 1.0) / kRad;
            TextOutGedreht(b.c, rund(b.cx - rg * std::cos(winkel * kRad)),
                           rund(b.cy - rg * std::sin(winkel * kRad) - band / 24), ersterBuchstabe(zodiakZeichen(zs)),
                           700, fh, rund(45 - 52 + winkel));
        }
        b.c.setFontName("Arial");
        const double d = s.DeklTabelle[static_cast<std::size_t>(i)];
        const double rd = rr + fh / 24.0;
        TextOutGedreht(b.c, rund(b.cx + rd * c45), rund(b.cy - rd * c45 - band / 24), RealStr(aussenJanuar ? -d : d, 4, 1),
                       400, rund(0.8 * fh), -45);
        b.c.setFontName("Wingdings");
    }
    b.c.setPenColor(F[3]);
    b.c.setFontName("Arial");
    const int fh = b.c.fontHeight();
    const double rt = b.m.R + fh / 3.0;
    const std::string deklination(texteText(s, 116));
    const int xt = rund(b.cx + rt * c45), yt = rund(b.cy - rt * c45 - band / 24);
    TextOutGedreht(b.c, xt, yt, deklination, 400, fh, 45);
    // The hour numbers keep clear of the word running up at 45 degrees: squares along it.
    for (double l = 0; l < b.c.textExtent(deklination).width; l += fh / 2.0)
        b.belegt.push_back({xt + (l + fh / 2.0) * c45, yt - (l - fh / 2.0) * c45, fh / 2.0, fh / 2.0});
    b.c.setFontColor(FarbeSchwarz);
    b.c.setPenWidth(1);
    b.kreuz(static_cast<int>(r2) / 4);
    b.skalenring();
    b.m.R = rund(r1 + 50 * band / 360);
    const int R = rund(b.m.R);
    b.c.ellipse(b.cx - R, b.cy - R, b.cx + R + 2, b.cy + R + 2);
}

void zeichneZodiakLegende(const AppState& s, Canvas& c, bool bildschirm, bool grosserBildschirm, Farbe farbe, int x0,
                          int y, int spalteX)
{
    c.setFontName("Wingdings");
    c.setFontSize(10);
    c.setFontColor(farbe);
    c.setFontHeight(zodiakSchrift(bildschirm, grosserBildschirm));
    const int fh = c.fontHeight();
    for (int z = 1; z <= 12; ++z) {
        // In two columns the seventh sign starts the second.
        const int x = spalteX > 0 && z > 6 ? x0 + spalteX : x0, n = spalteX > 0 && z > 6 ? z - 6 : z;
        const int zeile = rund(y + 1.15 * fh * (2 * n - 0.7));
        c.setFontName("Wingdings");
        c.textOut(x, zeile, zodiakEintrag(z));
        c.setFontName("Arial");
        c.textOut(x + rund(1.5 * fh), zeile, "= " + std::string(tierkreisName(s, z)));
        // The date under its name, at least 0.85 of a line below it (the rows would touch at
        // small font heights).
        c.textOut(x + rund(1.5 * fh), std::max(rund(y + 1.15 * fh * 2 * n), zeile + rund(0.85 * fh)),
                  "  (" + std::string(DatumsTage[static_cast<std::size_t>(z - 1)])
                      + std::string(monatKurz(s, zodiakEintrittsMonat(z))) + " -)");
    }
}

} // namespace umbrin
