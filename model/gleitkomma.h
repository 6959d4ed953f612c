#pragma once
// Checked extended-precision arithmetic. Intermediate results are long double (80-bit on
// x86-64); a value is rounded to float only where it is stored. A fault never yields a silent
// infinity or NaN: it throws Fehler with the German text the user sees.
#include <array>
#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>

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
// Tiny values round toward zero (or to a subnormal) silently. NaN and infinity stay what they
// are when rounded, so one test of the float gives the same verdict as pruefe(x) first.
inline float speichere(long double x) {
    const float f = static_cast<float>(x);
    if (f - f != 0.0f) wirf(f != f ? Ungueltig : Ueberlauf);
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
inline long double div(long double a, long double b) {
    if (b == 0.0L) wirf(a == 0.0L || a != a ? Ungueltig : DivisionDurchNull);
    return pruefe(a / b);
}

long double exp(long double x);

// An exponential computed before: the bits of its float argument and its value.
struct Potenz {
    std::uint32_t x = 0; // +0
    long double wert = 1.0L;
};
// The exponentials computed last, each in the slot potenzPlatz of its argument.
inline thread_local std::array<Potenz, 256> potenzen{};
inline std::size_t potenzPlatz(std::uint32_t x) {
    return (x * 0x9e3779b9U) >> 24;
}
// exp(x), remembered in potenzen.
long double expNeu(float x);

// exp(x) for a float argument. A training step evaluates every neuron's exponential twice with
// the same argument, in the forward pass and again for the derivative, and the exponential is
// the costliest part of a small net's step. So the value computed for the same argument is
// handed back from a table; the result is always exactly exp(x).
inline long double expSingle(float x) {
    const auto bits = std::bit_cast<std::uint32_t>(x);
    const Potenz& p = potenzen[potenzPlatz(bits)];
    if (p.x == bits) return p.wert;
    return expNeu(x);
}

// speichere(static_cast<long double>(a) * b + s), out of line.
float addiereProduktLang(float s, float a, float b);

// One step of a weighted sum: s + a * b in long double, stored as float. The result is always
// exactly speichere(static_cast<long double>(a) * b + s).
//
// The weighted sums are serial chains, and the round trip of the long double through memory is
// their slowest link, so the step is tried in double first. a * b has at most 48 bits and is
// exact in both types; they differ only in rounding the exact sum x to 53 or to 64 bits before
// it goes to float. Each way gives the float nearest x unless the intermediate value lands
// exactly halfway between two floats. Such a point has 25 bits; if the long double value is one,
// x lies within half a long double place of it, so the double value is the same point. Hence a
// double value that is not halfway proves that both ways give the float nearest x. A zero sum
// is exact in both, with the same sign. Halfway values and values outside float's normal range
// (tiny, overflowing, infinite or NaN) take the long double path, addiereProduktLang.
inline float addiereProdukt(float s, float a, float b) {
    const double x = static_cast<double>(a) * b + s;
    constexpr std::uint64_t Vorzeichen = std::uint64_t{1} << 63;
    constexpr std::uint64_t Rest = (std::uint64_t{1} << 29) - 1; // bits below float's precision
    constexpr std::uint64_t Halb = std::uint64_t{1} << 28;
    constexpr auto Kleinste = std::bit_cast<std::uint64_t>(double{FLT_MIN});
    constexpr auto Groesste = std::bit_cast<std::uint64_t>(double{FLT_MAX});
    const std::uint64_t betrag = std::bit_cast<std::uint64_t>(x) & ~Vorzeichen;
    if ((betrag - Kleinste <= Groesste - Kleinste && (betrag & Rest) != Halb) || betrag == 0)
        return static_cast<float>(x);
    return addiereProduktLang(s, a, b);
}

} // namespace nervalo::gk
