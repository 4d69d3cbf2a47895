#include "DialogTestHilfe.h"

#include "core/Sprachdienst.h"
#include "core/ui/RadioGruppe.h"
#include "dialogs/ui/ParameterDialog.h"
#include "tables/Profildatei.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace umbrin;
using namespace umbrin::dialogtest;

class ParameterDialogTest : public QObject, DialogAufbau {
    Q_OBJECT

private slots:
    void init() { neu(); }
    void cleanup() { loeschVerzoegerte(); }

    void exitChecksStoreGoodValuesAndKeepTheOldOnError()
    {
        s.UhrTyp = 'i';
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->aktiveSeite(), ParameterSeite::Planar);
        tippe(feld(d, "EdGnom"), QStringLiteral("-5"), feld(d, "EdDekl"));
        QCOMPARE(s.Par.Gnomonhoehe, 35.0);
        QVERIFY(prompt.enthaelt("=-5"));
        QCOMPARE(feld(d, "EdGnom")->text(), QStringLiteral(" 35.00")); // the height kept, not the refused text
        tippe(feld(d, "EdGnom"), QStringLiteral("50"), feld(d, "EdDekl"));
        QCOMPARE(s.Par.Gnomonhoehe, 50.0);
        QCOMPARE(feld(d, "EdSolZeig")->text(), QStringLiteral(" 50.00"));

        // The analemma hour is shared by three fields; 0 and 24 are refused.
        tippe(feld(d, "Ed1"), QStringLiteral("12"), feld(d, "EdDekl"));
        QCOMPARE(s.Schalter.AnalemmaStunde, 12);
        QCOMPARE(feld(d, "Ed1S")->text(), QStringLiteral(" 12"));
        QCOMPARE(feld(d, "Ed2")->text(), QStringLiteral(" 12"));
        for (const char* falsch : {"0", "24"}) {
            tippe(feld(d, "Ed1"), QString::fromLatin1(falsch), feld(d, "EdDekl"));
            QCOMPARE(s.Schalter.AnalemmaStunde, 12);
        }
        // The refused field keeps the focus until it holds a good value again.
        QCOMPARE(QApplication::focusWidget(), feld(d, "Ed1"));
        feld(d, "Ed1")->setText(QStringLiteral(" 12"));

