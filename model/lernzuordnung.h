#pragma once
// Which neuron each column of a learning task table belongs to, and how a task row reaches the
// net. Columns are bound to neurons by list position, not by layer kind: input column i (from 0)
// belongs to neuron i, target column k to neuron AnzahlInput + AnzahlHidden + k. The net is
// expected to list its input neurons first, then the hidden ones, then the output ones, as
// BauePerzeptron builds it; the counts alone decide which positions are used. Nothing here is
// bound to one net, so a copy of the net can be given the same task.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "netz.h"

namespace nervalo {

// The value of one data column of a task row: the input columns first (0 .. AnzahlInput − 1),
// then the target columns. Throws Fehler when the column holds no number.
using Aufgabenwert = std::function<float(int spalte)>;

// A task table's data rows as numbers, one entry per data column (inputs, then targets); empty
// where the cell holds no number.
using Aufgabenzeile = std::vector<std::optional<float>>;
using Aufgabentabelle = std::vector<Aufgabenzeile>;

class Lernzuordnung {
  public:
    std::int32_t AnzahlInput = 0;
    std::int32_t AnzahlHidden = 0;
    std::int32_t AnzahlOutput = 0;

    // Counts the net's Inputschicht, Hiddenschicht and Outputschicht neurons.
    static Lernzuordnung AusNetz(const TNetz& netz);

    // Data columns of a task row: the inputs, then the targets.
    int Spaltenzahl() const { return AnzahlInput + AnzahlOutput; }
    // List position of the neuron that data column spalte belongs to.
    int Neuron(int spalte) const { return spalte < AnzahlInput ? spalte : AnzahlHidden + spalte; }

    // Gives a task row to the net, column by column: an input value by SetzeOutput, a target
    // value as Sollwert (without a layer check). Each value is read right before it is given,
    // so when a column throws, the values before it stay. Throws Fehler instead of touching a
    // neuron the net no longer has. Returns false when an input neuron refused its value because
    // it is no Inputschicht neuron (SetzeOutput has shown its message then).
    bool Anlegen(TNetz& netz, const Aufgabenwert& wert) const;

  private:
    TGrafikNeuron& neuronIn(TNetz& netz, int spalte) const;
};

} // namespace nervalo
