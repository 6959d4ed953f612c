// Windows on small screens: a frame that fits stays where it is, one that reaches beyond the
// available area moves in, and the two tool windows that can outgrow a screen (the task window of
// a 10-5-10 net, the pattern window of a 2 x 30 grid) shrink there and scroll. On a 1600 x 1000
// screen nothing changes.
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "aufgabenform.h"
#include "bildschirm.h"
#include "hopfieldform.h"

using namespace nervalo;

namespace {

struct LeereAufgabenUmgebung : AufgabenUmgebung {
    void Trainieren() override {}
    void AufgabenfensterGeschlossen() override {}
};

struct LeereHopfieldUmgebung : HopfieldUmgebung {
    void MusterMerken() override {}
    void MusterErkennen() override {}
    void HopfieldfensterGeschlossen() override {}
    void HopfieldfensterGeoeffnet() override {}
};

// The frame of a window as the tests count it: the window itself on the offscreen platform, whose
// frame margins are those of the window system.
QRect rahmen(const QWidget& w) {
    return w.frameGeometry();
}

QScrollArea* rollbereich(const QWidget& w) {
    return w.findChild<QScrollArea*>("Fensterinhalt");
}

} // namespace

class BildschirmTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { qApp->installEventFilter(&anpassung_); }
    void cleanup() {
        qApp->removeEventFilter(&anpassung_);
        SetzeVerfuegbarerBereich(std::nullopt);
    }

    void ort_data() {
        QTest::addColumn<QRect>("rahmen");
        QTest::addColumn<QRect>("bereich");
        QTest::addColumn<QPoint>("ort");
        const QRect bildschirm(0, 0, 1366, 728);
        QTest::newRow("passt") << QRect(100, 100, 400, 300) << bildschirm << QPoint(100, 100);
        QTest::newRow("genau am Rand")
            << QRect(966, 428, 400, 300) << bildschirm << QPoint(966, 428);
        QTest::newRow("rechts hinaus")
            << QRect(1000, 100, 400, 300) << bildschirm << QPoint(966, 100);
        QTest::newRow("unten hinaus") << QRect(10, 700, 400, 300) << bildschirm << QPoint(10, 428);
        QTest::newRow("links und oben hinaus")
            << QRect(-5, -20, 400, 300) << bildschirm << QPoint(0, 0);
        QTest::newRow("zu hoch") << QRect(10, 50, 400, 800) << bildschirm << QPoint(10, 0);
        QTest::newRow("zu breit") << QRect(300, 50, 1400, 300) << bildschirm << QPoint(0, 50);
        QTest::newRow("Bereich versetzt")
            << QRect(0, 0, 400, 300) << QRect(60, 30, 1306, 738) << QPoint(60, 30);
    }
    void ort() {
        QFETCH(QRect, rahmen);
        QFETCH(QRect, bereich);
        QFETCH(QPoint, ort);
        QCOMPARE(EingepassterOrt(rahmen, bereich), ort);
    }

    // The task window of a 10-5-10 net (20 data columns, 922 pixels wide) and the pattern window
    // of a 2 x 30 grid (759 pixels high): on a large screen as always, on the small ones moved in
    // and, where still too large, shrunk with a scroll bar.
    void werkzeugfenster_data() {
        QTest::addColumn<QRect>("bereich");
        QTest::addColumn<bool>("aufgaben"); // else the pattern window
        QTest::addColumn<QSize>("groesse"); // the window's client size afterwards
        QTest::addColumn<bool>("rollt");
        const QRect gross(0, 0, 1600, 1000), mittel(0, 0, 1366, 728), klein(0, 0, 1024, 738);
        QTest::newRow("Aufgaben 1600 x 1000") << gross << true << QSize(922, 379) << false;
        QTest::newRow("Aufgaben 1366 x 768") << mittel << true << QSize(922, 379) << false;
        QTest::newRow("Aufgaben 1024 x 768") << klein << true << QSize(922, 379) << false;
        QTest::newRow("Aufgaben 800 x 600") << QRect(0, 0, 800, 600) << true << QSize() << true;
        QTest::newRow("Muster 1600 x 1000") << gross << false << QSize(264, 759) << false;
        QTest::newRow("Muster 1366 x 768") << mittel << false << QSize() << true;
        QTest::newRow("Muster 1024 x 768") << klein << false << QSize() << true;
    }
    void werkzeugfenster() {
        QFETCH(QRect, bereich);
        QFETCH(bool, aufgaben);
        QFETCH(QSize, groesse);
        QFETCH(bool, rollt);
        SetzeVerfuegbarerBereich(bereich);
        QWidget haupt;
        haupt.setGeometry(bereich);
        haupt.show();
        LeereAufgabenUmgebung au;
        LeereHopfieldUmgebung hu;
        std::unique_ptr<QWidget> fenster;
        QSize inhalt;
        if (aufgaben) {
            auto* f = new TAufgabenForm(au, &haupt);
            f->Spaltenzahl = 20;
            f->FensterAnpassen();
            inhalt = QSize(922, 379);
            fenster.reset(f);
        } else {
            auto* f = new THopfieldForm(hu, &haupt);
            f->Auslegen(2, 30);
            f->show();
            QCoreApplication::processEvents(); // what the window does once it is shown
            inhalt = QSize(264, 759);
            fenster.reset(f);
        }
        QVERIFY(bereich.contains(rahmen(*fenster)));
        if (bereich.width() == 1600) {
            // Where the window's own rule puts it: the task window centred at its first size
            // (252 x 379) and grown to the right, the pattern window centred as laid out.
            const QPoint mitte = bereich.center();
            if (aufgaben)
                QCOMPARE(fenster->pos(), mitte - QRect(0, 0, 252, 379).center());
            else
                QVERIFY((rahmen(*fenster).center() - mitte).manhattanLength() <= 1);
        }
        if (!groesse.isEmpty()) QCOMPARE(fenster->size(), groesse);
        QScrollArea* r = rollbereich(*fenster);
        QVERIFY(r);
        QCOMPARE(r->widget()->size(), inhalt); // the content keeps its layout
        const bool rollbalken =
            r->verticalScrollBar()->isVisible() || r->horizontalScrollBar()->isVisible();
        QCOMPARE(rollbalken, rollt);
        if (rollt) {
            // Everything can be scrolled into view.
            QScrollBar* b = inhalt.height() > fenster->height() ? r->verticalScrollBar()
                                                                : r->horizontalScrollBar();
            QVERIFY(b->maximum() > 0);
        }
    }

    // A window the user may size (the Hopfield analysis, 600 x 640) is shrunk to the area where it
    // is larger, never below its least size, and then moved in.
    void veraenderlichesFenster_data() {
        QTest::addColumn<QRect>("vorher"); // the client area
        QTest::addColumn<QSize>("mindestens");
        QTest::addColumn<QRect>("nachher"); // the frame (2 pixels around the client area)
        const QRect a(600, 60, 600, 640);
        QTest::newRow("passt") << QRect(400, 100, 600, 480) << QSize() << QRect(398, 98, 604, 484);
        QTest::newRow("zu hoch") << a << QSize() << QRect(420, 0, 604, 600);
        QTest::newRow("nicht unter die kleinste Größe")
            << a << QSize(300, 620) << QRect(420, 0, 604, 624);
        QTest::newRow("zu breit und zu hoch")
            << QRect(0, 0, 1200, 700) << QSize(100, 100) << QRect(0, 0, 1024, 600);
    }
    void veraenderlichesFenster() {
        QFETCH(QRect, vorher);
        QFETCH(QSize, mindestens);
        QFETCH(QRect, nachher);
        SetzeVerfuegbarerBereich(QRect(0, 0, 1024, 600));
        QWidget fenster(nullptr, Qt::Tool);
        if (mindestens.isValid()) fenster.setMinimumSize(mindestens);
        fenster.setGeometry(vorher);
        fenster.show();
        QCOMPARE(rahmen(fenster), nachher);
    }

  private:
    Bildschirmanpassung anpassung_;
};

QTEST_MAIN(BildschirmTest)
#include "bildschirm_test.moc"
