// The drawing window with the altitude dials: it constructs, prints and exports 'k', 'b' and
// the shepherd's cylinder, prints the ham dial in ham mode, and a refused export leaves the
// file that was there.
#include "core/RecordingCanvas.h"
#include "core/Sprachdienst.h"
#include "core/ui/PainterCanvas.h"
#include "dialogs/IniText.h"
#include "drawing/KartenText.h"
#include "drawing/ZeichnungExport.h"
#include "drawing/Zeichnungstyp.h"
#include "drawing/Zeichnungszeilen.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/Fusspunktschicht.h"
#include "drawing/ui/ZeichenfensterAufbau.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <string>

using namespace umbrin;

namespace {

struct Aufbau : test::ZeichenfensterAufbau {
    explicit Aufbau(char typ)
    {
        LadeKartenText(s);
        s.UhrTyp = typ;
        s.Schalter.ZylinderArt = 0;
    }

    std::unique_ptr<ZeichenFenster> fenster() { return ZeichenfensterAufbau::fenster({1200, 800}); }

    // Loads, through the window's load button, a construction-data file of the defaults with
    // the dial letter typ.
    void ladeDatei(ZeichenFenster& w, char typ)
    {
        AppState d;
        initialisiereZustand(d);
        d.UhrTyp = typ;
        d.Par.HabermelGnomon = 40;
        std::vector<std::string> text;
        IniTextErstellen(d, false, text, prompt);
        std::string fehler;
        const std::string name = pfad(typ == 'o' ? "ham.umb" : "plan.umb");
        QVERIFY2(IniTextSpeichern(text, name, fehler), fehler.c_str());
        geoeffnet = QString::fromStdString(name);
        w.BtnLoadCClick();
    }
};

// What a row of the table draws on an image of the window's size (a planar dial through the
// layer that follows its foot, as the window draws it).
QImage zeichnungDerZeile(const Zeichnungseintrag& e, AppState s, Zeichenfensterzustand f, QSize groesse)
{
    const Zeichenumgebung u = zeichenumgebung(f, true, false, 0, 0);
    const auto zeichner = [&](Canvas& c, const Zeichenumgebung& v) {
        Zeichenauftrag a{s, f, c, groesse.width(), groesse.height(), true, v, 0, 0};
        return e.bildschirm(a);
    };
    Fusspunktschicht schicht;
    Konstruktionsmeldungen m;
    QImage bild;
    if (Fusspunktschicht::verschiebbar(s, f) && schicht.zeichne(bild, groesse, s, u, false, zeichner, m))
        return bild.copy();
    bild = QImage(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    PainterCanvas c(bild);
    zeichner(c, u);
    c.flush();
    return bild;
}

// The process's peak memory in kB; with neu, the peak is first set back to what is in use.
long spitzenSpeicherKb(bool neu)
{
    if (neu)
        std::ofstream("/proc/self/clear_refs") << "5";
    std::ifstream status("/proc/self/status");
    for (std::string zeile; std::getline(status, zeile);)
        if (zeile.starts_with("VmHWM:"))
            return std::stol(zeile.substr(6));
    return 0;
}

const Zeichnungseintrag& schinkenZeile()
{
    for (const Zeichnungseintrag& e : zeilenHoehenuhr())
        if (e.typ == kSchinkenZeile)
            return e;
    throw std::logic_error("no ham row");
}

// Whether the page the window prints holds the ham dial's title.
bool seiteMitSchinken(ZeichenFenster& w, AppState& s)
{
    RecordingCanvas c(2970, 2100, true);
    Zeichenauftrag a{s, w.fensterzustand(), c, 2970, 2100, false, Zeichenumgebung{}, 2970, 2100};
    zeichneDruckseite(a, w.fensterzustand().BildBreite, w.fensterzustand().BildHoehe);
    return c.hasText("Schinkensonnenuhr");
}

} // namespace

class HoehenuhrFensterTest : public QObject {
    Q_OBJECT
private slots:
    void constructsPrintsAndExportsEachAltitudeDial()
    {
        struct Fall {
            char typ;
            int monatsskala;
            const char* name;
        };
        for (const Fall& f : {Fall{'k', 0, "k_gefaltet"}, Fall{'k', 1, "k_nebeneinander"}, Fall{'b', 0, "b"},
                              Fall{'z', 0, "z_gefaltet"}, Fall{'z', 1, "z_nebeneinander"}}) {
            Aufbau a(f.typ);
            a.s.Schalter.Monatsskala = static_cast<std::uint8_t>(f.monatsskala);
            a.s.Schalter.Sonnenhoehe = 1;
            a.s.ExpertenModusStart = 1;
            a.s.Schalter.Italienisch = a.s.Schalter.Babylonisch = f.typ == 'z';
            auto w = a.fenster();
            QVERIFY2(test::farbigePixel(w->bildflaeche()->bild()) > 3000, f.name);
            QVERIFY(w->grab().save(test::bildOrdner() + "/hoehenuhr_" + f.name + ".png"));

            a.pdf = QString::fromStdString(a.pfad("dial.pdf"));
            w->BildDrucken();
            test::pruefePdf(a.pdf);

            a.exportierePlot(*w, "dial.plt");
            a.exportiereDxf(*w, "dial.dxf");
            QCOMPARE(w->fensterzustand().DxfFaktor, f.typ == 'z' ? 25 : 1);
        }
    }

