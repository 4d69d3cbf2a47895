#include "dials/ring/RingKorrektur.h"

#include "core/Rounding.h"
#include "core/SafeSave.h"
#include "core/Sprachdienst.h"
#include "core/TextEncoding.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/Clipping.h"
#include "dials/ring/RingGeometrie.h"
#include "dials/ring/RingZeichnung.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace umbrin {
namespace {

constexpr Farbe kGrau = 0x808080;
constexpr Farbe kBlau = 0xFF0000;
constexpr Farbe kMarine = 0x800000;

// roundHalfEven for the chart's coordinates, without the detour through a long double: below
// 2^51 in magnitude, adding 1.5 * 2^52 leaves the nearest integer (halves to even) in the
// sum's last place, and taking it away again gives that integer exactly.
int rund(double x)
{
    if (!(std::fabs(x) < 0x1p30))
        return static_cast<int>(roundHalfEven(x));
    constexpr double kRundung = 0x1.8p52;
    return static_cast<int>((x + kRundung) - kRundung);
}

// The turns of a walk, 0.01 k degrees for k = 0..12000, with their sines and cosines: the
// same for every altitude and every chart, so taken once.
constexpr int kDrehungen = 12000;

struct Drehungen {
    std::vector<double> sinus, kosinus;
    Drehungen()
    {
        sinus.reserve(kDrehungen + 1);
        kosinus.reserve(kDrehungen + 1);
        for (int k = 0; k <= kDrehungen; ++k) {
            sinus.push_back(SinGrad(0.01 * k));
            kosinus.push_back(CosGrad(0.01 * k));
        }
    }
};

const Drehungen& drehungen()
{
    static const Drehungen d;
    return d;
}

// Walks the turns of the ring for the altitudes 2.5 i, i = 0..letzteHoehe; for each step
// whose spot is inside the wall, `schritt` gets the altitude index, the altitude, the ray,
// the spot's parts and the relative offset 2Q/D. A walk ends once the relative offset
// passes 1.01.
template <class Schritt>
void laufe(double alpha, double D, int letzteHoehe, Schritt&& schritt)
{
    const Drehungen& d = drehungen();
    for (int i = 0; i <= letzteHoehe; ++i) {
        const double b = 2.5 * i;
        const RingStrahl strahl(D, alpha, b);
        for (int k = 0; k <= kDrehungen; ++k) {
            RingStrahl::Teile f;
            if (!strahl.teileBei(d.sinus[k], d.kosinus[k], f))
                continue;
            const double r = 2 * f.Q / D;
            if (r > 1.01)
                break;
            schritt(i, b, strahl, f, r);
        }
    }
}

// The x of a curve's point, x0 + ux (b + K / 2) rounded, for the steps of one altitude. K
// changes with the spot's height S only through w = arcsin S, and x by ux / 2 per degree of
// w, falling as S rises on the near side of the centre (Z >= 0) and rising on the far side.
// So while S stays close enough to the S of the last point reckoned, on the same side, x
// cannot have reached a rounding boundary and the arcsine is not needed. The room is kept
// for each direction of S: after x has crossed a boundary it lies close to that one only.
class KurvenX {
public:
    KurvenX(const RingStrahl& strahl, double x0, double ux, double b)
        : strahl_(strahl), x0_(x0), ux_(ux), b_(b), proPixel_(2 / ux * kRad)
    {
    }

