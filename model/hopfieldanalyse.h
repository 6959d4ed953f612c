#pragma once
// What a Hopfield net's state means: its energy in the net's weights and thresholds, how far it
// lies from every remembered pattern and from that pattern's inverse, which patterns the net
// still holds as fixed points, and how many patterns a net of its size can hold. States and
// patterns are Muster in neuron order (true +1, false −1).
#include <optional>
#include <vector>

#include "hopfieldspeicher.h"
#include "netz.h"

namespace nervalo {

// E = −½ Σᵢ Σⱼ wᵢⱼ sᵢ sⱼ + Σᵢ θᵢ sᵢ over all neurons, each neuron with itself included, with
// wᵢⱼ the weight of the connection from i to j. In long double: with the integer weights of the
// Hebb rule every term and sum is exact. Throws Fehler(GitterUnpassend) when the state has not
// one value per neuron.
long double Energie(const TNetz& netz, const Muster& zustand);

// Number of places in which a and b differ; both have the same length.
int Hammingabstand(const Muster& a, const Muster& b);
// m = (1/N) Σ aᵢ bᵢ: 1 for the same pattern, −1 for its inverse; 0 for empty patterns.
double Ueberlapp(const Muster& a, const Muster& b);
// Every value turned round.
Muster Invers(Muster m);

// True when one pass of the net (Propagiere) started from the pattern leaves every neuron as the
// pattern has it. The pass runs on a copy, so the net keeps its state. A floating-point fault of
// the pass (a damaged net) gives nullopt.
std::optional<bool> IstFixpunkt(const TNetz& netz, const Muster& muster);

// Patterns beyond 0.14 · N − 1 count as critical (the pattern window warns from there); about
// 0.138 · N patterns can be recalled by a large net, as theory estimates.
double KritischeMusterzahl(int neuronen);
double GeschaetzteKapazitaet(int neuronen);

// What a state is, compared with the remembered patterns.
enum class Zustandsart {
    Muster,        // one of them
    Inverses,      // the inverse of one of them
    Scheinzustand, // neither
    OhneVergleich, // no pattern remembered to compare with
};
struct Einordnung {
    Zustandsart art = Zustandsart::OhneVergleich;
    int muster = -1; // index of the first pattern that matches (Muster, Inverses)
};
// A pattern stored twice, or stored together with its inverse, counts as the first of them.
Einordnung Einordnen(const Muster& zustand, const std::vector<Muster>& gemerkt);

// A pattern stored with "!", with the size of the grid it was drawn on.
struct GemerktesMuster {
    Muster muster;
    int spalten = 0;
    int zeilen = 0;
};

// The state compared with one remembered pattern.
struct Musterbefund {
    int abstand = 0;              // Hamming distance to the pattern
    int abstandInvers = 0;        // ... and to its inverse
    double ueberlapp = 0;         // overlap with the pattern; with the inverse it is −ueberlapp
    std::optional<bool> fixpunkt; // the pattern is still a fixed point of the net
};

struct Analyse {
    int neuronen = 0;
    bool mitZustand = false; // without a state only the fixed-point verdicts are filled in
    long double energie = 0;
    std::vector<Musterbefund> muster; // one per remembered pattern, in their order
    Einordnung einordnung;
};

// The remembered patterns on the net, and the state compared with them. The patterns and the
// state must have one value per neuron (throws Fehler(GitterUnpassend) otherwise).
Analyse Analysiere(const TNetz& netz, const std::vector<Muster>& gemerkt);
Analyse Analysiere(const TNetz& netz, const Muster& zustand, const std::vector<Muster>& gemerkt);

} // namespace nervalo
