#pragma once
// One step of online learning on one task: the task row goes to the net (Lernzuordnung::Anlegen),
// the net propagates, backpropagates with the learning rate, and the task's error is taken.
// Backpropagation changes weights, not outputs, so the error is that of this task's forward
// pass, before its weight change.
#include "lernzuordnung.h"

namespace nervalo {

struct Lernergebnis {
    float fehler = 0.0f;            // TNetz::Fehler after the forward pass
    bool eingabenAngenommen = true; // false when an input neuron refused its value
};

// Throws Fehler (a column that holds no number, a net too small for the table, a floating-point
// fault) and leaves the net as far as the step got.
Lernergebnis Lernschritt(TNetz& netz, const Lernzuordnung& zuordnung, const Aufgabenwert& wert,
                         float sigma);

} // namespace nervalo
