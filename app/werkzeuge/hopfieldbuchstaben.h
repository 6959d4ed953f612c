#pragma once
// The letters stored in the example net examples/hopfield-7x7.net: 7 x 7 pictures, one string per
// row, 'X' for an on cell. The example tool stores them and the tests recall them.
#include <array>

namespace nervalo::beispiel {

struct Buchstabe {
    char name;
    std::array<const char*, 7> zeilen;
    bool an(int spalte, int zeile) const { return zeilen[zeile][spalte] == 'X'; }
};

inline constexpr int Seite = 7;

inline constexpr std::array<Buchstabe, 3> HopfieldBuchstaben{{
    {'H', {"X.....X", "X.....X", "X.....X", "XXXXXXX", "X.....X", "X.....X", "X.....X"}},
    {'T', {"XXXXXXX", "...X...", "...X...", "...X...", "...X...", "...X...", "...X..."}},
    {'L', {"X......", "X......", "X......", "X......", "X......", "X......", "XXXXXXX"}},
}};

} // namespace nervalo::beispiel
