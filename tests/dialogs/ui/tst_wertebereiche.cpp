// Every edit field with a range of its own, in the window that shows it: typed just below, at
// and just above each end of its range and left, the value at an end is stored without a
// word, one beyond it is refused with a message and the value stored before stays. A field left
// empty or refused by any way out changes nothing. (The cone's fields depend on each other and
// have their own test with the parameter dialog.)
#include "DialogTestHilfe.h"
#include "support/ui/Eingabetexte.h"

#include "core/Eingabepruefung.h"
#include "core/RecordingCanvas.h"
#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "dialogs/ui/OrtUndZeitDialog.h"
#include "dialogs/ui/ParameterDialog.h"
#include "dialogs/ui/TypwahlDialog.h"
#include "drawing/Platzierung.h"
#include "drawing/Zeichnungsroutinen.h"
#include "tables/ui/Tsset1.h"
#include "tables/ui/Tsset2.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

using namespace umbrin;
using namespace umbrin::dialogtest;

namespace {

struct Feld {
    char fenster; // 'o' location and year, 't' type chooser, 'p' parameter dialog, 'r' calculation
                  // window, 'g' the tables window's sun-path diagram
    char typ;
    std::uint8_t schirm, sub; // umbrella dial; sub-type of the altitude and cylinder dials
    const char* feld = nullptr;
    struct {
        double von, bis;
    } bereich{};                        // what the field accepts, both ends included
    bool ganz = false;                  // whole numbers
    double (*wert)(const AppState&) = nullptr; // the stored value, in the unit typed
    bool winkel = false;                // a direction: -180 and 180 are one, stored just inside
    bool vonAusgeschlossen = false;     // the lower end itself is refused
    bool nurImFenster = false;          // a value the files do not hold
};

double wand(const AppState& s) { return s.Par.Wandabweichung; }
double gnomon(const AppState& s) { return s.Par.Gnomonhoehe; }
double inklination(const AppState& s) { return s.Par.Inklination; }
double analemma(const AppState& s) { return s.Schalter.AnalemmaStunde; }
double breite(const AppState& s) { return s.Par.Breite; }
double laenge(const AppState& s) { return s.Par.Laenge; }

const Feld kFelder[] = {
    // Location and year, decimal form.
    {'o', 'v', 0, 0, "Edit11", {-90, 90}, false, breite},
    {'o', 'v', 0, 0, "Edit13", {-180, 180}, false, [](const AppState& s) { return s.Par.Laenge; }},
    {'o', 'v', 0, 0, "Edit15", {-180, 180}, false, [](const AppState& s) { return s.Par.Zonenmeridian; }},
    {'o', 'v', 0, 0, "Edit5", {1300, 2500}, true, [](const AppState& s) { return double(s.Par.Jahr); }},
    // Dial-type chooser.
    {'t', 'v', 0, 0, "Edit1", {-180, 180}, false, wand, true},
    {'t', 'v', 0, 0, "Edit3", {5, 200}, false, gnomon},
    {'t', 'i', 0, 0, "Edit2", {0, 175}, false, inklination, false, true},
    {'t', 'z', 0, 0, "EdZylang", {3, 290}, true, [](const AppState& s) { return double(s.SkalaZylinder); }},
    {'t', 'z', 0, 0, "Edit3", {4, 110}, true, [](const AppState& s) { return double(s.Par.Skalenlaenge); }},
    {'t', 'z', 0, 2, "Edit3", {4, 110}, false, [](const AppState& s) { return s.Par.ZylZeiger; }},
    {'t', 'z', 0, 2, "EdZylRad", {4, 500}, false, [](const AppState& s) { return s.Par.ZylRadius; }},
    {'t', 'k', 0, 0, "Edit3", {1, 110}, true, [](const AppState& s) { return double(s.Par.HidokaiZeiger); }},
    {'t', 'r', 0, 0, "rDurchEdit", {10, 300}, false, [](const AppState& s) { return s.Par.RingDurchmesser; }},
    // Parameter dialog, page by page.
    {'p', 'i', 0, 0, "EdDekl", {-180, 180}, false, wand, true},
    {'p', 'i', 0, 0, "EdInkl", {0, 175}, false, inklination},
    {'p', 'i', 0, 0, "EdGnom", {5, 500}, false, gnomon},
    {'p', 'i', 0, 0, "Ed1", {1, 23}, true, analemma},
    {'p', 'i', 1, 0, "EdSolKreis", {-100, 200}, false, [](const AppState& s) { return 100 * s.Par.SchirmRadius; }},
    {'p', 'i', 1, 0, "EdSolNeig", {0, 80}, false, inklination},
    {'p', 'i', 1, 0, "EdSolBeta", {-180, 180}, false, wand, true},
    {'p', 'i', 1, 0, "EdSolZeig", {5, 500}, false, gnomon},
    {'p', 'i', 1, 0, "Ed1S", {1, 23}, true, analemma},
    {'p', 'z', 0, 0, "EdSkala", {0, 400}, true, [](const AppState& s) { return double(s.SkalaZylinder); }},
    {'p', 'z', 0, 0, "Edit1", {4, 110}, true, [](const AppState& s) { return double(s.Par.Skalenlaenge); }},
    // The pointer and the radius of the polar-rod cylinder take whole numbers only (the pointer
    // shares its field with the whole-number scale length).
    {'p', 'z', 0, 2, "Edit1", {4, 110}, true, [](const AppState& s) { return s.Par.ZylZeiger; }},
    {'p', 'z', 0, 2, "EdRAdius", {4, 500}, true, [](const AppState& s) { return s.Par.ZylRadius; }},
    {'p', 'k', 0, 0, "hEdSkala", {0, 180}, true, [](const AppState& s) { return double(s.SkalaHidokai); }},
    {'p', 'k', 0, 0, "hEdSkalaS", {0, 260}, true, [](const AppState& s) { return double(s.SkalaHidokai2); }},
    {'p', 'k', 0, 0, "hEdit1", {4, 110}, true, [](const AppState& s) { return double(s.Par.HidokaiZeiger); }},
    {'p', 'a', 0, 0, "EdAz1", {10, 400}, false, [](const AppState& s) { return s.AzAbstand; }, false, false, true},
    {'p', 'a', 0, 0, "EdAz2", {3, 200}, false, [](const AppState& s) { return s.AzGrundplatte; }, false, false, true},
    {'p', 'c', 0, 0, "EdLat1", {-90, 90}, false, breite},
    {'p', 'c', 0, 0, "ed2Lat", {-90, 90}, false, [](const AppState& s) { return s.Par.Breite2; }},
    {'p', 'c', 0, 0, "EdLong1", {-180, 180}, false, laenge},
    {'p', 'c', 0, 0, "Ed2Long", {-180, 180}, false, [](const AppState& s) { return s.Par.Laenge2; }},
    {'p', 'c', 0, 0, "EdZon1", {-180, 180}, false, [](const AppState& s) { return s.Par.Zonenmeridian; }},
    {'p', 'm', 0, 0, "EdKegel", {5, 500}, false, gnomon},
    {'p', 'm', 0, 0, "Ed2", {1, 23}, true, analemma},
    {'p', 'c', 0, 0, "EdScale", {5, 66000000}, true, [](const AppState& s) { return double(s.Schalter.Kartenmassstab); }},
    {'p', 'q', 0, 0, "edQuad", {80, 200}, true, [](const AppState& s) { return double(s.Par.QuadrantGroesse); }},
    {'p', 'r', 0, 0, "rDurchEdit", {10, 300}, false, [](const AppState& s) { return s.Par.RingDurchmesser; }},
    {'p', 'r', 0, 0, "rBreitEdit", {4.5, 190}, false, [](const AppState& s) { return s.Par.RingBreite; }},
    {'p', 'r', 0, 0, "rAlphEdit", {10, 90}, false, [](const AppState& s) { return s.Par.RingAlpha; }},
    {'p', 'w', 0, 0, "EdSWi", {1, 15}, false, [](const AppState& s) { return s.Par.DatumWinkel; }},
    {'p', 'w', 0, 0, "EdSawyer", {5, 200}, false, gnomon},
    {'p', 'w', 0, 0, "EdSzp", {0, 900}, false, [](const AppState& s) { return s.Par.DatumMitte; }},
    {'p', 'w', 0, 0, "EdSaw", {-90, 90}, false, breite},
    {'p', 'p', 0, 0, "EdPeau", {-2.1, 2.1}, false, [](const AppState& s) { return s.Par.PeauParameter; }},
    {'p', 'p', 0, 0, "EdEinheit", {10, 120}, true, [](const AppState& s) { return double(s.Par.Einheit); }},
    {'r', 'v', 0, 0, "edLatitude", {-90, 90}, false, breite}, // the calculation window
    {'g', 'v', 0, 0, "EdBr", {-90, 90}, false, breite},       // the sun-path diagram's plane
};

// Every view of the three windows: the location window in both forms, the type chooser and the
// parameter dialog at each dial type, umbrella and sub-type with a page of its own.
const Feld kSichten[] = {
    {'o', 'v', 0, 0}, {'o', 'v', 0, 1}, {'t', 'v', 0, 0}, {'t', 'i', 0, 0}, {'t', 'i', 1, 0}, {'t', 'q', 0, 1},
    {'t', 'z', 0, 0}, {'t', 'z', 0, 2}, {'t', 'k', 0, 0}, {'t', 'a', 0, 0}, {'t', 'r', 0, 0}, {'p', 'i', 0, 0},
    {'p', 'i', 1, 0}, {'p', 'q', 0, 0}, {'p', 'q', 0, 1}, {'p', 'z', 0, 0}, {'p', 'z', 0, 2}, {'p', 'k', 0, 0},
    {'p', 'r', 0, 0}, {'p', 'a', 0, 0}, {'p', 'c', 0, 0}, {'p', 'm', 0, 0}, {'p', 'w', 0, 0}, {'p', 'p', 0, 0},
};

std::vector<std::string> gespeichert(const AppState& s)
{
    SkriptPrompt still;
    std::vector<std::string> zeilen;
    IniTextErstellen(s, false, zeilen, still);
    return zeilen;
}

// The primitives of the dial drawn in the drawing window's image, as points and texts.
std::vector<std::pair<std::vector<CanvasPoint>, std::string>> bild(AppState s)
{
    Zeichenfensterzustand zf;
    zf.BildBreite = zf.AktivBreite = 1780;
    zf.BildHoehe = zf.AktivHoehe = 905;
    setzePlatzierung(s, standardPlatzierung(s, 1780, 905));
    RecordingCanvas c(1780, 905);
    SkriptPrompt frage;
    Zeichenauftrag z{s, zf, c, 1780, 905, true, zeichenumgebung(zf, true, false, 0, 0), 0, 0, &frage, UMBRIN_BINARY_DIR};
    konstruiereBild(z, Zeichenanlass::Sonstiges);
    std::vector<std::pair<std::vector<CanvasPoint>, std::string>> b;
    for (const RecordedPrimitive& p : c.primitives())
        b.emplace_back(p.points, p.text);
    return b;
}

QString text(double x, bool ganz) { return QString::number(x, 'f', ganz ? 0 : 2); }

QString feldName(const Feld& f)
{
    return QString::fromLatin1("%1 %2 %3")
        .arg(QChar::fromLatin1(f.fenster))
        .arg(QChar::fromLatin1(f.typ))
        .arg(QLatin1String(f.feld));
}

// Another field of the window to leave the tested one for; a choice button where the window
// has no other field (never a push button: one of them cancels).
QWidget* anderesFeld(QWidget* d, QLineEdit* feld)
{
    for (QLineEdit* f : d->findChildren<QLineEdit*>())
        if (f != feld && f->isVisible() && f->isEnabled() && !f->isReadOnly())
            return f;
    for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
        if (!qobject_cast<QPushButton*>(b) && b->isVisible() && b->isEnabled())
            return b;
    return nullptr;
}

bool gleich(double ist, double soll, const Feld& f)
{
    const double d = f.winkel ? std::remainder(ist - soll, 360.0) : ist - soll;
    return std::fabs(d) <= (f.winkel ? 1e-3 : 1e-9);
}

// The state saved as `datei` and read into a started state gives the field's stored value back
// without a complaint; a view (no field) gets the whole file back and draws the same, and with
// `genau` every parameter to the last digit.
void liestZurueck(const AppState& s, const Feld& f, const QString& datei, const QString& fall, bool zeichnen = false,
                  bool genau = false)
{
    SkriptPrompt still;
    std::string fehler;
    QVERIFY2(IniTextSpeichern(gespeichert(s), datei.toStdString(), fehler, s.Sprachspalte != 2), fehler.c_str());
    AppState zurueck;
    initialisiereZustand(zurueck);
    LeseIni(zurueck, datei.toStdString(), true, true, still);
    const auto wert = f.wert ? f.wert : breite;
    const QString was = fall + QStringLiteral(" stored %1, read back %2 from ").arg(wert(s)).arg(wert(zurueck)) + datei;
    QVERIFY2(still.asked.empty(), qPrintable(was + QStringLiteral(": refused by the reader")));
    QVERIFY2(f.nurImFenster || gleich(wert(zurueck), wert(s), f), qPrintable(was));
    QVERIFY2(f.wert || gespeichert(zurueck) == gespeichert(s), qPrintable(was + QStringLiteral(": the file reads otherwise")));
    QVERIFY2(!genau || zurueck.Par == s.Par, qPrintable(fall + QStringLiteral(": a value is not what ") + datei + " gives back"));
    QVERIFY2(!zeichnen || bild(zurueck) == bild(s), qPrintable(fall + QStringLiteral(" draws otherwise after a load")));
}

} // namespace

