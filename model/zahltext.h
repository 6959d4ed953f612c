#pragma once
// Text forms of numbers. Every formatter rounds the value's exact decimal expansion half away
// from zero (a 5 in the first dropped digit rounds the magnitude up), so 0.125 shows as 0.13
// whatever the C library's binary rounding would do. Nothing here depends on the locale.
#include <cstdint>
#include <string>

namespace nervalo {

// A decimal number: ziffern d1 d2 ... dn (first digit not 0, last digit not 0) mean
// ±d1.d2...dn × 10^exponent. Empty ziffern is zero (negativ may still be set).
struct Dezimalzahl {
    bool negativ = false;
    std::string ziffern;
    int exponent = 0;

    bool istNull() const { return ziffern.empty(); }
    // The digit (0..9) of weight 10^stelle.
    int ziffer(int stelle) const;
};

// The exact decimal expansion of a finite value (every float and double has a finite one).
Dezimalzahl exaktDezimal(double x);
// Rounds to the given number of decimals (may be negative: -1 rounds to tens).
Dezimalzahl rundeAufNachkommastellen(Dezimalzahl d, int nachkommastellen);
// Rounds to the given number of significant digits; a carry raises the exponent (9.96 -> 10).
Dezimalzahl rundeAufSignifikanteStellen(Dezimalzahl d, int stellen);

// The drawing's number: two decimals, point, right-aligned in at least 4 characters
// (0.125 -> "0.13", -1 -> "-1.00"). A value that rounds to zero shows no minus sign.
// NaN and infinities give "NAN", "INF", "-INF".
std::string ZahlZuText(float x);

} // namespace nervalo
