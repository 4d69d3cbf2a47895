// Every print path that can write a file, into a PDF where an old print stands: on a full disk
// (a file-size limit) the old file stays byte for byte, nothing is left beside it and printing
// is reported failed; with room the old file becomes a whole PDF.
#include "core/Sonne.h"
#include "core/ui/Dateidruck.h"
#include "drawing/ui/ZeichenfensterAufbau.h"
#include "support/TestOrdner.h"
#include "tables/ui/EoTVergleichDrucken.h"
#include "tables/ui/TabellenfensterAufbau.h"

#include <QPushButton>
#include <QtTest>

using namespace umbrin;
namespace fs = std::filesystem;

namespace {

bool gemeldet(const test::ScriptedPrompt& p)
{
    return !p.asked.empty() && p.asked.back().text.find("Drucken abgebrochen") != std::string::npos;
}

// druck prints into pdf and says whether the failure was reported.
void drucke(const QString& pdf, rlim_t grenze, const std::function<bool()>& druck)
{
    const fs::path ziel = pdf.toStdString();
    const std::string alt = "%PDF-1.4 the print of last week";
    std::ofstream(ziel, std::ios::binary) << alt;
    const auto eintraege = [&] { return std::distance(fs::directory_iterator(ziel.parent_path()), {}); };
    const auto vorher = eintraege();
    const bool voll = grenze != RLIM_INFINITY;
    {
        const test::VollePlatte platte(grenze);
        QCOMPARE(druck(), voll);
    }
    QCOMPARE(eintraege(), vorher);
    const std::string jetzt = test::dateiText(ziel);
    QCOMPARE(jetzt == alt, voll);
    QCOMPARE(pdfVollstaendig(jetzt), !voll);
}

} // namespace

class DateidruckTest : public QObject {
    Q_OBJECT
private slots:
    void aFailedPrintIntoAFileKeepsTheOldFile()
    {
        for (const rlim_t grenze : {rlim_t{4096}, RLIM_INFINITY}) {
            for (const char typ : {'h', 'm'}) {
                test::ZeichenfensterAufbau a;
                a.s.UhrTyp = typ;
                SchiefeUndTierkreis(a.s, a.s.Par.Jahr);
                a.pdf = QString::fromStdString(a.pfad("druck.pdf"));
                auto w = a.fenster();
                drucke(a.pdf, grenze, [&] { return w->BildDrucken(), gemeldet(a.prompt); });
                w->sInfo(); // the information sheet: text lines, or the cone's drawing
                drucke(a.pdf, grenze, [&] { return w->druckeZeichnung(), gemeldet(a.prompt); });
                const char* knopf = typ == 'h' ? "BitBtnWinkel" : "BitBtnHoll"; // angle table, cone graph
                QTest::mouseClick(w->findChild<QPushButton*>(knopf), Qt::LeftButton);
                drucke(a.pdf, grenze, [&] {
                    if (typ == 'h')
                        w->druckeZeichnung();
                    else
                        QTest::mouseClick(w->findChild<QPushButton*>("BitBtnDruHo"), Qt::LeftButton);
                    return gemeldet(a.prompt);
                });
            }
            for (const int modus : {1, 16}) { // a table, a graph
                test::TabellenfensterAufbau t(modus);
                auto w = t.fenster();
                w->FormShow();
                drucke(t.pdf(1), grenze, [&] { return w->DruckListe(), gemeldet(t.prompt); });
            }
            test::TabellenfensterAufbau t(16); // the equation-of-time comparison
            t.drucker.setOutputFileName(t.pdf(1));
            drucke(t.pdf(1), grenze, [&] { return !EoTVergleichDrucken(t.drucker, t.s, 72); });
        }
    }
};

QTEST_MAIN(DateidruckTest)
#include "tst_dateidruck.moc"

