// The line families of the planar plot: the point step, the joining step and the date lines,
// whole-hour day lengths, temporal, Italian and Babylonian hours, lines of equal altitude and
// the hour lines with the analemma marks.
#include "dials/planar/PlanarHpglSchreiber.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/SonneEbene.h"
#include "core/Sprachdienst.h"
#include "core/Textumformung.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/HpglDialekt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

// Declination text of a date line: two decimals, no padding.
std::string deklText(double dekl)
{
    return RealStr(dekl, 2, 2);
}

} // namespace

PlanarHpglSchreiber::PlanarHpglSchreiber(AppState& zustand, HPGLDatei& datei, HPGLListe* l,
                                         const EbenenParameter& e, double gnomon)
    : s(zustand)
    , plot(datei)
    , liste(l)
    , ebene(e)
    , sonne(e.X1)
{
    k = hpglFaktor(s.AlsHPGL != 0);
    B = 16400LL * k;
    H = 11480LL * k;
    Fenster = std::to_string(16157LL * k) + " " + std::to_string(11038LL * k);
    vertikal = s.UhrTyp == 'v';
    schirm = s.Schirmuhr != 0;
    G = static_cast<double>(roundHalfEven(static_cast<long double>(gnomon) * k * 100)) / 100 * 40;
    geometrie = schattengeometrie(s, ebene, G);
    Laenge = s.Schalter.OhneLaengenkorrektur ? s.Par.Zonenmeridian : s.Par.Laenge;
    yGrenze = static_cast<double>(H);
}

std::string PlanarHpglSchreiber::P(double px, double py)
{
    std::string t = " ";
    hpglZahlAnhaengen(t, px);
    t += ' ';
    hpglZahlAnhaengen(t, py);
    return t;
}

std::string_view PlanarHpglSchreiber::text(int zeile) const
{
    return texteText(s, zeile);
}

void PlanarHpglSchreiber::lText(std::string_view t)
{
    if (!liste)
        return;
    liste->schreibe(t);
    zeileOffen = zeileOffen || !t.empty();
}

void PlanarHpglSchreiber::lZeile(std::string_view t)
{
    if (!liste)
        return;
    if (!t.empty())
        liste->schreibe(t);
    liste->zeilenende();
    zeileOffen = false;
}

void PlanarHpglSchreiber::lLeer()
{
    if (!liste)
        return;
    if (zeileOffen)
        lZeile();
    lZeile();
}

std::string PlanarHpglSchreiber::eintrag() const
{
    const double mm = 40.0 * k;
    return RealStr((x - static_cast<double>(X0)) / mm, 9, 3) + "/" + RealStr((y - static_cast<double>(Y0)) / mm, 8, 3)
        + ";";
}

