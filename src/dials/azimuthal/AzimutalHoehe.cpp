#include "dials/azimuthal/AzimutalHoehe.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/azimuthal/AzimutalGeometrie.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace umbrin {
namespace {

constexpr double kRad = static_cast<double>(rad);

// The barrel constants for a plate radius A (A = B) and the horizon radius R0 = round(B).
void tonne(HoehenRadien& r, double A, double B)
{
    r.A = A;
    r.B = B;
    r.R0 = azimutalRund(B);
    r.C = -B / 2 + std::sqrt(A * A + B * B / 4);
}

} // namespace

double HoehenRadien::r(double h) const
{
    double w = 0;
    switch (gesetz) {
    case 1: {
        const double nenner = std::sin(h * kRad) * (A * A + C * C) + 2 * A * C;
        w = std::fabs(nenner) < 1e-9 ? 0 : std::cos(h * kRad) * 2 * A * (A * A - C * C) / nenner;
        break;
    }
    case 2:
        w = R0 * std::tan((45 - std::clamp(h, -89.0, 90.0) / 2) * kRad);
        break;
    default:
        w = R0 - R0 * h / 90;
        break;
    }
    return std::isfinite(w) ? std::clamp(w, -1e7, 1e7) : 0;
}

HoehenRadien hoehenRadienBild(const AppState& s, double hoeheNutzbar, bool bildschirm, int fh0)
{
    HoehenRadien r;
    r.gesetz = std::clamp<int>(s.Schalter.Hoehenkreise, 0, 2);
    const double G = s.AzGrundplatte;
    if (r.gesetz == 1) {
        double Gs = G - 2 * fh0;
        if (Gs <= 0)
            Gs = G * 365 / 410;
        const double A = bildschirm ? Gs / 2 * hoeheNutzbar / 210 : Gs * 10 / 2;
        const double B = bildschirm ? A : G * 10 / 2;
        tonne(r, A, B);
        r.Ro = 2 * fh0 + r.R0;
    } else {
        r.Ro = bildschirm ? azimutalRund(G / 2 * hoeheNutzbar / 210) : azimutalRund(G * 10 / 2);
        r.R0 = r.Ro - 2 * fh0;
    }
    return r;
}

HoehenRadien hoehenRadienPlot(const AppState& s)
{
    HoehenRadien r;
    r.gesetz = std::clamp<int>(s.Schalter.Hoehenkreise, 0, 2);
    const double G = s.AzGrundplatte;
    if (r.gesetz == 1) {
        const double Gs = G * 365 / 410;
        tonne(r, Gs * 40 / 2, Gs * 40 / 2);
        r.Ro = azimutalRund(G * 40 / 2);
    } else {
        r.Ro = azimutalRund(G * 40 / 2);
        r.R0 = r.Ro - 300;
    }
    return r;
}

namespace {

// The refusal when radien gives the plate of the state no horizon circle: the smallest plate
// (in tenths of a millimetre up to the largest the dialog takes) that has one.
std::string platteZuKlein(const AppState& s, const std::function<HoehenRadien(const AppState&)>& radien)
{
    if (radien(s).R0 >= 1)
        return {};
    AppState probe = s;
    probe.AzGrundplatte = 0;
    for (int zehntel = 1; zehntel <= 2000 && radien(probe).R0 < 1; ++zehntel)
        probe.AzGrundplatte = zehntel / 10.0;
    const std::string platte = RealStr(s.AzGrundplatte, 1, 1), kleinste = RealStr(probe.AzGrundplatte, 1, 1);
    if (s.Sprachspalte == 2)
        return "The base plate of " + platte + " mm is too small for the altitude circles: the degree scale round the "
               "horizon takes the whole plate.\n\rThe smallest base plate here is " + kleinste +
               " mm: the dial is not drawn.";
    return "Die Grundplatte von " + platte + " mm ist zu klein für die Höhenkreise: die Gradskala um den Horizont "
           "nimmt die ganze Platte ein.\n\rDie kleinste Grundplatte ist hier " + kleinste +
           " mm: die Sonnenuhr wird nicht gezeichnet.";
}

} // namespace

