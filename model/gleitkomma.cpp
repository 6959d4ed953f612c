#include "gleitkomma.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace nervalo::gk {

void wirf(const char* text) {
    throw Fehler(text);
}

float addiereProduktLang(float s, float a, float b) {
    // A double sum that lies halfway between two floats is often exact (sums of short
    // mantissas, such as inputs of 0 and 1): then it rounds as the exact value does. The
    // rounding error of the sum, found as by Knuth's two-sum, tells.
    const double p = static_cast<double>(a) * b;
    const double x = p + s;
    if (bits::normal(bits::betrag(x))) {
        const double t = x - s;
        if ((s - (x - t)) + (p - t) == 0.0) return static_cast<float>(x);
    }
    return speichere(static_cast<long double>(a) * b + s);
}

float produktGerundet(float a, double b) {
    // The double product p lies within half a double place of the exact one. Every point halfway
    // between two floats is a double, so no such point lies strictly between p and the exact
    // value: p rounds as the exact value does, unless p is itself such a point. Then the
    // product's rounding error, exact with a fused multiply-add, says on which side it lies.
    const double p = static_cast<double>(a) * b;
    const float r = static_cast<float>(p);
    if (static_cast<double>(r) == p || !std::isfinite(r)) return r;
    const float andere = std::nextafter(r, p > r ? HUGE_VALF : -HUGE_VALF);
    const double mitte = (static_cast<double>(r) + andere) / 2;
    if (p != mitte) return r;
    const double fehler = std::fma(static_cast<double>(a), b, -p);
    if (fehler == 0.0) return r; // a tie: the conversion rounded to even
    return (fehler > 0) == (andere > r) ? andere : r;
}

long double exp(long double x) {
    return pruefe(std::exp(x));
}

long double expNeu(float x) {
    const long double wert = exp(x);
    const auto bits = std::bit_cast<std::uint32_t>(x);
    potenzen[potenzPlatz(bits)] = {bits, wert};
    return wert;
}

} // namespace nervalo::gk
