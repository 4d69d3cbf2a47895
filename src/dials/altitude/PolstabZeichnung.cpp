#include "dials/altitude/PolstabZeichnung.h"

#include "core/RecordingCanvas.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/Raster.h"
#include "dials/UngleicheStunden.h"
#include "dials/altitude/Hoehenuhrbasis.h"
#include "dials/altitude/Zylinderlinien.h"
#include "dials/Zahlenplatz.h"
#include "dials/altitude/Zylinderuhrgeometrie.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace umbrin {
namespace {

enum class Art { Wahr = 0, Temporal = 1, Babylonisch = 2, Italienisch = 3 };

class Polstab {
public:
    // zaehlen: only to count the lines the sun draws, on a canvas nobody sees.
    Polstab(const AppState& s, Canvas& c, const PolstabAuftrag& a, bool zaehlen = false)
        : s_(s), c_(c), a_(a), zaehlen_(zaehlen)
    {
    }
    Konstruktionsmeldungen zeichne();
    // Strokes of the sun's lines drawn so far where the sun stands above the horizon.
    int linien() const { return linien_; }
    // Whether the counting run has its answer: one line of the sun is enough.
    bool gezaehlt() const { return zaehlen_ && linien_ > 0; }

private:
    void zeichneMarkenstrich(int x, int y1, int y2);
    Zylinderpunkt projiziereAufZylinder(double azimut, double hoehe)
    {
        hoehe_ = hoehe;
        return polstabPunkt(z_, azimut, hoehe);
    }
    bool sichtbar(const Zylinderpunkt& p) const { return p.gueltig && p.y > yP_; }
    // A point of the face the sun's shadow reaches: the point projected last, with the sun
    // above the horizon and the shadow below the casting point's level.
    bool beleuchtet(const Zylinderpunkt& p) const { return sichtbar(p) && hoehe_ > 0 && p.y > 0; }
    // Whether a number written at (x, y) stands wholly on the sheet above the legend (always,
    // when only counting the lines).
    bool aufDemBlatt(int x, int y, const TextExtent& e) const
    {
        return zaehlen_ || (x >= m_ && y >= m_ && x + e.width <= m_ + W_ && y + e.height <= unten_);
    }
    CanvasPoint ort(const Zylinderpunkt& p) const { return {canvasZahl(FX_ + p.x), FY_ + canvasZahl(p.y)}; }
    // Whether the sun's shadow at p falls on the sheet above the legend, where lines are drawn.
    bool beleuchtetAufDemBlatt(const Zylinderpunkt& p) const
    {
        const CanvasPoint q = ort(p);
        return beleuchtet(p) && (zaehlen_ || (q.x >= m_ && q.x <= m_ + W_ && q.y >= m_ && q.y <= fuss_));
    }
    // The line rule: a visible point joins the line or starts it; an invisible one ends it.
    void weiter(const Zylinderpunkt& p);
    void neueLinie() { begonnen_ = false; }
    void farbe(Farbe f)
    {
        c_.setPenColor(f);
        c_.setFontColor(f);
    }
    void zeichneMittlereZeitPolstab(int h, double t, bool ganz);
    void zeichneStundenPolstab(int von, int bis, Art art, int n);
    void zeichneItalBabylPolstab(int von, int bis, Art art, int n);
    // The k-th day of the Italian and Babylonian walk, day d of the year.
    const UngleicherTag& italBabylTag(std::size_t k, std::int32_t d);
    void datumslinien();
    void kreis(const Zylinderpunkt& p, int r);
    // An hour number at (x, y), or as near as it stands clear of the numbers before it.
    void zahl(int x, int y, const std::string& text)
    {
        const int breite = c_.textExtent(text).width, hoehe = c_.fontHeight();
        const CanvasPoint b = zahlen_.aufsBlatt(x, y, breite, hoehe);
        const CanvasPoint q = zahlen_.platziere(b.x, b.y, breite, hoehe);
        c_.textOut(q.x, q.y, text);
    }
    void legende(int c);
    void keineLinie();
    // Notes a point drawn beyond the sheet's edges (a page's margin outside the frame is
    // still on the sheet).
    void merke(int x, int y) { neben_ = neben_ || x < 0 || x > a_.breite || y < 0 || y > a_.hoehe; }