class WertebereicheTest : public QObject, DialogAufbau {
    Q_OBJECT
    TestShell shell;
    DialogWalk walk{s, shell};
    std::vector<std::string> ergebnis; // the calculation window's result lines and date
    int tag = 21, monat = 6;

private:
    // The window of f at a place whose rows differ in every minute and second (47 15' 45" N,
    // 9 35' 33" E, zone 15 07' 48" E) or in the state given, within the walk when asked (its
    // cancel button shows).
    QWidget* oeffneFenster(const Feld& f, bool deutsch = true, bool imWalk = false, const AppState* start = nullptr)
    {
        neu();
        s.Par.Breite = 47.2625;
        s.Par.Laenge = -9.5925;
        s.Par.Zonenmeridian = -15.13;
        if (start)
            s = *start;
        s.DialogSchritt = imWalk ? (f.fenster == 'o' ? 1 : f.fenster == 't' ? 3 : 5) : 0;
        setzeSprache(s, deutsch);
        s.UhrTyp = f.typ;
        s.Schirmuhr = f.schirm;
        s.Schalter.Hoehenuhrart = f.sub;
        s.Schalter.ZylinderArt = f.sub;
        s.ExpertenModus = 1;
        DialogUmgebung& u = neueUmgebung();
        u.walk = imWalk ? &walk : nullptr;
        u.ort.dezimal = f.sub == 0; // 1: degrees, minutes and seconds
        s.Rechenmodus = f.fenster == 'g' ? 32 : 4; // the diagram's plane, the calculation window's azimuth
        QWidget* d = f.fenster == 'o'   ? static_cast<QWidget*>(new OrtUndZeitDialog(u))
                     : f.fenster == 't' ? static_cast<QWidget*>(new TypwahlDialog(u))
                     : f.fenster == 'r' ? static_cast<QWidget*>(new Tsset1(s, prompt, ergebnis, tag, monat, {}))
                     : f.fenster == 'g' ? static_cast<QWidget*>(new Tsset2(s, prompt, tag, monat, {}))
                                        : new ParameterDialog(u);
        zeigeAktiv(d);
        shell.offen = {d};
        return d;
    }