    int x(const RingStrahl::Teile& f)
    {
        const double d = f.S - S_;
        if ((d >= 0 ? d <= hoch_ : -d <= tief_) && (f.Z >= 0) == vorn_)
            return x_;
        const double x = x0_ + ux_ * (b_ + strahl_.bogen(f) / 2);
        x_ = rund(x);
        S_ = f.S;
        vorn_ = f.Z >= 0;
        hoch_ = tief_ = -1;
        // Room to the rounding boundaries above and below, less far more than the rounding of
        // this arithmetic (which may also move x a hair against its direction).
        const double oben = x_ + 0.5 - x - 1e-6, unten = x - (x_ - 0.5) - 1e-6;
        if (!(std::fabs(x) < 0x1p30) || std::fabs(S_) > 0.999 || !(oben > 0 && unten > 0))
            return x_;
        // For |S - S_| = d <= (1 - |S_|) / 4, arcsin moves by at most d / (0.866 sqrt(1 - S_^2)):
        // with d at most half of dw sqrt(1 - S_^2), dw the room as a change of w in radians,
        // w moves by less than 0.58 dw.
        const double faktor = proPixel_ * std::sqrt(1 - S_ * S_) / 2, grenze = (1 - std::fabs(S_)) / 4;
        hoch_ = std::min((vorn_ ? unten : oben) * faktor, grenze);
        tief_ = std::min((vorn_ ? oben : unten) * faktor, grenze);
        return x_;
    }

private:
    const RingStrahl& strahl_;
    double x0_, ux_, b_, proPixel_;
    double S_ = 0, hoch_ = -1, tief_ = -1;
    bool vorn_ = true;
    int x_ = 0;
};

// The curve of altitude 2.5 i on the chart, as laufe walks it: from its start on the base
// line yb, a point for each step while the relative offset stays within 1.001. Most steps
// land on the point of the step before, which adds nothing to the curve: a repeated point is
// kept only as the curve's end. False (kurve empty) when the walk has no step at this altitude.
// One loop of its own, its state in locals, as it runs some 400,000 steps a chart.
bool hoehenKurve(double alpha, double D, int i, int x0, int y0, double ux, double hp, int yb,
                 std::vector<CanvasPoint>& kurve)
{
    kurve.clear();
    const Drehungen& d = drehungen();
    const double b = 2.5 * i;
    const RingStrahl strahl(D, alpha, b);
    const double yNull = y0;
    KurvenX kurvenX(strahl, x0, ux, b);
    bool endeWiederholt = false;
    CanvasPoint letzter{};
    for (int k = 0; k <= kDrehungen; ++k) {
        RingStrahl::Teile f;
        if (!strahl.teileBei(d.sinus[k], d.kosinus[k], f))
            continue;
        const double r = 2 * f.Q / D;
        if (r > 1.01)
            break;
        if (kurve.empty()) {
            letzter = {rund(x0 + 2.5 * ux * i), yb};
            kurve.push_back(letzter);
        }
        if (r <= 1.001) {
            const CanvasPoint p{kurvenX.x(f), rund(yNull + (1 - r) * hp)};
            endeWiederholt = p == letzter;
            if (!endeWiederholt) {
                kurve.push_back(p);
                letzter = p;
            }
        }
    }
    if (endeWiederholt)
        kurve.push_back(kurve.back());
    return !kurve.empty();
}

std::string tabellenZeile(double r, double b, double S, double K)
{
    return "rel. offset=" + RealStr(r, 7, 5) + "   hsun=" + RealStr(b, 4, 1) + "°   yd=" + RealStr(S, 9, 6) +
           "   beta=" + RealStr(K, 7, 4) + "\r\n";
}

} // namespace

std::string schoenerTabelle(double alpha, double D)
{
    std::string text = "Ring Dial - Offset Correction  (alpha=" + RealStr(alpha, 4, 1) + "deg)\r\n";
    laufe(alpha, D, 50, [&](int, double b, const RingStrahl& strahl, const RingStrahl::Teile& f, double r) {
        if (std::fabs(r - 1.0) <= 0.001)
            text += tabellenZeile(r, b, f.S, strahl.bogen(f));
    });
    return text + " \r\n";
}

