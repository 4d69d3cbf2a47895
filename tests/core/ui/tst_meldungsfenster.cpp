// Message boxes with a short text are still as wide as their titles need (the title bar's icon
// and buttons included), in both languages, and a box that only tells shows its title's icon.
#include "core/Meldungen.h"
#include "core/Sprachdienst.h"
#include "core/ui/MeldungsFenster.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace umbrin;

class MeldungsFensterTest : public QObject {
    Q_OBJECT
private slots:
    void aShortMessageIsAsWideAsItsTitle()
    {
        AppState s;
        initialisiereZustand(s);
        for (const int spalte : {1, 2}) {
            setzeSprache(s, spalte == 1);
            const std::tuple<PromptTitle, PromptIcon, QMessageBox::Icon> faelle[] = {
                {PromptTitle::Information, PromptIcon::Information, QMessageBox::Information},
                {PromptTitle::Fehler, PromptIcon::Question, QMessageBox::Critical},
                {PromptTitle::WasNun, PromptIcon::Question, QMessageBox::Question}};
            for (const auto& [titel, icon, erwartet] : faelle) {
                MeldungsFenster fenster(s);
                int breite = 0, noetig = 0;
                QMessageBox::Icon gezeigtesIcon = QMessageBox::NoIcon;
                QString gezeigt;
                QTimer::singleShot(0, [&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    QVERIFY(box);
                    gezeigt = box->windowTitle();
                    breite = box->width();
                    gezeigtesIcon = box->icon();
                    // The title as window managers set it, bold and a step larger than the
                    // box's text; before it the window's icon, after it three buttons, each a
                    // square a line and a quarter wide; a margin of a line at either end.
                    QFont titelSchrift = box->font();
                    titelSchrift.setBold(true);
                    titelSchrift.setPointSizeF(QFontInfo(titelSchrift).pointSizeF() * 1.2);
                    const int zeile = box->fontMetrics().height();
                    noetig = QFontMetrics(titelSchrift).horizontalAdvance(gezeigt) + 4 * zeile * 5 / 4 + 2 * zeile;
                    box->accept();
                });
                fenster.ask(titel, icon, "OK.", PromptButtons::Ok);
                QCOMPARE(gezeigtesIcon, erwartet);
                QCOMPARE(gezeigt, QString::fromUtf8(std::string(meldungsTitel(s, titel)).c_str()));
                QVERIFY2(breite >= noetig, qPrintable(gezeigt + QStringLiteral(": %1 < %2").arg(breite).arg(noetig)));
            }
        }
    }
};

QTEST_MAIN(MeldungsFensterTest)
#include "tst_meldungsfenster.moc"
