// The Hopfield pattern window with a fake main window, driven by real mouse events and clicks.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "bildschirm.h"
#include "fehler.h"
#include "hopfieldform.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

// The main window as the pattern window sees it. Its recall loop runs like the real one: pass
// after pass, processing events in between, until the window's Abbruch is set. Each pass first
// runs proPass with the number of passes of all loops so far, which lets a test click or close
// meanwhile.
class FakeUmgebung : public HopfieldUmgebung {
  public:
    QPointer<THopfieldForm> form;
    QStringList aufrufe;
    bool merkenScheitert = false;
    bool erkennenScheitert = false;
    std::function<void(int)> proPass;
    int durchlaeufe = 0;
    bool formImmerDa = true; // the window existed at every stop test

    void MusterMerken() override {
        aufrufe << "MusterMerken";
        if (merkenScheitert) throw Fehler("Gleitkommaüberlauf");
    }
    void MusterErkennen() override {
        aufrufe << "MusterErkennen";
        if (erkennenScheitert) throw Fehler("Gleitkommadivision durch Null");
        for (;;) {
            formImmerDa = formImmerDa && !form.isNull();
            if (!form || form->Abbruch) break;
            ++durchlaeufe;
            if (proPass) proPass(durchlaeufe);
            // The wait between passes runs a nested event loop, which also carries out
            // deletions that were deferred to it; one round of one does the same.
            QEventLoop warten;
            QTimer::singleShot(0, &warten, &QEventLoop::quit);
            warten.exec();
        }
        aufrufe << "Ende";
    }
    void HopfieldfensterGeschlossen() override { aufrufe << "Geschlossen"; }
    void HopfieldfensterGeoeffnet() override { aufrufe << "Geoeffnet"; }
};

// Records the hints that reach the main window.
class Hauptfenster : public QWidget {
  public:
    QStringList hinweise;

  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::StatusTip) {
            hinweise << static_cast<QStatusTipEvent*>(e)->tip();
            return true;
        }
        return QWidget::event(e);
    }
};

const QString Kritisch = QStringLiteral("Anzahl der Muster kritisch!");

int cursorX(QLineEdit* f) {
    f->grab(); // painting lays the text out and scrolls it to the cursor
    return f->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

// True when the field shows its whole text: with the cursor at the end the text has not been
// scrolled to the left, so the cursor stands one text width right of where it stands at the
// start.
bool ganzSichtbar(QLineEdit* f) {
    f->setCursorPosition(0);
    const int anfang = cursorX(f);
    f->end(false);
    const int ende = cursorX(f);
    return ende - anfang == f->fontMetrics().horizontalAdvance(f->text()) && ende < f->width();
}

} // namespace

class HopfieldformTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeUmgebung> umgebung;
    std::unique_ptr<test::Rekorder> rekorder;
    QPointer<THopfieldForm> form;

    TMusterGitter* gitter() { return form->StringGrid1; }
    QPoint mitte(int c, int r) { return gitter()->ZellRechteck(c, r).center(); }
    void neu(int h, int v) {
        form = new THopfieldForm(*umgebung);
        umgebung->form = form;
        form->Auslegen(h, v);
        form->show();
        QCoreApplication::processEvents(); // the window system shows and activates it
        QVERIFY(form->windowHandle()->isExposed());
        umgebung->aufrufe.clear(); // the activation of the window
    }
    QStringList alleZellen() {
        QStringList z;
        for (int c = 0; c < form->Spalten(); ++c)
            for (int r = 0; r < form->Zeilen(); ++r)
                z << QString::fromStdString(form->Zelle(c, r));
        return z;
    }
    // Runs f from the event loop as soon as the recall processes events.
    void spaeter(std::function<void()> f) { QTimer::singleShot(0, form, f); }

  private slots:
    void init() {
        umgebung = std::make_unique<FakeUmgebung>();
        rekorder = std::make_unique<test::Rekorder>();
    }
    void cleanup() {
        delete form;
        umgebung.reset();
        rekorder.reset();
    }

    // Presses at points of a 7 x 7 grid (150 x 156): cells at a pitch of 21 inside a 1-pixel
    // frame; what is left right of and below the cells belongs to no cell.
    void zelleUmschalten_data() {
        QTest::addColumn<QList<QPoint>>("druecke");
        QTest::addColumn<QList<Qt::MouseButton>>("tasten");
        QTest::addColumn<QString>("zelle22");
        QTest::addColumn<int>("geaendert");
        const QPoint z22(1 + 2 * 21 + 10, 1 + 2 * 21 + 10);
        QTest::newRow("einmal links") << QList<QPoint>{z22} << QList{Qt::LeftButton} << "u" << 1;
        QTest::newRow("zweimal links")
            << QList<QPoint>{z22, z22} << QList{Qt::LeftButton, Qt::LeftButton} << "" << 0;
        QTest::newRow("rechte Taste") << QList<QPoint>{z22} << QList{Qt::RightButton} << "u" << 1;
        QTest::newRow("Gitterlinie rechts gehört zur Zelle")
            << QList<QPoint>{{1 + 3 * 21 - 1, z22.y()}} << QList{Qt::LeftButton} << "u" << 1;
        QTest::newRow("Rahmen") << QList<QPoint>{{0, z22.y()}} << QList{Qt::LeftButton} << "" << 0;
        QTest::newRow("unter der letzten Zeile")
            << QList<QPoint>{{z22.x(), 1 + 7 * 21 + 2}} << QList{Qt::LeftButton} << "" << 0;
        QTest::newRow("rechts der letzten Spalte")
            << QList<QPoint>{{1 + 7 * 21, z22.y()}} << QList{Qt::LeftButton} << "" << 0;
    }
    void zelleUmschalten() {
        QFETCH(QList<QPoint>, druecke);
        QFETCH(QList<Qt::MouseButton>, tasten);
        QFETCH(QString, zelle22);
        QFETCH(int, geaendert);
        neu(7, 7);
        for (qsizetype i = 0; i < druecke.size(); ++i)
            QTest::mouseClick(gitter(), tasten[i], {}, druecke[i], 300);
        QCOMPARE(QString::fromStdString(form->Zelle(2, 2)), zelle22);
        QCOMPARE(alleZellen().count(QStringLiteral("u")), geaendert);
        QVERIFY(umgebung->aufrufe.filter(QStringLiteral("Muster")).isEmpty());
    }

    // Clicks that come in through the window system, as a user's do: there the second press of a
    // quick double click reaches the grid as a double click event and not as a press. Every
    // press, that one included, toggles the cell under the pointer.
    void klicksUeberDasFenster_data() {
        QTest::addColumn<bool>("vorherGesetzt");
        QTest::addColumn<QList<bool>>("klicks"); // true: a double click, false: a single click
        QTest::addColumn<Qt::MouseButton>("taste");
        QTest::addColumn<QString>("danach");
        QTest::newRow("ein Klick") << false << QList{false} << Qt::LeftButton << "u";
        QTest::newRow("ein Klick auf gesetzte Zelle")
            << true << QList{false} << Qt::LeftButton << "";
        QTest::newRow("Doppelklick auf leere Zelle")
            << false << QList{true} << Qt::LeftButton << "";
        QTest::newRow("Doppelklick auf gesetzte Zelle")
            << true << QList{true} << Qt::LeftButton << "u";
        QTest::newRow("Doppelklick rechts") << false << QList{true} << Qt::RightButton << "";
        QTest::newRow("zwei langsame Klicks")
            << false << QList{false, false} << Qt::LeftButton << "";
        QTest::newRow("Doppelklick, dann ein Klick")
            << false << QList{true, false} << Qt::LeftButton << "u";
    }
    void klicksUeberDasFenster() {
        QFETCH(bool, vorherGesetzt);
        QFETCH(QList<bool>, klicks);
        QFETCH(Qt::MouseButton, taste);
        QFETCH(QString, danach);
        neu(7, 7);
        if (vorherGesetzt) form->SetzeZelle(4, 1, "u");
        QWindow* fenster = form->windowHandle();
        QVERIFY(fenster);
        const QPoint p = fenster->mapFromGlobal(gitter()->mapToGlobal(mitte(4, 1)));
        // The window overloads leave more than the double click interval after each release.
        for (bool doppelt : klicks) {
            if (doppelt)
                QTest::mouseDClick(fenster, taste, {}, p);
            else
                QTest::mouseClick(fenster, taste, {}, p);
        }
        QCOMPARE(QString::fromStdString(form->Zelle(4, 1)), danach);
        QCOMPARE(alleZellen().count(QStringLiteral("u")), danach.isEmpty() ? 0 : 1);
    }

    void loeschen_data() {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("v");
        QTest::newRow("7 x 7") << 7 << 7;
        QTest::newRow("2 x 30") << 2 << 30;
        QTest::newRow("60 x 1") << 60 << 1;
    }
    void loeschen() {
        QFETCH(int, h);
        QFETCH(int, v);
        neu(h, v);
        for (int c = 0; c < h; ++c)
            for (int r = 0; r < v; ++r)
                form->SetzeZelle(c, r, (c + r) % 3 ? "u" : "x");
        form->Hintpanel->setText(Kritisch);
        QTest::mouseClick(form->LoescheBtn, Qt::LeftButton);
        QCOMPARE(alleZellen(), QStringList(h * v, QString()));
        QCOMPARE(form->Hintpanel->text(), Kritisch); // "C" does not take the warning back
        QCOMPARE(form->MusternummerEdit->text(), QStringLiteral("0"));
        QVERIFY(umgebung->aufrufe.isEmpty()); // the net is not touched
    }

    // m = the count after "!"; the warning appears once m > 0.14 N - 1 and stays.
    void kritischeAnzahl_data() {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("ersteKritische");
        QTest::newRow("49: Grenze 5,86") << 7 << 7 << 6;
        QTest::newRow("25: Grenze 2,5") << 5 << 5 << 3;
        QTest::newRow("36: Grenze 4,04") << 6 << 6 << 5;
        QTest::newRow("60: Grenze 7,4") << 6 << 10 << 8;
        QTest::newRow("50: Grenze genau 6") << 5 << 10 << 7;
        QTest::newRow("1: Grenze -0,86") << 1 << 1 << 1;
    }
    void kritischeAnzahl() {
        QFETCH(int, h);
        QFETCH(int, v);
        QFETCH(int, ersteKritische);
        neu(h, v);
        for (int m = 1; m < ersteKritische; ++m) {
            QTest::mouseClick(form->MerkeBtn, Qt::LeftButton);
            QCOMPARE(form->MusternummerEdit->Number(), m);
            QCOMPARE(form->Hintpanel->text(), QString());
        }
        QTest::mouseClick(form->MerkeBtn, Qt::LeftButton);
        QCOMPARE(form->Hintpanel->text(), Kritisch);
        QTest::mouseClick(form->MerkeBtn, Qt::LeftButton);
        QCOMPARE(form->Hintpanel->text(), Kritisch);
        QCOMPARE(form->MusternummerEdit->Number(), ersteKritische + 1);
        QCOMPARE(umgebung->aufrufe,
                 QStringList(ersteKritische + 1, QStringLiteral("MusterMerken")));
    }

    // The count is whatever the field holds: a lower one does not take the warning back, and
    // one typed at the top of the range stays there instead of turning negative.
    void getippterZaehler() {
        neu(5, 5);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(form->MerkeBtn, Qt::LeftButton);
        QCOMPARE(form->Hintpanel->text(), Kritisch);
        for (auto [getippt, danach] : {std::pair{"0", "1"}, {"2147483647", "2147483647"}}) {
            form->MusternummerEdit->clear();
            QTest::keyClicks(form->MusternummerEdit, getippt);
            QTest::mouseClick(form->MerkeBtn, Qt::LeftButton);
            QCOMPARE(form->MusternummerEdit->text(), QString::fromLatin1(danach));
            QCOMPARE(form->Hintpanel->text(), Kritisch);
        }
    }

    // A failing store is reported and not counted; after a failing recall the window is not
    // taken for looping any more and goes when closed.
    void fehlerDerUmgebung() {
        neu(7, 7);
        umgebung->merkenScheitert = true;
        umgebung->erkennenScheitert = true;
        QTest::mouseClick(form->MerkeBtn, Qt::LeftButton);
        QCOMPARE(form->MusternummerEdit->text(), QStringLiteral("0"));
        QTest::mouseClick(form->ErkennenBtn, Qt::LeftButton);
        QVERIFY(!form->LaeuftSchleife());
        QCOMPARE(rekorder->liste,
                 std::vector<test::Meldung>(
                     {{'F', "Gleitkommaüberlauf"}, {'F', "Gleitkommadivision durch Null"}}));
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    // Grid (20 h + 10) x (21 v + 9); label 10 right of the grid, field 5 right of the label;
    // client area max(grid width + 176, 264) x (max(grid height + 90, 130) + 30), fixed. Every
    // cell lies inside the grid.
    void auslegen_data() {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("v");
        QTest::addColumn<QSize>("gitterGroesse");
        QTest::addColumn<QSize>("fenster");
        QTest::newRow("7 x 7") << 7 << 7 << QSize(150, 156) << QSize(326, 276);
        QTest::newRow("1 x 1") << 1 << 1 << QSize(30, 30) << QSize(264, 160);
        QTest::newRow("6 x 10") << 6 << 10 << QSize(130, 219) << QSize(306, 339);
        QTest::newRow("10 x 6") << 10 << 6 << QSize(210, 135) << QSize(386, 255);
        QTest::newRow("60 x 1") << 60 << 1 << QSize(1210, 30) << QSize(1386, 160);
        QTest::newRow("1 x 60") << 1 << 60 << QSize(30, 1269) << QSize(264, 1389);
    }
    void auslegen() {
        QFETCH(int, h);
        QFETCH(int, v);
        QFETCH(QSize, gitterGroesse);
        QFETCH(QSize, fenster);
        neu(h, v);
        QCOMPARE(form->Spalten(), h);
        QCOMPARE(form->Zeilen(), v);
        QCOMPARE(gitter()->size(), gitterGroesse);
        QCOMPARE(gitter()->minimumWidth(), gitterGroesse.width());
        QCOMPARE(gitter()->maximumWidth(), gitterGroesse.width());
        const int lblLinks = 10 + gitterGroesse.width() + 10;
        QCOMPARE(form->MusternummerLbl->geometry(), QRect(lblLinks, 42, 77, 32));
        QCOMPARE(form->MusternummerEdit->geometry(), QRect(lblLinks + 77 + 5, 48, 49, 24));
        QCOMPARE(form->Panel1->parentWidget()->size(), fenster); // the laid-out content
        const QSize bereich = VerfuegbarerBereich(*form).size();
        if (fenster.width() <= bereich.width() && fenster.height() <= bereich.height()) {
            QCOMPARE(form->minimumSize(), fenster);
            QCOMPARE(form->maximumSize(), fenster);
            QCOMPARE(form->size(), fenster);
        } else {
            // Larger than the screen (1 x 60 on the tests' 1600 x 1000): shrunk to it, fixed,
            // and the content scrolls.
            QVERIFY(form->width() <= bereich.width() && form->height() <= bereich.height());
            QCOMPARE(form->minimumSize(), form->maximumSize());
        }
        QCOMPARE(form->Hintpanel->geometry(), QRect(0, fenster.height() - 25, fenster.width(), 25));
        QCOMPARE(form->Panel1->geometry(), QRect(0, 0, fenster.width(), 33));
        const QRect innen = gitter()->rect().adjusted(1, 1, -1, -1);
        QVERIFY(innen.contains(gitter()->ZellRechteck(h - 1, v - 1)));
        // The last cell answers a press at its centre.
        QTest::mouseClick(gitter(), Qt::LeftButton, {}, mitte(h - 1, v - 1));
        QCOMPARE(form->Zelle(h - 1, v - 1), std::string("u"));
    }

    // The pass counter shows at least five digits whole where it stood; "Stop" moves right,
    // 5 pixels from it as before, and stays inside the narrowest window.
    void zaehlerGanzSichtbar_data() {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("zahl");
        QTest::newRow("0") << 1 << 0;
        QTest::newRow("123") << 7 << 123;
        QTest::newRow("12345") << 1 << 12345;
        QTest::newRow("99999") << 7 << 99999;
    }
    void zaehlerGanzSichtbar() {
        QFETCH(int, h);
        QFETCH(int, zahl);
        neu(h, 7);
        TIntEdit* f = form->IntEdit1;
        f->SetzeNumber(zahl);
        QVERIFY2(ganzSichtbar(f), qPrintable(f->text()));
        QCOMPARE(f->pos(), QPoint(168, 5));
        QCOMPARE(f->height(), 24);
        const QRect stop = form->StopBtn->geometry();
        QCOMPARE(stop.size(), QSize(41, 25));
        QCOMPARE(stop.top(), 4);
        QCOMPARE(stop.left(), f->geometry().right() + 6); // 5 pixels apart, as before
        QVERIFY(form->Panel1->contentsRect().contains(stop));
    }

    // Activation asks for an outer size of 190 x 240 until the size is fixed.
    void aktivieren() {
        form = new THopfieldForm(*umgebung);
        form->FormActivate();
        QCOMPARE(form->frameGeometry().size(), QSize(190, 240));
        form->Auslegen(7, 7);
        form->FormActivate();
        QCOMPARE(form->size(), QSize(326, 276));
        QCOMPARE(umgebung->aufrufe, QStringList({"Geoeffnet", "Geoeffnet"}));
        form->show();
        form->activateWindow();
        QCoreApplication::processEvents();
        QVERIFY(form->isActiveWindow());
        QCOMPARE(umgebung->aufrufe.size(), 3);
        QCOMPARE(form->size(), QSize(326, 276));
    }

    void hinweisGehtZumHauptfenster() {
        Hauptfenster haupt;
        form = new THopfieldForm(*umgebung, &haupt);
        QStatusTipEvent tipp(form->MerkeBtn->statusTip());
        QCoreApplication::sendEvent(form->MerkeBtn, &tipp);
        QCOMPARE(haupt.hinweise, QStringList({QStringLiteral("Muster einprägen")}));
        QCOMPARE(form->Hintpanel->text(), QString());
        delete form;
    }

    void schliessenOhneSchleife() {
        neu(7, 7);
        QVERIFY(form->close());
        QVERIFY(form->Abbruch);
        QCOMPARE(umgebung->aufrufe, QStringList({"Geschlossen"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    // "?" clears a leftover stop request and loops until "Stop" or closing; a second "?" during
    // a recall runs inside the first, and one stop request ends both. A closed window stays
    // valid until the outermost loop has returned and goes afterwards; "Stop" does not close.
    void schleifeBeenden_data() {
        QTest::addColumn<bool>("verschachtelt");
        QTest::addColumn<bool>("schliessen");
        QTest::newRow("Stop") << false << false;
        QTest::newRow("Stop, zwei Schleifen") << true << false;
        QTest::newRow("Schließen") << false << true;
        QTest::newRow("Schließen, zwei Schleifen") << true << true;
    }
    void schleifeBeenden() {
        QFETCH(bool, verschachtelt);
        QFETCH(bool, schliessen);
        neu(7, 7);
        form->Abbruch = true;
        umgebung->proPass = [&](int pass) {
            QVERIFY(form->LaeuftSchleife());
            if (verschachtelt && pass == 2)
                spaeter([&] { QTest::mouseClick(form->ErkennenBtn, Qt::LeftButton); });
            if (pass == 5)
                spaeter([&] {
                    if (schliessen)
                        form->close();
                    else
                        QTest::mouseClick(form->StopBtn, Qt::LeftButton);
                });
        };
        QTest::mouseClick(form->ErkennenBtn, Qt::LeftButton);
        QCOMPARE(umgebung->durchlaeufe, 5);
        QStringList aufrufe = {"MusterErkennen", "Ende"};
        if (verschachtelt)
            aufrufe = QStringList{"MusterErkennen", "MusterErkennen", "Ende", "Ende"};
        if (schliessen) aufrufe.insert(aufrufe.size() / 2, "Geschlossen");
        QCOMPARE(umgebung->aufrufe, aufrufe);
        QVERIFY(umgebung->formImmerDa);
        QVERIFY(!form.isNull());
        QVERIFY(!form->LaeuftSchleife());
        QCOMPARE(form->isHidden(), schliessen);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(form.isNull(), schliessen);
    }

    // An on cell shows a black mark, an off cell is white, and switching off repaints it.
    void anUndAusSehenVerschiedenAus() {
        neu(7, 7);
        const QRect an = gitter()->ZellRechteck(3, 4);
        const QRect aus = gitter()->ZellRechteck(4, 4);
        QTest::mouseClick(gitter(), Qt::LeftButton, {}, an.center());
        QImage bild = gitter()->grab().toImage();
        QCOMPARE(bild.pixelColor(an.center()), QColor(Qt::black));
        QCOMPARE(bild.pixelColor(aus.center()), QColor(Qt::white));
        QVERIFY(bild.copy(an) != bild.copy(aus));
        QTest::mouseClick(gitter(), Qt::LeftButton, {}, an.center(), 300);
        bild = gitter()->grab().toImage();
        QCOMPARE(bild.copy(an), bild.copy(aus));
    }
};

QTEST_MAIN(HopfieldformTest)
#include "hopfieldform_test.moc"
