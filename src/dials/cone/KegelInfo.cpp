#include "dials/cone/KegelInfo.h"

#include "core/Projektion.h"
#include "core/Rounding.h"
#include "core/Sonne.h"
#include "core/Sprachdienst.h"
#include "core/Winkel.h"
#include "core/Zahlenformat.h"
#include "dials/cone/KegelKonstruktion.h"
#include "dials/cone/KegelTexte.h"

#include <algorithm>
#include <cmath>

namespace umbrin {
namespace {

int runde(double x) { return static_cast<int>(roundHalfEven(x)); }

// The figure in millimetres, x to the right, y downwards from its top-left corner: the side
// view on top (base line at y = hoch), the top view below it.
struct InfoFigur {
    double psi = 0; // inclination as drawn: above 90 it is mirrored
    double alfa = 0;
    double L = 0;
    double a = 0, b = 0, c = 0;
    double hoch = 0;  // apex height: the side view's base line
    double draufY = 0; // centre line of the top view

    double xA() const { return b + c; }
    double xS() const { return b + c + L * CosGrad(psi); }
    double breite() const
    {
        double r = 2 * b;
        for (int g = 0; g < 360; ++g)
            r = std::max(r, b + b * CosGrad(g));
        return std::max(r, xS());
    }
};

} // namespace

Konstruktionsmeldungen zeichneStabInfo(const AppState& s, Canvas& c, bool bildschirm, bool& verkleinert, int breite1,
                                       int breite2, double L, int druckRandX, int druckRandY)
{
    Konstruktionsmeldungen meldungen;
    if (const std::string nein = kegelAblehnung(s); !nein.empty()) {
        meldungen.push_back({PromptTitle::Fehler, PromptIcon::Question, nein});
        return meldungen;
    }
    InfoFigur f;
    f.psi = s.Par.KegelNeigung < 90 ? s.Par.KegelNeigung : 180 - s.Par.KegelNeigung;
    f.alfa = s.Par.KegelOeffnung;
    f.L = L;
    KegelschnittParameter(L, f.alfa, s.Par.KegelNeigung, f.a, f.b, f.c);
    f.hoch = L * SinGrad(f.psi);
    f.draufY = f.hoch + 1.5 * f.a + 10;

    double mass = 10; // units per mm on a page
    int x0 = druckRandX + 100, y0 = druckRandY + 100;
    if (bildschirm) {
        verkleinert = false;
        mass = breite1 / 280.0;
        x0 = runde(breite1 / 30.0);
        y0 = x0;
        if (x0 + f.breite() * mass > breite2) {
            mass *= 280.0 / 420.0;
            verkleinert = true;
        }
    }
    auto X = [&](double x) { return runde(x0 + x * mass); };
    auto Y = [&](double y) { return runde(y0 + y * mass); };

    c.setFont({"Arial", bildschirm ? 14 : 35, false, FarbeSchwarz});
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});
    c.setBrushStyle(BrushStyle::Clear);
    if (verkleinert && bildschirm)
        c.textOut(10, 2, "Bildschirmdarstellung verkleinert");

    // Side view: the plane, the footprint's major axis, the axis A..apex and the two outer
    // generators from the apex to the ends of the major axis.
    const double xSpitze = f.xS();
    c.setPenColor(0x808080);
    c.moveTo(X(-5), Y(f.hoch));
    c.lineTo(X(std::max(2 * f.b, xSpitze) + 5), Y(f.hoch));
    c.setPen({s.Farben[3], 2, PenStyle::Solid});
    c.polygon({{X(0), Y(f.hoch)}, {X(2 * f.b), Y(f.hoch)}, {X(xSpitze), Y(0)}});
    c.setPen({FarbeRot, 1, PenStyle::Dash});
    c.moveTo(X(f.xA()), Y(f.hoch));
    c.lineTo(X(xSpitze), Y(0));
    c.setPen({FarbeSchwarz, 1, PenStyle::Dot});
    c.lineTo(X(xSpitze), Y(f.hoch));
    c.setPenStyle(PenStyle::Solid);
    c.textOut(X(f.xA()), Y(f.hoch) + 2, "A");
    c.textOut(X(xSpitze) + 2, Y(f.hoch) + 2, "S");
    c.textOut(X(xSpitze) + 4, Y(0), "L = " + RealStr(L, 6, 2) + " mm");
    c.textOut(X(xSpitze) + 4, Y(0) + runde(1.3 * c.fontHeight()),
              "psi = " + RealStr(s.Par.KegelNeigung, 5, 2) + ",  alfa = " + RealStr(f.alfa, 5, 2));

    // Top view: the footprint with A and S on its major axis.
    c.setPen({s.Farben[3], 2, PenStyle::Solid});
    std::vector<CanvasPoint> rand;
    for (int g = 0; g <= 360; ++g)
        rand.push_back({X(f.b + f.b * CosGrad(g)), Y(f.draufY + f.a * SinGrad(g))});
    c.polyline(rand);
    c.setPen({FarbeSchwarz, 1, PenStyle::Solid});
    for (const auto& [x, name] : {std::pair{f.xA(), "A"}, std::pair{xSpitze, "S"}}) {
        c.moveTo(X(x) - 4, Y(f.draufY));
        c.lineTo(X(x) + 5, Y(f.draufY));
        c.moveTo(X(x), Y(f.draufY) - 4);
        c.lineTo(X(x), Y(f.draufY) + 5);
        c.textOut(X(x) + 3, Y(f.draufY) + 3, name);
    }

    // Measures and the date lines.
    const int z = runde(1.3 * c.fontHeight());
    int y = Y(f.draufY + f.a) + 2 * z;
    const std::string mm = " mm";
    for (const std::string& zeile :
         {kegelTitel(s), kegelOrtZeile(s), kegelEbeneZeile(s, s.Schalter.Ebene), kegelAchsenZeile(s, L),
          kegelOeffnungZeile(s),
          "a = " + RealStr(f.a, 7, 2) + mm + ",  b = " + RealStr(f.b, 7, 2) + mm + ",  c = " + RealStr(f.c, 7, 2) + mm}) {
        c.textOut(x0, y, zeile);
        y += z;
    }
    y += z;
    const Kegelkonstruktion k = baueKegelkonstruktion(s, L, s.Schalter.Ebene);
    c.setBold(true);
    c.textOut(x0, y, std::string(texteText(s, 215)));
    c.setBold(false);
    for (int n = 0; n < kDatumslinienPlatz; ++n) {
        const TDatumslinie& d = k.tabelle[static_cast<std::size_t>(n)];
        if (d.Tag1 == 999)
            continue;
        y += z;
        c.textOut(x0, y,
                  IntStr(n + 1) + ". " + DatumAusTag(s, d.Tag1) + "  &  " + DatumAusTag(s, d.Tag2) + ",  "
                      + kegelZeichen(texteText(s, 216), 1, 13) + "="
                      + RealStr(k.paare.paar[d.Paar].DeklMittel, 7, 2) + " (Dist.=" + RealStr(d.AbstandMittag, 7, 3)
                      + ")");
    }
    return meldungen;
}

} // namespace umbrin