    // The census of a view: the names of the fields it shows open to typing.
    QStringList sichtbareFelder(const Feld& sicht)
    {
        QStringList namen;
        QWidget* zaehlung = oeffneFenster(sicht);
        for (QLineEdit* f : zaehlung->findChildren<QLineEdit*>())
            if (f->isVisible() && f->isEnabled() && !f->isReadOnly())
                namen << f->objectName();
        schliesse(zaehlung);
        return namen;
    }

private slots:
    void cleanup() { loeschVerzoegerte(); }

    void everyFieldStoresItsEndsAndRefusesBeyondThem()
    {
        for (const Feld& f : kFelder) {
            QWidget* d = oeffneFenster(f);
            const QString name = feldName(f);
            QLineEdit* feld = d->findChild<QLineEdit*>(QString::fromLatin1(f.feld));
            QVERIFY2(feld && feld->isVisible() && feld->isEnabled(), qPrintable(name));
            QWidget* danach = anderesFeld(d, feld);
            QVERIFY2(danach, qPrintable(name));
            const double schritt = f.ganz ? 1 : 0.01;
            const struct {
                double wert;
                bool gilt;
            } eingaben[] = {{f.bereich.bis, true},
                            {f.bereich.bis + schritt, false},
                            {f.bereich.von, !f.vonAusgeschlossen},
                            {f.bereich.von - schritt, false}};
            for (const auto& e : eingaben) {
                const QString getippt = text(e.wert, f.ganz);
                const QString fall = name + QStringLiteral(" typed ") + getippt;
                const double vorher = f.wert(s);
                const std::size_t meldungen = prompt.asked.size();
                prompt.answers = {PromptAnswer::Ok};
                tippe(feld, getippt, danach);
                if (getippt.startsWith(QLatin1Char('-')) && !feld->text().contains(QLatin1Char('-')))
                    continue; // a field without a sign: below 0 cannot be typed
                if (e.gilt) {
                    QVERIFY2(gleich(f.wert(s), e.wert, f), qPrintable(fall + QStringLiteral(" stored %1").arg(f.wert(s))));
                    QVERIFY2(prompt.asked.size() == meldungen, qPrintable(fall + QStringLiteral(": a message")));
                } else {
                    QVERIFY2(f.wert(s) == vorher, qPrintable(fall + QStringLiteral(" stored %1").arg(f.wert(s))));
                    QVERIFY2(prompt.asked.size() > meldungen, qPrintable(fall + QStringLiteral(": no message")));
                    feld->setText(text(vorher, f.ganz)); // the refused field holds the focus until good
                }
            }
            schliesse(d);
        }
    }