void PlanarHpglSchreiber::punkt(double az, double h, bool mitListe, double x0, double y0)
{
    azimut = az;
    hoehe = h;
    xAlt = x;
    yAlt = y;
    const Schattenwurf w = schattenwurf(geometrie, az, h);
    x = x0 + w.dx;
    y = y0 - w.dy; // the plotter's y axis points up

    if (s.UhrTyp != 'i')
        yGrenze = static_cast<double>(H);
    const double oben = geometrie.schirmInklinierend ? static_cast<double>(H) : yGrenze;
    aufSeite = x >= 0 && x <= static_cast<double>(B) && y >= 0 && y <= oben;

    bool lit = h > 0;
    if (geometrie.schirmInklinierend)
        lit = w.beleuchtet; // above the horizon and, seen from behind, in front of the plane
    EbeneBeleuchtetAlt = EbeneBeleuchtet;
    EbeneBeleuchtet = w.ebeneBeleuchtet;
    if (!schirm)
        lit = lit && EbeneBeleuchtet;
    beleuchtet = lit;
    innenAlt = innen;
    innen = lit && aufSeite;

    // Far points only give the direction of a cut at the border.
    while (std::fabs(x) > 1e8)
        x /= 10;
    while (std::fabs(y) > 1e8)
        y /= 10;

    if (!mitListe || !liste || !lit)
        return;
    if (KopfOffen) {
        if (Linienart == 'b' || Linienart == 'h' || Linienart == 'i') {
            lZeile();
            lText(text(156));
        }
        std::string kopf;
        switch (Linienart) {
        case 'b':
            kopf = RealStr(Wert, 5, 2) + ". " + std::string(text(157)) + ":";
            break;
        case 'i':
            kopf = RealStr(24 - Wert, 5, 2) + ". " + std::string(text(158)) + ":";
            break;
        case 'h':
            kopf = std::string(text(101)) + RealStr(10 * Wert, 5, 1) + std::string(text(105));
            break;
        case 't':
            kopf = RealStr(Wert, 5, 2) + ". " + std::string(text(159)) + ":";
            break;
        case 'm':
            kopf = RealStr(Wert, 5, 2) + " " + std::string(text(161)) + ":";
            break;
        default:
            break;
        }
        lZeile();
        lZeile(kopf);
        KopfOffen = false;
        Zaehler = 0;
    }
    if (Linienart != 'm') {
        ++Zaehler;
        lText(eintrag());
        if (Zaehler % 4 == 0)
            lZeile();
    }
}

void PlanarHpglSchreiber::linieZu(bool innenJetzt, bool innenVorher, bool fortsetzen, bool& stiftUnten,
                                  bool zeichnen)
{
    // E: where the segment between the point inside and the other one leaves the page.
    const auto rand = [&](double xi, double yi, double xa, double ya) {
        double ex = 0, ey = 0;
        clipLinie(0, 0, static_cast<int>(B), static_cast<int>(H), xi, yi, xa, ya, ex, ey);
        return P(ex, ey);
    };
    std::string t;
    if (innenVorher && innenJetzt) {
        if (!fortsetzen) {
            t = (zeichnen ? ";PD" : ";PU") + P(x, y);
        } else {
            if (!stiftUnten)
                t = ";PU" + P(xAlt, yAlt) + ";PD ";
            t += P(x, y);
            stiftUnten = true;
        }
    } else if (innenJetzt) {
        if (EbeneBeleuchtetAlt) {
            t = ";PU" + rand(x, y, xAlt, yAlt) + ((!zeichnen && !fortsetzen) ? ";PU" : ";PD") + P(x, y) + ";PD ";
            stiftUnten = true;
        } else {
            t = ";PU ";
            stiftUnten = false;
        }
    } else if (innenVorher) {
        if (EbeneBeleuchtet) {
            const std::string e = rand(xAlt, yAlt, x, y);
            if (fortsetzen)
                t = e + ";PU ";
            else
                t = (zeichnen ? ";PD" : ";PU") + e + ";PU ";
        } else {
            t = ";PU ";
        }
        stiftUnten = false;
    } else {
        t = ";PU ";
        stiftUnten = false;
    }
    hpgl(t);
}

// --- date lines and whole-hour day lengths ----------------------------------------------

void PlanarHpglSchreiber::datumsverbindung(bool& stiftUnten)
{
    // Drawn only while the sun stays in front of the plane; a point at or below the page's
    // top counts as inside.
    if (EbeneBeleuchtet && EbeneBeleuchtetAlt) {
        const double h = static_cast<double>(H);
        linieZu(innen || y <= h, innenAlt || yAlt <= h, false, stiftUnten, true);
    } else {
        hpgl(";PU" + P(x, y));
        stiftUnten = false;
    }
}

