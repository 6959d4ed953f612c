// The learning curve, the decision map and the pace in the main window, with scripted dialogs
// and the test clock: the total error and the map against the model's own forward passes, the
// shown net untouched, the pace on the injected clock with Stop during a wait, every step shown
// at a set pace, what clears the curve, and the curve saved as a table and a picture.
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <bit>
#include <functional>
#include <memory>

#include "aufgabenform.h"
#include "intedit.h"
#include "kartenform.h"
#include "lernkurve.h"
#include "lernkurvenbild.h"
#include "lernkurvenform.h"
#include "mainform.h"
#include "spezialnetzskript.h"
#include "testbedienung.h"
#include "testdialoge.h"
#include "testhauptfenster.h"
#include "testhilfe.h"
#include "testuhr.h"
#include "zahltext.h"
#include "zufall.h"

using namespace nervalo;
using test::eintrag;

namespace {

// The main window whose steps the test can follow: the clock's time at the start of each step.
class Hauptfenster : public TMainForm {
  public:
    std::vector<std::int64_t> beginn;
    std::function<void()> nachSchritt;

    void Trainieren() override {
        beginn.push_back(bilduhr().Millisekunden());
        TMainForm::Trainieren();
        if (nachSchritt) nachSchritt();
        if (beginn.size() >= 100000 && Aufgabenfenster) Aufgabenfenster->Abbruch = true; // no hang
    }
};

const char* const Xor[4][3] = {{"0", "0", "0"}, {"0", "1", "1"}, {"1", "0", "1"}, {"1", "1", "0"}};

// The mean of the errors of a fresh copy of the net per XOR task, set by hand: inputs to N0 and
// N1, target to N6.
double xorGesamtfehler(const TNetz& netz) {
    double summe = 0;
    for (const auto& zeile : Xor) {
        TNetz kopie = netz;
        kopie.Neuron(0).SetzeOutput(TextZuZahl(zeile[0]));
        kopie.Neuron(1).SetzeOutput(TextZuZahl(zeile[1]));
        kopie.Neuron(6).Sollwert = TextZuZahl(zeile[2]);
        kopie.Propagiere();
        summe += kopie.Fehler();
    }
    return summe / 4;
}

} // namespace

class LernanzeigeTest : public QObject, private test::TestHauptfenster<Hauptfenster> {
    Q_OBJECT

    TAufgabenForm& aufgaben() { return *form->Aufgabenfenster; }

