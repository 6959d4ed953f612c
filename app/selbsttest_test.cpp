#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "mainform.h"
#include "programmdaten.h"
#include "selbsttest.h"

using namespace nervalo;

namespace {

QString beispiel(const char* name) {
    return QFINDTESTDATA(QStringLiteral("../examples/") + QLatin1String(name));
}

} // namespace

class SelbsttestTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // As the program does: the tests run beside the built program, with its data.
        uebersetzung_ = QtUebersetzungLaden(uebersetzer_);
        QApplication::installTranslator(&uebersetzer_);
    }

    // The program's own data is found beside it; a check run by the build proves what the
    // package check proves for the unpacked package.
    void datenBeimProgramm() {
        const QString ordner = QCoreApplication::applicationDirPath();
        QCOMPARE(uebersetzung_, ordner + "/translations/qtbase_de.qm");
        QCOMPARE(TutoriumPfad(), ordner + "/tutorial/index.html");
        QVERIFY(IstProgrammDatei(uebersetzung_));
        QVERIFY(!IstProgrammDatei(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                  "/qtbase_de.qm"));
        QVERIFY(!IstProgrammDatei(beispiel("xor.lrn")));
        QVERIFY(!IstProgrammDatei(""));
    }

    void pruefen_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("eigeneUebersetzung");
        QTest::addColumn<QStringList>("gruende");
        const QString netz = beispiel("xor-2-4-1.net");
        QTest::newRow("Beispielnetz") << QStringList{netz} << true << QStringList{};
        QTest::newRow("Hopfield-Netz")
            << QStringList{beispiel("hopfield-7x7.net")} << true << QStringList{};
        QTest::newRow("ohne Datei")
            << QStringList{} << true
            << QStringList{"Der Selbsttest braucht genau eine Netzdatei, nicht 0 Angaben."};
        QTest::newRow("zwei Dateien")
            << QStringList{netz, netz} << true
            << QStringList{"Der Selbsttest braucht genau eine Netzdatei, nicht 2 Angaben."};
        QTest::newRow("Lernaufgabe statt Netz")
            << QStringList{beispiel("xor.lrn")} << true
            << QStringList{"Unerwartet gezeigt: Hinweis „Die übergebene Datei ist keine gültige "
                           "net-Datei!“",
                           "Das Netzfenster wurde nicht geöffnet."};
        QTest::newRow("Übersetzung aus Qts Ordner")
            << QStringList{netz} << false
            << QStringList{"Die deutsche Übersetzung der Qt-Texte liegt nicht beim Programm, "
                           "sondern unter /qt/translations/qtbase_de.qm."};
    }
    void pruefen() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, eigeneUebersetzung);
        SelbsttestDialoge dialoge;
        TMainForm f(argumente);
        f.FormActivate();
        const QString uebersetzung =
            eigeneUebersetzung ? uebersetzung_ : QStringLiteral("/qt/translations/qtbase_de.qm");
        QTEST(Selbsttest(f, argumente, uebersetzung, dialoge), "gruende");
    }

    // A damaged net: the error box that would wait for a click is recorded and reported.
    void beschaedigtesNetz() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("kaputt.net");
        QFile quelle(beispiel("xor-2-4-1.net"));
        QVERIFY(quelle.open(QIODevice::ReadOnly));
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(quelle.read(40)); // cut inside the connection matrix
        datei.close();
        SelbsttestDialoge dialoge;
        TMainForm f({pfad});
        f.FormActivate();
        const QStringList gruende = Selbsttest(f, {pfad}, uebersetzung_, dialoge);
        QVERIFY2(gruende.contains("Unerwartet gezeigt: Fehlermeldung „Datei beschädigt oder "
                                  "falsches Format“"),
                 qPrintable(gruende.join('\n')));
    }

    // Without German texts, the button's English text is the reason given.
    void englischerKnopf() {
        QApplication::removeTranslator(&uebersetzer_);
        SelbsttestDialoge dialoge;
        const QStringList netz{beispiel("xor-2-4-1.net")};
        TMainForm f(netz);
        f.FormActivate();
        const QStringList gruende = Selbsttest(f, netz, "", dialoge);
        QApplication::installTranslator(&uebersetzer_);
        QCOMPARE(gruende,
                 QStringList({"Die deutsche Übersetzung der Qt-Texte wurde nicht gefunden.",
                              "Der Knopf „Abbrechen“ von Qt heißt „Cancel“."}));
    }

  private:
    QTranslator uebersetzer_;
    QString uebersetzung_;
};

QTEST_MAIN(SelbsttestTest)
#include "selbsttest_test.moc"
