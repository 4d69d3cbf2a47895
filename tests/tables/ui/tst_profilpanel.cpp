// The horizon-profile panel on its own: its fields and their checks, the show and load
// boxes, and a computation that is cancelled and then run to a written profile file.
#include "dialogs/ui/DialogTestHilfe.h"
#include "support/AscKachel.h"
#include "tables/Profildatei.h"
#include "tables/ui/ProfilPanel.h"

#include "core/Sprachdienst.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <fstream>
#include <iterator>

using namespace umbrin;
using namespace umbrin::dialogtest;

namespace {

// Answers like the scripted prompt and lets the test act while a question is open.
class HakenPrompt : public SkriptPrompt {
public:
    std::function<void(const std::string&)> beiFrage;
    PromptAnswer ask(PromptTitle t, PromptIcon i, const std::string& text, PromptButtons b) override
    {
        if (beiFrage)
            beiFrage(text);
        return SkriptPrompt::ask(t, i, text, b);
    }
};

} // namespace

class ProfilPanelTest : public QObject {
    Q_OBJECT

    AppState s;
    HakenPrompt prompt;
    QTemporaryDir dir;
    std::unique_ptr<QWidget> fenster;
    ProfilPanel* panel = nullptr;
    ProfilPanelDienste dienste;
    QStringList oeffnen, speichern;
    int speicherFragen = 0;

    template <typename T>
    T* kind(const char* name)
    {
        return panel->findChild<T*>(QLatin1String(name));
    }

    void baue()
    {
        fenster = std::make_unique<QWidget>();
        fenster->resize(900, 800);
        dienste.oeffnenDialog = [this](QWidget*, const QString&, const QString&, const QString&) {
            return oeffnen.isEmpty() ? QString() : oeffnen.takeFirst();
        };
        dienste.speichernDialog = [this](QWidget*, const QString&, const QString&, const QString&) {
            ++speicherFragen;
            return speichern.isEmpty() ? QString() : speichern.takeFirst();
        };
        dienste.threads = 3;
        panel = new ProfilPanel(s, prompt, dienste, fenster.get());
        zeigeAktiv(fenster.get());
        panel->zeig_pProfil();
    }

private slots:
    void init()
    {
        s = AppState{};
        initialisiereZustand(s);
        prompt.asked.clear();
        prompt.answers.clear();
        prompt.beiFrage = nullptr;
        oeffnen.clear();
        speichern.clear();
        speicherFragen = 0;
        baue();
    }
    void cleanup() { fenster.reset(); }

    void fieldsShowTheStateAndTheirChecksKeepTheRanges()
    {
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->y(), fenster->height() / 4);
        QCOMPARE(kind<QLineEdit>("Edit11")->text(), QStringLiteral("    47.250000"));
        QCOMPARE(kind<QLineEdit>("Edit12")->text(), QStringLiteral("    -9.590000"));
        QCOMPARE(kind<QLineEdit>("Edit8")->text(), QStringLiteral("200"));
        QVERIFY(!kind<QLabel>("Label17")->isVisible());

        auto* edit8 = kind<QLineEdit>("Edit8");
        auto* edit9 = kind<QLineEdit>("Edit9");
        tippe(edit8, QStringLiteral("150"), edit9);
        QCOMPARE(s.Mindestabstand, 180);
        QCOMPARE(edit8->text(), QStringLiteral("180"));
        prompt.answers = {PromptAnswer::Cancel};
        tippe(edit8, QStringLiteral("50"), edit9);
        QCOMPARE(s.Mindestabstand, 180);
        QVERIFY(prompt.enthaelt("Mindestabstand [m]=50"));
        QVERIFY(prompt.enthaelt("[100..500]"));

        tippe(kind<QLineEdit>("Edit10"), QStringLiteral("40"), edit9);
        QCOMPARE(s.MaxAbstandKm, 40);
        QCOMPARE(s.MaxAbstandM, 40000);
        QVERIFY(std::fabs(s.MaxAbstandGrad - 40 / 111.11) < 1e-12);

        ProfilPanel::standardEinstellungen(s);
        QCOMPARE(s.Mindestabstand, 200);
        QCOMPARE(s.MaxAbstandM, 60000);
        panel->zeig_pProfil();
        QCOMPARE(kind<QLineEdit>("Edit10")->text(), QStringLiteral("60"));

