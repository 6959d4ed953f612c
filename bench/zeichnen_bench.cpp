// Time of a full redraw of the net window: fill white and ZeichneNetz on a QtZeichenflaeche over
// a 1300 x 800 image, for the largest net the editor allows and for a small perceptron. Also the
// same on a new surface each time (as for the clipboard) and the model's share alone. The
// largest net once more after a learning step with "Änderungen" on: every weight change and
// every delta drawn as well.
//   zeichnen_bench [repetitions]
#include <QGuiApplication>
#include <QImage>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "netz.h"
#include "qtzeichenflaeche.h"

using namespace nervalo;

namespace {

void neuesNeuron(TNetz& netz, Schichttyp schichttyp, int x, int y) {
    auto n = std::make_unique<TGrafikNeuron>();
    n->Schichttyp = schichttyp;
    n->X = x;
    n->Y = y;
    n->Bezeichnung = "N" + std::to_string(netz.Anzahl());
    netz.Hinzufuegen(std::move(n));
}

// A Hopfield grid of 6 columns and 10 rows (60 neurons), every pair connected both ways and
// every neuron with itself, with arrows and weights shown and weights that are not all alike.
void hopfieldGitter(TNetz& netz) {
    for (int c = 1; c <= 6; ++c)
        for (int r = 1; r <= 10; ++r)
            neuesNeuron(netz, Schichttyp::Hiddenschicht, 70 * c, 70 * r);
    for (int i = 0; i < netz.Anzahl(); ++i)
        for (int j = i; j < netz.Anzahl(); ++j) {
            netz.VerbindeBeide(i, j);
            netz.SetzeGewicht(i, j, static_cast<float>((i * 7 + j * 3) % 5 - 2));
            netz.SetzeGewicht(j, i, static_cast<float>((i * 7 + j * 3) % 5 - 2));
        }
    netz.Darstellung = GewichteZeigen | PfeileZeigen;
}

// The perceptron 2-4-2 as the special-net construction lays it out, with random weights.
void perzeptron(TNetz& netz) {
    const int anzahl[3] = {2, 4, 2};
    const Schichttyp typ[3] = {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht,
                               Schichttyp::Outputschicht};
    for (int s = 0; s < 3; ++s)
        for (int k = 1; k <= anzahl[s]; ++k)
            neuesNeuron(netz, typ[s], 80 + 150 * s, 70 * k);
    for (int i = 0; i < 2; ++i)
        for (int j = 2; j < 6; ++j)
            netz.Verbinde(i, j);
    for (int i = 2; i < 6; ++i)
        for (int j = 6; j < 8; ++j)
            netz.Verbinde(i, j);
    netz.Zufallsgewichte(1.0f);
    netz.Darstellung = GewichteZeigen | PfeileZeigen;
}

// A surface that draws nothing: what the model's own arithmetic and texts cost.
class LeereFlaeche : public Zeichenflaeche {
  public:
    void SetzeFuellfarbe(Farbe) override {}
    void SetzeSchriftfarbe(Farbe) override {}
    void Ellipse(int, int, int, int) override {}
    void BewegeZu(int, int) override {}
    void LinieZu(int, int) override {}
    int TextBreite(const std::string& text) const override {
        return 7 * static_cast<int>(text.size());
    }
    int TextHoehe(const std::string&) const override { return 15; }
    void Text(int, int, const std::string&) override {}
    void Rechteck(int, int, int, int) override {}
    StiftModus Stiftmodus() const override { return StiftModus::Kopieren; }
    void SetzeStiftmodus(StiftModus) override {}
};

struct Zeit {
    double wand, cpu; // milliseconds per redraw: wall clock and this process's processor time
};

template <class F> Zeit millisekunden(int wiederholungen, F&& bild) {
    bild(); // once first, so that fonts and caches are warm
    const auto anfang = std::chrono::steady_clock::now();
    const std::clock_t cpuAnfang = std::clock();
    for (int k = 0; k < wiederholungen; ++k)
        bild();
    const std::chrono::duration<double, std::milli> dauer =
        std::chrono::steady_clock::now() - anfang;
    const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuAnfang) / CLOCKS_PER_SEC;
    return {dauer.count() / wiederholungen, cpu / wiederholungen};
}

// The grid after one learning step, every fourth neuron an output neuron with target 1, so that
// the deltas and weight changes are of both signs and many sizes.
void gelernt(TNetz& netz) {
    for (int i = 3; i < netz.Anzahl(); i += 4) {
        netz.Neuron(i).Schichttyp = Schichttyp::Outputschicht;
        netz.Neuron(i).Sollwert = 1.0f;
    }
    netz.Propagiere();
    netz.Backpropagiere(1.0f);
}

void zeige(const char* was, const TNetz& netz, int wiederholungen,
           const Zusatzanzeige& zusatz = {}) {
    // The net window: one image and surface for the whole run.
    QImage bild(1300, 800, QImage::Format_RGB32);
    QtZeichenflaeche flaeche(bild);
    const Zeit fenster = millisekunden(wiederholungen, [&] {
        flaeche.Leeren();
        netz.ZeichneNetz(flaeche, zusatz);
    });
    // The clipboard: a new image and surface every time, so no text is rendered yet.
    const Zeit neu = millisekunden(wiederholungen, [&] {
        QImage b(1300, 800, QImage::Format_RGB32);
        QtZeichenflaeche f(b);
        f.Leeren();
        netz.ZeichneNetz(f, zusatz);
    });
    // The net window on a screen of two pixels per point: four times the pixels, through QPainter.
    QImage fein(2600, 1600, QImage::Format_RGB32);
    fein.setDevicePixelRatio(2);
    QtZeichenflaeche feineFlaeche(fein);
    const Zeit doppelt = millisekunden(wiederholungen, [&] {
        feineFlaeche.Leeren();
        netz.ZeichneNetz(feineFlaeche);
    });
    LeereFlaeche leer;
    const Zeit modell = millisekunden(wiederholungen, [&] { netz.ZeichneNetz(leer, zusatz); });
    std::printf("%s\n  redraw         %7.3f ms  (processor %7.3f ms)\n"
                "  redraw, 2 px   %7.3f ms  (processor %7.3f ms, %.1f x the redraw)\n"
                "  new surface    %7.3f ms  (processor %7.3f ms)\n"
                "  model alone    %7.3f ms  (processor %7.3f ms)\n",
                was, fenster.wand, fenster.cpu, doppelt.wand, doppelt.cpu,
                doppelt.cpu / fenster.cpu, neu.wand, neu.cpu, modell.wand, modell.cpu);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int wiederholungen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    TNetz hopfield;
    hopfieldGitter(hopfield);
    TNetz klein;
    perzeptron(klein);

    zeige("Hopfield 6 x 10: 60 neurons, 3600 connections, arrows and weights", hopfield,
          wiederholungen);
    zeige("Perceptron 2-4-2: 8 neurons, 16 connections, arrows and weights", klein, wiederholungen);
    TNetz lernend;
    hopfieldGitter(lernend);
    gelernt(lernend);
    zeige("Hopfield 6 x 10 after a learning step, with \"Änderungen\": 1770 changes, 60 deltas",
          lernend, wiederholungen, {.aenderungen = true});
    return 0;
}
