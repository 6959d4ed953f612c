// Undo and redo in the main window: every kind of command that changes the net taken back and
// done again bit for bit from the menu, what leaves no step, the training loop as one step and
// the items greyed while it runs, the saved state, a new net, and the windows that depend on the
// net after a step back.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "aufgabenform.h"
#include "hopfieldform.h"
#include "hopfieldspeicher.h"
#include "hopfieldtesthilfe.h"
#include "mainform.h"
#include "netzabdruck.h"
#include "netzgrafform.h"
#include "netztypform.h"
#include "netztypwahlform.h"
#include "testbedienung.h"
#include "testdialoge.h"
#include "testuhr.h"

using namespace nervalo;
using test::eintrag;
using test::knopf;

namespace {

// The main window with a hook after each training step, where a user's click between two steps
// would take effect.
class Hauptfenster : public TMainForm {
  public:
    std::function<void(int)> nachSchritt;
    int schritte = 0;

    void Trainieren() override {
        TMainForm::Trainieren();
        ++schritte;
        if (nachSchritt) nachSchritt(schritte);
        if (schritte >= 1000 && Aufgabenfenster) Aufgabenfenster->Abbruch = true; // no hang
    }
};

// The neuron dialog: does what the test says, as OK would.
class Editor : public NeuronEditor {
  public:
    Editor() { vorher_ = setzeNeuronEditor(this); }
    ~Editor() override { setzeNeuronEditor(vorher_); }
    void Editieren(TGrafikNeuron& n) override {
        if (aendern) aendern(n);
    }
    std::function<void(TGrafikNeuron&)> aendern;

  private:
    NeuronEditor* vorher_;
};

// The centres of a 2-3-1 perceptron as "Spezielle Netze" places it.
const QPoint N0(80, 70), N1(80, 140), N2(230, 70), N3(230, 140), N5(380, 70);

} // namespace

class RueckgaengigTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestUhr> uhr_;
    std::unique_ptr<test::TestDialoge> dialoge_;
    std::unique_ptr<Editor> editor_;
    std::unique_ptr<Hauptfenster> form_;

    Hauptfenster& f() { return *form_; }
    QString rueckgaengig() { return eintrag(f(), "Rueckgaengig1")->text(); }
    QString wiederholen() { return eintrag(f(), "Wiederholen1")->text(); }
    void menue(const char* name) { eintrag(f(), name)->trigger(); }
    QWidget* box() { return f().Netzfenster->PaintBox1; }
    void ziehe(Qt::MouseButton b, QPoint von, QPoint nach) {
        QTest::mousePress(box(), b, {}, von);
        QTest::mouseMove(box(), nach);
        QTest::mouseRelease(box(), b, {}, nach);
    }

    // "Spezielle Netze" with the dialog answered: kind 0 (perceptron) or 1 (Hopfield grid).
    void bauen(int art, int w1, int w2, int w3 = 1) {
        dialoge_->modal.push_back([=](QDialog& d) {
            auto& n = static_cast<TNetztypForm&>(d);
            n.NetztypKnopf[art]->click();
            n.SpinEdit1->setValue(w1);
            n.SpinEdit2->setValue(w2);
            if (art == 0) n.SpinEdit3->setValue(w3);
            return int(QDialog::Accepted);
        });
        dialoge_->fragen.push_back(false); // the net before is not saved
        menue("SpezielleNetze1");
    }
    // A 2-3-1 perceptron with random weights, propagated: every kind of field in use.
    void perzeptron() {
        bauen(0, 2, 3, 1);
        menue("Gewichtezuflligbelegen1");
        f().AktuellesNetz.Neuron(0).SetzeOutput(1.0f);
        menue("Netzpropagieren1");
    }
    // The task window with one task row (inputs 1, 0; target 1) for the 2-3-1 perceptron.
    TAufgabenForm& aufgabe() {
        f().TrainiereBtnClick();
        TAufgabenForm& a = *f().Aufgabenfenster;
        for (int c = 1; c <= 3; ++c)
            a.SetzeZelle(c, 1, c == 2 ? "0" : "1");
        return a;
    }
    // A 3 x 3 Hopfield grid and its pattern window.
    THopfieldForm& hopfield() {
        bauen(1, 3, 3);
        dialoge_->eingaben = {"3", "3"};
        menue("HopfieldNetz");
        return *f().Hopfieldfenster;
    }
    // "A1" (or "Alle") until Stop after n steps.
    void trainieren(TAufgabenForm& a, int n, bool alle = false) {
        f().schritte = 0;
        f().nachSchritt = [&a, n](int s) {
            if (s == n) a.BitBtn1->click();
        };
        (alle ? a.TaBtn : a.Trainierebtn)->click();
    }

  private slots:
    void init() {
        uhr_ = std::make_unique<test::TestUhr>();
        dialoge_ = std::make_unique<test::TestDialoge>();
        editor_ = std::make_unique<Editor>();
        form_ = std::make_unique<Hauptfenster>();
        f().FensterBreite = 600;
        f().FensterHoehe = 400;
        f().Recallpause = 0;
        f().resize(900, 700);
        f().show();
        QCoreApplication::processEvents(); // the start-up part, before the net window exists
        f().NetzBtnClick();
    }
    void cleanup() {
        form_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        editor_.reset();
        dialoge_.reset();
        uhr_.reset();
    }

    void hinUndZurueck_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::function<void(RueckgaengigTest&)>>("befehl");
        QTest::addColumn<bool>("andererInput"); // a new input before, so that the pass changes
        using T = RueckgaengigTest;
        // A drag with a tool from one point to another.
        const auto zug = [](const char* werkzeug, QPoint von, QPoint nach) {
            return [=](T& t) {
                knopf(t.f(), werkzeug)->click();
                t.ziehe(Qt::LeftButton, von, nach);
            };
        };
        const std::pair<const char*, std::function<void(T&)>> faelle[] = {
            {"Neuron einfügen", zug("NeuronBtn", QPoint(500, 300), QPoint(500, 300))},
            {"Neuron verschieben", zug("BewegeBtn", N0, QPoint(150, 260))},
            {"Neuronen verbinden", zug("PfeilBtn", N0, N5)},
            {"Verbindung löschen", zug("DoppelPfeilBtn", N1, N3)},
            {"Neuron bearbeiten",
             [](T& t) {
                 t.editor_->aendern = [](TGrafikNeuron& n) {
                     n.Theta = 0.25f;
                     n.Aktionsfunktion = Aktionsfunktion::tanh;
                 };
                 QTest::mouseClick(t.box(), Qt::RightButton, {}, N2);
             }},
            {"Letztes Neuron löschen", [](T& t) { t.menue("LetztesNeuronlschen1"); }},
            {"Netz löschen",
             [](T& t) {
                 t.dialoge_->fragen = {false};
                 t.menue("Netzlschen1");
             }},
            {"Netztyp festlegen",
             [](T& t) {
                 t.dialoge_->modal = {[](QDialog& d) {
                     static_cast<TNetztypwahlForm&>(d).SetzeItemIndex(2);
                     return int(QDialog::Accepted);
                 }};
                 t.menue("Netztypfestlegen1");
             }},
            {"Spezielle Netze", [](T& t) { t.bauen(1, 2, 2); }},
            {"Gewichte zufällig belegen", [](T& t) { t.menue("Gewichtezuflligbelegen1"); }},
            {"Netz propagieren", [](T& t) { t.menue("Netzpropagieren1"); }},
            {"Netz backpropagieren", [](T& t) { t.menue("Netzbackpropagieren1"); }},
            {"Pfeile", [](T& t) { t.menue("Pfeile1"); }},
            {"Training", [](T& t) { t.trainieren(t.aufgabe(), 30); }},
        };
        for (const auto& [name, befehl] : faelle)
            QTest::newRow(name) << QString(name) << befehl << (QString(name) == "Netz propagieren");
        // A run of "Alle", and a run stopped after its first step, are one step as well.
        QTest::newRow("Training Alle") << QString("Training") << std::function([](T& t) {
            TAufgabenForm& a = t.aufgabe();
            a.SpinEdit1->setValue(1); // "Alle" draws its rows at random: only the filled one
            t.trainieren(a, 30, true);
        }) << false;
        QTest::newRow("Training ein Schritt")
            << QString("Training") << std::function([](T& t) { t.trainieren(t.aufgabe(), 1); })
            << false;
    }
    // From the menu: a step back gives the net before the command bit for bit, the step forward
    // the net after it; both items name the command.
    void hinUndZurueck() {
        QFETCH(QString, name);
        QFETCH(std::function<void(RueckgaengigTest&)>, befehl);
        QFETCH(bool, andererInput);
        perzeptron();
        if (andererInput) f().AktuellesNetz.Neuron(1).SetzeOutput(-1.0f);
        // Two oracles: the fields written out one by one, and a copy of the whole net, which
        // also holds any field the first one does not list.
        const std::string vorher = test::abdruck(f().AktuellesNetz);
        const TNetz vorherNetz = f().AktuellesNetz;
        befehl(*this);
        const std::string nachher = test::abdruck(f().AktuellesNetz);
        const TNetz nachherNetz = f().AktuellesNetz;
        QVERIFY(nachher != vorher);
        QCOMPARE(rueckgaengig(), "Rückgängig: " + name);

        menue("Rueckgaengig1");
        QVERIFY(test::abdruck(f().AktuellesNetz) == vorher);
        QVERIFY(GleichBitweise(f().AktuellesNetz, vorherNetz));
        QCOMPARE(wiederholen(), "Wiederholen: " + name);
        menue("Wiederholen1");
        QVERIFY(test::abdruck(f().AktuellesNetz) == nachher);
        QVERIFY(GleichBitweise(f().AktuellesNetz, nachherNetz));
        QCOMPARE(rueckgaengig(), "Rückgängig: " + name);
    }

    // A cancelled dialog, a dialog closed with nothing changed, a click beside the neurons and
    // a drag released nowhere leave no step.
    void ohneAenderungKeinSchritt() {
        perzeptron();
        const QString zuletzt = rueckgaengig();
        dialoge_->modal = {[](QDialog&) { return int(QDialog::Rejected); }};
        menue("Netztypfestlegen1");
        QTest::mouseClick(box(), Qt::RightButton, {}, N2); // the dialog changes nothing
        QTest::mouseClick(box(), Qt::LeftButton, {}, QPoint(500, 300));
        knopf(f(), "PfeilBtn")->click();
        ziehe(Qt::LeftButton, N0, QPoint(500, 300));
        QCOMPARE(rueckgaengig(), zuletzt);
        QCOMPARE(wiederholen(), QString("Wiederholen"));
    }

    // While a training loop runs, both items are greyed and Ctrl+Z does nothing; a command given
    // meanwhile is a step of its own between the two parts of the loop.
    void waehrendDerSchleife() {
        perzeptron();
        TAufgabenForm& a = aufgabe();
        QApplication::setActiveWindow(&f());
        bool gesperrt = true;
        f().nachSchritt = [&](int s) {
            gesperrt = gesperrt && !eintrag(f(), "Rueckgaengig1")->isEnabled() &&
                       !eintrag(f(), "Wiederholen1")->isEnabled();
            if (s == 2) {
                const std::string netz = test::abdruck(f().AktuellesNetz);
                QTest::keyClick(&f(), Qt::Key_Z, Qt::ControlModifier);
                gesperrt = gesperrt && test::abdruck(f().AktuellesNetz) == netz;
                menue("Pfeile1");
            }
            if (s == 5) a.BitBtn1->click();
        };
        a.Trainierebtn->click();
        QVERIFY(gesperrt);
        QStringList namen;
        for (int i = 0; i < 3; ++i) {
            namen << rueckgaengig();
            menue("Rueckgaengig1");
        }
        QCOMPARE(namen, QStringList({"Rückgängig: Training", "Rückgängig: Pfeile",
                                     "Rückgängig: Training"}));
        QCOMPARE(rueckgaengig(), QString("Rückgängig: Netz propagieren"));
    }

    // Back at the net last saved (Ctrl+Z) the net counts as saved, forward again (Ctrl+Y) it does
    // not; "Neues Netz" on the saved net asks nothing and leaves no steps.
    void gesichertUndNeuesNetz() {
        perzeptron();
        QTemporaryDir ordner;
        dialoge_->dateien = {(ordner.path() + "/netz.net").toStdString()};
        menue("Netzspeichernunter1");
        menue("Gewichtezuflligbelegen1");
        QVERIFY(!f().AktuellesNetz.Gesichert);
        QApplication::setActiveWindow(&f());
        QTest::keyClick(&f(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f().AktuellesNetz.Gesichert);
        QTest::keyClick(&f(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!f().AktuellesNetz.Gesichert);
        menue("Rueckgaengig1");
        menue("NeuesNetz1");
        QVERIFY(dialoge_->liste.empty());
        QVERIFY(!eintrag(f(), "Rueckgaengig1")->isEnabled());
        QCOMPARE(rueckgaengig(), QString("Rückgängig"));
        QCOMPARE(wiederholen(), QString("Wiederholen"));
    }

    // A step back that takes neurons from a net the task table was laid out for: the next
    // training step says so instead of reading beyond the net.
    void aufgabenNachRueckgaengig() {
        perzeptron();
        bauen(0, 2, 4, 1);
        TAufgabenForm& a = aufgabe(); // laid out for 7 neurons
        menue("Rueckgaengig1");       // the 2-3-1 net is back
        dialoge_->liste.clear();
        a.Trainierebtn->click();
        QCOMPARE(dialoge_->liste,
                 (std::vector<test::Meldung>{
                     {'F', "Das Netz passt nicht mehr zur Lernaufgabe: Die "
                           "Tabelle braucht 7 Neuronen, das Netz hat nur noch 6."}}));
        QVERIFY(!a.LaeuftSchleife());
        // The step failed before it changed anything: no step, and the step forward is kept.
        QCOMPARE(rueckgaengig(), QString("Rückgängig: Netz propagieren"));
        QCOMPARE(wiederholen(), QString("Wiederholen: Spezielle Netze"));
    }

    // Storing and recalling patterns: the recall is one step, and the patterns the analysis
    // counts as stored go back and forward with the weights.
    void muster() {
        THopfieldForm& h = hopfield();
        test::zeichne(h, {"X.X", ".X.", "X.X"});
        h.MerkeBtn->click();
        test::zeichne(h, {"XXX", "...", "XXX"});
        const std::string einMuster = test::abdruck(f().AktuellesNetz);
        h.MerkeBtn->click();
        QCOMPARE(f().GemerkteMuster.size(), std::size_t(2));
        menue("Rueckgaengig1");
        QCOMPARE(f().GemerkteMuster.size(), std::size_t(1));
        QVERIFY(test::abdruck(f().AktuellesNetz) == einMuster);
        menue("Wiederholen1");
        QCOMPARE(f().GemerkteMuster.size(), std::size_t(2));

        test::zeichne(h, {"X.X", ".XX", "X.X"});
        const std::string vorher = test::abdruck(f().AktuellesNetz);
        bool gesperrt = false; // both items greyed while the recall runs
        QTimer::singleShot(0, h.StopBtn, [&] {
            gesperrt = !eintrag(f(), "Rueckgaengig1")->isEnabled() &&
                       !eintrag(f(), "Wiederholen1")->isEnabled();
            h.StopBtn->click();
        });
        h.ErkennenBtn->click();
        QVERIFY(gesperrt);
        QCOMPARE(rueckgaengig(), QString("Rückgängig: Muster rekonstruieren"));
        menue("Rueckgaengig1");
        QVERIFY(test::abdruck(f().AktuellesNetz) == vorher);
        QCOMPARE(rueckgaengig(), QString("Rückgängig: Muster einprägen"));
    }

    // A step back to the net before the grid was built leaves the pattern window on a net that
    // does not fit: storing and recalling say so, change nothing and leave no step.
    void musterfensterNachRueckgaengig() {
        THopfieldForm& h = hopfield();
        test::zeichne(h, {"X.X", ".X.", "X.X"});
        menue("Rueckgaengig1");
        const std::string netz = test::abdruck(f().AktuellesNetz);
        const QString zuletzt = rueckgaengig();
        dialoge_->liste.clear();
        h.MerkeBtn->click();
        h.ErkennenBtn->click();
        QCOMPARE(dialoge_->liste,
                 (std::vector<test::Meldung>{{'F', GitterUnpassend}, {'F', GitterUnpassend}}));
        QVERIFY(test::abdruck(f().AktuellesNetz) == netz);
        QCOMPARE(rueckgaengig(), zuletzt);
        QVERIFY(f().GemerkteMuster.empty());
    }
};

QTEST_MAIN(RueckgaengigTest)
#include "rueckgaengig_test.moc"