void PlanarHpglSchreiber::datumsListe(double t, bool& ersterPunkt, const std::string& kopf)
{
    if (!liste || !innen)
        return;
    if (ersterPunkt) {
        lLeer();
        lText(kopf);
        ersterPunkt = false;
        Zaehler = 0;
    }
    if (Zaehler % 4 == 0)
        lZeile();
    if (std::fabs(std::trunc(t) - t) < 0.001) {
        // Every whole hour opens a row of its own, headed by the hour.
        if (Zaehler < 4) {
            if (Zaehler % 4 != 0)
                lZeile();
            Zaehler = 4;
        }
        lText("(" + RealStr(t, 2, 0) + " Uhr):");
    }
    lText(eintrag());
    ++Zaehler;
}

void PlanarHpglSchreiber::tageslaengenLinien()
{
    for (int n = 0; n <= 12; ++n) {
        const double d = deklStunden[static_cast<std::size_t>(n)];
        if (std::fabs(d) > s.EpsRund)
            continue;
        for (const int vorzeichen : {1, -1}) {
            const double dekl = vorzeichen * d;
            hpgl(";PU ");
            bool stiftUnten = false;
            innen = false;
            bool erster = true;
            const std::string kopf = std::string(text(116)) + ": " + deklText(dekl) + std::string(text(105)) + ", "
                + RealStr(12 + vorzeichen * n, 3, 0) + " " + std::string(text(234));
            for (int i = 0; 0.25 * i < 24.01; ++i) {
                const double t = 0.25 * i;
                punkt(sonneTageslaengenlinie(dekl, t, sonne, ebene.X2), false);
                datumsverbindung(stiftUnten);
                datumsListe(t, erster, kopf);
            }
            hpgl(";PU ");
        }
    }
}

void PlanarHpglSchreiber::datumslinienZeichnen()
{
    for (int i = 0; i < datumslinien.Zahl && i < static_cast<int>(datumslinien.Tage.size()); ++i) {
        if (datumslinien.Tage[static_cast<std::size_t>(i)] == 0)
            continue;
        hpgl(";PU ");
        bool stiftUnten = false;
        innen = false;
        bool erster = true;
        const double dekl = s.DeklTabelle[std::min<std::size_t>(6 * static_cast<std::size_t>(i), 36)];
        const std::string kopf = TierkreisModus
            ? std::string(text(116)) + ": " + deklText(dekl) + std::string(text(105))
            : std::string(text(156)) + datumslinien.Text[static_cast<std::size_t>(i)] + ":";
        for (int n = 0; 0.25 * n < 24.01; ++n) {
            const double t = 0.25 * n;
            Sonnenstand st;
            if (TierkreisModus)
                SonnenstandStundenwinkel(st.hoehe, st.azimut, t + ebene.X2, ebene.X1, Laenge, s.Par.Zonenmeridian,
                                         dekl);
            else
                st = sonneDatumslinie(s, datumslinien, false, i, t, sonne, ebene.X2, Laenge);
            punkt(st, false);
            datumsverbindung(stiftUnten);
            datumsListe(t, erster, kopf);
        }
        hpgl(";PU ");
    }
}

// --- temporal hours ----------------------------------------------------------------------

