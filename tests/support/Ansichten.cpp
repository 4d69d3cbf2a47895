#include "support/Ansichten.h"

#include "drawing/Auftragsschutz.h"
#include "drawing/Platzierung.h"
#include "drawing/ZeichnungExport.h"
#include "support/ExportPruefung.h"
#include "support/Layoutpruefung.h"
#include "support/ScriptedPrompt.h"
#include "support/TestOrdner.h"

#include <cmath>

namespace umbrin::test {

Blattinhalt leseCanvas(const RecordingCanvas& c)
{
    Blattinhalt b;
    b.breite = c.width();
    b.hoehe = c.height();
    for (const RecordedPrimitive& p : c.primitives()) {
        std::vector<PlotPunkt> q;
        for (const CanvasPoint& k : p.points)
            q.push_back({double(k.x), double(k.y)});
        if (p.kind == PrimitiveKind::Text)
            b.texte.push_back({p.text, q.at(0), double(p.font.height), p.angle, p.font.color, p.font.name, 0, false});
        else if (p.kind == PrimitiveKind::Rectangle)
            b.rechtecke.push_back({q.at(0).x, q.at(0).y, q.at(1).x, q.at(1).y});
        else if (p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Polyline || p.kind == PrimitiveKind::Arc
                 || p.kind == PrimitiveKind::Ellipse)
            b.striche.push_back({p.kind, p.pen.color, p.pen.width, 0, std::move(q)});
    }
    return b;
}

Blattinhalt lesePlot(const std::string& hpgl)
{
    Blattinhalt b;
    b.hpgl = hpgl;
    const Seitenrechteck seite = plotSeite(hpgl);
    b.breite = seite.x1;
    b.hoehe = seite.y1;
    for (PlotStrich& st : plotStriche(hpgl))
        b.striche.push_back({PrimitiveKind::Polyline, 0, 0, st.stift, std::move(st.punkte)});
    for (PlotText& t : plotTexte(hpgl))
        b.texte.push_back({std::move(t.text), t.an, 0, t.richtung, 0, {}, t.stift, t.zweitsatz});
    return b;
}

Blattinhalt zeichneInSicht(AppState s, const Sicht& v, const Sicht& bild, std::initializer_list<PromptAnswer> antworten)
{
    const Sicht& b = v.seite || v.plot ? bild : v;
    Zeichenfensterzustand zf;
    zf.BildBreite = zf.AktivBreite = b.breite;
    zf.BildHoehe = zf.AktivHoehe = b.hoehe;
    setzePlatzierung(s, standardPlatzierung(s, b.breite, b.hoehe));
    ScriptedPrompt frage;
    if (!v.plot) {
        RecordingCanvas c(v.breite, v.hoehe, v.seite);
        Zeichenauftrag z{s, zf, c, v.breite, v.hoehe, !v.seite, zeichenumgebung(zf, true, false, 0, 0),
                         v.seite ? v.breite : 0, v.seite ? v.hoehe : 0, &frage};
        z.arbeitsPfad = UMBRIN_BINARY_DIR;
        Konstruktionsmeldungen m = v.seite ? zeichneDruckseite(z, b.breite, b.hoehe)
                                           : konstruiereBild(z, Zeichenanlass::Sonstiges);
        Blattinhalt a = leseCanvas(c);
        a.meldungen = std::move(m);
        return a;
    }
    frage.answers = antworten;
    s.AlsHPGL = 1;
    TestOrdner ordner("ansicht");
    ExportAuftrag e{ordner / "ansicht.plt", b.breite, b.hoehe, UMBRIN_BINARY_DIR, {}};
    Auftragsschutz schutz(s);
    if (!exportiereZeichnung(s, zf, frage, zeichnungseintrag(s, false), e, schutz)) {
        Blattinhalt a;
        a.verweigert = true;
        return a;
    }
    return lesePlot(dateiText(e.datei));
}

int zahlIn(const std::string& text)
{
    const auto a = text.find_first_not_of(' '), e = text.find_last_not_of(' ');
    if (a == std::string::npos || text.find_first_not_of("0123456789", a) <= e || e - a > 8)
        return -1;
    return std::stoi(text.substr(a, e - a + 1));
}

PlotPunkt textMitte(const Beschriftung& t)
{
    const double ziffer = double(std::min(t.text.find_first_not_of(' '), t.text.size()));
    const double w = t.winkel * M_PI / 180, u = 0.55 * t.hoehe * (ziffer + (double(t.text.size()) - ziffer) / 2), v = t.hoehe / 2;
    return {t.an.x + u * std::cos(w) + v * std::sin(w), t.an.y - u * std::sin(w) + v * std::cos(w)};
}

} // namespace umbrin::test
