// The save dialog refuses a name in a missing folder while it is open, and takes every other.
#include <QComboBox>
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

    // With several filters the name without an extension gets the chosen filter's.
    void endungNachFilter_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");
        QTest::newRow("erster") << 0 << "bild"
                                << "bild.png";
        QTest::newRow("zweiter") << 1 << "bild"
                                 << "bild.svg";
        QTest::newRow("zurück zum ersten") << -1 << "bild"
                                           << "bild.png";
        QTest::newRow("eigene Endung") << 1 << "bild.png"
                                       << "bild.png";
    }
    void endungNachFilter() {
        QFETCH(int, filter);
        QFETCH(QString, name);
        QFETCH(QString, datei);
        QTemporaryDir dir;
        test::TestDialoge dialoge;
        SpeicherDialog dlg(
            nullptr, {"Bild speichern", "PNG (*.png)|*.png|SVG (*.svg)|*.svg", "png", false, true});
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        dlg.setDirectory(dir.path());
        dlg.show();
        // The user picks the filter in the dialog's list (-1: the second, then the first again).
        auto* liste = dlg.findChild<QComboBox*>("fileTypeCombo");
        QVERIFY(liste);
        for (int i : filter < 0 ? QList<int>{1, 0} : QList<int>{filter}) {
            liste->setCurrentIndex(i);
            emit liste->activated(i);
            emit liste->textActivated(liste->itemText(i));
        }
        dlg.selectFile(name);
        dlg.accept();
        QCOMPARE(dlg.GewaehlterFilter(), std::max(filter, 0));
        QCOMPARE(QFileInfo(dlg.selectedFiles().first()).fileName(), datei);
    }
};

QTEST_MAIN(SpeicherDialogTest)
#include "speicherdialog_test.moc"
