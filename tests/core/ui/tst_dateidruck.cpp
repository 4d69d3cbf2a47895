// Printing into a PDF file on a full disk (a file-size limit): every print path that can write
// a file keeps the old file byte for byte, leaves nothing beside it and says that printing
// failed. On a disk with room the old file is replaced by a whole PDF.
#include "core/Sonne.h"
#include "core/ui/Dateidruck.h"
#include "drawing/ui/ZeichenfensterAufbau.h"
#include "support/TestOrdner.h"
#include "tables/ui/EoTVergleichDrucken.h"
#include "tables/ui/TabellenfensterAufbau.h"

#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <fstream>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

const std::string kAlt = "%PDF-1.4 the print of last week";

std::size_t eintraege(const fs::path& ordner)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()));
}

bool druckFehlerGemeldet(const test::ScriptedPrompt& p)
{
    return !p.asked.empty() && p.asked.back().text.find("Drucken abgebrochen") != std::string::npos;
}

// Prints into pdf, where an old print stands, with a disk that is full beyond `grenze` bytes
// per file (none: room for everything). drucke says whether the failure was reported.
void drucke(const QString& pdf, const std::function<bool()>& druck, rlim_t grenze = 4096)
{
    const fs::path ziel = pdf.toStdString();
    std::ofstream(ziel, std::ios::binary) << kAlt;
    const std::size_t vorher = eintraege(ziel.parent_path());
    bool gemeldet = false;
    {
        const test::VollePlatte voll(grenze);
        QVERIFY(voll.aktiv());
        gemeldet = druck();
    }
    const bool voll = grenze != RLIM_INFINITY;
    QCOMPARE(gemeldet, voll);
    QCOMPARE(eintraege(ziel.parent_path()), vorher);
    const std::string jetzt = test::dateiText(ziel);
    QCOMPARE(jetzt == kAlt, voll);
    QCOMPARE(pdfVollstaendig(jetzt), !voll);
}

struct Fenster : test::ZeichenfensterAufbau {
    explicit Fenster(char typ)
    {
        s.UhrTyp = typ;
        SchiefeUndTierkreis(s, s.Par.Jahr);
        pdf = QString::fromStdString(pfad("druck.pdf"));
    }
};

} // namespace

class DateidruckTest : public QObject {
    Q_OBJECT
private slots:
    void aFailedPrintIntoAFileKeepsTheOldFile()
    {
        for (const rlim_t grenze : {rlim_t{4096}, RLIM_INFINITY}) {
            for (const char typ : {'h', 'm'}) {
                Fenster a(typ);
                auto w = a.fenster();
                const auto gemeldet = [&] { return druckFehlerGemeldet(a.prompt); };
                drucke(a.pdf, [&] { return w->BildDrucken(), gemeldet(); }, grenze);
                w->sInfo(); // the information sheet, as text lines or the cone's drawing
                drucke(a.pdf, [&] { return w->druckeZeichnung(), gemeldet(); }, grenze);
                if (typ == 'h') {
                    w->BitBtnWinkelClick();
                    drucke(a.pdf, [&] { return w->druckeZeichnung(), gemeldet(); }, grenze);
                } else {
                    QTest::mouseClick(w->findChild<QPushButton*>("BitBtnHoll"), Qt::LeftButton);
                    drucke(a.pdf, [&] {
                        QTest::mouseClick(w->findChild<QPushButton*>("BitBtnDruHo"), Qt::LeftButton);
                        return gemeldet();
                    }, grenze);
                }
            }
            for (const int modus : {1, 16}) {
                test::TabellenfensterAufbau t(modus);
                auto w = t.fenster();
                w->FormShow();
                drucke(t.pdf(1), [&] { return w->DruckListe(), druckFehlerGemeldet(t.prompt); }, grenze);
            }
            AppState s;
            initialisiereZustand(s);
            QTemporaryDir ordner;
            QPrinter drucker(QPrinter::HighResolution);
            drucker.setOutputFileName(ordner.filePath("vergleich.pdf"));
            drucke(ordner.filePath("vergleich.pdf"), [&] { return !EoTVergleichDrucken(drucker, s, 72); }, grenze);
        }
    }
};

QTEST_MAIN(DateidruckTest)
#include "tst_dateidruck.moc"
