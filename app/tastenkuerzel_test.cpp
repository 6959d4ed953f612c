// The keyboard shortcuts of the main window: on the listed menu items only, named in the tool
// tips of the buttons of the same commands while the status panel keeps the plain hint, and
// pressed on the keyboard they start their command.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <memory>

#include "mainform.h"
#include "netzgrafform.h"
#include "testbedienung.h"
#include "testdialoge.h"

using namespace nervalo;

class TastenkuerzelTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { form_ = std::make_unique<TMainForm>(); }
    void cleanup() { form_.reset(); }

    void kuerzel_data() {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("taste");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("Neues Netz") << "NeuesNetz1"
                                    << "Ctrl+N"
                                    << "NetzBtn"
                                    << "Neues Netz";
        QTest::newRow("Netz öffnen") << "Netzffnen1"
                                     << "Ctrl+O"
                                     << "NetzLadenBtn"
                                     << "Netz öffnen";
        QTest::newRow("Netz speichern") << "Netzspeichernunter1"
                                        << "Ctrl+S"
                                        << "NetzSpeichernBtn"
                                        << "Netz speichern unter...";
        QTest::newRow("Beenden") << "Beenden1"
                                 << "Ctrl+Q"
                                 << ""
                                 << "";
        QTest::newRow("Tutorium") << "Inhalt1"
                                  << "F1"
                                  << ""
                                  << "";
        QTest::newRow("propagieren") << "Netzpropagieren1"
                                     << "F5"
                                     << "VorBtn"
                                     << "Netz propagieren";
        QTest::newRow("backpropagieren") << "Netzbackpropagieren1"
                                         << "F6"
                                         << "BackBtn"
                                         << "Backpropagation";
        QTest::newRow("rückgängig") << "Rueckgaengig1"
                                    << "Ctrl+Z"
                                    << ""
                                    << "";
        QTest::newRow("wiederholen") << "Wiederholen1"
                                     << "Ctrl+Y"
                                     << ""
                                     << "";
    }
    void kuerzel() {
        QFETCH(QString, eintrag);
        QFETCH(QString, taste);
        QFETCH(QString, knopf);
        QFETCH(QString, hinweis);
        const QKeySequence folge(taste, QKeySequence::PortableText);
        QCOMPARE(test::eintrag(*form_, eintrag.toLatin1().constData())->shortcut(), folge);
        if (knopf.isEmpty()) return;
        const QToolButton* k = test::knopf(*form_, knopf.toLatin1().constData());
        QCOMPARE(k->statusTip(), hinweis);
        QCOMPARE(k->toolTip(), hinweis + " (" + folge.toString(QKeySequence::NativeText) + ")");
        QVERIFY(k->shortcut().isEmpty()); // one owner per key: the menu item
    }

    // No other item has a shortcut, the deleting ones least of all; no key is taken twice.
    void sonstKeine() {
        int mitKuerzel = 0;
        for (const QAction* a : form_->findChildren<QAction*>()) {
            if (a->shortcut().isEmpty()) continue;
            ++mitKuerzel;
            QVERIFY2(!a->text().contains("löschen"), qPrintable(a->text()));
        }
        QCOMPARE(mitKuerzel, 9);
    }

    // Pressed in the active main window, a shortcut runs its command; a disabled command's
    // shortcut does nothing.
    void tastenLoesenAus() {
        TMainForm& f = *form_;
        test::TestDialoge dialoge;
        QUrl geoeffnet;
        f.UrlOeffnen = [&](const QUrl& url) {
            geoeffnet = url;
            return true;
        };
        f.FensterBreite = 400;
        f.FensterHoehe = 300;
        f.show();
        QApplication::setActiveWindow(&f);
        QCOMPARE(QApplication::activeWindow(), &f);

        QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier); // no net: disabled
        QVERIFY(dialoge.dateiDialoge.empty());
        QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(f.Netzfenster);
        QTest::keyClick(&f, Qt::Key_F1);
        QVERIFY(geoeffnet.toLocalFile().endsWith("tutorial/index.html"));
        dialoge.dateien = {std::nullopt};
        QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialoge.dateiDialoge.size(), std::size_t(1));
        QCOMPARE(dialoge.dateiDialoge[0].titel, std::string("Netz speichern"));
    }

  private:
    std::unique_ptr<TMainForm> form_;
};

QTEST_MAIN(TastenkuerzelTest)
#include "tastenkuerzel_test.moc"
