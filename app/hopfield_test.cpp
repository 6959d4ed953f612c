// The Hopfield pattern memory of the main window with scripted dialogs: opening the pattern
// window, the cell-to-neuron order, storing by the Hebb rule, the recall and how it ends when the
// window closes or the net changes underneath it, the example net, and the test neuron command.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <optional>

#include "hopfieldform.h"
#include "hopfieldtesthilfe.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "neuronform.h"
#include "spezialnetze.h"
#include "testbedienung.h"
#include "testdialoge.h"

using namespace nervalo;
using namespace nervalo::test;

namespace {

const std::string Unpassend = "Die Anzahl der Spalten und Reihen passt nicht zum Netz!";
const std::string PunkteAusserhalb = "Die Anzahl der Punkte muss zwischen 1 und 60 liegen.";
const std::string NetzGeaendert = "Das Netz passt nicht mehr zum Muster: die Anzahl der Neuronen "
                                  "hat sich geändert.\nDie Rekonstruktion wurde beendet.";

using Antwort = std::optional<std::string>; // nullopt: Cancel

} // namespace

class HopfieldTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDialoge> dialoge_;
    std::unique_ptr<TMainForm> form_;

    // A net window holding an h x v Hopfield grid net.
    void gitterNetz(int h, int v) {
        TMainForm& f = *form_;
        f.NetzBtnClick();
        BaueHopfieldGitter(f.AktuellesNetz, h, v);
        f.BefehleAktualisieren();
    }
    // "Hopfield-Netz" with the two answers.
    THopfieldForm* oeffnen(Antwort h, Antwort v) {
        dialoge_->eingaben = {std::move(h), std::move(v)};
        eintrag(*form_, "HopfieldNetz")->trigger();
        return form_->Hopfieldfenster;
    }
    int fensterZahl() { return static_cast<int>(form_->findChildren<THopfieldForm*>().size()); }
    std::vector<Meldung> meldungenOhneFrage() {
        std::vector<Meldung> m;
        for (const Meldung& x : dialoge_->liste)
            if (x.art != 'W') m.push_back(x);
        return m;
    }
    // "?" on the window; whenPass(n) runs while the loop processes events after its n-th pass.
    // "Stop" comes after stopNach passes (or 50 as a safety net).
    void erkennen(THopfieldForm& fenster, int stopNach, std::function<void(int)> whenPass = {}) {
        QPointer<THopfieldForm> f = &fenster;
        QTimer uhr;
        int gesehen = 0;
        connect(&uhr, &QTimer::timeout, [&] {
            if (!f) return;
            const int n = f->IntEdit1->Number();
            if (n == gesehen) return;
            gesehen = n;
            if (whenPass) whenPass(n);
            if (f && (n >= stopNach || n >= 50)) f->StopBtn->click();
        });
        uhr.start(0);
        fenster.ErkennenBtn->click();
        uhr.stop();
    }

  private slots:
    void init() {
        dialoge_ = std::make_unique<TestDialoge>();
        form_ = std::make_unique<TMainForm>();
        form_->FensterBreite = 400;
        form_->FensterHoehe = 300;
        form_->Recallpause = 0;
    }
    void cleanup() {
        form_.reset();
        dialoge_.reset();
    }

    void oeffnen_data() {
        QTest::addColumn<Antwort>("h");
        QTest::addColumn<Antwort>("v");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Vorgaben") << Antwort{} << Antwort{} << "49: 49"
                                  << "";
        QTest::newRow("7 und 7") << Antwort{"7"} << Antwort{" 7 "} << "49: 49"
                                 << "";
        QTest::newRow("5 und 5") << Antwort{"5"} << Antwort{"5"} << "25: 49"
                                 << QString::fromStdString(Unpassend);
        QTest::newRow("keine Zahl") << Antwort{"abc"} << Antwort{"7"} << ""
                                    << "'abc' ist kein gültiger Integerwert";
        QTest::newRow("negativ") << Antwort{"-7"} << Antwort{"-7"} << "49: 49"
                                 << QString::fromStdString(PunkteAusserhalb);
        // 5 · 858993469 wraps around to 49 in 32 bits.
        QTest::newRow("Überlauf") << Antwort{"5"} << Antwort{"858993469"} << "4294967345: 49"
                                  << QString::fromStdString(Unpassend);
    }
    void oeffnen() {
        QFETCH(Antwort, h);
        QFETCH(Antwort, v);
        QFETCH(QString, status);
        QFETCH(QString, meldung);
        TMainForm& f = *form_;
        gitterNetz(7, 7);
        beschriftung(f, "HintPanel")->clear();
        // As a learning task table of the same net may have left them: the pattern window has
        // its own size and must not change the counts that map the table to the neurons.
        f.Zuordnung.AnzahlInput = 3;
        f.Zuordnung.AnzahlHidden = 4;
        THopfieldForm* fenster = oeffnen(h, v);
        QCOMPARE(beschriftung(f, "HintPanel")->text(), status);
        if (!meldung.isEmpty()) {
            QCOMPARE(dialoge_->liste, (std::vector<Meldung>{{'F', meldung.toStdString()}}));
            QVERIFY(!fenster && !f.HopfieldfensterOffen);
            QCOMPARE(fensterZahl(), 0);
            return;
        }
        QVERIFY(dialoge_->liste.empty());
        QCOMPARE(dialoge_->eingabeFragen,
                 (std::vector<std::string>{"Hopfield-Muster|Anzahl der horizontalen Punkte",
                                           "Hopfield-Muster|Anzahl der vertikalen Punkte"}));
        QVERIFY(fenster && fenster->isVisible() && f.HopfieldfensterOffen);
        QCOMPARE(fenster->parentWidget(), static_cast<QWidget*>(&f));
        QCOMPARE(fenster->StringGrid1->size(), QSize(150, 156));
        QCOMPARE(fenster->Spalten(), 7);
        QCOMPARE(fenster->Zeilen(), 7);
        QCOMPARE(f.Zuordnung.AnzahlInput, 3);
        QCOMPARE(f.Zuordnung.AnzahlHidden, 4);
    }

    // While a pattern window is open, the command brings it to the front and asks nothing; once
    // it is closed, the command opens a new one.
    void zweitesFenster() {
        TMainForm& f = *form_;
        gitterNetz(7, 7);
        QPointer<THopfieldForm> erstes = oeffnen({}, {});
        QVERIFY(erstes);
        knopf(f, "HopfieldBtn")->click();
        QCOMPARE(f.Hopfieldfenster, erstes);
        QCOMPARE(fensterZahl(), 1);
        QCOMPARE(dialoge_->eingabeFragen.size(), std::size_t(2));
        QVERIFY(dialoge_->liste.empty());

        erstes->close();
        QVERIFY(!f.HopfieldfensterOffen);
        QTRY_VERIFY(!erstes);
        QPointer<THopfieldForm> zweites = oeffnen({}, {});
        QVERIFY(zweites && zweites != erstes && f.HopfieldfensterOffen);
        QCOMPARE(fensterZahl(), 1);
    }

    // Cell (c, r) of a grid with v rows belongs to neuron v · c + r, both ways: a 2 x 3 grid
    // tells columns from rows. A stored pattern comes back from one pass to the same cells.
    void zuordnung() {
        TMainForm& f = *form_;
        gitterNetz(2, 3);
        THopfieldForm* fenster = oeffnen({"2"}, {"3"});
        QVERIFY(fenster);
        fenster->SetzeZelle(1, 0, "u"); // neuron 3
        fenster->SetzeZelle(0, 2, "x"); // any text but "u" is off
        fenster->MerkeBtn->click();
        const std::vector<float> x{-1, -1, -1, 1, -1, -1};
        for (int i = 0; i < 6; ++i) {
            const TGrafikNeuron& n = f.AktuellesNetz.Neuron(i);
            QCOMPARE(n.Output, x[i]);
            QCOMPARE(n.Schichttyp, Schichttyp::Hiddenschicht);
            for (int j = 0; j < 6; ++j)
                QCOMPARE(n.Inputs[j], x[j]);
        }
        erkennen(*fenster, 1);
        QCOMPARE(gelesen(*fenster), (Bild{".X", "..", ".."}));
        QVERIFY(dialoge_->liste.empty());
    }

    // One stored pattern gives w(i, j) = x_i · x_j, so w(i, i) = 1; storing it again doubles
    // every weight. The neurons' weight slots follow the matrix.
    void merken() {
        TMainForm& f = *form_;
        gitterNetz(7, 7);
        THopfieldForm* fenster = oeffnen({}, {});
        zeichne(*fenster, H);
        const std::vector<float> x = werte(H);
        for (int mal = 1; mal <= 2; ++mal) {
            f.AktuellesNetz.Gesichert = true;
            fenster->MerkeBtn->click();
            QVERIFY(!f.AktuellesNetz.Gesichert);
            QCOMPARE(fenster->MusternummerEdit->Number(), mal);
            for (int i = 0; i < 49; ++i)
                for (int j = 0; j < 49; ++j) {
                    QCOMPARE(f.AktuellesNetz.Gewicht(i, j), mal * x[i] * x[j]);
                    QCOMPARE(f.AktuellesNetz.Neuron(j).Gewichte[i], mal * x[i] * x[j]);
                }
        }
        QVERIFY(dialoge_->liste.empty());
    }

    void erkennen_data() {
        QTest::addColumn<QList<Bild>>("gemerkt");
        QTest::addColumn<Bild>("start");
        QTest::addColumn<Bild>("ergebnis");
        Bild gestoert = H;
        gestoert[0][0] = '.';
        gestoert[3][3] = '.';
        gestoert[1][2] = 'X';
        gestoert[6][4] = 'X';
        QTest::newRow("gestört") << QList<Bild>{H} << gestoert << H;
        QTest::newRow("umgekehrt") << QList<Bild>{H} << umgekehrt(H) << umgekehrt(H);
        QTest::newRow("zwei Muster") << QList<Bild>{H, T} << T << T;
        QTest::newRow("nichts gemerkt") << QList<Bild>{} << T << Bild(7, "XXXXXXX");
    }
    // The first pass gives the result, and further passes keep it while the counter rises.
    void erkennen() {
        QFETCH(QList<Bild>, gemerkt);
        QFETCH(Bild, start);
        QFETCH(Bild, ergebnis);
        gitterNetz(7, 7);
        THopfieldForm* fenster = oeffnen({}, {});
        for (const Bild& b : gemerkt) {
            zeichne(*fenster, b);
            fenster->MerkeBtn->click();
        }
        zeichne(*fenster, start);
        QList<Bild> nachPass;
        erkennen(*fenster, 3, [&](int) { nachPass << gelesen(*fenster); });
        QCOMPARE(nachPass, (QList<Bild>{ergebnis, ergebnis, ergebnis}));
        QCOMPARE(fenster->IntEdit1->Number(), 3);
        QVERIFY(dialoge_->liste.empty());
    }

    // Closing the window during a recall ends the loop; the window lives until the loop has
    // seen its stop request and goes afterwards.
    void schliessenWaehrendErkennen() {
        TMainForm& f = *form_;
        gitterNetz(7, 7);
        QPointer<THopfieldForm> fenster = oeffnen({}, {});
        bool waehrendDa = false;
        erkennen(*fenster, 50, [&](int n) {
            if (n != 2) return;
            fenster->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            waehrendDa = !fenster.isNull();
        });
        QVERIFY(waehrendDa);
        QVERIFY(fenster);
        QCOMPARE(fenster->IntEdit1->Number(), 2);
        QVERIFY(!f.HopfieldfensterOffen);
        QTRY_VERIFY(!fenster);
        QVERIFY(dialoge_->liste.empty());
    }

    // The net changes under a running recall: the loop ends before it touches a neuron, quietly
    // when the pattern window was closed with the net, with a message when it stays open.
    void netzAendertSich_data() {
        QTest::addColumn<QString>("aenderung");
        QTest::addColumn<bool>("fensterBleibt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Netz löschen") << "loeschen" << false << "";
        QTest::newRow("Netzfenster schließen") << "netzfenster" << false << "";
        QTest::newRow("anderes Netz öffnen") << "oeffnen" << false << "";
        QTest::newRow("Spezielle Netze abgebrochen") << "spezial" << false << "";
        QTest::newRow("letztes Neuron löschen")
            << "letztes" << true << QString::fromStdString(NetzGeaendert);
        QTest::newRow("Neuron dazu") << "dazu" << true << QString::fromStdString(NetzGeaendert);
    }
    void netzAendertSich() {
        QFETCH(QString, aenderung);
        QFETCH(bool, fensterBleibt);
        QFETCH(QString, meldung);
        TMainForm& f = *form_;
        gitterNetz(7, 7);
        QPointer<THopfieldForm> fenster = oeffnen({}, {});
        zeichne(*fenster, H);
        fenster->MerkeBtn->click();
        const QString xor_ = QFINDTESTDATA("../examples/xor-2-4-1.net");
        QVERIFY(!xor_.isEmpty());
        erkennen(*fenster, 50, [&](int n) {
            if (n != 2) return;
            dialoge_->fragen = {false}; // don't save
            if (aenderung == "loeschen") f.NetzLoeschenBtnClick();
            if (aenderung == "netzfenster") f.Netzfenster->parentWidget()->close();
            if (aenderung == "oeffnen") {
                dialoge_->dateien = {xor_.toStdString()};
                f.LadenBtnClick();
            }
            if (aenderung == "spezial") {
                dialoge_->modal = {[](QDialog&) { return int(QDialog::Rejected); }};
                f.NetztypBtnClick();
            }
            if (aenderung == "letztes") f.LetztesNeuronlschen1Click();
            if (aenderung == "dazu") f.AktuellesNetz.Hinzufuegen(std::make_unique<TGrafikNeuron>());
        });
        QCOMPARE(fenster.isNull() ? 2 : fenster->IntEdit1->Number(), 2);
        if (meldung.isEmpty())
            QVERIFY(meldungenOhneFrage().empty());
        else
            QCOMPARE(meldungenOhneFrage(), (std::vector<Meldung>{{'F', meldung.toStdString()}}));
        QCOMPARE(f.HopfieldfensterOffen, fensterBleibt);
        if (fensterBleibt) {
            QVERIFY(fenster && fenster->isVisible());
            // Storing on the changed net is refused as well and leaves the count.
            dialoge_->liste.clear();
            fenster->MerkeBtn->click();
            QCOMPARE(dialoge_->liste, (std::vector<Meldung>{{'F', Unpassend}}));
            QCOMPARE(fenster->MusternummerEdit->Number(), 1);
        } else {
            QTRY_VERIFY(!fenster);
        }
    }

    // The example net holds its letters: each comes back unchanged from a recall, and a disturbed
    // one is restored. Its weights are exactly those of the letters stored by the Hebb rule.
    void beispielnetz() {
        TMainForm& f = *form_;
        const QString pfad = QFINDTESTDATA("../examples/hopfield-7x7.net");
        QVERIFY(!pfad.isEmpty());
        dialoge_->dateien = {pfad.toStdString()};
        f.LadenBtnClick();
        QCOMPARE(f.AktuellesNetz.Anzahl(), 49);
        QCOMPARE(beschriftung(f, "NetztypLbl")->text(), QString("Netztyp: Hopfield"));
        QVERIFY(knopf(f, "HopfieldBtn")->isEnabled() && eintrag(f, "HopfieldNetz")->isEnabled());

        std::vector<float> w(49 * 49, 0.0f);
        for (const auto& b : beispiel::HopfieldBuchstaben) {
            const std::vector<float> x = werte(buchstabe(b));
            for (int i = 0; i < 49; ++i)
                for (int j = 0; j < 49; ++j)
                    w[i * 49 + j] += x[i] * x[j];
        }
        for (int i = 0; i < 49; ++i)
            for (int j = 0; j < 49; ++j)
                QCOMPARE(f.AktuellesNetz.Gewicht(i, j), w[i * 49 + j]);

        THopfieldForm* fenster = oeffnen({}, {});
        QVERIFY(fenster);
        for (const auto& b : beispiel::HopfieldBuchstaben) {
            const Bild soll = buchstabe(b);
            Bild gestoert = soll;
            gestoert[1][1] = gestoert[1][1] == 'X' ? '.' : 'X';
            gestoert[5][4] = gestoert[5][4] == 'X' ? '.' : 'X';
            for (const Bild& start : {soll, gestoert}) {
                zeichne(*fenster, start);
                erkennen(*fenster, 1);
                QCOMPARE(gelesen(*fenster), soll);
            }
        }
        QVERIFY(dialoge_->liste.empty());
    }

    // Each "Test-Neuron" opens one more window, with or without a net.
    void testNeuron() {
        TMainForm& f = *form_;
        auto zahl = [&] {
            int n = 0;
            for (QMdiSubWindow* w : test::teil<QMdiArea>(f, "mdiArea")->subWindowList())
                n += qobject_cast<TNeuronForm*>(w->widget()) != nullptr;
            return n;
        };
        knopf(f, "EinNeuronBtn")->click();
        eintrag(f, "Neuron1")->trigger();
        QCOMPARE(zahl(), 2);
        f.NetzBtnClick();
        knopf(f, "EinNeuronBtn")->click();
        QCOMPARE(zahl(), 3);
        QCOMPARE(test::teil<QMdiArea>(f, "mdiArea")->subWindowList().size(), 4);
        QVERIFY(dialoge_->liste.empty());
    }
};

QTEST_MAIN(HopfieldTest)
#include "hopfield_test.moc"
