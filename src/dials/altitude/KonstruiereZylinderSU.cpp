#include "dials/altitude/KonstruiereZylinderSU.h"

#include "core/Rounding.h"
#include "dials/altitude/FilterhutZeichnung.h"
#include "dials/altitude/PolstabZeichnung.h"
#include "dials/altitude/ZeichneHidokei.h"
#include "dials/altitude/ZeichneHirtenSU.h"

#include <array>

namespace umbrin {
namespace {

Konstruktionsmeldungen hirtenZylinder(const AppState& s, Canvas& c, const ZylinderAuftrag& a)
{
    HirtenAuftrag h;
    h.breite = a.breite;
    h.hoehe = a.hoehe;
    h.bildschirm = a.bildschirm;
    h.groesse = static_cast<int>(roundHalfEven(a.groesse));
    h.grosserBildschirm = a.grosserBildschirm;
    return zeichneHirtenSU(s, c, h);
}

Konstruktionsmeldungen filterhutZylinder(const AppState& s, Canvas& c, const ZylinderAuftrag& a)
{
    FilterhutAuftrag f;
    f.breite = a.breite;
    f.hoehe = a.hoehe;
    f.bildschirm = a.bildschirm;
    f.P = s.Par.Skalenlaenge;
    f.grosserBildschirm = a.grosserBildschirm;
    f.achseGemeldet = a.achseGemeldet;
    return zeichneFilterhutSU(s, c, f);
}

Konstruktionsmeldungen polstabZylinder(const AppState& s, Canvas& c, const ZylinderAuftrag& a)
{
    PolstabAuftrag p;
    p.breite = a.breite;
    p.hoehe = a.hoehe;
    p.bildschirm = a.bildschirm;
    p.zoom = s.Zoom;
    p.e = s.Par.ZylZeiger;
    p.R = s.Par.ZylRadius;
    p.grosserBildschirm = a.grosserBildschirm;
    p.mitNetz = a.mitNetz;
    return zeichnePolstabZylinder(s, c, p);
}

constexpr std::array<Zylinderroutine, 3> zylinderArten = {hirtenZylinder, filterhutZylinder, polstabZylinder};

} // namespace

Zylinderroutine zylinderRoutine(int art)
{
    if (art < 0 || art >= static_cast<int>(zylinderArten.size()))
        return nullptr;
    return zylinderArten[static_cast<std::size_t>(art)];
}

Konstruktionsmeldungen konstruiereZylinderSU(const AppState& s, Canvas& c, const ZylinderAuftrag& a)
{
    if (s.UhrTyp != 'z') {
        HidokeiAuftrag h;
        h.breite = a.breite;
        h.hoehe = a.hoehe;
        h.bildschirm = a.bildschirm;
        h.groesse = static_cast<int>(roundHalfEven(a.groesse));
        return zeichneHidokei(s, c, h);
    }
    const Zylinderroutine r = zylinderRoutine(s.Schalter.ZylinderArt);
    return r ? r(s, c, a) : Konstruktionsmeldungen{};
}

} // namespace umbrin
