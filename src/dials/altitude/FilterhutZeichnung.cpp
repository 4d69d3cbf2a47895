#include "dials/altitude/FilterhutZeichnung.h"

#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Projektion.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/Zahlenplatz.h"
#include "dials/altitude/Zylinderlinien.h"
#include "dials/altitude/Zylinderuhrgeometrie.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace umbrin {
namespace {

// The largest circumference the screen and the page lay out.
constexpr double kGroessterUmfang = 300;

struct Punkt {
    double x = 0, y = 0;
    bool sichtbar = false;
};

class Filterhut {
public:
    Filterhut(const AppState& s, Canvas& c, const FilterhutAuftrag& a) : s_(s), c_(c), a_(a), walk_(s) {}
    Konstruktionsmeldungen zeichne();

private:
    void zeichneAzimutLinie(double x, int y1, int y2);
    static void kappeAufHoehe(double& x, double& y, double xAnderer, double yAnderer, double hoehe);
    Punkt punkt(double azimut, double hoehe) const;
    void beginneLinie() { erster_ = true; }
    void weiter(Punkt p);
    void gehe(const Punkt& p) { c_.moveTo(canvasZahl(g_.x0 + p.x), canvasZahl(g_.oben + p.y)); }
    void ziehe(const Punkt& p) { c_.lineTo(canvasZahl(g_.x0 + p.x), canvasZahl(g_.oben + p.y)); }
    void hoehenskala();
    void azimutskala();
    void skalenzahl(int x, int y, const std::string& text);
    void zeichneStundenFilterhut(Stundenbereich b, int n, const Stundenrechnung& r, int familie);
    void datumslinien();
    void zeichneItalBabylFilterhut(bool italienisch, int von, int bis, int intervall);
    // The legend; without zeichnen its texts only take their places, which the hour numbers
    // then keep clear of.
    void legende(bool zeichnen);