std::string hoehenPlatteZuKleinBild(const AppState& s, double hoeheNutzbar, bool bildschirm, int fh0)
{
    return platteZuKlein(s, [&](const AppState& p) { return hoehenRadienBild(p, hoeheNutzbar, bildschirm, fh0); });
}

std::string hoehenPlatteZuKleinPlot(const AppState& s) { return platteZuKlein(s, hoehenRadienPlot); }

std::vector<int> hoehenStundentage(const AppState& s, int art)
{
    const int J = s.Par.Jahr;
    const bool ganz = art == 0 && s.Schalter.MitZeitglAzimut;
    const int von = TagImJahr(J, 6, 20), bis = TagImJahr(J, 12, 23);
    std::vector<int> tage;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 29; d += 2) {
            const int n = TagImJahr(J, m, d);
            if (ganz || (n > von && n < bis))
                tage.push_back(n);
        }
    if (ganz)
        tage.push_back(TagImJahr(J, 1, 1));
    return tage;
}

std::vector<HoehenStand> hoehenDatumslinie(double phi, double d, double t0, double laenge, double zone)
{
    std::vector<HoehenStand> p;
    HoehenStand st;
    double t = t0;
    SonnenstandStundenwinkel(st.h, st.a, t, phi, laenge, zone, d);
    while (t <= 23) {
        t += st.h < 1.5 ? 0.025 : 0.1;
        SonnenstandStundenwinkel(st.h, st.a, t, phi, laenge, zone, d);
        p.push_back(st);
    }
    return p;
}

std::vector<Datumslinie> hoehenDatumslinien(const AppState& s)
{
    const int L = std::clamp<int>(s.Schalter.LinienProMonat, 1, 4);
    const int q = L == 4 ? 18 : 6 / L;
    std::vector<Datumslinie> l;
    for (int k = 0; k <= 36 / q; ++k)
        l.push_back({s.DeklTabelle[static_cast<std::size_t>(q * k)], k % L == 0 || L == 4});
    return l;
}

Ekliptik ekliptik(double phi, double eps, int s, double R0)
{
    Ekliptik e;
    const double w = phi + s * eps;
    if (std::fabs(w) < 0.05) {
        e.gerade = true;
        return e;
    }
    e.d = R0 / std::tan(w * kRad);
    e.rho = R0 / std::sin(w * kRad);
    return e;
}

bool ekliptikMarke(double phi, double eps, int s, double R0, const Ekliptik& e, int lambda, double u,
                   EkliptikMarke& m)
{
    if (e.gerade)
        return false;
    m.T = azimutalRund(lambda % 30 == 0 ? 1.5 * u : lambda % 10 == 0 ? u : lambda % 5 == 0 ? 0.7 * u : 0.5 * u);
    const double K = e.rho * e.rho - e.d * e.d;
    const double dl = std::asin(std::sin(-s * eps * kRad) * std::sin(lambda * kRad));
    const double nenner = std::sin(phi * kRad) + std::sin(dl);
    if (std::fabs(nenner) < 1e-9)
        return false;
    const double Pv = R0 * std::cos(dl) / nenner, Qv = R0 * std::cos(phi * kRad) / nenner;
    if (std::fabs(Qv - e.d) < 1e-9)
        return false;
    m.y0 = (Qv * Qv + K - Pv * Pv) / 2 / (Qv - e.d);
    const double wurzel = e.rho * e.rho - (m.y0 - e.d) * (m.y0 - e.d);
    if (lambda == 90) {
        m.x0 = 0;
    } else {
        if (wurzel < 0)
            return false;
        m.x0 = std::sqrt(wurzel);
    }
    return std::isfinite(m.x0) && std::isfinite(m.y0) && std::fabs(m.y0) < 1e7;
}

std::string hoehenTitel(const AppState& s)
{
    switch (s.Schalter.Hoehenkreise) {
    case 1:
        return std::string(texteText(s, 148)) + (s.Sprachspalte == 2 ? " (barrel)" : " (Tonne)");
    case 2:
        return holeText(s, 212);
    default:
        return std::string(texteText(s, 148));
    }
}

