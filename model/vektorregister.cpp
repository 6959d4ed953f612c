#include "vektorregister.h"

namespace nervalo {

void VektorregisterFreigeben() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // vzeroupper exists only with AVX; without AVX the upper halves don't exist either.
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) asm volatile("vzeroupper");
#endif
}

} // namespace nervalo
