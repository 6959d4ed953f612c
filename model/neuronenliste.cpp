#include "neuronenliste.h"

#include <algorithm>

namespace nervalo {

Neuronenliste::Neuronenliste(const Neuronenliste& andere) {
    neuronen_.reserve(andere.neuronen_.size());
    for (const auto& n : andere.neuronen_)
        neuronen_.push_back(std::make_unique<TGrafikNeuron>(*n));
}

Neuronenliste& Neuronenliste::operator=(const Neuronenliste& andere) {
    if (this == &andere) return *this;
    const std::size_t gemeinsam = std::min(neuronen_.size(), andere.neuronen_.size());
    // Everything that can fail first.
    std::vector<std::unique_ptr<TGrafikNeuron>> neu;
    for (std::size_t i = gemeinsam; i < andere.neuronen_.size(); ++i)
        neu.push_back(std::make_unique<TGrafikNeuron>(*andere.neuronen_[i]));
    neuronen_.reserve(andere.neuronen_.size());

    neuronen_.resize(gemeinsam);
    for (std::size_t i = 0; i < gemeinsam; ++i)
        *neuronen_[i] = *andere.neuronen_[i];
    for (auto& n : neu)
        neuronen_.push_back(std::move(n));
    return *this;
}

} // namespace nervalo
