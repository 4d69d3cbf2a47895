#include "core/ui/DruckSeite.h"

#include "core/Rounding.h"
#include "core/Texttabellen.h"
#include "core/ui/DruckListe.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace umbrin {
namespace {

constexpr int blattBreite = 2970; // A4 landscape in 0.1 mm
constexpr int blattHoehe = 2100;

} // namespace

DruckGeraet druckGeraetVon(const QPrinter& drucker)
{
    DruckGeraet g;
    g.breiteMm = drucker.widthMM();
    g.hoeheMm = drucker.heightMM();
    g.breitePixel = drucker.width();
    g.hoehePixel = drucker.height();
    const QPageLayout layout = drucker.pageLayout();
    const int aufloesung = drucker.resolution();
    const QRect blatt = layout.fullRectPixels(aufloesung);
    const QRect druckbar = layout.paintRectPixels(aufloesung);
    g.versatzXPixel = druckbar.left() - blatt.left();
    g.versatzYPixel = druckbar.top() - blatt.top();
    g.hochformat = layout.orientation() == QPageLayout::Portrait;
    return g;
}

bool DruckBereich(const DruckGeraet& geraet, int& breite, int& hoehe, int& randX, int& randY)
{
    DruckGeraet g = geraet;
    if (g.hochformat) {
        std::swap(g.breiteMm, g.hoeheMm);
        std::swap(g.breitePixel, g.hoehePixel);
        std::swap(g.versatzXPixel, g.versatzYPixel);
    }
    if (g.breitePixel <= 0 || g.hoehePixel <= 0)
        return false;

    const auto zehntel = [](int versatz, int mm, int pixel) {
        const std::int64_t produkt = std::int64_t{10} * versatz * mm;
        return static_cast<int>(roundHalfEven(static_cast<long double>(produkt) / pixel));
    };
    const int offX = zehntel(g.versatzXPixel, g.breiteMm, g.breitePixel);
    const int restX = blattBreite - 10 * g.breiteMm - offX;
    const int offY = zehntel(g.versatzYPixel, g.hoeheMm, g.hoehePixel);
    const int restY = blattHoehe - 10 * g.hoeheMm - offY;

    breite = std::min(blattBreite - 2 * std::max(offX, restX) - 2, 2820);
    hoehe = std::min(blattHoehe - 2 * std::max(offY, restY) - 2, 2000);

    const int cx = (blattBreite - breite) / 2;
    const int cy = (blattHoehe - hoehe) / 2;
    randX = cx >= offX ? cx - offX : 0;
    randY = cy >= offY ? cy - offY : 0;
    return true;
}

bool DruckBeginn(QPrinter& drucker, QPainter& maler, DruckSeite& seite, const AppState& s, UserPrompt& frage,
                 DruckListe* offeneTextausgabe)
{
    if (offeneTextausgabe) {
        std::string fehler;
        offeneTextausgabe->schliessen(fehler);
    }

    bool gut = maler.isActive() || maler.begin(&drucker);
    if (gut) {
        seite = DruckSeite{};
        gut = DruckBereich(druckGeraetVon(drucker), seite.DruckBreite, seite.DruckHoehe, seite.DruckRandX,
                           seite.DruckRandY);
    }
    if (gut) {
        // Logical units of 0.1 mm, y growing downward from the printable corner.
        const qreal aufloesung = drucker.resolution();
        gut = aufloesung > 0;
        if (gut) {
            maler.resetTransform();
            maler.scale(aufloesung / 254.0, aufloesung / 254.0);
        }
    }
    if (!gut) {
        if (maler.isActive()) {
            drucker.abort();
            maler.end();
        }
        frage.ask(PromptTitle::Warnung, PromptIcon::Warning, std::string(MeldungsTabelle[23].in(s.Sprachspalte)),
                  PromptButtons::Ok);
    }
    return gut;
}

} // namespace umbrin
