// Training speed of the real main window: "Alle" on the four XOR tasks with a 2-4-1 perceptron
// built by "Spezielle Netze", with the net window open. A timer presses "Stop" after a fixed
// time. Prints the training steps per second and how often the net window's paint box and the
// step counter of the task window were really painted per second. Runs on the offscreen platform
// unless QT_QPA_PLATFORM says else.
//   training_bench [seconds]   (default 3)
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "aufgabenform.h"
#include "intedit.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "netztypform.h"
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
    dialoge.modal.push_back([](QDialog& d) {
        auto& f = static_cast<TNetztypForm&>(d);
        f.NetztypKnopf[0]->click();
        f.SpinEdit1->setValue(2);
        f.SpinEdit2->setValue(4);
        f.SpinEdit3->setValue(1);
        return int(QDialog::Accepted);
    });
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

    // What processing events costs when nothing is pending, with both windows open.
    {
        constexpr int runden = 200000;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < runden; ++i)
            QCoreApplication::processEvents();
        std::printf("processEvents leer   %.2f µs\n",
                    static_cast<double>(t.nsecsElapsed()) / 1e3 / runden);
    }

    Malzaehler maler, zaehlermaler;
    form.Netzfenster->PaintBox1->installEventFilter(&maler);
    aufgaben->IterationenEdit->installEventFilter(&zaehlermaler);
    QTimer::singleShot(static_cast<int>(sekunden * 1000), aufgaben,
                       [aufgaben] { aufgaben->BitBtn1->click(); });

    QElapsedTimer uhr;
    const std::clock_t cpu0 = std::clock();
    uhr.start();
    aufgaben->TaBtn->click(); // runs the loop until Stop
    const double wand = static_cast<double>(uhr.nsecsElapsed()) / 1e9;
    const double cpu = static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
    const long schritte = aufgaben->IterationenEdit->Number();

    std::printf("Laufzeit            %.3f s (Prozessorzeit %.3f s)\n", wand, cpu);
    std::printf("Trainingsschritte   %ld, %.0f pro Sekunde\n", schritte, schritte / wand);
    std::printf("Bilder des Netzes   %ld, %.1f pro Sekunde\n", maler.anzahl, maler.anzahl / wand);
    std::printf("Bilder des Zählers  %ld, %.1f pro Sekunde\n", zaehlermaler.anzahl,
                zaehlermaler.anzahl / wand);
    std::printf("Fehler zuletzt      %s\n", aufgaben->FehlerEdit->text().toUtf8().constData());
    for (const auto& m : dialoge.liste)
        std::printf("Meldung %c: %s\n", m.art, m.text.c_str());
    return dialoge.liste.empty() ? 0 : 1;
}
