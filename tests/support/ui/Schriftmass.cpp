// The fonts of a page as Qt gives them, for the engine's tests: an application of its own on
// the offscreen platform, made when first asked.
#include "support/Schriftmass.h"

#include "core/ui/PainterCanvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace umbrin::test {
namespace {

void anwendung()
{
    if (QGuiApplication::instance())
        return;
    // Qt's runtime folder beside the tests', never in the temporary folder they must leave empty.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QByteArray(UMBRIN_BINARY_DIR) + "/testruntime");
    static int argc = 3;
    static char name[] = "engine_tests", schalter[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, schalter, platform, nullptr};
    static QGuiApplication app(argc, argv);
}

// The font a canvas font becomes on a page: the family installed for its face, the letters as
// high as its size, or as large as fit its cell.
QFont qtSchrift(const CanvasFont& c)
{
    QFont f(PainterCanvas::familyFor(c.name));
    const int hoehe = c.height > 0 ? c.height : 1;
    f.setPixelSize(hoehe);
    f.setBold(c.bold);
    if (c.cellHeight)
        for (int pixel = hoehe; pixel > 1 && QFontMetricsF(f).height() > hoehe;)
            f.setPixelSize(--pixel);
    return f;
}

} // namespace

Canvas& seitenTextmass()
{
    anwendung();
    static QImage bild(1, 1, QImage::Format_RGB32);
    static PainterCanvas mass(bild);
    return mass;
}

Tinte tinte(const CanvasFont& schrift, std::string_view text)
{
    anwendung();
    using Schluessel = std::tuple<std::string, int, bool, bool, std::string>;
    static std::map<Schluessel, Tinte> gemessen;
    const Schluessel k{schrift.name, schrift.height, schrift.bold, schrift.cellHeight, std::string(text)};
    if (const auto it = gemessen.find(k); it != gemessen.end())
        return it->second;
    const QFontMetricsF m(qtSchrift(schrift));
    // Blanks take room but have no ink: the letters' outlines stand after those in front.
    const std::size_t vorn = std::min(text.find_first_not_of(' '), text.size());
    const std::size_t ende = text.find_last_not_of(' ') + 1;
    const double vor = m.horizontalAdvance(PainterCanvas::textFor(schrift.name, text.substr(0, vorn)));
    const QRectF r = m.tightBoundingRect(PainterCanvas::textFor(schrift.name, text.substr(vorn, ende - vorn)));
    Tinte t;
    t.leer = vorn >= text.size() || r.isEmpty();
    t.links = vor + r.left();
    t.rechts = vor + r.right();
    t.grundlinie = m.ascent();
    t.oben = m.ascent() + r.top();
    if (gemessen.size() > 200000)
        gemessen.clear();
    gemessen.emplace(k, t);
    return t;
}

} // namespace umbrin::test
