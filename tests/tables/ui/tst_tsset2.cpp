#include "tables/ui/Tsset2.h"

#include "core/AufUntergang.h"
#include "core/Sprachdienst.h"
#include "core/ui/Beschriftung.h"
#include "core/ui/MeldungsFenster.h"
#include "core/ui/RadioGruppe.h"
#include "drawing/KartenText.h"
#include "shell/Menue.h"
#include "shell/ui/Fensterbauer.h"
#include "shell/ui/MainWindow.h"
#include "support/ScriptedPrompt.h"
#include "tables/Jahrestabelle.h"
#include "tables/ui/Tabellenbild.h"
#include "tables/ui/Tsset1.h"
#include "TabellenfensterAufbau.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QMdiArea>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace umbrin;

namespace {

using test::kind;
using test::pdfSeiten;

QByteArray lies(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The window on its own for a mode and a kind of table.
struct Tabellen : test::TabellenfensterAufbau {
    explicit Tabellen(int modus, int typ = 0) : TabellenfensterAufbau(modus)
    {
        s.Tabellentyp = static_cast<std::uint8_t>(typ);
        s.sinh0 = sinh0Werte(0);
    }
};

// A page in 0.1 mm that draws nothing and keeps the texts drawn on it (with their fonts and
// baseline starts) and its straight lines (a rectangle as its four sides).
class Schriftseite : public QPaintDevice {
public:
    struct Text {
        QPointF p;
        QString text;
        QFont font;
    };
    QList<QFont> schriften;
    QList<Text> texte;
    QList<QLineF> linien;

    QPaintEngine* paintEngine() const override { return &maschine_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 2970;
        case PdmHeight: return 2100;
        case PdmWidthMM: return 297;
        case PdmHeightMM: return 210;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 254;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Maschine : public QPaintEngine {
    public:
        explicit Maschine(Schriftseite& seite) : QPaintEngine(QPaintEngine::AllFeatures), seite_(seite) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawLines(const QLineF* l, int n) override
        {
            for (int i = 0; i < n; ++i)
                seite_.linien.append(l[i]);
        }
        void drawRects(const QRectF* r, int n) override
        {
            for (int i = 0; i < n; ++i)
                seite_.linien << QLineF(r[i].topLeft(), r[i].topRight()) << QLineF(r[i].topRight(), r[i].bottomRight())
                              << QLineF(r[i].bottomRight(), r[i].bottomLeft()) << QLineF(r[i].bottomLeft(), r[i].topLeft());
        }
        void drawTextItem(const QPointF& p, const QTextItem& text) override
        {
            seite_.schriften.append(text.font());
            seite_.texte.append({p, text.text(), text.font()});
        }
        Type type() const override { return QPaintEngine::User; }

    private:
        Schriftseite& seite_;
    };
    mutable Maschine maschine_{*this};
};

// The vertical rules of a printed table that cut through a character which is no blank: for
// each rule and each text it crosses, the character cell under it, read from the text and the
// advance of its fixed-pitch face. A rule at a cell's edge (within a tenth of a cell) runs
// between two characters.
QStringList regelnDurchZeichen(const Schriftseite& seite)
{
    QStringList fehler;
    for (const QLineF& l : seite.linien) {
        if (std::abs(l.x1() - l.x2()) > 0.01)
            continue;
        const double oben = std::min(l.y1(), l.y2());
        const double unten = std::max(l.y1(), l.y2());
        for (const Schriftseite::Text& t : seite.texte) {
            const QFontMetricsF fm(t.font);
            if (t.p.y() - fm.ascent() >= unten || t.p.y() + fm.descent() <= oben)
                continue;
            const double zeichen = (l.x1() - t.p.x()) / fm.horizontalAdvance(QLatin1Char('0'));
            const int i = static_cast<int>(std::floor(zeichen));
            const double rest = zeichen - i;
            if (i < 0 || i >= t.text.size() || rest < 0.1 || rest > 0.9 || t.text[i] == QLatin1Char(' '))
                continue;
            fehler << QStringLiteral("rule at %1 through '%2' of \"%3\"").arg(l.x1()).arg(t.text[i]).arg(t.text);
        }
    }
    return fehler;
}

} // namespace

class Tsset2Test : public QObject {
    Q_OBJECT
private slots:
    // Mode 1: one month, each twilight, and both half years; each shown and printed, the half
    // years on a landscape page.
    void monthTablesShowAndPrint()
    {
        Tabellen t(1);
        auto w = t.fenster();
        int n = 0;
        for (int art = 0; art <= 2; ++art) {
            w->AufgangScreen(art);
            QCOMPARE(t.s.Schalter.Daemmerung, art);
            QCOMPARE(t.s.Tabellenzeilen.size(), 43u); // June: 30 days
            QVERIFY(t.s.Tabellenzeilen[0].find("Jun. 2024") != std::string::npos);
            QVERIFY(!w->tabellenbild().isNull());
            w->DruckListe();
            const test::PdfSeiten p = pdfSeiten(t.pdf(++n));
            QCOMPARE(p.anzahl, 1);
            QVERIFY(!p.quer);
        }
        for (int wahl : {1, 2}) {
            w->RgSonnaufClick(wahl);
            QCOMPARE(t.s.Tabellenzeilen.size(), 43u);
            QVERIFY(t.s.Tabellenzeilen[3].find(wahl == 1 ? "Jan" : "Jul") != std::string::npos);
            QVERIFY(kind<QWidget>(w.get(), "ChbMt")->isHidden());
            w->DruckListe();
            const test::PdfSeiten p = pdfSeiten(t.pdf(++n));
            QCOMPARE(p.anzahl, 1);
            QVERIFY(p.quer);
        }
        QCOMPARE(t.textdruckBeendet, n);
        QCOMPARE(t.drucker.pageLayout().orientation(), QPageLayout::Portrait);
    }

    // Mode 8: the four year tables, shown and printed; the transit table in landscape. The
    // printout builds its own copy: the shown list stays as it is.
    void yearTablesShowAndPrint()
    {
        Tabellen t(8);
        auto w = t.fenster();
        for (int typ = 0; typ <= 3; ++typ) {
            w->RGTabelleClick(typ);
            QCOMPARE(t.s.Durchgangstabelle != 0, typ == 3);
            QCOMPARE(t.s.Tabellenzeilen.size(), 42u);
            const auto gezeigt = t.s.Tabellenzeilen;
            w->DruckListe();
            QCOMPARE(t.s.Tabellenzeilen, gezeigt);
            const test::PdfSeiten p = pdfSeiten(t.pdf(typ + 1));
            QCOMPARE(p.anzahl, 1);
            QCOMPARE(p.quer, typ == 3);
        }
        QCOMPARE(w->windowTitle(), QString::fromStdString(holeText(t.s, 68)));
    }

    // Text and CSV saves write the engine's bytes, ask for the separator once per CSV save,
    // and leave the table on show as it was.
    void textAndCsvSaves()
    {
        Tabellen t(8, TabelleDurchgang);
        auto w = t.fenster();
        const auto gezeigt = t.s.Tabellenzeilen;
        t.dateiname = QStringLiteral("jahr.dat");
        w->ButtonSaveClick();
        const QByteArray text = lies(t.ordner.path() + QStringLiteral("/jahr.txt"));
        QVERIFY(text.startsWith(" \r\n  Wann zeigt"));
        t.csv = true;
        t.prompt.answers = {PromptAnswer::No};
        w->ButtonSaveClick();
        const QByteArray csv = lies(t.ordner.path() + QStringLiteral("/jahr.csv"));
        QVERIFY(csv.startsWith(" , \r\n ,  Wann zeigt"));
        QVERIFY(csv.contains(" 1.; 12:"));
        QCOMPARE(t.s.Tabellenzeilen, gezeigt);
        QCOMPARE(t.prompt.asked.size(), 1u);
        // The question names its answers; its buttons carry those words, in either language.
        setzeSprache(t.s, false);
        w->ButtonSaveClick();
        QCOMPARE(t.prompt.asked.size(), 2u);
        const char* woerter[2][3] = {{"ja = Standard (;) oder nein = Komma (,)", "ja", "nein"},
                                     {"Yes = standard (;) or No = comma (,)", "Yes", "No"}};
        for (std::size_t i = 0; i < 2; ++i) {
            QVERIFY(t.prompt.asked[i].text.find(woerter[i][0]) != std::string::npos);
            QCOMPARE(t.prompt.asked[i].yesWord, std::string(woerter[i][1]));
            QCOMPARE(t.prompt.asked[i].noWord, std::string(woerter[i][2]));
        }
    }

    // The message box of such a question shows the named words on its two buttons, and the
    // button "nein" answers No.
    void namedButtonsOfTheMessageBox()
    {
        AppState s;
        initialisiereZustand(s);
        setzeSprache(s, false);
        MeldungsFenster fenster(s);
        QStringList knoepfe;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton* k : box->buttons())
                knoepfe << k->text();
            for (QAbstractButton* k : box->buttons())
                if (k->text() == QStringLiteral("nein"))
                    k->click();
        });
        const PromptAnswer a = fenster.askYesNoNamed(PromptTitle::WasNun, PromptIcon::Question, "ja oder nein?", "ja", "nein");
        knoepfe.sort();
        QCOMPARE(knoepfe, (QStringList{QStringLiteral("ja"), QStringLiteral("nein")}));
        QCOMPARE(a, PromptAnswer::No);
    }

    // Modes 16 and 32 open with their graph in the cached image, print it, and export it as
    // DXF without leaving a temporary file behind.
    void graphModesOpenPrintAndExport()
    {
        for (int modus : {16, 32}) {
            Tabellen t(modus);
            auto w = t.fenster();
            QVERIFY(!w->grafikbild().isNull());
            QCOMPARE(w->grafikbild().width(), static_cast<int>(0.85 * t.flaeche.width()));
            QVERIFY(kind<QWidget>(w.get(), "Tabellenkopf")->isHidden());
            w->DruckListe();
            QCOMPARE(pdfSeiten(t.pdf(1)).anzahl, 1);

            w->BtnHPGgraphClick(false);
            QVERIFY(kind<QWidget>(w.get(), "pEoTFile")->isVisible());
            w->btnOKClick();
            QVERIFY(kind<QWidget>(w.get(), "pEoTFile")->isHidden());
            QCOMPARE(t.prompt.asked.size(), 1u);
            QVERIFY(t.prompt.asked[0].text.find(modus == 16 ? "Eot.dxf" : "Sonnenpositionen.dxf") != std::string::npos);
            QCOMPARE(QDir(t.ordner.path()).entryList(QDir::Files, QDir::Name),
                     (QStringList{modus == 16 ? QStringLiteral("Eot.dxf") : QStringLiteral("Sonnenpositionen.dxf"),
                                  QStringLiteral("druck1.pdf")}));

            w->BtnHPGgraphClick(true);
            w->btnOKClick();
            QVERIFY(QFileInfo::exists(t.ordner.path() + (modus == 16 ? "/EoT.plt" : "/Azi.plt")));

            // The sun-path diagram hosts the horizon-profile panel, with its computation's
            // settings for these diagrams.
            auto* profil = w->findChild<QWidget*>(QStringLiteral("pProfil"));
            QCOMPARE(profil != nullptr, modus == 32);
            if (profil) {
                QCOMPARE(t.s.MaxAbstandKm, 60);
                QCOMPARE(t.s.Mindestabstand, 200);
                kind<QPushButton>(w.get(), "bhProfil")->click();
                QVERIFY(profil->isVisible());
            }
        }
    }

    // After the working area changed size a graph waits for "Grafik Regeneration", which
    // draws it at the new size; a table is fitted again at once.
    void resizedAreaAsksForTheGraphToBeRedrawn()
    {
        Tabellen t(16);
        auto w = t.fenster();
        t.flaeche = QSize(1000, 700);
        w->resize(900, 600);
        QApplication::processEvents();
        QVERIFY(kind<QWidget>(w.get(), "Button3")->isVisible());
        QVERIFY(kind<QWidget>(w.get(), "ImageGraph")->isHidden());
        kind<QPushButton>(w.get(), "Button3")->click();
        QVERIFY(kind<QWidget>(w.get(), "ImageGraph")->isVisible());
        QCOMPARE(w->grafikbild().width(), 850);

        Tabellen u(8);
        auto v = u.fenster();
        const int breit = v->tabellenbild().width();
        u.flaeche = QSize(700, 500);
        v->resize(800, 600);
        QApplication::processEvents();
        QVERIFY(v->tabellenbild().width() < breit);
    }

    // The y factor of the graph file is checked before anything is written.
    void graphFileFactorIsChecked()
    {
        Tabellen t(16);
        auto w = t.fenster();
        w->BtnHPGgraphClick(true);
        kind<QLineEdit>(w.get(), "edFaktor")->setText(QStringLiteral("25"));
        w->btnOKClick();
        QVERIFY(kind<QWidget>(w.get(), "pEoTFile")->isVisible());
        QCOMPARE(t.prompt.asked.size(), 1u);
        QCOMPARE(QDir(t.ordner.path()).entryList(QDir::Files).size(), 0);
    }

    // The printed tables line their columns up with blanks, as on screen: every text of the
    // month, half-year and year tables is set in a fixed-pitch face.
    void printedTablesUseAFixedPitchFace()
    {
        Tabellen t(1);
        auto w = t.fenster();
        for (int wahl : {0, 1}) {
            w->RgSonnaufClick(wahl);
            Schriftseite seite;
            QPainter maler(&seite);
            DruckeTabelleSeite(maler, t.s.Tabellenzeilen, wahl != 0, 297, 0, t.s);
            maler.end();
            QVERIFY(seite.schriften.size() > 30);
            for (const QFont& f : seite.schriften)
                QVERIFY2(QFontInfo(f).fixedPitch(), qPrintable(QFontInfo(f).family()));
        }
        Tabellen j(8);
        auto v = j.fenster();
        Schriftseite seite;
        QPainter maler(&seite);
        DruckeTabelleZeilen(maler, j.s.Tabellenzeilen, false, 210, 0);
        maler.end();
        QVERIFY(seite.schriften.size() > 30);
        for (const QFont& f : seite.schriften)
            QVERIFY2(QFontInfo(f).fixedPitch(), qPrintable(QFontInfo(f).family()));
    }

    // The column rules and box sides of the printed tables run between the columns of the face
    // the print uses: never through a digit or a letter, also where the midnight sun's texts
    // fill their fields, in both languages.
    void printedRulesRunBetweenTheColumns()
    {
        for (bool deutsch : {true, false}) {
            for (int wahl : {0, 1}) {
                Tabellen t(1);
                setzeSprache(t.s, deutsch);
                t.s.Par.Breite = 69.65;
                auto w = t.fenster();
                w->RgSonnaufClick(wahl);
                Schriftseite seite;
                QPainter maler(&seite);
                DruckeTabelleSeite(maler, t.s.Tabellenzeilen, wahl != 0, 297, 0, t.s);
                maler.end();
                QVERIFY(seite.linien.size() > 10);
                const QStringList fehler = regelnDurchZeichen(seite);
                QVERIFY2(fehler.isEmpty(), qPrintable(fehler.mid(0, 5).join(QLatin1Char('\n'))));
            }
        }
        for (int typ : {0, 3}) {
            Tabellen j(8, typ);
            auto v = j.fenster();
            Schriftseite seite;
            QPainter maler(&seite);
            TabelleJahr(j.s, 2024, typ < 2, typ);
            DruckeTabelleZeilen(maler, j.s.Tabellenzeilen, typ == 3, typ == 3 ? 297 : 210, 0);
            maler.end();
            QVERIFY(seite.linien.size() > 10);
            const QStringList fehler = regelnDurchZeichen(seite);
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler.mid(0, 5).join(QLatin1Char('\n'))));
        }
    }

    // A language switch rebuilds what the window shows: the half year stays a half year.
    void languageSwitchKeepsTheHalfYear()
    {
        Tabellen t(1);
        auto w = t.fenster();
        w->RgSonnaufClick(2);
        setzeSprache(t.s, false);
        beschrifteAlles(t.s, t.s.StringIdBasis);
        QCOMPARE(t.s.Tabellenzeilen[0], " Times of Sunrise/Sunset and Equation of time for 2024");
        QVERIFY(t.s.Tabellenzeilen[3].find("Dec") != std::string::npos);
        QCOMPARE(kind<RadioGruppe>(w.get(), "RgSonnauf")->itemIndex(), 2);
    }

    // A working area of 10 x 10 pixels: the tables shrink to the smallest font and stop.
    void tinyWindowDoesNotHang()
    {
        for (int modus : {1, 8, 16, 32}) {
            Tabellen t(modus);
            t.flaeche = QSize(10, 10);
            QElapsedTimer uhr;
            uhr.start();
            auto w = t.fenster();
            w->resize(10, 10);
            QApplication::processEvents();
            QVERIFY(uhr.elapsed() < 20000);
            if (modus <= 8)
                QCOMPARE(tabellenSchrift(w->tabellenbild()), KleinsteTabellenschrift);
        }
    }

    // The main window: items 28 to 31 open the window, F3 prints it, and the calculation
    // window's table button replaces itself with it.
    void mainWindowOpensAndPrintsTheTables()
    {
        test::HauptfensterAufbau h;
        auto [s, m] = std::tie(h.s, *h.w);
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        s.FensterFrei = 1;
        const struct {
            int punkt;
            int modus;
            int typ;
        } faelle[] = {{menue::Monatstabelle, 1, 0}, {menue::ZeitgleichungTabelle, 8, 0},
                      {menue::DeklinationTabelle, 8, 2}, {menue::MeridianTabelle, 8, 3}};
        for (const auto& f : faelle) {
            QVERIFY(m.aktion(f.punkt)->isEnabled());
            m.aktion(f.punkt)->trigger();
            QApplication::processEvents();
            auto* w = qobject_cast<Tsset2*>(m.aktivesFenster());
            QVERIFY(w);
            QCOMPARE(m.mdiArea()->subWindowList().size(), 1);
            QCOMPARE(int(s.Rechenmodus), f.modus);
            if (f.modus == 8)
                QCOMPARE(int(s.Tabellentyp), f.typ);
            m.aktion(menue::Drucken)->trigger();
            QCOMPARE(pdfSeiten(h.druck(h.auftrag)).anzahl, 1);
        }

        // The pop-up's table switch goes through the main window's table command.
        auto* offen = qobject_cast<Tsset2*>(m.aktivesFenster());
        offen->findChild<QAction*>(QStringLiteral("TabellederSonnendeklination1"))->trigger();
        QApplication::processEvents();
        QVERIFY(qobject_cast<Tsset2*>(m.aktivesFenster()));
        QCOMPARE(m.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(int(s.Tabellentyp), 2);
        QCOMPARE(s.Tabellenzeilen[1], " ");

        m.Sonnenstand1Click(1);
        QApplication::processEvents();
        auto* rechnen = qobject_cast<Tsset1*>(m.aktivesFenster());
        QVERIFY(rechnen);
        QVERIFY(rechnen->Button3Click(true));
        QApplication::processEvents();
        QVERIFY(qobject_cast<Tsset2*>(m.aktivesFenster()));
        QCOMPARE(int(s.Rechenmodus), 1);
    }
};

QTEST_MAIN(Tsset2Test)
#include "tst_tsset2.moc"
