#include "dials/azimuthal/AzimutalGeometrie.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"
#include "dials/UngleicheStunden.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace umbrin {

int azimutalRund(double v)
{
    if (!std::isfinite(v))
        return 0;
    return roundHalfEvenWithin(v, 1e9);
}

AzimutalKasten azimutalSeitenname(double ux, double uy, double w, double h, double cx, double cy, double r,
                                  double links, double rechts)
{
    // The distance of the box's nearest point from the centre.
    const auto abstand = [&](double x, double y) {
        const double dx = std::max({0.0, x - cx, cx - (x + w)}), dy = std::max({0.0, y - cy, cy - (y + h)});
        return std::hypot(dx, dy);
    };
    double x = ux, y = uy;
    if (x < links || x + w > rechts || abstand(x, y) < r) {
        x = std::clamp(x, links, std::max(links, rechts - w));
        const double dx = std::max({0.0, x - cx, cx - (x + w)});
        y = cy + (dx < r ? std::sqrt(r * r - dx * dx) : 0.0);
    }
    return {x + w / 2, y + h / 2, w / 2, h / 2};
}

AzimutalMasse azimutalMasseBild(const AppState& s, int hoehe, bool bildschirm)
{
    AzimutalMasse m;
    const double G = s.AzGrundplatte;
    m.R = bildschirm ? azimutalRund(hoehe * G / 210.0 / 2.0) : azimutalRund(G * 10.0 / 2.0);
    m.fTag = m.R / 480.0 * 365.0 / 410.0;
    m.r1 = azimutalRund(m.R - 45 * m.fTag);
    m.r2 = azimutalRund(m.r1 - 365 * m.fTag);
    m.f = s.Schalter.ZodiakSkala ? (m.r1 - m.r2) / 2.0 / s.EpsRund : m.fTag;
    return m;
}

AzimutalMasse azimutalMassePlot(const AppState& s)
{
    AzimutalMasse m;
    m.R = azimutalRund(s.AzGrundplatte * 40.0 / 2.0);
    m.fTag = azimutalRund(m.R * 0.75 / 410.0);
    m.r1 = m.R - 45 * m.fTag;
    m.r2 = m.r1 - 365 * m.fTag;
    m.f = s.Schalter.ZodiakSkala ? (m.r1 - m.r2) / 2.0 / s.EpsRund : m.fTag;
    return m;
}

double azimutalTagRadius(const AppState& s, const AzimutalMasse& m, int n, double d, bool plot)
{
    const bool aussenJanuar = s.Schalter.Zeitablesung != 0;
    if (s.Schalter.ZodiakSkala)
        return azimutalRund((aussenJanuar ? s.EpsRund + d : s.EpsRund - d) * m.f + m.r2);
    if (plot)
        return aussenJanuar ? m.r1 - (n - 1) * m.fTag : (n - 1) * m.fTag + m.r2;
    const int N = TagImJahr(s.Par.Jahr, 12, 31);
    return azimutalRund((aussenJanuar ? N - n : n) * m.f + m.r2);
}

AzimutalSonne azimutalSonne(const AppState& s, int art, int n, double t, double meridian)
{
    AzimutalSonne p;
    const int J = s.Par.Jahr;
    const double phi = s.Par.Breite;
    double e = 0;
    switch (art) {
    case 0: {
        // The latitude's sine and cosine serve every point of every line: taken again only
        // for another latitude (to the bit, so that -0 keeps its own sine).
        thread_local std::uint64_t breiteBits = 0;
        thread_local GradMitSinus breite(0.0);
        if (std::bit_cast<std::uint64_t>(phi) != breiteBits) {
            breite = GradMitSinus(phi);
            breiteBits = std::bit_cast<std::uint64_t>(phi);
        }
        SonnenstandZonenzeit(J, n, p.h, t, breite, meridian, s.Par.Zonenmeridian, p.A, p.d, e,
                             s.Schalter.MitZeitglAzimut != 0);
        return p;
    }
    case 1:
        sonneTemporalStunde(J, n, t, meridian, phi, p.h, p.A);
        break;
    default:
        sonneItalBabylStunde(J, n, art == 2, t, meridian, phi, p.h, p.A);
        break;
    }
    SonnenPosition(J, p.d, e, n + s.Par.Zonenmeridian / 15.0 / 24.0);
    return p;
}