        // A wall declination of -180 is kept just inside the half circle.
        tippe(feld(d, "EdDekl"), QStringLiteral("-180"), feld(d, "EdInkl"));
        QCOMPARE(s.Par.Wandabweichung, 179.999999);
        tippe(feld(d, "EdDekl"), QStringLiteral("200"), feld(d, "EdInkl"));
        QCOMPARE(s.Par.Wandabweichung, 179.999999);
        // Integer fields take no sign and no point; real fields no comma.
        QLineEdit* ed1 = feld(d, "Ed1");
        ed1->setFocus();
        ed1->clear();
        QTest::keyClicks(ed1, QStringLiteral("-1.5"));
        QCOMPARE(ed1->text(), QStringLiteral("15"));
        ed1->setText(QStringLiteral(" 12"));
        // Enter moves to the close button and so runs the exit check; it does not close.
        tippe(feld(d, "EdInkl"), QStringLiteral("30"), feld(d, "EdInkl"));
        QTest::keyClick(feld(d, "EdInkl"), Qt::Key_Return);
        QCOMPARE(s.Par.Inklination, 30.0);
        QVERIFY(d->isVisible());
        d->close();
    }

    void thePolarRodCylindersFieldsTakeDecimalsAndCheckThemselves()
    {
        // The pointer length and the radius of the polar-rod cylinder are lengths in mm with
        // decimals; each field's exit check is its own (the refusal names the field's label).
        s.UhrTyp = 'z';
        s.Schalter.ZylinderArt = 2;
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->aktiveSeite(), ParameterSeite::Zylinder);
        const QString radiusLabel = d->findChild<QLabel*>(QStringLiteral("LZylRad"))->text().remove(QLatin1Char('&'));
        const QString zeigerLabel = d->findChild<QLabel*>(QStringLiteral("Label5"))->text().remove(QLatin1Char('&'));
        struct Fall {
            const char* name;
            const char* text;
            double TPar::*wert;
            double erwartet;
            QString label;
        } faelle[] = {
            {"Edit1", "12.5", &TPar::ZylZeiger, 12.5, zeigerLabel},
            {"EdRAdius", "55.25", &TPar::ZylRadius, 55.25, radiusLabel},
        };
        for (const Fall& f : faelle) {
            tippe(feld(d, f.name), QString::fromLatin1(f.text), feld(d, "EDekl"));
            QCOMPARE(s.Par.*f.wert, f.erwartet);
            prompt.asked.clear();
            const double vorher = s.Par.*f.wert;
            tippe(feld(d, f.name), QStringLiteral("1.5"), feld(d, "EDekl"));
            QCOMPARE(s.Par.*f.wert, vorher);
            QCOMPARE(prompt.asked.size(), std::size_t{1});
            QVERIFY2(QString::fromStdString(prompt.asked[0].text).contains(f.label.trimmed()),
                     prompt.asked[0].text.c_str());
            feld(d, f.name)->setText(QString::number(vorher));
        }
        d->close();
    }

    void exitAndClosingBoundsDifferWithinTheFileRanges()
    {
        s.UhrTyp = 'r';
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->aktiveSeite(), ParameterSeite::Ring);
        tippe(feld(d, "rBreitEdit"), QStringLiteral("250"), feld(d, "rAlphEdit"));
        QCOMPARE(s.Par.RingBreite, 80.0); // refused on leaving the field
        feld(d, "rBreitEdit")->setText(QStringLiteral("250"));
        QVERIFY(d->uebertragen());
        QCOMPARE(s.Par.RingBreite, 250.0); // accepted by the closing check
        d->close();

        s.UhrTyp = 'w';
        auto* w = oeffne<ParameterDialog>();
        QCOMPARE(w->aktiveSeite(), ParameterSeite::SawyerPeau);
        tippe(feld(w, "EdSWi"), QStringLiteral("0.7"), feld(w, "EdSzp"));
        QCOMPARE(s.Par.DatumWinkel, 5.0);
        feld(w, "EdSWi")->setText(QStringLiteral("0.7"));
        QVERIFY(w->uebertragen());
        QCOMPARE(s.Par.DatumWinkel, 0.7);
        s.Par.DatumWinkel = 5;
        w->eintragen();
        // Latitudes near the equator keep their distance.
        tippe(feld(w, "EdSaw"), QStringLiteral("0"), feld(w, "EdSzp"));
        QCOMPARE(s.Par.Breite, 0.0049);
        tippe(feld(w, "EdSaw"), QStringLiteral("-0.003"), feld(w, "EdSzp"));
        QCOMPARE(s.Par.Breite, -0.0049);
        s.Par.Breite = 47.25;
        w->eintragen();
        w->close();
    }

    void closingCheckTestsOnlyTheShownFields()
    {
        // The Peaucellier dial shows its own group; a bad Sawyer gnomon there does not count.
        s.UhrTyp = 'p';
        auto* d = oeffne<ParameterDialog>();
        QVERIFY(!feld(d, "EdSawyer")->isVisible());
        feld(d, "EdSawyer")->setText(QStringLiteral("999"));
        prompt.asked.clear();
        QVERIFY(d->uebertragen());
        QVERIFY(prompt.asked.empty());
        QCOMPARE(s.Par.Gnomonhoehe, 35.0);

        // Peaucellier parameter 0 becomes 0.01 with the correction message.
        tippe(feld(d, "EdPeau"), QStringLiteral("0"), feld(d, "EdEinheit"));
        QCOMPARE(s.Par.PeauParameter, 0.01);
        QVERIFY(prompt.enthaelt("0.0100"));
        tippe(feld(d, "EdPeau"), QStringLiteral("-0.005"), feld(d, "EdEinheit"));
        QCOMPARE(s.Par.PeauParameter, -0.01);
        d->close();
    }

    void aFailedPageCheckKeepsThePageAndTheOldValue()
    {
        s.UhrTyp = 'k';
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->aktiveSeite(), ParameterSeite::Hoehe);
        feld(d, "hEdit1")->setText(QStringLiteral("200"));
        prompt.asked.clear();
        QVERIFY(!d->wechsleSeite(ParameterSeite::Ring));
        QCOMPARE(d->aktiveSeite(), ParameterSeite::Hoehe);
        QCOMPARE(s.Par.HidokaiZeiger, 25);
        QCOMPARE(s.FensterFrei, std::uint8_t{0});
        QVERIFY(prompt.enthaelt("Bitte zuerst die fehlerhafte Eingabe korrigieren!"));
        QCOMPARE(feld(d, "hEdit1")->text(), QStringLiteral(" 25")); // the stored value is shown again
        feld(d, "hEdit1")->setText(QStringLiteral("200"));
        QVERIFY(!d->close()); // closing is refused too
        feld(d, "hEdit1")->setText(QStringLiteral("40"));
        QVERIFY(d->wechsleSeite(ParameterSeite::Ring));
        QCOMPARE(s.Par.HidokaiZeiger, 40);
        QVERIFY(d->close());
    }

    void theHorizontalDialLosesItsDeclinationOnOpening()
    {
        s.UhrTyp = 'h';
        s.Par.Wandabweichung = -11.7;
        auto* d = new ParameterDialog(neueUmgebung());
        QCOMPARE(s.Par.Wandabweichung, 0.0);
        d->close();
    }

    void coneChecksOnTheMeanTimePage()
    {
        s.UhrTyp = 'm';
        s.ExpertenModus = 1;
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->aktiveSeite(), ParameterSeite::MittlereZeit);
        tippe(feld(d, "EdNeig"), QStringLiteral("-30"), feld(d, "EdKegel"));
        QCOMPARE(s.Par.KegelNeigung, 150.0);
        tippe(feld(d, "EdNeig"), QStringLiteral("0.5"), feld(d, "EdKegel"));
        QCOMPARE(s.Par.KegelNeigung, 150.0); // a stored 0.5 would not be read back
        tippe(feld(d, "EdNeig"), QStringLiteral("40"), feld(d, "EdKegel"));
        prompt.asked.clear();
        tippe(feld(d, "EdSpi"), QStringLiteral("40"), feld(d, "EdKegel"));
        QCOMPARE(s.Par.KegelOeffnung, 12.0);
        QVERIFY(prompt.enthaelt("kleiner als die Neigung der Kegelachse"));
        // The closing check holds the cone condition too.
        feld(d, "EdSpi")->setText(QStringLiteral("45"));
        QVERIFY(!d->uebertragen());
        QCOMPARE(s.Par.KegelOeffnung, 12.0);
        feld(d, "EdSpi")->setText(QStringLiteral("20"));
        QVERIFY(d->uebertragen());
        QCOMPARE(s.Par.KegelOeffnung, 20.0);
        d->close();
    }

    void umbrellaDiscChecks()
    {
        s.UhrTyp = 'i';
        s.Schirmuhr = 1;
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->aktiveSeite(), ParameterSeite::Schirm);
        feld(d, "EdSolKreis")->setText(QStringLiteral("0"));
        prompt.asked.clear();
        QVERIFY(!d->uebertragen());
        QVERIFY(prompt.enthaelt("Kreisradius = 0"));
        // A text that is no number fails and keeps the old radius.
        s.Par.SchirmRadius = 0.35;
        d->eintragen();
        feld(d, "EdSolKreis")->setText(QStringLiteral("."));
        QVERIFY(!d->uebertragen());
        QCOMPARE(s.Par.SchirmRadius, 0.35);
        d->eintragen();
        QVERIFY(d->close());
    }

    void ownDateLinesOnTheLastDayOfAMonth()
    {
        s.Datumslinien.clear();
        s.Par.Jahr = 2024;
        s.UhrTyp = 'h';
        auto* d = oeffne<ParameterDialog>();
        auto* maske = feld(d, "MaskEdit1");
        auto* uebernehmen = d->findChild<QPushButton*>(QStringLiteral("Button2"));
        for (const char* datum : {"3112", "3006", "2902", "3106"}) {
            maske->setText(QString::fromLatin1(datum));
            uebernehmen->click();
        }
        const std::vector<std::string> erwartet = {"29/02    ( 29. Feb )", "30/06    ( 30. Jun )",
                                                   "31/12    ( 31. Dez )"};
        QCOMPARE(s.Datumslinien, erwartet);
        QCOMPARE(prompt.asked.size(), std::size_t{1});
        QCOMPARE(prompt.asked[0].title, PromptTitle::Fehler);
        schliesse(d);
    }

    void ownDateLinesAreKeptInCalendarOrderAndSavedAsTheirSection()
    {
        QTemporaryDir ordner;
        s.IniDatei = (ordner.path() + QStringLiteral("/umb.ini")).toStdString();
        s.TageDatei = (ordner.path() + QStringLiteral("/umb_days.ini")).toStdString();
        s.Datumslinien = {"01/01    ( 01. Jan )", "21/06    ( 21. Jun )"};
        s.UhrTyp = 'h';
        auto* d = oeffne<ParameterDialog>();
        auto* maske = feld(d, "MaskEdit1");
        auto* uebernehmen = d->findChild<QPushButton*>(QStringLiteral("Button2"));
        maske->setText(QStringLiteral("2103"));
        uebernehmen->click();
        maske->setText(QStringLiteral("2106"));
        uebernehmen->click();
        const std::vector<std::string> erwartet = {"01/01    ( 01. Jan )", "21/03    ( 21. Mar )",
                                                   "21/06    ( 21. Jun )", "21/06    ( 21. Jun )"};
        QCOMPARE(s.Datumslinien, erwartet);
        QCOMPARE(d->findChild<QListWidget*>(QStringLiteral("ListBox2"))->count(), 4);
        // An empty mask adds nothing.
        maske->clear();
        uebernehmen->click();
        QCOMPARE(s.Datumslinien.size(), std::size_t{4});

        // Removing the marked entry.
        auto* liste = d->findChild<QListWidget*>(QStringLiteral("ListBox2"));
        liste->setCurrentRow(3);
        d->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QCOMPARE(s.Datumslinien.size(), std::size_t{3});

        // Saving without a settings file is reported; with one the section is written.
        prompt.asked.clear();
        d->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
        QVERIFY(!prompt.asked.empty());
        {
            QFile f(QString::fromStdString(s.IniDatei));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("2020\r\n[Datumslinien]\r\n24/12\r\n");
        }
        d->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
        s.Datumslinien.clear();
        d->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
        QCOMPARE(s.Datumslinien.size(), std::size_t{3});
        QCOMPARE(liste->count(), 3);
        d->close();
    }

    void intervalsAndHourRangesReachEveryCopy()
    {
        s.UhrTyp = 'h';
        auto* d = oeffne<ParameterDialog>();
        auto* eot = d->findChild<QComboBox*>(QStringLiteral("CEotStund"));
        eot->setCurrentIndex(4);
        emit eot->activated(4);
        QCOMPARE(s.Schalter.EotIntervall, '6');
        QCOMPARE(d->findChild<QComboBox*>(QStringLiteral("cEoTStundS"))->currentIndex(), 4);
        d->eintragen();
        QCOMPARE(eot->currentIndex(), 4);

        auto* hoehe = d->findChild<QComboBox*>(QStringLiteral("CHoAnfS"));
        emit hoehe->activated(3);
        QCOMPARE(s.Zeiten.HoeheVon, 40);
        QCOMPARE(d->findChild<QComboBox*>(QStringLiteral("CHoAnf"))->currentIndex(), 3);

        auto* bab = d->findChild<QCheckBox*>(QStringLiteral("ChB5"));
        bab->click();
        QCOMPARE(s.Schalter.Babylonisch, std::uint8_t{1});
        QVERIFY(d->findChild<QCheckBox*>(QStringLiteral("ChB5r"))->isChecked());
        d->close();
    }

    void horizonProfileBoxLoadsAProfileAndTakesOverItsPlace()
    {
        s.UhrTyp = 'a';
        s.Schalter.AzimutKreise = 1;
        QTemporaryDir dir;
        const std::string datei = dir.filePath(QStringLiteral("anderswo.ele")).toStdString();
        Horizontprofil p = leeresHorizontprofil();
        p[360].Hoehe = 12.5;
        std::string fehler;
        QVERIFY(speichereHorizontprofil(datei, profilZeilen(p, {46.0, 8.0, 500, 0, 200}, 1), fehler));

        auto* d = oeffne<ParameterDialog>();
        umgebung->haken.horizontprofilLesen = liesHorizontprofilMitOrt; // as the main window wires it
        std::vector<std::string> gewaehlt = {"", datei};
        std::string gefragt;
        umgebung->haken.dateiOeffnen = [&](const std::string& titel, const std::string&,
                                           const std::string& endung) -> std::string {
            gefragt = titel + "|" + endung;
            std::string w = gewaehlt.front();
            gewaehlt.erase(gewaehlt.begin());
            return w;
        };
        auto* kasten = d->findChild<QCheckBox*>(QStringLiteral("ChBHProfil"));
        // No, then Yes with the file choice cancelled: nothing is loaded, the box stays clear.
        for (PromptAnswer antwort : {PromptAnswer::No, PromptAnswer::Yes}) {
            prompt.asked.clear();
            prompt.answers = {antwort};
            kasten->click();
            QVERIFY(!kasten->isChecked());
            QCOMPARE(s.HorizontGeladen, std::uint8_t{0});
            QCOMPARE(prompt.asked.size(), std::size_t{1});
        }
        // Yes and a profile of another place: message 70, the place and the profile are taken.
        prompt.asked.clear();
        prompt.answers = {PromptAnswer::Yes};
        kasten->click();
        QVERIFY(kasten->isChecked());
        QCOMPARE(s.HorizontGeladen, std::uint8_t{1});
        QCOMPARE(s.HorizontZeigen, std::uint8_t{1});
        QCOMPARE(s.Par.Breite, 46.0);
        QCOMPARE(s.Par.Laenge, -8.0);
        QCOMPARE(s.Horizont[360].Hoehe, 12.5);
        QCOMPARE(gefragt, std::string("Horizontprofil einlesen |ele"));
        QVERIFY(prompt.enthaelt("Geogr. Breite und Länge des Horizontprofils wird mit übernommen!"));
        d->close();
    }

    void poleDisplayNeverRewritesThePlaces()
    {
        s.UhrTyp = 'c';
        s.ExpertenModus = 1;
        s.Schalter.Ebene = 1;
        s.Schalter.Position2Vertikal = 1;
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->aktiveSeite(), ParameterSeite::Biazimut);
        tippe(feld(d, "EdLong1"), QStringLiteral("-10"), feld(d, "EdLat1"));
        QCOMPARE(s.Par.Laenge, -10.0);
        QCOMPARE(s.Par.Breite, 47.25);
        QCOMPARE(s.Par.Breite2, 47.25);
        QCOMPARE(s.Par.Laenge2, -15.0);
        QVERIFY(QString::fromStdString(s.PolText).startsWith(QStringLiteral("Pol")));
        d->close();
    }

    void habermelDiameterIsRefusedWhereTheDialHasNoGnomon()
    {
        s.UhrTyp = 'q';
        s.ExpertenModus = 1;
        s.Schalter.Hoehenuhrart = 2;
        auto* d = oeffne<ParameterDialog>();
        tippe(feld(d, "EdHabermel2"), QStringLiteral("200"), feld(d, "EdLat"));
        QCOMPARE(s.Par.HabermelGnomon, std::round(10 * (185 / std::tan(66.19 * M_PI / 180)) / 2) / 10); // as the file holds it
        const double g = s.Par.HabermelGnomon;
        s.Par.Breite = 0; // the tangent sum turns negative at the equator
        d->eintragen();
        prompt.asked.clear();
        tippe(feld(d, "EdHabermel2"), QStringLiteral("150"), feld(d, "EdLat"));
        QCOMPARE(s.Par.HabermelGnomon, g);
        QCOMPARE(s.Par.HabermelDurchmesser, 200.0);
        QVERIFY(!prompt.asked.empty());
        // A gnomon height whose diameter would pass 200 mm changes neither value.
        s.Par.Breite = 47.25;
        d->eintragen();
        tippe(feld(d, "EdHabermel"), QStringLiteral("99"), feld(d, "EdLat"));
        QCOMPARE(s.Par.HabermelGnomon, g);
        QCOMPARE(s.Par.HabermelDurchmesser, 200.0);
        d->eintragen();
        d->close();
    }

    void dateLineModeAndTheMenuOfTheOwnDateLines()
    {
        s.UhrTyp = 'h';
        DialogUmgebung& u = neueUmgebung();
        std::vector<bool> menue;
        u.haken.datumsMenue = [&menue](bool sichtbar) { menue.push_back(sichtbar); };
        auto* d = new ParameterDialog(u);
        zeigeAktiv(d);
        auto* rg1 = d->findChild<RadioGruppe*>(QStringLiteral("RG1"));
        const auto knoepfe = rg1->findChildren<QAbstractButton*>();
        QTest::mouseClick(knoepfe[4], Qt::LeftButton, {}, QPoint(6, knoepfe[4]->height() / 2));
        QCOMPARE(s.Schalter.Datumslinien, '2'); // the blank fifth item stands for the own date lines
        QCOMPARE(rg1->itemIndex(), 2);
        QCOMPARE(d->findChild<QComboBox*>(QStringLiteral("cLinZl"))->currentIndex(), 2);
        QVERIFY(!menue.empty() && menue.back());
        QTest::mouseClick(knoepfe[3], Qt::LeftButton, {}, QPoint(6, knoepfe[3]->height() / 2));
        QCOMPARE(s.Schalter.Datumslinien, '3');
        QVERIFY(!menue.back());
        d->close();
    }

    void umbrellaDeclinationKeepsItsOwnStandInAndItsRange()
    {
        s.UhrTyp = 'v';
        s.Schirmuhr = 1;
        auto* d = oeffne<ParameterDialog>();
        tippe(feld(d, "EdSolBeta"), QStringLiteral("180"), feld(d, "EdSolZeig"));
        QCOMPARE(s.Par.Wandabweichung, 179.99999);
        tippe(feld(d, "EdSolBeta"), QStringLiteral("181"), feld(d, "EdSolZeig"));
        QCOMPARE(s.Par.Wandabweichung, 179.99999);
        QVERIFY(prompt.enthaelt("=181"));
        feld(d, "EdSolBeta")->setText(QStringLiteral("10"));
        d->close();
    }

    void aLanguageSwitchRelabelsOwnAndTableTexts()
    {
        s.UhrTyp = 'v';
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Label9"))->text(), QStringLiteral("Wandabweichung"));
        QVERIFY(d->windowTitle().startsWith(QStringLiteral("Eingabe für ")));
        setzeSprache(s, false);
        beschrifteAlles(s, s.StringIdBasis);
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Label9"))->text(), QStringLiteral("Wall declination"));
        QCOMPARE(d->findChild<QTabWidget*>()->tabText(0), QStringLiteral(" Horizontal/ Vertical/ Inclining Sundial"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Input for vertical SUNDIAL"));
        QCOMPARE(d->findChild<RadioGruppe*>(QStringLiteral("RG1"))->eintraege().value(3),
                 QStringLiteral("  no date lines"));
        d->close();
    }

    void theCaptionNamesTheActivePage()
    {
        s.UhrTyp = 'r';
        auto* d = oeffne<ParameterDialog>();
        QCOMPARE(d->windowTitle(), QStringLiteral("Eingabe für Ringsonnenuhr (Bauernring)"));
        d->close();
    }

    void everyPageFitsItsWindowInBothLanguages()
    {
        layoutInBeidenSprachen<ParameterDialog>(
            "param", {{"planar", 'i', 0, 0},   {"schirm", 'i', 1, 0},    {"quadrant", 'q', 0, 0}, {"habermel", 'q', 0, 1},
                      {"zylinder", 'z', 0, 0}, {"polstab", 'z', 0, 2},   {"hoehe", 'k', 0, 0},    {"ring", 'r', 0, 0},
                      {"azimut", 'a', 0, 0},   {"biazimut", 'c', 0, 0},  {"mittlere", 'm', 0, 0}, {"sawyer", 'w', 0, 0},
                      {"peaucellier", 'p', 0, 0}});
    }
};

QTEST_MAIN(ParameterDialogTest)
#include "tst_parameterdialog.moc"
