// Perceptron training in the main window with scripted dialogs: "Spezielle Netze", the task
// table laid out from the net, one training step, the loops with Stop, the close box, faulty
// cells and net changes during a loop, the single steps, the learning rate, Pause, the task file
// commands and the XOR example.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

#include "aufgabenform.h"
#include "intedit.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "netztypform.h"
#include "pause.h"
#include "spezialnetzskript.h"
#include "testbedienung.h"
#include "testdialoge.h"
#include "testhauptfenster.h"
#include "testuhr.h"
#include "zahltext.h"
#include "zufall.h"

using namespace nervalo;
using test::beschriftung;
using test::eintrag;
using test::knopf;
using test::Meldung;
using test::menue;

namespace {

const std::string Sichern = "Sie haben ihr aktuelles Netz\nnoch nicht gesichert.\n"
                            "Wollen Sie es jetzt sichern?";
const std::string KeinInput =
    "Neuron ist nicht aus der Inputschicht.\nSein Output kann nicht vorgegeben werden.";

// The scripted dialogs, recording also the preset text of the input box.
class Skriptdialoge : public test::TestDialoge {
  public:
    std::vector<std::string> vorgaben;
    std::optional<std::string> EingabeFrage(const std::string& titel, const std::string& frage,
                                            const std::string& vorgabe) override {
        vorgaben.push_back(vorgabe);
        return TestDialoge::EingabeFrage(titel, frage, vorgabe);
    }
};

// The main window whose training step the test can follow: nachSchritt runs after each step,
// where a user's click between two steps would take effect.
class Hauptfenster : public TMainForm {
  public:
    std::function<void(int)> nachSchritt;
    int aufrufe = 0; // training steps begun

    void Trainieren() override {
        ++aufrufe;
        TMainForm::Trainieren();
        if (nachSchritt) nachSchritt(aufrufe);
        if (aufrufe >= 100000 && Aufgabenfenster) Aufgabenfenster->Abbruch = true; // no hang
    }
};

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Counts paints of a widget and what its text was at each.
class Maler : public QObject {
  public:
    std::function<void()> beimMalen;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && beimMalen) beimMalen();
        return false;
    }
};

} // namespace

class TrainingTest : public QObject, private test::TestHauptfenster<Hauptfenster, Skriptdialoge> {
    Q_OBJECT

    TAufgabenForm& aufgaben() { return *form->Aufgabenfenster; }

    // "Spezielle Netze" with the dialog answered: kind 0 (perceptron) or 1 (Hopfield grid).
    void bauen(int art, int w1, int w2, int w3, bool annehmen = true) {
        test::SpeziellesNetzWaehlen(*skript, art, w1, w2, w3, annehmen);
        form->NetztypBtnClick();
    }

