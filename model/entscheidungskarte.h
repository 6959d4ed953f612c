#pragma once
// The decision map: the output of one neuron over the plane of the net's two input values,
// computed by the model's own forward pass on a copy of the net (Probelauf) at the centres of a
// grid of cells, and the task table's rows as points on that plane.
#include <optional>
#include <vector>

#include "lernzuordnung.h"
#include "zeichenflaeche.h"

namespace nervalo {

// Cells per side of the map.
inline constexpr int Kartenraster = 100;

// The part of the plane the map shows.
struct Kartenbereich {
    double xVon = -0.5, xBis = 1.5, yVon = -0.5, yBis = 1.5;
    bool operator==(const Kartenbereich&) const = default;
};

// The neurons a map is made of: the net's Inputschicht and Outputschicht neurons in list order.
// A map needs exactly two input neurons; the first gives the horizontal axis.
struct Kartenneuronen {
    std::vector<int> eingaben;
    std::vector<int> ausgaben;
    static Kartenneuronen AusNetz(const TNetz& netz);
    bool Moeglich() const { return eingaben.size() == 2; }
};

// A task row on the map: the values its columns give the two input neurons, and the target its
// column gives the shown neuron (empty when no column belongs to that neuron or the cell holds no
// number). Rows without numbers for both inputs are left out.
struct Kartenpunkt {
    float x, y;
    std::optional<float> ziel;
};
std::vector<Kartenpunkt> Kartenpunkte(const Lernzuordnung& zuordnung,
                                      const Aufgabentabelle& tabelle, int eingabeX, int eingabeY,
                                      int ausgabe);

// The range that shows every point with a margin of half the points' span on each side, at least
// 0.5; -0.5 to 1.5 on both axes without points.
Kartenbereich BereichFuer(const std::vector<Kartenpunkt>& punkte);
// The range scaled by faktor (below 1 zooms in) around (x, y), which keeps its place. A range
// that would become narrower than 1e-4 or wider than 1e6 stays as it is.
Kartenbereich Gezoomt(const Kartenbereich& b, double x, double y, double faktor);

// The input value at the centre of cell i of n from von to bis, as the input neuron gets it.
float Kartenstelle(double von, double bis, int i, int n = Kartenraster);

// The outputs of neuron ausgabe, n × n cells: index j · n + i holds the cell of column i (x from
// xVon) and row j (y from yVon, upwards). The input neurons eingabeX and eingabeY get the cell's
// values by SetzeOutput. A cell whose pass fails with a floating-point fault holds NaN. The net is
// not touched.
std::vector<float> BerechneKarte(const TNetz& netz, int eingabeX, int eingabeY, int ausgabe,
                                 const Kartenbereich& b, int n = Kartenraster);

// The values the colours run over: what the neuron can output, 0 to 1 for the sigmoid and
// binary outputs, -1 to 1 otherwise (tanh, linear, step).
struct Kartenskala {
    double von, bis;
};
Kartenskala SkalaFuer(const TNeuron& neuron);

// A diverging colour scale: blue at von, white in the middle, red at bis; values beyond the
// ends take the end's colour, NaN is grey.
Farbe Kartenfarbe(double wert, Kartenskala skala);

} // namespace nervalo
