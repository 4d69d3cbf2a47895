#include "dials/altitude/KonstruiereZylinderSU.h"

#include "core/Rounding.h"
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

// Sub-types 1 (filter-hat) and 2 (polar rod) have no drawing yet.
constexpr std::array<Zylinderroutine, 3> zylinderArten = {hirtenZylinder, nullptr, nullptr};

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
