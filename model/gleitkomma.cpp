#include "gleitkomma.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace nervalo::gk {

void wirf(const char* text) {
    throw Fehler(text);
}

float addiereProduktLang(float s, float a, float b) {
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
