// Every print path that can write a file, into a PDF where an old print stands: on a full disk
// (a file-size limit), below a regular file or onto a folder's name the old file stays byte for
// byte, nothing is left beside it and printing is reported failed, naming the file; with room
// the old file becomes a PDF an independent reader finds whole. The printer names the file again.
#include "core/Sonne.h"
#include "core/SafeSave.h"
#include "core/Sprachdienst.h"
#include "core/ui/Dateidruck.h"
#include "core/ui/DruckListe.h"
#include "drawing/ui/ZeichenfensterAufbau.h"
#include "shell/ui/Textdruck.h"
#include "support/TestOrdner.h"
#include "tables/ui/TabellenfensterAufbau.h"

#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

// druck prints into the file it is given on drucker.
void drucke(const QString& ordnerName, const QPrinter& drucker, const test::ScriptedPrompt& p,
            const std::function<void(const QString&)>& druck)
{
    const fs::path ordner = ordnerName.toStdString();
    const std::string alt = "%PDF-1.4 the print of last week";
    std::ofstream(ordner / "druck.pdf", std::ios::binary) << alt;
    std::ofstream(ordner / "keinOrdner", std::ios::binary) << alt;
    fs::create_directory(ordner / "mappe.pdf");
    const auto eintraege = [&] { return std::distance(fs::directory_iterator(ordner), {}); };
    const auto vorher = eintraege();
    const fs::path ziele[] = {ordner / "druck.pdf", ordner / "keinOrdner/druck.pdf", ordner / "mappe.pdf",
                              ordner / "druck.pdf"};
    // Why each failed, after the file's name: the full disk's error, as the system gives it.
    const char* gruende[] = {": Die Datei wird zu groß", ": Ein Teil des Pfades ist kein Ordner",
                             ": Der Name ist der eines Ordners", ""};
    for (int i = 0; i < 4; ++i) { // the disk is full for the first; the last succeeds
        const std::size_t gefragt = p.asked.size();
        {
            const test::VollePlatte platte(i == 0 ? 4096 : RLIM_INFINITY);
            druck(QString::fromStdString(ziele[i].string()));
        }
        const std::string bericht = p.asked.size() > gefragt ? p.asked.back().text : "";
        QCOMPARE(drucker.outputFileName().toStdString(), ziele[i].string());
        QCOMPARE(eintraege(), vorher);
        QVERIFY(fs::is_empty(ordner / "mappe.pdf"));
        QCOMPARE(test::dateiText(ordner / "druck.pdf") == alt, i < 3);
        QVERIFY2(bericht.starts_with("Fehler - Drucken abgebrochen!\n\r") == (i < 3)
                     && (i == 3 || bericht.find(ziele[i].string() + "\"") != std::string::npos)
                     && bericht.ends_with(gruende[i]),
                 bericht.c_str());
    }
    QVERIFY(!test::qpdfDa() || test::qpdfFindetGanz(ziele[3]));
    fs::remove_all(ordner / "mappe.pdf");
    fs::remove(ordner / "keinOrdner");
}

// Runs tue in a child process and gives back what it returned, or how the child ended.
std::string imKind(const std::function<std::string()>& tue)
{
    int rohr[2];
    if (::pipe(rohr) != 0)
        return "no pipe";
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(rohr[0]);
        const std::string text = tue();
        (void)!::write(rohr[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(rohr[1]);
    std::string text;
    char puffer[4096];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
        text.append(puffer, static_cast<std::size_t>(n));
    ::close(rohr[0]);
    int status = 0;
    ::waitpid(kind, &status, 0);
    return WIFSIGNALED(status) ? "the child ended by signal " + std::to_string(WTERMSIG(status)) : text;
}

// In this process only: a user and mount namespace of its own with a file system of 16 KB on
// ordner, which a print fills at once. Empty when it stands, else why not.
std::string kleinePlatte(const fs::path& ordner)
{
    const std::string uid = std::to_string(::geteuid()), gid = std::to_string(::getegid());
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return std::string("no user namespace: ") + std::strerror(errno);
    const auto schreibe = [](const char* datei, const std::string& text) {
        return static_cast<bool>(std::ofstream(datei) << text << std::flush);
    };
    if (!schreibe("/proc/self/setgroups", "deny") || !schreibe("/proc/self/uid_map", "0 " + uid + " 1")
        || !schreibe("/proc/self/gid_map", "0 " + gid + " 1"))
        return "no user namespace: the identities cannot be mapped";
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || ::mount("tmpfs", ordner.c_str(), "tmpfs", 0, "size=16k") != 0)
        return std::string("no small file system: ") + std::strerror(errno);
    return {};
}

} // namespace

