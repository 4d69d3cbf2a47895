#include "shell/ui/MainWindow.h"

#include <QMdiArea>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithAnMdiAreaAndClosesCleanly()
    {
        umbrin::MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.mdiArea() != nullptr);
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("  Umbrin  v. ")));
        QVERIFY(w.close());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