    // A 2-4-1 perceptron by "Spezielle Netze" with fixed weights, and the XOR task table.
    void xorTraining() {
        test::SpeziellesNetzWaehlen(*skript, 0, 2, 4, 1);
        form->NetztypBtnClick();
        zufall().Setze(7);
        form->AktuellesNetz.Zufallsgewichte(1.0f);
        form->AktuellesNetz.Gesichert = true;
        form->TrainiereBtnClick();
        aufgaben().SpinEdit1->setValue(4);
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 3; ++c)
                aufgaben().SetzeZelle(c, r, Xor[r - 1][c - 1]);
    }

    // "A1" for n steps.
    void schritte(int n) {
        const std::size_t bis = form->beginn.size() + n;
        form->nachSchritt = [&, bis] {
            if (form->beginn.size() >= bis) aufgaben().BitBtn1->click();
        };
        aufgaben().Trainierebtn->click();
        form->nachSchritt = {};
    }

    TLernkurvenForm& kurvenfenster() {
        eintrag(*form, "Lernkurve1")->trigger();
        return *form->Lernkurvenfenster;
    }

  private slots:
    void init() { Aufbauen(400, 300); }
    void cleanup() { Abbauen(); }

    // The total error that the window shows and that the curve records is the mean of the
    // model's errors over the four tasks, computed here on copies of the net; the net keeps
    // every bit meanwhile.
    void gesamtfehlerWieDasModell() {
        xorTraining();
        TLernkurvenForm& f = kurvenfenster();
        const TNetz vorher = form->AktuellesNetz;
        form->Beobachtung().Jetzt();
        QVERIFY(GleichBitweise(form->AktuellesNetz, vorher));
        const double erwartet = xorGesamtfehler(form->AktuellesNetz);
        QCOMPARE(form->Beobachtung().Gesamtfehler(), std::optional<double>(erwartet));
        QCOMPARE(f.GesamtfehlerEdit->text(),
                 QString::fromStdString(FehlerText(static_cast<float>(erwartet))));

        schritte(3);
        const auto& punkte = form->Beobachtung().Kurve().Gesamtfehler().Punkte();
        QVERIFY(!punkte.empty());
        QCOMPARE(punkte.back().schritt, 3);
        QCOMPARE(punkte.back().fehler, xorGesamtfehler(form->AktuellesNetz));
        QCOMPARE(f.Kurve->Kurve().Schritte(), 3);

        // A cell without a number: no total error, and the field says why.
        aufgaben().SetzeZelle(2, 3, "");
        form->Beobachtung().Jetzt();
        QCOMPARE(f.GesamtfehlerEdit->text(), QString("–"));
        QCOMPARE(f.GesamtfehlerEdit->toolTip(),
                 QString("Nicht jede Zelle der Aufgabentabelle enthält eine Zahl."));
        QVERIFY(skript->liste.empty());
    }

    // Every cell of the map is the model's forward output at the cell's centre, bit for bit, and
    // updating the map leaves every field of the shown net as it was.
    void karteBitgenauUndNetzUnveraendert() {
        xorTraining();
        schritte(50);
        eintrag(*form, "Entscheidungskarte1")->trigger();
        TKartenForm& k = *form->Kartenfenster;
        const TNetz vorher = form->AktuellesNetz;
        form->ZeichnungAktualisieren();
        form->Beobachtung().Jetzt();
        QVERIFY(GleichBitweise(form->AktuellesNetz, vorher));
        QCOMPARE(k.Werte.size(), std::size_t(Kartenraster * Kartenraster));
        // The XOR table spans 0 to 1: the map shows -0.5 to 1.5 on both axes.
        for (int j = 0; j < Kartenraster; ++j)
            for (int i = 0; i < Kartenraster; ++i) {
                TNetz kopie = vorher;
                kopie.Neuron(0).SetzeOutput(static_cast<float>(-0.5 + (i + 0.5) * 2.0 / 100));
                kopie.Neuron(1).SetzeOutput(static_cast<float>(-0.5 + (j + 0.5) * 2.0 / 100));
                kopie.Propagiere();
                QCOMPARE(std::bit_cast<std::uint32_t>(k.Werte[j * Kartenraster + i]),
                         std::bit_cast<std::uint32_t>(kopie.Neuron(6).Output));
            }
    }

    // At 2 steps per second five steps take two seconds of the clock; each is shown completely
    // (count, error, curve, the row of "Alle") before the next, and Stop during the wait ends
    // the loop at once.
    void tempoMitStopImWarten() {
        xorTraining();
        TLernkurvenForm& f = kurvenfenster();
        eintrag(*form, "Tempo2")->trigger();
        QCOMPARE(f.TempoBox->currentText(), QString("2 Schritte pro Sekunde"));
        TAufgabenForm& a = aufgaben();
        std::int64_t gestoppt = 0;
        bool zurueck = false;
        QStringList abweichungen;
        // Runs in the event loop. While a step waits for its turn (its alarm is set): checks
        // what the screen shows, then lets the time pass until the alarm, or presses Stop once
        // five steps are done.
        std::function<void()> treiber = [&] {
            const auto wecker = uhr->NaechsterWecker();
            if (!wecker) {
                QTimer::singleShot(0, this, treiber);
                return;
            }
            const int n = static_cast<int>(form->beginn.size());
            if (a.IterationenEdit->Number() != n || f.Kurve->Kurve().Schritte() != n ||
                a.FehlerEdit->text().isEmpty() ||
                a.StringGrid1->currentRow() + 1 != a.AktuelleAufgabe)
                abweichungen << QString::number(n);
            if (n == 5) {
                gestoppt = uhr->Millisekunden();
                a.BitBtn1->click();
                // A wait that went on would end only with its alarm: then the clock moves.
                QTimer::singleShot(0, this, [&] {
                    if (!zurueck) uhr->Weiter(10000);
                });
                return;
            }
            uhr->Weiter(*wecker - uhr->Millisekunden());
            QTimer::singleShot(0, this, treiber);
        };
        QTimer::singleShot(0, this, treiber);
        a.TaBtn->click(); // returns when the loop has ended
        zurueck = true;
        QCOMPARE(form->beginn.size(), std::size_t(5));
        const std::int64_t start = form->beginn[0];
        for (int i = 0; i < 5; ++i)
            QCOMPARE(form->beginn[i] - start, 500 * i);
        QCOMPARE(gestoppt - start, 2000);
        QCOMPARE(uhr->Millisekunden(), gestoppt); // no further wait after Stop
        QVERIFY2(abweichungen.isEmpty(), qPrintable(abweichungen.join(", ")));

        // The highest pace again: no step waits.
        f.TempoBox->setCurrentIndex(0);
        emit f.TempoBox->activated(0);
        QVERIFY(eintrag(*form, "Tempo0")->isChecked());
        const std::int64_t jetzt = uhr->Millisekunden();
        schritte(20);
        QCOMPARE(uhr->Millisekunden(), jetzt);
    }

    // Closing the task window during a wait ends the loop at once, too.
    void schliessenImWarten() {
        xorTraining();
        form->TempoClick(1);
        const std::int64_t start = uhr->Millisekunden();
        bool zurueck = false;
        // Once the first step waits for its turn (its alarm is set), the close box; a wait that
        // went on would end only with its alarm, and the clock would move.
        std::function<void()> schliessen = [&] {
            if (!uhr->NaechsterWecker()) return QTimer::singleShot(0, this, schliessen);
            aufgaben().close();
            QTimer::singleShot(0, this, [&] {
                if (!zurueck) uhr->Weiter(10000);
            });
        };
        QTimer::singleShot(0, this, schliessen);
        aufgaben().Trainierebtn->click();
        zurueck = true;
        QCOMPARE(form->beginn.size(), std::size_t(1));
        QCOMPARE(uhr->Millisekunden(), start);
        QVERIFY(!form->AufgabenfensterOffen);
    }

    // New weights, a new, opened or cleared net and a loaded task file start the curve anew;
    // the learning rate, a forward pass and a new loop keep it.
    void wasDieKurveLeert_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<bool>("leert");
        QTest::newRow("Gewichte zufällig") << "zufall" << true;
        QTest::newRow("Neues Netz") << "neu" << true;
        QTest::newRow("Netz öffnen") << "oeffnen" << true;
        QTest::newRow("Netz löschen") << "loeschen" << true;
        QTest::newRow("Lernaufgabe öffnen") << "aufgabe" << true;
        QTest::newRow("Kurve löschen") << "kurve" << true;
        QTest::newRow("Sigma") << "sigma" << false;
        QTest::newRow("Netz propagieren") << "vor" << false;
        QTest::newRow("nächste Schleife") << "schleife" << false;
    }
    void wasDieKurveLeert() {
        QFETCH(QString, befehl);
        QFETCH(bool, leert);
        QTemporaryDir ordner;
        const std::string netzDatei = ordner.filePath("x.net").toStdString();
        const std::string aufgabe = ordner.filePath("x.lrn").toStdString();
        xorTraining();
        form->AktuellesNetz.Speichern(netzDatei);
        skript->dateien.push_back(aufgabe);
        form->AufgSpeichernBtnClick();
        TLernkurvenForm& f = kurvenfenster();
        schritte(10);

        if (befehl == "zufall") form->ZufallBtnClick();
        if (befehl == "neu" || befehl == "oeffnen" || befehl == "loeschen")
            skript->fragen.push_back(false); // the trained net is not saved
        if (befehl == "neu") form->NetzBtnClick();
        if (befehl == "oeffnen") {
            skript->dateien.push_back(netzDatei);
            form->LadenBtnClick();
        }
        if (befehl == "loeschen") form->NetzLoeschenBtnClick();
        if (befehl == "aufgabe") {
            skript->dateien.push_back(aufgabe);
            form->AufgLadenBtnClick();
        }
        if (befehl == "kurve") f.KurveLoeschen1->trigger();
        if (befehl == "sigma") {
            skript->eingaben.push_back("0,5");
            form->SigmaBtnClick();
        }
        if (befehl == "vor") form->VorBtnClick();
        if (befehl == "schleife") schritte(2);
        form->Beobachtung().Jetzt();

        const std::int64_t erwartet = leert ? 0 : (befehl == "schleife" ? 12 : 10);
        QCOMPARE(form->Beobachtung().Kurve().Schritte(), erwartet);
        QCOMPARE(f.Kurve->Kurve().Schritte(), erwartet);
        QCOMPARE(form->Beobachtung().Kurve().Gesamtfehler().Punkte().empty(), leert);
        for (const test::Meldung& m : skript->liste)
            QCOMPARE(m.art, 'W'); // only the question to save
    }

    // The table for a spreadsheet and the picture go through the save dialog; Cancel writes
    // nothing.
    void kurveSpeichern() {
        xorTraining();
        TLernkurvenForm& f = kurvenfenster();
        schritte(4);
        QTemporaryDir ordner;
        const QString tabelle = ordner.filePath("kurve.csv"), bild = ordner.filePath("kurve.png");

        skript->dateien.push_back(tabelle.toStdString());
        f.AlsTabelleSpeichern1->trigger();
        // The model's table of the shown curve (its form is the model's to test): a header and
        // the four steps.
        QFile datei(tabelle);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray inhalt = datei.readAll();
        QCOMPARE(inhalt.toStdString(), LernkurveAlsTabelle(form->Beobachtung().Kurve()));
        QCOMPARE(inhalt.count("\r\n"), 5);

        skript->dateien.push_back(bild.toStdString());
        f.AlsBildSpeichern1->trigger();
        const QImage gelesen(bild);
        QCOMPARE(gelesen.size(), f.Kurve->size());

        skript->dateien.push_back(std::nullopt);
        f.AlsTabelleSpeichern1->trigger();
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files).size(), 2);
        QVERIFY(skript->liste.empty());
    }
};

QTEST_MAIN(LernanzeigeTest)
#include "lernanzeige_test.moc"
