#include "tables/ui/EoTVergleichDrucken.h"

#include "core/Rounding.h"
#include "core/ui/Dateidruck.h"
#include "core/ui/PainterCanvas.h"
#include "tables/EoTPaare.h"

#include <QPrinter>

namespace umbrin {

bool EoTVergleichDrucken(QPrinter& drucker, const AppState& s, int n, std::string& grund)
{
    drucker.setPageOrientation(QPageLayout::Portrait);
    const std::vector<EoTDruckseite> seiten = EoTVergleichSeiten(s, n);
    Dateidruck datei(drucker, s.Sprachspalte != 2);
    const auto gescheitert = [&] {
        grund = datei.grund();
        return false;
    };
    if (!datei.bereit())
        return gescheitert();
    {
        PainterCanvas c(drucker);
        if (drucker.printerState() == QPrinter::Error || drucker.printerState() == QPrinter::Aborted)
            return gescheitert();
        c.setBrushStyle(BrushStyle::Clear);
        // A fixed-pitch face keeps the columns of the records aligned.
        c.setFont({"Courier New", 39, true, FarbeSchwarz});
        const int zeile = static_cast<int>(roundHalfEven(c.textExtent("Kapy").height * 1.1L));
        for (std::size_t p = 0; p < seiten.size(); ++p) {
            if (p > 0) {
                c.flush();
                drucker.newPage();
            }
            const EoTDruckseite& seite = seiten[p];
            for (std::size_t i = 0; i < seite.zeilen.size(); ++i) {
                // The heading stands in the first row, the records from the second on.
                const std::size_t reihe = seite.mitKopf ? i + 1 : i + 2;
                c.textOut(120, 80 + zeile * static_cast<int>(reihe), seite.zeilen[i]);
            }
        }
    }
    if (drucker.printerState() == QPrinter::Error || drucker.printerState() == QPrinter::Aborted
        || !datei.abschliessen())
        return gescheitert();
    return true;
}

} // namespace umbrin