void PlanarHpglSchreiber::temporalstunden(int von, int bis, int unterteilung)
{
    // The half day arc needs a rising and setting sun: within the polar circles only, on
    // both hemispheres.
    if (std::fabs(s.Par.Breite) > TemporalGrenzbreite)
        return;
    hpgl(";SP 10");
    von = std::max(von, 0);
    bis = std::min(bis, 12);
    const int teile = unterteilung + 1;
    const int tag21Juni = TagImJahr(s.Par.Jahr, 6, 21);
    const double grenze = 90 - std::fabs(s.Par.Breite);
    for (int n = von; n <= bis; ++n) {
        for (int j = 0; j < teile; ++j) {
            const double nn = n + static_cast<double>(j) / teile;
            if (nn > bis)
                break;
            hpgl(";PU ");
            KopfOffen = true;
            Wert = nn;
            bool erster = true;
            int tag = tag21Juni - 20;
            while (tag < 356) {
                tag += (tag < 172 || tag > 340) ? 15 : (schirm ? 5 : 10);
                tag = std::min(tag, 356);
                punkt(sonneTemporallinie(s, tag, nn, sonne, ebene.X2), true);
                if (erster || y > yGrenze) {
                    hpgl(";PU" + P(x, y));
                    erster = false;
                } else {
                    hpgl(";PD" + P(x, y));
                }
            }
            if (!s.Schalter.TemporalVerlaengern)
                continue;
            // Beyond the solstices, by declination: first on from the winter end, then, after
            // a move, on from the summer end.
            const auto weiter = [&](double dekl, bool neuerAnfang) {
                punkt(sonneTemporalDekl(s, nn, dekl, sonne, ebene.X2), true);
                const bool zeichnen = !neuerAnfang && EbeneBeleuchtet && EbeneBeleuchtetAlt && y <= yGrenze
                    && yAlt <= yGrenze;
                hpgl((zeichnen ? ";PD" : ";PU") + P(x, y));
            };
            for (double dekl = -s.EpsRund; dekl - 0.2 > -grenze; dekl -= 0.1)
                weiter(dekl, false);
            bool anfang = true;
            for (double dekl = s.EpsRund; dekl + 0.1 < grenze; dekl += 0.1) {
                weiter(dekl, anfang);
                anfang = false;
            }
        }
    }
}

namespace {

// The numbers are written 0.2 cm wide and 0.3 cm high, a character in a cell of 1.5 widths;
// their boxes keep a little room round the letters.
constexpr double kZahlBreite = 80.0, kZahlHoehe = 120.0, kZahlLuft = 10.0;

// The room two numbers' boxes on one line keep across: their letters a blank (a cell) apart, a
// unit more for the rounding of the places.
double leerQuer(int k)
{
    return (1.5 * kZahlBreite - 2 * kZahlLuft) * k + 1;
}

bool treffen(const std::array<double, 4>& a, const std::array<double, 4>& b, double quer)
{
    return a[0] < b[2] + quer && b[0] < a[2] + quer && a[1] < b[3] && b[1] < a[3];
}

// Whether two numbers' boxes stand on one line (sharing half the lower one's height) less than
// a blank apart: they read as one number.
bool alsEine(const std::array<double, 4>& a, const std::array<double, 4>& b, int k)
{
    const double gemeinsam = std::min(a[3], b[3]) - std::max(a[1], b[1]);
    return 2 * gemeinsam >= std::min(a[3] - a[1], b[3] - b[1]) && treffen(a, b, leerQuer(k));
}

} // namespace

std::array<double, 4> PlanarHpglSchreiber::zahlKasten(double px, double py, std::size_t n) const
{
    const double breite = kZahlBreite * k, hoehe = kZahlHoehe * k, luft = kZahlLuft * k;
    const double laenge = n == 0 ? 0 : (static_cast<double>(n) - 1) * 1.5 * breite + breite;
    return {px - luft, py - luft, px + laenge + luft, py + hoehe + luft};
}

bool PlanarHpglSchreiber::stehtFrei(const std::array<double, 4>& b, bool zahl) const
{
    return std::none_of(zahlKaesten.begin(), zahlKaesten.end(), [&](const auto& a) { return treffen(a, b, 0); })
        && (!zahl || std::none_of(zahlen.begin(), zahlen.end(), [&](const auto& a) { return alsEine(a, b, k); }));
}

std::array<double, 4> PlanarHpglSchreiber::nebenZahlen(std::array<double, 4> b, bool rechts) const
{
    for (const std::array<double, 4>& a : zahlen) {
        if (!alsEine(a, b, k))
            continue;
        const double d = rechts ? a[2] + leerQuer(k) - b[0] : a[0] - leerQuer(k) - b[2];
        b[0] += d;
        b[2] += d;
    }
    return b;
}