    // A 2-4-1 perceptron and the task window with the four XOR tasks.
    void xorTraining() {
        bauen(0, 2, 4, 1);
        zufall().Setze(7);
        form->AktuellesNetz.Zufallsgewichte(1.0f);
        form->AktuellesNetz.Gesichert = true;
        form->TrainiereBtnClick();
        aufgaben().SpinEdit1->setValue(4);
        const char* zellen[4][3] = {
            {"0", "0", "0"}, {"0", "1", "1"}, {"1", "0", "1"}, {"1", "1", "0"}};
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 3; ++c)
                aufgaben().SetzeZelle(c, r, zellen[r - 1][c - 1]);
    }

    // N0 (input) -> N1 (output) with weight 0, and the task window with input 1, target 1.
    void zweiNeuronen() {
        test::neuesNeuron(form->AktuellesNetz, 100, 100, Schichttyp::Inputschicht);
        test::neuesNeuron(form->AktuellesNetz, 250, 100, Schichttyp::Outputschicht);
        form->AktuellesNetz.Verbinde(0, 1);
        form->AktuellesNetz.Gesichert = true;
        form->TrainiereBtnClick();
        aufgaben().SetzeZelle(1, 1, "1");
        aufgaben().SetzeZelle(2, 1, "1");
        aufgaben().AktuelleAufgabe = 1;
    }

    QStringList meldungen() const {
        QStringList m;
        for (const Meldung& x : skript->liste)
            m << QString(QChar::fromLatin1(x.art)) + QString::fromStdString(x.text);
        return m;
    }

    TNetzPaintBox& box() { return *static_cast<TNetzPaintBox*>(form->Netzfenster->PaintBox1); }

  private slots:
    void init() { Aufbauen(400, 300); }
    void cleanup() { Abbauen(); }

    void spezielleNetze_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("w1");
        QTest::addColumn<int>("w2");
        QTest::addColumn<int>("w3");
        QTest::addColumn<bool>("annehmen");
        QTest::addColumn<int>("neuronen");
        QTest::addColumn<QString>("typ");
        QTest::addColumn<bool>("pfeile");
        QTest::addColumn<QList<int>>("anzahlen"); // AnzahlInput, AnzahlHidden, AnzahlOutput
        QTest::newRow("Perzeptron 2-4-2") << 0 << 2 << 4 << 2 << true << 8 << "Netztyp: Perzeptron"
                                          << true << QList<int>{2, 4, 2};
        QTest::newRow("Hopfield 7 x 7") << 1 << 7 << 7 << 0 << true << 49 << "Netztyp: Hopfield"
                                        << false << QList<int>{7, 7, 5};
        QTest::newRow("Abbrechen")
            << 0 << 2 << 4 << 2 << false << 0 << "Netztyp: -" << true << QList<int>{9, 9, 5};
    }
    // The old net is offered for saving and cleared, the window keeps its place and gets its
    // size back, and the new net comes with its check marks, label and commands.
    void spezielleNetze() {
        QFETCH(int, art);
        QFETCH(int, w1);
        QFETCH(int, w2);
        QFETCH(int, w3);
        QFETCH(bool, annehmen);
        QFETCH(int, neuronen);
        QFETCH(QString, typ);
        QFETCH(bool, pfeile);
        QFETCH(QList<int>, anzahlen);
        Hauptfenster& f = *form;
        test::neuesNeuron(f.AktuellesNetz, 50, 50, Schichttyp::Inputschicht);
        f.AktuellesNetz.Gesichert = false;
        f.Dateiname = "/tmp/alt.net";
        f.Zuordnung.AnzahlInput = f.Zuordnung.AnzahlHidden = 9;
        f.Zuordnung.AnzahlOutput = 5;
        eintrag(f, "Pfeile1")->setChecked(!pfeile);
        eintrag(f, "Gewichte1")->setChecked(!pfeile);
        eintrag(f, "Gewichte1")->setEnabled(!pfeile);
        QWidget* rahmen = f.Netzfenster->parentWidget();
        rahmen->setGeometry(30, 20, 100, 100);
        skript->fragen = {false};

        bauen(art, w1, w2, w3, annehmen);

        QCOMPARE(meldungen(), QStringList{"W" + QString::fromStdString(Sichern)});
        QCOMPARE(skript->modalGezeigt, std::vector<std::string>{"Dialog"});
        QCOMPARE(rahmen->geometry(), QRect(30, 20, 400, 300));
        QCOMPARE(f.Netzfenster->windowTitle(), QString("Netz [Neu]"));
        QVERIFY(f.Dateiname.empty());
        QCOMPARE(f.AktuellesNetz.Anzahl(), neuronen);
        QCOMPARE(f.AktuellesNetz.Gesichert, !annehmen); // a built net counts as unsaved
        QCOMPARE(beschriftung(f, "NetztypLbl")->text(), typ);
        QCOMPARE(eintrag(f, "Pfeile1")->isChecked(), pfeile);
        QCOMPARE(eintrag(f, "Gewichte1")->isChecked(), pfeile);
        QCOMPARE(eintrag(f, "Gewichte1")->isEnabled(), pfeile);
        QCOMPARE((QList<int>{f.Zuordnung.AnzahlInput, f.Zuordnung.AnzahlHidden,
                             f.Zuordnung.AnzahlOutput}),
                 anzahlen);
        // After Cancel the task and pattern commands follow the empty net.
        QCOMPARE(knopf(f, "TrainiereBtn")->isEnabled(), annehmen && art == 0);
        QCOMPARE(knopf(f, "HopfieldBtn")->isEnabled(), annehmen && art == 1);
        QCOMPARE(menue(f, "NeueLernaufgabe1")->menuAction()->isEnabled(), annehmen);
        QCOMPARE(eintrag(f, "LetztesNeuronlschen1")->isEnabled(), annehmen);
    }

    // A save that fails keeps the net: nothing is cleared and the dialog doesn't open.
    void speichernMisslingtBehaeltNetz() {
        test::neuesNeuron(form->AktuellesNetz, 50, 50, Schichttyp::Inputschicht);
        form->AktuellesNetz.Gesichert = false;
        skript->fragen = {true};
        skript->dateien = {std::string("/gibt/es/nicht/netz.net")};
        form->NetztypBtnClick();
        QCOMPARE(skript->liste.size(), std::size_t(2));
        QCOMPARE(skript->liste[1].art, 'F');
        QVERIFY(skript->modalGezeigt.empty());
        QCOMPARE(form->AktuellesNetz.Anzahl(), 1);
    }

    // 30 inputs reach down to Y = 2100: the paint box covers them and the window scrolls.
    void grossesPerzeptronRollt() {
        // Shown, as at start-up: the net window is laid out and has its scroll bars.
        form = std::make_unique<Hauptfenster>();
        form->show();
        QCoreApplication::processEvents(); // shown, and its start queued for the event loop
        QCoreApplication::processEvents(); // started
        QVERIFY(form->FensterBreite > 0);
        form->NetzBtnClick();
        bauen(0, 30, 4, 2);
        QCOMPARE(form->AktuellesNetz.Neuron(29).Y, 2100);
        QVERIFY(box().height() >= 2100 + 22);
        auto* rollen = form->Netzfenster->findChild<QScrollArea*>();
        QVERIFY(rollen);
        QCoreApplication::processEvents(); // the scroll area lays itself out
        QVERIFY(rollen->verticalScrollBar()->maximum() > 0);
    }

    // The hints of "A1" and "Alle" show in the main window's status panel while the mouse is
    // over the button, like every other hint.
    void hinweiseImStatusfeld_data() {
        QTest::addColumn<bool>("alle");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("A1") << false << "Trainiere aktuelle Aufgabe";
        QTest::newRow("Alle") << true << "Trainiere alle Aufgaben";
    }
    void hinweiseImStatusfeld() {
        QFETCH(bool, alle);
        QFETCH(QString, hinweis);
        xorTraining();
        QWidget* knopf = alle ? aufgaben().TaBtn : aufgaben().Trainierebtn;
        beschriftung(*form, "HintPanel")->clear();
        QEvent betreten(QEvent::Enter);
        QApplication::sendEvent(knopf, &betreten);
        QCOMPARE(beschriftung(*form, "HintPanel")->text(), hinweis);
        QEvent verlassen(QEvent::Leave);
        QApplication::sendEvent(knopf, &verlassen);
        QCOMPARE(beschriftung(*form, "HintPanel")->text(), QString());
    }

    // The task table of a 2-4-2 net; a second "Neue Lernaufgabe" does nothing; after closing,
    // a fresh table.
    void aufgabentabelle() {
        bauen(0, 2, 4, 2);
        form->TrainiereBtnClick();
        QPointer<TAufgabenForm> fenster = form->Aufgabenfenster;
        QVERIFY(fenster && form->AufgabenfensterOffen &&
                knopf(*form, "AufgSpeichernBtn")->isEnabled() &&
                eintrag(*form, "Lernaufgabespeichernunter1")->isEnabled());
        QCOMPARE(fenster->SpaltenzahlDerTabelle(), 5);
        QCOMPARE(fenster->Spaltenzahl, 4);
        QStringList koepfe;
        for (int c = 1; c <= 4; ++c)
            koepfe << QString::fromStdString(fenster->Zelle(c, 0));
        QCOMPARE(koepfe, QStringList({"N0", "N1", "N6", "N7"}));
        fenster->SetzeZelle(1, 1, "0,5");

        form->TrainiereBtnClick();
        QCOMPARE(form->Aufgabenfenster, fenster);
        QCOMPARE(form->findChildren<TAufgabenForm*>().size(), qsizetype(1));
        QCOMPARE(fenster->Zelle(1, 1), std::string("0,5"));

        fenster->close();
        QVERIFY(!form->AufgabenfensterOffen && !knopf(*form, "AufgSpeichernBtn")->isEnabled() &&
                !eintrag(*form, "Lernaufgabespeichernunter1")->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fenster);
        eintrag(*form, "N3schichtigesPerzeptron1")->trigger();
        QVERIFY(form->Aufgabenfenster && form->AufgabenfensterOffen);
        QCOMPARE(form->Aufgabenfenster->Zelle(1, 1), std::string());
    }

    // Without output neurons: only input columns; a step still propagates, and the error is 0.
    void ohneOutputNeuronen() {
        test::neuesNeuron(form->AktuellesNetz, 50, 50, Schichttyp::Inputschicht);
        test::neuesNeuron(form->AktuellesNetz, 50, 120, Schichttyp::Inputschicht);
        test::neuesNeuron(form->AktuellesNetz, 200, 80, Schichttyp::Hiddenschicht);
        form->AktuellesNetz.Verbinde(0, 2);
        form->AktuellesNetz.Verbinde(1, 2);
        form->TrainiereBtnClick();
        QCOMPARE(aufgaben().SpaltenzahlDerTabelle(), 3);
        aufgaben().SetzeZelle(1, 1, "1");
        aufgaben().SetzeZelle(2, 1, "0,5");
        aufgaben().AktuelleAufgabe = 1;
        form->Trainieren();
        QCOMPARE(aufgaben().FehlerEdit->text(), QString("0,00E+00"));
        QCOMPARE(aufgaben().IterationenEdit->Number(), 1);
        QCOMPARE(form->AktuellesNetz.Neuron(1).Output, 0.5f);
        QCOMPARE(form->AktuellesNetz.Neuron(2).Output, 0.5f); // sigmoid(0)
        QVERIFY(skript->liste.empty());
    }

    void einSchritt_data() {
        QTest::addColumn<float>("sigma");
        QTest::newRow("Sigma 1") << 1.0f;
        QTest::newRow("Sigma 0: Gewichte bleiben") << 0.0f;
        QTest::newRow("Sigma 0,5") << 0.5f;
    }
    // Input 1, target 1, weight 0: output 0.5, error 0.125, delta 0.25 · 0.5, weight 0.125 · Sigma.
    void einSchritt() {
        QFETCH(float, sigma);
        zweiNeuronen();
        form->Sigma = sigma;
        form->Trainieren();
        QCOMPARE(aufgaben().FehlerEdit->text(), QString("1,25E-01"));
        QCOMPARE(aufgaben().IterationenEdit->Number(), 1);
        QCOMPARE(form->AktuellesNetz.Neuron(0).Output, 1.0f);
        QCOMPARE(form->AktuellesNetz.Neuron(1).Sollwert, 1.0f);
        QCOMPARE(form->AktuellesNetz.Neuron(1).Output, 0.5f);
        QCOMPARE(form->AktuellesNetz.Gewicht(0, 1), 0.125f * sigma);
        QVERIFY(skript->liste.empty());
    }

    void stopNachSchritten_data() {
        QTest::addColumn<bool>("alle");
        QTest::addColumn<int>("k");
        QTest::newRow("A1, 1") << false << 1;
        QTest::newRow("A1, 40") << false << 40;
        QTest::newRow("Alle, 1") << true << 1;
        QTest::newRow("Alle, 300") << true << 300;
    }
    // Stop after k steps; the step count, the error, the row and the net picture show the last
    // step when the loop has returned. A second run counts from 0 again.
    void stopNachSchritten() {
        QFETCH(bool, alle);
        QFETCH(int, k);
        xorTraining();
        TAufgabenForm& a = aufgaben();
        a.AktuelleZeileSetzen(3);
        for (int lauf = 1; lauf <= 2; ++lauf) {
            form->aufrufe = 0;
            QString fehler;
            form->nachSchritt = [&](int s) {
                if (s != k) return;
                fehler = QString::fromStdString(FehlerText(form->AktuellesNetz.Fehler()));
                a.BitBtn1->click();
            };
            (alle ? a.TaBtn : a.Trainierebtn)->click();
            QCOMPARE(form->aufrufe, k);
            QCOMPARE(a.IterationenEdit->Number(), k);
            QCOMPARE(a.FehlerEdit->text(), fehler);
            QVERIFY(!a.LaeuftSchleife());
            if (!alle) QCOMPARE(a.AktuelleAufgabe, 3);
            QCOMPARE(a.StringGrid1->currentRow() + 1, a.AktuelleAufgabe);
            QCOMPARE(a.Trainierebtn->text(), QString("A%1").arg(a.AktuelleAufgabe));
            const QImage bild = box().Bild().copy();
            form->ZeichnungAktualisieren();
            QVERIFY(box().Bild() == bild);
        }
        QVERIFY(skript->liste.empty());
    }

    // While "Alle" runs, the counter is painted at most once per frame, and whenever it is
    // painted it shows the exact number of steps.
    void zaehlerBeimMalenGenau() {
        xorTraining();
        TAufgabenForm& a = aufgaben();
        Maler maler;
        int bilder = 0;
        QStringList abweichungen;
        maler.beimMalen = [&] {
            ++bilder;
            if (a.IterationenEdit->Number() != form->aufrufe)
                abweichungen
                    << QString("%1 statt %2").arg(a.IterationenEdit->Number()).arg(form->aufrufe);
        };
        a.IterationenEdit->installEventFilter(&maler);
        // A step takes a millisecond: 300 steps last 300 ms, 18.75 frames.
        form->nachSchritt = [&](int s) {
            uhr->Weiter(1);
            if (s == 300) a.BitBtn1->click();
        };
        a.TaBtn->click();
        QCOMPARE(form->aufrufe, 300);
        QVERIFY2(abweichungen.isEmpty(), qPrintable(abweichungen.join(", ")));
        QVERIFY2(bilder >= 18 && bilder <= 20, qPrintable(QString::number(bilder)));
    }

    // The close box during a loop: the window stays valid until the loop has returned.
    void schliessenWaehrendSchleife() {
        xorTraining();
        QPointer<TAufgabenForm> fenster = form->Aufgabenfenster;
        bool gueltig = false;
        form->nachSchritt = [&](int s) {
            if (s != 3) return;
            fenster->close();
            QCoreApplication::processEvents();
            gueltig = fenster && !fenster->isVisible() && fenster->Abbruch &&
                      !form->AufgabenfensterOffen && !knopf(*form, "AufgSpeichernBtn")->isEnabled();
        };
        fenster->TaBtn->click();
        QVERIFY(gueltig);
        QCOMPARE(form->aufrufe, 3);
        QVERIFY(fenster);
        QCOMPARE(fenster->IterationenEdit->Number(), 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fenster);
        QVERIFY(skript->liste.empty());
    }

    // A cell that is no number ends the loop with one message; the count stays at the steps done.
    void fehlerhafteZelle() {
        xorTraining();
        TAufgabenForm& a = aufgaben();
        a.AktuelleZeileSetzen(2);
        form->nachSchritt = [&](int s) {
            if (s == 4) a.SetzeZelle(2, 2, "x");
        };
        a.Trainierebtn->click();
        QCOMPARE(form->aufrufe, 5);
        QCOMPARE(meldungen(), QStringList{"F'x' ist kein gültiger Gleitkommawert"});
        QCOMPARE(a.IterationenEdit->Number(), 4);
        QVERIFY(!a.LaeuftSchleife() && a.isVisible());
        QCOMPARE(form->AktuellesNetz.Neuron(0).Output, 0.0f); // the cell before the faulty one
    }

    // A floating-point fault in a step ends the loop with its message.
    void ueberlaufBeendetSchleife() {
        zweiNeuronen();
        aufgaben().SetzeZelle(2, 1, "3E38");
        form->Sigma = 1e10f;
        aufgaben().Trainierebtn->click();
        QCOMPARE(form->aufrufe, 1);
        QCOMPARE(meldungen(), QStringList{"FGleitkommaüberlauf"});
        QCOMPARE(aufgaben().IterationenEdit->Number(), 0);
        QVERIFY(!aufgaben().LaeuftSchleife());
    }

    // The first neuron is a hidden neuron while the net has input neurons: its column can't set
    // its output, and every step says so.
    void erstesNeuronVersteckt() {
        bauen(0, 2, 4, 1);
        form->AktuellesNetz.Neuron(0).Schichttyp = Schichttyp::Hiddenschicht;
        form->TrainiereBtnClick();
        TAufgabenForm& a = aufgaben();
        QCOMPARE((QList<int>{form->Zuordnung.AnzahlInput, form->Zuordnung.AnzahlHidden,
                             form->Zuordnung.AnzahlOutput}),
                 (QList<int>{1, 5, 1}));
        QCOMPARE(a.Zelle(1, 0), std::string("N0"));
        QCOMPARE(a.Zelle(2, 0), std::string("N6"));
        a.SpinEdit1->setValue(1); // one task, so that "Alle" draws the filled row
        a.SetzeZelle(1, 1, "1");
        a.SetzeZelle(2, 1, "1");
        // The message box would come back in every step of a loop and leave no moment to press
        // "Stop": both loops end after the step that showed it, the step itself done.
        int schritte = 0;
        form->nachSchritt = [&](int s) {
            schritte = s;
            if (s == 3) a.BitBtn1->click(); // in case the loop went on
        };
        for (QToolButton* knopf : {a.Trainierebtn, a.TaBtn}) {
            skript->liste.clear();
            knopf->click();
            QCOMPARE(meldungen(), QStringList("F" + QString::fromStdString(KeinInput)));
            QCOMPARE(a.IterationenEdit->Number(), 1); // each loop counts from 0
        }
        QCOMPARE(schritte, 2);
    }

    void netzAendertSichWaehrendSchleife_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<bool>("fensterOffen");
        QTest::newRow("letztes Neuron löschen")
            << "letztes"
            << QStringList{"FDas Netz passt nicht mehr zur Lernaufgabe: Die Tabelle braucht 7 "
                           "Neuronen, das Netz hat nur noch 6."}
            << true;
        QTest::newRow("Netz löschen")
            << "loeschen" << QStringList{"W" + QString::fromStdString(Sichern)} << false;
        QTest::newRow("Netzfenster schließen")
            << "schliessen" << QStringList{"W" + QString::fromStdString(Sichern)} << false;
    }
    // A change of the net between two steps ends the loop: a message when the table no longer
    // fits, the closed task window otherwise. No neuron that is gone is read.
    void netzAendertSichWaehrendSchleife() {
        QFETCH(QString, befehl);
        QFETCH(QStringList, erwartet);
        QFETCH(bool, fensterOffen);
        xorTraining();
        QPointer<TAufgabenForm> fenster = form->Aufgabenfenster;
        skript->fragen = {false};
        form->nachSchritt = [&](int s) {
            if (s != 2) return;
            if (befehl == "letztes")
                form->LetztesNeuronlschen1Click();
            else if (befehl == "loeschen")
                form->NetzLoeschenBtnClick();
            else
                form->Netzfenster->parentWidget()->close();
        };
        fenster->TaBtn->click();
        QCOMPARE(meldungen(), erwartet);
        QCOMPARE(form->aufrufe, fensterOffen ? 3 : 2);
        QCOMPARE(fenster->IterationenEdit->Number(), 2);
        QCOMPARE(form->AufgabenfensterOffen, fensterOffen);
        QVERIFY(!fenster->LaeuftSchleife());
    }

    void sigma_data() {
        QTest::addColumn<std::optional<std::string>>("eingabe");
        QTest::addColumn<float>("sigma");
        QTest::addColumn<QStringList>("erwartet");
        using E = std::optional<std::string>;
        QTest::newRow("Punkt") << E("0.5") << 0.5f << QStringList();
        QTest::newRow("Komma") << E("0,5") << 0.5f << QStringList();
        QTest::newRow("negativ") << E("-2") << -2.0f << QStringList();
        QTest::newRow("null") << E("0") << 0.0f << QStringList();
        QTest::newRow("Buchstaben")
            << E("abc") << 1.0f << QStringList{"F'abc' ist kein gültiger Gleitkommawert"};
        QTest::newRow("zwei Punkte")
            << E("1.2.3") << 1.0f << QStringList{"F'1,2,3' ist kein gültiger Gleitkommawert"};
        QTest::newRow("Abbrechen") << E() << 1.0f << QStringList();
    }
    void sigma() {
        QFETCH(std::optional<std::string>, eingabe);
        QFETCH(float, sigma);
        QFETCH(QStringList, erwartet);
        skript->eingaben = {eingabe};
        knopf(*form, "SigmaBtn")->click();
        QCOMPARE(skript->eingabeFragen, std::vector<std::string>{"Lernrate|Sigma"});
        QCOMPARE(skript->vorgaben, std::vector<std::string>{"1,000000"});
        QCOMPARE(form->Sigma, sigma);
        QCOMPARE(meldungen(), erwartet);
    }

    void sigmaVorgabe_data() {
        QTest::addColumn<float>("sigma");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1.0f << "1,000000";
        QTest::newRow("0,25") << 0.25f << "0,250000";
        QTest::newRow("klein") << 0.000005f << "5,000E-06";
        QTest::newRow("negativ") << -0.5f << "-5,000E-01";
    }
    void sigmaVorgabe() {
        QFETCH(float, sigma);
        QFETCH(QString, text);
        form->Sigma = sigma;
        skript->eingaben = {std::nullopt};
        form->SigmaBtnClick();
        QCOMPARE(QString::fromStdString(skript->vorgaben.at(0)), text);
        QCOMPARE(form->Sigma, sigma);
    }

    // The tool panel's steps on N0 -> N1: forward, backward with Sigma, random weights.
    void einzelschritte() {
        test::neuesNeuron(form->AktuellesNetz, 100, 100, Schichttyp::Inputschicht);
        test::neuesNeuron(form->AktuellesNetz, 250, 100, Schichttyp::Outputschicht);
        TNetz& netz = form->AktuellesNetz;
        netz.Verbinde(0, 1);
        netz.Neuron(0).SetzeOutput(1.0f);
        netz.Neuron(1).Sollwert = 1.0f;
        form->Sigma = 2.0f;
        knopf(*form, "VorBtn")->click();
        QCOMPARE(netz.Neuron(1).Output, 0.5f);
        eintrag(*form, "Netzbackpropagieren1")->trigger();
        QCOMPARE(netz.Gewicht(0, 1), 0.25f);
        knopf(*form, "ZufallBtn")->click();
        const float w = netz.Gewicht(0, 1);
        QVERIFY(w >= -1.0f && w < 1.0f && w != 0.25f);
        QVERIFY(!netz.Gesichert);
        QVERIFY(skript->liste.empty());
    }

    // The wait lasts until the clock has moved on by the time asked for, events are processed
    // meanwhile, and the wait sleeps: an alarm at its end wakes it. No time, or a negative one,
    // returns at once without processing events.
    void pause() {
        const std::int64_t anfang = uhr->Millisekunden();
        QObject kontext; // takes pending calls with it at the end
        QStringList ablauf;
        const auto weiter = [&](std::int64_t ms, std::function<void()> danach) {
            QTimer::singleShot(0, &kontext, [&, ms, danach] {
                ablauf << QString::number(uhr->NaechsterWecker().value_or(0) - anfang);
                uhr->Weiter(ms);
                if (danach) danach();
            });
        };
        weiter(150, [&] { weiter(49, [&] { weiter(1, {}); }); });
        Pause(200);
        QCOMPARE(ablauf, QStringList({"200", "200", "200"}));
        QCOMPARE(uhr->Millisekunden() - anfang, 200);

        bool ereignis = false;
        QTimer::singleShot(0, &kontext, [&] { ereignis = true; });
        Pause(0);
        Pause(-5);
        QVERIFY(!ereignis);
    }

    // "Lernaufgabe öffnen" opens the task window for the net and reads the file; saving writes
    // it back byte for byte, and refuses a table with faulty cells.
    void aufgabeOeffnenUndSpeichern() {
        const QString beispiel = QFINDTESTDATA("../examples/xor.lrn");
        QVERIFY(!beispiel.isEmpty());
        QTemporaryDir ordner;
        const QString kopie = ordner.filePath("kopie.lrn");
        const QString kaputt = ordner.filePath("kaputt.lrn");

        form->AufgSpeichernBtnClick(); // no task window: nothing, not even the dialog
        QVERIFY(skript->dateiDialoge.empty());

        bauen(0, 2, 4, 1);
        skript->dateien = {beispiel.toStdString()};
        knopf(*form, "AufgLadenBtn")->click();
        QVERIFY(form->Aufgabenfenster && form->AufgabenfensterOffen);
        TAufgabenForm& a = aufgaben();
        QCOMPARE(a.SpinEdit1->value(), 4);
        QCOMPARE(a.Zelle(3, 2), std::string("1,00"));
        QCOMPARE(skript->dateiDialoge.back().titel, std::string("Lernaufgabe laden"));

        skript->dateien = {kopie.toStdString()};
        knopf(*form, "AufgSpeichernBtn")->click();
        QCOMPARE(lies(kopie), lies(beispiel));
        QCOMPARE(skript->dateiDialoge.back().titel, std::string("Lernaufgaben speichern"));

        a.SetzeZelle(1, 1, "");
        a.SetzeZelle(3, 4, "x");
        skript->dateien = {kaputt.toStdString()};
        eintrag(*form, "Lernaufgabespeichernunter1")->trigger();
        QCOMPARE(meldungen(), QStringList({"F'' ist kein gültiger Gleitkommawert",
                                           "F'x' ist kein gültiger Gleitkommawert",
                                           "HLernaufgabe konnte nicht gespeichert werden, da "
                                           "Aufgabentabelle fehlerhaft!"}));
        QVERIFY(!QFile::exists(kaputt));

        // With the window open, opening a task file reads it into that window.
        QPointer<TAufgabenForm> fenster = form->Aufgabenfenster;
        skript->dateien = {beispiel.toStdString()};
        form->AufgLadenBtnClick();
        QCOMPARE(form->Aufgabenfenster, fenster);
        QCOMPARE(a.Zelle(1, 1), std::string("0,00"));
    }

    // The example net learns the example tasks: after 60,000 steps of "Alle" with a fixed seed a
    // plain forward pass of each task's inputs gives an output within 0.1 of its target.
    void xorBeispielLernt() {
        const QString netz = QFINDTESTDATA("../examples/xor-2-4-1.net");
        const QString lrn = QFINDTESTDATA("../examples/xor.lrn");
        QVERIFY(!netz.isEmpty() && !lrn.isEmpty());
        QCOMPARE(lies(lrn).size(), qsizetype(56));
        Hauptfenster& f = *form;
        skript->dateien = {netz.toStdString()};
        f.LadenBtnClick();
        QCOMPARE(f.AktuellesNetz.Anzahl(), 7);
        QCOMPARE(beschriftung(f, "NetztypLbl")->text(), QString("Netztyp: Perzeptron"));
        for (int i = 0; i < 2; ++i)
            for (int j = 2; j < 6; ++j) {
                QVERIFY(f.AktuellesNetz.IstVerbunden(i, j));
                QVERIFY(std::abs(f.AktuellesNetz.Gewicht(i, j)) < 1.0f);
            }
        f.TrainiereBtnClick();
        aufgaben().Laden(lrn.toStdString());
        QCOMPARE(f.Sigma, 1.0f);

        // Out of sight, so that the steps don't wait for repaints of the window.
        aufgaben().hide();
        zufall().Setze(1);
        for (int s = 0; s < 60000; ++s) {
            aufgaben().AktuelleAufgabe = zufall().Ganz(4) + 1;
            f.Trainieren();
        }
        QCOMPARE(aufgaben().IterationenEdit->Number(), 60000);
        QVERIFY(skript->liste.empty());

        TNetz& n = f.AktuellesNetz;
        const float xor_[4][3] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}};
        for (const auto& a : xor_) {
            n.Neuron(0).SetzeOutput(a[0]);
            n.Neuron(1).SetzeOutput(a[1]);
            n.Propagiere();
            QVERIFY2(std::abs(n.Neuron(6).Output - a[2]) < 0.1f,
                     qPrintable(QString("%1 %2: %3").arg(a[0]).arg(a[1]).arg(n.Neuron(6).Output)));
        }
    }

    // Behind hidden neurons the targets reach the output neurons, the inputs the input neurons,
    // and no hidden neuron gets a value.
    void zieleErreichenDieOutputs() {
        bauen(0, 2, 3, 2);
        form->TrainiereBtnClick();
        const char* zeile[4] = {"0,25", "0,5", "0,75", "1"};
        for (int c = 1; c <= 4; ++c)
            aufgaben().SetzeZelle(c, 1, zeile[c - 1]);
        aufgaben().AktuelleAufgabe = 1;
        form->Trainieren();
        QVERIFY(skript->liste.empty());
        QList<float> ausgaben, sollwerte;
        for (int i = 0; i < 7; ++i)
            sollwerte << form->AktuellesNetz.Neuron(i).Sollwert;
        ausgaben << form->AktuellesNetz.Neuron(0).Output << form->AktuellesNetz.Neuron(1).Output;
        QCOMPARE(ausgaben, (QList<float>{0.25f, 0.5f}));
        QCOMPARE(sollwerte, (QList<float>{0, 0, 0, 0, 0, 0.75f, 1.0f}));
    }
};

QTEST_MAIN(TrainingTest)
#include "training_test.moc"
