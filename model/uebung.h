#pragma once
// Checking the values a pupil computed by hand. A typed value is right when it equals the
// program's value rounded to as many decimals as the pupil typed (at least two), half away from
// zero as the drawing rounds: decided on the float's exact decimal value, so 0.125 typed as
// "0,13" is right and "0,12" wrong, while a float just below 0.125 must be typed "0,12". A wrong
// value gets a German hint that points at the likely slip.
#include <string>
#include <vector>

#include "rechenzeilen.h"

namespace nervalo {

enum class Bewertung {
    Leer,           // nothing typed
    KeineZahl,      // letters, two signs, ...
    ZuWenigStellen, // fewer than two decimals
    Richtig,
    Falsch
};

// The typed text (comma or point, an optional sign, blanks around) against the value.
Bewertung Bewerte(const std::string& eingabe, float wert);

struct Antwort {
    Frage frage = Frage::Keine;
    int quelle = -1; // Frage::Gewicht: the source of the weight
    std::string text;
};

struct Pruefung {
    Bewertung bewertung = Bewertung::Leer;
    std::string hinweis; // empty for a right value and an empty field
};

// Checks each answer against the calculation of the neuron, in the order given; the hints of
// the later values take into account whether the earlier ones were right.
std::vector<Pruefung> Pruefe(const TNetz& netz, const Rechenweg& weg,
                             const std::vector<Antwort>& antworten);

} // namespace nervalo
