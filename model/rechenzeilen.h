#pragma once
// The calculation of a neuron as rows of text, as the "Rechenweg" window and the worksheet show
// them: what is computed, its formula in symbols, the formula with the numbers put in, and the
// result. In the exercise form the results are left out; the rows a pupil fills in say which
// value they ask for.
#include <optional>
#include <string>
#include <vector>

#include "rechenweg.h"

namespace nervalo {

// The values a pupil types in the exercise.
enum class Frage { Keine, Summe, Output, Delta, Gewicht };

struct Rechenzeile {
    std::string groesse;  // "Netzeingabe s"
    std::string formel;   // "s = o(N0) · w(N0→N2) + …"
    std::string rechnung; // "1,00 · 0,15 + 0,00 · 0,62"; followed by " = " and the result
    // The result; in the exercise form empty for the rows that ask nothing. A row that asks keeps
    // its value for checking, and the window hides it.
    std::optional<float> wert;
    Frage frage = Frage::Keine;
    int quelle = -1; // Frage::Gewicht: the source of the weight
};

struct Rechenabschnitt {
    std::string titel;
    std::vector<Rechenzeile> zeilen;
};

// The two sections (forward, learning step) of the calculation. alleStellen writes every number
// with all the digits of its float; uebung gives the exercise form.
std::vector<Rechenabschnitt> Rechenzeilen(const TNetz& netz, const Rechenweg& weg, bool alleStellen,
                                          bool uebung);

// The name of an activation function as the formulas write it ("sigmoid", "tanh", ...).
std::string Funktionsname(Aktionsfunktion f);
// The formula of its derivative ("f'(s) = P · a · (1 − a)").
std::string Ableitungsformel(Aktionsfunktion f);

} // namespace nervalo
