// Every edit field with a range of its own, in the window that shows it: typed just below, at
// and just above each end of its range and left, the value at an end is stored without a
// word, one beyond it is refused with a message and the value stored before stays. A value
// the field refuses, followed by any way out of the window, leaves in the state only what the
// settings file and a construction file give back. (The cone's fields depend on each other
// and have their own test with the parameter dialog.)
#include "DialogTestHilfe.h"

#include "dialogs/IniLesen.h"
#include "dialogs/IniText.h"
#include "dialogs/Wertebereiche.h"
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
    Wertebereich bereich;               // what the field accepts, both ends included
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
double habermelDurchmesser(const AppState& s) { return s.Par.HabermelDurchmesser; }
double laenge(const AppState& s) { return s.Par.Laenge; }
double zone(const AppState& s) { return s.Par.Zonenmeridian; }

namespace B = DialogBereich;

// The ranges are the dialogs' own table; a check of the engine holds that table to the ranges
// as they should be.
const Feld kFelder[] = {
    // Location and year, decimal form.
    {'o', 'v', 0, 0, "Edit11", B::Breite, false, breite},
    {'o', 'v', 0, 0, "Edit13", B::Laenge, false, laenge},
    {'o', 'v', 0, 0, "Edit15", B::Zonenmeridian, false, zone},
    {'o', 'v', 0, 0, "Edit5", B::Jahr, true, [](const AppState& s) { return double(s.Par.Jahr); }},
    // Dial-type chooser.
    {'t', 'v', 0, 0, "Edit1", B::TypWandabweichung, false, wand, true},
    {'t', 'v', 0, 0, "Edit3", B::TypGnomonhoeheVerlassen, false, gnomon},
    {'t', 'i', 0, 0, "Edit2", B::TypInklination, false, inklination, false, true},
    {'t', 'z', 0, 0, "EdZylang", B::TypSkalaZylinder, true, [](const AppState& s) { return double(s.SkalaZylinder); }},
    {'t', 'z', 0, 0, "Edit3", B::TypSkalenlaengeVerlassen, true, [](const AppState& s) { return double(s.Par.Skalenlaenge); }},
    {'t', 'z', 0, 2, "Edit3", B::TypZylZeigerVerlassen, false, [](const AppState& s) { return s.Par.ZylZeiger; }},
    {'t', 'z', 0, 2, "EdZylRad", B::TypZylRadius, false, [](const AppState& s) { return s.Par.ZylRadius; }},
    {'t', 'k', 0, 0, "Edit3", B::TypHidokaiZeigerVerlassen, true, [](const AppState& s) { return double(s.Par.HidokaiZeiger); }},
    {'t', 'r', 0, 0, "rDurchEdit", B::TypRingDurchmesser, false, [](const AppState& s) { return s.Par.RingDurchmesser; }},
    // Parameter dialog, page by page.
    {'p', 'i', 0, 0, "EdDekl", B::Wandabweichung, false, wand, true},
    {'p', 'i', 0, 0, "EdInkl", B::Inklination, false, inklination},
    {'p', 'i', 0, 0, "EdGnom", B::Gnomonhoehe, false, gnomon},
    {'p', 'i', 0, 0, "Ed1", B::AnalemmaStunde, true, analemma},
    {'p', 'i', 1, 0, "EdSolKreis", B::SchirmRadiusProzent, false, [](const AppState& s) { return 100 * s.Par.SchirmRadius; }},
    {'p', 'i', 1, 0, "EdSolNeig", B::SchirmInklination, false, inklination},
    {'p', 'i', 1, 0, "EdSolBeta", B::Wandabweichung, false, wand, true},
    {'p', 'i', 1, 0, "EdSolZeig", B::Gnomonhoehe, false, gnomon},
    {'p', 'i', 1, 0, "Ed1S", B::AnalemmaStunde, true, analemma},
    {'p', 'z', 0, 0, "EdSkala", B::SkalaZylinder, true, [](const AppState& s) { return double(s.SkalaZylinder); }},
    {'p', 'z', 0, 0, "Edit1", B::Skalenlaenge, true, [](const AppState& s) { return double(s.Par.Skalenlaenge); }},
    // The pointer and the radius of the polar-rod cylinder take whole numbers only (the pointer
    // shares its field with the whole-number scale length).
    {'p', 'z', 0, 2, "Edit1", B::ZylZeiger, true, [](const AppState& s) { return s.Par.ZylZeiger; }},
    {'p', 'z', 0, 2, "EdRAdius", B::ZylRadius, true, [](const AppState& s) { return s.Par.ZylRadius; }},
    {'p', 'k', 0, 0, "hEdSkala", B::SkalaHidokai, true, [](const AppState& s) { return double(s.SkalaHidokai); }},
    {'p', 'k', 0, 0, "hEdSkalaS", B::SkalaHidokai2, true, [](const AppState& s) { return double(s.SkalaHidokai2); }},
    {'p', 'k', 0, 0, "hEdit1", B::HidokaiZeiger, true, [](const AppState& s) { return double(s.Par.HidokaiZeiger); }},
    {'p', 'a', 0, 0, "EdAz1", B::AzAbstand, false, [](const AppState& s) { return s.AzAbstand; }, false, false, true},
    {'p', 'a', 0, 0, "EdAz2", B::AzGrundplatte, false, [](const AppState& s) { return s.AzGrundplatte; }, false, false, true},
    {'p', 'c', 0, 0, "EdLat1", B::Breite, false, breite},
    {'p', 'c', 0, 0, "ed2Lat", B::Breite2, false, [](const AppState& s) { return s.Par.Breite2; }},
    {'p', 'c', 0, 0, "EdLong1", B::Laenge, false, laenge},
    {'p', 'c', 0, 0, "Ed2Long", B::Laenge2, false, [](const AppState& s) { return s.Par.Laenge2; }},
    {'p', 'c', 0, 0, "EdZon1", B::Zonenmeridian, false, zone},
    {'p', 'm', 0, 0, "EdKegel", B::Gnomonhoehe, false, gnomon},
    {'p', 'm', 0, 0, "Ed2", B::AnalemmaStunde, true, analemma},
    {'p', 'c', 0, 0, "EdScale", B::Kartenmassstab, true, [](const AppState& s) { return double(s.Schalter.Kartenmassstab); }},
    {'p', 'q', 0, 0, "edQuad", B::QuadrantGroesse, true, [](const AppState& s) { return double(s.Par.QuadrantGroesse); }},
    {'p', 'r', 0, 0, "rDurchEdit", B::RingDurchmesser, false, [](const AppState& s) { return s.Par.RingDurchmesser; }},
    {'p', 'r', 0, 0, "rBreitEdit", B::RingBreiteVerlassen, false, [](const AppState& s) { return s.Par.RingBreite; }},
    {'p', 'r', 0, 0, "rAlphEdit", B::RingAlpha, false, [](const AppState& s) { return s.Par.RingAlpha; }},
    {'p', 'w', 0, 0, "EdSWi", B::DatumWinkelVerlassen, false, [](const AppState& s) { return s.Par.DatumWinkel; }},
    {'p', 'w', 0, 0, "EdSawyer", B::SawyerGnomonhoehe, false, gnomon},
    {'p', 'w', 0, 0, "EdSzp", B::DatumMitte, false, [](const AppState& s) { return s.Par.DatumMitte; }},
    {'p', 'w', 0, 0, "EdSaw", B::Breite, false, breite},
    {'p', 'p', 0, 0, "EdPeau", B::PeauParameter, false, [](const AppState& s) { return s.Par.PeauParameter; }},
    {'p', 'p', 0, 0, "EdEinheit", B::EinheitVerlassen, true, [](const AppState& s) { return double(s.Par.Einheit); }},
};

