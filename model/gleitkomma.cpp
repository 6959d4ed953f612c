#include "gleitkomma.h"

#include <cmath>

namespace nervalo::gk {

void wirf(const char* text) {
    throw Fehler(text);
}

long double div(long double a, long double b) {
    if (b == 0.0L) wirf(a == 0.0L || a != a ? Ungueltig : DivisionDurchNull);
    return pruefe(a / b);
}

long double exp(long double x) {
    return pruefe(std::exp(x));
}

} // namespace nervalo::gk
