#pragma once
// The two prepared kinds of net that "Spezielle Netze" builds from a few numbers: a fully
// connected three-layer feed-forward perceptron and a grid of two-way connected neurons for
// Hopfield pattern memory.
#include <cstdint>

#include "netz.h"

namespace nervalo {

// Shown when a special net would hold more than MaxNeuronen neurons.
inline constexpr const char* ZuVieleNeuronen =
    "Die Gesamtzahl der Neuronen ist zu groß. (Maximal 60)";

// Neurons of a special net of the kind: wert1 + wert2 + wert3 for a perceptron (input, hidden
// and output neurons), wert1 · wert2 for a Hopfield grid (columns and rows; wert3 unused).
long long GesamtzahlNeuronen(Netztyp netztyp, int wert1, int wert2, int wert3);

// Both builders expect an empty net (the caller clears it first). They refuse a size below 1
// and a total above MaxNeuronen by throwing Fehler before anything changes. The new neurons are
// named N0, N1, ... in creation order; every weight is 0 and the net counts as unsaved.

// Input neurons at (80, 70k), hidden at (230, 70k), output at (380, 70k), k = 1, 2, ..., in this
// list order; one-way connections from every input to every hidden neuron and from every hidden
// to every output neuron. Netztyp Perzeptron, weights and arrows shown.
void BauePerzeptron(TNetz& netz, int anzahlInput, int anzahlHidden, int anzahlOutput);

// "sprung" hidden neurons column by column: column c, row r (from 1) at (70c, 70r) has number
// zeilen · (c − 1) + (r − 1). Every neuron is connected both ways with every other and with
// itself. Netztyp Hopfield, nothing shown.
void BaueHopfieldGitter(TNetz& netz, int spalten, int zeilen);

} // namespace nervalo
