// The learning task window with a fake main window, driven by real mouse and key events.
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "aufgabendatei.h"
#include "aufgabenform.h"
#include "aufgabenumgebung.h"
#include "befehl.h"
#include "fehler.h"
#include "testhilfe.h"
#include "testuhr.h"

using namespace nervalo;

namespace {

// The main window as the task window sees it: a training step records the row, counts itself
// in IterationenEdit, runs what the test wants done in this step and processes events.
class FakeUmgebung : public AufgabenUmgebung {
  public:
    QPointer<TAufgabenForm> form;
    std::function<void(int)> beiSchritt; // called with the step's number, from 1
    bool ereignisse = true;              // process events at the end of a step
    int schritte = 0;
    int geschlossen = 0;
    std::vector<int> aufgaben; // AktuelleAufgabe of every step

    void Trainieren() override {
        ++schritte;
        aufgaben.push_back(form->AktuelleAufgabe);
        form->IterationenEdit->SetzeNumber(form->IterationenEdit->Number() + 1);
        if (beiSchritt) beiSchritt(schritte);
        if (schritte >= 5000 && form) form->Abbruch = true; // a test that never stops
        if (ereignisse) QCoreApplication::processEvents();
    }
    void AufgabenfensterGeschlossen() override { ++geschlossen; }
};

std::string datei(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QLatin1String(name)).toStdString();
}

