// Pause once the program has been told to quit: it returns at once instead of spinning until its
// deadline (a recall's 2-second wait would otherwise keep a core busy while the program ends).
#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

#include "pause.h"

class PauseTest : public QObject {
    Q_OBJECT
  private slots:
    void endetSofortWennDasProgrammEndet() {
        QCoreApplication::exit(0);
        QElapsedTimer uhr;
        uhr.start();
        nervalo::Pause(2000);
        QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
    }
};

QTEST_MAIN(PauseTest)
#include "pause_test.moc"
