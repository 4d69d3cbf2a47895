// The drawing window's rows of the filter-hat ('z' sub-type 1) and polar-rod ('z' sub-type
// 2) cylinders. Both plots take the placement converted to the planar page; only the polar
// rod reads it (its foot, scaled to the page when printing).
#include "drawing/Zeichnungszeilen.h"

#include "dials/altitude/FilterhutZeichnung.h"
#include "dials/altitude/KonstruiereZylinderSU.h"
#include "dials/altitude/PolstabZeichnung.h"
#include "dials/altitude/ZylinderuhrHpgl.h"

#include <array>

namespace umbrin {
namespace {

Konstruktionsmeldungen zylinderBild(Zeichenauftrag& a)
{
    ZylinderAuftrag z{a.breite, a.hoehe, true, static_cast<double>(a.s.Par.Skalenlaenge),
                      a.umgebung.GrosserBildschirm};
    z.mitNetz = a.umgebung.MitNetz;
    z.achseGemeldet = &a.f.ZylinderAchseGemeldet;
    return konstruiereZylinderSU(a.s, a.canvas, z);
}

Konstruktionsmeldungen filterhutSeite(Zeichenauftrag& a)
{
    FilterhutAuftrag f;
    f.breite = a.breite;
    f.hoehe = a.hoehe;
    f.bildschirm = false;
    f.P = a.s.Par.Skalenlaenge;
    f.grosserBildschirm = a.umgebung.GrosserBildschirm;
    f.achseGemeldet = &a.f.ZylinderAchseGemeldet;
    return zeichneFilterhutSU(a.s, a.canvas, f);
}

Konstruktionsmeldungen polstabSeite(Zeichenauftrag& a)
{
    PolstabAuftrag p;
    p.breite = a.breite;
    p.hoehe = a.hoehe;
    p.bildschirm = false;
    p.zoom = a.s.Zoom;
    p.e = a.s.Par.ZylZeiger;
    p.R = a.s.Par.ZylRadius;
    p.grosserBildschirm = a.umgebung.GrosserBildschirm;
    p.mitNetz = a.umgebung.MitNetz;
    p.randX = a.umgebung.DruckRandX;
    p.randY = a.umgebung.DruckRandY;
    return zeichnePolstabZylinder(a.s, a.canvas, p);
}

Plotergebnis zylinderPlot(Plotauftrag& a, const ZylinderPlotAuftrag& z)
{
    const std::string nein = schreibeZylinderuhrHPGL(a.s, a.plot, a.frage, z);
    if (!nein.empty())
        return Plotergebnis::abgelehnt(nein, PromptTitle::Fehler, PromptIcon::Error);
    return Plotergebnis::geschrieben();
}

Plotergebnis filterhutPlot(Plotauftrag& a) { return zylinderPlot(a, filterhutPlotAuftrag(a.s)); }
Plotergebnis polstabPlot(Plotauftrag& a) { return zylinderPlot(a, polstabPlotAuftrag(a.s)); }

std::string filterhutVorExport(const AppState& s) { return zylinderPlotVerweigerung(s, filterhutPlotAuftrag(s)); }
std::string polstabVorExport(const AppState& s) { return zylinderPlotVerweigerung(s, polstabPlotAuftrag(s)); }

constexpr std::array<Zeichnungseintrag, 2> zeilen = {{
    {'z', 1, zylinderBild, filterhutSeite, filterhutPlot, nullptr, PlotPlatzierung::Plan, DruckPlatzierung::Keine,
     filterhutVorExport},
    {'z', 2, zylinderBild, polstabSeite, polstabPlot, nullptr, PlotPlatzierung::Plan, DruckPlatzierung::Fuss,
     polstabVorExport},
}};

} // namespace

std::span<const Zeichnungseintrag> zeilenZylinder()
{
    return zeilen;
}

} // namespace umbrin