Konstruktionsmeldungen zeichneRingKorrektur(const AppState& s, Canvas& c, int W, int H, bool bildschirm,
                                            bool grosserBildschirm, double alpha, double D, bool tabelleSchreiben,
                                            const std::filesystem::path& ordner)
{
    Konstruktionsmeldungen meldungen;
    if (D <= 0 || W <= 0 || H <= 0) {
        if (D <= 0)
            meldungen.push_back({PromptTitle::Fehler, PromptIcon::Error,
                                 s.Sprachspalte == 2 ? "Ring diameter must be greater than 0!"
                                                     : "Ringdurchmesser muss größer als 0 sein!"});
        return meldungen;
    }
    // The table goes to a temporary file beside its target and replaces it only when complete.
    SafeFileWriter tabelle;
    const std::filesystem::path ziel = ordner / kSchoenerTabelle;
    if (tabelleSchreiben && !tabelle.open(ziel, s.Sprachspalte != 2))
        meldungen.push_back({PromptTitle::Fehler, PromptIcon::Error,
                             std::string("Open error: File  ") + kSchoenerTabelle + "\r\n" + tabelle.error()});

    const double ux = 0.85 * W / 100, uy = 0.8 * H / 100, hp = 0.8 * H;
    c.setBrushStyle(BrushStyle::Clear);
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});
    c.setFont({"Arial", bildschirm ? (grosserBildschirm ? 16 : 12) : 40, true, FarbeSchwarz});
    const double f = c.fontHeight();
    const int x0 = bildschirm ? rund(9 * ux) : rund(6 * ux);
    const int y0 = bildschirm ? rund(3.2 * f + 4 * uy) : rund(3.2 * f + 4 * ux);
    const int rechts = W - (bildschirm ? 2 : 50);
    const std::string titel =
        std::string(texteText(s, 182)) + RealStr(alpha, 4, 0) + std::string(texteText(s, 105)) + "). " +
        std::string(texteText(s, 228));
    ringSchriftPassend(c, rund(5 * ux), titel, rechts);
    c.textOut(rund(5 * ux), rund(4.5 * uy), titel);
    const int titelUnten = rund(4.5 * uy) + c.fontHeight();
    c.setFontHeight(rund(f));

    // Axes.
    c.setFont({"Times New Roman", c.fontHeight(), false, FarbeSchwarz});
    const int yb = rund(y0 + hp);
    c.moveTo(x0, yb);
    c.lineTo(x0, rund(y0 - 3 * uy));
    c.lineTo(rund(x0 - 0.6 * ux), rund(y0 - uy));
    c.moveTo(x0, rund(y0 - 3 * uy));
    c.lineTo(rund(x0 + 0.6 * ux), rund(y0 - uy));
    // The caption of the vertical axis stands below the title where the two would touch.
    c.textOut(rund(x0 + ux), std::max(rund(y0 - 3 * ux), titelUnten + 2), std::string(texteText(s, 197)));
    const int xe = rund(x0 + 95 * ux);
    c.moveTo(x0, yb);
    c.lineTo(xe, yb);
    c.lineTo(rund(xe - 2 * ux), rund(y0 + hp - 0.6 * uy));
    c.moveTo(xe, yb);
    c.lineTo(rund(xe - 2 * ux), rund(y0 + hp + 0.6 * uy));
    // The two captions of the horizontal axis end inside the page: moved left, but not over
    // the last numbers of the scale (180 and 90 degrees), and written smaller where the room
    // that leaves is too short.
    const CanvasFont achsenSchrift = c.font();
    c.setFont({"Arial", achsenSchrift.height, false, FarbeSchwarz});
    const int letzteZahl = rund(x0 - ux + 90 * ux) + c.textExtent(RealStr(180.0, 2, 0) + "°").width;
    const auto achsenText = [&](double y, const std::string& text, Farbe farbe) {
        c.setFont(achsenSchrift);
        c.setFontColor(farbe);
        int x = rund(xe - ux);
        if (x + c.textExtent(text).width > rechts)
            x = std::max(letzteZahl + c.textExtent(" ").width, rechts - c.textExtent(text).width);
        ringSchriftPassend(c, x, text, rechts);
        c.textOut(x, rund(y), text);
    };
    achsenText(y0 + hp + 0.2 * f, std::string(texteText(s, 196)), FarbeSchwarz);
    achsenText(y0 + hp + 1.5 * f, std::string(texteText(s, 192)), FarbeKastanie);
    c.setFont(achsenSchrift);
    c.setFontColor(FarbeKastanie);

    // Grid: sun altitude (and twice it, the length of the hour line) across, the relative
    // offset up.
    c.setFont({"Arial", c.fontHeight(), false, FarbeSchwarz});
    c.moveTo(x0 + rund(90 * ux) + 2, y0);
    c.lineTo(x0 + rund(90 * ux) + 2, yb);
    for (int i = 1; i <= 40; ++i) {
        const int x = x0 + rund(2.5 * ux * i);
        c.setPenColor(i % 8 == 0 ? FarbeRot : (i % 2 == 0 ? FarbeSchwarz : kGrau));
        c.moveTo(x, y0);
        c.lineTo(x, y0 + rund(hp));
        if (i % 2 == 0 && i < 37) {
            const int xt = rund(x0 - ux + 2.5 * ux * i);
            c.setFontColor(FarbeKastanie);
            c.textOut(xt, rund(y0 + hp + 1.5 * f), RealStr(2.5 * i, 2, 0) + "°");
            c.setFontColor(FarbeSchwarz);
            c.textOut(xt, rund(y0 + hp + 0.2 * f), RealStr(5.0 * i, 2, 0) + "°");
        }
    }
    const int breiteAbcd = c.textExtent("abcd").width;
    for (int k = 0; k <= 20; ++k) {
        const int y = y0 + rund(hp * k / 20);
        c.setPenColor(k % 2 == 1 ? kBlau : FarbeSchwarz);
        c.moveTo(x0, y);
        c.lineTo(rund(x0 + 100 * ux), y);
        if (k % 2 == 0)
            c.textOut(x0 - breiteAbcd, rund(y0 - 1.1 * uy + (1 - k / 20.0) * hp), RealStr(k / 20.0, 3, 1));
    }

    // Each altitude's curve from its start on the base line while the spot stays within one
    // ring radius sideways; altitudes beyond 90 degrees are only listed in the table. A curve
    // is cut at the base line (a negative offset has no place on the chart), at the vertical
    // axis' arrow and at the sheet's right edge: at a hole angle near 90 degrees the spot runs
    // far along the ring, and to the other side of it.
    const int oben = rund(y0 - 3 * uy);
    std::vector<CanvasPoint> kurve;
    for (int i = 0; i <= 36; ++i) {
        if (hoehenKurve(alpha, D, i, x0, y0, ux, hp, yb, kurve)) {
            c.setPenColor(i % 3 == 0 ? FarbeRot : kMarine);
            for (const std::vector<CanvasPoint>& stueck : polylinieImRechteck(kurve, x0, oben, rechts, yb))
                c.polyline(stueck);
        }
    }
    if (tabelle.isOpen()) {
        if (tabelle.write(utf8ToCp1252(schoenerTabelle(alpha, D))) && tabelle.commit()) {
            c.setBold(true);
            c.textOut(x0 + rund(2.5 * ux * (18 - alpha / 5) + ux), rund(y0 + hp + 6 * uy),
                      std::string("Data in file \"") + kSchoenerTabelle + "\" ");
            c.setBold(false);
        } else {
            meldungen.push_back({PromptTitle::Fehler, PromptIcon::Error, tabelle.error()});
        }
    }
    c.setFontColor(FarbeKastanie);
    c.setPenColor(FarbeSchwarz);
    c.setBrushStyle(BrushStyle::Solid);
    return meldungen;
}

Konstruktionsmeldungen konstruiereRingKorrektur(const AppState& s, Canvas& c, int W, int H, bool grosserBildschirm)
{
    return zeichneRingKorrektur(s, c, W, H, true, grosserBildschirm, s.Par.RingAlpha, s.Par.RingDurchmesser,
                                s.SchoenerTabelleSchreiben != 0, std::filesystem::path());
}

} // namespace umbrin
