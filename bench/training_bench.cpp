// Training speed of the real main window: "Alle" on the four XOR tasks with a 2-4-1 perceptron
// built by "Spezielle Netze", with the net window open, first without and then with the windows
// "Lernkurve" and "Entscheidungskarte" open. A timer presses "Stop" after a fixed time. Prints,
// for both runs, the training steps per second and how often the net window's paint box, the
// step counter of the task window, the curve and the map were really painted per second; then
// the time of one update of the decision map (computed at 100 x 100 and painted). Runs on the
// offscreen platform unless QT_QPA_PLATFORM says else.
//   training_bench [seconds]   (default 3, per run)
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "aufgabenform.h"
#include "intedit.h"
#include "kartenbild.h"
#include "kartenform.h"
#include "lernkurvenbild.h"
#include "lernkurvenform.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "spezialnetzskript.h"
#include "testdialoge.h"

using namespace nervalo;

namespace {

// Counts the paint events of one widget.
class Malzaehler : public QObject {
  public:
    long anzahl = 0;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++anzahl;
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const double sekunden = argc > 1 ? std::atof(argv[1]) : 3.0;
    QApplication app(argc, argv);
    test::TestDialoge dialoge; // a message box would stop the run; none is expected

    TMainForm form;
    form.resize(1400, 900);
    form.show();
    QCoreApplication::processEvents();
    form.FensterBreite = 700;
    form.FensterHoehe = 450;
    form.NetzBtnClick();
    test::SpeziellesNetzWaehlen(dialoge, 0, 2, 4, 1);
    form.NetztypBtnClick();
    form.ZufallBtnClick();
    form.TrainiereBtnClick();
    TAufgabenForm* aufgaben = form.Aufgabenfenster;
    if (!aufgaben || !form.Netzfenster || form.AktuellesNetz.Anzahl() != 7) {
        std::fprintf(stderr, "Aufbau misslungen\n");
        return 1;
    }
    aufgaben->SpinEdit1->setValue(4);
    const char* xor_[4][3] = {{"0", "0", "0"}, {"0", "1", "1"}, {"1", "0", "1"}, {"1", "1", "0"}};
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 3; ++c)
            aufgaben->SetzeZelle(c, r, xor_[r - 1][c - 1]);
    QCoreApplication::processEvents();