void schreibe(const std::string& pfad, const std::string& bytes) {
    QFile f(QString::fromStdString(pfad));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string lies(const std::string& pfad) {
    QFile f(QString::fromStdString(pfad));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

const std::vector<float> Beispiel = {0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 1, 0};

} // namespace

class AufgabenformTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestUhr> uhr;
    std::unique_ptr<QWidget> haupt;
    std::unique_ptr<FakeUmgebung> umgebung;
    std::unique_ptr<test::Rekorder> rekorder;
    QPointer<TAufgabenForm> form;
    QTemporaryDir ordner;

    // As the main window builds the table: columns, headers N0, N1, ..., then FormActivate.
    void einrichten(int spalten) {
        form->SetzeSpaltenzahlDerTabelle(spalten + 1);
        for (int c = 1; c <= spalten; ++c)
            form->SetzeZelle(c, 0, "N" + std::to_string(c - 1));
        form->Spaltenzahl = spalten;
        form->FormActivate();
    }
    QStringList zeilenkoepfe() const {
        QStringList k;
        for (int r = 0; r < form->ZeilenzahlDerTabelle(); ++r)
            k << QString::fromStdString(form->Zelle(0, r));
        return k;
    }
    QStringList spalte(int c) const {
        QStringList k;
        for (int r = 1; r < form->ZeilenzahlDerTabelle(); ++r)
            k << QString::fromStdString(form->Zelle(c, r));
        return k;
    }
    void fuelle(const QStringList& zellen) { // column by column
        int i = 0;
        for (int c = 1; c <= form->Spaltenzahl; ++c)
            for (int r = 1; r < form->ZeilenzahlDerTabelle(); ++r)
                form->SetzeZelle(c, r, zellen.value(i++).toStdString());
    }
    QStringList meldungen() const {
        QStringList m;
        for (const auto& x : rekorder->liste)
            m << QString(QChar::fromLatin1(x.art)) + QString::fromStdString(x.text);
        return m;
    }
    // The cell editor that is open (closed ones may wait for their deletion).
    QLineEdit* editor() const {
        for (QLineEdit* e : form->StringGrid1->findChildren<QLineEdit*>())
            if (e->isVisible()) return e;
        return nullptr;
    }
    void klicke(QAbstractButton* knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }

  private slots:
    void init() {
        uhr = std::make_unique<test::TestUhr>();
        rekorder = std::make_unique<test::Rekorder>();
        haupt = std::make_unique<QWidget>();
        umgebung = std::make_unique<FakeUmgebung>();
        form = new TAufgabenForm(*umgebung, haupt.get());
        umgebung->form = form;
        QCoreApplication::processEvents(); // the window system shows it
        QVERIFY(form->windowHandle()->isExposed());
    }
    void cleanup() {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        haupt.reset();
        umgebung.reset();
        rekorder.reset();
        uhr.reset();
    }

    void neuesFenster() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Lernaufgaben"));
        QVERIFY(form->isVisible());
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form->size(), QSize(252, 379));
        QCOMPARE(form->SpinEdit1->value(), 2);
        QCOMPARE(form->Trainierebtn->text(), QStringLiteral("A1"));
        QCOMPARE(form->IterationenEdit->Number(), 0);
        // Every label shows its whole text left of the field beside it.
        const std::pair<QLabel*, QWidget*> paare[] = {{form->Label1, form->SpinEdit1},
                                                      {form->Label3, form->Trainierebtn}};
        for (auto [l, feld] : paare) {
            QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
            QVERIFY2(l->geometry().right() < feld->x(), qPrintable(l->text()));
        }
    }

    // Columns, rows and widths for a 2-in/1-out and a 10-in/10-out net; the window never
    // shrinks when the table gets narrower again.
    void layout() {
        einrichten(3);
        QCOMPARE(form->SpaltenzahlDerTabelle(), 4);
        QCOMPARE(form->ZeilenzahlDerTabelle(), 3);
        QCOMPARE(zeilenkoepfe(), QStringList({"", "A1", "A2"}));
        QCOMPARE(form->Zelle(2, 0), std::string("N1"));
        QCOMPARE(form->StringGrid1->width(), 184);
        QCOMPARE(form->width(), 252);
        QCOMPARE(form->StringGrid1->horizontalHeader()->defaultSectionSize(), 40);

        einrichten(20);
        QCOMPARE(form->SpaltenzahlDerTabelle(), 21);
        QCOMPARE(form->StringGrid1->width(), 881);
        QCOMPARE(form->width(), 922);

        einrichten(3);
        QCOMPARE(form->StringGrid1->width(), 184);
        QCOMPARE(form->width(), 922);
        QCOMPARE(form->height(), 379);
    }

    void aufgabenzahlAendern() {
        einrichten(2);
        form->SpinEdit1->setValue(5);
        QCOMPARE(zeilenkoepfe(), QStringList({"", "A1", "A2", "A3", "A4", "A5"}));
        fuelle({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
        form->SpinEdit1->setValue(1);
        QCOMPARE(zeilenkoepfe(), QStringList({"", "A1"}));
        form->SpinEdit1->setValue(3);
        QCOMPARE(zeilenkoepfe(), QStringList({"", "A1", "A2", "A3"}));
        QCOMPARE(spalte(1), QStringList({"1", "", ""}));
        QCOMPARE(spalte(2), QStringList({"6", "", ""}));
        form->SpinEdit1->setValue(10);
        QCOMPARE(zeilenkoepfe().last(), QStringLiteral("A10"));
        // Cells outside the grid are neither read nor written.
        form->SetzeZelle(3, 1, "x");
        form->SetzeZelle(1, 11, "x");
        QCOMPARE(form->Zelle(3, 1), std::string());
        QCOMPARE(form->Zelle(-1, 1), std::string());
        QCOMPARE(form->ZeilenzahlDerTabelle(), 11);
    }

    // A point typed into a cell, with or without its editor open, arrives as a comma; the cell
    // holds the text while it is still being typed. A click on row 3 makes the button read A3.
    void tastenUndKlicks() {
        einrichten(3);
        form->SpinEdit1->setValue(4);
        form->StringGrid1->setCurrentCell(0, 0);
        QTest::keyClick(form->StringGrid1, Qt::Key_F2);
        QLineEdit* e = editor();
        QVERIFY(e);
        QTest::keyClicks(e, "05");
        QTest::keyClick(e, Qt::Key_Left); // typing in the middle keeps the cursor there
        QTest::keyClick(e, '.');
        QCOMPARE(e->text(), QStringLiteral("0,5"));
        QCOMPARE(form->Zelle(1, 1), std::string("0,5"));
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(form->Zelle(1, 1), std::string("0,5"));

        form->StringGrid1->setCurrentCell(1, 1);
        QTest::keyClick(form->StringGrid1, '.');
        e = editor();
        QVERIFY(e);
        QTest::keyClicks(e, "25");
        QTest::keyClick(e, Qt::Key_Tab);
        QCOMPARE(form->Zelle(2, 2), std::string(",25"));
        QCOMPARE(form->StringGrid1->currentColumn(), 2); // Tab went on to the next cell

        // Escape takes back what was typed.
        form->StringGrid1->setCurrentCell(0, 0);
        QTest::keyClick(form->StringGrid1, '7');
        QCOMPARE(form->Zelle(1, 1), std::string("7"));
        QTest::keyClick(editor(), Qt::Key_Escape);
        QCOMPARE(form->Zelle(1, 1), std::string("0,5"));

        form->StringGrid1->setCurrentCell(0, 0);
        QCOMPARE(form->Trainierebtn->text(), QStringLiteral("A1"));
        const QRect zelle = form->StringGrid1->visualRect(form->StringGrid1->model()->index(2, 1));
        QTest::mouseClick(form->StringGrid1->viewport(), Qt::LeftButton, {}, zelle.center());
        QCOMPARE(form->StringGrid1->currentRow(), 2);
        QCOMPARE(form->Trainierebtn->text(), QStringLiteral("A3"));
    }

    void beispielLadenUndSichern() {
        const std::string pfad = datei(ordner, "xor.lrn");
        const std::string bytes = Aufgabendateiinhalt(3, 4, Beispiel);
        QCOMPARE(bytes.size(), std::size_t{56});
        schreibe(pfad, bytes);
        einrichten(3);
        form->Laden(pfad);
        QCOMPARE(form->SpinEdit1->value(), 4);
        QCOMPARE(zeilenkoepfe(), QStringList({"", "A1", "A2", "A3", "A4"}));
        QCOMPARE(spalte(1), QStringList({"0,00", "0,00", "1,00", "1,00"}));
        QCOMPARE(spalte(2), QStringList({"0,00", "1,00", "0,00", "1,00"}));
        QCOMPARE(spalte(3), QStringList({"0,00", "1,00", "1,00", "0,00"}));
        QCOMPARE(form->Zelle(1, 0), std::string("N0")); // headers untouched
        QVERIFY(form->TabelleGueltig());

        const std::string neu = datei(ordner, "neu.lrn");
        form->Sichern(neu);
        QCOMPARE(lies(neu), bytes);
        QVERIFY(rekorder->liste.empty());
    }

    // Files with more tasks than rows, with none, with other columns, and cut short.
    void besondereDateien() {
        std::vector<float> zwoelf; // value 10·c + r in column c, row r
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 12; ++r)
                zwoelf.push_back(static_cast<float>(10 * c + r));
        const std::string kurz = Aufgabendateiinhalt(3, 4, Beispiel).substr(0, 8 + 4 * 6);
        const struct {
            const char* name;
            std::string bytes;
            int spin;
            QStringList spalte1, spalte2;
            QString fehler;
        } faelle[] = {
            {"n = 12",
             Aufgabendateiinhalt(3, 12, zwoelf),
             10,
             {"11,00", "12,00", "13,00", "14,00", "15,00", "16,00", "17,00", "18,00", "19,00",
              "20,00"},
             {"21,00", "22,00", "23,00", "24,00", "25,00", "26,00", "27,00", "28,00", "29,00",
              "30,00"},
             ""},
            {"n = 0", Aufgabendateiinhalt(3, 0, {}), 1, {"a"}, {"c"}, ""},
            {"andere Spaltenzahl",
             Aufgabendateiinhalt(5, 1, {1, 2, 3, 4, 5}),
             2,
             {"a", "b"},
             {"c", "d"},
             "FDie Lernaufgabe hat 5 Spalten, die Tabelle hat 3 Spalten."},
            {"eine Spalte",
             Aufgabendateiinhalt(1, 1, {1}),
             2,
             {"a", "b"},
             {"c", "d"},
             "FDie Lernaufgabe hat 1 Spalte, die Tabelle hat 3 Spalten."},
            {"zu kurz",
             kurz,
             4,
             {"0,00", "0,00", "1,00", "1,00"},
             {"0,00", "1,00", "", ""},
             "FStream-Lesefehler"},
        };
        for (const auto& fall : faelle) {
            cleanup();
            init();
            einrichten(3);
            fuelle({"a", "b", "c", "d", "e", "f"});
            const std::string pfad = datei(ordner, "x.lrn");
            schreibe(pfad, fall.bytes);
            Befehl([&] { form->Laden(pfad); });
            QVERIFY2(form->SpinEdit1->value() == fall.spin, fall.name);
            QVERIFY2(form->Spaltenzahl == 3, fall.name);
            QVERIFY2(spalte(1) == fall.spalte1, fall.name);
            QVERIFY2(spalte(2) == fall.spalte2, fall.name);
            QVERIFY2(meldungen() ==
                         (fall.fehler.isEmpty() ? QStringList() : QStringList{fall.fehler}),
                     fall.name);
        }
    }

    // Every faulty cell gets its own message, column by column.
    void tabelleGueltig() {
        einrichten(3);
        fuelle({"1", "", "x", "2,5", "-1E3", ""});
        QVERIFY(!form->TabelleGueltig());
        QCOMPARE(meldungen(), QStringList({"F'' ist kein gültiger Gleitkommawert",
                                           "F'x' ist kein gültiger Gleitkommawert",
                                           "F'' ist kein gültiger Gleitkommawert"}));
        const std::string pfad = datei(ordner, "nicht.lrn");
        QVERIFY_THROWS_EXCEPTION(Fehler, form->Sichern(pfad));
        QVERIFY(!QFile::exists(QString::fromStdString(pfad)));
    }

    void stopWaehrendAlle() {
        einrichten(3);
        umgebung->beiSchritt = [&](int s) {
            if (s == 7) klicke(form->BitBtn1);
        };
        form->IterationenEdit->SetzeNumber(99);
        klicke(form->TaBtn);
        QCOMPARE(umgebung->schritte, 7);
        QCOMPARE(form->IterationenEdit->Number(), 7);
        QVERIFY(!form->LaeuftSchleife());
    }

    // "A1" trains the row current at the click, also after a nested loop moved the row; one
    // Stop ends both loops.
    void geschachtelteSchleifen() {
        einrichten(3);
        form->SpinEdit1->setValue(3);
        form->AktuelleZeileSetzen(2);
        QCOMPARE(form->Trainierebtn->text(), QStringLiteral("A2"));
        bool liefInnen = false;
        umgebung->beiSchritt = [&](int s) {
            if (s == 2) klicke(form->TaBtn);
            if (s == 6) {
                liefInnen = form->LaeuftSchleife();
                klicke(form->BitBtn1);
            }
        };
        klicke(form->Trainierebtn);
        QCOMPARE(umgebung->schritte, 6);
        QVERIFY(liefInnen);
        QVERIFY(!form->LaeuftSchleife());
        QCOMPARE(umgebung->aufgaben[0], 2);
        QCOMPARE(umgebung->aufgaben[1], 2);
    }

    void alleZiehtJedeZeile() {
        for (int n : {1, 3}) {
            cleanup();
            init();
            einrichten(2);
            form->SpinEdit1->setValue(n);
            // The grid follows the trained row once per screen frame and when the loop ends,
            // and stays where it is within a frame.
            QStringList abweichungen;
            int gezeigt = 0;
            const auto folgt = [&] {
                const int r = form->AktuelleAufgabe;
                if (form->StringGrid1->currentRow() + 1 != r ||
                    form->Trainierebtn->text() != QStringLiteral("A%1").arg(r))
                    abweichungen << QString::number(r);
                gezeigt = form->StringGrid1->currentRow() + 1;
            };
            umgebung->beiSchritt = [&](int s) {
                if (s == 1) gezeigt = form->StringGrid1->currentRow() + 1;
                if (form->StringGrid1->currentRow() + 1 != gezeigt)
                    abweichungen << QStringLiteral("Schritt %1 ohne Bild").arg(s);
                if (s % 100 == 0) {
                    uhr->Weiter(Bildzeit - 1);
                    if (form->StringGrid1->currentRow() + 1 != gezeigt)
                        abweichungen << QStringLiteral("Schritt %1 vor dem Bild").arg(s);
                    uhr->Weiter(1); // the frame is over
                    folgt();
                }
                if (s == 300) form->Abbruch = true;
            };
            klicke(form->TaBtn);
            folgt();
            QCOMPARE(umgebung->schritte, 300);
            QVERIFY(abweichungen.isEmpty());
            for (int r = 1; r <= 3; ++r) {
                const auto wie =
                    std::count(umgebung->aufgaben.begin(), umgebung->aufgaben.end(), r);
                QVERIFY2(r <= n ? wie > 0 : wie == 0, qPrintable(QString::number(r)));
            }
        }
    }

    // An error in a step ends the loop and is shown once.
    void fehlerBeendetSchleife() {
        einrichten(3);
        umgebung->beiSchritt = [&](int s) {
            if (s == 3) throw Fehler("'x' ist kein gültiger Gleitkommawert");
        };
        klicke(form->Trainierebtn);
        QCOMPARE(umgebung->schritte, 3);
        QCOMPARE(meldungen(), QStringList({"F'x' ist kein gültiger Gleitkommawert"}));
        QVERIFY(!form->LaeuftSchleife());
        QVERIFY(form->isVisible());
    }

    void schliessenOhneSchleife() {
        form->close();
        QCOMPARE(umgebung->geschlossen, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    // The close box during a loop: the running step ends, the window stays valid until the
    // outermost loop has returned, and the main window hears of the close once.
    void schliessenWaehrendSchleife() {
        einrichten(3);
        bool gueltigNachSchliessen = false;
        umgebung->beiSchritt = [&](int s) {
            if (s == 2) klicke(form->TaBtn); // a nested loop
            if (s == 4) {
                form->close();
                form->close();
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                gueltigNachSchliessen = !form.isNull() && !form->isVisible() && form->Abbruch;
            }
        };
        klicke(form->Trainierebtn);
        QVERIFY(gueltigNachSchliessen);
        QCOMPARE(umgebung->schritte, 4);
        QCOMPARE(umgebung->geschlossen, 1);
        QVERIFY(!form.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    // A close that arrives while "Alle" processes events before a step: no further step.
    void schliessenVorEinemSchrittVonAlle() {
        einrichten(3);
        umgebung->ereignisse = false;
        umgebung->beiSchritt = [&](int s) {
            if (s == 2) QMetaObject::invokeMethod(form, &QWidget::close, Qt::QueuedConnection);
        };
        klicke(form->TaBtn);
        QCOMPARE(umgebung->schritte, 2);
        QCOMPARE(umgebung->geschlossen, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }
};

QTEST_MAIN(AufgabenformTest)
#include "aufgabenform_test.moc"