void PlanarHpglSchreiber::merkeZahl(const std::array<double, 4>& b)
{
    zahlKaesten.push_back(b);
    zahlen.push_back(b);
}

bool PlanarHpglSchreiber::aufPapier(const std::array<double, 4>& b) const
{
    return b[0] >= 0 && b[2] <= 16157.0 * k && b[1] >= 0 && b[3] <= std::min(11038.0 * k, static_cast<double>(H));
}

bool PlanarHpglSchreiber::aufBlatt(const std::array<double, 4>& b) const
{
    // A wall's plot is clipped just above the foot, where its horizon runs.
    double oben = std::min(11038.0 * k, static_cast<double>(H));
    if (vertikal && Y0 < 11028LL * k)
        oben = std::min(oben, static_cast<double>(Y0 + 10LL * k));
    return b[0] >= 0 && b[2] <= 16157.0 * k && b[1] >= 0 && b[3] <= oben;
}

// --- Italian and Babylonian hours ----------------------------------------------------------

void PlanarHpglSchreiber::italBabylStunden(bool babylonisch, int von, int bis, int unterteilung)
{
    // The plot draws them up to 66 degrees (the screen to 65).
    if (std::fabs(s.Par.Breite) > 66)
        return;
    // Sunrise and sunset in true local time on 21 June and on the 1st, 11th and 21st of July
    // to December.
    const AufUntergangTabellen tab = AufUntergangTabelle(s, s.Par.Zonenmeridian, s.Par.Breite);
    struct Tag {
        std::int32_t tag;
        double auf, unter;
    };
    std::vector<Tag> tage;
    tage.push_back({TagImJahr(s.Par.Jahr, 6, 21), tab.AufgangTabelle[2][0], tab.UntergangTabelle[2][0]});
    for (int monat = 7; monat <= 12; ++monat) {
        for (int zeile = 0; zeile < 3; ++zeile) {
            const auto m = static_cast<std::size_t>(monat - 6);
            tage.push_back({TagImJahr(s.Par.Jahr, monat, 1 + 10 * zeile), tab.AufgangTabelle[static_cast<std::size_t>(zeile)][m],
                            tab.UntergangTabelle[static_cast<std::size_t>(zeile)][m]});
        }
    }

    const int teile = unterteilung + 1;
    const double oben = yGrenze;
    for (int n = von; n <= bis; ++n) {
        for (int j = 0; j < teile; ++j) {
            const double nn = n + static_cast<double>(j) / teile;
            if (nn > bis)
                break;
            if (j == 0)
                hpgl(babylonisch ? ";SP 7;" : ";SP 6;");
            else if (j == 1)
                hpgl(";SP 9;");
            hpgl(";PU ");
            KopfOffen = true;
            Wert = nn;
            bool stiftUnten = false;
            bool hatErsten = false;
            double xErst = -100.1;
            std::vector<std::pair<double, double>> aufSeitePunkte; // the line's points on the page
            int folge = 0;       // drawable points in a row
            int gerechnet = 0;   // points computed on this line
            bool verlaengert = false;
            for (const Tag& t : tage) {
                const double zeit = babylonisch ? t.auf + nn : t.unter - nn;
                if (zeit < t.auf || zeit > t.unter) {
                    // The sun is down at this hour: run the line once on along its last
                    // segment to the border.
                    if (folge >= 2 && !verlaengert && !schirm) {
                        double ex = 0, ey = 0;
                        clipStreckenende(xAlt, yAlt, x, y, 0, 0, static_cast<double>(B), oben, ex, ey);
                        hpgl(";PU" + P(x, y) + ";PD" + P(ex, ey) + ";PU ");
                        stiftUnten = false;
                        verlaengert = true;
                    }
                    folge = 0;
                    continue;
                }
                punkt(sonneWahreOrtszeit(s, t.tag, zeit, sonne, ebene.X2), true);
                ++gerechnet;
                if (gerechnet == 1) {
                    hpgl(";PU" + P(x, y));
                    stiftUnten = false;
                } else {
                    linieZu(innen, innenAlt, true, stiftUnten, true);
                }
                if (!innen) {
                    folge = 0;
                    continue;
                }
                ++folge;
                if (aufBlatt({x, y, x, y}))
                    aufSeitePunkte.emplace_back(x, y);
                if (!hatErsten) {
                    hatErsten = true;
                    xErst = x;
                }
                if (gerechnet == 2 && folge == 2 && xErst > -10.1) {
                    // The line's first two points are on the page: run it back to the border.
                    double ex = 0, ey = 0;
                    clipStreckenende(x, y, xAlt, yAlt, 0, 0, static_cast<double>(B), static_cast<double>(H), ex, ey);
                    hpgl(";PU" + P(ex, ey) + ";PD" + P(xAlt, yAlt) + ";PU ");
                    stiftUnten = false;
                }
            }
            hpgl(";PU ");
            const int stunde = n;
            if (j == 0 && stunde % 2 == 0 && !aufSeitePunkte.empty()) {
                // Below (Babylonian) or above (Italian) the line's first point on the page; where
                // another hour number or the legend stands there, at the first later point on the
                // page where the number stands clear of them and whole on the page.
                const std::string zahl = std::to_string(babylonisch ? stunde : 24 - stunde);
                const double versatz = (babylonisch ? -150.0 : 30.0) * k;
                const double gegenueber = (babylonisch ? 30.0 : -150.0) * k;
                const auto ganz = [&](const std::array<double, 4>& b) { return aufBlatt(b); };
                const auto frei = [&](const std::array<double, 4>& b) { return ganz(b) && stehtFrei(b, true); };
                // Where no point leaves it clear on its side of the line, on the other side
                // (the sunset line of a wall runs along its horizon at the sheet's top); where
                // none does, the first place where it is whole, else the first.
                double lx = aufSeitePunkte.front().first, ly = aufSeitePunkte.front().second + versatz;
                const double links = -zahlKasten(0, 0, zahl.size())[2];
                const auto stelle = [&](auto&& passt, double dy) {
                    for (const auto& [px, py] : aufSeitePunkte)
                        for (const double dx : {0.0, links})
                            if (passt(zahlKasten(px + dx, py + dy, zahl.size()))) {
                                lx = px + dx;
                                ly = py + dy;
                                return true;
                            }
                    return false;
                };
                if (!stelle(frei, versatz) && !stelle(frei, gegenueber) && !stelle(ganz, versatz))
                    stelle(ganz, gegenueber);
                hpgl(";PU " + hpglZahl(lx) + " " + hpglZahl(ly) + ";" + hpglLabel(zahl));
                merkeZahl(zahlKasten(lx, ly, zahl.size()));
            }
        }
    }
}

