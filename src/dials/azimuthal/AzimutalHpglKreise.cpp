// The date circles of the azimuthal dial's plot: calendar circles as daytime arcs (the whole
// circle on each month start), or zodiac circles with the sign symbols in the alternate
// character set, the declinations and the sign legend; each with its degree ring.
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/azimuthal/AzimutalPlot.h"

#include <cmath>
#include <string>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);
const std::string ETX(1, hpglLabelEnde);

std::string z(double v) { return hpglZahl(v); }

std::string ohneMarke(std::string_view text)
{
    std::string t(text);
    std::erase(t, '&');
    return t;
}

void kreuz(AzimutalPlot& p, int cx, int cy)
{
    const double r1 = p.m.r1;
    if (!p.stiftbreite.empty())
        p.zeile(";PW 0");
    p.zeile(";SP 1;PU " + z(cx - r1) + " " + z(cy) + ";PD " + z(cx + r1) + " " + z(cy) + ";PU " + z(cx) + " "
            + z(cy - r1) + ";PD " + z(cx) + " " + z(cy + r1) + ";");
}

// The name of a direction at (x, y), the hour numbers keeping clear of it; after a label the
// pen may move without a ";" before it.
void name(AzimutalPlot& p, double x, double y, const std::string& text, bool semikolon = true)
{
    p.zeile((semikolon ? ";PU " : "PU ") + z(x) + " " + z(y) + ";LB" + text + ETX);
    p.namen.push_back(AzimutalPlot::labelKasten(x, y, text));
}

// The plate label (south above the centre in the north, north below it in the south) and the
// pointer-height note.
void plattenLabel(AzimutalPlot& p, int cx, int cy, bool nMitN)
{
    const AppState& s = p.s;
    const std::string hinweis(texteText(s, 179));
    if (s.Par.Breite > 0) {
        name(p, cx - 300, cy + p.m.r1 + 200, ohneMarke(texteText(s, 1)));
        p.zeile(";PU " + z(cx + p.m.r2) + " 10500;LB" + hinweis + ETX);
    } else {
        name(p, cx - 300, cy - p.m.r1 - 250, (nMitN ? "N" : "") + ohneMarke(texteText(s, 0)));
        p.zeile(";PU 10 160;LB" + hinweis + ETX);
    }
}

// The degree ring: a tick every degree inwards from R to the radius the length gives.
void gradring(AzimutalPlot& p, int cx, int cy, int lang, int mittel, int kurz)
{
    const double R = p.m.R;
    std::string t = ";SP 1;PU " + z(cx) + " " + z(cy - R);
    for (int i = 1; i <= 360; ++i) {
        const double a = i * kRad;
        const int l = i % 15 == 0 ? lang : i % 5 == 0 ? mittel : kurz;
        t += ";PU " + z(cx + R * std::sin(a)) + " " + z(cy - R * std::cos(a)) + ";PD " + z(cx + l * std::sin(a)) + " "
             + z(cy - l * std::cos(a));
    }
    p.zeile(t + ";PU " + z(cx) + " " + z(cy) + ";CI " + z(R) + ",1;");
}

std::string bogenwinkel(double w) { return RealStr(w, 7, 2); }

} // namespace

void hpglDatumskreiseKalender(AzimutalPlot& p, int cx, int cy)
{
    const AppState& s = p.s;
    const int J = s.Par.Jahr;
    const bool aussenJanuar = s.Schalter.Zeitablesung != 0, nord = s.Par.Breite > 0;
    const double fi = p.m.fTag, r1 = p.m.r1, r2 = p.m.r2, R = p.m.R;
    kreuz(p, cx, cy);
    p.zeile(";PU;SI 0.2,0.32;");
    for (int m = 1; m <= 13; ++m)
        for (int k = 0; k <= (m == 13 ? 0 : 1); ++k) {
            const int n = TagImJahr(J, m, 14 * k + 1);
            const double rr = aussenJanuar ? r1 - (n - 1) * fi : (n - 1) * fi + r2;
            if (k == 0) {
                if (r2 < rr && rr < r1)
                    p.zeile("SP 1;PU " + z(cx - 459) + " " + z(cy + rr - fi) + ";LB 1/" + IntStr(m) + ETX);
                p.zeile("SP 7;");
            } else {
                p.zeile("SP 6;");
            }
            const auto i = static_cast<std::size_t>(m - 1), j = static_cast<std::size_t>(2 * k);
            const double U = p.azimute.AzimutUntergang[i][j], A = p.azimute.AzimutAufgang[i][j];
            p.zeile(";PU " + p.punkt(cx, cy, rr, U) + ";PD;AA " + z(cx) + " " + z(cy) + " "
                    + bogenwinkel(nord ? U - A : U - A - 360) + " 0.2;");
            if (k == 0)
                p.zeile("SP 7;AA " + z(cx) + " " + z(cy) + bogenwinkel(nord ? 360 - U + A : A - U) + " 0.2;");
        }
    p.zeile("SP 1;");
    p.namen.clear();
    name(p, cx + r1 + 750, cy - 200, " " + himmelsrichtung(s, 3, 6));
    name(p, cx - r1 - 1000, cy - 200, " " + himmelsrichtung(s, 2, 6));
    plattenLabel(p, cx, cy, true);
    for (int i = 1; i <= 11; i += 2) {
        const int m = i + 1, n = TagImJahr(J, m, 1);
        if (aussenJanuar)
            p.zeile("PU " + z(cx + r1 - 80 - (n - 1) * fi) + " " + z(cy + 40) + ";LB1/" + IntStr(m) + ETX);
        else
            p.zeile(";PU " + z(cx + r2 - 80 + (n - 1) * fi) + " " + z(cy + 40) + ";LB1/" + IntStr(m) + ETX);
    }
    gradring(p, cx, cy, azimutalRund(R - 45 * fi), azimutalRund(R - 27 * fi), azimutalRund(R - 10 * fi));
}

