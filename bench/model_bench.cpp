// Speed of one online training step (the model's Lernschritt: set inputs and targets, Propagiere,
// Backpropagiere(1), Fehler) on sigmoid perceptrons, next to the same step of the FANN library on
// the same shapes. Prints Google Benchmark's table and then one summary line per shape (median of
// the repetitions).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "lernschritt.h"
#include "zufall.h"

#ifdef NERVALO_MIT_FANN
#include <fann.h>
#endif

using namespace nervalo;

namespace {

struct Form {
    const char* name;
    int input, hidden, output;
};

constexpr Form Formen[] = {{"2-4-1", 2, 4, 1}, {"30-20-10", 30, 20, 10}};

// One row of a task table: the input values and the target values.
struct Aufgabe {
    std::vector<float> eingabe, ziel;
};

// The XOR tasks for 2-4-1; otherwise 10 tasks with random inputs and targets in [0, 1).
std::vector<Aufgabe> aufgaben(const Form& f) {
    if (f.input == 2 && f.output == 1)
        return {{{0, 0}, {0}}, {{0, 1}, {1}}, {{1, 0}, {1}}, {{1, 1}, {0}}};
    Zufall z;
    z.Setze(4711);
    std::vector<Aufgabe> liste(10);
    for (Aufgabe& a : liste) {
        for (int i = 0; i < f.input; ++i)
            a.eingabe.push_back(z.Gleich());
        for (int i = 0; i < f.output; ++i)
            a.ziel.push_back(z.Gleich());
    }
    return liste;
}

// A three-layer sigmoid perceptron numbered inputs, hidden, outputs, fully connected between
// neighbouring layers, with random weights in [-1, 1) from a fixed seed.
void baue(TNetz& netz, const Form& f) {
    netz.Leeren();
    const int gesamt = f.input + f.hidden + f.output;
    for (int i = 0; i < gesamt; ++i) {
        auto n = std::make_unique<TGrafikNeuron>();
        n->Schichttyp = i < f.input              ? Schichttyp::Inputschicht
                        : i < f.input + f.hidden ? Schichttyp::Hiddenschicht
                                                 : Schichttyp::Outputschicht;
        n->Aktionsfunktion = Aktionsfunktion::sigmoid;
        n->Bezeichnung = "N" + std::to_string(i);
        netz.Hinzufuegen(std::move(n));
    }
    for (int i = 0; i < f.input; ++i)
        for (int h = 0; h < f.hidden; ++h)
            netz.Verbinde(i, f.input + h);
    for (int h = 0; h < f.hidden; ++h)
        for (int o = 0; o < f.output; ++o)
            netz.Verbinde(f.input + h, f.input + f.hidden + o);
    zufall().Setze(1234);
    netz.Zufallsgewichte(1.0f);
    netz.Netztyp = Netztyp::Perzeptron;
}

// The program's own training step (Lernschritt), the task row given as numbers.
void nervaloSchritt(benchmark::State& state, const Form& f) {
    const auto liste = aufgaben(f);
    TNetz netz;
    baue(netz, f);
    const Lernzuordnung zuordnung{f.input, f.hidden, f.output};
    std::size_t k = 0;
    for (auto _ : state) {
        const Aufgabe& a = liste[k];
        k = (k + 1) % liste.size();
        const auto wert = [&](int s) { return s < f.input ? a.eingabe[s] : a.ziel[s - f.input]; };
        benchmark::DoNotOptimize(Lernschritt(netz, zuordnung, wert, 1.0f).fehler);
    }
    state.SetItemsProcessed(state.iterations());
}

#ifdef NERVALO_MIT_FANN
void fannSchritt(benchmark::State& state, const Form& f) {
    const auto liste = aufgaben(f);
    fann* ann = fann_create_standard(3, f.input, f.hidden, f.output);
    fann_set_activation_function_hidden(ann, FANN_SIGMOID);
    fann_set_activation_function_output(ann, FANN_SIGMOID);
    fann_set_training_algorithm(ann, FANN_TRAIN_INCREMENTAL);
    fann_set_learning_rate(ann, 1.0f);
    std::srand(1234);
    fann_randomize_weights(ann, -1.0f, 1.0f);
    std::vector<std::vector<fann_type>> ein, ziel;
    for (const Aufgabe& a : liste) {
        ein.emplace_back(a.eingabe.begin(), a.eingabe.end());
        ziel.emplace_back(a.ziel.begin(), a.ziel.end());
    }
    std::size_t k = 0;
    for (auto _ : state) {
        fann_train(ann, ein[k].data(), ziel[k].data());
        k = (k + 1) % liste.size();
    }
    benchmark::DoNotOptimize(fann_get_MSE(ann));
    fann_destroy(ann);
    state.SetItemsProcessed(state.iterations());
}
#endif

// Shows the usual table and keeps each benchmark's rates (steps per CPU second) for the summary.
class Sammler : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred && r.cpu_accumulated_time > 0)
                raten[r.run_name.function_name].push_back(static_cast<double>(r.iterations) /
                                                          r.cpu_accumulated_time);
    }
    // Median rate over the repetitions (--benchmark_repetitions), 0 if the benchmark did not run.
    double rate(const std::string& name) const {
        auto it = raten.find(name);
        if (it == raten.end()) return 0.0;
        std::vector<double> r = it->second;
        std::sort(r.begin(), r.end());
        const std::size_t m = r.size() / 2;
        return r.size() % 2 ? r[m] : (r[m - 1] + r[m]) / 2;
    }

  private:
    std::map<std::string, std::vector<double>> raten;
};

} // namespace

int main(int argc, char** argv) {
    for (const Form& f : Formen) {
        benchmark::RegisterBenchmark((std::string("Nervalo/") + f.name).c_str(), nervaloSchritt, f);
#ifdef NERVALO_MIT_FANN
        benchmark::RegisterBenchmark((std::string("FANN/") + f.name).c_str(), fannSchritt, f);
#endif
    }
    // By default five repetitions in random order, so that a passing load on the machine hits
    // both programs alike; the summary takes the median. Flags given on the command line come
    // later and win.
    std::vector<char*> argumente{argv[0]};
    std::string wiederholungen = "--benchmark_repetitions=5";
    std::string gemischt = "--benchmark_enable_random_interleaving=true";
    argumente.push_back(wiederholungen.data());
    argumente.push_back(gemischt.data());
    argumente.insert(argumente.end(), argv + 1, argv + argc);
    int anzahl = static_cast<int>(argumente.size());
    benchmark::Initialize(&anzahl, argumente.data());
    if (benchmark::ReportUnrecognizedArguments(anzahl, argumente.data())) return 1;
    Sammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    benchmark::Shutdown();

    std::printf("\nOne training step, steps per CPU second:\n");
    for (const Form& f : Formen) {
        const double unsere = sammler.rate(std::string("Nervalo/") + f.name);
        if (unsere == 0.0) continue;
#ifdef NERVALO_MIT_FANN
        const double fann = sammler.rate(std::string("FANN/") + f.name);
        if (fann > 0.0) {
            std::printf("%s: Nervalo %.3g M steps/s, FANN %.3g M steps/s, ratio %.2f\n", f.name,
                        unsere / 1e6, fann / 1e6, unsere / fann);
            continue;
        }
#endif
#ifdef NERVALO_MIT_FANN
        std::printf("%s: Nervalo %.3g M steps/s\n", f.name, unsere / 1e6);
#else
        std::printf("%s: Nervalo %.3g M steps/s (built without FANN)\n", f.name, unsere / 1e6);
#endif
    }
}
