#pragma once
// Checked extended-precision arithmetic. Intermediate results are long double (80-bit on
// x86-64); a value is rounded to float only where it is stored. A fault never yields a silent
// infinity or NaN: it throws Fehler with the German text the user sees.
#include "fehler.h"

namespace nervalo::gk {

inline constexpr const char* DivisionDurchNull = "Gleitkommadivision durch Null";
inline constexpr const char* Ueberlauf = "Gleitkommaüberlauf";
inline constexpr const char* Ungueltig = "Ungültige Gleitkommaoperation";

[[noreturn]] void wirf(const char* text);

// Checks an intermediate result: NaN is an invalid operation, infinity an overflow.
inline long double pruefe(long double x) {
    if (x - x != 0.0L) wirf(x != x ? Ungueltig : Ueberlauf);
    return x;
}

// Rounds to float as a stored value; a finite value beyond float's range is an overflow.
// Tiny values round toward zero (or to a subnormal) silently.
inline float speichere(long double x) {
    float f = static_cast<float>(pruefe(x));
    if (f - f != 0.0f) wirf(Ueberlauf);
    return f;
}

inline long double add(long double a, long double b) {
    return pruefe(a + b);
}
inline long double sub(long double a, long double b) {
    return pruefe(a - b);
}
inline long double mul(long double a, long double b) {
    return pruefe(a * b);
}
long double div(long double a, long double b);
long double exp(long double x);

} // namespace nervalo::gk
