#pragma once
// The calculation of one neuron as the net did it, gathered from the net's stored values, its
// record of the last learning step and the neuron's own arithmetic: the forward pass (the
// products of the input sum in slot order, the activation, the output) and the learning step
// (the delta and each weight change). Nothing here computes a value in a way of its own.
#include <optional>
#include <string>
#include <vector>

#include "netz.h"

namespace nervalo {

// One product of a weighted sum: the value from neuron `neuron` times its weight.
struct Produkt {
    int neuron;
    float wert;
    float gewicht;
};

struct Vorwaertsrechnung {
    bool eingabeneuron = false; // the output is given, not computed
    // The slots that are connected or carry a weight, in slot order, with the values and weights
    // the output was computed from; the other slots add 0.
    std::vector<Produkt> produkte;
    float summe = 0.0f; // the input sum the output was computed from
    // The weights are those before the recorded learning step: no propagation has come since,
    // so the output is still that of the forward pass before the step.
    bool gewichteVorDemSchritt = false;
    // Aktion(summe) and Ausgabe(aktivierung) of the neuron; empty after a floating-point fault,
    // whose text is in fehler.
    std::optional<float> aktivierung;
    std::optional<float> ausgabe;
    std::string fehler;
    float output = 0.0f; // the output the net holds
};

struct Gewichtsrechnung {
    int quelle;
    float vorher;    // the weight before the step
    float eingabe;   // the output of the source in the step
    float aenderung; // learning rate times delta times input
    float nachher;   // the weight the step stored
};

struct Rueckwaertsrechnung {
    Schichttyp schichttyp = Schichttyp::Hiddenschicht; // as the step found it
    float sigma = 0.0f;
    float ableitung = 0.0f;
    // The activation at the input sum the derivative was taken at (for the derivative's formula);
    // empty after a floating-point fault.
    std::optional<float> aktivierung;
    float sollwert = 0.0f; // output neuron: target and output of the step
    float output = 0.0f;
    // Any other kind: the later neurons' deltas times the weights to them (those changed by the
    // step), and their sum as the step added it.
    std::vector<Produkt> deltaprodukte;
    float deltasumme = 0.0f;
    float delta = 0.0f;
    std::vector<Gewichtsrechnung> gewichte; // the incoming weights the step changed
};

struct Rechenweg {
    int neuron = -1;
    Vorwaertsrechnung vorwaerts;
    std::optional<Rueckwaertsrechnung> rueckwaerts; // only after a recorded step
};

// The calculation of neuron i (0 <= i < netz.Anzahl()).
Rechenweg BerechneRechenweg(const TNetz& netz, int i);

// The sum of the products in their order, each added as the neuron adds it (one rounding to
// float after each addition).
float Produktsumme(const std::vector<Produkt>& produkte);

// A neuron's name: its label, or "Neuron i" when it has none.
std::string Neuronname(const TNetz& netz, int i);

} // namespace nervalo
