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