        tippe(kind<QLineEdit>("Edit11"), QStringLiteral("-33.5"), edit9);
        QCOMPARE(s.Par.Breite, -33.5);
        QVERIFY(kind<QRadioButton>("RG1Sued")->isChecked());
        QCOMPARE(kind<QLabel>("LabBreit")->text(), QStringLiteral(" -33 deg 30 min  0.0 sec"));
    }

    void showBoxAsksForAProfileAndTheLoadBoxTakesItsPlace()
    {
        const QString datei = dir.filePath(QStringLiteral("ort.ele"));
        Horizontprofil p = leeresHorizontprofil();
        p[10].Hoehe = 3.25;
        std::string fehler;
        QVERIFY(speichereHorizontprofil(datei.toStdString(), profilZeilen(p, {46.5, 7.25, 900, 0, 200}, 1), fehler));
        QCheckBox zeigen, laden;
        int gezeichnet = 0;
        ProfilPanelDienste d = dienste;
        d.neuZeichnen = [&] { ++gezeichnet; };
        auto* zweites = new ProfilPanel(s, prompt, d, fenster.get());

        // No: the show box is cleared again, nothing is loaded.
        prompt.answers = {PromptAnswer::No};
        zeigen.setChecked(true);
        zweites->ChbProfilClick(&zeigen, &laden, false);
        QVERIFY(!zeigen.isChecked());
        QCOMPARE(s.HorizontGeladen, std::uint8_t{0});
        // Yes: the file is read, the place taken over (message 70), both boxes set right.
        prompt.answers = {PromptAnswer::Yes};
        oeffnen = {datei};
        zeigen.setChecked(true);
        zweites->ChbProfilClick(&zeigen, &laden, false);
        QVERIFY(zeigen.isChecked());
        QVERIFY(!laden.isChecked());
        QCOMPARE(s.HorizontGeladen, std::uint8_t{1});
        QCOMPARE(s.HorizontZeigen, std::uint8_t{1});
        QCOMPARE(s.Horizont[10].Hoehe, 3.25);
        QCOMPARE(s.Par.Breite, 46.5);
        QCOMPARE(s.Par.Laenge, -7.25);
        QVERIFY(prompt.enthaelt("Geogr. Breite und Länge des Horizontprofils wird mit übernommen!"));
        QCOMPARE(gezeichnet, 2);
        // The load box with a missing file: asked about, nothing changes.
        prompt.asked.clear();
        oeffnen = {dir.filePath(QStringLiteral("fehlt.ele"))};
        laden.setChecked(true);
        zweites->ChbProfilClick(&zeigen, &laden, true);
        QCOMPARE(s.Horizont[10].Hoehe, 3.25);
        QVERIFY(zeigen.isChecked());
        QVERIFY(prompt.enthaelt("Die Datei fehlt."));
    }

    void aRunShowsProgressIsCancelledAndThenWritesAProfile()
    {
        test::AscKachel k;
        k.hoehe = [](double b, double l) { return static_cast<int>(600 + 500 * std::sin(b * 91.0) * std::cos(l * 57.0)); };
        const QString kachel = dir.filePath(QStringLiteral("kachel.asc"));
        QVERIFY(test::schreibeAscKachel(kachel.toStdString(), k));
        const QString ziel = dir.filePath(QStringLiteral("profil.ele"));
        s.Par.Breite = 47.5;
        s.Par.Laenge = -9.5;
        s.MaxAbstandKm = 25;
        panel->zeig_pProfil();
        auto* knopf = kind<QPushButton>("Button2");
        QSignalSpy ende(panel, &ProfilPanel::berechnungBeendet);

        // Cancel while the announcement is open: the run stops before its first row and
        // nothing is offered for saving.
        bool liefSichtbar = false;
        prompt.beiFrage = [&](const std::string& text) {
            if (text.find("Horizontprofil im Punkt") == std::string::npos)
                return;
            liefSichtbar = kind<QProgressBar>("ProgressBar1")->isVisible() && kind<QLabel>("Label17")->isVisible() &&
                           !knopf->isEnabled() && panel->laeuft();
            kind<QPushButton>("Button3")->click();
        };
        oeffnen = {kachel};
        speichern = {ziel};
        knopf->click();
        QVERIFY(ende.wait(20000));
        QVERIFY(liefSichtbar);
        QCOMPARE(ende.takeFirst().at(0).toBool(), false);
        QCOMPARE(speicherFragen, 0);
        QVERIFY(!QFile::exists(ziel));
        QVERIFY(panel->isVisible());
        QVERIFY(knopf->isEnabled());

        // A whole run: progress up to the end, the ground height shown, the file written.
        prompt.beiFrage = nullptr;
        prompt.asked.clear();
        int hoechster = 0;
        connect(kind<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged, this,
                [&](int w) { hoechster = std::max(hoechster, w); });
        oeffnen = {kachel};
        knopf->click();
        QVERIFY(ende.wait(60000));
        QCOMPARE(ende.takeFirst().at(0).toBool(), true);
        QCOMPARE(hoechster, 9000);
        QCOMPARE(speicherFragen, 1);
        QVERIFY(prompt.enthaelt("profil.ele gespeichert!"));
        QVERIFY(!kind<QLineEdit>("Edit7")->text().trimmed().isEmpty());
        QCOMPARE(kind<QLabel>("Label15")->text(), QStringLiteral("Horizontprofil berechnet !"));
        QVERIFY(!panel->isVisible());

        std::ifstream in(ziel.toStdString(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const Profillesung l = leseHorizontprofilText(bytes, "profil.ele", 1);
        QVERIFY2(l.ok, l.fehler.c_str());
        QCOMPARE(l.breite, 47.5);
        QCOMPARE(l.laenge, -9.5);
        int sichtbar = 0;
        for (int b = 0; b < kHorizontPunkte; ++b) {
            QVERIFY(std::fabs(l.profil[b].Hoehe - s.HorizontBerechnet[b].Hoehe) < 5e-5);
            sichtbar += l.profil[b].Hoehe > 0;
        }
        QVERIFY(sichtbar > 100);
        QCOMPARE(s.Par.Breite, 47.5);
    }

    void captionsFollowTheLanguage()
    {
        for (bool deutsch : {true, false}) {
            setzeSprache(s, deutsch);
            panel->aktualisiereSprache();
            QCOMPARE(kind<QPushButton>("Button2")->text(),
                     deutsch ? QStringLiteral("Start Berechnung") : QStringLiteral("Start calculation"));
            speichereBild(fenster.get(), deutsch ? QStringLiteral("profilpanel_de") : QStringLiteral("profilpanel_en"));
        }
    }
};

QTEST_MAIN(ProfilPanelTest)
#include "tst_profilpanel.moc"