    const AppState& s_;
    Canvas& c_;
    const FilterhutAuftrag& a_;
    FilterhutMasse g_;
    std::int32_t d0_ = 0, d1_ = 0;
    double fh_ = 14;
    Punkt vorher_;
    bool erster_ = true;
    Zahlenplatz zahlen_{2};
    Konstruktionsmeldungen meldungen_;
    Stundenwalk walk_; // every hour line walks the same days
};

void Filterhut::zeichneAzimutLinie(double x, int y1, int y2)
{
    c_.moveTo(canvasZahl(x), y1);
    c_.lineTo(canvasZahl(x), y2);
}

void Filterhut::kappeAufHoehe(double& x, double& y, double xAnderer, double yAnderer, double hoehe)
{
    if (std::fabs(y - yAnderer) <= 1e-5) {
        y = hoehe;
        return;
    }
    if (y > hoehe || y < 0)
        x = xAnderer + (x - xAnderer) * (hoehe - yAnderer) / (y - yAnderer);
    else
        x = xAnderer;
    y = hoehe;
}

Punkt Filterhut::punkt(double azimut, double hoehe) const
{
    const Zylinderpunkt z = filterhutPunkt(azimut, hoehe, g_.sigma, g_.u, g_.k);
    return {z.x, z.y, z.gueltig && z.y < g_.H};
}

// One step of a line: the face is cut at the top edge (the horizon) and at its lower edge.
void Filterhut::weiter(Punkt p)
{
    if (erster_) {
        erster_ = false;
        vorher_ = p;
        return;
    }
    Punkt& v = vorher_;
    const double L = g_.Lmax;
    if (p.sichtbar) {
        if (!v.sichtbar && v.y < 0)
            kappeAufHoehe(v.x, v.y, p.x, p.y, 0);
        gehe(v);
        if (p.y > L && v.y < L) {
            kappeAufHoehe(p.x, p.y, v.x, v.y, L);
        } else if (p.y < L && v.y > L) {
            kappeAufHoehe(v.x, v.y, p.x, p.y, L);
            gehe(v);
        }
        if (v.y <= L && p.y <= L)
            ziehe(p);
    } else if (v.sichtbar && p.y < 0) {
        kappeAufHoehe(p.x, p.y, v.x, v.y, 0);
        gehe(v);
        ziehe(p);
    }
    vorher_ = p;
}

// A figure of a scale, whose box the hour numbers keep clear of.
void Filterhut::skalenzahl(int x, int y, const std::string& text)
{
    c_.textOut(x, y, text);
    zahlen_.belege(x, y, c_.textExtent(text).width, c_.fontHeight());
}

void Filterhut::hoehenskala()
{
    const CanvasBrush vorher = c_.brush();
    c_.setBrush({0xCBF5F5, BrushStyle::Solid});
    c_.setPenColor(s_.Farben[7]);
    const double rechts = g_.x0 + 183 * g_.u;
    c_.rectangle(canvasZahl(rechts), g_.oben, canvasZahl(rechts + 2 * fh_), g_.unten);
    for (int a = 1; a <= 88; ++a) {
        const double y = g_.k * TanGrad(a);
        if (!(y < g_.unten - g_.oben))
            continue;
        const int yc = g_.oben + canvasZahl(y);
        if (a % 5 == 0) {
            c_.moveTo(canvasZahl(g_.x0 - 183 * g_.u), yc);
            c_.lineTo(canvasZahl(rechts + 2 * fh_), yc);
            skalenzahl(g_.x0 + canvasZahl(2.5 * fh_ + 183 * g_.u), g_.oben + canvasZahl(y - fh_ / 2), IntStr(a) + " °");
        } else {
            c_.moveTo(canvasZahl(rechts + fh_), yc);
            c_.lineTo(canvasZahl(rechts + 2 * fh_), yc);
        }
    }
    c_.setBrush({FarbeWeiss, vorher.style});
    c_.setPenColor(s_.Farben[0]);
}

void Filterhut::azimutskala()
{
    // On a narrow face a figure that would reach the last one written is left out.
    int frei = INT_MIN;
    for (int a = -180; a <= 180; a += 10) {
        zeichneAzimutLinie(g_.x0 + a * g_.u, g_.oben, g_.unten);
        if (a % 20 != 0)
            continue;
        const std::string text = IntStr(g_.sigma > 0 ? -a : a <= 0 ? -a - 180 : 180 - a);
        const int x = canvasZahl(g_.x0 + a * g_.u - 3);
        if (x < frei)
            continue;
        frei = x + c_.textExtent(text).width + c_.textExtent(" ").width;
        skalenzahl(x, canvasZahl(g_.oben - 1.1 * fh_), text);
    }
}

// One family of hour lines (familie 0 temporal, 1 apparent, 2 mean time), each line over the
// days from three days before the range to its end.
void Filterhut::zeichneStundenFilterhut(Stundenbereich b, int n, const Stundenrechnung& r, int familie)
{
    const std::int32_t sommer = TagImJahr(s_.Par.Jahr, 6, 21);
    const int breite = s_.Schalter.Linienstaerke;
    for (int h = b.von; h <= b.bis; ++h) {
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > b.bis)
                continue;
            const bool ganz = j == 0;
            if (familie == 0)
                c_.setPenColor(s_.Farben[ganz ? 9 : 8]);
            else if (familie == 1)
                c_.setPenColor(s_.Farben[ganz ? 2 : 4]);
            c_.setPenWidth(breite);
            // The line's points first: its number stands at its points near 21 June, or, where
            // those are dark or off the face, at the nearest point the sun reaches on the face.
            struct Tag {
                std::int32_t d;
                double azimut;
                Punkt q;
            };
            std::vector<Tag> tage;
            const auto tag = [&](std::int32_t d) {
                const Stundensonne p = walk_.sonne(tage.size(), d, t, r);
                tage.push_back({d, p.azimut, punkt(p.azimut, p.hoehe)});
            };
            tag(d0_ - 3);
            for (std::int32_t d = d0_;; d += 3) {
                if (d >= d1_) {
                    tag(d1_);
                    break;
                }
                tag(d);
            }
            const std::string zahl = IntStr(h);
            c_.setFontColor(s_.Farben[familie == 0 ? 9 : 2]);
            // Beside the line's end the number keeps between two azimuth lines: where one runs
            // through its place, it moves across to the nearer side of that line (above the
            // line's end in the south the date lines crowd on either side).
            const TextExtent ausdehnung = c_.textExtent(zahl);
            const int breiteZahl = ausdehnung.width;
            const auto zwischenLinien = [&](double links, int y) {
                return CanvasPoint{canvasZahl(nebenAzimutlinie(links, breiteZahl, g_.x0, 10 * g_.u, 2)), y};
            };
            // In the north beside the point, away from the face's centre line; in the south,
            // where 21 June is the line's upper end, just above that end.
            const auto zahlOrt = [&](const Tag& g) {
                if (g_.sigma < 0)
                    return CanvasPoint{canvasZahl(g_.x0 + g.q.x) - breiteZahl / 2,
                                       g_.oben + canvasZahl(g.q.y) - c_.fontHeight() - 2};
                const double sA = g.azimut >= 0 ? 1 : -1;
                return zwischenLinien(canvasZahl(g_.x0 + g.q.x - 1.5 * sA * c_.fontHeight()), g_.oben + canvasZahl(g.q.y));
            };
            // A number stands cleanly where the sun reaches the face, wholly inside the face's
            // width on the sheet and below its top edge (the azimuth numbers stand above it),
            // clear of the scales' figures, the legend, the notes and the numbers written before.
            // Where its place by 21 June is taken, it stands just beside what is in the way, or,
            // where nothing beside is clear, at the clean place nearest along its line.
            // The sun at 24 o'clock of a day stands where it stands at 0 o'clock of the next:
            // both hours draw one line, and 24's number stands only where it reads as a number
            // of its own; else 0's names the line alone.
            const bool zwilling = familie != 0 && h - 24 >= b.von;
            std::vector<char> gewuenscht, moeglich, beleuchtet, daneben;
            std::size_t bezug = 0;
            for (std::size_t i = 0; i < tage.size(); ++i) {
                const Tag& g = tage[i];
                const CanvasPoint o = zahlOrt(g);
                const TextExtent& e = ausdehnung;
                const double x = g_.x0 + g.q.x;
                beleuchtet.push_back(g.q.sichtbar && g.q.y > 0 && g.q.y <= g_.Lmax && x >= g_.m && x <= g_.W);
                const bool innen = beleuchtet.back() && o.x >= g_.m && o.y >= g_.oben && o.x + e.width <= g_.W
                                   && o.y + e.height <= g_.H;
                const bool wunsch = std::abs(g.d - sommer) < 3 && g.q.y > 0;
                const bool frei = innen && zahlen_.istFrei(o.x, o.y, e.width, c_.fontHeight());
                bool neben = false;
                if (ganz && wunsch && innen && !frei) {
                    Zahlenplatz probe = zahlen_;
                    neben = probe.platziereFrei(o.x, o.y, breiteZahl, c_.fontHeight()).has_value();
                }
                daneben.push_back(neben);
                gewuenscht.push_back(wunsch);
                moeglich.push_back(frei || daneben.back());
                if (std::abs(g.d - sommer) < std::abs(tage[bezug].d - sommer))
                    bezug = i;
            }
            // A full hour the sun never reaches on the sheet is left out; one it reaches is
            // always drawn.
            const std::vector<std::size_t> stellen =
                ganz ? zahlenStellen(gewuenscht, moeglich, beleuchtet, bezug) : std::vector<std::size_t>{};
            if (ganz && stellen.empty())
                continue;
            beginneLinie();
            for (std::size_t i = 0; i < tage.size(); ++i) {
                if (familie == 2) {
                    if (tage[i].d < sommer) {
                        c_.setPenColor(s_.Farben[ganz ? 1 : 5]);
                        c_.setPenWidth(breite);
                    } else {
                        if (ganz)
                            c_.setPenColor(s_.Farben[1]);
                        c_.setPenWidth(breite + 1);
                    }
                }
                if (!stellen.empty() && i == stellen[0]) {
                    c_.setFontColor(s_.Farben[familie == 0 ? 9 : 2]);
                    const CanvasPoint w = zahlOrt(tage[i]);
                    const CanvasPoint b = zahlen_.aufsBlatt(w.x, w.y, breiteZahl, c_.fontHeight());
                    // Beside what is in the way, or at its own place; 24's only where that is clear.
                    const std::optional<CanvasPoint> o =
                        daneben[i] || zwilling ? zahlen_.platziereFrei(b.x, b.y, breiteZahl, c_.fontHeight())
                                               : zahlen_.platziere(b.x, b.y, breiteZahl, c_.fontHeight());
                    if (o)
                        c_.textOut(o->x, o->y, zahl);
                }
                weiter(tage[i].q);
            }
        }
    }
}

