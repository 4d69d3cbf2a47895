#include "core/AufUntergang.h"

#include "core/Rounding.h"
#include "core/Sprachdienst.h"
#include "core/Zahlenformat.h"

#include <algorithm>
#include <cmath>

namespace umbrin {

namespace {

// The series below write 2 pi with the precision of their published coefficients.
constexpr double kZweiPi = 6.283185307;
constexpr double kGradProRadiant = 57.29577951471995;
constexpr double kStundenProRadiantMal2 = 7.639437268629327; // 2 * 12 / pi

// Pascal's Int: the whole part, toward zero, kept as a real.
double ganzerTeil(double x)
{
    return std::trunc(x);
}

// Declination and right ascension from the equatorial unit vector's parts:
// s = sin(declination), y and x the projections in the equator plane, rho = cos(declination).
Aequatorial ausEinheitsvektor(double x, double y, double s)
{
    const double rho = std::sqrt(1.0 - s * s);
    Aequatorial a;
    a.Deklination = kGradProRadiant * std::atan(s / rho);
    a.Rektaszension = kStundenProRadiantMal2 * std::atan(y / (x + rho));
    if (a.Rektaszension < 0.0)
        a.Rektaszension += 24.0;
    return a;
}

} // namespace

std::array<double, 3> sinh0Werte(int daemmerung)
{
    static constexpr double kDaemmerung[3] = {-6.0, -12.0, -18.0};
    const double tief = kDaemmerung[daemmerung >= 0 && daemmerung <= 2 ? daemmerung : 2];
    return {SinGrad(0.1333333), SinGrad(-0.8333333), SinGrad(tief)};
}

double Frac(double x)
{
    double f = x - ganzerTeil(x);
    if (f < 0.0)
        f += 1.0;
    return f;
}

QuadErgebnis QuadInterpolation(double ym, double y0, double yp)
{
    QuadErgebnis r;
    const double a = 0.5 * (ym + yp) - y0;
    const double b = 0.5 * (yp - ym);
    if (a == 0.0) {
        // Three points on a straight line: no extremum inside, at most one zero.
        r.xe = 0.0;
        r.ye = y0;
        if (b != 0.0) {
            r.z1 = r.z2 = -y0 / b;
            if (std::fabs(r.z1) <= 1.0)
                r.anzahl = 1;
        }
        return r;
    }
    r.xe = -b / (2.0 * a);
    r.ye = (a * r.xe + b) * r.xe + y0;
    const double dis = b * b - 4.0 * a * y0;
    if (dis >= 0.0) {
        const double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
        r.z1 = r.xe - dx;
        r.z2 = r.xe + dx;
        if (std::fabs(r.z1) <= 1.0)
            ++r.anzahl;
        if (std::fabs(r.z2) <= 1.0)
            ++r.anzahl;
        if (r.z1 < -1.0)
            r.z1 = r.z2;
    } else {
        // No real zero: the zeros stay at the extremum, which is never counted.
        r.z1 = r.z2 = r.xe;
    }
    return r;
}

double ModJulDatum(int D, int M, int Y, double h)
{
    const double A = 10000.0 * Y + 100.0 * M + D;
    if (M <= 2) {
        M += 12;
        Y -= 1;
    }
    long long B;
    if (A > 15821004.1)
        B = truncateToInt(Y / 400.0L) - truncateToInt(Y / 100.0L) + truncateToInt(Y / 4.0L);
    else
        B = truncateToInt((Y + 4716) / 4.0L) - 2 - 1179;
    return 365.0 * Y - 679004.0 + static_cast<double>(B)
           + static_cast<double>(truncateToInt(30.6001L * (M + 1))) + D + h / 24.0;
}

double Sternzeit(double laenge, double mjd)
{
    const double mjd0 = ganzerTeil(mjd);
    const double ut = (mjd - mjd0) * 24.0;
    const double T = (mjd0 - 51544.5) / 36525.0;
    const double gmst = 6.697374558 + 1.0027379093 * ut
                        + (8640184.812866 + (0.093104 - 6.2e-6 * T) * T) * T / 3600.0;
    return 24.0 * Frac((gmst - laenge / 15.0) / 24.0);
}

Aequatorial SonneKoordinaten(double T)
{
    const double M = kZweiPi * Frac(0.993133 + 99.997361 * T);
    const double DL = 6893.0 * std::sin(M) + 72.0 * std::sin(2.0 * M);
    const double L = kZweiPi * Frac(0.7859453 + M / kZweiPi + (6191.2 * T + DL) / 1296000.0);
    const double s = 0.39778 * std::sin(L);
    return ausEinheitsvektor(std::cos(L), 0.91748 * std::sin(L), s);
}

Aequatorial MondKoordinaten(double T)
{
    const double L0 = Frac(0.606433 + 1336.855225 * T);
    const double l = kZweiPi * Frac(0.374897 + 1325.55241 * T);
    const double ls = kZweiPi * Frac(0.993133 + 99.997361 * T);
    const double d = kZweiPi * Frac(0.827361 + 1236.853086 * T);
    const double f = kZweiPi * Frac(0.259086 + 1342.227825 * T);

    const double DL = 22640.0 * std::sin(l) - 4586.0 * std::sin(l - 2.0 * d)
                      + 2370.0 * std::sin(2.0 * d) + 769.0 * std::sin(2.0 * l)
                      - 668.0 * std::sin(ls) - 412.0 * std::sin(2.0 * f)
                      - 212.0 * std::sin(2.0 * l - 2.0 * d) - 206.0 * std::sin(l + ls - 2.0 * d)
                      + 192.0 * std::sin(l + 2.0 * d) - 165.0 * std::sin(ls - 2.0 * d)
                      - 125.0 * std::sin(d) - 110.0 * std::sin(l + ls) + 148.0 * std::sin(l - ls)
                      - 55.0 * std::sin(2.0 * f - 2.0 * d);
    const double S = f + (DL + 412.0 * std::sin(2.0 * f) + 541.0 * std::sin(ls)) / 206264.8062;
    const double h = f - 2.0 * d;
    const double N = -526.0 * std::sin(h) + 44.0 * std::sin(l + h) - 31.0 * std::sin(-l + h)
                     - 23.0 * std::sin(ls + h) + 11.0 * std::sin(-ls + h)
                     - 25.0 * std::sin(-2.0 * l + f) + 21.0 * std::sin(-l + f);

    const double laenge = kZweiPi * Frac(L0 + DL / 1296000.0);
    const double B = (18520.0 * std::sin(S) + N) / 206264.8062;

    const double cb = std::cos(B);
    const double x = cb * std::cos(laenge);
    const double v = cb * std::sin(laenge);
    const double w = std::sin(B);
    const double y = 0.91748 * v - 0.39778 * w;
    const double z = 0.39778 * v + 0.91748 * w;
    return ausEinheitsvektor(x, y, z);
}

double SinHoehe(int objekt, double sinBreite, double cosBreite, double laenge, double stunde,
                double MJD0)
{
    const double mjd = MJD0 + stunde / 24.0;
    const double T = (mjd - 51544.5) / 36525.0;
    const Aequatorial pos = objekt == ObjektMond ? MondKoordinaten(T) : SonneKoordinaten(T);
    const double tau = 15.0 * (Sternzeit(laenge, mjd) - pos.Rektaszension);
    return sinBreite * SinGrad(pos.Deklination)
           + cosBreite * CosGrad(pos.Deklination) * CosGrad(tau);
}

RiseSetKind AufUntergangSuche::kind() const
{
    if (AufGefunden && UnterGefunden)
        return RiseSetKind::RiseAndSet;
    if (AufGefunden)
        return RiseSetKind::RiseOnly;
    if (UnterGefunden)
        return RiseSetKind::SetOnly;
    return Ueber ? RiseSetKind::AlwaysAbove : RiseSetKind::AlwaysBelow;
}

namespace {

// A crossing in the last half minute of a day prints as "24:00", which is 0:00 of the next
// day: it belongs to that day.
constexpr double kTagesende = 24.0 - 1.0 / 120.0;

// Takes a crossing at hour `zeit` as the day's rise or set unless the day already has an
// earlier one of that direction: a day shows its first rise and its first set.
void nimmKreuzung(AufUntergangSuche& s, double zeit, bool aufwaerts)
{
    bool& gefunden = aufwaerts ? s.AufGefunden : s.UnterGefunden;
    if (gefunden)
        return;
    (aufwaerts ? s.ZeitAuf : s.ZeitUnter) = zeit;
    gefunden = true;
}

// Takes the crossings of the parabola through the altitudes at mitte - 1, mitte and mitte + 1
// that fall in [von, bis), earlier one first; one before the day's start `beginn` stands at it.
void kreuzungenImSchritt(AufUntergangSuche& s, double ym, double y0, double yp, double mitte,
                         double von, double bis, double beginn)
{
    const QuadErgebnis q = QuadInterpolation(ym, y0, yp);
    auto nimm = [&](double z, bool aufwaerts) {
        const double zeit = mitte + z;
        if (zeit >= von && zeit < bis)
            nimmKreuzung(s, std::max(zeit, beginn), aufwaerts);
    };
    if (q.anzahl == 1) {
        nimm(q.z1, ym < 0.0);
    } else if (q.anzahl == 2) {
        // Below the altitude between the zeros: it sets first, then rises; above: the reverse.
        nimm(q.z1, q.ye >= 0.0);
        nimm(q.z2, q.ye < 0.0);
    }
}

} // namespace

AufUntergangSuche sucheAufUntergang(const AufUntergangEingabe& e)
{
    const int index = e.Objekt >= 1 && e.Objekt <= 3 ? e.Objekt - 1 : ObjektSonne - 1;
    const double sh0 = e.sinh0[static_cast<std::size_t>(index)];
    auto hoehe = [&](double stunde) {
        return SinHoehe(e.Objekt, e.SinBreite, e.CosBreite, e.Laenge, stunde, e.MJD0) - sh0;
    };

    AufUntergangSuche s;
    s.Stunde = e.Stunde;
    const double beginn = e.Stunde - 1.0;
    double ym = hoehe(beginn);
    s.Ueber = ym > 0.0;
    // The day before's last step, as that day's search fits it: a crossing it leaves to this
    // day stands at 0:00. The sine of an altitude changes by at most 0.27 an hour, so the fit's
    // slope stays under 0.81 an hour, and a zero in the last half minute needs |ym| < 0.0068.
    if (std::fabs(ym) < 0.01)
        kreuzungenImSchritt(s, hoehe(beginn - 2.0), hoehe(beginn - 1.0), ym, beginn - 1.0,
                            beginn - 24.0 + kTagesende, beginn + 1.0, beginn);
    do {
        const double y0 = hoehe(s.Stunde);
        const double yp = hoehe(s.Stunde + 1.0);
        kreuzungenImSchritt(s, ym, y0, yp, s.Stunde, beginn, beginn + kTagesende, beginn);
        ym = yp;
        s.Stunde += 2.0;
    } while (!(s.Stunde >= 24.9999 || (s.AufGefunden && s.UnterGefunden)));
    return s;
}

AufUntergangTexte AufUntergangText(const AppState& s, const AufUntergangSuche& suche, int objekt,
                                   std::string& zeile)
{
    static const std::string kStrich = " -----";
    AufUntergangTexte t;
    if (suche.AufGefunden || suche.UnterGefunden) {
        if (suche.AufGefunden) {
            t.Aufgang = ZeitHHMM(suche.ZeitAuf);
        } else {
            t.Aufgang = kStrich;
            t.EreignisFehlt = true;
        }
        if (suche.UnterGefunden) {
            t.Untergang = ZeitHHMM(suche.ZeitUnter);
        } else {
            t.Untergang = kStrich;
            t.EreignisFehlt = true;
        }
        if (objekt == ObjektDaemmerung)
            zeile += t.Untergang + t.Aufgang + " ";
        else
            zeile += t.Aufgang + t.Untergang + " ";
        zeile += " ";
        return t;
    }

    t.EreignisFehlt = true;
    const bool daemmerung = objekt == ObjektDaemmerung;
    if (suche.Ueber) {
        t.Untergang = texteText(s, daemmerung ? 69 : 68);
        t.Aufgang = t.Untergang;
    } else {
        t.Aufgang = texteText(s, daemmerung ? 71 : 70);
        t.Untergang = t.Aufgang;
    }
    zeile += t.Aufgang;
    return t;
}

} // namespace umbrin
