// The save dialog refuses a name in a missing folder while it is open, and takes every other.
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "speicherdialog.h"
#include "testdialoge.h"

using namespace nervalo;

class SpeicherDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void ordnerMussExistieren_data() {
        QTest::addColumn<QString>("name");        // typed, relative to a fresh folder
        QTest::addColumn<bool>("mussExistieren"); // the dialog's option
        QTest::addColumn<QString>("ordnerFehlt"); // the refused folder; empty: accepted
        QTest::newRow("vorhandener Ordner") << "x.net" << true << "";
        QTest::newRow("ohne Endung") << "x" << true << "";
        QTest::newRow("fehlender Ordner") << "fehlt/x.net" << true << "fehlt";
        QTest::newRow("fehlender Ordner, ohne Endung") << "fehlt/x" << true << "fehlt";
        QTest::newRow("zwei fehlende Ordner") << "a/b/x.net" << true << "a/b";
        QTest::newRow("Ordner ist eine Datei") << "datei.txt/x.net" << true << "datei.txt";
        QTest::newRow("Option aus") << "fehlt/x.net" << false << "";
    }
    void ordnerMussExistieren() {
        QFETCH(QString, name);
        QFETCH(bool, mussExistieren);
        QFETCH(QString, ordnerFehlt);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile datei(dir.filePath("datei.txt"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        test::TestDialoge dialoge;
        DateiDialog art{"Netz speichern", "Netz (*.net)|*.net", "net", false, true};
        art.ordnerMussExistieren = mussExistieren;
        SpeicherDialog dlg(nullptr, art);
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        dlg.setDirectory(dir.path());
        dlg.show();
        dlg.selectFile(name);
        QSignalSpy angenommen(&dlg, &QDialog::accepted);
        dlg.accept(); // the "Speichern" button

        if (ordnerFehlt.isEmpty()) {
            QCOMPARE(angenommen.size(), 1);
            QVERIFY(!dlg.isVisible());
            QVERIFY(dialoge.liste.empty());
            QVERIFY(dlg.selectedFiles().first().endsWith(".net"));
        } else {
            const std::string text =
                "Der Ordner " + QDir::toNativeSeparators(dir.filePath(ordnerFehlt)).toStdString() +
                " existiert nicht.";
            QCOMPARE(angenommen.size(), 0);
            QVERIFY(dlg.isVisible());
            QVERIFY((dialoge.liste == std::vector<test::Meldung>{{'F', text}}));
        }
    }
};

QTEST_MAIN(SpeicherDialogTest)
#include "speicherdialog_test.moc"