void Filterhut::datumslinien()
{
    c_.setPen({s_.Farben[3], s_.Schalter.Linienstaerke, PenStyle::Solid});
    const bool drei = s_.Schalter.Schattenlaenge != 0;
    const GradMitSinus phi(s_.Par.Breite);
    for (int i = 1; i <= 7; ++i) {
        if (drei && i != 1 && i != 4 && i != 7)
            continue;
        const GradMitSinus dekl(s_.TierkreisDekl[static_cast<std::size_t>(i)]);
        beginneLinie();
        for (int T = -180; T <= 180; T += 3) {
            double h = 0, A = 0;
            AzimutHoehe(h, A, phi, dekl, T);
            weiter(punkt(A, h));
        }
    }
}

void Filterhut::zeichneItalBabylFilterhut(bool italienisch, int von, int bis, int intervall)
{
    if (std::fabs(s_.Par.Breite) > kTemporalGrenzbreite) {
        meldungen_.push_back({PromptTitle::Problem, PromptIcon::Error, italBabylVerweigerungText(s_)});
        return;
    }
    const int n = intervall + 1;
    for (int h = von; h <= bis; ++h) {
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > bis)
                continue;
            c_.setPenColor(s_.Farben[j > 0 ? 6 : italienisch ? 4 : 5]);
            beginneLinie();
            // Sunrise and sunset of every day the lines pass are worked out once for all of them.
            // A line whose sun is below the horizon on all its days draws nothing: its points
            // are not worked out.
            std::size_t k = 0;
            bool amHimmel = false;
            dreiTageSchritte(d0_, d1_, [&](std::int32_t d) {
                amHimmel = amHimmel || !italBabylUnterDemHorizont(walk_.grenzen(k++, d), t, !italienisch);
            });
            if (!amHimmel)
                continue;
            k = 0;
            dreiTageSchritte(d0_, d1_, [&](std::int32_t d) {
                const Stundensonne p = walk_.italBabyl(k++, d, t, !italienisch);
                weiter(punkt(p.azimut, p.hoehe));
            });
        }
    }
}