std::vector<Stundenfamilie> azimutalFamilien(const AppState& s, bool plot)
{
    const auto& Z = s.Zeiten;
    const auto& S = s.Schalter;
    const double zugabe = plot ? 0.01 : 0.1;
    const auto pro = [](int k) { return std::clamp(k, 0, 9) + 1; };
    std::vector<Stundenfamilie> f;
    f.push_back({0, double(Z.QuadVon), Z.QuadBis + zugabe, S.Zonenzeit ? s.Par.Laenge : s.Par.Zonenmeridian,
                 pro(S.StundenIntervallSonst - '0')});
    if (S.Temporalstunden)
        f.push_back({1, double(Z.QuadTempVon), Z.QuadTempBis + zugabe, plot ? s.Par.Laenge : s.Par.Zonenmeridian,
                     pro(S.TemporalIntervall)});
    if (S.Babylonisch)
        f.push_back({2, double(Z.BabVon), Z.BabBis + zugabe, s.Par.Zonenmeridian, pro(S.Intervalle[0])});
    if (S.Italienisch)
        f.push_back({3, double(Z.ItalVon), Z.ItalBis + zugabe, s.Par.Zonenmeridian, pro(S.Intervalle[1])});
    return f;
}

std::vector<double> azimutalStunden(const Stundenfamilie& f, bool plot)
{
    std::vector<double> t;
    for (double t0 = f.von; t0 < f.bis; t0 += 1)
        for (int j = 0; j < f.proStunde; ++j) {
            const double tt = t0 + double(j) / f.proStunde;
            if (plot ? tt <= f.bis : tt < f.bis)
                t.push_back(tt);
        }
    return t;
}

std::vector<int> azimutalStundentage(const AppState& s, bool plot)
{
    const int J = s.Par.Jahr;
    const bool zodiak = s.Schalter.ZodiakSkala != 0;
    const bool zeitgl = s.Schalter.MitZeitglAzimut != 0;
    const bool halb = zodiak && !zeitgl;
    const int von = TagImJahr(J, 6, 20), bis = TagImJahr(J, 12, 23);
    std::vector<int> tage;
    const auto nimm = [&](int n) {
        if (!halb || (n > von && n < bis))
            tage.push_back(n);
    };
    const int silvester = TagImJahr(J, 12, 31);
    if (s.Schalter.Zeitablesung) {
        if (!zodiak || (plot && zeitgl))
            tage.push_back(silvester);
        for (int m = 12; m >= 1; --m)
            for (int d = 28; d >= 1; d -= 3)
                nimm(TagImJahr(J, m, d));
    } else {
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= 28; d += 3)
                nimm(TagImJahr(J, m, d));
        if (!zodiak)
            tage.push_back(silvester);
    }
    return tage;
}

std::vector<AzimutalLinienpunkt> azimutalStundenlinie(const AppState& s, const AzimutalMasse& m,
                                                      const Stundenfamilie& fam, double t, const std::vector<int>& tage,
                                                      bool plot)
{
    std::vector<AzimutalLinienpunkt> linie;
    linie.reserve(tage.size());
    const double grenze = plot ? 89.5 : 89;
    for (const int n : tage) {
        const AzimutalSonne p = azimutalSonne(s, fam.art, n, t, fam.meridian);
        linie.push_back({azimutalTagRadius(s, m, n, p.d, plot), p.A, p.h > 0 && p.h < grenze});
    }
    return linie;
}

std::optional<double> azimutalLinienende(const std::vector<AzimutalLinienpunkt>& linie)
{
    std::optional<double> A;
    double rMax = -1;
    for (std::size_t i = 0; i < linie.size(); ++i) {
        const bool gezogen = linie[i].sichtbar && ((i > 0 && linie[i - 1].sichtbar)
                                                   || (i + 1 < linie.size() && linie[i + 1].sichtbar));
        if (gezogen && linie[i].r > rMax) {
            rMax = linie[i].r;
            A = linie[i].A;
        }
    }
    return A;
}