// --- lines of equal altitude ---------------------------------------------------------------

void PlanarHpglSchreiber::hoehenlinien(int von, int bis, int unterteilung)
{
    hpgl(";SP 5");
    const int teile = (unterteilung == 2 ? 3 : unterteilung) + 1;
    const bool aequivalent = s.UhrTyp == 'i' && !schirm;
    for (int zehner = von / 10; zehner <= bis / 10; ++zehner) {
        for (int j = 0; j < teile; ++j) {
            const double h = 10.0 * zehner + 10.0 * j / teile;
            if (h > bis)
                break;
            hpgl(";PU ");
            KopfOffen = true;
            Wert = h / 10;
            for (const Azimutbereich& bereich : hoehenlinienBereiche(s, h)) {
                bool stiftUnten = false;
                bool erster = true;
                for (double a = bereich.von;; a += 2) {
                    const double az = std::min(a, bereich.bis);
                    punkt(sonneHoehenlinie(s, az, h, aequivalent, sonne, ebene.X2), true);
                    if (erster) {
                        hpgl(";PU" + P(x, y));
                        erster = false;
                    } else {
                        linieZu(innen, innenAlt, true, stiftUnten, true);
                    }
                    if (az >= bereich.bis)
                        break;
                }
                hpgl(";PU");
            }
        }
    }
}

