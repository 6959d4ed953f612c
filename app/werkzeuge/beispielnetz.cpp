// Writes an example net: a three-layer perceptron with 2 input, 4 hidden and 1 output neuron,
// laid out in three columns, fully connected from layer to layer, with random weights in
// [-1, 1). The weights come from a fixed seed, so the file is the same on every run.
//
// With --hopfield it writes the Hopfield example instead: a 7 x 7 grid net with three stored
// letters (hopfieldbeispiel.cpp).
//
// Usage: beispielnetz <datei.net>
//        beispielnetz --hopfield <datei.net>
#include <cstdio>
#include <memory>
#include <string>

#include "netz.h"
#include "zufall.h"

using namespace nervalo;

namespace nervalo::beispiel {
int HopfieldBeispielSchreiben(const char* pfad);
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--hopfield")
        return beispiel::HopfieldBeispielSchreiben(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: beispielnetz [--hopfield] <datei.net>\n");
        return 2;
    }
    TNetz netz;
    netz.Netztyp = Perzeptron;
    const int anzahl[3] = {2, 4, 1};
    const std::uint8_t schicht[3] = {Inputschicht, Hiddenschicht, Outputschicht};
    const int spalte[3] = {80, 230, 380};
    for (int s = 0; s < 3; ++s)
        for (int k = 1; k <= anzahl[s]; ++k) {
            auto n = std::make_unique<TGrafikNeuron>();
            n->Schichttyp = schicht[s];
            n->X = spalte[s];
            n->Y = 70 * k;
            n->Bezeichnung = "N" + std::to_string(netz.Anzahl());
            netz.Hinzufuegen(std::move(n));
        }
    for (int i = 0; i < 2; ++i)
        for (int j = 2; j < 6; ++j)
            netz.Verbinde(i, j);
    for (int i = 2; i < 6; ++i)
        netz.Verbinde(i, 6);
    zufall().Setze(2026);
    netz.Zufallsgewichte(1.0f);
    try {
        netz.Speichern(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
