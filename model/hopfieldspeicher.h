#pragma once
// Hopfield pattern memory on a grid of cells. The cell in column c and row r (both from 0)
// belongs to the neuron at list position zeilen · c + r: column by column, the order in which
// BaueHopfieldGitter creates the grid net. Patterns are not kept one by one: storing one adds to
// the net's weights, and the weights are what a net file keeps.
#include <vector>

#include "netz.h"

namespace nervalo {

inline constexpr const char* GitterUnpassend =
    "Die Anzahl der Spalten und Reihen passt nicht zum Netz!";

// A two-valued pattern in neuron order: true is on (+1), false off (−1).
using Muster = std::vector<bool>;

class Hopfieldspeicher {
  public:
    Hopfieldspeicher(int spalten, int zeilen) : spalten_(spalten), zeilen_(zeilen) {}

    int Spalten() const { return spalten_; }
    int Zeilen() const { return zeilen_; }
    // The neuron of the cell in column spalte and row zeile.
    int Neuron(int spalte, int zeile) const { return zeilen_ * spalte + zeile; }
    // True when every cell has its neuron and every neuron its cell.
    bool Passt(const TNetz& netz) const;

    // The operations below throw Fehler(GitterUnpassend) before they change anything when the
    // grid or the pattern does not fit the net.

    // Pattern to net: every neuron becomes an input neuron with the output +1 or −1; then every
    // input slot j of every neuron gets x_j, which makes every neuron a hidden one again, so
    // that the next pass computes its output.
    void Holen(TNetz& netz, const Muster& muster) const;
    // Holen, then the Hebb rule over the outputs: w(i, j) += x_i · x_j for every ordered pair,
    // each neuron with itself included, whether connected or not; no scaling.
    void Merken(TNetz& netz, const Muster& muster) const;
    // Net to pattern: on where the neuron's output lies within 0.1 of +1.
    Muster Lesen(const TNetz& netz) const;

  private:
    void pruefe(const TNetz& netz) const;

    int spalten_;
    int zeilen_;
};

} // namespace nervalo