    const AppState& s_;
    Canvas& c_;
    const PolstabAuftrag& a_;
    bool zaehlen_ = false;
    Polstabzylinder z_;
    int m_ = 0, W_ = 0, H_ = 0, sigma_ = 1;
    int unten_ = 0; // the numbers' room ends above the legend's lines
    double s_mm_ = 1;
    int FX_ = 0, FY_ = 0;
    double lambda_ = 0;
    GradMitSinus phi_; // the latitude
    // The days the Italian and Babylonian lines walk, every second from the summer solstice
    // to the first past the winter solstice, worked out once for all those lines.
    std::vector<UngleicherTag> italBabylTage_;
    double yP_ = 0;
    bool begonnen_ = false;
    CanvasPoint letzter_{};       // the line's point before, on the canvas
    bool letzterDrunter_ = false; // and whether it lay below fuss_
    int fuss_ = 0;                // the top of the title and legend at the sheet's foot
    int linien_ = 0;
    int aufDemBlatt_ = 0; // of those, strokes that end on the sheet
    bool neben_ = false;  // something of the face was drawn beyond the sheet
    double hoehe_ = 0; // the sun's altitude of the point projected last
    Zahlenplatz zahlen_{2};
    Konstruktionsmeldungen meldungen_;
};

void Polstab::zeichneMarkenstrich(int x, int y1, int y2)
{
    c_.moveTo(x, y1);
    c_.lineTo(x, y2);
}

void Polstab::weiter(const Zylinderpunkt& p)
{
    if (!sichtbar(p)) {
        begonnen_ = false;
        return;
    }
    const CanvasPoint q = ort(p);
    // The title and the legend at the sheet's foot stay clear: a line stops at their top
    // (fuss_) and starts again where it comes back above it.
    const bool drunter = q.y > fuss_;
    if (begonnen_) {
        if (drunter != letzterDrunter_) {
            const int x = canvasZahl(interpoliereAuf(letzter_.y, letzter_.x, q.y, q.x, fuss_));
            if (drunter)
                c_.lineTo(x, fuss_);
            else
                c_.moveTo(x, fuss_);
        }
        if (!drunter) {
            c_.lineTo(q.x, q.y);
            merke(q.x, q.y);
        }
        // Only a real shadow counts as the sun drawing on the face: the sun above the horizon
        // at a declination it has, and the shadow below the point's level. The lines run on
        // towards the pole beyond.
        if (hoehe_ > 0 && p.y > 0) {
            ++linien_;
            if (!drunter && q.x >= m_ && q.x <= m_ + W_ && q.y >= m_)
                ++aufDemBlatt_;
        }
    } else {
        if (!drunter)
            c_.moveTo(q.x, q.y);
        begonnen_ = true;
    }
    letzter_ = q;
    letzterDrunter_ = drunter;
}

void Polstab::kreis(const Zylinderpunkt& p, int r)
{
    const CanvasPoint q = ort(p);
    c_.ellipse(q.x - r, q.y - r, q.x + r, q.y + r);
    merke(q.x - r, q.y - r);
    merke(q.x + r, q.y + r);
}

// The mean-time line of one hour value over the year, its half from 21 June to 21 December
// wider; the full hour's number beside its points at the summer solstice, or, where the sun
// does not reach the sheet there, at the nearest day it does.
void Polstab::zeichneMittlereZeitPolstab(int h, double t, bool ganz)
{
    if (gezaehlt())
        return;
    const std::int32_t jahr = s_.Par.Jahr;
    const std::int32_t sommer = TagImJahr(jahr, 6, 21), winter = TagImJahr(jahr, 12, 21);
    const double meridian = s_.Schalter.OrtszeitAnzeige ? s_.Par.Laenge : s_.Par.Zonenmeridian;
    const int fh = c_.fontHeight();
    const std::string text = IntStr(h);
    const TextExtent ausdehnung = c_.textExtent(text);
    struct Tag {
        std::int32_t d;
        Zylinderpunkt p;
        double hoehe;
    };
    std::vector<Tag> tage;
    std::vector<char> gewuenscht, moeglich, lit;
    std::size_t bezug = 0;
    bool gesehen = false;
    schritteBis(1, TagImJahr(jahr, 12, 31), 2, [&](double tag) {
        const auto d = static_cast<std::int32_t>(tag);
        double hoehe = 0, azimut = 0, dekl = 0, zeitgl = 0;
        SonnenstandZonenzeit(jahr, d, hoehe, t, phi_, s_.Par.Laenge, meridian, azimut, dekl, zeitgl, true);
        const Zylinderpunkt p = projiziereAufZylinder(azimut, hoehe);
        const int x = canvasZahl(FX_ + p.x - 1.5 * fh), y = FY_ + canvasZahl(fh + p.y);
        if (std::abs(d - sommer) < std::abs(tage.empty() ? 1000 : tage[bezug].d - sommer))
            bezug = tage.size();
        gewuenscht.push_back(gesehen && std::abs(d - sommer) < 2);
        lit.push_back(beleuchtetAufDemBlatt(p));
        moeglich.push_back(lit.back() && aufDemBlatt(x, y, ausdehnung));
        gesehen = gesehen || sichtbar(p);
        tage.push_back({d, p, hoehe});
    });
    // A full hour the sun never reaches on the sheet is left out; one it reaches is always drawn.
    const std::vector<std::size_t> stellen =
        ganz ? zahlenStellen(gewuenscht, moeglich, lit, bezug) : std::vector<std::size_t>{};
    if (ganz && stellen.empty())
        return;
    neueLinie();
    for (std::size_t i = 0; i < tage.size(); ++i) {
        const Tag& g = tage[i];
        if (g.d < sommer || g.d > winter) {
            farbe(s_.Farben[7]);
            c_.setPenWidth(s_.Schalter.Linienstaerke);
        } else {
            farbe(s_.Farben[ganz ? 2 : 1]);
            c_.setPenWidth(s_.Schalter.Linienstaerke + 1);
        }
        hoehe_ = g.hoehe;
        if (std::find(stellen.begin(), stellen.end(), i) != stellen.end()) {
            zahl(canvasZahl(FX_ + g.p.x - 1.5 * fh), FY_ + canvasZahl(fh + g.p.y), text);
            neueLinie();
        }
        weiter(g.p);
    }
}

// Temporal and apparent-time lines by declination: each lies in the plane of its hour circle
// through the shadow casting point. An apparent full hour's line runs on from the pole; its
// number stands where the summer solstice's sun draws it, or, where that point is dark or off
// the sheet, at the nearest point of a declination the sun has that is lit and on the sheet;
// a line the sun reaches nowhere on the sheet is not drawn.
void Polstab::zeichneStundenPolstab(int von, int bis, Art art, int n)
{
    const double eps = s_.EpsRund;
    const int fh = c_.fontHeight();
    for (int h = von; h <= bis; ++h) {
        if (gezaehlt())
            return;
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > bis)
                return;
            const bool ganz = j == 0;
            if (art == Art::Temporal)
                farbe(s_.Farben[ganz ? 9 : 4]);
            else
                farbe(s_.Farben[ganz ? 1 : 7]);
            double T = 15 * (t - 12);
            if (!s_.Schalter.Ortszeit)
                T -= s_.Par.Laenge - s_.Par.Zonenmeridian;
            const bool beschriften = art == Art::Wahr && ganz;
            const double start = beschriften ? -89.7 * sigma_ : -eps * sigma_;
            const std::string text = IntStr(h);
            const TextExtent ausdehnung = c_.textExtent(text);
            struct Stelle {
                Zylinderpunkt p;
                double hoehe;
                CanvasPoint zahl;
                bool echt;
            };
            std::vector<Stelle> punkte;
            std::vector<char> gewuenscht, moeglich, lit;
            bool beschriftet = false;
            schritteBis(start, eps * sigma_, 0.15 * sigma_, [&](double dekl) {
                double hoehe = 0, azimut = 0;
                const GradMitSinus d(dekl);
                if (art == Art::Temporal)
                    sonneTemporalStundeDekl(t, phi_, d, hoehe, azimut);
                else
                    AzimutHoehe(hoehe, azimut, phi_, d, T);
                const Zylinderpunkt p = projiziereAufZylinder(azimut, hoehe);
                const double sA = azimut >= 0 ? 1 : -1;
                const CanvasPoint z{canvasZahl(FX_ + p.x + 0.5 * sA * fh), FY_ + canvasZahl(p.y - 1.5 * sigma_ * fh)};
                // Declinations beyond the solstices are the line's way to the pole: the sun
                // never stands there.
                const bool echt = std::fabs(dekl) <= eps + 1e-9;
                const bool wunsch = !beschriftet && sichtbar(p) && std::fabs(dekl - eps) < 0.075;
                beschriftet = beschriftet || wunsch;
                gewuenscht.push_back(wunsch);
                lit.push_back(echt && beleuchtetAufDemBlatt(p));
                moeglich.push_back(lit.back() && aufDemBlatt(z.x, z.y, ausdehnung));
                punkte.push_back({p, hoehe, z, echt});
            });
            const std::vector<std::size_t> stellen =
                beschriften ? zahlenStellen(gewuenscht, moeglich, lit, punkte.size() - 1) : std::vector<std::size_t>{};
            if (!beschriften || !stellen.empty()) {
                neueLinie();
                for (std::size_t i = 0; i < punkte.size(); ++i) {
                    const Stelle& q = punkte[i];
                    if (!stellen.empty() && i == stellen[0]) {
                        zahl(q.zahl.x, q.zahl.y, text);
                        neueLinie();
                    }
                    hoehe_ = q.echt ? q.hoehe : 0;
                    weiter(q.p);
                }
            }
            if (h == bis) {
                const double pol = std::fabs(s_.Par.Wandabweichung) > 90 ? -89.9 * sigma_ : 89.9 * sigma_;
                double hoehe = 0, azimut = 0;
                AzimutHoehe(hoehe, azimut, s_.Par.Breite, pol, 15);
                const Zylinderpunkt p = projiziereAufZylinder(azimut, hoehe);
                if (p.gueltig) {
                    c_.setPenColor(s_.Farben[1]);
                    kreis(p, canvasZahl(s_mm_));
                }
            }
        }
    }
}