std::string hoehenHinweis(const AppState& s) { return std::string(texteText(s, s.Schalter.Hoehenkreise == 1 ? 187 : 179)); }

std::string hoehenZusatzArten(const AppState& s)
{
    std::string l;
    const auto dazu = [&](const std::string& t) { l += (l.empty() ? "" : ", ") + t; };
    if (s.Schalter.Temporalstunden)
        l = std::string(texteText(s, 5));
    const auto legende = [&](int zeile) {
        const std::string t(farbLegendeText(s, zeile));
        return t.size() > 2 ? t.substr(2, 25) : std::string();
    };
    if (s.Schalter.Italienisch)
        dazu(legende(6));
    if (s.Schalter.Babylonisch)
        dazu(legende(7));
    return l;
}

std::string hoehenZeitZeile(const AppState& s)
{
    const bool zone = s.Schalter.Zonenzeit != 0;
    std::string z = holeText(s, zone ? 307 : 308) + " ";
    if (s.Schalter.MitZeitglAzimut)
        z += std::string(texteText(s, 141)) + " = " + std::string(texteText(s, zone ? 124 : 123));
    else
        z += std::string(texteText(s, 142)) + (zone ? "" : " (" + holeText(s, 494) + ")") + " = " + std::string(texteText(s, zone ? 121 : 120));
    return z;
}

int horizontIndex(double a)
{
    const long long i = (roundHalfEven(2 * a) + 360) % 720;
    return static_cast<int>(i < 0 ? i + 720 : i);
}

void hoehenZahlMitte(double ex, double ey, double w, double h, double luft, double& mx, double& my)
{
    const double r = std::hypot(ex, ey);
    const double ux = r > 0 ? ex / r : 0, uy = r > 0 ? ey / r : 0;
    const double weg = std::min((w * std::fabs(ux) + h * std::fabs(uy)) / 2 + luft, r / 2);
    mx = ex - ux * weg + w / 2 + luft / 4;
    my = ey - uy * weg;
}

bool hoehenZahlenZuNah(const ZahlKasten& a, const ZahlKasten& b, double leer)
{
    const double gemeinsam = std::min(a.my + a.h / 2, b.my + b.h / 2) - std::max(a.my - a.h / 2, b.my - b.h / 2);
    const double luecke = std::fabs(a.mx - b.mx) - (a.w + b.w) / 2;
    return gemeinsam > 0 && (luecke < 0 || (gemeinsam >= 0.5 * std::min(a.h, b.h) && luecke < leer));
}

void hoehenZahlMitteFrei(double ex, double ey, double w, double h, double luft, const std::vector<ZahlKasten>& belegt,
                         double& mx, double& my, double leer)
{
    hoehenZahlMitte(ex, ey, w, h, luft, mx, my);
    const auto frei = [&](double x, double y) {
        return std::none_of(belegt.begin(), belegt.end(), [&](const ZahlKasten& k) {
            return (std::fabs(x - k.mx) < (w + k.w + luft / 4) / 2 && std::fabs(y - k.my) < (h + k.h) / 2)
                   || hoehenZahlenZuNah({x, y, w, h}, k, leer);
        });
    };
    if (frei(mx, my))
        return;
    // At the zenith (the end on the centre) the steps go along the meridian.
    const double r = std::hypot(ex, ey);
    const double ux = r > 0 ? ex / r : 0, uy = r > 0 ? ey / r : 1;
    const double weg = std::hypot(ex - mx + w / 2 + luft / 4, ey - my);
    for (int schritt = 0; schritt <= 24; ++schritt)
        for (const double richtung : {1.0, -1.0})
            for (const double seite : {-1.0, 1.0}) {
                const double d = richtung * 0.3 * h * schritt;
                if ((schritt == 0 && (seite > 0 || richtung < 0)) || (d < 0 && weg - d > r))
                    continue;
                const double x = mx + ux * d - (seite < 0 ? w + luft / 2 : 0), y = my + uy * d;
                if (frei(x, y)) {
                    mx = x;
                    my = y;
                    return;
                }
            }
}

} // namespace umbrin