class DateidruckTest : public QObject {
    Q_OBJECT
private slots:
    void aFailedPrintIntoAFileKeepsTheOldFile()
    {
        for (const char typ : {'h', 'm'}) {
            test::ZeichenfensterAufbau a;
            QPrinter drucker(QPrinter::HighResolution);
            drucker.setPageSize(QPageSize(QPageSize::A4));
            a.drucker = &drucker;
            a.s.UhrTyp = typ;
            SchiefeUndTierkreis(a.s, a.s.Par.Jahr);
            auto w = a.fenster();
            const auto pruefe = [&](const std::function<void()>& druck) {
                drucke(a.ordner.path(), drucker, a.prompt, [&](const QString& ziel) { a.pdf = ziel, druck(); });
            };
            pruefe([&] { w->BildDrucken(); });
            w->sInfo(); // the information sheet: text lines, or the cone's drawing
            pruefe([&] { w->druckeZeichnung(); });
            const char* knopf = typ == 'h' ? "BitBtnWinkel" : "BitBtnHoll"; // angle table, cone graph
            QTest::mouseClick(w->findChild<QPushButton*>(knopf), Qt::LeftButton);
            pruefe([&] {
                if (typ == 'h')
                    w->druckeZeichnung();
                else
                    QTest::mouseClick(w->findChild<QPushButton*>("BitBtnDruHo"), Qt::LeftButton);
            });
        }
        for (const int modus : {1, 16, 0}) { // a table, a graph, the equation-of-time comparison
            test::TabellenfensterAufbau t(modus ? modus : 16);
            auto w = t.fenster();
            w->FormShow();
            auto* vergleich = w->findChild<QWidget*>("Psymm")->findChild<QPushButton*>("BitBtn3");
            drucke(t.ordner.path(), t.drucker, t.prompt,
                   [&](const QString& ziel) { t.ziel = ziel, modus ? w->DruckListe() : vergleich->click(); });
        }
        test::Hauptfenster h; // the window as a picture, and the calculation window's text lines
        h.zeige({1000, 700});
        h.w->Sonnenstand1Click(2);
        QString ziel;
        h.w->setDruckerwahl([&](QPrinter& p) { return p.setOutputFileName(ziel), true; });
        drucke(h.ordner.path(), h.w->drucker(), h.prompt, [&](const QString& z) { ziel = z, h.w->mWindowPrintClick(); });
        drucke(h.ordner.path(), h.w->drucker(), h.prompt, [&](const QString& z) {
            ziel = z;
            if (DruckListe* liste = h.w->textdruck().oeffne())
                liste->schreibe("Sonnenaufgang  5:12");
            h.w->textdruck().schliesse();
        });
        ziel.clear(); // a printer that cannot start, said in the user's language
        for (const auto& [spalte, text] :
             {std::pair{1, "Fehler - Drucken abgebrochen!\n\rDer Drucker kann den Druck nicht beginnen"},
              {2, "Error - Printing cancelled !\n\rCannot start printing"}}) {
            setzeSprache(h.s, spalte == 1);
            QVERIFY(!h.w->textdruck().oeffne());
            QCOMPARE(h.prompt.asked.back().text, std::string(text));
        }
    }

    // A really full disk, not a file-size limit: the report names the file and the disk's
    // lack of room in the user's language; the old file stays and nothing is left beside it.
    void aPrintOntoAFullDiskSaysSoInTheUsersLanguage()
    {
        for (const bool deutsch : {true, false}) {
            test::TabellenfensterAufbau t(16);
            setzeSprache(t.s, deutsch);
            auto w = t.fenster();
            const fs::path ordner = t.ordner.filePath(QStringLiteral("voll")).toStdString(), ziel = ordner / "druck.pdf";
            fs::create_directory(ordner);
            const std::string alt = "%PDF-1.4 the print of last week";
            const std::string bericht = imKind([&] {
                if (const std::string warum = kleinePlatte(ordner); !warum.empty())
                    return "skip " + warum;
                std::ofstream(ziel, std::ios::binary) << alt;
                t.ziel = QString::fromStdString(ziel.string());
                w->DruckListe();
                std::string text = t.prompt.asked.empty() ? "no report" : t.prompt.asked.back().text;
                if (test::dateiText(ziel) != alt)
                    text += " | the old file changed";
                if (std::distance(fs::directory_iterator(ordner), {}) != 1)
                    text += " | a file was left beside it";
                return text;
            });
            if (bericht.starts_with("skip "))
                QSKIP(qPrintable(QString::fromStdString(bericht.substr(5) + ": a full disk cannot be made here")));
            const std::string kopf = deutsch ? "Fehler - Drucken abgebrochen!\n\rDie Datei \"" : "Error - Printing cancelled !\n\r\"";
            const char* grund = deutsch ? "\" wurde nicht vollständig gedruckt: Kein Speicherplatz mehr auf dem Datenträger"
                                        : "\" was not printed completely: No space left on device";
            QVERIFY2(bericht == kopf + ziel.string() + grund, bericht.c_str());
        }
    }

