#pragma once
// The course of one recall: the energy of the start state and after every pass, and since which
// pass the state has stayed as it is.
#include <cstddef>
#include <vector>

#include "hopfieldspeicher.h"

namespace nervalo {

class Rekonstruktionsverlauf {
  public:
    // Energies kept at most; a recall that runs on beyond them still counts its passes and
    // notices when it becomes stable.
    static constexpr std::size_t MaxEnergien = 100000;

    // A recall starts from this state: the earlier course is forgotten.
    void Beginnen(const Muster& start, long double energie);
    // One pass has given this state. True when the state is stable now: the pass changed no
    // cell.
    bool Durchgang(const Muster& zustand, long double energie);

    bool Begonnen() const { return !energien_.empty(); }
    // The state after the last pass (the start state before the first).
    const Muster& Zustand() const { return zustand_; }
    int Durchgaenge() const { return durchgaenge_; }
    // The first pass of the current stable run, the one that changed nothing; 0 while the last
    // pass changed a cell (or none has been made).
    int StabilNach() const { return stabilNach_; }
    // [0] of the start state, [k] after pass k.
    const std::vector<long double>& Energien() const { return energien_; }

  private:
    Muster zustand_;
    std::vector<long double> energien_;
    int durchgaenge_ = 0;
    int stabilNach_ = 0;
};

} // namespace nervalo