void Polstab::zeichneItalBabylPolstab(int von, int bis, Art art, int n)
{
    const std::int32_t jahr = s_.Par.Jahr;
    const std::int32_t sommer = TagImJahr(jahr, 6, 21), winter = TagImJahr(jahr, 12, 21);
    const bool babylonisch = art == Art::Babylonisch;
    const int fh = c_.fontHeight();
    const int kind = static_cast<int>(art);
    for (int h = von; h <= bis; ++h) {
        if (gezaehlt())
            return;
        for (int j = 0; j < n; ++j) {
            const double t = h + static_cast<double>(j) / n;
            if (t > bis)
                return;
            const bool ganz = j == 0;
            farbe(s_.Farben[!ganz ? 4 : babylonisch ? 6 : 5]);
            bool ersterSichtbar = true;
            neueLinie();
            std::size_t k = 0;
            for (std::int32_t d = sommer;; d += 2) {
                double hoehe = 0, azimut = 0;
                sonneItalBabylStunde(italBabylTag(k++, d), babylonisch, t, phi_, hoehe, azimut);
                const Zylinderpunkt p = projiziereAufZylinder(azimut, hoehe);
                if (ganz && ersterSichtbar && sichtbar(p)) {
                    ersterSichtbar = false;
                    // The number stands at the first point in sight when that day is near the summer solstice.
                    double mittagsHoehe = 0, mittagsAzimut = 0, dekl = 0, zeitgl = 0;
                    SonnenstandZonenzeit(jahr, d, mittagsHoehe, 12, s_.Par.Breite, s_.Par.Laenge,
                                         s_.Par.Zonenmeridian, mittagsAzimut, dekl, zeitgl,
                                         s_.Schalter.MitZeitglAzimut != 0);
                    if (std::fabs(dekl - s_.EpsRund) < 0.1) {
                        const double vz = p.x > 0 ? 1 : p.x < 0 ? -1 : 0;
                        zahl(canvasZahl(FX_ + p.x - 0.5 * vz * fh), FY_ + canvasZahl(p.y + fh * sigma_ * (kind - 1.2)),
                             IntStr(roundHalfEven(t)));
                    }
                }
                weiter(p);
                if (d > winter)
                    break;
            }
        }
    }
}

