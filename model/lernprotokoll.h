#pragma once
// What the last propagation and the last backpropagation step of a net did: the values each
// output, each delta and each weight change were computed from. The net keeps it in memory only;
// the net file does not hold it. The "Rechenweg" window and the drawing of the changes read it,
// so both show the calculation as it happened instead of computing it a second time.
#include <array>
#include <cstdint>

#include "neuron.h"

namespace nervalo {

struct Lernprotokoll {
    // The last propagation (a whole pass, or single neurons). Bit j: neuron j computed its output
    // (an input neuron computes none); its input sum then.
    std::uint64_t ausgerechnet = 0;
    std::array<float, Slots> vorwaertssumme{};
    // Bit i of entry j: slot i of neuron j has been overwritten since j computed (by a later
    // neuron of the pass, or by j itself); eingabeDavor[i][j] holds the value j used.
    std::array<std::uint64_t, Slots> ueberschrieben{};
    Matrix eingabeDavor{};

    // The last backpropagation step.
    // A step is recorded, and no weight has changed since other than by that step. Setting a
    // weight, removing a connection, clearing and loading the net end the record.
    bool vorhanden = false;
    // No propagation has come after the step: the outputs and input slots are still those of the
    // forward pass before it, and that pass used the weights from before the step.
    bool vorwaertsDavor = false;
    int anzahl = 0;     // neurons in the net at the step
    float sigma = 0.0f; // learning rate
    // Bit j: neuron j got its delta in the step (every neuron that is no input neuron, up to a
    // floating-point fault that ended the step).
    std::uint64_t berechnet = 0;
    // Bit i of entry j: the weight i -> j was changed by the step.
    std::array<std::uint64_t, Slots> gelernt{};
    // Each neuron's output during the step (a source's output enters the weight change).
    std::array<float, Slots> output{};
    // Of each neuron whose delta was computed: its layer kind then, its target value, the input
    // sum the derivative was taken at, the derivative, and for a hidden neuron the sum of the
    // later neurons' deltas times its weights to them.
    std::array<Schichttyp, Slots> schichttyp{};
    std::array<float, Slots> sollwert{};
    std::array<float, Slots> eingabesumme{};
    std::array<float, Slots> ableitung{};
    std::array<float, Slots> deltasumme{};
    // The weight before the step, for each weight the step changed.
    Matrix vorher{};

    bool Gelernt(int a, int b) const {
        return vorhanden && a < anzahl && b < anzahl && (gelernt[b] >> a & 1u);
    }
    // The step changed a weight into neuron b.
    bool GelerntIn(int b) const { return vorhanden && b < anzahl && gelernt[b] != 0; }
    bool DeltaBerechnet(int i) const { return vorhanden && i < anzahl && (berechnet >> i & 1u); }
};

} // namespace nervalo
