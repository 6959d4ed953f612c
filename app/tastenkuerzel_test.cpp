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

    // Each listed item has its key; a tool button of the same command names the key in its tool
    // tip but does not own it.
    void kuerzel() {
        const struct {
            const char *eintrag, *taste, *knopf, *hinweis;
        } faelle[] = {
            {"NeuesNetz1", "Ctrl+N", "NetzBtn", "Neues Netz"},
            {"Netzffnen1", "Ctrl+O", "NetzLadenBtn", "Netz öffnen"},
            {"Netzspeichernunter1", "Ctrl+S", "NetzSpeichernBtn", "Netz speichern unter..."},
            {"Beenden1", "Ctrl+Q", nullptr, nullptr},
            {"Inhalt1", "F1", nullptr, nullptr},
            {"Netzpropagieren1", "F5", "VorBtn", "Netz propagieren"},
            {"Netzbackpropagieren1", "F6", "BackBtn", "Backpropagation"},
            {"Rueckgaengig1", "Ctrl+Z", nullptr, nullptr},
            {"Wiederholen1", "Ctrl+Y", nullptr, nullptr},
        };
        for (const auto& f : faelle) {
            const QKeySequence folge(f.taste, QKeySequence::PortableText);
            QCOMPARE(test::eintrag(*form_, f.eintrag)->shortcut(), folge);
            if (!f.knopf) continue;
            const QToolButton* k = test::knopf(*form_, f.knopf);
            const QString hinweis = QString::fromUtf8(f.hinweis);
            QCOMPARE(k->statusTip(), hinweis);
            QCOMPARE(k->toolTip(), hinweis + " (" + folge.toString(QKeySequence::NativeText) + ")");
            QVERIFY(k->shortcut().isEmpty()); // one owner per key: the menu item
        }
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