// --- hour lines --------------------------------------------------------------------------

void PlanarHpglSchreiber::stundenlinien(int von, int bis, bool mitZeitgl, bool analemma)
{
    const std::string zeitart(text(s.Schalter.OhneLaengenkorrektur ? 16 : 17));
    if (analemma) {
        hpgl(";SP 4");
        lLeer();
        lZeile(text(163));
        lZeile(strichLinie(76));
        Linienart = 'm';
        Wert = s.Schalter.AnalemmaStunde;
    } else if (mitZeitgl) {
        hpgl(";SP 4");
        lLeer();
        lZeile(mitLeerzeichen(text(143), zeitart) + ", " + std::string(text(141)));
        lZeile(strichLinie(76));
        Linienart = 'a';
    } else {
        hpgl(";SP 3");
        lLeer();
        lZeile(mitLeerzeichen(text(143), zeitart) + ", " + std::string(text(142)));
        lZeile(strichLinie(76));
        Linienart = 's';
    }

    const int teile = stundenUnterteilung(mitZeitgl ? s.Schalter.EotIntervall : s.Schalter.StundenIntervall);
    // Straight lines may be drawn on to the pole point, where they all meet.
    const bool zumPol = !mitZeitgl && s.Schalter.BisFusspunkt && !schirm;
    double xPol = 0, yPol = 0;
    if (zumPol) {
        const Polversatz v = polstabVersatz(s, G, 1e-6);
        xPol = static_cast<double>(X0) + v.X;
        yPol = static_cast<double>(Y0) + v.Y;
    }
    const int tag21Juni = TagImJahr(s.Par.Jahr, 6, 21);
    const int tag21Dez = TagImJahr(s.Par.Jahr, 12, 21);
    const int tageImJahr = TagImJahr(s.Par.Jahr, 12, 31);

    for (int stunde = von; stunde <= bis; ++stunde) {
        for (int j = 0; j < teile; ++j) {
            const double t = stunde + static_cast<double>(j) / teile;
            if (t > bis)
                break;
            if (j == 0)
                hpgl(mitZeitgl ? ";SP 4" : ";SP 3");
            else if (j == 1)
                hpgl(mitZeitgl ? ";SP 2" : ";SP 8");
            hpgl(";PU");
            lZeile();
            lText(text(156));
            if (j == 0) {
                lText(ZahlRechtsbuendig(stunde, 3) + ":00 " + std::string(text(161)) + ":");
            } else {
                const auto minuten = roundHalfEven((t - std::trunc(t)) * 60.0L);
                lText(ZahlRechtsbuendig(stunde, 3) + ":" + ZahlRechtsbuendig(minuten, 2) + " "
                      + std::string(text(161)) + ":");
            }
            Zaehler = 0;
            KopfOffen = analemma;

            const auto sonneAm = [&](int tag) { return sonneStundenlinie(s, tag, t, mitZeitgl, sonne, ebene.X2, Laenge); };
            // The line in strokes of days; each stroke begins with a move to its first point.
            std::vector<std::vector<int>> zuege;
            if (mitZeitgl) {
                // The part of the June-to-December branch that lies on the dial: the first day
                // on it from 21 June on (21 December when none is before day 354), and the
                // last one before 21 December, searched backward.
                int start = tag21Juni;
                for (;;) {
                    punkt(sonneAm(start), false);
                    if (innen || start + 3 > 357)
                        break;
                    start += 3;
                }
                if (start > 353)
                    start = tag21Dez;
                int ende = tag21Dez;
                for (;;) {
                    punkt(sonneAm(ende), false);
                    if (innen || ende - 3 < 169)
                        break;
                    ende -= 3;
                }
                // Between the days found, with the neighbouring day on each side so that the
                // line runs on to the border as on screen; then from 21 December round the
                // year to 21 June, clipped as on screen.
                std::vector<int> sommer;
                if (start <= ende) {
                    for (int d = std::max(tag21Juni, start - 3); d <= std::min(tag21Dez, ende + 3); d += 3)
                        sommer.push_back(d);
                }
                std::vector<int> winter;
                for (int d = tag21Dez; d < tag21Juni + tageImJahr; d += 3)
                    winter.push_back(d > tageImJahr ? d - tageImJahr : d);
                winter.push_back(tag21Juni);
                if (!sommer.empty() && sommer.back() == tag21Dez) {
                    sommer.insert(sommer.end(), winter.begin() + 1, winter.end());
                    zuege.push_back(std::move(sommer));
                } else {
                    if (!sommer.empty())
                        zuege.push_back(std::move(sommer));
                    zuege.push_back(std::move(winter));
                }
            } else {
                std::vector<int> tage{171};
                for (int d = 176; d < 366; d += 3)
                    tage.push_back(d);
                zuege.push_back(std::move(tage));
            }

            bool stiftUnten = false;
            double fernD = -1, xFern = 0, yFern = 0;
            for (std::size_t z = 0; z < zuege.size(); ++z) {
                const std::vector<int>& tage = zuege[z];
                for (std::size_t i = 0; i < tage.size(); ++i) {
                    punkt(sonneAm(tage[i]), true);
                    if (i == 0) {
                        hpgl(z == 0 ? P(x, y) : ";PU" + P(x, y)); // the pen is up after the line's ";PU"
                        stiftUnten = false;
                    } else {
                        linieZu(innen, innenAlt, true, stiftUnten, true);
                    }
                    if (zumPol && innen) {
                        const double d = std::hypot(x - xPol, y - yPol);
                        if (d > fernD) {
                            fernD = d;
                            xFern = x;
                            yFern = y;
                        }
                    }
                }
            }
            if (zumPol && fernD >= 0) {
                double ex = 0, ey = 0;
                clipLinie(0, 0, static_cast<int>(B), static_cast<int>(H), xFern, yFern, xPol, yPol, ex, ey);
                hpgl(";PU" + P(xFern, yFern) + ";PD" + P(ex, ey) + ";PU ");
            }
            if (analemma && von == bis && von == s.Schalter.AnalemmaStunde)
                analemmaMarken(t);
        }
    }
}