    // A latitude of 0, of either sign, or just south of it typed where a window takes one is
    // stored on its side of the equator as the files read it back, and the dial draws the same
    // after a load; opened again, the field shows the number its file line holds, sign and all.
    void equatorLatitudesReadBackAsStored()
    {
        QTemporaryDir ordner;
        for (const Feld& f : kFelder)
            for (const char* null : {"0", "-0", "-0.001"})
                if (f.bereich.von == -90) {
                    QWidget* d = oeffneFenster(f);
                    tippe(feld(d, f.feld), QString::fromLatin1(null), anderesFeld(d, feld(d, f.feld)));
                    QVERIFY(schliesse(d));
                    QVERIFY2(std::string(null) != "-0.001" || f.wert(s) < 0, qPrintable(feldName(f) + QStringLiteral(" -0.001 stored north")));
                    liestZurueck(s, f, ordner.filePath(QStringLiteral("umb.ini")), feldName(f) + QLatin1Char(' ') + QLatin1String(null), true);
                    const std::string zeile = gespeichert(s)[1]; // latitude;second latitude
                    const auto datei = leseRealEingabe(std::string(f.feld) == "ed2Lat" ? zeile.substr(zeile.find(';') + 1) : zeile.substr(0, zeile.find(';')));
                    const AppState gelesen = s;
                    d = oeffneFenster(f, true, false, &gelesen);
                    const auto wert = leseRealEingabe(feld(d, f.feld)->text().toStdString());
                    QVERIFY2(wert == datei && std::signbit(wert.value_or(1)) == std::signbit(datei.value_or(1)), qPrintable(feldName(f) + QStringLiteral(" shows ") + feld(d, f.feld)->text()));
                    schliesse(d);
                }
    }