// Fields whose accepted values hang on other values (the degree form's fields on their row,
// the cone's opening on its axis, the Habermel gnomon and diameter on each other and the
// latitude, the ring's hole on the obliquity): only the values their ranges refuse are tried.
// The Habermel gnomon is computed from the diameter when the window opens, so the diameter is
// what its dial keeps.
const Feld kAbhaengige[] = {
    // The location in degrees, minutes and seconds: each row makes one value.
    {'o', 'v', 0, 1, "Edit1", B::GradBreite, true, breite},
    {'o', 'v', 0, 1, "Edit2", B::Winkelminuten, true, breite},
    {'o', 'v', 0, 1, "Edit8", B::Winkelsekunden, true, breite},
    {'o', 'v', 0, 1, "Edit3", B::GradLaenge, true, laenge},
    {'o', 'v', 0, 1, "Edit4", B::Winkelminuten, true, laenge},
    {'o', 'v', 0, 1, "Edit10", B::Winkelsekunden, true, zone},
    {'p', 'm', 0, 0, "EdNeig", B::KegelNeigungSchliessen, false, [](const AppState& s) { return s.Par.KegelNeigung; }},
    {'p', 'm', 0, 0, "EdSpi", B::KegelOeffnungVerlassen, false, [](const AppState& s) { return s.Par.KegelOeffnung; }},
    {'p', 'q', 0, 1, "EdHabermel", B::HabermelGnomon, false, habermelDurchmesser},
    {'p', 'q', 0, 1, "EdHabermel2", B::HabermelDurchmesser, false, habermelDurchmesser},
    {'p', 'q', 0, 1, "EdLat", B::Breite, false, breite},
    {'p', 'r', 0, 0, "rOff2", B::DeklOben, false, [](const AppState& s) { return s.DeklOben; }},
    {'t', 'q', 0, 1, "edHaber", B::TypHabermelDurchmesser, false, habermelDurchmesser},
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

// The values each field refuses: just beyond both ends, and one far off that no key can type
// (it comes pasted).
QStringList abgelehnt(const Feld& f)
{
    const double schritt = f.ganz ? 1 : 0.01;
    return {text(f.bereich.von - schritt, f.ganz), text(f.bereich.bis + schritt, f.ganz), QStringLiteral("1e22")};
}

enum class Ausgang { Knopf, Fenster, Escape };

// Leaves the window by the close (or next) button, the window's own close or the Escape key
// in the field.
void verlasse(QWidget* d, QLineEdit* feld, Ausgang weg)
{
    if (weg == Ausgang::Knopf) {
        for (QPushButton* k : d->findChildren<QPushButton*>())
            if (k->objectName() == QLatin1String("BitBtn1") || k->objectName() == QLatin1String("Button1"))
                QTest::mouseClick(k, Qt::LeftButton);
    } else if (weg == Ausgang::Fenster) {
        d->close();
    } else {
        QTest::keyClick(feld, Qt::Key_Escape);
    }
}

// The state saved as `datei` and read into a started state; `klagen` counts the reader's
// complaints.
AppState zurueckGelesen(const AppState& s, const QString& datei, std::size_t& klagen)
{
    SkriptPrompt still;
    std::vector<std::string> zeilen;
    IniTextErstellen(s, false, zeilen, still);
    std::string fehler;
    AppState zurueck;
    initialisiereZustand(zurueck);
    if (!IniTextSpeichern(zeilen, datei.toStdString(), fehler, s.Sprachspalte != 2))
        qFatal("%s", fehler.c_str());
    still.asked.clear();
    LeseIni(zurueck, datei.toStdString(), true, true, still);
    klagen = still.asked.size();
    return zurueck;
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

    // The languages take turns from case to case, so each field and each way out meets both.
    void aRefusedValueLeftByAnyWayOutIsNeverStored()
    {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        for (const auto& liste : {std::span<const Feld>(kFelder), std::span<const Feld>(kAbhaengige)})
            for (const Feld& f : liste)
                abgelehntUndVerlassen(f, ordner);
    }

private:
    void abgelehntUndVerlassen(const Feld& f, const QTemporaryDir& ordner)
    {
        int fallNr = 0;
        for (const Ausgang weg : {Ausgang::Knopf, Ausgang::Fenster, Ausgang::Escape}) {
            for (const QString& getippt : abgelehnt(f)) {
                const bool deutsch = fallNr++ % 2 == 0;
                const QString fall =
                    feldName(f) + QStringLiteral(" %1 way %2 %3").arg(getippt).arg(int(weg)).arg(deutsch ? "de" : "en");
                QPointer<QWidget> d = oeffneFenster(f, deutsch);
                QLineEdit* feld = d->findChild<QLineEdit*>(QString::fromLatin1(f.feld));
                QVERIFY2(feld && feld->isVisible(), qPrintable(fall));
                feld->setFocus(Qt::MouseFocusReason);
                feld->setText(getippt);
                verlasse(d, feld, weg);
                loeschVerzoegerte();
                delete d.data(); // also a window that refused to close
                const double gespeichert = f.wert(s);
                for (const QString& name : {QStringLiteral("umb.ini"), QStringLiteral("dial.umb")}) {
                    std::size_t klagen = 0;
                    const AppState zurueck = zurueckGelesen(s, ordner.filePath(name), klagen);
                    const QString was = fall + QStringLiteral(" stored %1, ").arg(gespeichert) + name;
                    QVERIFY2(klagen == 0, qPrintable(was + QStringLiteral(" is refused by the reader")));
                    QVERIFY2(f.nurImFenster || gleich(f.wert(zurueck), gespeichert, f),
                             qPrintable(was + QStringLiteral(" reads back %1").arg(f.wert(zurueck))));
                }
            }
        }
    }
};

QTEST_MAIN(WertebereicheTest)
#include "tst_wertebereiche.moc"