void Filterhut::legende(bool zeichnen)
{
    const auto text = [&](int x, int y, const std::string& t) {
        if (zeichnen)
            c_.textOut(x, y, t);
        else
            zahlen_.belege(x, y, c_.textExtent(t).width, c_.fontHeight());
    };
    const bool druck = !a_.bildschirm;
    const int m = g_.m, W = g_.W, H = g_.H;
    c_.setFontColor(s_.Farben[3]);
    // The size line below the pointer stands left of the title's second line; on a narrow
    // page that line moves right of it.
    c_.setFontHeight(druck ? 30 : a_.grosserBildschirm ? 14 : 12);
    const int b = c_.fontHeight();
    const std::string masse = std::string(texteText(s_, 151)) + RealStr(a_.P, 5, 0) + " mm; " + holeText(s_, 579)
                              + " = " + RealStr(s_.SkalaZylinder, 5, 0) + " mm";
    const int masseEnde = m + b + c_.textExtent(masse).width;
    c_.setFontHeight(druck ? 40 : a_.grosserBildschirm ? 23 : 16);
    const int fTitel = c_.fontHeight();
    const int xTitel = m + canvasZahl(0.36 * W);
    text(xTitel, H - canvasZahl(2.2 * fTitel), sprachText(s_, "Zylindersonnenuhr", " Cylinder Sundial"));
    text(std::max(xTitel, masseEnde + fTitel / 2), H - canvasZahl(1.3 * fTitel),
         sprachText(s_, " (Hutsonnenuhr)", " (Hat Dial)"));

    c_.setFontHeight(druck ? 30 : a_.grosserBildschirm ? 14 : 12);
    const int fh = druck ? 30 : c_.textExtent("f").height;
    const int x = m + canvasZahl(0.7 * W) + 10;
    const std::string ort = ersteZeichen(zylinderOrtszeile(s_), 60);
    text(imRahmen(c_, x, W, ort), H - canvasZahl(2.6 * fh), ort);
    const std::string zeit = zylinderZeitzeile(s_);
    text(imRahmen(c_, x, W, zeit), H - canvasZahl(1.5 * fh), zeit);

    // The pointer at true size, its length and the circumference as entered.
    c_.setPenColor(0x800080);
    c_.setFontColor(0x800080);
    if (zeichnen)
        zeigerInWahrerGroesse(s_, c_, m + b, H - 2 * b, canvasZahl(g_.k), b / 2, W, meldungen_);
    text(m + b, H - canvasZahl(1.5 * b), masse);
}