    void hamModeDrawsAndPrintsTheHamDial()
    {
        Aufbau a('k');
        a.s.SchinkenModus = 1;
        a.s.Par.HabermelGnomon = 40;
        auto w = a.fenster();
        const QImage linien = w->bildflaeche()->bild();
        QVERIFY(test::farbigePixel(linien) > 1000);
        QVERIFY(w->grab().save(test::bildOrdner() + "/schinken_linien.png"));
        // Where crossings leave the page the dial is printed all the same, and the user is told
        // how many the page holds; where all fit, nothing is said.
        for (const double breite : {47.25, 10.0}) {
            a.s.Par.Breite = breite;
            a.prompt.asked.clear();
            a.pdf = QString::fromStdString(a.pfad(breite > 20 ? "schinken.pdf" : "schinken_tropen.pdf"));
            w->BildDrucken();
            test::pruefePdf(a.pdf);
            QCOMPARE(a.gefragt("Stundenkreuzen der Schinkensonnenuhr"), breite < 20);
        }

        // Marked hour points, shown instead of the hour lines, and printed: marked on the dial
        // at 47.25 N, drawn there at its full scale, they come whole onto the page.
        a.s.Par.Breite = 47.25;
        w->Konstruiere();
        for (const QPoint p : {QPoint(500, 300), QPoint(560, 330), QPoint(620, 380), QPoint(650, 450)})
            QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::ControlModifier, p);
        QTest::mouseClick(w->bildflaeche(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
        QCOMPARE(a.s.StundenpunkteZeigen, std::uint8_t{1});
        w->Konstruiere();
        QVERIFY(test::farbigePixel(w->bildflaeche()->bild()) < test::farbigePixel(linien));
        QVERIFY(w->grab().save(test::bildOrdner() + "/schinken_punkte.png"));
        a.pdf = QString::fromStdString(a.pfad("schinken_punkte.pdf"));
        a.prompt.asked.clear();
        w->BildDrucken();
        test::pruefePdf(a.pdf);
    }

    void aFileWithTheLetterOTurnsHamModeOnAndAnyOtherOff()
    {
        Aufbau a('v');
        auto w = a.fenster();

        a.ladeDatei(*w, 'o');
        QCOMPARE(a.s.UhrTyp, 'o');
        QCOMPARE(a.s.SchinkenModus, std::uint8_t{1});
        const QSize groesse = w->bildflaeche()->bild().size();
        const QImage schinken = zeichnungDerZeile(schinkenZeile(), a.s, w->fensterzustand(), groesse);
        QVERIFY(w->bildflaeche()->bild() == schinken);
        QVERIFY(seiteMitSchinken(*w, a.s));
        a.pdf = QString::fromStdString(a.pfad("ham.pdf"));
        w->BildDrucken();
        test::pruefePdf(a.pdf);
        // The ham dial has no plot: the export says so before it asks for a name, and makes
        // no file.
        for (bool alsHpgl : {true, false}) {
            a.prompt.asked.clear();
            a.exportiere(*w, alsHpgl, alsHpgl ? "ham.plt" : "ham.dxf");
            QVERIFY(!a.prompt.asked.empty());
            QCOMPARE(QString::fromStdString(a.prompt.asked.back().text), QString::fromStdString(keinExportText(a.s)));
            QVERIFY(QString::fromStdString(a.prompt.asked.back().text).contains(QStringLiteral("Schinkensonnenuhr")));
        }
        QCOMPARE(QDir(a.ordner.path()).entryList({"*.plt", "*.dxf"}, QDir::Files), QStringList());

        a.ladeDatei(*w, 'h');
        QCOMPARE(a.s.SchinkenModus, std::uint8_t{0});
        w->Konstruiere(); // the load's picture carries the new type's placement hint
        const QImage plan = zeichnungDerZeile(*zeichnungseintrag(a.s, false), a.s, w->fensterzustand(),
                                              w->bildflaeche()->bild().size());
        QVERIFY(w->bildflaeche()->bild() == plan);
        QVERIFY(plan != schinken);
        QVERIFY(!seiteMitSchinken(*w, a.s));
    }

    // The caption speaks the state's language from the window's creation on (a refusal shown
    // before the first activation left the German placeholder), and a type without a caption
    // of its own shows the window's name in that language.
    void captionSpeaksTheLanguageFromTheStart()
    {
        struct Fall {
            char typ;
            bool deutsch;
            const char* ohneEigenen;
        };
        for (const Fall& f : {Fall{'k', false, nullptr}, Fall{'k', true, nullptr}, Fall{'o', false, "Drawing"},
                              Fall{'o', true, "Zeichne"}}) {
            Aufbau a(f.typ);
            setzeSprache(a.s, f.deutsch);
            a.s.Par.Breite = 66;
            a.s.Schalter.TemporalAnzeige = 1;
            ZeichenFenster w(a.s, a.z, a.prompt, ZeichenfensterDienste{});
            const QString erwartet =
                f.ohneEigenen ? QString::fromUtf8(f.ohneEigenen) : QString::fromStdString(fensterTitel(a.s));
            QCOMPARE(w.windowTitle(), erwartet);
        }
    }

    void refusedExportKeepsTheOldFile()
    {
        struct Fall {
            char typ;
            int anzeige, kurven;
        };
        for (const Fall& f : {Fall{'k', 1, 0}, Fall{'z', 0, 1}}) {
            Aufbau a(f.typ);
            a.s.Par.Breite = 66;
            a.s.Schalter.TemporalAnzeige = static_cast<std::uint8_t>(f.anzeige);
            a.s.Schalter.Temporalstunden = static_cast<std::uint8_t>(f.kurven);
            auto w = a.fenster();
            for (const char* name : {"alt.plt", "alt.dxf"}) {
                std::ofstream(a.pfad(name), std::ios::binary) << "old";
                a.prompt.asked.clear();
                a.exportiere(*w, QString(name).endsWith(".plt"), name);
                QCOMPARE(QString::fromStdString(test::dateiText(a.pfad(name))), QStringLiteral("old"));
                QVERIFY(!a.prompt.asked.empty());
                QVERIFY(QString::fromStdString(a.prompt.asked.back().text)
                            .contains(QString::fromUtf8("Temporalstunden sind in dieser geogr. Breite")));
                for (const auto& frage : a.prompt.asked)
                    QVERIFY(!QString::fromStdString(frage.text).contains(QStringLiteral("gespeichert")));
            }
            QCOMPARE(QDir(a.ordner.path()).entryList(QDir::Files), QStringList({"alt.dxf", "alt.plt"}));
        }
    }

    // A start-settings file too large for its kind is refused by its size before a byte of it
    // is read, named for what it is, in the interface's language, and changes nothing.
    void hamStartFileGoesThroughTheSizeGate()
    {
        for (const bool deutsch : {true, false}) {
            Aufbau a('o');
            setzeSprache(a.s, deutsch);
            a.s.SchinkenModus = 1;
            a.s.Par.Breite = 33;
            auto w = a.fenster();
            const std::string datei = a.pfad("gross.ham");
            std::ofstream(datei) << "";
            std::filesystem::resize_file(datei, 512ull << 20); // sparse: read whole, it fills the memory
            a.geoeffnet = QString::fromStdString(datei);
            a.z.IniAusgabe = {"a"};
            a.prompt.asked.clear();
            const long vorher = spitzenSpeicherKb(true);
            w->BtnLoadCClick();
            QVERIFY2(spitzenSpeicherKb(false) - vorher < (128 << 10), "the file was read");
            QCOMPARE(a.prompt.asked.size(), std::size_t{1});
            const QString text = QString::fromStdString(a.prompt.asked[0].text);
            QVERIFY2(text.contains(deutsch ? QStringLiteral("zu groß für eine Datei mit Starteinstellungen")
                                           : QStringLiteral("too large for a start-settings file")),
                     qPrintable(text));
            QVERIFY(text.contains(QString::fromStdString(datei)));
            QCOMPARE(a.z.IniAusgabe, std::vector<std::string>{"a"});
            QCOMPARE(a.s.Par.Breite, 33.0);
        }
    }
};

QTEST_MAIN(HoehenuhrFensterTest)
#include "tst_hoehenuhrfenster.moc"