std::optional<AzimutalKasten> azimutalRandzahl(double cx, double cy, double R, double ux, double uy, double hx, double hy,
                                double luft, const std::vector<AzimutalKasten>& belegt)
{
    const double w0 = std::atan2(uy, ux);
    // The middle so far out along the ray that the box's nearest side keeps luft beyond the rim.
    const auto kasten = [&](double w) {
        const double dx = std::cos(w), dy = std::sin(w);
        const double d = R + luft + std::fabs(dx) * hx + std::fabs(dy) * hy;
        return AzimutalKasten{cx + d * dx, cy + d * dy, hx, hy};
    };
    const auto frei = [&](const AzimutalKasten& k) {
        return std::none_of(belegt.begin(), belegt.end(), [&](const AzimutalKasten& b) {
            return std::fabs(k.mx - b.mx) < k.hx + b.hx + luft && std::fabs(k.my - b.my) < k.hy + b.hy + luft;
        });
    };
    // Steps of a quarter degree, up to 30 degrees either way.
    constexpr double schritt = M_PI / 720;
    for (int n = 0; n <= 120; ++n)
        for (const double richtung : {1.0, -1.0})
            if (const AzimutalKasten k = kasten(w0 + richtung * n * schritt); frei(k))
                return k;
    return std::nullopt;
}

std::vector<AufUntergangsPunkt> azimutalAufUntergang(const AppState& s, const AzimutalMasse& m, bool plot)
{
    std::vector<AufUntergangsPunkt> p;
    const bool aussenJanuar = s.Schalter.Zeitablesung != 0;
    for (int monat = 1; monat <= 13; ++monat)
        for (int tag = 1; tag <= 26; tag += 5) {
            if (monat == 13 && tag > 1)
                break;
            const int n = TagImJahr(s.Par.Jahr, monat, tag);
            const AufUntergangsAzimutErgebnis a = AufUntergangsAzimut(s.Par.Jahr, n, s.Par.Breite, s.Par.Laenge);
            double r = 0;
            if (s.Schalter.ZodiakSkala)
                r = azimutalTagRadius(s, m, n, a.Deklination, plot);
            else if (plot)
                r = aussenJanuar ? m.r1 - (n - 1) * m.fTag : (n - 1) * m.fTag + m.r2;
            else
                r = azimutalRund(aussenJanuar ? m.r1 - (n - 1) * m.f : (n - 1) * m.f + m.r2);
            p.push_back({r, a.AzimutAufgang, a.AzimutUntergang});
        }
    return p;
}

std::string zodiakZeichen(int s)
{
    const int j = ((s - 1) % 12 + 12) % 12;
    return std::string(1, static_cast<char>(94 + j));
}

std::string zodiakEintrag(int s) { return zodiakZeichen(s) + (((s - 1) % 12 + 12) % 12 == 0 ? " " : ""); }

int zodiakEintrittsMonat(int s) { return s == 10 ? 12 : (s + 2) % 12; }

std::string ersterBuchstabe(const std::string& t) { return t.empty() ? std::string() : t.substr(0, 1); }

std::string azimutalOrtZeile(const AppState& s)
{
    const std::string grad(texteText(s, 105));
    return std::string(texteText(s, 131)) + RealStr(s.Par.Breite, 5, 2) + grad + std::string(texteText(s, 132))
           + RealStr(s.Par.Laenge, 5, 2) + grad;
}

std::string azimutalZeitZeile(const AppState& s)
{
    const bool zone = s.Schalter.Zonenzeit != 0;
    std::string z = holeText(s, zone ? 307 : 308);
    if (s.Schalter.MitZeitglAzimut) {
        z += " " + std::string(texteText(s, 141));
        if (zone)
            z += " = " + std::string(texteText(s, 124));
    } else {
        z += " " + std::string(texteText(s, 142));
        if (!zone)
            z += " = " + std::string(texteText(s, 120));
    }
    return z;
}

std::string azimutalDurchmesserZeile(const AppState& s)
{
    return holeText(s, 580) + " = " + RealStr(s.AzGrundplatte, 5, 1) + " mm";
}

std::string himmelsrichtung(const AppState& s, int text, std::size_t n)
{
    const std::string t(texteText(s, text));
    return t.size() > 2 ? t.substr(2, n) : std::string();
}

} // namespace umbrin