Konstruktionsmeldungen Filterhut::zeichne()
{
    g_ = filterhutMasse(s_, a_);
    const bool druck = !a_.bildschirm;
    if (temporalZuHoch(s_.Par.Breite, s_.Schalter.Temporalstunden != 0)) {
        zeichneZylinderVerweigerung(s_, c_, g_.W, g_.H, std::string(texteText(s_, 153)));
        return {};
    }
    if (s_.Schalter.MitZeitglZylinder) {
        d0_ = 1;
        d1_ = TagImJahr(s_.Par.Jahr, 12, 31);
    } else {
        d0_ = TagImJahr(s_.Par.Jahr, 6, 21);
        d1_ = TagImJahr(s_.Par.Jahr, 12, 21);
    }
    const std::string achsenText(texteText(s_, 155));
    if (g_.gekuerzt && (a_.achseGemeldet == nullptr || !*a_.achseGemeldet)) {
        meldungen_.push_back({PromptTitle::Problem, PromptIcon::Question, achsenText});
        if (a_.achseGemeldet)
            *a_.achseGemeldet = true;
    }

    // The face keeps its cut at the sheet; the user is told what it leaves out.
    if (g_.geschnitten)
        meldungen_.push_back({PromptTitle::Problem, PromptIcon::Question, filterhutSchnittText(s_, g_.bisHoehe)});

    c_.setPen({s_.Farben[0], 1, PenStyle::Solid});
    c_.setFontName("Arial");
    c_.setFontColor(s_.Farben[3]);
    c_.rectangle(g_.m, g_.m, g_.W, g_.H);
    zahlen_.begrenze(g_.m, g_.m, g_.W, g_.H);
    // Two numbers on one line closer than a blank (some 0.3 of their height) read as one.
    zahlen_.setzeLeerraum(0.3);
    c_.setFontHeight(druck ? 35 : 16);
    if (g_.gekuerzt) {
        const int f = c_.fontHeight();
        c_.setFontColor(FarbeRot);
        c_.setFontHeight(canvasZahl(0.8 * f));
        c_.textOutRotated(g_.W - f, g_.H / 10, achsenText, -90);
        // The note runs down the page, its letters' feet towards the face: numbers keep off it.
        const int hoehe = c_.fontHeight();
        zahlen_.belege(g_.W - f - hoehe, g_.H / 10, hoehe, c_.textExtent(achsenText).width);
        c_.setFontHeight(f);
    }
    c_.setFontColor(s_.Farben[3]);
    c_.rectangle(canvasZahl(g_.x0 - 183 * g_.u), g_.oben, canvasZahl(g_.x0 + 183 * g_.u), g_.unten);
    c_.setFontHeight(druck ? 30 : 14);
    fh_ = c_.fontHeight();
    if (s_.Schalter.Sonnenhoehe)
        hoehenskala();
    azimutskala();
    // The legend's texts take their places before the hour numbers, which keep clear of them.
    const CanvasFont schrift = c_.font();
    const CanvasPen stift = c_.pen();
    legende(false);
    c_.setFont(schrift);
    c_.setPen(stift);

    const TSchalter& sw = s_.Schalter;
    const TZeiten& z = s_.Zeiten;
    if (sw.Temporalstunden) {
        Stundenrechnung r;
        r.art = Stundenart::Temporal;
        zeichneStundenFilterhut(temporalBereich(s_, z.QuadTempVon, z.QuadTempBis, meldungen_),
                                sw.TemporalIntervall + 1, r, 0);
    }
    if (sw.OhneZeitgl) {
        Stundenrechnung r;
        r.meridian = sw.Ortszeit ? s_.Par.Laenge : s_.Par.Zonenmeridian;
        zeichneStundenFilterhut({z.QuadVon, z.QuadBis}, std::clamp(sw.StundenIntervallSonst - '0', 0, 9) + 1, r, 1);
    }
    if (sw.MitZeitglZylinder) {
        Stundenrechnung r;
        r.meridian = sw.OrtszeitAnzeige ? s_.Par.Laenge : s_.Par.Zonenmeridian;
        r.mitZeitgl = true;
        zeichneStundenFilterhut({z.StundeVon, z.StundeBis}, std::clamp(sw.EotIntervall - '0', 0, 9) + 1, r, 2);
    }
    datumslinien();
    if (sw.Babylonisch)
        zeichneItalBabylFilterhut(false, z.BabVon, z.BabBis, sw.Intervalle[0]);
    if (sw.Italienisch)
        zeichneItalBabylFilterhut(true, z.ItalVon, z.ItalBis, sw.Intervalle[1]);
    c_.setPenWidth(1);
    legende(true);
    return meldungen_;
}

} // namespace