void PlanarHpglSchreiber::analemmaMarken(double stunde)
{
    const std::vector<int> tage = analemmaMarkenTage(s.Schalter.AnalemmaMarken);
    int marken = 0;
    for (int monat = 1; monat <= 12; ++monat) {
        for (std::size_t i = 0; i < tage.size(); ++i) {
            const int tag = TagImJahr(s.Par.Jahr, monat, tage[i]);
            punkt(sonneStundenlinie(s, tag, stunde, true, sonne, ebene.X2, Laenge), true);
            hpgl(i == 0 ? ";SP 2;" : ";SP 4;");
            const bool sichtbar = aufSeite && (schirm ? beleuchtet : EbeneBeleuchtet);
            if (sichtbar)
                hpgl(";PU" + P(x, y) + ";CI " + std::to_string(10 * k) + ";");
            const double mm = 40.0 * k;
            lText(ZahlRechtsbuendig(tage[i], 6) + ". " + std::string(monatKurz(s, monat)) + ": "
                  + RealStr((x - static_cast<double>(X0)) / mm, 8, 3) + "/"
                  + RealStr((y - static_cast<double>(Y0)) / mm, 8, 3) + ";");
            if (++marken % 2 == 0)
                lZeile();
        }
    }
    hpgl(";SP 2;");
}

} // namespace umbrin