    // Each field a view shows (a census of the window, not a list), emptied and given keys its
    // filter drops, or given a value far out of range pasted, left by the close (or next) button,
    // cancel, the window's close, Escape or Return, with or without Tab first; the languages
    // take turns. Nothing the user did not type changes, and the state reads back from both
    // files and draws the same.
    void everyShownFieldLeftEmptyOrRefusedChangesNothing()
    {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        for (const Feld& sicht : kSichten) {
            const QStringList namen = sichtbareFelder(sicht);
            QVERIFY2(s.Par.Breite == 47.2625 && s.Par.Laenge == -9.5925, qPrintable(feldName(sicht) + " moves the place"));
            const AppState start = s; // as the window leaves it when nothing is typed
            liestZurueck(start, {}, ordner.filePath(QStringLiteral("umb.ini")), feldName(sicht), true);
            liestZurueck(start, {}, ordner.filePath(QStringLiteral("dial.umb")), feldName(sicht), true);
            for (const QString& name : namen) {
                for (int nr = 0; nr < 10; ++nr) {
                    // Each way out meets both inputs, with and without Tab, in both languages.
                    const int weg = nr % 5; // the button, cancel, the window's close, Escape, Return
                    const bool falsch = nr >= 5, tab = (weg + nr / 5) % 2;
                    const QString fall = feldName(sicht) + QLatin1Char(' ') + name + QStringLiteral(" case %1").arg(nr);
                    QPointer<QWidget> d = oeffneFenster(sicht, nr % 2 == 0, true, &start);
                    const std::vector<std::string> vorher = gespeichert(s);
                    const TPar par = s.Par;
                    QLineEdit* eingabe = d->findChild<QLineEdit*>(name);
                    eingabe->setFocus(Qt::MouseFocusReason);
                    eingabe->selectAll();
                    QTest::keyClick(eingabe, Qt::Key_Delete);
                    QTest::keyClicks(eingabe, QStringLiteral("x;e"));
                    if (!eingabe->text().isEmpty()) { // a text field: what is typed is the user's
                        delete d.data();
                        break;
                    }
                    if (falsch) { // pasted past the key filter
                        eingabe->setText(nr % 2 ? QStringLiteral("99999999999") : QStringLiteral("-9999999999"));
                        eingabe->setModified(true);
                    }
                    if (tab)
                        QTest::keyClick(eingabe, Qt::Key_Tab);
                    QWidget* knopf = d->findChild<QPushButton*>(weg == 1 ? QStringLiteral("btCancel")
                                                                          : QString::fromLatin1(sicht.fenster == 'p' ? "BitBtn1" : "Button1"));
                    if (weg < 2)
                        QTest::mouseClick(knopf, Qt::LeftButton);
                    if (weg == 2)
                        d->close();
                    for (int taste = 0; weg > 2 && taste < 3 && d && d->isVisible() && QApplication::focusWidget(); ++taste)
                        QTest::keyClick(QApplication::focusWidget(), weg == 3 ? Qt::Key_Escape : Qt::Key_Return);
                    loeschVerzoegerte();
                    delete d.data(); // also a window that refused to close
                    // Unchanged to the last digit, it reads back and draws as the state before.
                    QVERIFY2(gespeichert(s) == vorher && s.Par == par, qPrintable(fall + QStringLiteral(" changed")));
                }
            }
        }
    }

