// Writes an example net: a three-layer perceptron with 2 input, 4 hidden and 1 output neuron,
// built as "Spezielle Netze" builds it, with random weights in [-1, 1). The weights come from a
// fixed seed, so the file is the same on every run. Given a second file, it also writes the
// four XOR tasks for that net as a task file.
//
// With --hopfield it writes the Hopfield example instead: a 7 x 7 grid net with three stored
// letters (hopfieldbeispiel.cpp).
//
// Usage: beispielnetz <datei.net> [<aufgaben.lrn>]
//        beispielnetz --hopfield <datei.net>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "aufgabendatei.h"
#include "netz.h"
#include "spezialnetze.h"
#include "zufall.h"

using namespace nervalo;

namespace nervalo::beispiel {
int HopfieldBeispielSchreiben(const char* pfad);
}

namespace {

// The four XOR tasks: inputs 0/0, 0/1, 1/0, 1/1 with the targets 0, 1, 1, 0, column by column.
void xorAufgabenSchreiben(const char* pfad) {
    const std::vector<float> werte = {0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 1, 0};
    SichereAufgabendatei(pfad, 3, 4, werte);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--hopfield")
        return beispiel::HopfieldBeispielSchreiben(argv[2]);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "Aufruf: beispielnetz <datei.net> [<aufgaben.lrn>]\n"
                             "        beispielnetz --hopfield <datei.net>\n");
        return 2;
    }
    try {
        // The net that "Spezielle Netze" builds for 2, 4 and 1 neurons.
        TNetz netz;
        BauePerzeptron(netz, 2, 4, 1);
        zufall().Setze(2026);
        netz.Zufallsgewichte(1.0f);
        netz.Speichern(argv[1]);
        if (argc == 3) xorAufgabenSchreiben(argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