    // A print killed half-way leaves its temporary; the next print into the folder removes it,
    // never the temporary of a print still at work.
    void aKilledPrintsTemporaryGoesWithTheNextPrint()
    {
        test::TabellenfensterAufbau t(16);
        auto w = t.fenster();
        const fs::path ordner = t.ordner.path().toStdString();
        const std::string getoetet = imKind([&] {
            t.drucker.setOutputFormat(QPrinter::PdfFormat);
            t.drucker.setOutputFileName(QString::fromStdString((ordner / "druck.pdf").string()));
            Dateidruck datei(t.drucker, true);
            QPainter maler(&t.drucker);
            maler.drawText(100, 100, QStringLiteral("Sonnenuhr"));
            t.drucker.newPage();
            ::raise(SIGKILL);
            return std::string();
        });
        QCOMPARE(getoetet, std::string("the child ended by signal 9"));
        const auto temporaere = [&] {
            std::vector<std::string> namen;
            for (const auto& e : fs::directory_iterator(ordner))
                if (e.path().filename().string().starts_with(".umbrin-"))
                    namen.push_back(e.path().filename().string());
            return namen;
        };
        QCOMPARE(temporaere().size(), 1u);
        fs::path laeuft;
        int halter = -1;
        std::string fehler;
        QVERIFY(makeTemporaryFile(ordner, ordner / "andere.pdf", laeuft, halter, fehler));
        std::ofstream(laeuft) << "a print at work";
        t.ziel = QString::fromStdString((ordner / "druck.pdf").string());
        w->DruckListe();
        QVERIFY(pdfVollstaendig(test::dateiText(ordner / "druck.pdf")));
        QCOMPARE(temporaere(), std::vector<std::string>{laeuft.filename().string()});
        fs::remove(laeuft);
        ::close(halter);
    }

    // The temporary file the printer wrote cannot be read back: the old file stays and the
    // print is reported failed, as one that did not arrive whole.
    void aPrintThatCannotBeReadBackKeepsTheOldFile()
    {
        QTemporaryDir ordner;
        const fs::path ziel = ordner.filePath(QStringLiteral("druck.pdf")).toStdString();
        const std::string alt = "%PDF-1.4 the print of last week";
        std::ofstream(ziel, std::ios::binary) << alt;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFileName(QString::fromStdString(ziel.string()));
        Dateidruck datei(drucker, true);
        QVERIFY(datei.bereit());
        const fs::path temporaer = drucker.outputFileName().toStdString();
        {
            QPainter maler(&drucker);
            maler.drawText(100, 100, QStringLiteral("Sonnenuhr"));
        }
        QVERIFY(fs::remove(temporaer));
        QVERIFY(fs::create_directory(temporaer));
        QVERIFY(!datei.abschliessen());
        QCOMPARE(test::dateiText(ziel), alt);
        QVERIFY2(datei.grund().ends_with("druck.pdf\" wurde nicht vollständig gedruckt"), datei.grund().c_str());
        QVERIFY(!fs::exists(temporaer));
    }

    // A print into a file given up half-way, a listing dropped or a job whose guard ends
    // unfinished: its temporary goes at once, and so does the handle that holds it, while the
    // printer lives on; the old file stays as it was.
    void aPrintGivenUpLeavesNothingAndHoldsNothing()
    {
        QTemporaryDir ordner;
        const fs::path ziel = ordner.filePath(QStringLiteral("druck.pdf")).toStdString();
        const std::string alt = "%PDF-1.4 the print of last week";
        std::ofstream(ziel, std::ios::binary) << alt;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(QString::fromStdString(ziel.string()));
        const auto temporaereOffen = [] {
            int offen = 0;
            for (const auto& e : fs::directory_iterator("/proc/self/fd")) {
                std::error_code ec;
                offen += fs::read_symlink(e.path(), ec).filename().string().starts_with(".umbrin-");
            }
            return offen;
        };
        for (const bool liste : {true, false}) {
            DruckListe druckliste(drucker, true);
            if (liste) {
                std::string fehler;
                QVERIFY(druckliste.oeffnen(fehler));
                druckliste.schreibe("Sonnenaufgang  5:12\r\n");
                QVERIFY(temporaereOffen() > 0); // the holder, and the printer's own handle
                druckliste.verwerfen();
            } else {
                Dateidruck datei(drucker, true);
                QPainter maler(&drucker);
                maler.drawText(100, 100, QStringLiteral("Sonnenuhr"));
                drucker.newPage();
                drucker.abort();
            }
            QCOMPARE(temporaereOffen(), 0);
            QCOMPARE(std::distance(fs::directory_iterator(ordner.path().toStdString()), {}), 1);
            QCOMPARE(test::dateiText(ziel), alt);
            QCOMPARE(drucker.outputFileName().toStdString(), ziel.string());
        }
    }

    void anIndependentReaderFindsWhatIsWholeAndWhatIsCut()
    {
        if (!test::qpdfDa())
            QSKIP("qpdf (Debian package qpdf) is not installed: no independent PDF reader to judge by");
        test::TabellenfensterAufbau t(16);
        t.fenster()->DruckListe();
        const fs::path ganz = t.pdf(1).toStdString(), teil = ganz.string() + ".teil.pdf";
        std::string inhalt = test::dateiText(ganz);
        QVERIFY(pdfVollstaendig(inhalt) && test::qpdfFindetGanz(ganz));
        std::ofstream(teil, std::ios::binary) << inhalt.erase(inhalt.size() / 2, 40);
        QVERIFY(!pdfVollstaendig(inhalt) && !test::qpdfFindetGanz(teil));
    }
};

QTEST_MAIN(DateidruckTest)
#include "tst_dateidruck.moc"
