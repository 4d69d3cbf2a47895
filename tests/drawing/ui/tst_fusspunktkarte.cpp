// Moving the gnomon foot of a planar dial with the world map: the window keeps the map read
// and projected, and the dial's lines and map drawn as a layer, between clicks. Its picture
// after a run of moves (and after a zoom, a change of language, of the window's size, and of
// every other thing the layer is drawn from, one at a time: place, year, time, options, sizes,
// a file loaded) must be the picture a window that never drew before makes with one click at
// the same place, and the one it draws again without a move, pixel for pixel.
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "drawing/KartenText.h"
#include "core/Sprachdienst.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenfensterAufbau.h"
#include "support/ui/Bildvergleich.h"

#include <QMouseEvent>
#include <QtTest>

#include <functional>
#include <vector>

using namespace umbrin;

namespace {

void klick(ZeichenFenster& w, QPoint p)
{
    Bildflaeche* bild = w.bildflaeche();
    QMouseEvent e(QEvent::MouseButtonPress, p, bild->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(bild, &e);
}

// The first difference of two pictures farther than rand pixels from the edge, or an empty
// text.
QString unterschied(const QImage& a, const QImage& b, int rand = 0)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    for (int y = rand; y < a.height() - rand; ++y)
        for (int x = rand; x < a.width() - rand; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("pixel %1 %2").arg(x).arg(y);
    return {};
}

} // namespace

class FusspunktKarteTest : public QObject {
    Q_OBJECT
private slots:
    void movedFootDrawsAsAFreshWindow_data()
    {
        QTest::addColumn<char>("typ");
        QTest::addColumn<bool>("grenzen");
        QTest::newRow("vertical, coastlines and borders") << 'v' << true;
        QTest::newRow("vertical, coastlines") << 'v' << false;
        QTest::newRow("horizontal, coastlines and borders") << 'h' << true;
        QTest::newRow("inclining, coastlines") << 'i' << false;
        QTest::newRow("vertical, no map") << 'V' << false;
    }
    void movedFootDrawsAsAFreshWindow()
    {
        QFETCH(char, typ);
        QFETCH(bool, grenzen);
        const bool karte = typ != 'V';
        const auto zustand = [&](test::ZeichenfensterAufbau& a) {
            LadeKartenText(a.s);
            a.s.UhrTyp = karte ? typ : 'v';
            a.s.KarteAn = karte;
            // Lines of every kind the layer keeps, with the figure-eight and its marks.
            a.s.Schalter.MitZeitgl = 1;
            a.s.Schalter.Temporalstunden = 1;
            a.s.Schalter.Sonnenhoehe = 1;
            a.s.Schalter.GanzeTageslaenge = 1;
            a.s.Schalter.Babylonisch = 1;
            a.s.Schalter.Italienisch = 1;
            a.s.KuestenAn = 1;
            a.s.GrenzenAn = grenzen;
        };
        test::ZeichenfensterAufbau warm;
        zustand(warm);
        auto w = warm.fenster();
        // Each step: how the warm window gets there (a zoom, a language switch, or a change of
        // the state made elsewhere, which the window learns of only with the next click), then
        // the place of the last click.
        struct Schritt {
            int zoomEin;
            bool englisch;
            std::function<void(AppState&)> aendern;
            QPoint fuss;
            QSize fenster{};
            bool ausDatei = false; // the change comes in a construction-data file loaded into the window
        };
        const auto farbe = [](AppState& s) { s.Farben[3] = 0x0000A0; };
        const auto ort = [](AppState& s) { s.Par.Breite = -33.87; s.Par.Wandabweichung = 160; };
        // Then every other part of the layer's key, one at a time.
        const Schritt schritte[] = {
            {0, false, {}, {500, 120}}, {0, false, {}, {320, 60}}, {0, false, {}, {740, 300}},
            {1, false, {}, {500, 120}}, {0, true, {}, {610, 90}}, {0, false, farbe, {400, 200}},
            {0, false, ort, {420, 210}}, {0, false, {}, {430, 200}, {1000, 700}},
            {0, false, [](AppState& s) { s.Zeiten.StundeVon = 11; s.Zeiten.BabBis = 9; }, {420, 210}},
            {0, false, [](AppState& s) { s.Schalter.Sonnenhoehe = 0; }, {430, 200}},
            {0, false, [](AppState& s) { s.GrenzenAn = !s.GrenzenAn; }, {420, 210}},
            {0, false, [](AppState& s) { s.EpsRund = 20; }, {430, 200}},
            {0, false, [](AppState& s) { s.FormatA4 = 0; }, {420, 210}},
            {0, false, [](AppState& s) { s.KartenText.resize(s.KartenText.size() / 2); }, {430, 200}},
            {0, false, [](AppState& s) { s.KuestenAn = 0; }, {420, 210}},
            {0, false, [](AppState& s) { s.KarteAn = !s.KarteAn; }, {430, 200}},
            // The time of the hour lines: at the zone meridian, then the place 20 degrees
            // further east from a file, the year, local mean time.
            {0, false, [](AppState& s) { s.Schalter.OhneLaengenkorrektur = 0; }, {430, 200}},
            {0, false, [](AppState& s) { s.Par.Laenge -= 20; }, {420, 210}, {}, true},
            {0, false, [](AppState& s) { s.Par.Jahr = 1600; }, {430, 200}},
            {0, false, [](AppState& s) { s.Schalter.OrtszeitAnzeige = 1; }, {420, 210}},
            {0, false, [](AppState& s) { s.Schalter.AnalemmaMarken = 3; s.Schalter.HalbeAnalemma = 1; }, {430, 200}},
            {0, false, [](AppState& s) { s.Schalter.Datumslinien = '1'; s.Schalter.StundenIntervall = '3'; }, {420, 210}},
            {0, false, [](AppState& s) { s.Schalter.Poldreieck = 1; }, {430, 200}},
            // The user's own date lines, then one more of them.
            {0, false, [](AppState& s) { s.Schalter.Datumslinien = '2'; s.Datumslinien = {"21/06    ( 21. Juni )"}; }, {420, 210}},
            {0, false, [](AppState& s) { s.Datumslinien.push_back("15/08    ( 15. August )"); }, {430, 200}},
            {0, false, [](AppState& s) { s.Par.Gnomonhoehe = 52.5; }, {420, 210}},
            {0, false, [](AppState& s) { s.Schirmuhr = 1; }, {420, 210}},
            {0, false, [](AppState& s) { s.Par.SchirmRadius = 0.5; }, {430, 200}},
            {0, false, [](AppState& s) { s.UhrTyp = s.UhrTyp == 'h' ? 'v' : 'h'; }, {430, 200}},
        };
        std::vector<std::function<void(AppState&)>> aenderungen;
        double zoom = warm.s.Zoom;
        for (const Schritt& schritt : schritte) {
            for (int i = 0; i < schritt.zoomEin; ++i)
                w->zoomEin();
            QVERIFY(schritt.zoomEin == 0 || warm.s.Zoom > zoom);
            if (schritt.fenster.isValid())
                w->resize(schritt.fenster);
            zoom = warm.s.Zoom;
            if (schritt.englisch) {
                setzeSprache(warm.s, false);
                w->aktualisiereSprache(warm.s);
            }
            if (schritt.ausDatei) {
                AppState datei = warm.s;
                schritt.aendern(datei);
                std::vector<std::string> text;
                std::string fehler;
                IniTextErstellen(datei, false, text, warm.prompt);
                QVERIFY(IniTextSpeichern(text, warm.pfad("ort.umb"), fehler));
                warm.geoeffnet = QString::fromStdString(warm.pfad("ort.umb"));
                w->BtnLoadCClick();
                QCOMPARE(warm.s.Par.Laenge, datei.Par.Laenge);
                // The fresh window reads the same file.
                aenderungen.push_back([pfad = warm.pfad("ort.umb")](AppState& s) {
                    test::ScriptedPrompt frage;
                    LeseIni(s, pfad, true, true, frage);
                });
            } else if (schritt.aendern) {
                schritt.aendern(warm.s);
                aenderungen.push_back(schritt.aendern);
            }
            // A few moves on the way, then the one compared.
            klick(*w, schritt.fuss + QPoint(40, 25));
            klick(*w, schritt.fuss - QPoint(15, 5));
            klick(*w, schritt.fuss);

            test::ZeichenfensterAufbau kalt;
            zustand(kalt);
            kalt.s.Zoom = warm.s.Zoom;
            setzeSprache(kalt.s, warm.s.Deutsch != 0);
            for (const auto& a : aenderungen)
                a(kalt.s);
            auto frisch = kalt.fenster(w->size());
            klick(*frisch, schritt.fuss);
            QCOMPARE(frisch->bildflaeche()->bild().size(), w->bildflaeche()->bild().size());
            const QString u = unterschied(w->bildflaeche()->bild(), frisch->bildflaeche()->bild());
            // The map is there: the coastlines' colour inks many pixels.
            int kueste = 0;
            const QImage& bild = frisch->bildflaeche()->bild();
            for (int y = 0; y < bild.height(); y += 2)
                for (int x = 0; x < bild.width(); x += 2)
                    kueste += test::farbanteil(bild.pixel(x, y), kalt.s.Farben[10]) > 0.6 ? 1 : 0;
            QVERIFY2(!kalt.s.KarteAn || !kalt.s.KuestenAn || kueste > 100, qPrintable(QString::number(kueste)));
            const QString wo = QStringLiteral(" at step %1, foot %2 %3, zoom %4")
                                   .arg(&schritt - schritte).arg(schritt.fuss.x()).arg(schritt.fuss.y()).arg(warm.s.Zoom);
            QVERIFY2(u.isEmpty(), qPrintable(u + wo));
            // The same foot drawn again without a move (as after any other change).
            frisch->Konstruiere();
            const QString g = unterschied(w->bildflaeche()->bild(), frisch->bildflaeche()->bild());
            QVERIFY2(g.isEmpty(), qPrintable(g + QStringLiteral(" (drawn again)") + wo));
        }
    }
};

QTEST_MAIN(FusspunktKarteTest)
#include "tst_fusspunktkarte.moc"
