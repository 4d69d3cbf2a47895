#include "drawing/ui/ZeichenfensterDienste.h"

#include <QtTest>

using namespace umbrin;

class DateifilterTest : public QObject {
    Q_OBJECT
private slots:
    void filtersShowTheirPatternsOnceAndAllFilesMeansEveryFile()
    {
        QCOMPARE(qtFilter(QStringLiteral("HPGL (*.plt)|*.plt|Alle Dateien (*.*)|*.*")),
                 QStringLiteral("HPGL (*.plt);;Alle Dateien (*)"));
        QCOMPARE(qtFilter(QStringLiteral("Starteinstellungen|*.ini;*.umb")),
                 QStringLiteral("Starteinstellungen (*.ini *.umb)"));
    }
};

QTEST_MAIN(DateifilterTest)
#include "tst_dateifilter.moc"
