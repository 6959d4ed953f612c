#include "lernkurve.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace nervalo {

void Kurvenreihe::Hinzufuegen(std::int64_t schritt, double fehler) {
    const std::size_t n = punkte_.size();
    // A second value at the same step (the total error again, after a change of the net) is
    // the newer state of that step.
    if ((n >= 1 && schritt <= punkte_.back().schritt) ||
        (n >= 2 && schritt - punkte_[n - 2].schritt < abstand_)) {
        punkte_.back() = {schritt, fehler};
        return;
    }
    punkte_.push_back({schritt, fehler});
    if (punkte_.size() > budget_) ausduennen();
}

void Kurvenreihe::ausduennen() {
    // Every second point goes, the first and the newest stay.
    const Punkt neuester = punkte_.back();
    std::size_t behalten = 0;
    for (std::size_t i = 0; i < punkte_.size(); i += 2)
        punkte_[behalten++] = punkte_[i];
    punkte_.resize(behalten);
    if (punkte_.back() != neuester) punkte_.push_back(neuester);
    // Points that come at irregular steps (the total error, once per screen frame) are spaced
    // like the ones kept, so that the new half of the budget covers as many steps as the old.
    const std::int64_t spanne = punkte_.back().schritt - punkte_.front().schritt;
    const std::int64_t halb = static_cast<std::int64_t>(budget_ / 2);
    const std::int64_t gleichmaessig = (spanne + halb - 1) / halb;
    abstand_ = std::max(abstand_ * 2, gleichmaessig);
}

void Kurvenreihe::Leeren() {
    punkte_.clear();
    abstand_ = 1;
}

void Lernkurve::Schritt(float fehler) {
    if (schritte_ < std::numeric_limits<std::int64_t>::max()) ++schritte_;
    schritt_.Hinzufuegen(schritte_, fehler);
}

void Lernkurve::Leeren() {
    schritte_ = 0;
    schritt_.Leeren();
    gesamt_.Leeren();
}

namespace {

// Shortest text that reads back as the same value, with the decimal comma and a capital E.
template <class T> std::string zahl(T x) {
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x);
    std::string text(puffer, fehler == std::errc() ? ende : puffer);
    for (char& c : text) {
        if (c == '.') c = ',';
        if (c == 'e') c = 'E';
    }
    return text;
}

} // namespace

std::string LernkurveAlsTabelle(const Lernkurve& kurve) {
    std::string text = "Schritte;Gesamtfehler;Fehler des Schritts\r\n";
    const auto& gesamt = kurve.Gesamtfehler().Punkte();
    const auto& schritt = kurve.Schrittfehler().Punkte();
    std::size_t g = 0, s = 0;
    while (g < gesamt.size() || s < schritt.size()) {
        const bool mitG = g < gesamt.size();
        const bool mitS = s < schritt.size();
        const std::int64_t nr = !mitS || (mitG && gesamt[g].schritt < schritt[s].schritt)
                                    ? gesamt[g].schritt
                                    : schritt[s].schritt;
        text += std::to_string(nr) + ';';
        if (mitG && gesamt[g].schritt == nr) text += zahl(gesamt[g++].fehler);
        text += ';';
        // The step errors are floats: written as floats, they read back as the same value.
        if (mitS && schritt[s].schritt == nr) text += zahl(static_cast<float>(schritt[s++].fehler));
        text += "\r\n";
    }
    return text;
}

} // namespace nervalo
