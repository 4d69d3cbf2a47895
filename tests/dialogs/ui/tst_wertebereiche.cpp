// Every edit field with a range of its own, in the window that shows it: typed just below, at
// and just above each end of its range and left, the value at an end is stored without a
// word, one beyond it is refused with a message and the value stored before stays. A refused
// value followed by any way out of the window leaves in the state only what the settings and
// construction files read back. (The cone's fields depend on each other and have their own
// test with the parameter dialog.)
#include "DialogTestHilfe.h"

#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "dialogs/ui/OrtUndZeitDialog.h"
#include "dialogs/ui/ParameterDialog.h"
#include "dialogs/ui/TypwahlDialog.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <span>

using namespace umbrin;
using namespace umbrin::dialogtest;

namespace {

struct Feld {
    char fenster; // 'o' location and year, 't' type chooser, 'p' parameter dialog
    char typ;
    std::uint8_t schirm, sub; // umbrella dial; sub-type of the altitude and cylinder dials
    const char* feld;
    struct {
        double von, bis;
    } bereich;                          // what the field accepts, both ends included
    bool ganz;                          // whole numbers
    double (*wert)(const AppState&);    // the stored value, in the unit typed
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
double habermelDurchmesser(const AppState& s) { return s.Par.HabermelDurchmesser; }

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
};

// Fields whose accepted values hang on other values: only the values their ranges refuse are
// tried. The degree form's rows share one check. The Habermel dial keeps its diameter (the
// gnomon is computed from it when the window opens).
const Feld kAbhaengige[] = {
    {'o', 'v', 0, 1, "Edit1", {0, 90}, true, breite},
    {'o', 'v', 0, 1, "Edit2", {0, 60}, true, breite},
    {'o', 'v', 0, 1, "Edit8", {0, 60}, true, breite},
    {'o', 'v', 0, 1, "Edit3", {0, 180}, true, laenge},
    {'p', 'm', 0, 0, "EdNeig", {-175, 175}, false, [](const AppState& s) { return s.Par.KegelNeigung; }},
    {'p', 'm', 0, 0, "EdSpi", {1, 86}, false, [](const AppState& s) { return s.Par.KegelOeffnung; }},
    {'p', 'q', 0, 1, "EdHabermel", {9, 100}, false, habermelDurchmesser},
    {'p', 'q', 0, 1, "EdHabermel2", {30, 200}, false, habermelDurchmesser},
    {'p', 'q', 0, 1, "EdLat", {-90, 90}, false, breite},
    {'p', 'r', 0, 0, "rOff2", {0, 23.44}, false, [](const AppState& s) { return s.DeklOben; }},
    {'t', 'q', 0, 1, "edHaber", {30, 200}, false, habermelDurchmesser},
};

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
// without a complaint.
void liestZurueck(const AppState& s, const Feld& f, const QString& datei, const QString& fall)
{
    SkriptPrompt still;
    std::vector<std::string> zeilen;
    IniTextErstellen(s, false, zeilen, still);
    std::string fehler;
    QVERIFY2(IniTextSpeichern(zeilen, datei.toStdString(), fehler, s.Sprachspalte != 2), fehler.c_str());
    AppState zurueck;
    initialisiereZustand(zurueck);
    still.asked.clear();
    LeseIni(zurueck, datei.toStdString(), true, true, still);
    const QString was = fall + QStringLiteral(" stored %1, read back %2 from ").arg(f.wert(s)).arg(f.wert(zurueck)) + datei;
    QVERIFY2(still.asked.empty(), qPrintable(was + QStringLiteral(": refused by the reader")));
    QVERIFY2(f.nurImFenster || gleich(f.wert(zurueck), f.wert(s), f), qPrintable(was));
}

} // namespace

class WertebereicheTest : public QObject, DialogAufbau {
    Q_OBJECT

private:
    QWidget* oeffneFenster(const Feld& f, bool deutsch = true)
    {
        neu();
        setzeSprache(s, deutsch);
        s.UhrTyp = f.typ;
        s.Schirmuhr = f.schirm;
        s.Schalter.Hoehenuhrart = f.sub;
        s.Schalter.ZylinderArt = f.sub;
        s.ExpertenModus = 1;
        if (f.fenster == 'o') {
            DialogUmgebung& u = neueUmgebung();
            u.ort.dezimal = f.sub == 0; // 1: degrees, minutes and seconds
            auto* d = new OrtUndZeitDialog(u);
            zeigeAktiv(d);
            return d;
        }
        if (f.fenster == 't')
            return oeffne<TypwahlDialog>();
        return oeffne<ParameterDialog>();
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

    void aRefusedValueLeftByAnyWayOutIsNeverStored()
    {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        for (const auto& liste : {std::span<const Feld>(kFelder), std::span<const Feld>(kAbhaengige)}) {
            for (const Feld& f : liste) {
                // Each way out with each refused value; the languages take turns, so every way
                // out meets both.
                // (Just beyond both ends, and a value far off that comes pasted.)
                const double schritt = f.ganz ? 1 : 0.01;
                const QString abgelehnt[] = {text(f.bereich.von - schritt, f.ganz), text(f.bereich.bis + schritt, f.ganz),
                                             QStringLiteral("1e22")};
                for (int nr = 0; nr < 9; ++nr) {
                    const int weg = nr / 3; // the close (or next) button, the window's close, Escape
                    const QString getippt = abgelehnt[nr % 3];
                    const bool deutsch = nr % 2 == 0;
                    const QString fall = feldName(f) + QStringLiteral(" %1 way %2 %3").arg(getippt).arg(weg).arg(deutsch);
                    QPointer<QWidget> d = oeffneFenster(f, deutsch);
                    QLineEdit* eingabe = feld(d, f.feld);
                    QVERIFY2(eingabe && eingabe->isVisible(), qPrintable(fall));
                    eingabe->setFocus(Qt::MouseFocusReason);
                    eingabe->setText(getippt);
                    for (QPushButton* k : d->findChildren<QPushButton*>())
                        if (weg == 0 && (k->objectName() == "BitBtn1" || k->objectName() == "Button1"))
                            QTest::mouseClick(k, Qt::LeftButton);
                    if (weg == 1)
                        d->close();
                    if (weg == 2)
                        QTest::keyClick(eingabe, Qt::Key_Escape);
                    loeschVerzoegerte();
                    delete d.data(); // also a window that refused to close
                    liestZurueck(s, f, ordner.filePath(QStringLiteral("umb.ini")), fall);
                    liestZurueck(s, f, ordner.filePath(QStringLiteral("dial.umb")), fall);
                }
            }
        }
    }
};

QTEST_MAIN(WertebereicheTest)
#include "tst_wertebereiche.moc"