const UngleicherTag& Polstab::italBabylTag(std::size_t k, std::int32_t d)
{
    if (k == italBabylTage_.size())
        italBabylTage_.push_back(ungleicherTag(s_.Par.Jahr, d, lambda_, phi_));
    return italBabylTage_[k];
}

void Polstab::datumslinien()
{
    c_.setPen({s_.Farben[3], s_.Schalter.Linienstaerke, PenStyle::Solid});
    const int schritt = s_.Schalter.Schattenlaenge == 0 ? 6 : 18;
    for (int i = 0; i <= 36; i += schritt) {
        const GradMitSinus dekl(s_.DeklTabelle[static_cast<std::size_t>(i)]);
        neueLinie();
        for (int n = 0;; ++n) {
            const double T = 0.05 + 0.03 * n;
            if (T > 23.95)
                break;
            // The hour angle as the sun at a clock time without the equation of time takes it.
            const double t = (T - 12) * 15 - (lambda_ - s_.Par.Zonenmeridian);
            double hoehe = 0, azimut = 0;
            AzimutHoehe(hoehe, azimut, phi_, dekl, t);
            weiter(projiziereAufZylinder(azimut, hoehe));
        }
    }
}

void Polstab::legende(int c)
{
    const bool druck = !a_.bildschirm;
    const int m = m_, W = W_, H = H_;
    c_.setPenWidth(1);
    c_.setFontColor(s_.Farben[3]);
    // The size line below the pointer stands left of the title's second line; on a narrow
    // page that line moves right of it.
    c_.setFontHeight(druck ? 30 : a_.grosserBildschirm ? 14 : 12);
    const int F = c_.fontHeight();
    const std::string masse = std::string(texteText(s_, 151)) + RealStr(z_.e * a_.zoom, 5, 0) + " mm;  "
                              + sprachText(s_, "Zylinderradius", "Cylinder Radius") + " = "
                              + RealStr(z_.R * a_.zoom, 5, 0) + " mm";
    const int masseEnde = m + c + c_.textExtent(masse).width;
    c_.setFontHeight(druck ? 40 : a_.grosserBildschirm ? 23 : 16);
    const int fTitel = c_.fontHeight();
    const int xTitel = m + canvasZahl(0.36 * W);
    c_.textOut(xTitel, m + H - canvasZahl(2.2 * fTitel), sprachText(s_, "Zylindersonnenuhr", " Cylinder Sundial"));
    c_.textOut(std::max(xTitel, masseEnde + fTitel / 2), m + H - canvasZahl(1.2 * fTitel),
               sprachText(s_, " (Polstab)", " (Polar Style)"));

    c_.setFontHeight(druck ? 30 : a_.grosserBildschirm ? 14 : 12);
    const int fh = druck ? 30 : c_.textExtent("f").height;
    const int x = m + canvasZahl(0.7 * W) + 10;
    const std::string grad = sprachText(s_, " Grad", " deg ");
    const std::string ort = ersteZeichen(zylinderOrtszeile(s_), 60);
    c_.textOut(imRahmen(c_, x, m + W, ort), m + H - canvasZahl(2.6 * fh), ort);
    const std::string wand =
        sprachText(s_, "Südabweichung= ", "Deviation = ") + RealStr(s_.Par.Wandabweichung, 6, 2) + grad + "; ";
    c_.textOut(imRahmen(c_, x, m + W, wand), m + H - canvasZahl(1.5 * fh), wand);

    farbe(0x800080);
    const int zwei = canvasZahl(2 * s_mm_);
    zeichneMarkenstrich(FX_, FY_ - zwei, FY_ + zwei);
    c_.moveTo(FX_ - zwei, FY_);
    c_.lineTo(FX_ + zwei, FY_);
    zeigerInWahrerGroesse(s_, c_, m + c, m + H - 2 * F, canvasZahl(z_.k), c / 2, m + W, meldungen_);
    c_.textOut(m + c, m + H - canvasZahl(1.5 * F), masse);
}

