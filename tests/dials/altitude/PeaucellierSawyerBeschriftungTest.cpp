// What the user reads on the Sawyer and Peaucellier dials: at 47.25 N, 33.87 S and 45 S, in
// each time mode and date scale the dialog offers, on the screen, the A4 page and in the plot,
// every hour line on the sheet carries its number on the sheet, the line nearest each number
// is its own, and every zodiac sign stands inside the band of declinations its sign covers.
// Hours and declinations are judged by the sun worked out here.
#include "PeaucellierSonne.h"
#include "core/RecordingCanvas.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungsroutinen.h"
#include "support/Layoutpruefung.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <functional>

using namespace umbrin;
using namespace umbrin::test::peaucellier;
using P = test::PlotPunkt;

namespace {

struct Text {
    P mitte;
    std::string text;
    bool rot, zeichen;
};
// A sheet as read back, y up: its edges, the foot, the full-hour lines, the other strokes and
// the texts by their centres.
struct Blatt {
    test::Seitenrechteck seite;
    P fuss;
    std::vector<std::vector<P>> linien, andere;
    std::vector<Text> texte;
};

// A text by its centre: its corner `an` (the upper one on a canvas), turned by `grad`, with
// characters `breit` wide at the pitch `schritt`, h high; blanks at either end take no room.
Text text(P an, double grad, const std::string& t, double schritt, double breit, double h, bool oben, bool rot,
          bool zeichen)
{
    const std::size_t vorn = std::min(t.find_first_not_of(' '), t.size()), ende = t.find_last_not_of(' ') + 1;
    const double u = grad * kGrad, lang = vorn * schritt + ((ende - vorn - 1.0) * schritt + breit) / 2;
    const double hoch = oben ? -h / 2 : h / 2;
    return {{an.x + lang * std::cos(u) - hoch * std::sin(u), an.y + lang * std::sin(u) + hoch * std::cos(u)},
            t.substr(vorn, ende - vorn), rot, zeichen};
}

Blatt vomCanvas(const RecordingCanvas& c, const AppState& s, int breite, int hoehe)
{
    Blatt b{{0, -double(hoehe), double(breite), 0}, {}, {}, {}, {}};
    bool fuss = false;
    for (const RecordedPrimitive& p : c.primitives()) {
        std::vector<P> q;
        for (const CanvasPoint& k : p.points)
            q.push_back({double(k.x), -double(k.y)});
        if (p.kind == PrimitiveKind::Ellipse && !fuss) {
            fuss = true;
            b.fuss = {(q[0].x + q[1].x) / 2, (q[0].y + q[1].y) / 2};
        } else if (p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Polyline) {
            const bool stunde = p.pen.color == s.Farben[2] && p.pen.width > s.Schalter.Linienstaerke;
            (stunde ? b.linien : b.andere).push_back(q);
        } else if (p.kind == PrimitiveKind::Text) {
            const double h = p.font.height;
            b.texte.push_back(text(q[0], p.angle, p.text, 0.55 * h, 0.55 * h, h, true, p.font.color == FarbeRot,
                                   p.font.name == "Wingdings"));
        }
    }
    return b;
}

// Characters of w x h plotter units at a pitch of 1.5 w.
Blatt vomPlot(const std::string& hpgl, double w, double h, bool peaucellier)
{
    Blatt b{test::plotSeite(hpgl), {}, {}, {}, {}};
    for (const test::PlotBefehl& p : test::plotBefehle(hpgl))
        if (p.name == "CI") {
            b.fuss = p.an;
            break;
        }
    for (const test::PlotStrich& st : test::plotStriche(hpgl))
        (st.stift == 3 ? b.linien : b.andere).push_back(st.punkte);
    for (const test::PlotText& t : test::plotTexte(hpgl))
        b.texte.push_back(text(t.an, t.richtung, t.text, 1.5 * w, w, h, false, t.stift == 6 && !peaucellier,
                               t.zweitsatz));
    return b;
}

bool aufDemBlatt(const Blatt& b, P q)
{
    return q.x >= b.seite.x0 && q.x <= b.seite.x1 && q.y >= b.seite.y0 && q.y <= b.seite.y1;
}

double abstand(P q, const std::vector<P>& linie)
{
    double d = INFINITY;
    for (std::size_t i = 0; i + 1 < linie.size(); ++i) {
        const P a = linie[i], e = linie[i + 1];
        const double l2 = (e.x - a.x) * (e.x - a.x) + (e.y - a.y) * (e.y - a.y);
        const double t = l2 > 0 ? std::clamp(((q.x - a.x) * (e.x - a.x) + (q.y - a.y) * (e.y - a.y)) / l2, 0.0, 1.0)
                                : 0.0;
        d = std::min(d, std::hypot(q.x - a.x - t * (e.x - a.x), q.y - a.y - t * (e.y - a.y)));
    }
    return d;
}

// Every full-hour line on the sheet has its number on the sheet, each number's nearest line is
// its own (a red number names the hour 12 - h). stunde: the hour from noon of a line.
std::string pruefeZahlen(const Blatt& b, const std::function<int(const std::vector<P>&)>& stunde)
{
    std::string fehler;
    std::vector<int> h;
    std::vector<bool> beziffert(b.linien.size(), false);
    for (const auto& l : b.linien)
        h.push_back(stunde(l));
    for (const Text& t : b.texte) {
        if (t.zeichen || t.text.empty() || t.text.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::size_t j = 0;
        for (std::size_t i = 1; i < b.linien.size(); ++i)
            j = abstand(t.mitte, b.linien[i]) < abstand(t.mitte, b.linien[j]) ? i : j;
        const bool eigen = !b.linien.empty() && (std::stoi(t.text) + (t.rot ? 1 : -1) * h[j] + 120) % 12 == 0;
        if (!eigen)
            fehler += " number " + t.text + " nearest to hour " + std::to_string(h.empty() ? 99 : h[j]) + ";";
        if (eigen && !t.rot && aufDemBlatt(b, t.mitte))
            beziffert[j] = true;
    }
    for (std::size_t i = 0; i < b.linien.size(); ++i)
        if (!beziffert[i]
            && std::any_of(b.linien[i].begin(), b.linien[i].end(), [&](P q) { return aufDemBlatt(b, q); }))
            fehler += " hour " + std::to_string(h[i]) + " unnumbered;";
    return fehler;
}

// Sawyer: the point (x, y) of the face below O answers the sun of altitude atan(-y / hypot(x,
// R)) on the fan line of tau = atan(x / (c - y)) / W hours from noon.
std::string pruefeSawyer(const Blatt& b, const AppState& s)
{
    double R = 0;
    for (const auto& l : b.andere) // the gnomon bar: level, just above the foot, halved by it
        if (l.size() == 2 && l[0].y == l[1].y && l[0].y > b.fuss.y && l[0].y - b.fuss.y < 100
            && std::fabs((l[0].x + l[1].x) / 2 - b.fuss.x) <= 1.5)
            R = std::fabs(l[1].x - l[0].x);
    const double c = R * s.Par.DatumMitte / s.Par.Gnomonhoehe, W = s.Par.DatumWinkel, phi = s.Par.Breite * kGrad;
    const double L = s.Schalter.Zonenzeit ? (s.Par.Zonenmeridian - s.Par.Laenge) / 15 : 0;
    const auto tau = [&](P q) { return std::atan2(q.x - b.fuss.x, c - q.y + b.fuss.y) / kGrad / W; };
    std::string fehler = R > 0 ? "" : " no gnomon bar;";
    const auto stunde = [&](const std::vector<P>& l) { return int(std::lround(tau(l[l.size() / 2]) - L)); };
    fehler += pruefeZahlen(b, stunde);
    // Every hour the sun of the local summer solstice stands 3 degrees high at has its line.
    const double dS = (phi > 0 ? 23.44 : -23.44) * kGrad;
    for (int h = -10; h <= 10; ++h)
        if (std::sin(phi) * std::sin(dS) + std::cos(phi) * std::cos(dS) * std::cos(15 * h * kGrad) > std::sin(3 * kGrad)
            && std::none_of(b.linien.begin(), b.linien.end(), [&](const std::vector<P>& l) { return stunde(l) == h; }))
            fehler += " hour " + std::to_string(h) + " not drawn;";
    int zeichen = 0;
    for (const Text& t : b.texte) {
        if (!t.zeichen || std::fabs(t.mitte.x - b.fuss.x) > 3 * 108)
            continue;
        ++zeichen;
        // sin a = A sin d + B cos d = rho sin(d + psi): the declination of the sun there.
        const double x = t.mitte.x - b.fuss.x, y = t.mitte.y - b.fuss.y;
        const double a = std::atan2(-y, std::hypot(x, R)), B = std::cos(phi) * std::cos(15 * tau(t.mitte) * kGrad);
        const double rho = std::hypot(std::sin(phi), B), psi = std::atan2(B, std::sin(phi));
        double d = std::asin(std::sin(a) / rho) - psi;
        d = (std::fabs(d) > M_PI / 4 ? M_PI - std::asin(std::sin(a) / rho) - psi : d) / kGrad;
        const int n = t.text[0] - '^'; // Aries 0 .. Pisces 11 on the symbol face
        const double d1 = std::asin(std::sin(23.44 * kGrad) * std::sin(30 * n * kGrad)) / kGrad;
        const double d2 = std::asin(std::sin(23.44 * kGrad) * std::sin(30 * (n + 1) * kGrad)) / kGrad;
        if (d < std::min(d1, d2) - 0.3 || d > std::max(d1, d2) + 0.3)
            fehler += " sign " + t.text + " at " + std::to_string(d) + " deg;";
    }
    return zeichen == 12 ? fehler : fehler + " " + std::to_string(zeichen) + " signs;";
}

// Peaucellier: a line's hour is the full hour whose shadow rays of a vertical pin at the foot,
// for the summer solstice and for the day whose sunrise or sunset it is, pass nearest its ends.
std::string pruefePeaucellier(Blatt b, const AppState& s)
{
    const double phi = s.Par.Breite;
    for (const auto& l : b.andere) // the noon line on the axis
        if (l.size() == 2 && l[0].y == b.fuss.y && l[1].y == b.fuss.y && std::min(l[0].x, l[1].x) > b.fuss.x + 1)
            b.linien.push_back(l);
    const auto boden = [&](P q) { return aufDemBoden({q.x - b.fuss.x, q.y - b.fuss.y}, phi); };
    return pruefeZahlen(b, [&](const std::vector<P>& l) {
        int beste = 99;
        double best = INFINITY;
        for (int h = -11; h <= 11; ++h)
            for (const bool tausch : {false, true}) {
                const P e1 = tausch ? l.back() : l.front(), e2 = tausch ? l.front() : l.back();
                const double f = nebenDemSchatten(sonneAm(phi, 23.44, 15 * h), boden(e1))
                                 + nebenDemSchatten(sonneAm(phi, horizontDekl(phi, 15 * h), 15 * h), boden(e2));
                if (f < best) {
                    best = f;
                    beste = h;
                }
            }
        return beste;
    });
}

std::string pruefe(const Blatt& b, const AppState& s)
{
    return s.UhrTyp == 'w' ? pruefeSawyer(b, s) : pruefePeaucellier(b, s);
}

} // namespace

TEST(PeaucellierSawyerBeschriftung, EveryHourLineNumberedAndEverySignInItsBand)
{
    struct Fall {
        char typ;
        int zeit, datum; // the dialog's time mode 0..3 (apparent, zone, half analemmas, straight mean time)
    };
    std::vector<Fall> faelle{{'p', 0, 0}};
    for (int zeit = 0; zeit < 4; ++zeit)
        for (int datum = 0; datum < 4; ++datum)
            faelle.push_back({'w', zeit, datum});
    // The drawing window's image on a 1920 x 1080 and a 1366 x 768 screen; page and plot placed
    // from it.
    for (const auto& [kBreite, kHoehe] : {std::pair{1780, 905}, {1226, 593}})
        for (const double breite : {47.25, -33.87, -45.0})
            for (const Fall& f : faelle)
                for (const int ansicht : {0, 1, 2}) {
                    AppState s;
                    initialisiereZustand(s);
                    s.UhrTyp = f.typ;
                    s.Par.Breite = breite;
                    s.Schalter.Zonenzeit = f.zeit == 1;
                    s.Schalter.HalbeAnalemma = f.zeit == 2;
                    s.Schalter.MozGerade = f.zeit == 3;
                    s.Schalter.Datumslinien = char('0' + f.datum);
                    setzePlatzierung(s, standardPlatzierung(s, kBreite, kHoehe));
                    Zeichenfensterzustand z;
                    z.BildBreite = z.AktivBreite = kBreite;
                    z.BildHoehe = z.AktivHoehe = kHoehe;
                    const Zeichnungseintrag* e = zeichnungseintrag(s, false);
                    ASSERT_TRUE(e);
                    Blatt b;
                    if (ansicht < 2) {
                        const int w = ansicht ? 2970 : kBreite, h = ansicht ? 2100 : kHoehe;
                        RecordingCanvas c(w, h, ansicht == 1);
                        Zeichenauftrag a{s, z, c, w, h, ansicht == 0, zeichenumgebung(z, true, false, 0, 0),
                                         ansicht ? w : 0, ansicht ? h : 0};
                        ansicht ? zeichneDruckseite(a, kBreite, kHoehe) : konstruiereBild(a, Zeichenanlass::Sonstiges);
                        b = vomCanvas(c, s, w, h);
                    } else {
                        HPGLDatei plot;
                        plot.oeffnenImSpeicher();
                        test::ScriptedPrompt frage;
                        s.AlsHPGL = 1;
                        s.FusspunktX = f.typ == 'w' ? pixelNachSawyerX(s.FusspunktX, kBreite)
                                                    : pixelNachPlotX(s.FusspunktX, kBreite);
                        s.FusspunktY = f.typ == 'w' ? pixelNachSawyerY(s.FusspunktY, kHoehe) : 5240;
                        Plotauftrag a{s, z, plot, nullptr, frage, "", {}};
                        ASSERT_FALSE(e->plot(a).verweigert);
                        b = vomPlot(plot.inhalt(), f.typ == 'w' ? 72 : 80, f.typ == 'w' ? 108 : 120, f.typ == 'p');
                    }
                    EXPECT_EQ(pruefe(b, s), "")
                        << f.typ << " " << breite << " time mode " << f.zeit << " date lines " << f.datum
                        << (ansicht == 0 ? " screen " : ansicht == 1 ? " page from " : " plot from ") << kBreite;
                }
}
