// What the undo history costs for the largest net: the copy of the net that every command takes
// before it runs, a whole recorded command (copy, the comparison afterwards, the step kept) and
// a step back. Next to them, as a yardstick from the same run, copying the same number of bytes
// in one block.
//   verlauf_bench [repetitions]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "hopfieldspeicher.h"
#include "spezialnetze.h"
#include "verlauf.h"

using namespace nervalo;

namespace {

struct Zeit {
    double wand, cpu; // microseconds per repetition: wall clock and this process's processor time
};

template <class F> Zeit mikrosekunden(int wiederholungen, F&& schritt) {
    schritt();
    const auto anfang = std::chrono::steady_clock::now();
    const std::clock_t cpuAnfang = std::clock();
    for (int k = 0; k < wiederholungen; ++k)
        schritt();
    const std::chrono::duration<double, std::micro> dauer =
        std::chrono::steady_clock::now() - anfang;
    const double cpu = 1e6 * static_cast<double>(std::clock() - cpuAnfang) / CLOCKS_PER_SEC;
    return {dauer.count() / wiederholungen, cpu / wiederholungen};
}

void zeige(const char* was, Zeit z, Zeit massstab) {
    std::printf("  %-34s %7.2f µs  (processor %7.2f µs, %5.1f × the block copy)\n", was, z.wand,
                z.cpu, z.cpu / massstab.cpu);
}

} // namespace

int main(int argc, char** argv) {
    const int wiederholungen = argc > 1 ? std::atoi(argv[1]) : 20000;
    if (wiederholungen < 1) {
        std::fprintf(stderr, "Aufruf: verlauf_bench [Wiederholungen]\n");
        return 2;
    }
    // A 6 × 10 Hopfield grid: 60 neurons, every pair connected both ways, a pattern stored and
    // recalled once, so that weights, inputs and outputs are all in use.
    TNetz netz;
    BaueHopfieldGitter(netz, 6, 10);
    const Hopfieldspeicher speicher(6, 10);
    Muster muster(60);
    for (int i = 0; i < 60; ++i)
        muster[i] = i % 3 == 0;
    speicher.Merken(netz, muster);
    netz.Propagiere();

    // The bytes of the net's fields and neurons, copied in one block.
    const std::size_t bytes = sizeof(TNetz) + 60 * sizeof(TGrafikNeuron);
    std::vector<char> quelle(bytes, 1), ziel(bytes);
    const Zeit block = mikrosekunden(wiederholungen, [&] {
        std::memcpy(ziel.data(), quelle.data(), bytes);
        asm volatile("" : : "r"(ziel.data()) : "memory");
    });

    std::vector<TNetz> kopien;
    kopien.reserve(1);
    const Zeit kopie = mikrosekunden(wiederholungen, [&] {
        kopien.clear();
        kopien.push_back(netz);
    });

    Verlauf verlauf;
    verlauf.Leeren(netz);
    int x = 0;
    const Zeit befehl = mikrosekunden(wiederholungen, [&] {
        const Aufzeichnung a(verlauf, netz, "Neuron verschieben");
        netz.Neuron(59).X = ++x;
    });
    const Zeit unveraendert = mikrosekunden(
        wiederholungen, [&] { const Aufzeichnung a(verlauf, netz, "Neuron verschieben"); });
    // Back and forward in turn: each is one step.
    bool zurueck = true;
    const Zeit schritt = mikrosekunden(wiederholungen, [&] {
        zurueck ? verlauf.Rueckgaengig(netz) : verlauf.Wiederholen(netz);
        zurueck = !zurueck;
    });

    std::printf("60-neuron Hopfield grid, %d repetitions (%zu bytes in fields and neurons)\n",
                wiederholungen, bytes);
    std::printf("  %-34s %7.2f µs  (processor %7.2f µs)\n", "block copy (yardstick)", block.wand,
                block.cpu);
    zeige("snapshot (copy of the net)", kopie, block);
    zeige("recorded command that changed", befehl, block);
    zeige("recorded command that changed not", unveraendert, block);
    zeige("step back or forward", schritt, block);
    return 0;
}