    // What processing events costs when nothing is pending, with the given windows open.
    const auto leerlauf = [](const char* fenster) {
        constexpr int runden = 200000;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < runden; ++i)
            QCoreApplication::processEvents();
        std::printf("processEvents leer, %s: %.2f µs\n", fenster,
                    static_cast<double>(t.nsecsElapsed()) / 1e3 / runden);
    };
    leerlauf("Netz und Lernaufgaben");

    struct Lauf {
        double wand, cpu;
        long schritte, netz, zaehler, kurve, karte;
    };
    // "Alle" for the given time; counts the paints of the net, the counter, the curve and the map.
    const auto laufen = [&] {
        Malzaehler maler, zaehlermaler, kurvenmaler, kartenmaler;
        form.Netzfenster->PaintBox1->installEventFilter(&maler);
        aufgaben->IterationenEdit->installEventFilter(&zaehlermaler);
        if (form.Lernkurvenfenster) form.Lernkurvenfenster->Kurve->installEventFilter(&kurvenmaler);
        if (form.Kartenfenster) form.Kartenfenster->Karte->installEventFilter(&kartenmaler);
        QTimer::singleShot(static_cast<int>(sekunden * 1000), aufgaben,
                           [aufgaben] { aufgaben->BitBtn1->click(); });
        QElapsedTimer uhr;
        const std::clock_t cpu0 = std::clock();
        uhr.start();
        aufgaben->TaBtn->click(); // runs the loop until Stop
        const Lauf l{static_cast<double>(uhr.nsecsElapsed()) / 1e9,
                     static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC,
                     aufgaben->IterationenEdit->Number(),
                     maler.anzahl,
                     zaehlermaler.anzahl,
                     kurvenmaler.anzahl,
                     kartenmaler.anzahl};
        form.Netzfenster->PaintBox1->removeEventFilter(&maler);
        aufgaben->IterationenEdit->removeEventFilter(&zaehlermaler);
        if (form.Lernkurvenfenster) form.Lernkurvenfenster->Kurve->removeEventFilter(&kurvenmaler);
        if (form.Kartenfenster) form.Kartenfenster->Karte->removeEventFilter(&kartenmaler);
        return l;
    };

    const Lauf ohne = laufen();
    form.Lernkurve1Click();
    form.Entscheidungskarte1Click();
    QCoreApplication::processEvents();
    leerlauf("dazu Lernkurve und Karte");
    if (!form.Lernkurvenfenster || !form.Kartenfenster) {
        std::fprintf(stderr, "Lernkurve oder Entscheidungskarte fehlt\n");
        return 1;
    }
    const Lauf mit = laufen();

    std::printf("%-28s %16s %16s\n", "", "ohne Kurve/Karte", "mit Kurve/Karte");
    std::printf("%-28s %16.3f %16.3f\n", "Laufzeit s", ohne.wand, mit.wand);
    std::printf("%-28s %16.3f %16.3f\n", "Prozessorzeit s", ohne.cpu, mit.cpu);
    std::printf("%-28s %16.0f %16.0f\n", "Trainingsschritte pro s", ohne.schritte / ohne.wand,
                mit.schritte / mit.wand);
    // On a shared machine the program may get only part of a core: the steps per second of its
    // own processor time show what a machine of its own would reach.
    std::printf("%-28s %16.0f %16.0f\n", "Schritte pro s Prozessorzeit", ohne.schritte / ohne.cpu,
                mit.schritte / mit.cpu);
    std::printf("%-28s %16.1f %16.1f\n", "Bilder des Netzes pro s", ohne.netz / ohne.wand,
                mit.netz / mit.wand);
    std::printf("%-28s %16.1f %16.1f\n", "Bilder des Zählers pro s", ohne.zaehler / ohne.wand,
                mit.zaehler / mit.wand);
    std::printf("%-28s %16s %16.1f\n", "Bilder der Lernkurve pro s", "-", mit.kurve / mit.wand);
    std::printf("%-28s %16s %16.1f\n", "Bilder der Karte pro s", "-", mit.karte / mit.wand);
    std::printf("%-28s %16.2f\n", "Verhältnis mit/ohne",
                (mit.schritte / mit.wand) / (ohne.schritte / ohne.wand));
    std::printf("Fehler zuletzt      %s\n", aufgaben->FehlerEdit->text().toUtf8().constData());

    // One update of the decision map: computed from the net and the table into the window's
    // picture, then painted. Median and slowest of 200, for both parts.
    {
        TKartenForm& karte = *form.Kartenfenster;
        const Lernzuordnung zuordnung = form.Zuordnung;
        const Aufgabentabelle tabelle = {
            {0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 1.0f}, {1.0f, 0.0f, 1.0f}, {1.0f, 1.0f, 0.0f}};
        std::vector<double> rechnen, malen;
        for (int i = 0; i < 200; ++i) {
            QElapsedTimer t;
            t.start();
            karte.Zeigen(form.AktuellesNetz, zuordnung, tabelle);
            rechnen.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
            t.start();
            karte.Karte->repaint();
            malen.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        }
        for (auto* v : {&rechnen, &malen})
            std::sort(v->begin(), v->end());
        std::printf("Entscheidungskarte 100 x 100: berechnen Median %.2f ms (langsamste %.2f), "
                    "malen Median %.2f ms (langsamste %.2f)\n",
                    rechnen[100], rechnen.back(), malen[100], malen.back());
    }
    for (const auto& m : dialoge.liste)
        std::printf("Meldung %c: %s\n", m.art, m.text.c_str());
    return dialoge.liste.empty() ? 0 : 1;
}
