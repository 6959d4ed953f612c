#pragma once
// Forward passes on a copy of a net. The total error over a task table and the decision map ask
// many times what the net would output for given inputs, while the shown net must stay exactly as
// it is. Every pass starts from the state the net had when the copy was made: a net whose passes
// leave state behind for the next one (a connection back to the same or an earlier neuron, or
// into an input neuron, which turns it into a hidden one) is reset before each pass, so that
// every input gets the output of one forward pass of the net itself.
#include <functional>

#include "netz.h"

namespace nervalo {

class Probelauf {
  public:
    explicit Probelauf(const TNetz& netz);

    // Resets the copy where needed, lets anlegen give it the inputs (and targets), and runs the
    // model's Propagiere. Returns the copy, to read its outputs and Fehler. A view that computes
    // many times a second must never open a message box: what the model would report here (an
    // input given to a neuron that is no input neuron) is thrown as Fehler instead, as are the
    // floating-point faults of the pass.
    const TNetz& Rechne(const std::function<void(TNetz&)>& anlegen);

  private:
    TNetz anfang_;      // the net as copied; the reset source
    TNetz arbeit_;      // the copy the passes run on
    bool rueckwirkung_; // a pass leaves state that changes the next one
};

} // namespace nervalo