// Where the sun draws no line on the face, the face says so in the words and the place of
// the other refusals.
void Polstab::keineLinie()
{
    const ZweiZeilen z = polstabOhneLinien(s_);
    c_.setFontName("Times New Roman");
    c_.setFontHeight(30);
    c_.setFontColor(0x800000);
    c_.textOut(m_ + W_ / 10, m_ + H_ / 2 - (3 * 30) / 2, z.erste);
    c_.textOut(m_ + W_ / 10, m_ + H_ / 2, z.zweite);
    c_.setFontName("Arial");
}

Konstruktionsmeldungen Polstab::zeichne()
{
    const bool druck = !a_.bildschirm;
    m_ = druck ? 50 : 0;
    W_ = druck ? a_.breite - 100 : a_.breite;
    H_ = druck ? a_.hoehe - 100 : a_.hoehe;
    sigma_ = s_.Par.Breite >= 0 && std::fabs(s_.Par.Wandabweichung) < 90 ? 1 : -1;
    if (temporalZuHoch(s_.Par.Breite, s_.Schalter.Temporalstunden != 0)) {
        zeichneZylinderVerweigerung(s_, c_, W_, H_, sprachText(s_, "Zylindersonnenuhr", " Cylinder Sundial"));
        return {};
    }
    c_.setPen({s_.Farben[0], 1, PenStyle::Solid});
    c_.setFontName("Arial");
    c_.setFontColor(s_.Farben[3]);
    c_.rectangle(m_, m_, m_ + W_, m_ + H_);
    unten_ = m_ + H_ - canvasZahl(2.4 * (druck ? 40 : a_.grosserBildschirm ? 23 : 16));
    // The legend's top: its title's first line or the place line beside it, as legende() writes them.
    c_.setFontHeight(druck ? 40 : a_.grosserBildschirm ? 23 : 16);
    fuss_ = m_ + H_ - canvasZahl(2.2 * c_.fontHeight());
    c_.setFontHeight(druck ? 30 : a_.grosserBildschirm ? 14 : 12);
    fuss_ = std::min(fuss_, m_ + H_ - canvasZahl(2.6 * (druck ? 30 : c_.textExtent("f").height))) - 2;
    zahlen_.begrenze(m_, m_, m_ + W_, unten_);
    // Two numbers on one line closer than a blank (some 0.3 of their height) read as one.
    zahlen_.setzeLeerraum(0.3);
    if (std::string fehler = polstabMassFehler(s_, a_.R, a_.e); !fehler.empty())
        return {{PromptTitle::Fehler, PromptIcon::Error, fehler}};

    const double e = roundHalfEven(a_.e * 100) / 100.0;
    s_mm_ = druck ? 10 : W_ / (s_.FormatA4 ? 280.0 : 420.0);
    z_ = polstabzylinder(a_.R, e, s_mm_ * a_.zoom, s_.Par.Wandabweichung);
    FX_ = s_.FusspunktX;
    FY_ = s_.FusspunktY;
    lambda_ = s_.Schalter.Ortszeit || s_.Schalter.Temporalstunden ? s_.Par.Laenge : s_.Par.Zonenmeridian;
    phi_ = GradMitSinus(s_.Par.Breite);
    c_.setFontHeight(druck ? 35 : 16);
    const int c = canvasZahl(1.5 * c_.fontHeight());
    if (!zaehlen_ && !polstabHatLinien(s_, a_.zoom, a_.e, a_.R)) {
        keineLinie();
        legende(c);
        return meldungen_; // the refusal stands on the sheet; the legend may have a word
    }
    if (a_.mitNetz)
        zeichneRaster(c_, a_.bildschirm, s_.Farben[8], FX_, FY_, m_ + W_, m_ + H_, 10, s_.FormatA4 != 0, a_.randX,
                      a_.randY);
    c_.setPenColor(s_.Farben[0]);
    const int r = canvasZahl(s_mm_);
    c_.ellipse(FX_ - r, FY_ - r, FX_ + r, FY_ + r);
    c_.setFontColor(s_.Farben[3]);
    c_.setFontHeight(druck ? 23 : 12);

    // The usable band and the pole.
    c_.setPenColor(0x800080);
    const int links = canvasZahl(FX_ - z_.X * z_.Rs), rechts = canvasZahl(FX_ + z_.X * z_.Rs);
    c_.moveTo(links, FY_);
    c_.lineTo(rechts, FY_);
    merke(links, FY_);
    merke(rechts, FY_);
    zeichneMarkenstrich(links, canvasZahl(FY_ - s_mm_), canvasZahl(FY_ + s_mm_));
    zeichneMarkenstrich(rechts, canvasZahl(FY_ - s_mm_), canvasZahl(FY_ + s_mm_));
    {
        // The point's shadow runs along the polar axis back to the mantle when the light
        // comes from the pole on the face's side: the south pole for a face turned south, the
        // north pole for one turned north, in either hemisphere.
        double hoehe = 0, azimut = 0;
        AzimutHoehe(hoehe, azimut, s_.Par.Breite, polstabPolDeklination(s_.Par.Wandabweichung), 15);
        const Zylinderpunkt pol = projiziereAufZylinder(azimut, hoehe);
        kreis(pol, r);
        // Lines are cut where they would pass the pole, whose mark stands above the point's
        // level while that pole is below the horizon. Where it is above (the pole of a face
        // turned away from the equator), a low sun's shadow falls between the point's level
        // and the mark: there the horizon is the cut, as in the plot.
        yP_ = std::min(pol.y, 0.0);
    }

    c_.setPenWidth(s_.Schalter.Linienstaerke);
    c_.setFontHeight(canvasZahl(1.3 * c_.fontHeight()));
    const TSchalter& sw = s_.Schalter;
    const TZeiten& zt = s_.Zeiten;
    const auto teile = [](char ziffer) { return std::clamp(ziffer - '0', 0, 9) + 1; };
    if (sw.MitZeitglZylinder) {
        const int n = teile(sw.EotIntervall);
        bool ende = false;
        for (int h = zt.StundeVon; h <= zt.StundeBis && !ende; ++h) {
            for (int j = 0; j < n; ++j) {
                const double t = h + static_cast<double>(j) / n;
                if (t > zt.StundeBis) {
                    ende = true;
                    break;
                }
                zeichneMittlereZeitPolstab(h, t, j == 0);
            }
        }
    }
    if (sw.Temporalstunden) {
        const Stundenbereich b = temporalBereich(s_, zt.QuadTempVon, zt.QuadTempBis, meldungen_);
        zeichneStundenPolstab(b.von, b.bis, Art::Temporal, sw.TemporalIntervall + 1);
    }
    if (sw.Zonenzeit || sw.Ortszeit)
        zeichneStundenPolstab(zt.QuadVon, zt.QuadBis, Art::Wahr, teile(sw.StundenIntervallSonst));
    if (sw.Babylonisch)
        zeichneItalBabylPolstab(zt.BabVon, zt.BabBis, Art::Babylonisch, sw.Intervalle[0] + 1);
    if (sw.Italienisch)
        zeichneItalBabylPolstab(zt.ItalVon, zt.ItalBis, Art::Italienisch, sw.Intervalle[1] + 1);
    if (zaehlen_) {
        if (!gezaehlt())
            datumslinien();
        return meldungen_;
    }
    // The sun draws on the face, but at this scale and foot no stroke of it reaches the sheet
    // (the plot's larger sheet may show them): the user is told rather than left with an
    // empty face.
    if (aufDemBlatt_ == 0)
        meldungen_.push_back({PromptTitle::Problem, PromptIcon::Question,
                              sprachText(s_, "Keine Stundenlinie fällt auf das Blatt.\r\nBitte verkleinern (Zoom) oder den "
                                             "Fußpunkt höher setzen.",
                                         "No hour line falls on the sheet.\r\nPlease zoom out or place the foot higher.")});
    datumslinien();
    legende(c);
    // The face larger than the sheet: the user learns that lines run past its edges.
    if (neben_ && aufDemBlatt_ > 0)
        meldungen_.push_back({PromptTitle::Information, PromptIcon::Information,
                              sprachText(s_, "Die Zylinderfläche ist größer als das Blatt: ein Teil ihrer Linien fehlt.\r\n"
                                             "Bitte verkleinern (Zoom) oder den Fußpunkt verschieben.",
                                         "The cylinder's face is larger than the sheet: part of its lines is missing.\r\n"
                                         "Please zoom out or move the foot."),
                              true});
    return meldungen_;
}

} // namespace