    // ---- Values typed more finely than the files hold them ----
    // Every real field a view shows (a census again) typed with more decimals than its file
    // line holds, and in the degree form every degree, minute and second a few lower (the
    // zone meridian 15 07' 45" E, say), in the field order and the window closed by its
    // button: the state is what umb.ini and a construction-data file give back, to the last
    // digit, and the dial draws the same after a load.
    void valuesTypedFinerThanTheFilesAreStoredAsTheyReadBack()
    {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        AppState start;
        initialisiereZustand(start);
        start.FensterFrei = 1;
        start.Par.Breite = 47.2625;
        start.Par.Laenge = -9.5925;
        start.Par.Zonenmeridian = -15.13;
        start.Par.HabermelGnomon = 40; // a value of the file: the start state reads back whole
        start.Schalter.Position2Vertikal = 1; // the second azimuth open to typing
        int nr = 0;
        TPar nachKnopf; // the same typing stores the same by either way out
        for (std::size_t lauf = 0; lauf < 2 * std::size(kSichten); ++lauf) {
            const Feld& sicht = kSichten[lauf / 2];
            const bool zuKnopf = lauf % 2 == 0; // else by the close box, no field left
            QPointer<QWidget> d = oeffneFenster(sicht, ++nr % 2 == 1, true, &start);
            QString fall = feldName(sicht) + QLatin1Char(':');
            for (QLineEdit* e : d->findChildren<QLineEdit*>()) {
                const Feld* zeile = nullptr; // the field's row of the table above, where it has one
                for (const Feld& f : kFelder)
                    if (f.fenster == sicht.fenster && f.typ == sicht.typ && f.sub == sicht.sub
                        && e->objectName() == QLatin1String(f.feld))
                        zeile = &f;
                if (!e->isVisible() || !e->isEnabled() || e->isReadOnly() || (zeile && zeile->nurImFenster))
                    continue;
                const QString vorher = e->text();
                if (zuKnopf)
                    e->setFocus(Qt::MouseFocusReason); // the field before is left
                e->selectAll();
                QTest::keyClick(e, Qt::Key_Delete);
                QTest::keyClicks(e, QStringLiteral("7.5x")); // which keys the field takes; some cut a point off
                const bool reell = e->text() == QStringLiteral("7.5") && !(zeile && zeile->ganz);
                const double v = vorher.trimmed().toDouble();
                QString neu = reell ? QString::number(v - 0.0123456, 'f', 7) : QString::number(v - 3, 'f', 0);
                if (!reell && (e->text() != QStringLiteral("75") || sicht.fenster != 'o' || v < 3 || v > 360))
                    neu = vorher; // a text, or a whole number that is no degree, minute or second
                e->selectAll();
                QTest::keyClick(e, Qt::Key_Delete);
                QTest::keyClicks(e, neu);
                e->setModified(neu != vorher);
                fall += QLatin1Char(' ') + e->objectName() + QLatin1Char('=') + neu;
            }
            const char* knopf = sicht.fenster == 'p' ? "BitBtn1" : "Button1";
            std::map<QString, QString> gezeigt; // what each field shows once left
            if (zuKnopf) {
                d->findChild<QPushButton*>(QString::fromLatin1(knopf))->setFocus(Qt::TabFocusReason);
                for (QLineEdit* e : d->findChildren<QLineEdit*>())
                    if (e->isVisible())
                        gezeigt[e->objectName()] = e->text();
            }
            if (zuKnopf)
                QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(knopf)), Qt::LeftButton);
            else
                d->close();
            loeschVerzoegerte();
            QVERIFY2(!d || !d->isVisible(), qPrintable(fall + QStringLiteral(" kept open")));
            delete d.data();
            for (const auto& frage : prompt.asked)
                QFAIL(qPrintable(fall + QStringLiteral(" asked ") + QString::fromStdString(frage.text)));
            liestZurueck(s, {}, ordner.filePath(QStringLiteral("umb.ini")), fall, true, true);
            liestZurueck(s, {}, ordner.filePath(QStringLiteral("dial.umb")), fall, true, true);
            QVERIFY2(zuKnopf || s.Par == nachKnopf, qPrintable(fall + QStringLiteral(" closed stores otherwise than by the button")));
            nachKnopf = s.Par;
            // Reopened, each field shows what it showed once left, and read again as it shows
            // (each marked edited) stores nothing new.
            const AppState gelesen = s;
            d = oeffneFenster(sicht, nr % 2 == 1, false, &gelesen);
            for (QLineEdit* e : d->findChildren<QLineEdit*>()) {
                const QString vorher = gezeigt.count(e->objectName()) ? gezeigt[e->objectName()] : e->text();
                QVERIFY2(leseRealEingabe(vorher.toStdString()) == leseRealEingabe(e->text().toStdString()),
                         qPrintable(fall + QLatin1Char(' ') + e->objectName() + QStringLiteral(" showed ") + vorher
                                    + QStringLiteral(", reopened ") + e->text()));
                e->setModified(e->isVisible());
            }
            QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(knopf)), Qt::LeftButton);
            loeschVerzoegerte();
            delete d.data();
            QVERIFY2(prompt.asked.empty() && s.Par == gelesen.Par, qPrintable(fall + QStringLiteral(": a field read again stores otherwise")));
        }
    }

    // ---- pasted and typed numbers ----------------------------------------------------------

    // Each number field a view shows (a census of the window: a field whose keys take no
    // letter), given the texts of eingabetexte around a number it takes by the clipboard and
    // Ctrl+V (and every other pair by the keys), left by Tab and the window closed by its close
    // (or next) button, or the computation run in the calculation window; the languages take
    // turns. A pasted text that says a number stores what
    // the number typed stores and shows; any other (a minus before a field without sign included) stores
    // nothing and is refused with a message. Once left, a field shows what a reopen shows: the
    // value stored, or the value kept.
    void pastedNumbersStoreWhatTheTextSays()
    {
        // UMBRIN_TEIL=k/n pastes into every n-th field from the k-th alone, so the census runs
        // in n processes beside one another; each field takes the same turns either way.
        int teil = 0, teile = 1;
        if (const char* t = std::getenv("UMBRIN_TEIL"))
            std::sscanf(t, "%d/%d", &teil, &teile);
        int reelle = 0, feldNr = 0;
        std::vector<Feld> sichten(std::begin(kSichten), std::end(kSichten));
        sichten.push_back({'r', 'v', 0, 0}); // its close button computes
        sichten.push_back({'g', 'v', 0, 0}); // its close button is its file box's, hidden
        for (const Feld& sicht : sichten) {
            const QStringList namen = sichtbareFelder(sicht);
            const AppState start = s;
            for (const QString& name : namen) {
                int nr = feldNr; // the turns of language and of typing start a step on at each field
                if (feldNr++ % teile != teil)
                    continue;
                // The field's keys; then the text given by the clipboard or by the keys, the field
                // left by Tab, the window closed by its button. The state and the field's text
                // before and after, and the field's text in the window opened again.
                struct Ergebnis {
                    bool reell = false, vorzeichen = false, textfeld = false;
                    std::vector<std::string> vorher, nachher;
                    TPar parVorher, parNachher;
                    QString feldVorher, feldDanach, feldWieder; // at the start, once left, reopened
                    bool gefragt = false;
                };
                auto eingeben = [&](const QString& text, bool einfuegen, bool deutsch) {
                    Ergebnis r;
                    QPointer<QWidget> d = oeffneFenster(sicht, deutsch, false, &start);
                    r.vorher = gespeichert(s);
                    r.parVorher = s.Par;
                    QLineEdit* eingabe = d->findChild<QLineEdit*>(name);
                    r.feldVorher = eingabe->text();
                    eingabe->setFocus(Qt::MouseFocusReason);
                    eingabe->selectAll();
                    QTest::keyClick(eingabe, Qt::Key_Delete);
                    QTest::keyClicks(eingabe, QStringLiteral("x-."));
                    r.textfeld = eingabe->text().contains(QLatin1Char('x'));
                    r.reell = eingabe->text().contains(QLatin1Char('.'));
                    r.vorzeichen = eingabe->text().contains(QLatin1Char('-'));
                    eingabe->selectAll();
                    if (einfuegen) {
                        QGuiApplication::clipboard()->setText(text);
                        QTest::keyClick(eingabe, Qt::Key_V, Qt::ControlModifier);
                        r.textfeld = r.textfeld || eingabe->text() != text; // pasted as it is, or no number field
                    } else {
                        QTest::keyClick(eingabe, Qt::Key_Delete);
                        test::tippeTasten(eingabe, text);
                    }
                    prompt.asked.clear();
                    if (!r.textfeld) {
                        QTest::keyClick(eingabe, Qt::Key_Tab);
                        r.feldDanach = eingabe->text();
                        QTest::mouseClick(d->findChild<QPushButton*>(QString::fromLatin1(sicht.fenster == 'p' ? "BitBtn1" : "Button1")),
                                          Qt::LeftButton);
                    }
                    loeschVerzoegerte();
                    delete d.data();
                    r.nachher = gespeichert(s);
                    r.parNachher = s.Par;
                    r.gefragt = !prompt.asked.empty();
                    const AppState danach = s;
                    d = oeffneFenster(sicht, deutsch, false, &danach);
                    r.feldWieder = d->findChild<QLineEdit*>(name)->text();
                    delete d.data();
                    s = danach;
                    return r;
                };
                const auto zahl = [](const QString& t) { return leseRealEingabe(t.toStdString()); };
                std::map<std::pair<QString, bool>, Ergebnis> getippt; // each number typed once a language
                const Ergebnis art = eingeben(QStringLiteral("1"), false, true);
                std::vector<test::Eingabetext> texte = test::eingabetexte(art.reell ? QStringLiteral("33.5") : QStringLiteral("33"));
                if (sicht.fenster == 'r')
                    texte.push_back({QString(), {}}); // emptied: refused with a word like any other text
                for (const test::Eingabetext& e : texte) {
                    if (art.textfeld)
                        break; // a text field: what is typed is the user's
                    const bool deutsch = nr % 2 == 0, tippen = nr++ % 4 < 2;
                    const QString fall = feldName(sicht) + QLatin1Char(' ') + name + QStringLiteral(" pasted \"") + e.text
                                         + (deutsch ? QStringLiteral("\" de") : QStringLiteral("\" en"));
                    const Ergebnis r = eingeben(e.text, true, deutsch);
                    if (r.textfeld)
                        break; // a field with a mask of its own (a time): no number field
                    reelle += r.reell;
                    if (!e.sagt.isEmpty() && (r.vorzeichen || !e.sagt.startsWith(QLatin1Char('-')))) {
                        if (!getippt.count({e.sagt, deutsch}))
                            getippt[{e.sagt, deutsch}] = eingeben(e.sagt, false, deutsch);
                        const Ergebnis& g = getippt[{e.sagt, deutsch}];
                        QVERIFY2(r.nachher == g.nachher && r.parNachher == g.parNachher,
                                 qPrintable(fall + QStringLiteral(" stores otherwise than %1 typed").arg(e.sagt)));
                        QVERIFY2(r.feldDanach == g.feldDanach, qPrintable(fall + QStringLiteral(" shows ") + r.feldDanach + QStringLiteral(", typed ") + g.feldDanach));
                    } else {
                        QVERIFY2(r.nachher == r.vorher && r.parNachher == r.parVorher,
                                 qPrintable(fall + QStringLiteral(" stored what the text does not say")));
                        QVERIFY2(r.gefragt, qPrintable(fall + QStringLiteral(" refused without a word")));
                        QVERIFY2(zahl(r.feldDanach) == zahl(r.feldVorher), qPrintable(fall + QStringLiteral(" refused shows ") + r.feldDanach));
                    }
                    // Typed, the keys let through what they take; either way the field once left
                    // shows what a reopen shows.
                    const Ergebnis t = tippen ? eingeben(e.text, false, deutsch) : r;
                    for (const Ergebnis* x : {&r, &t})
                        QVERIFY2(zahl(x->feldDanach) == zahl(x->feldWieder),
                                 qPrintable(fall + QStringLiteral(" shows ") + x->feldDanach + QStringLiteral(", reopened ") + x->feldWieder));
                }
            }
        }
        qInfo("%d pastes into real fields", reelle);
        QVERIFY2(reelle > 0, "no real field found");
    }
};

QTEST_MAIN(WertebereicheTest)
#include "tst_wertebereiche.moc"