void hpglDatumskreiseZodiak(AzimutalPlot& p, int cx, int cy)
{
    const AppState& s = p.s;
    const bool aussenJanuar = s.Schalter.Zeitablesung != 0;
    const double f = p.m.f, r1 = p.m.r1, r2 = p.m.r2, R = p.m.R, eps = s.EpsRund;
    // The legend is text: pen 1, chosen here, as the file may not have chosen a pen yet.
    p.zeile(";SP 1");
    hpglZodiakLegende(p, 100, 9800);
    kreuz(p, cx, cy);
    p.zeile(";PU;SI 0.2,0.32;SA;");
    p.namen.clear();
    const double c52 = std::cos(52 * kRad), s52 = std::sin(52 * kRad), c54 = std::cos(54 * kRad),
                 s54 = std::sin(54 * kRad);
    const std::string richtung52 = ";DI 100 " + z(100 * s52);
    for (int i = 0; i <= 36; ++i) {
        const double d = s.DeklTabelle[static_cast<std::size_t>(i)];
        const double rr = azimutalRund((eps - d) * f + r2);
        const bool grenze = i % 6 == 0;
        if (grenze) {
            p.zeile(";SP 7;SA");
            const int zs = aussenJanuar ? 10 - i / 6 : i / 6 + 4;
            const double a = aussenJanuar ? azimutalRund(f) : azimutalRund(-2 * f);
            const double b = aussenJanuar ? azimutalRund(-2 * f) : azimutalRund(f);
            if (r2 < rr && rr < r1) {
                p.zeile(";DI 100 0;SP 1;PU " + z(cx - 459) + " " + z(cy - rr + f) + ";LB " + zodiakEintrag(zs) + ETX
                        + richtung52);
                if (zs > 7)
                    p.zeile(";PU " + z(cx - (rr + a) * c52) + " " + z(cy + (rr + a) * s52) + ";LB"
                            + zodiakEintrag(20 - zs) + zodiakEintrag(zs) + ETX);
                else
                    p.zeile(";PU " + z(cx - (rr + b) * c52) + " " + z(cy + (rr + b) * s52) + ";LB"
                            + zodiakEintrag(8 - zs) + zodiakEintrag(zs) + ETX);
            } else {
                p.zeile(richtung52 + ";PU " + z(cx - rr * c54) + " " + z(cy + rr * s54) + ";LB" + zodiakEintrag(zs)
                        + ETX);
            }
            p.zeile(";DI 100 -100;SS;PU " + z(cx + 0.707 * rr - 2 * f) + " " + z(cy + 0.707 * rr + f) + ";LB"
                    + RealStr(aussenJanuar ? -d : d, 4, 1) + ETX);
            if (i == 0) {
                const std::string wort(texteText(s, 116));
                const double x = cx + 0.707 * (r1 + 6 * f), y = cy + 0.707 * (r1 + 6 * f);
                p.zeile(";DI 100 100;PU " + z(x) + " " + z(y) + ";LB" + wort + ETX + ";DI 100 0;");
                // The word runs up at 45 degrees past the rim: squares along it for the hour
                // numbers to keep clear of.
                const double laenge = 120.0 * static_cast<double>(wort.size());
                for (double l = 0; l < laenge; l += 64)
                    p.namen.push_back({x + (l - 64) * 0.707, y + (l + 64) * 0.707, 64, 64});
            }
        } else {
            p.zeile(";DI 100 0;SP 6;");
        }
        if (i % 2 == 0)
            p.zeile(std::string(grenze ? ";SP 7" : "") + ";PU " + z(cx) + " " + z(cy) + ";PD;CI " + z(rr) + ",0.5");
    }
    p.zeile(";DI 100 0;SP 1;");
    name(p, cx + r1 + 300, cy + 200, " " + himmelsrichtung(s, 3, 6));
    name(p, cx - r1 - 600, cy - 200, " " + himmelsrichtung(s, 2, 6), false);
    plattenLabel(p, cx, cy, false);
    p.zeile(";SS");
    const double band = r1 - r2;
    gradring(p, cx, cy, azimutalRund(R - 50 * band / 365), azimutalRund(R - 30 * band / 365),
             azimutalRund(R - 10 * band / 365));
}

void hpglZodiakLegende(AzimutalPlot& p, int x, int y)
{
    const AppState& s = p.s;
    std::string t = ";SI 0.2,0.32;SA";
    for (int z0 = 1; z0 <= 12; ++z0)
        t += ";PU " + z(x) + " " + z(y - 540 * z0 + 180) + ";LB" + zodiakEintrag(z0) + ETX;
    t += ";SS";
    for (int z0 = 1; z0 <= 12; ++z0) {
        t += ";PU " + z(x + 200) + " " + z(y - 540 * z0 + 180) + ";LB= " + std::string(tierkreisName(s, z0)) + ETX;
        t += ";PU " + z(x + 350) + " " + z(y - 540 * z0) + ";LB  ("
             + std::string(DatumsTage[static_cast<std::size_t>(z0 - 1)])
             + std::string(monatKurz(s, zodiakEintrittsMonat(z0))) + " -)" + ETX;
    }
    p.zeile(t);
}

} // namespace umbrin
