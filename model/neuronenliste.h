#pragma once
// The neuron list of a net. It owns its neurons. A copy copies them, so that the copy of a net
// shares nothing with it.
#include <memory>
#include <vector>

#include "neuron.h"

namespace nervalo {

class Neuronenliste {
  public:
    Neuronenliste() = default;
    Neuronenliste(const Neuronenliste& andere);
    Neuronenliste(Neuronenliste&&) noexcept = default;
    // Copies into the neurons the list already has: a neuron that both lists hold stays where it
    // is, and references to it remain valid. When a new neuron cannot be made, the list is
    // unchanged.
    Neuronenliste& operator=(const Neuronenliste& andere);
    Neuronenliste& operator=(Neuronenliste&&) noexcept = default;

    int Anzahl() const { return static_cast<int>(neuronen_.size()); }
    TGrafikNeuron& operator[](int i) { return *neuronen_[i]; }
    const TGrafikNeuron& operator[](int i) const { return *neuronen_[i]; }
    void Anhaengen(std::unique_ptr<TGrafikNeuron> n) { neuronen_.push_back(std::move(n)); }
    void EntferneLetztes() { neuronen_.pop_back(); }
    void Leeren() { neuronen_.clear(); }

  private:
    std::vector<std::unique_ptr<TGrafikNeuron>> neuronen_;
};

} // namespace nervalo
