#include <QTest>

#include "befehlszeile.h"

using namespace nervalo;

Q_DECLARE_METATYPE(nervalo::Startart)

class BefehlszeileTest : public QObject {
    Q_OBJECT

  private slots:
    void auswerten_data() {
        QTest::addColumn<QStringList>("eingabe");
        QTest::addColumn<Startart>("art");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("screenshot");
        QTest::addColumn<int>("wartezeit");
        QTest::addColumn<bool>("startzeit");
        const QStringList keine;
        const auto P = Startart::Programm;
        QTest::newRow("nichts") << keine << P << keine << "" << 1500 << false;
        QTest::newRow("Netzdatei")
            << QStringList{"a.net"} << P << QStringList{"a.net"} << "" << 1500 << false;
        // Unknown options and extra files reach the main window as before.
        QTest::newRow("unbekannte Option")
            << QStringList{"-h", "b.net"} << P << QStringList{"-h", "b.net"} << "" << 1500 << false;
        QTest::newRow("Hilfe") << QStringList{"--help"} << Startart::Hilfe << keine << "" << 1500
                               << false;
        QTest::newRow("Version mit Datei") << QStringList{"a.net", "--version"} << Startart::Version
                                           << QStringList{"a.net"} << "" << 1500 << false;
        QTest::newRow("die erste gewinnt") << QStringList{"--version", "--help"}
                                           << Startart::Version << keine << "" << 1500 << false;
        QTest::newRow("Selbsttest") << QStringList{"--selbsttest", "x.net"} << Startart::Selbsttest
                                    << QStringList{"x.net"} << "" << 1500 << false;
        QTest::newRow("Hilfe vor Selbsttest")
            << QStringList{"--selbsttest", "x.net", "--help"} << Startart::Hilfe
            << QStringList{"x.net"} << "" << 1500 << false;
        QTest::newRow("Bildschirmfoto")
            << QStringList{"--screenshot", "b.png", "a.net", "--wartezeit", "300", "--startzeit"}
            << P << QStringList{"a.net"} << "b.png" << 300 << true;
        // An option's value is taken as it is, even when it looks like an option.
        QTest::newRow("Wert wie Option")
            << QStringList{"--screenshot", "--help"} << P << keine << "--help" << 1500 << false;
        // Without its value the option is an ordinary argument, as it always was.
        QTest::newRow("Wert fehlt") << QStringList{"a.net", "--screenshot"} << P
                                    << QStringList{"a.net", "--screenshot"} << "" << 1500 << false;
    }
    void auswerten() {
        QFETCH(QStringList, eingabe);
        const Befehlszeile b = BefehlszeileAuswerten(eingabe);
        QTEST(b.art, "art");
        QTEST(b.argumente, "argumente");
        QTEST(b.screenshot, "screenshot");
        QTEST(b.wartezeit, "wartezeit");
        QTEST(b.startzeit, "startzeit");
    }

    // The help names every option the program reads from users.
    void hilfeNenntAlleOptionen() {
        for (const char* option : {"--help", "--version", "--selbsttest", "Datei.net"})
            QVERIFY2(HilfeText().contains(QLatin1String(option)), option);
    }
};

QTEST_MAIN(BefehlszeileTest)
#include "befehlszeile_test.moc"