std::string polstabMassFehler(const AppState& s, double R, double e)
{
    if (R > 0 && e > 0)
        return {};
    return sprachText(s, "Zylinderradius und Zeigerlänge müssen größer als 0 sein!",
                      "Cylinder radius and gnomon length must be greater than 0!");
}

Konstruktionsmeldungen zeichnePolstabZylinder(const AppState& s, Canvas& c, const PolstabAuftrag& a)
{
    return Polstab(s, c, a).zeichne();
}

double polstabPolDeklination(double wand)
{
    return std::fabs(wand) < 90 ? -89.95 : 89.95;
}

ZweiZeilen polstabOhneLinien(const AppState& s)
{
    return {sprachText(s, "Bei dieser Breite und Ausrichtung fällt keine Linie auf den Zylinder.",
                       "At this latitude and orientation no line falls on the cylinder."),
            sprachText(s, "Die Sonnenuhr kann so nicht konstruiert werden.",
                       "The sundial cannot be constructed this way.")};
}

bool polstabHatLinien(const AppState& s, double zoom, double e, double R)
{
    if (!polstabMassFehler(s, R, e).empty() || temporalZuHoch(s.Par.Breite, s.Schalter.Temporalstunden != 0))
        return true;
    // Which points are drawn does not depend on the scale or the foot: any page will do.
    RecordingCanvas c(2970, 2100, true);
    PolstabAuftrag a;
    a.breite = 2970;
    a.hoehe = 2100;
    a.bildschirm = false;
    a.zoom = zoom;
    a.e = e;
    a.R = R;
    Polstab p(s, c, a, true);
    p.zeichne();
    return p.linien() > 0;
}

} // namespace umbrin
