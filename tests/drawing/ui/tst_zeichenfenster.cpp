#include "drawing/KartenText.h"
#include "drawing/ui/Bildflaeche.h"
#include "drawing/ui/ZeichenFenster.h"
#include "support/ScriptedPrompt.h"

#include <QDir>
#include <QPrinter>
#include <QtTest>

using namespace umbrin;

namespace {

struct Aufbau {
    AppState s;
    ShellZustand z;
    test::ScriptedPrompt prompt;
    QString gespeichert; // what the save dialog answers
    QString pdf;         // where the printer dialog sends the print

    Aufbau(char typ = 'v')
    {
        initialisiereZustand(s);
        LadeKartenText(s);
        s.UhrTyp = typ;
        z.ArbeitsPfad = std::string(UMBRIN_BINARY_DIR) + "/";
    }

    std::unique_ptr<ZeichenFenster> fenster(QSize groesse = {1100, 760})
    {
        ZeichenfensterDienste d;
        d.druckerDialog = [this](QPrinter& p, QWidget*) {
            if (pdf.isEmpty())
                return false;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        d.speichernDialog = [this](QWidget*, const QString&, const QString&, const QString&, const QString&) {
            return gespeichert;
        };
        d.oeffnenDialog = [](QWidget*, const QString&, const QString&, const QString&) { return QString(); };
        auto w = std::make_unique<ZeichenFenster>(s, z, prompt, std::move(d));
        w->resize(groesse);
        w->show();
        return w;
    }
};

QString bildOrdner()
{
    const QString ordner = QStringLiteral(UMBRIN_BINARY_DIR "/screenshots");
    QDir().mkpath(ordner);
    return ordner;
}

} // namespace

class ZeichenFensterTest : public QObject {
    Q_OBJECT
private slots:
    void screenshots()
    {
        for (bool deutsch : {true, false}) {
            Aufbau a('v');
            a.s.Deutsch = deutsch ? 1 : 0;
            a.s.Sprachspalte = deutsch ? 1 : 2;
            a.s.StringIdBasis = deutsch ? 0 : 2000;
            auto w = a.fenster();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            const QString sprache = deutsch ? QStringLiteral("de") : QStringLiteral("en");
            QVERIFY(w->grab().save(bildOrdner() + "/zeichenfenster_v_" + sprache + ".png"));
            w->BitBtnWinkelClick();
            QVERIFY(w->grab().save(bildOrdner() + "/winkeltabelle_v_" + sprache + ".png"));
            w->sInfo();
            QVERIFY(w->grab().save(bildOrdner() + "/info_v_" + sprache + ".png"));
        }
    }
};

QTEST_MAIN(ZeichenFensterTest)
#include "tst_zeichenfenster.moc"
