#pragma once
// Checked extended-precision arithmetic. Intermediate results are long double (80-bit on
// x86-64); a value is rounded to float only where it is stored. A fault never yields a silent
// infinity or NaN: it throws Fehler with the German text the user sees.
#include <array>
#include <bit>
#include <cfloat>
#include <cmath>
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
// gespeichert tests a value already rounded to float.
inline float gespeichert(float f) {
    if (f - f != 0.0f) wirf(f != f ? Ungueltig : Ueberlauf);
    return f;
}
inline float speichere(long double x) {
    return gespeichert(static_cast<float>(x));
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

// Bits of a double's magnitude, and the bits below float's precision.
namespace bits {
inline constexpr std::uint64_t Vorzeichen = std::uint64_t{1} << 63;
inline constexpr std::uint64_t Rest = (std::uint64_t{1} << 29) - 1;
inline constexpr std::uint64_t Halb = std::uint64_t{1} << 28;
inline constexpr auto Kleinste = std::bit_cast<std::uint64_t>(double{FLT_MIN});
inline constexpr auto Groesste = std::bit_cast<std::uint64_t>(double{FLT_MAX});
inline std::uint64_t betrag(double x) {
    return std::bit_cast<std::uint64_t>(x) & ~Vorzeichen;
}
// The magnitude b lies in float's normal range, FLT_MIN to FLT_MAX.
inline bool normal(std::uint64_t b) {
    return b - Kleinste <= Groesste - Kleinste;
}
} // namespace bits

// x is one operation on floats (a sum, a difference or s + a * b with an exact product) done in
// double. True when static_cast<float>(x) is what the same operation stores by way of long
// double. The two types differ only in rounding the exact result r to 53 or to 64 bits before
// it goes to float. Each way gives the float nearest r unless the intermediate value lands
// exactly halfway between two floats. Such a point has 25 bits; if the long double value is
// one, r lies within half a long double place of it, so the double value is the same point.
// Hence a double value that is not halfway proves that both ways give the float nearest r. A
// zero is exact in both, with the same sign. Halfway values and values outside float's normal
// range (tiny, overflowing, infinite or NaN) need the long double way.
inline bool wieLang(double x) {
    const std::uint64_t b = bits::betrag(x);
    return (bits::normal(b) && (b & bits::Rest) != bits::Halb) || b == 0;
}

// Stores a double that holds an exact result (the product of two floats): its rounding to
// float is the only one, as with long double. Overflow throws as in speichere.
inline float speichereExakt(double x) {
    return gespeichert(static_cast<float>(x));
}

// One step of a weighted sum: s + a * b in long double, stored as float. The result is always
// exactly speichere(static_cast<long double>(a) * b + s). The weighted sums are serial chains,
// and the round trip of the long double through memory is their slowest link, so the step is
// done in double (a * b has at most 48 bits and is exact there) where wieLang allows.
inline float addiereProdukt(float s, float a, float b) {
    const double x = static_cast<double>(a) * b + s;
    if (wieLang(x)) return static_cast<float>(x);
    return addiereProduktLang(s, a, b);
}

// y is a double computed for an exact value v with a few roundings, so that it lies within
// 2^9 places of its binade from v; a long double computed for v lies far closer. When y is a
// normal float value at least 2^12 places away from every point halfway between two floats,
// both lie on y's side of each such point and round to the same float: static_cast<float>(y)
// is what the long double way stores. Otherwise (about one value in 65,000, and all values
// outside float's normal range) the caller takes the long double way.
inline bool eindeutigGerundet(double y) {
    constexpr std::uint64_t Rand = std::uint64_t{1} << 12;
    const std::uint64_t b = bits::betrag(y);
    return bits::normal(b) && (b & bits::Rest) - (bits::Halb - Rand) > 2 * Rand;
}

// A weight plus its learning step: w + o * schritt in long double, stored as float, where
// schritt is a delta times sigma (exact in double). In double the product and the sum are
// rounded once each; the error is at most a double place of the larger of the two, which the
// margin of eindeutigGerundet covers as long as the product is not much larger than the sum
// (no deep cancellation). A zero product leaves w exact in both types, but w itself may be a
// NaN or an infinity read from a damaged file: storing it is a fault like any other.
inline float addiereSchritt(float w, float o, double schritt) {
    const double produkt = o * schritt;
    const double y = produkt + w;
    if (produkt == 0.0) return gespeichert(static_cast<float>(y));
    if (eindeutigGerundet(y) && std::fabs(produkt) <= 256.0 * std::fabs(y))
        return static_cast<float>(y);
    return speichere(o * static_cast<long double>(schritt) + w);
}

// The exact product a * b rounded once to the nearest float (ties to even), for a b that is
// exact in double (a delta times a learning rate). No check: a product beyond float's range
// gives an infinity.
float produktGerundet(float a, double b);

} // namespace nervalo::gk