FilterhutMasse filterhutMasse(const AppState& s, const FilterhutAuftrag& a)
{
    FilterhutMasse g;
    const bool druck = !a.bildschirm;
    g.m = druck ? 50 : 0;
    g.W = druck ? a.breite - 50 : a.breite;
    g.H = druck ? a.hoehe - 50 : a.hoehe;
    g.sigma = s.Par.Breite >= 0 ? 1 : -1;
    g.L = s.SkalaZylinder;
    double laengste = kGroessterUmfang;
    if (druck) {
        // The page's width holds the face (x0 = W/2 - 4u + m) from x0 - 183u on the left to
        // the azimuth numbers (from x0 + 180u - 3) or the altitude strip with its numbers (from
        // x0 + 183u + 2.5 fh) on the right, fh 30 and four characters to a number; a degree is
        // a 36th of the circumference in units.
        const double ziffern = 4 * 0.6 * 30;
        const double grad = s.Schalter.Sonnenhoehe ? 179 : 176;
        const double rand = s.Schalter.Sonnenhoehe ? 2.5 * 30 + ziffern : ziffern - 3;
        const auto laengsteBei = [&](double r) {
            return std::floor(36 * std::min((g.W / 2.0 - g.m - r) / grad, g.W / 2.0 / 187));
        };
        laengste = std::min(laengste, laengsteBei(rand));
        // A shortened axis is noted along the right edge (0.8 of the scale's height 35, one
        // height from the edge): the face keeps clear of that note.
        if (g.L > laengste)
            laengste = std::min(laengste, laengsteBei(rand + 2.5 * 35));
    }
    if (g.L > laengste) {
        g.L = laengste;
        g.gekuerzt = true;
    }
    if (druck)
        g.s = 10;
    else if (g.W > 1.414 * g.H)
        g.s = 1.42 * g.H / 305;
    else
        g.s = g.W / 305.0;
    g.k = static_cast<double>(roundHalfEven(g.s * a.P));
    // The page wraps the cylinder: a degree is a 360th of the circumference there.
    g.u = g.s * g.L / (druck ? 360 : 365);
    const double phi = std::fabs(s.Par.Breite);
    g.hmax = phi < s.EpsRund ? 90 : 90 - phi + s.EpsRund;
    g.Lmax = std::fabs(std::cos(g.hmax * kRad)) <= 0.0001 ? 100000.0 : std::fabs(1.05 * g.k * std::tan(g.hmax * kRad));
    // A face deeper than the sheet starts at its top and is cut at its foot, on the page as
    // on the screen.
    g.oben = 0.9 * g.H > g.Lmax ? (g.H - canvasZahl(g.Lmax)) / 3 + g.m : g.m;
    // The azimuth numbers stand 1.1 of their height above the face: a face that would start
    // higher starts just low enough to keep them on the sheet.
    g.oben = std::max(g.oben, g.m + canvasZahl(1.2 * (druck ? 30 : 14)));
    g.unten = canvasZahl(g.oben + g.Lmax);
    // A cut face ends above the title, which stands across the face's width.
    const int titel = druck ? 40 : a.grosserBildschirm ? 23 : 16;
    const int ueberTitel = g.H - canvasZahl(2.4 * titel);
    if (g.unten > 0.96 * g.H || g.unten > ueberTitel) {
        g.unten = std::min(canvasZahl(0.93 * g.H), ueberTitel);
        g.Lmax = g.unten - g.oben;
        // The face's depth keeps 5 % beyond the highest noon shadow: a cut within that loses
        // nothing.
        g.bisHoehe = g.k > 0 ? std::atan(g.Lmax / g.k) / kRad : 90;
        g.geschnitten = g.bisHoehe < g.hmax;
    }
    g.x0 = std::max(canvasZahl(g.W / 2.0 - 4 * g.u + g.m), g.m + 2);
    return g;
}

std::string filterhutSchnittText(const AppState& s, double bisHoehe)
{
    // Below the obliquity the noon sun reaches the zenith, whose shadow has no end: no pointer
    // is short enough.
    if (std::fabs(s.Par.Breite) >= s.EpsRund)
        return std::string(texteText(s, 213));
    const std::string bis = " " + RealStr(bisHoehe, 4, 1) + " °";
    if (!s.Deutsch)
        return "The sheet cuts the face at" + bis + " of the sun's altitude:\r\n"
               "higher suns (up to 90 °) are not shown, whatever the pointer length.";
    return "Das Blatt schneidet die Fläche bei" + bis + " Sonnenhöhe ab:\r\n"
           "höhere Sonnenstände (bis 90 °) zeigt sie nicht, bei keiner Zeigerlänge.";
}

Konstruktionsmeldungen zeichneFilterhutSU(const AppState& s, Canvas& c, const FilterhutAuftrag& a)
{
    return Filterhut(s, c, a).zeichne();
}

} // namespace umbrin
