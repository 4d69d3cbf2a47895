#include "shell/Bildergalerie.h"
#include "shell/ui/Bildspeicher.h"

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

using namespace umbrin;

namespace {
const QString kBilder = QString::fromUtf8(UMBRIN_SOURCE_DIR) + QStringLiteral("/resources/pictures");

double mittlereAbweichung(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888), y = b.convertToFormat(QImage::Format_RGB888);
    double summe = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int i = 0; i < x.width() * 3; ++i)
            summe += std::abs(int(x.constScanLine(r)[i]) - int(y.constScanLine(r)[i]));
    return summe / (double(x.width()) * x.height() * 3);
}

int groessteAbweichung(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB888), y = b.convertToFormat(QImage::Format_RGB888);
    int m = 0;
    for (int r = 0; r < x.height(); ++r)
        for (int i = 0; i < x.width() * 3; ++i)
            m = std::max(m, std::abs(int(x.constScanLine(r)[i]) - int(y.constScanLine(r)[i])));
    return m;
}
} // namespace

class BilderTest : public QObject {
    Q_OBJECT
private slots:
    void theToolDrawsTheCommittedPicturesAgain()
    {
        QTemporaryDir ordner;
        QProcess werkzeug;
        werkzeug.start(QStringLiteral(UMBRIN_PICTURE_TOOL), {ordner.path()});
        QVERIFY(werkzeug.waitForFinished(120000));
        QCOMPARE(werkzeug.exitCode(), 0);
        const QStringList gespeichert = QDir(kBilder).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        QVERIFY(!gespeichert.isEmpty());
        for (const QString& name : gespeichert) {
            const QImage alt = ladeJpegDatei(kBilder + QLatin1Char('/') + name);
            const QImage neu = ladeJpegDatei(ordner.filePath(name));
            QVERIFY2(!neu.isNull(), qPrintable(name));
            QCOMPARE(neu.size(), alt.size());
            QVERIFY2(mittlereAbweichung(alt, neu) < 1.0, qPrintable(name));
        }
    }

    void everyCommittedPictureReadsAlikeInQtAndOurDecoder()
    {
        Bildspeicher speicher;
        const QStringList gespeichert = QDir(kBilder).entryList({QStringLiteral("*.jpg")}, QDir::Files);
        for (const QString& name : gespeichert) {
            const int id = name.section(QLatin1Char('.'), 0, 0).toInt();
            QVERIFY2(hatBild(id), qPrintable(name));
            QImageReader leser(kBilder + QLatin1Char('/') + name);
            const QSize erwartet = id < 1000 ? QSize(1200, 800) : QSize(520, 390);
            QCOMPARE(leser.size(), erwartet);
            const QImage qt = leser.read();
            QVERIFY2(!qt.isNull(), qPrintable(leser.errorString()));
            const QImage unser = speicher.bild(id);
            QCOMPARE(unser.size(), erwartet);
            QVERIFY2(groessteAbweichung(qt, unser) <= 1, qPrintable(name));
        }
        QVERIFY(speicher.bild(2998).isNull());
        QVERIFY(!Bildspeicher::vorhanden(0));
    }
};

QTEST_MAIN(BilderTest)
#include "tst_bilder.moc"
